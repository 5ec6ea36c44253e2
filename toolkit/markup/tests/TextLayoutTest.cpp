// The text layout on its own: line breaking, wrapping, ellipses, carriage
// returns, justification, the shared baseline and decoration bars, over
// plain text items in real fonts. Every expected position comes from the
// font metrics that the same drawing context measures.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "SupportMarkup.h"
#include "markup/TKMarkupDrawingContext.h"
#include "TKMarkupFont.h"
#include "TKMarkupTextLayout.h"

namespace {

// A plain text item: its characters are its positions.
class CPlainItem final : public ITKMarkupTextItem {
 public:
  CPlainItem(CTKMarkupContext* pContext, const std::wstring& text, int nHeight)
      : m_text(text), m_pFont(nullptr) {
    LOGFONTA font = {};
    font.lfHeight = nHeight;
    lstrcpyA(font.lfFaceName, "Tahoma");
    m_pFont = pContext->GetFont(font);
  }
  DWORD AddRefTextItem() override {
    ++m_nAddRefs;
    return ++m_nRef;
  }
  DWORD ReleaseTextItem() override {
    DWORD n = --m_nRef;
    if (n == 0) delete this;
    return n;
  }
  int GetFirstPosition() override { return m_text.empty() ? TK_MARKUP_TEXT_END : 0; }
  int GetNextPosition(int p) override {
    return p + 1 < static_cast<int>(m_text.size()) ? p + 1 : TK_MARKUP_TEXT_END;
  }
  BOOL IsWordBreakPosition(int p) override { return wcschr(L" \t\n", At(p)) != nullptr; }
  BOOL IsLineBreakPosition(int p) override { return At(p) == L'\n'; }
  BOOL IsCarriageReturnPosition(int p) override { return At(p) == L'\r'; }
  BOOL IsWhiteSpacePosition(int p) override { return At(p) == L' ' || At(p) == L'\t'; }
  void PrepareDrawing(CTKMarkupDrawingContext* pDC) override {
    ++m_nPrepared;
    pDC->SetFont(m_pFont);
    HDC hDC = pDC->GetDC();
    TEXTMETRICW metrics = {};
    GetTextMetricsW(hDC, &metrics);
    pDC->ReleaseDC(hDC);
    m_nDescent = metrics.tmDescent;
  }
  SIZE MeasureRange(CTKMarkupDrawingContext* pDC, int nStart, int nEnd) override {
    int nFrom = nStart == TK_MARKUP_TEXT_END ? Length() : nStart;
    int nTo = nEnd == TK_MARKUP_TEXT_END ? Length() : nEnd;
    if (nTo <= nFrom) return SIZE{0, pDC->GetTextExtent(L" ", 1).cy};
    m_nMeasured += nTo - nFrom;
    return pDC->GetTextExtent(m_text.c_str() + nFrom, nTo - nFrom);
  }
  int GetDescent() override { return m_nDescent; }
  int GetBaselineAlignment() override { return m_nBaseline; }
  void ArrangeRange(const RECT&, int, int) override { ++m_nArranged; }
  ITKMarkupTextItem* GetNextTextItem() override { return m_pNext; }

  /// The text of a range, for checking what went where.
  std::wstring Range(int nStart, int nEnd) const {
    int nFrom = nStart == TK_MARKUP_TEXT_END ? Length() : nStart;
    int nTo = nEnd == TK_MARKUP_TEXT_END ? Length() : nEnd;
    return nTo > nFrom ? m_text.substr(nFrom, nTo - nFrom) : std::wstring();
  }
  CTKMarkupFont* GetFont() const { return m_pFont; }

  ITKMarkupTextItem* m_pNext = nullptr;
  int m_nBaseline = TKBaselineBaseline;
  int m_nArranged = 0;
  int m_nPrepared = 0;
  long long m_nMeasured = 0;  // characters measured, counted over all ranges
  int m_nAddRefs = 0;
  DWORD RefCount() const { return m_nRef; }

 private:
  ~CPlainItem() { m_pFont->Release(); }
  WCHAR At(int p) const { return p >= 0 && p < Length() ? m_text[static_cast<size_t>(p)] : L'\0'; }
  int Length() const { return static_cast<int>(m_text.size()); }

