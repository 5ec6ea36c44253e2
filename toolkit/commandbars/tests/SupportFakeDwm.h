// Desktop composition reported on through the toolkit's table of DWM
// functions, for as long as the object lives.
#pragma once

#include <vector>

#include "common/TKWinThemeWrapper.h"

/// Desktop composition reported on, and the glass margins asked for.
class CFakeDwm {
 public:
  CFakeDwm() : m_saved(*TKDwmApi()) {
    s_margins.clear();
    TKDwmApi()->m_pfnDwmIsCompositionEnabled = [](BOOL* pbEnabled) -> HRESULT {
      *pbEnabled = TRUE;
      return S_OK;
    };
    TKDwmApi()->m_pfnDwmExtendFrameIntoClientArea = [](HWND, const MARGINS* pMargins) -> HRESULT {
      s_margins.push_back(*pMargins);
      return S_OK;
    };
  }
  ~CFakeDwm() { *TKDwmApi() = m_saved; }
  CFakeDwm(const CFakeDwm&) = delete;
  CFakeDwm& operator=(const CFakeDwm&) = delete;

  static inline std::vector<MARGINS> s_margins;

 private:
  CTKDwmApi m_saved;
};
