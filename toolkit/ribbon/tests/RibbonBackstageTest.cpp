// The backstage view over a shown frame with command bars and a ribbon:
// opening from the system button, its place and the frame's hidden children,
// the menu pane's layout, tabs and their pages, keys through the keyboard
// manager and the pages, the mouse, the frame's closing, and its looks.
#include <afxdialog.h>

#include <cstdlib>

#include "SupportRibbon.h"
#include "SupportThemeImages.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKKeyboardManager.h"
#include "common/TKColorManager.h"
#include "common/TKDpiHelper.h"
#include "ribbon/TKRibbonBackstageControls.h"
#include "ribbon/TKRibbonBackstagePaintManager.h"
#include "ribbon/TKRibbonBackstageView.h"
#include "testsupport/DibSurface.h"
#include "testsupport/MessageLoop.h"

namespace {

const UINT kTopDockBarId = 0xE81B;

/// A property page whose leaving the test allows or refuses.
class CRefusingPage : public CPropertyPage {
 public:
  BOOL OnKillActive() override { return m_bAllowLeave; }
  BOOL OnSetActive() override {
    ++m_nActivations;
    return TRUE;
  }
  BOOL m_bAllowLeave = TRUE;
  int m_nActivations = 0;
};

/// Sets the view's hot entry as the mouse over it would.
class CStatedView : public CTKRibbonBackstageView {
 public:
  static void SetHot(CTKRibbonBackstageView* pView, CTKControl* pControl) {
    static_cast<CStatedView*>(pView)->m_pHotControl = pControl;
  }
  static void SetActive(CTKRibbonBackstageView* pView, CTKControl* pControl) {
    static_cast<CStatedView*>(pView)->m_pActiveTab = pControl;
  }
};

class RibbonBackstageTest : public RibbonFrameTest {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    RibbonFrameTest::SetUp();
    m_pBars->GetCommandBarsOptions()->bDisableCommandIfNoHandler = FALSE;
    AddTab("Home");
    m_pButton = m_pRibbon->AddSystemButton(0);
    m_pView = CTKRibbonBackstageView::CreateBackstageView(m_pBars);
    static_cast<CTKControlPopup*>(m_pButton)->SetCommandBar(m_pView);
    // A child of the frame's client area, as a document view would be.
    m_client.Create("STATIC", "client", WS_CHILD | WS_VISIBLE, CRect(0, 200, 100, 250), m_pFrame,
                    0x1234);
    m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    m_pFrame->RecalcLayout();
  }
  void TearDown() override {
    if (m_bFrameClosed) {
      m_pBars->InternalRelease();
      return;
    }
    if (m_pView->GetSafeHwnd() != NULL) m_pView->Close();
    for (CWnd* pPage : m_pages) pPage->DestroyWindow();
    RibbonFrameTest::TearDown();
  }

