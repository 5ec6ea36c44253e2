// The ribbon's captioned theme drawings.
#include "ribbon/TKRibbonMarkupThemePart.h"

#include "markup/TKMarkupNamedElements.h"

void CTKRibbonMarkupThemePartGroup::SetCaption(LPCSTR lpszCaption) {
  SetMarkupNamedText(GetElement(), "CaptionText", lpszCaption);
}

void CTKRibbonMarkupThemePartGroup::SetCaptionColor(COLORREF clr) {
  SetMarkupNamedForeground(GetElement(), "CaptionText", clr);
}

void CTKRibbonMarkupThemePartSystemMenu::SetCaption(LPCSTR lpszCaption) {
  SetMarkupNamedText(GetElement(), "Caption", lpszCaption);
}
