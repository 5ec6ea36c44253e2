// CTKStatusBar: the pop-up in which the user hides and shows panes, and the
// pane state kept in the application profile.
#include <stdio.h>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControlClasses.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "commandbars/TKStatusBar.h"
#include "common/TKPropExchange.h"
#include "common/TKRefPtr.h"

namespace {

/// The check item of one pane: executing it hides or shows the pane.
class CControlCustomization : public CTKControlButton {
 public:
  explicit CControlCustomization(CTKStatusBarPane* pPane) : m_pPane(pPane) {}

  void OnExecute() override {
    m_pPane->SetCustomizeVisible(!m_pPane->IsCustomizeVisible());
    SetChecked(GetChecked() ? 0 : 1);
  }

 private:
  CTKRefPtr<CTKStatusBarPane, CTKInternalRefTraits> m_pPane;
};

const TCHAR kCustomizeCaption[] = _T("Customize Status Bar");

}  // namespace

CTKPopupBar* CTKStatusBar::CreateCustomizePopup() {
  CTKPopupBar* pPopup = CTKPopupBar::CreatePopupBar(m_pCommandBars);
  CTKControls* pControls = pPopup->GetControls();

  CTKControl* pLabel = pControls->Add(new CTKControlLabel, TK_ID_CUSTOMIZE_STATUSBAR);
  pLabel->SetType(tkControlLabel);
  pLabel->SetCaption(kCustomizeCaption);
  pLabel->SetDefaultItem(TRUE);

  for (int i = 0; i < GetPaneCount(); ++i) {
    CTKStatusBarPane* pPane = m_arrPanes[i];
    if (pPane->GetID() == 0 || !pPane->IsCustomizable()) continue;
    CTKControl* pItem = pControls->Add(new CControlCustomization(pPane), pPane->GetID());
    const CString strCaption = pPane->GetCustomizeCaption();
    pItem->SetCaption(strCaption.IsEmpty() ? pPane->GetText() : strCaption);
    pItem->SetShortcutText(pPane->GetValueText());
    pItem->SetBeginGroup(pPane->IsBeginGroup() && i > 0);
    pItem->SetChecked(pPane->IsCustomizeVisible() ? 1 : 0);
  }
  return pPopup;
}

void CTKStatusBar::OnRButtonUp(UINT nFlags, CPoint point) {
  CControlBar::OnRButtonUp(nFlags, point);
  if (!m_bCustomization) return;
  SetHotPane(nullptr, CPoint(-1, -1));
  CTKPopupBar* pPopup = CreateCustomizePopup();
  if (pPopup == nullptr) return;
  if (pPopup->GetControls()->GetCount() > 0) {
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    TrackCustomizePopup(pPopup, ptScreen);
  }
  pPopup->InternalRelease();
}

void CTKStatusBar::TrackCustomizePopup(CTKPopupBar* pPopup, CPoint ptScreen) {
  CTKCommandBars::TrackPopupBar(pPopup, 0, ptScreen.x, ptScreen.y, this);
}

// Saved state
// ----------------------------------------------------------------------------------------

namespace {
const TCHAR kBarEntry[] = _T("StatusBar");
const TCHAR kPanesEntry[] = _T("StatusBarPanes");
}  // namespace

CString CTKStatusBar::FormatPaneState() const {
  CString strState;
  if (!m_bCustomization) return strState;
  for (int i = 0; i < GetPaneCount(); ++i) {
    const CTKStatusBarPane* pPane = m_arrPanes[i];
    if (pPane->GetID() == 0) continue;
    CString strItem;
    strItem.Format(_T("%i=%i"), pPane->GetID(), pPane->IsCustomizeVisible() ? 1 : 0);
    if (!strState.IsEmpty()) strState += _T(';');
    strState += strItem;
  }
  return strState;
}

void CTKStatusBar::ApplyPaneState(CString strState) {
  if (!m_bCustomization) return;
  strState.Replace(_T("\r\n"), _T(";"));
  strState.Replace(_T('\n'), _T(';'));
  int nStart = 0;
  while (nStart <= strState.GetLength()) {
    int nEnd = strState.Find(_T(';'), nStart);
    if (nEnd < 0) nEnd = strState.GetLength();
    int nID = 0, nVisible = 0;
    if (sscanf(strState.Mid(nStart, nEnd - nStart), _T("%i=%i"), &nID, &nVisible) == 2 &&
        nID != 0) {
      CTKStatusBarPane* pPane = FindPane(static_cast<UINT>(nID));
      if (pPane != nullptr) pPane->SetCustomizeVisible(nVisible != 0);
    }
    nStart = nEnd + 1;
  }
}

void CTKStatusBar::HideBar() {
  if (m_hWnd == NULL) return;
  SetWindowPos(nullptr, 0, 0, 0, 0,
               SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  m_nStateFlags &= ~delayShow;
}

void CTKStatusBar::SavePaneState(LPCTSTR lpszProfileName) {
  CWinApp* pApp = AfxGetApp();
  if (m_hWnd != NULL && (GetStyle() & WS_VISIBLE) == 0)
    pApp->WriteProfileInt(lpszProfileName, kBarEntry, 0);
  else
    pApp->WriteProfileString(lpszProfileName, kBarEntry, nullptr);
  const CString strState = FormatPaneState();
  pApp->WriteProfileString(lpszProfileName, kPanesEntry,
                           strState.IsEmpty() ? nullptr : static_cast<LPCTSTR>(strState));
}

void CTKStatusBar::LoadPaneState(LPCTSTR lpszProfileName) {
  CWinApp* pApp = AfxGetApp();
  if (pApp->GetProfileInt(lpszProfileName, kBarEntry, 1) == 0) HideBar();
  ApplyPaneState(pApp->GetProfileString(lpszProfileName, kPanesEntry, _T("")));
}

void CTKStatusBar::DoPropExchange(CTKPropExchange* pPX) {
  BOOL bVisible = m_hWnd == NULL || (GetStyle() & WS_VISIBLE) != 0;
  CString strPanes = pPX->IsStoring() ? FormatPaneState() : CString();
  ExchangeBoolProp(pPX, _T("Visible"), bVisible, TRUE);
  ExchangeStringProp(pPX, _T("Panes"), strPanes, _T(""));
  if (!pPX->IsLoading()) return;
  if (!bVisible)
    HideBar();
  else if (m_hWnd != NULL && (GetStyle() & WS_VISIBLE) == 0)
    DelayShow(TRUE);
  ApplyPaneState(strPanes);
}
