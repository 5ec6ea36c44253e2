// The shape elements from markup: their properties and pen, how they measure
// and hit-test, what they draw on both back ends (checked at chosen pixels),
// and render transforms, which GDI+ applies and GDI ignores.
#include <gtest/gtest.h>

#include <limits.h>
#include <stdlib.h>

#include "SupportMarkup.h"
#include "TKMarkupBrush.h"
#include "TKMarkupDoubleCollection.h"
#include "markup/TKMarkupDrawingContext.h"
#include "TKMarkupLine.h"
#include "TKMarkupPolyline.h"
#include "TKMarkupRectangle.h"
#include "TKMarkupRenderTransform.h"
#include "TKMarkupTransform.h"
#include "TKMarkupValues.h"
#include "testsupport/DibSurface.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

class ShapeTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterTestElements(); }

  /// The root element of the markup (kept until the test ends).
  template <class T = CTKMarkupShape>
  T* Build(const std::wstring& markup) {
    std::string error;
    m_roots.emplace_back(ParseForTest(m_context, markup, &error));
    T* pElement = MarkupCast<T>(m_roots.back().get());
    EXPECT_NE(pElement, nullptr) << error;
    return pElement;
  }
  /// Measures with the available size and arranges in `rc`.
  void Layout(CTKMarkupUIElement* pElement, const RECT& rc, int nAvailableWidth = -1,
              int nAvailableHeight = -1) {
    CTKMarkupDrawingContext dc(m_context);
    pElement->Measure(&dc, nAvailableWidth >= 0 ? nAvailableWidth : rc.right - rc.left,
                      nAvailableHeight >= 0 ? nAvailableHeight : rc.bottom - rc.top);
    pElement->Arrange(rc);
  }
  CSize Measure(CTKMarkupUIElement* pElement, int nWidth = INT_MAX, int nHeight = INT_MAX) {
    CTKMarkupDrawingContext dc(m_context);
    pElement->Measure(&dc, nWidth, nHeight);
    return pElement->GetDesiredSize();
  }

  struct Release {
    void operator()(CTKMarkupObject* p) const {
      if (p != nullptr) p->Release();
    }
  };
  CTestContext m_context;
  std::vector<std::unique_ptr<CTKMarkupObject, Release>> m_roots;
};

TEST_F(ShapeTest, PropertiesMakeThePen) {
  CTKMarkupShape* pShape = Build(
      L"<Rectangle Stroke='Red' StrokeDashArray='3 1' StrokeStartLineCap='ROUND'"
      L" StrokeEndLineCap='Triangle' StrokeLineJoin='bevel' Stretch='uniformtofill'"
      L" SmoothingMode='AntiAlias' Fill='#80FF0000'/>");
  ASSERT_NE(pShape, nullptr);
  MARKUP_STROKE stroke;
  pShape->GetStrokeStyle(&stroke);
  EXPECT_EQ(stroke.nThickness, 1);  // a stroke brush without a thickness
  EXPECT_EQ(stroke.pBrush, pShape->GetStroke());
  EXPECT_EQ(stroke.pBrush->GetColorRef(), kRed);
  ASSERT_NE(stroke.pDashArray, nullptr);
  EXPECT_EQ(stroke.pDashArray->GetCount(), 2);
  EXPECT_EQ(stroke.nStartCap, 2);
  EXPECT_EQ(stroke.nEndCap, 3);
  EXPECT_EQ(stroke.nLineJoin, 1);
  EXPECT_EQ(pShape->GetStretch(), 3);  // UniformToFill
  EXPECT_EQ(pShape->GetSmoothingMode(), 4);
  auto* pFill = MarkupCast<CTKMarkupSolidColorBrush>(pShape->GetFill());
  ASSERT_NE(pFill, nullptr);
  EXPECT_EQ(pFill->GetColor()->GetValue(), 0x800000FFu);

  // Without a stroke brush there is no pen, whatever the thickness.
  pShape = Build(L"<Ellipse StrokeThickness='5' Fill='Blue'/>");
  pShape->GetStrokeStyle(&stroke);
  EXPECT_EQ(stroke.nThickness, 0);
  EXPECT_EQ(stroke.pBrush, nullptr);
  EXPECT_EQ(stroke.pDashArray, nullptr);
  EXPECT_EQ(pShape->GetStretch(), 0);  // None

  EXPECT_EQ(BuildError(m_context, L"<Line StrokeEndLineCap='Rounded'/>"),
            "Cannot convert string in attribute 'StrokeEndLineCap' to object of type "
            "'CTKMarkupEnum'");
  EXPECT_EQ(BuildError(m_context, L"<Path Stretch='Uniform2'/>"),
            "Cannot convert string in attribute 'Stretch' to object of type 'CTKMarkupEnum'");
  EXPECT_EQ(BuildError(m_context, L"<Path Fill='Purplish'/>"),
            "Cannot convert string in attribute 'Fill' to object of type 'CTKMarkupBrush'");
}

