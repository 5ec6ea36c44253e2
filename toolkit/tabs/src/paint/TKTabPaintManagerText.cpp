// A tab's content: measured for layout, drawn for painting: close buttons,
// icon, caption (plain, shortened, or markup) and focus rectangle.
#include <algorithm>

#include "common/TKDCHelpers.h"
#include "common/TKDrawHelpers.h"
#include "markup/TKMarkupFlat.h"
#include "tabs/TKTabManager.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabPaintManager.h"
#include "tabs/TKTabPaintManagerColorSet.h"
#include "tabs/TKTabPaintManagerTheme.h"

BOOL CTKTabPaintManager::IsVerticalText(const CTKTabManager* pStrip) const {
  return !pStrip->IsHorizontal() != (m_nLayout == tkTabLayoutRotated);
}

int CTKTabPaintManager::ClampItemLength(int nLength) const {
  nLength += m_rcButtonMargin.left + m_rcButtonMargin.right;
  if (m_nMinTabWidth > 0) nLength = std::max(nLength, m_nMinTabWidth);
  if (m_nMaxTabWidth > 0) nLength = std::min(nLength, m_nMaxTabWidth);
  return nLength;
}

namespace {

int MeasureCaption(CDC* pDC, CTKTabPaintManagerTheme* pAppearance, CTKTabManagerItem* pItem,
                   const CString& strCaption, UINT nFormat) {
  if (CTKMarkupUIElement* pMarkup = pItem->GetMarkupCaption())
    return MeasureMarkupElement(pMarkup, INT_MAX, INT_MAX).cx;
  CRect rcText(0, 0, 0, 0);
  pAppearance->DrawText(pDC, pItem, strCaption, &rcText,
                        DT_SINGLELINE | DT_NOCLIP | DT_CALCRECT | nFormat);
  return rcText.Width();
}

/// Vertical captions are drawn as text along a turned baseline, clipped to
/// the tab.
void DrawVerticalCaption(CDC* pDC, const CString& strCaption, CRect rc, BOOL bDownwards) {
  TEXTMETRIC tm = {};
  pDC->GetTextMetrics(&tm);
  const int nAcross = (rc.Width() - tm.tmHeight) / 2;
  const CPoint pt = bDownwards ? CPoint(rc.right - nAcross, rc.top) : CPoint(rc.left + nAcross, rc.bottom);
  const UINT nAlign = pDC->SetTextAlign(TA_LEFT | TA_TOP);
  pDC->ExtTextOut(pt.x, pt.y, ETO_CLIPPED, rc, strCaption, strCaption.GetLength(), NULL);
  pDC->SetTextAlign(nAlign);
}

}  // namespace

