// Velmoran.exe started by a test: its window, its log and its exit code.
#pragma once

#include <windows.h>

#include <string>

/// One Velmoran.exe from the test program's folder, started with arguments;
/// terminated at the end if it is still there.
class CVelmoranChild {
 public:
  static const DWORD kTimeoutMs = 60000;

  explicit CVelmoranChild(const std::string& arguments);
  ~CVelmoranChild();
  bool Started() const { return m_started; }

  /// Until the program first waits for input (its window is up by then).
  bool WaitForIdle();
  /// Its visible window whose title begins with "Velmoran"; null when none.
  HWND FindFrame();
  /// The exit code once it has ended by itself within the time; STILL_ACTIVE otherwise.
  DWORD WaitForExit();
  bool IsRunning();

  /// The log's text through its Copy command, once its last line is `last`
  /// (a run may still be going when it is first asked); what it held last
  /// when that does not come in time. Other programs may use the clipboard
  /// meanwhile: each answer is looked at afresh.
  std::string WaitForLastLogLine(HWND frame, const std::string& last);

 private:
  CVelmoranChild(const CVelmoranChild&) = delete;
  CVelmoranChild& operator=(const CVelmoranChild&) = delete;

  bool m_started = false;
  PROCESS_INFORMATION m_process = {};
};
