// CTKCommandBarsFrameHook: attaching to the site, the values the frame theme
// reads, and the frame's region, glass and painting.
#include "commandbars/TKCommandBarsFrameHook.h"

#include <afxpriv.h>

#include <algorithm>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsFrameDwm.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKMenuBar.h"
#include "commandbars/TKPaintManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKFrameShadow.h"
#include "common/TKNotifyConnection.h"
#include "common/TKOSVersionHelper.h"
#include "common/TKResourceImages.h"
#include "common/TKWinEventHook.h"
#include "common/TKWinThemeWrapper.h"

#include <shellapi.h>

namespace {


CSize WindowSize(HWND hWnd) {
  CRect rc;
  ::GetWindowRect(hWnd, &rc);
  return rc.Size();
}

}  // namespace

CTKCommandBarsFrameHook::CTKCommandBarsFrameHook()
    : m_nSuppressStyleChange(0),
      m_hwndSite(NULL),
      m_pCommandBars(nullptr),
      m_bActive(TRUE),
      m_szFrameRegion(0, 0),
      m_bDelayRecalcLayout(FALSE),
      m_pCaptionButtons(new CTKControls),
      m_pHotButton(nullptr),
      m_bButtonPressed(FALSE),
      m_bAttached(FALSE),
      m_nSkipNcPaint(0),
      m_bDwmEnabled(FALSE),
      m_bDestroying(FALSE),
      m_bGlassOverTopDockBar(FALSE),
      m_pFrameShadow(nullptr),
      m_nMsgUpdateSkinState(::RegisterWindowMessage("WM_SKINFRAMEWORK_UPDATESTATE")),
      m_nMsgQuerySkinState(::RegisterWindowMessage("WM_SKINFRAMEWORK_QUERYSTATE")),
      m_pSink(new CTKNotifySink),
      m_bInRegionUpdate(FALSE),
      m_bWinEventHookTaken(FALSE) {
  CTKPaintManager::AddRefGlobal();
  AddCaptionButton(SC_CLOSE, HTCLOSE);
  AddCaptionButton(SC_RESTORE, HTMAXBUTTON);
  AddCaptionButton(SC_MAXIMIZE, HTMAXBUTTON);
  AddCaptionButton(SC_MINIMIZE, HTMINBUTTON);
  m_pSink->Advise(TKResourceImages()->GetConnection(), TK_NOTIFY_RESOURCEIMAGES_CHANGED,
                  new CTKNotifySinkClassDelegate<CTKCommandBarsFrameHook>(
                      this, &CTKCommandBarsFrameHook::OnResourceImagesChanged));
}

CTKCommandBarsFrameHook::~CTKCommandBarsFrameHook() {
  m_bDestroying = TRUE;
  Detach();
  m_pCaptionButtons->InternalRelease();
  m_pSink->UnadviseAndDelete();
  CTKPaintManager::ReleaseGlobal();
}

UINT AFX_CDECL CTKCommandBarsFrameHook::GetFrameHookMessage() {
  static const UINT s_nMessage = ::RegisterWindowMessage("WM_GETFRAMEHOOK");
  return s_nMessage;
}

CTKCommandBarsFrameHook* AFX_CDECL CTKCommandBarsFrameHook::FromWindow(HWND hWnd) {
  if (!::IsWindow(hWnd)) return nullptr;
  return reinterpret_cast<CTKCommandBarsFrameHook*>(
      ::SendMessage(hWnd, GetFrameHookMessage(), 0, 0));
}

BOOL AFX_CDECL CTKCommandBarsFrameHook::IsTaskbarAutoHide() {
  return (TKCommandBarsSystem()->GetTaskbarState() & ABS_AUTOHIDE) != 0;
}

// Attaching ------------------------------------------------------------------

void CTKCommandBarsFrameHook::SetCommandBars(CTKCommandBars* pCommandBars) {
  if (pCommandBars == m_pCommandBars) return;
  if (m_pCommandBars != nullptr || m_bAttached) Detach();
  if (pCommandBars == nullptr) return;
  m_pCommandBars = pCommandBars;
  m_hwndSite = pCommandBars->GetSite()->GetSafeHwnd();
  m_bActive = TRUE;
  m_szFrameRegion = CSize(0, 0);
  m_pHotButton = nullptr;
  m_bDelayRecalcLayout = FALSE;
  m_bButtonPressed = FALSE;
  m_bAttached = TRUE;
  if (!::IsWindow(m_hwndSite)) return;

  TKHookManager()->SetHook(m_hwndSite, this);
  ::SendMessage(m_hwndSite, m_nMsgUpdateSkinState, 0, 0);
  m_bDwmEnabled = TKIsDwmFrameAllowed() && (GetSiteStyle() & WS_CHILD) == 0 &&
                  TKDwmIsCompositionEnabled();
  if (!m_bDwmEnabled)
    RefreshFrameStyle();
  else
    ::SetWindowRgn(m_hwndSite, NULL, TRUE);
  RefreshFrameRegion();
  ::SetWindowPos(m_hwndSite, NULL, 0, 0, 0, 0, kFrameChanged);
  UpdateWinEventHook(TRUE);
  EnableFrameShadow();
}

