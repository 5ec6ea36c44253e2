// CTKToolBar: the "Add or Remove Buttons" list through which the user shows
// and hides the bar's buttons, and resetting the bar to its built-in buttons.
#include "commandbars/TKToolBar.h"

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControlAction.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKResourceManager.h"

namespace {

const UINT kResetQuestion = 9173;

/// The bar's control at or after `nFrom` that is `pControl` in the copy (same
/// id and type); -1 when none.
int FindMatchingControl(CTKControls* pControls, int nFrom, CTKControl* pControl) {
  for (int i = nFrom; i < pControls->GetCount(); ++i) {
    CTKControl* pOther = pControls->GetAt(i);
    if (pOther->GetID() == pControl->GetID() && pOther->GetType() == pControl->GetType())
      return i;
  }
  return -1;
}

}  // namespace

/// One entry of the list: it stands for a control of the bar (checked while
/// the control shows), or, without one, resets its tool bar.
class CControlButtonCustomize : public CTKControlButton {
 public:
  CControlButtonCustomize(CTKControl* pControl, CTKToolBar* pResetBar)
      : m_pControl(pControl), m_pResetBar(pResetBar) {
    m_controlType = tkControlButton;
  }

  void OnExecute() override {
    CTKCommandBars* pCommandBars = m_pParent != nullptr ? m_pParent->GetCommandBars() : nullptr;
    if (pCommandBars == nullptr) return;
    pCommandBars->GetCommandBarsOptions()->bDirty = TRUE;
    if (m_pControl != nullptr) {
      m_pControl->SetHideFlags(m_pControl->GetHideFlags() ^ TKHIDE_CUSTOMIZE);
      SetChecked(!(m_pControl->GetHideFlags() & TKHIDE_CUSTOMIZE));
      m_pControl->GetParent()->OnRecalcLayout();
      for (CTKCommandBar* pBar = m_pParent; pBar != nullptr; pBar = pBar->GetParentCommandBar())
        pBar->Redraw();
      return;
    }
    pCommandBars->CloseAllPopups();
    if (m_pResetBar != nullptr) m_pResetBar->Reset(TRUE);
  }

 private:
  CTKControl* m_pControl;
  CTKToolBar* m_pResetBar;
};

