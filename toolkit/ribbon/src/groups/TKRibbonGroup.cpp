// A ribbon group: its controls, which live in the parent bar's collection
// just before the group's option button, and its two buttons.
#include "ribbon/TKRibbonGroup.h"

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPaintManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonPaintManager.h"
#include "ribbon/TKRibbonTab.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKRibbonGroup, CCmdTarget)

CTKRibbonGroup::CTKRibbonGroup()
    : m_bControlsCentering(FALSE),
      m_bControlsGrouping(FALSE),
      m_pGroups(nullptr),
      m_rcGroup(0, 0, 0, 0),
      m_pParent(nullptr),
      m_pRibbonBar(nullptr),
      m_nId(-1),
      m_nIconId(-1),
      m_pOptionButton(new CTKRibbonGroupOption),
      m_pPopupButton(new CTKRibbonGroupControlPopup(this)),
      m_bReduced(FALSE),
      m_bShowOptionButton(FALSE),
      m_bVisible(TRUE),
      m_nAllowReduction(4),
      m_nRowsStage(2),
      m_bEqualizeEditWidths(TRUE) {
  m_pOptionButton->SetRibbonGroup(this);
  m_pPopupButton->SetLayoutStyle(4);
}

CTKRibbonGroup::~CTKRibbonGroup() {
  DiscardLayout();
  for (CTKControl* pControl : m_arrControls) {
    pControl->SetRibbonGroup(nullptr);
    pControl->InternalRelease();
  }
  m_pOptionButton->SetRibbonGroup(nullptr);
  m_pPopupButton->SetRibbonGroup(nullptr);
  m_pOptionButton->InternalRelease();
  m_pPopupButton->InternalRelease();
}

void CTKRibbonGroup::SetBars(CTKRibbonBar* pRibbonBar, CTKCommandBar* pParent) {
  m_pRibbonBar = pRibbonBar;
  m_pParent = pParent;
}

CTKRibbonTab* CTKRibbonGroup::GetTab() const {
  return m_pGroups != nullptr ? m_pGroups->GetTab() : nullptr;
}

CTKControls* CTKRibbonGroup::GetBarControls() const {
  return m_pParent != nullptr ? m_pParent->GetControls() : nullptr;
}

CTKControl* CTKRibbonGroup::GetAt(int nIndex) const {
  return nIndex >= 0 && nIndex < GetCount() ? m_arrControls[nIndex] : nullptr;
}

int CTKRibbonGroup::BarIndexOf(int nIndex) const {
  return m_pOptionButton->GetIndex() - GetCount() + nIndex;
}

int CTKRibbonGroup::IndexOf(CTKControl* pControl) const {
  if (pControl == nullptr || pControl->GetRibbonGroup() != this) return -1;
  return pControl->GetIndex() + GetCount() - m_pOptionButton->GetIndex();
}

BOOL CTKRibbonGroup::IsVisible() const {
  if (m_pParent != nullptr && m_pParent == static_cast<CTKCommandBar*>(m_pRibbonBar))
    return m_bVisible && GetTab() != nullptr && GetTab() == m_pRibbonBar->GetSelectedTab();
  return m_bVisible;
}

void CTKRibbonGroup::SetVisible(BOOL bVisible) {
  if (m_bVisible == bVisible) return;
  m_bVisible = bVisible;
  if (m_pParent != nullptr) m_pParent->OnRecalcLayout();
}

BOOL CTKRibbonGroup::IsHighlighted() const {
  return m_pRibbonBar != nullptr && m_pRibbonBar->GetHighlightedGroup() == this;
}

void CTKRibbonGroup::UpdateHideFlag(CTKControl* pControl) const {
  const DWORD dwFlags = pControl->GetHideFlags();
  pControl->SetHideFlags(IsVisible() ? (dwFlags & ~TKHIDE_RIBBONGROUP)
                                     : (dwFlags | TKHIDE_RIBBONGROUP));
}

void CTKRibbonGroup::AttachControl(CTKControl* pControl, int nIndex) {
  pControl->InternalAddRef();
  pControl->SetRibbonGroup(this);
  m_arrControls.insert(m_arrControls.begin() + nIndex, pControl);
  UpdateHideFlag(pControl);
}

