// The system button and its pop-up: the recent files with their numbers,
// tooltips and pins, the bottom row of buttons, and the double click.
#include <afxadv.h>

#include <memory>

#include "SupportRibbon.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKDpiHelper.h"
#include "ribbon/TKRibbonSystemPopup.h"

namespace {

/// The recent-file list of a test rather than of the application.
class CTestRecentFileList : public CTKRibbonControlSystemRecentFileList {
 public:
  CRecentFileList* GetRecentFileList() override { return m_pList; }
  CRecentFileList* m_pList = nullptr;
};

/// A pinnable item that counts its runs instead of sending its command.
class CCountingPinItem : public CTKRibbonControlSystemPopupBarPinableListItem {
 public:
  void OnExecute() override { ++m_nRuns; }
  int m_nRuns = 0;
};

/// A bottom button of a fixed width.
class CFixedButton : public CTKRibbonControlSystemPopupBarButton {
 public:
  explicit CFixedButton(int cx) : m_cx(cx) {}
  CSize GetSize(CDC*) override { return CSize(m_cx, 22); }
  int m_cx;
};

class RibbonSystemPopupTest : public RibbonFrameTest {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    RibbonFrameTest::SetUp();
    m_pButton = m_pRibbon->AddSystemButton(0);
    m_pPopup = static_cast<CTKRibbonSystemPopupBar*>(m_pButton->GetCommandBar());
  }
  /// A list of twelve files, "a&b.txt" third, with the heading on the pop-up.
  CTestRecentFileList* AddRecentFiles(const char* pszSection = "Recent File List") {
    m_pFiles.reset(pszSection == CString("PinableRecentFileList")
                       ? new CTKPinableRecentFileList(0xE110, 12)
                       : new CRecentFileList(0xE110, pszSection, "File%d", 12));
    for (int i = 0; i < 12; ++i) (*m_pFiles)[i].Format("C:\\Builds\\file%d.velm", i + 1);
    (*m_pFiles)[2] = "C:\\Builds\\a&b.txt";
    CTestRecentFileList* pList = new CTestRecentFileList;
    pList->m_pList = m_pFiles.get();
    m_pPopup->GetControls()->Add(pList, 0);
    return pList;
  }

  CTKControl* m_pButton = nullptr;
  CTKRibbonSystemPopupBar* m_pPopup = nullptr;
  std::unique_ptr<CRecentFileList> m_pFiles;
};

