// Version tests through both ways of asking, module handles, and the monitor
// areas with their single-screen fall-backs.
#include "common/TKOSVersionHelper.h"

#include <afxwin.h>

#include <gtest/gtest.h>

namespace {

OSVERSIONINFOA ActualVersion() {
  OSVERSIONINFOA info = {sizeof info};
  ::GetVersionExA(&info);
  return info;
}

struct VersionCase {
  int condition;
  int majorDelta;  // added to the running system's version
  int minorDelta;
  bool otherPlatform;
  bool expected;
};

class CheckVersionCases : public ::testing::TestWithParam<VersionCase> {};

// Around the running system's own version, so the cases hold on any Wine.
TEST_P(CheckVersionCases, BothWaysOfAskingAgree) {
  const VersionCase& c = GetParam();
  OSVERSIONINFOA actual = ActualVersion();
  DWORD major = actual.dwMajorVersion + c.majorDelta;
  DWORD minor = c.minorDelta == 99 ? 99 : actual.dwMinorVersion + c.minorDelta;
  DWORD platform = c.otherPlatform ? VER_PLATFORM_WIN32_WINDOWS : actual.dwPlatformId;
  CTKOSVersionHelper verifying;
  CTKOSVersionHelper comparing;
  comparing.ForgetVerifyVersionInfo();
  EXPECT_EQ(c.expected ? S_OK : S_FALSE,
            verifying.VerifyVersion(c.condition, major, minor, platform));
  EXPECT_EQ(E_NOTIMPL, comparing.VerifyVersion(c.condition, major, minor, platform));
  EXPECT_EQ(c.expected, !!verifying.CheckVersion(c.condition, major, minor, platform));
  EXPECT_EQ(c.expected, !!comparing.CheckVersion(c.condition, major, minor, platform));
}

const int kEqual = CTKOSVersionHelper::conditionEqual;
const int kAtLeast = CTKOSVersionHelper::conditionAtLeast;

INSTANTIATE_TEST_SUITE_P(AroundTheRunningVersion, CheckVersionCases,
                         ::testing::Values(VersionCase{kEqual, 0, 0, false, true},
                                           VersionCase{kEqual, 0, 0, true, false},
                                           VersionCase{kEqual, 0, 1, false, false},
                                           VersionCase{kAtLeast, 0, 0, false, true},
                                           VersionCase{kAtLeast, 0, 1, false, false},
                                           // A lower major version is exceeded whatever its minor.
                                           VersionCase{kAtLeast, -1, 99, false, true},
                                           VersionCase{kAtLeast, 1, 0, false, false},
                                           // An NT system is at least any Windows 9x.
                                           VersionCase{kAtLeast, -1, 0, true, true}));

TEST(TKOSVersionHelper, AnyOtherConditionNeverMatchesWithoutVerifyVersionInfo) {
  OSVERSIONINFOA actual = ActualVersion();
  EXPECT_FALSE(CTKOSVersionHelper::CompareVersionInfo(2, actual.dwMajorVersion,
                                                      actual.dwMinorVersion, actual.dwPlatformId));
}

TEST(TKOSVersionHelper, WineIsAnNtSystemOfWindows7OrLater) {
  for (bool withVerify : {true, false}) {
    CTKOSVersionHelper helper;
    if (!withVerify) helper.ForgetVerifyVersionInfo();
    EXPECT_TRUE(helper.IsWinNT4OrGreater());
    EXPECT_TRUE(helper.IsWin2KOrGreater());
    EXPECT_TRUE(helper.IsWinXPOrGreater());
    EXPECT_TRUE(helper.IsClearTypeTextQualitySupported());
    EXPECT_TRUE(helper.IsWinVistaOrGreater());
    EXPECT_TRUE(helper.IsWin7OrGreater());
    EXPECT_FALSE(helper.IsWin9x());
    EXPECT_FALSE(helper.IsWin95());
    EXPECT_FALSE(helper.IsWinNT4());
    EXPECT_FALSE(helper.IsWin2K());
    EXPECT_FALSE(helper.IsWinXP());
  }
}

TEST(TKOSVersionHelper, KnowsTheCommonControlsVersionAndTheOemCodePage) {
  CTKModuleHandle comctl("COMCTL32.DLL");
  DWORD version = comctl.GetVersion();
  ASSERT_NE(0u, version);
  EXPECT_EQ(version, TKOSVersionHelper()->GetComCtlVersion());
  CPINFO info = {};
  ASSERT_TRUE(::GetCPInfo(::GetOEMCP(), &info));
  EXPECT_EQ(static_cast<int>(info.MaxCharSize), TKOSVersionHelper()->GetOEMCPMaxCharSize());
}

// --- module handles ----------------------------------------------------------

// A system library this program does not load on its own.
const char kSpareModule[] = "cabinet.dll";

TEST(TKModuleHandle, AModuleItLoadedIsFreedAgain) {
  ASSERT_EQ(nullptr, ::GetModuleHandleA(kSpareModule));
  {
    CTKModuleHandle module(kSpareModule);
    EXPECT_EQ(CTKModuleHandle::moduleLoaded, module.GetState());
    EXPECT_NE(nullptr, module.GetHandle());
    EXPECT_STREQ(kSpareModule, module.GetName());
  }
  EXPECT_EQ(nullptr, ::GetModuleHandleA(kSpareModule));
}

TEST(TKModuleHandle, AModuleFoundLoadedIsNeverFreed) {
  HMODULE mine = ::LoadLibraryA(kSpareModule);
  ASSERT_NE(nullptr, mine);
  {
    CTKModuleHandle module(kSpareModule);
    EXPECT_EQ(CTKModuleHandle::moduleFound, module.GetState());
    EXPECT_EQ(mine, module.GetHandle());
    EXPECT_TRUE(module.FreeLibrary());
    EXPECT_EQ(CTKModuleHandle::moduleNone, module.GetState());
  }
  EXPECT_EQ(mine, ::GetModuleHandleA(kSpareModule));
  ::FreeLibrary(mine);
  EXPECT_EQ(nullptr, ::GetModuleHandleA(kSpareModule));
}

TEST(TKModuleHandle, EntryPointsAreGatedByTheModulesVersion) {
  typedef BOOL(WINAPI * PFN)(const INITCOMMONCONTROLSEX*);
  CTKModuleHandle comctl("COMCTL32.DLL");
  DWORD version = comctl.GetVersion();
  PFN pfn = reinterpret_cast<PFN>(1);
  EXPECT_FALSE(comctl.GetProcAddress(&pfn, "InitCommonControlsEx", version + 0x10000));
  EXPECT_EQ(nullptr, pfn);
  EXPECT_TRUE(comctl.GetProcAddress(&pfn, "InitCommonControlsEx", version));
  EXPECT_EQ(reinterpret_cast<PFN>(::GetProcAddress(comctl, "InitCommonControlsEx")), pfn);
  pfn = reinterpret_cast<PFN>(1);
  EXPECT_FALSE(comctl.GetProcAddress(&pfn, "NoSuchExport"));
  EXPECT_EQ(nullptr, pfn);
}

TEST(TKModuleHandle, WithoutAModuleNothingIsStored) {
  CTKModuleHandle none("no-such-module-here.dll");
  EXPECT_EQ(CTKModuleHandle::moduleNone, none.GetState());
  FARPROC pfn = reinterpret_cast<FARPROC>(1);
  EXPECT_FALSE(none.GetProcAddress(&pfn, "Anything"));
  EXPECT_EQ(reinterpret_cast<FARPROC>(1), pfn);
  EXPECT_EQ(0u, none.GetVersion());
}

TEST(TKModuleHandle, AModuleWithoutDllGetVersionHasVersionZero) {
  CTKModuleHandle kernel("kernel32.dll");
  EXPECT_EQ(0u, kernel.GetVersion());
}

// --- monitors ------------------------------------------------------------------

CRect PrimaryScreen() {
  return CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
}

CRect SystemWorkArea() {
  CRect rc;
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rc, 0);
  return rc;
}

