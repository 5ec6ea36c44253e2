// The about dialog: the update state it shows, the installer name it
// accepts, the download with its question, and the update service's answer.
#include <gtest/gtest.h>

#include <htmlhelp.h>

#include <algorithm>
#include <fstream>
#include <memory>

#include "SupportApp.h"
#include "app/AboutDialog.h"
#include "app/AppResources.h"
#include "foundation/FileUtilities.h"
#include "testsupport/TestText.h"

namespace {

CWinApp theApp("VelmAboutDialogTest");

class AboutDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { m_frame.reset(new CFrameFixture); }

  /// Runs the dialog; `script` sees it open and may end it.
  void RunAbout(std::function<void(CAboutDialog&)> script) {
    CAboutDialog dialog(m_frame->Get());
    dialog.m_pFrame = m_frame->Get();
    m_app.m_dialogScript = [&](CDialog&) {
      script(dialog);
      m_started = dialog.IsUpdateStarted();
    };
    AppSystem()->RunDialog(&dialog);
  }
  void OfferRelease(const char* version, const char* installer) {
    m_app.m_release.available = true;
    m_app.m_release.latestVersion = version;
    m_app.m_release.installerName = installer;
  }
  std::string InstallerPath(const char* name) {
    return TextOf(m_app.GetUpdateFolder()) + "\\" + name;
  }
  /// The text colour the dialog gives its status line.
  static COLORREF StatusTextColor(CDialog& d) {
    HDC hDC = ::CreateCompatibleDC(NULL);
    ::SetTextColor(hDC, RGB(1, 2, 3));
    ::SendMessage(d.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC),
                  reinterpret_cast<LPARAM>(::GetDlgItem(d.m_hWnd, IDC_ABOUT_STATUS)));
    const COLORREF color = ::GetTextColor(hDC);
    ::DeleteDC(hDC);
    return color;
  }

  CScriptedAppSystem m_app;
  CScriptedSystem m_system;
  std::unique_ptr<CFrameFixture> m_frame;
  bool m_started = false;
};

TEST_F(AboutDialogTest, TheStatusLineAndApplyUpdateFollowTheServicesAnswer) {
  const struct {
    const char* label;
    bool answers;
    bool available;
    std::string status;
    bool green;
  } cases[] = {
      {"unreachable", false, false,
       "The currently installed version 1.0.0 is the latest available", false},
      {"no newer release", true, false,
       "The currently installed version 1.0.0 is the latest available", false},
      {"newer release", true, true, "The new Velmoran update 2.1.0 is available for download",
       true},
  };
  for (const auto& c : cases) {
    m_app.m_bUpdateAnswers = c.answers;
    m_app.m_release.available = c.available;
    m_app.m_release.latestVersion = "2.1.0";
    m_app.m_release.installerName = "VelmoranSetup.exe";
    RunAbout([&](CAboutDialog& d) {
      EXPECT_EQ("1.0.0", GetDialogText(d, IDC_ABOUT_VERSION)) << c.label;
      EXPECT_EQ(c.status, GetDialogText(d, IDC_ABOUT_STATUS)) << c.label;
      EXPECT_EQ(c.available, IsDialogItemEnabled(d, IDC_ABOUT_APPLY_UPDATE)) << c.label;
      EXPECT_EQ(c.green ? CAboutDialog::kUpdateColor : ::GetSysColor(COLOR_WINDOWTEXT), StatusTextColor(d))
          << c.label;
      PressButton(d, IDOK);
    });
  }
  EXPECT_EQ(3, m_app.m_nUpdateQueries);
  EXPECT_EQ("About Velmoran", m_app.m_dialogCaptions.at(0));
}

TEST_F(AboutDialogTest, OnlyAPlainInstallerFileNameIsOfferedOrFetched) {
  const struct {
    const char* name;
    bool offered;
  } cases[] = {
      {"VelmoranSetup-2.1.exe", true}, {"..\\..\\Windows\\evil.exe", false},
      {"sub/setup.exe", false},        {"sub\\setup.exe", false},
      {"c:setup.exe", false},          {"..", false},
      {"setup..exe", false},           {"setup.exe.", false},
      {"set|up.exe", false},           {"", false},
  };
  m_system.m_nStatus = 404;  // nothing is to arrive
  for (const auto& c : cases) {
    OfferRelease("2.1.0", c.name);
    m_system.m_calls.clear();
    RunAbout([&](CAboutDialog& d) {
      EXPECT_EQ(c.offered, IsDialogItemEnabled(d, IDC_ABOUT_APPLY_UPDATE)) << c.name;
      PressButton(d, IDC_ABOUT_APPLY_UPDATE);  // as a key could, even when disabled
      PressButton(d, IDOK);
    });
    EXPECT_EQ(c.offered, !m_system.m_calls.empty()) << c.name;
  }
}

TEST_F(AboutDialogTest, AnOlderInstallerOfTheNameIsDeletedAndAFailedDownloadOffersNothing) {
  OfferRelease("2.1.0", "VelmoranSetup.exe");
  const std::string path = InstallerPath("VelmoranSetup.exe");
  std::ofstream(path) << "the installer of the release before";
  m_system.m_nStatus = 404;
  m_system.m_body = "<html>not found</html>";
  RunAbout([](CAboutDialog& d) {
    PressButton(d, IDC_ABOUT_APPLY_UPDATE);
    PressButton(d, IDOK);
  });
  EXPECT_FALSE(FileExists(path.c_str()));
  EXPECT_TRUE(m_app.m_shown.empty());
  EXPECT_TRUE(m_system.m_shellCalls.empty());
  EXPECT_FALSE(m_started);
}

