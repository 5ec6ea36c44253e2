// Border: the automation members scripts use.
#include "TKMarkupBorder.h"

#include "TKMarkupElementDispatchValues.h"
#include "TKMarkupBrush.h"
#include "TKMarkupThickness.h"
#include "markup/TKMarkupUIElement.h"

BEGIN_DISPATCH_MAP(CTKMarkupBorder, CTKMarkupDecorator)
DISP_PROPERTY_EX_ID(CTKMarkupBorder, "Background", 500, DispGetBackground, DispSetBackground,
                    VT_DISPATCH)
DISP_PROPERTY_EX_ID(CTKMarkupBorder, "BorderThickness", 501, DispGetBorderThickness,
                    DispSetBorderThickness, VT_DISPATCH)
DISP_PROPERTY_EX_ID(CTKMarkupBorder, "Padding", 502, DispGetPadding, DispSetPadding, VT_DISPATCH)
DISP_PROPERTY_EX_ID(CTKMarkupBorder, "BorderBrush", 503, DispGetBorderBrush, DispSetBorderBrush,
                    VT_DISPATCH)
DISP_PROPERTY_EX_ID(CTKMarkupBorder, "CornerRadius", 504, DispGetCornerRadius,
                    DispSetCornerRadius, VT_DISPATCH)
DISP_PROPERTY_EX_ID(CTKMarkupBorder, "Child", 505, DispGetChild, DispSetChild, VT_DISPATCH)
END_DISPATCH_MAP()

LPDISPATCH CTKMarkupBorder::DispGetBackground() { return MarkupObjectDispatch(GetBackground()); }

void CTKMarkupBorder::DispSetBackground(LPDISPATCH pValue) {
  SetBackground(MarkupDispatchArgument<CTKMarkupBrush>(pValue, TRUE));
}

LPDISPATCH CTKMarkupBorder::DispGetBorderThickness() {
  return MarkupObjectDispatch(GetBorderThickness());
}

void CTKMarkupBorder::DispSetBorderThickness(LPDISPATCH pValue) {
  SetBorderThickness(MarkupDispatchArgument<CTKMarkupThickness>(pValue, TRUE));
}

LPDISPATCH CTKMarkupBorder::DispGetPadding() { return MarkupObjectDispatch(GetPadding()); }

void CTKMarkupBorder::DispSetPadding(LPDISPATCH pValue) {
  SetPadding(MarkupDispatchArgument<CTKMarkupThickness>(pValue, TRUE));
}

LPDISPATCH CTKMarkupBorder::DispGetBorderBrush() { return MarkupObjectDispatch(GetBorderBrush()); }

void CTKMarkupBorder::DispSetBorderBrush(LPDISPATCH pValue) {
  SetBorderBrush(MarkupDispatchArgument<CTKMarkupBrush>(pValue, TRUE));
}

LPDISPATCH CTKMarkupBorder::DispGetCornerRadius() {
  return MarkupObjectDispatch(GetCornerRadius());
}

void CTKMarkupBorder::DispSetCornerRadius(LPDISPATCH pValue) {
  SetCornerRadius(MarkupDispatchArgument<CTKMarkupThickness>(pValue, TRUE));
}

LPDISPATCH CTKMarkupBorder::DispGetChild() { return MarkupObjectDispatch(GetChild()); }

void CTKMarkupBorder::DispSetChild(LPDISPATCH pValue) {
  CTKMarkupUIElement* pChild = MarkupDispatchArgument<CTKMarkupUIElement>(pValue, TRUE);
  if (pChild == GetChild()) return;
  // An element placed elsewhere, or the border or one of its own parents,
  // would give the tree two parents for one element or a loop.
  if (pChild != nullptr && pChild->GetParent() != nullptr) AfxThrowOleException(E_INVALIDARG);
  for (CTKMarkupObject* pAncestor = this; pAncestor != nullptr;
       pAncestor = pAncestor->GetParent()) {
    if (pAncestor == pChild) AfxThrowOleException(E_INVALIDARG);
  }
  SetChild(pChild);
}
