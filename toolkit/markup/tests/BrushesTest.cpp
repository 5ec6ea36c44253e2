// Brushes and points: text forms, equality, gradient content and the colour
// GDI uses, point lists with their bounds and stretching.
#include <gtest/gtest.h>

#include "SupportMarkup.h"
#include "common/TKDpiHelper.h"
#include "TKMarkupBrush.h"
#include "TKMarkupPoint.h"
#include "TKMarkupString.h"

namespace {

class BrushTest : public ::testing::Test {
 protected:
  void SetUp() override { m_types = &RegisterTestElements(); }

  // Converts text the way the builder does for a property of that type.
  CTKMarkupObject* Convert(CTKMarkupType* pType, const wchar_t* lpszText,
                           CTKMarkupDependencyProperty* pProperty = nullptr) {
    CTKMarkupBuilder builder(m_context);
    CTKMarkupAutoPtr<> prototype(m_context->CreateMarkupObject(pType));
    CTKMarkupAutoPtr<> text(CTKMarkupString::CreateValue(lpszText));
    prototype->SetConvertingProperty(pProperty);
    m_converted.Assign(prototype->ConvertFrom(&builder, text));
    return m_converted;
  }

  const TestTypes* m_types = nullptr;
  CTestContext m_context;
  CTKMarkupAutoPtr<> m_converted;
};

TEST_F(BrushTest, EveryBrushConvertsColourTextIntoASolidBrush) {
  const CTKMarkupType* brushTypes[] = {CTKMarkupSolidColorBrush::StaticType(),
                                       CTKMarkupLinearGradientBrush::StaticType()};
  for (const CTKMarkupType* pType : brushTypes) {
    auto* pBrush = MarkupCast<CTKMarkupSolidColorBrush>(
        Convert(const_cast<CTKMarkupType*>(pType), L"#FF0000"));
    ASSERT_NE(pBrush, nullptr);
    EXPECT_EQ(pBrush->GetColor()->GetValue(), 0xFF0000FFu);
    EXPECT_EQ(pBrush->GetColorRef(), 0x0000FFu);
  }
  auto* pBlue = MarkupCast<CTKMarkupSolidColorBrush>(
      Convert(CTKMarkupSolidColorBrush::StaticType(), L"#800000FF"));
  ASSERT_NE(pBlue, nullptr);
  EXPECT_EQ(pBlue->GetColor()->GetValue(), 0x80FF0000u);
  EXPECT_EQ(Convert(CTKMarkupSolidColorBrush::StaticType(), L"NotAColour"), nullptr);
  CTKMarkupAutoPtr<> number(new CTKMarkupInt(5));
  CTKMarkupAutoPtr<CTKMarkupSolidColorBrush> prototype(new CTKMarkupSolidColorBrush);
  EXPECT_EQ(prototype->ConvertFrom(nullptr, number), nullptr);
}

TEST_F(BrushTest, SolidBrushesCompareByRgbOnly) {
  CTKMarkupAutoPtr<CTKMarkupSolidColorBrush> opaque(new CTKMarkupSolidColorBrush(0x0000FF));
  CTKMarkupAutoPtr<CTKMarkupSolidColorBrush> halfRed(new CTKMarkupSolidColorBrush(0x80, 0x0000FF));
  CTKMarkupAutoPtr<CTKMarkupSolidColorBrush> green(new CTKMarkupSolidColorBrush(0x00FF00));
  CTKMarkupAutoPtr<CTKMarkupLinearGradientBrush> gradient(new CTKMarkupLinearGradientBrush);
  EXPECT_TRUE(opaque->IsEqual(halfRed));
  EXPECT_FALSE(opaque->IsEqual(green));
  EXPECT_FALSE(opaque->IsEqual(gradient));
  EXPECT_FALSE(opaque->IsEqual(nullptr));
  EXPECT_EQ(halfRed->GetColor()->GetValue(), 0x800000FFu);
  CTKMarkupAutoPtr<CTKMarkupSolidColorBrush> empty(new CTKMarkupSolidColorBrush);
  EXPECT_EQ(empty->GetColorRef(), 0u);
}

long GetDispColor(IDispatch* pDispatch) {
  DISPPARAMS params = {};
  VARIANT result;
  VariantInit(&result);
  pDispatch->Invoke(100, IID_NULL, 0, DISPATCH_PROPERTYGET, &params, &result, nullptr, nullptr);
  return result.lVal;
}

void PutDispColor(IDispatch* pDispatch, long nColor) {
  VARIANT value;
  VariantInit(&value);
  value.vt = VT_I4;
  value.lVal = nColor;
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params = {&value, &named, 1, 1};
  pDispatch->Invoke(100, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr);
}

TEST_F(BrushTest, ScriptsSeeTheWholeColourValue) {
  CTKMarkupAutoPtr<CTKMarkupSolidColorBrush> brush(new CTKMarkupSolidColorBrush);
  IDispatch* pDispatch = brush->GetIDispatch(FALSE);
  ASSERT_NE(pDispatch, nullptr);
  EXPECT_EQ(static_cast<DWORD>(GetDispColor(pDispatch)), 0xFF000000u);
  PutDispColor(pDispatch, 0x123456L);
  EXPECT_EQ(brush->GetColor()->GetValue(), 0xFF123456u);
  PutDispColor(pDispatch, 0x40123456L);
  EXPECT_EQ(static_cast<DWORD>(GetDispColor(pDispatch)), 0x40123456u);
}

TEST_F(BrushTest, GradientStopsComeFromMarkupAndSortStably) {
  CTKMarkupDependencyProperty* pFill =
      CTKMarkupDependencyProperty::Register(L"Fill", CTKMarkupBrush::StaticType(), m_types->pLeaf);
  CTKMarkupAutoPtr<> root(ParseForTest(m_context,
                                       L"<Leaf><Leaf.Fill><LinearGradientBrush EndPoint='0,1'>"
                                       L"<GradientStop Color='#0000FF' Offset='0.8'/>"
                                       L"<GradientStop Color='#FF0000' Offset='0.2'/>"
                                       L"<GradientStop Color='#00FF00' Offset='0.8'/>"
                                       L"</LinearGradientBrush></Leaf.Fill></Leaf>"));
  ASSERT_NE(root, nullptr);
  auto* pBrush = MarkupCast<CTKMarkupLinearGradientBrush>(root->GetValue(pFill));
  ASSERT_NE(pBrush, nullptr);
  ASSERT_EQ(pBrush->GetGradientStops()->GetCount(), 3);
  EXPECT_EQ(pBrush->GetColorRef(), 0xFF0000u);  // the first stop written, blue
  EXPECT_EQ(pBrush->GetStartPoint(), nullptr);
  ASSERT_NE(pBrush->GetEndPoint(), nullptr);
  EXPECT_DOUBLE_EQ(pBrush->GetEndPoint()->GetY(), 1.0);
  std::vector<TK_MARKUP_GRADIENT_STOP> stops = SortedGradientStops(pBrush);
  ASSERT_EQ(stops.size(), 3u);
  EXPECT_EQ(stops[0].nIndex, 1);
  EXPECT_EQ(stops[1].nIndex, 0);  // equal offsets keep their written order
  EXPECT_EQ(stops[2].nIndex, 2);
}

TEST_F(BrushTest, AGradientWithoutStopsHasNoColour) {
  CTKMarkupAutoPtr<CTKMarkupLinearGradientBrush> brush(new CTKMarkupLinearGradientBrush);
  ASSERT_NE(brush->GetGradientStops(), nullptr);
  EXPECT_EQ(brush->GetColorRef(), 0u);
  EXPECT_TRUE(SortedGradientStops(brush).empty());
  CTKMarkupAutoPtr<CTKMarkupGradientStop> stop(new CTKMarkupGradientStop);
  EXPECT_EQ(stop->GetColor(), 0u);
  EXPECT_EQ(stop->GetOffset(), 0.0);
}

TEST_F(BrushTest, PointText) {
  auto* pPoint = MarkupCast<CTKMarkupPoint>(Convert(CTKMarkupPoint::StaticType(), L"10.5,20"));
  ASSERT_NE(pPoint, nullptr);
  EXPECT_DOUBLE_EQ(pPoint->GetX(), 10.5);
  EXPECT_DOUBLE_EQ(pPoint->GetY(), 20.0);
  EXPECT_EQ(Convert(CTKMarkupPoint::StaticType(), L"10;20"), nullptr);
  EXPECT_EQ(Convert(CTKMarkupPoint::StaticType(), L"10"), nullptr);
  EXPECT_EQ(Convert(CTKMarkupPoint::StaticType(), L"1,2,3"), nullptr);

  CTKMarkupDependencyProperty* pScaled = CTKMarkupDependencyProperty::Register(
      L"Origin", CTKMarkupPoint::StaticType(), m_types->pLeaf,
      new CTKMarkupPropertyMetadata(nullptr, TK_MARKUP_SCALE_DPI_X));
  m_context->SetDpiAware(TRUE, nullptr);
  m_context->GetDpiHelper()->OverrideDpi(144, 192);
  pPoint = MarkupCast<CTKMarkupPoint>(Convert(CTKMarkupPoint::StaticType(), L"2,2", pScaled));
  ASSERT_NE(pPoint, nullptr);
  EXPECT_DOUBLE_EQ(pPoint->GetX(), 3.0);
  EXPECT_DOUBLE_EQ(pPoint->GetY(), 2.0);  // no vertical flag
  m_context->SetDpiAware(FALSE, nullptr);
}

TEST_F(BrushTest, PointCollectionText) {
  struct Case {
    const wchar_t* text;
    int count;  // -1: no conversion
    RECT bounds;
  };
  const Case cases[] = {
      {L"0,0 10,0 10,10", 3, {0, 0, 10, 10}},
      {L"-5,-5,5,5", 2, {-5, -5, 5, 5}},
      {L"", 0, {0, 0, 0, 0}},
      {L"0,0 a", -1, {}},
      {L"1,,2", -1, {}},
      {L"1", -1, {}},
      {L"3 4", 1, {3, 4, 3, 4}},
  };
  for (const Case& c : cases) {
    auto* pPoints = MarkupCast<CTKMarkupPointCollection>(
        Convert(CTKMarkupPointCollection::StaticType(), c.text));
    if (c.count < 0) {
      EXPECT_EQ(pPoints, nullptr) << CStringA(c.text).GetString();
      continue;
    }
    ASSERT_NE(pPoints, nullptr) << CStringA(c.text).GetString();
    EXPECT_EQ(pPoints->GetPoints().GetSize(), c.count) << CStringA(c.text).GetString();
    EXPECT_TRUE(EqualRect(&pPoints->GetBounds(), &c.bounds)) << CStringA(c.text).GetString();
  }
  m_context->SetDpiAware(TRUE, nullptr);
  m_context->GetDpiHelper()->OverrideDpi(144, 144);
  auto* pScaled =
      MarkupCast<CTKMarkupPointCollection>(Convert(CTKMarkupPointCollection::StaticType(), L"2,4"));
  ASSERT_NE(pScaled, nullptr);
  EXPECT_EQ(pScaled->GetPoints()[0].x, 3);
  EXPECT_EQ(pScaled->GetPoints()[0].y, 6);
  m_context->SetDpiAware(FALSE, nullptr);
}

TEST_F(BrushTest, StretchFitsPointsAndKeepsAFlatAxis) {
  CArray<POINT, POINT> source;
  source.Add(POINT{0, 0});
  source.Add(POINT{10, 5});
  CTKMarkupAutoPtr<CTKMarkupPointCollection> points(new CTKMarkupPointCollection(source));
  CArray<POINT, POINT> out;
  points->Stretch(out, 100, 50);
  ASSERT_EQ(out.GetSize(), 2);
  EXPECT_EQ(out[1].x, 100);
  EXPECT_EQ(out[1].y, 50);

  CArray<POINT, POINT> column;
  column.Add(POINT{7, 1});
  column.Add(POINT{7, 3});
  CTKMarkupAutoPtr<CTKMarkupPointCollection> flat(new CTKMarkupPointCollection(column));
  flat->Stretch(out, 100, 50);
  EXPECT_EQ(out[0].x, 7);
  EXPECT_EQ(out[1].x, 7);
  EXPECT_EQ(out[0].y, 0);
  EXPECT_EQ(out[1].y, 50);
}

}  // namespace
