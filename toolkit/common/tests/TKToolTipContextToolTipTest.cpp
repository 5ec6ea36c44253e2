// The toolkit tip windows with a scripted clock, cursor and timers: when they
// show, where they go, and what they draw (through WM_PRINTCLIENT).
#include "common/TKToolTipContextToolTip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "SupportIcons.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"
#include "common/TKImageManagerIconHandle.h"
#include "common/TKMarkupCaptionApi.h"
#include "common/TKOSVersionHelper.h"
#include "common/TKRichRender.h"
#include "common/TKToolTipSystem.h"
#include "testsupport/DibSurface.h"
#include "testsupport/HostWindow.h"
#include "testsupport/MessageLoop.h"

namespace {

/// Time, cursor and the window under it as the test says; timers recorded.
class CScriptedSystem : public CTKToolTipSystem {
 public:
  DWORD GetTickCount() override { return dwTick; }
  CPoint GetCursorPos() override { return ptCursor; }
  BOOL IsMouseButtonDown() override { return FALSE; }
  HWND WindowFromPoint(POINT) override { return hWndUnder; }
  void SetTimer(HWND, UINT_PTR nID, UINT nElapse) override { timers[nID] = nElapse; }
  void KillTimer(HWND, UINT_PTR nID) override { timers.erase(nID); }

  DWORD dwTick = 100000;
  CPoint ptCursor;
  HWND hWndUnder = NULL;
  std::map<UINT_PTR, UINT> timers;
};

class ToolTipWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKSetToolTipSystem(&m_system);
    ASSERT_TRUE(m_owner.CreateHost(400, 300));
    m_system.hWndUnder = m_owner.GetSafeHwnd();
  }
  void TearDown() override {
    delete m_pTip;
    TKSetToolTipSystem(nullptr);
  }

  void MakeTip(int nStyle) {
    m_context.SetStyle(nStyle);
    m_pTip = static_cast<CTKToolTipContextToolTip*>(m_context.CreateToolTip(&m_owner));
    ASSERT_NE(nullptr, m_pTip);
    m_pTip->SendMessage(TTM_ACTIVATE, TRUE);
  }

  void AddTool(UINT_PTR nID, const CRect& rc, LPCSTR lpszText, HWND hWnd = NULL) {
    TOOLINFO ti = {};
    ti.cbSize = CTKToolTipContext::kToolInfoSize;
    ti.hwnd = hWnd != NULL ? hWnd : m_owner.GetSafeHwnd();
    ti.uId = nID;
    ti.rect = rc;
    ti.lpszText = const_cast<LPSTR>(lpszText);
    m_pTip->SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&ti));
  }

  void UpdateText(UINT_PTR nID, LPCSTR lpszText) {
    TOOLINFO ti = {};
    ti.cbSize = CTKToolTipContext::kToolInfoSize;
    ti.hwnd = m_owner.GetSafeHwnd();
    ti.uId = nID;
    ti.lpszText = const_cast<LPSTR>(lpszText);
    m_pTip->SendMessage(TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&ti));
  }

  /// Puts the cursor at the client point of the owner and relays a message.
  void Relay(int x, int y, UINT message = WM_MOUSEMOVE, HWND hWnd = NULL) {
    if (hWnd == NULL) hWnd = m_owner.GetSafeHwnd();
    CPoint pt(x, y);
    ::ClientToScreen(hWnd, &pt);
    m_system.ptCursor = pt;
    MSG msg = {};
    msg.hwnd = hWnd;
    msg.message = message;
    msg.pt = pt;
    msg.lParam = MAKELPARAM(x, y);
    m_pTip->SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
  }

  void FireShowTimer() {
    ASSERT_EQ(1u, m_system.timers.count(CTKToolTipContextToolTip::timerShow));
    m_pTip->SendMessage(WM_TIMER, CTKToolTipContextToolTip::timerShow);
  }

  UINT_PTR ShownID() const {
    CTKToolTipContextToolTip::TOOLITEM* pTool = m_pTip->GetCurrentTool();
    return pTool != nullptr ? pTool->nID : 0;
  }

  CRect TipRect() const {
    CRect rc;
    m_pTip->GetWindowRect(&rc);
    return rc;
  }

  /// The tip's client area as WM_PRINTCLIENT paints it.
  void PrintInto(CDibSurface& surface) {
    m_pTip->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.GetSafeHdc()), PRF_CLIENT);
  }

  CScriptedSystem m_system;
  CTestHostWindow m_owner;
  CTKToolTipContext m_context;
  CTKToolTipContextToolTip* m_pTip = nullptr;
};

