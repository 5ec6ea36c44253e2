// The grid's sizing of rows and columns, with stand-in children of fixed
// desired sizes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "markup/TKMarkupContext.h"
#include "TKMarkupGridLayout.h"
#include "TKMarkupGridLength.h"
#include "TKMarkupString.h"

namespace {

struct FakeChild {
  int nColumn, nRow, nColumnSpan, nRowSpan;
  SIZE desired;
  bool bPresent = true;
};

// Children of fixed desired sizes that record the sizes they are offered.
class CFakeChildren : public ITKMarkupGridChildren {
 public:
  explicit CFakeChildren(std::vector<FakeChild> children) : m_children(std::move(children)) {}
  int GetChildCount() override { return static_cast<int>(m_children.size()); }
  BOOL GetChildCell(int nSlot, int* pnColumn, int* pnRow, int* pnColumnSpan,
                    int* pnRowSpan) override {
    const FakeChild& child = m_children[nSlot];
    if (!child.bPresent) return FALSE;
    *pnColumn = child.nColumn;
    *pnRow = child.nRow;
    *pnColumnSpan = child.nColumnSpan;
    *pnRowSpan = child.nRowSpan;
    return TRUE;
  }
  SIZE MeasureChild(int nSlot, int nWidth, int nHeight) override {
    m_calls += std::to_string(nSlot) + ":" + Extent(nWidth) + "x" + Extent(nHeight) + " ";
    return m_children[nSlot].desired;
  }
  std::string m_calls;

 private:
  static std::string Extent(int n) { return n == INT_MAX ? "inf" : std::to_string(n); }
  std::vector<FakeChild> m_children;
};

TK_MARKUP_GRID_DEFINITION Def(int nUnit, double dLength, int nMin = 0, int nMax = -1) {
  TK_MARKUP_GRID_DEFINITION def;
  def.nUnit = nUnit;
  def.dLength = dLength;
  def.nUserMin = nMin;
  if (nMax >= 0) {
    def.nUserMax = nMax;
    def.bHasUserMax = TRUE;
  }
  return def;
}
TK_MARKUP_GRID_DEFINITION Auto() { return Def(TKGridUnit_Auto, 1); }
TK_MARKUP_GRID_DEFINITION Pixel(double d, int nMin = 0, int nMax = -1) {
  return Def(TKGridUnit_Pixel, d, nMin, nMax);
}
TK_MARKUP_GRID_DEFINITION Star(double d = 1) { return Def(TKGridUnit_Star, d); }

TKMarkupGridDefinitions Pointers(std::vector<TK_MARKUP_GRID_DEFINITION>& defs) {
  TKMarkupGridDefinitions pointers;
  for (auto& def : defs) pointers.push_back(&def);
  return pointers;
}

std::vector<int> FinalSizes(std::vector<TK_MARKUP_GRID_DEFINITION>& defs) {
  std::vector<int> sizes;
  for (auto& def : defs) sizes.push_back(static_cast<int>(def.dWorkSize));
  return sizes;
}

std::vector<int> MinSizes(std::vector<TK_MARKUP_GRID_DEFINITION>& defs) {
  std::vector<int> sizes;
  for (auto& def : defs) sizes.push_back(def.nMinSize);
  return sizes;
}

// Lays out a grid and answers the cell rectangles of all children.
struct GridRun {
  std::vector<TK_MARKUP_GRID_DEFINITION> columns, rows;
  CFakeChildren children;
  CTKMarkupGridLayout layout;
  SIZE desired{};

  GridRun(std::vector<TK_MARKUP_GRID_DEFINITION> c, std::vector<TK_MARKUP_GRID_DEFINITION> r,
          std::vector<FakeChild> kids)
      : columns(std::move(c)), rows(std::move(r)), children(std::move(kids)) {}

  void Run(int nWidth, int nHeight, int nFinalWidth, int nFinalHeight) {
    desired = layout.Measure(Pointers(columns), Pointers(rows), &children, nWidth, nHeight);
    layout.Arrange(Pointers(columns), Pointers(rows), nFinalWidth, nFinalHeight);
  }
  CRect Cell(int nSlot) {
    CRect rect(-1, -1, -1, -1);
    EXPECT_TRUE(layout.GetCellRect(nSlot, &rect)) << nSlot;
    return rect;
  }
};

}  // namespace