int CTKTabPaintManager::DrawItemText(CDC* pDC, CTKTabManagerItem* pItem, CRect rcItem, BOOL bDraw) {
  CTKTabManager* pStrip = pItem->GetManager();
  const BOOL bVertical = IsVerticalText(pStrip);
  const BOOL bBold = m_bBoldSelected && pItem->IsSelected() && pStrip->IsActive();
  CTKFontDC font(pDC, bBold ? GetBoldFont(bVertical) : GetFont(bVertical));

  CSize szIcon = m_szIcon;
  const BOOL bIcon = m_bShowIcons && pStrip->DrawIcon(NULL, CPoint(), pItem, FALSE, szIcon);
  const int nIconExtent = bIcon ? (bVertical ? szIcon.cy : szIcon.cx) : 0;
  const BOOL bHorizontalStrip = pStrip->IsHorizontal();
  CString strCaption = pItem->GetCaption();
  if (m_bStripMnemonics) strCaption = StripAmpersands(strCaption);
  const UINT nPrefix = (m_bDrawTextNoPrefix || m_bStripMnemonics) ? DT_NOPREFIX : 0;

  CTKTabManagerNavigateButtons& buttons = pItem->GetNavigateButtons();
  if (!bDraw) {
    int nButtons = 0;
    for (int i = 0; i < buttons.GetSize(); ++i) {
      if (!pStrip->IsNavigateButtonVisible(buttons[i])) continue;
      const CSize sz = buttons[i]->GetSize();
      nButtons += bHorizontalStrip ? sz.cx : sz.cy;
    }
    if (nButtons > 0) nButtons += 3;
    const int nPadding = m_rcTextPadding.left + m_rcTextPadding.right;
    if (m_nLayout == tkTabLayoutFixed) return ClampItemLength(m_nFixedTabWidth);
    if (m_nLayout == tkTabLayoutCompressed) {
      if (!pItem->IsSelected()) return ClampItemLength((bVertical ? szIcon.cy : szIcon.cx) + 8);
      int nWidest = 0;
      for (int i = 0; i < pStrip->GetItemCount(); ++i) {
        CTKTabManagerItem* pOther = pStrip->GetItem(i);
        nWidest = std::max(nWidest, MeasureCaption(pDC, m_pAppearance, pOther,
                                                   pOther->GetCaption(), nPrefix));
      }
      return ClampItemLength(nPadding + nIconExtent + nWidest + nButtons);
    }
    return ClampItemLength(MeasureCaption(pDC, m_pAppearance, pItem, strCaption, nPrefix) +
                           nPadding + nIconExtent + nButtons);
  }

  CRect rcContent = rcItem;
  CRect rcInner = rcItem;
  rcInner.DeflateRect(m_rcButtonMargin);
  LONG& nFarEnd = bHorizontalStrip ? rcContent.right : rcContent.bottom;
  // The gap before the close buttons is only there with buttons, as the
  // measure counts it: always taking it would cut every caption by 3 pixels.
  BOOL bGap = FALSE;
  for (int i = 0; i < buttons.GetSize(); ++i) {
    CTKTabManagerNavigateButton* pButton = buttons[i];
    if (!pStrip->IsNavigateButtonVisible(pButton)) continue;
    if (!bGap) nFarEnd -= 3;
    bGap = TRUE;
    const CSize sz = pButton->GetSize();
    CRect rcButton;
    if (bHorizontalStrip) {
      const int y = rcInner.top + (rcInner.Height() - sz.cy) / 2;
      rcButton.SetRect(nFarEnd - sz.cx, y, nFarEnd, y + sz.cy);
      nFarEnd -= sz.cx;
    } else {
      const int x = rcInner.left + (rcInner.Width() - sz.cx) / 2;
      rcButton.SetRect(x, nFarEnd - sz.cy, x + sz.cx, nFarEnd);
      nFarEnd -= sz.cy;
    }
    pButton->SetRect(rcButton);
    pButton->Paint(pDC);
  }
  const int nSurplus = pItem->GetLength() - pItem->GetMeasuredLength();
  if (nSurplus > 0 && m_nLayout != tkTabLayoutRotated) {
    if (bHorizontalStrip)
      rcContent.DeflateRect(nSurplus / 2, 0);
    else
      rcContent.DeflateRect(0, nSurplus / 2);
  }

  // After the tab's buttons: their drawing sets a glyph colour of its own.
  m_pColorSet->SetTextColor(pDC, pItem);
  CRect rcText = rcContent;
  if (!bVertical) {
    rcText.left += m_rcTextPadding.left + m_rcButtonMargin.left;
    if (bIcon && rcText.Width() >= szIcon.cx) {
      const int y = rcItem.top + (rcItem.Height() - szIcon.cy) / 2;
      CSize szDraw = szIcon;
      pStrip->DrawIcon(pDC, CPoint(rcText.left, y), pItem, TRUE, szDraw);
      rcText.left += szIcon.cx + 2;
    }
    rcText.right -= m_rcButtonMargin.right + m_rcTextPadding.right - (bIcon ? 2 : 0);
    if (rcText.right <= rcText.left) return 0;
  } else {
    rcText.top += m_rcTextPadding.left + m_rcButtonMargin.top;
    if (bIcon && rcText.Height() >= szIcon.cy) {
      const int x = rcItem.left + (rcItem.Width() - szIcon.cx) / 2;
      CSize szDraw = szIcon;
      if (m_bVerticalTextDownwards) {
        pStrip->DrawIcon(pDC, CPoint(x, rcText.top), pItem, TRUE, szDraw);
        rcText.top += szIcon.cy + 2;
      } else {
        pStrip->DrawIcon(pDC, CPoint(x, rcText.bottom - szIcon.cy), pItem, TRUE, szDraw);
        rcText.bottom -= szIcon.cy + 2;
      }
    }
    rcText.bottom -= m_rcButtonMargin.bottom + std::max(0L, m_rcTextPadding.right - 4);
    if (rcText.Height() <= 8) return 0;
  }

  if (CTKMarkupUIElement* pMarkup = pItem->GetMarkupCaption()) {
    CRect rcMarkup = rcText;
    if (m_nDrawTextFormat & DT_VCENTER) {
      const SIZE sz = MeasureMarkupElement(pMarkup, rcText.Width(), rcText.Height());
      rcMarkup.top += (rcText.Height() - sz.cy) / 2;
      rcMarkup.bottom = rcMarkup.top + sz.cy;
    }
    SetMarkupContextFont(pStrip->GetMarkupContext(), *pDC->GetCurrentFont(), pDC->GetTextColor());
    RenderMarkupElement(pMarkup, pDC->GetSafeHdc(), rcMarkup);
  } else if (bVertical) {
    DrawVerticalCaption(pDC, strCaption, rcText, m_bVerticalTextDownwards);
  } else if (m_bDrawTextMiddleEllipsis) {
    DrawTextMiddleEllipsis(pDC, pItem, strCaption, rcText, DT_SINGLELINE | m_nDrawTextFormat | nPrefix);
  } else {
    m_pAppearance->DrawText(pDC, pItem, strCaption, &rcText,
                            DT_SINGLELINE | m_nDrawTextFormat | nPrefix |
                                (m_bDrawTextEndEllipsis ? DT_END_ELLIPSIS : 0));
  }
  if (pItem->IsSelected() && pStrip->IsFocusVisible()) PaintFocusRect(pDC, pItem, rcItem);
  return 0;
}

