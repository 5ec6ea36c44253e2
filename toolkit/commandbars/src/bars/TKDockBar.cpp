// CTKDockBar: the window, its place in the frame layout, and docking bars into
// its rows.
#include "commandbars/TKDockBar.h"

#include <algorithm>

#include <afxframe.h>
#include <afxpriv.h>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKPaintManager.h"
#include "commandbars/TKToolBar.h"
#include "common/TKDrawHelpers.h"

namespace {
const char kDockBarClass[] = "TKDockBar";
}  // namespace

IMPLEMENT_DYNCREATE(CTKDockBar, CWnd)

BEGIN_MESSAGE_MAP(CTKDockBar, CWnd)
  ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
  ON_WM_PAINT()
  ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
  ON_WM_RBUTTONDOWN()
  ON_WM_NCHITTEST()
END_MESSAGE_MAP()

CTKDockBar::CTKDockBar() : m_dwStyle(0), m_pCommandBars(nullptr) {
  m_arrBars.Add(static_cast<CTKToolBar*>(nullptr));
  RegisterWindowClass(NULL, kDockBarClass, 0);
}

BOOL CTKDockBar::Create(CWnd* pParent, DWORD dwStyle, UINT nId) {
  m_dwStyle = dwStyle & CBRS_ALL;
  static const char* const kNames[4] = {"tkBarTop", "tkBarBottom", "tkBarLeft", "tkBarRight"};
  return CWnd::Create(kDockBarClass, kNames[GetPosition()], dwStyle & ~CBRS_ALL, CRect(0, 0, 0, 0),
                      pParent, nId);
}

BOOL CTKDockBar::PreCreateWindow(CREATESTRUCT& cs) {
  cs.style |= WS_CLIPSIBLINGS;
  return CWnd::PreCreateWindow(cs);
}

int CTKDockBar::GetPosition() const {
  if (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)) return tkBarTop;
  if (m_dwStyle & (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)) return tkBarBottom;
  if (m_dwStyle & (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)) return tkBarLeft;
  return tkBarRight;
}

