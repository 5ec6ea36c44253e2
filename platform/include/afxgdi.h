// Device contexts and GDI objects: thin wrappers over the GDI handles. Each
// wrapper owns the handle it created or attached and deletes it with itself;
// pointers from FromHandle are temporary unless the handle has an owner.
#pragma once

#include "afx.h"

class CWnd;
class CDC;

// GDI objects -------------------------------------------------------------------

/// Any GDI object (pen, brush, font, bitmap, region, palette). FromHandle
/// objects are temporary: owned by the calling thread's map and deleted at
/// idle time; do not keep them. The derived classes add no data, so a
/// temporary object serves as any of them.
class CGdiObject : public CObject {
  DECLARE_DYNCREATE(CGdiObject)

 public:
  CGdiObject();
  /// Deletes the owned object.
  ~CGdiObject() override;

  HGDIOBJ m_hObject;

  HGDIOBJ GetSafeHandle() const { return this == nullptr ? nullptr : m_hObject; }
  operator HGDIOBJ() const { return m_hObject; }

  /// The owner of hObject on this thread, else a temporary object; null for null.
  static CGdiObject* PASCAL FromHandle(HGDIOBJ hObject);
  /// Deletes the calling thread's temporary objects (not the GDI objects).
  static void PASCAL DeleteTempMap();
  /// Makes this object the owner of hObject; FALSE for a null handle.
  BOOL Attach(HGDIOBJ hObject);
  /// Gives up ownership; the GDI object stays alive.
  HGDIOBJ Detach();
  /// Detaches and deletes the GDI object; FALSE when there is none.
  BOOL DeleteObject();

  int GetObject(int nCount, LPVOID lpObject) const {
    return ::GetObject(m_hObject, nCount, lpObject);
  }
  UINT GetObjectType() const { return ::GetObjectType(m_hObject); }
  BOOL CreateStockObject(int nIndex) { return Attach(::GetStockObject(nIndex)); }
  BOOL UnrealizeObject() { return ::UnrealizeObject(m_hObject); }
  bool operator==(const CGdiObject& obj) const { return obj.m_hObject == m_hObject; }
  bool operator!=(const CGdiObject& obj) const { return obj.m_hObject != m_hObject; }

  /// The handle of pObject, null for a null pointer (the compiler may drop
  /// GetSafeHandle's own null check).
  static HGDIOBJ SafeHandle(const CGdiObject* pObject) {
    return pObject ? pObject->m_hObject : NULL;
  }
};

class CPen : public CGdiObject {
  DECLARE_DYNAMIC(CPen)

 public:
  CPen() = default;
  /// Throws CResourceException* when the pen cannot be made.
  CPen(int nPenStyle, int nWidth, COLORREF crColor);
  CPen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount = 0,
       const DWORD* lpStyle = NULL);

  static CPen* PASCAL FromHandle(HPEN hPen) {
    return static_cast<CPen*>(CGdiObject::FromHandle(hPen));
  }
  operator HPEN() const { return static_cast<HPEN>(m_hObject); }

  BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
    return Attach(::CreatePen(nPenStyle, nWidth, crColor));
  }
  BOOL CreatePen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount = 0,
                 const DWORD* lpStyle = NULL) {
    return Attach(::ExtCreatePen(nPenStyle, nWidth, pLogBrush, nStyleCount, lpStyle));
  }
  BOOL CreatePenIndirect(LPLOGPEN lpLogPen) { return Attach(::CreatePenIndirect(lpLogPen)); }
  int GetLogPen(LOGPEN* pLogPen) const { return GetObject(sizeof(LOGPEN), pLogPen); }
};

class CBitmap;

class CBrush : public CGdiObject {
  DECLARE_DYNAMIC(CBrush)

 public:
  CBrush() = default;
  /// Solid, hatched and pattern brushes; each throws CResourceException*
  /// when the brush cannot be made.
  explicit CBrush(COLORREF crColor);
  CBrush(int nIndex, COLORREF crColor);
  explicit CBrush(CBitmap* pBitmap);