TEST_F(ShapeTest, ScriptsReadAndSetFillAndPen) {
  CTKMarkupShape* pShape = Build(L"<Ellipse Fill='Red' StrokeThickness='3'/>");
  ASSERT_NE(pShape, nullptr);
  IDispatch* pDispatch = pShape->GetIDispatch(FALSE);
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  VARIANT result;
  VariantInit(&result);
  ASSERT_EQ(
      pDispatch->Invoke(502, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr),
      S_OK);
  EXPECT_EQ(V_VT(&result), VT_I4);
  EXPECT_EQ(V_I4(&result), 3);
  ASSERT_EQ(
      pDispatch->Invoke(500, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr),
      S_OK);
  ASSERT_EQ(V_VT(&result), VT_DISPATCH);
  EXPECT_EQ(MarkupObjectFromDispatch(V_DISPATCH(&result), FALSE), pShape->GetFill());

  // The fill's brush becomes the stroke; a thickness from a script is kept.
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS put = {&result, &named, 1, 1};
  ASSERT_EQ(
      pDispatch->Invoke(501, IID_NULL, 0, DISPATCH_PROPERTYPUT, &put, nullptr, nullptr, nullptr),
      S_OK);
  EXPECT_EQ(pShape->GetStroke(), pShape->GetFill());
  VariantClear(&result);
  VARIANT thickness;
  V_VT(&thickness) = VT_I4;
  V_I4(&thickness) = 7;
  put.rgvarg = &thickness;
  ASSERT_EQ(
      pDispatch->Invoke(502, IID_NULL, 0, DISPATCH_PROPERTYPUT, &put, nullptr, nullptr, nullptr),
      S_OK);
  EXPECT_EQ(pShape->GetStrokeThickness(), 7);
  // A markup object that is not a brush is refused.
  CTKMarkupAutoPtr<> number(new CTKMarkupInt(4));
  VARIANT wrong;
  V_VT(&wrong) = VT_DISPATCH;
  V_DISPATCH(&wrong) = number->GetIDispatch(FALSE);
  put.rgvarg = &wrong;
  EXPECT_NE(
      pDispatch->Invoke(500, IID_NULL, 0, DISPATCH_PROPERTYPUT, &put, nullptr, nullptr, nullptr),
      S_OK);
  EXPECT_NE(pShape->GetFill(), nullptr);
}

TEST_F(ShapeTest, RectangleCornersAndSize) {
  auto* pRect = Build<CTKMarkupRectangle>(L"<Rectangle RadiusX='50' RadiusY='50'/>");
  double radii[8];
  ASSERT_TRUE(pRect->GetCornerRadii(20, 10, 2, radii));
  const double expected[8] = {4, 9, 9, 4, 4, 9, 9, 4};
  for (int i = 0; i < 8; ++i) EXPECT_DOUBLE_EQ(radii[i], expected[i]) << i;
  pRect = Build<CTKMarkupRectangle>(L"<Rectangle RadiusX='5' RadiusY='0'/>");
  EXPECT_FALSE(pRect->GetCornerRadii(20, 10, 2, radii));  // square corners

  EXPECT_EQ(Measure(pRect, 50, 30), CSize(0, 0));
  pRect = Build<CTKMarkupRectangle>(L"<Rectangle Stretch='Fill'/>");
  EXPECT_EQ(Measure(pRect, 50, 30), CSize(50, 30));
  EXPECT_EQ(Measure(pRect, INT_MAX, 30), CSize(0, 30));  // unbounded: nothing
}

