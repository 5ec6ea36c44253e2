// A close, restore, maximise or minimise button the ribbon draws in its own
// caption band while the frame is themed: drawn by the frame paint manager,
// clicking it posts the system command to the ribbon's site.
#pragma once

#include "commandbars/TKControlClasses.h"

class CTKRibbonBarControlCaptionButton : public CTKControlButton {
  DECLARE_DYNCREATE(CTKRibbonBarControlCaptionButton)

 public:
  CTKRibbonBarControlCaptionButton();
  void Draw(CDC* pDC) override;
  void OnExecute() override;
  CTKControl* Clone(BOOL bRecursive = FALSE) override;
};
