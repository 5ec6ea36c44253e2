// CDocument: a document's title, path, template and the views that show it.
#include <afxwin.h>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

CDocument::CDocument() : m_pDocTemplate(nullptr), m_bModified(FALSE) {}

CDocument::~CDocument() {
  // Views that outlive their document must not point at it.
  while (!m_viewList.IsEmpty()) RemoveView(static_cast<CView*>(m_viewList.GetHead()));
  if (m_pDocTemplate != nullptr) m_pDocTemplate->RemoveDocument(this);
}

void CDocument::AddView(CView* pView) {
  if (pView->m_pDocument == this) return;
  if (pView->m_pDocument != nullptr) pView->m_pDocument->RemoveView(pView);
  m_viewList.AddTail(pView);
  pView->m_pDocument = this;
}

void CDocument::RemoveView(CView* pView) {
  if (POSITION pos = m_viewList.Find(pView)) m_viewList.RemoveAt(pos);
  if (pView->m_pDocument == this) pView->m_pDocument = nullptr;
}
