// Stack, wrap, uniform-grid and dock panels laid out from markup texts, the
// plain panel, hit testing and the children's script enumerator.
#include <gtest/gtest.h>

#include "SupportLayout.h"
#include "EnumVariantArray.h"
#include "TKMarkupBrush.h"
#include "TKMarkupDockPanel.h"
#include "TKMarkupStackPanel.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupUniformGrid.h"
#include "TKMarkupWrapPanel.h"

namespace {

// A leaf of a fixed size.
std::wstring Box(LPCWSTR lpszName, int nWidth, int nHeight, LPCWSTR lpszMore = L"") {
  return std::wstring(L"<FrameworkElement Name='") + lpszName + L"' Width='" +
         std::to_wstring(nWidth) + L"' Height='" + std::to_wstring(nHeight) + L"' " + lpszMore +
         L"/>";
}

}  // namespace

TEST(PanelsTest, StackPanelStacksDownByDefaultAndAcrossWhenHorizontal) {
  CLayoutRun down;
  ASSERT_NE(nullptr,
            down.Layout(L"<StackPanel>" + Box(L"a", 40, 10) + Box(L"b", 150, 20) + L"</StackPanel>",
                        200, 200))
      << down.Error();
  EXPECT_EQ(CSize(150, 30), down.Root()->GetDesiredSize());
  EXPECT_EQ(CRect(0, 0, 200, 10), down.RectOf(L"a"));
  EXPECT_EQ(CRect(0, 10, 200, 30), down.RectOf(L"b"));

  CLayoutRun across;
  ASSERT_NE(nullptr, across.Layout(L"<StackPanel Orientation='horizontal'>" + Box(L"a", 40, 10) +
                                       Box(L"b", 30, 25) + L"</StackPanel>",
                                   200, 40))
      << across.Error();
  EXPECT_EQ(CSize(70, 25), across.Root()->GetDesiredSize());
  EXPECT_EQ(CRect(0, 0, 40, 40), across.RectOf(L"a"));
  EXPECT_EQ(CRect(40, 0, 70, 40), across.RectOf(L"b"));
}

// ItemWidth 50 in a 120 wide panel: two per line, and a collapsed child
// still takes its slot.
TEST(PanelsTest, WrapPanelBreaksLinesAtItsWidth) {
  CLayoutRun run;
  ASSERT_NE(nullptr,
            run.Layout(L"<WrapPanel ItemWidth='50'>" + Box(L"a", 30, 10) + Box(L"b", 30, 10) +
                           Box(L"c", 30, 10, L"Visibility='Collapsed'") + Box(L"d", 30, 10) +
                           Box(L"e", 30, 10) + L"</WrapPanel>",
                       120, 100))
      << run.Error();
  EXPECT_EQ(CSize(100, 30), run.Root()->GetDesiredSize());
  EXPECT_EQ(CRect(0, 0, 50, 10), run.RectOf(L"a"));
  EXPECT_EQ(CRect(50, 0, 100, 10), run.RectOf(L"b"));
  EXPECT_EQ(CRect(50, 10, 100, 20), run.RectOf(L"d"));
  EXPECT_EQ(CRect(0, 20, 50, 30), run.RectOf(L"e"));
}

// Items longer than the panel each sit alone on a line (the empty line
// before the first one takes no room).
TEST(PanelsTest, WrapPanelPutsAnOverlongChildOnALineOfItsOwn) {
  CLayoutRun run;
  ASSERT_NE(nullptr, run.Layout(L"<WrapPanel ItemWidth='150'>" + Box(L"a", 30, 10) +
                                    Box(L"b", 30, 20) + L"</WrapPanel>",
                                100, 100))
      << run.Error();
  EXPECT_EQ(CSize(100, 30), run.Root()->GetDesiredSize());
  EXPECT_EQ(CRect(0, 0, 150, 10), run.RectOf(L"a"));
  EXPECT_EQ(CRect(0, 10, 150, 30), run.RectOf(L"b"));

  CLayoutRun down;
  ASSERT_NE(nullptr, down.Layout(L"<WrapPanel Orientation='Vertical'>" + Box(L"a", 10, 60) +
                                     Box(L"b", 20, 60) + L"</WrapPanel>",
                                 100, 100))
      << down.Error();
  EXPECT_EQ(CSize(30, 60), down.Root()->GetDesiredSize());
  EXPECT_EQ(CRect(0, 0, 10, 60), down.RectOf(L"a"));
  EXPECT_EQ(CRect(10, 0, 30, 60), down.RectOf(L"b"));
}

