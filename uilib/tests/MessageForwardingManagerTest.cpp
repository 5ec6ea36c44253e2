// Mouse messages handed on to the deepest visible child under the cursor, in
// a shown parent with real children; the cursor is scripted.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "SupportSystem.h"
#include "testsupport/HostWindow.h"
#include "testsupport/MessageLoop.h"
#include "uilib/MessageForwardingManager.h"

CWinApp theApp("VelmMessageForwardingManagerTest");

namespace {

/// A child that keeps the mouse messages it receives.
class CRecordingChild : public CWnd {
 public:
  std::vector<MSG> m_received;

  bool CreateChild(CWnd* pParent, const CRect& rc) {
    return CWnd::Create("STATIC", "", WS_CHILD | WS_VISIBLE, rc, pParent, 0) != FALSE;
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if ((message >= WM_MOUSEFIRST && message <= WM_MOUSELAST))
      m_received.push_back(MSG{m_hWnd, message, wParam, lParam, 0, {0, 0}});
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

class MessageForwardingManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_host.CreateHost(400, 300));
    // Children count as visible only in a shown parent; off the screen, the
    // real mouse sends none of its own messages.
    m_host.SetWindowPos(NULL, -2000, -2000, 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    m_manager.m_pOwner = &m_host;
  }
  CRecordingChild* AddChild(CWnd* pParent, const CRect& rc) {
    m_children.push_back(std::make_unique<CRecordingChild>());
    EXPECT_TRUE(m_children.back()->CreateChild(pParent, rc));
    return m_children.back().get();
  }
  /// The cursor at the host's client point.
  void CursorAt(int x, int y) {
    POINT pt = {x, y};
    m_host.ClientToScreen(&pt);
    m_system.m_ptCursor = pt;
  }
  int TotalReceived() {
    DispatchPendingMessages();
    size_t n = 0;
    for (const auto& child : m_children) n += child->m_received.size();
    return static_cast<int>(n);
  }

  CScriptedSystem m_system;
  CTestHostWindow m_host;
  std::vector<std::unique_ptr<CRecordingChild>> m_children;
  CMessageForwardingManager m_manager;
};

TEST_F(MessageForwardingManagerTest, NothingIsPostedWhereNoVisibleChildIs) {
  AddChild(&m_host, CRect(10, 10, 100, 100));
  CursorAt(300, 250);
  m_manager.ForwardMouseMove(0, CPoint(300, 250));
  m_manager.ForwardLButtonDown(MK_LBUTTON, CPoint(300, 250));
  EXPECT_FALSE(m_manager.ForwardMouseWheel(0, 120, CPoint(300, 250)));
  EXPECT_EQ(0, TotalReceived());

  CMessageForwardingManager ownerless;
  CursorAt(50, 50);
  ownerless.ForwardMouseMove(0, CPoint(50, 50));
  EXPECT_FALSE(ownerless.ForwardMouseWheel(0, 120, CPoint(50, 50)));
  EXPECT_EQ(0, TotalReceived());
}

TEST_F(MessageForwardingManagerTest, TheDeepestChildGetsItInItsOwnCoordinates) {
  CRecordingChild* pOuter = AddChild(&m_host, CRect(10, 10, 210, 160));
  CRecordingChild* pInner = AddChild(pOuter, CRect(20, 30, 120, 80));  // host 30,40 - 130,90
  pInner->EnableWindow(FALSE);  // disabled windows are targets too
  const struct {
    void (CMessageForwardingManager::*pfn)(UINT, POINT);
    UINT message;
  } kinds[] = {{&CMessageForwardingManager::ForwardLButtonDown, WM_LBUTTONDOWN},
               {&CMessageForwardingManager::ForwardLButtonUp, WM_LBUTTONUP},
               {&CMessageForwardingManager::ForwardRButtonDown, WM_RBUTTONDOWN},
               {&CMessageForwardingManager::ForwardRButtonUp, WM_RBUTTONUP},
               {&CMessageForwardingManager::ForwardMouseMove, WM_MOUSEMOVE}};
  CursorAt(50, 60);
  for (const auto& kind : kinds) (m_manager.*kind.pfn)(MK_SHIFT, CPoint(50, 60));
  EXPECT_EQ(5, TotalReceived());
  ASSERT_EQ(5u, pInner->m_received.size());
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(kinds[i].message, pInner->m_received[i].message);
    EXPECT_EQ(static_cast<WPARAM>(MK_SHIFT), pInner->m_received[i].wParam);
    EXPECT_EQ(MAKELPARAM(20, 20), pInner->m_received[i].lParam);
  }

  EXPECT_TRUE(m_manager.ForwardMouseWheel(MK_CONTROL, -120, CPoint(50, 60)));
  DispatchPendingMessages();
  ASSERT_EQ(6u, pInner->m_received.size());
  EXPECT_EQ(static_cast<UINT>(WM_MOUSEWHEEL), pInner->m_received[5].message);
  EXPECT_EQ(MAKEWPARAM(MK_CONTROL, static_cast<WORD>(-120)), pInner->m_received[5].wParam);

  // Beside the inner child the outer one is the deepest. (The wheel went up
  // to it from the inner child's default handling.)
  pOuter->m_received.clear();
  CursorAt(180, 140);
  m_manager.ForwardMouseMove(0, CPoint(180, 140));
  DispatchPendingMessages();
  ASSERT_EQ(1u, pOuter->m_received.size());
  EXPECT_EQ(MAKELPARAM(170, 130), pOuter->m_received[0].lParam);
}

TEST_F(MessageForwardingManagerTest, OfOverlappingChildrenTheUpperOneAndHiddenOnesSkipped) {
  CRecordingChild* pFirst = AddChild(&m_host, CRect(10, 10, 110, 110));
  CRecordingChild* pSecond = AddChild(&m_host, CRect(60, 60, 160, 160));
  CursorAt(80, 80);
  for (CRecordingChild* pUpper : {pFirst, pSecond}) {
    pUpper->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    pFirst->m_received.clear();
    pSecond->m_received.clear();
    m_manager.ForwardLButtonDown(MK_LBUTTON, CPoint(80, 80));
    EXPECT_EQ(1, TotalReceived());
    EXPECT_EQ(1u, pUpper->m_received.size());
  }
  // The upper one hidden, the search goes on below it.
  pSecond->ShowWindow(SW_HIDE);
  pFirst->m_received.clear();
  pSecond->m_received.clear();
  m_manager.ForwardLButtonDown(MK_LBUTTON, CPoint(80, 80));
  EXPECT_EQ(1, TotalReceived());
  EXPECT_EQ(1u, pFirst->m_received.size());
}

}  // namespace
