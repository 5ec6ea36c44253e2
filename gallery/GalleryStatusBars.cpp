// Per look, one status bar of every variant: the message pane, a right-aligned
// pane, a disabled one, a checked button, a coloured pane and a markup pane,
// and the size gripper.
#include "GalleryStatusBars.h"

#include "GalleryCanvas.h"
#include "SupportStatusBarThemes.h"

bool DrawStatusBars(const GalleryContext& context) {
  const int nWidth = 620, nRow = 44;
  CSampleStatusBar sample;
  if (!sample.Create(nWidth, 7)) return false;
  sample.ShowPaneKinds();
  CGalleryCanvas canvas(nWidth + 20, 24 + nRow * kStatusBarVariantCount);
  CDC* pDC = canvas.GetDC();
  canvas.Label(10, 4,
               "Status bars (" + context.look +
                   "): message, right-aligned, disabled, "
                   "checked button, coloured, markup; gripper");
  for (int i = 0; i < kStatusBarVariantCount; ++i) {
    sample.SetTheme(CreateStatusBarTheme(kStatusBarVariants[i]));
    const int y = 24 + nRow * i;
    canvas.Label(10, y, kStatusBarVariants[i].pszName);
    const CPoint ptOld = pDC->SetViewportOrg(10, y + 16);
    sample.Bar().DrawBar(pDC);
    pDC->SetViewportOrg(ptOld);
  }
  return canvas.Save(context.folder + "themes-statusbars-" + context.look + ".png");
}
