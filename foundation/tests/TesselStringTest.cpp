// CTesselString.
#include <gtest/gtest.h>
#include <limits.h>
#include <string.h>
#include <windows.h>

#include <string>

#include "TesselChecksum.h"
#include "foundation/TesselString.h"
#include "foundation/TextConversion.h"

// ---------------------------------------------------------------- construction and storage

TEST(TesselString, DefaultIsEmptyNarrowWithOneByteBuffer) {
  CTesselString s;
  EXPECT_EQ(0, s.GetLength());
  EXPECT_EQ(1, s.GetCapacity());
  EXPECT_FALSE(s.IsWide());
  EXPECT_STREQ("", s.GetText());
  const char zero = 0;
  EXPECT_EQ(Crc64Update(&zero, 1, -1, -1, false), s.GetHash());
  EXPECT_EQ(0, s.GetFirstChar());
  EXPECT_EQ(0, s.GetLastChar());
}

TEST(TesselString, Constructors) {
  CTesselString c('x');
  EXPECT_STREQ("x", c.GetText());
  EXPECT_EQ(1, c.GetLength());
  CTesselString zero('\0');
  EXPECT_EQ(0, zero.GetLength());
  CTesselString null(static_cast<const char*>(nullptr));
  EXPECT_EQ(0, null.GetLength());
  EXPECT_EQ(1, null.GetCapacity());
  CTesselString text("hello");
  EXPECT_EQ(5, text.GetLength());
  EXPECT_EQ(6, text.GetCapacity());
  CTesselString copy(text);
  EXPECT_STREQ("hello", copy.GetText());
  CTesselString fromPointer(&text);
  EXPECT_STREQ("hello", fromPointer.GetText());
  CTesselString fromNull(static_cast<const CTesselString*>(nullptr));
  EXPECT_EQ(0, fromNull.GetLength());
  CTesselString wideCopy(TesselFromWide(L"w"));
  EXPECT_TRUE(wideCopy.IsWide());
  EXPECT_EQ(4, wideCopy.GetCapacity());
}

TEST(TesselString, AllocateFreeSetText) {
  CTesselString s("abc");
  EXPECT_FALSE(s.Allocate(0));
  EXPECT_EQ(0, s.GetLength());
  EXPECT_EQ(0, s.GetCapacity());
  EXPECT_STREQ("", s.GetText());  // no buffer: the empty text
  EXPECT_FALSE(s.Free());
  EXPECT_TRUE(s.Allocate(8));
  EXPECT_EQ(7, s.GetLength());
  EXPECT_TRUE(s.Free());

  CTesselString t("keep");
  EXPECT_FALSE(t.SetText(nullptr));
  EXPECT_STREQ("keep", t.GetText());
  EXPECT_FALSE(t.SetWideText(nullptr));
  EXPECT_FALSE(t.IsWide());
  EXPECT_TRUE(t.SetWideText(L"wide"));
  EXPECT_TRUE(t.IsWide());
  EXPECT_EQ(10, t.GetCapacity());
  EXPECT_EQ(4, t.GetLength());
  // Setting from its own text (the buffer is freed first).
  CTesselString self("abcdef");
  EXPECT_TRUE(self.SetText(self.GetText() + 2));
  EXPECT_STREQ("cdef", self.GetText());
}

TEST(TesselString, AssignKeepsCapacityAndRefusesSelf) {
  CTesselString s("ab");
  EXPECT_TRUE(s.GrowTo(10));
  CTesselString copy;
  EXPECT_TRUE(copy.Assign(s));
  EXPECT_EQ(10, copy.GetLength());  // the source CAPACITY, not a shrunk one
  EXPECT_STREQ("ab", copy.GetText());
  EXPECT_FALSE(s.Assign(s));
  EXPECT_EQ(10, s.GetLength());

  CTesselString emptyA, emptyB;
  EXPECT_TRUE(emptyA.Assign(emptyB));
  CTesselString noBuffer;
  noBuffer.Free();
  CTesselString target("x");
  EXPECT_TRUE(target.Assign(noBuffer));
  EXPECT_EQ(1, target.GetCapacity());
  EXPECT_FALSE(target.IsWide());
}

TEST(TesselString, CopyIfFits) {
  CTesselString s("abcd");
  EXPECT_TRUE(s.CopyTextIfFits("xy"));
  EXPECT_STREQ("xy", s.GetText());
  EXPECT_EQ(4, s.GetLength());
  EXPECT_FALSE(s.CopyTextIfFits("too long"));
  CTesselString w("abcdefgh");  // capacity 9: as wide 3 characters
  EXPECT_FALSE(w.CopyWideTextIfFits(L"abcdef"));
  EXPECT_TRUE(w.IsWide());  // the wide flag is set whether or not the copy happens
}