CTKControl* CTKRibbonGroup::AddControl(int nType, int nId, LPCTSTR lpszCaption, int nIndex,
                                       BOOL bTemporary) {
  CTKControls* pControls = GetBarControls();
  if (pControls == nullptr) return nullptr;
  if (nIndex < 0 || nIndex > GetCount()) nIndex = GetCount();
  CTKControl* pControl = pControls->AddNew(nType, nId, NULL, BarIndexOf(nIndex), bTemporary);
  if (pControl == nullptr) return nullptr;
  if (lpszCaption != NULL) pControl->SetCaption(lpszCaption);
  AttachControl(pControl, nIndex);
  return pControl;
}

CTKControl* CTKRibbonGroup::AddClone(CTKControl* pSource, int nIndex, BOOL bRecursive) {
  CTKControls* pControls = GetBarControls();
  if (pControls == nullptr || pSource == nullptr) return nullptr;
  if (nIndex < 0 || nIndex > GetCount()) nIndex = GetCount();
  CTKControl* pControl = pControls->AddCopy(pSource, BarIndexOf(nIndex), bRecursive);
  AttachControl(pControl, nIndex);
  return pControl;
}

BOOL CTKRibbonGroup::LoadToolBar(UINT nIDResource, BOOL bLoadIcons) {
  CArray<UINT, UINT> arrItems;
  CSize szImage;
  if (!CTKCommandBar::ReadToolBarResource(nIDResource, arrItems, szImage)) return FALSE;
  AddControlsFromIds(arrItems.GetData(), static_cast<int>(arrItems.GetSize()));
  if (!bLoadIcons || m_pParent == nullptr) return TRUE;
  return m_pParent->GetImageManager()->SetIconsFromToolBar(nIDResource);
}

BOOL CTKRibbonGroup::AddControlsFromIds(const UINT* pIds, int nCount) {
  CTKControls* pControls = GetBarControls();
  if (pControls == nullptr) return TRUE;
  BOOL bBeginGroup = FALSE;
  CWnd* pSite = m_pParent->GetSite();
  for (int i = 0; i < nCount; ++i) {
    if (pIds[i] == 0) {
      bBeginGroup = TRUE;
      continue;
    }
    TKCREATECONTROLSTRUCT record;
    record.nId = static_cast<int>(pIds[i]);
    record.pControl = nullptr;
    record.bToolBar = TRUE;
    record.nIndex = i;
    record.pMenu = nullptr;
    record.pCommandBar = m_pParent;
    record.strCaption = m_pParent->GetTitle();
    record.nType = tkControlButton;
    record.nStyle = tkButtonAutomatic;
    if (pSite->GetSafeHwnd() != NULL)
      pSite->SendMessage(TK_WM_CREATECONTROL, 0, reinterpret_cast<LPARAM>(&record));

    const int nBarIndex = BarIndexOf(GetCount());
    CTKControl* pControl = record.pControl;
    if (pControl != nullptr)
      pControls->Add(pControl, record.nId, NULL, nBarIndex);
    else
      pControl = pControls->AddNew(record.nType, record.nId, NULL, nBarIndex);
    if (pControl == nullptr) continue;
    if (record.nType == tkControlPopup) pControl->SetIconId(record.nId);
    if (record.nStyle != tkButtonAutomatic && record.nStyle != pControl->GetStyle())
      pControl->SetStyle(record.nStyle);
    if (bBeginGroup) pControl->SetBeginGroup(TRUE);
    bBeginGroup = FALSE;
    AttachControl(pControl, GetCount());
    if (pSite->GetSafeHwnd() != NULL)
      pSite->SendMessage(TK_WM_CONTROLCREATED, 0, reinterpret_cast<LPARAM>(&record));
  }
  return TRUE;
}

void CTKRibbonGroup::DetachControlAt(int nIndex) {
  CTKControl* pControl = m_arrControls[nIndex];
  pControl->SetRibbonGroup(nullptr);
  m_arrControls.erase(m_arrControls.begin() + nIndex);
  CTKControls* pControls = pControl->GetControls();
  if (pControls != nullptr) pControls->Remove(pControl);
  pControl->InternalRelease();
}

void CTKRibbonGroup::RemoveControlAt(int nIndex) {
  if (nIndex < 0 || nIndex >= GetCount()) return;
  DetachControlAt(nIndex);
}

