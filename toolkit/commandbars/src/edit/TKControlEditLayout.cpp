// CTKControlEdit: the edit window over the control, its parts and visibility.
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControlEdit.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPaintManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"
#include "common/TKImageManagerIcon.h"

namespace {
// The window of a field sits this far inside the control's frame.
const int kInset = 3;
const int kLabelGap = 4;
const int kPartWidth = 18;
}  // namespace

CRect CTKControlEdit::GetSpinButtonsRect() const {
  if (!m_bShowSpinButtons) return CRect(0, 0, 0, 0);
  CTKDpiHelper* pDpi = TKDpiHelper();
  return CRect(m_rcControl.right - pDpi->ScaleX(kPartWidth), m_rcControl.top + pDpi->ScaleY(1),
               m_rcControl.right - pDpi->ScaleX(1), m_rcControl.bottom - pDpi->ScaleY(1));
}

CRect CTKControlEdit::GetBuddyButtonRect() const {
  if (m_nBuddyButtonId <= 0) return CRect(0, 0, 0, 0);
  CTKDpiHelper* pDpi = TKDpiHelper();
  CRect rc(m_rcControl.right - pDpi->ScaleX(kPartWidth + 1), m_rcControl.top + pDpi->ScaleY(1),
           m_rcControl.right - pDpi->ScaleX(1), m_rcControl.bottom - pDpi->ScaleY(1));
  if (m_bShowSpinButtons) rc.OffsetRect(-(pDpi->ScaleX(kPartWidth) - 1), 0);
  return rc;
}

CTKControlEditCtrl* CTKControlEdit::CreateEditControl() { return new CTKControlEditCtrl(this); }

void CTKControlEdit::AdjustEditRect(CRect& rc) {
  if (m_nEditIconId <= 0 || m_pParent == nullptr) return;
  CTKImageManager* pImages = m_pParent->GetImageManager();
  CTKImageManagerIcon* pIcon = pImages != nullptr ? pImages->GetImage(m_nEditIconId, 0) : nullptr;
  if (pIcon != nullptr) rc.left += TKDpiHelper()->ScaleX(pIcon->GetExtent().cx + 2);
}

CRect CTKControlEdit::CalcEditWindowRect() const {
  CTKDpiHelper* pDpi = TKDpiHelper();
  const int nBuddy = m_nBuddyButtonId > 0 ? pDpi->ScaleX(kPartWidth) : 0;
  const int nSpin = m_bShowSpinButtons ? pDpi->ScaleX(kPartWidth) - 1 : 0;
  return TKCalcFieldWindowRect(const_cast<CTKControlEdit*>(this),
                               pDpi->ScaleX(kLabelGap) + m_nLabelWidth,
                               pDpi->ScaleX(kInset) + nBuddy + nSpin);
}

void CTKControlEdit::SetRect(CRect rcControl) {
  const CString strText = GetEditText();
  if (m_pEdit == nullptr) m_pEdit = CreateEditControl();
  TKDropMisplacedFieldWindow(this, m_pEdit);
  if (rcControl == m_rcControl && HasEditWindow() && !m_bLayoutPending) return;
  CTKControl::SetRect(rcControl);
  if (m_pEdit == nullptr || m_pParent == nullptr || m_pParent->GetSafeHwnd() == NULL) {
    m_bLayoutPending = FALSE;
    return;
  }
  if (!TKPrepareFieldWindow(this, m_pEdit, m_dwEditStyle, m_nTextLimit)) return;
  m_pEdit->UpdateCharFormat();
  if (::GetFocus() != m_pEdit->m_hWnd) SetEditText(strText);
  m_pEdit->SendMessage(EM_SETREADONLY, m_bReadOnly);
  CRect rcEdit = CalcEditWindowRect();
  AdjustEditRect(rcEdit);
  m_pEdit->MoveWindow(rcEdit, TRUE);
  UpdateEditWindowVisibility();
  m_bLayoutPending = FALSE;
}

void CTKControlEdit::UpdateEditWindowVisibility() { TKUpdateFieldWindowVisibility(this, m_pEdit); }

void CTKControlEdit::SetParent(CTKCommandBar* pParent) {
  CTKControl::SetParent(pParent);
  if (pParent == nullptr && HasEditWindow()) m_pEdit->DestroyWindow();
}

BOOL CTKControlEdit::SetHideFlags(DWORD dwFlags) {
  if (!CTKControl::SetHideFlags(dwFlags)) return FALSE;
  UpdateEditWindowVisibility();
  DelayLayoutParent();
  return TRUE;
}

void CTKControlEdit::OnCalcDynamicSize(DWORD dwMode) {
  SetHideFlags(TKFieldHideFlagsForMode(m_dwHideFlags, dwMode));
}

void CTKControlEdit::OnEnabledChanged() {
  if (HasEditWindow()) {
    m_pEdit->EnableWindow(GetEnabled());
    m_pEdit->UpdateCharFormat();
  }
}

void CTKControlEdit::OnRemoved() {
  UpdateEditWindowVisibility();
  if (m_pControls == nullptr && HasEditWindow()) m_pEdit->DestroyWindow();
  CTKControl::OnRemoved();
}

BOOL CTKControlEdit::IsFocusable() const { return HasEditWindow(); }

void CTKControlEdit::RedrawEdit() {
  RedrawParent(FALSE);
  if (m_pEdit != nullptr) m_pEdit->UpdateCharFormat();
}
