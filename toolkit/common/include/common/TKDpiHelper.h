// Scaling of the toolkit's 96-DPI design values to the screen and back.
#pragma once

#include <afx.h>

/// Turns design values (pixels at 96 DPI) into pixels of a DC's resolution and
/// back. It never shrinks: at 96 DPI or below every value passes unchanged.
/// The DPI pair is read on first use and fixed for the helper's life; values
/// in -256..256 come from tables built then. Every operation takes the design
/// DPI (callers pass 96), which only decides whether scaling happens at all:
/// the factor is always DPI / 96.
class CTKDpiHelper {
 public:
  /// On the screen DC.
  CTKDpiHelper();
  /// On the window's DC (no DC, and so no scaling, for a window that is gone).
  explicit CTKDpiHelper(HWND hWnd);
  ~CTKDpiHelper();
  CTKDpiHelper(const CTKDpiHelper&) = delete;
  CTKDpiHelper& operator=(const CTKDpiHelper&) = delete;

  /// Reads the pair from the DC and builds the tables, once.
  void SetDpi();
  /// Test seam: fixes the pair (both above 0) and rebuilds the tables. Tests
  /// call TKDpiHelper()->OverrideDpi(120, 120) and restore 96 afterwards.
  void OverrideDpi(int nDpiX, int nDpiY);

  int GetDpiX();
  int GetDpiY();
  BOOL IsDefaultDpiX();
  BOOL IsDefaultDpiY();
  BOOL IsDefaultDpi();

  int ScaleX(int nValue, int nDesignDpi = 96);
  int ScaleY(int nValue, int nDesignDpi = 96);
  float ScaleXFloat(float fValue, int nDesignDpi = 96);
  float ScaleYFloat(float fValue, int nDesignDpi = 96);
  double ScaleXDouble(double dValue, int nDesignDpi = 96);
  double ScaleYDouble(double dValue, int nDesignDpi = 96);
  /// value * 96 / DPI, truncated towards zero.
  int UnscaleX(int nValue, int nDesignDpi = 96);
  int UnscaleY(int nValue, int nDesignDpi = 96);

  // Rectangles: left and right through X, top and bottom through Y.
  void ScaleRectInPlace(RECT& rc, int nDesignDpi = 96);
  void UnscaleRectInPlace(RECT& rc, int nDesignDpi = 96);
  void ScaledRectCopy(RECT& rcDest, const RECT& rcSrc, int nDesignDpi = 96);
  void UnscaledRectCopy(RECT& rcDest, const RECT& rcSrc, int nDesignDpi = 96);
  void ScaleRectTo(RECT& rcOut, const RECT& rc, int nDesignDpi = 96);
  void UnscaleRectTo(RECT& rcOut, const RECT& rc, int nDesignDpi = 96);
  void ScaleRectAsRECT(LPRECT lprcOut, const RECT& rc, int nDesignDpi = 96);
  void UnscaleRectAsRECT(LPRECT lprcOut, const RECT& rc, int nDesignDpi = 96);
  CRect ScaleRect(const RECT& rc, int nDesignDpi = 96);
  CRect UnscaleRect(const RECT& rc, int nDesignDpi = 96);

  // Sizes and points: cx and x through X, cy and y through Y.
  void ScaleSizeInPlace(SIZE& size, int nDesignDpi = 96);
  void ScaleSizeInPlace(POINT& pt, int nDesignDpi = 96);
  void UnscaleSizeInPlace(SIZE& size, int nDesignDpi = 96);
  void UnscaleSizeInPlace(POINT& pt, int nDesignDpi = 96);
  void ScaledSizeCopy(SIZE& sizeDest, const SIZE& sizeSrc, int nDesignDpi = 96);
  void ScaledSizeCopy(POINT& ptDest, const POINT& ptSrc, int nDesignDpi = 96);
  void UnscaledSizeCopy(SIZE& sizeDest, const SIZE& sizeSrc, int nDesignDpi = 96);
  void UnscaledSizeCopy(POINT& ptDest, const POINT& ptSrc, int nDesignDpi = 96);
  CSize ScaledSizeValue(const SIZE& size, int nDesignDpi = 96);
  CPoint ScaledSizeValue(const POINT& pt, int nDesignDpi = 96);
  CSize UnscaledSizeValue(const SIZE& size, int nDesignDpi = 96);
  CPoint UnscaledSizeValue(const POINT& pt, int nDesignDpi = 96);
  CSize ScaleSize(const SIZE& size, int nDesignDpi = 96);
  CPoint ScalePoint(const POINT& pt, int nDesignDpi = 96);
  CSize UnscaleSize(const SIZE& size, int nDesignDpi = 96);
  CSize UnscaleSizeTo(const SIZE& size, int nDesignDpi = 96);

 private:
  void Init(HWND hWnd);
  void BuildTables();
  int Scale(int nValue, int nDesignDpi, int nDpi, int nColumn);
  int Unscale(int nValue, int nDesignDpi, int nDpi);

  enum { kTableSize = 257 };

  BOOL m_bFixed;
  BOOL m_bScreen;
  HDC m_hDC;
  HWND m_hWnd;
  BOOL m_bRelease;
  int m_nDpiX;
  int m_nDpiY;
  int m_arrPositive[kTableSize][2];
  int m_arrNegative[kTableSize][2];
};

/// The process-wide helper on the screen DC, made on first use.
CTKDpiHelper* TKDpiHelper();
