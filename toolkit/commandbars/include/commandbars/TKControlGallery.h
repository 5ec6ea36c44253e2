// The gallery: a bar item that lays the items of its action's collection out
// in rows under their labels, scrolls them (smoothly through its own up, down
// and more buttons when it has a pop-up, else with a standard scroll bar),
// selects them by mouse and keyboard and tells the site of a live preview of
// the hot item. With a button style it is a plain pop-up button. UI thread
// only; the smooth scroll runs on the bar window's timer.
#pragma once

#include <afxtempl.h>

#include "commandbars/TKControlClasses.h"
#include "commandbars/TKControlGalleryItems.h"
#include "common/TKScrollBase.h"

class CTKControlGalleryPaintManager;
class CTKPropExchange;

/// Notifications a gallery sends its site.
enum {
  TKN_GALLERY_PREVIEWSTART = 0x1010,   ///< a live preview begins
  TKN_GALLERY_PREVIEWCANCEL = 0x1011,  ///< it ends without a choice
  TKN_GALLERY_PREVIEWAPPLY = 0x1012,   ///< it ends because the gallery executes
  TKN_GALLERY_PREVIEWCHANGE = 0x1013,  ///< the previewed item changed
  TKN_GALLERY_BEGINDRAG = 0x1014,      ///< a pressed item was dragged
  TKN_GALLERY_SELCHANGE = 0x1015,      ///< the selection changed
};

class CTKControlGallery : public CTKControlPopup, public CTKScrollBase {
  DECLARE_DYNCREATE(CTKControlGallery)

 public:
  CTKControlGallery();
  ~CTKControlGallery() override;

  // Items --------------------------------------------------------------------------

  /// The collection of the bound action; null without one.
  virtual CTKControlGalleryItems* GetItems() const;
  int GetItemCount() const;
  /// Null out of range.
  CTKControlGalleryItem* GetItem(int nIndex) const;
  /// Empty out of range.
  CString GetItemText(int nIndex) const;
  virtual BOOL IsItemChecked(CTKControlGalleryItem* pItem) const;
  /// After the collection changed: no selection, back at the top, laid out
  /// again, an active preview cancelled.
  virtual void OnItemsChanged();
  void SetAction(CTKControlAction* pAction) override;

  // Options ------------------------------------------------------------------------

  BOOL GetShowLabels() const { return m_bShowLabels; }
  void SetShowLabels(BOOL bShow);
  BOOL GetShowScrollBar() const { return m_bShowScrollBar; }
  void SetShowScrollBar(BOOL bShow);
  BOOL GetShowBorders() const { return m_bShowBorders; }
  void SetShowBorders(BOOL bShow);
  CRect GetMargin() const { return m_rcMargin; }
  void SetMargin(CRect rcMargin);
  BOOL IsResizable() const { return m_bResizable; }
  void SetResizable(BOOL bResizable) { m_bResizable = bResizable; }
  /// The bar draws the background: the gallery's paint manager fills nothing.
  BOOL IsTransparent() const override { return m_bTransparent; }
  void SetTransparent(BOOL bTransparent) { m_bTransparent = bTransparent; }
  /// A large layout style or the icon style: a pop-up button.
  BOOL IsShowAsButton() const;
  /// Borderless on a pop-up bar with another visible control after it.
  BOOL HasBottomSeparator() const;

  // Geometry -------------------------------------------------------------------------

  /// Side by side: the frame, the scroll column and the separator on a bar,
  /// then the margins.
  virtual CRect GetBorders() const;
  CRect GetItemsRect() const;
  /// Lays the items out at scroll offset 0.
  void RepositionItems();
  /// Lays out again and clamps the scroll offset.
  void RecalcLayout();
  void SetRect(CRect rcControl) override;
  CSize GetSize(CDC* pDC) override;
  int GetCustomizeMinWidth() const override;
  int GetCustomizeMinHeight() const override;
  BOOL IsCustomizeResizeAllow() const override { return m_bResizable; }
  /// The enabled item under a point, -1 for none or a label.
  int HitTestItem(CPoint pt, CRect* lpRect = NULL) const;
  /// The rectangle as the gallery shows it now (scrolled), empty out of range.
  CRect GetItemRect(int nIndex) const;
  /// Whether the up (60) or down (61) button can scroll; other codes TRUE.
  BOOL IsScrollButtonEnabled(int nHitCode) const;
  int GetScrollPos() const { return m_nScrollOffset; }
  int GetContentHeight() const { return m_nContentHeight; }
  /// The largest scroll offset.
  int GetMaxScrollPos() const;
  /// The scroll column's hot or pressed part (60, 61, 65 or 0).
  int GetHotScrollPart() const { return m_layout.nHitPart; }
  /// Whether the scroll column's part is held down.
  BOOL IsScrollBarTracked() const { return GetTrackInfo() != NULL; }

  // Drawing --------------------------------------------------------------------------

  void Draw(CDC* pDC) override;
  virtual void FillControl(CDC* pDC, CRect rc);
  void DrawItems(CDC* pDC);
  void DrawScrollBar(CDC* pDC);
  CTKControlGalleryPaintManager* GetGalleryPaintManager() const;

  // Selection and preview ------------------------------------------------------------