TEST_F(ShapeTest, PolylinesGrowByTheirPenPolygonsDoNot) {
  struct Case {
    const wchar_t* markup;
    CSize size;
  };
  const Case cases[] = {
      {L"<Polyline Points='0,0 10,0 20,0' Stroke='Black' StrokeThickness='3'/>", CSize(20, 2)},
      {L"<Polygon Points='0,0 10,0 20,0' Stroke='Black' StrokeThickness='3'/>", CSize(20, 0)},
      {L"<Polyline Points='0,0 10,0 20,0' StrokeThickness='3'/>", CSize(20, 0)},
      {L"<Polyline Points='0,0 0,9' Stroke='Black'/>", CSize(1, 9)},
      {L"<Polyline Points='5,5 5,9' Stroke='Black'/>", CSize(5, 9)},
      {L"<Polygon Points='-10,-10 -2,-4'/>", CSize(8, 6)},
      {L"<Polygon/>", CSize(0, 0)},
      {L"<Polyline Points='0,0 10,5' Stretch='Fill'/>", CSize(10, 40)},
  };
  for (const Case& c : cases) {
    CTKMarkupShape* pShape = Build(c.markup);
    ASSERT_NE(pShape, nullptr);
    EXPECT_EQ(Measure(pShape, INT_MAX, 40), c.size) << CStringA(c.markup).GetString();
  }
}

TEST_F(ShapeTest, LinesPathsAndEllipsesMeasure) {
  struct Case {
    const wchar_t* markup;
    int nWidth, nHeight;
    CSize size;
  };
  const Case cases[] = {
      {L"<Line X1='0' Y1='10' X2='100' Y2='10' Stroke='Black' StrokeThickness='3'/>", INT_MAX,
       INT_MAX, CSize(100, 12)},
      {L"<Line X1='0' Y1='10' X2='100' Y2='10' StrokeThickness='3'/>", INT_MAX, INT_MAX,
       CSize(100, 10)},
      {L"<Line X1='0' Y1='0' X2='50' Y2='0' Stretch='Fill'/>", 200, INT_MAX, CSize(200, 0)},
      {L"<Path Data='M 10 10 L 30 10 L 30 40'/>", INT_MAX, INT_MAX, CSize(30, 40)},
      {L"<Path Data='M 10 10 L 30 10 L 30 40' Stretch='Fill'/>", 60, 60, CSize(60, 60)},
      {L"<Path/>", 60, 60, CSize(0, 0)},
      {L"<Ellipse/>", 60, 60, CSize(0, 0)},
      {L"<Ellipse Stretch='Uniform'/>", 60, INT_MAX, CSize(60, 0)},
  };
  for (const Case& c : cases) {
    CTKMarkupShape* pShape = Build(c.markup);
    ASSERT_NE(pShape, nullptr);
    EXPECT_EQ(Measure(pShape, c.nWidth, c.nHeight), c.size) << CStringA(c.markup).GetString();
  }
}

TEST_F(ShapeTest, HitTestsFollowTheGeometry) {
  auto* pLine =
      Build(L"<Line X1='0' Y1='0' X2='100' Y2='100' Stroke='Black' StrokeThickness='4'/>");
  Layout(pLine, RECT{0, 0, 110, 110});
  EXPECT_EQ(pLine->InputHitTest(50, 49), pLine);    // 1 pixel off the diagonal
  EXPECT_EQ(pLine->InputHitTest(50, 47), nullptr);  // 3 pixels off
  auto* pUnstroked = Build(L"<Line X1='0' Y1='0' X2='100' Y2='100' StrokeThickness='4'/>");
  Layout(pUnstroked, RECT{0, 0, 110, 110});
  EXPECT_EQ(pUnstroked->InputHitTest(50, 50), nullptr);

  auto* pEllipse = Build(L"<Ellipse Width='100' Height='50'/>");
  Layout(pEllipse, RECT{10, 10, 110, 60});
  EXPECT_EQ(pEllipse->InputHitTest(60, 35), pEllipse);
  EXPECT_EQ(pEllipse->InputHitTest(109, 35), pEllipse);
  EXPECT_EQ(pEllipse->InputHitTest(105, 15), nullptr);

  // Paths hit anywhere in their box.
  auto* pPath = Build(L"<Path Data='M 0 0 L 30 30'/>");
  Layout(pPath, RECT{0, 0, 30, 30});
  EXPECT_EQ(pPath->InputHitTest(29, 0), pPath);
}

