// Velmoran.exe started by a test.
#include "SupportVelmoranChild.h"

#include "app/AppResources.h"
#include "testsupport/TestProcess.h"

namespace {

const int kLogControlId = 399;

std::string ClipboardText() {
  std::string text;
  if (!::OpenClipboard(NULL)) return text;
  HANDLE data = ::GetClipboardData(CF_TEXT);
  const char* chars = data != NULL ? static_cast<const char*>(::GlobalLock(data)) : nullptr;
  if (chars != nullptr) {
    text = chars;
    ::GlobalUnlock(data);
  }
  ::CloseClipboard();
  return text;
}

}  // namespace

CVelmoranChild::CVelmoranChild(const std::string& arguments) {
  STARTUPINFOA startup = {sizeof(startup)};
  std::string command = "\"" + PathBesideThisProgram("Velmoran.exe") + "\"";
  if (!arguments.empty()) command += " " + arguments;
  m_started = ::CreateProcessA(NULL, &command[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup,
                               &m_process) != FALSE;
}

CVelmoranChild::~CVelmoranChild() {
  if (!m_started) return;
  if (IsRunning()) ::TerminateProcess(m_process.hProcess, 99);
  ::CloseHandle(m_process.hThread);
  ::CloseHandle(m_process.hProcess);
}

bool CVelmoranChild::WaitForIdle() {
  return m_started && ::WaitForInputIdle(m_process.hProcess, kTimeoutMs) == 0;
}

HWND CVelmoranChild::FindFrame() {
  HWND frame = NULL;
  if (!m_started) return frame;
  ::EnumThreadWindows(
      m_process.dwThreadId,
      [](HWND hWnd, LPARAM found) {
        char title[16] = "";
        ::GetWindowTextA(hWnd, title, sizeof(title));
        if (std::string(title).compare(0, 8, "Velmoran") == 0 && ::IsWindowVisible(hWnd))
          *reinterpret_cast<HWND*>(found) = hWnd;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&frame));
  return frame;
}

DWORD CVelmoranChild::WaitForExit() {
  if (!m_started || ::WaitForSingleObject(m_process.hProcess, kTimeoutMs) != WAIT_OBJECT_0)
    return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  ::GetExitCodeProcess(m_process.hProcess, &code);
  return code;
}

bool CVelmoranChild::IsRunning() {
  return m_started && ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

std::string CVelmoranChild::WaitForLastLogLine(HWND frame, const std::string& last) {
  HWND log = NULL;
  ::EnumChildWindows(
      frame,
      [](HWND hWnd, LPARAM found) {
        if (::GetDlgCtrlID(hWnd) == kLogControlId) *reinterpret_cast<HWND*>(found) = hWnd;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&log));
  std::string text;
  const DWORD start = ::GetTickCount();
  while (log != NULL && ::GetTickCount() - start < kTimeoutMs) {
    DWORD_PTR ignored = 0;
    if (!::SendMessageTimeoutA(log, WM_COMMAND, ID_COPY_LOG_TO_CLIPBOARD, 0, SMTO_ABORTIFHUNG, kTimeoutMs,
                               &ignored))
      break;
    text = ClipboardText();
    const size_t end = text.rfind("\r\n");
    if ((end == std::string::npos ? text : text.substr(end + 2)) == last) return text;
  }
  return text;
}
