// The registry back end: typed values, blobs, emptied keys, the application's
// key, and values that are not what a load expects.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "afxwin.h"
#include "common/TKPropExchangeRegistry.h"

namespace {

CWinApp theApp("VelmPropExchangeRegistryTest");

const char kCompany[] = "VelmoranPropExchangeTest";
const char kRoot[] = "Software\\VelmoranPropExchangeTest";

class PropExchangeRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteTree();
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kRoot, 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &m_hRoot, nullptr));
  }
  void TearDown() override {
    RegCloseKey(m_hRoot);
    DeleteTree();
  }
  static void DeleteTree() {
    HKEY hSoftware;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &hSoftware) ==
        ERROR_SUCCESS) {
      RegDeleteTreeA(hSoftware, kCompany);
      RegDeleteKeyA(hSoftware, kCompany);
      RegCloseKey(hSoftware);
    }
  }

  CTKPropExchangeRegistry* Open(BOOL bLoading, const char* section = "Test") {
    return new CTKPropExchangeRegistry(bLoading, m_hRoot, section);
  }
  // The raw value under kRoot\<section>.
  bool Query(const char* name, DWORD* pType, std::vector<BYTE>* pData,
             const char* section = "Test") {
    std::string path = std::string(kRoot) + "\\" + section;
    HKEY hKey;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
      return false;
    DWORD cb = 0;
    bool ok = RegQueryValueExA(hKey, name, nullptr, pType, nullptr, &cb) == ERROR_SUCCESS;
    pData->assign(cb, 0);
    if (ok) ok = RegQueryValueExA(hKey, name, nullptr, pType, pData->data(), &cb) == ERROR_SUCCESS;
    RegCloseKey(hKey);
    return ok;
  }
  void SetRaw(const char* name, DWORD type, const void* data, DWORD cb,
              const char* section = "Test") {
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(m_hRoot, section, 0, nullptr, 0, KEY_ALL_ACCESS,
                                             nullptr, &hKey, nullptr));
    RegSetValueExA(hKey, name, 0, type, static_cast<const BYTE*>(data), cb);
    RegCloseKey(hKey);
  }
  bool KeyExists(const char* section) {
    HKEY hKey;
    if (RegOpenKeyExA(m_hRoot, section, 0, KEY_READ, &hKey) != ERROR_SUCCESS) return false;
    RegCloseKey(hKey);
    return true;
  }

  HKEY m_hRoot = nullptr;
};

TEST_F(PropExchangeRegistryTest, NumbersAreDwordsZeroExtended) {
  {
    CTKPropExchangeSection px(Open(FALSE));
    short sMinus = -1;
    BYTE nByte = 200;
    int nInt = -5;
    EXPECT_TRUE(ExchangeShortProp(px, "Short", sMinus, 0));
    EXPECT_TRUE(ExchangeByteProp(px, "Byte", nByte, 0));
    EXPECT_TRUE(ExchangeIntProp(px, "Int", nInt, 0));
  }
  DWORD type = 0;
  std::vector<BYTE> data;
  ASSERT_TRUE(Query("Short", &type, &data));
  EXPECT_EQ((DWORD)REG_DWORD, type);
  ASSERT_EQ(4u, data.size());
  EXPECT_EQ(0x0000FFFFu, *reinterpret_cast<DWORD*>(data.data()));
  ASSERT_TRUE(Query("Byte", &type, &data));
  EXPECT_EQ(200u, *reinterpret_cast<DWORD*>(data.data()));

  CTKPropExchangeSection px(Open(TRUE));
  short sValue = 0;
  BYTE nByte = 0;
  int nInt = 0;
  EXPECT_TRUE(ExchangeShortProp(px, "Short", sValue, 0));
  EXPECT_TRUE(ExchangeByteProp(px, "Byte", nByte, 0));
  EXPECT_TRUE(ExchangeIntProp(px, "Int", nInt, 0));
  EXPECT_EQ(-1, sValue);
  EXPECT_EQ(200, nByte);
  EXPECT_EQ(-5, nInt);
}

