// A concrete tab strip for the tests, the gallery and the benchmark: laid
// out and painted by a paint manager of its own, over a window it is given,
// recording what the tab manager asks of it.
#pragma once

#include <afxwin.h>

#include <vector>

#include "common/TKRefPtr.h"
#include "tabs/TKTabManager.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabPaintManager.h"

class CTestTabStrip : public CTKTabManager {
 public:
  /// A strip occupying `rcBounds` of `hWnd` (may be null: no window).
  explicit CTestTabStrip(HWND hWnd = NULL, CRect rcBounds = CRect(0, 0, 300, 120));
  ~CTestTabStrip() override;

  CTKTabPaintManager* GetPaintManager() const override { return m_pPaintManager.Get(); }
  /// Lays the strip out on its bounds (counted).
  void Reposition() override;
  /// Invalidates the window (counted).
  void RedrawControl(LPCRECT lpRect, BOOL bAnimate) override;
  /// With icons on, every tab has a 16 x 16 icon drawn as a square in its colour.
  BOOL DrawIcon(CDC* pDC, CPoint pt, CTKTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) override;
  void OnSwapItems(CTKTabManagerItem* pItem, CTKTabManagerItem* pOther) override;
  void OnItemMoved(CTKTabManagerItem* pItem, int nOldIndex, int nNewIndex) override;
  void OnNavigateButtonCommand(int nId) override;
  BOOL IsFocusVisible() const override { return m_bFocusVisible; }

  /// Appends a tab with this caption.
  CTKTabManagerItem* Add(LPCTSTR lpszCaption);
  void SetBounds(const CRect& rc);
  const CRect& GetBounds() const { return m_rcBounds; }
  /// Paints the whole strip onto the DC.
  void Paint(CDC* pDC);
  HWND GetWindow() const { return m_hWnd; }
  /// Makes a tab hot as the mouse would, without a window.
  void SetHot(CTKTabManagerItem* pItem) { m_pHighlighted = pItem; }
  /// Makes a navigate button hot as the mouse would, without a window.
  void SetHotButton(CTKTabManagerNavigateButton* pButton) { SetHighlightedButton(pButton, NULL); }

  struct Moved {
    CTKTabManagerItem* pItem;
    int nOld;
    int nNew;
  };
  int m_nRepositions = 0;
  int m_nRedraws = 0;
  int m_nSwaps = 0;
  std::vector<Moved> m_moves;
  std::vector<int> m_commands;
  BOOL m_bIcons = FALSE;
  BOOL m_bFocusVisible = FALSE;

 private:
  HWND m_hWnd;
  CRect m_rcBounds;
  CTKRefPtr<CTKTabPaintManager, CTKInternalRefTraits> m_pPaintManager;
};
