// CTKVisualStudio2010Theme: fixed blue-grey colours (muted before Windows
// Vista), tool bars as framed blocks with rounded corners and rounded hot
// faces.
#include <initializer_list>

#include "TKControlDrawState.h"
#include "TKThreadMainWindow.h"
#include "TKVisualStudioDrawing.h"
#include "commandbars/TKDockBar.h"
#include "common/TKColorManager.h"
#include "common/TKDCHelpers.h"
#include "common/TKDrawHelpers.h"
#include "common/TKWinThemeWrapper.h"
#include "themes/TKStatusBarPaintManagerBase.h"
#include "themes/TKThemesSystem.h"
#include "themes/TKVisualStudioThemes.h"

namespace {

void SetIndexed(CTKPaintManagerBase* pTheme, std::initializer_list<int> indexes, COLORREF clr) {
  for (int nIndex : indexes) pTheme->SetIndexedColors(1, &nIndex, &clr);
}

/// The client rectangle of the bar's dock bar in the bar's coordinates (the
/// bar's own without one), and whether that is the right-hand dock bar.
CRect GetDockRectInBar(CTKCommandBar* pBar, BOOL* pbRightDock) {
  CRect rc(0, 0, 0, 0);
  pBar->GetClientRect(&rc);
  *pbRightDock = FALSE;
  if (pBar->GetSafeHwnd() == NULL) return rc;
  CTKDockBar* pDockBar =
      DYNAMIC_DOWNCAST(CTKDockBar, CWnd::FromHandlePermanent(::GetParent(pBar->GetSafeHwnd())));
  if (pDockBar == nullptr) return rc;
  // The right-hand dock bar's style bits (its alignment and its left border).
  *pbRightDock = (pDockBar->GetBarStyle() & 0x4100) != 0;
  pDockBar->GetClientRect(&rc);
  pDockBar->ClientToScreen(&rc);
  pBar->ScreenToClient(&rc);
  return rc;
}

}  // namespace

CTKVisualStudio2010Theme::CTKVisualStudio2010Theme() {
  m_bPlainSeparators = TRUE;
  m_bPlainGrippers = TRUE;
  m_nSeparatorInset = TKScaleX(2);
  m_nPopupTextGap = TKScaleX(10);
  m_pShadowManager->SetOptions(1);
  m_bStatusTextFromVisualStyle = TRUE;
  SetStatusBarPaintManager(new CTKStatusBarThemeVisualStudio2010(this));
}

