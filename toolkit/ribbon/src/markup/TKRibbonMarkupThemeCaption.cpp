// CTKRibbonMarkupTheme: tabs, context headers, the bar and its caption, the
// quick-access buttons, the system button and the pop-ups.
#include <algorithm>

#include "commandbars/TKCommandBarsFrameHook.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKColorManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKGlyphFont.h"
#include "common/TKImageManagerIcon.h"
#include "common/TKImageManagerIconHandle.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonMarkupTheme.h"
#include "ribbon/TKRibbonTab.h"
#include "tabs/TKTabPaintManager.h"
#include "tabs/TKTabPaintManagerColorSet.h"
#include "tabs/TKTabPaintManagerTheme.h"
#include "themes/TKFramePaintManagerBase.h"
#include "themes/TKPaintManagerBase.h"

namespace {

int ScaleX(int n) { return TKDpiHelper()->ScaleX(n); }
int ScaleY(int n) { return TKDpiHelper()->ScaleY(n); }

CTKFramePaintManagerBase* FrameOf(CTKPaintManagerBase* pOwner) {
  return pOwner != nullptr ? dynamic_cast<CTKFramePaintManagerBase*>(pOwner->GetFramePaintManager())
                           : nullptr;
}

CTKRibbonBar* RibbonOf(CTKControl* pControl) {
  CTKCommandBar* pBar = pControl != nullptr ? pControl->GetParent() : nullptr;
  return pBar != nullptr && pBar->IsRibbonBar() ? static_cast<CTKRibbonBar*>(pBar) : nullptr;
}

}  // namespace

// Tabs and headers ---------------------------------------------------------------------

int CTKRibbonMarkupTheme::GetRibbonTabPartIndex(CTKTabManagerItem* pItem) {
  CTKRibbonTab* pTab = dynamic_cast<CTKRibbonTab*>(pItem);
  const int nColor = pTab != nullptr ? pTab->GetContextColor() : 0;
  CTKRibbonControlTab* pStrip = dynamic_cast<CTKRibbonControlTab*>(pItem->GetManager());
  CTKRibbonBar* pRibbonBar = pTab != nullptr ? pTab->GetRibbonBar() : nullptr;
  const BOOL bHot = pItem->IsHighlighted();
  if (!pItem->IsSelected()) return bHot ? partTabHighlighted : -1;
  if (pRibbonBar != nullptr && pRibbonBar->IsRibbonMinimized()) {
    if (pStrip != nullptr && pStrip->IsPopupTracking())
      return GetColoredTabPartIndex(partTabSelected, nColor);
    const BOOL bStripFocused =
        pStrip != nullptr && pStrip->GetSelected() != 0 && pStrip->IsFocusVisible();
    return bStripFocused || bHot ? partTabHighlighted : -1;
  }
  if (pStrip != nullptr && pStrip->IsFocusVisible())
    return GetColoredTabPartIndex(partTabSelectedFocused, nColor);
  return GetColoredTabPartIndex(bHot ? partTabSelectedHighlighted : partTabSelected, nColor);
}

void CTKRibbonMarkupTheme::DrawRibbonTab(CDC* pDC, CTKTabManagerItem* pItem) {
  const int nPart = GetRibbonTabPartIndex(pItem);
  if (nPart < 0) return;
  CRect rc = pItem->GetRect();
  CTKTabManager* pManager = pItem->GetManager();
  InflateRectByPosition(rc, 0, ScaleY(1), 0, -ScaleY(1),
                        pManager != nullptr ? pManager->GetPosition() : 0);
  m_parts[nPart].Render(pDC, rc);
}

