// The message-bar variants of the Office 2010 and Office 2013 lines.
#include "common/TKDpiHelper.h"
#include "common/TKGlyphFont.h"
#include "common/TKResourceImages.h"
#include "themes/TKMessageBarPaintManager.h"
#include "themes/TKPaintManagerBase.h"

namespace {
const TCHAR kCloseGlyph = 43;
}

void CTKMessageBarThemeOffice2010::RefreshMetrics() {
  m_clrText.SetStandardValue(::GetSysColor(COLOR_BTNTEXT));
  m_clrBack.SetStandardValue(::GetSysColor(COLOR_INFOBK));
  m_clrBorder.SetStandardValue(::GetSysColor(COLOR_BTNSHADOW));
}

void CTKMessageBarThemeOffice2010::FillMessageBar(CDC* pDC, ITKMessageBarView* pBar) {
  const CRect rcClient = pBar->GetClientRect();
  pDC->FillSolidRect(rcClient, m_clrBack);
  pDC->Draw3dRect(rcClient, m_clrBorder, m_clrBorder);
}

void CTKMessageBarThemeOffice2010::DrawMessageBarButton(CDC* pDC,
                                                       const TK_MESSAGEBAR_BUTTON& button) {
  if (button.nId == kCloseId) {
    // Three strokes each way make a bold cross of 8 device pixels: it is a
    // mark at the size of the rectangle, which is not scaled either.
    static const int kStrokes[6][4] = {{-4, -3, 3, 4},  {-4, -4, 4, 4},  {-3, -4, 4, 3},
                                       {-4, 2, 3, -5},  {-4, 3, 4, -5},  {-3, 3, 4, -4}};
    const CPoint ptCentre = button.rc.CenterPoint();
    for (const auto& s : kStrokes)
      m_pOwner->DrawLine(pDC, ptCentre.x + s[0], ptCentre.y + s[1], ptCentre.x + s[2],
                         ptCentre.y + s[3], m_clrText);
    return;
  }
  if (button.bPressed) {
    DrawOwnerFace(pDC, button.rc, button.bHot, TRUE, FALSE);
  } else if (button.bHot) {
    DrawOwnerFace(pDC, button.rc, TRUE, FALSE, TRUE);
  } else {
    pDC->FillSolidRect(button.rc, m_clrBack);
    pDC->Draw3dRect(button.rc, m_clrBorder, m_clrBorder);
  }
}

CRect CTKMessageBarThemeOffice2010::GetCloseButtonRect(int nRight, int, int nBottom) {
  const int nTop = (nBottom - 8) / 2;
  return CRect(nRight - 11 - 8, nTop, nRight - 11, nTop + 8);
}

void CTKMessageBarThemeOffice2013::RefreshMetrics() {
  static const char kSection[] = "CommandBars.MessageBar";
  m_clrText.SetStandardValue(GetThemeIniColor(kSection, "Text", 0x00777777));
  m_clrTextHighlight.SetStandardValue(GetThemeIniColor(kSection, "TextHilite", 0x00444444));
  m_clrBack.SetStandardValue(GetThemeIniColor(kSection, "Back", 0x00B6F7FC));
  m_clrBorder.SetStandardValue(GetThemeIniColor(kSection, "Border", 0x0089D8D7));
  m_clrButtonBack.SetStandardValue(GetThemeIniColor(kSection, "ButtonBack", 0x00FDFDFD));
  m_clrButtonBackHighlight.SetStandardValue(
      GetThemeIniColor(kSection, "ButtonBackHilite", 0x00F0F0F0));
  m_clrButtonBackPushed.SetStandardValue(
      GetThemeIniColor(kSection, "ButtonBackPushed", 0x00C6C6C6));
  m_clrButtonBorder.SetStandardValue(GetThemeIniColor(kSection, "ButtonBorder", 0x00ABABAB));
  m_clrButtonBorderHighlight.SetStandardValue(
      GetThemeIniColor(kSection, "ButtonBorderHilite", 0x00C6C6C6));
  m_clrButtonBorderPushed.SetStandardValue(
      GetThemeIniColor(kSection, "ButtonBorderPushed", 0x00ABABAB));
}

void CTKMessageBarThemeOffice2013::FillMessageBar(CDC* pDC, ITKMessageBarView* pBar) {
  const CRect rc = pBar->GetClientRect();
  pDC->FillSolidRect(rc, m_clrBack);
  if (m_bBorderLeft) m_pOwner->DrawVerticalLine(pDC, rc.left, rc.top, rc.bottom, m_clrBorder);
  if (m_bBorderTop) m_pOwner->DrawHorizontalLine(pDC, rc.left, rc.top, rc.right, m_clrBorder);
  if (m_bBorderRight)
    m_pOwner->DrawVerticalLine(pDC, rc.right - 1, rc.top, rc.bottom, m_clrBorder);
  if (m_bBorderBottom)
    m_pOwner->DrawHorizontalLine(pDC, rc.left, rc.bottom - 1, rc.right, m_clrBorder);
}

void CTKMessageBarThemeOffice2013::DrawMessageBarButton(CDC* pDC,
                                                       const TK_MESSAGEBAR_BUTTON& button) {
  if (button.nId == kCloseId) {
    const BOOL bActive = button.bPressed || button.bHot;
    TKGlyphFont()->DrawGlyph(pDC, kCloseGlyph, button.rc, bActive ? m_clrTextHighlight : m_clrText);
    return;
  }
  if (button.bPressed)
    m_pOwner->FillRectWithBorder(pDC, button.rc, m_clrButtonBorderPushed, m_clrButtonBackPushed);
  else if (button.bHot)
    m_pOwner->FillRectWithBorder(pDC, button.rc, m_clrButtonBorderHighlight,
                                 m_clrButtonBackHighlight);
  else
    m_pOwner->FillRectWithBorder(pDC, button.rc, m_clrButtonBorder, m_clrButtonBack);
}

CRect CTKMessageBarThemeOffice2013::GetCloseButtonRect(int nRight, int, int nBottom) {
  CTKDpiHelper* pDpi = TKDpiHelper();
  const int cx = pDpi->ScaleX(8);
  const int cy = pDpi->ScaleY(8);
  const int nRightEdge = nRight - pDpi->ScaleX(11);
  const int nTop = (nBottom - cy) / 2;
  return CRect(nRightEdge - cx, nTop, nRightEdge, nTop + cy);
}
