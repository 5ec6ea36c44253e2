// CTKCommandBarsNativeXPTheme: the six visual styles, the colours they give,
// and the faces, texts and marks of controls drawn with them.
#include "themes/TKCommandBarsNativeXPTheme.h"

#include "TKControlDrawState.h"
#include "TKThreadMainWindow.h"
#include "common/TKWinThemeWrapper.h"
#include "themes/TKThemesSystem.h"

namespace {

const LPCWSTR kClassNames[CTKCommandBarsNativeXPTheme::styleCount] = {
    L"REBAR", L"TOOLBAR", L"COMBOBOX", L"WINDOW", L"SPIN", L"MENU"};

// The window style's parts of the MDI buttons, and their command ids.
const int kRestoreButtonId = 9152;
const int kMinimizeButtonId = 9153;

// Colour properties: the text and the rebar band's edges; the flat-menu
// system boolean.
const int kPropTextColor = 3803;
const int kPropEdgeHighlight = 3805;
const int kPropEdgeShadow = 3806;
const int kSysBoolFlatMenus = 1001;

}  // namespace

CTKCommandBarsNativeXPTheme::CTKCommandBarsNativeXPTheme()
    : m_clrBandEdgeLight(0),
      m_clrBandEdgeDark(0),
      m_bFlatMenus(TRUE),
      m_clrHotText(0),
      m_clrPressedText(0) {
  for (auto& pStyle : m_styles) pStyle.reset(new CTKWinThemeWrapper(TRUE));
  m_iconsInfo.bUseFadedIcons = TRUE;
  m_iconsInfo.bIconsWithShadow = FALSE;
  m_nMenuTextColorIndex = COLOR_MENUTEXT;
  m_bStatusTextFromVisualStyle = TRUE;
  m_bThemedCheckMarks = TRUE;
  m_bPopupCheckFrames = TRUE;
  m_bBoldCheckMark = TRUE;
}

CTKCommandBarsNativeXPTheme::~CTKCommandBarsNativeXPTheme() = default;

BOOL CTKCommandBarsNativeXPTheme::IsStyleActive(VisualStyle nStyle) const {
  return m_styles[nStyle]->IsAppThemed();
}

BOOL CTKCommandBarsNativeXPTheme::IsStyleOpen(VisualStyle nStyle) const {
  return m_styles[nStyle]->IsAppThemedAndOpen();
}

BOOL CTKCommandBarsNativeXPTheme::IsVisualStylesOn() const {
  return IsStyleActive(styleRebar) && IsStyleActive(styleToolBar);
}

BOOL CTKCommandBarsNativeXPTheme::DrawStyle(VisualStyle nStyle, CDC* pDC, int nPart, int nState,
                                            const CRect& rc, const CRect* pClip) {
  return SUCCEEDED(m_styles[nStyle]->DrawThemeBackground(pDC->GetSafeHdc(), nPart, nState, &rc,
                                                         pClip));
}

void CTKCommandBarsNativeXPTheme::RefreshMetrics() {
  CTKCommandBarsOffice2000Theme::RefreshMetrics();
  const HWND hWndMain = TKThreadMainWindow();
  for (int i = 0; i < styleCount; ++i) m_styles[i]->OpenThemeData(hWndMain, kClassNames[i]);
  m_bFlatMenus = TKThemesSystem()->IsFlatMenuEnabled();

  CTKWinThemeWrapper* pRebar = m_styles[styleRebar].get();
  m_clrBandEdgeLight = GetIndexedColor(20);
  m_clrBandEdgeDark = GetIndexedColor(16);
  if (pRebar->IsAppThemed()) {
    pRebar->GetThemeColor(3, 0, kPropEdgeHighlight, &m_clrBandEdgeLight);
    pRebar->GetThemeColor(3, 0, kPropEdgeShadow, &m_clrBandEdgeDark);
  }

  CTKWinThemeWrapper* pToolBar = m_styles[styleToolBar].get();
  COLORREF clrText = 0;
  if (SUCCEEDED(pToolBar->GetThemeColor(0, 0, kPropTextColor, &clrText))) {
    const int nIndex = COLOR_BTNTEXT;
    SetIndexedColors(1, &nIndex, &clrText);
  }
  m_clrHotText = GetIndexedColor(COLOR_BTNTEXT);
  m_clrPressedText = GetIndexedColor(COLOR_BTNTEXT);
  pToolBar->GetThemeColor(1, 2, kPropTextColor, &m_clrHotText);
  pToolBar->GetThemeColor(1, 3, kPropTextColor, &m_clrPressedText);

  if (!m_bFlatMenus && pRebar->IsThemeOpen()) m_bFlatMenus = pRebar->GetThemeSysBool(kSysBoolFlatMenus);
  if (!m_bFlatMenus) {
    const int nIndex = COLOR_MENUHILIGHT;
    const COLORREF clr = GetIndexedColor(COLOR_HIGHLIGHT);
    SetIndexedColors(1, &nIndex, &clr);
  }
}

