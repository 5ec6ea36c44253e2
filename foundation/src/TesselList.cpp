// CTesselList and CTesselListIterator.
#include "foundation/TesselList.h"

#include <stdlib.h>

#include <new>

// ---------------------------------------------------------------- CTesselList

CTesselList::CTesselList()
    : m_head(nullptr),
      m_tail(nullptr),
      m_current(nullptr),
      m_count(0),
      m_elementType(nullptr),
      m_iterators(nullptr),
      m_iterationStack(nullptr),
      m_index(nullptr) {}

CTesselList::~CTesselList() {
  CTesselList::RemoveAll();
  // Close every open iteration (deleting its iterator unregisters it).
  if (m_iterationStack) {
    while (m_iterationStack->m_head) {
      CTesselListIterator* it = static_cast<CTesselListIterator*>(m_iterationStack->RemoveHead());
      delete it;
    }
    delete m_iterationStack;
    m_iterationStack = nullptr;
  }
  // Iterators attached from outside are detached, so their
  // own destruction later touches nothing freed.
  if (m_iterators) {
    for (CTesselListElement* n = m_iterators->m_head; n; n = n->m_next) {
      CTesselListIterator* it = static_cast<CTesselListIterator*>(n->m_data);
      it->m_list = nullptr;
      it->m_current = nullptr;
    }
    m_iterators->RemoveAll();
    delete m_iterators;
    m_iterators = nullptr;
  }
  FreeIndex();
}

void CTesselList::FreeIndex() {
  free(m_index);
  m_index = nullptr;
}

void CTesselList::OnNodeUnlinked(CTesselListElement*) {}

void CTesselList::UnlinkNode(CTesselListElement* node) {
  FreeIndex();
  OnNodeUnlinked(node);
  if (node->m_previous)
    node->m_previous->m_next = node->m_next;
  else
    m_head = node->m_next;
  if (node->m_next)
    node->m_next->m_previous = node->m_previous;
  else
    m_tail = node->m_previous;
  if (m_current == node) m_current = node->m_previous;
  --m_count;
  delete node;
}

void CTesselList::RewindIterators() {
  if (!m_iterators) return;
  for (CTesselListElement* n = m_iterators->m_head; n; n = n->m_next)
    static_cast<CTesselListIterator*>(n->m_data)->MoveFirst();
}

void* CTesselList::GetAt(int index) {
  CTesselListElement* node = GetElementAt(index);
  if (!node) return nullptr;
  m_current = node;
  return node->m_data;
}

int CTesselList::GetCount() const { return m_count; }

CTesselListElement* CTesselList::MoveFirst() {
  m_current = m_count > 0 ? m_head : nullptr;
  return m_current;
}

CTesselListElement* CTesselList::GetTail() const { return m_tail; }

CTesselListElement* CTesselList::MoveNext() {
  if (!m_current) return nullptr;
  m_current = m_current->m_next;
  return m_current;
}

CTesselListElement* CTesselList::MovePrev() {
  if (!m_current) return nullptr;
  m_current = m_current->m_previous;
  return m_current;
}

CTesselListElement* CTesselList::FindElement(const void* data) {
  if (!data || m_count <= 0) return nullptr;
  for (CTesselListElement* node = MoveFirst(); node; node = MoveNext()) {
    if (m_elementType) {
      if (m_elementType(ElementEqual, &node->m_data, data)) return node;
    } else if (node->m_data == data) {
      return node;
    }
  }
  return nullptr;
}

bool CTesselList::AddTail(void* data) {
  if (!data) return false;
  CTesselListElement* node = new (std::nothrow) CTesselListElement(m_tail, nullptr, data);
  if (!node) return false;
  FreeIndex();
  if (m_tail)
    m_tail->m_next = node;
  else
    m_head = node;
  m_tail = node;
  ++m_count;
  return true;
}

