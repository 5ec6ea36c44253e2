// A group's option button and the pop-up button it collapses into.
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKPopupBar.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonGroupPopupToolBar.h"
#include "ribbon/TKRibbonPaintManager.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKRibbonGroupOption, CTKControlButton)
TK_IMPLEMENT_LAYOUT_CLASS(CTKRibbonGroupControlPopup, CTKControlPopup)

namespace {
CTKRibbonPaintManager* RibbonPaintManagerOf(CTKRibbonBar* pRibbonBar) {
  return pRibbonBar != nullptr ? pRibbonBar->GetRibbonPaintManager() : nullptr;
}
}  // namespace

// CTKRibbonGroupOption ------------------------------------------------------------------------

CTKRibbonGroupOption::CTKRibbonGroupOption() { m_dwFlags = 0x10; }

void CTKRibbonGroupOption::Draw(CDC* pDC) {
  CTKRibbonGroup* pGroup = GetRibbonGroup();
  CTKRibbonPaintManager* pPaintManager =
      pGroup != nullptr ? RibbonPaintManagerOf(pGroup->GetRibbonBar()) : nullptr;
  if (pPaintManager != nullptr) {
    pPaintManager->DrawGroupOptionButton(pDC, this, TRUE);
    return;
  }
  CTKControlButton::Draw(pDC);
}

CTKControl* CTKRibbonGroupOption::Clone(BOOL bRecursive) {
  CTKRibbonGroupOption* pClone = new CTKRibbonGroupOption;
  pClone->Copy(this, bRecursive);
  return pClone;
}

// CTKRibbonGroupControlPopup ---------------------------------------------------------------

CTKRibbonGroupControlPopup::CTKRibbonGroupControlPopup(CTKRibbonGroup* pGroup)
    : m_pGroup(pGroup) {
  SetRibbonGroup(pGroup);
  m_dwFlags = 0x18;
  m_controlType = tkControlButtonPopup;
  SetCommandBar(CTKPopupBar::CreatePopupBar(nullptr));
}

CTKRibbonBar* CTKRibbonGroupControlPopup::GetRibbonBar() const {
  if (m_pParent != nullptr && m_pParent->IsRibbonBar()) return static_cast<CTKRibbonBar*>(m_pParent);
  // On a pop-up that shows a group or a tab, the ribbon is the pop-up's root.
  CTKCommandBar* pRoot = m_pParent != nullptr ? m_pParent->GetRootParent() : nullptr;
  return pRoot != nullptr && pRoot->IsRibbonBar() ? static_cast<CTKRibbonBar*>(pRoot) : nullptr;
}

CSize CTKRibbonGroupControlPopup::GetSize(CDC*) {
  CTKRibbonPaintManager* pPaintManager = RibbonPaintManagerOf(GetRibbonBar());
  return pPaintManager != nullptr ? pPaintManager->DrawGroupPopupButton(nullptr, this, FALSE)
                                  : CSize(0, 0);
}

void CTKRibbonGroupControlPopup::Draw(CDC* pDC) {
  CTKRibbonPaintManager* pPaintManager = RibbonPaintManagerOf(GetRibbonBar());
  if (pPaintManager != nullptr) pPaintManager->DrawGroupPopupButton(pDC, this, TRUE);
}

BOOL CTKRibbonGroupControlPopup::IsVisible(DWORD dwSkipFlags) const {
  if (!CTKControlPopup::IsVisible(dwSkipFlags)) return FALSE;
  return m_pGroup == nullptr || m_pGroup->IsVisible();
}

void CTKRibbonGroupControlPopup::Copy(CTKControl* pSource, BOOL bRecursive) {
  CTKControlPopup::Copy(pSource, bRecursive);
  CTKRibbonGroupControlPopup* pOther = DYNAMIC_DOWNCAST(CTKRibbonGroupControlPopup, pSource);
  if (pOther == nullptr) return;
  m_pGroup = pOther->m_pGroup;
  CTKRibbonBar* pOwnRibbon = GetRibbonBar();
  CTKRibbonBar* pOtherRibbon = pOther->GetRibbonBar();
  if (m_pParent != nullptr && pOther->m_pParent != nullptr && pOwnRibbon != pOtherRibbon &&
      pOwnRibbon != nullptr && m_pGroup != nullptr)
    m_pGroup = pOwnRibbon->FindGroup(m_pGroup->GetID());
}

BOOL CTKRibbonGroupControlPopup::OnSetPopup(BOOL bPopup) {
  // Each opening shows the group as it is now.
  if (bPopup && m_pGroup != nullptr) {
    CTKRibbonGroupPopupToolBar* pPopup = new CTKRibbonGroupPopupToolBar(m_pGroup);
    pPopup->SetCommandBars(m_pParent != nullptr ? m_pParent->GetCommandBars() : nullptr);
    SetCommandBar(pPopup);
  }
  return CTKControlPopup::OnSetPopup(bPopup);
}

CTKControl* CTKRibbonGroupControlPopup::Clone(BOOL bRecursive) {
  CTKRibbonGroupControlPopup* pClone = new CTKRibbonGroupControlPopup(m_pGroup);
  pClone->Copy(this, bRecursive);
  return pClone;
}
