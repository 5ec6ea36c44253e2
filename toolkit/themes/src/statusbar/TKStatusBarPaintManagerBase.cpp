// CTKStatusBarPaintManagerBase: the status bar in system colours, or through
// the visual style "STATUS" when the owner asks for it.
#include "themes/TKStatusBarPaintManagerBase.h"

#include "commandbars/TKStatusBar.h"
#include "common/TKColorManager.h"
#include "common/TKDCHelpers.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManagerIcon.h"
#include "common/TKResourceImages.h"
#include "common/TKWinThemeWrapper.h"
#include "markup/TKMarkupFlat.h"
#include "themes/TKPaintManagerBase.h"

namespace {
const char kSection[] = "StatusBar";
// DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_NOPREFIX
const UINT kTextFormat = 0x864;
}  // namespace

BOOL CTKStatusBarPaintManagerBase::IsThemed() const {
  return m_pOwner->m_bStatusTextFromVisualStyle && m_pOwner->GetStatusTheme()->IsAppThemedAndOpen();
}

BOOL CTKStatusBarPaintManagerBase::IsAppThemed() const {
  return m_pOwner->m_bStatusTextFromVisualStyle && m_pOwner->GetStatusTheme()->IsAppThemed();
}

void CTKStatusBarPaintManagerBase::RefreshMetrics() {
  m_clrText.SetStandardValue(GetThemeIniColor(kSection, "TextColor", ::GetSysColor(COLOR_BTNTEXT)));
  m_clrTextGray.SetStandardValue(
      GetThemeIniColor(kSection, "TextGrayColor", ::GetSysColor(COLOR_GRAYTEXT)));
  m_clrBackground.SetStandardValue(
      GetThemeIniColor(kSection, "BackgroundColor", ::GetSysColor(COLOR_BTNFACE)));
  m_clrGripperLite.SetStandardValue(
      GetThemeIniColor(kSection, "GripperLite", ::GetSysColor(COLOR_BTNHIGHLIGHT)));
  m_clrGripperDark.SetStandardValue(
      GetThemeIniColor(kSection, "GripperDark", ::GetSysColor(COLOR_BTNSHADOW)));
  RefreshStatusFont();
}

void CTKStatusBarPaintManagerBase::RefreshStatusFont() {
  m_fontStatus.DeleteObject();
  LOGFONT lf;
  if (m_pOwner->m_fontStatus.GetSafeHandle() != NULL && m_pOwner->m_fontStatus.GetLogFont(&lf))
    m_fontStatus.CreateFontIndirect(&lf);
}

void CTKStatusBarPaintManagerBase::FillBackground(CDC* pDC, CTKStatusBar* pBar) {
  if (pDC == nullptr || pBar == nullptr) return;
  CRect rcClient;
  pBar->GetClientRect(&rcClient);
  pDC->FillSolidRect(rcClient, m_clrBackground);
}

void CTKStatusBarPaintManagerBase::DrawStatusBarBackground(CDC* pDC, CTKStatusBar* pBar) {
  CRect rcClient;
  pBar->GetClientRect(&rcClient);
  if (IsThemed())
    m_pOwner->GetStatusTheme()->DrawThemeBackground(pDC->GetSafeHdc(), 0, 0, rcClient, NULL);
  else
    pDC->FillSolidRect(rcClient, TKColorManager()->GetColor(15));
}

// Pane entries ------------------------------------------------------------------------------

void CTKStatusBarPaintManagerBase::DrawPaneEntry(CDC* pDC, CRect rc, CTKStatusBarPane* pPane) {
  const COLORREF clrBack = pPane->GetBackgroundColor();
  if (clrBack != CTKPaintManagerColor::COLORREF_NONE) {
    CRect rcFill = rc;
    if (pPane->HasBorders()) rcFill.DeflateRect(1, 1);
    pDC->FillSolidRect(rcFill, clrBack);
  }
  if (pPane->IsButton()) DrawPaneButtonFace(pDC, rc, pPane);
  CTKFontDC font(pDC, pPane->GetFont());
  DrawPaneContent(pDC, rc, pPane);
}

