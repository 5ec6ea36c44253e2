// CApplicationMainFrame: construction, creation with command bars, ribbon
// and theme, closing, activation and the mouse handlers.
#include "uilib/ApplicationMainFrame.h"

#include <afxpriv.h>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsFrameDwm.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "common/TKMenuSoundPlayer.h"
#include "common/TKToolTipContext.h"
#include "foundation/TesselElementType.h"
#include "themes/TKPaintManagerBase.h"
#include "themes/TKResourceTheme.h"

IMPLEMENT_DYNCREATE(CApplicationMainFrame, CTKMDIFrameWnd)

BEGIN_MESSAGE_MAP(CApplicationMainFrame, CTKMDIFrameWnd)
  ON_WM_CREATE()
  ON_WM_CLOSE()
  ON_WM_GETMINMAXINFO()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_RBUTTONDOWN()
  ON_WM_RBUTTONUP()
  ON_WM_MOUSEMOVE()
  ON_MESSAGE(WM_ACTIVATETOPLEVEL, OnActivateTopLevel)
END_MESSAGE_MAP()

const char CApplicationMainFrame::kFrameThemeIni[] = "Office2010Silver.INI";
const char CApplicationMainFrame::kRibbonBarTitle[] = "Ribbon Bar";

namespace {

/// How long the pointer rests before a tip shows.
const int kToolTipInitialDelay = 900;
const int kToolTipMaxWidth = 180;

/// The theme and the icon options of the frame's command bars, the global
/// paint manager and the bars' own alike.
void ApplyFrameTheme(CTKCommandBars* pCommandBars) {
  CTKCommandBarsOptions* pOptions = pCommandBars->GetCommandBarsOptions();
  if (pOptions != nullptr) {
    pOptions->bShowExpandButtonAlways = FALSE;
    pOptions->bToolBarAccelTips = FALSE;
  }
  CTKPaintManagerBase::ApplyThemeById(CApplicationMainFrame::kFrameTheme);
  CTKPaintManager* pGlobal = CTKPaintManager::GetGlobal();
  if (pGlobal != nullptr) pGlobal->GetIconsInfo()->bUseFadedIcons = FALSE;
  // The ribbon's look draws from the theme images of the program's resources.
  if (auto* pTheme = dynamic_cast<CTKResourceTheme*>(pCommandBars->GetPaintManager()))
    pTheme->SetImageHandle(AfxGetResourceHandle(), CApplicationMainFrame::kFrameThemeIni);
  if (pGlobal != nullptr) pGlobal->RefreshMetrics();
  if (pCommandBars->GetPaintManager() != nullptr) pCommandBars->GetPaintManager()->RefreshMetrics();
}

}  // namespace

CApplicationMainFrame::CApplicationMainFrame()
    : m_pRibbonBar(nullptr),
      m_minTrackSize(),
      m_pOptionsStore(nullptr),
      m_hHelpWindow(NULL),
      m_pHostedChild(nullptr),
      m_bChildHosted(false) {
  m_windowList.SetElementType(Int32ElementType);
  SetMinTrackSize(kDefaultMinTrackWidth, kDefaultMinTrackHeight);
  m_messageForwarding.m_pOwner = this;
}

CApplicationMainFrame::~CApplicationMainFrame() {
  if (m_windowList.GetCount() > 0) m_windowList.DeleteAll();
  TKMenuSoundPlayer()->StopThread();
}

BOOL CApplicationMainFrame::PreCreateWindow(CREATESTRUCT& cs) {
  const BOOL bResult = CMDIFrameWnd::PreCreateWindow(cs);
  cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
  cs.lpszClass = AfxRegisterWndClass(0, NULL, NULL, NULL);
  return bResult;
}

BOOL CApplicationMainFrame::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*) {
  // No window menu: the ribbon replaces the frame's menu and destroys it,
  // which would leave the client listing its windows in a destroyed menu.
  const BOOL bClient = CreateClient(lpcs, NULL);
  if (m_statusBarManager.CreateStatusBar(this)) return TRUE;
  return bClient;
}

int CApplicationMainFrame::OnCreate(LPCREATESTRUCT lpcs) {
  const int nFrame = CFrameWnd::OnCreate(lpcs);
  if (nFrame == -1) return -1;
  if (!CreateFrameCommandBars()) return -1;
  TKMenuSoundPlayer()->EnableSound(FALSE);
  int nResult = nFrame;
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars == nullptr) nResult = -1;
  ConfigureToolTips(pCommandBars);
  // Glass would show through the ribbon's caption, which the theme draws.
  TKSetAllowDwmFrame(FALSE);
  if (!CreateRibbonBar()) nResult = -1;
  if (pCommandBars != nullptr) {
    pCommandBars->SetTheme(kFrameTheme);
    pCommandBars->EnableFrameTheme(TRUE);
    ApplyFrameTheme(pCommandBars);
  }
  // The program's panes are not MDI children: they cover the client area.
  if (m_hWndMDIClient != NULL) {
    ::EnableWindow(m_hWndMDIClient, FALSE);
    ::ShowWindow(m_hWndMDIClient, SW_HIDE);
  }
  return nResult;
}