// Auto and star columns and rows: the cell groups are measured in their
// order, each child offered what its definitions have at that moment.
TEST(GridLayoutTest, CellGroupsAreMeasuredInOrderWithTheSizesKnownThen) {
  GridRun grid({Auto(), Star()}, {Auto(), Star()},
               {{0, 0, 1, 1, {30, 10}},
                {1, 0, 1, 1, {50, 20}},
                {0, 1, 1, 1, {40, 15}},
                {1, 1, 1, 1, {60, 25}}});
  grid.Run(200, 100, 200, 100);
  EXPECT_EQ(1, grid.layout.GetCellGroup(0));
  EXPECT_EQ(3, grid.layout.GetCellGroup(1));
  EXPECT_EQ(2, grid.layout.GetCellGroup(2));
  EXPECT_EQ(4, grid.layout.GetCellGroup(3));
  EXPECT_EQ("0:infxinf 2:infxinf 1:160xinf 2:infx80 3:160x80 ", grid.children.m_calls);
  EXPECT_EQ(100, grid.desired.cx);
  EXPECT_EQ(45, grid.desired.cy);
  EXPECT_EQ(CRect(0, 0, 40, 20), grid.Cell(0));
  EXPECT_EQ(CRect(40, 0, 200, 20), grid.Cell(1));
  EXPECT_EQ(CRect(0, 20, 40, 100), grid.Cell(2));
  EXPECT_EQ(CRect(40, 20, 200, 100), grid.Cell(3));
}

TEST(GridLayoutTest, StarColumnsShareByWeightAndWeightZeroKeepsItsMinimum) {
  std::vector<TK_MARKUP_GRID_DEFINITION> columns{Star(0), Star(1), Star(2)};
  columns[0].nMinSize = 7;
  CTKMarkupGridLayout::SetFinalSizes(Pointers(columns), 307);
  EXPECT_EQ((std::vector<int>{7, 100, 200}), FinalSizes(columns));
  EXPECT_EQ(0, columns[0].nFinalOffset);
  EXPECT_EQ(7, columns[1].nFinalOffset);
  EXPECT_EQ(107, columns[2].nFinalOffset);
}

// Equal stars that do not divide the width evenly: the remainder goes to the
// last of them, whatever order a sort of equal keys might pick.
TEST(GridLayoutTest, EqualStarsShareTheRemainderInDefinitionOrder) {
  std::vector<TK_MARKUP_GRID_DEFINITION> columns{Star(), Star(), Star(), Star(),
                                                 Star(), Star(), Star()};
  CTKMarkupGridLayout::SetFinalSizes(Pointers(columns), 100);
  EXPECT_EQ((std::vector<int>{14, 14, 14, 14, 14, 15, 15}), FinalSizes(columns));
}

TEST(GridLayoutTest, PixelDefinitionsAreLimitedByTheirMinimumAndMaximum) {
  struct Case {
    TK_MARKUP_GRID_DEFINITION def;
    int nExpected;
  } cases[] = {
      {Pixel(100), 100},       {Pixel(100, 150), 150},
      {Pixel(100, 0, 80), 80}, {Pixel(100, 90, 80), 90},  // the minimum wins a conflict
      {Pixel(-20), 0},         {Pixel(1e12), INT_MAX},
  };
  for (const Case& c : cases) {
    std::vector<TK_MARKUP_GRID_DEFINITION> columns{c.def};
    std::vector<TK_MARKUP_GRID_DEFINITION> rows{Star()};
    GridRun grid(columns, rows, {});
    grid.Run(1000, 100, INT_MAX, 100);
    EXPECT_EQ(c.nExpected, static_cast<int>(grid.columns[0].dWorkSize)) << c.def.dLength;
  }
}

TEST(GridLayoutTest, SpanningChildSharesItsSizeOut) {
  // Two auto columns holding 10 and 20, a child over both wanting 100.
  GridRun autos({Auto(), Auto()}, {Auto()},
                {{0, 0, 1, 1, {10, 5}}, {1, 0, 1, 1, {20, 5}}, {0, 0, 2, 1, {100, 5}}});
  autos.Run(500, 500, 500, 500);
  EXPECT_EQ((std::vector<int>{50, 50}), MinSizes(autos.columns));
  EXPECT_EQ(CRect(0, 0, 100, 5), autos.Cell(2));

  // Pixel columns of 30 and 40: without a maximum each can give only its own
  // size, so 100 is shared out equally.
  GridRun pixels({Pixel(30), Pixel(40)}, {Auto()}, {{0, 0, 2, 1, {100, 5}}});
  pixels.Run(500, 500, 500, 500);
  EXPECT_EQ((std::vector<int>{50, 50}), MinSizes(pixels.columns));

  // A maximum leaves room to grow up to it before anything is shared equally.
  std::vector<TK_MARKUP_GRID_DEFINITION> capped{Pixel(30, 0, 60), Pixel(40, 0, 45)};
  CTKMarkupGridLayout::PrepareDefinitions(Pointers(capped), FALSE);
  CTKMarkupGridLayout::DistributeSpanSize(Pointers(capped), 0, 2, 100);
  EXPECT_EQ((std::vector<int>{55, 45}), MinSizes(capped));
}

