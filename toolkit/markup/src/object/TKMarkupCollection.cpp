// CTKMarkupCollection: typed, ordered, reference-holding lists of markup
// objects and their script members.
#include "TKMarkupCollection.h"

#include "markup/TKMarkupBuilder.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupCollection, TKMarkupRow_Collection)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupCollection)

BEGIN_DISPATCH_MAP(CTKMarkupCollection, CTKMarkupObject)
DISP_PROPERTY_EX_ID(CTKMarkupCollection, "Count", 1, DispGetCount, SetNotSupported, VT_I4)
DISP_FUNCTION_ID(CTKMarkupCollection, "Item", DISPID_VALUE, DispItem, VT_DISPATCH, VTS_I4)
DISP_FUNCTION_ID(CTKMarkupCollection, "Add", 2, DispAdd, VT_EMPTY, VTS_DISPATCH)
DISP_FUNCTION_ID(CTKMarkupCollection, "Insert", 3, DispInsert, VT_EMPTY, VTS_I4 VTS_DISPATCH)
DISP_FUNCTION_ID(CTKMarkupCollection, "Clear", 4, DispClear, VT_EMPTY, VTS_NONE)
DISP_FUNCTION_ID(CTKMarkupCollection, "RemoveAt", 5, DispRemoveAt, VT_EMPTY, VTS_I4)
END_DISPATCH_MAP()

CTKMarkupCollection::CTKMarkupCollection(CTKMarkupType* pElementType, BOOL bParentItems)
    : m_pElementType(pElementType), m_bParentItems(bParentItems) {}

CTKMarkupCollection::~CTKMarkupCollection() { RemoveAll(); }

CTKMarkupType* CTKMarkupCollection::GetElementType() const {
  return m_pElementType != nullptr ? m_pElementType : CTKMarkupObject::StaticType();
}

BOOL CTKMarkupCollection::Insert(int nIndex, CTKMarkupObject* pItem) {
  if (pItem == nullptr) return FALSE;
  if (!pItem->IsKindOf(GetElementType())) {
    pItem->Release();
    return FALSE;
  }
  if (m_bParentItems) pItem->SetParent(this);
  if (nIndex < 0 || nIndex > GetCount()) nIndex = GetCount();
  m_items.insert(m_items.begin() + nIndex, pItem);
  OnItemAdded(pItem, nIndex);
  OnChanged();
  return TRUE;
}

void CTKMarkupCollection::RemoveAt(int nIndex) {
  if (nIndex < 0) AfxThrowInvalidArgException();
  if (nIndex >= GetCount()) return;
  CTKMarkupObject* pItem = m_items[nIndex];
  m_items.erase(m_items.begin() + nIndex);
  if (m_bParentItems && pItem->GetParent() == this) pItem->SetParent(nullptr);
  pItem->Release();
  OnChanged();
}

void CTKMarkupCollection::RemoveAll() {
  std::vector<CTKMarkupObject*> items;
  items.swap(m_items);
  for (CTKMarkupObject* pItem : items) {
    if (m_bParentItems && pItem->GetParent() == this) pItem->SetParent(nullptr);
    pItem->Release();
  }
  OnChanged();
}

CTKMarkupObject* CTKMarkupCollection::GetItem(int nIndex) const {
  if (nIndex < 0 || nIndex >= GetCount()) AfxThrowInvalidArgException();
  return m_items[nIndex];
}

int CTKMarkupCollection::IndexOf(const CTKMarkupObject* pItem) const {
  for (int i = 0; i < GetCount(); ++i) {
    if (m_items[i] == pItem) return i;
  }
  return -1;
}

void CTKMarkupCollection::SetContentObject(CTKMarkupBuilder*, CTKMarkupObject* pContent) {
  if (pContent == nullptr) return;
  if (!pContent->IsKindOf(GetElementType())) {
    CTKMarkupBuilder::ThrowBuilderError(
        "'%ls' object cannot be added to '%ls'. Object cannot be converted to type '%ls'",
        pContent->GetType()->GetClassName(), GetType()->GetClassName(),
        GetElementType()->GetClassName());
  }
  pContent->AddRef();
  Add(pContent);
}

void CTKMarkupCollection::OnItemAdded(CTKMarkupObject*, int) {}

void CTKMarkupCollection::OnChanged() {}

// Script members ----------------------------------------------------------------------

LPDISPATCH CTKMarkupCollection::DispItem(long nIndex) {
  if (nIndex < 0 || nIndex >= GetCount()) return nullptr;
  return m_items[nIndex]->GetIDispatch(TRUE);
}

void CTKMarkupCollection::DispAdd(LPDISPATCH pItem) { DispInsert(GetCount(), pItem); }

void CTKMarkupCollection::DispInsert(long nIndex, LPDISPATCH pItem) {
  if (pItem == nullptr) AfxThrowOleException(E_INVALIDARG);
  Insert(nIndex, MarkupObjectFromDispatch(pItem, TRUE));
}