TEST(TesselString, OperatorForms) {
  CTesselString s;
  s = "abc";
  EXPECT_STREQ("abc", s.GetText());
  s += "def";
  EXPECT_STREQ("abcdef", s.GetText());
  s += static_cast<const char*>(nullptr);
  EXPECT_STREQ("abcdef", s.GetText());
  CTesselString t("!");
  s += t;
  EXPECT_STREQ("abcdef!", s.GetText());
  CTesselString sum = CTesselString("x") + CTesselString("y");
  EXPECT_STREQ("xy", sum.GetText());
  CTesselString concat = t.Concat(CTesselString("?"));
  EXPECT_STREQ("!?", concat.GetText());
  EXPECT_STREQ("!", t.GetText());
  CTesselString w;
  w = L"wide";
  EXPECT_TRUE(w.IsWide());
  CTesselString assigned;
  assigned = w;
  EXPECT_TRUE(assigned.IsWide());
  EXPECT_STREQ(L"wide", assigned.GetWideText());
}

// ---------------------------------------------------------------- access and capacity rules

TEST(TesselString, GrowToAndShrinkToFit) {
  CTesselString s("ab");
  EXPECT_TRUE(s.GrowTo(10));
  EXPECT_EQ(10, s.GetLength());
  EXPECT_EQ(11, s.GetCapacity());
  EXPECT_STREQ("ab", s.GetText());
  for (int i = 2; i <= 10; ++i) EXPECT_EQ(0, s.GetText()[i]);
  EXPECT_FALSE(s.GrowTo(10));
  EXPECT_FALSE(s.GrowTo(3));
  EXPECT_TRUE(s.ShrinkToFit());
  EXPECT_EQ(2, s.GetLength());
  EXPECT_EQ(3, s.GetCapacity());

  CTesselString w = TesselFromWide(L"ab");
  EXPECT_TRUE(w.GrowTo(5));
  EXPECT_TRUE(w.IsWide());
  EXPECT_EQ(12, w.GetCapacity());
  EXPECT_TRUE(w.ShrinkToFit());
  EXPECT_EQ(2, w.GetLength());
  EXPECT_TRUE(w.IsWide());
}

TEST(TesselString, ReserveGetTextAtSetAt) {
  CTesselString s;
  EXPECT_FALSE(s.Reserve(0));
  EXPECT_TRUE(s.Reserve(4));
  EXPECT_EQ(4, s.GetLength());
  EXPECT_TRUE(s.Reserve(2));  // already long enough: still valid
  EXPECT_EQ(4, s.GetLength());

  CTesselString t("ab");
  char* at = t.GetTextAt(7);
  ASSERT_NE(nullptr, at);
  EXPECT_EQ(8, t.GetLength());
  *at = 'z';
  EXPECT_STREQ("ab", t.GetText());  // the text ends at the first terminator
  EXPECT_EQ(8, t.GetLength());      // the length follows the capacity
  EXPECT_EQ('z', t.GetLastChar());
  EXPECT_TRUE(t.SetAt(2, 'c'));
  EXPECT_STREQ("abc", t.GetText());
  EXPECT_FALSE(t.SetAt(-1, 'x'));
  EXPECT_TRUE(t.ShrinkToFit());
  EXPECT_STREQ("abc", t.GetText());
  EXPECT_EQ(3, t.GetLength());

  CTesselString w = TesselFromWide(L"ab");
  EXPECT_TRUE(w.SetWideAt(3, L'\x263A'));
  EXPECT_EQ(4, w.GetLength());
  EXPECT_EQ(L'\x263A', w.GetWideTextAt(3)[0]);
  EXPECT_EQ(nullptr, CTesselString("ab").GetWideTextAt(0));
}

TEST(TesselString, IndexAndFirstLastChar) {
  CTesselString s("abc");
  EXPECT_TRUE(s.IsValidIndex(0));
  EXPECT_TRUE(s.IsValidIndex(2));
  EXPECT_FALSE(s.IsValidIndex(3));
  EXPECT_FALSE(s.IsValidIndex(-1));
  EXPECT_EQ('a', s.GetFirstChar());
  EXPECT_EQ('c', s.GetLastChar());
  CTesselString w = TesselFromWide(L"x\x0142");
  EXPECT_EQ('x', w.GetFirstChar());
  EXPECT_EQ(0x42, w.GetLastChar());  // low byte of the last character
}

TEST(TesselString, MidCases) {
  CTesselString s("abc");
  EXPECT_STREQ("c", s.Mid(2, -1).GetText());
  EXPECT_EQ(0, s.Mid(3, -1).GetLength());
  EXPECT_EQ(0, s.Mid(1, 0).GetLength());
  EXPECT_STREQ("ab", s.Mid(0, 1).GetText());
  EXPECT_STREQ("bc", s.Mid(1, 99).GetText());
  EXPECT_EQ(0, s.Mid(-1, 2).GetLength());
  EXPECT_EQ(0, CTesselString().Mid(0, -1).GetLength());
  CTesselString w = TesselFromWide(L"wxyz");
  CTesselString m = w.Mid(1, 2);
  EXPECT_TRUE(m.IsWide());
  EXPECT_STREQ(L"xy", m.GetWideText());
}

