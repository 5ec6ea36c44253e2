// Temporary folders and the whole-file helpers: a folder is fresh, unique and
// gone afterwards with everything in it, read-only entries included.
#include "testsupport/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(TempFolderTest, IsFreshUniqueAndRemovedWithEverythingInIt) {
  std::string path;
  {
    CTempFolder folder, other;
    path = folder.GetPath();
    ASSERT_TRUE(FolderIsThere(path));
    EXPECT_NE(path, other.GetPath());
    EXPECT_NE('\\', path.back());
    EXPECT_TRUE(folder.ListNames().empty());

    ASSERT_TRUE(folder.MakeFolder("sub"));
    ASSERT_TRUE(folder.MakeFolder("sub\\deeper"));
    ASSERT_TRUE(folder.MakeFile("sub\\deeper\\locked.txt", "x", FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(folder.MakeFile("b.txt"));
    ASSERT_TRUE(folder.MakeFile("a.txt", "text"));
    EXPECT_EQ((std::vector<std::string>{"a.txt", "b.txt", "sub"}), folder.ListNames());
    EXPECT_TRUE(folder.Exists("sub\\deeper\\locked.txt"));
    EXPECT_FALSE(folder.Exists("missing"));
    EXPECT_EQ(folder.GetPath() + "\\sub\\x", folder.PathOf("sub\\x"));
    EXPECT_EQ(FILE_ATTRIBUTE_READONLY,
              GetFileAttributesA(folder.PathOf("sub\\deeper\\locked.txt").c_str()) &
                  FILE_ATTRIBUTE_READONLY);
  }
  EXPECT_FALSE(PathIsThere(path));
}

TEST(TempFolderTest, FilesKeepEveryByte) {
  CTempFolder folder;
  const std::string bytes("line\r\n\0\xFF end", 12);
  const std::string path = folder.PathOf("data.bin");
  ASSERT_TRUE(WriteFileBytes(path, bytes));
  EXPECT_EQ(bytes, ReadFileBytes(path));
  ASSERT_TRUE(WriteFileBytes(path, "short"));  // replaced, not overwritten in place
  EXPECT_EQ("short", ReadFileBytes(path));
  EXPECT_EQ("", ReadFileBytes(folder.PathOf("missing.bin")));
  EXPECT_FALSE(WriteFileBytes(folder.PathOf("no\\such\\folder.bin"), "x"));
}

TEST(TempFolderTest, ExistenceChecksTellFilesFromFolders) {
  CTempFolder folder;
  ASSERT_TRUE(folder.MakeFile("f"));
  ASSERT_TRUE(folder.MakeFolder("d"));
  const struct {
    const char* name;
    bool file, isFolder, any;
  } cases[] = {{"f", true, false, true}, {"d", false, true, true}, {"none", false, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.file, FileIsThere(folder.PathOf(c.name)));
    EXPECT_EQ(c.isFolder, FolderIsThere(folder.PathOf(c.name)));
    EXPECT_EQ(c.any, PathIsThere(folder.PathOf(c.name)));
  }
}

TEST(TempFolderTest, RemoveTreeTakesFilesFoldersAndTrailingBackslashes) {
  CTempFolder folder;
  ASSERT_TRUE(folder.MakeFile("one.txt", "x", FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(folder.MakeFolder("tree"));
  ASSERT_TRUE(
      folder.MakeFile("tree\\two.txt", "x", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(folder.MakeFile("keep.txt"));

  EXPECT_TRUE(RemoveTree(folder.PathOf("one.txt")));
  EXPECT_TRUE(RemoveTree(folder.PathOf("tree\\")));
  EXPECT_TRUE(RemoveTree(folder.PathOf("missing")));
  EXPECT_EQ((std::vector<std::string>{"keep.txt"}), folder.ListNames());
}

}  // namespace
