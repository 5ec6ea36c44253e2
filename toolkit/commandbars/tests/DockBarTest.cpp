// Dock bars: the row layout of bars of known sizes, which row a dropped bar
// goes into, and the size of the rows.
#include <gtest/gtest.h>

#include <afxpriv.h>

#include <map>
#include <string>
#include <vector>

#include "SupportPaintManager.h"

#include <algorithm>
#include "SupportSystem.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKDockBar.h"
#include "commandbars/TKToolBar.h"
#include "testsupport/HostWindow.h"

namespace {

const int kThickness = 20;

/// A bar of a fixed natural length: shorter rows make it wrap into more
/// lines, or shrink to its minimum when it hides controls instead.
class CSizedBar : public CTKToolBar {
 public:
  int m_nLength = 100;
  int m_nMinLength = 30;
  BOOL m_bRibbon = FALSE;

  CSize CalcLayout(int nLength, DWORD dwMode, int nExtra) override {
    int nAlong = m_nLength;
    int nAcross = kThickness;
    if (nLength < nAlong) {
      if (dwMode & TKLM_HIDEWRAP) {
        nAlong = std::max<int>(nLength, m_nMinLength);
      } else {
        nAcross *= (nAlong + nLength - 1) / nLength;
        nAlong = nLength;
      }
    }
    if (dwMode & LM_STRETCH) nAlong = nLength;
    nAcross = std::max<int>(nAcross, nExtra);
    return (dwMode & LM_HORZDOCK) ? CSize(nAlong, nAcross) : CSize(nAcross, nAlong);
  }
  BOOL IsRibbonBar() const override { return m_bRibbon; }
};

class DockBarTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_host.CreateHost(600, 400)); }
  void TearDown() override {
    for (CSizedBar* pBar : m_bars) {
      pBar->DestroyWindow();
      pBar->InternalRelease();
    }
  }

  /// A bar with a window in the host that asks for `nStart` along its row.
  CSizedBar* MakeBar(int nStart, int nLength, DWORD dwFlags = 0, BOOL bVertical = FALSE) {
    CSizedBar* pBar = new CSizedBar;
    pBar->m_nLength = nLength;
    pBar->SetFlags(dwFlags);
    pBar->GetDockContext()->m_rectMRUDockPos =
        bVertical ? CRect(0, nStart, 0, nStart) : CRect(nStart, 0, nStart, 0);
    EXPECT_TRUE(pBar->CreateToolBar(&m_host, FALSE));
    m_bars.push_back(pBar);
    return pBar;
  }
  CRect PlacedRect(CTKToolBar* pBar) {
    CRect rc;
    pBar->GetWindowRect(&rc);
    m_host.ScreenToClient(&rc);
    return rc;
  }
  /// Lays the row out with a deferred-position batch, as the frame does.
  int Place(CArray<CTKToolBar*, CTKToolBar*>& arrRow, int nLength, BOOL bHorizontal) {
    AFX_SIZEPARENTPARAMS layout = {};
    layout.hDWP = ::BeginDeferWindowPos(8);
    int nMove = -1;
    const int nThickness =
        CTKDockBar::AdjustRow(arrRow, 0, 0, nLength, bHorizontal, &layout, &nMove);
    ::EndDeferWindowPos(layout.hDWP);
    return nThickness;
  }

  CTestGlobalPaintManager m_paintManager;
  CTestHostWindow m_host;
  std::vector<CSizedBar*> m_bars;
};

TEST_F(DockBarTest, AdjustRowKeepsPlacesPushesOverlapsAndShrinksToFit) {
  struct Bar {
    int start, length;
    DWORD flags;
    int left, width;
  };
  struct Case {
    const char* name;
    std::vector<Bar> bars;
    int thickness;
  } cases[] = {
      {"a long bar wraps in place", {{0, 600, 0, 0, 400}}, 2 * kThickness},
      {"a long bar hides controls", {{50, 600, TKBARFLAG_HIDEWRAP, 0, 400}}, kThickness},
      {"places are kept", {{30, 100, 0, 30, 100}, {250, 100, 0, 250, 100}}, kThickness},
      {"overlaps push right", {{0, 100, 0, 0, 100}, {50, 100, 0, 100, 100}}, kThickness},
      {"past the end pulls back",
       {{0, 100, 0, 0, 100}, {250, 100, 0, 200, 100}, {280, 100, 0, 300, 100}},
       kThickness},
      {"hiding bars shrink from the right",
       {{0, 150, TKBARFLAG_HIDEWRAP, 0, 150},
        {150, 150, TKBARFLAG_HIDEWRAP, 150, 150},
        {300, 150, TKBARFLAG_HIDEWRAP, 300, 100}},
       kThickness},
  };
  for (const Case& c : cases) {
    CArray<CTKToolBar*, CTKToolBar*> arrRow;
    for (const Bar& b : c.bars) arrRow.Add(MakeBar(b.start, b.length, b.flags));
    EXPECT_EQ(c.thickness, Place(arrRow, 400, TRUE)) << c.name;
    for (int i = 0; i < arrRow.GetSize(); ++i) {
      const CRect rc = PlacedRect(arrRow[i]);
      EXPECT_EQ(c.bars[i].left, rc.left) << c.name << " bar " << i;
      EXPECT_EQ(c.bars[i].width, rc.Width()) << c.name << " bar " << i;
      EXPECT_EQ(0, rc.top) << c.name << " bar " << i;
    }
  }
}

