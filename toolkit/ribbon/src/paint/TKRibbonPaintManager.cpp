// The ribbon paint manager base: metrics from the owning theme, the strip's
// tab paint manager, and the caption text and icon of a frame the ribbon draws.
#include "ribbon/TKRibbonPaintManager.h"

#include "common/TKBitmapFunctions.h"
#include "common/TKDpiHelper.h"
#include "common/TKOSVersionHelper.h"
#include "common/TKWinThemeWrapper.h"
#include "commandbars/TKPopupBar.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonTabTheme.h"
#include "tabs/TKTabPaintManager.h"
#include "themes/TKPaintManagerBase.h"

CTKRibbonPaintManager::CTKRibbonPaintManager(CTKPaintManagerBase* pOwner)
    : m_bHighlightGroups(TRUE),
      m_bFlatFrame(FALSE),
      m_nUnused(1),
      m_clrRecentFileListEdgeShadow(static_cast<COLORREF>(-1)),
      m_clrRecentFileListEdgeHighlight(static_cast<COLORREF>(-1)),
      m_nTabHeight(0),
      m_nGroupSpacing(0),
      m_nGroupCaptionHeight(0),
      m_clrRibbonFace(0),
      m_clrGroupCaptionText(0),
      m_clrRibbonInactiveFace(0),
      m_clrFileButtonText(0),
      m_clrMinimizedFrameEdgeHighlight(0),
      m_clrMinimizedFrameEdgeShadow(0),
      m_pOwner(pOwner),
      m_pTabPaintManager(nullptr),
      m_rcFileButtonMargin(0, 0, 0, 0),
      m_hCachedFrameIcon(NULL),
      m_bCachedIconAlpha(FALSE) {
  // The base's own version on purpose: a subclass is not built yet.
  m_pTabPaintManager = CTKRibbonPaintManager::CreateTabPaintManager();
}

CTKRibbonPaintManager::~CTKRibbonPaintManager() {
  if (m_pTabPaintManager != nullptr) m_pTabPaintManager->InternalRelease();
}

namespace {
/// The owner's regular font, or the default GUI font without an owner.
LOGFONT OwnerRegularLogFont(CTKPaintManagerBase* pOwner) {
  LOGFONT lf = {};
  HGDIOBJ hFont = pOwner != nullptr ? pOwner->m_fontRegular.GetSafeHandle() : NULL;
  if (hFont == NULL) hFont = ::GetStockObject(DEFAULT_GUI_FONT);
  ::GetObject(hFont, sizeof(lf), &lf);
  return lf;
}
}  // namespace

void CTKRibbonPaintManager::RefreshMetrics() {
  LOGFONT lf = OwnerRegularLogFont(m_pOwner);
  m_fontRibbon.SetStandardFont(&lf);

  m_nTabHeight = m_pOwner != nullptr ? m_pOwner->GetEditHeight() : 0;
  m_rcFileButtonMargin.SetRectEmpty();

  CFont fontMeasure;
  fontMeasure.CreateFontIndirect(&lf);
  m_nGroupCaptionHeight = 2 * TKDpiHelper()->ScaleY(1);
  HDC hDC = ::CreateDC("DISPLAY", NULL, NULL, NULL);
  if (hDC != NULL) {
    HGDIOBJ hOld = ::SelectObject(hDC, fontMeasure.GetSafeHandle());
    SIZE sz = {0, 0};
    ::GetTextExtentPoint32(hDC, "#", 1, &sz);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    m_nGroupCaptionHeight += sz.cy;
  } else {
    m_nGroupCaptionHeight += abs(lf.lfHeight);
  }

  if (m_pTabPaintManager != nullptr) {
    m_pTabPaintManager->RefreshMetrics();
    LOGFONT lfRibbon = {};
    m_fontRibbon.GetLogFont(&lfRibbon);
    m_pTabPaintManager->SetFontIndirect(&lfRibbon, TRUE);
  }
}

CTKTabPaintManager* CTKRibbonPaintManager::CreateTabPaintManager() {
  CTKTabPaintManager* pTabPaintManager = new CTKTabPaintManager;
  // The appearance first: installing it also installs its default colour
  // set, which the ribbon's own then replaces.
  pTabPaintManager->SetAppearanceSet(new CTKRibbonTabTheme(this));
  pTabPaintManager->SetLayout(1);
  pTabPaintManager->SetColorSet(new CTKRibbonTabColorSet);

  CTKDpiHelper* pDpi = TKDpiHelper();
  pTabPaintManager->m_bFillBackground = FALSE;
  pTabPaintManager->m_bHotTracking = TRUE;
  pTabPaintManager->m_nClientFrame = 1;
  pTabPaintManager->m_bDrawTextNoPrefix = FALSE;
  pTabPaintManager->m_rcButtonMargin.SetRect(0, pDpi->ScaleY(2), 0, pDpi->ScaleY(2));
  pTabPaintManager->m_rcTextPadding.SetRect(pDpi->ScaleX(4), 0, pDpi->ScaleX(4), 0);
  pTabPaintManager->m_nExtraItemLength = pDpi->ScaleX(21);
  pTabPaintManager->m_bDrawTextEndEllipsis = FALSE;
  pTabPaintManager->m_bFocusRect = FALSE;
  pTabPaintManager->m_nToolTipMode = 2;
  pTabPaintManager->m_bClearType = m_pOwner != nullptr && m_pOwner->m_bClearTypeFonts;
  pTabPaintManager->m_bClipHeader = FALSE;
  pTabPaintManager->RefreshMetrics();
  return pTabPaintManager;
}

