// A system for the command bars that records the timers instead of starting
// them, and the beeps instead of sounding them.
#pragma once

#include <map>
#include <set>
#include <utility>
#include <vector>

#include "commandbars/TKCommandBarsSystem.h"

class CRecordingSystem : public CTKCommandBarsSystem {
 public:
  /// (id, elapse) of each timer started, oldest first.
  std::vector<std::pair<UINT_PTR, UINT>> m_started;
  std::vector<UINT_PTR> m_killed;
  int m_nBeeps = 0;

  void SetTimer(HWND hWnd, UINT_PTR nID, UINT nElapse) override;
  void KillTimer(HWND hWnd, UINT_PTR nID) override;
  void MessageBeep(UINT nType) override;
  /// How many times timer `nID` was started with `nElapse`.
  int CountStarted(UINT_PTR nID, UINT nElapse) const;
  int CountKilled(UINT_PTR nID) const;

  // Pop-ups ----------------------------------------------------------------------

  /// What GetPopupWorkArea answers, whatever the point.
  CRect m_rcWork = CRect(0, 0, 1024, 768);
  CRect m_rcMonitor = CRect(0, 0, 1024, 768);
  /// What Rand answers.
  int m_nRand = 0;
  BOOL m_bMenuAnimation = FALSE;
  BOOL m_bMenuFade = FALSE;
  /// The procedure of each timer started with one, by id (the last one).
  std::map<UINT_PTR, std::pair<HWND, TIMERPROC>> m_timerProcs;

  void GetPopupWorkArea(POINT pt, LPCRECT lpExclude, CRect& rcWork, CRect& rcMonitor) override;
  int Rand() override { return m_nRand; }
  void SetTimerProc(HWND hWnd, UINT_PTR nID, UINT nElapse, TIMERPROC pfnTimer) override;
  void GetMenuAnimation(BOOL* pbAnimation, BOOL* pbFade) override;
  /// Runs the procedure of timer nID as the system would; false when none was set.
  bool FireTimerProc(UINT_PTR nID);
  /// Scripted key states (after m_keysDown); keys in neither answer as the
  /// system does.
  std::map<int, SHORT> m_keyState;
  SHORT GetKeyState(int nVirtKey) override;

  // Pop-up shadows
  /// What SPI_GETDROPSHADOW answers.
  BOOL m_bDropShadow = TRUE;
  BOOL IsDropShadowEnabled() override { return m_bDropShadow; }

  // The bar window's keys and mouse
  /// The keys GetKeyState reports down.
  std::set<int> m_keysDown;
  BOOL m_bActive = TRUE;
  BOOL IsApplicationActive() override { return m_bActive; }

  // The desktop around the frame
  UINT m_nTaskbarState = 0;
  UINT GetTaskbarState() override { return m_nTaskbarState; }
  /// The cursor as the test puts it (the buttons are keys of m_keysDown).
  CPoint m_ptCursor = CPoint(0, 0);
  BOOL GetCursorPos(LPPOINT lpPoint) override {
    *lpPoint = m_ptCursor;
    return TRUE;
  }

  // Pop-up animation
  /// Each pause asked for, in order; nothing waits.
  std::vector<DWORD> m_sleeps;
  void Sleep(DWORD dwMilliseconds) override { m_sleeps.push_back(dwMilliseconds); }

  // The ribbon's auto-repeating buttons
  UINT m_nDoubleClickTime = 500;
  UINT GetDoubleClickTime() override { return m_nDoubleClickTime; }
  /// What GetWorkAreaFromRect answers; empty: the system's own answer.
  CRect m_rcWorkFromRect = CRect(0, 0, 0, 0);
  CRect GetWorkAreaFromRect(const RECT& rc) override {
    return m_rcWorkFromRect.IsRectEmpty() ? CTKCommandBarsSystem::GetWorkAreaFromRect(rc)
                                          : m_rcWorkFromRect;
  }
};
