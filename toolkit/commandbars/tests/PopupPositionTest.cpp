// Where a pop-up opens within the work area: below or above its control, on
// the larger side with scrolling, beside it, at a point, and on work areas
// that do not start at 0.
#include <gtest/gtest.h>

#include "SupportPaintManager.h"
#include "SupportSystem.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKPopupBar.h"

namespace {

struct PositionCase {
  const char* name;
  CRect rcWork;
  CRect rcExclude;
  CPoint ptAnchor;
  DWORD dwFlags;
  CSize sz;
  BOOL bDontScroll;
  CRect rcExpected;
  BOOL bScrolling;
};

// The work area's last 5 pixels stay free: 768 - 5 = 763 is its usable bottom.
const CRect kScreen(0, 0, 1024, 768);
// A second monitor below the first.
const CRect kLower(0, 768, 1024, 1536);
const DWORD kDown = CTKPopupBar::kPopupDown;
const DWORD kLeft = CTKPopupBar::kPopupLeft;

const PositionCase kCases[] = {
    {"below the control", kScreen, {100, 100, 180, 120}, {100, 120}, kDown, {200, 300}, FALSE,
     {100, 120, 300, 420}, FALSE},
    {"above the control", kScreen, {100, 600, 180, 620}, {100, 620}, kDown, {200, 300}, FALSE,
     {100, 300, 300, 600}, FALSE},
    {"the larger side below, scrolling", kScreen, {100, 300, 180, 320}, {100, 320}, kDown,
     {200, 500}, FALSE, {100, 320, 300, 763}, TRUE},
    {"the larger side above, scrolling", kScreen, {100, 450, 180, 470}, {100, 470}, kDown,
     {200, 500}, FALSE, {100, 0, 300, 450}, TRUE},
    {"beside the control without scrolling", kScreen, {100, 300, 180, 320}, {100, 320}, kDown,
     {200, 500}, TRUE, {180, 263, 380, 763}, FALSE},
    {"a cascade moved up to the bottom", kScreen, {100, 700, 180, 720}, {180, 700}, 0,
     {200, 300}, FALSE, {180, 463, 380, 763}, FALSE},
    {"a cascade flips left at the right edge", kScreen, {900, 100, 1000, 120}, {1000, 100}, 0,
     {200, 100}, FALSE, {700, 100, 900, 200}, FALSE},
    {"right to left: a cascade opens to the left", kScreen, {400, 100, 500, 120}, {500, 100},
     kLeft, {200, 100}, FALSE, {200, 100, 400, 200}, FALSE},
    {"right to left: a point pop-up ends at its point", kScreen, {}, {500, 100}, kLeft,
     {200, 100}, FALSE, {300, 100, 500, 200}, FALSE},
    {"a point pop-up in the lower half opens above", kScreen, {}, {500, 600}, 0, {200, 300},
     FALSE, {500, 300, 700, 600}, FALSE},
    {"a point pop-up in the upper half ends at the bottom", kScreen, {}, {500, 300}, 0,
     {200, 600}, FALSE, {500, 163, 700, 763}, FALSE},
    {"a point pop-up aligned by its bottom", kScreen, {}, {500, 400},
     CTKPopupBar::kPopupAlignBottom, {200, 100}, FALSE, {500, 300, 700, 400}, FALSE},
    {"a point pop-up kept inside the right edge", kScreen, {}, {950, 100}, 0, {200, 100}, FALSE,
     {824, 100, 1024, 200}, FALSE},
    // Work areas away from 0: their own middle decides, not half their height.
    {"lower monitor: scrolls below a control in its upper half", kLower, {100, 900, 180, 920},
     {100, 920}, kDown, {200, 700}, FALSE, {100, 920, 300, 1531}, TRUE},
    {"lower monitor: scrolls above a control in its lower half", kLower,
     {100, 1300, 180, 1320}, {100, 1320}, kDown, {200, 700}, FALSE, {100, 768, 300, 1300}, TRUE},
    {"lower monitor: a point in its upper half ends at its bottom", kLower, {}, {500, 900}, 0,
     {200, 700}, FALSE, {500, 831, 700, 1531}, FALSE},
    {"a monitor to the right", {1024, 0, 2048, 768}, {}, {1950, 100}, 0, {200, 100}, FALSE,
     {1848, 100, 2048, 200}, FALSE},
};

class PopupPositionTest : public ::testing::TestWithParam<PositionCase> {
 protected:
  void SetUp() override { TKSetCommandBarsSystem(&m_system); }
  void TearDown() override { TKSetCommandBarsSystem(nullptr); }

  CTestGlobalPaintManager m_paintManager;
  CRecordingSystem m_system;
};

TEST_P(PopupPositionTest, PlacesThePopup) {
  const PositionCase& c = GetParam();
  m_system.m_rcWork = c.rcWork;
  m_system.m_rcMonitor = c.rcWork;
  CTKCommandBars* pCommandBars = new CTKCommandBars;
  pCommandBars->GetCommandBarsOptions()->bDontScrollPopups = c.bDontScroll;
  CTKPopupBar* pPopup = CTKPopupBar::CreatePopupBar(pCommandBars);
  pPopup->SetExcludeRect(c.rcExclude);
  pPopup->SetPopupFlags(c.dwFlags);
  EXPECT_EQ(c.rcExpected, pPopup->CalcPopupPosition(c.ptAnchor, c.sz)) << c.name;
  EXPECT_EQ(c.bScrolling, pPopup->IsScrolling()) << c.name;
  pPopup->InternalRelease();
  pCommandBars->InternalRelease();
}

INSTANTIATE_TEST_SUITE_P(Cases, PopupPositionTest, ::testing::ValuesIn(kCases));

TEST(PopupPositionFlags, APopupTooWideForItsSideFlipsAndRemembersIt) {
  CRecordingSystem system;
  TKSetCommandBarsSystem(&system);
  CTestGlobalPaintManager paintManager;
  CTKPopupBar* pPopup = CTKPopupBar::CreatePopupBar(nullptr);
  pPopup->SetExcludeRect(CRect(900, 100, 1000, 120));
  pPopup->SetPopupFlags(0);
  pPopup->CalcPopupPosition(CPoint(1000, 100), CSize(200, 100));
  EXPECT_EQ(kLeft, pPopup->GetPopupFlags() & kLeft) << "its sub-menus open to the left too";
  pPopup->InternalRelease();
  TKSetCommandBarsSystem(nullptr);
}

}  // namespace
