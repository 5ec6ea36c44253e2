// CTKControlComboBox: construction, the list and its selection, the text and
// its hint, options, copying and persistence.
#include "commandbars/TKCommandBarsLayoutBars.h"
#include "commandbars/TKControlComboBox.h"

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControlAction.h"
#include "commandbars/TKControlComboBoxAutoCompleteWnd.h"
#include "commandbars/TKControlComboBoxList.h"
#include "commandbars/TKPaintManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKPropExchange.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKControlComboBox, CTKControlPopup)

CTKControlComboBox::CTKControlComboBox(BOOL bListItemHeight)
    : m_pEdit(nullptr),
      m_bDropDown(FALSE),
      m_nComboStyle(0),
      m_nSelAtFocus(-1),
      m_bLayoutPending(FALSE),
      m_nLabelWidth(0),
      m_nDropDownButtonWidth(0),
      m_bAutoComplete(FALSE),
      m_bDeleting(FALSE),
      m_dwShellAutoCompleteFlags(0),
      m_bFocused(FALSE),
      m_nEditIconId(0),
      m_bSelEnded(FALSE),
      m_nDropDownItemCount(12),
      m_nTextLimit(0),
      m_pAutoComplete(nullptr),
      m_dwEditStyle(0),
      m_nKeptSel(-1),
      m_bInSelChange(FALSE) {
  m_controlType = tkControlComboBox;
  m_nWidth = TKDpiHelper()->ScaleX(100);
  CTKControlComboBoxList* pList = new CTKControlComboBoxList(bListItemHeight);
  SetCommandBar(pList);
  pList->CreateListBox();
}

CTKControlComboBox::~CTKControlComboBox() {
  if (m_pEdit != nullptr) {
    m_pEdit->SetComboBox(nullptr);
    if (m_pEdit->GetSafeHwnd() != NULL) m_pEdit->DestroyWindow();
    delete m_pEdit;
  }
  delete m_pAutoComplete;
}

// The list and its selection -----------------------------------------------------------------

CTKControlComboBoxPopupBar* CTKControlComboBox::GetListBox() const {
  return DYNAMIC_DOWNCAST(CTKControlComboBoxPopupBar, m_pCommandBar);
}

int CTKControlComboBox::GetCurSel() const {
  CTKControlComboBoxPopupBar* pList = GetListBox();
  return pList != nullptr ? pList->GetCurSel() : m_nKeptSel;
}

void CTKControlComboBox::SetCurSel(int nIndex) {
  if (nIndex == GetCurSel() && nIndex == m_nKeptSel) return;
  m_nKeptSel = nIndex;
  if (CTKControlComboBoxPopupBar* pList = GetListBox()) pList->SetCurSel(nIndex);
  OnSelChanged();
}

void CTKControlComboBox::OnSelChanged() {
  m_bInSelChange = TRUE;
  SetRawText(GetListBoxText());
  m_bInSelChange = FALSE;
  RedrawParent(FALSE);
  NotifySite(CBN_SELCHANGE);
}

CString CTKControlComboBox::GetListBoxText() const {
  CString strText;
  CTKControlComboBoxPopupBar* pList = GetListBox();
  const int nSel = pList != nullptr ? pList->GetCurSel() : -1;
  if (nSel != -1) pList->GetText(nSel, strText);
  return strText;
}

int CTKControlComboBox::GetListIconId() const {
  CTKControlComboBoxList* pList = DYNAMIC_DOWNCAST(CTKControlComboBoxList, m_pCommandBar);
  return pList != nullptr ? pList->GetListIconId() : -1;
}

void CTKControlComboBox::UpdateListSelection() {
  CTKControlComboBoxPopupBar* pList = GetListBox();
  if (m_bInSelChange || !HasEditWindow() || pList == nullptr) return;
  const CString strText = GetRawText();
  const int nExact = pList->FindStringExact(0, strText);
  if (nExact != -1) {
    pList->SetCurSel(nExact);
    return;
  }
  // No item is the text: the list shows where it would be, with none selected.
  const int nPrefix = pList->FindString(0, strText);
  pList->SetTopIndex(nPrefix);
  pList->SetCurSel(nPrefix);
  pList->SetCurSel(-1);
}

// Text ------------------------------------------------------------------------------------------

CString CTKControlComboBox::GetRawText() { return m_text.GetRaw(m_pEdit); }

void CTKControlComboBox::SetRawText(const CString& strText) { m_text.SetRaw(m_pEdit, strText); }

CString CTKControlComboBox::GetEditText() { return m_text.GetUser(m_pEdit, GetEditHint()); }

void CTKControlComboBox::SetEditText(const CString& strText) {
  SetRawText(strText.IsEmpty() && !m_bFocused && HasEditWindow() ? GetEditHint() : strText);
  if (m_pEdit != nullptr) m_pEdit->UpdateCharFormat();
}

CString CTKControlComboBox::GetEditHint() const {
  if (!m_strEditHint.IsEmpty() || m_pAction == nullptr) return m_strEditHint;
  return m_pAction->GetEditHint();
}

void CTKControlComboBox::SetEditHint(LPCSTR lpszHint) {
  m_text.RemoveHint(m_pEdit, GetEditHint());
  m_strEditHint = lpszHint;
  if (!m_bFocused && HasEditWindow()) m_text.ShowHintIfEmpty(m_pEdit, GetEditHint());
  RedrawEdit();
}

void CTKControlComboBox::OnActionChanging(int nProperty) {
  CTKControlPopup::OnActionChanging(nProperty);
  if (nProperty == tkActionEditHint) m_text.RemoveHint(m_pEdit, GetEditHint());
}

