#include "OptionsEntityWindowPosition.h"

COptionsEntityWindowPosition::COptionsEntityWindowPosition()
    : COptionsEntityBase(7), m_values{0, 0, 0, 0} {}

int COptionsEntityWindowPosition::GetSize() { return 24; }

bool COptionsEntityWindowPosition::Load(const unsigned char* buffer, int* pos, int end) {
  return LoadValues(buffer, pos, end, m_values, 4);
}

bool COptionsEntityWindowPosition::Save(unsigned char* buffer, int* pos) {
  return SaveValues(buffer, pos, m_values, 4);
}

void COptionsEntityWindowPosition::GetRect(int32_t* left, int32_t* top, int32_t* right,
                                           int32_t* bottom) const {
  if (left) *left = m_values[0];
  if (top) *top = m_values[1];
  if (right) *right = m_values[2];
  if (bottom) *bottom = m_values[3];
}

void COptionsEntityWindowPosition::SetRect(int32_t left, int32_t top, int32_t right,
                                           int32_t bottom) {
  m_values[0] = left;
  m_values[1] = top;
  m_values[2] = right;
  m_values[3] = bottom;
}

// ---------------------------------------------------------------------------

COptionsEntityPaneSize::COptionsEntityPaneSize() : COptionsEntityBase(6), m_values{0, 0} {}

int COptionsEntityPaneSize::GetSize() { return 16; }

bool COptionsEntityPaneSize::Load(const unsigned char* buffer, int* pos, int end) {
  return LoadValues(buffer, pos, end, m_values, 2);
}

bool COptionsEntityPaneSize::Save(unsigned char* buffer, int* pos) {
  return SaveValues(buffer, pos, m_values, 2);
}

void COptionsEntityPaneSize::SetValues(int32_t first, int32_t second) {
  m_values[0] = first;
  m_values[1] = second;
}
