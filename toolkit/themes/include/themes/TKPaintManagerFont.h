// A font of a paint manager that either follows the system (standard) or was
// set by the application (custom) and then survives refreshes.
#pragma once

#include <afxwin.h>

class CTKPaintManagerFont : public CFont {
 public:
  explicit CTKPaintManagerFont(BOOL bStandard = TRUE) : m_bStandardFont(bStandard) {}

  /// Rebuilds the font from `pLogFont` unless it is a custom font that exists.
  void SetStandardFont(const LOGFONT* pLogFont);
  /// Replaces the font with the application's own; refreshes keep it.
  void SetCustomFont(const LOGFONT* pLogFont);

  BOOL m_bStandardFont;
};
