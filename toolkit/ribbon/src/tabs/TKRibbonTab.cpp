// A ribbon tab: its caption, its groups, selection rules and saved record.
#include "ribbon/TKRibbonTab.h"

#include "commandbars/TKCommandBars.h"
#include "common/TKPropExchange.h"
#include "common/TKResourceManager.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonGroup.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKRibbonTab, CCmdTarget)

// CTKRibbonTabContextHeaders ----------------------------------------------------------------

CTKRibbonTabContextHeader* CTKRibbonTabContextHeaders::GetAt(int nIndex) const {
  if (nIndex < 0 || nIndex >= GetCount()) AfxThrowInvalidArgException();
  return m_arrHeaders[nIndex];
}

void CTKRibbonTabContextHeaders::RemoveAll() {
  for (CTKRibbonTabContextHeader* pHeader : m_arrHeaders) delete pHeader;
  m_arrHeaders.clear();
}

CTKRibbonTabContextHeader* CTKRibbonTabContextHeaders::HitTest(CPoint point) const {
  for (CTKRibbonTabContextHeader* pHeader : m_arrHeaders)
    if (pHeader->m_rcHeader.PtInRect(point)) return pHeader;
  return nullptr;
}

// CTKRibbonTab --------------------------------------------------------------------------------

CTKRibbonTab::CTKRibbonTab()
    : m_pGroups(new CTKRibbonGroups(this)),
      m_pRibbonBar(nullptr),
      m_pParent(nullptr),
      m_nId(0),
      m_nContextColor(0),
      m_pContextHeader(nullptr) {}

CTKRibbonTab::~CTKRibbonTab() {
  m_pGroups->RemoveAll();
  m_pGroups->InternalRelease();
}

CString CTKRibbonTab::GetCaption() const {
  CString strCaption = CTKTabManagerItem::GetCaption();
  CTKCommandBars* pCommandBars = m_pParent != nullptr ? m_pParent->GetCommandBars() : nullptr;
  if (pCommandBars != nullptr && pCommandBars->IsMenuUpperCase()) strCaption.MakeUpper();
  return strCaption;
}

void CTKRibbonTab::SetVisible(BOOL bVisible) {
  if (IsVisible() == bVisible) return;
  const BOOL bWasSelected = IsSelected();
  CTKTabManagerItem::SetVisible(bVisible);
  if (!bVisible && bWasSelected && m_pManager != NULL) {
    CTKTabManagerItem* pNext = m_pManager->FindNextItem(-1, +1);
    m_pManager->SetSelectedItem(pNext);
  }
}

void CTKRibbonTab::OnRemoved() {
  m_pGroups->RemoveAll();
  CTKTabManagerItem::OnRemoved();
}

void CTKRibbonTab::SetBars(CTKRibbonBar* pRibbonBar, CTKCommandBar* pParent) {
  m_pRibbonBar = pRibbonBar;
  m_pParent = pParent;
}

BOOL CTKRibbonTab::OnCmdMsg(UINT nID, int nCode, void* pExtra,
                            AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (nCode == static_cast<int>(CN_EVENT) && nID == 1) {
    if (m_pRibbonBar != nullptr) m_pRibbonBar->Redraw(NULL, FALSE);
    return TRUE;
  }
  return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

CTKRibbonGroup* CTKRibbonTab::AddGroup(UINT nIDGroup) {
  CString strCaption;
  TKResourceManager()->LoadStringInto(strCaption, nIDGroup);
  const int nFirst = strCaption.Find('\n');
  if (nFirst >= 0) {
    const int nSecond = strCaption.Find('\n', nFirst + 1);
    strCaption = nSecond < 0 ? strCaption.Mid(nFirst + 1)
                             : strCaption.Mid(nFirst + 1, nSecond - nFirst - 1);
  }
  return m_pGroups->InsertGroup(-1, strCaption, static_cast<int>(nIDGroup));
}

void CTKRibbonTab::Copy(CTKRibbonTab* pSource) {
  if (pSource == this) return;
  SetCaption(pSource->GetRawCaption());
  m_nContextColor = pSource->m_nContextColor;
  m_strContextCaption = pSource->m_strContextCaption;
  m_nId = pSource->m_nId;
  m_bVisible = pSource->m_bVisible;
  SetTooltip(pSource->GetTooltip());
  if (m_pManager != NULL && pSource->IsSelected()) m_pManager->SetSelectedItem(this);
  m_pGroups->Copy(pSource->m_pGroups);
}

void CTKRibbonTab::DoPropExchange(CTKPropExchange* pPX) {
  CString strCaption = GetRawCaption();
  CString strToolTip = GetTooltip();
  ExchangeStringProp(pPX, "Caption", strCaption, "");
  ExchangeStringProp(pPX, "ToolTip", strToolTip, "");
  ExchangeIntProp(pPX, "ContextColor", m_nContextColor, 0);
  ExchangeStringProp(pPX, "ContextCaption", m_strContextCaption, "");
  ExchangeIntProp(pPX, "Id", m_nId, 0);
  BOOL bVisible = m_bVisible;
  ExchangeBoolProp(pPX, "Visible", bVisible, TRUE);
  BOOL bSelected = pPX->IsStoring() && IsSelected();
  ExchangeBoolProp(pPX, "Selected", bSelected, FALSE);
  if (pPX->GetSchema() >= 42) ExchangeStringProp(pPX, "CustomizeCaption", m_strCustomizeCaption, "");
  if (pPX->IsLoading()) {
    SetCaption(strCaption);
    SetTooltip(strToolTip);
    m_bVisible = bVisible;
    if (bSelected && m_pManager != NULL) m_pManager->SetSelectedItem(this);
  }
  CTKPropExchangeSection section(pPX->GetSection("Groups"));
  m_pGroups->DoPropExchange(section);
}
