// CTKRibbonTheme: status-bar parts drawn from the theme images.
#include <algorithm>

#include "TKControlDrawState.h"
#include "commandbars/TKStatusBarPane.h"
#include "common/TKImageManager.h"
#include "common/TKImageManagerIcon.h"
#include "common/TKResourceImage.h"
#include "themes/TKRibbonTheme.h"

namespace {
const COLORREF kMagenta = RGB(255, 0, 255);
}  // namespace

void CTKRibbonTheme::DrawStatusBarGripper(CDC* pDC, CRect rc) {
  if (!IsIniLoaded()) return;
  CTKResourceImage* pImage = LoadImage("STATUSBARGRIPPER");
  if (pImage == nullptr) return;
  const CRect rcSrc(0, 0, pImage->GetWidth(), pImage->GetHeight());
  const CSize sz(TKScaleX(rcSrc.Width()), TKScaleY(rcSrc.Height()));
  const CPoint ptBottomRight(rc.right - TKScaleX(4), rc.bottom - TKScaleY(4));
  pImage->DrawImageTransparent(pDC, CRect(ptBottomRight - sz, sz), rcSrc, CRect(0, 0, 0, 0),
                               kMagenta);
}

void CTKRibbonTheme::DrawStatusBarPaneRightSeparator(CDC* pDC, CRect rc, CTKStatusBarPane*) {
  if (!IsIniLoaded()) return;
  CTKResourceImage* pImage = LoadImage("STATUSBARSEPARATOR");
  if (pImage == nullptr) return;
  pImage->DrawImage(pDC, CRect(rc.right, rc.top - TKScaleY(2), rc.right + 2, rc.bottom),
                    CRect(0, 0, pImage->GetWidth(), pImage->GetHeight()), CRect(0, 2, 0, 2));
}

void CTKRibbonTheme::DrawStatusBarPaneLeftSeparator(CDC* pDC, CRect rc, CTKStatusBarPane*) {
  if (!IsIniLoaded()) return;
  CTKResourceImage* pImage = LoadImage("STATUSBARSEPARATOR");
  if (pImage == nullptr) return;
  pImage->DrawImage(pDC, CRect(rc.left - 2, rc.top - TKScaleY(2), rc.left, rc.bottom),
                    CRect(0, 0, pImage->GetWidth(), pImage->GetHeight()), CRect(0, 2, 0, 2));
}

int CTKRibbonTheme::DrawStatusBarSwitches(CDC* pDC, CRect rc, BOOL bPaneEnabled,
                                          BOOL bRightToLeft, TK_STATUSBAR_SWITCH* pSwitches,
                                          int nCount, CTKImageManager* pImages) {
  if (pDC == nullptr) {
    // Device pixels, not scaled: the ends are one pixel wider for the frame.
    int nTotal = 0;
    for (int i = 0; i < nCount; ++i) {
      pSwitches[i].nWidth = i == 0 || i == nCount - 1 ? 19 : 18;
      nTotal += pSwitches[i].nWidth;
    }
    return nTotal;
  }
  CTKResourceImage* pImage = IsIniLoaded() ? LoadImage("STATUSBARSWITCHES") : nullptr;
  int x = rc.left;
  for (int i = 0; i < nCount; ++i) {
    const TK_STATUSBAR_SWITCH& s = pSwitches[i];
    const CRect rcSwitch(x, rc.top, x + s.nWidth, rc.bottom);
    x = rcSwitch.right;
    const BOOL bEnabled = bPaneEnabled && s.bEnabled;
    if (pImage != nullptr) {
      const int nSlice = !bEnabled                ? 5
                         : s.bPressed             ? 2
                         : s.bChecked && s.bHot   ? 4
                         : s.bChecked             ? 3
                         : s.bHot                 ? 1
                                                  : 0;
      // Quarters: first, middle, last, lone.
      int nQuarter = nCount == 1 ? 3 : i == 0 ? 0 : i == nCount - 1 ? 2 : 1;
      if (bRightToLeft) nQuarter = 3 - nQuarter;
      CRect rcSrc = pImage->GetSourceRect(nSlice, 6);
      const int cxQuarter = rcSrc.Width() / 4;
      rcSrc.left += nQuarter * cxQuarter;
      rcSrc.right = rcSrc.left + cxQuarter;
      pImage->DrawImageTransparent(pDC, rcSwitch, rcSrc, CRect(2, 2, 2, 2), kMagenta);
    } else if (bEnabled && (s.bHot || s.bPressed || s.bChecked)) {
      DrawRectangle(pDC, rcSwitch, s.bHot, s.bPressed, TRUE, s.bChecked, FALSE, tkBarTypeNormal,
                    tkBarBottom);
    }
    CTKImageManagerIcon* pIcon = pImages != nullptr ? pImages->GetImage(s.nId, 0) : nullptr;
    if (pIcon == nullptr) continue;
    const CSize sz(TKScaleX(pIcon->GetWidth()), TKScaleY(pIcon->GetHeight()));
    const CPoint pt = rcSwitch.CenterPoint() - CSize(sz.cx / 2, sz.cy / 2);
    CTKImageManagerIconHandle& image = !bEnabled    ? pIcon->GetDisabledImage()
                                       : s.bChecked ? pIcon->GetCheckedImage()
                                                    : pIcon->GetNormalImage();
    pIcon->Draw(pDC, pt, image, sz.cx, sz.cy);
  }
  return 0;
}
