// CTKPaintManagerBase: construction, the owned paint managers, the observers
// and the indexed colours.
#include "themes/TKPaintManagerBase.h"

#include "commandbars/TKCommandBar.h"
#include "common/TKColorManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKScrollBarThemes.h"
#include "common/TKWinThemeWrapper.h"
#include "themes/TKFramePaintManagerBase.h"
#include "themes/TKControlGalleryThemes.h"
#include "themes/TKMessageBarPaintManager.h"
#include "themes/TKRibbonServices.h"
#include "themes/TKSliderThemes.h"
#include "themes/TKStatusBarPaintManagerBase.h"

CTKPaintManagerBase::CTKPaintManagerBase()
    : m_clrMessageBarText(0),
      m_rcMessageBarMargins(0, 0, 0, 0),
      m_bBoldCheckMark(FALSE),
      m_bShowPopupShadows(TRUE),
      m_bStatusTextFromVisualStyle(FALSE),
      m_bThemedCheckMarks(FALSE),
      m_bClearTypeFonts(FALSE),
      m_bFlatToolBar(FALSE),
      m_bFlatMenuBar(FALSE),
      m_nPopupTextGap(TKDpiHelper()->ScaleX(4)),
      m_bPopupCheckFrames(FALSE),
      m_bAnimateControls(FALSE),
      m_bWideIconTextGap(FALSE),
      m_bIndentPopupLabels(TRUE),
      m_bTwoLineCaptions(TRUE),
      m_nSplitArrowWidth(TKDpiHelper()->ScaleY(11)),
      m_nSplitDropDownHeight((TKDpiHelper()->ScaleY(2) + 10) * 2),
      m_nPopupSplitArrowWidth(TKDpiHelper()->ScaleX(20)),
      m_bAutoScaleIcons(FALSE),
      m_bFontFaceMatched(FALSE),
      m_strFontFace("Tahoma"),
      m_nTextHeight(0),
      m_nControlHeight(0),
      m_nFontHeight(0),
      m_bUseStandardFont(TRUE),
      m_bEmbossedDisabledText(TRUE),
      m_nThemeId(0),
      m_nKeyboardCuesOverride(-1),
      m_nSystemTheme(7),
      m_pStatusTheme(new CTKWinThemeWrapper(TRUE)),
      m_pButtonTheme(new CTKWinThemeWrapper(TRUE)),
      m_pScrollBarPaintManager(new CTKScrollBarThemeWindowsUx),
      m_pMessageBarPaintManager(new CTKMessageBarPaintManager(this)),
      m_pGalleryPaintManager(new CTKControlGalleryTheme(this)),
      m_pStatusBarPaintManager(new CTKStatusBarPaintManagerBase(this)),
      m_pProgressPaintManager(new CTKProgressPaintManager(this)),
      m_pSliderPaintManager(new CTKSliderThemeOffice2007System(this)),
      m_pShadowManager(CTKRefPtr<CTKShadowManager, CTKInternalRefTraits>::Adopt(
          new CTKShadowManager)) {
  m_iconsInfo = TK_ICONS_INFO{FALSE, FALSE, FALSE};
}

CTKPaintManagerBase::~CTKPaintManagerBase() {
  m_pScrollBarPaintManager.reset();
  m_pStatusBarPaintManager.reset();
  m_pMessageBarPaintManager.reset();
  m_pGalleryPaintManager.reset();
  m_pProgressPaintManager.reset();
  m_pSliderPaintManager.reset();
  m_pMarkupFramePaintManager.reset();
  if (m_pRibbonPaintManager != nullptr) TKRibbonServices()->pfnRelease(m_pRibbonPaintManager);
  m_pRibbonPaintManager = nullptr;
  // Open shadows keep the manager alive until they go.
  m_pShadowManager.Reset();
  m_pStatusTheme.reset();
  m_pButtonTheme.reset();
  NotifyDestroyed();
}

void CTKPaintManagerBase::AddObserver(ITKPaintManagerEvents* pObserver) {
  m_observers.push_back(ObserverEntry{pObserver, FALSE});
}

