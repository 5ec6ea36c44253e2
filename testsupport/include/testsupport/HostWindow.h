// A hidden window of a class of its own, for tests to parent the controls and
// windows under test; it keeps a record of the messages it receives.
#pragma once

#include <afxwin.h>

#include <commctrl.h>

#include <vector>

/// One message as the host window received it.
struct HostMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  /// For WM_NOTIFY, a copy of the header lParam points to (which lives only
  /// as long as the call); zeros otherwise.
  NMHDR notify;
};

/// A hidden popup window of the registered class kClassName. Messages go
/// through the layer's routing as for any CWnd (notifications reach the
/// message map, reflection reaches the children); each is recorded first.
/// Used on the thread that created it; destroyed with the object.
class CTestHostWindow : public CWnd {
 public:
  /// The window class of every host window.
  static const char kClassName[];

  /// Creates the window, not visible, at (0, 0) with a client area of
  /// width x height; FALSE on failure.
  BOOL CreateHost(int width = 400, int height = 300);

  /// Every message received since creation or the last ClearMessages, oldest first.
  const std::vector<HostMessage>& GetMessages() const { return m_messages; }
  /// How many of them were `message`.
  int CountMessages(UINT message) const;
  /// The last `message` received, or null.
  const HostMessage* FindLastMessage(UINT message) const;
  void ClearMessages() { m_messages.clear(); }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  std::vector<HostMessage> m_messages;
};
