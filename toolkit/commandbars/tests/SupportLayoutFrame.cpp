#include "SupportLayoutFrame.h"

#include <afxpriv.h>

#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKDockBar.h"

BOOL CLayoutSite::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (nID == TKID_CUSTOMIZE && nCode == CN_COMMAND) return TRUE;
  return CTestSite::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

CLayoutFrame::CLayoutFrame() {
  m_site.CreateHost(600, 400);
  m_pBars = new CTKCommandBars;
  m_pBars->SetSite(&m_site);
  m_pBars->CreateDockBars();
}

CLayoutFrame::~CLayoutFrame() { m_pBars->InternalRelease(); }

CTKToolBar* CLayoutFrame::AddBar(UINT nId, int nPosition, const std::vector<int>& ids) {
  CString strTitle;
  strTitle.Format("Bar %u", nId);
  CTKToolBar* pBar = m_pBars->Add(strTitle, nPosition);
  if (pBar == nullptr) return nullptr;
  pBar->SetBarID(nId);
  for (int nControlId : ids) pBar->GetControls()->AddNew(tkControlButton, nControlId);
  pBar->GetControls()->CreateOriginalControls();
  return pBar;
}

std::vector<int> CLayoutFrame::Ids(CTKCommandBar* pBar) {
  std::vector<int> ids;
  for (int i = 0; i < pBar->GetControlCount(); ++i) ids.push_back(pBar->GetControl(i)->GetID());
  return ids;
}

std::vector<UINT> CLayoutFrame::Rows(int nSide) const {
  std::vector<UINT> rows;
  CTKDockBar* pDock = m_pBars->GetDockBar(nSide);
  for (int i = 0; i < pDock->GetEntryCount(); ++i)
    rows.push_back(pDock->GetEntry(i) != nullptr ? pDock->GetEntry(i)->GetBarID() : 0);
  return rows;
}

void CLayoutFrame::LayOut() { m_site.RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST); }

CTestProfile::CTestProfile(CWinApp* pApp, const std::string& iniPath, const char* pszCompany)
    : m_pApp(pApp), m_iniPath(iniPath), m_company(pszCompany) {
  m_pApp->m_pszProfileName = m_iniPath.c_str();
  m_pApp->m_pszRegistryKey = nullptr;
}

CTestProfile::~CTestProfile() {
  if (IsRegistry()) {
    HKEY hSoftware = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &hSoftware) ==
        ERROR_SUCCESS) {
      m_pApp->DelRegTree(hSoftware, m_company.c_str());
      ::RegCloseKey(hSoftware);
    }
  }
  m_pApp->m_pszRegistryKey = nullptr;
  m_pApp->m_pszProfileName = nullptr;
}

void CTestProfile::UseRegistry(BOOL bRegistry) {
  if (bRegistry) {
    m_pApp->m_pszProfileName = "Layouts";
    m_pApp->m_pszRegistryKey = m_company.c_str();
  } else {
    m_pApp->m_pszRegistryKey = nullptr;
    m_pApp->m_pszProfileName = m_iniPath.c_str();
  }
}

int CTestProfile::Int(const CString& strSection, const char* pszEntry, int nDefault) const {
  return static_cast<int>(m_pApp->GetProfileInt(strSection, pszEntry, nDefault));
}
