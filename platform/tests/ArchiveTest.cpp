// CArchive: the stored bytes of values, strings, classes and objects, the
// object table, format errors, and the archive's place in its file.
#include <afxcoll.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Serialisable classes of the tests; a node may point at another node.
class CNode : public CObject {
  DECLARE_SERIAL(CNode)
 public:
  void Serialize(CArchive& ar) override {
    if (ar.IsStoring()) {
      ar << m_value << m_pOther;
    } else {
      m_schemaSeen = ar.GetObjectSchema();
      ar >> m_value >> m_pOther;
    }
  }
  LONG m_value = 0;
  CNode* m_pOther = nullptr;
  UINT m_schemaSeen = 0;
};
IMPLEMENT_SERIAL(CNode, CObject, 2)

class CVersioned : public CObject {
  DECLARE_SERIAL(CVersioned)
 public:
  void Serialize(CArchive& ar) override {
    if (ar.IsLoading()) m_schemaSeen = ar.GetObjectSchema();
  }
  UINT m_schemaSeen = 0;
};
IMPLEMENT_SERIAL(CVersioned, CObject, VERSIONABLE_SCHEMA | 3)

// Reads the object it holds before asking for its own schema.
class CHolder : public CObject {
  DECLARE_SERIAL(CHolder)
 public:
  void Serialize(CArchive& ar) override {
    if (ar.IsStoring()) {
      ar << m_pHeld;
    } else {
      ar >> m_pHeld;
      m_schemaSeen = ar.GetObjectSchema();
    }
  }
  CObject* m_pHeld = nullptr;
  UINT m_schemaSeen = 0;
};
IMPLEMENT_SERIAL(CHolder, CObject, VERSIONABLE_SCHEMA | 4)

// Dynamically creatable, but not serialisable.
class CDynamicOnly : public CObject {
  DECLARE_DYNCREATE(CDynamicOnly)
};
IMPLEMENT_DYNCREATE(CDynamicOnly, CObject)

namespace {

std::vector<BYTE> Bytes(CMemFile& file) {
  std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
  file.SeekToBegin();
  file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
  file.SeekToBegin();
  return bytes;
}

// Runs `store` on a storing archive, then `load` on a loading one over the same bytes.
template <typename Store, typename Load>
std::vector<BYTE> RoundTrip(Store store, Load load) {
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    store(ar);
  }
  std::vector<BYTE> bytes = Bytes(file);
  CArchive ar(&file, CArchive::load);
  load(ar);
  return bytes;
}

int ArchiveCause(const std::vector<BYTE>& bytes, const CRuntimeClass* requested) {
  std::vector<BYTE> copy(bytes);
  CMemFile file(copy.data(), static_cast<UINT>(copy.size()));
  CArchive ar(&file, CArchive::load);
  try {
    delete ar.ReadObject(requested);
  } catch (CArchiveException* e) {
    int cause = e->m_cause;
    e->Delete();
    return cause;
  }
  return CArchiveException::none;
}

TEST(ArchiveTest, CountsEscapeAtTheWordAndDwordBoundaries) {
  struct Case {
    DWORD_PTR count;
    std::vector<BYTE> bytes;
  } cases[] = {
      {0, {0, 0}},
      {0xFFFE, {0xFE, 0xFF}},
      {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0, 0}},
      {0xFFFFFFFE, {0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF}},
      {0xFFFFFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}},
      {0x123456789ull, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x89, 0x67, 0x45, 0x23, 1, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    DWORD_PTR read = 0;
    std::vector<BYTE> bytes = RoundTrip([&](CArchive& ar) { ar.WriteCount(c.count); },
                                        [&](CArchive& ar) { read = ar.ReadCount(); });
    EXPECT_EQ(bytes, c.bytes) << std::hex << c.count;
    EXPECT_EQ(read, c.count);
  }
}

