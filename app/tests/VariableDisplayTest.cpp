// The variable page in the real frame: its rows and sorting, the enable
// rules of its commands, the add and edit dialogs' name rules, deleting, and
// a reload over an earlier file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SupportApp.h"
#include "SupportOwner.h"
#include "app/AppResources.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKToolBar.h"
#include "testsupport/TempFolder.h"
#include "testsupport/TestText.h"

namespace {

CWinApp theApp("VelmVariableDisplayTest");

class VariableDisplayTest : public ::testing::Test {
 protected:
  void TearDown() override {
    Page().GetList().ClearVariables();
    Files().Clear();
  }
  CVariableDefinitionDisplay& Page() { return m_frame->GetVariableDisplay(); }
  CVariableDefinitionDisplayControl& List() { return Page().GetList(); }
  CBuildStepFileManager& Files() { return *Page().GetFileManager(); }

  /// Puts the variables into the build file's list and shows them.
  void Load(const std::vector<std::pair<const char*, const char*>>& variables) {
    for (const auto& entry : variables) {
      CVariableDefDataDefinition* variable = new CVariableDefDataDefinition;
      variable->SetName(entry.first);
      variable->SetValue(entry.second);
      Files().GetVariableList().AddTail(variable);
    }
    Page().ReloadVariables();
  }
  std::vector<std::string> Rows() {
    std::vector<std::string> rows;
    for (int i = 0; i < List().GetDisplayCount(); ++i)
      rows.push_back(TextOf(List().GetRow(i)->GetColumnText(0)) + "=" +
                     TextOf(List().GetRow(i)->GetColumnText(1)));
    return rows;
  }
  std::vector<std::string> Records() {
    std::vector<std::string> records;
    CTesselList& variables = Files().GetVariableList();
    for (int i = 0; i < variables.GetCount(); ++i) {
      auto* variable = static_cast<CVariableDefDataDefinition*>(variables.GetAt(i));
      records.push_back(TextOf(variable->m_name) + "=" + TextOf(variable->m_value));
    }
    return records;
  }
  void Select(const std::vector<int>& rows) {
    List().DeselectAll();
    for (int row : rows) List().SelectAt(row);
  }

