// The image themes' window frame in each look: active and inactive, a hot
// caption button, and a status bar drawn into the frame.
#include <string>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "SupportThemePaintManager.h"
#include "commandbars/TKStatusBar.h"
#include "common/TKDpiHelper.h"
#include "themes/TKRibbonOffice2007FrameTheme.h"

namespace {

const CSize kFrameSize(320, 130);
const int kLabelHeight = 18;
const int kGap = 14;

/// The themes' base paint manager framed by the image frame of the look.
class CImageFramedPaintManager : public CTestThemePaintManager {
 public:
  CImageFramedPaintManager() : m_frame(this) {
    m_bAllowStatusBarInFrame = TRUE;
    m_frame.m_bAllowStatusBarInFrame = TRUE;
    m_frame.RefreshMetrics();
  }
  CTKFramePaintManager* GetFramePaintManager() override { return &m_frame; }
  CTKRibbonOffice2007FrameTheme m_frame;
};

void AddStatusBar(CWnd* pFrame) {
  CTKStatusBar* pStatus = new CTKStatusBar;
  pStatus->Create(pFrame);
  const UINT ids[] = {0, 0};
  pStatus->SetIndicators(ids, 2);
  CRect rc;
  pFrame->GetClientRect(&rc);
  pStatus->MoveWindow(0, rc.bottom - 22, rc.right, 22);
}

const GalleryFrameCase kFrames[] = {
    {"active", WS_OVERLAPPEDWINDOW, 0, true, 0, nullptr},
    {"inactive", WS_OVERLAPPEDWINDOW, 0, false, 0, nullptr},
    {"close button hot", WS_OVERLAPPEDWINDOW, 0, true, SC_CLOSE, nullptr},
    {"minimise button hot", WS_OVERLAPPEDWINDOW, 0, true, SC_MINIMIZE, nullptr},
    {"status bar in the frame", WS_OVERLAPPEDWINDOW, 0, true, 0, AddStatusBar},
    {"tool window", WS_OVERLAPPEDWINDOW, WS_EX_TOOLWINDOW, true, 0, nullptr},
};

CTKPaintManager* CreateImageFramedPaintManager() { return new CImageFramedPaintManager; }

}  // namespace

bool DrawGalleryFrameSheet(const GalleryContext& context, const GalleryFrameCase* pCases,
                           int nCount, CTKPaintManager* (*pfnCreate)(), const char* name) {
  TKDpiHelper()->OverrideDpi(96, 96);
  const int nColumns = 2;
  const int nRows = (nCount + nColumns - 1) / nColumns;
  const int nCell = kFrameSize.cy + kLabelHeight + kGap;
  CGalleryCanvas canvas(kGap + nColumns * (kFrameSize.cx + kGap), kGap + nRows * nCell);
  for (int i = 0; i < nCount; ++i) {
    const int x = kGap + (i % nColumns) * (kFrameSize.cx + kGap);
    const int y = kGap + (i / nColumns) * nCell;
    canvas.Label(x, y, pCases[i].label);
    DrawGalleryFrame(canvas.GetDC(), pCases[i], pfnCreate(), kFrameSize, x, y + kLabelHeight);
  }
  return canvas.Save(context.folder + name + "-" + context.look + ".png");
}

bool DrawFrameThemesPage(const GalleryContext& context) {
  return DrawGalleryFrameSheet(context, kFrames, static_cast<int>(sizeof(kFrames) / sizeof(kFrames[0])),
                               CreateImageFramedPaintManager, "themes-frame");
}
