// CTKShadowManager::FillAlphaShadow: the alpha ramps of the shadow strips.
#include "commandbars/TKShadowManager.h"

namespace {

/// The strips' depth and the corners' size.
const int kRamp = 4;

class CShadowPixels {
 public:
  CShadowPixels(DWORD* pBits, int cx, int cy, COLORREF clr)
      : m_pBits(pBits), m_cx(cx), m_cy(cy), m_clr(clr) {}

  /// Alpha on top of the colour scaled by `dFactor`, each channel truncated
  /// and held to the alpha: a premultiplied channel above its alpha would
  /// overflow the blend, and a bright tint would come out in another colour.
  void Set(int x, int nRow, int nAlpha, double dFactor) {
    if (x < 0 || x >= m_cx || nRow < 0 || nRow >= m_cy) return;
    auto channel = [&](BYTE nValue) {
      const int n = static_cast<int>(nValue * dFactor);
      return static_cast<DWORD>(n < nAlpha ? n : nAlpha);
    };
    m_pBits[nRow * m_cx + x] = (static_cast<DWORD>(nAlpha) << 24) +
                               (channel(GetRValue(m_clr)) << 16) +
                               (channel(GetGValue(m_clr)) << 8) + channel(GetBValue(m_clr));
  }
  /// The corner ramp at column `c` and row `r` of a corner (0 outermost).
  void SetCorner(int x, int nRow, int c, int r, int nStep) {
    Set(x, nRow, nStep * (c + 1) * (r + 1), (c + 1) * (r + 1) / 20.0);
  }

 private:
  DWORD* m_pBits;
  int m_cx, m_cy;
  COLORREF m_clr;
};

}  // namespace

void CTKShadowManager::FillAlphaShadow(DWORD* pBits, int cx, int cy, int nKind, DWORD dwOptions,
                                       COLORREF clrShadow) {
  if (pBits == nullptr || cx <= 0 || cy <= 0) return;
  memset(pBits, 0, static_cast<size_t>(cx) * cy * sizeof(DWORD));
  CShadowPixels pixels(pBits, cx, cy, clrShadow);
  const BOOL bHalf = (dwOptions & kOptionAlways) != 0;
  const int nCornerStep = bHalf ? 3 : 6;
  const int nEdgeStep = bHalf ? 15 : 30;
  if (nKind == kShadowCorner) {
    pixels.Set(0, 0, bHalf ? 60 : 120, 1.0);
    return;
  }
  if (nKind == kShadowBelow) {
    // Row 0 is the bottom scan line, farthest from the pop-up.
    for (int r = 0; r < kRamp; ++r) {
      for (int c = 0; c < kRamp; ++c) {
        pixels.SetCorner(c, r, c, r, nCornerStep);
        pixels.SetCorner(cx - 1 - c, r, c, r, nCornerStep);
      }
      // Narrower strips are all corner.
      if (cx > 2 * kRamp)
        for (int x = kRamp; x <= cx - kRamp - 1; ++x)
          pixels.Set(x, r, nEdgeStep * (r + 1), (r + 1) / 4.0);
    }
    return;
  }
  // The strip to the right: the top corner, then columns fading outwards.
  for (int r = 0; r < kRamp; ++r)
    for (int c = 0; c < kRamp; ++c) pixels.SetCorner(cx - 1 - c, cy - 1 - r, c, r, nCornerStep);
  for (int nRow = 0; nRow < cy - kRamp; ++nRow)
    for (int k = 0; k < kRamp; ++k) pixels.Set(k, nRow, nEdgeStep * (kRamp - k), (kRamp - k) / 4.0);
}
