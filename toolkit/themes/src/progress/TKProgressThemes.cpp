// The image and flat looks of progress bars.
#include "themes/TKProgressThemes.h"

#include <algorithm>

#include "commandbars/TKProgressBase.h"
#include "common/TKDpiHelper.h"
#include "common/TKResourceImage.h"
#include "common/TKResourceImages.h"

namespace {
const COLORREF kMagenta = 0x00FF00FF;
/// The chunk image's columns that draw the bar's leading edge.
const int kEdgeColumns = 4;
}  // namespace

CTKProgressResourceTheme::CTKProgressResourceTheme(CTKPaintManager* pOwner)
    : CTKProgressPaintManager(pOwner) {
  m_cyProgress = TKDpiHelper()->ScaleY(12);
}

void CTKProgressResourceTheme::DrawProgress(CDC* pDC, CTKProgressBase* pProgress) {
  CTKResourceImages* pImages = TKResourceImages();
  if (!pImages->IsLoaded()) return;
  CTKResourceImage* pTrack = pImages->LoadImage("PROGRESSTRACK");
  if (pTrack == nullptr) return;
  const CRect rc = pProgress->GetProgressRect();
  const CRect rcMargins(2, 2, 2, 2);
  pTrack->DrawImageTransparent(pDC, rc, CRect(CPoint(0, 0), pTrack->GetExtent()), rcMargins,
                               kMagenta);

  CTKDpiHelper* pDpi = TKDpiHelper();
  CRect rcInner(rc);
  rcInner.DeflateRect(pDpi->ScaleX(2), pDpi->ScaleY(2));
  int nMin = 0, nMax = 0;
  pProgress->GetRange(nMin, nMax);
  CTKResourceImage* pChunk = pImages->LoadImage("PROGRESSCHUNK");
  if (pChunk == nullptr || nMax <= nMin) return;
  const int nFilled = CalcFilledWidth(pProgress, rcInner.Width());

  const int cxImage = pChunk->GetWidth(), cyImage = pChunk->GetHeight();
  CRect rcSrc(0, 0, std::max(cxImage - kEdgeColumns, 0), cyImage);
  // Narrower than the chunk: its right-hand end, not a squeezed copy.
  if (nFilled < pDpi->ScaleX(rcSrc.Width())) rcSrc.left = std::max<LONG>(rcSrc.right - nFilled, 0);
  const int xDone = rcInner.left + nFilled;
  if (nFilled > 0)
    pChunk->DrawImageTransparent(pDC, CRect(rcInner.left, rcInner.top, xDone, rcInner.bottom),
                                 rcSrc, rcMargins, kMagenta);

  if (xDone >= rcInner.right - pDpi->ScaleX(1)) return;
  const int cxEdge = std::min<int>(pDpi->ScaleX(kEdgeColumns), rcInner.right - xDone);
  const int xEdgeSrc = std::max(cxImage - kEdgeColumns, 0);
  const CRect rcEdgeSrc(xEdgeSrc, 0, std::min(xEdgeSrc + cxEdge, cxImage), cyImage);
  pChunk->DrawImageTransparent(pDC, CRect(xDone, rcInner.top, xDone + cxEdge, rcInner.bottom),
                               rcEdgeSrc, CRect(0, 2, 0, 2), kMagenta);
}

void CTKProgressThemeOffice2013::RefreshMetrics() {
  static const char kSection[] = "CommandBars.ProgressBar";
  m_clrBorder.SetStandardValue(GetThemeIniColor(kSection, "Border", 0x00BCBCBC));
  m_clrBar.SetStandardValue(GetThemeIniColor(kSection, "Bar", 0x0025B006));
  m_clrBack.SetStandardValue(GetThemeIniColor(kSection, "Back", 0x00E6E6E6));
}

void CTKProgressThemeOffice2013::DrawProgress(CDC* pDC, CTKProgressBase* pProgress) {
  // Device pixels here, not scaled ones.
  DrawFlatProgress(pDC, pProgress, CSize(2, 2), 2, m_clrBack, m_clrBorder, m_clrBar);
}
