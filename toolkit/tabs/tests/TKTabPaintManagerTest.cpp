// Layout of a strip in its modes, fonts, and the installation of
// appearances and colour sets.
#include <gtest/gtest.h>

#include <vector>

#include "SupportTabStrip.h"
#include "tabs/TKTabPaintManagerColorSet.h"
#include "tabs/TKTabPaintManagerTheme.h"
#include "TKTabThemePropertyPage.h"

namespace {

/// A strip whose items have the lengths a test gives them: it measures
/// each item by the number in its caption.
class CLengthStrip : public CTestTabStrip {
 public:
  CLengthStrip() : CTestTabStrip(NULL, CRect(0, 0, 400, 100)) {}
  void AddLengths(const std::vector<int>& lengths) {
    for (int n : lengths) {
      CString str;
      str.Format("%d", n);
      Add(str);
    }
  }
};

/// Measures a tab as long as its caption's number says.
class CNumberTheme : public CTKTabThemeOffice2000 {
 public:
  int GetItemLength(CDC*, CTKTabManagerItem* pItem) override {
    return atoi(pItem->GetRawCaption());
  }
};

class TabPaintManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_pPaint = m_strip.GetPaintManager();
    m_pPaint->SetAppearanceSet(new CNumberTheme());
  }
  std::vector<int> Lengths() {
    std::vector<int> lengths;
    for (int i = 0; i < m_strip.GetItemCount(); ++i) lengths.push_back(m_strip.GetItem(i)->GetLength());
    return lengths;
  }
  /// Lays the items out in shrink mode with `nAvailable` pixels between the margins.
  std::vector<int> Shrink(int nAvailable) {
    const CRect rcMargin = m_pPaint->GetAppearanceSet()->GetHeaderMargin();
    m_pPaint->SetLayout(tkTabLayoutShrink);
    m_strip.SetBounds(CRect(0, 0, nAvailable + rcMargin.left + rcMargin.right, 100));
    return Lengths();
  }
  CLengthStrip m_strip;
  CTKTabPaintManager* m_pPaint = nullptr;
};

TEST_F(TabPaintManagerTest, ShrinkingSharesTheRoomFromTheShortestUp) {
  struct Case {
    std::vector<int> lengths;
    int nAvailable;
    std::vector<int> expected;
  };
  const Case kCases[] = {{{30, 80, 100}, 150, {30, 60, 60}},
                         {{50, 50, 50, 50}, 197, {49, 49, 49, 50}},
                         {{500}, 123, {123}},
                         {{40, 40}, 200, {40, 40}}};
  for (const Case& c : kCases) {
    m_strip.DeleteAllItems();
    m_strip.AddLengths(c.lengths);
    EXPECT_EQ(c.expected, Shrink(c.nAvailable)) << c.nAvailable;
  }
}

TEST_F(TabPaintManagerTest, MinimumAndMaximumWidthsBoundEveryTab) {
  m_pPaint->SetAppearance(0);
  m_strip.Add("a");
  m_strip.Add("A much longer caption than forty pixels");
  m_pPaint->m_nMinTabWidth = 60;
  m_strip.Reposition();
  EXPECT_EQ(60, m_strip.GetItem(0)->GetLength());
  EXPECT_GT(m_strip.GetItem(1)->GetLength(), 60);
  m_pPaint->m_nMinTabWidth = 0;
  m_pPaint->m_nMaxTabWidth = 40;
  m_strip.Reposition();
  EXPECT_LE(m_strip.GetItem(0)->GetLength(), 40);
  EXPECT_EQ(40, m_strip.GetItem(1)->GetLength());
}

TEST_F(TabPaintManagerTest, JustifiedRowsPutTheSelectedRowNextToThePage) {
  m_strip.AddLengths({120, 120, 120, 120, 120});
  m_pPaint->SetLayout(tkTabLayoutMultiRow);
  m_strip.SetCurSel(3);
  m_strip.SetBounds(CRect(0, 0, 400, 200));
  ASSERT_EQ(2, m_strip.GetRowTable().GetRowCount());
  const CRect rcMargin = m_pPaint->GetAppearanceSet()->GetHeaderMargin();
  const int nWidth = m_strip.GetHeaderRect().Width() - rcMargin.left - rcMargin.right;
  int nBottomRow = 0;
  for (int r = 0; r < 2; ++r) {
    int nSum = 0;
    int nTop = -1;
    for (int i = 0; i < m_strip.GetItemCount(); ++i) {
      const CTKTabManagerItem* pItem = m_strip.GetItem(i);
      if (pItem->GetRow() != r) continue;
      nSum += pItem->GetLength();
      nTop = pItem->GetRect().top;
    }
    EXPECT_EQ(nWidth, nSum) << "row " << r;
    if (r == 0) {
      nBottomRow = nTop;
    } else {
      EXPECT_LT(nTop, nBottomRow);
    }
  }
  // The balanced fill puts the last three in the second row; the selected
  // fourth tab brings that row next to the page.
  EXPECT_EQ(0, m_strip.GetItem(3)->GetRow());
  EXPECT_EQ(1, m_strip.GetItem(0)->GetRow());
  EXPECT_EQ(nBottomRow, m_strip.GetItem(3)->GetRect().top);
}

