// CTKMarkupGdiPlusDeviceContext: the anti-aliased, alpha-aware back end of
// the markup drawing interface, drawing through GDI+ bound at run time.
#pragma once

#include "TKMarkupDedicatedDC.h"
#include "markup/TKMarkupDeviceContext.h"
#include "TKMarkupGdiPlusApi.h"

/// Owns its graphics object unless borrowed. Quality follows the markup
/// smoothing modes 0 to 4. Used on the rendering thread only.
class CTKMarkupGdiPlusDeviceContext : public CTKMarkupDeviceContext {
 public:
  CTKMarkupGdiPlusDeviceContext(Gdiplus::GpGraphics* pGraphics, BOOL bBorrowed);
  ~CTKMarkupGdiPlusDeviceContext() override;

  /// The world transform as a new CTKMarkupGdiPlusTransformationMatrix, or
  /// null when GDI+ cannot make one.
  CTKMarkupTransformationMatrix* GetTransformationMatrix() override;
  /// Installs a GDI+ matrix as the world transform; other matrices are
  /// ignored.
  void SetTransformationMatrix(CTKMarkupTransformationMatrix* pMatrix) override;
  void OffsetViewport(const POINT& pt) override;
  int SetSmoothingMode(int nMode, BOOL bText) override;
  /// An off-screen 32-bit bitmap of the rectangle's size whose HDC draws at
  /// the bitmap's origin; Commit draws it onto the graphics at the rectangle.
  CTKMarkupDedicatedDC* CreateDedicatedDC(const RECT& rc) override;
  void DrawEllipse(const RECT& rc, const MARKUP_STROKE* pStroke, CTKMarkupBrush* pFill) override;
  /// Bands without doubled corners, so translucent borders stay even.
  void DrawRectangle(const RECT& rc, CTKMarkupBrush* pBrush,
                     const CTKMarkupThickness* pThickness) override;
  void FillRectangle(const RECT& rc, CTKMarkupBrush* pBrush) override;
  void DrawLine(int x1, int y1, int x2, int y2, const MARKUP_STROKE* pStroke) override;
  void Polyline(const POINT* pPoints, int nCount, const MARKUP_STROKE* pStroke) override;
  void Polygon(const POINT* pPoints, int nCount, const MARKUP_STROKE* pStroke,
               CTKMarkupBrush* pFill) override;
  void DrawPath(const CTKMarkupPathData* pPath, const MARKUP_STROKE* pStroke,
                CTKMarkupBrush* pFill) override;
  /// Converts the icon into a bitmap that owns its pixels.
  void DrawIconImage(CTKImageManagerIcon* pIcon, const RECT& rc) override;
  /// A picture GDI+ decodes (animated ones included).
  CTKMarkupDeviceDependentImage* CreateDeviceDependentImage(
      ITKMarkupDeviceDependentImageSite* pSite) override;
  void DrawImage(CTKMarkupDeviceDependentImage* pImage, const RECT& rc) override;
  /// Without a trailing blank.
  void DrawString(LPCWSTR lpszText, int nCount, const RECT& rc) override;
  SIZE GetTextExtent(LPCWSTR lpszText, int nCount) override;
  /// A null brush leaves no text brush: text is then not drawn.
  void SetTextColor(CTKMarkupBrush* pBrush) override;
  void SetFont(CTKMarkupFont* pFont) override;
  void IntersectClipRect(const RECT& rc) override;
  void GetClipBox(RECT* pRect) override;
  HRGN SaveClipRegion() override;
  void RestoreClipRegion(HRGN hRegion) override;
  HDC GetDC() override;
  void ReleaseDC(HDC hDC) override;

  /// A markup colour (0xAABBGGRR) as GDI+ ARGB.
  static Gdiplus::ARGB ToArgb(DWORD clrValue);
  /// The icon's normal image as a bitmap that owns its pixels (nothing in it
  /// points into the icon), or null; the caller disposes it. An icon without
  /// alpha channel gets its mask as transparency.
  Gdiplus::GpBitmap* IconToBitmap(CTKImageManagerIcon* pIcon);

 private:
  class DedicatedDC : public CTKMarkupDedicatedDC {
   public:
    DedicatedDC(CTKMarkupGdiPlusDeviceContext* pOwner, const RECT& rc);
    ~DedicatedDC() override;
    /// Null when the bitmap, its graphics or its HDC could not be made.
    HDC GetDC() override;
    void Commit() override;

   private:
    CTKMarkupGdiPlusDeviceContext* m_pGdiPlusOwner;
    Gdiplus::GpBitmap* m_pBitmap;
    Gdiplus::GpGraphics* m_pBitmapGraphics;
    HDC m_hBitmapDC;
  };

  Gdiplus::PixelOffsetMode m_nPixelOffset;
  Gdiplus::SmoothingMode m_nSmoothing;
  Gdiplus::InterpolationMode m_nInterpolation;
  Gdiplus::TextRenderingHint m_nTextHint;
  CTKMarkupGdiPlusApi* m_pApi;
  BOOL m_bBorrowed;
  Gdiplus::GpGraphics* m_pGraphics;
  Gdiplus::GpFont* m_pFont;
  BOOL m_bOwnsFont;  // else the markup font's own, which it keeps
  Gdiplus::GpBrush* m_pTextBrush;
  BOOL m_bSolidText;  // m_pTextBrush is a solid fill of m_argbText
  Gdiplus::ARGB m_argbText;
  Gdiplus::GpStringFormat* m_pStringFormat;

  Gdiplus::GpFont* GetFont();
  Gdiplus::GpBrush* MakeBrush(CTKMarkupBrush* pBrush, const RECT& rc);
  Gdiplus::GpPen* MakePen(const MARKUP_STROKE* pStroke, const RECT& rc);
  void ApplyQuality();
  /// A bitmap GDI+ allocates, filled with 32-bit rows `nRowStep` bytes apart.
  Gdiplus::GpBitmap* NewBitmap(int nWidth, int nHeight, Gdiplus::PixelFormat nFormat,
                               const BYTE* pFirstRow, ptrdiff_t nRowStep);
  Gdiplus::GpBitmap* AlphaBitmapToBitmap(HBITMAP hBitmap);
  Gdiplus::GpBitmap* HiconToBitmap(HICON hIcon);
};
