#include "CacheMemoryManager.h"

#include <stdlib.h>

CCacheMemoryManager g_cacheMemoryManager;

namespace {

int32_t SizeKeyHigh(int size) { return size < 0 ? -1 : 0; }

}  // namespace

// ---------------------------------------------------------------------------
// CCacheHashTable

CCacheHashTable::CCacheHashTable()
    : m_buckets(static_cast<CacheBlockRecord**>(calloc(kBucketCount, sizeof(CacheBlockRecord*)))),
      m_bucketCount(kBucketCount) {
  if (!m_buckets) m_bucketCount = 0;
}

CCacheHashTable::~CCacheHashTable() {
  RemoveAll();
  free(m_buckets);
}

int CCacheHashTable::BucketOf(const void* address) const {
  return static_cast<int>(reinterpret_cast<uintptr_t>(address) %
                          static_cast<uintptr_t>(m_bucketCount));
}

bool CCacheHashTable::AddBlock(void* address, int size) {
  if (!m_buckets || !address || size <= 0) return false;
  CacheBlockRecord* record = static_cast<CacheBlockRecord*>(calloc(1, sizeof(CacheBlockRecord)));
  if (!record) return false;
  record->size = size;
  record->address = address;
  record->inUse = 1;
  int bucket = BucketOf(address);
  record->nextInBucket = m_buckets[bucket];
  m_buckets[bucket] = record;
  return true;
}

CacheBlockRecord* CCacheHashTable::FindBlock(const void* address) const {
  if (!m_buckets || !address) return nullptr;
  for (CacheBlockRecord* r = m_buckets[BucketOf(address)]; r; r = r->nextInBucket)
    if (r->address == address) return r;
  return nullptr;
}

bool CCacheHashTable::RemoveBlock(const void* address) {
  if (!m_buckets || !address) return false;
  for (CacheBlockRecord** link = &m_buckets[BucketOf(address)]; *link;
       link = &(*link)->nextInBucket) {
    CacheBlockRecord* record = *link;
    if (record->address == address) {
      *link = record->nextInBucket;
      free(record->address);
      free(record);
      return true;
    }
  }
  return false;
}

bool CCacheHashTable::FreeUnused(int64_t* freedBytes) {
  if (!m_buckets) return false;
  for (int i = 0; i < m_bucketCount; ++i) {
    CacheBlockRecord** link = &m_buckets[i];
    while (*link) {
      CacheBlockRecord* record = *link;
      if (record->inUse) {
        link = &record->nextInBucket;
        continue;
      }
      *link = record->nextInBucket;
      if (freedBytes) *freedBytes += record->size;
      free(record->address);
      free(record);
    }
  }
  return true;
}

bool CCacheHashTable::RemoveAll() {
  if (!m_buckets) return false;
  for (int i = 0; i < m_bucketCount; ++i) {
    CacheBlockRecord* record = m_buckets[i];
    while (record) {
      CacheBlockRecord* next = record->nextInBucket;
      free(record->address);
      free(record);
      record = next;
    }
    m_buckets[i] = nullptr;
  }
  return true;
}

// ---------------------------------------------------------------------------
// CCacheMemoryManager

CCacheMemoryManager::CCacheMemoryManager()
    : m_heldBytes(0),
      m_handedOut(0),
      m_freeListCount(0),
      m_cachedBytes(0),
      m_largestCachedSize(0),
      m_cachedCount(0) {}

CCacheMemoryManager::~CCacheMemoryManager() { FreeAll(); }

void* CCacheMemoryManager::Allocate(int size) {
  if (size <= 0) return nullptr;
  CReentrantLockGuard guard(m_lock);
  void* result = nullptr;
  // A request above every cached size cannot be served from the cache.
  if (m_largestCachedSize >= size && m_freeListCount > 0) {
    CacheBlockRecord* record = TakeBestFit(size);
    if (record) {
      record->inUse = 1;
      result = record->address;
    }
  }
  if (!result) result = AllocateNew(size);
  if (result) ++m_handedOut;
  return result;
}

bool CCacheMemoryManager::Release(void* block) {
  if (!block) return false;
  CReentrantLockGuard guard(m_lock);
  CacheBlockRecord* record = m_registry.FindBlock(block);
  if (!record || !record->inUse) return false;
  if (m_heldBytes <= kBudget) {
    record->inUse = 0;
    if (!PushToChain(record)) FreeBlock(record);
  } else {
    FreeBlock(record);
  }
  if (m_handedOut > 0) --m_handedOut;
  return true;
}

bool CCacheMemoryManager::FreeAll() {
  CReentrantLockGuard guard(m_lock);
  ClearFreeLists();
  bool result = m_registry.RemoveAll();
  m_heldBytes = 0;
  m_handedOut = 0;
  return result;
}

