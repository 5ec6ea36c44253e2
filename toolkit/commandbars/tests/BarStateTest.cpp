// Bar states under a profile name: rows, floating places and visibility
// through the INI file and the registry, the values a record leaves out,
// positions scaled to another screen, and profiles that claim more than
// they hold.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SupportLayoutFrame.h"
#include "SupportPaintManager.h"
#include "commandbars/TKCommandBarsDockState.h"
#include "commandbars/TKDockBar.h"
#include "testsupport/TempFolder.h"

namespace {

CWinApp theApp("VelmBarStateTest");

const char kCompany[] = "VelmoranBarStateTest";

class BarStateTest : public ::testing::TestWithParam<BOOL> {
 protected:
  void SetUp() override {
    m_system.m_strLayoutFolder = m_folder.GetPath();
    TKSetCommandBarsSystem(&m_system);
    m_profile.UseRegistry(GetParam());
  }
  void TearDown() override { TKSetCommandBarsSystem(nullptr); }

  /// Bars 101 and 102 in one top row, 103 left, 104 floating, 105 hidden at the bottom.
  void Arrange(CLayoutFrame& frame) {
    frame.AddBar(101, tkBarTop, {1, 2});
    frame.AddBar(102, tkBarTop, {3});
    frame.AddBar(103, tkBarTop, {4});
    frame.AddBar(104, tkBarTop, {5});
    frame.AddBar(105, tkBarTop, {6});
  }

