// The layout block's memory file: blocks handed in and out, files read whole.
#include "common/TKZipMemFile.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <string.h>

namespace {

TEST(TKZipMemFile, HandsOutWhatWasWritten) {
  CTKZipMemFile file;
  file.Write("layout", 6);
  file.Write("!", 1);
  BYTE* pBlock = NULL;
  UINT nCount = 0;
  file.DetachBuffer(pBlock, nCount);
  ASSERT_TRUE(pBlock != NULL);
  EXPECT_EQ(7u, nCount);
  EXPECT_EQ(0, memcmp(pBlock, "layout!", 7));
  free(pBlock);
  EXPECT_EQ(0u, file.GetLength());
}

TEST(TKZipMemFile, ReadsACallersBlockWithoutFreeingIt) {
  BYTE block[4] = {1, 2, 3, 4};
  {
    CTKZipMemFile file(block, sizeof(block));
    BYTE read[4] = {};
    EXPECT_EQ(4u, file.Read(read, 4));
    EXPECT_EQ(0, memcmp(read, block, 4));
  }
  EXPECT_EQ(3, block[2]);
  BYTE* pOwned = (BYTE*)malloc(2);
  pOwned[0] = 9;
  pOwned[1] = 8;
  CTKZipMemFile file;
  file.AttachBuffer(pOwned, 2, TRUE);  // freed by the file
  BYTE read[2] = {};
  EXPECT_EQ(2u, file.Read(read, 2));
  EXPECT_EQ(9, read[0]);
}

TEST(TKZipMemFile, ReadsAFileWhole) {
  char szPath[MAX_PATH];
  ::GetTempPathA(MAX_PATH, szPath);
  strcat(szPath, "TKZipMemFileTest.bin");
  HANDLE hFile = ::CreateFileA(szPath, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
  ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
  DWORD nWritten = 0;
  ::WriteFile(hFile, "0123456789", 10, &nWritten, NULL);
  ::CloseHandle(hFile);

  CTKZipMemFile file;
  ASSERT_TRUE(file.OpenFile(szPath));
  EXPECT_EQ(10u, file.GetLength());
  char read[11] = {};
  EXPECT_EQ(10u, file.Read(read, 10));
  EXPECT_STREQ("0123456789", read);
  ::DeleteFileA(szPath);

  CTKZipMemFile missing;
  EXPECT_FALSE(missing.OpenFile("Z:\\no\\such\\file.bin"));
}

TEST(TKZipMemFile, APathIsOnlyAName) {
  CTKZipMemFile file;
  file.SetFilePath("Bars");
  EXPECT_EQ("Bars", file.GetFilePath());
  EXPECT_THROW(file.SetFilePath(NULL), CInvalidArgException*);
}

}  // namespace
