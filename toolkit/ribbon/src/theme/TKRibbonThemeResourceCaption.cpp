// CTKRibbonThemeResource: the bar's background, the caption band it draws
// for its frame, and the quick-access bar's area and buttons.
#include <algorithm>

#include "commandbars/TKCommandBarsFrameHook.h"
#include "commandbars/TKControl.h"
#include "common/TKDpiHelper.h"
#include "common/TKResourceImage.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonThemeResource.h"
#include "themes/TKFramePaintManagerBase.h"
#include "themes/TKPaintManagerBase.h"

namespace {

/// The quick-access bar stands in the caption, not below the groups.
BOOL IsQuickAccessInCaption(CTKRibbonBar* pRibbonBar) {
  return pRibbonBar->IsQuickAccessVisible() && !pRibbonBar->IsQuickAccessBelowRibbon();
}

/// 2 while the pop-up is open, 1 hot, else 0.
int QuickAccessSlice(CTKControl* pButton) {
  if (pButton->IsPopupOpen()) return 2;
  return pButton->GetSelected() ? 1 : 0;
}

}  // namespace

int CTKRibbonThemeResource::GetCaptionHeight(CTKRibbonBar* pRibbonBar) {
  const int nCaption = ::GetSystemMetrics(SM_CYCAPTION);
  return IsQuickAccessInCaption(pRibbonBar) ? nCaption : nCaption - TKDpiHelper()->ScaleY(3);
}

void CTKRibbonThemeResource::FillRibbonBar(CDC* pDC, CTKRibbonBar* pRibbonBar) {
  if (!IsLoaded()) return;
  CRect rcClient;
  pRibbonBar->GetClientRect(&rcClient);
  CTKCommandBarsFrameHook* pHook = pRibbonBar->GetFrameHook();
  if (pHook != nullptr)
    rcClient.top += ::GetSystemMetrics(SM_CYCAPTION) + ::GetSystemMetrics(SM_CYFRAME);
  CRect rcTabs = pRibbonBar->GetTabControlRect();
  rcTabs.left = rcClient.left;
  rcTabs.right = rcClient.right;
  pDC->FillSolidRect(CRect(rcClient.left, rcTabs.top, rcClient.right, rcClient.bottom),
                     m_clrRibbonFace);

  if (m_bFlatFrame) {
    if (pRibbonBar->IsDwmFrameEnabled()) {
      pDC->FillSolidRect(rcTabs, RGB(0, 0, 0));
      if (CTKResourceImage* pImage = LoadImage("RIBBONTABBACKGROUNDDWM")) {
        const int cy = std::min<int>(rcTabs.Height(), pImage->GetHeight());
        pImage->DrawImage(pDC, CRect(rcTabs.left, rcTabs.bottom - cy, rcTabs.right, rcTabs.bottom),
                          CRect(0, pImage->GetHeight() - cy, pImage->GetWidth(), pImage->GetHeight()),
                          CRect(10, 0, 10, 0));
      }
    } else if (pHook != nullptr && !pHook->IsActive()) {
      pDC->FillSolidRect(rcTabs, m_clrRibbonInactiveFace);
    }
  }

  if (pRibbonBar->IsQuickAccessBelowRibbon())
    DrawSlice(pDC, LoadImage("RIBBONQUICKACCESSFRAME"), pRibbonBar->GetQuickAccessRect(), 0, 1,
              CRect(3, 3, 3, 3));

  if (!pRibbonBar->IsGroupsVisible() && !pRibbonBar->IsQuickAccessBelowRibbon()) {
    CTKDpiHelper* pDpi = TKDpiHelper();
    CRect rcBar;
    pRibbonBar->GetClientRect(&rcBar);
    pDC->FillSolidRect(rcBar.left, rcBar.bottom - pDpi->ScaleY(2), rcBar.Width(), 1,
                       m_clrMinimizedFrameEdgeShadow);
    pDC->FillSolidRect(rcBar.left, rcBar.bottom - 1, rcBar.Width(), 1,
                       m_clrMinimizedFrameEdgeHighlight);
  }
}

