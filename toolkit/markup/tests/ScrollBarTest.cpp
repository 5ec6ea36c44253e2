// The markup scroll bar without its element: the layout of its parts, the hit
// test, the modal tracking loop driven by scripted messages, and its classic
// and themed drawing in pixels.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "common/TKWinThemeWrapper.h"
#include "TKMarkupScrollBarParts.h"
#include "TKMarkupScrollBarTracker.h"
#include "testsupport/DibSurface.h"

namespace {

SCROLLINFO Info(int nMin, int nMax, int nPage, int nPos) {
  SCROLLINFO si = {sizeof(si), SIF_ALL, nMin, nMax, static_cast<UINT>(nPage), nPos, 0};
  return si;
}

TK_MARKUP_SCROLLBAR_POSINFO Layout(RECT rc, SCROLLINFO si, BOOL bVertical, int nArrow = 17) {
  TK_MARKUP_SCROLLBAR_POSINFO p = {};
  TKMarkupCalcScrollBarInfo(rc, si, bVertical, nArrow, &p);
  return p;
}

// --- layout ---------------------------------------------------------------------------

struct LayoutCase {
  const char* name;
  RECT rc;
  BOOL bVertical;
  int nMax, nPage, nPos;
  int up, down, thumb, thumbTop, travel;
};

class ScrollBarLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ScrollBarLayout, PlacesArrowsAndThumb) {
  const LayoutCase& c = GetParam();
  TK_MARKUP_SCROLLBAR_POSINFO p = Layout(c.rc, Info(0, c.nMax, c.nPage, c.nPos), c.bVertical);
  EXPECT_EQ(c.up, p.pxUpArrow);
  EXPECT_EQ(c.down, p.pxDownArrow);
  EXPECT_EQ(c.thumb, p.cpxThumb);
  EXPECT_EQ(c.thumbTop, p.pxThumbTop);
  EXPECT_EQ(c.thumbTop + c.thumb, p.pxThumbBottom);
  EXPECT_EQ(c.up, p.pxMin);
  EXPECT_EQ(c.travel, p.cpx);
}

// Thumbs are proportional but never shorter than 16 pixels or half an arrow.
INSTANTIATE_TEST_SUITE_P(
    Cases, ScrollBarLayout,
    ::testing::Values(
        LayoutCase{"ProportionalThumb", {0, 0, 17, 200}, TRUE, 999, 100, 0, 17, 183, 17, 17, 149},
        LayoutCase{"ShortestThumb", {0, 0, 17, 200}, TRUE, 999, 10, 495, 17, 183, 16, 92, 150},
        LayoutCase{"ThumbAtTheEnd", {0, 0, 17, 200}, TRUE, 999, 100, 900, 17, 183, 17, 166, 149},
        LayoutCase{"Horizontal", {10, 5, 210, 22}, FALSE, 999, 100, 0, 27, 193, 17, 27, 149},
        LayoutCase{
            "NoPageKeepsArrowThumb", {0, 0, 17, 200}, TRUE, 99, 0, 99, 17, 183, 17, 166, 149},
        LayoutCase{"PageAsLargeAsRange", {0, 0, 17, 200}, TRUE, 99, 100, 0, 17, 183, 166, 17, 0},
        LayoutCase{"ShorterThanTwoArrows", {0, 0, 17, 30}, TRUE, 999, 100, 0, 15, 15, 16, 15, -16}),
    [](const ::testing::TestParamInfo<LayoutCase>& info) { return info.param.name; });

TEST(ScrollBarLayout, HitTestFindsEachPartAlongTheAxis) {
  TK_MARKUP_SCROLLBAR_POSINFO p = Layout({0, 0, 17, 200}, Info(0, 999, 100, 495), TRUE);
  ASSERT_EQ(99, p.pxThumbTop);
  struct {
    int x, y, ht;
  } cases[] = {{5, 0, TKMSB_HT_UP},         {5, 16, TKMSB_HT_UP},        {5, 17, TKMSB_HT_PAGEUP},
               {5, 98, TKMSB_HT_PAGEUP},    {5, 99, TKMSB_HT_THUMB},     {5, 115, TKMSB_HT_THUMB},
               {5, 116, TKMSB_HT_PAGEDOWN}, {5, 182, TKMSB_HT_PAGEDOWN}, {5, 183, TKMSB_HT_DOWN},
               {16, 199, TKMSB_HT_DOWN},    {5, 200, TKMSB_HT_NONE},     {17, 50, TKMSB_HT_NONE},
               {-1, 50, TKMSB_HT_NONE}};
  for (const auto& c : cases)
    EXPECT_EQ(c.ht, TKMarkupHitTestScrollBar(p, TRUE, {c.x, c.y})) << c.x << ", " << c.y;
}

