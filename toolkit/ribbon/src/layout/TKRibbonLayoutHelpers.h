// What the ribbon's layout files share: scaled lengths, hide-flag changes and
// a measuring DC of the bar with its font.
#pragma once

#include <afxwin.h>

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKPaintManager.h"
#include "common/TKDpiHelper.h"

namespace tkribbonlayout {

inline int ScaleX(int n) { return TKDpiHelper()->ScaleX(n); }
inline int ScaleY(int n) { return TKDpiHelper()->ScaleY(n); }

inline void SetHideFlag(CTKControl* pControl, DWORD dwFlag, BOOL bSet) {
  const DWORD dwFlags = pControl->GetHideFlags();
  pControl->SetHideFlags(bSet ? (dwFlags | dwFlag) : (dwFlags & ~dwFlag));
}

/// Neither the control nor the user chose a style, so the layout may assign
/// one: only then does the control report the layout's own style back.
inline BOOL IsStyleAutomatic(CTKControl* pControl) {
  const int kProbe = -0x7B;
  const int nSaved = pControl->GetLayoutStyle();
  pControl->SetLayoutStyle(kProbe);
  const BOOL bAutomatic = pControl->GetStyle() == kProbe;
  pControl->SetLayoutStyle(nSaved);
  return bAutomatic;
}

/// The system button as a file button standing in the tab row, not the
/// round button straddling caption and tab row.
inline BOOL IsFileButton(CTKControl* pSystemButton) {
  return pSystemButton != nullptr && !IsStyleAutomatic(pSystemButton);
}

/// A client DC of the bar with the bar font selected (the screen's while
/// the bar has no window).
class CMeasureDC {
 public:
  explicit CMeasureDC(CTKCommandBar* pBar) : m_hWnd(pBar->GetSafeHwnd()), m_hDC(::GetDC(m_hWnd)) {
    m_dc.Attach(m_hDC);
    CTKPaintManager* pPaintManager = pBar->GetPaintManager();
    CFont* pFont = pPaintManager != nullptr ? pPaintManager->GetCommandBarFont(pBar) : nullptr;
    m_hOldFont = pFont != nullptr ? ::SelectObject(m_hDC, pFont->GetSafeHandle()) : NULL;
  }
  ~CMeasureDC() {
    if (m_hOldFont != NULL) ::SelectObject(m_hDC, m_hOldFont);
    m_dc.Detach();
    ::ReleaseDC(m_hWnd, m_hDC);
  }
  CMeasureDC(const CMeasureDC&) = delete;
  CMeasureDC& operator=(const CMeasureDC&) = delete;
  CDC* Get() { return &m_dc; }

 private:
  HWND m_hWnd;
  HDC m_hDC;
  CDC m_dc;
  HGDIOBJ m_hOldFont;
};

}  // namespace tkribbonlayout