TEST_F(DockBarTest, AVerticalRowIsLaidOutDownwards) {
  CArray<CTKToolBar*, CTKToolBar*> arrRow;
  arrRow.Add(MakeBar(0, 100, 0, TRUE));
  arrRow.Add(MakeBar(50, 100, 0, TRUE));
  EXPECT_EQ(kThickness, Place(arrRow, 400, FALSE));
  EXPECT_EQ(CRect(0, 0, kThickness, 100), PlacedRect(arrRow[0]));
  EXPECT_EQ(CRect(0, 100, kThickness, 200), PlacedRect(arrRow[1]));
}

TEST_F(DockBarTest, ARowThatDoesNotFitSendsItsRightmostBarsToOneContinuationRow) {
  CArray<CTKToolBar*, CTKToolBar*> arrRow;
  for (int nStart : {0, 100, 200, 300}) arrRow.Add(MakeBar(nStart, 150));
  int nMove = -1;
  EXPECT_EQ(-1, CTKDockBar::AdjustRow(arrRow, 0, 0, 400, TRUE, nullptr, &nMove));
  EXPECT_EQ(3, nMove) << "the right-most bar";

  AFX_SIZEPARENTPARAMS layout = {};
  layout.hDWP = ::BeginDeferWindowPos(8);
  EXPECT_EQ(2 * kThickness, CTKDockBar::CalcRowLayout(arrRow, 0, 0, 400, TRUE, &layout));
  ::EndDeferWindowPos(layout.hDWP);
  EXPECT_EQ(CRect(0, 0, 150, kThickness), PlacedRect(arrRow[0]));
  EXPECT_EQ(CRect(150, 0, 300, kThickness), PlacedRect(arrRow[1]));
  EXPECT_EQ(CRect(100, kThickness, 250, 2 * kThickness), PlacedRect(arrRow[2]));
  EXPECT_EQ(CRect(250, kThickness, 400, 2 * kThickness), PlacedRect(arrRow[3]));
}

TEST_F(DockBarTest, AnEmptyDockBarTakesNoRoomButAlongAStretchedSide) {
  CTKDockBar dock;
  ASSERT_TRUE(dock.Create(&m_host, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP));
  struct Case {
    DWORD mode;
    CSize size;
  } cases[] = {{0x0A, CSize(0, 0)},
               {0x0B, CSize(32767, 0)},
               {0x10, CSize(0, 0)},
               {0x11, CSize(0, 32767)}};
  for (const Case& c : cases)
    EXPECT_EQ(c.size, dock.CalcDynamicLayout(400, c.mode, nullptr)) << c.mode;
  dock.DestroyWindow();
}

