// The gallery's sheet of drawing primitives: one cell per kind of drawing,
// each showing the cases where the two back ends differ (translucency,
// gradients, corners, anti-aliasing, icon masks).
#include "markup/TKMarkupPrimitiveSheet.h"

#include "common/TKImageManagerIcon.h"
#include "common/TKImageManagerIconHandle.h"
#include "TKMarkupBrush.h"
#include "markup/TKMarkupBuilder.h"
#include "markup/TKMarkupContext.h"
#include "TKMarkupDoubleCollection.h"
#include "markup/TKMarkupDrawingContext.h"
#include "TKMarkupFont.h"
#include "TKMarkupPoint.h"
#include "TKMarkupThickness.h"
#include "common/TKBitmapFunctions.h"
#include "common/TKScopedHandle.h"

#include <math.h>

#include <initializer_list>
#include <utility>
#include <vector>

namespace {

const char* const kCellNames[kMarkupSheetCells] = {
    "rectangles", "rounded", "borders", "gradients", "ellipse",
    "polylines",  "path",    "images",  "text",      "clipping"};

// A 16 x 16 alpha bitmap: a disc whose edge fades out, orange over blue.
CTKImageManagerIcon* MakeAlphaIcon() {
  DWORD* pBits = nullptr;
  HBITMAP hBitmap = Create32BitDIBSection(nullptr, 16, -16, reinterpret_cast<LPBYTE*>(&pBits));
  if (hBitmap == nullptr) return nullptr;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const double d = sqrt((x - 7.5) * (x - 7.5) + (y - 7.5) * (y - 7.5));
      const double a = d < 5 ? 1.0 : d < 8 ? (8 - d) / 3 : 0.0;
      const DWORD rgb = y < 8 ? 0xF08020 : 0x2040C0;  // premultiplied below
      auto channel = [&](int nShift) { return static_cast<DWORD>(((rgb >> nShift) & 0xFF) * a); };
      pBits[y * 16 + x] = (static_cast<DWORD>(a * 255) << 24) | (channel(16) << 16) |
                          (channel(8) << 8) | channel(0);
    }
  }
  CTKImageManagerIconHandle handle;
  handle.SetBitmap(hBitmap);
  CTKImageManagerIcon* pIcon =
      new CTKImageManagerIcon(1, 16, 16, static_cast<CTKImageManagerIconSet*>(nullptr));
  pIcon->SetNormalImage(handle);
  return pIcon;
}

// A 16 x 16 icon without alpha: a green frame around a cross, transparent
// between them through its mask.
CTKImageManagerIcon* MakeMaskedIcon() {
  DWORD colors[256];
  WORD mask[16];
  for (int y = 0; y < 16; ++y) {
    WORD row = 0;
    for (int x = 0; x < 16; ++x) {
      const bool bFrame = x < 2 || y < 2 || x > 13 || y > 13;
      const bool bCross = x == y || x == 15 - y;
      colors[y * 16 + x] = bFrame ? 0x00A040 : bCross ? 0xC02020 : 0;
      if (!bFrame && !bCross) row |= static_cast<WORD>(0x8000 >> x);
    }
    mask[y] = static_cast<WORD>((row >> 8) | (row << 8));  // bytes left to right
  }
  CTKScopedBitmap maskBitmap(CreateBitmap(16, 16, 1, 1, mask));
  CTKScopedBitmap colorBitmap(CreateBitmap(16, 16, 1, 32, colors));
  ICONINFO info = {TRUE, 0, 0, maskBitmap.Get(), colorBitmap.Get()};
  CTKImageManagerIconHandle handle;
  handle.SetIcon(CreateIconIndirect(&info));
  CTKImageManagerIcon* pIcon =
      new CTKImageManagerIcon(2, 16, 16, static_cast<CTKImageManagerIconSet*>(nullptr));
  pIcon->SetNormalImage(handle);
  return pIcon;
}

class CSheet {
 public:
  CSheet(CTKMarkupContext* pContext, HDC hDC, int x, int y)
      : m_pContext(pContext), m_dc(pContext, hDC), m_x(x), m_y(y) {}
  ~CSheet() {
    for (CTKMarkupBrush* pBrush : m_brushes) pBrush->Release();
  }

  void Draw() {
    Rectangles(Cell(0));
    Rounded(Cell(1));
    Borders(Cell(2));
    Gradients(Cell(3));
    Ellipse(Cell(4));
    Polylines(Cell(5));
    Path(Cell(6));
    Images(Cell(7));
    Text(Cell(8));
    Clipping(Cell(9));
  }

 private:
  CTKMarkupContext* m_pContext;
  CTKMarkupDrawingContext m_dc;
  int m_x, m_y;
  std::vector<CTKMarkupBrush*> m_brushes;  // released with the sheet

  CTKMarkupBrush* Solid(COLORREF clr, BYTE nAlpha = 0xFF) {
    m_brushes.push_back(new CTKMarkupSolidColorBrush(nAlpha, clr));
    return m_brushes.back();
  }

