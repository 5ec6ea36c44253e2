// Construction, items, selection and the strip's own state.
#include "tabs/TKTabManager.h"

#include "markup/TKMarkupFlat.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabPaintManager.h"

void TabRowTable::SetRowCount(int nCount) {
  if (nCount < 0) nCount = 0;
  if (nCount != GetRowCount()) rows.assign(nCount, Row{0, -1});
  if (nCount > 0) rows[0] = Row{0, pManager->GetItemCount() - 1};
}

CTKTabManager::CTKTabManager() : m_rows(this) {
  m_arrButtons.Add(new CNavigateButtonArrowLeft(this));
  m_arrButtons.Add(new CNavigateButtonArrowRight(this));
  m_arrButtons.Add(new CNavigateButtonClose(this, tkTabButtonNever));
  m_rows.SetRowCount(1);
}

CTKTabManager::~CTKTabManager() {
  for (CTKTabManagerItem* pItem : m_arrItems) {
    pItem->OnRemoved();
    pItem->InternalRelease();
  }
  m_arrItems.clear();
  m_arrButtons.RemoveAll();
  ReleaseMarkupContext(m_pMarkupContext);
}

void CTKTabManager::SetMarkupContext(CTKMarkupContext* pContext) {
  ReleaseMarkupContext(m_pMarkupContext);
  m_pMarkupContext = pContext;
}

CString CTKTabManager::GetItemCaption(const CTKTabManagerItem* pItem) const {
  return pItem->GetRawCaption();
}

DWORD_PTR CTKTabManager::GetItemData(const CTKTabManagerItem* pItem) const {
  return pItem->GetData();
}

COLORREF CTKTabManager::GetItemColor(const CTKTabManagerItem* pItem) const {
  return CTKTabPaintManager::GetAutomaticTabColor(pItem->GetRawColor());
}

CString CTKTabManager::GetItemTooltip(const CTKTabManagerItem* pItem) const {
  return pItem->GetTooltip();
}

void CTKTabManager::OnItemsChanged() {
  for (int i = 0; i < GetItemCount(); ++i) m_arrItems[i]->SetIndex(i);
  Reposition();
}

void CTKTabManager::SetSelectedItem(CTKTabManagerItem* pItem) {
  if (pItem == m_pSelected) return;
  m_pSelected = pItem;
  Reposition();
  EnsureVisible(pItem);
}

BOOL CTKTabManager::PerformItemClick(CTKTabManagerItem* pItem) {
  const BOOL bAllow = OnBeforeItemClick(pItem);
  if (bAllow && pItem != NULL) OnItemClick(pItem);
  return bAllow;
}

void CTKTabManager::GetItemMetrics(CSize* pszNormal, CSize* pszMin, CSize* pszMax) const {
  const CTKTabPaintManager* pPaintManager = GetPaintManager();
  if (pszNormal) *pszNormal = CSize(pPaintManager->m_nFixedTabWidth, 0);
  if (pszMin) *pszMin = CSize(pPaintManager->m_nMinTabWidth, 0);
  if (pszMax) *pszMax = CSize(pPaintManager->m_nMaxTabWidth, 0);
}

BOOL CTKTabManager::HasControlFrame() const { return GetPaintManager()->m_bControlFrame; }

int CTKTabManager::GetPosition() const { return GetPaintManager()->GetPosition(); }

int CTKTabManager::GetLayout() const { return GetPaintManager()->GetLayout(); }

CTKTabPaintManagerTheme* CTKTabManager::GetAppearanceSet() const {
  return GetPaintManager()->GetAppearanceSet();
}

BOOL CTKTabManager::IsHorizontal() const {
  const int nPosition = GetPosition();
  return nPosition == tkTabPositionTop || nPosition == tkTabPositionBottom;
}

int CTKTabManager::GetRectLength(const CRect& rc) const {
  return IsHorizontal() ? rc.Width() : rc.Height();
}

