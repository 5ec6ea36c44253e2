// CTKCommandBar: the tooltip of the control under the mouse, with the
// control's shortcut added.
#include "commandbars/TKCommandBar.h"

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControls.h"
#include "common/TKToolTipContext.h"

namespace {
/// A control's flag that shows its tip in pop-ups too.
const DWORD kFlagTipInPopup = 0x40;
}  // namespace

INT_PTR CTKCommandBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const {
  if (m_nPopuped != -1) return -1;
  if (m_nTracking == 2 && m_barPosition != tkBarPopup) return -1;
  CTKCommandBars* pCommandBars = GetCommandBars();
  CTKCommandBarsOptions* pOptions =
      pCommandBars != nullptr ? pCommandBars->GetCommandBarsOptions() : nullptr;
  if (pOptions != nullptr && !pOptions->bToolBarScreenTips) return -1;

  CTKControl* pControl = m_pControls->HitTest(point);
  if (pControl == nullptr) return -1;
  if (m_barType == tkBarTypePopup &&
      (pOptions == nullptr ||
       (!pOptions->bShowPopupBarToolTips && !(pControl->GetFlags() & kFlagTipInPopup))))
    return -1;

  const INT_PTR nOwn = pControl->OnToolHitTest(point, pTI);
  if (nOwn != -1) return pTI == nullptr || pTI->hwnd == m_hWnd ? nOwn : -1;

  CString strTip = pControl->GetTooltip();
  if (strTip.IsEmpty()) return -1;
  if (pOptions != nullptr && pOptions->bToolBarAccelTips) {
    CString strShortcut = pControl->GetShortcutText();
    if (strShortcut.IsEmpty()) strShortcut = pCommandBars->FindDefaultShortcutText(pControl->GetID());
    // A tip in markup would take the text for part of its markup.
    if (!strShortcut.IsEmpty() && strTip[0] != '<') strTip += " (" + strShortcut + ")";
  }
  const UINT_PTR nHit = static_cast<UINT_PTR>(pControl->GetIconId());
  CTKToolTipContext::FillInToolInfoEx(pTI, m_hWnd, pControl->GetRect(), nHit, strTip, nullptr,
                                      pControl->GetDescription(), GetImageManager());
  return nHit != 0 ? static_cast<INT_PTR>(nHit) : -1;
}
