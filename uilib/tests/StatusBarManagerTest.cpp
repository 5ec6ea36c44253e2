// The main window's status bar in a real parent: its four panes, panes sized
// to their texts, ampersands gone once drawn, hiding by id, and the pane
// states handed on to a hosted frame.
#include <gtest/gtest.h>

#include "SupportPaintManager.h"
#include "commandbars/TKStatusBarPane.h"
#include "common/TKScopedHandle.h"
#include "testsupport/DibSurface.h"
#include "testsupport/HostWindow.h"
#include "uilib/ApplicationMainFrameStatusBarContext.h"
#include "uilib/StatusBarManager.h"

CWinApp theApp("VelmStatusBarManagerTest");

namespace {

class StatusBarManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CTKPaintManager::SetGlobal(new CTestStatusPaintManager);
    CTKPaintManager::AddRefGlobal();
    ASSERT_TRUE(m_host.CreateHost(600, 200));
    ASSERT_TRUE(m_bar.CreateStatusBar(&m_host));
    m_bar.MoveWindow(0, 176, 600, 24);
    m_font.CreatePointFont(90, "Tahoma");
    m_bar.SetFont(&m_font);
  }
  void TearDown() override {
    if (m_bar.GetSafeHwnd() != NULL) m_bar.DestroyWindow();
    CTKPaintManager::ReleaseGlobal();
  }
  CTKStatusBarPane* Pane(int nIndex) { return m_bar.GetPane(nIndex); }
  /// The text's width in the bar's font.
  int MeasuredWidth(const char* pszText) {
    CDibSurface surface(4, 4);
    CTKSelectGuard font(surface.GetSafeHdc(), m_bar.GetFont()->GetSafeHandle());
    SIZE size;
    ::GetTextExtentPoint32A(surface.GetSafeHdc(), pszText, static_cast<int>(strlen(pszText)),
                            &size);
    return size.cx;
  }

  CTestHostWindow m_host;
  CStatusBarManager m_bar;
  CFont m_font;
};

TEST(StatusBarManagerAlone, NeedsAParent) {
  CStatusBarManager bar;
  EXPECT_EQ(4, bar.GetPaneCountSetting());
  EXPECT_FALSE(bar.CreateStatusBar(nullptr));
  EXPECT_EQ(nullptr, bar.GetSafeHwnd());
}

TEST_F(StatusBarManagerTest, FourPanesWithTheirIndexesAsIdsAndTheFirstStretching) {
  EXPECT_EQ(AFX_IDW_STATUS_BAR, static_cast<UINT>(m_bar.GetDlgCtrlID()));
  EXPECT_EQ(&m_host, m_bar.GetParentFrame());
  EXPECT_TRUE(m_bar.IsVisible());
  ASSERT_EQ(4, m_bar.GetPaneCount());
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(static_cast<UINT>(i), Pane(i)->GetID()) << i;
    EXPECT_EQ(i == 0, Pane(i)->IsStretch() != FALSE) << i;
    EXPECT_EQ(50, Pane(i)->GetFixedWidth()) << i;
  }
}

TEST_F(StatusBarManagerTest, APaneIsSizedToItsTextPlusThirty) {
  CTesselString elapsed("Elapsed Time: 00:01:05");
  EXPECT_TRUE(m_bar.SetPaneText(2, &elapsed));
  EXPECT_STREQ("Elapsed Time: 00:01:05", m_bar.GetPaneText(2));
  EXPECT_EQ(MeasuredWidth("Elapsed Time: 00:01:05") + 30, Pane(2)->GetFixedWidth());
  EXPECT_EQ(2u, Pane(2)->GetID());
  EXPECT_FALSE(Pane(2)->IsStretch());

  CTesselString empty;
  EXPECT_TRUE(m_bar.SetPaneText(2, &empty));
  EXPECT_EQ(50, Pane(2)->GetFixedWidth());

  CTesselString status("Step 2 of 7 Steps");
  EXPECT_TRUE(m_bar.SetPane0Text(&status));
  EXPECT_TRUE(Pane(0)->IsStretch());
  EXPECT_EQ(MeasuredWidth("Step 2 of 7 Steps") + 30, Pane(0)->GetFixedWidth());
  EXPECT_FALSE(m_bar.SetPaneText(7, &status));
}

TEST_F(StatusBarManagerTest, SettingATextGivesThePaneItsIndexAsIdAgain) {
  m_bar.SetPaneInfo(1, 77, 0, 50);
  CTesselString text("Ready");
  EXPECT_TRUE(m_bar.SetPane1Text(&text));
  EXPECT_EQ(1u, Pane(1)->GetID());
}

TEST_F(StatusBarManagerTest, AmpersandsAreGoneOnceThePaneIsDrawn) {
  CTesselString file("&File && &Edit");
  ASSERT_TRUE(m_bar.SetPane1Text(&file));
  EXPECT_STREQ("&File && &Edit", m_bar.GetPaneText(1));
  CDibSurface surface(600, 30);
  m_bar.DrawBar(surface.GetDC());
  EXPECT_STREQ("File  Edit", m_bar.GetPaneText(1));
  EXPECT_FALSE(m_bar.RemoveAmpersandsFromPane(3));  // empty text
  EXPECT_FALSE(m_bar.RemoveAmpersandsFromPane(9));
}

TEST_F(StatusBarManagerTest, StrippingKeepsTheTextsWidth) {
  CTesselString wide;
  wide.SetWideText(L"&Caf\u00e9&");
  CTesselString stripped = CStatusBarManager::StripAmpersands(wide);
  EXPECT_TRUE(stripped.IsWide());
  EXPECT_STREQ(L"Caf\u00e9", stripped.GetWideText());
  EXPECT_EQ(4, stripped.GetLength());
  CTesselString narrow("R&un");
  EXPECT_TRUE(CStatusBarManager::StripAmpersands(narrow).EqualsText("Run"));
}

TEST_F(StatusBarManagerTest, PanesAreHiddenAndShownByIdAndTheirStatesCollected) {
  EXPECT_FALSE(m_bar.HidePane(7));
  EXPECT_FALSE(m_bar.ShowPane(7));
  EXPECT_TRUE(m_bar.HidePane1());
  EXPECT_FALSE(Pane(1)->IsVisible());
  CTesselString text("Running");
  m_bar.SetPane0Text(&text);

  CApplicationMainFrameStatusBarContext context;
  EXPECT_TRUE(m_bar.CollectPaneStates(&context));
  EXPECT_TRUE(context.GetPaneText(0).EqualsText("Running"));
  EXPECT_TRUE(context.IsPaneVisible(0));
  EXPECT_FALSE(context.IsPaneVisible(1));
  EXPECT_TRUE(context.IsPaneVisible(3));

  EXPECT_TRUE(m_bar.ShowPane1());
  EXPECT_TRUE(Pane(1)->IsVisible());
}

}  // namespace
