// A progress bar as an item of a command bar: it keeps the range and position
// and measures itself; the theme's progress paint manager draws it.
#pragma once

#include "commandbars/TKControl.h"
#include "commandbars/TKProgressBase.h"

class CTKPropExchange;

class CTKControlProgress : public CTKControl, public CTKProgressBase {
  DECLARE_DYNCREATE(CTKControlProgress)

 public:
  /// 100 scaled pixels wide.
  CTKControlProgress();

  CRect GetProgressRect() override { return GetRect(); }
  void RedrawProgress() override { RedrawParent(FALSE); }
  CTKProgressPaintManager* GetProgressPaintManager() override;

  /// The own width; the own height when above 0, else the theme's bar height.
  CSize GetSize(CDC* pDC) override;
  void Draw(CDC* pDC) override;
  /// Takes the range and position of another progress control.
  void Copy(CTKControl* pSource, BOOL bRecursive = FALSE) override;
  /// "Min", "Max" and "Pos", as they are: a loaded position is not clamped.
  void DoPropExchange(CTKPropExchange* pPX) override;
};
