// CTKPaintManagerBase: the captions of tool-bar controls. Beside an icon or
// alone, below an icon in up to two lines, turned for vertical bars, embossed
// when disabled and composited when they lie on glass.
#include <algorithm>
#include <string>

#include "TKControlDrawState.h"
#include "common/TKDrawHelpers.h"
#include "common/TKWinThemeWrapper.h"
#include "themes/TKPaintManagerBase.h"

namespace {

/// What an empty caption measures as, so that it keeps a line's height.
CSize MeasureCaption(CDC* pDC, const CString& strStripped) {
  return pDC->GetTextExtent(strStripped.IsEmpty() ? CString(" ") : strStripped);
}

}  // namespace

CSize CTKPaintManagerBase::DrawControlText(CDC* pDC, CTKControl* pControl, CRect rc, BOOL bDraw,
                                           BOOL bDropDown, CSize szButton, BOOL bImage) {
  const int nGap = TKScaleX(m_bWideIconTextGap ? 4 : 3);
  if (GetControlTextOrientation(pControl) != 1) {
    CSize szCaption;
    int cx;
    if (bImage) {
      CRect rcCaption(rc);
      rcCaption.left += szButton.cx - (m_bWideIconTextGap ? 0 : TKScaleX(1));
      szCaption = DrawControlCaption(pDC, pControl, rcCaption, bDraw, FALSE, FALSE, bDropDown);
      cx = szButton.cx + szCaption.cx + nGap;
    } else {
      szCaption = DrawControlCaption(pDC, pControl, rc, bDraw, FALSE, TRUE, bDropDown);
      cx = szCaption.cx + TKScaleX(8);
    }
    return CSize(cx, std::max<int>(szCaption.cy + TKScaleY(6), szButton.cy));
  }
  // Vertical sizes come across x along the bar.
  if (bImage) {
    CRect rcCaption(rc);
    rcCaption.top += szButton.cy;
    const CSize szCaption = DrawControlCaption(pDC, pControl, rcCaption, bDraw, TRUE, FALSE,
                                               bDropDown);
    return CSize(std::max<int>(szCaption.cx + TKScaleX(6), szButton.cx),
                 szCaption.cy + nGap + szButton.cx);
  }
  const CSize szCaption = DrawControlCaption(pDC, pControl, rc, bDraw, TRUE, TRUE, bDropDown);
  return CSize(std::max<int>(szCaption.cx + TKScaleX(6), szButton.cx),
               szCaption.cy + TKScaleY(8));
}

CSize CTKPaintManagerBase::DrawControlCaption(CDC* pDC, CTKControl* pControl, CRect rc,
                                              BOOL bDraw, BOOL bVertical, BOOL bCentered,
                                              BOOL bDropDown) {
  const CString strCaption = pControl->GetCaption();
  const CString strStripped = StripAmpersands(strCaption);
  if (!bDraw) {
    CSize sz = MeasureCaption(pDC, strStripped);
    if (bDropDown) sz.cx += TKScaleY(10) + (m_bWideIconTextGap ? 0 : TKScaleY(2));
    return bVertical ? CSize(sz.cy, sz.cx) : sz;
  }
  const CSize szText = pDC->GetTextExtent(strStripped);
  const int cxText = szText.cx + (bDropDown ? TKScaleX(5) : 0);
  // The text is placed here; DrawCaptionString must not centre it again.
  if (!bVertical) {
    const int x = bCentered ? rc.left + (rc.Width() - cxText) / 2 : rc.left;
    DrawCaptionString(pDC, pControl, strCaption, strStripped, CRect(x, rc.top, rc.right, rc.bottom),
                      FALSE, FALSE);
    if (bDropDown)
      DrawControlDropDownGlyph(pDC, pControl, CPoint(x + cxText, (rc.top + rc.bottom) / 2), FALSE);
    return CSize(0, 0);
  }
  const int x = rc.right - (rc.Width() - szText.cy + TKScaleX(1)) / 2;
  const int y = bCentered ? rc.top + (TKScaleY(1) + rc.Height() - cxText) / 2 : rc.top;
  DrawCaptionString(pDC, pControl, strCaption, strStripped, CRect(x, y, rc.right, rc.bottom), TRUE,
                    FALSE);
  if (bDropDown) {
    DrawControlDropDownGlyph(pDC, pControl,
                             CPoint((rc.left + rc.right) / 2, y + cxText - TKScaleY(1)), TRUE);
  }
  return CSize(0, 0);
}