  std::wstring m_text;
  CTKMarkupFont* m_pFont;
  DWORD m_nRef = 1;
  int m_nDescent = 0;
};

// Plain GDI measures: the widths of pieces add up exactly, so a line's
// expected width is the width of its text.
class CGdiContext : public CTestContext {
 public:
  CGdiContext() { (*this)->SetGdiPlusEnabled(FALSE); }
};

class TextLayoutTest : public ::testing::Test, public ITKMarkupTextLayoutHost {
 protected:
  TextLayoutTest() : m_dc(m_context), m_layout(this) {}
  ~TextLayoutTest() override {
    m_layout.Clear();
    for (CPlainItem* pItem : m_items) pItem->ReleaseTextItem();
  }

  ITKMarkupTextItem* CreateTextItem(LPCWSTR lpszText) override {
    ++m_nMade;
    return new CPlainItem(m_context, lpszText, kNormal);
  }

  // Items chained in order, held by the test.
  CPlainItem* Add(const std::wstring& text, int nHeight = kNormal) {
    CPlainItem* pItem = new CPlainItem(m_context, text, nHeight);
    if (!m_items.empty()) m_items.back()->m_pNext = pItem;
    m_items.push_back(pItem);
    return pItem;
  }

  void Format(int nWidth, int nWrapping, int nTrimming = TKTextTrimNone,
              int nAlignment = TKTextAlignLeft) {
    m_layout.Invalidate();
    m_layout.Format(&m_dc, m_items.empty() ? nullptr : m_items.front(), nWidth, nWrapping,
                    nTrimming, nAlignment);
    m_layout.Arrange(nWidth, RECT{0, 0, 0, 0}, nAlignment);
  }

  // The width of a text in a font height, as the drawing context measures it.
  int Width(const std::wstring& text, int nHeight = kNormal) { return Size(text, nHeight).cx; }
  SIZE Size(const std::wstring& text, int nHeight = kNormal) {
    CPlainItem* pItem = new CPlainItem(m_context, text, nHeight);
    pItem->PrepareDrawing(&m_dc);
    SIZE size = pItem->MeasureRange(&m_dc, 0, TK_MARKUP_TEXT_END);
    pItem->ReleaseTextItem();
    return size;
  }
  TEXTMETRICW Metrics(int nHeight) {
    CPlainItem* pItem = new CPlainItem(m_context, L"x", nHeight);
    m_dc.SetFont(pItem->GetFont());
    HDC hDC = m_dc.GetDC();
    TEXTMETRICW metrics = {};
    GetTextMetricsW(hDC, &metrics);
    m_dc.ReleaseDC(hDC);
    pItem->ReleaseTextItem();
    return metrics;
  }

  // Each line as the texts of its segments joined by '|'.
  std::vector<std::wstring> LineTexts() const {
    std::vector<std::wstring> lines;
    for (const TK_MARKUP_TEXT_LINE& line : m_layout.GetLines()) {
      std::wstring text;
      for (size_t i = 0; i < line.segments.size(); ++i) {
        const CTKMarkupTextSegment& segment = line.segments[i];
        if (i > 0) text += L"|";
        text +=
            static_cast<CPlainItem*>(segment.GetItem())->Range(segment.m_nStart, segment.m_nEnd);
      }
      lines.push_back(text);
    }
    return lines;
  }

  static const int kNormal = -13;
  static const int kLarge = -32;

  CGdiContext m_context;
  CTKMarkupDrawingContext m_dc;
  CTKMarkupTextLayout m_layout;
  std::vector<CPlainItem*> m_items;
  int m_nMade = 0;
};

using Lines = std::vector<std::wstring>;

std::wstring WithoutBlanks(std::wstring text) {
  text.erase(std::remove(text.begin(), text.end(), L' '), text.end());
  return text;
}

TEST_F(TextLayoutTest, NoWrapKeepsALongWordOnOneLine) {
  Add(L"abc");
  Format(Width(L"a"), TKTextNoWrap);
  EXPECT_EQ(LineTexts(), Lines({L"abc"}));
  EXPECT_EQ(m_layout.GetTextWidth(), Width(L"abc"));
  EXPECT_EQ(m_layout.GetTextHeight(), Size(L"abc").cy);
}

TEST_F(TextLayoutTest, WrapBreaksWordsAndLongWordsBetweenCharacters) {
  Add(L"ab cdefgh ij");
  int nWidth = Width(L"cde");
  Format(nWidth, TKTextWrap);
  Lines lines = LineTexts();
  // Words go whole where they fit; the long one is cut into pieces that fit.
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines.front(), L"ab");
  EXPECT_EQ(lines.back(), L"ij");
  std::wstring joined;
  for (size_t i = 1; i + 1 < lines.size(); ++i) {
    EXPECT_LE(Width(lines[i]), nWidth) << "line " << i;
    joined += lines[i];
  }
  EXPECT_EQ(joined, L"cdefgh");
  EXPECT_TRUE(m_layout.GetLines()[0].bWrapped);
  EXPECT_FALSE(m_layout.GetLines().back().bWrapped);
}

