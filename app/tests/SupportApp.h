// What the application's tests share: a system that scripts the message box's
// answer and keeps the settings in a folder of the test's own, and a main
// frame loaded from the program's resources.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "SupportSystem.h"
#include "app/AppSystem.h"
#include "app/MainFrame.h"
#include "testsupport/TempFolder.h"

/// Installs itself; the real system comes back when it goes.
class CScriptedAppSystem : public CAppSystem {
 public:
  CScriptedAppSystem() { AppSetSystem(this); }
  ~CScriptedAppSystem() override { AppSetSystem(nullptr); }

  /// One box the frame ran: its text, caption and flags as set.
  struct Shown {
    std::string text;
    std::string caption;
    UINT flags;
  };
  std::vector<Shown> m_shown;
  /// The answer every box gives.
  int m_nAnswer = IDYES;
  int RunMessageBox(CMessageBoxDialog* pBox) override;

  /// The settings folder: a temporary one unless a test empties it.
  CTempFolder m_folder;
  bool m_bRealFolder = false;
  CTesselString GetSettingsFolder() override;

  // Modal dialogs and pop-up menus ------------------------------------------------
  /// Runs inside the dialog's modal loop once it is up; it must close the
  /// dialog (a click on OK or Cancel, WM_CLOSE). Without one the dialog is
  /// cancelled at once.
  std::function<void(CDialog&)> m_dialogScript;
  /// The result of each dialog run.
  std::vector<INT_PTR> m_dialogResults;
  INT_PTR RunDialog(CDialog* pDialog) override;
  /// The command each pop-up answers, and the items it showed: text, greyed.
  UINT m_nPopupChoice = 0;
  std::vector<std::pair<std::string, bool>> m_popupItems;
  UINT TrackPopupMenu(CTKCommandBars* pCommandBars, CMenu* pPopup, UINT nFlags, int x, int y,
                      CWnd* pWnd) override;
};

/// Runs the dialog modally; `script` runs inside its modal loop once the
/// dialog is up (posted, so the dialog has finished its initialisation).
INT_PTR RunScriptedDialog(CDialog& dialog, const std::function<void(CDialog&)>& script);
/// Script helpers: a control's text set as typing would (EN_CHANGE follows),
/// a button clicked, a control's text read.
void TypeText(CDialog& dialog, int id, const char* text);
void ClickButton(CDialog& dialog, int id);
std::string ControlText(CDialog& dialog, int id);
bool IsControlEnabled(CDialog& dialog, int id);

/// A main frame loaded from resource 5001 and shown without activation;
/// destroyed (it deletes itself) when the test ends.
class CFrameFixture {
 public:
  CFrameFixture();
  ~CFrameFixture();
  CMainFrame* Get() const { return m_pFrame; }
  CMainFrame* operator->() const { return m_pFrame; }
  /// Closes the frame through WM_CLOSE; it is gone afterwards.
  void Close();

 private:
  CMainFrame* m_pFrame;
  /// The frame deletes itself with its window: only a live window says the
  /// object is still there.
  HWND m_hFrame;
};
