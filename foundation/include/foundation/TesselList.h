// CTesselList, CTesselListIterator: the container of the whole system.
// A doubly linked list of untyped, never-null data pointers with
//  - an index array for positional access, built on demand, dropped on every change
//    of the chain;
//  - a registry of attached iterators, all rewound to the first element whenever an
//    element is removed;
//  - an iteration stack, so IterateFirst/IterateNext/IterateEnd loops may nest.
// Given an element type (TesselElementType.h) the list owns COPIES of its data;
// Delete/DeleteAll destroy them. Neither RemoveAll nor the destructor destroys data.
// Not thread-safe: sharing owners guard a list with their own CReentrantLock.
#pragma once

#include <stdint.h>

#include "foundation/TesselElementType.h"

class CTesselListIterator;

class CTesselListElement {
 public:
  CTesselListElement(CTesselListElement* previous, CTesselListElement* next, void* data)
      : m_previous(previous), m_next(next), m_data(data) {}
  virtual ~CTesselListElement() {}

  CTesselListElement* m_previous;
  CTesselListElement* m_next;
  void* m_data;
};

class CTesselList {
 public:
  CTesselList();
  virtual ~CTesselList();

  virtual void* GetAt(int index);  // data at a position; node becomes current
  virtual int GetCount() const;
  virtual CTesselListElement* MoveFirst();  // head becomes current
  virtual CTesselListElement* GetTail() const;
  virtual CTesselListElement* MoveNext();  // null at the end or without current
  virtual CTesselListElement* MovePrev();
  virtual CTesselListElement* FindElement(const void* data);  // by pointer, or by value when typed
  virtual bool AddTail(void* data);                           // null refused
  virtual bool AddHead(void* data);
  virtual bool InsertAfter(CTesselListElement* node, void* data);
  virtual bool Remove(const void* data);  // unlinks (data kept); rewinds iterators
  virtual void* RemoveHead();             // rewinds iterators
  virtual bool RemoveAll();               // every node, not the data; rewinds
  virtual void* GetHeadData() const;
  virtual void* GetTailData() const;
  virtual void* GetPrevData(const void* data);
  virtual void* GetNextData(const void* data);
  virtual void* IterateFirst();  // opens a nested iteration
  virtual void* IterateNext();
  virtual bool IterateEnd();  // pair with EVERY IterateFirst
  virtual CTesselListElement* GetCurrent() const;
  virtual CTesselListElement* GetElementAt(int index);
  virtual int GetIteratorCount() const;
  virtual bool HasElementType() const;
  virtual bool SwapData(const void* a, const void* b);
  virtual bool SetAt(int index, void* data);  // old item NOT destroyed
  virtual ElementTypeCallback GetElementType() const;
  virtual bool SetElementType(ElementTypeCallback type);  // empties the list first
  virtual bool AddCopy(const void* value);
  virtual bool AddHeadCopy(const void* value);
  virtual bool Delete(const void* data);  // destroys the first item EQUAL to data
  virtual bool DeleteAll();
  virtual bool AddCopyOrPointer(void* value);
  virtual bool DeleteOrRemove(const void* data);
  virtual bool SetElementTypeInt32();
  virtual bool SetElementTypeInt64();
  virtual bool SetElementTypeDouble();
  virtual bool SetElementTypeString();
  virtual bool IsInt64Type() const;
  virtual bool RegisterIterator(CTesselListIterator* iterator);
  virtual bool UnregisterIterator(CTesselListIterator* iterator);
  virtual bool UnregisterAllIterators();
  virtual void SetCurrent(CTesselListElement* node);
  virtual int GetIterationDepth() const;

 protected:
  void FreeIndex();
  // Joins the neighbours, moves head/tail/current, count - 1, deletes the node.
  void UnlinkNode(CTesselListElement* node);
  void RewindIterators();
  // Called by UnlinkNode before the node is deleted (the map drops its bucket node).
  virtual void OnNodeUnlinked(CTesselListElement* node);

  CTesselListElement* m_head;
  CTesselListElement* m_tail;
  CTesselListElement* m_current;
  int m_count;
  ElementTypeCallback m_elementType;
  CTesselList* m_iterators;       // registry of attached iterators
  CTesselList* m_iterationStack;  // iterators of open IterateFirst loops, innermost first
  CTesselListElement** m_index;   // count node pointers in list order, or null

 private:
  // A copy of value made by the element type, added at the head or the tail.
  bool AddNewCopy(const void* value, bool atHead);
  CTesselList(const CTesselList&) = delete;
  CTesselList& operator=(const CTesselList&) = delete;
};

class CTesselListIterator {
 public:
  explicit CTesselListIterator(CTesselList* list = nullptr);         // attaches (list may be null)
  CTesselListIterator(const CTesselListIterator& other);             // same list and position
  CTesselListIterator& operator=(const CTesselListIterator& other);  // CopyFrom
  virtual ~CTesselListIterator();                                    // unregisters

  virtual CTesselList* GetList() const;
  virtual bool Attach(CTesselList* list);  // unregister, take, register, MoveFirst
  virtual void* MoveToIndex(int index);    // data there; null (position kept) when bad
  virtual bool Advance(int ignored = 0);
  virtual bool MoveNext();  // when unpositioned: MoveFirst
  virtual bool StepBack(int ignored = 0);
  virtual bool MovePrev();  // when unpositioned: MoveLast
  virtual void* GetData() const;
  virtual bool CopyFrom(const CTesselListIterator& other);
  virtual int GetCount() const;
  virtual bool MoveFirst();
  virtual bool MoveLast();
  virtual bool AddTail(void* data);
  virtual bool AddHead(void* data);
  virtual bool InsertAfterCurrent(void* data);
  virtual bool Remove(const void* data);
  virtual void* RemoveHead();
  virtual bool RemoveAll();
  virtual bool AddCopy(const void* value);
  virtual bool AddHeadCopy(const void* value);
  virtual bool Delete(const void* data);
  virtual bool DeleteAll();
  virtual CTesselListElement* GetCurrentElement() const;

  // Moves to the node after the data's node (or before it when it is the last).
  bool StepOffData(const void* data);

 protected:
  friend class CTesselList;
  CTesselList* m_list;
  CTesselListElement* m_current;
};
