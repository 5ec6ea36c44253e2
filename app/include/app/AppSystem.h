// What the application asks of the system beyond its windows: the modal
// message box and the folder of its settings file. One seam, so that tests
// script the answers instead of waiting on a dialog or writing into the
// user's own settings.
#pragma once

#include <afxwin.h>

#include "foundation/TesselString.h"

class CDialog;
class CMessageBoxDialog;
struct CUpdateRelease;

/// The real system; tests derive their own and install it with AppSetSystem.
/// UI thread only.
class CAppSystem {
 public:
  virtual ~CAppSystem() {}

  /// Runs the box modally and returns its answer (the box's result member).
  virtual int RunMessageBox(CMessageBoxDialog* pBox);
  /// The per-user folder of the settings file, with a trailing backslash
  /// (not created); empty when it cannot be had.
  virtual CTesselString GetSettingsFolder();

  // Modal dialogs and the update service -------------------------------------------
  /// Runs the dialog modally (DoModal) and returns its result.
  virtual INT_PTR RunDialog(CDialog* pDialog);
  /// Asks the product's update service about the release after
  /// `installedVersion`; false when it cannot be reached or its answer is not
  /// understood (`pRelease` is then empty and not available).
  virtual bool QueryUpdate(CTesselString installedVersion, CUpdateRelease* pRelease);
  /// The folder an update installer is saved in (string 6028), no trailing backslash.
  virtual CTesselString GetUpdateFolder();
};

/// The installed system, the real one when none is.
CAppSystem* AppSystem();
/// Installs `pSystem` (not owned; null: the real system again).
void AppSetSystem(CAppSystem* pSystem);