void CTKPaintManagerBase::DrawControlDropDownGlyph(CDC* pDC, CTKControl* pControl, CPoint pt,
                                                   BOOL bVertical) {
  const TKControlDrawState state(pControl);
  DrawDropDownGlyph(pDC, pControl, pt, state.nSelected, state.bPopuped, state.IsTextEnabled(),
                    bVertical);
}

void CTKPaintManagerBase::DrawCaptionString(CDC* pDC, CTKControl* pControl,
                                            const CString& strCaption,
                                            const CString& strStripped, CRect rc, BOOL bVertical,
                                            BOOL bCentered) {
  const TKControlDrawState state(pControl);
  const BOOL bEmboss = !state.IsTextEnabled() && m_bEmbossedDisabledText;
  CTKCommandBar* pBar = pControl->GetParent();
  BOOL bCues = pBar == nullptr || pBar->IsKeyboardCuesVisible();
  if (m_nKeyboardCuesOverride == 0 || m_nKeyboardCuesOverride == 1)
    bCues = m_nKeyboardCuesOverride;

  const UINT nCenter = bCentered ? DT_CENTER : 0;
  const UINT nFormat = bVertical ? DT_NOPREFIX | DT_NOCLIP | DT_SINGLELINE | nCenter
                                 : DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | nCenter;
  if (bEmboss) {
    const COLORREF clrText = pDC->SetTextColor(GetIndexedColor(20));
    CRect rcEmboss(rc);
    rcEmboss.OffsetRect(TKScaleX(1), TKScaleY(1));
    pDC->DrawText(strStripped, rcEmboss, nFormat);
    pDC->SetTextColor(clrText);
  }
  if (bVertical) {
    pDC->DrawText(strStripped, rc, nFormat);
  } else if (bCues) {
    DrawTextComposited(pDC, strCaption, rc, DT_SINGLELINE | DT_VCENTER | nCenter,
                       pControl->IsOnGlass());
  } else {
    DrawTextComposited(pDC, strStripped, rc, nFormat, pControl->IsOnGlass());
  }
}

void CTKPaintManagerBase::DrawTextComposited(CDC* pDC, const CString& strText, CRect rc,
                                             UINT nFormat, BOOL bOnGlass) {
  if (!bOnGlass) {
    pDC->DrawText(strText, rc, nFormat);
    return;
  }
  CTKWinThemeWrapper theme(FALSE);
  theme.OpenThemeData(NULL, L"GLOBALS");
  if (!theme.IsThemeOpen()) {
    pDC->DrawText(strText, rc, nFormat);
    return;
  }
  HDC hBufferDC = NULL;
  HPAINTBUFFER hBuffer = theme.BeginBufferedPaint(pDC->GetSafeHdc(), rc, BPBF_TOPDOWNDIB, nullptr,
                                                  &hBufferDC);
  if (hBuffer == NULL) {
    pDC->DrawText(strText, rc, nFormat);
    return;
  }
  if (hBufferDC != NULL) {
    // Glass needs the text's alpha: the style draws it over what lies there.
    ::BitBlt(hBufferDC, rc.left, rc.top, rc.Width(), rc.Height(), pDC->GetSafeHdc(), rc.left,
             rc.top, SRCCOPY);
    HGDIOBJ hOldFont = ::SelectObject(hBufferDC, ::GetCurrentObject(pDC->GetSafeHdc(), OBJ_FONT));
    const int cchWide = ::MultiByteToWideChar(CP_ACP, 0, strText, -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(std::max(cchWide, 1)), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, strText, -1, &wide[0], cchWide);
    DTTOPTS options = {};
    options.dwSize = 64;
    options.dwFlags = DTT_COMPOSITED | DTT_TEXTCOLOR;
    options.crText = pDC->GetTextColor();
    theme.DrawThemeTextEx(hBufferDC, 0, 0, wide.c_str(), -1, nFormat, rc, &options);
    ::SelectObject(hBufferDC, hOldFont);
  }
  theme.EndBufferedPaint(hBuffer, TRUE);
}

