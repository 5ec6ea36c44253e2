// Find and replace over the step list: Next and Previous cell by cell, their
// messages, the stored window position, and replacing in the selected or all
// steps with its report.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SupportApp.h"
#include "SupportRun.h"
#include "app/AppResources.h"
#include "app/FindAndReplaceDialog.h"
#include "app/FindDialog.h"
#include "testsupport/TestText.h"

namespace {

CWinApp theApp("VelmFindDialogsTest");

// Columns: 0 name, 4 parameters.
const std::vector<FixtureStep> kSteps = {
    {StepDosCommand, "build one", "", "echo build", false},
    {StepDosCommand, "copy", "", "echo nothing", false},
    {StepDosCommand, "build two", "", "echo x", false},
};

class FindDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_run.Create());
    ASSERT_TRUE(m_run.Load(kSteps));
  }
  CBuildStepDisplay& List() { return m_run.m_display.GetStepDisplay(); }
  std::vector<std::string> Messages() {
    std::vector<std::string> texts;
    for (const auto& message : m_run.m_owner.m_messages) texts.push_back(message.first);
    return texts;
  }
  std::string Setting(const char* key) { return m_run.m_owner.m_settings[key]; }

  /// A find dialog over the list; `script` runs while it is open.
  void RunFind(const std::function<void(CFindDialog&)>& script) {
    CFindDialog dialog;
    dialog.m_pList = &List();
    RunScriptedDialog(dialog, [&](CDialog& d) {
      script(dialog);
      d.SendMessage(WM_CLOSE);
    });
  }
  /// The cell the last search highlighted, "row,column", or "none".
  std::string Hit() {
    if (!List().m_bFindActive) return "none";
    return std::to_string(List().m_nFindRow) + "," + std::to_string(List().m_nFindColumn);
  }

  CScriptedAppSystem m_appSystem;
  CScriptedSystem m_system;
  CRunFixture m_run;
};

TEST_F(FindDialogsTest, NextAndPreviousWalkTheCellsAndSayWhenNothingMoreIsFound) {
  const struct {
    const char* text;
    int caret;
    std::vector<int> buttons;  // IDC_FIND_NEXT or IDC_FIND_PREVIOUS
    std::vector<std::string> hits;
    std::vector<std::string> messages;
  } cases[] = {
      // Next goes on one column further in the same row before the next row.
      {"build", 0, {IDC_FIND_NEXT, IDC_FIND_NEXT, IDC_FIND_NEXT, IDC_FIND_NEXT},
       {"0,0", "0,4", "2,0", "none"},
       {"No more occurrences of 'build' were found."}},
      {"zzz", 0, {IDC_FIND_NEXT}, {"none"}, {"The text 'zzz' was not found."}},
      // Previous after a hit in the first column goes on in the row before.
      {"build", 2, {IDC_FIND_PREVIOUS, IDC_FIND_PREVIOUS, IDC_FIND_PREVIOUS, IDC_FIND_PREVIOUS},
       {"2,0", "0,4", "0,0", "none"},
       {"No more occurrences of 'build' were found."}},
      {"ECHO", 2, {IDC_FIND_PREVIOUS, IDC_FIND_PREVIOUS}, {"1,4", "0,4"}, {}},
  };
  for (const auto& c : cases) {
    m_run.m_owner.m_messages.clear();
    List().m_nCaret = c.caret;
    std::vector<std::string> hits;
    RunFind([&](CFindDialog& d) {
      SetDialogText(d, IDC_FIND_TEXT, c.text);
      for (int button : c.buttons) {
        PressButton(d, button);
        hits.push_back(Hit());
      }
    });
    EXPECT_EQ(c.hits, hits) << c.text << " from row " << c.caret;
    EXPECT_EQ(c.messages, Messages()) << c.text;
    EXPECT_EQ(c.text, Setting("Options/LastFindText"));
  }
  for (const auto& message : m_run.m_owner.m_messages) EXPECT_EQ(0x40u, message.second);
}

TEST_F(FindDialogsTest, TheButtonsNeedATextAndTheLastTextComesBack) {
  m_run.m_owner.m_settings["Options/LastFindText"] = "copy";
  bool enabledWithText = false, enabledEmpty = true;
  RunFind([&](CFindDialog& d) {
    EXPECT_EQ("copy", GetDialogText(d, IDC_FIND_TEXT));
    enabledWithText = IsDialogItemEnabled(d, IDC_FIND_NEXT) && IsDialogItemEnabled(d, IDC_FIND_PREVIOUS);
    SetDialogText(d, IDC_FIND_TEXT, "");
    enabledEmpty = IsDialogItemEnabled(d, IDC_FIND_NEXT) || IsDialogItemEnabled(d, IDC_FIND_PREVIOUS);
  });
  EXPECT_TRUE(enabledWithText);
  EXPECT_FALSE(enabledEmpty);
}

