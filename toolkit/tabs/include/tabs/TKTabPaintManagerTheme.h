// The root of tab appearances: a plain, frameless strip whose header band
// sits on the tab-position side, and the geometry and line helpers every
// appearance shares. Appearances take every colour from the colour set.
#pragma once

#include <afxwin.h>

class CTKTabManager;
class CTKTabManagerItem;
class CTKTabPaintManager;
class CTKTabPaintManagerColorSet;

class CTKTabPaintManagerTheme {
 public:
  CTKTabPaintManagerTheme();
  virtual ~CTKTabPaintManagerTheme() = default;

  /// Row height from the normal font.
  virtual void RefreshMetrics();
  virtual CRect GetHeaderRect(CRect rcControl, const CTKTabManager* pStrip) const;
  virtual CRect GetHeaderClipBox(CDC* pDC, const CTKTabManager* pStrip) const;
  virtual CRect GetClientRect(CRect rcControl, const CTKTabManager* pStrip) const;
  /// (leading, outer, trailing, inner) for a top strip.
  virtual CRect GetHeaderMargin() const { return m_rcHeaderMargin; }
  virtual CRect GetClientMargin(const CTKTabManager* pStrip) const;
  virtual int GetItemLength(CDC* pDC, CTKTabManagerItem* pItem);
  virtual int GetRowHeight(const CTKTabManager* pStrip) const;
  /// What the strip redraws when the item changes state.
  virtual CRect GetItemDrawRect(const CTKTabManagerItem* pItem) const;
  virtual void DrawTabControl(CTKTabManager* pStrip, CDC* pDC, CRect rcControl);
  /// Fills the header and frames the page; the header it filled.
  virtual CRect FillTabControl(CTKTabManager* pStrip, CDC* pDC, CRect rcControl);
  virtual void RepositionTabControl(CTKTabManager* pStrip, CDC* pDC, CRect rcControl);
  virtual void AdjustClientRect(const CTKTabManager* pStrip, CRect& rcClient) const;
  virtual void DrawItem(CDC* pDC, CTKTabManagerItem* pItem);
  virtual int DrawWorkspacePart(CDC* pDC, CRect& rc, int nPart);
  virtual int GetCapabilityMask() const { return 0xFFFF; }
  virtual int GetDefaultColorSet() const { return 1; }
  /// DrawText of the whole string; with DT_CALCRECT the rectangle is updated.
  virtual void DrawText(CDC* pDC, CTKTabManagerItem* pItem, const CString& strText, LPRECT lpRect,
                        UINT nFormat);

  int GetHeaderHeight(const CTKTabManager* pStrip) const;
  CTKTabPaintManagerColorSet* GetColorSet() const;
  CTKTabPaintManager* GetPaintManager() const { return m_pPaintManager; }
  void SetPaintManager(CTKTabPaintManager* pPaintManager) { m_pPaintManager = pPaintManager; }
  /// Fills the polygon with the colour set's item fill; the colour used.
  COLORREF FillItemPolygon(CDC* pDC, CTKTabManagerItem* pItem, const POINT* pPoints, int nCount,
                           int nPosition, BOOL bAbsolute);
  int GetItemSpacing() const { return m_nItemSpacing; }
  int GetRowHeightField() const { return m_nRowHeight; }
  BOOL IsDrawTowardsSelection() const { return m_bDrawTowardsSelection; }

 protected:
  int GetStripPosition(const CTKTabManager* pStrip) const;
  /// The page of client frame 0 (filled, framed all round) or 1 (filled,
  /// one line on the header side); nothing for frame 2.
  void FrameClient(CTKTabManager* pStrip, CDC* pDC, CRect rcClient, COLORREF clrFrame);
  /// A tab's rectangle widened by half its height at both ends of the strip.
  static CRect WidenByHalfHeight(const CTKTabManagerItem* pItem);

  CRect m_rcHeaderMargin;
  int m_nItemSpacing = -2;
  int m_nRowHeight = 0;
  CTKTabPaintManager* m_pPaintManager = NULL;
  BOOL m_bDrawTowardsSelection = FALSE;
};

// Geometry and lines in top-strip terms, turned to the tab position.

/// Grows the rectangle by (leading, outer, trailing, inner) turned to the position.
void InflateRectByPosition(CRect& rc, int nLeading, int nOuter, int nTrailing, int nInner,
                           int nPosition);
void DeflateRectByPosition(CRect& rc, int nLeading, int nOuter, int nTrailing, int nInner,
                           int nPosition);
/// One line inside the rectangle on the side of the position: top or left in
/// A, bottom or right in B; -1 draws nothing.
void DrawRectSide(CDC* pDC, CRect rc, int nPosition, COLORREF clrA, COLORREF clrB);
void FillVerticalLine(CDC* pDC, int x, int y, int nLength, COLORREF clr);
void FillHorizontalLine(CDC* pDC, int x, int y, int nLength, COLORREF clr);
/// From the first point, each next point an offset from the previous one.
void DrawRelativePolyline(CDC* pDC, COLORREF clr, const POINT* pPoints, int nCount);
void DrawSolidLine(CDC* pDC, COLORREF clr, int x1, int y1, int x2, int y2);
/// A one-pixel 3D frame; a colour of -1 leaves its two sides out.
void DrawFrame3d(CDC* pDC, CRect rc, COLORREF clrTopLeft, COLORREF clrBottomRight);
