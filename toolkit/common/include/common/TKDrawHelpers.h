// The drawing primitives every theme, bar, tab strip and skin shares:
// gradients, colour blending and HLS, text fitted into a rectangle, simple
// shapes, clip corners, and small window, font and layout-direction helpers.
#pragma once

#include "afxwin.h"
#include "common/TKPaintManagerColor.h"

/// The msimg32 entry points (each null when missing) and the gradient fills.
/// Missing entry points never fail a call: gradients fall back to bands.
class CTKDrawHelpers {
 public:
  typedef BOOL(WINAPI* PFNALPHABLEND)(HDC, int, int, int, int, HDC, int, int, int, int,
                                      BLENDFUNCTION);
  typedef BOOL(WINAPI* PFNTRANSPARENTBLT)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);
  typedef BOOL(WINAPI* PFNGRADIENTFILL)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);

  /// Loads "msimg32.dll" and looks the three entry points up.
  CTKDrawHelpers();
  /// Leaves the library loaded.
  virtual ~CTKDrawHelpers();

  /// msimg32's GradientFill; 0 when it is missing.
  BOOL CallGradientFill(HDC hDC, PTRIVERTEX pVertices, ULONG nVertices, PVOID pMesh, ULONG nMeshes,
                        ULONG ulMode);

  /// A two-colour gradient over the rectangle: left to right when `bHorz`,
  /// else top to bottom. Solid on 8-bit DCs or for equal colours.
  void GradientFill(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz);
  /// The part of the gradient inside `lpClip` (null: all), coloured as its
  /// share of the whole gradient.
  void GradientFillClipped(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz,
                           LPCRECT lpClip);
  /// Light to dark through the middle colour at the gradient's factor.
  void GradientFillTwoPart(CDC* pDC, LPCRECT lpRect, const CTKPaintManagerColorGradient& grc,
                           BOOL bHorz, LPCRECT lpClip);
  /// One-pixel bands of blended colour over the visible part of the rectangle.
  void GradientFillBands(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz);
  /// One msimg32 gradient rectangle.
  void CallGradientFillRect(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz);

  /// A one-pixel frame in the border colour around a fill.
  static void PASCAL FillRectWithBorder(CDC* pDC, LPCRECT lpRect, COLORREF clrBorder,
                                        COLORREF clrFill);
  /// Removes the corner pixels (DPI-scaled) from the clip region: the top two,
  /// and unless `bTopOnly` the bottom two.
  static void PASCAL ExcludeCorners(CDC* pDC, int nLeft, int nTop, int nRight, int nBottom,
                                    BOOL bTopOnly = FALSE);

  PFNALPHABLEND m_pfnAlphaBlend = nullptr;
  PFNTRANSPARENTBLT m_pfnTransparentBlt = nullptr;
  PFNGRADIENTFILL m_pfnGradientFill = nullptr;
  HMODULE m_hMsImg32 = nullptr;
};

/// The process-wide helpers, made on first use.
CTKDrawHelpers* TKDrawHelpers();

// Rectangles of a window.

/// An empty rectangle.
class CTKEmptyRect : public CRect {
 public:
  CTKEmptyRect() : CRect(0, 0, 0, 0) {}
};

/// The window's screen rectangle; empty for no window.
class CTKWindowRect : public CRect {
 public:
  explicit CTKWindowRect(HWND hWnd);
  explicit CTKWindowRect(const CWnd* pWnd);
};

/// The window's client rectangle; empty for no window.
class CTKClientRect : public CRect {
 public:
  explicit CTKClientRect(HWND hWnd);
  explicit CTKClientRect(const CWnd* pWnd);
};

// Shapes.

/// A polygon with the DC's pen and brush.
void AFXAPI DrawTriangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2);
/// A polygon with a one-pixel pen and a solid brush (-1: the pen colour).
void AFXAPI DrawFilledTriangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2, COLORREF clrPen,
                               COLORREF clrBrush = CLR_NONE);
/// A one-pixel line; FALSE without a DC.
BOOL AFXAPI DrawLine(CDC* pDC, int x1, int y1, int x2, int y2, COLORREF clr);
/// An image-list item stretched into the rectangle; FALSE when it has no icon.
BOOL AFXAPI DrawImageListIcon(CDC* pDC, int nLeft, int nTop, int nRight, int nBottom,
                              HIMAGELIST hImageList, int nIndex);

// Text.

