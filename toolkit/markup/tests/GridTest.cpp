// Grids laid out from markup texts: definitions of every kind, spans, cells
// outside the definitions, changes that re-measure, and the builder's
// errors.
#include <gtest/gtest.h>

#include "SupportLayout.h"
#include "TKMarkupDefinitionBase.h"
#include "TKMarkupDefinitionCollection.h"
#include "TKMarkupGrid.h"
#include "TKMarkupGridLength.h"
#include "TKMarkupValues.h"

namespace {

std::wstring Box(LPCWSTR lpszName, LPCWSTR lpszMore) {
  return std::wstring(L"<FrameworkElement Name='") + lpszName + L"' " + lpszMore + L"/>";
}

const wchar_t kMixed[] =
    L"<Grid>"
    L"<Grid.ColumnDefinitions><ColumnDefinition Width='Auto'/><ColumnDefinition Width='50'/>"
    L"<ColumnDefinition Width='*'/><ColumnDefinition Width='2*'/></Grid.ColumnDefinitions>"
    L"<Grid.RowDefinitions><RowDefinition Height='Auto'/><RowDefinition/></Grid.RowDefinitions>"
    L"<FrameworkElement Name='a' Width='30' Height='10'/>"
    L"<FrameworkElement Name='b' Grid.Column='2' Grid.ColumnSpan='2' Height='20'/>"
    L"<FrameworkElement Name='c' Grid.Row='1' Grid.Column='1'/>"
    L"</Grid>";

}  // namespace

TEST(GridTest, WithoutDefinitionsChildrenLieOverEachOther) {
  CLayoutRun run;
  ASSERT_NE(nullptr, run.Layout(L"<Grid>" + Box(L"a", L"Width='40' Height='10'") +
                                    Box(L"b", L"Width='20' Height='30'") + L"</Grid>",
                                200, 100))
      << run.Error();
  EXPECT_EQ(CSize(40, 30), run.Root()->GetDesiredSize());
  EXPECT_EQ(CRect(0, 0, 200, 100), run.RectOf(L"a"));
  EXPECT_EQ(CRect(0, 0, 200, 100), run.RectOf(L"b"));
}

TEST(GridTest, AutoPixelAndStarDefinitionsWithSpans) {
  CLayoutRun run;
  ASSERT_NE(nullptr, run.Layout(kMixed, 380, 100)) << run.Error();
  EXPECT_EQ(CSize(80, 20), run.Root()->GetDesiredSize());
  EXPECT_EQ(CRect(0, 0, 30, 20), run.RectOf(L"a"));
  EXPECT_EQ(CRect(80, 0, 380, 20), run.RectOf(L"b"));
  EXPECT_EQ(CRect(30, 20, 80, 100), run.RectOf(L"c"));

  // The same text gives the same cells every time.
  for (int i = 0; i < 3; ++i) {
    CLayoutRun again;
    ASSERT_NE(nullptr, again.Layout(kMixed, 380, 100));
    EXPECT_EQ(run.RectOf(L"b"), again.RectOf(L"b"));
  }
}

// Column and Row outside the definitions are taken into them, and spans
// are cut at the last definition.
TEST(GridTest, CellsOutsideTheDefinitionsAreClampedIntoThem) {
  CLayoutRun run;
  ASSERT_NE(nullptr,
            run.Layout(L"<Grid><Grid.ColumnDefinitions><ColumnDefinition Width='10'/>"
                       L"<ColumnDefinition Width='20'/></Grid.ColumnDefinitions>"
                       L"<Grid.RowDefinitions><RowDefinition Height='5'/><RowDefinition "
                       L"Height='6'/></Grid.RowDefinitions>" +
                           Box(L"last", L"Grid.Column='5'") +
                           Box(L"span", L"Grid.Column='1' Grid.ColumnSpan='3'") +
                           Box(L"negative", L"Grid.Column='-3' Grid.Row='-1'") +
                           Box(L"zero", L"Grid.Row='1' Grid.ColumnSpan='0' Grid.RowSpan='-2'") +
                           L"</Grid>",
                       100, 100))
      << run.Error();
  EXPECT_EQ(CRect(10, 0, 30, 5), run.RectOf(L"last"));
  EXPECT_EQ(CRect(10, 0, 30, 5), run.RectOf(L"span"));
  EXPECT_EQ(CRect(0, 0, 10, 5), run.RectOf(L"negative"));
  EXPECT_EQ(CRect(0, 5, 10, 11), run.RectOf(L"zero"));
  EXPECT_EQ(-3, CTKMarkupGrid::GetColumn(run.Element(L"negative")));
  EXPECT_EQ(1, CTKMarkupGrid::GetColumnSpan(run.Element(L"zero")));
  EXPECT_EQ(1, CTKMarkupGrid::GetRowSpan(run.Element(L"zero")));
}