CRect MonitorRect(POINT pt, bool work) {
  MONITORINFO info = {sizeof info};
  ::GetMonitorInfoA(::MonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST), &info);
  return work ? CRect(info.rcWork) : CRect(info.rcMonitor);
}

TEST(TKMultiMonitorApi, APlaceOnAMonitorGivesThatMonitorsAreas) {
  CTKMultiMonitorApi* api = TKMultiMonitorApi();
  ASSERT_TRUE(api->HasMonitorFunctions());
  CPoint inside(10, 10);
  EXPECT_EQ(MonitorRect(inside, false), api->GetScreenAreaFromPoint(inside));
  EXPECT_EQ(MonitorRect(inside, true), api->GetWorkAreaFromPoint(inside));
  CRect rc(5, 5, 50, 50);
  EXPECT_EQ(MonitorRect(inside, false), api->GetScreenAreaFromRect(rc));
  EXPECT_EQ(MonitorRect(inside, true), api->GetWorkAreaFromRect(rc));
  HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 10, 10, 20, 20, NULL, NULL, NULL, NULL);
  ASSERT_NE(nullptr, hWnd);
  EXPECT_EQ(MonitorRect(inside, true), api->GetWorkAreaFromWindow(hWnd));
  CWnd* pWnd = CWnd::FromHandle(hWnd);
  EXPECT_EQ(MonitorRect(inside, true), api->GetWorkArea(pWnd));
  ::DestroyWindow(hWnd);
}

