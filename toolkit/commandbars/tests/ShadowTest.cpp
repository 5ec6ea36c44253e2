// Pop-up shadows: the alpha ramps of the strips, when shadow windows are made,
// where they lie, what they leave uncovered, and how they follow their owner.
#include <gtest/gtest.h>

#include <memory>

#include "SupportSystem.h"
#include "commandbars/TKShadowManager.h"
#include "common/TKRefPtr.h"
#include "common/TKScopedHandle.h"

namespace {

typedef CTKShadowManager M;

// The ramps ---------------------------------------------------------------------------

std::vector<DWORD> Fill(int cx, int cy, int nKind, DWORD dwOptions, COLORREF clr = 0) {
  std::vector<DWORD> bits(static_cast<size_t>(cx) * cy, 0xDEADBEEF);
  M::FillAlphaShadow(bits.data(), cx, cy, nKind, dwOptions, clr);
  return bits;
}

int Alpha(const std::vector<DWORD>& bits, int cx, int x, int nRow) {
  return static_cast<int>(bits[static_cast<size_t>(nRow) * cx + x] >> 24);
}

TEST(ShadowRamp, TheStripBelowDarkensTowardsThePopupWithCornersAtBothEnds) {
  struct Case {
    DWORD dwOptions;
    int nEdge;    ///< alpha step of the middle, per row from the bottom
    int nCorner;  ///< alpha step of the corners
  };
  for (const Case& c : {Case{0, 30, 6}, Case{M::kOptionAlways, 15, 3}}) {
    const int cx = 20;
    const std::vector<DWORD> bits = Fill(cx, 4, M::kShadowBelow, c.dwOptions);
    for (int r = 0; r < 4; ++r) {
      for (int x = 4; x <= cx - 5; ++x) EXPECT_EQ(Alpha(bits, cx, x, r), c.nEdge * (r + 1));
      for (int col = 0; col < 4; ++col) {
        EXPECT_EQ(Alpha(bits, cx, col, r), c.nCorner * (col + 1) * (r + 1)) << col << "," << r;
        EXPECT_EQ(Alpha(bits, cx, cx - 1 - col, r), c.nCorner * (col + 1) * (r + 1));
      }
    }
    // Row 3 is the top scan line, the one next to the pop-up.
    EXPECT_EQ(Alpha(bits, cx, 10, 3), c.dwOptions != 0 ? 60 : 120);
  }
}

TEST(ShadowRamp, AStripBelowNarrowerThanNinePixelsHasOnlyItsCorners) {
  for (int cx : {8, 9}) {
    const std::vector<DWORD> bits = Fill(cx, 4, M::kShadowBelow, 0);
    // Column 4 is the right corner's innermost column at 8 pixels, the
    // middle at 9.
    EXPECT_EQ(Alpha(bits, cx, 4, 3), cx == 8 ? 6 * 4 * 4 : 120) << cx;
    EXPECT_EQ(Alpha(bits, cx, 0, 0), 6);
  }
  // Narrower still: the right corner is drawn over the left one, nothing else.
  const std::vector<DWORD> bits = Fill(5, 4, M::kShadowBelow, 0);
  EXPECT_EQ(Alpha(bits, 5, 1, 0), 6 * 4);  // right corner, column 3
  EXPECT_EQ(Alpha(bits, 5, 0, 0), 6);
}

TEST(ShadowRamp, TheRightStripFadesOutwardsBelowItsTopCorner) {
  const int cx = 4, cy = 10;
  const std::vector<DWORD> bits = Fill(cx, cy, M::kShadowRight, 0);
  for (int nRow = 0; nRow < cy - 4; ++nRow)
    for (int k = 0; k < 4; ++k) EXPECT_EQ(Alpha(bits, cx, k, nRow), 30 * (4 - k));
  // The corner: columns counted from the right, lines from the top.
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c)
      EXPECT_EQ(Alpha(bits, cx, cx - 1 - c, cy - 1 - r), 6 * (c + 1) * (r + 1));
  EXPECT_EQ(Alpha(Fill(cx, cy, M::kShadowRight, M::kOptionAlways), cx, 0, 0), 60);
}

TEST(ShadowRamp, TheCornerPixelAndTheColourScaledByTheRampButNeverAboveItsAlpha) {
  EXPECT_EQ(Fill(1, 1, M::kShadowCorner, 0)[0], 120u << 24);
  EXPECT_EQ(Fill(1, 1, M::kShadowCorner, M::kOptionAlways)[0], 60u << 24);
  const std::vector<DWORD> bits = Fill(20, 4, M::kShadowBelow, 0, RGB(100, 50, 201));
  // Blue would be 201 under an alpha of 120: the blend would overflow.
  EXPECT_EQ(bits[3 * 20 + 10], (120u << 24) | (100u << 16) | (50u << 8) | 120u);
  // A quarter, each channel truncated: 25, 12 and 50, held to the alpha of 30.
  EXPECT_EQ(bits[0 * 20 + 10], (30u << 24) | (25u << 16) | (12u << 8) | 30u);
}

