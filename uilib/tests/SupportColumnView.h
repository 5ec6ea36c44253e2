// A column view for tests: three columns (text, number, date), a fixed font,
// hidden in a host window, and a record of the hooks it was given.
#pragma once

#include <string>
#include <vector>

#include "testsupport/DibSurface.h"
#include "testsupport/HostWindow.h"
#include "uilib/ColumnViewControl.h"

class CTestColumnView : public CColumnViewControl {
 public:
  CTestColumnView() : m_nColumns(3) {}

  bool LoadImages() override;
  bool AddColumns() override;
  void OnDeleteKey() override { Record("delete"); }
  void OnEntrySelected() override { Record("selected"); }
  void OnEntryDoubleClicked() override { Record("double"); }
  void OnEntryRightClicked() override { Record("right"); }
  void OnSelectionChanged() override { Record("changed"); }
  void OnEntryHovered() override { Record("hovered"); }
  void OnCaretMoved() override { Record("caret"); }

  /// Appends a row with the given cells and rebuilds the display list
  /// unless told not to.
  CColumnViewControlEntry* AddRow(const std::vector<const char*>& cells, bool rebuild = true);
  /// Rows "Row 0" .. "Row n-1", display list rebuilt unsorted.
  void AddRows(int count);
  /// Paints client and frame into the surface (at the view's window origin).
  void PaintTo(CDibSurface* surface);
  /// Indexes of the selected displayed rows.
  std::vector<int> SelectedRows();

  std::vector<std::string> m_hooks;
  int m_nColumns;
  /// Row images to load (0: none).
  int m_nImages = 0;

 private:
  void Record(const char* hook) { m_hooks.push_back(hook); }
};

/// The key state tests script through foundation's seam: which of Ctrl and
/// Shift are down. Restores the system's source when it goes.
class CScriptedKeys {
 public:
  CScriptedKeys();
  ~CScriptedKeys();
  void Set(bool control, bool shift);

 private:
  static SHORT WINAPI State(int key);
  static bool s_control;
  static bool s_shift;
};

/// A hidden host of the given size with a created view on its whole client area.
class CColumnViewFixture {
 public:
  bool Create(CTestColumnView* view, int width = 400, int height = 200);
  CTestHostWindow m_host;
};