void CTKRibbonMarkupTheme::DrawContextHeaders(CDC* pDC, CTKRibbonBar* pRibbonBar,
                                              CTKRibbonTabContextHeaders* pHeaders) {
  if (pHeaders == nullptr || m_pTabPaintManager == nullptr) return;
  CFont* pOldFont = pDC->SelectObject(m_pTabPaintManager->GetFont(FALSE));
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(m_pTabPaintManager->GetColorSet()->m_clrText);
  CTKCommandBarsFrameHook* pHook = pRibbonBar != nullptr ? pRibbonBar->GetFrameHook() : nullptr;
  const int nTopBorder = pHook != nullptr ? pHook->CalcFrameBorder().top : 0;
  const BOOL bDwm = pRibbonBar != nullptr && pRibbonBar->IsDwmFrameEnabled();
  for (int i = 0; i < pHeaders->GetCount(); ++i) {
    CTKRibbonTabContextHeader* pHeader = pHeaders->GetAt(i);
    CRect rc = pHeader->m_rcHeader;
    const int nPart = GetContextTabPartIndex(pHeader->m_nColor);
    if (nPart >= 0) m_parts[nPart].Render(pDC, rc);
    rc.top += nTopBorder - ScaleY(2);
    if (bDwm) {
      const int cx = std::min<int>(pDC->GetTextExtent(pHeader->m_strCaption).cx,
                                   rc.Width() - ScaleX(10));
      const CRect rcText(rc.CenterPoint().x - cx / 2, rc.top, rc.CenterPoint().x - cx / 2 + cx,
                         rc.bottom);
      DrawCaptionText(pDC, rcText, pHeader->m_strCaption, pRibbonBar->GetSite(),
                      pHook == nullptr || pHook->IsActive());
    } else {
      pDC->DrawText(pHeader->m_strCaption, rc,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
  }
  pDC->SelectObject(pOldFont);
}

// The bar and its caption --------------------------------------------------------------

void CTKRibbonMarkupTheme::FillRibbonBar(CDC* pDC, CTKRibbonBar* pRibbonBar) {
  CRect rc;
  pRibbonBar->GetClientRect(&rc);
  if (pRibbonBar->IsFrameThemeEnabled()) {
    CTKCommandBarsFrameHook* pHook = pRibbonBar->GetFrameHook();
    if (pHook != nullptr && pHook->IsDwmEnabled()) rc.top += pHook->CalcFrameBorder().top;
    rc.top += GetCaptionHeight(pRibbonBar);
  }
  pDC->FillSolidRect(rc, m_clrRibbonFace);
  const BOOL bBelow = pRibbonBar->IsQuickAccessBelowRibbon();
  if (bBelow) {
    CTKScopedBrush brush(::CreateSolidBrush(::GetSysColor(COLOR_BTNSHADOW)));
    CRect rcQuickAccess = pRibbonBar->GetQuickAccessRect();
    ::FrameRect(pDC->GetSafeHdc(), &rcQuickAccess, brush.Get());
  }
  if (!pRibbonBar->IsGroupsVisible() && !bBelow && m_pOwner != nullptr) {
    m_pOwner->DrawHorizontalLine(pDC, rc.left, rc.bottom - ScaleY(2), rc.right,
                                 m_clrMinimizedFrameEdgeShadow);
    m_pOwner->DrawHorizontalLine(pDC, rc.left, rc.bottom - ScaleY(1), rc.right,
                                 m_clrMinimizedFrameEdgeHighlight);
  }
}

void CTKRibbonMarkupTheme::DrawQuickAccessArea(CDC*, CTKRibbonBar*) {}

void CTKRibbonMarkupTheme::DrawCaptionParts(CDC* pDC, CTKRibbonBar* pRibbonBar) {
  DrawQuickAccessArea(pDC, pRibbonBar);
  CTKRibbonTabContextHeaders* pHeaders = pRibbonBar->GetContextHeaders();
  if (pHeaders != nullptr && pHeaders->GetCount() > 0)
    DrawContextHeaders(pDC, pRibbonBar, pHeaders);
}

void CTKRibbonMarkupTheme::DrawCaptionBackground(CDC* pDC, CTKRibbonBar* pRibbonBar,
                                                 BOOL bActive) {
  if (!pRibbonBar->IsDwmFrameEnabled()) {
    CRect rc = pRibbonBar->GetCaptionRect();
    rc.top -= 1;
    m_parts[bActive ? partCaptionActive : partCaptionInactive].Render(pDC, rc);
  }
  DrawCaptionParts(pDC, pRibbonBar);
}

void CTKRibbonMarkupTheme::DrawFrameCaption(CDC* pDC, CTKRibbonBar* pRibbonBar, BOOL bActive) {
  const BOOL bDwm = pRibbonBar->IsDwmFrameEnabled();
  const CRect rcCaption = pRibbonBar->GetCaptionRect();
  if (!bDwm) m_parts[bActive ? partCaptionActive : partCaptionInactive].Render(pDC, rcCaption);

  CTKCommandBarsFrameHook* pHook = pRibbonBar->GetFrameHook();
  CWnd* pSite = pRibbonBar->GetSite();
  CTKRibbonControlSystemButton* pSystem =
      DYNAMIC_DOWNCAST(CTKRibbonControlSystemButton, pRibbonBar->GetSystemButton());
  const BOOL bIcon = pRibbonBar->GetSystemButton() == nullptr ||
                     (pSystem != nullptr && pSystem->GetStyle() == 1);
  if (bIcon && pHook != nullptr && pSite != nullptr) {
    const CSize szIcon(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON));
    const CPoint pt(pHook->CalcFrameBorder().left + ScaleX(1),
                    rcCaption.CenterPoint().y - szIcon.cy / 2);
    if (HICON hIcon = CTKFramePaintManagerBase::GetFrameSmallIcon(pSite->GetSafeHwnd()))
      DrawFrameIcon(pDC, pRibbonBar, CRect(pt, szIcon), hIcon);
  }
  DrawCaptionParts(pDC, pRibbonBar);

  if (pSite == nullptr) return;
  CString strText;
  pSite->GetWindowText(strText);
  CRect rcText = pRibbonBar->GetCaptionTextRect();
  if (pHook != nullptr && (pSite->GetStyle() & WS_MAXIMIZE) != 0)
    rcText.top += pHook->CalcFrameBorder().top / 2;
  CTKFramePaintManagerBase* pFrame = FrameOf(m_pOwner);
  CFont* pOldFont = pFrame != nullptr ? pDC->SelectObject(&pFrame->m_fontFrameCaption) : nullptr;
  pDC->SetBkMode(TRANSPARENT);
  if (bDwm || pFrame == nullptr)
    DrawCaptionText(pDC, rcText, strText, pSite, bActive);
  else
    pFrame->DrawCaptionText(pDC, rcText, pSite->GetSafeHwnd(), bActive);
  if (pOldFont != nullptr) pDC->SelectObject(pOldFont);
}

// Quick-access buttons -------------------------------------------------------------------

void CTKRibbonMarkupTheme::DrawQuickAccessCustomizeButton(CDC* pDC, CTKControl* pButton) {
  const CRect rc = pButton->GetRect();
  if (m_pOwner != nullptr)
    m_pOwner->DrawRectangle(pDC, rc, pButton->GetSelected(), pButton->GetPressed(),
                            pButton->GetEnabled(), FALSE, pButton->IsPopupOpen(), tkBarTypeNormal,
                            tkBarTop);
  CRect rcGlyph = rc;
  rcGlyph.DeflateRect(ScaleX(1), ScaleY(1));
  CRect rcShadow = rcGlyph;
  rcShadow.OffsetRect(0, ScaleY(1));
  TKGlyphFont()->DrawGlyph(pDC, 0x43, rcShadow, ::GetSysColor(COLOR_BTNHIGHLIGHT));
  TKGlyphFont()->DrawGlyph(pDC, 0x43, rcGlyph, ::GetSysColor(COLOR_BTNTEXT));
}

void CTKRibbonMarkupTheme::DrawQuickAccessMoreButton(CDC* pDC, CTKControl* pButton) {
  const CRect rc = pButton->GetRect();
  if (m_pOwner != nullptr)
    m_pOwner->DrawRectangle(pDC, rc, pButton->GetSelected(), pButton->GetPressed(),
                            pButton->GetEnabled(), FALSE, pButton->IsPopupOpen(), tkBarTypeNormal,
                            tkBarTop);
  TKGlyphFont()->DrawGlyph(pDC, 0x39, rc, ::GetSysColor(COLOR_BTNHIGHLIGHT));
  CRect rcGlyph = rc;
  rcGlyph.DeflateRect(ScaleX(2), ScaleY(2));
  TKGlyphFont()->DrawGlyph(pDC, 0x39, rcGlyph, ::GetSysColor(COLOR_BTNTEXT));
}

// The system button and the pop-ups ---------------------------------------------------------

void CTKRibbonMarkupTheme::DrawSystemButton(CDC* pDC, CTKControl* pButton, CRect rc) {
  CTKRibbonBar* pRibbonBar = RibbonOf(pButton);
  if (pRibbonBar == nullptr || !IsCaptionVisible(pRibbonBar) || !pRibbonBar->IsTabsVisible()) {
    if (m_pOwner != nullptr) m_pOwner->DrawControlToolBarParent(pDC, pButton, TRUE);
    return;
  }
  const BOOL bOpen = pButton->IsPopupOpen(), bSelected = pButton->GetSelected() != 0;
  if (rc.top < 0) rc.OffsetRect(0, -rc.top);
  if (pButton->GetStyle() == 1) {
    CTKRibbonMarkupThemePartSystemMenu* pPart =
        GetSystemMenuPart(bOpen ? systemMenuPopuped : bSelected ? systemMenuSelected : systemMenuNormal);
    if (pPart == nullptr) return;
    CString strCaption = pButton->GetCaption();
    strCaption.Remove('&');
    pPart->SetCaption(strCaption);
    pPart->Render(pDC, rc);
    return;
  }
  const CSize szRound(ScaleX(46), ScaleY(45));
  const CRect rcRound(CPoint(rc.CenterPoint().x - szRound.cx / 2,
                             rc.CenterPoint().y - szRound.cy / 2), szRound);
  m_parts[bOpen ? partSystemButtonPopuped : bSelected ? partSystemButtonSelected
                                                       : partSystemButtonNormal]
      .Render(pDC, rcRound);
  CRect rcIcon = rcRound;
  rcIcon.bottom += ScaleY(1);
  if (CTKImageManagerIcon* pIcon = pButton->GetImage(32)) {
    const CSize sz(ScaleX(pIcon->GetExtent().cx), ScaleY(pIcon->GetExtent().cy));
    CTKImageManagerIconHandle& image = pIcon->GetImageForState(
        bOpen ? TK_IMAGESTATE_PRESSED : bSelected ? TK_IMAGESTATE_HOT : TK_IMAGESTATE_NORMAL);
    pIcon->Draw(pDC, CPoint(rcIcon.CenterPoint().x - sz.cx / 2, rcIcon.CenterPoint().y - sz.cy / 2),
                image, sz.cx, sz.cy);
    return;
  }
  CWnd* pSite = pRibbonBar->GetSite();
  if (HICON hIcon = pSite != nullptr ? CTKFramePaintManagerBase::GetFrameIcon(pSite->GetSafeHwnd())
                                     : nullptr)
    ::DrawIconEx(pDC->GetSafeHdc(), (rcRound.left + rcRound.right - 33) / 2,
                 (rcRound.top + rcRound.bottom - 31) / 2, hIcon, 32, 32, 0, NULL, DI_NORMAL);
}

void CTKRibbonMarkupTheme::FillPopupBarFrame(CDC* pDC, CTKPopupBar* pPopup) {
  CRect rc;
  pPopup->GetClientRect(&rc);
  pDC->FillSolidRect(rc, m_clrRibbonFace);
  CTKScopedBrush brush(::CreateSolidBrush(TKColorManager()->GetColor(16)));
  ::FrameRect(pDC->GetSafeHdc(), &rc, brush.Get());
}

void CTKRibbonMarkupTheme::FillSystemPopupBar(CDC* pDC, CTKPopupBar* pPopup) {
  CRect rc;
  pPopup->GetClientRect(&rc);
  m_parts[partSystemPopupEntry].Render(pDC, rc);

  DrawSystemButtonOverPopup(pDC, pPopup, rc);
  CTKControls* pControls = pPopup->GetControls();
  for (int i = 0; pControls != nullptr && i < pControls->GetCount(); ++i) {
    CTKControl* pControl = pControls->GetAt(i);
    if (!pControl->GetWrap()) continue;
    pDC->FillSolidRect(pControl->GetRowRect(), TKColorManager()->GetColor(30));
    break;
  }
}

void CTKRibbonMarkupTheme::DrawSystemPopupBarButton(CDC* pDC, CTKControl* pButton) {
  m_parts[pButton->GetSelected() ? partSystemPopupButtonSelected : partSystemPopupButtonNormal]
      .Render(pDC, pButton->GetRect());
  if (m_pOwner != nullptr) m_pOwner->DrawControlToolBarParent(pDC, pButton, TRUE);
}