TEST(ScrollBarLayout, ARangeNoLargerThanThePageDisablesTheBar) {
  EXPECT_FALSE(TKMarkupIsScrollBarEnabled(Info(0, 99, 100, 0)));
  EXPECT_TRUE(TKMarkupIsScrollBarEnabled(Info(0, 100, 100, 0)));
  TK_MARKUP_SCROLLBAR_POSINFO p = Layout({0, 0, 17, 200}, Info(0, 99, 100, 0), TRUE);
  EXPECT_EQ(TKMSB_HT_NONE, TKMarkupHitTestScrollBar(p, FALSE, {5, 5}));
}

TEST(ScrollBarLayout, ThumbPixelsMapToPositions) {
  TK_MARKUP_SCROLLBAR_POSINFO p = Layout({0, 0, 17, 200}, Info(0, 999, 100, 0), TRUE);
  EXPECT_EQ(0, TKMarkupScrollPosFromThumb(p, 10));
  EXPECT_EQ(0, TKMarkupScrollPosFromThumb(p, 17));
  EXPECT_EQ(MulDiv(50, 900, 149), TKMarkupScrollPosFromThumb(p, 67));
  EXPECT_EQ(900, TKMarkupScrollPosFromThumb(p, 166));
  EXPECT_EQ(900, TKMarkupScrollPosFromThumb(p, 190));
}

// --- tracking --------------------------------------------------------------------------

const HWND kWindow = reinterpret_cast<HWND>(0x1234);
const UINT kDoubleClick = 500;

/// Scripted messages, a scripted cursor and left button, and a record of
/// the timers set and killed.
class CScriptedSystem : public CTKMarkupScrollBarSystem {
 public:
  struct Step {
    MSG msg;
    POINT ptCursor;  // where the cursor is once the message is taken
  };
  std::deque<Step> steps;
  POINT ptCursor = {};
  BOOL bLeftDown = TRUE;
  std::vector<UINT> timers;  // delays of SetTimer, in order
  int nKills = 0;
  int nQuitPosted = -1;
  std::vector<UINT> dispatched;
  BOOL bWindowAlive = TRUE;

  void Mouse(UINT message, int x, int y) { Add(message, 0, x, y); }
  void Timer(int x, int y) { Add(WM_TIMER, TKMSB_TIMER_REPEAT, x, y); }
  void Add(UINT message, WPARAM wParam, int x, int y) {
    Step step = {};
    step.msg.hwnd = kWindow;
    step.msg.message = message;
    step.msg.wParam = wParam;
    step.msg.pt = {x, y};
    step.ptCursor = {x, y};
    steps.push_back(step);
  }

  BOOL GetMessage(MSG* pMsg) override {
    if (steps.empty()) {  // a test that forgets the release ends here
      ADD_FAILURE() << "the tracking asked for more messages than scripted";
      pMsg->message = WM_QUIT;
      return FALSE;
    }
    *pMsg = steps.front().msg;
    ptCursor = steps.front().ptCursor;
    steps.pop_front();
    if (pMsg->message == WM_LBUTTONUP) bLeftDown = FALSE;
    return pMsg->message != WM_QUIT;
  }
  std::function<void(UINT)> onDispatch;
  void DispatchMessage(const MSG* pMsg) override {
    dispatched.push_back(pMsg->message);
    if (onDispatch) onDispatch(pMsg->message);
  }
  void PostQuitMessage(int nExitCode) override { nQuitPosted = nExitCode; }
  UINT_PTR SetTimer(HWND hWnd, UINT_PTR nId, UINT nElapse) override {
    EXPECT_EQ(kWindow, hWnd);
    EXPECT_EQ(static_cast<UINT_PTR>(TKMSB_TIMER_REPEAT), nId);
    timers.push_back(nElapse);
    return nId;
  }
  void KillTimer(HWND, UINT_PTR) override { ++nKills; }
  SHORT GetKeyState(int nKey) override {
    return nKey == VK_LBUTTON && bLeftDown ? static_cast<SHORT>(0x8000) : 0;
  }
  POINT GetCursorPos() override { return ptCursor; }
  UINT GetDoubleClickTime() override { return kDoubleClick; }
  BOOL IsWindow(HWND) override { return bWindowAlive; }
};