void CTKCommandBarsFrameHook::Detach() {
  DisableFrameShadow();
  m_pCommandBars = nullptr;
  m_pHotButton = nullptr;
  m_bDelayRecalcLayout = FALSE;
  m_bButtonPressed = FALSE;
  m_bAttached = FALSE;
  TKHookManager()->RemoveAll(this);
  if (!m_bDestroying && ::IsWindow(m_hwndSite)) {
    if (m_bDwmEnabled) TKDwmExtendFrameIntoClientArea(m_hwndSite, 0, 0, 0, 0);
    ::SendMessage(m_hwndSite, m_nMsgUpdateSkinState, 0, 0);
    ::SetWindowRgn(m_hwndSite, NULL, TRUE);
    ::SetWindowPos(m_hwndSite, NULL, 0, 0, 0, 0, kFrameChanged);
  }
  m_hwndSite = NULL;
  m_bDwmEnabled = FALSE;
  m_szFrameRegion = CSize(0, 0);
  UpdateWinEventHook(FALSE);
}

void CTKCommandBarsFrameHook::UpdateWinEventHook(BOOL bTake) {
  if (bTake == m_bWinEventHookTaken) return;
  if (bTake)
    TKWinEventHook()->SetEventHook(EVENT_OBJECT_REORDER, EVENT_OBJECT_REORDER,
                                   &CTKCommandBarsFrameHook::WinEventProc);
  else
    TKWinEventHook()->RemoveEventHook();
  m_bWinEventHookTaken = bTake;
}

void CALLBACK CTKCommandBarsFrameHook::WinEventProc(HWINEVENTHOOK, DWORD dwEvent, HWND hWnd,
                                                   LONG idObject, LONG, DWORD, DWORD) {
  // A control that reorders its children may have put back a style the hook
  // took away; look again once the window has settled.
  if (dwEvent != EVENT_OBJECT_REORDER || idObject != OBJID_WINDOW) return;
  if (TKHookManager()->Lookup(hWnd) == nullptr) return;
  CTKCommandBarsFrameHook* pHook = FromWindow(hWnd);
  if (pHook == nullptr || pHook->m_bDwmEnabled) return;
  if ((pHook->GetSiteStyle() & 0xF00000) != 0)
    TKCommandBarsSystem()->SetTimer(pHook->m_hwndSite, kTimerFrameStyle, 100);
}

int CTKCommandBarsFrameHook::OnResourceImagesChanged(DWORD, WPARAM, LPARAM) {
  if (!m_bAttached || !::IsWindow(m_hwndSite) || m_bDwmEnabled) return 0;
  if (CTKPaintManager* pPaintManager = GetPaintManager()) pPaintManager->RefreshMetrics();
  RedrawFrame();
  return 0;
}

// Frame shadow ---------------------------------------------------------------

void CTKCommandBarsFrameHook::EnableFrameShadow() {
  if (m_pFrameShadow != nullptr || (GetSiteStyle() & WS_CHILD) != 0) return;
  CTKFrameShadowManager* pManager = TKFrameShadowManager();
  if (pManager->GetShadowByHandle(m_hwndSite) != nullptr) return;
  CTKFramePaintManager* pFrame = GetFramePaintManager();
  if (pFrame == nullptr) return;
  m_pFrameShadow = pFrame->CreateFrameShadow(CWnd::FromHandle(m_hwndSite));
  if (m_pFrameShadow != nullptr) pManager->AddObserver(this);
}

void CTKCommandBarsFrameHook::DisableFrameShadow() {
  if (m_pFrameShadow == nullptr) return;
  CTKFrameShadowManager* pManager = TKFrameShadowManager();
  pManager->RemoveObserver(this);
  m_pFrameShadow = nullptr;
  pManager->DisableShadowByHandle(m_hwndSite);
}

void CTKCommandBarsFrameHook::OnFrameShadowDestroyed(CTKFrameShadowManager*, HWND hWndFrame,
                                                     CTKFrameShadow*) {
  if (hWndFrame == m_hwndSite) m_pFrameShadow = nullptr;
}

// Derived values -------------------------------------------------------------

DWORD CTKCommandBarsFrameHook::GetSiteStyle() const {
  return ::IsWindow(m_hwndSite) ? static_cast<DWORD>(::GetWindowLong(m_hwndSite, GWL_STYLE)) : 0;
}

