// Resource URLs, the read-only streams over them, and text widening.
#include "common/TKResourceStream.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <string>

namespace {

std::string ExecutablePath() {
  char sz[MAX_PATH];
  ::GetModuleFileNameA(NULL, sz, MAX_PATH);
  return sz;
}

std::string ExecutableFolder() {
  char sz[MAX_PATH];
  ::GetModuleFileNameA(NULL, sz, MAX_PATH);
  ::PathRemoveFileSpecA(sz);
  return sz;
}

std::string ExecutableName() { return ::PathFindFileNameA(ExecutablePath().c_str()); }

std::string ReadAll(IStream* pStream) {
  std::string text;
  char buf[64];
  ULONG nRead = 0;
  while (SUCCEEDED(pStream->Read(buf, sizeof(buf), &nRead)) && nRead > 0) text.append(buf, nRead);
  return text;
}

TEST(TKResourceUrl, FilesLieBesideTheExecutable) {
  TK_RESOURCE_URL url;
  ASSERT_EQ(S_OK, ParseResourceUrl("file://data\\a.txt", &url));
  EXPECT_EQ(0, url.nKind);
  EXPECT_EQ(ExecutableFolder() + "\\data\\a.txt", url.szPath);
  ASSERT_EQ(S_OK, ParseResourceUrl("b.txt", &url));
  EXPECT_EQ(0, url.nKind);
  EXPECT_EQ(ExecutableFolder() + "\\b.txt", url.szPath);
  ASSERT_EQ(S_OK, ParseResourceUrl("file://C:\\abs\\c.txt", &url));
  EXPECT_STREQ("C:\\abs\\c.txt", url.szPath);
  // "FILE://" is no prefix: the whole text is the path.
  ASSERT_EQ(S_OK, ParseResourceUrl("FILE://d.txt", &url));
  EXPECT_EQ(0, url.nKind);
  EXPECT_EQ(0u, std::string(url.szPath).find(ExecutableFolder() + "\\FILE:"));
}

TEST(TKResourceUrl, ResourcesOfTheExecutableAndOfFilesBesideIt) {
  TK_RESOURCE_URL url;
  LPCSTR lpszType = "MYTYPE";
  ASSERT_EQ(S_OK, ParseResourceUrl("res://#5", &url, &lpszType));
  EXPECT_EQ(1, url.nKind);
  EXPECT_EQ(ExecutablePath(), url.szPath);
  EXPECT_EQ(MAKEINTRESOURCEA(5), url.lpszName);
  EXPECT_STREQ("MYTYPE", url.lpszType);

  ASSERT_EQ(S_OK, ParseResourceUrl("res://logo.png", &url));
  EXPECT_STREQ("logo.png", url.lpszName);
  EXPECT_STREQ("PNG", url.lpszType);

  ASSERT_EQ(S_OK, ParseResourceUrl("res://./MYTYPE/12", &url));
  EXPECT_EQ(ExecutablePath(), url.szPath);
  EXPECT_EQ(MAKEINTRESOURCEA(12), url.lpszName);
  EXPECT_STREQ("MYTYPE", url.lpszType);

  ASSERT_EQ(S_OK, ParseResourceUrl("res://other.dll/23/HELLO", &url));
  EXPECT_EQ(ExecutableFolder() + "\\other.dll", url.szPath);
  EXPECT_STREQ("HELLO", url.lpszName);
  EXPECT_EQ(MAKEINTRESOURCEA(23), url.lpszType);

  // With one slash the type is the default one.
  ASSERT_EQ(S_OK, ParseResourceUrl("res://./HELLO", &url, &lpszType));
  EXPECT_STREQ("MYTYPE", url.lpszType);
  ASSERT_EQ(S_OK, ParseResourceUrl("res://./HELLO", &url));
  EXPECT_TRUE(url.lpszType == NULL);
}

TEST(TKResourceUrl, RefusesWhatItCannotHold) {
  TK_RESOURCE_URL url;
  EXPECT_EQ(E_POINTER, ParseResourceUrl(NULL, &url));
  EXPECT_EQ(E_POINTER, ParseResourceUrl("res://x", NULL));
  EXPECT_EQ((HRESULT)0x80070003, ParseResourceUrl("res://dir\\name", &url));
  EXPECT_EQ((HRESULT)0x8007006F, ParseResourceUrl(("res://" + std::string(49, 'n')).c_str(), &url));
  EXPECT_EQ(S_OK, ParseResourceUrl(("res://" + std::string(48, 'n')).c_str(), &url));
  EXPECT_EQ((HRESULT)0x8007006F,
            ParseResourceUrl(("res://./" + std::string(50, 't') + "/N").c_str(), &url));
  EXPECT_EQ((HRESULT)0x800700CE, ParseResourceUrl(std::string(300, 'p').c_str(), &url));
}

TEST(TKResourceStream, ReadsResourcesAndFiles) {
  struct Case {
    std::string url;
    LPCSTR type;
  } cases[] = {
      {"res://#5", "MYTYPE"},
      {"res://./MYTYPE/HELLO", NULL},
      {"res://./HELLO", NULL},  // the type found by the name
      {"res://" + ExecutableName() + "/MYTYPE/5", NULL},
      {"res://logo.png", NULL},
  };
  for (const Case& c : cases) {
    TK_RESOURCE_URL url;
    LPCSTR type = c.type;
    ASSERT_EQ(S_OK, ParseResourceUrl(c.url.c_str(), &url, &type)) << c.url;
    IStream* pStream = NULL;
    ASSERT_EQ(S_OK, OpenResourceUrlStream(&url, &pStream)) << c.url;
    EXPECT_EQ("Hello, resource.", ReadAll(pStream)) << c.url;
    pStream->Release();
  }

  std::string path = ExecutableFolder() + "\\TKResourceStreamTest.tmp";
  HANDLE hFile = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
  ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
  DWORD nWritten = 0;
  ::WriteFile(hFile, "file text", 9, &nWritten, NULL);
  ::CloseHandle(hFile);
  TK_RESOURCE_URL url;
  ASSERT_EQ(S_OK, ParseResourceUrl("file://TKResourceStreamTest.tmp", &url));
  IStream* pStream = NULL;
  ASSERT_EQ(S_OK, OpenResourceUrlStream(&url, &pStream));
  EXPECT_EQ("file text", ReadAll(pStream));
  pStream->Release();
  ::DeleteFileA(path.c_str());
}

TEST(TKResourceStream, IsReadOnly) {
  TK_RESOURCE_URL url;
  LPCSTR type = "MYTYPE";
  ASSERT_EQ(S_OK, ParseResourceUrl("res://HELLO", &url, &type));
  IStream* pStream = NULL;
  ASSERT_EQ(S_OK, OpenResourceUrlStream(&url, &pStream));
  ULONG nWritten = 0;
  EXPECT_EQ(E_ACCESSDENIED, pStream->Write("x", 1, &nWritten));
  ULARGE_INTEGER size = {};
  EXPECT_EQ(E_ACCESSDENIED, pStream->SetSize(size));
  EXPECT_EQ(E_ACCESSDENIED, pStream->Commit(0));
  EXPECT_EQ(E_ACCESSDENIED, pStream->Revert());
  EXPECT_EQ(E_POINTER, pStream->Clone(NULL));

  IStream* pClone = NULL;
  ASSERT_EQ(S_OK, pStream->Clone(&pClone));
  EXPECT_EQ(E_ACCESSDENIED, pClone->Write("x", 1, &nWritten));
  EXPECT_EQ("Hello, resource.", ReadAll(pClone));
  pClone->Release();

  STATSTG stat = {};
  ASSERT_EQ(S_OK, pStream->Stat(&stat, STATFLAG_NONAME));
  EXPECT_EQ(16u, stat.cbSize.QuadPart);
  pStream->Release();
}

TEST(TKResourceStream, ReportsWhatIsMissing) {
  TK_RESOURCE_URL url;
  ASSERT_EQ(S_OK, ParseResourceUrl("res://./MYTYPE/NOSUCH", &url));
  IStream* pStream = NULL;
  EXPECT_TRUE(FAILED(OpenResourceUrlStream(&url, &pStream)));
  EXPECT_TRUE(pStream == NULL);
  ASSERT_EQ(S_OK, ParseResourceUrl("res://missing.dll/MYTYPE/HELLO", &url));
  EXPECT_TRUE(FAILED(OpenResourceUrlStream(&url, &pStream)));
  ASSERT_EQ(S_OK, ParseResourceUrl("no-such-file.txt", &url));
  EXPECT_TRUE(FAILED(OpenResourceUrlStream(&url, &pStream)));
  url.nKind = 2;
  EXPECT_EQ(E_INVALIDARG, OpenResourceUrlStream(&url, &pStream));
}

TEST(TKTextWidening, FollowsTheByteOrderMark) {
  struct Case {
    std::string bytes;
    int capacity;
    BOOL ok;
    std::wstring text;
  } cases[] = {
      {std::string("\xFF\xFEh\0i\0", 6), 10, TRUE, L"hi"},
      {std::string("\xFF\xFEh\0\0\0x\0", 8), 10, TRUE, L"h"},
      {std::string("\xFF\xFEh\0i\0", 6), 2, FALSE, L""},
      {"\xEF\xBB\xBF"
       "caf\xC3\xA9",
       10, TRUE, L"caf\u00E9"},
      {"plain", 10, TRUE, L"plain"},
      {"plain", 3, FALSE, L""},  // no room for the whole text
      {std::string("ab\0cd", 5), 10, TRUE, L"ab"},
      {"", 0, FALSE, L""},
      {"", 4, TRUE, L""},
  };
  for (const Case& c : cases) {
    WCHAR buffer[16] = {0x7777};
    int nLength = c.capacity;
    BOOL ok = ConvertTextToWide(reinterpret_cast<const BYTE*>(c.bytes.data()),
                                (DWORD)c.bytes.size(), buffer, &nLength);
    EXPECT_EQ(c.ok, ok) << c.bytes;
    if (ok) {
      EXPECT_EQ(c.text, std::wstring(buffer)) << c.bytes;
      EXPECT_EQ((int)c.text.size(), nLength) << c.bytes;
    }
  }
  WCHAR buffer[4];
  int nLength = 4;
  EXPECT_FALSE(ConvertTextToWide(NULL, 3, buffer, &nLength));
  EXPECT_FALSE(ConvertTextToWide(reinterpret_cast<const BYTE*>("abc"), 3, NULL, &nLength));
  EXPECT_FALSE(ConvertTextToWide(reinterpret_cast<const BYTE*>("abc"), 3, buffer, NULL));
}

}  // namespace