// The windows -------------------------------------------------------------------------

class ShadowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKSetCommandBarsSystem(&m_system);
    m_pManager = new CTKShadowManager;
  }
  void TearDown() override {
    for (auto& pPopup : m_popups)
      if (pPopup->m_hWnd != NULL) pPopup->DestroyWindow();
    m_pManager->InternalRelease();
    TKSetCommandBarsSystem(nullptr);
  }

  CWnd* MakePopup(const CRect& rc) {
    m_popups.emplace_back(new CWnd);
    CWnd* pPopup = m_popups.back().get();
    EXPECT_TRUE(pPopup->CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "popup",
                                 WS_POPUP | WS_VISIBLE, rc, NULL, 0));
    return pPopup;
  }
  std::vector<M::CShadowWnd*> ShadowsOf(CWnd* pOwner) const {
    std::vector<M::CShadowWnd*> shadows;
    POSITION pos = m_pManager->GetShadows().GetHeadPosition();
    while (pos != NULL) {
      M::CShadowWnd* pShadow = m_pManager->GetShadows().GetNext(pos);
      if (pShadow->GetOwnerHwnd() == pOwner->m_hWnd) shadows.push_back(pShadow);
    }
    return shadows;
  }
  static CRect WindowRect(CWnd* pWnd) {
    CRect rc;
    pWnd->GetWindowRect(&rc);
    return rc;
  }
  /// Whether the shadow window shows the screen point.
  static bool Covers(M::CShadowWnd* pShadow, CPoint pt) {
    const CRect rc = WindowRect(pShadow);
    if (!rc.PtInRect(pt)) return false;
    CTKScopedRgn rgn(::CreateRectRgn(0, 0, 0, 0));
    if (::GetWindowRgn(pShadow->m_hWnd, rgn.Get()) == ERROR) return true;
    return ::PtInRegion(rgn.Get(), pt.x - rc.left, pt.y - rc.top) != FALSE;
  }

  CRecordingSystem m_system;
  CTKShadowManager* m_pManager = nullptr;
  std::vector<std::unique_ptr<CWnd>> m_popups;
};

TEST_F(ShadowTest, NoWindowsWhileTheSystemShowsNoDropShadowsUnlessAlwaysIsSet) {
  ASSERT_TRUE(m_pManager->CanUseAlphaShadow());  // 24 bits per pixel and layered windows
  CWnd* pPopup = MakePopup(CRect(100, 100, 200, 180));
  m_system.m_bDropShadow = FALSE;
  m_pManager->SetShadow(pPopup, CRect(0, 0, 0, 0));
  EXPECT_TRUE(m_pManager->GetShadows().IsEmpty());

  m_pManager->SetOptions(M::kOptionAlways);
  m_pManager->SetShadow(pPopup, CRect(0, 0, 0, 0));
  EXPECT_EQ(ShadowsOf(pPopup).size(), 2u);
}

TEST_F(ShadowTest, StripsBelowAndToTheRightAndACornerForAPopupWithARegion) {
  CWnd* pPopup = MakePopup(CRect(100, 100, 200, 180));
  m_pManager->SetShadow(pPopup, CRect(0, 0, 0, 0));
  std::vector<M::CShadowWnd*> shadows = ShadowsOf(pPopup);
  ASSERT_EQ(shadows.size(), 2u);
  EXPECT_EQ(shadows[0]->GetKind(), M::kShadowBelow);
  EXPECT_EQ(WindowRect(shadows[0]), CRect(104, 180, 204, 184));
  EXPECT_EQ(WindowRect(shadows[1]), CRect(200, 104, 204, 180));
  for (M::CShadowWnd* pShadow : shadows) {
    EXPECT_TRUE(pShadow->IsWindowVisible());
    EXPECT_TRUE(pShadow->GetExStyle() & WS_EX_LAYERED);
    EXPECT_EQ(pShadow->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(201, 110)), HTTRANSPARENT);
  }
  m_pManager->RemoveShadow(pPopup);
  EXPECT_TRUE(m_pManager->GetShadows().IsEmpty());

  CWnd* pRound = MakePopup(CRect(300, 100, 400, 180));
  pRound->SetWindowRgn(::CreateRoundRectRgn(0, 0, 101, 81, 8, 8), FALSE);
  m_pManager->SetShadow(pRound, CRect(0, 0, 0, 0));
  shadows = ShadowsOf(pRound);
  ASSERT_EQ(shadows.size(), 3u);
  EXPECT_EQ(shadows[2]->GetKind(), M::kShadowCorner);
  EXPECT_EQ(WindowRect(shadows[2]), CRect(399, 179, 400, 180));
  EXPECT_FALSE(shadows[2]->HasRegion());  // its own owner is not cut out of it
}

