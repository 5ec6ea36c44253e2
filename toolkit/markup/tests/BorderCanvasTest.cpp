// Border and canvas: the border's inset of its child, its drawing and hit
// testing; the canvas's placement by attached properties; both drawn through
// each back end.
#include <gtest/gtest.h>

#include <limits.h>

#include <string>

#include "SupportMarkup.h"
#include "TKMarkupBorder.h"
#include "TKMarkupBrush.h"
#include "TKMarkupCanvas.h"
#include "markup/TKMarkupDrawingContext.h"
#include "TKMarkupThickness.h"
#include "testsupport/DibSurface.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kLime = RGB(0, 255, 0);
const COLORREF kWhite = RGB(255, 255, 255);

class BorderCanvasTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override { m_context->SetGdiPlusEnabled(GetParam()); }

  CTKMarkupUIElement* Parse(const std::wstring& text) {
    std::string error;
    CTKMarkupUIElement* pRoot =
        MarkupCast<CTKMarkupUIElement>(ParseForTest(m_context, text, &error));
    EXPECT_NE(pRoot, nullptr) << error;
    return pRoot;
  }
  void Layout(CTKMarkupUIElement* pElement, const RECT& rc) {
    CTKMarkupDrawingContext dc(m_context);
    pElement->Measure(&dc, rc.right - rc.left, rc.bottom - rc.top);
    pElement->Arrange(rc);
  }
  void Render(CTKMarkupUIElement* pElement, CDibSurface& surface) {
    CTKMarkupDrawingContext dc(m_context, surface.GetSafeHdc());
    pElement->Render(&dc);
  }

  CTestContext m_context;
};

TEST_P(BorderCanvasTest, BorderInsetsItsChildByBorderAndPadding) {
  CTKMarkupAutoPtr<CTKMarkupUIElement> root(
      Parse(L"<Canvas><Border BorderThickness='1' Padding='2'>"
            L"<FrameworkElement Width='10' Height='10'/></Border></Canvas>"));
  ASSERT_NE(root.Get(), nullptr);
  CTKMarkupBorder* pBorder = MarkupCast<CTKMarkupBorder>(root->GetVisualChild(0));
  ASSERT_NE(pBorder, nullptr);
  Layout(root, CRect(0, 0, 100, 100));
  EXPECT_EQ(pBorder->GetDesiredSize(), CSize(16, 16));
  EXPECT_EQ(pBorder->GetChild()->GetFinalRect(), CRect(3, 3, 13, 13));
  EXPECT_EQ(pBorder->GetChild()->GetParent(), pBorder);

  // Too small for its border and padding (a framework element is never
  // arranged below its desired size, so ask the override directly): an empty
  // rectangle at the inner top-left corner, never a negative one.
  EXPECT_EQ(pBorder->ArrangeOverride(4, 4), CSize(4, 4));
  EXPECT_EQ(pBorder->GetChild()->GetFinalRect(), CRect(3, 3, 3, 3));
}

TEST_P(BorderCanvasTest, BorderDrawsItsFrameAndBackground) {
  CTKMarkupAutoPtr<CTKMarkupUIElement> root(
      Parse(L"<Border BorderThickness='1,2,3,4' BorderBrush='Blue' Background='Red'/>"));
  ASSERT_NE(root.Get(), nullptr);
  Layout(root, CRect(0, 0, 20, 20));
  CDibSurface surface(30, 30);
  Render(root, surface);
  EXPECT_EQ(surface.CountPixels(CRect(0, 0, 1, 20), kBlue), 20);    // left edge
  EXPECT_EQ(surface.CountPixels(CRect(0, 0, 20, 2), kBlue), 40);    // top edge
  EXPECT_EQ(surface.CountPixels(CRect(17, 0, 20, 20), kBlue), 60);  // right edge
  EXPECT_EQ(surface.CountPixels(CRect(0, 16, 20, 20), kBlue), 80);  // bottom edge
  EXPECT_EQ(surface.CountPixels(CRect(1, 2, 17, 16), kRed), 16 * 14);
  EXPECT_EQ(surface.CountPixels(kRed), 16 * 14);
  EXPECT_EQ(surface.GetPixel(20, 20), kWhite);
}

