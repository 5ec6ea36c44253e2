// CVariableDefinitionDisplay: the page, its tool bar and its commands.
#include "app/VariableDefinitionDisplay.h"

#include "app/AppResources.h"
#include "app/AppSystem.h"
#include "app/AppText.h"
#include "app/MainFrame.h"
#include "app/AddVariableDefDialog.h"
#include "commandbars/TKToolBar.h"

BEGIN_MESSAGE_MAP(CVariableDefinitionDisplay, CVelmoranNativeDisplayControl)
  ON_WM_CLOSE()
  ON_WM_PAINT()
  ON_WM_SIZE()
  ON_COMMAND(ID_ADD_VARIABLE, OnAddVariable)
  ON_COMMAND(ID_EDIT_VARIABLE, OnEditVariable)
  ON_COMMAND(ID_DELETE_VARIABLES, OnDeleteVariables)
  ON_UPDATE_COMMAND_UI(ID_ADD_VARIABLE, OnUpdateAddVariable)
  ON_UPDATE_COMMAND_UI(ID_EDIT_VARIABLE, OnUpdateEditVariable)
  ON_UPDATE_COMMAND_UI(ID_DELETE_VARIABLES, OnUpdateDeleteVariables)
END_MESSAGE_MAP()

namespace {

// Top dock, 20-pixel cells.
const int kToolBarDock = 0;
const int kToolBarCell = 20;
const UINT kToolBarCommands[] = {ID_ADD_VARIABLE, ID_EDIT_VARIABLE, ID_DELETE_VARIABLES};

}  // namespace

CVariableDefinitionDisplay::CVariableDefinitionDisplay()
    : m_pMainFrame(nullptr), m_pTab(nullptr), m_pOwnToolBar(nullptr), m_pOwner(nullptr) {
  m_list.m_pOwnerDisplay = this;
}

CVariableDefinitionDisplay::~CVariableDefinitionDisplay() {
  if (::IsWindow(m_hWnd)) DestroyWindow();
}

bool CVariableDefinitionDisplay::CreateDisplay(CWnd* parent, int controlId) {
  if (!CVelmoranNativeDisplayControl::CreateDisplay(parent, controlId)) return false;
  if (m_pMainFrame == nullptr) return true;
  // The display's tool-bar operations want the frame base.
  m_pOwnerFrame = m_pMainFrame;
  if (CreateToolBar(IDS_VARIABLE_TOOLBAR, IDR_VARIABLE_TOOLBAR, IDB_VARIABLE_TOOLBAR_NORMAL,
                    IDB_VARIABLE_TOOLBAR_DISABLED, IDB_VARIABLE_TOOLBAR_HOT, kToolBarDock,
                    kToolBarCell))
    for (UINT command : kToolBarCommands) SetToolBarButtonCaption(static_cast<int>(command));
  m_list.m_pOwnerFrame = m_pOwnerFrame;
  m_list.CreateControl(this);
  FitToParent();
  return true;
}

bool CVariableDefinitionDisplay::FitToParent() {
  if (m_pMainFrame == nullptr || m_pTab == nullptr || !::IsWindow(m_hWnd)) return false;
  // The bar first: the list goes below the bar's laid-out height.
  RepositionToolBars();
  CRect area;
  GetDisplayRect(&area);
  if (::IsWindow(m_list.m_hWnd)) {
    m_list.MoveWindow(&area, TRUE);
    m_list.AutoSizeColumns();
  }
  return true;
}

void CVariableDefinitionDisplay::OnSize(UINT type, int cx, int cy) {
  CVelmoranNativeDisplayControl::OnSize(type, cx, cy);
  FitToParent();
}

void CVariableDefinitionDisplay::OnPaint() {
  if (::IsWindow(m_list.m_hWnd)) m_list.RedrawDisplay();
  ValidateRect(NULL);
}

void CVariableDefinitionDisplay::OnClose() {
  m_list.RemoveAllEntries();
  CVelmoranNativeDisplayControl::OnClose();
}

bool CVariableDefinitionDisplay::Close() {
  OnClose();
  return true;
}

CBuildStepFileManager* CVariableDefinitionDisplay::GetFileManager() {
  if (m_pMainFrame == nullptr) return nullptr;
  return &m_pMainFrame->GetMainDisplay().GetStepDisplay().GetFileManager();
}

