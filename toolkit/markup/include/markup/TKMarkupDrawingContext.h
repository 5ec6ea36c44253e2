// CTKMarkupDrawingContext: what measure and render calls carry through the
// element tree: one HDC, the back end chosen for it, the current clip box and
// the selected font.
#pragma once

#include "markup/TKMarkupDeviceContext.h"

class CTKMarkupContext;

/// Lives for one measure or render call. Chooses the GDI+ back end when GDI+
/// runs, the context allows it and the DC is not right-to-left; else GDI.
class CTKMarkupDrawingContext {
 public:
  /// Draws into `hDC`; a null attribute DC means the same DC.
  CTKMarkupDrawingContext(CTKMarkupContext* pContext, HDC hDC, HDC hAttributeDC = nullptr);
  /// Measuring only: an owned memory DC compatible with the screen.
  explicit CTKMarkupDrawingContext(CTKMarkupContext* pContext);
  virtual ~CTKMarkupDrawingContext();
  CTKMarkupDrawingContext(const CTKMarkupDrawingContext&) = delete;
  CTKMarkupDrawingContext& operator=(const CTKMarkupDrawingContext&) = delete;

  /// Layout caches may be reused (this context never disables them).
  virtual BOOL DisablesLayoutCache() { return FALSE; }
  virtual void DrawString(LPCWSTR lpszText, int nLength, const RECT& rc);

  CTKMarkupDeviceContext* GetDeviceContext() const { return m_pDeviceContext; }
  BOOL IsGdiPlus() const { return m_bGdiPlus; }
  const RECT& GetClipBox() const { return m_rcClip; }
  /// The handle of a deferred window positioning that elements hosting
  /// windows add to (null unless the creator set one); the creator ends it.
  HDWP GetDeferWindowPos() const { return m_hDeferWindowPos; }
  void SetDeferWindowPos(HDWP hDefer) { m_hDeferWindowPos = hDefer; }

  CTKMarkupTransformationMatrix* GetTransformationMatrix();
  void SetTransformationMatrix(CTKMarkupTransformationMatrix* pMatrix);
  void OffsetOrigin(const POINT& pt);
  int SetSmoothingMode(int nMode);
  void IntersectClipRect(const RECT& rc);
  HRGN SaveClipRegion();
  void RestoreClipRegion(HRGN hRegion);
  void FillSolidRect(const RECT& rc, COLORREF clr);
  void FillRectangle(const RECT& rc, CTKMarkupBrush* pBrush, const double* pCornerRadius = nullptr);
  void DrawFrame(const RECT& rc, CTKMarkupBrush* pBrush, const CTKMarkupThickness* pThickness,
                 const double* pCornerRadius = nullptr);
  /// A one-pixel frame scaled by the context's DPI.
  void DrawThinFrame(const RECT& rc, CTKMarkupBrush* pBrush);
  void DrawLine(int x1, int y1, int x2, int y2, const MARKUP_STROKE* pStroke);
  void DrawEllipse(const RECT& rc, const MARKUP_STROKE* pStroke, CTKMarkupBrush* pFill);
  void DrawPolyline(const POINT* pPoints, int nCount, const MARKUP_STROKE* pStroke);
  void DrawPolygon(const POINT* pPoints, int nCount, const MARKUP_STROKE* pStroke,
                   CTKMarkupBrush* pFill);
  void DrawPath(const CTKMarkupPathData* pPath, const MARKUP_STROKE* pStroke,
                CTKMarkupBrush* pFill);
  void DrawIconImage(CTKImageManagerIcon* pIcon, const RECT& rc);
  /// A new picture of the back end in use, bound to the site (the caller
  /// deletes it).
  CTKMarkupDeviceDependentImage* CreateDeviceDependentImage(
      ITKMarkupDeviceDependentImageSite* pSite);
  void DrawImage(CTKMarkupDeviceDependentImage* pImage, const RECT& rc);
  /// Nothing when the font is already selected; null deselects.
  void SetFont(CTKMarkupFont* pFont);
  CTKMarkupFont* GetFont() const { return m_pFont; }
  SIZE GetTextExtent(LPCWSTR lpszText, int nLength);
  void SetTextColor(CTKMarkupBrush* pBrush);
  HDC GetDC();
  void ReleaseDC(HDC hDC);

 private:
  HDC m_hDC;
  HDC m_hAttributeDC;
  CTKMarkupFont* m_pFont;
  RECT m_rcClip;
  BOOL m_bOwnsDC;
  BOOL m_bGdiPlus;
  CTKMarkupDeviceContext* m_pDeviceContext;
  CTKMarkupContext* m_pContext;
  int m_nSmoothingParameter;
  HDWP m_hDeferWindowPos = nullptr;

  void CreateBackEnd();
  void RefreshClipBox();
};