  CTestGlobalPaintManager m_paintManager;
  CTempFolder m_folder;
  CLayoutSystem m_system;
  CTestProfile m_profile{&theApp, m_folder.PathOf("profile.ini"), kCompany};
};

TEST_P(BarStateTest, AFreshFrameWithTheSameBarsGetsTheSavedArrangement) {
  {
    CLayoutFrame frame;
    Arrange(frame);
    CTKCommandBars* pBars = frame.m_pBars;
    // 102 goes into 101's row.
    CTKDockBar* pTop = pBars->GetDockBar(tkBarTop);
    pTop->RemoveCommandBar(pBars->GetToolBar(102));
    pTop->InsertEntry(2, pBars->GetToolBar(102));
    pTop->RemoveEmptyRows();
    pBars->DockAtSide(pBars->GetToolBar(103), tkBarLeft);
    ASSERT_TRUE(pBars->FloatCommandBar(pBars->GetToolBar(104)));
    pBars->GetToolBar(104)->SetWindowPos(NULL, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    pBars->DockAtSide(pBars->GetToolBar(105), tkBarBottom);
    pBars->GetToolBar(105)->SetVisible(FALSE);
    frame.LayOut();
    pBars->SaveLayoutToProfile("Layout");
  }
  CLayoutFrame fresh;
  Arrange(fresh);
  fresh.m_pBars->LoadLayoutFromProfile("Layout");
  EXPECT_EQ(std::vector<UINT>({0, 101, 102, 0}), fresh.Rows(tkBarTop));
  EXPECT_EQ(std::vector<UINT>({0, 103, 0}), fresh.Rows(tkBarLeft));
  EXPECT_EQ(std::vector<UINT>({0, 105, 0}), fresh.Rows(tkBarBottom));
  CTKToolBar* pFloating = fresh.m_pBars->GetToolBar(104);
  EXPECT_EQ(tkBarFloating, pFloating->GetPosition());
  EXPECT_EQ(nullptr, pFloating->GetDockBar());
  CRect rc;
  pFloating->GetWindowRect(&rc);
  EXPECT_EQ(CPoint(300, 200), rc.TopLeft());
  EXPECT_EQ(tkBarLeft, fresh.m_pBars->GetToolBar(103)->GetPosition());
  EXPECT_FALSE(fresh.m_pBars->GetToolBar(105)->IsVisible());
  EXPECT_FALSE(fresh.m_pBars->GetToolBar(105)->IsWindowVisible());
  EXPECT_TRUE(fresh.m_pBars->GetToolBar(101)->IsVisible());
}

TEST_P(BarStateTest, ARecordLeavesOutWhatALoadAssumes) {
  CLayoutFrame frame;
  frame.AddBar(101, tkBarTop, {1});
  CTKToolBar* pHidden = frame.AddBar(102, tkBarTop, {2});
  ASSERT_TRUE(frame.m_pBars->FloatCommandBar(pHidden));
  pHidden->SetVisible(FALSE);
  frame.m_pBars->SaveLayoutToProfile("Layout");
  struct Case {
    const char* section;
    const char* value;
    int expected;
  } cases[] = {
      {"Layout-Bar0", "BarID", 101},   {"Layout-Bar0", "Visible", -12345},
      {"Layout-Bar0", "Floating", -12345}, {"Layout-Bar1", "Visible", 0},
      {"Layout-Bar1", "Floating", 1},  {"Layout-Summary", "Bars", 2},
      {"Layout-Summary", "ScreenCX", 1280}, {"Layout-DockBar0", "Bars", 3},
      {"Layout-DockBar0", "Bar#1", 101},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, m_profile.Int(c.section, c.value)) << c.section << " " << c.value;
}

TEST_P(BarStateTest, LoadingTheSameStateTwiceDoublesNoBarAndKeepsTheBand) {
  CLayoutFrame frame;
  frame.AddBar(101, tkBarTop, {1});
  frame.AddBar(102, tkBarTop, {2});
  frame.LayOut();
  frame.m_pBars->SaveLayoutToProfile("Layout");
  CRect rcBefore;
  frame.m_pBars->GetDockBar(tkBarTop)->GetWindowRect(&rcBefore);
  for (int i = 0; i < 2; ++i) {
    frame.m_pBars->LoadLayoutFromProfile("Layout");
    frame.LayOut();
    EXPECT_EQ(std::vector<UINT>({0, 101, 0, 102, 0}), frame.Rows(tkBarTop)) << i;
    CRect rc;
    frame.m_pBars->GetDockBar(tkBarTop)->GetWindowRect(&rc);
    EXPECT_EQ(rcBefore.Height(), rc.Height()) << i;
  }
}

TEST_P(BarStateTest, CountsBeyondWhatTheProfileHoldsStopAtTheLastEntry) {
  CLayoutFrame frame;
  frame.AddBar(101, tkBarTop, {1});
  frame.AddBar(102, tkBarTop, {2});
  frame.m_pBars->SaveLayoutToProfile("Layout");
  // A damaged profile: huge counts, a bar named twice and an unknown id.
  theApp.WriteProfileInt("Layout-Summary", "Bars", 0x7FFFFFFF);
  theApp.WriteProfileInt("Layout-DockBar0", "Bars", 0x7FFFFFFF);
  theApp.WriteProfileInt("Layout-DockBar0", "Bar#3", 101);
  theApp.WriteProfileInt("Layout-DockBar0", "Bar#5", 999);
  theApp.WriteProfileInt("Layout-DockBar0", "Bar#6", 0);
  frame.m_pBars->LoadLayoutFromProfile("Layout");
  EXPECT_EQ(std::vector<UINT>({0, 101, 0, 102, 0}), frame.Rows(tkBarTop));
  CTKCommandBarsDockState state;
  state.LoadState("Layout");
  EXPECT_EQ(2, state.m_arrBarInfo.GetSize());
}

TEST_P(BarStateTest, AProfileNameOfAnyLengthKeepsItsState) {
  // A registry key name holds at most 255 characters; an INI section has no such limit.
  const std::string name(GetParam() ? 240 : 600, 'p');
  CLayoutFrame frame;
  CTKToolBar* pBar = frame.AddBar(101, tkBarTop, {1});
  frame.m_pBars->DockAtSide(pBar, tkBarRight);
  frame.m_pBars->SaveLayoutToProfile(name.c_str());
  frame.m_pBars->DockAtSide(pBar, tkBarTop);
  frame.m_pBars->LoadLayoutFromProfile(name.c_str());
  EXPECT_EQ(tkBarRight, pBar->GetPosition());
}

INSTANTIATE_TEST_SUITE_P(Profiles, BarStateTest, ::testing::Values(FALSE, TRUE),
                         [](const ::testing::TestParamInfo<BOOL>& info) {
                           return std::string(info.param ? "Registry" : "IniFile");
                         });

// Scaling to the screen ---------------------------------------------------------------

class ScreenScalingTest : public ::testing::Test {
 protected:
  void SetUp() override { TKSetCommandBarsSystem(&m_system); }
  void TearDown() override { TKSetCommandBarsSystem(nullptr); }
  CTestGlobalPaintManager m_paintManager;
  CTempFolder m_folder;
  CLayoutSystem m_system;
  CTestProfile m_profile{&theApp, m_folder.PathOf("profile.ini"), kCompany};
};

TEST_F(ScreenScalingTest, AFloatingPlaceFollowsTheScreenItWasSavedOn) {
  struct Case {
    CSize saved;  // (0, 0): no summary
    CSize current;
    CPoint expected;
  } cases[] = {
      {CSize(1280, 1024), CSize(1920, 1200), CPoint(960, 600)},
      {CSize(1920, 1200), CSize(1920, 1200), CPoint(640, 512)},
      {CSize(0, 0), CSize(1920, 1200), CPoint(640, 512)},
  };
  for (const Case& c : cases) {
    theApp.WriteProfileString("Scaled-Summary", nullptr, nullptr);
    if (c.saved.cx != 0) {
      theApp.WriteProfileInt("Scaled-Summary", "ScreenCX", c.saved.cx);
      theApp.WriteProfileInt("Scaled-Summary", "ScreenCY", c.saved.cy);
    }
    theApp.WriteProfileInt("Scaled-Summary", "Bars", 1);
    theApp.WriteProfileInt("Scaled-Bar0", "BarID", 7);
    theApp.WriteProfileInt("Scaled-Bar0", "XPos", 640);
    theApp.WriteProfileInt("Scaled-Bar0", "YPos", 512);
    m_system.m_szScreen = c.current;
    CTKCommandBarsDockState state;
    state.LoadState("Scaled");
    ASSERT_EQ(1, state.m_arrBarInfo.GetSize());
    EXPECT_EQ(c.expected, state.m_arrBarInfo[0]->m_pointPos) << c.saved.cx;
  }
}

TEST_F(ScreenScalingTest, APlaceKeepsAnIconsSizeOnTheWorkArea) {
  m_system.m_rcWorkArea = CRect(0, 0, 800, 600);
  CTKCommandBarsDockState state;
  CPoint pt(5000, 5000);
  state.ScalePoint(pt);
  EXPECT_EQ(CPoint(800 - ::GetSystemMetrics(SM_CXICON), 600 - ::GetSystemMetrics(SM_CYICON)), pt);
  CRect rc(900, 700, 950, 720);
  state.ScaleRect(rc);
  EXPECT_EQ(CRect(800, 600, 850, 620), rc);
}

}  // namespace
