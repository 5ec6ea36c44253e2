// The frame's step-editing commands: copy, delete with its question, pause
// and resume, move, select all, and every change refused during a run.
#include <gtest/gtest.h>

#include <memory>

#include "SupportApp.h"
#include "SupportOwner.h"
#include "SupportRun.h"
#include "app/AppResources.h"
#include "testsupport/TestText.h"

namespace {

CWinApp theApp("VelmStepCommandsTest");

const std::vector<FixtureStep> kThreeSteps = {{StepDosCommand, "one", "", "echo 1", false},
                                              {StepCopyFiles, "two", "", "", true},
                                              {StepDosCommand, "three", "", "echo 3", false}};

class StepCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_frame.reset(new CFrameFixture(&m_owner));
    m_owner.m_frame = m_frame->Get();
  }
  CMainDisplay& Display() { return (*m_frame)->GetMainDisplay(); }
  CBuildStepDisplay& List() { return Display().GetStepDisplay(); }
  bool Load(const std::vector<FixtureStep>& steps) {
    const std::string path = m_files.PathOf("steps.velm");
    return WriteBuildFile(path, steps) && Display().LoadBuildFile(path.c_str());
  }
  CBuildStepDataDefinition* Step(int row) { return List().GetRow(row)->m_pStep; }
  void Select(const std::vector<int>& rows) {
    List().DeselectAll();
    for (int row : rows) List().SelectById(List().GetRow(row)->GetId());
  }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (int i = 0; i < List().GetDisplayCount(); ++i)
      names.push_back(TextOf(List().GetRow(i)->GetColumnText(0)));
    return names;
  }
  std::vector<int> Selected() {
    std::vector<int> rows;
    for (int i = 0; i < List().GetDisplayCount(); ++i)
      if (List().GetRow(i)->m_bSelected) rows.push_back(i);
    return rows;
  }
  void Command(UINT id) { (*m_frame)->SendMessage(WM_COMMAND, id); }

  CScriptedAppSystem m_app;
  CScriptedSystem m_system;
  CTestDisplayOwner m_owner;
  CTempFolder m_files;
  std::unique_ptr<CFrameFixture> m_frame;
};

TEST_F(StepCommandsTest, CopyOfAPausedStepIsAnUnpausedSelectedCopyAtTheEndThatCancelKeeps) {
  ASSERT_TRUE(Load(kThreeSteps));
  Step(1)->SetParameters("/s");
  Select({1});
  std::vector<int> selectedInDialog;
  std::string nameInDialog;
  m_app.m_dialogScript = [&](CDialog& d) {
    selectedInDialog = Selected();
    nameInDialog = GetDialogText(d, IDC_STEP_NAME);
    PressButton(d, IDCANCEL);
  };
  Command(ID_COPY_BUILD_STEP);
  ASSERT_EQ(1u, m_app.m_dialogCaptions.size());
  EXPECT_EQ("Copy Build Step", m_app.m_dialogCaptions[0]);
  EXPECT_EQ(std::vector<int>{3}, selectedInDialog);
  EXPECT_EQ("two", nameInDialog);
  EXPECT_EQ((std::vector<std::string>{"one", "two", "three", "two"}), Names());
  EXPECT_EQ(4, List().GetStepCount());
  EXPECT_NE(Step(1), Step(3));
  EXPECT_FALSE(Step(3)->m_paused);
  EXPECT_TRUE(Step(1)->m_paused);
  EXPECT_EQ(StepCopyFiles, Step(3)->m_stepType);
  EXPECT_EQ("/s", TextOf(Step(3)->m_parameters));
  EXPECT_EQ(0, Step(3)->m_elapsedTime);
  EXPECT_EQ(std::vector<int>{3}, Selected());
  EXPECT_TRUE(List().IsModified());
}

TEST_F(StepCommandsTest, CopyWithOkTakesTheDialogsTextsIntoTheCopyOnly) {
  ASSERT_TRUE(Load(kThreeSteps));
  Select({0});
  m_app.m_dialogScript = [](CDialog& d) {
    SetDialogText(d, IDC_STEP_NAME, "one again");
    PressButton(d, IDOK);
  };
  Command(ID_COPY_BUILD_STEP);
  EXPECT_EQ((std::vector<std::string>{"one", "two", "three", "one again"}), Names());
}

TEST_F(StepCommandsTest, DeleteAsksAndOnlyYesDeletes) {
  ASSERT_TRUE(Load(kThreeSteps));
  const struct {
    int answer;
    std::vector<std::string> left;
  } cases[] = {{IDNO, {"one", "two", "three"}}, {IDCANCEL, {"one", "two", "three"}},
               {IDYES, {"two"}}};
  for (const auto& c : cases) {
    Select({0, 2});
    m_app.m_shown.clear();
    m_app.m_nAnswer = c.answer;
    Command(ID_DELETE_BUILD_STEPS);
    ASSERT_EQ(1u, m_app.m_shown.size());
    EXPECT_EQ("Are you sure you want to delete all the selected steps?", m_app.m_shown[0].text);
    EXPECT_EQ(0x114u, m_app.m_shown[0].flags);
    EXPECT_EQ(c.left, Names()) << c.answer;
    EXPECT_EQ(static_cast<int>(c.left.size()), List().GetStepCount());
  }
  EXPECT_TRUE(List().IsModified());
  EXPECT_EQ(0, List().m_nFirstVisible);
}

