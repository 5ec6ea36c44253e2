// The markup parser: what it hands to the XML reader, how it reports
// failures, and the repaired text for an undeclared prefix x. The reader's
// own error wording is not checked: it is the system's.
#include <gtest/gtest.h>

#include <msxml.h>

#include <string>

#include "markup/TKMarkupParser.h"
#include "testsupport/TempFolder.h"

namespace {

BOOL LoadText(CTKMarkupParser& parser, const std::string& text) {
  const BYTE* p = reinterpret_cast<const BYTE*>(text.data());
  return parser.LoadBuffer(p, p + text.size());
}

std::wstring RootName(const CTKMarkupParser& parser) {
  IXMLDOMDocument* pDocument = parser.GetDocument();
  if (pDocument == nullptr) return L"";
  IXMLDOMElement* pRoot = nullptr;
  pDocument->get_documentElement(&pRoot);
  std::wstring name;
  if (pRoot != nullptr) {
    BSTR tag = nullptr;
    pRoot->get_tagName(&tag);
    name = tag != nullptr ? tag : L"";
    SysFreeString(tag);
    pRoot->Release();
  }
  pDocument->Release();
  return name;
}

std::wstring StreamText(IStream* pStream) {
  STATSTG stat = {};
  pStream->Stat(&stat, STATFLAG_NONAME);
  std::string bytes(static_cast<size_t>(stat.cbSize.QuadPart), '\0');
  LARGE_INTEGER zero = {};
  pStream->Seek(zero, STREAM_SEEK_SET, nullptr);
  ULONG nRead = 0;
  pStream->Read(&bytes[0], static_cast<ULONG>(bytes.size()), &nRead);
  if (bytes.size() < 2 || bytes[0] != '\xFF' || bytes[1] != '\xFE') return L"<no byte-order mark>";
  return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data() + 2), (bytes.size() - 2) / 2);
}

IStream* StreamOf(const std::string& bytes) {
  IStream* pStream = nullptr;
  CreateStreamOnHGlobal(nullptr, TRUE, &pStream);
  ULONG nWritten = 0;
  pStream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &nWritten);
  return pStream;
}

TEST(Parser, LeadingBlanksBeforeTheRootAreAccepted) {
  CTKMarkupParser parser;
  EXPECT_TRUE(LoadText(parser, " \r\n\t<TextBlock>hi</TextBlock>"));
  EXPECT_EQ(RootName(parser), L"TextBlock");
  EXPECT_EQ(parser.GetErrorCode(), S_OK);
  EXPECT_STREQ(parser.GetErrorText(), "No Error");
}

TEST(Parser, TextThatIsNoMarkupFailsWithoutAnError) {
  for (const char* text : {"", "   ", "x<TextBlock/>", "TextBlock"}) {
    CTKMarkupParser parser;
    EXPECT_FALSE(LoadText(parser, text)) << text;
    EXPECT_EQ(parser.GetErrorCode(), S_OK) << text;
    EXPECT_STREQ(parser.GetErrorText(), "No Error");
    EXPECT_EQ(parser.GetDocument(), nullptr);
  }
  CTKMarkupParser parser;
  const wchar_t blank[] = L"  \n";
  EXPECT_FALSE(parser.LoadString(blank, blank + 3));
  EXPECT_FALSE(parser.LoadString(nullptr, nullptr));
}

TEST(Parser, WideTextAndUtf8WithByteOrderMark) {
  CTKMarkupParser wide;
  const wchar_t text[] = L"\n<Run>caf\x00e9</Run>";
  EXPECT_TRUE(wide.LoadString(text, text + wcslen(text)));
  EXPECT_EQ(RootName(wide), L"Run");
  CTKMarkupParser utf8;
  EXPECT_TRUE(LoadText(utf8, "\xEF\xBB\xBF <Run>caf\xC3\xA9</Run>"));
  EXPECT_EQ(RootName(utf8), L"Run");
}

TEST(Parser, MalformedMarkupIsAnXmlError) {
  CTKMarkupParser parser;
  EXPECT_FALSE(LoadText(parser, "<TextBlock><Run></TextBlock>"));
  EXPECT_LT(parser.GetErrorCode(), 0);
  CString text = parser.GetErrorText();
  EXPECT_EQ(text.Left(11), "XML Error [");
  EXPECT_NE(text.Find("] '"), -1);
  EXPECT_EQ(text.Find('\n'), -1);
  EXPECT_EQ(parser.GetDocument(), nullptr);
  // A second load replaces the first outcome.
  EXPECT_TRUE(LoadText(parser, "<A/>"));
  EXPECT_STREQ(parser.GetErrorText(), "No Error");
}

