// The keyboard and mouse managers while a pop-up is open: outside clicks,
// input-method windows, Alt, deactivation, repeated moves and the emulated
// WM_MOUSELEAVE.
#include <gtest/gtest.h>

#include "SupportPaintManager.h"
#include "SupportSite.h"
#include "SupportSystem.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControlClasses.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKKeyboardManager.h"
#include "commandbars/TKMouseManager.h"
#include "commandbars/TKPopupBar.h"
#include "testsupport/HostWindow.h"
#include "testsupport/MessageLoop.h"

namespace {

const LPARAM kAltDown = 0x20000000;
const LPARAM kRepeat = 0x40000000;

/// A window of a class with the input-method style, as a candidate list has.
class CImeWindow : public CWnd {
 public:
  BOOL CreateAt(const CRect& rc) {
    static const char kClass[] = "InputManagersTestIme";
    WNDCLASSA wc = {};
    wc.style = CS_IME;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandle(NULL);
    wc.lpszClassName = kClass;
    ::RegisterClassA(&wc);
    return CreateEx(WS_EX_TOOLWINDOW, kClass, "", WS_POPUP | WS_VISIBLE, rc.left, rc.top,
                    rc.Width(), rc.Height(), NULL, NULL);
  }
};

class InputManagersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKSetCommandBarsSystem(&m_system);
    ASSERT_TRUE(m_site.CreateHost());
    ASSERT_TRUE(m_document.CreateHost(200, 200));
    m_document.SetWindowPos(nullptr, 600, 400, 200, 200, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    m_pPopup = CTKPopupBar::CreatePopupBar(nullptr);
    m_pPopup->SetOwner(&m_site);
    m_pPopup->GetControls()->Add(new CTKControlButton, 101)->SetCaption("&Open");
    m_pManager = CTKMouseManager::GetThreadManager();
  }
  void TearDown() override {
    m_pManager->SendTrackLost();
    m_pPopup->InternalRelease();
    TKSetCommandBarsSystem(nullptr);
  }
  void Open() { ASSERT_TRUE(m_pPopup->PopupAtPoint(100, 100)); }
  CPoint DocumentPoint() const { return CPoint(700, 500); }

  CTestGlobalPaintManager m_paintManager;
  CRecordingSystem m_system;
  CTestSite m_site;
  CTestHostWindow m_document;
  CTKPopupBar* m_pPopup = nullptr;
  CTKMouseManager* m_pManager = nullptr;
};

TEST_F(InputManagersTest, AClickOnAnotherWindowClosesThePopupAndStillReachesIt) {
  Open();
  ASSERT_TRUE(::SetCursorPos(DocumentPoint().x, DocumentPoint().y));
  m_document.ClearMessages();
  m_document.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
  CTKCommandBars::PumpTrackingMessages(m_pPopup);
  EXPECT_FALSE(m_pPopup->IsTrackingMode());
  DispatchPendingMessages();
  EXPECT_EQ(1, m_document.CountMessages(WM_LBUTTONDOWN));

  // The hook's answer to the same click: close, and pass it on.
  Open();
  EXPECT_FALSE(m_pManager->OnMouseHookMessage(WM_LBUTTONDOWN, DocumentPoint()));
  EXPECT_FALSE(m_pPopup->IsTrackingMode());
}

TEST_F(InputManagersTest, AClickInsideThePopupOrAnInputMethodWindowKeepsItOpen) {
  CImeWindow ime;
  ASSERT_TRUE(ime.CreateAt(CRect(600, 100, 700, 200)));
  Open();
  CRect rcPopup;
  m_pPopup->GetWindowRect(&rcPopup);
  for (CPoint pt : {rcPopup.CenterPoint(), CPoint(650, 150)}) {
    ASSERT_TRUE(::SetCursorPos(pt.x, pt.y));
    EXPECT_FALSE(m_pManager->IsOutsideClick(m_pPopup, WM_LBUTTONDOWN)) << pt.x;
    EXPECT_FALSE(m_pManager->OnMouseHookMessage(WM_LBUTTONDOWN, pt));
    EXPECT_TRUE(m_pPopup->IsTrackingMode()) << pt.x;
  }
  ime.DestroyWindow();
}

