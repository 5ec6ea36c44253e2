// The application profile: the same values through the registry and
// through an INI file, and the recent-file list kept in it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "afxwin.h"
#include "testsupport/TempFolder.h"

namespace {

CWinApp theApp("VelmProfileTest");

const char kCompany[] = "VelmoranPlatformTest";

enum class Store { Registry, Ini };

class ProfileTest : public ::testing::TestWithParam<Store> {
 protected:
  void SetUp() override {
    if (GetParam() == Store::Registry) {
      theApp.SetRegistryKey(kCompany);
    } else {
      m_strIni = m_folder.PathOf("velm_profile_test.ini");
      free(const_cast<char*>(theApp.m_pszProfileName));
      theApp.m_pszProfileName = _strdup(m_strIni.c_str());
    }
  }
  void TearDown() override {
    if (GetParam() == Store::Registry) {
      HKEY hSoftware;
      if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &hSoftware) ==
          ERROR_SUCCESS) {
        ::RegDeleteTreeA(hSoftware, kCompany);
        ::RegDeleteKeyA(hSoftware, kCompany);
        ::RegCloseKey(hSoftware);
      }
    }
    free(const_cast<char*>(theApp.m_pszRegistryKey));
    free(const_cast<char*>(theApp.m_pszProfileName));
    theApp.m_pszRegistryKey = theApp.m_pszProfileName = nullptr;
  }

  CTempFolder m_folder;
  std::string m_strIni;
};

TEST_P(ProfileTest, ValuesRoundTripAndMissingOnesGiveTheDefault) {
  EXPECT_TRUE(theApp.WriteProfileString("Options", "Name", "Build 7"));
  EXPECT_TRUE(theApp.WriteProfileInt("Options", "Count", -42));
  std::vector<BYTE> bytes(256);
  for (int i = 0; i < 256; ++i) bytes[i] = static_cast<BYTE>(i);
  EXPECT_TRUE(
      theApp.WriteProfileBinary("Options", "Blob", bytes.data(), static_cast<UINT>(bytes.size())));

  EXPECT_EQ("Build 7", theApp.GetProfileString("Options", "Name"));
  EXPECT_EQ(-42, static_cast<int>(theApp.GetProfileInt("Options", "Count", 0)));
  LPBYTE pData = nullptr;
  UINT nBytes = 0;
  ASSERT_TRUE(theApp.GetProfileBinary("Options", "Blob", &pData, &nBytes));
  std::unique_ptr<BYTE[]> owner(pData);
  EXPECT_EQ(bytes, std::vector<BYTE>(pData, pData + nBytes));

  EXPECT_EQ("fallback", theApp.GetProfileString("Options", "Missing", "fallback"));
  EXPECT_EQ("", theApp.GetProfileString("Nowhere", "Name"));
  EXPECT_EQ(7u, theApp.GetProfileInt("Nowhere", "Count", 7));
  EXPECT_FALSE(theApp.GetProfileBinary("Nowhere", "Blob", &pData, &nBytes));
  EXPECT_EQ(nullptr, pData);
}

TEST_P(ProfileTest, NullValueRemovesTheEntryAndNullEntryTheSection) {
  theApp.WriteProfileString("Bars", "One", "1");
  theApp.WriteProfileString("Bars", "Two", "2");
  theApp.WriteProfileString("Bars", "One", nullptr);
  EXPECT_EQ("gone", theApp.GetProfileString("Bars", "One", "gone"));
  EXPECT_EQ("2", theApp.GetProfileString("Bars", "Two"));
  theApp.WriteProfileString("Bars", nullptr, nullptr);
  EXPECT_EQ("gone", theApp.GetProfileString("Bars", "Two", "gone"));
}

TEST_P(ProfileTest, RecentFileListKeepsOrderAndSizeThroughTheProfile) {
  CRecentFileList list(ID_FILE_MRU_FILE1, "Recent File List", "File%d", 3);
  for (const char* path : {"C:\\a.velm", "C:\\b.velm", "C:\\c.velm", "C:\\d.velm"}) list.Add(path);
  list.Add("c:\\B.VELM");  // listed already: moves up, keeps its new spelling
  ASSERT_EQ(3, list.GetSize());
  EXPECT_EQ("c:\\B.VELM", list[0]);
  EXPECT_EQ("C:\\d.velm", list[1]);
  EXPECT_EQ("C:\\c.velm", list[2]);
  list.WriteList();

  CRecentFileList reread(ID_FILE_MRU_FILE1, "Recent File List", "File%d", 3);
  reread.ReadList();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(list[i], reread[i]) << i;

  // A shorter list rewrites the section: no entry of the longer one stays.
  reread.Remove(0);
  reread.Remove(0);
  EXPECT_EQ("", reread[2]);
  reread.WriteList();
  EXPECT_EQ("", theApp.GetProfileString("Recent File List", "File2"));
  EXPECT_EQ("C:\\c.velm", theApp.GetProfileString("Recent File List", "File1"));
}

