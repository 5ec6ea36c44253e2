// Icons and image handles made by the tests.
#pragma once

#include <windows.h>

#include <functional>

#include "SupportImages.h"

/// An icon of the pixels; transparent pixels must be black, as icons keep them.
HICON MakeTestIcon(int width, int height, int bits, const TestImages::PixelFn& bgra,
                   const std::function<bool(int x, int y)>& transparent);
/// An opaque icon of one colour.
HICON MakeSolidIcon(int width, int height, COLORREF clr);
