// A tool bar's saved place: the record of one "<profile>-Bar<n>" section, and
// how a bar fills it and takes it back.
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsDockState.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKDockBar.h"
#include "commandbars/TKToolBar.h"
#include "common/TKDpiHelper.h"
#include "TKProfile.h"

using namespace tkprofile;

namespace {
const int kNoMRUWidth = 32767;
const char kBarSection[] = "-Bar";
}  // namespace

CTKToolBar::CToolBarInfo::CToolBarInfo()
    : m_nBarID(0),
      m_bVisible(FALSE),
      m_bFloating(FALSE),
      m_pointPos(-1, -1),
      m_nMRUWidth(kNoMRUWidth),
      m_uMRUDockPosition(0),
      m_rectMRUDockPos(0, 0, 0, 0),
      m_ptMRUFloatPos(0, 0),
      m_pBar(nullptr),
      m_bDialogBar(FALSE),
      m_szDockingClient(TKDpiHelper()->ScaleX(200), TKDpiHelper()->ScaleY(200)),
      m_szFloatingClient(TKDpiHelper()->ScaleX(200), TKDpiHelper()->ScaleY(200)) {}

void CTKToolBar::CToolBarInfo::SaveState(LPCTSTR lpszProfileName, int nIndex) {
  const CString strSection = SectionName(lpszProfileName, kBarSection, nIndex);
  EmptySection(strSection);
  WriteInt(strSection, "BarID", static_cast<int>(m_nBarID));
  if (!m_bVisible) WriteInt(strSection, "Visible", 0);
  if (m_bFloating) WriteInt(strSection, "Floating", 1);
  if (m_pointPos.x != -1) WriteInt(strSection, "XPos", m_pointPos.x);
  if (m_pointPos.y != -1) WriteInt(strSection, "YPos", m_pointPos.y);
  if (m_nMRUWidth != kNoMRUWidth) WriteInt(strSection, "MRUWidth", m_nMRUWidth);
  WriteInt(strSection, "MRUDockID", m_uMRUDockPosition);
  WriteInt(strSection, "MRUDockLeftPos", m_rectMRUDockPos.left);
  WriteInt(strSection, "MRUDockTopPos", m_rectMRUDockPos.top);
  WriteInt(strSection, "MRUDockRightPos", m_rectMRUDockPos.right);
  WriteInt(strSection, "MRUDockBottomPos", m_rectMRUDockPos.bottom);
  WriteInt(strSection, "MRUFloatXPos", m_ptMRUFloatPos.x);
  WriteInt(strSection, "MRUFloatYPos", m_ptMRUFloatPos.y);
  WriteInt(strSection, "DialogBar", m_bDialogBar);
  if (m_bDialogBar) {
    WriteInt(strSection, "DialogBarDockingClientCx", m_szDockingClient.cx);
    WriteInt(strSection, "DialogBarDockingClientCy", m_szDockingClient.cy);
    WriteInt(strSection, "DialogBarFloatingClientCx", m_szFloatingClient.cx);
    WriteInt(strSection, "DialogBarFloatingClientCy", m_szFloatingClient.cy);
  }
}