bool CTesselList::AddHead(void* data) {
  if (!data) return false;
  CTesselListElement* node = new (std::nothrow) CTesselListElement(nullptr, m_head, data);
  if (!node) return false;
  FreeIndex();
  if (m_head)
    m_head->m_previous = node;
  else
    m_tail = node;
  m_head = node;
  ++m_count;
  return true;
}

bool CTesselList::InsertAfter(CTesselListElement* after, void* data) {
  if (!after || !data) return false;
  CTesselListElement* node = new (std::nothrow) CTesselListElement(after, after->m_next, data);
  if (!node) return false;
  FreeIndex();
  if (after->m_next)
    after->m_next->m_previous = node;
  else
    m_tail = node;
  after->m_next = node;
  ++m_count;
  return true;
}

bool CTesselList::Remove(const void* data) {
  CTesselListElement* node = FindElement(data);
  if (node) UnlinkNode(node);
  RewindIterators();  // also when the data was not found
  return node != nullptr;
}

void* CTesselList::RemoveHead() {
  void* data = nullptr;
  if (m_head) {
    data = m_head->m_data;
    UnlinkNode(m_head);
  }
  RewindIterators();
  return data;
}

bool CTesselList::RemoveAll() {
  if (m_count <= 0 && !m_head) return false;
  FreeIndex();
  CTesselListElement* node = m_head;
  while (node) {
    CTesselListElement* next = node->m_next;
    delete node;
    node = next;
  }
  m_head = m_tail = m_current = nullptr;
  m_count = 0;
  RewindIterators();
  return true;
}

void* CTesselList::GetHeadData() const { return m_head ? m_head->m_data : nullptr; }

void* CTesselList::GetTailData() const { return m_tail ? m_tail->m_data : nullptr; }

void* CTesselList::GetPrevData(const void* data) {
  CTesselListElement* node = FindElement(data);
  return node && node->m_previous ? node->m_previous->m_data : nullptr;
}

void* CTesselList::GetNextData(const void* data) {
  CTesselListElement* node = FindElement(data);
  return node && node->m_next ? node->m_next->m_data : nullptr;
}

void* CTesselList::IterateFirst() {
  if (!m_iterationStack) {
    m_iterationStack = new (std::nothrow) CTesselList;
    if (!m_iterationStack) return nullptr;
  }
  CTesselListIterator* it = new (std::nothrow) CTesselListIterator(this);  // registers
  if (!it) return nullptr;
  if (!m_iterationStack->AddHead(it)) {
    delete it;
    return nullptr;
  }
  it->MoveFirst();
  void* data = it->GetData();
  m_current = it->GetCurrentElement();
  if (data) it->MoveNext();  // one node ahead: the caller may remove what it got
  return data;
}

void* CTesselList::IterateNext() {
  if (!m_iterationStack || !m_iterationStack->m_head) return nullptr;
  CTesselListIterator* it = static_cast<CTesselListIterator*>(m_iterationStack->m_head->m_data);
  void* data = it->GetData();
  m_current = it->GetCurrentElement();
  if (data) it->MoveNext();
  return data;
}

bool CTesselList::IterateEnd() {
  if (!m_iterationStack || !m_iterationStack->m_head) return false;
  CTesselListIterator* it = static_cast<CTesselListIterator*>(m_iterationStack->RemoveHead());
  delete it;
  return true;
}

CTesselListElement* CTesselList::GetCurrent() const { return m_current; }

CTesselListElement* CTesselList::GetElementAt(int index) {
  if (index < 0 || index >= m_count) return nullptr;
  if (!m_index) {
    CTesselListElement** array =
        static_cast<CTesselListElement**>(malloc(sizeof(CTesselListElement*) * m_count));
    if (!array) return nullptr;
    int i = 0;
    for (CTesselListElement* node = MoveFirst(); node && i < m_count; node = MoveNext())
      array[i++] = node;
    m_current = nullptr;  // the walk leaves the current node at null
    if (i != m_count) {
      free(array);
      return nullptr;
    }
    m_index = array;
  }
  return m_index[index];
}

