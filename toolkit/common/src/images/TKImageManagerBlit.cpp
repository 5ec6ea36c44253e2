// The image manager's two blits: msimg32 where it can be trusted, else the
// toolkit's own fallbacks.
#include "common/TKImageManager.h"

#include "common/TKBitmapFunctions.h"

#include "common/TKDrawHelpers.h"
#include "common/TKOSVersionHelper.h"

BOOL CTKImageManager::TransparentBlt(HDC hdcDest, const CRect& rcDest, HDC hdcSrc,
                                     const CRect& rcSrc, COLORREF crKey) {
  CTKDrawHelpers::PFNTRANSPARENTBLT pfn = TKDrawHelpers()->m_pfnTransparentBlt;
  if (pfn == NULL || !TKOSVersionHelper()->IsWin2KOrGreater())
    return TransparentBltFallback(hdcDest, rcDest, hdcSrc, rcSrc, crKey);
  return pfn(hdcDest, rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(), hdcSrc, rcSrc.left,
             rcSrc.top, rcSrc.Width(), rcSrc.Height(), crKey);
}

BOOL CTKImageManager::AlphaBlend(HDC hdcDest, const CRect& rcDest, HDC hdcSrc, const CRect& rcSrc) {
  CTKDrawHelpers::PFNALPHABLEND pfn = TKDrawHelpers()->m_pfnAlphaBlend;
  CTKOSVersionHelper* pVersion = TKOSVersionHelper();
  const bool bRtlOn9x = IsHdcRightToLeft(hdcDest) && pVersion->IsWin9x();
  // Before Windows 2000 AlphaBlend mishandles source offsets and negative destinations.
  const bool bEarly =
      !pVersion->IsWin2KOrGreater() && (rcSrc.left != 0 || rcSrc.top != 0 || rcDest.top < 0);
  if (pfn == NULL || bRtlOn9x || bEarly) return AlphaBlendFallback(hdcDest, rcDest, hdcSrc, rcSrc);
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  return pfn(hdcDest, rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(), hdcSrc, rcSrc.left,
             rcSrc.top, rcSrc.Width(), rcSrc.Height(), blend);
}
