// Conversions between ANSI text, wide text, UTF-8 and CTesselString. The ANSI
// cases are written for code page 1252, the code page Wine gives the tests.
#include "foundation/TextConversion.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The same text in each form: "café €" and a character outside the BMP.
const wchar_t kWide[] = L"caf\u00E9 \u20AC\U0001F600";
const char kUtf8[] = "caf\xC3\xA9 \xE2\x82\xAC\xF0\x9F\x98\x80";

class TextConversionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (GetACP() != 1252) GTEST_SKIP() << "the ANSI code page is " << GetACP();
  }
};

TEST_F(TextConversionTest, AnsiAndWideMeetInTheCodePage) {
  const struct {
    std::string ansi;
    std::wstring wide;
  } cases[] = {
      {"plain", L"plain"},
      {"caf\xE9 \x80", L"caf\u00E9 \u20AC"},
      {"\x9F\xFF", L"\u0178\u00FF"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ansi);
    EXPECT_EQ(c.wide, WideFromAnsi(c.ansi));
    EXPECT_EQ(c.wide, WideFromAnsi(c.ansi.c_str()));
    EXPECT_EQ(c.wide, WideFromAnsi(CString(c.ansi.c_str())));
    EXPECT_EQ(c.ansi, AnsiFromWide(c.wide));
    EXPECT_EQ(c.ansi, AnsiFromWide(c.wide.c_str()));
    EXPECT_STREQ(c.ansi.c_str(), CStringFromWide(c.wide));
    EXPECT_STREQ(c.ansi.c_str(), CStringFromWide(c.wide.c_str()));
  }
}

TEST_F(TextConversionTest, WhatTheCodePageLacksBecomesItsDefaultCharacter) {
  EXPECT_EQ("a?b", AnsiFromWide(L"a\u4E2Db"));
  EXPECT_EQ("caf\xE9 ?", AnsiFromUtf8("caf\xC3\xA9 \xE4\xB8\xAD"));
}

TEST_F(TextConversionTest, Utf8RoundTripsEveryCharacter) {
  EXPECT_EQ(std::wstring(kWide), WideFromUtf8(kUtf8));
  EXPECT_EQ(std::wstring(kWide), WideFromUtf8(std::string(kUtf8)));
  EXPECT_EQ(kUtf8, Utf8FromWide(kWide));
  EXPECT_EQ(kUtf8, Utf8FromWide(std::wstring(kWide)));
  EXPECT_EQ(kUtf8, Utf8FromWide(WideFromUtf8(kUtf8)));

  EXPECT_EQ("caf\xC3\xA9 \xE2\x82\xAC", Utf8FromAnsi(std::string("caf\xE9 \x80")));
  EXPECT_EQ("caf\xC3\xA9 \xE2\x82\xAC", Utf8FromAnsi(CString("caf\xE9 \x80")));
  EXPECT_EQ("caf\xE9 \x80", AnsiFromUtf8("caf\xC3\xA9 \xE2\x82\xAC"));
  EXPECT_STREQ("caf\xE9 \x80", CStringFromUtf8("caf\xC3\xA9 \xE2\x82\xAC"));
}

TEST_F(TextConversionTest, BytesThatAreNotUtf8BecomeReplacementCharacters) {
  EXPECT_EQ(std::wstring(L"a\uFFFDb"), WideFromUtf8("a\xFF"
                                                    "b"));
}

TEST_F(TextConversionTest, EmptyAndNullAreEmpty) {
  EXPECT_EQ(L"", WideFromAnsi(""));
  EXPECT_EQ(L"", WideFromAnsi(static_cast<const char*>(nullptr)));
  EXPECT_EQ(L"", WideFromAnsi(std::string()));
  EXPECT_EQ(L"", WideFromAnsi(CString()));
  EXPECT_EQ("", AnsiFromWide(L""));
  EXPECT_EQ("", AnsiFromWide(static_cast<const wchar_t*>(nullptr)));
  EXPECT_EQ(L"", WideFromUtf8(static_cast<const char*>(nullptr)));
  EXPECT_EQ("", Utf8FromWide(std::wstring()));
  EXPECT_EQ("", Utf8FromAnsi(std::string()));
  EXPECT_EQ("", AnsiFromUtf8(""));
  EXPECT_TRUE(CStringFromWide(static_cast<const wchar_t*>(nullptr)).IsEmpty());
  EXPECT_TRUE(CStringFromUtf8("").IsEmpty());
  EXPECT_EQ(L"", WideFromBytes(nullptr, 5, CP_UTF8));
  EXPECT_EQ("", BytesFromWide(nullptr, 5, CP_UTF8));
}

