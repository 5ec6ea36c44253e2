// CTKHeaderCtrlTheme: metrics, the whole-header paint and the classic frames.
#include "common/TKHeaderCtrlTheme.h"

#include <vector>

#include "common/TKColorManager.h"
#include "common/TKDCHelpers.h"
#include "common/TKDpiHelper.h"
#include "common/TKDrawHelpers.h"
#include "common/TKHeaderCtrl.h"
#include "common/TKWinThemeWrapper.h"

// After the Windows headers the layer's headers bring in.
#include <vssym32.h>

CTKHeaderCtrlTheme::CTKHeaderCtrlTheme()
    : m_nSortArrowGap(TKDpiHelper()->ScaleX(10)),
      m_dwDrawStyle(TK_HEADER_STYLE_WINXPTHEMES | TK_HEADER_STYLE_HOTTRACK |
                    TK_HEADER_STYLE_SORTARROW),
      m_bUseWinXPThemes(FALSE),
      m_nTextMargin(TKDpiHelper()->ScaleX(6)),
      m_nTextTop(0),
      m_szSortArrow(TKDpiHelper()->ScaleX(8), TKDpiHelper()->ScaleY(7)),
      m_clrText(0),
      m_clrFace(0),
      m_clrShadow(0),
      m_clrDarkShadow(0),
      m_clrHighlight(0),
      m_pThemeWrapper(new CTKWinThemeWrapper()) {}

CTKHeaderCtrlTheme::~CTKHeaderCtrlTheme() { delete m_pThemeWrapper; }

void CTKHeaderCtrlTheme::RefreshMetrics(CTKHeaderCtrl*) {
  CTKColorManager* pColors = TKColorManager();
  m_clrText = pColors->GetColor(COLOR_BTNTEXT);
  m_clrFace = pColors->GetColor(COLOR_BTNFACE);
  m_clrShadow = pColors->GetColor(COLOR_BTNSHADOW);
  m_clrDarkShadow = pColors->GetColor(COLOR_3DDKSHADOW);
  m_clrHighlight = pColors->GetColor(COLOR_BTNHIGHLIGHT);
  m_pThemeWrapper->OpenThemeData(NULL, L"HEADER");
}

BOOL CTKHeaderCtrlTheme::UseWinXPThemes(CTKHeaderCtrl* pHeader) {
  if ((m_dwDrawStyle & TK_HEADER_STYLE_WINXPTHEMES) == 0) return FALSE;
  if (!m_pThemeWrapper->IsThemeOpen() && pHeader != NULL)
    m_pThemeWrapper->OpenThemeData(pHeader->GetSafeHwnd(), L"HEADER");
  return m_pThemeWrapper->IsAppThemedAndOpen();
}

void CTKHeaderCtrlTheme::SetDrawStyle(DWORD dwDrawStyle, CTKHeaderCtrl* pHeader) {
  m_dwDrawStyle = dwDrawStyle;
  m_bUseWinXPThemes = UseWinXPThemes(pHeader) && (dwDrawStyle & TK_HEADER_STYLE_WINXPTHEMES);
}

BOOL CTKHeaderCtrlTheme::Layout(HDLAYOUT* pLayout, CTKHeaderCtrl* pHeader) {
  return pHeader->DefaultLayout(pLayout);
}

void CTKHeaderCtrlTheme::CleanUp(CTKHeaderCtrl* pHeader) {
  int nCount = pHeader->GetItemCount();
  for (int i = 0; i < nCount; ++i) {
    HDITEM hdi = {};
    hdi.mask = HDI_FORMAT | HDI_BITMAP;
    if (pHeader->GetItem(i, &hdi) && (hdi.fmt & HDF_BITMAP) && hdi.hbm != NULL)
      ImageList_Destroy(reinterpret_cast<HIMAGELIST>(hdi.hbm));
  }
}

