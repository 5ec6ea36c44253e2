// CTKMarkupTextLayout: line breaking (hard breaks, word and character
// wrapping), ellipsis trimming, and the placing of the pieces on their lines.
#include "TKMarkupTextLayout.h"

#include "markup/TKMarkupDrawingContext.h"

#include <algorithm>
#include <deque>
#include <vector>

// Segments ------------------------------------------------------------------------------

CTKMarkupTextSegment::CTKMarkupTextSegment(ITKMarkupTextItem* pItem, int nStart, int nEnd,
                                           BOOL bAfterBreak)
    : m_nStart(nStart),
      m_nEnd(nEnd),
      m_x(0),
      m_y(0),
      m_xOffset(0),
      m_yOffset(0),
      m_cx(0),
      m_cy(0),
      m_nDescent(0),
      m_bAfterBreak(bAfterBreak),
      m_item(pItem) {}

RECT CTKMarkupTextSegment::GetRect() const {
  RECT rc = {m_x + m_xOffset, m_y + m_yOffset, 0, 0};
  rc.right = rc.left + m_cx;
  rc.bottom = rc.top + m_cy;
  return rc;
}

// Formatting state ----------------------------------------------------------------------

struct CTKMarkupTextLayout::State {
  CTKMarkupDrawingContext* pDC = nullptr;
  int nWidth = 0;
  int nWrapping = TKTextNoWrap;
  int nTrimming = TKTextTrimNone;
  BOOL bJustify = FALSE;
  int x = 0;
  TK_MARKUP_TEXT_LINE line;
  std::deque<CTKMarkupTextSegment> queue;
  bool bHasCurrent = false;
  CTKMarkupTextSegment current{nullptr, TK_MARKUP_TEXT_END, TK_MARKUP_TEXT_END, FALSE};
  // The width of the line's last segment, or of the queue's first, is a
  // running one, not yet measured as a whole.
  bool bLastRunning = false;
  bool bFrontRunning = false;
  // The item whose font is selected; held so that its address stays its own.
  CTKMarkupTextItemPtr prepared;
};

CTKMarkupTextLayout::CTKMarkupTextLayout(ITKMarkupTextLayoutHost* pHost)
    : m_pHost(pHost), m_nFormattedWidth(-1), m_nTextWidth(0), m_nTextHeight(0), m_pState(nullptr) {}

CTKMarkupTextLayout::~CTKMarkupTextLayout() { Clear(); }

void CTKMarkupTextLayout::Clear() {
  m_lines.clear();
  m_nTextWidth = 0;
  m_nTextHeight = 0;
}

void CTKMarkupTextLayout::Prepare(ITKMarkupTextItem* pItem) {
  if (m_pState->prepared == pItem) return;
  m_pState->prepared.Assign(pItem);
  pItem->PrepareDrawing(m_pState->pDC);
}

void CTKMarkupTextLayout::Measure(CTKMarkupTextSegment& segment) {
  ITKMarkupTextItem* pItem = segment.GetItem();
  Prepare(pItem);
  SIZE size = pItem->MeasureRange(m_pState->pDC, segment.m_nStart, segment.m_nEnd);
  segment.m_cx = size.cx;
  segment.m_cy = size.cy;
  segment.m_nDescent = pItem->GetDescent();
}

int CTKMarkupTextLayout::Extent(ITKMarkupTextItem* pItem, int nStart, int nEnd) {
  Prepare(pItem);
  return pItem->MeasureRange(m_pState->pDC, nStart, nEnd).cx;
}

