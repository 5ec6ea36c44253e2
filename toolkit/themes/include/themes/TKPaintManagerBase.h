// The base of every command-bar theme: the fonts and metrics all bars share,
// the 63 indexed colours, the drawing primitives the themes build on, and the
// paint managers it owns for single kinds of controls.
#pragma once

#include <memory>
#include <vector>

#include "commandbars/TKPaintManager.h"
#include "commandbars/TKShadowManager.h"
#include "commandbars/TKSliderPaintManager.h"
#include "common/TKRefPtr.h"
#include "themes/TKPaintManagerEvents.h"
#include "themes/TKPaintManagerFont.h"

class CTKCommandBars;
class CTKFramePaintManagerBase;
class CTKImageManagerIcon;
class CTKMessageBarPaintManager;
class CTKScrollBarThemeWindowsUx;
class CTKWinThemeWrapper;

class CTKPaintManagerBase : public CTKPaintManager {
 public:
  /// Where the system's non-client metrics come from: tests script the menu,
  /// small-caption and status fonts through it. Null: SystemParametersInfo.
  typedef BOOL(AFX_CDECL* PFNGETNONCLIENTMETRICS)(NONCLIENTMETRICS* pMetrics);
  static void AFX_CDECL SetNonClientMetricsSource(PFNGETNONCLIENTMETRICS pfnGet);
  /// The system's non-client metrics, through that source.
  static BOOL AFX_CDECL ReadNonClientMetrics(NONCLIENTMETRICS* pMetrics);

  static const int kIndexedColorCount = 63;

  CTKPaintManagerBase();
  ~CTKPaintManagerBase() override;

  // Observers ------------------------------------------------------------------

  void AddObserver(ITKPaintManagerEvents* pObserver);
  /// Safe while the observers are being told: the entry is dropped afterwards.
  void RemoveObserver(ITKPaintManagerEvents* pObserver);

  // Colours ----------------------------------------------------------------------

  /// The slot's colour for 0..62; above 62 the argument itself, as an RGB value.
  COLORREF GetIndexedColor(int nIndex) override;
  /// Sets the standard value of each of `nCount` indexed colours.
  void SetIndexedColors(int nCount, const int* pIndexes, const COLORREF* pColors);
  /// The `SystemTheme` setting resolved against the colour manager.
  int GetCurrentSystemTheme() const;

  // Metrics and fonts --------------------------------------------------------------

  /// Fonts get ClearType quality: the theme asks for it and the system has it.
  BOOL ClearTypeApplies() const;

  void RefreshMetrics() override;
  virtual void RefreshStandardFonts();
  virtual void RefreshIndexedColors();
  /// Rebuilds the four bar fonts from `pLogFont` and measures `TextHeight`.
  void CreateCommandBarFonts(LOGFONT* pLogFont, BOOL bUseStandardFont);

  CSize GetAutoIconSize(BOOL bLarge) const override;
  int GetControlHeight() const override { return m_nControlHeight; }
  int GetClampedControlHeight() const { return m_nControlHeight < 18 ? 18 : m_nControlHeight; }
  int GetSplitDropDownHeight() const override { return m_nSplitDropDownHeight; }
  virtual int GetTextHeight() const { return m_nTextHeight; }
  virtual int GetFontHeight() const { return m_nFontHeight; }
  /// 0 follows the system menu font; any other height is kept over refreshes.
  virtual void SetFontHeight(int nFontHeight);
  virtual int GetEditHeight() const;
  virtual BOOL IsFlatCommandBar(CTKCommandBar* pBar) const;
  virtual void FillWorkspace(CDC* pDC, CRect rc, CRect rcExclude);

  // Owned paint managers -------------------------------------------------------------

