// A sheet of the drawing primitives of one back end, for the picture gallery.
#pragma once

#include <windows.h>

class CTKMarkupContext;

/// Draws rectangles, a border, a gradient, an ellipse, a polyline, a path,
/// a rounded rectangle and text into `rc` of `hDC` (at least 200 x 100),
/// through GDI+ when `bGdiPlus` and GDI+ runs, else through GDI.
void DrawMarkupPrimitiveSheet(CTKMarkupContext* pContext, HDC hDC, const RECT& rc, BOOL bGdiPlus);
