// A frame's message bar: prompts of commands and of the menu item under the
// cursor, the idle message when the menu closes, pop requests a menu holds
// off; the stay-active caption; and the frame routing a command owning the
// message boxes shown meanwhile.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT ID_OPEN = 4301;     // "Opens a file\nOpen"
const UINT ID_PLAIN = 4302;    // "A prompt without a tip"
const UINT ID_NO_TEXT = 4303;  // has no string

/// Records the WM_NCACTIVATE state that reaches the system.
class CCaptionFrame : public CFrameWnd {
 public:
  std::vector<WPARAM> m_ncActivates;

 protected:
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_NCACTIVATE) m_ncActivates.push_back(wParam);
    return CFrameWnd::DefWindowProc(message, wParam, lParam);
  }
};

class FrameMessageBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_pFrame = new CCaptionFrame;  // deletes itself with its window
    ASSERT_TRUE(m_pFrame->Create(NULL, "frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    m_hFrame = m_pFrame->m_hWnd;
    ASSERT_TRUE(m_bar.Create("STATIC", "", WS_VISIBLE, CRect(0, 180, 300, 200), m_pFrame,
                             AFX_IDW_STATUS_BAR));
  }
  void TearDown() override {
    m_bar.DestroyWindow();
    if (::IsWindow(m_hFrame)) m_pFrame->DestroyWindow();
  }

  std::string BarText() const {
    char sz[128] = {};
    ::GetWindowTextA(m_bar.m_hWnd, sz, sizeof sz);
    return sz;
  }
  void MenuSelect(UINT nItemID, UINT nFlags, HMENU hMenu) {
    m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(nItemID, nFlags),
                          reinterpret_cast<LPARAM>(hMenu));
  }
  void MenuIdle() { m_pFrame->SendMessage(WM_ENTERIDLE, MSGF_MENU, 0); }

  CCaptionFrame* m_pFrame = nullptr;
  HWND m_hFrame = nullptr;
  CWnd m_bar;
};

TEST_F(FrameMessageBarTest, TheMessageBarIsTheBoundStatusBarWindow) {
  EXPECT_EQ(&m_bar, m_pFrame->GetMessageBar());
  // One found deeper down counts too; a window nobody bound does not.
  HWND hBar = m_bar.UnsubclassWindow();
  EXPECT_EQ(nullptr, m_pFrame->GetMessageBar());
  CWnd holder, nested;
  ASSERT_TRUE(holder.Create(NULL, "", 0, CRect(0, 0, 10, 10), m_pFrame, 17));
  ASSERT_TRUE(nested.Create("STATIC", "", 0, CRect(0, 0, 10, 10), &holder, AFX_IDW_STATUS_BAR));
  EXPECT_EQ(&nested, m_pFrame->GetMessageBar());
  holder.DestroyWindow();
  ASSERT_TRUE(m_bar.SubclassWindow(hBar));
}

struct PromptCase {
  UINT nID;
  const char* text;
};

TEST_F(FrameMessageBarTest, SetMessageTextShowsTextsAndPromptsUpToTheTip) {
  m_pFrame->SetMessageText("Working...");
  EXPECT_EQ("Working...", BarText());
  const PromptCase cases[] = {
      {ID_OPEN, "Opens a file"},
      {ID_PLAIN, "A prompt without a tip"},
      {ID_NO_TEXT, ""},
      {AFX_IDS_IDLEMESSAGE, "Ready"},
  };
  UINT nPrevious = 0;
  for (const PromptCase& c : cases) {
    SCOPED_TRACE(c.nID);
    EXPECT_EQ(nPrevious, m_pFrame->SendMessage(WM_SETMESSAGESTRING, c.nID));
    EXPECT_EQ(c.text, BarText());
    EXPECT_EQ(c.nID, m_pFrame->m_nIDLastMessage);
    nPrevious = c.nID;
  }
  m_pFrame->SetMessageText(static_cast<LPCTSTR>(NULL));
  EXPECT_EQ("", BarText());
}

struct MenuCase {
  const char* name;
  UINT nItemID;
  UINT nFlags;
  const char* prompt;
};

