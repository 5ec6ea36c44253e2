// The UI library's free functions: the row bands and gradients, image lists
// from a bitmap resource, button captions, the clipboard, the help window,
// mail, starting a program and the download against a scripted server.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SupportSystem.h"
#include "commandbars/TKControl.h"
#include "common/TKRefPtr.h"
#include "testsupport/DibSurface.h"
#include "testsupport/HostWindow.h"
#include "testsupport/TempFolder.h"
#include "testsupport/TestFiles.h"
#include "uilib/UIUtilities.h"

CWinApp theApp("VelmUIUtilitiesTest");

namespace {

/// The three standard bands, freed at the end.
class CStandardBands {
 public:
  CStandardBands() { m_bBuilt = BuildStandardRowGradients(&m_lists[0], &m_lists[1], &m_lists[2]); }
  ~CStandardBands() {
    for (CTesselList& list : m_lists) ClearGradientColors(&list);
  }
  CTesselList& operator[](int i) { return m_lists[i]; }
  bool m_bBuilt;

 private:
  CTesselList m_lists[3];
};

COLORREF RecordColor(CTesselList& list, int nIndex) {
  return static_cast<GradientColorRecord*>(list.GetAt(nIndex))->color;
}

// Bands and gradients -----------------------------------------------------------------

TEST(RowBands, ThreeTablesOfTwentyOneWithTheBorderColourAtBothEnds) {
  CStandardBands bands;
  ASSERT_TRUE(bands.m_bBuilt);
  const COLORREF borders[] = {RGB(132, 172, 221), RGB(184, 214, 251), RGB(165, 165, 165)};
  for (int i = 0; i < 3; ++i) {
    ASSERT_EQ(21, bands[i].GetCount());
    EXPECT_EQ(borders[i], RecordColor(bands[i], 0));
    EXPECT_EQ(borders[i], RecordColor(bands[i], 20));
  }
  EXPECT_TRUE(ClearGradientColors(&bands[0]));
  EXPECT_FALSE(ClearGradientColors(&bands[0]));
}

TEST(RowBands, FewerRowsLeaveOutTheFirstSkippableRecords) {
  CStandardBands bands;
  std::vector<COLORREF> out(32, CLR_INVALID);
  ASSERT_TRUE(ExpandGradient(out.data(), &bands[0], 18));
  // Records 4, 6 and 9 of the selected band are the first three skippable.
  const int kept[18] = {0, 1, 2, 3, 5, 7, 8, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
  for (int i = 0; i < 18; ++i) EXPECT_EQ(RecordColor(bands[0], kept[i]), out[i]) << i;
  EXPECT_EQ(RGB(217, 233, 254), out[9]);  // skippable, but three are out already
}

TEST(RowBands, MoreRowsRepeatTheMiddleRecord) {
  CStandardBands bands;
  std::vector<COLORREF> out(32, CLR_INVALID);
  ASSERT_TRUE(ExpandGradient(out.data(), &bands[2], 25));
  for (int i = 0; i < 10; ++i) EXPECT_EQ(RecordColor(bands[2], i), out[i]) << i;
  for (int i = 10; i < 15; ++i) EXPECT_EQ(RGB(233, 233, 233), out[i]) << i;
  for (int i = 15; i < 25; ++i) EXPECT_EQ(RecordColor(bands[2], i - 4), out[i]) << i;
  EXPECT_EQ(CLR_INVALID, out[25]);
}

TEST(RowBands, ExpandingNeedsAnArrayATableAndARow) {
  CStandardBands bands;
  CTesselList empty;
  COLORREF out[32];
  EXPECT_FALSE(ExpandGradient(nullptr, &bands[0], 5));
  EXPECT_FALSE(ExpandGradient(out, &empty, 5));
  EXPECT_FALSE(ExpandGradient(out, &bands[0], 0));
}

TEST(RowBands, ABandIsTheRowsWithBorderSidesAndWhiteCorners) {
  CStandardBands bands;
  CDibSurface surface(40, 30, RGB(255, 0, 255));
  ASSERT_TRUE(DrawGradientBand(surface.GetSafeHdc(), 5, 4, 35, 25, &bands[1]));  // 21 rows
  const COLORREF border = RGB(184, 214, 251);
  EXPECT_EQ(RecordColor(bands[1], 7), surface.GetPixel(20, 4 + 7));
  EXPECT_EQ(RecordColor(bands[1], 19), surface.GetPixel(20, 4 + 19));
  EXPECT_EQ(border, surface.GetPixel(5, 12));   // left side
  EXPECT_EQ(border, surface.GetPixel(34, 12));  // right side
  EXPECT_EQ(border, surface.GetPixel(6, 5));    // inner corner pixel
  for (POINT pt : {POINT{5, 4}, POINT{34, 4}, POINT{5, 24}, POINT{34, 24}})
    EXPECT_EQ(RGB(255, 255, 255), surface.GetPixel(pt.x, pt.y));
  EXPECT_EQ(RGB(255, 0, 255), surface.GetPixel(4, 4));  // nothing outside
  EXPECT_EQ(RGB(255, 0, 255), surface.GetPixel(20, 25));
}

TEST(RowBands, ABandOfMoreThanAThousandRowsDrawsNothing) {
  CStandardBands bands;
  CDibSurface surface(10, 1001, RGB(255, 0, 255));
  EXPECT_FALSE(DrawGradientBand(surface.GetSafeHdc(), 0, 0, 10, 1001, &bands[0]));
  EXPECT_EQ(10 * 1001, surface.CountPixels(RGB(255, 0, 255)));
  EXPECT_FALSE(DrawGradientBand(NULL, 0, 0, 10, 10, &bands[0]));
}

TEST(Gradients, StepsRunFromTheStartTowardsTheLimitAndStopThere) {
  const COLORREF a = RGB(200, 100, 0), b = RGB(100, 200, 50);
  double r, g, bl;
  ComputeGradientSteps(10, a, b, &r, &g, &bl);
  EXPECT_DOUBLE_EQ(10.0, r);
  EXPECT_DOUBLE_EQ(-10.0, g);
  EXPECT_DOUBLE_EQ(-5.0, bl);
  const struct {
    int position, origin;
    COLORREF expected;
  } cases[] = {{10, 0, a}, {0, 0, b}, {10, 5, RGB(150, 150, 25)}, {25, 0, a}, {10, 3, RGB(170, 130, 15)}};
  for (const auto& c : cases)
    EXPECT_EQ(c.expected, GetGradientColor(c.position, a, b, c.origin, r, g, bl))
        << c.position << " " << c.origin;
}

// Resources ---------------------------------------------------------------------------

TEST(ImageLists, ABitmapResourceBecomesCellsOfTheGivenWidth) {
  HIMAGELIST hList = NULL;
  CreateImageListFromBitmap(400, &hList, 16);
  ASSERT_NE(nullptr, hList);
  int cx = 0, cy = 0;
  ImageList_GetIconSize(hList, &cx, &cy);
  EXPECT_EQ(16, cx);
  EXPECT_EQ(16, cy);
  EXPECT_EQ(3, ImageList_GetImageCount(hList));
  AddBitmapToImageList(400, hList);
  EXPECT_EQ(6, ImageList_GetImageCount(hList));
  AddBitmapToImageList(499, hList);  // no such bitmap
  EXPECT_EQ(6, ImageList_GetImageCount(hList));
  ImageList_Destroy(hList);

  HIMAGELIST hMissing = NULL;
  CreateImageListFromBitmap(499, &hMissing, 16);
  EXPECT_EQ(nullptr, hMissing);
}

TEST(ButtonCaptions, TheStringGivesCaptionAndDescription) {
  const struct {
    UINT id;
    bool result;
    const char* caption;
    const char* description;
  } cases[] = {
      {500, true, "Run All", "Runs every step of the build file"},
      {501, true, "Cancel Run", "old description"},
      {502, false, "old caption", "A description without a caption"},
      {599, false, "old caption", "old description"},  // no such string
  };
  for (const auto& c : cases) {
    CTKRefPtr<CTKControl, CTKInternalRefTraits> control =
        CTKRefPtr<CTKControl, CTKInternalRefTraits>::Adopt(new CTKControl);
    control->SetCaption("old caption");
    control->SetDescription("old description");
    EXPECT_EQ(c.result, SetButtonCaptionFromString(c.id, control.Get())) << c.id;
    EXPECT_STREQ(c.caption, control->GetRawCaption()) << c.id;
    EXPECT_STREQ(c.description, control->GetDescription()) << c.id;
    EXPECT_EQ(3, control->GetStyle()) << c.id;
  }
}

// The clipboard ------------------------------------------------------------------------

class ClipboardTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_host.CreateHost(10, 10)); }
  bool OnlyFormat(UINT nFormat) {
    if (!::OpenClipboard(NULL)) return false;
    const bool bSet = ::GetClipboardData(nFormat) != NULL;
    ::CloseClipboard();
    return bSet;
  }
  CTestHostWindow m_host;
};

