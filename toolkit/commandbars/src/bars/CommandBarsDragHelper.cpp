// CommandBarsDragHelper: the drag loop of a control moved or copied between
// bars while they are customised, and the bar under the mouse it talks to.
#include "commandbars/CommandBarsDragHelper.h"

#include <algorithm>

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControl.h"
#include "common/TKResourceManager.h"

CommandBarsDragHelper::CommandBarsDragHelper(CTKCommandBars* pCommandBars)
    : m_hCursorNoDrop(TKResourceManager()->LoadCursor(kCursorNoDrop)),
      m_hCursorMove(TKResourceManager()->LoadCursor(kCursorMove)),
      m_hCursorCopy(TKResourceManager()->LoadCursor(kCursorCopy)),
      m_pCommandBars(pCommandBars) {}

CommandBarsDragHelper::~CommandBarsDragHelper() {
  for (CTKCommandBar* pBar : m_bars) pBar->SetDragHelper(nullptr);
}

void CommandBarsDragHelper::RegisterBar(CTKCommandBar* pBar) {
  if (pBar == nullptr || IsRegistered(pBar)) return;
  // A bar is a drop place of one helper at a time.
  if (pBar->GetDragHelper() != nullptr) pBar->GetDragHelper()->UnregisterBar(pBar);
  m_bars.push_back(pBar);
  pBar->SetDragHelper(this);
}

void CommandBarsDragHelper::UnregisterBar(CTKCommandBar* pBar) {
  if (!IsRegistered(pBar)) return;
  m_bars.erase(std::remove(m_bars.begin(), m_bars.end(), pBar), m_bars.end());
  pBar->SetDragHelper(nullptr);
  if (m_pTarget == pBar) m_pTarget = nullptr;
}

BOOL CommandBarsDragHelper::IsRegistered(const CTKCommandBar* pBar) const {
  return std::find(m_bars.begin(), m_bars.end(), pBar) != m_bars.end();
}

DWORD CommandBarsDragHelper::DoDragDrop(CTKControl* pControl, BOOL bAlwaysCopy) {
  CWnd* pSite = m_pCommandBars != nullptr ? m_pCommandBars->GetSite() : nullptr;
  if (pSite == nullptr || pSite->GetSafeHwnd() == NULL || pControl == nullptr) return kDropNone;
  m_pControl = pControl;
  m_bAlwaysCopy = bAlwaysCopy;
  m_bMove = FALSE;
  m_pTarget = nullptr;
  m_hWndCapture = pSite->GetSafeHwnd();
  ::SetCapture(m_hWndCapture);
  TKCommandBarsSystem()->GetCursorPos(&m_ptStart);
  m_ptLast = m_ptStart;

  DWORD dwResult = kDropCancel;
  BOOL bDrop = FALSE;
  BOOL bMoved = FALSE;
  while (::GetCapture() == m_hWndCapture && PumpDragMessage(dwResult, bDrop, bMoved)) {
  }
  if (bDrop && m_pTarget != nullptr) {
    dwResult = (m_bMove && !m_bAlwaysCopy) ? kDropMove : kDropCopy;
    CPoint ptDrop = m_ptLast;
    CPoint ptDrag = m_ptStart;
    m_pTarget->ScreenToClient(&ptDrop);
    m_pTarget->ScreenToClient(&ptDrag);
    CTKCommandBar* pTarget = m_pTarget;
    m_pTarget = nullptr;
    pTarget->OnCustomizeDrop(m_pControl, dwResult, ptDrop, ptDrag);
  } else if (bDrop) {
    dwResult = bMoved ? kDropNone : kDropCancel;
  }

  LeaveTarget();
  if (::GetCapture() == m_hWndCapture) ::ReleaseCapture();
  m_hWndCapture = NULL;
  m_pControl = nullptr;
  ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
  return dwResult;
}