  /// The markup-drawn frame of the system colours, made and refreshed on
  /// first request.
  CTKFramePaintManager* GetFramePaintManager() override;
  CTKControlGalleryPaintManager* GetGalleryPaintManager() override;
  CTKScrollBarPaintManager* GetScrollBarPaintManager() override;
  CTKStatusBarPaintManager* GetStatusBarPaintManager() override;
  /// The ribbon look of the ribbon's class for every theme, made and
  /// refreshed on first request; null while the ribbon installed no maker.
  CTKRibbonPaintManager* GetRibbonPaintManager() override;
  virtual CTKMessageBarPaintManager* GetMessageBarPaintManager();
  /// Puts a theme's own variant in place of the one it inherited (taken over).
  void SetMessageBarPaintManager(CTKMessageBarPaintManager* pPaintManager);
  /// Puts a theme's own gallery look in place of the inherited one (taken over).
  void SetGalleryPaintManager(CTKControlGalleryPaintManager* pPaintManager);
  /// Puts a theme's own status-bar variant in place of the inherited one (taken over).
  void SetStatusBarPaintManager(CTKStatusBarPaintManager* pPaintManager);
  /// The visual style "STATUS", open while `m_bStatusTextFromVisualStyle` is
  /// on and the system has it.
  CTKWinThemeWrapper* GetStatusTheme() const { return m_pStatusTheme.get(); }

  // Progress bars, sliders and scroll bars: a theme puts its own variant in
  // place of the one it inherited (taken over).
  CTKProgressPaintManager* GetProgressPaintManager() override;
  CTKSliderPaintManager* GetSliderPaintManager() override;
  void SetProgressPaintManager(CTKProgressPaintManager* pPaintManager);
  void SetSliderPaintManager(CTKSliderPaintManager* pPaintManager);
  void SetScrollBarPaintManager(CTKScrollBarPaintManager* pPaintManager);
  /// Made last by the constructor; its colour goes back to black on every refresh.
  CTKShadowManager* GetShadowManager() override { return m_pShadowManager.Get(); }

  // Drawing primitives (colours -1 draw nothing) ------------------------------------

  void FillRectWithBorder(CDC* pDC, CRect rc, COLORREF clrBorder, COLORREF clrFill);
  void FillRectIndexed(CDC* pDC, CRect rc, int nBorderIndex, int nFillIndex);
  void Draw3dRectIndexed(CDC* pDC, CRect rc, int nTopLeftIndex, int nBottomRightIndex);
  /// `nCount` nested frames in `clrInner`, then one on the rectangle in `clrOuter`.
  void DrawFrames(CDC* pDC, CRect rc, int nCount, COLORREF clrOuter, COLORREF clrInner);
  void DrawHorizontalLine(CDC* pDC, int x0, int y, int x1, COLORREF clr);
  void DrawVerticalLine(CDC* pDC, int x, int y0, int y1, COLORREF clr);
  /// Straight lines are filled (end excluded); others go through a pen.
  void DrawLine(CDC* pDC, int x0, int y0, int x1, int y1, COLORREF clr);
  void DrawLineIndexed(CDC* pDC, int x0, int y0, int x1, int y1, int nIndex);
  void MoveToLineTo(CDC* pDC, int x0, int y0, int x1, int y1);
  virtual void DrawTriangle(CDC* pDC, CTKControl* pControl, CPoint pt0, CPoint pt1, CPoint pt2,
                            COLORREF clr);
  void GradientFillClippedRect(CDC* pDC, CRect rc, COLORREF clrFrom, COLORREF clrTo, BOOL bHorz,
                               LPCRECT lpClip);
  /// Sets (x, y) to `clrA` moved by `dAlpha` towards the pixel there, or
  /// towards `clrB` by -`dAlpha` when `dAlpha` is negative.
  void BlendPixelColor(CDC* pDC, int x, int y, COLORREF clrA, COLORREF clrB, double dAlpha);
  /// A disc with an anti-aliased ring; only in a square box.
  void FillCircleAntialiased(CDC* pDC, int nLeft, int nTop, int nRight, int nBottom,
                             COLORREF clrRing, COLORREF clrFill);
  /// Fills with alpha 255, as drawing on glass needs.
  void FillSolidRectOpaque(CDC* pDC, CRect rc, COLORREF clr);
  /// Sets the alpha byte of the pixels under the rectangle to 255.
  void MakeRectOpaque(CDC* pDC, CRect rc);

