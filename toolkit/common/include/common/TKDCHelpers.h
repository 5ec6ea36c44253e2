// Scope classes that change a device context for one block and put it back:
// off-screen buffers, memory DCs with a bitmap, and font, pen, brush and
// whole-state guards. Each deletes only what it created.
#pragma once

#include <afxwin.h>

/// A memory DC over everything from the origin to the rectangle's far corner,
/// so callers draw in the target's own coordinates; when it goes, the
/// rectangle (only) is copied to the same place on the target.
class CTKBufferDC : public CDC {
 public:
  CTKBufferDC(HDC hDestDC, const CRect& rcPaint);
  /// Over the paint rectangle of a WM_PAINT (at least 1 x 1), clipped to it.
  explicit CTKBufferDC(CPaintDC& paintDC);
  ~CTKBufferDC() override;

  /// Nothing is copied to the target at the end.
  void Discard() { m_hDestDC = NULL; }
  HDC GetDestDC() const { return m_hDestDC; }
  const CRect& GetRect() const { return m_rect; }
  /// The buffer's bitmap (null when the memory DC could not be made).
  HBITMAP GetBufferBitmap() const { return static_cast<HBITMAP>(m_bitmap.m_hObject); }

 private:
  void Create(int cx, int cy);

  HDC m_hDestDC;
  CRect m_rect;
  CBitmap m_bitmap;
  HGDIOBJ m_hOldBitmap;
};

/// A memory DC with a bitmap of the rectangle's own size; the viewport is
/// moved so that callers draw in target coordinates.
class CTKBufferDCEx : public CDC {
 public:
  CTKBufferDCEx(HDC hDestDC, const CRect& rcPaint);
  ~CTKBufferDCEx() override;

  HBITMAP GetBufferBitmap() const { return m_hBitmap; }

 private:
  HDC m_hDestDC;
  CRect m_rect;
  HBITMAP m_hBitmap;
  HGDIOBJ m_hOldBitmap;
};

/// A DC (attached by the caller) that puts back the bitmap it replaced.
class CTKBitmapDC : public CDC {
 public:
  CTKBitmapDC() : m_hOldBitmap(NULL) {}
  ~CTKBitmapDC() override;

  /// Puts back a remembered bitmap first, then selects this one.
  void SelectBitmap(HBITMAP hBitmap);
  void SelectBitmap(CBitmap* pBitmap) { SelectBitmap(static_cast<HBITMAP>(SafeObject(pBitmap))); }
  void ReleaseBitmap();

 private:
  static HGDIOBJ SafeObject(CGdiObject* p) { return p ? p->m_hObject : NULL; }
  HGDIOBJ m_hOldBitmap;
};

/// A memory DC compatible with a DC (null: the screen) with the caller's
/// bitmap selected while it lives; the bitmap stays the caller's.
class CTKCompatibleDC : public CDC {
 public:
  CTKCompatibleDC(CDC* pDC, CBitmap* pBitmap);
  CTKCompatibleDC(CDC* pDC, HBITMAP hBitmap);
  ~CTKCompatibleDC() override;

 private:
  HGDIOBJ m_hOldBitmap;
};

/// Selects fonts (and a text colour) into a DC it does not own, and puts back
/// the first font and colour it replaced.
class CTKFontDC {
 public:
  CTKFontDC(CDC* pDC, CFont* pFont);
  CTKFontDC(CDC* pDC, HFONT hFont);
  /// Also sets the text colour.
  CTKFontDC(CDC* pDC, CFont* pFont, COLORREF clrTextColor);
  virtual ~CTKFontDC();
  CTKFontDC(const CTKFontDC&) = delete;
  CTKFontDC& operator=(const CTKFontDC&) = delete;

  /// Selects the font; the first font replaced is the one put back.
  void SetFont(CFont* pFont);
  void SetFont(HFONT hFont);
  /// Sets the text colour; the first colour replaced is the one put back.
  void SetColor(COLORREF clrTextColor);
  void ReleaseFont();
  void ReleaseColor();

 private:
  CDC* m_pDC;
  HGDIOBJ m_hOldFont;
  COLORREF m_clrOldTextColor;
};

/// A solid pen selected for its lifetime.
class CTKPenDC {
 public:
  CTKPenDC(HDC hDC, COLORREF clrColor);
  virtual ~CTKPenDC();
  CTKPenDC(const CTKPenDC&) = delete;
  CTKPenDC& operator=(const CTKPenDC&) = delete;

  /// Replaces the pen (the previous one of this guard is deleted).
  void Create(HDC hDC, int nStyle, int nWidth, COLORREF clrColor);
  void SetColor(COLORREF clrColor) { Create(m_hDC, m_nStyle, m_nWidth, clrColor); }
  COLORREF GetColor() const { return m_clrColor; }

 private:
  HDC m_hDC;
  CPen m_pen;
  HGDIOBJ m_hOldPen;
  int m_nStyle;
  int m_nWidth;
  COLORREF m_clrColor;
};

/// A solid brush selected for its lifetime.
class CTKBrushDC {
 public:
  CTKBrushDC(HDC hDC, COLORREF clrColor);
  virtual ~CTKBrushDC();
  CTKBrushDC(const CTKBrushDC&) = delete;
  CTKBrushDC& operator=(const CTKBrushDC&) = delete;

 private:
  HDC m_hDC;
  CBrush m_brush;
  HGDIOBJ m_hOldBrush;
};

/// SaveDC now, RestoreDC at the end (nothing for a null DC).
class CTKDCSaveState {
 public:
  explicit CTKDCSaveState(CDC* pDC);
  virtual ~CTKDCSaveState();
  CTKDCSaveState(const CTKDCSaveState&) = delete;
  CTKDCSaveState& operator=(const CTKDCSaveState&) = delete;

 private:
  CDC* m_pDC;
  int m_nSavedState;
};