TEST_F(PropExchangeRegistryTest, TextsRectanglesAndSizesAreStrings) {
  {
    CTKPropExchangeSection px(Open(FALSE));
    CString text = "C:\\path\\n";
    CRect rc(1, -2, 3, 4);
    CSize sz(5, 6);
    EXPECT_TRUE(ExchangeStringProp(px, "Text", text, ""));
    EXPECT_TRUE(px->ExchangeProp("Rect", VT_TK_RECT, &rc, nullptr));
    EXPECT_TRUE(ExchangeSizeProp(px, "Size", sz, CSize(0, 0)));
  }
  DWORD type = 0;
  std::vector<BYTE> data;
  ASSERT_TRUE(Query("Text", &type, &data));
  EXPECT_EQ((DWORD)REG_SZ, type);
  // As it is, with its zero: the registry needs no escapes.
  EXPECT_EQ(std::string("C:\\path\\n", 10), std::string(data.begin(), data.end()));
  ASSERT_TRUE(Query("Rect", &type, &data));
  EXPECT_STREQ("1, -2, 3, 4", reinterpret_cast<char*>(data.data()));

  CTKPropExchangeSection px(Open(TRUE));
  CString text;
  CRect rc;
  CSize sz;
  EXPECT_TRUE(ExchangeStringNoDefault(px, "Text", text));
  EXPECT_TRUE(px->ExchangeProp("Rect", VT_TK_RECT, &rc, nullptr));
  EXPECT_TRUE(ExchangeSizeProp(px, "Size", sz, CSize(0, 0)));
  EXPECT_STREQ("C:\\path\\n", text);
  EXPECT_EQ(CRect(1, -2, 3, 4), rc);
  EXPECT_EQ(CSize(5, 6), sz);
}

TEST_F(PropExchangeRegistryTest, FloatsAndDoublesRoundTripAsRawBytes) {
  {
    CTKPropExchangeSection px(Open(FALSE));
    float f = 1.25f;
    double d = -0.1234567;
    EXPECT_TRUE(px->ExchangeProp("Float", VT_R4, &f, nullptr));
    EXPECT_TRUE(px->ExchangeProp("Double", VT_R8, &d, nullptr));
  }
  DWORD type = 0;
  std::vector<BYTE> data;
  ASSERT_TRUE(Query("Double", &type, &data));
  EXPECT_EQ((DWORD)REG_BINARY, type);
  EXPECT_EQ(8u, data.size());
  SetRaw("ShortDouble", REG_BINARY, "\1\2\3", 3);

  CTKPropExchangeSection px(Open(TRUE));
  float f = 0;
  double d = 0, dDefault = 2.5;
  EXPECT_TRUE(px->ExchangeProp("Float", VT_R4, &f, nullptr));
  EXPECT_TRUE(px->ExchangeProp("Double", VT_R8, &d, nullptr));
  EXPECT_EQ(1.25f, f);
  EXPECT_EQ(-0.1234567, d);
  EXPECT_TRUE(px->ExchangeProp("Missing", VT_R8, &d, &dDefault));
  EXPECT_EQ(2.5, d);
  d = 0;
  EXPECT_TRUE(px->ExchangeProp("ShortDouble", VT_R8, &d, &dDefault));
  EXPECT_EQ(2.5, d);
}

