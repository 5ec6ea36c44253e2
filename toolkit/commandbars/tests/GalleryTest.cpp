// The gallery control on a bar window: the layout of its items in rows, the
// live preview it tells the site of, the smooth scroll of its buttons, the
// keyboard and what a saved layout gives it.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "SupportPaintManager.h"
#include "SupportSite.h"
#include "SupportSystem.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControlAction.h"
#include "commandbars/TKControlGallery.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKDpiHelper.h"
#include "common/TKPropExchangeIniFile.h"
#include "common/TKScrollBarPaintManager.h"
#include "testsupport/TempFolder.h"

/// Rectangles print as their sides.
void PrintTo(const CRect& rc, std::ostream* os) {
  *os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}

namespace {

/// A gallery look that draws nothing and has the usual column metrics.
class CTestGalleryLook : public CTKControlGalleryPaintManager {
 public:
  CTestGalleryLook() {
    m_cxPopup = 16;
    m_cyPopupUp = 19;
    m_cyPopupDown = 19;
  }
  void DrawGalleryLabel(CDC*, CTKControlGalleryItem*, CRect) override {}
  void FillGallery(CDC*, CTKControlGallery*, CRect) override {}
  void DrawGalleryItem(CDC*, CRect, BOOL, BOOL, BOOL, BOOL, CTKControlGalleryItem*,
                       CTKControlGallery*) override {}
  void DrawGalleryItemBack(CDC*, CRect, BOOL, BOOL, BOOL, BOOL, int) override {}
  COLORREF GetGalleryItemTextColor(BOOL, BOOL, BOOL, BOOL, int) override { return 0; }
  void DrawGalleryScrollBar(CDC*, CTKControlGallery*) override {}
  void RefreshMetrics() override {}
};

class CGalleryPaintManager : public CTestPaintManager {
 public:
  CGalleryPaintManager() { m_scrollBar.RefreshMetrics(); }
  CTKControlGalleryPaintManager* GetGalleryPaintManager() override { return &m_gallery; }
  CTKScrollBarPaintManager* GetScrollBarPaintManager() override { return &m_scrollBar; }
  CTestGalleryLook m_gallery;
  CTKScrollBarPaintManager m_scrollBar;
};

/// Lets a test choose the scroll part's current auto-repeat interval.
class CTestGallery : public CTKControlGallery {
 public:
  void SetRepeatInterval(UINT nInterval) { m_nRepeatInterval = nInterval; }
};

const UINT kPreviewStart = TKN_GALLERY_PREVIEWSTART;
const UINT kPreviewCancel = TKN_GALLERY_PREVIEWCANCEL;
const UINT kPreviewApply = TKN_GALLERY_PREVIEWAPPLY;
const UINT kPreviewChange = TKN_GALLERY_PREVIEWCHANGE;

class GalleryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    TKSetCommandBarsSystem(&m_system);
    ASSERT_TRUE(m_site.CreateHost());
  }
  void TearDown() override {
    if (m_pBar != nullptr) {
      m_pBar->DestroyWindow();
      m_pBar->InternalRelease();
    }
    if (m_pAction != nullptr) m_pAction->InternalRelease();
    if (m_pItems != nullptr) m_pItems->InternalRelease();
    TKSetCommandBarsSystem(nullptr);
    TKDpiHelper()->OverrideDpi(96, 96);
  }

  /// A shown bar with one gallery of `rc` without borders or scroll bar,
  /// items of 40 x 30 by default.
  void MakeGallery(CRect rc, CTKCommandBar* pBar = nullptr) {
    m_pBar = pBar != nullptr ? pBar : new CTKCommandBar;
    m_pBar->SetOwner(&m_site);
    m_pBar->SetPaintManager(new CGalleryPaintManager);
    ASSERT_TRUE(m_pBar->CreateEx(0, AfxRegisterWndClass(0), "bar", WS_CHILD | WS_VISIBLE, 0, 0,
                                 300, 300, m_site.GetSafeHwnd(), NULL));
    m_pItems = new CTKControlGalleryItems;
    m_pItems->SetItemSize(CSize(40, 30));
    m_pAction = new CTKControlAction(nullptr);
    m_pAction->SetGalleryItems(m_pItems);
    m_pGallery = new CTestGallery;
    m_pBar->GetControls()->AppendControl(m_pGallery);
    m_pGallery->SetAction(m_pAction);
    m_pGallery->SetID(kGalleryId);
    m_pGallery->SetShowScrollBar(FALSE);
    m_pGallery->SetRect(rc);
  }
  void AddItems(int nCount) {
    for (int i = 0; i < nCount; ++i) m_pItems->AddItem(100 + i, "item");
  }
  CPoint CentreOf(int nItem) const { return m_pGallery->GetItemRect(nItem).CenterPoint(); }
  /// The preview codes the site received, oldest first.
  std::vector<UINT> PreviewCodes() const {
    std::vector<UINT> codes;
    for (const SiteNotification& n : m_site.m_notifications)
      if (n.hdr.code >= kPreviewStart && n.hdr.code <= kPreviewChange) codes.push_back(n.hdr.code);
    return codes;
  }

  static const int kGalleryId = 4242;
  CTestGlobalPaintManager m_global;
  CRecordingSystem m_system;
  CTestSite m_site;
  CTKCommandBar* m_pBar = nullptr;
  CTKControlGalleryItems* m_pItems = nullptr;
  CTKControlAction* m_pAction = nullptr;
  CTestGallery* m_pGallery = nullptr;
};

