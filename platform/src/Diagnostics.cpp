#include <afx.h>

#include <stdio.h>

void AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine) {
  char text[MAX_PATH + 64];
  _snprintf(text, sizeof text - 1, "Assertion failed: %s(%d)\n", lpszFileName, nLine);
  text[sizeof text - 1] = 0;
  OutputDebugStringA(text);
  if (IsDebuggerPresent()) DebugBreak();
}

void AFX_CDECL AfxTrace(LPCSTR lpszFormat, ...) {
  va_list args;
  va_start(args, lpszFormat);
  CString text;
  text.FormatV(lpszFormat, args);
  va_end(args);
  OutputDebugStringA(text);
}
