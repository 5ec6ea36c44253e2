// CTKRibbonTheme: construction, the colours of the theme text, faces and
// texts by state, split buttons, and the image helpers.
#include "themes/TKRibbonTheme.h"

#include "TKControlDrawState.h"
#include "commandbars/TKControl.h"
#include "common/TKOSVersionHelper.h"
#include "common/TKResourceImage.h"
#include "common/TKResourceImages.h"
#include "common/TKScopedHandle.h"
#include "themes/TKRibbonOffice2007FrameTheme.h"
#include "themes/TKRibbonServices.h"

namespace {

const COLORREF kNone = static_cast<COLORREF>(-1);
const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kGrey = RGB(141, 141, 141);

}  // namespace

CTKRibbonTheme::CTKRibbonTheme()
    : m_clrEditBack(kNone),
      m_clrEditBackSelected(RGB(255, 255, 255)),
      m_clrEditDisabledBorder(kNone),
      m_clrRibbonText(kNone),
      m_clrRibbonGrayText(kGrey),
      m_clrPopupSeparator(RGB(197, 197, 197)),
      m_clrPopupBandShadow(RGB(197, 197, 197)),
      m_bNoGroupSpacing(FALSE) {
  // The frame is made at once so that the status bar can be drawn into it.
  EnsureFramePaintManager()->m_bStatusBarPanes = TRUE;
  m_bClearTypeFonts = TRUE;
  m_nSplitArrowWidth = TKScaleX(12);
  m_nPopupSplitArrowWidth = TKScaleX(26);
  m_strFontFace = "Segoe UI";
  m_bFontFaceMatched = TRUE;
  m_bIndentPopupLabels = FALSE;
  m_pShadowManager->SetOptions(1);
}

void CTKRibbonTheme::RefreshMetrics() {
  CTKResourceTheme::RefreshMetrics();
  if (!IsIniLoaded()) return;
  CTKResourceImages* p = m_pImages;
  m_clrEditBack = p->GetIniColor("Ribbon", "ControlEditNormal", kNone);
  m_clrEditBackSelected = p->GetIniColor("Ribbon", "ControlEditSelected", RGB(255, 255, 255));
  m_clrEditDisabledBorder =
      p->GetIniColor("Toolbar", "ControlEditDisabledBorder", GetIndexedColor(53));
  m_clrRibbonText = p->GetIniColor("Ribbon", "RibbonText", kNone);
  m_clrRibbonGrayText = p->GetIniColor("Ribbon", "RibbonGrayText", kGrey);
  m_clrPopupSeparator = p->GetIniColor("Ribbon", "MenuPopupSeparator", RGB(197, 197, 197));
  m_clrPopupBandShadow = p->GetIniColor("Ribbon", "MenuPopupGripperShadow", RGB(197, 197, 197));
  m_bNoGroupSpacing = p->GetIniInt("Ribbon", "GroupSpacing", -1) == 0;

  const int arrIndexes[] = {46, 60, 44, 35, 45, 43, 41};
  const COLORREF arrColors[] = {p->GetIniColor("Ribbon", "GroupClientText", kNone),
                                kGrey,
                                p->GetIniColor("Ribbon", "MenuPopupText", kNone),
                                RGB(167, 167, 167),
                                p->GetIniColor("Ribbon", "ControlHighlightText", kNone),
                                RGB(134, 134, 134),
                                RGB(250, 250, 250)};
  SetIndexedColors(7, arrIndexes, arrColors);
  m_grcPopupBand.SetStandardSolid(p->GetIniColor("Ribbon", "MenuPopupGripper", kNone));
  m_grcExpandedPopupBand.SetStandardValue(
      p->GetIniColor("Ribbon", "MenuPopupExpandedGripperLight", kNone),
      p->GetIniColor("Ribbon", "MenuPopupExpandedGripperDark", kNone));
  m_pShadowManager->SetShadowColor(0);
  m_grcPopupExpandImage.SetStandardSolid(RGB(233, 238, 238));

  // Without group spacing the frame rounds its bottom corners instead of
  // carrying the status bar's panes on to its edges.
  CTKRibbonOffice2007FrameTheme* pFrame = EnsureFramePaintManager();
  pFrame->m_bStatusBarPanes = !m_bNoGroupSpacing;
  pFrame->m_bRoundedBottom = m_bNoGroupSpacing;
  RebuildPopupExpandImage();
}

