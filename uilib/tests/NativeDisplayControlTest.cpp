// The display base: border and frame, text rectangle, the Tab walk, F1 and
// the tool bar's precondition.
#include <gtest/gtest.h>

#include <string>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKToolBar.h"
#include "common/TKImageManager.h"
#include "common/TKToolTipContext.h"
#include "foundation/WindowUtilities.h"
#include "testsupport/DibSurface.h"
#include "testsupport/HostWindow.h"
#include "uilib/ApplicationMainFrame.h"
#include "uilib/NativeDisplayControl.h"

namespace {

class NativeDisplayTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_host.CreateHost(200, 120)); }

  // A display over the whole host, with or without its border.
  void MakeDisplay(bool border) {
    m_display.SetBorder(border);
    ASSERT_TRUE(m_display.CreateControl(&m_host));
    ASSERT_TRUE(m_display.FitToParent());
  }

  CTestHostWindow m_host;
  CNativeDisplayControl m_display;
};

SHORT WINAPI ShiftDown(int key) { return key == VK_SHIFT ? SHORT(0x8000) : 0; }
SHORT WINAPI NoKeyDown(int) { return 0; }

TEST_F(NativeDisplayTest, TheBorderDecidesTheStyleAndTheFrameColour) {
  struct Case {
    bool border;
    bool whiteFrame;
    bool wsBorder;
    COLORREF frame;
  } cases[] = {
      {true, true, true, RGB(169, 177, 184)},
      {false, true, false, RGB(255, 255, 255)},
  };
  for (const Case& c : cases) {
    CTestHostWindow host;
    ASSERT_TRUE(host.CreateHost(200, 120));
    CNativeDisplayControl display;
    display.SetBorder(c.border);
    display.SetWhiteFrame(c.whiteFrame);
    ASSERT_TRUE(display.CreateControl(&host));
    ASSERT_TRUE(display.FitToParent());
    EXPECT_EQ(c.wsBorder, (display.GetStyle() & WS_BORDER) != 0) << c.border;
    EXPECT_EQ(kDisplayControlId, display.GetDlgCtrlID());
    // A black surface shows what the display leaves undrawn.
    CDibSurface surface(200, 120, RGB(0, 0, 0));
    display.SendMessage(WM_PRINT, reinterpret_cast<WPARAM>(surface.GetSafeHdc()),
                        PRF_NONCLIENT | PRF_CLIENT);
    for (POINT p : {POINT{0, 0}, POINT{199, 60}, POINT{100, 119}, POINT{0, 119}})
      EXPECT_EQ(c.frame, surface.GetPixel(p.x, p.y)) << c.border << " " << p.x << "," << p.y;
    EXPECT_EQ(RGB(255, 255, 255), surface.GetPixel(100, 60)) << c.border;
  }
}

TEST_F(NativeDisplayTest, WithoutBorderOrWhiteFrameNothingFramesTheDisplay) {
  m_display.SetWhiteFrame(false);
  MakeDisplay(false);
  CDibSurface surface(200, 120, RGB(0, 0, 0));
  m_display.SendMessage(WM_PRINT, reinterpret_cast<WPARAM>(surface.GetSafeHdc()), PRF_NONCLIENT);
  EXPECT_EQ(200 * 120, surface.CountPixels(RGB(0, 0, 0)));
}

TEST_F(NativeDisplayTest, TextRectKeepsTopAndBottomAndNarrowsBy12) {
  MakeDisplay(false);
  CRect rect;
  m_display.GetDisplayRect(&rect);
  EXPECT_EQ(CRect(0, 0, 200, 120), rect);
  rect.top = 7;
  rect.bottom = 33;
  m_display.GetTextRect(&rect);
  EXPECT_EQ(CRect(12, 7, 188, 33), rect);
}

