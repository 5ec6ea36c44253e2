// A system for the command bars that records the timers instead of starting
// them, and the beeps instead of sounding them.
#pragma once

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

  // Pop-up shadows
  /// What SPI_GETDROPSHADOW answers.
  BOOL m_bDropShadow = TRUE;
  BOOL IsDropShadowEnabled() override { return m_bDropShadow; }

  // The bar window's keys and mouse
  /// The keys GetKeyState reports down; every other key is up.
  std::set<int> m_keysDown;
  BOOL m_bActive = TRUE;
  SHORT GetKeyState(int nVirtKey) override;
  BOOL IsApplicationActive() override { return m_bActive; }
};
