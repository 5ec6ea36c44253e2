// The status bars of every theme variant, drawn on the themes page.
#pragma once

#include "Gallery.h"

/// Writes themes-statusbars-<look>.png.
bool DrawStatusBars(const GalleryContext& context);