void CTKTabManager::ScrollTabs(int nDirection) {
  SetHeaderOffset(nDirection != 0 ? m_nHeaderOffset - m_nScrollStep
                                  : m_nHeaderOffset + m_nScrollStep);
}

void CTKTabManager::SetHeaderOffset(int nOffset) {
  if (nOffset > 0) nOffset = 0;
  if (nOffset == m_nHeaderOffset) return;
  m_nHeaderOffset = nOffset;
  Reposition();
}

void CTKTabManager::EnsureVisible(CTKTabManagerItem* pItem) {
  if (pItem != NULL) GetPaintManager()->EnsureVisible(this, pItem);
}

BOOL CTKTabManager::DrawParentBackground(CDC*, CRect) { return FALSE; }

void CTKTabManager::OnItemClick(CTKTabManagerItem* pItem) { SetSelectedItem(pItem); }

BOOL CTKTabManager::OnBeforeItemClick(CTKTabManagerItem*) { return TRUE; }

void CTKTabManager::OnSwapItems(CTKTabManagerItem*, CTKTabManagerItem*) {}

void CTKTabManager::OnItemMoved(CTKTabManagerItem*, int, int) {}

void CTKTabManager::OnNavigateButtonCommand(int) {}

void CTKTabManager::OnNavigateButtonClick(CTKTabManagerNavigateButton* pButton) {
  OnNavigateButtonCommand(pButton->GetId());
}

CTKTabManagerItem* CTKTabManager::AddItem(int nIndex, CTKTabManagerItem* pItem) {
  if (pItem == NULL) pItem = new CTKTabManagerItem();
  pItem->SetManager(this);
  if (nIndex < 0 || nIndex > GetItemCount()) nIndex = GetItemCount();
  m_arrItems.insert(m_arrItems.begin() + nIndex, pItem);
  pItem->SetColor(GetPaintManager()->NextAutomaticColor());
  if (m_nTabCloseMode != tkTabButtonNever)
    pItem->GetNavigateButtons().Add(new CNavigateButtonTabClose(this, pItem, m_nTabCloseMode));
  OnItemsChanged();
  return pItem;
}

void CTKTabManager::DeleteAllItems() {
  for (CTKTabManagerItem* pItem : m_arrItems) {
    pItem->OnRemoved();
    pItem->InternalRelease();
  }
  m_arrItems.clear();
  m_pSelected = m_pHighlighted = m_pPressed = NULL;
  OnItemsChanged();
}

CTKTabManagerItem* CTKTabManager::GetItem(int nIndex) const {
  return nIndex >= 0 && nIndex < GetItemCount() ? m_arrItems[nIndex] : NULL;
}

int CTKTabManager::GetCurSel() const {
  return m_pSelected != NULL ? m_pSelected->GetIndex() : -1;
}

void CTKTabManager::SetCurSel(int nIndex) {
  if (m_arrItems.empty()) return;
  if (nIndex < 0) nIndex = 0;
  if (nIndex >= GetItemCount()) nIndex = GetItemCount() - 1;
  SetSelectedItem(m_arrItems[nIndex]);
}

CTKTabManagerItem* CTKTabManager::FindNextItem(int nIndex, int nStep) const {
  for (nIndex += nStep; nIndex >= 0 && nIndex < GetItemCount(); nIndex += nStep) {
    CTKTabManagerItem* pItem = m_arrItems[nIndex];
    if (pItem == NULL) return NULL;
    if (pItem->IsVisible() && pItem->IsEnabled()) return pItem;
  }
  return NULL;
}

CTKTabManagerItem* CTKTabManager::FindItemByHandle(HWND hWnd) const {
  for (CTKTabManagerItem* pItem : m_arrItems)
    if (pItem->GetHandle() == hWnd) return pItem;
  return NULL;
}

void CTKTabManager::ClearHighlightedNavigateButton(const CTKTabManagerNavigateButton* pButton) {
  if (m_pHighlightedButton == pButton) m_pHighlightedButton = NULL;
}
