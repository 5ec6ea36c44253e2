// CMainDisplay: the pane, its splitter and the build-file forwarders.
#include "app/MainDisplay.h"

#include <cstdio>

#include "app/AppDisplayOwner.h"
#include "app/AppRunResources.h"
#include "foundation/FileUtilities.h"
#include "foundation/TimeUtilities.h"

BEGIN_MESSAGE_MAP(CMainDisplay, CVelmoranNativeDisplayControl)
  ON_WM_CLOSE()
  ON_WM_PAINT()
  ON_WM_SIZE()
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_MESSAGE(CMainDisplay::kRestoreSplitterMessage, OnRestoreSplitter)
  ON_MESSAGE(WM_SPLITTER_MOVED, OnSplitterMoved)
END_MESSAGE_MAP()

namespace {

const char kSplitterSection[] = "Options";
const char kSplitterKey[] = "MainWindowSplitter";
// The splitter keeps this far from either end of the pane.
const int kSplitterMargin = 50;

}  // namespace

CMainDisplayElapsedTimeTimer::CMainDisplayElapsedTimeTimer() : m_pOwnerDisplay(nullptr) {
  SetInterval(500);
}

CMainDisplayElapsedTimeTimer::~CMainDisplayElapsedTimeTimer() { Shutdown(); }

void CMainDisplayElapsedTimeTimer::OnTimer() {
  if (m_pOwnerDisplay == nullptr) return;
  const HWND frame = m_pOwnerDisplay->GetFrameHandle();
  if (frame != NULL) ::PostMessageA(frame, WM_APP_ELAPSEDTIME, 0, 0);
}

CMainDisplay::CMainDisplay()
    : m_pOwner(nullptr),
      m_runStartTime(GetCurrentUtcTime()),
      m_runEndTime(m_runStartTime),
      m_bTimingActive(false),
      m_pCurrentEntry(nullptr),
      m_bRunActive(false),
      m_bCloseAfterRun(false),
      m_hFrame(NULL) {
  m_stepDisplay.SetOwnerDisplay(this);
  m_timer.m_pOwnerDisplay = this;
  m_executor.SetLog(&m_logDisplay);
}

CMainDisplay::~CMainDisplay() {
  if (::IsWindow(m_hWnd)) DestroyWindow();
  m_timer.Shutdown();
}

void CMainDisplay::SetOwner(IAppDisplayOwner* owner) {
  m_pOwner = owner;
  m_stepDisplay.SetOwner(owner);
  m_logDisplay.SetOwner(owner);
}

bool CMainDisplay::CreateDisplay(CWnd* parent, int controlId) {
  if (!CVelmoranNativeDisplayControl::CreateDisplay(parent, controlId)) return false;
  if (m_pOwner == nullptr) return true;
  m_splitter.m_nOrientation = CSplitterWindow::orientationHorizontal;
  m_splitter.m_nCursorId = IDC_SPLITTER_MOVE;
  m_splitter.Create(this, kSplitterId);
  m_stepDisplay.CreateControl(this);
  m_logDisplay.CreateDisplay(this, kLogId);
  CRect client;
  GetClientRect(&client);
  m_splitter.SetPosition(client.Height() / 2);
  FitToParent();
  PostMessage(kRestoreSplitterMessage, 0, 0);
  return true;
}

void CMainDisplay::PlacePanes() {
  CRect client;
  GetClientRect(&client);
  CRect bar;
  if (!::IsWindow(m_splitter.m_hWnd) || !m_splitter.GetRectInParent(&bar)) {
    if (::IsWindow(m_stepDisplay.m_hWnd)) m_stepDisplay.MoveWindow(&client);
    return;
  }
  if (::IsWindow(m_stepDisplay.m_hWnd)) {
    m_stepDisplay.MoveWindow(client.left, client.top, client.Width(), bar.top - client.top);
    m_stepDisplay.AutoSizeAllColumns();
  }
  if (::IsWindow(m_logDisplay.m_hWnd))
    m_logDisplay.MoveWindow(client.left, bar.bottom, client.Width(), client.bottom - bar.bottom);
}

bool CMainDisplay::FitToParent() {
  if (m_pOwner == nullptr || !::IsWindow(m_hWnd)) return false;
  CRect client;
  GetClientRect(&client);
  m_splitter.SetBounds(client.left, client.top, client.right, client.bottom);
  m_splitter.m_nRangeMinimum = client.top + kSplitterMargin;
  m_splitter.m_nRangeMaximum = client.bottom - kSplitterMargin;
  if (::IsWindow(m_splitter.m_hWnd) && !m_splitter.ClampPosition()) m_splitter.Reposition();
  PlacePanes();
  return true;
}

