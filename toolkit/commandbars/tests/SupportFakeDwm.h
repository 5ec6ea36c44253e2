// Desktop composition reported on through the toolkit's table of DWM
// functions, for as long as the object lives, and a themed frame with a bar.
#pragma once

#include <vector>

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBars.h"
#include "common/TKWinThemeWrapper.h"
#include "testsupport/HostWindow.h"

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

/// A frame whose command bars theme it (on glass while a CFakeDwm lives) with
/// `pPaintManager` (taken over), and a bar of theirs at `nPosition`, its
/// window a child of the frame.
struct CGlassFrame {
  CTestHostWindow frame;
  CTKCommandBars* pBars = nullptr;
  CTKCommandBar* pBar = nullptr;

  CGlassFrame(CTKPaintManager* pPaintManager, int nPosition) {
    frame.CreateHost(400, 200);
    pBars = new CTKCommandBars;
    pBars->SetPaintManager(pPaintManager);
    pBars->SetSite(&frame);
    pBars->EnableFrameTheme(TRUE);
    pBar = new CTKCommandBar;
    pBar->SetCommandBars(pBars);
    pBar->SetBarPosition(nPosition);
    pBar->CreateEx(0, AfxRegisterWndClass(0), "bar", WS_CHILD | WS_VISIBLE, 0, 0, 300, 40,
                   frame.GetSafeHwnd(), NULL);
  }
  ~CGlassFrame() {
    pBar->DestroyWindow();
    pBar->InternalRelease();
    pBars->InternalRelease();
    frame.DestroyWindow();
  }
  CGlassFrame(const CGlassFrame&) = delete;
  CGlassFrame& operator=(const CGlassFrame&) = delete;
};
