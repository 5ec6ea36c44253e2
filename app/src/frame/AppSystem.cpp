// CAppSystem: the real message box and settings folder.
#include "app/AppSystem.h"

#include "app/MessageBoxDialog.h"
#include "foundation/FileUtilities.h"

namespace {

CAppSystem* g_pSystem = nullptr;

}  // namespace

int CAppSystem::RunMessageBox(CMessageBoxDialog* pBox) {
  pBox->DoModal();
  return pBox->m_nResult;
}

CTesselString CAppSystem::GetSettingsFolder() { return GetUserAppDataFolder(); }

INT_PTR CAppSystem::RunDialog(CDialog* pDialog) { return pDialog->DoModal(); }

CAppSystem* AppSystem() {
  static CAppSystem real;
  return g_pSystem != nullptr ? g_pSystem : &real;
}

void AppSetSystem(CAppSystem* pSystem) { g_pSystem = pSystem; }
