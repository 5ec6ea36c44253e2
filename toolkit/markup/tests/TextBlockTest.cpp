// Text blocks in real fonts: measuring with padding, the Text property,
// drawing text, backgrounds and decorations into DIB sections, and the
// hyperlink's look and click. Positions come from the font metrics the same
// drawing context measures.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <algorithm>
#include <string>

#include "SupportMarkup.h"
#include "TKMarkupBrush.h"
#include "TKMarkupDelegate.h"
#include "markup/TKMarkupDrawingContext.h"
#include "markup/TKMarkupFlat.h"
#include "TKMarkupFont.h"
#include "TKMarkupInline.h"
#include "TKMarkupInlineUIContainer.h"
#include "TKMarkupRun.h"
#include "TKMarkupSpan.h"
#include "TKMarkupTextBlock.h"
#include "TKMarkupThickness.h"
#include "testsupport/DibSurface.h"
#include "testsupport/HostWindow.h"

namespace {

const wchar_t kNamespace[] = L" xmlns='http://schemas.microsoft.com/winfx/2006/xaml/presentation'";

// The text measures of a Tahoma font of a pixel height, on a measuring
// drawing context of the context.
struct Measures {
  Measures(CTKMarkupContext* pContext, int nHeight) : dc(pContext) {
    LOGFONTA font = pContext->GetDefaultFont();
    font.lfHeight = -nHeight;
    lstrcpyA(font.lfFaceName, "Tahoma");
    pFont = pContext->GetFont(font);
    dc.SetFont(pFont);
    HDC hDC = dc.GetDC();
    GetTextMetricsW(hDC, &metrics);
    dc.ReleaseDC(hDC);
  }
  ~Measures() {
    dc.SetFont(nullptr);
    pFont->Release();
  }
  int Width(LPCWSTR lpszText) { return dc.GetTextExtent(lpszText, lstrlenW(lpszText)).cx; }
  int Height() { return dc.GetTextExtent(L" ", 1).cy; }

  CTKMarkupDrawingContext dc;
  CTKMarkupFont* pFont;
  TEXTMETRICW metrics = {};
};

class TextBlockTest : public ::testing::Test {
 protected:
  TextBlockTest() { m_context->SetGdiPlusEnabled(FALSE); }
  ~TextBlockTest() override {
    if (m_pRoot != nullptr) m_pRoot->Release();
  }

  CTKMarkupTextBlock* Parse(const std::wstring& attributes, const std::wstring& content) {
    std::wstring text = L"<TextBlock" + std::wstring(kNamespace) +
                        L" FontFamily='Tahoma' FontSize='13' " + attributes + L">" + content +
                        L"</TextBlock>";
    if (m_pRoot != nullptr) m_pRoot->Release();
    m_pRoot = m_context->Parse(text.c_str());
    if (m_pRoot == nullptr) ADD_FAILURE() << CT2A(m_context->ValidateXML(text.c_str()));
    return MarkupCast<CTKMarkupTextBlock>(m_pRoot);
  }
  CSize Measure(CTKMarkupTextBlock* pBlock, int nWidth) {
    CTKMarkupDrawingContext dc(m_context);
    pBlock->Measure(&dc, nWidth, 1000);
    return pBlock->GetDesiredSize();
  }