void CTKMarkupTextLayout::Format(CTKMarkupDrawingContext* pDC, ITKMarkupTextItem* pFirst,
                                 int nWidth, int nWrapping, int nTrimming, int nAlignment) {
  const BOOL bNoCache = pDC->DisablesLayoutCache();
  if (nWidth == m_nFormattedWidth && !bNoCache) return;
  Clear();
  m_nFormattedWidth = nWidth;

  State state;
  state.pDC = pDC;
  state.nWidth = nWidth;
  state.nWrapping = nWrapping;
  state.nTrimming = nWrapping != TKTextNoWrap ? TKTextTrimNone : nTrimming;
  state.bJustify = nWrapping != TKTextNoWrap && nAlignment == TKTextAlignJustify;
  m_pState = &state;

  const bool bWrap = nWrapping != TKTextNoWrap;
  bool bAnyItem = false;
  for (ITKMarkupTextItem* pItem = pFirst; pItem != nullptr; pItem = pItem->GetNextTextItem()) {
    bAnyItem = true;
    Prepare(pItem);
    int p = pItem->GetFirstPosition();
    state.current = CTKMarkupTextSegment(pItem, p, p, FALSE);
    state.bHasCurrent = true;
    while (p != TK_MARKUP_TEXT_END) {
      state.current.m_nEnd = p;
      if (pItem->IsCarriageReturnPosition(p)) {
        // A carriage return before a line feed goes; a lone one is text.
        int nNext = pItem->GetNextPosition(p);
        if (nNext != TK_MARKUP_TEXT_END && pItem->IsLineBreakPosition(nNext)) p = nNext;
      }
      if (bWrap && pItem->IsWordBreakPosition(p)) {
        Measure(state.current);
        Flush();
      }
      if (!pItem->IsLineBreakPosition(p)) {
        p = pItem->GetNextPosition(p);
        continue;
      }
      Measure(state.current);
      Flush();
      if (state.line.segments.empty()) {
        AddEmptyLineSegment();
        Flush();
      }
      EndLine(FALSE);
      p = pItem->GetNextPosition(p);
      state.current = CTKMarkupTextSegment(pItem, p, p, TRUE);
    }
    state.current.m_nEnd = TK_MARKUP_TEXT_END;
    // Queued without a flush, so that a word split across items stays whole.
    if (!state.current.IsEmpty() || state.current.m_bAfterBreak) {
      Measure(state.current);
      state.queue.push_back(state.current);
    }
    state.bHasCurrent = false;
  }
  if (!bAnyItem) AddEmptyLineSegment();
  Flush();
  EndLine(FALSE);
  m_pState = nullptr;
  if (bNoCache) m_nFormattedWidth = -1;
}

void CTKMarkupTextLayout::AddEmptyLineSegment() {
  auto blank = CTKMarkupTextItemPtr::Adopt(m_pHost->CreateTextItem(L" "));
  if (blank == nullptr) return;
  int nFirst = blank->GetFirstPosition();
  CTKMarkupTextSegment segment(blank.Get(), nFirst, nFirst, FALSE);
  Measure(segment);
  m_pState->queue.push_back(std::move(segment));
}

void CTKMarkupTextLayout::Flush() {
  State& state = *m_pState;
  if (state.bHasCurrent && (!state.current.IsEmpty() || state.current.m_bAfterBreak)) {
    state.queue.push_back(state.current);
    int nEnd = state.current.m_nEnd;
    state.current = CTKMarkupTextSegment(state.current.GetItem(), nEnd, nEnd, FALSE);
  }
  if (state.nWrapping != TKTextNoWrap && state.x > 0) {
    int nQueued = 0;
    for (const CTKMarkupTextSegment& segment : state.queue) nQueued += segment.m_cx;
    if (state.x + nQueued > state.nWidth) EndLine(TRUE);
  }
  PlaceQueue();
}

