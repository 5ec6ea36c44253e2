// The status bar and its panes in a real window: the layout of stretching and
// fixed panes, the saved pane state, the customise pop-up, the gripper, the
// message pane's window text, button panes and their press loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "SupportPaintManager.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "commandbars/TKStatusBar.h"
#include "commandbars/TKStatusBarPane.h"
#include "common/TKPropExchangeIniFile.h"
#include "markup/TKMarkupFlat.h"
#include "testsupport/DibSurface.h"
#include "testsupport/HostWindow.h"
#include "testsupport/MessageLoop.h"
#include "testsupport/TempFolder.h"

CWinApp theApp("VelmStatusBarTest");

namespace {

const UINT kIdA = 101;
const UINT kIdB = 102;

/// Counts its layouts and keeps what it would have tracked.
class CCountingStatusBar : public CTKStatusBar {
 public:
  int m_nLayouts = 0;
  int m_nTracked = 0;
  std::vector<std::string> m_popupItems;  ///< "caption|checked|group|default"

  void UpdateAllPanes() override {
    ++m_nLayouts;
    CTKStatusBar::UpdateAllPanes();
  }

 protected:
  void TrackCustomizePopup(CTKPopupBar* pPopup, CPoint) override {
    ++m_nTracked;
    m_popupItems.clear();
    CTKControls* pControls = pPopup->GetControls();
    for (int i = 0; i < pControls->GetCount(); ++i) {
      CTKControl* pControl = pControls->GetAt(i);
      m_popupItems.push_back(std::string(pControl->GetCaption()) + "|" +
                             std::to_string(pControl->GetChecked()) + "|" +
                             std::to_string(pControl->GetBeginGroup()) + "|" +
                             std::to_string(pControl->IsDefaultItem()));
    }
  }
};

class StatusBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_pPaintManager = new CTestStatusPaintManager;
    CTKPaintManager::SetGlobal(m_pPaintManager);
    CTKPaintManager::AddRefGlobal();
    ASSERT_TRUE(m_host.CreateHost(400, 100));
  }
  void TearDown() override {
    if (m_bar.GetSafeHwnd() != NULL) m_bar.DestroyWindow();
    m_bar.RemoveAll();
    CTKPaintManager::ReleaseGlobal();
  }

  /// A bar of the given panes, `nWidth` wide, in the host window.
  void CreateBar(std::vector<UINT> ids, int nWidth, CWnd* pParent = nullptr) {
    ASSERT_TRUE(m_bar.Create(pParent != nullptr ? pParent : &m_host));
    ASSERT_TRUE(m_bar.SetIndicators(ids.data(), static_cast<int>(ids.size())));
    m_bar.MoveWindow(0, 0, nWidth, 24);
  }
  CTKStatusBarPane* Pane(UINT nId) { return m_bar.FindPane(nId); }

  CTestStatusPaintManager* m_pPaintManager = nullptr;
  CTestHostWindow m_host;
  CCountingStatusBar m_bar;
};

// Layout ---------------------------------------------------------------------------------

TEST_F(StatusBarTest, WhenAPaneDoesNotFitItAndEveryLaterPaneHide) {
  CreateBar({0, kIdA, kIdB}, 70);
  Pane(kIdA)->SetWidth(80);
  Pane(kIdB)->SetWidth(10);  // would fit on its own

  EXPECT_EQ(m_bar.GetPane(0)->GetRect(), CRect(0, 2, 1, 24))
      << "the stretching pane keeps its width";
  for (UINT nId : {kIdA, kIdB}) {
    EXPECT_EQ(Pane(nId)->GetHideFlags(), static_cast<DWORD>(CTKStatusBarPane::hideNoRoom)) << nId;
    EXPECT_FALSE(Pane(nId)->IsVisible());
    EXPECT_TRUE(Pane(nId)->GetRect().IsRectEmpty());
  }

  m_bar.MoveWindow(0, 0, 200, 24);
  EXPECT_EQ(m_bar.GetPane(0)->GetRect(), CRect(0, 2, 102, 24)) << "with room it takes the rest";
  EXPECT_EQ(Pane(kIdA)->GetRect(), CRect(104, 2, 186, 24));
  EXPECT_EQ(Pane(kIdB)->GetRect(), CRect(188, 2, 200, 24));
}

