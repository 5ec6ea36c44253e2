// A site window that records what the controls send it, and a bar without a
// window that counts its redraws.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControl.h"
#include "testsupport/HostWindow.h"

/// The control notification as the site saw it during the call.
struct SiteNotification {
  WPARAM wParam;
  NMHDR hdr;
  CTKControl* pControl;
};

class CTestSite : public CTestHostWindow {
 public:
  /// What the site answers to TK_WM_CONTROLNOTIFY.
  LRESULT m_nNotifyAnswer = 0;
  /// Whether its command routing takes the notification, and the result it leaves.
  BOOL m_bRouteHandles = FALSE;
  LRESULT m_nRouteResult = 0;

  /// "notify", "route" and "command" in the order they arrived.
  std::vector<std::string> m_events;
  std::vector<SiteNotification> m_notifications;
  /// The command routing's (id, code) pairs of notifications.
  std::vector<std::pair<UINT, int>> m_routed;
  /// The header the routing's notify-info pointed at.
  NMHDR m_routedHeader = {};
  std::vector<WPARAM> m_commands;
  /// Answers TK_WM_CREATECONTROL (0 when not set).
  std::function<LRESULT(TKCREATECONTROLSTRUCT*)> m_onCreateControl;
  /// The controls announced with TK_WM_CONTROLCREATED.
  std::vector<CTKControl*> m_created;
  /// Runs while the site handles WM_COMMAND.
  std::function<void()> m_onCommand;
  /// Runs first for every message the site receives.
  std::function<void(UINT)> m_onMessage;
  /// Answers TK_WM_CREATECOMMANDBAR (0 when not set).
  std::function<void(TKCREATEBARSTRUCT*)> m_onCreateBar;

  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CTestBar : public CTKCommandBar {
 public:
  int m_nRedraws = 0;
  void Redraw(LPCRECT lpRect = NULL, BOOL bAnimate = FALSE) override;
};
