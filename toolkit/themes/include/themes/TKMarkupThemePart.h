// One drawing of a theme: a markup text kept as an item of a zipped style
// resource, parsed once and then measured and rendered into any rectangle.
// The frame and ribbon themes that draw with markup hold their drawings as
// these parts, and may recolour named elements before they render.
#pragma once

#include <afxwin.h>

#include "common/TKZipArchive.h"

class CTKMarkupContext;
class CTKMarkupUIElement;

/// Owned by its theme, which destroys it before releasing the markup context
/// the part was parsed with. UI thread only.
class CTKMarkupThemePart {
 public:
  CTKMarkupThemePart();
  virtual ~CTKMarkupThemePart();
  CTKMarkupThemePart(const CTKMarkupThemePart&) = delete;
  CTKMarkupThemePart& operator=(const CTKMarkupThemePart&) = delete;

  /// Parses the archive's item `lpszName` (found without regard to case; it
  /// may carry a folder, "Frame/BorderTopActive.xaml") with `pContext`. TRUE
  /// only when a drawing resulted. A missing item leaves the part as it was;
  /// an item that does not inflate or parse leaves it empty.
  BOOL LoadFromZip(HTKZIP hZip, LPCSTR lpszName, CTKMarkupContext* pContext);
  BOOL IsLoaded() const { return m_pElement != nullptr; }

  /// The drawing's desired size in that space; (0, 0) when empty.
  CSize GetDesiredSize(int cx, int cy);
  /// Measures, arranges and draws the drawing in `rc`; 0 and nothing drawn
  /// when empty or without a device context.
  int Render(CDC* pDC, CRect rc);

  // Recolouring named elements; nothing happens when the part is empty or
  // lacks the element. A colour of -1 removes the brush.

  /// Border "Border": its edge brush and its background.
  void SetBorderColors(COLORREF clrBorder, COLORREF clrBackground);
  /// Border "Border": its background.
  void SetBackgroundColor(COLORREF clr);
  /// The shapes named "Outline" inside panel "Canvas": their stroke.
  void SetOutlineColor(COLORREF clr);
  /// The shapes named "Stroke" inside panel "Canvas": their stroke.
  void SetStrokeColor(COLORREF clr);
  /// The shapes named "Fill" inside panel "Canvas": their stroke and fill.
  void SetFillColor(COLORREF clr);

 protected:
  /// The parsed drawing, or null; the part keeps its reference.
  CTKMarkupUIElement* GetElement() const { return m_pElement; }

 private:
  CTKMarkupUIElement* m_pElement;
};

/// The zipped style resource of a theme, found by name among the loaded
/// modules (type "STYLE") and open for reading while the object lives.
class CTKMarkupStyleArchive {
 public:
  /// `hModule` null: the module AfxFindResourceHandle names.
  explicit CTKMarkupStyleArchive(LPCSTR lpszResourceName, HMODULE hModule = nullptr);
  ~CTKMarkupStyleArchive();
  CTKMarkupStyleArchive(const CTKMarkupStyleArchive&) = delete;
  CTKMarkupStyleArchive& operator=(const CTKMarkupStyleArchive&) = delete;

  /// The open archive; null when the resource is missing or is no zip.
  HTKZIP GetHandle() const { return m_hZip; }

 private:
  HTKZIP m_hZip;
};
