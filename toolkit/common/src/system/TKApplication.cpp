// The application object and its shutdown passes.
#include "common/TKApplication.h"

#include <afxdisp.h>

IMPLEMENT_DYNAMIC(CTKApplication, CObject)

namespace {

CTKApplication& ApplicationObject() {
  static CTKApplication s_application;
  return s_application;
}

// Made before any singleton, so that its exit-time destructor runs after
// theirs and the shutdown passes reach only what is still alive then.
const CTKApplication* const g_pStartupApplication = TKApplication();

}  // namespace

CTKApplication::CTKApplication() : m_bShutdown(FALSE) {}

CTKApplication::~CTKApplication() {
  // This runs at exit: an observer's exception must not end the process
  // before the remaining exit work is done.
  try {
    ShutdownApplication();
  } catch (CException* e) {
    e->Delete();
  }
  m_arrObservers.RemoveAll();
}

void CTKApplication::RegisterObserver(ITKApplicationEvents* pObserver) {
  WriteLockGuard guard(*this);
  AddObserver(pObserver);
}

void CTKApplication::UnregisterObserver(const ITKApplicationEvents* pObserver) {
  WriteLockGuard guard(*this);
  RemoveObserver(pObserver);
}

void CTKApplication::Shutdown() {
  if (m_bShutdown) return;
  NotifyObservers(&ITKApplicationEvents::OnBeforeApplicationShutdown);
  NotifyObservers(&ITKApplicationEvents::OnApplicationShutdown);
  m_bShutdown = TRUE;
}

CTKApplication* TKApplication() {
  CTKApplication& application = ApplicationObject();
  if (application.IsShutdown()) AfxThrowOleException(E_FAIL);
  return &application;
}

void ShutdownApplication() {
  // Not TKApplication(): a shut-down application must not make this throw
  // (the application's destructor calls it).
  static CTKApplication* s_pApplication = &ApplicationObject();
  if (s_pApplication == nullptr) return;
  CTKApplication* pApplication = s_pApplication;
  s_pApplication = nullptr;
  pApplication->Shutdown();
}
