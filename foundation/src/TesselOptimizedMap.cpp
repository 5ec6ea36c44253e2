// CTesselOptimizedMap and NextPrime.
#include "foundation/TesselOptimizedMap.h"

#include <stdlib.h>
#include <string.h>

int NextPrime(int n) {
  long long candidate = static_cast<long long>(n) + 1;
  if ((candidate & 1) == 0) ++candidate;
  for (;; candidate += 2) {
    // Odd candidates have no even divisor; a composite one has an odd divisor no
    // larger than its square root, which is within 3 .. candidate - 2.
    bool prime = true;
    for (long long d = 3; d * d <= candidate; d += 2) {
      if (candidate % d == 0) {
        prime = false;
        break;
      }
    }
    if (prime) return static_cast<int>(candidate);
  }
}

CTesselOptimizedMap::CTesselOptimizedMap()
    : m_buckets(nullptr),
      m_bucketCount(1009),
      m_count(0),
      m_cursor(nullptr),
      m_first(nullptr),
      m_last(nullptr),
      m_parked(nullptr) {
  Resize(1009);
}

CTesselOptimizedMap::~CTesselOptimizedMap() {
  CTesselOptimizedMap::RemoveAll();
  free(m_buckets);
  m_buckets = nullptr;
}

int KeyBucket(int32_t low, int bucketCount) {
  uint32_t magnitude = low < 0 ? 0u - static_cast<uint32_t>(low) : static_cast<uint32_t>(low);
  return static_cast<int>(magnitude % static_cast<uint32_t>(bucketCount));
}

void CTesselOptimizedMap::Insert(TesselOptimizedMapEntry* entry, int32_t low, int32_t high,
                                 void* value) {
  int bucket = BucketOf(low);
  entry->keyLow = low;
  entry->keyHigh = high;
  entry->value = value;
  entry->nextInBucket = m_buckets[bucket];
  m_buckets[bucket] = entry;
  LinkInsertionOrder(entry);
}

void CTesselOptimizedMap::LinkInsertionOrder(TesselOptimizedMapEntry* entry) {
  entry->nextInOrder = nullptr;
  entry->previousInOrder = m_last;
  if (m_last)
    m_last->nextInOrder = entry;
  else
    m_first = entry;
  m_last = entry;
}

void CTesselOptimizedMap::UnlinkInsertionOrder(TesselOptimizedMapEntry* entry) {
  if (entry->previousInOrder)
    entry->previousInOrder->nextInOrder = entry->nextInOrder;
  else
    m_first = entry->nextInOrder;
  if (entry->nextInOrder)
    entry->nextInOrder->previousInOrder = entry->previousInOrder;
  else
    m_last = entry->previousInOrder;
  entry->previousInOrder = entry->nextInOrder = nullptr;
}

bool CTesselOptimizedMap::RemoveAll() {
  m_cursor = nullptr;
  bool result = false;
  if (m_buckets && m_bucketCount >= 1) {
    for (int i = 0; i < m_bucketCount; ++i) {
      TesselOptimizedMapEntry* entry = m_buckets[i];
      while (entry) {
        TesselOptimizedMapEntry* next = entry->nextInBucket;
        free(entry);
        entry = next;
      }
    }
    memset(m_buckets, 0, sizeof(TesselOptimizedMapEntry*) * static_cast<size_t>(m_bucketCount));
    result = true;
  }
  // Parked entries stop being counted here, so they are freed as well.
  while (m_parked) {
    TesselOptimizedMapEntry* next = m_parked->nextInBucket;
    free(m_parked);
    m_parked = next;
  }
  m_count = 0;
  m_first = m_last = nullptr;
  return result;
}

bool CTesselOptimizedMap::SetInt32(int32_t low, int32_t high, const int32_t* value) {
  if (!value) return false;
  int32_t* copy = static_cast<int32_t*>(malloc(sizeof(int32_t)));
  if (!copy) return false;
  *copy = *value;
  if (!Add(low, high, copy)) {
    free(copy);
    return false;
  }
  return true;
}

bool CTesselOptimizedMap::SetInt64(int32_t low, int32_t high, const int32_t* pair) {
  if (!pair) return false;
  int32_t* copy = static_cast<int32_t*>(malloc(2 * sizeof(int32_t)));
  if (!copy) return false;
  copy[0] = pair[0];
  copy[1] = pair[1];
  if (!Add(low, high, copy)) {
    free(copy);
    return false;
  }
  return true;
}

bool CTesselOptimizedMap::DeleteAll() {
  if (m_count < 1) return false;
  for (TesselOptimizedMapEntry* entry = m_first; entry; entry = entry->nextInOrder) {
    free(entry->value);
    entry->value = nullptr;
  }
  return RemoveAll();
}

bool CTesselOptimizedMap::RemoveAndFree(int32_t low, int32_t high) {
  void* value = Find(low, high);
  if (!value) return false;
  Remove(low, high);
  free(value);
  return true;
}

