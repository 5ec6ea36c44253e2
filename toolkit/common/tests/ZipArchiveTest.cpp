// Zip archives held in memory and in resources: finding, describing and
// inflating items, and every result code.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "common/TKResource.h"
#include "common/TKZipArchive.h"
#include "ZipArchiveReader.h"

#include "SupportImages.h"
#include "SupportResourceModule.h"

using TestImages::MakeZip;
using TestImages::ZipItem;

namespace {

std::string Text(size_t length, char seed) {
  std::string text;
  for (size_t i = 0; i < length; ++i) text += char('a' + (seed + i * 7 + i / 13) % 26);
  return text;
}

ZipItem Item(const std::string& name, const std::string& data, bool deflate = true) {
  ZipItem item;
  item.name = name;
  item.data = data;
  item.deflate = deflate;
  return item;
}

WORD Word(const std::string& bytes, size_t at) {
  return (WORD)((BYTE)bytes[at] | (BYTE)bytes[at + 1] << 8);
}

// Where the data of the `index`th item starts, walking the local headers.
size_t ItemDataOffset(const std::string& zip, int index) {
  size_t at = 0;
  for (;; --index) {
    size_t data = at + 30 + Word(zip, at + 26) + Word(zip, at + 28);
    if (index == 0) return data;
    at = data + (Word(zip, at + 18) | (size_t)Word(zip, at + 20) << 16);
  }
}

// An open archive over bytes the fixture keeps alive.
class ZipArchiveTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (m_zip != NULL) {
      EXPECT_EQ((DWORD)TK_ZIP_OK, CloseZipArchive(m_zip));
    }
  }
  HTKZIP Open(const std::vector<ZipItem>& items) {
    m_bytes = MakeZip(items);
    m_zip = OpenZipArchive(m_bytes.data(), (DWORD)m_bytes.size(), NULL);
    return m_zip;
  }
  std::string Extract(int index, DWORD size) {
    std::string buffer(size + 1, '\0');
    EXPECT_EQ((DWORD)TK_ZIP_OK, ExtractZipEntryToMemory(m_zip, index, &buffer[0], size));
    return buffer.substr(0, size);
  }
  TK_ZIPENTRY Describe(int index) {
    TK_ZIPENTRY entry;
    EXPECT_EQ((DWORD)TK_ZIP_OK, m_zip->pReader->GetItem(index, &entry));
    return entry;
  }

  std::string m_bytes;
  HTKZIP m_zip = NULL;
};

TEST(ZipResource, ArchiveInAStyleResourceIsFoundIgnoringCaseAndInflated) {
  const std::string caption = "<Border Background=\"Red\"/>" + Text(300, 3);
  CTestResourceModule module;
  module.Add("STYLE", "TK_IDR_OFFICE2007SYSTEM_STYLE",
             MakeZip({Item("Frame/frame.xaml", Text(50, 1)), Item("Parts/caption.xaml", caption)}));
  ASSERT_NE(nullptr, module.Load());

  CTKResource resource;
  ASSERT_TRUE(resource.LoadResource(module.GetHandle(), "TK_IDR_OFFICE2007SYSTEM_STYLE", "STYLE"));
  HTKZIP zip = OpenZipArchive(resource.m_lpData, resource.m_dwSize, NULL);
  ASSERT_NE(nullptr, zip);

  int index = -2;
  TK_ZIPENTRY entry;
  EXPECT_EQ((DWORD)TK_ZIP_NOTFOUND, FindZipEntry(zip, "parts/Caption.xaml", FALSE, &index, &entry));
  EXPECT_EQ(-1, index);
  EXPECT_EQ(-1, entry.index);
  ASSERT_EQ((DWORD)TK_ZIP_OK, FindZipEntry(zip, "parts/Caption.xaml", TRUE, &index, &entry));
  EXPECT_EQ(1, index);
  EXPECT_STREQ("Parts/caption.xaml", entry.name);
  ASSERT_EQ(caption.size(), entry.uncompressedSize);

  std::vector<char> buffer(entry.uncompressedSize + 1, 0);
  EXPECT_EQ((DWORD)TK_ZIP_OK,
            ExtractZipEntryToMemory(zip, index, buffer.data(), entry.uncompressedSize));
  EXPECT_EQ(caption, std::string(buffer.data()));
  EXPECT_EQ((DWORD)TK_ZIP_OK, CloseZipArchive(zip));
}