BOOL CommandBarsDragHelper::PumpDragMessage(DWORD& dwResult, BOOL& bDrop, BOOL& bMoved) {
  MSG msg;
  if (!::GetMessage(&msg, NULL, 0, 0)) {
    // The program is ending: the drag gives up, the quit goes on.
    AfxPostQuitMessage(static_cast<int>(msg.wParam));
    dwResult = kDropCancel;
    return FALSE;
  }
  if (::GetCapture() != m_hWndCapture) {
    dwResult = kDropCancel;
    return FALSE;
  }
  switch (msg.message) {
    case WM_KEYDOWN:
      if (msg.wParam == VK_ESCAPE) {
        dwResult = kDropCancel;
        return FALSE;
      }
      if (msg.wParam == VK_CONTROL && m_bMove) {
        m_bMove = FALSE;
        UpdateCursor();
      }
      return TRUE;
    case WM_KEYUP:
      if (msg.wParam == VK_CONTROL && !m_bMove) {
        m_bMove = TRUE;
        UpdateCursor();
      }
      return TRUE;
    case WM_MOUSEMOVE:
      OnDragMouseMove(msg, !bMoved);
      bMoved = TRUE;
      dwResult = kDropNone;
      if (!(msg.wParam & MK_LBUTTON)) {
        bDrop = TRUE;
        return FALSE;
      }
      return TRUE;
    case WM_LBUTTONUP:
      m_ptLast = ScreenPoint(msg);
      bDrop = TRUE;
      return FALSE;
    case WM_RBUTTONDOWN:
      dwResult = kDropCancel;
      return FALSE;
    default:
      ::DispatchMessage(&msg);
      return TRUE;
  }
}

void CommandBarsDragHelper::OnDragMouseMove(const MSG& msg, BOOL bFirst) {
  m_ptLast = ScreenPoint(msg);
  // The first move takes the control's own bar out of any open pop-up and
  // selection, as a drag over the control itself would.
  CTKCommandBar* pOwnBar = m_pControl->GetParent();
  if (bFirst && pOwnBar != nullptr && pOwnBar->GetSafeHwnd() != NULL) {
    CPoint ptClient = m_ptLast;
    pOwnBar->ScreenToClient(&ptClient);
    m_pControl->OnCustomizeDragOver(m_pControl, ptClient);
  }
  m_bMove = (msg.wParam & MK_CONTROL) == 0;
  UpdateTarget(m_ptLast);
}

CTKCommandBar* CommandBarsDragHelper::BarFromPoint(CPoint ptScreen) const {
  const HWND hWndUnder = ::WindowFromPoint(ptScreen);
  for (auto it = m_bars.rbegin(); it != m_bars.rend(); ++it) {
    CTKCommandBar* pBar = *it;
    const HWND hWnd = pBar->GetSafeHwnd();
    if (hWnd == NULL || !pBar->IsVisible()) continue;
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    if (!rc.PtInRect(ptScreen)) continue;
    if (hWnd == hWndUnder || ::IsChild(hWnd, hWndUnder)) return pBar;
  }
  return nullptr;
}

void CommandBarsDragHelper::UpdateTarget(CPoint ptScreen) {
  CTKCommandBar* pBar = BarFromPoint(ptScreen);
  if (pBar != nullptr && pBar != m_pTarget) LeaveTarget();
  if (pBar == nullptr) {
    LeaveTarget();
  } else {
    CPoint ptClient = ptScreen;
    pBar->ScreenToClient(&ptClient);
    if (pBar == m_pTarget)
      pBar->OnCustomizeDragOver(m_pControl, ptClient);
    else if (pBar->OnCustomizeDragEnter(m_pControl, ptClient) != DROPEFFECT_NONE)
      m_pTarget = pBar;
  }
  UpdateCursor();
}

void CommandBarsDragHelper::LeaveTarget() {
  if (m_pTarget == nullptr) return;
  CTKCommandBar* pTarget = m_pTarget;
  m_pTarget = nullptr;
  pTarget->OnCustomizeDragLeave();
}

void CommandBarsDragHelper::UpdateCursor() {
  if (m_pTarget == nullptr)
    ShowCursor(kCursorNoDrop);
  else
    ShowCursor(!m_bMove || m_bAlwaysCopy ? kCursorCopy : kCursorMove);
}

void CommandBarsDragHelper::ShowCursor(UINT nCursorId) {
  const HCURSOR hCursor = nCursorId == kCursorCopy   ? m_hCursorCopy
                          : nCursorId == kCursorMove ? m_hCursorMove
                                                     : m_hCursorNoDrop;
  ::SetCursor(hCursor);
}

CPoint CommandBarsDragHelper::ScreenPoint(const MSG& msg) {
  CPoint pt(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
  if (msg.hwnd != NULL) ::ClientToScreen(msg.hwnd, &pt);
  return pt;
}