  // Settings ----------------------------------------------------------------------------

  CTKPaintManagerColor m_clrEditTextColor;
  CTKPaintManagerColor m_clrEditTextDisabledColor;
  CTKPaintManagerColor m_clrEditTextHighlightColor;
  COLORREF m_clrMessageBarText;
  CRect m_rcMessageBarMargins;
  CTKPaintManagerColorGradient m_grcDisabledIcons;
  CTKPaintManagerColor m_clrFloatingCaptionBack;
  CTKPaintManagerColor m_clrFloatingCaptionText;
  BOOL m_bBoldCheckMark;
  BOOL m_bShowPopupShadows;
  BOOL m_bStatusTextFromVisualStyle;
  BOOL m_bThemedCheckMarks;
  BOOL m_bClearTypeFonts;
  BOOL m_bFlatToolBar;
  BOOL m_bFlatMenuBar;
  int m_nPopupTextGap;
  BOOL m_bPopupCheckFrames;
  BOOL m_bAnimateControls;
  BOOL m_bWideIconTextGap;
  BOOL m_bIndentPopupLabels;
  BOOL m_bTwoLineCaptions;
  CTKPaintManagerFont m_fontSmallCaption;
  CTKPaintManagerFont m_fontIconTitle;
  CTKPaintManagerFont m_fontIconTitleBold;
  CTKPaintManagerFont m_fontStatus;
  int m_nSplitArrowWidth;
  int m_nSplitDropDownHeight;
  int m_nPopupSplitArrowWidth;
  BOOL m_bAutoScaleIcons;
  BOOL m_bFontFaceMatched;
  CString m_strFontFace;
  int m_nTextHeight;
  // m_fontRegular is the command bars' own; these three complete the bar fonts.
  CFont m_fontBold;
  CFont m_fontVert;
  CFont m_fontVertBold;
  int m_nControlHeight;
  int m_nFontHeight;
  BOOL m_bUseStandardFont;
  BOOL m_bEmbossedDisabledText;
  int m_nThemeId;
  int m_nKeyboardCuesOverride;
  int m_nSystemTheme;

  // Controls: the dispatch by kind, pop-up rows, tool-bar controls with their
  // captions, edits and combo boxes (src/controls) --------------------------------

  /// Edits and combo boxes by kind, the rest by the parent bar: pop-up rows or
  /// tool-bar controls. With bDraw clear only the size.
  CSize DrawControl(CDC* pDC, CTKControl* pControl, BOOL bDraw = TRUE) override;
  /// Measures the label and field (storing the label width) or draws the label;
  /// the theme draws the field.
  CSize DrawControlEdit(CDC* pDC, CTKControl* pControl, BOOL bDraw) override;
  CSize DrawControlComboBox(CDC* pDC, CTKControl* pControl, BOOL bDraw) override;
  /// The face in the control's state: the theme's own, else DrawRectangle.
  void DrawControlEntry(CDC* pDC, CTKControl* pControl) override;
  COLORREF GetControlTextColor(CTKControl* pControl) override;
  /// Sets `rc` to the part of the control's rectangle that runs the command.
  void GetSplitButtonCommandRect(CRect& rc, CTKControl* pControl) override;
  CFont* GetCommandBarFont(CTKCommandBar* pBar) override;
  /// The icon column of a pop-up: one cell (two with a double gripper) and a
  /// pixel; 0 for other bars.
  int GetPopupBarGripperWidth(CTKCommandBar* pBar) override;

