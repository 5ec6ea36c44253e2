// CStatusBarManager: the main window's four status panes.
#include "uilib/StatusBarManager.h"

#include <new>

#include "commandbars/TKStatusBarPane.h"
#include "common/TKScopedHandle.h"
#include "uilib/ApplicationMainFrameStatusBarContext.h"

namespace {

const DWORD kBarStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_BOTTOM;

UINT PaneStyle(int nIndex) { return nIndex == 0 ? SBPS_STRETCH : 0; }

}  // namespace

CStatusBarManager::CStatusBarManager()
    : m_pIndicators(nullptr), m_pParent(nullptr), m_nPaneCount(4), m_hMeasureDC(NULL) {}

CStatusBarManager::~CStatusBarManager() {
  delete[] m_pIndicators;
  m_pIndicators = nullptr;
  if (m_hWnd != NULL) DestroyWindow();
}

bool CStatusBarManager::CreateStatusBar(CWnd* pParent) {
  if (pParent == nullptr) return false;
  m_pParent = pParent;
  if (!AllocateIndicators()) return false;
  if (!Create(pParent, kBarStyle, AFX_IDW_STATUS_BAR)) return false;
  if (!SetIndicators(m_pIndicators, m_nPaneCount)) return false;
  ResetPanes();
  return true;
}

bool CStatusBarManager::AllocateIndicators() {
  delete[] m_pIndicators;
  m_pIndicators = new (std::nothrow) UINT[m_nPaneCount > 0 ? m_nPaneCount : 1]();
  return m_pIndicators != nullptr;
}

bool CStatusBarManager::ResetPanes() {
  for (int i = 0; i < m_nPaneCount; ++i)
    SetPaneInfo(i, static_cast<UINT>(i), PaneStyle(i), kEmptyPaneWidth);
  return m_nPaneCount > 0;
}

bool CStatusBarManager::SetPaneText(int nIndex, CTesselString* pText) {
  const bool bSet = pText != nullptr && CTKStatusBar::SetPaneText(nIndex, pText->GetText());
  if (bSet) FitPaneToText(nIndex, pText);
  if (m_hWnd != NULL) {
    Invalidate(TRUE);
    UpdateWindow();
  }
  return bSet;
}

bool CStatusBarManager::FitPaneToText(int nIndex, CTesselString* pText) {
  int nWidth = kEmptyPaneWidth;
  if (pText != nullptr && !pText->IsEmpty() && m_hWnd != NULL) {
    m_hMeasureDC = ::GetDC(m_hWnd);
    if (m_hMeasureDC != NULL) {
      CFont* pFont = GetFont();
      CTKSelectGuard selectFont(m_hMeasureDC, pFont != nullptr ? pFont->GetSafeHandle() : NULL);
      SIZE size;
      const char* pszText = pText->GetText();
      if (::GetTextExtentPoint32A(m_hMeasureDC, pszText, static_cast<int>(strlen(pszText)), &size))
        nWidth = size.cx;
      nWidth += kTextPadding;
      selectFont.Restore();
      ::ReleaseDC(m_hWnd, m_hMeasureDC);
      m_hMeasureDC = NULL;
    }
  }
  SetPaneInfo(nIndex, static_cast<UINT>(nIndex), PaneStyle(nIndex), nWidth);
  return false;
}

bool CStatusBarManager::ShowPaneById(int nId, bool bShow) {
  CTKStatusBarPane* pPane = FindPane(static_cast<UINT>(nId));
  if (pPane == nullptr) return false;
  pPane->SetVisible(bShow, TRUE);
  return true;
}

bool CStatusBarManager::HidePane(int nId) { return ShowPaneById(nId, false); }

bool CStatusBarManager::ShowPane(int nId) { return ShowPaneById(nId, true); }

bool CStatusBarManager::CollectPaneStates(CApplicationMainFrameStatusBarContext* pContext) {
  if (pContext == nullptr) return false;
  bool bFound = false;
  for (int nId = 0; nId < CApplicationMainFrameStatusBarContext::kPaneCount; ++nId) {
    CTKStatusBarPane* pPane = FindPane(static_cast<UINT>(nId));
    if (pPane == nullptr) continue;
    pContext->SetPaneText(nId, CTesselString(static_cast<LPCSTR>(pPane->GetText())));
    pContext->SetPaneVisible(nId, pPane->IsVisible() != FALSE);
    bFound = true;
  }
  return bFound;
}

void CStatusBarManager::DrawPaneEntry(CDC* pDC, int nIndex, CRect rcItem) {
  RemoveAmpersandsFromPane(nIndex);
  CTKStatusBar::DrawPaneEntry(pDC, nIndex, rcItem);
}

bool CStatusBarManager::RemoveAmpersandsFromPane(int nIndex) {
  CTesselString text(static_cast<LPCSTR>(GetPaneText(nIndex)));
  if (text.IsEmpty()) return false;
  CTKStatusBar::SetPaneText(nIndex, StripAmpersands(text).GetText());
  return true;
}

CTesselString CStatusBarManager::StripAmpersands(CTesselString text) {
  if (text.IsWide()) {
    text.ReplaceAllWideText(L"&", L"", false);
  } else {
    text.ReplaceAllText("&", "", false);
  }
  text.ShrinkToFit();
  return text;
}
