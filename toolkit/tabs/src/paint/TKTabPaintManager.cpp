// The paint manager's options, fonts, and the installation of its
// appearance and colour set.
#include "tabs/TKTabPaintManager.h"

#include <algorithm>

#include "TKTabFactory.h"
#include "common/TKColorManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKDrawHelpers.h"
#include "common/TKOSVersionHelper.h"
#include "tabs/TKTabManager.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabPaintManagerColorSet.h"
#include "tabs/TKTabPaintManagerTheme.h"

CRect TKTurnMarginsToPosition(const CRect& m, int nPosition) {
  switch (nPosition) {
    case tkTabPositionLeft: return CRect(m.top, m.left, m.bottom, m.right);
    case tkTabPositionBottom: return CRect(m.left, m.bottom, m.right, m.top);
    case tkTabPositionRight: return CRect(m.bottom, m.left, m.top, m.right);
    default: return m;
  }
}

CTKTabPaintManager::CTKTabPaintManager() {
  SetAppearance(0);
  CTKDpiHelper* pDpi = TKDpiHelper();
  m_rcTextPadding.SetRect(pDpi->ScaleX(6), 0, pDpi->ScaleX(6), 0);
  m_szIcon = CSize(pDpi->ScaleX(16), pDpi->ScaleY(16));
  m_szNavigateButton = CSize(pDpi->ScaleX(12), pDpi->ScaleY(12));
  m_nFixedTabWidth = pDpi->ScaleX(70);
  EnableAutomation();
  RefreshMetrics();
}

CTKTabPaintManager::~CTKTabPaintManager() {
  delete m_pColorSet;
  delete m_pAppearance;
}

CTKTabPaintManagerColorSet* CTKTabPaintManager::SetColor(int nFlag) {
  m_nColor = nFlag;
  return SetColorSet(CreateTabColorSet(nFlag));
}

CTKTabPaintManagerColorSet* CTKTabPaintManager::SetColorSet(CTKTabPaintManagerColorSet* pColorSet) {
  // The installed set given again stays: deleting it first would keep a
  // freed object.
  if (pColorSet != NULL && pColorSet != m_pColorSet) {
    delete m_pColorSet;
    m_pColorSet = pColorSet;
  }
  if (pColorSet != NULL) {
    pColorSet->SetPaintManager(this);
    pColorSet->RefreshMetrics();
  }
  OnPropertyChanged();
  return m_pColorSet;
}

CTKTabPaintManagerTheme* CTKTabPaintManager::SetAppearance(int nAppearance) {
  m_nAppearance = nAppearance;
  return SetAppearanceSet(CreateTabAppearance(nAppearance));
}

CTKTabPaintManagerTheme* CTKTabPaintManager::SetAppearanceSet(CTKTabPaintManagerTheme* pAppearance) {
  if (pAppearance != NULL && pAppearance != m_pAppearance) {
    delete m_pAppearance;
    m_pAppearance = pAppearance;
  }
  if (pAppearance != NULL) {
    pAppearance->SetPaintManager(this);
    pAppearance->RefreshMetrics();
    SetColor(pAppearance->GetDefaultColorSet());
  }
  OnPropertyChanged();
  return m_pAppearance;
}

void CTKTabPaintManager::RefreshMetrics() {
  if (m_bUseIconTitleFont) {
    LOGFONT lf;
    if (GetIconTitleFont(&lf)) SetFontIndirect(&lf, TRUE);
  }
  if (m_pColorSet != NULL) m_pColorSet->RefreshMetrics();
  if (m_pAppearance != NULL) m_pAppearance->RefreshMetrics();
}

void CTKTabPaintManager::SetFontIndirect(const LOGFONT* pLogFont, BOOL bUseIconTitleFont) {
  m_bUseIconTitleFont = bUseIconTitleFont;
  if (pLogFont == NULL) return;
  LOGFONT lf = *pLogFont;
  if (m_bClearType && TKOSVersionHelper()->IsClearTypeTextQualitySupported())
    lf.lfQuality = CLEARTYPE_QUALITY;
  m_fntNormal.DeleteObject();
  m_fntBold.DeleteObject();
  m_fntVertical.DeleteObject();
  m_fntVerticalBold.DeleteObject();

  lf.lfWeight = m_bBoldNormal ? FW_BOLD : FW_NORMAL;
  m_fntNormal.CreateFontIndirect(&lf);
  const LONG nNormalWeight = lf.lfWeight;
  lf.lfWeight = FW_BOLD;
  m_fntBold.CreateFontIndirect(&lf);

  // Vertical captions need a face that turns; the icon-title face may not.
  const CString strFace = GetDefaultFontFaceName();
  lstrcpyn(lf.lfFaceName, strFace, LF_FACESIZE);
  lf.lfOrientation = 900;
  lf.lfEscapement = m_bVerticalTextDownwards ? 2700 : 900;
  if (lf.lfHeight >= -10 && lf.lfHeight <= -1) lf.lfHeight = -11;
  lf.lfWeight = nNormalWeight;
  m_fntVertical.CreateFontIndirect(&lf);
  lf.lfWeight = FW_BOLD;
  m_fntVerticalBold.CreateFontIndirect(&lf);
}

