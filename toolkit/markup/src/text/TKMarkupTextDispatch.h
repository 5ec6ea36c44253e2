// What scripts see of text properties, shared by text elements and text
// blocks (which own the same properties).
#pragma once

#include "markup/TKMarkupObject.h"

/// The integer of an enumeration or integer value, or `nDefault` when unset.
long TextDispGetInt(CTKMarkupObject* pObject, CTKMarkupDependencyProperty* pProperty,
                    long nDefault);
/// Stores a new enumeration value (`bEnum`) or integer value.
void TextDispSetInt(CTKMarkupObject* pObject, CTKMarkupDependencyProperty* pProperty, long nValue,
                    BOOL bEnum);
/// The value's IDispatch (a reference for the caller), or null.
LPDISPATCH TextDispGetObject(CTKMarkupObject* pObject, CTKMarkupDependencyProperty* pProperty);
/// The markup object behind the IDispatch (null clears); another IDispatch
/// raises E_INVALIDARG.
void TextDispSetObject(CTKMarkupObject* pObject, CTKMarkupDependencyProperty* pProperty,
                       LPDISPATCH pValue);
BSTR TextDispGetString(CTKMarkupObject* pObject, CTKMarkupDependencyProperty* pProperty);
void TextDispSetString(CTKMarkupObject* pObject, CTKMarkupDependencyProperty* pProperty,
                       LPCTSTR lpszValue);
