// The images an icon makes itself: faded, shadow and disabled. Each is made on
// a plain copy of its source, whose pixels are changed and which is then
// copied into the target image.
#include "common/TKImageManagerIcon.h"

#include <math.h>

#include <functional>

#include "common/TKBitmapFunctions.h"
#include "common/TKImageManager.h"
#include "common/TKScopedHandle.h"

#include "common/TKColorManager.h"
#include "common/TKDrawHelpers.h"

namespace {

// A premultiplied pixel: blue, green, red, alpha.
typedef std::function<void(BYTE* pixel)> PixelChange;
typedef std::function<COLORREF(COLORREF)> ColorChange;

// The icon's colours changed where its mask is opaque, as a new icon.
HICON ChangeIconColors(HICON hIcon, const ColorChange& change) {
  CTKScopedIconInfo info(hIcon);
  if (!info) return NULL;
  if (info.GetColor() == NULL) return ::CopyIcon(hIcon);
  BITMAP bitmap = {};
  ::GetObject(info.GetColor(), sizeof bitmap, &bitmap);
  CTKScopedCreatedDC colorDC(::CreateCompatibleDC(NULL));
  CTKScopedCreatedDC maskDC(::CreateCompatibleDC(NULL));
  if (!colorDC || !maskDC) return NULL;
  {
    CTKSelectGuard selectColor(colorDC.Get(), info.GetColor());
    CTKSelectGuard selectMask(maskDC.Get(), info.GetMask());
    for (int y = 0; y < bitmap.bmHeight; ++y) {
      for (int x = 0; x < bitmap.bmWidth; ++x) {
        if (::GetPixel(maskDC.Get(), x, y) != RGB(0, 0, 0)) continue;
        ::SetPixel(colorDC.Get(), x, y, change(::GetPixel(colorDC.Get(), x, y)));
      }
    }
  }
  ICONINFO changed = info.Get();
  return ::CreateIconIndirect(&changed);
}

// Makes `target` a copy of `source` with its pixels changed: premultiplied
// pixels of an alpha image, colours of an icon.
void Generate(const CTKImageManagerIconHandle& source, CTKImageManagerIconHandle& target,
              const PixelChange& changePixel, const ColorChange& changeColor) {
  CTKImageManagerIconHandle work;  // no manager: always a plain copy
  work.CopyFrom(source);
  if (work.IsEmpty()) return;
  if (work.GetIcon() != NULL) {
    HICON hChanged = ChangeIconColors(work.GetIcon(), changeColor);
    if (hChanged == NULL) return;
    work.ReplaceIcon(hChanged);
  } else {
    LPBYTE pBits = work.GetPremultipliedBits();
    if (pBits == NULL) return;
    BITMAP bitmap = {};
    ::GetObject(work.GetBitmap(), sizeof bitmap, &bitmap);
    ::GdiFlush();
    for (int i = 0; i < bitmap.bmWidth * bitmap.bmHeight; ++i) changePixel(pBits + 4 * i);
  }
  target.CopyFrom(work);
}

BYTE Clamp(int value) { return (BYTE)(value < 0 ? 0 : value > 255 ? 255 : value); }

// Luminance from 0 to 1; exact for white and for the sums the weights make.
double Luminance(int red, int green, int blue) {
  return (299.0 * red + 587.0 * green + 114.0 * blue) / 255000.0;
}

}  // namespace

COLORREF LightenColor(COLORREF clr, double dFactor) {
  auto lighten = [dFactor](int channel) {
    return Clamp((int)(dFactor * 255 + (1 - dFactor) * channel));
  };
  return RGB(lighten(GetRValue(clr)), lighten(GetGValue(clr)), lighten(GetBValue(clr)));
}

void CTKImageManagerIcon::CreateFadedImage() {
  if (!m_imageNormal.IsShareable()) return;
  const BOOL bLowColor = IsSystemColorDepthLow(NULL);
  Generate(
      m_imageNormal, m_imageFaded,
      [](BYTE* pixel) {
        const int alpha = pixel[3];
        if (alpha == 0) return;
        for (int c = 0; c < 3; ++c) pixel[c] = Clamp((int)(pixel[c] * 0.7 + alpha * 0.3));
      },
      [bLowColor](COLORREF clr) { return bLowColor ? clr : LightenColor(clr, 0.3); });
}

void CTKImageManagerIcon::CreateShadowImage() {
  if (!m_imageNormal.IsShareable()) return;
  // Toolkit colour 31 is the one shadows are made from.
  const COLORREF clrBase = TKColorManager()->GetColor(31);
  const COLORREF clrShadow = RGB((int)(GetRValue(clrBase) * 0.75), (int)(GetGValue(clrBase) * 0.75),
                                 (int)(GetBValue(clrBase) * 0.75));
  Generate(
      GetHotImage(), m_imageShadow,
      [clrShadow](BYTE* pixel) {
        const int alpha = pixel[3];
        pixel[0] = (BYTE)(GetBValue(clrShadow) * alpha / 255);
        pixel[1] = (BYTE)(GetGValue(clrShadow) * alpha / 255);
        pixel[2] = (BYTE)(GetRValue(clrShadow) * alpha / 255);
      },
      [clrShadow](COLORREF) { return clrShadow; });
}

void CTKImageManagerIcon::CreateDisabledImage(COLORREF clrLight, COLORREF clrDark) {
  if (!m_imageDisabledAuto.IsEmpty()) return;
  const bool bRamp = clrLight != (COLORREF)-1 && clrDark != (COLORREF)-1;
  auto disable = [=](COLORREF clr) -> COLORREF {
    const double lum = Luminance(GetRValue(clr), GetGValue(clr), GetBValue(clr));
    if (!bRamp) {
      const BYTE grey = Clamp((int)(sqrt(lum) * 255));
      return RGB(grey, grey, grey);
    }
    auto mix = [lum](int light, int dark) { return Clamp((int)(light * lum + dark * (1 - lum))); };
    return RGB(mix(GetRValue(clrLight), GetRValue(clrDark)),
               mix(GetGValue(clrLight), GetGValue(clrDark)),
               mix(GetBValue(clrLight), GetBValue(clrDark)));
  };
  Generate(
      m_imageNormal, m_imageDisabledAuto,
      [&disable](BYTE* pixel) {
        const int alpha = pixel[3];
        if (alpha == 0) return;
        // The colour without its alpha, changed, then premultiplied again.
        const COLORREF clr =
            disable(RGB(Clamp(pixel[2] * 255 / alpha), Clamp(pixel[1] * 255 / alpha),
                        Clamp(pixel[0] * 255 / alpha)));
        pixel[0] = (BYTE)(GetBValue(clr) * alpha / 255);
        pixel[1] = (BYTE)(GetGValue(clr) * alpha / 255);
        pixel[2] = (BYTE)(GetRValue(clr) * alpha / 255);
      },
      disable);
}