BOOL CTKRibbonTheme::DrawImageSlice(CDC* pDC, LPCSTR lpszImage, CRect rc, int nSlice, int nCount,
                                    int nMargins, BOOL bOnGlass) {
  CTKResourceImage* pImage = LoadImage(lpszImage);
  if (pImage == nullptr) return FALSE;
  const CRect rcSrc = nCount > 0 ? pImage->GetSourceRect(nSlice, nCount)
                                 : CRect(0, 0, pImage->GetWidth(), pImage->GetHeight());
  const CRect rcMargins(nMargins, nMargins, nMargins, nMargins);
  if (bOnGlass)
    pImage->DrawImageTransparentEx(pDC, rc, rcSrc, rcMargins, kMagenta, 1);
  else
    pImage->DrawImageTransparent(pDC, rc, rcSrc, rcMargins, kMagenta);
  return TRUE;
}

void AFX_CDECL CTKRibbonTheme::SetPopupRegion(CWnd* pWnd) {
  if (pWnd == nullptr || pWnd->GetSafeHwnd() == NULL) return;
  CRect rc;
  pWnd->GetWindowRect(&rc);
  const int w = rc.Width();
  const int h = rc.Height();
  CTKScopedRgn region(::CreateRectRgn(1, 0, w - 1, 1));
  CTKScopedRgn middle(::CreateRectRgn(0, 1, w, h - 1));
  CTKScopedRgn bottom(::CreateRectRgn(1, h - 1, w - 1, h));
  ::CombineRgn(region.Get(), region.Get(), middle.Get(), RGN_OR);
  ::CombineRgn(region.Get(), region.Get(), bottom.Get(), RGN_OR);
  // The window owns the region from here on.
  ::SetWindowRgn(pWnd->GetSafeHwnd(), region.Detach(), FALSE);
}

BOOL CTKRibbonTheme::IsRectOnGlass(CTKCommandBar* pBar, CRect rc) const {
  return pBar != nullptr && (pBar->IsDwmEnabled() || IntersectsRibbonGlassArea(pBar, rc));
}

// Faces and texts ------------------------------------------------------------------------

void CTKRibbonTheme::DrawRectangle(CDC* pDC, CRect rc, BOOL bSelected, BOOL bPressed,
                                   BOOL bEnabled, BOOL bChecked, BOOL bPopuped, int nBarType,
                                   int nBarPosition) {
  const BOOL bLoaded = IsIniLoaded();
  const BOOL bTall = rc.Height() >= TKScaleY(33);
  if (nBarType != tkBarTypePopup) {
    if (!bLoaded) return;
    int nSlice = -1;
    if (!bEnabled) {
      nSlice = bSelected == 2 || bSelected == 3 ? 0 : -1;
    } else if (bPopuped) {
      nSlice = 2;
    } else if (bChecked && !bPressed) {
      nSlice = bSelected ? 3 : 2;
    } else if (bPressed == 2 || bPressed == 3 || (bSelected && bPressed)) {
      nSlice = 1;
    } else if (bSelected || bPressed) {
      nSlice = 0;
    }
    if (nSlice < 0) return;
    CTKResourceImage* pImage = LoadImage(bTall ? "TOOLBARBUTTONS50" : "TOOLBARBUTTONS22");
    if (pImage == nullptr) return;
    pImage->DrawImageTransparent(pDC, rc, pImage->GetSourceRect(nSlice, 4), CRect(8, 8, 8, 8),
                                 kNone);
    return;
  }
  if (nBarPosition != tkBarPopup || (!bChecked && !bSelected)) {
    CTKCommandBarsOffice2003Theme::DrawRectangle(pDC, rc, bSelected, bPressed, bEnabled, bChecked,
                                                 bPopuped, nBarType, nBarPosition);
    return;
  }
  if (!bLoaded) return;
  if (bChecked) {
    CTKResourceImage* pImage = LoadImage("MENUCHECKEDITEM");
    if (pImage != nullptr)
      pImage->DrawImageTransparent(pDC, rc, pImage->GetSourceRect(bEnabled ? 0 : 1, 2),
                                   CRect(2, 2, 2, 2), kNone);
    return;
  }
  if (!bEnabled && bSelected != 2 && bSelected != 3) return;
  LPCSTR lpszImage = bEnabled ? (bTall ? "MENUSELECTEDITEM54" : "MENUSELECTEDITEM22")
                              : (bTall ? "MENUSELECTEDDISABLEDITEM54" : "MENUSELECTEDDISABLEDITEM22");
  CTKResourceImage* pImage = LoadImage(lpszImage);
  if (pImage != nullptr)
    pImage->DrawImageTransparent(pDC, rc, CRect(0, 0, pImage->GetWidth(), pImage->GetHeight()),
                                 CRect(4, 4, 4, 4), kNone);
}

