// Inlines: the collection that holds them (content rules, order and index
// kept through inserts and removals), the walk from one inline to the next,
// runs, spans and their fonts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SupportMarkup.h"
#include "TKMarkupFont.h"
#include "TKMarkupInline.h"
#include "TKMarkupInlineUIContainer.h"
#include "TKMarkupRun.h"
#include "TKMarkupSpan.h"
#include "TKMarkupTextBlock.h"
#include "markup/TKMarkupDrawingContext.h"

namespace {

const wchar_t kNamespace[] =
    L" xmlns='http://schemas.microsoft.com/winfx/2006/xaml/presentation'"
    L" xmlns:x='http://schemas.microsoft.com/winfx/2006/xaml'";

// A parsed text block, released at the end.
class ParsedBlock {
 public:
  ParsedBlock(CTKMarkupContext* pContext, const std::wstring& attributes,
              const std::wstring& content) {
    std::wstring text = L"<TextBlock" + std::wstring(kNamespace) + L" " + attributes + L">" +
                        content + L"</TextBlock>";
    m_pRoot = pContext->Parse(text.c_str());
  }
  ~ParsedBlock() {
    if (m_pRoot != nullptr) m_pRoot->Release();
  }
  CTKMarkupTextBlock* operator->() const { return MarkupCast<CTKMarkupTextBlock>(m_pRoot); }
  CTKMarkupTextBlock* Get() const { return MarkupCast<CTKMarkupTextBlock>(m_pRoot); }