void CTKTabPaintManager::OnPropertyChanged() {
  for (CTKTabManagerAtom* pStrip : m_arrStrips) pStrip->OnPropertyChanged();
}

void CTKTabPaintManager::AttachStrip(CTKTabManagerAtom* pStrip) {
  if (std::find(m_arrStrips.begin(), m_arrStrips.end(), pStrip) == m_arrStrips.end())
    m_arrStrips.push_back(pStrip);
}

void CTKTabPaintManager::DetachStrip(CTKTabManagerAtom* pStrip) {
  m_arrStrips.erase(std::remove(m_arrStrips.begin(), m_arrStrips.end(), pStrip),
                    m_arrStrips.end());
}

void CTKTabPaintManager::SetLayout(int nLayout) {
  m_nLayout = nLayout;
  OnPropertyChanged();
}

void CTKTabPaintManager::SetPosition(int nPosition) {
  m_nPosition = nPosition;
  OnPropertyChanged();
}

BOOL CTKTabPaintManager::AreSchemeColorsDisabled() const {
  return m_bDisableSchemeColors || TKColorManager()->IsSchemeColorsDisabled();
}

COLORREF CTKTabPaintManager::GetAutomaticTabColor(COLORREF clrCode) {
  static const COLORREF kColors[8] = {0xE4A88A, 0x75DBFF, 0x9FCDBD, 0x9F9EF0,
                                      0xE1A6BA, 0xB4BF9A, 0x83B6F7, 0xC0ABD8};
  if (clrCode >= kTKTabAutomaticColor && clrCode < kTKTabAutomaticColor + 8)
    return kColors[clrCode - kTKTabAutomaticColor];
  return clrCode;
}

COLORREF CTKTabPaintManager::NextAutomaticColor() {
  const COLORREF clr = kTKTabAutomaticColor + (m_nAutomaticColor % 8);
  ++m_nAutomaticColor;
  return clr;
}

void CTKTabPaintManager::PaintStrip(CTKTabManager* pStrip, CDC* pDC, CRect rcControl) {
  m_pAppearance->DrawTabControl(pStrip, pDC, rcControl);
}

void CTKTabPaintManager::AdjustClientRect(CTKTabManager* pStrip, CRect& rcClient) {
  if (pStrip->HasControlFrame()) rcClient.DeflateRect(TKTurnMarginsToPosition(CRect(2, 1, 2, 2), m_nPosition));
  if (pStrip->GetItemCount() > 0) m_pAppearance->AdjustClientRect(pStrip, rcClient);
}

void CTKTabPaintManager::LayoutStrip(CTKTabManager* pStrip, CDC* pDC, CRect rcControl) {
  pStrip->SetHeaderRect(CRect());
  pStrip->SetControlRect(rcControl);
  pStrip->SetClientRect(rcControl);
  pStrip->GetRowTable().SetRowCount(1);
  for (int i = 0; i < pStrip->GetItemCount(); ++i) pStrip->GetItem(i)->SetRow(0);
  m_pAppearance->RepositionTabControl(pStrip, pDC, rcControl);
  CRect rcClient = pStrip->GetClientRect();
  AdjustClientRect(pStrip, rcClient);
  pStrip->SetClientRect(rcClient);
}

void CTKTabPaintManager::PaintNavigateButton(CDC* pDC, CTKTabManagerNavigateButton* pButton,
                                             CRect rc) {
  m_pColorSet->DrawNavigateButton(pDC, pButton, rc);
}

void CTKTabPaintManager::PaintFocusRect(CDC* pDC, CTKTabManagerItem*, CRect rc) {
  if (!m_bFocusRect) return;
  pDC->SetBkColor(0xFFFFFF);
  pDC->SetTextColor(0);
  rc.DeflateRect(3, 3);
  pDC->DrawFocusRect(rc);
}
