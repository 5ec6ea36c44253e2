// CTKFieldText and the helpers that the edit field and the combo box share
// for their edit window.
#include "commandbars/TKFieldText.h"

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarEditCtrl.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKPaintManager.h"
#include "common/TKColorManager.h"
#include "common/TKDpiHelper.h"

namespace {

BOOL HasWindow(CTKCommandBarEditCtrl* pWnd) { return pWnd != nullptr && pWnd->GetSafeHwnd() != NULL; }

// The window sits this far inside the control's frame.
const int kInset = 3;

}  // namespace

CString CTKFieldText::GetRaw(CTKCommandBarEditCtrl* pWnd) {
  if (m_bStale && HasWindow(pWnd)) {
    pWnd->GetWindowText(m_strCache);
    m_bStale = FALSE;
  }
  return m_strCache;
}

void CTKFieldText::SetRaw(CTKCommandBarEditCtrl* pWnd, const CString& strText) {
  if (HasWindow(pWnd)) {
    CString strWindow;
    pWnd->GetWindowText(strWindow);
    if (strWindow != strText) pWnd->SetEditText(strText);
  }
  m_strCache = strText;
  m_bStale = FALSE;
}

CString CTKFieldText::GetUser(CTKCommandBarEditCtrl* pWnd, const CString& strHint) {
  return ShowsHint(pWnd, strHint) ? CString() : GetRaw(pWnd);
}

BOOL CTKFieldText::ShowsHint(CTKCommandBarEditCtrl* pWnd, const CString& strHint) {
  return !strHint.IsEmpty() && GetRaw(pWnd) == strHint;
}

void CTKFieldText::RemoveHint(CTKCommandBarEditCtrl* pWnd, const CString& strHint) {
  if (ShowsHint(pWnd, strHint)) SetRaw(pWnd, "");
}

void CTKFieldText::ShowHintIfEmpty(CTKCommandBarEditCtrl* pWnd, const CString& strHint) {
  if (GetRaw(pWnd).IsEmpty()) SetRaw(pWnd, strHint);
}

void CTKFieldText::Keep(CTKCommandBarEditCtrl* pWnd) {
  pWnd->GetWindowText(m_strCache);
  m_bStale = FALSE;
}

// The window on the bar ------------------------------------------------------------------------

void TKGetFieldCharFormat(CTKControl* pControl, BOOL bShowsHint, CHARFORMAT2A& cf) {
  memset(&cf, 0, sizeof(cf));
  cf.cbSize = sizeof(cf);
  cf.dwMask = CFM_COLOR | CFM_BACKCOLOR;
  CTKPaintManager* pPaintManager = pControl->GetPaintManager();
  CTKColorManager* pColors = TKColorManager();
  COLORREF clrNormal = pColors->GetColor(COLOR_WINDOWTEXT);
  COLORREF clrGrey = pColors->GetColor(COLOR_GRAYTEXT);
  if (pPaintManager != nullptr) {
    if (static_cast<COLORREF>(pPaintManager->m_clrEditTextNormal) != CLR_NONE)
      clrNormal = pPaintManager->m_clrEditTextNormal;
    if (static_cast<COLORREF>(pPaintManager->m_clrEditTextDisabled) != CLR_NONE)
      clrGrey = pPaintManager->m_clrEditTextDisabled;
    cf.crBackColor = pPaintManager->GetControlEditBackColor(pControl);
  } else {
    cf.crBackColor = pColors->GetColor(COLOR_WINDOW);
  }
  cf.crTextColor = pControl->GetEnabled() && !bShowsHint ? clrNormal : clrGrey;
}

CRect TKCalcFieldWindowRect(CTKControl* pControl, int nLeft, int nRight) {
  CTKDpiHelper* pDpi = TKDpiHelper();
  const CRect rcControl = pControl->GetRect();
  CRect rc(rcControl.left + nLeft, rcControl.top + pDpi->ScaleY(kInset), rcControl.right - nRight,
           rcControl.bottom - pDpi->ScaleY(kInset));
  CTKPaintManager* pPaintManager = pControl->GetPaintManager();
  if (pPaintManager != nullptr && pPaintManager->GetControlHeight() > 0)
    rc.OffsetRect(0, pDpi->ScaleY(1));
  return rc;
}

BOOL TKPrepareFieldWindow(CTKControl* pControl, CTKCommandBarEditCtrl* pWnd, DWORD dwStyle,
                          int nTextLimit) {
  if (!HasWindow(pWnd)) {
    if (!pWnd->CreateEdit(dwStyle | WS_CHILD | ES_AUTOHSCROLL, pControl->GetParent())) return FALSE;
    if (!pControl->GetEnabled()) pWnd->EnableWindow(FALSE);
    if (nTextLimit != 0) pWnd->SendMessage(EM_LIMITTEXT, nTextLimit);
  }
  CTKPaintManager* pPaintManager = pControl->GetPaintManager();
  pWnd->SendMessage(WM_SETFONT,
                    pPaintManager != nullptr
                        ? reinterpret_cast<WPARAM>(pPaintManager->m_fontRegular.GetSafeHandle())
                        : 0);
  pWnd->SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
  pWnd->SetOnGlass(pControl->IsOnGlass());
  return TRUE;
}

void TKDropMisplacedFieldWindow(CTKControl* pControl, CTKCommandBarEditCtrl* pWnd) {
  if (!HasWindow(pWnd)) return;
  CTKCommandBar* pParent = pControl->GetParent();
  const BOOL bRtl = (pWnd->GetExStyle() & WS_EX_LAYOUTRTL) != 0;
  const BOOL bOtherParent = pParent == nullptr || ::GetParent(pWnd->m_hWnd) != pParent->GetSafeHwnd();
  if (bRtl || bOtherParent) pWnd->DestroyWindow();
}

void TKUpdateFieldWindowVisibility(CTKControl* pControl, CTKCommandBarEditCtrl* pWnd) {
  if (!HasWindow(pWnd)) return;
  CTKCommandBar* pParent = pControl->GetParent();
  const BOOL bShow = pControl->GetControls() != nullptr && pParent != nullptr &&
                     pControl->IsVisible(0) && pParent->GetSafeHwnd() != NULL;
  pWnd->SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                         (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

DWORD TKFieldHideFlagsForMode(DWORD dwHideFlags, DWORD dwMode) {
  return (dwMode & TKLM_VERTDOCK) ? (dwHideFlags | TKHIDE_POSITION)
                                  : (dwHideFlags & ~TKHIDE_POSITION);
}

BOOL TKIsFieldCaptionVisible(const CTKControl* pControl, BOOL bLabel) {
  CTKCommandBar* pParent = pControl->GetParent();
  if (pParent != nullptr && pParent->IsPopupBar()) return TRUE;
  if (pControl->GetCaption().IsEmpty()) return FALSE;
  const int nStyle = pControl->GetStyle();
  if (nStyle == tkButtonCaption || nStyle == tkButtonIconAndCaption ||
      nStyle == tkButtonIconAndCaptionBelow)
    return TRUE;
  return bLabel;
}