TEST_F(TextLayoutTest, WrapKeepsOneCharacterPerLineInATinyWidth) {
  Add(L"abc");
  Format(1, TKTextWrap);
  EXPECT_EQ(LineTexts(), Lines({L"a", L"b", L"c"}));
}

TEST_F(TextLayoutTest, WrapWithOverflowLetsALongWordOverflowOnItsOwnLine) {
  Add(L"aa bbbbbbbb cc");
  Format(Width(L"aa b"), TKTextWrapWithOverflow);
  EXPECT_EQ(LineTexts(), Lines({L"aa", L"bbbbbbbb", L"cc"}));
  EXPECT_EQ(m_layout.GetTextWidth(), Width(L"bbbbbbbb"));
}

TEST_F(TextLayoutTest, LeadingBlanksOfLaterLinesGoTrailingBlanksStay) {
  Add(L"aa   bb");
  Format(Width(L"aa  "), TKTextWrap);
  Lines lines = LineTexts();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], L"bb");
  // The first line keeps the blanks that fit after its word.
  EXPECT_EQ(lines[0].substr(0, 2), L"aa");
  EXPECT_EQ(m_layout.GetLines()[0].cx, Width(lines[0]));
  EXPECT_GT(m_layout.GetLines()[0].cx, Width(L"aa"));
}

TEST_F(TextLayoutTest, PiecesOfOneItemOnALineAreOneSegment) {
  Add(L"one two three");
  Format(1000, TKTextWrap);
  ASSERT_EQ(m_layout.GetLines().size(), 1u);
  EXPECT_EQ(m_layout.GetLines()[0].segments.size(), 1u);
}

TEST_F(TextLayoutTest, WrappingMeasuresEachCharacterABoundedNumberOfTimes) {
  // Many words on wide lines, and one word over many narrow ones: measuring
  // the line so far at every word, or the rest of the word at every line,
  // would measure each character hundreds of times.
  struct Case {
    std::wstring text;
    std::wstring widthOf;  // the width of this text is the line's
  };
  std::wstring words;
  for (int i = 0; i < 2000; ++i) words += L"ab ";
  const Case cases[] = {{words, std::wstring(300, L'a')},
                        {std::wstring(3000, L'x'), L"xxxxxxxxxx"},
                        {L"a " + std::wstring(3000, L'x') + L" b", std::wstring(30, L'x')}};
  for (const Case& c : cases) {
    m_layout.Clear();
    for (CPlainItem* pItem : m_items) pItem->ReleaseTextItem();
    m_items.clear();
    CPlainItem* pItem = Add(c.text);
    const int nWidth = Width(c.widthOf);
    Format(nWidth, TKTextWrap);
    // Nothing lost or repeated but the blanks that start wrapped lines.
    std::wstring joined;
    for (const std::wstring& line : LineTexts()) joined += line;
    EXPECT_EQ(WithoutBlanks(joined), WithoutBlanks(c.text));
    EXPECT_GT(m_layout.GetLines().size(), 10u);
    for (const TK_MARKUP_TEXT_LINE& line : m_layout.GetLines()) EXPECT_LE(line.cx, nWidth);
    EXPECT_LE(pItem->m_nMeasured, 16 * static_cast<long long>(c.text.size()))
        << m_layout.GetLines().size() << " lines";
  }
}

