// The visual-styles wrapper with Wine's UxTheme and its light theme, without
// UxTheme, with entry points of our own planted in a private table, the
// desktop-window-manager wrappers, and the shared WinEvent hook.
#include "common/TKWinThemeWrapper.h"

#include "common/TKWinEventHook.h"

#include <vssym32.h>

#include <gtest/gtest.h>

#include "testsupport/DibSurface.h"
#include "testsupport/MessageLoop.h"

namespace {

typedef CTKWinThemeWrapper W;

void ExpectUnavailable(CTKWinThemeWrapper& wrapper) {
  HWND hWnd = ::CreateWindowExA(0, "BUTTON", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
  wrapper.OpenThemeData(hWnd, L"BUTTON");
  EXPECT_FALSE(wrapper.IsThemeOpen());
  EXPECT_FALSE(wrapper.IsAppThemed());
  EXPECT_FALSE(wrapper.IsThemeActive());
  EXPECT_FALSE(wrapper.IsThemingAvailable());
  EXPECT_FALSE(wrapper.IsAppThemedAndOpen());
  EXPECT_EQ(static_cast<COLORREF>(-1), wrapper.GetThemeSysColor(COLOR_WINDOW));
  EXPECT_FALSE(wrapper.GetThemeSysBool(TMT_FLATMENUS));
  HDC hDC = ::GetDC(hWnd);
  RECT rc = {0, 0, 10, 10};
  EXPECT_EQ(E_FAIL, wrapper.DrawThemeBackground(hDC, 1, 1, &rc, nullptr));
  COLORREF color = RGB(1, 2, 3);
  EXPECT_EQ(E_FAIL, wrapper.GetThemeColor(1, 1, TMT_TEXTCOLOR, &color));
  EXPECT_EQ(RGB(1, 2, 3), color);
  EXPECT_EQ(E_FAIL, wrapper.DrawThemeTextEx(hDC, 1, 1, L"x", 1, 0, &rc, nullptr));
  WCHAR name[MAX_PATH];
  EXPECT_EQ(E_FAIL, wrapper.GetCurrentThemeName(name, MAX_PATH, nullptr, 0, nullptr, 0));
  HDC hPaint = NULL;
  EXPECT_EQ(nullptr, wrapper.BeginBufferedPaint(hDC, &rc, BPBF_COMPATIBLEBITMAP, nullptr, &hPaint));
  wrapper.EndBufferedPaint(nullptr, TRUE);
  ::ReleaseDC(hWnd, hDC);
  ::DestroyWindow(hWnd);
}

TEST(TKWinThemeWrapper, WithoutUxThemeEveryCallGivesItsFixedAnswer) {
  CTKWinThemeWrapper wrapper;
  wrapper.UsePrivateFunctionTable("no-such-uxtheme.dll");
  EXPECT_EQ(nullptr, wrapper.GetFunctionTable()->hModule);
  ExpectUnavailable(wrapper);
}

TEST(TKWinThemeWrapper, AModuleWithoutTheEntryPointsGivesTheSameAnswers) {
  CTKWinThemeWrapper wrapper;
  wrapper.UsePrivateFunctionTable("kernel32.dll");
  ExpectUnavailable(wrapper);
  // A missing export stays unbound, to be looked up again next time.
  for (FARPROC pfn : wrapper.GetFunctionTable()->pfn) EXPECT_EQ(nullptr, pfn);
}

// Wine's prefix comes with its "light" visual style active, but a program
// without a manifest has COMCTL32 5.x, which does not draw themed controls.
TEST(TKWinThemeWrapper, WinesActiveThemeIsNotAvailableToCommonControlsFive) {
  CTKWinThemeWrapper wrapper;
  ASSERT_NE(nullptr, wrapper.GetFunctionTable()->hModule);
  EXPECT_EQ(::GetModuleHandleA("UXTHEME.DLL"), wrapper.GetFunctionTable()->hModule);
  EXPECT_EQ(5, HIWORD(wrapper.GetFunctionTable()->dwComCtlVersion));
  HWND hWnd = ::CreateWindowExA(0, "BUTTON", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
  wrapper.OpenThemeData(hWnd, L"BUTTON");
  EXPECT_TRUE(wrapper.IsThemeActive());
  EXPECT_TRUE(wrapper.IsAppThemed());
  EXPECT_FALSE(wrapper.IsThemingAvailable());
  EXPECT_TRUE(wrapper.IsAppThemedAndOpen());
  CDibSurface surface(40, 20, RGB(1, 2, 3));
  RECT rc = {0, 0, 40, 20};
  EXPECT_EQ(S_OK, wrapper.DrawThemeBackground(surface.GetSafeHdc(), BP_PUSHBUTTON, PBS_NORMAL, &rc,
                                              nullptr));
  EXPECT_LT(surface.CountPixels(RGB(1, 2, 3)), 40 * 20);
  ::DestroyWindow(hWnd);
}

// --- entry points of our own -----------------------------------------------------

struct Calls {
  int open = 0, close = 0, draw = 0, color = 0;
  BOOL themeActive = TRUE, appThemed = TRUE;
};
Calls g_calls;
const HTHEME kFakeTheme = reinterpret_cast<HTHEME>(0x1234);

HTHEME WINAPI FakeOpen(HWND, LPCWSTR) { return ++g_calls.open, kFakeTheme; }
HRESULT WINAPI FakeClose(HTHEME hTheme) {
  EXPECT_EQ(kFakeTheme, hTheme);
  return ++g_calls.close, S_OK;
}
HRESULT WINAPI FakeDraw(HTHEME hTheme, HDC, int, int, const RECT*, const RECT*) {
  EXPECT_EQ(kFakeTheme, hTheme);
  return ++g_calls.draw, S_OK;
}
HRESULT WINAPI FakeColorFails(HTHEME, int, int, int, COLORREF* pColor) {
  *pColor = RGB(9, 9, 9);  // scribbled on, yet a failure
  return ++g_calls.color, E_INVALIDARG;
}
BOOL WINAPI FakeThemeActive() { return g_calls.themeActive; }
BOOL WINAPI FakeAppThemed() { return g_calls.appThemed; }

/// A wrapper whose private table holds the fakes over `hModule`.
void Plant(CTKWinThemeWrapper& wrapper, HMODULE hModule, DWORD dwComCtlVersion) {
  wrapper.UsePrivateFunctionTable("no-such-uxtheme.dll");
  W::CFunctionTable* pTable = wrapper.GetFunctionTable();
  pTable->hModule = hModule;
  pTable->dwComCtlVersion = dwComCtlVersion;
  pTable->pfn[W::slotOpenThemeData] = reinterpret_cast<FARPROC>(&FakeOpen);
  pTable->pfn[W::slotCloseThemeData] = reinterpret_cast<FARPROC>(&FakeClose);
  pTable->pfn[W::slotDrawThemeBackground] = reinterpret_cast<FARPROC>(&FakeDraw);
  pTable->pfn[W::slotGetThemeColor] = reinterpret_cast<FARPROC>(&FakeColorFails);
  pTable->pfn[W::slotIsThemeActive] = reinterpret_cast<FARPROC>(&FakeThemeActive);
  pTable->pfn[W::slotIsAppThemed] = reinterpret_cast<FARPROC>(&FakeAppThemed);
}

TEST(TKWinThemeWrapper, CallsNeedingAHandleOrArgumentsAreNotMadeWithoutThem) {
  g_calls = Calls();
  {
    CTKWinThemeWrapper wrapper;
    Plant(wrapper, ::GetModuleHandleA("kernel32.dll"), 0x60000);
    RECT rc = {0, 0, 4, 4};
    HDC hDC = ::CreateCompatibleDC(NULL);
    EXPECT_EQ(E_FAIL, wrapper.DrawThemeBackground(hDC, 1, 1, &rc, nullptr));  // no theme yet
    wrapper.OpenThemeData(NULL, L"BUTTON");
    EXPECT_TRUE(wrapper.IsAppThemedAndOpen());
    EXPECT_EQ(E_FAIL, wrapper.DrawThemeBackground(NULL, 1, 1, &rc, nullptr));
    EXPECT_EQ(E_FAIL, wrapper.DrawThemeBackground(hDC, 1, 1, nullptr, nullptr));
    EXPECT_EQ(0, g_calls.draw);
    EXPECT_EQ(S_OK, wrapper.DrawThemeBackground(hDC, 1, 1, &rc, nullptr));
    EXPECT_EQ(1, g_calls.draw);
    COLORREF color = RGB(1, 2, 3);
    EXPECT_EQ(E_INVALIDARG, wrapper.GetThemeColor(1, 1, TMT_TEXTCOLOR, &color));
    EXPECT_EQ(RGB(1, 2, 3), color);
    EXPECT_EQ(E_FAIL, wrapper.GetThemeColor(1, 1, TMT_TEXTCOLOR, nullptr));
    EXPECT_EQ(1, g_calls.color);
    wrapper.OpenThemeData(NULL, L"BUTTON");  // closes the first handle
    EXPECT_EQ(2, g_calls.open);
    EXPECT_EQ(1, g_calls.close);
    ::DeleteDC(hDC);
  }
  EXPECT_EQ(2, g_calls.close);  // the destructor closed the second
}

struct AvailabilityCase {
  bool substitute;
  DWORD comCtlVersion;
  BOOL themeActive;
  bool expected;
};

class ThemingAvailable : public ::testing::TestWithParam<AvailabilityCase> {};

TEST_P(ThemingAvailable, NeedsAnActiveThemeAndAModuleThatDrawsIt) {
  const AvailabilityCase& c = GetParam();
  g_calls = Calls();
  g_calls.themeActive = c.themeActive;
  CTKWinThemeWrapper wrapper;
  Plant(wrapper, c.substitute ? TK_SKIN_UXTHEME_MODULE : ::GetModuleHandleA("kernel32.dll"),
        c.comCtlVersion);
  EXPECT_EQ(c.expected, !!wrapper.IsThemingAvailable());
}

INSTANTIATE_TEST_SUITE_P(Cases, ThemingAvailable,
                         ::testing::Values(AvailabilityCase{false, 0x60000, TRUE, true},
                                           AvailabilityCase{false, 0x50052, TRUE, false},
                                           AvailabilityCase{true, 0x50052, TRUE, true},
                                           AvailabilityCase{true, 0x60000, FALSE, false}));

TEST(TKWinThemeWrapper, OnlyARecheckingWrapperFollowsANewlyLoadedUxTheme) {
  ASSERT_NE(nullptr, ::GetModuleHandleA("UXTHEME.DLL"));  // the shared table loaded it
  HMODULE hKernel = ::GetModuleHandleA("kernel32.dll");
  for (BOOL bRecheck : {FALSE, TRUE}) {
    CTKWinThemeWrapper wrapper(bRecheck);
    wrapper.UsePrivateFunctionTable("kernel32.dll");
    wrapper.IsThemeActive();  // rechecks, having no handle
    wrapper.OpenThemeData(NULL, L"BUTTON");
    HMODULE hExpected = bRecheck ? ::GetModuleHandleA("UXTHEME.DLL") : hKernel;
    EXPECT_EQ(hExpected, wrapper.GetFunctionTable()->hModule) << bRecheck;
    EXPECT_EQ(!!bRecheck, wrapper.GetFunctionTable()->pfn[W::slotIsThemeActive] != nullptr);
  }
}

TEST(TKWinThemeWrapper, AHandleIsNotGivenToAModuleThatDidNotOpenIt) {
  g_calls = Calls();
  {
    CTKWinThemeWrapper wrapper;
    Plant(wrapper, ::GetModuleHandleA("kernel32.dll"), 0x60000);
    wrapper.OpenThemeData(NULL, L"BUTTON");
    ASSERT_TRUE(wrapper.IsThemeOpen());
    // The table now stands for another module (as after a recheck).
    wrapper.GetFunctionTable()->hModule = ::GetModuleHandleA("user32.dll");
    RECT rc = {0, 0, 4, 4};
    HDC hDC = ::CreateCompatibleDC(NULL);
    EXPECT_EQ(E_FAIL, wrapper.DrawThemeBackground(hDC, 1, 1, &rc, nullptr));
    EXPECT_EQ(0, g_calls.draw);
    ::DeleteDC(hDC);
  }
  EXPECT_EQ(0, g_calls.close);
}

// --- desktop window manager --------------------------------------------------------

/// Puts the process's dwmapi table back after a test changed it.
class DwmTableGuard {
 public:
  DwmTableGuard() : m_saved(*TKDwmApi()) {}
  ~DwmTableGuard() { *TKDwmApi() = m_saved; }

 private:
  CTKDwmApi m_saved;
};

HRESULT g_compositionResult = S_OK;
BOOL g_compositionFlag = TRUE;
HRESULT WINAPI FakeIsCompositionEnabled(BOOL* pEnabled) {
  *pEnabled = g_compositionFlag;
  return g_compositionResult;
}
MARGINS g_margins;
HRESULT WINAPI FakeExtendFrame(HWND, const MARGINS* pMargins) {
  g_margins = *pMargins;
  return S_OK;
}

TEST(TKDwmApi, CompositionIsOnlyReportedWhenTheCallSucceeds) {
  DwmTableGuard guard;
  TKDwmApi()->m_pfnDwmIsCompositionEnabled = &FakeIsCompositionEnabled;
  g_compositionResult = S_OK;
  EXPECT_TRUE(TKDwmIsCompositionEnabled());
  g_compositionResult = E_FAIL;
  EXPECT_FALSE(TKDwmIsCompositionEnabled());
}

TEST(TKDwmApi, TheMarginsArePackedInTheirOrder) {
  DwmTableGuard guard;
  TKDwmApi()->m_pfnDwmExtendFrameIntoClientArea = &FakeExtendFrame;
  EXPECT_EQ(S_OK, TKDwmExtendFrameIntoClientArea(NULL, 1, 2, 3, 4));
  EXPECT_EQ(1, g_margins.cxLeftWidth);
  EXPECT_EQ(2, g_margins.cxRightWidth);
  EXPECT_EQ(3, g_margins.cyTopHeight);
  EXPECT_EQ(4, g_margins.cyBottomHeight);
}

TEST(TKDwmApi, WithoutDwmapiEveryCallFails) {
  DwmTableGuard guard;
  *TKDwmApi() = CTKDwmApi{nullptr, nullptr, nullptr, NULL};
  LRESULT lResult = 77;
  EXPECT_FALSE(TKDwmIsCompositionEnabled());
  EXPECT_EQ(E_FAIL, TKDwmDefWindowProc(NULL, WM_NCHITTEST, 0, 0, &lResult));
  EXPECT_EQ(77, lResult);
  EXPECT_EQ(E_FAIL, TKDwmExtendFrameIntoClientArea(NULL, 0, 0, 0, 0));
}

TEST(TKDwmApi, WinesDesktopWindowManagerComposesNothing) {
  EXPECT_NE(nullptr, TKDwmApi()->m_hModule);
  EXPECT_FALSE(TKDwmIsCompositionEnabled());
}

// --- the WinEvent hook ----------------------------------------------------------------

int g_nEvents = 0;
void CALLBACK CountEvents(HWINEVENTHOOK, DWORD event, HWND, LONG, LONG, DWORD, DWORD) {
  if (event == EVENT_OBJECT_REORDER) ++g_nEvents;
}

TEST(TKWinEventHook, TheHookLastsFromTheFirstUserToTheLast) {
  CTKWinEventHook hook;
  hook.SetEventHook(EVENT_OBJECT_REORDER, EVENT_OBJECT_REORDER, &CountEvents);
  HWINEVENTHOOK hInstalled = hook.GetHookHandle();
  ASSERT_NE(nullptr, hInstalled);
  hook.SetEventHook(EVENT_MIN, EVENT_MAX, &CountEvents);  // only counted
  EXPECT_EQ(hInstalled, hook.GetHookHandle());
  EXPECT_EQ(2, hook.GetUserCount());
  hook.RemoveEventHook();
  EXPECT_EQ(hInstalled, hook.GetHookHandle());
  hook.RemoveEventHook();
  EXPECT_EQ(nullptr, hook.GetHookHandle());
  hook.RemoveEventHook();  // unbalanced: ignored
  EXPECT_EQ(0, hook.GetUserCount());
  hook.SetEventHook(EVENT_OBJECT_REORDER, EVENT_OBJECT_REORDER, &CountEvents);
  EXPECT_NE(nullptr, hook.GetHookHandle());
  hook.RemoveEventHook();
}

TEST(TKWinEventHook, EventsOfTheProcessReachTheProcedure) {
  HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
  g_nEvents = 0;
  TKWinEventHook()->SetEventHook(EVENT_OBJECT_REORDER, EVENT_OBJECT_REORDER, &CountEvents);
  ::NotifyWinEvent(EVENT_OBJECT_REORDER, hWnd, OBJID_CLIENT, CHILDID_SELF);
  // Out-of-context events arrive through this thread's message queue.
  EXPECT_TRUE(RunMessagesUntil([] { return g_nEvents > 0; }));
  EXPECT_EQ(1, g_nEvents);
  TKWinEventHook()->RemoveEventHook();
  ::DestroyWindow(hWnd);
}

}  // namespace
