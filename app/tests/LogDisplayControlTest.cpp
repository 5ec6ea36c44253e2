// The run log: entries from several threads, scrolling and its scale,
// copying, clearing and the context menu.
#include <gtest/gtest.h>

#include <cstdio>
#include <thread>
#include <vector>

#include "SupportOwner.h"
#include "app/AppRunResources.h"
#include "app/LogDisplayControl.h"
#include "testsupport/DibSurface.h"
#include "testsupport/MessageLoop.h"
#include "testsupport/TestText.h"
#include "uilib/UIUtilities.h"

namespace {

const int kRows = 10;

class LogDisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_host.CreateHost(500, 400));
    m_log.SetOwner(&m_owner);
    ASSERT_TRUE(m_log.CreateDisplay(&m_host, 399));
    m_log.MoveWindow(0, 0, 400, kRows * CLogDisplayControl::kRowHeight);
  }

  void Add(int count, int kind = LogOutput) {
    for (int i = 0; i < count; ++i) {
      CTesselString text;
      text.Format("line %d", i);
      m_log.AddEntry(kind, text);
    }
    DispatchPendingMessages();
  }

  int VertRangeMax() {
    int low = 0, high = 0;
    m_log.GetVerticalBar().GetScrollRange(&low, &high);
    return high;
  }

  // The host stays hidden, so the bar's own style tells whether it is shown.
  bool BarShown() { return (m_log.GetVerticalBar().GetStyle() & WS_VISIBLE) != 0; }

  CTestHostWindow m_host;
  CTestDisplayOwner m_owner;
  CLogDisplayControl m_log;
};

TEST_F(LogDisplayTest, KindsSetTheirColours) {
  const struct {
    int kind;
    COLORREF color;
  } cases[] = {{LogStepStart, RGB(0, 0, 80)},
               {LogFailure, RGB(128, 0, 0)},
               {LogSuccess, RGB(0, 128, 0)},
               {LogOutput, RGB(0, 0, 0)}};
  for (const auto& c : cases) {
    ASSERT_TRUE(m_log.AddEntry(c.kind, "x"));
    COLORREF color = 0;
    int kind = -1;
    ASSERT_TRUE(m_log.GetEntry(m_log.GetEntryCount() - 1, nullptr, &kind, &color));
    EXPECT_EQ(c.kind, kind);
    EXPECT_EQ(c.color, color) << c.kind;
  }
}

TEST_F(LogDisplayTest, LinesOfSeveralThreadsAllArriveEachInOrder) {
  const int kThreads = 4;
  const int kLines = 500;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([this, t] {
      for (int i = 0; i < kLines; ++i) {
        CTesselString text;
        text.Format("%d %d", t, i);
        m_log.AddEntry(LogOutput, text);
      }
    });
  for (auto& thread : threads) thread.join();
  DispatchPendingMessages();
  ASSERT_EQ(kThreads * kLines, m_log.GetEntryCount());
  std::vector<int> next(kThreads, 0);
  for (int i = 0; i < m_log.GetEntryCount(); ++i) {
    CTesselString text;
    m_log.GetEntry(i, &text, nullptr, nullptr);
    int t = -1, n = -1;
    ASSERT_EQ(2, sscanf(text.GetText(), "%d %d", &t, &n));
    EXPECT_EQ(next[t]++, n);
  }
}

TEST_F(LogDisplayTest, ABurstOfLinesPostsOneUpdate) {
  for (int i = 0; i < 100; ++i) m_log.AddEntry(LogOutput, "x");
  MSG msg;
  int updates = 0;
  while (::PeekMessageA(&msg, m_log.m_hWnd, WM_APP_LOGUPDATE, WM_APP_LOGUPDATE, PM_REMOVE)) ++updates;
  EXPECT_EQ(1, updates);
  m_log.OnLogUpdate(0, 0);
  // Handled, the next line posts again, and the view still ends at the last line.
  m_log.AddEntry(LogOutput, "last");
  EXPECT_TRUE(::PeekMessageA(&msg, m_log.m_hWnd, WM_APP_LOGUPDATE, WM_APP_LOGUPDATE, PM_REMOVE));
  EXPECT_EQ(101 - kRows + 1, m_log.GetFirstVisible());
}