TEST_F(FrameMessageBarTest, TheSelectedMenuItemsPromptShowsWhenTheMenuIdles) {
  HMENU hMenu = ::CreatePopupMenu();
  const MenuCase cases[] = {
      {"a command", ID_OPEN, MF_STRING, "Opens a file"},
      {"a separator", 0, MF_SEPARATOR, ""},
      {"a sub-menu", 7, MF_POPUP, ""},
      {"a system command", SC_CLOSE, MF_SYSMENU, "Closes the window"},
      {"an MDI child's item", AFX_IDM_FIRST_MDICHILD + 2, MF_STRING, "Activates this window"},
  };
  for (const MenuCase& c : cases) {
    SCOPED_TRACE(c.name);
    m_pFrame->SetMessageText(AFX_IDS_IDLEMESSAGE);
    MenuSelect(c.nItemID, c.nFlags, hMenu);
    EXPECT_EQ("Ready", BarText());  // not until the menu waits for the user
    MenuIdle();
    EXPECT_EQ(c.prompt, BarText());
  }
  // The menu closes: the idle message comes back at once.
  MenuSelect(0, 0xFFFF, NULL);
  EXPECT_EQ("Ready", BarText());
  m_pFrame->m_bHelpMode = TRUE;
  MenuSelect(0, 0xFFFF, NULL);
  EXPECT_EQ("Select an object for help", BarText());
  m_pFrame->m_bHelpMode = FALSE;
  ::DestroyMenu(hMenu);
}

TEST_F(FrameMessageBarTest, AMenuSelectionHoldsOffPopRequestsUntilItsPromptShows) {
  HMENU hMenu = ::CreatePopupMenu();
  m_pFrame->SetMessageText(ID_PLAIN);
  MenuSelect(ID_OPEN, MF_STRING, hMenu);
  // A tool bar's fly-by ending would put the idle message over the menu's prompt.
  m_pFrame->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
  EXPECT_EQ("A prompt without a tip", BarText());
  MenuIdle();
  EXPECT_EQ("Opens a file", BarText());
  MenuSelect(0, 0xFFFF, NULL);
  m_pFrame->SetMessageText(ID_PLAIN);
  m_pFrame->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
  EXPECT_EQ("Ready", BarText());
  ::DestroyMenu(hMenu);
}

struct NcActivateCase {
  bool bStayActive;
  bool bEnabled;
  BOOL bRequested;
  WPARAM expected;
};

TEST_F(FrameMessageBarTest, AStayActiveFrameKeepsItsActiveCaptionWhileEnabled) {
  const NcActivateCase cases[] = {
      {false, true, FALSE, FALSE}, {false, true, TRUE, TRUE},   {true, true, FALSE, TRUE},
      {true, false, FALSE, FALSE}, {false, false, TRUE, FALSE},
  };
  for (const NcActivateCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "stay " << c.bStayActive << " enabled " << c.bEnabled
                                    << " asked " << c.bRequested);
    m_pFrame->m_nFlags = c.bStayActive ? (m_pFrame->m_nFlags | WF_STAYACTIVE)
                                       : (m_pFrame->m_nFlags & ~WF_STAYACTIVE);
    m_pFrame->EnableWindow(c.bEnabled);
    m_pFrame->m_ncActivates.clear();
    m_pFrame->SendMessage(WM_NCACTIVATE, c.bRequested);
    ASSERT_EQ(1u, m_pFrame->m_ncActivates.size());
    EXPECT_EQ(c.expected, m_pFrame->m_ncActivates[0]);
  }
  m_pFrame->EnableWindow(TRUE);
}

// The frame routing a command owns the message boxes its handler shows.

const UINT ID_ASK = 4310;

class COwnerAskingFrame : public CFrameWnd {
 public:
  HWND m_hOwnerDuringCommand = nullptr;

 protected:
  afx_msg void OnAsk() { m_hOwnerDuringCommand = CWnd::GetSafeOwner_(NULL, NULL); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerAskingFrame, CFrameWnd)
ON_COMMAND(ID_ASK, OnAsk)
END_MESSAGE_MAP()

TEST(FrameRouting, TheFrameRoutingACommandOwnsItsMessageBoxes) {
  CWinApp app("Routing");
  CFrameWnd* pMain = new CFrameWnd;
  ASSERT_TRUE(pMain->Create(NULL, "main", WS_OVERLAPPEDWINDOW, CRect(0, 0, 100, 100)));
  app.m_pMainWnd = pMain;
  COwnerAskingFrame* pOther = new COwnerAskingFrame;
  ASSERT_TRUE(pOther->Create(NULL, "other", WS_OVERLAPPEDWINDOW, CRect(0, 0, 100, 100)));

  EXPECT_EQ(pMain->m_hWnd, CWnd::GetSafeOwner_(NULL, NULL));
  pOther->SendMessage(WM_COMMAND, ID_ASK);
  EXPECT_EQ(pOther->m_hWnd, pOther->m_hOwnerDuringCommand);
  EXPECT_EQ(nullptr, AfxGetThreadState()->m_pRoutingFrame);  // over with the command
  EXPECT_EQ(pMain->m_hWnd, CWnd::GetSafeOwner_(NULL, NULL));

  pOther->DestroyWindow();
  app.m_pMainWnd = nullptr;
  pMain->DestroyWindow();
}

}  // namespace
