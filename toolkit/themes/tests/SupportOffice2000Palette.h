// Colours of their own in the indexed slots the Office 2000 theme draws with,
// so that a pixel tells which slot painted it.
#pragma once

#include "themes/TKCommandBarsOffice2000Theme.h"

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kWindow = RGB(240, 250, 230);        // 5
const COLORREF kHighlight = RGB(10, 20, 200);       // 13
const COLORREF kHighlightText = RGB(250, 250, 1);   // 14
const COLORREF kFace = RGB(192, 192, 192);          // 15
const COLORREF kShadow = RGB(128, 128, 128);        // 16
const COLORREF kGrayText = RGB(100, 101, 102);      // 17
const COLORREF kButtonText = RGB(3, 2, 1);          // 18
const COLORREF kLightEdge = RGB(254, 253, 252);     // 20
const COLORREF kMenuText = RGB(77, 0, 77);          // 40, the test's menu text

/// Puts the colours above in their slots and makes slot 40 the menu text.
inline void SetOffice2000TestPalette(CTKCommandBarsOffice2000Theme* pTheme) {
  const int arrIndexes[] = {5, 13, 14, 15, 16, 17, 18, 20, 40};
  const COLORREF arrColors[] = {kWindow,   kHighlight,  kHighlightText, kFace,    kShadow,
                                kGrayText, kButtonText, kLightEdge,     kMenuText};
  pTheme->SetIndexedColors(9, arrIndexes, arrColors);
  pTheme->m_nMenuTextColorIndex = 40;
}
