// The header looks: Office XP, Office 2003, Explorer and the resource theme.
#include "common/TKDpiHelper.h"
#include "common/TKDrawHelpers.h"
#include "common/TKHeaderCtrl.h"
#include "common/TKHeaderCtrlTheme.h"
#include "common/TKResourceImages.h"
#include "common/TKScopedHandle.h"

namespace {

CDC* DCOf(LPDRAWITEMSTRUCT lpDIS) { return CDC::FromHandle(lpDIS->hDC); }

}  // namespace

// Office XP ------------------------------------------------------------------------

CTKHeaderCtrlThemeOfficeXP::CTKHeaderCtrlThemeOfficeXP() {
  m_nThemeId = 4;
  m_dwDrawStyle = TK_HEADER_STYLE_SORTARROW;
}

void CTKHeaderCtrlThemeOfficeXP::DrawBackground(LPDRAWITEMSTRUCT lpDIS) {
  CDC* pDC = DCOf(lpDIS);
  CRect rc(lpDIS->rcItem);
  pDC->FillSolidRect(rc, m_clrFace);
  rc.right += 2;
  pDC->Draw3dRect(rc, m_clrHighlight, m_clrShadow);
}

void CTKHeaderCtrlThemeOfficeXP::DrawItemBackground(LPDRAWITEMSTRUCT lpDIS) {
  CDC* pDC = DCOf(lpDIS);
  const RECT& rc = lpDIS->rcItem;
  DrawLine(pDC, rc.right - 2, 2, rc.right - 2, rc.bottom - 2, m_clrShadow);
  DrawLine(pDC, rc.right - 1, 2, rc.right - 1, rc.bottom - 2, m_clrHighlight);
}

// Office 2003 ----------------------------------------------------------------------

CTKHeaderCtrlThemeOffice2003::CTKHeaderCtrlThemeOffice2003() {
  m_nThemeId = 5;
  m_dwDrawStyle = TK_HEADER_STYLE_SORTARROW;
}

COLORREF CTKHeaderCtrlThemeOffice2003::Blend(double f) const {
  auto channel = [&](int face, int shadow) { return (int)(face - f * (face - shadow)); };
  return RGB(channel(GetRValue(m_clrFace), GetRValue(m_clrShadow)),
             channel(GetGValue(m_clrFace), GetGValue(m_clrShadow)),
             channel(GetBValue(m_clrFace), GetBValue(m_clrShadow)));
}

void CTKHeaderCtrlThemeOffice2003::DrawBackground(LPDRAWITEMSTRUCT lpDIS) {
  CDC* pDC = DCOf(lpDIS);
  CRect rc(lpDIS->rcItem);
  pDC->FillSolidRect(rc, m_clrFace);
  rc.right += 2;
  pDC->Draw3dRect(rc, m_clrHighlight, Blend(0.6));
  DrawLine(pDC, rc.left, rc.bottom - 2, rc.right, rc.bottom - 2, Blend(0.4));
  DrawLine(pDC, rc.left, rc.bottom - 3, rc.right, rc.bottom - 3, Blend(0.25));
}

void CTKHeaderCtrlThemeOffice2003::DrawItemBackground(LPDRAWITEMSTRUCT lpDIS) {
  CDC* pDC = DCOf(lpDIS);
  const RECT& rc = lpDIS->rcItem;
  DrawLine(pDC, rc.right - 2, 2, rc.right - 2, rc.bottom - 4, m_clrShadow);
  DrawLine(pDC, rc.right - 1, 2, rc.right - 1, rc.bottom - 4, m_clrHighlight);
}

BOOL CTKHeaderCtrlThemeOffice2003::Layout(HDLAYOUT* pLayout, CTKHeaderCtrl* pHeader) {
  TEXTMETRIC tm = {};
  {
    CTKScopedWindowDC screen(NULL);
    HFONT hFont = (HFONT)pHeader->SendMessage(WM_GETFONT);
    CTKSelectGuard select(screen.Get(),
                          hFont != NULL ? (HGDIOBJ)hFont : ::GetStockObject(DEFAULT_GUI_FONT));
    ::GetTextMetricsA(screen.Get(), &tm);
  }
  int nHeight = tm.tmHeight + TKDpiHelper()->ScaleY(m_nExtraHeight);
  RECT* prc = pLayout->prc;
  WINDOWPOS* pPos = pLayout->pwpos;
  pPos->hwndInsertAfter = NULL;
  pPos->x = prc->left;
  pPos->y = prc->top;
  pPos->cx = prc->right - prc->left;
  pPos->cy = nHeight;
  pPos->flags = SWP_NOZORDER | SWP_NOACTIVATE;
  prc->top += nHeight;
  return TRUE;
}

