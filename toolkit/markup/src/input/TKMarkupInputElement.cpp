// Input elements: properties, routed events, cursor and mouse-over state.
#include "markup/TKMarkupInputElement.h"

#include "markup/TKMarkupBuilder.h"
#include "markup/TKMarkupContext.h"
#include "TKMarkupConverters.h"
#include "TKMarkupDelegate.h"
#include "TKMarkupProperties.h"
#include "TKMarkupKeyboardNavigation.h"
#include "TKMarkupResourceDictionary.h"
#include "TKMarkupStyle.h"
#include "TKMarkupString.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupInputElement, TKMarkupRow_InputElement)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupInputElement)

CTKMarkupDependencyProperty* CTKMarkupInputElement::CursorProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupInputElement::IsMouseOverProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupInputElement::ResourcesProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupInputElement::StyleProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupInputElement::IsKeyboardFocusedProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupInputElement::IsFocusableProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupInputElement::ToolTipProperty = nullptr;

CTKMarkupRoutedEvent* CTKMarkupInputElement::MouseLeaveEvent = nullptr;
CTKMarkupRoutedEvent* CTKMarkupInputElement::MouseEnterEvent = nullptr;
CTKMarkupRoutedEvent* CTKMarkupInputElement::MouseLeftButtonUpEvent = nullptr;
CTKMarkupRoutedEvent* CTKMarkupInputElement::MouseLeftButtonDownEvent = nullptr;
CTKMarkupRoutedEvent* CTKMarkupInputElement::MouseRightButtonUpEvent = nullptr;
CTKMarkupRoutedEvent* CTKMarkupInputElement::MouseRightButtonDownEvent = nullptr;
CTKMarkupRoutedEvent* CTKMarkupInputElement::MouseMoveEvent = nullptr;
CTKMarkupRoutedEvent* CTKMarkupInputElement::LostMouseCaptureEvent = nullptr;

CTKMarkupInputElement::CTKMarkupInputElement()
    : m_pHandlers(nullptr),
      m_pActiveTriggers(nullptr),
      m_pTriggerValues(nullptr),
      m_pStyle(nullptr) {}

CTKMarkupInputElement::~CTKMarkupInputElement() {
  delete m_pHandlers;
  if (m_pActiveTriggers != nullptr) m_pActiveTriggers->Release();
  if (m_pTriggerValues != nullptr) m_pTriggerValues->Release();
}

void CTKMarkupInputElement::RegisterMarkupProperties() {
  CTKMarkupType* pOwner = StaticType();
  CursorProperty = CTKMarkupDependencyProperty::Register(
      L"Cursor", CTKMarkupInt::StaticType(), pOwner,
      new CTKMarkupPropertyMetadata(nullptr, &ConvertMarkupCursor, &OnCursorChanged, 0));
  IsMouseOverProperty = CTKMarkupDependencyProperty::Register(
      L"IsMouseOver", CTKMarkupBool::StaticType(), pOwner,
      new CTKMarkupPropertyMetadata(CTKMarkupBool::CreateFalseValue(), 0));
  ResourcesProperty = CTKMarkupDependencyProperty::Register(
      L"Resources", TKMarkupTypeRow(TKMarkupRow_ResourceDictionary), pOwner);
  StyleProperty = CTKMarkupDependencyProperty::Register(
      L"Style", TKMarkupTypeRow(TKMarkupRow_Style), pOwner,
      new CTKMarkupPropertyMetadata(nullptr, &OnStyleChanged, 0));
  IsKeyboardFocusedProperty = CTKMarkupDependencyProperty::Register(
      L"IsKeyboardFocused", CTKMarkupBool::StaticType(), pOwner,
      new CTKMarkupPropertyMetadata(CTKMarkupBool::CreateFalseValue(), TK_MARKUP_AFFECTS_RENDER));
  IsFocusableProperty = CTKMarkupDependencyProperty::Register(
      L"IsFocusable", CTKMarkupBool::StaticType(), pOwner,
      new CTKMarkupPropertyMetadata(CTKMarkupBool::CreateFalseValue(), 0));
  ToolTipProperty =
      CTKMarkupDependencyProperty::Register(L"ToolTip", CTKMarkupObject::StaticType(), pOwner);

  MouseLeaveEvent = CTKMarkupRoutedEvent::RegisterRoutedEvent(L"MouseLeave", 0, pOwner);
  MouseEnterEvent = CTKMarkupRoutedEvent::RegisterRoutedEvent(L"MouseEnter", 0, pOwner);
  MouseLeftButtonUpEvent =
      CTKMarkupRoutedEvent::RegisterRoutedEvent(L"MouseLeftButtonUp", 0, pOwner);
  MouseLeftButtonDownEvent =
      CTKMarkupRoutedEvent::RegisterRoutedEvent(L"MouseLeftButtonDown", 0, pOwner);
  MouseRightButtonUpEvent =
      CTKMarkupRoutedEvent::RegisterRoutedEvent(L"MouseRightButtonUp", 0, pOwner);
  MouseRightButtonDownEvent =
      CTKMarkupRoutedEvent::RegisterRoutedEvent(L"MouseRightButtonDown", 0, pOwner);
  MouseMoveEvent = CTKMarkupRoutedEvent::RegisterRoutedEvent(L"MouseMove", 0, pOwner);
  LostMouseCaptureEvent = CTKMarkupRoutedEvent::RegisterRoutedEvent(L"LostMouseCapture", 0, pOwner);
}

