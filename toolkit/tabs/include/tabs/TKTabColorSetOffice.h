// The Office 2007, Access 2007 and Office 2013 colour sets: colours from the
// loaded theme text, each with a default for when there is none.
#pragma once

#include "tabs/TKTabColorSetVisualStudio.h"
#include "tabs/TKTabPaintManagerColorSet.h"

/// Flag 32.
class CTKTabColorSetOffice2007 : public CTKTabColorSetOffice2003 {
 public:
  void RefreshMetrics() override;
  void DrawNavigateButton(CDC* pDC, CTKTabManagerNavigateButton* pButton, CRect rc) override;

  CTKPaintManagerColor m_clrNavigateButtonText;
};

/// Flag 128.
class CTKTabColorSetOffice2007Access : public CTKTabColorSetOffice2007 {
 public:
  void RefreshMetrics() override;
};

/// Flag 2048: the Visual Studio 2012 family's drawing in Office 2013 colours.
class CTKTabColorSetOffice2013 : public CTKTabColorSetVisualStudio2012 {
 public:
  void RefreshMetrics() override;
};
