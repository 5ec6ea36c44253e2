// The looks of a gallery: the base every theme starts from (the owner's
// faces and indexed colours, glyph buttons), the image themes' look with its
// images and INI colours, and the flat Office 2013 look with drawn triangles.
#pragma once

#include "commandbars/TKPaintManagerParts.h"
#include "common/TKPaintManagerColor.h"

class CTKPaintManagerBase;

class CTKControlGalleryTheme : public CTKControlGalleryPaintManager {
 public:
  explicit CTKControlGalleryTheme(CTKPaintManagerBase* pOwner) : m_pOwner(pOwner) {}

  void DrawGalleryLabel(CDC* pDC, CTKControlGalleryItem* pLabel, CRect rc) override;
  void FillGallery(CDC* pDC, CTKControlGallery* pGallery, CRect rc) override;
  void DrawGalleryItem(CDC* pDC, CRect rc, BOOL bEnabled, BOOL bSelected, BOOL bPressed,
                       BOOL bChecked, CTKControlGalleryItem* pItem,
                       CTKControlGallery* pGallery) override;
  /// The owner's face of a pop-up item.
  void DrawGalleryItemBack(CDC* pDC, CRect rc, BOOL bEnabled, BOOL bSelected, BOOL bPressed,
                           BOOL bChecked, int nBarType) override;
  COLORREF GetGalleryItemTextColor(BOOL bEnabled, BOOL bSelected, BOOL bPressed, BOOL bChecked,
                                   int nBarType) override;
  void DrawGalleryScrollBar(CDC* pDC, CTKControlGallery* pGallery) override;
  void RefreshMetrics() override;

 protected:
  /// How a button of the scroll column shows.
  struct ButtonState {
    BOOL bEnabled;
    BOOL bHot;
    BOOL bPressed;
  };
  /// The state of the up (60), down (61) or more (65) button.
  static ButtonState GetButtonState(CTKControlGallery* pGallery, int nHitCode);
  /// A label row: its fill, a line of `nLineHeight` along the bottom and the
  /// caption inset by `nInset` on both sides.
  void DrawLabel(CDC* pDC, CTKControlGalleryItem* pLabel, CRect rc, COLORREF clrLine,
                 int nLineHeight, int nInset);
  /// The fill (unless the gallery leaves it to the bar), the frame and the
  /// bottom separator `nSeparatorFromBottom` above the bottom.
  void FillGalleryWith(CDC* pDC, CTKControlGallery* pGallery, CRect rc, COLORREF clrBack,
                       COLORREF clrBorder, COLORREF clrSeparator, int nSeparatorFromBottom,
                       int nSeparatorHeight);
  void DrawIconBesideText(CDC* pDC, CRect rc, BOOL bEnabled, BOOL bSelected, BOOL bChecked,
                          CTKControlGalleryItem* pItem, CTKControlGallery* pGallery,
                          COLORREF clrText);

  CTKPaintManagerBase* m_pOwner;
};

/// The image themes: the INI's gallery colours, the scroll buttons from the
/// theme images.
class CTKControlGalleryResourceTheme : public CTKControlGalleryTheme {
 public:
  using CTKControlGalleryTheme::CTKControlGalleryTheme;
  void DrawGalleryLabel(CDC* pDC, CTKControlGalleryItem* pLabel, CRect rc) override;
  void FillGallery(CDC* pDC, CTKControlGallery* pGallery, CRect rc) override;
  void DrawGalleryScrollBar(CDC* pDC, CTKControlGallery* pGallery) override;
  void RefreshMetrics() override;

  CTKPaintManagerColor m_clrSelectedBack;
  CTKPaintManagerColor m_clrNormalBack;
  CTKPaintManagerColor m_clrResourceBorder;
};

/// Flat framed buttons with drawn triangles ("CommandBars.Gallery").
class CTKControlGalleryOffice2013Theme : public CTKControlGalleryTheme {
 public:
  using CTKControlGalleryTheme::CTKControlGalleryTheme;
  void FillGallery(CDC* pDC, CTKControlGallery* pGallery, CRect rc) override;
  void DrawGalleryScrollBar(CDC* pDC, CTKControlGallery* pGallery) override;
  void RefreshMetrics() override;

  CTKPaintManagerColor m_clrBack;
  CTKPaintManagerColor m_clrScrollTriangle;
  CTKPaintManagerColor m_clrScrollTriangleHighlight;
  CTKPaintManagerColor m_clrScrollTrianglePushed;
  CTKPaintManagerColor m_clrScrollTriangleDisabled;
  CTKPaintManagerColor m_clrScrollBorder;
  CTKPaintManagerColor m_clrScrollBorderHighlight;
  CTKPaintManagerColor m_clrScrollBorderDisabled;
  CTKPaintManagerColor m_clrScrollBackHighlight;
  CTKPaintManagerColor m_clrScrollBackPushed;

 private:
  void DrawButton(CDC* pDC, CRect rc, const ButtonState& state, int nHitCode);
};

/// The Office 2013 look, read from the dark theme's INI text.
class CTKControlGalleryVisualStudio2015Theme : public CTKControlGalleryOffice2013Theme {
 public:
  using CTKControlGalleryOffice2013Theme::CTKControlGalleryOffice2013Theme;
};