void CTKToolBar::BuildCustomizePopup(CTKPopupBar* pPopup) {
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars == nullptr) return;
  CTKOriginalControls* pOriginal = m_pControls->GetOriginalControls();
  CTKControls* pCopy = pOriginal != nullptr ? pOriginal->Duplicate() : new CTKControls;

  // Controls the user hid come back below as copies of the built-in ones.
  for (int i = m_pControls->GetCount() - 1; i >= 0; --i) {
    if (!(m_pControls->GetAt(i)->GetHideFlags() & TKHIDE_CUSTOMIZE)) continue;
    m_pControls->RemoveAt(i);
    if (m_nSelected > i) --m_nSelected;
    if (m_nPopuped > i) --m_nPopuped;
  }

  // Built-in controls missing from the bar go back, hidden, at their places.
  int i = 0, j = 0;
  while (i < m_pControls->GetCount() || j < pCopy->GetCount()) {
    CTKControl* pBuiltIn = pCopy->GetAt(j);
    if (pBuiltIn != nullptr && FindMatchingControl(m_pControls, i, pBuiltIn) == -1) {
      CTKControl* pInserted = m_pControls->AddCopy(pBuiltIn, i);
      pInserted->SetHideFlags(pInserted->GetHideFlags() | TKHIDE_CUSTOMIZE);
      if (m_nSelected >= i) ++m_nSelected;
      if (m_nPopuped >= i) ++m_nPopuped;
      ++i;
      ++j;
      continue;
    }
    CTKControl* pControl = m_pControls->GetAt(i);
    if (pControl == nullptr) break;
    if (pBuiltIn != nullptr && FindMatchingControl(m_pControls, i, pBuiltIn) == i) {
      ++j;
    } else {
      // Moved by the user: its built-in entry further on is done with.
      for (int k = j + 1; k < pCopy->GetCount(); ++k) {
        CTKControl* pLater = pCopy->GetAt(k);
        if (pLater->GetID() == pControl->GetID() && pLater->GetType() == pControl->GetType()) {
          pCopy->RemoveAt(k);
          break;
        }
      }
    }
    ++i;
  }

  CTKControls* pEntries = pPopup->GetControls();
  for (int n = 0; n < m_pControls->GetCount(); ++n) {
    CTKControl* pControl = m_pControls->GetAt(n);
    if (pControl == GetExpandButton(FALSE) || pControl == GetHideButton(FALSE)) continue;
    if (pControl->GetAction() != nullptr && !pControl->GetAction()->IsVisible()) continue;
    OnBuildCustomizeEntry(pControl);
    if (pControl->GetHideFlags() & (TKHIDE_RIBBONGROUP | TKHIDE_DOCTEMPLATE | TKHIDE_GENERIC))
      continue;
    if (!pControl->IsCustomizeMovable()) continue;
    CControlButtonCustomize* pEntry = new CControlButtonCustomize(pControl, nullptr);
    pEntries->Add(pEntry, 0);
    pEntry->SetCaption(pControl->GetCaption());
    if (pControl->GetType() >= tkControlButton && pControl->GetType() <= tkControlSplitButtonPopup)
      pEntry->SetIconId(pControl->GetIconId());
    CString strShortcut = pControl->GetShortcutText();
    if (strShortcut.IsEmpty())
      strShortcut = pCommandBars->FindDefaultShortcutText(pControl->GetID());
    pEntry->SetShortcutText(strShortcut);
    pEntry->SetEnabled(pOriginal != nullptr && FindMatchingControl(pOriginal, 0, pControl) != -1);
    pEntry->SetChecked(!(pControl->GetHideFlags() & TKHIDE_CUSTOMIZE));
  }
  pCopy->InternalRelease();

  if (pOriginal != nullptr && m_bBuiltIn && !m_bTearOff) {
    CControlButtonCustomize* pReset = new CControlButtonCustomize(nullptr, this);
    pEntries->Add(pReset, TKID_TOOLBAR_RESET);
    pReset->SetCaptionFromResource(TKID_TOOLBAR_RESET);
    pReset->SetFlags(TKFLAG_MANUALUPDATE);
    pReset->SetBeginGroup(TRUE);
  }
}

void CTKToolBar::Reset(BOOL bAsk) {
  if (!m_bBuiltIn || m_nBarID == 0 || !IsCustomizable()) return;
  if (bAsk && !AskReset()) return;
  if (CTKOriginalControls* pOriginal = m_pControls->GetOriginalControls()) {
    m_pControls->RemoveAll();
    for (int i = 0; i < pOriginal->GetCount(); ++i)
      if (!pOriginal->GetAt(i)->IsTemporary()) m_pControls->AddCopy(pOriginal->GetAt(i));
  } else {
    CTKCommandBar::LoadToolBar(m_nBarID, FALSE);
  }
  CWnd* pSite = GetSite();
  if (pSite->GetSafeHwnd() != NULL)
    pSite->SendMessage(TK_WM_BARRESET, 0, reinterpret_cast<LPARAM>(this));
  OnUpdateCmdUI();
  OnRecalcLayout();
}

BOOL CTKToolBar::AskReset() const {
  CString strFormat;
  if (!TKResourceManager()->LoadStringInto(strFormat, kResetQuestion))
    strFormat = "Are you sure you want to reset the changes made to the '%s' toolbar?";
  CString strQuestion;
  strQuestion.Format(strFormat, static_cast<LPCTSTR>(m_strTitle));
  return TKCommandBarsSystem()->ShowMessageBox(strQuestion, MB_OKCANCEL | MB_ICONEXCLAMATION) ==
         IDOK;
}
