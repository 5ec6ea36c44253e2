// The quick-access commands and their mirror in the ribbon's controls.
#include "ribbon/TKRibbonQuickAccessControls.h"

#include "common/TKPropExchange.h"
#include "ribbon/TKRibbonBar.h"

IMPLEMENT_DYNCREATE(CTKRibbonQuickAccessControls, CTKControls)

CTKRibbonQuickAccessControls::CTKRibbonQuickAccessControls() = default;

CTKRibbonBar* CTKRibbonQuickAccessControls::GetRibbonBar() const {
  return m_pParent != nullptr && m_pParent->IsRibbonBar() ? static_cast<CTKRibbonBar*>(m_pParent)
                                                          : nullptr;
}

int CTKRibbonQuickAccessControls::IndexOf(const CTKControl* pControl) const {
  for (int i = 0; i < GetCount(); ++i)
    if (m_arrControls[i] == pControl) return i;
  return -1;
}

CTKControl* CTKRibbonQuickAccessControls::FindDuplicate(CTKControl* pControl) const {
  for (int i = 0; i < GetCount(); ++i) {
    CTKControl* pCandidate = m_arrControls[i];
    if (pCandidate->GetID() == pControl->GetID() && pCandidate->IsVisible(TKHIDE_WRAP) &&
        pCandidate->GetType() == pControl->GetType() &&
        pCandidate->GetRuntimeClass() == pControl->GetRuntimeClass())
      return pCandidate;
  }
  return nullptr;
}

void CTKRibbonQuickAccessControls::Remove(CTKControl* pControl) {
  const int nIndex = IndexOf(pControl);
  if (nIndex < 0) return;
  m_arrControls.RemoveAt(nIndex);
  OnControlRemoved(pControl);
  pControl->InternalRelease();
}

void CTKRibbonQuickAccessControls::OnControlAdded(CTKControl* pControl) {
  CTKRibbonBar* pRibbonBar = GetRibbonBar();
  if (pRibbonBar == nullptr) return;
  const int nOffset = pRibbonBar->GetSystemButton() != nullptr ? 1 : 0;
  // The ribbon's collection holds a reference of its own.
  pControl->InternalAddRef();
  pRibbonBar->GetControls()->InsertControl(pControl, IndexOf(pControl) + nOffset);
}

void CTKRibbonQuickAccessControls::OnControlRemoved(CTKControl* pControl) {
  CTKControls* pBarControls = pControl->GetControls();
  CTKRibbonBar* pRibbonBar = GetRibbonBar();
  if (pRibbonBar != nullptr && pBarControls == pRibbonBar->GetControls())
    pBarControls->Remove(pControl);
}

void CTKRibbonQuickAccessControls::RefreshIndexes() {
  for (int i = 0; i < GetCount(); ++i) m_arrControls[i]->SetParent(m_pParent);
}

void CTKRibbonQuickAccessControls::RemoveAllCommands() {
  while (GetCount() > 0) Remove(m_arrControls[GetCount() - 1]);
}

void CTKRibbonQuickAccessControls::DoPropExchange(CTKPropExchange* pPX) {
  // The base empties itself by the controls' indexes, which are the ribbon's.
  if (pPX->IsLoading()) RemoveAllCommands();
  CTKControls::DoPropExchange(pPX);
}

void CTKRibbonQuickAccessControls::Copy(CTKControls* pSource, BOOL bRecursive) {
  if (pSource == this) return;
  RemoveAllCommands();
  for (int i = 0; i < pSource->GetCount(); ++i) AddCopy(pSource->GetAt(i), -1, bRecursive);
}