TEST_F(ToolTipWindowTest, InitialDelayThenReshowDelay) {
  MakeTip(CTKToolTipContext::stylePlain);
  AddTool(1, CRect(0, 0, 50, 20), "One");
  AddTool(2, CRect(60, 0, 110, 20), "Two");

  Relay(10, 10);
  EXPECT_EQ(500u, m_system.timers[CTKToolTipContextToolTip::timerShow]);
  EXPECT_FALSE(m_pTip->IsWindowVisible());
  m_system.dwTick += 500;
  FireShowTimer();
  EXPECT_EQ(1u, ShownID());
  EXPECT_TRUE(m_pTip->IsWindowVisible());

  // Within the reshow delay the next tool shows at once.
  m_system.dwTick += 150;
  Relay(70, 10);
  EXPECT_EQ(2u, ShownID());
  EXPECT_EQ(0u, m_system.timers.count(CTKToolTipContextToolTip::timerShow));

  // Away from the tools the tip hides; after a pause the initial delay is back.
  Relay(200, 200);
  EXPECT_EQ(0u, ShownID());
  EXPECT_FALSE(m_pTip->IsWindowVisible());
  m_system.dwTick += 1000;
  Relay(10, 10);
  EXPECT_EQ(0u, ShownID());
  EXPECT_EQ(500u, m_system.timers[CTKToolTipContextToolTip::timerShow]);
}

TEST_F(ToolTipWindowTest, DelaysFromTheContext) {
  m_context.SetDelayTime(TTDT_INITIAL, 900);
  MakeTip(CTKToolTipContext::stylePlain);
  m_pTip->SendMessage(TTM_SETDELAYTIME, TTDT_INITIAL, MAKELONG(900, 0));
  m_pTip->SendMessage(TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELONG(3000, 0));
  AddTool(1, CRect(0, 0, 50, 20), "One");
  Relay(10, 10);
  EXPECT_EQ(900u, m_system.timers[CTKToolTipContextToolTip::timerShow]);
  FireShowTimer();
  EXPECT_EQ(3000u, m_system.timers[CTKToolTipContextToolTip::timerAutoPop]);
  m_pTip->SendMessage(WM_TIMER, CTKToolTipContextToolTip::timerAutoPop);
  EXPECT_EQ(0u, ShownID());
  EXPECT_FALSE(m_pTip->IsActive());
}

TEST_F(ToolTipWindowTest, AClickSuppressesTheToolUntilAnotherTipWasShown) {
  MakeTip(CTKToolTipContext::stylePlain);
  AddTool(1, CRect(0, 0, 50, 20), "One");
  AddTool(2, CRect(60, 0, 110, 20), "Two");
  Relay(10, 10);
  FireShowTimer();
  ASSERT_EQ(1u, ShownID());

  Relay(10, 10, WM_LBUTTONDOWN);
  EXPECT_EQ(0u, ShownID());
  m_system.dwTick += 1000;
  Relay(12, 10);
  EXPECT_EQ(0u, m_system.timers.count(CTKToolTipContextToolTip::timerShow));
  EXPECT_EQ(0u, ShownID());

  Relay(70, 10);
  FireShowTimer();
  EXPECT_EQ(2u, ShownID());
  m_system.dwTick += 1000;
  Relay(10, 10);
  FireShowTimer();
  EXPECT_EQ(1u, ShownID());
}