TEST(ArchiveTest, StringLengthsAndTheWideMarker) {
  struct Case {
    int length;
    bool wide;
    std::vector<BYTE> prefix;
  } cases[] = {
      {3, false, {3}},
      {0xFE, false, {0xFE}},
      {0xFF, false, {0xFF, 0xFF, 0}},
      {0xFFFD, false, {0xFF, 0xFD, 0xFF}},
      {0xFFFE, false, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0}},
      {2, true, {0xFF, 0xFE, 0xFF, 2}},
      {0x100, true, {0xFF, 0xFE, 0xFF, 0xFF, 0, 1}},
  };
  for (const Case& c : cases) {
    CStringA narrow('a', c.length);
    narrow.SetAt(c.length - 1, 'z');
    CStringW wide(narrow);
    CStringA readNarrow;
    CStringW readWide;
    std::vector<BYTE> bytes = RoundTrip(
        [&](CArchive& ar) {
          if (c.wide)
            ar << wide;
          else
            ar << narrow;
        },
        // Each is read into the other width as well, converted.
        [&](CArchive& ar) {
          if (c.wide)
            ar >> readNarrow;
          else
            ar >> readWide;
        });
    size_t charBytes = c.wide ? 2 : 1;
    ASSERT_EQ(bytes.size(), c.prefix.size() + c.length * charBytes) << c.length;
    EXPECT_EQ(std::vector<BYTE>(bytes.begin(), bytes.begin() + c.prefix.size()), c.prefix)
        << c.length;
    EXPECT_TRUE(c.wide ? readNarrow == narrow : readWide == wide) << c.length;
  }
}

TEST(ArchiveTest, StringsKeepTheirTextInBothWidths) {
  CStringA narrow = "caf\xe9 and more";
  CStringW wide = L"\x263A smile";
  CStringA empty;
  CStringA readNarrow, readEmpty;
  CStringW readWide;
  RoundTrip([&](CArchive& ar) { ar << narrow << wide << empty; },
            [&](CArchive& ar) { ar >> readNarrow >> readWide >> readEmpty; });
  EXPECT_EQ(readNarrow, narrow);
  EXPECT_EQ(readWide, wide);
  EXPECT_TRUE(readEmpty.IsEmpty());
}

TEST(ArchiveTest, AnObjectWrittenTwiceIsReadBackAsOneObject) {
  CNode first, second;
  first.m_value = 11;
  second.m_value = 22;
  first.m_pOther = &second;
  second.m_pOther = &first;  // a cycle: each refers to the other
  CObject* readFirst = nullptr;
  CObject* readAgain = nullptr;
  std::vector<BYTE> bytes =
      RoundTrip([&](CArchive& ar) { ar << &first << &second << (CObject*)nullptr; },
                [&](CArchive& ar) {
                  CObject* none = &first;
                  ar >> readFirst >> readAgain >> none;
                  EXPECT_EQ(none, nullptr);
                });
  std::vector<BYTE> expected = {0xFF, 0xFF, 2,   0,   5,   0,
                                'C',  'N',  'o', 'd', 'e',  // new class, tag 1
                                11,   0,    0,   0,         // first (tag 2)
                                0x01, 0x80,                 // class 1 again
                                22,   0,    0,   0,         // second (tag 3)
                                2,    0,                    // back to first
                                3,    0,                    // second again
                                0,    0};                   // null
  EXPECT_EQ(bytes, expected);
  std::unique_ptr<CNode> a(DYNAMIC_DOWNCAST(CNode, readFirst));
  ASSERT_NE(a, nullptr);
  std::unique_ptr<CNode> b(a->m_pOther);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(a->m_value, 11);
  EXPECT_EQ(b->m_value, 22);
  EXPECT_EQ(b->m_pOther, a.get());
  EXPECT_EQ(readAgain, b.get());
  EXPECT_EQ(a->m_schemaSeen, 2u);
}

TEST(ArchiveTest, TagsFrom0x7FFFUseTheBigEscape) {
  const int kCount = 0x8001;
  std::vector<std::unique_ptr<CNode>> nodes(kCount);
  for (auto& node : nodes) node.reset(new CNode);
  CVersioned v1, v2;
  std::vector<CObject*> read(kCount + 3);
  std::vector<BYTE> bytes = RoundTrip(
      [&](CArchive& ar) {
        for (auto& node : nodes) ar << node.get();  // class 1, objects 2..0x8002
        ar << &v1 << &v2;                           // class 0x8003, objects 0x8004, 0x8005
        ar << nodes.back().get();
      },
      [&](CArchive& ar) {
        for (CObject*& p : read) ar >> p;
      });
  std::vector<BYTE> tail(bytes.end() - 12, bytes.end());
  EXPECT_EQ(tail, (std::vector<BYTE>{0xFF, 0x7F, 0x03, 0x80, 0x00, 0x80,     // class 0x8003 again
                                     0xFF, 0x7F, 0x02, 0x80, 0x00, 0x00}));  // object 0x8002 again
  EXPECT_EQ(read[kCount + 2], read[kCount - 1]);
  EXPECT_TRUE(read[kCount + 1]->IsKindOf(RUNTIME_CLASS(CVersioned)));
  for (int i = 0; i < kCount + 2; ++i) delete read[i];
}

