// The toolkit scroll bar: its layout, hit codes, the position of a thumb
// pixel, and the modal tracking driven by messages posted to a hidden window.
#include "common/TKScrollBase.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/TKScrollBarPaintManager.h"
#include "testsupport/HostWindow.h"

namespace {

/// A scroll bar whose commands move its own position and are recorded.
class CTestScrollBar : public CTKScrollBase {
 public:
  struct Command {
    int nCommand;
    int nPos;
  };

  CTestScrollBar() {
    m_paintManager.m_cxHScroll = m_paintManager.m_cyVScroll = 17;
    m_paintManager.m_cyHScroll = m_paintManager.m_cxVScroll = 17;
    m_si.cbSize = sizeof(m_si);
  }

  void Set(const CRect& rc, int nMin, int nMax, int nPage, int nPos, BOOL bVertical = TRUE) {
    m_rc = rc;
    m_si.nMin = nMin;
    m_si.nMax = nMax;
    m_si.nPage = nPage;
    m_si.nPos = nPos;
    m_layout.bVertical = bVertical;
    UpdateScrollBarInfo();
  }

  CWnd* GetParentWindow() const override { return m_pWnd; }
  BOOL IsScrollBarEnabled() const override { return TRUE; }
  CTKScrollBarPaintManager* GetScrollBarPaintManager() const override {
    return const_cast<CTKScrollBarPaintManager*>(&m_paintManager);
  }
  void GetScrollBarRect(CRect& rc) override { rc = m_rc; }
  void GetScrollInfo(SCROLLINFO* pInfo) override { *pInfo = m_si; }
  void RedrawScrollBar() override { ++m_nRedraws; }
  void DoScroll(int nCommand, int nPos) override {
    m_commands.push_back({nCommand, nPos});
    int nTop = m_si.nMax - std::max(1, (int)m_si.nPage) + 1;
    switch (nCommand) {
      case SB_LINEUP:
        m_si.nPos -= 1;
        break;
      case SB_LINEDOWN:
        m_si.nPos += 1;
        break;
      case SB_PAGEUP:
        m_si.nPos -= m_si.nPage;
        break;
      case SB_PAGEDOWN:
        m_si.nPos += m_si.nPage;
        break;
      case SB_THUMBTRACK:
      case SB_THUMBPOSITION:
        m_si.nPos = nPos;
        break;
      default:
        return;
    }
    m_si.nPos = std::max(m_si.nMin, std::min(m_si.nPos, nTop));
    UpdateScrollBarInfo();
  }

  int Count(int nCommand) const {
    int n = 0;
    for (const Command& c : m_commands) n += c.nCommand == nCommand;
    return n;
  }

