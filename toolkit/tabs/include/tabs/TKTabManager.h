// The window-less engine of every tab strip: its tabs, its own navigate
// buttons, the rectangles the paint manager lays out, and the interaction:
// hit tests, selection, hot tracking, press and reorder loops, keys, tooltips.
// A concrete strip derives from it, supplies the window side (redraw,
// reposition, paint manager, icons) and forwards its messages here.
#pragma once

#include <afxwin.h>
#include <commctrl.h>

#include <vector>

#include "tabs/TKTabManagerNavigateButton.h"

class CTKTabManagerItem;
class CTKTabPaintManager;
class CTKTabPaintManagerTheme;
class CTKMarkupContext;

/// Tab positions.
enum TKTabPosition { tkTabPositionTop = 0, tkTabPositionLeft = 1, tkTabPositionBottom = 2,
                     tkTabPositionRight = 3 };
/// Layout modes of a strip.
enum TKTabLayout { tkTabLayoutAuto = 0, tkTabLayoutShrink = 1, tkTabLayoutFixed = 2,
                   tkTabLayoutCompressed = 3, tkTabLayoutMultiRow = 4, tkTabLayoutRotated = 5 };

/// What the paint manager notifies after a change of look or layout.
class CTKTabManagerAtom {
 public:
  virtual void OnPropertyChanged() { Reposition(); }
  /// Lays the strip out again and redraws it.
  virtual void Reposition() = 0;
  virtual ~CTKTabManagerAtom() = default;
};

class CTKTabManager;

/// Rows of a multi-row layout: (first, last) item indexes, row 0 next to the page.
struct TabRowTable {
  struct Row {
    int nFirst;
    int nLast;
  };
  explicit TabRowTable(CTKTabManager* pOwner) : pManager(pOwner) {}
  int GetRowCount() const { return static_cast<int>(rows.size()); }
  /// Reallocates only for a new count; for n > 0 row 0 then holds every item.
  void SetRowCount(int nCount);

  std::vector<Row> rows;
  CTKTabManager* pManager;
};

class CTKTabManager : public CTKTabManagerAtom {
 public:
  class CNavigateButtonArrow;
  class CNavigateButtonArrowLeft;
  class CNavigateButtonArrowRight;
  class CNavigateButtonClose;
  class CNavigateButtonTabClose;

  CTKTabManager();
  ~CTKTabManager() override;

  // Overridable operations.
  virtual CString GetItemCaption(const CTKTabManagerItem* pItem) const;
  virtual DWORD_PTR GetItemData(const CTKTabManagerItem* pItem) const;
  virtual COLORREF GetItemColor(const CTKTabManagerItem* pItem) const;
  virtual CString GetItemTooltip(const CTKTabManagerItem* pItem) const;
  /// Renumbers every item to its place, then repositions.
  virtual void OnItemsChanged();
  virtual void SetSelectedItem(CTKTabManagerItem* pItem);
  /// OnItemClick when OnBeforeItemClick allows; returns the permission.
  virtual BOOL PerformItemClick(CTKTabManagerItem* pItem);
  virtual void GetItemMetrics(CSize* pszNormal, CSize* pszMin, CSize* pszMax) const;
  virtual int GetItemsLength() const;
  virtual CTKTabPaintManager* GetPaintManager() const = 0;
  /// Redraws a rectangle of the strip, all of it for null.
  virtual void RedrawControl(LPCRECT lpRect, BOOL bAnimate) = 0;
  virtual BOOL IsAllowReorder() const { return m_bAllowReorder; }
  virtual void SetAllowReorder(BOOL bAllow) { m_bAllowReorder = bAllow; }
  virtual BOOL HasControlFrame() const;
  /// Draws (or with bDraw FALSE only answers whether there is) an item's
  /// icon; without an item, whether the strip shows icons at all.
  virtual BOOL DrawIcon(CDC* pDC, CPoint pt, CTKTabManagerItem* pItem, BOOL bDraw,
                        CSize& szIcon) = 0;
  virtual int GetPosition() const;
  /// Non-zero scrolls towards the far end (right or bottom).
  virtual void ScrollTabs(int nDirection);
  virtual INT_PTR PerformToolHitTest(HWND hWnd, CPoint point, TOOLINFO* pTI);
  virtual BOOL PerformKeyDown(HWND hWnd, UINT nChar);
  /// Offered the header before a plain button-face fill; non-zero skips the fill.
  virtual BOOL DrawParentBackground(CDC* pDC, CRect rc);
  virtual CTKMarkupContext* GetMarkupContext() const { return m_pMarkupContext; }
  virtual BOOL IsNavigateButtonAutoVisible(const CTKTabManagerNavigateButton* pButton) const;
  virtual BOOL IsNavigateButtonVisible(const CTKTabManagerNavigateButton* pButton) const;
  virtual void OnItemClick(CTKTabManagerItem* pItem);
  virtual BOOL OnBeforeItemClick(CTKTabManagerItem* pItem);
  virtual void TrackReorder(HWND hWnd, CPoint point, CTKTabManagerItem* pItem);
  virtual void OnSwapItems(CTKTabManagerItem* pItem, CTKTabManagerItem* pOther);
  virtual void OnItemMoved(CTKTabManagerItem* pItem, int nOldIndex, int nNewIndex);
  virtual void OnNavigateButtonCommand(int nId);
  virtual void OnNavigateButtonClick(CTKTabManagerNavigateButton* pButton);
  /// While TRUE, hot tracking and tooltips are suppressed.
  virtual BOOL IsMouseLocked() const { return FALSE; }
  virtual BOOL IsFocusVisible() const { return FALSE; }