void CTKVisualStudio2010Theme::RefreshMetrics() {
  CTKCommandBarsOffice2003Theme::RefreshMetrics();
  m_pStatusTheme->OpenThemeData(TKThreadMainWindow(), L"STATUS");

  m_grcToolBar.SetStandardSolid(0xD8C7BC);
  m_grcDockBar.SetStandardSolid(0xC1AA9C);
  SetIndexed(this, {55}, TKColorManager()->GetGradient(0).m_clrDark);
  m_clrToolBarShadow.SetStandardValue(0xE1D2C9);
  m_clrFloatingCaptionBack.SetStandardValue(0x7F5C48);
  m_grcPopupOpen.SetStandardSolid(0xEEECE9);
  m_grcExpandButton.SetStandardSolid(0xE8DCD5);
  m_grcExpandedPopupBand.SetStandardValue(0xF6DDCB, 0xDCA179, 0.5f);
  m_grcPopupExpandImage.SetStandardValue(0xFEEFE3, 0xE2A981, 0.5f);
  m_pShadowManager->SetShadowColor(0x000000);
  m_grcDisabledIcons.SetStandardValue(0xEBE3DD, 0x6C645F, 0.5f);
  m_clrTearOffGripper.SetStandardValue(0xF0C7A9);

  SetIndexed(this, {12}, 0x5F412F);
  SetIndexed(this, {51}, 0xC1AA9C);
  SetIndexed(this, {52}, 0x8C7260);
  SetIndexed(this, {53}, 0xA29185);
  SetIndexed(this, {56}, 0xEEECE9);
  SetIndexed(this, {30}, 0xD8C7BC);
  SetIndexed(this, {31}, 0xCEF3FF);
  SetIndexed(this, {32}, 0x63C3E7);
  SetIndexed(this, {33}, 0xA5EBFF);
  SetIndexed(this, {36}, 0xBDEFFF);
  SetIndexed(this, {37, 50}, 0x65C3E5);
  SetIndexed(this, {38}, 0x8C7361);
  SetIndexed(this, {39}, 0xA29185);
  SetIndexed(this, {40}, 0x808080);
  SetIndexed(this, {41}, 0xE8E2DD);
  SetIndexed(this, {43}, 0xB7A79B);
  SetIndexed(this, {47}, 0x000000);
  SetIndexed(this, {35, 58, 60}, 0x808080);
  SetIndexed(this, {61}, m_clrFloatingCaptionBack);

  m_grcPopupBand.SetStandardSolid(0xEEECE9);
  // The brighter colours need the newer system's look around them.
  m_bSchemeColors = TKThemesSystem()->IsWinVistaOrGreater();
  m_grcChecked.SetStandardValue(0xF1FBFF, 0xBEEEFF, 0.5f);
  m_grcPushed.SetStandardValue(0xA6E8FF, 0xA6E8FF, 0.5f);
  m_grcHot.SetStandardValue(0xF2FCFF, 0xB5ECFF, 0.5f);
  SetIndexed(this, {46}, 0x3F2A1C);
  m_clrPopupSeparator.SetStandardValue(0xCBC3BE);
  if (!m_bSchemeColors) {
    m_grcDockBar.SetStandardSolid(0xCEBAAD);
    m_grcToolBar.SetStandardSolid(0xDEC7BD);
    m_clrToolBarShadow.SetStandardValue(0xE7D3CE);
    SetIndexed(this, {38}, 0x8C7163);
    SetIndexed(this, {39}, 0xA59284);
    SetIndexed(this, {41}, 0xEFEFEF);
    SetIndexed(this, {43}, 0xB5A69C);
    SetIndexed(this, {46}, 0x392818);
    m_clrPopupSeparator.SetStandardValue(0xCEC3BD);
  }
  RebuildPopupExpandImage();
}

// Faces ---------------------------------------------------------------------------------

void CTKVisualStudio2010Theme::FillHotFace(CDC* pDC, CRect rc) {
  if (m_bSchemeColors)
    TKDrawHelpers()->GradientFillTwoPart(pDC, rc, m_grcHot, FALSE, NULL);
  else
    FillRectIndexed(pDC, rc, -1, 31);
}

void CTKVisualStudio2010Theme::DrawRectangle(CDC* pDC, CRect rc, BOOL bSelected, BOOL bPressed,
                                             BOOL bEnabled, BOOL bChecked, BOOL bPopuped,
                                             int nBarType, int nBarPosition) {
  const BOOL bHot = bSelected && !bChecked && !bPressed;
  if (bHot && nBarType == tkBarTypePopup && nBarPosition == tkBarPopup) {
    CRect rcFace = rc;
    rcFace.DeflateRect(TKScaleX(1), TKScaleY(1));
    FillHotFace(pDC, rcFace);
    TKDrawRoundedFrame(pDC, rc.left, rc.top, rc.right, rc.bottom, GetIndexedColor(32));
    return;
  }
  if (bHot && nBarType == tkBarTypeMenuBar && bEnabled && !bPopuped) {
    TKDrawRoundedFrame(pDC, rc.left, rc.top, rc.right, rc.bottom, GetIndexedColor(32));
    CRect rcFace = rc;
    rcFace.DeflateRect(1, 1);
    CTKDCSaveState clip(pDC);
    CTKDrawHelpers::ExcludeCorners(pDC, rcFace.left, rcFace.top, rcFace.right, rcFace.bottom);
    FillHotFace(pDC, rcFace);
    return;
  }
  CTKCommandBarsOffice2003Theme::DrawRectangle(pDC, rc, bSelected, bPressed, bEnabled, bChecked,
                                               bPopuped, nBarType, nBarPosition);
}

