// CTabControl: its tabs, the selection, the mouse and the focus.
#include "uilib/TabControl.h"

#include "foundation/TextUtilities.h"

BEGIN_MESSAGE_MAP(CTabControl, CNativeDisplayControl)
  ON_WM_LBUTTONDOWN()
  ON_WM_PAINT()
  ON_WM_SIZE()
  ON_WM_SETFOCUS()
END_MESSAGE_MAP()

CTabControl::CTabControl()
    : m_pSelectedTab(NULL),
      m_pageMargins(0, 0, 0, 0),
      m_bBusy(false),
      m_bMarginLayout(true),
      m_bCompactLayout(false),
      m_bSquareFrame(false) {}

CTabControl::~CTabControl() { RemoveAllTabs(); }

bool CTabControl::CreateControl(CWnd* parent) {
  if (!CreateDisplay(parent, kTabControlId)) return false;
  m_pageMargins = CRect(16, 16, 16, 22);
  return true;
}

int CTabControl::GetTabCount() { return m_tabs.GetCount(); }

bool CTabControl::AddPage(CWnd* window, CTesselString caption, int id) {
  if (window == NULL || FindTab(id) != NULL) return false;
  CTabControlTab* tab = new CTabControlTab;
  tab->m_pWindow = window;
  tab->SetText(caption);
  if (AddTab(tab, id)) return true;
  delete tab;
  return false;
}

bool CTabControl::AddTab(CTabControlTab* tab, int id) {
  // A page shown while it is added takes the focus through the control;
  // OnSetFocus leaves that alone while this is set.
  struct BusyScope {
    bool& busy;
    explicit BusyScope(bool& b) : busy(b) { busy = true; }
    ~BusyScope() { busy = false; }
  } busy(m_bBusy);
  if (tab == NULL || FindTab(id) != NULL) return false;
  tab->m_pOwner = this;
  tab->m_nId = id;
  if (!m_tabs.AddKey(id, tab)) return false;
  tab->SetSelected(false);
  if (GetTabCount() == 1) {
    SelectTab(id);
    RecalcLayout();
  }
  return true;
}

bool CTabControl::RemoveTab(int id) {
  CTabControlTab* tab = FindTab(id);
  if (tab == NULL) return false;
  if (tab == m_pSelectedTab) m_pSelectedTab = NULL;
  if (!m_tabs.RemoveKey(id)) return false;
  delete tab;
  CTabControlTab* first = IterateFirst();
  EndIteration();
  if (first != NULL) SelectTab(first->m_nId);
  return true;
}

bool CTabControl::RemoveAllTabs() {
  m_bBusy = true;
  bool any = false;
  for (CTabControlTab* tab = IterateFirst(); tab != NULL; tab = IterateNext()) {
    delete tab;
    any = true;
  }
  EndIteration();
  m_tabs.RemoveAll();
  m_pSelectedTab = NULL;
  m_bBusy = false;
  return any;
}

CWnd* CTabControl::GetTabWindow(int id) {
  CTabControlTab* tab = FindTab(id);
  return tab != NULL ? tab->m_pWindow : NULL;
}

CTabControlTab* CTabControl::FindTab(int id) {
  return static_cast<CTabControlTab*>(m_tabs.FindKey(id));
}

CTabControlTab* CTabControl::IterateFirst() { return static_cast<CTabControlTab*>(m_tabs.GetFirst()); }

CTabControlTab* CTabControl::IterateNext() { return static_cast<CTabControlTab*>(m_tabs.GetNext()); }

bool CTabControl::EndIteration() { return m_tabs.EndIteration(); }

int CTabControl::FindTabIdOfWindow(CWnd* window) {
  int id = 0;
  if (window == NULL) return id;
  for (CTabControlTab* tab = IterateFirst(); tab != NULL; tab = IterateNext())
    if (tab->m_pWindow == window) id = tab->m_nId;
  EndIteration();
  return id;
}

CTesselString* CTabControl::GetTabText(CTesselString* text, int id) {
  CTabControlTab* tab = FindTab(id);
  *text = tab != NULL ? tab->m_caption : CTesselString();
  return text;
}