void CTKTabPaintManager::DrawTextMiddleEllipsis(CDC* pDC, CTKTabManagerItem* pItem,
                                                const CString& strCaption, CRect rc, UINT nFormat) {
  if (strCaption.Find('\\') >= 0) {
    m_pAppearance->DrawText(pDC, pItem, strCaption, &rc, nFormat | DT_PATH_ELLIPSIS);
    return;
  }
  const int nRoom = rc.Width();
  const int nWidth = pDC->GetTextExtent(strCaption).cx;
  if (nWidth <= nRoom) {
    m_pAppearance->DrawText(pDC, pItem, strCaption, &rc, nFormat);
    return;
  }
  const CString strDots("...");
  const int nDots = pDC->GetTextExtent(strDots).cx;
  if (nDots >= nRoom) {
    m_pAppearance->DrawText(pDC, pItem, strDots, &rc, nFormat);
    return;
  }
  const int nLength = strCaption.GetLength();
  int nKeep = nWidth > 0 ? (nRoom - nDots) * nLength / nWidth : 0;
  auto compose = [&](int nKept) {
    const int nRight = nKept / 2;
    return strCaption.Left(nKept - nRight) + strDots + strCaption.Right(nRight);
  };
  while (nKeep < nLength - 1 && pDC->GetTextExtent(compose(nKeep + 1)).cx <= nRoom) ++nKeep;
  while (nKeep > 0 && pDC->GetTextExtent(compose(nKeep)).cx > nRoom) --nKeep;
  m_pAppearance->DrawText(pDC, pItem, compose(nKeep), &rc, nFormat);
}
