// The markup-drawn frame of the system colours: its drawings from the style
// resource, the caption buttons' faces and glyphs, its region, borders and
// metrics, and the base paint manager handing it out.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "SupportThemePaintManager.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsFrameHook.h"
#include "common/TKDpiHelper.h"
#include "testsupport/DibSurface.h"
#include "themes/TKFrameThemeOffice2007System.h"

namespace {

using Frame = CTKFrameThemeOffice2007System;

const COLORREF kBack = RGB(1, 254, 1);

/// The smallest rectangle holding every pixel that is not the background.
CRect DrawnBounds(CDibSurface& surface) {
  CRect rc(surface.GetWidth(), surface.GetHeight(), 0, 0);
  for (int y = 0; y < surface.GetHeight(); ++y)
    for (int x = 0; x < surface.GetWidth(); ++x)
      if (surface.GetPixel(x, y) != kBack) {
        rc.left = std::min<int>(rc.left, x);
        rc.top = std::min<int>(rc.top, y);
        rc.right = std::max<int>(rc.right, x + 1);
        rc.bottom = std::max<int>(rc.bottom, y + 1);
      }
  return rc;
}

/// A hidden frame whose command bars draw in the test paint manager, whose
/// frame is the base's.
struct FramedWindow {
  CFrameWnd* pFrame = new CFrameWnd;
  CTKCommandBars* pBars = new CTKCommandBars;
  CTestThemePaintManager* pPaintManager = new CTestThemePaintManager;

  explicit FramedWindow(DWORD dwStyle = WS_OVERLAPPEDWINDOW) {
    pPaintManager->RefreshMetrics();
    pFrame->Create(NULL, "Frame", dwStyle, CRect(0, 0, 300, 200));
    pBars->SetPaintManager(pPaintManager);
    pBars->SetSite(pFrame);
    pBars->EnableFrameTheme(TRUE);
  }
  ~FramedWindow() {
    pBars->InternalRelease();
    pFrame->DestroyWindow();
  }
  CTKCommandBarsFrameHook* Hook() { return pBars->GetFrameHook(); }
  Frame& Theme() { return *static_cast<Frame*>(pPaintManager->GetFramePaintManager()); }
};

class MarkupFrameThemeTest : public ::testing::Test {
 protected:
  void SetUp() override { TKDpiHelper()->OverrideDpi(96, 96); }
};

TEST_F(MarkupFrameThemeTest, TheBasePaintManagerMakesTheFrameWithEveryDrawingLoaded) {
  CTestThemePaintManager paintManager;
  Frame* pFrame = dynamic_cast<Frame*>(paintManager.GetFramePaintManager());
  ASSERT_NE(nullptr, pFrame);
  EXPECT_EQ(pFrame, paintManager.GetFramePaintManager());
  for (int i = 0; i < Frame::partCount; ++i)
    EXPECT_TRUE(pFrame->GetPart(i)->IsLoaded()) << Frame::GetPartItemName(i);
}

TEST_F(MarkupFrameThemeTest, CaptionButtonsTakeTheSmallGlyphsBelow21Pixels) {
  CTestThemePaintManager paintManager;
  Frame& frame = *static_cast<Frame*>(paintManager.GetFramePaintManager());
  struct Case {
    UINT nId;
    int cxButton;
    int nPart;
    int cxGlyph;  // the drawing's width
  } cases[] = {
      {SC_CLOSE, 20, Frame::partClose9, 9},       {SC_CLOSE, 21, Frame::partClose11, 11},
      {SC_MAXIMIZE, 20, Frame::partMaximize9, 9}, {SC_MAXIMIZE, 21, Frame::partMaximize11, 11},
      {SC_MINIMIZE, 20, Frame::partMinimize9, 7}, {SC_MINIMIZE, 21, Frame::partMinimize11, 9},
      {SC_RESTORE, 20, Frame::partRestore9, 10},  {SC_RESTORE, 21, Frame::partRestore11, 10},
  };
  int cxSmall = 0;  // the drawn width of the row before, the small glyph's
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.nId << " " << c.cxButton);
    EXPECT_EQ(frame.GetPart(c.nPart), frame.GetCaptionGlyph(c.nId, c.cxButton));
    // Centred in the button at the glyph's own width, not stretched to it.
    CDibSurface surface(40, 30, kBack);
    frame.DrawCaptionButton(surface.GetDC(), CRect(0, 0, c.cxButton, 18), c.nId, FALSE, FALSE,
                            TRUE);
    const CRect rcDrawn = DrawnBounds(surface);
    // Thick diagonal strokes reach a pixel past the drawing's square.
    EXPECT_LE(rcDrawn.Width(), c.cxGlyph + 2);
    EXPECT_GE(rcDrawn.Width(), c.cxGlyph - 2);
    EXPECT_NEAR((rcDrawn.left + rcDrawn.right) / 2.0, c.cxButton / 2.0, 1.5);
    if (c.nId != SC_RESTORE && c.cxButton == 21) EXPECT_GT(rcDrawn.Width(), cxSmall);
    cxSmall = rcDrawn.Width();
  }
}

