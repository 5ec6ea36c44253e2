// The markup-drawn frame every theme without one of its own gets (the base
// paint manager's), in the system caption colours: active, inactive and with
// hot caption buttons.
#include "Gallery.h"
#include "GalleryCanvas.h"
#include "SupportThemePaintManager.h"
#include "common/TKDpiHelper.h"

namespace {

const CSize kFrameSize(320, 130);
const int kLabelHeight = 18;
const int kGap = 14;

const GalleryFrameCase kFrames[] = {
    {"active", WS_OVERLAPPEDWINDOW, 0, true, 0, nullptr},
    {"inactive", WS_OVERLAPPEDWINDOW, 0, false, 0, nullptr},
    {"close button hot", WS_OVERLAPPEDWINDOW, 0, true, SC_CLOSE, nullptr},
    {"maximise button hot", WS_OVERLAPPEDWINDOW, 0, true, SC_MAXIMIZE, nullptr},
};

}  // namespace

bool DrawMarkupFramePage(const GalleryContext& context) {
  TKDpiHelper()->OverrideDpi(96, 96);
  const int nColumns = 2;
  const int nCount = static_cast<int>(sizeof(kFrames) / sizeof(kFrames[0]));
  const int nRows = (nCount + nColumns - 1) / nColumns;
  const int nCell = kFrameSize.cy + kLabelHeight + kGap;
  CGalleryCanvas canvas(kGap + nColumns * (kFrameSize.cx + kGap), kGap + nRows * nCell);
  for (int i = 0; i < nCount; ++i) {
    const int x = kGap + (i % nColumns) * (kFrameSize.cx + kGap);
    const int y = kGap + (i / nColumns) * nCell;
    canvas.Label(x, y, kFrames[i].label);
    CTestThemePaintManager* pPaintManager = new CTestThemePaintManager;
    pPaintManager->RefreshMetrics();
    DrawGalleryFrame(canvas.GetDC(), kFrames[i], pPaintManager, kFrameSize, x, y + kLabelHeight);
  }
  return canvas.Save(context.folder + "themes-markupframe-" + context.look + ".png");
}