  int GetSelectedItem() const { return m_nSelectedItem; }
  /// Selects by keyboard or program, scrolls it into view and previews it.
  void SetSelectedItem(int nIndex);
  BOOL IsSelectionHidden() const { return m_bHideSelection; }
  void HideSelection();
  BOOL IsPreviewActive() const { return m_bPreview; }
  BOOL IsItemPressed() const { return m_bItemPressed; }
  /// Sends TKN_GALLERY_SELCHANGE.
  virtual void OnSelChanged();
  void EnsureVisible(int nIndex);
  /// Scrolls the item's row to the top.
  void ScrollToItem(int nIndex);
  /// The next item after `nStart` (wrapping) whose caption is `lpszText`
  /// (bExact) or begins with it, ignoring case; -1 for none.
  int FindItem(int nStart, LPCSTR lpszText, BOOL bExact) const;

  // Navigation -------------------------------------------------------------------------

  /// The next item that is no label, wrapping once; -1 when none.
  int GetNextItem(int nIndex, int nDirection) const;
  int GetNextItemInRow(int nIndex, int nDirection) const;
  int GetNextItemInColumn(int nIndex, int nDirection) const;
  int GetNextItemByPage(int nIndex, int nDirection) const;

  // Scrolling ------------------------------------------------------------------------

  /// Scrolls at once, ending a smooth scroll.
  void SetScrollPos(int nOffset);
  /// Glides to the offset on the bar's timer.
  void AnimatedScrollTo(int nOffset);
  /// One step of the glide.
  void OnAnimationStep();
  virtual void UpdateScrollBar();

  // Mouse, keys and state --------------------------------------------------------------

  void OnMouseMove(CPoint pt) override;
  /// (-1, -1): the mouse left the bar.
  void TrackHotItem(CPoint pt);
  void OnMouseHover() override;
  void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
  void OnLButtonUp(CPoint pt) override;
  void OnExecute() override;
  int OnHookKeyDown(UINT nChar, LPARAM lParam) override;
  BOOL OnHookMouseWheel(UINT nMessage, WPARAM wParam, LPARAM lParam) override;
  BOOL SetSelected(int nSelected) override;
  BOOL IsFocused() const override;
  void OnCalcDynamicSize(DWORD dwMode) override;
  BOOL OnSetPopup(BOOL bPopup) override;

  // Copying and persistence ------------------------------------------------------------

  void Copy(CTKControl* pSource, BOOL bRecursive = FALSE) override;
  /// "ShowLabels", "ShowBorders", "ShowScrollBar", "GalleryMargin" and,
  /// from schema 24, "Resizable".
  void DoPropExchange(CTKPropExchange* pPX) override;

  // Tooltips and accessibility: child n is item n - 1 ----------------------------------

  /// The item under the point as a tool; 0 outside items, -1 without items.
  INT_PTR OnToolHitTest(CPoint pt, TOOLINFO* pTI) const override;
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

  // The scroll part --------------------------------------------------------------------

  CWnd* GetParentWindow() const override;
  BOOL IsScrollBarEnabled() const override;
  CTKScrollBarPaintManager* GetScrollBarPaintManager() const override;
  void GetScrollBarRect(CRect& rc) override;
  CRect GetScrollBarRect() const;
  void GetScrollInfo(SCROLLINFO* pInfo) override;
  void RedrawScrollBar() override;
  void DoAnimate() override { OnAnimationStep(); }
  void DoScroll(int nCommand, int nPos) override;
  void CalcScrollBarInfo(LPRECT lprc, TK_SCROLLBAR_LAYOUT* pLayout, SCROLLINFO* pInfo) override;

  /// The bar's hover timer as the gallery starts it for a hot item.
  static constexpr UINT kHoverElapse = 200;
  static constexpr UINT kAnimationElapse = 40;

 protected:
  struct ItemPosition {
    CRect rc;  ///< at scroll offset 0
    CTKControlGalleryItem* pItem;
    BOOL bBeginRow;
  };

  /// A gallery with a pop-up scrolls through its own buttons.
  BOOL HasPopupButtons() const { return GetCommandBar() != nullptr; }
  int GetScrollColumnWidth() const;
  int GetItemHeight() const;
  /// Redraws an item's visible rectangle, or the whole control when the
  /// collection asks for it.
  void RedrawItem(int nIndex);
  void PressItem(CPoint pt);
  void ReleaseItem();
  void StartPreview();
  void EndPreview(UINT nCode);
  /// Makes `nIndex` the mouse's selection.
  void SelectHotItem(int nIndex);
  /// Sets the selection shown and unpressed; the index it replaces.
  int ReplaceSelection(int nIndex, BOOL bKeyboard);
  BOOL IsLabelAt(int nIndex) const;
  /// The item's rectangle within the items area, empty when out of sight.
  CRect GetVisibleItemRect(int nIndex) const;
  /// The item of an accessibility child id (1-based), null for the gallery.
  CTKControlGalleryItem* GetAccessibleItem(const VARIANT& varChild) const;

  int m_nCheckedItem;
  int m_nSelectedItem;
  BOOL m_bHideSelection;
  BOOL m_bItemPressed;
  CPoint m_ptPressed;
  int m_nScrollOffset;
  int m_nTargetOffset;
  double m_dAnimationStep;
  BOOL m_bKeyboardSelection;
  int m_nContentHeight;
  BOOL m_bShowLabels;
  BOOL m_bShowScrollBar;
  BOOL m_bShowBorders;
  CRect m_rcMargin;
  BOOL m_bResizable;
  BOOL m_bPreview;
  BOOL m_bTransparent;
  CArray<ItemPosition, const ItemPosition&> m_arrPositions;
};
