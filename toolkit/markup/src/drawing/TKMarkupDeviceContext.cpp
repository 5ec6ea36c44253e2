// CTKMarkupDeviceContext: the GDI back end: extents, shapes, paths, text,
// fonts and clipping.
#include "markup/TKMarkupDeviceContext.h"

#include "common/TKImageManagerIcon.h"
#include "common/TKScopedHandle.h"
#include "TKMarkupBrush.h"
#include "TKMarkupFont.h"
#include "TKMarkupThickness.h"

#include <stdlib.h>

COLORREF MarkupBrushColorRef(const CTKMarkupBrush* pBrush) {
  return pBrush != nullptr ? pBrush->GetColorRef() & 0xFFFFFF : 0;
}

namespace {

// Selects a pen and brush for one drawing call and puts the DC's own back.
class CGdiTools {
 public:
  CGdiTools(HDC hDC, const MARKUP_STROKE* pStroke, CTKMarkupBrush* pFill)
      : m_pen(pStroke != nullptr && pStroke->nThickness > 0 && pStroke->pBrush != nullptr
                  ? CreatePen(PS_SOLID, pStroke->nThickness, MarkupBrushColorRef(pStroke->pBrush))
                  : nullptr),
        m_brush(pFill != nullptr ? CreateSolidBrush(MarkupBrushColorRef(pFill)) : nullptr),
        m_selectPen(hDC, m_pen ? m_pen.Get() : GetStockObject(NULL_PEN)),
        m_selectBrush(hDC, m_brush ? m_brush.Get() : GetStockObject(NULL_BRUSH)) {}
  bool HasPen() const { return m_pen.IsValid(); }
  bool HasBrush() const { return m_brush.IsValid(); }

 private:
  CTKScopedPen m_pen;
  CTKScopedBrush m_brush;
  CTKSelectGuard m_selectPen;
  CTKSelectGuard m_selectBrush;
};

}  // namespace

CTKMarkupDeviceContext::CTKMarkupDeviceContext(HDC hDC, HDC hAttributeDC)
    : m_hDC(hDC),
      m_hAttributeDC(hAttributeDC != nullptr ? hAttributeDC : hDC),
      m_szWindowExt{1, 1},
      m_szViewportExt{1, 1},
      m_hReplacedFont(nullptr),
      m_nSmoothingMode(0) {
  if (hDC != nullptr) {
    GetWindowExtEx(hDC, &m_szWindowExt);
    GetViewportExtEx(hDC, &m_szViewportExt);
  }
  if (m_szWindowExt.cx == 0 || m_szWindowExt.cy == 0) {
    m_szWindowExt = SIZE{1, 1};
    m_szViewportExt = SIZE{1, 1};
  }
  m_szWindowExt = SIZE{labs(m_szWindowExt.cx), labs(m_szWindowExt.cy)};
  m_szViewportExt = SIZE{labs(m_szViewportExt.cx), labs(m_szViewportExt.cy)};
}

CTKMarkupDeviceContext::~CTKMarkupDeviceContext() = default;

POINT CTKMarkupDeviceContext::LogicalToDevice(const POINT& pt) const {
  return POINT{m_szViewportExt.cx * pt.x / m_szWindowExt.cx,
               m_szViewportExt.cy * pt.y / m_szWindowExt.cy};
}

void CTKMarkupDeviceContext::OffsetViewport(const POINT& pt) {
  const POINT offset = LogicalToDevice(pt);
  OffsetViewportOrgEx(m_hDC, offset.x, offset.y, nullptr);
}

int CTKMarkupDeviceContext::SetSmoothingMode(int, BOOL) { return m_nSmoothingMode; }

void CTKMarkupDeviceContext::DrawEllipse(const RECT& rc, const MARKUP_STROKE* pStroke,
                                         CTKMarkupBrush* pFill) {
  CGdiTools tools(m_hDC, pStroke, pFill);
  if (tools.HasPen() || tools.HasBrush()) Ellipse(m_hDC, rc.left, rc.top, rc.right, rc.bottom);
}

void CTKMarkupDeviceContext::DrawRectangle(const RECT& rc, CTKMarkupBrush* pBrush,
                                           const CTKMarkupThickness* pThickness) {
  if (pThickness == nullptr) return;
  const int l = pThickness->GetLeft(), t = pThickness->GetTop();
  const int r = pThickness->GetRight(), b = pThickness->GetBottom();
  if (l > 0) FillRectangle(RECT{rc.left, rc.top, rc.left + l, rc.bottom}, pBrush);
  if (r > 0) FillRectangle(RECT{rc.right - r, rc.top, rc.right, rc.bottom}, pBrush);
  if (t > 0) FillRectangle(RECT{rc.left, rc.top, rc.right, rc.top + t}, pBrush);
  if (b > 0) FillRectangle(RECT{rc.left, rc.bottom - b, rc.right, rc.bottom}, pBrush);
}

