// The column view's rows: ids, the display list, cells, creation order of
// the hooks, and rows added by another thread while the view paints.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "SupportColumnView.h"

namespace {

class ColumnViewRowsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_fixture.Create(&m_view)); }
  CTestColumnView m_view;
  CColumnViewFixture m_fixture;
};

TEST_F(ColumnViewRowsTest, CreationLoadsImagesBeforeColumnsAndMakesTheParts) {
  ASSERT_GE(m_view.m_hooks.size(), 2u);
  EXPECT_EQ("images", m_view.m_hooks[0]);
  EXPECT_EQ("columns", m_view.m_hooks[1]);
  EXPECT_EQ(kColumnViewControlId, m_view.GetDlgCtrlID());
  EXPECT_EQ(kColumnViewHeaderId, m_view.GetHeader()->GetDlgCtrlID());
  EXPECT_EQ(kColumnViewHScrollId, m_view.GetHorizontalScrollBar()->GetDlgCtrlID());
  EXPECT_EQ(kColumnViewVScrollId, m_view.GetVerticalScrollBar()->GetDlgCtrlID());
  EXPECT_EQ(3, m_view.GetHeader()->GetItemCount());
  CTestColumnView orphan;
  EXPECT_FALSE(orphan.CreateControl(nullptr));
}

TEST_F(ColumnViewRowsTest, IdsCountFromZeroAgainAfterRemovingAll) {
  for (int expected = 0; expected < 3; ++expected)
    EXPECT_EQ(expected, m_view.AddRow({"a"})->GetId());
  m_view.m_nCaret = 2;
  m_view.m_nDescending = 1;
  m_view.m_nFirstVisible = 1;
  m_view.m_nSelectedCount = 2;
  EXPECT_TRUE(m_view.RemoveAllEntries());
  EXPECT_FALSE(m_view.RemoveAllEntries());
  EXPECT_EQ(0, m_view.GetEntryCount());
  EXPECT_EQ(0, m_view.GetDisplayCount());
  EXPECT_EQ(0, m_view.m_nFirstVisible);
  EXPECT_EQ(0, m_view.m_nSelectedCount);
  EXPECT_EQ(2, m_view.m_nCaret) << "the caret index stays";
  EXPECT_EQ(1, m_view.m_nDescending) << "the sort direction stays";
  EXPECT_EQ(0, m_view.AddRow({"b"})->GetId());
  EXPECT_FALSE(m_view.AddEntry(nullptr));
}

TEST_F(ColumnViewRowsTest, AHiddenRowStaysInTheIdMapButLeavesTheDisplayList) {
  m_view.m_bMultiSelect = true;
  m_view.AddRow({"a"});
  CColumnViewControlEntry* hidden = m_view.AddRow({"b"});
  m_view.AddRow({"c"});
  hidden->m_bShown = false;
  ASSERT_TRUE(m_view.RebuildDisplayList());
  ASSERT_EQ(2, m_view.GetDisplayCount());
  EXPECT_EQ("c", std::string(m_view.GetEntryAt(1)->GetColumnText(0).GetText()));
  EXPECT_EQ(1, m_view.GetEntryAt(1)->GetDisplayIndex());
  EXPECT_EQ(hidden, m_view.GetEntryById(1));
  EXPECT_TRUE(m_view.SelectAll());
  EXPECT_TRUE(hidden->m_bSelected);
  EXPECT_EQ(3, m_view.m_nSelectedCount);
  EXPECT_TRUE(m_view.DeselectAll());
  EXPECT_FALSE(hidden->m_bSelected);
  EXPECT_EQ(nullptr, m_view.GetEntryAt(2));
  EXPECT_EQ(nullptr, m_view.GetEntryAt(-1));
  EXPECT_TRUE(m_view.RemoveEntry(1, true));
  EXPECT_EQ(nullptr, m_view.GetEntryById(1));
  EXPECT_FALSE(m_view.RemoveEntry(1, true));
  EXPECT_EQ(2, m_view.GetDisplayCount());
}

TEST(ColumnViewEntry, CellsGrowToTheColumnSet) {
  CColumnViewControlEntry entry;
  EXPECT_TRUE(entry.SetColumnText(3, "last"));
  ASSERT_EQ(4, entry.GetColumnCount());
  for (int i = 0; i < 3; ++i) EXPECT_EQ(0, entry.GetColumnText(i).GetLength()) << i;
  EXPECT_STREQ("last", entry.GetColumnText(3).GetText());
  EXPECT_EQ(0, entry.GetColumnText(9).GetLength());

  EXPECT_TRUE(entry.SetColumnCharacter(1, "xyz"));
  EXPECT_STREQ("x", entry.GetColumnText(1).GetText());
  EXPECT_TRUE(entry.SetColumnCharacter(2, ""));
  EXPECT_EQ(0, entry.GetColumnText(2).GetLength());
  EXPECT_FALSE(entry.SetColumnCharacter(2, nullptr));

  EXPECT_EQ(RGB(0, 0, 0), entry.GetColumnTextColor(2));
  EXPECT_TRUE(entry.SetColumnTextColor(2, RGB(1, 2, 3)));
  EXPECT_EQ(RGB(0, 0, 0), entry.GetColumnTextColor(0));
  EXPECT_EQ(RGB(1, 2, 3), entry.GetColumnTextColor(2));
}

TEST_F(ColumnViewRowsTest, ARightClickOutsideEveryRowStillReachesTheHook) {
  m_view.AddRows(2);
  CDibSurface surface(400, 200);
  m_view.PaintTo(&surface);
  m_view.m_hooks.clear();
  m_view.SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(200, 180));
  EXPECT_EQ(std::vector<std::string>{"right"}, m_view.m_hooks);
  EXPECT_TRUE(m_view.SelectedRows().empty());
}

// The worker adds rows through the view's lock while the UI thread paints
// and scrolls; every row arrives and the display list ends complete.
TEST_F(ColumnViewRowsTest, RowsAddedFromAnotherThreadWhileThePaneRepaintsAreAllKept) {
  const int kRows = 3000;
  std::atomic<bool> done(false);
  std::thread worker([&]() {
    for (int i = 0; i < kRows; ++i) {
      CColumnViewControlEntry* entry = new CColumnViewControlEntry;
      CTesselString text;
      text.Format("Worker %d", i);
      entry->SetColumnText(0, text);
      m_view.AddEntry(entry);
      if (i % 100 == 0) m_view.RebuildDisplayListUnsorted();
    }
    done = true;
  });
  CDibSurface surface(400, 200);
  int passes = 0;
  while (!done || passes < 5) {
    m_view.PaintTo(&surface);
    m_view.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    m_view.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA));
    m_view.UpdateScrollBars();
    ++passes;
  }
  worker.join();
  m_view.RebuildDisplayListUnsorted();
  EXPECT_EQ(kRows, m_view.GetEntryCount());
  ASSERT_EQ(kRows, m_view.GetDisplayCount());
  for (int i = 0; i < kRows; ++i) ASSERT_EQ(i, m_view.GetEntryAt(i)->GetId());
  m_view.PaintTo(&surface);
}

}  // namespace
