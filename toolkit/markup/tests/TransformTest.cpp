// Transforms and their matrices: what each transform does to points, the
// order in which it joins the current matrix, the render-transform holder's
// one child, and hit tests and bounds through a matrix.
#include <gtest/gtest.h>

#include <math.h>

#include <memory>

#include "SupportMarkup.h"
#include "common/TKDpiHelper.h"
#include "TKMarkupGdiPlusTransform.h"
#include "TKMarkupRenderTransform.h"
#include "TKMarkupTransformationMatrix.h"
#include "TKMarkupValues.h"

namespace {

using Gdiplus::GpMatrix;
using Gdiplus::GpPointF;

class TransformTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTestElements();
    ASSERT_TRUE(TKMarkupGdiPlusApi()->IsRunning()) << "the context starts GDI+";
  }

  /// A GDI+ matrix: the identity, or one translated by (dx, dy).
  std::unique_ptr<CTKMarkupGdiPlusTransformationMatrix> Matrix(float dx = 0, float dy = 0) {
    CTKMarkupGdiPlusApi* pApi = TKMarkupGdiPlusApi();
    GpMatrix* pMatrix = nullptr;
    EXPECT_EQ(pApi->GdipCreateMatrix(&pMatrix), Gdiplus::Ok);
    if (dx != 0 || dy != 0) pApi->GdipTranslateMatrix(pMatrix, dx, dy, Gdiplus::MatrixOrderPrepend);
    return std::make_unique<CTKMarkupGdiPlusTransformationMatrix>(pApi, pMatrix);
  }

  /// Where `pTransform`, applied to `current`, takes the point.
  GpPointF Map(CTKMarkupTransform* pTransform, GpPointF pt,
               CTKMarkupGdiPlusTransformationMatrix* pCurrent = nullptr) {
    std::unique_ptr<CTKMarkupGdiPlusTransformationMatrix> identity;
    if (pCurrent == nullptr) {
      identity = Matrix();
      pCurrent = identity.get();
    }
    std::unique_ptr<CTKMarkupTransformationMatrix> result(pTransform->TransformMatrix(pCurrent));
    EXPECT_NE(result, nullptr);
    if (result == nullptr) return GpPointF(NAN, NAN);
    EXPECT_TRUE(
        static_cast<CTKMarkupGdiPlusTransformationMatrix*>(result.get())->TransformPoints(&pt, 1));
    return pt;
  }

  template <class T>
  CTKMarkupAutoPtr<T> Make() {
    return CTKMarkupAutoPtr<T>(static_cast<T*>(m_context->CreateMarkupObject(T::StaticType())));
  }

  CTestContext m_context;
};

#define EXPECT_POINT(actual, ex, ey)      \
  do {                                    \
    const GpPointF p_ = (actual);         \
    EXPECT_NEAR(p_.X, (ex), 1e-3) << "x"; \
    EXPECT_NEAR(p_.Y, (ey), 1e-3) << "y"; \
  } while (0)

TEST_F(TransformTest, EachKindMovesPointsAsDefined) {
  auto rotate = Make<CTKMarkupGdiPlusRotateTransform>();
  rotate->SetAngle(90);
  rotate->SetCenterX(10);
  rotate->SetCenterY(10);
  EXPECT_POINT(Map(rotate, GpPointF(20, 10)), 10, 20);  // clockwise on the screen

  auto scale = Make<CTKMarkupGdiPlusScaleTransform>();
  scale->SetScaleX(2);
  scale->SetScaleY(2);
  scale->SetCenterX(10);
  scale->SetCenterY(10);
  EXPECT_POINT(Map(scale, GpPointF(10, 10)), 10, 10);
  EXPECT_POINT(Map(scale, GpPointF(12, 10)), 14, 10);

  auto onlyY = Make<CTKMarkupGdiPlusScaleTransform>();
  onlyY->SetScaleY(2);
  EXPECT_POINT(Map(onlyY, GpPointF(5, 5)), 0, 10);  // an unset factor is 0

  auto skew = Make<CTKMarkupGdiPlusSkewTransform>();
  skew->SetAngleX(45);
  skew->SetCenterY(5);
  EXPECT_POINT(Map(skew, GpPointF(0, 15)), 10, 15);  // 10 below the centre, 10 right
  skew->SetAngleX(30);
  EXPECT_POINT(Map(skew, GpPointF(0, 14)), 6, 14);  // 30 / 45, not tan 30
  skew->SetAngleX(0);
  skew->SetAngleY(90);
  EXPECT_POINT(Map(skew, GpPointF(3, 5)), 3, 11);

  auto translate = Make<CTKMarkupGdiPlusTranslateTransform>();
  translate->SetX(5);
  EXPECT_POINT(Map(translate, GpPointF(1, 1)), 6, 1);
}

