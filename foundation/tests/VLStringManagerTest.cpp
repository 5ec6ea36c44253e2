#include "foundation/VLStringManager.h"

#include <gtest/gtest.h>
#include <string.h>

#include <vector>

namespace {

struct PackedCase {
  const char* name;
  bool wide;
  const char* text;
  std::vector<unsigned char> bytes;  // what WriteString puts at the cursor
  int stride;                        // how far the cursor moves
  int recordSize;
  bool readResult;
};

const PackedCase kPackedCases[] = {
    {"narrow abc", false, "abc", {3, 0, 0, 0, 0, 'a', 'b', 'c', 0}, 11, 12, true},
    {"narrow empty", false, "", {0, 0, 0, 0, 0, 0}, 8, 9, false},
    {"wide ab", true, "ab", {2, 0, 0, 0, 1, 'a', 0, 'b', 0, 0, 0}, 12, 14, true},
    {"wide empty", true, "", {0, 0, 0, 0, 1, 0}, 8, 10, false},
};

CTesselString MakeString(bool wide, const char* text) {
  CTesselString s(text);
  if (wide) s.MakeWide();
  return s;
}

TEST(VLStringManagerTest, WritesAndReadsTheExactPackedForm) {
  for (const PackedCase& c : kPackedCases) {
    SCOPED_TRACE(c.name);
    const CTesselString value = MakeString(c.wide, c.text);
    EXPECT_EQ(c.recordSize, CVLStringManager::GetRecordSize(value));

    std::vector<unsigned char> buffer(32, 0xCC);
    CVLStringManager writer;
    ASSERT_TRUE(writer.SetBuffer(buffer.data(), buffer.size()));
    ASSERT_TRUE(writer.WriteString(value));
    EXPECT_EQ(c.stride, writer.GetCursor() - buffer.data());
    EXPECT_EQ(c.bytes, std::vector<unsigned char>(buffer.begin(), buffer.begin() + c.bytes.size()));
    // The slack before the next record belongs to the caller.
    for (size_t i = c.bytes.size(); i < buffer.size(); ++i)
      EXPECT_EQ(0xCC, buffer[i]) << "byte " << i;

    CVLStringManager reader;
    reader.SetBuffer(buffer.data(), buffer.size());
    CTesselString read("old");
    EXPECT_EQ(c.readResult, reader.ReadString(&read));
    EXPECT_EQ(c.stride, reader.GetCursor() - buffer.data());
    EXPECT_EQ(c.wide && c.readResult, read.IsWide());
    EXPECT_STREQ(c.text, read.GetText());
  }
}

TEST(VLStringManagerTest, RecordsFollowEachOtherAtTheirStride) {
  const CTesselString values[] = {MakeString(false, "Build"), MakeString(true, "wide"),
                                  MakeString(false, ""), MakeString(false, "D:\\Temp")};
  std::vector<unsigned char> buffer(100, 0);
  CVLStringManager writer;
  writer.SetBuffer(buffer.data(), buffer.size());
  for (const CTesselString& v : values) ASSERT_TRUE(writer.WriteString(v));
  EXPECT_EQ(13 + 16 + 8 + 15, writer.GetCursor() - buffer.data());

  CVLStringManager reader;
  reader.SetBuffer(buffer.data(), buffer.size());
  const char* expected[] = {"Build", "wide", "", "D:\\Temp"};
  for (const char* text : expected) {
    CTesselString read;
    reader.ReadString(&read);
    EXPECT_STREQ(text, read.GetText());
  }
  EXPECT_EQ(100u - 52u, reader.GetRemaining());
}

TEST(VLStringManagerTest, FailsWithoutACursor) {
  CVLStringManager manager;
  EXPECT_FALSE(manager.SetBuffer(nullptr, 10));
  EXPECT_FALSE(manager.WriteString(CTesselString("abc")));
  CTesselString read("old");
  EXPECT_FALSE(manager.ReadString(&read));
  EXPECT_EQ(0, read.GetLength());
}

TEST(VLStringManagerTest, RefusesToWriteARecordThatDoesNotFit) {
  std::vector<unsigned char> buffer(10, 0xCC);  // "abc" needs 11
  CVLStringManager writer;
  writer.SetBuffer(buffer.data(), buffer.size());
  EXPECT_FALSE(writer.WriteString(CTesselString("abc")));
  EXPECT_EQ(buffer.data(), writer.GetCursor());
  EXPECT_EQ(std::vector<unsigned char>(10, 0xCC), buffer);
}

TEST(VLStringManagerTest, ReadsTextUpToAnEarlierTerminator) {
  const unsigned char record[] = {5, 0, 0, 0, 0, 'a', 'b', 0, 'd', 'e', 0, 0, 0};
  CVLStringManager reader;
  reader.SetBuffer((void*)record, sizeof(record));
  CTesselString read;
  EXPECT_TRUE(reader.ReadString(&read));
  EXPECT_STREQ("ab", read.GetText());
  EXPECT_EQ(0u, reader.GetRemaining());
}

// Each corrupt record is placed so that it ends exactly where readable memory
// ends: a read past the buffer would fault instead of passing unnoticed.
class GuardedBuffer {
 public:
  GuardedBuffer() {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    m_page = info.dwPageSize;
    m_base = static_cast<unsigned char*>(
        VirtualAlloc(nullptr, 2 * m_page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    DWORD old = 0;
    VirtualProtect(m_base + m_page, m_page, PAGE_NOACCESS, &old);
  }
  ~GuardedBuffer() { VirtualFree(m_base, 0, MEM_RELEASE); }
  unsigned char* Place(const std::vector<unsigned char>& bytes) {
    unsigned char* start = m_base + m_page - bytes.size();
    memcpy(start, bytes.data(), bytes.size());
    return start;
  }

 private:
  unsigned char* m_base;
  DWORD m_page;
};

struct CorruptCase {
  const char* name;
  std::vector<unsigned char> bytes;
};

const CorruptCase kCorruptCases[] = {
    {"negative count", {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}},
    {"count past the end", {4, 0, 0, 0, 0, 'a', 'b', 'c', 'd', 0, 0}},
    {"huge count", {0xFF, 0xFF, 0xFF, 0x7F, 1, 'a', 0, 0}},
    {"no terminator", {3, 0, 0, 0, 0, 'a', 'b', 'c', 'd', 'e', 'f'}},
    {"wide without terminator", {2, 0, 0, 0, 1, 'a', 0, 'b', 0, 'c', 0, 'd'}},
    {"unknown width", {1, 0, 0, 0, 2, 'a', 0, 0, 0}},
    {"shorter than a header", {1, 0, 0, 0, 0, 'a', 0}},
    {"empty record cut short", {0, 0, 0, 0, 0, 0}},
};

TEST(VLStringManagerTest, CorruptRecordsFailCleanlyWithinTheBuffer) {
  GuardedBuffer guard;
  for (const CorruptCase& c : kCorruptCases) {
    SCOPED_TRACE(c.name);
    unsigned char* start = guard.Place(c.bytes);
    CVLStringManager reader;
    reader.SetBuffer(start, c.bytes.size());
    CTesselString read("old");
    EXPECT_FALSE(reader.ReadString(&read));
    EXPECT_EQ(0, read.GetLength());
    EXPECT_EQ(start, reader.GetCursor());  // tells a corrupt record from an empty one
  }
}

TEST(VLStringManagerTest, AWellFormedRecordEndingAtTheBufferEndStillReads) {
  GuardedBuffer guard;
  const std::vector<unsigned char> bytes = {2, 0, 0, 0, 1, 'h', 0, 'i', 0, 0, 0, 0};
  unsigned char* start = guard.Place(bytes);
  CVLStringManager reader;
  reader.SetBuffer(start, bytes.size());
  CTesselString read;
  EXPECT_TRUE(reader.ReadString(&read));
  EXPECT_STREQ("hi", read.GetText());
  EXPECT_EQ(0u, reader.GetRemaining());
}

}  // namespace
