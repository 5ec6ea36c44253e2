// CTKMarkupTextElement: the base of the inline text elements, owner of the
// font and colour properties that text inherits from any ancestor.
#pragma once

#include "TKMarkupFrameworkContentElement.h"

class CTKMarkupBrush;

/// The text-element properties are attached (any element may carry
/// TextElement.FontSize) and inherited; none has a default, so unset values
/// fall back to the markup context's default font and text colour.
class CTKMarkupTextElement : public CTKMarkupFrameworkContentElement {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  // Typed accessors of the effective values.

  /// -12 when unset.
  int GetFontSize();
  void SetFontSize(int nSize);
  /// 400 when unset.
  int GetFontWeight();
  void SetFontWeight(int nWeight);
  /// 0 (Normal) when unset.
  int GetFontStyle();
  void SetFontStyle(int nStyle);
  /// 0 (none) when unset.
  int GetTextDecorations();
  void SetTextDecorations(int nDecorations);
  /// Null when unset.
  LPCWSTR GetFontFamily();
  void SetFontFamily(LPCWSTR lpszFamily);
  /// Null when unset (no reference).
  CTKMarkupBrush* GetBackground();
  /// Takes over the caller's reference.
  void SetBackground(CTKMarkupBrush* pBrush);
  CTKMarkupBrush* GetForeground();
  void SetForeground(CTKMarkupBrush* pBrush);

  static CTKMarkupDependencyProperty* BackgroundProperty;
  static CTKMarkupDependencyProperty* ForegroundProperty;
  static CTKMarkupDependencyProperty* FontSizeProperty;
  static CTKMarkupDependencyProperty* FontWeightProperty;
  static CTKMarkupDependencyProperty* FontFamilyProperty;
  static CTKMarkupDependencyProperty* FontStyleProperty;
  static CTKMarkupDependencyProperty* TextDecorationsProperty;
  static CTKMarkupDependencyProperty* FontQualityProperty;
  static CTKMarkupDependencyProperty* FontCharsetProperty;

  static void RegisterMarkupProperties();

  /// The integer of an enumeration or integer value, or `nDefault` for none.
  static int IntOf(CTKMarkupObject* pValue, int nDefault);

 protected:
  VARIANT DispGetTag();
  void DispSetTag(const VARIANT& value);
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
  LPDISPATCH DispGetBackground();
  void DispSetBackground(LPDISPATCH pValue);
  LPDISPATCH DispGetForeground();
  void DispSetForeground(LPDISPATCH pValue);
  DECLARE_DISPATCH_MAP()
};