void CTKMarkupDeviceContext::FillSolid(const RECT& rc, COLORREF clr) {
  const COLORREF clrOld = SetBkColor(m_hDC, clr & 0xFFFFFF);
  ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
  SetBkColor(m_hDC, clrOld);
}

void CTKMarkupDeviceContext::FillRectangle(const RECT& rc, CTKMarkupBrush* pBrush) {
  if (pBrush == nullptr) return;
  if (pBrush->IsKindOf(CTKMarkupSolidColorBrush::StaticType()))
    FillSolid(rc, pBrush->GetColorRef());
  else if (pBrush->IsKindOf(CTKMarkupLinearGradientBrush::StaticType()))
    FillLinearGradient(rc, pBrush);
}

void CTKMarkupDeviceContext::DrawLine(int x1, int y1, int x2, int y2,
                                      const MARKUP_STROKE* pStroke) {
  CGdiTools tools(m_hDC, pStroke, nullptr);
  if (!tools.HasPen()) return;
  MoveToEx(m_hDC, x1, y1, nullptr);
  LineTo(m_hDC, x2, y2);
}

void CTKMarkupDeviceContext::Polyline(const POINT* pPoints, int nCount,
                                      const MARKUP_STROKE* pStroke) {
  if (pPoints == nullptr || nCount <= 0) return;
  CGdiTools tools(m_hDC, pStroke, nullptr);
  if (tools.HasPen()) ::Polyline(m_hDC, pPoints, nCount);
}

void CTKMarkupDeviceContext::Polygon(const POINT* pPoints, int nCount, const MARKUP_STROKE* pStroke,
                                     CTKMarkupBrush* pFill) {
  if (pPoints == nullptr || nCount <= 0) return;
  CGdiTools tools(m_hDC, pStroke, pFill);
  if (tools.HasPen() || tools.HasBrush()) ::Polygon(m_hDC, pPoints, nCount);
}

void CTKMarkupDeviceContext::DrawPath(const CTKMarkupPathData* pPath, const MARKUP_STROKE* pStroke,
                                      CTKMarkupBrush* pFill) {
  if (pPath == nullptr || pPath->GetCount() == 0) return;
  CGdiTools tools(m_hDC, pStroke, pFill);
  const MARKUP_POINTF* pPoints = pPath->GetPoints();
  const BYTE* pTypes = pPath->GetTypes();
  const int nCount = pPath->GetCount();
  BeginPath(m_hDC);
  for (int i = 0; i < nCount; ++i) {
    BYTE nType = pTypes[i];
    switch (nType & TK_PATH_POINT_TYPE_MASK) {
      case TK_PATH_POINT_START:
        MoveToEx(m_hDC, static_cast<int>(pPoints[i].x), static_cast<int>(pPoints[i].y), nullptr);
        break;
      case TK_PATH_POINT_LINE:
        LineTo(m_hDC, static_cast<int>(pPoints[i].x), static_cast<int>(pPoints[i].y));
        break;
      case TK_PATH_POINT_BEZIER: {
        // A curve needs three points; a truncated one at the end is dropped
        // rather than read past the path's count.
        if (i + 2 >= nCount) {
          i = nCount;
          continue;
        }
        POINT curve[3];
        for (int k = 0; k < 3; ++k)
          curve[k] = POINT{static_cast<int>(pPoints[i + k].x), static_cast<int>(pPoints[i + k].y)};
        PolyBezierTo(m_hDC, curve, 3);
        i += 2;
        nType = pTypes[i];
        break;
      }
      default:
        break;
    }
    if (nType & TK_PATH_POINT_CLOSE) CloseFigure(m_hDC);
  }
  EndPath(m_hDC);
  if (tools.HasBrush() && tools.HasPen())
    StrokeAndFillPath(m_hDC);
  else if (tools.HasBrush())
    FillPath(m_hDC);
  else if (tools.HasPen())
    StrokePath(m_hDC);
  else
    AbortPath(m_hDC);
}

void CTKMarkupDeviceContext::DrawIconImage(CTKImageManagerIcon* pIcon, const RECT& rc) {
  CDC* pDC = CDC::FromHandle(m_hDC);
  if (pIcon == nullptr || pDC == nullptr) return;
  pIcon->DrawAtSize(pDC, CPoint(rc.left, rc.top), CSize(rc.right - rc.left, rc.bottom - rc.top));
}

