#include "TKTabFactory.h"

#include "tabs/TKTabPaintManagerColorSet.h"
#include "tabs/TKTabThemeFlat.h"
#include "TKTabThemePropertyPage.h"

CTKTabPaintManagerTheme* CreateTabAppearance(int nAppearance) {
  switch (nAppearance) {
    case 1: return new CAppearanceSetPropertyPageSelected();
    case 2: return new CAppearanceSetPropertyPageFlat();
    case 3: return new CAppearanceSetPropertyPage2003();
    case 6: return new CTKTabThemeFlat();
    case 7: return new CTKTabThemeExcel2003();
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
  if (nFlag == 4) return new CTKTabColorSetOffice2003();
  return new CTKTabColorSetDefault();
}
