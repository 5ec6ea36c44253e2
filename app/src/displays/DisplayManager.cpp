// CDisplayManager: the two pages and the mouse they see through the strip.
#include "app/DisplayManager.h"

#include "app/AppResources.h"
#include "app/MainFrame.h"

BEGIN_MESSAGE_MAP(CDisplayManager, CTabControl)
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

namespace {

CTesselString LoadText(UINT id) {
  CTesselString text;
  text.LoadString(static_cast<int>(id), AfxGetResourceHandle());
  return text;
}

}  // namespace

CDisplayManager::CDisplayManager() : m_pMainFrame(NULL) {
  m_bMarginLayout = false;
  m_bCompactLayout = true;
  m_bSquareFrame = true;
}

bool CDisplayManager::CreateControl(CWnd* parent) {
  if (!CTabControl::CreateControl(parent)) return false;
  if (m_pMainFrame == NULL) return true;
  int nextId = 0;
  CMainDisplay& main = m_pMainFrame->GetMainDisplay();
  if (main.CreateDisplay(this, kDisplayPageControlId) &&
      AddPage(&main, LoadText(IDS_BUILD_STEPS_PAGE), 0)) {
    main.m_pTab = FindTab(0);
    nextId = 1;
  }
  CVariableDefinitionDisplay& variables = m_pMainFrame->GetVariableDisplay();
  if (variables.CreateDisplay(this, kDisplayPageControlId) &&
      AddPage(&variables, LoadText(IDS_VARIABLE_DEFINITION_PAGE), nextId))
    variables.m_pTab = FindTab(nextId);
  return true;
}

bool CDisplayManager::FitToParent() {
  if (GetParentWindow() == NULL || m_pMainFrame == NULL || !::IsWindow(m_hWnd)) return false;
  CRect area;
  m_pMainFrame->GetDisplayRect(&area);
  MoveWindow(&area, TRUE);
  Layout();
  RepositionToolBars();
  return true;
}

void CDisplayManager::ForwardToSelectedPage(UINT message, CPoint point) {
  CTabControlTab* tab = GetSelectedTab();
  if (tab == NULL || tab->m_pWindow == NULL || !::IsWindow(tab->m_pWindow->m_hWnd)) return;
  tab->m_pWindow->PostMessage(message, 0, MAKELPARAM(point.x, point.y));
}

void CDisplayManager::OnMouseMove(UINT, CPoint point) {
  ForwardToSelectedPage(WM_MOUSEMOVE, point);
  Default();
}

void CDisplayManager::OnLButtonUp(UINT, CPoint point) {
  ForwardToSelectedPage(WM_LBUTTONUP, point);
  Default();
}

void CDisplayManager::OnLButtonDown(UINT nFlags, CPoint point) {
  ForwardToSelectedPage(WM_LBUTTONDOWN, point);
  CTabControl::OnLButtonDown(nFlags, point);
}
