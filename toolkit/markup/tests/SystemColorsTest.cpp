// The system colours of markup: the names under "SystemColors", their values,
// and the fall-back of resource keys.
#include <gtest/gtest.h>

#include "SupportMarkup.h"
#include "TKMarkupBrush.h"
#include "TKMarkupString.h"
#include "TKMarkupSystemColors.h"
#include "TKMarkupValues.h"

namespace {

DWORD Opaque(int nIndex) { return 0xFF000000 | ::GetSysColor(nIndex); }

}  // namespace

TEST(SystemColorsTest, RowsNameTheirSystemColourIndexes) {
  struct Case {
    LPCWSTR lpszName;
    int nIndex;
  } cases[] = {
      {L"ActiveBorder", COLOR_ACTIVEBORDER},
      {L"Control", COLOR_BTNFACE},
      {L"ControlLightLight", COLOR_BTNHIGHLIGHT},
      {L"Desktop", COLOR_BACKGROUND},
      {L"HotTrack", COLOR_HOTLIGHT},
      {L"MenuBar", COLOR_MENUBAR},
      {L"ScrollBar", COLOR_SCROLLBAR},
      {L"WindowText", COLOR_WINDOWTEXT},
  };
  int nRows = 0;
  const TK_MARKUP_SYSTEM_COLOR* pTable = GetMarkupSystemColorsTable(&nRows);
  ASSERT_EQ(30, nRows);
  EXPECT_STREQ(L"ActiveBorder", pTable[0].lpszName);
  EXPECT_STREQ(L"WindowText", pTable[29].lpszName);
  for (const Case& c : cases) {
    int nFound = -1;
    for (int i = 0; i < nRows; ++i) {
      if (wcscmp(pTable[i].lpszName, c.lpszName) == 0) nFound = pTable[i].nIndex;
    }
    EXPECT_EQ(c.nIndex, nFound) << CStringA(c.lpszName).GetString();
  }
}

// Every leaf, in the node's order: Color, ColorKey, Brush, BrushKey of each
// row, each holding the opaque system colour of its row or a key of its index.
TEST(SystemColorsTest, EveryLeafHoldsTheColourOfItsRow) {
  CTestContext context;
  int nRows = 0;
  const TK_MARKUP_SYSTEM_COLOR* pTable = GetMarkupSystemColorsTable(&nRows);
  ASSERT_EQ(4 * nRows, GetMarkupSystemColorLeafCount());
  for (int nLeaf = 0; nLeaf < GetMarkupSystemColorLeafCount(); ++nLeaf) {
    const TK_MARKUP_SYSTEM_COLOR& row = pTable[nLeaf / 4];
    const CStringW name = GetMarkupSystemColorLeafName(nLeaf);
    SCOPED_TRACE(CStringA(name).GetString());
    EXPECT_EQ(nLeaf, FindMarkupSystemColorLeaf(name));
    CTKMarkupAutoPtr<> value(CreateMarkupSystemColorLeafValue(nLeaf));
    ASSERT_NE(nullptr, value.Get());
    switch (nLeaf % 4) {
      case 0:
        EXPECT_EQ(CStringW(row.lpszName) + L"Color", name);
        ASSERT_NE(nullptr, MarkupCast<CTKMarkupColor>(value));
        EXPECT_EQ(Opaque(row.nIndex), MarkupCast<CTKMarkupColor>(value)->GetValue());
        break;
      case 1:
        EXPECT_EQ(CStringW(row.lpszName) + L"ColorKey", name);
        ASSERT_NE(nullptr, MarkupCast<CTKMarkupColorKey>(value));
        EXPECT_EQ(row.nIndex, MarkupCast<CTKMarkupColorKey>(value)->GetIndex());
        break;
      case 2:
        EXPECT_EQ(CStringW(row.lpszName) + L"Brush", name);
        ASSERT_NE(nullptr, MarkupCast<CTKMarkupSolidColorBrush>(value));
        ASSERT_NE(nullptr, MarkupCast<CTKMarkupSolidColorBrush>(value)->GetColor());
        EXPECT_EQ(Opaque(row.nIndex),
                  MarkupCast<CTKMarkupSolidColorBrush>(value)->GetColor()->GetValue());
        break;
      default:
        EXPECT_EQ(CStringW(row.lpszName) + L"BrushKey", name);
        ASSERT_NE(nullptr, MarkupCast<CTKMarkupBrushKey>(value));
        EXPECT_EQ(row.nIndex, MarkupCast<CTKMarkupBrushKey>(value)->GetIndex());
    }
  }
}

TEST(SystemColorsTest, LeafNamesMatchExactly) {
  EXPECT_EQ(-1, FindMarkupSystemColorLeaf(L"ControlBrushes"));
  EXPECT_EQ(-1, FindMarkupSystemColorLeaf(L"controlbrush"));
  EXPECT_EQ(-1, FindMarkupSystemColorLeaf(L"Control"));
  EXPECT_EQ(-1, FindMarkupSystemColorLeaf(L""));
  EXPECT_EQ(-1, FindMarkupSystemColorLeaf(nullptr));
  EXPECT_EQ(nullptr, CreateMarkupSystemColorLeafValue(-1));
  EXPECT_EQ(nullptr, CreateMarkupSystemColorLeafValue(GetMarkupSystemColorLeafCount()));
  EXPECT_TRUE(GetMarkupSystemColorLeafName(120).IsEmpty());
}

// A key that no dictionary holds falls back to a new value of the key's
// system colour; any other key has no fall-back.
TEST(SystemColorsTest, KeysFallBackToNewValuesOfTheirSystemColour) {
  CTestContext context;
  CTKMarkupAutoPtr<> colorKey(new CTKMarkupColorKey(COLOR_BTNFACE));
  CTKMarkupAutoPtr<> first(ResolveSystemColorKey(colorKey));
  CTKMarkupAutoPtr<> second(ResolveSystemColorKey(colorKey));
  ASSERT_NE(nullptr, MarkupCast<CTKMarkupColor>(first));
  EXPECT_EQ(Opaque(COLOR_BTNFACE), MarkupCast<CTKMarkupColor>(first)->GetValue());
  EXPECT_NE(first.Get(), second.Get());

  CTKMarkupAutoPtr<> brushKey(new CTKMarkupBrushKey(COLOR_WINDOW));
  CTKMarkupAutoPtr<> brush(ResolveSystemColorKey(brushKey));
  ASSERT_NE(nullptr, MarkupCast<CTKMarkupSolidColorBrush>(brush));
  EXPECT_EQ(Opaque(COLOR_WINDOW),
            MarkupCast<CTKMarkupSolidColorBrush>(brush)->GetColor()->GetValue());

  CTKMarkupAutoPtr<> stringKey(CTKMarkupString::CreateValue(L"ControlBrushKey"));
  EXPECT_EQ(nullptr, ResolveSystemColorKey(stringKey));
  EXPECT_EQ(nullptr, ResolveSystemColorKey(nullptr));
}
