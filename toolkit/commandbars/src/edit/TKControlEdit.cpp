// CTKControlEdit: construction, the text and its hint, options, copying and
// persistence.
#include "commandbars/TKControlEdit.h"

#include <richedit.h>

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControlAction.h"
#include "commandbars/TKPaintManager.h"
#include "common/TKColorManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKPropExchange.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKControlEdit, CTKControl)

CTKControlEdit::CTKControlEdit()
    : m_pEdit(nullptr),
      m_bHasLabel(FALSE),
      m_bReadOnly(FALSE),
      m_nLabelWidth(0),
      m_bLayoutPending(FALSE),
      m_bFocused(FALSE),
      m_dwShellAutoCompleteFlags(0),
      m_dwEditStyle(0),
      m_bShowSpinButtons(FALSE),
      m_nEditIconId(0),
      m_nTextLimit(0),
      m_nBuddyButtonId(0) {
  m_controlType = tkControlEdit;
  m_nWidth = TKDpiHelper()->ScaleX(100);
}

CTKControlEdit::~CTKControlEdit() {
  if (m_pEdit != nullptr) {
    m_pEdit->SetControl(nullptr);
    if (m_pEdit->GetSafeHwnd() != NULL) m_pEdit->DestroyWindow();
    delete m_pEdit;
  }
}

// Text ------------------------------------------------------------------------------------

CString CTKControlEdit::GetRawText() { return m_text.GetRaw(m_pEdit); }

void CTKControlEdit::SetRawText(const CString& strText) { m_text.SetRaw(m_pEdit, strText); }

CString CTKControlEdit::GetEditText() { return m_text.GetUser(m_pEdit, GetEditHint()); }

void CTKControlEdit::SetEditText(const CString& strText) {
  SetRawText(strText.IsEmpty() && !m_bFocused ? GetEditHint() : strText);
  if (m_pEdit != nullptr) m_pEdit->UpdateCharFormat();
}

CString CTKControlEdit::GetEditHint() const {
  if (!m_strEditHint.IsEmpty() || m_pAction == nullptr) return m_strEditHint;
  return m_pAction->GetEditHint();
}

void CTKControlEdit::SetEditHint(LPCSTR lpszHint) {
  m_text.RemoveHint(m_pEdit, GetEditHint());
  m_strEditHint = lpszHint;
  if (!m_bFocused) m_text.ShowHintIfEmpty(m_pEdit, GetEditHint());
  if (m_pEdit != nullptr) m_pEdit->UpdateCharFormat();
}

void CTKControlEdit::OnActionChanging(int nProperty) {
  CTKControl::OnActionChanging(nProperty);
  // The old hint must not stay behind as if it were typed.
  if (nProperty == tkActionEditHint) m_text.RemoveHint(m_pEdit, GetEditHint());
}

void CTKControlEdit::OnActionChanged(int nProperty) {
  CTKControl::OnActionChanged(nProperty);
  if (nProperty != tkActionEditHint) return;
  if (!m_bFocused) m_text.ShowHintIfEmpty(m_pEdit, GetEditHint());
  if (m_pEdit != nullptr) m_pEdit->UpdateCharFormat();
}

void CTKControlEdit::GetEditCharFormat(CHARFORMAT2A& cf) {
  TKGetFieldCharFormat(this, m_text.ShowsHint(m_pEdit, GetEditHint()), cf);
}

// CTKControlAction: the hint its fields show ----------------------------------------------

void CTKControlAction::SetEditHint(LPCSTR lpszText) {
  if (m_strEditHint == lpszText) return;
  NotifyChanging(tkActionEditHint);
  m_strEditHint = lpszText;
  NotifyChanged(tkActionEditHint);
}

// Options -------------------------------------------------------------------------------------

void CTKControlEdit::SetReadOnly(BOOL bReadOnly) {
  m_bReadOnly = bReadOnly;
  if (HasEditWindow()) m_pEdit->SendMessage(EM_SETREADONLY, bReadOnly);
}

void CTKControlEdit::SetLabelWidth(int nWidth) {
  if (m_nLabelWidth == nWidth) return;
  m_nLabelWidth = nWidth;
  m_bLayoutPending = TRUE;
}

BOOL CTKControlEdit::IsCaptionVisible() const { return TKIsFieldCaptionVisible(this, m_bHasLabel); }

// Copying and persistence -----------------------------------------------------------------------

void CTKControlEdit::Copy(CTKControl* pSource, BOOL bRecursive) {
  if (pSource == this) return;
  CTKControl::Copy(pSource, bRecursive);
  CTKControlEdit* pEdit = DYNAMIC_DOWNCAST(CTKControlEdit, pSource);
  if (pEdit == nullptr) return;
  // The edit icon stays with the original.
  m_dwEditStyle = pEdit->m_dwEditStyle;
  SetEditText(pEdit->GetEditText());
  m_bHasLabel = pEdit->m_bHasLabel;
  SetReadOnly(pEdit->m_bReadOnly);
  SetEditHint(pEdit->m_strEditHint);
  m_dwShellAutoCompleteFlags = pEdit->m_dwShellAutoCompleteFlags;
  m_bShowSpinButtons = pEdit->m_bShowSpinButtons;
  m_nTextLimit = pEdit->m_nTextLimit;
  m_nBuddyButtonId = pEdit->m_nBuddyButtonId;
}

BOOL CTKControlEdit::Compare(CTKControl* pOther) {
  return CTKControl::Compare(pOther) && pOther->IsKindOf(RUNTIME_CLASS(CTKControlEdit));
}

void CTKControlEdit::DoPropExchange(CTKPropExchange* pPX) {
  CTKControl::DoPropExchange(pPX);
  const int nSchema = pPX->GetSchema();
  if (nSchema > 5) {
    ExchangeBoolProp(pPX, "HasLabel", m_bHasLabel, FALSE);
    ExchangeDpiXProp(pPX, "Width", m_nWidth, 0);
  }
  if (nSchema > 7) ExchangeBoolProp(pPX, "ReadOnly", m_bReadOnly, FALSE);
  if (nSchema > 8) {
    ExchangeStringProp(pPX, "EditHint", m_strEditHint, "");
    int nFlags = static_cast<int>(m_dwShellAutoCompleteFlags);
    ExchangeIntProp(pPX, "ShellAutoCompleteFlags", nFlags, 0);
    m_dwShellAutoCompleteFlags = static_cast<DWORD>(nFlags);
  }
  if (nSchema > 16) {
    int nStyle = static_cast<int>(m_dwEditStyle);
    ExchangeIntProp(pPX, "EditStyle", nStyle, 0);
    m_dwEditStyle = static_cast<DWORD>(nStyle);
  }
  if (nSchema > 18) ExchangeBoolProp(pPX, "ShowSpinButtons", m_bShowSpinButtons, FALSE);
  if (nSchema > 34) ExchangeIntProp(pPX, "TextLimit", m_nTextLimit, 0);
  if (nSchema > 36) ExchangeIntProp(pPX, "EditIconId", m_nEditIconId, 0);
  if (nSchema >= 38) ExchangeIntProp(pPX, "BuddyButtonId", m_nBuddyButtonId, 0);
}
