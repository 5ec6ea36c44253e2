// Damaged archive streams: a sound stream of every value kind, mutated at
// random (by a fixed seed), read back by the same routine. Every case ends in
// values or in the archive's exception, and no damaged count or length turns
// into memory the stream does not hold.
#include <gtest/gtest.h>

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <new>
#include <vector>

#include "common/TKPropExchangeArchive.h"
#include "testsupport/ByteMutator.h"

// The largest allocation made while a damaged stream is read.
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
void* operator new(size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* p) noexcept { free(p); }
void operator delete[](void* p) noexcept { free(p); }
void operator delete(void* p, size_t) noexcept { free(p); }
void operator delete[](void* p, size_t) noexcept { free(p); }

class CFuzzPane : public CObject {
  DECLARE_SERIAL(CFuzzPane)
 public:
  CString m_strTitle;
  void Serialize(CArchive& ar) override {
    if (ar.IsStoring())
      ar << m_strTitle;
    else
      ar >> m_strTitle;
  }
};
IMPLEMENT_SERIAL(CFuzzPane, CObject, 3)

namespace {

typedef std::vector<BYTE> Bytes;

// What a load gives back, for the bounds the test checks.
struct Loaded {
  size_t largestText = 0;
  size_t largestBlob = 0;
};

// One persistable layout that touches every kind of value, in both directions.
void ExchangeLayout(CTKPropExchange* px, int variant, Loaded* pLoaded) {
  px->ExchangeSchema();
  int n = variant * 7;
  short s = static_cast<short>(-variant);
  BYTE b = static_cast<BYTE>(variant);
  BOOL f = variant & 1;
  double d = variant / 3.0;
  CString text = CString('t', variant * 40);
  CRect rc(variant, 2, 3, 4);
  CSize sz(5, variant);
  COleDateTime dt(2005, 2, 1 + variant, 10, 30, 0);
  COleVariant var(variant % 2 ? COleVariant("v") : COleVariant(static_cast<long>(variant)));
  ExchangeIntProp(px, "n", n, 0);
  ExchangeShortProp(px, "s", s, 0);
  ExchangeByteProp(px, "b", b, 0);
  ExchangeBoolProp(px, "f", f, FALSE);
  px->ExchangeProp("d", VT_R8, &d, nullptr);
  ExchangeStringProp(px, "text", text, "");
  px->ExchangeProp("rc", VT_TK_RECT, &rc, nullptr);
  ExchangeSizeProp(px, "sz", sz, CSize(0, 0));
  px->ExchangeProp("dt", VT_DATE, &dt, nullptr);
  px->ExchangeProp("var", VT_VARIANT, &var, nullptr);
  if (pLoaded != nullptr && text.GetLength() > (int)pLoaded->largestText)
    pLoaded->largestText = text.GetLength();

  Bytes block(variant * 30, static_cast<BYTE>(variant));
  BYTE* pData = px->IsStoring() ? block.data() : nullptr;
  DWORD cbData = static_cast<DWORD>(block.size());
  if (ExchangeBinaryProp(px, "blob", &pData, &cbData) && px->IsLoading()) {
    if (pLoaded != nullptr && cbData > pLoaded->largestBlob) pLoaded->largestBlob = cbData;
    free(pData);
  }

  CTKPropExchangeEnumeratorPtr items(px->GetEnumerator("Item"));
  POSITION pos = items->GetPosition(variant % 3, TRUE);
  for (int guard = 0; pos != nullptr && guard < 64; ++guard) {
    CTKPropExchangeSection item(items->GetNext(pos));
    CFuzzPane pane;
    pane.m_strTitle = "pane";
    CObject* pObject = &pane;
    if (item->ExchangeObjectInstance(pObject, RUNTIME_CLASS(CObject))) {
      pObject->Serialize(*item->GetArchive(nullptr));
      if (item->IsLoading()) delete pObject;
    }
  }
}

Bytes StoreLayout(int variant) {
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    CTKPropExchangeSection px(new CTKPropExchangeArchive(ar));
    ExchangeLayout(px, variant, nullptr);
  }
  Bytes bytes((size_t)file.GetLength());
  file.SeekToBegin();
  file.Read(bytes.data(), (UINT)bytes.size());
  return bytes;
}

typedef CByteMutator CMutator;

TEST(PropExchangeArchiveFuzz, DamagedStreamsLoadSafely) {
  std::vector<Bytes> corpus;
  for (int variant = 0; variant < 6; ++variant) corpus.push_back(StoreLayout(variant));
  CMutator mutator(20240611u);
  int completed = 0;
  for (int i = 0; i < 3000; ++i) {
    Bytes bytes = corpus[mutator.Below((uint32_t)corpus.size())];
    for (uint32_t n = 1 + mutator.Below(3); n > 0; --n) mutator.Mutate(bytes);
    CMemFile file(bytes.data(), (UINT)bytes.size());
    Loaded loaded;
    g_largest = 0;
    g_watching = true;
    try {
      CArchive ar(&file, CArchive::load);
      CTKPropExchangeSection px(new CTKPropExchangeArchive(ar));
      ExchangeLayout(px, 0, &loaded);
      ++completed;
    } catch (CException* e) {
      ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(CArchiveException))) << "case " << i;
      e->Delete();
    }
    g_watching = false;
    ASSERT_LE(loaded.largestText, bytes.size()) << "case " << i;
    ASSERT_LE(loaded.largestBlob, bytes.size()) << "case " << i;
    // The reader's own buffers and one read piece, never a claimed length.
    ASSERT_LT(g_largest, 256u * 1024) << "case " << i;
  }
  // Enough cases get through to the end for the later values to be read too.
  EXPECT_GT(completed, 300);
}

TEST(PropExchangeArchiveFuzz, SoundStreamsLoadWhole) {
  for (int variant = 0; variant < 6; ++variant) {
    Bytes bytes = StoreLayout(variant);
    CMemFile file(bytes.data(), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load);
    CTKPropExchangeSection px(new CTKPropExchangeArchive(ar));
    Loaded loaded;
    ExchangeLayout(px, 0, &loaded);
    EXPECT_EQ((size_t)variant * 40, loaded.largestText);
    EXPECT_TRUE(ar.IsBufferEmpty()) << variant;
    EXPECT_EQ(file.GetLength(), file.GetPosition()) << variant;
  }
}

}  // namespace