TEST(GridTest, PixelDefinitionsKeepTheirLimits) {
  CLayoutRun run;
  ASSERT_NE(nullptr, run.Layout(L"<Grid><Grid.ColumnDefinitions>"
                                L"<ColumnDefinition Width='100' MinWidth='150'/>"
                                L"<ColumnDefinition Width='100' MaxWidth='80'/><ColumnDefinition/>"
                                L"</Grid.ColumnDefinitions>" +
                                    Box(L"a", L"") + Box(L"b", L"Grid.Column='1'") +
                                    Box(L"c", L"Grid.Column='2'") + L"</Grid>",
                                400, 50))
      << run.Error();
  EXPECT_EQ(CRect(0, 0, 150, 50), run.RectOf(L"a"));
  EXPECT_EQ(CRect(150, 0, 230, 50), run.RectOf(L"b"));
  EXPECT_EQ(CRect(230, 0, 400, 50), run.RectOf(L"c"));
}

// A definition's limit changed from code re-measures its grid by itself:
// arranging again without a measure already sees the new size.
TEST(GridTest, DefinitionChangeRemeasuresTheGrid) {
  CLayoutRun run;
  ASSERT_NE(nullptr, run.Layout(L"<Grid><Grid.RowDefinitions><RowDefinition Height='50'/>"
                                L"<RowDefinition/></Grid.RowDefinitions>" +
                                    Box(L"a", L"") + Box(L"b", L"Grid.Row='1'") + L"</Grid>",
                                100, 100))
      << run.Error();
  EXPECT_EQ(CRect(0, 50, 100, 100), run.RectOf(L"b"));
  CTKMarkupGrid* pGrid = MarkupCast<CTKMarkupGrid>(run.Root());
  ASSERT_NE(nullptr, pGrid);
  CTKMarkupDefinitionBase* pRow = pGrid->GetRowDefinitions()->GetDefinition(0);
  pRow->SetValue(CTKMarkupRowDefinition::MaxHeightProperty, new CTKMarkupInt(20));
  run.Root()->Arrange(CRect(0, 0, 100, 100));
  EXPECT_EQ(CRect(0, 0, 100, 20), run.RectOf(L"a"));
  EXPECT_EQ(CRect(0, 20, 100, 100), run.RectOf(L"b"));

  // So does moving a child to another cell.
  CTKMarkupGrid::SetRow(run.Element(L"a"), 1);
  run.Root()->Arrange(CRect(0, 0, 100, 100));
  EXPECT_EQ(CRect(0, 20, 100, 100), run.RectOf(L"a"));
}