void CTKStatusBarPaintManagerBase::DrawPaneContent(CDC* pDC, CRect rc, CTKStatusBarPane* pPane) {
  CTKStatusBar* pBar = pPane->GetStatusBar();
  CTKDpiHelper* pDpi = TKDpiHelper();
  const BOOL bEnabled = pPane->IsEnabled();
  const BOOL bShowText = bEnabled || (pBar != nullptr && pBar->IsDrawDisabledText());
  const CRect rcPadding = pPane->GetPadding();
  rc.DeflateRect(rcPadding.left, rcPadding.top, rcPadding.right, rcPadding.bottom);
  const CString strText = pPane->GetText();
  CTKMarkupUIElement* pMarkup = pPane->GetMarkupElement();
  CTKImageManagerIcon* pIcon = pPane->GetImage();

  COLORREF clrText = bEnabled ? pPane->GetTextColor() : pPane->GetTextGrayColor();
  if (clrText == CTKPaintManagerColor::COLORREF_NONE)
    clrText = bEnabled ? GetPaneTextColor(pPane) : static_cast<COLORREF>(m_clrTextGray);
  pDC->SetTextColor(clrText);
  if (pBar != nullptr)
    SetMarkupContextFont(pBar->GetMarkupContext(),
                         static_cast<HFONT>(pDC->GetCurrentFont()->GetSafeHandle()), clrText);

  const CSize szIcon = pIcon != nullptr ? CSize(pDpi->ScaleX(pIcon->GetExtent().cx),
                                                pDpi->ScaleY(pIcon->GetExtent().cy))
                                        : CSize(0, 0);
  if (pPane->GetTextAlignment() != CTKStatusBarPane::alignLeft) {
    const int cxText = pMarkup != nullptr ? MeasureMarkupElement(pMarkup, 0x7FFFFFFF, 0x7FFFFFFF).cx
                                          : pDC->GetTextExtent(strText).cx;
    int cxContent = cxText;
    if (pIcon != nullptr) cxContent += szIcon.cx + (cxText > 0 ? pDpi->ScaleX(2) : 0);
    if (rc.Width() > cxContent) {
      if (pPane->GetTextAlignment() == CTKStatusBarPane::alignRight)
        rc.left = rc.right - cxContent;
      else
        rc.left = (rc.left + rc.right - cxContent) / 2;
    }
  }

  if (pIcon != nullptr) {
    if (rc.left + szIcon.cx <= rc.right) {
      const CPoint pt(rc.left, (rc.top + rc.bottom - szIcon.cy) / 2);
      pIcon->Draw(pDC, pt, bEnabled ? pIcon->GetNormalImage() : pIcon->GetDisabledImage(),
                  szIcon.cx, szIcon.cy);
    }
    // The text keeps its place whether or not the icon had room.
    rc.left += szIcon.cx + pDpi->ScaleX(2);
  }

  if (!bShowText) return;
  if (pMarkup != nullptr) {
    RenderMarkupElement(pMarkup, pDC->GetSafeHdc(), rc);
    return;
  }
  const int nOldMode = pDC->SetBkMode(TRANSPARENT);
  pDC->DrawText(strText, rc, kTextFormat);
  pDC->SetBkMode(nOldMode);
}

void CTKStatusBarPaintManagerBase::DrawPaneButtonFace(CDC* pDC, CRect rc, CTKStatusBarPane* pPane) {
  CTKStatusBar* pBar = pPane->GetStatusBar();
  const BOOL bHot = pBar != nullptr && pBar->GetHotPane() == pPane;
  if (!bHot && !pPane->IsPressed() && !pPane->IsPopout()) return;
  m_pOwner->DrawRectangle(pDC, rc, bHot, pPane->IsPressed(), TRUE, pPane->IsPopout(), FALSE, 1, 1);
}

