// Scroll bars: every paint manager in every state, vertical and horizontal.
#include <memory>
#include <string>
#include <vector>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "common/TKScrollBarThemes.h"

namespace {

/// A bar the gallery puts into each state by hand.
class CGalleryScrollBar : public CTKScrollBase {
 public:
  CGalleryScrollBar(CTKScrollBarPaintManager* pPaintManager, const CRect& rc, BOOL bVertical,
                    BOOL bEnabled, int nStyle)
      : m_pPaintManager(pPaintManager), m_rc(rc) {
    m_layout.bVertical = bVertical;
    m_si.cbSize = sizeof(m_si);
    m_si.nMax = bEnabled ? 99 : 9;
    m_si.nPage = 10;
    m_si.nPos = bEnabled ? 30 : 0;
    m_nStyle = nStyle;
    UpdateScrollBarInfo();
  }
  ~CGalleryScrollBar() override { m_pTrack = NULL; }

  void SetPart(int nPart, BOOL bPressed) {
    m_layout.nHitPart = nPart;
    m_track = TK_SCROLLBAR_TRACKINFO();
    m_track.bOverPart = TRUE;
    m_track.bDraggingThumb = nPart == TKSB_HT_THUMB;
    m_track.pLayout = &m_layout;
    m_pTrack = bPressed ? &m_track : NULL;
  }

  CWnd* GetParentWindow() const override { return NULL; }
  BOOL IsScrollBarEnabled() const override { return TRUE; }
  CTKScrollBarPaintManager* GetScrollBarPaintManager() const override { return m_pPaintManager; }
  void GetScrollBarRect(CRect& rc) override { rc = m_rc; }
  void GetScrollInfo(SCROLLINFO* pInfo) override { *pInfo = m_si; }
  void RedrawScrollBar() override {}
  void DoScroll(int, int) override {}

 private:
  CTKScrollBarPaintManager* m_pPaintManager;
  CRect m_rc;
  SCROLLINFO m_si = {};
  TK_SCROLLBAR_TRACKINFO m_track = {};
};

struct State {
  const char* label;
  int nPart;
  BOOL bPressed;
  BOOL bEnabled;
};

const State kStates[] = {
    {"normal", 0, FALSE, TRUE},        {"hot arrow", 60, FALSE, TRUE},
    {"pressed arrow", 60, TRUE, TRUE}, {"hot track", 62, FALSE, TRUE},
    {"pressed page", 63, TRUE, TRUE},  {"hot thumb", 64, FALSE, TRUE},
    {"dragged thumb", 64, TRUE, TRUE}, {"disabled", 0, FALSE, FALSE},
};

struct Look {
  const char* label;
  std::unique_ptr<CTKScrollBarPaintManager> paintManager;
  int nStyle;
};

const int kCell = 96;
const int kLength = 150;
const int kLeft = 150;

}  // namespace

bool DrawScrollBarsPage(const GalleryContext& context) {
  std::vector<Look> looks;
  looks.push_back({"Windows", std::make_unique<CTKScrollBarThemeWindowsUx>(), 0});
  looks.push_back({"Resource", std::make_unique<CTKScrollBarThemeResource>(), 0});
  looks.push_back({"Resource, dark", std::make_unique<CTKScrollBarThemeResource>(), 6});
  looks.push_back({"Visual Studio 2012", std::make_unique<CTKScrollBarThemeVisualStudio2012>(), 0});
  looks.push_back(
      {"Visual Studio 2012, dark", std::make_unique<CTKScrollBarThemeVisualStudio2012>(), 9});
  looks.push_back({"Visual Studio 2015", std::make_unique<CTKScrollBarThemeVisualStudio2015>(), 0});
  looks.push_back({"Office 2013", std::make_unique<CTKScrollBarThemeOffice2013>(), 0});

  const int nStates = sizeof(kStates) / sizeof(kStates[0]);
  const int nRowHeight = kLength + 40 + 17 + 20;
  CGalleryCanvas canvas(kLeft + (nStates + 1) * kCell + kLength,
                        40 + (int)looks.size() * nRowHeight);
  canvas.Label(10, 10,
               "Scroll bars of the " + context.look + " look, each paint manager in each state",
               RGB(0, 0, 0));
  for (int s = 0; s < nStates; ++s) canvas.Label(kLeft + s * kCell, 30, kStates[s].label);
  canvas.Label(kLeft + nStates * kCell, 30, "size box");
  int y = 50;
  for (Look& look : looks) {
    look.paintManager->RefreshMetrics();
    canvas.Label(10, y, look.label);
    for (int s = 0; s < nStates; ++s) {
      const State& state = kStates[s];
      int x = kLeft + s * kCell;
      CGalleryScrollBar vertical(look.paintManager.get(), CRect(x, y, x + 17, y + kLength), TRUE,
                                 state.bEnabled, look.nStyle);
      vertical.SetPart(state.nPart, state.bPressed);
      look.paintManager->DrawScrollBar(canvas.GetDC(), &vertical);
    }
    // The horizontal bars, in one row under the vertical ones.
    for (int s = 0; s < nStates; ++s) {
      const State& state = kStates[s];
      int x = kLeft + s * kCell;
      CGalleryScrollBar horizontal(look.paintManager.get(),
                                   CRect(x, y + kLength + 20, x + kCell - 10, y + kLength + 37),
                                   FALSE, state.bEnabled, look.nStyle);
      horizontal.SetPart(state.nPart, state.bPressed);
      look.paintManager->DrawScrollBar(canvas.GetDC(), &horizontal);
    }
    int x = kLeft + nStates * kCell;
    CGalleryScrollBar sizeBox(look.paintManager.get(), CRect(x, y, x + 17, y + 17), TRUE, TRUE,
                              look.nStyle);
    sizeBox.SetSizeBox(TRUE);
    look.paintManager->DrawScrollBar(canvas.GetDC(), &sizeBox);
    y += nRowHeight;
  }
  return canvas.Save(context.folder + "scrollbars-" + context.look + ".png");
}