BOOL CTKDockBar::IsHorizontal() const {
  return (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0;
}

// Rows -------------------------------------------------------------------------------

void CTKDockBar::DockCommandBar(CTKToolBar* pBar, LPCRECT lpScreenRect) {
  CRect rcWindow;
  if (pBar->GetSafeHwnd() != NULL) pBar->GetWindowRect(&rcWindow);
  if ((pBar->GetDockBar() == this && lpScreenRect == NULL) ||
      (lpScreenRect != NULL && rcWindow == *lpScreenRect))
    return;
  int nIndex;
  if (lpScreenRect != NULL) {
    CRect rc(lpScreenRect);
    ScreenToClient(&rc);
    nIndex = Insert(pBar, rc, rc.CenterPoint());
    if (pBar->GetDockContext() != nullptr) pBar->GetDockContext()->m_rectMRUDockPos = rc;
  } else {
    nIndex = static_cast<int>(m_arrBars.Add(pBar));
    m_arrBars.Add(static_cast<CTKToolBar*>(nullptr));
    if (pBar->GetDockContext() != nullptr) pBar->GetDockContext()->m_rectMRUDockPos.SetRectEmpty();
  }
  if (pBar->GetSafeHwnd() != NULL && ::GetParent(pBar->GetSafeHwnd()) != m_hWnd)
    pBar->SetParent(this);
  if (pBar->GetDockBar() == this)
    RemoveCommandBar(pBar, nIndex);
  else if (pBar->GetDockBar() != nullptr)
    pBar->GetDockBar()->RemoveCommandBar(pBar);
  pBar->SetDockBar(this);
  SeparateStretchedBars();
  if (m_pCommandBars != nullptr) m_pCommandBars->RecalcFrameLayout(TRUE);
}

BOOL CTKDockBar::RemoveCommandBar(CTKToolBar* pBar, int nSkipIndex) {
  const int nIndex = FindBar(pBar, nSkipIndex);
  if (nIndex <= 0) return FALSE;
  m_arrBars.RemoveAt(nIndex);
  // Alone in its row: the row goes with it.
  if (m_arrBars[nIndex - 1] == nullptr && nIndex < GetEntryCount() && m_arrBars[nIndex] == nullptr)
    m_arrBars.RemoveAt(nIndex);
  pBar->SetDockBar(nullptr);
  if (m_pCommandBars != nullptr) m_pCommandBars->RecalcFrameLayout(TRUE);
  return TRUE;
}

int CTKDockBar::FindBar(CTKToolBar* pBar, int nSkipIndex) const {
  for (int i = 0; i < GetEntryCount(); ++i)
    if (i != nSkipIndex && m_arrBars[i] == pBar) return i;
  return -1;
}

int CTKDockBar::GetRowCount() const {
  int nRows = 0;
  for (int i = 1; i < GetEntryCount(); ++i)
    if (m_arrBars[i] != nullptr && m_arrBars[i - 1] == nullptr) ++nRows;
  return nRows;
}

int CTKDockBar::Insert(CTKToolBar* pBar, CRect /*rcBar*/, CPoint ptCenter) {
  const BOOL bHorizontal = IsHorizontal();
  const int nCross = bHorizontal ? ptCenter.y : ptCenter.x;
  // A ribbon docked here keeps the first row to itself.
  CTKToolBar* pMenuBar = m_pCommandBars != nullptr ? m_pCommandBars->GetMenuBar() : nullptr;
  const BOOL bFirstRowLocked = pMenuBar != nullptr && pMenuBar->IsRibbonBar() &&
                               pMenuBar->GetDockBar() == this && !pBar->IsRibbonBar();
  int nExtent = 0;
  int nPrevExtent = 0;
  int nRowStart = 0;
  for (int i = 0; i < GetEntryCount(); ++i) {
    CTKToolBar* pEntry = m_arrBars[i];
    if (pEntry != nullptr) {
      if (pEntry->IsVisible() && pEntry->GetSafeHwnd() != NULL) {
        CRect rc;
        pEntry->GetWindowRect(&rc);
        ScreenToClient(&rc);
        nExtent = std::max<int>(nExtent, bHorizontal ? rc.bottom : rc.right);
      }
      continue;
    }
    const BOOL bLeading = i == 0;
    const BOOL bInRow = bLeading ? nCross < 0 : nCross < nExtent;
    if (bInRow && (!bFirstRowLocked || nRowStart > 0)) {
      if (bLeading || nCross == nPrevExtent) m_arrBars.InsertAt(nRowStart + 1, static_cast<CTKToolBar*>(nullptr));
      m_arrBars.InsertAt(nRowStart + 1, pBar);
      return nRowStart + 1;
    }
    if (!bLeading) {
      nPrevExtent = nExtent;
      nRowStart = i;
    }
  }
  const int nLast = GetEntryCount() - 1;
  m_arrBars.InsertAt(nLast + 1, pBar);
  m_arrBars.InsertAt(nLast + 2, static_cast<CTKToolBar*>(nullptr));
  return nLast + 1;
}

void CTKDockBar::SeparateStretchedBars() {
  for (int i = 0; i < GetEntryCount(); ++i) {
    CTKToolBar* pEntry = m_arrBars[i];
    if (pEntry == nullptr || !(pEntry->GetFlags() & TKBARFLAG_STRETCHED)) continue;
    if (m_arrBars[i - 1] != nullptr) m_arrBars.InsertAt(i++, static_cast<CTKToolBar*>(nullptr));
    if (i + 1 < GetEntryCount() && m_arrBars[i + 1] != nullptr) m_arrBars.InsertAt(i + 1, static_cast<CTKToolBar*>(nullptr));
  }
}

void CTKDockBar::GetRowBars(int nIndex, CArray<CTKToolBar*, CTKToolBar*>& arrBars) const {
  int nStart = nIndex;
  while (nStart > 0 && m_arrBars[nStart - 1] != nullptr) --nStart;
  const BOOL bVertical = (m_dwStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT |
                                       CBRS_BORDER_RIGHT)) != 0;
  const INT_PTR nFirst = arrBars.GetSize();
  for (int i = nStart; i < GetEntryCount() && m_arrBars[i] != nullptr; ++i) {
    CTKToolBar* pBar = m_arrBars[i];
    if (!pBar->IsVisible() || pBar->GetSafeHwnd() == NULL) continue;
    CRect rc;
    pBar->GetWindowRect(&rc);
    const int nPos = bVertical ? rc.top : rc.left;
    INT_PTR nAt = arrBars.GetSize();
    while (nAt > nFirst) {
      CRect rcOther;
      arrBars[nAt - 1]->GetWindowRect(&rcOther);
      if ((bVertical ? rcOther.top : rcOther.left) <= nPos) break;
      --nAt;
    }
    arrBars.InsertAt(nAt, pBar);
  }
}

