// The ribbon bar's control collection.
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonQuickAccessControls.h"

IMPLEMENT_DYNCREATE(CTKRibbonControls, CTKControls)

CTKRibbonControls::CTKRibbonControls() : m_bDestroying(FALSE) {}

CTKRibbonControls::~CTKRibbonControls() {
  m_bDestroying = TRUE;
  RemoveAll();
}

CTKRibbonBar* CTKRibbonControls::GetRibbonBar() const {
  return m_pParent != nullptr && m_pParent->IsRibbonBar() ? static_cast<CTKRibbonBar*>(m_pParent)
                                                          : nullptr;
}

void CTKRibbonControls::Copy(CTKControls* pSource, BOOL bRecursive) {
  RemoveAll();
  for (int i = 0; i < pSource->GetCount(); ++i) {
    CTKControl* pControl = pSource->GetAt(i);
    if (IsPersistentControl(pControl)) AddCopy(pControl, -1, bRecursive);
  }
}

BOOL CTKRibbonControls::IsPersistentControl(CTKControl* pControl) const {
  if (pControl->IsTemporary() || pControl->GetRibbonGroup() != nullptr) return FALSE;
  CTKRibbonBar* pRibbonBar = GetRibbonBar();
  if (pRibbonBar == nullptr) return TRUE;
  return pControl != pRibbonBar->GetSystemButton() && !pRibbonBar->IsQuickAccessControl(pControl) &&
         pControl != static_cast<CTKControl*>(pRibbonBar->GetControlTab()) &&
         !pRibbonBar->IsScrollButton(pControl);
}

BOOL CTKRibbonControls::IsFixedControl(CTKControl* pControl) const {
  if (m_bDestroying) return FALSE;
  CTKRibbonGroup* pGroup = pControl->GetRibbonGroup();
  if (pGroup != nullptr && (pControl == pGroup->GetControlGroupOption() ||
                            pControl == pGroup->GetControlGroupPopup()))
    return TRUE;
  CTKRibbonBar* pRibbonBar = GetRibbonBar();
  if (pRibbonBar == nullptr) return FALSE;
  return pControl == static_cast<CTKControl*>(pRibbonBar->GetControlTab()) ||
         pControl == pRibbonBar->GetControlQuickAccess() ||
         pControl == pRibbonBar->GetControlQuickAccessMore() || pRibbonBar->IsScrollButton(pControl);
}

void CTKRibbonControls::OnControlRemoved(CTKControl* pControl) {
  pControl->SetControls(nullptr);
  CTKRibbonGroup* pGroup = pControl->GetRibbonGroup();
  if (pGroup != nullptr && pControl != pGroup->GetControlGroupOption() &&
      pControl != pGroup->GetControlGroupPopup())
    pGroup->RemoveControl(pControl);
  CTKRibbonBar* pRibbonBar = GetRibbonBar();
  if (pRibbonBar != nullptr) {
    if (pRibbonBar->m_pControlSystemButton == pControl) pRibbonBar->m_pControlSystemButton = nullptr;
    CTKRibbonQuickAccessControls* pQuickAccess = pRibbonBar->GetQuickAccessControls();
    if (pQuickAccess != nullptr && pQuickAccess->IndexOf(pControl) >= 0)
      pQuickAccess->Remove(pControl);
  }
  CTKControls::OnControlRemoved(pControl);
}
