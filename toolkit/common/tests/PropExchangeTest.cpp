// The exchange's shared behaviour: text forms of every value kind, defaults,
// classes and objects by name, archives in blobs, enumerations, the schema
// and the pixel measures kept at 96 DPI. The INI back end carries the values.
#include <gtest/gtest.h>

#include <limits.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "common/TKDpiHelper.h"
#include "common/TKPropExchange.h"
#include "common/TKPropExchangeIniFile.h"
#include "testsupport/TempFolder.h"

// A serialisable class and one derived from it, found by name on load.
class CShape : public CObject {
  DECLARE_SERIAL(CShape)
 public:
  int m_nSides = 0;
  void Serialize(CArchive& ar) override {
    if (ar.IsStoring())
      ar << m_nSides;
    else
      ar >> m_nSides;
  }
};
IMPLEMENT_SERIAL(CShape, CObject, 1)

class CSquare : public CShape {
  DECLARE_SERIAL(CSquare)
};
IMPLEMENT_SERIAL(CSquare, CShape, 1)

class CUnrelated : public CObject {
  DECLARE_SERIAL(CUnrelated)
};
IMPLEMENT_SERIAL(CUnrelated, CObject, 1)

namespace {

// One INI file per test; exchanges over it are made and released by the test.
class PropExchangeTest : public ::testing::Test {
 protected:
  void SetUp() override { m_path = m_folder.PathOf("test.ini"); }

  CTKPropExchangeIniFile* Open(BOOL bLoading, const char* section = "Test") {
    CTKPropExchangeIniFile* px = new CTKPropExchangeIniFile(bLoading, nullptr, section);
    px->AssignFile(m_path.c_str());
    return px;
  }
  std::string Raw(const char* key, const char* section = "Test") {
    char value[32000];
    GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value, m_path.c_str());
    return value;
  }
  void WriteRaw(const char* key, const char* value, const char* section = "Test") {
    WritePrivateProfileStringA(section, key, value, m_path.c_str());
  }

  CTempFolder m_folder;
  std::string m_path;
};

TEST_F(PropExchangeTest, NumbersAreStoredAsTheirTextAndLoadBack) {
  {
    CTKPropExchangeSection px(Open(FALSE));
    short sMinus = -1;
    BYTE nByte = 200;
    int nInt = -7;
    BOOL bFlag = TRUE;
    double dValue = 0.1234567;
    float fValue = 2.5f;
    EXPECT_TRUE(ExchangeShortProp(px, "Short", sMinus, 0));
    EXPECT_TRUE(ExchangeByteProp(px, "Byte", nByte, 0));
    EXPECT_TRUE(ExchangeIntProp(px, "Int", nInt, 0));
    EXPECT_TRUE(ExchangeBoolProp(px, "Bool", bFlag, FALSE));
    EXPECT_TRUE(px->ExchangeProp("Double", VT_R8, &dValue, nullptr));
    EXPECT_TRUE(px->ExchangeProp("Float", VT_R4, &fValue, nullptr));
  }
  EXPECT_EQ("65535", Raw("Short"));
  EXPECT_EQ("200", Raw("Byte"));
  EXPECT_EQ("-7", Raw("Int"));
  EXPECT_EQ("1", Raw("Bool"));
  EXPECT_EQ("0.123457", Raw("Double"));
  EXPECT_EQ("2.5", Raw("Float"));

  CTKPropExchangeSection px(Open(TRUE));
  short sValue = 0;
  BYTE nByte = 0;
  int nInt = 0;
  BOOL bFlag = FALSE;
  double dValue = 0;
  EXPECT_TRUE(ExchangeShortProp(px, "Short", sValue, 0));
  EXPECT_TRUE(ExchangeByteProp(px, "Byte", nByte, 0));
  EXPECT_TRUE(ExchangeIntProp(px, "Int", nInt, 0));
  EXPECT_TRUE(ExchangeBoolProp(px, "Bool", bFlag, FALSE));
  EXPECT_TRUE(px->ExchangeProp("Double", VT_R8, &dValue, nullptr));
  EXPECT_EQ(-1, sValue);
  EXPECT_EQ(200, nByte);
  EXPECT_EQ(-7, nInt);
  EXPECT_EQ(TRUE, bFlag);
  EXPECT_DOUBLE_EQ(0.123457, dValue);
}

