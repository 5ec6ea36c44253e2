// CTKMarkupContext: the host window's mouse, cursor and focus messages routed
// into the tree (hover, capture, buttons, wheel, cursor) and the tooltip of
// the element under the mouse.
#include <stdlib.h>

#include "common/TKRefPtr.h"
#include "markup/TKMarkupContext.h"
#include "markup/TKMarkupInputElement.h"
#include "TKMarkupString.h"
#include "TKMarkupToolTipRelay.h"

// The input chain --------------------------------------------------------------------

CInputElementCollection::~CInputElementCollection() {
  for (CTKMarkupInputElement* pElement : m_elements) pElement->Release();
}

void CInputElementCollection::Add(CTKMarkupInputElement* pElement) {
  pElement->AddRef();
  m_elements.push_back(pElement);
}

void CInputElementCollection::RemoveOutermost() {
  m_elements.back()->Release();
  m_elements.pop_back();
}

void CTKMarkupContext::CollectInputChain(CTKMarkupObject* pElement,
                                         CInputElementCollection& chain) {
  for (CTKMarkupObject* p = pElement; p != nullptr; p = p->GetParent()) {
    if (CTKMarkupInputElement* pInput = MarkupCast<CTKMarkupInputElement>(p)) chain.Add(pInput);
  }
}

namespace {

/// Makes arguments of a mouse event for one dispatch, released with the holder.
template <class TArgs>
CTKRefPtr<TArgs> MakeArgs(CTKMarkupRoutedEvent* pEvent, CTKMarkupObject* pSource, HWND hWnd, int x,
                          int y) {
  auto args = CTKRefPtr<TArgs>::Adopt(new TArgs(pEvent));
  args->SetSource(pSource);
  args->SetWindow(hWnd);
  args->SetPosition(x, y);
  return args;
}

/// Raises the event on each element of the chain, innermost first, then its
/// own handler; stops as soon as one of them marks the event handled.
template <class TArgs>
BOOL RouteAlong(const CInputElementCollection& chain, TArgs* pArgs,
                void (CTKMarkupInputElement::*pfnHandler)(TArgs*)) {
  for (int i = 0; i < chain.GetCount(); ++i) {
    CTKMarkupInputElement* pElement = chain.GetAt(i);
    pElement->RaiseEvent(pArgs);
    if (pArgs->GetHandled()) break;
    (pElement->*pfnHandler)(pArgs);
    if (pArgs->GetHandled()) break;
  }
  return pArgs->GetHandled();
}

}  // namespace

// Hover -----------------------------------------------------------------------------

void CTKMarkupContext::SetHover(CTKMarkupObject* pElement, int x, int y) {
  if (pElement == m_pHoverElement) return;
  if (pElement == nullptr) m_pHoverRoot = nullptr;

  CInputElementCollection oldChain, newChain;
  CollectInputChain(m_pHoverElement, oldChain);
  CollectInputChain(pElement, newChain);
  // Common ancestors neither leave nor enter.
  while (oldChain.GetCount() > 0 && newChain.GetCount() > 0 &&
         oldChain.GetOutermost() == newChain.GetOutermost()) {
    oldChain.RemoveOutermost();
    newChain.RemoveOutermost();
  }

  auto leave = MakeArgs<CTKMarkupMouseEventArgs>(CTKMarkupInputElement::MouseLeaveEvent,
                                                 m_pHoverElement, m_hWnd, x, y);
  auto enter = MakeArgs<CTKMarkupMouseEventArgs>(CTKMarkupInputElement::MouseEnterEvent, pElement,
                                                 m_hWnd, x, y);
  m_pHoverElement = pElement;
  RouteAlong(oldChain, leave.Get(), &CTKMarkupInputElement::OnMouseLeave);
  RouteAlong(newChain, enter.Get(), &CTKMarkupInputElement::OnMouseEnter);
}

