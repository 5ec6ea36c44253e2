// The current command-bar theme as the command bars see it. The themes derive
// from CTKPaintManager; the command bars only call it. One theme is the
// process-wide (global) paint manager: every command bar, the command bars
// and the status bar hold one reference to it.
#pragma once

#include <afxwin.h>

#include "commandbars/TKPaintManagerParts.h"
#include "common/TKPaintManagerColor.h"

class CTKCommandBar;
class CTKControl;
class CTKDockBar;
class CTKPopupBar;
class CTKScrollBarPaintManager;
class CTKShadowManager;
class CTKSliderPaintManager;
class CTKCommandBarKeyboardTip;

/// Which icons a theme draws.
struct TK_ICONS_INFO {
  BOOL bUseFadedIcons;
  BOOL bUseDisabledIcons;
  BOOL bIconsWithShadow;
};

class CTKPaintManager : public CCmdTarget {
 public:
  CTKPaintManager();
  ~CTKPaintManager() override;

  // The global paint manager ------------------------------------------------

  /// Adds a reference to the global paint manager, creating the default
  /// theme (through the factory the themes install) when there is none.
  static void AFX_CDECL AddRefGlobal();
  /// Drops a reference taken with AddRefGlobal; the last one releases the
  /// global paint manager.
  static void AFX_CDECL ReleaseGlobal();
  /// The global paint manager, or null when none is installed.
  static CTKPaintManager* AFX_CDECL GetGlobal();
  /// Makes `pPaintManager` the global one, taking over the caller's
  /// reference and releasing the previous one.
  static void AFX_CDECL SetGlobal(CTKPaintManager* pPaintManager);
  /// The maker of the default theme (installed by the themes); with none,
  /// AddRefGlobal only counts.
  typedef CTKPaintManager*(AFX_CDECL* PFNCREATEDEFAULT)();
  static void AFX_CDECL SetDefaultThemeFactory(PFNCREATEDEFAULT pfnCreate);
  /// The paint manager of a theme id, through the installed theme factory.
  typedef CTKPaintManager*(AFX_CDECL* PFNCREATEBYID)(int nTheme);
  static void AFX_CDECL SetThemeByIdFactory(PFNCREATEBYID pfnCreate);
  static CTKPaintManager* AFX_CDECL CreateThemeById(int nTheme);
  // How many hold the global paint manager
  /// The references taken with AddRefGlobal and not yet dropped.
  static int AFX_CDECL GetGlobalRefCount();

  // Measuring and drawing controls -------------------------------------------

  /// Draws the control in its state (bDraw) or measures it; its size.
  virtual CSize DrawControl(CDC* pDC, CTKControl* pControl, BOOL bDraw = TRUE) = 0;
  virtual CSize DrawControlComboBox(CDC* pDC, CTKControl* pControl, BOOL bDraw) = 0;
  virtual CSize DrawControlEdit(CDC* pDC, CTKControl* pControl, BOOL bDraw) = 0;
  virtual void DrawControlEntry(CDC* pDC, CTKControl* pControl) = 0;
  virtual void DrawControlMDIButton(CDC* pDC, CTKControl* pControl) = 0;
  /// With bDraw clear the separator's size between control groups.
  virtual CSize DrawCommandBarSeparator(CDC* pDC, CTKCommandBar* pBar, CTKControl* pControl,
                                        BOOL bDraw = TRUE) = 0;
  virtual void DrawRectangle(CDC* pDC, CRect rc, BOOL bSelected, BOOL bPressed, BOOL bEnabled,
                             BOOL bChecked, BOOL bPopuped, int nBarType, int nBarPosition) = 0;
  virtual COLORREF GetRectangleTextColor(BOOL bSelected, BOOL bPressed, BOOL bEnabled,
                                         BOOL bChecked, BOOL bPopuped, int nBarType,
                                         int nBarPosition) = 0;
  virtual COLORREF GetControlTextColor(CTKControl* pControl) = 0;
  virtual COLORREF GetControlEditBackColor(CTKControl* pControl);
  /// The command part of a control (a split button without its drop-down).
  virtual void GetSplitButtonCommandRect(CRect& rc, CTKControl* pControl);
  virtual CSize DrawSpecialControl(CDC* pDC, int nKind, CTKControl* pControl, CTKCommandBar* pBar,
                                   BOOL bDraw, LPVOID lpParam) = 0;

  // Bars ----------------------------------------------------------------------

