// CTKMarkupInputElement: the members scripts reach.
#include "TKMarkupElementDispatchValues.h"
#include "markup/TKMarkupInputElement.h"
#include "TKMarkupString.h"
#include "TKMarkupValues.h"

BEGIN_DISPATCH_MAP(CTKMarkupInputElement, CTKMarkupObject)
DISP_PROPERTY_EX_ID(CTKMarkupInputElement, "Cursor", 100, DispGetCursor, DispSetCursor, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupInputElement, "ToolTip", 101, DispGetToolTip, DispSetToolTip,
                    VT_VARIANT)
DISP_PROPERTY_EX_ID(CTKMarkupInputElement, "IsMouseOver", 102, DispGetIsMouseOver, SetNotSupported,
                    VT_BOOL)
DISP_PROPERTY_EX_ID(CTKMarkupInputElement, "MouseLeaveEvent", 104, DispGetMouseLeaveEvent,
                    SetNotSupported, VT_DISPATCH)
DISP_PROPERTY_EX_ID(CTKMarkupInputElement, "MouseEnterEvent", 105, DispGetMouseEnterEvent,
                    SetNotSupported, VT_DISPATCH)
DISP_PROPERTY_EX_ID(CTKMarkupInputElement, "MouseLeftButtonUpEvent", 106,
                    DispGetMouseLeftButtonUpEvent, SetNotSupported, VT_DISPATCH)
DISP_PROPERTY_EX_ID(CTKMarkupInputElement, "MouseLeftButtonDownEvent", 107,
                    DispGetMouseLeftButtonDownEvent, SetNotSupported, VT_DISPATCH)
DISP_PROPERTY_EX_ID(CTKMarkupInputElement, "MouseRightButtonUpEvent", 108,
                    DispGetMouseRightButtonUpEvent, SetNotSupported, VT_DISPATCH)
DISP_PROPERTY_EX_ID(CTKMarkupInputElement, "MouseRightButtonDownEvent", 109,
                    DispGetMouseRightButtonDownEvent, SetNotSupported, VT_DISPATCH)
DISP_PROPERTY_EX_ID(CTKMarkupInputElement, "MouseMoveEvent", 110, DispGetMouseMoveEvent,
                    SetNotSupported, VT_DISPATCH)
DISP_PROPERTY_EX_ID(CTKMarkupInputElement, "LostMouseCaptureEvent", 111,
                    DispGetLostMouseCaptureEvent, SetNotSupported, VT_DISPATCH)
DISP_FUNCTION_ID(CTKMarkupInputElement, "FindName", 112, DispFindName, VT_DISPATCH, VTS_BSTR)
DISP_PROPERTY_EX_ID(CTKMarkupInputElement, "Name", 113, DispGetName, DispSetName, VT_BSTR)
DISP_FUNCTION_ID(CTKMarkupInputElement, "CaptureMouse", 114, DispCaptureMouse, VT_EMPTY, VTS_NONE)
DISP_FUNCTION_ID(CTKMarkupInputElement, "ReleaseMouseCapture", 115, DispReleaseMouseCapture,
                 VT_EMPTY, VTS_NONE)
END_DISPATCH_MAP()

long CTKMarkupInputElement::DispGetCursor() {
  int nCursor = 0;
  return GetCursor(&nCursor) ? nCursor : 0;
}

void CTKMarkupInputElement::DispSetCursor(long nCursor) {
  SetValue(CursorProperty, new CTKMarkupInt(static_cast<int>(nCursor)));
}

VARIANT CTKMarkupInputElement::DispGetToolTip() { return MarkupObjectToVariant(GetToolTip()); }

void CTKMarkupInputElement::DispSetToolTip(const VARIANT& value) {
  SetValue(ToolTipProperty, MarkupStringFromVariant(value));
}

BOOL CTKMarkupInputElement::DispGetIsMouseOver() { return IsMouseOver(); }

LPDISPATCH CTKMarkupInputElement::DispGetMouseLeaveEvent() {
  return MarkupObjectDispatch(MouseLeaveEvent);
}
LPDISPATCH CTKMarkupInputElement::DispGetMouseEnterEvent() {
  return MarkupObjectDispatch(MouseEnterEvent);
}
LPDISPATCH CTKMarkupInputElement::DispGetMouseLeftButtonUpEvent() {
  return MarkupObjectDispatch(MouseLeftButtonUpEvent);
}
LPDISPATCH CTKMarkupInputElement::DispGetMouseLeftButtonDownEvent() {
  return MarkupObjectDispatch(MouseLeftButtonDownEvent);
}
LPDISPATCH CTKMarkupInputElement::DispGetMouseRightButtonUpEvent() {
  return MarkupObjectDispatch(MouseRightButtonUpEvent);
}
LPDISPATCH CTKMarkupInputElement::DispGetMouseRightButtonDownEvent() {
  return MarkupObjectDispatch(MouseRightButtonDownEvent);
}
LPDISPATCH CTKMarkupInputElement::DispGetMouseMoveEvent() {
  return MarkupObjectDispatch(MouseMoveEvent);
}
LPDISPATCH CTKMarkupInputElement::DispGetLostMouseCaptureEvent() {
  return MarkupObjectDispatch(LostMouseCaptureEvent);
}

LPDISPATCH CTKMarkupInputElement::DispFindName(LPCWSTR lpszName) {
  return MarkupObjectDispatch(lpszName != nullptr ? FindName(lpszName) : nullptr);
}

BSTR CTKMarkupInputElement::DispGetName() {
  LPCWSTR lpszName = GetName();
  return SysAllocString(lpszName != nullptr ? lpszName : L"");
}

void CTKMarkupInputElement::DispSetName(LPCWSTR lpszName) {
  SetValue(NameProperty, CTKMarkupString::CreateValue(lpszName));
}

void CTKMarkupInputElement::DispCaptureMouse() { CaptureMouse(); }

void CTKMarkupInputElement::DispReleaseMouseCapture() { ReleaseMouseCapture(); }

// Routed events ------------------------------------------------------------------------

BEGIN_DISPATCH_MAP(CTKMarkupRoutedEvent, CTKMarkupDependencyProperty)
DISP_PROPERTY_EX_ID(CTKMarkupRoutedEvent, "Name", 100, DispGetName, SetNotSupported, VT_BSTR)
END_DISPATCH_MAP()

BSTR CTKMarkupRoutedEvent::DispGetName() {
  return SysAllocString(GetName() != nullptr ? GetName() : L"");
}
