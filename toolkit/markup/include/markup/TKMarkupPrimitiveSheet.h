// A sheet of the drawing primitives of one back end, for the picture gallery.
#pragma once

#include <windows.h>

class CTKMarkupContext;

/// The sheet is a grid of cells, five to a row, two rows, kMarkupSheetPitch
/// apart; each draws into a 48 x 48 square 8 pixels in from its top-left,
/// leaving room for a caption below.
const int kMarkupSheetPitch = 80;
const int kMarkupSheetColumns = 5;
const int kMarkupSheetCells = 10;

/// What cell `nCell` shows: "rectangles", "rounded", "borders", "gradients",
/// "ellipse", "polylines", "path", "images", "text", "clipping".
LPCSTR MarkupPrimitiveSheetCellName(int nCell);

/// The 48 x 48 square cell `nCell` draws into, for a sheet at (0, 0).
RECT MarkupPrimitiveSheetCellRect(int nCell);

/// Draws every cell into `hDC` with the sheet's top-left at (x, y), through
/// GDI+ when `bGdiPlus` and GDI+ runs, else through GDI.
void DrawMarkupPrimitiveSheet(CTKMarkupContext* pContext, HDC hDC, int x, int y, BOOL bGdiPlus);
