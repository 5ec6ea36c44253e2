// The base of every ribbon look: the metrics and colours the ribbon bar reads
// (tab height, group caption height, spacing, faces), the ribbon font, and the
// tab paint manager of the ribbon's tab strip, which it makes and configures.
// A command-bars paint manager makes its ribbon paint manager on first use and
// keeps it for its own lifetime.
#pragma once

#include <afxwin.h>

#include "themes/TKPaintManagerFont.h"

class CTKCommandBar;
class CTKControl;
class CTKPaintManagerBase;
class CTKPopupBar;
class CTKRibbonBar;
class CTKRibbonGroup;
class CTKRibbonTab;
class CTKRibbonTabContextHeaders;
class CTKTabManagerItem;
class CTKTabPaintManager;

class CTKRibbonPaintManager : public CCmdTarget {
 public:
  /// `pOwner` is the command-bars paint manager that made this one (null in
  /// some tests: the metrics then come from DEFAULT_GUI_FONT).
  explicit CTKRibbonPaintManager(CTKPaintManagerBase* pOwner);
  ~CTKRibbonPaintManager() override;

  virtual void RefreshMetrics();
  virtual void DrawGroup(CDC* pDC, CTKRibbonGroup* pGroup) = 0;
  virtual void FillGroupsArea(CDC* pDC, CTKRibbonTab* pSelected, CRect rcGroups) = 0;
  /// Measures only without a DC.
  virtual CSize DrawGroupPopupButton(CDC* pDC, CTKControl* pButton, BOOL bDraw) = 0;
  virtual void FillRibbonBar(CDC* pDC, CTKRibbonBar* pRibbonBar) = 0;
  virtual void DrawGroupOptionButton(CDC* pDC, CTKControl* pButton, BOOL bDraw) = 0;
  virtual void DrawContextHeaders(CDC* pDC, CTKRibbonBar* pRibbonBar,
                                  CTKRibbonTabContextHeaders* pHeaders) = 0;
  virtual void DrawRibbonTab(CDC* pDC, CTKTabManagerItem* pTab) = 0;
  virtual void FillContextTabBackground(CDC* pDC, CTKRibbonBar* pRibbonBar, CRect rc) = 0;
  virtual void FillGroupPopupToolBar(CDC* pDC, CTKRibbonGroup* pGroup, CTKCommandBar* pPopup) = 0;
  virtual void DrawCaptionBackground(CDC* pDC, CTKRibbonBar* pRibbonBar, BOOL bActive) = 0;
  virtual void DrawFrameCaption(CDC* pDC, CTKRibbonBar* pRibbonBar, BOOL bActive) = 0;
  virtual void DrawQuickAccessCustomizeButton(CDC* pDC, CTKControl* pButton) = 0;
  virtual void DrawQuickAccessMoreButton(CDC* pDC, CTKControl* pButton) = 0;
  virtual void DrawSystemButton(CDC* pDC, CTKControl* pButton, CRect rc) = 0;
  virtual void DrawGroupsScrollButton(CDC* pDC, CTKControl* pButton) = 0;
  /// Fills the window's client rectangle with the ribbon face.
  virtual void FillRibbonFace(CDC* pDC, CWnd* pWnd);
  /// The bar's frame theme is on or the bar forces its caption.
  virtual BOOL IsCaptionVisible(CTKRibbonBar* pRibbonBar);
  virtual void FillPopupBarFrame(CDC* pDC, CTKPopupBar* pPopup) = 0;
  virtual void FillSystemPopupBar(CDC* pDC, CTKPopupBar* pPopup) = 0;
  virtual void DrawSystemPopupBarButton(CDC* pDC, CTKControl* pButton) = 0;
  virtual void DrawControlGroupBackground(CDC* pDC, CRect rcGroup) = 0;
  /// The group's pop-up background, then the group itself.
  virtual void DrawGroupPopup(CDC* pDC, CTKRibbonGroup* pGroup);
  virtual int GetCaptionHeight(CTKRibbonBar* pRibbonBar) = 0;
  virtual CSize GetOptionButtonSize() = 0;
  /// Builds the strip's tab paint manager with the ribbon's appearance and
  /// colour set and its options.
  virtual CTKTabPaintManager* CreateTabPaintManager();

  /// The owner's control height, at least 18.
  int GetControlHeight() const;
  int GetTabHeight() const { return m_nTabHeight; }
  int GetGroupCaptionHeight() const { return m_nGroupCaptionHeight; }
  int GetGroupSpacing() const { return m_nGroupSpacing; }
  COLORREF GetRibbonFace() const { return m_clrRibbonFace; }
  CFont* GetRibbonFont() { return &m_fontRibbon; }
  CTKTabPaintManager* GetTabPaintManager() const { return m_pTabPaintManager; }
  CTKPaintManagerBase* GetOwner() const { return m_pOwner; }

  /// Caption text of a frame the ribbon draws: composited with a glow where
  /// the system's visual styles allow, else plain.
  void DrawCaptionText(CDC* pDC, CRect rcText, const CString& strText, CWnd* pFrame,
                       BOOL bActive);
  /// An icon on a glass frame keeps its opaque pixels.
  void DrawFrameIcon(CDC* pDC, CTKRibbonBar* pRibbonBar, CRect rc, HICON hIcon);
  /// The bar is a ribbon on a composited frame and the rectangle meets its
  /// caption (and its tab row with a flat frame).
  BOOL IntersectsRibbonGlassArea(CTKCommandBar* pBar, CRect rc) const;

  // Grouped controls ----------------------------------------------------------------

  /// The face of a control of a group whose controls are drawn as runs;
  /// FALSE when this look does not paint it (nothing here).
  virtual BOOL DrawControlGroupBackground(CDC* /*pDC*/, CTKControl* /*pControl*/) { return FALSE; }

  // The system pop-up's colours -------------------------------------------------------

  COLORREF GetRecentFileListEdgeShadow() const { return m_clrRecentFileListEdgeShadow; }
  COLORREF GetRecentFileListEdgeHighlight() const { return m_clrRecentFileListEdgeHighlight; }
  COLORREF GetFileButtonText() const { return m_clrFileButtonText; }

  BOOL m_bHighlightGroups;
  BOOL m_bFlatFrame;

  // Ribbon layout ----------------------------------------------------------------------

  /// Left, top and right gaps of a system button drawn as a file button.
  CRect GetFileButtonMargin() const { return m_rcFileButtonMargin; }

 protected:
  /// Draws the system button again over a system pop-up that covers it, so the
  /// button stays visible in the caption while its pop-up is open.
  void DrawSystemButtonOverPopup(CDC* pDC, CTKPopupBar* pPopup, const CRect& rcClient);

  CTKPaintManagerFont m_fontRibbon;
  int m_nUnused;
  COLORREF m_clrRecentFileListEdgeShadow;
  COLORREF m_clrRecentFileListEdgeHighlight;
  int m_nTabHeight;
  int m_nGroupSpacing;
  int m_nGroupCaptionHeight;
  COLORREF m_clrRibbonFace;
  COLORREF m_clrGroupCaptionText;
  COLORREF m_clrRibbonInactiveFace;
  COLORREF m_clrFileButtonText;
  COLORREF m_clrMinimizedFrameEdgeHighlight;
  COLORREF m_clrMinimizedFrameEdgeShadow;
  CTKPaintManagerBase* m_pOwner;
  CTKTabPaintManager* m_pTabPaintManager;
  CRect m_rcFileButtonMargin;
  HICON m_hCachedFrameIcon;
  BOOL m_bCachedIconAlpha;
};
