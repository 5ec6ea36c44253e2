// Template collections: CArray, CList, CMap and the typed pointer wrappers.
// Indexes out of range and null positions throw CInvalidArgException*.
#pragma once

#include "afx.h"

#include <algorithm>
#include <type_traits>
#include <vector>

/// Equality used by CList::Find and CMap lookups.
template <class TYPE, class ARG_TYPE>
BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2) {
  return *pElement1 == *pElement2;
}

/// Hash of a map key: integral and pointer keys hash their value; string keys
/// hash their characters.
template <class ARG_KEY>
UINT AFXAPI HashKey(ARG_KEY key) {
  if constexpr (std::is_pointer<ARG_KEY>::value)
    return static_cast<UINT>(reinterpret_cast<DWORD_PTR>(key) >> 4);
  else
    return static_cast<UINT>(static_cast<DWORD_PTR>(key) >> 4);
}
template <typename T>
UINT AfxHashString(const T* key) {
  UINT nHash = 0;
  for (; key != nullptr && *key; ++key) nHash = (nHash << 5) + nHash + static_cast<UINT>(*key);
  return nHash;
}
template <>
inline UINT AFXAPI HashKey<LPCSTR>(LPCSTR key) {
  return AfxHashString(key);
}
template <>
inline UINT AFXAPI HashKey<LPCWSTR>(LPCWSTR key) {
  return AfxHashString(key);
}
template <>
inline UINT AFXAPI HashKey<const CStringA&>(const CStringA& key) {
  return AfxHashString(key.GetString());
}
template <>
inline UINT AFXAPI HashKey<const CStringW&>(const CStringW& key) {
  return AfxHashString(key.GetString());
}

/// Reads or writes `nCount` elements. The general form copies their bytes, so
/// element types with pointers or strings need their own form.
template <class TYPE>
void AFXAPI SerializeElements(CArchive& ar, TYPE* pElements, INT_PTR nCount) {
  static_assert(std::is_trivially_copyable<TYPE>::value,
                "this element type needs its own SerializeElements");
  UINT nBytes = static_cast<UINT>(nCount * sizeof(TYPE));
  if (ar.IsStoring()) {
    ar.Write(pElements, nBytes);
  } else if (ar.Read(pElements, nBytes) != nBytes) {
    AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
  }
}
template <>
inline void AFXAPI SerializeElements<CStringA>(CArchive& ar, CStringA* pElements, INT_PTR nCount) {
  for (INT_PTR i = 0; i < nCount; ++i) {
    if (ar.IsStoring())
      ar << pElements[i];
    else
      ar >> pElements[i];
  }
}
template <>
inline void AFXAPI SerializeElements<CStringW>(CArchive& ar, CStringW* pElements, INT_PTR nCount) {
  for (INT_PTR i = 0; i < nCount; ++i) {
    if (ar.IsStoring())
      ar << pElements[i];
    else
      ar >> pElements[i];
  }
}