void CTKControlComboBox::OnActionChanged(int nProperty) {
  CTKControlPopup::OnActionChanged(nProperty);
  if (nProperty != tkActionEditHint) return;
  if (!m_bFocused && HasEditWindow()) m_text.ShowHintIfEmpty(m_pEdit, GetEditHint());
  RedrawEdit();
}

void CTKControlComboBox::GetEditCharFormat(CHARFORMAT2A& cf) {
  TKGetFieldCharFormat(this, m_text.ShowsHint(m_pEdit, GetEditHint()), cf);
}

// Options -------------------------------------------------------------------------------------

void CTKControlComboBox::SetDropDown(BOOL bDropDown) {
  m_bDropDown = bDropDown;
  if (bDropDown && m_pEdit == nullptr) {
    m_pEdit = CreateEditControl();
    m_bLayoutPending = TRUE;
  } else if (!bDropDown && m_pEdit != nullptr) {
    m_text.GetRaw(m_pEdit);
    m_pEdit->SetComboBox(nullptr);
    if (m_pEdit->GetSafeHwnd() != NULL) m_pEdit->DestroyWindow();
    delete m_pEdit;
    m_pEdit = nullptr;
    delete m_pAutoComplete;
    m_pAutoComplete = nullptr;
  }
  DelayLayoutParent();
}

void CTKControlComboBox::SetShellAutoComplete(DWORD dwFlags) {
  m_dwShellAutoCompleteFlags = dwFlags;
  delete m_pAutoComplete;
  m_pAutoComplete = nullptr;
  if (dwFlags == 0 || !HasEditWindow()) return;
  m_pAutoComplete = new CTKControlComboBoxAutoCompleteWnd;
  // A shell without completion leaves a plain field.
  if (FAILED(m_pAutoComplete->SetupAutoComplete(m_pEdit->GetSafeHwnd(), dwFlags))) {
    delete m_pAutoComplete;
    m_pAutoComplete = nullptr;
  }
}

void CTKControlComboBox::SetLabelWidth(int nWidth) {
  if (m_nLabelWidth == nWidth) return;
  m_nLabelWidth = nWidth;
  m_bLayoutPending = TRUE;
}

void CTKControlComboBox::SetDropDownButtonWidth(int nWidth) {
  if (m_nDropDownButtonWidth == nWidth) return;
  m_nDropDownButtonWidth = nWidth;
  m_bLayoutPending = TRUE;
}

BOOL CTKControlComboBox::IsCaptionVisible() const {
  return TKIsFieldCaptionVisible(this, m_nComboStyle == 1);
}

int CTKControlComboBox::GetCustomizeMinWidth() const {
  return m_nLabelWidth + m_nDropDownButtonWidth + TKDpiHelper()->ScaleX(5);
}

// Copying and persistence -------------------------------------------------------------------

void CTKControlComboBox::Copy(CTKControl* pSource, BOOL bRecursive) {
  if (pSource == this) return;
  if (CTKControlComboBox* pCombo = DYNAMIC_DOWNCAST(CTKControlComboBox, pSource)) {
    m_dwEditStyle = pCombo->m_dwEditStyle;
    m_nComboStyle = pCombo->m_nComboStyle;
    SetEditText(pCombo->GetEditText());
    m_strEditHint = pCombo->m_strEditHint;
    SetDropDown(pCombo->m_bDropDown);
    m_bAutoComplete = pCombo->m_bAutoComplete;
    SetShellAutoComplete(pCombo->m_dwShellAutoCompleteFlags);
    m_nEditIconId = pCombo->m_nEditIconId;
    m_nDropDownItemCount = pCombo->m_nDropDownItemCount;
    m_nTextLimit = pCombo->m_nTextLimit;
  }
  // The list and its items come with the pop-up: always a copy of our own.
  CTKControlPopup::Copy(pSource, TRUE);
}

BOOL CTKControlComboBox::Compare(CTKControl* pOther) {
  return CTKControlPopup::Compare(pOther) && pOther->IsKindOf(RUNTIME_CLASS(CTKControlComboBox));
}

void CTKControlComboBox::DoPropExchange(CTKPropExchange* pPX) {
  // The control's own record first; the list below stands for the pop-up bar.
  CTKControl::DoPropExchange(pPX);
  // Layouts saved before list-only combos existed hold editable ones.
  BOOL bDropDown = m_bDropDown;
  ExchangeBoolProp(pPX, "DropDown", bDropDown, TRUE);
  ExchangeIntProp(pPX, "Width", m_nWidth, TKDpiHelper()->ScaleX(100));
  ExchangeIntProp(pPX, "ComboStyle", m_nComboStyle, 0);
  ExchangeStringProp(pPX, "EditHint", m_strEditHint, "");
  int nShellFlags = static_cast<int>(m_dwShellAutoCompleteFlags);
  ExchangeIntProp(pPX, "ShellAutoCompleteFlags", nShellFlags, 0);
  ExchangeBoolProp(pPX, "AutoComplete", m_bAutoComplete, FALSE);
  ExchangeIntProp(pPX, "EditIconId", m_nEditIconId, 0);
  ExchangeIntProp(pPX, "DropDownItemCount", m_nDropDownItemCount, 12);
  int nEditStyle = static_cast<int>(m_dwEditStyle);
  ExchangeIntProp(pPX, "EditStyle", nEditStyle, 0);
  m_dwEditStyle = static_cast<DWORD>(nEditStyle);
  ExchangeIntProp(pPX, "TextLimit", m_nTextLimit, 0);
  if (CTKControlComboBoxList* pList = DYNAMIC_DOWNCAST(CTKControlComboBoxList, m_pCommandBar))
    pList->DoPropExchange(pPX);
  if (!pPX->IsLoading()) return;
  SetDropDown(bDropDown);
  SetShellAutoComplete(static_cast<DWORD>(nShellFlags));
}
