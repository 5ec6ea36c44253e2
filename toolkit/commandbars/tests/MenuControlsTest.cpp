// Menu controls: captions of generated items, the window and recent-file
// lists, the growing selector and its saved sizes, the markup label, the
// bitmap, link colours and links on glass, and the check box's keys.
#include <gtest/gtest.h>

#include <afxadv.h>

#include <memory>

#include "SupportFakeDwm.h"
#include "SupportPaintManager.h"
#include "SupportSite.h"
#include "SupportSystem.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControlLabels.h"
#include "commandbars/TKControlLists.h"
#include "commandbars/TKControlSelector.h"
#include "commandbars/TKControls.h"
#include "common/TKColorManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"
#include "common/TKPropExchangeIniFile.h"
#include "markup/TKMarkupFlat.h"
#include "testsupport/DibSurface.h"
#include "testsupport/HostWindow.h"
#include "testsupport/TempFolder.h"

namespace {

CWinApp theApp("VelmMenuControlsTest");

const UINT IDR_MDIFRAME = 300;

TEST(FormatMnemonicCaption, EscapesAmpersandsAndNumbersTheItem) {
  struct Case {
    const char* text;
    int nPosition;
    const char* expected;
  };
  const Case cases[] = {
      {"R&D", 0, "R&&D"},         {"Doc", 1, "&1 Doc"},     {"R&D", 3, "&3 R&&D"},
      {"Doc", 9, "&9 Doc"},       {"Doc", 10, "1&0 Doc"},   {"Doc", 11, "11 Doc"},
      {"a&&b", 0, "a&&&&b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_STREQ(c.expected, FormatMnemonicCaption(c.text, c.nPosition));
  }
}

/// A bar owned by a site, with the site's command bars left out.
class MenuControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    TKSetCommandBarsSystem(&m_system);
    m_pBar = new CTestBar;
    m_pBar->SetType(tkBarTypePopup);
  }
  void TearDown() override {
    m_pBar->InternalRelease();
    TKSetCommandBarsSystem(nullptr);
  }
  template <class T>
  T* AddControl(int nId) {
    T* pControl = new T;
    m_pBar->GetControls()->Add(pControl, nId);
    return pControl;
  }
  /// The captions of the controls after `pPlaceholder`.
  std::vector<CString> Generated(CTKControl* pPlaceholder) {
    std::vector<CString> captions;
    for (int i = pPlaceholder->GetIndex() + 1; i < m_pBar->GetControlCount(); ++i)
      captions.push_back(m_pBar->GetControl(i)->GetCaption());
    return captions;
  }

  CTestGlobalPaintManager m_paintManager;
  CRecordingSystem m_system;
  CTestBar* m_pBar = nullptr;
};

// Window list -----------------------------------------------------------------

class WindowListTest : public MenuControlsTest {
 protected:
  void SetUp() override {
    MenuControlsTest::SetUp();
    m_pFrame = new CMDIFrameWnd;  // deletes itself with its window
    ASSERT_TRUE(m_pFrame->LoadFrame(IDR_MDIFRAME, WS_OVERLAPPEDWINDOW));
    m_pBar->SetOwner(m_pFrame);
  }
  void TearDown() override {
    m_pFrame->DestroyWindow();
    MenuControlsTest::TearDown();
  }
  CMDIChildWnd* NewChild(const char* title) {
    CMDIChildWnd* pChild = new CMDIChildWnd;  // deletes itself with its window
    if (!pChild->Create(NULL, title, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                        CRect(0, 0, 100, 80), m_pFrame))
      return nullptr;
    return pChild;
  }

  CMDIFrameWnd* m_pFrame = nullptr;
};

