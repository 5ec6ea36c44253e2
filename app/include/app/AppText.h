// Texts of the application's string table.
#pragma once

#include "foundation/TesselString.h"

/// String `id` of the application's resources; empty when it has none.
CTesselString LoadAppText(int id);

/// String `id` with its one "%s" filled by `argument`, kept as it is (a "%"
/// in a path formats nothing).
CTesselString FormatAppText(int id, const CTesselString& argument);