  /// A tab with a caption and an optional page window.
  CTKRibbonBackstageTab* AddBackstageTab(LPCSTR lpszCaption, CWnd* pPage = nullptr) {
    auto* pTab = new CTKRibbonBackstageTab(pPage != nullptr ? pPage->GetSafeHwnd() : NULL);
    pTab->SetCaption(lpszCaption);
    m_pView->GetControls()->Add(pTab, 0);
    return pTab;
  }
  CTKControl* AddCommand(LPCSTR lpszCaption, int nId) {
    CTKControl* pCommand = m_pView->GetControls()->Add(new CTKRibbonBackstageCommand, nId);
    pCommand->SetCaption(lpszCaption);
    return pCommand;
  }
  CTKControl* AddSeparator() {
    return m_pView->GetControls()->Add(new CTKRibbonBackstageMenuSeparator, 0);
  }
  /// A plain window page with a multi-line edit (id 100) and a single-line one (101).
  CWnd* AddPage() {
    CWnd* pPage = new CWnd;
    pPage->CreateEx(WS_EX_CONTROLPARENT, "STATIC", "", WS_POPUP, CRect(0, 0, 10, 10), m_pFrame, 0);
    m_edit.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN,
                  CRect(10, 10, 200, 60), pPage, 100);
    m_line.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(10, 70, 200, 90), pPage, 101);
    m_pages.push_back(pPage);
    m_ownedPages.emplace_back(pPage);
    return pPage;
  }
  BOOL Open() { return m_pButton->OnSetPopup(TRUE); }

  /// Dispatches what is queued the way typed keys go: the thread's keyboard
  /// hook offers each key to the keyboard manager first, then the windows
  /// pre-translate it.
  void PumpTypedKeys() {
    MSG msg;
    for (int i = 0; i < 1000 && ::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE); ++i) {
      if (CTKKeyboardManager::GetThreadManager()->ProcessQueuedKey(msg)) continue;
      if (CWnd::WalkPreTranslateTree(NULL, &msg)) continue;
      ::TranslateMessage(&msg);
      ::DispatchMessage(&msg);
    }
  }
  void Type(HWND hWnd, UINT nKey) {
    ::PostMessage(hWnd, WM_KEYDOWN, nKey, 1);
    PumpTypedKeys();
  }

  CTKControl* m_pButton = nullptr;
  CTKRibbonBackstageView* m_pView = nullptr;
  CWnd m_client;
  CEdit m_edit;
  CEdit m_line;
  std::vector<CWnd*> m_pages;
  std::vector<std::unique_ptr<CWnd>> m_ownedPages;
  bool m_bFrameClosed = false;
};

// Opening and closing ----------------------------------------------------------------------

TEST_F(RibbonBackstageTest, OnlyASystemButtonOpensTheView) {
  CTKControlButton other;
  EXPECT_FALSE(m_pView->Popup(&other));
  EXPECT_EQ(nullptr, m_pView->GetSafeHwnd());
  EXPECT_FALSE(m_pRibbon->IsBackstageViewVisible());
}

TEST_F(RibbonBackstageTest, CoversTheClientAreaBelowTheTabRowAndHidesTheOtherChildren) {
  AddBackstageTab("Info");
  ASSERT_TRUE(Open());
  ASSERT_TRUE(::IsWindow(m_pView->GetSafeHwnd()));
  EXPECT_TRUE(m_pRibbon->IsBackstageViewVisible());
  EXPECT_EQ(m_pView, m_pView->GetSystemButton()->GetCommandBar());

  CRect rcRibbon, rcView, rcClient;
  m_pRibbon->GetWindowRect(&rcRibbon);
  m_pFrame->ScreenToClient(&rcRibbon);
  m_pView->GetWindowRect(&rcView);
  m_pFrame->ScreenToClient(&rcView);
  m_pFrame->GetClientRect(&rcClient);
  EXPECT_EQ(rcRibbon.top + m_pRibbon->GetTabControlRect().bottom + 1, rcView.top);
  EXPECT_EQ(rcClient.left, rcView.left);
  EXPECT_EQ(rcClient.right, rcView.right);
  EXPECT_EQ(rcClient.bottom, rcView.bottom);

  EXPECT_FALSE(m_client.IsWindowVisible()) << "the document's window hides";
  CWnd* pTopDock = m_pFrame->GetDlgItem(kTopDockBarId);
  ASSERT_NE(nullptr, pTopDock);
  EXPECT_TRUE(pTopDock->IsWindowVisible()) << "the ribbon's dock bar stays";

  const int nClosed = m_pFrame->Count(TK_WM_POPUPCLOSED);
  m_pView->Close();
  EXPECT_EQ(nullptr, m_pView->GetSafeHwnd());
  EXPECT_TRUE(m_client.IsWindowVisible());
  EXPECT_FALSE(m_pRibbon->IsBackstageViewVisible());
  EXPECT_FALSE(m_pButton->IsPopupOpen());
  EXPECT_EQ(nClosed + 1, m_pFrame->Count(TK_WM_POPUPCLOSED));
}

TEST_F(RibbonBackstageTest, TheRibbonDisablesItsControlsWhileTheViewShows) {
  ASSERT_TRUE(Open());
  EXPECT_FALSE(m_pRibbon->GetControlQuickAccess()->GetEnabled());
  EXPECT_TRUE(m_pButton->GetEnabled());
  m_pView->Close();
  EXPECT_TRUE(m_pRibbon->GetControlQuickAccess()->GetEnabled());
}