TEST(ZipResource, MissingOrEmptyResourceIsRefused) {
  CTestResourceModule module;
  module.Add("STYLE", "EMPTY", "");
  ASSERT_NE(nullptr, module.Load());
  CTKResource missing, empty;
  EXPECT_FALSE(missing.LoadResource(module.GetHandle(), "TK_IDR_OFFICE2007SYSTEM_STYLE", "STYLE"));
  EXPECT_EQ(nullptr, missing.m_lpData);
  EXPECT_FALSE(empty.LoadResource(module.GetHandle(), "EMPTY", "STYLE"));
}

TEST(ZipNames, SanitisingDropsDrivesLeadingSlashesAndUpLinks) {
  const struct {
    const char* stored;
    const char* described;
  } cases[] = {
      {"D:\\dir\\..\\x.xaml", "x.xaml"},
      {"/a/../../b", "../b"},
      {"../up.xaml", "../up.xaml"},
      {"\\lead.xaml", "lead.xaml"},
      {"C:/x/../../y", "../y"},
      {"a\\b/..\\c", "c"},
      {"plain/name.xaml", "plain/name.xaml"},
  };
  for (const auto& c : cases) {
    char name[MAX_PATH];
    strcpy(name, c.stored);
    ZipArchiveReader::SanitizeName(name);
    EXPECT_STREQ(c.described, name) << c.stored;
  }
}

TEST_F(ZipArchiveTest, EntriesCarrySanitisedNamesAndTheCount) {
  ASSERT_NE(nullptr, Open({Item("D:\\dir\\..\\x.xaml", "x"), Item("/a/../../b", "b")}));
  EXPECT_STREQ("x.xaml", Describe(0).name);
  EXPECT_STREQ("../b", Describe(1).name);
  TK_ZIPENTRY count = Describe(-1);
  EXPECT_EQ(2, count.index);
  EXPECT_STREQ("", count.name);
  EXPECT_EQ(0u, count.uncompressedSize);
  // Stored names are what FindZipEntry compares.
  int index = -2;
  EXPECT_EQ((DWORD)TK_ZIP_OK, FindZipEntry(m_zip, "/a/../../b", FALSE, &index, NULL));
  EXPECT_EQ(1, index);
}

TEST_F(ZipArchiveTest, PartialReadsContinueWhereTheyStopped) {
  const std::string data = Text(1000, 5);
  for (bool deflate : {true, false}) {
    ASSERT_NE(nullptr, Open({Item("first.txt", "1"), Item("big.txt", data, deflate)}));
    std::string buffer(1000, '\0');
    EXPECT_EQ((DWORD)TK_ZIP_MOREDATA, ExtractZipEntryToMemory(m_zip, 1, &buffer[0], 600));
    EXPECT_EQ((DWORD)TK_ZIP_OK, ExtractZipEntryToMemory(m_zip, 1, &buffer[600], 400));
    EXPECT_EQ(data, buffer);
    // The item was finished, so the next extraction starts again.
    EXPECT_EQ(data, Extract(1, 1000));
    EXPECT_EQ((DWORD)TK_ZIP_OK, CloseZipArchive(m_zip));
    m_zip = NULL;
  }
}

TEST_F(ZipArchiveTest, ItemsAreReachedInAnyOrder) {
  std::vector<ZipItem> items;
  for (int i = 0; i < 5; ++i)
    items.push_back(Item("item" + std::to_string(i), Text(20 + i, (char)i)));
  ASSERT_NE(nullptr, Open(items));
  for (int index : {3, 1, 4, 0, 2, 2}) {
    EXPECT_EQ(items[index].data, Extract(index, (DWORD)items[index].data.size())) << index;
    EXPECT_EQ("item" + std::to_string(index), Describe(index).name);
  }
}

