// The page and the decorator's single child, and the window container with
// a real child window (hidden host under Xvfb).
#include <gtest/gtest.h>

#include "SupportLayout.h"
#include "TKMarkupDecorator.h"
#include "markup/TKMarkupDrawingContext.h"
#include "TKMarkupWindowContainer.h"

TEST(PageTest, PageStretchesItsChildOverTheWholePage) {
  CLayoutRun run;
  ASSERT_NE(nullptr, run.Layout(L"<Page><FrameworkElement Name='a' Width='30' Height='20'/></Page>",
                                200, 100))
      << run.Error();
  EXPECT_EQ(CSize(30, 20), run.Root()->GetDesiredSize());
  EXPECT_EQ(CRect(0, 0, 200, 100), run.RectOf(L"a"));
  CTKMarkupPage* pPage = MarkupCast<CTKMarkupPage>(run.Root());
  ASSERT_NE(nullptr, pPage);
  EXPECT_EQ(1, pPage->GetVisualChildrenCount());
  EXPECT_EQ(run.Element(L"a"), pPage->GetVisualChild(0));
  EXPECT_EQ(nullptr, pPage->GetVisualChild(1));
  EXPECT_EQ(pPage, run.Element(L"a")->GetParent());
}

// The page itself is never what the mouse is over: outside its child the
// point falls through.
TEST(PageTest, PageIsNotHitOutsideItsChild) {
  CLayoutRun run;
  ASSERT_NE(nullptr, run.Layout(L"<Page><FrameworkElement Name='a' Width='30' Height='20' "
                                L"HorizontalAlignment='Left' VerticalAlignment='Top'/></Page>",
                                200, 100))
      << run.Error();
  EXPECT_EQ(run.Element(L"a"), run.Root()->InputHitTest(10, 10));
  EXPECT_EQ(nullptr, run.Root()->InputHitTest(150, 80));
}

TEST(PageTest, OneChildOnly) {
  CTestContext context;
  EXPECT_EQ(
      "'CTKMarkupPage' already has a child and cannot add 'CTKMarkupFrameworkElement'. "
      "'CTKMarkupPage' can accept only one child.",
      BuildError(context, L"<Page><FrameworkElement/><FrameworkElement/></Page>"));
  EXPECT_EQ(
      "'CTKMarkupString' object cannot be added to 'CTKMarkupPage'. Object cannot be "
      "converted to type 'CTKMarkupUIElement'",
      BuildError(context, L"<Page>text</Page>"));
}

TEST(PageTest, SetChildReplacesAndReleasesTheOldChild) {
  CLayoutRun run;
  ASSERT_NE(nullptr, run.Parse(L"<Page><FrameworkElement Name='a'/></Page>")) << run.Error();
  CTKMarkupPage* pPage = MarkupCast<CTKMarkupPage>(run.Root());
  CTKMarkupUIElement* pOld = run.Element(L"a");
  pOld->AddRef();
  pPage->SetChild(nullptr);
  EXPECT_EQ(nullptr, pPage->GetChild());
  EXPECT_EQ(nullptr, pOld->GetParent());
  EXPECT_EQ(0, pPage->GetVisualChildrenCount());
  EXPECT_FALSE(pPage->HasContentObject());
  EXPECT_EQ(0u, pOld->Release());
}

namespace {

// A hidden host window with one child window of 120 x 30 in it.
class WindowContainerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_hHost = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                                nullptr, nullptr);
    ASSERT_NE(nullptr, m_hHost);
    m_hChild = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 5, 5, 120, 30, m_hHost, nullptr,
                                 nullptr, nullptr);
    ASSERT_NE(nullptr, m_hChild);
  }
  void TearDown() override {
    if (m_hHost != nullptr) ::DestroyWindow(m_hHost);
  }

  CRect ChildRect() const {
    CRect rect;
    ::GetWindowRect(m_hChild, &rect);
    ::MapWindowPoints(nullptr, m_hHost, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }

  // Draws the tree into a memory DC clipped to `rcClip`.
  static void Render(CTKMarkupContext* pContext, CTKMarkupUIElement* pRoot, const RECT& rcClip,
                     BOOL bDeferred = FALSE) {
    HDC hScreen = ::GetDC(nullptr);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, 300, 200);
    ::ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    ::IntersectClipRect(hDC, rcClip.left, rcClip.top, rcClip.right, rcClip.bottom);
    {
      CTKMarkupDrawingContext dc(pContext, hDC);
      if (bDeferred) dc.SetDeferWindowPos(::BeginDeferWindowPos(1));
      pRoot->Render(&dc);
      if (bDeferred) ::EndDeferWindowPos(dc.GetDeferWindowPos());
    }
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hDC);
  }

  HWND m_hHost = nullptr;
  HWND m_hChild = nullptr;
};