/// A bar on its own: screen and bar coordinates are the same; the scroll
/// codes are written down as "code:position".
class CRecordingBar : public ITKMarkupScrollBarTrackHost {
 public:
  CRecordingBar(RECT rc, SCROLLINFO si) : m_si(si), m_tracker(this, &m_info) {
    m_info = Layout(rc, si, TRUE);
  }
  void DoScroll(int nCode, int nPos) override {
    if (!m_codes.empty()) m_codes += " ";
    m_codes += std::to_string(nCode) + ":" + std::to_string(nPos);
  }
  void RedrawScrollBar() override { ++m_nRedraws; }
  void CaptureMouse() override { m_bCaptured = TRUE; }
  void ReleaseMouseCapture() override { m_bCaptured = FALSE; }
  BOOL HoldsMouseCapture() override {
    ++m_nCaptureChecks;
    return m_bCaptured && !m_bStealCapture;
  }
  POINT ScreenToElement(HWND, POINT pt) override { return pt; }
  BOOL IsScrollBarEnabled() override { return TKMarkupIsScrollBarEnabled(m_si); }

  SCROLLINFO m_si;
  TK_MARKUP_SCROLLBAR_POSINFO m_info;
  CTKMarkupScrollBarTracker m_tracker;
  std::string m_codes;
  int m_nRedraws = 0;
  int m_nCaptureChecks = 0;
  BOOL m_bCaptured = FALSE;
  BOOL m_bStealCapture = FALSE;
};

class ScrollBarTracking : public ::testing::Test {
 protected:
  void SetUp() override { m_pOld = CTKMarkupScrollBarSystem::Set(&m_system); }
  void TearDown() override { CTKMarkupScrollBarSystem::Set(m_pOld); }
  CScriptedSystem m_system;
  CTKMarkupScrollBarSystem* m_pOld = nullptr;
};

TEST_F(ScrollBarTracking, HoldingAnArrowRepeatsOnTheTimerAndPausesOutside) {
  CRecordingBar bar({0, 0, 17, 200}, Info(0, 999, 100, 0));
  m_system.Timer(8, 190);                // first repeat after the long delay
  m_system.Timer(8, 190);                // then at the short one
  m_system.Mouse(WM_MOUSEMOVE, 8, 100);  // off the arrow: no scrolling
  m_system.Timer(8, 100);
  m_system.Mouse(WM_MOUSEMOVE, 8, 190);  // back on: at once
  m_system.Mouse(WM_LBUTTONUP, 8, 190);
  bar.m_tracker.PerformTrack(kWindow, 8, 190, FALSE);

  EXPECT_EQ("1:0 1:0 1:0 1:0 8:0", bar.m_codes);
  EXPECT_EQ((std::vector<UINT>{kDoubleClick * 4 / 5, kDoubleClick / 10, kDoubleClick / 10,
                               kDoubleClick / 10}),
            m_system.timers);
  EXPECT_EQ(1, m_system.nKills);
  EXPECT_FALSE(bar.m_bCaptured);
  EXPECT_EQ(nullptr, bar.m_tracker.GetTrackInfo());
  EXPECT_EQ(TKMSB_HT_DOWN, bar.m_info.ht);  // re-tested at the cursor afterwards
}