TEST(Parser, AnXmlErrorGivesItsReasonLineColumnAndSourceLine) {
  struct Case {
    const char* text;
    const char* place;  // " at line:column 'source line'", where the reader stops
  };
  const Case cases[] = {
      {"<TextBlock>\n  <Run></TextBlock>", "'mismatched tag' at 2:10 '  <Run></TextBlock>'"},
      {"<A>\r\n<B>\r\n\t<C x='1' x='2'/></B></A>", "'duplicate attribute' at 3:11 '\t<C x='1' x='2'/></B></A>'"},
      {"<A>caf\xC3\xA9 &bad;</A>", " at 1:10 '"},
      {"<A>\n<Run>\n", " at 3:1 '"},
  };
  for (const Case& c : cases) {
    CTKMarkupParser parser;
    EXPECT_FALSE(LoadText(parser, c.text)) << c.text;
    const CString text = parser.GetErrorText();
    EXPECT_NE(text.Find(c.place), -1) << text.GetString();
    EXPECT_EQ(text.Find("{reason unknown}"), -1) << text.GetString();
    EXPECT_EQ(text.Find("' at 0:0"), -1) << text.GetString();
  }
  // Wide text with its 8-bit declaration counts characters too.
  const std::wstring wide = L"<?xml version='1.0' encoding='windows-1252'?>\n<A>\x00e9</B>";
  CTKMarkupParser parser;
  EXPECT_FALSE(parser.LoadString(wide.c_str(), wide.c_str() + wide.size()));
  EXPECT_NE(parser.GetErrorText().Find("'mismatched tag' at 2:7 '"), -1) << parser.GetErrorText().GetString();
}

TEST(Parser, WideTextIgnoresTheEncodingItsDeclarationNames) {
  const std::string ansi = "<?xml version='1.0' encoding='windows-1252'?>\n<Run>Caf\xE9</Run>";
  const std::wstring wide = L"<?xml version='1.0' encoding='windows-1252'?>\n<Run>Caf\x00e9</Run>";
  CTKMarkupParser narrow;
  EXPECT_TRUE(LoadText(narrow, ansi));
  CTKMarkupParser parser;
  EXPECT_TRUE(parser.LoadString(wide.c_str(), wide.c_str() + wide.size()))
      << parser.GetErrorText().GetString();
  EXPECT_EQ(RootName(parser), L"Run");
}

TEST(Parser, ExternalEntitiesAreNotFetched) {
  CTempFolder folder;
  ASSERT_TRUE(folder.MakeFile("secret.txt", "secret"));
  std::string markup =
      "<!DOCTYPE A [<!ENTITY e SYSTEM \"file:///" + folder.PathOf("secret.txt") + "\">]><A>&e;</A>";
  CTKMarkupParser parser;
  if (LoadText(parser, markup)) {
    IXMLDOMDocument* pDocument = parser.GetDocument();
    BSTR text = nullptr;
    pDocument->get_text(&text);
    EXPECT_EQ(std::wstring(text != nullptr ? text : L"").find(L"secret"), std::wstring::npos);
    SysFreeString(text);
    pDocument->Release();
  }
}

TEST(Parser, ComErrorsUseTheSystemsMessage) {
  EXPECT_EQ(CTKMarkupParser::FormatComError(0x80040201), "IDispatch error #1");
  EXPECT_EQ(CTKMarkupParser::FormatComError(0x8123ABCD), "Unknown error 0x8123ABCD");
  CString message = CTKMarkupParser::FormatComError(E_OUTOFMEMORY);
  EXPECT_FALSE(message.IsEmpty());
  EXPECT_NE(message.Right(1), "\n");
}

TEST(Parser, RepairDeclaresXOnTheRootElement) {
  struct Case {
    const char* bytes;
    const wchar_t* repaired;
  };
  const wchar_t* kDecl = L" xmlns:x='http://schemas.microsoft.com/winfx/2006/xaml'";
  const Case cases[] = {
      {"<TextBlock x:Name='a'/>", L"<TextBlock%s x:Name='a'/>"},
      {"<?xml version='1.0'?>\n<Border\tx:Key='k'></Border>",
       L"<?xml version='1.0'?>\n<Border%s\tx:Key='k'></Border>"},
      {"<Grid/>", L"<Grid%s/>"},
      {"\xEF\xBB\xBF<Run>caf\xC3\xA9</Run>", L"<Run%s>caf\x00e9</Run>"},
  };
  for (const Case& c : cases) {
    IStream* pStream = StreamOf(c.bytes);
    IStream* pRepaired = CTKMarkupParser::CreateNamespaceRepair(pStream);
    ASSERT_NE(pRepaired, nullptr) << c.bytes;
    CStringW expected;
    expected.Format(c.repaired, kDecl);
    EXPECT_EQ(StreamText(pRepaired), std::wstring(expected.GetString())) << c.bytes;
    pRepaired->Release();
    pStream->Release();
  }
  for (const char* bytes : {"no markup", "<?xml version='1.0'?>", "<TextBlock"}) {
    IStream* pStream = StreamOf(bytes);
    EXPECT_EQ(CTKMarkupParser::CreateNamespaceRepair(pStream), nullptr) << bytes;
    pStream->Release();
  }
}

TEST(Parser, UndeclaredPrefixXLoads) {
  CTKMarkupParser parser;
  EXPECT_TRUE(LoadText(parser, "<TextBlock x:Name='a'>hi</TextBlock>"));
  EXPECT_EQ(RootName(parser), L"TextBlock");
}

}  // namespace
