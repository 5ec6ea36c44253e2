// CTesselMap.
#include <gtest/gtest.h>
#include <limits.h>

#include <vector>

#include "foundation/TesselMap.h"
#include "foundation/TesselString.h"
#include "foundation/TextConversion.h"

namespace {

class ProbeMap : public CTesselMap {
 public:
  // Number of bucket nodes in the chain of a bucket.
  int ChainLength(int bucket) const {
    int n = 0;
    if (!m_buckets) return 0;
    for (CTesselMapElement* e = m_buckets[bucket]; e; e = e->m_next) ++n;
    return n;
  }
  bool HasBucketArray() const { return m_buckets != nullptr; }
};

}  // namespace

TEST(TesselMap, NewMapHasBucketCountAndNoArray) {
  ProbeMap map;
  EXPECT_EQ(10009, map.GetBucketCount());
  EXPECT_FALSE(map.HasBucketArray());
  EXPECT_EQ(nullptr, map.Find(1, 0));
  EXPECT_FALSE(map.RemoveByKey(1, 0));
  EXPECT_TRUE(map.SetBucketCount(17));
  EXPECT_EQ(17, map.GetBucketCount());
  EXPECT_FALSE(map.SetBucketCount(0));
  int v = 1;
  EXPECT_TRUE(map.Add(3, 0, &v));
  EXPECT_TRUE(map.HasBucketArray());
  EXPECT_FALSE(map.SetBucketCount(31));  // only before the first insertion
  EXPECT_EQ(17, map.GetBucketCount());
}

TEST(TesselMap, AddFindRemoveWithPointers) {
  int a = 1, b = 2, c = 3;
  CTesselMap map;
  EXPECT_TRUE(map.Add(10, 0, &a));
  EXPECT_TRUE(map.Add(20, 0, &b));
  EXPECT_TRUE(map.Add(10, 1, &c));  // same low word, other high word: another key
  EXPECT_FALSE(map.Add(30, 0, nullptr));
  EXPECT_EQ(3, map.GetCount());
  EXPECT_EQ(&a, map.Find(10, 0));
  EXPECT_EQ(&b, map.Find(20, 0));
  EXPECT_EQ(&c, map.Find(10, 1));
  EXPECT_EQ(nullptr, map.Find(30, 0));
  // Ordered and iterable like any list.
  EXPECT_EQ(&a, map.GetAt(0));
  EXPECT_EQ(&c, map.GetAt(2));
  std::vector<int> seen;
  for (int* p = static_cast<int*>(map.IterateFirst()); p; p = static_cast<int*>(map.IterateNext()))
    seen.push_back(*p);
  map.IterateEnd();
  EXPECT_EQ((std::vector<int>{1, 2, 3}), seen);
  EXPECT_TRUE(map.RemoveByKey(10, 0));
  EXPECT_EQ(1, a);  // no element type: only the node goes
  EXPECT_EQ(nullptr, map.Find(10, 0));
  EXPECT_EQ(&c, map.Find(10, 1));
  EXPECT_EQ(2, map.GetCount());
  EXPECT_FALSE(map.RemoveByKey(10, 0));
}

TEST(TesselMap, NewestEntryShadowsOlderOnes) {
  int first = 1, second = 2;
  CTesselMap map;
  map.AddKey(0x123456789LL, &first);
  map.AddKey(0x123456789LL, &second);
  EXPECT_EQ(&second, map.FindKey(0x123456789LL));
  EXPECT_TRUE(map.RemoveKey(0x123456789LL));
  EXPECT_EQ(&first, map.FindKey(0x123456789LL));
  EXPECT_EQ(1, map.GetCount());
  EXPECT_EQ(&first, map.Find(0x23456789, 1));
}

TEST(TesselMap, SameDataUnderTwoKeysKeepsItsOwnNode) {
  int shared = 5;
  CTesselMap map;
  map.Add(1, 0, &shared);
  map.Add(2, 0, &shared);
  EXPECT_TRUE(map.RemoveByKey(2, 0));
  EXPECT_EQ(&shared, map.Find(1, 0));
  EXPECT_EQ(1, map.GetCount());
}

TEST(TesselMap, ElementTypeKeepsCopies) {
  CTesselMap map;
  map.SetElementTypeInt32();
  int value = 42;
  EXPECT_TRUE(map.Add(7, 0, &value));
  value = 43;
  int* stored = static_cast<int*>(map.Find(7, 0));
  ASSERT_NE(nullptr, stored);
  EXPECT_NE(&value, stored);
  EXPECT_EQ(42, *stored);
  int other = 42;
  EXPECT_TRUE(map.Add(8, 0, &other));
  EXPECT_TRUE(map.RemoveByKey(7, 0));  // destroys only its own copy
  ASSERT_NE(nullptr, map.Find(8, 0));
  EXPECT_EQ(42, *static_cast<int*>(map.Find(8, 0)));
  EXPECT_EQ(1, map.GetCount());
  EXPECT_TRUE(map.DeleteAll());
  EXPECT_EQ(0, map.GetCount());
  EXPECT_EQ(nullptr, map.Find(8, 0));
  EXPECT_FALSE(map.Add(9, 0, nullptr));

  CTesselMap strings;
  strings.SetElementTypeString();
  CTesselString text("value");
  EXPECT_TRUE(strings.AddByString(CTesselString("key"), &text, false));
  text.SetText("changed");
  CTesselString* found =
      static_cast<CTesselString*>(strings.FindByString(CTesselString("key"), false));
  ASSERT_NE(nullptr, found);
  EXPECT_STREQ("value", found->GetText());
  strings.DeleteAll();
}

