// A colour-manager system with a visual style of a given file and colour
// name, so that the colour manager finds the scheme the test wants.
#pragma once

#include "common/TKColorManager.h"

class CStyledSystem : public CTKColorManagerSystem {
 public:
  CStyledSystem(LPCSTR lpszFile, LPCSTR lpszColor, BOOL bActive)
      : m_strFile(lpszFile), m_strColor(lpszColor), m_bActive(bActive) {}
  BOOL IsLowResolution() override { return FALSE; }
  BOOL IsThemeActive() override { return m_bActive; }
  BOOL GetCurrentThemeName(CString& strFile, CString& strColor) override {
    strFile = m_strFile;
    strColor = m_strColor;
    return m_bActive;
  }

 private:
  CString m_strFile;
  CString m_strColor;
  BOOL m_bActive;
};

/// The style files of the schemes the colour manager tells apart.
#define TK_TEST_LUNA "C:\\Windows\\Resources\\Themes\\Luna\\Luna.msstyles"
#define TK_TEST_ROYALE "C:\\Windows\\Resources\\Themes\\Royale\\Royale.msstyles"
#define TK_TEST_AERO "C:\\Windows\\Resources\\Themes\\Aero\\Aero.msstyles"
