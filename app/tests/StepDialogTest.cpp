// The step dialog: its opening state, the fields each type uses, what OK
// stores, a refused step, the edit form and the help topics.
#include <gtest/gtest.h>

#include <htmlhelp.h>

#include "SupportSteps.h"
#include "app/AddStepDialog.h"
#include "app/AppResources.h"
#include "testsupport/TestText.h"

namespace {

CWinApp theApp("VelmStepDialogTest");

const int kFields[] = {IDC_STEP_NAME,   IDC_STEP_DESCRIPTION, IDC_STEP_EXECUTABLE,
                       IDC_STEP_PARAMETERS, IDC_STEP_SOURCE, IDC_STEP_TARGET,
                       IDC_STEP_FILE_SPEC};

void ClickType(CDialog& dialog, int button) {
  ClickRadio(dialog, IDC_TYPE_INSTALLER_BUILD, IDC_TYPE_BRISANT, button);
}

class StepDialogTest : public ::testing::Test {
 protected:
  // The systems first: the frame uses them as it opens and closes.
  CScriptedAppSystem m_app;
  CScriptedSystem m_system;
  CStepFrame m_frame;
};

TEST_F(StepDialogTest, OpensOnDosCommandWithEveryFieldEnabledAndOkOnlyWithAName) {
  m_app.m_dialogScript = [](CDialog& d) {
    EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(d.m_hWnd, IDC_TYPE_DOS_COMMAND));
    EXPECT_EQ(BST_UNCHECKED, ::IsDlgButtonChecked(d.m_hWnd, IDC_STEP_PAUSED));
    for (int field : kFields) EXPECT_TRUE(IsDialogItemEnabled(d, field)) << field;
    EXPECT_FALSE(IsDialogItemEnabled(d, IDOK));
    const struct {
      const char* name;
      bool ok;
    } names[] = {{"B", true}, {"   ", false}, {"\r\n\t", false}, {"  Build", true}, {"", false}};
    for (const auto& n : names) {
      SetDialogText(d, IDC_STEP_NAME, n.name);
      EXPECT_EQ(n.ok, IsDialogItemEnabled(d, IDOK)) << "'" << n.name << "'";
    }
    PressButton(d, IDCANCEL);
  };
  m_frame.Command(ID_ADD_BUILD_STEP);
  ASSERT_EQ(1u, m_app.m_dialogCaptions.size());
  EXPECT_EQ("Add Build Step", m_app.m_dialogCaptions[0]);
  EXPECT_EQ(IDCANCEL, m_app.m_dialogResults[0]);
  EXPECT_EQ(0, m_frame.List().GetStepCount());
}

TEST_F(StepDialogTest, ATypeClearsAndDisablesTheFieldsItDoesNotUse) {
  // Which of executable, parameters, source, target and file specification stay.
  const struct {
    int button;
    bool used[5];
  } cases[] = {
      {IDC_TYPE_CREATE_FOLDER, {false, false, false, true, false}},
      {IDC_TYPE_EXECUTE_PROGRAM, {true, true, false, false, false}},
      {IDC_TYPE_DOS_COMMAND, {false, true, false, false, false}},
      {IDC_TYPE_QUORREL, {false, true, false, false, false}},
      {IDC_TYPE_SOLUTION, {false, true, true, false, false}},
      {IDC_TYPE_BUILD_SCRIPT, {false, false, true, false, false}},
      {IDC_TYPE_COPY_TREE, {false, false, true, true, true}},
      {IDC_TYPE_RENAME_FILE, {false, false, true, false, true}},
      {IDC_TYPE_RENAME_FOLDER, {false, false, true, true, false}},
  };
  m_app.m_dialogScript = [&cases](CDialog& d) {
    for (const auto& c : cases) {
      for (int field : kFields) SetDialogText(d, field, "text");
      ClickType(d, c.button);
      EXPECT_TRUE(IsDialogItemEnabled(d, IDC_STEP_NAME));
      EXPECT_TRUE(IsDialogItemEnabled(d, IDC_STEP_DESCRIPTION));
      EXPECT_EQ("text", GetDialogText(d, IDC_STEP_NAME));
      EXPECT_EQ("text", GetDialogText(d, IDC_STEP_DESCRIPTION));
      for (int f = 0; f < 5; ++f) {
        const int field = kFields[f + 2];
        EXPECT_EQ(c.used[f], IsDialogItemEnabled(d, field)) << c.button << " field " << field;
        EXPECT_EQ(c.used[f] ? "text" : "", GetDialogText(d, field)) << c.button << " " << field;
      }
    }
    PressButton(d, IDCANCEL);
  };
  m_frame.Command(ID_ADD_BUILD_STEP);
  EXPECT_EQ(1u, m_app.m_dialogCaptions.size());
}

TEST_F(StepDialogTest, OkAppendsTheStepWithLinesJoinedAndTrailingBlanksGone) {
  ASSERT_TRUE(m_frame.Load({{StepDosCommand, "first", "", "echo 1", false}}));
  m_app.m_dialogScript = [](CDialog& d) {
    ClickType(d, IDC_TYPE_EXECUTE_PROGRAM);
    SetDialogText(d, IDC_STEP_NAME, "Compile  \t");
    SetDialogText(d, IDC_STEP_DESCRIPTION, "  the sources ");
    SetDialogText(d, IDC_STEP_EXECUTABLE, "cl.exe \r\n");
    SetDialogText(d, IDC_STEP_PARAMETERS, "/c\r\nmain.cpp\r\n/O2   \r\n");
    ::CheckDlgButton(d.m_hWnd, IDC_STEP_PAUSED, BST_CHECKED);
    PressButton(d, IDOK);
  };
  m_frame.Command(ID_ADD_BUILD_STEP);
  EXPECT_EQ(IDOK, m_app.m_dialogResults.at(0));
  ASSERT_EQ(2, m_frame.List().GetStepCount());
  ASSERT_EQ(2, m_frame.List().GetDisplayCount());
  CBuildStepDataDefinition* step = m_frame.Step(1);
  EXPECT_EQ(StepExecuteProgram, step->m_stepType);
  EXPECT_EQ("Compile", TextOf(step->m_stepName));
  EXPECT_EQ("  the sources", TextOf(step->m_description));
  EXPECT_EQ("cl.exe", TextOf(step->m_executablePath));
  EXPECT_EQ("/c main.cpp /O2", TextOf(step->m_parameters));
  EXPECT_TRUE(step->m_paused);
  EXPECT_EQ("Compile", TextOf(m_frame.List().GetRow(1)->GetColumnText(0)));
  EXPECT_TRUE(m_frame.List().IsModified());
}

