// CDocTemplate and CMultiDocTemplate: the strings and resources of a kind of document.
#include <afxwin.h>

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource),
      m_pDocClass(pDocClass),
      m_pFrameClass(pFrameClass),
      m_pViewClass(pViewClass) {}

CDocTemplate::~CDocTemplate() {}

void CDocTemplate::LoadTemplate() {
  if (m_strDocStrings.IsEmpty()) m_strDocStrings.LoadString(m_nIDResource);
}

BOOL CDocTemplate::GetDocString(CString& rString, enum DocStringIndex index) const {
  return AfxExtractSubString(rString, m_strDocStrings, static_cast<int>(index));
}

void CDocTemplate::AddDocument(CDocument* pDoc) { pDoc->m_pDocTemplate = this; }

void CDocTemplate::RemoveDocument(CDocument* pDoc) {
  if (pDoc->m_pDocTemplate == this) pDoc->m_pDocTemplate = nullptr;
}

// CMultiDocTemplate ----------------------------------------------------------------------

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                                     CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass),
      m_hMenuShared(nullptr),
      m_hAccelTable(nullptr) {}

CMultiDocTemplate::~CMultiDocTemplate() {
  // Documents that outlive the template forget it.
  while (!m_docList.IsEmpty()) RemoveDocument(static_cast<CDocument*>(m_docList.GetHead()));
  if (m_hMenuShared != nullptr) ::DestroyMenu(m_hMenuShared);
}

void CMultiDocTemplate::LoadTemplate() {
  CDocTemplate::LoadTemplate();
  LPCTSTR lpszName = MAKEINTRESOURCE(m_nIDResource);
  if (m_hMenuShared == nullptr)
    m_hMenuShared = ::LoadMenu(AfxFindResourceHandle(lpszName, RT_MENU), lpszName);
  if (m_hAccelTable == nullptr)
    m_hAccelTable = ::LoadAccelerators(AfxFindResourceHandle(lpszName, RT_ACCELERATOR), lpszName);
}

void CMultiDocTemplate::AddDocument(CDocument* pDoc) {
  CDocTemplate::AddDocument(pDoc);
  m_docList.AddTail(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc) {
  CDocTemplate::RemoveDocument(pDoc);
  if (POSITION pos = m_docList.Find(pDoc)) m_docList.RemoveAt(pos);
}

// The application's templates ------------------------------------------------------------

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate) {
  pTemplate->LoadTemplate();
  m_templateList.AddTail(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const { return m_templateList.GetHeadPosition(); }

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const {
  return static_cast<CDocTemplate*>(m_templateList.GetNext(pos));
}

void CWinApp::DeleteDocTemplates() {
  while (!m_templateList.IsEmpty()) delete static_cast<CDocTemplate*>(m_templateList.RemoveHead());
}
