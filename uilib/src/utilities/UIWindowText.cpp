// Window texts read and written wide, whole.
#include <afxwin.h>

#include <vector>

#include "uilib/UIUtilities.h"

CTesselString GetWindowTextString(HWND hWnd) {
  CTesselString text;
  if (hWnd == NULL || !::IsWindow(hWnd)) return text;
  const int length = ::GetWindowTextLengthW(hWnd);
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
  ::GetWindowTextW(hWnd, buffer.data(), length + 1);
  text.SetWideText(buffer.data());
  return text;
}

bool SetWindowTextString(HWND hWnd, CTesselString text) {
  if (hWnd == NULL || !::IsWindow(hWnd)) return false;
  return ::SetWindowTextW(hWnd, text.GetWideText()) != FALSE;
}