TEST(TesselString, HashIsCrc64OfAllCapacityBytes) {
  CTesselString abc("abc");
  EXPECT_EQ(0x42C112DE00C018F4ull, abc.GetHash());
  EXPECT_EQ(Crc64Update("abc", 4, -1, -1, false), abc.GetHash());
  CTesselString wide = TesselFromWide(L"abc");
  EXPECT_NE(abc.GetHash(), wide.GetHash());
  EXPECT_EQ(Crc64Update(L"abc", 8, -1, -1, false), wide.GetHash());
  CTesselString grown("abc");
  grown.GrowTo(5);
  EXPECT_NE(abc.GetHash(), grown.GetHash());  // trailing zeros take part
  CTesselString none;
  none.Free();
  EXPECT_EQ(0u, none.GetHash());
}

// ---------------------------------------------------------------- formatting and resources

TEST(TesselString, FormatUsesMicrosoftRunTimeRules) {
  CTesselString s;
  EXPECT_TRUE(s.Format("%I64d", static_cast<long long>(-9223372036854775807LL - 1)));
  EXPECT_STREQ("-9223372036854775808", s.GetText());
  EXPECT_TRUE(s.Format("%I64u", static_cast<unsigned long long>(18446744073709551615ULL)));
  EXPECT_STREQ("18446744073709551615", s.GetText());
  EXPECT_TRUE(s.Format("[%ls]", L"wide"));
  EXPECT_STREQ("[wide]", s.GetText());
  EXPECT_TRUE(s.Format("[%S]", L"wide"));  // %S: the other width, in the Microsoft run-time
  EXPECT_STREQ("[wide]", s.GetText());
  EXPECT_TRUE(s.Format("Step %ld of %ld Steps", 3L, 7L));
  EXPECT_STREQ("Step 3 of 7 Steps", s.GetText());
  EXPECT_TRUE(s.Format("Elapsed Time: %02ld:%02ld:%02ld", 1L, 2L, 3L));
  EXPECT_STREQ("Elapsed Time: 01:02:03", s.GetText());
  EXPECT_TRUE(s.Format("%s Completed Successfully", "Build"));
  EXPECT_STREQ("Build Completed Successfully", s.GetText());
  EXPECT_TRUE(s.Format("%5.2f|%-4d|%x|%c|%%", 3.14159, 7, 255u, 'q'));
  EXPECT_STREQ(" 3.14|7   |ff|q|%", s.GetText());
  EXPECT_TRUE(s.Format("%08lx", 0x1234UL));
  EXPECT_STREQ("00001234", s.GetText());
}

TEST(TesselString, FormatEmptyResultKeepsPreviousText) {
  CTesselString s("previous");
  EXPECT_FALSE(s.Format("%s", ""));
  EXPECT_STREQ("previous", s.GetText());
  EXPECT_FALSE(s.Format(nullptr));
  EXPECT_STREQ("previous", s.GetText());
}

TEST(TesselString, FormatLongOutputIsTruncatedInsideTheBuffer) {
  std::string big(6000, 'x');
  CTesselString s;
  EXPECT_TRUE(s.Format("%s", big.c_str()));
  EXPECT_EQ(4095, s.GetLength());
  std::string exact(4095, 'y');
  EXPECT_TRUE(s.Format("%s", exact.c_str()));
  EXPECT_EQ(4095, s.GetLength());
}

TEST(TesselString, FormatStringNarrowAndWide) {
  CTesselString s;
  EXPECT_TRUE(s.FormatString(CTesselString("%s=%d"), "a", 5));
  EXPECT_STREQ("a=5", s.GetText());
  EXPECT_TRUE(s.FormatString(CTesselString("%I64d"), 1234567890123LL));
  EXPECT_STREQ("1234567890123", s.GetText());

  CTesselString w;
  // Wide format, Microsoft rules: %s is a wide string, %hs a narrow one.
  EXPECT_TRUE(w.FormatString(TesselFromWide(L"%s|%hs|%I64d|%d"), L"wide", "narrow", -5LL, 42));
  EXPECT_TRUE(w.IsWide());
  EXPECT_STREQ(L"wide|narrow|-5|42", w.GetWideText());

  CTesselString keep("keep");
  EXPECT_FALSE(keep.FormatString(CTesselString(""), 1));
  EXPECT_FALSE(keep.FormatString(CTesselString("%s"), ""));
  EXPECT_STREQ("keep", keep.GetText());

  std::string big(9000, 'z');
  EXPECT_TRUE(s.FormatString(CTesselString("%s"), big.c_str()));
  EXPECT_EQ(8191, s.GetLength());
}