  CTestContext m_context;
  CTKMarkupObject* m_pRoot = nullptr;
};

TEST_F(TextBlockTest, AnEmptyBlockIsItsPaddingAndOneLine) {
  CTKMarkupTextBlock* pBlock = Parse(L"Padding='3,4,5,6'", L"");
  ASSERT_NE(pBlock, nullptr);
  Measures measures(m_context, 13);
  EXPECT_EQ(Measure(pBlock, 500), CSize(8, 10 + measures.Height()));
}

TEST_F(TextBlockTest, MeasuresItsTextInsideThePadding) {
  CTKMarkupTextBlock* pBlock = Parse(L"Padding='2'", L"Hello world");
  ASSERT_NE(pBlock, nullptr);
  Measures measures(m_context, 13);
  EXPECT_EQ(Measure(pBlock, 500), CSize(4 + measures.Width(L"Hello world"), 4 + measures.Height()));
  // Wrapping in a narrow width: two lines, as wide as the wider word.
  pBlock->SetTextWrapping(TKTextWrap);
  EXPECT_EQ(Measure(pBlock, 4 + measures.Width(L"Hello w")),
            CSize(4 + std::max(measures.Width(L"Hello"), measures.Width(L"world")),
                  4 + 2 * measures.Height()));
}

TEST_F(TextBlockTest, TextReplacesTheInlines) {
  CTKMarkupTextBlock* pBlock = Parse(L"", L"<Run>a</Run><Bold>b</Bold>");
  ASSERT_NE(pBlock, nullptr);
  EXPECT_EQ(pBlock->GetText(), CString(""));
  pBlock->SetText(L"plain");
  ASSERT_EQ(pBlock->GetInlines()->GetCount(), 1);
  EXPECT_EQ(pBlock->GetText(), CString("plain"));
  Measures measures(m_context, 13);
  EXPECT_EQ(Measure(pBlock, 500).cx, measures.Width(L"plain"));
  CTKMarkupTextBlock* pAttribute = Parse(L"Text='from attribute'", L"");
  ASSERT_NE(pAttribute, nullptr);
  EXPECT_EQ(pAttribute->GetText(), CString("from attribute"));
}

bool IsColor(COLORREF clr, COLORREF expected) {
  return abs(GetRValue(clr) - GetRValue(expected)) < 40 &&
         abs(GetGValue(clr) - GetGValue(expected)) < 40 &&
         abs(GetBValue(clr) - GetBValue(expected)) < 40;
}

TEST_F(TextBlockTest, DrawsTextAndTheUnderlineInTheColourOfItsSetter) {
  CTKMarkupTextBlock* pBlock = Parse(
      L"Background='#FFFF00'",
      L"<Underline Foreground='#0000FF'><Run Foreground='#00C000' Text='abc  '/></Underline>");
  ASSERT_NE(pBlock, nullptr);
  Measures measures(m_context, 13);
  CDibSurface surface(200, 40);
  RECT rc = {10, 5, 190, 35};
  ASSERT_NE(RenderMarkupElement(pBlock, surface.GetSafeHdc(), &rc), 0);
  // Background over the block, text in green within the text's box.
  EXPECT_EQ(surface.GetPixel(150, 30), RGB(255, 255, 0));
  const int nWidth = measures.Width(L"abc  ");
  const TEXTMETRICW& tm = measures.metrics;
  RECT rcText = {10, 5, 10 + measures.Width(L"abc"), 5 + tm.tmAscent};
  int nGreen = 0;
  for (int y = rcText.top; y < rcText.bottom; ++y)
    for (int x = rcText.left; x < rcText.right; ++x)
      if (IsColor(surface.GetPixel(x, y), RGB(0, 192, 0))) ++nGreen;
  EXPECT_GT(nGreen, 5);
  // The bar: under the baseline by a third of the descent, as wide as the
  // piece with its trailing blanks, blue like the Underline that set it.
  const int nThickness = std::max(static_cast<int>(tm.tmDescent) / 3, 1);
  const int yBar = 5 + tm.tmAscent + nThickness;
  EXPECT_EQ(surface.GetPixel(10, yBar), RGB(0, 0, 255));
  EXPECT_EQ(surface.GetPixel(10 + nWidth - 1, yBar), RGB(0, 0, 255));
  EXPECT_EQ(surface.GetPixel(10 + nWidth, yBar), RGB(255, 255, 0));
  EXPECT_EQ(surface.GetPixel(10 + nWidth / 2, yBar - 1 - 2), surface.GetPixel(150, 30))
      << "nothing drawn between the text's baseline area and the bar at the blanks";
}

TEST_F(TextBlockTest, AnInheritedBackgroundIsPaintedOnceAndAnOwnOnePerPiece) {
  CTKMarkupTextBlock* pBlock =
      Parse(L"Background='#FFFF00'", L"<Run>aa</Run><Run Background='#FF00FF'>bb</Run>");
  ASSERT_NE(pBlock, nullptr);
  Measures measures(m_context, 13);
  CDibSurface surface(200, 30);
  RECT rc = {0, 0, 200, 30};
  RenderMarkupElement(pBlock, surface.GetSafeHdc(), &rc);
  const int xSecond = measures.Width(L"aa");
  EXPECT_EQ(surface.GetPixel(xSecond, 1), RGB(255, 0, 255));
  EXPECT_EQ(surface.GetPixel(xSecond - 1, 1), RGB(255, 255, 0));
  EXPECT_EQ(surface.GetPixel(xSecond + measures.Width(L"bb"), 1), RGB(255, 255, 0));
}

TEST_F(TextBlockTest, RightToLeftSurfacesDrawTheSameText) {
  CTKMarkupTextBlock* pBlock = Parse(L"", L"abc");
  ASSERT_NE(pBlock, nullptr);
  CDibSurface surface(100, 30);
  SetLayout(surface.GetSafeHdc(), LAYOUT_RTL);
  RECT rc = {0, 0, 100, 30};
  RenderMarkupElement(pBlock, surface.GetSafeHdc(), &rc);
  SetLayout(surface.GetSafeHdc(), 0);
  Measures measures(m_context, 13);
  // Mirrored: the text stands at the right edge.
  RECT rcRight = {100 - measures.Width(L"abc"), 0, 100, 30};
  RECT rcLeft = {0, 0, 100 - measures.Width(L"abc") - 1, 30};
  EXPECT_GT(surface.CountPixels(rcRight, RGB(255, 255, 255)), 0);
  EXPECT_LT(surface.CountPixels(rcRight, RGB(255, 255, 255)), (rcRight.right - rcRight.left) * 30);
  EXPECT_EQ(surface.CountPixels(rcLeft, RGB(255, 255, 255)), (rcLeft.right - rcLeft.left) * 30);
}

// Records the clicks that reach an element.
class CClickRecorder : public CTKMarkupDelegate {
 public:
  void Execute(CTKMarkupObject* pSender, CTKMarkupObject* pArgs) override {
    ++nClicks;
    pLastSender = pSender;
    CTKMarkupRoutedEventArgs* pRouted = static_cast<CTKMarkupRoutedEventArgs*>(pArgs);
    pLastSource = pRouted->GetSource();
  }
  int nClicks = 0;
  CTKMarkupObject* pLastSender = nullptr;
  CTKMarkupObject* pLastSource = nullptr;
};

TEST_F(TextBlockTest, AHyperlinkIsBlueUnderlinedRedWhenHoveredAndClicks) {
  CTKMarkupTextBlock* pBlock = Parse(L"", L"see <Hyperlink>here</Hyperlink>");
  ASSERT_NE(pBlock, nullptr);
  CTKMarkupHyperlink* pLink = MarkupCast<CTKMarkupHyperlink>(pBlock->GetInlines()->GetItem(1));
  ASSERT_NE(pLink, nullptr);
  CTKMarkupRun* pRun = MarkupCast<CTKMarkupRun>(pLink->GetInlines()->GetItem(0));
  ASSERT_NE(pRun, nullptr);
  EXPECT_EQ(pRun->GetForeground()->GetColorRef(), RGB(0, 0, 255));
  EXPECT_EQ(pRun->GetTextDecorations(), TKTextDecorationUnderline);
  int nCursor = 0;
  ASSERT_TRUE(pLink->GetCursor(&nCursor));
  EXPECT_EQ(nCursor, 32649);
  pLink->SetValue(CTKMarkupInputElement::IsMouseOverProperty, CTKMarkupBool::CreateTrueValue());
  EXPECT_EQ(pRun->GetForeground()->GetColorRef(), RGB(255, 0, 0));
  pLink->SetValue(CTKMarkupInputElement::IsMouseOverProperty, CTKMarkupBool::CreateFalseValue());
  EXPECT_EQ(pRun->GetForeground()->GetColorRef(), RGB(0, 0, 255));
  // A colour of its own wins over the look.
  CTKMarkupTextBlock* pGreen = Parse(L"", L"<Hyperlink Foreground='#00FF00'>x</Hyperlink>");
  ASSERT_NE(pGreen, nullptr);
  EXPECT_EQ(MarkupCast<CTKMarkupHyperlink>(pGreen->GetInlines()->GetItem(0))
                ->GetForeground()
                ->GetColorRef(),
            RGB(0, 255, 0));
}

TEST_F(TextBlockTest, APressAndReleaseOnAHyperlinkRaiseOneClickThatBubbles) {
  CTKMarkupTextBlock* pBlock = Parse(L"", L"<Hyperlink>here</Hyperlink>");
  ASSERT_NE(pBlock, nullptr);
  CTKMarkupHyperlink* pLink = MarkupCast<CTKMarkupHyperlink>(pBlock->GetInlines()->GetItem(0));
  ASSERT_NE(pLink, nullptr);
  CClickRecorder* pRecorder = new CClickRecorder;
  pBlock->AddHandler(CTKMarkupHyperlink::ClickEvent, pRecorder);
  CTKMarkupAutoPtr<CTKMarkupMouseButtonEventArgs> down(
      new CTKMarkupMouseButtonEventArgs(CTKMarkupInputElement::MouseLeftButtonDownEvent));
  CTKMarkupAutoPtr<CTKMarkupMouseButtonEventArgs> up(
      new CTKMarkupMouseButtonEventArgs(CTKMarkupInputElement::MouseLeftButtonUpEvent));
  pLink->OnMouseLeftButtonUp(up);  // no press before: nothing
  EXPECT_EQ(pRecorder->nClicks, 0);
  pLink->OnMouseLeftButtonDown(down);
  EXPECT_TRUE(down->GetHandled());
  pLink->OnMouseLeftButtonUp(up);
  EXPECT_TRUE(up->GetHandled());
  EXPECT_EQ(pRecorder->nClicks, 1);
  EXPECT_EQ(pRecorder->pLastSender, pBlock);
  EXPECT_EQ(pRecorder->pLastSource, pLink);
  pLink->OnMouseLeftButtonUp(up);
  EXPECT_EQ(pRecorder->nClicks, 1);
  pRecorder->Release();
}

TEST_F(TextBlockTest, AClickNobodyHandlesReachesTheContextsGlobalHandlers) {
  CTestHostWindow host;
  ASSERT_TRUE(host.CreateHost(200, 40));
  CTKMarkupContext* pContext = CreateMarkupContext(host.GetSafeHwnd(), TRUE);
  pContext->SetGdiPlusEnabled(FALSE);
  CTKMarkupUIElement* pRoot = ParseMarkupText(
      pContext,
      "<TextBlock xmlns='http://schemas.microsoft.com/winfx/2006/xaml/presentation'"
      " FontFamily='Tahoma' FontSize='13'>see <Hyperlink>here</Hyperlink></TextBlock>");
  ASSERT_NE(pRoot, nullptr);
  CTKMarkupTextBlock* pBlock = MarkupCast<CTKMarkupTextBlock>(pRoot);
  CTKMarkupHyperlink* pLink = MarkupCast<CTKMarkupHyperlink>(pBlock->GetInlines()->GetItem(1));
  ASSERT_NE(pLink, nullptr);
  CClickRecorder* pRecorder = new CClickRecorder;
  pContext->AddHandler(CTKMarkupHyperlink::ClickEvent, pRecorder);
  CDibSurface surface(200, 40);
  RECT rc = {0, 0, 200, 40};
  RenderMarkupElement(pRoot, surface.GetSafeHdc(), &rc);
  Measures measures(m_context, 13);
  const LPARAM lPoint = MAKELPARAM(measures.Width(L"see ") + 2, 4);
  LRESULT lResult = 0;
  HandleMarkupElementMessage(pRoot, WM_MOUSEMOVE, 0, lPoint, &lResult);
  EXPECT_TRUE(pLink->IsMouseOver());
  HandleMarkupElementMessage(pRoot, WM_LBUTTONDOWN, MK_LBUTTON, lPoint, &lResult);
  HandleMarkupElementMessage(pRoot, WM_LBUTTONUP, 0, lPoint, &lResult);
  EXPECT_EQ(pRecorder->nClicks, 1);
  EXPECT_EQ(pRecorder->pLastSource, pLink);
  // A release alone, or a press and release beside the link, is no click.
  HandleMarkupElementMessage(pRoot, WM_LBUTTONUP, 0, lPoint, &lResult);
  const LPARAM lBeside = MAKELPARAM(2, 4);
  HandleMarkupElementMessage(pRoot, WM_MOUSEMOVE, 0, lBeside, &lResult);
  HandleMarkupElementMessage(pRoot, WM_LBUTTONDOWN, MK_LBUTTON, lBeside, &lResult);
  HandleMarkupElementMessage(pRoot, WM_LBUTTONUP, 0, lBeside, &lResult);
  EXPECT_EQ(pRecorder->nClicks, 1);
  pRecorder->Release();
  ReleaseMarkupElement(pRoot);
  ReleaseMarkupContext(pContext);
}

TEST_F(TextBlockTest, HitTestingFindsTheInlineUnderThePoint) {
  CTKMarkupTextBlock* pBlock = Parse(L"", L"ab<Hyperlink>cd</Hyperlink>");
  ASSERT_NE(pBlock, nullptr);
  Measures measures(m_context, 13);
  CDibSurface surface(200, 30);
  RECT rc = {0, 0, 200, 30};
  RenderMarkupElement(pBlock, surface.GetSafeHdc(), &rc);
  CTKMarkupHyperlink* pLink = MarkupCast<CTKMarkupHyperlink>(pBlock->GetInlines()->GetItem(1));
  const int x = measures.Width(L"ab");
  EXPECT_EQ(pBlock->InputHitTest(x, 2), pLink->GetInlines()->GetItem(0));
  EXPECT_EQ(pBlock->InputHitTest(x - 1, 2), pBlock->GetInlines()->GetItem(0));
  EXPECT_EQ(pBlock->InputHitTest(150, 2), pBlock);
}

TEST_F(TextBlockTest, AnEmbeddedElementSitsOnTheTextLine) {
  CTKMarkupTextBlock* pBlock = Parse(
      L"",
      L"ab<InlineUIContainer><TextBlock Text='XY' Background='#FF0000'/></InlineUIContainer>cd");
  ASSERT_NE(pBlock, nullptr);
  CTKMarkupInlineUIContainer* pContainer =
      MarkupCast<CTKMarkupInlineUIContainer>(pBlock->GetInlines()->GetItem(1));
  ASSERT_NE(pContainer, nullptr);
  CTKMarkupUIElement* pChild = pContainer->GetChild();
  ASSERT_NE(pChild, nullptr);
  Measures measures(m_context, 13);
  CDibSurface surface(200, 30);
  RECT rc = {0, 0, 200, 30};
  RenderMarkupElement(pBlock, surface.GetSafeHdc(), &rc);
  // The child is measured for any size, placed after "ab", and drawn there;
  // "cd" follows it.
  const int x = measures.Width(L"ab");
  EXPECT_EQ(pChild->GetDesiredSize().cx, measures.Width(L"XY"));
  EXPECT_EQ(pChild->GetFinalRect().left, x);
  EXPECT_EQ(pChild->GetFinalRect().Width(), measures.Width(L"XY"));
  EXPECT_EQ(surface.GetPixel(x, 1), RGB(255, 0, 0));
  EXPECT_EQ(surface.GetPixel(x + measures.Width(L"XY") - 1, 1), RGB(255, 0, 0));
  EXPECT_NE(surface.GetPixel(x + measures.Width(L"XY"), 1), RGB(255, 0, 0));
  EXPECT_EQ(pBlock->GetDesiredSize().cx, measures.Width(L"abXYcd"));
  // A hit on the child finds what the child finds there: its own text.
  CTKMarkupRun* pHit = MarkupCast<CTKMarkupRun>(pBlock->InputHitTest(x + 1, 2));
  ASSERT_NE(pHit, nullptr);
  EXPECT_EQ(pHit->GetParentFrameworkElement(), pChild);
}

// Property get and put by dispatch id.
VARIANT DispGet(CTKMarkupObject* pObject, DISPID id) {
  LPDISPATCH pDispatch = pObject->GetIDispatch(FALSE);
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  VARIANT result;
  VariantInit(&result);
  EXPECT_EQ(
      pDispatch->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr),
      S_OK)
      << "get " << id;
  return result;
}