TEST_F(InputManagersTest, ATrustedWindowKeepsThePopupOpen) {
  m_pManager->AddTrustedWindow(m_document.GetSafeHwnd());
  Open();
  EXPECT_FALSE(m_pManager->OnMouseHookMessage(WM_LBUTTONDOWN, DocumentPoint()));
  EXPECT_TRUE(m_pPopup->IsTrackingMode());
  m_pManager->RemoveTrustedWindow(m_document.GetSafeHwnd());
  m_pManager->OnMouseHookMessage(WM_LBUTTONDOWN, DocumentPoint());
  EXPECT_FALSE(m_pPopup->IsTrackingMode());
}

TEST_F(InputManagersTest, AltAloneClosesThePopupsButItsRepeatsDoNot) {
  CTKKeyboardManager* pKeys = CTKKeyboardManager::GetThreadManager();
  Open();
  EXPECT_FALSE(pKeys->OnKeyboardHook(VK_MENU, kAltDown | kRepeat)) << "a repeat passes";
  EXPECT_TRUE(m_pPopup->IsTrackingMode());
  EXPECT_TRUE(pKeys->OnKeyboardHook(VK_MENU, kAltDown)) << "the first press is swallowed";
  EXPECT_FALSE(m_pPopup->IsTrackingMode());
  EXPECT_FALSE(pKeys->IsKeyboardHooked());
  EXPECT_FALSE(pKeys->OnKeyboardHook('A', 1)) << "with nothing open keys pass";
}

TEST_F(InputManagersTest, DeactivatingTheApplicationClosesThePopups) {
  Open();
  m_site.SendMessage(WM_ACTIVATEAPP, TRUE, 0);
  EXPECT_TRUE(m_pPopup->IsTrackingMode());
  m_site.SendMessage(WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_FALSE(m_pPopup->IsTrackingMode());
}

TEST_F(InputManagersTest, ASecondIdenticalMoveIsSwallowedWhileTracking) {
  const CPoint pt(650, 450);
  CTKMouseManager::ResetLastMousePosition();
  EXPECT_FALSE(m_pManager->OnMouseHookMessage(WM_MOUSEMOVE, pt));
  EXPECT_FALSE(m_pManager->OnMouseHookMessage(WM_MOUSEMOVE, pt)) << "nothing tracked";
  Open();
  CTKMouseManager::ResetLastMousePosition();
  EXPECT_FALSE(m_pManager->OnMouseHookMessage(WM_MOUSEMOVE, pt));
  EXPECT_TRUE(m_pManager->OnMouseHookMessage(WM_MOUSEMOVE, pt));
  EXPECT_FALSE(m_pManager->OnMouseHookMessage(WM_MOUSEMOVE, CPoint(651, 450)));
}

TEST_F(InputManagersTest, AfterAPopupClosesTheWindowUnderTheMouseGetsAMove) {
  Open();
  ASSERT_TRUE(::SetCursorPos(DocumentPoint().x, DocumentPoint().y));
  DispatchPendingMessages();
  m_document.ClearMessages();
  m_pPopup->SetTrackingMode(FALSE);
  EXPECT_TRUE(RunMessagesUntil([&] { return m_document.CountMessages(WM_MOUSEMOVE) > 0; }, 2000));
}

TEST_F(InputManagersTest, MouseLeaveComesFromTheTimerOrAtOnceForTheWindowFollowedBefore) {
  CTestHostWindow other;
  ASSERT_TRUE(other.CreateHost(100, 100));
  ASSERT_TRUE(::SetCursorPos(DocumentPoint().x, DocumentPoint().y));
  m_pManager->TrackMouseLeave(m_document.GetSafeHwnd());
  EXPECT_EQ(1, m_system.CountStarted(CTKMouseManager::kTimerMouseLeave, 50));
  ASSERT_TRUE(m_system.FireTimerProc(CTKMouseManager::kTimerMouseLeave));
  DispatchPendingMessages();
  EXPECT_EQ(0, m_document.CountMessages(WM_MOUSELEAVE)) << "the cursor is still over it";

  m_pManager->TrackMouseLeave(other.GetSafeHwnd());
  EXPECT_EQ(1, m_document.CountMessages(WM_MOUSELEAVE)) << "sent at once";
  EXPECT_EQ(other.GetSafeHwnd(), m_pManager->GetFollowedWindow());

  // The cursor is not over the other window: the next tick posts its leave.
  ASSERT_TRUE(m_system.FireTimerProc(CTKMouseManager::kTimerMouseLeave));
  EXPECT_EQ(CTKMouseManager::kTimerMouseLeave, m_system.m_killed.back());
  EXPECT_EQ(nullptr, m_pManager->GetFollowedWindow());
  DispatchPendingMessages();
  EXPECT_EQ(1, other.CountMessages(WM_MOUSELEAVE));
}

}  // namespace