TEST_F(ToolTipWindowTest, TipGoesBelowTheCursorOrAboveItAtTheBottomOfTheWorkArea) {
  MakeTip(CTKToolTipContext::stylePlain);
  CRect rcWork = TKMultiMonitorApi()->GetWorkAreaFromPoint(CPoint(100, 100));
  m_owner.SetWindowPos(nullptr, 100, rcWork.bottom - 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  AddTool(1, CRect(0, 0, 50, 20), "One");
  AddTool(2, CRect(0, 40, 50, 60), "Two");
  Relay(10, 10);
  FireShowTimer();
  CRect rc = TipRect();
  EXPECT_EQ(m_system.ptCursor.x, rc.left);
  EXPECT_EQ(m_system.ptCursor.y + CTKToolTipContextToolTip::GetVisibleCursorHeight(), rc.top);

  m_system.dwTick += 50;
  Relay(10, 50);
  ASSERT_EQ(2u, ShownID());
  rc = TipRect();
  EXPECT_EQ(m_system.ptCursor.y - 3, rc.bottom);
  EXPECT_EQ(m_system.ptCursor.x, rc.left);
}

TEST_F(ToolTipWindowTest, RightToLeftToolOpensToTheLeftWithRightAlignedText) {
  CWnd rtl;
  ASSERT_TRUE(rtl.CreateEx(WS_EX_LAYOUTRTL, AfxRegisterWndClass(0), "", WS_POPUP, 300, 200, 300,
                           100, NULL, NULL));
  m_system.hWndUnder = rtl.GetSafeHwnd();
  m_context.SetMaxTipWidth(300);
  MakeTip(CTKToolTipContext::stylePlain);
  AddTool(1, CRect(0, 0, 200, 50), "Wide text in one line", rtl.GetSafeHwnd());
  Relay(20, 20, WM_MOUSEMOVE, rtl.GetSafeHwnd());
  FireShowTimer();
  ASSERT_EQ(1u, ShownID());
  CRect rc = TipRect();
  EXPECT_EQ(m_system.ptCursor.x, rc.right);

  // Paint it wider than its text: the text keeps to the right.
  m_pTip->SetWindowPos(nullptr, 0, 0, rc.Width() + 200, rc.Height(),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  CRect rcClient;
  m_pTip->GetClientRect(&rcClient);
  CDibSurface surface(rcClient.Width(), rcClient.Height());
  PrintInto(surface);
  COLORREF clrBack = m_context.GetBackColor();
  int nHalf = rcClient.Width() / 2;
  CRect rcLeft(4, 4, nHalf, rcClient.Height() - 4);
  CRect rcRight(nHalf, 4, rcClient.Width() - 4, rcClient.Height() - 4);
  EXPECT_EQ(rcLeft.Width() * rcLeft.Height(), surface.CountPixels(rcLeft, clrBack));
  EXPECT_LT(surface.CountPixels(rcRight, clrBack), rcRight.Width() * rcRight.Height());
}

TEST_F(ToolTipWindowTest, OfficeTipIsAGradientFromWhiteWithAGreyFrameAndCutCorners) {
  MakeTip(CTKToolTipContext::styleOffice);
  AddTool(1, CRect(0, 0, 50, 20), "Office look");
  Relay(10, 10);
  FireShowTimer();
  ASSERT_EQ(1u, ShownID());
  CRect rc;
  m_pTip->GetClientRect(&rc);
  CDibSurface surface(rc.Width(), rc.Height(), RGB(0, 255, 0));
  PrintInto(surface);
  EXPECT_EQ(RGB(0x76, 0x76, 0x76), surface.GetPixel(0, rc.Height() / 2));
  EXPECT_EQ(RGB(0x76, 0x76, 0x76), surface.GetPixel(rc.Width() / 2, rc.Height() - 1));
  COLORREF clrTop = surface.GetPixel(1, 1);
  EXPECT_GE(GetRValue(clrTop), 0xF8);
  EXPECT_GE(GetGValue(clrTop), 0xF8);
  EXPECT_GE(GetBValue(clrTop), 0xF8);
  // 0xEFD9C9 as a COLORREF: red 0xC9, green 0xD9, blue 0xEF, reached at the bottom.
  COLORREF clrBottom = surface.GetPixel(1, rc.Height() - 2);
  EXPECT_NEAR(0xC9, GetRValue(clrBottom), 6);
  EXPECT_NEAR(0xD9, GetGValue(clrBottom), 6);
  EXPECT_NEAR(0xEF, GetBValue(clrBottom), 6);
  // The window region leaves the corner pixels out.
  HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(ERROR, m_pTip->GetWindowRgn(hRgn));
  EXPECT_FALSE(::PtInRegion(hRgn, 0, 0));
  EXPECT_TRUE(::PtInRegion(hRgn, 1, 0));
  EXPECT_FALSE(::PtInRegion(hRgn, rc.Width() - 1, rc.Height() - 1));
  ::DeleteObject(hRgn);
}

TEST_F(ToolTipWindowTest, Office2013TipIsWhiteInAGreyFrame) {
  MakeTip(CTKToolTipContext::styleOffice2013);
  AddTool(1, CRect(0, 0, 50, 20), "Flat");
  Relay(10, 10);
  FireShowTimer();
  CRect rc;
  m_pTip->GetClientRect(&rc);
  CDibSurface surface(rc.Width(), rc.Height(), RGB(0, 255, 0));
  PrintInto(surface);
  EXPECT_EQ(RGB(0xBE, 0xBE, 0xBE), surface.GetPixel(0, 0));
  EXPECT_EQ(RGB(0xFF, 0xFF, 0xFF), surface.GetPixel(2, 2));
  EXPECT_GT(surface.CountPixels(RGB(0x5D, 0x5D, 0x5D)), 0);
}

TEST_F(ToolTipWindowTest, TitleIconAndTextMakeTheTipLarger) {
  MakeTip(CTKToolTipContext::stylePlain);
  AddTool(1, CRect(0, 0, 50, 20), "Text");
  CTKToolTipContextToolTip::TOOLITEM* pTool = nullptr;
  Relay(10, 10);
  FireShowTimer();
  pTool = m_pTip->GetCurrentTool();
  ASSERT_NE(nullptr, pTool);
  CSize sizePlain = m_pTip->CalcSize(pTool);
  m_pTip->SendMessage(TTM_SETTITLE, TTI_INFO, reinterpret_cast<LPARAM>("A much longer title"));
  CSize sizeTitled = m_pTip->CalcSize(pTool);
  EXPECT_GT(sizeTitled.cx, sizePlain.cx);
  EXPECT_GT(sizeTitled.cy, sizePlain.cy);
  // No text, no tip.
  m_pTip->SendMessage(TTM_SETTITLE, 0, 0);
  UpdateText(1, "");
  EXPECT_EQ(CSize(0, 0), m_pTip->CalcSize(pTool));
}

/// A tool window that answers the text callback and deletes the tool it is
/// told about from its TTN_SHOW.
class CCallbackToolWindow : public CTestHostWindow {
 public:
  HWND hWndTip = NULL;
  BOOL bDeleteOnShow = FALSE;
  int nAsked = 0;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_NOTIFY) {
      NMHDR* pHdr = reinterpret_cast<NMHDR*>(lParam);
      if (pHdr->code == TTN_GETDISPINFOA) {
        nAsked++;
        reinterpret_cast<NMTTDISPINFOA*>(lParam)->lpszText = const_cast<LPSTR>("&Asked text");
        return 0;
      }
      if (pHdr->code == TTN_SHOW && bDeleteOnShow) {
        TOOLINFO ti = {};
        ti.cbSize = CTKToolTipContext::kToolInfoSize;
        ti.hwnd = m_hWnd;
        ti.uId = pHdr->idFrom;
        ::SendMessage(hWndTip, TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&ti));
        return 0;
      }
    }
    return CTestHostWindow::WindowProc(message, wParam, lParam);
  }
};