bool CTesselOptimizedMap::Add(int32_t low, int32_t high, void* value) {
  if (!value || !m_buckets || m_bucketCount < 1) return false;
  TesselOptimizedMapEntry* entry =
      static_cast<TesselOptimizedMapEntry*>(malloc(sizeof(TesselOptimizedMapEntry)));
  if (!entry) return false;
  Insert(entry, low, high, value);
  ++m_count;
  if (m_count > 2 * m_bucketCount) Rehash();
  return true;
}

void CTesselOptimizedMap::Rehash() {
  int newCount = NextPrime(2 * m_bucketCount);
  TesselOptimizedMapEntry** array = static_cast<TesselOptimizedMapEntry**>(
      calloc(static_cast<size_t>(newCount), sizeof(TesselOptimizedMapEntry*)));
  if (!array) return;  // the map stays as it was; chains are just longer
  for (int i = 0; i < m_bucketCount; ++i) {
    TesselOptimizedMapEntry* entry = m_buckets[i];
    while (entry) {
      TesselOptimizedMapEntry* next = entry->nextInBucket;
      int bucket = KeyBucket(entry->keyLow, newCount);
      entry->nextInBucket = array[bucket];
      array[bucket] = entry;
      entry = next;
    }
  }
  free(m_buckets);
  m_buckets = array;
  m_bucketCount = newCount;
  m_cursor = nullptr;
}

bool CTesselOptimizedMap::Remove(int32_t low, int32_t high) {
  m_cursor = nullptr;
  if (!m_buckets || m_bucketCount < 1) return false;
  TesselOptimizedMapEntry** link = &m_buckets[BucketOf(low)];
  while (*link && !((*link)->keyLow == low && (*link)->keyHigh == high))
    link = &(*link)->nextInBucket;
  TesselOptimizedMapEntry* entry = *link;
  if (!entry) return false;
  *link = entry->nextInBucket;
  UnlinkInsertionOrder(entry);
  free(entry);
  --m_count;
  return true;
}

void* CTesselOptimizedMap::Find(int32_t low, int32_t high) const {
  if (!m_buckets || m_bucketCount < 1) return nullptr;
  for (TesselOptimizedMapEntry* entry = m_buckets[BucketOf(low)]; entry;
       entry = entry->nextInBucket) {
    if (entry->keyLow == low && entry->keyHigh == high) return entry->value;
  }
  return nullptr;
}

bool CTesselOptimizedMap::GetCurrentKey(int32_t* pair) const {
  if (!m_cursor || !pair) return false;
  pair[0] = m_cursor->keyLow;
  pair[1] = m_cursor->keyHigh;
  return true;
}

bool CTesselOptimizedMap::RecycleAll() {
  m_first = m_last = nullptr;
  if (!m_buckets || m_bucketCount < 1) return false;
  m_cursor = nullptr;
  for (int i = 0; i < m_bucketCount; ++i) {
    TesselOptimizedMapEntry* entry = m_buckets[i];
    while (entry) {
      TesselOptimizedMapEntry* next = entry->nextInBucket;
      entry->nextInBucket = m_parked;
      entry->previousInOrder = entry->nextInOrder = nullptr;
      m_parked = entry;
      entry = next;
    }
  }
  memset(m_buckets, 0, sizeof(TesselOptimizedMapEntry*) * static_cast<size_t>(m_bucketCount));
  return true;  // the entry count still counts the parked entries
}

bool CTesselOptimizedMap::AddRecycled(int32_t low, int32_t high, void* value) {
  if (!m_parked) return Add(low, high, value);
  if (!m_buckets || m_bucketCount < 1 || !value) return false;
  TesselOptimizedMapEntry* entry = m_parked;
  m_parked = entry->nextInBucket;
  Insert(entry, low, high, value);  // already counted; no growth check
  return true;
}

bool CTesselOptimizedMap::FreeRecycled() {
  if (m_count < 1) return false;
  int freed = 0;
  while (m_parked) {
    TesselOptimizedMapEntry* next = m_parked->nextInBucket;
    free(m_parked);
    m_parked = next;
    ++freed;
  }
  m_count -= freed;
  if (m_count < 0) m_count = 0;
  return true;
}

bool CTesselOptimizedMap::Resize(int count) {
  m_cursor = nullptr;
  if (count < 2) return false;
  RemoveAll();
  free(m_buckets);
  m_buckets = nullptr;
  m_bucketCount = count;
  m_count = 0;
  m_buckets = static_cast<TesselOptimizedMapEntry**>(
      calloc(static_cast<size_t>(count), sizeof(TesselOptimizedMapEntry*)));
  return m_buckets != nullptr;
}

void* CTesselOptimizedMap::GetFirst() {
  m_cursor = m_first;
  return m_cursor ? m_cursor->value : nullptr;
}

void* CTesselOptimizedMap::GetNext() {
  if (!m_cursor) return nullptr;
  m_cursor = m_cursor->nextInOrder;
  return m_cursor ? m_cursor->value : nullptr;
}

bool CTesselOptimizedMap::EndIteration() {
  m_cursor = nullptr;
  return true;
}
