// The theme factory: a paint manager by theme id, and the makers the command
// bars call for their own theme and for the default global one.
#include "TKGlobalTheme.h"
#include "themes/TKCommandBarsNativeXPTheme.h"
#include "themes/TKCommandBarsOffice2000Theme.h"
#include "themes/TKCommandBarsOffice2003Theme.h"
#include "themes/TKCommandBarsOfficeXPTheme.h"
#include "themes/TKPaintManagerBase.h"
#include "themes/TKResourceTheme.h"
#include "themes/TKRibbonTheme.h"
#include "themes/TKVisualStudio6Theme.h"
#include "themes/TKVisualStudioThemes.h"

namespace {

// The ids the factory knows; those whose class is still to come give the
// Office 2000 theme carrying their id, as unknown ids do.
enum ThemeId {
  kOfficeXP = 1,
  kOffice2003 = 2,
  kNativeXP = 3,
  kVisualStudio2005 = 4,
  kResource = 5,
  kRibbon = 6,
  kVisualStudio2008 = 7,
  kVisualStudio6 = 8,
  kVisualStudio2010 = 9,
  kOffice2000 = 10,
  kOffice2007System = 11,
  kOffice2013 = 12,
  kVisualStudio2012Light = 13,
  kVisualStudio2012LightToo = 14,
  kVisualStudio2012Dark = 15,
  kVisualStudio2015 = 16,
};

CTKPaintManagerBase* NewTheme(int nTheme) {
  switch (nTheme) {
    case kVisualStudio6:
      return new CTKVisualStudio6Theme;
    case kOfficeXP:
      return new CTKCommandBarsOfficeXPTheme;
    case kOffice2003:
      return new CTKCommandBarsOffice2003Theme;
    case kResource:
      return new CTKResourceTheme;
    case kRibbon:
      return new CTKRibbonTheme;
    case kVisualStudio2005:
      return new CTKVisualStudio2005Theme;
    case kVisualStudio2008:
      return new CTKVisualStudio2008Theme;
    case kVisualStudio2010:
      return new CTKVisualStudio2010Theme;
    case kNativeXP:
      return new CTKCommandBarsNativeXPTheme;
    case kOffice2000:
    case kOffice2007System:
    case kOffice2013:
    case kVisualStudio2012Light:
    case kVisualStudio2012LightToo:
    case kVisualStudio2012Dark:
    case kVisualStudio2015:
    default:
      return new CTKCommandBarsOffice2000Theme;
  }
}

CTKPaintManager* AFX_CDECL CreateById(int nTheme) {
  return CTKPaintManagerBase::CreateThemeById(nTheme);
}

CTKPaintManager* AFX_CDECL CreateDefault() {
  return TKCreateReadyTheme(0);
}

int InstallThemeFactories() {
  CTKPaintManager::SetThemeByIdFactory(CreateById);
  CTKPaintManager::SetDefaultThemeFactory(CreateDefault);
  return 1;
}

}  // namespace

// Programs that link the themes name this symbol (see the library's link
// options), so that their command bars draw in a theme from the first bar on.
extern "C" {
extern const int g_nTKThemeFactoriesInstalled;
}
const int g_nTKThemeFactoriesInstalled = InstallThemeFactories();

CTKPaintManagerBase* AFX_CDECL CTKPaintManagerBase::CreateThemeById(int nTheme) {
  CTKPaintManagerBase* pTheme = NewTheme(nTheme);
  pTheme->m_nThemeId = nTheme;
  return pTheme;
}
