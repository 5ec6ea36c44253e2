// CTKProgressBase: the range and position of a progress bar.
#include "commandbars/TKProgressBase.h"

void CTKProgressBase::SetRange(int nLower, int nUpper) {
  if (m_nMin == nLower && m_nMax == nUpper) return;
  m_nMin = nLower;
  m_nMax = nUpper;
  RedrawProgress();
}

void CTKProgressBase::SetPos(int nPos) {
  if (nPos < m_nMin) nPos = m_nMin;
  if (nPos > m_nMax) nPos = m_nMax;
  if (nPos == m_nPos) return;
  m_nPos = nPos;
  RedrawProgress();
}
