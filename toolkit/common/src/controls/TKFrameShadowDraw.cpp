// The frame shadow's look: four edge gradients and four quarter-ellipse
// corners from the shadow colour to transparent, drawn with GDI+ and handed
// to the layered window with per-pixel alpha.
#include "common/TKFrameShadow.h"
#include "common/TKBitmapFunctions.h"
#include "common/TKScopedHandle.h"

#include <objidl.h>

#include <gdiplus.h>

#include <algorithm>

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

ARGB MakeArgb(BYTE a, COLORREF clr) {
  return (static_cast<ARGB>(a) << 24) | (static_cast<ARGB>(GetRValue(clr)) << 16) |
         (static_cast<ARGB>(GetGValue(clr)) << 8) | GetBValue(clr);
}

void* LineBrush(float x1, float y1, float x2, float y2, ARGB from, ARGB to) {
  GpPointF p1(x1, y1), p2(x2, y2);
  GpLineGradient* pBrush = nullptr;
  GdipCreateLineBrush(&p1, &p2, from, to, WrapModeTile, &pBrush);
  return pBrush;
}

void SetLineBlend(void* pBrush, const CArray<float, float>& factors,
                  const CArray<float, float>& positions) {
  if (pBrush == nullptr || factors.GetSize() == 0) return;
  GdipSetLineBlend(static_cast<GpLineGradient*>(pBrush), factors.GetData(), positions.GetData(),
                   static_cast<INT>(factors.GetSize()));
}

}  // namespace

CTKFrameShadow::CShadowGeometry::CShadowGeometry()
    : m_cxCorner(0),
      m_cyCorner(0),
      m_clrOpaque(0xFF000000),
      m_clrTransparent(0xFF000000),
      m_edges(),
      m_corners(),
      m_pPaths(),
      m_nPathStatus() {
  for (int i = 0; i < 4; ++i) {
    GpPath* pPath = nullptr;
    m_nPathStatus[i] = GdipCreatePath(FillModeAlternate, &pPath);
    m_pPaths[i] = pPath;
  }
}

CTKFrameShadow::CShadowGeometry::~CShadowGeometry() {
  for (PART& part : m_edges)
    if (part.pBrush != nullptr) GdipDeleteBrush(static_cast<GpBrush*>(part.pBrush));
  for (PART& part : m_corners)
    if (part.pBrush != nullptr) GdipDeleteBrush(static_cast<GpBrush*>(part.pBrush));
  for (void* pPath : m_pPaths)
    if (pPath != nullptr) GdipDeletePath(static_cast<GpPath*>(pPath));
}

const CTKFrameShadow::CShadowGeometry* CTKFrameShadow::GetGeometry() {
  if (m_pGeometry == nullptr) RebuildGeometry();
  return m_pGeometry;
}

void CTKFrameShadow::RebuildGeometry() {
  delete m_pGeometry;
  m_pGeometry = new CShadowGeometry();
  CShadowGeometry& g = *m_pGeometry;
  if (m_hWnd != nullptr) GetClientRect(&g.m_rcClient);
  const int W = g.m_rcClient.Width();
  const int H = g.m_rcClient.Height();
  // Halved without sign: a frame narrower than nothing still gets the inner size.
  const unsigned halfW = static_cast<unsigned>(W - 2 * m_nSize) / 2;
  const unsigned halfH = static_cast<unsigned>(H - 2 * m_nSize) / 2;
  const int cx = m_nSize + static_cast<int>(std::min<unsigned>(m_nInnerSize, halfW));
  const int cy = m_nSize + static_cast<int>(std::min<unsigned>(m_nInnerSize, halfH));
  g.m_cxCorner = cx;
  g.m_cyCorner = cy;
  g.m_clrOpaque = MakeArgb(255, m_clr);
  g.m_clrTransparent = MakeArgb(0, m_clr);
  const ARGB o = g.m_clrOpaque, t = g.m_clrTransparent;

  g.m_edges[0] = {0, cy, cx, H - 2 * cy, LineBrush(cx + 0.1f, 0, -0.1f, 0, o, t)};
  g.m_edges[1] = {cx, 0, W - 2 * cx, cy, LineBrush(0, cy + 0.1f, 0, -0.1f, o, t)};
  g.m_edges[2] = {W - cx, cy, cx, H - 2 * cy, LineBrush(W - cx - 0.1f, 0, W + 0.1f, 0, o, t)};
  g.m_edges[3] = {cx, H - cy, W - 2 * cx, cy, LineBrush(0, H - cy - 0.1f, 0, H + 0.1f, o, t)};
  GpPoint c1(0, 0), c2(W - 2 * cx, 0);
  GpLineGradient* pCenter = nullptr;
  GdipCreateLineBrushI(&c1, &c2, o, t, WrapModeTile, &pCenter);
  g.m_edges[4] = {cx, cy, W - 2 * cx, H - 2 * cy, pCenter};
  for (int i = 0; i < 4; ++i)
    SetLineBlend(g.m_edges[i].pBrush, m_arrEdgeFactors, m_arrEdgePositions);
  SetLineBlend(pCenter, m_arrCenterFactors, m_arrCenterPositions);

  const POINT corners[4] = {{0, 0}, {W - 2 * cx, 0}, {W - 2 * cx, H - 2 * cy}, {0, H - 2 * cy}};
  for (int i = 0; i < 4; ++i) {
    PART& part = g.m_corners[i];
    part = {corners[i].x, corners[i].y, 2 * cx, 2 * cy, nullptr};
    GpPath* pPath = static_cast<GpPath*>(g.m_pPaths[i]);
    if (pPath == nullptr) continue;
    GdipAddPathEllipse(pPath, static_cast<REAL>(part.x), static_cast<REAL>(part.y),
                       static_cast<REAL>(part.cx), static_cast<REAL>(part.cy));
    GpPathGradient* pBrush = nullptr;
    if (GdipCreatePathGradientFromPath(pPath, &pBrush) != Ok) continue;
    GdipSetPathGradientCenterColor(pBrush, o);
    GpPointF centre(part.x + part.cx / 2.0f, part.y + part.cy / 2.0f);
    GdipSetPathGradientCenterPoint(pBrush, &centre);
    ARGB surround = t;
    INT nCount = 1;
    GdipSetPathGradientSurroundColorsWithCount(pBrush, &surround, &nCount);
    if (m_arrCornerFactors.GetSize() > 0)
      GdipSetPathGradientBlend(pBrush, m_arrCornerFactors.GetData(), m_arrCornerPositions.GetData(),
                               static_cast<INT>(m_arrCornerFactors.GetSize()));
    part.pBrush = pBrush;
  }
}