TEST_F(ClipboardTest, NarrowTextGoesAsText) {
  CTesselString text("step\tone\r\nstep two");
  ASSERT_TRUE(SetClipboardText(m_host.GetSafeHwnd(), text));
  EXPECT_TRUE(IsClipboardTextAvailable());
  ASSERT_TRUE(::OpenClipboard(NULL));
  HANDLE hData = ::GetClipboardData(CF_TEXT);
  ASSERT_NE(nullptr, hData);
  EXPECT_STREQ("step\tone\r\nstep two", static_cast<const char*>(::GlobalLock(hData)));
  ::GlobalUnlock(hData);
  ::CloseClipboard();
  // The system offers it as Unicode text too, which is what comes back.
  CTesselString back = GetClipboardText();
  EXPECT_STREQ("step\tone\r\nstep two", back.GetText());
}

TEST_F(ClipboardTest, WideTextGoesAsUnicodeText) {
  CTesselString text;
  text.SetWideText(L"caf\u00e9 \u0416");
  ASSERT_TRUE(SetClipboardText(m_host.GetSafeHwnd(), text));
  ASSERT_TRUE(::OpenClipboard(NULL));
  HANDLE hData = ::GetClipboardData(CF_UNICODETEXT);
  ASSERT_NE(nullptr, hData);
  EXPECT_STREQ(L"caf\u00e9 \u0416", static_cast<const wchar_t*>(::GlobalLock(hData)));
  ::GlobalUnlock(hData);
  ::CloseClipboard();
  CTesselString back = GetClipboardText();
  EXPECT_TRUE(back.IsWide());
  EXPECT_STREQ(L"caf\u00e9 \u0416", back.GetWideText());
}

