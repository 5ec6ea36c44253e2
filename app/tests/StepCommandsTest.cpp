// The frame's step-editing commands: copy, delete with its question, pause
// and resume, move, select all, and every change refused during a run.
#include <gtest/gtest.h>

#include "SupportSteps.h"
#include "app/AppResources.h"
#include "testsupport/TestText.h"

namespace {

CWinApp theApp("VelmStepCommandsTest");

const std::vector<FixtureStep> kThreeSteps = {{StepDosCommand, "one", "", "echo 1", false},
                                              {StepCopyFiles, "two", "", "", true},
                                              {StepDosCommand, "three", "", "echo 3", false}};

class StepCommandsTest : public ::testing::Test {
 protected:
  // The systems first: the frame uses them as it opens and closes.
  CScriptedAppSystem m_app;
  CScriptedSystem m_system;
  CStepFrame m_frame;
};

TEST_F(StepCommandsTest, CopyOfAPausedStepIsAnUnpausedSelectedCopyAtTheEndThatCancelKeeps) {
  ASSERT_TRUE(m_frame.Load(kThreeSteps));
  m_frame.Step(1)->SetParameters("/s");
  m_frame.Select({1});
  std::vector<int> selectedInDialog;
  std::string nameInDialog;
  m_app.m_dialogScript = [&](CDialog& d) {
    selectedInDialog = m_frame.Selected();
    nameInDialog = GetDialogText(d, IDC_STEP_NAME);
    PressButton(d, IDCANCEL);
  };
  m_frame.Command(ID_COPY_BUILD_STEP);
  ASSERT_EQ(1u, m_app.m_dialogCaptions.size());
  EXPECT_EQ("Copy Build Step", m_app.m_dialogCaptions[0]);
  EXPECT_EQ(std::vector<int>{3}, selectedInDialog);
  EXPECT_EQ("two", nameInDialog);
  EXPECT_EQ((std::vector<std::string>{"one", "two", "three", "two"}), m_frame.Names());
  EXPECT_EQ(4, m_frame.List().GetStepCount());
  EXPECT_NE(m_frame.Step(1), m_frame.Step(3));
  EXPECT_FALSE(m_frame.Step(3)->m_paused);
  EXPECT_TRUE(m_frame.Step(1)->m_paused);
  EXPECT_EQ(StepCopyFiles, m_frame.Step(3)->m_stepType);
  EXPECT_EQ("/s", TextOf(m_frame.Step(3)->m_parameters));
  EXPECT_EQ(0, m_frame.Step(3)->m_elapsedTime);
  EXPECT_EQ(std::vector<int>{3}, m_frame.Selected());
  EXPECT_TRUE(m_frame.List().IsModified());
}

TEST_F(StepCommandsTest, CopyWithOkTakesTheDialogsTextsIntoTheCopyOnly) {
  ASSERT_TRUE(m_frame.Load(kThreeSteps));
  m_frame.Select({0});
  m_app.m_dialogScript = [](CDialog& d) {
    SetDialogText(d, IDC_STEP_NAME, "one again");
    PressButton(d, IDOK);
  };
  m_frame.Command(ID_COPY_BUILD_STEP);
  EXPECT_EQ((std::vector<std::string>{"one", "two", "three", "one again"}), m_frame.Names());
}

TEST_F(StepCommandsTest, DeleteAsksAndOnlyYesDeletes) {
  ASSERT_TRUE(m_frame.Load(kThreeSteps));
  const struct {
    int answer;
    std::vector<std::string> left;
  } cases[] = {{IDNO, {"one", "two", "three"}}, {IDCANCEL, {"one", "two", "three"}},
               {IDYES, {"two"}}};
  for (const auto& c : cases) {
    m_frame.Select({0, 2});
    m_app.m_shown.clear();
    m_app.m_nAnswer = c.answer;
    m_frame.Command(ID_DELETE_BUILD_STEPS);
    ASSERT_EQ(1u, m_app.m_shown.size());
    EXPECT_EQ("Are you sure you want to delete all the selected steps?", m_app.m_shown[0].text);
    EXPECT_EQ(0x114u, m_app.m_shown[0].flags);
    EXPECT_EQ(c.left, m_frame.Names()) << c.answer;
    EXPECT_EQ(static_cast<int>(c.left.size()), m_frame.List().GetStepCount());
  }
  EXPECT_TRUE(m_frame.List().IsModified());
  EXPECT_EQ(0, m_frame.List().m_nFirstVisible);
}

TEST_F(StepCommandsTest, DeletingTheOnlyStepOfANamedFileLeavesZeroSteps) {
  ASSERT_TRUE(m_frame.Load({{StepDosCommand, "only", "", "echo", false}}));
  m_frame.Select({0});
  m_app.m_nAnswer = IDYES;
  const int statusBefore = m_frame.m_owner.m_statusUpdates;
  m_frame.Command(ID_DELETE_BUILD_STEPS);
  EXPECT_EQ(0, m_frame.List().GetDisplayCount());
  EXPECT_EQ(0, m_frame.List().GetStepCount());
  EXPECT_EQ("0 Steps", TextOf(m_frame->GetMainDisplay().GetStepStatusText()));
  EXPECT_GT(m_frame.m_owner.m_statusUpdates, statusBefore);
  // Nothing selected: nothing asked.
  m_app.m_shown.clear();
  m_frame.Command(ID_DELETE_BUILD_STEPS);
  EXPECT_TRUE(m_app.m_shown.empty());
}

TEST_F(StepCommandsTest, PauseAndResumeMakeAMixedSelectionAlike) {
  const struct {
    UINT command;
    bool paused;
  } cases[] = {{ID_PAUSE_SELECTED_STEPS, true}, {ID_RESUME_SELECTED_STEPS, false}};
  for (const auto& c : cases) {
    ASSERT_TRUE(m_frame.Load(kThreeSteps));  // "two" paused, the others not
    m_frame.Select({0, 1});
    m_frame.Command(c.command);
    EXPECT_EQ(c.paused, m_frame.Step(0)->m_paused) << c.command;
    EXPECT_EQ(c.paused, m_frame.Step(1)->m_paused) << c.command;
    EXPECT_FALSE(m_frame.Step(2)->m_paused) << c.command;
    const COLORREF expected = c.paused ? CBuildStepDisplay::kPausedColor : RGB(0, 0, 0);
    EXPECT_EQ(expected, m_frame.List().GetRow(0)->GetColumnTextColor(0));
    EXPECT_EQ(expected, m_frame.List().GetRow(1)->GetColumnTextColor(0));
    EXPECT_TRUE(m_frame.List().IsModified());
  }
}

TEST_F(StepCommandsTest, MovesTakeExactlyOneSelectedRow) {
  ASSERT_TRUE(m_frame.Load(kThreeSteps));
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
    m_frame.Select(c.selection);
    m_frame.Command(c.command);
    EXPECT_EQ(c.names, m_frame.Names()) << c.command << " " << c.selection.size();
  }
}