TEST_F(ToolTipWindowTest, TextCallbackIsAskedOnceAndLosesItsMnemonics) {
  CCallbackToolWindow tools;
  ASSERT_TRUE(tools.CreateHost());
  m_system.hWndUnder = tools.GetSafeHwnd();
  m_context.ModifyToolTipStyle(TTS_NOPREFIX, 0);
  MakeTip(CTKToolTipContext::stylePlain);
  AddTool(1, CRect(0, 0, 50, 20), LPSTR_TEXTCALLBACK, tools.GetSafeHwnd());
  Relay(10, 10, WM_MOUSEMOVE, tools.GetSafeHwnd());
  FireShowTimer();
  ASSERT_EQ(1u, ShownID());
  EXPECT_EQ(CString("Asked text"), m_pTip->GetToolText(m_pTip->GetCurrentTool()));
  EXPECT_EQ(1, tools.nAsked);
}

TEST_F(ToolTipWindowTest, DeletingTheShownToolFromItsShowNotificationWaitsUntilItReturned) {
  CCallbackToolWindow tools;
  ASSERT_TRUE(tools.CreateHost());
  m_system.hWndUnder = tools.GetSafeHwnd();
  MakeTip(CTKToolTipContext::stylePlain);
  tools.hWndTip = m_pTip->GetSafeHwnd();
  tools.bDeleteOnShow = TRUE;
  AddTool(5, CRect(0, 0, 50, 20), "Short-lived", tools.GetSafeHwnd());
  Relay(10, 10, WM_MOUSEMOVE, tools.GetSafeHwnd());
  FireShowTimer();
  // The record outlived the notification; the deletion comes afterwards.
  ASSERT_EQ(5u, ShownID());
  EXPECT_EQ(1, m_pTip->GetToolCount());
  EXPECT_TRUE(RunMessagesUntil([&] { return m_pTip->GetToolCount() == 0; }));
  EXPECT_EQ(0u, ShownID());
  EXPECT_FALSE(m_pTip->IsWindowVisible());
}