TEST(GridTest, DefinitionScriptMembers) {
  CLayoutRun run;
  ASSERT_NE(nullptr, run.Parse(L"<Grid><Grid.ColumnDefinitions><ColumnDefinition Width='2.5*'/>"
                               L"</Grid.ColumnDefinitions></Grid>"))
      << run.Error();
  CTKMarkupGrid* pGrid = MarkupCast<CTKMarkupGrid>(run.Root());
  ASSERT_NE(nullptr, pGrid);
  CTKMarkupDefinitionBase* pColumn = pGrid->GetColumnDefinitions()->GetDefinition(0);
  VARIANT arg, result;
  arg.vt = VT_I4;
  arg.lVal = TKGridUnit_Pixel;
  ASSERT_EQ(S_OK, InvokeMember(pColumn, L"UnitType", DISPATCH_PROPERTYPUT, &arg, 1, &result));
  EXPECT_EQ(2.0, pColumn->GetUserSize()->GetValue());
  EXPECT_EQ(TKGridUnit_Pixel, pColumn->GetUserSize()->GetUnitType());
  ASSERT_EQ(S_OK, InvokeMember(pColumn, L"MaxWidth", DISPATCH_PROPERTYGET, nullptr, 0, &result));
  EXPECT_EQ(INT_MAX, result.lVal);

  ASSERT_EQ(S_OK,
            InvokeMember(pGrid, L"ColumnDefinitions", DISPATCH_PROPERTYGET, nullptr, 0, &result));
  ASSERT_EQ(VT_DISPATCH, result.vt);
  EXPECT_EQ(pGrid->GetColumnDefinitions(), MarkupObjectFromDispatch(result.pdispVal, FALSE));
  VARIANT enumerator;
  ASSERT_EQ(S_OK, InvokeMember(pGrid->GetColumnDefinitions(), L"_NewEnum", DISPATCH_PROPERTYGET,
                               nullptr, 0, &enumerator));
  EXPECT_EQ(VT_UNKNOWN, enumerator.vt);
  VariantClear(&enumerator);
  VariantClear(&result);
}

TEST(GridTest, BuilderErrors) {
  CTestContext context;
  struct Case {
    const wchar_t* text;
    const char* error;
  } cases[] = {
      {L"<Grid RowDefinitions='x'/>", "CTKMarkupRowDefinitionCollection class expected"},
      {L"<Grid ColumnDefinitions='x'/>", "CTKMarkupColumnDefinitionCollection class expected"},
      {L"<Grid><Grid.ColumnDefinitions><RowDefinition/></Grid.ColumnDefinitions></Grid>",
       "'CTKMarkupRowDefinition' object cannot be added to "
       "'CTKMarkupColumnDefinitionCollection'. Object cannot be converted to type "
       "'CTKMarkupColumnDefinition'"},
      {L"<Grid><Grid.ColumnDefinitions><ColumnDefinition Width='wide'/>"
       L"</Grid.ColumnDefinitions></Grid>",
       "Cannot convert string in attribute 'Width' to object of type 'CTKMarkupGridLength'"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.error, BuildError(context, c.text));
}

// Removing definitions does not re-measure the grid; an arrange before the
// next measure must still stay inside the definitions that are left.
TEST(GridTest, ArrangeAfterDefinitionsWereRemovedStaysInside) {
  CLayoutRun run;
  ASSERT_NE(nullptr, run.Layout(L"<Grid><Grid.ColumnDefinitions><ColumnDefinition Width='10'/>"
                                L"<ColumnDefinition Width='20'/><ColumnDefinition Width='30'/>"
                                L"</Grid.ColumnDefinitions>" +
                                    Box(L"a", L"Grid.Column='2'") + L"</Grid>",
                                100, 50))
      << run.Error();
  EXPECT_EQ(CRect(30, 0, 60, 50), run.RectOf(L"a"));
  CTKMarkupGrid* pGrid = MarkupCast<CTKMarkupGrid>(run.Root());
  pGrid->GetColumnDefinitions()->RemoveAt(2);
  pGrid->GetColumnDefinitions()->RemoveAt(1);
  run.Root()->Arrange(CRect(0, 0, 90, 50));
  EXPECT_EQ(CRect(0, 0, 90, 50), run.RectOf(L"a"));
  pGrid->GetColumnDefinitions()->RemoveAll();
  run.Root()->Arrange(CRect(0, 0, 80, 50));
  EXPECT_EQ(CRect(0, 0, 80, 50), run.RectOf(L"a"));
  run.Relayout(100, 50);
  EXPECT_EQ(CRect(0, 0, 100, 50), run.RectOf(L"a"));
}