TEST_F(WindowListTest, ListsTheFirstNineWindowsWithTheirAmpersands) {
  CTKControl* pFirst = AddControl<CTKControlButton>(100);
  CTKControl* pList = AddControl<CTKControlWindowList>(TKID_WINDOWLIST);
  AddControl<CTKControlButton>(101);
  CString strTitle;
  for (int i = 1; i <= 12; ++i) {
    strTitle.Format("R&D %d", i);
    ASSERT_NE(NewChild(strTitle), nullptr);
  }
  pList->OnCalcDynamicSize(0);

  EXPECT_EQ(pList->GetHideFlags(), static_cast<DWORD>(TKHIDE_GENERIC));
  ASSERT_EQ(m_pBar->GetControlCount(), 3 + 9);
  EXPECT_EQ(m_pBar->GetControl(0), pFirst);
  EXPECT_EQ(m_pBar->GetControl(11)->GetID(), 101);
  EXPECT_STREQ("&1 R&&D 1", m_pBar->GetControl(2)->GetCaption());
  EXPECT_STREQ("&9 R&&D 9", m_pBar->GetControl(10)->GetCaption());
  EXPECT_TRUE(m_pBar->GetControl(2)->GetBeginGroup());
  EXPECT_FALSE(m_pBar->GetControl(3)->GetBeginGroup());
  for (int i = 2; i <= 10; ++i) {
    CTKControl* pItem = m_pBar->GetControl(i);
    EXPECT_TRUE(pItem->IsTemporary());
    EXPECT_NE(pItem->GetFlags() & TKFLAG_MANUALUPDATE, 0u);
    EXPECT_EQ(pItem->GetID(), CTKControlWindowList::GetFirstMDIChildId() + i - 2);
  }
  // The twelfth window is the active one, beyond the nine listed.
  for (int i = 2; i <= 10; ++i) EXPECT_FALSE(m_pBar->GetControl(i)->GetChecked()) << i;

  // Laid out again, it replaces its items instead of adding more.
  pList->OnCalcDynamicSize(0);
  EXPECT_EQ(m_pBar->GetControlCount(), 3 + 9);
}

TEST_F(WindowListTest, ChecksTheActiveWindow) {
  CTKControl* pList = AddControl<CTKControlWindowList>(TKID_WINDOWLIST);
  NewChild("one");
  NewChild("two");
  pList->OnCalcDynamicSize(0);
  ASSERT_EQ(Generated(pList), (std::vector<CString>{"&1 one", "&2 two"}));
  EXPECT_FALSE(m_pBar->GetControl(1)->GetChecked());
  EXPECT_TRUE(m_pBar->GetControl(2)->GetChecked());
}

TEST_F(MenuControlsTest, WindowListOutsideAnMDIFrameShowsItself) {
  CTestSite site;
  ASSERT_TRUE(site.CreateHost());
  m_pBar->SetOwner(&site);
  CTKControl* pList = AddControl<CTKControlWindowList>(TKID_WINDOWLIST);
  pList->SetHideFlags(TKHIDE_GENERIC);
  pList->OnCalcDynamicSize(0);
  EXPECT_EQ(pList->GetHideFlags(), 0u);
  EXPECT_EQ(m_pBar->GetControlCount(), 1);
}

// Recent files ----------------------------------------------------------------

class RecentFileListTest : public MenuControlsTest {
 protected:
  void SetUp() override {
    MenuControlsTest::SetUp();
    theApp.m_pRecentFileList =
        new CRecentFileList(ID_FILE_MRU_FILE1, "Recent File List", "File%d", 12, 60);
  }
  void TearDown() override {
    delete theApp.m_pRecentFileList;
    theApp.m_pRecentFileList = nullptr;
    MenuControlsTest::TearDown();
  }
  CRecentFileList& List() { return *theApp.m_pRecentFileList; }
};

