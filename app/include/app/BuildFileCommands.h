// CBuildFileCommands: the frame's Open, Close, Save and Save As, and the
// save question asked before changes are discarded.
#pragma once

#include "foundation/TesselString.h"

class CMainDisplay;
class IAppDisplayOwner;

/// The build-file side of the main frame: the frame's commands forward here.
/// The file is the main display's step list; the variables are the owner's.
/// UI thread.
class CBuildFileCommands {
 public:
  /// The last opened file, "Options"/"LastBuildFilePath" in the settings.
  static const char kLastFileSection[];
  static const char kLastFileKey[];
  /// Extension of build files, appended by Save As when the name lacks it.
  static const char kExtension[];

  CBuildFileCommands(IAppDisplayOwner* owner, CMainDisplay* display);
  virtual ~CBuildFileCommands() {}

  /// Opens an existing file in place of the current one, asking nothing.
  bool OpenBuildFile(const CTesselString& path);
  /// Command 4018: the open dialog, the save question, then the file.
  bool OnOpenBuildFile();
  /// Command 4012: the save question, then an empty, unnamed list. False
  /// when the question was cancelled or the save failed: nothing is closed.
  bool OnCloseBuildFile();
  /// Asks whether to save unsaved changes. True: go on (nothing to save, No,
  /// or Yes and saved). False: stop (Cancel or Esc, a cancelled dialog, or a
  /// failed save), so the caller keeps the file.
  bool PromptToSave();
  /// Command 4022: to the current path, or Save As without one.
  bool OnSave();
  /// Command 4021: the save dialog, ".velm" appended when missing.
  bool OnSaveAs();
  /// Save, reporting a failure (message 6013); the modified flags are cleared
  /// only when the file was written.
  bool SaveBuildFile();
  bool SaveBuildFileAs(const CTesselString& path);
  /// The steps' or the variables' modified flag.
  bool IsModified();
  /// "Velmoran" or "Velmoran (path)", set on the frame's window.
  CTesselString GetTitle();
  void UpdateTitle();
  /// WM_USER+100: the last opened file, when there is one.
  bool OpenLastBuildFile();

  /// The name with ".velm" appended unless it holds that anywhere (any case).
  static CTesselString WithExtension(const CTesselString& path);

 protected:
  /// The file dialogs; empty when cancelled. Tests script them.
  virtual CTesselString AskOpenPath();
  virtual CTesselString AskSavePath();
  void AfterSave();

  IAppDisplayOwner* m_pOwner;
  CMainDisplay* m_pDisplay;
};