TEST_F(LogDisplayTest, AsManyEntriesAsRowsHideTheBarOneMoreShowsTheLastFully) {
  Add(kRows);
  EXPECT_EQ(0, VertRangeMax());
  EXPECT_FALSE(BarShown());
  EXPECT_EQ(0, m_log.GetFirstVisible());
  Add(1);
  EXPECT_TRUE(BarShown());
  EXPECT_EQ(1, VertRangeMax());
  // The last entry's row lies wholly inside the client area.
  const int lastTop = CLogDisplayControl::kTopMargin +
                      (kRows + 1 - 1 - m_log.GetFirstVisible()) * CLogDisplayControl::kRowHeight;
  EXPECT_LE(lastTop + CLogDisplayControl::kRowHeight, kRows * CLogDisplayControl::kRowHeight);
}

TEST_F(LogDisplayTest, LongLogsScaleTheBarAndTheThumbShowsTheScaledEntry) {
  for (int i = 0; i < kRows + 30001; ++i) m_log.AddEntry(LogOutput, "x");
  DispatchPendingMessages();
  EXPECT_EQ(2, m_log.GetScale());
  EXPECT_EQ(15000, VertRangeMax());
  m_log.OnVScroll(SB_THUMBTRACK, 1234, nullptr);
  EXPECT_EQ(2 * 1234, m_log.GetFirstVisible());
}

TEST_F(LogDisplayTest, ANewLineJumpsBackToTheEnd) {
  Add(50);
  m_log.OnVScroll(SB_TOP, 0, nullptr);
  EXPECT_EQ(0, m_log.GetFirstVisible());
  Add(1);
  EXPECT_EQ(51 - kRows + 1, m_log.GetFirstVisible());
}

TEST_F(LogDisplayTest, AWheelNotchOfAnySizeMovesTwo) {
  Add(50);
  const int end = m_log.GetFirstVisible();
  m_log.OnMouseWheel(0, WHEEL_DELTA * 3, CPoint());
  EXPECT_EQ(end - 2, m_log.GetFirstVisible());
  // Down stops at the bar's last position (the end shows one row more).
  m_log.OnMouseWheel(0, -1, CPoint());
  EXPECT_EQ(VertRangeMax(), m_log.GetFirstVisible());
  m_log.OnMouseWheel(0, -WHEEL_DELTA, CPoint());
  EXPECT_EQ(VertRangeMax(), m_log.GetFirstVisible()) << "never beyond the bar's end";
}

TEST_F(LogDisplayTest, CopyJoinsTheTextsWithoutStampsOrATrailingLineEnd) {
  m_log.AddEntry(LogStepStart, "a");
  m_log.AddEntry(LogOutput, "b");
  m_log.AddEntry(LogSuccess, "c");
  CTesselString before("unchanged");
  ASSERT_TRUE(SetClipboardText(m_host.m_hWnd, before));
  m_log.SendMessage(WM_COMMAND, ID_COPY_LOG_TO_CLIPBOARD, 0);
  EXPECT_EQ("a\r\nb\r\nc", TextOf(GetClipboardText()));
}

TEST_F(LogDisplayTest, AnEmptyLogCopiesNothing) {
  CTesselString before("unchanged");
  ASSERT_TRUE(SetClipboardText(m_host.m_hWnd, before));
  m_log.SendMessage(WM_COMMAND, ID_COPY_LOG_TO_CLIPBOARD, 0);
  EXPECT_EQ("unchanged", TextOf(GetClipboardText()));
}

TEST_F(LogDisplayTest, ClearingAsksAndOnlyYesClears) {
  Add(30);
  m_log.OnVScroll(SB_TOP, 0, nullptr);
  m_owner.m_answers = {IDNO};
  m_log.SendMessage(WM_COMMAND, ID_CLEAR_LOG_DISPLAY, 0);
  ASSERT_EQ(1u, m_owner.m_messages.size());
  EXPECT_EQ("Are you sure you want to clear the log display?", m_owner.m_messages[0].first);
  EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONHAND | MB_DEFBUTTON2), m_owner.m_messages[0].second);
  EXPECT_EQ(30, m_log.GetEntryCount());
  EXPECT_EQ(0, m_log.GetFirstVisible());
  m_owner.m_answers = {IDYES};
  m_log.SendMessage(WM_COMMAND, ID_CLEAR_LOG_DISPLAY, 0);
  EXPECT_EQ(0, m_log.GetEntryCount());
  EXPECT_FALSE(BarShown());
}