/// A viewer that moves the thumb 40 pixels down for each page down.
class CPagingBar : public CRecordingBar {
 public:
  using CRecordingBar::CRecordingBar;
  void DoScroll(int nCode, int nPos) override {
    CRecordingBar::DoScroll(nCode, nPos);
    if (nCode != SB_PAGEDOWN) return;
    m_info.pxThumbTop += 40;
    m_info.pxThumbBottom += 40;
  }
};

TEST_F(ScrollBarTracking, APageRegionShrinksAsTheThumbComesTowardsThePointer) {
  // Thumb at 17..34; the press at 60 pages down and moves it to 57..74, over
  // the pointer: the timer then finds the pointer off the page.
  CPagingBar bar({0, 0, 17, 200}, Info(0, 999, 100, 0));
  m_system.Timer(8, 60);
  m_system.Mouse(WM_LBUTTONUP, 8, 60);
  bar.m_tracker.PerformTrack(kWindow, 8, 60, FALSE);
  EXPECT_EQ("3:0 8:0", bar.m_codes);
  EXPECT_EQ(1u, m_system.timers.size());
}

TEST_F(ScrollBarTracking, ADraggedThumbTracksSnapsBackWhenFarAwayAndEndsWithItsPosition) {
  CRecordingBar bar({0, 0, 17, 200}, Info(0, 999, 100, 0));
  ASSERT_EQ(17, bar.m_info.pxThumbTop);
  int pos67 = TKMarkupScrollPosFromThumb(bar.m_info, 67);
  m_system.Mouse(WM_MOUSEMOVE, 8, 70);    // thumb start 67
  m_system.Mouse(WM_MOUSEMOVE, 400, 70);  // far sideways: back to 17
  m_system.Mouse(WM_MOUSEMOVE, 8, 220);   // back inside, past the end
  m_system.Mouse(WM_LBUTTONUP, 8, 220);
  bar.m_tracker.PerformTrack(kWindow, 8, 20, FALSE);

  EXPECT_EQ("5:0 5:" + std::to_string(pos67) + " 5:0 5:900 4:900 8:0", bar.m_codes);
  EXPECT_EQ(166, bar.m_info.pxThumbTop);
  EXPECT_EQ(17, bar.m_info.pxStart);
  EXPECT_TRUE(m_system.timers.empty());
}

TEST_F(ScrollBarTracking, ReleasingTheButtonElsewhereAlsoEndsADrag) {
  CRecordingBar bar({0, 0, 17, 200}, Info(0, 999, 100, 0));
  m_system.bLeftDown = FALSE;  // the release went to another window
  bar.m_tracker.PerformTrack(kWindow, 8, 20, FALSE);
  EXPECT_EQ("5:0 4:0 8:0", bar.m_codes);
}

TEST_F(ScrollBarTracking, ShiftClickOnTheTrackCentresTheThumbOnThePointer) {
  CRecordingBar bar({0, 0, 17, 200}, Info(0, 999, 100, 0));
  m_system.Mouse(WM_LBUTTONUP, 8, 120);
  bar.m_tracker.PerformTrack(kWindow, 8, 120, TRUE);
  // The thumb (17 long) starts half its length above the pointer.
  int nPos = TKMarkupScrollPosFromThumb(bar.m_info, 120 - 8);
  EXPECT_EQ(120 - 8, bar.m_info.pxThumbTop);
  EXPECT_EQ("5:0 5:" + std::to_string(nPos) + " 4:" + std::to_string(nPos) + " 8:0", bar.m_codes);
}

TEST_F(ScrollBarTracking, ShiftClickOnAPageWithoutRoomForTheThumbStartsNothing) {
  // 40 pixels: a 6-pixel track under a 16-pixel thumb; a position past the
  // range leaves a sliver of page after the thumb.
  CRecordingBar bar({0, 0, 17, 40}, Info(0, 999, 100, 999));
  POINT pt = {8, 22};
  ASSERT_EQ(TKMSB_HT_PAGEDOWN, TKMarkupHitTestScrollBar(bar.m_info, TRUE, pt));
  bar.m_tracker.PerformTrack(kWindow, pt.x, pt.y, TRUE);
  EXPECT_EQ("", bar.m_codes);
  EXPECT_FALSE(bar.m_bCaptured);
  EXPECT_EQ(nullptr, bar.m_tracker.GetTrackInfo());
  EXPECT_EQ(0, bar.m_nCaptureChecks);  // no loop ran
}