// Explorer --------------------------------------------------------------------------

CTKHeaderCtrlThemeExplorer::CTKHeaderCtrlThemeExplorer() {
  m_nThemeId = 6;
  m_dwDrawStyle =
      TK_HEADER_STYLE_WINXPTHEMES | TK_HEADER_STYLE_HOTTRACK | TK_HEADER_STYLE_SORTARROW;
  m_nExtraHeight = 6;
  m_szSortArrow = CSize(TKDpiHelper()->ScaleX(8), TKDpiHelper()->ScaleY(4));
  m_clrSortArrowFill = RGB(172, 168, 153);
}

void CTKHeaderCtrlThemeExplorer::DrawBackground(LPDRAWITEMSTRUCT lpDIS) {
  CDC* pDC = DCOf(lpDIS);
  CRect rc(lpDIS->rcItem);
  pDC->FillSolidRect(rc, m_clrFace);
  rc.right += 2;
  pDC->Draw3dRect(rc, m_clrHighlight, m_clrShadow);
}

// Resource -------------------------------------------------------------------------

CTKHeaderCtrlThemeResource::CTKHeaderCtrlThemeResource() {
  m_nThemeId = 7;
  m_dwDrawStyle = TK_HEADER_STYLE_SORTARROW;
  m_szSortArrow = CSize(TKDpiHelper()->ScaleX(8), TKDpiHelper()->ScaleY(4));
  m_bTrailingSpace = FALSE;
  m_bShiftPressed = FALSE;
}

void CTKHeaderCtrlThemeResource::RefreshMetrics(CTKHeaderCtrl* pHeader) {
  CTKHeaderCtrlThemeOfficeXP::RefreshMetrics(pHeader);
  const char kSection[] = "ReportControl";
  m_clrText = GetThemeIniColor(kSection, "HeaderText", m_clrText);
  m_clrShadow = GetThemeIniColor(kSection, "ColumnSeparator", m_clrText);
  m_clrDarkShadow = GetThemeIniColor(kSection, "ColumnShadow", m_clrText);
  m_grcNormalColumn.SetStandardValue(GetThemeIniColor(kSection, "NormalColumnLight", m_clrFace),
                                     GetThemeIniColor(kSection, "NormalColumnDark", m_clrFace));
  m_grcPressedColumn.SetStandardValue(GetThemeIniColor(kSection, "PressedColumnLight", m_clrFace),
                                      GetThemeIniColor(kSection, "PressedColumnDark", m_clrFace));
  m_clrSortArrowFill = m_clrShadow;
}

void CTKHeaderCtrlThemeResource::DrawBackground(LPDRAWITEMSTRUCT lpDIS) {
  CDC* pDC = DCOf(lpDIS);
  CRect rc(lpDIS->rcItem);
  TKDrawHelpers()->GradientFillTwoPart(pDC, rc, m_grcNormalColumn, FALSE, NULL);
  rc.right += 2;
  DrawLine(pDC, rc.left, rc.bottom - 1, rc.right, rc.bottom - 1, m_clrDarkShadow);
}

void CTKHeaderCtrlThemeResource::DrawItemBackground(LPDRAWITEMSTRUCT lpDIS) {
  CDC* pDC = DCOf(lpDIS);
  CRect rc(lpDIS->rcItem);
  rc.left += 1;
  if (lpDIS->itemState & ODS_SELECTED) {
    TKDrawHelpers()->GradientFillTwoPart(pDC, rc, m_grcPressedColumn, FALSE, NULL);
    DrawLine(pDC, rc.left, rc.bottom - 1, rc.right, rc.bottom - 1, m_clrDarkShadow);
  }
  DrawLine(pDC, rc.right - 1, 2, rc.right - 1, rc.bottom - 3, m_clrShadow);
}