TEST_F(StatusBarTest, TwoStretchingPanesShareTheFreeWidthTheOddPixelToTheSecond) {
  CreateBar({0, kIdA}, 105);
  m_bar.SetPaneInfo(1, kIdA, SBPS_STRETCH | SBPS_NOBORDERS, 1);
  // 105 less 1 and 1 + the gap of 2 leaves 101: 50 and 51.
  EXPECT_EQ(m_bar.GetPane(0)->GetRect().Width(), 51);
  EXPECT_EQ(Pane(kIdA)->GetRect(), CRect(53, 2, 105, 24));
}

// Panes ---------------------------------------------------------------------------------------

TEST_F(StatusBarTest, AnyHideFlagMakesAPaneInvisible) {
  CreateBar({0, kIdA, kIdB}, 300);
  CTKStatusBarPane* pPane = Pane(kIdA);
  pPane->SetCustomizeVisible(FALSE);
  EXPECT_EQ(pPane->GetHideFlags(), static_cast<DWORD>(CTKStatusBarPane::hideUser));
  EXPECT_FALSE(pPane->IsVisible());
  EXPECT_TRUE(pPane->GetRect().IsRectEmpty()) << "the layout leaves it out";
  pPane->SetCustomizeVisible(TRUE);
  pPane->SetVisible(FALSE);
  EXPECT_FALSE(pPane->IsVisible());
  EXPECT_TRUE(pPane->IsCustomizeVisible());
  pPane->SetVisible(TRUE);
  EXPECT_TRUE(pPane->IsVisible());
}

TEST_F(StatusBarTest, SetTextLaysTheBarOutOnlyWhenTheWidthChanges) {
  CreateBar({0, kIdA}, 300);
  CTKStatusBarPane* pPane = Pane(kIdA);
  const int nWidth = pPane->GetRect().Width();
  m_bar.m_nLayouts = 0;
  pPane->SetText("Pane A");
  EXPECT_EQ(m_bar.m_nLayouts, 0) << "the same text";
  pPane->SetText("Pane A, longer");
  EXPECT_EQ(m_bar.m_nLayouts, 1);
  EXPECT_GT(pPane->GetRect().Width(), nWidth);
  pPane->SetWidth(40);
  m_bar.m_nLayouts = 0;
  pPane->SetText("Pane A, longer still");
  EXPECT_EQ(m_bar.m_nLayouts, 0) << "a fixed width only redraws";
}

TEST_F(StatusBarTest, AllCapsUpperCasesTheTextsShown) {
  CreateBar({0, 103}, 300);
  m_bar.SetAllCaps(TRUE);
  EXPECT_EQ(m_bar.GetPaneText(1), CString("CAPS"));
}

TEST_F(StatusBarTest, AMissingStringStopsSetIndicators) {
  ASSERT_TRUE(m_bar.Create(&m_host));
  const UINT ids[] = {kIdA, 999, kIdB};
  EXPECT_FALSE(m_bar.SetIndicators(ids, 3));
  EXPECT_EQ(m_bar.CommandToIndex(kIdB), -1);
}

// The message pane's window text ------------------------------------------------------------------

TEST_F(StatusBarTest, SetTextAnswersWhetherTheTextWasSet) {
  CreateBar({kIdA}, 300);
  EXPECT_EQ(m_bar.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("text")), FALSE)
      << "no message pane";
  ASSERT_TRUE(m_bar.SetIndicators(std::vector<UINT>{0, kIdA}.data(), 2));
  EXPECT_EQ(m_bar.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("0123456789")), TRUE);
  EXPECT_EQ(m_bar.GetPaneText(0), CString("0123456789"));
  EXPECT_EQ(::GetWindowTextLengthA(m_bar.GetSafeHwnd()), 10);
}

struct GetTextCase {
  int nBuffer;
  LRESULT nAnswer;
  const char* pszCopied;
};

class StatusBarGetTextTest : public StatusBarTest,
                             public ::testing::WithParamInterface<GetTextCase> {};

