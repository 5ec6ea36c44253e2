// The archive back end: the stream layout byte by byte, the schema header,
// headerless streams, classes and object numbering, and damaged streams.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "common/TKPropExchangeArchive.h"

class CArchivedPane : public CObject {
  DECLARE_SERIAL(CArchivedPane)
 public:
  int m_nWidth = 0;
  void Serialize(CArchive& ar) override {
    if (ar.IsStoring())
      ar << m_nWidth;
    else
      ar >> m_nWidth;
  }
};
IMPLEMENT_SERIAL(CArchivedPane, CObject, 1)

class CArchivedOther : public CObject {
  DECLARE_SERIAL(CArchivedOther)
};
IMPLEMENT_SERIAL(CArchivedOther, CObject, 1)

namespace {

typedef std::vector<BYTE> Bytes;

// Runs `exchange` on a storing archive and returns the bytes it wrote.
template <typename F>
Bytes Store(F exchange) {
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    CTKPropExchangeSection px(new CTKPropExchangeArchive(ar));
    exchange(px.GetExchange());
  }
  Bytes bytes((size_t)file.GetLength());
  file.SeekToBegin();
  file.Read(bytes.data(), (UINT)bytes.size());
  return bytes;
}

// Runs `exchange` on a loading archive over `bytes`.
template <typename F>
void Load(Bytes bytes, F exchange) {
  CMemFile file(bytes.data(), (UINT)bytes.size());
  CArchive ar(&file, CArchive::load);
  CTKPropExchangeSection px(new CTKPropExchangeArchive(ar));
  exchange(px.GetExchange());
}

void Append(Bytes& out, const void* p, size_t n) {
  out.insert(out.end(), static_cast<const BYTE*>(p), static_cast<const BYTE*>(p) + n);
}
template <typename T>
void Append(Bytes& out, T value) {
  Append(out, &value, sizeof value);
}

TEST(PropExchangeArchive, TheSchemaHeaderIsMarkerThenSchema) {
  Bytes bytes = Store([](CTKPropExchange* px) { px->ExchangeSchema(); });
  EXPECT_EQ((Bytes{0xBF, 0xAD, 0xF0, 0x0F, 0x2A, 0x00, 0x00, 0x00}), bytes);
  Load(bytes, [](CTKPropExchange* px) {
    px->SetSchema(0);
    px->ExchangeSchema();
    EXPECT_EQ(42, px->GetSchema());
  });
}

TEST(PropExchangeArchive, AStreamWithoutTheHeaderReadsAsSchema17) {
  Bytes bytes;
  Append(bytes, 1234);
  Append(bytes, 5678);
  Load(bytes, [](CTKPropExchange* px) {
    px->ExchangeSchema();
    EXPECT_EQ(17, px->GetSchema());
    int first = 0, second = 0;
    ExchangeIntProp(px, "First", first, 0);
    ExchangeIntProp(px, "Second", second, 0);
    EXPECT_EQ(1234, first);
    EXPECT_EQ(5678, second);
  });
  // Shorter than a header: nothing consumed either.
  Load(Bytes{7, 0}, [](CTKPropExchange* px) {
    px->ExchangeSchema();
    EXPECT_EQ(17, px->GetSchema());
    short s = 0;
    ExchangeShortProp(px, "S", s, 0);
    EXPECT_EQ(7, s);
  });
}

TEST(PropExchangeArchive, TheHeaderIsFoundAfterEarlierValues) {
  Bytes bytes = Store([](CTKPropExchange* px) {
    int n = 3;
    ExchangeIntProp(px, "N", n, 0);
    px->SetSchema(40);
    px->ExchangeSchema();
  });
  Load(bytes, [](CTKPropExchange* px) {
    int n = 0;
    ExchangeIntProp(px, "N", n, 0);
    px->ExchangeSchema();
    EXPECT_EQ(3, n);
    EXPECT_EQ(40, px->GetSchema());
  });
}