TEST_P(BorderCanvasTest, BorderPaintsOnlyWhatItHas) {
  struct Case {
    const wchar_t* text;
    int nRed;
  };
  const Case kCases[] = {
      {L"<Border BorderBrush='Red'/>", 0},                                // zero thickness
      {L"<Border BorderBrush='Red' BorderThickness='1' Width='0'/>", 0},  // no width
      {L"<Border Background='Red'/>", 100},                               // no child, still paints
  };
  for (const Case& c : kCases) {
    CTKMarkupAutoPtr<CTKMarkupUIElement> root(Parse(c.text));
    ASSERT_NE(root.Get(), nullptr);
    Layout(root, CRect(0, 0, 10, 10));
    CDibSurface surface(20, 20);
    Render(root, surface);
    EXPECT_EQ(surface.CountPixels(kRed), c.nRed) << CStringA(c.text).GetString();
  }
}

TEST_P(BorderCanvasTest, RoundedCornersLeaveTheCornersUnpainted) {
  CTKMarkupAutoPtr<CTKMarkupUIElement> root(Parse(L"<Border CornerRadius='6' Background='Red'/>"));
  ASSERT_NE(root.Get(), nullptr);
  Layout(root, CRect(0, 0, 20, 20));
  CDibSurface surface(20, 20);
  Render(root, surface);
  EXPECT_NE(surface.GetPixel(0, 0), kRed);
  EXPECT_NE(surface.GetPixel(19, 19), kRed);
  EXPECT_EQ(surface.GetPixel(10, 10), kRed);
  EXPECT_EQ(surface.GetPixel(10, 0), kRed);
  EXPECT_EQ(surface.GetPixel(0, 10), kRed);
}

TEST_P(BorderCanvasTest, CanvasPlacesChildrenByItsAttachedProperties) {
  CTKMarkupAutoPtr<CTKMarkupUIElement> root(Parse(
      L"<Canvas Background='White'>"
      L" <Border Canvas.Left='5' Canvas.Top='6' Width='10' Height='10' Background='Red'/>"
      L" <Border Canvas.Right='5' Canvas.Bottom='6' Width='10' Height='10' Background='Blue'/>"
      L" <Border Canvas.Left='30' Canvas.Right='5' Width='10' Height='10' Background='Lime'/>"
      L" <Border Canvas.Left='500' Canvas.Top='500' Width='20' Height='12'/>"
      L"</Canvas>"));
  ASSERT_NE(root.Get(), nullptr);
  Layout(root, CRect(0, 0, 60, 50));
  CTKMarkupCanvas* pCanvas = MarkupCast<CTKMarkupCanvas>(root);
  ASSERT_NE(pCanvas, nullptr);
  // The positions do not enlarge the canvas: only the largest child counts.
  EXPECT_EQ(pCanvas->GetDesiredSize(), CSize(20, 12));
  EXPECT_EQ(pCanvas->GetChild(0)->GetFinalRect(), CRect(5, 6, 15, 16));
  EXPECT_EQ(pCanvas->GetChild(1)->GetFinalRect(), CRect(45, 34, 55, 44));
  EXPECT_EQ(pCanvas->GetChild(2)->GetFinalRect(), CRect(30, 0, 40, 10));  // Left wins
  EXPECT_EQ(CTKMarkupCanvas::GetLeft(pCanvas->GetChild(0)), 5);
  EXPECT_EQ(CTKMarkupCanvas::GetBottom(pCanvas->GetChild(0)), 0);  // unset

  CDibSurface surface(60, 50, RGB(0, 0, 0));
  Render(root, surface);
  EXPECT_EQ(surface.CountPixels(CRect(5, 6, 15, 16), kRed), 100);
  EXPECT_EQ(surface.CountPixels(kRed), 100);
  EXPECT_EQ(surface.CountPixels(CRect(45, 34, 55, 44), kBlue), 100);
  EXPECT_EQ(surface.CountPixels(kBlue), 100);
  EXPECT_EQ(surface.CountPixels(kLime), 100);
  EXPECT_EQ(surface.GetPixel(0, 0), kWhite);

  CTKMarkupCanvas::SetTop(pCanvas->GetChild(2), 20);
  pCanvas->GetChild(2)->InvalidateMeasure();
  pCanvas->UpdateArrange();
  EXPECT_EQ(pCanvas->GetChild(2)->GetFinalRect(), CRect(30, 20, 40, 30));
}

