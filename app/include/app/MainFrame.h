// CMainFrame: the program's main window. On the frame base (command bars,
// ribbon, theme, status bar) it fills the ribbon and the quick-access bar
// with the program's commands, carries the display manager with the two
// pages, routes every command of the program with its enable rule, shows
// every message to the user, and keeps the settings file. UI thread only.
#pragma once

#include <afxwin.h>

#include "app/AppDisplayOwner.h"
#include "app/BuildFileCommands.h"
#include "app/DisplayManager.h"
#include "app/MainDisplay.h"
#include "app/VariableDefinitionDisplay.h"
#include "engine/RunHost.h"
#include "foundation/ReentrantLock.h"
#include "foundation/TesselString.h"
#include "uilib/ApplicationMainFrame.h"

/// What the enable rules of the commands depend on.
struct CFrameCommandState {
  bool running;           // a run command is in progress
  int rows;               // rows of the build-step list
  int selectedRows;       // selected rows of the build-step list
  bool hasPath;           // the build file has a path
  bool modified;          // steps or variables changed since the last save
  bool clipboardText;     // the clipboard offers text
  bool logEntries;        // the log display has entries
  int selectedVariables;  // selected rows of the variable list
};

class CMainFrame : public CApplicationMainFrame, public IAppDisplayOwner, public IRunHost {
  DECLARE_DYNCREATE(CMainFrame)

 public:
  CMainFrame();
  ~CMainFrame() override;

  CDisplayManager& GetDisplayManager() { return m_displayManager; }
  CMainDisplay& GetMainDisplay() { return m_mainDisplay; }
  CVariableDefinitionDisplay& GetVariableDisplay() { return m_variableDisplay; }

  // Messages to the user ------------------------------------------------------
  /// The box with the product name as caption; 0 without showing anything
  /// for an empty text. `parent` null: the frame.
  int ShowMessage(CWnd* parent, CTesselString text, UINT flags);
  /// The answer of the box (the Win32 button code); 0 for an empty text or caption.
  int ShowMessageWithCaption(CWnd* parent, CTesselString text, CTesselString caption, UINT flags);

  // Help ----------------------------------------------------------------------
  /// The program's folder and "Velmoran.chm".
  CTesselString* GetHelpFilePath(CTesselString* pPath) override;

  // Commands and their enable rules --------------------------------------------
  /// Whether the command is enabled in that state; true for ids without a rule.
  static bool IsCommandEnabled(UINT id, const CFrameCommandState& state);
  /// The state the rules see now.
  virtual CFrameCommandState GetCommandState();
  bool IsRunning() const { return m_bRunning; }
  void SetRunning(bool running) { m_bRunning = running; }
  bool CanAddStep();
  bool CanChangeSelectedSteps();
  bool CanChangeOneStep();
  bool CanCancelRun();
  bool CanRunSteps();

  // Settings file (MainFrameSettings.cpp) ----------------------------------------
  /// The settings file in the per-user folder, the folder created; empty
  /// when the folder cannot be had.
  CTesselString GetSettingsFilePath();
  /// The whole value; false (and `value` untouched) when the key is absent or empty.
  bool ReadProfileString(CTesselString section, CTesselString key,
                         CTesselString* value) override;
  /// An empty value deletes the key.
  bool WriteProfileString(CTesselString section, CTesselString key,
                          CTesselString value) override;
  CTesselString GetLastBuildFilePath();
  CTesselString GetLastFindText();
  CTesselString GetFindWindowPosition();
  CTesselString GetBuildStepColumnWidths();
  CTesselString GetAdvancedInstallerPath();
  CTesselString GetMSVisualStudioPath();
  CTesselString GetLastSearchText();
  CTesselString GetLastReplaceText();
  bool SetLastBuildFilePath(CTesselString value);
  bool SetLastFindText(CTesselString value);
  bool SetFindWindowPosition(CTesselString value);
  bool SetBuildStepColumnWidths(CTesselString value);
  bool SetLastSearchText(CTesselString value);
  bool SetLastReplaceText(CTesselString value);
  bool GetApplicationWindowPosition(long* left, long* top, long* width, long* height);
  bool SetApplicationWindowPosition(long left, long top, long width, long height);
  /// The stored rectangle, or centred on the desktop at the minimum size.
  bool RestoreWindowPosition();
  /// Stores the window rectangle; nothing for a minimised window.
  bool SaveWindowPosition();

  // Tool paths (MainFrameToolPaths.cpp) -------------------------------------------
  /// The install folder of a sibling product; empty when it is not registered.
  CTesselString GetSiblingAppPath(CTesselString productKey);
  CTesselString GetVantrellToolPath();
  CTesselString GetLumethToolPath();
  CTesselString GetBrisantToolPath();
  CTesselString GetQuorrelToolPath();

  /// The base's client and status bar, then the icon and the stored window
  /// rectangle.
  BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
  /// The base's creation (ribbon included), then the pages, the status bar
  /// shown and the title.
  int OnCreate(LPCREATESTRUCT lpcs) override;
  /// Stores the window rectangle, empties the pages, then the base closes.
  void OnClose() override;
  /// The base's layout of bars and status bar, then the pages take the room
  /// left between them: the bars change it without the frame being sized.
  void RecalcLayout(BOOL bNotify = TRUE) override;

