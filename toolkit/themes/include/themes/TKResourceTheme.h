// The Office 2003 theme with its colours, some metrics and pictures taken from
// the loaded theme text and images (TKResourceImages()). It installs the
// image variants of every owned paint manager. While no theme text is loaded
// it draws as Office 2003 does with colours derived from the system's.
#pragma once

#include <memory>

#include "themes/TKCommandBarsOffice2003Theme.h"

class CTKResourceImage;
class CTKResourceImages;
class CTKRibbonOffice2007FrameTheme;

class CTKResourceTheme : public CTKCommandBarsOffice2003Theme {
 public:
  CTKResourceTheme();
  ~CTKResourceTheme() override;

  int GetThemeType() const override { return 5; }
  BOOL UsesResourceImages() const override { return TRUE; }

  /// Selects the module and theme text of the images, then refreshes.
  virtual void SetImageHandle(HMODULE hModule, LPCSTR lpszIniName);
  /// The image frame, made and refreshed on first use; owned here.
  CTKFramePaintManager* GetFramePaintManager() override;
  /// The ribbon look drawn from the same images, made on first use.
  CTKRibbonPaintManager* GetRibbonPaintManager() override;

  /// The theme text's colours over those of Office 2003.
  void RefreshMetrics() override;
  /// A plain menu-bar item takes "MenuBarText"; everything else as Office XP.
  COLORREF GetRectangleTextColor(BOOL bSelected, BOOL bPressed, BOOL bEnabled, BOOL bChecked,
                                 BOOL bPopuped, int nBarType, int nBarPosition) override;
  /// "WORKSPACETOPLEFT" stretched along the top and a three-colour gradient
  /// below; nothing while no theme text is loaded.
  void FillWorkspace(CDC* pDC, CRect rc, CRect rcExclude) override;

  CTKResourceImages* GetImages() const { return m_pImages; }
  /// The image of that name in the loaded set; null when the set lacks it.
  CTKResourceImage* LoadImage(LPCSTR lpszName);
  /// Whether a theme text is loaded.
  BOOL IsIniLoaded() const;

  CTKResourceImages* m_pImages;
  /// Colours read from the theme text: a missing key leaves -1 (no colour),
  /// and each is a colour as it stands, never an indexed colour.
  COLORREF m_clrMenuBarText;
  COLORREF m_clrStatusBarShadow;
  CTKPaintManagerColorGradient m_grcStatusBarTop;
  CTKPaintManagerColorGradient m_grcStatusBarBottom;
  COLORREF m_clrWorkspaceTop;
  COLORREF m_clrWorkspaceMiddle;
  COLORREF m_clrWorkspaceBottom;
  int m_nMessageBarHeight;
  CSize m_szMessageBarButton;
  CTKPaintManagerColorGradient m_grcMessageBar;
  COLORREF m_clrMessageBarFrame;
  COLORREF m_clrMessageBarFace;

 protected:
  /// The frame, for a derived theme that makes it before its first use.
  CTKRibbonOffice2007FrameTheme* EnsureFramePaintManager();

  std::unique_ptr<CTKRibbonOffice2007FrameTheme> m_pFramePaintManager;
};
