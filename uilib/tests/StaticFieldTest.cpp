// The static field: its one-line text, "..." and the sideways keys, the
// copy on a double-click, adopting the control's font without painting for
// ever, and the tooltip after the mouse rested (clock and cursor scripted,
// the timer's ticks driven by the test).
#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "SupportSystem.h"
#include "foundation/TimeUtilities.h"
#include "testsupport/HostWindow.h"
#include "testsupport/MessageLoop.h"
#include "uilib/StaticField.h"
#include "uilib/UIUtilities.h"

namespace {

CWinApp theApp("VelmStaticFieldTest");

std::atomic<int64_t> g_now(0);
int64_t ScriptedNow() { return g_now.load(); }

/// The field with its face name open to the test and no fading tooltip.
class CTestField : public CStaticField {
 public:
  CTestField() { m_tooltip.m_bFade = 0; }
  void SetStoredFace(const char* face) { m_faceName = face; }
  std::string Shown() {
    CString text;
    GetWindowText(text);
    return std::string(text);
  }
};

class StaticFieldTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_previousClock = SetUtcClockSource(&ScriptedNow);
    g_now = 1000 * 10000LL;
    ASSERT_TRUE(m_host.CreateHost(400, 100));
    // Only a visible field paints.
    m_host.ShowWindow(SW_SHOWNOACTIVATE);
    HWND edit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10,
                                  200, 20, m_host.m_hWnd, reinterpret_cast<HMENU>(100),
                                  ::GetModuleHandleA(NULL), NULL);
    ASSERT_TRUE(m_field.SubclassWindow(edit));
    m_font.CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
    m_field.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.GetSafeHandle()), FALSE);
    // The face the machine gives for it is the one the field has stored.
    CClientDC dc(&m_field);
    HGDIOBJ old = ::SelectObject(dc.m_hDC, m_font.GetSafeHandle());
    char face[LF_FACESIZE] = {};
    ::GetTextFaceA(dc.m_hDC, LF_FACESIZE, face);
    ::SelectObject(dc.m_hDC, old);
    m_face = face;
    m_field.SetStoredFace(face);
  }
  void TearDown() override {
    m_field.GetHoverTimer().Shutdown();
    SetUtcClockSource(m_previousClock);
  }
  void Paint() { m_field.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW); }
  void Key(UINT key) { m_field.SendMessage(WM_KEYDOWN, key, 1); }
  /// Stops the timer's own ticks, so the test's ticks are the only ones.
  void HoldTimer() {
    m_field.GetHoverTimer().Disable();
    m_field.GetHoverTimer().WaitForCallbackToFinish();
    m_field.GetHoverTimer().Restart();
  }
  void TickAfter(int milliseconds) {
    g_now += milliseconds * 10000LL;
    m_field.GetHoverTimer().OnTimer();
  }

  UtcClockSource m_previousClock = nullptr;
  std::string m_face;
  CScriptedSystem m_system;
  CTestHostWindow m_host;
  CFont m_font;
  CTestField m_field;
};

const char kLong[] =
    "C:\\Builds\\Release\\Installer\\Output\\Velmoran-Setup-with-a-rather-long-name.exe";

TEST_F(StaticFieldTest, LineBreaksShowAsOneBlank) {
  const struct {
    const char* text;
    const char* shown;
  } cases[] = {{"one\r\ntwo", "one two"}, {"a \r\n\r\n  b", "a b"}, {"plain", "plain"}, {"", ""}};
  for (const auto& c : cases) {
    m_field.SetText(c.text);
    EXPECT_EQ(c.shown, std::string(m_field.GetDisplayText().GetText())) << c.text;
  }
}

TEST_F(StaticFieldTest, AControlFontOfTheStoredFaceIsAdoptedAndPaintingStops) {
  m_field.SetText(kLong);
  Paint();
  EXPECT_TRUE(m_field.AreMetricsMatched());
  EXPECT_EQ(m_face, m_field.GetFaceName().GetText());
  EXPECT_EQ(-13, -m_field.GetMetrics().tmHeight + m_field.GetMetrics().tmInternalLeading);
  // Nothing is left to paint after a paint.
  Paint();
  EXPECT_FALSE(::GetUpdateRect(m_field.m_hWnd, NULL, FALSE));
  // The first paint already fitted the text.
  const std::string shown = m_field.Shown();
  EXPECT_EQ("...", shown.substr(shown.size() - 3));
}

