// Progress bars: the range and position, the control's size, copies and
// stored layouts, and the base look at the ends of its range.
#include <gtest/gtest.h>

#include "SupportPaintManager.h"
#include "SupportSite.h"
#include "commandbars/TKControlProgress.h"
#include "commandbars/TKControls.h"
#include "common/TKDpiHelper.h"
#include "common/TKPropExchangeIniFile.h"
#include "testsupport/DibSurface.h"
#include "testsupport/TempFolder.h"

namespace {

/// A progress bar that counts its redraws.
class CCountingProgress : public CTKProgressBase {
 public:
  CRect m_rc = CRect(0, 0, 0, 0);
  int m_nRedraws = 0;
  CRect GetProgressRect() override { return m_rc; }
  void RedrawProgress() override { ++m_nRedraws; }
  CTKProgressPaintManager* GetProgressPaintManager() override { return nullptr; }
};

TEST(ProgressBase, SetPosClampsToTheRangeAndRedrawsOnlyOnAChange) {
  struct Case {
    int nStart, nPos;
    int nStored;
    int nRedraws;
  };
  const Case cases[] = {{0, 150, 100, 1}, {0, -5, 0, 0}, {40, 40, 40, 0}, {40, 100, 100, 1}};
  for (const Case& c : cases) {
    CCountingProgress progress;
    progress.SetPos(c.nStart);
    progress.m_nRedraws = 0;
    progress.SetPos(c.nPos);
    EXPECT_EQ(progress.GetPos(), c.nStored) << c.nPos;
    EXPECT_EQ(progress.m_nRedraws, c.nRedraws) << c.nPos;
  }
}

TEST(ProgressBase, ANewRangeKeepsThePositionUntilTheNextSetPos) {
  CCountingProgress progress;
  progress.SetPos(50);
  progress.m_nRedraws = 0;
  progress.SetRange(0, 10);
  EXPECT_EQ(progress.GetPos(), 50);
  EXPECT_EQ(progress.m_nRedraws, 1);
  progress.SetRange(0, 10);
  EXPECT_EQ(progress.m_nRedraws, 1);
  progress.SetPos(50);
  EXPECT_EQ(progress.GetPos(), 10);
  // Bounds the wrong way round: the upper one wins.
  progress.SetRange(20, 5);
  progress.SetPos(12);
  EXPECT_EQ(progress.GetPos(), 5);
}

/// The test paint manager with a progress paint manager of its own.
class CProgressPaintManager : public CTestPaintManager {
 public:
  CProgressPaintManager() : m_progress(this) {}
  CTKProgressPaintManager* GetProgressPaintManager() override { return &m_progress; }
  COLORREF GetIndexedColor(int nIndex) override {
    switch (nIndex) {
      case COLOR_BTNFACE:
        return kFace;
      case COLOR_BTNSHADOW:
        return kFrame;
      case COLOR_HIGHLIGHT:
        return kBar;
    }
    return RGB(0, 0, 0);
  }
  static constexpr COLORREF kFace = RGB(240, 240, 240);
  static constexpr COLORREF kFrame = RGB(100, 100, 100);
  static constexpr COLORREF kBar = RGB(0, 120, 215);
  CTKProgressPaintManager m_progress;
};

class ProgressControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    m_pPaintManager = new CProgressPaintManager;
    CTKPaintManager::SetGlobal(m_pPaintManager);
    CTKPaintManager::AddRefGlobal();
    m_pBar = new CTestBar;
    m_pProgress = static_cast<CTKControlProgress*>(
        m_pBar->GetControls()->Add(new CTKControlProgress, 0, NULL, -1, FALSE));
  }
  void TearDown() override {
    m_pBar->InternalRelease();
    CTKPaintManager::ReleaseGlobal();
  }

  CProgressPaintManager* m_pPaintManager = nullptr;
  CTestBar* m_pBar = nullptr;
  CTKControlProgress* m_pProgress = nullptr;
};

TEST_F(ProgressControlTest, IsAHundredPixelsWideAndTakesTheThemesHeightWhenItHasNone) {
  CDibSurface surface(10, 10);
  m_pPaintManager->m_progress.m_cyProgress = 13;
  EXPECT_EQ(m_pProgress->GetSize(surface.GetDC()), CSize(100, 13));
  m_pProgress->SetHeight(30);
  EXPECT_EQ(m_pProgress->GetSize(surface.GetDC()), CSize(100, 30));
  TKDpiHelper()->OverrideDpi(144, 144);
  CTKControlProgress scaled;
  EXPECT_EQ(scaled.GetWidth(), 150);
  TKDpiHelper()->OverrideDpi(96, 96);
}