TEST_P(StatusBarGetTextTest, GetTextAnswersTheCharactersCopied) {
  const GetTextCase& c = GetParam();
  CreateBar({0}, 300);
  m_bar.SetPaneText(0, "0123456789");
  char buffer[32];
  memset(buffer, 'x', sizeof(buffer));
  buffer[31] = 0;
  EXPECT_EQ(m_bar.SendMessage(WM_GETTEXT, c.nBuffer, reinterpret_cast<LPARAM>(buffer)), c.nAnswer);
  if (c.pszCopied != nullptr) EXPECT_STREQ(buffer, c.pszCopied);
}

INSTANTIATE_TEST_SUITE_P(Buffers, StatusBarGetTextTest,
                         ::testing::Values(GetTextCase{5, 4, "0123"},
                                           GetTextCase{11, 10, "0123456789"},
                                           GetTextCase{20, 10, "0123456789"},
                                           GetTextCase{0, 0, nullptr}));

// Saved pane state
// ----------------------------------------------------------------------------------

class StatusBarStateTest : public StatusBarTest, public ::testing::WithParamInterface<const char*> {
 protected:
  void SetUp() override {
    StatusBarTest::SetUp();
    theApp.SetRegistryKey("VelmStatusBarTest");
  }
  void TearDown() override {
    theApp.DelRegTree(HKEY_CURRENT_USER, "Software\\VelmStatusBarTest");
    free(const_cast<char*>(theApp.m_pszRegistryKey));
    theApp.m_pszRegistryKey = nullptr;
    StatusBarTest::TearDown();
  }
};

TEST_P(StatusBarStateTest, ThePanesValueHidesTheZeroes) {
  CreateBar({0, kIdA, kIdB}, 300);
  m_bar.EnableCustomization();
  ASSERT_TRUE(theApp.WriteProfileString("Layout", "StatusBarPanes", GetParam()));
  m_bar.LoadPaneState("Layout");
  EXPECT_TRUE(Pane(kIdA)->IsCustomizeVisible());
  EXPECT_FALSE(Pane(kIdB)->IsCustomizeVisible());
  EXPECT_TRUE(Pane(kIdB)->GetRect().IsRectEmpty());

  m_bar.SavePaneState("Layout");
  EXPECT_EQ(theApp.GetProfileString("Layout", "StatusBarPanes"), CString("101=1;102=0"));
  EXPECT_EQ(theApp.GetProfileInt("Layout", "StatusBar", 7), 7u) << "a visible bar writes nothing";
}

INSTANTIATE_TEST_SUITE_P(Separators, StatusBarStateTest,
                         ::testing::Values("101=1;102=0", "101=1\n102=0", "101=1\r\n102=0\n"));

TEST_F(StatusBarTest, WithoutCustomisationTheSavedPanesAreIgnoredAndRemoved) {
  theApp.SetRegistryKey("VelmStatusBarTest");
  CreateBar({0, kIdA, kIdB}, 300);
  theApp.WriteProfileString("Layout", "StatusBarPanes", "102=0");
  m_bar.LoadPaneState("Layout");
  EXPECT_TRUE(Pane(kIdB)->IsCustomizeVisible());
  m_bar.ShowWindow(SW_HIDE);
  m_bar.SavePaneState("Layout");
  EXPECT_EQ(theApp.GetProfileString("Layout", "StatusBarPanes", "<none>"), CString("<none>"));
  EXPECT_EQ(theApp.GetProfileInt("Layout", "StatusBar", 7), 0u);
  theApp.DelRegTree(HKEY_CURRENT_USER, "Software\\VelmStatusBarTest");
  free(const_cast<char*>(theApp.m_pszRegistryKey));
  theApp.m_pszRegistryKey = nullptr;
}