TEST(PropExchangeArchive, ValuesAreWrittenInCallOrderInTheirBinaryForm) {
  Bytes bytes = Store([](CTKPropExchange* px) {
    short s = -2;
    int n = 0x01020304;
    BOOL b = TRUE;
    float f = 1.5f;
    double d = 2.25;
    CY cy;
    cy.int64 = 0x1122334455667788LL;
    BYTE by = 0xAB;
    CString text = "abc";
    CRect rc(1, 2, 3, 4);
    CSize sz(5, 6);
    ExchangeShortProp(px, "s", s, 0);
    ExchangeIntProp(px, "n", n, 0);
    ExchangeBoolProp(px, "b", b, TRUE);  // defaults are not skipped here
    px->ExchangeProp("f", VT_R4, &f, nullptr);
    px->ExchangeProp("d", VT_R8, &d, nullptr);
    px->ExchangeProp("cy", VT_CY, &cy, nullptr);
    ExchangeByteProp(px, "by", by, 0);
    ExchangeStringProp(px, "text", text, "");
    px->ExchangeProp("rc", VT_TK_RECT, &rc, nullptr);
    ExchangeSizeProp(px, "sz", sz, CSize(0, 0));
    px->WriteCount(3);
  });
  Bytes expected;
  Append(expected, (short)-2);
  Append(expected, 0x01020304);
  Append(expected, 1);
  Append(expected, 1.5f);
  Append(expected, 2.25);
  Append(expected, 0x55667788u);
  Append(expected, 0x11223344u);
  Append(expected, (BYTE)0xAB);
  Append(expected, (BYTE)3);
  Append(expected, "abc", 3);
  for (int i : {1, 2, 3, 4, 5, 6}) Append(expected, i);
  Append(expected, (WORD)3);
  EXPECT_EQ(expected, bytes);

  Load(bytes, [](CTKPropExchange* px) {
    short s;
    int n;
    BOOL b = FALSE;
    float f;
    double d;
    CY cy;
    BYTE by;
    CString text;
    CRect rc;
    CSize sz;
    ExchangeShortProp(px, "s", s, 0);
    ExchangeIntProp(px, "n", n, 0);
    ExchangeBoolProp(px, "b", b, FALSE);
    px->ExchangeProp("f", VT_R4, &f, nullptr);
    px->ExchangeProp("d", VT_R8, &d, nullptr);
    px->ExchangeProp("cy", VT_CY, &cy, nullptr);
    ExchangeByteProp(px, "by", by, 0);
    ExchangeStringNoDefault(px, "text", text);
    px->ExchangeProp("rc", VT_TK_RECT, &rc, nullptr);
    ExchangeSizeProp(px, "sz", sz, CSize(0, 0));
    EXPECT_EQ(-2, s);
    EXPECT_EQ(0x01020304, n);
    EXPECT_EQ(TRUE, b);
    EXPECT_EQ(1.5f, f);
    EXPECT_EQ(2.25, d);
    EXPECT_EQ(0x1122334455667788LL, cy.int64);
    EXPECT_EQ(0xAB, by);
    EXPECT_STREQ("abc", text);
    EXPECT_EQ(CRect(1, 2, 3, 4), rc);
    EXPECT_EQ(CSize(5, 6), sz);
    EXPECT_EQ(3u, px->ReadCount());
  });
}

TEST(PropExchangeArchive, DatesAndVariantsRoundTrip) {
  Bytes bytes = Store([](CTKPropExchange* px) {
    COleDateTime dt(2005, 2, 1, 10, 30, 0);
    COleVariant var("text");
    px->ExchangeProp("dt", VT_DATE, &dt, nullptr);
    px->ExchangeProp("var", VT_VARIANT, &var, nullptr);
  });
  Load(bytes, [](CTKPropExchange* px) {
    COleDateTime dt;
    COleVariant var;
    px->ExchangeProp("dt", VT_DATE, &dt, nullptr);
    px->ExchangeProp("var", VT_VARIANT, &var, nullptr);
    EXPECT_TRUE(dt == COleDateTime(2005, 2, 1, 10, 30, 0));
    ASSERT_EQ(VT_BSTR, var.vt);
    EXPECT_STREQ(L"text", var.bstrVal);
  });
}