TEST_F(FindDialogsTest, TheWindowPositionIsStoredOnCloseAndRestoredOnlyFromFourNumbers) {
  CDialog plain(IDD_FIND_TEXT);
  ASSERT_TRUE(plain.Create(IDD_FIND_TEXT, &m_run.m_host));
  CRect templateRect;
  plain.GetWindowRect(&templateRect);
  plain.DestroyWindow();

  const struct {
    const char* stored;
    bool moved;
  } cases[] = {{"40,50,500,120", true}, {"", false}, {"1,2,3", false}, {"a,b,c,d", false}};
  for (const auto& c : cases) {
    m_run.m_owner.m_settings["Options/FindWindowPosition"] = c.stored;
    CRect shown;
    RunFind([&](CFindDialog& d) { d.GetWindowRect(&shown); });
    if (c.moved) {
      EXPECT_EQ(CRect(40, 50, 540, 170), shown);
    } else {
      EXPECT_EQ(templateRect.Width() + 1, shown.Width()) << "'" << c.stored << "'";
      EXPECT_EQ(templateRect.Height(), shown.Height()) << "'" << c.stored << "'";
    }
    // Closing stores where it stood.
    const std::string expected = std::to_string(shown.left) + "," + std::to_string(shown.top) +
                                 "," + std::to_string(shown.Width()) + "," +
                                 std::to_string(shown.Height());
    EXPECT_EQ(expected, Setting("Options/FindWindowPosition")) << "'" << c.stored << "'";
  }
}

TEST(FindCommands, OnAnEmptyStepListTheFrameOpensNeitherDialog) {
  CScriptedAppSystem appSystem;
  CScriptedSystem system;
  CFrameFixture frame;
  ASSERT_EQ(0, frame->GetMainDisplay().GetStepDisplay().GetEntryCount());
  for (UINT command : {ID_FIND_TEXT, ID_FIND_AND_REPLACE}) frame->SendMessage(WM_COMMAND, command, 0);
  EXPECT_TRUE(appSystem.m_dialogResults.empty());
}

class ReplaceTest : public FindDialogsTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_run.Create());
    LoadSteps();
  }
  void LoadSteps() {
    ASSERT_TRUE(m_run.Load({{StepDosCommand, "ABC step", "", "abc ABC", false},
                            {StepDosCommand, "other", "", "Abc", false},
                            {StepDosCommand, "none", "", "xyz", false}}));
  }
  std::vector<std::string> Cells(int column) {
    std::vector<std::string> cells;
    for (int i = 0; i < List().GetDisplayCount(); ++i)
      cells.push_back(TextOf(List().GetRow(i)->GetColumnText(column)));
    return cells;
  }
  std::vector<int> Selected() {
    std::vector<int> rows;
    for (int i = 0; i < List().GetDisplayCount(); ++i)
      if (List().GetRow(i)->m_bSelected) rows.push_back(i);
    return rows;
  }
};

TEST_F(ReplaceTest, ReplacesInTheSelectedOrAllStepsAndAlwaysReports) {
  const struct {
    const char* search;
    bool caseSensitive;
    std::vector<int> selected;
    const char* report;
    std::vector<std::string> names, parameters;
    bool modified;
  } cases[] = {
      {"ABC", false, {}, "Made 4 replacements in 2 entries.", {"Q step", "other", "none"},
       {"Q Q", "Q", "xyz"}, true},
      {"ABC", true, {}, "Made 2 replacements in 1 entries.", {"Q step", "other", "none"},
       {"abc Q", "Abc", "xyz"}, true},
      {"abc", false, {1, 2}, "Made 1 replacements in 1 entries.", {"ABC step", "other", "none"},
       {"abc ABC", "Q", "xyz"}, true},
      {"nope", false, {}, "Made 0 replacements in 0 entries.", {"ABC step", "other", "none"},
       {"abc ABC", "Abc", "xyz"}, false},
  };
  for (const auto& c : cases) {
    LoadSteps();
    m_run.m_owner.m_settings.clear();
    m_run.Select(c.selected);
    CFindAndReplaceDialog dialog;
    dialog.m_pList = &List();
    const INT_PTR result = RunScriptedDialog(dialog, [&](CDialog& d) {
      EXPECT_FALSE(IsDialogItemEnabled(d, IDOK)) << "no search text yet";
      SetDialogText(d, IDC_REPLACE_SEARCH_FOR, c.search);
      SetDialogText(d, IDC_REPLACE_WITH, "Q");
      EXPECT_TRUE(IsDialogItemEnabled(d, IDOK));
      if (c.caseSensitive) ::CheckDlgButton(d.m_hWnd, IDC_REPLACE_CASE_SENSITIVE, BST_CHECKED);
      PressButton(d, IDOK);
    });
    EXPECT_EQ(IDOK, result) << c.report;
    EXPECT_EQ(std::vector<std::string>{c.report}, Messages());
    EXPECT_EQ(c.names, Cells(0)) << c.report;
    EXPECT_EQ(c.parameters, Cells(4)) << c.report;
    EXPECT_EQ(c.selected, Selected()) << c.report;
    EXPECT_EQ(c.modified, List().IsModified()) << c.report;
    EXPECT_EQ(c.search, Setting("FindAndReplace/LastSearchText"));
    EXPECT_EQ("Q", Setting("FindAndReplace/LastReplaceText"));
    m_run.m_owner.m_messages.clear();
  }
}

TEST_F(ReplaceTest, CancelChangesNothingAndTheLastTextsComeBack) {
  m_run.m_owner.m_settings["FindAndReplace/LastSearchText"] = "abc";
  m_run.m_owner.m_settings["FindAndReplace/LastReplaceText"] = "def";
  CFindAndReplaceDialog dialog;
  dialog.m_pList = &List();
  std::string search, replacement;
  const INT_PTR result = RunScriptedDialog(dialog, [&](CDialog& d) {
    search = GetDialogText(d, IDC_REPLACE_SEARCH_FOR);
    replacement = GetDialogText(d, IDC_REPLACE_WITH);
    PressButton(d, IDCANCEL);
  });
  EXPECT_EQ(IDCANCEL, result);
  EXPECT_EQ("abc", search);
  EXPECT_EQ("def", replacement);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ("ABC step", Cells(0)[0]);
}

}  // namespace