BOOL CTKFrameShadow::DrawShadow(DWORD* pBits, int cx, int cy) {
  const DWORD dwOptions = m_pManager->GetEffectiveOptions();
  const BOOL bHidden = (dwOptions & TKFRAMESHADOW_HIDDEN) != 0;
  const BOOL bResizable = (dwOptions & TKFRAMESHADOW_NORESIZE) == 0;
  if (bHidden && !bResizable) return TRUE;
  const CShadowGeometry* pGeometry = GetGeometry();
  GpBitmap* pBitmap = nullptr;
  if (GdipCreateBitmapFromScan0(cx, cy, cx * 4, PixelFormat32bppPARGB,
                                reinterpret_cast<BYTE*>(pBits), &pBitmap) != Ok)
    return FALSE;
  GpGraphics* pGraphics = nullptr;
  BOOL bDrawn = FALSE;
  if (GdipGetImageGraphicsContext(pBitmap, &pGraphics) == Ok) {
    GdipSetSmoothingMode(pGraphics, SmoothingModeNone);
    for (const PART& part : pGeometry->m_edges) {
      if (part.pBrush != nullptr && part.cx > 0 && part.cy > 0)
        GdipFillRectangleI(pGraphics, static_cast<GpBrush*>(part.pBrush), part.x, part.y, part.cx,
                           part.cy);
    }
    // Each corner is the quarter of its ellipse that points away from the frame.
    const REAL startAngles[4] = {270.0f, 0.0f, 90.0f, 180.0f};
    for (int i = 0; i < 4; ++i) {
      const PART& part = pGeometry->m_corners[i];
      if (part.pBrush != nullptr)
        GdipFillPieI(pGraphics, static_cast<GpBrush*>(part.pBrush), part.x, part.y, part.cx,
                     part.cy, startAngles[i], -90.0f);
    }
    GdipFlush(pGraphics, FlushIntentionSync);
    GdipDeleteGraphics(pGraphics);
    bDrawn = TRUE;
  }
  GdipDisposeImage(pBitmap);
  return bDrawn;
}

void CTKFrameShadow::OnPaint() {
  if (m_pGeometry == nullptr) RebuildGeometry();
  PAINTSTRUCT ps;
  HDC hdcPaint = ::BeginPaint(m_hWnd, &ps);
  const DWORD dwOptions = m_pManager->GetEffectiveOptions();
  const BOOL bHidden = (dwOptions & TKFRAMESHADOW_HIDDEN) != 0;
  const BOOL bResizable = (dwOptions & TKFRAMESHADOW_NORESIZE) == 0;
  CRect rcClient;
  GetClientRect(&rcClient);
  const int W = rcClient.Width(), H = rcClient.Height();
  // A DIB section rather than a device bitmap: the layered window needs the
  // premultiplied alpha that GDI+ writes, and a device bitmap may drop it.
  LPBYTE pBits = nullptr;
  CTKScopedCreatedDC memDC(::CreateCompatibleDC(hdcPaint));
  CTKScopedBitmap bitmap((W > 0 && H > 0) ? Create32BitDIBSection(hdcPaint, W, -H, &pBits)
                                          : nullptr);
  m_bPainted = FALSE;
  if (memDC && bitmap) {
    CTKSelectGuard select(memDC.Get(), bitmap.Get());
    DrawShadow(reinterpret_cast<DWORD*>(pBits), W, H);
    BYTE nAlpha = m_nTransparency;
    // A hidden shadow keeps a trace of alpha so it can still be grabbed to resize.
    if (bHidden) nAlpha = bResizable ? 2 : 0;
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, nAlpha, AC_SRC_ALPHA};
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    POINT ptDst = rcWindow.TopLeft();
    SIZE size = {W, H};
    POINT ptSrc = {0, 0};
    m_bPainted = ::UpdateLayeredWindow(m_hWnd, hdcPaint, &ptDst, &size, memDC.Get(), &ptSrc, 0,
                                       &blend, ULW_ALPHA);
    m_nPaintedAlpha = nAlpha;
  }
  ::EndPaint(m_hWnd, &ps);
}
