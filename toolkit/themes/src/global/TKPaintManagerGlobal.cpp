// CTKPaintManagerBase: the global paint manager, its holders and how a theme
// is installed in its place.
#include "TKGlobalTheme.h"
#include "common/TKColorManager.h"
#include "common/TKResourceImages.h"
#include "themes/TKMessageBarPaintManager.h"
#include "themes/TKPaintManagerBase.h"

namespace {

// What installing does to a theme before it draws, whether it replaces the
// global one or becomes the first.
void ReadyTheme(CTKPaintManagerBase* pTheme) {
  TKColorManager()->ResetCustomColors();
  pTheme->m_nThemeId = 10;
  pTheme->RefreshMetrics();
  RefreshToolkitColors(FALSE);
}

// The theme texts of the Office 2010 looks bring their own message bar. The
// search is case-sensitive: a name given as "Office2010Silver.INI" does not
// ask for it.
void ApplyThemeTextMessageBar(CTKPaintManagerBase* pTheme) {
  if (TKResourceImages()->GetIniName().Find("OFFICE2010") < 0) return;
  CTKMessageBarPaintManager* pMessageBar = new CTKMessageBarThemeOffice2010(pTheme);
  pTheme->SetMessageBarPaintManager(pMessageBar);
  pMessageBar->RefreshMetrics();
}

}  // namespace

CTKPaintManagerBase* TKCreateReadyTheme(int nTheme) {
  CTKPaintManagerBase* pTheme = CTKPaintManagerBase::CreateThemeById(nTheme);
  ReadyTheme(pTheme);
  pTheme->m_nThemeId = nTheme;
  ApplyThemeTextMessageBar(pTheme);
  return pTheme;
}

CTKPaintManager* AFX_CDECL CTKPaintManagerBase::AddRefGlobal() {
  // The command bars make the first one through the factory this library
  // installs (TKCreateReadyTheme of id 0).
  CTKPaintManager::AddRefGlobal();
  return GetGlobal();
}

int AFX_CDECL CTKPaintManagerBase::ReleaseGlobal() {
  if (GetGlobal() == nullptr) return 0;
  CTKPaintManager::ReleaseGlobal();
  return GetGlobalRefCount();
}

void AFX_CDECL CTKPaintManagerBase::SetCustomTheme(CTKPaintManagerBase* pPaintManager) {
  CTKPaintManager* pOld = GetGlobal();
  // The holders stay with the global slot, so the new theme takes them over
  // as it is, and installing the global theme again keeps it alive.
  SetGlobal(pPaintManager);
  ReadyTheme(pPaintManager);
  // Without a theme before, the count of the new one's construction stands
  // for one reference, which nothing releases.
  if (pOld == nullptr) CTKPaintManager::AddRefGlobal();
}

void AFX_CDECL CTKPaintManagerBase::ApplyThemeById(int nTheme) {
  CTKPaintManagerBase* pTheme = CreateThemeById(nTheme);
  SetCustomTheme(pTheme);
  pTheme->m_nThemeId = nTheme;
  ApplyThemeTextMessageBar(pTheme);
}
