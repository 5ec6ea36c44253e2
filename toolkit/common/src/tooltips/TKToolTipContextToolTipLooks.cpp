// The looks of the toolkit tips: Luna, Office and Office 2013.
#include "common/TKToolTipContextToolTip.h"

#include "common/TKColorManager.h"
#include "common/TKDCHelpers.h"
#include "common/TKDpiHelper.h"
#include "common/TKDrawHelpers.h"
#include "common/TKResourceImage.h"
#include "common/TKResourceImages.h"

namespace {

int Sx(int n) { return TKDpiHelper()->ScaleX(n); }
int Sy(int n) { return TKDpiHelper()->ScaleY(n); }

const COLORREF kOffice2013Text = RGB(0x5D, 0x5D, 0x5D);

}  // namespace

void CTKToolTipContext::CLunaToolTip::DrawBackground(CDC* pDC, TOOLITEM*, CRect rc) {
  COLORREF clrFrame;
  switch (TKColorManager()->GetCurrentSystemTheme()) {
    case 1:
    case 4:
    case 5:
      clrFrame = 0x800000;
      break;
    case 2:
      clrFrame = 0x385D3F;
      break;
    case 3:
      clrFrame = 0x6F4B4B;
      break;
    default:
      TKDrawHelpers()->GradientFill(pDC, rc, m_pContext->GetBackColor(), 0xFFFFFF, FALSE);
      pDC->Draw3dRect(rc, 0, 0);
      return;
  }
  TKDrawHelpers()->GradientFill(pDC, rc, 0x97D4FF, 0xC8F2FF, FALSE);
  pDC->Draw3dRect(rc, clrFrame, clrFrame);
}

void CTKToolTipContext::COfficeToolTip::DrawBackground(CDC* pDC, TOOLITEM*, CRect rc) {
  DrawOfficeBackground(pDC, rc);
}

void PASCAL CTKToolTipContext::COfficeToolTip::DrawOfficeBackground(CDC* pDC, CRect rc) {
  CTKResourceImages* pImages = TKResourceImages();
  COLORREF clrLight = pImages->GetIniColor("Window", "TooltipLight", 0xFFFFFF);
  COLORREF clrDark = pImages->GetIniColor("Window", "TooltipDark", 0xEFD9C9);
  TKDrawHelpers()->GradientFill(pDC, rc, clrLight, clrDark, FALSE);
  CTKResourceImage* pFrame = pImages->LoadImage("TOOLTIPFRAME");
  if (pFrame != nullptr) {
    pFrame->DrawImageTransparent(pDC, rc, pFrame->GetSourceRect(0, 1), CRect(3, 3, 3, 3), 0xFF00FF);
  } else {
    COLORREF clrBorder = pImages->GetIniColor("Window", "TooltipBorder", 0x767676);
    pDC->Draw3dRect(rc, clrBorder, clrBorder);
  }
}

void CTKToolTipContext::COffice2013ToolTip::DrawBackground(CDC* pDC, TOOLITEM*, CRect rc) {
  pDC->FillSolidRect(rc, 0xFFFFFF);
  pDC->Draw3dRect(rc, 0xBEBEBE, 0xBEBEBE);
}

void CTKToolTipContext::COffice2013ToolTip::Layout(CDC* pDC, CRect rc, CRect& rcTitle,
                                                   CRect& rcText) {
  BOOL bTitle = !m_strTitle.IsEmpty();
  const CRect& rcMargin = m_pContext->GetMargin();
  int nSpaceX = bTitle ? Sx(12) : Sx(5);
  int nSpaceY = bTitle ? Sy(7) : Sy(5);
  CRect rcContent(rc.left + rcMargin.left + nSpaceX, rc.top + rcMargin.top + nSpaceY,
                  rc.right - rcMargin.right - nSpaceX, rc.bottom - rcMargin.bottom - nSpaceY);
  rcTitle.SetRectEmpty();
  if (bTitle) {
    CTKFontDC selectFont(pDC, m_pContext->GetBoldFont());
    CRect rcMeasure(0, 0, 0, 0);
    pDC->DrawText(m_strTitle, rcMeasure, DT_NOPREFIX | DT_SINGLELINE | DT_CALCRECT);
    selectFont.ReleaseFont();
    rcTitle =
        CRect(rcContent.left, rcContent.top, rcContent.right, rcContent.top + rcMeasure.Height());
    rcTitle.right = std::max(rcTitle.right, rcTitle.left + rcMeasure.Width());
    rcContent.top = rcTitle.bottom + Sy(6);
  }
  rcText = rcContent;
}

CSize CTKToolTipContext::COffice2013ToolTip::CalcSize(TOOLITEM* pTool) {
  CString strText = GetToolText(pTool);
  if (strText.IsEmpty()) return CSize(0, 0);
  BOOL bTitle = !m_strTitle.IsEmpty();
  const CRect& rcMargin = m_pContext->GetMargin();
  int nFrameX = rcMargin.left + rcMargin.right + 2 * (bTitle ? Sx(12) : Sx(5));
  int nFrameY = rcMargin.top + rcMargin.bottom + 2 * (bTitle ? Sy(7) : Sy(5));
  CClientDC dc(this);
  CTKFontDC selectFont(&dc, m_pContext->GetFont());
  CRect rcText(0, 0, m_pContext->GetMaxTipWidth() - nFrameX, 0);
  UINT nFormat = DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK | DT_CALCRECT;
  if (IsRightToLeft(pTool)) nFormat |= DT_RTLREADING | DT_RIGHT;
  dc.DrawText(strText, rcText, nFormat);
  CSize size(rcText.Width(), rcText.Height());
  if (bTitle) {
    selectFont.SetFont(m_pContext->GetBoldFont());
    CRect rcTitle(0, 0, 0, 0);
    dc.DrawText(m_strTitle, rcTitle, DT_NOPREFIX | DT_SINGLELINE | DT_CALCRECT);
    size.cx = std::max(size.cx, static_cast<LONG>(rcTitle.Width()));
    size.cy += rcTitle.Height() + Sy(6);
  }
  return CSize(size.cx + nFrameX, size.cy + nFrameY);
}

void CTKToolTipContext::COffice2013ToolTip::DrawEntry(CDC* pDC, TOOLITEM* pTool, CRect rc) {
  CRect rcTitle, rcText;
  Layout(pDC, rc, rcTitle, rcText);
  BOOL bRtl = IsRightToLeft(pTool);
  pDC->SetTextColor(kOffice2013Text);
  if (!rcTitle.IsRectEmpty()) {
    CTKFontDC selectFont(pDC, m_pContext->GetBoldFont());
    pDC->DrawText(m_strTitle, rcTitle,
                  DT_NOPREFIX | DT_SINGLELINE | (bRtl ? DT_RTLREADING | DT_RIGHT : 0));
  }
  UINT nFormat = DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK;
  if (bRtl) nFormat |= DT_RTLREADING | DT_RIGHT;
  pDC->DrawText(GetToolText(pTool), rcText, nFormat);
}