TEST_F(RecentFileListTest, OneItemPerFileNumberedUpToTen) {
  AddControl<CTKControlButton>(100);
  CTKControl* pList = AddControl<CTKControlRecentFileList>(ID_FILE_MRU_FILE1);
  CString strPath;
  for (int i = 0; i < 11; ++i) {
    strPath.Format("Z:\\builds\\nightly %d.velm", i + 1);
    List()[i] = strPath;
  }
  pList->OnCalcDynamicSize(0);

  EXPECT_EQ(pList->GetHideFlags(), static_cast<DWORD>(TKHIDE_GENERIC));
  const std::vector<CString> captions = Generated(pList);
  ASSERT_EQ(captions.size(), 11u);
  EXPECT_STREQ("&1 Z:\\builds\\nightly 1.velm", captions[0]);
  EXPECT_STREQ("1&0 Z:\\builds\\nightly 10.velm", captions[9]);
  EXPECT_STREQ("11 Z:\\builds\\nightly 11.velm", captions[10]);
  CTKControl* pTenth = m_pBar->GetControl(2 + 9);
  EXPECT_EQ(pTenth->GetID(), ID_FILE_MRU_FILE1 + 9);
  EXPECT_STREQ("Z:\\builds\\nightly 10.velm", pTenth->GetParameter());
  // Not the bar's first control: the files start a group.
  EXPECT_TRUE(m_pBar->GetControl(2)->GetBeginGroup());

  pList->OnCalcDynamicSize(0);
  EXPECT_EQ(Generated(pList).size(), 11u);
}

TEST_F(RecentFileListTest, FilesOfTheCurrentFolderShowByName) {
  CTKControl* pList = AddControl<CTKControlRecentFileList>(ID_FILE_MRU_FILE1);
  char szCurDir[MAX_PATH] = "";
  ::GetCurrentDirectory(MAX_PATH, szCurDir);
  CString strPath = szCurDir;
  if (strPath.Right(1) != "\\") strPath += '\\';
  List()[0] = strPath + "a&b.velm";
  pList->OnCalcDynamicSize(0);
  EXPECT_EQ(Generated(pList), (std::vector<CString>{"&1 a&&b.velm"}));
  EXPECT_FALSE(m_pBar->GetControl(1)->GetBeginGroup());
}

TEST_F(RecentFileListTest, EmptyListShowsThePlaceholderDisabled) {
  CTKControl* pList = AddControl<CTKControlRecentFileList>(ID_FILE_MRU_FILE1);
  pList->SetCaption("Recent File");
  pList->SetHideFlags(TKHIDE_GENERIC);
  pList->OnCalcDynamicSize(0);
  EXPECT_EQ(pList->GetHideFlags(), 0u);
  EXPECT_FALSE(pList->GetEnabled());
  EXPECT_EQ(m_pBar->GetControlCount(), 1);
}

// Selector --------------------------------------------------------------------

