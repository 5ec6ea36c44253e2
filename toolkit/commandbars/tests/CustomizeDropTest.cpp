// Customise drag-and-drop onto a bar at 96 DPI: where a control would land
// and the mark that shows it, dropping a copy, and dropping a control on
// itself to start or end a group.
#include <gtest/gtest.h>

#include "SupportPaintManager.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "common/TKColorManager.h"
#include "testsupport/DibSurface.h"
#include "testsupport/HostWindow.h"

namespace {

const int kButton = 24;
const int kHeight = 22;

class CRefusingControl : public CTKControl {
 public:
  BOOL CanDropOnBar(CTKCommandBar*, CPoint, DWORD&) override { return FALSE; }
};

class CustomizeDropTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_host.CreateHost());
    m_pCommandBars = new CTKCommandBars;
    m_pCommandBars->SetSite(&m_host);
    m_pCommandBars->SetCustomizeMode(TRUE);
    MakeBar(tkBarTop);
  }
  void TearDown() override {
    DestroyBar();
    m_pCommandBars->SetCustomizeMode(FALSE);
    m_pCommandBars->InternalRelease();
  }
  /// Four 24-pixel buttons in a row (or a column for a vertical bar).
  void MakeBar(int nPosition) {
    m_pBar = new CTKCommandBar;
    m_pBar->SetCommandBars(m_pCommandBars);
    m_pBar->SetBarPosition(nPosition);
    const BOOL bVertical = IsVerticalBarPosition(nPosition);
    ASSERT_TRUE(m_pBar->CreateEx(0, AfxRegisterWndClass(0), "bar", WS_POPUP | WS_VISIBLE, 0, 0,
                                 bVertical ? kHeight : 120, bVertical ? 120 : kHeight,
                                 m_host.GetSafeHwnd(), NULL));
    for (int i = 0; i < 4; ++i) {
      CTKControl* pControl = m_pBar->GetControls()->AddNew(tkControlButton, 100 + i);
      pControl->SetRect(bVertical ? CRect(0, i * kButton, kHeight, (i + 1) * kButton)
                                  : CRect(i * kButton, 0, (i + 1) * kButton, kHeight));
    }
  }
  void DestroyBar() {
    m_pCommandBars->SetDragControl(nullptr);
    m_pBar->DestroyWindow();
    m_pBar->InternalRelease();
  }
  CRect Mark(CPoint point, CTKControl* pDragged, int* pnIndex = nullptr, BOOL* pbAfter = nullptr) {
    CRect rcMark;
    int nIndex;
    BOOL bAfter;
    m_pBar->CalcDropPosition(pDragged, point, rcMark, nIndex, bAfter);
    if (pnIndex) *pnIndex = nIndex;
    if (pbAfter) *pbAfter = bAfter;
    return rcMark;
  }

  CTestGlobalPaintManager m_paintManager;
  CTestHostWindow m_host;
  CTKCommandBars* m_pCommandBars = nullptr;
  CTKCommandBar* m_pBar = nullptr;
};