TEST_F(StepDialogTest, AStepTheListRefusesIsToldAndTheDialogStaysOpen) {
  CBuildStepDisplay ownerless;  // it takes no rows without an owner
  CAddStepDialog dialog(m_frame.Get(), IDD_BUILD_STEP);
  dialog.m_pFrame = m_frame.Get();
  dialog.m_pStepDisplay = &ownerless;
  bool stayedOpen = false;
  m_app.m_dialogScript = [&stayedOpen](CDialog& d) {
    SetDialogText(d, IDC_STEP_NAME, "Lost");
    PressButton(d, IDOK);
    stayedOpen = ::IsWindow(d.m_hWnd) && GetDialogText(d, IDC_STEP_NAME) == "Lost";
    PressButton(d, IDCANCEL);
  };
  EXPECT_EQ(IDCANCEL, AppSystem()->RunDialog(&dialog));
  EXPECT_TRUE(stayedOpen);
  ASSERT_EQ(1u, m_app.m_shown.size());
  EXPECT_EQ("An error occurred adding the build step 'Lost'.", m_app.m_shown[0].text);
  EXPECT_EQ(static_cast<UINT>(MB_ICONHAND), m_app.m_shown[0].flags);
  EXPECT_EQ(0, ownerless.GetStepCount());
}

TEST_F(StepDialogTest, EditOpensOnTheStepAndOkRewritesItWithAnEmptyElapsedCell) {
  ASSERT_TRUE(m_frame.Load({{StepDosCommand, "first", "", "echo 1", false},
                    {StepCreateFolder, "folder", "", "", true}}));
  m_frame.Step(1)->SetTargetPath("C:\\out");
  m_frame.Step(1)->m_elapsedTime = 12345678;
  m_frame.List().GetRow(1)->SetColumnText(1, m_frame.Step(1)->GetElapsedTimeText(true));
  m_frame.Select({1});
  m_app.m_dialogScript = [](CDialog& d) {
    EXPECT_EQ("folder", GetDialogText(d, IDC_STEP_NAME));
    EXPECT_EQ("C:\\out", GetDialogText(d, IDC_STEP_TARGET));
    EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(d.m_hWnd, IDC_TYPE_CREATE_FOLDER));
    EXPECT_EQ(BST_UNCHECKED, ::IsDlgButtonChecked(d.m_hWnd, IDC_TYPE_DOS_COMMAND));
    EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(d.m_hWnd, IDC_STEP_PAUSED));
    EXPECT_FALSE(IsDialogItemEnabled(d, IDC_STEP_EXECUTABLE));
    EXPECT_TRUE(IsDialogItemEnabled(d, IDOK));
    SetDialogText(d, IDC_STEP_DESCRIPTION, "made fresh ");
    ::CheckDlgButton(d.m_hWnd, IDC_STEP_PAUSED, BST_UNCHECKED);
    PressButton(d, IDOK);
  };
  m_frame.Command(ID_EDIT_BUILD_STEP);
  ASSERT_EQ(1u, m_app.m_dialogCaptions.size());
  EXPECT_EQ("Edit Build Step", m_app.m_dialogCaptions[0]);
  EXPECT_EQ("made fresh", TextOf(m_frame.Step(1)->m_description));
  EXPECT_FALSE(m_frame.Step(1)->m_paused);
  EXPECT_EQ(0, m_frame.Step(1)->m_elapsedTime);
  EXPECT_EQ("", TextOf(m_frame.List().GetRow(1)->GetColumnText(1)));
  EXPECT_EQ("made fresh", TextOf(m_frame.List().GetRow(1)->GetColumnText(2)));
  EXPECT_EQ(2, m_frame.List().GetStepCount());
  EXPECT_TRUE(m_frame.List().IsModified());
}

TEST_F(StepDialogTest, EachFormOpensItsOwnHelpTopic) {
  ASSERT_TRUE(m_frame.Load({{StepDosCommand, "first", "", "echo 1", false}}));
  const struct {
    UINT command;
    DWORD topic;
  } cases[] = {{ID_ADD_BUILD_STEP, 1004}, {ID_COPY_BUILD_STEP, 1008}, {ID_EDIT_BUILD_STEP, 1009}};
  for (const auto& c : cases) {
    m_frame.Select({0});
    m_system.m_helpCalls.clear();
    m_app.m_dialogScript = [](CDialog& d) {
      PressButton(d, ID_DIALOG_HELP);
      PressButton(d, IDCANCEL);
    };
    m_frame.Command(c.command);
    ASSERT_EQ(1u, m_system.m_helpCalls.size()) << c.command;
    EXPECT_EQ(static_cast<UINT>(HH_HELP_CONTEXT), m_system.m_helpCalls[0].first);
    EXPECT_EQ(c.topic, m_system.m_helpCalls[0].second) << c.command;
  }
}

}  // namespace
