// A bar window the themes' tests put at any position, type and title.
#pragma once

#include "commandbars/TKCommandBar.h"
#include "testsupport/HostWindow.h"

class CPlacedBar : public CTKCommandBar {
 public:
  void Place(int nPosition, int nType) {
    m_barPosition = nPosition;
    m_barType = nType;
  }
  /// A child window of the host at (0, 0) of the given size.
  BOOL CreateIn(CTestHostWindow& host, int cx, int cy) {
    return CreateEx(0, AfxRegisterWndClass(0), "bar", WS_CHILD, 0, 0, cx, cy, host.GetSafeHwnd(),
                    NULL);
  }
};
