// CTKMarkupTextLayout: breaks a chain of text items (the inlines of a text
// block) into lines for a width, trims overlong lines with an ellipsis, and
// places the pieces: alignment, justification and a shared baseline.
#pragma once

#include "afxwin.h"

#include "common/TKRefPtr.h"

#include <vector>

class CTKMarkupDrawingContext;

/// The position value that ends every item's positions.
#define TK_MARKUP_TEXT_END (-1)

// Text wrapping, trimming and alignment values (the enumerations of the text
// block's properties) and the baseline alignments of items.
enum { TKTextNoWrap = 0, TKTextWrap = 1, TKTextWrapWithOverflow = 2 };
enum { TKTextTrimNone = 0, TKTextCharacterEllipsis = 1, TKTextWordEllipsis = 2 };
enum { TKTextAlignLeft = 0, TKTextAlignRight = 1, TKTextAlignCenter = 2, TKTextAlignJustify = 3 };
enum {
  TKBaselineTop = 0,
  TKBaselineCenter = 1,
  TKBaselineBottom = 2,
  TKBaselineBaseline = 3,
  TKBaselineTextTop = 4,
  TKBaselineTextBottom = 5,
  TKBaselineSubscript = 6,
  TKBaselineSuperscript = 7
};
enum { TKTextDecorationNone = 0, TKTextDecorationUnderline = 1, TKTextDecorationStrikethrough = 2 };

/// What the layout asks of one piece of text. Positions are the item's own
/// opaque values: GetFirstPosition and GetNextPosition walk them and answer
/// TK_MARKUP_TEXT_END after the last; a range [start, end) may end at
/// TK_MARKUP_TEXT_END. Items are reference counted; the layout keeps one
/// reference per placed piece.
class ITKMarkupTextItem {
 public:
  virtual DWORD AddRefTextItem() = 0;
  virtual DWORD ReleaseTextItem() = 0;
  virtual int GetFirstPosition() = 0;
  virtual int GetNextPosition(int nPosition) = 0;
  /// A line may break before the position (blank, tab, line feed; both
  /// positions of an embedded element).
  virtual BOOL IsWordBreakPosition(int nPosition) = 0;
  virtual BOOL IsLineBreakPosition(int nPosition) = 0;
  virtual BOOL IsCarriageReturnPosition(int nPosition) = 0;
  /// Blank or tab: dropped at the start of a wrapped line.
  virtual BOOL IsWhiteSpacePosition(int nPosition) = 0;
  /// Selects what measuring and drawing the item need (its font).
  virtual void PrepareDrawing(CTKMarkupDrawingContext* pDC) = 0;
  /// The size of a range in the prepared font; an empty range is 0 wide and
  /// as high as a blank.
  virtual SIZE MeasureRange(CTKMarkupDrawingContext* pDC, int nStart, int nEnd) = 0;
  /// How far the item's text reaches below its baseline (0 for no text).
  virtual int GetDescent() = 0;
  virtual int GetBaselineAlignment() = 0;
  /// Tells the item where a range of it was placed (embedded elements move there).
  virtual void ArrangeRange(const RECT& rc, int nStart, int nEnd) = 0;
  /// The item whose text follows this one's, or null at the end.
  virtual ITKMarkupTextItem* GetNextTextItem() = 0;
};

/// The owner of a layout makes the ellipsis and the carrier of empty lines:
/// a new item of the text (one reference for the caller) in the owner's own
/// font, never part of the owner's content.
class ITKMarkupTextLayoutHost {
 public:
  virtual ITKMarkupTextItem* CreateTextItem(LPCWSTR lpszText) = 0;
};

/// Text items are counted through AddRefTextItem/ReleaseTextItem.
struct CTKMarkupTextItemRefTraits {
  static void AddRef(ITKMarkupTextItem* p) { p->AddRefTextItem(); }
  static void Release(ITKMarkupTextItem* p) { p->ReleaseTextItem(); }
};
using CTKMarkupTextItemPtr = CTKRefPtr<ITKMarkupTextItem, CTKMarkupTextItemRefTraits>;

