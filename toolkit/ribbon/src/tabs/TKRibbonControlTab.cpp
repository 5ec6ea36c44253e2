// The ribbon's tab strip: selection through the ribbon bar with its change
// notifications, keyboard focus and keys, the tab pop-up of a minimised
// ribbon, copying and the saved tabs.
#include "ribbon/TKRibbonControlTab.h"

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKMouseManager.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKDrawHelpers.h"
#include "common/TKImageManager.h"
#include "common/TKPropExchange.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonPaintManager.h"
#include "ribbon/TKRibbonResource.h"
#include "ribbon/TKRibbonTab.h"
#include "tabs/TKTabPaintManager.h"
#include "TKRibbonExchangeObjects.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKRibbonControlTab, CTKControlPopup)

CTKRibbonControlTab::CTKRibbonControlTab() : m_bFocused(FALSE), m_pFallbackPaintManager(nullptr) {
  SetAllowReorder(FALSE);
  m_dwFlags |= 0x10;
  m_nId = TK_ID_RIBBONCONTROLTAB;
}

CTKRibbonControlTab::~CTKRibbonControlTab() {
  DeleteAllTabs();
  if (m_pFallbackPaintManager != nullptr) m_pFallbackPaintManager->InternalRelease();
}

CTKRibbonBar* CTKRibbonControlTab::GetRibbonBar() const {
  return m_pParent != nullptr && m_pParent->IsRibbonBar() ? static_cast<CTKRibbonBar*>(m_pParent)
                                                          : nullptr;
}

CTKRibbonTab* CTKRibbonControlTab::GetSelectedTab() const {
  return static_cast<CTKRibbonTab*>(GetSelectedItem());
}

CTKRibbonTab* CTKRibbonControlTab::GetTab(int nIndex) const {
  return static_cast<CTKRibbonTab*>(GetItem(nIndex));
}

void CTKRibbonControlTab::DeleteAllTabs() {
  if (GetItemCount() > 0 || m_pSelected != NULL) DeleteAllItems();
}

// The tab-strip side ----------------------------------------------------------------------------

void CTKRibbonControlTab::Reposition() {
  if (m_pParent != nullptr && m_pParent->GetSafeHwnd() != NULL) m_pParent->OnRecalcLayout();
}

CString CTKRibbonControlTab::GetItemTooltip(const CTKTabManagerItem* pItem) const {
  const CString& strTooltip = pItem->GetTooltip();
  return strTooltip.IsEmpty() ? pItem->CTKTabManagerItem::GetCaption() : strTooltip;
}

void CTKRibbonControlTab::SetSelectedItem(CTKTabManagerItem* pItem) {
  CTKRibbonBar* pRibbonBar = GetRibbonBar();
  if (pRibbonBar == nullptr || pRibbonBar->GetSafeHwnd() == NULL) {
    CTKTabManager::SetSelectedItem(pItem);
    return;
  }
  CTKCommandBars* pCommandBars = pRibbonBar->GetCommandBars();
  if (!m_bFocused && pItem != NULL && !pRibbonBar->IsRibbonMinimized() && pCommandBars != nullptr)
    pCommandBars->CloseAllPopups();
  if (pItem == m_pSelected) return;
  if (pCommandBars != nullptr && pRibbonBar->GetKeyboardTipsLevel() > 1)
    pCommandBars->HideKeyboardTips();

  CTKRibbonTab* pTab = static_cast<CTKRibbonTab*>(pItem);
  if (pRibbonBar->OnTabChanging(pTab) != 0) return;

  pRibbonBar->LockRedraw();
  pRibbonBar->UpdateGroupsVisibility(pTab);
  CTKTabManager::SetSelectedItem(pItem);
  pRibbonBar->OnIdleUpdateCmdUI(0, 0);
  pRibbonBar->UnlockRedraw();

  pRibbonBar->OnTabChanged(pTab);
  NotifySite(100);
  if (pItem != NULL)
    NotifyWinEvent(EVENT_OBJECT_FOCUS, pRibbonBar->GetSafeHwnd(), m_nIndex + 1,
                   pItem->GetIndex() + 1);
}

CTKTabPaintManager* CTKRibbonControlTab::GetPaintManager() const {
  CTKRibbonBar* pRibbonBar = GetRibbonBar();
  CTKRibbonPaintManager* pRibbonPaintManager =
      pRibbonBar != nullptr ? pRibbonBar->GetRibbonPaintManager() : nullptr;
  if (pRibbonPaintManager != nullptr) return pRibbonPaintManager->GetTabPaintManager();
  if (m_pFallbackPaintManager == nullptr) m_pFallbackPaintManager = new CTKTabPaintManager;
  return m_pFallbackPaintManager;
}

