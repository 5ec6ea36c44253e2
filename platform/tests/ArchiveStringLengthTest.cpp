// A damaged string length in an archive: the read fails at the end of the
// data and never sets aside memory for characters that are not there.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <new>
#include <vector>

#include "afx.h"

static size_t g_largest = 0;
static bool g_watching = false;

// The replacements pair malloc with free; the compiler cannot see that.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

static void* Allocate(size_t size) {
  if (g_watching && size > g_largest) g_largest = size;
  return malloc(size ? size : 1);
}
void* operator new(size_t size) {
  if (void* p = Allocate(size)) return p;
  throw std::bad_alloc();
}
void* operator new[](size_t size) {
  if (void* p = Allocate(size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { free(p); }
void operator delete[](void* p) noexcept { free(p); }
void operator delete(void* p, size_t) noexcept { free(p); }
void operator delete[](void* p, size_t) noexcept { free(p); }

namespace {

template <typename S>
void ExpectShortReadFails(std::vector<BYTE> bytes) {
  CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
  CArchive ar(&file, CArchive::load);
  S text;
  g_largest = 0;
  g_watching = true;
  try {
    ar >> text;
    ADD_FAILURE() << "no exception";
  } catch (CArchiveException* e) {
    EXPECT_EQ(CArchiveException::endOfFile, e->m_cause);
    e->Delete();
  }
  g_watching = false;
  EXPECT_TRUE(text.IsEmpty());
  EXPECT_LT(g_largest, 1024u * 1024);
}

TEST(ArchiveStringLength, ALengthBeyondTheDataFailsWithoutAHugeBuffer) {
  // 0xFF, 0xFFFF, then the length 0x3FFFFFF0, and three characters.
  ExpectShortReadFails<CStringA>({0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x3F, 'a', 'b', 'c'});
  // The wide marker, then the same.
  ExpectShortReadFails<CStringW>(
      {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x3F, 'a', 0, 'b', 0});
}

TEST(ArchiveStringLength, LongStringsStillReadWhole) {
  CMemFile file;
  CStringA stored('x', 200000);
  {
    CArchive ar(&file, CArchive::store);
    ar << stored;
  }
  file.SeekToBegin();
  CArchive ar(&file, CArchive::load);
  CStringA loaded;
  ar >> loaded;
  EXPECT_EQ(stored, loaded);
}

}  // namespace