  // The ribbon (MainFrameRibbon.cpp) ---------------------------------------------------
  /// The base's ribbon with the program's tabs, groups and quick-access
  /// buttons; it starts minimised.
  bool CreateRibbonBar() override;
  /// The command icons of both strips for the command bars' image manager.
  bool LoadRibbonImages() override;
  /// The system button with the build-file menu.
  bool CreateQuickAccessControls() override;

  // Command handlers (MainFrameCommands.cpp) -------------------------------------
  afx_msg void OnAddBuildStep();
  afx_msg void OnCopyBuildStep();
  afx_msg void OnCopyStepsToClipboard();
  afx_msg void OnDeleteBuildSteps();
  afx_msg void OnEditBuildStep();
  afx_msg void OnMoveStepDown();
  afx_msg void OnMoveStepUp();
  afx_msg void OnPasteSteps();
  afx_msg void OnPauseSelectedSteps();
  afx_msg void OnResumeSelectedSteps();
  afx_msg void OnRunSelectedSteps();
  afx_msg void OnCancelRun();
  afx_msg void OnCloseBuildFile();
  afx_msg void OnFindText();
  afx_msg void OnFindAndReplace();
  afx_msg void OnSendSupportMail();
  afx_msg void OnOpenBuildFile();
  afx_msg void OnRunAllSteps();
  afx_msg void OnRunFromCursor();
  afx_msg void OnSaveAs();
  afx_msg void OnSave();
  afx_msg void OnSelectAllSteps();
  afx_msg void OnHelp();
  afx_msg void OnProductHelp();
  afx_msg void OnAppAbout();
  afx_msg void OnUpdateCommand(CCmdUI* pCmdUI);

  // Runs, the panes' owner and the build file (src/run/MainFrameRunHost.cpp,
  // src/run/MainFrameRunCommands.cpp) ----------------------------------------------
  // The run host: the open build file, its variables, the tool paths above and
  // the wait of a process step, which keeps the window alive.
  CTesselString GetBuildFilePath() override;
  CVariableDefDataDefinition* GetFirstVariable() override;
  CVariableDefDataDefinition* GetNextVariable() override;
  void EndVariableIteration() override;
  /// This program: a nested build file runs in a child Velmoran.
  CTesselString GetNestedBuildProgram() override;
  DWORD WaitForStepHandles(DWORD count, const HANDLE* handles) override;
  // The panes' owner.
  int ShowMessage(const CTesselString& text, UINT style, CWnd* parent) override;
  UINT TrackPopupMenu(CMenu* popup, UINT flags, int x, int y, CWnd* window) override;
  bool ReadSetting(const char* section, const char* key, CTesselString* value) override;
  bool WriteSetting(const char* section, const char* key, const CTesselString& value) override;
  /// Pane 1: "1 Step", "%ld Steps" or "Step %ld of %ld Steps" of a named build file.
  bool UpdateStatusText() override;
  /// The running row's time, and pane 2: "Elapsed Time: hh:mm:ss" of the run.
  bool UpdateElapsedTime() override;
  void RefreshCommandBars() override;
  CWnd* GetFrameWindow() override;
  /// The application object's exit code (the frame's own in programs without one).
  void SetExitCode(int code) override;
  int GetExitCode() override;
  bool AreVariablesModified() override;
  void ClearVariablesModified() override;
  void ReloadVariables() override;
  void ClearVariables() override;
  // The build file.
  CBuildFileCommands& GetBuildFileCommands() { return m_buildFile; }
  bool OpenBuildFile(const CTesselString& path) { return m_buildFile.OpenBuildFile(path); }
  bool IsModified() { return m_buildFile.IsModified(); }
  void UpdateTitle() { m_buildFile.UpdateTitle(); }
  /// Asked before the window closes: false while a run ends first (the run is
  /// cancelled and the close follows it) or when the save question stops it.
  bool CanCloseFrame();
  afx_msg LRESULT OnElapsedTimeMessage(WPARAM, LPARAM);
  afx_msg LRESULT OnOpenLastBuildFile(WPARAM, LPARAM);

 protected:
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnPaint();
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  /// The ribbon was minimised or restored: the pages take the new room.
  afx_msg LRESULT OnRibbonMinimized(WPARAM wParam, LPARAM lParam);

  CDisplayManager m_displayManager;
  CMainDisplay m_mainDisplay;
  CVariableDefinitionDisplay m_variableDisplay;
  /// Held around changes of the status bar's texts.
  CReentrantLock m_statusLock;
  bool m_bRunning;
  HICON m_hIcon;

  // Runs, the panes' owner and the build file ---------------------------------------
  /// Makes the frame the owner and run host of the main display before it is created.
  void AttachRunPanes();
  /// The counts of the step list and the log, and the run, for the enable rules.
  void FillRunState(CFrameCommandState* state);
  void RunCommand(CMainDisplay::RunKind kind);
  CBuildFileCommands m_buildFile{this, &m_mainDisplay};
  /// The exit code where no application object of the program holds it.
  int m_nExitCode = 0;

  DECLARE_MESSAGE_MAP()
};