/// One piece of one item placed on one line. Holds a reference on its item;
/// a copy adds one, a move hands it over.
class CTKMarkupTextSegment {
 public:
  CTKMarkupTextSegment(ITKMarkupTextItem* pItem, int nStart, int nEnd, BOOL bAfterBreak);

  ITKMarkupTextItem* GetItem() const { return m_item.Get(); }
  BOOL IsEmpty() const { return m_nStart == m_nEnd; }
  /// Where it is drawn, relative to the text block: position plus offsets.
  RECT GetRect() const;

  int m_nStart;
  int m_nEnd;  // exclusive
  int m_x;     // from the start of the line
  int m_y;     // the top of its line
  int m_xOffset;
  int m_yOffset;
  int m_cx;
  int m_cy;
  int m_nDescent;
  BOOL m_bAfterBreak;  // begins right after a hard line break

 private:
  CTKMarkupTextItemPtr m_item;
};

/// One line: its pieces and its extent.
struct TK_MARKUP_TEXT_LINE {
  std::vector<CTKMarkupTextSegment> segments;
  int cx = 0;
  int cy = 0;
  int nMaxDescent = 0;
  BOOL bWrapped = FALSE;  // ended by wrapping: the only lines justified
};

/// The lines of one text. Used on the thread of its text block.
class CTKMarkupTextLayout {
 public:
  explicit CTKMarkupTextLayout(ITKMarkupTextLayoutHost* pHost);
  ~CTKMarkupTextLayout();
  CTKMarkupTextLayout(const CTKMarkupTextLayout&) = delete;
  CTKMarkupTextLayout& operator=(const CTKMarkupTextLayout&) = delete;

  /// Breaks the items from `pFirst` into lines for `nWidth`. Nothing happens
  /// when the width is the one of the last formatting (unless the drawing
  /// context disables layout caches or Invalidate was called). With
  /// wrapping, trimming is off and justification follows the alignment;
  /// without, trimming applies and nothing is justified.
  void Format(CTKMarkupDrawingContext* pDC, ITKMarkupTextItem* pFirst, int nWidth, int nWrapping,
              int nTrimming, int nAlignment);
  /// The next Format works from scratch.
  void Invalidate() { m_nFormattedWidth = -1; }
  /// Places every segment in a final width: horizontal alignment (and
  /// justification of wrapped lines), the padding, and the vertical place by
  /// each item's baseline alignment; each item learns where its ranges went.
  void Arrange(int nFinalWidth, const RECT& rcPadding, int nAlignment);
  /// Frees every line (and the references of their segments).
  void Clear();

  int GetTextWidth() const { return m_nTextWidth; }
  int GetTextHeight() const { return m_nTextHeight; }
  int GetFormattedWidth() const { return m_nFormattedWidth; }
  const std::vector<TK_MARKUP_TEXT_LINE>& GetLines() const { return m_lines; }
  /// The first segment whose rectangle holds the point, or null.
  const CTKMarkupTextSegment* HitTest(int x, int y) const;

  /// The bar of an underline or strike-through of a segment of a line; an
  /// empty rectangle for no decoration.
  static RECT GetDecorationRect(const CTKMarkupTextSegment& segment,
                                const TK_MARKUP_TEXT_LINE& line, int nDecoration);

 private:
  ITKMarkupTextLayoutHost* m_pHost;
  std::vector<TK_MARKUP_TEXT_LINE> m_lines;
  int m_nFormattedWidth;
  int m_nTextWidth;
  int m_nTextHeight;

  // Formatting state.
  struct State;
  State* m_pState;

  void Flush();
  void PlaceQueue();
  void SplitAndPlace(const CTKMarkupTextSegment& segment, int nEnd);
  int FindWrapEnd(const CTKMarkupTextSegment& segment, int* pcxHead);
  void CloseLastSegment();
  void AddToLine(const CTKMarkupTextSegment& segment);
  void EndLine(BOOL bWrapped);
  void TrimLine(TK_MARKUP_TEXT_LINE& line);
  void Measure(CTKMarkupTextSegment& segment);
  int Extent(ITKMarkupTextItem* pItem, int nStart, int nEnd);
  void Prepare(ITKMarkupTextItem* pItem);
  void AddEmptyLineSegment();
};