TEST(TKMultiMonitorApi, APlaceOutsideEveryMonitorGivesThePrimaryScreenNotTheNearest) {
  CTKMultiMonitorApi* api = TKMultiMonitorApi();
  CPoint outside(-100000, -100000);
  EXPECT_EQ(PrimaryScreen(), api->GetScreenAreaFromPoint(outside));
  EXPECT_EQ(SystemWorkArea(), api->GetWorkAreaFromPoint(outside));
  CRect outsideRect(-100000, -100000, -99990, -99990);
  EXPECT_EQ(PrimaryScreen(), api->GetScreenAreaFromRect(outsideRect));
  EXPECT_EQ(SystemWorkArea(), api->GetWorkAreaFromRect(outsideRect));
  EXPECT_EQ(SystemWorkArea(), api->GetWorkArea(nullptr));
}

TEST(TKMultiMonitorApi, WithoutTheMonitorFunctionsEverythingIsThePrimaryScreen) {
  CTKMultiMonitorApi api("kernel32.dll");
  EXPECT_FALSE(api.HasMonitorFunctions());
  MONITORINFO info = {};
  EXPECT_FALSE(api.GetMonitorInfo(::MonitorFromPoint(CPoint(10, 10), 0), &info));
  EXPECT_EQ(PrimaryScreen(), api.GetScreenAreaFromPoint(CPoint(10, 10)));
  EXPECT_EQ(SystemWorkArea(), api.GetWorkAreaFromRect(CRect(5, 5, 50, 50)));
  EXPECT_EQ(SystemWorkArea(), api.GetWorkAreaAtCursor());
}

class CTestApp : public CWinApp {
 public:
  CTestApp() : CWinApp("Velm Test") {}
};

TEST(GetCurrentWinThread, IsTheThreadsObjectOrTheApplication) {
  EXPECT_EQ(nullptr, GetCurrentWinThread());
  CTestApp app;
  EXPECT_EQ(&app, GetCurrentWinThread());
  CWinThread* pOnOtherThread = reinterpret_cast<CWinThread*>(1);
  HANDLE hThread = ::CreateThread(
      NULL, 0,
      [](void* p) -> DWORD {
        *static_cast<CWinThread**>(p) = GetCurrentWinThread();
        return 0;
      },
      &pOnOtherThread, 0, NULL);
  ::WaitForSingleObject(hThread, INFINITE);
  ::CloseHandle(hThread);
  // A thread without an object of its own gets the application's.
  EXPECT_EQ(&app, pOnOtherThread);
}

}  // namespace
