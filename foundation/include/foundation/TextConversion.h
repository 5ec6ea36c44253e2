// Text conversion between the system's four forms of text: narrow text in the
// ANSI code page (char*, std::string, the platform's CString), wide UTF-16 text
// (wchar_t*, std::wstring), UTF-8 bytes (std::string) and CTesselString, which
// holds either narrow (ANSI) or wide text. Every conversion of the tree goes
// through here, so a code page is chosen in one place.
//
// Rules shared by every function:
// - Counted inputs (std::string, std::wstring, CString) convert their whole
//   length, embedded NULs included; pointer inputs end at their terminator and
//   a null pointer reads as empty text.
// - A CTesselString's text ends at its first terminator, whatever its length.
// - Nothing fails: characters the ANSI code page cannot hold become its default
//   character ('?'), bytes that are not UTF-8 become U+FFFD, and text longer than
//   the system's conversion functions take (2^31 - 1 units) gives an empty result.
#pragma once

#include <afxstr.h>

#include <string>

#include "foundation/TesselString.h"

// ---------------------------------------------------------------- any code page

/// The wide form of `length` bytes of text in `codePage` (CP_ACP, CP_UTF8, ...).
std::wstring WideFromBytes(const char* text, size_t length, UINT codePage);
/// The bytes of `length` wide characters in `codePage`.
std::string BytesFromWide(const wchar_t* text, size_t length, UINT codePage);

// ---------------------------------------------------------------- ANSI code page and wide

std::wstring WideFromAnsi(const char* text);
std::wstring WideFromAnsi(const std::string& text);
std::wstring WideFromAnsi(const CString& text);
std::string AnsiFromWide(const wchar_t* text);
std::string AnsiFromWide(const std::wstring& text);
CString CStringFromWide(const wchar_t* text);
CString CStringFromWide(const std::wstring& text);

// ---------------------------------------------------------------- UTF-8

std::wstring WideFromUtf8(const char* text);
std::wstring WideFromUtf8(const std::string& text);
std::string Utf8FromWide(const wchar_t* text);
std::string Utf8FromWide(const std::wstring& text);
/// ANSI text (std::string or CString) as UTF-8, and back.
std::string Utf8FromAnsi(const std::string& text);
std::string Utf8FromAnsi(const CString& text);
std::string AnsiFromUtf8(const std::string& text);
CString CStringFromUtf8(const std::string& text);

// ---------------------------------------------------------------- CTesselString

/// The text of a CTesselString in another form. Unlike GetText/GetWideText
/// these leave the string alone: its width does not change, and narrow text
/// is read as the ANSI code page (GetText on a wide string gives folded UTF-8).
std::wstring WideFromTessel(const CTesselString& text);
CString CStringFromTessel(const CTesselString& text);
std::string Utf8FromTessel(const CTesselString& text);

/// A wide CTesselString holding `text`.
CTesselString TesselFromWide(const wchar_t* text);
CTesselString TesselFromWide(const std::wstring& text);
/// A narrow CTesselString holding the ANSI text.
CTesselString TesselFromCString(const CString& text);
/// A narrow CTesselString holding the UTF-8 text in the ANSI code page.
CTesselString TesselFromUtf8(const std::string& text);
