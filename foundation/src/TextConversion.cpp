#include "foundation/TextConversion.h"

#include <string.h>
#include <wchar.h>

namespace {

// The system's conversion functions count in int.
const size_t kMostUnits = 0x7FFFFFFF;

size_t AnsiLength(const char* text) { return text ? strlen(text) : 0; }
size_t WideLength(const wchar_t* text) { return text ? wcslen(text) : 0; }

// The characters of a CTesselString up to its first terminator, read in place.
size_t NarrowTextLength(const CTesselString& text) {
  const char* buffer = static_cast<const char*>(text.GetBuffer());
  return buffer && text.GetLength() > 0 ? strnlen(buffer, text.GetLength()) : 0;
}

size_t WideTextLength(const CTesselString& text) {
  const wchar_t* buffer = static_cast<const wchar_t*>(text.GetBuffer());
  return buffer && text.GetLength() > 0 ? wcsnlen(buffer, text.GetLength()) : 0;
}

CString CStringOf(const std::string& text) {
  return text.empty() ? CString() : CString(text.data(), static_cast<int>(text.size()));
}

}  // namespace

std::wstring WideFromBytes(const char* text, size_t length, UINT codePage) {
  if (!text || length == 0 || length > kMostUnits) return std::wstring();
  const int count = MultiByteToWideChar(codePage, 0, text, static_cast<int>(length), nullptr, 0);
  if (count <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(count), L'\0');
  MultiByteToWideChar(codePage, 0, text, static_cast<int>(length), &wide[0], count);
  return wide;
}

std::string BytesFromWide(const wchar_t* text, size_t length, UINT codePage) {
  if (!text || length == 0 || length > kMostUnits) return std::string();
  const int size = WideCharToMultiByte(codePage, 0, text, static_cast<int>(length), nullptr, 0,
                                       nullptr, nullptr);
  if (size <= 0) return std::string();
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(codePage, 0, text, static_cast<int>(length), &bytes[0], size, nullptr,
                      nullptr);
  return bytes;
}

// ---------------------------------------------------------------- ANSI code page and wide

std::wstring WideFromAnsi(const char* text) {
  return WideFromBytes(text, AnsiLength(text), CP_ACP);
}

std::wstring WideFromAnsi(const std::string& text) {
  return WideFromBytes(text.data(), text.size(), CP_ACP);
}

std::wstring WideFromAnsi(const CString& text) {
  return WideFromBytes(text.GetString(), static_cast<size_t>(text.GetLength()), CP_ACP);
}

std::string AnsiFromWide(const wchar_t* text) {
  return BytesFromWide(text, WideLength(text), CP_ACP);
}

std::string AnsiFromWide(const std::wstring& text) {
  return BytesFromWide(text.data(), text.size(), CP_ACP);
}

CString CStringFromWide(const wchar_t* text) { return CStringOf(AnsiFromWide(text)); }

CString CStringFromWide(const std::wstring& text) { return CStringOf(AnsiFromWide(text)); }

// ---------------------------------------------------------------- UTF-8

std::wstring WideFromUtf8(const char* text) {
  return WideFromBytes(text, AnsiLength(text), CP_UTF8);
}

std::wstring WideFromUtf8(const std::string& text) {
  return WideFromBytes(text.data(), text.size(), CP_UTF8);
}

std::string Utf8FromWide(const wchar_t* text) {
  return BytesFromWide(text, WideLength(text), CP_UTF8);
}

std::string Utf8FromWide(const std::wstring& text) {
  return BytesFromWide(text.data(), text.size(), CP_UTF8);
}

std::string Utf8FromAnsi(const std::string& text) { return Utf8FromWide(WideFromAnsi(text)); }

std::string Utf8FromAnsi(const CString& text) { return Utf8FromWide(WideFromAnsi(text)); }

std::string AnsiFromUtf8(const std::string& text) { return AnsiFromWide(WideFromUtf8(text)); }

CString CStringFromUtf8(const std::string& text) { return CStringOf(AnsiFromUtf8(text)); }

// ---------------------------------------------------------------- CTesselString

std::wstring WideFromTessel(const CTesselString& text) {
  const size_t length = text.IsWide() ? WideTextLength(text) : NarrowTextLength(text);
  if (length == 0) return std::wstring();
  if (text.IsWide()) return std::wstring(static_cast<const wchar_t*>(text.GetBuffer()), length);
  return WideFromBytes(static_cast<const char*>(text.GetBuffer()), length, CP_ACP);
}

CString CStringFromTessel(const CTesselString& text) {
  if (text.IsWide()) return CStringFromWide(WideFromTessel(text));
  const size_t length = NarrowTextLength(text);
  if (length == 0) return CString();
  return CString(static_cast<const char*>(text.GetBuffer()), static_cast<int>(length));
}

std::string Utf8FromTessel(const CTesselString& text) { return Utf8FromWide(WideFromTessel(text)); }

CTesselString TesselFromWide(const wchar_t* text) {
  CTesselString tessel;
  tessel.SetWideText(text ? text : L"");
  return tessel;
}

CTesselString TesselFromWide(const std::wstring& text) { return TesselFromWide(text.c_str()); }

CTesselString TesselFromCString(const CString& text) { return CTesselString(text.GetString()); }

CTesselString TesselFromUtf8(const std::string& text) {
  return CTesselString(AnsiFromUtf8(text).c_str());
}