TEST(TesselString, LoadStringFromTheStringTable) {
  CTesselString s("before");
  EXPECT_TRUE(s.LoadString(101, nullptr));
  EXPECT_STREQ("Hello from the string table", s.GetText());
  EXPECT_TRUE(s.LoadString(102, GetModuleHandleA(nullptr)));
  EXPECT_STREQ("Step %ld of %ld Steps", s.GetText());
  EXPECT_FALSE(s.LoadString(9999, nullptr));
  EXPECT_FALSE(s.LoadString(0, nullptr));
  EXPECT_FALSE(s.LoadString(-3, nullptr));
  EXPECT_FALSE(s.LoadString(103, nullptr));
  EXPECT_STREQ("Step %ld of %ld Steps", s.GetText());
  CTesselString format;
  ASSERT_TRUE(format.LoadString(102, nullptr));
  CTesselString line;
  EXPECT_TRUE(line.FormatString(format, 2L, 9L));
  EXPECT_STREQ("Step 2 of 9 Steps", line.GetText());
}

// ---------------------------------------------------------------- width conversion

TEST(TesselString, WideToNarrowFoldsTypography) {
  // Café – “x” …
  CTesselString s = TesselFromWide(L"Caf\x00E9 \x2013 \x201Cx\x201D \x2026");
  EXPECT_STREQ("Caf - \"x\" ...", s.GetText());
  EXPECT_FALSE(s.IsWide());
  EXPECT_EQ(static_cast<int>(strlen("Caf - \"x\" ...")), s.GetLength());
}

TEST(TesselString, WideToNarrowRules) {
  CTesselString apostrophe = TesselFromWide(L"it\x2019s");
  EXPECT_STREQ("it's", apostrophe.GetText());  // E2 80 99: the 0x99 row, lead bytes dropped
  CTesselString emDash = TesselFromWide(
      L"a\x2014"
      L"b");
  EXPECT_STREQ("a\"b", emDash.GetText());
  CTesselString bullet = TesselFromWide(L"\x2022 item");
  EXPECT_STREQ("O item", bullet.GetText());
  CTesselString grave = TesselFromWide(L"`q\x00B4");
  EXPECT_STREQ("'q'", grave.GetText());  // U+00B4 is C2 B4: B4 folds, C2 is dropped
  CTesselString controls = TesselFromWide(
      L"a\x0001"
      L"b\tc\r\nd");
  EXPECT_STREQ("a b\tc\r\nd", controls.GetText());
  CTesselString cjk = TesselFromWide(L"\x65E5\x672C");
  EXPECT_STREQ("", cjk.GetText());
  EXPECT_FALSE(cjk.IsWide());
  CTesselString empty = TesselFromWide(L"");
  EXPECT_FALSE(empty.MakeNarrow(true));
  EXPECT_FALSE(empty.IsWide());
  EXPECT_EQ(0, empty.GetLength());
  CTesselString narrow("x");
  EXPECT_FALSE(narrow.MakeNarrow(true));
}

TEST(TesselString, FoldToAsciiTable) {
  CTesselString s("\xE2\x80\xA6|\xE2\x80\x93|\xE2\x80\xA2|\xEF\x82\xA7|\xE2\x80\x9C|\xE2\x80\x9D");
  EXPECT_TRUE(s.FoldToAscii());
  EXPECT_STREQ("...|-|O|\"|\"|\"", s.GetText());
  CTesselString cp1252("\x93q\x94 \x91q\x92 `\xB4 \x96 \x99");
  EXPECT_TRUE(cp1252.FoldToAscii());
  EXPECT_STREQ("\"q\" 'q' '' - '", cp1252.GetText());
  CTesselString accents("na\xC3\xAFve caf\xC3\xA9 \xE2\x80\x99 \xE2\x80\x94");
  EXPECT_TRUE(accents.FoldToAscii());
  EXPECT_STREQ("nave caf ' \"", accents.GetText());
  CTesselString plain("plain text");
  EXPECT_FALSE(plain.FoldToAscii());
  CTesselString wide = TesselFromWide(L"x");
  EXPECT_FALSE(wide.FoldToAscii());
  CTesselString empty;
  EXPECT_FALSE(empty.FoldToAscii());
}

TEST(TesselString, MakeWideIsByteToSameCode) {
  CTesselString s("a\xE9\x80");
  EXPECT_TRUE(s.MakeWide());
  EXPECT_TRUE(s.IsWide());
  EXPECT_EQ(8, s.GetCapacity());
  const wchar_t* w = s.GetWideText();
  EXPECT_EQ(L'a', w[0]);
  EXPECT_EQ(0xE9, w[1]);
  EXPECT_EQ(0x80, w[2]);
  EXPECT_FALSE(s.MakeWide());
  EXPECT_TRUE(s.HasNonAsciiChars());
  EXPECT_FALSE(TesselFromWide(L"ascii").HasNonAsciiChars());
  EXPECT_FALSE(CTesselString("\xE9").HasNonAsciiChars());
  CTesselString empty;
  EXPECT_TRUE(empty.MakeWide());
  EXPECT_EQ(2, empty.GetCapacity());
}

