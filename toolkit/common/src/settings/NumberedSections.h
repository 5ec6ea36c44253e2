// The numbered sections (prefix0, prefix1, ...) among the sections a store
// holds, so that a count read back can be held to what is really there.
// A store leaves out the section of an item whose values are all defaults, so
// the bound is the highest number present, not how many are present: the
// items after a left-out one are kept.
#pragma once

#include <vector>

#include "afxwin.h"

/// One more than the highest n with a section `pszPrefix`n among `names` (names below
/// the exchange's own section, such as "Item3" or "Item3\Sub"); the prefix is
/// compared without regard to case, as the stores look sections up.
DWORD CountNumberedSections(const std::vector<CString>& names, LPCTSTR pszPrefix);
