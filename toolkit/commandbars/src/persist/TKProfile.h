// The application profile as the saved bar states use it: section names of
// any length and plain integer values.
#pragma once

#include <afxwin.h>

namespace tkprofile {

/// "<profile><suffix>", or with a number, "<profile><suffix><n>"; never cut short.
CString SectionName(LPCTSTR lpszProfileName, LPCTSTR lpszSuffix);
CString SectionName(LPCTSTR lpszProfileName, LPCTSTR lpszSuffix, int nIndex);
/// A value name followed by a number ("Bar#3").
CString ValueName(LPCTSTR lpszName, int nIndex);

int GetInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
void WriteInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
/// Whether the section holds the value at all.
BOOL HasValue(LPCTSTR lpszSection, LPCTSTR lpszEntry);
/// Forgets every value of the section.
void EmptySection(LPCTSTR lpszSection);

}  // namespace tkprofile
