// CTKMessageBarPaintManager: the toolkit-coloured message bar.
#include "themes/TKMessageBarPaintManager.h"

#include "common/TKColorManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKGlyphFont.h"
#include "themes/TKPaintManagerBase.h"

namespace {
const TCHAR kCloseGlyph = 43;
}

void CTKMessageBarPaintManager::RefreshMetrics() {
  CTKColorManager* pColors = TKColorManager();
  m_clrText.SetCustomValue(pColors->GetColor(18));
  m_clrBack.SetCustomValue(pColors->GetColor(15));
  m_clrBorder.SetCustomValue(pColors->GetColor(16));
  m_clrMessageBack.SetCustomValue(pColors->GetColor(24));
}

void CTKMessageBarPaintManager::FillMessageBar(CDC* pDC, ITKMessageBarView* pBar) {
  pDC->FillSolidRect(pBar->GetClientRect(), m_clrBack);
  CRect rcMessage = pBar->GetMessageRect();
  pDC->Draw3dRect(rcMessage, m_clrBorder, m_clrBorder);
  rcMessage.DeflateRect(1, 1);
  pDC->FillSolidRect(rcMessage, m_clrMessageBack);
}

void CTKMessageBarPaintManager::DrawOwnerFace(CDC* pDC, const CRect& rc, BOOL bSelected,
                                              BOOL bPressed, BOOL bChecked) {
  pDC->FillSolidRect(rc, m_clrBack);
  m_pOwner->DrawRectangle(pDC, rc, bSelected, bPressed, TRUE, bChecked, FALSE, 1, 0);
}

void CTKMessageBarPaintManager::DrawMessageBarButton(CDC* pDC, const TK_MESSAGEBAR_BUTTON& button) {
  const BOOL bClose = button.nId == kCloseId;
  if (button.bPressed) {
    DrawOwnerFace(pDC, button.rc, button.bHot, TRUE, FALSE);
  } else if (button.bHot) {
    DrawOwnerFace(pDC, button.rc, TRUE, FALSE, FALSE);
  } else if (!bClose) {
    pDC->FillSolidRect(button.rc, m_clrBack);
    pDC->Draw3dRect(button.rc, m_clrBorder, m_clrBorder);
    return;
  }
  if (bClose) TKGlyphFont()->DrawGlyph(pDC, kCloseGlyph, button.rc, m_clrText);
}

CRect CTKMessageBarPaintManager::GetCloseButtonRect(int nRight, int, int nBottom) {
  CTKDpiHelper* pDpi = TKDpiHelper();
  const int cx = pDpi->ScaleX(18);
  const int cy = pDpi->ScaleY(18);
  const int nTop = (nBottom - cy) / 2;
  return CRect(nRight - cx, nTop, nRight, nTop + cy);
}

CSize CTKMessageBarPaintManager::GetButtonSize() {
  return CSize(TKDpiHelper()->ScaleX(89), GetMessageBarHeight() - TKDpiHelper()->ScaleY(8));
}

int CTKMessageBarPaintManager::GetMessageBarHeight() {
  return ::GetSystemMetrics(SM_CYCAPTION) + TKDpiHelper()->ScaleY(8);
}

CRect CTKMessageBarPaintManager::GetButtonMargins() {
  const int cx = TKDpiHelper()->ScaleX(5);
  return CRect(cx, 0, cx, 0);
}