  static CBrush* PASCAL FromHandle(HBRUSH hBrush) {
    return static_cast<CBrush*>(CGdiObject::FromHandle(hBrush));
  }
  operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }

  BOOL CreateSolidBrush(COLORREF crColor) { return Attach(::CreateSolidBrush(crColor)); }
  BOOL CreateHatchBrush(int nIndex, COLORREF crColor) {
    return Attach(::CreateHatchBrush(nIndex, crColor));
  }
  BOOL CreatePatternBrush(CBitmap* pBitmap);
  BOOL CreateBrushIndirect(const LOGBRUSH* lpLogBrush) {
    return Attach(::CreateBrushIndirect(lpLogBrush));
  }
  BOOL CreateSysColorBrush(int nIndex) { return Attach(::GetSysColorBrush(nIndex)); }
  int GetLogBrush(LOGBRUSH* pLogBrush) const { return GetObject(sizeof(LOGBRUSH), pLogBrush); }
};

class CFont : public CGdiObject {
  DECLARE_DYNCREATE(CFont)

 public:
  operator HFONT() const { return static_cast<HFONT>(m_hObject); }
  static CFont* PASCAL FromHandle(HFONT hFont) {
    return static_cast<CFont*>(CGdiObject::FromHandle(hFont));
  }

  BOOL CreateFontIndirect(const LOGFONT* lpLogFont) {
    return Attach(::CreateFontIndirect(lpLogFont));
  }
  BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                  BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision,
                  BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename) {
    return Attach(::CreateFont(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic,
                               bUnderline, cStrikeOut, nCharSet, nOutPrecision, nClipPrecision,
                               nQuality, nPitchAndFamily, lpszFacename));
  }
  /// A font of nPointSize tenths of a point, sized for pDC (null: the screen).
  BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC = NULL);
  /// lfHeight is in tenths of a point and becomes the character height in
  /// pDC's logical units (null: the screen's).
  BOOL CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC = NULL);
  int GetLogFont(LOGFONT* pLogFont) { return GetObject(sizeof(LOGFONT), pLogFont); }
};

class CBitmap : public CGdiObject {
  DECLARE_DYNAMIC(CBitmap)

 public:
  static CBitmap* PASCAL FromHandle(HBITMAP hBitmap) {
    return static_cast<CBitmap*>(CGdiObject::FromHandle(hBitmap));
  }
  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }

  /// From the module that holds the bitmap resource (AfxFindResourceHandle).
  BOOL LoadBitmap(LPCTSTR lpszResourceName);
  BOOL LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCE(nIDResource)); }
  BOOL LoadOEMBitmap(UINT nIDBitmap) {
    return Attach(::LoadBitmap(NULL, MAKEINTRESOURCE(nIDBitmap)));
  }
  BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits) {
    return Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
  }
  BOOL CreateBitmapIndirect(LPBITMAP lpBitmap) { return Attach(::CreateBitmapIndirect(lpBitmap)); }
  BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
  int GetBitmap(BITMAP* pBitMap) { return GetObject(sizeof(BITMAP), pBitMap); }
  DWORD SetBitmapBits(DWORD dwCount, const void* lpBits) {
    return ::SetBitmapBits(static_cast<HBITMAP>(m_hObject), dwCount, lpBits);
  }
  DWORD GetBitmapBits(DWORD dwCount, LPVOID lpBits) const {
    return ::GetBitmapBits(static_cast<HBITMAP>(m_hObject), dwCount, lpBits);
  }
};

class CRgn : public CGdiObject {
  DECLARE_DYNCREATE(CRgn)

 public:
  operator HRGN() const { return static_cast<HRGN>(m_hObject); }
  static CRgn* PASCAL FromHandle(HRGN hRgn) {
    return static_cast<CRgn*>(CGdiObject::FromHandle(hRgn));
  }