TEST_F(MenuControlsTest, SelectorGrowsPastItsEdgesUpToTwelveByTwelve) {
  struct Case {
    CPoint ptCursor;  ///< in bar coordinates (the test bar has no window)
    CSize szGrid;
    CSize szSelected;
  };
  // 5 x 4 cells of 28 x 28 from (0, 0): right edge 140, bottom edge 112.
  const Case cases[] = {
      {CPoint(200, 50), CSize(8, 4), CSize(8, 2)},
      {CPoint(100, 130), CSize(5, 5), CSize(4, 5)},
      {CPoint(5000, 5000), CSize(12, 12), CSize(12, 12)},
      {CPoint(60, 60), CSize(5, 4), CSize(0, 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.ptCursor.x << "," << c.ptCursor.y);
    CTKControlSelector* pSelector = AddControl<CTKControlSelector>(500);
    pSelector->OnCalcDynamicSize(0);
    pSelector->SetRect(CRect(CPoint(0, 0), pSelector->GetSize(nullptr)));
    ASSERT_EQ(pSelector->GetGrid(), CSize(5, 4));
    pSelector->SetSelected(TRUE);
    pSelector->OnMouseMove(CPoint(60, 60));
    ASSERT_EQ(pSelector->GetSelectedCells(), CSize(3, 3));

    m_system.m_keysDown.insert(VK_LBUTTON);
    m_system.m_ptCursor = c.ptCursor;
    pSelector->SetSelected(FALSE);
    m_system.m_keysDown.erase(VK_LBUTTON);
    EXPECT_EQ(pSelector->GetGrid(), c.szGrid);
    EXPECT_EQ(pSelector->GetSelectedCells(), c.szSelected);
    m_pBar->GetControls()->RemoveAll();
  }
}

TEST_F(MenuControlsTest, SelectorRunsWithTheCellsUnderTheMouse) {
  CTestSite site;
  ASSERT_TRUE(site.CreateHost());
  m_pBar->SetOwner(&site);
  CTKControlSelector* pSelector = AddControl<CTKControlSelector>(500);
  pSelector->OnCalcDynamicSize(0);
  pSelector->SetRect(CRect(CPoint(10, 10), pSelector->GetSize(nullptr)));
  site.m_notifications.clear();
  pSelector->OnMouseMove(CPoint(10 + 28 + 5, 10 + 5));
  pSelector->OnMouseMove(CPoint(10 + 28 + 6, 10 + 5));  // the same cells: no news
  ASSERT_EQ(site.m_notifications.size(), 1u);
  EXPECT_EQ(site.m_notifications[0].hdr.code,
            static_cast<UINT>(CTKControlSelector::kSelectionChanged));
  pSelector->OnLButtonUp(CPoint(10 + 28 + 5, 10 + 5));
  EXPECT_EQ(pSelector->GetExecutedCells(), CSize(2, 1));
  const HostMessage* pCommand = site.FindLastMessage(WM_COMMAND);
  ASSERT_NE(pCommand, nullptr);
  EXPECT_EQ(pCommand->wParam, 500u);
}

TEST_F(MenuControlsTest, SelectorPaintsTheSelectedCellsHighlighted) {
  CTKControlSelector* pSelector = AddControl<CTKControlSelector>(500);
  pSelector->OnCalcDynamicSize(0);
  pSelector->SetRect(CRect(CPoint(0, 0), pSelector->GetSize(nullptr)));
  pSelector->OnMouseMove(CPoint(30, 30));  // 2 x 2
  CDibSurface surface(140, 112);
  pSelector->Draw(surface.GetDC());
  const COLORREF clrHighlight = TKColorManager()->GetColor(13);
  const COLORREF clrWindow = TKColorManager()->GetColor(5);
  EXPECT_EQ(surface.GetPixel(14, 14), clrHighlight);
  EXPECT_EQ(surface.GetPixel(28 + 14, 28 + 14), clrHighlight);
  EXPECT_EQ(surface.GetPixel(56 + 14, 14), clrWindow);
  EXPECT_EQ(surface.GetPixel(14, 56 + 14), clrWindow);
}

TEST_F(MenuControlsTest, SelectorSizesTravelWithTheLayoutAndTheCopy) {
  CTKControlSelector* pSelector = AddControl<CTKControlSelector>(500);
  pSelector->SetItemsCount(CSize(3, 2));
  pSelector->SetItemsMax(CSize(8, 6));
  pSelector->SetItemSize(CSize(20, 18));
  CTempFolder folder;
  const std::string path = folder.PathOf("layout.ini");
  auto open = [&](BOOL bLoading) {
    CTKPropExchangeIniFile* pIni = new CTKPropExchangeIniFile(bLoading, nullptr, "Selector");
    pIni->AssignFile(path.c_str());
    return pIni;
  };
  {
    CTKPropExchangeSection px(open(FALSE));
    pSelector->DoPropExchange(px);
  }
  CTKControlSelector loaded;
  {
    CTKPropExchangeSection px(open(TRUE));
    loaded.DoPropExchange(px);
  }
  CTKControlSelector* pCopy = static_cast<CTKControlSelector*>(pSelector->Clone());
  for (CTKControlSelector* p : {&loaded, pCopy}) {
    EXPECT_EQ(p->GetItemsCount(), CSize(3, 2));
    EXPECT_EQ(p->GetItemsMax(), CSize(8, 6));
    EXPECT_EQ(p->GetItemSize(), CSize(20, 18));
  }
  pCopy->InternalRelease();
}

// Markup label and bitmap --------------------------------------------------------

/// Text of bars in a colour no other part uses.
class CTextColourPaintManager : public CTestPaintManager {
 public:
  static constexpr COLORREF kEnabled = RGB(0, 150, 0);
  static constexpr COLORREF kDisabled = RGB(150, 0, 150);
  COLORREF GetRectangleTextColor(BOOL, BOOL, BOOL bEnabled, BOOL, BOOL, int, int) override {
    return bEnabled ? kEnabled : kDisabled;
  }
};

TEST_F(MenuControlsTest, AMarkupLabelIsMeasuredAndDrawnThroughItsParsedCaption) {
  m_pBar->SetPaintManager(new CTextColourPaintManager);
  CTKControlMarkupLabel* pLabel = AddControl<CTKControlMarkupLabel>(800);
  EXPECT_EQ(pLabel->GetType(), tkControlLabel);
  EXPECT_FALSE(pLabel->SetSelected(1));
  pLabel->SetCaption("<Border Width='30' Height='12' Background='#FF0000'/>");
  ASSERT_NE(pLabel->GetMarkupElement(), nullptr);
  CDibSurface surface(120, 40, RGB(255, 255, 255));
  EXPECT_EQ(pLabel->GetSize(surface.GetDC()), CSize(30, 12));

  // A new caption is parsed again; the text takes the bar's text colour.
  struct Case {
    const char* name;
    BOOL bEnabled;
    COLORREF clrText;
  };
  const Case cases[] = {
      {"enabled", TRUE, CTextColourPaintManager::kEnabled},
      {"disabled", FALSE, CTextColourPaintManager::kDisabled},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    pLabel->SetCaption("<TextBlock>Build <Bold>all</Bold></TextBlock>");
    pLabel->SetEnabled(c.bEnabled);
    CDibSurface text(120, 40, RGB(255, 255, 255));
    const CSize sz = pLabel->GetSize(text.GetDC());
    EXPECT_GT(sz.cx, 20);
    pLabel->SetRect(CRect(CPoint(4, 4), sz));
    pLabel->Draw(text.GetDC());
    EXPECT_GT(text.CountPixels(c.clrText), 0);
    EXPECT_EQ(text.CountPixels(RGB(0, 0, 0)), 0) << "no text in the markup's own black";
  }

  // A caption that is no markup leaves the label without an element.
  pLabel->SetCaption("plain & simple");
  EXPECT_EQ(pLabel->GetMarkupElement(), nullptr);
}

TEST_F(MenuControlsTest, ABitmapShowsTheLargestIconOfItsIdScaledFromStandardDpi) {
  CTKImageManager* pImages = new CTKImageManager;
  m_pBar->SetImageManager(pImages);
  ASSERT_TRUE(AddTestIcons(pImages, {900}, 16));
  ASSERT_TRUE(AddTestIcons(pImages, {900}, 24));
  CTKControlBitmap* pBitmap = AddControl<CTKControlBitmap>(900);
  CTKControlBitmap* pNone = AddControl<CTKControlBitmap>(901);
  CDibSurface surface(80, 80, RGB(255, 255, 255));
  struct Case {
    int nDpi;
    CSize size;
  };
  for (const Case& c : {Case{96, CSize(24, 24)}, Case{144, CSize(36, 36)}}) {
    SCOPED_TRACE(c.nDpi);
    TKDpiHelper()->OverrideDpi(c.nDpi, c.nDpi);
    EXPECT_EQ(pBitmap->GetSize(surface.GetDC()), c.size);
    EXPECT_EQ(pNone->GetSize(surface.GetDC()), CSize(0, 0));
  }
  TKDpiHelper()->OverrideDpi(96, 96);
  pBitmap->SetRect(CRect(CPoint(10, 20), pBitmap->GetSize(surface.GetDC())));
  pBitmap->Draw(surface.GetDC());
  const COLORREF clrIcon = RGB(0x30, 0x60, 0xA0);
  EXPECT_EQ(surface.CountPixels(CRect(10, 20, 34, 44), clrIcon), 24 * 24);
  EXPECT_EQ(surface.CountPixels(clrIcon), 24 * 24);
}

// Hyperlink and check box -------------------------------------------------------

TEST_F(MenuControlsTest, HyperlinkColoursFollowItsState) {
  struct Case {
    const char* name;
    BOOL bEnabled;
    int nSelected;
    COLORREF clrExpected;
  };
  const Case cases[] = {
      {"normal", TRUE, 0, RGB(0, 0, 255)},
      {"selected", TRUE, 1, RGB(255, 0, 0)},
      {"disabled", FALSE, 0, TKColorManager()->GetColor(17)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CTKControlHyperlink* pLink = AddControl<CTKControlHyperlink>(600);
    pLink->SetCaption("WWW");
    pLink->SetEnabled(c.bEnabled);
    pLink->SetSelected(c.nSelected);
    EXPECT_EQ(pLink->GetLinkColor(), c.clrExpected);
    CDibSurface surface(60, 20, RGB(255, 255, 255));
    pLink->SetRect(CRect(CPoint(2, 2), pLink->GetSize(surface.GetDC())));
    pLink->Draw(surface.GetDC());
    EXPECT_GT(surface.CountPixels(c.clrExpected), 0);
    m_pBar->GetControls()->RemoveAll();
  }
}

/// Records the texts it is asked to draw and whether on glass.
class CGlassTextPaintManager : public CTestFramedPaintManager {
 public:
  struct Text {
    CString strText;
    UINT nFormat;
    BOOL bOnGlass;
  };
  std::vector<Text> m_texts;
  void DrawTextComposited(CDC* pDC, const CString& strText, CRect rc, UINT nFormat,
                          BOOL bOnGlass) override {
    m_texts.push_back({strText, nFormat, bOnGlass});
    CTestFramedPaintManager::DrawTextComposited(pDC, strText, rc, nFormat, bOnGlass);
  }
};

TEST_F(MenuControlsTest, AHyperlinkOnGlassHasItsPaintManagerCompositeTheCaption) {
  struct Case {
    const char* name;
    bool bComposition;
    int nPosition;
    BOOL bOnGlass;
  };
  const Case cases[] = {
      {"top bar of a frame on glass", true, tkBarTop, TRUE},
      {"floating bar of that frame", true, tkBarFloating, FALSE},
      {"top bar without composition", false, tkBarTop, FALSE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<CFakeDwm> dwm(c.bComposition ? new CFakeDwm : nullptr);
    CGlassTextPaintManager* pPaintManager = new CGlassTextPaintManager;
    CGlassFrame glass(pPaintManager, c.nPosition);
    CTKCommandBar* pBar = glass.pBar;
    CTKControlHyperlink* pLink = new CTKControlHyperlink;
    pBar->GetControls()->Add(pLink, 600);
    pLink->SetCaption("R&D notes");

    CDibSurface surface(100, 20, RGB(255, 255, 255));
    pLink->SetRect(CRect(CPoint(2, 2), pLink->GetSize(surface.GetDC())));
    pLink->Draw(surface.GetDC());
    ASSERT_EQ(pPaintManager->m_texts.size(), 1u);
    EXPECT_STREQ(pPaintManager->m_texts[0].strText, "R&D notes");
    EXPECT_EQ(pPaintManager->m_texts[0].nFormat, static_cast<UINT>(DT_SINGLELINE | DT_NOPREFIX));
    EXPECT_EQ(pPaintManager->m_texts[0].bOnGlass, c.bOnGlass);
    EXPECT_EQ(pLink->IsOnGlass(), c.bOnGlass);
    EXPECT_GT(surface.CountPixels(RGB(0, 0, 255)), 0);
  }
}

TEST_F(MenuControlsTest, CheckBoxTakesSpaceWhileSelected) {
  CTKControlCheckBox* pCheck = AddControl<CTKControlCheckBox>(700);
  EXPECT_EQ(pCheck->GetType(), tkControlCheckBox);
  EXPECT_FALSE(pCheck->IsFocused());
  pCheck->SetSelected(TRUE);
  EXPECT_TRUE(pCheck->IsFocused());
  EXPECT_EQ(pCheck->OnHookKeyDown(VK_SPACE, 0), 1);
  EXPECT_EQ(pCheck->OnHookKeyDown(VK_DOWN, 0), 0);
  EXPECT_EQ(CTKControlRadioButton().GetType(), tkControlRadioButton);
}

}  // namespace