int CTesselList::GetIteratorCount() const { return m_iterators ? m_iterators->m_count : 0; }

bool CTesselList::HasElementType() const { return m_elementType != nullptr; }

bool CTesselList::SwapData(const void* a, const void* b) {
  if (!a || !b || a == b) return false;
  CTesselListElement* first = FindElement(a);
  if (!first) return false;
  CTesselListElement* second = FindElement(b);
  if (!second) return false;
  void* data = first->m_data;
  first->m_data = second->m_data;
  second->m_data = data;
  return true;
}

bool CTesselList::SetAt(int index, void* data) {
  if (!data) return false;
  CTesselListElement* node = GetElementAt(index);
  if (!node) return false;
  node->m_data = data;
  return true;
}

ElementTypeCallback CTesselList::GetElementType() const { return m_elementType; }

bool CTesselList::SetElementType(ElementTypeCallback type) {
  if (m_elementType)
    DeleteAll();
  else
    RemoveAll();
  m_elementType = type;
  return true;
}

bool CTesselList::AddCopy(const void* value) { return AddNewCopy(value, false); }

bool CTesselList::AddHeadCopy(const void* value) { return AddNewCopy(value, true); }

bool CTesselList::AddNewCopy(const void* value, bool atHead) {
  if (!m_elementType) return false;
  void* item = nullptr;
  if (!m_elementType(ElementCreate, &item, nullptr) || !item) return false;
  if (!m_elementType(ElementCopy, &item, value) || !(atHead ? AddHead(item) : AddTail(item))) {
    m_elementType(ElementDestroy, &item, nullptr);
    return false;
  }
  return true;
}

bool CTesselList::Delete(const void* data) {
  if (!m_elementType) return false;
  CTesselListElement* node = FindElement(data);  // the first item of EQUAL value
  if (!node) return false;
  if (!m_elementType(ElementDestroy, &node->m_data, nullptr)) return false;
  UnlinkNode(node);
  RewindIterators();
  return true;
}

bool CTesselList::DeleteAll() {
  FreeIndex();
  if (m_count <= 0 || !m_elementType) return false;
  bool any = false;
  for (CTesselListElement* node = m_head; node; node = node->m_next) {
    if (m_elementType(ElementDestroy, &node->m_data, nullptr)) any = true;
    node->m_data = nullptr;
  }
  RemoveAll();
  return any;
}

bool CTesselList::AddCopyOrPointer(void* value) { return AddCopy(value) || AddTail(value); }

bool CTesselList::DeleteOrRemove(const void* data) { return Delete(data) || Remove(data); }

bool CTesselList::SetElementTypeInt32() { return SetElementType(Int32ElementType); }
bool CTesselList::SetElementTypeInt64() { return SetElementType(Int64ElementType); }
bool CTesselList::SetElementTypeDouble() { return SetElementType(DoubleElementType); }
bool CTesselList::SetElementTypeString() { return SetElementType(StringElementType); }

bool CTesselList::IsInt64Type() const { return m_elementType == Int64ElementType; }

bool CTesselList::RegisterIterator(CTesselListIterator* iterator) {
  if (!m_iterators) {
    m_iterators = new (std::nothrow) CTesselList;
    if (!m_iterators) return false;
  }
  return iterator && m_iterators->AddTail(iterator);
}

bool CTesselList::UnregisterIterator(CTesselListIterator* iterator) {
  if (!m_iterators || !iterator) return false;
  return m_iterators->Remove(iterator);
}

bool CTesselList::UnregisterAllIterators() {
  if (!m_iterators) return false;
  m_iterators->RemoveAll();
  return true;
}

void CTesselList::SetCurrent(CTesselListElement* node) { m_current = node; }

int CTesselList::GetIterationDepth() const {
  return m_iterationStack ? m_iterationStack->m_count : 0;
}

// ---------------------------------------------------------------- CTesselListIterator

CTesselListIterator::CTesselListIterator(CTesselList* list) : m_list(nullptr), m_current(nullptr) {
  Attach(list);
}

