// A window's relatives: the frames, parents and owners above it, and the
// top-level window told when activation moves into or out of its family.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

/// Records the WM_ACTIVATETOPLEVEL messages it gets.
class CRecordingFrame : public CFrameWnd {
 public:
  struct Call {
    WPARAM wParam;
    HWND hWndActivated;
    HWND hWndOther;
  };
  std::vector<Call> m_calls;

  BOOL Make(CWnd* pParent = NULL, DWORD dwStyle = WS_OVERLAPPEDWINDOW) {
    return Create(NULL, "frame", dwStyle, CRect(0, 0, 300, 200), pParent);
  }

 protected:
  afx_msg LRESULT OnActivateTopLevel(WPARAM wParam, LPARAM lParam) {
    const HWND* pair = reinterpret_cast<const HWND*>(lParam);
    m_calls.push_back({wParam, pair[0], pair[1]});
    return CFrameWnd::OnActivateTopLevel(wParam, lParam);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingFrame, CFrameWnd)
ON_MESSAGE(WM_ACTIVATETOPLEVEL, OnActivateTopLevel)
END_MESSAGE_MAP()

BOOL MakeChild(CWnd& wnd, CWnd* pParent) {
  return wnd.Create(NULL, "", WS_VISIBLE, CRect(0, 0, 50, 50), pParent, 1);
}

BOOL MakePopup(CWnd& wnd, CWnd* pOwner) {
  return wnd.CreateEx(0, NULL, "", WS_POPUP, 0, 0, 50, 50, pOwner->GetSafeHwnd(), NULL);
}

class WndFamilyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_pFrame = new CRecordingFrame;  // frames delete themselves with their window
    ASSERT_TRUE(m_pFrame->Make());
    m_hFrame = m_pFrame->m_hWnd;
  }
  void TearDown() override {
    if (::IsWindow(m_hFrame)) m_pFrame->DestroyWindow();
  }

  CRecordingFrame* m_pFrame = nullptr;
  HWND m_hFrame = nullptr;
};

TEST_F(WndFamilyTest, ParentFrameAndTopLevelFrameWalkParentsAndOwners) {
  CWnd child, grandChild, popup, popupChild;
  ASSERT_TRUE(MakeChild(child, m_pFrame));
  ASSERT_TRUE(MakeChild(grandChild, &child));
  ASSERT_TRUE(MakePopup(popup, m_pFrame));
  ASSERT_TRUE(MakeChild(popupChild, &popup));
  // A frame inside the frame (as MDI children are) is the nearer one.
  CRecordingFrame* pInner = new CRecordingFrame;
  ASSERT_TRUE(pInner->Make(m_pFrame, WS_CHILD | WS_VISIBLE));
  CWnd innerChild;
  ASSERT_TRUE(MakeChild(innerChild, pInner));
  // A window nobody bound in between does not end the walk.
  HWND hRaw = ::CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 10, 10, m_hFrame, NULL, NULL, NULL);
  CWnd rawChild;
  ASSERT_TRUE(rawChild.Create(NULL, "", WS_VISIBLE, CRect(0, 0, 5, 5), CWnd::FromHandle(hRaw), 2));

  struct Case {
    const char* name;
    CWnd* pWnd;
    CFrameWnd* parentFrame;
    CFrameWnd* topLevelFrame;
  };
  const Case cases[] = {
      {"frame", m_pFrame, nullptr, m_pFrame},
      {"child", &child, m_pFrame, m_pFrame},
      {"grandchild", &grandChild, m_pFrame, m_pFrame},
      {"owned pop-up", &popup, m_pFrame, m_pFrame},
      {"child of pop-up", &popupChild, m_pFrame, m_pFrame},
      {"inner frame", pInner, m_pFrame, m_pFrame},
      {"child of inner frame", &innerChild, pInner, m_pFrame},
      {"below an unbound window", &rawChild, m_pFrame, m_pFrame},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.parentFrame, c.pWnd->GetParentFrame());
    EXPECT_EQ(c.topLevelFrame, c.pWnd->GetTopLevelFrame());
  }
  EXPECT_TRUE(m_pFrame->IsFrameWnd());
  EXPECT_FALSE(child.IsFrameWnd());
  ::DestroyWindow(hRaw);
}

