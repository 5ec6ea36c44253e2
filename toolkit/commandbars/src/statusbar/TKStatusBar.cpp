// CTKStatusBar: creation, the panes, the managers it draws with and the
// window texts of its message pane.
#include "commandbars/TKStatusBar.h"

#include "commandbars/TKCommandBars.h"
#include "TKStatusBarFont.h"
#include "common/TKDpiHelper.h"
#include "common/TKDrawHelpers.h"
#include "common/TKImageManager.h"
#include "common/TKToolTipContext.h"
#include "markup/TKMarkupFlat.h"

BEGIN_MESSAGE_MAP(CTKStatusBar, CControlBar)
ON_WM_PAINT()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
ON_WM_ERASEBKGND()
ON_WM_SIZE()
ON_WM_NCHITTEST()
ON_WM_SYSCOMMAND()
ON_WM_WINDOWPOSCHANGING()
ON_WM_WINDOWPOSCHANGED()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_RBUTTONUP()
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_MESSAGE(WM_GETTEXT, OnGetText)
ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
ON_MESSAGE(SB_SETMINHEIGHT, OnSetMinHeight)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTKStatusBar, CControlBar)

CTKStatusBar::CTKStatusBar()
    : m_nMinHeight(TKDpiHelper()->ScaleY(20)),
      m_bDrawGripper(FALSE),
      m_bAllCaps(FALSE),
      m_pHotPane(nullptr),
      m_pMarkupContext(nullptr),
      m_nPaneGap(TKDpiHelper()->ScaleX(2)),
      m_bCustomization(FALSE),
      m_pCommandBars(nullptr),
      m_pToolTipContext(new CTKToolTipContext),
      m_bDrawDisabledText(TRUE) {
  m_cxLeftBorder = 0;
  m_cxRightBorder = 0;
  m_cyTopBorder = TKDpiHelper()->ScaleY(2);
  m_cyBottomBorder = 0;
}

CTKStatusBar::~CTKStatusBar() {
  RemoveAll();
  m_pToolTipContext->InternalRelease();
  ReleaseMarkupContext(m_pMarkupContext);
}

BOOL CTKStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
  return CreateEx(pParentWnd, 0, dwStyle, nID);
}

BOOL CTKStatusBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID) {
  m_dwStyle = dwStyle & 0x40FFFF;
  if (pParentWnd != nullptr && (pParentWnd->GetStyle() & WS_THICKFRAME) != 0) m_bDrawGripper = TRUE;
  if (!RegisterWindowClass(NULL, TK_STATUSBAR_CLASSNAME, CS_DBLCLKS, NULL, NULL)) return FALSE;
  const DWORD dwWindowStyle = (dwStyle & 0xFFBF004E) | 0x4E | dwCtrlStyle;
  return CWnd::Create(TK_STATUSBAR_CLASSNAME, NULL, dwWindowStyle, CRect(0, 0, 0, 0), pParentWnd,
                      nID);
}

BOOL CTKStatusBar::PreCreateWindow(CREATESTRUCT& cs) {
  // A bottom bar with a top border draws its border itself.
  if ((m_dwStyle & 0xFF00) == 0x8200) m_dwStyle &= ~0xF80;
  return CControlBar::PreCreateWindow(cs);
}

// Panes ---------------------------------------------------------------------------------------

BOOL CTKStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount) {
  RemoveAll();
  for (int i = 0; i < nIDCount; ++i) {
    CTKStatusBarPane* pPane = new CTKStatusBarPane;
    pPane->m_pStatusBar = this;
    pPane->m_nID = lpIDArray[i];
    m_arrPanes.Add(pPane);
    m_nCount = GetPaneCount();
    if (pPane->m_nID != 0) {
      CString strText;
      if (!strText.LoadString(pPane->m_nID)) return FALSE;
      pPane->m_strText = strText;
      pPane->UpdateMarkupElement();
    } else if (i == 0) {
      pPane->m_nStyle = SBPS_STRETCH | SBPS_NOBORDERS;
      pPane->m_nFixedWidth = 1;
    }
  }
  UpdateAllPanes();
  return TRUE;
}

void CTKStatusBar::RemoveAll() {
  for (int i = 0; i < GetPaneCount(); ++i) {
    m_arrPanes[i]->m_pStatusBar = nullptr;
    m_arrPanes[i]->InternalRelease();
  }
  m_arrPanes.RemoveAll();
  m_nCount = 0;
  m_pHotPane = nullptr;
  UpdateAllPanes();
}

CTKStatusBarPane* CTKStatusBar::GetPane(int nIndex) const {
  return nIndex >= 0 && nIndex < GetPaneCount() ? m_arrPanes[nIndex] : nullptr;
}

CTKStatusBarPane* CTKStatusBar::FindPane(UINT nID) const { return GetPane(CommandToIndex(nID)); }

int CTKStatusBar::CommandToIndex(UINT nID) const {
  for (int i = 0; i < GetPaneCount(); ++i)
    if (m_arrPanes[i]->m_nID == nID) return i;
  return -1;
}

UINT CTKStatusBar::GetPaneStyle(int nIndex) const {
  CTKStatusBarPane* pPane = GetPane(nIndex);
  return pPane != nullptr ? pPane->m_nStyle : 0;
}

