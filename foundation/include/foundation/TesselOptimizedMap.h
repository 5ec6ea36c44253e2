// CTesselOptimizedMap: maps a 64-bit key (two signed 32-bit words) to
// an untyped, never-null value pointer. Entries are chained in insertion order for
// iteration; the bucket array (1009 at first) grows to NextPrime(2 x count) when the
// map holds more than twice as many entries as buckets. Bucket = |low| mod count
// (magnitude as unsigned 32-bit); the newest entry of a key is found first.
// Values are owned only by SetInt32, SetInt64, RemoveAndFree and DeleteAll (malloc/free).
// Not thread-safe: owners lock.
#pragma once

#include <stdint.h>

struct TesselOptimizedMapEntry {
  int32_t keyLow;
  int32_t keyHigh;
  void* value;
  TesselOptimizedMapEntry* nextInBucket;
  TesselOptimizedMapEntry* previousInOrder;
  TesselOptimizedMapEntry* nextInOrder;
};

/// The bucket of a key in both hash maps: |low| mod bucketCount, the magnitude
/// taken unsigned so that the most negative low word has one too. The high word
/// only takes part in comparisons. bucketCount must be at least 1.
int KeyBucket(int32_t low, int bucketCount);

class CTesselOptimizedMap {
 public:
  CTesselOptimizedMap();           // 1009 buckets
  virtual ~CTesselOptimizedMap();  // RemoveAll, frees the array; values not freed

  virtual bool RemoveAll();                                                // entries, not values
  virtual bool SetInt32(int32_t low, int32_t high, const int32_t* value);  // malloc copy
  virtual bool SetInt64(int32_t low, int32_t high, const int32_t* pair);   // 8-byte copy
  virtual bool DeleteAll();  // frees values, then RemoveAll
  virtual bool RemoveAndFree(int32_t low, int32_t high);
  virtual bool Add(int32_t low, int32_t high, void* value);
  virtual bool Remove(int32_t low, int32_t high);  // value kept; clears cursor
  virtual void* Find(int32_t low, int32_t high) const;
  virtual bool GetCurrentKey(int32_t* pair) const;  // pair[0] low, pair[1] high
  virtual bool RecycleAll();                        // parks every entry
  virtual bool AddRecycled(int32_t low, int32_t high, void* value);
  virtual bool FreeRecycled();
  virtual bool Resize(int count);  // empties the map

  // Iteration in insertion order: GetFirst, GetNext until null, then EndIteration.
  void* GetFirst();
  void* GetNext();
  bool EndIteration();

  int GetBucketCount() const { return m_bucketCount; }
  int GetCount() const { return m_count; }  // live and parked entries

  // 64-bit key forms.
  bool AddKey(int64_t key, void* value) { return Add(Low(key), High(key), value); }
  void* FindKey(int64_t key) const { return Find(Low(key), High(key)); }
  bool RemoveKey(int64_t key) { return Remove(Low(key), High(key)); }

 protected:
  void LinkInsertionOrder(TesselOptimizedMapEntry* entry);
  void UnlinkInsertionOrder(TesselOptimizedMapEntry* entry);
  void Rehash();
  int BucketOf(int32_t low) const { return KeyBucket(low, m_bucketCount); }
  // Pushes the entry at the head of its key's chain and at the end of the
  // insertion order.
  void Insert(TesselOptimizedMapEntry* entry, int32_t low, int32_t high, void* value);
  static int32_t Low(int64_t key) { return static_cast<int32_t>(static_cast<uint64_t>(key)); }
  static int32_t High(int64_t key) {
    return static_cast<int32_t>(static_cast<uint64_t>(key) >> 32);
  }

  TesselOptimizedMapEntry** m_buckets;
  int m_bucketCount;
  int m_count;
  TesselOptimizedMapEntry* m_cursor;
  TesselOptimizedMapEntry* m_first;
  TesselOptimizedMapEntry* m_last;
  // Parked entries live in a chain of their own (linked through nextInBucket), so an
  // iteration cannot lose them (any order of them would do).
  TesselOptimizedMapEntry* m_parked;

 private:
  CTesselOptimizedMap(const CTesselOptimizedMap&) = delete;
  CTesselOptimizedMap& operator=(const CTesselOptimizedMap&) = delete;
};

// The smallest odd number above n without a divisor in 3 .. itself - 2; for n >= 2
// the smallest odd prime above n (2018 -> 2027, 8 -> 11, 2 -> 3).
int NextPrime(int n);