TEST_F(CustomizeDropTest, TheMarkStandsAtTheEdgeTheDropTakes) {
  CTKControl* pOutside = new CTKControl;
  struct Case {
    int position;
    CPoint point;
    DWORD beginGroupAt;  // index of a control that begins a group, 0 none
    int index;
    BOOL after;
    CRect mark;
  } cases[] = {
      {tkBarTop, CPoint(26, 10), 0, 1, FALSE, CRect(24, 0, 30, 22)},  // leading edge, inside
      {tkBarTop, CPoint(40, 10), 0, 1, TRUE, CRect(48, 0, 54, 22)},   // after: just outside
      {tkBarTop, CPoint(40, 10), 2, 1, TRUE, CRect(42, 0, 48, 22)},   // the next begins a group
      {tkBarTop, CPoint(90, 10), 0, 3, TRUE, CRect(90, 0, 96, 22)},   // after the last
      {tkBarLeft, CPoint(10, 40), 0, 1, TRUE, CRect(0, 48, 22, 54)},  // a vertical bar
      {tkBarLeft, CPoint(10, 26), 0, 1, FALSE, CRect(0, 24, 22, 30)},
  };
  for (const Case& c : cases) {
    if (c.position != m_pBar->GetPosition()) {
      DestroyBar();
      MakeBar(c.position);
    }
    for (int i = 0; i < 4; ++i)
      m_pBar->GetControl(i)->SetBeginGroup(i != 0 && i == (int)c.beginGroupAt);
    int nIndex;
    BOOL bAfter;
    EXPECT_EQ(c.mark, Mark(c.point, pOutside, &nIndex, &bAfter)) << c.point.x << "," << c.point.y;
    EXPECT_EQ(c.index, nIndex);
    EXPECT_EQ(c.after, bAfter);
  }
  EXPECT_TRUE(Mark(CPoint(10, 40), m_pBar->GetControl(1)).IsRectEmpty()) << "on itself: no mark";
  m_pBar->GetControls()->RemoveAll();
  int nIndex;
  BOOL bAfter;
  EXPECT_EQ(CRect(2, 2, 20, 10), Mark(CPoint(10, 40), pOutside, &nIndex, &bAfter))
      << "an empty bar: across its inset client area";
  EXPECT_EQ(-1, nIndex);
  EXPECT_TRUE(bAfter);
  pOutside->InternalRelease();
}

TEST_F(CustomizeDropTest, ADropInsertsACopyThatTakesTheGroupItDisplaces) {
  CTKControl* pDragged = new CTKControl;
  pDragged->SetID(500);
  struct Case {
    int x;
    int inserted;
    bool copyBeginsGroup;
  } cases[] = {{26, 1, true}, {40, 2, false}, {90, 4, false}};
  for (const Case& c : cases) {
    DestroyBar();
    MakeBar(tkBarTop);
    m_pBar->GetControl(1)->SetBeginGroup(TRUE);
    DWORD dwEffect = DROPEFFECT_MOVE;
    m_pBar->OnCustomizeDrop(pDragged, dwEffect, CPoint(c.x, 10), CPoint(200, 200));
    ASSERT_EQ(5, m_pBar->GetControlCount()) << c.x;
    CTKControl* pCopy = m_pBar->GetControl(c.inserted);
    EXPECT_EQ(500, pCopy->GetID()) << c.x;
    EXPECT_NE(pDragged, pCopy);
    EXPECT_EQ(c.copyBeginsGroup, pCopy->GetBeginGroup() != FALSE) << c.x;
    EXPECT_EQ(!c.copyBeginsGroup,
              m_pBar->GetControl(c.inserted == 1 ? 2 : 1)->GetBeginGroup() != FALSE)
        << "the displaced control keeps the group only when the copy did not take it";
    EXPECT_EQ(pCopy, m_pCommandBars->GetDragControl());
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_MOVE), dwEffect);
    EXPECT_TRUE(m_pBar->GetInsertMark().IsRectEmpty());
  }
  pDragged->InternalRelease();
}

TEST_F(CustomizeDropTest, DroppedOnItselfAControlOnlyStartsOrEndsAGroup) {
  struct Case {
    int index;
    BOOL beginBefore;
    int dragX, dropX;
    BOOL beginAfter;
  } cases[] = {
      {2, FALSE, 58, 61, FALSE},                            // 3 pixels: no move
      {2, TRUE, 62, 59, TRUE},   {2, FALSE, 58, 63, TRUE},  // 5 pixels, past its centre (60)
      {2, TRUE, 62, 57, FALSE},                             // 5 pixels, before its centre
      {0, FALSE, 8, 14, FALSE},  // the first control has no group to start
  };
  for (const Case& c : cases) {
    CTKControl* pControl = m_pBar->GetControl(c.index);
    pControl->SetBeginGroup(c.beginBefore);
    DWORD dwEffect = DROPEFFECT_MOVE;
    m_pBar->OnCustomizeDrop(pControl, dwEffect, CPoint(c.dropX, 10), CPoint(c.dragX, 10));
    EXPECT_EQ(c.beginAfter, pControl->GetBeginGroup())
        << c.index << " " << c.dragX << "->" << c.dropX;
    EXPECT_EQ(5u, dwEffect) << "nothing moved";
    EXPECT_EQ(4, m_pBar->GetControlCount());
  }
}

