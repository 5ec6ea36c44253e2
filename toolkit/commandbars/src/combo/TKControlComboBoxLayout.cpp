// CTKControlComboBox: the edit window over the control, its visibility, and
// the drawing of a list-only field and of owner-drawn list items.
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControlComboBox.h"
#include "commandbars/TKControlComboBoxList.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPaintManager.h"
#include "common/TKColorManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"
#include "common/TKImageManagerIcon.h"
#include "common/TKScopedHandle.h"

namespace {

const UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;

/// The edit icon of the parent bar's image manager, null for none.
CTKImageManagerIcon* FindEditIcon(CTKCommandBar* pBar, int nIconId) {
  if (nIconId <= 0 || pBar == nullptr) return nullptr;
  CTKImageManager* pImages = pBar->GetImageManager();
  return pImages != nullptr ? pImages->GetImage(nIconId, 0) : nullptr;
}

/// The paint manager's colour when it has one, else the system's.
COLORREF ColorOr(const CTKPaintManagerColor& clr, int nSysColor) {
  return static_cast<COLORREF>(clr) != CLR_NONE ? static_cast<COLORREF>(clr)
                                                 : TKColorManager()->GetColor(nSysColor);
}

}  // namespace

CTKControlComboBoxEditCtrl* CTKControlComboBox::CreateEditControl() {
  return new CTKControlComboBoxEditCtrl(this);
}

void CTKControlComboBox::AdjustEditRect(CRect& rc) {
  if (CTKImageManagerIcon* pIcon = FindEditIcon(m_pParent, m_nEditIconId))
    rc.left += TKDpiHelper()->ScaleX(pIcon->GetExtent().cx + 2);
}

CRect CTKControlComboBox::CalcEditWindowRect() const {
  CTKDpiHelper* pDpi = TKDpiHelper();
  return TKCalcFieldWindowRect(const_cast<CTKControlComboBox*>(this),
                               pDpi->ScaleX(4) + m_nLabelWidth,
                               pDpi->ScaleX(3) + m_nDropDownButtonWidth);
}

void CTKControlComboBox::SetRect(CRect rcControl) {
  const CString strText = GetEditText();
  TKDropMisplacedFieldWindow(this, m_pEdit);
  if (rcControl == m_rcControl && (m_pEdit == nullptr || HasEditWindow()) && !m_bLayoutPending)
    return;
  CTKControl::SetRect(rcControl);
  if (m_pEdit == nullptr || m_pParent == nullptr || m_pParent->GetSafeHwnd() == NULL) {
    m_bLayoutPending = FALSE;
    return;
  }
  const BOOL bNewWindow = !HasEditWindow();
  if (!TKPrepareFieldWindow(this, m_pEdit, m_dwEditStyle, m_nTextLimit)) return;
  if (bNewWindow && m_dwShellAutoCompleteFlags != 0) SetShellAutoComplete(m_dwShellAutoCompleteFlags);
  if (::GetFocus() != m_pEdit->m_hWnd) SetEditText(strText);
  m_pEdit->UpdateCharFormat();
  CRect rcEdit = CalcEditWindowRect();
  AdjustEditRect(rcEdit);
  m_pEdit->MoveWindow(rcEdit, TRUE);
  UpdateEditWindowVisibility();
  m_bLayoutPending = FALSE;
}

void CTKControlComboBox::UpdateEditWindowVisibility() { TKUpdateFieldWindowVisibility(this, m_pEdit); }

void CTKControlComboBox::SetParent(CTKCommandBar* pParent) {
  const BOOL bChanged = pParent != m_pParent;
  CTKControlPopup::SetParent(pParent);
  if (pParent == nullptr && HasEditWindow()) m_pEdit->DestroyWindow();
  // The list, a top-level window, belongs to the window the bar works for.
  CTKControlComboBoxList* pList = DYNAMIC_DOWNCAST(CTKControlComboBoxList, m_pCommandBar);
  if (!bChanged || pParent == nullptr || pList == nullptr || pList->GetSafeHwnd() == NULL) return;
  CWnd* pSite = pParent->GetSite();
  if (pSite != nullptr && pSite->GetSafeHwnd() != NULL)
    ::SetWindowLongPtrA(pList->GetSafeHwnd(), GWLP_HWNDPARENT,
                        reinterpret_cast<LONG_PTR>(pSite->GetSafeHwnd()));
}

BOOL CTKControlComboBox::SetHideFlags(DWORD dwFlags) {
  if (!CTKControlPopup::SetHideFlags(dwFlags)) return FALSE;
  UpdateEditWindowVisibility();
  DelayLayoutParent();
  return TRUE;
}

void CTKControlComboBox::OnCalcDynamicSize(DWORD dwMode) {
  SetHideFlags(TKFieldHideFlagsForMode(m_dwHideFlags, dwMode));
}

void CTKControlComboBox::OnEnabledChanged() {
  if (HasEditWindow()) {
    m_pEdit->EnableWindow(GetEnabled());
    m_pEdit->UpdateCharFormat();
  }
}

void CTKControlComboBox::OnRemoved() {
  UpdateEditWindowVisibility();
  if (m_pControls == nullptr && HasEditWindow()) m_pEdit->DestroyWindow();
  CTKControlPopup::OnRemoved();
}