TEST_F(ToolTipWindowTest, WindowFromPointHandsChildrenThatAskForItToTheirParent) {
  class CDelegatingChild : public CWnd {
   protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
      if (message == WM_TK_TOOLTIPTOPARENT) return 1;
      return CWnd::WindowProc(message, wParam, lParam);
    }
  } child;
  ASSERT_TRUE(child.Create(AfxRegisterWndClass(0), "", WS_CHILD, CRect(0, 0, 10, 10), &m_owner, 7));
  CWnd plain;
  ASSERT_TRUE(plain.Create(AfxRegisterWndClass(0), "", WS_CHILD, CRect(0, 0, 10, 10), &m_owner, 8));
  MakeTip(CTKToolTipContext::stylePlain);
  CPoint pt(1, 1);
  m_system.hWndUnder = child.GetSafeHwnd();
  EXPECT_EQ(m_owner.GetSafeHwnd(), reinterpret_cast<HWND>(m_pTip->SendMessage(
                                       TTM_WINDOWFROMPOINT, 0, reinterpret_cast<LPARAM>(&pt))));
  m_system.hWndUnder = plain.GetSafeHwnd();
  EXPECT_EQ(plain.GetSafeHwnd(), reinterpret_cast<HWND>(m_pTip->SendMessage(
                                     TTM_WINDOWFROMPOINT, 0, reinterpret_cast<LPARAM>(&pt))));
}

