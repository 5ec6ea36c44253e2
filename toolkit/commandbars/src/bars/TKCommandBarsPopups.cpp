// CTKCommandBars: menus shown as pop-up bars, their modal loop, and the
// tracker through which lower layers show their menus that way.
#include <afxpriv.h>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKKeyboardManager.h"
#include "commandbars/TKMouseManager.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKImageManager.h"
#include "common/TKPopupMenuTracker.h"
#include "common/TKRefPtr.h"

namespace {

/// TrackPopupMenu's flags as the pop-up bar reads them.
const UINT kTrackRecursive = 0x1;
const UINT kTrackRightAlign = 0x8;
const UINT kTrackBottomAlign = 0x20;
const UINT kTrackNoNotify = 0x80;
const UINT kTrackReturnCmd = 0x100;
/// The owner styles that open a menu to the left of its point.
const DWORD kRightToLeftStyles = WS_EX_LAYOUTRTL | WS_EX_RIGHT;

}  // namespace

void CTKCommandBars::CloseAllPopups() { GetMouseManager()->SendTrackLost(); }

CTKMouseManager* AFX_CDECL CTKCommandBars::GetMouseManager() {
  return CTKMouseManager::GetThreadManager();
}

CTKKeyboardManager* AFX_CDECL CTKCommandBars::GetKeyboardManager() {
  return CTKKeyboardManager::GetThreadManager();
}

UINT AFX_CDECL CTKCommandBars::TrackPopupMenu(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pWnd,
                                             LPCRECT lpExclude, CWnd* pCommandTarget,
                                             CTKCommandBars* pCommandBars) {
  CTKRefPtr<CTKPopupBar, CTKInternalRefTraits> popup;
  popup.Attach(CTKPopupBar::CreatePopupBar(pCommandBars));
  popup->SetOwner(pWnd);
  if (pCommandTarget != nullptr) popup->SetCommandTarget(pCommandTarget);
  if (!popup->LoadMenu(pMenu, TRUE)) return 0;
  return TrackPopupBar(popup.Get(), nFlags, x, y, pWnd, lpExclude, pCommandTarget);
}

UINT AFX_CDECL CTKCommandBars::TrackPopupBar(CTKPopupBar* pPopup, UINT nFlags, int x, int y,
                                            CWnd* pWnd, LPCRECT lpExclude, CWnd* pCommandTarget) {
  if (pWnd == nullptr) pWnd = pPopup->GetSite();
  pPopup->SetOwner(pWnd);
  if (pCommandTarget != nullptr) pPopup->SetCommandTarget(pCommandTarget);
  if (pWnd->GetSafeHwnd() != NULL && (pWnd->GetExStyle() & kRightToLeftStyles))
    nFlags |= kTrackRightAlign;
  if (!(nFlags & kTrackRecursive)) {
    GetMouseManager()->SendTrackLost();
    ::ReleaseCapture();
  }
  DWORD dwPopupFlags = 0;
  if (nFlags & kTrackRightAlign) dwPopupFlags |= CTKPopupBar::kPopupLeft;
  if (nFlags & kTrackBottomAlign) dwPopupFlags |= CTKPopupBar::kPopupAlignBottom;
  pPopup->SetPopupFlags(dwPopupFlags);
  pPopup->SetNoNotifications((nFlags & kTrackNoNotify) != 0);
  pPopup->SetShadowGroup((nFlags & kTrackRecursive) != 0);

  int nReturn = 0;
  if (nFlags & kTrackReturnCmd) pPopup->SetReturnCommandSlot(&nReturn);
  if (!pPopup->PopupAtPoint(x, y, lpExclude)) {
    pPopup->SetReturnCommandSlot(nullptr);
    return 0;
  }
  PumpTrackingMessages(pPopup);
  pPopup->SetReturnCommandSlot(nullptr);
  return (nFlags & kTrackReturnCmd) ? static_cast<UINT>(nReturn) : 1;
}

void AFX_CDECL CTKCommandBars::PumpTrackingMessages(CTKCommandBar* pBar) {
  CTKRefPtr<CTKCommandBar, CTKInternalRefTraits> keepAlive(pBar);
  CTKMouseManager* pMouseManager = GetMouseManager();
  CTKKeyboardManager* pKeyboardManager = GetKeyboardManager();
  MSG msg;
  while (pBar->IsTrackingMode()) {
    if (!::PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE)) {
      ::WaitMessage();
      continue;
    }
    if (pMouseManager->IsOutsideClick(pBar, msg.message)) {
      // The click stays queued: it closes the menu and reaches its window.
      pBar->SetTrackingMode(FALSE);
      break;
    }
    if (!::GetMessage(&msg, NULL, 0, 0)) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (!pBar->IsTrackingMode()) {
      ::PostMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
      break;
    }
    if (msg.message == WM_KICKIDLE) continue;
    if (pKeyboardManager->ProcessQueuedKey(msg)) continue;
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr && pThread->PreTranslateMessage(&msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
  }
}

// The tracker of lower layers --------------------------------------------------------------------

namespace {

class CCommandBarsPopupMenuTracker : public ITKPopupMenuTracker {
 public:
  UINT TrackPopupMenu(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pOwner,
                      CTKImageManager* pImageManager) override {
    CTKRefPtr<CTKPopupBar, CTKInternalRefTraits> popup;
    popup.Attach(CTKPopupBar::CreatePopupBar(nullptr));
    if (pImageManager != nullptr) {
      pImageManager->InternalAddRef();
      popup->SetImageManager(pImageManager);
    }
    popup->SetOwner(pOwner);
    if (!popup->LoadMenu(pMenu, TRUE)) return 0;
    return CTKCommandBars::TrackPopupBar(popup.Get(), nFlags, x, y, pOwner);
  }
};

CCommandBarsPopupMenuTracker g_tracker;

// Installed as the program starts: every program that has command bars links
// this file (the manager's table of virtual functions names it).
const bool g_bTrackerInstalled = (SetPopupMenuTracker(&g_tracker), true);

}  // namespace