TEST_F(NativeDisplayTest, TabWalksToTheNextEnabledWindowAndWraps) {
  MakeDisplay(false);
  CWnd windows[3];
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(windows[i].Create("STATIC", "", WS_CHILD, CRect(0, 0, 10, 10), &m_display, 100 + i));
    ASSERT_TRUE(m_display.AddChildWindow(&windows[i]));
  }
  CWnd* w1 = &windows[0];
  CWnd* w2 = &windows[1];
  CWnd* w3 = &windows[2];
  w2->EnableWindow(FALSE);
  struct Case {
    CWnd* from;
    bool backwards;
    bool firstDisabled;
    CWnd* expected;
  } cases[] = {
      {w1, false, false, w3},  // over the disabled W2
      {w3, true, false, w1},   // Shift+Tab, over W2 again
      {w3, false, false, w1},  // wraps to the first
      {w2, false, false, w3},  // a disabled current window still has a place
      {w3, false, true, w1},   // the walk ends on the disabled first window
  };
  for (const Case& c : cases) {
    w1->EnableWindow(!c.firstDisabled);
    EXPECT_EQ(c.expected, m_display.GetNextChildWindow(c.from, c.backwards))
        << c.from->GetDlgCtrlID() << " " << c.backwards;
  }
  CWnd stranger;
  ASSERT_TRUE(stranger.Create("STATIC", "", WS_CHILD, CRect(0, 0, 10, 10), &m_display, 200));
  EXPECT_EQ(nullptr, m_display.GetNextChildWindow(&stranger, false));
  EXPECT_TRUE(m_display.RemoveChildWindow(w2));
  EXPECT_FALSE(m_display.RemoveChildWindow(w2));
  EXPECT_EQ(w3, m_display.GetNextChildWindow(w1, false));
  EXPECT_TRUE(m_display.RemoveAllChildWindows());
  EXPECT_FALSE(m_display.RemoveAllChildWindows());
  EXPECT_EQ(nullptr, m_display.GetNextChildWindow(w1, false));
}

TEST_F(NativeDisplayTest, ShiftTabWalksBackwards) {
  MakeDisplay(false);
  CWnd windows[3];
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(windows[i].Create("EDIT", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10),
                                  &m_display, 100 + i));
    m_display.AddChildWindow(&windows[i]);
  }
  windows[1].SetFocus();
  if (CWnd::GetFocus() != &windows[1]) GTEST_SKIP() << "the hidden host cannot take the focus";
  KeyStateSource old = SetKeyStateSource(&ShiftDown);
  MSG msg = {m_display.m_hWnd, WM_KEYDOWN, VK_TAB, 0};
  EXPECT_TRUE(m_display.HandleNavigationKey(&msg));
  EXPECT_EQ(&windows[0], CWnd::GetFocus());
  SetKeyStateSource(&NoKeyDown);
  EXPECT_TRUE(m_display.HandleNavigationKey(&msg));
  EXPECT_EQ(&windows[1], CWnd::GetFocus());
  SetKeyStateSource(old);
}

TEST_F(NativeDisplayTest, F1PostsTheHelpCommandToTheDisplay) {
  MakeDisplay(true);
  MSG drain;
  while (::PeekMessage(&drain, m_display.m_hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE)) {
  }
  MSG msg = {m_display.m_hWnd, WM_KEYDOWN, VK_F1, 0};
  EXPECT_FALSE(m_display.PreTranslateMessage(&msg));
  MSG posted;
  ASSERT_TRUE(::PeekMessage(&posted, m_display.m_hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE));
  EXPECT_EQ(9u, posted.wParam);
  EXPECT_EQ(0, posted.lParam);
  EXPECT_FALSE(::PeekMessage(&posted, m_display.m_hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE));
  MSG other = {m_display.m_hWnd, WM_KEYDOWN, 'A', 0};
  EXPECT_FALSE(m_display.HandleNavigationKey(&other));
}

TEST_F(NativeDisplayTest, CreateToolBarNeedsAnOwnerFrame) {
  MakeDisplay(true);
  EXPECT_FALSE(m_display.CreateToolBar(1, 2, 3, 4, 5, 0, 16));
  EXPECT_EQ(nullptr, m_display.GetCommandBars());
  EXPECT_EQ(nullptr, m_display.GetToolBar());
}

