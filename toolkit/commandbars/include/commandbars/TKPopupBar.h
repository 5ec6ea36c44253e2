// The bar that drops down from a pop-up control or opens as a context menu.
#pragma once

#include "commandbars/TKCommandBar.h"

class CTKPopupBar : public CTKCommandBar {
  DECLARE_DYNCREATE(CTKPopupBar)

 public:
  CTKPopupBar();

  /// A new pop-up bar of the command bars' pop-up class (this class
  /// without command bars), owned by the caller.
  static CTKPopupBar* AFX_CDECL CreatePopupBar(CTKCommandBars* pCommandBars);

  BOOL IsPopupBar() const override { return TRUE; }
  CTKCommandBar* GetParentCommandBar() const override;
  /// The control that opens the bar.
  CTKControl* GetControlPopup() const { return m_pControlPopup; }
  void SetControlPopup(CTKControl* pControl) { m_pControlPopup = pControl; }

 protected:
  CTKControl* m_pControlPopup;
};