TEST_F(ScrollBarTracking, AThumbWithoutRoomIsNotDragged) {
  // 40 pixels: a 16-pixel thumb over a 6-pixel track.
  CRecordingBar bar({0, 0, 17, 40}, Info(0, 999, 100, 0));
  bar.m_tracker.PerformTrack(kWindow, 8, 20, FALSE);
  ASSERT_EQ(TKMSB_HT_THUMB, bar.m_info.ht);
  EXPECT_EQ("", bar.m_codes);
  EXPECT_EQ(nullptr, bar.m_tracker.GetTrackInfo());
}

TEST_F(ScrollBarTracking, QuitInsideTheLoopIsPostedAgain) {
  CRecordingBar bar({0, 0, 17, 200}, Info(0, 999, 100, 0));
  m_system.Add(WM_QUIT, 7, 8, 5);
  bar.m_tracker.PerformTrack(kWindow, 8, 5, FALSE);
  EXPECT_EQ(7, m_system.nQuitPosted);
  EXPECT_EQ("0:0", bar.m_codes);  // no end code
  EXPECT_EQ(1, m_system.nKills);  // the repeat timer does not outlive the loop
}

TEST_F(ScrollBarTracking, LosingTheCaptureEndsTheLoopWithoutAnEndCode) {
  CRecordingBar bar({0, 0, 17, 200}, Info(0, 999, 100, 0));
  m_system.Add(WM_PAINT, 0, 0, 0);  // other messages are dispatched
  m_system.Add(WM_CAPTURECHANGED, 0, 0, 0);
  // The context forgets the captured element while WM_CAPTURECHANGED is
  // dispatched.
  m_system.onDispatch = [&](UINT message) {
    if (message == WM_CAPTURECHANGED) bar.m_bStealCapture = TRUE;
  };
  bar.m_tracker.PerformTrack(kWindow, 8, 60, FALSE);
  EXPECT_EQ((std::vector<UINT>{WM_PAINT, WM_CAPTURECHANGED}), m_system.dispatched);
  EXPECT_EQ("3:0", bar.m_codes);
  EXPECT_EQ(nullptr, bar.m_tracker.GetTrackInfo());
}

TEST_F(ScrollBarTracking, TheLoopEndsWhenItsWindowDies) {
  CRecordingBar bar({0, 0, 17, 200}, Info(0, 999, 100, 0));
  m_system.Add(WM_PAINT, 0, 0, 0);
  m_system.bWindowAlive = FALSE;
  bar.m_tracker.PerformTrack(kWindow, 8, 60, FALSE);
  EXPECT_TRUE(m_system.dispatched.empty());
  EXPECT_EQ("3:0", bar.m_codes);
  EXPECT_EQ(nullptr, bar.m_tracker.GetTrackInfo());
}

// --- drawing ---------------------------------------------------------------------------

TEST(ScrollBarTrackBrush, IsTheSystemBrushWhereTheDesktopIsNotOurs) {
  DWORD dwProcess = 0;
  ::GetWindowThreadProcessId(::GetDesktopWindow(), &dwProcess);
  ASSERT_NE(::GetCurrentProcessId(), dwProcess);  // so it is under Wine
  CDibSurface surface(10, 10);
  EXPECT_EQ(::GetSysColorBrush(COLOR_SCROLLBAR), TKMarkupScrollBarTrackBrush(surface.GetSafeHdc()));
}

class ScrollBarDrawing : public ::testing::Test {
 protected:
  // Thumb at 99..116 of a 200-pixel bar.
  TK_MARKUP_SCROLLBAR_POSINFO m_info = Layout({0, 0, 17, 200}, Info(0, 999, 100, 495), TRUE);
  CDibSurface m_surface{17, 200, RGB(1, 2, 3)};

  void Draw(int nPressed, int nHot, BOOL bEnabled, CTKWinThemeWrapper* pTheme) {
    TK_MARKUP_SCROLLBAR_DRAWSTATE state = {nPressed, nHot, bEnabled, pTheme};
    TKMarkupDrawScrollBar(m_surface.GetSafeHdc(), {0, 0}, m_info, state);
  }
};