COLORREF CTKRibbonTheme::GetRectangleTextColor(BOOL bSelected, BOOL bPressed, BOOL bEnabled,
                                               BOOL bChecked, BOOL bPopuped, int nBarType,
                                               int nBarPosition) {
  if (nBarType == tkBarTypeMenuBar && bEnabled && !bSelected && !bPressed && !bChecked &&
      !bPopuped)
    return CTKResourceTheme::GetRectangleTextColor(bSelected, bPressed, bEnabled, bChecked,
                                                   bPopuped, nBarType, nBarPosition);
  if (nBarType == tkBarTypePopup) return GetIndexedColor(bEnabled ? 44 : 35);
  return GetIndexedColor(bEnabled ? 46 : 60);
}

COLORREF CTKRibbonTheme::GetControlEditBackColor(CTKControl* pControl) {
  const TKControlDrawState state(pControl);
  if (!state.nEnabled) return GetIndexedColor(15);
  if (state.nSelected) return m_clrEditBackSelected;
  if (state.nBarType != tkBarTypePopup) return m_clrEditBack;
  return GetIndexedColor(41);
}

// Split buttons ----------------------------------------------------------------------------

int AFX_CDECL CTKRibbonTheme::GetSplitCommandSlice(int S, int P, BOOL O, int K, int E, BOOL F) {
  if (E == 5 && (S || P || O)) return 4;
  if (E == 0) return S == 2 || S == 3 ? 5 : -1;
  if (O) return F ? 1 : 5;
  const BOOL bPushed = P == 2 || P == 3 || (S && P);
  if (K) {
    if (!S && !P) return 2;
    if (S && !P) return 3;
    return bPushed ? 1 : 2;
  }
  if (bPushed) return 1;
  if (S == 4 && !P) return 0;
  if ((S && !P) || (!S && P)) return 5;
  return -1;
}

int AFX_CDECL CTKRibbonTheme::GetSplitDropDownSlice(int S, int P, BOOL O, int K, int E, BOOL F) {
  if (E == 4 && (S || P || O)) return 3;
  if (E == 0) return S == 2 || S == 3 ? 4 : -1;
  if (O) return 2;
  const BOOL bPushed = P == 2 || P == 3 || (S && P);
  if (K) {
    if (!S && !P) return 2;
    if (bPushed || (S == 5 && !P)) return 0;
    return F ? 2 : 4;
  }
  if (bPushed) return F ? 4 : 0;
  if (S == 5 && !P) return 0;
  if ((S && !P) || (!S && P)) return 4;
  return -1;
}