CSize CTKPaintManagerBase::DrawControlTextTwoLines(CDC* pDC, CTKControl* pControl, CRect rc,
                                                   BOOL bDraw, BOOL bVertical, BOOL bDropDown) {
  const CString strCaption = pControl->GetCaption();
  CString strLine1 = strCaption;
  CString strLine2;
  if (m_bTwoLineCaptions) SplitCaption(strCaption, strLine1, strLine2);
  const CString strStripped1 = StripAmpersands(strLine1);
  const CString strStripped2 = StripAmpersands(strLine2);
  const int cxDropDown = bDropDown ? TKScaleY(10) : 0;

  if (!bDraw) {
    const CSize sz1 = MeasureCaption(pDC, strStripped1);
    const CSize sz2 = strCaption.IsEmpty() ? sz1 : pDC->GetTextExtent(strStripped2);
    const int cx = std::max<int>(sz1.cx, sz2.cx + cxDropDown);
    if (bVertical) return CSize(TKScaleY(24), cx);
    return CSize(cx, 2 * sz1.cy);
  }

  if (!bVertical) {
    const int yMid = (rc.top + rc.bottom) / 2;
    CRect rcLine1(rc.left, rc.top, rc.right, yMid + 1);
    rcLine1.OffsetRect(0, TKScaleY(2));
    DrawCaptionString(pDC, pControl, strLine1, strStripped1, rcLine1, FALSE, TRUE);
    const int cxLine2 = cxDropDown + pDC->GetTextExtent(strStripped2).cx;
    const int x2 = rc.left + (rc.Width() - cxLine2) / 2;
    if (!strLine2.IsEmpty())
      DrawCaptionString(pDC, pControl, strLine2, strStripped2, CRect(x2, yMid, rc.right, rc.bottom),
                        FALSE, FALSE);
    if (bDropDown) {
      // Below a one-line caption, else after its second line.
      const CPoint pt = strLine2.IsEmpty()
                            ? CPoint((rc.left + rc.right) / 2 - TKScaleX(1),
                                     (yMid + rc.bottom) / 2 + TKScaleY(5))
                            : CPoint(x2 + cxLine2 - TKScaleX(5), (yMid + rc.bottom) / 2);
      DrawControlDropDownGlyph(pDC, pControl, pt, FALSE);
    }
    return CSize(0, 0);
  }

  // Vertical text runs top to bottom: the first line is the right column.
  const int xMid = (rc.left + rc.right) / 2;
  const CRect rcColumn1(xMid, rc.top, rc.right - TKScaleX(1), rc.bottom);
  const CSize sz1 = pDC->GetTextExtent(strStripped1);
  const int x1 = rcColumn1.right - (rcColumn1.Width() - sz1.cy + TKScaleX(1)) / 2;
  const int y1 = rc.top + (TKScaleY(1) + rc.Height() - sz1.cx) / 2;
  DrawCaptionString(pDC, pControl, strLine1, strStripped1,
                    CRect(x1, y1, rcColumn1.right, rc.bottom), TRUE, FALSE);
  const CRect rcColumn2(rc.left + TKScaleX(1), rc.top, xMid + TKScaleX(1), rc.bottom);
  const CSize sz2 = pDC->GetTextExtent(strStripped2);
  const int nLength2 = sz2.cx + cxDropDown;
  const int x2 = rcColumn2.right - (rcColumn2.Width() - sz2.cy + TKScaleX(1)) / 2;
  const int y2 = rc.top + (TKScaleY(1) + rc.Height() - nLength2) / 2;
  DrawCaptionString(pDC, pControl, strLine2, strStripped2,
                    CRect(x2, y2, rcColumn2.right, rc.bottom), TRUE, FALSE);
  if (bDropDown) {
    DrawControlDropDownGlyph(
        pDC, pControl,
        CPoint((rcColumn2.left + rcColumn2.right) / 2 - TKScaleX(2), y2 + nLength2 - TKScaleY(5)),
        TRUE);
  }
  return CSize(0, 0);
}

void AFX_CDECL CTKPaintManagerBase::SplitCaption(const CString& strCaption, CString& strLine1,
                                                 CString& strLine2) {
  strLine1 = strCaption;
  strLine2.Empty();
  if (strCaption.Find(' ', 1) < 0) return;
  const int nLength = strCaption.GetLength();
  const int nMid = nLength / 2;
  for (int i = 0; i < nMid - 1; ++i) {
    int nSplit = -1;
    if (strCaption[nMid - i] == ' ')
      nSplit = nMid - i;
    else if (nMid + i + 1 < nLength && strCaption[nMid + i + 1] == ' ')
      nSplit = nMid + i + 1;
    if (nSplit < 0) continue;
    strLine1 = strCaption.Left(nSplit);
    strLine2 = strCaption.Mid(nSplit + 1);
    return;
  }
}
