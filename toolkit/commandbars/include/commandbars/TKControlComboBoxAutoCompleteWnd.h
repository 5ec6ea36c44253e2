// The shell's auto-completion on a field's edit window, and what keeps the
// shell's suggestion drop-down usable while command bars track: its arrow
// keys and wheel turns reach it, clicks in it leave the bars open. One
// call-window hook in the process at a time, installed while its field has
// the focus. UI thread only.
#pragma once

#include <afxwin.h>

#include "common/TKHookManager.h"

class CTKControlComboBoxAutoCompleteWnd : public CTKHookManagerHookAble {
 public:
  CTKControlComboBoxAutoCompleteWnd();
  ~CTKControlComboBoxAutoCompleteWnd() override;

  /// The shell's SHAutoComplete on the window, looked up at run time;
  /// E_FAIL when the shell lacks it.
  HRESULT SetupAutoComplete(HWND hWndEdit, DWORD dwFlags);
  /// Installs the hook (when none is) or removes this object's.
  void SetHook(BOOL bOn);
  /// Page Up, Page Down, Up and Down go to the shown suggestion list.
  BOOL PreTranslateKey(UINT nChar, LPARAM lParam);
  void HideDropDown();
  HWND GetDropDownWindow() const { return m_hWndDropDown; }
  /// Registers the window as the shown suggestion list (null: forgets it).
  void SetDropDownWindow(HWND hWnd);
  /// Whether this object's hook is the installed one.
  BOOL IsHookOwner() const;
  /// The hook's decision for one message of the thread (tests call it too).
  void OnWindowPosChanging(HWND hWnd, const WINDOWPOS* pPos);

  int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                    LRESULT& lResult) override;

 private:
  static LRESULT CALLBACK CallWndProc(int nCode, WPARAM wParam, LPARAM lParam);

  HWND m_hWndDropDown;
  HWND m_hWndEdit;
};
