// Wide texts in the 8-bit messages of the parser and the builder. Private.
#pragma once

#include "afx.h"

/// The text in the ANSI code page, at most `nMaxChars` characters of it (-1:
/// all); characters the code page lacks become '?'. "(null)" for null.
CString MarkupMessageText(LPCWSTR lpszText, int nMaxChars = -1);

/// `lpszFormat` with each "%ls" replaced by the next argument (as above,
/// each cut to `nMaxChars`); no other conversions are read.
CString FormatMarkupMessage(LPCSTR lpszFormat, const LPCWSTR* ppArgs, int nArgs,
                            int nMaxChars = -1);
