// The texts a run logs, from the application's string table.
#pragma once

#include <windows.h>

#include "foundation/TesselString.h"

/// String `id` of the string table of `module` (null: the running program).
/// The built-in `fallback` stands in when the table has no such string, and
/// when the table's text has other conversions than the fallback ("%s", "%ld"),
/// which could not be formatted safely.
CTesselString LoadRunText(HMODULE module, int id, const char* fallback);

/// LoadRunText with every conversion replaced by `argument` and "%%" by "%".
/// The result is wide when the argument is, so that a wide step name keeps
/// its characters.
CTesselString FormatRunText(HMODULE module, int id, const char* fallback,
                            const CTesselString& argument);