  CTKScrollBarPaintManager m_paintManager;
  CRect m_rc;
  SCROLLINFO m_si = {};
  CWnd* m_pWnd = nullptr;
  std::vector<Command> m_commands;
  int m_nRedraws = 0;
};

TEST(TKScrollBaseLayout, ArrowsShareAShortBar) {
  CTestScrollBar bar;
  bar.Set(CRect(0, 0, 17, 30), 0, 99, 10, 0);
  const TK_SCROLLBAR_LAYOUT& l = bar.GetLayout();
  EXPECT_EQ(15, l.pxArrowEnd);
  EXPECT_EQ(15, l.pxArrowStart);
  EXPECT_EQ(0, l.pxArrowStart - l.pxArrowEnd);
  EXPECT_EQ(CRect(0, 0, 17, 30), CRect(l.rc));
}

TEST(TKScrollBaseLayout, ThumbSizeAndPlaceFollowPageAndPosition) {
  struct Case {
    int nMin, nMax, nPage, nPos;
    int pxThumbSize, pxThumbStart;
  } cases[] = {
      // A track of 100 pixels from 17 to 117.
      {0, 99, 10, 0, 10, 17},
      {0, 99, 10, 90, 10, 17 + 90},  // the end of the thumb's range
      {0, 99, 10, 45, 10, 17 + 45},
      {0, 99, 10, 500, 10, 17 + 99},  // clamped to the range, not to its last page
      {0, 9, 10, 0, 100, 16},         // no range: one pixel before the track
      {0, 999, 1, 0, 8, 17},          // half the arrow length at the least
      {0, 99, 0, 50, 17, 17 + 42},    // no page: the arrow length
  };
  for (const Case& c : cases) {
    CTestScrollBar bar;
    bar.Set(CRect(0, 0, 17, 134), c.nMin, c.nMax, c.nPage, c.nPos);
    const TK_SCROLLBAR_LAYOUT& l = bar.GetLayout();
    EXPECT_EQ(c.pxThumbSize, l.pxThumbSize) << c.nMax << "/" << c.nPage << "/" << c.nPos;
    EXPECT_EQ(c.pxThumbStart, l.pxThumbStart) << c.nMax << "/" << c.nPage << "/" << c.nPos;
    EXPECT_EQ(l.pxThumbStart + l.pxThumbSize, l.pxThumbEnd);
    EXPECT_EQ(17, l.pxThumbMin);
    EXPECT_EQ(100 - l.pxThumbSize, l.pxThumbRange);
  }
  CTestScrollBar fixed;
  fixed.m_paintManager.m_nThumbSize = 30;
  fixed.Set(CRect(0, 0, 17, 134), 0, 99, 10, 0);
  EXPECT_EQ(30, fixed.GetLayout().pxThumbSize);
  EXPECT_EQ(70, fixed.GetLayout().pxThumbRange);
}

TEST(TKScrollBaseLayout, HorizontalBarsLieAlongX) {
  CTestScrollBar bar;
  bar.Set(CRect(10, 5, 144, 22), 0, 99, 10, 90, FALSE);
  const TK_SCROLLBAR_LAYOUT& l = bar.GetLayout();
  EXPECT_EQ(10, l.pxStart);
  EXPECT_EQ(144, l.pxEnd);
  EXPECT_EQ(5, l.pxCrossStart);
  EXPECT_EQ(22, l.pxCrossEnd);
  EXPECT_EQ(27, l.pxArrowEnd);
  EXPECT_EQ(127, l.pxArrowStart);
  EXPECT_EQ(117, l.pxThumbStart);
}

TEST(TKScrollBaseLayout, HitCodes) {
  CTestScrollBar bar;
  bar.Set(CRect(0, 0, 17, 134), 0, 99, 10, 45);  // thumb at 62 .. 72
  struct Case {
    int y;
    int nCode;
  } cases[] = {{0, 60},  {16, 60},  {17, 62},  {61, 62},  {62, 64}, {71, 64},
               {72, 63}, {116, 63}, {117, 61}, {133, 61}, {134, 0}, {-1, 0}};
  for (const Case& c : cases) EXPECT_EQ(c.nCode, bar.HitTestScrollBar(CPoint(5, c.y))) << c.y;
  EXPECT_EQ(0, bar.HitTestScrollBar(CPoint(17, 20)));
  bar.GetLayoutPtr()->pxLimit = 100;
  EXPECT_EQ(65, bar.HitTestScrollBar(CPoint(5, 101)));
  EXPECT_EQ(63, bar.HitTestScrollBar(CPoint(5, 100)));
  bar.SetSizeBox(TRUE);
  EXPECT_EQ(0, bar.HitTestScrollBar(CPoint(5, 20)));
}

TEST(TKScrollBaseLayout, PositionOfAThumbPixel) {
  TK_SCROLLBAR_LAYOUT l = {};
  l.nMin = 0;
  l.nMax = 99;
  l.nPage = 10;
  l.pxThumbMin = 17;
  l.pxThumbRange = 90;
  struct Case {
    int px, nPos;
  } cases[] = {{0, 0}, {17, 0}, {62, 45}, {106, 89}, {107, 90}, {500, 90}};
  for (const Case& c : cases) EXPECT_EQ(c.nPos, ScrollPosFromTrackOffset(&l, c.px)) << c.px;
  l.nPage = 0;
  EXPECT_EQ(99, ScrollPosFromTrackOffset(&l, 107));
  l.pxThumbRange = 0;
  EXPECT_EQ(99, ScrollPosFromTrackOffset(&l, 17));  // the start is the end already
  l.pxThumbRange = -1;
  EXPECT_EQ(0, ScrollPosFromTrackOffset(&l, 10));
}

/// Mouse messages whose screen point is the cursor's, posted before the
/// tracking loop reads them.
class TKScrollBaseTrack : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_host.CreateHost(200, 300));
    m_bar.m_pWnd = &m_host;
    m_bar.Set(CRect(0, 0, 17, 134), 0, 99, 10, 45);  // thumb at 62 .. 72
    s_nDownChecks = 1000;
    m_pfnOld = CTKScrollBase::SetKeyStateSource(ButtonState);
  }
  void TearDown() override { CTKScrollBase::SetKeyStateSource(m_pfnOld); }

  static SHORT WINAPI ButtonState(int nKey) {
    return (nKey == VK_LBUTTON && s_nDownChecks-- > 0) ? (SHORT)0x8000 : 0;
  }

  void MoveCursor(CPoint pt) {
    m_host.ClientToScreen(&pt);
    ::SetCursorPos(pt.x, pt.y);
  }
  void Post(UINT nMessage, CPoint pt) {
    MoveCursor(pt);
    m_host.PostMessage(nMessage, nMessage == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
  }
  void Track(CPoint pt, BOOL bJump = FALSE) {
    MoveCursor(pt);
    m_bar.TrackScrollBar(m_host.GetSafeHwnd(), pt, m_bar.GetLayoutPtr(), bJump);
  }

  /// The button reads as down this many more times.
  static int s_nDownChecks;
  CTestHostWindow m_host;
  CTestScrollBar m_bar;
  CTKScrollBase::TK_KEYSTATE_SOURCE m_pfnOld = nullptr;
};

