// CBuildStepDisplay: the list of the open build file's steps, and its owner.
#pragma once

#include "engine/BuildStepFileManager.h"
#include "engine/BuildStepXMLManager.h"
#include "engine/StepPasteTarget.h"
#include "uilib/ColumnViewControl.h"
#include "uilib/ColumnViewControlEntry.h"

class CMainDisplay;
class IAppDisplayOwner;

/// One row: the step it shows (a record of the file manager's step list).
class CBuildStepDisplayEntry : public CColumnViewControlEntry {
 public:
  explicit CBuildStepDisplayEntry(CBuildStepDataDefinition* step) : m_pStep(step) {}
  /// The row image of the step's type; another type keeps the image.
  void SetImageFromType();

  CBuildStepDataDefinition* m_pStep;  // not owned
};

/// The build-step list of the main display. It holds the open build file (its
/// path, steps and variables) and the steps' modified flag; the rows, in
/// display order, are always the steps of the step list in list order, so
/// the list never sorts. The main frame's commands, the run drivers and the
/// dialogs work on the steps through it. UI thread only; the rows are
/// guarded by the column view's lock.
///
/// While a run is active (the owner display's running flag) every change to
/// the list is refused: the run drivers iterate over the rows.
class CBuildStepDisplay : public CColumnViewControl, public IStepPasteTarget {
 public:
  /// Widths of the columns, "Options"/"BuildStepColumnWidths" in the settings.
  static const char kWidthsSection[];
  static const char kWidthsKey[];
  /// Row colours.
  static constexpr COLORREF kPausedColor = RGB(255, 83, 255);
  static constexpr COLORREF kSuccessColor = RGB(0, 128, 0);
  static constexpr COLORREF kFailureColor = RGB(128, 0, 0);

  CBuildStepDisplay();
  ~CBuildStepDisplay() override;

  /// The frame (messages, settings, status) and the main display (running
  /// flag, row notices); not owned. Rows need the frame.
  void SetOwner(IAppDisplayOwner* owner) { m_pOwner = owner; }
  void SetOwnerDisplay(CMainDisplay* display) { m_pOwnerDisplay = display; }
  IAppDisplayOwner* GetOwner() const { return m_pOwner; }

  // Rows and steps.
  bool AddEntryForStep(CBuildStepDataDefinition* step);
  /// Appends the step to the list and its row; with `redraw` also sizes the
  /// columns, marks the file modified and redraws.
  bool AddStep(CBuildStepDataDefinition* step, bool redraw) override;
  bool DeselectAll() override { return CColumnViewControl::DeselectAll(); }
  bool RefreshEntry(CBuildStepDisplayEntry* row, bool redraw);
  bool DeleteStep(CBuildStepDataDefinition* step);
  bool MoveStepUp(CBuildStepDisplayEntry* row);
  bool MoveStepDown(CBuildStepDisplayEntry* row);
  CBuildStepDisplayEntry* FindEntryForStep(CBuildStepDataDefinition* step);
  bool RebuildEntries();
  bool HasSelection() { return GetFirstSelectedEntry() != nullptr; }
  int GetSelectedCount();
  int GetStepCount() { return m_fileManager.GetStepList().GetCount(); }
  CBuildStepDisplayEntry* GetRow(int index) {
    return static_cast<CBuildStepDisplayEntry*>(GetEntryAt(index));
  }

  // Run state (the run drivers).
  bool ResetRunState();
  bool ResetRunStateOfSelection();
  bool UpdateElapsedTime(CBuildStepDisplayEntry* row);
  bool SetStepResult(CBuildStepDisplayEntry* row, bool success);

  // The build file.
  bool LoadBuildFile(const CTesselString& path);
  bool ClearBuildFile();
  /// Saves to the file's path; false without one. The modified flag is
  /// cleared only when the file was written.
  bool SaveBuildFile();
  bool SaveBuildFileAs(const CTesselString& path);
  CTesselString GetBuildFilePath() const { return m_fileManager.GetFilePath(); }
  bool HasFilePath() const { return m_fileManager.HasFilePath(); }
  bool IsModified() const { return m_bModified; }
  void SetModified(bool modified) { m_bModified = modified; }
  CBuildStepFileManager& GetFileManager() { return m_fileManager; }

  // The clipboard.
  bool CopyStepsToClipboard();
  bool PasteStepsFromClipboard();
  bool CanPaste();
  /// The clipboard document of the selected rows, as Copy writes it.
  CTesselString MakeClipboardText();

  // Column widths.
  virtual bool ResetColumnWidths();
  virtual bool SaveColumnWidths();
  virtual bool RestoreColumnWidths();

  // CColumnViewControl
  bool CreateControl(CWnd* parent) override;
  void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
  void OnDeleteKey() override;
  void OnEntrySelected() override;
  void OnEntryDoubleClicked() override;
  void OnEntryRightClicked() override;
  void OnCaretMoved() override;
  bool RebuildDisplayList() override { return RebuildDisplayListUnsorted(); }
  bool AddColumns() override;
  bool LoadImages() override;
  bool SortByColumn(int) override { return false; }
  bool RecalcLayout(int ignored = 0) override;
  bool AutoSizeAllColumns() override;

 protected:
  /// False while a run is active: the list must not change under it.
  bool CanChange();
  /// Cells, image and colours of a row from its step; cell 1 the elapsed
  /// time without the zero form.
  void FillRow(CBuildStepDisplayEntry* row);
  /// Posts a command to the frame's window.
  void PostFrameCommand(UINT command);
  void ShowContextMenu();
  /// Rebuilds the rows after the step list was reordered, selecting `select`.
  bool RebuildAfterReorder(CBuildStepDataDefinition* select);

  CMainDisplay* m_pOwnerDisplay;
  IAppDisplayOwner* m_pOwner;
  CBuildStepFileManager m_fileManager;
  bool m_bModified;
  CBuildStepXMLManager m_xmlManager;
  // Set while the sizing operations change the layout, so that RecalcLayout
  // does not save the widths they pass through.
  bool m_bSizing;
  bool m_bInnerSizing;
};