// Widths are kept running: a piece joined to the line's last segment adds its
// own width, and the rest of a split piece keeps what the head did not take.
// Measuring the joined text again at every word would cost the square of the
// line's length. A running width is measured once, exactly, when its segment
// is closed (another segment follows it, or the line ends).
void CTKMarkupTextLayout::PlaceQueue() {
  State& state = *m_pState;
  while (!state.queue.empty()) {
    CTKMarkupTextSegment segment = std::move(state.queue.front());
    state.queue.pop_front();
    bool bRunning = state.bFrontRunning;
    state.bFrontRunning = false;
    ITKMarkupTextItem* pItem = segment.GetItem();
    if (state.x == 0 && m_nTextHeight > 0) {
      bool bDropped = false;
      while (!segment.IsEmpty() && pItem->IsWhiteSpacePosition(segment.m_nStart)) {
        segment.m_nStart = pItem->GetNextPosition(segment.m_nStart);
        bDropped = true;
      }
      if (bDropped) {
        if (segment.IsEmpty()) continue;
        Measure(segment);
        bRunning = false;
      }
    }
    if (state.nWrapping == TKTextWrap && state.x + segment.m_cx > state.nWidth &&
        !segment.IsEmpty()) {
      int cxHead = 0;
      const int nEnd = FindWrapEnd(segment, &cxHead);
      if (nEnd != segment.m_nEnd || state.x + cxHead > state.nWidth) {
        SplitAndPlace(segment, nEnd);
        continue;
      }
      // Only a running width said it would not fit.
      segment.m_cx = cxHead;
      bRunning = false;
    }
    if (!state.bJustify && !state.line.segments.empty()) {
      CTKMarkupTextSegment& last = state.line.segments.back();
      if (last.GetItem() == pItem && last.m_nEnd == segment.m_nStart && !segment.m_bAfterBreak) {
        last.m_nEnd = segment.m_nEnd;
        last.m_cx += segment.m_cx;
        state.x += segment.m_cx;
        state.bLastRunning = true;
        continue;
      }
    }
    AddToLine(segment);
    state.bLastRunning = bRunning;
  }
}

// The head of a piece too wide for the rest of the line ends the line; its
// rest goes back to the front of the queue with a running width.
void CTKMarkupTextLayout::SplitAndPlace(const CTKMarkupTextSegment& segment, int nEnd) {
  State& state = *m_pState;
  ITKMarkupTextItem* pItem = segment.GetItem();
  CTKMarkupTextSegment head(pItem, segment.m_nStart, nEnd, segment.m_bAfterBreak);
  Measure(head);
  AddToLine(head);
  EndLine(TRUE);
  if (nEnd == segment.m_nEnd) return;
  CTKMarkupTextSegment rest(pItem, nEnd, segment.m_nEnd, FALSE);
  rest.m_cx = std::max(0, segment.m_cx - head.m_cx);
  rest.m_cy = segment.m_cy;
  rest.m_nDescent = segment.m_nDescent;
  state.queue.push_front(rest);
  state.bFrontRunning = true;
}

// The end of the longest head of the piece that fits the rest of the line,
// at least one character so that every line makes progress; its width in
// *pcxHead. Widths grow with the head, so the end is found by doubling the
// head while it fits and then by bisection: the positions are walked only as
// far as the line reaches, not to the end of a long word.
int CTKMarkupTextLayout::FindWrapEnd(const CTKMarkupTextSegment& segment, int* pcxHead) {
  State& state = *m_pState;
  ITKMarkupTextItem* pItem = segment.GetItem();
  const int nRoom = state.nWidth - state.x;
  std::vector<int> ends(1, pItem->GetNextPosition(segment.m_nStart));
  // The walk stops at the piece's end, which may be the item's end marker.
  auto reach = [&](size_t nIndex) {
    while (ends.size() <= nIndex && ends.back() != segment.m_nEnd &&
           ends.back() != TK_MARKUP_TEXT_END)
      ends.push_back(pItem->GetNextPosition(ends.back()));
    return std::min(nIndex, ends.size() - 1);
  };
  int nFit = -1;  // index of the longest head known to fit
  int cxFit = 0;
  size_t nOver = static_cast<size_t>(-1);  // index of the shortest head known not to
  for (size_t nTry = 0;; nTry = nTry * 2 + 1) {
    const size_t nIndex = reach(nTry);
    const int cx = Extent(pItem, segment.m_nStart, ends[nIndex]);
    if (cx > nRoom) {
      nOver = nIndex;
      break;
    }
    nFit = static_cast<int>(nIndex);
    cxFit = cx;
    if (nIndex + 1 == ends.size() &&
        (ends.back() == segment.m_nEnd || ends.back() == TK_MARKUP_TEXT_END))
      break;
  }
  size_t nLow = static_cast<size_t>(nFit + 1);
  size_t nHigh = nOver;  // heads in [nLow, nHigh) are untried
  while (nLow < nHigh && nOver != static_cast<size_t>(-1)) {
    const size_t nMiddle = nLow + (nHigh - nLow) / 2;
    const int cx = Extent(pItem, segment.m_nStart, ends[nMiddle]);
    if (cx > nRoom) {
      nHigh = nMiddle;
    } else {
      nFit = static_cast<int>(nMiddle);
      cxFit = cx;
      nLow = nMiddle + 1;
    }
  }
  if (nFit < 0) {
    *pcxHead = Extent(pItem, segment.m_nStart, ends[0]);
    return ends[0];
  }
  *pcxHead = cxFit;
  return ends[static_cast<size_t>(nFit)];
}