// Faces --------------------------------------------------------------------------------------

namespace {

/// The tool-bar button's state of the face of `DrawRectangle`.
int ToolBarButtonState(BOOL bSelected, BOOL bPressed, BOOL bEnabled, BOOL bChecked,
                       BOOL bPopuped) {
  if (!bEnabled) return bChecked ? 3 : 4;
  if (bChecked == 2) bChecked = FALSE;
  if (bPopuped) return 3;
  if (!bChecked || bPressed) {
    if ((bSelected && bPressed) || bPressed == 2 || bPressed == 3) return 3;
    return bSelected ? 2 : 1;
  }
  return bSelected ? 6 : 5;
}

}  // namespace

void CTKCommandBarsNativeXPTheme::DrawRectangle(CDC* pDC, CRect rc, BOOL bSelected, BOOL bPressed,
                                                BOOL bEnabled, BOOL bChecked, BOOL bPopuped,
                                                int nBarType, int nBarPosition) {
  if (!IsVisualStylesOn()) {
    CTKCommandBarsOffice2000Theme::DrawRectangle(pDC, rc, bSelected, bPressed, bEnabled, bChecked,
                                                 bPopuped, nBarType, nBarPosition);
    return;
  }
  if (nBarType == tkBarTypePopup && !bChecked) {
    if (!bSelected && !bPressed) return;
    if (!DrawStyle(styleMenu, pDC, 14, 2, rc)) FillRectIndexed(pDC, rc, COLOR_HIGHLIGHT, COLOR_MENUHILIGHT);
    return;
  }
  if (bChecked && nBarPosition == tkBarPopup && m_bPopupCheckFrames && IsStyleOpen(styleMenu)) {
    DrawStyle(styleMenu, pDC, 12, bEnabled ? 2 : 1, rc);
    return;
  }
  DrawStyle(styleToolBar, pDC, 1,
            ToolBarButtonState(bSelected, bPressed, bEnabled, bChecked, bPopuped), rc);
}

void CTKCommandBarsNativeXPTheme::DrawSplitButtonFrame(CDC* pDC, CTKControl* pControl, CRect rc) {
  if (!IsVisualStylesOn()) {
    CTKCommandBarsOffice2000Theme::DrawSplitButtonFrame(pDC, pControl, rc);
    return;
  }
  const int nEnabled = pControl->GetEnabled();
  const BOOL bSelected = pControl->GetSelected();
  const BOOL bPopuped = pControl->IsPopupOpen();
  int nState = 1;
  if (nEnabled == 0)
    nState = 4;
  else if (pControl->GetPressed() && bSelected)
    nState = 3;
  else if (pControl->GetChecked())
    nState = 5;
  else if (bPopuped || bSelected)
    nState = 2;
  const int cxDropDown = TKScaleX(12);
  DrawStyle(styleToolBar, pDC, 3, nState, CRect(rc.left, rc.top, rc.right - cxDropDown, rc.bottom));
  const int nDropDownState = nEnabled == 4 ? 4 : bPopuped ? 3 : nState;
  DrawStyle(styleToolBar, pDC, 4, nDropDownState,
            CRect(rc.right - cxDropDown, rc.top, rc.right, rc.bottom));
}

// Texts --------------------------------------------------------------------------------------

