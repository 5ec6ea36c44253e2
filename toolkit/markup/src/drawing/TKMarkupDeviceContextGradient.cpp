// CTKMarkupDeviceContext: linear gradients composed opaque in a DIB over the
// visible part of the rectangle.
#include "markup/TKMarkupDeviceContext.h"

#include "TKMarkupBrush.h"
#include "TKMarkupPoint.h"
#include "common/TKBitmapFunctions.h"
#include "common/TKScopedHandle.h"

#include <math.h>

#include <vector>

namespace {

struct GradientStop {
  BYTE b, g, r;
  double dOffset;
  double dDifference;
};

DWORD ColorAt(const std::vector<GradientStop>& stops, double p) {
  auto pack = [](double b, double g, double r) {
    auto channel = [](double v) {
      return static_cast<DWORD>(static_cast<int>(floor(v + 0.5)) & 0xFF);
    };
    return channel(b) | (channel(g) << 8) | (channel(r) << 16);
  };
  const GradientStop& first = stops.front();
  const GradientStop& last = stops.back();
  if (p <= first.dOffset) return pack(first.b, first.g, first.r);
  if (p >= last.dOffset) return pack(last.b, last.g, last.r);
  for (size_t k = 1; k < stops.size(); ++k) {
    if (p >= stops[k].dOffset || stops[k].dDifference == 0) continue;
    const GradientStop& a = stops[k - 1];
    const GradientStop& c = stops[k];
    const double f = (c.dOffset - p) / c.dDifference;
    return pack(a.b * f + c.b * (1 - f), a.g * f + c.g * (1 - f), a.r * f + c.r * (1 - f));
  }
  return pack(last.b, last.g, last.r);
}

}  // namespace

void CTKMarkupDeviceContext::FillLinearGradient(const RECT& rc, CTKMarkupBrush* pBrush) {
  auto* pGradient = static_cast<CTKMarkupLinearGradientBrush*>(pBrush);
  const std::vector<TK_MARKUP_GRADIENT_STOP> sorted = SortedGradientStops(pGradient);
  const int w = rc.right - rc.left, h = rc.bottom - rc.top;
  if (sorted.empty() || w < 1 || h < 1) return;
  if (sorted.size() == 1) {
    FillSolid(rc, sorted[0].clrColor);
    return;
  }
  const CTKMarkupPoint* pStart = pGradient->GetStartPoint();
  const CTKMarkupPoint* pEnd = pGradient->GetEndPoint();
  const double sx = (pStart ? pStart->GetX() : 0.0) * w, sy = (pStart ? pStart->GetY() : 0.0) * h;
  const double ex = (pEnd ? pEnd->GetX() : 1.0) * w, ey = (pEnd ? pEnd->GetY() : 1.0) * h;
  if (sx == ex && sy == ey) return;

  RECT rcClip;
  ::GetClipBox(m_hDC, &rcClip);
  OffsetRect(&rcClip, -rc.left, -rc.top);
  RECT rcArea = {0, 0, w, h};
  if (!IntersectRect(&rcClip, &rcClip, &rcArea)) return;

  std::vector<GradientStop> stops;
  for (const TK_MARKUP_GRADIENT_STOP& s : sorted) {
    const DWORD c = s.clrColor;
    const double dPrevious = stops.empty() ? s.dOffset : stops.back().dOffset;
    stops.push_back(
        GradientStop{GetBValue(c), GetGValue(c), GetRValue(c), s.dOffset, s.dOffset - dPrevious});
  }

  DWORD* pBits = nullptr;
  // Top-down rows keep the arithmetic simple.
  CTKScopedBitmap bitmap(Create32BitDIBSection(m_hDC, w, -h, reinterpret_cast<LPBYTE*>(&pBits)));
  CTKScopedCreatedDC memDC(CreateCompatibleDC(m_hDC));
  if (!bitmap || pBits == nullptr || !memDC) return;
  const double dx = ex - sx, dy = ey - sy, dLength2 = dx * dx + dy * dy;
  auto param = [&](double x, double y) { return ((x - sx) * dx + (y - sy) * dy) / dLength2; };
  for (int y = rcClip.top; y < rcClip.bottom; ++y) {
    DWORD* pRow = pBits + static_cast<size_t>(y) * w;
    for (int x = rcClip.left; x < rcClip.right; ++x) pRow[x] = ColorAt(stops, param(x, y + 1));
  }
  CTKSelectGuard select(memDC.Get(), bitmap.Get());
  BitBlt(m_hDC, rc.left + rcClip.left, rc.top + rcClip.top, rcClip.right - rcClip.left,
         rcClip.bottom - rcClip.top, memDC.Get(), rcClip.left, rcClip.top, SRCCOPY);
}