TEST_F(NativeDisplayTest, CreateToolBarWithAnOwnerFrameMakesAFixedBarWithTheFramesTips) {
  MakeDisplay(true);
  CApplicationMainFrame frame;  // no window: the tips are set on the display's command bars
  m_display.m_pOwnerFrame = &frame;
  ASSERT_TRUE(m_display.CreateToolBar(501, 600, 401, 400, 401, 0, 16));
  CTKToolBar* bar = m_display.GetToolBar();
  ASSERT_NE(nullptr, bar);
  EXPECT_EQ(97u, bar->GetFlags());
  EXPECT_EQ("Cancel Run", std::string(bar->GetTitle()));
  EXPECT_EQ(3, bar->GetControls()->GetCount());
  EXPECT_FALSE(m_display.GetCommandBars()->GetCommandBarsOptions()->bShowExpandButtonAlways);
  ASSERT_NE(nullptr, m_display.GetCommandBars()->GetToolTipContext());
  EXPECT_EQ(CTKToolTipContext::styleOffice,
            m_display.GetCommandBars()->GetToolTipContext()->GetStyle());
  m_display.m_pOwnerFrame = nullptr;
}

class DisplayToolBarTest : public NativeDisplayTest {
 protected:
  void SetUp() override {
    NativeDisplayTest::SetUp();
    MakeDisplay(true);
    ASSERT_TRUE(m_display.InitCommandBars(RUNTIME_CLASS(CTKCommandBars)));
    m_display.SetToolBar(m_display.GetCommandBars()->Add("Steps", tkBarTop));
    ASSERT_NE(nullptr, m_display.GetToolBar());
    ASSERT_TRUE(m_display.GetToolBar()->LoadToolBar(600));
  }
};

TEST_F(NativeDisplayTest, ToolBarImagesNeedCommandBars) {
  MakeDisplay(true);
  EXPECT_FALSE(m_display.LoadToolBarImages(600, 401, 400, 401, 16));
  EXPECT_EQ(nullptr, m_display.GetNormalImageList()->GetSafeHandle());
  EXPECT_FALSE(m_display.SetToolBarButtonCaption(500));
}

TEST_F(DisplayToolBarTest, EachBitmapFillsItsImageListInCellsOfTheGivenWidth) {
  EXPECT_TRUE(m_display.LoadToolBarImages(600, 401, 400, 401, 16));
  for (CImageList* list : {m_display.GetNormalImageList(), m_display.GetDisabledImageList(),
                           m_display.GetHotImageList()})
    EXPECT_EQ(3, list->GetImageCount());
  CTKCommandBarsOptions* options = m_display.GetCommandBars()->GetCommandBarsOptions();
  EXPECT_EQ(CSize(16, 16), options->szIcons);
  EXPECT_FALSE(options->bLargeIcons);
}

TEST_F(DisplayToolBarTest, TheImageManagerDrawsEachCommandInTheColoursOfItsCell) {
  ASSERT_TRUE(m_display.LoadToolBarImages(600, 401, 400, 401, 16));
  // Bitmap 401 holds red, green, blue; 400 the other way round. The tool
  // bar's separator takes no cell.
  const struct {
    UINT id;
    int state;
    COLORREF colour;
  } cases[] = {
      {500, TK_IMAGESTATE_NORMAL, RGB(255, 0, 0)},
      {502, TK_IMAGESTATE_NORMAL, RGB(0, 0, 255)},
      {500, TK_IMAGESTATE_DISABLED, RGB(0, 0, 255)},
      {501, TK_IMAGESTATE_HOT, RGB(0, 255, 0)},
  };
  for (const auto& c : cases) {
    CTKImageManagerIcon* icon = TKImageManager()->GetImage(c.id, 16);
    ASSERT_NE(nullptr, icon) << c.id;
    CDibSurface surface(40, 40, RGB(255, 255, 255));
    icon->Draw(surface.GetDC(), CPoint(0, 0), icon->GetImageForState(c.state));
    EXPECT_EQ(c.colour, surface.GetPixel(4, 4)) << c.id << " state " << c.state;
  }
}

