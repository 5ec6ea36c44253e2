// Clipboard text, narrow or wide.
#include <string.h>
#include <wchar.h>

#include "uilib/UIUtilities.h"

namespace {

/// Closes the clipboard when it goes.
class CClipboardOpen {
 public:
  explicit CClipboardOpen(HWND hOwner) : m_bOpen(::OpenClipboard(hOwner) != FALSE) {}
  ~CClipboardOpen() {
    if (m_bOpen) ::CloseClipboard();
  }
  CClipboardOpen(const CClipboardOpen&) = delete;
  CClipboardOpen& operator=(const CClipboardOpen&) = delete;
  explicit operator bool() const { return m_bOpen; }

 private:
  bool m_bOpen;
};

}  // namespace

bool SetClipboardText(HWND hOwner, CTesselString& text) {
  if (text.IsEmpty()) return false;
  CClipboardOpen clipboard(hOwner);
  if (!clipboard) return false;
  ::EmptyClipboard();
  const bool bWide = text.IsWide();
  const size_t nCharSize = bWide ? sizeof(wchar_t) : sizeof(char);
  const size_t nChars = static_cast<size_t>(text.GetLength());
  HGLOBAL hMemory = ::GlobalAlloc(GMEM_MOVEABLE, (nChars + 1) * nCharSize);
  if (hMemory == NULL) return false;
  void* pData = ::GlobalLock(hMemory);
  if (pData == nullptr) {
    ::GlobalFree(hMemory);
    return false;
  }
  memcpy(pData, text.GetBuffer(), nChars * nCharSize);
  memset(static_cast<char*>(pData) + nChars * nCharSize, 0, nCharSize);
  ::GlobalUnlock(hMemory);
  if (::SetClipboardData(bWide ? CF_UNICODETEXT : CF_TEXT, hMemory) == NULL) {
    ::GlobalFree(hMemory);
    return false;
  }
  return true;
}

bool IsClipboardTextAvailable() {
  CClipboardOpen clipboard(NULL);
  if (!clipboard) return false;
  for (UINT nFormat = ::EnumClipboardFormats(0); nFormat != 0;
       nFormat = ::EnumClipboardFormats(nFormat)) {
    if (nFormat == CF_TEXT || nFormat == CF_UNICODETEXT) return true;
  }
  return false;
}

CTesselString GetClipboardText() {
  CTesselString text;
  if (!IsClipboardTextAvailable()) return text;
  CClipboardOpen clipboard(NULL);
  if (!clipboard) return text;
  const bool bWide = ::IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
  HANDLE hData = ::GetClipboardData(bWide ? CF_UNICODETEXT : CF_TEXT);
  if (hData == NULL) return text;
  const void* pData = ::GlobalLock(hData);
  if (pData == nullptr) return text;
  if (bWide) {
    text.SetWideText(static_cast<const wchar_t*>(pData));
  } else {
    text.MakeNarrow(true);
    text.SetText(static_cast<const char*>(pData));
  }
  ::GlobalUnlock(hData);
  return text;
}
