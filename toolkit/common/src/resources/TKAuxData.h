// The fonts, colours, cursors and system metrics that toolkit controls share,
// made once for the process instead of once per control.
#pragma once

#include "afxwin.h"

/// The shared store. Its GDI objects live until the process ends; the
/// cursors are shared system or resource cursors and are never destroyed.
class CTKAuxData {
 public:
  /// The 40 colours: these system colours, then the toolkit colours 30 to 49.
  enum ColorSlot {
    clrBtnFace,
    clrBtnShadow,
    clr3DDkShadow,
    clrBtnHilite,
    clr3DLight,
    clrBtnText,
    clrGrayText,
    clrHighlight,
    clrHighlightText,
    clrMenu,
    clrMenuText,
    clrWindow,
    clrWindowFrame,
    clrWindowText,
    clrActiveCaption,
    clrInactiveCaption,
    clrGradientActiveCaption,
    clrGradientInactiveCaption,
    clrCaptionText,
    clrInactiveCaptionText,
    clrToolkitFirst,  // toolkit colour 30; 30 + n is clrToolkitFirst + n
    ColorSlotCount = clrToolkitFirst + 20
  };

  /// Reads everything, in this order: system flags, COMCTL32 version,
  /// colours, metrics, cursors, fonts.
  CTKAuxData();
  virtual ~CTKAuxData();
  CTKAuxData(const CTKAuxData&) = delete;
  CTKAuxData& operator=(const CTKAuxData&) = delete;

  /// Refreshes the colour manager (keeping overrides) and copies the colours.
  void ReadColors();
  void ReadMetrics();
  /// FALSE at the first cursor that cannot be loaded (later ones stay null).
  BOOL LoadCursors();
  /// Makes the fonts again from the system menu font, in `lpszFaceName` when
  /// given and installed (the vertical ones in `lpszVertFaceName`); FALSE at
  /// the first that cannot be made (later ones stay empty).
  BOOL CreateFonts(LPCTSTR lpszFaceName = NULL, LPCTSTR lpszVertFaceName = NULL);
  /// `font` from a copy of `lf` with each value replaced unless it is -1
  /// (0xFF for the underline byte).
  static BOOL PASCAL CreateFontVariant(const LOGFONT& lf, CFont& font, int nWeight, BYTE bUnderline,
                                       int nOrientation, int nEscapement);
  void DeleteFonts();
  static BOOL PASCAL FaceNameExists(LPCTSTR lpszFaceName);

  COLORREF GetColor(ColorSlot nSlot) const { return m_arrColors[nSlot]; }

  /// Test seam: the non-client metrics CreateFonts reads (null: the system's).
  static void PASCAL OverrideNonClientMetrics(const NONCLIENTMETRICS* pMetrics);

  COLORREF m_arrColors[ColorSlotCount];

  HCURSOR m_hcurDragMove = nullptr;  // 9308
  HCURSOR m_hcurDragCopy = nullptr;  // 9309
  HCURSOR m_hcurNoDrop = nullptr;    // 9310
  HCURSOR m_hcurHand = nullptr;      // the system's, else 9973
  HCURSOR m_hcurSplitH = nullptr;    // 9970
  HCURSOR m_hcurSplitV = nullptr;    // 9971
  HCURSOR m_hcurSizeAll = nullptr;

  int m_cxSmIcon = 0;
  int m_cySmIcon = 0;
  int m_cxFixed = 18;
  int m_cyFixed = 18;
  int m_cxHThumb = 0;
  int m_cyVThumb = 0;
  int m_cyMenu = 0;

  CFont m_font;
  CFont m_fontBold;
  CFont m_fontUnderline;
  CFont m_fontVert;
  CFont m_fontVertBold;
  CFont m_fontIconTitle;
  CFont m_fontIconTitleBold;
  CFont m_fontMarlett;
  CFont m_fontStatus;
  CFont m_fontSmCaption;

  BOOL m_bWin95 = FALSE;
  BOOL m_bWin98 = FALSE;
  BOOL m_bWinNT4 = FALSE;
  BOOL m_bWin2K = FALSE;
  BOOL m_bWinXP = FALSE;
  /// With no face given, Western menus use "Tahoma" when it is installed.
  BOOL m_bUseTahoma = FALSE;
  DWORD m_nComCtlVersion = static_cast<DWORD>(-1);
};

/// The process-wide store, made on first use.
CTKAuxData* TKAuxData();