void CTKRibbonControlTab::RedrawControl(LPCRECT lpRect, BOOL bAnimate) {
  if (m_pParent != nullptr) m_pParent->Redraw(lpRect, bAnimate);
}

BOOL CTKRibbonControlTab::DrawIcon(CDC* pDC, CPoint pt, CTKTabManagerItem* pItem, BOOL bDraw,
                                   CSize& szIcon) {
  const BOOL bShowIcons = GetPaintManager()->m_bShowIcons;
  if (pItem == NULL) return bShowIcons;
  if (pItem->GetImageIndex() == -1 || !bShowIcons) return FALSE;
  CTKImageManager* pImageManager = GetImageManager();
  CTKImageManagerIcon* pIcon =
      pImageManager != nullptr ? pImageManager->GetImage(pItem->GetImageIndex(), szIcon.cx) : nullptr;
  if (pIcon == nullptr) return FALSE;
  if (bDraw) pItem->DrawImage(pDC, CRect(pt, szIcon), pIcon);
  return TRUE;
}

void CTKRibbonControlTab::OnItemClick(CTKTabManagerItem* pItem) {
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (m_pParent != nullptr && m_pParent->IsCustomizable() && pCommandBars != nullptr &&
      pCommandBars->IsCustomizeMode())
    pCommandBars->SetDragControl(this);
  SetSelectedItem(pItem);
}

BOOL CTKRibbonControlTab::IsMouseLocked() const {
  return CTKCommandBars::GetMouseManager()->GetTrackLockCount() > 0;
}

BOOL CTKRibbonControlTab::IsFocusVisible() const {
  return m_bFocused && m_pParent != nullptr && m_pParent->IsTrackingMode();
}

// The control side --------------------------------------------------------------------------------

void CTKRibbonControlTab::SetKeyboardFocus(BOOL bFocus) {
  if (m_bFocused == bFocus) return;
  m_bFocused = bFocus;
  if (bFocus && m_pSelected == NULL) SetSelectedItem(FindNextItem(-1, +1));
  RedrawParent();
}

void CTKRibbonControlTab::OnUnderlineActivate() { SetKeyboardFocus(TRUE); }

BOOL CTKRibbonControlTab::SetSelected(int nSelected) {
  if (m_nSelected == nSelected) return FALSE;
  const BOOL bKeyboard = nSelected == 2 || nSelected == 3;
  CTKRibbonBar* pRibbonBar = GetRibbonBar();
  if (bKeyboard && pRibbonBar != nullptr && !pRibbonBar->IsRibbonMinimized())
    pRibbonBar->SetPopuped(-1);
  m_nSelected = nSelected;
  if (m_pParent != nullptr) m_pParent->OnControlSelected(nSelected != 0, this);
  if (bKeyboard) SetKeyboardFocus(TRUE);
  if (nSelected != 0) {
    if (m_pParent != nullptr)
      NotifyWinEvent(EVENT_OBJECT_FOCUS, m_pParent->GetSafeHwnd(), m_nIndex + 1, GetCurSel() + 1);
  } else {
    SetKeyboardFocus(FALSE);
    PerformMouseMove(m_pParent != nullptr ? m_pParent->GetSafeHwnd() : NULL, CPoint(-1, -1));
  }
  return TRUE;
}

BOOL CTKRibbonControlTab::OnFocusedKeyDown(UINT nChar) {
  if (!m_bFocused) return FALSE;
  const UINT nReceived = nChar;
  SwapArrowKeysForRtl(m_pParent, nChar);
  CTKRibbonBar* pRibbonBar = GetRibbonBar();
  const BOOL bArrow = nChar == VK_LEFT || nChar == VK_RIGHT || nChar == VK_UP || nChar == VK_DOWN;
  if (bArrow && m_pParent != nullptr) m_pParent->HideKeyboardTips();

  const int nSelected = GetCurSel();
  switch (nChar) {
    case VK_LEFT:
    case VK_RIGHT: {
      const int nStep = nChar == VK_LEFT ? -1 : +1;
      // At the first or last tab the bar moves its own selection.
      if (FindNextItem(nSelected + nStep, nStep) == NULL) return FALSE;
      PerformKeyDown(m_pParent != nullptr ? m_pParent->GetSafeHwnd() : NULL, nReceived);
      return TRUE;
    }
    case VK_DOWN:
      if (m_pParent != nullptr && m_pControls != nullptr)
        m_pParent->SetSelected(m_pControls->GetNext(m_nIndex, +1), 2);
      return TRUE;
    case VK_RETURN:
      ShowTabPopup(TRUE);
      return TRUE;
    case VK_SPACE:
      if (pRibbonBar == nullptr || !pRibbonBar->IsRibbonMinimized()) return FALSE;
      ShowTabPopup(TRUE);
      return TRUE;
    default:
      return FALSE;
  }
}

