#include "foundation/TextUtilities.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "foundation/TesselList.h"

namespace {

int Compare(const char* a, const char* b) {
  CTesselString x(a), y(b);
  return CompareNatural(&x, &y);
}

TEST(TextUtilitiesTest, CompareNaturalOrdersNumbersByValue) {
  const struct {
    const char* a;
    const char* b;
    int result;
  } cases[] = {
      {"item 2", "item 10", -1},
      {"Item 2", "item 2", 0},
      {"item 10", "item 9", 1},
      {"a", "B", -1},
      {"", "a", -1},
      {"", "", 0},
      {"file007", "file7", 0},
      {"x99999999999999999999", "x100000000000000000000", -1},  // beyond 64 bits
      {"v1.10", "v1.9", 1},
      {"a1", "a!", 1},
      {"abc", "ab", 1},
      {"2 apples", "10 apples", -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " | " + c.b);
    EXPECT_EQ(c.result, Compare(c.a, c.b));
    EXPECT_EQ(-c.result, Compare(c.b, c.a));
  }
}

TEST(TextUtilitiesTest, CompareNaturalLeavesItsArgumentsAsTheyAre) {
  CTesselString wide("item 2"), narrow("item 10");
  wide.MakeWide();
  EXPECT_EQ(-1, CompareNatural(&wide, &narrow));
  EXPECT_TRUE(wide.IsWide());
  EXPECT_EQ(0, CompareNatural(nullptr, nullptr));
  EXPECT_EQ(1, CompareNatural(&narrow, nullptr));
}

std::string RandomText(std::mt19937* random) {
  static const char kAlphabet[] = "aAbB 0129._-";
  std::uniform_int_distribution<int> length(0, 7);
  std::uniform_int_distribution<int> pick(0, (int)sizeof(kAlphabet) - 2);
  std::string text;
  for (int n = length(*random); n > 0; --n) text += kAlphabet[pick(*random)];
  return text;
}

int Sign(int v) { return (v > 0) - (v < 0); }

// Sorting with a comparison that is not a consistent order can crash or loop;
// check the laws of an order on many generated texts.
TEST(TextUtilitiesTest, CompareNaturalIsAConsistentOrder) {
  std::mt19937 random(20240611);
  std::vector<CTesselString> texts;
  for (int i = 0; i < 120; ++i) texts.emplace_back(RandomText(&random).c_str());
  texts.emplace_back("item 2");
  texts.emplace_back("Item 2");
  texts.emplace_back("item 10");
  const size_t n = texts.size();
  std::vector<std::vector<int>> result(n, std::vector<int>(n));
  for (size_t i = 0; i < n; ++i) {
    for (size_t j = 0; j < n; ++j) result[i][j] = CompareNatural(&texts[i], &texts[j]);
  }
  for (size_t i = 0; i < n; ++i) {
    ASSERT_EQ(0, result[i][i]);
    for (size_t j = 0; j < n; ++j) {
      ASSERT_EQ(result[i][j], -result[j][i]) << texts[i].GetText() << " | " << texts[j].GetText();
      ASSERT_EQ(result[i][j], Sign(result[i][j]));
      for (size_t k = 0; k < n; ++k) {
        if (result[i][j] <= 0 && result[j][k] <= 0) {
          ASSERT_LE(result[i][k], 0)
              << texts[i].GetText() << " | " << texts[j].GetText() << " | " << texts[k].GetText();
          if (result[i][j] == 0 && result[j][k] == 0) {
            ASSERT_EQ(0, result[i][k]);
          }
        }
      }
    }
  }

  std::vector<size_t> order(n);
  for (size_t i = 0; i < n; ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return result[a][b] < 0; });
  for (size_t i = 1; i < n; ++i) EXPECT_LE(result[order[i - 1]][order[i]], 0);
}

std::vector<std::string> Split(const char* text, const char* separator, bool* result) {
  CTesselList list;
  *result = SplitString(CTesselString(text), CTesselString(separator), &list);
  std::vector<std::string> items;
  for (int i = 0; i < list.GetCount(); ++i)
    items.push_back(static_cast<CTesselString*>(list.GetAt(i))->GetText());
  list.DeleteAll();
  return items;
}

TEST(TextUtilitiesTest, SplitStringAtEverySeparator) {
  const struct {
    const char* text;
    const char* separator;
    std::vector<std::string> items;
  } cases[] = {
      {"a,,b", ",", {"a", "", "b"}},
      {"a,b,", ",", {"a", "b"}},
      {",a", ",", {"", "a"}},
      {"one", ",", {"one"}},
      {"xSEPySepz", "SEP", {"x", "ySepz"}},
      {"", ",", {}},
      {"a,b", "", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    bool result = false;
    EXPECT_EQ(c.items, Split(c.text, c.separator, &result));
    EXPECT_EQ(!c.items.empty(), result);
  }
}

TEST(TextUtilitiesTest, SplitStringReplacesWhatTheListHeld) {
  CTesselList list;
  list.SetElementTypeString();
  CTesselString old("old");
  list.AddCopy(&old);
  ASSERT_TRUE(SplitString(CTesselString("x,y"), CTesselString(","), &list));
  EXPECT_EQ(2, list.GetCount());
  EXPECT_STREQ("x", static_cast<CTesselString*>(list.GetAt(0))->GetText());
  list.DeleteAll();
  EXPECT_FALSE(SplitString(CTesselString("x"), CTesselString(","), nullptr));
}

}  // namespace