CSize CTKVisualStudio2010Theme::DrawCommandBarSeparator(CDC* pDC, CTKCommandBar* pBar,
                                                        CTKControl* pControl, BOOL bDraw) {
  if (!TKIsDrawingOnPopup(pDC, pBar, pControl, bDraw))
    return CTKCommandBarsOffice2003Theme::DrawCommandBarSeparator(pDC, pBar, pControl, bDraw);
  TKDrawPopupSeparatorAt(this, pDC, pBar, pControl, m_clrPopupSeparator, 2);
  return CSize(0, 0);
}

CRect CTKVisualStudio2010Theme::GetCommandBarBorders(CTKCommandBar* pBar) {
  if (pBar != nullptr && pBar->GetType() == tkBarTypePopup && pBar->GetPosition() == tkBarPopup)
    return CRect(TKScaleX(3), TKScaleY(3), TKScaleX(3), TKScaleY(3));
  return CTKCommandBarsOffice2003Theme::GetCommandBarBorders(pBar);
}

// Bars ----------------------------------------------------------------------------------

void CTKVisualStudio2010Theme::FillCommandBarEntry(CDC* pDC, CTKCommandBar* pBar) {
  const int nPosition = pBar->GetPosition();
  if (pBar->GetType() == tkBarTypeMenuBar && nPosition != tkBarFloating) {
    CRect rc(0, 0, 0, 0);
    pBar->GetClientRect(&rc);
    if (m_bSchemeColors) {
      const BOOL bHorz =
          nPosition == tkBarLeft || nPosition == tkBarRight || nPosition == tkBarPopup;
      TKDrawHelpers()->GradientFill(pDC, rc, 0xE0D1C8, 0xCDB9AE, bHorz);
    } else {
      pDC->FillSolidRect(rc, m_grcDockBar.m_clrDark);
    }
    return;
  }
  if (nPosition == tkBarTop || nPosition == tkBarBottom) {
    FillDockedToolBar(pDC, pBar, CPoint(TKScaleX(2), TKScaleY(1)));
    return;
  }
  if (nPosition == tkBarLeft || nPosition == tkBarRight) {
    FillDockedToolBar(pDC, pBar, CPoint(TKScaleX(1), TKScaleY(2)));
    return;
  }
  CTKCommandBarsOffice2003Theme::FillCommandBarEntry(pDC, pBar);
}

void CTKVisualStudio2010Theme::FillDockedToolBar(CDC* pDC, CTKCommandBar* pBar,
                                                 CPoint ptBodyInset) {
  CRect rc(0, 0, 0, 0);
  pBar->GetClientRect(&rc);
  FillRectIndexed(pDC, rc, -1, 15);
  BOOL bRightDock = FALSE;
  const CRect rcDock = GetDockRectInBar(pBar, &bRightDock);
  if (bRightDock)
    pDC->FillSolidRect(rc, m_grcDockBar.m_clrDark);
  else
    FillDockGradient(pDC, rcDock, rc);

  const CRect rcBody(ptBodyInset.x, ptBodyInset.y, rc.right, rc.bottom);
  if (rcBody.Width() < 2 || rcBody.Height() < 2) return;
  const COLORREF clrFace = m_grcToolBar.m_clrDark;
  const int cxCut = TKScaleX(1);
  pDC->FillSolidRect(CRect(rcBody.left, rcBody.top + 1, rcBody.right, rcBody.bottom - 1), clrFace);
  pDC->FillSolidRect(CRect(rcBody.left + cxCut, rcBody.top, rcBody.right - cxCut, rcBody.top + 1),
                     clrFace);
  pDC->FillSolidRect(
      CRect(rcBody.left + cxCut, rcBody.bottom - 1, rcBody.right - cxCut, rcBody.bottom), clrFace);
  TKDrawRoundedFrame(pDC, rcBody.left, rcBody.top, rcBody.right, rcBody.bottom,
                     m_clrToolBarShadow);
}