// The last segment of the line gets its exact width before another follows
// it or the line ends.
void CTKMarkupTextLayout::CloseLastSegment() {
  State& state = *m_pState;
  if (!state.bLastRunning) return;
  state.bLastRunning = false;
  if (state.line.segments.empty()) return;
  CTKMarkupTextSegment& last = state.line.segments.back();
  const int cxRunning = last.m_cx;
  Measure(last);
  state.x += last.m_cx - cxRunning;
}

void CTKMarkupTextLayout::AddToLine(const CTKMarkupTextSegment& segment) {
  State& state = *m_pState;
  CloseLastSegment();
  state.line.segments.push_back(segment);
  CTKMarkupTextSegment& placed = state.line.segments.back();
  placed.m_x = state.x;
  placed.m_y = m_nTextHeight;
  state.x += placed.m_cx;
}

void CTKMarkupTextLayout::EndLine(BOOL bWrapped) {
  State& state = *m_pState;
  TK_MARKUP_TEXT_LINE& line = state.line;
  CloseLastSegment();
  if (line.segments.empty()) return;
  line.bWrapped = bWrapped;
  if (state.nTrimming != TKTextTrimNone && state.x > state.nWidth) TrimLine(line);
  line.cx = 0;
  line.nMaxDescent = 0;
  for (const CTKMarkupTextSegment& segment : line.segments) {
    line.cx += segment.m_cx;
    line.nMaxDescent = std::max(line.nMaxDescent, segment.m_nDescent);
  }
  line.cy = 0;
  for (const CTKMarkupTextSegment& segment : line.segments)
    line.cy = std::max(line.cy, line.nMaxDescent + segment.m_cy - segment.m_nDescent);
  m_nTextWidth = std::max(m_nTextWidth, line.cx);
  state.x = 0;
  m_nTextHeight += line.cy;
  m_lines.push_back(std::move(line));
  line = TK_MARKUP_TEXT_LINE();
}

void CTKMarkupTextLayout::TrimLine(TK_MARKUP_TEXT_LINE& line) {
  State& state = *m_pState;
  auto dots = CTKMarkupTextItemPtr::Adopt(m_pHost->CreateTextItem(L"..."));
  if (dots == nullptr) return;
  CTKMarkupTextSegment ellipsis(dots.Get(), dots->GetFirstPosition(), TK_MARKUP_TEXT_END, FALSE);
  Measure(ellipsis);
  const int nLimit = state.nWidth - ellipsis.m_cx;

  size_t i = 0;
  while (i < line.segments.size() && line.segments[i].m_x + line.segments[i].m_cx <= nLimit) ++i;
  if (i == line.segments.size()) return;  // cannot happen: the line is too wide
  CTKMarkupTextSegment& segment = line.segments[i];
  ITKMarkupTextItem* pItem = segment.GetItem();
  const int x0 = segment.m_x;
  const int kNone = -2;
  int nEnd = segment.m_nStart;
  int nWordEnd = x0 > 0 ? segment.m_nStart : kNone;
  while (nEnd != segment.m_nEnd) {
    int nLonger = pItem->GetNextPosition(nEnd);
    if (x0 + Extent(pItem, segment.m_nStart, nLonger) > nLimit) break;
    nEnd = nLonger;
    if (nEnd != TK_MARKUP_TEXT_END && pItem->IsWordBreakPosition(nEnd)) nWordEnd = nEnd;
  }
  if (state.nTrimming == TKTextWordEllipsis && nWordEnd != kNone) nEnd = nWordEnd;
  segment.m_nEnd = nEnd;
  Measure(segment);
  ellipsis.m_x = x0 + segment.m_cx;
  ellipsis.m_y = m_nTextHeight;
  line.segments.erase(line.segments.begin() + static_cast<ptrdiff_t>(i) + 1, line.segments.end());
  line.segments.push_back(std::move(ellipsis));
}