TEST_F(StepCommandsTest, DeletingTheOnlyStepOfANamedFileLeavesZeroSteps) {
  ASSERT_TRUE(Load({{StepDosCommand, "only", "", "echo", false}}));
  Select({0});
  m_app.m_nAnswer = IDYES;
  const int statusBefore = m_owner.m_statusUpdates;
  Command(ID_DELETE_BUILD_STEPS);
  EXPECT_EQ(0, List().GetDisplayCount());
  EXPECT_EQ(0, List().GetStepCount());
  EXPECT_EQ("0 Steps", TextOf(Display().GetStepStatusText()));
  EXPECT_GT(m_owner.m_statusUpdates, statusBefore);
  // Nothing selected: nothing asked.
  m_app.m_shown.clear();
  Command(ID_DELETE_BUILD_STEPS);
  EXPECT_TRUE(m_app.m_shown.empty());
}

TEST_F(StepCommandsTest, PauseAndResumeMakeAMixedSelectionAlike) {
  const struct {
    UINT command;
    bool paused;
  } cases[] = {{ID_PAUSE_SELECTED_STEPS, true}, {ID_RESUME_SELECTED_STEPS, false}};
  for (const auto& c : cases) {
    ASSERT_TRUE(Load(kThreeSteps));  // "two" paused, the others not
    Select({0, 1});
    Command(c.command);
    EXPECT_EQ(c.paused, Step(0)->m_paused) << c.command;
    EXPECT_EQ(c.paused, Step(1)->m_paused) << c.command;
    EXPECT_FALSE(Step(2)->m_paused) << c.command;
    const COLORREF expected = c.paused ? CBuildStepDisplay::kPausedColor : RGB(0, 0, 0);
    EXPECT_EQ(expected, List().GetRow(0)->GetColumnTextColor(0));
    EXPECT_EQ(expected, List().GetRow(1)->GetColumnTextColor(0));
    EXPECT_TRUE(List().IsModified());
  }
}

TEST_F(StepCommandsTest, MovesTakeExactlyOneSelectedRow) {
  ASSERT_TRUE(Load(kThreeSteps));
  const struct {
    std::vector<int> selection;
    UINT command;
    std::vector<std::string> names;
  } cases[] = {
      {{2}, ID_MOVE_STEP_UP, {"one", "three", "two"}},
      {{0}, ID_MOVE_STEP_DOWN, {"three", "one", "two"}},
      {{0, 1}, ID_MOVE_STEP_DOWN, {"three", "one", "two"}},
      {{}, ID_MOVE_STEP_UP, {"three", "one", "two"}},
  };
  for (const auto& c : cases) {
    Select(c.selection);
    Command(c.command);
    EXPECT_EQ(c.names, Names()) << c.command << " " << c.selection.size();
  }
}

TEST_F(StepCommandsTest, SelectAllSelectsEveryRowAndTheEnableRulesSeeIt) {
  ASSERT_TRUE(Load(kThreeSteps));
  Select({1});
  EXPECT_EQ(3, (*m_frame)->GetCommandState().rows);
  EXPECT_EQ(1, (*m_frame)->GetCommandState().selectedRows);
  EXPECT_TRUE((*m_frame)->CanChangeOneStep());
  Command(ID_SELECT_ALL_STEPS);
  EXPECT_EQ((std::vector<int>{0, 1, 2}), Selected());
  EXPECT_EQ(3, (*m_frame)->GetCommandState().selectedRows);
  EXPECT_FALSE((*m_frame)->CanChangeOneStep());
}

TEST_F(StepCommandsTest, NoCommandChangesTheListDuringARun) {
  ASSERT_TRUE(Load(kThreeSteps));
  (*m_frame)->SetRunning(true);
  m_app.m_nAnswer = IDYES;
  m_app.m_dialogScript = [](CDialog& d) { PressButton(d, IDOK); };
  for (UINT command : {ID_ADD_BUILD_STEP, ID_EDIT_BUILD_STEP, ID_COPY_BUILD_STEP,
                       ID_DELETE_BUILD_STEPS, ID_MOVE_STEP_UP, ID_MOVE_STEP_DOWN,
                       ID_PAUSE_SELECTED_STEPS, ID_RESUME_SELECTED_STEPS}) {
    Select({1});
    Command(command);
    EXPECT_EQ((std::vector<std::string>{"one", "two", "three"}), Names()) << command;
    EXPECT_TRUE(Step(1)->m_paused) << command;
    EXPECT_FALSE(Step(0)->m_paused) << command;
  }
  EXPECT_TRUE(m_app.m_dialogCaptions.empty());
  EXPECT_TRUE(m_app.m_shown.empty());
  EXPECT_FALSE(List().IsModified());
  (*m_frame)->SetRunning(false);
}

}  // namespace