TEST_F(StatusBarTest, ThePropertyExchangeCarriesVisibilityAndPanes) {
  CTempFolder folder;
  const std::string path = folder.PathOf("bar.ini");
  CreateBar({0, kIdA, kIdB}, 300);
  m_bar.EnableCustomization();
  Pane(kIdA)->SetCustomizeVisible(FALSE);
  m_bar.ShowWindow(SW_HIDE);
  auto exchange = [&](BOOL bLoading) {
    CTKPropExchangeIniFile* pIni = new CTKPropExchangeIniFile(bLoading, nullptr, "Bar");
    pIni->AssignFile(path.c_str());
    CTKPropExchangeSection px(pIni);
    m_bar.DoPropExchange(px);
  };
  exchange(FALSE);
  char value[64];
  ::GetPrivateProfileStringA("Bar", "Panes", "", value, sizeof(value), path.c_str());
  EXPECT_STREQ(value, "101=0;102=1");

  Pane(kIdA)->SetCustomizeVisible(TRUE);
  m_bar.ShowWindow(SW_SHOW);
  ::WritePrivateProfileStringA("Bar", "Panes", "101=1;102=0", path.c_str());
  exchange(TRUE);
  EXPECT_FALSE(m_bar.GetStyle() & WS_VISIBLE) << "stored hidden";
  EXPECT_TRUE(Pane(kIdA)->IsCustomizeVisible());
  EXPECT_FALSE(Pane(kIdB)->IsCustomizeVisible());
}

// The idle update
// ------------------------------------------------------------------------------------------

/// A frame whose update handlers disable pane A and give pane B a text.
class CUpdatingFrame : public CFrameWnd {
 public:
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override {
    if (nCode == static_cast<int>(CN_UPDATE_COMMAND_UI) && pHandlerInfo == nullptr) {
      CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
      if (nID == kIdA) {
        pCmdUI->Enable(FALSE);
        pCmdUI->SetCheck(1);
        return TRUE;
      }
      if (nID == kIdB) {
        pCmdUI->SetText("Updated");
        return TRUE;
      }
    }
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
  }
};

TEST_F(StatusBarTest, TheIdleUpdateSetsThePanesFromTheFramesHandlers) {
  CUpdatingFrame* pFrame = new CUpdatingFrame;  // deletes itself with its window
  ASSERT_TRUE(pFrame->Create(nullptr, "frame"));
  CreateBar({0, kIdA, kIdB, 103}, 300, pFrame);
  m_bar.OnUpdateCmdUI(pFrame, TRUE);
  EXPECT_FALSE(Pane(kIdA)->IsEnabled());
  EXPECT_TRUE(Pane(kIdA)->IsPopout());
  EXPECT_EQ(m_bar.GetPaneText(2), CString("Updated"));
  EXPECT_TRUE(Pane(103)->IsEnabled()) << "a pane nobody handles keeps its state";
  m_bar.DestroyWindow();
  pFrame->DestroyWindow();
}

// The customise pop-up
// ---------------------------------------------------------------------------------

TEST_F(StatusBarTest, ARightClickWithoutCustomisationDoesNothing) {
  CreateBar({0, kIdA, kIdB}, 300);
  m_bar.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(150, 10));
  EXPECT_EQ(m_bar.m_nTracked, 0);
}

TEST_F(StatusBarTest, TheCustomisePopupListsThePanesLedByItsHeading) {
  CreateBar({0, kIdA, kIdB, 103}, 300);
  m_bar.EnableCustomization();
  Pane(kIdA)->SetCustomizeCaption("Position");
  Pane(kIdB)->SetCustomizeVisible(FALSE);
  Pane(103)->SetCustomizable(FALSE);
  m_bar.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(150, 10));
  ASSERT_EQ(m_bar.m_nTracked, 1);
  EXPECT_EQ(m_bar.m_popupItems, (std::vector<std::string>{"Customize Status Bar|0|0|1",
                                                          "Position|1|1|0", "Pane B|0|1|0"}));

  // Executing an item shows or hides its pane.
  CTKPopupBar* pPopup = m_bar.CreateCustomizePopup();
  CTKControl* pItem = pPopup->GetControls()->GetAt(2);
  EXPECT_EQ(pPopup->GetControls()->GetAt(0)->GetID(), TK_ID_CUSTOMIZE_STATUSBAR);
  pItem->OnExecute();
  EXPECT_TRUE(Pane(kIdB)->IsCustomizeVisible());
  EXPECT_EQ(pItem->GetChecked(), 1);
  EXPECT_FALSE(Pane(kIdB)->GetRect().IsRectEmpty());
  pPopup->InternalRelease();
}