  BOOL CreateRectRgn(int x1, int y1, int x2, int y2) {
    return Attach(::CreateRectRgn(x1, y1, x2, y2));
  }
  BOOL CreateRectRgnIndirect(LPCRECT lpRect) { return Attach(::CreateRectRgnIndirect(lpRect)); }
  BOOL CreateEllipticRgn(int x1, int y1, int x2, int y2) {
    return Attach(::CreateEllipticRgn(x1, y1, x2, y2));
  }
  BOOL CreateEllipticRgnIndirect(LPCRECT lpRect) {
    return Attach(::CreateEllipticRgnIndirect(lpRect));
  }
  BOOL CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode) {
    return Attach(::CreatePolygonRgn(lpPoints, nCount, nMode));
  }
  BOOL CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3) {
    return Attach(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
  }
  /// This region becomes the combination of the two (RGN_AND, RGN_OR, ...);
  /// returns the region type, ERROR on failure.
  int CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode) {
    return ::CombineRgn(*this, static_cast<HRGN>(SafeHandle(pRgn1)),
                        static_cast<HRGN>(SafeHandle(pRgn2)), nCombineMode);
  }
  int CopyRgn(const CRgn* pRgnSrc) {
    return ::CombineRgn(*this, static_cast<HRGN>(SafeHandle(pRgnSrc)), NULL, RGN_COPY);
  }
  BOOL EqualRgn(const CRgn* pRgn) const {
    return ::EqualRgn(*this, static_cast<HRGN>(SafeHandle(pRgn)));
  }
  int OffsetRgn(int x, int y) { return ::OffsetRgn(*this, x, y); }
  int OffsetRgn(POINT point) { return ::OffsetRgn(*this, point.x, point.y); }
  int GetRgnBox(LPRECT lpRect) const { return ::GetRgnBox(*this, lpRect); }
  BOOL PtInRegion(int x, int y) const { return ::PtInRegion(*this, x, y); }
  BOOL PtInRegion(POINT point) const { return ::PtInRegion(*this, point.x, point.y); }
  BOOL RectInRegion(LPCRECT lpRect) const { return ::RectInRegion(*this, lpRect); }
  void SetRectRgn(int x1, int y1, int x2, int y2) { ::SetRectRgn(*this, x1, y1, x2, y2); }
  void SetRectRgn(LPCRECT lpRect) {
    ::SetRectRgn(*this, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
  }
  /// A region from region data (rectangles), optionally transformed.
  BOOL CreateFromData(const XFORM* lpXForm, int nCount, const RGNDATA* pRgnData) {
    return Attach(::ExtCreateRegion(lpXForm, static_cast<DWORD>(nCount), pRgnData));
  }
  /// Fills `lpRgnData` (of `nCount` bytes) with the region's rectangles; with
  /// a null buffer, returns the bytes needed. 0 on failure.
  int GetRegionData(LPRGNDATA lpRgnData, int nCount) const {
    return static_cast<int>(::GetRegionData(*this, static_cast<DWORD>(nCount), lpRgnData));
  }
};

class CPalette : public CGdiObject {
  DECLARE_DYNAMIC(CPalette)

 public:
  static CPalette* PASCAL FromHandle(HPALETTE hPalette) {
    return static_cast<CPalette*>(CGdiObject::FromHandle(hPalette));
  }
  operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }

  BOOL CreatePalette(LPLOGPALETTE lpLogPalette) { return Attach(::CreatePalette(lpLogPalette)); }
  BOOL CreateHalftonePalette(CDC* pDC);
  int GetEntryCount() {
    WORD nEntries = 0;
    GetObject(sizeof(WORD), &nEntries);
    return nEntries;
  }
  UINT GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const {
    return ::GetPaletteEntries(*this, nStartIndex, nNumEntries, lpPaletteColors);
  }
  UINT SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) {
    return ::SetPaletteEntries(*this, nStartIndex, nNumEntries, lpPaletteColors);
  }
  UINT GetNearestPaletteIndex(COLORREF crColor) const {
    return ::GetNearestPaletteIndex(*this, crColor);
  }
};

// Device contexts ---------------------------------------------------------------

/// A device context. Objects from FromHandle are temporary: owned by the
/// calling thread's map and deleted at idle time; do not keep them.
/// Output goes to m_hDC and queries go to m_hAttribDC; both are the same DC
/// in this layer, so setters change m_hDC only.
class CDC : public CObject {
  DECLARE_DYNCREATE(CDC)

 public:
  CDC();
  /// Deletes the DC this object owns.
  ~CDC() override;

  HDC m_hDC;        // the output DC
  HDC m_hAttribDC;  // the DC queried for attributes; the same as m_hDC here

  HDC GetSafeHdc() const { return this == nullptr ? nullptr : m_hDC; }
  operator HDC() const { return m_hDC; }

  /// The DC of pDC, null for a null pointer.
  static HDC SafeHdc(const CDC* pDC) { return pDC ? pDC->m_hDC : NULL; }
  static HGDIOBJ SafeHandle(const CGdiObject* pObject) { return CGdiObject::SafeHandle(pObject); }

