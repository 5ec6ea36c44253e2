// Colour arithmetic: mixes, weighted distances and contrast corrections.
#include "common/TKColorManager.h"

#include <math.h>

#include <algorithm>

namespace {

// The weighted colour space: each channel scaled to its weight.
const double kRange[3] = {195.0, 390.0, 65.0};
// The distance of white from black there, rounded.
const double kWhiteBrightness = 442.0;

struct Vector {
  double v[3];
};

Vector Weighted(COLORREF clr) {
  const int channels[3] = {GetRValue(clr), GetGValue(clr), GetBValue(clr)};
  Vector result;
  for (int i = 0; i < 3; ++i) result.v[i] = channels[i] * kRange[i] / 255.0;
  return result;
}

// Limits each component to its range and turns it back into 8 bits.
COLORREF FromWeighted(const Vector& vector) {
  int channels[3];
  for (int i = 0; i < 3; ++i) {
    double component = std::min(std::max(vector.v[i], 0.0), kRange[i]);
    int channel = static_cast<int>(component * 255.0 / kRange[i] + 0.5);
    channels[i] = std::min(std::max(channel, 0), 255);
  }
  return RGB(channels[0], channels[1], channels[2]);
}

double Dot(const Vector& a, const Vector& b) {
  return a.v[0] * b.v[0] + a.v[1] * b.v[1] + a.v[2] * b.v[2];
}

Vector Scaled(const Vector& a, double f) { return {{a.v[0] * f, a.v[1] * f, a.v[2] * f}}; }

Vector Minus(const Vector& a, const Vector& b) {
  return {{a.v[0] - b.v[0], a.v[1] - b.v[1], a.v[2] - b.v[2]}};
}

Vector Plus(const Vector& a, const Vector& b) {
  return {{a.v[0] + b.v[0], a.v[1] + b.v[1], a.v[2] + b.v[2]}};
}

const Vector kWhite = {{195.0, 390.0, 65.0}};

}  // namespace

COLORREF PASCAL CTKColorManager::MixColors(COLORREF clrA, COLORREF clrB, int nWeight) {
  const int d = nWeight < 100 ? 100 : 1000;
  auto mix = [&](int a, int b) { return (nWeight * a + (d - nWeight) * b + d / 2) / d; };
  return RGB(mix(GetRValue(clrA), GetRValue(clrB)), mix(GetGValue(clrA), GetGValue(clrB)),
             mix(GetBValue(clrA), GetBValue(clrB)));
}

double PASCAL CTKColorManager::ColorDistanceSquared(COLORREF clrA, COLORREF clrB) {
  Vector d = Minus(Weighted(clrA), Weighted(clrB));
  return Dot(d, d);
}

double PASCAL CTKColorManager::ColorDistance(COLORREF clrA, COLORREF clrB) {
  return sqrt(ColorDistanceSquared(clrA, clrB));
}

double PASCAL CTKColorManager::ColorBrightness(COLORREF clr) { return ColorDistance(clr, 0); }

double PASCAL CTKColorManager::ScaleThresholdForBrightness(int nBrightness, int nThreshold) {
  return (2.0 - std::min(nBrightness, 220) / 220.0) * nThreshold;
}

BOOL PASCAL CTKColorManager::IsColorDistanceAbove(COLORREF clrA, COLORREF clrB, BOOL bAdjust,
                                                  double dThreshold) {
  if (bAdjust)
    dThreshold = ScaleThresholdForBrightness(static_cast<int>(ColorBrightness(clrA)),
                                             static_cast<int>(dThreshold));
  return ColorDistanceSquared(clrA, clrB) > dThreshold * dThreshold;
}

COLORREF PASCAL CTKColorManager::EnsureContrast(COLORREF clrA, COLORREF clrB, double dThreshold) {
  const double brightA = ColorBrightness(clrA);
  const double brightB = ColorBrightness(clrB);
  const double d =
      ScaleThresholdForBrightness(static_cast<int>(brightA), static_cast<int>(dThreshold));
  // Towards white when the wanted distance would not fit below a, else towards black.
  const bool fromWhite = (brightA >= brightB ? d : kWhiteBrightness - d) >= brightA;
  Vector a = Weighted(clrA), b = Weighted(clrB);
  if (fromWhite) {
    a = Minus(kWhite, a);
    b = Minus(kWhite, b);
  }
  const double u = std::max(sqrt(Dot(b, b)), 0.001);
  const double q = Dot(a, b) / u;
  const Vector foot = Scaled(b, Dot(a, b) / (u * u));
  const Vector offset = Minus(a, foot);
  const double e2 = Dot(offset, offset);
  const double s = sqrt(std::max(d * d - e2, 0.0));
  Vector result = Scaled(b, (q - s) / u);
  if (fromWhite) result = Minus(kWhite, result);
  return FromWeighted(result);
}

COLORREF PASCAL CTKColorManager::LimitColorDistance(COLORREF clrA, COLORREF clrB,
                                                    double dThreshold) {
  const int nDistance = static_cast<int>(ColorDistance(clrA, clrB));
  const int nLimit = static_cast<int>(ScaleThresholdForBrightness(
      static_cast<int>(ColorBrightness(clrA)), static_cast<int>(dThreshold)));
  if (nDistance == 0) return clrB;
  const Vector a = Weighted(clrA), b = Weighted(clrB);
  return FromWeighted(
      Plus(b, Scaled(Minus(a, b), static_cast<double>(nDistance - nLimit) / nDistance)));
}
