// The context's mouse routing through a hidden host window: hover chains,
// capture, buttons, the wheel, the cursor and text tooltips.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SupportElements.h"
#include "TKMarkupButtonBase.h"
#include "markup/TKMarkupInputElement.h"
#include "TKMarkupString.h"
#include "TKMarkupToolTipContext.h"
#include "TKMarkupToolTipRelay.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"
#include "SupportMarkup.h"

namespace {

typedef CTKMarkupInputElement IE;

// Root: TestStack (white) over Outer (0..30, Leaf 0..20 with 10 of margin
// below) and Other (30..50).
const wchar_t kTree[] =
    L"<TestStack Name='Root' Background='White'>"
    L"  <TestStack Name='Outer' Background='Red' Cursor='Hand' ToolTip='Outer tip'>"
    L"    <Control Name='Leaf' Height='20' Margin='0,0,0,10'/>"
    L"  </TestStack>"
    L"  <Control Name='Other' Height='20'/>"
    L"</TestStack>";

class MouseInput : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_host.Create(300, 300));
    std::string error;
    ASSERT_TRUE(m_host.Load(kTree, &error)) << error;
    for (LPCWSTR name : {L"Root", L"Outer", L"Leaf", L"Other"}) {
      CTKMarkupObject* p = m_host.Find(name);
      ASSERT_NE(nullptr, p);
      std::string n = CStringA(name).GetString();
      Record(p, IE::MouseEnterEvent, &m_log, n);
      Record(p, IE::MouseLeaveEvent, &m_log, n);
    }
  }
  IE* Element(LPCWSTR name) { return static_cast<IE*>(m_host.Find(name)); }
  std::string TakeLog() {
    std::string log = m_log;
    m_log.clear();
    return log;
  }

  CMarkupHostWindow m_host;
  std::string m_log;
};

TEST_F(MouseInput, HoverChainsEnterAndLeaveInnermostFirstWithoutCommonAncestors) {
  m_host.Mouse(WM_MOUSEMOVE, 10, 10);  // Leaf
  EXPECT_EQ("Leaf:MouseEnter Outer:MouseEnter Root:MouseEnter", TakeLog());
  EXPECT_TRUE(Element(L"Leaf")->IsMouseOver());
  EXPECT_TRUE(Element(L"Root")->IsMouseOver());

  m_host.Mouse(WM_MOUSEMOVE, 10, 25);  // Outer only: the parent neither leaves nor enters
  EXPECT_EQ("Leaf:MouseLeave", TakeLog());
  EXPECT_FALSE(Element(L"Leaf")->IsMouseOver());
  EXPECT_TRUE(Element(L"Outer")->IsMouseOver());

  m_host.Mouse(WM_MOUSEMOVE, 10, 12);  // back to the child: it alone enters
  EXPECT_EQ("Leaf:MouseEnter", TakeLog());

  m_host.Mouse(WM_MOUSEMOVE, 10, 40);  // Other
  EXPECT_EQ("Leaf:MouseLeave Outer:MouseLeave Other:MouseEnter", TakeLog());

  m_host.SendMessage(WM_MOUSELEAVE);
  EXPECT_EQ("Other:MouseLeave Root:MouseLeave", TakeLog());
  EXPECT_EQ(nullptr, m_host.GetContext()->GetHoverElement());
  EXPECT_FALSE(Element(L"Root")->IsMouseOver());
}

TEST_F(MouseInput, AHandledEnterStopsTheChain) {
  Record(Element(L"Leaf"), IE::MouseEnterEvent, &m_log, "stop", TRUE);
  m_host.Mouse(WM_MOUSEMOVE, 10, 10);
  EXPECT_EQ("Leaf:MouseEnter stop:MouseEnter", TakeLog());
  // Its own handler did not run either.
  EXPECT_FALSE(Element(L"Leaf")->IsMouseOver());
  EXPECT_FALSE(Element(L"Outer")->IsMouseOver());
}

TEST_F(MouseInput, MovesRaiseMouseMoveAlongTheChainAndTrackTheLeave) {
  for (LPCWSTR name : {L"Leaf", L"Root"})
    Record(Element(name), IE::MouseMoveEvent, &m_log, CStringA(name).GetString());
  m_host.Mouse(WM_MOUSEMOVE, 10, 10);
  m_host.Mouse(WM_MOUSEMOVE, 11, 10);
  EXPECT_EQ(
      "Leaf:MouseEnter Outer:MouseEnter Root:MouseEnter Leaf:MouseMove Root:MouseMove "
      "Leaf:MouseMove Root:MouseMove",
      TakeLog());
  EXPECT_EQ(Element(L"Leaf"), m_host.GetContext()->GetHoverElement());
}

TEST_F(MouseInput, ANullRootOrAMissingWindowHandlesNothing) {
  m_host.Mouse(WM_MOUSEMOVE, 10, 10);
  TakeLog();
  LRESULT lResult = 0;
  EXPECT_FALSE(
      m_host.GetContext()->OnWndMsg(nullptr, WM_MOUSEMOVE, 0, MAKELPARAM(10, 40), &lResult));
  EXPECT_EQ("Leaf:MouseLeave Outer:MouseLeave Root:MouseLeave", TakeLog());

  CTestContext windowless;
  EXPECT_FALSE(windowless->OnWndMsg(m_host.GetRoot(), WM_MOUSEMOVE, 0, 0, &lResult));
}