TEST_F(TextLayoutTest, Ellipses) {
  struct Case {
    const wchar_t* text;
    const wchar_t* fits;  // the text that must fit with the ellipsis
    int nExtra;           // pixels more than that
    int nTrimming;
    Lines expected;
  } cases[] = {
      {L"abcdef", L"ab...", 1, TKTextCharacterEllipsis, {L"ab|..."}},
      {L"abc", L"...", 0, TKTextCharacterEllipsis, {L"|..."}},
      {L"ab cdefgh", L"ab c...", 0, TKTextWordEllipsis, {L"ab|..."}},
      {L"ab cdefgh", L"ab c...", 0, TKTextCharacterEllipsis, {L"ab c|..."}},
  };
  for (const Case& c : cases) {
    m_layout.Clear();
    for (CPlainItem* pItem : m_items) pItem->ReleaseTextItem();
    m_items.clear();
    Add(c.text);
    int nWidth = Width(c.fits) + c.nExtra;
    Format(nWidth, TKTextNoWrap, c.nTrimming);
    EXPECT_EQ(LineTexts(), c.expected) << c.text << " trimmed " << c.nTrimming;
    const TK_MARKUP_TEXT_LINE& line = m_layout.GetLines()[0];
    EXPECT_LE(line.cx, nWidth);
    // The ellipsis stands right after the cut text.
    EXPECT_EQ(line.segments.back().m_x, line.segments.front().m_cx);
  }
}

TEST_F(TextLayoutTest, TrimmingIsOffWhileWrapping) {
  Add(L"abcdef");
  Format(Width(L"ab"), TKTextWrapWithOverflow, TKTextCharacterEllipsis);
  EXPECT_EQ(LineTexts(), Lines({L"abcdef"}));
}

TEST_F(TextLayoutTest, LineFeedsAndCarriageReturns) {
  struct Case {
    const wchar_t* text;
    Lines expected;
  } cases[] = {
      {L"a\r\nb", {L"a", L"b"}}, {L"a\n", {L"a", L""}}, {L"a\n\nb", {L"a", L"", L"b"}},
      {L"\nb", {L"", L"b"}},     {L"a\rb", {L"a\rb"}},  // a lone carriage return is text
  };
  const int nLine = Size(L" ").cy;
  for (int nWrapping : {TKTextNoWrap, TKTextWrap}) {
    for (const Case& c : cases) {
      m_layout.Clear();
      for (CPlainItem* pItem : m_items) pItem->ReleaseTextItem();
      m_items.clear();
      Add(c.text);
      Format(1000, nWrapping);
      EXPECT_EQ(LineTexts(), c.expected) << "wrapping " << nWrapping;
      EXPECT_EQ(m_layout.GetTextHeight(), nLine * static_cast<int>(c.expected.size()));
      for (const TK_MARKUP_TEXT_LINE& line : m_layout.GetLines()) EXPECT_FALSE(line.bWrapped);
    }
  }
}

TEST_F(TextLayoutTest, NoItemsGiveOneEmptyLineOfABlanksHeight) {
  Format(100, TKTextNoWrap);
  ASSERT_EQ(m_layout.GetLines().size(), 1u);
  EXPECT_EQ(m_layout.GetTextWidth(), 0);
  EXPECT_EQ(m_layout.GetTextHeight(), Size(L" ").cy);
  EXPECT_EQ(m_nMade, 1);
}

TEST_F(TextLayoutTest, JustifySpreadsOnlyWrappedLines) {
  Add(L"aa bb cc dd\nee ff");
  int nWidth = Width(L"aa bb cc") + 11;
  Format(nWidth, TKTextWrap, TKTextTrimNone, TKTextAlignJustify);
  const std::vector<TK_MARKUP_TEXT_LINE>& lines = m_layout.GetLines();
  ASSERT_EQ(lines.size(), 3u);
  // The wrapped line reaches the right edge; its first word does not move.
  ASSERT_TRUE(lines[0].bWrapped);
  const CTKMarkupTextSegment& first = lines[0].segments.front();
  const CTKMarkupTextSegment& last = lines[0].segments.back();
  EXPECT_EQ(first.GetRect().left, 0);
  EXPECT_EQ(last.GetRect().right, nWidth);
  // The line ended by the line feed and the last line stay packed left.
  for (size_t i = 1; i < lines.size(); ++i) {
    EXPECT_FALSE(lines[i].bWrapped);
    int x = 0;
    for (const CTKMarkupTextSegment& segment : lines[i].segments) {
      EXPECT_EQ(segment.GetRect().left, x);
      x += segment.m_cx;
    }
  }
}

