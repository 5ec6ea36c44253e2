// Selection by mouse, keys, type-ahead, text search and the remote messages.
#include <gtest/gtest.h>

#include "SupportColumnView.h"

namespace {

class ColumnViewSelectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_view.m_bMultiSelect = true;
    ASSERT_TRUE(m_fixture.Create(&m_view));
    for (const char* name : {"alpha", "Beta", "gamma", "bravo", "delta", "BETA 2", "echo"})
      m_view.AddRow({name, "1", "x"});
    Paint();
    m_view.m_hooks.clear();
  }

  void Paint() {
    CDibSurface surface(400, 200);
    m_view.PaintTo(&surface);
  }

  void Click(UINT message, int row) {
    const RECT& rect = m_view.GetEntryAt(row)->GetRowRect();
    m_view.SendMessage(message, 0, MAKELPARAM(20, (rect.top + rect.bottom) / 2));
  }

  void Key(UINT key) { m_view.SendMessage(WM_KEYDOWN, key, 0); }

  CTestColumnView m_view;
  CColumnViewFixture m_fixture;
  CScriptedKeys m_keys;
};

typedef std::vector<int> Rows;
typedef std::vector<std::string> Hooks;

TEST_F(ColumnViewSelectionTest, ShiftClickSelectsARangeAndCtrlClickToggles) {
  Click(WM_LBUTTONDOWN, 2);
  EXPECT_EQ((Hooks{"changed", "selected"}), m_view.m_hooks);
  m_keys.Set(false, true);
  Click(WM_LBUTTONDOWN, 5);
  EXPECT_EQ((Rows{2, 3, 4, 5}), m_view.SelectedRows());
  m_keys.Set(true, false);
  Click(WM_LBUTTONDOWN, 3);
  EXPECT_EQ((Rows{2, 4, 5}), m_view.SelectedRows());
  EXPECT_EQ(3, m_view.m_nSelectedCount);
  EXPECT_EQ(3, m_view.m_nCaret);
  m_keys.Set(false, false);
  Click(WM_LBUTTONDOWN, 1);
  EXPECT_EQ((Rows{1}), m_view.SelectedRows());
}

TEST_F(ColumnViewSelectionTest, ShiftClickWithNothingSelectedSelectsOneRow) {
  m_keys.Set(false, true);
  Click(WM_LBUTTONDOWN, 4);
  EXPECT_EQ((Rows{4}), m_view.SelectedRows());
}

TEST_F(ColumnViewSelectionTest, ARightClickKeepsAMultiSelectionAndSelectsOnlyAnUnselectedRow) {
  m_view.SelectAt(1);
  m_view.SelectAt(2);
  m_view.m_hooks.clear();
  Click(WM_RBUTTONDOWN, 2);
  EXPECT_EQ((Rows{1, 2}), m_view.SelectedRows());
  EXPECT_EQ((Hooks{"changed", "right"}), m_view.m_hooks);
  Click(WM_RBUTTONDOWN, 4);
  EXPECT_EQ((Rows{4}), m_view.SelectedRows());
}

TEST_F(ColumnViewSelectionTest, ADoubleClickSelectsTheRowOnly) {
  m_view.SelectAt(0);
  m_view.m_hooks.clear();
  Click(WM_LBUTTONDBLCLK, 3);
  EXPECT_EQ((Rows{3}), m_view.SelectedRows());
  EXPECT_EQ((Hooks{"changed", "double"}), m_view.m_hooks);
}

TEST_F(ColumnViewSelectionTest, PageUpReselectsAndOtherKeysMoveOnlyTheCaret) {
  m_view.SelectAt(1);
  m_view.SelectAt(3);
  m_view.m_nCaret = 3;
  Key(VK_DOWN);
  EXPECT_EQ(4, m_view.m_nCaret);
  EXPECT_EQ((Rows{1, 3}), m_view.SelectedRows());
  EXPECT_FALSE(m_view.m_bHover);
  Key(VK_NEXT);
  EXPECT_EQ((Rows{1, 3}), m_view.SelectedRows()) << "page down keeps the selection";
  m_view.m_nFirstVisible = 2;
  Key(VK_PRIOR);
  EXPECT_EQ((Rows{m_view.m_nCaret}), m_view.SelectedRows()) << "page up keeps only the caret row";
  EXPECT_EQ(0, m_view.m_nCaret);
  Key(VK_END);
  EXPECT_EQ(6, m_view.m_nCaret);
  Key(VK_HOME);
  EXPECT_EQ(0, m_view.m_nCaret);
}