TEST(TesselMap, StringKeys) {
  int v = 1, w = 2;
  CTesselMap map;
  EXPECT_TRUE(map.AddByString(CTesselString("Path"), &v, true));
  EXPECT_EQ(&v, map.FindByString(CTesselString("PATH"), true));
  EXPECT_EQ(&v, map.FindByString(CTesselString("path"), true));
  EXPECT_EQ(nullptr, map.FindByString(CTesselString("path"), false));
  EXPECT_TRUE(map.AddByString(CTesselString("Name"), &w, false));
  EXPECT_EQ(&w, map.FindByString(CTesselString("Name"), false));
  EXPECT_EQ(nullptr, map.FindByString(CTesselString("NAME"), false));
  EXPECT_EQ(nullptr, map.FindByString(CTesselString("name"), true));  // added case-sensitively
  // A narrow and a wide key of the same text are different keys.
  EXPECT_EQ(nullptr, map.FindByString(TesselFromWide(L"Name"), false));
  EXPECT_TRUE(map.AddByString(TesselFromWide(L"Name"), &v, false));
  EXPECT_EQ(&v, map.FindByString(TesselFromWide(L"Name"), false));
  EXPECT_EQ(&w, map.FindByString(CTesselString("Name"), false));
  // The key is the CRC-64 of the (upper-cased) string's buffer.
  uint64_t hash = CTesselString("PATH").GetHash();
  EXPECT_EQ(&v, map.Find(static_cast<int32_t>(hash), static_cast<int32_t>(hash >> 32)));
  EXPECT_TRUE(map.RemoveByString(CTesselString("pAtH"), true));
  EXPECT_EQ(nullptr, map.FindByString(CTesselString("Path"), true));
  EXPECT_FALSE(map.RemoveByString(CTesselString("Path"), true));
}

TEST(TesselMap, BucketRuleForNegativeKeys) {
  EXPECT_EQ(static_cast<int>(2147483648u % 10009u), CTesselMap::BucketOf(INT_MIN, 10009));
  EXPECT_EQ(5, CTesselMap::BucketOf(-5, 10009));
  EXPECT_EQ(5, CTesselMap::BucketOf(5, 10009));
  EXPECT_EQ(1, CTesselMap::BucketOf(-10010, 10009));

  ProbeMap map;
  int a = 1, b = 2, c = 3;
  map.Add(INT_MIN, 0, &a);
  EXPECT_EQ(1, map.ChainLength(static_cast<int>(2147483648u % 10009u)));
  map.Add(5, 0, &b);
  map.Add(-5, 0, &c);
  EXPECT_EQ(2, map.ChainLength(5));  // same bucket, distinct keys
  EXPECT_EQ(&b, map.Find(5, 0));
  EXPECT_EQ(&c, map.Find(-5, 0));
  EXPECT_EQ(&a, map.Find(INT_MIN, 0));
  EXPECT_TRUE(map.RemoveByKey(-5, 0));
  EXPECT_EQ(&b, map.Find(5, 0));
}

TEST(TesselMap, RemoveAllKeepsTheArrayAndRewinds) {
  int a = 1, b = 2;
  ProbeMap map;
  map.Add(1, 0, &a);
  map.Add(2, 0, &b);
  CTesselListIterator it(&map);
  it.MoveToIndex(1);
  EXPECT_TRUE(map.RemoveByKey(2, 0));
  EXPECT_EQ(&a, it.GetData());  // removal by key rewinds like any removal
  EXPECT_TRUE(map.RemoveAll());
  EXPECT_TRUE(map.HasBucketArray());
  EXPECT_EQ(nullptr, map.Find(1, 0));
  EXPECT_EQ(0, map.GetCount());
  EXPECT_EQ(nullptr, it.GetData());
  EXPECT_TRUE(map.Add(1, 0, &b));
  EXPECT_EQ(&b, map.Find(1, 0));
}

TEST(TesselMap, InheritedRemovalDropsTheBucketNode) {
  int a = 1, b = 2;
  CTesselMap map;
  map.Add(1, 0, &a);
  map.Add(2, 0, &b);
  EXPECT_TRUE(map.Remove(&a));  // the list's own Remove
  EXPECT_EQ(nullptr, map.Find(1, 0));
  EXPECT_EQ(&b, map.RemoveHead());
  EXPECT_EQ(nullptr, map.Find(2, 0));
  EXPECT_EQ(0, map.GetCount());
}

TEST(TesselMap, ManyKeys) {
  std::vector<int> values(30000);
  CTesselMap map;
  for (int i = 0; i < 30000; ++i) {
    values[i] = i;
    ASSERT_TRUE(map.Add(i * 7 - 100000, i & 3, &values[i]));
  }
  for (int i = 0; i < 30000; ++i) ASSERT_EQ(&values[i], map.Find(i * 7 - 100000, i & 3));
  EXPECT_EQ(nullptr, map.Find(-100000, 1));
  EXPECT_EQ(29999, *static_cast<int*>(map.GetAt(29999)));
}
