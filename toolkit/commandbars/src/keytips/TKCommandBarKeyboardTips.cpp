// CTKCommandBar: the keyboard tips of a bar's controls and the letters typed
// while they are shown.
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarKeyboardTip.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKShortcutManager.h"
#include "common/TKDpiHelper.h"

void CTKCommandBar::CreateKeyboardTips() {
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars == nullptr) return;
  for (int i = 0; i < GetControlCount(); ++i) {
    CTKControl* pControl = GetControl(i);
    if (!pControl->IsVisible() || pControl->GetCaption().IsEmpty() ||
        (pControl->GetFlags() & TKFLAG_SKIPFOCUS) || pControl->GetType() == tkControlGallery)
      continue;
    const CRect rc = pControl->GetRect();
    CTKCommandBarKeyboardTip* pTip = new CTKCommandBarKeyboardTip(
        pCommandBars, pControl, pControl->GetCaption(), rc.left + TKDpiHelper()->ScaleX(12),
        rc.bottom - TKDpiHelper()->ScaleY(11), 0, pControl->GetEnabled());
    const CString strPreset = pControl->GetKeyboardTip();
    if (!strPreset.IsEmpty()) {
      pTip->m_strTip = strPreset;
      pTip->m_bPreset = TRUE;
    }
    pCommandBars->GetKeyboardTips()->Add(pTip);
  }
}

void CTKCommandBar::OnKeyboardTip(CTKCommandBarKeyboardTip* pTip) {
  if (CTKControl* pControl = DYNAMIC_DOWNCAST(CTKControl, pTip->m_pOwner))
    pControl->OnUnderlineActivate();
}

void CTKCommandBar::HideKeyboardTips() {
  if (CTKCommandBars* pCommandBars = GetCommandBars()) pCommandBars->HideKeyboardTips();
}

int CTKCommandBar::GetKeyboardTipsLevel() const {
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars == nullptr) return 0;
  const CTKKeyboardTips* pTips = pCommandBars->GetKeyboardTips();
  return pTips->m_pWnd == this ? pTips->m_nLevel : 0;
}

void CTKCommandBar::OnKeyboardTipChar(UINT nKey) {
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars == nullptr) return;
  CTKKeyboardTips& tips = *pCommandBars->GetKeyboardTips();
  const int n = tips.m_nTyped;
  CTKCommandBarKeyboardTip* pFound = nullptr;
  for (int i = 0; i < tips.GetCount() && pFound == nullptr; ++i) {
    CTKCommandBarKeyboardTip* pTip = tips.GetAt(i);
    if (pTip->m_strTip.GetLength() > n && IsVirtualKeyForChar(static_cast<BYTE>(pTip->m_strTip[n]), nKey))
      pFound = pTip;
  }
  if (pFound == nullptr) {
    if (nKey != VK_SHIFT && nKey != VK_CONTROL) TKCommandBarsSystem()->MessageBeep(0);
    return;
  }
  if (n >= pFound->m_strTip.GetLength() - 1) {
    if (!pFound->m_bEnabled)
      TKCommandBarsSystem()->MessageBeep(0);
    else
      OnKeyboardTip(pFound);
    return;
  }
  tips.m_nTyped = n + 1;
  const CString strTyped = pFound->m_strTip.Left(n + 1);
  for (int i = tips.GetCount() - 1; i >= 0; --i)
    if (tips.GetAt(i)->m_strTip.Left(n + 1) != strTyped) tips.RemoveAt(i);
}