TEST_F(PropExchangeTest, NumberTextsInHexAndOctalAreRead) {
  WriteRaw("Rect", "0x10, 010, 3, -4");
  CTKPropExchangeSection px(Open(TRUE));
  CRect rc(0, 0, 0, 0);
  EXPECT_TRUE(px->ExchangeProp("Rect", VT_TK_RECT, &rc, nullptr));
  EXPECT_EQ(CRect(16, 8, 3, -4), rc);
}

TEST_F(PropExchangeTest, RectanglesAndSizesFallBackToTheirDefaultWhenShort) {
  {
    CTKPropExchangeSection px(Open(FALSE));
    CRect rc(1, 2, 3, 4);
    CSize sz(5, 6);
    EXPECT_TRUE(px->ExchangeProp("Rect", VT_TK_RECT, &rc, nullptr));
    EXPECT_TRUE(ExchangeSizeProp(px, "Size", sz, CSize(0, 0)));
  }
  EXPECT_EQ("1, 2, 3, 4", Raw("Rect"));
  EXPECT_EQ("5, 6", Raw("Size"));
  WriteRaw("ShortRect", "1, 2, 3");
  WriteRaw("ShortSize", "9");

  CTKPropExchangeSection px(Open(TRUE));
  CRect rc, rcDefault(7, 7, 7, 7);
  EXPECT_TRUE(px->ExchangeProp("ShortRect", VT_TK_RECT, &rc, &rcDefault));
  EXPECT_EQ(rcDefault, rc);
  EXPECT_FALSE(px->ExchangeProp("ShortRect", VT_TK_RECT, &rc, nullptr));
  CSize sz(0, 0);
  EXPECT_TRUE(ExchangeSizeProp(px, "ShortSize", sz, CSize(3, 4)));
  EXPECT_EQ(CSize(3, 4), sz);
  EXPECT_TRUE(ExchangeSizeProp(px, "Size", sz, CSize(0, 0)));
  EXPECT_EQ(CSize(5, 6), sz);
}

TEST(PropExchangeDateText, DatesAreWrittenYearDayMonth) {
  EXPECT_STREQ("2005-01-02", FormatExchangeDateTime(COleDateTime(2005, 2, 1, 0, 0, 0)));
  EXPECT_STREQ("2005-01-02T10:30:05", FormatExchangeDateTime(COleDateTime(2005, 2, 1, 10, 30, 5)));
  COleDateTime time;
  time.m_dt = (10 * 3600 + 30 * 60) / 86400.0;
  EXPECT_STREQ("10:30:00", FormatExchangeDateTime(time));
  COleDateTime none;
  none.SetStatus(COleDateTime::null);
  EXPECT_STREQ("", FormatExchangeDateTime(none));
  COleDateTime bad;
  bad.SetStatus(COleDateTime::invalid);
  EXPECT_STREQ("Invalid DateTime", FormatExchangeDateTime(bad));
}

TEST(PropExchangeDateText, DateTextsParseOrAreRefused) {
  struct Case {
    const char* text;
    bool ok;
    int year, month, day, hour, minute, second;
  } cases[] = {
      {"2005-01-02", true, 2005, 2, 1, 0, 0, 0},
      {"2005-01-02T10:30", true, 2005, 2, 1, 10, 30, 0},
      {"2005-01-02T10:30:15", true, 2005, 2, 1, 10, 30, 15},
      {"2005-01-02T10", false},
      {"2005-31-04", false},  // the 31st of April is refused, not rolled over
      {"2005-01-13", false},
      {"2005-01", false},
      {"noon", false},
      {"", false},
  };
  for (const Case& c : cases) {
    COleDateTime dt(1999, 9, 9, 9, 9, 9);
    const COleDateTime before = dt;
    EXPECT_EQ(c.ok, !!ParseExchangeDateTime(c.text, dt)) << c.text;
    if (c.ok) {
      EXPECT_EQ(c.year, dt.GetYear()) << c.text;
      EXPECT_EQ(c.month, dt.GetMonth()) << c.text;
      EXPECT_EQ(c.day, dt.GetDay()) << c.text;
      EXPECT_EQ(c.hour, dt.GetHour()) << c.text;
      EXPECT_EQ(c.minute, dt.GetMinute()) << c.text;
      EXPECT_EQ(c.second, dt.GetSecond()) << c.text;
    } else {
      EXPECT_TRUE(dt == before) << c.text;
    }
  }
}

