// The markup-drawn frame every theme without one of its own gets (the base
// paint manager's), in the system caption colours: active, inactive and with
// hot caption buttons.
#include "Gallery.h"
#include "SupportThemePaintManager.h"

namespace {

const GalleryFrameCase kFrames[] = {
    {"active", WS_OVERLAPPEDWINDOW, 0, true, 0, nullptr},
    {"inactive", WS_OVERLAPPEDWINDOW, 0, false, 0, nullptr},
    {"close button hot", WS_OVERLAPPEDWINDOW, 0, true, SC_CLOSE, nullptr},
    {"maximise button hot", WS_OVERLAPPEDWINDOW, 0, true, SC_MAXIMIZE, nullptr},
};

CTKPaintManager* CreateBasePaintManager() {
  CTestThemePaintManager* pPaintManager = new CTestThemePaintManager;
  pPaintManager->RefreshMetrics();
  return pPaintManager;
}

}  // namespace

bool DrawMarkupFramePage(const GalleryContext& context) {
  return DrawGalleryFrameSheet(context, kFrames, static_cast<int>(sizeof(kFrames) / sizeof(kFrames[0])),
                               CreateBasePaintManager, "themes-markupframe");
}