TEST_F(RibbonBackstageTest, ClosingTheFrameClosesTheViewFirstAndStillClosesTheFrame) {
  ASSERT_TRUE(Open());
  const HWND hFrame = m_pFrame->GetSafeHwnd();
  // The view must be gone before the frame: it puts the frame's children back.
  bool bViewGoneFirst = false;
  struct CWatch : CTKHookManagerHookAble {
    CTKRibbonBackstageView* pView;
    bool* pGone;
    int OnHookMessage(HWND, UINT nMessage, WPARAM&, LPARAM&, LRESULT&) override {
      if (nMessage == WM_DESTROY) *pGone = pView->GetSafeHwnd() == NULL;
      return 0;
    }
  } watch;
  watch.pView = m_pView;
  watch.pGone = &bViewGoneFirst;
  TKHookManager()->SetHook(hFrame, &watch);
  m_bFrameClosed = true;
  ::SendMessage(hFrame, WM_CLOSE, 0, 0);
  EXPECT_FALSE(::IsWindow(hFrame));
  EXPECT_TRUE(bViewGoneFirst);
}

// Layout -------------------------------------------------------------------------------------

TEST_F(RibbonBackstageTest, EntriesStackTopDownAndSeparatorsFollowTheLook) {
  struct Case {
    const char* name;
    int nTheme;
    int nSeparator;  // the separator's height, 0: no room
  };
  const Case cases[] = {{"resource look", 5, 0}, {"Office 2013 look", 12, 21}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m_pView->GetControls()->RemoveAll();
    m_pView->SetTheme(c.nTheme);
    const int nInset = c.nTheme == 12 ? 0 : 6;
    CTKControl* pTab = AddBackstageTab("Info");
    CTKControl* pSeparator = AddSeparator();
    CTKControl* pCommand = AddCommand("Save", 0xE103);
    ASSERT_TRUE(Open());
    const int nMenu = m_pView->GetMenuWidth();
    EXPECT_GE(nMenu, 132);
    EXPECT_EQ(CRect(0, 7, nMenu, 44), pTab->GetRect());
    const int y = 45 + (c.nSeparator != 0 ? c.nSeparator + 1 : 0);
    if (c.nSeparator != 0) {
      EXPECT_EQ(CRect(0, 45, nMenu, 45 + c.nSeparator), pSeparator->GetRect());
    }
    EXPECT_EQ(CRect(nInset, y, nMenu - nInset, y + 26), pCommand->GetRect());
    m_pView->Close();
  }
}

TEST_F(RibbonBackstageTest, TheMenuWidensForALongCaption) {
  AddBackstageTab("Info");
  ASSERT_TRUE(Open());
  const int nShort = m_pView->GetMenuWidth();
  EXPECT_EQ(132, nShort);
  m_pView->Close();
  AddCommand("A command whose caption is far wider than the menu pane", 0xE103);
  ASSERT_TRUE(Open());
  EXPECT_GT(m_pView->GetMenuWidth(), nShort);
}

TEST_F(RibbonBackstageTest, APageFillsTheRoomRightOfTheMenuOrItsMinimumWhenWider) {
  CWnd* pPage = AddPage();
  CTKRibbonBackstageTab* pTab = AddBackstageTab("Info", pPage);
  pTab->SetDefaultItem(TRUE);
  ASSERT_TRUE(Open());
  ASSERT_EQ(pTab, m_pView->GetActiveTab()) << "the default entry opens";
  ASSERT_EQ(pPage, m_pView->GetActiveTabPage());
  EXPECT_EQ(m_pView->GetSafeHwnd(), ::GetParent(pPage->GetSafeHwnd()));
  EXPECT_TRUE(pPage->IsWindowVisible());
  CRect rcView, rcPage;
  m_pView->GetClientRect(&rcView);
  pPage->GetWindowRect(&rcPage);
  m_pView->ScreenToClient(&rcPage);
  EXPECT_EQ(m_pView->GetMenuWidth(), rcPage.left);
  EXPECT_EQ(2, rcPage.top);
  EXPECT_EQ(rcView.right, rcPage.right);

  pTab->SetMinPageSize(rcView.Width() + 300, 0);
  m_pView->RecalcLayout();
  pPage->GetWindowRect(&rcPage);
  EXPECT_EQ(rcView.Width() + 300, rcPage.Width()) << "wider than the view";
}

