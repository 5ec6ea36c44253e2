// The Office 2013 set: the Visual Studio 2012 family's drawing with colours
// from the theme text's "TabManager" section, which win over any colour the
// application set.
#include "tabs/TKTabColorSetOffice.h"

void CTKTabColorSetOffice2013::RefreshMetrics() {
  static const Palette kOffice2013 = {
      0xFFFFFF, 0xB56D3E, 0xF2E1D5, 0xE3BDA3, 0x9A572B, 0x8A4719, 0xE3BDA3, CLR_NONE,
      0x777777, 0xF2E1D5, 0x8A4719, 0x8A4719, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
      0x777777, 0x8A4719, 0xB56D3E,
      0xFFFFFF, 0xE3BDA3, 0xF2E1D5,
      0xFFFFFF, 0xFFFFFF,
      0xDBCECC, 0xC5B9B7, 0xEDE7E6, 0x706D6D, 0x2D2D2D, 0x717171};
  ApplyPalette(ReadPalette(kOffice2013));
  SetPushedFromSelected();
}
