// The command-bars sheets in each classic theme: every sheet that draws with
// the global paint manager is drawn again with the theme installed by id, as
// commandbars-<sheet>-<theme>.png.
#include "GalleryCommandBarThemes.h"

#include <string>
#include <vector>

#include "Gallery.h"
#include "SupportPaintManager.h"
#include "themes/TKPaintManagerBase.h"

namespace {

struct GalleryTheme {
  int nId;
  const char* pszName;
};

const GalleryTheme kThemes[] = {{10, "office2000"}, {8, "vs6"}};

// The sheets that draw their bars with the global paint manager.
const GalleryPage kSheets[] = {
    DrawCommandBarsPage,
    DrawCommandBarWindowPage,
    DrawDockingPage,
    DrawCommandBarsFramePage,
    DrawPopupMenuPage,
};

bool g_bThemed = false;

// The sheets write their usual names into a folder of their own; each file
// then moves beside the others with the theme's name added.
bool MoveSheets(const std::string& from, const std::string& to, const char* pszTheme) {
  bool ok = true;
  WIN32_FIND_DATAA data;
  HANDLE hFind = ::FindFirstFileA((from + "commandbars-*.png").c_str(), &data);
  if (hFind == INVALID_HANDLE_VALUE) return false;
  do {
    std::string name = data.cFileName;
    name.insert(name.size() - 4, std::string("-") + pszTheme);
    ok = ::MoveFileExA((from + data.cFileName).c_str(), (to + name).c_str(),
                       MOVEFILE_REPLACE_EXISTING) &&
         ok;
  } while (::FindNextFileA(hFind, &data));
  ::FindClose(hFind);
  return ok;
}

}  // namespace

CGalleryCommandBarsPaintManager::CGalleryCommandBarsPaintManager() {
  if (g_bThemed)
    CTKPaintManagerBase::AddRefGlobal();
  else
    m_pTest.reset(new CTestGlobalPaintManager);
}

CGalleryCommandBarsPaintManager::~CGalleryCommandBarsPaintManager() {
  if (!m_pTest) CTKPaintManagerBase::ReleaseGlobal();
}

bool DrawThemedCommandBarsPage(const GalleryContext& context) {
  // The classic themes take the system's colours, not the look's.
  if (context.look != "Silver") return true;
  bool ok = true;
  for (const GalleryTheme& theme : kThemes) {
    const std::string folder = context.folder + "themed-" + theme.pszName + "\\";
    ::CreateDirectoryA(folder.c_str(), NULL);
    CTKPaintManagerBase::ApplyThemeById(theme.nId);
    g_bThemed = true;
    const GalleryContext themed = {context.look, folder};
    for (GalleryPage sheet : kSheets) ok = sheet(themed) && ok;
    g_bThemed = false;
    // The hold that installing took.
    CTKPaintManagerBase::ReleaseGlobal();
    ok = MoveSheets(folder, context.folder, theme.pszName) && ok;
    ::RemoveDirectoryA(folder.c_str());
  }
  return ok;
}