TEST_F(AboutDialogTest, TheDownloadIsStartedOnlyAfterOkAndDeletedOnCancel) {
  const struct {
    int answer;
    bool started;
  } cases[] = {{IDCANCEL, false}, {IDOK, true}};
  for (const auto& c : cases) {
    OfferRelease("2.1.0", "VelmoranSetup.exe");
    m_system.m_calls.clear();
    m_system.m_nStatus = 200;
    m_system.m_body = "MZ the new installer";
    m_system.m_nBodyRead = 0;
    m_system.m_shellCalls.clear();
    m_app.m_shown.clear();
    m_app.m_nAnswer = c.answer;
    RunAbout([](CAboutDialog& d) {
      PressButton(d, IDC_ABOUT_APPLY_UPDATE);
      if (::IsWindow(d.m_hWnd)) PressButton(d, IDOK);
    });
    const std::string path = InstallerPath("VelmoranSetup.exe");
    ASSERT_EQ(1u, m_app.m_shown.size()) << c.answer;
    EXPECT_EQ(0x11u, m_app.m_shown[0].flags);
    EXPECT_NE(std::string::npos, m_app.m_shown[0].text.find("will be closed to perform the update"));
    EXPECT_NE(m_system.m_calls.end(), std::find(m_system.m_calls.begin(), m_system.m_calls.end(),
                                                "connect www.velmoran.com:443"));
    bool requested = false;
    for (const std::string& call : m_system.m_calls)
      requested = requested || call.rfind("request GET downloads/VelmoranSetup.exe ", 0) == 0;
    EXPECT_TRUE(requested);
    EXPECT_EQ(c.started, FileExists(path.c_str())) << c.answer;
    EXPECT_EQ(c.started ? 1u : 0u, m_system.m_shellCalls.size()) << c.answer;
    EXPECT_EQ(c.started, m_started) << c.answer;
  }
}

TEST_F(AboutDialogTest, ConfirmingTheUpdateClosesTheProgramAfterTheDialog) {
  OfferRelease("2.1.0", "VelmoranSetup.exe");
  m_system.m_body = "MZ";
  m_app.m_nAnswer = IDOK;
  m_app.m_dialogScript = [](CDialog& d) { PressButton(d, IDC_ABOUT_APPLY_UPDATE); };
  const HWND hFrame = (*m_frame)->m_hWnd;
  (*m_frame)->SendMessage(WM_COMMAND, ID_APP_ABOUT);
  EXPECT_EQ(IDOK, m_app.m_dialogResults.at(0));
  MSG msg;
  while (::IsWindow(hFrame) && ::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE)) ::DispatchMessage(&msg);
  EXPECT_FALSE(::IsWindow(hFrame));
}

TEST_F(AboutDialogTest, HelpOpensTopic1000) {
  RunAbout([](CAboutDialog& d) {
    PressButton(d, ID_DIALOG_HELP);
    PressButton(d, IDOK);
  });
  ASSERT_EQ(1u, m_system.m_helpCalls.size());
  EXPECT_EQ(static_cast<UINT>(HH_HELP_CONTEXT), m_system.m_helpCalls[0].first);
  EXPECT_EQ(1000u, m_system.m_helpCalls[0].second);
}

TEST(UpdateRelease, VersionsCompareByNumberPerPart) {
  const struct {
    const char* a;
    const char* b;
    int sign;
  } cases[] = {{"1.0.0", "1.0.0", 0}, {"1.10", "1.9", 1},    {"2", "1.9.9", 1},
               {"1.0", "1.0.0", 0},   {"1.0.1", "1.0", 1},  {"0.9", "1.0", -1},
               {"1.2-beta", "1.2", 0}, {"", "0", 0}};
  for (const auto& c : cases) {
    const int result = CompareVersionTexts(c.a, c.b);
    EXPECT_EQ(c.sign, (result > 0) - (result < 0)) << c.a << " " << c.b;
  }
}

TEST(UpdateRelease, TheServicesAnswerIsReadThroughTheServer) {
  CScriptedAppSystem app;
  CScriptedSystem system;
  const struct {
    const char* body;
    DWORD status;
    bool understood;
    bool available;
    const char* installer;
  } cases[] = {
      {"2.0.1\r\nVelmoranSetup-2.0.1.exe\r\n", 200, true, true, "VelmoranSetup-2.0.1.exe"},
      {"1.0.0\nVelmoranSetup.exe", 200, true, false, "VelmoranSetup.exe"},
      {"2.0.1\n..\\Setup.exe\n", 200, false, false, ""},
      {"2.0.1\n", 200, false, false, ""},
      {"2.0.1\nVelmoranSetup.exe\n", 500, false, false, ""},
  };
  for (const auto& c : cases) {
    system.m_body = c.body;
    system.m_nBodyRead = 0;
    system.m_nStatus = c.status;
    system.m_calls.clear();
    CUpdateRelease release;
    EXPECT_EQ(c.understood, app.CAppSystem::QueryUpdate("1.0.0", &release)) << c.body;
    EXPECT_EQ(c.available, release.available) << c.body;
    EXPECT_EQ(c.installer, TextOf(release.installerName)) << c.body;
    EXPECT_NE(system.m_calls.end(), std::find(system.m_calls.begin(), system.m_calls.end(),
                                              "connect www.velmoran.com:443"));
  }
}

}  // namespace