/// A growable array. SetSize(n, nGrowBy) sets the size and the number of
/// elements reserved at each reallocation (-1 keeps it; 0 chooses by size).
template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
 public:
  CArray() = default;

  INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
  INT_PTR GetCount() const { return GetSize(); }
  BOOL IsEmpty() const { return m_data.empty(); }
  INT_PTR GetUpperBound() const { return GetSize() - 1; }
  void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1) {
    if (nNewSize < 0) AfxThrowInvalidArgException();
    if (nGrowBy >= 0) m_nGrowBy = nGrowBy;
    if (nNewSize == 0) {
      std::vector<TYPE>().swap(m_data);
      return;
    }
    Reserve(nNewSize);
    m_data.resize(nNewSize);
  }
  void FreeExtra() { m_data.shrink_to_fit(); }
  void RemoveAll() { SetSize(0); }

  const TYPE& GetAt(INT_PTR nIndex) const { return m_data[Checked(nIndex)]; }
  void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_data[Checked(nIndex)] = newElement; }
  TYPE& ElementAt(INT_PTR nIndex) { return m_data[Checked(nIndex)]; }
  const TYPE& ElementAt(INT_PTR nIndex) const { return m_data[Checked(nIndex)]; }
  const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
  TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
  const TYPE* GetData() const { return m_data.data(); }
  TYPE* GetData() { return m_data.data(); }

  /// Sets the element, growing the array first when `nIndex` is past its end.
  void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement) {
    if (nIndex < 0) AfxThrowInvalidArgException();
    TYPE copy(newElement);  // may refer into the array
    if (nIndex >= GetSize()) SetSize(nIndex + 1);
    m_data[nIndex] = std::move(copy);
  }
  /// Returns the index of the new element.
  INT_PTR Add(ARG_TYPE newElement) {
    INT_PTR nIndex = GetSize();
    SetAtGrow(nIndex, newElement);
    return nIndex;
  }
  /// Returns the index of the first appended element.
  INT_PTR Append(const CArray& src) {
    INT_PTR nOldSize = GetSize();
    std::vector<TYPE> copy(src.m_data);
    Reserve(nOldSize + static_cast<INT_PTR>(copy.size()));
    for (TYPE& e : copy) m_data.push_back(std::move(e));
    return nOldSize;
  }
  void Copy(const CArray& src) {
    if (&src != this) m_data = src.m_data;
  }
  /// Inserts nCount copies at nIndex; past the end the array grows to hold them.
  void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1) {
    if (nIndex < 0 || nCount <= 0) AfxThrowInvalidArgException();
    TYPE copy(newElement);
    if (nIndex >= GetSize()) {
      SetSize(nIndex + nCount);
    } else {
      Reserve(GetSize() + nCount);
      m_data.insert(m_data.begin() + nIndex, nCount, TYPE());
    }
    for (INT_PTR i = 0; i < nCount; ++i) m_data[nIndex + i] = copy;
  }
  void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray) {
    if (pNewArray == nullptr || nStartIndex < 0) AfxThrowInvalidArgException();
    if (pNewArray->IsEmpty()) return;
    std::vector<TYPE> copy(pNewArray->m_data);
    InsertAt(nStartIndex, copy[0], static_cast<INT_PTR>(copy.size()));
    for (size_t i = 0; i < copy.size(); ++i) m_data[nStartIndex + i] = std::move(copy[i]);
  }
  void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1) {
    if (nIndex < 0 || nCount < 0 || nIndex + nCount > GetSize()) AfxThrowInvalidArgException();
    m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
  }

  /// Count, then the elements through SerializeElements.
  void Serialize(CArchive& ar) override {
    if (ar.IsStoring()) {
      ar.WriteCount(static_cast<DWORD_PTR>(GetSize()));
    } else {
      SetSize(static_cast<INT_PTR>(ar.ReadCount()), -1);
    }
    SerializeElements<TYPE>(ar, GetData(), GetSize());
  }

 private:
  size_t Checked(INT_PTR nIndex) const {
    if (nIndex < 0 || nIndex >= GetSize()) AfxThrowInvalidArgException();
    return static_cast<size_t>(nIndex);
  }
  void Reserve(INT_PTR nNewSize) {
    INT_PTR capacity = static_cast<INT_PTR>(m_data.capacity());
    if (nNewSize <= capacity) return;
    INT_PTR grow =
        m_nGrowBy > 0 ? m_nGrowBy : std::min<INT_PTR>(1024, std::max<INT_PTR>(4, GetSize() / 8));
    m_data.reserve(static_cast<size_t>(std::max(nNewSize, capacity + grow)));
  }

  std::vector<TYPE> m_data;
  INT_PTR m_nGrowBy = 0;
};