TEST_F(LogDisplayTest, WithoutAnOwnerClearingDoesNothing) {
  Add(3);
  m_log.SetOwner(nullptr);
  m_log.SendMessage(WM_COMMAND, ID_CLEAR_LOG_DISPLAY, 0);
  EXPECT_EQ(3, m_log.GetEntryCount());
}

TEST_F(LogDisplayTest, TheMenuGreysBothItemsOfAnEmptyLogAndPostsTheChoice) {
  m_log.SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(10, 10));
  ASSERT_EQ(2u, m_owner.m_menuItems.size());
  EXPECT_TRUE(m_owner.m_menuItems[0].second);
  EXPECT_TRUE(m_owner.m_menuItems[1].second);
  Add(2);
  m_owner.m_menuChoice = ID_CLEAR_LOG_DISPLAY;
  m_owner.m_answers = {IDYES};
  m_log.SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(10, 10));
  EXPECT_FALSE(m_owner.m_menuItems[0].second);
  EXPECT_EQ(2, m_log.GetEntryCount()) << "the command waits until the menu has closed";
  DispatchPendingMessages();
  EXPECT_EQ(0, m_log.GetEntryCount());
}

TEST_F(LogDisplayTest, StepLinesShowTheirIconOutputLinesNone) {
  m_log.AddEntry(LogSuccess, "ok");
  m_log.AddEntry(LogOutput, "    output");
  DispatchPendingMessages();
  CDibSurface surface(400, kRows * CLogDisplayControl::kRowHeight);
  m_log.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.GetSafeHdc()), PRF_CLIENT);
  const int column = m_log.GetIconColumn();
  auto greenIn = [&](int top) {
    int green = 0;
    for (int y = top; y < top + 16; ++y)
      for (int x = column; x < column + 16; ++x) {
        const COLORREF c = surface.GetPixel(x, y);
        if (GetGValue(c) > 100 && GetRValue(c) < 80 && GetBValue(c) < 80) ++green;
      }
    return green;
  };
  EXPECT_GT(greenIn(2), 10) << "the check mark beside a success";
  EXPECT_EQ(0, greenIn(18)) << "no icon beside output";
}

}  // namespace

namespace {

// Inked (non-white) columns of one row of the log, painted into a surface.
std::vector<int> InkedColumns(CLogDisplayControl& log, int top) {
  CDibSurface surface(400, kRows * CLogDisplayControl::kRowHeight);
  log.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.GetSafeHdc()), PRF_CLIENT);
  std::vector<int> columns;
  for (int x = 0; x < 400; ++x)
    for (int y = top; y < top + CLogDisplayControl::kRowHeight; ++y)
      if (surface.GetPixel(x, y) != RGB(255, 255, 255)) {
        columns.push_back(x);
        break;
      }
  return columns;
}

TEST_F(LogDisplayTest, TheStampEndsBeforeTheIconColumnInAnyFont) {
  // A stamp of the display font fits the room before column 85; a font too
  // wide for it moves the icon column, never under the stamp.
  const struct {
    int height;
    bool wider;
  } cases[] = {{8, false}, {30, true}};
  for (const auto& c : cases) {
    ASSERT_TRUE(m_log.SetFontFace("Arial", c.height));
    m_log.RemoveAllEntries();
    m_log.AddEntry(LogOutput, "");
    DispatchPendingMessages();
    const int column = m_log.GetIconColumn();
    if (c.wider)
      EXPECT_GT(column, CLogDisplayControl::kIconColumn) << c.height;
    else
      EXPECT_EQ(CLogDisplayControl::kIconColumn, column) << c.height;
    // An output line with no text: only the stamp is drawn, all of it left
    // of the icon column.
    const std::vector<int> inked = InkedColumns(m_log, CLogDisplayControl::kTopMargin);
    ASSERT_FALSE(inked.empty()) << c.height;
    EXPECT_GE(inked.front(), CLogDisplayControl::kStampLeft) << c.height;
    EXPECT_LT(inked.back(), column) << c.height;
  }
}

}  // namespace
