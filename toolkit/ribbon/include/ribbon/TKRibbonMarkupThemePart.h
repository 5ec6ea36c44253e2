// The ribbon's theme drawings that carry a caption: a group with its caption
// band (text block "CaptionText") and the file button drawn as a coloured
// menu tab (text block "Caption"). The theme sets the caption immediately
// before each rendering; it stays until set again.
#pragma once

#include "themes/TKMarkupThemePart.h"

class CTKRibbonMarkupThemePartGroup : public CTKMarkupThemePart {
 public:
  /// Nothing when the drawing lacks a text block of that name.
  void SetCaption(LPCSTR lpszCaption);
  /// The caption's text colour; the rest of the drawing keeps its own.
  void SetCaptionColor(COLORREF clr);
};

class CTKRibbonMarkupThemePartSystemMenu : public CTKMarkupThemePart {
 public:
  void SetCaption(LPCSTR lpszCaption);
};