int TKScrollBaseTrack::s_nDownChecks = 0;

TEST_F(TKScrollBaseTrack, AnArrowScrollsAtOnceAndAgainOnEveryRepeat) {
  m_host.PostMessage(WM_TIMER, TKSB_TIMER_REPEAT, 0);
  m_host.PostMessage(WM_TIMER, TKSB_TIMER_REPEAT, 0);
  Post(WM_LBUTTONUP, CPoint(5, 125));
  Track(CPoint(5, 125));
  EXPECT_EQ(3, m_bar.Count(SB_LINEDOWN));
  EXPECT_EQ(1, m_bar.Count(SB_ENDSCROLL));
  EXPECT_EQ(SB_ENDSCROLL, m_bar.m_commands.back().nCommand);
  EXPECT_EQ(48, m_bar.m_si.nPos);
  EXPECT_TRUE(m_bar.GetTrackInfo() == NULL);
  EXPECT_TRUE(::GetCapture() == NULL);
}

TEST_F(TKScrollBaseTrack, MovesBackOntoThePartScrollAtOnce) {
  Post(WM_MOUSEMOVE, CPoint(5, 50));  // off the arrow
  Post(WM_MOUSEMOVE, CPoint(5, 5));   // back on it
  Post(WM_MOUSEMOVE, CPoint(6, 6));   // still on it
  Post(WM_LBUTTONUP, CPoint(5, 5));
  Track(CPoint(5, 5));
  EXPECT_EQ(2, m_bar.Count(SB_LINEUP));
  EXPECT_EQ(TKSB_HT_UP, m_bar.GetLayout().nHitPart);
}

TEST_F(TKScrollBaseTrack, RepeatsOnlyWhileTheMouseIsOverThePart) {
  m_host.PostMessage(WM_TIMER, TKSB_TIMER_REPEAT, 0);
  m_host.PostMessage(WM_TIMER, TKSB_TIMER_REPEAT, 0);
  Post(WM_LBUTTONUP, CPoint(5, 50));  // the cursor stays off the arrow
  m_bar.TrackScrollBar(m_host.GetSafeHwnd(), CPoint(5, 5), m_bar.GetLayoutPtr(), FALSE);
  EXPECT_EQ(1, m_bar.Count(SB_LINEUP));
  EXPECT_EQ(1, m_bar.Count(SB_ENDSCROLL));
}