// Arranging -----------------------------------------------------------------------------

namespace {

// How far a piece moves down from the bottom of its line by its baseline
// alignment: d, h its descent and height, D, H the line's.
int BaselineShift(int nAlignment, int d, int h, int D, int H) {
  switch (nAlignment) {
    case TKBaselineTop:
    case TKBaselineTextTop:
      return h - H;
    case TKBaselineCenter:
      return (h - H) / 2;
    case TKBaselineBottom:
    case TKBaselineTextBottom:
      return 0;
    case TKBaselineSubscript:
      return d - D / 2;
    case TKBaselineSuperscript:
      return D / 2 + h - d - H;
    default:
      return d - D;
  }
}

}  // namespace

void CTKMarkupTextLayout::Arrange(int nFinalWidth, const RECT& rcPadding, int nAlignment) {
  for (TK_MARKUP_TEXT_LINE& line : m_lines) {
    int nFree = nFinalWidth - rcPadding.left - rcPadding.right - line.cx;
    int xLine = 0;
    if (nAlignment == TKTextAlignRight)
      xLine = nFree;
    else if (nAlignment == TKTextAlignCenter)
      xLine = nFree / 2;
    int nGaps = 0;
    if (nAlignment == TKTextAlignJustify && line.bWrapped && nFinalWidth - line.cx > 0 &&
        !line.segments.empty()) {
      for (const CTKMarkupTextSegment& segment : line.segments) {
        if (!segment.m_bAfterBreak) ++nGaps;
      }
      --nGaps;
    }
    bool bFirstWord = true;
    for (CTKMarkupTextSegment& segment : line.segments) {
      segment.m_xOffset = rcPadding.left + xLine;
      segment.m_yOffset = rcPadding.top + line.cy - segment.m_cy;
      if (nGaps > 0 && !segment.m_bAfterBreak) {
        if (bFirstWord) {
          bFirstWord = false;
        } else if (nFree > 0) {
          int nExtra = std::max(1, nFree / nGaps);
          segment.m_xOffset += nExtra;
          --nGaps;
          xLine += nExtra;
          nFree -= nExtra;
        }
      }
      ITKMarkupTextItem* pItem = segment.GetItem();
      segment.m_yOffset += BaselineShift(pItem->GetBaselineAlignment(), segment.m_nDescent,
                                         segment.m_cy, line.nMaxDescent, line.cy);
      pItem->ArrangeRange(segment.GetRect(), segment.m_nStart, segment.m_nEnd);
    }
  }
}

const CTKMarkupTextSegment* CTKMarkupTextLayout::HitTest(int x, int y) const {
  POINT pt = {x, y};
  for (const TK_MARKUP_TEXT_LINE& line : m_lines) {
    for (const CTKMarkupTextSegment& segment : line.segments) {
      RECT rc = segment.GetRect();
      if (PtInRect(&rc, pt)) return &segment;
    }
  }
  return nullptr;
}

RECT CTKMarkupTextLayout::GetDecorationRect(const CTKMarkupTextSegment& segment,
                                            const TK_MARKUP_TEXT_LINE& line, int nDecoration) {
  RECT rc = segment.GetRect();
  const int d = segment.m_nDescent;
  const int D = line.nMaxDescent;
  const int nThickness = std::max(D / 3, 1);
  int y;
  if (nDecoration == TKTextDecorationUnderline)
    y = rc.bottom - d + nThickness;
  else if (nDecoration == TKTextDecorationStrikethrough)
    y = rc.bottom - d + D - (line.cy - D) / 2;
  else
    return RECT{0, 0, 0, 0};
  return RECT{rc.left, y, rc.right, y + nThickness};
}
