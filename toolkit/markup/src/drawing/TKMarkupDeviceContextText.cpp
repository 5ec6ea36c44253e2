// CTKMarkupDeviceContext: text output, laid out in the attribute DC's
// character cells when that DC is not the output DC.
#include "markup/TKMarkupDeviceContext.h"

namespace {

// A character's advance on a DC without its overhang. ASCII is measured by
// its byte; other characters by their code point, since the low byte of a
// wide character names another glyph in the ANSI code page.
int MeasureChar(HDC hDC, const TEXTMETRICA& tm, WCHAR ch) {
  INT nWidth = 0;
  const BOOL bMeasured =
      ch < 0x80 ? GetCharWidthA(hDC, ch, ch, &nWidth) : GetCharWidth32W(hDC, ch, ch, &nWidth);
  if (!bMeasured) nWidth = tm.tmAveCharWidth;
  return nWidth - tm.tmOverhang;
}

}  // namespace

void CTKMarkupDeviceContext::ComputeCharWidths(LPCWSTR lpszText, int nCount, int& x,
                                               std::wstring& strOutput,
                                               std::vector<INT>& advances) {
  TEXTMETRICA tmAttribute = {}, tmOutput = {};
  GetTextMetricsA(m_hAttributeDC, &tmAttribute);
  GetTextMetricsA(m_hDC, &tmOutput);
  const UINT nAlign = GetTextAlign(m_hAttributeDC);
  POINT ptCurrent = {x, 0};
  if (nAlign & TA_UPDATECP) GetCurrentPositionEx(m_hDC, &ptCurrent);
  const int nStart = ptCurrent.x;
  // Shifts go onto the previous glyph's advance, or before the first glyph.
  int nLeading = 0;
  auto shiftPrevious = [&](int nShift) {
    if (advances.empty())
      nLeading += nShift;
    else
      advances.back() += nShift;
  };
  int nPosition = nStart;
  int nRunStart = 0, nRunStartPosition = nStart;
  for (int i = 0; i < nCount; ++i) {
    const WCHAR ch = lpszText[i];
    if (ch == static_cast<BYTE>(tmAttribute.tmBreakChar)) {
      // A word ends: its measured extent (kerning included) corrects the
      // summed cell widths, and the break's own width becomes space.
      SIZE size = {0, 0};
      GetTextExtentPoint32W(m_hAttributeDC, lpszText + nRunStart, i - nRunStart + 1, &size);
      const int nEnd = nRunStartPosition + size.cx - tmAttribute.tmOverhang;
      shiftPrevious(nEnd - nPosition);
      nPosition = nEnd;
      nRunStart = i + 1;
      nRunStartPosition = nEnd;
      continue;
    }
    const int nCell = MeasureChar(m_hAttributeDC, tmAttribute, ch);
    const int nGlyph = MeasureChar(m_hDC, tmOutput, ch);
    // Half the spare room goes before the glyph, centring it in its cell.
    const int nShift = (nCell - nGlyph) / 2;
    shiftPrevious(nShift);
    strOutput.push_back(ch);
    advances.push_back(nCell - nShift);
    nPosition += nCell;
  }
  // Right alignment needs no leading offset: the advances end at the cell
  // ends already.
  switch (nAlign & (TA_LEFT | TA_RIGHT | TA_CENTER)) {
    case TA_CENTER:
      x = nStart + nLeading / 2;
      break;
    case TA_RIGHT:
      x = nStart;
      break;
    default:
      x = nStart + nLeading;
      break;
  }
  if (nAlign & TA_UPDATECP) MoveToEx(m_hDC, x, ptCurrent.y, nullptr);
}

void CTKMarkupDeviceContext::DrawString(LPCWSTR lpszText, int nCount, const RECT& rc) {
  if (lpszText == nullptr || nCount <= 0) return;
  if (m_hDC == m_hAttributeDC) {
    ExtTextOutW(m_hDC, rc.left, rc.top, 0, &rc, lpszText, nCount, nullptr);
    return;
  }
  int x = rc.left;
  std::wstring strOutput;
  std::vector<INT> advances;
  ComputeCharWidths(lpszText, nCount, x, strOutput, advances);
  if (strOutput.empty()) return;
  ExtTextOutW(m_hDC, x, rc.top, 0, &rc, strOutput.data(), static_cast<UINT>(strOutput.size()),
              advances.data());
}