CTKMarkupObject* CTKMarkupInputElement::GetLocalValue(CTKMarkupDependencyProperty* pProperty) {
  if (CTKMarkupObject* pOwn = CTKMarkupObject::GetLocalValue(pProperty)) return pOwn;
  if (m_pTriggerValues != nullptr) {
    if (CTKMarkupObject* pTriggered = m_pTriggerValues->Get(pProperty)) return pTriggered;
  }
  return GetStyleValue(pProperty);
}

CTKMarkupObject* CTKMarkupInputElement::GetStyleValue(CTKMarkupDependencyProperty* pProperty) {
  if (m_pStyle != nullptr) {
    if (CTKMarkupObject* pValue = m_pStyle->GetStyleValue(pProperty)) return pValue;
  }
  CTKMarkupStyle* pDefault = GetType()->GetDefaultStyle();
  return pDefault != nullptr ? pDefault->GetStyleValue(pProperty) : nullptr;
}

void CTKMarkupInputElement::SetPropertyObject(CTKMarkupBuilder* pBuilder,
                                              CTKMarkupDependencyProperty* pProperty,
                                              CTKMarkupObject* pValue) {
  if (pProperty == nullptr || !pProperty->IsEvent()) {
    CTKMarkupObject::SetPropertyObject(pBuilder, pProperty, pValue);
    return;
  }
  CTKMarkupContext* pContext = GetContext();
  if (pContext == nullptr) CTKMarkupBuilder::ThrowBuilderError("Markup Context is NULL");
  LPCWSTR lpszName = MarkupStringText(pValue);
  CTKMarkupDelegate* pDelegate = lpszName != nullptr ? pContext->FindDelegate(lpszName) : nullptr;
  if (pDelegate == nullptr)
    CTKMarkupBuilder::ThrowBuilderError("'%ls' delegate not found",
                                        lpszName != nullptr ? lpszName : L"");
  AddHandler(static_cast<CTKMarkupRoutedEvent*>(pProperty), pDelegate);
}

void CTKMarkupInputElement::OnMouseLeave(CTKMarkupMouseEventArgs*) {
  SetValue(IsMouseOverProperty, nullptr);
}

void CTKMarkupInputElement::OnMouseEnter(CTKMarkupMouseEventArgs*) {
  SetValue(IsMouseOverProperty, CTKMarkupBool::CreateTrueValue());
}

void CTKMarkupInputElement::OnMouseMove(CTKMarkupMouseEventArgs*) {}

void CTKMarkupInputElement::OnQueryCursor(CTKMarkupQueryCursorEventArgs* pArgs) {
  int nCursorId = 0;
  if (pArgs == nullptr || !GetCursor(&nCursorId)) return;
  pArgs->SetHandled(TRUE);
  pArgs->SetCursor(nCursorId != 0 ? ::LoadCursor(nullptr, MAKEINTRESOURCE(nCursorId)) : nullptr);
}

