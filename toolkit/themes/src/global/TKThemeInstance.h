// What the factory makes of a theme class. While the paint manager base does
// not measure and draw whole controls yet, a theme would be abstract: this
// layer stands in with plain faces and captions through the theme's own
// rectangle and text colours. Once the base supplies them, it adds nothing.
#pragma once

#include <type_traits>

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarsDefines.h"
#include "commandbars/TKControl.h"
#include "common/TKDCHelpers.h"
#include "common/TKDrawHelpers.h"
#include "themes/TKPaintManagerBase.h"

template <class TTheme, bool bAbstract = std::is_abstract<TTheme>::value>
class CTKThemeInstance : public TTheme {};

template <class TTheme>
class CTKThemeInstance<TTheme, true> : public TTheme {
 public:
  CSize DrawControl(CDC* pDC, CTKControl* pControl, BOOL bDraw = TRUE) override {
    CTKCommandBar* pBar = pControl->GetParent();
    CTKFontDC fontDC(pDC, &this->m_fontRegular);
    const CString strCaption = StripAmpersands(pControl->GetCaption());
    const CSize szText = pDC->GetTextExtent(strCaption);
    const BOOL bPopup = pBar != nullptr && pBar->GetType() == tkBarTypePopup;
    const int nHeight = std::max<int>(this->GetClampedControlHeight(), szText.cy + 6);
    const CSize sz(std::max<int>(szText.cx + (bPopup ? 48 : 12), nHeight), nHeight);
    if (!bDraw) return sz;
    DrawControlEntry(pDC, pControl);
    CRect rc = pControl->GetRect();
    rc.left += bPopup ? 28 : 0;
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld = pDC->SetTextColor(GetControlTextColor(pControl));
    pDC->DrawText(strCaption, rc,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (bPopup ? DT_LEFT : DT_CENTER));
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
    return sz;
  }
  CSize DrawControlComboBox(CDC* pDC, CTKControl* pControl, BOOL bDraw) override {
    return DrawControl(pDC, pControl, bDraw);
  }
  CSize DrawControlEdit(CDC* pDC, CTKControl* pControl, BOOL bDraw) override {
    return DrawControl(pDC, pControl, bDraw);
  }
  void DrawControlEntry(CDC* pDC, CTKControl* pControl) override {
    CTKCommandBar* pBar = pControl->GetParent();
    this->DrawRectangle(pDC, pControl->GetRect(), pControl->GetSelected(),
                        pControl->GetPressed(), pControl->GetEnabled(),
                        pControl->GetChecked(), pControl->IsPopupOpen(),
                        pBar != nullptr ? pBar->GetType() : tkBarTypeNormal,
                        pBar != nullptr ? pBar->GetPosition() : tkBarTop);
  }
  COLORREF GetControlTextColor(CTKControl* pControl) override {
    CTKCommandBar* pBar = pControl->GetParent();
    return this->GetRectangleTextColor(pControl->GetSelected(), pControl->GetPressed(),
                                       pControl->GetEnabled(), pControl->GetChecked(),
                                       pControl->IsPopupOpen(),
                                       pBar != nullptr ? pBar->GetType() : tkBarTypeNormal,
                                       pBar != nullptr ? pBar->GetPosition() : tkBarTop);
  }
  CFont* GetCommandBarFont(CTKCommandBar*) override { return &this->m_fontRegular; }
  int GetPopupBarGripperWidth(CTKCommandBar*) override { return 0; }
};
