// The looks of the toolkit's header control: the base theme draws the whole
// header (background, items in display order, bitmaps, text, sort arrow);
// its subclasses change colours, frames, the sort arrow and the height.
#pragma once

#include <afxcmn.h>
#include <afxwin.h>

#include "common/TKPaintManagerColor.h"

class CTKHeaderCtrl;
class CTKWinThemeWrapper;

/// The reference-counted base of the toolkit's control themes.
class CTKControlTheme : public CCmdTarget {
 public:
  CTKControlTheme() : m_nThemeId(0) {}
  int GetThemeId() const { return m_nThemeId; }

 protected:
  int m_nThemeId;
};

/// Draw style bits of a header theme.
enum {
  TK_HEADER_STYLE_WINXPTHEMES = 1,  ///< use visual styles
  TK_HEADER_STYLE_HOTTRACK = 2,     ///< hot tracking and a themed background
  TK_HEADER_STYLE_SORTARROW = 4,    ///< draw the sort arrow
};

/// The base header theme (id 0, draw style 7) and the drawing engine of all.
/// Item drawing gets a DRAWITEMSTRUCT whose itemData points to the item's
/// HDITEM and whose itemState is ODS_HOTLIGHT, ODS_SELECTED (pressed) or 0.
class CTKHeaderCtrlTheme : public CTKControlTheme {
 public:
  CTKHeaderCtrlTheme();
  ~CTKHeaderCtrlTheme() override;

  /// The whole header: background, then each item in display order.
  virtual void DrawHeader(CDC* pDC, CTKHeaderCtrl* pHeader);
  /// The colours of the toolkit's colour table; the "HEADER" style opened.
  virtual void RefreshMetrics(CTKHeaderCtrl* pHeader);
  /// Non-zero when draw style bit 1 is set and visual styles are active.
  virtual BOOL UseWinXPThemes(CTKHeaderCtrl* pHeader);
  virtual void SetDrawStyle(DWORD dwDrawStyle, CTKHeaderCtrl* pHeader);
  virtual DWORD GetDrawStyle() const { return m_dwDrawStyle; }
  /// The header's own layout.
  virtual BOOL Layout(HDLAYOUT* pLayout, CTKHeaderCtrl* pHeader);
  /// Destroys the image lists SetBitmap put into items.
  virtual void CleanUp(CTKHeaderCtrl* pHeader);
  /// Gives the item the bitmap resource as a one-image list (masked with
  /// clrMask), or with bRemove takes the item's away; 1 when one was set.
  virtual BOOL SetBitmap(int nItem, UINT nBitmapId, BOOL bRemove, COLORREF clrMask,
                         CTKHeaderCtrl* pHeader);
  virtual void DrawBackground(LPDRAWITEMSTRUCT lpDIS);
  virtual BOOL DrawThemedBackground(LPDRAWITEMSTRUCT lpDIS);
  virtual void DrawItemBackground(LPDRAWITEMSTRUCT lpDIS);
  virtual BOOL DrawThemedItemBackground(LPDRAWITEMSTRUCT lpDIS);
  /// The arrow after the item's rectangle (which DrawItem narrows to the text).
  virtual void DrawSortArrow(LPDRAWITEMSTRUCT lpDIS, BOOL bAscending);
  /// Text, bitmap or image, and sort arrow of one item.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS, CTKHeaderCtrl* pHeader);
  /// The item's bitmap or image at *px, vertically centred; *px moves past it.
  virtual void DrawItemBitmap(LPDRAWITEMSTRUCT lpDIS, int* px, CTKHeaderCtrl* pHeader);
  virtual void DrawSortTriangle(CDC* pDC, POINT pt[3], BOOL bAscending);

  int m_nSortArrowGap;
  DWORD m_dwDrawStyle;
  BOOL m_bUseWinXPThemes;
  int m_nTextMargin;
  int m_nTextTop;
  CSize m_szSortArrow;
  COLORREF m_clrText;
  COLORREF m_clrFace;
  COLORREF m_clrShadow;
  COLORREF m_clrDarkShadow;
  COLORREF m_clrHighlight;
  CTKWinThemeWrapper* m_pThemeWrapper;

 protected:
  /// Whether the item text is measured with a trailing space and a pressed
  /// item's text and arrow move by a pixel.
  BOOL m_bTrailingSpace = TRUE;
  BOOL m_bShiftPressed = TRUE;
  /// The sort arrow filled with this colour (-1: the two-pen outline).
  COLORREF m_clrSortArrowFill = (COLORREF)-1;
};

/// Theme numbers 1 to 4: flat frames.
class CTKHeaderCtrlThemeOfficeXP : public CTKHeaderCtrlTheme {
 public:
  CTKHeaderCtrlThemeOfficeXP();
  void DrawBackground(LPDRAWITEMSTRUCT lpDIS) override;
  void DrawItemBackground(LPDRAWITEMSTRUCT lpDIS) override;
};

/// Theme number 5: shaded bottom lines and a taller header.
class CTKHeaderCtrlThemeOffice2003 : public CTKHeaderCtrlTheme {
 public:
  CTKHeaderCtrlThemeOffice2003();
  void DrawBackground(LPDRAWITEMSTRUCT lpDIS) override;
  void DrawItemBackground(LPDRAWITEMSTRUCT lpDIS) override;
  /// The font's height plus m_nExtraHeight scaled pixels.
  BOOL Layout(HDLAYOUT* pLayout, CTKHeaderCtrl* pHeader) override;

 protected:
  /// The face moved by f towards the shadow.
  COLORREF Blend(double f) const;
  int m_nExtraHeight = 10;
};

/// Theme numbers 6 and 8 to 10: a filled sort arrow.
class CTKHeaderCtrlThemeExplorer : public CTKHeaderCtrlThemeOffice2003 {
 public:
  CTKHeaderCtrlThemeExplorer();
  void DrawBackground(LPDRAWITEMSTRUCT lpDIS) override;
};

/// Theme number 7: colours and column gradients of the theme text's section
/// "ReportControl".
class CTKHeaderCtrlThemeResource : public CTKHeaderCtrlThemeOfficeXP {
 public:
  CTKHeaderCtrlThemeResource();
  void RefreshMetrics(CTKHeaderCtrl* pHeader) override;
  void DrawBackground(LPDRAWITEMSTRUCT lpDIS) override;
  void DrawItemBackground(LPDRAWITEMSTRUCT lpDIS) override;

  CTKPaintManagerColorGradient m_grcNormalColumn;
  CTKPaintManagerColorGradient m_grcPressedColumn;
};
