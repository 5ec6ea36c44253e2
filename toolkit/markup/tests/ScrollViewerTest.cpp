// The scroll viewer and its markup scroll bars in a hidden host window:
// which bars exist, how the offsets follow the wheel, line and page scrolls,
// and a tracking driven through the element.
#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "SupportElements.h"
#include "SupportMarkup.h"
#include "common/TKWinThemeWrapper.h"
#include "markup/TKMarkupDrawingContext.h"
#include "TKMarkupScrollBar.h"
#include "markup/TKMarkupScrollViewer.h"
#include "TKMarkupValues.h"
#include "testsupport/DibSurface.h"

namespace {

class ScrollViewer : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_host.Create(200, 200)); }
  /// A viewer filling the window around a control of the given height.
  void Load(const std::wstring& attributes, int nContentHeight, int nContentWidth = 0) {
    std::wstring text = L"<ScrollViewer Name='V' " + attributes + L"><Control Name='C' Height='" +
                        std::to_wstring(nContentHeight) + L"'";
    if (nContentWidth > 0) text += L" Width='" + std::to_wstring(nContentWidth) + L"'";
    text += L"/></ScrollViewer>";
    std::string error;
    ASSERT_TRUE(m_host.Load(text, &error)) << error;
    m_pViewer = static_cast<CTKMarkupScrollViewer*>(m_host.Find(L"V"));
    m_pContent = static_cast<CTKMarkupUIElement*>(m_host.Find(L"C"));
  }
  int ContentTop() { return m_pContent->GetVisualOffset().y; }
  int Vertical() { return m_pViewer->GetOffset(1); }

  CMarkupHostWindow m_host;
  CTKMarkupScrollViewer* m_pViewer = nullptr;
  CTKMarkupUIElement* m_pContent = nullptr;
};

TEST_F(ScrollViewer, WithoutVisibilitiesAVerticalBarAlwaysShows) {
  Load(L"", 50);
  ASSERT_NE(nullptr, m_pViewer->GetScrollBar(1));
  EXPECT_EQ(nullptr, m_pViewer->GetScrollBar(0));
  EXPECT_EQ(nullptr, m_pViewer->GetGripper());
  int nBar = ::GetSystemMetrics(SM_CXVSCROLL);
  EXPECT_EQ(200 - nBar, m_pContent->GetActualWidth());
  EXPECT_EQ(CRect(200 - nBar, 0, 200, 200), m_pViewer->GetScrollBar(1)->GetFinalRect());
  EXPECT_FALSE(m_pViewer->GetScrollBar(1)->IsScrollBarEnabled());
}

TEST_F(ScrollViewer, AnAutoBarComesOnlyWhenTheContentDoesNotFit) {
  Load(L"VerticalScrollBarVisibility='Auto'", 150);
  EXPECT_EQ(nullptr, m_pViewer->GetScrollBar(1));
  EXPECT_EQ(0, Vertical());
  Load(L"VerticalScrollBarVisibility='auto'", 500);
  EXPECT_NE(nullptr, m_pViewer->GetScrollBar(1));
}

TEST_F(ScrollViewer, BothBarsBringTheGripperInTheCorner) {
  Load(L"VerticalScrollBarVisibility='Visible' HorizontalScrollBarVisibility='Visible'", 500, 500);
  ASSERT_NE(nullptr, m_pViewer->GetGripper());
  int cx = ::GetSystemMetrics(SM_CXVSCROLL), cy = ::GetSystemMetrics(SM_CYHSCROLL);
  EXPECT_EQ(CRect(200 - cx, 200 - cy, 200, 200), m_pViewer->GetGripper()->GetFinalRect());

  CDibSurface surface(200, 200, RGB(1, 2, 3));
  m_host.GetContext()->SetGdiPlusEnabled(FALSE);
  CTKMarkupDrawingContext dc(m_host.GetContext(), surface.GetSafeHdc());
  m_pViewer->Render(&dc);
  EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), surface.GetPixel(200 - cx / 2, 200 - cy / 2));
}

