// CTKMarkupUIElement: the members scripts reach.
#include "TKMarkupElementDispatchValues.h"
#include "markup/TKMarkupUIElement.h"
#include "TKMarkupValues.h"

BEGIN_DISPATCH_MAP(CTKMarkupUIElement, CTKMarkupVisual)
DISP_PROPERTY_EX_ID(CTKMarkupUIElement, "ClipToBounds", 300, DispGetClipToBounds,
                    DispSetClipToBounds, VT_BOOL)
DISP_PROPERTY_EX_ID(CTKMarkupUIElement, "Visibility", 301, DispGetVisibility, DispSetVisibility,
                    VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupUIElement, "Focusable", 302, DispGetFocusable, DispSetFocusable,
                    VT_BOOL)
DISP_PROPERTY_EX_ID(CTKMarkupUIElement, "IsEnabled", 303, DispGetIsEnabled, DispSetIsEnabled,
                    VT_BOOL)
DISP_PROPERTY_EX_ID(CTKMarkupUIElement, "RenderTransform", 304, DispGetRenderTransform,
                    SetNotSupported, VT_DISPATCH)
END_DISPATCH_MAP()

BOOL CTKMarkupUIElement::DispGetClipToBounds() { return GetClipToBounds(); }

void CTKMarkupUIElement::DispSetClipToBounds(BOOL bClip) { SetClipToBounds(bClip); }

long CTKMarkupUIElement::DispGetVisibility() { return GetVisibility(); }

void CTKMarkupUIElement::DispSetVisibility(long nVisibility) {
  SetValue(VisibilityProperty, CTKMarkupEnum::CreateValue(static_cast<int>(nVisibility)));
}

BOOL CTKMarkupUIElement::DispGetFocusable() { return GetFocusable(); }

void CTKMarkupUIElement::DispSetFocusable(BOOL bFocusable) {
  SetValue(FocusableProperty, CTKMarkupBool::CreateValue(bFocusable));
}

BOOL CTKMarkupUIElement::DispGetIsEnabled() { return GetIsEnabled(); }

void CTKMarkupUIElement::DispSetIsEnabled(BOOL bEnabled) {
  SetValue(IsEnabledProperty, CTKMarkupBool::CreateValue(bEnabled));
}

LPDISPATCH CTKMarkupUIElement::DispGetRenderTransform() {
  return MarkupObjectDispatch(GetRenderTransform());
}
