// Colour blending and the conversion between RGB and packed HLS values.
#include "common/TKDrawHelpers.h"

#include <algorithm>

#include "common/TKColorManager.h"

COLORREF AFXAPI BlendColors(COLORREF clrA, COLORREF clrB, double dFactor) {
  auto blend = [dFactor](int a, int b) {
    return std::min(static_cast<int>(dFactor * a + (1.0 - dFactor) * b), 255);
  };
  return RGB(blend(GetRValue(clrA), GetRValue(clrB)), blend(GetGValue(clrA), GetGValue(clrB)),
             blend(GetBValue(clrA), GetBValue(clrB)));
}

BOOL AFXAPI IsSystemColorDepthLow(HDC hDC) { return CTKColorManager::IsLowResolution(hDC); }

DWORD AFXAPI RGBToHLS(COLORREF clr) {
  const int r = GetRValue(clr), g = GetGValue(clr), b = GetBValue(clr);
  const int nMax = std::max({r, g, b}), nMin = std::min({r, g, b});
  const int nSum = nMax + nMin;
  const int nLum = (nSum + 1) / 2;
  int nHue = 255, nSat = 0;
  if (nMax != nMin) {
    const int d = nMax - nMin;
    nSat = nLum < 127 ? ((d + 1) * 256) / nSum : (d * 256) / (512 - nSum);
    if (r == nMax)
      nHue = ((g - b) * 256) / d;
    else if (g == nMax)
      nHue = ((b - r) * 256) / d + 512;
    else
      nHue = ((r - g) * 256) / d + 1024;
    nHue /= 6;
    if (nHue < 0) nHue += 256;
  }
  const int h = std::min(nHue * 239 / 255, 239);
  const int s = std::min(nSat * 240 / 255, 240);
  const int l = std::min(nLum * 240 / 255, 240);
  return static_cast<DWORD>(h | (s << 8) | (l << 16));
}

int AFXAPI HueToRGBComponent(int m1, int m2, int nHue) {
  if (nHue < 0)
    nHue += 255;
  else if (nHue > 255)
    nHue -= 255;
  const int k = (m2 - m1) / 255;
  int nValue;
  if (6 * nHue < 255)
    nValue = m1 + 6 * k * nHue;
  else if (2 * nHue < 255)
    nValue = m2;
  else if (3 * nHue < 510)
    nValue = m1 + 6 * k * (170 - nHue);
  else
    nValue = m1;
  return nValue / 255;
}

COLORREF AFXAPI HLSToRGB(DWORD dwHLS) {
  const int nHue = (dwHLS & 0xFF) * 255 / 239;
  const int nSat = ((dwHLS >> 8) & 0xFF) * 255 / 240;
  const int nLum = ((dwHLS >> 16) & 0xFF) * 255 / 240;
  if (nSat == 0) {
    const int v = std::min(nLum, 255);
    return RGB(v, v, v);
  }
  const int m2 = nLum <= 127 ? (nSat + 255) * nLum : (nLum + nSat - nLum * nSat / 255) * 255;
  const int m1 = nLum * 510 - m2;
  const int r = std::min(HueToRGBComponent(m1, m2, nHue + 85), 255);
  const int g = std::min(HueToRGBComponent(m1, m2, nHue), 255);
  const int b = std::min(HueToRGBComponent(m1, m2, nHue - 85), 255);
  return RGB(r, g, b);
}