void CTKMarkupInputElement::OnMouseLeftButtonUp(CTKMarkupMouseButtonEventArgs*) {}
void CTKMarkupInputElement::OnMouseRightButtonUp(CTKMarkupMouseButtonEventArgs*) {}
void CTKMarkupInputElement::OnMouseLeftButtonDown(CTKMarkupMouseButtonEventArgs*) {}
void CTKMarkupInputElement::OnMouseRightButtonDown(CTKMarkupMouseButtonEventArgs*) {}
void CTKMarkupInputElement::OnLostMouseCapture(CTKMarkupMouseEventArgs*) {}
void CTKMarkupInputElement::OnMouseWheel(CTKMarkupMouseWheelEventArgs*) {}

CTKMarkupInputElement* CTKMarkupInputElement::InputHitTest(int, int) { return nullptr; }

void CTKMarkupInputElement::UpdateStyle() {
  if (m_pStyle == nullptr) {
    if (CTKMarkupStyle* pFound = MarkupCast<CTKMarkupStyle>(FindResource(GetType()))) {
      pFound->Seal();
      m_pStyle = pFound;
    }
  }
  if (m_pStyle == nullptr) return;
  ApplyTriggers(nullptr, nullptr);
}

void CTKMarkupInputElement::RaiseEvent(CTKMarkupRoutedEventArgs* pArgs) {
  if (pArgs == nullptr || pArgs->GetRoutedEvent() == nullptr) return;
  if (!pArgs->GetRoutedEvent()->IsBubbling()) {
    if (m_pHandlers != nullptr) m_pHandlers->Raise(this, pArgs);
    return;
  }
  const CTKMarkupType* pInputType = StaticType();
  for (CTKMarkupObject* pObject = this; pObject != nullptr; pObject = pObject->GetParent()) {
    if (!pObject->IsKindOf(pInputType)) continue;
    CTKMarkupInputElement* pElement = static_cast<CTKMarkupInputElement*>(pObject);
    if (pElement->m_pHandlers == nullptr) continue;
    pElement->m_pHandlers->Raise(pElement, pArgs);
    if (pArgs->GetHandled()) return;
  }
  RaiseGlobalHandlers(pArgs);
}

// The context has no global handlers yet; mouse input adds them.
void CTKMarkupInputElement::RaiseGlobalHandlers(CTKMarkupRoutedEventArgs* pArgs) {
  if (GetContext() != nullptr) GetContext()->RaiseEvent(pArgs->GetSource(), pArgs);
}

void CTKMarkupInputElement::AddHandler(CTKMarkupRoutedEvent* pEvent, CTKMarkupDelegate* pDelegate) {
  if (pEvent == nullptr || pDelegate == nullptr) return;
  if (m_pHandlers == nullptr) m_pHandlers = new CTKMarkupEventHandlerMap;
  m_pHandlers->Add(pEvent, pDelegate);
}

void CTKMarkupInputElement::CaptureMouse() {
  if (GetContext() != nullptr) GetContext()->SetCapture(this);
}

void CTKMarkupInputElement::ReleaseMouseCapture() {
  if (GetContext() != nullptr) GetContext()->ReleaseCapture(this);
}

void CTKMarkupInputElement::Focus() {
  if (GetContext() != nullptr) GetContext()->GetKeyboardNavigation()->Focus(this);
}

CTKMarkupObject* CTKMarkupInputElement::FindResource(CTKMarkupObject* pKey) {
  return FindMarkupResource(this, pKey);
}

namespace {

// The property's value before the triggers changed it; the first one kept
// for each property wins.
struct TriggerChange {
  CTKMarkupDependencyProperty* pProperty;
  CTKMarkupObject* pOldValue;  // counted
};

void RememberOldValue(std::vector<TriggerChange>& changes, CTKMarkupDependencyProperty* pProperty,
                      CTKMarkupObject* pOldValue) {
  for (const TriggerChange& change : changes) {
    if (change.pProperty == pProperty) return;
  }
  if (pOldValue != nullptr) pOldValue->AddRef();
  changes.push_back(TriggerChange{pProperty, pOldValue});
}

bool ValuesEqual(CTKMarkupObject* pExpected, CTKMarkupObject* pValue) {
  if (pExpected == pValue) return true;
  return pExpected != nullptr && pValue != nullptr && pExpected->IsEqual(pValue);
}

// An inherited change goes to every descendant of the property's owner type.
void NotifyInheritedChange(CTKMarkupObject* pObject, CTKMarkupDependencyProperty* pProperty,
                           CTKMarkupObject* pOldValue, CTKMarkupObject* pNewValue) {
  const int nCount = pObject->GetLogicalChildrenCount();
  for (int i = 0; i < nCount; ++i) {
    CTKMarkupObject* pChild = pObject->GetLogicalChild(i);
    if (pChild == nullptr) continue;
    if (pChild->IsKindOf(pProperty->GetOwnerType()))
      pChild->OnPropertyChanged(pProperty, pOldValue, pNewValue);
    NotifyInheritedChange(pChild, pProperty, pOldValue, pNewValue);
  }
}

// Styles based on one another deeper than this are taken as a cycle.
const int kMaxBasedOnDepth = 64;

}  // namespace

