// The tooltip context against a tip window that records what it is told:
// which tools are added and deleted, titles, texts, images and activation.
#include "common/TKToolTipContext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/TKToolTipSystem.h"
#include "testsupport/HostWindow.h"

namespace {

/// One tooltip message as the recording tip received it; texts copied.
struct TipCall {
  UINT message;
  WPARAM wParam;
  UINT_PTR nID;
  std::string text;
};

class CRecordingTip : public CWnd {
 public:
  BOOL CreateTip(CWnd* pOwner) {
    return CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, 0, 0, 0, 0, pOwner->GetSafeHwnd(),
                    NULL);
  }
  std::vector<TipCall> calls;
  HWND hWndFromPoint = NULL;

  int Count(UINT message) const {
    int n = 0;
    for (const TipCall& call : calls) n += call.message == message;
    return n;
  }
  const TipCall* Last(UINT message) const {
    for (auto it = calls.rbegin(); it != calls.rend(); ++it)
      if (it->message == message) return &*it;
    return nullptr;
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    TipCall call = {message, wParam, 0, ""};
    switch (message) {
      case TTM_ADDTOOL:
      case TTM_DELTOOL:
      case TTM_UPDATETIPTEXT: {
        const TOOLINFO* pTI = reinterpret_cast<const TOOLINFO*>(lParam);
        call.nID = pTI->uId;
        if (pTI->lpszText != nullptr && pTI->lpszText != LPSTR_TEXTCALLBACK)
          call.text = pTI->lpszText;
        if (message == TTM_ADDTOOL) call.wParam = pTI->uFlags;
        break;
      }
      case TTM_SETTITLE:
        if (lParam != 0) call.text = reinterpret_cast<LPCSTR>(lParam);
        break;
      case TTM_WINDOWFROMPOINT:
        return reinterpret_cast<LRESULT>(hWndFromPoint);
      case WM_TK_TOOLTIPSETICON:
        call.nID = static_cast<UINT_PTR>(lParam);
        break;
    }
    if (message >= WM_USER || message == WM_SETFONT) calls.push_back(call);
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

/// A tool the scripted hit test answers.
struct Tool {
  UINT_PTR nID;
  CRect rect;
  const char* pText;
  const char* pTitle;
  const char* pDescription;
};

class CScriptedContext : public CTKToolTipContext {
 public:
  CWnd* CreateToolTip(CWnd* pOwner) override {
    nCreated++;
    CRecordingTip* pTip = new CRecordingTip();
    if (!pTip->CreateTip(pOwner)) {
      delete pTip;
      return nullptr;
    }
    pTip->hWndFromPoint = hWndTools;
    return pTip;
  }
  INT_PTR OnToolHitTest(CWnd* pWnd, CPoint point, TOOLINFO* pTI) override {
    for (const Tool& tool : tools) {
      if (!tool.rect.PtInRect(point)) continue;
      FillInToolInfoEx(pTI, pWnd->GetSafeHwnd(), tool.rect, tool.nID, tool.pText, tool.pTitle,
                       tool.pDescription, nullptr);
      pTI->uFlags |= TTF_TK_SHOWINACTIVE;
      return static_cast<INT_PTR>(tool.nID);
    }
    return -1;
  }
  CRecordingTip* Tip() const { return static_cast<CRecordingTip*>(GetToolTip()); }
  void SetComCtlVersion(DWORD dwVersion) { m_dwComCtlVersion = dwVersion; }

  std::vector<Tool> tools;
  HWND hWndTools = NULL;
  int nCreated = 0;
};

class ToolTipContextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_host.CreateHost(300, 200));
    m_context.hWndTools = m_host.GetSafeHwnd();
    m_context.SetStyle(CTKToolTipContext::stylePlain);
  }

  void MoveTo(int x, int y, UINT message = WM_MOUSEMOVE) {
    MSG msg = {};
    msg.hwnd = m_host.GetSafeHwnd();
    msg.message = message;
    msg.pt = CPoint(x, y);
    m_host.ClientToScreen(&msg.pt);
    m_context.FilterToolTipMessage(&m_host, &msg);
  }

  /// The calls of one kind in order, as "message:id" pairs.
  std::vector<std::string> ToolCalls() const {
    std::vector<std::string> out;
    for (const TipCall& call : m_context.Tip()->calls) {
      if (call.message == TTM_ADDTOOL) out.push_back("add:" + std::to_string(call.nID));
      if (call.message == TTM_DELTOOL) out.push_back("del:" + std::to_string(call.nID));
    }
    return out;
  }

  CTestHostWindow m_host;
  CScriptedContext m_context;
};

