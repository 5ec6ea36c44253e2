// The command bars' system seam: the real answers and an installed stand-in.
#include <gtest/gtest.h>

#include "commandbars/TKCommandBarsSystem.h"

namespace {

class CQuietSystem : public CTKCommandBarsSystem {
 public:
  int m_nBeeps = 0;
  void MessageBeep(UINT) override { ++m_nBeeps; }
  CString GetInputDesktopName() override { return "Winlogon"; }
};

TEST(CommandBarsSystemTest, TheRealSystemNamesTheInputDesktopAndReadsKeys) {
  CTKCommandBarsSystem* pSystem = TKCommandBarsSystem();
  EXPECT_STREQ("Default", pSystem->GetInputDesktopName());
  EXPECT_EQ(0, pSystem->GetKeyState(VK_F24) & 0x8000);
  BOOL bShow = 2;
  EXPECT_TRUE(pSystem->GetKeyboardCues(&bShow));
  EXPECT_TRUE(bShow == TRUE || bShow == FALSE);
}

TEST(CommandBarsSystemTest, AnInstalledSystemAnswersUntilRemoved) {
  CQuietSystem quiet;
  TKSetCommandBarsSystem(&quiet);
  TKCommandBarsSystem()->MessageBeep(MB_OK);
  EXPECT_EQ(1, quiet.m_nBeeps);
  EXPECT_STREQ("Winlogon", TKCommandBarsSystem()->GetInputDesktopName());
  TKSetCommandBarsSystem(nullptr);
  EXPECT_NE(static_cast<CTKCommandBarsSystem*>(&quiet), TKCommandBarsSystem());
}

TEST(CommandBarsSystemTest, TimersOfTheRealSystemReachTheWindow) {
  HWND hWnd = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
  ASSERT_NE(nullptr, hWnd);
  TKCommandBarsSystem()->SetTimer(hWnd, 707907, 1);
  MSG msg;
  BOOL bGot = FALSE;
  DWORD dwStart = ::GetTickCount();
  while (!bGot && ::GetTickCount() - dwStart < 5000) {
    if (!GetMessage(&msg, hWnd, WM_TIMER, WM_TIMER)) break;
    bGot = msg.wParam == 707907;
  }
  EXPECT_TRUE(bGot);
  TKCommandBarsSystem()->KillTimer(hWnd, 707907);
  EXPECT_FALSE(PeekMessage(&msg, hWnd, WM_TIMER, WM_TIMER, PM_REMOVE | PM_NOYIELD) &&
               msg.wParam == 707907);
  DestroyWindow(hWnd);
}

}  // namespace
