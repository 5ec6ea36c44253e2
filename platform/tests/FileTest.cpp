#include <afx.h>

#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include "testsupport/TempFolder.h"

namespace {

// A file in a temporary folder, removed again at the end of the test.
class FileTest : public ::testing::Test {
 protected:
  void SetUp() override { m_path = m_folder.PathOf("velm_file.tmp").c_str(); }
  CTempFolder m_folder;
  CString m_path;
};

TEST_F(FileTest, WritesReadsSeeksAndTruncates) {
  {
    CFile file(m_path, CFile::modeCreate | CFile::modeWrite);
    file.Write("0123456789", 10);
    EXPECT_EQ(file.GetLength(), 10u);
    EXPECT_EQ(file.GetFilePath(), m_path);
  }
  CFile file;
  ASSERT_TRUE(file.Open(m_path, CFile::modeReadWrite));
  EXPECT_EQ(file.Seek(-3, CFile::end), 7u);
  char buf[8] = {};
  EXPECT_EQ(file.Read(buf, sizeof buf), 3u);  // short at the end
  EXPECT_STREQ(buf, "789");
  file.SetLength(4);
  EXPECT_EQ(file.GetLength(), 4u);
  file.SeekToBegin();
  EXPECT_EQ(file.GetPosition(), 0u);
  file.Close();
  EXPECT_EQ(file.m_hFile, CFile::hFileNull);
}

TEST_F(FileTest, FailuresCarryCauseErrorAndName) {
  CFileException error;
  CFile file;
  CString missing = m_path + ".missing";
  EXPECT_FALSE(file.Open(missing, CFile::modeRead, &error));
  EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
  EXPECT_EQ(error.m_lOsError, ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(error.m_strFileName, missing);
  try {
    CFile::Remove(missing);
    FAIL() << "no exception";
  } catch (CFileException* e) {
    EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
    char text[256];
    EXPECT_TRUE(e->GetErrorMessage(text, sizeof text));
    EXPECT_NE(strstr(text, missing), nullptr);
    e->Delete();
  }
}

TEST_F(FileTest, RenameAndNameParts) {
  { CFile(m_path, CFile::modeCreate | CFile::modeWrite); }
  CString renamed = m_path + ".renamed.txt";
  CFile::Rename(m_path, renamed);
  CFile file(renamed, CFile::modeRead);
  EXPECT_EQ(file.GetFileName().Right(12), ".renamed.txt");
  EXPECT_EQ(file.GetFileTitle(), file.GetFileName().Left(file.GetFileName().GetLength() - 4));
  file.Close();
  CFile::Remove(renamed);
}

TEST_F(FileTest, StdioFileReadsLinesInBothForms) {
  {
    CStdioFile out(m_path, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
    out.WriteString("first\nsecond line\n");
    out.WriteString(CString('x', 300) + "\nlast");
  }
  CFile raw(m_path, CFile::modeRead);
  EXPECT_EQ(raw.GetLength(), (5u + 2) + (11u + 2) + (300u + 2) + 4);  // text mode wrote \r\n
  raw.Close();

  CStdioFile in;
  ASSERT_TRUE(in.Open(m_path, CFile::modeRead | CFile::typeText));
  char buf[64];
  EXPECT_STREQ(in.ReadString(buf, sizeof buf), "first\n");
  CString line;
  EXPECT_TRUE(in.ReadString(line));
  EXPECT_EQ(line, "second line");
  EXPECT_TRUE(in.ReadString(line));
  EXPECT_EQ(line, CString('x', 300));
  EXPECT_TRUE(in.ReadString(line));
  EXPECT_EQ(line, "last");
  EXPECT_FALSE(in.ReadString(line));
  EXPECT_EQ(in.ReadString(buf, sizeof buf), nullptr);
}

TEST(MemFileTest, GrowsInStepsAndDetachesItsBlock) {
  CMemFile file(16);
  file.Write("abc", 3);
  file.Seek(20, CFile::begin);
  file.Write("z", 1);
  EXPECT_EQ(file.GetLength(), 21u);
  file.SeekToBegin();
  char buf[4] = {};
  EXPECT_EQ(file.Read(buf, 3), 3u);
  EXPECT_STREQ(buf, "abc");
  BYTE* block = file.Detach();
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block[20], 'z');
  EXPECT_EQ(file.GetLength(), 0u);
  free(block);
}

TEST(MemFileTest, AttachedBlockIsReadInPlaceAndCannotGrow) {
  BYTE block[4] = {1, 2, 3, 4};
  CMemFile file;
  file.Attach(block, sizeof block);
  EXPECT_EQ(file.GetLength(), 4u);
  file.Seek(1, CFile::begin);
  file.Write("\x09", 1);
  EXPECT_EQ(block[1], 9);
  file.SeekToEnd();
  EXPECT_THROW(file.Write("x", 1), CMemoryException*);
  EXPECT_EQ(file.Detach(), block);
}

TEST(MemFileTest, AttachedGrowableBlockStartsEmpty) {
  BYTE* block = static_cast<BYTE*>(malloc(4));
  CMemFile file(block, 4, 8);
  EXPECT_EQ(file.GetLength(), 0u);
  file.Write("123456", 6);  // reallocated past the 4 bytes
  EXPECT_EQ(file.GetLength(), 6u);
  free(file.Detach());
}

}  // namespace