TEST_F(ZipArchiveTest, AttributesFollowTheHostThatMadeTheItem) {
  const struct {
    WORD versionMadeBy;
    DWORD external;
    DWORD attributes;
  } cases[] = {
      {20, 0x21, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE},
      {0x0B14, 0x16, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY},
      {0x0314, 0100644u << 16, FILE_ATTRIBUTE_ARCHIVE},
      {0x0314, 0100444u << 16, FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY},
      {0x0314, 040755u << 16, FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_DIRECTORY},
  };
  std::vector<ZipItem> items;
  for (const auto& c : cases) {
    items.push_back(Item("f" + std::to_string(items.size()), "x"));
    items.back().versionMadeBy = c.versionMadeBy;
    items.back().externalAttributes = c.external;
  }
  ASSERT_NE(nullptr, Open(items));
  for (size_t i = 0; i < items.size(); ++i)
    EXPECT_EQ(cases[i].attributes, Describe((int)i).attributes) << i;
}

ULONGLONG Value(const FILETIME& time) {
  return (ULONGLONG)time.dwHighDateTime << 32 | time.dwLowDateTime;
}

TEST_F(ZipArchiveTest, TimesComeFromTheDosStampOrTheExtendedTimestamp) {
  ZipItem dos = Item("dos", "d");
  ZipItem unix = Item("unix", "u");
  unix.localExtra = std::string("\x01\x02\x01\x00\x00", 5) +  // an unrelated block first
                    TestImages::MakeUnixTimeExtra(7, {1000000000, 1100000000, 1200000000});
  ZipItem partial = Item("partial", "p");
  partial.localExtra = TestImages::MakeUnixTimeExtra(2, {1100000000});
  ASSERT_NE(nullptr, Open({dos, unix, partial}));

  FILETIME local, utc;
  ASSERT_TRUE(DosDateTimeToFileTime(dos.dosDate, dos.dosTime, &local));
  ASSERT_TRUE(LocalFileTimeToFileTime(&local, &utc));
  TK_ZIPENTRY entry = Describe(0);
  EXPECT_EQ(Value(utc), Value(entry.modificationTime));
  EXPECT_EQ(Value(utc), Value(entry.accessTime));
  EXPECT_EQ(Value(utc), Value(entry.creationTime));

  auto unixTime = [](LONGLONG t) { return (ULONGLONG)(t + 11644473600LL) * 10000000ULL; };
  entry = Describe(1);
  EXPECT_EQ(unixTime(1000000000), Value(entry.modificationTime));
  EXPECT_EQ(unixTime(1100000000), Value(entry.accessTime));
  EXPECT_EQ(unixTime(1200000000), Value(entry.creationTime));
  entry = Describe(2);
  EXPECT_EQ(Value(utc), Value(entry.modificationTime));
  EXPECT_EQ(unixTime(1100000000), Value(entry.accessTime));
}

