// The gallery's sheet of drawing primitives.
#include "markup/TKMarkupPrimitiveSheet.h"

#include "markup/TKMarkupBrush.h"
#include "markup/TKMarkupContext.h"
#include "markup/TKMarkupDrawingContext.h"
#include "markup/TKMarkupPoint.h"
#include "markup/TKMarkupThickness.h"

void DrawMarkupPrimitiveSheet(CTKMarkupContext* pContext, HDC hDC, const RECT& rc, BOOL bGdiPlus) {
  const BOOL bWasEnabled = pContext->IsGdiPlusEnabled();
  pContext->SetGdiPlusEnabled(bGdiPlus);
  {
    CTKMarkupDrawingContext dc(pContext, hDC);
    const int x = rc.left, y = rc.top;
    CTKMarkupAutoPtr<CTKMarkupSolidColorBrush> red(new CTKMarkupSolidColorBrush(RGB(220, 40, 40)));
    CTKMarkupAutoPtr<CTKMarkupSolidColorBrush> blue(new CTKMarkupSolidColorBrush(RGB(40, 60, 200)));
    CTKMarkupAutoPtr<CTKMarkupSolidColorBrush> glass(
        new CTKMarkupSolidColorBrush(0x80, RGB(0, 160, 0)));
    CTKMarkupAutoPtr<CTKMarkupThickness> border(new CTKMarkupThickness(4));
    CTKMarkupAutoPtr<CTKMarkupLinearGradientBrush> gradient(new CTKMarkupLinearGradientBrush);
    for (auto stop : {std::make_pair(0.0, 0xFFFFFFFFu), std::make_pair(1.0, 0xFFC08040u)}) {
      CTKMarkupGradientStop* pStop = new CTKMarkupGradientStop;
      pStop->SetValue(CTKMarkupGradientStop::OffsetProperty, new CTKMarkupDouble(stop.first));
      pStop->SetValue(CTKMarkupGradientStop::ColorProperty, new CTKMarkupColor(0xFF, stop.second));
      gradient->GetGradientStops()->Add(pStop);
    }
    MARKUP_STROKE stroke = {2, blue, nullptr, 0, 0, 0};
    dc.FillRectangle(RECT{x + 5, y + 5, x + 45, y + 45}, red);
    dc.DrawFrame(RECT{x + 50, y + 5, x + 90, y + 45}, glass, border);
    dc.FillRectangle(RECT{x + 95, y + 5, x + 145, y + 45}, gradient);
    dc.DrawEllipse(RECT{x + 150, y + 5, x + 195, y + 45}, &stroke, glass);
    const POINT line[] = {{x + 5, y + 90}, {x + 25, y + 55}, {x + 45, y + 90}};
    dc.DrawPolyline(line, 3, &stroke);
    CTKMarkupPathDataParser figure;
    figure.MoveTo(static_cast<float>(x + 55), static_cast<float>(y + 90));
    figure.QuadTo(static_cast<float>(x + 70), static_cast<float>(y + 50),
                  static_cast<float>(x + 90), static_cast<float>(y + 90));
    figure.CloseFigure();
    CTKMarkupAutoPtr<CTKMarkupPathData> path(figure.GetPathData());
    dc.DrawPath(path, &stroke, red);
    const double radii[8] = {8, 8, 8, 8, 8, 8, 8, 8};
    dc.FillRectangle(RECT{x + 95, y + 55, x + 145, y + 95}, blue, radii);
    dc.SetTextColor(blue);
    dc.DrawString(L"Text", 4, RECT{x + 150, y + 60, x + 200, y + 95});
  }
  pContext->SetGdiPlusEnabled(bWasEnabled);
}
