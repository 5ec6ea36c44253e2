// What the themes read of the Windows version and the system's menu look:
// one seam, so that tests choose the answers.
#pragma once

#include <afxwin.h>

/// The real system; tests derive their own and install it with
/// TKSetThemesSystem. UI thread only.
class CTKThemesSystem {
 public:
  virtual ~CTKThemesSystem() {}
  /// Windows Vista or later.
  virtual BOOL IsWinVistaOrGreater();
  /// SPI_GETFLATMENU: whether menus are drawn flat; FALSE when it cannot tell.
  virtual BOOL IsFlatMenuEnabled();
};

/// The installed system, the real one when none is.
CTKThemesSystem* TKThemesSystem();
/// Installs `pSystem` (not owned; null: the real system again).
void TKSetThemesSystem(CTKThemesSystem* pSystem);
