// Routed-event descriptors and the per-element handler lists.
#include "markup/TKMarkupRoutedEvent.h"

#include "TKMarkupDelegate.h"
#include "TKMarkupString.h"

CTKMarkupRoutedEvent* CTKMarkupRoutedEvent::RegisterRoutedEvent(LPCWSTR lpszName,
                                                                DWORD dwRoutingFlags,
                                                                CTKMarkupType* pOwnerType) {
  CTKMarkupRoutedEvent* pEvent = new CTKMarkupRoutedEvent;
  RegisterCommon(pEvent, lpszName, CTKMarkupString::StaticType(), pOwnerType, FALSE,
                 new CTKMarkupPropertyMetadata(nullptr, dwRoutingFlags));
  return pEvent;
}

void CTKMarkupEventHandlerMap::Add(CTKMarkupRoutedEvent* pEvent, CTKMarkupDelegate* pDelegate) {
  if (pEvent == nullptr || pDelegate == nullptr) return;
  pDelegate->AddRef();
  m_handlers[pEvent].push_back(pDelegate);
}

void CTKMarkupEventHandlerMap::Raise(CTKMarkupObject* pSender, CTKMarkupRoutedEventArgs* pArgs) {
  if (pArgs == nullptr) return;
  auto it = m_handlers.find(pArgs->GetRoutedEvent());
  if (it == m_handlers.end()) return;
  // A handler may add handlers: run the list as it stood, each kept alive.
  std::vector<CTKMarkupDelegate*> handlers = it->second;
  for (CTKMarkupDelegate* pDelegate : handlers) pDelegate->AddRef();
  for (CTKMarkupDelegate* pDelegate : handlers) pDelegate->Execute(pSender, pArgs);
  for (CTKMarkupDelegate* pDelegate : handlers) pDelegate->Release();
}

int CTKMarkupEventHandlerMap::GetCount(CTKMarkupRoutedEvent* pEvent) const {
  auto it = m_handlers.find(pEvent);
  return it == m_handlers.end() ? 0 : static_cast<int>(it->second.size());
}

void CTKMarkupEventHandlerMap::Cleanup() {
  std::map<CTKMarkupRoutedEvent*, std::vector<CTKMarkupDelegate*>> handlers;
  handlers.swap(m_handlers);
  for (auto& entry : handlers)
    for (CTKMarkupDelegate* pDelegate : entry.second) pDelegate->Release();
}