// The cell counts, including counts no layout can use: nothing may divide
// by zero.
TEST(PanelsTest, UniformGridCellCounts) {
  struct Case {
    int nColumns, nRows, nFirst, nVisible;
    int nExpectedColumns, nExpectedRows, nExpectedFirst;
  } cases[] = {
      {0, 0, 0, 5, 3, 3, 0},  {0, 0, 0, 4, 2, 2, 0},    {0, 0, 0, 0, 1, 1, 0},
      {2, 0, 0, 5, 2, 3, 0},  {3, 0, 1, 7, 3, 3, 1},    {3, 0, 3, 7, 3, 3, 0},
      {0, 2, 0, 5, 3, 2, 0},  {4, 2, 1, 50, 4, 2, 1},   {0, -2, 0, 5, 3, 3, 0},
      {-3, 0, 0, 5, 3, 3, 0}, {-1, -1, -1, 2, 2, 2, 0}, {2, 0, -5, 3, 2, 2, 0},
      {0, 0, 4, 9, 3, 3, 0},
  };
  for (const Case& c : cases) {
    int nColumns = 0, nRows = 0, nFirst = 0;
    CTKMarkupUniformGrid::ComputeCells(c.nColumns, c.nRows, c.nFirst, c.nVisible, &nColumns, &nRows,
                                       &nFirst);
    SCOPED_TRACE(testing::Message()
                 << c.nColumns << "/" << c.nRows << "/" << c.nFirst << "/" << c.nVisible);
    EXPECT_EQ(c.nExpectedColumns, nColumns);
    EXPECT_EQ(c.nExpectedRows, nRows);
    EXPECT_EQ(c.nExpectedFirst, nFirst);
  }
}

TEST(PanelsTest, UniformGridFillsEqualCellsFromTheFirstColumn) {
  std::wstring children;
  for (int i = 0; i < 7; ++i) children += Box((L"c" + std::to_wstring(i)).c_str(), 10, 10);
  CLayoutRun run;
  ASSERT_NE(nullptr,
            run.Layout(L"<UniformGrid Columns='3' FirstColumn='1'>" + children + L"</UniformGrid>",
                       300, 300))
      << run.Error();
  EXPECT_EQ(CSize(30, 30), run.Root()->GetDesiredSize());
  EXPECT_EQ(CRect(100, 0, 200, 100), run.RectOf(L"c0"));
  EXPECT_EQ(CRect(200, 0, 300, 100), run.RectOf(L"c1"));
  EXPECT_EQ(CRect(0, 100, 100, 200), run.RectOf(L"c2"));
  EXPECT_EQ(CRect(0, 200, 100, 300), run.RectOf(L"c5"));

  // A collapsed child does not advance, and negative counts lay out like
  // unset ones.
  CLayoutRun odd;
  ASSERT_NE(nullptr, odd.Layout(L"<UniformGrid Rows='-2' Columns='-1'>" + Box(L"a", 10, 10) +
                                    Box(L"gone", 10, 10, L"Visibility='Collapsed'") +
                                    Box(L"b", 10, 10) + Box(L"c", 10, 10) + L"</UniformGrid>",
                                200, 100))
      << odd.Error();
  EXPECT_EQ(CRect(0, 0, 100, 50), odd.RectOf(L"a"));
  EXPECT_EQ(CRect(100, 0, 200, 50), odd.RectOf(L"b"));
  EXPECT_EQ(CRect(0, 50, 100, 100), odd.RectOf(L"c"));
}

TEST(PanelsTest, DockPanelMeasuresSidesAndFillsWithTheLastChild) {
  const std::wstring children = Box(L"a", 40, 10, L"DockPanel.Dock='Left'") +
                                Box(L"b", 30, 20, L"DockPanel.Dock='left'") +
                                Box(L"c", 50, 5, L"DockPanel.Dock='Top'");
  CLayoutRun fill;
  ASSERT_NE(nullptr, fill.Layout(L"<DockPanel>" + children + L"</DockPanel>", 200, 100))
      << fill.Error();
  EXPECT_EQ(CSize(120, 20), fill.Root()->GetDesiredSize());
  EXPECT_EQ(CRect(0, 0, 40, 100), fill.RectOf(L"a"));
  EXPECT_EQ(CRect(40, 0, 70, 100), fill.RectOf(L"b"));
  EXPECT_EQ(CRect(70, 0, 200, 100), fill.RectOf(L"c"));

  CLayoutRun docked;
  ASSERT_NE(nullptr, docked.Layout(L"<DockPanel LastChildFill='False'>" + children +
                                       Box(L"r", 30, 10, L"DockPanel.Dock='Right'") +
                                       Box(L"d", 20, 15, L"DockPanel.Dock='Bottom'") +
                                       Box(L"l", 10, 10) + L"</DockPanel>",
                                   200, 100))
      << docked.Error();
  EXPECT_EQ(CRect(70, 0, 200, 5), docked.RectOf(L"c"));
  EXPECT_EQ(CRect(170, 5, 200, 100), docked.RectOf(L"r"));
  EXPECT_EQ(CRect(70, 85, 170, 100), docked.RectOf(L"d"));
  EXPECT_EQ(CRect(70, 5, 80, 85), docked.RectOf(L"l"));  // no Dock: left

  EXPECT_NE("", BuildError(docked.Context(),
                           L"<DockPanel><FrameworkElement "
                           L"DockPanel.Dock='Middle'/></DockPanel>"));
}

