// CTKCommandBars: the site's messages the command bars take first, and what a
// change of colours, settings or theme does to every bar.
#include "commandbars/TKCommandBars.h"

#include <afxpriv.h>

#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKToolBar.h"
#include "common/TKColorManager.h"
#include "common/TKImageManager.h"

BOOL IsInputDesktopNotDefault() {
  const CString strName = TKCommandBarsSystem()->GetInputDesktopName();
  // A desktop that cannot be opened is a locked workstation or a secure desktop.
  return strName.IsEmpty() || strName.CompareNoCase("Default") != 0;
}

BOOL CTKCommandBars::HandleFrameMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                        LRESULT* pResult) {
  (void)lParam;
  switch (message) {
    case WM_SYSCOLORCHANGE:
      TKColorManager()->RefreshColors(TRUE);
      GetPaintManager()->RefreshMetrics();
      GetImageManager()->RefreshAll();
      UpdateAfterThemeChange();
      return FALSE;
    case WM_SETTINGCHANGE:
      GetPaintManager()->RefreshMetrics();
      // While the workstation is locked the frame cannot be laid out and drawn.
      if (!IsInputDesktopNotDefault()) UpdateAfterThemeChange();
      return FALSE;
    case WM_ACTIVATEAPP:
      if (wParam == 0) CloseAllPopups();
      return FALSE;
    case WM_CANCELMODE:
      CloseAllPopups();
      return FALSE;
    case WM_COMMAND:
      if (LOWORD(wParam) == ID_HELP && m_nHelpId != 0 && m_pFrame->GetSafeHwnd() != NULL) {
        AFX_CMDHANDLERINFO info = {};
        if (m_pFrame->OnCmdMsg(ID_HELP, CN_COMMAND, nullptr, &info)) {
          m_pFrame->SendMessage(WM_COMMANDHELP, 0, m_nHelpId + 0x10000);
          if (pResult != nullptr) *pResult = 1;
          return TRUE;
        }
      }
      return FALSE;
    case WM_SYSCOMMAND:
      if (!m_bCustomizeMode && (wParam & 0xFFF0) != SC_KEYMENU &&
          !(wParam != 0 && LOWORD(wParam) == 0))
        CloseAllPopups();
      return FALSE;
    case WM_IDLEUPDATECMDUI:
      for (int i = 0; i < GetCount(); ++i)
        if (m_arrBars[i]->GetPosition() == tkBarFloating) m_arrBars[i]->OnIdleUpdateCmdUI();
      return FALSE;
  }
  return FALSE;
}

void CTKCommandBars::UpdateAfterThemeChange() {
  m_bLockLayout = TRUE;
  for (int i = 0; i < GetCount(); ++i) {
    CTKToolBar* pBar = m_arrBars[i];
    CTKControls* pControls = pBar->GetControls();
    for (int j = 0; j < pControls->GetCount(); ++j) pControls->GetAt(j)->OnThemeChanged();
    if (pBar->IsVisible()) pBar->OnRecalcLayout();
  }
  if (m_pFrame->GetSafeHwnd() != NULL) {
    for (HWND hChild = ::GetWindow(m_pFrame->GetSafeHwnd(), GW_CHILD); hChild != NULL;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
      if (CWnd::FromHandlePermanent(hChild) != nullptr) ::InvalidateRect(hChild, NULL, FALSE);
  }
  m_bLockLayout = FALSE;
  RecalcFrameLayout();
  if (m_pFrame->GetSafeHwnd() == NULL) return;
  m_pFrame->SetWindowPos(NULL, 0, 0, 0, 0,
                         SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                             SWP_FRAMECHANGED);
  m_pFrame->SendMessage(WM_NCPAINT);
}

void CTKCommandBars::SetTheme(int nTheme) {
  SetPaintManager(CTKPaintManager::CreateThemeById(nTheme));
}