void CTKRibbonControlTab::ShowTabPopup(BOOL bKeyboard) {
  CTKRibbonBar* pRibbonBar = GetRibbonBar();
  if (pRibbonBar == nullptr || m_pSelected == NULL || !pRibbonBar->IsRibbonMinimized()) return;
  if (pRibbonBar->GetPopuped() == m_nIndex) {
    pRibbonBar->SetPopuped(-1);
    if (m_pCommandBar != nullptr) m_pCommandBar->SetTrackingMode(FALSE);
  }
  pRibbonBar->SetTrackingMode(TRUE, FALSE, bKeyboard);
  pRibbonBar->SetPopuped(m_nIndex, bKeyboard);
}

BOOL CTKRibbonControlTab::OnSetPopup(BOOL bPopup) {
  m_bPopup = bPopup;
  CTKRibbonBar* pRibbonBar = GetRibbonBar();
  if (bPopup) {
    if (m_pSelected == NULL || pRibbonBar == nullptr || !pRibbonBar->IsRibbonMinimized()) {
      m_bPopup = FALSE;
      return FALSE;
    }
    CTKPopupBar* pPopup = pRibbonBar->CreateTabPopupToolBar(GetSelectedTab());
    SetCommandBar(pPopup);
    if (pPopup != nullptr) {
      pPopup->SetCommandBars(pRibbonBar->GetCommandBars());
      pPopup->Popup(this, m_nSelected == 2 || m_nSelected == 3);
    }
  } else if (m_pCommandBar != nullptr) {
    m_pCommandBar->SetTrackingMode(FALSE);
  }
  RedrawParent();
  return TRUE;
}

BOOL CTKRibbonControlTab::IsPopupTracking() const {
  return m_pCommandBar != nullptr && m_pCommandBar->IsTrackingMode();
}

void CTKRibbonControlTab::AdjustExcludeRect(CRect& rc, BOOL) {
  // The pop-up may overlap the strip's last line.
  rc.bottom -= 1;
}

void CTKRibbonControlTab::Copy(CTKControl* pSource, BOOL bRecursive) {
  CTKRibbonControlTab* pOther = DYNAMIC_DOWNCAST(CTKRibbonControlTab, pSource);
  if (pOther == this) return;
  CTKControlButton::Copy(pSource, bRecursive);
  if (pOther == nullptr) return;
  DeleteAllTabs();
  for (int i = 0; i < pOther->GetItemCount(); ++i) {
    CTKRibbonTab* pSourceTab = pOther->GetTab(i);
    CTKRibbonTab* pTab =
        static_cast<CTKRibbonTab*>(pSourceTab->GetRuntimeClass()->CreateObject());
    pTab->SetBars(GetRibbonBar(), m_pParent);
    AddItem(i, pTab);
    pTab->Copy(pSourceTab);
  }
}

CTKControl* CTKRibbonControlTab::Clone(BOOL bRecursive) {
  CTKControl* pClone = static_cast<CTKControl*>(GetRuntimeClass()->CreateObject());
  pClone->Copy(this, bRecursive);
  return pClone;
}

void CTKRibbonControlTab::DoPropExchange(CTKPropExchange* pPX) {
  CTKPropExchangeEnumeratorPtr enumerator(pPX->GetEnumerator("Tab"));
  if (pPX->IsStoring()) {
    POSITION pos = enumerator->GetPosition(static_cast<DWORD>(GetItemCount()));
    for (int i = 0; pos != nullptr && i < GetItemCount(); ++i) {
      CTKPropExchangeSection section(enumerator->GetNext(pos));
      CObject* pObject = GetTab(i);
      section->ExchangeObjectInstance(pObject, RUNTIME_CLASS(CTKRibbonTab));
      GetTab(i)->DoPropExchange(section);
    }
    return;
  }
  DeleteAllTabs();
  POSITION pos = enumerator->GetPosition();
  while (pos != nullptr) {
    CTKPropExchangeSection section(enumerator->GetNext(pos));
    CTKRibbonTab* pTab =
        static_cast<CTKRibbonTab*>(TKReadRibbonObject(section, RUNTIME_CLASS(CTKRibbonTab)));
    pTab->SetBars(GetRibbonBar(), m_pParent);
    // In the strip before it reads itself, so that "Selected" can select it.
    AddItem(-1, pTab);
    pTab->DoPropExchange(section);
  }
}
