// Keyboard navigation: its attached properties and its (inactive) receiver.
#include "TKMarkupKeyboardNavigation.h"

#include "markup/TKMarkupDependencyProperty.h"
#include "TKMarkupString.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupKeyboardNavigation, TKMarkupRow_KeyboardNavigation)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupKeyboardNavigation)

CTKMarkupDependencyProperty* CTKMarkupKeyboardNavigation::IsTabStopProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupKeyboardNavigation::TabNavigationProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupKeyboardNavigation::TabIndexProperty = nullptr;

namespace {

CTKMarkupObject* ConvertTabNavigation(CTKMarkupBuilder*, CTKMarkupObject* pValue,
                                      CTKMarkupDependencyProperty*) {
  static const LPCWSTR kNames[] = {L"Continue", L"Once", L"Cycle", L"None", L"Contained", L"Local"};
  LPCWSTR lpszText = MarkupStringText(pValue);
  if (lpszText == nullptr) return nullptr;
  for (int i = 0; i < static_cast<int>(sizeof(kNames) / sizeof(kNames[0])); ++i) {
    if (_wcsicmp(lpszText, kNames[i]) == 0) return CTKMarkupEnum::CreateValue(i);
  }
  return nullptr;
}

}  // namespace

CTKMarkupKeyboardNavigation::CTKMarkupKeyboardNavigation(CTKMarkupContext* pOwner)
    : m_pFocused(nullptr), m_pScope(nullptr), m_pOwner(pOwner) {}

CTKMarkupKeyboardNavigation::~CTKMarkupKeyboardNavigation() {
  if (m_pFocused != nullptr) m_pFocused->Release();
  if (m_pScope != nullptr) m_pScope->Release();
}

void CTKMarkupKeyboardNavigation::RegisterMarkupProperties() {
  CTKMarkupType* pOwner = StaticType();
  IsTabStopProperty = CTKMarkupDependencyProperty::RegisterAttached(
      L"IsTabStop", CTKMarkupBool::StaticType(), pOwner,
      new CTKMarkupPropertyMetadata(CTKMarkupBool::CreateTrueValue(), 0));
  TabNavigationProperty = CTKMarkupDependencyProperty::RegisterAttached(
      L"TabNavigation", CTKMarkupEnum::StaticType(), pOwner,
      new CTKMarkupPropertyMetadata(nullptr, &ConvertTabNavigation, 0));
  TabIndexProperty = CTKMarkupDependencyProperty::RegisterAttached(
      L"TabIndex", CTKMarkupInt::StaticType(), pOwner,
      new CTKMarkupPropertyMetadata(new CTKMarkupInt(INT_MAX), 0));
}

// The host window keeps focus and the keyboard: markup moves nothing.
void CTKMarkupKeyboardNavigation::Focus(CTKMarkupInputElement*) {}

BOOL CTKMarkupKeyboardNavigation::OnWndMsg(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

BOOL CTKMarkupKeyboardNavigation::GetIsTabStop(CTKMarkupObject* pElement) {
  CTKMarkupBool* pValue = pElement != nullptr
                              ? MarkupCast<CTKMarkupBool>(pElement->GetValue(IsTabStopProperty))
                              : nullptr;
  return pValue == nullptr || pValue->GetValue();
}

int CTKMarkupKeyboardNavigation::GetTabIndex(CTKMarkupObject* pElement) {
  CTKMarkupInt* pValue = pElement != nullptr
                             ? MarkupCast<CTKMarkupInt>(pElement->GetValue(TabIndexProperty))
                             : nullptr;
  return pValue != nullptr ? pValue->GetValue() : INT_MAX;
}

int CTKMarkupKeyboardNavigation::GetTabNavigation(CTKMarkupObject* pElement) {
  CTKMarkupEnum* pValue = pElement != nullptr
                              ? MarkupCast<CTKMarkupEnum>(pElement->GetValue(TabNavigationProperty))
                              : nullptr;
  return pValue != nullptr ? pValue->GetValue() : -1;
}