TEST(PropExchangeDateText, TimesAloneHaveNoDayPart) {
  COleDateTime dt(1999, 9, 9, 9, 9, 9);
  ASSERT_TRUE(ParseExchangeDateTime("10:30", dt));
  EXPECT_EQ(COleDateTime::valid, dt.GetStatus());
  EXPECT_DOUBLE_EQ((10 * 3600 + 30 * 60) / 86400.0, dt.m_dt);
  ASSERT_TRUE(ParseExchangeDateTime("00:00:01", dt));
  EXPECT_DOUBLE_EQ(1 / 86400.0, dt.m_dt);
}

TEST_F(PropExchangeTest, DatesRoundTripThroughTheFile) {
  {
    CTKPropExchangeSection px(Open(FALSE));
    COleDateTime dt(2005, 2, 1, 10, 30, 0);
    EXPECT_TRUE(px->ExchangeProp("When", VT_DATE, &dt, nullptr));
  }
  EXPECT_EQ("2005-01-02T10:30:00", Raw("When"));
  WriteRaw("Broken", "2005-01-02T10");
  CTKPropExchangeSection px(Open(TRUE));
  COleDateTime dt;
  EXPECT_TRUE(px->ExchangeProp("When", VT_DATE, &dt, nullptr));
  EXPECT_TRUE(dt == COleDateTime(2005, 2, 1, 10, 30, 0));
  EXPECT_FALSE(px->ExchangeProp("Broken", VT_DATE, &dt, nullptr));
}

TEST(PropExchangeEscapes, BackslashesAndControlCharactersRoundTrip) {
  struct Case {
    const char* value;
    const char* stored;
  } cases[] = {
      {"a\\nb", "a\\\\nb"},
      {"line\nnext\r\tend", "line\\nnext\\r\\tend"},
      {"C:\\Temp\\", "C:\\\\Temp\\\\"},
      {"plain", "plain"},
  };
  for (const Case& c : cases) {
    CString text = c.value;
    EscapeExchangeString(text, FALSE);
    EXPECT_STREQ(c.stored, text) << c.value;
    EscapeExchangeString(text, TRUE);
    EXPECT_STREQ(c.value, text) << c.value;
  }
}

TEST(PropExchangeEscapes, TheInternalMarkerInStoredTextBecomesABackslash) {
  CString text = "x\x01\x01y\\\\z";
  EscapeExchangeString(text, TRUE);
  EXPECT_STREQ("x\\y\\z", text);
  // Without a backslash the text is taken as it is.
  text = "x\x01\x01y";
  EscapeExchangeString(text, TRUE);
  EXPECT_STREQ("x\x01\x01y", text);
}

TEST_F(PropExchangeTest, StringsAreEscapedInTheFile) {
  {
    CTKPropExchangeSection px(Open(FALSE));
    CString text = "a\\nb";
    EXPECT_TRUE(ExchangeStringProp(px, "Text", text, ""));
  }
  EXPECT_EQ("a\\\\nb", Raw("Text"));
  CTKPropExchangeSection px(Open(TRUE));
  CString text;
  EXPECT_TRUE(ExchangeStringNoDefault(px, "Text", text));
  EXPECT_STREQ("a\\nb", text);
}

TEST(PropExchangeBlobText, BytesBecomeLetterPairs) {
  const BYTE bytes[] = {0x00, 0x5C, 0xFF};
  EXPECT_STREQ("AAMFPP", EncodeBlobAsText(bytes, 3));
  EXPECT_STREQ("", EncodeBlobAsText(bytes, 0));

  BYTE* pData = nullptr;
  DWORD cbData = 0;
  ASSERT_TRUE(DecodeBlobFromText("AAMFPP", &pData, &cbData));
  ASSERT_EQ(3u, cbData);
  EXPECT_EQ(0, memcmp(bytes, pData, 3));
  free(pData);

  pData = nullptr;
  EXPECT_FALSE(DecodeBlobFromText("AAM", &pData, &cbData));
  EXPECT_EQ(nullptr, pData);
  EXPECT_TRUE(DecodeBlobFromText("", &pData, &cbData));
  EXPECT_EQ(0u, cbData);
}

