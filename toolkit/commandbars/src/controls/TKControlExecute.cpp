// CTKControl: running a command and notifying the site.
#include <afxpriv.h>

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKMenuSoundPlayer.h"
#include "common/TKRefPtr.h"

namespace {

/// Closes the pop-ups of the bar tree that the root bar tracks.
void ClosePopups(CTKCommandBar* pRootBar, CTKCommandBars* pCommandBars) {
  if (pRootBar->IsTrackingMode())
    pRootBar->CancelTracking();
  else if (pCommandBars != nullptr)
    pCommandBars->CloseAllPopups();
}

}  // namespace

void CTKControl::OnExecute() {
  if (m_pParent == nullptr) return;
  TKMenuSoundPlayer()->PlayMenuSound(TK_MENUSOUND_COMMAND);
  m_bPressed = m_pParent->GetPosition() != tkBarPopup ? 2 : 0;

  CTKCommandBar* pRootBar = m_pParent->GetRootParent();
  CWnd* pSite = m_pParent->GetOwnerSite();
  CTKCommandBars* pCommandBars = m_pParent->GetCommandBars();
  if (pCommandBars != nullptr) {
    if (m_nId != 0) pCommandBars->SetCommandUsed(m_nId);
    if (m_pParent->IsKindOf(RUNTIME_CLASS(CTKPopupBar))) {
      CTKControl* pOpener = static_cast<CTKPopupBar*>(m_pParent)->GetControlPopup();
      if (pOpener != nullptr && pOpener->GetID() != 0) pCommandBars->SetCommandUsed(pOpener->GetID());
    }
  }

  if (int* pReturnCmd = pRootBar->GetReturnCommandSlot()) {
    ClosePopups(pRootBar, pCommandBars);
    *pReturnCmd = m_nId;
    return;
  }

  // A handler may remove the control from its bar; it lives until the run ends.
  CTKRefPtr<CTKControl, CTKInternalRefTraits> keepAlive(this);
  if (m_bCloseSubMenuOnClick) ClosePopups(pRootBar, pCommandBars);
  if (m_nId != 0) {
    NMTKCONTROL record;
    if (NotifySiteWnd(pSite, TKN_EXECUTE, &record) == 0 && pSite != nullptr &&
        pSite->GetSafeHwnd() != NULL)
      pSite->SendMessage(WM_COMMAND, static_cast<WPARAM>(m_nId), 0);
    if ((!m_bCloseSubMenuOnClick || m_bPressed) && m_pParent != nullptr) {
      m_bPressed = 0;
      m_pParent->OnIdleUpdateCmdUI(FALSE, FALSE);
      RedrawParent();
    }
  }
}

LRESULT CTKControl::NotifySite(UINT nCode) {
  NMTKCONTROL record;
  return NotifySiteEx(nCode, &record);
}

LRESULT CTKControl::NotifySiteEx(UINT nCode, NMTKCONTROL* pRecord) {
  if (m_pParent == nullptr) return 0;
  return NotifySiteWnd(nullptr, nCode, pRecord);
}

LRESULT CTKControl::NotifySiteWnd(CWnd* pSite, UINT nCode, NMTKCONTROL* pRecord) {
  if (pSite == nullptr) {
    if (m_pParent == nullptr) return 0;
    pSite = m_pParent->GetSite();
  }
  if (pSite == nullptr || pSite->GetSafeHwnd() == NULL) return 0;
  pRecord->hdr.hwndFrom = NULL;
  pRecord->hdr.idFrom = static_cast<UINT_PTR>(m_nId);
  pRecord->hdr.code = nCode;
  pRecord->pControl = this;
  LRESULT lResult = pSite->SendMessage(TK_WM_CONTROLNOTIFY, static_cast<WPARAM>(m_nId),
                                       reinterpret_cast<LPARAM>(pRecord));
  if (lResult != 0 || m_pParent == nullptr) return lResult;

  lResult = 0;
  AFX_NOTIFY notify;
  notify.pResult = &lResult;
  notify.pNMHDR = &pRecord->hdr;
  if (pSite->OnCmdMsg(static_cast<UINT>(m_nId), MAKELONG(nCode, WM_NOTIFY), &notify, nullptr))
    return lResult;
  return 0;
}

BOOL CTKControl::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  // The command bars redraw a control by sending it this event.
  if (nID == 1 && nCode == static_cast<int>(CN_EVENT)) {
    RedrawParent(FALSE);
    return TRUE;
  }
  return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
