// Text conversions between a step's narrow or wide texts and the wide API.
#include "StepText.h"

#include <windows.h>
#include <string.h>
#include <wchar.h>

std::wstring WideOf(const CTesselString& text) {
  const int length = text.GetLength();
  if (length < 1 || !text.GetBuffer()) return std::wstring();
  if (text.IsWide()) {
    const wchar_t* wide = static_cast<const wchar_t*>(text.GetBuffer());
    return std::wstring(wide, wcsnlen(wide, length));
  }
  const char* narrow = static_cast<const char*>(text.GetBuffer());
  const int bytes = static_cast<int>(strnlen(narrow, length));
  if (bytes == 0) return std::wstring();
  const int count = MultiByteToWideChar(CP_ACP, 0, narrow, bytes, nullptr, 0);
  std::wstring wide(count > 0 ? count : 0, L'\0');
  if (count > 0) MultiByteToWideChar(CP_ACP, 0, narrow, bytes, &wide[0], count);
  return wide;
}

CTesselString WideString(const std::wstring& text) {
  CTesselString result;
  result.SetWideText(text.c_str());
  return result;
}

bool EqualNoCase(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

size_t FindNoCase(const std::wstring& text, const std::wstring& pattern, size_t from) {
  if (pattern.empty() || pattern.size() > text.size()) return std::wstring::npos;
  for (size_t at = from; at + pattern.size() <= text.size(); ++at) {
    if (CompareStringOrdinal(text.c_str() + at, static_cast<int>(pattern.size()), pattern.c_str(),
                             static_cast<int>(pattern.size()), TRUE) == CSTR_EQUAL)
      return at;
  }
  return std::wstring::npos;
}
