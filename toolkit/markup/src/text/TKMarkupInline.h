// CTKMarkupInline: the base of the pieces of a text block's text (runs,
// spans, line breaks, embedded elements), and CTKMarkupInlineCollection, the
// ordered inlines of a text block or a span.
#pragma once

#include "TKMarkupCollection.h"
#include "TKMarkupTextElement.h"
#include "TKMarkupTextLayout.h"

class CTKMarkupFont;
class CTKMarkupInlineCollection;

/// The text layout reaches inlines through ITKMarkupTextItem. The base has no
/// positions, so it contributes no text; runs and containers override the
/// operations. Positions are TK_MARKUP_TEXT_END-terminated.
class CTKMarkupInline : public CTKMarkupTextElement, public ITKMarkupTextItem {
  DECLARE_MARKUP_TYPE()

 public:
  CTKMarkupInline();

  /// Top 0, Center 1, Bottom 2, Baseline 3, TextTop 4, TextBottom 5,
  /// Subscript 6, Superscript 7; Baseline when unset.
  int GetBaselineAlignment() override;
  void SetBaselineAlignment(int nAlignment);

  /// The place in its collection, kept right as inlines come and go; -1
  /// outside a collection.
  int GetIndex() const { return m_nIndex; }
  void SetIndex(int nIndex) { m_nIndex = nIndex; }
  /// The collection that holds the inline, or null.
  CTKMarkupInlineCollection* GetCollection() const;

  /// Where the layout of this inline starts: itself; a span: its first
  /// child's first inline (itself when empty).
  virtual CTKMarkupInline* GetFirstInline() { return this; }
  /// The leaf inline that follows this one in reading order: the next item
  /// of its collection (descended to its first inline), past the end of a
  /// span's collection the span's next; null at the end of the text block.
  CTKMarkupInline* GetNextInline();
  /// The font in use; none here.
  virtual CTKMarkupFont* GetFont() { return nullptr; }
  /// Draws a range into its rectangle; nothing here.
  virtual void RenderRange(CTKMarkupDrawingContext* pDC, const RECT& rc, int nStart, int nEnd);

  // ITKMarkupTextItem, with the base behaviour (no text).
  DWORD AddRefTextItem() override { return AddRef(); }
  DWORD ReleaseTextItem() override { return Release(); }
  int GetFirstPosition() override { return TK_MARKUP_TEXT_END; }
  int GetNextPosition(int) override { return TK_MARKUP_TEXT_END; }
  BOOL IsWordBreakPosition(int) override { return FALSE; }
  BOOL IsLineBreakPosition(int) override { return FALSE; }
  BOOL IsCarriageReturnPosition(int) override { return FALSE; }
  BOOL IsWhiteSpacePosition(int) override { return FALSE; }
  void PrepareDrawing(CTKMarkupDrawingContext*) override {}
  SIZE MeasureRange(CTKMarkupDrawingContext*, int, int) override { return SIZE{0, 0}; }
  int GetDescent() override { return 0; }
  void ArrangeRange(const RECT&, int, int) override {}
  ITKMarkupTextItem* GetNextTextItem() override { return GetNextInline(); }

  static CTKMarkupDependencyProperty* BaselineAlignmentProperty;
  static void RegisterMarkupProperties();

 protected:
  long DispGetBaselineAlignment();
  void DispSetBaselineAlignment(long nAlignment);
  DECLARE_DISPATCH_MAP()

 private:
  int m_nIndex;
};

/// The inlines of a text block or span (its parent). Builder content: text
/// becomes a Run, a UI element an InlineUIContainer, an inline goes in as it
/// is; anything else is an error.
class CTKMarkupInlineCollection : public CTKMarkupCollection {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupInlineCollection();

  CTKMarkupInline* GetInline(int nIndex) const {
    return static_cast<CTKMarkupInline*>(GetItem(nIndex));
  }
  /// The first leaf inline of the first item, or null when empty.
  CTKMarkupInline* GetFirstInline() const;

  void SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) override;
  BOOL AllowWhiteSpaceContent() override { return TRUE; }

 protected:
  /// Every insertion, removal and clearing renumbers the inlines, so that
  /// each one's index is its place (the walk of GetNextInline relies on it).
  void OnChanged() override;
};