TEST_F(MarkupFrameThemeTest, AnUnknownButtonGetsItsFaceAndNoGlyph) {
  CTestThemePaintManager paintManager;
  Frame& frame = *static_cast<Frame*>(paintManager.GetFramePaintManager());
  const CRect rc(0, 0, 24, 20);
  for (BOOL bPressed : {FALSE, TRUE}) {
    CDibSurface button(24, 20, kBack), face(24, 20, kBack), closeButton(24, 20, kBack);
    frame.DrawCaptionButton(button.GetDC(), rc, 0xF1F0, TRUE, bPressed, TRUE);
    frame.GetPart(bPressed ? Frame::partButtonPressed : Frame::partButtonHot)
        ->Render(face.GetDC(), rc);
    frame.DrawCaptionButton(closeButton.GetDC(), rc, SC_CLOSE, TRUE, bPressed, TRUE);
    int nDiffering = 0, nGlyph = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 24; ++x) {
        nDiffering += button.GetPixel(x, y) != face.GetPixel(x, y);
        nGlyph += closeButton.GetPixel(x, y) != face.GetPixel(x, y);
      }
    EXPECT_LT(button.CountPixels(kBack), 24 * 20) << "the face is drawn";
    EXPECT_EQ(0, nDiffering) << "no glyph on an unknown button";
    EXPECT_GT(nGlyph, 10) << "the close button has its cross";
  }
}

TEST_F(MarkupFrameThemeTest, RegionAndBordersInPixelsAndNoneWhileMaximised) {
  TKDpiHelper()->OverrideDpi(192, 192);  // lengths stay in pixels
  FramedWindow window;
  const int W = 120, H = 80;
  CRgn region;
  ASSERT_TRUE(region.Attach(window.Theme().CreateFrameRegion(window.Hook(), W, H)));
  for (POINT pt : {POINT{4, 0}, POINT{2, 1}, POINT{1, 2}, POINT{0, 4}, POINT{0, H - 1}})
    EXPECT_TRUE(region.PtInRegion(pt)) << pt.x << "," << pt.y;
  for (POINT pt : {POINT{3, 0}, POINT{1, 1}, POINT{0, 3}, POINT{W - 4, 0}})
    EXPECT_FALSE(region.PtInRegion(pt)) << pt.x << "," << pt.y;
  EXPECT_EQ(CRect(4, 4, 4, 4), window.Theme().GetFrameBorders(window.Hook()));

  FramedWindow maximised(WS_OVERLAPPEDWINDOW | WS_MAXIMIZE);
  EXPECT_EQ(nullptr, maximised.Theme().CreateFrameRegion(maximised.Hook(), W, H));
}

TEST_F(MarkupFrameThemeTest, MetricsFollowTheSystemCaption) {
  CTestThemePaintManager paintManager;
  paintManager.RefreshMetrics();
  Frame& frame = *static_cast<Frame*>(paintManager.GetFramePaintManager());
  EXPECT_EQ(::GetSystemMetrics(SM_CYCAPTION) - ::GetSystemMetrics(SM_CYBORDER),
            frame.GetCaptionHeight());
  EXPECT_FALSE(frame.m_bFlatFrame);
  EXPECT_EQ(::GetSysColor(COLOR_CAPTIONTEXT), (COLORREF)frame.m_clrCaptionTextActive);
  EXPECT_EQ(::GetSysColor(COLOR_INACTIVECAPTIONTEXT), (COLORREF)frame.m_clrCaptionTextInactive);
  LOGFONT lfOwner, lfFrame;
  paintManager.m_fontRegular.GetLogFont(&lfOwner);
  ASSERT_NE(nullptr, frame.m_fontFrameCaption.GetSafeHandle());
  frame.m_fontFrameCaption.GetLogFont(&lfFrame);
  EXPECT_STREQ(lfOwner.lfFaceName, lfFrame.lfFaceName);
  EXPECT_EQ(lfOwner.lfHeight, lfFrame.lfHeight);
}

TEST_F(MarkupFrameThemeTest, BordersAndCaptionAreDrawnFromTheDrawings) {
  FramedWindow window;
  window.pFrame->ShowWindow(SW_SHOWNA);
  CRect rcWindow;
  window.pFrame->GetWindowRect(&rcWindow);
  CDibSurface surface(rcWindow.Width(), rcWindow.Height(), kBack);
  window.Theme().DrawFrame(surface.GetDC(), window.Hook());
  CRect rcClient;
  window.pFrame->GetClientRect(&rcClient);
  window.pFrame->ClientToScreen(&rcClient);
  rcClient.OffsetRect(-rcWindow.TopLeft());
  // Every border strip and the caption are painted; the client area is not.
  EXPECT_NE(kBack, surface.GetPixel(1, rcWindow.Height() / 2));
  EXPECT_NE(kBack, surface.GetPixel(rcWindow.Width() - 2, rcWindow.Height() / 2));
  EXPECT_NE(kBack, surface.GetPixel(rcWindow.Width() / 2, rcWindow.Height() - 2));
  EXPECT_NE(kBack, surface.GetPixel(rcWindow.Width() / 2, 1));
  EXPECT_NE(kBack, surface.GetPixel(30, rcClient.top - 3));
  EXPECT_EQ(kBack, surface.GetPixel(rcClient.CenterPoint().x, rcClient.CenterPoint().y));
  window.pFrame->ShowWindow(SW_HIDE);
}

}  // namespace