TEST_F(StepCommandsTest, SelectAllSelectsEveryRowAndTheEnableRulesSeeIt) {
  ASSERT_TRUE(m_frame.Load(kThreeSteps));
  m_frame.Select({1});
  EXPECT_EQ(3, m_frame->GetCommandState().rows);
  EXPECT_EQ(1, m_frame->GetCommandState().selectedRows);
  EXPECT_TRUE(m_frame->CanChangeOneStep());
  m_frame.Command(ID_SELECT_ALL_STEPS);
  EXPECT_EQ((std::vector<int>{0, 1, 2}), m_frame.Selected());
  EXPECT_EQ(3, m_frame->GetCommandState().selectedRows);
  EXPECT_FALSE(m_frame->CanChangeOneStep());
}

TEST_F(StepCommandsTest, NoCommandChangesTheListDuringARun) {
  ASSERT_TRUE(m_frame.Load(kThreeSteps));
  m_frame->SetRunning(true);
  m_app.m_nAnswer = IDYES;
  m_app.m_dialogScript = [](CDialog& d) { PressButton(d, IDOK); };
  for (UINT command : {ID_ADD_BUILD_STEP, ID_EDIT_BUILD_STEP, ID_COPY_BUILD_STEP,
                       ID_DELETE_BUILD_STEPS, ID_MOVE_STEP_UP, ID_MOVE_STEP_DOWN,
                       ID_PAUSE_SELECTED_STEPS, ID_RESUME_SELECTED_STEPS}) {
    m_frame.Select({1});
    m_frame.Command(command);
    EXPECT_EQ((std::vector<std::string>{"one", "two", "three"}), m_frame.Names()) << command;
    EXPECT_TRUE(m_frame.Step(1)->m_paused) << command;
    EXPECT_FALSE(m_frame.Step(0)->m_paused) << command;
  }
  EXPECT_TRUE(m_app.m_dialogCaptions.empty());
  EXPECT_TRUE(m_app.m_shown.empty());
  EXPECT_FALSE(m_frame.List().IsModified());
  m_frame->SetRunning(false);
}

}  // namespace
