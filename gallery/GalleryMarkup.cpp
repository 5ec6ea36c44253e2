// The markup drawing primitives, one sheet per back end (GDI and GDI+), each
// at its size and twice its size.
#include <string>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "markup/TKMarkupContext.h"
#include "markup/TKMarkupPrimitiveSheet.h"

namespace {

const int kSheetWidth = kMarkupSheetColumns * kMarkupSheetPitch;
const int kSheetHeight = 2 * kMarkupSheetPitch;

void LabelCells(CGalleryCanvas& canvas, int x, int y) {
  for (int i = 0; i < kMarkupSheetCells; ++i) {
    const RECT rc = MarkupPrimitiveSheetCellRect(i);
    canvas.Label(x + rc.left, y + rc.bottom + 4, MarkupPrimitiveSheetCellName(i));
  }
}

bool DrawSheet(CTKMarkupContext* pContext, const GalleryContext& context, BOOL bGdiPlus) {
  const std::string name = bGdiPlus ? "GDI+" : "GDI";
  const int nTop = 36, nZoomTop = nTop + kSheetHeight + 30;
  CGalleryCanvas canvas(2 * kSheetWidth + 20, nZoomTop + 2 * kSheetHeight + 10);
  canvas.Label(10, 10, "Markup drawing primitives through " + name, RGB(0, 0, 0));
  DrawMarkupPrimitiveSheet(pContext, canvas.GetDC()->GetSafeHdc(), 10, nTop, bGdiPlus);
  LabelCells(canvas, 10, nTop);
  canvas.Label(10, nZoomTop - 20, "twice the size", RGB(0, 0, 0));
  // Pixel doubling, so that edges and anti-aliasing can be judged.
  CDC* pDC = canvas.GetDC();
  pDC->SetStretchBltMode(COLORONCOLOR);
  pDC->StretchBlt(10, nZoomTop, 2 * kSheetWidth, 2 * kSheetHeight, pDC, 10, nTop, kSheetWidth,
                  kSheetHeight, SRCCOPY);
  return canvas.Save(context.folder + (bGdiPlus ? "markup-gdiplus.png" : "markup-gdi.png"));
}

}  // namespace

bool DrawMarkupPage(const GalleryContext& context) {
  // Markup drawings do not change with the look: one pair of sheets.
  static bool s_bDrawn = false;
  if (s_bDrawn) return true;
  s_bDrawn = true;
  CTKMarkupContext* pContext = new CTKMarkupContext(NULL);  // starts GDI+
  const bool ok = DrawSheet(pContext, context, FALSE) && DrawSheet(pContext, context, TRUE);
  pContext->Release();
  return ok;
}
