// Markup shapes and transformed shapes, each drawn through both back ends
// (GDI on the left, GDI+ on the right; GDI draws transforms untransformed).
#include <string>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "markup/TKMarkupBuilder.h"
#include "markup/TKMarkupContext.h"
#include "markup/TKMarkupDrawingContext.h"
#include "markup/TKMarkupParser.h"
#include "markup/TKMarkupUIElement.h"

namespace {

struct Sample {
  const char* label;
  const wchar_t* markup;
};

const Sample kSamples[] = {
    {"Rectangle, RadiusX 9 RadiusY 4, stroke 2",
     L"<Rectangle Width='80' Height='40' RadiusX='9' RadiusY='4' Fill='#FFD070' Stroke='#A05000'"
     L" StrokeThickness='2'/>"},
    {"Rectangle, translucent fill, no stroke",
     L"<Rectangle Width='80' Height='40' Fill='#800000FF'/>"},
    {"Ellipse, fill and stroke 3",
     L"<Ellipse Width='80' Height='40' Fill='#90D0FF' Stroke='Navy' StrokeThickness='3'"
     L" Stretch='Fill'/>"},
    {"Line, stroke 3, round caps",
     L"<Line X1='4' Y1='40' X2='76' Y2='4' Stroke='DarkGreen' StrokeThickness='3'"
     L" StrokeStartLineCap='Round' StrokeEndLineCap='Round'/>"},
    {"Line, dashed 3",
     L"<Line X1='0' Y1='20' X2='80' Y2='20' Stroke='Black' StrokeThickness='2'"
     L" StrokeDashArray='3'/>"},
    {"Polyline (flat, 2 high) and stroke 3",
     L"<Polyline Points='0,0 30,0 60,0 80,0' Stroke='Maroon' StrokeThickness='3'/>"},
    {"Polygon, even-odd star",
     L"<Polygon Points='40,0 52,40 16,14 64,14 28,40' Fill='Gold' Stroke='Olive'"
     L" StrokeThickness='1'/>"},
    {"Polygon stretched into 80 x 40",
     L"<Polygon Points='0,0 10,5 0,10' Width='80' Height='40' Stretch='Fill' Fill='Teal'/>"},
    {"Path, curve and arc",
     L"<Path Data='M 4 36 C 20 0 40 0 56 36 A 10 10 0 0 1 76 36 Z' Fill='#C0E0C0'"
     L" Stroke='DarkGreen' StrokeThickness='2'/>"},
    {"Path stretched, flat bounds",
     L"<Path Data='M 0 5 L 30 5' Width='80' Height='40' Stretch='Fill' Stroke='Purple'"
     L" StrokeThickness='3'/>"},
    {"RotateTransform 30 about the centre",
     L"<Rectangle Width='60' Height='30' Fill='Orange' Stroke='Black' StrokeThickness='1'>"
     L"<Rectangle.RenderTransform><RotateTransform Angle='30' CenterX='30' CenterY='15'/>"
     L"</Rectangle.RenderTransform></Rectangle>"},
    {"Ellipse, ScaleTransform 1.5 x 0.75",
     L"<Ellipse Width='50' Height='40' Stretch='Fill' Fill='SkyBlue' Stroke='Blue'>"
     L"<Ellipse.RenderTransform><ScaleTransform ScaleX='1.5' ScaleY='0.75'/>"
     L"</Ellipse.RenderTransform></Ellipse>"},
    {"SkewTransform AngleX 30 (shear 0.667)",
     L"<Rectangle Width='40' Height='36' Fill='Pink' Stroke='Crimson' StrokeThickness='2'>"
     L"<Rectangle.RenderTransform><SkewTransform AngleX='30'/></Rectangle.RenderTransform>"
     L"</Rectangle>"},
    {"Path, TranslateTransform X 20 Y 4",
     L"<Path Data='M 0 0 L 40 0 L 20 30 Z' Fill='LightGreen' Stroke='Green'>"
     L"<Path.RenderTransform><TranslateTransform X='20' Y='4'/></Path.RenderTransform></Path>"},
};

const int kCellWidth = 100;
const int kCellHeight = 56;
const int kLabelWidth = 300;

/// Builds the sample and draws it into its cell; false when it does not parse.
bool DrawSample(CTKMarkupContext* pContext, HDC hDC, const wchar_t* lpszMarkup, int x, int y) {
  CTKMarkupParser parser;
  parser.LoadString(lpszMarkup, lpszMarkup + wcslen(lpszMarkup));
  CTKMarkupBuilder builder(pContext);
  CTKMarkupAutoPtr<> root(builder.Parse(&parser));
  auto* pElement = MarkupCast<CTKMarkupUIElement>(root);
  if (pElement == nullptr) {
    fprintf(stderr, "gallery: %s\n", builder.GetErrorText().GetString());
    return false;
  }
  const RECT rcCell = {x + 10, y + 8, x + kCellWidth - 10, y + kCellHeight - 8};
  CTKMarkupDrawingContext dc(pContext, hDC);
  pElement->Measure(&dc, rcCell.right - rcCell.left, rcCell.bottom - rcCell.top);
  pElement->Arrange(rcCell);
  pElement->Render(&dc);
  return true;
}

}  // namespace

bool DrawShapesPage(const GalleryContext& context) {
  // The shapes look the same in every look: one page is enough.
  if (context.look != "Silver") return true;
  const int nRows = sizeof(kSamples) / sizeof(kSamples[0]);
  CGalleryCanvas canvas(kLabelWidth + 2 * kCellWidth + 20, 60 + nRows * kCellHeight);
  canvas.Label(10, 10, "Markup shapes and render transforms", RGB(0, 0, 0));
  canvas.Label(kLabelWidth, 30, "GDI", RGB(0, 0, 0));
  canvas.Label(kLabelWidth + kCellWidth, 30, "GDI+", RGB(0, 0, 0));
  CTKMarkupContext* pContext = new CTKMarkupContext;
  bool ok = true;
  int y = 50;
  for (const Sample& sample : kSamples) {
    canvas.Label(10, y + 20, sample.label);
    HDC hDC = canvas.GetDC()->GetSafeHdc();
    ::Rectangle(hDC, kLabelWidth, y, kLabelWidth + kCellWidth + 1, y + kCellHeight + 1);
    ::Rectangle(hDC, kLabelWidth + kCellWidth, y, kLabelWidth + 2 * kCellWidth + 1,
                y + kCellHeight + 1);
    for (int nBackEnd = 0; nBackEnd < 2; ++nBackEnd) {
      pContext->SetGdiPlusEnabled(nBackEnd == 1);
      ok = DrawSample(pContext, hDC, sample.markup, kLabelWidth + nBackEnd * kCellWidth, y) && ok;
    }
    y += kCellHeight;
  }
  pContext->Release();
  return canvas.Save(context.folder + "markup-shapes.png") && ok;
}