/// A doubly linked list iterated with POSITIONs (a null position ends it).
template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject {
 protected:
  struct CNode {
    CNode* pNext;
    CNode* pPrev;
    TYPE data;
  };

 public:
  explicit CList(INT_PTR nBlockSize = 10) { (void)nBlockSize; }
  ~CList() override { RemoveAll(); }

  INT_PTR GetCount() const { return m_nCount; }
  INT_PTR GetSize() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0; }

  TYPE& GetHead() { return Node(m_pNodeHead)->data; }
  const TYPE& GetHead() const { return Node(m_pNodeHead)->data; }
  TYPE& GetTail() { return Node(m_pNodeTail)->data; }
  const TYPE& GetTail() const { return Node(m_pNodeTail)->data; }
  TYPE RemoveHead() {
    TYPE value = GetHead();
    Unlink(m_pNodeHead);
    return value;
  }
  TYPE RemoveTail() {
    TYPE value = GetTail();
    Unlink(m_pNodeTail);
    return value;
  }
  POSITION AddHead(ARG_TYPE newElement) { return Link(newElement, nullptr, m_pNodeHead); }
  POSITION AddTail(ARG_TYPE newElement) { return Link(newElement, m_pNodeTail, nullptr); }
  void AddHead(CList* pNewList) {
    ENSURE(pNewList != nullptr);
    for (POSITION pos = pNewList->GetTailPosition(); pos != nullptr;)
      AddHead(pNewList->GetPrev(pos));
  }
  void AddTail(CList* pNewList) {
    ENSURE(pNewList != nullptr);
    for (POSITION pos = pNewList->GetHeadPosition(); pos != nullptr;)
      AddTail(pNewList->GetNext(pos));
  }
  void RemoveAll() {
    while (m_pNodeHead != nullptr) Unlink(m_pNodeHead);
  }

  POSITION GetHeadPosition() const { return Pos(m_pNodeHead); }
  POSITION GetTailPosition() const { return Pos(m_pNodeTail); }
  /// The element at `rPosition`, which then moves to the next one.
  TYPE& GetNext(POSITION& rPosition) {
    CNode* p = Node(rPosition);
    rPosition = Pos(p->pNext);
    return p->data;
  }
  const TYPE& GetNext(POSITION& rPosition) const {
    CNode* p = Node(rPosition);
    rPosition = Pos(p->pNext);
    return p->data;
  }
  TYPE& GetPrev(POSITION& rPosition) {
    CNode* p = Node(rPosition);
    rPosition = Pos(p->pPrev);
    return p->data;
  }
  const TYPE& GetPrev(POSITION& rPosition) const {
    CNode* p = Node(rPosition);
    rPosition = Pos(p->pPrev);
    return p->data;
  }
  TYPE& GetAt(POSITION position) { return Node(position)->data; }
  const TYPE& GetAt(POSITION position) const { return Node(position)->data; }
  void SetAt(POSITION pos, ARG_TYPE newElement) { Node(pos)->data = newElement; }
  void RemoveAt(POSITION position) { Unlink(Node(position)); }
  POSITION InsertBefore(POSITION position, ARG_TYPE newElement) {
    if (position == nullptr) return AddHead(newElement);
    CNode* p = Node(position);
    return Link(newElement, p->pPrev, p);
  }
  POSITION InsertAfter(POSITION position, ARG_TYPE newElement) {
    if (position == nullptr) return AddTail(newElement);
    CNode* p = Node(position);
    return Link(newElement, p, p->pNext);
  }
  /// The first element equal to `searchValue` after `startAfter` (null: from the head).
  POSITION Find(ARG_TYPE searchValue, POSITION startAfter = NULL) const {
    CNode* p = startAfter == nullptr ? m_pNodeHead : Node(startAfter)->pNext;
    for (; p != nullptr; p = p->pNext) {
      if (CompareElements<TYPE, TYPE>(&p->data, &searchValue)) return Pos(p);
    }
    return nullptr;
  }
  /// The position of the element at zero-based `nIndex`, or null.
  POSITION FindIndex(INT_PTR nIndex) const {
    if (nIndex < 0 || nIndex >= m_nCount) return nullptr;
    CNode* p = m_pNodeHead;
    while (nIndex-- > 0) p = p->pNext;
    return Pos(p);
  }

  void Serialize(CArchive& ar) override {
    if (ar.IsStoring()) {
      ar.WriteCount(static_cast<DWORD_PTR>(m_nCount));
      for (CNode* p = m_pNodeHead; p != nullptr; p = p->pNext)
        SerializeElements<TYPE>(ar, &p->data, 1);
      return;
    }
    for (DWORD_PTR n = ar.ReadCount(); n > 0; --n) {
      TYPE newData[1] = {};
      SerializeElements<TYPE>(ar, newData, 1);
      AddTail(newData[0]);
    }
  }

 private:
  static POSITION Pos(CNode* p) { return reinterpret_cast<POSITION>(p); }
  static CNode* Node(POSITION pos) {
    ENSURE(pos != nullptr && pos != BEFORE_START_POSITION);
    return reinterpret_cast<CNode*>(pos);
  }
  static CNode* Node(CNode* p) {
    ENSURE(p != nullptr);
    return p;
  }
  POSITION Link(ARG_TYPE value, CNode* pPrev, CNode* pNext) {
    CNode* p = new CNode{pNext, pPrev, value};
    (pPrev ? pPrev->pNext : m_pNodeHead) = p;
    (pNext ? pNext->pPrev : m_pNodeTail) = p;
    ++m_nCount;
    return Pos(p);
  }
  void Unlink(CNode* p) {
    ENSURE(p != nullptr);
    (p->pPrev ? p->pPrev->pNext : m_pNodeHead) = p->pNext;
    (p->pNext ? p->pNext->pPrev : m_pNodeTail) = p->pPrev;
    --m_nCount;
    delete p;
  }

  CNode* m_pNodeHead = nullptr;
  CNode* m_pNodeTail = nullptr;
  INT_PTR m_nCount = 0;
};

