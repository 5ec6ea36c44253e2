// A recording system whose keyboard holds the keys a test puts down.
#pragma once

#include <initializer_list>
#include <set>

#include "SupportSystem.h"

class CKeyStateSystem : public CRecordingSystem {
 public:
  /// The virtual keys held down; every other key is up.
  std::set<int> m_down;

  void Hold(std::initializer_list<int> keys) { m_down = keys; }
  SHORT GetKeyState(int nVirtKey) override;
  BOOL GetKeyboardState(BYTE* pState) override;
};
