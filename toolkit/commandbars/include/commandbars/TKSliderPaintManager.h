// The base of the slider looks: a horizontal scroll bar with a minus and a
// plus button, a track with tick marks and a narrow thumb. Each theme draws
// the whole slider in its own DrawScrollBar.
#pragma once

#include "common/TKScrollBarPaintManager.h"

class CTKPaintManager;

class CTKSliderPaintManager : public CTKScrollBarPaintManager {
 public:
  explicit CTKSliderPaintManager(CTKPaintManager* pOwner) : m_pPaintManager(pOwner) {}

  /// The scroll-bar metrics, then 16 x 16 scaled buttons and an 11-pixel thumb.
  void RefreshMetrics() override;

  CTKPaintManager* m_pPaintManager;
};