CTesselListIterator::CTesselListIterator(const CTesselListIterator& other)
    : m_list(nullptr), m_current(nullptr) {
  CopyFrom(other);
}

CTesselListIterator& CTesselListIterator::operator=(const CTesselListIterator& other) {
  CopyFrom(other);
  return *this;
}

CTesselListIterator::~CTesselListIterator() {
  if (m_list) m_list->UnregisterIterator(this);
  m_list = nullptr;
  m_current = nullptr;
}

CTesselList* CTesselListIterator::GetList() const { return m_list; }

bool CTesselListIterator::Attach(CTesselList* list) {
  if (m_list) m_list->UnregisterIterator(this);
  m_list = list;
  m_current = nullptr;
  if (!m_list) return false;
  m_list->RegisterIterator(this);
  MoveFirst();
  return true;
}

void* CTesselListIterator::MoveToIndex(int index) {
  if (!m_list) return nullptr;
  CTesselListElement* node = m_list->GetElementAt(index);
  if (!node) return nullptr;
  m_current = node;
  return node->m_data;
}

bool CTesselListIterator::Advance(int) { return MoveNext(); }

bool CTesselListIterator::MoveNext() {
  if (!m_list) return false;
  if (!m_current) return MoveFirst();
  m_current = m_current->m_next;
  return m_current != nullptr;
}

bool CTesselListIterator::StepBack(int) { return MovePrev(); }

bool CTesselListIterator::MovePrev() {
  if (!m_list) return false;
  if (!m_current) return MoveLast();
  m_current = m_current->m_previous;
  return m_current != nullptr;
}

void* CTesselListIterator::GetData() const { return m_current ? m_current->m_data : nullptr; }

bool CTesselListIterator::CopyFrom(const CTesselListIterator& other) {
  if (&other == this) return m_list != nullptr;
  Attach(other.m_list);
  m_current = other.m_current;
  return m_list != nullptr;
}

int CTesselListIterator::GetCount() const { return m_list ? m_list->GetCount() : 0; }

bool CTesselListIterator::MoveFirst() {
  if (!m_list) return false;
  m_current = m_list->MoveFirst();
  return m_current != nullptr;
}

bool CTesselListIterator::MoveLast() {
  if (!m_list) return false;
  m_current = m_list->GetTail();
  return m_current != nullptr;
}

bool CTesselListIterator::AddTail(void* data) { return m_list && m_list->AddTail(data); }

bool CTesselListIterator::AddHead(void* data) { return m_list && m_list->AddHead(data); }

bool CTesselListIterator::InsertAfterCurrent(void* data) {
  if (!m_list) return false;
  if (!m_current) MoveFirst();
  return m_list->InsertAfter(m_current, data);
}

bool CTesselListIterator::Remove(const void* data) {
  if (!m_list) return false;
  StepOffData(data);
  return m_list->Remove(data);
}

void* CTesselListIterator::RemoveHead() { return m_list ? m_list->RemoveHead() : nullptr; }

bool CTesselListIterator::RemoveAll() { return m_list && m_list->RemoveAll(); }

bool CTesselListIterator::AddCopy(const void* value) { return m_list && m_list->AddCopy(value); }

bool CTesselListIterator::AddHeadCopy(const void* value) {
  return m_list && m_list->AddHeadCopy(value);
}

bool CTesselListIterator::Delete(const void* data) {
  if (!m_list) return false;
  StepOffData(data);
  return m_list->Delete(data);
}

bool CTesselListIterator::DeleteAll() { return m_list && m_list->DeleteAll(); }

CTesselListElement* CTesselListIterator::GetCurrentElement() const { return m_current; }

bool CTesselListIterator::StepOffData(const void* data) {
  if (!m_list) return false;
  CTesselListElement* node = m_list->FindElement(data);
  if (!node) return false;
  m_current = node->m_next ? node->m_next : node->m_previous;
  return true;
}
