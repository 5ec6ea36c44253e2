// The paint managers a whole theme owns, drawn through it: the status bar,
// message bar, progress bar, slider, scroll bars and gallery of the Office 2000
// and Visual Studio 6 themes, in their fonts and colours.
#include <string>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "GalleryScrollBar.h"
#include "GalleryThemeSamples.h"
#include "SupportStatusBarThemes.h"
#include "commandbars/TKSliderPaintManager.h"
#include "common/TKDpiHelper.h"
#include "themes/TKPaintManagerBase.h"

// An icon gallery at the top (GalleryThemeGalleries.cpp).
void DrawThemeGallerySample(CDC* pDC, CTKPaintManager* pOwner, CPoint pt);

namespace {

const int kLeft = 130;

void DrawMessageBar(CGalleryCanvas& canvas, CTKPaintManagerBase* pTheme, int y) {
  CTKMessageBarPaintManager* pMessageBar = pTheme->GetMessageBarPaintManager();
  const int nHeight = pMessageBar->GetMessageBarHeight();
  CGalleryBar bar(CRect(kLeft, y, kLeft + 460, y + nHeight));
  CDC* pDC = canvas.GetDC();
  pMessageBar->FillMessageBar(pDC, &bar);
  const CSize szButton = pMessageBar->GetButtonSize();
  const int yButton = y + (nHeight - szButton.cy) / 2;
  int x = kLeft + 200;
  for (BOOL bHot : {FALSE, TRUE}) {
    pMessageBar->DrawMessageBarButton(
        pDC, TK_MESSAGEBAR_BUTTON{CRect(CPoint(x, yButton), szButton), FALSE, bHot, 1});
    x += szButton.cx + 6;
  }
  CRect rcClose = pMessageBar->GetCloseButtonRect(bar.m_rc.right, 0, nHeight);
  rcClose.OffsetRect(0, y);
  pMessageBar->DrawMessageBarButton(pDC, TK_MESSAGEBAR_BUTTON{rcClose, FALSE, TRUE, SC_CLOSE});
}

void DrawProgressAndSlider(CGalleryCanvas& canvas, CTKPaintManagerBase* pTheme, int y) {
  CTKProgressPaintManager* pProgress = pTheme->GetProgressPaintManager();
  int x = kLeft;
  for (int nPos : {0, 40, 100}) {
    CGalleryProgress progress(CRect(x, y, x + 120, y + pProgress->m_cyProgress), nPos);
    pProgress->DrawProgress(canvas.GetDC(), &progress);
    x += 130;
  }
  CTKSliderPaintManager* pSlider = pTheme->GetSliderPaintManager();
  const CRect rcSlider(x, y, x + 160, y + pSlider->m_cyHScroll);
  CGalleryScrollBar slider(pSlider, rcSlider, FALSE, 100, 0, 40, 0, TRUE);
  slider.SetTicks({0, 25, 50, 75, 100});
  pSlider->DrawScrollBar(canvas.GetDC(), &slider);
}

void DrawScrollBars(CGalleryCanvas& canvas, CTKPaintManagerBase* pTheme, int y) {
  CTKScrollBarPaintManager* pScrollBar = pTheme->GetScrollBarPaintManager();
  CGalleryScrollBar horizontal(pScrollBar, CRect(kLeft, y, kLeft + 200, y + 17), FALSE, 99, 10,
                               30, 0);
  horizontal.SetPart(TKSB_HT_THUMB, FALSE);
  pScrollBar->DrawScrollBar(canvas.GetDC(), &horizontal);
  CGalleryScrollBar vertical(pScrollBar, CRect(kLeft + 220, y, kLeft + 237, y + 80), TRUE, 99,
                             10, 60, 0);
  vertical.SetPart(TKSB_HT_DOWN, TRUE);
  pScrollBar->DrawScrollBar(canvas.GetDC(), &vertical);
}

bool DrawTheme(const GalleryContext& context, int nThemeId, const std::string& name,
               const std::string& file) {
  CTKPaintManagerBase* pTheme = CTKPaintManagerBase::CreateThemeById(nThemeId);
  pTheme->RefreshMetrics();
  CGalleryCanvas canvas(kLeft + 640, 330, pTheme->GetIndexedColor(COLOR_BTNFACE));
  canvas.Label(10, 4, name + " (" + context.look + "): the paint managers it owns");
  CDC* pDC = canvas.GetDC();

  canvas.Label(10, 28, "Status bar");
  CSampleStatusBar sample;
  if (sample.Create(620, 7)) {
    sample.ShowPaneKinds();
    pTheme->InternalAddRef();  // the sample takes this one over
    sample.SetTheme(pTheme);
    const CPoint ptOld = pDC->SetViewportOrg(kLeft, 24);
    sample.Bar().DrawBar(pDC);
    pDC->SetViewportOrg(ptOld);
  }
  canvas.Label(10, 64, "Message bar");
  DrawMessageBar(canvas, pTheme, 60);
  canvas.Label(10, 112, "Progress, slider");
  DrawProgressAndSlider(canvas, pTheme, 110);
  canvas.Label(10, 150, "Scroll bars");
  DrawScrollBars(canvas, pTheme, 150);
  canvas.Label(10, 240, "Gallery");
  DrawThemeGallerySample(pDC, pTheme, CPoint(kLeft, 240));
  pTheme->InternalRelease();
  return canvas.Save(context.folder + "themes-owned-" + file + "-" + context.look + ".png");
}

}  // namespace

bool DrawThemeSubPaintManagers(const GalleryContext& context) {
  TKDpiHelper()->OverrideDpi(96, 96);
  const bool ok = DrawTheme(context, 10, "Office 2000", "office2000");
  return DrawTheme(context, 8, "Visual Studio 6", "visualstudio6") && ok;
}