CTKMarkupPathData* CTKMarkupDeviceContext::RoundRectanglePath(double left, double top, double right,
                                                              double bottom, const double* r) {
  CTKMarkupPathDataParser figure;
  auto f = [](double d) { return static_cast<float>(d); };
  figure.MoveTo(f(left), f(top + r[0]));
  figure.QuadTo(f(left), f(top), f(left + r[1]), f(top));
  figure.LineTo(f(right - r[2]), f(top));
  figure.QuadTo(f(right), f(top), f(right), f(top + r[3]));
  figure.LineTo(f(right), f(bottom - r[4]));
  figure.QuadTo(f(right), f(bottom), f(right - r[5]), f(bottom));
  figure.LineTo(f(left + r[6]), f(bottom));
  figure.QuadTo(f(left), f(bottom), f(left), f(bottom - r[7]));
  figure.CloseFigure();
  return figure.GetPathData();
}

void CTKMarkupDeviceContext::FillRoundRectangle(const RECT& rc, CTKMarkupBrush* pBrush,
                                                const double* pRadii) {
  if (pRadii == nullptr) {
    FillRectangle(rc, pBrush);
    return;
  }
  CTKMarkupAutoPtr<CTKMarkupPathData> path(
      RoundRectanglePath(rc.left, rc.top, rc.right, rc.bottom, pRadii));
  path->SetStrokePixelOffsetMode(4);
  MARKUP_STROKE noStroke = {0, nullptr, nullptr, 0, 0, 0};
  DrawPath(path, &noStroke, pBrush);
}

void CTKMarkupDeviceContext::DrawRoundRectangle(const RECT& rc, CTKMarkupBrush* pBrush,
                                                const CTKMarkupThickness* pThickness,
                                                const double* pRadii) {
  if (pRadii == nullptr) {
    DrawRectangle(rc, pBrush, pThickness);
    return;
  }
  if (pThickness == nullptr) return;
  const double h = pThickness->GetLeft() * 0.5;
  CTKMarkupAutoPtr<CTKMarkupPathData> path(
      RoundRectanglePath(rc.left + h, rc.top + h, rc.right - h, rc.bottom - h, pRadii));
  path->SetStrokePixelOffsetMode(4);
  MARKUP_STROKE stroke = {pThickness->GetLeft(), pBrush, nullptr, 0, 0, 0};
  DrawPath(path, &stroke, nullptr);
}

SIZE CTKMarkupDeviceContext::GetTextExtent(LPCWSTR lpszText, int nCount) {
  SIZE size = {0, 0};
  if (lpszText != nullptr && nCount > 0)
    GetTextExtentPoint32W(m_hAttributeDC, lpszText, nCount, &size);
  return size;
}

void CTKMarkupDeviceContext::SetTextColor(CTKMarkupBrush* pBrush) {
  ::SetTextColor(m_hDC, MarkupBrushColorRef(pBrush));
}

void CTKMarkupDeviceContext::SetFont(CTKMarkupFont* pFont) {
  if (m_hDC == nullptr) return;
  HGDIOBJ hNew = pFont != nullptr ? pFont->GetHandle() : m_hReplacedFont;
  if (hNew == nullptr) return;
  HGDIOBJ hOld = nullptr;
  if (m_hDC != m_hAttributeDC) hOld = SelectObject(m_hDC, hNew);
  if (m_hAttributeDC != nullptr) hOld = SelectObject(m_hAttributeDC, hNew);
  if (pFont == nullptr)
    m_hReplacedFont = nullptr;
  else if (m_hReplacedFont == nullptr)
    m_hReplacedFont = hOld;
}

void CTKMarkupDeviceContext::IntersectClipRect(const RECT& rc) {
  ::IntersectClipRect(m_hDC, rc.left, rc.top, rc.right, rc.bottom);
}

void CTKMarkupDeviceContext::GetClipBox(RECT* pRect) { ::GetClipBox(m_hDC, pRect); }

HRGN CTKMarkupDeviceContext::SaveClipRegion() {
  CTKScopedRgn region(CreateRectRgn(0, 0, 0, 0));
  if (!region) return nullptr;
  if (GetClipRgn(m_hDC, region.Get()) == 1) return region.Detach();
  return reinterpret_cast<HRGN>(-1);
}

void CTKMarkupDeviceContext::RestoreClipRegion(HRGN hRegion) {
  if (hRegion == nullptr) return;
  if (hRegion == reinterpret_cast<HRGN>(-1)) {
    ExtSelectClipRgn(m_hDC, nullptr, RGN_COPY);
    return;
  }
  CTKScopedRgn region(hRegion);
  ExtSelectClipRgn(m_hDC, region.Get(), RGN_COPY);
}