TEST_F(TransformTest, TheTransformActsBeforeTheCurrentMatrix) {
  auto rotate = Make<CTKMarkupGdiPlusRotateTransform>();
  rotate->SetAngle(90);
  std::unique_ptr<CTKMarkupGdiPlusTransformationMatrix> current = Matrix(100, 0);
  // Turned first, (10, 0) becomes (0, 10), then the offset of the element.
  EXPECT_POINT(Map(rotate, GpPointF(10, 0), current.get()), 100, 10);
  // The current matrix itself is left alone.
  GpPointF pt(0, 0);
  ASSERT_TRUE(current->TransformPoints(&pt, 1));
  EXPECT_POINT(pt, 100, 0);
}

TEST_F(TransformTest, OnlyGdiPlusMatricesAreTransformed) {
  class CPlainMatrix : public CTKMarkupTransformationMatrix {
   public:
    CTKMarkupTransformationMatrix* Clone() const override { return new CPlainMatrix; }
  } plain;
  auto rotate = Make<CTKMarkupGdiPlusRotateTransform>();
  EXPECT_EQ(rotate->TransformMatrix(&plain), nullptr);
  EXPECT_EQ(rotate->TransformMatrix(nullptr), nullptr);
  // The value classes alone never make a matrix.
  auto plainRotate = Make<CTKMarkupRotateTransform>();
  std::unique_ptr<CTKMarkupGdiPlusTransformationMatrix> identity = Matrix();
  EXPECT_EQ(plainRotate->TransformMatrix(identity.get()), nullptr);
  // The base matrix is a plain rectangle test.
  EXPECT_TRUE(plain.HitTest(RECT{0, 0, 10, 10}, POINT{5, 5}, POINT{9, 9}));
  EXPECT_FALSE(plain.HitTest(RECT{0, 0, 10, 10}, POINT{0, 0}, POINT{10, 5}));
  RECT rc = plain.TransformRect(RECT{1, 2, 3, 4}, POINT{7, 7});
  RECT expected = {1, 2, 3, 4};
  EXPECT_TRUE(EqualRect(&rc, &expected));
}

TEST_F(TransformTest, HitTestsAndBoundsGoThroughTheMatrix) {
  std::unique_ptr<CTKMarkupGdiPlusTransformationMatrix> identity = Matrix();
  const RECT box = {0, 0, 10, 20};
  // Unlike a plain rectangle test, the far edges are inside.
  EXPECT_TRUE(identity->HitTest(box, POINT{0, 0}, POINT{10, 20}));
  EXPECT_FALSE(identity->HitTest(box, POINT{0, 0}, POINT{11, 5}));

  CTKMarkupGdiPlusApi* pApi = TKMarkupGdiPlusApi();
  std::unique_ptr<CTKMarkupGdiPlusTransformationMatrix> turned = Matrix();
  pApi->GdipRotateMatrix(turned->GetNativeMatrix(), 90, Gdiplus::MatrixOrderPrepend);
  RECT rc = turned->TransformRect(box, POINT{0, 0});
  RECT expected = {-20, 0, 0, 10};
  EXPECT_TRUE(EqualRect(&rc, &expected));
  EXPECT_TRUE(turned->HitTest(box, POINT{0, 0}, POINT{-15, 5}));
  EXPECT_FALSE(turned->HitTest(box, POINT{0, 0}, POINT{5, 5}));

  // The offset is taken off the mapped corners.
  std::unique_ptr<CTKMarkupTransformationMatrix> moved(turned->Clone());
  ASSERT_NE(moved, nullptr);
  moved->Translate(0, -5);  // acts before the turn: 5 to the right afterwards
  rc = moved->TransformRect(box, POINT{3, 0});
  expected = {-20 + 5 - 3, 0, 0 + 5 - 3, 10};
  EXPECT_TRUE(EqualRect(&rc, &expected));
  EXPECT_TRUE(moved->HitTest(box, POINT{3, 0}, POINT{1, 5}));
  EXPECT_FALSE(moved->HitTest(box, POINT{3, 0}, POINT{3, 5}));

  // A matrix that flattens everything onto a line still gives a defined answer.
  std::unique_ptr<CTKMarkupGdiPlusTransformationMatrix> flat = Matrix();
  pApi->GdipScaleMatrix(flat->GetNativeMatrix(), 0, 1, Gdiplus::MatrixOrderPrepend);
  rc = flat->TransformRect(box, POINT{0, 0});
  expected = {0, 0, 0, 20};
  EXPECT_TRUE(EqualRect(&rc, &expected));
  // ... and takes no hits, neither on its line nor anywhere else.
  EXPECT_FALSE(flat->HitTest(box, POINT{0, 0}, POINT{0, 5}));
  EXPECT_FALSE(flat->HitTest(box, POINT{0, 0}, POINT{300, -70}));
}

