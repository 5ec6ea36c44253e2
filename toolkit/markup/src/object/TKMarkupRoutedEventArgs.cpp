// What scripts see of routed-event arguments.
#include "markup/TKMarkupRoutedEvent.h"

BEGIN_DISPATCH_MAP(CTKMarkupRoutedEventArgs, CTKMarkupObject)
DISP_PROPERTY_EX(CTKMarkupRoutedEventArgs, "Handled", DispGetHandled, DispSetHandled, VT_BOOL)
DISP_PROPERTY_EX(CTKMarkupRoutedEventArgs, "Event", DispGetEvent, SetNotSupported, VT_DISPATCH)
DISP_PROPERTY_EX(CTKMarkupRoutedEventArgs, "Source", DispGetSource, SetNotSupported, VT_DISPATCH)
END_DISPATCH_MAP()

BOOL CTKMarkupRoutedEventArgs::DispGetHandled() { return m_bHandled; }

// One handler must not undo what an earlier one decided.
void CTKMarkupRoutedEventArgs::DispSetHandled(BOOL bHandled) {
  if (bHandled) m_bHandled = TRUE;
}

LPDISPATCH CTKMarkupRoutedEventArgs::DispGetEvent() {
  return m_pEvent != nullptr ? m_pEvent->GetIDispatch(TRUE) : nullptr;
}

LPDISPATCH CTKMarkupRoutedEventArgs::DispGetSource() {
  return m_pSource != nullptr ? m_pSource->GetIDispatch(TRUE) : nullptr;
}