TEST(ArchiveTest, AStoredSchemaOtherThanTheClassesIsRejected) {
  std::vector<BYTE> bytes = {0xFF, 0xFF, 1, 0, 5, 0, 'C', 'N', 'o', 'd', 'e', 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(ArchiveCause(bytes, RUNTIME_CLASS(CNode)), CArchiveException::badSchema);
}

TEST(ArchiveTest, AVersionableClassReadsOlderSchemas) {
  std::vector<BYTE> bytes = {0xFF, 0xFF, 1,   0,   10,  0,   'C', 'V',
                             'e',  'r',  's', 'i', 'o', 'n', 'e', 'd'};
  CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
  CArchive ar(&file, CArchive::load);
  std::unique_ptr<CObject> p(ar.ReadObject(RUNTIME_CLASS(CVersioned)));
  EXPECT_EQ(static_cast<CVersioned*>(p.get())->m_schemaSeen, 1u);
  EXPECT_EQ(ar.GetObjectSchema(), (UINT)-1);
}

TEST(ArchiveTest, AReaderAsksForItsOwnSchemaAfterReadingAnotherObject) {
  CNode node;  // asks for its own schema, so leaves none behind
  CVersioned versioned;
  for (CObject* held : {static_cast<CObject*>(&node), static_cast<CObject*>(&versioned),
                        static_cast<CObject*>(nullptr)}) {
    CHolder holder;
    holder.m_pHeld = held;
    CObject* read = nullptr;
    RoundTrip([&](CArchive& ar) { ar << &holder; }, [&](CArchive& ar) { ar >> read; });
    std::unique_ptr<CHolder> readHolder(DYNAMIC_DOWNCAST(CHolder, read));
    ASSERT_NE(readHolder, nullptr);
    std::unique_ptr<CObject> readHeld(readHolder->m_pHeld);
    EXPECT_EQ(4u, readHolder->m_schemaSeen);
  }
}

TEST(ArchiveTest, FormatErrorsRaiseArchiveExceptions) {
  std::vector<BYTE> unknown = {0xFF, 0xFF, 2, 0, 4, 0, 'C', 'Z', 'z', 'z'};
  EXPECT_EQ(ArchiveCause(unknown, nullptr), CArchiveException::badClass);
  std::vector<BYTE> node = {0xFF, 0xFF, 2, 0, 5, 0, 'C', 'N', 'o', 'd', 'e', 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(ArchiveCause(node, RUNTIME_CLASS(CVersioned)), CArchiveException::badClass);
  EXPECT_EQ(ArchiveCause({0x05, 0x00}, nullptr), CArchiveException::badIndex);
  EXPECT_EQ(ArchiveCause({0x01, 0x80}, nullptr), CArchiveException::badIndex);
  EXPECT_EQ(ArchiveCause({0xFF, 0xFF, 2, 0, 5, 0, 'C', 'N'}, nullptr), CArchiveException::badClass);
  EXPECT_EQ(ArchiveCause({0xFF, 0xFF, 2, 0, 5, 0, 'C', 'N', 'o', 'd', 'e', 1, 0}, nullptr),
            CArchiveException::endOfFile);
}

TEST(ArchiveTest, ShortReadOfARectangleIsEndOfFile) {
  BYTE bytes[12] = {};
  CMemFile file(bytes, sizeof bytes);
  CArchive ar(&file, CArchive::load);
  RECT rect;
  try {
    ar >> rect;
    FAIL() << "no exception";
  } catch (CArchiveException* e) {
    EXPECT_EQ(e->m_cause, CArchiveException::endOfFile);
    e->Delete();
  }
}

TEST(ArchiveTest, AMapOfStringsRoundTrips) {
  CMap<CString, LPCSTR, CString, LPCSTR> map;
  map.InitHashTable(31);
  for (int i = 0; i < 300; ++i) {
    CString key, value;
    key.Format("key%d", i);
    value.Format("value %d %s", i * 7, i % 2 ? "odd" : "");
    map[key] = value;
  }
  CMap<CString, LPCSTR, CString, LPCSTR> read;
  RoundTrip([&](CArchive& ar) { map.Serialize(ar); }, [&](CArchive& ar) { read.Serialize(ar); });
  ASSERT_EQ(read.GetCount(), 300);
  for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
    CString key, value, other;
    map.GetNextAssoc(pos, key, value);
    ASSERT_TRUE(read.Lookup(key, other)) << key.GetString();
    EXPECT_EQ(other, value);
  }
}

TEST(ArchiveTest, ObjectCollectionsKeepSharedObjectsShared) {
  CObArray array;
  CNode node;
  node.m_value = 5;
  array.Add(&node);
  array.Add(&node);
  CStringList list;
  list.AddTail("one");
  list.AddTail("two");
  CObArray readArray;
  CStringList readList;
  RoundTrip(
      [&](CArchive& ar) {
        array.Serialize(ar);
        list.Serialize(ar);
      },
      [&](CArchive& ar) {
        readArray.Serialize(ar);
        readList.Serialize(ar);
      });
  ASSERT_EQ(readArray.GetSize(), 2);
  EXPECT_EQ(readArray[0], readArray[1]);
  EXPECT_EQ(static_cast<CNode*>(readArray[0])->m_value, 5);
  delete readArray[0];
  ASSERT_EQ(readList.GetCount(), 2);
  EXPECT_EQ(readList.GetHead(), "one");
  EXPECT_EQ(readList.GetTail(), "two");
}

TEST(ArchiveTest, WritingToALoadingArchiveIsReadOnly) {
  BYTE bytes[4] = {};
  CMemFile file(bytes, sizeof bytes);
  CArchive ar(&file, CArchive::load);
  try {
    ar << 1;
    FAIL() << "no exception";
  } catch (CArchiveException* e) {
    EXPECT_EQ(e->m_cause, CArchiveException::readOnly);
    e->Delete();
  }
}

enum class Ending { close, destructor, noFlushOnDelete };

struct GiveBackCase {
  const char* name;
  Ending ending;
  ULONGLONG nPosition;  // of the file once the archive is gone
};

TEST(ArchiveTest, ALoadingArchiveGivesItsReadAheadBackWhenItCloses) {
  const GiveBackCase cases[] = {
      {"Close", Ending::close, 4},
      {"destructor", Ending::destructor, 4},
      {"bNoFlushOnDelete keeps it", Ending::noFlushOnDelete, 200},
  };
  for (const GiveBackCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<BYTE> bytes(200);
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<BYTE>(i);
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    {
      UINT nMode =
          CArchive::load | (c.ending == Ending::noFlushOnDelete ? CArchive::bNoFlushOnDelete : 0);
      CArchive ar(&file, nMode, 256);
      DWORD dw = 0;
      ar >> dw;
      EXPECT_EQ(0x03020100u, dw);
      if (c.ending == Ending::close) ar.Close();
    }
    EXPECT_EQ(c.nPosition, file.GetPosition());
    if (c.nPosition != 4) continue;
    // The next reader goes on where the first one stopped.
    CArchive next(&file, CArchive::load);
    DWORD dw = 0;
    next >> dw;
    EXPECT_EQ(0x07060504u, dw);
  }
}

// Whether storing `store` threw CNotSupportedException.
template <typename Store>
bool RefusedAsNotSupported(CArchive& ar, Store store) {
  try {
    store();
  } catch (CNotSupportedException* e) {
    e->Delete();
    return true;
  }
  return false;
}

TEST(ArchiveTest, StoringAClassThatIsNotSerialisableIsRefusedAndWritesNothing) {
  CDynamicOnly dynamicOnly;
  CMemFile file;
  CArchive ar(&file, CArchive::store);
  EXPECT_TRUE(RefusedAsNotSupported(ar, [&] { ar << &dynamicOnly; }));
  EXPECT_TRUE(RefusedAsNotSupported(ar, [&] { ar.WriteClass(RUNTIME_CLASS(CObject)); }));
  ar.Close();
  EXPECT_EQ(0u, file.GetLength());
}

}  // namespace
