// The tab control: measuring, selection, removal, the click, the focus while
// tabs are added, the page rectangles of its layouts, sorting and painting.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "testsupport/DibSurface.h"
#include "testsupport/HostWindow.h"
#include "uilib/TabControl.h"

namespace {

/// Caption widths come from a table (height 13), so the rectangles do not
/// depend on the fonts of the machine.
class CMeasuredTabControl : public CTabControl {
 public:
  std::map<std::string, int> m_widths;
  int m_nFocusDefaults = 0;

  bool GetTextExtent(CTesselString text, SIZE* size) override {
    auto it = m_widths.find(text.GetText());
    if (it == m_widths.end()) return CTabControl::GetTextExtent(text, size);
    *size = SIZE{it->second, 13};
    return true;
  }
};

class TabControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_host.CreateHost(800, 600));
    m_control.SetBorder(false);
    ASSERT_TRUE(m_control.CreateControl(&m_host));
    m_control.MoveWindow(0, 0, 800, 600);
    for (CStatic& page : m_pages)
      ASSERT_TRUE(page.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &m_control));
  }

  void AddThree() {
    m_control.m_widths = {{"one", 40}, {"two", 60}, {"six", 30}};
    ASSERT_TRUE(m_control.AddPage(&m_pages[0], "one", 0));
    ASSERT_TRUE(m_control.AddPage(&m_pages[1], "two", 1));
    ASSERT_TRUE(m_control.AddPage(&m_pages[2], "six", 2));
    ASSERT_TRUE(m_control.RecalcLayout());
  }

  bool Visible(int page) { return (m_pages[page].GetStyle() & WS_VISIBLE) != 0; }

  CRect PageRect(int page) {
    CRect rect;
    m_pages[page].GetWindowRect(&rect);
    m_control.ScreenToClient(&rect);
    return rect;
  }

  CTestHostWindow m_host;
  CMeasuredTabControl m_control;
  CStatic m_pages[3];
};

TEST_F(TabControlTest, TabsStandSideBySideFromTwelveWithTenPixelGaps) {
  AddThree();
  const CRect expected[] = {{12, 8, 72, 29}, {82, 8, 162, 29}, {172, 8, 222, 29}};
  for (int id = 0; id < 3; ++id) EXPECT_EQ(expected[id], m_control.FindTab(id)->m_rect) << id;
  EXPECT_EQ(kTabControlId, m_control.GetDlgCtrlID());
}

TEST_F(TabControlTest, OnlyTheFirstAddedTabIsSelected) {
  AddThree();
  EXPECT_EQ(0, m_control.GetSelectedTabId());
  EXPECT_TRUE(m_control.FindTab(0)->m_bSelected);
  EXPECT_FALSE(m_control.FindTab(1)->m_bSelected);
  EXPECT_TRUE(Visible(0));
  EXPECT_FALSE(Visible(1));
  EXPECT_FALSE(Visible(2));
}

TEST_F(TabControlTest, AddingARepeatedIdOrNoWindowChangesNothing) {
  AddThree();
  EXPECT_FALSE(m_control.AddPage(&m_pages[1], "again", 2));
  EXPECT_FALSE(m_control.AddPage(NULL, "none", 7));
  EXPECT_FALSE(m_control.AddTab(NULL, 8));
  EXPECT_EQ(3, m_control.GetTabCount());
  CTesselString text;
  EXPECT_EQ("six", std::string(m_control.GetTabText(&text, 2)->GetText()));
  EXPECT_EQ("", std::string(m_control.GetTabText(&text, 9)->GetText()));
}

TEST_F(TabControlTest, RemovingAnyTabSelectsTheFirstRemaining) {
  struct Case {
    int removed;
    int selectedBefore;
    int selectedAfter;
  } cases[] = {{0, 0, 1}, {1, 2, 0}, {2, 1, 0}};
  for (const Case& c : cases) {
    m_control.RemoveAllTabs();
    AddThree();
    ASSERT_TRUE(m_control.SelectTab(c.selectedBefore));
    ASSERT_TRUE(m_control.RemoveTab(c.removed));
    EXPECT_EQ(c.selectedAfter, m_control.GetSelectedTabId()) << c.removed;
    EXPECT_EQ(2, m_control.GetTabCount());
    EXPECT_TRUE(Visible(c.selectedAfter)) << c.removed;
  }
  EXPECT_FALSE(m_control.RemoveTab(42));
}

TEST_F(TabControlTest, AClickInAGapChangesNothingAndOnATabShowsOnlyItsPage) {
  AddThree();
  m_control.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(76, 15));  // between tabs 0 and 1
  EXPECT_EQ(0, m_control.GetSelectedTabId());
  EXPECT_TRUE(Visible(0));
  m_control.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(180, 15));
  EXPECT_EQ(2, m_control.GetSelectedTabId());
  EXPECT_FALSE(Visible(0));
  EXPECT_FALSE(Visible(1));
  EXPECT_TRUE(Visible(2));
}

