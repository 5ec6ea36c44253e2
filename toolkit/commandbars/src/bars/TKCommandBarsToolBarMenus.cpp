// CTKCommandBars: what the menus of the tool bars list (the controls hidden
// for lack of room, the bars' show/hide lists), and print preview.
#include "commandbars/TKCommandBars.h"

#include "commandbars/TKControlClasses.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKDockBar.h"
#include "commandbars/TKPopupBar.h"
#include "commandbars/TKToolBar.h"

namespace {

/// The bars of `pBar`'s dock row, or the bar alone when it is not docked.
void GetRowOf(CTKToolBar* pBar, CArray<CTKToolBar*, CTKToolBar*>& arrBars) {
  CTKDockBar* pDock = pBar->GetDockBar();
  const int nIndex = pDock != nullptr ? pDock->FindBar(pBar) : -1;
  if (nIndex > 0)
    pDock->GetRowBars(nIndex, arrBars);
  else
    arrBars.Add(pBar);
}

}  // namespace

void CTKCommandBars::AddHiddenControlsToPopup(CTKToolBar* pBar, CTKPopupBar* pPopup) {
  CArray<CTKToolBar*, CTKToolBar*> arrRow;
  GetRowOf(pBar, arrRow);
  for (int b = 0; b < arrRow.GetSize(); ++b) arrRow[b]->CopyHiddenControlsTo(pPopup);
}

void CTKCommandBars::AddShowHideButtonsPopups(CTKToolBar* pBar, CTKPopupBar* pPopup) {
  CArray<CTKToolBar*, CTKToolBar*> arrRow;
  GetRowOf(pBar, arrRow);
  for (int b = 0; b < arrRow.GetSize(); ++b) AddShowHideButtonsPopup(arrRow[b], pPopup);
  if (m_bCustomizeAvail) pPopup->GetControls()->AddNew(tkControlButton, TKID_CUSTOMIZE)->SetBeginGroup(TRUE);
}

void CTKCommandBars::AddShowHideButtonsPopup(CTKToolBar* pBar, CTKPopupBar* pPopup) {
  CTKControl* pControl = pPopup->GetControls()->AddNew(tkControlPopup, 0);
  // The title is the user's: its ampersands are no mnemonics.
  CString strCaption = pBar->GetTitle();
  strCaption.Replace("&", "&&");
  pControl->SetCaption(strCaption);
  pControl->SetFlags(pControl->GetFlags() | TKFLAG_MANUALUPDATE);
  const BOOL bEnabled = m_bCustomizeAvail && pBar->IsBuiltIn() && pBar->IsCustomizable();
  pControl->SetEnabled(bEnabled);
  CTKControlPopup* pPopupControl = DYNAMIC_DOWNCAST(CTKControlPopup, pControl);
  if (!bEnabled || pPopupControl == nullptr) return;
  CTKPopupBar* pList = CTKPopupBar::CreatePopupBar(this);
  pBar->BuildCustomizePopup(pList);
  pPopupControl->SetCommandBar(pList);
}

void CTKCommandBars::OnSetPreviewMode(BOOL bPreview) {
  bPreview = bPreview != FALSE;
  if (m_bPreviewMode == bPreview) return;
  m_bPreviewMode = bPreview;
  for (int i = 0; i < GetCount(); ++i) m_arrBars[i]->OnSetPreviewMode(bPreview);
}