  CScriptedAppSystem m_appSystem;
  CScriptedSystem m_system;
  CFrameFixture m_frame;
};

TEST_F(VariableDisplayTest, ThePageHasItsToolBarAndAListOfNameAndValueSortedByName) {
  ASSERT_NE(nullptr, Page().GetToolBar());
  for (UINT command : {ID_ADD_VARIABLE, ID_EDIT_VARIABLE, ID_DELETE_VARIABLES})
    EXPECT_NE(nullptr, Page().GetToolBar()->GetControls()->FindControlById(command)) << command;
  ASSERT_TRUE(::IsWindow(List().m_hWnd));
  // The list starts below the tool bar.
  CRect bar, list;
  Page().GetToolBar()->GetWindowRect(&bar);
  List().GetWindowRect(&list);
  EXPECT_FALSE(bar.IsRectEmpty());
  EXPECT_GE(list.top, bar.bottom);
  ASSERT_EQ(2, List().GetColumnCount());
  EXPECT_EQ("Variable Name", TextOf(List().GetColumn(0)->m_title));
  EXPECT_EQ("Value", TextOf(List().GetColumn(1)->m_title));
  Load({{"Zeta", "26"}, {"alpha", "1"}, {"Mid", "13"}});
  EXPECT_EQ((std::vector<std::string>{"alpha=1", "Mid=13", "Zeta=26"}), Rows());
  EXPECT_EQ(1, List().GetRow(0)->m_nImage);
  EXPECT_FALSE(List().IsModified());
}

TEST_F(VariableDisplayTest, CommandsFollowTheSelectionAndAreAllDisabledDuringARun) {
  EXPECT_EQ(static_cast<IAppDisplayOwner*>(m_frame.Get()), Page().GetOwner());
  CTestDisplayOwner owner;
  Page().SetOwner(&owner);
  Load({{"A", "1"}, {"B", "2"}, {"C", "3"}});
  const struct {
    std::vector<int> selected;
    bool running;
    bool add, edit, remove;
  } cases[] = {
      {{}, false, true, false, false},     {{1}, false, true, true, true},
      {{0, 2}, false, true, false, true},  {{1}, true, false, false, false},
      {{0, 1}, true, false, false, false},
  };
  for (const auto& c : cases) {
    Select(c.selected);
    m_frame->SetRunning(c.running);
    const std::string label = std::to_string(c.selected.size()) + (c.running ? " running" : "");
    EXPECT_EQ(c.add, Page().CanAddVariable()) << label;
    EXPECT_EQ(c.edit, Page().CanEditVariable()) << label;
    EXPECT_EQ(c.remove, Page().CanDeleteVariables()) << label;
    // The frame's own state sees the selection, so its buttons agree.
    const CFrameCommandState state = m_frame->GetCommandState();
    EXPECT_EQ(static_cast<int>(c.selected.size()), state.selectedVariables) << label;
    EXPECT_EQ(c.edit, CMainFrame::IsCommandEnabled(ID_EDIT_VARIABLE, state)) << label;
    EXPECT_EQ(c.remove, CMainFrame::IsCommandEnabled(ID_DELETE_VARIABLES, state)) << label;
    // The context menu, tracked through the panes' owner, greys the same items.
    owner.m_menuChoice = 0;
    List().OnEntryRightClicked();
    ASSERT_EQ(3u, owner.m_menuItems.size()) << label;
    EXPECT_EQ(!c.add, owner.m_menuItems[0].second) << label;
    EXPECT_EQ(!c.edit, owner.m_menuItems[1].second) << label;
    EXPECT_EQ(!c.remove, owner.m_menuItems[2].second) << label;
  }
  m_frame->SetRunning(false);
  Page().SetOwner(m_frame.Get());
}

TEST_F(VariableDisplayTest, TheAddDialogKeepsOkDisabledUntilNameAndValueAreGivenAndTheNameIsNew) {
  Load({{"Alpha", "1"}, {"Beta", "2"}});
  const struct {
    const char* name;
    const char* value;
    bool ok;
  } cases[] = {
      {"", "", false},        {"Gamma", "", false},  {"", "x", false},
      {"alpha", "x", false},  {"BETA", "x", false},  {"Gamma", "   ", false},
      {"   ", "x", false},    {"Gamma", "x", true},  {" Alpha", "x", true},
  };
  for (const auto& c : cases) {
    bool ok = !c.ok;
    m_appSystem.m_dialogScript = [&](CDialog& d) {
      EXPECT_FALSE(IsDialogItemEnabled(d, IDOK)) << "OK starts disabled";
      SetDialogText(d, IDC_VARIABLE_NAME, c.name);
      SetDialogText(d, IDC_VARIABLE_VALUE, c.value);
      ok = IsDialogItemEnabled(d, IDOK);
      PressButton(d, IDCANCEL);
    };
    Page().OnAddVariable();
    EXPECT_EQ(c.ok, ok) << "'" << c.name << "' = '" << c.value << "'";
  }
  EXPECT_EQ((std::vector<std::string>{"Alpha=1", "Beta=2"}), Records()) << "Cancel changes nothing";
  EXPECT_FALSE(List().IsModified());
}

TEST_F(VariableDisplayTest, AnAddedVariableKeepsLeadingBlanksLosesTrailingOnesAndIsSortedIn) {
  Load({{"Beta", "2"}, {"Zed", "26"}});
  m_appSystem.m_dialogScript = [](CDialog& d) {
    CString caption;
    d.GetWindowText(caption);
    EXPECT_EQ("Add Variable Definition", std::string(caption));
    SetDialogText(d, IDC_VARIABLE_NAME, "Aardvark \t ");
    SetDialogText(d, IDC_VARIABLE_VALUE, "  c:\\out  ");
    PressButton(d, IDOK);
  };
  Page().OnAddVariable();
  ASSERT_EQ(std::vector<INT_PTR>{IDOK}, m_appSystem.m_dialogResults);
  EXPECT_EQ((std::vector<std::string>{"Beta=2", "Zed=26", "Aardvark=  c:\\out"}), Records());
  EXPECT_EQ((std::vector<std::string>{"Aardvark=  c:\\out", "Beta=2", "Zed=26"}), Rows());
  EXPECT_TRUE(List().IsModified());
}

TEST_F(VariableDisplayTest, AnEditMayKeepItsNameOrChangeItsCaseButNotTakeAnotherOne) {
  Load({{"Alpha", "1"}, {"Beta", "2"}});
  const struct {
    const char* name;
    bool ok;
  } cases[] = {{"Alpha", true}, {"ALPHA", true}, {"beta", false}, {"Gamma", true}};
  for (const auto& c : cases) {
    Select({0});
    bool ok = !c.ok;
    std::string caption, shownName;
    m_appSystem.m_dialogScript = [&](CDialog& d) {
      CString text;
      d.GetWindowText(text);
      caption = std::string(text);
      shownName = GetDialogText(d, IDC_VARIABLE_NAME);
      SetDialogText(d, IDC_VARIABLE_NAME, c.name);
      ok = IsDialogItemEnabled(d, IDOK);
      PressButton(d, IDCANCEL);
    };
    Page().OnEditVariable();
    EXPECT_EQ(c.ok, ok) << c.name;
    EXPECT_EQ("Edit Variable Definition", caption);
    EXPECT_EQ("Alpha", shownName);
  }
  // Committing a change of case only renames the record and its row.
  Select({0});
  m_appSystem.m_dialogScript = [](CDialog& d) {
    SetDialogText(d, IDC_VARIABLE_NAME, "ALPHA");
    SetDialogText(d, IDC_VARIABLE_VALUE, "one ");
    PressButton(d, IDOK);
  };
  Page().OnEditVariable();
  EXPECT_EQ((std::vector<std::string>{"ALPHA=one", "Beta=2"}), Records());
  EXPECT_EQ((std::vector<std::string>{"ALPHA=one", "Beta=2"}), Rows());
  EXPECT_TRUE(List().IsModified());
}

TEST_F(VariableDisplayTest, EditNeedsExactlyOneSelectedRow) {
  Load({{"A", "1"}, {"B", "2"}});
  Select({0, 1});
  Page().OnEditVariable();
  EXPECT_TRUE(m_appSystem.m_dialogResults.empty());
}

TEST_F(VariableDisplayTest, DeleteAsksAndRemovesTheSelectedRowsAndRecordsOnlyOnYes) {
  Load({{"A", "1"}, {"B", "2"}, {"C", "3"}});
  Select({0, 2});
  m_appSystem.m_nAnswer = IDNO;
  Page().OnDeleteVariables();
  ASSERT_EQ(1u, m_appSystem.m_shown.size());
  EXPECT_EQ("Are you sure you want to delete all the selected variables?", m_appSystem.m_shown[0].text);
  EXPECT_EQ(0x14u, m_appSystem.m_shown[0].flags);
  EXPECT_EQ(3u, Records().size());

  m_appSystem.m_nAnswer = IDYES;
  Page().OnDeleteVariables();
  EXPECT_EQ((std::vector<std::string>{"B=2"}), Records());
  EXPECT_EQ((std::vector<std::string>{"B=2"}), Rows());
  EXPECT_TRUE(List().IsModified());

  // The last one goes too; the columns keep their minimum widths.
  Select({0});
  Page().OnDeleteVariables();
  EXPECT_TRUE(Records().empty());
  EXPECT_EQ(0, List().GetEntryCount());
  EXPECT_GT(List().GetColumnWidth(0), 0);
}

TEST_F(VariableDisplayTest, TheDeleteKeyAndADoubleClickReachTheCommands) {
  Load({{"A", "1"}});
  Select({0});
  m_appSystem.m_nAnswer = IDNO;
  List().OnDeleteKey();
  EXPECT_EQ(1u, m_appSystem.m_shown.size());
  List().OnEntryDoubleClicked();
  EXPECT_EQ(1u, m_appSystem.m_dialogResults.size());
}

TEST_F(VariableDisplayTest, AReloadAfterAnotherFileLeavesNoRowOfTheVariablesBefore) {
  CTempFolder folder;
  const CTesselString withVariables((folder.GetPath() + "\\with.velm").c_str());
  const CTesselString without((folder.GetPath() + "\\without.velm").c_str());
  {
    CBuildStepFileManager writer;
    CVariableDefDataDefinition* variable = new CVariableDefDataDefinition;
    variable->SetName("OUT");
    variable->SetValue("c:\\out");
    writer.GetVariableList().AddTail(variable);
    ASSERT_TRUE(writer.SaveBuildFile(withVariables));
    writer.Clear();
    ASSERT_TRUE(writer.SaveBuildFile(without));
    writer.Clear();
  }
  ASSERT_TRUE(Files().LoadBuildFile(withVariables));
  EXPECT_TRUE(Page().ReloadVariables());
  EXPECT_EQ((std::vector<std::string>{"OUT=c:\\out"}), Rows());
  // Opening over the open file: loading deletes the records the rows show.
  Files().Clear();
  ASSERT_TRUE(Files().LoadBuildFile(without));
  EXPECT_FALSE(Page().ReloadVariables()) << "nothing to show";
  EXPECT_EQ(0, List().GetEntryCount());
  EXPECT_FALSE(List().IsModified());
}

}  // namespace