TEST_F(PropExchangeRegistryTest, ValuesOfAnotherShapeLoadSafely) {
  // A text stored without its terminating zero, a number stored as a long
  // binary value, and a string where a rectangle is expected.
  SetRaw("NoZero", REG_SZ, "abc", 3);
  BYTE eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  SetRaw("Wide", REG_BINARY, eight, sizeof eight);
  SetRaw("BadRect", REG_SZ, "1, 2", 5);
  CTKPropExchangeSection px(Open(TRUE));
  CString text;
  EXPECT_TRUE(ExchangeStringNoDefault(px, "NoZero", text));
  EXPECT_STREQ("abc", text);
  int n = 0;
  EXPECT_TRUE(ExchangeIntProp(px, "Wide", n, 77));
  EXPECT_EQ(77, n);
  CRect rc, rcDefault(9, 9, 9, 9);
  EXPECT_TRUE(px->ExchangeProp("BadRect", VT_TK_RECT, &rc, &rcDefault));
  EXPECT_EQ(rcDefault, rc);
}

TEST_F(PropExchangeRegistryTest, UnsupportedCodesFailWithoutTouchingTheValue) {
  CTKPropExchangeSection px(Open(TRUE));
  COleDateTime dt(2005, 2, 1, 0, 0, 0), dtDefault;
  EXPECT_FALSE(px->ExchangeProp("Date", VT_DATE, &dt, &dtDefault));
  EXPECT_TRUE(dt == COleDateTime(2005, 2, 1, 0, 0, 0));
}

TEST_F(PropExchangeRegistryTest, BlobsAreBinaryValues) {
  const BYTE bytes[] = {0, 0x5C, 0xFF, 7};
  {
    CTKPropExchangeSection px(Open(FALSE));
    BYTE* pData = const_cast<BYTE*>(bytes);
    DWORD cbData = sizeof bytes;
    EXPECT_TRUE(ExchangeBinaryProp(px, "Blob", &pData, &cbData));
  }
  CTKPropExchangeSection px(Open(TRUE));
  BYTE* pData = nullptr;
  DWORD cbData = 0;
  ASSERT_TRUE(ExchangeBinaryProp(px, "Blob", &pData, &cbData));
  ASSERT_EQ(sizeof bytes, cbData);
  EXPECT_EQ(0, memcmp(bytes, pData, cbData));
  free(pData);
  BYTE small[2];
  EXPECT_EQ(0u, px->ReadBlob("Blob", small, sizeof small));
  BYTE exact[4];
  EXPECT_EQ(4u, px->ReadBlob("Blob", exact, sizeof exact));
  pData = nullptr;
  EXPECT_FALSE(ExchangeBinaryProp(px, "Missing", &pData, &cbData));
  EXPECT_EQ(nullptr, pData);
}

TEST_F(PropExchangeRegistryTest, DefaultsDeleteOldValuesUntilTheSectionIsEmptied) {
  int n = 12;
  SetRaw("Width", REG_DWORD, &n, sizeof n);
  {
    CTKPropExchangeSection px(Open(FALSE));
    int zero = 0;
    EXPECT_TRUE(ExchangeIntProp(px, "Width", zero, 0));
  }
  DWORD type;
  std::vector<BYTE> data;
  EXPECT_FALSE(Query("Width", &type, &data));
}

TEST_F(PropExchangeRegistryTest, EmptySectionDeletesTheKeyTree) {
  int n = 1;
  SetRaw("Key", REG_DWORD, &n, sizeof n, "Bars");
  SetRaw("Key", REG_DWORD, &n, sizeof n, "Bars\\Item0");
  SetRaw("Key", REG_DWORD, &n, sizeof n, "BarsExtra");
  CTKPropExchangeSection px(Open(FALSE, "Bars"));
  int before = 3;
  ExchangeIntProp(px, "Before", before, 0);
  px->EmptySection();
  EXPECT_FALSE(KeyExists("Bars"));
  EXPECT_TRUE(KeyExists("BarsExtra"));
  // The next value makes the key again.
  int after = 5;
  EXPECT_TRUE(ExchangeIntProp(px, "After", after, 0));
  EXPECT_TRUE(KeyExists("Bars"));
  EXPECT_FALSE(KeyExists("Bars\\Item0"));
}

