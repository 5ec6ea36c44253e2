// CTKControl: captions, prompts and ids.
#include "commandbars/TKControl.h"

#include "common/TKResourceManager.h"

namespace {

/// Part `nIndex` of a newline-separated prompt; empty when it has no such part.
CString PromptPart(const CString& strPrompt, int nIndex) {
  CString strPart;
  AfxExtractSubString(strPart, strPrompt, nIndex, '\n');
  return strPart;
}

}  // namespace

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
  const CString strPrompt(lpszPrompt);
  if (strPrompt.Find('\n') != -1) {
    m_strTooltipText = PromptPart(strPrompt, 1);
    m_strDescriptionText = PromptPart(strPrompt, 0);
  } else {
    m_strTooltipText = strPrompt;
    m_strDescriptionText = strPrompt;
  }
  if (m_strCaption.IsEmpty()) {
    m_strCaption = PromptPart(strPrompt, 2);
    if (m_strCaption.IsEmpty()) m_strCaption = m_strTooltipText;
    OnCaptionChanged();
  }
  if (m_strKeyboardTip.IsEmpty()) m_strKeyboardTip = PromptPart(strPrompt, 3);
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