  /// The texts of a pop-up row; themes draw the row's face, icon and marks
  /// first. Measuring gives the row's size.
  virtual CSize DrawControlPopupParent(CDC* pDC, CTKControl* pControl, BOOL bDraw);
  /// A control of a tool bar or menu bar: face, icon and caption, or its size.
  virtual CSize DrawControlToolBarParent(CDC* pDC, CTKControl* pControl, BOOL bDraw);
  /// Both parts of a split button's face.
  virtual void DrawSplitButtonFrame(CDC* pDC, CTKControl* pControl, CRect rc) = 0;
  /// True when the theme painted the face itself.
  virtual BOOL DrawControlEntryCustom(CDC* /*pDC*/, CTKControl* /*pControl*/) { return FALSE; }
  // Glyphs, marks and special controls ------------------------------------------------

  /// Glyph 45 (46 on a right-to-left DC); twice with `m_bBoldCheckMark`.
  virtual void DrawCheckMark(CDC* pDC, CRect rc, BOOL bEnabled, COLORREF clr);
  virtual void DrawRadioMark(CDC* pDC, CRect rc, BOOL bEnabled, COLORREF clr);
  virtual void DrawComboExpandMark(CDC* pDC, CRect rc, COLORREF clr);
  /// The drop-down arrow centred on `pt`, in the tool-bar text colour of the state.
  virtual void DrawDropDownGlyph(CDC* pDC, CTKControl* pControl, CPoint pt, BOOL bSelected,
                                 BOOL bPopuped, BOOL bEnabled, BOOL bVert);
  virtual void DrawExpandGlyph(CDC* pDC, CTKControl* pControl, COLORREF clr, BOOL bHorz);
  virtual void DrawHiddenControlsGlyph(CDC* pDC, CTKControl* pControl, COLORREF clr, BOOL bHorz);
  /// Kinds: 0 a tool bar's expand button (placed when !bDraw; `lpParam` points
  /// to the bar's hides-controls flag and size), 1 a pop-up's expand row,
  /// 2 and 3 a floating bar's close and expand buttons.
  CSize DrawSpecialControl(CDC* pDC, int nKind, CTKControl* pControl, CTKCommandBar* pBar,
                           BOOL bDraw, LPVOID lpParam) override;
  /// Both measure 13 x 13 scaled pixels; `nChecked` 2 is indeterminate.
  virtual CSize DrawControlCheckBoxMark(CDC* pDC, CRect rc, BOOL bDraw, BOOL bSelected,
                                        BOOL bPressed, int nChecked, BOOL bEnabled);
  virtual CSize DrawControlRadioButtonMark(CDC* pDC, CRect rc, BOOL bDraw, BOOL bSelected,
                                           BOOL bPressed, int nChecked, BOOL bEnabled);
  /// The Marlett picture of the control's parameter, 8 points at 96 DPI whatever the DPI.
  void DrawControlMDIButton(CDC* pDC, CTKControl* pControl) override;
  void DrawKeyboardTip(CDC* pDC, CTKCommandBarKeyboardTip* pTip, BOOL bSkip) override;
  /// The caption band of a floating bar; other bars measure empty here.
  CSize DrawFloatingBarCaption(CDC* pDC, CTKCommandBar* pBar, BOOL bDraw) override;
  CSize CalcFloatingBarCaptionSize(CTKCommandBar* pBar) override;
  void FillDockBar(CDC* pDC, CTKDockBar* pDockBar) override;

  /// One image of the icon for the control's state; themes choose (nothing here).
  virtual void DrawImage(CDC* pDC, CPoint pt, CSize sz, CTKImageManagerIcon* pImage,
                         BOOL bSelected, BOOL bPressed, BOOL bEnabled, int nChecked,
                         BOOL bPopuped, BOOL bToolBarImage);
  /// The bar font, bold for a menu's default item, turned with vertical text.
  virtual CFont* GetControlFont(CTKControl* pControl);
  /// 1 vertical, 2 horizontal.
  virtual int GetControlTextOrientation(CTKControl* pControl);
  /// A caption beside an icon of `szButton`, or alone; measuring gives the
  /// control's size.
  virtual CSize DrawControlText(CDC* pDC, CTKControl* pControl, CRect rc, BOOL bDraw,
                                BOOL bDropDown, CSize szButton, BOOL bImage);
  /// One cell of a pop-up's icon column.
  virtual CSize GetPopupBarGripperSize(CTKCommandBar* pBar);
  /// One line of a menu row in `rc`; measuring (bDraw clear) fits `rc` to the
  /// text. The text's height.
  virtual int DrawMenuItemText(CDC* pDC, const CString& strText, CRect& rc, UINT nFormat,
                               BOOL bDraw, BOOL bSelected, BOOL bEnabled);

