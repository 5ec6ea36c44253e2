// The Visual Studio 2012 family: flat palettes, own colours for the selected
// tab of a strip that is not active, and tab close buttons that show only on
// the selected or the hot tab.
#include "common/TKResourceImages.h"
#include "tabs/TKTabColorSetVisualStudio.h"
#include "tabs/TKTabManager.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabManagerNavigateButton.h"

namespace {

typedef CTKTabColorSetVisualStudio2012 Set;

/// Where each palette entry goes and its key in the theme text.
struct Entry {
  COLORREF Set::Palette::*pSource;
  CTKPaintManagerColor Set::*pTarget;
  const char* pszKey;
};

}  // namespace

#define TK_TAB_PALETTE_ENTRY(name, key) {&Set::Palette::clr##name, &Set::m_clr##name, key}

// The Visual Studio 2012 family's entries, in the order of the palettes.
static const Entry kEntries[] = {
    {&Set::Palette::clrButton, &Set::m_clrButtonNormal, "Button"},
    TK_TAB_PALETTE_ENTRY(ButtonPressed, "ButtonPressed"),
    TK_TAB_PALETTE_ENTRY(ButtonHighlighted, "ButtonHighlighted"),
    TK_TAB_PALETTE_ENTRY(ButtonHighlightedClose, "ButtonHighlightedClose"),
    TK_TAB_PALETTE_ENTRY(ButtonSelected, "ButtonSelected"),
    TK_TAB_PALETTE_ENTRY(ButtonSelectedPressed, "ButtonSelectedPressed"),
    TK_TAB_PALETTE_ENTRY(ButtonSelectedHighlighted, "ButtonSelectedHighlighted"),
    TK_TAB_PALETTE_ENTRY(ButtonBorderHot, "ButtonBorderHot"),
    TK_TAB_PALETTE_ENTRY(Text, "Text"),
    TK_TAB_PALETTE_ENTRY(TextPressed, "TextPressed"),
    TK_TAB_PALETTE_ENTRY(TextHighlighted, "TextHighlighted"),
    TK_TAB_PALETTE_ENTRY(TextHighlightedClose, "TextHighlightedClose"),
    TK_TAB_PALETTE_ENTRY(TextSelected, "TextSelected"),
    TK_TAB_PALETTE_ENTRY(TextSelectedPressed, "TextSelectedPressed"),
    TK_TAB_PALETTE_ENTRY(TextSelectedHighlighted, "TextSelectedHighlighted"),
    TK_TAB_PALETTE_ENTRY(Glyph, "ActiveFilesGlyph"),
    TK_TAB_PALETTE_ENTRY(GlyphPressed, "ActiveFilesGlyphPressed"),
    TK_TAB_PALETTE_ENTRY(GlyphHighlighted, "ActiveFilesGlyphHighlighted"),
    TK_TAB_PALETTE_ENTRY(StripButtonBack, "ActiveFilesBack"),
    TK_TAB_PALETTE_ENTRY(StripButtonBackPressed, "ActiveFilesBackPressed"),
    TK_TAB_PALETTE_ENTRY(StripButtonBackHighlighted, "ActiveFilesBackHighlighted"),
    TK_TAB_PALETTE_ENTRY(FrameBorder, "FrameBorder"),
    {&Set::Palette::clrFrameBorder, &Set::m_clrSeparatorHighlight, "FrameBorder"},
    TK_TAB_PALETTE_ENTRY(InactiveButtonSelected, "NonActiveButtonSelected"),
    TK_TAB_PALETTE_ENTRY(InactiveButtonSelectedPressed, "NonActiveButtonSelectedPressed"),
    TK_TAB_PALETTE_ENTRY(InactiveButtonSelectedHighlighted, "NonActiveButtonSelectedHighlighted"),
    TK_TAB_PALETTE_ENTRY(InactiveTextSelected, "NonActiveTextSelected"),
    TK_TAB_PALETTE_ENTRY(InactiveTextSelectedPressed, "NonActiveTextSelectedPressed"),
    TK_TAB_PALETTE_ENTRY(InactiveTextSelectedHighlighted, "NonActiveTextSelectedHighlighted"),
};

#undef TK_TAB_PALETTE_ENTRY

const Set::Palette Set::kLight = {
    0xF2EEEE, 0x98610E, 0xEA971C, 0xEFB052, 0xCC7A00, 0x98610E, 0xEA971C, CLR_NONE,
    0x1E1E1E, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x000000,
    0x717171, 0xFFFFFF, 0xCC7A00,
    0xF2EEEE, 0xCC7A00, 0xF5DEC9,
    0xF2EEEE, 0xF2EEEE,
    0xDBCECC, 0xC5B9B7, 0xEDE7E6, 0x706D6D, 0x2D2D2D, 0x717171};

const Set::Palette Set::kDark = {
    0x302D2D, 0x98610E, 0xEA971C, 0xEFB052, 0xCC7A00, 0x98610E, 0xEFB052, CLR_NONE,
    0xF1F1F1, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
    0xF1F1F1, 0xFFFFFF, 0xCC7A00,
    0x302D2D, 0xCC7A00, 0x403E3E,
    0x302D2D, 0x302D2D,
    0x463F3F, 0x1C1B1B, 0x555555, 0x706D6D, 0xF1F1F1, 0xF1F1F1};