void CTKHeaderCtrlTheme::DrawHeader(CDC* pDC, CTKHeaderCtrl* pHeader) {
  CRect rcClient;
  pHeader->GetClientRect(&rcClient);
  DRAWITEMSTRUCT dis = {};
  dis.CtlType = ODT_HEADER;
  dis.itemAction = ODA_DRAWENTIRE;
  dis.hwndItem = pHeader->GetSafeHwnd();
  dis.hDC = pDC->GetSafeHdc();
  dis.rcItem = rcClient;
  if (!m_bUseWinXPThemes || !DrawThemedBackground(&dis)) DrawBackground(&dis);

  CFont* pFont = CFont::FromHandle((HFONT)pHeader->SendMessage(WM_GETFONT));
  CTKFontDC selectFont(pDC, pFont);
  pDC->SetBkColor(m_clrFace);
  pDC->SetTextColor(m_clrText);
  pDC->SetBkMode(TRANSPARENT);

  int nCount = pHeader->GetItemCount();
  std::vector<int> order(nCount > 0 ? nCount : 0);
  for (int i = 0; i < nCount; ++i) order[i] = i;
  for (int i = 0; i < nCount; ++i) {
    HDITEM hdi = {};
    hdi.mask = HDI_ORDER;
    if (pHeader->GetItem(i, &hdi) && hdi.iOrder >= 0 && hdi.iOrder < nCount) order[hdi.iOrder] = i;
  }

  CPoint ptCursor;
  ::GetCursorPos(&ptCursor);
  pHeader->ScreenToClient(&ptCursor);
  int x = 0;
  for (int nPosition = 0; nPosition < nCount; ++nPosition) {
    int nItem = order[nPosition];
    char szText[256] = {};
    HDITEM hdi = {};
    hdi.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_LPARAM | HDI_BITMAP;
    hdi.pszText = szText;
    hdi.cchTextMax = 255;
    if (!pHeader->GetItem(nItem, &hdi)) continue;
    dis.rcItem = CRect(x, rcClient.top, x + hdi.cxy, rcClient.bottom);
    dis.itemID = nItem;
    dis.itemState = 0;
    if ((m_dwDrawStyle & TK_HEADER_STYLE_HOTTRACK) && pHeader->HitTest(ptCursor) == nItem)
      dis.itemState = ODS_HOTLIGHT;
    if (pHeader->IsItemPressed(nItem)) dis.itemState = ODS_SELECTED;
    dis.itemData = reinterpret_cast<ULONG_PTR>(&hdi);
    if (!m_bUseWinXPThemes || !DrawThemedItemBackground(&dis)) DrawItemBackground(&dis);
    DrawItem(&dis, pHeader);
    x += hdi.cxy;
  }
}

void CTKHeaderCtrlTheme::DrawBackground(LPDRAWITEMSTRUCT lpDIS) {
  CDC* pDC = CDC::FromHandle(lpDIS->hDC);
  CRect rc(lpDIS->rcItem);
  pDC->FillSolidRect(rc, m_clrFace);
  rc.right += 2;
  pDC->Draw3dRect(rc, m_clrHighlight, m_clrDarkShadow);
  rc.DeflateRect(1, 1);
  pDC->Draw3dRect(rc, m_clrFace, m_clrShadow);
}

BOOL CTKHeaderCtrlTheme::DrawThemedBackground(LPDRAWITEMSTRUCT lpDIS) {
  if ((m_dwDrawStyle & TK_HEADER_STYLE_HOTTRACK) == 0) return FALSE;
  return SUCCEEDED(m_pThemeWrapper->DrawThemeBackground(lpDIS->hDC, 0, 1, &lpDIS->rcItem, NULL));
}

void CTKHeaderCtrlTheme::DrawItemBackground(LPDRAWITEMSTRUCT lpDIS) {
  CDC* pDC = CDC::FromHandle(lpDIS->hDC);
  CRect rc(lpDIS->rcItem);
  if (lpDIS->itemState & ODS_SELECTED) {
    pDC->Draw3dRect(rc, m_clrShadow, m_clrShadow);
    DrawLine(pDC, rc.right, 1, rc.right, rc.bottom - 1, m_clrHighlight);
    DrawLine(pDC, rc.left, rc.bottom - 2, rc.right, rc.bottom - 2, m_clrFace);
    return;
  }
  DrawLine(pDC, rc.right - 2, 0, rc.right - 2, rc.bottom, m_clrShadow);
  DrawLine(pDC, rc.right - 1, 0, rc.right - 1, rc.bottom, m_clrDarkShadow);
  DrawLine(pDC, rc.right, 1, rc.right, rc.bottom, m_clrHighlight);
}

BOOL CTKHeaderCtrlTheme::DrawThemedItemBackground(LPDRAWITEMSTRUCT lpDIS) {
  int nState = (lpDIS->itemState & ODS_SELECTED)   ? HIS_PRESSED
               : (lpDIS->itemState & ODS_HOTLIGHT) ? HIS_HOT
                                                   : HIS_NORMAL;
  return SUCCEEDED(m_pThemeWrapper->DrawThemeBackground(lpDIS->hDC, HP_HEADERITEM, nState,
                                                        &lpDIS->rcItem, NULL));
}