TEST_F(TabPaintManagerTest, EnsureVisibleNeverScrollsAShrunkStrip) {
  m_strip.AddLengths({300, 300, 300});
  m_pPaint->SetLayout(tkTabLayoutShrink);
  m_strip.GetItem(2)->SetRect(CRect(900, 5, 1000, 25));
  m_strip.EnsureVisible(m_strip.GetItem(2));
  EXPECT_EQ(0, m_strip.GetHeaderOffset());

  m_pPaint->SetLayout(tkTabLayoutAuto);
  ASSERT_GT(m_strip.GetItem(2)->GetRect().right, m_strip.GetHeaderRect().right);
  m_strip.EnsureVisible(m_strip.GetItem(2));
  EXPECT_LT(m_strip.GetHeaderOffset(), 0);
  EXPECT_LE(m_strip.GetItem(2)->GetRect().right, m_strip.GetHeaderRect().right);
}

TEST_F(TabPaintManagerTest, ASmallVerticalFontIsMadeElevenHigh) {
  LOGFONT lf = {};
  lf.lfHeight = -8;
  lstrcpy(lf.lfFaceName, "Arial");
  m_pPaint->SetFontIndirect(&lf);
  LOGFONT made = {};
  m_pPaint->GetFont(TRUE)->GetLogFont(&made);
  EXPECT_EQ(-11, made.lfHeight);
  EXPECT_EQ(2700, made.lfEscapement);
  m_pPaint->GetFont(FALSE)->GetLogFont(&made);
  EXPECT_EQ(-8, made.lfHeight);
}

TEST_F(TabPaintManagerTest, UnknownAppearanceIdsGiveOffice2000AndTheDefaultSet) {
  m_pPaint->SetAppearance(99);
  EXPECT_NE(nullptr, dynamic_cast<CTKTabThemeOffice2000*>(m_pPaint->GetAppearanceSet()));
  EXPECT_EQ(nullptr, dynamic_cast<CAppearanceSetPropertyPageSelected*>(m_pPaint->GetAppearanceSet()));
  EXPECT_NE(nullptr, dynamic_cast<CTKTabColorSetDefault*>(m_pPaint->GetColorSet()));
  EXPECT_EQ(nullptr, dynamic_cast<CTKTabColorSetOffice2003*>(m_pPaint->GetColorSet()));
  EXPECT_EQ(99, m_pPaint->GetAppearanceId());
}

TEST_F(TabPaintManagerTest, InstallingTheInstalledObjectsAgainKeepsThem) {
  m_strip.AddLengths({50, 60});
  CTKTabPaintManagerTheme* pAppearance = m_pPaint->GetAppearanceSet();
  EXPECT_EQ(pAppearance, m_pPaint->SetAppearanceSet(pAppearance));
  CTKTabPaintManagerColorSet* pColors = m_pPaint->GetColorSet();
  EXPECT_EQ(pColors, m_pPaint->SetColorSet(pColors));
  EXPECT_EQ(pAppearance, m_pPaint->GetAppearanceSet());
  EXPECT_EQ(pColors, m_pPaint->GetColorSet());
  EXPECT_EQ(m_pPaint, pColors->GetPaintManager());
  // Both still work: a layout and a paint run through them.
  m_strip.Reposition();
  EXPECT_EQ(50, m_strip.GetItem(0)->GetLength());
  CDC dc;
  dc.CreateCompatibleDC(NULL);
  CBitmap bitmap;
  bitmap.CreateBitmap(400, 100, 1, 32, NULL);
  CBitmap* pOld = dc.SelectObject(&bitmap);
  m_strip.Paint(&dc);
  dc.SelectObject(pOld);
}

}  // namespace
