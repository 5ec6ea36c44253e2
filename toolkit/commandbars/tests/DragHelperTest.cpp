// A control dragged between bars while they are customised, driven by posted
// mouse and key messages: what the drop does, the cursor that follows Ctrl,
// which of two bars under the mouse takes the drop, and an Alt+drag.
#include <gtest/gtest.h>

#include <vector>

#include "SupportLayoutFrame.h"
#include "SupportPaintManager.h"
#include "commandbars/CommandBarsDragHelper.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"

namespace {

using Ids = std::vector<int>;

/// The ids of the bar's own controls, without the expand button its layout adds.
Ids BarIds(CTKCommandBar* pBar) {
  Ids ids;
  for (int i = 0; i < pBar->GetControlCount(); ++i)
    if (!pBar->GetControl(i)->IsTemporary()) ids.push_back(pBar->GetControl(i)->GetID());
  return ids;
}

class CRecordingDragHelper : public CommandBarsDragHelper {
 public:
  using CommandBarsDragHelper::CommandBarsDragHelper;
  std::vector<UINT> m_cursors;

 protected:
  void ShowCursor(UINT nCursorId) override {
    m_cursors.push_back(nCursorId);
    CommandBarsDragHelper::ShowCursor(nCursorId);
  }
};

/// A bar without dock or float place that counts as shown.
class CShownBar : public CTKCommandBar {
 public:
  BOOL IsVisible() const override { return TRUE; }
};

class DragHelperTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKSetCommandBarsSystem(&m_system);
    m_frame.m_site.ShowWindow(SW_SHOWNA);
    m_pFirst = m_frame.AddBar(101, tkBarTop, {1, 2, 3});
    m_pSecond = m_frame.AddBar(102, tkBarBottom, {4, 5});
    m_frame.LayOut();
  }
  void TearDown() override {
    if (::GetCapture() != NULL) ::ReleaseCapture();
    m_frame.m_pBars->SetCustomizeMode(FALSE);
    TKSetCommandBarsSystem(nullptr);
  }
  /// The centre of a control, in the site's client coordinates.
  CPoint At(CTKControl* pControl) {
    CPoint pt = pControl->GetRect().CenterPoint();
    pControl->GetParent()->ClientToScreen(&pt);
    m_frame.m_site.ScreenToClient(&pt);
    return pt;
  }
  /// Puts the cursor on the control the drag starts from.
  void PressOn(CTKControl* pControl) {
    CPoint pt = At(pControl);
    m_frame.m_site.ClientToScreen(&pt);
    m_system.m_ptCursor = pt;
  }
  void Move(CPoint pt, WPARAM flags = MK_LBUTTON) {
    m_frame.m_site.PostMessage(WM_MOUSEMOVE, flags, MAKELPARAM(pt.x, pt.y));
  }
  void Key(UINT message, WPARAM key) { m_frame.m_site.PostMessage(message, key, 0); }
  void Release(CPoint pt) { m_frame.m_site.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y)); }
  CTKControl* Control(CTKCommandBar* pBar, int nIndex) { return pBar->GetControl(nIndex); }

  CTestGlobalPaintManager m_paintManager;
  CLayoutSystem m_system;
  CLayoutFrame m_frame;
  CTKToolBar* m_pFirst = nullptr;
  CTKToolBar* m_pSecond = nullptr;
};