/// DrawText in the font and colours (-1: keep the text colour; -1 back colour:
/// transparent), all put back afterwards; the DrawText result.
int AFXAPI DrawTextWithColors(CDC* pDC, CFont* pFont, LPCTSTR lpszText, int nCount, LPRECT lpRect,
                              UINT nFormat, COLORREF clrText, COLORREF clrBack);
/// The height at which a text of `szExtent` is as wide as the box (the box's
/// height for a text taller than wide); 0 for an empty box.
int AFXAPI FitSizeKeepingAspect(CSize szBox, CSize szExtent);
/// The largest font height at which the text fits the rectangle; 0 when none.
int AFXAPI FitFontHeightToRect(CDC* pDC, LPCTSTR lpszText, int nCount, LPCRECT lpRect,
                               CFont* pFont);
/// The text in a font of that face: at `nPointSize` (tenths of a point), or
/// with 0 at the height that fills the rectangle, centred on one line.
int AFXAPI DrawTextInFontFace(CDC* pDC, LPCTSTR lpszFaceName, int nPointSize, LPCTSTR lpszText,
                              int nCount, LPRECT lpRect, UINT nFormat, COLORREF clrText,
                              COLORREF clrBack);
/// Removes each '&', keeping the character after it ("&&" becomes "&").
CString AFXAPI StripAmpersands(const CString& str);
/// The same in place; a null or -1 pointer is left alone.
void AFXAPI StripAmpersandsInPlace(LPTSTR lpszText);

// Colours.

/// Per channel dFactor * a + (1 - dFactor) * b, truncated, at most 255.
COLORREF AFXAPI BlendColors(COLORREF clrA, COLORREF clrB, double dFactor);
/// Hue (0..239) in the low byte, saturation (0..240), then luminance (0..240).
DWORD AFXAPI RGBToHLS(COLORREF clr);
COLORREF AFXAPI HLSToRGB(DWORD dwHLS);
int AFXAPI HueToRGBComponent(int m1, int m2, int nHue);
/// 8 bits per pixel or fewer.
BOOL AFXAPI IsSystemColorDepthLow(HDC hDC);

// Fonts.

/// Whether a font family of that face is installed (case ignored).
BOOL AFXAPI FontExists(LPCTSTR lpszFaceName);
/// The face for toolkit fonts: the GUI font's own for non-Western character
/// sets, else "Arial" (or "Tahoma" when preferred and installed).
CString AFXAPI GetDefaultFontFaceName(BOOL bPreferTahoma = FALSE);
/// The icon-title font with the resource language's character set; FALSE on failure.
BOOL AFXAPI GetIconTitleFont(LOGFONT* pLogFont);

// Layout direction.

BOOL AFXAPI IsHdcRightToLeft(HDC hDC);
BOOL AFXAPI IsRightToLeftDC(HDC hDC);
BOOL AFXAPI IsDCRightToLeft(CDC* pDC);
BOOL AFXAPI IsDCRightToLeftDirect(CDC* pDC);
void AFXAPI SetHdcLayout(HDC hDC, DWORD dwLayout);
void AFXAPI SetDCLayout(CDC* pDC, DWORD dwLayout);
/// In a right-to-left window, VK_LEFT and VK_RIGHT change places.
void AFXAPI SwapArrowKeysForRtl(CWnd* pWnd, UINT& nChar);
/// A screen point relative to the window rectangle (mirrored in a
/// right-to-left window).
void AFXAPI ScreenToWindowPoint(CWnd* pWnd, CPoint& point);

// Windows.

/// Whether the top window above `hWnd` has its last active pop-up in front.
BOOL AFXAPI IsTopParentActive(HWND hWnd);
void AFXAPI GetWindowTextString(HWND hWnd, CString& strText);
/// Dispatches the window's pending paint messages; FALSE when a quit request
/// is queued (it stays queued).
BOOL AFXAPI PumpPaintMessages(HWND hWnd);
/// A class with DefWindowProc and the arrow cursor; a null instance is the module's.
BOOL AFXAPI RegisterWindowClass(HINSTANCE hInstance, LPCTSTR lpszClassName, UINT nStyle,
                                HICON hIcon = NULL, HBRUSH hbrBackground = NULL);
/// The rectangle made so that its width and height are both odd or both even.
CRect AFXAPI AlignRectParity(int nLeft, int nTop, int nRight, int nBottom);
inline CRect AlignRectParity(const RECT& rc) {
  return AlignRectParity(rc.left, rc.top, rc.right, rc.bottom);
}