TEST_F(ColumnViewSelectionTest, ASingleSelectListFollowsTheCaret) {
  m_view.m_bMultiSelect = false;
  m_view.m_nCaret = 2;
  Key(VK_UP);
  EXPECT_EQ((Rows{1}), m_view.SelectedRows());
  EXPECT_EQ((Hooks{"changed", "caret"}), m_view.m_hooks);
  Key(VK_END);
  EXPECT_EQ((Rows{6}), m_view.SelectedRows());
}

TEST_F(ColumnViewSelectionTest, WithOneDisplayedRowArrowsAreLeftToDefaultProcessing) {
  m_view.RemoveAllEntries();
  m_view.AddRow({"only"});
  m_view.m_hooks.clear();
  for (UINT key : {VK_UP, VK_DOWN, VK_HOME, VK_END}) Key(key);
  EXPECT_TRUE(m_view.m_hooks.empty());
  Key(VK_DELETE);
  EXPECT_EQ((Hooks{"delete"}), m_view.m_hooks);
}

TEST_F(ColumnViewSelectionTest, EnterKeepsTheFirstSelectedRowAndCtrlGGoesToIt) {
  m_view.SelectAt(2);
  m_view.SelectAt(5);
  m_view.m_nCaret = 0;
  m_view.m_hooks.clear();
  Key('G');
  EXPECT_EQ(0, m_view.m_nCaret) << "G without Ctrl is left alone";
  m_keys.Set(true, false);
  Key('G');
  EXPECT_EQ(2, m_view.m_nCaret);
  EXPECT_EQ((Rows{2, 5}), m_view.SelectedRows());
  m_keys.Set(false, false);
  m_view.m_nCaret = 6;
  m_view.m_hooks.clear();
  Key(VK_RETURN);
  EXPECT_EQ(2, m_view.m_nCaret);
  EXPECT_EQ((Rows{2}), m_view.SelectedRows());
  EXPECT_EQ((Hooks{"changed", "double"}), m_view.m_hooks) << "Enter ends in a double click";
}

TEST_F(ColumnViewSelectionTest, TypeAheadGoesToTheFirstRowStartingWithTheLetter) {
  m_view.SendMessage(WM_CHAR, 'b');
  EXPECT_EQ(1, m_view.m_nCaret);
  EXPECT_EQ((Rows{1}), m_view.SelectedRows());
  m_view.SendMessage(WM_CHAR, 'B');
  EXPECT_EQ(1, m_view.m_nCaret) << "always the first of them";
  m_view.m_hooks.clear();
  m_view.SendMessage(WM_CHAR, 'z');
  EXPECT_EQ(1, m_view.m_nCaret);
  EXPECT_EQ((Rows{1}), m_view.SelectedRows());
  EXPECT_TRUE(m_view.m_hooks.empty());
}

TEST_F(ColumnViewSelectionTest, FindsTextForwardAndBackwardWithAndWithoutCase) {
  struct Case {
    bool forward;
    const char* text;
    bool matchCase;
    int startRow;
    int startColumn;
    bool found;
    int row;
    int column;
  } cases[] = {
      {true, "beta", false, 0, 0, true, 1, 0},   {true, "beta", true, 0, 0, false, 7, 0},
      {true, "BETA", true, 2, 0, true, 5, 0},    {true, "x", false, 3, 1, true, 3, 2},
      {false, "beta", false, 9, 0, true, 5, 0},  {false, "beta", false, 4, 2, true, 1, 0},
      {false, "zzz", false, 6, 2, false, 0, 0},  {true, "", false, 0, 0, false, 0, 0},
  };
  for (const Case& c : cases) {
    int row = c.startRow, column = c.startColumn;
    bool found = c.forward ? m_view.FindTextForward(c.text, &row, &column, c.matchCase)
                           : m_view.FindTextBackward(c.text, &row, &column, c.matchCase);
    EXPECT_EQ(c.found, found) << c.text << " " << c.startRow;
    EXPECT_EQ(c.found, m_view.m_bFindActive) << c.text;
    if (c.text[0] == '\0') continue;
    EXPECT_EQ(c.row, row) << c.text << " " << c.startRow;
    EXPECT_EQ(c.column, column) << c.text << " " << c.startRow;
    if (c.found) {
      EXPECT_EQ((Rows{c.row}), m_view.SelectedRows()) << c.text;
    }
  }
}

