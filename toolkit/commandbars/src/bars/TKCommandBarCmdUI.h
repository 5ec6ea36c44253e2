// The command-state update of one control of a bar.
#pragma once

#include <afxwin.h>

class CTKControl;

class CCommandBarCmdUI : public CCmdUI {
 public:
  explicit CCommandBarCmdUI(CTKControl* pControl);

  void Enable(BOOL bOn = TRUE) override;
  void SetCheck(int nCheck = 1) override;
  void SetText(LPCSTR lpszText) override;

  CTKControl* m_pControl;
  BOOL m_bCheckChanged = FALSE;
};