// Layout -------------------------------------------------------------------------------

class GalleryLayoutTest : public GalleryTest, public ::testing::WithParamInterface<int> {};

TEST_P(GalleryLayoutTest, ItemsFillRowsAndALabelSpansTheWidthBelowTheTallestItem) {
  TKDpiHelper()->OverrideDpi(GetParam(), GetParam());
  MakeGallery(CRect(10, 5, 110, 300));
  AddItems(3);
  m_pItems->GetItem(1)->SetSize(CSize(40, 36));
  m_pItems->AddLabel("Group");
  AddItems(1);
  const int nLabelHeight = TKDpiHelper()->ScaleY(20);
  EXPECT_EQ(CRect(10, 5, 50, 35), m_pGallery->GetItemRect(0));
  EXPECT_EQ(CRect(50, 5, 90, 41), m_pGallery->GetItemRect(1));
  EXPECT_EQ(CRect(10, 41, 50, 71), m_pGallery->GetItemRect(2)) << "a third 40 leaves 100";
  EXPECT_EQ(CRect(10, 71, 110, 71 + nLabelHeight), m_pGallery->GetItemRect(3));
  const int nNextRow = 71 + nLabelHeight + TKDpiHelper()->ScaleY(1);
  EXPECT_EQ(CRect(10, nNextRow, 50, nNextRow + 30), m_pGallery->GetItemRect(4));
  EXPECT_EQ(nNextRow + 30 - 5, m_pGallery->GetContentHeight());
}

INSTANTIATE_TEST_SUITE_P(Dpis, GalleryLayoutTest, ::testing::Values(96, 192));

TEST_F(GalleryTest, WithoutLabelsALabelTakesNoSpaceAndCannotBeChosen) {
  MakeGallery(CRect(0, 0, 100, 300));
  AddItems(1);
  m_pItems->AddLabel("Group");
  AddItems(1);
  m_pGallery->SetShowLabels(FALSE);
  EXPECT_TRUE(m_pGallery->GetItemRect(1).IsRectEmpty());
  EXPECT_EQ(CRect(40, 0, 80, 30), m_pGallery->GetItemRect(2)) << "the row goes on";
  EXPECT_EQ(2, m_pGallery->HitTestItem(CPoint(45, 5)));
  EXPECT_EQ(2, m_pGallery->GetNextItem(0, 1));

  m_pGallery->SetShowLabels(TRUE);
  EXPECT_EQ(-1, m_pGallery->HitTestItem(m_pGallery->GetItemRect(1).CenterPoint()))
      << "a shown label is no item to hit";
}

// Preview -------------------------------------------------------------------------------

