// The header control in each of its themes: plain, with a pressed item, and
// sorted both ways, drawn through WM_PRINTCLIENT.
#include <string>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "common/TKHeaderCtrl.h"

namespace {

/// A header whose pressed item the gallery chooses.
class CGalleryHeader : public CTKHeaderCtrl {
 public:
  BOOL IsItemPressed(int nItem) override { return nItem == m_nPressed; }
  int m_nPressed = -1;
};

struct Column {
  const char* text;
  int nWidth;
  int nFormat;
};

const Column kColumns[] = {{"Name", 120, HDF_LEFT},
                           {"Size", 80, HDF_RIGHT},
                           {"Type", 90, HDF_CENTER},
                           {"A column title too long for it", 110, HDF_LEFT}};

struct Theme {
  int nNumber;
  const char* label;
};

const Theme kThemes[] = {{0, "base (0)"},
                         {4, "Office XP (1-4)"},
                         {5, "Office 2003 (5)"},
                         {6, "Explorer (6)"},
                         {7, "resource (7)"}};

struct State {
  const char* label;
  int nPressed;
  int nSorted;
  BOOL bAscending;
};

const State kStates[] = {{"plain", -1, -1, TRUE},
                         {"sorted ascending", -1, 0, TRUE},
                         {"sorted descending, second pressed", 1, 0, FALSE},
                         {"last column sorted", -1, 3, TRUE}};

const int kWidth = 400;
const int kLeft = 230;

}  // namespace

bool DrawHeaderPage(const GalleryContext& context) {
  CWnd host;
  if (!host.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, kWidth + 20, 100), NULL, 0))
    return false;
  const int nStates = sizeof(kStates) / sizeof(kStates[0]);
  const int nThemes = sizeof(kThemes) / sizeof(kThemes[0]);
  const int nRow = 36;
  CGalleryCanvas canvas(kLeft + kWidth + 20, 40 + nThemes * (nStates * nRow + 16));
  canvas.Label(10, 10, "Header control of the " + context.look + " look, by theme number",
               RGB(0, 0, 0));
  int y = 40;
  for (const Theme& theme : kThemes) {
    canvas.Label(10, y, theme.label, RGB(0, 0, 0));
    for (const State& state : kStates) {
      CGalleryHeader header;
      header.Create(WS_CHILD | HDS_HORZ | HDS_BUTTONS, CRect(0, 0, kWidth, 24), &host, 100);
      header.SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT));
      for (int i = 0; i < (int)(sizeof(kColumns) / sizeof(kColumns[0])); ++i) {
        HDITEM hdi = {};
        hdi.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        hdi.pszText = const_cast<char*>(kColumns[i].text);
        hdi.cxy = kColumns[i].nWidth;
        hdi.fmt = kColumns[i].nFormat | HDF_STRING;
        header.InsertItem(i, &hdi);
      }
      header.SetTheme(theme.nNumber);
      header.m_nPressed = state.nPressed;
      header.SetSortImage(state.nSorted, state.bAscending);
      canvas.Label(30, y + 18, state.label);
      CRect rc;
      header.GetClientRect(&rc);
      CDC* pDC = canvas.GetDC();
      CPoint ptOld = pDC->SetViewportOrg(kLeft, y + 12);
      header.SendMessage(WM_PRINTCLIENT, (WPARAM)pDC->GetSafeHdc(), PRF_CLIENT);
      pDC->SetViewportOrg(ptOld);
      header.DestroyWindow();
      y += nRow;
    }
    y += 16;
  }
  host.DestroyWindow();
  return canvas.Save(context.folder + "header-" + context.look + ".png");
}