void CTKRibbonThemeResource::DrawQuickAccessArea(CDC* pDC, CTKRibbonBar* pRibbonBar) {
  if (!IsQuickAccessInCaption(pRibbonBar)) return;
  CTKControl* pCustomize = pRibbonBar->GetControlQuickAccess();
  if (pCustomize == nullptr || !pCustomize->IsVisible()) return;
  const CRect rcQuickAccess = pRibbonBar->GetQuickAccessRect();
  if (rcQuickAccess.IsRectEmpty()) return;
  const BOOL bGlass = pRibbonBar->IntersectsGlassArea(rcQuickAccess);
  CTKResourceImage* pImage =
      LoadImage(bGlass ? "RIBBONQUICKACCESSAREADWM" : "RIBBONQUICKACCESSAREA");
  const CRect rc(rcQuickAccess.left - TKDpiHelper()->ScaleX(15), rcQuickAccess.top,
                 rcQuickAccess.right, rcQuickAccess.bottom);
  DrawSlice(pDC, pImage, rc, 0, 1, CRect(16, 3, 16, 3));
}

void CTKRibbonThemeResource::DrawCaptionBackground(CDC* pDC, CTKRibbonBar* pRibbonBar, BOOL bActive) {
  if (!IsLoaded()) return;
  CRect rc = pRibbonBar->GetCaptionRect();
  rc.top -= 1;
  DrawSlice(pDC, LoadImage("FRAMETOPCENTER"), rc, bActive ? 0 : 1, 2, CRect(0, 5, 0, 3));
  DrawQuickAccessArea(pDC, pRibbonBar);
  CTKRibbonTabContextHeaders* pHeaders = pRibbonBar->GetContextHeaders();
  if (pHeaders != nullptr && pHeaders->GetCount() > 0)
    DrawContextHeaders(pDC, pRibbonBar, pHeaders);
}

