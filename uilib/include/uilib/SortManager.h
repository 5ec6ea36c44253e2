// A small general sorter: a heap sort of an array of pointers and an
// in-place quick sort of a CTesselList with an explicit stack, both through
// one comparison that breaks ties by input position, so the order is fully
// determined (ascending, or its exact reverse when descending).
// Holds no lock; used by one thread at a time.
#pragma once

#include <stdint.h>

#include "foundation/TesselList.h"
#include "foundation/TesselOptimizedMap.h"

/// count + 1 pointer slots; slot 0 stays empty so the heap can index from 1.
class CSortManagerElementArray {
 public:
  CSortManagerElementArray() : m_ppSlots(NULL), m_nCount(0) {}
  virtual ~CSortManagerElementArray() { Free(); }
  /// Zeroed slots for `count` elements; false for count <= 0 or no memory.
  bool Allocate(int count);
  /// Slot 1 (fill 0-based), null when nothing is allocated.
  void** GetElements() { return m_ppSlots != NULL ? m_ppSlots + 1 : NULL; }
  void** GetSlots() { return m_ppSlots; }
  int GetCount() const { return m_nCount; }
  bool Free();

 private:
  void** m_ppSlots;
  int m_nCount;
  CSortManagerElementArray(const CSortManagerElementArray&) = delete;
  CSortManagerElementArray& operator=(const CSortManagerElementArray&) = delete;
};

typedef int (*SortCompareCallback)(void* a, void* b);

class CSortManager {
 public:
  CSortManager();
  /// Empties the position map and frees every stack node.
  virtual ~CSortManager();
  /// The elements' own order; the base finds all elements equal.
  virtual int Compare(void* a, void* b);
  /// -1, 0 or 1 by recorded input position; 0 when either is null.
  virtual int CompareByInputPosition(void* a, void* b);
  /// Compares CColumnTextSortContext pointers in natural order.
  virtual void UseDefaultCompareCallback();
  /// Sorts list[first..last] in place; false for fewer than 2 elements or a bad range.
  virtual bool QuickSort(CTesselList* list, int first, int last);
  /// Sorts the whole list through a heap sort of its elements.
  virtual bool SortList(CTesselList* list);
  /// Sorts the array in place; false without elements or with one.
  virtual bool HeapSort(CSortManagerElementArray* array);
  virtual void RecordInputPositions(CSortManagerElementArray* array);
  virtual void ClearInputPositions();
  /// The low 32 bits of the recorded position, 0 when unrecorded.
  virtual int GetInputPosition(void* element);
  virtual int GetInputPositionCount();

  /// 0 ascending, 1 descending.
  int m_nDirection;
  SortCompareCallback m_pfnCompare;
  bool m_bNormalize;
  bool m_bTieBreak;

 protected:
  /// The comparison every sort uses: callback or Compare, tie-break,
  /// normalising and the direction.
  int CompareElements(void* x, void* y);
  void SiftDown(void** slots, int k, int n);
  int Partition(CTesselList* list, int lo, int hi);
  bool Push(int value);
  /// -1 when the stack is empty.
  int Pop();

  struct StackNode {
    int value;
    StackNode* next;
  };
  StackNode* m_pStack;
  StackNode* m_pPool;
  CTesselOptimizedMap m_positions;

 private:
  CSortManager(const CSortManager&) = delete;
  CSortManager& operator=(const CSortManager&) = delete;
};
