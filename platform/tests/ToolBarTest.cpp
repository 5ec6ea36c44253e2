// Tool bars and rebars in a real (hidden) frame: buttons from a tool-bar
// resource, the frame's layout around them, and idle updates of buttons.
#include <afxwin.h>
#include <afxcmn.h>

#include <gtest/gtest.h>

namespace {

const UINT IDR_TOOLS = 300;
const UINT IDR_NO_BITMAP = 301;
const UINT IDR_MISSING = 399;
const UINT ID_TOOL_OFF = 4101;  // its update handler disables it
const UINT ID_TOOL_ON = 4102;   // has a command handler and checks itself

class CToolFrame : public CFrameWnd {
 protected:
  afx_msg void OnToolOn() {}
  afx_msg void OnUpdateToolOff(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
  afx_msg void OnUpdateToolOn(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CToolFrame, CFrameWnd)
ON_COMMAND(ID_TOOL_ON, OnToolOn)
ON_UPDATE_COMMAND_UI(ID_TOOL_OFF, OnUpdateToolOff)
ON_UPDATE_COMMAND_UI(ID_TOOL_ON, OnUpdateToolOn)
END_MESSAGE_MAP()

class ToolBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_pFrame = new CToolFrame;  // deletes itself with its window
    ASSERT_TRUE(m_pFrame->Create(NULL, "tools", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)));
    m_hFrame = m_pFrame->m_hWnd;
    ASSERT_TRUE(
        m_client.Create(NULL, "", WS_VISIBLE, CRect(0, 0, 10, 10), m_pFrame, AFX_IDW_PANE_FIRST));
  }
  void TearDown() override {
    m_toolBar.DestroyWindow();
    m_client.DestroyWindow();
    if (::IsWindow(m_hFrame)) m_pFrame->DestroyWindow();
  }

  /// Where a child lies in the frame's client area.
  CRect PlaceOf(HWND hWnd) const {
    CRect rect;
    ::GetWindowRect(hWnd, &rect);
    m_pFrame->ScreenToClient(&rect);
    return rect;
  }
  CRect FrameClient() const {
    CRect rect;
    m_pFrame->GetClientRect(&rect);
    return rect;
  }

  CToolFrame* m_pFrame = nullptr;
  HWND m_hFrame = nullptr;
  CWnd m_client;
  CToolBar m_toolBar;
};

TEST_F(ToolBarTest, LoadToolBarMakesOneButtonPerIdWithTheResourcesImageSize) {
  ASSERT_TRUE(m_toolBar.Create(m_pFrame));
  EXPECT_EQ(AFX_IDW_TOOLBAR, m_toolBar.GetDlgCtrlID());
  ASSERT_TRUE(m_toolBar.LoadToolBar(IDR_TOOLS));
  EXPECT_EQ(3, m_toolBar.GetCount());
  EXPECT_EQ(3, m_toolBar.SendMessage(TB_BUTTONCOUNT));
  EXPECT_EQ(ID_TOOL_OFF, m_toolBar.GetItemID(0));
  EXPECT_EQ(0u, m_toolBar.GetItemID(1));
  EXPECT_EQ(ID_TOOL_ON, m_toolBar.GetItemID(2));
  EXPECT_EQ(2, m_toolBar.CommandToIndex(ID_TOOL_ON));
  EXPECT_EQ(-1, m_toolBar.CommandToIndex(4199));
  // The image is 16 x 15; the button leaves room around it.
  LRESULT size = m_toolBar.SendMessage(TB_GETBUTTONSIZE);
  EXPECT_EQ(23, LOWORD(size));
  EXPECT_EQ(22, HIWORD(size));
  // The second button shows the second image, whatever the separator does.
  TBBUTTON button = {};
  m_toolBar.SendMessage(TB_GETBUTTON, 2, reinterpret_cast<LPARAM>(&button));
  EXPECT_EQ(1, button.iBitmap);
  // Loading again replaces the buttons instead of adding to them.
  ASSERT_TRUE(m_toolBar.LoadToolBar(IDR_TOOLS));
  EXPECT_EQ(3, m_toolBar.SendMessage(TB_BUTTONCOUNT));
}

TEST_F(ToolBarTest, SetButtonsWithoutIdsMakesThatManySeparators) {
  ASSERT_TRUE(m_toolBar.Create(m_pFrame));
  ASSERT_TRUE(m_toolBar.SetButtons(nullptr, 3));
  EXPECT_EQ(3, m_toolBar.GetCount());
  EXPECT_EQ(3, m_toolBar.SendMessage(TB_BUTTONCOUNT));
  TBBUTTON button = {};
  m_toolBar.SendMessage(TB_GETBUTTON, 1, reinterpret_cast<LPARAM>(&button));
  EXPECT_EQ(TBSTYLE_SEP, button.fsStyle & TBSTYLE_SEP);
}

TEST_F(ToolBarTest, LoadToolBarFailsWithoutTheResourceOrItsBitmap) {
  ASSERT_TRUE(m_toolBar.Create(m_pFrame));
  EXPECT_FALSE(m_toolBar.LoadToolBar(IDR_MISSING));
  EXPECT_FALSE(m_toolBar.LoadToolBar(IDR_NO_BITMAP));
}

TEST_F(ToolBarTest, TheFramePutsTheToolBarAlongTheTopAndTheClientBelow) {
  ASSERT_TRUE(m_toolBar.Create(m_pFrame));
  ASSERT_TRUE(m_toolBar.LoadToolBar(IDR_TOOLS));
  m_pFrame->RecalcLayout();
  const CRect client = FrameClient();
  const CRect bar = PlaceOf(m_toolBar.m_hWnd);
  EXPECT_EQ(CRect(0, 0, client.right, bar.bottom), bar);
  EXPECT_EQ(m_toolBar.CalcFixedLayout(FALSE, TRUE).cy, bar.Height());
  EXPECT_GE(bar.Height(), 22);
  EXPECT_EQ(CRect(0, bar.bottom, client.right, client.bottom), PlaceOf(m_client.m_hWnd));
}