TEST_F(ZipArchiveTest, ResultCodes) {
  const std::string data = Text(200, 9);
  ZipItem secret = Item("secret", data);
  secret.flags = 1;  // encrypted
  ASSERT_NE(nullptr, Open({Item("plain", data), secret}));

  EXPECT_EQ((DWORD)TK_ZIP_BADARGS, CloseZipArchive(NULL));
  EXPECT_EQ((DWORD)TK_ZIP_BADARGS, GetZipLastError());
  TK_ZIPHANDLE other = {2, m_zip->pReader};
  EXPECT_EQ((DWORD)TK_ZIP_WRONGHANDLE, FindZipEntry(&other, "plain", TRUE, NULL, NULL));
  EXPECT_EQ((DWORD)TK_ZIP_WRONGHANDLE, ExtractZipEntryToMemory(&other, 0, NULL, 0));
  EXPECT_EQ((DWORD)TK_ZIP_WRONGHANDLE, CloseZipArchive(&other));
  EXPECT_EQ((DWORD)TK_ZIP_BADARGS, FindZipEntry(NULL, "plain", TRUE, NULL, NULL));

  char buffer[300];
  EXPECT_EQ((DWORD)TK_ZIP_BADARGS, ExtractZipEntryToMemory(m_zip, 2, buffer, sizeof buffer));
  EXPECT_EQ((DWORD)TK_ZIP_BADARGS, ExtractZipEntryToMemory(m_zip, -1, buffer, sizeof buffer));
  TK_ZIPENTRY entry;
  EXPECT_EQ((DWORD)TK_ZIP_BADARGS, m_zip->pReader->GetItem(2, &entry));
  EXPECT_EQ((DWORD)TK_ZIP_BADARGS, m_zip->pReader->GetItem(-2, &entry));
  EXPECT_EQ((DWORD)TK_ZIP_NOTFOUND, FindZipEntry(m_zip, "missing", TRUE, NULL, &entry));
  EXPECT_EQ((DWORD)TK_ZIP_NOTFOUND, GetZipLastError());
  EXPECT_EQ((DWORD)TK_ZIP_NOTFOUND,
            FindZipEntry(m_zip, std::string(300, 'x').c_str(), TRUE, NULL, &entry));
  EXPECT_EQ((DWORD)TK_ZIP_PASSWORD, ExtractZipEntryToMemory(m_zip, 1, buffer, sizeof buffer));
  EXPECT_EQ((DWORD)TK_ZIP_OK, ExtractZipEntryToMemory(m_zip, 0, buffer, sizeof buffer));
  EXPECT_EQ((DWORD)TK_ZIP_OK, GetZipLastError());
}

TEST(ZipPassword, PlainItemsOpenWhateverThePasswordAndEncryptedOnesNever) {
  const std::string data = Text(200, 4);
  ZipItem secret = Item("secret", data);
  secret.flags = 1;  // encrypted
  const std::string bytes = MakeZip({Item("plain", data), secret, Item("stored", data, false)});
  for (const char* password : {(const char*)NULL, "", "letmein"}) {
    const char* shown = password != NULL ? password : "(none)";
    HTKZIP zip = OpenZipArchive(bytes.data(), (DWORD)bytes.size(), password);
    ASSERT_NE(nullptr, zip) << shown;
    for (int index : {0, 2}) {
      std::string buffer(data.size() + 1, '\0');
      EXPECT_EQ((DWORD)TK_ZIP_OK, ExtractZipEntryToMemory(zip, index, &buffer[0], (DWORD)data.size()))
          << shown << " " << index;
      EXPECT_EQ(data, buffer.substr(0, data.size())) << shown << " " << index;
    }
    char buffer[300];
    EXPECT_EQ((DWORD)TK_ZIP_PASSWORD, ExtractZipEntryToMemory(zip, 1, buffer, sizeof buffer))
        << shown;
    EXPECT_EQ((DWORD)TK_ZIP_PASSWORD, GetZipLastError()) << shown;
    EXPECT_EQ((DWORD)TK_ZIP_OK, CloseZipArchive(zip)) << shown;
  }
}

TEST_F(ZipArchiveTest, MethodsOtherThanStoredAndDeflatedAreRefused) {
  const std::string data = Text(300, 5);
  std::vector<ZipItem> items = {Item("deflated", data)};
  for (int method : {12, 14, 1, 9}) {
    ZipItem item = Item("method" + std::to_string(method), data, false);
    item.method = method;  // the bytes as they are, under a method this reader lacks
    items.push_back(item);
  }
  ASSERT_NE(nullptr, Open(items));
  for (int index = 1; index < (int)items.size(); ++index) {
    std::string buffer(data.size() + 1, '\0');
    EXPECT_EQ((DWORD)TK_ZIP_INFLATE,
              ExtractZipEntryToMemory(m_zip, index, &buffer[0], (DWORD)data.size()))
        << items[index].name;
    EXPECT_EQ(std::string(data.size(), '\0'), buffer.substr(0, data.size())) << items[index].name;
  }
  // The archive stays usable.
  EXPECT_EQ(data, Extract(0, (DWORD)data.size()));
}