void CTKStatusBar::SetPaneStyle(int nIndex, UINT nStyle) {
  CTKStatusBarPane* pPane = GetPane(nIndex);
  if (pPane != nullptr) pPane->SetStyle(nStyle);
}

void CTKStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth) {
  CTKStatusBarPane* pPane = GetPane(nIndex);
  if (pPane == nullptr) return;
  pPane->m_nID = nID;
  const BOOL bStretchChanged = ((pPane->m_nStyle ^ nStyle) & SBPS_STRETCH) != 0;
  const BOOL bChanged = pPane->m_nStyle != nStyle;
  pPane->m_nStyle = nStyle;
  if (bStretchChanged || pPane->m_nFixedWidth != cxWidth) {
    pPane->m_nFixedWidth = cxWidth;
    UpdateAllPanes();
  } else if (bChanged) {
    pPane->Redraw();
  }
}

CString CTKStatusBar::GetPaneText(int nIndex) const {
  CTKStatusBarPane* pPane = GetPane(nIndex);
  return pPane != nullptr ? pPane->GetText() : CString();
}

BOOL CTKStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText) {
  CTKStatusBarPane* pPane = GetPane(nIndex);
  if (pPane == nullptr) return FALSE;
  pPane->SetText(lpszNewText);
  return TRUE;
}

// Managers and settings -------------------------------------------------------------------------

CTKPaintManager* CTKStatusBar::GetPaintManager() const {
  return m_pCommandBars != nullptr ? m_pCommandBars->GetPaintManager()
                                   : CTKPaintManager::GetGlobal();
}

CTKImageManager* CTKStatusBar::GetImageManager() const {
  return m_pCommandBars != nullptr ? m_pCommandBars->GetImageManager() : TKImageManager();
}

CTKStatusBarPaintManager* CTKStatusBar::GetStatusBarPaintManager() const {
  CTKPaintManager* pPaintManager = GetPaintManager();
  return pPaintManager != nullptr ? pPaintManager->GetStatusBarPaintManager() : nullptr;
}

CFont* CTKStatusBar::GetFont() {
  if (m_font.GetSafeHandle() != NULL) return &m_font;
  CTKStatusBarPaintManager* pPaintManager = GetStatusBarPaintManager();
  return pPaintManager != nullptr ? &pPaintManager->m_fontStatus : &m_font;
}

void CTKStatusBar::SetFont(CFont* pFont) {
  CopyStatusBarFont(m_font, pFont);
  UpdateAllPanes();
}

void CTKStatusBar::EnableMarkup(BOOL bEnable) {
  ReleaseMarkupContext(m_pMarkupContext);
  if (bEnable) m_pMarkupContext = CreateMarkupContext(m_hWnd, TRUE);
  for (int i = 0; i < GetPaneCount(); ++i) m_arrPanes[i]->UpdateMarkupElement();
  UpdateAllPanes();
}

void CTKStatusBar::SetAllCaps(BOOL bAllCaps) {
  if (m_bAllCaps == bAllCaps) return;
  m_bAllCaps = bAllCaps;
  UpdateAllPanes();
}

// The message pane's window text
// ----------------------------------------------------------------------

LRESULT CTKStatusBar::OnSetText(WPARAM, LPARAM lParam) {
  // As SetWindowText's callers expect: TRUE when the text was set.
  return SetPaneText(CommandToIndex(0), reinterpret_cast<LPCTSTR>(lParam)) ? TRUE : FALSE;
}

LRESULT CTKStatusBar::OnGetText(WPARAM wParam, LPARAM lParam) {
  const int nMax = static_cast<int>(wParam);
  LPTSTR lpszDest = reinterpret_cast<LPTSTR>(lParam);
  if (nMax <= 0 || lpszDest == nullptr) return 0;
  const CString strText = GetPaneText(CommandToIndex(0));
  const int nCopy = strText.GetLength() < nMax - 1 ? strText.GetLength() : nMax - 1;
  memcpy(lpszDest, static_cast<LPCTSTR>(strText), nCopy * sizeof(TCHAR));
  lpszDest[nCopy] = 0;
  // The characters copied, as GetWindowText's callers expect.
  return nCopy;
}

LRESULT CTKStatusBar::OnGetTextLength(WPARAM, LPARAM) {
  return GetPaneText(CommandToIndex(0)).GetLength();
}

LRESULT CTKStatusBar::OnSetMinHeight(WPARAM wParam, LPARAM) {
  Default();
  m_nMinHeight = static_cast<int>(wParam);
  return 0;
}

// Messages
// ---------------------------------------------------------------------------------------------

BOOL CTKStatusBar::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (m_pMarkupContext != nullptr) {
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    CTKStatusBarPane* pPane = HitTestPane(pt);
    const BOOL bTaken =
        pPane != nullptr && pPane->GetMarkupElement() != nullptr
            ? HandleMarkupElementMessage(pPane->GetMarkupElement(), message, wParam, lParam,
                                         pResult)
            : HandleMarkupContextMessage(m_pMarkupContext, message, wParam, lParam, pResult);
    if (bTaken) return TRUE;
  }
  m_pToolTipContext->RelayToolTipMessage(this, message, wParam, lParam);
  return CControlBar::OnWndMsg(message, wParam, lParam, pResult);
}