TEST_F(ClipboardTest, UnicodeTextIsPreferredWhenBothAreThere) {
  ASSERT_TRUE(::OpenClipboard(m_host.GetSafeHwnd()));
  ::EmptyClipboard();
  for (const auto& entry : {std::make_pair(CF_TEXT, std::string("narrow\0", 7)),
                            std::make_pair(CF_UNICODETEXT, std::string("w\0i\0d\0e\0\0\0", 10))}) {
    HGLOBAL hMemory = ::GlobalAlloc(GMEM_MOVEABLE, entry.second.size());
    memcpy(::GlobalLock(hMemory), entry.second.data(), entry.second.size());
    ::GlobalUnlock(hMemory);
    ::SetClipboardData(entry.first, hMemory);
  }
  ::CloseClipboard();
  CTesselString back = GetClipboardText();
  EXPECT_TRUE(back.IsWide());
  EXPECT_STREQ(L"wide", back.GetWideText());
}

TEST_F(ClipboardTest, AnEmptyTextIsNotPlaced) {
  CTesselString empty;
  EXPECT_FALSE(SetClipboardText(m_host.GetSafeHwnd(), empty));
  ASSERT_TRUE(::OpenClipboard(m_host.GetSafeHwnd()));
  ::EmptyClipboard();
  ::CloseClipboard();
  EXPECT_FALSE(IsClipboardTextAvailable());
  EXPECT_TRUE(GetClipboardText().IsEmpty());
}

