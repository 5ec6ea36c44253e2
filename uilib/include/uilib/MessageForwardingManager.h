// Hands mouse messages that reached a window on to the deepest visible child
// under the cursor, so a child that does not get them itself (disabled, or
// transparent to hit testing) still does, posted, in its own coordinates.
#pragma once

#include <afxwin.h>

/// The owner passes its button presses and releases and its mouse moves on
/// after its own handling. UI thread only.
class CMessageForwardingManager {
 public:
  CMessageForwardingManager() : m_pOwner(nullptr) {}
  virtual ~CMessageForwardingManager() {}

  /// The deepest visible descendant of `pWnd` whose window rectangle holds
  /// the screen point, the topmost of siblings first; null for none and
  /// for the owner itself.
  CWnd* FindChildAt(CWnd* pWnd, POINT ptScreen);

  /// `point` is in the owner's client coordinates; the message is posted to
  /// the window under the cursor with it in that window's.
  void ForwardLButtonDown(UINT nFlags, POINT point) { Forward(WM_LBUTTONDOWN, nFlags, point); }
  void ForwardLButtonUp(UINT nFlags, POINT point) { Forward(WM_LBUTTONUP, nFlags, point); }
  void ForwardRButtonDown(UINT nFlags, POINT point) { Forward(WM_RBUTTONDOWN, nFlags, point); }
  void ForwardRButtonUp(UINT nFlags, POINT point) { Forward(WM_RBUTTONUP, nFlags, point); }
  void ForwardMouseMove(UINT nFlags, POINT point) { Forward(WM_MOUSEMOVE, nFlags, point); }
  /// PostMessage's result; FALSE without owner or target.
  BOOL ForwardMouseWheel(UINT nFlags, short zDelta, POINT point);

  /// The window whose messages are forwarded; not owned.
  CWnd* m_pOwner;

 private:
  /// Posts `message` to the target under the cursor with `point` converted;
  /// FALSE when there is none.
  BOOL Forward(UINT message, WPARAM wParam, POINT point);
};