TEST(TesselString, GetTextConvertsInPlace) {
  CTesselString s = TesselFromWide(L"abc");
  EXPECT_STREQ("abc", s.GetText());
  EXPECT_FALSE(s.IsWide());
  EXPECT_STREQ(L"abc", s.GetWideText());
  EXPECT_TRUE(s.IsWide());
}

// ---------------------------------------------------------------- comparison and search

TEST(TesselString, EqualsTextAndEquals) {
  CTesselString empty;
  EXPECT_FALSE(empty.EqualsText(""));
  EXPECT_FALSE(empty.EqualsText(nullptr));
  CTesselString s("abc");
  EXPECT_TRUE(s.EqualsText("abc"));
  EXPECT_FALSE(s.EqualsText("abd"));
  EXPECT_FALSE(TesselFromWide(L"abc").EqualsText("abc"));  // narrow-text operations fail on wide

  EXPECT_TRUE(s.Equals(CTesselString("abc")));
  EXPECT_FALSE(s.Equals(CTesselString("abd")));
  EXPECT_FALSE(s.Equals(CTesselString("ab")));
  EXPECT_TRUE(s.Equals(TesselFromWide(L"abc")));
  EXPECT_TRUE(TesselFromWide(L"abc").Equals(s));
  EXPECT_TRUE(empty.Equals(CTesselString()));
  EXPECT_TRUE(empty.Equals(TesselFromWide(L"")));
  // A width conversion that changes the content makes them unequal.
  EXPECT_FALSE(CTesselString("\xE9").Equals(TesselFromWide(L"x")));
  EXPECT_FALSE(
      TesselFromWide(L"\x00E9").Equals(CTesselString("x")));  // narrowed: the text vanishes
  CTesselString grown("abc");
  grown.GrowTo(4);
  EXPECT_FALSE(grown.Equals(s));
  EXPECT_TRUE(grown.EqualsText("abc"));
}

TEST(TesselString, CompareNoCase) {
  CTesselString empty, other("x");
  EXPECT_EQ(-1, empty.CompareNoCase(other));
  EXPECT_EQ(1, other.CompareNoCase(empty));
  CTesselString empty2;
  EXPECT_EQ(0, empty.CompareNoCase(empty2));
  CTesselString a("Hello"), b("hELLO"), c("help");
  EXPECT_EQ(0, a.CompareNoCase(b));
  EXPECT_LT(a.CompareNoCase(c), 0);
  EXPECT_GT(c.CompareNoCase(a), 0);
  CTesselString wideOther = TesselFromWide(L"HELLO");
  EXPECT_EQ(0, a.CompareNoCase(wideOther));
  EXPECT_FALSE(wideOther.IsWide());  // the OTHER string is converted in place
  CTesselString wideSelf = TesselFromWide(L"abc");
  CTesselString narrowOther("ABC");
  EXPECT_EQ(0, wideSelf.CompareNoCase(narrowOther));
  EXPECT_TRUE(narrowOther.IsWide());
  CTesselString accented("\xC9");
  CTesselString lower("\xE9");
  EXPECT_NE(0, accented.CompareNoCase(lower));  // ASCII-only folding

  CTesselString wide = TesselFromWide(L"Path");
  EXPECT_EQ(0, wide.CompareNoCaseText("PATH"));
  EXPECT_FALSE(wide.IsWide());  // the receiver is narrowed
  EXPECT_EQ(0, wide.CompareNoCaseText(nullptr));
  EXPECT_GT(wide.CompareNoCaseText(""), 0);
}

TEST(TesselString, FindAndFindChar) {
  CTesselString s("Hello World hello");
  EXPECT_EQ(0, s.Find("Hello", 0, false));
  EXPECT_EQ(12, s.Find("hello", 1, false));
  EXPECT_EQ(12, s.FindNoCase("HELLO", 1));
  EXPECT_EQ(6, s.FindNoCase("world", 0));
  EXPECT_EQ(-1, s.Find("world", 0, false));
  EXPECT_EQ(3, s.Find("", 3, false));  // case-sensitive: an empty pattern is found at start
  EXPECT_EQ(-1, s.Find("", 3, true));
  EXPECT_EQ(-1, s.Find(nullptr, 0, false));
  EXPECT_EQ(-1, s.Find("H", -1, false));
  EXPECT_EQ(-1, s.Find("o", s.GetLength(), false));
  EXPECT_EQ(4, s.FindChar('o', 0));
  EXPECT_EQ(7, s.FindChar('o', 5));
  EXPECT_EQ(-1, s.FindChar('z', 0));
  EXPECT_EQ(-1, s.FindChar('o', 99));
  CTesselString accents("\xC9t\xE9");
  EXPECT_EQ(-1, accents.FindNoCase("\xE9T", 0));  // only ASCII letters fold
  EXPECT_EQ(1, accents.FindNoCase("T\xE9", 0));
  CTesselString wide = TesselFromWide(L"Hello");
  EXPECT_EQ(-1, wide.Find("H", 0, false));
  EXPECT_EQ(-1, wide.FindChar('H', 0));
}