TEST_F(ShapeTest, OnePixelEllipsesAndFlatStretchedPathsNeverDivideByZero) {
  struct Case {
    const wchar_t* markup;
    RECT rc;
    POINT ptHit;
    POINT ptMiss;
  };
  const Case cases[] = {
      {L"<Ellipse Width='1' Height='40' Fill='Red'/>", {0, 0, 1, 40}, {0, 20}, {1, 20}},
      {L"<Ellipse Width='30' Height='1' Fill='Red'/>", {0, 0, 30, 1}, {15, 0}, {15, 1}},
      {L"<Ellipse Width='1' Height='1' Fill='Red'/>", {0, 0, 1, 1}, {0, 0}, {0, 1}},
      {L"<Path Data='M 0 5 L 30 5' Stretch='Fill' Stroke='Red'/>",
       {0, 0, 80, 40},
       {40, 5},
       {90, 5}},
      {L"<Path Data='M 7 0 L 7 30' Stretch='Fill' Stroke='Red'/>", {0, 0, 80, 40}, {7, 5}, {7, 45}},
      {L"<Path Data='M 3 3' Stretch='Fill' Fill='Red'/>", {0, 0, 80, 40}, {3, 3}, {81, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(CStringA(c.markup).GetString());
    CTKMarkupShape* pShape = Build(c.markup);
    ASSERT_NE(pShape, nullptr);
    Layout(pShape, c.rc);
    EXPECT_EQ(pShape->InputHitTest(c.ptHit.x, c.ptHit.y), pShape);
    EXPECT_EQ(pShape->InputHitTest(c.ptMiss.x, c.ptMiss.y), nullptr);
    for (bool bGdiPlus : {false, true}) {
      m_context->SetGdiPlusEnabled(bGdiPlus);
      CDibSurface surface(100, 50);
      CTKMarkupDrawingContext dc(m_context, surface.GetSafeHdc());
      pShape->Render(&dc);
    }
  }
  // A flat path keeps its axis without extent: the stroke stays at y = 5.
  CTKMarkupShape* pPath =
      Build(L"<Path Data='M 0 5 L 30 5' Stretch='Fill' Stroke='Red' StrokeThickness='2'/>");
  Layout(pPath, RECT{0, 0, 80, 40});
  CDibSurface surface(100, 50);
  {
    CTKMarkupDrawingContext dc(m_context, surface.GetSafeHdc());
    pPath->Render(&dc);
  }
  EXPECT_PIXEL(surface, 70, 5, kRed);
  EXPECT_PIXEL(surface, 70, 20, kWhite);
}

TEST_F(ShapeTest, ATransformChangeMeasuresTheElementAgain) {
  class CCountingRectangle : public CTKMarkupRectangle {
   public:
    CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int w, int h) override {
      ++m_nMeasures;
      return CTKMarkupRectangle::MeasureOverride(pDC, w, h);
    }
    int m_nMeasures = 0;
  };
  CTKMarkupAutoPtr<CCountingRectangle> rect(new CCountingRectangle);
  rect->SetContext(m_context);
  m_context->AddRef();  // the context's reference for an object it made
  CTKMarkupAutoPtr<CTKMarkupRenderTransform> holder(static_cast<CTKMarkupRenderTransform*>(
      m_context->CreateMarkupObject(CTKMarkupRenderTransform::StaticType())));
  CTKMarkupAutoPtr<> rotate(m_context->CreateMarkupObject(FindMarkupType(L"RotateTransform")));
  holder->SetContentObject(nullptr, rotate);
  rect->SetValue(CTKMarkupUIElement::RenderTransformProperty, holder.AddRefAndGet());
  Layout(rect, RECT{0, 0, 20, 20});
  const int nBefore = rect->m_nMeasures;

  // A script turns it.
  IDispatch* pDispatch = rotate->GetIDispatch(FALSE);
  OLECHAR* names[] = {const_cast<OLECHAR*>(L"Angle")};
  DISPID id = DISPID_UNKNOWN;
  ASSERT_EQ(pDispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK);
  VARIANT value;
  V_VT(&value) = VT_R8;
  V_R8(&value) = 45;
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS put = {&value, &named, 1, 1};
  ASSERT_EQ(
      pDispatch->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &put, nullptr, nullptr, nullptr),
      S_OK);
  EXPECT_DOUBLE_EQ(static_cast<CTKMarkupRotateTransform*>(rotate.Get())->GetAngle(), 45);
  EXPECT_EQ(rect->m_nMeasures, nBefore + 1);
}

