#include "SupportColumnView.h"

#include "foundation/WindowUtilities.h"

bool CTestColumnView::LoadImages() {
  Record("images");
  if (m_nImages <= 0) return false;
  m_rowImages.Create(16, 16, ILC_COLOR32, m_nImages, 0);
  for (int i = 0; i < m_nImages; ++i) {
    // Solid red squares, so a drawn image is easy to find.
    CBitmap square;
    square.CreateBitmap(16, 16, 1, 32, NULL);
    CDC dc;
    dc.CreateCompatibleDC(NULL);
    CBitmap* old = dc.SelectObject(&square);
    dc.FillSolidRect(0, 0, 16, 16, RGB(255, 0, 0));
    dc.SelectObject(old);
    m_rowImages.Add(&square, static_cast<CBitmap*>(NULL));
  }
  return true;
}

bool CTestColumnView::AddColumns() {
  Record("columns");
  const char* titles[] = {"Name", "Size", "Date"};
  const int kinds[] = {CColumnViewControlColumnEntry::kText, CColumnViewControlColumnEntry::kNumber,
                       CColumnViewControlColumnEntry::kDateTime};
  for (int i = 0; i < m_nColumns && i < 3; ++i) AddColumn(titles[i], kinds[i]);
  return true;
}

CColumnViewControlEntry* CTestColumnView::AddRow(const std::vector<const char*>& cells,
                                                 bool rebuild) {
  CColumnViewControlEntry* entry = new CColumnViewControlEntry;
  for (size_t i = 0; i < cells.size(); ++i) entry->SetColumnText(static_cast<int>(i), cells[i]);
  AddEntry(entry);
  if (rebuild) RebuildDisplayListUnsorted();
  return entry;
}

void CTestColumnView::AddRows(int count) {
  for (int i = 0; i < count; ++i) {
    CTesselString name;
    name.Format("Row %d", i);
    CColumnViewControlEntry* entry = new CColumnViewControlEntry;
    entry->SetColumnText(0, name);
    AddEntry(entry);
  }
  RebuildDisplayListUnsorted();
}

void CTestColumnView::PaintTo(CDibSurface* surface) {
  SendMessage(WM_PRINT, reinterpret_cast<WPARAM>(surface->GetSafeHdc()), PRF_CLIENT | PRF_NONCLIENT);
}

std::vector<int> CTestColumnView::SelectedRows() {
  std::vector<int> rows;
  for (int i = 0; i < GetDisplayCount(); ++i)
    if (GetEntryAt(i)->m_bSelected) rows.push_back(i);
  return rows;
}

bool CScriptedKeys::s_control = false;
bool CScriptedKeys::s_shift = false;

CScriptedKeys::CScriptedKeys() {
  Set(false, false);
  SetKeyStateSource(&State);
}

CScriptedKeys::~CScriptedKeys() { SetKeyStateSource(NULL); }

void CScriptedKeys::Set(bool control, bool shift) {
  s_control = control;
  s_shift = shift;
}

SHORT WINAPI CScriptedKeys::State(int key) {
  bool down = (key == VK_CONTROL && s_control) || (key == VK_SHIFT && s_shift);
  return down ? static_cast<SHORT>(0x8000) : 0;
}

bool CColumnViewFixture::Create(CTestColumnView* view, int width, int height) {
  if (!m_host.CreateHost(width, height)) return false;
  view->SetBorder(false);
  view->SetWhiteFrame(false);
  if (!view->CreateControl(&m_host)) return false;
  view->SetFontFace("Arial", 14);
  view->GetHeader()->SendMessage(WM_SETFONT, view->SendMessage(WM_GETFONT), FALSE);
  view->FitToParent();
  return true;
}
