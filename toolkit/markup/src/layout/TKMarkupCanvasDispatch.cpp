// Canvas: the automation methods scripts use to place elements.
#include "TKMarkupCanvas.h"

#include "TKMarkupElementDispatchValues.h"

BEGIN_DISPATCH_MAP(CTKMarkupCanvas, CTKMarkupPanel)
DISP_FUNCTION_ID(CTKMarkupCanvas, "SetLeft", 600, DispSetLeft, VT_EMPTY, VTS_DISPATCH VTS_I4)
DISP_FUNCTION_ID(CTKMarkupCanvas, "SetTop", 601, DispSetTop, VT_EMPTY, VTS_DISPATCH VTS_I4)
DISP_FUNCTION_ID(CTKMarkupCanvas, "SetRight", 602, DispSetRight, VT_EMPTY, VTS_DISPATCH VTS_I4)
DISP_FUNCTION_ID(CTKMarkupCanvas, "SetBottom", 603, DispSetBottom, VT_EMPTY, VTS_DISPATCH VTS_I4)
DISP_FUNCTION_ID(CTKMarkupCanvas, "GetLeft", 604, DispGetLeft, VT_I4, VTS_DISPATCH)
DISP_FUNCTION_ID(CTKMarkupCanvas, "GetTop", 605, DispGetTop, VT_I4, VTS_DISPATCH)
DISP_FUNCTION_ID(CTKMarkupCanvas, "GetRight", 606, DispGetRight, VT_I4, VTS_DISPATCH)
DISP_FUNCTION_ID(CTKMarkupCanvas, "GetBottom", 607, DispGetBottom, VT_I4, VTS_DISPATCH)
END_DISPATCH_MAP()

namespace {

CTKMarkupObject* Element(LPDISPATCH pElement) {
  CTKMarkupObject* pObject = MarkupObjectFromDispatch(pElement, FALSE);
  if (pObject == nullptr) AfxThrowOleException(E_INVALIDARG);
  return pObject;
}

}  // namespace

void CTKMarkupCanvas::DispSetLeft(LPDISPATCH pElement, long nValue) {
  SetLeft(Element(pElement), nValue);
}

void CTKMarkupCanvas::DispSetTop(LPDISPATCH pElement, long nValue) {
  SetTop(Element(pElement), nValue);
}

void CTKMarkupCanvas::DispSetRight(LPDISPATCH pElement, long nValue) {
  SetRight(Element(pElement), nValue);
}

void CTKMarkupCanvas::DispSetBottom(LPDISPATCH pElement, long nValue) {
  SetBottom(Element(pElement), nValue);
}

long CTKMarkupCanvas::DispGetLeft(LPDISPATCH pElement) { return GetLeft(Element(pElement)); }

long CTKMarkupCanvas::DispGetTop(LPDISPATCH pElement) { return GetTop(Element(pElement)); }

long CTKMarkupCanvas::DispGetRight(LPDISPATCH pElement) { return GetRight(Element(pElement)); }

long CTKMarkupCanvas::DispGetBottom(LPDISPATCH pElement) { return GetBottom(Element(pElement)); }