  virtual void FillCommandBarEntry(CDC* pDC, CTKCommandBar* pBar) = 0;
  virtual void FillDockBar(CDC* pDC, CTKDockBar* pDockBar) = 0;
  /// 2 scaled pixels on each side in the base.
  virtual CRect GetCommandBarBorders(CTKCommandBar* pBar);
  virtual CFont* GetCommandBarFont(CTKCommandBar* pBar) = 0;
  virtual CSize DrawFloatingBarCaption(CDC* pDC, CTKCommandBar* pBar, BOOL bDraw) = 0;
  virtual CSize CalcFloatingBarCaptionSize(CTKCommandBar* pBar) = 0;
  virtual int GetPopupBarGripperWidth(CTKCommandBar* pBar) = 0;
  virtual void SetCommandBarRegion(CTKCommandBar*) {}
  virtual void AdjustExcludeRect(CRect& rc, CTKControl* pControl, BOOL bVertical) = 0;
  virtual void DrawPopupResizeGripper(CDC* pDC, CRect rc, int nResizeMode) = 0;
  virtual CSize DrawTearOffGripper(CDC* pDC, CRect rc, BOOL bSelected, BOOL bDraw) = 0;
  virtual void DrawKeyboardTip(CDC* pDC, CTKCommandBarKeyboardTip* pTip, BOOL bSetRegion) = 0;
  virtual void AnimatePopupBar(CDC* pDestDC, CDC* pAnimationDC, CRect rc, int nAnimationType) = 0;
  virtual int AnimateExpandingPopup(CTKPopupBar* pPopup, CDC* pDC, CDC* pBufferDC,
                                    BOOL bDownward) = 0;

  // Metrics -------------------------------------------------------------------

  /// 16 x 16, or 32 x 32 for large icons.
  virtual CSize GetAutoIconSize(BOOL bLarge) const;
  /// The height of a control: the font height x 190 / 96.
  virtual int GetControlHeight() const;
  /// The height of a split button's drop-down part under a large icon.
  virtual int GetSplitDropDownHeight() const = 0;
  virtual TK_ICONS_INFO* GetIconsInfo() { return &m_iconsInfo; }
  virtual COLORREF GetIndexedColor(int nIndex) = 0;
  virtual int GetThemeType() const = 0;
  virtual BOOL UsesResourceImages() const { return FALSE; }
  virtual void RefreshMetrics() = 0;

  // Sub paint managers ---------------------------------------------------------

  virtual CTKFramePaintManager* GetFramePaintManager() = 0;
  virtual CTKControlGalleryPaintManager* GetGalleryPaintManager() = 0;
  virtual CTKProgressPaintManager* GetProgressPaintManager() = 0;
  virtual CTKScrollBarPaintManager* GetScrollBarPaintManager() = 0;
  virtual CTKStatusBarPaintManager* GetStatusBarPaintManager() = 0;
  virtual CTKRibbonPaintManager* GetRibbonPaintManager() = 0;
  virtual CTKShadowManager* GetShadowManager() = 0;

  // Sliders --------------------------------------------------------------------

  /// The look of horizontal sliders; null when the theme has none.
  virtual CTKSliderPaintManager* GetSliderPaintManager() { return nullptr; }

  /// Removes every single ampersand; "&&" becomes "&".
  static void AFX_CDECL StripMnemonics(CString& str);

  // Text on glass
  /// DrawText; a theme draws through the visual style when `bOnGlass`, so
  /// that the text keeps its alpha on desktop-composition glass.
  virtual void DrawTextComposited(CDC* pDC, const CString& strText, CRect rc, UINT nFormat,
                                  BOOL bOnGlass);
  /// Sets the alpha byte of the pixels under the rectangle to 255, so that
  /// what a window drew without alpha does not show the glass through; the
  /// themes that draw on glass do it, the base does nothing.
  virtual void MakeRectOpaque(CDC* pDC, CRect rc);

  // Settings the command bars read -------------------------------------------

  CFont m_fontRegular;
  CFont m_fontCaption;
  CFont m_fontKeyboardTip;
  /// SetLayeredWindowAttributes of the system, null where it is missing.
  typedef BOOL(WINAPI* PFNSETLAYEREDWINDOWATTRIBUTES)(HWND, COLORREF, BYTE, DWORD);
  PFNSETLAYEREDWINDOWATTRIBUTES m_pfnSetLayeredWindowAttributes;
  int m_nSplitButtonDropDownWidth;
  BOOL m_bShowShadow;
  BOOL m_bEnableAnimation;
  BOOL m_bAllowStatusBarInFrame;
  CTKPaintManagerColor m_clrEditTextNormal;
  CTKPaintManagerColor m_clrEditTextDisabled;
  CTKPaintManagerColor m_clrEditTextHighlight;
  /// Steps and total time of the pop-up animations.
  int m_nAnimationSteps;
  int m_nAnimationTime;

 protected:
  TK_ICONS_INFO m_iconsInfo;
};

/// Holds one reference to the global paint manager for its lifetime, as every
/// bar, the command bars and the status bar do.
class CTKGlobalPaintManagerRef {
 public:
  CTKGlobalPaintManagerRef() { CTKPaintManager::AddRefGlobal(); }
  ~CTKGlobalPaintManagerRef() { CTKPaintManager::ReleaseGlobal(); }
  CTKGlobalPaintManagerRef(const CTKGlobalPaintManagerRef&) = delete;
  CTKGlobalPaintManagerRef& operator=(const CTKGlobalPaintManagerRef&) = delete;
};
