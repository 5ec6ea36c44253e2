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
