// CSplitterWindow: the bar, its drag and its picture.
#include "uilib/SplitterWindow.h"

#include "common/TKScopedHandle.h"
#include "uilib/UILibSystem.h"

BEGIN_MESSAGE_MAP(CSplitterWindow, CWnd)
  ON_WM_PAINT()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

namespace {

/// The bar's lines, from its top (or left) edge on.
const COLORREF kBarColors[CSplitterWindow::kThickness] = {
    RGB(249, 249, 251), RGB(219, 219, 230), RGB(203, 207, 211), RGB(203, 207, 211),
    RGB(203, 207, 211), RGB(169, 177, 184), RGB(150, 159, 169), RGB(203, 207, 211)};

const int kHalfThickness = CSplitterWindow::kThickness / 2;

}  // namespace

CSplitterWindow::CSplitterWindow()
    : m_nOrientation(orientationHorizontal),
      m_nRangeMinimum(0),
      m_nRangeMaximum(0),
      m_nCursorId(0),
      m_pParent(nullptr),
      m_rcBounds(),
      m_pPaintDC(nullptr),
      m_nControlId(100),
      m_bDragging(false),
      m_nPosition(0) {}

CSplitterWindow::~CSplitterWindow() {
  if (m_hWnd != NULL) DestroyWindow();
}

bool CSplitterWindow::Create(CWnd* pParent, int nControlId) {
  if (pParent == nullptr) return false;
  m_pParent = pParent;
  m_nControlId = nControlId;
  if (!CWnd::Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParent, nControlId))
    return false;
  ShowWindow(SW_SHOWNORMAL);
  return true;
}

void CSplitterWindow::NotifyParent() {
  if (m_pParent != nullptr)
    m_pParent->PostMessage(WM_SPLITTER_MOVED, static_cast<WPARAM>(m_nPosition), m_nControlId);
}

void CSplitterWindow::SetBounds(int left, int top, int right, int bottom) {
  ::SetRect(&m_rcBounds, left, top, right, bottom);
  Reposition();
  Redraw();
}

void CSplitterWindow::SetPosition(int nPosition) {
  m_nPosition = nPosition;
  Reposition();
  Redraw();
}

bool CSplitterWindow::ClampPosition() {
  if (m_nRangeMaximum < m_nRangeMinimum) std::swap(m_nRangeMinimum, m_nRangeMaximum);
  if (m_nPosition > m_nRangeMaximum) {
    SetPosition(m_nRangeMaximum);
    return true;
  }
  if (m_nPosition < m_nRangeMinimum) {
    SetPosition(m_nRangeMinimum);
    return true;
  }
  return false;
}

bool CSplitterWindow::Reposition() {
  if (m_hWnd == NULL || m_pParent == nullptr) return false;
  const RECT& b = m_rcBounds;
  switch (m_nOrientation) {
    case orientationHorizontal:
      return ::MoveWindow(m_hWnd, b.left, m_nPosition - kHalfThickness, b.right - b.left, kThickness,
                        FALSE) != FALSE;
    case orientationVertical:
      return ::MoveWindow(m_hWnd, m_nPosition - kHalfThickness, b.top, kThickness, b.bottom - b.top,
                        FALSE) != FALSE;
    default:
      return ::MoveWindow(m_hWnd, b.left, b.top, b.right - b.left, b.bottom - b.top, FALSE) != FALSE;
  }
}

void CSplitterWindow::Redraw() {
  if (m_hWnd == NULL) return;
  Invalidate(TRUE);
  UpdateWindow();
}

bool CSplitterWindow::GetRectInParent(RECT* pRect) {
  ::GetWindowRect(m_hWnd, pRect);
  if (m_pParent == nullptr) return false;
  m_pParent->ScreenToClient(pRect);
  return true;
}

bool CSplitterWindow::IsCursorOverSplitter() {
  if (m_hWnd == NULL) return false;
  POINT pt;
  if (!UILibSystem()->GetCursorPos(&pt)) return false;
  RECT rc;
  ::GetWindowRect(m_hWnd, &rc);
  return ::PtInRect(&rc, pt) != FALSE;
}

bool CSplitterWindow::UpdateCursor() {
  if (!IsCursorOverSplitter()) {
    ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
    return true;
  }
  if (m_nCursorId <= 0) return false;
  HCURSOR hCursor = ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(m_nCursorId));
  if (hCursor == NULL) return false;
  ::SetCursor(hCursor);
  return true;
}

void CSplitterWindow::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/) {
  m_bDragging = true;
  UpdateCursor();
  SetCapture();
}

void CSplitterWindow::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/) {
  m_bDragging = false;
  UpdateCursor();
  ::ReleaseCapture();
}

void CSplitterWindow::OnMouseMove(UINT /*nFlags*/, CPoint point) {
  if (!m_bDragging) {
    UpdateCursor();
    return;
  }
  RECT rcClient;
  ::GetClientRect(m_hWnd, &rcClient);
  const int nCentreY = rcClient.top + kHalfThickness;
  const int nCentreX = rcClient.left + kHalfThickness;
  int nCandidate = m_nPosition;
  if (m_nOrientation == orientationHorizontal)
    nCandidate += point.y - nCentreY;
  else if (m_nOrientation == orientationVertical)
    nCandidate += point.x - nCentreX;
  if (m_nRangeMinimum < nCandidate && nCandidate < m_nRangeMaximum) {
    SetPosition(nCandidate);
    NotifyParent();
    return;
  }
  // The bar stays; the cursor goes back onto its centre line.
  if (m_nOrientation == orientationHorizontal)
    point.y = nCentreY;
  else if (m_nOrientation == orientationVertical)
    point.x = nCentreX;
  ClientToScreen(&point);
  UILibSystem()->SetCursorPos(point.x, point.y);
}

void CSplitterWindow::OnPaint() {
  if (m_pPaintDC != nullptr) {
    ReleaseDC(m_pPaintDC);
    m_pPaintDC = nullptr;
  }
  m_pPaintDC = GetDC();
  if (m_pPaintDC != nullptr) {
    DrawBar(m_pPaintDC);
    ReleaseDC(m_pPaintDC);
    m_pPaintDC = nullptr;
  }
  ValidateRect(NULL);
}

void CSplitterWindow::DrawBar(CDC* pDC) {
  if (m_nOrientation != orientationHorizontal && m_nOrientation != orientationVertical) return;
  RECT rc;
  ::GetClientRect(m_hWnd, &rc);
  const HDC hDC = pDC->GetSafeHdc();
  for (int i = 0; i < kThickness; ++i) {
    CTKScopedPen pen(::CreatePen(PS_SOLID, 1, kBarColors[i]));
    CTKSelectGuard selectPen(hDC, pen.Get());
    if (m_nOrientation == orientationHorizontal) {
      ::MoveToEx(hDC, rc.left, rc.top + i, NULL);
      ::LineTo(hDC, rc.right, rc.top + i);
    } else {
      ::MoveToEx(hDC, rc.left + i, rc.top, NULL);
      ::LineTo(hDC, rc.left + i, rc.bottom);
    }
  }
}
