// CTKCommandBars: the menu of the tool bars that a right-click on a bar or a
// dock bar opens.
#include "commandbars/TKCommandBars.h"

#include "commandbars/TKControlLists.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKRefPtr.h"

void CTKCommandBars::ShowToolbarContextMenu(CTKCommandBar* pBar, CPoint ptScreen) {
  if (m_bCustomizeMode) return;
  CTKRefPtr<CTKPopupBar, CTKInternalRefTraits> popup;
  popup.Attach(CreateToolbarMenu());
  if (!popup) return;
  if (m_pFrame->GetSafeHwnd() != NULL)
    m_pFrame->SendMessage(TK_WM_TOOLBARCONTEXTMENU, reinterpret_cast<WPARAM>(pBar),
                          reinterpret_cast<LPARAM>(popup.Get()));
  if (popup->GetControlCount() == 0) return;
  CloseAllPopups();
  TrackPopupBar(popup.Get(), IsLayoutRTL() ? TPM_RIGHTALIGN : 0, ptScreen.x, ptScreen.y,
                m_pFrame);
}

CTKPopupBar* CTKCommandBars::CreateToolbarMenu() {
  CTKPopupBar* pPopup = CTKPopupBar::CreatePopupBar(this);
  CTKControlToolbars::AddToolbarItems(pPopup, 0, TKID_TOOLBARLIST, TRUE, FALSE);
  return pPopup;
}