// Help, mail and the shell ---------------------------------------------------------------

TEST(HelpWindow, IsSizedAndCentredFromTheDesktop) {
  CScriptedSystem system;
  CTestHostWindow helpWindow;
  ASSERT_TRUE(helpWindow.CreateHost(50, 50));
  system.m_hHelpWindow = helpWindow.GetSafeHwnd();
  const struct {
    SIZE desktop;
    CRect expected;
  } cases[] = {
      {{1280, 1024}, CRect(100, 112, 1180, 912)},
      {{1400, 1100}, CRect(115, 150, 1285, 950)},
      {{1370, 900}, CRect(100, 100, 1270, 800)},
  };
  for (const auto& c : cases) {
    system.m_desktop = c.desktop;
    HWND hWnd = NULL;
    EXPECT_TRUE(OpenHtmlHelpWindow("Velmoran.chm", 0, &hWnd));
    EXPECT_EQ(helpWindow.GetSafeHwnd(), hWnd);
    CRect rc;
    helpWindow.GetWindowRect(&rc);
    EXPECT_EQ(c.expected, rc) << c.desktop.cx << "x" << c.desktop.cy;
  }
}

TEST(HelpWindow, ATopicOpensByContextAndNoWindowIsAFailure) {
  CScriptedSystem system;
  HWND hWnd = reinterpret_cast<HWND>(1);
  EXPECT_FALSE(OpenHtmlHelpWindow("Velmoran.chm", 4711, &hWnd));
  EXPECT_EQ(NULL, hWnd);
  EXPECT_FALSE(OpenHtmlHelpWindow("Velmoran.chm", 0, &hWnd));
  EXPECT_FALSE(OpenHtmlHelpWindow("", 12, &hWnd));
  ASSERT_EQ(2u, system.m_helpCalls.size());
  EXPECT_EQ(0x0Fu, system.m_helpCalls[0].first);
  EXPECT_EQ(4711u, system.m_helpCalls[0].second);
  EXPECT_EQ(0u, system.m_helpCalls[1].first);
}

struct SentMail {
  int nCalls = 0;
  std::string subject, body, name, address;
  ULONG recipClass = 0, nRecipients = 0;
  FLAGS flags = 0;
} g_sent;

ULONG WINAPI RecordMail(LHANDLE, ULONG_PTR, lpMapiMessage pMessage, FLAGS flags, ULONG) {
  ++g_sent.nCalls;
  g_sent.subject = pMessage->lpszSubject;
  g_sent.body = pMessage->lpszNoteText;
  g_sent.nRecipients = pMessage->nRecipCount;
  g_sent.name = pMessage->lpRecips[0].lpszName;
  g_sent.address = pMessage->lpRecips[0].lpszAddress;
  g_sent.recipClass = pMessage->lpRecips[0].ulRecipClass;
  g_sent.flags = flags;
  return SUCCESS_SUCCESS;
}

TEST(Mail, GoesToTheMailProgramForEditing) {
  CScriptedSystem system;
  EXPECT_FALSE(SendMailThroughMapi("support@example.com", "Subject", "Body"));  // no MAPI
  system.m_pfnSendMail = RecordMail;
  g_sent = SentMail();
  EXPECT_FALSE(SendMailThroughMapi("", "Subject", "Body"));
  EXPECT_EQ(0, g_sent.nCalls);
  EXPECT_TRUE(SendMailThroughMapi("support@example.com", "Subject", "Body"));
  EXPECT_EQ(1, g_sent.nCalls);
  EXPECT_EQ("Subject", g_sent.subject);
  EXPECT_EQ("Body", g_sent.body);
  EXPECT_EQ(1u, g_sent.nRecipients);
  EXPECT_EQ("support@example.com", g_sent.name);
  EXPECT_EQ("SMTP:support@example.com", g_sent.address);
  EXPECT_EQ(static_cast<ULONG>(MAPI_TO), g_sent.recipClass);
  EXPECT_EQ(static_cast<FLAGS>(MAPI_LOGON_UI | MAPI_DIALOG), g_sent.flags);
}

