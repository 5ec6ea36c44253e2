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
#include "app/UpdateRelease.h"
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

  // Modal dialogs and the update service -----------------------------------------------
  /// Runs inside the dialog's modal loop once the dialog is up: it fills the
  /// dialog with messages and ends it. A dialog it leaves open is cancelled.
  std::function<void(CDialog&)> m_dialogScript;
  /// The caption of each dialog run, as it opened, and its result.
  std::vector<std::string> m_dialogCaptions;
  std::vector<INT_PTR> m_dialogResults;
  INT_PTR RunDialog(CDialog* pDialog) override;
  /// What the update service answers; false as when it cannot be reached.
  bool m_bUpdateAnswers = true;
  CUpdateRelease m_release;
  int m_nUpdateQueries = 0;
  bool QueryUpdate(CTesselString installedVersion, CUpdateRelease* pRelease) override;
  /// Installers go to "Temp" in the settings' temporary folder.
  CTesselString GetUpdateFolder() override;
};

// Driving a dialog from a script ------------------------------------------------------------
/// Sets a control's text as typing would end (EN_CHANGE reaches the dialog).
void SetDialogText(CDialog& dialog, int id, const char* text);
std::string GetDialogText(CDialog& dialog, int id);
/// Checks one of the radio buttons first..last and tells the dialog it was clicked.
void ClickRadio(CDialog& dialog, int first, int last, int id);
/// A button's command, as a click sends it (also to a disabled button).
void PressButton(CDialog& dialog, int id);
bool IsDialogItemEnabled(CDialog& dialog, int id);

/// Runs the dialog modally; `script` runs inside its modal loop once the
/// dialog is up (posted, so the dialog has finished its initialisation).
INT_PTR RunScriptedDialog(CDialog& dialog, const std::function<void(CDialog&)>& script);

/// A main frame loaded from resource 5001 and shown without activation;
/// destroyed (it deletes itself) when the test ends.
class CFrameFixture {
 public:
  /// `owner`: the main display's owner, set before the panes are made
  /// (without one the step list is not created).
  explicit CFrameFixture(IAppDisplayOwner* owner = nullptr);
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
