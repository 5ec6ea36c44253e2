// The numbered sections (prefix0, prefix1, ...) among the sections a store
// holds, so that a count read back can be held to what is really there.
#pragma once

#include <vector>

#include "afxwin.h"

/// How many numbers n have a section `pszPrefix`n among `names` (names below
/// the exchange's own section, such as "Item3" or "Item3\Sub"); the prefix is
/// compared without regard to case, as the stores look sections up.
DWORD CountNumberedSections(const std::vector<CString>& names, LPCTSTR pszPrefix);