TEST(TesselString, FindWideAndFindString) {
  CTesselString w = TesselFromWide(
      L"Stra\x00DF"
      L"e STRASSE \x00C4rger");
  EXPECT_EQ(0, w.FindWide(L"Stra", 0, false));
  EXPECT_EQ(7, w.FindWide(L"strasse", 0, true));
  EXPECT_EQ(0, w.FindWide(L"stra\x00DF", 0, true));
  EXPECT_EQ(-1, w.FindWide(L"\x00E4rger", 0, true));  // non-ASCII must match exactly
  EXPECT_EQ(15, w.FindWide(L"\x00C4RGER", 0, true));
  EXPECT_EQ(-1, w.FindWide(L"", 0, true));
  EXPECT_EQ(2, w.FindWide(L"", 2, false));
  EXPECT_EQ(-1, w.FindWide(nullptr, 0, false));
  EXPECT_EQ(3, w.FindWideChar(L'a', 0));
  EXPECT_EQ(-1, w.FindWideChar(L'a', 99));
  EXPECT_EQ(-1, CTesselString("abc").FindWide(L"a", 0, false));
  EXPECT_EQ(-1, CTesselString("abc").FindWideChar(L'a', 0));
  EXPECT_EQ(-1, TesselFromWide(L"").FindWide(L"", 0, false));

  CTesselString n("one Two two");
  EXPECT_EQ(4, n.FindString(CTesselString("Two"), 0));
  EXPECT_EQ(8, n.FindString(CTesselString("two"), 0));
  EXPECT_EQ(4, n.FindStringNoCase(CTesselString("TWO"), 0));
  EXPECT_EQ(7, w.FindString(TesselFromWide(L"STRASSE"), 0));
  EXPECT_EQ(-1, n.FindString(TesselFromWide(L"Two"), 0));  // width of the pattern decides
}

TEST(TesselString, CountNoCase) {
  CTesselString s("x%name%y%Name%z%NAME");
  EXPECT_EQ(2, s.CountNoCase(CTesselString("%NAME%")));
  EXPECT_EQ(3, s.CountNoCase(CTesselString("name")));
  EXPECT_EQ(0, s.CountNoCase(CTesselString("")));
  CTesselString overlap("aaaa");
  EXPECT_EQ(2, overlap.CountNoCase(CTesselString("AA")));  // non-overlapping
  CTesselString w = TesselFromWide(L"abAB");
  EXPECT_EQ(2, w.CountNoCase(TesselFromWide(L"ab")));
}

TEST(TesselString, LineBreaksDigits) {
  EXPECT_TRUE(CTesselString("a\nb").HasLineBreak());
  EXPECT_TRUE(CTesselString("a\rb").HasLineBreak());
  EXPECT_FALSE(CTesselString("ab").HasLineBreak());
  EXPECT_TRUE(TesselFromWide(L"a\n").HasLineBreak());
  EXPECT_TRUE(CTesselString("v2").ContainsDigit());
  EXPECT_FALSE(CTesselString("v").ContainsDigit());
  EXPECT_FALSE(CTesselString().ContainsDigit());
  EXPECT_TRUE(TesselFromWide(L"x9").ContainsDigit());
}

// ---------------------------------------------------------------- editing

TEST(TesselString, AppendRules) {
  CTesselString s;
  EXPECT_FALSE(s.AppendText(nullptr));
  EXPECT_FALSE(s.AppendText(""));
  EXPECT_TRUE(s.AppendText("ab"));
  EXPECT_EQ(3, s.GetCapacity());
  EXPECT_TRUE(s.AppendText("cd"));
  EXPECT_STREQ("abcd", s.GetText());
  EXPECT_EQ(4, s.GetLength());

  CTesselString noBuffer;
  noBuffer.Free();
  EXPECT_TRUE(noBuffer.AppendText("x"));
  EXPECT_EQ(2, noBuffer.GetCapacity());

  CTesselString grown("ab");
  grown.GrowTo(5);
  EXPECT_TRUE(grown.AppendText("c"));
  EXPECT_EQ(6, grown.GetLength());  // old capacity + 1
  EXPECT_STREQ("abc", grown.GetText());

  CTesselString w;
  EXPECT_FALSE(w.AppendWideText(nullptr));
  EXPECT_FALSE(w.IsWide());
  EXPECT_FALSE(w.AppendWideText(L""));
  EXPECT_TRUE(w.IsWide());  // made wide FIRST
  EXPECT_TRUE(w.AppendWideText(L"xy"));
  EXPECT_STREQ(L"xy", w.GetWideText());
  EXPECT_EQ(6, w.GetCapacity());

  CTesselString narrow("n");
  CTesselString wide = TesselFromWide(L"w");
  EXPECT_TRUE(narrow.Append(wide));
  EXPECT_TRUE(narrow.IsWide());  // narrow receiver, wide other: widened
  EXPECT_STREQ(L"nw", narrow.GetWideText());
  CTesselString wideReceiver = TesselFromWide(L"w");
  EXPECT_TRUE(wideReceiver.Append(CTesselString("n")));
  EXPECT_FALSE(wideReceiver.IsWide());  // wide receiver, narrow other: narrowed
  EXPECT_STREQ("wn", wideReceiver.GetText());
  EXPECT_FALSE(wideReceiver.Append(CTesselString()));

  CTesselString self("ab");
  EXPECT_TRUE(self.Append(self));
  EXPECT_STREQ("abab", self.GetText());
  CTesselString part("abcd");
  EXPECT_TRUE(part.AppendText(part.GetText() + 2));
  EXPECT_STREQ("abcdcd", part.GetText());
}