/// A frame's command bars with bars A (first row) and B (second row) in the
/// top dock bar, laid out, for dropping a bar X into it.
class DockRowsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_host.CreateHost(600, 400)); }

  void Build(BOOL bRibbon) {
    m_pBars = new CTKCommandBars;
    m_pBars->SetSite(&m_host);
    m_pBars->CreateDockBars();
    m_pDock = m_pBars->GetDockBar(tkBarTop);
    m_names.clear();
    m_pA = Add("A", bRibbon);
    m_pB = Add("B", FALSE);
    if (bRibbon) {
      m_pA->SetBarID(1);
      m_pA->SetType(tkBarTypeRibbon);
    }
    m_pX = new CSizedBar;
    m_pX->SetCommandBars(m_pBars);
    m_pX->CreateToolBar(m_pDock, FALSE);
    m_names[m_pX] = "X";
    Layout();
  }
  void TearDown() override {
    if (m_pBars == nullptr) return;
    if (m_pX->GetDockBar() == nullptr) {
      m_pX->DestroyWindow();
      m_pX->InternalRelease();
    } else {
      m_pBars->AddToolBar(m_pX, "X", tkBarTop);  // so that the manager lets it go
    }
    m_pBars->InternalRelease();
    m_pBars = nullptr;
  }
  CSizedBar* Add(const char* pszName, BOOL bRibbon) {
    CSizedBar* pBar = new CSizedBar;
    pBar->m_bRibbon = bRibbon;
    m_pBars->AddToolBar(pBar, pszName, tkBarTop);
    m_names[pBar] = pszName;
    return pBar;
  }
  void Layout() {
    AFX_SIZEPARENTPARAMS layout = {};
    layout.hDWP = ::BeginDeferWindowPos(4);
    m_pDock->CalcDynamicLayout(600, 0x0B, &layout);
    ::EndDeferWindowPos(layout.hDWP);
  }
  /// The rows as "|A|B|": a bar by its name, a row break as "|".
  std::string Rows() const {
    std::string rows;
    for (int i = 0; i < m_pDock->GetEntryCount(); ++i) {
      CTKToolBar* pEntry = m_pDock->GetEntry(i);
      rows += pEntry == nullptr ? "|" : m_names.at(pEntry);
    }
    return rows;
  }
  void Drop(CTKToolBar* pBar, int nCentreY) {
    CRect rc(10, nCentreY - 10, 60, nCentreY + 10);
    m_pDock->ClientToScreen(&rc);
    m_pDock->DockCommandBar(pBar, &rc);
  }

  CTestGlobalPaintManager m_paintManager;
  CRecordingSystem m_system;
  CTestHostWindow m_host;
  CTKCommandBars* m_pBars = nullptr;
  CTKDockBar* m_pDock = nullptr;
  CSizedBar* m_pA = nullptr;
  CSizedBar* m_pB = nullptr;
  CSizedBar* m_pX = nullptr;
  std::map<CTKToolBar*, std::string> m_names;
};

TEST_F(DockRowsTest, ADroppedBarGoesIntoTheRowItsCentreFallsIn) {
  struct Case {
    const char* name;
    BOOL ribbon;
    DWORD flags;
    int centreY;
    const char* rows;
  } cases[] = {
      {"inside the first row", FALSE, 0, 10, "|XA|B|"},
      {"on the boundary of two rows", FALSE, 0, kThickness, "|A|X|B|"},
      {"above the first row", FALSE, 0, -10, "|X|A|B|"},
      {"above a ribbon that is the menu bar", TRUE, 0, -10, "|A|XB|"},
      {"a stretched bar into a full row", FALSE, TKBARFLAG_STRETCHED, 10, "|X|A|B|"},
      {"below the last row", FALSE, 0, 3 * kThickness, "|A|B|X|"},
  };
  for (const Case& c : cases) {
    Build(c.ribbon);
    ASSERT_EQ("|A|B|", Rows()) << c.name;
    ASSERT_EQ(CRect(0, kThickness, 100, 2 * kThickness).top, [&] {
      CRect rc;
      m_pB->GetWindowRect(&rc);
      m_pDock->ScreenToClient(&rc);
      return rc.top;
    }()) << c.name;
    m_pX->SetFlags(c.flags);
    Drop(m_pX, c.centreY);
    EXPECT_EQ(c.rows, Rows()) << c.name;
    EXPECT_EQ(m_pDock, m_pX->GetDockBar()) << c.name;
    TearDown();
  }
}

TEST_F(DockRowsTest, TheLastBarLeavingARowTakesTheRowWithIt) {
  Build(FALSE);
  Drop(m_pX, 10);
  ASSERT_EQ("|XA|B|", Rows());
  EXPECT_TRUE(m_pDock->RemoveCommandBar(m_pX));
  EXPECT_EQ("|A|B|", Rows()) << "the row keeps its other bar";
  EXPECT_TRUE(m_pDock->RemoveCommandBar(m_pB));
  EXPECT_EQ("|A|", Rows());
  EXPECT_EQ(1, m_pDock->GetRowCount());
  EXPECT_FALSE(m_pDock->RemoveCommandBar(m_pB)) << "no longer there";
  EXPECT_EQ(nullptr, m_pB->GetDockBar());
  m_pDock->DockCommandBar(m_pB);  // back, so that the manager lets it go
}

}  // namespace