TEST_F(DragHelperTest, TheDropSaysWhetherTheControlWasCopiedMovedLostOrLeft) {
  struct Case {
    const char* name;
    bool toSecond;  // released over the second bar, else over the bare site
    bool moved;     // the mouse moved before the release
    WPARAM flags;
    DWORD effect;
    Ids second;
  } cases[] = {
      {"no move", true, false, MK_LBUTTON, 5, {4, 5}},
      {"move", true, true, MK_LBUTTON, 2, {4, 5, 2}},
      {"copy", true, true, MK_LBUTTON | MK_CONTROL, 1, {4, 5, 2}},
      {"over nothing", false, true, MK_LBUTTON, 0, {4, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m_frame.m_pBars->SetCustomizeMode(TRUE);
    CTKControl* pDragged = Control(m_pFirst, 1);
    PressOn(pDragged);
    const CPoint ptTo = c.toSecond ? At(Control(m_pSecond, 1)) + CSize(8, 0) : CPoint(300, 200);
    if (c.moved) Move(ptTo, c.flags);
    Release(c.moved ? ptTo : At(pDragged));
    EXPECT_EQ(c.effect, m_frame.m_pBars->GetDragHelper()->DoDragDrop(pDragged, FALSE));
    // The helper only drops: the control's own bar keeps it.
    EXPECT_EQ(Ids({1, 2, 3}), BarIds(m_pFirst));
    EXPECT_EQ(c.second, BarIds(m_pSecond));
    EXPECT_EQ(nullptr, ::GetCapture());
    while (BarIds(m_pSecond).size() > 2) m_pSecond->GetControls()->RemoveAt(2);
  }
}

TEST_F(DragHelperTest, EscAndTheRightButtonCancelAndTheBarUnderTheMouseIsLeft) {
  for (UINT message : {UINT(WM_KEYDOWN), UINT(WM_RBUTTONDOWN)}) {
    m_frame.m_pBars->SetCustomizeMode(TRUE);
    CTKControl* pDragged = Control(m_pFirst, 0);
    PressOn(pDragged);
    Move(At(Control(m_pSecond, 0)));
    Key(message, message == WM_KEYDOWN ? VK_ESCAPE : MK_RBUTTON);
    EXPECT_EQ(5u, m_frame.m_pBars->GetDragHelper()->DoDragDrop(pDragged, FALSE));
    EXPECT_TRUE(m_pSecond->GetInsertMark().IsRectEmpty());
    EXPECT_EQ(Ids({4, 5}), BarIds(m_pSecond));
  }
}

TEST_F(DragHelperTest, TheCursorFollowsCtrlEachTime) {
  m_frame.m_pBars->SetCustomizeMode(TRUE);
  CRecordingDragHelper helper(m_frame.m_pBars);
  helper.RegisterBar(m_pSecond);
  CTKControl* pDragged = Control(m_pFirst, 0);
  PressOn(pDragged);
  Move(At(Control(m_pSecond, 0)));
  Key(WM_KEYDOWN, VK_CONTROL);
  Key(WM_KEYUP, VK_CONTROL);
  Key(WM_KEYDOWN, VK_CONTROL);
  Move(CPoint(300, 200), MK_LBUTTON | MK_CONTROL);
  Release(CPoint(300, 200));
  EXPECT_EQ(0u, helper.DoDragDrop(pDragged, FALSE));
  EXPECT_EQ(std::vector<UINT>({9106, 9105, 9106, 9105, 9107}), helper.m_cursors);
  // A drag that always copies shows the copy cursor without Ctrl.
  helper.m_cursors.clear();
  Move(At(Control(m_pSecond, 0)));
  Release(At(Control(m_pSecond, 0)));
  EXPECT_EQ(1u, helper.DoDragDrop(pDragged, TRUE));
  EXPECT_EQ(std::vector<UINT>({9105}), helper.m_cursors);
}

TEST_F(DragHelperTest, OfTwoBarsUnderTheMouseTheOneRegisteredLastTakesTheDrop) {
  m_frame.m_pBars->SetCustomizeMode(TRUE);
  // A bar inside the second one: both lie under the mouse.
  CShownBar* pInner = new CShownBar;
  pInner->SetCommandBars(m_frame.m_pBars);
  pInner->SetBarPosition(tkBarTop);
  CRect rc;
  m_pSecond->GetClientRect(&rc);
  ASSERT_TRUE(pInner->CreateEx(0, AfxRegisterWndClass(0), "inner", WS_CHILD | WS_VISIBLE, rc,
                               m_pSecond, 0));
  CTKControl* pDragged = Control(m_pFirst, 0);
  const CPoint ptOver = At(Control(m_pSecond, 0));
  for (bool innerLast : {false, true}) {
    SCOPED_TRACE(innerLast ? "inner last" : "outer last");
    CommandBarsDragHelper helper(m_frame.m_pBars);
    helper.RegisterBar(innerLast ? static_cast<CTKCommandBar*>(m_pSecond) : pInner);
    helper.RegisterBar(innerLast ? static_cast<CTKCommandBar*>(pInner) : m_pSecond);
    PressOn(pDragged);
    Move(ptOver);
    Release(ptOver);
    EXPECT_EQ(2u, helper.DoDragDrop(pDragged, FALSE));
    EXPECT_EQ(innerLast ? Ids({1}) : Ids(), BarIds(pInner));
    EXPECT_EQ(innerLast ? Ids({4, 5}) : Ids({1, 4, 5}), BarIds(m_pSecond));
    pInner->GetControls()->RemoveAll();
    if (BarIds(m_pSecond).size() == 3) m_pSecond->GetControls()->RemoveAt(0);
  }
  pInner->DestroyWindow();
  pInner->InternalRelease();
}

TEST_F(DragHelperTest, AnAltDragMovesOrCopiesAToolBarControlAndEndsCustomising) {
  struct Case {
    const char* name;
    bool toSecond;
    WPARAM flags;
    Ids first, second;
  } cases[] = {
      {"move", true, MK_LBUTTON, {1, 3}, {4, 5, 2}},
      {"copy", true, MK_LBUTTON | MK_CONTROL, {1, 2, 3}, {4, 5, 2}},
      {"dropped outside", false, MK_LBUTTON, {1, 3}, {4, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m_pFirst->GetControls()->RemoveAll();
    m_pSecond->GetControls()->RemoveAll();
    for (int nId : {1, 2, 3}) m_pFirst->GetControls()->AddNew(tkControlButton, nId);
    for (int nId : {4, 5}) m_pSecond->GetControls()->AddNew(tkControlButton, nId);
    m_frame.LayOut();
    CTKControl* pDragged = Control(m_pFirst, 1);
    PressOn(pDragged);
    const CPoint ptTo = c.toSecond ? At(Control(m_pSecond, 1)) + CSize(8, 0) : CPoint(300, 200);
    Move(ptTo, c.flags);
    Release(ptTo);
    m_system.m_keysDown = {VK_MENU};
    CPoint ptPress = pDragged->GetRect().CenterPoint();
    m_pFirst->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptPress.x, ptPress.y));
    m_system.m_keysDown.clear();
    EXPECT_EQ(c.first, BarIds(m_pFirst));
    EXPECT_EQ(c.second, BarIds(m_pSecond));
    EXPECT_FALSE(m_frame.m_pBars->IsCustomizeMode());
  }
}

TEST_F(DragHelperTest, WithTheOptionOffAnAltPressRunsTheCommand) {
  m_frame.m_pBars->GetCommandBarsOptions()->bAltDragCustomization = FALSE;
  m_system.m_keysDown = {VK_MENU};
  const CPoint ptPress = Control(m_pFirst, 1)->GetRect().CenterPoint();
  m_pFirst->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptPress.x, ptPress.y));
  m_pFirst->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptPress.x, ptPress.y));
  m_system.m_keysDown.clear();
  EXPECT_EQ(Ids({1, 2, 3}), BarIds(m_pFirst));
  EXPECT_EQ(std::vector<WPARAM>({2}), m_frame.m_site.m_commands);
}

}  // namespace