// Tabs -----------------------------------------------------------------------------------------

TEST_F(RibbonBackstageTest, TabsSwapTheirPagesAndATabWithoutOneShowsNone) {
  CWnd* pPage = AddPage();
  CTKControl* pFirst = AddBackstageTab("Info", pPage);
  CTKControl* pEmpty = AddBackstageTab("Empty");
  ASSERT_TRUE(Open());
  m_pView->SetFocusedControl(pFirst);
  ASSERT_EQ(pPage, m_pView->GetActiveTabPage());
  const int nNotified = m_pFrame->CountNotifications(TK_BN_BACKSTAGETABACTIVATED);
  m_pView->SetFocusedControl(pEmpty);
  EXPECT_EQ(pEmpty, m_pView->GetActiveTab());
  EXPECT_EQ(nullptr, m_pView->GetActiveTabPage());
  EXPECT_FALSE(pPage->IsWindowVisible());
  EXPECT_EQ(m_pFrame->GetSafeHwnd(), ::GetParent(pPage->GetSafeHwnd())) << "back to the frame";
  EXPECT_EQ(nNotified + 1, m_pFrame->CountNotifications(TK_BN_BACKSTAGETABACTIVATED));
}

TEST_F(RibbonBackstageTest, APropertyPageThatRefusesToBeLeftKeepsItsTab) {
  CRefusingPage page;
  ASSERT_TRUE(page.CWnd::CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 10, 10), m_pFrame, 0));
  CTKControl* pFirst = AddBackstageTab("Info", &page);
  CTKControl* pSecond = AddBackstageTab("Other");
  ASSERT_TRUE(Open());
  m_pView->SetFocusedControl(pFirst);
  EXPECT_EQ(1, page.m_nActivations) << "told it became current";
  page.m_bAllowLeave = FALSE;
  m_pView->SetFocusedControl(pSecond);
  EXPECT_EQ(pFirst, m_pView->GetActiveTab());
  page.m_bAllowLeave = TRUE;
  m_pView->SetFocusedControl(pFirst);
  m_pView->SetFocusedControl(pSecond);
  EXPECT_EQ(pSecond, m_pView->GetActiveTab());
  m_pView->SetFocusedControl(pFirst);
  // Closing cannot be refused: the page would go down with the view's window.
  page.m_bAllowLeave = FALSE;
  m_pView->Close();
  ASSERT_TRUE(::IsWindow(page.GetSafeHwnd()));
  EXPECT_EQ(m_pFrame->GetSafeHwnd(), ::GetParent(page.GetSafeHwnd()));
  EXPECT_FALSE(page.IsWindowVisible());
  page.DestroyWindow();
}

// Keys -----------------------------------------------------------------------------------------

TEST_F(RibbonBackstageTest, ArrowsWalkTheVisibleEntriesAndWrap) {
  CTKControl* pFirst = AddBackstageTab("Info");
  AddSeparator();
  CTKControl* pHidden = AddCommand("Hidden", 0xE104);
  pHidden->SetVisible(FALSE);
  CTKControl* pLast = AddCommand("Save", 0xE103);
  ASSERT_TRUE(Open());
  m_pView->SetFocusedControl(pFirst);
  Type(m_pView->GetSafeHwnd(), VK_UP);
  EXPECT_EQ(pLast, m_pView->GetFocusedControl()) << "Up from the first wraps to the last visible";
  Type(m_pView->GetSafeHwnd(), VK_DOWN);
  EXPECT_EQ(pFirst, m_pView->GetFocusedControl());
  Type(m_pView->GetSafeHwnd(), VK_DOWN);
  EXPECT_EQ(pLast, m_pView->GetFocusedControl()) << "over the separator and the hidden one";
}