int CApplicationMainFrame::OnCreateWithCommandBars(LPCREATESTRUCT lpcs) {
  const int nFrame = CFrameWnd::OnCreate(lpcs);
  if (nFrame == -1) return -1;
  if (!CreateFrameCommandBars()) return -1;
  TKMenuSoundPlayer()->EnableSound(FALSE);
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars == nullptr) return -1;
  ConfigureToolTips(pCommandBars);
  TKSetAllowDwmFrame(FALSE);
  ApplyFrameTheme(pCommandBars);
  pCommandBars->SetTheme(kFrameTheme);
  pCommandBars->EnableFrameTheme(TRUE);
  if (m_hWndMDIClient != NULL) {
    ::EnableWindow(m_hWndMDIClient, FALSE);
    ::ShowWindow(m_hWndMDIClient, SW_HIDE);
  }
  return nFrame;
}

bool CApplicationMainFrame::CreateFrameCommandBars() {
  if (!CreateCommandBars(RUNTIME_CLASS(CTKCommandBars))) return false;
  // The ribbon docks at the top: the dock bars must stand before it is added.
  if (GetCommandBars() != nullptr) GetCommandBars()->CreateDockBars();
  return true;
}

int CApplicationMainFrame::OnCreateFrameOnly(LPCREATESTRUCT lpcs) {
  return CFrameWnd::OnCreate(lpcs);
}

bool CApplicationMainFrame::ConfigureToolTips(CTKCommandBars* pCommandBars) {
  if (pCommandBars == nullptr || pCommandBars->GetToolTipContext() == nullptr) return false;
  CTKToolTipContext* pContext = pCommandBars->GetToolTipContext();
  pContext->SetStyle(CTKToolTipContext::styleOffice);
  pContext->ShowTitleAndDescription(TRUE, TRUE);
  pContext->ShowImage(TRUE, 0, 1);
  pContext->SetMargin(CRect(2, 2, 2, 2));
  pContext->SetMaxTipWidth(kToolTipMaxWidth);
  if (auto* pTheme = dynamic_cast<CTKPaintManagerBase*>(pCommandBars->GetPaintManager()))
    pContext->SetFont(&pTheme->m_fontIconTitle);
  pContext->SetDelayTime(TTDT_INITIAL, kToolTipInitialDelay);
  return true;
}

void CApplicationMainFrame::OnClose() {
  CloseHelpWindow();
  ShowWindow(SW_HIDE);
  CFrameWnd::OnClose();
}

void CApplicationMainFrame::CloseQuietly() {
  CloseHelpWindow();
  ShowWindow(SW_HIDE);
  CFrameWnd::OnClose();
}

bool CApplicationMainFrame::CloseHelpWindow() {
  if (m_hHelpWindow == NULL) return false;
  if (::IsWindow(m_hHelpWindow)) ::SendMessage(m_hHelpWindow, WM_CLOSE, 0, 0);
  m_hHelpWindow = NULL;
  return true;
}

LRESULT CApplicationMainFrame::OnActivateTopLevel(WPARAM wParam, LPARAM lParam) {
  if (m_pHostedChild != nullptr) {
    AFX_MANAGE_STATE(AfxGetAppModuleState());
    return m_pHostedChild->OnActivateTopLevel(wParam, lParam);
  }
  return CFrameWnd::OnActivateTopLevel(wParam, lParam);
}

void CApplicationMainFrame::OnLButtonDown(UINT nFlags, CPoint point) {
  Default();
  m_messageForwarding.ForwardLButtonDown(nFlags, point);
}

void CApplicationMainFrame::OnLButtonUp(UINT nFlags, CPoint point) {
  Default();
  m_messageForwarding.ForwardLButtonUp(nFlags, point);
}

void CApplicationMainFrame::OnRButtonDown(UINT nFlags, CPoint point) {
  Default();
  m_messageForwarding.ForwardRButtonDown(nFlags, point);
}

void CApplicationMainFrame::OnRButtonUp(UINT nFlags, CPoint point) {
  Default();
  m_messageForwarding.ForwardRButtonUp(nFlags, point);
}

void CApplicationMainFrame::OnMouseMove(UINT nFlags, CPoint point) {
  Default();
  m_messageForwarding.ForwardMouseMove(nFlags, point);
}

BOOL CApplicationMainFrame::OnMouseWheel(UINT nFlags, short zDelta, CPoint point) {
  const BOOL bResult = static_cast<BOOL>(Default());
  m_messageForwarding.ForwardMouseWheel(nFlags, zDelta, point);
  return bResult;
}