TEST(RibbonSystemPopupCaption, NumbersTheFirstNineAndDoublesAmpersands) {
  struct Case {
    const char* text;
    int nNumber;
    const char* expected;
  };
  const Case cases[] = {
      {"a&b.txt", 3, "&3 a&&b.txt"},
      {"plain.velm", 1, "&1 plain.velm"},
      {"&&", 9, "&9 &&&&"},
      {"a&b.txt", 10, "a&&b.txt"},
      {"twelfth.velm", 12, "twelfth.velm"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CString(c.expected),
              CTKRibbonControlSystemRecentFileList::MakeItemCaption(c.text, c.nNumber))
        << c.text << " " << c.nNumber;
}

TEST_F(RibbonSystemPopupTest, RecentFilesFollowTheirHeadingWithCaptionsAndPaths) {
  CTestRecentFileList* pList = AddRecentFiles();
  pList->OnCalcDynamicSize(0);
  pList->OnCalcDynamicSize(0);  // a second layout replaces the items, it does not add more
  CTKControls* pControls = m_pPopup->GetControls();
  ASSERT_EQ(13, pControls->GetCount());
  CTKControl* pThird = pControls->GetAt(3);
  EXPECT_EQ(CString("&3 a&&b.txt"), pThird->GetCaption());
  EXPECT_EQ(CString("C:\\Builds\\a&b.txt"), pThird->GetTooltip());
  EXPECT_EQ(CString("C:\\Builds\\a&b.txt"), pThird->GetParameter());
  EXPECT_EQ(0xE110 + 2, pThird->GetID());
  EXPECT_TRUE(pThird->IsTemporary());
  EXPECT_EQ(CString("file12.velm"), pControls->GetAt(12)->GetCaption());
}

TEST_F(RibbonSystemPopupTest, EmptyOrCustomisingListShowsItsHeadingOnly) {
  CTestRecentFileList* pList = AddRecentFiles();
  pList->OnCalcDynamicSize(0);
  ASSERT_EQ(13, m_pPopup->GetControls()->GetCount());

  m_pBars->SetCustomizeMode(TRUE);
  pList->OnCalcDynamicSize(0);
  EXPECT_EQ(1, m_pPopup->GetControls()->GetCount()) << "customising";
  m_pBars->SetCustomizeMode(FALSE);

  (*m_pFiles)[0].Empty();
  pList->OnCalcDynamicSize(0);
  EXPECT_EQ(1, m_pPopup->GetControls()->GetCount()) << "an empty first entry";
}

TEST_F(RibbonSystemPopupTest, PinsOfAPinnableListComeFromAndGoToItsRecords) {
  CTestRecentFileList* pList = AddRecentFiles("PinableRecentFileList");
  CTKPinableRecentFileList* pFiles = static_cast<CTKPinableRecentFileList*>(m_pFiles.get());
  pFiles->GetItem(1)->bPinned = TRUE;
  pFiles->GetItem(1)->strCaption = "Nightly build";
  pList->OnCalcDynamicSize(0);
  CTKControl* pSecond = m_pPopup->GetControls()->GetAt(2);
  ASSERT_TRUE(pSecond->IsKindOf(RUNTIME_CLASS(CTKRibbonControlSystemPopupBarPinableListItem)));
  EXPECT_EQ(1, pSecond->GetChecked());
  EXPECT_EQ(CString("&2 Nightly build"), pSecond->GetCaption());

  auto* pItem = static_cast<CTKRibbonControlSystemPopupBarPinableListItem*>(pSecond);
  pItem->SetRect(CRect(0, 0, 300, 21));
  pItem->OnLButtonUp(CPoint(290, 10));
  EXPECT_EQ(0, pSecond->GetChecked());
  EXPECT_FALSE(pFiles->GetItem(1)->bPinned);
}

TEST_F(RibbonSystemPopupTest, ClickOnThePinColumnTogglesThePinWithoutOpening) {
  CCountingPinItem* pItem = new CCountingPinItem;
  m_pPopup->GetControls()->Add(pItem, 0xE110);
  pItem->SetRect(CRect(0, 0, 300, 21));
  pItem->SetChecked(1);
  struct Case {
    const char* name;
    int x;
    int nChecked;
    int nRuns;
  };
  const Case cases[] = {
      {"in the pin column: unpins", 290, 0, 0},
      {"its left edge: pins again", 272, 1, 0},
      {"left of the pin column: opens", 271, 1, 1},
  };
  for (const Case& c : cases) {
    pItem->OnLButtonUp(CPoint(c.x, 10));
    EXPECT_EQ(c.nChecked, pItem->GetChecked()) << c.name;
    EXPECT_EQ(c.nRuns, pItem->m_nRuns) << c.name;
  }
}

TEST_F(RibbonSystemPopupTest, BottomButtonsStandRightAlignedInTheBottomBorder) {
  CTKControl* pFirst = m_pPopup->GetControls()->Add(new CFixedButton(80), 1);
  CTKControl* pSecond = m_pPopup->GetControls()->Add(new CFixedButton(60), 2);
  EXPECT_EQ(CRect(6, 18, 6, 29), m_pPopup->GetBorders());
  EXPECT_FALSE(m_pPopup->GetShowGripper());
  CClientDC dc(m_pFrame);
  m_pPopup->ArrangeBottomButtons(&dc, CSize(400, 300), {pFirst, pSecond});
  EXPECT_EQ(CRect(249, 275, 329, 297), pFirst->GetRect());
  EXPECT_EQ(CRect(335, 275, 395, 297), pSecond->GetRect());
}

TEST_F(RibbonSystemPopupTest, DoubleClickClosesATopLevelFrameOrRunsAFileButton) {
  auto* pButton = static_cast<CTKRibbonControlSystemButton*>(m_pButton);
  pButton->SetID(4000);
  struct Case {
    const char* name;
    int nStyle;
    BOOL bCloseOnDblClick;
    size_t nSysCommands;
    size_t nCommands;
  };
  const Case cases[] = {
      {"round button", 0, TRUE, 1, 0},
      {"round button that does not close", 0, FALSE, 0, 1},
      {"file-style button", tkButtonCaption, TRUE, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m_pFrame->m_sysCommands.clear();
    m_pFrame->m_commands.clear();
    pButton->SetStyle(c.nStyle);
    pButton->SetCloseOnDblClick(c.bCloseOnDblClick);
    EXPECT_TRUE(pButton->OnLButtonDblClk(CPoint(5, 5)));
    ASSERT_EQ(c.nSysCommands, m_pFrame->m_sysCommands.size());
    if (c.nSysCommands != 0) EXPECT_EQ(0xF063u, m_pFrame->m_sysCommands[0]);
    EXPECT_EQ(c.nCommands, m_pFrame->m_commands.size());
  }
}

}  // namespace