TEST(PanelsTest, DockChangeRemeasuresTheDockPanel) {
  CLayoutRun run;
  ASSERT_NE(nullptr,
            run.Layout(L"<DockPanel LastChildFill='False'>" + Box(L"a", 40, 10) + L"</DockPanel>",
                       200, 100))
      << run.Error();
  EXPECT_EQ(CSize(40, 10), run.Root()->GetDesiredSize());
  CTKMarkupDockPanel::SetDock(run.Element(L"a"), TKMarkupDock_Top);
  EXPECT_EQ(TKMarkupDock_Top, CTKMarkupDockPanel::GetDock(run.Element(L"a")));
  EXPECT_EQ(CSize(40, 10), run.Root()->GetDesiredSize());
  run.Root()->Arrange(CRect(0, 0, 200, 100));
  EXPECT_EQ(CRect(0, 0, 200, 10), run.RectOf(L"a"));
}

TEST(PanelsTest, PlainPanelNeitherMeasuresNorArrangesItsChildren) {
  CLayoutRun run;
  ASSERT_NE(nullptr, run.Layout(L"<Panel>" + Box(L"a", 40, 10) + L"</Panel>", 100, 100))
      << run.Error();
  EXPECT_EQ(CSize(0, 0), run.Root()->GetDesiredSize());
  EXPECT_EQ(CSize(0, 0), run.Element(L"a")->GetDesiredSize());
  EXPECT_FALSE(run.Element(L"a")->IsArrangeValid());
}

// Between its children a panel is hit only when it has a background, even a
// transparent one.
TEST(PanelsTest, PanelIsHitBetweenChildrenOnlyWithABackground) {
  for (bool bBackground : {false, true}) {
    CLayoutRun run;
    std::wstring text = std::wstring(L"<StackPanel") +
                        (bBackground ? L" Background='Transparent'>" : L">") + Box(L"a", 20, 20) +
                        L"</StackPanel>";
    ASSERT_NE(nullptr, run.Layout(text, 100, 100)) << run.Error();
    EXPECT_EQ(bBackground ? static_cast<CTKMarkupObject*>(run.Root()) : nullptr,
              run.Root()->InputHitTest(50, 80))
        << bBackground;
    EXPECT_EQ(run.Element(L"a"), run.Root()->InputHitTest(50, 10));
  }
}

TEST(PanelsTest, ChildrenEnumeratorWalksTheChildrenInOrder) {
  CLayoutRun run;
  ASSERT_NE(nullptr,
            run.Parse(L"<StackPanel>" + Box(L"a", 1, 1) + Box(L"b", 1, 1) + L"</StackPanel>"))
      << run.Error();
  VARIANT children, enumerator;
  ASSERT_EQ(S_OK,
            InvokeMember(run.Root(), L"Children", DISPATCH_PROPERTYGET, nullptr, 0, &children));
  ASSERT_EQ(VT_DISPATCH, children.vt);
  CTKMarkupObject* pCollection = MarkupObjectFromDispatch(children.pdispVal, FALSE);
  ASSERT_EQ(S_OK,
            InvokeMember(pCollection, L"_NewEnum", DISPATCH_PROPERTYGET, nullptr, 0, &enumerator));
  ASSERT_EQ(VT_UNKNOWN, enumerator.vt);
  IEnumVARIANT* pEnum = nullptr;
  ASSERT_EQ(S_OK,
            enumerator.punkVal->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&pEnum)));
  VARIANT items[3];
  ULONG nFetched = 0;
  EXPECT_EQ(S_FALSE, pEnum->Next(3, items, &nFetched));
  ASSERT_EQ(2u, nFetched);
  EXPECT_EQ(run.Element(L"a"), MarkupObjectFromDispatch(items[0].pdispVal, FALSE));
  EXPECT_EQ(run.Element(L"b"), MarkupObjectFromDispatch(items[1].pdispVal, FALSE));
  VariantClear(&items[0]);
  VariantClear(&items[1]);
  pEnum->Release();
  VariantClear(&enumerator);
  VariantClear(&children);
}