TEST_F(ColumnViewSelectionTest, RemoteIndexRequestsSelectOrAdd) {
  m_view.SelectAt(0);
  m_view.SelectAt(1);
  m_view.m_hooks.clear();
  EXPECT_EQ(1, m_view.SendMessage(WM_COLUMNVIEW_SELECTROW, 0, 2));
  EXPECT_EQ((Rows{2}), m_view.SelectedRows());
  EXPECT_EQ((Hooks{"changed", "selected"}), m_view.m_hooks);
  m_view.SelectAt(0);
  m_view.SelectAt(1);
  m_view.DeselectAll();
  m_view.SelectAt(0);
  m_view.SelectAt(1);
  EXPECT_EQ(1, m_view.SendMessage(WM_COLUMNVIEW_ADDROW, 0, 2));
  EXPECT_EQ((Rows{0, 1, 2}), m_view.SelectedRows());
  m_keys.Set(true, false);
  EXPECT_EQ(1, m_view.SendMessage(WM_COLUMNVIEW_SELECTROW, 0, 4));
  EXPECT_EQ((Rows{0, 1, 2, 4}), m_view.SelectedRows()) << "Ctrl held adds";
  EXPECT_EQ(0, m_view.SendMessage(WM_COLUMNVIEW_ADDROW, 0, 99));
}

TEST_F(ColumnViewSelectionTest, RemoteDoubleAndRightClicks) {
  m_view.m_nCaret = 5;
  m_view.m_hooks.clear();
  EXPECT_EQ(1, m_view.SendMessage(WM_COLUMNVIEW_DOUBLECLICKROW, 0, 3));
  EXPECT_EQ((Rows{3}), m_view.SelectedRows());
  EXPECT_EQ(5, m_view.m_nCaret) << "the caret is not moved";
  EXPECT_EQ((Hooks{"changed", "double"}), m_view.m_hooks);
  m_view.SelectAt(4);
  m_view.m_hooks.clear();
  EXPECT_EQ(1, m_view.SendMessage(WM_COLUMNVIEW_RIGHTCLICKROW, 0, 4));
  EXPECT_EQ((Rows{3, 4}), m_view.SelectedRows());
  EXPECT_EQ(4, m_view.m_nCaret);
  EXPECT_EQ((Hooks{"changed", "right"}), m_view.m_hooks);
  EXPECT_EQ(0, m_view.SendMessage(WM_COLUMNVIEW_RIGHTCLICKROW, 0, -1));
}

TEST_F(ColumnViewSelectionTest, RemoteTextComesByCopyDataAndMatchesTheFirstCellIgnoringCase) {
  char text[] = "BETA";
  COPYDATASTRUCT data = {0, sizeof(text), text};
  EXPECT_EQ(1, m_view.SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)));
  EXPECT_STREQ("BETA", m_view.GetRemoteText().GetText());
  COPYDATASTRUCT empty = {0, 0, text};
  EXPECT_EQ(0, m_view.SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&empty)));
  EXPECT_STREQ("BETA", m_view.GetRemoteText().GetText());
  EXPECT_EQ(1, m_view.SendMessage(WM_COLUMNVIEW_SELECTROWBYTEXT));
  EXPECT_EQ((Rows{1}), m_view.SelectedRows()) << "the first match in display order";
  EXPECT_EQ(1, m_view.SendMessage(WM_COLUMNVIEW_DOUBLECLICKROWBYTEXT));
  EXPECT_EQ(1, m_view.m_nCaret);

  char missing[] = "nothing";
  COPYDATASTRUCT other = {0, sizeof(missing), missing};
  m_view.SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&other));
  ::SetFocus(NULL);
  for (UINT message : {WM_COLUMNVIEW_ADDROWBYTEXT, WM_COLUMNVIEW_SELECTROWBYTEXT,
                       WM_COLUMNVIEW_DOUBLECLICKROWBYTEXT, WM_COLUMNVIEW_RIGHTCLICKROWBYTEXT})
    EXPECT_EQ(0, m_view.SendMessage(message)) << message;
  EXPECT_NE(m_view.m_hWnd, ::GetFocus()) << "no match takes no focus";
  EXPECT_EQ((Rows{1}), m_view.SelectedRows());
}

// A sender that leaves out the terminator: only cbData bytes are read.
TEST_F(ColumnViewSelectionTest, CopyDataReadsNoMoreThanTheBlock) {
  char block[] = {'e', 'c', 'h', 'o', 'X', 'Y', 'Z'};
  COPYDATASTRUCT data = {0, 4, block};
  EXPECT_EQ(1, m_view.SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)));
  EXPECT_STREQ("echo", m_view.GetRemoteText().GetText());
  EXPECT_EQ(1, m_view.SendMessage(WM_COLUMNVIEW_ADDROWBYTEXT));
  EXPECT_EQ((Rows{6}), m_view.SelectedRows());
}

}  // namespace