TEST_F(StaticFieldTest, AFittingTextIsShownWholeAndALongOneCutWithDots) {
  const struct {
    const char* text;
    bool cut;
  } cases[] = {{"short text", false}, {kLong, true}};
  for (const auto& c : cases) {
    m_field.SetText(c.text);
    Paint();
    const std::string shown = m_field.Shown();
    EXPECT_EQ(c.cut, m_field.IsTextCut()) << c.text;
    if (c.cut) {
      EXPECT_EQ("...", shown.substr(shown.size() - 3));
      EXPECT_EQ(std::string(c.text).substr(0, shown.size() - 3), shown.substr(0, shown.size() - 3));
    } else {
      EXPECT_EQ(c.text, shown);
    }
  }
}

TEST_F(StaticFieldTest, EndHomeLeftAndRightScrollTheTextSideways) {
  m_field.SetText(kLong);
  Paint();
  Key(VK_END);
  const int maximum = m_field.GetScrollOffset();
  EXPECT_GT(maximum, 0);
  Paint();
  const std::string end = m_field.Shown();
  EXPECT_EQ(std::string(kLong).substr(maximum), end) << "the end, without dots";
  Key(VK_RIGHT);
  EXPECT_EQ(maximum, m_field.GetScrollOffset()) << "nothing beyond the end";
  Key(VK_LEFT);
  EXPECT_EQ(maximum - 1, m_field.GetScrollOffset());
  Key(VK_HOME);
  EXPECT_EQ(0, m_field.GetScrollOffset());
  Paint();
  EXPECT_EQ(std::string(kLong).substr(0, 3), m_field.Shown().substr(0, 3));
  // A fitting text does not scroll.
  m_field.SetText("short");
  Key(VK_END);
  EXPECT_EQ(0, m_field.GetScrollOffset());
}

TEST_F(StaticFieldTest, ADoubleClickCopiesTheWholeText) {
  m_field.SetText("first line\r\nsecond line that goes on and on and on until it is cut for sure");
  Paint();
  ASSERT_TRUE(m_field.IsTextCut());
  m_field.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
  EXPECT_EQ("first line second line that goes on and on and on until it is cut for sure",
            std::string(GetClipboardText().GetText()));
}

TEST_F(StaticFieldTest, TheTooltipComesAfterTheMouseRestedTwoSecondsWithTheFocus) {
  m_host.ShowWindow(SW_SHOWNOACTIVATE);
  CRect window;
  m_field.GetWindowRect(&window);
  m_system.m_ptCursor = {window.left + 30, window.top + 5};
  const struct {
    const char* text;
    bool focus;
    bool shown;
  } cases[] = {{kLong, true, true}, {kLong, false, false}, {"short", true, false}};
  for (const auto& c : cases) {
    m_field.GetTooltip().Show(false);
    m_field.SetText(c.text);
    Paint();
    if (c.focus)
      m_field.SetFocus();
    else
      m_host.SetFocus();
    HoldTimer();
    TickAfter(0);     // comes to rest
    TickAfter(1000);  // one second: nothing yet
    DispatchPendingMessages();
    EXPECT_FALSE(m_field.GetTooltip().IsShown()) << c.text;
    TickAfter(1000);  // two seconds
    DispatchPendingMessages();
    EXPECT_EQ(c.shown, m_field.GetTooltip().IsShown()) << c.text << (c.focus ? " focused" : "");
    if (c.shown) {
      CRect tip;
      m_field.GetTooltip().GetWindowRect(&tip);
      EXPECT_EQ(CPoint(window.left + 30, window.bottom), tip.TopLeft());
      EXPECT_EQ(2, m_field.GetTooltip().GetLineCount()) << "77 characters";
    }
  }
  // Moving the mouse hides it again.
  m_field.SetText(kLong);
  Paint();
  m_field.SetFocus();
  HoldTimer();
  TickAfter(0);
  TickAfter(2000);
  DispatchPendingMessages();
  ASSERT_TRUE(m_field.GetTooltip().IsShown());
  m_field.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(40, 6));
  EXPECT_FALSE(m_field.GetTooltip().IsShown());
}

TEST_F(StaticFieldTest, ACursorThatMovesStartsTheRestAgain) {
  m_field.SetText(kLong);
  Paint();
  m_host.ShowWindow(SW_SHOWNOACTIVATE);
  m_field.SetFocus();
  CRect window;
  m_field.GetWindowRect(&window);
  m_system.m_ptCursor = {window.left + 30, window.top + 5};
  HoldTimer();
  TickAfter(0);
  TickAfter(1000);
  m_system.m_ptCursor.x += 3;
  TickAfter(1000);  // moved: starts again
  EXPECT_FALSE(m_field.GetHoverTimer().IsTracking());
  TickAfter(1000);  // at rest from here
  TickAfter(1000);
  DispatchPendingMessages();
  EXPECT_FALSE(m_field.GetTooltip().IsShown());
  TickAfter(1000);
  DispatchPendingMessages();
  EXPECT_TRUE(m_field.GetTooltip().IsShown());
}

}  // namespace
