// CTesselMap: a CTesselList with hash buckets on top. Each entry's data
// lives in the list (ordered and iterable like any list); a bucket chain finds it by
// a 64-bit key given as two signed 32-bit words (low, high). Bucket = |low| mod the
// bucket count (magnitude as unsigned 32-bit); the high word only takes part in the
// comparison. The newest entry of a key shadows older ones. String keys are hashed
// with CTesselString::GetHash (CRC-64 over the buffer's capacity bytes), upper-cased
// first when ignoreCase is set; narrow and wide keys of one text differ.
#pragma once

#include <stdint.h>

#include "foundation/TesselList.h"
#include "foundation/TesselString.h"

class CTesselMapElement {
 public:
  CTesselMapElement(CTesselMapElement* next, CTesselListElement* node, int32_t low, int32_t high)
      : m_next(next), m_node(node), m_keyLow(low), m_keyHigh(high) {}
  virtual ~CTesselMapElement() {}

  CTesselMapElement* m_next;   // next node of the same bucket
  CTesselListElement* m_node;  // list node holding the entry's data
  int32_t m_keyLow;
  int32_t m_keyHigh;
};

class CTesselMap : public CTesselList {
 public:
  CTesselMap();  // bucket count 10009, no bucket array until the first insertion
  ~CTesselMap() override;

  bool RemoveAll() override;  // bucket nodes first, then the list's RemoveAll
  bool DeleteAll() override;  // bucket nodes first, then the list's DeleteAll

  virtual bool AddByString(CTesselString key, void* data, bool ignoreCase);
  virtual bool Add(int32_t low, int32_t high, void* data);  // copy when typed, else pointer
  virtual bool RemoveByString(CTesselString key, bool ignoreCase);
  virtual bool RemoveByKey(int32_t low, int32_t high);  // destroys the item when typed
  virtual void* FindByString(CTesselString key, bool ignoreCase);
  virtual void* Find(int32_t low, int32_t high);
  virtual int GetBucketCount() const;
  virtual bool SetBucketCount(int count);  // only before the first insertion

  // 64-bit key forms: low word = the low 32 bits, high word = the high 32 bits.
  bool AddKey(int64_t key, void* data) { return Add(KeyLow(key), KeyHigh(key), data); }
  void* FindKey(int64_t key) { return Find(KeyLow(key), KeyHigh(key)); }
  bool RemoveKey(int64_t key) { return RemoveByKey(KeyLow(key), KeyHigh(key)); }
  static int32_t KeyLow(int64_t key) { return static_cast<int32_t>(static_cast<uint64_t>(key)); }
  static int32_t KeyHigh(int64_t key) {
    return static_cast<int32_t>(static_cast<uint64_t>(key) >> 32);
  }
  // The key a string gets (after upper-casing a copy when ignoreCase is set).
  static void StringKey(CTesselString key, bool ignoreCase, int32_t* low, int32_t* high);
  // Bucket index of a key low word for a given bucket count.
  static int BucketOf(int32_t low, int bucketCount);

 protected:
  void OnNodeUnlinked(CTesselListElement* node) override;
  void DeleteBucketNodes();  // deletes every bucket node; the array stays, zeroed

  CTesselMapElement** m_buckets;
  int m_bucketBytes;
  int m_bucketCount;

 private:
  bool m_removingByKey;
};