TEST(LaunchProgram, OpensTheFileWithTheDesktopAsOwnerWhenThereIsNone) {
  CScriptedSystem system;
  EXPECT_TRUE(LaunchProgram("c:\\Temp\\setup.exe", NULL));
  ASSERT_EQ(1u, system.m_shellCalls.size());
  const SHELLEXECUTEINFOA& info = system.m_shellCalls[0];
  EXPECT_EQ(::GetDesktopWindow(), info.hwnd);
  EXPECT_EQ(static_cast<ULONG>(SEE_MASK_CONNECTNETDRV), info.fMask);
  EXPECT_EQ(nullptr, info.lpVerb);
  EXPECT_STREQ("c:\\Temp\\setup.exe", info.lpFile);
  EXPECT_EQ(SW_SHOWNORMAL, info.nShow);
}

// Text ------------------------------------------------------------------------------------

TEST(TextWidths, ATextFitsWhenItIsNoWiderThanTheRoomLessTheMargin) {
  CDibSurface surface(10, 10);
  HDC hDC = surface.GetSafeHdc();
  CTKSelectGuard font(hDC, ::GetStockObject(DEFAULT_GUI_FONT));
  const int w = GetTextWidth(hDC, "Build Steps");
  ASSERT_GT(w, 0);
  EXPECT_GT(GetCharWidth(hDC, "W"), 0);
  EXPECT_EQ(0, GetTextWidth(NULL, "Build Steps"));
  CTesselString text("Build Steps"), empty;
  EXPECT_TRUE(TextFitsWidth(hDC, text, 10, 0, 10 + w + 4, 20, 4));
  EXPECT_FALSE(TextFitsWidth(hDC, text, 10, 0, 10 + w + 3, 20, 4));
  EXPECT_TRUE(TextFitsWidth(hDC, empty, 0, 0, 0, 0, 4));
  EXPECT_TRUE(TextFitsWidth(NULL, text, 0, 0, 0, 0, 4));
}

// Window frames ----------------------------------------------------------------------------

/// A shown 40 x 30 window whose whole-window pixels can be read back.
class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_window.CreateHost(40, 30));
    m_window.SetWindowPos(NULL, 200, 200, 0, 0,
                          SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    m_window.UpdateWindow();
  }
  COLORREF PixelAt(int x, int y) {
    HDC hDC = ::GetWindowDC(m_window.GetSafeHwnd());
    const COLORREF color = ::GetPixel(hDC, x, y);
    ::ReleaseDC(m_window.GetSafeHwnd(), hDC);
    return color;
  }
  CTestHostWindow m_window;
};

TEST_F(FrameTest, ControlFramesHaveWhiteSidesAndColouredRows) {
  const COLORREF red = RGB(200, 0, 0), white = RGB(255, 255, 255);
  const struct {
    bool bottomOnly;
    COLORREF top;
  } cases[] = {{false, red}, {true, white}};
  for (const auto& c : cases) {
    EXPECT_TRUE(c.bottomOnly ? DrawControlFrameBottomLine(m_window.GetSafeHwnd(), red)
                             : DrawControlFrame(m_window.GetSafeHwnd(), red));
    EXPECT_EQ(white, PixelAt(0, 10)) << c.bottomOnly;
    EXPECT_EQ(white, PixelAt(39, 10)) << c.bottomOnly;
    EXPECT_EQ(c.top, PixelAt(20, 0)) << c.bottomOnly;
    EXPECT_EQ(red, PixelAt(20, 29)) << c.bottomOnly;
    EXPECT_EQ(red, PixelAt(39, 29)) << c.bottomOnly;
  }
}

