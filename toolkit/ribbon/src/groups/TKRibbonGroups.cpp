// The groups of one ribbon tab.
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonTab.h"

CTKRibbonGroups::CTKRibbonGroups(CTKRibbonTab* pTab) : m_pTab(pTab), m_nScrollPos(0) {}

CTKRibbonGroups::~CTKRibbonGroups() { RemoveAll(); }

CTKRibbonBar* CTKRibbonGroups::GetRibbonBar() const {
  return m_pTab != nullptr ? m_pTab->GetRibbonBar() : nullptr;
}

CTKCommandBar* CTKRibbonGroups::GetParentBar() const {
  return m_pTab != nullptr ? m_pTab->GetParent() : nullptr;
}

CTKRibbonGroup* CTKRibbonGroups::GetAt(int nIndex) const {
  return nIndex >= 0 && nIndex < GetCount() ? m_arrGroups[nIndex] : nullptr;
}

CTKRibbonGroup* CTKRibbonGroups::AddGroup(LPCTSTR lpszCaption, int nId) {
  return InsertGroup(-1, lpszCaption, nId);
}

CTKRibbonGroup* CTKRibbonGroups::InsertGroup(int nIndex, LPCTSTR lpszCaption, int nId) {
  CTKRibbonGroup* pGroup = new CTKRibbonGroup;
  pGroup->SetID(nId);
  pGroup->SetCaption(lpszCaption);
  InsertGroup(nIndex, pGroup);
  pGroup->LoadToolBar(static_cast<UINT>(nId), TRUE);
  return pGroup;
}

void CTKRibbonGroups::InsertGroup(int nIndex, CTKRibbonGroup* pGroup) {
  if (nIndex < 0 || nIndex > GetCount()) nIndex = GetCount();
  pGroup->m_pGroups = this;
  pGroup->SetBars(GetRibbonBar(), GetParentBar());
  m_arrGroups.insert(m_arrGroups.begin() + nIndex, pGroup);
  RefreshIndexes();
  pGroup->OnGroupAdded();
}

void CTKRibbonGroups::RemoveAll() {
  std::vector<CTKRibbonGroup*> arrGroups;
  arrGroups.swap(m_arrGroups);
  for (CTKRibbonGroup* pGroup : arrGroups) {
    pGroup->OnGroupRemoved();
    pGroup->InternalRelease();
  }
  RefreshIndexes();
}

void CTKRibbonGroups::Copy(CTKRibbonGroups* pSource) {
  if (pSource == this) return;
  RemoveAll();
  for (int i = 0; i < pSource->GetCount(); ++i) {
    CTKRibbonGroup* pSourceGroup = pSource->GetAt(i);
    CTKRibbonGroup* pGroup =
        static_cast<CTKRibbonGroup*>(pSourceGroup->GetRuntimeClass()->CreateObject());
    InsertGroup(i, pGroup);
    pGroup->Copy(pSourceGroup);
  }
}

CTKRibbonGroup* CTKRibbonGroups::HitTest(CPoint point) const {
  for (CTKRibbonGroup* pGroup : m_arrGroups)
    if (pGroup->IsVisible() && pGroup->GetRect().PtInRect(point)) return pGroup;
  return nullptr;
}
