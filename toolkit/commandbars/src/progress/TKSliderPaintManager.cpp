// CTKSliderPaintManager: the metrics every slider look starts from.
#include "commandbars/TKSliderPaintManager.h"

#include "common/TKDpiHelper.h"

void CTKSliderPaintManager::RefreshMetrics() {
  CTKScrollBarPaintManager::RefreshMetrics();
  CTKDpiHelper* pDpi = TKDpiHelper();
  m_cxHScroll = pDpi->ScaleX(16);
  m_cyHScroll = pDpi->ScaleY(16);
  m_nThumbSize = pDpi->ScaleX(11);
}