TEST_F(TextLayoutTest, AlignmentMovesLinesInTheFinalWidth) {
  Add(L"abc");
  const int nText = Width(L"abc");
  struct Case {
    int nAlignment;
    int nLeft;
  } cases[] = {{TKTextAlignLeft, 3},
               {TKTextAlignRight, 3 + (101 - 3 - 4 - nText)},
               {TKTextAlignCenter, 3 + (101 - 3 - 4 - nText) / 2}};
  for (const Case& c : cases) {
    m_layout.Invalidate();
    m_layout.Format(&m_dc, m_items.front(), 1000, TKTextNoWrap, TKTextTrimNone, c.nAlignment);
    m_layout.Arrange(101, RECT{3, 2, 4, 0}, c.nAlignment);
    RECT rc = m_layout.GetLines()[0].segments[0].GetRect();
    EXPECT_EQ(rc.left, c.nLeft) << "alignment " << c.nAlignment;
    EXPECT_EQ(rc.top, 2);
  }
}

TEST_F(TextLayoutTest, FontsOfOneLineShareTheBaseline) {
  Add(L"Big", kLarge);
  Add(L"small");
  Format(1000, TKTextNoWrap);
  TEXTMETRICW large = Metrics(kLarge);
  TEXTMETRICW normal = Metrics(kNormal);
  const TK_MARKUP_TEXT_LINE& line = m_layout.GetLines()[0];
  ASSERT_EQ(line.segments.size(), 2u);
  int nAscent = std::max(large.tmAscent, normal.tmAscent);
  int nDescent = std::max(large.tmDescent, normal.tmDescent);
  EXPECT_EQ(line.cy, nAscent + nDescent);
  EXPECT_EQ(line.nMaxDescent, nDescent);
  for (const CTKMarkupTextSegment& segment : line.segments) {
    RECT rc = segment.GetRect();
    EXPECT_EQ(rc.bottom - segment.m_nDescent, nAscent) << "baseline of each piece";
  }
  EXPECT_EQ(line.segments[1].GetRect().left, Width(L"Big", kLarge));
}

TEST_F(TextLayoutTest, BaselineAlignmentsPlaceSmallTextInATallLine) {
  CPlainItem* pBig = Add(L"B", kLarge);
  CPlainItem* pSmall = Add(L"s");
  TEXTMETRICW large = Metrics(kLarge);
  TEXTMETRICW normal = Metrics(kNormal);
  const int H = large.tmHeight;
  const int D = large.tmDescent;
  const int h = normal.tmHeight;
  const int d = normal.tmDescent;
  struct Case {
    int nAlignment;
    int nTop;
  } cases[] = {
      {TKBaselineTop, 0},
      {TKBaselineTextTop, 0},
      {TKBaselineCenter, H - h + (h - H) / 2},
      {TKBaselineBottom, H - h},
      {TKBaselineBaseline, H - h + d - D},
      {TKBaselineSubscript, H - h + d - D / 2},
      {TKBaselineSuperscript, H - h + D / 2 + h - d - H},
  };
  for (const Case& c : cases) {
    pSmall->m_nBaseline = c.nAlignment;
    Format(1000, TKTextNoWrap);
    ASSERT_EQ(m_layout.GetLines()[0].cy, H);
    EXPECT_EQ(m_layout.GetLines()[0].segments[1].GetRect().top, c.nTop)
        << "alignment " << c.nAlignment;
  }
  EXPECT_GT(pBig->m_nArranged, 0);
}

TEST_F(TextLayoutTest, AWordSplitAcrossItemsWrapsAsOne) {
  Add(L"aa bb");
  Add(L"cc");
  Format(Width(L"aa bbc"), TKTextWrap);
  // "bbcc" has no break inside, so it moves to the next line whole.
  EXPECT_EQ(LineTexts(), Lines({L"aa", L"bb|cc"}));
}

