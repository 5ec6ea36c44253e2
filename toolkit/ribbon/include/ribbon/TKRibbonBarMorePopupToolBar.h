// The quick-access commands that did not fit, with the customise button,
// in rows no wider than the wrap width.
#pragma once

#include "commandbars/TKPopupBar.h"

class CTKRibbonBar;

class CTKRibbonBarMorePopupToolBar : public CTKPopupToolBar {
  DECLARE_DYNCREATE(CTKRibbonBarMorePopupToolBar)

 public:
  explicit CTKRibbonBarMorePopupToolBar(CTKRibbonBar* pRibbonBar = nullptr);

  CSize GetIconSize() const override;
  CSize GetButtonSize() const override;
  /// Rows of controls that wrap before the wrap width.
  CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
  void FillCommandBarEntry(CDC* pDC) override;
  int GetWrapWidth() const { return m_nWrapWidth; }
  void SetWrapWidth(int nWidth) { m_nWrapWidth = nWidth; }

 protected:
  CTKRibbonBar* m_pRibbonBar;
  int m_nWrapWidth;
};
