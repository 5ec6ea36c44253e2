// CTKCommandBars: which document template's controls an MDI frame shows.
#include "commandbars/TKCommandBars.h"

#include <afxdocview.h>

#include "TKDocTemplates.h"

namespace {

/// Reads a template's resource id, which the template keeps to itself.
class CDocTemplateId : public CDocTemplate {
 public:
  static UINT Of(const CDocTemplate* pTemplate) {
    return static_cast<const CDocTemplateId*>(pTemplate)->m_nIDResource;
  }
};

BOOL ApplicationHasTemplate(UINT nId) { return TKFindDocTemplate(nId) != nullptr; }

}  // namespace

CDocTemplate* TKFindDocTemplate(UINT nIDResource) {
  CWinApp* pApp = AfxGetApp();
  if (pApp == nullptr) return nullptr;
  for (POSITION pos = pApp->GetFirstDocTemplatePosition(); pos != NULL;) {
    CDocTemplate* pTemplate = pApp->GetNextDocTemplate(pos);
    if (pTemplate != nullptr && CDocTemplateId::Of(pTemplate) == nIDResource) return pTemplate;
  }
  return nullptr;
}

UINT CTKCommandBars::GetActiveDocTemplate() const {
  CMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, m_pFrame);
  if (pFrame == nullptr || pFrame->GetSafeHwnd() == NULL) return 0;
  CMDIChildWnd* pChild = pFrame->MDIGetActive();
  if (pChild == nullptr) return m_nDefaultDocTemplate;
  CDocument* pDocument = pChild->GetActiveDocument();
  if (pDocument == nullptr) return pChild->m_nIDHelp;
  CMultiDocTemplate* pTemplate = DYNAMIC_DOWNCAST(CMultiDocTemplate, pDocument->GetDocTemplate());
  if (pTemplate == nullptr) return 0;
  const UINT nTemplateId = CDocTemplateId::Of(pTemplate);
  // A child frame may be made for another template's resources than its
  // document's: its own id names the controls it shows.
  const UINT nChildId = pChild->m_nIDHelp;
  if (nChildId != 0 && nChildId != nTemplateId)
    return ApplicationHasTemplate(nChildId) ? nChildId : 0;
  return nTemplateId;
}