TEST_F(GalleryTest, TheFirstHoverWaitsThenTheNextItemPreviewsAtOnceAndLeavingCancels) {
  MakeGallery(CRect(0, 0, 100, 100));
  AddItems(4);
  m_pBar->SetSelected(0);
  m_site.m_notifications.clear();

  m_pGallery->OnMouseMove(CentreOf(0));
  EXPECT_EQ(1, m_system.CountStarted(CTKCommandBar::kTimerHover, 200));
  EXPECT_TRUE(PreviewCodes().empty()) << "nothing before the hover time";
  m_pBar->SendMessage(WM_TIMER, CTKCommandBar::kTimerHover);
  EXPECT_EQ((std::vector<UINT>{kPreviewStart, kPreviewChange}), PreviewCodes());

  m_site.m_notifications.clear();
  m_pGallery->OnMouseMove(CentreOf(1));
  EXPECT_EQ(std::vector<UINT>{kPreviewChange}, PreviewCodes());
  EXPECT_EQ(1, m_system.CountStarted(CTKCommandBar::kTimerHover, 200)) << "no second wait";
  EXPECT_EQ(1, m_pGallery->GetSelectedItem());

  m_site.m_notifications.clear();
  m_pGallery->OnMouseMove(CPoint(-1, -1));
  ASSERT_FALSE(PreviewCodes().empty());
  EXPECT_EQ(kPreviewCancel, PreviewCodes().back());
  EXPECT_FALSE(m_pGallery->IsPreviewActive());
  EXPECT_TRUE(m_pGallery->IsSelectionHidden());
  EXPECT_EQ(1, m_pGallery->GetSelectedItem()) << "hidden, not forgotten";
}

TEST_F(GalleryTest, ExecutingAPreviewedItemEndsThePreviewAndSendsTheCommand) {
  MakeGallery(CRect(0, 0, 100, 100));
  AddItems(4);
  m_pBar->SetSelected(0);
  m_pGallery->OnMouseMove(CentreOf(2));
  m_pBar->SendMessage(WM_TIMER, CTKCommandBar::kTimerHover);
  m_site.m_notifications.clear();

  m_pGallery->OnClick(FALSE, CentreOf(2));
  EXPECT_TRUE(m_pGallery->IsItemPressed());
  m_pGallery->OnLButtonUp(CentreOf(2));
  EXPECT_EQ(std::vector<UINT>{kPreviewApply}, PreviewCodes());
  EXPECT_FALSE(m_pGallery->IsPreviewActive());
  ASSERT_EQ(1u, m_site.m_commands.size());
  EXPECT_EQ(static_cast<WPARAM>(kGalleryId), m_site.m_commands[0]);
  EXPECT_EQ(2, m_pGallery->GetSelectedItem()) << "the site reads the chosen item";
}

// Scrolling -----------------------------------------------------------------------------

struct GlideCase {
  UINT nRepeatInterval;
  std::vector<int> offsets;  // after the first step and each tick
};

class GalleryGlideTest : public GalleryTest, public ::testing::WithParamInterface<GlideCase> {};

TEST_P(GalleryGlideTest, ALineScrollGlidesInEqualStepsAndSnapsOnTheLast) {
  CTKPopupBar* pPopup = CTKPopupBar::CreatePopupBar(nullptr);
  MakeGallery(CRect(0, 0, 116, 80));
  AddItems(20);
  m_pItems->SetItemSize(CSize(40, 40));
  m_pGallery->SetCommandBar(pPopup);  // a gallery with a pop-up scrolls through its buttons
  m_pGallery->SetShowScrollBar(TRUE);
  ASSERT_EQ(100, m_pGallery->GetItemsRect().Width());
  m_pGallery->SetRepeatInterval(GetParam().nRepeatInterval);

  m_pGallery->DoScroll(SB_LINEDOWN, 0);
  EXPECT_EQ(1, m_system.CountStarted(TKSB_TIMER_ANIMATE, 40));
  std::vector<int> offsets{m_pGallery->GetScrollPos()};
  for (int i = 0; i < 20 && m_pGallery->IsAnimating(); ++i) {
    m_pBar->SendMessage(WM_TIMER, TKSB_TIMER_ANIMATE);
    offsets.push_back(m_pGallery->GetScrollPos());
  }
  EXPECT_EQ(GetParam().offsets, offsets);
  EXPECT_EQ(1, m_system.CountKilled(TKSB_TIMER_ANIMATE));
}

INSTANTIATE_TEST_SUITE_P(
    Intervals, GalleryGlideTest,
    ::testing::Values(GlideCase{0, {13, 26, 39, 40}}, GlideCase{50, {13, 26, 39, 40}},
                      GlideCase{400, {5, 10, 15, 20, 25, 30, 35, 40}}));