// Painting and the gripper
// --------------------------------------------------------------------------------

/// A sizable top-level frame for the bar.
class CSizableFrame : public CWnd {
 public:
  BOOL Make() {
    return CreateEx(0, AfxRegisterWndClass(0), "frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200),
                    nullptr, 0);
  }
};

TEST_F(StatusBarTest, TheGripperShowsOnlyWhileTheFrameIsNotMaximised) {
  CSizableFrame frame;
  ASSERT_TRUE(frame.Make());
  CreateBar({0, kIdA}, 300, &frame);
  EXPECT_TRUE(m_bar.IsDrawGripper());
  CTestStatusBarPaintManager& calls = m_pPaintManager->m_statusBar;

  struct {
    int nShow;
    int nGrippers;
    LRESULT nHit;
  } cases[] = {{SW_SHOWNORMAL, 1, HTBOTTOMRIGHT}, {SW_SHOWMAXIMIZED, 0, HTCLIENT}};
  for (const auto& c : cases) {
    frame.ShowWindow(c.nShow);
    CRect rcFrame;
    frame.GetClientRect(&rcFrame);
    const int nWidth = rcFrame.Width();
    m_bar.MoveWindow(0, 0, nWidth, 24);
    calls.m_calls.clear();
    CDibSurface surface(nWidth, 24);
    m_bar.DrawBar(surface.GetDC());
    EXPECT_EQ(calls.CountCalls(TestStatusCall::kGripper), c.nGrippers) << c.nShow;
    CRect rcWindow;
    m_bar.GetWindowRect(&rcWindow);
    EXPECT_EQ(m_bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rcWindow.right - 2, rcWindow.top + 5)),
              c.nHit);
    // The panes leave the gripper's room free only while it shows.
    const int nRoom = ::GetSystemMetrics(SM_CXVSCROLL) + 2 * ::GetSystemMetrics(SM_CXBORDER);
    EXPECT_EQ(Pane(kIdA)->GetRect().right, c.nGrippers ? nWidth - nRoom : nWidth);
  }
  m_bar.DestroyWindow();
  frame.DestroyWindow();
}

TEST_F(StatusBarTest, PaintingDrawsBordersSeparatorsAndEntriesInOrder) {
  CreateBar({0, kIdA, kIdB, 103}, 300);
  Pane(kIdB)->SetStyle(SBPS_NOBORDERS);
  Pane(103)->SetVisible(FALSE);
  CTestStatusBarPaintManager& calls = m_pPaintManager->m_statusBar;
  calls.m_calls.clear();
  CDibSurface surface(300, 24);
  m_bar.DrawBar(surface.GetDC());
  std::vector<std::string> seen;
  for (const TestStatusCall& call : calls.m_calls)
    seen.push_back(std::to_string(call.kind) + ":" + std::to_string(call.nPaneId) + ":" +
                   std::to_string(call.bGripperPane));
  // Background; pane 0 (no borders, nothing pending); A's border; B's
  // pending separator; B the last visible pane.
  EXPECT_EQ(seen, (std::vector<std::string>{"0:0:0", "1:0:0", "2:101:0", "1:101:0", "3:102:0",
                                            "1:102:0"}));
  EXPECT_EQ(surface.GetPixel(150, 0), CTestStatusBarPaintManager::kBackground) << "above the panes";
  EXPECT_EQ(surface.GetPixel(150, 12), CTestStatusBarPaintManager::kEntry);
}

TEST_F(StatusBarTest, TheLastVisiblePaneGetsTheGripperBorder) {
  CreateBar({0, kIdA, kIdB}, 300);
  Pane(kIdB)->SetVisible(FALSE);
  CTestStatusBarPaintManager& calls = m_pPaintManager->m_statusBar;
  calls.m_calls.clear();
  CDibSurface surface(300, 24);
  m_bar.DrawBar(surface.GetDC());
  ASSERT_EQ(calls.CountCalls(TestStatusCall::kBorder), 1);
  for (const TestStatusCall& call : calls.m_calls)
    if (call.kind == TestStatusCall::kBorder) EXPECT_TRUE(call.bGripperPane);
}

