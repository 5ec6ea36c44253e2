// How tab strips look and where their parts go: one appearance (shapes,
// margins, row height) and one colour set, with the options, fonts, position
// and layout mode all appearances share. Lays strips out in every mode and
// measures and draws the content of a tab.
#pragma once

#include <afxwin.h>

#include <vector>

class CTKTabManager;
class CTKTabManagerAtom;
class CTKTabManagerItem;
class CTKTabManagerNavigateButton;
class CTKTabPaintManagerTheme;
class CTKTabPaintManagerColorSet;

class CTKTabPaintManager : public CCmdTarget {
 public:
  CTKTabPaintManager();
  ~CTKTabPaintManager() override;

  /// Installs the colour set of the flag (unknown flags: the default set).
  virtual CTKTabPaintManagerColorSet* SetColor(int nFlag);
  /// Takes ownership of `pColorSet` (null: keeps the current one) and notifies.
  virtual CTKTabPaintManagerColorSet* SetColorSet(CTKTabPaintManagerColorSet* pColorSet);
  /// Installs the appearance of the id (unknown ids: Office 2000).
  virtual CTKTabPaintManagerTheme* SetAppearance(int nAppearance);
  /// Takes ownership of `pAppearance` (null: keeps the current one), installs
  /// its default colour set and notifies.
  virtual CTKTabPaintManagerTheme* SetAppearanceSet(CTKTabPaintManagerTheme* pAppearance);
  virtual void PaintStrip(CTKTabManager* pStrip, CDC* pDC, CRect rcControl);
  virtual void AdjustClientRect(CTKTabManager* pStrip, CRect& rcClient);
  virtual void LayoutStrip(CTKTabManager* pStrip, CDC* pDC, CRect rcControl);
  virtual void PaintNavigateButton(CDC* pDC, CTKTabManagerNavigateButton* pButton, CRect rc);
  /// bDraw FALSE: the tab's length; TRUE: draws its content and answers 0.
  virtual int DrawItemText(CDC* pDC, CTKTabManagerItem* pItem, CRect rcItem, BOOL bDraw);
  virtual void RefreshMetrics();
  virtual void OnPropertyChanged();
  virtual void PaintFocusRect(CDC* pDC, CTKTabManagerItem* pItem, CRect rc);

  void SetLayout(int nLayout);
  int GetLayout() const { return m_nLayout; }
  void SetPosition(int nPosition);
  int GetPosition() const { return m_nPosition; }
  int GetAppearanceId() const { return m_nAppearance; }
  int GetColorFlag() const { return m_nColor; }
  CTKTabPaintManagerTheme* GetAppearanceSet() const { return m_pAppearance; }
  CTKTabPaintManagerColorSet* GetColorSet() const { return m_pColorSet; }
  CFont* GetFont(BOOL bVertical) { return bVertical ? &m_fntVertical : &m_fntNormal; }
  CFont* GetBoldFont(BOOL bVertical) { return bVertical ? &m_fntVerticalBold : &m_fntBold; }
  BOOL AreSchemeColorsDisabled() const;
  /// Rebuilds the four fonts from `pLogFont` (null: only stores the flag).
  void SetFontIndirect(const LOGFONT* pLogFont, BOOL bUseIconTitleFont = FALSE);
  void EnsureVisible(CTKTabManager* pStrip, CTKTabManagerItem* pItem);
  void LayoutItems(CTKTabManager* pStrip, CDC* pDC, CRect rcControl);
  void PaintStripBody(CTKTabManager* pStrip, CDC* pDC, CRect rcControl);
  static COLORREF GetAutomaticTabColor(COLORREF clrCode);
  /// The next automatic colour code, counting on.
  COLORREF NextAutomaticColor();
  void AttachStrip(CTKTabManagerAtom* pStrip);
  void DetachStrip(CTKTabManagerAtom* pStrip);

