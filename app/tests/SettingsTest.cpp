// The settings file: where it lives, every key there and back, what an empty
// value does, long values, the window rectangle and the sibling tools' paths.
#include <gtest/gtest.h>

#include <string>

#include "SupportApp.h"
#include "testsupport/TestProcess.h"

#include <shlobj.h>

namespace {

CWinApp theApp("VelmSettingsTest");

class SettingsTest : public ::testing::Test {
 protected:
  std::string FileText() {
    CTesselString path = m_frame->GetSettingsFilePath();
    return ReadFileBytes(path.GetText());
  }
  CRect WindowRect() {
    CRect rect;
    m_frame->GetWindowRect(&rect);
    return rect;
  }

  CScriptedAppSystem m_appSystem;
  CScriptedSystem m_system;
  CFrameFixture m_frame;
};

TEST_F(SettingsTest, TheFileIsVelmoranCfgInTheUsersApplicationDataFolder) {
  m_appSystem.m_bRealFolder = true;
  std::string path = m_frame->GetSettingsFilePath().GetText();
  EXPECT_NE(std::string::npos, path.find("\\Velmoran\\Velmoran.cfg")) << path;
  char appData[MAX_PATH] = "";
  ASSERT_TRUE(SUCCEEDED(::SHGetFolderPathA(NULL, CSIDL_APPDATA, NULL, 0, appData)));
  EXPECT_EQ(0u, path.find(appData)) << path;
  EXPECT_TRUE(FolderIsThere(path.substr(0, path.rfind('\\'))));
}

TEST_F(SettingsTest, EveryKeyRoundTripsAndAnEmptyValueDeletesIt) {
  typedef bool (CMainFrame::*Setter)(CTesselString);
  typedef CTesselString (CMainFrame::*Getter)();
  struct Case {
    const char* key;
    Setter set;
    Getter get;
  } cases[] = {
      {"LastBuildFilePath", &CMainFrame::SetLastBuildFilePath, &CMainFrame::GetLastBuildFilePath},
      {"LastFindText", &CMainFrame::SetLastFindText, &CMainFrame::GetLastFindText},
      {"FindWindowPosition", &CMainFrame::SetFindWindowPosition, &CMainFrame::GetFindWindowPosition},
      {"BuildStepColumnWidths", &CMainFrame::SetBuildStepColumnWidths,
       &CMainFrame::GetBuildStepColumnWidths},
      {"LastSearchText", &CMainFrame::SetLastSearchText, &CMainFrame::GetLastSearchText},
      {"LastReplaceText", &CMainFrame::SetLastReplaceText, &CMainFrame::GetLastReplaceText},
  };
  CMainFrame* frame = m_frame.Get();
  for (const Case& c : cases) {
    EXPECT_EQ("", std::string((frame->*c.get)().GetText())) << c.key;
    std::string value = std::string("value of ") + c.key + ", with commas, 1, 2";
    EXPECT_TRUE((frame->*c.set)(value.c_str())) << c.key;
    EXPECT_EQ(value, std::string((frame->*c.get)().GetText())) << c.key;
    EXPECT_NE(std::string::npos, FileText().find(std::string(c.key) + "=")) << c.key;
    EXPECT_TRUE((frame->*c.set)("")) << c.key;
    EXPECT_EQ(std::string::npos, FileText().find(std::string(c.key) + "=")) << c.key;
    EXPECT_EQ("", std::string((frame->*c.get)().GetText())) << c.key;
  }
  const std::string text = FileText();
  EXPECT_NE(std::string::npos, text.find("[Options]"));
  EXPECT_NE(std::string::npos, text.find("[FindAndReplace]"));
}

TEST_F(SettingsTest, ToolPathsComeFromTheFileOnly) {
  CTesselString path = m_frame->GetSettingsFilePath();
  ASSERT_TRUE(::WritePrivateProfileStringA("Options", "AdvancedInstallerPath", "c:\\ai\\ai.exe",
                                           path.GetText()));
  ASSERT_TRUE(::WritePrivateProfileStringA("Options", "MSVisualStudioPath", "c:\\vs\\devenv.exe",
                                           path.GetText()));
  EXPECT_EQ("c:\\ai\\ai.exe", std::string(m_frame->GetAdvancedInstallerPath().GetText()));
  EXPECT_EQ("c:\\vs\\devenv.exe", std::string(m_frame->GetMSVisualStudioPath().GetText()));
}

TEST_F(SettingsTest, LongValuesComeBackWhole) {
  for (size_t length : {255u, 256u, 259u, 300u, 1000u}) {
    std::string value = "c:\\" + std::string(length - 10, 'p') + "\\a.velm";
    ASSERT_EQ(length, value.size());
    ASSERT_TRUE(m_frame->SetLastBuildFilePath(value.c_str()));
    EXPECT_EQ(value, std::string(m_frame->GetLastBuildFilePath().GetText())) << length;
  }
}

TEST_F(SettingsTest, WithoutAUsableRectangleTheWindowIsCentredAtItsMinimumSize) {
  m_system.m_desktop = SIZE{1920, 1080};
  for (const char* stored : {(const char*)nullptr, "10,20,300"}) {
    CTesselString path = m_frame->GetSettingsFilePath();
    ::WritePrivateProfileStringA("Options", "ApplicationWindowPosition", stored, path.GetText());
    EXPECT_TRUE(m_frame->RestoreWindowPosition());
    EXPECT_EQ(CRect(760, 390, 1160, 690), WindowRect()) << (stored ? stored : "nothing");
  }
  m_frame->MoveWindow(5, 6, 700, 500);
  ::WritePrivateProfileStringA("Options", "ApplicationWindowPosition", "10,20,0,300",
                               m_frame->GetSettingsFilePath().GetText());
  EXPECT_FALSE(m_frame->RestoreWindowPosition());
  EXPECT_EQ(CRect(5, 6, 705, 506), WindowRect());
}

TEST_F(SettingsTest, ClosingAndStartingAgainGivesTheSameRectangle) {
  m_frame->MoveWindow(100, 80, 640, 480);
  for (int start = 0; start < 3; ++start) {
    ASSERT_TRUE(m_frame->SaveWindowPosition());
    m_frame->MoveWindow(0, 0, 500, 400);
    ASSERT_TRUE(m_frame->RestoreWindowPosition());
    EXPECT_EQ(CRect(100, 80, 740, 560), WindowRect()) << start;
  }
  long left, top, width, height;
  ASSERT_TRUE(m_frame->GetApplicationWindowPosition(&left, &top, &width, &height));
  EXPECT_EQ(100, left);
  EXPECT_EQ(640, width);
}

TEST_F(SettingsTest, AMinimisedWindowAtCloseKeepsTheStoredRectangle) {
  ASSERT_TRUE(m_frame->SetApplicationWindowPosition(30, 40, 800, 600));
  m_frame->ShowWindow(SW_MINIMIZE);
  ASSERT_TRUE(m_frame->IsIconic());
  EXPECT_FALSE(m_frame->SaveWindowPosition());
  CTesselString path = m_frame->GetSettingsFilePath();
  m_frame.Close();  // what closing does, the saving among it
  char stored[64] = "";
  ::GetPrivateProfileStringA("Options", "ApplicationWindowPosition", "", stored, sizeof(stored),
                             path.GetText());
  EXPECT_EQ("30,40,800,600", std::string(stored));
}

/// A product registered in one registry view, with its tool file in a
/// temporary folder or not; the key is removed again at the end.
class CRegisteredProduct {
 public:
  CRegisteredProduct(const std::string& key, bool wow64, const std::string& folder)
      : m_key(std::string("HKLM\\SOFTWARE\\") + (wow64 ? "WOW6432Node\\" : "") + "Alderwick\\" +
              key) {
    m_result = RunChildProcess("reg add \"" + m_key + "\\Settings\" /v AppPath /t REG_SZ /d \"" +
                               folder + "\" /f");
  }
  ~CRegisteredProduct() { RunChildProcess("reg delete \"" + m_key + "\" /f"); }
  bool Added() const { return m_result.exitCode == 0; }