TEST_F(ScrollBarDrawing, ClassicFillsTheTrackAndRaisesTheThumb) {
  Draw(0, 0, TRUE, nullptr);
  EXPECT_EQ(::GetSysColor(COLOR_SCROLLBAR), m_surface.GetPixel(8, 50));
  EXPECT_EQ(::GetSysColor(COLOR_SCROLLBAR), m_surface.GetPixel(8, 150));
  EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), m_surface.GetPixel(8, 107));
  // The raised edge: light on the top, dark at the bottom.
  EXPECT_EQ(::GetSysColor(COLOR_3DLIGHT), m_surface.GetPixel(8, 99));
  EXPECT_EQ(::GetSysColor(COLOR_3DDKSHADOW), m_surface.GetPixel(8, 115));
  EXPECT_EQ(0, m_surface.CountPixels(RGB(1, 2, 3)));
}

TEST_F(ScrollBarDrawing, ClassicInvertsAPressedPageAndDrawsNoThumbWhenDisabled) {
  Draw(TKMSB_HT_PAGEUP, 0, TRUE, nullptr);
  COLORREF clrTrack = ::GetSysColor(COLOR_SCROLLBAR);
  EXPECT_EQ(RGB(255 - GetRValue(clrTrack), 255 - GetGValue(clrTrack), 255 - GetBValue(clrTrack)),
            m_surface.GetPixel(8, 50));
  EXPECT_EQ(clrTrack, m_surface.GetPixel(8, 150));

  Draw(0, 0, FALSE, nullptr);
  EXPECT_EQ(clrTrack, m_surface.GetPixel(8, 107));
}

TEST_F(ScrollBarDrawing, ThemedDrawsEachPartInItsState) {
  CTKWinThemeWrapper theme(TRUE);
  theme.OpenThemeData(nullptr, L"SCROLLBAR");
  if (!theme.IsAppThemedAndOpen()) GTEST_SKIP() << "no visual style to draw with";
  Draw(TKMSB_HT_THUMB, TKMSB_HT_UP, TRUE, &theme);

  CDibSurface expected(17, 200, RGB(1, 2, 3));
  HDC hDC = expected.GetSafeHdc();
  RECT rcs[] = {
      {0, 0, 17, 17}, {0, 183, 17, 200}, {0, 17, 17, 99}, {0, 99, 17, 116}, {0, 116, 17, 183}};
  theme.DrawThemeBackground(hDC, 1, 2, &rcs[0], nullptr);  // up arrow, hot
  theme.DrawThemeBackground(hDC, 1, 5, &rcs[1], nullptr);  // down arrow, normal
  theme.DrawThemeBackground(hDC, 6, 1, &rcs[2], nullptr);  // page before
  theme.DrawThemeBackground(hDC, 3, 3, &rcs[3], nullptr);  // thumb, pressed
  theme.DrawThemeBackground(hDC, 9, 3, &rcs[3], nullptr);  // its gripper
  theme.DrawThemeBackground(hDC, 7, 1, &rcs[4], nullptr);  // page after
  int nDiffering = 0;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 17; ++x) nDiffering += m_surface.GetPixel(x, y) != expected.GetPixel(x, y);
  EXPECT_EQ(0, nDiffering);
  EXPECT_LT(m_surface.CountPixels(RGB(1, 2, 3)), 17 * 200 / 2);

  // The pressed thumb does not look like a normal one.
  CDibSurface normal(17, 200, RGB(1, 2, 3));
  TK_MARKUP_SCROLLBAR_DRAWSTATE state = {0, 0, TRUE, &theme};
  TKMarkupDrawScrollBar(normal.GetSafeHdc(), {0, 0}, m_info, state);
  nDiffering = 0;
  for (int y = 99; y < 116; ++y)
    for (int x = 0; x < 17; ++x) nDiffering += m_surface.GetPixel(x, y) != normal.GetPixel(x, y);
  EXPECT_GT(nDiffering, 0);
}

}  // namespace
