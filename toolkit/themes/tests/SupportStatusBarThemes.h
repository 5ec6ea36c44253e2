// Every status-bar variant by name, and a sample status bar in a hidden
// sizable window, for the tests, the gallery and the benchmark.
#pragma once

#include <memory>

#include "SupportThemePaintManager.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKStatusBar.h"
#include "themes/TKStatusBarPaintManagerBase.h"

struct TKStatusBarVariant {
  const char* pszName;
  CTKStatusBarPaintManagerBase* (*pfnCreate)(CTKPaintManagerBase* pOwner);
};

extern const TKStatusBarVariant kStatusBarVariants[];
extern const int kStatusBarVariantCount;

/// A refreshed test theme drawing status bars with the variant; the caller
/// holds its one reference.
CTestThemePaintManager* CreateStatusBarTheme(const TKStatusBarVariant& variant);

/// A hidden sizable frame with a status bar drawn through command bars of its
/// own, so each sample can carry another theme.
class CSampleStatusBar {
 public:
  /// Panes: the message pane, then `nPanes` - 1 fixed ones; FALSE when the
  /// windows cannot be made.
  BOOL Create(int nWidth, int nPanes);
  /// Takes over the caller's reference; the bar is laid out again.
  void SetTheme(CTKPaintManager* pPaintManager);
  /// The gallery's pane kinds: right-aligned, disabled, checked button,
  /// coloured background, markup.
  void ShowPaneKinds();
  CTKStatusBar& Bar() { return m_bar; }

 private:
  CWnd m_frame;
  CTKCommandBars m_commandBars;
  CTKStatusBar m_bar;
};