TEST_F(MouseInput, TheCursorComesFromTheInnermostElementThatSetsOne) {
  m_host.Mouse(WM_MOUSEMOVE, 10, 10);  // Leaf has none, Outer has Hand
  m_host.m_lResult = 0;
  m_host.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_host.GetSafeHwnd()), HTCLIENT);
  EXPECT_TRUE(m_host.m_bHandled);
  EXPECT_EQ(1, m_host.m_lResult);
  EXPECT_EQ(::LoadCursor(nullptr, IDC_HAND), ::GetCursor());

  m_host.Mouse(WM_MOUSEMOVE, 10, 40);  // Other and Root set none
  m_host.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_host.GetSafeHwnd()), HTCLIENT);
  EXPECT_FALSE(m_host.m_bHandled);
}

TEST_F(MouseInput, CursorNoneEndsTheSearchWithoutACursor) {
  CTKMarkupObject* pLeaf = Element(L"Leaf");
  pLeaf->SetValue(IE::CursorProperty, new CTKMarkupInt(0));
  m_host.Mouse(WM_MOUSEMOVE, 10, 10);
  m_host.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_host.GetSafeHwnd()), HTCLIENT);
  EXPECT_FALSE(m_host.m_bHandled);
}

TEST_F(MouseInput, ButtonMessagesGoAlongTheChainAndLeaveTheResultAlone) {
  for (LPCWSTR name : {L"Leaf", L"Outer"}) {
    std::string n = CStringA(name).GetString();
    Record(Element(name), IE::MouseLeftButtonDownEvent, &m_log, n);
    Record(Element(name), IE::MouseRightButtonUpEvent, &m_log, n, name[0] == L'O');
  }
  m_host.Mouse(WM_MOUSEMOVE, 10, 10);
  TakeLog();
  LRESULT lResult = 77;
  CTKMarkupContext* pContext = m_host.GetContext();
  EXPECT_FALSE(pContext->OnWndMsg(m_host.GetRoot(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10),
                                  &lResult));
  // A double click is a second press, never an event of its own.
  EXPECT_FALSE(pContext->OnWndMsg(m_host.GetRoot(), WM_LBUTTONDBLCLK, MK_LBUTTON,
                                  MAKELPARAM(10, 10), &lResult));
  EXPECT_EQ(
      "Leaf:MouseLeftButtonDown Outer:MouseLeftButtonDown Leaf:MouseLeftButtonDown "
      "Outer:MouseLeftButtonDown",
      TakeLog());
  EXPECT_TRUE(pContext->OnWndMsg(m_host.GetRoot(), WM_RBUTTONUP, 0, MAKELPARAM(10, 10), &lResult));
  EXPECT_EQ("Leaf:MouseRightButtonUp Outer:MouseRightButtonUp", TakeLog());
  EXPECT_EQ(77, lResult);
}

TEST_F(MouseInput, WithoutAHoveredElementNothingTakesTheWheelOrTheButtons) {
  LRESULT lResult = 77;
  CTKMarkupContext* pContext = m_host.GetContext();
  EXPECT_FALSE(
      pContext->OnWndMsg(m_host.GetRoot(), WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0, &lResult));
  EXPECT_FALSE(pContext->OnWndMsg(m_host.GetRoot(), WM_LBUTTONDOWN, 0, 0, &lResult));
  EXPECT_EQ(77, lResult);
}

// --- capture --------------------------------------------------------------------------

