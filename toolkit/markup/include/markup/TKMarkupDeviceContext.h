// CTKMarkupDeviceContext: the drawing interface under the markup drawing
// context, and its plain GDI implementation (opaque colours, gradients
// composed in a bitmap). The GDI+ back end derives from it.
#pragma once

#include "afxwin.h"

#include "markup/TKMarkupPathData.h"

#include <string>
#include <vector>

class CTKImageManagerIcon;
class CTKMarkupBrush;
class CTKMarkupDedicatedDC;
class CTKMarkupDeviceDependentImage;
class CTKMarkupDoubleCollection;
class CTKMarkupFont;
class CTKMarkupThickness;
class CTKMarkupTransformationMatrix;
class ITKMarkupDeviceDependentImageSite;

/// How shapes are outlined. A thickness of 0 or less (or no brush) draws no
/// outline. Caps and joins use GDI+ numbering (flat 0, square 1, round 2,
/// triangle 3; miter 0, bevel 1, round 2); GDI uses thickness and brush only.
struct MARKUP_STROKE {
  int nThickness;
  CTKMarkupBrush* pBrush;
  CTKMarkupDoubleCollection* pDashArray;
  int nStartCap;
  int nEndCap;
  int nLineJoin;
};

/// Draws in logical units of the current origin; coordinates arrive in
/// device pixels, already DPI-scaled. Corner radii are eight doubles:
/// top-left vertical, top-left horizontal, top-right horizontal, top-right
/// vertical, bottom-right vertical, bottom-right horizontal, bottom-left
/// horizontal, bottom-left vertical. A null brush, stroke, thickness or
/// radii draws nothing (or the plain variant). Used on one thread.
class CTKMarkupDeviceContext {
 public:
  /// `hAttributeDC` measures text; null means the output DC.
  CTKMarkupDeviceContext(HDC hDC, HDC hAttributeDC);
  virtual ~CTKMarkupDeviceContext();
  CTKMarkupDeviceContext(const CTKMarkupDeviceContext&) = delete;
  CTKMarkupDeviceContext& operator=(const CTKMarkupDeviceContext&) = delete;

  /// A new matrix the caller deletes; GDI has no world transform (null).
  virtual CTKMarkupTransformationMatrix* GetTransformationMatrix() { return nullptr; }
  virtual void SetTransformationMatrix(CTKMarkupTransformationMatrix*) {}
  virtual void OffsetViewport(const POINT& pt);
  /// Returns the previous mode; GDI keeps its stored mode (0).
  virtual int SetSmoothingMode(int nMode, BOOL bText);
  /// A real HDC for the rectangle (current coordinates) that the caller
  /// deletes; GDI's is the output DC itself.
  virtual CTKMarkupDedicatedDC* CreateDedicatedDC(const RECT& rc);
  virtual void DrawEllipse(const RECT& rc, const MARKUP_STROKE* pStroke, CTKMarkupBrush* pFill);
  /// The four bands of the thickness in the brush.
  virtual void DrawRectangle(const RECT& rc, CTKMarkupBrush* pBrush,
                             const CTKMarkupThickness* pThickness);
  /// Solid or linear-gradient fill.
  virtual void FillRectangle(const RECT& rc, CTKMarkupBrush* pBrush);
  virtual void DrawLine(int x1, int y1, int x2, int y2, const MARKUP_STROKE* pStroke);
  virtual void Polyline(const POINT* pPoints, int nCount, const MARKUP_STROKE* pStroke);
  virtual void Polygon(const POINT* pPoints, int nCount, const MARKUP_STROKE* pStroke,
                       CTKMarkupBrush* pFill);
  /// Reads the path's points only within its count.
  virtual void DrawPath(const CTKMarkupPathData* pPath, const MARKUP_STROKE* pStroke,
                        CTKMarkupBrush* pFill);
  /// The icon's normal image scaled into the rectangle.
  virtual void DrawIconImage(CTKImageManagerIcon* pIcon, const RECT& rc);
  /// A new, empty picture of this back end for an image element (the caller
  /// deletes it); the GDI one holds toolkit icons.
  virtual CTKMarkupDeviceDependentImage* CreateDeviceDependentImage(
      ITKMarkupDeviceDependentImageSite* pSite);
  /// The picture scaled into the rectangle; nothing without one. GDI draws
  /// toolkit icons only.
  virtual void DrawImage(CTKMarkupDeviceDependentImage* pImage, const RECT& rc);
  void FillRoundRectangle(const RECT& rc, CTKMarkupBrush* pBrush, const double* pRadii);
  void DrawRoundRectangle(const RECT& rc, CTKMarkupBrush* pBrush,
                          const CTKMarkupThickness* pThickness, const double* pRadii);
  /// Text at the rectangle's top-left in the selected font and text colour.
  /// With a separate attribute DC the glyphs are placed in the character
  /// cells that DC measures, each centred in its cell, so the output matches
  /// what was measured (print preview).
  virtual void DrawString(LPCWSTR lpszText, int nCount, const RECT& rc);
  virtual SIZE GetTextExtent(LPCWSTR lpszText, int nCount);
  /// The brush's GDI colour; black for none.
  virtual void SetTextColor(CTKMarkupBrush* pBrush);
  /// With a font: selects it (remembering the DC's own font the first time);
  /// null puts the remembered font back.
  virtual void SetFont(CTKMarkupFont* pFont);
  virtual void IntersectClipRect(const RECT& rc);
  virtual void GetClipBox(RECT* pRect);
  /// A copy of the clip region, or (HRGN)-1 when the DC has none; null when
  /// no region could be made.
  virtual HRGN SaveClipRegion();
  /// Restores and frees a saved clip; -1 removes the clip; null does nothing.
  virtual void RestoreClipRegion(HRGN hRegion);
  virtual HDC GetDC() { return m_hDC; }
  virtual void ReleaseDC(HDC) {}

  /// The smoothing mode last accepted (0 for GDI).
  int GetSmoothingMode() const { return m_nSmoothingMode; }
  /// Logical offsets as device offsets (window and viewport extents).
  POINT LogicalToDevice(const POINT& pt) const;

 protected:
  HDC m_hDC;
  HDC m_hAttributeDC;
  SIZE m_szWindowExt;
  SIZE m_szViewportExt;
  HGDIOBJ m_hReplacedFont;
  int m_nSmoothingMode;

  /// Builds the rounded-rectangle figure of the radii on the rectangle.
  static CTKMarkupPathData* RoundRectanglePath(double left, double top, double right, double bottom,
                                               const double* pRadii);

 private:
  /// The glyphs to output (break characters left out) with one advance
  /// each, laid out in the attribute DC's cells starting at `x`; `x` comes
  /// back moved by the leading offset its alignment needs.
  void ComputeCharWidths(LPCWSTR lpszText, int nCount, int& x, std::wstring& strOutput,
                         std::vector<INT>& advances);
  void FillSolid(const RECT& rc, COLORREF clr);
  void FillLinearGradient(const RECT& rc, CTKMarkupBrush* pBrush);
};

/// The opaque GDI colour of a brush: a solid brush's colour, a gradient's
/// first stop, 0 for none.
COLORREF MarkupBrushColorRef(const CTKMarkupBrush* pBrush);