BOOL CTKMarkupInputElement::AddActiveTriggers(CTKMarkupStyle* pStyle,
                                              CTKMarkupDependencyProperty* pProperty,
                                              CTKMarkupObject* pValue, int nDepth) {
  if (pStyle == nullptr || nDepth > kMaxBasedOnDepth) return FALSE;
  BOOL bAdded = AddActiveTriggers(pStyle->GetBasedOn(), pProperty, pValue, nDepth + 1);
  CTKMarkupTriggerCollection* pTriggers = pStyle->GetTriggers();
  if (pTriggers == nullptr) return bAdded;
  for (int i = pTriggers->GetCount() - 1; i >= 0; --i) {
    CTKMarkupTrigger* pTrigger = MarkupTriggerAt(pTriggers, i);
    CTKMarkupDependencyProperty* pTriggerProperty = pTrigger->GetTriggerProperty();
    if (pTriggerProperty == nullptr) continue;
    CTKMarkupObject* pCurrent = pValue;
    if (pProperty == nullptr) {
      pCurrent = GetValue(pTriggerProperty);
    } else if (pTriggerProperty != pProperty) {
      continue;
    }
    if (!ValuesEqual(pTrigger->GetTriggerValue(), pCurrent)) continue;
    // Setting a property to the value it has must not stack the trigger twice.
    if (m_pActiveTriggers != nullptr && m_pActiveTriggers->IndexOf(pTrigger) >= 0) continue;
    if (m_pActiveTriggers == nullptr) m_pActiveTriggers = new CTKMarkupActiveTriggerCollection;
    pTrigger->AddRef();
    m_pActiveTriggers->Add(pTrigger);
    bAdded = TRUE;
  }
  return bAdded;
}

void CTKMarkupInputElement::ApplyTriggers(CTKMarkupDependencyProperty* pProperty,
                                          CTKMarkupObject* pValue) {
  std::vector<TriggerChange> changes;
  BOOL bChanged = FALSE;

  // Triggers on this property whose condition no longer holds let go.
  for (int i = m_pActiveTriggers != nullptr ? m_pActiveTriggers->GetCount() - 1 : -1; i >= 0; --i) {
    CTKMarkupTrigger* pTrigger = m_pActiveTriggers->GetTrigger(i);
    if (pProperty == nullptr || pTrigger->GetTriggerProperty() != pProperty ||
        ValuesEqual(pTrigger->GetTriggerValue(), pValue))
      continue;
    if (CTKMarkupSetterCollection* pSetters = pTrigger->GetSetters()) {
      for (int j = 0; j < pSetters->GetCount(); ++j) {
        CTKMarkupDependencyProperty* pSetterProperty = MarkupSetterAt(pSetters, j)->GetProperty();
        if (pSetterProperty == nullptr || m_pTriggerValues == nullptr) continue;
        RememberOldValue(changes, pSetterProperty, m_pTriggerValues->Get(pSetterProperty));
        m_pTriggerValues->Clear(pSetterProperty);
      }
    }
    m_pActiveTriggers->RemoveAt(i);
    bChanged = TRUE;
  }

  CTKMarkupStyle* pStyle = m_pStyle != nullptr ? m_pStyle : GetType()->GetDefaultStyle();
  if (AddActiveTriggers(pStyle, pProperty, pValue, 0)) bChanged = TRUE;

  if (bChanged && m_pActiveTriggers != nullptr) {
    if (m_pTriggerValues == nullptr) m_pTriggerValues = new CTKMarkupProperties(nullptr);
    for (int i = 0; i < m_pActiveTriggers->GetCount(); ++i) {
      CTKMarkupSetterCollection* pSetters = m_pActiveTriggers->GetTrigger(i)->GetSetters();
      for (int j = 0; pSetters != nullptr && j < pSetters->GetCount(); ++j) {
        CTKMarkupSetter* pSetter = MarkupSetterAt(pSetters, j);
        CTKMarkupDependencyProperty* pSetterProperty = pSetter->GetProperty();
        CTKMarkupObject* pSetterValue = pSetter->GetValue();
        if (pSetterProperty == nullptr) continue;
        CTKMarkupObject* pCurrent = m_pTriggerValues->Get(pSetterProperty);
        if (pCurrent == pSetterValue) continue;
        RememberOldValue(changes, pSetterProperty, pCurrent);
        if (pSetterValue != nullptr) pSetterValue->AddRef();
        m_pTriggerValues->Set(pSetterProperty, pSetterValue);
      }
    }
  }

  // The notifications may change properties again (and so come back here):
  // they run once the triggers are consistent.
  for (TriggerChange& change : changes) {
    CTKMarkupObject* pNew =
        m_pTriggerValues != nullptr ? m_pTriggerValues->Get(change.pProperty) : nullptr;
    if (change.pOldValue != nullptr || pNew != nullptr) {
      CTKMarkupAutoPtr<> keepNew(pNew);
      if (pNew != nullptr) pNew->AddRef();
      OnPropertyChanged(change.pProperty, change.pOldValue, pNew);
      if (change.pProperty->GetFlags() & TK_MARKUP_INHERITS)
        NotifyInheritedChange(this, change.pProperty, change.pOldValue, pNew);
    }
    if (change.pOldValue != nullptr) change.pOldValue->Release();
  }
}