int64_t CCacheMemoryManager::GetHeldBytes() {
  CReentrantLockGuard guard(m_lock);
  return m_heldBytes;
}

int64_t CCacheMemoryManager::GetCachedBytes() {
  CReentrantLockGuard guard(m_lock);
  return m_cachedBytes;
}

int CCacheMemoryManager::GetCachedCount() {
  CReentrantLockGuard guard(m_lock);
  return m_cachedCount;
}

int CCacheMemoryManager::GetHandedOutCount() {
  CReentrantLockGuard guard(m_lock);
  return m_handedOut;
}

CacheBlockRecord* CCacheMemoryManager::TakeBestFit(int size) {
  FreeList* best = FindChain(size);
  if (!best) {
    int64_t bestExcess = -1;
    for (void* value = m_freeLists.GetFirst(); value; value = m_freeLists.GetNext()) {
      FreeList* list = static_cast<FreeList*>(value);
      if (list->size < size) continue;
      int64_t excess = static_cast<int64_t>(list->size) - size;
      if (bestExcess < 0 || excess < bestExcess) {
        best = list;
        bestExcess = excess;
      }
    }
    m_freeLists.EndIteration();
  }
  return best ? PopFromChain(best) : nullptr;
}

CacheBlockRecord* CCacheMemoryManager::PopFromChain(FreeList* list) {
  CacheBlockRecord* record = list->head;
  if (!record) return nullptr;
  list->head = record->nextFree;
  record->nextFree = nullptr;
  if (m_cachedCount > 0) --m_cachedCount;
  m_cachedBytes = m_cachedBytes > record->size ? m_cachedBytes - record->size : 0;
  if (!list->head) {
    int size = list->size;
    m_freeLists.Remove(size, SizeKeyHigh(size));
    DropChain(list);
    if (size == m_largestCachedSize) RecomputeLargestCached();
  }
  return record;
}

bool CCacheMemoryManager::PushToChain(CacheBlockRecord* record) {
  FreeList* list = GetOrCreateChain(record->size);
  if (!list) return false;
  record->nextFree = list->head;
  list->head = record;
  ++m_cachedCount;
  m_cachedBytes += record->size;
  return true;
}

CCacheMemoryManager::FreeList* CCacheMemoryManager::FindChain(int size) {
  return static_cast<FreeList*>(m_freeLists.Find(size, SizeKeyHigh(size)));
}

CCacheMemoryManager::FreeList* CCacheMemoryManager::GetOrCreateChain(int size) {
  FreeList* list = FindChain(size);
  if (list) return list;
  list = static_cast<FreeList*>(calloc(1, sizeof(FreeList)));
  if (!list) return nullptr;
  list->size = size;
  if (!m_freeLists.Add(size, SizeKeyHigh(size), list)) {
    free(list);
    return nullptr;
  }
  ++m_freeListCount;
  if (size > m_largestCachedSize) m_largestCachedSize = size;
  return list;
}

void CCacheMemoryManager::DropChain(FreeList* list) {
  free(list);
  if (m_freeListCount > 0) --m_freeListCount;
}

void CCacheMemoryManager::ClearFreeLists() {
  // Only the list cells go; the blocks stay registered until freed there.
  for (void* value = m_freeLists.GetFirst(); value; value = m_freeLists.GetNext()) free(value);
  m_freeLists.EndIteration();
  m_freeLists.RemoveAll();
  m_freeListCount = 0;
  m_cachedCount = 0;
  m_cachedBytes = 0;
  m_largestCachedSize = 0;
}

void CCacheMemoryManager::RecomputeLargestCached() {
  m_largestCachedSize = 0;
  for (void* value = m_freeLists.GetFirst(); value; value = m_freeLists.GetNext()) {
    FreeList* list = static_cast<FreeList*>(value);
    if (list->head && list->size > m_largestCachedSize) m_largestCachedSize = list->size;
  }
  m_freeLists.EndIteration();
}

void CCacheMemoryManager::PurgeCache() {
  CReentrantLockGuard guard(m_lock);
  ClearFreeLists();
  int64_t freed = 0;
  m_registry.FreeUnused(&freed);
  m_heldBytes = m_heldBytes > freed ? m_heldBytes - freed : 0;
}

void* CCacheMemoryManager::AllocateNew(int size) {
  if (m_heldBytes + size > kBudget && m_freeListCount > 0) PurgeCache();
  void* block = malloc(static_cast<size_t>(size));
  if (!block) return nullptr;
  // An unregistered block is still returned; Release will refuse it.
  if (m_registry.AddBlock(block, size)) m_heldBytes += size;
  return block;
}

void CCacheMemoryManager::FreeBlock(CacheBlockRecord* record) {
  int64_t size = record->size;
  if (m_registry.RemoveBlock(record->address))
    m_heldBytes = m_heldBytes > size ? m_heldBytes - size : 0;
}