TEST_P(BorderCanvasTest, FarOffsetsClampInsteadOfInvertingTheRectangle) {
  CTKMarkupAutoPtr<CTKMarkupUIElement> root(Parse(
      L"<Canvas>"
      L" <Border Canvas.Left='2147483647' Canvas.Top='2147483647' Width='10' Height='10'/>"
      L" <Border Canvas.Right='-2147483647' Canvas.Bottom='2147483647' Width='10' Height='10'/>"
      L" <Border Canvas.Left='-2147483647' Width='10' Height='10' Background='Red'/>"
      L"</Canvas>"));
  ASSERT_NE(root.Get(), nullptr);
  Layout(root, CRect(0, 0, 60, 50));
  CTKMarkupCanvas* pCanvas = MarkupCast<CTKMarkupCanvas>(root);
  ASSERT_NE(pCanvas, nullptr);
  EXPECT_EQ(pCanvas->GetChild(0)->GetFinalRect(), CRect(INT_MAX, INT_MAX, INT_MAX, INT_MAX));
  EXPECT_EQ(pCanvas->GetChild(1)->GetFinalRect(),
            CRect(INT_MAX, 50 - INT_MAX - 10, INT_MAX, 50 - INT_MAX));
  EXPECT_EQ(pCanvas->GetChild(2)->GetFinalRect(), CRect(-2147483647, 0, -2147483637, 10));
  CDibSurface surface(60, 50, RGB(0, 0, 0));
  Render(root, surface);
  EXPECT_EQ(surface.CountPixels(kRed), 0);
}

INSTANTIATE_TEST_SUITE_P(GdiAndGdiPlus, BorderCanvasTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "GdiPlus" : "Gdi";
                         });

class BorderTest : public ::testing::Test {
 protected:
  CTestContext m_context;
};

TEST_F(BorderTest, HitTestPassesThroughABorderWithoutBackground) {
  std::string error;
  CTKMarkupAutoPtr<CTKMarkupUIElement> root(MarkupCast<CTKMarkupUIElement>(
      ParseForTest(m_context,
                   L"<Border BorderThickness='2' BorderBrush='Blue' Padding='3'>"
                   L"<Border Background='Red' Width='4' Height='4'/></Border>",
                   &error)));
  ASSERT_NE(root.Get(), nullptr) << error;
  {
    CTKMarkupDrawingContext dc(m_context);
    root->Measure(&dc, 20, 20);
    root->Arrange(CRect(0, 0, 20, 20));
  }
  CTKMarkupBorder* pOuter = static_cast<CTKMarkupBorder*>(root.Get());
  EXPECT_EQ(root->InputHitTest(1, 1), nullptr);
  EXPECT_EQ(root->InputHitTest(10, 10), pOuter->GetChild());  // the child is centred
  pOuter->SetBackground(new CTKMarkupSolidColorBrush(RGB(0, 255, 0)));
  pOuter->GetBackground()->Release();
  EXPECT_EQ(root->InputHitTest(1, 1), pOuter);
}

TEST_F(BorderTest, ContentErrorsAndReplacingTheChild) {
  EXPECT_EQ(BuildError(m_context, L"<Border><Border/><Border/></Border>"),
            "'CTKMarkupBorder' already has a child and cannot add 'CTKMarkupBorder'. "
            "'CTKMarkupBorder' can accept only one child.");
  EXPECT_EQ(BuildError(m_context, L"<Border><SolidColorBrush/></Border>"),
            "'CTKMarkupSolidColorBrush' object cannot be added to 'CTKMarkupBorder'. Object cannot "
            "be converted to type 'CTKMarkupUIElement'");

  CTKMarkupAutoPtr<CTKMarkupBorder> border(new CTKMarkupBorder);
  CTKMarkupAutoPtr<CTKMarkupBorder> first(new CTKMarkupBorder);
  border->SetChild(first);
  EXPECT_EQ(first->GetParent(), border.Get());
  EXPECT_EQ(border->GetLogicalChildrenCount(), 1);
  border->SetChild(nullptr);
  EXPECT_EQ(first->GetParent(), nullptr);
  EXPECT_EQ(border->GetVisualChildrenCount(), 0);
}