  /// A caption below an icon, in two lines when it splits.
  CSize DrawControlTextTwoLines(CDC* pDC, CTKControl* pControl, CRect rc, BOOL bDraw,
                                BOOL bVertical, BOOL bDropDown);
  /// A one-line caption, with the drop-down glyph after it when asked.
  CSize DrawControlCaption(CDC* pDC, CTKControl* pControl, CRect rc, BOOL bDraw,
                           BOOL bVertical, BOOL bCentered, BOOL bDropDown);
  /// The caption text itself: embossed when disabled, underlined mnemonics
  /// while the bar shows keyboard cues.
  void DrawCaptionString(CDC* pDC, CTKControl* pControl, const CString& strCaption,
                         const CString& strStripped, CRect rc, BOOL bVertical, BOOL bCentered);
  /// The drop-down glyph centred on `pt` in the control's own state.
  void DrawControlDropDownGlyph(CDC* pDC, CTKControl* pControl, CPoint pt, BOOL bVertical);
  /// A check box's or radio button's mark and caption, or their size.
  CSize DrawControlMarkAndCaption(CDC* pDC, CTKControl* pControl, CRect rc, BOOL bDraw,
                                  CSize szButton);
  /// DrawText, or on glass through the visual style so that the text keeps
  /// its alpha.
  void DrawTextComposited(CDC* pDC, const CString& strText, CRect rc, UINT nFormat,
                          BOOL bOnGlass);
  /// Splits at the space nearest the middle; `strLine2` stays empty when
  /// there is none to split at.
  static void AFX_CDECL SplitCaption(const CString& strCaption, CString& strLine1,
                                     CString& strLine2);
  /// The control's "Width" and "Height" where set, crosswise for vertical text.
  CSize ApplyControlSize(CTKControl* pControl, CSize sz, BOOL bVertical) const;
  /// The large icon size for captions below icons on tool bars, else the
  /// control's own.
  CSize GetControlIconSize(CTKControl* pControl) const;
  /// The icon's proportions inside `szBox`; the box without an icon.
  static CSize AFX_CDECL FitIconSize(CTKImageManagerIcon* pIcon, CSize szBox);
  /// The command bars' option to scale tool-bar icons with the DPI.
  BOOL IsToolbarIconScaling(CTKControl* pControl) const;
  /// The drop-down button of a combo box whose field is `cyField` high.
  int GetComboDropDownButtonWidth(int cyField) const;
  /// The label of an edit or combo box: a pop-up row's texts, else its icon
  /// and caption.
  void DrawControlLabel(CDC* pDC, CTKControl* pControl);
  /// The gripper of dialog bars; themes draw it (empty here).
  virtual CSize DrawCommandBarGripper(CDC* pDC, CTKCommandBar* pBar, BOOL bDraw);

  // Pop-up bands and command lists -------------------------------------------------------

  /// The icon band of a pop-up behind rows shown only once it expanded; themes
  /// with a band draw it (nothing here).
  virtual void FillPopupBarBand(CDC* /*pDC*/, CTKCommandBar* /*pBar*/, int /*x*/, int /*y*/,
                                int /*cx*/, int /*cy*/) {}
  /// A control as a row of a command list (customising): the icon cell's width
  /// and the row's height. Themes draw the row (an empty size here).
  virtual CSize DrawListBoxControl(CDC* /*pDC*/, CTKControl* /*pControl*/, CRect /*rc*/,
                                   BOOL /*bSelected*/, BOOL /*bDraw*/,
                                   CTKCommandBars* /*pCommandBars*/) {
    return CSize(0, 0);
  }