COLORREF CTKStatusBarPaintManagerBase::GetPaneTextColor(CTKStatusBarPane* pPane) {
  CTKStatusBar* pBar = pPane->GetStatusBar();
  const BOOL bHot = pBar != nullptr && pBar->GetHotPane() == pPane;
  if (pPane->IsButton() && (bHot || pPane->IsPressed()))
    return m_pOwner->GetRectangleTextColor(bHot, pPane->IsPressed(), pPane->IsEnabled(), FALSE,
                                           FALSE, 1, 1);
  return m_clrText;
}

// Borders, separators and the gripper -------------------------------------------------------------

void CTKStatusBarPaintManagerBase::DrawPaneBorder(CDC* pDC, CRect rc, CTKStatusBarPane* pPane,
                                                  BOOL bGripperPane) {
  if (IsThemed()) {
    m_pOwner->GetStatusTheme()->DrawThemeBackground(pDC->GetSafeHdc(), bGripperPane ? 2 : 1, 0, rc,
                                                    NULL);
    return;
  }
  // A button pane's face is its frame.
  if (!pPane->IsButton()) m_pOwner->Draw3dRectIndexed(pDC, rc, 16, 20);
}

void CTKStatusBarPaintManagerBase::DrawPaneSeparator(CDC* pDC, CRect rc, CTKStatusBarPane*) {
  m_pOwner->Draw3dRectIndexed(
      pDC, CRect(rc.right - TKDpiHelper()->ScaleX(2), rc.top, rc.right, rc.bottom), 16, 20);
}

void CTKStatusBarPaintManagerBase::DrawGripper(CDC* pDC, CRect rcClient) {
  CTKDpiHelper* pDpi = TKDpiHelper();
  if (IsThemed()) {
    const CRect rc(rcClient.right - pDpi->ScaleX(18), rcClient.top, rcClient.right,
                   rcClient.bottom);
    m_pOwner->GetStatusTheme()->DrawThemeBackground(pDC->GetSafeHdc(), 3, 0, rc, NULL);
    return;
  }
  const int W = rcClient.Width(), H = rcClient.Height();
  const int sx4 = pDpi->ScaleX(4), sy4 = pDpi->ScaleY(4);
  const int sx1 = pDpi->ScaleX(1), sy1 = pDpi->ScaleY(1);
  {
    CTKPenDC pen(pDC->GetSafeHdc(), m_clrGripperDark);
    for (int k = 0; k < 3; ++k) {
      const int a = W - 4 - k * sx4, b = H - 4 - k * sy4;
      m_pOwner->MoveToLineTo(pDC, a + 1, H - sy1, W - sx1, b + 1);
      m_pOwner->MoveToLineTo(pDC, a, H - sy1, W - sx1, b);
    }
  }
  CTKPenDC pen(pDC->GetSafeHdc(), m_clrGripperLite);
  for (int k = 0; k < 3; ++k)
    m_pOwner->MoveToLineTo(pDC, W - 5 - k * sx4, H - sy1, W - sx1, H - 5 - k * sy4);
}

void CTKStatusBarPaintManagerBase::DrawDotsGripper(CDC* pDC, CRect rcClient) {
  CTKDpiHelper* pDpi = TKDpiHelper();
  const int cx1 = pDpi->ScaleX(1), cy1 = pDpi->ScaleY(1);
  const int cx2 = pDpi->ScaleX(2), cy2 = pDpi->ScaleY(2);
  int x0 = rcClient.right - pDpi->ScaleX(6), y0 = rcClient.bottom - pDpi->ScaleY(6);
  for (COLORREF clr :
       {static_cast<COLORREF>(m_clrGripperDark), static_cast<COLORREF>(m_clrGripperLite)}) {
    for (int c = 0; c <= 3; ++c)
      for (int r = 0; r <= 3 - c; ++r)
        pDC->FillSolidRect(x0 - c * cx2, y0 - r * cy2, cx1, cy1, clr);
    x0 += cx1;
    y0 += cy1;
  }
}
