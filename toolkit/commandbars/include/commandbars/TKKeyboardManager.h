// Per-thread keyboard handling while command bars track: key-downs go to the
// registered bars instead of the focused window, Alt and the application's
// deactivation close them.
#pragma once

#include <afxtempl.h>
#include <afxtls.h>
#include <afxwin.h>

class CTKHookManagerHookAble;

/// One per UI thread (GetThreadManager). The hooks are installed while at
/// least one object is registered. UI thread only.
class CTKKeyboardManager : public CNoTrackObject {
 public:
  CTKKeyboardManager();
  ~CTKKeyboardManager() override;

  /// The calling thread's manager, made on first use.
  static CTKKeyboardManager* AFX_CDECL GetThreadManager();

  /// Registers an object that wants the key-downs (once), installing the hooks.
  void HookKeyboard(CTKHookManagerHookAble* pHookAble);
  /// Unregisters it; the last one removes the hooks.
  void UnhookKeyboard(CTKHookManagerHookAble* pHookAble);
  BOOL IsKeyboardHooked() const { return !m_lstHookAble.IsEmpty(); }
  void SetKeyboardHook(BOOL bOn);
  void SetCallWndHook(BOOL bOn);

  /// Offers a key message to the objects, newest first: the first that takes
  /// it decides (1 swallow, 2 pass on); a key nobody takes is swallowed.
  BOOL ProcessKey(UINT nMessage, WPARAM wParam, LPARAM lParam);
  /// What the keyboard hook decides for a key: TRUE swallows it.
  BOOL OnKeyboardHook(WPARAM wParam, LPARAM lParam);
  /// For a loop that takes a key message off the queue itself: posted keys
  /// never pass the thread's keyboard hook, so the loop offers them here;
  /// a key the hook already let pass is not offered twice. TRUE: swallow.
  BOOL ProcessQueuedKey(const MSG& msg);
  /// What the call-window hook does for WM_ACTIVATEAPP.
  void OnActivateApp(BOOL bActive);

 private:
  static LRESULT CALLBACK KeyboardProc(int nCode, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK CallWndProc(int nCode, WPARAM wParam, LPARAM lParam);

  HHOOK m_hKeyboardHook;
  HHOOK m_hCallWndHook;
  CList<CTKHookManagerHookAble*, CTKHookManagerHookAble*> m_lstHookAble;
  /// The last key the hook let pass, so that a loop does not take it twice.
  WPARAM m_wLastPassed;
  LPARAM m_lLastPassed;
};