void Set::ApplyPalette(const Palette& palette) {
  CTKTabPaintManagerColorSet::RefreshMetrics();
  for (const Entry& entry : kEntries) (this->*entry.pTarget).SetCustomValue(palette.*entry.pSource);
  m_clrHeaderFace.SetStandardSolid(palette.clrHeaderFace);
}

Set::Palette Set::ReadPalette(const Palette& defaults) {
  CTKResourceImages* pImages = TKResourceImages();
  Palette palette = defaults;
  for (const Entry& entry : kEntries)
    palette.*entry.pSource = pImages->GetIniColor("TabManager", entry.pszKey, defaults.*entry.pSource);
  palette.clrHeaderFace = pImages->GetIniColor("TabManager", "HeaderFace", defaults.clrHeaderFace);
  return palette;
}

void Set::SetPushedFromSelected() {
  m_clrPushedButtonFill.SetStandardSolid(m_clrButtonSelected);
  m_clrPushedButtonBorder.SetStandardSolid(m_clrFrameBorder);
}

void Set::RefreshMetrics() {
  ApplyPalette(kLight);
  m_clrPushedButtonFill.m_clrLight.SetCustomValue(0xCC7A00);
  m_clrPushedButtonFill.m_clrDark.SetCustomValue(0xCC7A00);
  m_clrPushedButtonBorder.m_clrLight.SetCustomValue(0xF2EEEE);
  m_clrPushedButtonBorder.m_clrDark.SetCustomValue(0xF2EEEE);
}

void CTKTabColorSetVisualStudio2012Dark::RefreshMetrics() {
  ApplyPalette(kDark);
  SetPushedFromSelected();
}

void CTKTabColorSetVisualStudio2015::RefreshMetrics() {
  Palette defaults = kLight;
  defaults.clrStripButtonBackHighlighted = 0xFFFFFF;
  ApplyPalette(ReadPalette(defaults));
  SetPushedFromSelected();
}

COLORREF Set::GetItemColor(const CTKTabManagerItem* pItem) const {
  if (pItem->IsSelected()) {
    const CTKTabManager* pStrip = pItem->GetManager();
    return pStrip == NULL || pStrip->IsActive() ? COLORREF(m_clrButtonSelected)
                                                : COLORREF(m_clrInactiveButtonSelected);
  }
  if (pItem->IsPressed()) return m_clrButtonPressed;
  if (pItem->IsHighlighted()) return m_clrButtonHighlighted;
  return m_clrButtonNormal;
}

void Set::DrawNavigateButton(CDC* pDC, CTKTabManagerNavigateButton* pButton, CRect rc) {
  const BOOL bPressed = pButton->IsPressed();
  const BOOL bHot = pButton->IsHighlighted();
  COLORREF clrFace, clrGlyph;
  BOOL bOutline = bPressed || bHot;
  if (pButton->IsStripButton()) {
    clrFace = bPressed ? m_clrStripButtonBackPressed
                       : bHot ? m_clrStripButtonBackHighlighted : m_clrStripButtonBack;
    clrGlyph = bPressed ? m_clrGlyphPressed : bHot ? m_clrGlyphHighlighted : m_clrGlyph;
  } else if (pButton->IsItemSelected() && pButton->IsManagerActive()) {
    clrFace = bPressed ? m_clrButtonSelectedPressed
                       : bHot ? m_clrButtonSelectedHighlighted : m_clrButtonSelected;
    clrGlyph = bPressed ? m_clrTextSelectedPressed
                        : bHot ? m_clrTextSelectedHighlighted : m_clrTextSelected;
  } else if (pButton->IsItemSelected()) {
    clrFace = bPressed ? m_clrInactiveButtonSelectedPressed
                       : bHot ? m_clrInactiveButtonSelectedHighlighted : m_clrInactiveButtonSelected;
    clrGlyph = bPressed ? m_clrInactiveTextSelectedPressed
                        : bHot ? m_clrInactiveTextSelectedHighlighted : m_clrInactiveTextSelected;
  } else if (bPressed || bHot) {
    clrFace = bPressed ? m_clrButtonPressed : m_clrButtonHighlightedClose;
    clrGlyph = bPressed ? m_clrTextPressed : m_clrTextHighlightedClose;
  } else if (pButton->IsItemHighlighted()) {
    clrFace = m_clrButtonHighlighted;
    clrGlyph = m_clrTextHighlighted;
  } else {
    // Glyph in the face colour: the close button of an idle tab cannot be seen.
    clrFace = m_clrButtonNormal;
    clrGlyph = m_clrButtonNormal;
  }
  if (clrFace != CLR_NONE) pDC->FillSolidRect(rc, clrFace);
  pButton->Draw(pDC, rc, clrGlyph, pButton->IsEnabled());
  const COLORREF clrOutline = m_clrButtonBorderHot;
  if (bOutline && clrOutline != CLR_NONE) pDC->Draw3dRect(rc, clrOutline, clrOutline);
}