DWORD CTKCommandBarsFrameHook::GetSiteExStyle() const {
  return ::IsWindow(m_hwndSite) ? static_cast<DWORD>(::GetWindowLong(m_hwndSite, GWL_EXSTYLE))
                                : 0;
}

CTKPaintManager* CTKCommandBarsFrameHook::GetPaintManager() const {
  return m_pCommandBars != nullptr ? m_pCommandBars->GetPaintManager()
                                   : CTKPaintManager::GetGlobal();
}

CTKFramePaintManager* CTKCommandBarsFrameHook::GetFramePaintManager() const {
  CTKPaintManager* pPaintManager = GetPaintManager();
  return pPaintManager != nullptr ? pPaintManager->GetFramePaintManager() : nullptr;
}

BOOL CTKCommandBarsFrameHook::IsMDIMaximized() const {
  return (GetSiteStyle() & WS_MAXIMIZE) != 0 && (GetSiteExStyle() & WS_EX_MDICHILD) != 0;
}

CTKMenuBar* CTKCommandBarsFrameHook::GetCaptionBar() const {
  if (m_pCommandBars == nullptr) return nullptr;
  CTKMenuBar* pMenuBar = DYNAMIC_DOWNCAST(CTKMenuBar, m_pCommandBars->GetMenuBar());
  if (pMenuBar == nullptr || pMenuBar->GetPosition() != tkBarTop) return nullptr;
  return pMenuBar->IsFrameCaptionTakenOver() ? pMenuBar : nullptr;
}

BOOL CTKCommandBarsFrameHook::IsFrameCaptionVisible() const {
  if (GetCaptionBar() == nullptr) return TRUE;
  // A minimised child shows no ribbon: only its own caption is left.
  const DWORD dwStyle = GetSiteStyle();
  return (dwStyle & WS_CHILD) != 0 && (dwStyle & WS_MINIMIZE) != 0;
}

CRect CTKCommandBarsFrameHook::CalcFrameBorder() const {
  CTKFramePaintManager* pFrame = GetFramePaintManager();
  return pFrame != nullptr ? pFrame->GetFrameBorders(const_cast<CTKCommandBarsFrameHook*>(this))
                           : CRect(0, 0, 0, 0);
}

int CTKCommandBarsFrameHook::GetCaptionHeight() const {
  const int nTop = CalcFrameBorder().top;
  if (!IsFrameCaptionVisible()) return nTop + GetCaptionBar()->GetFrameCaptionHeight();
  CTKFramePaintManager* pFrame = GetFramePaintManager();
  return nTop + (pFrame != nullptr ? pFrame->GetCaptionHeight() : 0);
}

BOOL CTKCommandBarsFrameHook::IsFrameHasStatusBar(int* pnHeight) const {
  CTKFramePaintManager* pFrame = GetFramePaintManager();
  if (pFrame == nullptr || !pFrame->m_bAllowStatusBarInFrame) return FALSE;
  HWND hwndStatus = ::GetDlgItem(m_hwndSite, AFX_IDW_STATUS_BAR);
  if (hwndStatus == NULL || !::IsWindowVisible(hwndStatus)) return FALSE;
  if (!GetPaintManager()->m_bAllowStatusBarInFrame) return FALSE;
  if (pnHeight != nullptr) *pnHeight = WindowSize(hwndStatus).cy;
  return TRUE;
}

// Region, glass, layout ------------------------------------------------------

void CTKCommandBarsFrameHook::RefreshFrameRegion() {
  if (::IsWindow(m_hwndSite)) UpdateFrameRegion(WindowSize(m_hwndSite), TRUE);
}

void CTKCommandBarsFrameHook::UpdateFrameRegion(CSize szWindow, BOOL bForce) {
  if (m_bInRegionUpdate || !::IsWindow(m_hwndSite)) return;
  if (!bForce && szWindow == m_szFrameRegion) return;
  m_bInRegionUpdate = TRUE;
  if (m_bDwmEnabled) {
    UpdateDwmFrame();
  } else {
    HRGN hRegion = NULL;
    if (IsMDIMaximized()) {
      // The MDI client clips a maximised child itself.
    } else if (::IsZoomed(m_hwndSite)) {
      // Windows places a maximised frame's borders off the monitor; cut them
      // so that they do not show on a neighbouring one.
      CRect rcWindow;
      ::GetWindowRect(m_hwndSite, &rcWindow);
      CRect rcWork = TKMultiMonitorApi()->GetWorkAreaFromWindow(m_hwndSite);
      const int dx = std::max(0, static_cast<int>(rcWork.left - rcWindow.left));
      const int dy = std::max(0, static_cast<int>(rcWork.top - rcWindow.top));
      hRegion = ::CreateRectRgn(dx, dy, szWindow.cx - dx, szWindow.cy - dy);
    } else if (CTKFramePaintManager* pFrame = GetFramePaintManager()) {
      hRegion = pFrame->CreateFrameRegion(this, szWindow.cx, szWindow.cy);
    }
    // The window owns the region now. No redraw: the callers paint the frame
    // (or have Windows recompute it) next, and a redraw here would paint it twice.
    ::SetWindowRgn(m_hwndSite, hRegion, FALSE);
  }
  m_szFrameRegion = szWindow;
  m_bInRegionUpdate = FALSE;
}