TEST_F(RibbonBackstageTest, EnterRunsTheFocusedCommandAndClosesTheView) {
  AddBackstageTab("Info");
  CTKControl* pSave = AddCommand("Save", 0xE103);
  ASSERT_TRUE(Open());
  m_pView->SetFocusedControl(pSave);
  m_pFrame->m_commands.clear();
  Type(m_pView->GetSafeHwnd(), VK_RETURN);
  DispatchPendingMessages();
  EXPECT_EQ(nullptr, m_pView->GetSafeHwnd());
  ASSERT_EQ(1u, m_pFrame->m_commands.size());
  EXPECT_EQ(0xE103u, LOWORD(m_pFrame->m_commands[0]));
}

TEST_F(RibbonBackstageTest, EscapeClosesTheViewAndOtherKeysReachThePage) {
  AddBackstageTab("Info", AddPage())->SetDefaultItem(TRUE);
  ASSERT_TRUE(Open());
  m_line.SetFocus();
  Type(m_line.GetSafeHwnd(), 'A');
  CString strText;
  m_line.GetWindowText(strText);
  EXPECT_EQ(CString("a"), strText) << "typed into the page's edit";
  EXPECT_NE(nullptr, m_pView->GetSafeHwnd());
  Type(m_line.GetSafeHwnd(), VK_ESCAPE);
  EXPECT_EQ(nullptr, m_pView->GetSafeHwnd());
}

TEST_F(RibbonBackstageTest, EscapeInAMultiLineEditOfAPageClosesTheView) {
  AddBackstageTab("Info", AddPage())->SetDefaultItem(TRUE);
  ASSERT_TRUE(Open());
  m_edit.SetFocus();
  // Without the keyboard hook: only the pre-translation sees the key.
  ::PostMessage(m_edit.GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 1);
  DispatchPendingMessages();
  EXPECT_EQ(nullptr, m_pView->GetSafeHwnd());
}

TEST_F(RibbonBackstageTest, TabEntersTheActivePage) {
  AddBackstageTab("Info", AddPage())->SetDefaultItem(TRUE);
  ASSERT_TRUE(Open());
  m_pView->SetFocus();
  Type(m_pView->GetSafeHwnd(), VK_TAB);
  EXPECT_EQ(m_edit.GetSafeHwnd(), ::GetFocus());
}

// Mouse ------------------------------------------------------------------------------------------

TEST_F(RibbonBackstageTest, AClickOpensATabAndRunsACommand) {
  CTKControl* pTab = AddBackstageTab("Info");
  CTKControl* pSave = AddCommand("Save", 0xE103);
  CTKControl* pOff = AddCommand("Off", 0xE104);
  ASSERT_TRUE(Open());
  pOff->SetEnabled(FALSE);
  auto click = [&](UINT nMessage, CTKControl* pControl) {
    const CPoint pt = pControl->GetRect().CenterPoint();
    m_pView->SendMessage(nMessage, 0, MAKELPARAM(pt.x, pt.y));
  };
  click(WM_MOUSEMOVE, pOff);
  EXPECT_EQ(nullptr, m_pView->GetHotControl()) << "a disabled entry is never hot";
  click(WM_MOUSEMOVE, pSave);
  EXPECT_EQ(pSave, m_pView->GetHotControl());
  click(WM_LBUTTONDOWN, pTab);
  EXPECT_EQ(pTab, m_pView->GetActiveTab());
  m_pFrame->m_commands.clear();
  click(WM_LBUTTONUP, pSave);
  EXPECT_NE(nullptr, m_pView->GetSafeHwnd()) << "released over a command it was not pressed on";
  click(WM_LBUTTONDOWN, pSave);
  click(WM_LBUTTONUP, pSave);
  DispatchPendingMessages();
  EXPECT_EQ(nullptr, m_pView->GetSafeHwnd());
  ASSERT_EQ(1u, m_pFrame->m_commands.size());
}

// Looks ------------------------------------------------------------------------------------------