/// A hash map with a fixed number of buckets (17 unless InitHashTable sets
/// another before the first entry); it never rehashes, so a large map wants
/// a larger table. Iteration order is bucket order.
template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
 public:
  typedef KEY BASE_KEY;
  typedef ARG_KEY BASE_ARG_KEY;
  typedef VALUE BASE_VALUE;
  typedef ARG_VALUE BASE_ARG_VALUE;

  struct CPair {
    const KEY key;
    VALUE value;
  };

 protected:
  struct CAssoc : CPair {
    CAssoc(ARG_KEY k, UINT hash, CAssoc* next)
        : CPair{KEY(k), VALUE()}, pNext(next), nHashValue(hash) {}
    CAssoc* pNext;
    UINT nHashValue;
  };

 public:
  explicit CMap(INT_PTR nBlockSize = 10) { (void)nBlockSize; }
  ~CMap() override { RemoveAll(); }

  INT_PTR GetCount() const { return m_nCount; }
  INT_PTR GetSize() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0; }
  UINT GetHashTableSize() const { return m_nHashTableSize; }

  BOOL Lookup(ARG_KEY key, VALUE& rValue) const {
    const CAssoc* p = Find(key);
    if (p != nullptr) rValue = p->value;
    return p != nullptr;
  }
  CPair* PLookup(ARG_KEY key) { return Find(key); }
  const CPair* PLookup(ARG_KEY key) const { return Find(key); }
  /// The value of `key`, entered with a default value when missing.
  VALUE& operator[](ARG_KEY key) {
    CAssoc* p = Find(key);
    if (p != nullptr) return p->value;
    if (m_pHashTable.empty()) m_pHashTable.assign(m_nHashTableSize, nullptr);
    UINT nHash = HashKey<ARG_KEY>(key);
    CAssoc*& bucket = m_pHashTable[nHash % m_nHashTableSize];
    bucket = new CAssoc(key, nHash, bucket);
    ++m_nCount;
    return bucket->value;
  }
  void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
  BOOL RemoveKey(ARG_KEY key) {
    if (m_pHashTable.empty()) return FALSE;
    CAssoc** pp = &m_pHashTable[HashKey<ARG_KEY>(key) % m_nHashTableSize];
    for (; *pp != nullptr; pp = &(*pp)->pNext) {
      if (CompareElements(&(*pp)->key, &key)) {
        CAssoc* doomed = *pp;
        *pp = doomed->pNext;
        delete doomed;
        --m_nCount;
        return TRUE;
      }
    }
    return FALSE;
  }
  void RemoveAll() {
    for (CAssoc*& bucket : m_pHashTable) {
      while (bucket != nullptr) {
        CAssoc* next = bucket->pNext;
        delete bucket;
        bucket = next;
      }
    }
    m_pHashTable.clear();
    m_nCount = 0;
  }
  /// Sets the number of buckets; the map must be empty. Without bAllocNow the
  /// table is made with the first entry.
  void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE) {
    ENSURE(m_nCount == 0 && hashSize > 0);
    m_nHashTableSize = hashSize;
    m_pHashTable.clear();
    if (bAllocNow) m_pHashTable.assign(hashSize, nullptr);
  }

  POSITION GetStartPosition() const { return m_nCount == 0 ? nullptr : BEFORE_START_POSITION; }
  /// Copies the entry at `rNextPosition` and moves to the next (null after the last).
  void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const {
    const CAssoc* p = AssocAt(rNextPosition);
    rKey = p->key;
    rValue = p->value;
    rNextPosition = reinterpret_cast<POSITION>(const_cast<CAssoc*>(Next(p)));
  }
  const CPair* PGetFirstAssoc() const { return First(); }
  CPair* PGetFirstAssoc() { return First(); }
  const CPair* PGetNextAssoc(const CPair* pAssoc) const {
    return Next(static_cast<const CAssoc*>(pAssoc));
  }
  CPair* PGetNextAssoc(const CPair* pAssoc) { return Next(static_cast<const CAssoc*>(pAssoc)); }

  /// Count, then key and value of each entry through SerializeElements.
  void Serialize(CArchive& ar) override {
    if (ar.IsStoring()) {
      ar.WriteCount(static_cast<DWORD_PTR>(m_nCount));
      for (CAssoc* p = First(); p != nullptr; p = Next(p)) {
        SerializeElements<KEY>(ar, const_cast<KEY*>(&p->key), 1);
        SerializeElements<VALUE>(ar, &p->value, 1);
      }
      return;
    }
    for (DWORD_PTR n = ar.ReadCount(); n > 0; --n) {
      KEY newKey[1] = {};
      VALUE newValue[1] = {};
      SerializeElements<KEY>(ar, newKey, 1);
      SerializeElements<VALUE>(ar, newValue, 1);
      SetAt(newKey[0], newValue[0]);
    }
  }

 private:
  CAssoc* Find(ARG_KEY key) const {
    if (m_pHashTable.empty()) return nullptr;
    for (CAssoc* p = m_pHashTable[HashKey<ARG_KEY>(key) % m_nHashTableSize]; p != nullptr;
         p = p->pNext) {
      if (CompareElements(&p->key, &key)) return p;
    }
    return nullptr;
  }
  CAssoc* FirstFrom(size_t nBucket) const {
    for (; nBucket < m_pHashTable.size(); ++nBucket) {
      if (m_pHashTable[nBucket] != nullptr) return m_pHashTable[nBucket];
    }
    return nullptr;
  }
  CAssoc* First() const { return FirstFrom(0); }
  CAssoc* Next(const CAssoc* p) const {
    ENSURE(p != nullptr);
    return p->pNext != nullptr ? p->pNext : FirstFrom(p->nHashValue % m_nHashTableSize + 1);
  }
  const CAssoc* AssocAt(POSITION pos) const {
    ENSURE(pos != nullptr);
    return pos == BEFORE_START_POSITION ? Node(First()) : reinterpret_cast<const CAssoc*>(pos);
  }
  static const CAssoc* Node(const CAssoc* p) {
    ENSURE(p != nullptr);
    return p;
  }

  std::vector<CAssoc*> m_pHashTable;
  UINT m_nHashTableSize = 17;
  INT_PTR m_nCount = 0;
};

