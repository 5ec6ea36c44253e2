// The step list: the build file, moves, the clipboard, column widths, and
// changes refused during a run.
#include <gtest/gtest.h>

#include <algorithm>

#include "SupportRun.h"
#include "app/AppRunResources.h"
#include "engine/BuildStepXMLManager.h"
#include "testsupport/MessageLoop.h"
#include "testsupport/TestText.h"
#include "uilib/UIUtilities.h"

namespace {

const std::vector<FixtureStep> kFiveSteps = {
    {StepDosCommand, "one", "", "echo 1", false},  {StepDosCommand, "two", "", "echo 2", false},
    {StepDosCommand, "three", "", "echo 3", false}, {StepCopyFiles, "four", "", "", true},
    {StepDosCommand, "five", "", "echo 5", false}};

class BuildStepDisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_run.Create());
    ASSERT_TRUE(m_run.Load(kFiveSteps));
  }
  CBuildStepDisplay& List() { return m_run.m_display.GetStepDisplay(); }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (int i = 0; i < List().GetDisplayCount(); ++i)
      names.push_back(TextOf(List().GetRow(i)->GetColumnText(0)));
    return names;
  }
  std::vector<std::string> StepNames() {
    std::vector<std::string> names;
    CTesselList& steps = List().GetFileManager().GetStepList();
    for (int i = 0; i < steps.GetCount(); ++i)
      names.push_back(TextOf(static_cast<CBuildStepDataDefinition*>(steps.GetAt(i))->m_stepName));
    return names;
  }
  std::vector<int> Selected() {
    std::vector<int> rows;
    for (int i = 0; i < List().GetDisplayCount(); ++i)
      if (List().GetRow(i)->m_bSelected) rows.push_back(i);
    return rows;
  }
  // XML of new steps with these names, as another copy would have written it.
  std::string StepsXml(const std::vector<const char*>& names) {
    CTesselList steps;
    for (const char* name : names) {
      CBuildStepDataDefinition* step = new CBuildStepDataDefinition;
      step->SetStepName(name);
      steps.AddTail(step);
    }
    CBuildStepXMLManager xml;
    CTesselString document;
    xml.StepsToXml(steps, &document);
    for (int i = 0; i < steps.GetCount(); ++i) delete static_cast<CBuildStepDataDefinition*>(steps.GetAt(i));
    steps.RemoveAll();
    return TextOf(document);
  }
  void PutOnClipboard(const std::string& text) {
    CTesselString clip(text.c_str());
    ASSERT_TRUE(SetClipboardText(m_run.m_host.m_hWnd, clip));
  }

  CRunFixture m_run;
};

TEST_F(BuildStepDisplayTest, LoadShowsTheStepsInFileOrderAndSaveKeepsANewOrder) {
  EXPECT_EQ((std::vector<std::string>{"one", "two", "three", "four", "five"}), Names());
  EXPECT_EQ(CBuildStepDisplay::kPausedColor, m_run.NameColor(3));
  EXPECT_EQ(2, List().GetRow(0)->m_nImage) << "a command step's icon";
  EXPECT_FALSE(List().IsModified());
  ASSERT_TRUE(List().MoveStepDown(List().GetRow(0)));
  EXPECT_TRUE(List().IsModified());
  EXPECT_EQ(std::vector<int>{1}, Selected());
  ASSERT_TRUE(List().SaveBuildFile());
  EXPECT_FALSE(List().IsModified());
  ASSERT_TRUE(List().LoadBuildFile(List().GetBuildFilePath()));
  EXPECT_EQ((std::vector<std::string>{"two", "one", "three", "four", "five"}), Names());
  EXPECT_EQ(Names(), StepNames());
}

TEST_F(BuildStepDisplayTest, NoMoveBeyondEitherEnd) {
  EXPECT_FALSE(List().MoveStepUp(List().GetRow(0)));
  EXPECT_FALSE(List().MoveStepDown(List().GetRow(4)));
  EXPECT_FALSE(List().IsModified());
  EXPECT_TRUE(List().MoveStepUp(List().GetRow(4)));
  EXPECT_EQ((std::vector<std::string>{"one", "two", "three", "five", "four"}), Names());
}

TEST_F(BuildStepDisplayTest, AHeaderClickNeverReorders) {
  List().SortByColumn(0);
  List().RebuildDisplayList();
  EXPECT_EQ((std::vector<std::string>{"one", "two", "three", "four", "five"}), Names());
}

TEST_F(BuildStepDisplayTest, CopyingTwoStepsWritesTheDocumentWithAnEmptyLineBeforeEach) {
  m_run.Select({1, 3});
  ASSERT_TRUE(List().CopyStepsToClipboard());
  CBuildStepXMLManager xml;
  CTesselString second, fourth;
  xml.StepToXml(List().GetRow(1)->m_pStep, &second);
  xml.StepToXml(List().GetRow(3)->m_pStep, &fourth);
  EXPECT_EQ("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<stepgroup>\r\n\r\n" + TextOf(second) + "\r\n" +
                TextOf(fourth) + "</stepgroup>\r\n",
            TextOf(GetClipboardText()));
}