/// Markup captions that record what the tip asks and measure every tree at
/// a fixed size; texts starting with "<" parse.
class CFakeMarkupCaptions : public ITKMarkupCaptionApi {
 public:
  CTKMarkupContext* CreateMarkupContext(HWND, BOOL bDpiAware) override {
    calls.push_back(bDpiAware ? "create:dpi" : "create");
    return reinterpret_cast<CTKMarkupContext*>(&context);
  }
  int ReleaseMarkupContext(CTKMarkupContext*& pContext) override {
    if (pContext == nullptr) return 0;
    calls.push_back("release-context");
    pContext = nullptr;
    return 0;
  }
  int ReleaseMarkupElement(CTKMarkupUIElement*& pElement) override {
    if (pElement == nullptr) return 0;
    calls.push_back("release-element");
    pElement = nullptr;
    return 0;
  }
  CTKMarkupUIElement* ParseMarkupText(CTKMarkupContext*, LPCSTR lpszText) override {
    calls.push_back(std::string("parse:") + lpszText);
    return lpszText[0] == '<' ? reinterpret_cast<CTKMarkupUIElement*>(&element) : nullptr;
  }
  CTKMarkupContext* GetMarkupElementContext(CTKMarkupUIElement*) override {
    return reinterpret_cast<CTKMarkupContext*>(&context);
  }
  void SetMarkupContextFont(CTKMarkupContext*, HFONT hFont, COLORREF clrText) override {
    calls.push_back(hFont != NULL ? "font" : "no-font");
    this->clrText = clrText;
  }
  BOOL HandleMarkupElementMessage(CTKMarkupUIElement*, UINT, WPARAM, LPARAM, LRESULT*) override {
    return FALSE;
  }
  BOOL HandleMarkupContextMessage(CTKMarkupContext*, UINT, WPARAM, LPARAM, LRESULT*) override {
    return FALSE;
  }
  SIZE MeasureMarkupElement(CTKMarkupUIElement*, int nWidth, int nHeight) override {
    measuredWidth = nWidth;
    measuredHeight = nHeight;
    return SIZE{120, 40};
  }
  int RenderMarkupElement(CTKMarkupUIElement*, HDC hDC, LPCRECT lpRect) override {
    rendered = *lpRect;
    ::SetPixel(hDC, lpRect->left, lpRect->top, RGB(1, 2, 3));
    return 1;
  }

  int context = 0;
  int element = 0;
  std::vector<std::string> calls;
  COLORREF clrText = 0;
  int measuredWidth = 0;
  int measuredHeight = 0;
  CRect rendered;
};

class MarkupToolTipTest : public ToolTipWindowTest {
 protected:
  void SetUp() override {
    ToolTipWindowTest::SetUp();
    TKDpiHelper()->OverrideDpi(96, 96);
  }
  void TearDown() override {
    ToolTipWindowTest::TearDown();
    TKSetMarkupCaptionApi(nullptr);
  }
  CSize Show(LPCSTR lpszText) {
    AddTool(1, CRect(0, 0, 50, 20), lpszText);
    Relay(10, 10);
    FireShowTimer();
    CRect rc;
    m_pTip->GetClientRect(&rc);
    return rc.Size();
  }
  CFakeMarkupCaptions m_captions;
};

TEST_F(MarkupToolTipTest, MarkupIsMeasuredAndDrawnByTheInstalledCaptions) {
  TKSetMarkupCaptionApi(&m_captions);
  m_context.SetMaxTipWidth(300);
  m_context.SetMargin(CRect(2, 2, 2, 2));
  MakeTip(CTKToolTipContext::styleMarkup);
  CSize size = Show("<TextBlock>Hi</TextBlock>");
  // The measured size, plus margins, frame and one pixel.
  EXPECT_EQ(CSize(120 + 4 + 6 + 1, 40 + 4 + 6 + 1), size);
  EXPECT_EQ(300 - 4 - 6, m_captions.measuredWidth);
  EXPECT_EQ(0x7FFFFFFF, m_captions.measuredHeight);
  EXPECT_EQ(m_context.GetTextColor(), m_captions.clrText);
  CDibSurface surface(size.cx, size.cy);
  PrintInto(surface);
  EXPECT_EQ(CRect(5, 5, size.cx - 5, size.cy - 5), m_captions.rendered);
  EXPECT_EQ(RGB(1, 2, 3), surface.GetPixel(5, 5));

  delete m_pTip;
  m_pTip = nullptr;
  EXPECT_EQ((std::vector<std::string>{"create:dpi", "font", "parse:<TextBlock>Hi</TextBlock>",
                                      "release-element", "release-context"}),
            m_captions.calls);
}

