// The Windows system colours as markup values: the "SystemColors" names that
// x:Static resolves (ControlColor, ControlColorKey, ControlBrush,
// ControlBrushKey, ...) and the fall-back of a resource lookup whose key is a
// system-colour key.
#pragma once

#include "markup/TKMarkupObject.h"

class CTKMarkupColor;
class CTKMarkupSolidColorBrush;

/// One row of the system-colour table: the name every leaf starts with and
/// the GetSysColor index.
struct TK_MARKUP_SYSTEM_COLOR {
  LPCWSTR lpszName;
  int nIndex;
};

/// The 30 rows, in the order the "SystemColors" node adds them.
const TK_MARKUP_SYSTEM_COLOR* GetMarkupSystemColorsTable(int* pnCount);

/// What a leaf holds, by its name's suffix.
enum TKMarkupSystemColorLeafKind {
  TKSystemColorLeaf_Color = 0,     // "Color": a CTKMarkupColor
  TKSystemColorLeaf_ColorKey = 1,  // "ColorKey": a CTKMarkupColorKey
  TKSystemColorLeaf_Brush = 2,     // "Brush": a CTKMarkupSolidColorBrush
  TKSystemColorLeaf_BrushKey = 3,  // "BrushKey": a CTKMarkupBrushKey
};

/// The node has four leaves per row (Color, ColorKey, Brush, BrushKey, in
/// that order), 120 in all.
int GetMarkupSystemColorLeafCount();
/// The name of leaf `nLeaf` (row name + suffix), e.g. "ControlBrushKey";
/// empty outside 0 to count - 1.
CStringW GetMarkupSystemColorLeafName(int nLeaf);
/// A new value of leaf `nLeaf` (one reference), reading the system colour
/// now; null outside 0 to count - 1. The node that keeps a context's leaves
/// makes each value once, so that later uses in that context see the same
/// object.
CTKMarkupObject* CreateMarkupSystemColorLeafValue(int nLeaf);
/// The leaf number of an exact (case-sensitive) leaf name, or -1.
int FindMarkupSystemColorLeaf(LPCWSTR lpszName);

/// A new opaque colour (alpha 0xFF) of GetSysColor(nIndex).
CTKMarkupColor* CreateSystemColor(int nIndex);
/// A new solid brush of the same opaque colour.
CTKMarkupSolidColorBrush* CreateSystemBrush(int nIndex);

/// The value a resource lookup falls back to when no dictionary holds `pKey`:
/// a new colour for a CTKMarkupColorKey, a new brush for a
/// CTKMarkupBrushKey (the colour read now), null for any other key.
CTKMarkupObject* ResolveSystemColorKey(CTKMarkupObject* pKey);