TEST_F(TransformTest, MarkupMakesTheGdiPlusClassesWithScaledLengths) {
  m_context->SetDpiAware(TRUE, nullptr);
  m_context->GetDpiHelper()->OverrideDpi(144, 144);
  CTKMarkupAutoPtr<> root(
      ParseForTest(m_context,
                   L"<Grid><RenderTransform><RotateTransform Angle='30' CenterX='10' CenterY='4'/>"
                   L"</RenderTransform></Grid>"));
  m_context->SetDpiAware(FALSE, nullptr);
  ASSERT_NE(root, nullptr);
  CTKMarkupCollection* pContent = static_cast<CTestElement*>(root.Get())->GetContent();
  auto* pHolder = MarkupCast<CTKMarkupRenderTransform>(pContent->GetItem(0));
  ASSERT_NE(pHolder, nullptr);
  auto* pRotate = MarkupCast<CTKMarkupRotateTransform>(pHolder->GetTransform());
  ASSERT_NE(pRotate, nullptr);
  EXPECT_EQ(pRotate->GetType(), CTKMarkupGdiPlusRotateTransform::StaticType());
  EXPECT_EQ(pRotate->GetOwner(), pHolder);
  EXPECT_EQ(pHolder->GetValue(CTKMarkupRenderTransform::RotateTransformProperty), pRotate);
  EXPECT_DOUBLE_EQ(pRotate->GetAngle(), 30);  // angles are not lengths
  EXPECT_DOUBLE_EQ(pRotate->GetCenterX(), 15);
  EXPECT_DOUBLE_EQ(pRotate->GetCenterY(), 6);
}

TEST_F(TransformTest, TheHolderTakesOneTransform) {
  struct Case {
    const wchar_t* markup;
    const char* error;
  };
  const Case cases[] = {
      {L"<Grid><RenderTransform><RotateTransform/><ScaleTransform/></RenderTransform></Grid>",
       "'RenderTransform' already has a child and cannot add 'ScaleTransform'. 'RenderTransform' "
       "can accept only one child."},
      {L"<Grid><RenderTransform><Grid/></RenderTransform></Grid>",
       "Cannot add content to an object of type 'CTKMarkupRenderTransform'"},
      {L"<Grid><RenderTransform>turn</RenderTransform></Grid>",
       "Cannot convert the string 'turn' into a 'CTKMarkupRenderTransform' object"},
  };
  for (const Case& c : cases) EXPECT_EQ(BuildError(m_context, c.markup), c.error);

  // Each kind lands under its own property.
  struct Kind {
    CTKMarkupType* pType;
    CTKMarkupDependencyProperty* pProperty;
  };
  const Kind kinds[] = {
      {CTKMarkupGdiPlusRotateTransform::StaticType(),
       CTKMarkupRenderTransform::RotateTransformProperty},
      {CTKMarkupGdiPlusScaleTransform::StaticType(),
       CTKMarkupRenderTransform::ScaleTransformProperty},
      {CTKMarkupGdiPlusTranslateTransform::StaticType(),
       CTKMarkupRenderTransform::TranslateTransformProperty},
      {CTKMarkupGdiPlusSkewTransform::StaticType(),
       CTKMarkupRenderTransform::SkewTransformProperty},
  };
  for (const Kind& kind : kinds) {
    auto holder = Make<CTKMarkupRenderTransform>();
    CTKMarkupAutoPtr<> transform(m_context->CreateMarkupObject(kind.pType));
    holder->SetContentObject(nullptr, transform);
    EXPECT_EQ(holder->GetTransform(), transform.Get());
    EXPECT_EQ(holder->GetValue(kind.pProperty), transform.Get());
  }
}

TEST_F(TransformTest, ScriptsSeeTheValuesAsDoubles) {
  auto scale = Make<CTKMarkupGdiPlusScaleTransform>();
  IDispatch* pDispatch = scale->GetIDispatch(FALSE);
  ASSERT_NE(pDispatch, nullptr);
  OLECHAR* names[] = {const_cast<OLECHAR*>(L"ScaleY")};
  DISPID id = DISPID_UNKNOWN;
  ASSERT_EQ(pDispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK);
  VARIANT value;
  V_VT(&value) = VT_R8;
  V_R8(&value) = 2.5;
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS put = {&value, &named, 1, 1};
  ASSERT_EQ(
      pDispatch->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &put, nullptr, nullptr, nullptr),
      S_OK);
  EXPECT_DOUBLE_EQ(scale->GetScaleY(), 2.5);
  VARIANT result;
  VariantInit(&result);
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  ASSERT_EQ(
      pDispatch->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr),
      S_OK);
  EXPECT_EQ(V_VT(&result), VT_R8);
  EXPECT_DOUBLE_EQ(V_R8(&result), 2.5);
}

}  // namespace
