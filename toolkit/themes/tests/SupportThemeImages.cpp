// Theme values and flat-coloured slice images put straight into the resource
// images' cache.
#include "SupportThemeImages.h"

#include <string>

#include "common/TKResourceImage.h"
#include "common/TKResourceImages.h"
#include "testsupport/DibSurface.h"

namespace {

/// Reaches the cache the images are looked up in.
class CImagesAccess : public CTKResourceImages {
 public:
  void Put(const char* pszName, CTKResourceImage* pImage) { m_mapImages.SetAt(pszName, pImage); }
};

void Clear() {
  TKResourceImages()->RemoveAll();
  TKResourceImages()->RemoveAllValues();
}

COLORREF ColorOf(int nImage, int nSlice) {
  return RGB(3 + 7 * nImage, 20 + 25 * nSlice, 201);
}

}  // namespace

CTestThemeImages::CTestThemeImages() { Clear(); }

CTestThemeImages::~CTestThemeImages() { Clear(); }

void CTestThemeImages::SetIni(const char* pszText) {
  std::string text;
  for (const char* p = pszText; *p != '\0'; ++p) text += *p == '\n' ? std::string("\r\n") : std::string(1, *p);
  text += "\r\n";
  TKResourceImages()->ParseIniText(text.c_str(), static_cast<DWORD>(text.size()));
}

void CTestThemeImages::AddImage(const char* pszName, int nSlices, CSize szSlice) {
  const int nImage = static_cast<int>(m_images.size()) + 1;
  m_images[pszName] = nImage;
  CDibSurface surface(szSlice.cx, szSlice.cy * nSlices);
  CDC* pDC = surface.GetDC();
  for (int i = 0; i < nSlices; ++i)
    pDC->FillSolidRect(0, szSlice.cy * i, szSlice.cx, szSlice.cy, ColorOf(nImage, i));
  // A copy of its own: the image takes over the bitmap it is given.
  HDC hScreen = ::GetDC(NULL);
  HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, szSlice.cx, szSlice.cy * nSlices);
  HDC hCopy = ::CreateCompatibleDC(hScreen);
  HGDIOBJ hOld = ::SelectObject(hCopy, hBitmap);
  ::BitBlt(hCopy, 0, 0, szSlice.cx, szSlice.cy * nSlices, pDC->GetSafeHdc(), 0, 0, SRCCOPY);
  ::SelectObject(hCopy, hOld);
  ::DeleteDC(hCopy);
  ::ReleaseDC(NULL, hScreen);
  CTKResourceImage* pImage = new CTKResourceImage(TKResourceImages());
  pImage->SetBitmap(hBitmap, FALSE);
  static_cast<CImagesAccess*>(TKResourceImages())->Put(pszName, pImage);
}

COLORREF CTestThemeImages::SliceColor(const char* pszName, int nSlice) const {
  auto it = m_images.find(pszName);
  return it == m_images.end() ? static_cast<COLORREF>(-1) : ColorOf(it->second, nSlice);
}

std::string CTestThemeImages::Name(COLORREF clr) const {
  if (GetBValue(clr) != 201) return "";
  for (const auto& image : m_images) {
    for (int i = 0; i < 10; ++i)
      if (ColorOf(image.second, i) == clr) return image.first + "/" + std::to_string(i);
  }
  return "";
}

std::string CTestThemeImages::NameAt(CDibSurface& surface, int x, int y) const {
  return Name(surface.GetPixel(x, y));
}