TEST_F(StatusBarTest, AMarkupPaneIsMeasuredByTheMarkupEngine) {
  CreateBar({0, kIdA}, 300);
  m_bar.EnableMarkup();
  CTKStatusBarPane* pPane = Pane(kIdA);
  pPane->SetText("<TextBlock Width='57'>x</TextBlock>");
  ASSERT_NE(pPane->GetMarkupElement(), nullptr);
  const CRect rcPadding = pPane->GetPadding();
  EXPECT_EQ(pPane->GetWidth(), 57 + rcPadding.left + rcPadding.right);
  EXPECT_EQ(pPane->GetRect().Width(), 57 + rcPadding.left + rcPadding.right + 2);
  m_bar.EnableMarkup(FALSE);
  EXPECT_EQ(pPane->GetMarkupElement(), nullptr);
}

TEST_F(StatusBarTest, AChildWindowCoversItsPaneAndHidesWithIt) {
  CreateBar({0, kIdA}, 300);
  CWnd* pChild = new CWnd;
  ASSERT_TRUE(pChild->Create(AfxRegisterWndClass(0), "", WS_CHILD, CRect(0, 0, 1, 1), &m_bar, 5));
  Pane(kIdA)->SetWidth(60);
  Pane(kIdA)->SetChild(pChild, TRUE);  // deleted with the pane
  CRect rcChild;
  pChild->GetWindowRect(&rcChild);
  m_bar.ScreenToClient(&rcChild);
  CRect rcPane = Pane(kIdA)->GetRect();
  const int cxEdge = ::GetSystemMetrics(SM_CXEDGE);
  rcPane.DeflateRect(cxEdge, cxEdge);
  EXPECT_EQ(rcChild, rcPane);
  EXPECT_TRUE(pChild->GetStyle() & WS_VISIBLE);
  m_bar.MoveWindow(0, 0, 40, 24);
  EXPECT_FALSE(pChild->GetStyle() & WS_VISIBLE) << "no room";
}

/// The test paint manager as the ribbon theme.
class CRibbonStatusPaintManager : public CTestStatusPaintManager {
 public:
  int GetThemeType() const override { return 6; }
};

