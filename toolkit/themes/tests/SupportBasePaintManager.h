// The themes' test paint manager with the glyphs, special controls, captions
// and animations of the paint manager base, which it leaves out.
#pragma once

#include "SupportThemePaintManager.h"

class CBaseGlyphsPaintManager : public CTestThemePaintManager {
 public:
  CSize DrawSpecialControl(CDC* pDC, int nKind, CTKControl* pControl, CTKCommandBar* pBar,
                           BOOL bDraw, LPVOID lpParam) override {
    return CTKPaintManagerBase::DrawSpecialControl(pDC, nKind, pControl, pBar, bDraw, lpParam);
  }
  void DrawControlMDIButton(CDC* pDC, CTKControl* pControl) override {
    CTKPaintManagerBase::DrawControlMDIButton(pDC, pControl);
  }
  void DrawKeyboardTip(CDC* pDC, CTKCommandBarKeyboardTip* pTip, BOOL bSkip) override {
    CTKPaintManagerBase::DrawKeyboardTip(pDC, pTip, bSkip);
  }
  CSize DrawFloatingBarCaption(CDC* pDC, CTKCommandBar* pBar, BOOL bDraw) override {
    return CTKPaintManagerBase::DrawFloatingBarCaption(pDC, pBar, bDraw);
  }
  void AnimatePopupBar(CDC* pDestDC, CDC* pAnimationDC, CRect rc, int nAnimationType) override {
    CTKPaintManagerBase::AnimatePopupBar(pDestDC, pAnimationDC, rc, nAnimationType);
  }
  int AnimateExpandingPopup(CTKPopupBar* pPopup, CDC* pDC, CDC* pBufferDC,
                            BOOL bDownward) override {
    return CTKPaintManagerBase::AnimateExpandingPopup(pPopup, pDC, pBufferDC, bDownward);
  }
};
