// The status-bar looks of the themes: one family whose base draws everything
// of a status bar (background, pane borders and separators, pane entries,
// button faces, the size gripper), and whose variants each replace a few
// operations and read their colours from their own theme-text section.
#pragma once

#include "commandbars/TKPaintManagerParts.h"
#include "common/TKPaintManagerColor.h"

class CTKPaintManagerBase;

class CTKStatusBarPaintManagerBase : public CTKStatusBarPaintManager {
 public:
  explicit CTKStatusBarPaintManagerBase(CTKPaintManagerBase* pOwner) : m_pOwner(pOwner) {}

  void DrawStatusBarBackground(CDC* pDC, CTKStatusBar* pBar) override;
  void DrawPaneEntry(CDC* pDC, CRect rc, CTKStatusBarPane* pPane) override;
  /// The owner's face while the pane is hot, pressed or popped out.
  void DrawPaneButtonFace(CDC* pDC, CRect rc, CTKStatusBarPane* pPane) override;
  void DrawPaneBorder(CDC* pDC, CRect rc, CTKStatusBarPane* pPane, BOOL bGripperPane) override;
  void DrawPaneSeparator(CDC* pDC, CRect rc, CTKStatusBarPane* pPane) override;
  void DrawGripper(CDC* pDC, CRect rcClient) override;
  /// Section "StatusBar" of the theme text, system colours by default.
  void RefreshMetrics() override;
  COLORREF GetPaneTextColor(CTKStatusBarPane* pPane) override;

  CTKPaintManagerColor m_clrBackground;
  CTKPaintManagerColor m_clrText;
  CTKPaintManagerColor m_clrTextGray;
  CTKPaintManagerColor m_clrGripperLite;
  CTKPaintManagerColor m_clrGripperDark;

 protected:
  /// Drawn through the visual style "STATUS": the owner asks for it and the
  /// style is open.
  BOOL IsThemed() const;
  /// The owner asks for the visual style and the application is themed,
  /// open or not.
  BOOL IsAppThemed() const;
  /// Fills the bar's client rectangle with the background colour.
  void FillBackground(CDC* pDC, CTKStatusBar* pBar);
  /// Four columns of 4, 3, 2 and 1 square dots up from the bottom-right
  /// corner, dark first and light one dot-size further.
  void DrawDotsGripper(CDC* pDC, CRect rcClient);
  /// The pane's font selected, its padding taken off: its icon and text.
  void DrawPaneContent(CDC* pDC, CRect rc, CTKStatusBarPane* pPane);
  /// The bar font: the owner's status font.
  void RefreshStatusFont();

  CTKPaintManagerBase* m_pOwner;
};

/// Flat pane frames and a one-line separator.
class CTKStatusBarThemeOfficeXP : public CTKStatusBarPaintManagerBase {
 public:
  using CTKStatusBarPaintManagerBase::CTKStatusBarPaintManagerBase;
  void DrawPaneBorder(CDC* pDC, CRect rc, CTKStatusBarPane* pPane, BOOL bGripperPane) override;
  void DrawPaneSeparator(CDC* pDC, CRect rc, CTKStatusBarPane* pPane) override;
};

/// A background mixed from the face and the window colour, or fixed by the
/// Windows colour scheme, and a gripper of diagonal strokes.
class CTKStatusBarThemeOffice2003 : public CTKStatusBarPaintManagerBase {
 public:
  using CTKStatusBarPaintManagerBase::CTKStatusBarPaintManagerBase;
  void RefreshMetrics() override;
  void DrawPaneBorder(CDC* pDC, CRect rc, CTKStatusBarPane* pPane, BOOL bGripperPane) override;
  void DrawGripper(CDC* pDC, CRect rcClient) override;
};

/// The image themes: background, dark panes and gripper from the theme
/// images, texts from the theme text.
class CTKStatusBarThemeResource : public CTKStatusBarPaintManagerBase {
 public:
  using CTKStatusBarPaintManagerBase::CTKStatusBarPaintManagerBase;
  void RefreshMetrics() override;
  void DrawStatusBarBackground(CDC* pDC, CTKStatusBar* pBar) override;
  void DrawPaneBorder(CDC* pDC, CRect rc, CTKStatusBarPane* pPane, BOOL bGripperPane) override;
  void DrawGripper(CDC* pDC, CRect rcClient) override;
};

/// A dark blue bar with white text.
class CTKStatusBarThemeVisualStudio2010 : public CTKStatusBarPaintManagerBase {
 public:
  using CTKStatusBarPaintManagerBase::CTKStatusBarPaintManagerBase;
  void RefreshMetrics() override;
  void DrawStatusBarBackground(CDC* pDC, CTKStatusBar* pBar) override;
  void DrawGripper(CDC* pDC, CRect rcClient) override;
};

/// A coloured bar without pane borders and a dotted gripper.
class CTKStatusBarThemeVisualStudio2012 : public CTKStatusBarPaintManagerBase {
 public:
  using CTKStatusBarPaintManagerBase::CTKStatusBarPaintManagerBase;
  void RefreshMetrics() override;
  void DrawStatusBarBackground(CDC* pDC, CTKStatusBar* pBar) override;
  void DrawPaneBorder(CDC*, CRect, CTKStatusBarPane*, BOOL) override {}
  void DrawGripper(CDC* pDC, CRect rcClient) override;
};

/// A flat coloured bar: no borders, separators or gripper; button panes
/// are filled in their state's colour.
class CTKStatusBarThemeOffice2013 : public CTKStatusBarPaintManagerBase {
 public:
  using CTKStatusBarPaintManagerBase::CTKStatusBarPaintManagerBase;
  void RefreshMetrics() override;
  void DrawStatusBarBackground(CDC* pDC, CTKStatusBar* pBar) override;
  void DrawPaneButtonFace(CDC* pDC, CRect rc, CTKStatusBarPane* pPane) override;
  void DrawPaneBorder(CDC*, CRect, CTKStatusBarPane*, BOOL) override {}
  void DrawPaneSeparator(CDC*, CRect, CTKStatusBarPane*) override {}
  void DrawGripper(CDC*, CRect) override {}
  COLORREF GetPaneTextColor(CTKStatusBarPane* pPane) override;

  CTKPaintManagerColor m_clrButtonBack;
  CTKPaintManagerColor m_clrButtonBackChecked;
  CTKPaintManagerColor m_clrButtonBackHighlight;
  CTKPaintManagerColor m_clrButtonBackPushed;
  CTKPaintManagerColor m_clrButtonTextChecked;
  CTKPaintManagerColor m_clrButtonTextHighlight;
  CTKPaintManagerColor m_clrButtonTextPushed;
};

/// The Office 2013 bar with a dotted gripper and a background the
/// application may colour.
class CTKStatusBarThemeVisualStudio2015 : public CTKStatusBarThemeOffice2013 {
 public:
  using CTKStatusBarThemeOffice2013::CTKStatusBarThemeOffice2013;
  void RefreshMetrics() override;
  void DrawGripper(CDC* pDC, CRect rcClient) override;
  /// -1 gives the theme text's colours back.
  virtual void SetBackgroundColor(COLORREF clr);
};
