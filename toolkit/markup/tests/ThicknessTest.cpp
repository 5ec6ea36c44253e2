// Thickness: text with units and DPI scaling, equality and deflating.
#include <gtest/gtest.h>

#include <limits.h>

#include "SupportMarkup.h"
#include "common/TKDpiHelper.h"
#include "TKMarkupString.h"
#include "TKMarkupValues.h"
#include "TKMarkupThickness.h"

namespace {

class ThicknessTest : public ::testing::Test {
 protected:
  void SetUp() override { m_types = &RegisterTestElements(); }

  CTKMarkupThickness* Convert(const wchar_t* lpszText,
                              CTKMarkupDependencyProperty* pProperty = nullptr) {
    CTKMarkupBuilder builder(m_context);
    CTKMarkupAutoPtr<CTKMarkupThickness> prototype(new CTKMarkupThickness);
    CTKMarkupAutoPtr<> text(CTKMarkupString::CreateValue(lpszText));
    prototype->SetConvertingProperty(pProperty);
    m_converted.Assign(prototype->ConvertFrom(&builder, text));
    return static_cast<CTKMarkupThickness*>(m_converted.Get());
  }

  const TestTypes* m_types = nullptr;
  CTestContext m_context;
  CTKMarkupAutoPtr<> m_converted;
};

TEST_F(ThicknessTest, ConversionTable) {
  struct Case {
    const wchar_t* text;
    bool ok;
    int l, t, r, b;
  };
  const Case cases[] = {
      {L"5", true, 5, 5, 5, 5},
      {L"1, 2, 3, 4", true, 1, 2, 3, 4},
      {L"1,2,3,4", true, 1, 2, 3, 4},
      {L"72pt", true, 96, 96, 96, 96},
      {L"72PT", true, 96, 96, 96, 96},
      {L"1in", true, 96, 96, 96, 96},
      {L"1cm", true, 37, 37, 37, 37},
      {L"10mm", true, 37, 37, 37, 37},
      {L"2.5cm", true, 75, 75, 75, 75},
      {L"1pt, 2pt, 3pt, 4pt", true, 1, 3, 4, 5},
      {L"1PT, 2PT, 3PT, 4PT", false, 0, 0, 0, 0},
      {L"010, 1, 1, 1", true, 8, 1, 1, 1},
      {L"010", true, 10, 10, 10, 10},
      {L"0x10,0,0,0", true, 16, 0, 0, 0},
      {L"1, 2, 3", false, 0, 0, 0, 0},
      {L"a, b, c, d", false, 0, 0, 0, 0},
      {L"abc", true, 0, 0, 0, 0},
      // Huge values with a unit clamp as plain lengths do, never wrap.
      {L"99999999in", true, INT_MAX, INT_MAX, INT_MAX, INT_MAX},
      {L"-99999999in", true, INT_MIN, INT_MIN, INT_MIN, INT_MIN},
      {L"2147483647cm", true, INT_MAX, INT_MAX, INT_MAX, INT_MAX},
      {L"2147483647mm, 0mm, 1mm, -2147483647mm", true, INT_MAX, 0, 3, INT_MIN},
      {L"99999999999", true, INT_MAX, INT_MAX, INT_MAX, INT_MAX},
  };
  for (const Case& c : cases) {
    CTKMarkupThickness* p = Convert(c.text);
    if (!c.ok) {
      EXPECT_EQ(p, nullptr) << CStringA(c.text).GetString();
      continue;
    }
    ASSERT_NE(p, nullptr) << CStringA(c.text).GetString();
    EXPECT_EQ(p->GetLeft(), c.l) << CStringA(c.text).GetString();
    EXPECT_EQ(p->GetTop(), c.t) << CStringA(c.text).GetString();
    EXPECT_EQ(p->GetRight(), c.r) << CStringA(c.text).GetString();
    EXPECT_EQ(p->GetBottom(), c.b) << CStringA(c.text).GetString();
  }
  CTKMarkupAutoPtr<> number(new CTKMarkupInt(5));
  CTKMarkupAutoPtr<CTKMarkupThickness> prototype(new CTKMarkupThickness);
  EXPECT_EQ(prototype->ConvertFrom(nullptr, number), nullptr);
}

TEST_F(ThicknessTest, ScalesEachAxisByTheFlagsOfItsProperty) {
  CTKMarkupDependencyProperty* pMargin = CTKMarkupDependencyProperty::Register(
      L"Margin", CTKMarkupThickness::StaticType(), m_types->pLeaf,
      new CTKMarkupPropertyMetadata(nullptr, TK_MARKUP_SCALE_DPI_X | TK_MARKUP_SCALE_DPI_Y));
  CTKMarkupDependencyProperty* pInset = CTKMarkupDependencyProperty::Register(
      L"Inset", CTKMarkupThickness::StaticType(), m_types->pLeaf,
      new CTKMarkupPropertyMetadata(nullptr, TK_MARKUP_SCALE_DPI_Y));
  m_context->SetDpiAware(TRUE, nullptr);
  m_context->GetDpiHelper()->OverrideDpi(144, 144);
  CTKMarkupThickness* p = Convert(L"2, 4, 6, 8", pMargin);
  ASSERT_NE(p, nullptr);
  CTKMarkupAutoPtr<CTKMarkupThickness> expected(new CTKMarkupThickness(3, 6, 9, 12));
  EXPECT_TRUE(p->IsEqual(expected));
  p = Convert(L"2", pInset);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->GetLeft(), 2);
  EXPECT_EQ(p->GetTop(), 3);
  p = Convert(L"2, 4, 6, 8");  // no property: no scaling
  EXPECT_EQ(p->GetRight(), 6);
  m_context->SetDpiAware(FALSE, nullptr);
}

TEST_F(ThicknessTest, EqualityZeroAndDeflate) {
  CTKMarkupAutoPtr<CTKMarkupThickness> a(new CTKMarkupThickness(1, 2, 3, 4));
  CTKMarkupAutoPtr<CTKMarkupThickness> b(new CTKMarkupThickness(1, 2, 3, 4));
  CTKMarkupAutoPtr<CTKMarkupInt> number(new CTKMarkupInt(1));
  EXPECT_TRUE(a->IsEqual(b));
  EXPECT_FALSE(a->IsEqual(number));
  EXPECT_FALSE(a->IsEqual(nullptr));

  CTKMarkupAutoPtr<CTKMarkupThickness> zero1(CTKMarkupThickness::GetZero());
  CTKMarkupAutoPtr<CTKMarkupThickness> zero2(CTKMarkupThickness::GetZero());
  EXPECT_EQ(zero1.Get(), zero2.Get());
  EXPECT_EQ(zero1->GetLeft() | zero1->GetTop() | zero1->GetRight() | zero1->GetBottom(), 0);

  CTKMarkupAutoPtr<CTKMarkupThickness> eight(new CTKMarkupThickness(8));
  RECT rc = CTKMarkupThickness::DeflateRect(RECT{0, 0, 10, 10}, eight);
  RECT expected = {8, 8, 8, 8};
  EXPECT_TRUE(EqualRect(&rc, &expected));
  rc = CTKMarkupThickness::DeflateRect(RECT{0, 0, 10, 10}, nullptr);
  expected = RECT{0, 0, 10, 10};
  EXPECT_TRUE(EqualRect(&rc, &expected));
}

}  // namespace