  // The global theme ---------------------------------------------------------------------

  /// One more holder of the global paint manager; the first makes the default
  /// theme (id 0). The global paint manager.
  static CTKPaintManager* AFX_CDECL AddRefGlobal();
  /// One holder fewer; the holders left (0 without a global paint manager).
  static int AFX_CDECL ReleaseGlobal();
  /// Installs an already made paint manager as the global one: it takes over
  /// the holders of the one it replaces, which goes at once. `ThemeId` 10.
  static void AFX_CDECL SetCustomTheme(CTKPaintManagerBase* pPaintManager);
  /// Installs the theme of the id as the global paint manager.
  static void AFX_CDECL ApplyThemeById(int nTheme);
  /// A new, unrefreshed theme of the id (Office 2000 for unknown ids),
  /// carrying the id.
  static CTKPaintManagerBase* AFX_CDECL CreateThemeById(int nTheme);

  // Pop-up animation -----------------------------------------------------------------------

  /// Kinds 2 unfold, 3 slide, 4 fade; sleeps through the command bars' system.
  void AnimatePopupBar(CDC* pDestDC, CDC* pAnimationDC, CRect rc, int nAnimationType) override;
  /// Grows the rows shown by expanding; the steps taken.
  int AnimateExpandingPopup(CTKPopupBar* pPopup, CDC* pDC, CDC* pBufferDC,
                            BOOL bDownward) override;
  /// Each colour byte of `pTarget` = (new x alpha + old x (255 - alpha)) >> 8;
  /// the fourth byte is left alone.
  static void AFX_CDECL BlendPixelRows(LPBYTE pTarget, const BYTE* pOld, int nWidth, int nHeight,
                                       const BYTE* pNew, int nAlpha);

  // The ribbon's look --------------------------------------------------------------------

  /// The face of a control of a grouped ribbon group, offered to the ribbon
  /// look first; TRUE when it painted it.
  BOOL DrawRibbonControlFace(CDC* pDC, CTKControl* pControl);

 protected:
  /// The ribbon paint manager of the class (TKRibbonServices.h), made and
  /// refreshed on first request and kept for this paint manager's lifetime.
  CTKRibbonPaintManager* EnsureRibbonPaintManager(int nClass);

  CTKRibbonPaintManager* m_pRibbonPaintManager = nullptr;

  // The frame of every theme without one of its own.
  std::unique_ptr<CTKFramePaintManagerBase> m_pMarkupFramePaintManager;

  /// The status-bar text colour from the visual style "STATUS", when asked for.
  void RefreshStatusTextColor();

  CTKPaintManagerColor m_arrIndexedColors[kIndexedColorCount];
  std::unique_ptr<CTKWinThemeWrapper> m_pStatusTheme;
  std::unique_ptr<CTKWinThemeWrapper> m_pButtonTheme;
  std::unique_ptr<CTKScrollBarPaintManager> m_pScrollBarPaintManager;
  std::unique_ptr<CTKMessageBarPaintManager> m_pMessageBarPaintManager;
  std::unique_ptr<CTKControlGalleryPaintManager> m_pGalleryPaintManager;
  std::unique_ptr<CTKStatusBarPaintManager> m_pStatusBarPaintManager;
  std::unique_ptr<CTKProgressPaintManager> m_pProgressPaintManager;
  std::unique_ptr<CTKSliderPaintManager> m_pSliderPaintManager;
  CTKRefPtr<CTKShadowManager, CTKInternalRefTraits> m_pShadowManager;

 private:
  struct ObserverEntry {
    ITKPaintManagerEvents* pObserver;
    BOOL bRemoved;
  };
  void NotifyDestroyed();

  std::vector<ObserverEntry> m_observers;
  int m_nNotifyDepth = 0;
};
