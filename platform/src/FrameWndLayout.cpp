// CFrameWnd: layout of the control bars and the client, idle updates of the
// menu, the title, the layout and the menu items.
#include <afxwin.h>

namespace {

/// A menu item while its command's update handler runs.
class CMenuItemCmdUI : public CCmdUI {
 public:
  explicit CMenuItemCmdUI(HMENU hMenu) : m_hMenu(hMenu) {}

  /// Set while the item is a sub-menu, whose first command's handler runs
  /// but may not change the sub-menu's own item.
  bool m_bSubMenu = false;

  void Enable(BOOL bOn) override {
    m_bEnableChanged = TRUE;
    if (m_bSubMenu) return;
    ::EnableMenuItem(m_hMenu, m_nIndex,
                     MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
  }
  // A sub-menu's item keeps its state: the state asked for is its first
  // command's, not the sub-menu's (and a new text would replace the sub-menu
  // by a plain item). Its items are updated when it opens.
  void SetCheck(int nCheck) override {
    if (m_bSubMenu) return;
    ::CheckMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
  }
  void SetText(LPCSTR lpszText) override {
    if (m_bSubMenu) return;
    UINT nState = ::GetMenuState(m_hMenu, m_nIndex, MF_BYPOSITION) &
                  ~(MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR);
    ::ModifyMenu(m_hMenu, m_nIndex, MF_BYPOSITION | MF_STRING | nState, m_nID, lpszText);
  }

 private:
  HMENU m_hMenu;
};

}  // namespace

void CFrameWnd::RecalcLayout(BOOL) {
  if (m_bInRecalcLayout) return;  // a bar that resizes itself while laid out
  m_bInRecalcLayout = TRUE;
  m_nIdleFlags &= ~(idleLayout | idleNotify);
  RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder);
  m_bInRecalcLayout = FALSE;
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy) {
  CWnd::OnSize(nType, cx, cy);
  if (nType != SIZE_MINIMIZED) RecalcLayout();
}

LRESULT CFrameWnd::OnIdleUpdateCmdUIMsg(WPARAM, LPARAM) {
  OnIdleUpdateCmdUI();
  return 0;
}

void CFrameWnd::OnIdleUpdateCmdUI() {
  if (m_nIdleFlags & idleMenu) OnUpdateFrameMenu(nullptr);
  if (m_nIdleFlags & idleTitle) OnUpdateFrameTitle(TRUE);
  if (m_nIdleFlags & idleLayout) {
    RecalcLayout((m_nIdleFlags & idleNotify) != 0);
    UpdateWindow();
  }
  m_nIdleFlags = 0;
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu) {
  CWnd::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
  if (bSysMenu) return;  // the system menu keeps its own states
  HMENU hMenu = pPopupMenu->GetSafeHmenu();
  CMenuItemCmdUI state(hMenu);
  int nCount = ::GetMenuItemCount(hMenu);
  for (int i = 0; i < nCount; ++i) {
    UINT nID = ::GetMenuItemID(hMenu, i);
    HMENU hSubMenu = ::GetSubMenu(hMenu, i);
    state.m_bSubMenu = hSubMenu != nullptr;
    if (state.m_bSubMenu) nID = ::GetMenuItemID(hSubMenu, 0);
    if (nID == 0 || nID == (UINT)-1) continue;  // separators, and sub-menus led by no command
    state.m_nIndex = i;
    state.m_nID = nID;
    // System commands are not routed, so they would always be disabled; a
    // sub-menu is never greyed for want of a handler.
    state.DoUpdate(this, m_bAutoMenuEnable && nID < 0xF000 && !state.m_bSubMenu);
  }
}

// Control bars ---------------------------------------------------------------------------------

void CFrameWnd::AddControlBar(CControlBar* pBar) { m_listControlBars.AddTail(pBar); }

void CFrameWnd::RemoveControlBar(CControlBar* pBar) {
  if (POSITION pos = m_listControlBars.Find(pBar)) m_listControlBars.RemoveAt(pos);
}

CControlBar* CFrameWnd::GetControlBar(UINT nID) {
  for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;) {
    CControlBar* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
    if (pBar->m_hWnd != nullptr && (UINT)pBar->GetDlgCtrlID() == nID) return pBar;
  }
  return nullptr;
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay) {
  pBar->DelayShow(bShow);
  if (bDelay)
    DelayRecalcLayout();
  else
    RecalcLayout();
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI) {
  if (CControlBar* pBar = GetControlBar(pCmdUI->m_nID)) {
    pCmdUI->SetCheck((pBar->GetStyle() & WS_VISIBLE) != 0);
    return;
  }
  pCmdUI->ContinueRouting();
}

BOOL CFrameWnd::OnBarCheck(UINT nID) {
  CControlBar* pBar = GetControlBar(nID);
  if (pBar == nullptr) return FALSE;
  ShowControlBar(pBar, (pBar->GetStyle() & WS_VISIBLE) == 0, FALSE);
  return TRUE;
}
