// Opening, closing and saving the build file: the title, the save question,
// the extension, and what a failed or cancelled save keeps.
#include <gtest/gtest.h>

#include "SupportRun.h"
#include "app/BuildFileCommands.h"
#include "testsupport/TestText.h"

namespace {

// The file dialogs answer what the test says.
class CScriptedFileCommands : public CBuildFileCommands {
 public:
  using CBuildFileCommands::CBuildFileCommands;
  CTesselString m_openAnswer;
  CTesselString m_saveAnswer;
  int m_saveDialogs = 0;

 protected:
  CTesselString AskOpenPath() override { return m_openAnswer; }
  CTesselString AskSavePath() override {
    ++m_saveDialogs;
    return m_saveAnswer;
  }
};

class BuildFileCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_run.Create());
    m_path = m_run.m_folder.PathOf("build.velm");
    ASSERT_TRUE(WriteBuildFile(m_path, {{StepDosCommand, "one", "", "echo 1", false},
                                        {StepDosCommand, "two", "", "echo 2", false}}));
  }
  std::string Title() {
    CString text;
    m_run.m_frame.GetWindowText(text);
    return std::string(text);
  }
  // A change to the steps that the file does not have yet.
  void Change() { ASSERT_TRUE(List().MoveStepDown(List().GetRow(0))); }
  CBuildStepDisplay& List() { return m_run.m_display.GetStepDisplay(); }

  CRunFixture m_run;
  CScriptedFileCommands m_files{&m_run.m_owner, &m_run.m_display};
  std::string m_path;
};

TEST_F(BuildFileCommandsTest, TheTitleNamesTheOpenFileAndOpeningRemembersIt) {
  m_files.UpdateTitle();
  EXPECT_EQ("Velmoran", Title());
  ASSERT_TRUE(m_files.OpenBuildFile(m_path.c_str()));
  EXPECT_EQ("Velmoran (" + m_path + ")", Title());
  EXPECT_EQ(m_path, m_run.m_owner.m_settings["Options/LastBuildFilePath"]);
  EXPECT_EQ(1, m_run.m_owner.m_variableReloads);
  EXPECT_FALSE(m_files.OpenBuildFile(m_run.m_folder.PathOf("missing.velm").c_str()));
  EXPECT_EQ(2, List().GetDisplayCount()) << "the open file stays";
}

TEST_F(BuildFileCommandsTest, SaveAsAppendsTheExtensionUnlessTheNameHoldsIt) {
  const struct {
    const char* typed;
    const char* saved;
  } cases[] = {{"C:\\b\\x", "C:\\b\\x.velm"},
               {"C:\\b\\x.VELM", "C:\\b\\x.VELM"},
               {"C:\\b\\x.Velm.old", "C:\\b\\x.Velm.old"},
               {"C:\\b\\x.vel", "C:\\b\\x.vel.velm"}};
  for (const auto& c : cases)
    EXPECT_EQ(c.saved, TextOf(CBuildFileCommands::WithExtension(CTesselString(c.typed))));
}

TEST_F(BuildFileCommandsTest, AnUnchangedFileClosesWithoutAQuestion) {
  ASSERT_TRUE(m_files.OpenBuildFile(m_path.c_str()));
  EXPECT_TRUE(m_files.OnCloseBuildFile());
  EXPECT_TRUE(m_run.m_owner.m_messages.empty());
  EXPECT_EQ(0, List().GetDisplayCount());
  EXPECT_EQ("Velmoran", Title());
}

TEST_F(BuildFileCommandsTest, TheQuestionNamesTheFileOrNot) {
  m_run.m_owner.m_variablesModified = true;  // only a variable changed
  m_run.m_owner.m_answers = {IDNO};
  EXPECT_TRUE(m_files.OnCloseBuildFile());
  ASSERT_EQ(1u, m_run.m_owner.m_messages.size());
  EXPECT_EQ("Your changes have not been saved.\n\nDo you want to save your changes?",
            m_run.m_owner.m_messages[0].first);
  EXPECT_EQ(static_cast<UINT>(0x14), m_run.m_owner.m_messages[0].second);
  ASSERT_TRUE(m_files.OpenBuildFile(m_path.c_str()));
  Change();
  m_run.m_owner.m_answers = {IDNO};
  EXPECT_TRUE(m_files.OnCloseBuildFile()) << "No discards the changes";
  EXPECT_EQ("Your changes to '" + m_path + "' have not been saved.\n\nDo you want to save your changes?",
            m_run.m_owner.m_messages[1].first);
  EXPECT_FALSE(List().IsModified());
}

TEST_F(BuildFileCommandsTest, EscOrACancelledDialogStopsTheClose) {
  ASSERT_TRUE(m_files.OpenBuildFile(m_path.c_str()));
  Change();
  m_run.m_owner.m_answers = {IDCANCEL};
  EXPECT_FALSE(m_files.OnCloseBuildFile());
  EXPECT_TRUE(List().IsModified());
  EXPECT_EQ(2, List().GetDisplayCount());
  m_run.m_owner.m_answers = {IDNO};
  ASSERT_TRUE(m_files.OnCloseBuildFile());
  // An unnamed list: Yes opens the save dialog, which the user cancels.
  m_run.m_owner.m_variablesModified = true;
  m_run.m_owner.m_answers = {IDYES};
  EXPECT_FALSE(m_files.OnCloseBuildFile());
  EXPECT_EQ(1, m_files.m_saveDialogs);
  EXPECT_TRUE(m_files.IsModified());
}

TEST_F(BuildFileCommandsTest, AFailedSaveReportsAndKeepsBothFlags) {
  ASSERT_TRUE(m_files.OpenBuildFile(m_path.c_str()));
  Change();
  m_run.m_owner.m_variablesModified = true;
  ASSERT_TRUE(m_run.m_folder.MakeFile("blocker"));
  const std::string blocked = m_run.m_folder.PathOf("blocker\\x.velm");
  m_files.m_saveAnswer = blocked.c_str();
  EXPECT_FALSE(m_files.OnSaveAs());
  ASSERT_EQ(1u, m_run.m_owner.m_messages.size());
  EXPECT_EQ("An error occurred saving '" + blocked + "'.", m_run.m_owner.m_messages[0].first);
  EXPECT_TRUE(List().IsModified());
  EXPECT_TRUE(m_run.m_owner.m_variablesModified);
}

TEST_F(BuildFileCommandsTest, SaveAsRenamesTheFileAndClearsTheFlags) {
  ASSERT_TRUE(m_files.OpenBuildFile(m_path.c_str()));
  Change();
  m_run.m_owner.m_variablesModified = true;
  const std::string renamed = m_run.m_folder.PathOf("renamed");
  m_files.m_saveAnswer = renamed.c_str();
  ASSERT_TRUE(m_files.OnSaveAs());
  EXPECT_FALSE(m_files.IsModified());
  EXPECT_EQ("Velmoran (" + renamed + ".velm)", Title());
  EXPECT_TRUE(m_run.m_folder.Exists("renamed.velm"));
}

}  // namespace