TEST(PropExchangeBlobText, AGivenBlockMustHoldTheBytes) {
  BYTE block[2] = {9, 9};
  BYTE* pData = block;
  DWORD cbData = sizeof block;
  EXPECT_FALSE(DecodeBlobFromText("AAMFPP", &pData, &cbData));
  EXPECT_EQ(9, block[0]);
  EXPECT_TRUE(DecodeBlobFromText("BAMF", &pData, &cbData));
  EXPECT_EQ(1, block[0]);
  EXPECT_EQ(0x5C, block[1]);
  EXPECT_EQ(2u, cbData);
}

TEST_F(PropExchangeTest, BlobsTravelAsLetterText) {
  {
    CTKPropExchangeSection px(Open(FALSE));
    BYTE bytes[] = {0x00, 0x5C, 0xFF};
    BYTE* pData = bytes;
    DWORD cbData = sizeof bytes;
    EXPECT_TRUE(ExchangeBinaryProp(px, "Blob", &pData, &cbData));
  }
  EXPECT_EQ("AAMFPP", Raw("Blob"));
  WriteRaw("Odd", "AAM");
  CTKPropExchangeSection px(Open(TRUE));
  BYTE buffer[3] = {};
  EXPECT_EQ(3u, px->ReadBlob("Blob", buffer, sizeof buffer));
  EXPECT_EQ(0x5C, buffer[1]);
  BYTE* pData = nullptr;
  DWORD cbData = 0;
  EXPECT_FALSE(ExchangeBinaryProp(px, "Odd", &pData, &cbData));
  EXPECT_FALSE(ExchangeBinaryProp(px, "Missing", &pData, &cbData));
  EXPECT_EQ(nullptr, pData);
}

TEST_F(PropExchangeTest, VariantsAreTextAndDateTextsComeBackAsDates) {
  {
    CTKPropExchangeSection px(Open(FALSE));
    COleVariant three(3L);
    COleVariant noon(COleDateTime(2005, 2, 1, 12, 30, 0));
    EXPECT_TRUE(px->ExchangeProp("Three", VT_VARIANT, &three, nullptr));
    EXPECT_TRUE(px->ExchangeProp("Noon", VT_VARIANT, &noon, nullptr));
  }
  EXPECT_EQ("3", Raw("Three"));
  EXPECT_EQ("2005-01-02T12:30:00", Raw("Noon"));
  WriteRaw("Time", "12:30");

  CTKPropExchangeSection px(Open(TRUE));
  COleVariant var;
  EXPECT_TRUE(px->ExchangeProp("Three", VT_VARIANT, &var, nullptr));
  ASSERT_EQ(VT_BSTR, var.vt);
  EXPECT_STREQ(L"3", var.bstrVal);
  EXPECT_TRUE(px->ExchangeProp("Time", VT_VARIANT, &var, nullptr));
  ASSERT_EQ(VT_DATE, var.vt);
  EXPECT_DOUBLE_EQ(12.5 / 24, var.date);
}

TEST(PropExchangeDefaults, EqualityFollowsTheValueKind) {
  int a = 5, b = 5, c = 6;
  EXPECT_TRUE(CTKPropExchange::IsValueEqualToDefault(VT_I4, &a, &a));
  EXPECT_TRUE(CTKPropExchange::IsValueEqualToDefault(VT_I4, &a, &b));
  EXPECT_FALSE(CTKPropExchange::IsValueEqualToDefault(VT_I4, &a, &c));
  EXPECT_FALSE(CTKPropExchange::IsValueEqualToDefault(VT_I4, &a, nullptr));
  CString s1 = "Text", s2 = "text";
  EXPECT_FALSE(CTKPropExchange::IsValueEqualToDefault(VT_LPSTR, &s1, &s2));

  COleDateTime null1, null2, bad1, bad2;
  null1.SetStatus(COleDateTime::null);
  null2.SetStatus(COleDateTime::null);
  bad1.SetStatus(COleDateTime::invalid);
  bad2.SetStatus(COleDateTime::invalid);
  EXPECT_TRUE(CTKPropExchange::IsValueEqualToDefault(VT_DATE, &null1, &null2));
  EXPECT_FALSE(CTKPropExchange::IsValueEqualToDefault(VT_DATE, &bad1, &bad2));

  BSTR w1 = SysAllocString(L"abc"), w2 = SysAllocString(L"abc");
  EXPECT_TRUE(CTKPropExchange::IsValueEqualToDefault(VT_BSTR, &w1, &w2));
  BSTR copy = nullptr;
  EXPECT_TRUE(CTKPropExchange::CopyDefaultValue(VT_BSTR, &copy, &w1));
  EXPECT_STREQ(L"abc", copy);
  SysFreeString(copy);
  SysFreeString(w1);
  SysFreeString(w2);

  int target = 1;
  EXPECT_FALSE(CTKPropExchange::CopyDefaultValue(VT_I4, &target, nullptr));
  EXPECT_EQ(1, target);
}

