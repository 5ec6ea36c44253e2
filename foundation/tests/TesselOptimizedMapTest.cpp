// CTesselOptimizedMap, NextPrime and the checksums.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <vector>

#include "TesselChecksum.h"
#include "foundation/TesselOptimizedMap.h"

namespace {

class ProbeMap : public CTesselOptimizedMap {
 public:
  TesselOptimizedMapEntry* First() const { return m_first; }
  int ChainLength(int bucket) const {
    int n = 0;
    for (TesselOptimizedMapEntry* e = m_buckets[bucket]; e; e = e->nextInBucket) ++n;
    return n;
  }
};

// The function a logical register shift would give (which differs from ours).
uint64_t Crc64Logical(const void* data, int length) {
  uint64_t table[256];
  for (uint64_t i = 0; i < 256; ++i) {
    uint64_t c = i;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? (c >> 1) ^ 0x95AC9329AC4BC9B5ull : (c >> 1);
    table[i] = c;
  }
  uint64_t reg = ~0ull;
  const unsigned char* p = static_cast<const unsigned char*>(data);
  for (int i = 0; i < length; ++i) reg = table[(reg ^ p[i]) & 0xFF] ^ (reg >> 8);
  return ~reg;
}

}  // namespace

// ---------------------------------------------------------------- checksums

TEST(Checksums, Crc32CheckValue) {
  EXPECT_EQ(0xCBF43926u, Crc32Update("123456789", 9, 0xFFFFFFFFu, false));
  EXPECT_EQ(0u, Crc32Update("", 0, 0xFFFFFFFFu, false));
  EXPECT_EQ(0u, Crc32Update(nullptr, 10, 0xFFFFFFFFu, false));
  EXPECT_EQ(Crc32Update("abc", 3, 0xFFFFFFFFu, true) ^ 0xFFFFFFFFu,
            Crc32Update("abc", 3, 0xFFFFFFFFu, false));  // continuing: the raw register
}

TEST(Checksums, Crc32ContinuedEqualsWhole) {
  std::vector<unsigned char> block(4096);
  for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<unsigned char>(i * 31 + 7);
  uint32_t whole = Crc32Update(block.data(), 4096, 0xFFFFFFFFu, false);
  uint32_t part = Crc32Update(block.data(), 1000, 0xFFFFFFFFu, true);
  EXPECT_EQ(whole, Crc32Update(block.data() + 1000, 3096, part, false));
}

TEST(Checksums, Crc64CheckValueWithArithmeticShift) {
  EXPECT_EQ(0xE3EF385196E57556ull, Crc64Update("123456789", 9, -1, -1, false));
  EXPECT_EQ(0x3558E8E979F60D7Eull, Crc64Logical("123456789", 9));  // a different function
  EXPECT_EQ(0x42C112DE00C018F4ull, Crc64Update("abc", 4, -1, -1, false));
  EXPECT_EQ(0u, Crc64Update("", 0, -1, -1, false));
  EXPECT_EQ(~0ull, Crc64Update(nullptr, 5, -1, -1, true));
  // The register starts at (high << 32) | low.
  uint64_t fromZero = Crc64Update("x", 1, 0, 0, true);
  uint64_t fromWords = Crc64Update("x", 1, 0x11111111, 0x22222222, true);
  EXPECT_NE(fromZero, fromWords);
}

TEST(Checksums, Crc64ContinuedEqualsWhole) {
  std::vector<unsigned char> block(1 << 16);
  for (size_t i = 0; i < block.size(); ++i)
    block[i] = static_cast<unsigned char>(i * 131 + (i >> 8));
  const int n = static_cast<int>(block.size());
  for (int split : {0, 1, 9, 1000, n / 2, n - 1, n}) {
    uint64_t whole = Crc64Update(block.data(), n, -1, -1, false);
    uint64_t part = Crc64Update(block.data(), split, -1, -1, true);
    uint64_t rest = Crc64Update(block.data() + split, n - split, static_cast<int32_t>(part),
                                static_cast<int32_t>(part >> 32), false);
    EXPECT_EQ(whole, rest) << "split at " << split;
  }
}

// ---------------------------------------------------------------- NextPrime

TEST(OptimizedMap, NextPrime) {
  EXPECT_EQ(2027, NextPrime(2018));
  EXPECT_EQ(11, NextPrime(8));
  EXPECT_EQ(3, NextPrime(2));
  EXPECT_EQ(5, NextPrime(3));
  EXPECT_EQ(4057, NextPrime(4054));
  EXPECT_EQ(8117, NextPrime(8114));
  EXPECT_EQ(16249, NextPrime(16234));
  EXPECT_EQ(32503, NextPrime(32498));
  EXPECT_EQ(1, NextPrime(0));  // no divisor to try below 3
  EXPECT_EQ(2147483647, NextPrime(2147483630));
}

// ---------------------------------------------------------------- the map

