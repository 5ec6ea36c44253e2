// CVelmoranApp: the program's application object.
#pragma once

#include <afxwin.h>

#include "foundation/TesselString.h"

/// Opens the main window, acts on the command line ("-execute" or "-load"
/// with a build file, or a bare build-file path) and hands the result of the
/// last run to the system as the process exit code. One per program; UI thread.
class CVelmoranApp : public CWinApp {
  DECLARE_DYNAMIC(CVelmoranApp)

 public:
  CVelmoranApp();

  /// The frame from resource 5001, shown; then the command line. The
  /// result is the base's.
  BOOL InitInstance() override;
  /// The base's result when it is not 0, else the exit code of the last run.
  int ExitInstance() override;
  /// Acts on `commandLine` (the whole process command line, program included).
  void ProcessCommandLine(const CTesselString& commandLine);

  /// 0 while no run took place or the last one succeeded; 1 after a failed or
  /// cancelled run. The run drivers write it through the frame.
  void SetExitCode(int code) { m_nExitCode = code; }
  int GetExitCode() const { return m_nExitCode; }

  /// The application object when the program's is a CVelmoranApp; null in
  /// programs (tests, the gallery) with another.
  static CVelmoranApp* GetCurrent();

 private:
  int m_nExitCode;
};
