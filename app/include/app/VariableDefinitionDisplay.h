// CVariableDefinitionDisplay: the "Variable Definition" page of the main
// window, with its tool bar (add, edit, delete) over the list of the open
// build file's variables. The records live in the build file's variable
// list (the build-step display's file manager); the rows point at them.
// UI thread only; the rows are guarded by the column view's lock.
#pragma once

#include "app/VelmoranNativeDisplayControl.h"
#include "engine/BuildStepFileManager.h"
#include "uilib/ColumnViewControl.h"
#include "uilib/ColumnViewControlEntry.h"

class CMainFrame;
class IAppDisplayOwner;
class CTabControlTab;
class CVariableDefinitionDisplay;

/// One row: the variable it shows (not owned). Cell 0 the name, 1 the value.
class CVariableDefinitionDisplayControlEntry : public CColumnViewControlEntry {
 public:
  explicit CVariableDefinitionDisplayControlEntry(CVariableDefDataDefinition* variable)
      : m_pVariable(variable) {
    m_nImage = 1;
  }

  CVariableDefDataDefinition* m_pVariable;
};

/// The list of the page. Unlike the step list it sorts: after every add,
/// edit and delete the rows are sorted again, so row order need not be the
/// file order. Rows need the owner display and its frame.
class CVariableDefinitionDisplayControl : public CColumnViewControl {
 public:
  /// The list's control id inside the page.
  static const int kControlId = 8888;

  CVariableDefinitionDisplayControl();
  /// Removes every row (the records stay with the file manager).
  ~CVariableDefinitionDisplayControl() override;

  /// A row for a variable already in the variable list.
  bool AddEntryForVariable(CVariableDefDataDefinition* variable);
  /// Appends the variable to the build file's list (which then owns it) and
  /// adds its row; marks the list modified. False leaves the list unchanged.
  bool AddVariable(CVariableDefDataDefinition* variable);
  /// Rewrites the row's cells from its variable; marks the list modified.
  bool RefreshEntry(CVariableDefinitionDisplayControlEntry* row);
  /// Removes the row, unlinks the variable from the list and deletes it.
  bool DeleteVariable(CVariableDefDataDefinition* variable);
  CVariableDefinitionDisplayControlEntry* FindEntryForVariable(CVariableDefDataDefinition* variable);
  /// Deselects, then a row for every variable in list order; true when one was added.
  bool RebuildEntries();
  /// Every row removed, not modified, redrawn.
  void ClearVariables();
  /// Minimum widths without rows, else fitted to the content.
  bool AutoSizeColumns();
  /// Ctrl+W: the columns fitted to their content again.
  bool ResetColumnWidths();
  int GetSelectedCount();
  CVariableDefinitionDisplayControlEntry* GetRow(int index) {
    return static_cast<CVariableDefinitionDisplayControlEntry*>(GetEntryAt(index));
  }
  /// The variable list differs from the build file.
  bool IsModified() const { return m_bModified; }
  void SetModified(bool modified) { m_bModified = modified; }
  /// The owner display's, null without one or without its frame.
  CBuildStepFileManager* GetFileManager();

  // CColumnViewControl
  bool AddColumns() override;
  bool LoadImages() override;
  void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
  void OnDeleteKey() override;
  void OnEntryDoubleClicked() override;
  void OnEntryRightClicked() override;

  /// Set by the owner display; not owned.
  CVariableDefinitionDisplay* m_pOwnerDisplay;

 protected:
  bool HasOwnerFrame();
  void FillRow(CVariableDefinitionDisplayControlEntry* row);

  bool m_bModified;
};

class CVariableDefinitionDisplay : public CVelmoranNativeDisplayControl {
 public:
  CVariableDefinitionDisplay();
  /// Destroys the window, then the list.
  ~CVariableDefinitionDisplay() override;

  /// The base's window; with an owner frame also the tool bar and the list.
  bool CreateDisplay(CWnd* parent, int controlId) override;
  /// The list below the tool bar, its columns sized; needs frame, tab and window.
  bool FitToParent() override;
  void OnPaint() override;
  /// Empties the list, then the base's close.
  void OnClose() override;
  bool Close();
  CTKToolBar* GetToolBar() override { return m_pOwnToolBar; }
  /// Kept here and in the base, whose tool-bar operations read their own.
  void SetToolBar(CTKToolBar* toolBar) override {
    m_pOwnToolBar = toolBar;
    CVelmoranNativeDisplayControl::SetToolBar(toolBar);
  }

  /// The build file's records: the frame's build-step display's file manager.
  CBuildStepFileManager* GetFileManager();
  /// After a build file was opened: the rows of its variables, sorted, not
  /// modified. The rows of an earlier file are always removed first, also
  /// when the new file has no variables (their records are gone by then).
  bool ReloadVariables();
  CVariableDefinitionDisplayControl& GetList() { return m_list; }

  // Enable rules of the three commands: a frame and no run, and for Edit
  // exactly one, for Delete at least one selected row.
  bool CanAddVariable();
  bool CanEditVariable();
  bool CanDeleteVariables();

  // Commands (4026, 4028, 4027) and the list's requests.
  virtual void OnEditRequest();
  virtual void OnDeleteRequest();
  virtual void OnAddVariable();
  virtual void OnEditVariable();
  virtual void OnDeleteVariables();
  /// Sorts the rows by the current sort column and redraws the list.
  void SortAndRedraw();

  /// The panes' owner: the list's context menu is tracked through it, as
  /// the step list's and the log's are. The frame makes itself the owner;
  /// tests give a recorder. Not owned.
  void SetOwner(IAppDisplayOwner* owner) { m_pOwner = owner; }
  IAppDisplayOwner* GetOwner() const { return m_pOwner; }

  /// Not owned; set by the frame at construction.
  CMainFrame* m_pMainFrame;
  /// The display manager's tab of this page; not owned.
  CTabControlTab* m_pTab;

 protected:
  bool IsFrameCommandEnabled(UINT command);
  afx_msg void OnSize(UINT type, int cx, int cy);
  afx_msg void OnUpdateAddVariable(CCmdUI* pCmdUI);
  afx_msg void OnUpdateEditVariable(CCmdUI* pCmdUI);
  afx_msg void OnUpdateDeleteVariables(CCmdUI* pCmdUI);

  DECLARE_MESSAGE_MAP()

  CVariableDefinitionDisplayControl m_list;
  CTKToolBar* m_pOwnToolBar;
  IAppDisplayOwner* m_pOwner;
};
