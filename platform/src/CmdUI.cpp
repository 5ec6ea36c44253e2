// CCmdUI: what an update handler asked for, and the update of one item.
#include "afxcmdtarget.h"

CCmdUI::CCmdUI()
    : m_nID(0),
      m_nIndex(0),
      m_pMenu(nullptr),
      m_pOther(nullptr),
      m_bEnableChanged(FALSE),
      m_bContinueRouting(FALSE) {}

// Without a menu or window of its own the base item only records that the
// handler decided; the item classes of the UI apply the state.
void CCmdUI::Enable(BOOL) { m_bEnableChanged = TRUE; }

void CCmdUI::SetCheck(int) {}

void CCmdUI::SetRadio(BOOL bOn) { SetCheck(bOn ? 1 : 0); }

void CCmdUI::SetText(LPCSTR) {}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
  // Id 0 is a separator, and ids with a low word of 0xFFFF stand for no command.
  if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF) return TRUE;

  m_bEnableChanged = FALSE;
  BOOL bResult = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
  if (bDisableIfNoHndler && !m_bEnableChanged) {
    AFX_CMDHANDLERINFO info = {nullptr, nullptr};
    Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
  }
  return bResult;
}