int CTKRibbonPaintManager::GetControlHeight() const {
  int nHeight = m_pOwner != nullptr ? m_pOwner->GetControlHeight() : 0;
  return nHeight < 18 ? 18 : nHeight;
}

void CTKRibbonPaintManager::FillRibbonFace(CDC* pDC, CWnd* pWnd) {
  CRect rc;
  pWnd->GetClientRect(&rc);
  pDC->FillSolidRect(rc, m_clrRibbonFace);
}

BOOL CTKRibbonPaintManager::IsCaptionVisible(CTKRibbonBar* pRibbonBar) {
  return pRibbonBar != nullptr && pRibbonBar->IsCaptionVisible();
}

void CTKRibbonPaintManager::DrawGroupPopup(CDC* pDC, CTKRibbonGroup* pGroup) {
  FillGroupPopupToolBar(pDC, pGroup, pGroup->GetParent());
  pGroup->Draw(pDC, pGroup->GetRect());
}

void CTKRibbonPaintManager::DrawCaptionText(CDC* pDC, CRect rcText, const CString& strText,
                                            CWnd* pFrame, BOOL bActive) {
  const BOOL bMaximized = pFrame != nullptr && (pFrame->GetStyle() & WS_MAXIMIZE) != 0;
  const UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
  if (bMaximized && !TKOSVersionHelper()->IsWin7OrGreater()) {
    pDC->SetTextColor(RGB(255, 255, 255));
    pDC->DrawText(strText, rcText, nFormat);
    return;
  }
  CTKWinThemeWrapper theme(FALSE);
  theme.OpenThemeData(pFrame != nullptr ? pFrame->GetSafeHwnd() : NULL, L"WINDOW");
  pDC->SetTextColor(0);
  if (!theme.IsAppThemedAndOpen() || m_pOwner == nullptr) {
    pDC->DrawText(strText, rcText, nFormat);
    return;
  }
  // Text on glass keeps its alpha only when composited.
  (void)bActive;
  m_pOwner->DrawTextComposited(pDC, strText, rcText, nFormat, TRUE);
}

void CTKRibbonPaintManager::DrawFrameIcon(CDC* pDC, CTKRibbonBar* pRibbonBar, CRect rc,
                                          HICON hIcon) {
  if (pRibbonBar != nullptr && pRibbonBar->IsDwmFrameEnabled()) {
    if (hIcon != m_hCachedFrameIcon) {
      m_hCachedFrameIcon = hIcon;
      m_bCachedIconAlpha = IsAlphaIcon(hIcon);
    }
    if (!m_bCachedIconAlpha) {
      DrawIconWithAlpha(pDC, rc.left, rc.top, rc.Width(), rc.Height(), hIcon);
      return;
    }
  }
  ::DrawIconEx(pDC->GetSafeHdc(), rc.left, rc.top, hIcon, rc.Width(), rc.Height(), 0, NULL,
               DI_NORMAL);
}

BOOL CTKRibbonPaintManager::IntersectsRibbonGlassArea(CTKCommandBar* pBar, CRect rc) const {
  if (pBar == nullptr || !pBar->IsRibbonBar()) return FALSE;
  CTKRibbonBar* pRibbonBar = static_cast<CTKRibbonBar*>(pBar);
  if (!pRibbonBar->IsDwmFrameEnabled()) return FALSE;
  CRect rcGlass = pRibbonBar->GetCaptionRect();
  if (m_bFlatFrame) rcGlass.bottom += pRibbonBar->GetTabsHeight();
  CRect rcMeet;
  return rcMeet.IntersectRect(rcGlass, rc);
}

void CTKRibbonPaintManager::DrawSystemButtonOverPopup(CDC* pDC, CTKPopupBar* pPopup,
                                                     const CRect& rcClient) {
  CTKControl* pOpener = pPopup->GetControlPopup();
  CTKCommandBar* pOwnerBar = pOpener != nullptr ? pOpener->GetParent() : nullptr;
  if (pOpener == nullptr || !pOpener->IsKindOf(RUNTIME_CLASS(CTKRibbonControlSystemButton)) ||
      pOwnerBar == nullptr || !pOwnerBar->IsRibbonBar())
    return;
  CTKRibbonBar* pRibbonBar = static_cast<CTKRibbonBar*>(pOwnerBar);
  if (!pRibbonBar->IsCaptionVisible() || pRibbonBar->GetSafeHwnd() == NULL ||
      pPopup->GetSafeHwnd() == NULL)
    return;
  CRect rcButton = pOpener->GetRect();
  pRibbonBar->ClientToScreen(&rcButton);
  pPopup->ScreenToClient(&rcButton);
  CRect rcMeet;
  if (rcMeet.IntersectRect(rcButton, rcClient)) DrawSystemButton(pDC, pOpener, rcButton);
}
