// One theme image: a private 32-bit copy of a PNG or bitmap resource, drawn
// into any rectangle with sizing margins.
#pragma once

#include "afxwin.h"

class CTKResourceImages;

/// A theme image, made and cached by CTKResourceImages (which lends it its
/// lock and its shared drawing DC and bitmap). Images that hold several
/// states stack them as equal vertical slices (GetSourceRect). Reference
/// counted; the cache releases it.
class CTKResourceImage : public CCmdTarget {
 public:
  explicit CTKResourceImage(CTKResourceImages* pOwner);
  ~CTKResourceImage() override;

  /// Loads a "PNG" or RT_BITMAP resource; FALSE for a null module or a
  /// resource that cannot be loaded (the image is then empty).
  BOOL LoadFromResource(HMODULE hModule, LPCSTR lpszName);
  /// Takes the bitmap's pixels (alpha says whether its alpha channel counts)
  /// and deletes the bitmap.
  void SetBitmap(HBITMAP hBitmap, BOOL bAlpha);
  /// Copies the bitmap's pixels; an alpha image must be a 32-bit DIB.
  BOOL LoadBits(HBITMAP hBitmap);
  /// Multiplies the colour of an alpha image by its alpha, once.
  void PremultiplyBits();
  /// Reverses every pixel row; toggles the mirrored state.
  void MirrorBits();

  CSize GetExtent() const { return CSize(m_nWidth, m_nHeight); }
  int GetWidth() const { return m_nWidth; }
  int GetHeight() const { return m_nHeight; }
  BOOL IsAlphaImage() const { return m_bAlpha; }
  BOOL IsPremultiplied() const { return m_bPremultiplied; }
  BOOL IsMirrored() const { return m_bMirrored; }
  /// Drawing callers set it on images whose pixels must follow a
  /// right-to-left DC.
  void SetMirrorImage(BOOL bMirror) { m_bMirrorImage = bMirror; }
  /// The pixels, blue-green-red-alpha, rows bottom-up; null while empty.
  const BYTE* GetBits() const { return m_pBits; }

  /// Slice nState of nCount equal vertical slices; empty for an empty image.
  CRect GetSourceRect(int nState, int nCount) const;

  /// Draws rcSrc into rcDest keeping rcSizingMargins (left, top, right,
  /// bottom source pixels) of each edge unstretched; alpha-blended when the
  /// image has alpha.
  void DrawImage(CDC* pDC, const CRect& rcDest, const CRect& rcSrc,
                 const CRect& rcSizingMargins = CRect(0, 0, 0, 0));
  void StretchImage(CDC* pDC, const CRect& rcDest, const CRect& rcSrc);
  /// DrawImage that leaves the pixels of clrTransparent out (-1: none; an
  /// alpha image ignores it).
  void DrawImageTransparent(CDC* pDC, const CRect& rcDest, const CRect& rcSrc,
                            const CRect& rcSizingMargins, COLORREF clrTransparent);
  /// With flag bit 0 the transparent colour becomes fully transparent and
  /// every other pixel opaque, for drawing on glass.
  void DrawImageTransparentEx(CDC* pDC, const CRect& rcDest, const CRect& rcSrc,
                              const CRect& rcSizingMargins, COLORREF clrTransparent, DWORD dwFlags);
  /// Copies one piece from the drawing DC; TRUE without drawing for an empty
  /// piece.
  BOOL DrawPart(CDC* pDC, const CRect& rcDest, CDC* pSrcDC, const CRect& rcSrc);

 protected:
  /// The destination margins of the nine-part draw for a destination of
  /// nDest pixels and source margins nFirst and nSecond along one axis (see
  /// the .cpp); the vertical axis keeps the parity of the second margin.
  static void ScaleMargins(int nDest, int nSrc, LONG& nFirst, LONG& nSecond, BOOL bVertical);

  BYTE* m_pBits;
  BOOL m_bAlpha;
  BOOL m_bPremultiplied;
  BOOL m_bMirrorImage;
  BOOL m_bMirrored;
  int m_nWidth;
  int m_nHeight;
  CTKResourceImages* m_pOwner;
};