TEST_F(ShapeTest, AHolderOutlivingItsElementForgetsIt) {
  CTKMarkupShape* pRect = Build(
      L"<Rectangle><Rectangle.RenderTransform><RotateTransform/></Rectangle.RenderTransform>"
      L"</Rectangle>");
  ASSERT_NE(pRect, nullptr);
  CTKMarkupAutoPtr<CTKMarkupRenderTransform> holder(
      MarkupCast<CTKMarkupRenderTransform>(pRect->GetRenderTransform()));
  ASSERT_NE(holder, nullptr);
  holder->AddRef();
  EXPECT_EQ(holder->GetOwner(), pRect);
  m_roots.clear();  // the element goes
  EXPECT_EQ(holder->GetOwner(), nullptr);
  // A change now reaches no element.
  static_cast<CTKMarkupRotateTransform*>(holder->GetTransform())->SetAngle(10);
}

// Drawing, once per back end.
class ShapePixelTest : public ShapeTest, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    ShapeTest::SetUp();
    m_context->SetGdiPlusEnabled(GetParam());
  }
  bool UsesGdiPlus() const { return GetParam(); }

  /// Lays the markup out in `rc` and draws it on a white surface.
  CTKMarkupShape* Draw(CDibSurface& surface, const std::wstring& markup, const RECT& rc) {
    CTKMarkupShape* pShape = Build(markup);
    if (pShape == nullptr) return nullptr;
    Layout(pShape, rc);
    CTKMarkupDrawingContext dc(m_context, surface.GetSafeHdc());
    EXPECT_EQ(dc.IsGdiPlus() != FALSE, UsesGdiPlus());
    pShape->Render(&dc);
    return pShape;
  }
};

TEST_P(ShapePixelTest, RectanglesFillInsideTheirStroke) {
  CDibSurface surface(60, 40);
  Draw(surface,
       L"<Rectangle Width='40' Height='20' Fill='Red' Stroke='Blue' StrokeThickness='4'"
       L" RadiusX='9' RadiusY='4'/>",
       RECT{10, 10, 50, 30});
  EXPECT_PIXEL(surface, 30, 20, kRed);
  EXPECT_PIXEL(surface, 30, 11, kBlue);   // top band
  EXPECT_PIXEL(surface, 11, 20, kBlue);   // left band
  EXPECT_PIXEL(surface, 10, 10, kWhite);  // a rounded corner
  EXPECT_PIXEL(surface, 30, 35, kWhite);
  CDibSurface plain(60, 40);
  Draw(plain, L"<Rectangle Width='40' Height='20' Fill='Red'/>", RECT{10, 10, 50, 30});
  EXPECT_PIXEL(plain, 10, 10, kRed);  // no stroke, square corners
  EXPECT_PIXEL(plain, 49, 29, kRed);
  EXPECT_PIXEL(plain, 50, 30, kWhite);
}

