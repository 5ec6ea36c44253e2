// The column view: header with its sort arrow, shortened and wrapped cells,
// a find box, and a disabled view.
#include <afxwin.h>

#include <vector>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "uilib/ColumnViewControl.h"

namespace {

const int kViewWidth = 420;
const int kViewHeight = 150;

/// Three columns of a file list, in a hidden host window.
class CGalleryColumnView : public CColumnViewControl {
 public:
  bool AddColumns() override {
    AddColumn("Name", CColumnViewControlColumnEntry::kText);
    AddColumn("Size", CColumnViewControlColumnEntry::kNumber);
    AddColumn("Description", CColumnViewControlColumnEntry::kText);
    return true;
  }
};

struct ViewCase {
  const char* label;
  bool wrap;
  bool enabled;
  const char* find;
  /// A selected row (-1: none); the caret goes to the row below it.
  int selected;
};

void AddRows(CColumnViewControl* view) {
  const char* rows[][3] = {
      {"build10.cmd", "1,024", "Builds the installer and signs every file it contains"},
      {"build9.cmd", "980", "Short"},
      {"Setup.velm", "12", "Copies the output folder to the release share"},
      {"readme.txt", "3", "Notes"},
  };
  for (auto& cells : rows) {
    CColumnViewControlEntry* entry = new CColumnViewControlEntry;
    for (int i = 0; i < 3; ++i) entry->SetColumnText(i, cells[i]);
    if (cells[0][0] == 'S') entry->SetColumnTextColor(0, RGB(0, 0, 160));
    view->AddEntry(entry);
  }
  view->RebuildDisplayListUnsorted();
}

// Draws the view (frame, rows and header) at x, y of the canvas.
bool DrawView(CGalleryCanvas* canvas, const ViewCase& c, int x, int y) {
  CWnd host;
  if (!host.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, CRect(0, 0, kViewWidth, kViewHeight),
                     NULL, 0))
    return false;
  CGalleryColumnView view;
  view.m_bWrap = c.wrap;
  if (!view.CreateControl(&host)) return false;
  view.SetFontFace("Arial", 14);
  view.GetHeader()->SendMessage(WM_SETFONT, view.SendMessage(WM_GETFONT), FALSE);
  view.FitToParent();
  AddRows(&view);
  view.SortByColumnDirection(0, true);
  view.RecalcLayout();
  // Fixed widths after the layout, so the last column keeps texts to shorten or wrap.
  view.m_bLayoutGuard = true;
  view.SetColumnWidth(0, 90);
  view.SetColumnWidth(1, 60);
  view.SetColumnWidth(2, 240);
  view.UpdateColumnRects();
  view.FitEntriesToColumns();
  view.UpdateScrollBars();
  if (c.find != NULL) {
    int row = 0, column = 0;
    view.FindTextForward(c.find, &row, &column, false);
  }
  if (c.selected >= 0) {
    view.SelectAt(c.selected);
    view.m_nCaret = c.selected + 1;
    // With the focus the bands are blue, without it the selection is grey.
    view.SetFocus();
  }
  view.EnableWindow(c.enabled);
  CDC* dc = canvas->GetDC();
  POINT origin;
  ::SetViewportOrgEx(dc->m_hDC, x, y, &origin);
  view.SendMessage(WM_PRINT, reinterpret_cast<WPARAM>(dc->m_hDC), PRF_CLIENT | PRF_NONCLIENT);
  CRect header;
  view.GetHeader()->GetWindowRect(&header);
  view.ScreenToClient(&header);
  ::SetViewportOrgEx(dc->m_hDC, x + 1 + header.left, y + 1 + header.top, NULL);
  view.GetHeader()->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc->m_hDC), PRF_CLIENT);
  ::SetViewportOrgEx(dc->m_hDC, origin.x, origin.y, NULL);
  canvas->Label(x, y + kViewHeight + 4, c.label);
  host.DestroyWindow();
  return true;
}

}  // namespace

bool DrawColumnViewPage(const GalleryContext& context) {
  const ViewCase cases[] = {
      {"shortened cells, sorted by name; selection and caret bands", false, true, NULL, 1},
      {"wrapped cells", true, true, NULL, -1},
      {"find box on \"release\"", false, true, "release", -1},
      {"disabled", false, false, NULL, -1},
  };
  CGalleryCanvas canvas(2 * (kViewWidth + 30) + 20, 2 * (kViewHeight + 40) + 20);
  bool ok = true;
  for (int i = 0; i < 4; ++i)
    ok = DrawView(&canvas, cases[i], 20 + (i % 2) * (kViewWidth + 30),
                  20 + (i / 2) * (kViewHeight + 40)) && ok;
  return canvas.Save(context.folder + "columnview-" + context.look + ".png") && ok;
}
