// The rectangle, size and point forms of the DPI helper's scaling.
#include "common/TKDpiHelper.h"

void CTKDpiHelper::ScaleRectInPlace(RECT& rc, int nDesignDpi) {
  rc.left = ScaleX(rc.left, nDesignDpi);
  rc.right = ScaleX(rc.right, nDesignDpi);
  rc.top = ScaleY(rc.top, nDesignDpi);
  rc.bottom = ScaleY(rc.bottom, nDesignDpi);
}

void CTKDpiHelper::UnscaleRectInPlace(RECT& rc, int nDesignDpi) {
  rc.left = UnscaleX(rc.left, nDesignDpi);
  rc.right = UnscaleX(rc.right, nDesignDpi);
  rc.top = UnscaleY(rc.top, nDesignDpi);
  rc.bottom = UnscaleY(rc.bottom, nDesignDpi);
}

void CTKDpiHelper::ScaledRectCopy(RECT& rcDest, const RECT& rcSrc, int nDesignDpi) {
  rcDest = rcSrc;
  ScaleRectInPlace(rcDest, nDesignDpi);
}

void CTKDpiHelper::UnscaledRectCopy(RECT& rcDest, const RECT& rcSrc, int nDesignDpi) {
  rcDest = rcSrc;
  UnscaleRectInPlace(rcDest, nDesignDpi);
}

void CTKDpiHelper::ScaleRectTo(RECT& rcOut, const RECT& rc, int nDesignDpi) {
  ScaledRectCopy(rcOut, rc, nDesignDpi);
}

void CTKDpiHelper::UnscaleRectTo(RECT& rcOut, const RECT& rc, int nDesignDpi) {
  UnscaledRectCopy(rcOut, rc, nDesignDpi);
}

void CTKDpiHelper::ScaleRectAsRECT(LPRECT lprcOut, const RECT& rc, int nDesignDpi) {
  CRect scaled = ScaleRect(rc, nDesignDpi);
  ::CopyRect(lprcOut, &scaled);
}

void CTKDpiHelper::UnscaleRectAsRECT(LPRECT lprcOut, const RECT& rc, int nDesignDpi) {
  CRect unscaled = UnscaleRect(rc, nDesignDpi);
  ::CopyRect(lprcOut, &unscaled);
}

CRect CTKDpiHelper::ScaleRect(const RECT& rc, int nDesignDpi) {
  CRect result(rc);
  ScaleRectInPlace(result, nDesignDpi);
  return result;
}

CRect CTKDpiHelper::UnscaleRect(const RECT& rc, int nDesignDpi) {
  CRect result(rc);
  UnscaleRectInPlace(result, nDesignDpi);
  return result;
}

void CTKDpiHelper::ScaleSizeInPlace(SIZE& size, int nDesignDpi) {
  size.cx = ScaleX(size.cx, nDesignDpi);
  size.cy = ScaleY(size.cy, nDesignDpi);
}

void CTKDpiHelper::ScaleSizeInPlace(POINT& pt, int nDesignDpi) {
  pt.x = ScaleX(pt.x, nDesignDpi);
  pt.y = ScaleY(pt.y, nDesignDpi);
}

void CTKDpiHelper::UnscaleSizeInPlace(SIZE& size, int nDesignDpi) {
  size.cx = UnscaleX(size.cx, nDesignDpi);
  size.cy = UnscaleY(size.cy, nDesignDpi);
}

void CTKDpiHelper::UnscaleSizeInPlace(POINT& pt, int nDesignDpi) {
  pt.x = UnscaleX(pt.x, nDesignDpi);
  pt.y = UnscaleY(pt.y, nDesignDpi);
}

void CTKDpiHelper::ScaledSizeCopy(SIZE& sizeDest, const SIZE& sizeSrc, int nDesignDpi) {
  sizeDest = sizeSrc;
  ScaleSizeInPlace(sizeDest, nDesignDpi);
}

void CTKDpiHelper::ScaledSizeCopy(POINT& ptDest, const POINT& ptSrc, int nDesignDpi) {
  ptDest = ptSrc;
  ScaleSizeInPlace(ptDest, nDesignDpi);
}

void CTKDpiHelper::UnscaledSizeCopy(SIZE& sizeDest, const SIZE& sizeSrc, int nDesignDpi) {
  sizeDest = sizeSrc;
  UnscaleSizeInPlace(sizeDest, nDesignDpi);
}

void CTKDpiHelper::UnscaledSizeCopy(POINT& ptDest, const POINT& ptSrc, int nDesignDpi) {
  ptDest = ptSrc;
  UnscaleSizeInPlace(ptDest, nDesignDpi);
}

CSize CTKDpiHelper::ScaledSizeValue(const SIZE& size, int nDesignDpi) {
  CSize result(size);
  ScaleSizeInPlace(result, nDesignDpi);
  return result;
}

CPoint CTKDpiHelper::ScaledSizeValue(const POINT& pt, int nDesignDpi) {
  CPoint result(pt);
  ScaleSizeInPlace(result, nDesignDpi);
  return result;
}

CSize CTKDpiHelper::UnscaledSizeValue(const SIZE& size, int nDesignDpi) {
  CSize result(size);
  UnscaleSizeInPlace(result, nDesignDpi);
  return result;
}

CPoint CTKDpiHelper::UnscaledSizeValue(const POINT& pt, int nDesignDpi) {
  CPoint result(pt);
  UnscaleSizeInPlace(result, nDesignDpi);
  return result;
}

CSize CTKDpiHelper::ScaleSize(const SIZE& size, int nDesignDpi) {
  return ScaledSizeValue(size, nDesignDpi);
}

CPoint CTKDpiHelper::ScalePoint(const POINT& pt, int nDesignDpi) {
  return ScaledSizeValue(pt, nDesignDpi);
}

CSize CTKDpiHelper::UnscaleSize(const SIZE& size, int nDesignDpi) {
  return UnscaledSizeValue(size, nDesignDpi);
}

CSize CTKDpiHelper::UnscaleSizeTo(const SIZE& size, int nDesignDpi) {
  return UnscaledSizeValue(size, nDesignDpi);
}