TEST(OptimizedMap, GrowthAtTheThresholdKeepsInsertionOrder) {
  std::vector<int> values(40000);
  CTesselOptimizedMap map;
  EXPECT_EQ(1009, map.GetBucketCount());
  const int steps[][2] = {{2019, 2027}, {4055, 4057}, {8115, 8117}, {16235, 16249}, {32499, 32503}};
  int next = 0;
  for (const auto& step : steps) {
    for (; next < step[0] - 1; ++next) {
      values[next] = next;
      ASSERT_TRUE(map.Add(next * 3 - 5000, next, &values[next]));
    }
    int before = map.GetBucketCount();
    values[next] = next;
    ASSERT_TRUE(map.Add(next * 3 - 5000, next, &values[next]));
    ++next;
    EXPECT_EQ(step[1], map.GetBucketCount()) << "after entry " << next;
    EXPECT_NE(before, map.GetBucketCount());
    EXPECT_EQ(next, map.GetCount());
  }
  int i = 0;
  for (int* p = static_cast<int*>(map.GetFirst()); p; p = static_cast<int*>(map.GetNext()), ++i)
    ASSERT_EQ(i, *p);
  EXPECT_TRUE(map.EndIteration());
  EXPECT_EQ(next, i);
  for (int k = 0; k < next; ++k) ASSERT_EQ(&values[k], map.Find(k * 3 - 5000, k));
}

TEST(OptimizedMap, ExactlyTwiceDoesNotGrow) {
  std::vector<int> values(2019);
  CTesselOptimizedMap map;
  for (int i = 0; i < 2018; ++i) map.Add(i, 0, &values[i]);
  EXPECT_EQ(1009, map.GetBucketCount());
  map.Add(2018, 0, &values[2018]);
  EXPECT_EQ(2027, map.GetBucketCount());
}

TEST(OptimizedMap, AddFindRemoveAndIteration) {
  int a = 1, b = 2, c = 3;
  CTesselOptimizedMap map;
  EXPECT_FALSE(map.Add(1, 0, nullptr));
  EXPECT_EQ(nullptr, map.GetFirst());
  EXPECT_TRUE(map.Add(1, 0, &a));
  EXPECT_TRUE(map.Add(2, 0, &b));
  EXPECT_TRUE(map.Add(3, 0, &c));
  EXPECT_EQ(&b, map.Find(2, 0));
  EXPECT_EQ(nullptr, map.Find(2, 1));
  int32_t key[2] = {0, 0};
  EXPECT_FALSE(map.GetCurrentKey(key));
  EXPECT_EQ(&a, map.GetFirst());
  EXPECT_TRUE(map.GetCurrentKey(key));
  EXPECT_EQ(1, key[0]);
  EXPECT_EQ(&b, map.GetNext());
  // Remove during a walk clears the cursor: the next GetNext is null.
  EXPECT_TRUE(map.Remove(1, 0));
  EXPECT_EQ(nullptr, map.GetNext());
  EXPECT_FALSE(map.GetCurrentKey(key));
  map.EndIteration();
  EXPECT_EQ(2, map.GetCount());
  EXPECT_EQ(&b, map.GetFirst());
  EXPECT_EQ(&c, map.GetNext());
  EXPECT_EQ(nullptr, map.GetNext());
  EXPECT_EQ(nullptr, map.GetNext());
  map.EndIteration();
  EXPECT_FALSE(map.Remove(1, 0));
  EXPECT_TRUE(map.Remove(3, 0));  // the last one: last moves back
  int d = 4;
  map.Add(4, 0, &d);
  EXPECT_EQ(&b, map.GetFirst());
  EXPECT_EQ(&d, map.GetNext());
  EXPECT_EQ(nullptr, map.GetNext());
}

TEST(OptimizedMap, NegativeKeysShareABucketAndStayDistinct) {
  int p = 1, n = 2, s = 3, t = 4;
  ProbeMap map;
  map.Add(5, 7, &p);
  map.Add(-5, 7, &n);
  EXPECT_EQ(2, map.ChainLength(5));
  EXPECT_EQ(&p, map.Find(5, 7));
  EXPECT_EQ(&n, map.Find(-5, 7));
  map.Add(5, 7, &s);  // shadows the first entry of the key
  EXPECT_EQ(&s, map.Find(5, 7));
  EXPECT_TRUE(map.Remove(5, 7));
  EXPECT_EQ(&p, map.Find(5, 7));
  map.Add(static_cast<int32_t>(0x80000000u), 0, &t);
  EXPECT_EQ(1, map.ChainLength(static_cast<int>(2147483648u % 1009u)));
  EXPECT_EQ(&t, map.Find(static_cast<int32_t>(0x80000000u), 0));
}

