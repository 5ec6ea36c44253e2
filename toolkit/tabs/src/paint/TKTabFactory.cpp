#include "TKTabFactory.h"

#include "tabs/TKTabColorSetOffice.h"
#include "tabs/TKTabColorSetVisualStudio.h"
#include "tabs/TKTabColorSetWinNative.h"
#include "tabs/TKTabPaintManagerColorSet.h"
#include "tabs/TKTabThemeFlat.h"
#include "TKTabThemePlain.h"
#include "TKTabThemePropertyPage.h"

CTKTabPaintManagerTheme* CreateTabAppearance(int nAppearance) {
  switch (nAppearance) {
    case 1: return new CAppearanceSetPropertyPageSelected();
    case 2: return new CAppearanceSetPropertyPageFlat();
    case 3: return new CAppearanceSetPropertyPage2003();
    case 4: return new CAppearanceSetStateButtons();
    case 5: return new CTKTabThemeVisualStudio2003();
    case 6: return new CTKTabThemeFlat();
    case 7: return new CTKTabThemeExcel2003();
    case 8: return new CAppearanceSetVisio();
    case 9: return new CAppearanceSetVisualStudio2005();
    case 10: return new CAppearanceSetPropertyPage2007();
    case 11: return new CAppearanceSetPropertyPageAccess2007();
    case 12: return new CTKTabThemeVisualStudio2010();
    case 13: return new CTKTabThemeVisualStudio2012();
    case 14: return new CTKTabThemeOffice2013();
    case 15: return new CTKTabThemeVisualStudio2015();
    default: return new CTKTabThemeOffice2000();
  }
}

CTKTabPaintManagerColorSet* CreateTabColorSet(int nFlag) {
  switch (nFlag) {
    case 2: return new CColorSetVisualStudio2003();
    case 4: return new CTKTabColorSetOffice2003();
    case 8: return new CColorSetWinNative();
    case 16: return new CColorSetVisualStudio2005();
    case 32: return new CTKTabColorSetOffice2007();
    case 64: return new CTKTabColorSetVisualStudio2008();
    case 128: return new CTKTabColorSetOffice2007Access();
    case 256: return new CTKTabColorSetVisualStudio2010(FALSE);
    case 512: return new CTKTabColorSetVisualStudio2012();
    case 1024: return new CTKTabColorSetVisualStudio2012Dark();
    case 2048: return new CTKTabColorSetOffice2013();
    case 4096: return new CTKTabColorSetVisualStudio2015();
    default: return new CTKTabColorSetDefault();
  }
}
