// CTKThemesSystem: the Windows version and the menu look, asked of Windows.
#include "themes/TKThemesSystem.h"

#include "common/TKOSVersionHelper.h"

namespace {

CTKThemesSystem* g_pInstalled = nullptr;

}  // namespace

BOOL CTKThemesSystem::IsWinVistaOrGreater() { return TKOSVersionHelper()->IsWinVistaOrGreater(); }

BOOL CTKThemesSystem::IsFlatMenuEnabled() {
  BOOL bFlat = FALSE;
  // SPI_GETFLATMENU, named by number for headers that predate it.
  if (!::SystemParametersInfoA(0x1022, 0, &bFlat, 0)) return FALSE;
  return bFlat;
}

CTKThemesSystem* TKThemesSystem() {
  static CTKThemesSystem s_real;
  return g_pInstalled != nullptr ? g_pInstalled : &s_real;
}

void TKSetThemesSystem(CTKThemesSystem* pSystem) { g_pInstalled = pSystem; }
