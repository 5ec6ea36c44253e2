// A theme text and images made in memory for the image themes' tests: each
// image is a stack of slices of one flat colour apiece, so that a pixel
// names the image and slice that was drawn there.
#pragma once

#include <afxwin.h>

#include <map>
#include <string>

class CDibSurface;

class CTestThemeImages {
 public:
  /// Empties the process-wide theme values and images.
  CTestThemeImages();
  /// Empties them again, so that later tests start without a theme.
  ~CTestThemeImages();

  /// Parses `pszText` ("[Section]\nKey = value\n...", line feeds turned into
  /// the carriage returns the parser wants) into the theme values.
  void SetIni(const char* pszText);
  /// Puts an image of `nSlices` slices of `szSlice` under the name.
  void AddImage(const char* pszName, int nSlices, CSize szSlice = CSize(24, 24));
  /// The colour of one slice of an image added before.
  COLORREF SliceColor(const char* pszName, int nSlice) const;
  /// "NAME/slice" of the image whose slice has the colour; "" for none.
  std::string Name(COLORREF clr) const;
  /// The same for a pixel of a surface.
  std::string NameAt(CDibSurface& surface, int x, int y) const;

 private:
  std::map<std::string, int> m_images;  // name -> number
};