TEST_F(CustomizeDropTest, ADragOverShowsTheInsertMarkInverted) {
  CTKControl* pDragged = new CTKControl;
  CRect rcClient;
  m_pBar->GetClientRect(&rcClient);
  CDibSurface before(rcClient.Width(), rcClient.Height());
  m_pBar->DrawCommandBar(before.GetDC(), rcClient);

  EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_MOVE),
            m_pBar->OnCustomizeDragOver(pDragged, CPoint(26, 10)));
  ASSERT_EQ(CRect(24, 0, 30, 22), m_pBar->GetInsertMark());
  CDibSurface after(rcClient.Width(), rcClient.Height());
  m_pBar->DrawCommandBar(after.GetDC(), rcClient);

  const COLORREF clrMark = TKColorManager()->GetColor(15) & 0xFFFFFF;
  struct Pixel {
    int x, y;
    bool inverted;
  } pixels[] = {
      {24, 0, true},   {29, 0, true},  {24, 1, false},  {25, 1, true},    // the top ends
      {26, 10, true},  {27, 10, true}, {25, 10, false}, {28, 10, false},  // the 2-pixel stem
      {24, 21, true},  {25, 20, true}, {24, 20, false},                   // the bottom ends
      {31, 10, false},
  };
  for (const Pixel& p : pixels) {
    COLORREF clrExpected = before.GetPixel(p.x, p.y) ^ (p.inverted ? clrMark : 0);
    EXPECT_EQ(clrExpected, after.GetPixel(p.x, p.y)) << p.x << "," << p.y;
  }
  m_pBar->OnCustomizeDragLeave();
  EXPECT_TRUE(m_pBar->GetInsertMark().IsRectEmpty());
  pDragged->InternalRelease();
}

TEST_F(CustomizeDropTest, TheCustomiseSelectedControlIsFramedTwice) {
  m_pCommandBars->SetDragControl(m_pBar->GetControl(1));
  CRect rcClient;
  m_pBar->GetClientRect(&rcClient);
  CDibSurface surface(rcClient.Width(), rcClient.Height());
  m_pBar->DrawCommandBar(surface.GetDC(), rcClient);
  const COLORREF clrFrame = ::GetSysColor(COLOR_BTNTEXT);
  EXPECT_EQ(clrFrame, surface.GetPixel(24, 10));
  EXPECT_EQ(clrFrame, surface.GetPixel(25, 10));
  EXPECT_EQ(clrFrame, surface.GetPixel(46, 12));
  const COLORREF clrNormal = CTestPaintManager::kNormal;
  EXPECT_EQ(clrNormal, surface.GetPixel(26, 10));
  EXPECT_NE(clrFrame, surface.GetPixel(1, 10)) << "the other controls have their own frame";
}

TEST_F(CustomizeDropTest, ABarRefusesWhatItCannotTake) {
  CTKControl* pRefusing = new CRefusingControl;
  EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE),
            m_pBar->OnCustomizeDragOver(pRefusing, CPoint(26, 10)));
  CTKControl* pDragged = new CTKControl;
  m_pBar->SetCustomizable(FALSE);
  EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE),
            m_pBar->OnCustomizeDragEnter(pDragged, CPoint(26, 10)));
  m_pCommandBars->AllowCustomizeAll(TRUE);
  EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_MOVE),
            m_pBar->OnCustomizeDragEnter(pDragged, CPoint(26, 10)))
      << "the command bars take drops everywhere";
  m_pBar->ShowWindow(SW_HIDE);
  EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE),
            m_pBar->OnCustomizeDragOver(pDragged, CPoint(26, 10)));
  pDragged->InternalRelease();
  pRefusing->InternalRelease();
}

}  // namespace