 private:
  std::string m_key;
  ChildProcessResult m_result;
};

TEST_F(SettingsTest, SiblingToolsAreFoundInEitherRegistryViewWhenTheirFileIsThere) {
  CTempFolder tools;
  ASSERT_TRUE(tools.MakeFile("VNCommandLine.exe"));
  ASSERT_TRUE(tools.MakeFile("Quorrel.exe"));
  CRegisteredProduct vantrell("Vantrell", false, tools.GetPath());
  CRegisteredProduct quorrel("Quorrel", true, tools.GetPath());
  CRegisteredProduct lumeth("Lumeth", false, tools.GetPath());  // no LMCommandLine.exe there
  ASSERT_TRUE(vantrell.Added() && quorrel.Added() && lumeth.Added());
  EXPECT_EQ(tools.PathOf("VNCommandLine.exe"), m_frame->GetVantrellToolPath().GetText());
  EXPECT_EQ(tools.PathOf("Quorrel.exe"), m_frame->GetQuorrelToolPath().GetText());
  EXPECT_EQ(tools.GetPath(), m_frame->GetSiblingAppPath("Quorrel").GetText());
  EXPECT_EQ("", std::string(m_frame->GetLumethToolPath().GetText()));
  EXPECT_EQ("", std::string(m_frame->GetBrisantToolPath().GetText()));
}

}  // namespace
