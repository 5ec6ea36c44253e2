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

  CTKFramePaintManager* GetFramePaintManager() override { return nullptr; }
  CTKControlGalleryPaintManager* GetGalleryPaintManager() override;
  CTKScrollBarPaintManager* GetScrollBarPaintManager() override;
  CTKStatusBarPaintManager* GetStatusBarPaintManager() override;
  CTKRibbonPaintManager* GetRibbonPaintManager() override { return nullptr; }
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

 protected:
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