TEST_F(ProgressControlTest, TheControlIsDrawnByItsPaintManager) {
  m_pProgress->SetRect(CRect(0, 0, 40, 10));
  m_pProgress->SetPos(50);
  CDibSurface surface(40, 10, RGB(1, 2, 3));
  m_pProgress->Draw(surface.GetDC());
  EXPECT_EQ(surface.CountPixels(CProgressPaintManager::kBar), 18 * 6);
}

TEST_F(ProgressControlTest, AChangedPositionRedrawsTheControlInItsBar) {
  m_pProgress->SetRect(CRect(0, 0, 100, 16));
  m_pBar->m_nRedraws = 0;
  m_pProgress->SetPos(30);
  EXPECT_EQ(m_pBar->m_nRedraws, 1);
  m_pProgress->SetPos(30);
  EXPECT_EQ(m_pBar->m_nRedraws, 1);
}

TEST_F(ProgressControlTest, ACopyTakesTheRangeAndPosition) {
  m_pProgress->SetRange(10, 20);
  m_pProgress->SetPos(15);
  CTKControl* pClone = m_pProgress->Clone();
  CTKControlProgress* pCopy = DYNAMIC_DOWNCAST(CTKControlProgress, pClone);
  ASSERT_NE(pCopy, nullptr);
  int nMin = 0, nMax = 0;
  pCopy->GetRange(nMin, nMax);
  EXPECT_EQ(nMin, 10);
  EXPECT_EQ(nMax, 20);
  EXPECT_EQ(pCopy->GetPos(), 15);
  pCopy->Copy(pCopy);  // from itself: nothing
  EXPECT_EQ(pCopy->GetPos(), 15);
  pClone->InternalRelease();
}

TEST_F(ProgressControlTest, ALayoutWithoutMaxLoadsAHundredAndAPositionAsStored) {
  CTempFolder folder;
  const std::string path = folder.PathOf("layout.ini");
  ::WritePrivateProfileStringA("Progress", "Min", "5", path.c_str());
  ::WritePrivateProfileStringA("Progress", "Pos", "500", path.c_str());
  CTKPropExchangeIniFile* pIni = new CTKPropExchangeIniFile(TRUE, nullptr, "Progress");
  pIni->AssignFile(path.c_str());
  CTKPropExchangeSection px(pIni);
  m_pProgress->DoPropExchange(px);
  int nMin = 0, nMax = 0;
  m_pProgress->GetRange(nMin, nMax);
  EXPECT_EQ(nMin, 5);
  EXPECT_EQ(nMax, 100);
  EXPECT_EQ(m_pProgress->GetPos(), 500);  // not clamped on loading
}

TEST_F(ProgressControlTest, TheBaseLookAtTheEndsOfItsRangeAndBeyond) {
  // 40 x 10: the inner rectangle is (2, 2, 38, 8), 36 pixels wide.
  struct Case {
    int nMin, nMax, nPos;
    int nBarPixels;  ///< filled in the bar colour
  };
  const Case cases[] = {
      {0, 100, 0, 0},         // the frame only
      {0, 100, 100, 36 * 6},  // the inner rectangle exactly
      {0, 100, 50, 18 * 6},
      {0, 10, 50, 36 * 6},  // a position left beyond a new range stays inside
      {0, 10, -7, 0},
      {10, 10, 10, 0},  // an empty range draws no bar
      {10, 0, 5, 0},
  };
  for (const Case& c : cases) {
    CTKControlProgress progress;
    progress.SetRect(CRect(0, 0, 40, 10));
    progress.SetRange(0, 100);
    progress.SetPos(c.nPos);
    progress.SetRange(c.nMin, c.nMax);
    CDibSurface surface(40, 10, RGB(1, 2, 3));
    m_pPaintManager->m_progress.DrawProgress(surface.GetDC(), &progress);
    EXPECT_EQ(surface.CountPixels(CProgressPaintManager::kBar), c.nBarPixels)
        << c.nMin << ".." << c.nMax << " at " << c.nPos;
    EXPECT_EQ(surface.GetPixel(0, 0), CProgressPaintManager::kFrame);
    EXPECT_EQ(surface.GetPixel(39, 9), CProgressPaintManager::kFrame);
    EXPECT_EQ(surface.CountPixels(RGB(1, 2, 3)), 0);
    if (c.nBarPixels == 36 * 6) {
      EXPECT_EQ(surface.GetPixel(2, 2), CProgressPaintManager::kBar);
      EXPECT_EQ(surface.GetPixel(37, 7), CProgressPaintManager::kBar);
      EXPECT_EQ(surface.GetPixel(38, 7), CProgressPaintManager::kFace);
      EXPECT_EQ(surface.GetPixel(37, 8), CProgressPaintManager::kFace);
    }
  }
}

}  // namespace
