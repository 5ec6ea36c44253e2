// CTKMarkupVisual: the members scripts reach.
#include "TKMarkupElementDispatchValues.h"
#include "markup/TKMarkupVisual.h"

BEGIN_DISPATCH_MAP(CTKMarkupVisual, CTKMarkupInputElement)
DISP_PROPERTY_EX_ID(CTKMarkupVisual, "VisualParent", 200, DispGetVisualParent, SetNotSupported,
                    VT_DISPATCH)
DISP_FUNCTION_ID(CTKMarkupVisual, "GetBoundingRect", 201, DispGetBoundingRect, VT_EMPTY,
                 VTS_PI4 VTS_PI4 VTS_PI4 VTS_PI4)
DISP_PROPERTY_EX_ID(CTKMarkupVisual, "ActualWidth", 202, DispGetActualWidth, SetNotSupported, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupVisual, "ActualHeight", 203, DispGetActualHeight, SetNotSupported,
                    VT_I4)
END_DISPATCH_MAP()

LPDISPATCH CTKMarkupVisual::DispGetVisualParent() {
  return MarkupObjectDispatch(GetVisualParent());
}

// In the window coordinates of the context: the bound rectangle moved by the
// offsets of the element and of its visual ancestors.
void CTKMarkupVisual::DispGetBoundingRect(long* pnLeft, long* pnTop, long* pnRight,
                                          long* pnBottom) {
  const CRect rc = GetBoundRect() + GetAbsoluteOffset();
  if (pnLeft != nullptr) *pnLeft = rc.left;
  if (pnTop != nullptr) *pnTop = rc.top;
  if (pnRight != nullptr) *pnRight = rc.right;
  if (pnBottom != nullptr) *pnBottom = rc.bottom;
}

long CTKMarkupVisual::DispGetActualWidth() { return GetActualWidth(); }

long CTKMarkupVisual::DispGetActualHeight() { return GetActualHeight(); }
