// Markup string values: the shared instances, copying, hashing and equality.
#include <gtest/gtest.h>

#include "TKMarkupString.h"
#include "TKMarkupValues.h"

namespace {

// Takes over one reference and releases it at the end of the test.
struct Held {
  explicit Held(CTKMarkupString* p) : pString(p) {}
  ~Held() { pString->Release(); }
  CTKMarkupString* pString;
};

TEST(StringValue, EmptyTextsShareOneInstance) {
  Held a(CTKMarkupString::CreateValue(nullptr, 5));
  Held b(CTKMarkupString::CreateValue(L"", -1));
  Held c(CTKMarkupString::CreateValue(L"x", 0));
  EXPECT_EQ(a.pString, b.pString);
  EXPECT_EQ(a.pString, c.pString);
  EXPECT_EQ(a.pString->GetLength(), 0);
  EXPECT_STREQ(a.pString->GetText(), L"");
}

TEST(StringValue, SingleBlankAndLineFeedAreShared) {
  Held blank(CTKMarkupString::CreateValue(L" "));
  Held blankAgain(CTKMarkupString::CreateValue(L" ", 1));
  Held lineFeed(CTKMarkupString::CreateValue(L"\n"));
  Held lineFeedAgain(CTKMarkupString::CreateValue(L"\nabc", 1));
  Held twoBlanks(CTKMarkupString::CreateValue(L"  "));
  Held twoBlanksAgain(CTKMarkupString::CreateValue(L"  "));
  EXPECT_EQ(blank.pString, blankAgain.pString);
  EXPECT_EQ(lineFeed.pString, lineFeedAgain.pString);
  EXPECT_STREQ(lineFeed.pString->GetText(), L"\n");
  EXPECT_NE(twoBlanks.pString, twoBlanksAgain.pString);
  EXPECT_TRUE(twoBlanks.pString->IsEqual(twoBlanksAgain.pString));
}

TEST(StringValue, LengthCutsTheText) {
  Held abc(CTKMarkupString::CreateValue(L"abcdef", 3));
  EXPECT_STREQ(abc.pString->GetText(), L"abc");
  EXPECT_EQ(abc.pString->GetLength(), 3);
}

TEST(StringValue, HashAndEqualityAreCaseSensitive) {
  Held upper(CTKMarkupString::CreateValue(L"A"));
  Held lower(CTKMarkupString::CreateValue(L"a"));
  EXPECT_EQ(upper.pString->GetHashKey(), 65u);
  EXPECT_EQ(lower.pString->GetHashKey(), 97u);
  EXPECT_FALSE(upper.pString->IsEqual(lower.pString));
  Held ab(CTKMarkupString::CreateValue(L"ab"));
  EXPECT_EQ(ab.pString->GetHashKey(), 97u * 33 + 98);
  CTKMarkupInt* pInt = new CTKMarkupInt(65);
  EXPECT_FALSE(upper.pString->IsEqual(pInt));
  pInt->Release();
}

TEST(StringValue, AnsiTextIsConverted) {
  Held text(CTKMarkupString::CreateValueFromAnsi("caf\xe9"));
  EXPECT_STREQ(text.pString->GetText(), L"caf\x00e9");
  Held none(CTKMarkupString::CreateValueFromAnsi(nullptr));
  Held empty(CTKMarkupString::CreateValue(nullptr));
  EXPECT_EQ(none.pString, empty.pString);
  CTKMarkupString* pDirect = new CTKMarkupString("x\xe9");
  EXPECT_EQ(pDirect->GetLength(), 2);
  pDirect->Release();
}

TEST(StringValue, TextOfOtherValuesIsNull) {
  CTKMarkupInt* pInt = new CTKMarkupInt(1);
  EXPECT_EQ(MarkupStringText(pInt), nullptr);
  EXPECT_EQ(MarkupStringText(nullptr), nullptr);
  pInt->Release();
}

}  // namespace
