// CTKMarkupTextBlock: the element that shows text: a collection of inlines
// broken into lines, trimmed, aligned and drawn with their backgrounds and
// decorations.
#pragma once

#include "markup/TKMarkupFrameworkElement.h"
#include "TKMarkupTextLayout.h"

class CTKMarkupBrush;
class CTKMarkupInline;
class CTKMarkupInlineCollection;
class CTKMarkupString;
class CTKMarkupThickness;

/// Its one logical child is its inline collection; markup content goes
/// there. Lines are formatted again only when the width changes or a
/// property that affects measure changed.
class CTKMarkupTextBlock : public CTKMarkupFrameworkElement, public ITKMarkupTextLayoutHost {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupTextBlock();
  ~CTKMarkupTextBlock() override;

  CTKMarkupInlineCollection* GetInlines() const { return m_pInlines; }
  const CTKMarkupTextLayout& GetLayout() const { return m_layout; }

  // Typed accessors.

  /// NoWrap 0, Wrap 1, WrapWithOverflow 2.
  int GetTextWrapping();
  void SetTextWrapping(int nWrapping);
  /// None 0, CharacterEllipsis 1, WordEllipsis 2.
  int GetTextTrimming();
  void SetTextTrimming(int nTrimming);
  /// Left 0, Right 1, Center 2, Justify 3.
  int GetTextAlignment();
  void SetTextAlignment(int nAlignment);
  /// Never null: the shared zero thickness when unset (no reference).
  CTKMarkupThickness* GetPadding();
  /// Replaces every inline by one Run of the text.
  void SetText(LPCWSTR lpszText);
  /// The text of the only inline when it is a Run, else "".
  CString GetText();
  CTKMarkupBrush* GetBackground();
  CTKMarkupBrush* GetForeground();

  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;
  void OnRender(CTKMarkupDrawingContext* pDC) override;
  CTKMarkupInputElement* InputHitTestOverride(int x, int y) override;
  /// Forgets the formatted width, then measures again.
  void UpdateMeasure(CTKMarkupDrawingContext* pDC) override;
  void OnPropertyChanged(CTKMarkupDependencyProperty* pProperty, CTKMarkupObject* pOldValue,
                         CTKMarkupObject* pNewValue) override;

  int GetLogicalChildrenCount() override { return 1; }
  CTKMarkupObject* GetLogicalChild(int nIndex) override;
  void SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) override;
  BOOL HasContentObject() override;
  BOOL AllowWhiteSpaceContent() override { return TRUE; }

  /// A Run of the text whose parent is the block (so it takes the block's
  /// font) but which is not among its inlines: ellipses and empty lines.
  ITKMarkupTextItem* CreateTextItem(LPCWSTR lpszText) override;

  static CTKMarkupDependencyProperty* TextWrappingProperty;
  static CTKMarkupDependencyProperty* TextTrimmingProperty;
  static CTKMarkupDependencyProperty* TextAlignmentProperty;
  static CTKMarkupDependencyProperty* PaddingProperty;
  static CTKMarkupDependencyProperty* TextProperty;
  static void RegisterMarkupProperties();

 protected:
  long DispGetTextWrapping();
  void DispSetTextWrapping(long nWrap);
  long DispGetTextTrimming();
  void DispSetTextTrimming(long nValue);
  long DispGetTextAlignment();
  void DispSetTextAlignment(long nValue);
  long DispGetTextDecorations();
  void DispSetTextDecorations(long nValue);
  long DispGetFontSize();
  void DispSetFontSize(long nValue);
  long DispGetFontWeight();
  void DispSetFontWeight(long nValue);
  BSTR DispGetFontFamily();
  void DispSetFontFamily(LPCTSTR lpszFamily);
  long DispGetFontStyle();
  void DispSetFontStyle(long nValue);
  LPDISPATCH DispGetPadding();
  void DispSetPadding(LPDISPATCH pValue);
  long DispGetFontQuality();
  void DispSetFontQuality(long nValue);
  LPDISPATCH DispGetBackground();
  void DispSetBackground(LPDISPATCH pValue);
  LPDISPATCH DispGetForeground();
  void DispSetForeground(LPDISPATCH pValue);
  VARIANT DispGetText();
  void DispSetText(const VARIANT& value);
  LPDISPATCH DispGetInlines();
  DECLARE_DISPATCH_MAP()

 private:
  CTKMarkupInlineCollection* m_pInlines;
  CTKMarkupTextLayout m_layout;

  void RenderDecorations(CTKMarkupDrawingContext* pDC, CTKMarkupInline* pInline,
                         const CTKMarkupTextSegment& segment, const TK_MARKUP_TEXT_LINE& line,
                         CTKMarkupBrush* pDefault);
};
