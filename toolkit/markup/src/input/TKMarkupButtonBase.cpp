// CTKMarkupButtonBase: the pressed state, the Click and the button theme.
#include "TKMarkupButtonBase.h"

#include "common/TKWinThemeWrapper.h"
#include "markup/TKMarkupContext.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupButtonBase, TKMarkupRow_ButtonBase)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupButtonBase)

CTKMarkupRoutedEvent* CTKMarkupButtonBase::ClickEvent = nullptr;
CTKMarkupDependencyProperty* CTKMarkupButtonBase::IsPressedProperty = nullptr;

BEGIN_DISPATCH_MAP(CTKMarkupButtonBase, CTKMarkupContentControl)
DISP_PROPERTY_EX(CTKMarkupButtonBase, "IsPressed", DispGetIsPressed, DispSetIsPressed, VT_BOOL)
DISP_PROPERTY_EX(CTKMarkupButtonBase, "ClickEvent", DispGetClickEvent, SetNotSupported, VT_DISPATCH)
END_DISPATCH_MAP()

CTKMarkupButtonBase::CTKMarkupButtonBase()
    : m_bPressed(0), m_bMouseInside(0), m_pTheme(new CTKWinThemeWrapper(TRUE)), m_nThemeSerial(-1) {
  SetValue(FocusableProperty, CTKMarkupBool::CreateTrueValue());
}

CTKMarkupButtonBase::~CTKMarkupButtonBase() { delete m_pTheme; }

void CTKMarkupButtonBase::RegisterMarkupProperties() {
  ClickEvent =
      CTKMarkupRoutedEvent::RegisterRoutedEvent(L"Click", TK_MARKUP_ROUTE_BUBBLE, StaticType());
  IsPressedProperty = CTKMarkupDependencyProperty::Register(
      L"IsPressed", CTKMarkupBool::StaticType(), StaticType(),
      new CTKMarkupPropertyMetadata(CTKMarkupBool::CreateFalseValue(), TK_MARKUP_AFFECTS_MEASURE));
}

void CTKMarkupButtonBase::OnClick() {
  CTKMarkupRoutedEventArgs* pArgs = new CTKMarkupRoutedEventArgs(ClickEvent);
  pArgs->SetSource(this);
  RaiseEvent(pArgs);
  pArgs->Release();
}

BOOL CTKMarkupButtonBase::GetIsPressed() {
  CTKMarkupBool* pValue = MarkupCast<CTKMarkupBool>(GetValue(IsPressedProperty));
  return pValue != nullptr && pValue->GetValue();
}

void CTKMarkupButtonBase::SetPressed(BOOL bPressed) {
  if (bPressed && !m_bPressed) {
    m_bPressed = 1;
    SetValue(IsPressedProperty, CTKMarkupBool::CreateTrueValue());
  } else if (!bPressed && m_bPressed) {
    m_bPressed = 0;
    SetValue(IsPressedProperty, nullptr);
    // The pointer left while the mouse was captured: the leave kept the
    // hover look, which goes now.
    if (!m_bMouseInside && IsMouseOver()) {
      SetValue(IsMouseOverProperty, nullptr);
      InvalidateVisual();
    }
  }
}

void CTKMarkupButtonBase::OnMouseEnter(CTKMarkupMouseEventArgs* pArgs) {
  m_bMouseInside = 1;
  if (m_bPressed) {
    SetValue(IsPressedProperty, CTKMarkupBool::CreateTrueValue());
    return;
  }
  CTKMarkupContentControl::OnMouseEnter(pArgs);
  InvalidateVisual();
}

void CTKMarkupButtonBase::OnMouseLeave(CTKMarkupMouseEventArgs* pArgs) {
  m_bMouseInside = 0;
  if (m_bPressed) {
    // Looks released while the pointer is outside.
    SetValue(IsPressedProperty, nullptr);
    return;
  }
  CTKMarkupContentControl::OnMouseLeave(pArgs);
  InvalidateVisual();
}

void CTKMarkupButtonBase::OnMouseLeftButtonDown(CTKMarkupMouseButtonEventArgs* pArgs) {
  pArgs->SetHandled(TRUE);
  if (!GetIsEnabled()) return;
  Focus();
  SetPressed(TRUE);
  CaptureMouse();
}

void CTKMarkupButtonBase::OnMouseLeftButtonUp(CTKMarkupMouseButtonEventArgs* pArgs) {
  if (!m_bPressed) return;
  ReleaseMouseCapture();
  SetPressed(FALSE);
  // Released outside: no click.
  if (m_bMouseInside) OnClick();
  pArgs->SetHandled(TRUE);
}

void CTKMarkupButtonBase::OnLostMouseCapture(CTKMarkupMouseEventArgs*) { SetPressed(FALSE); }

CTKWinThemeWrapper* CTKMarkupButtonBase::GetTheme() {
  CTKMarkupContext* pContext = GetContext();
  int nSerial = pContext != nullptr ? pContext->GetThemeSerial() : 0;
  if (m_nThemeSerial != nSerial) {
    m_nThemeSerial = nSerial;
    m_pTheme->OpenThemeData(nullptr, L"BUTTON");
  }
  return m_pTheme;
}

BOOL CTKMarkupButtonBase::IsThemed() { return GetTheme()->IsAppThemedAndOpen(); }

BOOL CTKMarkupButtonBase::DispGetIsPressed() { return GetIsPressed(); }

void CTKMarkupButtonBase::DispSetIsPressed(BOOL) {}

LPDISPATCH CTKMarkupButtonBase::DispGetClickEvent() { return ClickEvent->GetIDispatch(TRUE); }