void CTKMarkupContext::HandleMouseMove(CTKMarkupObject* pRoot, int x, int y) {
  CTKMarkupObject* pHit = nullptr;
  if (CTKMarkupInputElement* pInputRoot = MarkupCast<CTKMarkupInputElement>(pRoot))
    pHit = pInputRoot->InputHitTest(x, y);
  // While an element holds the capture only it can be hovered, and only
  // when the pointer is over it or its content.
  if (m_pCaptureElement != nullptr) {
    CTKMarkupObject* p = pHit;
    while (p != nullptr && p != m_pCaptureElement) p = p->GetParent();
    pHit = p;
  }
  if (pHit != m_pHoverElement) {
    SetHover(pHit, x, y);
    if (m_pHoverElement != nullptr) {
      TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
      ::TrackMouseEvent(&tme);
    }
    if (!QueryCursor()) ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
  }
  m_pHoverRoot = m_pHoverElement != nullptr ? pRoot : nullptr;
  if (m_pHoverElement == nullptr) return;

  CInputElementCollection chain;
  CollectInputChain(m_pHoverElement, chain);
  auto args = MakeArgs<CTKMarkupMouseEventArgs>(CTKMarkupInputElement::MouseMoveEvent,
                                                m_pHoverElement, m_hWnd, x, y);
  RouteAlong(chain, args.Get(), &CTKMarkupInputElement::OnMouseMove);
}

// Buttons, wheel, cursor --------------------------------------------------------------

BOOL CTKMarkupContext::HandleMouseButton(UINT message, int x, int y) {
  CTKMarkupObject* pTarget = m_pCaptureElement != nullptr ? m_pCaptureElement : m_pHoverElement;
  if (pTarget == nullptr) return FALSE;
  CTKMarkupRoutedEvent* pEvent = nullptr;
  void (CTKMarkupInputElement::*pfnHandler)(CTKMarkupMouseButtonEventArgs*) = nullptr;
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // a second press, never an event of its own
      pEvent = CTKMarkupInputElement::MouseLeftButtonDownEvent;
      pfnHandler = &CTKMarkupInputElement::OnMouseLeftButtonDown;
      break;
    case WM_LBUTTONUP:
      pEvent = CTKMarkupInputElement::MouseLeftButtonUpEvent;
      pfnHandler = &CTKMarkupInputElement::OnMouseLeftButtonUp;
      break;
    case WM_RBUTTONDOWN:
      pEvent = CTKMarkupInputElement::MouseRightButtonDownEvent;
      pfnHandler = &CTKMarkupInputElement::OnMouseRightButtonDown;
      break;
    case WM_RBUTTONUP:
      pEvent = CTKMarkupInputElement::MouseRightButtonUpEvent;
      pfnHandler = &CTKMarkupInputElement::OnMouseRightButtonUp;
      break;
    default:
      return FALSE;
  }
  // The target may go away while its handlers run.
  CTKRefPtr<CTKMarkupObject> keep(pTarget);
  CInputElementCollection chain;
  CollectInputChain(pTarget, chain);
  auto args = MakeArgs<CTKMarkupMouseButtonEventArgs>(pEvent, pTarget, m_hWnd, x, y);
  return RouteAlong(chain, args.Get(), pfnHandler);
}

BOOL CTKMarkupContext::HandleMouseWheel(int nDelta) {
  if (m_pHoverElement == nullptr) return FALSE;
  CInputElementCollection chain;
  CollectInputChain(m_pHoverElement, chain);
  auto args =
      CTKRefPtr<CTKMarkupMouseWheelEventArgs>::Adopt(new CTKMarkupMouseWheelEventArgs(nDelta));
  args->SetSource(m_pHoverElement);
  args->SetWindow(m_hWnd);
  BOOL bHandled = FALSE;
  for (int i = 0; i < chain.GetCount() && !bHandled; ++i) {
    chain.GetAt(i)->OnMouseWheel(args.Get());
    bHandled = args->GetHandled();
  }
  return bHandled;
}

