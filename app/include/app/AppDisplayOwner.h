// IAppDisplayOwner: what the application's panes need of the main frame.
#pragma once

#include <afxwin.h>

#include "foundation/TesselString.h"

class CMenu;

/// The frame side of the build-step list, the log and the main display: the
/// one message box, the command bars' pop-up menus, the settings file, the
/// status texts, the running flag and the exit code. The main frame implements
/// it; tests give a recorder that scripts the answers, so no pane waits on a
/// modal window. Every member is called on the UI thread.
class IAppDisplayOwner {
 public:
  virtual ~IAppDisplayOwner() {}

  /// The application's message box: returns the button pressed (IDYES, IDOK...).
  virtual int ShowMessage(const CTesselString& text, UINT style, CWnd* parent) = 0;
  /// Tracks `popup` as a pop-up bar of the frame's command bars at the screen
  /// point; returns the command chosen (TPM_RETURNCMD), 0 for none.
  virtual UINT TrackPopupMenu(CMenu* popup, UINT flags, int x, int y, CWnd* window) = 0;

  /// One value of the settings file; false (and `value` untouched) when absent.
  virtual bool ReadSetting(const char* section, const char* key, CTesselString* value) = 0;
  virtual bool WriteSetting(const char* section, const char* key, const CTesselString& value) = 0;

  /// Refreshes the status bar's step text and the elapsed-time pane.
  virtual bool UpdateStatusText() = 0;
  virtual bool UpdateElapsedTime() = 0;

  /// Refreshes every command bar, so that buttons show their enabled state.
  virtual void RefreshCommandBars() = 0;
  /// The frame's window: commands are posted to it, and the elapsed-time
  /// timer posts WM_APP_ELAPSEDTIME to it. Null before it exists.
  virtual CWnd* GetFrameWindow() = 0;
  /// The application's exit code: 0 when a run starts, 1 after a failed or
  /// cancelled one.
  virtual void SetExitCode(int code) = 0;
  virtual int GetExitCode() = 0;

  /// The variable list's side of the build file: its modified flag, and
  /// filling or emptying it from the open file's variables.
  virtual bool AreVariablesModified() = 0;
  virtual void ClearVariablesModified() = 0;
  virtual void ReloadVariables() = 0;
  virtual void ClearVariables() = 0;
};
