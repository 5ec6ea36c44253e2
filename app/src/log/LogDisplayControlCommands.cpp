// CLogDisplayControl: the context menu, clearing and copying the log.
#include "app/LogDisplayControl.h"

#include "app/AppDisplayOwner.h"
#include "app/AppResources.h"
#include "app/AppRunResources.h"
#include "app/AppText.h"
#include "uilib/UIUtilities.h"

namespace {

const int kLogPopupIndex = 1;

}  // namespace

void CLogDisplayControl::OnRButtonDown(UINT, CPoint) {
  Default();
  ShowContextMenu();
}

void CLogDisplayControl::ShowContextMenu() {
  if (m_pOwner == nullptr) return;
  CMenu menu;
  if (!menu.LoadMenu(IDR_POPUP_MENUS)) return;
  CMenu* popup = menu.GetSubMenu(kLogPopupIndex);
  if (popup == nullptr) return;
  if (GetEntryCount() == 0) {
    popup->EnableMenuItem(ID_CLEAR_LOG_DISPLAY, MF_BYCOMMAND | MF_DISABLED | MF_GRAYED);
    popup->EnableMenuItem(ID_COPY_LOG_TO_CLIPBOARD, MF_BYCOMMAND | MF_DISABLED | MF_GRAYED);
  }
  CPoint cursor;
  ::GetCursorPos(&cursor);
  const UINT command = m_pOwner->TrackPopupMenu(
      popup, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, cursor.x, cursor.y, this);
  // Posted, so that the command runs once the menu has closed.
  if (command != 0) PostMessage(WM_COMMAND, command, 0);
}

void CLogDisplayControl::OnClearLogDisplay() {
  if (m_pOwner == nullptr) return;
  if (m_pOwner->ShowMessage(LoadAppText(IDS_CLEAR_LOG_QUESTION), MB_YESNO | MB_ICONHAND | MB_DEFBUTTON2,
                            this) != IDYES)
    return;
  RemoveAllEntries();
  {
    CReentrantLockGuard guard(m_lock);
    m_firstVisible = 0;
  }
  m_offset = 0;
  UpdateScrollRanges();
  UpdateScrollPositions();
  RepositionScrollBars();
  RedrawDisplay();
}

CTesselString CLogDisplayControl::GetAllText() {
  CReentrantLockGuard guard(m_lock);
  CTesselString text;
  for (size_t i = 0; i < m_entries.size(); ++i) {
    if (i > 0) text.AddText("\r\n");
    text.AddString(m_entries[i]->m_text);
  }
  return text;
}

void CLogDisplayControl::OnCopyToClipboard() {
  if (GetEntryCount() == 0) return;
  CTesselString text = GetAllText();
  SetClipboardText(m_hWnd, text);
}

void CLogDisplayControl::OnUpdateLogCommand(CCmdUI* cmdUI) { cmdUI->Enable(GetEntryCount() > 0); }