TEST_F(TabControlTest, FocusGoesOnToThePageButNotWhileTabsAreAdded) {
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &m_control, 500));
  ASSERT_TRUE(m_control.AddPage(&edit, "edit", 0));
  EXPECT_FALSE(m_control.IsBusy());
  m_host.ShowWindow(SW_SHOW);
  m_control.m_bBusy = true;  // as inside AddTab
  m_control.SetFocus();
  EXPECT_EQ(m_control.m_hWnd, ::GetFocus());
  m_control.m_bBusy = false;
  m_control.SendMessage(WM_SETFOCUS, 0, 0);
  EXPECT_EQ(edit.m_hWnd, ::GetFocus());
  m_host.ShowWindow(SW_HIDE);
}

TEST_F(TabControlTest, PageWindowsFollowTheLayoutFlags) {
  struct Case {
    bool margin, compact, square;
    CRect page;
  } cases[] = {
      {false, true, true, {2, 38, 799, 599}},     // the display manager's settings
      {false, false, false, {16, 38, 784, 583}},  // margin and compact layout off
      {false, true, false, {2, 38, 799, 585}},
      {true, false, false, {28, 46, 772, 575}},
  };
  AddThree();
  for (const Case& c : cases) {
    m_control.m_bMarginLayout = c.margin;
    m_control.m_bCompactLayout = c.compact;
    m_control.m_bSquareFrame = c.square;
    ASSERT_TRUE(m_control.Layout());
    for (int page = 0; page < 3; ++page)
      EXPECT_EQ(c.page, PageRect(page)) << c.margin << c.compact << c.square << " page " << page;
  }
}

TEST_F(TabControlTest, SortingGivesTheNaturalOrderItsIds) {
  m_control.m_widths = {{"b", 10}, {"a10", 30}, {"a9", 20}};
  ASSERT_TRUE(m_control.AddPage(&m_pages[0], "b", 0));
  ASSERT_TRUE(m_control.AddPage(&m_pages[1], "a10", 1));
  ASSERT_TRUE(m_control.AddPage(&m_pages[2], "a9", 2));
  ASSERT_TRUE(m_control.SortTabs());
  const char* expected[] = {"a9", "a10", "b"};
  CTesselString text;
  for (int id = 0; id < 3; ++id)
    EXPECT_EQ(expected[id], std::string(m_control.GetTabText(&text, id)->GetText())) << id;
  // The selected tab keeps its selection under its new id.
  EXPECT_EQ(2, m_control.GetSelectedTabId());
  EXPECT_EQ(&m_pages[0], m_control.GetTabWindow(2));
  EXPECT_EQ(1, m_control.FindTabIdOfWindow(&m_pages[1]));
}

TEST_F(TabControlTest, SortingOrdersLongerListsAndKeepsEveryTab) {
  const char* captions[] = {"k", "c2", "a", "c10", "z", "b", "c1", "m", "a"};
  CStatic pages[9];
  for (int i = 0; i < 9; ++i) {
    ASSERT_TRUE(pages[i].Create("", WS_CHILD, CRect(0, 0, 5, 5), &m_control));
    ASSERT_TRUE(m_control.AddPage(&pages[i], captions[i], i));
  }
  ASSERT_TRUE(m_control.SortTabs());
  const char* expected[] = {"a", "a", "b", "c1", "c2", "c10", "k", "m", "z"};
  CTesselString text;
  for (int id = 0; id < 9; ++id)
    EXPECT_EQ(expected[id], std::string(m_control.GetTabText(&text, id)->GetText())) << id;
  m_control.RemoveAllTabs();
}

TEST_F(TabControlTest, PaintsTheSelectedTabOnTheStripAndTheFramedPage) {
  AddThree();
  m_control.m_bMarginLayout = false;
  m_control.m_bCompactLayout = true;
  m_control.m_bSquareFrame = true;
  ASSERT_TRUE(m_control.Layout());
  CDibSurface surface(800, 600, RGB(0, 0, 0));
  m_control.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.GetSafeHdc()),
                        PRF_CLIENT);
  EXPECT_EQ(RGB(236, 238, 244), surface.GetPixel(400, 4));    // strip background
  EXPECT_EQ(RGB(189, 189, 189), surface.GetPixel(12, 20));    // selected tab's left edge
  EXPECT_EQ(RGB(254, 254, 254), surface.GetPixel(60, 10));    // its near-white fill
  EXPECT_EQ(RGB(236, 238, 244), surface.GetPixel(100, 10));   // an unselected tab is not filled
  EXPECT_EQ(RGB(189, 189, 189), surface.GetPixel(400, 29));   // the page frame's top
  EXPECT_EQ(RGB(255, 255, 255), surface.GetPixel(400, 300));  // inside the frame
}

}  // namespace
