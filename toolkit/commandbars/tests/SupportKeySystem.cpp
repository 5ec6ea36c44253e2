#include "SupportKeySystem.h"

SHORT CKeyStateSystem::GetKeyState(int nVirtKey) {
  return m_down.count(nVirtKey) != 0 ? static_cast<SHORT>(0x8000) : 0;
}

BOOL CKeyStateSystem::GetKeyboardState(BYTE* pState) {
  for (int i = 0; i < 256; ++i) pState[i] = m_down.count(i) != 0 ? 0x80 : 0;
  return TRUE;
}