TEST(MouseCapture, ACapturedButtonLosesTheHoverOutsideAndStillGetsTheRelease) {
  CMarkupHostWindow host;
  ASSERT_TRUE(host.Create(300, 300));
  std::string error;
  ASSERT_TRUE(
      host.Load(L"<TestStack Background='White'><Button Name='B' Height='30'/>"
                L"<Control Name='Other' Height='30'/></TestStack>",
                &error))
      << error;
  std::string log;
  CTKMarkupObject* pButton = host.Find(L"B");
  Record(pButton, IE::MouseLeaveEvent, &log, "B");
  Record(pButton, IE::MouseLeftButtonUpEvent, &log, "B");
  Record(pButton, CTKMarkupButtonBase::ClickEvent, &log, "B");
  host.Mouse(WM_MOUSEMOVE, 10, 10);
  host.Mouse(WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
  EXPECT_EQ(pButton, host.GetContext()->GetCaptureElement());
  EXPECT_EQ(host.GetSafeHwnd(), ::GetCapture());

  host.Mouse(WM_MOUSEMOVE, 10, 45, MK_LBUTTON);  // over Other
  EXPECT_EQ(nullptr, host.GetContext()->GetHoverElement());
  host.Mouse(WM_LBUTTONUP, 10, 45);
  EXPECT_EQ("B:MouseLeave B:MouseLeftButtonUp", log);
  EXPECT_EQ(nullptr, host.GetContext()->GetCaptureElement());
  EXPECT_NE(host.GetSafeHwnd(), ::GetCapture());
}

TEST(MouseCapture, ALostCaptureRaisesItsEventAndIsForgotten) {
  CMarkupHostWindow host;
  ASSERT_TRUE(host.Create(300, 300));
  ASSERT_TRUE(
      host.Load(L"<TestStack Background='White'><Button Name='B' Height='30'/>"
                L"</TestStack>"));
  std::string log;
  CTKMarkupButtonBase* pButton = static_cast<CTKMarkupButtonBase*>(host.Find(L"B"));
  Record(pButton, IE::LostMouseCaptureEvent, &log, "B");
  Record(pButton, CTKMarkupButtonBase::ClickEvent, &log, "B");
  host.Mouse(WM_MOUSEMOVE, 10, 10);
  host.Mouse(WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
  ASSERT_TRUE(pButton->IsPressed());
  ::ReleaseCapture();  // someone else takes the mouse
  EXPECT_EQ("B:LostMouseCapture", log);
  EXPECT_EQ(nullptr, host.GetContext()->GetCaptureElement());
  EXPECT_FALSE(pButton->IsPressed());
  host.Mouse(WM_LBUTTONUP, 10, 10);
  EXPECT_EQ("B:LostMouseCapture", log);  // no click
}

// --- tooltips -------------------------------------------------------------------------

class CRecordingRelay : public ITKMarkupToolTipRelay {
 public:
  void RelayToolTipMessage(HWND hWnd, UINT message, WPARAM, LPARAM) override {
    windows.push_back(hWnd);
    messages.push_back(message);
  }
  std::vector<HWND> windows;
  std::vector<UINT> messages;
};

TEST_F(MouseInput, MouseMessagesReachTheTooltipRelay) {
  CRecordingRelay relay;
  m_host.GetContext()->SetToolTipRelay(&relay);
  m_host.Mouse(WM_MOUSEMOVE, 10, 10);
  m_host.SendMessage(WM_SETCURSOR, 0, HTCLIENT);
  m_host.Mouse(WM_LBUTTONDOWN, 10, 10);
  m_host.Mouse(WM_LBUTTONUP, 10, 10);
  m_host.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
  m_host.SendMessage(WM_MOUSELEAVE);
  m_host.GetContext()->SetToolTipRelay(nullptr);
  EXPECT_EQ((std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSELEAVE}),
            relay.messages);
  EXPECT_EQ(m_host.GetSafeHwnd(), relay.windows[0]);
}

TEST_F(MouseInput, TheToolIsTheInnermostElementWithATextTip) {
  CTKMarkupContext* pContext = m_host.GetContext();
  TOOLINFO ti = {sizeof(ti)};
  EXPECT_EQ(-1, pContext->FindToolTip(CPoint(10, 10), &ti));  // nothing hovered

  // The leaf's tip is an element: not shown, the outer text tip is.
  CTKMarkupObject* pLeaf = Element(L"Leaf");
  pLeaf->SetValue(IE::ToolTipProperty,
                  pContext->CreateMarkupObject(TKMarkupTypeRow(TKMarkupRow_Control)));
  m_host.Mouse(WM_MOUSEMOVE, 10, 10);
  INT_PTR nId = pContext->FindToolTip(CPoint(10, 10), &ti);
  EXPECT_EQ(reinterpret_cast<INT_PTR>(Element(L"Outer")), nId);
  EXPECT_EQ(m_host.GetSafeHwnd(), ti.hwnd);
  EXPECT_EQ(static_cast<UINT_PTR>(nId), ti.uId);
  EXPECT_EQ(CRect(0, 0, 300, 30), CRect(ti.rect));
  ASSERT_NE(nullptr, ti.lpszText);
  EXPECT_STREQ("Outer tip", ti.lpszText);
  free(ti.lpszText);

  m_host.Mouse(WM_MOUSEMOVE, 10, 40);  // Other, under a root without a tip
  EXPECT_EQ(-1, pContext->FindToolTip(CPoint(10, 40), nullptr));
}

TEST_F(MouseInput, TheMarkupTooltipContextAsksTheContextForItsTool) {
  CTKMarkupToolTipContext tips(m_host.GetContext());
  EXPECT_EQ(CTKToolTipContext::styleMarkup, tips.GetStyle());
  m_host.GetContext()->SetToolTipRelay(&tips);
  m_host.Mouse(WM_MOUSEMOVE, 10, 10);  // also relayed to the tip window
  TOOLINFO ti = {sizeof(ti)};
  EXPECT_EQ(reinterpret_cast<INT_PTR>(Element(L"Outer")),
            tips.OnToolHitTest(&m_host, CPoint(10, 10), &ti));
  EXPECT_STREQ("Outer tip", ti.lpszText);
  free(ti.lpszText);
  m_host.GetContext()->SetToolTipRelay(nullptr);
}

}  // namespace
