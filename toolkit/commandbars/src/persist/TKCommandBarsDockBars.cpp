// The saved rows of the four dock bars and the bar states applied to the
// bars: which bar sits in which row, floats, shows and where.
#include <afxpriv.h>

#include <algorithm>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsDockState.h"
#include "commandbars/TKDockBar.h"
#include "commandbars/TKStatusBar.h"
#include "commandbars/TKToolBar.h"
#include "TKProfile.h"

using namespace tkprofile;

namespace {
const char kDockBarSection[] = "-DockBar";
const UINT kStatusBarId = 0xE801;
}  // namespace

// CTKDockBar ---------------------------------------------------------------------------

void CTKDockBar::InsertEntry(int nIndex, CTKToolBar* pBar) {
  nIndex = std::max(0, std::min(nIndex, GetEntryCount()));
  m_arrBars.InsertAt(nIndex, pBar);
}

void CTKDockBar::RemoveEmptyRows() {
  if (GetEntryCount() == 0 || m_arrBars[0] != nullptr)
    m_arrBars.InsertAt(0, static_cast<CTKToolBar*>(nullptr));
  for (int i = GetEntryCount() - 1; i > 0; --i)
    if (m_arrBars[i] == nullptr && m_arrBars[i - 1] == nullptr) m_arrBars.RemoveAt(i);
  // Every row ends with a null entry.
  if (m_arrBars[GetEntryCount() - 1] != nullptr) m_arrBars.Add(static_cast<CTKToolBar*>(nullptr));
}

// CTKCommandBars -----------------------------------------------------------------------

CTKStatusBar* CTKCommandBars::GetStatusBar() const {
  if (m_pFrame->GetSafeHwnd() == NULL) return nullptr;
  HWND hWnd = ::GetDlgItem(m_pFrame->GetSafeHwnd(), kStatusBarId);
  return hWnd != NULL ? DYNAMIC_DOWNCAST(CTKStatusBar, CWnd::FromHandlePermanent(hWnd)) : nullptr;
}

void CTKCommandBars::SaveDockBars(LPCTSTR lpszProfileName) {
  for (int nSide = 0; nSide < 4; ++nSide) {
    CTKDockBar* pDock = m_pDocks[nSide];
    const CString strSection = SectionName(lpszProfileName, kDockBarSection, nSide);
    EmptySection(strSection);
    if (pDock == nullptr || pDock->GetEntryCount() <= 1) continue;
    int nWritten = 0;
    BOOL bLastNull = FALSE;
    for (int i = 0; i < pDock->GetEntryCount(); ++i) {
      CTKToolBar* pBar = pDock->GetEntry(i);
      // Row ends that follow each other mark one row end.
      if (pBar == nullptr && bLastNull) continue;
      bLastNull = pBar == nullptr;
      WriteInt(strSection, ValueName("Bar#", nWritten++),
               pBar != nullptr ? static_cast<int>(pBar->GetBarID()) : 0);
    }
    WriteInt(strSection, "Bars", nWritten);
  }
  if (CTKStatusBar* pStatusBar = GetStatusBar())
    pStatusBar->SavePaneState(lpszProfileName);
  else if (CWinApp* pApp = AfxGetApp())
    pApp->WriteProfileString(lpszProfileName, "StatusBar", nullptr);
}

void CTKCommandBars::LoadDockBars(LPCTSTR lpszProfileName) {
  for (int nSide = 0; nSide < 4; ++nSide) {
    CTKDockBar* pDock = m_pDocks[nSide];
    const CString strSection = SectionName(lpszProfileName, kDockBarSection, nSide);
    const int nBars = GetInt(strSection, "Bars", 0);
    if (pDock == nullptr || nBars <= 1) continue;
    // The entries are numbered without gaps: the first missing one ends a
    // count that claims more than the profile holds.
    for (int j = 0; j < nBars; ++j) {
      const CString strValue = ValueName("Bar#", j);
      if (!HasValue(strSection, strValue)) break;
      const UINT nId = static_cast<UINT>(GetInt(strSection, strValue, 0));
      CTKToolBar* pBar = nId != 0 ? GetToolBar(nId) : nullptr;
      // A bar named twice keeps its first place.
      const int nFound = pBar != nullptr ? pDock->FindBar(pBar) : -1;
      if (nFound >= 0 && nFound < j) pBar = nullptr;
      if (pBar != nullptr && pBar->GetSafeHwnd() == NULL) pBar = nullptr;
      if (pBar != nullptr) {
        // Out of its old entry first, also in this dock bar, so that no bar
        // sits in the rows twice.
        if (pBar->GetDockBar() != nullptr) pBar->GetDockBar()->RemoveCommandBar(pBar);
        if (::GetParent(pBar->GetSafeHwnd()) != pDock->GetSafeHwnd()) {
          pBar->ModifyStyle(WS_POPUP, WS_CHILD);
          pBar->SetParent(pDock);
        }
        pBar->SetDockBar(pDock);
        pBar->SetBarPosition(pDock->GetPosition());
      }
      pDock->InsertEntry(j, pBar);
    }
    pDock->RemoveEmptyRows();
  }
  if (CTKStatusBar* pStatusBar = GetStatusBar()) pStatusBar->LoadPaneState(lpszProfileName);
}

void CTKCommandBars::GetDockState(CTKCommandBarsDockState& state) {
  state.RemoveAll();
  for (int i = 0; i < GetCount(); ++i) {
    CTKToolBar::CToolBarInfo* pInfo = new CTKToolBar::CToolBarInfo;
    GetAt(i)->GetBarInfo(pInfo);
    state.m_arrBarInfo.Add(pInfo);
  }
}

void CTKCommandBars::SetDockState(CTKCommandBarsDockState& state) {
  for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
    CTKToolBar::CToolBarInfo* pInfo = state.m_arrBarInfo[i];
    CTKToolBar* pBar = GetToolBar(pInfo->m_nBarID);
    if (pBar == nullptr) continue;
    pInfo->m_pBar = pBar;
    if (pInfo->m_bFloating) {
      FloatCommandBar(pBar);
    } else if (pBar->GetDockBar() == nullptr && pInfo->m_uMRUDockPosition >= tkBarTop &&
               pInfo->m_uMRUDockPosition <= tkBarRight) {
      // Docked, but no saved row holds it: it goes to its side's last row.
      DockAtSide(pBar, pInfo->m_uMRUDockPosition);
    } else {
      pBar->CreateToolBar(m_pFrame, FALSE);
    }
    pBar->SetBarInfo(pInfo);
  }
}