TEST_F(GalleryTest, TheUpButtonWorksOnlyBelowTheTopAndTheDownButtonAboveTheBottom) {
  MakeGallery(CRect(0, 0, 116, 80));
  AddItems(6);
  m_pGallery->SetCommandBar(CTKPopupBar::CreatePopupBar(nullptr));
  m_pGallery->SetShowScrollBar(TRUE);
  EXPECT_FALSE(m_pGallery->IsScrollButtonEnabled(TKSB_HT_UP));
  EXPECT_TRUE(m_pGallery->IsScrollButtonEnabled(TKSB_HT_DOWN));
  EXPECT_TRUE(m_pGallery->IsScrollButtonEnabled(TKSB_HT_LIMIT));
  m_pGallery->SetScrollPos(1000);
  EXPECT_EQ(m_pGallery->GetMaxScrollPos(), m_pGallery->GetScrollPos());
  EXPECT_TRUE(m_pGallery->IsScrollButtonEnabled(TKSB_HT_UP));
  EXPECT_FALSE(m_pGallery->IsScrollButtonEnabled(TKSB_HT_DOWN));
  // The column from the top: up, down, then the button that opens the pop-up.
  const CRect rcScroll = m_pGallery->GetScrollBarRect();
  EXPECT_EQ(TKSB_HT_UP, m_pGallery->HitTestScrollBar(CPoint(rcScroll.left + 2, 18)));
  EXPECT_EQ(TKSB_HT_DOWN, m_pGallery->HitTestScrollBar(CPoint(rcScroll.left + 2, 37)));
  EXPECT_EQ(TKSB_HT_LIMIT, m_pGallery->HitTestScrollBar(CPoint(rcScroll.left + 2, 38)));
}

// Keys ------------------------------------------------------------------------------------

class GalleryDownKeyTest : public GalleryTest, public ::testing::WithParamInterface<bool> {};

TEST_P(GalleryDownKeyTest, DownOnTheLastRowMovesToTheNextControlOrWraps) {
  const bool bNextControl = GetParam();
  MakeGallery(CRect(0, 0, 100, 100));
  AddItems(3);
  if (bNextControl) m_pBar->GetControls()->AppendControl(new CTKControlButton);
  m_pGallery->SetSelectedItem(2);
  EXPECT_EQ(bNextControl ? 0 : 1, m_pGallery->OnHookKeyDown(VK_DOWN, 0));
  EXPECT_EQ(bNextControl ? 2 : 0, m_pGallery->GetSelectedItem());
}

INSTANTIATE_TEST_SUITE_P(NextControl, GalleryDownKeyTest, ::testing::Bool());

TEST_F(GalleryTest, KeysMoveAlongRowsAndColumnsAndScrollTheChoiceIntoView) {
  MakeGallery(CRect(0, 0, 100, 60));
  AddItems(10);  // five rows of two, two rows visible
  struct Step {
    UINT nKey;
    int nSelected;
  } steps[] = {{VK_HOME, 0}, {VK_RIGHT, 1}, {VK_RIGHT, 0}, {VK_LEFT, 1},
               {VK_DOWN, 3}, {VK_END, 9},   {VK_UP, 7}};
  for (const Step& s : steps) {
    EXPECT_EQ(1, m_pGallery->OnHookKeyDown(s.nKey, 0)) << s.nKey;
    EXPECT_EQ(s.nSelected, m_pGallery->GetSelectedItem()) << s.nKey;
  }
  EXPECT_EQ(90, m_pGallery->GetScrollPos()) << "the last row ends at the bottom";
  const CRect rcItem = m_pGallery->GetItemRect(7);
  EXPECT_TRUE(rcItem.top >= 0 && rcItem.bottom <= 60);
}

TEST_F(GalleryTest, TheBarsKeyboardSelectionPicksTheFirstOrLastItemUnlessTheGalleryHasAPopup) {
  MakeGallery(CRect(0, 0, 100, 100));
  AddItems(4);
  struct Case {
    bool bPopup;
    int nState;
    int nSelected;
  } cases[] = {{false, 2, 0}, {false, 3, 3}, {true, 2, -1}};
  for (const Case& c : cases) {
    if (c.bPopup) m_pGallery->SetCommandBar(CTKPopupBar::CreatePopupBar(nullptr));
    m_pGallery->SetSelected(0);
    m_pGallery->SetSelected(c.nState);
    EXPECT_EQ(c.nSelected, m_pGallery->GetSelectedItem()) << c.bPopup << c.nState;
    EXPECT_TRUE(m_pGallery->IsFocused());
  }
  EXPECT_EQ(0, m_pGallery->OnHookKeyDown(VK_DOWN, 0)) << "no item: the bar moves on";
  EXPECT_EQ(1, m_pGallery->OnHookKeyDown(VK_RETURN, 0)) << "Enter opens the pop-up";
}