TEST_F(FrameTest, AWindowFrameIsARectangleOfThePenWidth) {
  const COLORREF blue = RGB(0, 0, 200);
  EXPECT_TRUE(DrawWindowFrame(m_window.GetSafeHwnd(), blue, 1));
  EXPECT_EQ(blue, PixelAt(0, 0));
  EXPECT_EQ(blue, PixelAt(39, 29));
  EXPECT_NE(blue, PixelAt(1, 1));
  EXPECT_NE(blue, PixelAt(20, 15));
  // No window is no frame: nothing is drawn on the screen instead.
  EXPECT_FALSE(DrawWindowFrame(NULL, blue, 1));
  EXPECT_FALSE(DrawControlFrame(NULL, blue));
  EXPECT_FALSE(DrawControlFrameBottomLine(NULL, blue));
}

TEST_F(FrameTest, FrameBoundsFollowTheDesktopWindowManagersAnswer) {
  CScriptedSystem system;
  CRect window;
  m_window.GetWindowRect(&window);
  const struct {
    CUILibSystem::DwmFrameBoundsAnswer answer;
    int right, bottom;
  } cases[] = {
      {CUILibSystem::kDwmLibraryMissing, -2, -2},
      {CUILibSystem::kDwmAnswered, 6, 3},
      {CUILibSystem::kDwmQueryFailed, -2, -9},
  };
  for (const auto& c : cases) {
    system.m_dwmAnswer = c.answer;
    CRect bounds;
    ASSERT_TRUE(GetFrameBoundsOfWindow(m_window.GetSafeHwnd(), &bounds)) << c.answer;
    EXPECT_EQ(CRect(window.left, window.top, window.right + c.right, window.bottom + c.bottom),
              bounds)
        << c.answer;
  }
  EXPECT_EQ(std::vector<HWND>(3, m_window.GetSafeHwnd()), system.m_dwmQueries);
  CRect untouched(1, 2, 3, 4);
  EXPECT_FALSE(GetFrameBoundsOfWindow(NULL, &untouched));
  EXPECT_EQ(CRect(1, 2, 3, 4), untouched);
}

TEST(DesktopWindowManager, TheRealSystemAnswersWithoutKeepingTheLibrary) {
  CTestHostWindow window;
  ASSERT_TRUE(window.CreateHost(40, 30));
  const bool loadedBefore = ::GetModuleHandleA("dwmapi.dll") != NULL;
  CUILibSystem::DwmFrameBoundsAnswer answer = UILibSystem()->QueryDwmFrameBounds(window.m_hWnd);
  EXPECT_TRUE(answer == CUILibSystem::kDwmLibraryMissing ||
              answer == CUILibSystem::kDwmQueryFailed || answer == CUILibSystem::kDwmAnswered);
  if (!loadedBefore) EXPECT_EQ(nullptr, ::GetModuleHandleA("dwmapi.dll"));
  EXPECT_NE(CUILibSystem::kDwmAnswered, UILibSystem()->QueryDwmFrameBounds(NULL))
      << "no window, no bounds";
}

// The download -----------------------------------------------------------------------------

class DownloadTest : public ::testing::Test {
 protected:
  std::string Target() { return m_folder.PathOf("sub\\Setup.exe"); }
  bool Download() { return DownloadFileFromServer("example.com", "downloads/Setup.exe", Target().c_str()); }
  /// The three handles were closed, request first.
  void ExpectHandlesClosed() {
    std::vector<std::string> closes;
    for (const std::string& call : m_system.m_calls)
      if (call.compare(0, 6, "close ") == 0) closes.push_back(call);
    EXPECT_EQ((std::vector<std::string>{"close 3", "close 2", "close 1"}), closes);
  }

  CScriptedSystem m_system;
  CTempFolder m_folder;
};

TEST_F(DownloadTest, EmptyNamesFailWithoutAnyNetworkCall) {
  const char* const cases[][3] = {{"", "obj", "c:\\x"}, {"srv", "", "c:\\x"}, {"srv", "obj", ""},
                                  {nullptr, "obj", "c:\\x"}};
  for (const auto& c : cases) EXPECT_FALSE(DownloadFileFromServer(c[0], c[1], c[2]));
  EXPECT_TRUE(m_system.m_calls.empty());
}