TEST_F(MarkupToolTipTest, TextThatDoesNotParseOrNoMarkupEngineGivesThePlainTip) {
  m_context.SetMaxTipWidth(300);
  MakeTip(CTKToolTipContext::stylePlain);
  CSize sizePlain = Show("Plain words");
  delete m_pTip;
  m_pTip = nullptr;

  MakeTip(CTKToolTipContext::styleMarkup);
  EXPECT_EQ(sizePlain, Show("Plain words"));
  delete m_pTip;
  m_pTip = nullptr;

  TKSetMarkupCaptionApi(&m_captions);
  MakeTip(CTKToolTipContext::styleMarkup);
  EXPECT_EQ(sizePlain, Show("Plain words"));
  EXPECT_EQ(CRect(0, 0, 0, 0), m_captions.rendered);
}

TEST_F(MarkupToolTipTest, AnsiTextReachesTheParserAsUtf8) {
  TKSetMarkupCaptionApi(&m_captions);
  MakeTip(CTKToolTipContext::styleMarkup);
  Show("<TextBlock>Caf\xE9</TextBlock>");
  EXPECT_EQ(std::count(m_captions.calls.begin(), m_captions.calls.end(),
                       std::string("parse:<TextBlock>Caf\xC3\xA9</TextBlock>")),
            1);
}

TEST_F(MarkupToolTipTest, AnUnchangedTextIsParsedOnce) {
  TKSetMarkupCaptionApi(&m_captions);
  MakeTip(CTKToolTipContext::styleMarkup);
  Show("<TextBlock>Hi</TextBlock>");
  CTKToolTipContextToolTip::TOOLITEM* pTool = m_pTip->GetCurrentTool();
  ASSERT_NE(nullptr, pTool);
  auto parses = [this] {
    return std::count_if(m_captions.calls.begin(), m_captions.calls.end(),
                         [](const std::string& call) { return call.rfind("parse:", 0) == 0; });
  };
  EXPECT_EQ(1, parses());
  m_pTip->CalcSize(pTool);
  m_pTip->CalcSize(pTool);
  EXPECT_EQ(1, parses());
  // A new colour or text is parsed again.
  m_context.SetTipTextColor(RGB(9, 8, 7));
  m_pTip->CalcSize(pTool);
  EXPECT_EQ(2, parses());
  EXPECT_EQ(RGB(9, 8, 7), m_captions.clrText);
  UpdateText(1, "<TextBlock>Other</TextBlock>");
  m_pTip->CalcSize(pTool);
  EXPECT_EQ(3, parses());
  EXPECT_EQ("parse:<TextBlock>Other</TextBlock>", m_captions.calls.back());
}

TEST_F(ToolTipWindowTest, RichTextTipShowsRtfAndFallsBackToPlainText) {
  m_context.SetMaxTipWidth(300);
  MakeTip(CTKToolTipContext::styleRichText);
  AddTool(1, CRect(0, 0, 50, 20), "{\\rtf1\\ansi Rich {\\b bold} text}");
  AddTool(2, CRect(60, 0, 110, 20), "{no rtf here");
  AddTool(3, CRect(120, 0, 170, 20), "");
  Relay(10, 10);
  FireShowTimer();
  ASSERT_EQ(1u, ShownID());
  CRect rc;
  m_pTip->GetClientRect(&rc);
  EXPECT_GT(rc.Width(), 20);
  EXPECT_LT(rc.Width(), 300);
  CDibSurface surface(rc.Width(), rc.Height(), RGB(0, 255, 0));
  PrintInto(surface);
  EXPECT_GT(surface.CountPixels(m_context.GetTextColor()), 0);

  m_system.dwTick += 50;
  Relay(70, 10);
  EXPECT_EQ(2u, ShownID());
  CTKRichRender* pRender = static_cast<CTKToolTipContext::CRichEditToolTip*>(m_pTip)->GetRenderer();
  BSTR bstr = nullptr;
  ASSERT_TRUE(SUCCEEDED(pRender->GetTextServices()->TxGetText(&bstr)));
  EXPECT_EQ(0, wcsncmp(bstr, L"{no rtf here", 12));
  ::SysFreeString(bstr);

  // An empty text shows nothing.
  m_system.dwTick += 50;
  Relay(130, 10);
  EXPECT_EQ(0u, ShownID());
}