  // Items and selection.
  /// Inserts (or with no item creates) an item; an index outside the list appends.
  CTKTabManagerItem* AddItem(int nIndex, CTKTabManagerItem* pItem = NULL);
  void DeleteAllItems();
  int GetItemCount() const { return static_cast<int>(m_arrItems.size()); }
  CTKTabManagerItem* GetItem(int nIndex) const;
  CTKTabManagerItem* GetSelectedItem() const { return m_pSelected; }
  CTKTabManagerItem* GetHighlightedItem() const { return m_pHighlighted; }
  CTKTabManagerItem* GetPressedItem() const { return m_pPressed; }
  int GetCurSel() const;
  void SetCurSel(int nIndex);
  /// The first visible, enabled item from nIndex moving by nStep; null past the ends.
  CTKTabManagerItem* FindNextItem(int nIndex, int nStep) const;
  CTKTabManagerItem* FindItemByHandle(HWND hWnd) const;

  // Hit tests and input.
  CTKTabManagerItem* HitTest(CPoint point) const;
  CTKTabManagerNavigateButton* HitTestNavigateButton(CPoint point, BOOL bItemsOnly,
                                                     int* pnIndex = NULL) const;
  void PerformMouseMove(HWND hWnd, CPoint point);
  BOOL PerformClick(HWND hWnd, CPoint point, BOOL bButtonsOnly = FALSE);

  // Layout state.
  int GetHeaderOffset() const { return m_nHeaderOffset; }
  void SetHeaderOffset(int nOffset);
  void EnsureVisible(CTKTabManagerItem* pItem);
  int GetLayout() const;
  CTKTabPaintManagerTheme* GetAppearanceSet() const;
  BOOL IsHorizontal() const;
  int GetRectLength(const CRect& rc) const;
  int GetScrollStep() const { return m_nScrollStep; }

  BOOL IsActive() const { return m_bActive; }
  void SetActive(BOOL bActive) { m_bActive = bActive; }
  int GetTabCloseMode() const { return m_nTabCloseMode; }
  void SetTabCloseMode(int nMode) { m_nTabCloseMode = nMode; }
  /// Takes over one reference of the context (released with the strip).
  void SetMarkupContext(CTKMarkupContext* pContext);

  CTKTabManagerNavigateButton* GetHighlightedNavigateButton() const { return m_pHighlightedButton; }
  void ClearHighlightedNavigateButton(const CTKTabManagerNavigateButton* pButton);
  CTKTabManagerNavigateButtons& GetNavigateButtons() { return m_arrButtons; }
  const CTKTabManagerNavigateButtons& GetNavigateButtons() const { return m_arrButtons; }
  TabRowTable& GetRowTable() { return m_rows; }
  const TabRowTable& GetRowTable() const { return m_rows; }

