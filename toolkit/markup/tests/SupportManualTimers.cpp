// The manual timer source of the markup tests.
#include "SupportManualTimers.h"

UINT_PTR CManualTimers::SetTimer(UINT nElapse, TIMERPROC pfnProc) {
  const UINT_PTR nId = m_nNextId++;
  m_timers[nId] = Timer{nElapse, pfnProc};
  return nId;
}

BOOL CManualTimers::KillTimer(UINT_PTR nId) { return m_timers.erase(nId) != 0; }

bool CManualTimers::Fire(UINT_PTR nId) {
  auto it = m_timers.find(nId);
  if (it == m_timers.end()) return false;
  TIMERPROC pfnProc = it->second.pfnProc;
  pfnProc(nullptr, WM_TIMER, nId, GetTickCount());
  return true;
}

std::map<UINT_PTR, UINT> CManualTimers::Armed() const {
  std::map<UINT_PTR, UINT> armed;
  for (const auto& entry : m_timers) armed[entry.first] = entry.second.nElapse;
  return armed;
}

UINT_PTR CManualTimers::OnlyTimer() const {
  return m_timers.size() == 1 ? m_timers.begin()->first : 0;
}

UINT CManualTimers::DelayOf(UINT_PTR nId) const {
  auto it = m_timers.find(nId);
  return it != m_timers.end() ? it->second.nElapse : 0;
}
