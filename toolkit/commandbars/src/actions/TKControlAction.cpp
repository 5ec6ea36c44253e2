// Actions and their collection.
#include "commandbars/TKControlAction.h"

#include "TKPrompt.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControl.h"
#include "common/TKResourceManager.h"

// CTKControlAction --------------------------------------------------------------

CTKControlAction::CTKControlAction(CTKControlActions* pActions)
    : m_pGalleryItems(nullptr),
      m_nId(0),
      m_nIconId(0),
      m_nHelpId(0),
      m_bEnabled(TRUE),
      m_nChecked(0),
      m_bVisible(TRUE),
      m_pActions(pActions) {}

CTKControlAction::~CTKControlAction() {
  RemoveAllControls();
  SetGalleryItems(nullptr);
}

CString CTKControlAction::GetCaption() const {
  return m_strCaption.IsEmpty() ? m_strTooltipText : m_strCaption;
}

CTKCommandBars* CTKControlAction::GetCommandBars() const {
  return m_pActions != nullptr ? m_pActions->GetCommandBars() : nullptr;
}

BOOL CTKControlAction::GetEnabled() const {
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars != nullptr && pCommandBars->IsCustomizeMode()) return TRUE;
  return m_bEnabled;
}

void CTKControlAction::SetEnabled(BOOL bEnabled) {
  if (m_bEnabled == bEnabled) return;
  NotifyChanging(tkActionEnabled);
  m_bEnabled = bEnabled;
  NotifyChanged(tkActionEnabled);
  RedrawControls();
}

void CTKControlAction::SetChecked(int nChecked) {
  if (m_nChecked == nChecked) return;
  m_nChecked = nChecked;
  RedrawControls();
}

void CTKControlAction::SetVisible(BOOL bVisible) {
  if (m_bVisible == bVisible) return;
  m_bVisible = bVisible;
  DelayLayoutControls();
}

void CTKControlAction::SetCaption(LPCSTR lpszCaption) {
  CString strCaption(lpszCaption);
  const int nTab = strCaption.Find('\t');
  if (nTab != -1) strCaption = strCaption.Left(nTab);
  if (strCaption == m_strCaption) return;
  NotifyChanging(tkActionCaption);
  m_strCaption = strCaption;
  NotifyChanged(tkActionCaption);
  DelayLayoutControls();
}

void CTKControlAction::SetPrompt(LPCSTR lpszPrompt) {
  if (lpszPrompt == nullptr || *lpszPrompt == '\0') return;
  const TK_PROMPT prompt = SplitPrompt(lpszPrompt);
  m_strTooltipText = prompt.strTooltip;
  m_strDescriptionText = prompt.strDescription;
  if (m_strCaption.IsEmpty()) m_strCaption = prompt.strCaption;
  if (m_strKeyboardTip.IsEmpty()) m_strKeyboardTip = prompt.strKeyboardTip;
}

int CTKControlAction::AddControl(CTKControl* pControl) {
  for (int i = 0; i < GetCount(); ++i)
    if (m_arrControls[i] == pControl) return i;
  pControl->m_bEnabled = -1;
  pControl->m_bChecked = -1;
  pControl->m_nId = m_nId;
  pControl->m_strCaption.Empty();
  pControl->m_strTooltipText.Empty();
  pControl->m_strDescriptionText.Empty();
  pControl->m_strCategory.Empty();
  pControl->m_strShortcutText.Empty();
  pControl->m_strKeyboardTip.Empty();
  pControl->m_strCustomShortcutText.Empty();
  return static_cast<int>(m_arrControls.Add(pControl));
}

void CTKControlAction::RemoveControl(CTKControl* pControl) {
  for (int i = 0; i < GetCount(); ++i) {
    if (m_arrControls[i] != pControl) continue;
    m_arrControls.RemoveAt(i);
    pControl->m_bEnabled = 1;
    pControl->m_bChecked = 0;
    return;
  }
}

void CTKControlAction::RemoveAllControls() {
  while (GetCount() > 0) {
    CTKControl* pControl = m_arrControls[0];
    if (pControl->GetAction() == this)
      pControl->SetAction(nullptr);
    else
      RemoveControl(pControl);  // never bound through SetAction: just forget it
  }
}

void CTKControlAction::NotifyChanging(int nProperty) {
  for (int i = 0; i < GetCount(); ++i) m_arrControls[i]->OnActionChanging(nProperty);
}

void CTKControlAction::NotifyChanged(int nProperty) {
  for (int i = 0; i < GetCount(); ++i) m_arrControls[i]->OnActionChanged(nProperty);
}

void CTKControlAction::DelayLayoutControls() {
  for (int i = 0; i < GetCount(); ++i) m_arrControls[i]->DelayLayoutParent();
}

void CTKControlAction::RedrawControls() {
  for (int i = 0; i < GetCount(); ++i) m_arrControls[i]->RedrawParent();
}

// CTKControlActions ---------------------------------------------------------------

CTKControlActions::CTKControlActions(CTKCommandBars* pCommandBars)
    : m_pCommandBars(pCommandBars) {}

CTKControlActions::~CTKControlActions() { RemoveAll(); }

CTKControlAction* CTKControlActions::Add(int nId, CTKControlAction* pAction) {
  pAction->m_nId = nId;
  CString strPrompt;
  if (nId > 0 && TKResourceManager()->LoadStringInto(strPrompt, nId)) pAction->SetPrompt(strPrompt);
  int nBefore = GetCount();
  while (nBefore > 0 && m_arrActions[nBefore - 1]->GetID() > nId) --nBefore;
  m_arrActions.InsertAt(nBefore, pAction);
  return pAction;
}

CTKControlAction* CTKControlActions::FindAction(int nId) const {
  if (!IsActionId(nId)) return nullptr;
  int nLow = 0;
  int nHigh = GetCount() - 1;
  while (nLow <= nHigh) {
    const int nMiddle = (nLow + nHigh) / 2;
    CTKControlAction* pAction = m_arrActions[nMiddle];
    if (pAction->GetID() == nId) return pAction;
    if (pAction->GetID() < nId)
      nLow = nMiddle + 1;
    else
      nHigh = nMiddle - 1;
  }
  return nullptr;
}

void CTKControlActions::RemoveAll() {
  for (int i = 0; i < GetCount(); ++i) {
    m_arrActions[i]->RemoveAllControls();
    m_arrActions[i]->InternalRelease();
  }
  m_arrActions.RemoveAll();
}