TEST_F(PropExchangeTest, DefaultsAreNotWrittenAndMissingValuesLoadThem) {
  {
    CTKPropExchangeSection px(Open(FALSE));
    int n = 4;
    CString text = "same";
    EXPECT_TRUE(ExchangeIntProp(px, "Four", n, 4));
    EXPECT_TRUE(ExchangeStringProp(px, "Same", text, "same"));
  }
  EXPECT_EQ("<missing>", Raw("Four"));
  EXPECT_EQ("<missing>", Raw("Same"));

  CTKPropExchangeSection px(Open(TRUE));
  int n = 0;
  EXPECT_TRUE(ExchangeIntProp(px, "Four", n, 4));
  EXPECT_EQ(4, n);
  n = 9;
  EXPECT_FALSE(ExchangeIntNoDefault(px, "Four", n));
  EXPECT_EQ(9, n);
}

TEST_F(PropExchangeTest, WithoutDefaultsEveryValueIsWrittenAndMissingOnesFail) {
  {
    CTKPropExchangeSection px(Open(FALSE));
    px->UseDefaultOnSave(FALSE);
    int n = 4;
    EXPECT_TRUE(ExchangeIntProp(px, "Four", n, 4));
  }
  EXPECT_EQ("4", Raw("Four"));
  CTKPropExchangeSection px(Open(TRUE));
  px->UseDefaultOnLoad(FALSE);
  int n = 7;
  EXPECT_FALSE(ExchangeIntProp(px, "Missing", n, 3));
  EXPECT_EQ(7, n);
}

TEST_F(PropExchangeTest, AValueBackAtItsDefaultRemovesTheOldOne) {
  WriteRaw("Width", "12");
  CTKPropExchangeSection px(Open(FALSE));
  int n = 0;
  EXPECT_TRUE(ExchangeIntProp(px, "Width", n, 0));
  EXPECT_EQ("<missing>", Raw("Width"));
}

TEST(PropExchangeHelpers, ANullExchangeFailsEveryHelper) {
  int n = 1;
  BYTE b = 1;
  short s = 1;
  BOOL f = TRUE;
  CString text = "x";
  CSize size(1, 1);
  CRect rect(1, 1, 1, 1);
  CRuntimeClass* pClass = nullptr;
  BYTE* pData = nullptr;
  DWORD cbData = 0;
  CShape shape;
  EXPECT_FALSE(ExchangeByteProp(nullptr, "a", b, 0));
  EXPECT_FALSE(ExchangeShortProp(nullptr, "a", s, 0));
  EXPECT_FALSE(ExchangeIntNoDefault(nullptr, "a", n));
  EXPECT_FALSE(ExchangeIntProp(nullptr, "a", n, 0));
  EXPECT_FALSE(ExchangeBoolProp(nullptr, "a", f, 0));
  EXPECT_FALSE(ExchangeStringNoDefault(nullptr, "a", text));
  EXPECT_FALSE(ExchangeStringProp(nullptr, "a", text, ""));
  EXPECT_FALSE(ExchangeSizeProp(nullptr, "a", size, size));
  EXPECT_FALSE(ExchangeDpiXProp(nullptr, "a", n, 0));
  EXPECT_FALSE(ExchangeDpiYProp(nullptr, "a", n, 0));
  EXPECT_FALSE(ExchangeDpiSizeProp(nullptr, "a", size, size));
  EXPECT_FALSE(ExchangeDpiRectProp(nullptr, "a", rect, rect));
  EXPECT_FALSE(ExchangeRuntimeClassProp(nullptr, "a", pClass, RUNTIME_CLASS(CShape)));
  EXPECT_FALSE(ExchangeBinaryProp(nullptr, "a", &pData, &cbData));
  EXPECT_FALSE(ExchangeSerializableProp(nullptr, "a", &shape));
  EXPECT_EQ(1, n);
}

