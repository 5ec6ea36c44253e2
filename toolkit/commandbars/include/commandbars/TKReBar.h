// A rebar whose bands are tool bars: when the site frame has one (child id
// AFX_IDW_REBAR), the command bars put their tool bars into its bands
// instead of the dock bars.
#pragma once

#include <afxext.h>

class CTKToolBar;

class CTKReBar : public CReBar {
  DECLARE_DYNAMIC(CTKReBar)

 public:
  /// A bar in a band is taken out of its dock bar and can no longer be
  /// dragged, docked elsewhere or floated; its band id is its bar id.
  BOOL AddToolBar(CTKToolBar* pBar, DWORD dwBandStyle);
  /// The tool bar of a band, or null when the band holds another window.
  CTKToolBar* GetToolBar(int nBand) const;
  /// The band that holds `pBar`, -1 when none.
  int FindBand(CTKToolBar* pBar) const { return FindBandOf(this, pBar); }

  /// The same search in any rebar.
  static int AFX_CDECL FindBandOf(const CReBar* pReBar, CTKToolBar* pBar);
  static CTKToolBar* AFX_CDECL GetToolBarOf(const CReBar* pReBar, int nBand);
};
