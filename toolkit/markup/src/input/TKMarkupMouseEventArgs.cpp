// CTKMarkupMouseEventArgs: the event's point seen from an element.
#include "markup/TKMarkupRoutedEvent.h"

#include "markup/TKMarkupVisual.h"

CPoint CTKMarkupMouseEventArgs::GetPosition(CTKMarkupObject* pElement) const {
  CPoint pt(m_x, m_y);
  for (CTKMarkupObject* p = pElement; p != nullptr; p = p->GetParent()) {
    if (CTKMarkupVisual* pVisual = MarkupCast<CTKMarkupVisual>(p)) pt -= pVisual->GetVisualOffset();
  }
  return pt;
}
