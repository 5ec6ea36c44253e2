// Helpers of the element dispatch maps: variant values of markup objects.
// Private.
#pragma once

#include "markup/TKMarkupObject.h"

/// A string value as a BSTR, another object as its IDispatch (a reference
/// added), VT_NULL for none.
VARIANT MarkupObjectToVariant(CTKMarkupObject* pValue);
/// A new string value from a string variant (one reference); any other
/// variant raises the OLE error DISP_E_TYPEMISMATCH.
CTKMarkupObject* MarkupStringFromVariant(const VARIANT& value);
/// The IDispatch of an object with a reference added, or null.
LPDISPATCH MarkupObjectDispatch(CTKMarkupObject* pObject);

/// The markup object behind a script's IDispatch as a T (no reference
/// added); null for null when `bAllowNull`. Anything else, a foreign object
/// included, raises the OLE error E_INVALIDARG.
template <class T>
T* MarkupDispatchArgument(LPDISPATCH pDispatch, BOOL bAllowNull) {
  if (pDispatch == nullptr && bAllowNull) return nullptr;
  T* pObject = MarkupCast<T>(MarkupObjectFromDispatch(pDispatch, FALSE));
  if (pObject == nullptr) AfxThrowOleException(E_INVALIDARG);
  return pObject;
}
