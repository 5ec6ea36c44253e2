// The look of a message bar: a strip along the frame with a message area,
// push buttons and a close button, and the geometry the bar lays itself out
// with. Each theme owns one; a theme replaces its parent's by its own variant.
#pragma once

#include <afxwin.h>

#include "common/TKPaintManagerColor.h"

class CTKPaintManagerBase;

/// What the paint managers read of a message bar; the bar supplies it.
class ITKMessageBarView {
 public:
  virtual ~ITKMessageBarView() = default;
  virtual CRect GetClientRect() const = 0;
  /// The client rectangle less the margins and the close button's room.
  virtual CRect GetMessageRect() const = 0;
};

/// One button of a message bar as the paint managers read it.
struct TK_MESSAGEBAR_BUTTON {
  CRect rc;
  BOOL bPressed;
  BOOL bHot;
  UINT nId;
};

class CTKMessageBarPaintManager {
 public:
  static const UINT kCloseId = SC_CLOSE;

  explicit CTKMessageBarPaintManager(CTKPaintManagerBase* pOwner) : m_pOwner(pOwner) {}
  // Themes delete the variant they replace through this class.
  virtual ~CTKMessageBarPaintManager() = default;

  virtual void RefreshMetrics();
  virtual void FillMessageBar(CDC* pDC, ITKMessageBarView* pBar);
  virtual void DrawMessageBarButton(CDC* pDC, const TK_MESSAGEBAR_BUTTON& button);
  /// The close button at the right edge, centred between 0 and `nBottom`.
  virtual CRect GetCloseButtonRect(int nRight, int nTop, int nBottom);
  virtual CSize GetButtonSize();
  virtual int GetMessageBarHeight();
  virtual CRect GetButtonMargins();

  CTKPaintManagerColor m_clrBack;
  CTKPaintManagerColor m_clrText;
  CTKPaintManagerColor m_clrBorder;
  CTKPaintManagerColor m_clrMessageBack;

 protected:
  /// The owner's face of a hot or pressed button: selected, pressed and
  /// checked as the variant asks, on a tool bar at the top.
  void DrawOwnerFace(CDC* pDC, const CRect& rc, BOOL bSelected, BOOL bPressed, BOOL bChecked);

  CTKPaintManagerBase* m_pOwner;
};

/// An info-tip coloured bar framed all round, with a drawn cross.
class CTKMessageBarThemeOffice2010 : public CTKMessageBarPaintManager {
 public:
  using CTKMessageBarPaintManager::CTKMessageBarPaintManager;
  void RefreshMetrics() override;
  void FillMessageBar(CDC* pDC, ITKMessageBarView* pBar) override;
  void DrawMessageBarButton(CDC* pDC, const TK_MESSAGEBAR_BUTTON& button) override;
  /// 8 x 8 device pixels: the cross is drawn unscaled.
  CRect GetCloseButtonRect(int nRight, int nTop, int nBottom) override;
};

/// The bar face gradient of the Office 2003 bars across the message bar; the
/// Office 2003 theme hands over its bar colours.
class CTKMessageBarThemeOffice2003 : public CTKMessageBarPaintManager {
 public:
  using CTKMessageBarPaintManager::CTKMessageBarPaintManager;
  void RefreshMetrics() override;
  /// The gradient is laid out at least half a screen wide, so bars of
  /// different widths show the same colours at the same distance.
  void FillMessageBar(CDC* pDC, ITKMessageBarView* pBar) override;

  CTKPaintManagerColorGradient m_grcBarFace;
  CTKPaintManagerColor m_clrBarBorder;
};

/// The bar of the image themes: its sizes and colours come from the theme
/// text ("MessageBar" section), its close button from the theme images.
class CTKMessageBarThemeResource : public CTKMessageBarPaintManager {
 public:
  using CTKMessageBarPaintManager::CTKMessageBarPaintManager;
  void RefreshMetrics() override;
  void FillMessageBar(CDC* pDC, ITKMessageBarView* pBar) override;
  void DrawMessageBarButton(CDC* pDC, const TK_MESSAGEBAR_BUTTON& button) override;
  CSize GetButtonSize() override;
  int GetMessageBarHeight() override;

  int m_nBarHeight = 0;
  CSize m_szButton;
  CTKPaintManagerColor m_clrFace;
  CTKPaintManagerColor m_clrFrame;
  CTKPaintManagerColorGradient m_grcMessage;
};

/// A flat bar with lines on the chosen sides and flat framed buttons.
class CTKMessageBarThemeOffice2013 : public CTKMessageBarPaintManager {
 public:
  using CTKMessageBarPaintManager::CTKMessageBarPaintManager;
  void RefreshMetrics() override;
  void FillMessageBar(CDC* pDC, ITKMessageBarView* pBar) override;
  void DrawMessageBarButton(CDC* pDC, const TK_MESSAGEBAR_BUTTON& button) override;
  CRect GetCloseButtonRect(int nRight, int nTop, int nBottom) override;

  BOOL m_bBorderLeft = FALSE;
  BOOL m_bBorderTop = FALSE;
  BOOL m_bBorderRight = FALSE;
  BOOL m_bBorderBottom = TRUE;
  CTKPaintManagerColor m_clrTextHighlight;
  CTKPaintManagerColor m_clrButtonBack;
  CTKPaintManagerColor m_clrButtonBackHighlight;
  CTKPaintManagerColor m_clrButtonBackPushed;
  CTKPaintManagerColor m_clrButtonBorder;
  CTKPaintManagerColor m_clrButtonBorderHighlight;
  CTKPaintManagerColor m_clrButtonBorderPushed;
};

/// The Office 2013 look, read from the dark theme's INI text.
class CTKMessageBarThemeVisualStudio2015 : public CTKMessageBarThemeOffice2013 {
 public:
  using CTKMessageBarThemeOffice2013::CTKMessageBarThemeOffice2013;
};