void CTKPaintManagerBase::RemoveObserver(ITKPaintManagerEvents* pObserver) {
  for (size_t i = m_observers.size(); i-- > 0;) {
    if (m_observers[i].pObserver != pObserver) continue;
    if (m_nNotifyDepth > 0)
      m_observers[i].bRemoved = TRUE;
    else
      m_observers.erase(m_observers.begin() + static_cast<ptrdiff_t>(i));
  }
}

void CTKPaintManagerBase::NotifyDestroyed() {
  ++m_nNotifyDepth;
  // An observer may remove itself or another one while it is told.
  for (size_t i = 0; i < m_observers.size(); ++i)
    if (!m_observers[i].bRemoved) m_observers[i].pObserver->OnPaintManagerDestroyed(this);
  if (--m_nNotifyDepth == 0) {
    for (size_t i = m_observers.size(); i-- > 0;)
      if (m_observers[i].bRemoved) m_observers.erase(m_observers.begin() + static_cast<ptrdiff_t>(i));
  }
}

COLORREF CTKPaintManagerBase::GetIndexedColor(int nIndex) {
  if (nIndex > kIndexedColorCount - 1) return static_cast<COLORREF>(nIndex);
  if (nIndex < 0) return static_cast<COLORREF>(-1);
  return m_arrIndexedColors[nIndex];
}

void CTKPaintManagerBase::SetIndexedColors(int nCount, const int* pIndexes,
                                           const COLORREF* pColors) {
  for (int i = 0; i < nCount; ++i) {
    if (pIndexes[i] >= 0 && pIndexes[i] < kIndexedColorCount)
      m_arrIndexedColors[pIndexes[i]].SetStandardValue(pColors[i]);
  }
}

int CTKPaintManagerBase::GetCurrentSystemTheme() const {
  CTKColorManager* pColors = TKColorManager();
  if (m_nSystemTheme == 7)
    return pColors->IsSchemeColorsDisabled() ? 0 : pColors->GetCurrentSystemTheme();
  if (m_nSystemTheme == 6) return pColors->GetDetectedScheme();
  return m_nSystemTheme;
}

void CTKPaintManagerBase::RefreshIndexedColors() {
  RefreshToolkitColors(FALSE);
  CTKColorManager* pColors = TKColorManager();
  for (int i = 0; i < kIndexedColorCount; ++i)
    m_arrIndexedColors[i].SetStandardValue(pColors->GetColor(i));
}

CTKScrollBarPaintManager* CTKPaintManagerBase::GetScrollBarPaintManager() {
  return m_pScrollBarPaintManager.get();
}

void CTKPaintManagerBase::RefreshMetrics() {
  RefreshStandardFonts();
  m_pShadowManager->SetShadowColor(0);
  RefreshIndexedColors();

  CTKDpiHelper* pDpi = TKDpiHelper();
  m_rcMessageBarMargins.SetRect(pDpi->ScaleX(3), pDpi->ScaleY(3), pDpi->ScaleX(3),
                                pDpi->ScaleY(3));
  m_clrMessageBarText = GetIndexedColor(23);
  m_clrFloatingCaptionBack.SetStandardValue(GetIndexedColor(16));
  m_clrFloatingCaptionText.SetStandardValue(GetIndexedColor(20));
  m_grcDisabledIcons.SetStandardValue(GetIndexedColor(15), GetIndexedColor(16), 0.5f);

  m_pStatusTheme->CloseThemeData();
  m_pButtonTheme->CloseThemeData();
  if (m_bThemedCheckMarks) m_pButtonTheme->OpenThemeData(NULL, L"BUTTON");

  if (m_pScrollBarPaintManager) m_pScrollBarPaintManager->RefreshMetrics();
  if (m_pGalleryPaintManager) m_pGalleryPaintManager->RefreshMetrics();
  if (m_pSliderPaintManager) m_pSliderPaintManager->RefreshMetrics();
  if (m_pProgressPaintManager) m_pProgressPaintManager->RefreshMetrics();
  if (m_pMarkupFramePaintManager) m_pMarkupFramePaintManager->RefreshMetrics();
  if (m_pStatusBarPaintManager) m_pStatusBarPaintManager->RefreshMetrics();
  if (m_pMessageBarPaintManager) m_pMessageBarPaintManager->RefreshMetrics();
  if (m_pRibbonPaintManager != nullptr) TKRibbonServices()->pfnRefresh(m_pRibbonPaintManager);
  RefreshStatusTextColor();
}

