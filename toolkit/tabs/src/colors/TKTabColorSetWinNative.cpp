// Tabs through the visual-style classes "TAB" and "TOOLBAR": a top strip's
// tabs drawn in place, the other positions drawn as top tabs and turned.
#include "tabs/TKTabColorSetWinNative.h"

#include "TKTabTurnedDraw.h"
#include "common/TKColorManager.h"
#include "common/TKWinThemeWrapper.h"
#include "tabs/TKTabManager.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabManagerNavigateButton.h"
#include "tabs/TKTabPaintManager.h"
#include "tabs/TKTabPaintManagerTheme.h"

namespace {

// The published visual-style parts, states and properties used here.
const int kTopTabItem = 5;           // TABP_TOPTABITEM
const int kTopTabItemLeftEdge = 6;   // TABP_TOPTABITEMLEFTEDGE
const int kTopTabItemRightEdge = 7;  // TABP_TOPTABITEMRIGHTEDGE
const int kPane = 9;                 // TABP_PANE
const int kToolbarButton = 1;        // TP_BUTTON
const int kTextColorProperty = 3803; // TMT_TEXTCOLOR
enum { kStateNormal = 1, kStateHot = 2, kStateSelected = 3 };
enum { kButtonPressed = 3, kButtonChecked = 5, kButtonHotChecked = 6 };

COLORREF Sys(int nIndex) { return TKColorManager()->GetColor(nIndex); }

}  // namespace

CColorSetWinNative::CColorSetWinNative()
    : m_pTabTheme(new CTKWinThemeWrapper(TRUE)), m_pToolbarTheme(new CTKWinThemeWrapper(TRUE)) {}

CColorSetWinNative::~CColorSetWinNative() = default;

BOOL CColorSetWinNative::IsAppThemed() const { return m_pTabTheme->IsAppThemedAndOpen(); }

void CColorSetWinNative::RefreshMetrics() {
  CTKTabColorSetDefault::RefreshMetrics();
  m_pTabTheme->OpenThemeData(NULL, L"TAB");
  if (IsAppThemed()) {
    m_clrClassicHighlight = CLR_NONE;
    m_clrClassicShadow = CLR_NONE;
    m_clrClassicDarkShadow = CLR_NONE;
    COLORREF clr = 0;
    if (SUCCEEDED(m_pTabTheme->GetThemeColor(kTopTabItem, kStateNormal, kTextColorProperty, &clr)))
      m_clrText = clr;
    if (SUCCEEDED(m_pTabTheme->GetThemeColor(kTopTabItem, kStateSelected, kTextColorProperty, &clr)))
      m_clrTextSelected = clr;
    m_clrTextHighlighted = m_clrText;
    if (SUCCEEDED(m_pTabTheme->GetThemeColor(kTopTabItem, kStateHot, kTextColorProperty, &clr)))
      m_clrTextHighlighted = clr;
    m_clrTextSelectedHighlighted = m_clrText;
  }
  m_pToolbarTheme->OpenThemeData(NULL, L"TOOLBAR");
}

COLORREF CColorSetWinNative::FillItem(CDC* pDC, CRect rc, const CTKTabManagerItem* pItem) {
  if (!IsAppThemed()) return CTKTabPaintManagerColorSet::FillItem(pDC, rc, pItem);
  const BOOL bSelected = pItem->IsSelected();
  const int nLast = pItem->GetManager()->GetItemCount() - 1;
  const int nPart = pItem->GetIndex() == 0                      ? kTopTabItemLeftEdge
                    : pItem->GetIndex() == nLast && !bSelected ? kTopTabItemRightEdge
                                                               : kTopTabItem;
  const int nState = bSelected ? kStateSelected : pItem->IsHighlighted() ? kStateHot : kStateNormal;
  const int nPosition = GetStripPosition();
  if (bSelected) {
    if (nPosition == tkTabPositionTop) rc.bottom += 2;
    if (nPosition == tkTabPositionLeft) rc.right += 1;
  }
  switch (nPosition) {
    case tkTabPositionTop: InflateRectByPosition(rc, 1, 1, 1, 0, nPosition); break;
    case tkTabPositionLeft: rc.InflateRect(1, 1, 0, 1); break;
    case tkTabPositionBottom: rc.InflateRect(1, 0, 1, 2); break;
    case tkTabPositionRight: rc.InflateRect(0, 1, 2, 1); break;
    default: break;
  }
  if (nPosition == tkTabPositionTop) {
    m_pTabTheme->DrawThemeBackground(pDC->GetSafeHdc(), nPart, nState, rc, NULL);
  } else {
    CTKWinThemeWrapper* pTheme = m_pTabTheme.get();
    TKTabDrawTurned(pDC, rc, nPosition, FALSE, Sys(COLOR_BTNFACE), [&](CDC* pTopDC, CRect rcTop) {
      pTheme->DrawThemeBackground(pTopDC->GetSafeHdc(), nPart, nState, rcTop, NULL);
    });
  }
  return CLR_NONE;
}

COLORREF CColorSetWinNative::FillClient(CDC* pDC, CRect rc, CTKTabManager* pStrip) {
  if (!IsAppThemed()) return CTKTabPaintManagerColorSet::FillClient(pDC, rc, pStrip);
  const int nPosition = pStrip->GetPosition();
  if (nPosition == tkTabPositionBottom) rc.bottom += 1;
  if (nPosition == tkTabPositionRight) rc.right += 1;
  m_pTabTheme->DrawThemeBackground(pDC->GetSafeHdc(), kPane, 0, rc, NULL);
  return 0;
}

void CColorSetWinNative::AdjustHeaderClip(CDC* pDC, CRect rc, CTKTabManager* pStrip) {
  if (!IsAppThemed()) return;
  const CRect rcClient = m_pPaintManager->GetAppearanceSet()->GetClientRect(rc, pStrip);
  CPoint pt = rcClient.TopLeft();
  if (pStrip->GetPosition() == tkTabPositionBottom) pt.y = rcClient.bottom - 2;
  if (pStrip->GetPosition() == tkTabPositionRight) pt.x = rcClient.right - 2;
  pDC->ExcludeClipRect(pt.x, pt.y, pt.x + 1, pt.y + 1);
}

void CColorSetWinNative::FillStateButton(CDC* pDC, CRect rc, const CTKTabManagerItem* pItem) {
  if (m_pToolbarTheme->IsAppThemedAndOpen() && pItem->IsSelected()) {
    const int nState = pItem->IsHighlighted() ? kButtonHotChecked : kButtonChecked;
    m_pToolbarTheme->DrawThemeBackground(pDC->GetSafeHdc(), kToolbarButton, nState, rc, NULL);
    return;
  }
  CTKTabPaintManagerColorSet::FillStateButton(pDC, rc, pItem);
}

void CColorSetWinNative::DrawNavigateButton(CDC* pDC, CTKTabManagerNavigateButton* pButton,
                                            CRect rc) {
  if (!m_pToolbarTheme->IsAppThemedAndOpen()) {
    CTKTabColorSetDefault::DrawNavigateButton(pDC, pButton, rc);
    return;
  }
  if (pButton->IsEnabled()) {
    const int nState = pButton->IsPressed() ? kButtonPressed
                       : pButton->IsHighlighted() ? kStateHot : kStateNormal;
    m_pToolbarTheme->DrawThemeBackground(pDC->GetSafeHdc(), kToolbarButton, nState, rc, NULL);
  }
  pDC->SetTextColor(Sys(COLOR_BTNTEXT));
  pButton->Draw(pDC, rc, m_clrGlyph, pButton->IsEnabled());
}
