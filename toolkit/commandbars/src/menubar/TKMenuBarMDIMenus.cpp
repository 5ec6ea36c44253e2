// CTKMenuBarMDIMenus and CTKMenuBarMDIMenuInfo: the customised menus a menu
// bar keeps per document template.
#include "commandbars/TKMenuBar.h"

#include <afxdocview.h>

#include "TKDocTemplates.h"
#include "commandbars/TKControls.h"

// CTKMenuBarMDIMenuInfo -----------------------------------------------------------------

CTKMenuBarMDIMenuInfo::CTKMenuBarMDIMenuInfo(CTKCommandBars* pCommandBars, UINT nIDResource)
    : m_pControls(new CTKControls),
      m_hIcon(NULL),
      m_nIDResource(nIDResource),
      m_bChanged(FALSE) {
  m_pControls->SetCommandBars(pCommandBars);
  if (CDocTemplate* pTemplate = TKFindDocTemplate(nIDResource)) {
    pTemplate->GetDocString(m_strDocName, CDocTemplate::docName);
    pTemplate->GetDocString(m_strFileTypeName, CDocTemplate::regFileTypeId);
  }
  m_hIcon = static_cast<HICON>(::LoadImage(AfxFindResourceHandle(MAKEINTRESOURCE(nIDResource),
                                                                 RT_GROUP_ICON),
                                           MAKEINTRESOURCE(nIDResource), IMAGE_ICON, 0, 0,
                                           LR_DEFAULTSIZE));
}

CTKMenuBarMDIMenuInfo::~CTKMenuBarMDIMenuInfo() {
  if (m_hIcon != NULL) ::DestroyIcon(m_hIcon);
  m_pControls->InternalRelease();
}

// CTKMenuBarMDIMenus ---------------------------------------------------------------------

CTKMenuBarMDIMenus::CTKMenuBarMDIMenus(CTKMenuBar* pMenuBar) : m_map(10), m_pMenuBar(pMenuBar) {}

CTKMenuBarMDIMenus::~CTKMenuBarMDIMenus() { RemoveAll(); }

CTKMenuBarMDIMenuInfo* CTKMenuBarMDIMenus::Lookup(UINT nIDResource) const {
  CTKMenuBarMDIMenuInfo* pInfo = nullptr;
  return m_map.Lookup(nIDResource, pInfo) ? pInfo : nullptr;
}

void CTKMenuBarMDIMenus::SetAt(UINT nIDResource, CTKMenuBarMDIMenuInfo* pInfo) {
  CTKMenuBarMDIMenuInfo* pOld = Lookup(nIDResource);
  m_map.SetAt(nIDResource, pInfo);
  if (pOld != nullptr && pOld != pInfo) pOld->InternalRelease();
}

void CTKMenuBarMDIMenus::Remove(UINT nIDResource) {
  CTKMenuBarMDIMenuInfo* pInfo = Lookup(nIDResource);
  if (pInfo == nullptr) return;
  m_map.RemoveKey(nIDResource);
  pInfo->InternalRelease();
}

void CTKMenuBarMDIMenus::RemoveAll() {
  for (POSITION pos = m_map.GetStartPosition(); pos != NULL;) GetNext(pos)->InternalRelease();
  m_map.RemoveAll();
}

CTKMenuBarMDIMenuInfo* CTKMenuBarMDIMenus::GetNext(POSITION& pos) const {
  UINT nId = 0;
  CTKMenuBarMDIMenuInfo* pInfo = nullptr;
  m_map.GetNextAssoc(pos, nId, pInfo);
  return pInfo;
}
