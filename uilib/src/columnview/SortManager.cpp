// CSortManager: heap sort, explicit-stack quick sort and the shared comparison.
#include "uilib/SortManager.h"

#include <stdlib.h>

#include <initializer_list>

#include "uilib/ColumnTextSortContext.h"

namespace {
const int kInitialStackNodes = 50;

int64_t PointerKey(void* element) {
  return static_cast<int64_t>(reinterpret_cast<intptr_t>(element));
}

int CompareSortContexts(void* a, void* b) {
  if (a == NULL || b == NULL) return 0;
  return static_cast<CColumnTextSortContext*>(a)->Compare(static_cast<CColumnTextSortContext*>(b));
}
}  // namespace

bool CSortManagerElementArray::Allocate(int count) {
  Free();
  if (count <= 0) return false;
  m_ppSlots = static_cast<void**>(calloc(static_cast<size_t>(count) + 1, sizeof(void*)));
  if (m_ppSlots == NULL) return false;
  m_nCount = count;
  return true;
}

bool CSortManagerElementArray::Free() {
  m_nCount = 0;
  if (m_ppSlots == NULL) return false;
  free(m_ppSlots);
  m_ppSlots = NULL;
  return true;
}

CSortManager::CSortManager()
    : m_nDirection(0),
      m_pfnCompare(NULL),
      m_bNormalize(true),
      m_bTieBreak(true),
      m_pStack(NULL),
      m_pPool(NULL) {
  for (int i = 0; i < kInitialStackNodes; ++i) m_pPool = new StackNode{-1, m_pPool};
}

CSortManager::~CSortManager() {
  ClearInputPositions();
  for (StackNode* list : {m_pStack, m_pPool}) {
    while (list != NULL) {
      StackNode* next = list->next;
      delete list;
      list = next;
    }
  }
}

int CSortManager::Compare(void*, void*) { return 0; }

int CSortManager::CompareByInputPosition(void* a, void* b) {
  if (a == NULL || b == NULL) return 0;
  int pa = GetInputPosition(a), pb = GetInputPosition(b);
  return pa < pb ? -1 : (pa > pb ? 1 : 0);
}

void CSortManager::UseDefaultCompareCallback() { m_pfnCompare = &CompareSortContexts; }

int CSortManager::GetInputPosition(void* element) {
  if (element == NULL) return 0;
  const int32_t* pair = static_cast<const int32_t*>(m_positions.FindKey(PointerKey(element)));
  return pair != NULL ? pair[0] : 0;
}

int CSortManager::GetInputPositionCount() { return m_positions.GetCount(); }

void CSortManager::RecordInputPositions(CSortManagerElementArray* array) {
  ClearInputPositions();
  void** elements = array->GetElements();
  for (int i = 0; elements != NULL && i < array->GetCount(); ++i) {
    if (elements[i] == NULL) continue;
    int64_t key = PointerKey(elements[i]);
    const int32_t position[2] = {i, 0};
    m_positions.SetInt64(static_cast<int32_t>(key), static_cast<int32_t>(key >> 32), position);
  }
}

void CSortManager::ClearInputPositions() { m_positions.DeleteAll(); }

int CSortManager::CompareElements(void* x, void* y) {
  int r = m_pfnCompare != NULL ? m_pfnCompare(x, y) : Compare(x, y);
  if (r == 0 && m_bTieBreak) r = CompareByInputPosition(x, y);
  if (m_bNormalize) {
    r = r < 0 ? -1 : (r > 0 ? 1 : 0);
    if (m_nDirection == 1) r = -r;
  }
  return r;
}

void CSortManager::SiftDown(void** slots, int k, int n) {
  void* v = slots[k];
  int j = 2 * k;
  while (j <= n) {
    if (j < n && CompareElements(slots[j + 1], slots[j]) > 0) ++j;
    if (CompareElements(v, slots[j]) > 0) break;
    slots[j / 2] = slots[j];
    j *= 2;
  }
  slots[j / 2] = v;
}

bool CSortManager::HeapSort(CSortManagerElementArray* array) {
  if (array == NULL || array->GetSlots() == NULL || array->GetCount() <= 1) return false;
  RecordInputPositions(array);
  void** slots = array->GetSlots();
  int n = array->GetCount();
  for (int k = n / 2; k >= 1; --k) SiftDown(slots, k, n);
  while (n > 1) {
    void* top = slots[1];
    slots[1] = slots[n];
    slots[n] = top;
    --n;
    SiftDown(slots, 1, n);
  }
  ClearInputPositions();
  return true;
}

bool CSortManager::Push(int value) {
  StackNode* node = m_pPool;
  if (node != NULL)
    m_pPool = node->next;
  else
    node = new StackNode;
  node->value = value;
  node->next = m_pStack;
  m_pStack = node;
  return true;
}

int CSortManager::Pop() {
  StackNode* node = m_pStack;
  if (node == NULL) return -1;
  m_pStack = node->next;
  node->next = m_pPool;
  m_pPool = node;
  return node->value;
}

int CSortManager::Partition(CTesselList* list, int lo, int hi) {
  void* pivot = list->GetAt(lo);
  int i = lo, j = hi;
  for (;;) {
    while (i <= j && CompareElements(list->GetAt(i), pivot) <= 0) ++i;
    if (i > j) break;
    while (j >= i && CompareElements(list->GetAt(j), pivot) > 0) --j;
    if (i >= j) break;
    list->SwapData(list->GetAt(i), list->GetAt(j));
  }
  list->SetAt(lo, list->GetAt(j));
  list->SetAt(j, pivot);
  return j;
}

// The larger part waits on the stack and the smaller is done first, so the
// stack stays shallow; the first pair pushed is a sentinel popped last.
bool CSortManager::QuickSort(CTesselList* list, int first, int last) {
  if (list == NULL || list->GetCount() < 2 || last >= list->GetCount() || last <= first)
    return false;
  Push(first);
  Push(last);
  int lo = first, hi = last;
  while (m_pStack != NULL) {
    if (hi > lo) {
      int p = Partition(list, lo, hi);
      if (p - lo > hi - p) {
        Push(lo);
        Push(p - 1);
        lo = p + 1;
      } else {
        Push(p + 1);
        Push(hi);
        hi = p - 1;
      }
    } else {
      hi = Pop();
      lo = Pop();
    }
  }
  return true;
}

bool CSortManager::SortList(CTesselList* list) {
  if (list == NULL || list->GetCount() < 2) return false;
  CSortManagerElementArray array;
  if (!array.Allocate(list->GetCount())) return false;
  void** elements = array.GetElements();
  for (int i = 0; i < array.GetCount(); ++i) elements[i] = list->GetAt(i);
  if (!HeapSort(&array)) return false;
  list->RemoveAll();
  for (int i = 0; i < array.GetCount(); ++i) list->AddTail(elements[i]);
  return true;
}
