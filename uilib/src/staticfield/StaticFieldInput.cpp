// CStaticField: painting, keys, mouse, focus and the hover tooltip.
#include "uilib/StaticField.h"

#include <string>

#include "common/TKScopedHandle.h"
#include "uilib/UIUtilities.h"

BEGIN_MESSAGE_MAP(CStaticField, CEdit)
  ON_WM_PAINT()
  ON_WM_KEYDOWN()
  ON_WM_SETFOCUS()
  ON_WM_KILLFOCUS()
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONDBLCLK()
  AFX_WM_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLeftButton)
  AFX_WM_MOUSE_ENTRY(WM_LBUTTONUP, OnLeftButton)
  AFX_WM_MOUSE_ENTRY(WM_RBUTTONDOWN, OnRightButton)
  AFX_WM_MOUSE_ENTRY(WM_RBUTTONUP, OnRightButton)
  ON_WM_CTLCOLOR_REFLECT()
  ON_MESSAGE(WM_STATICFIELD_HOVER, OnHoverRequest)
END_MESSAGE_MAP()

// The fitted text replaces the window text before the control paints it.
// The control's font is adopted here already, so the first paint fits the
// text; a paint never invalidates the field, so it cannot paint for ever.
void CStaticField::OnPaint() {
  ::HideCaret(m_hWnd);
  EnsureTooltip();
  if (m_bMetricsMatched == 0) {
    CClientDC dc(this);
    CTKSelectGuard select(dc.m_hDC, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT, 0, 0)));
    AdoptControlFont(&dc);
  }
  if (m_bFittingDisabled == 0 && AcquireMeasureDC()) {
    CTesselString fitted = GetFittedText();
    ReleaseMeasureDC();
    CString shown;
    GetWindowText(shown);
    if (std::string(shown) != fitted.GetText()) SetWindowText(fitted.GetText());
  }
  Default();
}

void CStaticField::ResetHover(bool enableTimer) {
  if (m_tooltip.IsShown()) m_tooltip.Show(false);
  m_hoverTimer.Restart();
  if (enableTimer)
    m_hoverTimer.Enable();
  else
    m_hoverTimer.Disable();
  m_hoverPoint = CPoint(0, 0);
}

void CStaticField::OnKeyDown(UINT key, UINT, UINT) {
  ResetHover(true);
  if (m_bKeyboardScrolling != 0 && AcquireMeasureDC()) {
    const bool fits = TextFitsField(GetDisplayText());
    if (!fits) {
      const int maximum = GetMaxScrollOffset();
      const int before = m_nScrollOffset;
      if (key == VK_END) m_nScrollOffset = maximum;
      if (key == VK_HOME) m_nScrollOffset = 0;
      if (key == VK_LEFT && m_nScrollOffset > 0) --m_nScrollOffset;
      if (key == VK_RIGHT && m_nScrollOffset < maximum) ++m_nScrollOffset;
      if (m_nScrollOffset != before) Invalidate();
    }
    ReleaseMeasureDC();
  }
  Default();
}

void CStaticField::OnMouseMove(UINT, CPoint point) {
  if (point != m_hoverPoint) ResetHover(true);
  Default();
  ::HideCaret(m_hWnd);
}

void CStaticField::OnLeftButton(UINT, CPoint) {
  ResetHover(true);
  Default();
  ::HideCaret(m_hWnd);
}

// No default handling: the edit's context menu never opens.
void CStaticField::OnRightButton(UINT, CPoint) {
  ResetHover(true);
  ::HideCaret(m_hWnd);
}

void CStaticField::OnLButtonDblClk(UINT, CPoint) {
  SetFocus();
  SendMessage(EM_SETSEL, 0, -1);
  SendMessage(EM_SCROLLCARET, 0, 0);
  CTesselString text = GetDisplayText();
  if (!text.IsEmpty()) SetClipboardText(m_hWnd, text);
  Invalidate();
}

void CStaticField::OnSetFocus(CWnd*) {
  Default();
  Invalidate();
  if (m_bHoverTooltip) {
    m_hoverTimer.Restart();
    m_hoverTimer.Enable();
  }
}

void CStaticField::OnKillFocus(CWnd* newWindow) {
  if (newWindow == nullptr || newWindow->m_hWnd != m_tooltip.m_hWnd) ResetHover(false);
  Default();
  Invalidate();
}

void CStaticField::PostHoverRequest(int x, int y) {
  const HWND window = m_hWnd;
  if (::IsWindow(window))
    ::PostMessageA(window, WM_STATICFIELD_HOVER, 0, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
}

LRESULT CStaticField::OnHoverRequest(WPARAM, LPARAM lParam) {
  if (m_tooltip.IsShown() || m_bTextCut == 0 || ::GetFocus() != m_hWnd) return 0;
  CPoint point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
  ScreenToClient(&point);
  CRect client;
  GetClientRect(&client);
  if (!client.PtInRect(point)) return 0;
  m_hoverPoint = point;
  ShowTooltip();
  return 0;
}

void CStaticField::ShowTooltip() {
  m_hoverTimer.Disable();
  if (m_fullText.IsEmpty()) return;
  if (m_tooltip.IsShown()) m_tooltip.Show(false);
  CRect window;
  GetWindowRect(&window);
  CPoint anchor(m_hoverPoint);
  ClientToScreen(&anchor);
  anchor.y = window.bottom;
  m_tooltip.ShowAt(anchor, false);
}