TEST_P(ShapePixelTest, PolylinesStrokeOnlyPolygonsFill) {
  CDibSurface surface(100, 40);
  Draw(surface, L"<Polyline Points='0,0 30,0 30,30' Fill='Red'/>", RECT{0, 0, 40, 40});
  EXPECT_EQ(surface.CountPixels(kRed), 0);  // no stroke brush: nothing at all
  Draw(surface, L"<Polygon Points='0,0 30,0 30,30' Fill='Red'/>", RECT{50, 0, 90, 40});
  EXPECT_PIXEL(surface, 75, 5, kRed);
  EXPECT_PIXEL(surface, 55, 25, kWhite);
  EXPECT_EQ(surface.CountPixels(kBlue), 0);  // filled without an outline
  CDibSurface stroked(100, 40);
  Draw(stroked,
       L"<Polyline Points='0,0 5,0 5,5' Stretch='Fill' Stroke='Blue' StrokeThickness='2'/>",
       RECT{0, 0, 80, 30});
  EXPECT_PIXEL(stroked, 40, 0, kBlue);  // stretched to 80 x 30
  EXPECT_PIXEL(stroked, 80, 15, kBlue);
  EXPECT_PIXEL(stroked, 40, 15, kWhite);
}

TEST_P(ShapePixelTest, LinesEllipsesAndPaths) {
  CDibSurface surface(220, 100);
  Draw(surface,
       L"<Line X1='0' Y1='0' X2='50' Y2='0' Stretch='Fill' Stroke='Blue'"
       L" StrokeThickness='2'/>",
       RECT{0, 0, 200, 20});
  EXPECT_PIXEL(surface, 100, 10, kBlue);  // from (0, 10) to (200, 10)
  EXPECT_PIXEL(surface, 100, 3, kWhite);
  Draw(surface, L"<Line Stroke='Blue' StrokeThickness='5'/>", RECT{0, 30, 20, 50});
  EXPECT_PIXEL(surface, 0, 30, kWhite);  // all four coordinates 0: nothing
  Draw(surface, L"<Ellipse Stretch='Fill' Fill='Red'/>", RECT{0, 50, 40, 90});
  EXPECT_PIXEL(surface, 20, 70, kRed);
  EXPECT_PIXEL(surface, 1, 51, kWhite);
  // A stretched path: M 10 10 L 30 10 L 30 40 becomes (0, 0), (60, 0), (60, 60).
  CDibSurface path(70, 70);
  Draw(path, L"<Path Data='M 10 10 L 30 10 L 30 40 Z' Stretch='Fill' Fill='Red'/>",
       RECT{0, 0, 60, 60});
  EXPECT_PIXEL(path, 50, 10, kRed);
  EXPECT_PIXEL(path, 10, 50, kWhite);
  EXPECT_EQ(path.CountPixels(RECT{61, 0, 70, 70}, kRed), 0);
  CDibSurface none(70, 70);
  Draw(none, L"<Path Data='M 0 0 L 30 0 L 30 30 Z'/>", RECT{0, 0, 60, 60});
  EXPECT_EQ(none.CountPixels(kWhite), 70 * 70);  // no fill, no stroke: nothing
}

