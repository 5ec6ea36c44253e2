// CTKCommandBars: switching the theme's frame of the site on and off.
#include "commandbars/TKCommandBars.h"

#include "commandbars/TKCommandBarsFrameHook.h"

void CTKFrameHookDeleter::operator()(CTKCommandBarsFrameHook* pHook) const { delete pHook; }

void CTKCommandBars::EnableFrameTheme(BOOL bEnable) {
  if (bEnable && m_pFrameHook == nullptr) {
    m_pFrameHook.reset(new CTKCommandBarsFrameHook);
    m_pFrameHook->SetCommandBars(this);
  } else if (!bEnable && m_pFrameHook != nullptr) {
    m_pFrameHook->SetCommandBars(nullptr);
    m_pFrameHook.reset();
  }
  HWND hwndSite = m_pFrame->GetSafeHwnd();
  if (hwndSite == NULL) return;
  ::SetWindowPos(hwndSite, NULL, 0, 0, 0, 0, CTKCommandBarsFrameHook::kFrameChanged);
  if (CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, m_pFrame)) pFrame->RecalcLayout();
}

BOOL CTKCommandBars::IsDwmEnabled() const {
  return m_pFrameHook != nullptr && m_pFrameHook->IsDwmEnabled();
}