  const CRect& GetHeaderRect() const { return m_rcHeader; }
  const CRect& GetControlRect() const { return m_rcControl; }
  const CRect& GetClientRect() const { return m_rcClient; }
  void SetHeaderRect(const CRect& rc) { m_rcHeader = rc; }
  void SetControlRect(const CRect& rc) { m_rcControl = rc; }
  void SetClientRect(const CRect& rc) { m_rcClient = rc; }

 protected:
  /// Press and release: selects on a release over the item.
  void TrackClick(HWND hWnd, CPoint point, CTKTabManagerItem* pItem);
  void RedrawItem(CTKTabManagerItem* pItem, BOOL bAnimate);
  void SetHighlightedItem(CTKTabManagerItem* pItem, HWND hWnd);
  void SetHighlightedButton(CTKTabManagerNavigateButton* pButton, HWND hWnd);
  static void TrackMouseLeave(HWND hWnd);
  void SwapItemTowards(CTKTabManagerItem* pItem, int nTarget);

  CTKTabManagerItem* m_pSelected = NULL;
  CTKTabManagerItem* m_pHighlighted = NULL;
  CTKTabManagerItem* m_pPressed = NULL;
  CTKTabManagerNavigateButton* m_pHighlightedButton = NULL;
  int m_nHeaderOffset = 0;
  BOOL m_bAllowReorder = TRUE;
  BOOL m_bActive = TRUE;
  int m_nTabCloseMode = 0;
  CRect m_rcHeader;
  CRect m_rcControl;
  CRect m_rcClient;
  std::vector<CTKTabManagerItem*> m_arrItems;
  CTKTabManagerNavigateButtons m_arrButtons;
  TabRowTable m_rows;
  int m_nScrollStep = 20;
  CTKMarkupContext* m_pMarkupContext = NULL;

 private:
  CTKTabManager(const CTKTabManager&) = delete;
  CTKTabManager& operator=(const CTKTabManager&) = delete;
};

/// The scroll arrows share the rule of when they show and enable.
class CTKTabManager::CNavigateButtonArrow : public CTKTabManagerNavigateButton {
 public:
  using CTKTabManagerNavigateButton::CTKTabManagerNavigateButton;
  void ReserveSpace(int& nLength) override;
  void Reposition(CRect& rcRemaining) override;
  void OnExecute(BOOL bRepeat) override;

 protected:
  virtual BOOL IsRight() const = 0;
  void RepositionArrow(CRect& rcRemaining);
};

class CTKTabManager::CNavigateButtonArrowLeft : public CTKTabManager::CNavigateButtonArrow {
 public:
  explicit CNavigateButtonArrowLeft(CTKTabManager* pManager)
      : CNavigateButtonArrow(pManager, tkTabButtonLeft, tkTabButtonAuto) {}
  void Draw(CDC* pDC, CRect rc, COLORREF clr, BOOL bEnabled) override;

 protected:
  BOOL IsRight() const override { return FALSE; }
};

class CTKTabManager::CNavigateButtonArrowRight : public CTKTabManager::CNavigateButtonArrow {
 public:
  explicit CNavigateButtonArrowRight(CTKTabManager* pManager)
      : CNavigateButtonArrow(pManager, tkTabButtonRight, tkTabButtonAuto) {}
  void Draw(CDC* pDC, CRect rc, COLORREF clr, BOOL bEnabled) override;

 protected:
  BOOL IsRight() const override { return TRUE; }
};

class CTKTabManager::CNavigateButtonClose : public CTKTabManagerNavigateButton {
 public:
  CNavigateButtonClose(CTKTabManager* pManager, int nDisplayMode);
  void Draw(CDC* pDC, CRect rc, COLORREF clr, BOOL bEnabled) override;
};

class CTKTabManager::CNavigateButtonTabClose : public CTKTabManager::CNavigateButtonClose {
 public:
  CNavigateButtonTabClose(CTKTabManager* pManager, CTKTabManagerItem* pItem, int nDisplayMode)
      : CNavigateButtonClose(pManager, nDisplayMode) {
    SetItem(pItem);
  }
};