const wchar_t kContainer[] =
    L"<StackPanel><FrameworkElement Height='50'/>"
    L"<WindowContainer Name='wc' HorizontalAlignment='Left'/></StackPanel>";

}  // namespace

TEST_F(WindowContainerTest, DesiresTheWindowSizeAndShowsItWherePainted) {
  CLayoutRun run(m_hHost);
  ASSERT_NE(nullptr, run.Parse(kContainer)) << run.Error();
  CTKMarkupWindowContainer* pContainer = MarkupCast<CTKMarkupWindowContainer>(run.Element(L"wc"));
  ASSERT_NE(nullptr, pContainer);
  pContainer->SetChild(m_hChild);
  run.Relayout(200, 200);
  EXPECT_EQ(CSize(120, 30), pContainer->GetDesiredSize());
  EXPECT_EQ(CRect(0, 50, 200, 80), run.RectOf(L"wc"));
  EXPECT_FALSE(::GetWindowLongA(m_hChild, GWL_STYLE) & WS_VISIBLE);

  Render(run.Context(), run.Root(), CRect(0, 0, 300, 200));
  EXPECT_TRUE(::GetWindowLongA(m_hChild, GWL_STYLE) & WS_VISIBLE);
  EXPECT_EQ(CRect(0, 50, 120, 80), ChildRect());

  // A paint that does not reach the element hides the window (the GDI back
  // end reports the DC's clip) ...
  run.Context()->SetGdiPlusEnabled(FALSE);
  Render(run.Context(), run.Root(), CRect(0, 0, 300, 40));
  EXPECT_FALSE(::GetWindowLongA(m_hChild, GWL_STYLE) & WS_VISIBLE);
  run.Context()->SetGdiPlusEnabled(TRUE);

  // ... and the next one that does shows it again, also through deferred
  // positioning.
  Render(run.Context(), run.Root(), CRect(0, 0, 300, 200), TRUE);
  EXPECT_TRUE(::GetWindowLongA(m_hChild, GWL_STYLE) & WS_VISIBLE);
  EXPECT_EQ(CRect(0, 50, 120, 80), ChildRect());
  EXPECT_EQ(m_hHost, ::GetParent(m_hChild));  // never reparented

  // So does a paint of the element while it is hidden.
  pContainer->SetVisibility(TKMarkupVisibility_Hidden);
  Render(run.Context(), run.Root(), CRect(0, 0, 300, 200));
  EXPECT_FALSE(::GetWindowLongA(m_hChild, GWL_STYLE) & WS_VISIBLE);
}

TEST_F(WindowContainerTest, LimitedBySmallerSpaceAndHarmlessWithoutAWindow) {
  CLayoutRun run(m_hHost);
  ASSERT_NE(nullptr, run.Parse(L"<Page><WindowContainer Name='wc'/></Page>")) << run.Error();
  CTKMarkupWindowContainer* pContainer = MarkupCast<CTKMarkupWindowContainer>(run.Element(L"wc"));
  run.Relayout(100, 100);
  EXPECT_EQ(CSize(0, 0), pContainer->GetDesiredSize());
  Render(run.Context(), run.Root(), CRect(0, 0, 300, 200));  // nothing to place
  Render(run.Context(), run.Root(), CRect(0, 0, 0, 0));

  pContainer->SetChild(m_hChild);
  run.Relayout(100, 20);
  EXPECT_EQ(CSize(100, 20), pContainer->GetDesiredSize());
  pContainer->SetChild(nullptr);
  run.Relayout(100, 100);
  EXPECT_EQ(CSize(0, 0), pContainer->GetDesiredSize());
  EXPECT_TRUE(::IsWindow(m_hChild));
}
