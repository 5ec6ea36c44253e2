// CTKPaintManagerBase: the bar fonts and the metrics that follow from them.
#include <algorithm>

#include "common/TKDpiHelper.h"
#include "common/TKDrawHelpers.h"
#include "common/TKOSVersionHelper.h"
#include "common/TKResourceManager.h"
#include "common/TKScopedHandle.h"
#include "themes/TKPaintManagerBase.h"

namespace {

CTKPaintManagerBase::PFNGETNONCLIENTMETRICS g_pfnGetNonClientMetrics = nullptr;

}  // namespace

BOOL AFX_CDECL CTKPaintManagerBase::ReadNonClientMetrics(NONCLIENTMETRICS* pMetrics) {
  memset(pMetrics, 0, sizeof(*pMetrics));
  // The size without iPaddedBorderWidth: older systems refuse the longer one.
  pMetrics->cbSize = 340;
  if (g_pfnGetNonClientMetrics != nullptr) return g_pfnGetNonClientMetrics(pMetrics);
  return ::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 340, pMetrics, 0);
}

namespace {

int SplitArrowWidthFor(int nValue) {
  const int nHalf = abs(nValue) / 2;
  return TKDpiHelper()->ScaleY(nHalf > 11 ? nHalf : 11);
}

int SplitDropDownHeightFor(int nValue) { return (TKDpiHelper()->ScaleY(2) + abs(nValue)) * 2; }

}  // namespace

void AFX_CDECL CTKPaintManagerBase::SetNonClientMetricsSource(PFNGETNONCLIENTMETRICS pfnGet) {
  g_pfnGetNonClientMetrics = pfnGet;
}

BOOL CTKPaintManagerBase::ClearTypeApplies() const {
  return m_bClearTypeFonts && TKOSVersionHelper()->IsClearTypeTextQualitySupported();
}

void CTKPaintManagerBase::RefreshStandardFonts() {
  NONCLIENTMETRICS ncm;
  if (!ReadNonClientMetrics(&ncm)) return;
  const BYTE nCharSet = TKResourceManager()->GetFontCharSet();
  const BOOL bClearType = ClearTypeApplies();

  if (m_bUseStandardFont) {
    LOGFONT lf = ncm.lfMenuFont;
    // Menu fonts of a few pixels are unreadable on a bar; -10 is the floor.
    if (lf.lfHeight < 0 && lf.lfHeight > -10) lf.lfHeight = -10;
    if (bClearType) lf.lfQuality = 5;
    lf.lfCharSet = nCharSet;
    if (m_nFontHeight > 0) lf.lfHeight = -m_nFontHeight;
    const int nHeight = abs(static_cast<int>(lf.lfHeight));
    m_nTextHeight = std::max(10, 110 * nHeight / 96);
    m_nControlHeight = std::max(18, 190 * nHeight / 96);
    m_nSplitArrowWidth = SplitArrowWidthFor(m_nTextHeight);
    m_nSplitDropDownHeight = SplitDropDownHeightFor(nHeight);
    CreateCommandBarFonts(&lf, TRUE);
  }

  LOGFONT lfIcon = {};
  if (GetIconTitleFont(&lfIcon)) {
    lfIcon.lfCharSet = nCharSet;
    if (bClearType) lfIcon.lfQuality = 5;
    m_fontIconTitle.SetStandardFont(&lfIcon);
    lfIcon.lfWeight = FW_BOLD;
    m_fontIconTitleBold.SetStandardFont(&lfIcon);
  }
  LOGFONT lfSmall = ncm.lfSmCaptionFont;
  LOGFONT lfStatus = ncm.lfStatusFont;
  lfSmall.lfCharSet = lfStatus.lfCharSet = nCharSet;
  if (bClearType) lfSmall.lfQuality = lfStatus.lfQuality = 5;
  m_fontSmallCaption.SetStandardFont(&lfSmall);
  m_fontStatus.SetStandardFont(&lfStatus);
}

void CTKPaintManagerBase::CreateCommandBarFonts(LOGFONT* pLogFont, BOOL bUseStandardFont) {
  m_bUseStandardFont = bUseStandardFont;
  if (pLogFont == nullptr) return;
  if (ClearTypeApplies()) pLogFont->lfQuality = 5;

  m_fontRegular.DeleteObject();
  m_fontBold.DeleteObject();
  m_fontVert.DeleteObject();
  m_fontVertBold.DeleteObject();
  m_fontIconTitleBold.DeleteObject();

  if (m_strFontFace.CompareNoCase(pLogFont->lfFaceName) == 0) m_bFontFaceMatched = TRUE;
  if (!m_strFontFace.IsEmpty() && FontExists(m_strFontFace) && m_bFontFaceMatched &&
      bUseStandardFont)
    lstrcpynA(pLogFont->lfFaceName, m_strFontFace, LF_FACESIZE);

  LOGFONT lf = *pLogFont;
  m_fontRegular.CreateFontIndirect(&lf);
  lf.lfWeight = FW_BOLD;
  m_fontBold.CreateFontIndirect(&lf);

  lf = *pLogFont;
  lf.lfEscapement = 2700;
  lf.lfOrientation = 900;
  lstrcpynA(lf.lfFaceName, GetDefaultFontFaceName(m_bFontFaceMatched), LF_FACESIZE);
  m_fontVert.CreateFontIndirect(&lf);
  lf.lfWeight = FW_BOLD;
  m_fontVertBold.CreateFontIndirect(&lf);

  CWindowDC dc(NULL);
  CTKSelectGuard font(dc.GetSafeHdc(), m_fontRegular.GetSafeHandle());
  m_nTextHeight = dc.GetTextExtent(" ", 1).cy + TKDpiHelper()->ScaleY(6);
}

CSize CTKPaintManagerBase::GetAutoIconSize(BOOL bLarge) const {
  if (!m_bAutoScaleIcons) return bLarge ? CSize(32, 32) : CSize(16, 16);
  CTKDpiHelper* pDpi = TKDpiHelper();
  int n = GetClampedControlHeight() - pDpi->ScaleY(4);
  if (bLarge) n *= 2;
  n /= 8;
  if (n < pDpi->ScaleY(2)) n = pDpi->ScaleY(2);
  return CSize(n * 8, n * 8);
}