TEST(GridLayoutTest, UnlimitedWidthMeasuresStarColumnsLikeAutoColumns) {
  GridRun unlimited({Star()}, {Star()}, {{0, 0, 1, 1, {70, 5}}});
  unlimited.Run(32001, 50, 300, 50);
  EXPECT_EQ(TKGridSize_Auto, unlimited.columns[0].nSizeType);
  EXPECT_EQ("0:infx50 ", unlimited.children.m_calls);
  EXPECT_EQ(70, unlimited.desired.cx);

  GridRun limited({Star()}, {Star()}, {{0, 0, 1, 1, {70, 5}}});
  limited.Run(32000, 50, 300, 50);
  EXPECT_EQ(TKGridSize_Star, limited.columns[0].nSizeType);
  EXPECT_EQ("0:32000x50 ", limited.children.m_calls);
}

// Too little room: star columns give up what they hold beyond their content
// first, the one with least to give first, then the others.
TEST(GridLayoutTest, TooNarrowShrinksStarColumnsTowardTheirMinimumFirst) {
  std::vector<TK_MARKUP_GRID_DEFINITION> columns{Pixel(120), Star(), Star()};
  columns[0].nMinSize = 120;
  columns[1].nMinSize = 40;
  columns[2].nMinSize = 10;
  CTKMarkupGridLayout::SetFinalSizes(Pointers(columns), 200);
  EXPECT_EQ((std::vector<int>{120, 40, 40}), FinalSizes(columns));
  CTKMarkupGridLayout::SetFinalSizes(Pointers(columns), 180);
  EXPECT_EQ((std::vector<int>{120, 40, 25}), FinalSizes(columns));
  CTKMarkupGridLayout::SetFinalSizes(Pointers(columns), 100);
  EXPECT_EQ((std::vector<int>{120, 40, 10}), FinalSizes(columns));
}

// Column and Row outside the definitions are taken into them; spans are cut
// at the last definition and count at least one.
TEST(GridLayoutTest, CellIndexesAndSpansStayInsideTheDefinitions) {
  GridRun grid({Pixel(10), Pixel(20)}, {Pixel(5), Pixel(6)},
               {{5, 0, 1, 1, {0, 0}},
                {1, 1, 3, 3, {0, 0}},
                {-4, -1, 1, 1, {0, 0}},
                {0, 0, 0, -2, {0, 0}},
                {0, 0, 1, 1, {0, 0}, false}});
  grid.Run(100, 100, 30, 11);
  EXPECT_EQ(CRect(10, 0, 30, 5), grid.Cell(0));
  EXPECT_EQ(CRect(10, 5, 30, 11), grid.Cell(1));
  EXPECT_EQ(CRect(0, 0, 10, 5), grid.Cell(2));
  EXPECT_EQ(CRect(0, 0, 10, 5), grid.Cell(3));
  RECT rect;
  EXPECT_FALSE(grid.layout.GetCellRect(4, &rect));
  EXPECT_FALSE(grid.layout.GetCellRect(5, &rect));
}

TEST(GridLengthTest, TextForms) {
  CTKMarkupContext* pContext = new CTKMarkupContext;
  struct Case {
    LPCWSTR lpszText;
    bool bValid;
    double dValue;
    int nUnit;
  } cases[] = {
      {L"Auto", true, 1, TKGridUnit_Auto},
      {L"aUTO", true, 1, TKGridUnit_Auto},
      {L"*", true, 1, TKGridUnit_Star},
      {L"2.5*", true, 2.5, TKGridUnit_Star},
      {L" 3 * ", true, 3, TKGridUnit_Star},
      {L"40", true, 40, TKGridUnit_Pixel},
      {L" -12.5 ", true, -12.5, TKGridUnit_Pixel},
      {L"", false, 0, 0},
      {L"Auto ", false, 0, 0},
      {L"**", false, 0, 0},
      {L"2**", false, 0, 0},
      {L"1e3", false, 0, 0},
      {L"12px", false, 0, 0},
      {L"*2", false, 0, 0},
  };
  CTKMarkupAutoPtr<> converter(pContext->CreateMarkupObject(CTKMarkupGridLength::StaticType()));
  ASSERT_NE(nullptr, MarkupCast<CTKMarkupGridLength>(converter));
  for (const Case& c : cases) {
    CTKMarkupAutoPtr<> text(CTKMarkupString::CreateValue(c.lpszText));
    CTKMarkupAutoPtr<> value(converter->ConvertFrom(nullptr, text));
    SCOPED_TRACE(CStringA(c.lpszText).GetString());
    ASSERT_EQ(c.bValid, value.Get() != nullptr);
    if (!c.bValid) continue;
    CTKMarkupGridLength* pLength = MarkupCast<CTKMarkupGridLength>(value);
    ASSERT_NE(nullptr, pLength);
    EXPECT_EQ(c.dValue, pLength->GetValue());
    EXPECT_EQ(c.nUnit, pLength->GetUnitType());
  }
  converter.Assign(nullptr);
  pContext->Release();
}
