// COleDocument and its items: which items a document holds and which is active in a view.
#include "afxole.h"

IMPLEMENT_DYNAMIC(CDocItem, CCmdTarget)
IMPLEMENT_DYNAMIC(COleDocument, CDocument)
IMPLEMENT_DYNAMIC(COleClientItem, CDocItem)
IMPLEMENT_DYNAMIC(COleDocObjectItem, COleClientItem)

CDocItem::CDocItem() : m_pDocument(nullptr) {}

CDocItem::~CDocItem() {
  if (m_pDocument != nullptr) m_pDocument->RemoveItem(this);
}

CDocument* CDocItem::GetDocument() const { return m_pDocument; }

COleDocument::COleDocument() {}

COleDocument::~COleDocument() {
  while (!m_docItemList.IsEmpty()) delete static_cast<CDocItem*>(m_docItemList.GetHead());
}

void COleDocument::AddItem(CDocItem* pItem) {
  if (pItem->m_pDocument == this) return;
  if (pItem->m_pDocument != nullptr) pItem->m_pDocument->RemoveItem(pItem);
  m_docItemList.AddTail(pItem);
  pItem->m_pDocument = this;
}

void COleDocument::RemoveItem(CDocItem* pItem) {
  if (POSITION pos = m_docItemList.Find(pItem)) m_docItemList.RemoveAt(pos);
  if (pItem->m_pDocument == this) pItem->m_pDocument = nullptr;
}

COleClientItem* COleDocument::GetNextClientItem(POSITION& pos) const {
  while (pos != nullptr) {
    CDocItem* pItem = GetNextItem(pos);
    if (pItem->IsKindOf(RUNTIME_CLASS(COleClientItem))) return static_cast<COleClientItem*>(pItem);
  }
  return nullptr;
}

COleClientItem* COleDocument::GetInPlaceActiveItem(CWnd* pWnd) {
  POSITION pos = GetStartPosition();
  while (COleClientItem* pItem = GetNextClientItem(pos)) {
    if (pItem->IsInPlaceActive() && static_cast<CWnd*>(pItem->m_pView) == pWnd) return pItem;
  }
  return nullptr;
}

COleClientItem::COleClientItem(COleDocument* pContainerDoc)
    : m_nItemState(emptyState), m_pView(nullptr) {
  if (pContainerDoc != nullptr) pContainerDoc->AddItem(this);
}

COleDocObjectItem::COleDocObjectItem(COleDocument* pContainerDoc) : COleClientItem(pContainerDoc) {}
