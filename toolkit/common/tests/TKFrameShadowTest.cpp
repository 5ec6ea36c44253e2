// Frame shadows on real windows: the manager's options and map, the shadow
// following its frame (moves, hiding, destruction), the resize band and its
// drag loop, and the pixels handed to the layered window.
#include "common/TKFrameShadow.h"
#include "common/TKFrameShadowManager.h"

#include <gtest/gtest.h>

#include <windowsx.h>

#include <vector>

#include "testsupport/MessageLoop.h"

namespace {

/// A visible, sizable top-level frame with a minimum track size.
class CTestFrame : public CWnd {
 public:
  static const UINT WM_MOVECURSOR = WM_APP + 1;
  CSize m_szMinTrack = CSize(0, 0);

  BOOL CreateFrame(const CRect& rc, DWORD dwStyle = WS_POPUP | WS_THICKFRAME) {
    if (!CreateEx(0, AfxRegisterWndClass(0), "frame", dwStyle, rc.left, rc.top, rc.Width(),
                  rc.Height(), nullptr, nullptr))
      return FALSE;
    ShowWindow(SW_SHOWNA);
    return TRUE;
  }
  ~CTestFrame() override {
    if (m_hWnd != nullptr) DestroyWindow();
  }

 protected:
  afx_msg void OnGetMinMaxInfo(MINMAXINFO* pInfo) {
    pInfo->ptMinTrackSize.x = m_szMinTrack.cx;
    pInfo->ptMinTrackSize.y = m_szMinTrack.cy;
  }
  afx_msg LRESULT OnMoveCursor(WPARAM, LPARAM lParam) {
    ::SetCursorPos(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestFrame, CWnd)
ON_WM_GETMINMAXINFO()
ON_MESSAGE(CTestFrame::WM_MOVECURSOR, OnMoveCursor)
END_MESSAGE_MAP()

/// Records what the manager tells its observers.
struct Recorder : ITKFrameShadowManagerEvents {
  std::vector<DWORD> options;
  int created = 0, destroyed = 0;
  void OnFrameShadowCreated(CTKFrameShadowManager*, HWND, CTKFrameShadow*) override { ++created; }
  void OnFrameShadowDestroyed(CTKFrameShadowManager*, HWND, CTKFrameShadow*) override {
    ++destroyed;
  }
  void OnFrameShadowOptionsChanged(CTKFrameShadowManager*, DWORD dwOld, DWORD dwNew) override {
    options.push_back(dwOld);
    options.push_back(dwNew);
  }
};

class FrameShadowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_pManager = TKFrameShadowManager();
    m_pManager->SetRemoteSession(FALSE, FALSE);
    m_pManager->SetOptions(TKFRAMESHADOW_REMOTEHIDE);
    ASSERT_TRUE(m_frame.CreateFrame(CRect(100, 100, 400, 300)));
  }
  void TearDown() override {
    m_frame.DestroyWindow();
    m_pManager->SetRemoteSession(FALSE, FALSE);
    m_pManager->SetOptions(TKFRAMESHADOW_REMOTEHIDE);
  }
  CTKFrameShadow* Enable(int nSize = 5, int nInner = 3) {
    return m_pManager->EnableShadow(&m_frame, RGB(0, 122, 204), nSize, nInner, 0, 0, 128);
  }
  CRect ShadowRect(CTKFrameShadow* pShadow) {
    CRect rc;
    ::GetWindowRect(pShadow->GetSafeHwnd(), &rc);
    return rc;
  }

