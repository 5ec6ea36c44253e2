// CApplicationMainFrame: minimum size, the display rectangle, the frame
// bounds, the status texts and help.
#include "foundation/FileUtilities.h"
#include "ribbon/TKRibbonBar.h"
#include "uilib/ApplicationMainFrame.h"
#include "uilib/UIUtilities.h"

void CApplicationMainFrame::OnGetMinMaxInfo(MINMAXINFO* pInfo) {
  Default();
  if (pInfo == nullptr) return;
  const SIZE* pSize = GetMinTrackSize();
  pInfo->ptMinTrackSize.x = pSize->cx;
  pInfo->ptMinTrackSize.y = pSize->cy;
}

void CApplicationMainFrame::SetMinTrackSize(int nWidth, int nHeight) {
  m_minTrackSize.cx = nWidth;
  m_minTrackSize.cy = nHeight;
}

RECT* CApplicationMainFrame::GetDisplayRect(RECT* rect) {
  if (rect == nullptr || !::IsWindow(m_hWnd)) return rect;
  GetClientRect(rect);
  CTKRibbonBar* pRibbon = GetRibbonBar();
  if (pRibbon != nullptr && pRibbon->IsVisible() && ::IsWindow(pRibbon->m_hWnd)) {
    CRect rcRibbon;
    pRibbon->GetWindowRect(&rcRibbon);
    rect->top += rcRibbon.Height();
  }
  CStatusBarManager& statusBar = GetStatusBarManager();
  if (::IsWindow(statusBar.m_hWnd) && statusBar.IsVisible()) {
    CRect rcStatus;
    statusBar.GetWindowRect(&rcStatus);
    if (!rcStatus.IsRectEmpty()) rect->bottom -= rcStatus.Height();
  }
  return rect;
}

RECT* CApplicationMainFrame::GetFrameBounds(RECT* rect) {
  GetFrameBoundsOfWindow(m_hWnd, rect);
  return rect;
}

bool CApplicationMainFrame::ShowStatusBar(bool bShow) {
  if (::IsWindow(m_statusBarManager.m_hWnd)) {
    m_statusBarManager.ShowWindow(bShow ? SW_SHOWNORMAL : SW_HIDE);
    RecalcLayout();
  }
  return false;
}

bool CApplicationMainFrame::SetStatusText(CTesselString* pText) {
  const bool bResult = m_statusBarManager.SetPane0Text(pText);
  ForwardStatusToHostedChild();
  return bResult;
}

bool CApplicationMainFrame::SetStatusTextFromResource(UINT nStringId) {
  CTesselString text;
  text.LoadString(static_cast<int>(nStringId),
                  AfxFindResourceHandle(MAKEINTRESOURCE(nStringId / 16 + 1), RT_STRING));
  return SetStatusText(&text);
}

bool CApplicationMainFrame::ClearStatusText() {
  CTesselString empty;
  return SetStatusText(&empty);
}

bool CApplicationMainFrame::SetSecondaryStatusText(CTesselString* pText) {
  m_statusBarManager.ShowPane1();
  const bool bResult = m_statusBarManager.SetPane1Text(pText);
  ForwardStatusToHostedChild();
  return bResult;
}

bool CApplicationMainFrame::ClearSecondaryStatusText() {
  m_statusBarManager.HidePane1();
  CTesselString empty;
  return SetSecondaryStatusText(&empty);
}

bool CApplicationMainFrame::ForwardStatusToHostedChild() {
  if (!IsChildHosted() || m_pHostedChild == nullptr) return false;
  m_statusBarManager.CollectPaneStates(&m_pHostedChild->m_statusBarContext);
  m_pHostedChild->PostMessage(WM_APP_FRAME_STATUS_FORWARDED, 0, 0);
  return true;
}

CTesselString* CApplicationMainFrame::GetHelpFilePath(CTesselString* pPath) {
  *pPath = GetModuleFolder();
  pPath->AddTrailingBackslash();
  return pPath;
}

bool CApplicationMainFrame::ShowHelp(UINT nTopic) {
  CTesselString path;
  GetHelpFilePath(&path);
  return OpenHtmlHelpWindow(path.GetText(), nTopic, &m_hHelpWindow);
}

void CApplicationMainFrame::CreateImageList(UINT nBitmapId, HIMAGELIST* phImageList,
                                            int nCellWidth) {
  CreateImageListFromBitmap(nBitmapId, phImageList, nCellWidth);
}