TEST_F(ScrollViewer, TheWheelScrolls48UnitsAndStopsAtTheEnd) {
  Load(L"", 1000);
  m_host.Mouse(WM_MOUSEMOVE, 50, 50);
  LRESULT lResult = m_host.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -120), MAKELPARAM(50, 50));
  EXPECT_EQ(1, lResult);
  EXPECT_EQ(48, Vertical());
  EXPECT_EQ(-48, ContentTop());
  m_host.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -1), MAKELPARAM(50, 50));  // any size of delta
  EXPECT_EQ(96, Vertical());
  m_host.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(50, 50));
  EXPECT_EQ(48, Vertical());
  for (int i = 0; i < 30; ++i)
    m_host.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -120), MAKELPARAM(50, 50));
  EXPECT_EQ(800, Vertical());
  EXPECT_EQ(-800, ContentTop());
  // The bar shows where the content is.
  SCROLLINFO si;
  m_pViewer->GetScrollBar(1)->GetScrollInfo(&si);
  EXPECT_EQ(0, si.nMin);
  EXPECT_EQ(999, si.nMax);
  EXPECT_EQ(200u, si.nPage);
  EXPECT_EQ(800, si.nPos);
}

TEST_F(ScrollViewer, LinesArePixelsSixteenAndPagesAViewport) {
  Load(L"", 1000);
  struct {
    int nCode, nPos, nExpected;
  } steps[] = {{SB_LINEDOWN, 0, 16},      {SB_LINEDOWN, 0, 32},         {SB_PAGEDOWN, 0, 232},
               {SB_LINEUP, 0, 216},       {SB_PAGEUP, 0, 16},           {SB_PAGEUP, 0, 0},
               {SB_THUMBTRACK, 333, 333}, {SB_THUMBPOSITION, 500, 500}, {SB_BOTTOM, 0, 800},
               {SB_LINEDOWN, 0, 800},     {SB_ENDSCROLL, 0, 800},       {SB_TOP, 0, 0}};
  for (const auto& step : steps) {
    EXPECT_TRUE(m_pViewer->Scroll(1, step.nCode, step.nPos));
    EXPECT_EQ(step.nExpected, Vertical()) << "code " << step.nCode;
    EXPECT_EQ(-step.nExpected, ContentTop());
  }
  EXPECT_FALSE(m_pViewer->Scroll(0, SB_LINEDOWN, 0));  // no horizontal bar
}

TEST_F(ScrollViewer, OffsetsStayWithinTheContent) {
  Load(L"", 1000);
  m_pViewer->SetOffset(1, -5);
  EXPECT_EQ(0, Vertical());
  m_pViewer->SetOffset(1, 100000);
  EXPECT_EQ(800, Vertical());
  // A shorter content pulls the offset back to its end.
  m_pContent->SetValue(CTKMarkupFrameworkElement::HeightProperty, new CTKMarkupInt(500));
  m_host.Layout();
  EXPECT_EQ(300, Vertical());
  EXPECT_EQ(-300, ContentTop());
}

/// Scripted tracking: the button goes up where the script says.
class CReleaseAt : public CTKMarkupScrollBarSystem {
 public:
  std::deque<MSG> messages;
  BOOL GetMessage(MSG* pMsg) override {
    if (messages.empty()) return FALSE;
    *pMsg = messages.front();
    messages.pop_front();
    return TRUE;
  }
  void PostQuitMessage(int) override {}
  SHORT GetKeyState(int nKey) override {
    return nKey == VK_LBUTTON ? static_cast<SHORT>(0x8000) : 0;
  }
};

TEST_F(ScrollViewer, PressingTheBarsArrowScrollsALineThroughTheTracking) {
  Load(L"", 1000);
  CTKMarkupScrollBar* pBar = m_pViewer->GetScrollBar(1);
  CRect rc = m_host.RectOf(pBar);
  CPoint ptArrow(rc.CenterPoint().x, rc.bottom - 3);
  CPoint ptScreen = ptArrow;
  m_host.ClientToScreen(&ptScreen);
  CReleaseAt system;
  MSG up = {m_host.GetSafeHwnd(), WM_LBUTTONUP, 0, 0, 0, ptScreen};
  system.messages.push_back(up);
  CTKMarkupScrollBarSystem* pOld = CTKMarkupScrollBarSystem::Set(&system);
  m_host.Mouse(WM_MOUSEMOVE, ptArrow.x, ptArrow.y);
  EXPECT_EQ(TKMSB_HT_DOWN, pBar->GetPosInfo().ht);
  m_host.Mouse(WM_LBUTTONDOWN, ptArrow.x, ptArrow.y, MK_LBUTTON);
  CTKMarkupScrollBarSystem::Set(pOld);
  EXPECT_EQ(16, Vertical());
  EXPECT_EQ(nullptr, pBar->GetTrackInfo());
  EXPECT_EQ(nullptr, m_host.GetContext()->GetCaptureElement());
}

