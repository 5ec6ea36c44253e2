#include "SupportKeySystem.h"

SHORT CKeyStateSystem::GetKeyState(int nVirtKey) {
  return m_down.count(nVirtKey) != 0 ? static_cast<SHORT>(0x8000) : 0;
}