BOOL CTKToolBar::CToolBarInfo::LoadState(LPCTSTR lpszProfileName, int nIndex,
                                         CTKCommandBarsDockState* pDockState) {
  const CString strSection = SectionName(lpszProfileName, kBarSection, nIndex);
  // Every record written has its id: without one the section is not there.
  if (!HasValue(strSection, "BarID")) return FALSE;
  m_nBarID = static_cast<UINT>(GetInt(strSection, "BarID", 0));
  m_bVisible = GetInt(strSection, "Visible", TRUE);
  m_bFloating = GetInt(strSection, "Floating", FALSE);
  m_pointPos.y = GetInt(strSection, "YPos", -1);
  m_pointPos.x = GetInt(strSection, "XPos", -1);
  pDockState->ScalePoint(m_pointPos);
  m_nMRUWidth = GetInt(strSection, "MRUWidth", kNoMRUWidth);
  m_uMRUDockPosition = GetInt(strSection, "MRUDockID", 0);
  m_rectMRUDockPos.bottom = GetInt(strSection, "MRUDockBottomPos", 0);
  m_rectMRUDockPos.right = GetInt(strSection, "MRUDockRightPos", 0);
  m_rectMRUDockPos.top = GetInt(strSection, "MRUDockTopPos", 0);
  m_rectMRUDockPos.left = GetInt(strSection, "MRUDockLeftPos", 0);
  pDockState->ScaleRect(m_rectMRUDockPos);
  m_ptMRUFloatPos.y = GetInt(strSection, "MRUFloatYPos", 0);
  m_ptMRUFloatPos.x = GetInt(strSection, "MRUFloatXPos", 0);
  pDockState->ScalePoint(m_ptMRUFloatPos);
  m_bDialogBar = GetInt(strSection, "DialogBar", FALSE);
  if (m_bDialogBar) {
    m_szDockingClient.cx = GetInt(strSection, "DialogBarDockingClientCx", m_szDockingClient.cx);
    m_szDockingClient.cy = GetInt(strSection, "DialogBarDockingClientCy", m_szDockingClient.cy);
    m_szFloatingClient.cx = GetInt(strSection, "DialogBarFloatingClientCx", m_szFloatingClient.cx);
    m_szFloatingClient.cy = GetInt(strSection, "DialogBarFloatingClientCy", m_szFloatingClient.cy);
  }
  return TRUE;
}

void CTKToolBar::GetBarInfo(CToolBarInfo* pInfo) {
  pInfo->m_nBarID = m_nBarID;
  pInfo->m_pBar = this;
  pInfo->m_bVisible = IsVisible();
  pInfo->m_nMRUWidth = m_nMRULength;
  if (GetSafeHwnd() != NULL) {
    CRect rc;
    GetWindowRect(&rc);
    if (m_pDockBar != nullptr && m_pDockBar->GetSafeHwnd() != NULL && m_barPosition != tkBarFloating)
      m_pDockBar->ScreenToClient(&rc);
    pInfo->m_pointPos = rc.TopLeft();
  } else if (m_pDockContext != nullptr) {
    pInfo->m_pointPos = m_pDockContext->m_ptMRUFloatPos;
  }
  pInfo->m_bFloating = m_barPosition == tkBarFloating;
  if (m_pDockContext != nullptr) {
    pInfo->m_uMRUDockPosition = m_pDockContext->m_nMRUDockPosition;
    pInfo->m_rectMRUDockPos = m_pDockContext->m_rectMRUDockPos;
    pInfo->m_ptMRUFloatPos = m_pDockContext->m_ptMRUFloatPos;
  }
  pInfo->m_bDialogBar = IsDialogBar();
  if (pInfo->m_bDialogBar) {
    GetDialogBarClientSizes(pInfo->m_szDockingClient, pInfo->m_szFloatingClient);
  } else {
    pInfo->m_szDockingClient = CSize(0, 0);
    pInfo->m_szFloatingClient = CSize(0, 0);
  }
}

void CTKToolBar::SetBarInfo(CToolBarInfo* pInfo) {
  m_nMRULength = pInfo->m_nMRUWidth;
  if (pInfo->m_bDialogBar && IsDialogBar())
    SetDialogBarClientSizes(pInfo->m_szDockingClient, pInfo->m_szFloatingClient);
  if (m_pDockContext == nullptr) return;
  m_pDockContext->m_nMRUDockPosition = pInfo->m_uMRUDockPosition;
  m_pDockContext->m_rectMRUDockPos = pInfo->m_rectMRUDockPos;
  m_pDockContext->m_ptMRUFloatPos = pInfo->m_ptMRUFloatPos;
  if (GetSafeHwnd() != NULL) {
    UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (!pInfo->m_bFloating) {
      nFlags |= SWP_NOSIZE;
      if (m_pDockBar == nullptr) nFlags |= SWP_NOMOVE;
    }
    nFlags |= pInfo->m_bVisible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
    SetWindowPos(NULL, pInfo->m_pointPos.x, pInfo->m_pointPos.y, 0, 0, nFlags);
  }
  m_bVisible = pInfo->m_bVisible != FALSE;
  if (pInfo->m_bFloating) OnRecalcLayout();
}

BOOL CTKToolBar::ShouldSaveState() { return IsCustomizable() && m_pControls->IsChanged(); }
