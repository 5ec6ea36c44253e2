// CTesselMap.
#include "foundation/TesselMap.h"

#include <stdlib.h>
#include <string.h>

#include <new>

#include "foundation/TesselOptimizedMap.h"

CTesselMap::CTesselMap()
    : m_buckets(nullptr), m_bucketBytes(0), m_bucketCount(10009), m_removingByKey(false) {}

CTesselMap::~CTesselMap() {
  DeleteBucketNodes();
  CTesselList::RemoveAll();
  free(m_buckets);
  m_buckets = nullptr;
  m_bucketBytes = 0;
}

int CTesselMap::BucketOf(int32_t low, int bucketCount) { return KeyBucket(low, bucketCount); }

void CTesselMap::StringKey(CTesselString key, bool ignoreCase, int32_t* low, int32_t* high) {
  if (ignoreCase) key.MakeUpper();
  uint64_t hash = key.GetHash();
  if (low) *low = static_cast<int32_t>(static_cast<uint32_t>(hash));
  if (high) *high = static_cast<int32_t>(static_cast<uint32_t>(hash >> 32));
}

void CTesselMap::DeleteBucketNodes() {
  if (!m_buckets) return;
  for (int i = 0; i < m_bucketCount; ++i) {
    CTesselMapElement* element = m_buckets[i];
    while (element) {
      CTesselMapElement* next = element->m_next;
      delete element;
      element = next;
    }
  }
  memset(m_buckets, 0, static_cast<size_t>(m_bucketBytes));
}

bool CTesselMap::RemoveAll() {
  DeleteBucketNodes();
  return CTesselList::RemoveAll();
}

bool CTesselMap::DeleteAll() {
  DeleteBucketNodes();
  return CTesselList::DeleteAll();
}

bool CTesselMap::AddByString(CTesselString key, void* data, bool ignoreCase) {
  int32_t low, high;
  StringKey(key, ignoreCase, &low, &high);
  return Add(low, high, data);
}

bool CTesselMap::Add(int32_t low, int32_t high, void* data) {
  if (m_bucketCount < 1) return false;
  if (!m_buckets) {
    m_buckets = static_cast<CTesselMapElement**>(
        calloc(static_cast<size_t>(m_bucketCount), sizeof(CTesselMapElement*)));
    if (!m_buckets) return false;
    m_bucketBytes = m_bucketCount * static_cast<int>(sizeof(CTesselMapElement*));
  }
  if (!AddCopyOrPointer(data)) return false;
  int bucket = BucketOf(low, m_bucketCount);
  CTesselMapElement* element =
      new (std::nothrow) CTesselMapElement(m_buckets[bucket], m_tail, low, high);
  if (!element) {
    // Undo the insertion: the map stays as it was.
    if (m_elementType) m_elementType(ElementDestroy, &m_tail->m_data, nullptr);
    UnlinkNode(m_tail);
    return false;
  }
  m_buckets[bucket] = element;
  return true;
}

bool CTesselMap::RemoveByString(CTesselString key, bool ignoreCase) {
  int32_t low, high;
  StringKey(key, ignoreCase, &low, &high);
  return RemoveByKey(low, high);
}

bool CTesselMap::RemoveByKey(int32_t low, int32_t high) {
  if (!m_buckets || m_bucketCount < 1) return false;
  int bucket = BucketOf(low, m_bucketCount);
  CTesselMapElement* previous = nullptr;
  CTesselMapElement* element = m_buckets[bucket];
  while (element && !(element->m_keyLow == low && element->m_keyHigh == high)) {
    previous = element;
    element = element->m_next;
  }
  if (!element) return false;
  if (previous)
    previous->m_next = element->m_next;
  else
    m_buckets[bucket] = element->m_next;
  CTesselListElement* node = element->m_node;
  if (m_elementType) m_elementType(ElementDestroy, &node->m_data, nullptr);
  m_removingByKey = true;  // the bucket node is already out of its chain
  UnlinkNode(node);
  m_removingByKey = false;
  RewindIterators();
  delete element;
  return true;
}

void* CTesselMap::FindByString(CTesselString key, bool ignoreCase) {
  int32_t low, high;
  StringKey(key, ignoreCase, &low, &high);
  return Find(low, high);
}

void* CTesselMap::Find(int32_t low, int32_t high) {
  if (!m_buckets || m_bucketCount < 1) return nullptr;
  for (CTesselMapElement* element = m_buckets[BucketOf(low, m_bucketCount)]; element;
       element = element->m_next) {
    if (element->m_keyLow == low && element->m_keyHigh == high) return element->m_node->m_data;
  }
  return nullptr;
}

int CTesselMap::GetBucketCount() const { return m_bucketCount; }

bool CTesselMap::SetBucketCount(int count) {
  if (m_buckets || count < 1) return false;
  m_bucketCount = count;
  return true;
}

// A node unlinked through the inherited list operations (Remove, RemoveHead, Delete,
// an iterator's Remove) would leave its bucket node pointing at freed memory; drop
// that bucket node too, so Find never returns data of a removed entry.
void CTesselMap::OnNodeUnlinked(CTesselListElement* node) {
  if (m_removingByKey || !m_buckets) return;
  for (int i = 0; i < m_bucketCount; ++i) {
    CTesselMapElement** link = &m_buckets[i];
    while (*link) {
      if ((*link)->m_node == node) {
        CTesselMapElement* dead = *link;
        *link = dead->m_next;
        delete dead;
        return;
      }
      link = &(*link)->m_next;
    }
  }
}
