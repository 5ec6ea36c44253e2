// Browsing for files: the multiple-selection buffer, the bounded initial
// name, and the dialogs' settings through the scripted system.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SupportSystem.h"
#include "testsupport/HostWindow.h"
#include "testsupport/TestText.h"
#include "uilib/BrowseForFile.h"

namespace {

std::vector<std::string> Paths(CTesselList& list) {
  std::vector<std::string> paths;
  for (int i = 0; i < list.GetCount(); ++i) paths.push_back(TextOf(*static_cast<CTesselString*>(list.GetAt(i))));
  return paths;
}

TEST(BrowseForFile, TheChosenFilesBufferIsReadAsOneFileOrAFolderAndNames) {
  const struct {
    std::string buffer;
    std::string result;
    std::vector<std::string> files;
  } cases[] = {
      {std::string("C:\\builds\\one.velm\0\0", 20), "C:\\builds\\one.velm", {"C:\\builds\\one.velm"}},
      {std::string("C:\\builds\0a.velm\0b.velm\0c.velm\0\0", 32),
       "C:\\builds",
       {"C:\\builds\\a.velm", "C:\\builds\\b.velm", "C:\\builds\\c.velm"}},
      {std::string("C:\\\0a.velm\0\0", 12), "C:\\", {"C:\\a.velm"}},
      {std::string("\0\0", 2), "", {}},
      // No final empty string: the names stop at the end of the buffer.
      {std::string("C:\\b\0x\0y", 8), "C:\\b", {"C:\\b\\x", "C:\\b\\y"}},
  };
  for (const auto& c : cases) {
    CTesselList files;
    EXPECT_EQ(c.result, TextOf(ParseChosenFiles(c.buffer.data(), c.buffer.size(), &files)));
    EXPECT_EQ(c.files, Paths(files));
    files.DeleteAll();
  }
}

TEST(BrowseForFile, AnInitialNameIsCutToTheBuffer) {
  char buffer[8];
  memset(buffer, 'x', sizeof(buffer));
  EXPECT_FALSE(CopyIntoFileBuffer(CTesselString("C:\\far\\too\\long.velm"), buffer, 6));
  EXPECT_EQ(std::string("C:\\fa"), std::string(buffer));
  EXPECT_EQ('x', buffer[6]) << "nothing written past the buffer";
  EXPECT_TRUE(CopyIntoFileBuffer(CTesselString("a.velm"), buffer, sizeof(buffer)));
  EXPECT_EQ(std::string("a.velm"), std::string(buffer));
}

TEST(BrowseForFile, WithoutAnOwnerNothingIsShown) {
  CScriptedSystem system;
  CBrowseForFile browse;
  EXPECT_TRUE(browse.BrowseForOpenFile("All\0*.*\0", 8, false).IsEmpty());
  EXPECT_TRUE(browse.BrowseForSaveFile("All\0*.*\0", 8, nullptr, true).IsEmpty());
  EXPECT_TRUE(system.m_dialogCalls.empty());
}

class BrowseWithOwner : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_host.CreateHost());
    m_browse.m_pOwner = &m_host;
  }
  CScriptedSystem m_system;
  CTestHostWindow m_host;
  CBrowseForFile m_browse;
};

TEST_F(BrowseWithOwner, OpeningSeveralFilesGivesTheFolderAndKeepsTheChosenPath) {
  m_browse.SetChosenPath(CTesselString("C:\\before.velm"));
  m_system.m_bDialogResult = TRUE;
  m_system.m_dialogAnswer = std::string("C:\\b\0x.velm\0y.velm\0z.velm\0\0", 28);
  EXPECT_EQ("C:\\b", TextOf(m_browse.BrowseForOpenFile("All\0*.*\0", 8, true)));
  EXPECT_EQ((std::vector<std::string>{"C:\\b\\x.velm", "C:\\b\\y.velm", "C:\\b\\z.velm"}),
            Paths(m_browse.GetChosenFiles()));
  EXPECT_EQ("C:\\before.velm", TextOf(m_browse.GetChosenPath()));
  ASSERT_EQ(1u, m_system.m_dialogCalls.size());
  const OPENFILENAMEA& info = m_system.m_dialogCalls[0];
  EXPECT_EQ(static_cast<DWORD>(0x881A04), info.Flags);
  EXPECT_EQ(32767u, info.nMaxFile);
  EXPECT_EQ(m_host.m_hWnd, info.hwndOwner);
}

TEST_F(BrowseWithOwner, OpeningOneFileListsItOnceAndCancelGivesNothing) {
  m_system.m_bDialogResult = TRUE;
  m_system.m_dialogAnswer = std::string("C:\\b\\x.velm\0\0", 13);
  EXPECT_EQ("C:\\b\\x.velm", TextOf(m_browse.BrowseForOpenFile("All\0*.*\0", 8, true)));
  EXPECT_EQ(std::vector<std::string>{"C:\\b\\x.velm"}, Paths(m_browse.GetChosenFiles()));
  EXPECT_EQ("C:\\b\\x.velm", TextOf(m_browse.GetChosenPath()));
  m_system.m_bDialogResult = FALSE;
  EXPECT_TRUE(m_browse.BrowseForOpenFile("All\0*.*\0", 8, false).IsEmpty());
  EXPECT_EQ(0, m_browse.GetChosenFiles().GetCount());
}

TEST_F(BrowseWithOwner, SavingReturnsWhatWasTypedAndBoundsTheInitialName) {
  m_browse.m_initialFileName = CTesselString(std::string(1000, 'n').c_str());
  m_system.m_bDialogResult = TRUE;
  m_system.m_dialogAnswer = std::string("C:\\b\\typed\0", 11);
  CTesselString title("Save As");
  EXPECT_EQ("C:\\b\\typed", TextOf(m_browse.BrowseForSaveFile("All\0*.*\0", 8, &title, true)));
  ASSERT_EQ(1u, m_system.m_dialogCalls.size());
  EXPECT_EQ(static_cast<DWORD>(0x880802), m_system.m_dialogCalls[0].Flags);
  EXPECT_EQ(256u, m_system.m_dialogCalls[0].nMaxFile);
  EXPECT_EQ(255u, m_system.m_dialogBuffers[0].size()) << "the long name is cut to the buffer";
}

}  // namespace
