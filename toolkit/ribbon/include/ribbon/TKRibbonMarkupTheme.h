// The ribbon looks drawn from markup drawings of a zipped style resource:
// tabs, groups, the file button, scroll buttons, group pop-ups and the
// system pop-up come from the drawings, everything else is plain GDI in the
// system colours. Without the resource the drawings stay empty and the GDI
// parts still draw, so the ribbon stays usable.
#pragma once

#include <memory>

#include "common/TKZipArchive.h"
#include "ribbon/TKRibbonMarkupThemePart.h"
#include "ribbon/TKRibbonPaintManager.h"

class CTKMarkupContext;

class CTKRibbonMarkupTheme : public CTKRibbonPaintManager {
 public:
  /// The drawings of the catalogue, by index.
  enum PartIndex {
    partCaptionActive = 0,
    partCaptionInactive = 1,
    partSystemButtonNormal = 2,
    partSystemButtonPopuped = 3,
    partSystemButtonSelected = 4,
    partControlEntry = 5,
    partControlEntryLeft = 6,
    partControlEntryLeftRight = 7,
    partControlEntryRight = 8,
    partGroupsArea = 9,
    partScrollLeft = 10,
    partScrollRight = 11,
    partTabHighlighted = 12,
    partTabSelected = 13,
    partTabSelectedFocused = 14,
    partTabSelectedHighlighted = 15,
    partContextTabFirst = 16,    ///< 16-22: the context headers, Blue .. Yellow by name
    partColoredTabFirst = 23,    ///< 23-43: the selected tabs of each context colour
    partSystemPopupEntry = 44,
    partSystemPopupButtonNormal = 45,
    partSystemPopupButtonSelected = 46,
    partCount = 47
  };
  enum SystemMenuPart { systemMenuNormal, systemMenuSelected, systemMenuPopuped, systemMenuCount };
  enum GroupPart {
    groupNormal, groupHighlighted, groupPopupNormal, groupPopupPopuped, groupPopupSelected,
    groupPopupToolBar, groupCount
  };

  explicit CTKRibbonMarkupTheme(CTKPaintManagerBase* pOwner);
  ~CTKRibbonMarkupTheme() override;

  /// Loads every drawing once from the archive with `pContext` (null: the
  /// theme's own); a missing item leaves its drawing empty.
  void LoadParts(HTKZIP hZip, CTKMarkupContext* pContext = nullptr);
  BOOL IsPartsLoaded() const { return m_bPartsLoaded; }
  static LPCSTR AFX_CDECL GetPartItemName(int nPart);
  CTKMarkupThemePart* GetPart(int nPart) { return &m_parts[nPart]; }
  /// Null before LoadParts.
  CTKRibbonMarkupThemePartGroup* GetGroupPart(int nPart) const { return m_pGroupParts[nPart].get(); }
  CTKRibbonMarkupThemePartSystemMenu* GetSystemMenuPart(int nPart) const {
    return m_pSystemMenuParts[nPart].get();
  }
  /// The header drawing of a context colour (1 blue .. 7 orange); -1 for none.
  static int AFX_CDECL GetContextTabPartIndex(int nColor);
  /// A selected-tab drawing (13, 14, 15) in the context colour's variant.
  static int AFX_CDECL GetColoredTabPartIndex(int nPart, int nColor);
  /// The drawing a tab gets in its state, or -1 for none.
  int GetRibbonTabPartIndex(CTKTabManagerItem* pTab);
  /// The drawing behind a grouped control, or -1 for none.
  int GetControlGroupPartIndex(CTKControl* pControl);
  CTKMarkupContext* GetMarkupContext() const { return m_pMarkupContext; }

