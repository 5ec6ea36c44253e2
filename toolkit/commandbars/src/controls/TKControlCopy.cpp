// CTKControl: comparing and copying.
#include "commandbars/TKControl.h"

BOOL CTKControl::Compare(CTKControl* pOther) {
  return GetStyle() == pOther->GetStyle() && m_controlType == pOther->m_controlType &&
         m_nId == pOther->m_nId && m_dwFlags == pOther->m_dwFlags &&
         m_bBeginGroup == pOther->m_bBeginGroup && GetIconId() == pOther->GetIconId() &&
         m_strCaption == pOther->m_strCaption && m_strTooltipText == pOther->m_strTooltipText &&
         m_strDescriptionText == pOther->m_strDescriptionText &&
         m_strCustomCaption == pOther->m_strCustomCaption &&
         m_strParameter == pOther->m_strParameter &&
         m_buttonCustomStyle == pOther->m_buttonCustomStyle &&
         (m_dwHideFlags & TKHIDE_CUSTOMIZE) == (pOther->m_dwHideFlags & TKHIDE_CUSTOMIZE) &&
         m_nWidth == pOther->m_nWidth;
}

void CTKControl::Copy(CTKControl* pSource, BOOL /*bRecursive*/) {
  if (pSource == this) return;
  m_nId = pSource->m_nId;
  SetAction(pSource->m_pAction);
  m_nTag = pSource->m_nTag;
  m_dwFlags = pSource->m_dwFlags;
  m_controlType = pSource->m_controlType;
  m_strCaption = pSource->m_strCaption;
  m_strShortcutText = pSource->m_strShortcutText;
  m_strShortcutTextAuto = pSource->m_strShortcutTextAuto;
  m_strTooltipText = pSource->m_strTooltipText;
  m_strDescriptionText = pSource->m_strDescriptionText;
  m_strParameter = pSource->m_strParameter;
  m_strKeyboardTip = pSource->m_strKeyboardTip;
  m_strCustomShortcutText = pSource->m_strCustomShortcutText;
  m_nCustomIconId = pSource->m_nCustomIconId;
  m_nIconId = pSource->m_nIconId;
  m_nHelpId = pSource->m_nHelpId;
  m_bTemporary = pSource->m_bTemporary;
  m_strCustomCaption = pSource->m_strCustomCaption;
  m_strCategory = pSource->m_strCategory;
  m_dwHideFlags = pSource->m_dwHideFlags & ~TKHIDE_TRANSIENT;
  m_bDefaultItem = pSource->m_bDefaultItem;
  m_bEnabled = pSource->m_bEnabled;
  m_bChecked = pSource->m_bChecked;
  m_buttonCustomStyle = pSource->m_buttonCustomStyle;
  m_buttonStyle = pSource->m_buttonStyle;
  m_nWidth = pSource->m_nWidth;
  if (m_nWidth < GetCustomizeMinWidth()) m_nWidth = GetCustomizeMinWidth();
  m_nHeight = pSource->m_nHeight;
  m_szIcon = pSource->m_szIcon;
  m_bBeginGroup = pSource->m_bBeginGroup;
  m_bCloseSubMenuOnClick = pSource->m_bCloseSubMenuOnClick;
  m_nExecuteOnPressInterval = pSource->m_nExecuteOnPressInterval;
  m_mapDocTemplatesAssigned.Copy(pSource->m_mapDocTemplatesAssigned);
  m_mapDocTemplatesExcluded.Copy(pSource->m_mapDocTemplatesExcluded);
  OnCaptionChanged();
}

CTKControl* CTKControl::Clone(BOOL bRecursive) {
  CTKControl* pClone = static_cast<CTKControl*>(GetRuntimeClass()->CreateObject());
  pClone->Copy(this, bRecursive);
  return pClone;
}