TEST_F(ToolTipContextTest, OneAddPerToolAndTheOldToolGoesAfterTheNewCame) {
  m_context.tools = {{1, CRect(0, 0, 50, 20), "One", nullptr, nullptr},
                     {2, CRect(60, 0, 110, 20), "Two", nullptr, nullptr}};
  MoveTo(10, 10);
  MoveTo(12, 10);
  MoveTo(14, 11);
  MoveTo(70, 10);
  MoveTo(200, 150);
  EXPECT_EQ((std::vector<std::string>{"add:1", "add:2", "del:1", "del:2"}), ToolCalls());
  EXPECT_EQ(1, m_context.nCreated);
  // Every move was relayed, and leaving all tools hid the tip.
  EXPECT_EQ(5, m_context.Tip()->Count(TTM_RELAYEVENT));
  EXPECT_EQ(FALSE, static_cast<BOOL>(m_context.Tip()->Last(TTM_ACTIVATE)->wParam));
  EXPECT_EQ("Two", m_context.Tip()->Last(TTM_ADDTOOL)->text);
}

TEST_F(ToolTipContextTest, AToolWhoseRectangleChangedIsDeletedBeforeItIsAddedAgain) {
  m_context.tools = {{1, CRect(0, 0, 50, 20), "One", nullptr, nullptr}};
  MoveTo(10, 10);
  m_context.tools[0].rect = CRect(0, 0, 40, 20);
  MoveTo(10, 10);
  EXPECT_EQ((std::vector<std::string>{"add:1", "del:1", "add:1"}), ToolCalls());
}

TEST_F(ToolTipContextTest, TheContextsOwnFlagsAreNotPassedOnAndTheTipIsActivated) {
  m_context.tools = {{1, CRect(0, 0, 50, 20), "One", nullptr, nullptr}};
  MoveTo(10, 10);
  EXPECT_EQ(0u, m_context.Tip()->Last(TTM_ADDTOOL)->wParam & TTF_TK_SHOWINACTIVE);
  EXPECT_EQ(TRUE, static_cast<BOOL>(m_context.Tip()->Last(TTM_ACTIVATE)->wParam));
}

TEST_F(ToolTipContextTest, TitleAndDescriptionBecomeTitleAndTextUnlessTheyAreEqual) {
  m_context.ShowTitleAndDescription(TRUE, TTI_WARNING);
  m_context.tools = {{1, CRect(0, 0, 50, 20), "Paste", "Paste", "Inserts the clipboard"},
                     {2, CRect(60, 0, 110, 20), "Copy", "Copy", "Copy"}};
  MoveTo(10, 10);
  CRecordingTip* pTip = m_context.Tip();
  ASSERT_NE(nullptr, pTip->Last(TTM_SETTITLE));
  EXPECT_EQ("Paste", pTip->Last(TTM_SETTITLE)->text);
  EXPECT_EQ(static_cast<WPARAM>(TTI_WARNING), pTip->Last(TTM_SETTITLE)->wParam);
  EXPECT_EQ("Inserts the clipboard", pTip->Last(TTM_UPDATETIPTEXT)->text);

  MoveTo(70, 10);
  EXPECT_EQ("", pTip->Last(TTM_SETTITLE)->text);
  EXPECT_EQ(0u, pTip->Last(TTM_SETTITLE)->wParam);
  EXPECT_EQ(1, pTip->Count(TTM_UPDATETIPTEXT));
  EXPECT_EQ("Copy", pTip->Last(TTM_ADDTOOL)->text);
}