void DispPut(CTKMarkupObject* pObject, DISPID id, VARIANT value) {
  LPDISPATCH pDispatch = pObject->GetIDispatch(FALSE);
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params = {&value, &named, 1, 1};
  EXPECT_EQ(
      pDispatch->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr),
      S_OK)
      << "put " << id;
}

TEST_F(TextBlockTest, ScriptsReadAndWriteTheTextProperties) {
  CTKMarkupTextBlock* pBlock = Parse(L"", L"<Run>a</Run><Run>b</Run>");
  ASSERT_NE(pBlock, nullptr);
  VARIANT text = DispGet(pBlock, 512);
  EXPECT_EQ(V_VT(&text), VT_BSTR);
  EXPECT_STREQ(V_BSTR(&text), L"");
  VariantClear(&text);
  VARIANT number;
  VariantInit(&number);
  V_VT(&number) = VT_I4;
  V_I4(&number) = 42;
  DispPut(pBlock, 512, number);  // converted to the text "42"
  text = DispGet(pBlock, 512);
  EXPECT_STREQ(V_BSTR(&text), L"42");
  VariantClear(&text);
  // Wrapping is switched by a Boolean and read as the enumeration.
  VARIANT yes;
  VariantInit(&yes);
  V_VT(&yes) = VT_BOOL;
  V_BOOL(&yes) = VARIANT_TRUE;
  DispPut(pBlock, 500, yes);
  EXPECT_EQ(pBlock->GetTextWrapping(), TKTextWrapWithOverflow);
  VARIANT wrapping = DispGet(pBlock, 500);
  EXPECT_EQ(V_I4(&wrapping), TKTextWrapWithOverflow);
  // Unset font values read as their fallbacks; a set one as itself.
  VARIANT size = DispGet(pBlock, 504);
  EXPECT_EQ(V_I4(&size), 13);
  VARIANT weight = DispGet(pBlock, 505);
  EXPECT_EQ(V_I4(&weight), 400);
  V_I4(&number) = 700;
  DispPut(pBlock, 505, number);
  CTKMarkupRun* pRun = MarkupCast<CTKMarkupRun>(pBlock->GetInlines()->GetItem(0));
  ASSERT_NE(pRun, nullptr);
  EXPECT_EQ(pRun->GetFontWeight(), 700);
  VARIANT inlines = DispGet(pBlock, 513);
  EXPECT_EQ(V_VT(&inlines), VT_DISPATCH);
  VariantClear(&inlines);
}

}  // namespace
