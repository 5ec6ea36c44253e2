// CTKControl: what the paint manager asks a control before it draws it.
#include "commandbars/TKControl.h"

#include "commandbars/TKCommandBar.h"

BOOL CTKControl::IsImageVisible() const {
  if (GetImage(GetIconSize().cx) == nullptr) return FALSE;
  if (m_pParent != nullptr && m_pParent->GetType() == tkBarTypePopup) return TRUE;
  const int nStyle = GetStyle();
  return nStyle == tkButtonIcon || nStyle == tkButtonIconAndCaption;
}