TEST_F(ToolBarTest, IdleUpdateSetsTheButtonsFromTheFramesUpdateHandlers) {
  ASSERT_TRUE(m_toolBar.Create(m_pFrame));
  ASSERT_TRUE(m_toolBar.LoadToolBar(IDR_TOOLS));
  m_toolBar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
  EXPECT_FALSE(m_toolBar.SendMessage(TB_ISBUTTONENABLED, ID_TOOL_OFF));
  EXPECT_TRUE(m_toolBar.SendMessage(TB_ISBUTTONENABLED, ID_TOOL_ON));
  EXPECT_TRUE(m_toolBar.SendMessage(TB_ISBUTTONCHECKED, ID_TOOL_ON));
  EXPECT_FALSE(m_toolBar.SendMessage(TB_ISBUTTONCHECKED, ID_TOOL_OFF));
}

TEST_F(ToolBarTest, ARebarHoldsTheToolBarInABandAndTakesTheTopOfTheFrame) {
  ASSERT_TRUE(m_toolBar.Create(m_pFrame));
  ASSERT_TRUE(m_toolBar.LoadToolBar(IDR_TOOLS));
  const CSize sizeBar = m_toolBar.CalcFixedLayout(FALSE, TRUE);
  m_toolBar.SetWindowPos(NULL, 0, 0, sizeBar.cx, sizeBar.cy, SWP_NOZORDER | SWP_NOACTIVATE);

  CReBar reBar;
  ASSERT_TRUE(reBar.Create(m_pFrame));
  EXPECT_EQ(AFX_IDW_REBAR, reBar.GetDlgCtrlID());
  EXPECT_TRUE(reBar.IsKindOf(RUNTIME_CLASS(CControlBar)));
  CWnd unbound;
  EXPECT_FALSE(reBar.AddBar(&unbound));
  ASSERT_TRUE(reBar.AddBar(&m_toolBar, NULL, NULL, RBBS_BREAK | RBBS_GRIPPERALWAYS));

  ASSERT_EQ(1, reBar.SendMessage(RB_GETBANDCOUNT));
  REBARBANDINFO band = {};
  band.cbSize = sizeof(band);
  band.fMask = RBBIM_CHILD | RBBIM_ID | RBBIM_STYLE | RBBIM_CHILDSIZE;
  ASSERT_TRUE(reBar.SendMessage(RB_GETBANDINFO, 0, reinterpret_cast<LPARAM>(&band)));
  EXPECT_EQ(m_toolBar.m_hWnd, band.hwndChild);
  EXPECT_EQ(AFX_IDW_TOOLBAR, band.wID);
  EXPECT_TRUE(band.fStyle & RBBS_BREAK);
  EXPECT_EQ(static_cast<UINT>(sizeBar.cy), band.cyMinChild);
  EXPECT_EQ(reBar.m_hWnd, ::GetParent(m_toolBar.m_hWnd));
  // The bar still belongs to the frame's commands.
  EXPECT_EQ(m_pFrame, m_toolBar.GetParentFrame());
  EXPECT_EQ(m_pFrame, m_toolBar.GetDockingFrame());

  m_pFrame->RecalcLayout();
  const CRect client = FrameClient();
  const CRect rebar = PlaceOf(reBar.m_hWnd);
  EXPECT_EQ(CRect(0, 0, client.right, rebar.bottom), rebar);
  EXPECT_GE(rebar.Height(), sizeBar.cy);
  EXPECT_EQ(reBar.SendMessage(RB_GETBARHEIGHT), rebar.Height());
  EXPECT_EQ(CRect(0, rebar.bottom, client.right, client.bottom), PlaceOf(m_client.m_hWnd));

  m_toolBar.DestroyWindow();
  reBar.DestroyWindow();
}

TEST_F(ToolBarTest, TheRebarsControlAnswersForItsBands) {
  ASSERT_TRUE(m_toolBar.Create(m_pFrame));
  ASSERT_TRUE(m_toolBar.LoadToolBar(IDR_TOOLS));
  CReBar reBar;
  ASSERT_TRUE(reBar.Create(m_pFrame));
  CReBarCtrl& ctrl = reBar.GetReBarCtrl();
  EXPECT_EQ(reBar.m_hWnd, ctrl.m_hWnd);
  EXPECT_EQ(0u, ctrl.GetBandCount());
  ASSERT_TRUE(reBar.AddBar(&m_toolBar));

  EXPECT_EQ(1u, ctrl.GetBandCount());
  EXPECT_EQ(0, ctrl.IDToIndex(AFX_IDW_TOOLBAR));
  EXPECT_EQ(-1, ctrl.IDToIndex(AFX_IDW_TOOLBAR + 1));
  REBARBANDINFO band = {};
  band.cbSize = sizeof(band);
  band.fMask = RBBIM_CHILD;
  ASSERT_TRUE(ctrl.GetBandInfo(0, &band));
  EXPECT_EQ(m_toolBar.m_hWnd, band.hwndChild);
  EXPECT_EQ(1u, ctrl.GetRowCount());
  EXPECT_EQ(ctrl.GetBarHeight(), ctrl.GetRowHeight(0));

  EXPECT_TRUE(ctrl.DeleteBand(0));
  EXPECT_EQ(0u, ctrl.GetBandCount());
  reBar.DestroyWindow();
}

}  // namespace
