// The colour names of markup text. Private to the converters.
#pragma once

#include <windows.h>

/// The colour of a name (any letter case): alpha in bits 24 to 31, then blue,
/// green, red. FALSE for an unknown name.
BOOL LookupMarkupColorName(LPCWSTR lpszName, DWORD* pColor);
