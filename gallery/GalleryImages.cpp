// The sheet of every theme image of a look, each at twice its size on a
// checkerboard, so that magenta keys and alpha edges show.
#include <algorithm>
#include <string>
#include <vector>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "common/TKResourceImage.h"
#include "common/TKResourceImages.h"

namespace {

const int kScale = 2;
const int kSheetWidth = 1800;
const int kGap = 12;
const int kLabelHeight = 16;

struct Cell {
  std::string resource;
  std::string label;
  CTKResourceImage* image;
  int x, y, w, h;
};

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR lpszName, LONG_PTR lParam) {
  if (!IS_INTRESOURCE(lpszName))
    reinterpret_cast<std::vector<std::string>*>(lParam)->push_back(lpszName);
  return TRUE;
}

void Checkerboard(CDC* pDC, const CRect& rc) {
  for (int y = rc.top; y < rc.bottom; y += 4)
    for (int x = rc.left; x < rc.right; x += 4) {
      bool light = ((x - rc.left) / 4 + (y - rc.top) / 4) % 2 == 0;
      pDC->FillSolidRect(x, y, std::min(4, (int)rc.right - x), std::min(4, (int)rc.bottom - y),
                         light ? RGB(236, 236, 236) : RGB(206, 206, 206));
    }
}

}  // namespace

bool DrawImagesPage(const GalleryContext& context) {
  std::vector<std::string> names;
  ::EnumResourceNamesA(::GetModuleHandleA(NULL), "PNG", CollectName, (LONG_PTR)&names);
  std::string prefix = "OFFICE2010";
  for (char ch : context.look) prefix += (char)toupper((unsigned char)ch);
  prefix += "_";
  std::vector<Cell> cells;
  for (const std::string& name : names) {
    bool common = name.compare(0, 17, "OFFICE2010COMMON_") == 0;
    if (name.compare(0, prefix.size(), prefix) != 0 && !common) continue;
    CTKResourceImage* pImage = TKResourceImages()->LoadImage(name.c_str());
    if (pImage == NULL) continue;
    std::string label = name.substr(name.find('_') + 1);
    if (label.size() > 4) label = label.substr(0, label.size() - 4);
    cells.push_back(
        {name, label, pImage, 0, 0, pImage->GetWidth() * kScale, pImage->GetHeight() * kScale});
  }
  // Flow the cells into rows.
  CGalleryCanvas measure(1, 1);
  int x = kGap, y = kGap + 24, nRowHeight = 0;
  for (Cell& c : cells) {
    CSize szLabel = measure.GetDC()->GetTextExtent(c.label.c_str(), (int)c.label.size());
    int w = std::max((int)szLabel.cx, c.w);
    if (x + w + kGap > kSheetWidth && x > kGap) {
      x = kGap;
      y += nRowHeight + kGap;
      nRowHeight = 0;
    }
    c.x = x;
    c.y = y;
    x += w + kGap;
    nRowHeight = std::max(nRowHeight, c.h + kLabelHeight);
  }
  CGalleryCanvas canvas(kSheetWidth, y + nRowHeight + kGap);
  canvas.Label(kGap, kGap,
               "Theme images of the " + context.look + " look, twice their size (" +
                   std::to_string(cells.size()) + ")",
               RGB(0, 0, 0));
  for (const Cell& c : cells) {
    canvas.Label(c.x, c.y, c.label);
    CRect rc(c.x, c.y + kLabelHeight, c.x + c.w, c.y + kLabelHeight + c.h);
    Checkerboard(canvas.GetDC(), rc);
    c.image->StretchImage(canvas.GetDC(), rc, CRect(CPoint(0, 0), c.image->GetExtent()));
  }
  return canvas.Save(context.folder + "images-" + context.look + ".png");
}
