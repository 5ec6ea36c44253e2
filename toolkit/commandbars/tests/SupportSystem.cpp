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

SHORT CRecordingSystem::GetKeyState(int nVirtKey) {
  return m_keysDown.count(nVirtKey) ? static_cast<SHORT>(0x8000) : 0;
}