void CTKPaintManagerBase::RefreshStatusTextColor() {
  if (!m_bStatusTextFromVisualStyle || !m_pStatusBarPaintManager) return;
  m_pStatusTheme->OpenThemeData(NULL, L"STATUS");
  if (!m_pStatusTheme->IsThemeOpen()) return;
  COLORREF clrText = 0;
  // TMT_TEXTCOLOR of the pane part: the text the style draws panes with.
  if (SUCCEEDED(m_pStatusTheme->GetThemeColor(1, 0, 3803, &clrText))) {
    CTKStatusBarPaintManagerBase* pBase =
        dynamic_cast<CTKStatusBarPaintManagerBase*>(m_pStatusBarPaintManager.get());
    if (pBase != nullptr) pBase->m_clrText.SetStandardValue(clrText);
  }
}

CTKStatusBarPaintManager* CTKPaintManagerBase::GetStatusBarPaintManager() {
  return m_pStatusBarPaintManager.get();
}

void CTKPaintManagerBase::SetStatusBarPaintManager(CTKStatusBarPaintManager* pPaintManager) {
  m_pStatusBarPaintManager.reset(pPaintManager);
}

CTKMessageBarPaintManager* CTKPaintManagerBase::GetMessageBarPaintManager() {
  return m_pMessageBarPaintManager.get();
}

CTKControlGalleryPaintManager* CTKPaintManagerBase::GetGalleryPaintManager() {
  return m_pGalleryPaintManager.get();
}

void CTKPaintManagerBase::SetGalleryPaintManager(CTKControlGalleryPaintManager* pPaintManager) {
  m_pGalleryPaintManager.reset(pPaintManager);
}

void CTKPaintManagerBase::SetMessageBarPaintManager(CTKMessageBarPaintManager* pPaintManager) {
  m_pMessageBarPaintManager.reset(pPaintManager);
}

int CTKPaintManagerBase::GetEditHeight() const {
  return GetTextHeight() + TKDpiHelper()->ScaleY(4);
}

void CTKPaintManagerBase::SetFontHeight(int nFontHeight) {
  m_nFontHeight = nFontHeight;
  RefreshMetrics();
}

BOOL CTKPaintManagerBase::IsFlatCommandBar(CTKCommandBar* pBar) const {
  if ((pBar->GetFlags() & 0x80) != 0) return TRUE;
  const int nType = pBar->GetType();
  if (nType == 0) return m_bFlatMenuBar;
  if (nType == 1 || nType == 2) return m_bFlatToolBar;
  return FALSE;
}

void CTKPaintManagerBase::FillWorkspace(CDC* pDC, CRect rc, CRect) {
  pDC->FillSolidRect(rc, GetIndexedColor(12));
}

// Progress bars, sliders and scroll bars -------------------------------------------

CTKProgressPaintManager* CTKPaintManagerBase::GetProgressPaintManager() {
  return m_pProgressPaintManager.get();
}

CTKSliderPaintManager* CTKPaintManagerBase::GetSliderPaintManager() {
  return m_pSliderPaintManager.get();
}

void CTKPaintManagerBase::SetProgressPaintManager(CTKProgressPaintManager* pPaintManager) {
  m_pProgressPaintManager.reset(pPaintManager);
}

void CTKPaintManagerBase::SetSliderPaintManager(CTKSliderPaintManager* pPaintManager) {
  m_pSliderPaintManager.reset(pPaintManager);
}

void CTKPaintManagerBase::SetScrollBarPaintManager(CTKScrollBarPaintManager* pPaintManager) {
  m_pScrollBarPaintManager.reset(pPaintManager);
}