BOOL CTKMarkupContext::QueryCursor() {
  if (m_pHoverElement == nullptr) return FALSE;
  CInputElementCollection chain;
  CollectInputChain(m_pHoverElement, chain);
  auto args = CTKRefPtr<CTKMarkupQueryCursorEventArgs>::Adopt(new CTKMarkupQueryCursorEventArgs);
  args->SetSource(m_pHoverElement);
  args->SetWindow(m_hWnd);
  BOOL bSet = FALSE;
  for (int i = 0; i < chain.GetCount(); ++i) {
    chain.GetAt(i)->OnQueryCursor(args.Get());
    if (!args->GetHandled()) continue;
    // Handled without a cursor ("None") leaves the cursor to the host.
    if (args->GetCursor() != nullptr) {
      ::SetCursor(args->GetCursor());
      bSet = TRUE;
    }
    break;
  }
  return bSet;
}

// Messages --------------------------------------------------------------------------

BOOL CTKMarkupContext::OnWndMsg(CTKMarkupObject* pElement, UINT message, WPARAM wParam,
                                LPARAM lParam, LRESULT* pResult) {
  if (m_hWnd == nullptr) return FALSE;
  if (message == WM_THEMECHANGED) ++m_nThemeSerial;
  if (pElement == nullptr) {
    if (m_pHoverRoot != nullptr) SetHover(nullptr, -1, -1);
    return FALSE;
  }
  int x = static_cast<short>(LOWORD(lParam));
  int y = static_cast<short>(HIWORD(lParam));
  if (message == WM_MOUSEMOVE) HandleMouseMove(pElement, x, y);
  if (message == WM_DESTROY || message == WM_MOUSELEAVE) SetHover(nullptr, -1, -1);
  if (m_pToolTipRelay != nullptr &&
      ((message >= WM_MOUSEMOVE && message <= WM_MOUSEWHEEL) || message == WM_MOUSELEAVE))
    m_pToolTipRelay->RelayToolTipMessage(m_hWnd, message, wParam, lParam);

  switch (message) {
    case WM_SETCURSOR:
      if (!QueryCursor()) return FALSE;
      if (pResult != nullptr) *pResult = 1;
      return TRUE;
    case WM_MOUSEWHEEL:
      if (!HandleMouseWheel(static_cast<short>(HIWORD(wParam)))) return FALSE;
      if (pResult != nullptr) *pResult = 1;
      return TRUE;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_LBUTTONDBLCLK:
      return HandleMouseButton(message, x, y);
    case WM_CAPTURECHANGED:
      OnCaptureLost();
      return FALSE;
    default:
      // Keyboard and focus messages are offered to keyboard navigation,
      // which takes none of them.
      return FALSE;
  }
}

void CTKMarkupContext::OnCaptureLost() {
  CTKMarkupInputElement* pElement = MarkupCast<CTKMarkupInputElement>(m_pCaptureElement);
  if (pElement == nullptr) {
    m_pCaptureElement = nullptr;
    return;
  }
  CTKRefPtr<CTKMarkupInputElement> keep(pElement);
  auto args = MakeArgs<CTKMarkupMouseEventArgs>(CTKMarkupInputElement::LostMouseCaptureEvent,
                                                pElement, m_hWnd, 0, 0);
  pElement->RaiseEvent(args.Get());
  if (!args->GetHandled()) pElement->OnLostMouseCapture(args.Get());
  m_pCaptureElement = nullptr;
}

// Tooltips --------------------------------------------------------------------------

INT_PTR CTKMarkupContext::FindToolTip(POINT, TOOLINFO* pTI) {
  CInputElementCollection chain;
  CollectInputChain(m_pHoverElement, chain);
  for (int i = 0; i < chain.GetCount(); ++i) {
    CTKMarkupInputElement* pElement = chain.GetAt(i);
    // Tips that are not plain text are not shown; an outer text tip is.
    CTKMarkupString* pText = MarkupCast<CTKMarkupString>(pElement->GetToolTip());
    if (pText == nullptr) continue;
    INT_PTR nId = reinterpret_cast<INT_PTR>(pElement);
    if (pTI != nullptr && pTI->cbSize >= TTTOOLINFOA_V1_SIZE) {
      pTI->hwnd = m_hWnd;
      pTI->uId = static_cast<UINT_PTR>(nId);
      pTI->rect = GetElementRect(pElement);
      // The tip window frees the text when it is done with it.
      CStringA strText(pText->GetTextOrEmpty());
      pTI->lpszText = _strdup(strText);
    }
    return nId;
  }
  return -1;
}