/// A window with one tool that has a title, a description and an icon.
class CFrameToolWindow : public CTestHostWindow {
 public:
  CTKImageManager* pImages = nullptr;

  INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override {
    CRect rc(0, 0, 50, 20);
    if (!rc.PtInRect(point)) return -1;
    CTKToolTipContext::FillInToolInfoEx(pTI, m_hWnd, rc, 1, "Paste", "Paste",
                                        "Inserts the contents of the clipboard.", pImages);
    pTI->uFlags |= TTF_TK_SHOWINACTIVE;
    return 1;
  }
};

TEST_F(ToolTipWindowTest, FrameConfigurationGivesAnOfficeTipWithTitleIconAndDescription) {
  CTKImageManager images;
  CTKImageManagerIconHandle icon;
  icon.SetIcon(MakeSolidIcon(16, 16, RGB(200, 0, 0)));
  ASSERT_TRUE(images.SetIcon(icon, 101));
  CFrameToolWindow frame;
  frame.pImages = &images;
  ASSERT_TRUE(frame.CreateHost());
  m_system.hWndUnder = frame.GetSafeHwnd();
  TKDpiHelper()->OverrideDpi(96, 96);

  m_context.SetStyle(CTKToolTipContext::styleOffice);
  m_context.SetMaxTipWidth(180);
  m_context.SetMargin(CRect(2, 2, 2, 2));
  m_context.SetDelayTime(TTDT_INITIAL, 900);
  m_context.ShowTitleAndDescription(TRUE);
  m_context.ShowImage(TRUE, 100, 16);
  CPoint pt(10, 10);
  frame.ClientToScreen(&pt);
  m_system.ptCursor = pt;
  m_context.RelayToolTipMessage(&frame, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));

  CTKToolTipContextToolTip* pTip = static_cast<CTKToolTipContextToolTip*>(m_context.GetToolTip());
  ASSERT_NE(nullptr, pTip);
  EXPECT_EQ(900u, m_system.timers[CTKToolTipContextToolTip::timerShow]);
  pTip->SendMessage(WM_TIMER, CTKToolTipContextToolTip::timerShow);
  ASSERT_NE(nullptr, pTip->GetCurrentTool());
  EXPECT_EQ(CString("Paste"), pTip->GetTitle());
  EXPECT_EQ(images.GetImage(101, 16), pTip->GetIcon());
  EXPECT_EQ(CString("Inserts the contents of the clipboard."),
            pTip->GetToolText(pTip->GetCurrentTool()));
  EXPECT_TRUE(pTip->GetStyle() & CTKToolTipContext::tipOfficeLook);

  CRect rc;
  pTip->GetClientRect(&rc);
  CDibSurface surface(rc.Width(), rc.Height());
  pTip->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.GetSafeHdc()), PRF_CLIENT);
  // The icon stands in the top corner before the title; the text below it.
  EXPECT_EQ(16 * 16, surface.CountPixels(CRect(0, 0, 30, 30), RGB(200, 0, 0)));
  EXPECT_GT(surface.CountPixels(CRect(0, 30, rc.Width(), rc.Height()), RGB(0x4C, 0x4C, 0x4C)), 0);
}

}  // namespace
