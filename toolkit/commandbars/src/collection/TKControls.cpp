// CTKControls: adding, removing and keeping indexes.
#include "commandbars/TKControls.h"

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControlAction.h"

IMPLEMENT_DYNCREATE(CTKControls, CCmdTarget)
IMPLEMENT_DYNCREATE(CTKOriginalControls, CTKControls)

namespace {

/// Command ids that never get an action of their own when added: the
/// toolkit's commands and the list controls.
bool IsToolkitId(int nId) {
  return (nId >= TKID_TOOLKIT_FIRST && nId <= TKID_TOOLKIT_LAST) ||
         (nId >= TKID_WINDOWLIST && nId <= TKID_RECENTFILELIST);
}

}  // namespace

CTKControls::CTKControls()
    : m_pParent(nullptr),
      m_pCommandBars(nullptr),
      m_pOriginalControls(nullptr),
      m_bOriginalControls(FALSE) {
  EnableAutomation();
}

CTKControls::~CTKControls() {
  RemoveAll();
  // Controls the collection may not remove still hold its reference.
  for (int i = GetCount() - 1; i >= 0; --i) {
    CTKControl* pControl = m_arrControls[i];
    m_arrControls.RemoveAt(i);
    pControl->SetControls(nullptr);
    pControl->OnRemoved();
    pControl->SetParent(nullptr);
    pControl->InternalRelease();
  }
  SetOriginalControls(nullptr);
}

CTKControl* CTKControls::GetAt(int nIndex) const {
  return nIndex >= 0 && nIndex < GetCount() ? m_arrControls[nIndex] : nullptr;
}

void CTKControls::SetParent(CTKCommandBar* pParent) {
  m_pParent = pParent;
  if (GetCount() > 0) RefreshIndexes();
}

CTKCommandBars* CTKControls::GetCommandBars() const {
  if (m_pParent != nullptr) return m_pParent->GetCommandBars();
  return m_pCommandBars;
}

CWnd* CTKControls::GetSite() const {
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars != nullptr && pCommandBars->GetSite() != nullptr) return pCommandBars->GetSite();
  return m_pParent != nullptr ? m_pParent->GetOwnerSite() : nullptr;
}

void CTKControls::InsertControl(CTKControl* pControl, int nBefore) {
  if (nBefore < 0 || nBefore > GetCount()) nBefore = GetCount();
  m_arrControls.InsertAt(nBefore, pControl);
  OnControlAdded(pControl);
}

CTKControl* CTKControls::Add(CTKControl* pControl, int nId, LPCSTR lpszParameter, int nBefore,
                             BOOL bTemporary) {
  if (pControl == nullptr) return nullptr;
  pControl->SetParameter(lpszParameter);
  pControl->SetTemporary(bTemporary);
  CTKCommandBars* pCommandBars = GetCommandBars();
  CTKControlAction* pAction = pCommandBars != nullptr ? pCommandBars->GetAction(nId) : nullptr;
  if (pControl->GetAction() == nullptr) {
    if (pAction == nullptr && pCommandBars != nullptr && pCommandBars->IsActionsEnabled() &&
        IsActionId(nId) && !IsToolkitId(nId))
      pAction = pCommandBars->CreateAction(nId);
    if (pAction != nullptr)
      pControl->SetAction(pAction);
    else
      pControl->SetID(nId);
  }
  InsertControl(pControl, nBefore);
  return pControl;
}

CTKControl* CTKControls::AddCopy(CTKControl* pClone, int nBefore, BOOL bRecursive) {
  CTKControl* pControl = static_cast<CTKControl*>(pClone->GetRuntimeClass()->CreateObject());
  InsertControl(pControl, nBefore);
  pControl->Copy(pClone, bRecursive);
  return pControl;
}

CTKControl* CTKControls::AddNew(int nType, int nId, LPCSTR lpszParameter, int nBefore,
                                BOOL bTemporary) {
  CTKControl* pControl = CreateControlOfType(nType, nId, bTemporary);
  if (pControl == nullptr) return nullptr;
  if (nType != tkControlCustom) pControl->SetType(nType);
  if (nType >= tkControlPopup && nType <= tkControlSplitButtonPopup)
    AttachPopupBar(pControl, nId);
  return Add(pControl, nId, lpszParameter, nBefore, bTemporary);
}

// Removing ---------------------------------------------------------------------------

void CTKControls::Remove(CTKControl* pControl) {
  if (pControl == nullptr || pControl->GetControls() != this) return;
  if (pControl->GetSelected() != 0 && m_pParent != nullptr) m_pParent->SetSelected(-1);
  RemoveControl(pControl);
}

void CTKControls::RemoveControl(CTKControl* pControl) {
  const int nIndex = pControl->GetIndex();
  if (nIndex < 0 || nIndex >= GetCount() || m_arrControls[nIndex] != pControl ||
      IsFixedControl(pControl))
    return;
  m_arrControls.RemoveAt(nIndex);
  OnControlRemoved(pControl);
  pControl->SetParent(nullptr);
  pControl->InternalRelease();
}

void CTKControls::RemoveAt(int nIndex) {
  if (CTKControl* pControl = GetAt(nIndex)) Remove(pControl);
}

void CTKControls::RemoveAll() {
  for (int i = GetCount() - 1; i >= 0; --i) RemoveControl(m_arrControls[i]);
}

void CTKControls::OnControlAdded(CTKControl*) { RefreshIndexes(); }

void CTKControls::OnControlRemoved(CTKControl* pControl) {
  pControl->SetControls(nullptr);
  pControl->OnRemoved();
  pControl->SetParent(nullptr);
  RefreshIndexes();
}

void CTKControls::RefreshIndexes() {
  for (int i = 0; i < GetCount(); ++i) {
    CTKControl* pControl = m_arrControls[i];
    pControl->SetIndex(i);
    pControl->SetControls(this);
    pControl->SetParent(m_pParent);
  }
  if (m_pParent != nullptr) m_pParent->OnControlsChanged();
}

// Types -------------------------------------------------------------------------------

CTKControl* CTKControls::SetControlType(int nIndex, int nType) {
  CTKControl* pControl = GetAt(nIndex);
  return pControl != nullptr ? ChangeControlType(pControl, nType) : nullptr;
}

CTKControl* CTKControls::ChangeControlType(CTKControl* pControl, int nType) {
  const auto isPopupType = [](int n) {
    return n >= tkControlPopup && n <= tkControlSplitButtonPopup;
  };
  if (pControl == nullptr) return nullptr;
  if (isPopupType(pControl->GetType()) && isPopupType(nType)) {
    pControl->SetType(nType);
    return pControl;
  }
  CTKControl* pNew = AddNew(nType, 0, NULL, pControl->GetIndex() + 1, FALSE);
  if (pNew == nullptr) return nullptr;
  pNew->Copy(pControl, FALSE);
  pNew->SetType(nType);
  Remove(pControl);
  return pNew;
}
