// CBuildStepDisplay: keyboard shortcuts, row notices and the context menu.
#include "app/BuildStepDisplay.h"

#include "app/AppDisplayOwner.h"
#include "app/AppResources.h"
#include "app/AppRunResources.h"
#include "app/MainDisplay.h"
#include "foundation/WindowUtilities.h"

namespace {

const int kStepPopupIndex = 0;

struct ShortcutKey {
  UINT key;
  UINT withControl;     // the frame command with Ctrl held, 0: none
  UINT withoutControl;  // without Ctrl, 0: the list's own handling only
};

const ShortcutKey kShortcuts[] = {
    {VK_UP, ID_MOVE_STEP_UP, 0},     {VK_DOWN, ID_MOVE_STEP_DOWN, 0}, {'A', ID_SELECT_ALL_STEPS, 0},
    {'C', ID_COPY_STEPS_TO_CLIPBOARD, 0},         {'F', ID_FIND_TEXT, 0},          {'O', ID_OPEN_BUILD_FILE, 0},
    {'V', ID_PASTE_STEPS, 0},        {VK_F5, ID_CANCEL_RUN, ID_RUN_ALL_STEPS},
};

}  // namespace

void CBuildStepDisplay::PostFrameCommand(UINT command) {
  CWnd* frame = m_pOwner != nullptr ? m_pOwner->GetFrameWindow() : nullptr;
  if (frame != nullptr && ::IsWindow(frame->m_hWnd)) frame->PostMessage(WM_COMMAND, command, 0);
}

void CBuildStepDisplay::OnKeyDown(UINT key, UINT repeat, UINT flags) {
  if (m_pOwner != nullptr) {
    const bool control = IsControlKeyDown();
    if (control && key == 'W') {
      ResetColumnWidths();
    } else {
      for (const ShortcutKey& shortcut : kShortcuts) {
        if (shortcut.key != key) continue;
        const UINT command = control ? shortcut.withControl : shortcut.withoutControl;
        if (command != 0) PostFrameCommand(command);
      }
    }
  }
  CColumnViewControl::OnKeyDown(key, repeat, flags);
}

void CBuildStepDisplay::OnDeleteKey() {
  if (m_pOwnerDisplay != nullptr && CanChange()) m_pOwnerDisplay->DeleteSelectedSteps();
}

void CBuildStepDisplay::OnEntryDoubleClicked() {
  if (m_pOwnerDisplay != nullptr && CanChange()) m_pOwnerDisplay->EditSelectedStep();
}

void CBuildStepDisplay::OnEntrySelected() {
  if (m_pOwnerDisplay != nullptr) m_pOwnerDisplay->OnStepSelected();
}

void CBuildStepDisplay::OnCaretMoved() {
  if (m_pOwnerDisplay != nullptr) m_pOwnerDisplay->OnStepCaretMoved();
}

void CBuildStepDisplay::OnEntryRightClicked() {
  if (m_pOwner == nullptr || m_pOwnerDisplay == nullptr) return;
  m_pOwnerDisplay->OnStepSelected();
  ShowContextMenu();
}

void CBuildStepDisplay::ShowContextMenu() {
  CMenu menu;
  if (!menu.LoadMenu(IDR_POPUP_MENUS)) return;
  CMenu* popup = menu.GetSubMenu(kStepPopupIndex);
  if (popup == nullptr) return;
  const bool running = !CanChange();
  const int selected = GetSelectedCount();
  const bool rows = GetEntryCount() > 0;
  const struct {
    UINT command;
    bool enabled;
  } rules[] = {
      {4000, !running},
      {ID_EDIT_BUILD_STEP, selected == 1 && !running},
      {4001, selected == 1 && !running},
      {ID_MOVE_STEP_UP, selected == 1 && !running},
      {ID_MOVE_STEP_DOWN, selected == 1 && !running},
      {ID_RUN_FROM_CURSOR, selected == 1 && !running},
      {ID_DELETE_BUILD_STEPS, selected >= 1 && !running},
      {4008, selected >= 1 && !running},
      {4009, selected >= 1 && !running},
      {ID_RUN_SELECTED_STEPS, selected >= 1 && !running},
      {4014, rows && !running},
      {ID_FIND_TEXT, rows && !running},
      {ID_RUN_ALL_STEPS, rows && !running},
      {ID_CANCEL_RUN, rows && running},
      {ID_COPY_STEPS_TO_CLIPBOARD, selected >= 1},
      {ID_PASTE_STEPS, CanPaste()},
      {ID_SELECT_ALL_STEPS, true},
  };
  for (const auto& rule : rules)
    if (!rule.enabled) popup->EnableMenuItem(rule.command, MF_BYCOMMAND | MF_DISABLED | MF_GRAYED);
  CPoint cursor;
  ::GetCursorPos(&cursor);
  const UINT command = m_pOwner->TrackPopupMenu(
      popup, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, cursor.x, cursor.y, this);
  if (command != 0) PostFrameCommand(command);
}
