// CStaticFieldMouseTimer: the hover watch on the timer's own thread.
#include "uilib/StaticField.h"

#include "foundation/TimeUtilities.h"
#include "uilib/UILibSystem.h"

CStaticFieldMouseTimer::CStaticFieldMouseTimer()
    : m_pOwner(nullptr), m_nCursorX(0), m_nCursorY(0), m_nStart(GetCurrentUtcTime()),
      m_bTracking(false) {
  SetInterval(1000);
}

CStaticFieldMouseTimer::~CStaticFieldMouseTimer() { Shutdown(); }

void CStaticFieldMouseTimer::Restart() {
  m_bTracking = false;
  m_nStart = GetCurrentUtcTime();
  m_nCursorX = 0;
  m_nCursorY = 0;
}

void CStaticFieldMouseTimer::OnTimer() {
  if (m_pOwner == nullptr || !m_pOwner->m_bHoverTooltip) return;
  POINT cursor = {0, 0};
  UILibSystem()->GetCursorPos(&cursor);
  if (!m_bTracking) {
    m_bTracking = true;
    m_nStart = GetCurrentUtcTime();
    m_nCursorX = cursor.x;
    m_nCursorY = cursor.y;
    return;
  }
  if (cursor.x != m_nCursorX || cursor.y != m_nCursorY) {
    Restart();
    return;
  }
  if (GetElapsedMilliseconds(m_nStart, GetCurrentUtcTime()) < kRestMilliseconds) return;
  m_pOwner->PostHoverRequest(cursor.x, cursor.y);
  Restart();
}