void CTKRibbonThemeResource::DrawFrameCaption(CDC* pDC, CTKRibbonBar* pRibbonBar, BOOL bActive) {
  if (!IsLoaded()) return;
  CTKDpiHelper* pDpi = TKDpiHelper();
  const CRect rcCaption = pRibbonBar->GetCaptionRect();
  const BOOL bDwm = pRibbonBar->IsDwmFrameEnabled();
  const int nSlice = bActive ? 0 : 1;
  if (bDwm) {
    pDC->FillSolidRect(rcCaption, RGB(0, 0, 0));
    CTKResourceImage* pImage = m_bFlatFrame ? LoadImage("RIBBONTABBACKGROUNDDWM") : nullptr;
    const int cyAbove = pImage != nullptr ? pImage->GetHeight() - pRibbonBar->GetTabsHeight() : 0;
    if (cyAbove > 0)
      pImage->DrawImage(pDC,
                        CRect(rcCaption.left, rcCaption.bottom - cyAbove, rcCaption.right,
                              rcCaption.bottom),
                        CRect(0, 0, pImage->GetWidth(), cyAbove), CRect(10, 0, 10, 0));
  } else {
    CTKResourceImage* pLeft = LoadImage("FRAMETOPLEFT");
    if (pLeft == nullptr) return;
    CTKResourceImage* pRight = LoadImage("FRAMETOPRIGHT");
    const int cxLeft = pDpi->ScaleX(pLeft->GetWidth());
    const int cxRight = pRight != nullptr ? pDpi->ScaleX(pRight->GetWidth()) : 0;
    const CRect rcMargins(0, 5, 0, 3);
    DrawSliceTransparent(pDC, pLeft,
                         CRect(rcCaption.left, rcCaption.top, rcCaption.left + cxLeft, rcCaption.bottom),
                         nSlice, 2, rcMargins);
    DrawSlice(pDC, pRight,
              CRect(rcCaption.right - cxRight, rcCaption.top, rcCaption.right, rcCaption.bottom),
              nSlice, 2, rcMargins);
    DrawSlice(pDC, LoadImage("FRAMETOPCENTER"),
              CRect(rcCaption.left + cxLeft, rcCaption.top, rcCaption.right - cxRight,
                    rcCaption.bottom),
              nSlice, 2, rcMargins);
  }
  DrawQuickAccessArea(pDC, pRibbonBar);

  CTKCommandBarsFrameHook* pHook = pRibbonBar->GetFrameHook();
  CWnd* pSite = pRibbonBar->GetSite();
  if (pRibbonBar->GetSystemButton() == nullptr && pHook != nullptr && pSite != nullptr) {
    const CSize szIcon(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON));
    const int nBorder = pHook->CalcFrameBorder().left;
    const int yCenter = rcCaption.CenterPoint().y + (bDwm ? pRibbonBar->GetDwmTopBorder() / 2 : 0) -
                        pDpi->ScaleY(1);
    const CRect rcIcon(CPoint(nBorder + pDpi->ScaleX(1), yCenter - szIcon.cy / 2), szIcon);
    if (HICON hIcon = CTKFramePaintManagerBase::GetFrameSmallIcon(pSite->GetSafeHwnd()))
      DrawFrameIcon(pDC, pRibbonBar, rcIcon, hIcon);
    CTKResourceImage* pSeparator =
        IsQuickAccessInCaption(pRibbonBar) ? LoadImage("SYSTEMICONSEPARATOR") : nullptr;
    if (pSeparator != nullptr) {
      const CSize sz(pDpi->ScaleX(pSeparator->GetWidth()), pDpi->ScaleY(pSeparator->GetHeight()));
      const CPoint pt(rcIcon.right + pDpi->ScaleX(6), rcIcon.CenterPoint().y - sz.cy / 2);
      DrawSliceTransparent(pDC, pSeparator, CRect(pt, sz), 0, 1, CRect(0, 0, 0, 0));
    }
  }

  CTKRibbonTabContextHeaders* pHeaders = pRibbonBar->GetContextHeaders();
  if (pHeaders != nullptr && pHeaders->GetCount() > 0)
    DrawContextHeaders(pDC, pRibbonBar, pHeaders);

  if (pSite == nullptr) return;
  CString strText;
  pSite->GetWindowText(strText);
  CRect rcText = pRibbonBar->GetCaptionTextRect();
  if (pHook != nullptr && (pSite->GetStyle() & WS_MAXIMIZE) != 0)
    rcText.OffsetRect(0, pHook->CalcFrameBorder().top / 2);
  CTKFramePaintManagerBase* pFrame =
      m_pOwner != nullptr ? dynamic_cast<CTKFramePaintManagerBase*>(m_pOwner->GetFramePaintManager())
                          : nullptr;
  CFont* pOldFont = pFrame != nullptr ? pDC->SelectObject(&pFrame->m_fontFrameCaption) : nullptr;
  pDC->SetBkMode(TRANSPARENT);
  if (bDwm || pFrame == nullptr) {
    const int cx = std::min<int>(pDC->GetTextExtent(strText).cx, rcText.Width());
    DrawCaptionText(pDC,
                    CRect(rcText.CenterPoint().x - cx / 2, rcText.top,
                          rcText.CenterPoint().x - cx / 2 + cx, rcText.bottom),
                    strText, pSite, bActive);
  } else {
    pFrame->DrawCaptionText(pDC, rcText, pSite->GetSafeHwnd(), bActive);
  }
  if (pOldFont != nullptr) pDC->SelectObject(pOldFont);
}

void CTKRibbonThemeResource::DrawQuickAccessCustomizeButton(CDC* pDC, CTKControl* pButton) {
  const int nSlice = !pButton->GetEnabled() ? 4 : QuickAccessSlice(pButton);
  DrawSliceTransparent(pDC, LoadImage("RIBBONQUICKACCESSBUTTON"), pButton->GetRect(), nSlice, 5,
                       CRect(2, 2, 2, 2), pButton->IsOnGlass());
}

void CTKRibbonThemeResource::DrawQuickAccessMoreButton(CDC* pDC, CTKControl* pButton) {
  DrawSliceTransparent(pDC, LoadImage("RIBBONQUICKACCESSMORE"), pButton->GetRect(),
                       QuickAccessSlice(pButton), 4, CRect(2, 2, 2, 2), pButton->IsOnGlass());
}
