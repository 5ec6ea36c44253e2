// What every frame theme shares: the frame's geometry from the window's
// styles, the caption icon, the caption buttons in the hook's order, and the
// caption text with the application title set apart. Themes supply the
// region, the frame itself and each caption button's face.
#pragma once

#include <afxwin.h>

#include "commandbars/TKPaintManagerParts.h"
#include "common/TKPaintManagerColor.h"
#include "themes/TKPaintManagerFont.h"

class CTKPaintManagerBase;
class CTKResourceImage;
class CTKResourceImages;

/// Created and owned by its command-bars paint manager (the owner), which
/// refreshes it with itself. UI thread only.
class CTKFramePaintManagerBase : public CTKFramePaintManager {
 public:
  /// System metrics read once for the process and never refreshed.
  struct FrameMetrics {
    int cyBorder;
    int cyCaption;
    int cyFrame;
    int cxSmallIcon;
    int cySmallIcon;
  };
  static const FrameMetrics& AFX_CDECL GetFrameMetrics();

  explicit CTKFramePaintManagerBase(CTKPaintManagerBase* pOwner);
  ~CTKFramePaintManagerBase() override;

  // The hook's operations ------------------------------------------------------

  /// (left border, top border, width - right border, client top).
  CRect CalcCaptionRect(CTKCommandBarsFrameHook* pHook) override;
  /// The frame width of the site's styles, the same on all four sides.
  CRect GetFrameBorders(CTKCommandBarsFrameHook* pHook) override;
  CSize GetCaptionButtonSize(UINT nId, CTKCommandBarsFrameHook* pHook) override;
  int GetCaptionHeight() override { return m_nCaptionHeight; }

  // Drawing ---------------------------------------------------------------------

  /// The caption icon at the left of `rcCaption`, whose left edge moves past it.
  virtual void DrawFrameIcon(CDC* pDC, CTKCommandBarsFrameHook* pHook, CRect& rcCaption);
  /// The hook's visible caption buttons; `rcCaption`'s right edge stops at the
  /// leftmost.
  virtual void DrawCaptionButtons(CDC* pDC, CTKCommandBarsFrameHook* pHook, CRect& rcCaption);
  virtual void DrawCaptionButton(CDC* pDC, CRect rc, UINT nId, BOOL bHot, BOOL bPressed,
                                 BOOL bActive) = 0;
  /// The window text; with FWS_PREFIXTITLE the application title at its end
  /// is drawn apart, in the title colour while active.
  virtual void DrawCaptionText(CDC* pDC, CRect rc, HWND hWnd, BOOL bActive);
  virtual void FillCaptionBackground(CDC* pDC, CRect rc, HWND hWnd, BOOL bActive);

  // Metrics ----------------------------------------------------------------------

  virtual CSize GetDefaultCaptionButtonSize(HWND) { return m_szCaptionButton; }
  virtual CRect GetCaptionButtonMargin() { return m_rcCaptionButtonMargin; }
  /// Section "CommandBars.Frame" of the theme text; a missing key keeps the value.
  virtual void RefreshMetrics();

  /// The icon of the caption: none for tool windows and windows without a
  /// system menu; a window that does not answer in time gets the system's.
  static HICON AFX_CDECL GetFrameSmallIcon(HWND hWnd);
  /// The large icon of the window or its class; none for a null window.
  static HICON AFX_CDECL GetFrameIcon(HWND hWnd);
  static CTKResourceImages* AFX_CDECL GetThemeResourceImages();
  /// The image of the loaded theme images, null when the set lacks it.
  static CTKResourceImage* AFX_CDECL LoadThemeImage(LPCSTR lpszName);

  CTKPaintManagerBase* GetOwner() const { return m_pOwner; }

  BOOL m_bStatusBarPanes;
  BOOL m_bRoundedBottom;
  CTKPaintManagerFont m_fontFrameCaption;
  int m_nCaptionHeight;
  BOOL m_bFlatFrame;
  BOOL m_bCaptionCenterAligned;
  HICON m_hIcon;
  CSize m_szIcon;
  CRect m_rcIconMargin;
  CRect m_rcCaptionButtonMargin;
  CSize m_szCaptionButton;
  CTKPaintManagerColor m_clrCaptionBackActive;
  CTKPaintManagerColor m_clrCaptionBackInactive;
  CTKPaintManagerColor m_clrCaptionTextActive;
  CTKPaintManagerColor m_clrCaptionTextInactive;
  CTKPaintManagerColor m_clrCaptionTextTitle;

 protected:
  /// The application title the window text ends with, for FWS_PREFIXTITLE
  /// frames laid out left to right; empty otherwise.
  static CString GetTitleSuffix(HWND hWnd, const CString& strText);
  /// Rows of a window cx by cy with its top corners cut (4, 2, 1, 1 pixels
  /// in), and its bottom ones too with `bRoundBottom`; the lengths DPI-scaled
  /// or in pixels. Null when the region cannot be made.
  static HRGN AFX_CDECL CreateCutCornerRegion(int cx, int cy, BOOL bRoundBottom, BOOL bDpiScaled);
  /// The window rectangle moved to 0, 0 and the client rectangle within it.
  static void GetFrameRects(HWND hWnd, CRect* pWindow, CRect* pClient);

  CTKPaintManagerBase* m_pOwner;
};
