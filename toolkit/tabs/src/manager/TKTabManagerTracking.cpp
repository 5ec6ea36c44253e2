// The press-and-release and reorder loops: they pump the thread's messages
// under mouse capture until the button is released, Esc is pressed, the
// capture goes elsewhere, or the program is asked to quit.
#include <vector>

#include "TKTabCaptureLoop.h"
#include "tabs/TKTabManager.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabPaintManager.h"

namespace {

CPoint PointOf(const MSG& msg) {
  return CPoint(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
}

enum LoopStep { kContinue, kAccept, kCancel };

/// What the loops share: the messages that end them and those they swallow.
LoopStep ClassifyMessage(const MSG& msg) {
  switch (msg.message) {
    case WM_CANCELMODE:
    case WM_RBUTTONDOWN:
      return kCancel;
    case WM_KEYDOWN:
      return msg.wParam == VK_ESCAPE ? kCancel : kContinue;
    case WM_LBUTTONUP:
      return kAccept;
    default:
      return kContinue;
  }
}

/// Dispatches what the loop does not handle itself; FALSE when the capture
/// went elsewhere meanwhile.
BOOL DispatchOther(const MSG& msg, HWND hWnd) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_MOUSEMOVE) {
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
  }
  return ::GetCapture() == hWnd;
}

}  // namespace

void CTKTabManager::TrackClick(HWND hWnd, CPoint point, CTKTabManagerItem* pItem) {
  const BOOL bHotTracking = GetPaintManager()->m_bHotTracking;
  if (bHotTracking) m_pHighlighted = pItem;
  m_pPressed = pItem;
  Reposition();
  ::SetCapture(hWnd);

  BOOL bAccept = FALSE;
  BOOL bInside = TRUE;
  CPoint ptLast = point;
  MSG msg;
  while (::GetCapture() == hWnd && TakeCaptureMessage(msg)) {
    const LoopStep step = ClassifyMessage(msg);
    if (step != kContinue) {
      bAccept = step == kAccept;
      break;
    }
    if (msg.message == WM_MOUSEMOVE) {
      ptLast = PointOf(msg);
      bInside = pItem->GetRect().PtInRect(ptLast);
      CTKTabManagerItem* pHot = bInside ? pItem : NULL;
      if (bHotTracking && pHot != m_pHighlighted) {
        m_pHighlighted = pHot;
        RedrawItem(pItem, TRUE);
      }
    }
    if (!DispatchOther(msg, hWnd)) break;
  }

  if (::GetCapture() == hWnd) ::ReleaseCapture();
  m_pPressed = NULL;
  PerformMouseMove(hWnd, ptLast);
  RedrawControl(NULL, FALSE);
  if (bAccept && bInside) OnItemClick(pItem);
}

void CTKTabManager::SwapItemTowards(CTKTabManagerItem* pItem, int nTarget) {
  while (pItem->GetIndex() != nTarget) {
    const int nIndex = pItem->GetIndex();
    const int nOther = nTarget > nIndex ? nIndex + 1 : nIndex - 1;
    CTKTabManagerItem* pOther = m_arrItems[nOther];
    m_arrItems[nOther] = pItem;
    m_arrItems[nIndex] = pOther;
    OnItemsChanged();
    OnSwapItems(pItem, pOther);
  }
}

void CTKTabManager::TrackReorder(HWND hWnd, CPoint point, CTKTabManagerItem* pItem) {
  CTKTabManagerItem* pPreviousSelection = m_pSelected;
  m_pSelected = pItem;
  if (GetPaintManager()->m_bHotTracking) m_pHighlighted = pItem;
  Reposition();

  // Targets are where the tabs stood when the drag began, so a tab that has
  // just moved under the mouse does not bounce back.
  std::vector<CRect> snapshot;
  for (const CTKTabManagerItem* pEach : m_arrItems) snapshot.push_back(pEach->GetRect());
  const int nOldIndex = pItem->GetIndex();
  ::SetCapture(hWnd);

  CPoint ptLast = point;
  MSG msg;
  while (::GetCapture() == hWnd && TakeCaptureMessage(msg)) {
    if (ClassifyMessage(msg) != kContinue) break;
    if (msg.message == WM_MOUSEMOVE) {
      ptLast = PointOf(msg);
      for (int j = 0; j < static_cast<int>(snapshot.size()); ++j) {
        if (j != pItem->GetIndex() && snapshot[j].PtInRect(ptLast)) {
          SwapItemTowards(pItem, j);
          break;
        }
      }
    }
    if (!DispatchOther(msg, hWnd)) break;
  }

  if (::GetCapture() == hWnd) ::ReleaseCapture();
  PerformMouseMove(hWnd, ptLast);
  m_pSelected = pPreviousSelection;
  OnItemClick(pItem);
  if (pItem->GetIndex() != nOldIndex) OnItemMoved(pItem, nOldIndex, pItem->GetIndex());
}