// Messages ---------------------------------------------------------------------------------

LRESULT CTKDockBar::OnSizeParent(WPARAM, LPARAM lParam) {
  AFX_SIZEPARENTPARAMS* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
  if (!(GetStyle() & WS_VISIBLE)) return 0;
  const BOOL bHorizontal = IsHorizontal();
  CRect rcAvail(pLayout->rect);
  DWORD dwMode = bHorizontal ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK;
  if (pLayout->bStretch) dwMode |= LM_STRETCH;
  CSize sz = CalcDynamicLayout(bHorizontal ? rcAvail.Width() : rcAvail.Height(), dwMode, pLayout);
  sz.cx = std::min<int>(sz.cx, rcAvail.Width());
  sz.cy = std::min<int>(sz.cy, rcAvail.Height());
  CRect rc = rcAvail;
  switch (GetPosition()) {
    case tkBarTop:
      rc.bottom = rc.top + sz.cy;
      pLayout->rect.top += sz.cy;
      break;
    case tkBarBottom:
      rc.top = rc.bottom - sz.cy;
      pLayout->rect.bottom -= sz.cy;
      break;
    case tkBarLeft:
      rc.right = rc.left + sz.cx;
      pLayout->rect.left += sz.cx;
      break;
    default:
      rc.left = rc.right - sz.cx;
      pLayout->rect.right -= sz.cx;
      break;
  }
  if (bHorizontal) {
    pLayout->sizeTotal.cy += sz.cy;
    pLayout->sizeTotal.cx = std::max<int>(pLayout->sizeTotal.cx, sz.cx);
  } else {
    pLayout->sizeTotal.cx += sz.cx;
    pLayout->sizeTotal.cy = std::max<int>(pLayout->sizeTotal.cy, sz.cy);
  }
  if (pLayout->hDWP != NULL) AfxRepositionWindow(pLayout, m_hWnd, &rc);
  Invalidate(FALSE);
  return 0;
}

void CTKDockBar::OnPaint() {
  CPaintDC dc(this);
  CTKPaintManager* pPaintManager =
      m_pCommandBars != nullptr ? m_pCommandBars->GetPaintManager() : CTKPaintManager::GetGlobal();
  if (pPaintManager != nullptr) pPaintManager->FillDockBar(&dc, this);
}

LRESULT CTKDockBar::OnPrintClient(WPARAM wParam, LPARAM) {
  CTKPaintManager* pPaintManager =
      m_pCommandBars != nullptr ? m_pCommandBars->GetPaintManager() : CTKPaintManager::GetGlobal();
  if (pPaintManager != nullptr)
    pPaintManager->FillDockBar(CDC::FromHandle(reinterpret_cast<HDC>(wParam)), this);
  return 1;
}

void CTKDockBar::OnRButtonDown(UINT nFlags, CPoint point) {
  if (m_pCommandBars == nullptr) {
    CWnd::OnRButtonDown(nFlags, point);
    return;
  }
  CPoint ptScreen = point;
  ClientToScreen(&ptScreen);
  m_pCommandBars->ShowToolbarContextMenu(nullptr, ptScreen);
}

LRESULT CTKDockBar::OnNcHitTest(CPoint point) {
  // The frame takes the mouse beside a ribbon docked at the top.
  CTKToolBar* pMenuBar = m_pCommandBars != nullptr ? m_pCommandBars->GetMenuBar() : nullptr;
  if (GetPosition() == tkBarTop && pMenuBar != nullptr && pMenuBar->IsRibbonBar() &&
      pMenuBar->GetDockBar() == this)
    return HTTRANSPARENT;
  return CWnd::OnNcHitTest(point);
}