TEST_F(RibbonBackstageTest, TheThemeIdPicksTheLook) {
  struct Case {
    int nTheme;
    COLORREF clrBackNormal;  // 0 for the resource look
  };
  const Case cases[] = {{5, 0}, {0, 0}, {12, 0x9A572B}, {16, 0x9CF3FF}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nTheme);
    m_pView->SetTheme(c.nTheme);
    CTKRibbonBackstagePaintManager* pLook = m_pView->GetBackstagePaintManager();
    auto* pFlat = dynamic_cast<CTKRibbonBackstageViewThemeOffice2013*>(pLook);
    if (c.clrBackNormal == 0) {
      EXPECT_NE(nullptr, dynamic_cast<CTKRibbonBackstageViewThemeResource*>(pLook));
    } else {
      ASSERT_NE(nullptr, pFlat);
      EXPECT_EQ(c.clrBackNormal, pFlat->m_clrBackNormal);
    }
  }
}

class RibbonBackstageDrawTest : public RibbonBackstageTest {
 protected:
  void SetUp() override {
    RibbonBackstageTest::SetUp();
    m_images.AddImage("BackstageMenuPage", 4, CSize(32, 24));
    m_images.AddImage("BackstageMenuCommand", 3, CSize(32, 24));
    m_images.AddImage("BackstageMenuPageGlyph", 1, CSize(8, 16));
  }
  /// One entry drawn alone on a grey surface of the view's size, after the
  /// view set black as the starting text colour.
  void DrawEntry(CDibSurface& surface, CTKControl* pControl) {
    surface.Fill(kGrey);
    CDC* pDC = surface.GetDC();
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(RGB(0, 0, 0));
    m_pView->GetBackstagePaintManager()->DrawControl(pDC, m_pView, pControl);
  }
  /// The pixels inside the entry's caption area near a colour (smoothed
  /// text reaches its colour only in the cores of its strokes).
  int CaptionPixels(CDibSurface& surface, CTKControl* pControl, COLORREF clr) {
    CRect rc = pControl->GetRect();
    rc.DeflateRect(21, 4, 12, 4);
    int nNear = 0;
    for (int y = rc.top; y < rc.bottom; ++y) {
      for (int x = rc.left; x < rc.right; ++x) {
        const COLORREF px = surface.GetPixel(x, y);
        if (abs(GetRValue(px) - GetRValue(clr)) + abs(GetGValue(px) - GetGValue(clr)) +
                abs(GetBValue(px) - GetBValue(clr)) < 40)
          ++nNear;
      }
    }
    return nNear;
  }

  /// Far from black, white and the disabled grey, so that only text is near them.
  static constexpr COLORREF kGrey = RGB(0, 150, 0);
  CTestThemeImages m_images;
};