void CMainDisplay::OnSize(UINT type, int cx, int cy) {
  CVelmoranNativeDisplayControl::OnSize(type, cx, cy);
  // The display manager moves the page; the panes follow its new size.
  FitToParent();
}

LRESULT CMainDisplay::OnSplitterMoved(WPARAM, LPARAM controlId) {
  if (static_cast<int>(controlId) != kSplitterId) return 1;
  FitToParent();
  RedrawDisplay();
  return 0;
}

LRESULT CMainDisplay::OnRestoreSplitter(WPARAM, LPARAM) {
  // Without a stored place the panes share the page; the window has its
  // size by now, unlike at creation.
  if (!RestoreSplitterPosition() && ::IsWindow(m_hWnd)) {
    CRect client;
    GetClientRect(&client);
    m_splitter.SetPosition(client.Height() / 2);
  }
  return OnSplitterMoved(0, kSplitterId);
}

bool CMainDisplay::RestoreSplitterPosition() {
  CTesselString saved;
  if (m_pOwner == nullptr || !::IsWindow(m_hWnd) ||
      !m_pOwner->ReadSetting(kSplitterSection, kSplitterKey, &saved))
    return false;
  double fraction = 0;
  if (sscanf(saved.GetText(), "%lf", &fraction) != 1 || fraction <= 0 || fraction >= 1) return false;
  CRect client;
  GetClientRect(&client);
  m_splitter.SetPosition(static_cast<int>(client.Height() * fraction));
  m_splitter.ClampPosition();
  return true;
}

bool CMainDisplay::SaveSplitterPosition() {
  if (m_pOwner == nullptr || !::IsWindow(m_hWnd)) return false;
  CRect client;
  GetClientRect(&client);
  if (client.Height() <= 0) return false;
  CTesselString text;
  text.Format("%.4f", static_cast<double>(m_splitter.GetPosition()) / client.Height());
  return m_pOwner->WriteSetting(kSplitterSection, kSplitterKey, text);
}

void CMainDisplay::OnMouseMove(UINT flags, CPoint point) {
  if (m_splitter.IsCursorOverSplitter())
    m_splitter.OnMouseMove(flags, point);
  else
    Default();
}

void CMainDisplay::OnLButtonDown(UINT flags, CPoint point) {
  if (m_splitter.IsCursorOverSplitter())
    m_splitter.OnLButtonDown(flags, point);
  else
    Default();
}

void CMainDisplay::OnLButtonUp(UINT flags, CPoint point) {
  if (m_splitter.IsCursorOverSplitter())
    m_splitter.OnLButtonUp(flags, point);
  else
    Default();
}

void CMainDisplay::OnPaint() {
  CPaintTarget target(this);
  if (!::IsWindow(m_hWnd)) return;
  if (::IsWindow(m_splitter.m_hWnd)) m_splitter.Redraw();
  if (::IsWindow(m_stepDisplay.m_hWnd)) m_stepDisplay.RedrawDisplay();
  if (::IsWindow(m_logDisplay.m_hWnd)) m_logDisplay.RedrawDisplay();
  ValidateRect(NULL);
}

void CMainDisplay::OnClose() {
  SaveSplitterPosition();
  m_stepDisplay.RemoveAllEntries();
  m_logDisplay.RemoveAllEntries();
  Default();
}

void CMainDisplay::OnStepCaretMoved() {
  if (m_pOwner != nullptr) m_pOwner->UpdateStatusText();
}

void CMainDisplay::OnStepSelected() {
  if (m_pOwner != nullptr) m_pOwner->UpdateStatusText();
}

void CMainDisplay::EditSelectedStep() {
  CWnd* frame = m_pOwner != nullptr ? m_pOwner->GetFrameWindow() : nullptr;
  if (frame != nullptr) frame->PostMessage(WM_COMMAND, ID_EDIT_BUILD_STEP, 0);
}

void CMainDisplay::DeleteSelectedSteps() {
  CWnd* frame = m_pOwner != nullptr ? m_pOwner->GetFrameWindow() : nullptr;
  if (frame != nullptr) frame->PostMessage(WM_COMMAND, ID_DELETE_BUILD_STEPS, 0);
}

bool CMainDisplay::LoadBuildFile(const CTesselString& path) {
  if (m_bRunActive) return false;
  m_logDisplay.RemoveAllEntries();
  return FileExists(path) && m_stepDisplay.LoadBuildFile(path);
}

bool CMainDisplay::ClearBuildFile() {
  if (m_bRunActive) return false;
  m_logDisplay.RemoveAllEntries();
  return m_stepDisplay.ClearBuildFile();
}

bool CMainDisplay::SaveBuildFileAs(const CTesselString& path) {
  return !path.IsEmpty() && m_stepDisplay.SaveBuildFileAs(path);
}