TEST_F(PropExchangeRegistryTest, SectionsAreSubKeys) {
  {
    CTKPropExchangeSection px(Open(FALSE));
    CTKPropExchangeSection child(px->GetSection("Child"));
    int n = 9;
    EXPECT_TRUE(ExchangeIntProp(child, "Nine", n, 0));
  }
  EXPECT_TRUE(KeyExists("Test\\Child"));
  CTKPropExchangeSection px(Open(TRUE));
  CTKPropExchangeSection child(px->GetSection("Child"));
  int n = 0;
  EXPECT_TRUE(ExchangeIntProp(child, "Nine", n, 0));
  EXPECT_EQ(9, n);
}

// A damaged count walks only the numbered sub-keys there are, so a load
// creates none of the sections it names beyond them.
TEST_F(PropExchangeRegistryTest, ALoadedCountIsHeldToTheSubKeysThereAre) {
  for (const char* section : {"Test\\Item0", "Test\\Item1", "Test\\Item7x", "Test\\Other"}) {
    DWORD one = 1;
    SetRaw("Value", REG_DWORD, &one, sizeof one, section);
  }
  const struct {
    DWORD count;
    bool compatible;
    DWORD expected;
  } cases[] = {{0xFFFFFFFF, false, 2}, {0xFFFFFFFF, true, 2}, {5, false, 2}, {1, false, 1}};
  for (const auto& c : cases) {
    SetRaw("Count", REG_DWORD, &c.count, sizeof c.count);
    CTKPropExchangeSection px(Open(TRUE));
    CTKPropExchangeEnumeratorPtr items(px->GetEnumerator("Item"));
    POSITION pos = items->GetPosition(0, c.compatible);
    EXPECT_EQ(c.expected, items->GetCount()) << c.count << " " << c.compatible;
    DWORD walked = 0;
    while (pos != nullptr && walked <= c.expected) {
      CTKPropExchangeSection item(items->GetNext(pos));
      int n = 0;
      ExchangeIntProp(item, "Value", n, 0);
      ++walked;
    }
    EXPECT_EQ(c.expected, walked) << c.count << " " << c.compatible;
  }
  EXPECT_FALSE(KeyExists("Test\\Item2"));
}

TEST_F(PropExchangeRegistryTest, WithoutAParentKeyEveryValueFails) {
  CTKPropExchangeSection px(new CTKPropExchangeRegistry(TRUE, nullptr, "Test"));
  int n = 3;
  // No application registry key: the default is still copied on load.
  EXPECT_TRUE(ExchangeIntProp(px, "Any", n, 4));
  EXPECT_EQ(4, n);
  EXPECT_FALSE(ExchangeIntNoDefault(px, "Any", n));
}

TEST_F(PropExchangeRegistryTest, ANullParentIsTheApplicationsKey) {
  theApp.SetRegistryKey(kCompany);
  {
    CTKPropExchangeSection px(FALSE, "Options");
    int n = 17;
    EXPECT_TRUE(ExchangeIntProp(px, "Seventeen", n, 0));
  }
  DWORD type;
  std::vector<BYTE> data;
  std::string section = std::string(theApp.m_pszProfileName) + "\\Options";
  EXPECT_TRUE(Query("Seventeen", &type, &data, section.c_str()));
  {
    CTKPropExchangeSection px(TRUE, "Options");
    int n = 0;
    EXPECT_TRUE(ExchangeIntProp(px, "Seventeen", n, 0));
    EXPECT_EQ(17, n);
  }
  free(const_cast<char*>(theApp.m_pszRegistryKey));
  free(const_cast<char*>(theApp.m_pszProfileName));
  theApp.m_pszRegistryKey = theApp.m_pszProfileName = nullptr;
}

TEST_F(PropExchangeRegistryTest, TheBackEndKeepsDefaultsAndBlobs) {
  CTKPropExchangeSection px(Open(TRUE));
  EXPECT_TRUE(px->SupportsDefaults());
  EXPECT_TRUE(px->SupportsBlobs());
}

}  // namespace
