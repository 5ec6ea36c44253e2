// The property-page appearances: a raised tab standing on a framed page, the
// selected tab merging into it: classic 3D, slanted, curved document tabs and
// the two image-based looks.
#pragma once

#include "tabs/TKTabPaintManagerTheme.h"

/// Classic raised tabs (id 0 and every unknown id).
class CTKTabThemeOffice2000 : public CTKTabPaintManagerTheme {
 public:
  CTKTabThemeOffice2000();
  CRect GetHeaderClipBox(CDC* pDC, const CTKTabManager* pStrip) const override;
  CRect GetClientMargin(const CTKTabManager* pStrip) const override;
  CRect FillTabControl(CTKTabManager* pStrip, CDC* pDC, CRect rcControl) override;
  void DrawItem(CDC* pDC, CTKTabManagerItem* pItem) override;

 protected:
  void DrawClassicTab(CDC* pDC, CTKTabManagerItem* pItem);
};

/// Only the selected and the hot tab get a face (id 1).
class CAppearanceSetPropertyPageSelected : public CTKTabThemeOffice2000 {
 public:
  void DrawItem(CDC* pDC, CTKTabManagerItem* pItem) override;
};

/// Slanted tabs (id 3).
class CAppearanceSetPropertyPage2003 : public CTKTabPaintManagerTheme {
 public:
  CAppearanceSetPropertyPage2003();
  CRect GetHeaderMargin() const override;
  CRect GetItemDrawRect(const CTKTabManagerItem* pItem) const override;
  CRect FillTabControl(CTKTabManager* pStrip, CDC* pDC, CRect rcControl) override;
  void DrawItem(CDC* pDC, CTKTabManagerItem* pItem) override;
  int GetDefaultColorSet() const override { return 4; }

  BOOL m_bHotOutline = FALSE;

 protected:
  struct SlantColors {
    COLORREF clrOutline;
    COLORREF clrInnerLight;
    COLORREF clrInnerShadow;
  };
  /// Outline and inner lines: selected, hot with the hot outline, or normal.
  SlantColors GetSlantColors(const CTKTabManagerItem* pItem) const;
};

/// Curved document tabs, drawn towards the selection (id 9).
class CAppearanceSetVisualStudio2005 : public CAppearanceSetPropertyPage2003 {
 public:
  CAppearanceSetVisualStudio2005();
  CRect GetHeaderMargin() const override;
  CRect GetItemDrawRect(const CTKTabManagerItem* pItem) const override;
  void DrawItem(CDC* pDC, CTKTabManagerItem* pItem) override;
};

/// Image tabs on an image page (id 10).
class CAppearanceSetPropertyPage2007 : public CTKTabPaintManagerTheme {
 public:
  CAppearanceSetPropertyPage2007();
  CRect FillTabControl(CTKTabManager* pStrip, CDC* pDC, CRect rcControl) override;
  void DrawItem(CDC* pDC, CTKTabManagerItem* pItem) override;
  int GetDefaultColorSet() const override { return 32; }
  virtual void DrawItemBackground(CDC* pDC, CTKTabManagerItem* pItem, CRect rc);

  /// Draws the top-strip background into a bitmap and turns it onto the DC;
  /// with bCopyBackground the DC's pixels are turned in first, otherwise the
  /// bitmap starts in the header colour.
  void DrawRotatedItem(CDC* pDC, CRect rc, CTKTabManagerItem* pItem, BOOL bCopyBackground);
};

/// Access document tabs (id 11).
class CAppearanceSetPropertyPageAccess2007 : public CAppearanceSetPropertyPage2007 {
 public:
  void RefreshMetrics() override;
  CRect GetHeaderMargin() const override;
  CRect GetItemDrawRect(const CTKTabManagerItem* pItem) const override;
  CRect FillTabControl(CTKTabManager* pStrip, CDC* pDC, CRect rcControl) override;
  void DrawItem(CDC* pDC, CTKTabManagerItem* pItem) override;
  void DrawItemBackground(CDC* pDC, CTKTabManagerItem* pItem, CRect rc) override;
  int GetDefaultColorSet() const override { return 128; }
};