 private:
  CTKMarkupObject* m_pRoot;
};

// The leaf inlines of a block in reading order, described as text.
std::vector<std::wstring> Walk(CTKMarkupTextBlock* pBlock) {
  std::vector<std::wstring> walk;
  int nGuard = 0;
  for (CTKMarkupInline* p = pBlock->GetInlines()->GetFirstInline(); p != nullptr;
       p = p->GetNextInline()) {
    if (++nGuard > 100) {
      walk.push_back(L"<loop>");
      break;
    }
    CTKMarkupRun* pRun = MarkupCast<CTKMarkupRun>(p);
    walk.push_back(pRun != nullptr ? std::wstring(pRun->GetText())
                                   : std::wstring(p->GetType()->GetClassName()));
  }
  return walk;
}

using Texts = std::vector<std::wstring>;

CTKMarkupRun* NewRun(CTKMarkupContext* pContext, LPCWSTR lpszText) {
  CTKMarkupRun* pRun =
      static_cast<CTKMarkupRun*>(pContext->CreateMarkupObject(CTKMarkupRun::StaticType()));
  pRun->SetText(lpszText);
  return pRun;
}

TEST(Inlines, ContentBecomesRunsSpansAndContainers) {
  CTestContext context;
  ParsedBlock block(context, L"", L"Hello <Bold>big</Bold><Span><TextBlock/></Span>");
  ASSERT_NE(block.Get(), nullptr);
  CTKMarkupInlineCollection* pInlines = block->GetInlines();
  ASSERT_EQ(pInlines->GetCount(), 3);
  EXPECT_STREQ(MarkupCast<CTKMarkupRun>(pInlines->GetItem(0))->GetText(), L"Hello ");
  EXPECT_NE(MarkupCast<CTKMarkupBold>(pInlines->GetItem(1)), nullptr);
  CTKMarkupSpan* pSpan = MarkupCast<CTKMarkupSpan>(pInlines->GetItem(2));
  ASSERT_NE(pSpan, nullptr);
  ASSERT_EQ(pSpan->GetInlines()->GetCount(), 1);
  EXPECT_NE(MarkupCast<CTKMarkupInlineUIContainer>(pSpan->GetInlines()->GetItem(0)), nullptr);
  for (int i = 0; i < pInlines->GetCount(); ++i) EXPECT_EQ(pInlines->GetInline(i)->GetIndex(), i);
}

TEST(Inlines, ContentThatIsNoInlineNorElementIsRefused) {
  CTestContext context;
  std::wstring text =
      L"<TextBlock" + std::wstring(kNamespace) + L"><SolidColorBrush Color='Red'/></TextBlock>";
  EXPECT_NE(std::string(CT2A(context->ValidateXML(text.c_str())))
                .find("Object cannot be converted to type 'CTKMarkupInline'"),
            std::string::npos);
  std::wstring run = L"<TextBlock" + std::wstring(kNamespace) +
                     L"><InlineUIContainer>text</InlineUIContainer></TextBlock>";
  EXPECT_NE(std::string(CT2A(context->ValidateXML(run.c_str())))
                .find("Object cannot be converted to type 'CTKMarkupUIElement'"),
            std::string::npos);
}

TEST(Inlines, TheWalkGoesIntoAndOutOfSpans) {
  CTestContext context;
  ParsedBlock block(context, L"",
                    L"<Run>a</Run><Bold><Run>b</Run><Italic><Run>c</Run></Italic></Bold>"
                    L"<Span/><Run>d</Run><Span><Run>e</Run></Span>");
  ASSERT_NE(block.Get(), nullptr);
  EXPECT_EQ(Walk(block.Get()), Texts({L"a", L"b", L"c", L"CTKMarkupSpan", L"d", L"e"}));
}

// The index as first written was set only when an inline went in: an
// insertion before the first made the walk loop, a removal skipped an inline.
TEST(Inlines, InsertAndRemoveKeepTheOrderAndTheWalk) {
  CTestContext context;
  ParsedBlock block(context, L"", L"<Run>b</Run><Run>c</Run><Run>d</Run>");
  ASSERT_NE(block.Get(), nullptr);
  CTKMarkupInlineCollection* pInlines = block->GetInlines();
  pInlines->Insert(0, NewRun(context, L"a"));
  EXPECT_EQ(Walk(block.Get()), Texts({L"a", L"b", L"c", L"d"}));
  pInlines->Insert(2, NewRun(context, L"x"));
  EXPECT_EQ(Walk(block.Get()), Texts({L"a", L"b", L"x", L"c", L"d"}));
  pInlines->RemoveAt(1);
  EXPECT_EQ(Walk(block.Get()), Texts({L"a", L"x", L"c", L"d"}));
  pInlines->RemoveAt(0);
  EXPECT_EQ(Walk(block.Get()), Texts({L"x", L"c", L"d"}));
  for (int i = 0; i < pInlines->GetCount(); ++i) EXPECT_EQ(pInlines->GetInline(i)->GetIndex(), i);
  // The layout walks the same chain: it ends, and holds every inline.
  CTKMarkupDrawingContext dc(context);
  block->Measure(&dc, 1000, 1000);
  EXPECT_EQ(block->GetLayout().GetLines().size(), 1u);
}

TEST(Inlines, BaselineAlignmentNames) {
  CTestContext context;
  ParsedBlock sub(context, L"", L"<Run BaselineAlignment='subscript'>x</Run>");
  ASSERT_NE(sub.Get(), nullptr);
  EXPECT_EQ(sub->GetInlines()->GetInline(0)->GetBaselineAlignment(), TKBaselineSubscript);
  ParsedBlock plain(context, L"", L"<Run>x</Run>");
  EXPECT_EQ(plain->GetInlines()->GetInline(0)->GetBaselineAlignment(), TKBaselineBaseline);
  std::wstring middle = L"<TextBlock" + std::wstring(kNamespace) +
                        L"><Run BaselineAlignment='Middle'>x</Run></TextBlock>";
  EXPECT_NE(context->ValidateXML(middle.c_str()), CString("Done."));
}

// The LOGFONT a run asks for, by what it inherits.
LOGFONTA FontOf(CTKMarkupRun* pRun) {
  LOGFONTA font;
  WCHAR szWide[LF_FACESIZE];
  pRun->GetLogFont(&font, szWide);
  return font;
}

TEST(Inlines, RunsTakeTheirFontFromTheirAncestors) {
  CTestContext context;
  ParsedBlock block(context, L"FontFamily='Tahoma' FontSize='12pt'",
                    L"<Bold><Italic><Run>x</Run></Italic><Run FontWeight='Light'>y</Run></Bold>"
                    L"<Run>z</Run>");
  ASSERT_NE(block.Get(), nullptr);
  CTKMarkupBold* pBold = MarkupCast<CTKMarkupBold>(block->GetInlines()->GetItem(0));
  CTKMarkupItalic* pItalic = MarkupCast<CTKMarkupItalic>(pBold->GetInlines()->GetItem(0));
  CTKMarkupRun* pX = MarkupCast<CTKMarkupRun>(pItalic->GetInlines()->GetItem(0));
  CTKMarkupRun* pY = MarkupCast<CTKMarkupRun>(pBold->GetInlines()->GetItem(1));
  CTKMarkupRun* pZ = MarkupCast<CTKMarkupRun>(block->GetInlines()->GetItem(1));
  LOGFONTA x = FontOf(pX), y = FontOf(pY), z = FontOf(pZ);
  EXPECT_EQ(x.lfWeight, FW_BOLD);
  EXPECT_EQ(x.lfItalic, 1);
  EXPECT_EQ(y.lfWeight, FW_LIGHT);
  EXPECT_EQ(y.lfItalic, 0);
  EXPECT_EQ(z.lfWeight, context->GetDefaultFont().lfWeight);
  // 12pt is 16 pixels at 96 DPI.
  EXPECT_EQ(x.lfHeight, -16);
  EXPECT_STREQ(z.lfFaceName, "Tahoma");
  EXPECT_EQ(x.lfEscapement, 0);
}

TEST(Inlines, RunsPreparingTheSameFontShareIt) {
  CTestContext context;
  ParsedBlock block(context, L"", L"<Run>a</Run><Run>b</Run><Bold>c</Bold>");
  ASSERT_NE(block.Get(), nullptr);
  CTKMarkupDrawingContext dc(context);
  CTKMarkupInline* pA = block->GetInlines()->GetInline(0);
  CTKMarkupInline* pB = block->GetInlines()->GetInline(1);
  CTKMarkupInline* pC = pA->GetNextInline()->GetNextInline();
  pA->PrepareDrawing(&dc);
  pB->PrepareDrawing(&dc);
  pC->PrepareDrawing(&dc);
  ASSERT_NE(pA->GetFont(), nullptr);
  EXPECT_EQ(pA->GetFont(), pB->GetFont());
  EXPECT_NE(pA->GetFont(), pC->GetFont());
  TEXTMETRICW metrics = {};
  HDC hDC = dc.GetDC();
  GetTextMetricsW(hDC, &metrics);
  dc.ReleaseDC(hDC);
  EXPECT_EQ(pC->GetDescent(), metrics.tmDescent);
}

TEST(Inlines, ALongFamilyNameIsCutAndAForeignOneKeptWide) {
  CTestContext context;
  const std::wstring kGreek = L"\x03A9\x03BC\x03AD\x03B3\x03B1";
  ParsedBlock block(context, L"",
                    L"<Run FontFamily='" + std::wstring(60, L'W') + L"'>a</Run><Run FontFamily='" +
                        kGreek + L"'>b</Run>");
  ASSERT_NE(block.Get(), nullptr);
  CTKMarkupRun* pLong = MarkupCast<CTKMarkupRun>(block->GetInlines()->GetItem(0));
  CTKMarkupRun* pGreek = MarkupCast<CTKMarkupRun>(block->GetInlines()->GetItem(1));
  EXPECT_EQ(std::string(FontOf(pLong).lfFaceName), std::string(31, 'W'));
  CTKMarkupDrawingContext dc(context);
  pGreek->PrepareDrawing(&dc);
  LOGFONTW made = {};
  ASSERT_TRUE(GetObjectW(pGreek->GetFont()->GetHandle(), sizeof(made), &made));
  EXPECT_EQ(std::wstring(made.lfFaceName), kGreek);
}

TEST(Inlines, LineBreakAndEmptyRuns) {
  CTestContext context;
  ParsedBlock block(context, L"", L"<Run>a</Run><LineBreak/><Run></Run><Run>b</Run>");
  ASSERT_NE(block.Get(), nullptr);
  CTKMarkupDrawingContext dc(context);
  block->Measure(&dc, 1000, 1000);
  const std::vector<TK_MARKUP_TEXT_LINE>& lines = block->GetLayout().GetLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].segments.size(), 1u);
  // The second line: the empty tail of the break, then b; the empty run adds nothing.
  for (const CTKMarkupTextSegment& segment : lines[1].segments)
    EXPECT_EQ(MarkupCast<CTKMarkupRun>(static_cast<CTKMarkupInline*>(segment.GetItem()))
                      ->GetTextLength() > 0,
              true);
  EXPECT_STREQ(
      MarkupCast<CTKMarkupRun>(static_cast<CTKMarkupInline*>(lines[1].segments.back().GetItem()))
          ->GetText(),
      L"b");
}

}  // namespace
