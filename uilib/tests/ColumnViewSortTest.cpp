// Sorting: natural order of cell texts, number and date columns, stable
// ties, the header's title clicks, and the sort manager's own sorts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "SupportColumnView.h"
#include "foundation/TimeUtilities.h"
#include "uilib/SortManager.h"

namespace {

class ColumnViewSortTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_fixture.Create(&m_view)); }

  // One row per text in `column`; the first cell names the row by its position.
  void AddColumnRows(int column, const std::vector<const char*>& texts) {
    for (size_t i = 0; i < texts.size(); ++i) {
      CColumnViewControlEntry* entry = new CColumnViewControlEntry;
      entry->SetColumnText(0, column == 0 ? texts[i] : CTesselString(std::to_string(i).c_str()));
      if (column != 0) entry->SetColumnText(column, texts[i]);
      m_view.AddEntry(entry);
    }
    m_view.RebuildDisplayListUnsorted();
  }

  std::vector<std::string> ColumnTexts(int column) {
    std::vector<std::string> texts;
    for (int i = 0; i < m_view.GetDisplayCount(); ++i) {
      texts.push_back(m_view.GetEntryAt(i)->GetColumnText(column).GetText());
      EXPECT_EQ(i, m_view.GetEntryAt(i)->GetDisplayIndex());
    }
    return texts;
  }

  std::vector<int> Ids() {
    std::vector<int> ids;
    for (int i = 0; i < m_view.GetDisplayCount(); ++i) ids.push_back(m_view.GetEntryAt(i)->GetId());
    return ids;
  }

  CTestColumnView m_view;
  CColumnViewFixture m_fixture;
};

TEST(ColumnTextSortContext, SplitsTextIntoRunsOfDigitsAndOthers) {
  CColumnTextSortContext key;
  ASSERT_TRUE(key.Parse("file10b"));
  ASSERT_EQ(3, key.GetRunCount());
  EXPECT_EQ(CColumnTextSortContextElementBase::kNumber, key.GetRun(1)->m_nKind);
  EXPECT_EQ(10, static_cast<CColumnTextSortContextElementNumber*>(key.GetRun(1))->m_nValue);
  EXPECT_TRUE(key.m_bHasNumber);
  ASSERT_TRUE(key.Parse("007"));
  ASSERT_EQ(1, key.GetRunCount());
  EXPECT_EQ(7, static_cast<CColumnTextSortContextElementNumber*>(key.GetRun(0))->m_nValue);
  ASSERT_TRUE(key.Parse("  12"));
  ASSERT_EQ(2, key.GetRunCount());
  EXPECT_STREQ("  ", static_cast<CColumnTextSortContextElementText*>(key.GetRun(0))->m_text.GetText());
  EXPECT_FALSE(key.Parse(""));
  EXPECT_FALSE(key.m_bHasNumber);
  EXPECT_FALSE(key.Reset());
}

TEST(ColumnTextSortContext, ComparesNaturally) {
  struct Case {
    const char* a;
    const char* b;
    int sign;
  } cases[] = {
      {"file9", "file10", -1}, {"File2", "file2", 0}, {"abc", "abc1", -1},
      {"10", "abc", -1},       {"", "a", -1},         {"", "", 0},
      {"a2b", "a2a", 1},       {"x 10", "x 9", 1},
  };
  for (const Case& c : cases) {
    CColumnTextSortContext a, b;
    a.Parse(c.a);
    b.Parse(c.b);
    int r = a.Compare(&b);
    EXPECT_EQ(c.sign, r < 0 ? -1 : (r > 0 ? 1 : 0)) << c.a << " / " << c.b;
    r = b.Compare(&a);
    EXPECT_EQ(-c.sign, r < 0 ? -1 : (r > 0 ? 1 : 0)) << c.b << " / " << c.a;
  }
}

TEST_F(ColumnViewSortTest, TextColumnsSortInNaturalOrder) {
  AddColumnRows(0, {"file10", "file9", "File1", "file1a", ""});
  EXPECT_TRUE(m_view.SortByColumnDirection(0, true));
  EXPECT_EQ((std::vector<std::string>{"", "File1", "file1a", "file9", "file10"}), ColumnTexts(0));
  EXPECT_TRUE(m_view.SortByColumnDirection(0, false));
  EXPECT_EQ((std::vector<std::string>{"file10", "file9", "file1a", "File1", ""}), ColumnTexts(0));
}

TEST_F(ColumnViewSortTest, NumbersSortBeforeTextAndNumberColumnsReadOnlyDigits) {
  AddColumnRows(0, {"abc", "10"});
  m_view.SortByColumnDirection(0, true);
  EXPECT_EQ((std::vector<std::string>{"10", "abc"}), ColumnTexts(0));
  m_view.RemoveAllEntries();
  AddColumnRows(1, {"1,000", "999", "-5 KB"});
  m_view.SortByColumnDirection(1, true);
  EXPECT_EQ((std::vector<std::string>{"-5 KB", "999", "1,000"}), ColumnTexts(1));
}

TEST_F(ColumnViewSortTest, EqualKeysKeepTheirOrderAscendingAndSwapDescending) {
  AddColumnRows(0, {"same", "same", "other"});
  m_view.SortByColumnDirection(0, true);
  EXPECT_EQ((std::vector<int>{2, 0, 1}), Ids());
  m_view.SortByColumnDirection(0, false);
  EXPECT_EQ((std::vector<int>{1, 0, 2}), Ids());
}

int64_t g_now = 0;
int64_t ScriptedNow() { return g_now; }

