#include <afxcoll.h>

#include <gtest/gtest.h>

#include <set>

namespace {

template <typename F>
bool ThrowsInvalidArg(F f) {
  try {
    f();
  } catch (CInvalidArgException* e) {
    e->Delete();
    return true;
  }
  return false;
}

TEST(CollectionsTest, OutOfRangeAccessThrowsInvalidArgument) {
  CDWordArray array;
  array.SetSize(3, 16);
  CStringList list;
  EXPECT_TRUE(ThrowsInvalidArg([&] { array.GetAt(3); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { array.GetAt(-1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { array.SetAt(5, 1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { array.RemoveAt(2, 2); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { list.GetHead(); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] {
    POSITION pos = nullptr;
    list.GetNext(pos);
  }));
  EXPECT_FALSE(ThrowsInvalidArg([&] { array.GetAt(2); }));
}

TEST(CollectionsTest, ArrayGrowsInsertsAndRemoves) {
  CArray<CString, LPCSTR> array;
  array.SetAtGrow(2, "c");  // the gap holds empty strings
  EXPECT_EQ(array.GetSize(), 3);
  EXPECT_TRUE(array[0].IsEmpty());
  array.InsertAt(0, "x", 2);
  array.RemoveAt(2, 2);
  EXPECT_EQ(array.Add("d"), 3);
  ASSERT_EQ(array.GetSize(), 4);
  EXPECT_EQ(array[0] + array[1] + array[2] + array[3], "xxcd");
  array.InsertAt(6, "e");  // past the end: grows
  EXPECT_EQ(array.GetSize(), 7);
  EXPECT_EQ(array.GetAt(6), "e");
  array.SetSize(0);
  EXPECT_TRUE(array.IsEmpty());
}

TEST(CollectionsTest, ListKeepsOrderAndFinds) {
  CList<int, int> list;
  for (int v : {3, 1, 4, 1, 5}) list.AddTail(v);
  list.AddHead(9);
  POSITION second1 = list.Find(1, list.Find(1));
  ASSERT_NE(second1, nullptr);
  list.InsertAfter(second1, 7);
  list.RemoveAt(list.FindIndex(0));
  std::vector<int> seen;
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) seen.push_back(list.GetNext(pos));
  EXPECT_EQ(seen, (std::vector<int>{3, 1, 4, 1, 7, 5}));
  EXPECT_EQ(list.RemoveTail(), 5);
  EXPECT_EQ(list.GetCount(), 5);
  EXPECT_EQ(list.Find(8), nullptr);
}

TEST(CollectionsTest, MapWith199BucketsHoldsTenThousandEntries) {
  CMapStringToPtr map;
  map.InitHashTable(199);
  for (INT_PTR i = 0; i < 10000; ++i) {
    CString key;
    key.Format("entry %d", static_cast<int>(i));
    map.SetAt(key, reinterpret_cast<void*>(i + 1));
  }
  EXPECT_EQ(map.GetCount(), 10000);
  EXPECT_EQ(map.GetHashTableSize(), 199u);
  std::set<INT_PTR> values;
  for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
    CString key;
    void* value;
    map.GetNextAssoc(pos, key, value);
    CString expected;
    expected.Format("entry %d", static_cast<int>(reinterpret_cast<INT_PTR>(value) - 1));
    EXPECT_EQ(key, expected);
    values.insert(reinterpret_cast<INT_PTR>(value));
  }
  EXPECT_EQ(values.size(), 10000u);
  void* value = nullptr;
  EXPECT_TRUE(map.Lookup("entry 9999", value));
  EXPECT_EQ(value, reinterpret_cast<void*>(10000));
  EXPECT_TRUE(map.RemoveKey("entry 0"));
  EXPECT_FALSE(map.RemoveKey("entry 0"));
  EXPECT_FALSE(map.Lookup("entry 0", value));
  EXPECT_EQ(map.GetCount(), 9999);
}

TEST(CollectionsTest, EmptyMapHasNoStartPosition) {
  CMapPtrToPtr map;
  EXPECT_EQ(map.GetStartPosition(), nullptr);
  map[&map] = nullptr;  // operator[] enters the key
  EXPECT_EQ(map.GetCount(), 1);
  EXPECT_NE(map.PLookup(&map), nullptr);
}

struct CItem {
  int id;
};

TEST(CollectionsTest, TypedPointerCollectionsCastTheirElements) {
  CItem a{1}, b{2};
  CTypedPtrArray<CPtrArray, CItem*> array;
  array.Add(&a);
  array.Add(&b);
  EXPECT_EQ(array[1]->id, 2);
  CTypedPtrList<CPtrList, CItem*> list;
  list.AddTail(&b);
  list.AddHead(&a);
  EXPECT_EQ(list.GetHead()->id, 1);
  EXPECT_EQ(list.GetTail()->id, 2);
  CTypedPtrMap<CMapWordToPtr, WORD, CItem*> map;
  map.SetAt(7, &b);
  CItem* found = nullptr;
  EXPECT_TRUE(map.Lookup(7, found));
  EXPECT_EQ(found, &b);
  POSITION pos = map.GetStartPosition();
  WORD key;
  map.GetNextAssoc(pos, key, found);
  EXPECT_EQ(key, 7);
  EXPECT_EQ(pos, nullptr);
}

}  // namespace