TEST_F(ToolTipContextTest, MnemonicsAndTrailingDots) {
  struct Case {
    const char* pText;
    BOOL bNoPrefix;
    const char* pShown;
  };
  const Case cases[] = {
      {"&Open", FALSE, "Open"}, {"Save && Quit", FALSE, "Save & Quit"},
      {"&Open", TRUE, "&Open"}, {"Find...", TRUE, "Find"},
      {"...", TRUE, "..."},     {"&Print...", FALSE, "Print"},
  };
  UINT_PTR nID = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pText);
    if (c.bNoPrefix)
      m_context.ModifyToolTipStyle(0, TTS_NOPREFIX);
    else
      m_context.ModifyToolTipStyle(TTS_NOPREFIX, 0);
    // A new id each time, so that each text is added.
    m_context.tools = {{nID++, CRect(0, 0, 50, 20), c.pText, nullptr, nullptr}};
    MoveTo(10, 10);
    EXPECT_EQ(c.pShown, m_context.Tip()->Last(TTM_ADDTOOL)->text);
  }
}

TEST_F(ToolTipContextTest, KeysAndClicksHideTheTip) {
  m_context.tools = {{1, CRect(0, 0, 50, 20), "One", nullptr, nullptr}};
  const UINT messages[] = {WM_KEYDOWN, WM_SYSKEYDOWN, WM_LBUTTONDOWN, WM_RBUTTONDBLCLK,
                           WM_NCLBUTTONDOWN};
  for (UINT message : messages) {
    MoveTo(10, 10);
    MoveTo(10, 10, message);
    EXPECT_EQ(FALSE, static_cast<BOOL>(m_context.Tip()->Last(TTM_ACTIVATE)->wParam)) << message;
  }
}

TEST_F(ToolTipContextTest, ANewTipWindowGetsTheSettings) {
  m_context.SetMaxTipWidth(180);
  m_context.SetMargin(CRect(2, 2, 2, 2));
  m_context.SetDelayTime(TTDT_INITIAL, 900);
  m_context.SetTipBkColor(RGB(1, 2, 3));
  m_context.tools = {{1, CRect(0, 0, 50, 20), "One", nullptr, nullptr}};
  MoveTo(10, 10);
  const std::vector<TipCall>& calls = m_context.Tip()->calls;
  std::vector<UINT> first;
  for (size_t i = 0; i < calls.size() && first.size() < 6; i++) first.push_back(calls[i].message);
  EXPECT_EQ((std::vector<UINT>{WM_SETFONT, TTM_SETMAXTIPWIDTH, TTM_SETMARGIN, TTM_SETTIPBKCOLOR,
                               TTM_SETDELAYTIME, TTM_ACTIVATE}),
            first);
  EXPECT_EQ(static_cast<WPARAM>(TTDT_INITIAL), m_context.Tip()->Last(TTM_SETDELAYTIME)->wParam);
}

TEST_F(ToolTipContextTest, AppearanceSettingsMakeTheTipWindowAfresh) {
  m_context.tools = {{1, CRect(0, 0, 50, 20), "One", nullptr, nullptr}};
  MoveTo(10, 10);
  HWND hFirst = m_context.Tip()->GetSafeHwnd();
  m_context.SetMaxTipWidth(100);
  EXPECT_FALSE(::IsWindow(hFirst));
  MoveTo(12, 10);
  EXPECT_EQ(2, m_context.nCreated);
  EXPECT_EQ(1, m_context.Tip()->Count(TTM_ADDTOOL));
  // Showing a title changes nothing of the window.
  m_context.ShowTitleAndDescription(TRUE);
  MoveTo(14, 10);
  EXPECT_EQ(2, m_context.nCreated);
}

