// CTKControl: captions, prompts and ids.
#include "commandbars/TKControl.h"

#include "TKPrompt.h"
#include "common/TKResourceManager.h"


void CTKControl::SetCaption(LPCSTR lpszCaption) {
  CString strCaption(lpszCaption);
  CString strShortcutAuto;
  const int nTab = strCaption.Find('\t');
  if (nTab != -1) {
    strShortcutAuto = strCaption.Mid(nTab + 1);
    strCaption = strCaption.Left(nTab);
  }
  const bool bShortcutChanged = strShortcutAuto != m_strShortcutTextAuto;
  if (nTab != -1) m_strShortcutTextAuto = strShortcutAuto;
  if (strCaption != m_strCaption) {
    m_strCaption = strCaption;
    OnCaptionChanged();
    DelayLayoutParent();
  } else if (nTab != -1 && bShortcutChanged) {
    DelayLayoutParent();
  }
}

void CTKControl::SetPrompt(LPCSTR lpszPrompt) {
  if (lpszPrompt == nullptr || *lpszPrompt == '\0') return;
  const TK_PROMPT prompt = SplitPrompt(lpszPrompt);
  m_strTooltipText = prompt.strTooltip;
  m_strDescriptionText = prompt.strDescription;
  if (m_strCaption.IsEmpty()) {
    m_strCaption = prompt.strCaption.IsEmpty() ? prompt.strTooltip : prompt.strCaption;
    OnCaptionChanged();
  }
  if (m_strKeyboardTip.IsEmpty()) m_strKeyboardTip = prompt.strKeyboardTip;
}

void CTKControl::SetID(int nId) {
  if (m_nId == nId) return;
  CString strPrompt;
  if (nId > 0 && TKResourceManager()->LoadStringInto(strPrompt, nId)) SetPrompt(strPrompt);
  m_nId = nId;
}

void CTKControl::SetCaptionFromResource(UINT nIDResource) {
  CString strCaption;
  if (TKResourceManager()->LoadStringInto(strCaption, nIDResource)) SetCaption(strCaption);
}