TEST(TesselString, AddTrailingBackslash) {
  CTesselString s("C:\\dir");
  EXPECT_TRUE(s.AddTrailingBackslash());
  EXPECT_STREQ("C:\\dir\\", s.GetText());
  EXPECT_FALSE(s.AddTrailingBackslash());
  CTesselString empty;
  EXPECT_TRUE(empty.AddTrailingBackslash());
  EXPECT_STREQ("\\", empty.GetText());
  CTesselString wide = TesselFromWide(L"C:\\x");
  EXPECT_TRUE(wide.AddTrailingBackslash());
  EXPECT_FALSE(wide.IsWide());  // the append narrows a wide receiver
  EXPECT_STREQ("C:\\x\\", wide.GetText());
}

TEST(TesselString, MakeUpperAsciiOnly) {
  CTesselString s("abc\xE9z");
  EXPECT_TRUE(s.MakeUpper());
  EXPECT_STREQ("ABC\xE9Z", s.GetText());
  CTesselString empty;
  EXPECT_FALSE(empty.MakeUpper());
  CTesselString w = TesselFromWide(L"abc");
  EXPECT_TRUE(w.MakeUpper());
  EXPECT_STREQ(L"ABC", w.GetWideText());
}

TEST(TesselString, TrimLeftAndRight) {
  CTesselString s(" \t\r\n text \r\n\t ");
  EXPECT_TRUE(s.TrimLeft());
  EXPECT_STREQ("text \r\n\t ", s.GetText());
  EXPECT_FALSE(s.TrimLeft());
  EXPECT_TRUE(s.TrimRight());
  EXPECT_STREQ("text", s.GetText());
  EXPECT_EQ(4, s.GetLength());
  EXPECT_FALSE(s.TrimRight());

  CTesselString blanks("   ");
  EXPECT_TRUE(blanks.TrimRight());
  EXPECT_EQ(0, blanks.GetLength());
  CTesselString empty;
  EXPECT_FALSE(empty.TrimLeft());
  EXPECT_FALSE(empty.TrimRight());
  CTesselString allLeft(" \t");
  EXPECT_TRUE(allLeft.TrimLeft());
  EXPECT_EQ(0, allLeft.GetLength());

  CTesselString wideBlanks = TesselFromWide(L"  ");
  EXPECT_TRUE(wideBlanks.TrimRight());
  EXPECT_FALSE(wideBlanks.IsWide());  // the empty narrow string
  CTesselString wide = TesselFromWide(L" w ");
  EXPECT_TRUE(wide.TrimLeft());
  EXPECT_TRUE(wide.TrimRight());
  EXPECT_TRUE(wide.IsWide());
  EXPECT_STREQ(L"w", wide.GetWideText());

  // The capacity-based length: trailing zeros after GrowTo are not blanks.
  CTesselString grown("a ");
  grown.GrowTo(4);
  EXPECT_FALSE(grown.TrimRight());
}

TEST(TesselString, ReplaceAllText) {
  CTesselString s("aaa");
  EXPECT_TRUE(s.ReplaceAllText("a", "aa", false));
  EXPECT_STREQ("aaaaaa", s.GetText());  // inserted text is not searched again
  CTesselString t("One one ONE");
  EXPECT_TRUE(t.ReplaceAllText("one", "1", true));
  EXPECT_STREQ("1 1 1", t.GetText());
  CTesselString u("One one ONE");
  EXPECT_TRUE(u.ReplaceAllText("one", "", false));
  EXPECT_STREQ("One  ONE", u.GetText());
  EXPECT_EQ(8, u.GetLength());
  EXPECT_FALSE(u.ReplaceAllText("zzz", "y", false));
  EXPECT_FALSE(u.ReplaceAllText(nullptr, "y", false));
  EXPECT_FALSE(u.ReplaceAllText("O", nullptr, false));
  EXPECT_FALSE(u.ReplaceAllText("", "y", false));
  CTesselString w = TesselFromWide(L"a-b-c");
  EXPECT_FALSE(w.ReplaceAllText("-", "+", false));  // narrow operation on a wide receiver
  EXPECT_TRUE(w.ReplaceAllWideText(L"-", L"\x2192", false));
  EXPECT_STREQ(
      L"a\x2192"
      L"b\x2192"
      L"c",
      w.GetWideText());
  CTesselString wc = TesselFromWide(L"Xx");
  EXPECT_TRUE(wc.ReplaceAllWideText(L"x", L"yy", true));
  EXPECT_STREQ(L"yyyy", wc.GetWideText());
}