BOOL WINAPI NotThemed() { return FALSE; }

TEST_F(ScrollViewer, TheBarsThemeIsOpenedOncePerThemeChange) {
  Load(L"", 1000);
  CTKMarkupScrollBar* pBar = m_pViewer->GetScrollBar(1);
  CTKWinThemeWrapper::CFunctionTable* pTable = CountThemeCalls(pBar->GetTheme());
  // The counted handle is no real theme: the bar draws classically.
  pTable->pfn[CTKWinThemeWrapper::slotIsAppThemed] = reinterpret_cast<FARPROC>(&NotThemed);

  CDibSurface surface(20, 200);
  m_host.GetContext()->SetGdiPlusEnabled(FALSE);
  CTKMarkupDrawingContext dc(m_host.GetContext(), surface.GetSafeHdc());
  pBar->OnRender(&dc);
  pBar->OnRender(&dc);
  EXPECT_EQ(0, g_nThemeOpens);
  m_host.SendMessage(WM_THEMECHANGED);
  pBar->OnRender(&dc);
  pBar->OnRender(&dc);
  EXPECT_EQ(1, g_nThemeOpens);
  m_host.SendMessage(WM_THEMECHANGED);
  pBar->OnRender(&dc);
  EXPECT_EQ(2, g_nThemeOpens);
  EXPECT_EQ(1, g_nThemeCloses);
}

// The viewer gives the bar new information and then arranges it at the same
// rectangle: the change alone must make that arrange lay the parts out.
TEST(ScrollBarElement, ChangedInformationMarksTheArrangementInvalid) {
  CTestContext context;
  CTKMarkupAutoPtr<CTKMarkupScrollBar> bar(static_cast<CTKMarkupScrollBar*>(
      context->CreateMarkupObject(CTKMarkupScrollBar::StaticType())));
  ASSERT_NE(bar.Get(), nullptr);
  const CRect rc(0, 0, 17, 200);
  auto Info = [](int nMax, int nPage, int nPos) {
    SCROLLINFO si = {sizeof(si), SIF_ALL, 0, nMax, static_cast<UINT>(nPage), nPos, 0};
    return si;
  };
  bar->SetScrollInfo(Info(999, 100, 0));
  bar->Arrange(rc);
  ASSERT_TRUE(bar->IsArrangeValid());
  bar->SetScrollInfo(Info(999, 100, 0));
  EXPECT_TRUE(bar->IsArrangeValid()) << "nothing changed";

  struct Case {
    const char* name;
    SCROLLINFO si;
  };
  const Case cases[] = {
      {"position", Info(999, 100, 495)},
      {"page", Info(999, 400, 495)},
      {"range", Info(1999, 400, 495)},
  };
  for (const Case& c : cases) {
    bar->SetScrollInfo(c.si);
    EXPECT_FALSE(bar->IsArrangeValid()) << c.name;
    bar->Arrange(rc);
    EXPECT_TRUE(bar->IsArrangeValid()) << c.name;
    TK_MARKUP_SCROLLBAR_POSINFO expected = {};
    TKMarkupCalcScrollBarInfo(rc, c.si, TRUE, ::GetSystemMetrics(SM_CYVSCROLL), &expected);
    EXPECT_EQ(bar->GetPosInfo().pxThumbTop, expected.pxThumbTop) << c.name;
    EXPECT_EQ(bar->GetPosInfo().cpxThumb, expected.cpxThumb) << c.name;
  }
}

}  // namespace