// Each tag of this family makes an object of its own class, and the
// tag-less rows make theirs too.
TEST(PanelsTest, TypeRowsMakeTheirClasses) {
  CTestContext context;
  struct Case {
    TKMarkupTypeRowId nRow;
    LPCWSTR lpszTag;
    TKMarkupTypeRowId nBase;
  } cases[] = {
      {TKMarkupRow_StackPanel, L"StackPanel", TKMarkupRow_Panel},
      {TKMarkupRow_WrapPanel, L"WrapPanel", TKMarkupRow_Panel},
      {TKMarkupRow_UniformGrid, L"UniformGrid", TKMarkupRow_Panel},
      {TKMarkupRow_DockPanel, L"DockPanel", TKMarkupRow_Panel},
      {TKMarkupRow_Grid, L"Grid", TKMarkupRow_Panel},
      {TKMarkupRow_Page, L"Page", TKMarkupRow_FrameworkElement},
      {TKMarkupRow_WindowContainer, L"WindowContainer", TKMarkupRow_FrameworkElement},
      {TKMarkupRow_RowDefinition, L"RowDefinition", TKMarkupRow_DefinitionBase},
      {TKMarkupRow_ColumnDefinition, L"ColumnDefinition", TKMarkupRow_DefinitionBase},
      {TKMarkupRow_DefinitionBase, L"DefinitionBase", TKMarkupRow_FrameworkContentElement},
      {TKMarkupRow_DefinitionCollection, nullptr, TKMarkupRow_Collection},
      {TKMarkupRow_RowDefinitionCollection, nullptr, TKMarkupRow_DefinitionCollection},
      {TKMarkupRow_ColumnDefinitionCollection, nullptr, TKMarkupRow_DefinitionCollection},
      {TKMarkupRow_GridLength, nullptr, TKMarkupRow_Object},
  };
  for (const Case& c : cases) {
    CTKMarkupType* pType = TKMarkupTypeRow(c.nRow);
    SCOPED_TRACE(CStringA(pType->GetClassName()).GetString());
    if (c.lpszTag != nullptr) {
      EXPECT_EQ(pType, FindMarkupType(c.lpszTag));
    }
    CTKMarkupAutoPtr<> object(context->CreateMarkupObject(pType));
    ASSERT_NE(nullptr, object.Get());
    EXPECT_EQ(pType, object->GetType());
    EXPECT_TRUE(object->IsKindOf(TKMarkupTypeRow(c.nBase)));
  }
}

TEST(PanelsTest, BackgroundFromScript) {
  CLayoutRun run;
  ASSERT_NE(nullptr, run.Parse(L"<StackPanel>" + Box(L"a", 1, 1) + L"</StackPanel>"))
      << run.Error();
  CTKMarkupPanel* pPanel = MarkupCast<CTKMarkupPanel>(run.Root());
  CTKMarkupAutoPtr<CTKMarkupSolidColorBrush> brush(new CTKMarkupSolidColorBrush(RGB(1, 2, 3)));
  VARIANT arg, result;
  arg.vt = VT_DISPATCH;
  arg.pdispVal = brush->GetIDispatch(FALSE);
  ASSERT_EQ(S_OK, InvokeMember(pPanel, L"Background", DISPATCH_PROPERTYPUT, &arg, 1, &result));
  EXPECT_EQ(brush.Get(), pPanel->GetBackground());
  ASSERT_EQ(S_OK, InvokeMember(pPanel, L"Background", DISPATCH_PROPERTYGET, nullptr, 0, &result));
  EXPECT_EQ(brush.Get(), MarkupObjectFromDispatch(result.pdispVal, FALSE));
  VariantClear(&result);

  // Only brushes: another markup object is refused and changes nothing.
  arg.pdispVal = run.Element(L"a")->GetIDispatch(FALSE);
  EXPECT_NE(S_OK, InvokeMember(pPanel, L"Background", DISPATCH_PROPERTYPUT, &arg, 1, &result));
  EXPECT_EQ(brush.Get(), pPanel->GetBackground());
  arg.pdispVal = nullptr;
  ASSERT_EQ(S_OK, InvokeMember(pPanel, L"Background", DISPATCH_PROPERTYPUT, &arg, 1, &result));
  EXPECT_EQ(nullptr, pPanel->GetBackground());
}
