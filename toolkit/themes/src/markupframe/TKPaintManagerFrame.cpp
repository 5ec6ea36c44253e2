// CTKPaintManagerBase::GetFramePaintManager: the default frame.
#include "themes/TKFrameThemeOffice2007System.h"
#include "themes/TKPaintManagerBase.h"

CTKFramePaintManager* CTKPaintManagerBase::GetFramePaintManager() {
  if (!m_pMarkupFramePaintManager) {
    m_pMarkupFramePaintManager.reset(new CTKFrameThemeOffice2007System(this));
    m_pMarkupFramePaintManager->RefreshMetrics();
  }
  return m_pMarkupFramePaintManager.get();
}
