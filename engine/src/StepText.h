// Text conversions of a run. A step's texts are narrow (the ANSI code page) or
// wide; command lines and environments are made wide so that neither loses a
// character on its way to the child.
#pragma once

#include <string>

#include "foundation/TesselString.h"

/// The text as UTF-16: a wide text as it stands, a narrow one read in the ANSI
/// code page (as the A functions of the system read it).
std::wstring WideOf(const CTesselString& text);

/// A wide CTesselString holding `text`.
CTesselString WideString(const std::wstring& text);

/// Case-insensitive comparison of two wide texts (the system's ordinal rule).
bool EqualNoCase(const std::wstring& a, const std::wstring& b);

/// The position of `pattern` in `text` ignoring case, or npos.
size_t FindNoCase(const std::wstring& text, const std::wstring& pattern, size_t from = 0);