// Layouts ---------------------------------------------------------------------------------

TEST_F(GalleryTest, ALayoutWithoutShowBordersGivesBordersANewGalleryNone) {
  CTempFolder folder;
  const std::string path = folder.PathOf("layout.ini");
  CTKControlGallery fresh;
  EXPECT_FALSE(fresh.GetShowBorders());

  auto open = [&](BOOL bLoading) {
    CTKPropExchangeIniFile* px = new CTKPropExchangeIniFile(bLoading, nullptr, "Gallery");
    px->AssignFile(path.c_str());
    return px;
  };
  {
    CTKPropExchangeSection px(open(TRUE));
    CTKControlGallery loaded;
    loaded.DoPropExchange(px);
    EXPECT_TRUE(loaded.GetShowBorders());
    EXPECT_TRUE(loaded.GetShowLabels() && loaded.GetShowScrollBar());
  }
  {
    CTKPropExchangeSection px(open(FALSE));
    fresh.SetResizable(TRUE);
    fresh.SetMargin(CRect(1, 2, 3, 4));
    fresh.DoPropExchange(px);
  }
  CTKPropExchangeSection px(open(TRUE));
  CTKControlGallery loaded;
  loaded.DoPropExchange(px);
  EXPECT_FALSE(loaded.GetShowBorders());
  EXPECT_TRUE(loaded.IsResizable());
  EXPECT_EQ(CRect(1, 2, 3, 4), loaded.GetMargin());
}

// Tooltips and accessibility ----------------------------------------------------------------

VARIANT Child(long n) {
  VARIANT var;
  var.vt = VT_I4;
  var.lVal = n;
  return var;
}

TEST_F(GalleryTest, ItemsAreTheListItemsOfTheAccessibleGalleryAndItsTools) {
  MakeGallery(CRect(0, 0, 100, 100));
  AddItems(3);
  m_pItems->GetItem(1)->SetCaption("&Bold");
  m_pItems->GetItem(1)->SetToolTip("Bold text");
  long nChildren = 0;
  ASSERT_EQ(S_OK, m_pGallery->GetAccessibleChildCount(&nChildren));
  EXPECT_EQ(3, nChildren);
  VARIANT role;
  m_pGallery->GetAccessibleRole(Child(0), &role);
  EXPECT_EQ(ROLE_SYSTEM_LIST, role.lVal);
  m_pGallery->GetAccessibleRole(Child(2), &role);
  EXPECT_EQ(ROLE_SYSTEM_LISTITEM, role.lVal);
  BSTR name = nullptr;
  ASSERT_EQ(S_OK, m_pGallery->GetAccessibleName(Child(2), &name));
  EXPECT_STREQ(L"Bold", name);
  ::SysFreeString(name);

  EXPECT_EQ(S_OK, m_pGallery->AccessibleSelect(SELFLAG_TAKESELECTION, Child(2)));
  EXPECT_EQ(1, m_pGallery->GetSelectedItem());
  VARIANT state;
  m_pGallery->GetAccessibleState(Child(2), &state);
  EXPECT_TRUE(state.lVal & STATE_SYSTEM_FOCUSED);
  m_pGallery->GetAccessibleState(Child(1), &state);
  EXPECT_FALSE(state.lVal & STATE_SYSTEM_FOCUSED);

  CPoint pt = CentreOf(1);
  m_pBar->ClientToScreen(&pt);
  VARIANT hit;
  ASSERT_EQ(S_OK, m_pGallery->AccessibleHitTest(pt.x, pt.y, &hit));
  EXPECT_EQ(2, hit.lVal);

  TOOLINFO ti = {};
  ti.cbSize = sizeof(ti);
  EXPECT_NE(0, m_pGallery->OnToolHitTest(CentreOf(1), &ti));
  EXPECT_EQ(m_pGallery->GetItemRect(1), CRect(ti.rect));
  EXPECT_EQ(0, m_pGallery->OnToolHitTest(CPoint(90, 90), &ti)) << "no item there";
}

}  // namespace