  void RefreshMetrics() override;
  void DrawGroup(CDC* pDC, CTKRibbonGroup* pGroup) override;
  void FillGroupsArea(CDC* pDC, CTKRibbonTab* pSelected, CRect rcGroups) override;
  CSize DrawGroupPopupButton(CDC* pDC, CTKControl* pButton, BOOL bDraw) override;
  void FillRibbonBar(CDC* pDC, CTKRibbonBar* pRibbonBar) override;
  void DrawGroupOptionButton(CDC* pDC, CTKControl* pButton, BOOL bDraw) override;
  void DrawContextHeaders(CDC* pDC, CTKRibbonBar* pRibbonBar,
                          CTKRibbonTabContextHeaders* pHeaders) override;
  void DrawRibbonTab(CDC* pDC, CTKTabManagerItem* pTab) override;
  void FillContextTabBackground(CDC*, CTKRibbonBar*, CRect) override {}
  void FillGroupPopupToolBar(CDC* pDC, CTKRibbonGroup* pGroup, CTKCommandBar* pPopup) override;
  void DrawCaptionBackground(CDC* pDC, CTKRibbonBar* pRibbonBar, BOOL bActive) override;
  void DrawFrameCaption(CDC* pDC, CTKRibbonBar* pRibbonBar, BOOL bActive) override;
  void DrawQuickAccessCustomizeButton(CDC* pDC, CTKControl* pButton) override;
  void DrawQuickAccessMoreButton(CDC* pDC, CTKControl* pButton) override;
  void DrawSystemButton(CDC* pDC, CTKControl* pButton, CRect rc) override;
  void DrawGroupsScrollButton(CDC* pDC, CTKControl* pButton) override;
  void FillPopupBarFrame(CDC* pDC, CTKPopupBar* pPopup) override;
  void FillSystemPopupBar(CDC* pDC, CTKPopupBar* pPopup) override;
  void DrawSystemPopupBarButton(CDC* pDC, CTKControl* pButton) override;
  void DrawControlGroupBackground(CDC*, CRect) override {}
  /// The run's drawing behind a grouped control that is not selected.
  BOOL DrawControlGroupBackground(CDC* pDC, CTKControl* pControl) override;
  void DrawGroupPopup(CDC* pDC, CTKRibbonGroup* pGroup) override;
  CSize GetOptionButtonSize() override;
  /// The area behind a quick-access bar in the caption: nothing here.
  virtual void DrawQuickAccessArea(CDC* pDC, CTKRibbonBar* pRibbonBar);

  /// The dialog launcher's colour and the groups' caption colour.
  COLORREF m_clrOption;
  COLORREF m_clrGroupCaption;

 protected:
  /// Renders the markup text with the theme's context into `rc`, then drops it.
  void RenderMarkupText(CDC* pDC, LPCSTR lpszMarkup, CRect rc);
  void DrawCaptionParts(CDC* pDC, CTKRibbonBar* pRibbonBar);

 private:
  BOOL m_bPartsLoaded;
  CTKMarkupContext* m_pMarkupContext;
  CTKMarkupThemePart m_parts[partCount];
  std::unique_ptr<CTKRibbonMarkupThemePartSystemMenu> m_pSystemMenuParts[systemMenuCount];
  std::unique_ptr<CTKRibbonMarkupThemePartGroup> m_pGroupParts[groupCount];
};

/// The ribbon of every theme without one of its own, in the system colours.
class CTKRibbonThemeOffice2007System : public CTKRibbonMarkupTheme {
 public:
  /// Loads the drawings of "TK_IDR_OFFICE2007SYSTEM_STYLE"; from Windows
  /// Vista on, the owner's bars take "Segoe UI" at 12 pixels.
  explicit CTKRibbonThemeOffice2007System(CTKPaintManagerBase* pOwner);

  void RefreshMetrics() override;
  /// The system caption; ScaleY(4) lower unless the quick-access bar is in it.
  int GetCaptionHeight(CTKRibbonBar* pRibbonBar) override;
  /// A translucent white band with curved ends behind the quick-access bar.
  void DrawQuickAccessArea(CDC* pDC, CTKRibbonBar* pRibbonBar) override;
};
