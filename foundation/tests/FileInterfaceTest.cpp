#include "foundation/FileInterface.h"

#include <gtest/gtest.h>
#include <string.h>

#include "testsupport/TempFolder.h"

namespace {

class FileInterfaceTest : public ::testing::Test {
 protected:
  CTesselString PathOf(const std::string& relative) const {
    return CTesselString(m_folder.PathOf(relative).c_str());
  }
  CTempFolder m_folder;
};

TEST_F(FileInterfaceTest, EmptyPathFailsWithoutTouchingAnything) {
  CFileInterface file;
  ASSERT_FALSE(file.OpenForReading(PathOf("missing.bin")));
  EXPECT_EQ((DWORD)ERROR_FILE_NOT_FOUND, file.GetLastError());
  EXPECT_FALSE(file.Open(CTesselString(""), GENERIC_READ, 0, OPEN_EXISTING));
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(0u, file.GetLastError());
  EXPECT_STREQ(m_folder.PathOf("missing.bin").c_str(), CTesselString(file.GetPath()).GetText());
}

TEST_F(FileInterfaceTest, CreateForWritingMakesMissingFoldersAndCounts) {
  const CTesselString path = PathOf("one\\two\\data.bin");
  CFileInterface file;
  ASSERT_TRUE(file.CreateForWriting(path));
  int written = -1;
  EXPECT_TRUE(file.Write("0123456789", 10, &written));
  EXPECT_EQ(10, written);
  EXPECT_TRUE(file.Write("ab", 2, nullptr));
  EXPECT_EQ(12u, file.GetBytesWritten());
  EXPECT_EQ(12u, file.GetSize());
  EXPECT_TRUE(file.Close());
  EXPECT_EQ(0u, file.GetBytesWritten());
  EXPECT_EQ(0u, file.GetSize());
  EXPECT_FALSE(file.Close());
  EXPECT_TRUE(m_folder.Exists("one\\two\\data.bin"));
}

TEST_F(FileInterfaceTest, CreateForWritingReplacesAnExistingFile) {
  ASSERT_TRUE(m_folder.MakeFile("old.bin", "a long old content"));
  CFileInterface file;
  ASSERT_TRUE(file.CreateForWriting(PathOf("old.bin")));
  EXPECT_EQ(0u, file.GetSize());
}

TEST_F(FileInterfaceTest, ExactReadOfAShortFileFailsButReportsWhatCame) {
  ASSERT_TRUE(m_folder.MakeFile("five.bin", "12345"));
  CFileInterface file;
  ASSERT_TRUE(file.OpenForReading(PathOf("five.bin")));
  char buffer[8] = {};
  int got = -1;
  EXPECT_FALSE(file.Read(buffer, 8, &got, true));
  EXPECT_EQ(5, got);
  EXPECT_EQ(5u, file.GetBytesRead());
  EXPECT_EQ(0, memcmp(buffer, "12345", 5));

  ASSERT_TRUE(file.SeekToStart());
  EXPECT_TRUE(file.Read(buffer, 8, &got, false));
  EXPECT_EQ(5, got);
  EXPECT_EQ(10u, file.GetBytesRead());

  EXPECT_FALSE(file.Read(buffer, 8, &got, false));  // at the end nothing comes
  EXPECT_EQ(0, got);
}

TEST_F(FileInterfaceTest, GuardsLeaveTheOutValueAlone) {
  ASSERT_TRUE(m_folder.MakeFile("data.bin", "abc"));
  CFileInterface file;
  char buffer[4];
  int out = 77;
  EXPECT_FALSE(file.Read(buffer, 3, &out, true));  // closed
  EXPECT_FALSE(file.Write(buffer, 3, &out));
  EXPECT_FALSE(file.SeekToStart());
  EXPECT_FALSE(file.SeekToEnd());
  ASSERT_TRUE(file.OpenForReading(PathOf("data.bin")));
  EXPECT_FALSE(file.Read(nullptr, 3, &out, true));
  EXPECT_FALSE(file.Read(buffer, 0, &out, true));
  EXPECT_FALSE(file.Read(buffer, -1, &out, false));
  EXPECT_EQ(77, out);

  // A write to a file opened for reading fails in the system.
  EXPECT_FALSE(file.Write("x", 1, &out));
  EXPECT_EQ(77, out);
  EXPECT_NE(0u, file.GetLastError());
}

TEST_F(FileInterfaceTest, SeekToEndAppends) {
  ASSERT_TRUE(m_folder.MakeFile("log.txt", "first"));
  CFileInterface file;
  ASSERT_TRUE(file.Open(PathOf("log.txt"), GENERIC_READ | GENERIC_WRITE, 0, OPEN_EXISTING));
  ASSERT_TRUE(file.SeekToEnd());
  ASSERT_TRUE(file.Write("+second", 7, nullptr));
  ASSERT_TRUE(file.SeekToStart());
  char buffer[12] = {};
  ASSERT_TRUE(file.Read(buffer, 12, nullptr, true));
  EXPECT_EQ(0, memcmp(buffer, "first+second", 12));
}

TEST_F(FileInterfaceTest, CreateFolderForMakesOnlyMissingFolders) {
  CFileInterface file;
  EXPECT_FALSE(file.CreateFolderFor(CTesselString("")));
  EXPECT_FALSE(file.CreateFolderFor(PathOf("file.txt")));  // the folder exists
  EXPECT_TRUE(file.CreateFolderFor(PathOf("a\\b\\file.txt")));
  EXPECT_TRUE(m_folder.Exists("a\\b"));
  EXPECT_FALSE(m_folder.Exists("a\\b\\file.txt"));
}

}  // namespace
