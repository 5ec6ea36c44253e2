#include "testsupport/HostWindow.h"

const char CTestHostWindow::kClassName[] = "VelmTestHost";

namespace {

BOOL RegisterHostClass() {
  WNDCLASS wc = {};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = ::DefWindowProc;  // the layer subclasses it when it creates one
  wc.hInstance = AfxGetInstanceHandle();
  wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = CTestHostWindow::kClassName;
  return AfxRegisterClass(&wc);
}

}  // namespace

BOOL CTestHostWindow::CreateHost(int width, int height) {
  if (!RegisterHostClass()) return FALSE;
  return CreateEx(0, kClassName, "test host", WS_POPUP, 0, 0, width, height, NULL, NULL);
}

int CTestHostWindow::CountMessages(UINT message) const {
  int count = 0;
  for (const HostMessage& received : m_messages) count += received.message == message;
  return count;
}

const HostMessage* CTestHostWindow::FindLastMessage(UINT message) const {
  for (auto it = m_messages.rbegin(); it != m_messages.rend(); ++it)
    if (it->message == message) return &*it;
  return nullptr;
}

LRESULT CTestHostWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  HostMessage received = {message, wParam, lParam, {}};
  if (message == WM_NOTIFY && lParam != 0) received.notify = *reinterpret_cast<NMHDR*>(lParam);
  m_messages.push_back(received);
  return CWnd::WindowProc(message, wParam, lParam);
}