void CTKCommandBarsFrameHook::UpdateDwmFrame() {
  if (!::IsWindow(m_hwndSite)) return;
  const int nTop = IsFrameCaptionVisible() ? 0 : GetCaptionHeight();
  TKDwmExtendFrameIntoClientArea(m_hwndSite, 0, 0, nTop, 0);
}

void CTKCommandBarsFrameHook::RefreshFrameStyle() {
  if (m_bDwmEnabled || !::IsWindow(m_hwndSite)) return;
  const DWORD dwStyle = GetSiteStyle();
  const DWORD dwStandardParts = WS_DLGFRAME | WS_VSCROLL | WS_HSCROLL;
  if ((dwStyle & dwStandardParts) == 0) return;
  ++m_nSuppressStyleChange;
  ::SetWindowLong(m_hwndSite, GWL_STYLE, static_cast<LONG>(dwStyle & ~dwStandardParts));
  CRect rcWindow;
  ::GetWindowRect(m_hwndSite, &rcWindow);
  ::SendMessage(m_hwndSite, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&rcWindow));
  ::SetWindowLong(m_hwndSite, GWL_STYLE, static_cast<LONG>(dwStyle));
  --m_nSuppressStyleChange;
  RedrawFrame();
}

void CTKCommandBarsFrameHook::DelayRecalcFrameLayout() {
  m_bDelayRecalcLayout = TRUE;
  if (::IsWindow(m_hwndSite)) ::PostMessage(m_hwndSite, WM_IDLEUPDATECMDUI, 0, 0);
}

void CTKCommandBarsFrameHook::RecalcFrameLayout() {
  m_bDelayRecalcLayout = FALSE;
  m_szFrameRegion = CSize(0, 0);
  if (!::IsWindow(m_hwndSite)) return;
  ::SetWindowPos(m_hwndSite, NULL, 0, 0, 0, 0, kFrameChanged);
  if (CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(m_hwndSite))) {
    pFrame->RecalcLayout();
  } else {
    CRect rcClient;
    ::GetClientRect(m_hwndSite, &rcClient);
    ::SendMessage(m_hwndSite, WM_SIZE, SIZE_RESTORED, MAKELPARAM(rcClient.Width(), rcClient.Height()));
  }
}

void CTKCommandBarsFrameHook::DrawRibbonFramePart(CDC*) {
  // Nothing to draw while the command bars carry no ribbon.
}

// Painting -------------------------------------------------------------------

void CTKCommandBarsFrameHook::RedrawFrame() {
  if (!m_bAttached || m_bDwmEnabled || !::IsWindowVisible(m_hwndSite) || IsMDIMaximized()) return;
  CWindowDC dc(CWnd::FromHandle(m_hwndSite));
  PaintFrame(&dc);
}

void CTKCommandBarsFrameHook::PaintFrame(CDC* pDC) {
  CTKFramePaintManager* pFrame = GetFramePaintManager();
  if (pFrame == nullptr) return;
  UpdateFrameCaptionButtons();
  // The client area is the window's own: the frame only paints around it.
  CRect rcClient;
  ::GetClientRect(m_hwndSite, &rcClient);
  CPoint ptOrigin = ClientToWindow(CPoint(0, 0));
  rcClient.OffsetRect(ptOrigin);
  const int nSaved = pDC->SaveDC();
  pDC->ExcludeClipRect(rcClient);
  pFrame->DrawFrame(pDC, this);
  pDC->RestoreDC(nSaved);
}

CPoint CTKCommandBarsFrameHook::ClientToWindow(CPoint ptClient) const {
  ::ClientToScreen(m_hwndSite, &ptClient);
  return ScreenToWindow(ptClient);
}

CPoint CTKCommandBarsFrameHook::ScreenToWindow(CPoint ptScreen) const {
  CRect rcWindow;
  ::GetWindowRect(m_hwndSite, &rcWindow);
  return ptScreen - rcWindow.TopLeft();
}

namespace {
BOOL g_bAllowDwmFrame = TRUE;
}  // namespace

void AFX_CDECL TKSetAllowDwmFrame(BOOL bAllow) { g_bAllowDwmFrame = bAllow; }

BOOL AFX_CDECL TKIsDwmFrameAllowed() { return g_bAllowDwmFrame; }