TEST_F(RibbonBackstageDrawTest, TheMenuTextIsTheThemesColourOrBlack) {
  struct Case {
    const char* name;
    const char* ini;
    COLORREF clrText;
  };
  const Case cases[] = {
      {"black text", "[Ribbon]\nBackstageMenuTextColor = 255 255 255", RGB(255, 255, 255)},
      {"silver and blue: no key", "[Ribbon]\nRibbonFace = 1 2 3", RGB(0, 0, 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CTestThemeImages images;  // the text of this case alone
    images.SetIni(c.ini);
    m_pView->GetControls()->RemoveAll();
    CTKControl* pTab = AddBackstageTab("WWWWWW");
    AddBackstageTab("Other")->SetDefaultItem(TRUE);
    ASSERT_TRUE(Open());
    CDibSurface surface(400, 200);
    DrawEntry(surface, pTab);
    EXPECT_GT(CaptionPixels(surface, pTab, c.clrText), 10);
    m_pView->Close();
  }
}

TEST_F(RibbonBackstageDrawTest, TabsTakeTheirRowAndCaptionColourByState) {
  m_images.SetIni("[Ribbon]\nRibbonFace = 1 2 3");
  CTKControl* pTab = AddBackstageTab("WWWWWW");
  ASSERT_TRUE(Open());
  const COLORREF clrDisabled = TKColorManager()->GetColor(35);
  struct Case {
    const char* name;
    bool bActive, bHot, bEnabled;
    int nRow;  // -1: no face
    COLORREF clrText;
  };
  const Case cases[] = {
      {"idle", false, false, true, -1, RGB(0, 0, 0)},
      {"hot", false, true, true, 0, RGB(0, 0, 0)},
      {"active: white caption", true, false, true, 1, RGB(255, 255, 255)},
      {"disabled and active", true, false, false, 3, clrDisabled},
  };
  CDibSurface surface(400, 200);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CStatedView::SetActive(m_pView, c.bActive ? pTab : nullptr);
    CStatedView::SetHot(m_pView, c.bHot ? pTab : nullptr);
    m_pView->SetFocusedControl(nullptr);
    pTab->SetEnabled(c.bEnabled);
    DrawEntry(surface, pTab);
    const CRect rc = pTab->GetRect();
    const COLORREF clrFace =
        c.nRow < 0 ? kGrey : m_images.SliceColor("BackstageMenuPage", c.nRow);
    EXPECT_EQ(clrFace, surface.GetPixel(rc.left + 4, rc.top + 4));
    EXPECT_GT(CaptionPixels(surface, pTab, c.clrText), 10);
    const std::string glyph = m_images.NameAt(surface, rc.right - 2, rc.CenterPoint().y);
    EXPECT_EQ(c.bActive, glyph == "BackstageMenuPageGlyph/0") << "the active tab's arrow";
  }
}

TEST_F(RibbonBackstageDrawTest, ACommandHasAFaceOnlyWhenHotOrFocused) {
  m_images.SetIni("[Ribbon]\nRibbonFace = 1 2 3");
  CTKControl* pCommand = AddCommand("Save", 0xE103);
  ASSERT_TRUE(Open());
  struct Case {
    const char* name;
    bool bHot, bFocused, bEnabled;
    int nRow;
  };
  const Case cases[] = {{"idle", false, false, true, -1},
                        {"hot", true, false, true, 0},
                        {"focused", false, true, true, 0},
                        {"focused, disabled", false, true, false, 2}};
  CDibSurface surface(400, 200);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CStatedView::SetHot(m_pView, c.bHot ? pCommand : nullptr);
    m_pView->SetFocusedControl(c.bFocused ? pCommand : nullptr);
    pCommand->SetEnabled(c.bEnabled);
    DrawEntry(surface, pCommand);
    const CRect rc = pCommand->GetRect();
    const COLORREF clrFace =
        c.nRow < 0 ? kGrey : m_images.SliceColor("BackstageMenuCommand", c.nRow);
    EXPECT_EQ(clrFace, surface.GetPixel(rc.left + 4, rc.top + 4));
  }
}

TEST_F(RibbonBackstageDrawTest, TheFlatLookFillsEachEntryWithItsStateColour) {
  m_pView->SetTheme(12);
  CTKControl* pTab = AddBackstageTab("Info");
  CTKControl* pSeparator = AddSeparator();
  ASSERT_TRUE(Open());
  auto* pLook = static_cast<CTKRibbonBackstageViewThemeOffice2013*>(
      m_pView->GetBackstagePaintManager());
  struct Case {
    const char* name;
    bool bActive, bHot;
    COLORREF clrFace;
  };
  const Case cases[] = {{"idle", false, false, pLook->m_clrBackNormal},
                        {"active", true, false, pLook->m_clrBackSelected},
                        {"hot and active: hot wins", true, true, pLook->m_clrBackHighlighted}};
  CDibSurface surface(400, 200);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CStatedView::SetActive(m_pView, c.bActive ? pTab : nullptr);
    CStatedView::SetHot(m_pView, c.bHot ? pTab : nullptr);
    DrawEntry(surface, pTab);
    EXPECT_EQ(c.clrFace, surface.GetPixel(pTab->GetRect().left + 2, pTab->GetRect().top + 2));
  }
  DrawEntry(surface, pSeparator);
  const CRect rc = pSeparator->GetRect();
  EXPECT_EQ(pLook->m_clrBackSelected, surface.GetPixel(rc.CenterPoint().x, rc.CenterPoint().y))
      << "a separator is a rule";
  EXPECT_EQ(kGrey, surface.GetPixel(rc.left + 10, rc.CenterPoint().y));
}

}  // namespace
