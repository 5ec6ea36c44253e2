// The flat markup interface: every function with null handles or text, a
// sample caption parsed from ANSI and UTF-8 text, measured and drawn into a
// memory DC, and the captions seam of the common layer.
#include <gtest/gtest.h>

#include <algorithm>
#include <new>
#include <string>

#include "SupportMarkup.h"
#include "common/TKMarkupCaptionApi.h"
#include "markup/TKMarkupDrawingContext.h"
#include "markup/TKMarkupFlat.h"
#include "TKMarkupFont.h"
#include "TKMarkupInline.h"
#include "TKMarkupRun.h"
#include "TKMarkupType.h"
#include "TKMarkupTextBlock.h"
#include "markup/TKMarkupUIElement.h"
#include "testsupport/DibSurface.h"

namespace {

const char kCaption[] =
    "<TextBlock xmlns='http://schemas.microsoft.com/winfx/2006/xaml/presentation'>"
    "<Bold>Title</Bold><LineBreak/><Run>body text</Run></TextBlock>";

TEST(Flat, EveryFunctionAcceptsNullHandles) {
  CTKMarkupContext* pNoContext = nullptr;
  CTKMarkupUIElement* pNoElement = nullptr;
  EXPECT_EQ(ReleaseMarkupContext(pNoContext), 0);
  EXPECT_EQ(pNoContext, nullptr);
  EXPECT_EQ(ReleaseMarkupElement(pNoElement), 0);
  EXPECT_EQ(pNoElement, nullptr);
  EXPECT_EQ(ParseMarkupText(nullptr, kCaption), nullptr);
  EXPECT_EQ(GetMarkupElementContext(nullptr), nullptr);
  SetMarkupContextFont(nullptr, nullptr, RGB(1, 2, 3));
  LRESULT lResult = 7;
  EXPECT_FALSE(HandleMarkupElementMessage(nullptr, WM_MOUSEMOVE, 0, 0, &lResult));
  EXPECT_FALSE(HandleMarkupContextMessage(nullptr, WM_MOUSELEAVE, 0, 0, &lResult));
  SIZE size = MeasureMarkupElement(nullptr, 100, 100);
  EXPECT_EQ(size.cx, 0);
  EXPECT_EQ(size.cy, 0);
  CDibSurface surface(10, 10);
  RECT rc = {0, 0, 10, 10};
  EXPECT_EQ(RenderMarkupElement(nullptr, surface.GetSafeHdc(), &rc), 0);

  CTKMarkupContext* pContext = CreateMarkupContext(nullptr, TRUE);
  ASSERT_NE(pContext, nullptr);
  EXPECT_NE(pContext->GetDpiHelper(), nullptr);
  EXPECT_EQ(ParseMarkupText(pContext, nullptr), nullptr);
  EXPECT_EQ(ParseMarkupText(pContext, ""), nullptr);
  EXPECT_EQ(ParseMarkupText(pContext, "plain words"), nullptr);
  EXPECT_EQ(ParseMarkupText(pContext, "<TextBlock"), nullptr);
  // A root that is no UI element.
  EXPECT_EQ(ParseMarkupText(pContext,
                            "<SolidColorBrush xmlns='http://schemas.microsoft.com/winfx/2006/"
                            "xaml/presentation' Color='Red'/>"),
            nullptr);
  CTKMarkupUIElement* pElement = ParseMarkupText(pContext, kCaption);
  ASSERT_NE(pElement, nullptr);
  EXPECT_EQ(RenderMarkupElement(pElement, nullptr, &rc), 0);
  EXPECT_EQ(RenderMarkupElement(pElement, surface.GetSafeHdc(), nullptr), 0);
  EXPECT_EQ(surface.CountPixels(RGB(255, 255, 255)), 100);
  EXPECT_EQ(GetMarkupElementContext(pElement), pContext);
  // The element holds the context: releasing the context first is allowed.
  EXPECT_GT(ReleaseMarkupContext(pContext), 0);
  EXPECT_EQ(pContext, nullptr);
  EXPECT_EQ(ReleaseMarkupElement(pElement), 0);
  EXPECT_EQ(pElement, nullptr);
}

TEST(Flat, FontAndColourChangeOnlyWhenGiven) {
  CTKMarkupContext* pContext = CreateMarkupContext(nullptr, TRUE);
  const LOGFONTA before = pContext->GetDefaultFont();
  pContext->SetDefaultTextColor(RGB(10, 20, 30));
  SetMarkupContextFont(pContext, nullptr, static_cast<COLORREF>(-1));
  EXPECT_EQ(memcmp(&before, &pContext->GetDefaultFont(), sizeof(before)), 0);
  EXPECT_EQ(pContext->GetDefaultTextColor(), RGB(10, 20, 30));
  LOGFONTA font = {};
  font.lfHeight = -21;
  lstrcpyA(font.lfFaceName, "Tahoma");
  HFONT hFont = CreateFontIndirectA(&font);
  SetMarkupContextFont(pContext, hFont, RGB(200, 0, 0));
  DeleteObject(hFont);
  EXPECT_EQ(pContext->GetDefaultFont().lfHeight, -21);
  EXPECT_EQ(pContext->GetDefaultTextColor(), RGB(200, 0, 0));
  ReleaseMarkupContext(pContext);
}

// The caption measured by hand: two lines of the default font, the first bold.
class FlatCaptionTest : public ::testing::TestWithParam<bool> {};

TEST_P(FlatCaptionTest, ACaptionMeasuresAndDrawsIntoAMemoryDC) {
  CTKMarkupContext* pContext = CreateMarkupContext(nullptr, TRUE);
  pContext->SetGdiPlusEnabled(GetParam());
  LOGFONTA font = {};
  font.lfHeight = -13;
  lstrcpyA(font.lfFaceName, "Tahoma");
  HFONT hFont = CreateFontIndirectA(&font);
  SetMarkupContextFont(pContext, hFont, RGB(0, 0, 128));
  DeleteObject(hFont);
  CTKMarkupUIElement* pElement = ParseMarkupText(pContext, kCaption);
  ASSERT_NE(pElement, nullptr);

  LOGFONTA bold = pContext->GetDefaultFont();
  bold.lfWeight = FW_BOLD;
  SIZE title, body;
  {
    // The drawing context goes before the context whose GDI+ it uses.
    CTKMarkupDrawingContext dc(pContext);
    CTKMarkupFont* pBold = pContext->GetFont(bold);
    CTKMarkupFont* pPlain = pContext->GetFont(pContext->GetDefaultFont());
    dc.SetFont(pBold);
    title = dc.GetTextExtent(L"Title", 5);
    dc.SetFont(pPlain);
    body = dc.GetTextExtent(L"body text", 9);
    dc.SetFont(nullptr);
    pBold->Release();
    pPlain->Release();
  }

  SIZE size = MeasureMarkupElement(pElement, 400, 400);
  EXPECT_EQ(size.cx, std::max(title.cx, body.cx));
  EXPECT_EQ(size.cy, title.cy + body.cy);

  CDibSurface surface(200, 60);
  RECT rc = {5, 5, 5 + size.cx, 5 + size.cy};
  EXPECT_NE(RenderMarkupElement(pElement, surface.GetSafeHdc(), &rc), 0);
  // Ink inside the caption's rectangle only, on both lines.
  const int nArea = (rc.right - rc.left) * (rc.bottom - rc.top);
  RECT rcFirst = {rc.left, rc.top, rc.right, rc.top + title.cy};
  RECT rcSecond = {rc.left, rc.top + title.cy, rc.right, rc.bottom};
  EXPECT_LT(surface.CountPixels(rcFirst, RGB(255, 255, 255)), (rc.right - rc.left) * title.cy);
  EXPECT_LT(surface.CountPixels(rcSecond, RGB(255, 255, 255)), (rc.right - rc.left) * body.cy);
  EXPECT_EQ(surface.CountPixels(RGB(255, 255, 255)),
            200 * 60 - nArea + surface.CountPixels(rc, RGB(255, 255, 255)));
  ReleaseMarkupElement(pElement);
  ReleaseMarkupContext(pContext);
}

INSTANTIATE_TEST_SUITE_P(BackEnds, FlatCaptionTest, ::testing::Bool());

TEST(Flat, Utf8TextWithItsDeclarationParses) {
  CTKMarkupContext* pContext = CreateMarkupContext(nullptr, TRUE);
  CTKMarkupUIElement* pElement = ParseMarkupText(
      pContext,
      "<?xml version='1.0' encoding='utf-8'?><TextBlock xmlns='http://schemas.microsoft.com/"
      "winfx/2006/xaml/presentation'>\xCE\xA9 ok</TextBlock>");
  ASSERT_NE(pElement, nullptr);
  CTKMarkupTextBlock* pBlock = MarkupCast<CTKMarkupTextBlock>(pElement);
  ASSERT_NE(pBlock, nullptr);
  EXPECT_EQ(pBlock->GetInlines()->GetCount(), 1);
  ReleaseMarkupElement(pElement);
  ReleaseMarkupContext(pContext);
}

// The text of the only run of a parsed text block.
std::wstring RunText(CTKMarkupObject* pRoot) {
  CTKMarkupTextBlock* pBlock = MarkupCast<CTKMarkupTextBlock>(pRoot);
  if (pBlock == nullptr || pBlock->GetInlines()->GetCount() != 1) return L"<no single run>";
  CTKMarkupRun* pRun = MarkupCast<CTKMarkupRun>(pBlock->GetInlines()->GetItem(0));
  return pRun != nullptr ? pRun->GetText() : L"<no run>";
}

TEST(Flat, AnEightBitDeclarationParsesThroughTheFlatCallAndTheContext) {
  CTKMarkupContext* pContext = CreateMarkupContext(nullptr, TRUE);
  const char kAnsi[] =
      "<?xml version=\"1.0\" encoding=\"windows-1252\"?><TextBlock xmlns='http://schemas."
      "microsoft.com/winfx/2006/xaml/presentation'>Caf\xE9</TextBlock>";
  CTKMarkupUIElement* pElement = ParseMarkupText(pContext, kAnsi);
  ASSERT_NE(pElement, nullptr);
  EXPECT_EQ(RunText(pElement), L"Caf\x00e9");
  ReleaseMarkupElement(pElement);
  // The same text as UTF-16: the declared encoding no longer applies.
  const wchar_t wide[] =
      L"<?xml version=\"1.0\" encoding=\"windows-1252\"?><TextBlock xmlns='http://schemas."
      L"microsoft.com/winfx/2006/xaml/presentation'>Caf\x00e9</TextBlock>";
  CTKMarkupAutoPtr<> root(pContext->Parse(wide));
  EXPECT_EQ(RunText(root), L"Caf\x00e9");
  EXPECT_EQ(pContext->ValidateXML(wide), "Done.");
  root.Assign(nullptr);
  ReleaseMarkupContext(pContext);
}

// Stand-ins for an allocation that fails while a tree is built.
CTKMarkupObject* ThrowBadAlloc(CTKMarkupContext*) { throw std::bad_alloc(); }
CTKMarkupObject* ThrowMemoryException(CTKMarkupContext*) { AfxThrowMemoryException(); }
CTKMarkupType* NoBaseType() { return nullptr; }

TEST(Flat, RunningOutOfMemoryGivesNoElement) {
  static CTKMarkupType* const pBadAlloc = new CTKMarkupType(L"BadAllocElement", L"CBadAllocElement",
                                                            &ThrowBadAlloc, &NoBaseType, nullptr);
  static CTKMarkupType* const pMemory = new CTKMarkupType(
      L"MemoryElement", L"CMemoryElement", &ThrowMemoryException, &NoBaseType, nullptr);
  ASSERT_NE(pBadAlloc, nullptr);
  ASSERT_NE(pMemory, nullptr);
  CTKMarkupContext* pContext = CreateMarkupContext(nullptr, TRUE);
  for (const char* text : {"<Grid><BadAllocElement/></Grid>", "<Grid><MemoryElement/></Grid>"})
    EXPECT_EQ(ParseMarkupText(pContext, text), nullptr) << text;
  // The context is whole afterwards: the next caption parses.
  CTKMarkupUIElement* pElement = ParseMarkupText(pContext, kCaption);
  EXPECT_NE(pElement, nullptr);
  ReleaseMarkupElement(pElement);
  EXPECT_EQ(ReleaseMarkupContext(pContext), 0);
}

TEST(Flat, TheCaptionsSeamForwardsToTheFlatFunctions) {
  TKSetMarkupCaptionApi(nullptr);
  EXPECT_EQ(TKMarkupCaptionApi(), nullptr);
  TKInstallMarkupCaptionApi();
  ITKMarkupCaptionApi* pApi = TKMarkupCaptionApi();
  ASSERT_NE(pApi, nullptr);
  CTKMarkupContext* pContext = pApi->CreateMarkupContext(nullptr, TRUE);
  CTKMarkupUIElement* pElement = pApi->ParseMarkupText(pContext, kCaption);
  ASSERT_NE(pElement, nullptr);
  EXPECT_EQ(pApi->GetMarkupElementContext(pElement), pContext);
  SIZE viaSeam = pApi->MeasureMarkupElement(pElement, 300, 300);
  SIZE direct = MeasureMarkupElement(pElement, 300, 300);
  EXPECT_EQ(viaSeam.cx, direct.cx);
  EXPECT_EQ(viaSeam.cy, direct.cy);
  EXPECT_GT(viaSeam.cx, 0);
  CDibSurface surface(100, 40);
  RECT rc = {0, 0, 100, 40};
  EXPECT_NE(pApi->RenderMarkupElement(pElement, surface.GetSafeHdc(), &rc), 0);
  EXPECT_LT(surface.CountPixels(RGB(255, 255, 255)), 100 * 40);
  pApi->ReleaseMarkupElement(pElement);
  pApi->ReleaseMarkupContext(pContext);
  EXPECT_EQ(pElement, nullptr);
  EXPECT_EQ(pContext, nullptr);
  TKSetMarkupCaptionApi(nullptr);
}

}  // namespace