INSTANTIATE_TEST_SUITE_P(Stores, ProfileTest, ::testing::Values(Store::Registry, Store::Ini),
                         [](const ::testing::TestParamInfo<Store>& info) {
                           return info.param == Store::Registry ? "Registry" : "Ini";
                         });

TEST(ProfileLocation, RegistryValuesLiveUnderSoftwareCompanyApplication) {
  theApp.SetRegistryKey(kCompany);
  EXPECT_STREQ("VelmProfileTest", theApp.m_pszProfileName);
  theApp.WriteProfileInt("Section", "Value", 5);
  HKEY hKey;
  ASSERT_EQ(
      ERROR_SUCCESS,
      ::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\VelmoranPlatformTest\\VelmProfileTest\\Section",
                      0, KEY_READ, &hKey));
  DWORD dwValue = 0, dwType = 0, dwSize = sizeof(dwValue);
  EXPECT_EQ(ERROR_SUCCESS, ::RegQueryValueExA(hKey, "Value", nullptr, &dwType,
                                              reinterpret_cast<BYTE*>(&dwValue), &dwSize));
  EXPECT_EQ(static_cast<DWORD>(REG_DWORD), dwType);
  EXPECT_EQ(5u, dwValue);
  ::RegCloseKey(hKey);
  ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VelmoranPlatformTest");
  free(const_cast<char*>(theApp.m_pszRegistryKey));
  free(const_cast<char*>(theApp.m_pszProfileName));
  theApp.m_pszRegistryKey = theApp.m_pszProfileName = nullptr;
}

TEST(ProfileLocation, IniBinaryValuesAreTwoLettersPerByteLowNibbleFirst) {
  CTempFolder folder;
  std::string ini = folder.PathOf("velm_profile_binary.ini");
  theApp.m_pszProfileName = _strdup(ini.c_str());
  BYTE data[] = {0x12, 0xAF};
  theApp.WriteProfileBinary("S", "B", data, 2);
  char szRaw[16] = {};
  ::GetPrivateProfileStringA("S", "B", "", szRaw, sizeof(szRaw), ini.c_str());
  EXPECT_STREQ("CBPK", szRaw);
  free(const_cast<char*>(theApp.m_pszProfileName));
  theApp.m_pszProfileName = nullptr;
}

TEST(FileTitle, IsTheNameWithoutItsFolder) {
  char szTitle[MAX_PATH];
  ASSERT_EQ(0u, AfxGetFileTitle("C:\\Builds\\Nightly\\release.velm", szTitle, MAX_PATH));
  EXPECT_EQ(0, strncmp(szTitle, "release", 7)) << szTitle;
  EXPECT_EQ(nullptr, strchr(szTitle, '\\'));
  // Without a buffer: the size needed, terminator included.
  EXPECT_EQ(strlen(szTitle) + 1, AfxGetFileTitle("C:\\Builds\\Nightly\\release.velm", nullptr, 0));
}

// Creates HKEY_CURRENT_USER\Software\<path>, each part a key, with one value at the end.
bool MakeKey(const char* path) {
  HKEY hKey;
  std::string full = std::string("Software\\") + path;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, full.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &hKey,
                        NULL) != ERROR_SUCCESS)
    return false;
  DWORD dw = 1;
  ::RegSetValueExA(hKey, "Value", 0, REG_DWORD, reinterpret_cast<BYTE*>(&dw), sizeof dw);
  ::RegCloseKey(hKey);
  return true;
}

bool KeyExists(const char* path) {
  HKEY hKey;
  std::string full = std::string("Software\\") + path;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, full.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
    return false;
  ::RegCloseKey(hKey);
  return true;
}

TEST(ProfileRegistry, DelRegTreeDeletesAKeyWithEverythingBelowIt) {
  ASSERT_TRUE(MakeKey("VelmDelTree\\Doomed\\A\\Deep"));
  ASSERT_TRUE(MakeKey("VelmDelTree\\Doomed\\B"));
  ASSERT_TRUE(MakeKey("VelmDelTree\\Doomed\\C\\D"));
  ASSERT_TRUE(MakeKey("VelmDelTree\\Kept"));
  HKEY hSoftware;
  ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\VelmDelTree", 0,
                                           KEY_ALL_ACCESS, &hSoftware));
  EXPECT_EQ(ERROR_SUCCESS, theApp.DelRegTree(hSoftware, "Doomed"));
  EXPECT_FALSE(KeyExists("VelmDelTree\\Doomed"));
  EXPECT_TRUE(KeyExists("VelmDelTree\\Kept"));  // its sibling stays
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, theApp.DelRegTree(hSoftware, "Doomed"));
  ::RegCloseKey(hSoftware);

  HKEY hRoot;
  ASSERT_EQ(ERROR_SUCCESS,
            ::RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &hRoot));
  EXPECT_EQ(ERROR_SUCCESS, theApp.DelRegTree(hRoot, "VelmDelTree"));
  EXPECT_FALSE(KeyExists("VelmDelTree"));
  ::RegCloseKey(hRoot);
}

}  // namespace