void CTKRibbonGroup::RemoveControl(CTKControl* pControl) {
  for (int i = 0; i < GetCount(); ++i)
    if (m_arrControls[i] == pControl) {
      RemoveControlAt(i);
      return;
    }
}

void CTKRibbonGroup::RemoveAllControls() {
  for (int i = GetCount() - 1; i >= 0; --i) DetachControlAt(i);
}

void CTKRibbonGroup::SetID(int nId) {
  m_nId = nId;
  m_pOptionButton->SetID(nId);
  m_pPopupButton->SetID(nId);
}

void CTKRibbonGroup::SetCaption(LPCTSTR lpszCaption) {
  if (m_strCaption == lpszCaption) return;
  m_strCaption = lpszCaption;
  if (m_pParent != nullptr) m_pParent->DelayLayout();
}

CRect CTKRibbonGroup::GetCaptionRect() const {
  CRect rc = m_rcGroup;
  CTKRibbonPaintManager* pPaintManager =
      m_pRibbonBar != nullptr ? m_pRibbonBar->GetRibbonPaintManager() : nullptr;
  rc.top = rc.bottom - (pPaintManager != nullptr ? pPaintManager->GetGroupCaptionHeight() : 0);
  return rc;
}

void CTKRibbonGroup::OnGroupAdded() {
  CTKControls* pControls = GetBarControls();
  if (pControls == nullptr) return;
  m_pOptionButton->InternalAddRef();
  pControls->AppendControl(m_pOptionButton);
  m_pOptionButton->SetID(m_nId);
  UpdateHideFlag(m_pOptionButton);
  m_pPopupButton->InternalAddRef();
  pControls->AppendControl(m_pPopupButton);
  m_pPopupButton->SetCaption(m_strCaption);
  m_pPopupButton->SetDescription("");
  UpdateHideFlag(m_pPopupButton);
}

void CTKRibbonGroup::OnGroupRemoved() {
  RemoveAllControls();
  // The keep test lets the buttons go only once they no longer name their group.
  if (m_pRibbonBar != nullptr && m_pParent == static_cast<CTKCommandBar*>(m_pRibbonBar)) {
    m_pPopupButton->SetRibbonGroup(nullptr);
    if (m_pPopupButton->GetControls() != nullptr)
      m_pPopupButton->GetControls()->Remove(m_pPopupButton);
    if (m_pRibbonBar->GetHighlightedGroup() == this) m_pRibbonBar->SetHighlightedGroup(nullptr);
  }
  m_pOptionButton->SetRibbonGroup(nullptr);
  if (m_pOptionButton->GetControls() != nullptr)
    m_pOptionButton->GetControls()->Remove(m_pOptionButton);
}

void CTKRibbonGroup::SetGroupRect(CRect rcGroup) {
  m_rcGroup = rcGroup;
  const DWORD dwPopupFlags = m_pPopupButton->GetHideFlags();
  if (m_bReduced) {
    m_pPopupButton->SetHideFlags(dwPopupFlags & ~TKHIDE_WRAP);
    m_pPopupButton->SetRect(rcGroup);
    m_pPopupButton->SetWrap(TRUE);
  } else {
    m_pPopupButton->SetHideFlags(dwPopupFlags | TKHIDE_WRAP);
  }
  const DWORD dwOptionFlags = m_pOptionButton->GetHideFlags();
  if (!m_bShowOptionButton) {
    m_pOptionButton->SetHideFlags(dwOptionFlags | TKHIDE_GENERIC);
    return;
  }
  if (m_bReduced) {
    m_pOptionButton->SetHideFlags(dwOptionFlags | TKHIDE_WRAP);
    return;
  }
  m_pOptionButton->SetHideFlags(dwOptionFlags & ~(TKHIDE_GENERIC | TKHIDE_WRAP));
  m_pOptionButton->SetWrap(TRUE);
  CTKRibbonPaintManager* pPaintManager =
      m_pRibbonBar != nullptr ? m_pRibbonBar->GetRibbonPaintManager() : nullptr;
  if (pPaintManager == nullptr) return;
  CTKDpiHelper* pDpi = TKDpiHelper();
  const int c = pPaintManager->GetGroupCaptionHeight();
  const CSize sz = pPaintManager->GetOptionButtonSize();
  const int nRight = rcGroup.right - pDpi->ScaleX(2);
  const int nLeft = nRight - c;
  m_pOptionButton->SetRect(CRect(nLeft + (nRight - nLeft) / 2 - sz.cx / 2,
                                 rcGroup.bottom + c / 2 - pDpi->ScaleY(2) - c - sz.cy / 2, nRight,
                                 rcGroup.bottom - pDpi->ScaleY(2)));
}

