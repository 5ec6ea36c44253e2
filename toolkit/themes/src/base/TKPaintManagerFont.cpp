// CTKPaintManagerFont: standard fonts follow the system, custom ones stay.
#include "themes/TKPaintManagerFont.h"

void CTKPaintManagerFont::SetStandardFont(const LOGFONT* pLogFont) {
  if (pLogFont == nullptr) return;
  if (!m_bStandardFont && GetSafeHandle() != NULL) return;
  DeleteObject();
  CreateFontIndirect(pLogFont);
}

void CTKPaintManagerFont::SetCustomFont(const LOGFONT* pLogFont) {
  DeleteObject();
  m_bStandardFont = pLogFont == nullptr;
  if (pLogFont != nullptr) CreateFontIndirect(pLogFont);
}
