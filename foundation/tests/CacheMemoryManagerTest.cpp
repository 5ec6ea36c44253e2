#include "CacheMemoryManager.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include <thread>
#include <vector>

namespace {

class CacheMemoryManagerTest : public ::testing::Test {
 protected:
  // Hands out new blocks of these sizes, then gives them all back (in this
  // order), leaving them cached. Allocating all before releasing any keeps one
  // request from being served by a block cached a moment before.
  std::vector<void*> Cache(std::initializer_list<int> sizes) {
    std::vector<void*> blocks;
    for (int size : sizes) {
      blocks.push_back(m_cache.Allocate(size));
      EXPECT_NE(nullptr, blocks.back());
    }
    for (void* block : blocks) EXPECT_TRUE(m_cache.Release(block));
    return blocks;
  }

  CCacheMemoryManager m_cache;
};

}  // namespace

TEST_F(CacheMemoryManagerTest, ReleasedBlockIsReusedForTheSameSize) {
  void* first = m_cache.Allocate(100);
  ASSERT_NE(nullptr, first);
  memset(first, 0xAB, 100);
  EXPECT_EQ(1, m_cache.GetHandedOutCount());
  EXPECT_EQ(100, m_cache.GetHeldBytes());

  ASSERT_TRUE(m_cache.Release(first));
  EXPECT_EQ(0, m_cache.GetHandedOutCount());
  EXPECT_EQ(1, m_cache.GetCachedCount());
  EXPECT_EQ(100, m_cache.GetCachedBytes());
  EXPECT_EQ(100, m_cache.GetHeldBytes()) << "a cached block is still held";

  EXPECT_EQ(first, m_cache.Allocate(100));
  EXPECT_EQ(0, m_cache.GetCachedCount());
  EXPECT_EQ(0, m_cache.GetCachedBytes());
  EXPECT_EQ(1, m_cache.GetHandedOutCount());
}

TEST_F(CacheMemoryManagerTest, BlocksOfOneSizeComeBackLastInFirstOut) {
  void* a = m_cache.Allocate(48);
  void* b = m_cache.Allocate(48);
  ASSERT_TRUE(m_cache.Release(a));
  ASSERT_TRUE(m_cache.Release(b));
  EXPECT_EQ(b, m_cache.Allocate(48));
  EXPECT_EQ(a, m_cache.Allocate(48));
}

TEST_F(CacheMemoryManagerTest, TakesTheCachedBlockWithTheLeastExcess) {
  std::vector<void*> blocks = Cache({64, 512, 256});
  void* small = blocks[0];
  void* large = blocks[1];
  void* middle = blocks[2];

  EXPECT_EQ(middle, m_cache.Allocate(200)) << "256 fits 200 better than 512";
  EXPECT_EQ(large, m_cache.Allocate(80)) << "256 is gone; 64 is too small";
  EXPECT_EQ(1, m_cache.GetCachedCount());
  EXPECT_EQ(small, m_cache.Allocate(64));
}

TEST_F(CacheMemoryManagerTest, RequestAboveEveryCachedSizeGetsANewBlock) {
  std::vector<void*> blocks = Cache({64, 256});
  void* a = blocks[0];
  void* b = blocks[1];
  void* big = m_cache.Allocate(300);
  ASSERT_NE(nullptr, big);
  EXPECT_NE(a, big);
  EXPECT_NE(b, big);
  EXPECT_EQ(2, m_cache.GetCachedCount()) << "the cache was not touched";
  EXPECT_EQ(64 + 256 + 300, m_cache.GetHeldBytes());
}

TEST_F(CacheMemoryManagerTest, RefusesWhatItDidNotHandOut) {
  EXPECT_EQ(nullptr, m_cache.Allocate(0));
  EXPECT_EQ(nullptr, m_cache.Allocate(-5));
  EXPECT_FALSE(m_cache.Release(nullptr));

  void* foreign = malloc(32);
  EXPECT_FALSE(m_cache.Release(foreign));
  free(foreign);

  void* block = m_cache.Allocate(32);
  EXPECT_TRUE(m_cache.Release(block));
  EXPECT_FALSE(m_cache.Release(block)) << "a second release of one block";
  EXPECT_EQ(1, m_cache.GetCachedCount());
  EXPECT_EQ(0, m_cache.GetHandedOutCount());
}

