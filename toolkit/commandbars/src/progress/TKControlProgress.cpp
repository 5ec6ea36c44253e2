// CTKControlProgress: a progress bar on a command bar.
#include "commandbars/TKControlProgress.h"

#include "commandbars/TKPaintManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKPropExchange.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKControlProgress, CTKControl)

CTKControlProgress::CTKControlProgress() { m_nWidth = TKDpiHelper()->ScaleX(100); }

CTKProgressPaintManager* CTKControlProgress::GetProgressPaintManager() {
  CTKPaintManager* pPaintManager = GetPaintManager();
  return pPaintManager != nullptr ? pPaintManager->GetProgressPaintManager() : nullptr;
}

CSize CTKControlProgress::GetSize(CDC*) {
  if (m_nHeight > 0) return CSize(m_nWidth, m_nHeight);
  CTKProgressPaintManager* pProgress = GetProgressPaintManager();
  return CSize(m_nWidth, pProgress != nullptr ? pProgress->m_cyProgress : 0);
}

void CTKControlProgress::Draw(CDC* pDC) {
  CTKProgressPaintManager* pProgress = GetProgressPaintManager();
  if (pProgress != nullptr) pProgress->DrawProgress(pDC, this);
}

void CTKControlProgress::Copy(CTKControl* pSource, BOOL bRecursive) {
  if (pSource == this) return;
  CTKControl::Copy(pSource, bRecursive);
  CTKControlProgress* pProgress = DYNAMIC_DOWNCAST(CTKControlProgress, pSource);
  if (pProgress == nullptr) return;
  SetRange(pProgress->m_nMin, pProgress->m_nMax);
  SetPos(pProgress->m_nPos);
}

void CTKControlProgress::DoPropExchange(CTKPropExchange* pPX) {
  CTKControl::DoPropExchange(pPX);
  ExchangeIntProp(pPX, "Min", m_nMin, 0);
  ExchangeIntProp(pPX, "Max", m_nMax, 100);
  ExchangeIntProp(pPX, "Pos", m_nPos, 0);
}