TEST_F(TKScrollBaseTrack, AHeldPageStopsWhenTheThumbReachesTheMouse) {
  // The mouse at y 100, in the page after the thumb (72 .. 117).
  for (int i = 0; i < 6; ++i) m_host.PostMessage(WM_TIMER, TKSB_TIMER_REPEAT, 0);
  Post(WM_LBUTTONUP, CPoint(5, 100));
  Track(CPoint(5, 100));
  // 45 -> 55 -> 65 -> 75: the thumb then covers y 100 and the page under the
  // mouse is gone.
  EXPECT_EQ(3, m_bar.Count(SB_PAGEDOWN));
  EXPECT_EQ(75, m_bar.m_si.nPos);
  EXPECT_LE(m_bar.GetLayout().pxThumbStart, 100);
}

TEST_F(TKScrollBaseTrack, TheThumbFollowsTheMouseAndSnapsBackFarAway) {
  Post(WM_MOUSEMOVE, CPoint(5, 77));    // 10 pixels down: position 55
  Post(WM_MOUSEMOVE, CPoint(400, 77));  // far to the side: back to 45
  Post(WM_MOUSEMOVE, CPoint(8, 87));    // back in: position 65
  Post(WM_LBUTTONUP, CPoint(8, 87));
  Track(CPoint(5, 67));
  std::vector<int> positions;
  for (const CTestScrollBar::Command& c : m_bar.m_commands)
    if (c.nCommand == SB_THUMBTRACK) positions.push_back(c.nPos);
  EXPECT_EQ((std::vector<int>{45, 55, 45, 65}), positions);
  ASSERT_GE(m_bar.m_commands.size(), 2u);
  EXPECT_EQ(SB_THUMBPOSITION, m_bar.m_commands[m_bar.m_commands.size() - 2].nCommand);
  EXPECT_EQ(65, m_bar.m_commands[m_bar.m_commands.size() - 2].nPos);
  EXPECT_EQ(SB_ENDSCROLL, m_bar.m_commands.back().nCommand);
}

TEST_F(TKScrollBaseTrack, AThumbDragEndsWhenTheButtonIsNoLongerDown) {
  Post(WM_MOUSEMOVE, CPoint(5, 77));
  s_nDownChecks = 1;  // down when pressed, up at the first move
  Track(CPoint(5, 67));
  EXPECT_EQ(1, m_bar.Count(SB_THUMBPOSITION));
  EXPECT_EQ(1, m_bar.Count(SB_ENDSCROLL));
  EXPECT_EQ(55, m_bar.m_si.nPos);
}

TEST_F(TKScrollBaseTrack, JumpingPutsTheThumbsMiddleUnderTheMouse) {
  Post(WM_LBUTTONUP, CPoint(5, 105));
  Track(CPoint(5, 105), TRUE);
  // Thumb start 105 - 5 = 100: position MulDiv(83, 90, 90) = 83.
  EXPECT_EQ(0, m_bar.Count(SB_PAGEDOWN));
  EXPECT_EQ(83, m_bar.m_si.nPos);
}

TEST_F(TKScrollBaseTrack, AThumbWithoutRoomCannotBePressed) {
  m_bar.Set(CRect(0, 0, 17, 40), 0, 99, 10, 0);  // a track of 6, a thumb of 8
  Track(CPoint(5, 20));
  EXPECT_TRUE(m_bar.m_commands.empty());
  EXPECT_TRUE(m_bar.GetTrackInfo() == NULL);
  EXPECT_TRUE(::GetCapture() == NULL);
}

TEST_F(TKScrollBaseTrack, AQuitEndsTheLoopAndIsPostedAgain) {
  ::PostQuitMessage(7);
  Track(CPoint(5, 125));
  MSG msg;
  ASSERT_TRUE(::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(7u, msg.wParam);
  ::ReleaseCapture();
}

}  // namespace
