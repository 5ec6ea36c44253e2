// CTKToolBar's expand button opening: a pop-up with the controls that did not
// fit and the "Add or Remove Buttons" lists of the bars of its row.
#include "commandbars/TKToolBar.h"

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"

namespace {

/// The expand button's control flag that aligns its pop-up's right edge with
/// it, as on a bar docked at a side.
const DWORD kControlFlagPopupLeft = 0x4;

/// The pop-up the site offers for the expand button, else a pop-up tool bar.
CTKPopupBar* MakeExpandPopup(CTKCommandBar* pParent) {
  CWnd* pSite = pParent->GetSite();
  if (pSite->GetSafeHwnd() != NULL) {
    TKCREATEBARSTRUCT record = {};
    record.bPopup = TRUE;
    pSite->SendMessage(TK_WM_CREATECOMMANDBAR, 0, reinterpret_cast<LPARAM>(&record));
    if (CTKPopupBar* pPopup = DYNAMIC_DOWNCAST(CTKPopupBar, record.pCommandBar)) return pPopup;
  }
  return CTKPopupToolBar::CreatePopupToolBar(pParent->GetCommandBars());
}

}  // namespace

void CTKCommandBar::CopyHiddenControlsTo(CTKCommandBar* pTarget) const {
  for (int i = 0; i < m_pControls->GetCount(); ++i) {
    CTKControl* pControl = m_pControls->GetAt(i);
    if (pControl->GetHideFlags() != TKHIDE_WRAP) continue;
    CTKControl* pCopy = pTarget->GetControls()->AddCopy(pControl);
    pCopy->SetHideFlags(0);
    pCopy->SetBeginGroup(FALSE);
  }
}

BOOL CTKToolBar::CControlButtonExpand::OnSetPopup(BOOL bPopup) {
  if (m_pParent == nullptr) return FALSE;
  if (!bPopup) {
    m_bPopup = FALSE;
    if (m_pCommandBar != nullptr) m_pCommandBar->SetTrackingMode(FALSE);
    m_pParent->Redraw();
    return TRUE;
  }
  CTKPopupBar* pPopup = MakeExpandPopup(m_pParent);
  if (!m_pParent->IsDialogBar()) pPopup->SetCustomizable(FALSE);
  SetCommandBar(pPopup);
  FillPopup(pPopup);
  const int nPosition = m_pParent->GetPosition();
  if (nPosition == tkBarLeft || nPosition == tkBarRight)
    m_dwFlags |= kControlFlagPopupLeft;
  else
    m_dwFlags &= ~kControlFlagPopupLeft;
  return CTKControlPopup::OnSetPopup(TRUE);
}

void CTKToolBar::CControlButtonExpand::FillPopup(CTKPopupBar* pPopup) {
  CTKCommandBars* pCommandBars = GetCommandBars();
  CTKToolBar* pBar = DYNAMIC_DOWNCAST(CTKToolBar, m_pParent);
  if (pCommandBars == nullptr || pBar == nullptr || pBar->GetDockContext() == nullptr) {
    m_pParent->CopyHiddenControlsTo(pPopup);
    return;
  }
  pCommandBars->AddHiddenControlsToPopup(pBar, pPopup);
  if (!pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways &&
      !pCommandBars->IsCustomizeCommandOffered())
    return;
  CTKControls* pControls = pPopup->GetControls();
  const BOOL bBeginGroup = pControls->GetCount() > 1;
  CTKControlPopup* pAdd = static_cast<CTKControlPopup*>(
      pControls->Add(new CTKControlPopup, TKID_TOOLBAR_EXPAND));
  pAdd->SetCaptionFromResource(TKID_TOOLBAR_EXPAND);
  pAdd->SetFlags(pAdd->GetFlags() | TKFLAG_MANUALUPDATE);
  pAdd->SetBeginGroup(bBeginGroup);
  CTKPopupBar* pLists = CTKPopupBar::CreatePopupBar(pCommandBars);
  pCommandBars->AddShowHideButtonsPopups(pBar, pLists);
  pAdd->SetCommandBar(pLists);
}