  // Stops as (offset, 0xAABBGGRR); without an end point the gradient runs
  // along the diagonal.
  CTKMarkupBrush* Gradient(std::initializer_list<std::pair<double, DWORD>> stops,
                           CTKMarkupPoint* pEnd = nullptr) {
    CTKMarkupLinearGradientBrush* pGradient = new CTKMarkupLinearGradientBrush;
    m_brushes.push_back(pGradient);
    if (pEnd != nullptr) pGradient->SetValue(CTKMarkupLinearGradientBrush::EndPointProperty, pEnd);
    for (const auto& stop : stops) {
      CTKMarkupGradientStop* pStop = new CTKMarkupGradientStop;
      pStop->SetValue(CTKMarkupGradientStop::OffsetProperty, new CTKMarkupDouble(stop.first));
      pStop->SetValue(CTKMarkupGradientStop::ColorProperty,
                      new CTKMarkupColor(static_cast<BYTE>(stop.second >> 24), stop.second));
      pGradient->GetGradientStops()->Add(pStop);
    }
    return pGradient;
  }

  RECT Cell(int nCell) const {
    RECT rc = MarkupPrimitiveSheetCellRect(nCell);
    OffsetRect(&rc, m_x, m_y);
    return rc;
  }

  // An opaque square under a half-transparent one.
  void Rectangles(const RECT& rc) {
    m_dc.FillRectangle(RECT{rc.left, rc.top, rc.left + 32, rc.top + 32}, Solid(RGB(220, 40, 40)));
    m_dc.FillRectangle(RECT{rc.left + 16, rc.top + 16, rc.right, rc.bottom},
                       Solid(RGB(0, 160, 0), 0x80));
  }

  // A filled rounded rectangle inside a rounded border of another radius.
  void Rounded(const RECT& rc) {
    const double outer[8] = {12, 12, 12, 12, 12, 12, 12, 12};
    const double inner[8] = {6, 6, 6, 6, 6, 6, 6, 6};
    CTKMarkupAutoPtr<CTKMarkupThickness> border(new CTKMarkupThickness(3));
    m_dc.DrawFrame(rc, Solid(RGB(40, 60, 200)), border, outer);
    m_dc.FillRectangle(RECT{rc.left + 8, rc.top + 8, rc.right - 8, rc.bottom - 8},
                       Solid(RGB(220, 40, 40)), inner);
  }

  // Uneven sides in a translucent brush (GDI paints the corners twice, but
  // opaque), and a thin frame inside.
  void Borders(const RECT& rc) {
    CTKMarkupAutoPtr<CTKMarkupThickness> sides(new CTKMarkupThickness(2, 4, 6, 8));
    m_dc.DrawFrame(rc, Solid(RGB(0, 120, 200), 0x90), sides);
    m_dc.DrawThinFrame(RECT{rc.left + 12, rc.top + 12, rc.right - 14, rc.bottom - 16},
                       Solid(RGB(0, 0, 0)));
  }

  // A three-stop diagonal and a two-stop vertical gradient.
  void Gradients(const RECT& rc) {
    const int mid = (rc.left + rc.right) / 2;
    m_dc.FillRectangle(RECT{rc.left, rc.top, mid - 2, rc.bottom},
                       Gradient({{0.0, 0xFFFFFFFF}, {0.5, 0xFF2080F0}, {1.0, 0xFFC04020}}));
    m_dc.FillRectangle(RECT{mid + 2, rc.top, rc.right, rc.bottom},
                       Gradient({{0.0, 0xFF20C0F0}, {1.0, 0xFF602010}}, new CTKMarkupPoint(0, 1)));
  }

  void Ellipse(const RECT& rc) {
    MARKUP_STROKE stroke = {3, Solid(RGB(40, 60, 200)), nullptr, 0, 0, 0};
    m_dc.DrawEllipse(rc, &stroke, Solid(RGB(0, 160, 0), 0x80));
  }

  // A zigzag, a dashed line (dashes only through GDI+) and a filled polygon.
  void Polylines(const RECT& rc) {
    CTKMarkupBrush* red = Solid(RGB(220, 40, 40));
    MARKUP_STROKE stroke = {2, red, nullptr, 0, 0, 0};
    const POINT zigzag[] = {{rc.left, rc.top + 14},
                            {rc.left + 12, rc.top},
                            {rc.left + 24, rc.top + 14},
                            {rc.left + 36, rc.top},
                            {rc.left + 48, rc.top + 14}};
    m_dc.DrawPolyline(zigzag, 5, &stroke);
    CTKMarkupAutoPtr<CTKMarkupDoubleCollection> dashes(new CTKMarkupDoubleCollection);
    dashes->Add(2);
    MARKUP_STROKE dashed = {2, red, dashes, 2, 2, 0};
    m_dc.DrawLine(rc.left, rc.top + 22, rc.right, rc.top + 22, &dashed);
    const POINT triangle[] = {
        {rc.left + 4, rc.bottom}, {rc.left + 24, rc.top + 28}, {rc.left + 44, rc.bottom}};
    MARKUP_STROKE outline = {1, Solid(RGB(40, 60, 200)), nullptr, 0, 0, 0};
    m_dc.DrawPolygon(triangle, 3, &outline, Solid(RGB(240, 200, 40)));
  }