void CTKRibbonTheme::DrawSplitButtonFrame(CDC* pDC, CTKControl* pControl, CRect rc) {
  const TKControlDrawState state(pControl);
  const BOOL bGrouped = TKRibbonServices()->pfnIsGroupedControl(pControl);
  const BOOL bCaptionBelow = state.nStyle == tkButtonIconAndCaptionBelow;
  CRect rcCommand = rc;
  CRect rcDropDown = rc;
  if (!bCaptionBelow || bGrouped) {
    rcCommand.right -= m_nSplitArrowWidth;
    rcDropDown.left = rcCommand.right;
  } else {
    rcCommand.bottom -= GetSplitDropDownHeight();
    rcDropDown.top = rcCommand.bottom;
  }
  LPCSTR lpszCommand = bCaptionBelow ? "TOOLBARBUTTONSSPLIT50" : "TOOLBARBUTTONSSPLIT22";
  LPCSTR lpszDropDown =
      bCaptionBelow ? "TOOLBARBUTTONSSPLITDROPDOWN50" : "TOOLBARBUTTONSSPLITDROPDOWN22";
  // A run of grouped controls has its own images, one slice longer.
  int g = 0;
  if (bGrouped) {
    BOOL bStart = FALSE, bEnd = FALSE;
    TKGetGroupedRunEdges(pControl, &bStart, &bEnd);
    lpszCommand = bStart ? "TOOLBARBUTTONSSPECIALSPLITLEFT" : "TOOLBARBUTTONSSPECIALSPLITCENTER";
    lpszDropDown =
        bEnd ? "TOOLBARBUTTONSSPECIALSPLITDROPDOWNRIGHT" : "TOOLBARBUTTONSSPECIALSPLITDROPDOWNCENTER";
    g = 1;
  }
  CTKResourceImage* pCommand = LoadImage(lpszCommand);
  CTKResourceImage* pDropDown = LoadImage(lpszDropDown);
  if (pCommand == nullptr || pDropDown == nullptr) return;

  pDC->SetTextColor(state.nEnabled ? RGB(21, 66, 139) : kGrey);
  pDC->SetBkMode(TRANSPARENT);
  const BOOL bOnGlass = IsRectOnGlass(pControl->GetParent(), rc);
  const CRect rcMargins(2, 2, 2, 2);
  auto draw = [&](CTKResourceImage* pImage, const CRect& rcPart, int nSlice, int nCount) {
    if (nSlice < 0) return;
    nSlice += g;
    nCount += g;
    if (bOnGlass)
      pImage->DrawImageTransparentEx(pDC, rcPart, pImage->GetSourceRect(nSlice, nCount),
                                     rcMargins, kMagenta, 1);
    else
      pImage->DrawImageTransparent(pDC, rcPart, pImage->GetSourceRect(nSlice, nCount), rcMargins,
                                   kMagenta);
  };
  draw(pCommand, rcCommand,
       GetSplitCommandSlice(state.nSelected, state.nPressed, state.bPopuped, state.nChecked,
                            state.nEnabled, m_bNoGroupSpacing),
       6);
  draw(pDropDown, rcDropDown,
       GetSplitDropDownSlice(state.nSelected, state.nPressed, state.bPopuped, state.nChecked,
                             state.nEnabled, m_bNoGroupSpacing),
       5);
  if (rcDropDown.top == rc.top) {
    const CPoint pt = rcDropDown.CenterPoint() - CSize(1, 0);
    DrawDropDownGlyph(pDC, pControl, pt, state.nSelected, state.bPopuped,
                      state.nEnabled == 4 ? 0 : state.nEnabled, FALSE);
  }
}

// Controls of the ribbon bar itself -----------------------------------------------------------

COLORREF CTKRibbonTheme::GetControlTextColor(CTKControl* pControl) {
  CTKCommandBar* pBar = pControl->GetParent();
  const TK_RIBBON_SERVICES* pRibbon = TKRibbonServices();
  const BOOL bGroupButton = pRibbon->pfnIsGroupPopupButton(pControl);
  if (pBar == nullptr || !pBar->IsRibbonBar() ||
      (pControl->GetRibbonGroup() != nullptr && !bGroupButton))
    return CTKResourceTheme::GetControlTextColor(pControl);
  const TKControlDrawState state(pControl);
  const BOOL bMarkOrGroup = bGroupButton || state.nType == tkControlCheckBox ||
                            state.nType == tkControlRadioButton;
  const BOOL bPlain = bMarkOrGroup ? state.nEnabled != 0
                                   : state.nEnabled != 0 && !state.nSelected && !state.nPressed &&
                                         !state.nChecked && !state.bPopuped;
  if (bPlain) {
    if (!pRibbon->pfnIsQuickAccessControl(pControl) || !pControl->IsOnGlass())
      return m_clrRibbonText;
    // Glass behind the quick-access bar is light from Windows 7 on; before,
    // only a maximised frame's caption is dark.
    if (TKOSVersionHelper()->IsWin7OrGreater()) return RGB(0, 0, 0);
    CWnd* pSite = pBar->GetSite();
    const BOOL bMaximized = pSite != nullptr && (pSite->GetStyle() & WS_MAXIMIZE) != 0;
    return bMaximized ? RGB(255, 255, 255) : RGB(0, 0, 0);
  }
  if (!state.nEnabled) return m_clrRibbonGrayText;
  return CTKResourceTheme::GetControlTextColor(pControl);
}
