// Text helpers shared by the list views and the settings code.
#pragma once

#include "foundation/TesselString.h"

class CTesselList;

/// Natural order for sorting texts with embedded numbers: letters compare
/// ignoring case, each run of digits compares by its value, so "item 2" sorts
/// before "item 10" and "Item 2" equals "item 2". A total order (consistent
/// for any sort): antisymmetric and transitive. Null counts as the empty text.
/// Returns -1, 0 or 1. Neither argument is changed.
int CompareNatural(CTesselString* a, CTesselString* b);

/// Splits `text` at every occurrence of `separator` (case-sensitive) into
/// owned strings: the list is given the string element type first (which
/// empties it). An empty item stands for two separators in a row; a trailing
/// separator adds nothing. False for an empty text or separator, a null list,
/// or when nothing was added.
bool SplitString(CTesselString text, CTesselString separator, CTesselList* list);