/// A manager on a screen that cannot show alpha.
class CSolidShadowManager : public CTKShadowManager {
 public:
  CSolidShadowManager() { m_bAlphaShadow = FALSE; }
};

TEST_F(ShadowTest, WithoutAlphaOnlyTheAlwaysOptionGivesSolidStripsTwoPixelsDeep) {
  CTKRefPtr<CTKShadowManager, CTKInternalRefTraits> pSolid =
      CTKRefPtr<CTKShadowManager, CTKInternalRefTraits>::Adopt(new CSolidShadowManager);
  CWnd* pPopup = MakePopup(CRect(100, 100, 200, 180));
  pSolid->SetShadow(pPopup, CRect(0, 0, 0, 0));
  EXPECT_TRUE(pSolid->GetShadows().IsEmpty());
  pSolid->SetOptions(M::kOptionAlways);
  pSolid->SetShadow(pPopup, CRect(0, 0, 0, 0));
  ASSERT_EQ(pSolid->GetShadows().GetCount(), 2);
  M::CShadowWnd* pBelow = pSolid->GetShadows().GetHead();
  EXPECT_EQ(WindowRect(pBelow), CRect(102, 180, 202, 182));
  EXPECT_FALSE(pBelow->GetExStyle() & WS_EX_LAYERED);
  EXPECT_EQ(WindowRect(pSolid->GetShadows().GetTail()), CRect(200, 102, 202, 180));
  pPopup->DestroyWindow();
}

TEST_F(ShadowTest, AShadowLeavesThePopupsOfItsOwnGroupUncovered) {
  CWnd* pFirst = MakePopup(CRect(100, 100, 200, 200));
  m_pManager->SetShadow(pFirst, CRect(0, 0, 0, 0), FALSE);
  struct Case {
    BOOL bGroup;
    bool bCoversFirst;
  };
  for (const Case& c : {Case{FALSE, false}, Case{TRUE, true}}) {
    // Up and to the left of the first: both strips run over it.
    CWnd* pSecond = MakePopup(CRect(40, 40, 140, 140));
    m_pManager->SetShadow(pSecond, CRect(0, 0, 0, 0), c.bGroup);
    std::vector<M::CShadowWnd*> shadows = ShadowsOf(pSecond);
    ASSERT_EQ(shadows.size(), 2u);
    EXPECT_EQ(Covers(shadows[0], CPoint(120, 142)), c.bCoversFirst) << c.bGroup;
    EXPECT_EQ(Covers(shadows[1], CPoint(142, 120)), c.bCoversFirst) << c.bGroup;
    EXPECT_TRUE(Covers(shadows[0], CPoint(60, 142)));  // beside the first pop-up
    EXPECT_TRUE(Covers(shadows[1], CPoint(142, 60)));
    pSecond->DestroyWindow();
  }
}

TEST_F(ShadowTest, TheControlRectangleIsCutOutWithTheExcludeOption) {
  CWnd* pPopup = MakePopup(CRect(100, 100, 200, 180));
  const CRect rcControl(150, 170, 260, 200);  // over both strips' far ends
  m_pManager->SetShadow(pPopup, rcControl);
  EXPECT_TRUE(Covers(ShadowsOf(pPopup)[0], CPoint(190, 182)));
  m_pManager->RemoveShadow(pPopup);
  m_pManager->SetOptions(M::kOptionExcludeControl);
  m_pManager->SetShadow(pPopup, rcControl);
  std::vector<M::CShadowWnd*> shadows = ShadowsOf(pPopup);
  EXPECT_FALSE(Covers(shadows[0], CPoint(190, 182)));
  EXPECT_TRUE(Covers(shadows[0], CPoint(120, 182)));
  EXPECT_FALSE(Covers(shadows[1], CPoint(202, 175)));
  EXPECT_TRUE(Covers(shadows[1], CPoint(202, 120)));
}

