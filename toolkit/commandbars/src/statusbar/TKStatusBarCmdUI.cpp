// CTKStatusBar: the idle-time update of the panes' states through the
// command handlers of the bar and of its frame.
#include "commandbars/TKStatusBar.h"

namespace {

/// What an update handler says of a pane: its index is the pane's.
class CStatusCmdUI : public CCmdUI {
 public:
  void Enable(BOOL bOn = TRUE) override {
    m_bEnableChanged = TRUE;
    CTKStatusBar* pBar = static_cast<CTKStatusBar*>(m_pOther);
    const UINT nStyle = pBar->GetPaneStyle(m_nIndex);
    pBar->SetPaneStyle(m_nIndex, bOn ? (nStyle & ~SBPS_DISABLED) : (nStyle | SBPS_DISABLED));
  }
  void SetCheck(int nCheck = 1) override {
    CTKStatusBar* pBar = static_cast<CTKStatusBar*>(m_pOther);
    const UINT nStyle = pBar->GetPaneStyle(m_nIndex);
    pBar->SetPaneStyle(m_nIndex, nCheck != 0 ? (nStyle | SBPS_POPOUT) : (nStyle & ~SBPS_POPOUT));
  }
  void SetText(LPCSTR lpszText) override {
    static_cast<CTKStatusBar*>(m_pOther)->SetPaneText(m_nIndex, lpszText);
  }
};

}  // namespace

void CTKStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL) {
  CStatusCmdUI state;
  state.m_pOther = this;
  for (int i = 0; i < GetPaneCount(); ++i) {
    state.m_nIndex = static_cast<UINT>(i);
    state.m_nID = m_arrPanes[i]->GetID();
    state.m_bEnableChanged = FALSE;
    // The bar's own handlers first, then the frame's; a pane nobody
    // handles keeps its state.
    if (!OnCmdMsg(state.m_nID, CN_UPDATE_COMMAND_UI, &state, nullptr))
      state.DoUpdate(pTarget, FALSE);
  }
  UpdateDialogControls(pTarget, FALSE);
}