// A page script places and styles elements through the automation members.
TEST(BorderCanvasScript, APageScriptPlacesAndStylesThroughTheMembers) {
  CTestContext context(nullptr, TRUE);
  std::string error;
  CTKMarkupAutoPtr<CTKMarkupUIElement> root(MarkupCast<CTKMarkupUIElement>(ParseForTest(
      context,
      L"<Canvas Name='c' xmlns:tk='urn:tk'><Border Name='b' Width='4' Height='4'/>"
      L"<Border Name='log'/><tk:Script><![CDATA["
      L"c.SetLeft(b, 5); c.SetTop(b, 6); c.SetRight(b, 7); c.SetBottom(b, 8);"
      L"var got = [c.GetLeft(b), c.GetTop(b), c.GetRight(b), c.GetBottom(b), c.GetLeft(log)];"
      L"if (got.join(',') != '5,6,7,8,0') throw new Error('read ' + got.join(','));"
      L"b.Background = MarkupContext.CreateSolidBrush(0xFF);"
      L"b.BorderBrush = b.Background;"
      L"b.BorderThickness = MarkupContext.CreateThickness(1, 2, 3, 4);"
      L"b.Padding = MarkupContext.CreateThickness(4, 3, 2, 1);"
      L"b.CornerRadius = MarkupContext.CreateThickness(2, 2, 2, 2);"
      L"b.Child = MarkupContext.CreateObject('Border');"
      L"if (b.Padding.Left != 4 || b.BorderThickness.Bottom != 4 || b.Child == null) throw 1;"
      L"var refused = 0;"
      L"try { b.Child = b; } catch (e) { ++refused; }"
      L"try { b.Child = c; } catch (e) { ++refused; }"
      L"try { b.Background = b.Padding; } catch (e) { ++refused; }"
      L"try { c.SetLeft(null, 1); } catch (e) { ++refused; }"
      L"try { c.SetLeft({}, 1); } catch (e) { ++refused; }"
      L"if (refused != 5) throw new Error('refused ' + refused);"
      L"]]></tk:Script></Canvas>",
      &error)));
  ASSERT_NE(root.Get(), nullptr) << error;
  CTKMarkupBorder* pBorder = static_cast<CTKMarkupBorder*>(root->FindName(L"b"));
  ASSERT_NE(pBorder, nullptr);
  EXPECT_EQ(CTKMarkupCanvas::GetLeft(pBorder), 5);
  EXPECT_EQ(CTKMarkupCanvas::GetBottom(pBorder), 8);
  ASSERT_NE(pBorder->GetBackground(), nullptr);
  EXPECT_EQ(pBorder->GetBackground()->GetColorRef(), RGB(255, 0, 0));
  EXPECT_EQ(pBorder->GetBorderBrush(), pBorder->GetBackground());
  EXPECT_EQ(pBorder->GetBorderThickness()->GetRight(), 3);
  EXPECT_EQ(pBorder->GetPadding()->GetTop(), 3);
  EXPECT_EQ(pBorder->GetCornerRadius()->GetLeft(), 2);
  ASSERT_NE(pBorder->GetChild(), nullptr);
  EXPECT_EQ(pBorder->GetChild()->GetParent(), pBorder);
  context->CloseScripts();
}

TEST(BorderCanvasScript, MembersHaveTheirIds) {
  CTestContext context;
  CTKMarkupAutoPtr<> border(context->CreateMarkupObject(CTKMarkupBorder::StaticType()));
  CTKMarkupAutoPtr<> canvas(context->CreateMarkupObject(CTKMarkupCanvas::StaticType()));
  struct Case {
    CTKMarkupObject* pObject;
    const wchar_t* name;
    DISPID id;
  };
  const Case cases[] = {
      {border, L"Background", 500}, {border, L"BorderThickness", 501},
      {border, L"Padding", 502},    {border, L"BorderBrush", 503},
      {border, L"CornerRadius", 504}, {border, L"Child", 505},
      {canvas, L"SetLeft", 600},    {canvas, L"SetTop", 601},
      {canvas, L"SetRight", 602},   {canvas, L"SetBottom", 603},
      {canvas, L"GetLeft", 604},    {canvas, L"GetTop", 605},
      {canvas, L"GetRight", 606},   {canvas, L"GetBottom", 607},
      {canvas, L"Background", 500}, {canvas, L"Children", 501},
  };
  for (const Case& c : cases) {
    LPOLESTR lpszName = const_cast<LPOLESTR>(c.name);
    DISPID id = DISPID_UNKNOWN;
    EXPECT_EQ(c.pObject->GetIDispatch(FALSE)->GetIDsOfNames(IID_NULL, &lpszName, 1, 0, &id), S_OK)
        << CStringA(c.name).GetString();
    EXPECT_EQ(id, c.id) << CStringA(c.name).GetString();
  }
}

}  // namespace