TEST_F(TextLayoutTest, DecorationBars) {
  Add(L"ab  ", kLarge);
  Add(L"cd");
  Format(1000, TKTextNoWrap);
  const TK_MARKUP_TEXT_LINE& line = m_layout.GetLines()[0];
  const CTKMarkupTextSegment& big = line.segments[0];
  RECT rc = big.GetRect();
  RECT bar = CTKMarkupTextLayout::GetDecorationRect(big, line, TKTextDecorationUnderline);
  const int nThickness = std::max(line.nMaxDescent / 3, 1);
  const int nBaseline = rc.bottom - big.m_nDescent;
  // Under the baseline, over the whole piece including its trailing blanks.
  EXPECT_EQ(bar.left, rc.left);
  EXPECT_EQ(bar.right, rc.left + Width(L"ab  ", kLarge));
  EXPECT_EQ(bar.top, nBaseline + nThickness);
  EXPECT_EQ(bar.bottom - bar.top, nThickness);
  EXPECT_GE(nThickness, 1);
  RECT strike = CTKMarkupTextLayout::GetDecorationRect(big, line, TKTextDecorationStrikethrough);
  EXPECT_LT(strike.top, nBaseline);
  EXPECT_GT(strike.top, rc.top);
  RECT none = CTKMarkupTextLayout::GetDecorationRect(big, line, TKTextDecorationNone);
  EXPECT_TRUE(IsRectEmpty(&none));
}

TEST_F(TextLayoutTest, HitTestFindsThePieceUnderThePoint) {
  Add(L"ab");
  Add(L"cd");
  Format(1000, TKTextNoWrap);
  const int nSplit = Width(L"ab");
  const CTKMarkupTextSegment* pLeft = m_layout.HitTest(nSplit - 1, 2);
  const CTKMarkupTextSegment* pRight = m_layout.HitTest(nSplit, 2);
  ASSERT_NE(pLeft, nullptr);
  ASSERT_NE(pRight, nullptr);
  EXPECT_EQ(pLeft->GetItem(), m_items[0]);
  EXPECT_EQ(pRight->GetItem(), m_items[1]);
  EXPECT_EQ(m_layout.HitTest(nSplit + Width(L"cd"), 2), nullptr);
}

TEST_F(TextLayoutTest, TheSameWidthKeepsTheLines) {
  Add(L"abc def");
  m_layout.Format(&m_dc, m_items.front(), 50, TKTextWrap, TKTextTrimNone, TKTextAlignLeft);
  int nPrepared = m_items[0]->m_nPrepared;
  m_layout.Format(&m_dc, m_items.front(), 50, TKTextWrap, TKTextTrimNone, TKTextAlignLeft);
  EXPECT_EQ(m_items[0]->m_nPrepared, nPrepared);
  m_layout.Format(&m_dc, m_items.front(), 51, TKTextWrap, TKTextTrimNone, TKTextAlignLeft);
  EXPECT_GT(m_items[0]->m_nPrepared, nPrepared);
}

TEST_F(TextLayoutTest, SegmentsHoldOneReferenceEachAndMovesAddNone) {
  CPlainItem* pItem = Add(L"ab");
  {
    CTKMarkupTextSegment first(pItem, 0, 1, FALSE);
    CTKMarkupTextSegment copy = first;
    EXPECT_EQ(pItem->RefCount(), 3u);
    CTKMarkupTextSegment moved = std::move(first);
    EXPECT_EQ(pItem->RefCount(), 3u);
    EXPECT_EQ(first.GetItem(), nullptr);
    copy = moved;
    EXPECT_EQ(pItem->RefCount(), 3u);
    copy = std::move(moved);
    EXPECT_EQ(pItem->RefCount(), 2u);
    EXPECT_EQ(copy.GetItem(), pItem);

    // A growing list of segments moves them: one reference each, taken once.
    const int nAddRefs = pItem->m_nAddRefs;
    std::vector<CTKMarkupTextSegment> segments;
    for (int i = 0; i < 100; ++i) segments.emplace_back(pItem, 0, 1, FALSE);
    EXPECT_EQ(pItem->m_nAddRefs - nAddRefs, 100);
    EXPECT_EQ(pItem->RefCount(), 102u);
  }
  EXPECT_EQ(pItem->RefCount(), 1u);
}

TEST_F(TextLayoutTest, TheLinesHoldTheOnlyReferencesLeft) {
  CPlainItem* pItem = Add(L"one two three four five six seven eight nine ten");
  Format(60, TKTextWrap, TKTextTrimNone, TKTextAlignJustify);
  size_t nSegments = 0;
  for (const TK_MARKUP_TEXT_LINE& line : m_layout.GetLines()) nSegments += line.segments.size();
  ASSERT_GT(m_layout.GetLines().size(), 1u);
  EXPECT_EQ(pItem->RefCount(), 1u + nSegments);
  m_layout.Clear();
  EXPECT_EQ(pItem->RefCount(), 1u);
}

}  // namespace