TEST_F(TextConversionTest, CountedTextKeepsEmbeddedNulsAndPointersStopAtThem) {
  const std::string ansi("a\0\xE9", 3);
  const std::wstring wide(L"a\0\u00E9", 3);
  EXPECT_EQ(wide, WideFromAnsi(ansi));
  EXPECT_EQ(wide, WideFromAnsi(CString(ansi.data(), 3)));
  EXPECT_EQ(ansi, AnsiFromWide(wide));
  EXPECT_EQ(3, CStringFromWide(wide).GetLength());
  EXPECT_EQ(std::string("a\0\xC3\xA9", 4), Utf8FromWide(wide));
  EXPECT_EQ(wide, WideFromUtf8(std::string("a\0\xC3\xA9", 4)));

  EXPECT_EQ(L"a", WideFromAnsi(ansi.c_str()));
  EXPECT_EQ("a", AnsiFromWide(wide.c_str()));
  EXPECT_EQ(std::wstring(L"ab"), WideFromBytes("abc", 2, CP_ACP));
}

TEST_F(TextConversionTest, TesselStringsAreReadInTheirOwnWidthAndLeftAlone) {
  CTesselString narrow("caf\xE9 \x80");
  EXPECT_EQ(std::wstring(L"caf\u00E9 \u20AC"), WideFromTessel(narrow));
  EXPECT_STREQ("caf\xE9 \x80", CStringFromTessel(narrow));
  EXPECT_EQ("caf\xC3\xA9 \xE2\x82\xAC", Utf8FromTessel(narrow));
  EXPECT_FALSE(narrow.IsWide());

  CTesselString wide = TesselFromWide(kWide);
  ASSERT_TRUE(wide.IsWide());
  EXPECT_EQ(std::wstring(kWide), WideFromTessel(wide));
  EXPECT_STREQ("caf\xE9 \x80?", CStringFromTessel(TesselFromWide(L"caf\u00E9 \u20AC\u4E2D")));
  EXPECT_EQ(kUtf8, Utf8FromTessel(wide));
  EXPECT_TRUE(wide.IsWide());
  EXPECT_EQ(std::wstring(kWide), TesselFromWide(std::wstring(kWide)).GetWideText());
}

TEST_F(TextConversionTest, TesselStringsAreMadeNarrowFromAnsiAndUtf8) {
  CTesselString fromCString = TesselFromCString(CString("caf\xE9"));
  EXPECT_FALSE(fromCString.IsWide());
  EXPECT_STREQ("caf\xE9", fromCString.GetText());

  CTesselString fromUtf8 = TesselFromUtf8("caf\xC3\xA9 \xE2\x82\xAC");
  EXPECT_FALSE(fromUtf8.IsWide());
  EXPECT_STREQ("caf\xE9 \x80", fromUtf8.GetText());
}

TEST_F(TextConversionTest, EmptyTesselStringsAndTheirFirstTerminator) {
  CTesselString empty, emptyWide = TesselFromWide(L"");
  EXPECT_TRUE(emptyWide.IsWide());
  for (CTesselString* text : {&empty, &emptyWide}) {
    EXPECT_EQ(L"", WideFromTessel(*text));
    EXPECT_TRUE(CStringFromTessel(*text).IsEmpty());
    EXPECT_EQ("", Utf8FromTessel(*text));
  }
  EXPECT_FALSE(TesselFromWide(static_cast<const wchar_t*>(nullptr)).GetLength() > 0);

  // A length past the first terminator does not carry the rest along.
  CTesselString cut("abc");
  ASSERT_TRUE(cut.SetAt(1, '\0'));
  ASSERT_EQ(3, cut.GetLength());
  EXPECT_EQ(L"a", WideFromTessel(cut));
  EXPECT_STREQ("a", CStringFromTessel(cut));
  EXPECT_EQ(1, CStringFromTessel(cut).GetLength());
  CTesselString cutWide = TesselFromWide(L"xyz");
  ASSERT_TRUE(cutWide.SetWideAt(2, L'\0'));
  EXPECT_EQ(L"xy", WideFromTessel(cutWide));
  EXPECT_EQ("xy", Utf8FromTessel(cutWide));
}

}  // namespace