TEST_F(PropExchangeTest, UnsupportedCodesFail) {
  CTKPropExchangeSection px(Open(FALSE));
  CY cy = {};
  int n = 0;
  EXPECT_FALSE(px->ExchangeProp("Money", VT_CY, &cy, nullptr));
  EXPECT_FALSE(px->ExchangeProp("Odd", 77, &n, nullptr));
}

TEST_F(PropExchangeTest, ClassesTravelByName) {
  {
    CTKPropExchangeSection px(Open(FALSE));
    CRuntimeClass* pClass = RUNTIME_CLASS(CSquare);
    EXPECT_TRUE(ExchangeRuntimeClassProp(px, "Shape", pClass, RUNTIME_CLASS(CShape)));
  }
  EXPECT_EQ("CSquare", Raw("Shape"));
  WriteRaw("Unknown", "CNoSuchClass");

  CTKPropExchangeSection px(Open(TRUE));
  CRuntimeClass* pClass = nullptr;
  EXPECT_TRUE(ExchangeRuntimeClassProp(px, "Shape", pClass, RUNTIME_CLASS(CShape)));
  EXPECT_EQ(RUNTIME_CLASS(CSquare), pClass);
  EXPECT_TRUE(ExchangeRuntimeClassProp(px, "Missing", pClass, RUNTIME_CLASS(CShape)));
  EXPECT_EQ(RUNTIME_CLASS(CShape), pClass);
  EXPECT_FALSE(ExchangeRuntimeClassProp(px, "Unknown", pClass, RUNTIME_CLASS(CShape)));
  EXPECT_EQ(nullptr, pClass);
}

