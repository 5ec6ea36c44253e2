// The frame every theme without one of its own gets: 4-pixel borders with
// cut corners, drawn in the system's caption colours from the drawings of the
// style resource "TK_IDR_OFFICE2007SYSTEM_STYLE".
#pragma once

#include "common/TKZipArchive.h"
#include "themes/TKMarkupThemePart.h"
#include "themes/TKRibbonMarkupFrameTheme.h"

class CTKMarkupContext;

class CTKFrameThemeOffice2007System : public CTKRibbonMarkupFrameTheme {
 public:
  /// Loads the drawings at once; without the resource they stay empty and
  /// the frame draws only its caption text and icon.
  explicit CTKFrameThemeOffice2007System(CTKPaintManagerBase* pOwner);
  ~CTKFrameThemeOffice2007System() override;

  /// The base's widths when maximised or on glass, else 4 pixels a side.
  CRect GetFrameBorders(CTKCommandBarsFrameHook* pHook) override;
  /// Cut top corners, round bottom ones with a status bar or on request;
  /// none while maximised. In pixels.
  HRGN CreateFrameRegion(CTKCommandBarsFrameHook* pHook, int cx, int cy) override;
  /// The pressed or hot face, then the glyph of the id centred: the small
  /// glyphs below 21 pixels of width.
  void DrawCaptionButton(CDC* pDC, CRect rc, UINT nId, BOOL bHot, BOOL bPressed,
                         BOOL bActive) override;
  /// The base metrics, the system caption height and the owner's font; the
  /// caption text in the system caption text colours.
  void RefreshMetrics() override;
  void FillCaptionBackground(CDC* pDC, CRect rc, HWND hWnd, BOOL bActive) override;
  CTKMarkupThemePart* GetFramePart(int nKind, BOOL bActive) override;
  /// Loads each drawing from its item of the archive.
  virtual void LoadFrameParts(HTKZIP hZip, CTKMarkupContext* pContext);

  /// The drawings, in the order of their items.
  enum PartIndex {
    partCaptionActive, partCaptionInactive,
    partLeftActive, partLeftInactive,
    partLeftCaptionActive, partLeftCaptionInactive,
    partTopActive, partTopInactive,
    partRightActive, partRightInactive,
    partRightCaptionActive, partRightCaptionInactive,
    partBottomActive, partBottomInactive,
    partButtonHot, partButtonPressed,
    partMinimize9, partMinimize11,
    partMaximize9, partMaximize11,
    partRestore9, partRestore11,
    partClose9, partClose11,
    partCount
  };
  static LPCSTR AFX_CDECL GetPartItemName(int nPart);
  CTKMarkupThemePart* GetPart(int nPart) { return &m_parts[nPart]; }
  /// The glyph drawing of a caption button so wide, or null for another id.
  CTKMarkupThemePart* GetCaptionGlyph(UINT nId, int cxButton);

 private:
  CTKMarkupContext* m_pMarkupContext;
  CTKMarkupThemePart m_parts[partCount];
};