bool CTabControl::SelectTab(int id) {
  CTabControlTab* tab = FindTab(id);
  if (tab == NULL) return false;
  if (m_pSelectedTab != NULL) m_pSelectedTab->SetSelected(false);
  tab->SetSelected(true);
  m_pSelectedTab = tab;
  OnTabSelected(tab);
  return true;
}

int CTabControl::GetSelectedTabId() { return m_pSelectedTab != NULL ? m_pSelectedTab->m_nId : 0; }

CTabControlTab* CTabControl::GetSelectedTab() { return m_pSelectedTab; }

void CTabControl::SetSelectedTab(CTabControlTab* tab) { m_pSelectedTab = tab; }

void CTabControl::OnTabSelected(CTabControlTab*) {}

bool CTabControl::DeselectAllTabs() {
  bool any = false;
  for (CTabControlTab* tab = IterateFirst(); tab != NULL; tab = IterateNext()) {
    tab->SetSelected(false);
    any = true;
  }
  EndIteration();
  return any;
}

CTabControlTab* CTabControl::HitTestTab(POINT* point) {
  CTabControlTab* hit = NULL;
  for (CTabControlTab* tab = IterateFirst(); tab != NULL && hit == NULL; tab = IterateNext())
    if (tab->m_rect.PtInRect(*point)) hit = tab;
  EndIteration();
  return hit;
}

void CTabControl::OnLButtonDown(UINT, CPoint point) {
  SetFocus();
  CTabControlTab* hit = HitTestTab(&point);
  if (hit == NULL) return;
  DeselectAllTabs();
  SelectTab(hit->m_nId);
  RedrawDisplay();
}

void CTabControl::OnSetFocus(CWnd*) {
  if (m_bBusy) return;
  Default();
  if (m_pSelectedTab != NULL && m_pSelectedTab->m_pWindow != NULL &&
      ::IsWindow(m_pSelectedTab->m_pWindow->m_hWnd))
    m_pSelectedTab->m_pWindow->SetFocus();
}

void CTabControl::OnSize(UINT, int, int) {
  Default();
  Layout();
}

// Sorting -------------------------------------------------------------------------------

bool CTabControl::SortTabs() {
  if (GetTabCount() < 2) return false;
  CTesselList list;
  for (CTabControlTab* tab = IterateFirst(); tab != NULL; tab = IterateNext()) list.AddTail(tab);
  EndIteration();
  QuickSortTabs(&list, 0, list.GetCount() - 1);
  m_tabs.RemoveAll();
  bool any = false;
  for (int i = 0; i < list.GetCount(); ++i) {
    CTabControlTab* tab = static_cast<CTabControlTab*>(list.GetAt(i));
    tab->m_nId = i;
    if (m_tabs.AddKey(i, tab)) any = true;
  }
  return any;
}

CTesselString* CTabControl::GetListTabText(CTesselString* text, CTesselList* list, int index) {
  CTabControlTab* tab = static_cast<CTabControlTab*>(list->GetAt(index));
  *text = tab != NULL ? tab->m_caption : CTesselString();
  return text;
}

bool CTabControl::QuickSortTabs(CTesselList* list, int lo, int hi) {
  if (hi >= list->GetCount() || lo >= hi) return false;
  CTesselString pivot, caption;
  GetListTabText(&pivot, list, hi);
  auto compareAt = [&](int index) {
    GetListTabText(&caption, list, index);
    return CompareNatural(&caption, &pivot);
  };
  int i = lo - 1;
  int j = hi;
  void* saved = NULL;
  do {
    do ++i;
    while (i < hi && compareAt(i) < 0);
    do --j;
    while (j > lo && compareAt(j) > 0);
    saved = list->GetAt(i);
    list->SetAt(i, list->GetAt(j));
    list->SetAt(j, saved);
  } while (j > i);
  // The last exchange crossed the partition: undo it and put the pivot in place.
  list->SetAt(j, list->GetAt(i));
  list->SetAt(i, list->GetAt(hi));
  list->SetAt(hi, saved);
  QuickSortTabs(list, lo, i - 1);
  QuickSortTabs(list, i + 1, hi);
  return true;
}