TEST_P(ShapePixelTest, RenderTransformsOnlyThroughGdiPlus) {
  // Turned by 90 degrees about its top-left corner, the rectangle at x 50..90
  // swings to x 30..50 below its place.
  CDibSurface surface(100, 60);
  CTKMarkupShape* pRect =
      Draw(surface,
           L"<Rectangle Width='40' Height='20' Fill='Red'><Rectangle.RenderTransform>"
           L"<RotateTransform Angle='90'/></Rectangle.RenderTransform></Rectangle>",
           RECT{50, 10, 90, 30});
  ASSERT_NE(pRect, nullptr);
  const POINT turned = {40, 35}, plain = {70, 20};
  if (UsesGdiPlus()) {
    EXPECT_PIXEL(surface, turned.x, turned.y, kRed);
    EXPECT_PIXEL(surface, plain.x, plain.y, kWhite);
    EXPECT_EQ(pRect->InputHitTest(turned.x, turned.y), pRect);  // through the matrix
    EXPECT_EQ(pRect->InputHitTest(plain.x, plain.y), nullptr);
    EXPECT_EQ(pRect->GetUpdateRect(), CRect(-20, 0, 0, 40));  // the turned box, own coordinates
  } else {
    EXPECT_PIXEL(surface, turned.x, turned.y, kWhite);
    EXPECT_PIXEL(surface, plain.x, plain.y, kRed);
    EXPECT_EQ(pRect->InputHitTest(turned.x, turned.y), nullptr);
    EXPECT_EQ(pRect->InputHitTest(plain.x, plain.y), pRect);
    EXPECT_EQ(pRect->GetUpdateRect(), CRect(0, 0, 40, 20));
  }

  struct Case {
    const wchar_t* transform;
    POINT ptInked;  // red through GDI+
    POINT ptClear;  // white through GDI+
  };
  const Case cases[] = {
      {L"<TranslateTransform X='5'/>", {12, 5}, {2, 5}},
      {L"<ScaleTransform ScaleX='2' ScaleY='2' CenterX='10' CenterY='10'/>", {25, 25}, {35, 35}},
      {L"<SkewTransform AngleX='45'/>", {25, 15}, {2, 15}},
      {L"<ScaleTransform ScaleX='2'/>", {-1, -1}, {5, 5}},  // ScaleY 0: gone
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(CStringA(c.transform).GetString());
    CDibSurface cell(60, 60);
    CTKMarkupShape* pShape = Draw(
        cell,
        std::wstring(L"<Rectangle Width='20' Height='20' Fill='Red'><Rectangle.RenderTransform>") +
            c.transform + L"</Rectangle.RenderTransform></Rectangle>",
        RECT{0, 0, 20, 20});
    if (UsesGdiPlus()) {
      if (c.ptInked.x >= 0) {
        EXPECT_PIXEL(cell, c.ptInked.x, c.ptInked.y, kRed);
      } else {
        EXPECT_EQ(pShape->InputHitTest(5, 5), nullptr);  // nothing left to click
      }
      EXPECT_PIXEL(cell, c.ptClear.x, c.ptClear.y, kWhite);
    } else {
      EXPECT_PIXEL(cell, 5, 5, kRed);
      EXPECT_PIXEL(cell, 25, 25, kWhite);
    }
  }
}

TEST_P(ShapePixelTest, OneDashValueIsOnAndOffInPenWidths) {
  CDibSurface surface(70, 12);
  Draw(surface,
       L"<Line X1='0' Y1='5' X2='60' Y2='5' Stroke='Blue' StrokeThickness='2'"
       L" StrokeDashArray='3'/>",
       RECT{0, 0, 60, 10});
  EXPECT_PIXEL(surface, 3, 5, kBlue);  // 6 on (3 pen widths of 2)
  EXPECT_PIXEL(surface, 15, 5, kBlue);
  // 6 off through GDI+; GDI draws every line solid.
  EXPECT_PIXEL(surface, 9, 5, UsesGdiPlus() ? kWhite : kBlue);
}

TEST_P(ShapePixelTest, ChildrenOfATransformedPanelAreHitAsDrawn) {
  CDibSurface surface(100, 60);
  auto* pPanel = Build<CTKMarkupUIElement>(
      L"<StackPanel Width='40' Height='40'><StackPanel.RenderTransform><RotateTransform"
      L" Angle='90'/></StackPanel.RenderTransform><Rectangle Width='40' Height='20'"
      L" Fill='Red'/></StackPanel>");
  ASSERT_NE(pPanel, nullptr);
  Layout(pPanel, RECT{50, 10, 90, 50});
  {
    CTKMarkupDrawingContext dc(m_context, surface.GetSafeHdc());
    pPanel->Render(&dc);
  }
  CTKMarkupObject* pRect = pPanel->GetLogicalChild(0);
  ASSERT_NE(MarkupCast<CTKMarkupRectangle>(pRect), nullptr);
  const POINT turned = {40, 35}, plain = {70, 20};
  if (UsesGdiPlus()) {
    EXPECT_PIXEL(surface, turned.x, turned.y, kRed);
    EXPECT_EQ(pPanel->InputHitTest(turned.x, turned.y), pRect);  // the panel's matrix
    EXPECT_EQ(pPanel->InputHitTest(plain.x, plain.y), nullptr);
  } else {
    EXPECT_PIXEL(surface, plain.x, plain.y, kRed);
    EXPECT_EQ(pPanel->InputHitTest(plain.x, plain.y), pRect);
    EXPECT_EQ(pPanel->InputHitTest(turned.x, turned.y), nullptr);
  }
}

INSTANTIATE_TEST_SUITE_P(GdiAndGdiPlus, ShapePixelTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "GdiPlus" : "Gdi";
                         });

}  // namespace
