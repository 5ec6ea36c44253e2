// The ribbon look drawn from the images and colours of the loaded theme text
// (TKResourceImages()): every part of the bar, its tabs, groups, caption,
// quick-access bar, system button and pop-ups. With no theme text loaded it
// draws nothing and measures empty; an image the set lacks is left out, or
// replaced by the fallback each operation names.
#pragma once

#include "ribbon/TKRibbonPaintManager.h"

class CTKResourceImage;

class CTKRibbonThemeResource : public CTKRibbonPaintManager {
 public:
  explicit CTKRibbonThemeResource(CTKPaintManagerBase* pOwner);

  /// The base metrics, then the theme text's colours and sizes when loaded.
  void RefreshMetrics() override;

  // Groups (src/theme/TKRibbonThemeResourceGroups.cpp) ---------------------------------

  void DrawGroup(CDC* pDC, CTKRibbonGroup* pGroup) override;
  void FillGroupsArea(CDC* pDC, CTKRibbonTab* pSelected, CRect rcGroups) override;
  /// A reduced group's button (or a group's button on the quick-access bar).
  CSize DrawGroupPopupButton(CDC* pDC, CTKControl* pButton, BOOL bDraw) override;
  void DrawGroupOptionButton(CDC* pDC, CTKControl* pButton, BOOL bDraw) override;
  void FillGroupPopupToolBar(CDC* pDC, CTKRibbonGroup* pGroup, CTKCommandBar* pPopup) override;
  void DrawControlGroupBackground(CDC* pDC, CRect rcGroup) override;
  /// The face of one control of a run of grouped controls: the left, centre,
  /// right or single image. FALSE when not such a control or the image is missing.
  BOOL DrawControlGroupBackground(CDC* pDC, CTKControl* pControl) override;
  void DrawGroupsScrollButton(CDC* pDC, CTKControl* pButton) override;
  /// The option image's slice size (0 x 0 without it).
  CSize GetOptionButtonSize() override;

  // Tabs and context headers (src/theme/TKRibbonThemeResourceTabs.cpp) -------------------

  void DrawRibbonTab(CDC* pDC, CTKTabManagerItem* pTab) override;
  void DrawContextHeaders(CDC* pDC, CTKRibbonBar* pRibbonBar,
                          CTKRibbonTabContextHeaders* pHeaders) override;
  void FillContextTabBackground(CDC* pDC, CTKRibbonBar* pRibbonBar, CRect rc) override;

  // Bar, caption and quick access (src/theme/TKRibbonThemeResourceCaption.cpp) ----------

  void FillRibbonBar(CDC* pDC, CTKRibbonBar* pRibbonBar) override;
  void DrawCaptionBackground(CDC* pDC, CTKRibbonBar* pRibbonBar, BOOL bActive) override;
  void DrawFrameCaption(CDC* pDC, CTKRibbonBar* pRibbonBar, BOOL bActive) override;
  void DrawQuickAccessCustomizeButton(CDC* pDC, CTKControl* pButton) override;
  void DrawQuickAccessMoreButton(CDC* pDC, CTKControl* pButton) override;
  int GetCaptionHeight(CTKRibbonBar* pRibbonBar) override;
  /// The area behind a quick-access bar in the caption.
  virtual void DrawQuickAccessArea(CDC* pDC, CTKRibbonBar* pRibbonBar);

  // System button and pop-ups (src/theme/TKRibbonThemeResourcePopups.cpp) ----------------

  void DrawSystemButton(CDC* pDC, CTKControl* pButton, CRect rc) override;
  void FillPopupBarFrame(CDC* pDC, CTKPopupBar* pPopup) override;
  void FillSystemPopupBar(CDC* pDC, CTKPopupBar* pPopup) override;
  void DrawSystemPopupBarButton(CDC* pDC, CTKControl* pButton) override;

  /// 3 or 7 slices of "FILEBUTTON".
  int m_nFileButtonImageCount;

  /// The name of a context colour (1 "BLUE" .. 7 "ORANGE"); null for 0 and
  /// any other number.
  static LPCSTR AFX_CDECL GetContextColorName(int nColor);

 protected:
  /// Whether the theme text and images are loaded: nothing draws without.
  BOOL IsLoaded() const;
  /// The image of the loaded set, null when missing.
  CTKResourceImage* LoadImage(LPCSTR lpszName) const;
  /// "CONTEXTTAB<colour><suffix>", or null for a colour without a name.
  CTKResourceImage* LoadContextImage(int nColor, LPCSTR lpszSuffix) const;
  /// Slice `nSlice` of `nCount` over `rc` with the same sizing margin on
  /// every side. FALSE when the image is missing.
  static BOOL DrawSlice(CDC* pDC, CTKResourceImage* pImage, CRect rc, int nSlice, int nCount,
                        CRect rcMargins);
  /// The same with magenta clear (kept opaque elsewhere on glass).
  static BOOL DrawSliceTransparent(CDC* pDC, CTKResourceImage* pImage, CRect rc, int nSlice,
                                   int nCount, CRect rcMargins, BOOL bOnGlass = FALSE);
  /// The slice at its own size scaled for the screen, centred in `rc`.
  static void DrawSliceCentered(CDC* pDC, CTKResourceImage* pImage, CRect rc, int nSlice,
                                int nCount, BOOL bOnGlass = FALSE);
};
