// The ribbon's row of tabs: at once a control of the ribbon bar (so that it
// takes part in the bar's keyboard navigation, tracking, accessibility and
// customisation) and a window-less tab strip whose items are the ribbon's tabs.
// It has no window: every window job goes through its parent ribbon bar.
#pragma once

#include "commandbars/TKControlClasses.h"
#include "tabs/TKTabManager.h"

class CTKRibbonBar;
class CTKRibbonTab;

class CTKRibbonControlTab : public CTKControlPopup, public CTKTabManager {
  DECLARE_DYNCREATE(CTKRibbonControlTab)

 public:
  CTKRibbonControlTab();
  ~CTKRibbonControlTab() override;

  /// The parent bar when it is a ribbon.
  CTKRibbonBar* GetRibbonBar() const;
  CTKRibbonTab* GetSelectedTab() const;
  CTKRibbonTab* GetTab(int nIndex) const;

  // The tab-strip side -----------------------------------------------------------

  void Reposition() override;
  CString GetItemTooltip(const CTKTabManagerItem* pItem) const override;
  /// Through the ribbon: the change may be vetoed, the groups follow the tab.
  void SetSelectedItem(CTKTabManagerItem* pItem) override;
  CTKTabPaintManager* GetPaintManager() const override;
  void RedrawControl(LPCRECT lpRect, BOOL bAnimate) override;
  BOOL DrawIcon(CDC* pDC, CPoint pt, CTKTabManagerItem* pItem, BOOL bDraw,
                CSize& szIcon) override;
  void OnItemClick(CTKTabManagerItem* pItem) override;
  BOOL IsMouseLocked() const override;
  BOOL IsFocusVisible() const override;

  // The control side -------------------------------------------------------------

  void SetKeyboardFocus(BOOL bFocus) override;
  BOOL HasKeyboardFocus() const override { return m_bFocused; }
  void DoPropExchange(CTKPropExchange* pPX) override;
  void OnUnderlineActivate() override;
  void Copy(CTKControl* pSource, BOOL bRecursive = FALSE) override;
  BOOL OnFocusedKeyDown(UINT nChar) override;
  BOOL OnSetPopup(BOOL bPopup) override;
  BOOL SetSelected(int nSelected) override;
  CTKControl* Clone(BOOL bRecursive = FALSE) override;
  void AdjustExcludeRect(CRect& rc, BOOL bVertical) override;

  /// Opens the selected tab of a minimised ribbon as a pop-up.
  void ShowTabPopup(BOOL bKeyboard);
  /// The tab pop-up exists and tracks.
  BOOL IsPopupTracking() const;

  // Accessibility: child 0 is the strip, child n the tab n - 1 ------------------------

  HRESULT GetAccessibleChildCount(long* pcountChildren) override;
  HRESULT GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild) override;
  HRESULT GetAccessibleName(VARIANT varChild, BSTR* pszName) override;
  HRESULT GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole) override;
  HRESULT GetAccessibleState(VARIANT varChild, VARIANT* pvarState) override;
  HRESULT GetAccessibleDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
  HRESULT AccessibleSelect(long flagsSelect, VARIANT varChild) override;
  HRESULT AccessibleDoDefaultAction(VARIANT varChild) override;
  HRESULT AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                             VARIANT varChild) override;
  HRESULT AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;

 protected:
  /// The tab of a child id (1 the first), null for the strip itself or an invalid id.
  CTKRibbonTab* AccessibleTab(const VARIANT& varChild, BOOL* pbValid) const;
  /// Deletes every tab item the strip holds.
  void DeleteAllTabs();

  BOOL m_bFocused;
  /// Stands in while the ribbon has no paint manager of its own, so that
  /// tabs can be added to a ribbon that is not drawn yet.
  mutable CTKTabPaintManager* m_pFallbackPaintManager;
};