TEST_F(CacheMemoryManagerTest, ReleaseOverBudgetFreesAtOnce) {
  void* a = m_cache.Allocate(6000000);
  void* b = m_cache.Allocate(5000000);
  ASSERT_NE(nullptr, a);
  ASSERT_NE(nullptr, b);
  EXPECT_GT(m_cache.GetHeldBytes(), m_cache.GetBudget());

  ASSERT_TRUE(m_cache.Release(a));
  EXPECT_EQ(5000000, m_cache.GetHeldBytes());
  EXPECT_EQ(0, m_cache.GetCachedCount());

  ASSERT_TRUE(m_cache.Release(b)) << "back within the budget: cached";
  EXPECT_EQ(5000000, m_cache.GetHeldBytes());
  EXPECT_EQ(1, m_cache.GetCachedCount());
}

TEST_F(CacheMemoryManagerTest, NewBlockBeyondTheBudgetPurgesTheCache) {
  void* kept = m_cache.Allocate(1000);
  Cache({4000000, 16});
  EXPECT_EQ(4001016, m_cache.GetHeldBytes());

  void* big = m_cache.Allocate(7000000);
  ASSERT_NE(nullptr, big);
  EXPECT_EQ(0, m_cache.GetCachedCount());
  EXPECT_EQ(0, m_cache.GetCachedBytes());
  EXPECT_EQ(7001000, m_cache.GetHeldBytes()) << "only the cached blocks were freed";
  EXPECT_TRUE(m_cache.Release(kept)) << "handed-out blocks survive a purge";
}

TEST_F(CacheMemoryManagerTest, FreeAllFreesHandedOutBlocksToo) {
  void* out = m_cache.Allocate(128);
  Cache({64});
  ASSERT_TRUE(m_cache.FreeAll());
  EXPECT_EQ(0, m_cache.GetHeldBytes());
  EXPECT_EQ(0, m_cache.GetCachedCount());
  EXPECT_EQ(0, m_cache.GetHandedOutCount());
  EXPECT_FALSE(m_cache.Release(out));

  void* again = m_cache.Allocate(64);
  EXPECT_NE(nullptr, again);
  EXPECT_EQ(64, m_cache.GetHeldBytes());
}

TEST_F(CacheMemoryManagerTest, SharedByThreads) {
  const int kThreads = 4, kRounds = 2000;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([this, t]() {
      for (int i = 0; i < kRounds; ++i) {
        int size = 16 + ((i + t) % 7) * 16;
        unsigned char* block = static_cast<unsigned char*>(m_cache.Allocate(size));
        ASSERT_NE(nullptr, block);
        memset(block, t, size);
        for (int k = 0; k < size; ++k) ASSERT_EQ(t, block[k]) << "two threads got one block";
        ASSERT_TRUE(m_cache.Release(block));
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(0, m_cache.GetHandedOutCount());
  EXPECT_EQ(m_cache.GetHeldBytes(), m_cache.GetCachedBytes());
}

TEST(CacheHashTable, RegistersFindsAndFreesBlocks) {
  CCacheHashTable table;
  void* a = malloc(10);
  void* b = malloc(20);
  void* c = malloc(30);
  ASSERT_TRUE(table.AddBlock(a, 10));
  ASSERT_TRUE(table.AddBlock(b, 20));
  ASSERT_TRUE(table.AddBlock(c, 30));
  EXPECT_FALSE(table.AddBlock(nullptr, 5));

  CacheBlockRecord* record = table.FindBlock(b);
  ASSERT_NE(nullptr, record);
  EXPECT_EQ(20, record->size);
  EXPECT_EQ(1, record->inUse);

  EXPECT_TRUE(table.RemoveBlock(a));
  EXPECT_FALSE(table.RemoveBlock(a));
  EXPECT_EQ(nullptr, table.FindBlock(a));

  record->inUse = 0;
  int64_t freed = 0;
  EXPECT_TRUE(table.FreeUnused(&freed));
  EXPECT_EQ(20, freed);
  EXPECT_EQ(nullptr, table.FindBlock(b));
  EXPECT_NE(nullptr, table.FindBlock(c));
  EXPECT_TRUE(table.RemoveAll());
  EXPECT_EQ(nullptr, table.FindBlock(c));
}