  // Options read by strips, appearances and colour sets.
  BOOL m_bHotTracking = FALSE;
  BOOL m_bShowIcons = TRUE;
  BOOL m_bBoldSelected = FALSE;
  BOOL m_bBoldNormal = FALSE;
  BOOL m_bDisableSchemeColors = FALSE;
  BOOL m_bShowItemColors = FALSE;
  int m_nClientFrame = 0;
  BOOL m_bControlFrame = FALSE;
  CRect m_rcClientMargin;
  CRect m_rcControlMargin;
  CRect m_rcButtonMargin;
  CRect m_rcTextPadding;
  BOOL m_bInvertGradient = FALSE;
  BOOL m_bFillBackground = TRUE;
  CSize m_szIcon;
  BOOL m_bDrawTextMiddleEllipsis = FALSE;
  BOOL m_bDrawTextEndEllipsis = TRUE;
  BOOL m_bDrawTextNoPrefix = TRUE;
  UINT m_nDrawTextFormat = DT_VCENTER;
  BOOL m_bStripMnemonics = FALSE;
  BOOL m_bKeepSelectedRow = FALSE;
  BOOL m_bJustifyRows = TRUE;
  BOOL m_bFocusRect = TRUE;
  int m_nExtraItemLength = 0;
  BOOL m_bSelectOnButtonDown = TRUE;
  BOOL m_bClearType = FALSE;
  BOOL m_bRotateImages = FALSE;
  BOOL m_bClipHeader = TRUE;
  CSize m_szNavigateButton;
  BOOL m_bShowTabs = TRUE;
  BOOL m_bBalancedRows = TRUE;
  int m_nMinTabWidth = 0;
  int m_nMaxTabWidth = 0;
  int m_nFixedTabWidth = 0;
  int m_nToolTipMode = 2;
  BOOL m_bVerticalTextDownwards = TRUE;

 protected:
  /// Shortens the items' lengths so that they fill `nAvailable`.
  void ShrinkToFit(CTKTabManager* pStrip, int nAvailable);
  void LayoutMultiRow(CTKTabManager* pStrip, CDC* pDC, CRect rcControl);
  int ArrangeRows(CTKTabManager* pStrip, CDC* pDC, int nWidth);
  void FillRowsGreedy(CTKTabManager* pStrip, int nRows, int nWidth);
  int CountRowsNeeded(CTKTabManager* pStrip, int nRows, int nWidth);
  BOOL FillRowsBalanced(CTKTabManager* pStrip, int nRow, int nFirst, int nRows, int nWidth,
                        int nRemaining);
  CRect PlaceNavigateButtons(CTKTabManager* pStrip, CRect rcControl);
  void MeasureItems(CTKTabManager* pStrip, CDC* pDC, BOOL bExtraLength);
  void PaintRow(CTKTabManager* pStrip, CDC* pDC, CRect rcClip, int nRow);
  int ClampItemLength(int nLength) const;
  void DrawTextMiddleEllipsis(CDC* pDC, CTKTabManagerItem* pItem, const CString& strCaption,
                              CRect rc, UINT nFormat);
  BOOL IsVerticalText(const CTKTabManager* pStrip) const;

  CTKTabPaintManagerTheme* m_pAppearance = NULL;
  CTKTabPaintManagerColorSet* m_pColorSet = NULL;
  std::vector<CTKTabManagerAtom*> m_arrStrips;
  int m_nAppearance = 0;
  int m_nColor = 1;
  int m_nPosition = 0;
  int m_nLayout = 0;
  CFont m_fntNormal;
  CFont m_fntBold;
  CFont m_fntVertical;
  CFont m_fntVerticalBold;
  BOOL m_bUseIconTitleFont = TRUE;
  int m_nAutomaticColor = 0;
};

/// Margins given for a top strip, turned to the position (left, top, right,
/// bottom of the result).
CRect TKTurnMarginsToPosition(const CRect& rcMargin, int nPosition);
