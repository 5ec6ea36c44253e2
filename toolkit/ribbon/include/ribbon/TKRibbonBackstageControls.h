// What the backstage view's menu pane holds: tabs that show a page window,
// commands that run and close the view, and separators between groups of
// entries. The view tells them apart by their class.
#pragma once

#include "commandbars/TKControl.h"

/// A tab of the backstage view: selecting it shows its page to the right of
/// the menu pane. The page window belongs to the application; the view only
/// re-parents, shows, hides and places it.
class CTKRibbonBackstageTab : public CTKControl {
  DECLARE_DYNCREATE(CTKRibbonBackstageTab)

 public:
  explicit CTKRibbonBackstageTab(HWND hWndPage = NULL);

  /// The page's CWnd, null without a page.
  CWnd* GetPageWindow() const;
  HWND GetPageHandle() const { return m_hWndPage; }
  void SetPageWindow(HWND hWndPage) { m_hWndPage = hWndPage; }
  /// The page is never laid out narrower or lower than these (pixels, 0 none).
  int GetMinPageWidth() const { return m_nMinPageWidth; }
  int GetMinPageHeight() const { return m_nMinPageHeight; }
  void SetMinPageSize(int cx, int cy) {
    m_nMinPageWidth = cx;
    m_nMinPageHeight = cy;
  }

  /// Takes the page and the minimum sizes too (CTKControl::Clone copies by class).
  void Copy(CTKControl* pSource, BOOL bRecursive = FALSE) override;

 protected:
  HWND m_hWndPage;
  int m_nMinPageWidth;
  int m_nMinPageHeight;
};

/// A command of the backstage view: it closes the view and runs.
class CTKRibbonBackstageCommand : public CTKControl {
  DECLARE_DYNCREATE(CTKRibbonBackstageCommand)
};

/// A gap between groups of entries (a rule in the flat looks).
class CTKRibbonBackstageMenuSeparator : public CTKControl {
  DECLARE_DYNCREATE(CTKRibbonBackstageMenuSeparator)
};