  // Path text with lines, a cubic and an arc, moved into the cell.
  void Path(const RECT& rc) {
    CTKMarkupBuilder builder(m_pContext);
    CTKMarkupPathDataParser parser;
    const wchar_t kFigure[] = L"M 2 46 L 2 20 C 2 0 46 0 46 20 L 46 30 A 16 16 0 0 1 30 46 Z";
    parser.Parse(&builder, kFigure, static_cast<int>(wcslen(kFigure)));
    CTKMarkupAutoPtr<CTKMarkupPathData> path(parser.GetPathData());
    const POINT origin = {rc.left - 1, rc.top - 1};
    m_dc.OffsetOrigin(origin);
    MARKUP_STROKE stroke = {2, Solid(RGB(40, 60, 200)), nullptr, 0, 0, 0};
    m_dc.DrawPath(path, &stroke, Gradient({{0.0, 0xFFF0D060}, {1.0, 0xFF2040E0}}));
    m_dc.OffsetOrigin(POINT{-origin.x, -origin.y});
  }

  // An alpha bitmap at its size and doubled, and a masked icon.
  void Images(const RECT& rc) {
    if (CTKImageManagerIcon* pAlpha = MakeAlphaIcon()) {
      m_dc.DrawIconImage(pAlpha, RECT{rc.left, rc.top, rc.left + 16, rc.top + 16});
      m_dc.DrawIconImage(pAlpha, RECT{rc.left + 16, rc.top + 16, rc.right, rc.bottom});
      pAlpha->InternalRelease();
    }
    CTKImageManagerIcon* pMasked = MakeMaskedIcon();
    m_dc.DrawIconImage(pMasked, RECT{rc.left, rc.bottom - 16, rc.left + 16, rc.bottom});
    pMasked->InternalRelease();
  }

  // Two sizes and colours of the context's font.
  void Text(const RECT& rc) {
    LOGFONTA logFont = m_pContext->GetDefaultFont();
    logFont.lfHeight = -18;
    logFont.lfWeight = FW_BOLD;
    CTKMarkupAutoPtr<CTKMarkupFont> large(m_pContext->GetFont(logFont));
    logFont.lfHeight = -11;
    logFont.lfWeight = FW_NORMAL;
    logFont.lfItalic = TRUE;
    CTKMarkupAutoPtr<CTKMarkupFont> small(m_pContext->GetFont(logFont));
    m_dc.SetFont(large);
    m_dc.SetTextColor(Solid(RGB(40, 60, 200)));
    m_dc.DrawString(L"Text", 4, rc);
    m_dc.SetFont(small);
    m_dc.SetTextColor(Solid(RGB(220, 40, 40)));
    m_dc.DrawString(L"italic, 11", 10, RECT{rc.left, rc.top + 26, rc.right, rc.bottom});
    m_dc.SetFont(nullptr);
  }

  // A gradient disc seen through a clip that cuts off its left part, and
  // the clip's frame drawn after the clip is restored.
  void Clipping(const RECT& rc) {
    const RECT rcClip = {rc.left + 14, rc.top + 6, rc.right, rc.bottom - 6};
    HRGN hSaved = m_dc.SaveClipRegion();
    m_dc.IntersectClipRect(rcClip);
    MARKUP_STROKE none = {0, nullptr, nullptr, 0, 0, 0};
    m_dc.DrawEllipse(rc, &none, Gradient({{0.0, 0xFFE04020}, {1.0, 0xFFF0C020}}));
    m_dc.RestoreClipRegion(hSaved);
    m_dc.DrawThinFrame(RECT{rcClip.left - 1, rcClip.top - 1, rcClip.right + 1, rcClip.bottom + 1},
                       Solid(RGB(220, 40, 40)));
  }
};

}  // namespace

RECT MarkupPrimitiveSheetCellRect(int nCell) {
  const int left = (nCell % kMarkupSheetColumns) * kMarkupSheetPitch + 8;
  const int top = (nCell / kMarkupSheetColumns) * kMarkupSheetPitch + 8;
  return RECT{left, top, left + 48, top + 48};
}

LPCSTR MarkupPrimitiveSheetCellName(int nCell) {
  return nCell >= 0 && nCell < kMarkupSheetCells ? kCellNames[nCell] : "";
}

void DrawMarkupPrimitiveSheet(CTKMarkupContext* pContext, HDC hDC, int x, int y, BOOL bGdiPlus) {
  const BOOL bWasEnabled = pContext->IsGdiPlusEnabled();
  pContext->SetGdiPlusEnabled(bGdiPlus);
  CSheet(pContext, hDC, x, y).Draw();
  pContext->SetGdiPlusEnabled(bWasEnabled);
}