TEST(PropExchangeArchive, WideStringsAreSkippedSoTheStreamStaysInStep) {
  Bytes bytes = Store([](CTKPropExchange* px) {
    BSTR wide = SysAllocString(L"ignored");
    int n = 9;
    EXPECT_TRUE(px->ExchangeProp("w", VT_BSTR, &wide, nullptr));
    ExchangeIntProp(px, "n", n, 0);
    SysFreeString(wide);
  });
  EXPECT_EQ(4u, bytes.size());
  Load(bytes, [](CTKPropExchange* px) {
    BSTR wide = nullptr;
    int n = 0;
    EXPECT_TRUE(px->ExchangeProp("w", VT_BSTR, &wide, nullptr));
    ExchangeIntProp(px, "n", n, 0);
    EXPECT_EQ(nullptr, wide);
    EXPECT_EQ(9, n);
  });
}

TEST(PropExchangeArchive, AStoredWideStringLoadsNarrow) {
  Bytes bytes = {0xFF, 0xFE, 0xFF, 2, 'h', 0, 'i', 0};
  Load(bytes, [](CTKPropExchange* px) {
    CString text;
    ExchangeStringNoDefault(px, "t", text);
    EXPECT_STREQ("hi", text);
  });
}

TEST(PropExchangeArchive, BlobsAreACountAndTheirBytes) {
  const BYTE block[] = {1, 2, 3};
  Bytes bytes = Store([&](CTKPropExchange* px) {
    BYTE* pData = const_cast<BYTE*>(block);
    DWORD cbData = sizeof block;
    EXPECT_TRUE(ExchangeBinaryProp(px, "b", &pData, &cbData));
    px->WriteBlob("raw", pData, cbData);
  });
  EXPECT_EQ((Bytes{3, 0, 1, 2, 3, 1, 2, 3}), bytes);
  Load(bytes, [&](CTKPropExchange* px) {
    BYTE* pData = nullptr;
    DWORD cbData = 0;
    ASSERT_TRUE(ExchangeBinaryProp(px, "b", &pData, &cbData));
    EXPECT_EQ(3u, cbData);
    EXPECT_EQ(0, memcmp(block, pData, 3));
    free(pData);
    BYTE raw[3];
    EXPECT_EQ(3u, px->ReadBlob("raw", raw, 3));
    EXPECT_EQ(0u, px->ReadBlob("raw", raw, 3));
  });
  // A given block smaller than the stored count fails.
  Load(bytes, [&](CTKPropExchange* px) {
    BYTE small[2];
    BYTE* pData = small;
    DWORD cbData = sizeof small;
    EXPECT_FALSE(ExchangeBinaryProp(px, "b", &pData, &cbData));
  });
}

TEST(PropExchangeArchive, ABlobLongerThanTheStreamFails) {
  // The count claims 0x7FFFFFF0 bytes; only four follow.
  Bytes bytes = {0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F, 1, 2, 3, 4};
  Load(bytes, [](CTKPropExchange* px) {
    BYTE* pData = nullptr;
    DWORD cbData = 0;
    EXPECT_FALSE(ExchangeBinaryProp(px, "b", &pData, &cbData));
    EXPECT_EQ(nullptr, pData);
  });
}

TEST(PropExchangeArchive, AShortRectangleThrowsEndOfFile) {
  Bytes bytes(12, 0);
  Load(bytes, [](CTKPropExchange* px) {
    CRect rc;
    try {
      px->ExchangeProp("rc", VT_TK_RECT, &rc, nullptr);
      ADD_FAILURE() << "no exception";
    } catch (CArchiveException* e) {
      EXPECT_EQ(CArchiveException::endOfFile, e->m_cause);
      e->Delete();
    }
  });
}