TEST_F(PropExchangeTest, ObjectsAreCreatedByTheirStoredClass) {
  {
    CTKPropExchangeSection px(Open(FALSE));
    CTKPropExchangeSection plain(px->GetSection("Plain"));
    CTKPropExchangeSection square(px->GetSection("Square"));
    CShape shape;
    CSquare sq;
    CObject* pShape = &shape;
    CObject* pSquare = &sq;
    EXPECT_TRUE(plain->ExchangeObjectInstance(pShape, RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(square->ExchangeObjectInstance(pSquare, RUNTIME_CLASS(CShape)));
  }
  // An object of exactly the base class leaves "Class" out.
  EXPECT_EQ("<missing>", Raw("Class", "Test\\Plain"));
  EXPECT_EQ("CSquare", Raw("Class", "Test\\Square"));
  WriteRaw("Class", "CUnrelated", "Test\\Wrong");

  CTKPropExchangeSection px(Open(TRUE));
  struct Case {
    const char* section;
    CRuntimeClass* expected;
  } cases[] = {
      {"Plain", RUNTIME_CLASS(CShape)}, {"Square", RUNTIME_CLASS(CSquare)}, {"Wrong", nullptr}};
  for (const Case& c : cases) {
    CTKPropExchangeSection section(px->GetSection(c.section));
    CObject* pObject = nullptr;
    EXPECT_EQ(c.expected != nullptr,
              !!section->ExchangeObjectInstance(pObject, RUNTIME_CLASS(CShape)))
        << c.section;
    if (c.expected == nullptr) {
      EXPECT_EQ(nullptr, pObject);
    } else {
      ASSERT_NE(nullptr, pObject);
      EXPECT_EQ(c.expected, pObject->GetRuntimeClass()) << c.section;
    }
    delete pObject;
  }
}

TEST_F(PropExchangeTest, SerialisableObjectsTravelInABlob) {
  {
    CTKPropExchangeSection px(Open(FALSE));
    CShape shape;
    shape.m_nSides = 0x5C;
    EXPECT_TRUE(ExchangeSerializableProp(px, "Shape", &shape));
  }
  // The int 0x5C as letter pairs.
  EXPECT_EQ("MFAAAAAA", Raw("Shape"));
  CTKPropExchangeSection px(Open(TRUE));
  CShape shape;
  EXPECT_TRUE(ExchangeSerializableProp(px, "Shape", &shape));
  EXPECT_EQ(0x5C, shape.m_nSides);
  EXPECT_FALSE(ExchangeSerializableProp(px, "Missing", &shape));
}

TEST_F(PropExchangeTest, ATruncatedSerialisedBlobFailsWithoutThrowing) {
  WriteRaw("Shape", "MFAA");
  CTKPropExchangeSection px(Open(TRUE));
  CShape shape;
  EXPECT_FALSE(ExchangeSerializableProp(px, "Shape", &shape));
}

TEST_F(PropExchangeTest, EnumerationsOpenNumberedSections) {
  {
    CTKPropExchangeSection px(Open(FALSE));
    CTKPropExchangeEnumeratorPtr items(px->GetEnumerator("Item"));
    POSITION pos = items->GetPosition(2);
    std::vector<std::string> names;
    while (pos != nullptr) {
      CTKPropExchangeSection item(items->GetNext(pos));
      CTKPropExchangeIniFile* pIni = static_cast<CTKPropExchangeIniFile*>(item.GetExchange());
      names.push_back(pIni->GetSectionName().GetString());
      int n = static_cast<int>(names.size());
      ExchangeIntProp(item, "Value", n, 0);
    }
    EXPECT_EQ((std::vector<std::string>{"Test\\Item0", "Test\\Item1"}), names);
  }
  EXPECT_EQ("2", Raw("Count"));

  CTKPropExchangeSection px(Open(TRUE));
  CTKPropExchangeEnumeratorPtr items(px->GetEnumerator("Item"));
  POSITION pos = items->GetPosition();
  EXPECT_EQ(2u, items->GetCount());
  int sum = 0;
  while (pos != nullptr) {
    CTKPropExchangeSection item(items->GetNext(pos));
    int n = 0;
    ExchangeIntProp(item, "Value", n, 0);
    sum += n;
  }
  EXPECT_EQ(3, sum);

  CTKPropExchangeSection empty(Open(TRUE, "Nothing"));
  CTKPropExchangeEnumeratorPtr none(empty->GetEnumerator("Item"));
  EXPECT_EQ(nullptr, none->GetPosition());
}

// A damaged count (-1 reads as 4,294,967,295) walks no further than the
// numbered sections the file holds: Item0, Item2 (only through its child) and
// ITEM5. Items 1, 3 and 4 may have had only default values, which write no
// section, so ITEM5 is still read; a number of seven digits is no item.
TEST_F(PropExchangeTest, ALoadedCountIsHeldToTheSectionsTheFileHolds) {
  for (const char* section : {"Test\\Item0", "Test\\Item2\\Sub", "Test\\ITEM5", "Test\\Item1x",
                              "Test\\Item01", "Test\\Items4", "Other\\Item3", "TestItem6",
                              "Test\\Item4000000"})
    WriteRaw("Value", "1", section);
  const struct {
    const char* count;
    DWORD expected;
  } cases[] = {{"-1", 6}, {"1000", 6}, {"6", 6}, {"3", 3}, {"2", 2}, {nullptr, 0}};
  for (const auto& c : cases) {
    WriteRaw("Count", c.count);
    CTKPropExchangeSection px(Open(TRUE));
    CTKPropExchangeEnumeratorPtr items(px->GetEnumerator("Item"));
    POSITION pos = items->GetPosition();
    EXPECT_EQ(c.expected, items->GetCount()) << (c.count ? c.count : "(none)");
    DWORD walked = 0;
    while (pos != nullptr && walked <= c.expected) {
      CTKPropExchangeSection item(items->GetNext(pos));
      ++walked;
    }
    EXPECT_EQ(c.expected, walked) << (c.count ? c.count : "(none)");
  }
}

TEST_F(PropExchangeTest, SectionsInheritTheirParentsSettings) {
  CTKPropExchangeSection px(Open(FALSE));
  px->SetSchema(20);
  px->SetData(0x1234);
  px->UseDefaultOnSave(FALSE);
  CTKPropExchangeSection child(px->GetSection("Child"));
  EXPECT_TRUE(child->IsChildSection());
  EXPECT_FALSE(px->IsChildSection());
  EXPECT_EQ(20, child->GetSchema());
  EXPECT_EQ(0x1234u, child->GetData());
  EXPECT_FALSE(child->IsUseDefaultOnSave());
  EXPECT_TRUE(child->IsUseDefaultOnLoad());
  EXPECT_TRUE(child->IsStoring());
}

TEST_F(PropExchangeTest, TheSchemaDefaultsTo32WhenMissing) {
  {
    CTKPropExchangeSection px(Open(FALSE));
    EXPECT_EQ(42, px->GetSchema());
    px->ExchangeSchema();
  }
  EXPECT_EQ("42", Raw("Schema"));
  {
    CTKPropExchangeSection px(Open(FALSE, "Old"));
    px->SetSchema(32);
    px->ExchangeSchema();
  }
  EXPECT_EQ("<missing>", Raw("Schema", "Old"));
  CTKPropExchangeSection px(Open(TRUE, "Old"));
  px->ExchangeSchema();
  EXPECT_EQ(32, px->GetSchema());
}

TEST_F(PropExchangeTest, CountsAreIntegersDefaultingToZero) {
  {
    CTKPropExchangeSection px(Open(FALSE));
    px->WriteCount(5);
  }
  EXPECT_EQ("5", Raw("Count"));
  CTKPropExchangeSection px(Open(TRUE));
  EXPECT_EQ(5u, px->ReadCount());
  CTKPropExchangeSection other(Open(TRUE, "Other"));
  EXPECT_EQ(0u, other->ReadCount());
}

// Pixel measures at 144 DPI: stored at 96, held at the screen's DPI.
class PropExchangeDpiTest : public PropExchangeTest {
 protected:
  void SetUp() override {
    PropExchangeTest::SetUp();
    TKDpiHelper()->OverrideDpi(144, 144);
  }
  void TearDown() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    PropExchangeTest::TearDown();
  }
};

TEST_F(PropExchangeDpiTest, MeasuresAreStoredAt96AndLoadedAtTheScreenDpi) {
  int x = 150;
  CSize size(150, 30);
  CRect rect(15, 30, 150, 300);
  CRect none(INT_MIN, INT_MIN, INT_MIN, INT_MIN);
  {
    CTKPropExchangeSection px(Open(FALSE));
    EXPECT_TRUE(ExchangeDpiXProp(px, "X", x, 100));
    EXPECT_TRUE(ExchangeDpiSizeProp(px, "Size", size, CSize(0, 0)));
    EXPECT_TRUE(ExchangeDpiRectProp(px, "Rect", rect, CRect(0, 0, 0, 0)));
    EXPECT_TRUE(ExchangeDpiRectProp(px, "None", none, CRect(0, 0, 0, 0)));
  }
  // Written even though 100 is the default: the default is a design value.
  EXPECT_EQ("100", Raw("X"));
  EXPECT_EQ(150, x);
  EXPECT_EQ("100, 20", Raw("Size"));
  EXPECT_EQ("10, 20, 100, 200", Raw("Rect"));
  EXPECT_EQ("-2147483648, -2147483648, -2147483648, -2147483648", Raw("None"));

  CTKPropExchangeSection px(Open(TRUE));
  int y = 0;
  x = 0;
  EXPECT_TRUE(ExchangeDpiXProp(px, "X", x, 0));
  EXPECT_TRUE(ExchangeDpiYProp(px, "Missing", y, 10));
  EXPECT_EQ(150, x);
  EXPECT_EQ(15, y);
  CSize sizeBack;
  CRect rectBack;
  EXPECT_TRUE(ExchangeDpiSizeProp(px, "Size", sizeBack, CSize(0, 0)));
  EXPECT_TRUE(ExchangeDpiRectProp(px, "Rect", rectBack, CRect(0, 0, 0, 0)));
  EXPECT_EQ(size, sizeBack);
  EXPECT_EQ(rect, rectBack);
}

}  // namespace