  /// The permanent object of hDC, or a temporary one (null for a null handle).
  static CDC* PASCAL FromHandle(HDC hDC);
  /// Deletes the calling thread's temporary DC objects (not the DCs).
  static void PASCAL DeleteTempMap();
  /// Makes this object the permanent one of hDC; FALSE for a null handle.
  BOOL Attach(HDC hDC);
  HDC Detach();
  /// Deletes the DC this object owns (DeleteDC), after detaching it.
  BOOL DeleteDC();

  /// A memory DC compatible with pDC (null: the screen).
  BOOL CreateCompatibleDC(CDC* pDC);
  int SaveDC() { return ::SaveDC(m_hDC); }
  BOOL RestoreDC(int nSavedDC) { return ::RestoreDC(m_hDC, nSavedDC); }
  int GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hAttribDC, nIndex); }

  // Objects. Each SelectObject returns the object it replaced (a temporary
  // wrapper unless that object has an owner), null on failure.
  CPen* SelectObject(CPen* pPen);
  CBrush* SelectObject(CBrush* pBrush);
  CFont* SelectObject(CFont* pFont);
  CBitmap* SelectObject(CBitmap* pBitmap);
  CGdiObject* SelectObject(CGdiObject* pObject);
  /// A region is copied as the clip region; returns its type (SIMPLEREGION...).
  int SelectObject(CRgn* pRgn);
  HGDIOBJ SelectObject(HGDIOBJ hObject) { return ::SelectObject(m_hDC, hObject); }
  CGdiObject* SelectStockObject(int nIndex);
  CPalette* SelectPalette(CPalette* pPalette, BOOL bForceBackground);
  UINT RealizePalette() { return ::RealizePalette(m_hDC); }
  CPen* GetCurrentPen() const {
    return CPen::FromHandle((HPEN)::GetCurrentObject(m_hAttribDC, OBJ_PEN));
  }
  CBrush* GetCurrentBrush() const {
    return CBrush::FromHandle((HBRUSH)::GetCurrentObject(m_hAttribDC, OBJ_BRUSH));
  }
  CFont* GetCurrentFont() const {
    return CFont::FromHandle((HFONT)::GetCurrentObject(m_hAttribDC, OBJ_FONT));
  }
  CBitmap* GetCurrentBitmap() const {
    return CBitmap::FromHandle((HBITMAP)::GetCurrentObject(m_hAttribDC, OBJ_BITMAP));
  }

  // Attributes.
  COLORREF GetTextColor() const { return ::GetTextColor(m_hAttribDC); }
  COLORREF SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
  COLORREF GetBkColor() const { return ::GetBkColor(m_hAttribDC); }
  COLORREF SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
  int GetBkMode() const { return ::GetBkMode(m_hAttribDC); }
  int SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
  int GetROP2() const { return ::GetROP2(m_hAttribDC); }
  int SetROP2(int nDrawMode) { return ::SetROP2(m_hDC, nDrawMode); }
  int SetStretchBltMode(int nStretchMode) { return ::SetStretchBltMode(m_hDC, nStretchMode); }
  UINT GetTextAlign() const { return ::GetTextAlign(m_hAttribDC); }
  UINT SetTextAlign(UINT nFlags) { return ::SetTextAlign(m_hDC, nFlags); }
  CPoint SetBrushOrg(int x, int y) {
    CPoint old;
    ::SetBrushOrgEx(m_hDC, x, y, &old);
    return old;
  }
  CPoint SetBrushOrg(POINT point) { return SetBrushOrg(point.x, point.y); }
  DWORD GetLayout() const { return ::GetLayout(m_hDC); }
  /// LAYOUT_RTL mirrors the DC; returns the previous layout (GDI_ERROR on failure).
  DWORD SetLayout(DWORD dwLayout) { return ::SetLayout(m_hDC, dwLayout); }

  // Coordinates.
  int GetMapMode() const { return ::GetMapMode(m_hAttribDC); }
  int SetMapMode(int nMapMode) { return ::SetMapMode(m_hDC, nMapMode); }
  CPoint GetViewportOrg() const {
    CPoint pt;
    ::GetViewportOrgEx(m_hAttribDC, &pt);
    return pt;
  }
  /// Each returns the previous origin.
  CPoint SetViewportOrg(int x, int y);
  CPoint SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }
  CPoint OffsetViewportOrg(int nWidth, int nHeight);
  CPoint GetWindowOrg() const {
    CPoint pt;
    ::GetWindowOrgEx(m_hAttribDC, &pt);
    return pt;
  }
  CPoint SetWindowOrg(int x, int y);
  CPoint SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }
  CPoint OffsetWindowOrg(int nWidth, int nHeight);
  void DPtoLP(LPPOINT lpPoints, int nCount = 1) const { ::DPtoLP(m_hAttribDC, lpPoints, nCount); }
  void DPtoLP(LPRECT lpRect) const { ::DPtoLP(m_hAttribDC, reinterpret_cast<LPPOINT>(lpRect), 2); }
  void LPtoDP(LPPOINT lpPoints, int nCount = 1) const { ::LPtoDP(m_hAttribDC, lpPoints, nCount); }
  void LPtoDP(LPRECT lpRect) const { ::LPtoDP(m_hAttribDC, reinterpret_cast<LPPOINT>(lpRect), 2); }

  // Clipping.
  int GetClipBox(LPRECT lpRect) const { return ::GetClipBox(m_hDC, lpRect); }
  /// Null removes the clip region.
  int SelectClipRgn(CRgn* pRgn) {
    return ::SelectClipRgn(m_hDC, static_cast<HRGN>(SafeHandle(pRgn)));
  }
  int SelectClipRgn(CRgn* pRgn, int nMode) {
    return ::ExtSelectClipRgn(m_hDC, static_cast<HRGN>(SafeHandle(pRgn)), nMode);
  }
  int IntersectClipRect(int x1, int y1, int x2, int y2) {
    return ::IntersectClipRect(m_hDC, x1, y1, x2, y2);
  }
  int IntersectClipRect(LPCRECT lpRect) {
    return ::IntersectClipRect(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
  }
  int ExcludeClipRect(int x1, int y1, int x2, int y2) {
    return ::ExcludeClipRect(m_hDC, x1, y1, x2, y2);
  }
  int ExcludeClipRect(LPCRECT lpRect) {
    return ::ExcludeClipRect(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
  }
  int OffsetClipRgn(int x, int y) { return ::OffsetClipRgn(m_hDC, x, y); }
  BOOL PtVisible(int x, int y) const { return ::PtVisible(m_hDC, x, y); }
  BOOL PtVisible(POINT point) const { return ::PtVisible(m_hDC, point.x, point.y); }
  BOOL RectVisible(LPCRECT lpRect) const { return ::RectVisible(m_hDC, lpRect); }

  // Lines and shapes, with the selected pen and brush.
  CPoint GetCurrentPosition() const {
    CPoint pt;
    ::GetCurrentPositionEx(m_hAttribDC, &pt);
    return pt;
  }
  /// Returns the previous current position.
  CPoint MoveTo(int x, int y);
  CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
  BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
  BOOL LineTo(POINT point) { return ::LineTo(m_hDC, point.x, point.y); }
  BOOL Polyline(const POINT* lpPoints, int nCount) { return ::Polyline(m_hDC, lpPoints, nCount); }
  BOOL Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return ::Arc(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
  }
  BOOL Rectangle(int x1, int y1, int x2, int y2) { return ::Rectangle(m_hDC, x1, y1, x2, y2); }
  BOOL Rectangle(LPCRECT lpRect) {
    return ::Rectangle(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
  }
  BOOL RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
    return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
  }
  BOOL RoundRect(LPCRECT lpRect, POINT point) {
    return ::RoundRect(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, point.x,
                       point.y);
  }
  BOOL Ellipse(int x1, int y1, int x2, int y2) { return ::Ellipse(m_hDC, x1, y1, x2, y2); }
  BOOL Ellipse(LPCRECT lpRect) {
    return ::Ellipse(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
  }
  BOOL Polygon(const POINT* lpPoints, int nCount) { return ::Polygon(m_hDC, lpPoints, nCount); }
  BOOL BeginPath() { return ::BeginPath(m_hDC); }
  BOOL EndPath() { return ::EndPath(m_hDC); }
  BOOL StrokePath() { return ::StrokePath(m_hDC); }
  BOOL FillPath() { return ::FillPath(m_hDC); }

  // Rectangles and regions with a given brush or colour.
  void FillRect(LPCRECT lpRect, CBrush* pBrush) {
    ::FillRect(m_hDC, lpRect, static_cast<HBRUSH>(SafeHandle(pBrush)));
  }
  void FrameRect(LPCRECT lpRect, CBrush* pBrush) {
    ::FrameRect(m_hDC, lpRect, static_cast<HBRUSH>(SafeHandle(pBrush)));
  }
  void InvertRect(LPCRECT lpRect) { ::InvertRect(m_hDC, lpRect); }
  /// Fills with one colour, without a brush. Leaves the background colour
  /// set to crColor, which callers drawing opaque text afterwards rely on.
  void FillSolidRect(LPCRECT lpRect, COLORREF crColor);
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor);
  /// A one-pixel frame: top and left edges in clrTopLeft, right and bottom
  /// edges in clrBottomRight (the corners at top-right and bottom-left go
  /// to clrBottomRight). Leaves the background colour changed, as FillSolidRect.
  void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
  void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);
  BOOL DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags) {
    return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
  }
  void DrawFocusRect(LPCRECT lpRect) { ::DrawFocusRect(m_hDC, lpRect); }
  /// A standard control part (nType DFC_*, nState DFCS_*) in the system's style.
  BOOL DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState) {
    return ::DrawFrameControl(m_hDC, lpRect, nType, nState);
  }
  BOOL FillRgn(CRgn* pRgn, CBrush* pBrush) { return ::FillRgn(m_hDC, *pRgn, *pBrush); }
  BOOL FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight) {
    return ::FrameRgn(m_hDC, *pRgn, *pBrush, nWidth, nHeight);
  }
  BOOL PaintRgn(CRgn* pRgn) { return ::PaintRgn(m_hDC, *pRgn); }

  // Pixels, icons and bitmaps.
  COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
  COLORREF GetPixel(POINT point) const { return ::GetPixel(m_hDC, point.x, point.y); }
  COLORREF SetPixel(int x, int y, COLORREF crColor) { return ::SetPixel(m_hDC, x, y, crColor); }
  COLORREF SetPixel(POINT point, COLORREF crColor) {
    return ::SetPixel(m_hDC, point.x, point.y, crColor);
  }
  BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }
  BOOL DrawIcon(POINT point, HICON hIcon) { return ::DrawIcon(m_hDC, point.x, point.y, hIcon); }
  BOOL DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush = NULL) {
    return ::DrawState(m_hDC, hBrush, NULL, (LPARAM)hBitmap, 0, pt.x, pt.y, size.cx, size.cy,
                       nFlags | DST_BITMAP);
  }
  BOOL DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush = NULL) {
    return DrawState(pt, size, (HBITMAP)SafeHandle(pBitmap), nFlags, (HBRUSH)SafeHandle(pBrush));
  }
  BOOL DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush = NULL) {
    return ::DrawState(m_hDC, hBrush, NULL, (LPARAM)hIcon, 0, pt.x, pt.y, size.cx, size.cy,
                       nFlags | DST_ICON);
  }
  BOOL DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush) {
    return DrawState(pt, size, hIcon, nFlags, (HBRUSH)SafeHandle(pBrush));
  }
  /// nTextLen 0 means the whole (NUL-terminated) text.
  BOOL DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText = TRUE,
                 int nTextLen = 0, HBRUSH hBrush = NULL) {
    return ::DrawState(m_hDC, hBrush, NULL, (LPARAM)lpszText, (WPARAM)nTextLen, pt.x, pt.y, size.cx,
                       size.cy, nFlags | (bPrefixText ? DST_PREFIXTEXT : DST_TEXT));
  }
  BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop) {
    return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
  }
  BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop) {
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, SafeHdc(pSrcDC), xSrc, ySrc, dwRop);
  }
  BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                  int nSrcWidth, int nSrcHeight, DWORD dwRop) {
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, SafeHdc(pSrcDC), xSrc, ySrc, nSrcWidth,
                        nSrcHeight, dwRop);
  }
  BOOL AlphaBlend(int xDest, int yDest, int nDestWidth, int nDestHeight, CDC* pSrcDC, int xSrc,
                  int ySrc, int nSrcWidth, int nSrcHeight, BLENDFUNCTION blend) {
    return ::AlphaBlend(m_hDC, xDest, yDest, nDestWidth, nDestHeight, SafeHdc(pSrcDC), xSrc, ySrc,
                        nSrcWidth, nSrcHeight, blend);
  }
  BOOL TransparentBlt(int xDest, int yDest, int nDestWidth, int nDestHeight, CDC* pSrcDC, int xSrc,
                      int ySrc, int nSrcWidth, int nSrcHeight, UINT clrTransparent) {
    return ::TransparentBlt(m_hDC, xDest, yDest, nDestWidth, nDestHeight, SafeHdc(pSrcDC), xSrc,
                            ySrc, nSrcWidth, nSrcHeight, clrTransparent);
  }
  BOOL GradientFill(TRIVERTEX* pVertices, ULONG nVertices, void* pMesh, ULONG nMeshElements,
                    DWORD dwMode) {
    return ::GradientFill(m_hDC, pVertices, nVertices, pMesh, nMeshElements, dwMode);
  }

  // Text, in the selected font and the text colours.
  BOOL TextOut(int x, int y, LPCTSTR lpszString, int nCount) {
    return ::TextOut(m_hDC, x, y, lpszString, nCount);
  }
  BOOL TextOut(int x, int y, const CString& str) { return TextOut(x, y, str, str.GetLength()); }
  BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
                  LPINT lpDxWidths) {
    return ::ExtTextOut(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
  }
  BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str,
                  LPINT lpDxWidths) {
    return ExtTextOut(x, y, nOptions, lpRect, str, str.GetLength(), lpDxWidths);
  }
  /// nCount -1 means up to the NUL; returns the text height (0 on failure).
  int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
    return ::DrawText(m_hDC, lpszString, nCount, lpRect, nFormat);
  }
  int DrawText(const CString& str, LPRECT lpRect, UINT nFormat) {
    return DrawText(str, str.GetLength(), lpRect, nFormat);
  }
  int DrawTextEx(LPTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat,
                 LPDRAWTEXTPARAMS lpDTParams) {
    return ::DrawTextEx(m_hDC, lpszString, nCount, lpRect, nFormat, lpDTParams);
  }
  CSize GetTextExtent(LPCTSTR lpszString, int nCount) const;
  CSize GetTextExtent(const CString& str) const { return GetTextExtent(str, str.GetLength()); }
  CSize GetOutputTextExtent(LPCTSTR lpszString, int nCount) const;
  CSize GetOutputTextExtent(const CString& str) const {
    return GetOutputTextExtent(str, str.GetLength());
  }
  BOOL GetTextMetrics(LPTEXTMETRIC lpMetrics) const {
    return ::GetTextMetrics(m_hAttribDC, lpMetrics);
  }
  int GetTextFace(int nCount, LPTSTR lpszFacename) const {
    return ::GetTextFace(m_hAttribDC, nCount, lpszFacename);
  }
  BOOL GetCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const {
    return ::GetCharWidth(m_hAttribDC, nFirstChar, nLastChar, lpBuffer);
  }
};

/// The DC of a WM_PAINT: BeginPaint on construction, EndPaint on destruction.
class CPaintDC : public CDC {
  DECLARE_DYNAMIC(CPaintDC)

 public:
  /// Throws CResourceException* when BeginPaint gives no DC.
  explicit CPaintDC(CWnd* pWnd);
  ~CPaintDC() override;

  HWND m_hWnd;
  PAINTSTRUCT m_ps;
};

/// A window's client-area DC (GetDC), released on destruction. A null window
/// means the screen.
class CClientDC : public CDC {
  DECLARE_DYNAMIC(CClientDC)

 public:
  /// Throws CResourceException* when GetDC gives no DC.
  explicit CClientDC(CWnd* pWnd);
  ~CClientDC() override;

  HWND m_hWnd;
};

/// The DC of a whole window, frame included (GetWindowDC), released on destruction.
class CWindowDC : public CDC {
  DECLARE_DYNAMIC(CWindowDC)

 public:
  /// Throws CResourceException* when GetWindowDC gives no DC.
  explicit CWindowDC(CWnd* pWnd);
  ~CWindowDC() override;

  HWND m_hWnd;
};