TEST(PropExchangeArchive, AStringLongerThanTheStreamThrowsEndOfFile) {
  // The prefix claims 0x7FFFFFF0 characters.
  Bytes bytes = {0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F, 'a', 'b'};
  Load(bytes, [](CTKPropExchange* px) {
    CString text = "kept";
    try {
      ExchangeStringNoDefault(px, "t", text);
      ADD_FAILURE() << "no exception";
    } catch (CArchiveException* e) {
      EXPECT_EQ(CArchiveException::endOfFile, e->m_cause);
      e->Delete();
    }
  });
}

TEST(PropExchangeArchive, ClassesCarryTheirSchema) {
  Bytes bytes = Store([](CTKPropExchange* px) {
    CRuntimeClass* pClass = RUNTIME_CLASS(CArchivedPane);
    EXPECT_TRUE(ExchangeRuntimeClassProp(px, "c", pClass, RUNTIME_CLASS(CObject)));
  });
  Bytes expected = {0xFF, 0xFF, 1, 0, 13, 0};
  Append(expected, "CArchivedPane", 13);
  EXPECT_EQ(expected, bytes);
  Load(bytes, [](CTKPropExchange* px) {
    CRuntimeClass* pClass = nullptr;
    EXPECT_TRUE(ExchangeRuntimeClassProp(px, "c", pClass, RUNTIME_CLASS(CObject)));
    EXPECT_EQ(RUNTIME_CLASS(CArchivedPane), pClass);
    EXPECT_EQ(1, px->GetSchema());
  });
  // A class that is not the one required is the archive's error.
  Load(bytes, [](CTKPropExchange* px) {
    CRuntimeClass* pClass = nullptr;
    try {
      ExchangeRuntimeClassProp(px, "c", pClass, RUNTIME_CLASS(CArchivedOther));
      ADD_FAILURE() << "no exception";
    } catch (CArchiveException* e) {
      EXPECT_EQ(CArchiveException::badClass, e->m_cause);
      e->Delete();
    }
  });
}

TEST(PropExchangeArchive, ExchangedObjectsAreNumberedLikeArchivedOnes) {
  Bytes bytes = Store([](CTKPropExchange* px) {
    CArchivedPane pane;
    pane.m_nWidth = 80;
    CObject* pObject = &pane;
    EXPECT_TRUE(px->ExchangeObjectInstance(pObject, RUNTIME_CLASS(CObject)));
    ExchangeIntProp(px, "w", pane.m_nWidth, 0);
    // A later reference to the same object is a back reference.
    *px->GetArchive(nullptr) << pObject;
  });
  Load(bytes, [](CTKPropExchange* px) {
    CObject* pObject = nullptr;
    ASSERT_TRUE(px->ExchangeObjectInstance(pObject, RUNTIME_CLASS(CObject)));
    CArchivedPane* pPane = DYNAMIC_DOWNCAST(CArchivedPane, pObject);
    ASSERT_NE(nullptr, pPane);
    ExchangeIntProp(px, "w", pPane->m_nWidth, 0);
    CObject* pAgain = nullptr;
    *px->GetArchive(nullptr) >> pAgain;
    EXPECT_EQ(pObject, pAgain);
    EXPECT_EQ(80, pPane->m_nWidth);
    delete pObject;
  });
}

TEST(PropExchangeArchive, SectionsShareTheStreamAndEveryValueIsWritten) {
  Bytes bytes = Store([](CTKPropExchange* px) {
    EXPECT_FALSE(px->SupportsDefaults());
    EXPECT_TRUE(px->SupportsBlobs());
    CTKPropExchangeSection child(px->GetSection("ignored"));
    EXPECT_TRUE(child->IsChildSection());
    int zero = 0;
    ExchangeIntProp(child, "z", zero, 0);
    CTKPropExchangeEnumeratorPtr items(px->GetEnumerator("Item"));
    POSITION pos = items->GetPosition(2, TRUE);
    while (pos != nullptr) {
      CTKPropExchangeSection item(items->GetNext(pos));
      BYTE b = 9;
      ExchangeByteProp(item, "b", b, 9);
    }
  });
  EXPECT_EQ((Bytes{0, 0, 0, 0, 2, 0, 9, 9}), bytes);
}

}  // namespace
