#include "SupportSystem.h"

void CRecordingSystem::SetTimer(HWND, UINT_PTR nID, UINT nElapse) {
  m_started.push_back({nID, nElapse});
}

void CRecordingSystem::KillTimer(HWND, UINT_PTR nID) { m_killed.push_back(nID); }

void CRecordingSystem::MessageBeep(UINT) { ++m_nBeeps; }

int CRecordingSystem::CountStarted(UINT_PTR nID, UINT nElapse) const {
  int n = 0;
  for (const auto& started : m_started) n += started.first == nID && started.second == nElapse;
  return n;
}

int CRecordingSystem::CountKilled(UINT_PTR nID) const {
  int n = 0;
  for (UINT_PTR killed : m_killed) n += killed == nID;
  return n;
}

void CRecordingSystem::GetPopupWorkArea(POINT, LPCRECT, CRect& rcWork, CRect& rcMonitor) {
  rcWork = m_rcWork;
  rcMonitor = m_rcMonitor;
}

void CRecordingSystem::SetTimerProc(HWND hWnd, UINT_PTR nID, UINT nElapse, TIMERPROC pfnTimer) {
  m_started.push_back({nID, nElapse});
  m_timerProcs[nID] = {hWnd, pfnTimer};
}

void CRecordingSystem::GetMenuAnimation(BOOL* pbAnimation, BOOL* pbFade) {
  *pbAnimation = m_bMenuAnimation;
  *pbFade = m_bMenuFade;
}

bool CRecordingSystem::FireTimerProc(UINT_PTR nID) {
  auto it = m_timerProcs.find(nID);
  if (it == m_timerProcs.end() || it->second.second == nullptr) return false;
  it->second.second(it->second.first, WM_TIMER, nID, ::GetTickCount());
  return true;
}

SHORT CRecordingSystem::GetKeyState(int nVirtKey) {
  if (m_keysDown.count(nVirtKey)) return static_cast<SHORT>(0x8000);
  auto it = m_keyState.find(nVirtKey);
  return it != m_keyState.end() ? it->second : CTKCommandBarsSystem::GetKeyState(nVirtKey);
}