TEST_F(ToolTipContextTest, TheBalloonNeedsCommonControlsNewerThan579) {
  m_context.SetComCtlVersion(0x5004F);
  m_context.SetStyle(CTKToolTipContext::styleBalloon);
  EXPECT_EQ(CTKToolTipContext::stylePlain, m_context.GetStyle());
  m_context.SetComCtlVersion(0x60000);
  m_context.SetStyle(CTKToolTipContext::styleBalloon);
  EXPECT_EQ(CTKToolTipContext::styleBalloon, m_context.GetStyle());
}

TEST_F(ToolTipContextTest, StylesSetTheirStyleBits) {
  struct Case {
    int nStyle;
    DWORD dwBits;
  };
  const Case cases[] = {
      {CTKToolTipContext::styleOffice, CTKToolTipContext::tipOfficeLook},
      {CTKToolTipContext::styleOffice2013, CTKToolTipContext::tipOffice2013Look},
      {CTKToolTipContext::stylePlain,
       CTKToolTipContext::tipPlainFrame | CTKToolTipContext::tipNoShadow},
      {CTKToolTipContext::styleLuna, 0},
  };
  for (const Case& c : cases) {
    m_context.SetStyle(c.nStyle);
    EXPECT_EQ(c.dwBits | TTS_NOPREFIX, m_context.GetToolTipStyle()) << c.nStyle;
  }
}

TEST_F(ToolTipContextTest, ColoursFallBackToTheDefaults) {
  m_context.SetStyle(CTKToolTipContext::styleLuna);
  EXPECT_EQ(::GetSysColor(COLOR_INFOTEXT), m_context.GetTextColor());
  m_context.SetStyle(CTKToolTipContext::styleOffice);
  EXPECT_EQ(RGB(0x4C, 0x4C, 0x4C), m_context.GetTextColor());
  m_context.SetTipTextColor(RGB(9, 8, 7));
  EXPECT_EQ(RGB(9, 8, 7), m_context.GetTextColor());
  m_context.SetMaxTipWidth(-1);
  EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN), m_context.GetMaxTipWidth());
}

TEST_F(ToolTipContextTest, ShownImagesAreTheIconsOfTheToolsImageManager) {
  m_context.ShowImage(TRUE, 100, 16);
  m_context.tools = {{1, CRect(0, 0, 50, 20), "One", nullptr, nullptr}};
  MoveTo(10, 10);
  // A tool without an image manager sends no icon.
  ASSERT_NE(nullptr, m_context.Tip()->Last(WM_TK_TOOLTIPSETICON));
  EXPECT_EQ(0u, m_context.Tip()->Last(WM_TK_TOOLTIPSETICON)->nID);
}

TEST(ToolTipContextFillTest, ToolInfoOfTheStandardAndTheLargerSize) {
  TOOLINFO ti = {};
  ti.cbSize = CTKToolTipContext::kToolInfoSize - 1;
  CTKToolTipContext::FillInToolInfo(&ti, (HWND)1, CRect(1, 2, 3, 4), 7, "x");
  EXPECT_EQ(nullptr, ti.lpszText);

  TK_TOOLINFO_EXTENSION ext = {};
  ti.cbSize = CTKToolTipContext::kToolInfoSizeEx;
  ti.lParam = reinterpret_cast<LPARAM>(&ext);
  // A title without a description is no title at all.
  CTKToolTipContext::FillInToolInfoEx(&ti, (HWND)1, CRect(1, 2, 3, 4), 7, "x", "Title", "",
                                      nullptr);
  EXPECT_STREQ("x", ti.lpszText);
  EXPECT_EQ(7u, ti.uId);
  EXPECT_EQ(nullptr, ext.lpszTitle);
  EXPECT_EQ(nullptr, ext.lpszDescription);
  free(ti.lpszText);
  CTKToolTipContext::FillInToolInfoEx(&ti, (HWND)1, CRect(1, 2, 3, 4), 7, "x", "Title", "Text",
                                      nullptr);
  EXPECT_STREQ("Title", ext.lpszTitle);
  EXPECT_STREQ("Text", ext.lpszDescription);
  free(ti.lpszText);
  free(ext.lpszTitle);
  free(ext.lpszDescription);
}

}  // namespace
