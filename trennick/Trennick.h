#pragma once

#include <windows.h>

#include "foundation/TesselString.h"

/// The installation helper's work: checks a target folder, tests for the run-time
/// package and saves or restores the user's settings file. Holds no state.
class CTrennick {
 public:
  /// Nothing to set up; main keeps one on its stack while it handles a switch.
  CTrennick() = default;
  /// Virtual so that a derived helper may be deleted through this type.
  virtual ~CTrennick() = default;

  /// Handles argv[1] (compared exactly) and answers the process exit code:
  /// 1 only for a refused folder or a missing run-time, 0 otherwise.
  int Run(int argc, char* argv[]);

  /// "c:\Temp", created first when it is missing.
  CTesselString CreateTempFolder();
  /// The backup folder "c:\Temp\VMConfig\" (creates "c:\Temp", not the backup folder).
  CTesselString GetConfigBackupFolder();

  /// True when the setup may run from the path; a refusal is shown to the user.
  bool CheckInstallFolder(const char* path);
  /// Copies the user's settings file into the backup folder; true when copied.
  bool SaveConfiguration();
  /// Copies the backed-up settings file back to the user's folder; true when copied.
  /// The backup is only removed once nothing in it can be lost.
  bool RestoreConfiguration();

  /// True when an uninstall entry, in either registry view, has this display
  /// name as a whole (ignoring case).
  bool IsProgramInstalled(const CTesselString& displayName);
  /// True when the "Microsoft Visual C++ 2005 Redistributable" is installed.
  bool IsRedistributableInstalled();

 private:
  static bool ContainsSystemFolder(const CTesselString& path);
  static void ShowRefusal(const char* text, const char* caption);
  static bool HasDisplayName(HKEY uninstall, const char* subkey, const char* displayName,
                             REGSAM view);
  static bool IsProgramInstalledInView(const char* displayName, REGSAM view);
};