TEST_F(StatusBarTest, WithTheRibbonThemeShowingOrHidingTheBarRemeasuresTheFrame) {
  for (BOOL bRibbon : {FALSE, TRUE}) {
    CTKCommandBars commandBars;
    commandBars.SetPaintManager(bRibbon ? new CRibbonStatusPaintManager
                                        : new CTestStatusPaintManager);
    m_bar.SetCommandBars(&commandBars);
    CreateBar({0, kIdA}, 300);
    m_host.ClearMessages();
    // As the frame's delayed show and hide do it.
    for (UINT nShow : {SWP_HIDEWINDOW, SWP_SHOWWINDOW})
      m_bar.SetWindowPos(nullptr, 0, 0, 0, 0,
                         nShow | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(m_host.CountMessages(WM_NCCALCSIZE), bRibbon ? 2 : 0) << bRibbon;
    m_bar.DestroyWindow();
    m_bar.SetCommandBars(nullptr);
  }
}

TEST_F(StatusBarTest, AFrameLaysTheBarAlongItsBottom) {
  CFrameWnd* pFrame = new CFrameWnd;  // deletes itself with its window
  ASSERT_TRUE(pFrame->Create(nullptr, "frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)));
  ASSERT_TRUE(m_bar.Create(pFrame));
  const UINT ids[] = {0, kIdA};
  ASSERT_TRUE(m_bar.SetIndicators(ids, 2));
  pFrame->RecalcLayout();
  CRect rcFrame, rcBar;
  pFrame->GetClientRect(&rcFrame);
  m_bar.GetWindowRect(&rcBar);
  pFrame->ScreenToClient(&rcBar);
  EXPECT_EQ(rcBar, CRect(0, rcFrame.bottom - m_bar.CalcFixedLayout(TRUE, TRUE).cy, rcFrame.right,
                         rcFrame.bottom));
  EXPECT_EQ(Pane(kIdA)->GetRect().right,
            rcFrame.right - ::GetSystemMetrics(SM_CXVSCROLL) - 2 * ::GetSystemMetrics(SM_CXBORDER))
      << "a sizable frame's bar keeps the gripper's room";
  m_bar.DestroyWindow();
  pFrame->DestroyWindow();
}

TEST_F(StatusBarTest, TheHeightFitsTheFontAndTheMinimum) {
  CreateBar({0}, 300);
  CClientDC dc(nullptr);
  CFont* pOld = dc.SelectObject(m_bar.GetFont());
  const int cyText = dc.GetTextExtent("X", 1).cy;
  dc.SelectObject(pOld);
  const int cyNatural = cyText + 2 * ::GetSystemMetrics(SM_CYBORDER) + 2;
  EXPECT_EQ(m_bar.CalcFixedLayout(TRUE, TRUE), CSize(32767, std::max(cyNatural, 20)));
  m_bar.SendMessage(SB_SETMINHEIGHT, 40);
  EXPECT_EQ(m_bar.CalcFixedLayout(TRUE, TRUE).cy, 40);
  m_pPaintManager->m_statusBar.m_nMinHeight = 50;
  EXPECT_EQ(m_bar.CalcFixedLayout(TRUE, TRUE).cy, 50);
  m_pPaintManager->m_statusBar.m_nMinHeight = 0;
}

TEST_F(StatusBarTest, OnlyAnEnabledButtonPaneBecomesHot) {
  CreateBar({0, kIdA, kIdB, 103}, 300);
  Pane(kIdA)->SetButton(TRUE);
  Pane(103)->SetButton(TRUE);
  Pane(103)->SetEnabled(FALSE);
  struct {
    UINT nId;
    BOOL bHot;
  } cases[] = {{kIdA, TRUE}, {kIdB, FALSE}, {103, FALSE}};
  for (const auto& c : cases) {
    const CPoint pt = Pane(c.nId)->GetRect().CenterPoint();
    m_bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(m_bar.GetHotPane(), c.bHot ? Pane(c.nId) : nullptr) << c.nId;
  }
  const CPoint pt = Pane(kIdA)->GetRect().CenterPoint();
  m_bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
  m_bar.SendMessage(WM_MOUSELEAVE);
  EXPECT_EQ(m_bar.GetHotPane(), nullptr);
}

TEST_F(StatusBarTest, APaneWithATooltipAnswersTheToolHitTest) {
  CreateBar({0, kIdA, kIdB}, 300);
  Pane(kIdA)->SetTooltip("Where the caret is");
  TOOLINFO ti = {};
  ti.cbSize = sizeof(ti);
  EXPECT_EQ(m_bar.OnToolHitTest(Pane(kIdA)->GetRect().CenterPoint(), &ti),
            static_cast<INT_PTR>(kIdA));
  EXPECT_EQ(CRect(ti.rect), Pane(kIdA)->GetRect());
  TOOLINFO tiNone = {};
  tiNone.cbSize = sizeof(tiNone);
  EXPECT_EQ(m_bar.OnToolHitTest(Pane(kIdB)->GetRect().CenterPoint(), &tiNone), -1);
  if (ti.lpszText != nullptr && ti.lpszText != LPSTR_TEXTCALLBACK) free(ti.lpszText);
}

// Button panes
// ------------------------------------------------------------------------------------------

struct PressCase {
  const char* pszName;
  std::vector<MSG> script;  // hwnd filled in by the test
  int nCommands;
};

MSG Move(int x, int y) { return MSG{NULL, WM_MOUSEMOVE, 0, MAKELPARAM(x, y)}; }
MSG Up() { return MSG{NULL, WM_LBUTTONUP, 0, 0}; }
MSG Key(WPARAM vk) { return MSG{NULL, WM_KEYDOWN, vk, 0}; }

class StatusBarPressTest : public StatusBarTest, public ::testing::WithParamInterface<PressCase> {};

TEST_P(StatusBarPressTest, AButtonPaneSendsItsIdOnlyWhenReleasedOverIt) {
  CreateBar({0, kIdA}, 300);
  CTKStatusBarPane* pPane = Pane(kIdA);
  pPane->SetButton(TRUE);
  const CPoint ptIn = pPane->GetRect().CenterPoint();
  m_host.ClearMessages();
  for (MSG msg : GetParam().script) {
    if (msg.message == WM_MOUSEMOVE && msg.lParam == MAKELPARAM(1, 1))
      msg.lParam = MAKELPARAM(ptIn.x, ptIn.y);
    ::PostMessage(m_bar.GetSafeHwnd(), msg.message, msg.wParam, msg.lParam);
  }
  pPane->OnLButtonDown(ptIn);
  int nCommands = 0;
  for (const HostMessage& msg : m_host.GetMessages())
    if (msg.message == WM_COMMAND && LOWORD(msg.wParam) == kIdA) ++nCommands;
  EXPECT_EQ(nCommands, GetParam().nCommands);
  EXPECT_FALSE(pPane->IsPressed());
  EXPECT_EQ(::GetCapture(), static_cast<HWND>(NULL));
}

// (1, 1) stands for the pane's centre; (-5, -5) is outside it.
INSTANTIATE_TEST_SUITE_P(
    Scripts, StatusBarPressTest,
    ::testing::Values(PressCase{"Released", {Up()}, 1},
                      PressCase{"MovedOut", {Move(-5, -5), Up()}, 0},
                      PressCase{"MovedBackIn", {Move(-5, -5), Move(1, 1), Up()}, 1},
                      PressCase{"Escape", {Key(VK_ESCAPE), Up()}, 0},
                      PressCase{"OtherKey", {Key('A'), Up()}, 1},
                      PressCase{"Cancelled", {MSG{NULL, WM_CANCELMODE, 0, 0}, Up()}, 0}),
    [](const ::testing::TestParamInfo<PressCase>& info) {
      return std::string(info.param.pszName);
    });

/// Answers the bar's double-click notification with a set result.
class CDoubleClickOwner : public CTestHostWindow {
 public:
  LRESULT m_nAnswer = 0;
  DWORD_PTR m_nItem = 0;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_NOTIFY &&
        reinterpret_cast<NMHDR*>(lParam)->code == static_cast<UINT>(NM_DBLCLK)) {
      m_nItem = reinterpret_cast<NMMOUSE*>(lParam)->dwItemSpec;
      CTestHostWindow::WindowProc(message, wParam, lParam);
      return m_nAnswer;
    }
    return CTestHostWindow::WindowProc(message, wParam, lParam);
  }
};

TEST_F(StatusBarTest, ADoubleClickTellsTheOwnerAndClicksWhenItIsNotTaken) {
  CDoubleClickOwner owner;
  ASSERT_TRUE(owner.CreateHost());
  CreateBar({0, kIdA}, 300, &owner);
  CTKStatusBarPane* pPane = Pane(kIdA);
  pPane->SetButton(TRUE);
  const CPoint pt = pPane->GetRect().CenterPoint();
  for (LRESULT nAnswer : {1, 0}) {
    owner.m_nAnswer = nAnswer;
    owner.ClearMessages();
    m_bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    ASSERT_EQ(m_bar.GetHotPane(), pPane);
    ::PostMessage(m_bar.GetSafeHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    m_bar.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(owner.m_nItem, static_cast<DWORD_PTR>(kIdA));
    EXPECT_EQ(owner.CountMessages(WM_COMMAND), nAnswer == 0 ? 1 : 0) << nAnswer;
    DispatchPendingMessages();  // a release the pane did not take
  }
  m_bar.DestroyWindow();
}

TEST_F(StatusBarTest, APressEndedByQuitLeavesTheQuitForTheOuterLoop) {
  CreateBar({0, kIdA}, 300);
  CTKStatusBarPane* pPane = Pane(kIdA);
  pPane->SetButton(TRUE);
  ::PostQuitMessage(7);
  pPane->OnLButtonDown(pPane->GetRect().CenterPoint());
  MSG msg;
  ASSERT_TRUE(::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
  EXPECT_EQ(m_host.CountMessages(WM_COMMAND), 0);
}

}  // namespace