TEST_F(BuildStepDisplayTest, PasteInsertsBeforeTheSelectionAndSelectsThePastedRows) {
  PutOnClipboard(StepsXml({"p1", "p2"}));
  m_run.Select({2});
  ASSERT_TRUE(List().PasteStepsFromClipboard());
  EXPECT_EQ((std::vector<std::string>{"one", "two", "p1", "p2", "three", "four", "five"}), Names());
  EXPECT_EQ(Names(), StepNames());
  EXPECT_EQ((std::vector<int>{2, 3}), Selected());
  EXPECT_TRUE(List().IsModified());
}

TEST_F(BuildStepDisplayTest, PasteWithNothingSelectedAppends) {
  PutOnClipboard(StepsXml({"p1"}));
  List().DeselectAll();
  ASSERT_TRUE(List().PasteStepsFromClipboard());
  EXPECT_EQ((std::vector<std::string>{"one", "two", "three", "four", "five", "p1"}), Names());
  EXPECT_EQ(std::vector<int>{5}, Selected());
}

TEST_F(BuildStepDisplayTest, APasteThatBreaksOffMarksTheStepsItAddedAsChanges) {
  std::string text = StepsXml({"p1"});
  text.insert(text.find("</stepgroup>"), "<buildstep><stepname>cut");
  PutOnClipboard(text);
  EXPECT_FALSE(List().PasteStepsFromClipboard());
  ASSERT_EQ(1u, m_run.m_owner.m_messages.size());
  EXPECT_EQ(0u, m_run.m_owner.m_messages[0].first.find("The clipboard does not contain any Velmoran steps."));
  EXPECT_EQ(6, List().GetDisplayCount());
  EXPECT_TRUE(List().IsModified());
}

TEST_F(BuildStepDisplayTest, AFailedSaveKeepsTheChanges) {
  ASSERT_TRUE(List().MoveStepDown(List().GetRow(0)));
  // A file where the folder should be: nothing can be written below it.
  ASSERT_TRUE(m_run.m_folder.MakeFile("blocker"));
  EXPECT_FALSE(List().SaveBuildFileAs(m_run.m_folder.PathOf("blocker\\x.velm").c_str()));
  EXPECT_TRUE(List().IsModified());
}

TEST_F(BuildStepDisplayTest, SavedColumnWidthsApplyWhereTheyAreNumbers) {
  const int before1 = List().GetColumnWidth(1);
  const struct {
    const char* saved;
    int width0;
    int width1;
    int width2;
  } cases[] = {
      {"111", 111, before1, -1},
      {"120,x,130", 120, before1, 130},
      {"140,50,60,70,80,90,100,110,999,999", 140, 50, 60},
  };
  for (const auto& c : cases) {
    const int before2 = List().GetColumnWidth(2);
    m_run.m_owner.m_settings["Options/BuildStepColumnWidths"] = c.saved;
    EXPECT_TRUE(List().RestoreColumnWidths()) << c.saved;
    EXPECT_EQ(c.width0, List().GetColumnWidth(0)) << c.saved;
    EXPECT_EQ(c.width1, List().GetColumnWidth(1)) << c.saved;
    EXPECT_EQ(c.width2 < 0 ? before2 : c.width2, List().GetColumnWidth(2)) << c.saved;
  }
  m_run.m_owner.m_settings.erase("Options/BuildStepColumnWidths");
  ASSERT_TRUE(List().SaveColumnWidths());
  const std::string saved = m_run.m_owner.m_settings["Options/BuildStepColumnWidths"];
  EXPECT_EQ(0u, saved.find("140,50,60,")) << saved;
  EXPECT_EQ(7, static_cast<int>(std::count(saved.begin(), saved.end(), ',')));
}

TEST_F(BuildStepDisplayTest, DuringARunTheListRefusesEveryChange) {
  PutOnClipboard(StepsXml({"p1"}));
  m_run.m_display.m_bRunActive = true;
  m_run.Select({2});
  EXPECT_FALSE(List().PasteStepsFromClipboard());
  EXPECT_FALSE(List().MoveStepUp(List().GetRow(2)));
  EXPECT_FALSE(List().MoveStepDown(List().GetRow(2)));
  EXPECT_FALSE(List().DeleteStep(List().GetRow(2)->m_pStep));
  EXPECT_FALSE(List().RefreshEntry(List().GetRow(2), true));
  EXPECT_FALSE(m_run.m_display.ClearBuildFile());
  EXPECT_FALSE(m_run.m_display.LoadBuildFile(List().GetBuildFilePath()));
  // Delete and Enter (double click) reach no command.
  List().SendMessage(WM_KEYDOWN, VK_DELETE, 0);
  List().SendMessage(WM_KEYDOWN, VK_RETURN, 0);
  DispatchPendingMessages();
  EXPECT_EQ(0, m_run.m_frame.CountMessages(WM_COMMAND));
  EXPECT_EQ(5, List().GetDisplayCount());
  EXPECT_FALSE(List().IsModified());
  m_run.m_display.m_bRunActive = false;
  List().SendMessage(WM_KEYDOWN, VK_DELETE, 0);
  DispatchPendingMessages();
  ASSERT_NE(nullptr, m_run.m_frame.FindLastMessage(WM_COMMAND));
  EXPECT_EQ(static_cast<WPARAM>(ID_DELETE_BUILD_STEPS), m_run.m_frame.FindLastMessage(WM_COMMAND)->wParam);
}

}  // namespace
