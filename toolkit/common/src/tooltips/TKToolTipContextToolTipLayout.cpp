// The toolkit tip's paint and its base layout: an optional bold title, an
// optional icon, and the word-wrapped text, mirrored for right-to-left tools.
#include "common/TKToolTipContextToolTip.h"

#include "common/TKDCHelpers.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManagerIcon.h"

namespace {

int Sx(int n) { return TKDpiHelper()->ScaleX(n); }
int Sy(int n) { return TKDpiHelper()->ScaleY(n); }

// An icon up to this high stands in the top corner; a taller one beside the body.
BOOL IsSmallIcon(CSize sizeIcon) { return sizeIcon.cy <= Sy(16); }

}  // namespace

void CTKToolTipContextToolTip::Paint(CDC* pDC) {
  CRect rc;
  GetClientRect(&rc);
  DrawBackground(pDC, m_pCurrentTool, rc);
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(m_pContext->GetTextColor());
  CTKFontDC selectFont(pDC, m_pContext->GetFont());
  if (m_pCurrentTool != nullptr) DrawEntry(pDC, m_pCurrentTool, rc);
}

void CTKToolTipContextToolTip::DrawBackground(CDC* pDC, TOOLITEM*, CRect rc) {
  m_pContext->DrawBackground(pDC, rc);
}

CSize CTKToolTipContextToolTip::CalcSize(TOOLITEM* pTool) { return CalcBaseSize(pTool); }

void CTKToolTipContextToolTip::DrawEntry(CDC* pDC, TOOLITEM* pTool, CRect rc) {
  DrawBaseEntry(pDC, pTool, rc);
}

CRect CTKToolTipContextToolTip::GetContentRect(CRect rcClient) const {
  const CRect& rcMargin = m_pContext->GetMargin();
  return CRect(rcClient.left + rcMargin.left + Sx(3), rcClient.top + rcMargin.top + Sy(3),
               rcClient.right - rcMargin.right - Sx(3), rcClient.bottom - rcMargin.bottom - Sy(3));
}

CSize CTKToolTipContextToolTip::CalcBaseSize(TOOLITEM* pTool) {
  CString strText = GetToolText(pTool);
  if (strText.IsEmpty()) return CSize(0, 0);
  const CRect& rcMargin = m_pContext->GetMargin();
  int nFrameX = rcMargin.left + rcMargin.right + 2 * Sx(3);
  int nFrameY = rcMargin.top + rcMargin.bottom + 2 * Sy(3);
  UINT nFormat = DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK | DT_CALCRECT;
  if (IsRightToLeft(pTool)) nFormat |= DT_RTLREADING | DT_RIGHT;

  CClientDC dc(this);
  CTKFontDC selectFont(&dc, m_pContext->GetFont());
  CRect rcText(0, 0, m_pContext->GetMaxTipWidth() - nFrameX, 0);
  dc.DrawText(strText, rcText, nFormat);
  CSize sizeTitle(0, 0);
  BOOL bTitle = !m_strTitle.IsEmpty();
  if (bTitle) {
    selectFont.SetFont(m_pContext->GetBoldFont());
    CRect rcTitle(0, 0, 0, 0);
    dc.DrawText(m_strTitle, rcTitle, DT_NOPREFIX | DT_SINGLELINE | DT_CALCRECT);
    sizeTitle = CSize(rcTitle.Width() + Sx(4), rcTitle.Height() + 2 * Sy(10));
  }
  selectFont.ReleaseFont();

  int nBodyWidth = rcText.Width() + (bTitle ? Sx(10) + Sx(15) : 0);
  int nBodyHeight = rcText.Height();
  if (m_pIcon != nullptr) {
    CSize sizeIcon(Sx(m_pIcon->GetWidth()), Sy(m_pIcon->GetHeight()));
    if (!IsSmallIcon(sizeIcon))
      nBodyWidth += sizeIcon.cx + Sx(5);
    else if (bTitle)
      sizeTitle.cx += sizeIcon.cx + Sx(1);
    else
      nBodyWidth += sizeIcon.cx + Sx(3);
    nBodyHeight = std::max(nBodyHeight, static_cast<int>(sizeIcon.cy));
  }
  return CSize(nFrameX + std::max(nBodyWidth, static_cast<int>(sizeTitle.cx)),
               nFrameY + nBodyHeight + sizeTitle.cy);
}

void CTKToolTipContextToolTip::DrawBaseEntry(CDC* pDC, TOOLITEM* pTool, CRect rc) {
  CString strText = GetToolText(pTool);
  BOOL bRtl = IsRightToLeft(pTool);
  CRect rcBody = GetContentRect(rc);
  // Moves the leading edge (left, or right for right-to-left) inward by n.
  auto indent = [bRtl](CRect& r, int n) {
    if (bRtl)
      r.right -= n;
    else
      r.left += n;
  };
  auto drawIcon = [&](const CRect& r, CSize size) {
    CPoint pt(bRtl ? r.right - size.cx : r.left, r.top);
    m_pIcon->DrawAtSize(pDC, pt, size);
  };
  CSize sizeIcon(0, 0);
  if (m_pIcon != nullptr) sizeIcon = CSize(Sx(m_pIcon->GetWidth()), Sy(m_pIcon->GetHeight()));
  BOOL bSmallIcon = m_pIcon != nullptr && IsSmallIcon(sizeIcon);

  if (!m_strTitle.IsEmpty()) {
    CRect rcTitle = rcBody;
    rcTitle.DeflateRect(Sx(2), Sy(2));
    if (bSmallIcon) {
      drawIcon(rcTitle, sizeIcon);
      indent(rcTitle, sizeIcon.cx + Sx(1));
    }
    CTKFontDC selectFont(pDC, m_pContext->GetBoldFont());
    CRect rcMeasure(0, 0, 0, 0);
    pDC->DrawText(m_strTitle, rcMeasure, DT_NOPREFIX | DT_SINGLELINE | DT_CALCRECT);
    pDC->DrawText(m_strTitle, rcTitle,
                  DT_NOPREFIX | DT_SINGLELINE | (bRtl ? DT_RTLREADING | DT_RIGHT : 0));
    selectFont.ReleaseFont();
    rcBody.top += rcMeasure.Height() + Sy(12);
    indent(rcBody, Sx(10));
    if (bRtl)
      rcBody.left += Sx(15);
    else
      rcBody.right -= Sx(15);
  } else if (bSmallIcon) {
    drawIcon(rcBody, sizeIcon);
    indent(rcBody, sizeIcon.cx + Sx(3));
  }
  if (m_pIcon != nullptr && !bSmallIcon) {
    drawIcon(rcBody, sizeIcon);
    indent(rcBody, sizeIcon.cx + Sx(5));
  }
  UINT nFormat = DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK;
  if (bRtl) nFormat |= DT_RTLREADING | DT_RIGHT;
  pDC->DrawText(strText, rcBody, nFormat);
}