bool CVariableDefinitionDisplay::ReloadVariables() {
  CBuildStepFileManager* files = GetFileManager();
  if (files == nullptr) return false;
  // The rows of the file before may point at records that loading deleted.
  m_list.RemoveAllEntries();
  m_list.SetModified(false);
  if (files->GetVariableList().GetCount() < 1) {
    if (::IsWindow(m_list.m_hWnd)) {
      m_list.AutoSizeColumns();
      m_list.UpdateScrollBars();
      m_list.RedrawDisplay();
    }
    return false;
  }
  m_list.SetRedraw(FALSE);
  m_list.RebuildEntries();
  m_list.AutoSizeAllColumns();
  m_list.SetModified(false);
  m_list.SortEntries();
  m_list.UpdateScrollBars();
  m_list.SetRedraw(TRUE);
  m_list.RedrawDisplay();
  return true;
}

// The frame's rules decide, so that the page's tool bar, its context menu
// and the frame's own buttons always agree.
bool CVariableDefinitionDisplay::IsFrameCommandEnabled(UINT command) {
  return m_pMainFrame != nullptr &&
         CMainFrame::IsCommandEnabled(command, m_pMainFrame->GetCommandState());
}

bool CVariableDefinitionDisplay::CanAddVariable() { return IsFrameCommandEnabled(ID_ADD_VARIABLE); }

bool CVariableDefinitionDisplay::CanEditVariable() {
  return IsFrameCommandEnabled(ID_EDIT_VARIABLE);
}

bool CVariableDefinitionDisplay::CanDeleteVariables() {
  return IsFrameCommandEnabled(ID_DELETE_VARIABLES);
}

void CVariableDefinitionDisplay::OnUpdateAddVariable(CCmdUI* pCmdUI) {
  pCmdUI->Enable(CanAddVariable());
}

void CVariableDefinitionDisplay::OnUpdateEditVariable(CCmdUI* pCmdUI) {
  pCmdUI->Enable(CanEditVariable());
}

void CVariableDefinitionDisplay::OnUpdateDeleteVariables(CCmdUI* pCmdUI) {
  pCmdUI->Enable(CanDeleteVariables());
}

void CVariableDefinitionDisplay::OnEditRequest() { OnEditVariable(); }

void CVariableDefinitionDisplay::OnDeleteRequest() { OnDeleteVariables(); }

void CVariableDefinitionDisplay::SortAndRedraw() {
  m_list.SortEntries();
  m_list.RedrawDisplay();
}

void CVariableDefinitionDisplay::OnAddVariable() {
  if (!CanAddVariable()) return;
  CAddVariableDefDialog dialog(this);
  dialog.m_pFrame = m_pMainFrame;
  dialog.m_pList = &m_list;
  if (AppSystem()->RunDialog(&dialog) == IDOK) SortAndRedraw();
}

void CVariableDefinitionDisplay::OnEditVariable() {
  if (!CanEditVariable()) return;
  CVariableDefinitionDisplayControlEntry* row =
      static_cast<CVariableDefinitionDisplayControlEntry*>(m_list.GetFirstSelectedEntry());
  if (row == nullptr) return;
  CEditVariableDefDialog dialog(this);
  dialog.m_pFrame = m_pMainFrame;
  dialog.m_pList = &m_list;
  dialog.m_pVariable = row->m_pVariable;
  if (AppSystem()->RunDialog(&dialog) == IDOK) SortAndRedraw();
}

void CVariableDefinitionDisplay::OnDeleteVariables() {
  if (!CanDeleteVariables()) return;
  if (m_pMainFrame->ShowMessage(this, LoadAppText(IDS_DELETE_VARIABLES_QUESTION),
                                MB_YESNO | MB_ICONHAND) != IDYES)
    return;
  CTesselList selected;
  m_list.GetSelectedEntries(&selected);
  for (void* row = selected.IterateFirst(); row != nullptr; row = selected.IterateNext())
    m_list.DeleteVariable(static_cast<CVariableDefinitionDisplayControlEntry*>(row)->m_pVariable);
  selected.IterateEnd();
  selected.RemoveAll();
  m_list.AutoSizeColumns();
  SortAndRedraw();
}
