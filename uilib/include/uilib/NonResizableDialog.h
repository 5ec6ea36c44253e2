// The base of every dialog of the application: a fixed keyboard policy, a
// close request any part of the program may post, and the main frame.
#pragma once

#include <afxwin.h>

#include "commandbars/TKDialog.h"

class CApplicationMainFrame;

/// The close request: wParam and lParam 0; may be posted from any thread.
#define WM_DIALOG_CLOSE_REQUEST (WM_USER + 107)
/// The command F1 posts: the id of a dialog's Help button.
#define ID_DIALOG_HELP 9

/// F1 posts the Help command, Esc inside a multi-line edit cancels the
/// dialog, and of all keys only Tab, Enter and Esc reach the dialog manager
/// (no arrow-key moves, no Alt+mnemonics). Fixed-size. UI thread only.
class CNonResizableDialog : public CTKDialog {
 public:
  CNonResizableDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);

  /// Enables Cancel and Close (when they exist), then posts WM_CLOSE.
  virtual void CloseDialog();
  /// Tab, Enter and Esc to a child go to the dialog manager; non-zero when
  /// the message was consumed.
  virtual BOOL TranslateDialogKey(MSG* pMsg);
  /// Keyboard and mouse messages to TranslateDialogKey; 0 for the rest.
  virtual BOOL FilterDialogInput(MSG* pMsg);

  BOOL PreTranslateMessage(MSG* pMsg) override;

  /// Set by whoever creates the dialog before it is shown; derived dialogs
  /// test it before every use.
  CApplicationMainFrame* m_pMainFrame;

 protected:
  virtual LRESULT OnCloseRequest(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()
};