TEST_F(ShadowTest, ShadowsHideShowAndGoWithTheirOwner) {
  CWnd* pPopup = MakePopup(CRect(100, 100, 200, 180));
  m_pManager->SetShadow(pPopup, CRect(0, 0, 0, 0));
  std::vector<M::CShadowWnd*> shadows = ShadowsOf(pPopup);
  ASSERT_EQ(shadows.size(), 2u);
  std::vector<HWND> hWnds;
  for (M::CShadowWnd* pShadow : shadows) hWnds.push_back(pShadow->m_hWnd);

  pPopup->ShowWindow(SW_HIDE);
  for (HWND hWnd : hWnds) EXPECT_FALSE(::IsWindowVisible(hWnd));
  pPopup->ShowWindow(SW_SHOWNA);
  for (HWND hWnd : hWnds) EXPECT_TRUE(::IsWindowVisible(hWnd));

  pPopup->DestroyWindow();
  EXPECT_TRUE(m_pManager->GetShadows().IsEmpty());
  for (HWND hWnd : hWnds) EXPECT_FALSE(::IsWindow(hWnd));
}

TEST_F(ShadowTest, AGrowingPopupMovesAndStretchesItsShadows) {
  struct Case {
    DWORD dwExStyle;
    CRect rcBelow, rcRight;
  };
  const Case cases[] = {
      {0, CRect(104, 200, 214, 204), CRect(210, 104, 214, 200)},
      // Right to left the strip below grows to the left; the right one only down.
      {WS_EX_LAYOUTRTL, CRect(94, 200, 204, 204), CRect(200, 104, 204, 200)},
  };
  for (const Case& c : cases) {
    CWnd* pPopup = MakePopup(CRect(100, 100, 200, 180));
    pPopup->ModifyStyleEx(0, c.dwExStyle);
    m_pManager->SetShadow(pPopup, CRect(0, 0, 0, 0));
    m_pManager->OffsetShadows(pPopup, 10, 20);
    std::vector<M::CShadowWnd*> shadows = ShadowsOf(pPopup);
    EXPECT_EQ(WindowRect(shadows[0]), c.rcBelow) << c.dwExStyle;
    EXPECT_EQ(WindowRect(shadows[1]), c.rcRight) << c.dwExStyle;
    pPopup->DestroyWindow();
  }
}

TEST_F(ShadowTest, AStripStartingUnderAnotherPopupsStripReachesOverItsCorner) {
  CWnd* pMenu = MakePopup(CRect(100, 100, 200, 200));
  m_pManager->SetShadow(pMenu, CRect(0, 0, 0, 0));
  // A sub-menu one pixel into the menu: its strip below starts under the
  // menu's right-hand strip and is drawn back over it.
  CWnd* pSub = MakePopup(CRect(199, 120, 300, 190));
  m_pManager->SetShadow(pSub, CRect(0, 0, 0, 0), TRUE);
  EXPECT_EQ(WindowRect(ShadowsOf(pSub)[0]), CRect(194, 190, 304, 194));
  // A pop-up whose right-hand strip starts on the menu's strip below.
  CWnd* pBelow = MakePopup(CRect(50, 199, 150, 300));
  m_pManager->SetShadow(pBelow, CRect(0, 0, 0, 0), TRUE);
  EXPECT_EQ(WindowRect(ShadowsOf(pBelow)[1]), CRect(150, 195, 154, 300));
}

TEST_F(ShadowTest, AControlRectangleIsShadowedOnlyWithBothOptions) {
  CWnd* pBar = MakePopup(CRect(0, 0, 300, 30));
  for (DWORD dwOptions : {DWORD(M::kOptionAlways), DWORD(M::kOptionExcludeControl),
                          DWORD(M::kOptionAlways | M::kOptionExcludeControl)}) {
    m_pManager->SetOptions(dwOptions);
    m_pManager->SetShadowRect(CRect(10, 5, 60, 28), pBar);
    const std::vector<M::CShadowWnd*> shadows = ShadowsOf(pBar);
    ASSERT_EQ(shadows.size(), dwOptions == 3 ? 2u : 0u) << dwOptions;
    for (M::CShadowWnd* pShadow : shadows) EXPECT_TRUE(pShadow->IsControlShadow());
  }
  // Control shadows stay where they are when their bar grows.
  m_pManager->OffsetShadows(pBar, 10, 10);
  EXPECT_EQ(WindowRect(ShadowsOf(pBar)[0]), CRect(14, 28, 64, 32));
}

TEST_F(ShadowTest, TheManagerLivesUntilItsLastShadowIsGone) {
  CWnd* pPopup = MakePopup(CRect(100, 100, 200, 180));
  m_pManager->SetShadow(pPopup, CRect(0, 0, 0, 0));
  EXPECT_EQ(m_pManager->m_dwRef, 3);  // the owner's and one per shadow
  pPopup->DestroyWindow();
  EXPECT_EQ(m_pManager->m_dwRef, 1);
}

}  // namespace