TEST_F(DownloadTest, ASuccessfulAnswerIsSavedWholeOverASecureConnection) {
  m_system.m_body = "MZ installer body";
  m_system.m_nContentLength = static_cast<long long>(m_system.m_body.size());
  ASSERT_TRUE(Download());
  EXPECT_EQ("MZ installer body", ReadFileBytes(Target()));
  const std::vector<std::string> head(m_system.m_calls.begin(), m_system.m_calls.begin() + 9);
  EXPECT_EQ((std::vector<std::string>{"open Download 0 0", "connect example.com:443",
                                      "request GET downloads/Setup.exe A4800100",
                                      "option 2=30000", "option 5=30000", "option 6=30000",
                                      "header Accept-Language: en\r\n",
                                      "header Connection: Keep-Alive\r\n", "send"}),
            head);
  ExpectHandlesClosed();
}

TEST_F(DownloadTest, AnythingButAWholeBodyOfASuccessLeavesNoFile) {
  const struct {
    const char* name;
    DWORD status;
    const char* body;
    long long announced;
    long long failAfter;
  } cases[] = {
      {"error page", 404, "<html>Not Found</html>", 22, -1},
      {"empty body", 200, "", 0, -1},
      {"short of the announced length", 200, "MZ part", 20, -1},
      {"failing read", 200, "MZ installer body", -1, 8},
  };
  for (const auto& c : cases) {
    m_system.m_calls.clear();
    m_system.m_nBodyRead = 0;
    m_system.m_nStatus = c.status;
    m_system.m_body = c.body;
    m_system.m_nContentLength = c.announced;
    m_system.m_nFailAfter = c.failAfter;
    EXPECT_FALSE(Download()) << c.name;
    EXPECT_FALSE(FileIsThere(Target())) << c.name;
    ExpectHandlesClosed();
  }
}

TEST_F(DownloadTest, WithoutAnAnnouncedLengthTheBodyToItsEndIsSaved) {
  m_system.m_body = "0123456789";
  ASSERT_TRUE(Download());
  EXPECT_EQ("0123456789", ReadFileBytes(Target()));
}

TEST(HttpHeaders, ALineBreakIsAddedOnlyWhenMissing) {
  CScriptedSystem system;
  HINTERNET hRequest = reinterpret_cast<HINTERNET>(3);
  EXPECT_FALSE(AddHttpRequestHeader(NULL, "Accept: */*"));
  EXPECT_FALSE(AddHttpRequestHeader(hRequest, ""));
  EXPECT_TRUE(AddHttpRequestHeader(hRequest, "Accept: */*"));
  EXPECT_TRUE(AddHttpRequestHeader(hRequest, "X-One: 1\n"));
  EXPECT_EQ((std::vector<std::string>{"header Accept: */*\r\n", "header X-One: 1\n"}),
            system.m_calls);
}

}  // namespace

// Window texts -------------------------------------------------------------------------

TEST(WindowText, AWideTextOutsideTheCodePageComesBackWhole) {
  HWND hEdit = ::CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 100, 20, NULL, NULL,
                                 ::GetModuleHandleW(NULL), NULL);
  ASSERT_NE(static_cast<HWND>(NULL), hEdit);
  CTesselString text;
  text.SetWideText(L"\x041f\x0430\x043f\x043a\x0430 a&b");
  EXPECT_TRUE(SetWindowTextString(hEdit, text));
  CTesselString back = GetWindowTextString(hEdit);
  EXPECT_EQ(std::wstring(L"\x041f\x0430\x043f\x043a\x0430 a&b"), std::wstring(back.GetWideText()));
  ::DestroyWindow(hEdit);
  EXPECT_FALSE(SetWindowTextString(hEdit, text));
  EXPECT_TRUE(GetWindowTextString(hEdit).IsEmpty());
}