void CTKMarkupInputElement::UpdateStylesOfTree(CTKMarkupObject* pRoot) {
  if (pRoot == nullptr) return;
  const int nCount = pRoot->GetLogicalChildrenCount();
  for (int i = 0; i < nCount; ++i) UpdateStylesOfTree(pRoot->GetLogicalChild(i));
  // The class decides, not the type row: a type may name an input-element
  // base for a class that is none (stand-ins registered at run time).
  if (CTKMarkupInputElement* pElement = dynamic_cast<CTKMarkupInputElement*>(pRoot))
    pElement->UpdateStyle();
}

void CTKMarkupInputElement::OnStyleChanged(CTKMarkupObject* pObject,
                                           const TK_MARKUP_PROPERTY_CHANGE& change) {
  CTKMarkupInputElement* pElement = MarkupCast<CTKMarkupInputElement>(pObject);
  if (pElement == nullptr) return;
  // The element does not count its style: a style that is taken away must
  // not be read again.
  CTKMarkupStyle* pStyle = MarkupCast<CTKMarkupStyle>(change.pNewValue);
  if (pStyle != nullptr) pStyle->Seal();
  pElement->m_pStyle = pStyle;
}

// The context's cursor query under the mouse comes with mouse input.
void CTKMarkupInputElement::OnCursorChanged(CTKMarkupObject*, const TK_MARKUP_PROPERTY_CHANGE&) {}

BOOL CTKMarkupInputElement::IsMouseOver() {
  CTKMarkupBool* pValue = static_cast<CTKMarkupBool*>(GetValue(IsMouseOverProperty));
  return pValue != nullptr && pValue->GetValue();
}

BOOL CTKMarkupInputElement::IsKeyboardFocused() {
  CTKMarkupBool* pValue = static_cast<CTKMarkupBool*>(GetValue(IsKeyboardFocusedProperty));
  return pValue != nullptr && pValue->GetValue();
}

CTKMarkupObject* CTKMarkupInputElement::GetToolTip() { return GetValue(ToolTipProperty); }

BOOL CTKMarkupInputElement::GetCursor(int* pnCursorId) {
  CTKMarkupInt* pValue = static_cast<CTKMarkupInt*>(GetValue(CursorProperty));
  if (pValue == nullptr) return FALSE;
  if (pnCursorId != nullptr) *pnCursorId = pValue->GetValue();
  return TRUE;
}

LPCWSTR CTKMarkupInputElement::GetName() { return MarkupStringText(GetValue(NameProperty)); }
