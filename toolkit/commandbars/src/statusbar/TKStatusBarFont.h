// The status bar and its panes keep copies of the fonts they are given.
#pragma once

#include <afxwin.h>

/// Makes `font` a copy of `pSource`, or leaves it empty for none.
inline void CopyStatusBarFont(CFont& font, CFont* pSource) {
  font.DeleteObject();
  LOGFONT lf;
  if (pSource != nullptr && pSource->GetSafeHandle() != NULL && pSource->GetLogFont(&lf))
    font.CreateFontIndirect(&lf);
}
