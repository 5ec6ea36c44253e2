// CTKPaintManagerBase: its ribbon paint manager, made through the maker the
// ribbon installed, and the ribbon look's say over grouped control faces.
#include "commandbars/TKControl.h"
#include "themes/TKPaintManagerBase.h"
#include "themes/TKRibbonServices.h"

CTKRibbonPaintManager* CTKPaintManagerBase::EnsureRibbonPaintManager(int nClass) {
  if (m_pRibbonPaintManager == nullptr) {
    m_pRibbonPaintManager = TKCreateRibbonPaintManager(nClass, this);
    if (m_pRibbonPaintManager != nullptr) TKRibbonServices()->pfnRefresh(m_pRibbonPaintManager);
  }
  return m_pRibbonPaintManager;
}

CTKRibbonPaintManager* CTKPaintManagerBase::GetRibbonPaintManager() {
  return EnsureRibbonPaintManager(tkRibbonPaintManagerBase);
}

BOOL CTKPaintManagerBase::DrawRibbonControlFace(CDC* pDC, CTKControl* pControl) {
  if (pControl == nullptr || pControl->GetRibbonGroup() == nullptr) return FALSE;
  CTKRibbonPaintManager* pRibbon = GetRibbonPaintManager();
  return pRibbon != nullptr && TKRibbonServices()->pfnDrawControlFace(pRibbon, pDC, pControl);
}
