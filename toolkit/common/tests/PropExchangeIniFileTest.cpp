// The INI-file back end: long values, emptied sections, the temporary file.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include <algorithm>

#include <string>
#include <vector>

#include "common/TKPropExchangeIniFile.h"
#include "testsupport/TempFolder.h"

namespace {

class PropExchangeIniFileTest : public ::testing::Test {
 protected:
  void SetUp() override { m_path = m_folder.PathOf("test.ini"); }

  CTKPropExchangeIniFile* Open(BOOL bLoading, const char* section = "Test") {
    CTKPropExchangeIniFile* px = new CTKPropExchangeIniFile(bLoading, nullptr, section);
    px->AssignFile(m_path.c_str());
    return px;
  }
  std::vector<std::string> SectionNames() {
    std::vector<char> names(4096);
    DWORD n = GetPrivateProfileSectionNamesA(names.data(), (DWORD)names.size(), m_path.c_str());
    std::vector<std::string> result;
    for (const char* p = names.data(); p < names.data() + n && *p; p += strlen(p) + 1)
      result.push_back(p);
    return result;
  }

  CTempFolder m_folder;
  std::string m_path;
};

TEST_F(PropExchangeIniFileTest, LongValuesAreReadAgainIntoALargerBuffer) {
  struct Case {
    size_t stored;
    size_t loaded;
  } cases[] = {{254, 254}, {255, 255}, {300, 300}, {20000, 15999}};
  for (const Case& c : cases) {
    std::string text(c.stored, 'x');
    WritePrivateProfileStringA("Test", "Long", text.c_str(), m_path.c_str());
    CTKPropExchangeSection px(Open(TRUE));
    CString value;
    EXPECT_TRUE(ExchangeStringNoDefault(px, "Long", value)) << c.stored;
    EXPECT_EQ(c.loaded, (size_t)value.GetLength()) << c.stored;
  }
}

TEST_F(PropExchangeIniFileTest, ABlobTooLongForTheReadFailsToLoad) {
  std::vector<BYTE> bytes(10000, 0x42);
  {
    CTKPropExchangeSection px(Open(FALSE));
    BYTE* pData = bytes.data();
    DWORD cbData = (DWORD)bytes.size();
    EXPECT_TRUE(ExchangeBinaryProp(px, "Blob", &pData, &cbData));
  }
  CTKPropExchangeSection px(Open(TRUE));
  BYTE* pData = nullptr;
  DWORD cbData = 0;
  EXPECT_FALSE(ExchangeBinaryProp(px, "Blob", &pData, &cbData));
  EXPECT_EQ(nullptr, pData);
}

TEST_F(PropExchangeIniFileTest, AnEmptyStringReadsAsMissing) {
  {
    CTKPropExchangeSection px(Open(FALSE));
    CString empty;
    EXPECT_TRUE(ExchangeStringProp(px, "Name", empty, "Default"));
  }
  CTKPropExchangeSection px(Open(TRUE));
  CString value = "before";
  EXPECT_TRUE(ExchangeStringProp(px, "Name", value, "Default"));
  EXPECT_STREQ("Default", value);
}

TEST_F(PropExchangeIniFileTest, EmptySectionRemovesTheSectionAndItsChildrenOnly) {
  for (const char* section : {"Bars", "Bars\\Item0", "Bars\\Item0\\Deep", "BarsExtra", "Other"})
    WritePrivateProfileStringA(section, "Key", "1", m_path.c_str());
  {
    CTKPropExchangeSection px(Open(FALSE, "Bars"));
    px->EmptySection();
    EXPECT_TRUE(px->IsSectionEmpty());
  }
  EXPECT_EQ((std::vector<std::string>{"BarsExtra", "Other"}), SectionNames());
}

TEST_F(PropExchangeIniFileTest, EmptySectionReadsAListOfManySections) {
  // More names than the first 8000-character read holds.
  for (int i = 0; i < 100; ++i) {
    std::string section = "Filler" + std::to_string(i) + std::string(90, 'f');
    WritePrivateProfileStringA(section.c_str(), "K", "1", m_path.c_str());
  }
  WritePrivateProfileStringA("Bars\\Late", "K", "1", m_path.c_str());
  CTKPropExchangeSection px(Open(FALSE, "Bars"));
  px->EmptySection();
  std::vector<std::string> names = SectionNames();
  EXPECT_EQ(names.end(), std::find(names.begin(), names.end(), "Bars\\Late"));
}

TEST_F(PropExchangeIniFileTest, AfterEmptySectionDefaultsDeleteNothing) {
  CTKPropExchangeSection px(Open(FALSE));
  px->EmptySection();
  WritePrivateProfileStringA("Test", "Kept", "5", m_path.c_str());
  int n = 0;
  EXPECT_TRUE(ExchangeIntProp(px, "Kept", n, 0));
  char value[16];
  GetPrivateProfileStringA("Test", "Kept", "", value, sizeof value, m_path.c_str());
  EXPECT_STREQ("5", value);
}

TEST_F(PropExchangeIniFileTest, WithoutAFileATemporaryOneIsMadeAndDeleted) {
  std::string path;
  {
    CTKPropExchangeSection px(new CTKPropExchangeIniFile(FALSE, nullptr, "Test"));
    int n = 7;
    EXPECT_TRUE(ExchangeIntProp(px, "Seven", n, 0));
    CTKPropExchangeIniFile* pIni = static_cast<CTKPropExchangeIniFile*>(px.GetExchange());
    path = pIni->GetFile().GetString();
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    EXPECT_EQ(0, _strnicmp(path.c_str(), folder, strlen(folder))) << path;
    EXPECT_EQ(0, _strnicmp(path.c_str() + strlen(folder), "tk", 2)) << path;
    {
      // A child shares the file and leaves it to the root.
      CTKPropExchangeSection child(px->GetSection("Child"));
      ExchangeIntProp(child, "Seven", n, 0);
    }
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path.c_str()));
    char value[16];
    GetPrivateProfileStringA("Test\\Child", "Seven", "", value, sizeof value, path.c_str());
    EXPECT_STREQ("7", value);
  }
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path.c_str()));
}

TEST_F(PropExchangeIniFileTest, AnAssignedFileIsKept) {
  {
    CTKPropExchangeSection px(Open(FALSE));
    int n = 7;
    ExchangeIntProp(px, "Seven", n, 0);
  }
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(m_path.c_str()));
}

TEST_F(PropExchangeIniFileTest, TheBackEndKeepsDefaultsButNoBlobs) {
  CTKPropExchangeSection px(Open(TRUE));
  EXPECT_TRUE(px->SupportsDefaults());
  EXPECT_FALSE(px->SupportsBlobs());
  EXPECT_TRUE(px->CanSkipValues());
  EXPECT_FALSE(px->UseBinarySerialization());
}

}  // namespace
