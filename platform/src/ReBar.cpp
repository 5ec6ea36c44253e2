// CReBar: a rebar common control whose bands hold control bars, laid out
// by its frame like any control bar.
#include <afxwin.h>

#include <algorithm>

BEGIN_MESSAGE_MAP(CReBar, CControlBar)
ON_NOTIFY_REFLECT(RBN_HEIGHTCHANGE, OnHeightChange)
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CReBar, CControlBar)

CReBar::CReBar() {
  // The bands draw their own edges (see Create for the border lines).
  m_cxLeftBorder = m_cxRightBorder = m_cyTopBorder = m_cyBottomBorder = 0;
}

BOOL CReBar::Create(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID) {
  INITCOMMONCONTROLSEX init = {sizeof(init), ICC_COOL_CLASSES};
  if (!::InitCommonControlsEx(&init)) return FALSE;
  SetBarStyle(dwStyle & CBRS_ALL & ~CBRS_BORDER_ANY);
  // The frame places the bar; the control must not align itself.
  DWORD dwWndStyle =
      (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NODIVIDER | CCS_NORESIZE;
  if (!CWnd::Create(REBARCLASSNAME, NULL, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
    return FALSE;
  REBARINFO info = {sizeof(info), 0, nullptr};
  SendMessage(RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&info));
  return TRUE;
}

BOOL CReBar::AddBar(CWnd* pBar, LPCTSTR pszText, CBitmap* pbmp, DWORD dwStyle) {
  if (pBar->GetSafeHwnd() == nullptr) return FALSE;
  CRect rect;
  pBar->GetWindowRect(&rect);
  REBARBANDINFO band = {};
  band.cbSize = sizeof(band);
  band.fMask =
      RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_IDEALSIZE | RBBIM_ID;
  band.fStyle = dwStyle;
  band.hwndChild = pBar->m_hWnd;
  band.cxMinChild = rect.Width();
  band.cyMinChild = rect.Height();
  band.cx = band.cxIdeal = rect.Width();
  band.wID = static_cast<UINT>(pBar->GetDlgCtrlID());
  if (pszText != nullptr) {
    band.fMask |= RBBIM_TEXT;
    band.lpText = const_cast<LPTSTR>(pszText);
  }
  if (pbmp != nullptr) {
    band.fMask |= RBBIM_BACKGROUND;
    band.hbmBack = static_cast<HBITMAP>(pbmp->GetSafeHandle());
  }
  return (BOOL)SendMessage(RB_INSERTBAND, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
}

CSize CReBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  CRect rect;
  GetWindowRect(&rect);
  // The bands' height across the bar; along it the present length.
  const int nAcross = static_cast<int>(SendMessage(RB_GETBARHEIGHT));
  CSize size = bHorz ? CSize(rect.Width(), nAcross) : CSize(nAcross, rect.Height());
  return SizeAroundContent(size, bStretch, bHorz);
}

void CReBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

void CReBar::OnHeightChange(NMHDR*, LRESULT* pResult) {
  if (CFrameWnd* pFrame = GetParentFrame()) pFrame->DelayRecalcLayout();
  *pResult = 0;
}