void CTKControlComboBox::RedrawEdit() {
  RedrawParent(FALSE);
  if (m_pEdit != nullptr) m_pEdit->UpdateCharFormat();
}

// Drawing ---------------------------------------------------------------------------------------

void CTKControlComboBox::DrawEditText(CDC* pDC, CRect rcText) {
  CTKPaintManager* pPaintManager = GetPaintManager();
  CTKColorManager* pColors = TKColorManager();
  COLORREF clrNormal = pColors->GetColor(COLOR_BTNTEXT);
  COLORREF clrGrey = pColors->GetColor(COLOR_GRAYTEXT);
  COLORREF clrHighlight = pColors->GetColor(COLOR_HIGHLIGHTTEXT);
  if (pPaintManager != nullptr) {
    clrNormal = ColorOr(pPaintManager->m_clrEditTextNormal, COLOR_BTNTEXT);
    clrGrey = ColorOr(pPaintManager->m_clrEditTextDisabled, COLOR_GRAYTEXT);
    clrHighlight = ColorOr(pPaintManager->m_clrEditTextHighlight, COLOR_HIGHLIGHTTEXT);
  }
  const BOOL bEnabled = GetEnabled();
  CTKDpiHelper* pDpi = TKDpiHelper();
  if (m_pEdit == nullptr && bEnabled && m_bFocused) {
    CRect rcFocus = rcText;
    rcFocus.DeflateRect(pDpi->ScaleX(1), pDpi->ScaleY(1));
    pDC->FillSolidRect(rcFocus, pColors->GetColor(COLOR_HIGHLIGHT));
  }
  if (CTKImageManagerIcon* pIcon = FindEditIcon(m_pParent, m_nEditIconId)) {
    const CSize sz(pDpi->ScaleX(pIcon->GetExtent().cx), pDpi->ScaleY(pIcon->GetExtent().cy));
    const CPoint pt(rcText.left, rcText.top + (rcText.Height() - sz.cy) / 2);
    pIcon->Draw(pDC, pt, bEnabled ? pIcon->GetNormalImage() : pIcon->GetDisabledImage(), sz.cx,
                sz.cy);
    rcText.left += sz.cx + pDpi->ScaleX(2);
  }
  if (m_pEdit != nullptr) return;
  CString strText = GetListBoxText();
  COLORREF clrText = !bEnabled ? clrGrey : m_bFocused ? clrHighlight : clrNormal;
  if (strText.IsEmpty()) {
    if (!bEnabled || m_bFocused) return;
    strText = GetEditHint();
    clrText = clrGrey;
  }
  const int nOldMode = pDC->SetBkMode(TRANSPARENT);
  const COLORREF clrOld = pDC->SetTextColor(clrText);
  pDC->DrawText(strText, rcText, kTextFormat);
  pDC->SetTextColor(clrOld);
  pDC->SetBkMode(nOldMode);
}

void CTKControlComboBox::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
  if (lpDIS->itemID == static_cast<UINT>(-1)) return;
  CTKPaintManager* pPaintManager = GetPaintManager();
  CTKControlComboBoxList* pList = DYNAMIC_DOWNCAST(CTKControlComboBoxList, m_pCommandBar);
  if (pPaintManager == nullptr || pList == nullptr) return;
  CDC* pDC = CDC::FromHandle(lpDIS->hDC);
  CRect rc(lpDIS->rcItem);
  const BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
  const COLORREF clrText = pPaintManager->GetRectangleTextColor(bSelected, FALSE, TRUE, FALSE,
                                                                FALSE, tkBarTypePopup, tkBarPopup);
  if (bSelected)
    pPaintManager->DrawRectangle(pDC, rc, TRUE, FALSE, TRUE, FALSE, FALSE, tkBarTypePopup,
                                 tkBarPopup);
  else
    pDC->FillSolidRect(rc, pPaintManager->GetIndexedColor(COLOR_WINDOW));
  CTKDpiHelper* pDpi = TKDpiHelper();
  const int nListIconId = GetListIconId();
  if (nListIconId != -1 && pList->GetImageManager() != nullptr) {
    CTKImageManagerIcon* pIcon =
        pList->GetImageManager()->GetImage(nListIconId + static_cast<int>(lpDIS->itemID), 0);
    if (pIcon != nullptr) {
      const CSize sz(pDpi->ScaleX(pIcon->GetExtent().cx), pDpi->ScaleY(pIcon->GetExtent().cy));
      const CPoint pt(rc.left + pDpi->ScaleX(2), rc.top + (rc.Height() - sz.cy) / 2);
      pIcon->Draw(pDC, pt, bSelected ? pIcon->GetHotImage() : pIcon->GetNormalImage(), sz.cx,
                  sz.cy);
      rc.left = pt.x + sz.cx + pDpi->ScaleX(2);
    }
  }
  CString strText;
  pList->GetText(static_cast<int>(lpDIS->itemID), strText);
  rc.left += pDpi->ScaleX(3);
  CTKSelectGuard font(pDC->GetSafeHdc(), pPaintManager->m_fontRegular.GetSafeHandle());
  const int nOldMode = pDC->SetBkMode(TRANSPARENT);
  const COLORREF clrOld = pDC->SetTextColor(clrText);
  pDC->DrawText(strText, rc, kTextFormat);
  pDC->SetTextColor(clrOld);
  pDC->SetBkMode(nOldMode);
}
