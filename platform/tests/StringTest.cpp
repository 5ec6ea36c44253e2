#include <afx.h>

#include <gtest/gtest.h>

namespace {

TEST(StringTest, SubstringsClampTheirArguments) {
  CString s = "abcdef";
  struct Case {
    CString got;
    const char* expected;
  } cases[] = {
      {s.Mid(2), "cdef"},
      {s.Mid(2, 3), "cde"},
      {s.Mid(4, 10), "ef"},
      {s.Mid(9), ""},
      {s.Mid(-3, 2), "ab"},
      {s.Left(10), "abcdef"},
      {s.Left(-1), ""},
      {s.Right(2), "ef"},
      {s.Right(99), "abcdef"},
      {s.SpanIncluding("cba"), "abc"},
      {s.SpanExcluding("d"), "abc"},
      {s.SpanIncluding("abcdef"), "abcdef"},
  };
  for (const Case& c : cases) EXPECT_STREQ(c.got, c.expected);
}

TEST(StringTest, SearchesReturnMinusOneWhenNothingIsFound) {
  CString s = "one two one";
  EXPECT_EQ(s.Find('o'), 0);
  EXPECT_EQ(s.Find('o', 1), 6);
  EXPECT_EQ(s.Find("one", 1), 8);
  EXPECT_EQ(s.Find("three"), -1);
  EXPECT_EQ(s.Find('e', 20), -1);
  EXPECT_EQ(s.ReverseFind('o'), 8);
  EXPECT_EQ(s.ReverseFind('z'), -1);
  EXPECT_EQ(s.FindOneOf("wt"), 4);
  EXPECT_EQ(s.FindOneOf("xyz"), -1);
}

TEST(StringTest, EditingMembersReturnCountsAndLengths) {
  CString s = "a-b-c";
  EXPECT_EQ(s.Replace("-", "--"), 2);
  EXPECT_STREQ(s, "a--b--c");
  EXPECT_EQ(s.Replace("", "x"), 0);
  EXPECT_EQ(s.Remove('-'), 4);
  EXPECT_EQ(s.Insert(1, "XY"), 5);
  EXPECT_EQ(s.Insert(99, '!'), 6);
  EXPECT_STREQ(s, "aXYbc!");
  EXPECT_EQ(s.Delete(1, 2), 4);
  EXPECT_EQ(s.Delete(3, 10), 3);
  EXPECT_STREQ(s, "abc");
  EXPECT_STREQ(s.MakeUpper(), "ABC");
  EXPECT_STREQ(s.MakeReverse(), "CBA");
  EXPECT_STREQ(s.MakeLower(), "cba");
  CString t = "  \t pad \n";
  EXPECT_STREQ(t.Trim(), "pad");
  CString u = "xxpadxy";
  EXPECT_STREQ(u.TrimLeft('x'), "padxy");
  EXPECT_STREQ(u.TrimRight("yx"), "pad");
}

TEST(StringTest, ComparisonsAndOperators) {
  CString s = "Hello";
  EXPECT_EQ(s.Compare("Hello"), 0);
  EXPECT_LT(s.Compare("hello"), 0);
  EXPECT_EQ(s.CompareNoCase("hELLO"), 0);
  EXPECT_TRUE(s == "Hello");
  EXPECT_TRUE("Hello" == s);
  EXPECT_TRUE(s != CString("World"));
  EXPECT_TRUE(s < "World");
  EXPECT_STREQ(s + ", " + CString("World") + '!', "Hello, World!");
  EXPECT_EQ(s[4], 'o');
  EXPECT_THROW(s.GetAt(5), CInvalidArgException*);
}

TEST(StringTest, FormatUsesTheRuntimePrintf) {
  CString s;
  s.Format("%d|%5s|%I64d|%ls|%.2f", 42, "ab", static_cast<__int64>(1) << 40, L"wide", 2.5);
  EXPECT_STREQ(s, "42|   ab|1099511627776|wide|2.50");
  CString longText;
  longText.Format("%s%s", CString('x', 3000).GetString(), "end");
  EXPECT_EQ(longText.GetLength(), 3003);
  s.AppendFormat("<%c>", 'z');
  EXPECT_EQ(s.Right(3), "<z>");
}

TEST(StringTest, TokenizeSkipsDelimitersAndEndsWithMinusOne) {
  CString s = ",,a,bc;;d,";
  std::vector<CString> tokens;
  int pos = 0;
  for (CString t = s.Tokenize(",;", pos); pos != -1; t = s.Tokenize(",;", pos)) tokens.push_back(t);
  ASSERT_EQ(tokens.size(), 3u);
  EXPECT_EQ(tokens[0], "a");
  EXPECT_EQ(tokens[1], "bc");
  EXPECT_EQ(tokens[2], "d");
}

TEST(StringTest, BuffersAreWrittenThenReleased) {
  CString s = "abc";
  char* p = s.GetBuffer(20);
  lstrcpyA(p, "longer text");
  s.ReleaseBuffer();
  EXPECT_STREQ(s, "longer text");
  p = s.GetBufferSetLength(3);
  p[0] = 'X';
  s.ReleaseBuffer(2);
  EXPECT_STREQ(s, "Xo");
}

TEST(StringTest, ConvertsBetweenNarrowAndWide) {
  CStringA a = "caf\xe9";  // e-acute in the Western code page
  CStringW w(a);
  EXPECT_EQ(w, L"caf\xe9");
  CStringA back = w;
  EXPECT_EQ(back, a);
  BSTR b = a.AllocSysString();
  EXPECT_EQ(SysStringLen(b), 4u);
  EXPECT_EQ(wcscmp(b, L"caf\xe9"), 0);
  SysFreeString(b);
  EXPECT_STREQ(CW2A(L"xy"), "xy");
  EXPECT_EQ(static_cast<LPWSTR>(CA2W(nullptr)), nullptr);
  USES_CONVERSION;
  EXPECT_EQ(wcscmp(A2W("wide"), L"wide"), 0);
  EXPECT_STREQ(W2A(L"narrow"), "narrow");
  EXPECT_STREQ(CT2CA("same"), "same");
}

TEST(StringTest, LoadsStringTableEntries) {
  CString s;
  EXPECT_TRUE(s.LoadString(101));
  EXPECT_STREQ(s, "Loaded text");
  EXPECT_FALSE(s.LoadString(102));
  EXPECT_TRUE(s.IsEmpty());
  CString fromId(MAKEINTRESOURCEA(101));
  EXPECT_STREQ(fromId, "Loaded text");
  s.Format(117, 5);
  EXPECT_STREQ(s, "Count: 5");
}

}  // namespace