TEST(TesselString, ReplaceCountsOccurrences) {
  CTesselString s("x%name%y%Name%");
  CTesselString pattern("%NAME%"), replacement("value");
  int count = -1;
  EXPECT_TRUE(s.Replace(pattern, replacement, true, &count));
  EXPECT_EQ(2, count);
  EXPECT_STREQ("xvalueyvalue", s.GetText());

  CTesselString none("abc");
  CTesselString p("zz"), r("y");
  count = -1;
  EXPECT_FALSE(none.Replace(p, r, false, &count));
  EXPECT_EQ(0, count);

  CTesselString caseSensitive("aXa");
  CTesselString px("x"), rx("-");
  EXPECT_FALSE(caseSensitive.Replace(px, rx, false, &count));
  EXPECT_EQ(0, count);

  CTesselString wide = TesselFromWide(L"%V%+%v%");
  CTesselString pv("%v%"), rv("1");
  EXPECT_TRUE(wide.Replace(pv, rv, true, &count));
  EXPECT_EQ(2, count);
  EXPECT_TRUE(pv.IsWide());  // converted in place to the receiver's width
  EXPECT_TRUE(rv.IsWide());
  EXPECT_STREQ(L"1+1", wide.GetWideText());

  CTesselString narrow("a~b");
  CTesselString pw = TesselFromWide(L"~"), rw = TesselFromWide(L"\x2013");
  EXPECT_TRUE(narrow.Replace(pw, rw, false, &count));
  EXPECT_EQ(1, count);
  EXPECT_FALSE(pw.IsWide());
  EXPECT_STREQ("a-b", narrow.GetText());  // the replacement's narrow (folded) text
}

TEST(TesselString, ExtractInteger) {
  CTesselString s("x1.2 build 7");
  int64_t number = -1;
  CTesselString rest("old");
  EXPECT_TRUE(s.ExtractInteger(&number, rest));
  EXPECT_EQ(12, number);
  EXPECT_STREQ("x. build ", rest.GetText());

  CTesselString none("abc");
  EXPECT_FALSE(none.ExtractInteger(&number, rest));
  EXPECT_EQ(0, number);
  EXPECT_STREQ("abc", rest.GetText());

  CTesselString empty;
  EXPECT_FALSE(empty.ExtractInteger(&number, rest));
  EXPECT_EQ(0, rest.GetLength());

  CTesselString big("v9223372036854775807");
  EXPECT_TRUE(big.ExtractInteger(&number, rest));
  EXPECT_EQ(INT64_MAX, number);
  EXPECT_STREQ("v", rest.GetText());

  CTesselString separators("1,000 items");
  EXPECT_TRUE(separators.ExtractInteger(&number, rest));
  EXPECT_EQ(1000, number);
  EXPECT_STREQ(", items", rest.GetText());

  CTesselString wide = TesselFromWide(L"file 10 copy 2");
  EXPECT_TRUE(wide.ExtractInteger(&number, rest));
  EXPECT_EQ(10, number);
  EXPECT_TRUE(rest.IsWide());
  EXPECT_STREQ(L"file  copy ", rest.GetWideText());
}

TEST(TesselString, LongTextsFindTheirEndWordByWord) {
  CTesselString s("0123456789abcdef");
  EXPECT_TRUE(s.GrowTo(40));
  EXPECT_TRUE(s.AppendText("X"));
  EXPECT_STREQ("0123456789abcdefX", s.GetText());
  EXPECT_EQ(41, s.GetLength());
  EXPECT_TRUE(s.SetAt(11, 0));  // an embedded terminator
  EXPECT_TRUE(s.AppendText("Y"));
  EXPECT_STREQ("0123456789aY", s.GetText());
  EXPECT_TRUE(s.ShrinkToFit());
  EXPECT_EQ(12, s.GetLength());
  for (int cut = 0; cut < 20; ++cut) {
    CTesselString t("abcdefghijklmnopqrst");
    t.SetAt(cut, 0);
    t.ShrinkToFit();
    EXPECT_EQ(cut, t.GetLength()) << cut;
  }

  CTesselString w = TesselFromWide(L"0123456789abcdef");
  EXPECT_TRUE(w.GrowTo(30));
  EXPECT_TRUE(w.AppendWideText(L"X"));
  EXPECT_STREQ(L"0123456789abcdefX", w.GetWideText());
  EXPECT_EQ(31, w.GetLength());
  for (int cut = 0; cut < 12; ++cut) {
    CTesselString t = TesselFromWide(L"abcdefghijkl");
    t.SetWideAt(cut, 0);
    t.ShrinkToFit();
    EXPECT_EQ(cut, t.GetLength()) << cut;
  }
}
