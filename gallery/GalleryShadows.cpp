// Pop-up shadows: the alpha ramps of the strips and the corner pixel, blended
// beside stand-ins for pop-ups, at full and at half darkness, tinted, and on
// a pop-up too narrow for a middle.
#include <string>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "commandbars/TKShadowManager.h"
#include "common/TKBitmapFunctions.h"
#include "common/TKScopedHandle.h"

namespace {

typedef CTKShadowManager M;

/// One shadow of `nKind` beside `rcPopup`, as the layered window shows it.
void BlendShadow(CDC* pDC, const CRect& rcPopup, int nKind, DWORD dwOptions, COLORREF clr) {
  const CRect rc = M::CalcShadowRect(nKind, rcPopup, 4);
  LPBYTE pBits = nullptr;
  CTKScopedBitmap dib(Create32BitDIBSection(NULL, rc.Width(), rc.Height(), &pBits));
  if (!dib || pBits == nullptr) return;
  M::FillAlphaShadow(reinterpret_cast<DWORD*>(pBits), rc.Width(), rc.Height(), nKind, dwOptions,
                     clr);
  AlphaBlendBitmap(pDC, dib.Get(), rc.left, rc.top, rc.Width(), rc.Height());
}

void DrawShadowedPopup(CGalleryCanvas& canvas, const CRect& rcPopup, DWORD dwOptions, COLORREF clr,
                       BOOL bCorner, const std::string& label) {
  CDC* pDC = canvas.GetDC();
  canvas.Label(rcPopup.left, rcPopup.top - 16, label);
  pDC->FillSolidRect(rcPopup, RGB(252, 252, 252));
  pDC->Draw3dRect(rcPopup, RGB(150, 150, 150), RGB(150, 150, 150));
  BlendShadow(pDC, rcPopup, M::kShadowBelow, dwOptions, clr);
  BlendShadow(pDC, rcPopup, M::kShadowRight, dwOptions, clr);
  if (bCorner) BlendShadow(pDC, rcPopup, M::kShadowCorner, dwOptions, clr);
}

}  // namespace

bool DrawShadowsPage(const GalleryContext& context) {
  // Shadows do not follow the look.
  if (context.look != "Silver") return true;
  CGalleryCanvas canvas(620, 170, RGB(235, 238, 244));
  DrawShadowedPopup(canvas, CRect(20, 30, 140, 130), 0, 0, FALSE, "full");
  DrawShadowedPopup(canvas, CRect(170, 30, 290, 130), M::kOptionAlways, 0, FALSE,
                    "half (option 1)");
  DrawShadowedPopup(canvas, CRect(320, 30, 440, 130), 0, RGB(0, 0, 160), FALSE, "tinted");
  DrawShadowedPopup(canvas, CRect(470, 30, 560, 130), 0, 0, TRUE, "with its corner");
  DrawShadowedPopup(canvas, CRect(585, 30, 591, 130), 0, 0, FALSE, "");
  canvas.Label(470, 145, "and 6 wide: corners only");
  return canvas.Save(context.folder + "commandbars-shadows.png");
}
