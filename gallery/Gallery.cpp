// The picture gallery: every control and drawing primitive the toolkit has,
// in each look, drawn into PNG files of a folder.
//
//   gallery DIR      (scripts/tool.sh gallery DIR)
#include <stdio.h>

#include <string>

#include "Gallery.h"
#include "common/TKResourceImages.h"
#include "markup/TKMarkupFlat.h"

namespace {

const char* const kLooks[] = {"Silver", "Blue", "Black"};

// One page a line, so pages added side by side merge cleanly.
// clang-format off
const GalleryPage kPages[] = {
    DrawImagesPage,
    DrawScrollBarsPage,
    DrawHeaderPage,
    DrawMarkupPage,
    DrawPanelsPage,
    DrawMarkupImagesPage,
    DrawToolTipsPage,
    DrawShapesPage,
    DrawMarkupControlsPage,
    DrawCaptionsPage,
    DrawMarkupLayoutPage,
    DrawTabsPage,
    DrawCommandBarsPage,
    DrawDockingPage,
    DrawCommandBarWindowPage,
    DrawCommandBarsFramePage,
    DrawThemesPage,
    DrawShadowsPage,
    DrawPopupMenuPage,
    DrawUiLibPage,
    DrawFieldsPage,
    DrawThemeControlsPage,
    DrawThemedCommandBarsPage,
    DrawColumnViewPage,
    DrawFrameThemesPage,
    DrawMarkupFramePage,
    DrawCommandBarsMdiPage,
    DrawAppPage,
    DrawMainWindowPage,
    DrawStepDialogsPage,
    DrawAppVariablesPage,
    DrawAppRunPage,
    DrawRibbonPage,
    DrawBackstagePage,
};
// clang-format on

/// A path from the command line as Windows takes it: Wine maps the root of
/// the Linux file system to Z:.
std::string WindowsPath(std::string path) {
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& ch : path)
    if (ch == '/') ch = '\\';
  while (path.size() > 3 && path.back() == '\\') path.pop_back();
  return path;
}

bool MakeFolders(const std::string& path) {
  for (size_t i = 3; i <= path.size(); ++i) {
    if (i == path.size() || path[i] == '\\') {
      std::string part = path.substr(0, i);
      if (!::CreateDirectoryA(part.c_str(), NULL) && ::GetLastError() != ERROR_ALREADY_EXISTS)
        return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: gallery DIR\n");
    return 2;
  }
  std::string folder = WindowsPath(argv[1]);
  if (!MakeFolders(folder)) {
    fprintf(stderr, "gallery: cannot make the folder %s\n", folder.c_str());
    return 1;
  }
  // Markup tooltips draw through the markup layer.
  TKInstallMarkupCaptionApi();
  bool ok = true;
  for (const char* look : kLooks) {
    std::string ini = std::string("Office2010") + look + ".INI";
    TKResourceImages()->SetHandle(::GetModuleHandleA(NULL), ini.c_str());
    GalleryContext context = {look, folder + "\\"};
    for (GalleryPage page : kPages) ok = page(context) && ok;
  }
  printf("gallery: pages written to %s\n", folder.c_str());
  return ok ? 0 : 1;
}
