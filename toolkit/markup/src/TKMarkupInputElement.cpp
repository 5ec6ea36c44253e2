// Input elements: properties, routed events, cursor and mouse-over state.
#include "markup/TKMarkupInputElement.h"

#include "markup/TKMarkupBuilder.h"
#include "markup/TKMarkupContext.h"
#include "markup/TKMarkupConverters.h"
#include "markup/TKMarkupDelegate.h"
#include "markup/TKMarkupProperties.h"
#include "markup/TKMarkupString.h"
#include "markup/TKMarkupType.h"
#include "markup/TKMarkupTypeTable.h"
#include "markup/TKMarkupValues.h"

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

// Styles and their setters are not part of this layer yet: no element has a
// style value until they are.
CTKMarkupObject* CTKMarkupInputElement::GetStyleValue(CTKMarkupDependencyProperty*) {
  return nullptr;
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
    CTKMarkupObject* pFound = FindResource(GetType());
    if (pFound != nullptr && pFound->IsKindOf(TKMarkupTypeRow(TKMarkupRow_Style)))
      m_pStyle = pFound;
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

// Keyboard navigation keeps no focus of its own: handing it the element
// changes nothing.
void CTKMarkupInputElement::Focus() {}

// Resource dictionaries come with styles; until then nothing is found.
CTKMarkupObject* CTKMarkupInputElement::FindResource(CTKMarkupObject*) { return nullptr; }

// Triggers come with styles; without them there is nothing to re-evaluate.
void CTKMarkupInputElement::ApplyTriggers(CTKMarkupDependencyProperty*, CTKMarkupObject*) {}

void CTKMarkupInputElement::UpdateStylesOfTree(CTKMarkupObject* pRoot) {
  if (pRoot == nullptr) return;
  const int nCount = pRoot->GetLogicalChildrenCount();
  for (int i = 0; i < nCount; ++i) UpdateStylesOfTree(pRoot->GetLogicalChild(i));
  if (pRoot->IsKindOf(StaticType())) static_cast<CTKMarkupInputElement*>(pRoot)->UpdateStyle();
}

void CTKMarkupInputElement::OnStyleChanged(CTKMarkupObject* pObject,
                                           const TK_MARKUP_PROPERTY_CHANGE& change) {
  CTKMarkupInputElement* pElement = MarkupCast<CTKMarkupInputElement>(pObject);
  if (pElement != nullptr && change.pNewValue != nullptr) pElement->m_pStyle = change.pNewValue;
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