COLORREF CTKCommandBarsNativeXPTheme::GetRectangleTextColor(BOOL bSelected, BOOL bPressed,
                                                            BOOL bEnabled, BOOL bChecked,
                                                            BOOL bPopuped, int nBarType,
                                                            int nBarPosition) {
  const BOOL bPopupBar = nBarType == tkBarTypePopup && nBarPosition == tkBarPopup;
  if (bPopupBar && IsStyleActive(styleMenu))
    return GetIndexedColor(bEnabled ? m_nMenuTextColorIndex : COLOR_GRAYTEXT);
  if (IsVisualStylesOn() && nBarType != tkBarTypePopup && nBarPosition != tkBarPopup) {
    if (!bEnabled) return GetIndexedColor(COLOR_GRAYTEXT);
    if (bSelected) return bPressed ? m_clrPressedText : m_clrHotText;
    return GetIndexedColor(COLOR_BTNTEXT);
  }
  return CTKCommandBarsOffice2000Theme::GetRectangleTextColor(bSelected, bPressed, bEnabled,
                                                              bChecked, bPopuped, nBarType,
                                                              nBarPosition);
}

BOOL CTKCommandBarsNativeXPTheme::IsFlatMenuBarPopup(CTKControl* pControl) const {
  CTKCommandBar* pBar = pControl->GetParent();
  return pControl->GetType() == tkControlPopup && pBar != nullptr &&
         pBar->GetType() == tkBarTypeMenuBar && pBar->GetPosition() != tkBarPopup &&
         IsFlatCommandBar(pBar) && IsVisualStylesOn();
}

namespace {

BOOL IsHighlighted(CTKControl* pControl) {
  return pControl->GetSelected() || pControl->GetPressed() || pControl->IsPopupOpen();
}

}  // namespace

void CTKCommandBarsNativeXPTheme::DrawControlEntry(CDC* pDC, CTKControl* pControl) {
  if (!IsFlatMenuBarPopup(pControl)) {
    CTKCommandBarsOffice2000Theme::DrawControlEntry(pDC, pControl);
    return;
  }
  if (IsHighlighted(pControl)) FillRectIndexed(pDC, pControl->GetRect(), -1, COLOR_HIGHLIGHT);
}

COLORREF CTKCommandBarsNativeXPTheme::GetControlTextColor(CTKControl* pControl) {
  if (IsFlatMenuBarPopup(pControl) && IsHighlighted(pControl))
    return GetIndexedColor(COLOR_HIGHLIGHTTEXT);
  return CTKCommandBarsOffice2000Theme::GetControlTextColor(pControl);
}

// Marks and buttons --------------------------------------------------------------------------

void CTKCommandBarsNativeXPTheme::DrawCheckMark(CDC* pDC, CRect rc, BOOL bEnabled, COLORREF clr) {
  if (IsStyleOpen(styleMenu) && DrawStyle(styleMenu, pDC, 11, bEnabled ? 1 : 2, rc)) return;
  CTKPaintManagerBase::DrawCheckMark(pDC, rc, bEnabled, clr);
}

void CTKCommandBarsNativeXPTheme::DrawRadioMark(CDC* pDC, CRect rc, BOOL bEnabled, COLORREF clr) {
  if (IsStyleOpen(styleMenu)) {
    DrawStyle(styleMenu, pDC, 11, bEnabled ? 3 : 4, rc);
    return;
  }
  CTKPaintManagerBase::DrawRadioMark(pDC, rc, bEnabled, clr);
}

void CTKCommandBarsNativeXPTheme::DrawControlMDIButton(CDC* pDC, CTKControl* pControl) {
  if (IsStyleOpen(styleWindow)) {
    const int nId = pControl->GetID();
    const int nPart = nId == kRestoreButtonId ? 22 : nId == kMinimizeButtonId ? 16 : 20;
    const int nState = !pControl->GetEnabled() ? 4 : pControl->GetPressed() ? 3
                       : pControl->GetSelected()                           ? 2
                                                                           : 1;
    if (DrawStyle(styleWindow, pDC, nPart, nState, pControl->GetRect())) return;
  }
  CTKPaintManagerBase::DrawControlMDIButton(pDC, pControl);
}

CSize CTKCommandBarsNativeXPTheme::DrawSpecialControl(CDC* pDC, int nKind, CTKControl* pControl,
                                                      CTKCommandBar* pBar, BOOL bDraw,
                                                      LPVOID lpParam) {
  if ((nKind == 2 || nKind == 3) && IsStyleActive(styleToolBar))
    return CTKPaintManagerBase::DrawSpecialControl(pDC, nKind, pControl, pBar, bDraw, lpParam);
  return CTKCommandBarsOffice2000Theme::DrawSpecialControl(pDC, nKind, pControl, pBar, bDraw,
                                                           lpParam);
}
