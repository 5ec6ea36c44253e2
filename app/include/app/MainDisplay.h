// CMainDisplay: the "Build Steps" pane, its splitter, and the run drivers.
#pragma once

#include <stdint.h>

#include <atomic>

#include "app/BuildStepDisplay.h"
#include "app/LogDisplayControl.h"
#include "engine/StepExecutor.h"
#include "foundation/CommSystemTimer.h"
#include "foundation/TesselList.h"
#include "app/VelmoranNativeDisplayControl.h"
#include "uilib/SplitterWindow.h"

class CMainDisplay;
class CMainFrame;
class CTabControlTab;
class IAppDisplayOwner;
class IRunHost;

/// Ticks every 500 ms during a run and asks the frame, by a posted
/// WM_APP_ELAPSEDTIME, to refresh the elapsed time. Timer thread: it reads
/// the owner's frame window and touches no window otherwise.
class CMainDisplayElapsedTimeTimer : public CCommSystemTimer {
 public:
  CMainDisplayElapsedTimeTimer();
  ~CMainDisplayElapsedTimeTimer() override;
  void OnTimer() override;

  CMainDisplay* m_pOwnerDisplay;
};

/// The pane of the "Build Steps" tab: the step list above the splitter, the
/// log below. It owns the step executor and the elapsed-time timer and holds
/// the run drivers, which walk the rows in order, hand each step to the
/// executor, stop at the first failure or a cancel and record the exit code.
///
/// The frame's run commands come here too (RunCommand, CancelRunCommand):
/// the running flag lives here, and while it is set the list refuses every
/// change and a close of the frame is put off until the run has ended.
/// UI thread, except the timer's tick.
class CMainDisplay : public CVelmoranNativeDisplayControl {
 public:
  /// Not owned; set by the frame at construction.
  CMainFrame* m_pMainFrame = nullptr;
  /// The display manager's tab of this page; not owned.
  CTabControlTab* m_pTab = nullptr;

  static const int kSplitterId = 355;
  static const int kLogId = 399;
  /// The private message that restores the splitter once the window exists.
  static const UINT kRestoreSplitterMessage = 0x237;

  /// Which rows a run takes.
  enum RunKind { runAll, runFromCursor, runSelected };

  CMainDisplay();
  ~CMainDisplay() override;

  /// The frame (messages, settings, status, exit code) and the run host (the
  /// executor's variables, tool paths and wait); not owned. Set before creating.
  void SetOwner(IAppDisplayOwner* owner);
  void SetRunHost(IRunHost* host) { m_executor.SetOwner(host); }
  IAppDisplayOwner* GetOwner() const { return m_pOwner; }

  // Pane and layout.
  bool CreateDisplay(CWnd* parent, int controlId) override;
  bool FitToParent() override;
  void OnPaint() override;
  void OnClose() override;
  virtual LRESULT OnSplitterMoved(WPARAM position, LPARAM controlId);
  virtual LRESULT OnRestoreSplitter(WPARAM, LPARAM);
  virtual void OnMouseMove(UINT flags, CPoint point);
  virtual void OnLButtonDown(UINT flags, CPoint point);
  virtual void OnLButtonUp(UINT flags, CPoint point);
  afx_msg void OnSize(UINT type, int cx, int cy);
  bool RestoreSplitterPosition();
  bool SaveSplitterPosition();

  // Notices of the step list's rows.
  virtual void OnStepCaretMoved();
  virtual void OnStepSelected();
  virtual void EditSelectedStep();
  virtual void DeleteSelectedSteps();

  // The build file (forwarders for the frame's file commands).
  bool LoadBuildFile(const CTesselString& path);
  bool ClearBuildFile();
  bool SaveBuildFile() { return m_stepDisplay.SaveBuildFile(); }
  bool SaveBuildFileAs(const CTesselString& path);
  CTesselString GetBuildFilePath() const { return m_stepDisplay.GetBuildFilePath(); }
  bool HasBuildFilePath() const { return m_stepDisplay.HasFilePath(); }
  bool IsModified() const { return m_stepDisplay.IsModified(); }

  // The frame's run commands.
  /// Runs the rows of `kind` unless a run is active; the running flag is set
  /// for the whole run, and a close asked for meanwhile follows it.
  bool RunCommand(RunKind kind);
  bool CancelRunCommand();
  bool IsRunActive() const { return m_bRunActive; }
  /// The frame asks before it closes: false while a run is active, and the
  /// run is then cancelled and WM_CLOSE posted to the frame once it ends.
  bool CanCloseFrame();

  // The run drivers: false when nothing ran or a step failed.
  bool RunAllSteps();
  bool RunFromCursor();
  bool RunSelectedSteps();
  bool ExecuteEntry(CBuildStepDisplayEntry* row);
  /// Clears the keep-running flag and stops the running child; the flag as it was.
  bool CancelRun();
  bool EndRun();
  /// Appends "[N day(s)  ]Elapsed Time: hh:mm:ss" of the last or running run.
  bool GetElapsedTimeText(CTesselString* text);
  /// "1 Step", "%ld Steps" or "Step %ld of %ld Steps" for the status bar;
  /// empty without a build-file path.
  CTesselString GetStepStatusText();
  /// Dispatches every pending message; a WM_QUIT taken is posted again.
  bool PumpMessages();

  CBuildStepDisplay& GetStepDisplay() { return m_stepDisplay; }
  CLogDisplayControl& GetLogDisplay() { return m_logDisplay; }
  CStepExecutor& GetExecutor() { return m_executor; }
  CSplitterWindow& GetSplitter() { return m_splitter; }
  CBuildStepDisplayEntry* GetCurrentEntry() const { return m_pCurrentEntry; }
  CMainDisplayElapsedTimeTimer& GetTimer() { return m_timer; }
  /// The frame's window as the run began; read by the timer's thread.
  HWND GetFrameHandle() const { return m_hFrame; }

 protected:
  bool BeginRun();
  /// The step loop over `rows` (CBuildStepDisplayEntry*), in order.
  bool RunRows(CTesselList& rows);
  bool FinishRun(bool result);
  void PlacePanes();

  DECLARE_MESSAGE_MAP()

  IAppDisplayOwner* m_pOwner;
  CSplitterWindow m_splitter;
  CBuildStepDisplay m_stepDisplay;
  CLogDisplayControl m_logDisplay;
  CStepExecutor m_executor;
  int64_t m_runStartTime;
  int64_t m_runEndTime;
  bool m_bTimingActive;
  CMainDisplayElapsedTimeTimer m_timer;
  CBuildStepDisplayEntry* m_pCurrentEntry;
  bool m_bRunActive;
  bool m_bCloseAfterRun;
  std::atomic<HWND> m_hFrame;
};