void CTKRibbonGroup::Copy(CTKRibbonGroup* pSource) {
  if (pSource == this) return;
  m_nId = pSource->m_nId;
  m_nIconId = pSource->m_nIconId;
  m_bShowOptionButton = pSource->m_bShowOptionButton;
  m_strCaption = pSource->m_strCaption;
  m_bControlsGrouping = pSource->m_bControlsGrouping;
  m_bControlsCentering = pSource->m_bControlsCentering;
  m_bEqualizeEditWidths = pSource->m_bEqualizeEditWidths;
  m_bVisible = pSource->m_bVisible;
  m_nAllowReduction = pSource->m_nAllowReduction;
  CTKControls* pControls = GetBarControls();
  for (int i = 0; pControls != nullptr && i < pSource->GetCount(); ++i) {
    CTKControl* pControl = pControls->AddCopy(pSource->GetAt(i), BarIndexOf(GetCount()), FALSE);
    if (pControl == nullptr) continue;
    AttachControl(pControl, GetCount());
    pControl->SetHideFlags(pControl->GetHideFlags() & ~TKHIDE_RIBBONGROUP);
  }
  m_pOptionButton->Copy(pSource->m_pOptionButton, FALSE);
  m_pOptionButton->SetHideFlags(m_pOptionButton->GetHideFlags() & ~TKHIDE_RIBBONGROUP);
  m_pPopupButton->Copy(pSource->m_pPopupButton, FALSE);
  m_pPopupButton->SetHideFlags(m_pPopupButton->GetHideFlags() & ~TKHIDE_RIBBONGROUP);
}

void CTKRibbonGroup::Draw(CDC* pDC, CRect rcClip) {
  CTKRibbonPaintManager* pRibbonPaintManager =
      m_pRibbonBar != nullptr ? m_pRibbonBar->GetRibbonPaintManager() : nullptr;
  if (pRibbonPaintManager != nullptr) pRibbonPaintManager->DrawGroup(pDC, this);
  CTKPaintManager* pPaintManager = m_pParent != nullptr ? m_pParent->GetPaintManager() : nullptr;
  CTKControl* pPrevious = nullptr;
  for (CTKControl* pControl : m_arrControls) {
    if (!pControl->IsVisible()) continue;
    if (pControl->GetBeginGroup() && pPrevious != nullptr && pPaintManager != nullptr) {
      if (!m_bControlsGrouping)
        pPaintManager->DrawCommandBarSeparator(pDC, m_pParent, pControl, TRUE);
    }
    CRect rcMeet;
    if (rcMeet.IntersectRect(rcClip, pControl->GetRect())) pControl->Draw(pDC);
    pPrevious = pControl;
  }
  if (m_pPopupButton->IsVisible()) m_pPopupButton->Draw(pDC);
  if (m_pOptionButton->IsVisible()) m_pOptionButton->Draw(pDC);
}

void CTKRibbonGroup::ArrangeControlsInRow(CDC* pDC) {
  CTKRibbonPaintManager* pPaintManager =
      m_pRibbonBar != nullptr ? m_pRibbonBar->GetRibbonPaintManager() : nullptr;
  const int nTop = m_rcGroup.top + (pPaintManager != nullptr ? pPaintManager->GetGroupCaptionHeight() : 0);
  int x = m_rcGroup.left + TKDpiHelper()->ScaleX(4);
  for (CTKControl* pControl : m_arrControls) {
    if (!pControl->IsVisible()) continue;
    const CSize sz = pControl->GetSize(pDC);
    pControl->SetRect(CRect(x, nTop, x + sz.cx, nTop + sz.cy));
    x += sz.cx;
  }
}

BOOL CTKRibbonGroup::OnCmdMsg(UINT nID, int nCode, void* pExtra,
                              AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (nCode == static_cast<int>(CN_EVENT) && nID == 1) {
    if (m_pRibbonBar != nullptr) m_pRibbonBar->Redraw(NULL, FALSE);
    return TRUE;
  }
  return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