TEST(ZipOpen, DataThatIsNotAnArchiveIsRefused) {
  const std::string cases[] = {"", "not a zip at all", std::string(22, '\0'),
                               MakeZip({Item("a", "b")}).substr(0, 30)};
  for (const std::string& bytes : cases) {
    EXPECT_EQ(nullptr, OpenZipArchive(bytes.data(), (DWORD)bytes.size(), NULL));
    EXPECT_EQ((DWORD)TK_ZIP_OPENFAILED, GetZipLastError());
  }
}

TEST_F(ZipArchiveTest, DamagedItemsReportTheirFault) {
  const std::string data = Text(500, 2);
  m_bytes = MakeZip({Item("header", data), Item("stream", data), Item("crc", data, false)});
  // The local header of the first item loses its signature.
  m_bytes[0] = 'X';
  // The second item's deflate stream gets an invalid block type.
  m_bytes[ItemDataOffset(m_bytes, 1)] = char(0xFF);
  // The third item's stored data no longer matches its CRC.
  m_bytes[ItemDataOffset(m_bytes, 2)] ^= 1;
  m_zip = OpenZipArchive(m_bytes.data(), (DWORD)m_bytes.size(), NULL);
  ASSERT_NE(nullptr, m_zip);

  TK_ZIPENTRY entry;
  char buffer[600];
  EXPECT_EQ((DWORD)TK_ZIP_CORRUPT, m_zip->pReader->GetItem(0, &entry));
  EXPECT_EQ((DWORD)TK_ZIP_CORRUPT, ExtractZipEntryToMemory(m_zip, 0, buffer, sizeof buffer));
  EXPECT_EQ((DWORD)TK_ZIP_INFLATE, ExtractZipEntryToMemory(m_zip, 1, buffer, sizeof buffer));
  EXPECT_EQ((DWORD)TK_ZIP_INFLATE, ExtractZipEntryToMemory(m_zip, 2, buffer, 500));
  // The archive stays usable.
  EXPECT_EQ((DWORD)TK_ZIP_OK, m_zip->pReader->GetItem(2, &entry));
}

TEST(ZipInput, ReadsWholeItemsAndSeeksFromEachOrigin) {
  const char data[] = "0123456789";
  TK_ZIPMEMORYINPUT* input = ZipFileOpen(data, 10);
  ASSERT_NE(nullptr, input);
  char buffer[16] = {};
  EXPECT_EQ(2u, ZipFileRead(input, buffer, 4, 3));  // 10 bytes copied, two whole items
  EXPECT_STREQ("0123456789", buffer);
  EXPECT_EQ(10, ZipFileTell(input));
  EXPECT_EQ(0u, ZipFileRead(input, buffer, 1, 1));
  EXPECT_EQ(0, ZipFileSeek(input, -3, 2));
  EXPECT_EQ(7, ZipFileTell(input));
  EXPECT_EQ(0, ZipFileSeek(input, 1, 1));
  EXPECT_EQ(2u, ZipFileRead(input, buffer, 1, 5));
  EXPECT_EQ('8', buffer[0]);
  EXPECT_EQ('9', buffer[1]);
  EXPECT_EQ(0, ZipFileSeek(input, 20, 0));
  EXPECT_EQ(0u, ZipFileRead(input, buffer, 1, 1));
  EXPECT_EQ(-1, ZipFileSeek(input, -1, 0));
  EXPECT_EQ(0, ZipFileSeek(input, 5, 7));
  EXPECT_EQ(20, ZipFileTell(input));
  EXPECT_EQ(0, ZipFileError(input));
  EXPECT_EQ(0, ZipFileClose(input));
  EXPECT_EQ(-1, ZipFileClose(NULL));
}

}  // namespace
