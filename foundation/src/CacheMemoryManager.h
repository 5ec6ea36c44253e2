// A recycling allocator for memory blocks, and its registry of handed-out blocks.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "foundation/ReentrantLock.h"
#include "foundation/TesselOptimizedMap.h"

/// One block the cache has allocated from the heap.
struct CacheBlockRecord {
  int size;                        // bytes as allocated
  void* address;                   // the block
  int inUse;                       // 1 while handed out, 0 while cached
  CacheBlockRecord* nextFree;      // next cached block of the same size
  CacheBlockRecord* nextInBucket;  // registry chain
};

/// Registry of every block the cache owns, keyed by address. Owns the blocks
/// and their records. Not locked: its manager locks around every use.
class CCacheHashTable {
 public:
  CCacheHashTable();
  /// Frees every block and record.
  virtual ~CCacheHashTable();

  /// Registers `address` (in use). False for null, a size <= 0, or when memory
  /// runs out.
  bool AddBlock(void* address, int size);
  /// The record of `address`, or null.
  CacheBlockRecord* FindBlock(const void* address) const;
  /// Frees the block and its record. False when it is not registered.
  bool RemoveBlock(const void* address);
  /// Frees every block that is not in use, adding their sizes to `freedBytes`
  /// when given. False without a bucket array.
  bool FreeUnused(int64_t* freedBytes);
  /// Frees every block, in use or not. False without a bucket array.
  bool RemoveAll();

  static const int kBucketCount = 10009;

 private:
  int BucketOf(const void* address) const;

  CacheBlockRecord** m_buckets;
  int m_bucketCount;

  CCacheHashTable(const CCacheHashTable&) = delete;
  CCacheHashTable& operator=(const CCacheHashTable&) = delete;
};

/// Hands out heap blocks and takes them back into per-size free lists, so that a
/// later request of that size (or the best-fitting larger one) reuses them, as
/// long as the bytes held stay within the budget (10,240,000 bytes).
///
/// Every public operation holds the manager's lock, so one manager may be shared
/// by any threads. The manager owns every block it handed out: FreeAll() and the
/// destructor free them, also those still in use.
class CCacheMemoryManager {
 public:
  CCacheMemoryManager();
  /// FreeAll().
  virtual ~CCacheMemoryManager();

  /// A block of at least `size` bytes: a cached one of exactly that size, else
  /// the cached one with the least excess, else a new heap block (purging the
  /// cache first when the budget would be exceeded). Null for size <= 0 or
  /// when the heap is exhausted.
  void* Allocate(int size);

  /// Gives a block back: cached for reuse while within the budget, freed
  /// otherwise. False for null, for an address this manager did not hand out,
  /// and for a block that is already cached.
  bool Release(void* block);

  /// Frees every block, cached or handed out, and resets all counters.
  bool FreeAll();

  int64_t GetBudget() const { return kBudget; }
  /// Bytes of every registered block, handed out or cached.
  int64_t GetHeldBytes();
  /// Bytes and number of cached blocks.
  int64_t GetCachedBytes();
  int GetCachedCount();
  /// Blocks currently handed out.
  int GetHandedOutCount();

  static const int64_t kBudget = 10240000;

 private:
  struct FreeList {
    int size;
    CacheBlockRecord* head;
  };

  CacheBlockRecord* TakeBestFit(int size);
  CacheBlockRecord* PopFromChain(FreeList* list);
  bool PushToChain(CacheBlockRecord* record);
  FreeList* FindChain(int size);
  FreeList* GetOrCreateChain(int size);
  void DropChain(FreeList* list);
  void ClearFreeLists();
  void RecomputeLargestCached();
  void* AllocateNew(int size);
  void FreeBlock(CacheBlockRecord* record);
  void PurgeCache();

  CCacheHashTable m_registry;
  // Held bytes may pass the budget while blocks are handed out; 64 bits keep
  // the sum exact whatever the callers hold.
  int64_t m_heldBytes;
  CReentrantLock m_lock;
  int m_handedOut;
  CTesselOptimizedMap m_freeLists;  // size -> FreeList*, in order of first caching
  int m_freeListCount;
  int64_t m_cachedBytes;
  int64_t m_largestCachedSize;
  int m_cachedCount;

  CCacheMemoryManager(const CCacheMemoryManager&) = delete;
  CCacheMemoryManager& operator=(const CCacheMemoryManager&) = delete;
};

/// The process's one cache, constructed before the program's own code runs and
/// destroyed at exit.
extern CCacheMemoryManager g_cacheMemoryManager;