TEST(OptimizedMap, OwnedValues) {
  CTesselOptimizedMap map;
  int32_t v = 77;
  EXPECT_TRUE(map.SetInt32(1, 0, &v));
  int32_t pair[2] = {5, -6};
  EXPECT_TRUE(map.SetInt64(2, 0, pair));
  EXPECT_FALSE(map.SetInt32(3, 0, nullptr));
  int32_t* stored = static_cast<int32_t*>(map.Find(1, 0));
  ASSERT_NE(nullptr, stored);
  EXPECT_NE(&v, stored);
  EXPECT_EQ(77, *stored);
  int32_t* storedPair = static_cast<int32_t*>(map.Find(2, 0));
  EXPECT_EQ(5, storedPair[0]);
  EXPECT_EQ(-6, storedPair[1]);
  EXPECT_TRUE(map.RemoveAndFree(1, 0));
  EXPECT_FALSE(map.RemoveAndFree(1, 0));
  EXPECT_EQ(1, map.GetCount());
  EXPECT_TRUE(map.DeleteAll());
  EXPECT_EQ(0, map.GetCount());
  EXPECT_FALSE(map.DeleteAll());
  EXPECT_EQ(nullptr, map.GetFirst());
}

TEST(OptimizedMap, RemoveAllAndResize) {
  int a = 1;
  CTesselOptimizedMap map;
  map.Add(1, 0, &a);
  EXPECT_TRUE(map.RemoveAll());
  EXPECT_EQ(0, map.GetCount());
  EXPECT_EQ(nullptr, map.Find(1, 0));
  EXPECT_EQ(nullptr, map.GetFirst());
  map.Add(1, 0, &a);
  EXPECT_FALSE(map.Resize(1));
  EXPECT_EQ(1009, map.GetBucketCount());
  EXPECT_EQ(&a, map.Find(1, 0));
  EXPECT_TRUE(map.Resize(7));
  EXPECT_EQ(7, map.GetBucketCount());
  EXPECT_EQ(0, map.GetCount());
  EXPECT_EQ(nullptr, map.Find(1, 0));
  for (int i = 0; i < 15; ++i) map.Add(i, 0, &a);
  EXPECT_EQ(NextPrime(14), map.GetBucketCount());  // 15 > 2 x 7
}

TEST(OptimizedMap, ParkingEntries) {
  int v[3] = {1, 2, 3};
  ProbeMap map;
  EXPECT_FALSE(map.FreeRecycled());  // entry count < 1
  for (int i = 0; i < 3; ++i) map.Add(i, 0, &v[i]);
  EXPECT_TRUE(map.FreeRecycled());  // nothing parked: true at once
  EXPECT_EQ(3, map.GetCount());
  EXPECT_TRUE(map.RecycleAll());
  EXPECT_EQ(3, map.GetCount());  // live and parked together
  EXPECT_EQ(nullptr, map.GetFirst());
  EXPECT_EQ(nullptr, map.Find(0, 0));
  EXPECT_TRUE(map.FreeRecycled());
  EXPECT_EQ(0, map.GetCount());

  for (int i = 0; i < 3; ++i) map.Add(i, 0, &v[i]);
  std::vector<TesselOptimizedMapEntry*> before;
  for (TesselOptimizedMapEntry* e = map.First(); e; e = e->nextInOrder) before.push_back(e);
  map.RecycleAll();
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(map.AddRecycled(10 + i, 0, &v[i]));
  std::vector<TesselOptimizedMapEntry*> after;
  for (TesselOptimizedMapEntry* e = map.First(); e; e = e->nextInOrder) after.push_back(e);
  std::sort(before.begin(), before.end());
  std::sort(after.begin(), after.end());
  EXPECT_EQ(before, after);  // the same three entries: no new allocation
  EXPECT_EQ(3, map.GetCount());
  EXPECT_EQ(&v[1], map.Find(11, 0));
  EXPECT_EQ(nullptr, map.Find(1, 0));
  int order = 0;
  for (int* p = static_cast<int*>(map.GetFirst()); p; p = static_cast<int*>(map.GetNext()))
    EXPECT_EQ(&v[order++], p);
  map.EndIteration();
  EXPECT_EQ(3, order);
  // Without parked entries AddRecycled is Add.
  int extra = 9;
  EXPECT_TRUE(map.AddRecycled(20, 0, &extra));
  EXPECT_EQ(4, map.GetCount());
  // Parked entries survive an iteration (kept in their own chain here).
  map.RecycleAll();
  map.GetFirst();
  map.EndIteration();
  EXPECT_TRUE(map.AddRecycled(30, 0, &extra));
  EXPECT_EQ(4, map.GetCount());
  EXPECT_TRUE(map.FreeRecycled());
  EXPECT_EQ(1, map.GetCount());
  EXPECT_EQ(&extra, map.Find(30, 0));
}

TEST(OptimizedMap, Int64KeyForms) {
  int a = 1, b = 2;
  CTesselOptimizedMap map;
  map.AddKey(-1, &a);
  map.AddKey(0x100000000LL, &b);
  EXPECT_EQ(&a, map.FindKey(-1));
  EXPECT_EQ(&a, map.Find(-1, -1));
  EXPECT_EQ(&b, map.Find(0, 1));
  EXPECT_TRUE(map.RemoveKey(-1));
  EXPECT_EQ(nullptr, map.FindKey(-1));
}