  CTKFrameShadowManager* m_pManager = nullptr;
  CTestFrame m_frame;
};

TEST_F(FrameShadowTest, LayeredWindowsAreThere) {
  EXPECT_TRUE(CTKFrameShadow::IsLayeredWindowSupported());
}

TEST_F(FrameShadowTest, ShadowWindowSurroundsItsFrameRightBehindIt) {
  CTKFrameShadow* pShadow = Enable();
  ASSERT_NE(pShadow, nullptr);
  HWND hShadow = pShadow->GetSafeHwnd();
  EXPECT_TRUE(::IsWindowVisible(hShadow));
  EXPECT_EQ(ShadowRect(pShadow), CRect(95, 95, 405, 305));
  EXPECT_EQ(static_cast<DWORD>(::GetWindowLong(hShadow, GWL_EXSTYLE)) &
                (WS_EX_LAYERED | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT),
            static_cast<DWORD>(WS_EX_LAYERED | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW));
  // Next to its frame in the z-order. (Placed after it; under Wine without a
  // window manager it ends up directly above instead.)
  HWND hFrame = m_frame.GetSafeHwnd();
  EXPECT_TRUE(::GetWindow(hFrame, GW_HWNDNEXT) == hShadow ||
              ::GetWindow(hFrame, GW_HWNDPREV) == hShadow);
  char szTitle[32] = {};
  ::GetWindowTextA(hShadow, szTitle, sizeof(szTitle));
  EXPECT_STREQ(szTitle, "TKFrameShadow");
}

TEST_F(FrameShadowTest, CornerOfANarrowFrameIsSizePlusHalfTheRest) {
  // A frame 4 pixels wide: 5 + min(3, (14 - 10) / 2) = 7 across, 5 + 3 down.
  // Without a sizing border nothing holds the frame to a minimum width.
  CTestFrame narrow;
  ASSERT_TRUE(narrow.CreateFrame(CRect(100, 100, 104, 300), WS_POPUP));
  CRect rcFrame;
  narrow.GetWindowRect(&rcFrame);
  ASSERT_EQ(rcFrame.Width(), 4);
  CTKFrameShadow* pShadow = m_pManager->EnableShadow(&narrow, RGB(0, 122, 204), 5, 3, 0, 0, 128);
  ASSERT_NE(pShadow, nullptr);
  const CTKFrameShadow::CShadowGeometry* pGeometry = pShadow->GetGeometry();
  EXPECT_EQ(pGeometry->m_cxCorner, 7);
  EXPECT_EQ(pGeometry->m_cyCorner, 8);
  EXPECT_EQ(pGeometry->m_clrOpaque, 0xFF007ACCu);
  EXPECT_EQ(pGeometry->m_clrTransparent, 0x00007ACCu);
}

TEST_F(FrameShadowTest, EnablingTwiceGivesTheFirstShadow) {
  Recorder recorder;
  m_pManager->AddObserver(&recorder);
  CTKFrameShadow* pFirst = Enable(5, 3);
  CTKFrameShadow* pSecond = m_pManager->EnableShadow(&m_frame, RGB(1, 2, 3), 9, 1, 4, 4, 10);
  m_pManager->RemoveObserver(&recorder);
  ASSERT_NE(pFirst, nullptr);
  EXPECT_EQ(pSecond, pFirst);
  EXPECT_EQ(pFirst->GetColor(), RGB(0, 122, 204));
  EXPECT_EQ(pFirst->GetSize(), 5);
  EXPECT_EQ(recorder.created, 1);
  EXPECT_EQ(m_pManager->GetShadowCount(), 1);
}

TEST_F(FrameShadowTest, OffsetsAreTakenOnlyWhenOneIsPositive) {
  struct Case {
    int x, y;
    CPoint expected;
  } cases[] = {
      {0, 5, CPoint(0, 5)}, {0, 0, CPoint(0, 0)}, {-1, -2, CPoint(0, 0)}, {-3, 4, CPoint(-3, 4)}};
  for (const Case& c : cases) {
    CTKFrameShadow* pShadow = m_pManager->EnableShadow(&m_frame, 0, 5, 3, c.x, c.y, 128);
    ASSERT_NE(pShadow, nullptr);
    EXPECT_EQ(pShadow->GetOffset(), c.expected) << c.x << "," << c.y;
    m_pManager->DisableShadow(&m_frame);
    EXPECT_EQ(m_pManager->GetShadow(&m_frame), nullptr);
  }
}

TEST_F(FrameShadowTest, EffectiveOptions) {
  struct Case {
    BOOL bRemote;
    DWORD dwRequested, dwEffective;
  } cases[] = {{FALSE, 8, 0},   {TRUE, 8, 6},     {FALSE, 1, 7},   {TRUE, 0x10, 2},
               {TRUE, 0x18, 6}, {FALSE, 0x1E, 6}, {TRUE, 0x14, 6}, {TRUE, 9, 7}};
  for (const Case& c : cases) {
    m_pManager->SetRemoteSession(c.bRemote, FALSE);
    m_pManager->SetOptions(c.dwRequested);
    EXPECT_EQ(m_pManager->GetEffectiveOptions(), c.dwEffective)
        << c.bRemote << " " << c.dwRequested;
  }
}

TEST_F(FrameShadowTest, ObserversHearOnlyRealOptionChanges) {
  Recorder recorder;
  m_pManager->AddObserver(&recorder);
  m_pManager->SetOptions(1);
  m_pManager->SetOptions(1);
  m_pManager->RemoveObserver(&recorder);
  EXPECT_EQ(recorder.options, (std::vector<DWORD>{0, 7}));
  EXPECT_EQ(Enable(), nullptr) << "disabled shadows are not made";
}

TEST_F(FrameShadowTest, SessionChangesSetTheRemoteFlag) {
  ASSERT_NE(Enable(), nullptr);  // the listener window exists from the first shadow
  CTKFrameShadowManager::CWtsEventListener* pListener = m_pManager->GetSessionListener();
  ASSERT_NE(pListener, nullptr);
  if (pListener->GetSafeHwnd() == nullptr) GTEST_SKIP() << "no wtsapi32 session notifications";
  struct Case {
    WPARAM code;
    BOOL bRemoteAfter;
  } cases[] = {{1, TRUE}, {2, FALSE}, {3, TRUE},  {7, TRUE},  // lock
               {8, TRUE}, {4, FALSE}, {5, FALSE}, {6, FALSE}};
  for (const Case& c : cases) {
    ::SendMessage(pListener->GetSafeHwnd(), WM_WTSSESSION_CHANGE, c.code, 0);
    EXPECT_EQ(m_pManager->IsRemoteSession(), c.bRemoteAfter) << c.code;
  }
}

TEST_F(FrameShadowTest, ShadowFollowsMovesAndHides) {
  CTKFrameShadow* pShadow = Enable();
  ASSERT_NE(pShadow, nullptr);
  m_frame.SetWindowPos(nullptr, 150, 120, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(ShadowRect(pShadow), CRect(145, 115, 455, 325));
  m_frame.SetWindowPos(&CWnd::wndTop, 10, 20, 100, 50, SWP_NOACTIVATE);
  EXPECT_EQ(ShadowRect(pShadow), CRect(5, 15, 115, 75));
  m_frame.ShowWindow(SW_HIDE);
  EXPECT_FALSE(pShadow->IsShown());
  EXPECT_FALSE(::IsWindowVisible(pShadow->GetSafeHwnd()));
  m_frame.ShowWindow(SW_SHOWNA);
  EXPECT_TRUE(::IsWindowVisible(pShadow->GetSafeHwnd()));
}

TEST_F(FrameShadowTest, MaximisedFrameHidesItsShadow) {
  CTKFrameShadow* pShadow = Enable();
  ASSERT_NE(pShadow, nullptr);
  m_frame.ModifyStyle(0, WS_MAXIMIZE);
  pShadow->Reposition();
  EXPECT_FALSE(::IsWindowVisible(pShadow->GetSafeHwnd()));
  EXPECT_TRUE(pShadow->IsShown());
  m_frame.ModifyStyle(WS_MAXIMIZE, 0);
  pShadow->Reposition();
  EXPECT_TRUE(::IsWindowVisible(pShadow->GetSafeHwnd()));
}

TEST_F(FrameShadowTest, DestroyingTheFrameTakesTheShadowAndTheHook) {
  CTKFrameShadow* pShadow = Enable();
  ASSERT_NE(pShadow, nullptr);
  HWND hShadow = pShadow->GetSafeHwnd();
  EXPECT_TRUE(m_pManager->HasThreadHook());
  Recorder recorder;
  m_pManager->AddObserver(&recorder);
  m_frame.DestroyWindow();
  m_pManager->RemoveObserver(&recorder);
  EXPECT_EQ(recorder.destroyed, 1);
  EXPECT_FALSE(::IsWindow(hShadow));
  EXPECT_EQ(m_pManager->GetShadowCount(), 0);
  EXPECT_FALSE(m_pManager->HasThreadHook());
  EXPECT_FALSE(m_pManager->GetSessionListener()->IsRegistered());
}

TEST_F(FrameShadowTest, DestroyingTheShadowWindowDropsItFromTheManager) {
  CTKFrameShadow* pShadow = Enable();
  ASSERT_NE(pShadow, nullptr);
  ::DestroyWindow(pShadow->GetSafeHwnd());
  EXPECT_EQ(m_pManager->GetShadow(&m_frame), nullptr);
  EXPECT_NE(Enable(), nullptr) << "a new shadow can be made";
}

TEST_F(FrameShadowTest, ResizeZonesAroundTheFrame) {
  CTKFrameShadow* pShadow = Enable();
  ASSERT_NE(pShadow, nullptr);
  // Frame (100,100)-(400,300), shadow 5 pixels around it.
  struct Case {
    int x, y, zone;
  } cases[] = {{97, 97, 8},   {200, 97, 1}, {401, 97, 2},  {401, 200, 3}, {401, 302, 4},
               {200, 302, 5}, {97, 302, 6}, {97, 200, 7},  {200, 200, 0}, {50, 50, 0},
               {399, 97, 1},  {400, 97, 2}, {100, 300, 5}, {99, 300, 6}};
  for (const Case& c : cases)
    EXPECT_EQ(pShadow->HitTestEdge(c.x, c.y), c.zone) << c.x << "," << c.y;
}

TEST_F(FrameShadowTest, DraggingTheBottomLeftZoneStopsAtTheMinimumTrackWidth) {
  m_frame.m_szMinTrack = CSize(200, 150);
  CTKFrameShadow* pShadow = Enable();
  ASSERT_NE(pShadow, nullptr);
  ASSERT_TRUE(pShadow->CanResize());
  // The drag loop reads the queue: the frame moves the cursor far right and
  // down, then a move and the button's release follow.
  HWND hFrame = m_frame.GetSafeHwnd();
  ::PostMessage(hFrame, CTestFrame::WM_MOVECURSOR, 0, MAKELPARAM(347, 352));
  ::PostMessage(hFrame, WM_MOUSEMOVE, 0, 0);
  ::PostMessage(hFrame, WM_LBUTTONUP, 0, 0);
  ASSERT_TRUE(::SetCursorPos(97, 302));
  ::SendMessage(pShadow->GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 207));
  CRect rc;
  m_frame.GetWindowRect(&rc);
  EXPECT_EQ(rc, CRect(200, 100, 400, 350));
  EXPECT_EQ(ShadowRect(pShadow), CRect(195, 95, 405, 355));
  EXPECT_NE(::GetCapture(), hFrame);
}

TEST_F(FrameShadowTest, EscapeEndsTheDragAtTheLastSize) {
  CTKFrameShadow* pShadow = Enable();
  ASSERT_NE(pShadow, nullptr);
  HWND hFrame = m_frame.GetSafeHwnd();
  ::PostMessage(hFrame, CTestFrame::WM_MOVECURSOR, 0, MAKELPARAM(200, 350));
  ::PostMessage(hFrame, WM_MOUSEMOVE, 0, 0);
  ::PostMessage(hFrame, WM_KEYDOWN, 'A', 0);
  ::PostMessage(hFrame, WM_KEYDOWN, VK_ESCAPE, 0);
  ::PostMessage(hFrame, CTestFrame::WM_MOVECURSOR, 0, MAKELPARAM(200, 390));
  ::PostMessage(hFrame, WM_MOUSEMOVE, 0, 0);
  ASSERT_TRUE(::SetCursorPos(200, 302));  // bottom zone
  ::SendMessage(pShadow->GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
  CRect rc;
  m_frame.GetWindowRect(&rc);
  EXPECT_EQ(rc, CRect(100, 100, 400, 348));
  DispatchPendingMessages();
}

TEST_F(FrameShadowTest, SetBlendMirrorsTheCornerGradient) {
  CTKFrameShadow* pShadow = Enable();
  ASSERT_NE(pShadow, nullptr);
  const float factors[] = {0.2f, 0.8f}, positions[] = {0.0f, 1.0f};
  pShadow->SetBlend(2, factors, positions);
  EXPECT_FLOAT_EQ(pShadow->GetEdgeFactors()[0], 0.8f);
  EXPECT_FLOAT_EQ(pShadow->GetEdgeFactors()[1], 0.2f);
  EXPECT_FLOAT_EQ(pShadow->GetCornerFactors()[0], 0.8f);
  EXPECT_FLOAT_EQ(pShadow->GetCornerFactors()[1], 0.2f);
  EXPECT_FLOAT_EQ(pShadow->GetCornerPositions()[0], 0.0f);
  EXPECT_FLOAT_EQ(pShadow->GetCornerPositions()[1], 1.0f);
  EXPECT_FLOAT_EQ(pShadow->GetCenterFactors()[0], 0.8f);
  EXPECT_FLOAT_EQ(pShadow->GetCenterFactors()[1], 0.8f);
  pShadow->SetBlend(0, nullptr, nullptr);
  EXPECT_EQ(pShadow->GetEdgeFactors().GetSize(), 0);
  EXPECT_FLOAT_EQ(pShadow->GetCenterFactors()[0], 0.0f);
}

/// Alpha of a premultiplied pixel.
BYTE AlphaAt(const std::vector<DWORD>& bits, int cx, int x, int y) {
  return static_cast<BYTE>(bits[y * cx + x] >> 24);
}

TEST_F(FrameShadowTest, ShadowPixelsFadeFromTheFrameOutwards) {
  CTKFrameShadow* pShadow = Enable(5, 3);
  ASSERT_NE(pShadow, nullptr);
  const int cx = 310, cy = 210;
  std::vector<DWORD> bits(cx * cy, 0);
  ASSERT_TRUE(pShadow->DrawShadow(bits.data(), cx, cy));
  // Along the left edge the shadow is opaque at the corner width and fades outwards.
  const int y = cy / 2;
  EXPECT_GE(AlphaAt(bits, cx, 7, y), 200);
  EXPECT_LE(AlphaAt(bits, cx, 0, y), 60);
  EXPECT_GT(AlphaAt(bits, cx, 4, y), AlphaAt(bits, cx, 1, y));
  // The same on the right, top and bottom.
  EXPECT_GT(AlphaAt(bits, cx, cx - 5, y), AlphaAt(bits, cx, cx - 2, y));
  EXPECT_GT(AlphaAt(bits, cx, cx / 2, 4), AlphaAt(bits, cx, cx / 2, 1));
  EXPECT_GT(AlphaAt(bits, cx, cx / 2, cy - 5), AlphaAt(bits, cx, cx / 2, cy - 2));
  // The outer corner pixel is (nearly) clear, the corner's centre is not.
  EXPECT_LE(AlphaAt(bits, cx, 0, 0), 10);
  EXPECT_GT(AlphaAt(bits, cx, 7, 8), 150);
  // Colour: premultiplied blue 204 at full alpha inside.
  DWORD inner = bits[y * cx + 8];
  EXPECT_NEAR(static_cast<int>(inner & 0xFF), 204, 6);
  EXPECT_NEAR(static_cast<int>((inner >> 8) & 0xFF), 122, 6);
}

TEST_F(FrameShadowTest, LayeredWindowGetsTheConstantAlphaOfTheOptions) {
  CTKFrameShadow* pShadow = Enable();
  ASSERT_NE(pShadow, nullptr);
  struct Case {
    DWORD dwOptions;
    BYTE alpha;
    BOOL bClickThrough;
  } cases[] = {{0, 128, FALSE}, {2, 2, FALSE}, {6, 0, TRUE}, {4, 128, TRUE}};
  for (const Case& c : cases) {
    m_pManager->SetOptions(c.dwOptions);
    pShadow->Update(FALSE, TRUE);
    EXPECT_TRUE(pShadow->IsPainted()) << c.dwOptions;
    EXPECT_EQ(pShadow->GetPaintedAlpha(), c.alpha) << c.dwOptions;
    BOOL bTransparent =
        (::GetWindowLong(pShadow->GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0;
    EXPECT_EQ(bTransparent, c.bClickThrough) << c.dwOptions;
  }
  std::vector<DWORD> bits(310 * 210, 0);
  m_pManager->SetOptions(6);
  ASSERT_TRUE(pShadow->DrawShadow(bits.data(), 310, 210));
  for (DWORD px : bits) ASSERT_EQ(px, 0u) << "hidden and not resizable draws nothing";
}

TEST_F(FrameShadowTest, LosingTheSizingBorderMakesTheShadowClickThrough) {
  CTKFrameShadow* pShadow = Enable();
  ASSERT_NE(pShadow, nullptr);
  HWND hShadow = pShadow->GetSafeHwnd();
  m_frame.ModifyStyle(WS_THICKFRAME, 0);
  EXPECT_TRUE(::GetWindowLong(hShadow, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
  m_frame.ModifyStyle(0, WS_THICKFRAME);
  EXPECT_FALSE(::GetWindowLong(hShadow, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
}

}  // namespace