/// An array of TYPE pointers over CPtrArray or CObArray.
template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS {
 public:
  TYPE GetAt(INT_PTR nIndex) const { return (TYPE)BASE_CLASS::GetAt(nIndex); }
  TYPE& ElementAt(INT_PTR nIndex) { return (TYPE&)BASE_CLASS::ElementAt(nIndex); }
  void SetAt(INT_PTR nIndex, TYPE ptr) { BASE_CLASS::SetAt(nIndex, ptr); }
  void SetAtGrow(INT_PTR nIndex, TYPE newElement) { BASE_CLASS::SetAtGrow(nIndex, newElement); }
  INT_PTR Add(TYPE newElement) { return BASE_CLASS::Add(newElement); }
  void InsertAt(INT_PTR nIndex, TYPE newElement, INT_PTR nCount = 1) {
    BASE_CLASS::InsertAt(nIndex, newElement, nCount);
  }
  TYPE* GetData() { return (TYPE*)BASE_CLASS::GetData(); }
  const TYPE* GetData() const { return (const TYPE*)BASE_CLASS::GetData(); }
  TYPE operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
  TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
};

/// A list of TYPE pointers over CPtrList or CObList.
template <class BASE_CLASS, class TYPE>
class CTypedPtrList : public BASE_CLASS {
 public:
  explicit CTypedPtrList(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}
  TYPE& GetHead() { return (TYPE&)BASE_CLASS::GetHead(); }
  TYPE GetHead() const { return (TYPE)BASE_CLASS::GetHead(); }
  TYPE& GetTail() { return (TYPE&)BASE_CLASS::GetTail(); }
  TYPE GetTail() const { return (TYPE)BASE_CLASS::GetTail(); }
  TYPE RemoveHead() { return (TYPE)BASE_CLASS::RemoveHead(); }
  TYPE RemoveTail() { return (TYPE)BASE_CLASS::RemoveTail(); }
  POSITION AddHead(TYPE newElement) { return BASE_CLASS::AddHead(newElement); }
  POSITION AddTail(TYPE newElement) { return BASE_CLASS::AddTail(newElement); }
  TYPE& GetNext(POSITION& rPosition) { return (TYPE&)BASE_CLASS::GetNext(rPosition); }
  TYPE GetNext(POSITION& rPosition) const { return (TYPE)BASE_CLASS::GetNext(rPosition); }
  TYPE& GetPrev(POSITION& rPosition) { return (TYPE&)BASE_CLASS::GetPrev(rPosition); }
  TYPE GetPrev(POSITION& rPosition) const { return (TYPE)BASE_CLASS::GetPrev(rPosition); }
  TYPE& GetAt(POSITION position) { return (TYPE&)BASE_CLASS::GetAt(position); }
  TYPE GetAt(POSITION position) const { return (TYPE)BASE_CLASS::GetAt(position); }
  void SetAt(POSITION pos, TYPE newElement) { BASE_CLASS::SetAt(pos, newElement); }
  POSITION InsertBefore(POSITION position, TYPE newElement) {
    return BASE_CLASS::InsertBefore(position, newElement);
  }
  POSITION InsertAfter(POSITION position, TYPE newElement) {
    return BASE_CLASS::InsertAfter(position, newElement);
  }
};

/// A map to VALUE pointers over one of the pointer maps.
template <class BASE_CLASS, class KEY, class VALUE>
class CTypedPtrMap : public BASE_CLASS {
 public:
  explicit CTypedPtrMap(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}
  BOOL Lookup(typename BASE_CLASS::BASE_ARG_KEY key, VALUE& rValue) const {
    typename BASE_CLASS::BASE_VALUE value;
    BOOL found = BASE_CLASS::Lookup(key, value);
    if (found) rValue = (VALUE)value;
    return found;
  }
  VALUE& operator[](typename BASE_CLASS::BASE_ARG_KEY key) {
    return (VALUE&)BASE_CLASS::operator[](key);
  }
  void SetAt(KEY key, VALUE newValue) { BASE_CLASS::SetAt(key, newValue); }
  BOOL RemoveKey(KEY key) { return BASE_CLASS::RemoveKey(key); }
  void GetNextAssoc(POSITION& rPosition, KEY& rKey, VALUE& rValue) const {
    typename BASE_CLASS::BASE_KEY key;
    typename BASE_CLASS::BASE_VALUE value;
    BASE_CLASS::GetNextAssoc(rPosition, key, value);
    rKey = (KEY)key;
    rValue = (VALUE)value;
  }
};