TEST_F(ColumnViewSortTest, AnUnreadableDateSortsAsTheMomentOfSorting) {
  g_now = ParseLocalDateTime("2020-06-15 12:00:00");
  UtcClockSource previous = SetUtcClockSource(&ScriptedNow);
  AddColumnRows(2, {"2030-01-01", "not a date", "2010-01-01"});
  m_view.SortByColumnDirection(2, true);
  EXPECT_EQ((std::vector<std::string>{"2010-01-01", "not a date", "2030-01-01"}), ColumnTexts(2));
  g_now = ParseLocalDateTime("2040-01-01");
  m_view.SortByColumnDirection(2, true);
  EXPECT_EQ((std::vector<std::string>{"2010-01-01", "2030-01-01", "not a date"}), ColumnTexts(2));
  SetUtcClockSource(previous);
}

TEST_F(ColumnViewSortTest, TitleClicksFlipTheDirection) {
  AddColumnRows(0, {"b", "c", "a"});
  CColumnViewControlHeader* header = m_view.GetHeader();
  auto click = [&](int column) {
    NMHEADER notice = {};
    notice.hdr.hwndFrom = header->m_hWnd;
    notice.hdr.idFrom = kColumnViewHeaderId;
    notice.hdr.code = HDN_ITEMCLICKA;
    notice.iItem = column;
    m_view.SendMessage(WM_NOTIFY, kColumnViewHeaderId, reinterpret_cast<LPARAM>(&notice));
  };
  click(0);
  EXPECT_EQ((std::vector<std::string>{"c", "b", "a"}), ColumnTexts(0));
  BOOL ascending = TRUE;
  EXPECT_EQ(0, header->GetSortedCol(&ascending));
  EXPECT_FALSE(ascending);
  click(0);
  EXPECT_EQ((std::vector<std::string>{"a", "b", "c"}), ColumnTexts(0));
  click(0);
  click(1);
  EXPECT_EQ(0, m_view.m_nDescending) << "another title after one click sorts ascending";
  EXPECT_EQ(1, header->GetSortedCol(&ascending));
  EXPECT_TRUE(ascending);
}

TEST_F(ColumnViewSortTest, WideTextsSortLikeNarrowOnes) {
  for (const wchar_t* text : {L"a10", L"a9"}) {
    CColumnViewControlEntry* entry = new CColumnViewControlEntry;
    CTesselString cell;
    cell.SetWideText(text);
    entry->SetColumnText(0, cell);
    m_view.AddEntry(entry);
  }
  m_view.RebuildDisplayListUnsorted();
  m_view.SortByColumnDirection(0, true);
  EXPECT_EQ((std::vector<int>{1, 0}), Ids());
}

TEST_F(ColumnViewSortTest, OneRowIsNotReorderedAndRebuildingSorts) {
  AddColumnRows(0, {"only"});
  EXPECT_FALSE(m_view.SortEntries());
  m_view.AddRow({"a"}, false);
  m_view.m_nDescending = 0;
  EXPECT_TRUE(m_view.RebuildDisplayList());
  EXPECT_EQ((std::vector<std::string>{"a", "only"}), ColumnTexts(0));
}

// A sort manager over plain integers, to check the two sorts on their own.
class CIntSortManager : public CSortManager {
 public:
  int Compare(void* a, void* b) override {
    int x = *static_cast<int*>(a) / 10, y = *static_cast<int*>(b) / 10;
    return x - y;
  }
};

TEST(SortManager, HeapSortIsStableAscendingAndReversedDescending) {
  // Values compare by their tens; the units tell the input order apart.
  std::vector<int> values = {51, 20, 52, 10, 21, 53, 11};
  CIntSortManager manager;
  for (int direction : {0, 1}) {
    CSortManagerElementArray array;
    ASSERT_TRUE(array.Allocate(static_cast<int>(values.size())));
    for (size_t i = 0; i < values.size(); ++i) array.GetElements()[i] = &values[i];
    manager.m_nDirection = direction;
    ASSERT_TRUE(manager.HeapSort(&array));
    std::vector<int> sorted;
    for (int i = 0; i < array.GetCount(); ++i) sorted.push_back(*static_cast<int*>(array.GetElements()[i]));
    std::vector<int> expected = {10, 11, 20, 21, 51, 52, 53};
    if (direction == 1) std::reverse(expected.begin(), expected.end());
    EXPECT_EQ(expected, sorted) << direction;
    EXPECT_EQ(0, manager.GetInputPositionCount());
  }
  CSortManagerElementArray single;
  single.Allocate(1);
  EXPECT_FALSE(manager.HeapSort(&single));
  EXPECT_FALSE(single.Allocate(0));
  EXPECT_EQ(nullptr, single.GetElements());
}

TEST(SortManager, QuickSortAndListSortOrderAList) {
  std::vector<int> values = {90, 30, 70, 10, 50, 20, 80, 40, 60, 0};
  CIntSortManager manager;
  CTesselList list;
  for (int& v : values) list.AddTail(&v);
  EXPECT_FALSE(manager.QuickSort(&list, 3, 3));
  EXPECT_FALSE(manager.QuickSort(&list, 0, 10));
  ASSERT_TRUE(manager.QuickSort(&list, 0, 9));
  for (int i = 0; i < 10; ++i) EXPECT_EQ(i * 10, *static_cast<int*>(list.GetAt(i))) << i;
  manager.m_nDirection = 1;
  ASSERT_TRUE(manager.SortList(&list));
  for (int i = 0; i < 10; ++i) EXPECT_EQ(90 - i * 10, *static_cast<int*>(list.GetAt(i))) << i;
  list.RemoveAll();
}

}  // namespace
