// CTKMarkupContext: repaint requests, deferred while updates are frozen, and
// the window rectangles of elements.
#include "markup/TKMarkupContext.h"

#include "TKMarkupFrameworkContentElement.h"
#include "markup/TKMarkupFrameworkElement.h"

namespace {

// Only drawn elements occupy a rectangle of the window; inline content
// stands for the element that draws it.
CTKMarkupVisual* DrawnElement(CTKMarkupObject* pElement) {
  if (CTKMarkupVisual* pVisual = MarkupCast<CTKMarkupVisual>(pElement)) return pVisual;
  if (CTKMarkupFrameworkContentElement* pContent =
          MarkupCast<CTKMarkupFrameworkContentElement>(pElement))
    return pContent->GetParentFrameworkElement();
  return nullptr;
}

}  // namespace

CRect CTKMarkupContext::GetElementRect(CTKMarkupObject* pElement) {
  CTKMarkupVisual* pVisual = DrawnElement(pElement);
  if (pVisual == nullptr) return CRect(0, 0, 0, 0);
  CRect rc = pVisual->GetBoundRect();
  rc.OffsetRect(pVisual->GetAbsoluteOffset());
  return rc;
}

CRect CTKMarkupContext::GetElementUpdateRect(CTKMarkupObject* pElement) {
  CTKMarkupVisual* pVisual = DrawnElement(pElement);
  if (pVisual == nullptr) return CRect(0, 0, 0, 0);
  CRect rc = pVisual->GetUpdateRect();
  rc.OffsetRect(pVisual->GetAbsoluteOffset());
  return rc;
}

void CTKMarkupContext::InvalidateElement(CTKMarkupObject* pElement, BOOL bUpdateNow) {
  CRect rect = GetElementUpdateRect(pElement);
  ::InvalidateRect(m_hWnd, &rect, FALSE);
  if (bUpdateNow) ::UpdateWindow(m_hWnd);
}

void CTKMarkupContext::InvalidateVisual(CTKMarkupObject* pElement) {
  if (m_hWnd == nullptr || pElement == nullptr) return;
  if (m_bUpdatesFrozen) {
    pElement->AddRef();
    m_pendingRepaints.push_back(pElement);
    return;
  }
  InvalidateElement(pElement, FALSE);
  ::SendMessage(m_hWnd, TK_WM_MARKUP_UPDATE, 0, 0);
}

void CTKMarkupContext::UpdateLayout(CTKMarkupObject*) {
  if (m_hWnd == nullptr) return;
  if (m_bUpdatesFrozen) {
    m_bRepaintAllPending = TRUE;
    return;
  }
  ::InvalidateRect(m_hWnd, nullptr, FALSE);
  ::SendMessage(m_hWnd, TK_WM_MARKUP_UPDATE, 0, 0);
}

void CTKMarkupContext::UnfreezeUpdates() {
  if (!m_bUpdatesFrozen) return;
  // Releasing the queued elements may release the last references on this
  // context; it must stay until the flush is done.
  AddRef();
  FlushRepaints();
  Release();
}

void CTKMarkupContext::FlushRepaints() {
  std::vector<CTKMarkupObject*> pending;
  pending.swap(m_pendingRepaints);
  const bool bRepaintAll = m_bRepaintAllPending != FALSE;
  m_bUpdatesFrozen = FALSE;
  m_bRepaintAllPending = FALSE;
  for (CTKMarkupObject* pElement : pending) {
    if (!bRepaintAll && m_hWnd != nullptr) InvalidateElement(pElement, TRUE);
    pElement->Release();
  }
  if (m_hWnd == nullptr || (pending.empty() && !bRepaintAll)) return;
  if (bRepaintAll) ::InvalidateRect(m_hWnd, nullptr, FALSE);
  ::SendMessage(m_hWnd, TK_WM_MARKUP_UPDATE, 0, 0);
}