TEST_F(DisplayToolBarTest, AnAlphaStripKeepsItsTransparencyInTheImageManager) {
  ASSERT_TRUE(m_display.LoadToolBarImages(600, 402, 402, 402, 16));
  // Drawn on white: the transparent corner stays white, the square takes its
  // colour and the half-transparent band half of it.
  const struct {
    UINT id;
    int state;
    COLORREF square, band;
  } cases[] = {
      {500, TK_IMAGESTATE_NORMAL, RGB(255, 0, 0), RGB(255, 127, 127)},
      {501, TK_IMAGESTATE_HOT, RGB(0, 160, 0), RGB(127, 207, 127)},
      {502, TK_IMAGESTATE_DISABLED, RGB(0, 0, 255), RGB(127, 127, 255)},
  };
  for (const auto& c : cases) {
    CTKImageManagerIcon* icon = TKImageManager()->GetImage(c.id, 16);
    ASSERT_NE(nullptr, icon) << c.id;
    CDibSurface surface(16, 16, RGB(255, 255, 255));
    icon->Draw(surface.GetDC(), CPoint(0, 0), icon->GetImageForState(c.state));
    EXPECT_EQ(RGB(255, 255, 255), surface.GetPixel(0, 0)) << c.id;
    EXPECT_EQ(RGB(255, 255, 255), surface.GetPixel(13, 13)) << c.id;
    EXPECT_EQ(c.square, surface.GetPixel(8, 8)) << c.id;
    const COLORREF band = surface.GetPixel(2, 8);
    for (int shift : {0, 8, 16})
      EXPECT_NEAR((c.band >> shift) & 0xFF, (band >> shift) & 0xFF, 2) << c.id << " band " << shift;
  }
}

TEST_F(DisplayToolBarTest, AButtonTakesItsCaptionFromTheStringOfItsCommand) {
  EXPECT_TRUE(m_display.SetToolBarButtonCaption(500));
  CTKControl* button = m_display.GetToolBar()->GetControls()->FindControlById(500);
  EXPECT_STREQ("Run All", button->GetRawCaption());
  EXPECT_STREQ("Runs every step of the build file", button->GetDescription());
  EXPECT_FALSE(m_display.SetToolBarButtonCaption(503)) << "no such button";
}

TEST_F(DisplayToolBarTest, AHiddenButtonKeepsItsCaption) {
  CTKControl* button = m_display.GetToolBar()->GetControls()->FindControlById(500);
  button->SetHideFlags(TKHIDE_GENERIC);
  const CString before = button->GetRawCaption();
  EXPECT_FALSE(m_display.SetToolBarButtonCaption(500));
  EXPECT_EQ(before, button->GetRawCaption());
  EXPECT_STRNE("Runs every step of the build file", button->GetDescription());
}

TEST_F(NativeDisplayTest, TextExtentOutsideAPaintLeavesNoDrawingContext) {
  MakeDisplay(true);
  SIZE narrow = {}, wide = {};
  ASSERT_TRUE(m_display.GetTextExtent("i", &narrow));
  ASSERT_TRUE(m_display.GetTextExtent("WWWW", &wide));
  EXPECT_GT(wide.cx, narrow.cx);
  EXPECT_GT(narrow.cy, 0);
  EXPECT_EQ(nullptr, m_display.GetOffScreenContext());
  EXPECT_FALSE(m_display.RestoreFont());
  EXPECT_FALSE(m_display.SelectDisplayFont());
}

TEST_F(NativeDisplayTest, FontsAreMadeFromAFaceOrAnotherFont) {
  MakeDisplay(true);
  EXPECT_FALSE(m_display.SetFontFace("", 20));
  EXPECT_FALSE(m_display.SetFontFrom(nullptr));
  ASSERT_TRUE(m_display.SetFontFace("Arial", 30));
  LOGFONT logFont = {};
  ASSERT_TRUE(::GetObject(m_display.OnGetFont(), sizeof(logFont), &logFont));
  EXPECT_EQ(30, logFont.lfHeight);
  EXPECT_EQ(CLEARTYPE_QUALITY, logFont.lfQuality);
  EXPECT_EQ(reinterpret_cast<LRESULT>(m_display.OnGetFont()), m_display.SendMessage(WM_GETFONT));
  CFont other;
  other.CreatePointFont(100, "Arial");
  ASSERT_TRUE(m_display.SetFontFromWithHeight(&other, 11));
  ASSERT_TRUE(::GetObject(m_display.OnGetFont(), sizeof(logFont), &logFont));
  EXPECT_EQ(11, logFont.lfHeight);
}

}  // namespace
