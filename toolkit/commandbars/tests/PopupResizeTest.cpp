// The band at the bottom of a pop-up with a resizable gallery: dragging it
// resizes the gallery and the pop-up around it, Esc puts the size back, and
// the height-only mode takes the whole band with the north-south cursor.
#include <gtest/gtest.h>

#include "SupportPaintManager.h"
#include "SupportSite.h"
#include "SupportSystem.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControlAction.h"
#include "commandbars/TKControlGallery.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKMouseManager.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKDpiHelper.h"

namespace {

class PopupResizeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    TKSetCommandBarsSystem(&m_system);
    ASSERT_TRUE(m_site.CreateHost(400, 300));
    m_site.ShowWindow(SW_SHOW);
    m_pBar = new CTKCommandBar;
    m_pBar->SetOwner(&m_site);
    ASSERT_TRUE(m_pBar->CreateEx(0, AfxRegisterWndClass(0), "bar", WS_CHILD | WS_VISIBLE, 0, 0,
                                 300, 40, m_site.GetSafeHwnd(), NULL));
    m_pItems = new CTKControlGalleryItems;
    m_pItems->SetItemSize(CSize(20, 20));
    for (int i = 0; i < 12; ++i) m_pItems->AddItem(300 + i, "item");
    m_pAction = new CTKControlAction(nullptr);
    m_pAction->SetGalleryItems(m_pItems);
  }
  void TearDown() override {
    m_pBar->SetTrackingMode(FALSE);
    m_pBar->DestroyWindow();
    m_pBar->InternalRelease();
    m_pAction->InternalRelease();
    m_pItems->InternalRelease();
    TKSetCommandBarsSystem(nullptr);
  }

  /// Opens a pop-up of one gallery of 100 x 60 with the resize mode.
  void OpenPopup(int nMode) {
    CTKControlPopup* pOpener = CTKControlPopup::CreateOfType(tkControlPopup);
    m_pBar->GetControls()->AppendControl(pOpener);
    pOpener->SetRect(CRect(0, 0, 40, 22));
    m_pPopup = CTKPopupBar::CreatePopupBar(nullptr);
    m_pGallery = new CTKControlGallery;
    m_pPopup->GetControls()->AppendControl(m_pGallery);
    m_pGallery->SetAction(m_pAction);
    m_pGallery->SetShowScrollBar(FALSE);
    m_pGallery->SetResizable(nMode);
    m_pGallery->SetWidth(100);
    m_pGallery->SetHeight(60);
    pOpener->SetCommandBar(m_pPopup);
    ASSERT_TRUE(m_pBar->SetPopuped(0));
    ASSERT_TRUE(m_pPopup->IsTrackingMode());
    m_pPopup->GetWindowRect(&m_rcOpen);
  }
  /// Posts the drag's moves (client offsets from the press) and its end,
  /// then presses on the band's active part.
  void Drag(CPoint ptPress, std::initializer_list<CSize> moves, UINT nEndMessage, WPARAM wEnd) {
    for (CSize move : moves) {
      const CPoint pt = ptPress + move;
      m_pPopup->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }
    m_pPopup->PostMessage(nEndMessage, wEnd, MAKELPARAM(ptPress.x, ptPress.y));
    m_pPopup->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptPress.x, ptPress.y));
  }
  CSize PopupSize() const {
    CRect rc;
    m_pPopup->GetWindowRect(&rc);
    return rc.Size();
  }

  CTestGlobalPaintManager m_global;
  CRecordingSystem m_system;
  CTestSite m_site;
  CTKCommandBar* m_pBar = nullptr;
  CTKPopupBar* m_pPopup = nullptr;
  CTKControlGallery* m_pGallery = nullptr;
  CTKControlGalleryItems* m_pItems = nullptr;
  CTKControlAction* m_pAction = nullptr;
  CRect m_rcOpen;
};

TEST_F(PopupResizeTest, TheCornerResizesBothWaysAndEscRestoresTheGallerysSize) {
  OpenPopup(3);
  const CRect rcBand = m_pPopup->GetResizeGripperRect();
  ASSERT_EQ(11, rcBand.Height());
  EXPECT_FALSE(m_pPopup->HitTestResizeGripper(CPoint(rcBand.left + 1, rcBand.top + 1)))
      << "only the square at the end";
  const CPoint ptCorner(rcBand.right - 3, rcBand.top + 3);
  ASSERT_TRUE(m_pPopup->HitTestResizeGripper(ptCorner));

  Drag(ptCorner, {CSize(10, 5), CSize(30, 20)}, WM_LBUTTONUP, 0);
  EXPECT_EQ(130, m_pGallery->GetWidth());
  EXPECT_EQ(80, m_pGallery->GetHeight());
  EXPECT_EQ(m_rcOpen.Size() + CSize(30, 20), PopupSize());
  CRect rc;
  m_pPopup->GetWindowRect(&rc);
  EXPECT_EQ(m_rcOpen.TopLeft(), rc.TopLeft()) << "the top-left corner stays";

  Drag(ptCorner + CSize(30, 20), {CSize(40, 40)}, WM_KEYDOWN, VK_ESCAPE);
  EXPECT_EQ(130, m_pGallery->GetWidth()) << "Esc goes back to the size before this drag";
  EXPECT_EQ(80, m_pGallery->GetHeight());
  EXPECT_EQ(m_rcOpen.Size() + CSize(30, 20), PopupSize());
  EXPECT_EQ(nullptr, CWnd::GetCapture());
  EXPECT_EQ(0, CTKMouseManager::GetThreadManager()->GetTrackLockCount());
}

TEST_F(PopupResizeTest, HeightOnlyTakesTheWholeBandWithTheNorthSouthCursor) {
  OpenPopup(2);
  const CRect rcBand = m_pPopup->GetResizeGripperRect();
  ASSERT_EQ(8, rcBand.Height());
  const CPoint ptLeft(rcBand.left + 2, rcBand.top + 2);
  ASSERT_TRUE(m_pPopup->HitTestResizeGripper(ptLeft));
  m_system.m_ptCursor = ptLeft;
  m_pPopup->ClientToScreen(&m_system.m_ptCursor);
  m_pPopup->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_pPopup->GetSafeHwnd()),
                        MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(::LoadCursor(NULL, IDC_SIZENS), ::GetCursor());

  Drag(ptLeft, {CSize(30, 20)}, WM_LBUTTONUP, 0);
  EXPECT_EQ(100, m_pGallery->GetWidth());
  EXPECT_EQ(80, m_pGallery->GetHeight());
  Drag(ptLeft + CSize(0, 20), {CSize(0, -200)}, WM_LBUTTONUP, 0);
  EXPECT_EQ(m_pGallery->GetCustomizeMinHeight(), m_pGallery->GetHeight()) << "not below the minimum";
}

TEST_F(PopupResizeTest, APopupWithoutAResizableGalleryHasNoBand) {
  OpenPopup(0);
  EXPECT_TRUE(m_pPopup->GetResizeGripperRect().IsRectEmpty());
  EXPECT_EQ(0, m_pPopup->GetResizeMode());
}

}  // namespace