TEST_F(WndFamilyTest, ParentOwnerStopsAtTheFirstPopupAndTopLevelParentFollowsOwners) {
  CWnd popup, popupChild, grandChild, lone;
  ASSERT_TRUE(MakePopup(popup, m_pFrame));
  ASSERT_TRUE(MakeChild(popupChild, &popup));
  ASSERT_TRUE(MakeChild(grandChild, &popupChild));
  ASSERT_TRUE(MakePopup(lone, NULL));

  EXPECT_EQ(&popup, grandChild.GetParentOwner());
  EXPECT_EQ(&popup, popup.GetParentOwner());
  EXPECT_EQ(m_pFrame, grandChild.GetTopLevelParent());
  EXPECT_EQ(m_pFrame, popup.GetTopLevelParent());
  EXPECT_EQ(&lone, lone.GetTopLevelParent());
  EXPECT_EQ(nullptr, lone.GetParentFrame());
  EXPECT_EQ(nullptr, lone.GetTopLevelFrame());

  // The owner is the parent unless one was named; naming one keeps the parent.
  EXPECT_EQ(&popupChild, grandChild.GetOwner());
  EXPECT_EQ(m_pFrame, popup.GetOwner());
  grandChild.SetOwner(m_pFrame);
  EXPECT_EQ(m_pFrame, grandChild.GetOwner());
  EXPECT_EQ(popupChild.m_hWnd, ::GetParent(grandChild.m_hWnd));

  // Nothing to walk from an object without a window, or from no object.
  CWnd unbound;
  CWnd* pNone = nullptr;
  EXPECT_EQ(nullptr, unbound.GetParentFrame());
  EXPECT_EQ(nullptr, unbound.GetTopLevelFrame());
  EXPECT_EQ(nullptr, unbound.GetTopLevelParent());
  EXPECT_EQ(nullptr, pNone->GetParentOwner());
  EXPECT_EQ(nullptr, pNone->GetTopLevelFrame());
}

TEST_F(WndFamilyTest, ActivationAcrossFamiliesIsAnnouncedToTheTopLevelWindow) {
  CWnd dialogLike, stranger;
  ASSERT_TRUE(MakePopup(dialogLike, m_pFrame));
  ASSERT_TRUE(MakePopup(stranger, NULL));
  // Deactivation, so that the default handling does not move the focus and
  // activate something for real.
  const WPARAM inactiveMinimized = MAKEWPARAM(WA_INACTIVE, 1);

  struct Case {
    const char* name;
    CWnd* pActivated;
    HWND hWndOther;
    bool announced;
  };
  const Case cases[] = {
      {"frame from a stranger", m_pFrame, stranger.m_hWnd, true},
      {"owned pop-up from a stranger", &dialogLike, stranger.m_hWnd, true},
      {"owned pop-up from nothing", &dialogLike, NULL, true},
      {"owned pop-up from its frame", &dialogLike, m_hFrame, false},
      {"frame from its own pop-up", m_pFrame, dialogLike.m_hWnd, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m_pFrame->m_calls.clear();
    c.pActivated->SendMessage(WM_ACTIVATE, inactiveMinimized,
                              reinterpret_cast<LPARAM>(c.hWndOther));
    ASSERT_EQ(c.announced ? 1u : 0u, m_pFrame->m_calls.size());
    if (!c.announced) continue;
    EXPECT_EQ(inactiveMinimized, m_pFrame->m_calls[0].wParam);
    EXPECT_EQ(c.pActivated->m_hWnd, m_pFrame->m_calls[0].hWndActivated);
    EXPECT_EQ(c.hWndOther, m_pFrame->m_calls[0].hWndOther);
  }

  // A child's activation is its top-level window's business.
  CWnd child;
  ASSERT_TRUE(MakeChild(child, m_pFrame));
  m_pFrame->m_calls.clear();
  child.SendMessage(WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(stranger.m_hWnd));
  EXPECT_EQ(0u, m_pFrame->m_calls.size());
}

TEST_F(WndFamilyTest, LeavingTheFamilyEndsTheFramesHelpMode) {
  CWnd stranger;
  ASSERT_TRUE(MakePopup(stranger, NULL));
  m_pFrame->m_bHelpMode = TRUE;
  m_pFrame->SendMessage(WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(stranger.m_hWnd));
  EXPECT_FALSE(m_pFrame->m_bHelpMode);
}

}  // namespace
