// The path-data language: commands absolute and relative, curves and arcs,
// errors with their positions, bounds, DPI scaling, and the guards that keep
// infinite or undefined coordinates out of a path.
#include <gtest/gtest.h>

#include <math.h>

#include "SupportMarkup.h"
#include "common/TKDpiHelper.h"
#include "markup/TKMarkupPathData.h"
#include "TKMarkupPathGeometry.h"
#include "TKMarkupString.h"
#include "TKMarkupValues.h"

namespace {

class PathDataTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterTestElements(); }

  // The parsed path, or null with the error text.
  CTKMarkupPathData* Parse(const wchar_t* lpszText, std::string* pError = nullptr) {
    CTKMarkupBuilder builder(m_context);
    CTKMarkupAutoPtr<CTKMarkupPathData> prototype(new CTKMarkupPathData);
    CTKMarkupAutoPtr<> text(CTKMarkupString::CreateValue(lpszText));
    try {
      m_path.Assign(static_cast<CTKMarkupPathData*>(prototype->ConvertFrom(&builder, text)));
    } catch (CTKMarkupBuilderException* e) {
      if (pError != nullptr) *pError = e->GetMessage();
      e->Delete();
      m_path.Assign(nullptr);
    }
    return m_path;
  }

  static void ExpectAllFinite(const CTKMarkupPathData* pPath) {
    for (int i = 0; i < pPath->GetCount(); ++i) {
      EXPECT_TRUE(isfinite(pPath->GetPoints()[i].x) && isfinite(pPath->GetPoints()[i].y)) << i;
    }
  }

  CTestContext m_context;
  CTKMarkupAutoPtr<CTKMarkupPathData> m_path;
};

struct PointCase {
  float x, y;
  BYTE type;
};

void ExpectPoints(const CTKMarkupPathData* pPath, std::initializer_list<PointCase> expected) {
  ASSERT_NE(pPath, nullptr);
  ASSERT_EQ(pPath->GetCount(), static_cast<int>(expected.size()));
  int i = 0;
  for (const PointCase& c : expected) {
    EXPECT_NEAR(pPath->GetPoints()[i].x, c.x, 1e-3) << "point " << i;
    EXPECT_NEAR(pPath->GetPoints()[i].y, c.y, 1e-3) << "point " << i;
    EXPECT_EQ(pPath->GetTypes()[i], c.type) << "point " << i;
    ++i;
  }
}

TEST_F(PathDataTest, MovesLinesAndClose) {
  ExpectPoints(Parse(L"M 10,10 20,10 20,20 z"), {{10, 10, 0}, {20, 10, 1}, {20, 20, 0x81}});
  ExpectPoints(Parse(L"m 10 10 l 5 0 0 5"), {{10, 10, 0}, {15, 10, 1}, {15, 15, 1}});
  ExpectPoints(Parse(L"M1 2 H 5 h 1 V 7 v -2"),
               {{1, 2, 0}, {5, 2, 1}, {6, 2, 1}, {6, 7, 1}, {6, 5, 1}});
  // A command after a close starts again at the figure start.
  ExpectPoints(Parse(L"M1 1 L 3 1 Z L 1 3"), {{1, 1, 0}, {3, 1, 0x81}, {1, 1, 0}, {1, 3, 1}});
  ExpectPoints(Parse(L"M0 0 Z Z"), {{0, 0, 0x80}, {0, 0, 0x80}});
  ExpectPoints(Parse(L""), {});
  ExpectPoints(Parse(L"F1 M0 0 L 10 0 L 0 10 Z"), {{0, 0, 0}, {10, 0, 1}, {0, 10, 0x81}});
}

TEST_F(PathDataTest, CubicAndQuadraticCurvesReflectTheirControlPoints) {
  ExpectPoints(
      Parse(L"M0 0 C 10 0 10 10 0 10 S -10 0 0 0"),
      {{0, 0, 0}, {10, 0, 3}, {10, 10, 3}, {0, 10, 3}, {-10, 10, 3}, {-10, 0, 3}, {0, 0, 3}});
  ExpectPoints(
      Parse(L"M0 0 Q 10 0 10 10 T 20 20"),
      {{0, 0, 0}, {10, 0, 3}, {10, 10, 3}, {10, 10, 3}, {10, 20, 3}, {20, 20, 3}, {20, 20, 3}});
  // Without a cubic before it, S starts at the current point; relative c.
  ExpectPoints(Parse(L"M1 1 s 1 1 2 0 c 1 0 1 1 0 1"),
               {{1, 1, 0}, {1, 1, 3}, {2, 2, 3}, {3, 1, 3}, {4, 1, 3}, {4, 2, 3}, {3, 2, 3}});
}

TEST_F(PathDataTest, Arcs) {
  ExpectPoints(Parse(L"M0 0 A 0 5 0 0 1 10 10"), {{0, 0, 0}, {10, 10, 1}});
  CTKMarkupPathData* p = Parse(L"M0 0 A 5 5 0 0 1 10 0 L 20 0");
  ASSERT_NE(p, nullptr);
  ASSERT_EQ(p->GetCount(), 1 + 6 + 1);  // a half circle is two curves
  EXPECT_NEAR(p->GetPoints()[3].x, 5, 1e-3);
  EXPECT_NEAR(fabs(p->GetPoints()[3].y), 5, 1e-3);
  EXPECT_NEAR(p->GetPoints()[6].x, 10, 1e-3);
  EXPECT_EQ(p->GetTypes()[7], 1);
  // A radius too small for the chord grows to half of it.
  p = Parse(L"M0 0 A 5 5 0 0 1 20 0");
  ASSERT_NE(p, nullptr);
  ASSERT_EQ(p->GetCount(), 7);
  EXPECT_NEAR(fabs(p->GetPoints()[3].y), 10, 1e-3);
  p = Parse(L"M0 0 A 10 10 0 1 1 20 0");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->GetCount(), 7);
}

TEST_F(PathDataTest, NumbersAndExponents) {
  ExpectPoints(Parse(L"M 1.5e2 -.5"), {{150, -0.5f, 0}});
  ExpectPoints(Parse(L"M 1.0e+2"), {{1, 2, 0}});
  ExpectPoints(Parse(L"M 2.5E-1 +3"), {{0.25f, 3, 0}});
  ExpectPoints(Parse(L"M - ."), {{0, 0, 0}});
}

TEST_F(PathDataTest, ErrorsNameThePosition) {
  struct Case {
    const wchar_t* text;
    int position;
  };
  const Case cases[] = {
      {L"L 1 2", 1},    {L"M 0 0 L 1 2,", 12}, {L"M 0,,0", 4},
      {L"M 0 0 X", 7},  {L"F2 M 0 0", 1},      {L"M0 0 Q 1 2 3 4 5 6", 16},
      {L"M 15e1 0", 4}, {L"F10 M 0 0", 3},     {L"M0 0 L 1,2, C", 12},
      {L"M ,1 1", 2},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_EQ(Parse(c.text, &error), nullptr) << CStringA(c.text).GetString();
    CStringA expected;
    expected.Format("Unexpected token encountered at position '%i'", c.position);
    EXPECT_EQ(error, expected.GetString()) << CStringA(c.text).GetString();
  }
}

TEST_F(PathDataTest, NumbersTooLargeForAFloatAreTokenErrors) {
  const wchar_t* texts[] = {L"M 1.0e99 0", L"M 0 1.0e39", L"M 0 0 L 1.0e50 1",
                            L"M 0 0 A 1.0e45 1 0 0 1 5 5",
                            L"M 1000000000000000000000000000000000000000000 0"};
  for (const wchar_t* lpszText : texts) {
    std::string error;
    EXPECT_EQ(Parse(lpszText, &error), nullptr) << CStringA(lpszText).GetString();
    EXPECT_EQ(error.find("Unexpected token"), 0u) << CStringA(lpszText).GetString();
  }
  // A tiny exponent is just zero.
  ExpectPoints(Parse(L"M 1.0e-99 0"), {{0, 0, 0}});
}

TEST_F(PathDataTest, AnArcEndingWhereItStartsIsSkipped) {
  CTKMarkupPathData* p = Parse(L"M5 5 A 3 3 0 1 1 5 5 L 9 9");
  ASSERT_NE(p, nullptr);
  ExpectAllFinite(p);
  ExpectPoints(p, {{5, 5, 0}, {9, 9, 1}});
  p = Parse(L"M5 5 a 3 3 0 0 0 0 0 Z");
  ASSERT_NE(p, nullptr);
  ExpectAllFinite(p);
}

TEST_F(PathDataTest, BoundsAndStretch) {
  CTKMarkupPathData* p = Parse(L"M 1.5 2 L 10 -3.5");
  ASSERT_NE(p, nullptr);
  RECT expected = {1, -4, 10, 2};
  EXPECT_TRUE(EqualRect(&p->GetBounds(), &expected));

  p = Parse(L"M0 0 L 10 5");
  CTKMarkupAutoPtr<CTKMarkupPathData> stretched(p->Stretch(100, 50));
  ExpectPoints(stretched, {{0, 0, 0}, {100, 50, 1}});
  // A flat path keeps the axis without extent instead of dividing by zero.
  p = Parse(L"M0 3 L 10 3");
  stretched.Assign(p->Stretch(40, 40));
  ExpectAllFinite(stretched);
  ExpectPoints(stretched, {{0, 3, 0}, {40, 3, 1}});
  p = Parse(L"M2 2");
  stretched.Assign(p->Stretch(40, 40));
  ExpectPoints(stretched, {{2, 2, 0}});
  p = Parse(L"");
  RECT empty = {0, 0, 0, 0};
  EXPECT_TRUE(EqualRect(&p->GetBounds(), &empty));
  stretched.Assign(p->Stretch(4, 4));
  EXPECT_EQ(stretched->GetCount(), 0);
}

TEST_F(PathDataTest, ScalesAt144Dpi) {
  m_context->SetDpiAware(TRUE, nullptr);
  m_context->GetDpiHelper()->OverrideDpi(144, 144);
  ExpectPoints(Parse(L"M 10 10 h 2 V 4 a 0 1 0 0 0 2 2"),
               {{15, 15, 0}, {18, 15, 1}, {18, 6, 1}, {21, 9, 1}});
  m_context->SetDpiAware(FALSE, nullptr);
}

TEST_F(PathDataTest, OnlyStringsConvert) {
  CTKMarkupAutoPtr<CTKMarkupPathData> prototype(new CTKMarkupPathData);
  CTKMarkupAutoPtr<> number(new CTKMarkupInt(3));
  EXPECT_EQ(prototype->ConvertFrom(nullptr, number), nullptr);
  EXPECT_EQ(prototype->ConvertFrom(nullptr, nullptr), nullptr);
}

TEST_F(PathDataTest, DataMayNestAGeometryWithFigures) {
  CTKMarkupAutoPtr<> root(ParseForTest(
      m_context, L"<Grid><Data><PathGeometry><Figures/></PathGeometry></Data></Grid>"));
  ASSERT_NE(root, nullptr);
  auto* pData = MarkupCast<CTKMarkupPathData>(
      static_cast<CTestElement*>(root.Get())->GetContent()->GetItem(0));
  ASSERT_NE(pData, nullptr);
  EXPECT_EQ(pData->GetCount(), 0);
  CTKMarkupPathGeometry* pGeometry = pData->GetPathGeometry();
  ASSERT_NE(pGeometry, nullptr);
  EXPECT_NE(pGeometry->GetFigures(), nullptr);

  EXPECT_EQ(BuildError(m_context, L"<Grid><Data><Figures/></Data></Grid>"),
            "Cannot add content to an object of type 'CTKMarkupPathData'");
  EXPECT_EQ(BuildError(m_context, L"<Grid><PathGeometry><Data/></PathGeometry></Grid>"),
            "Cannot add content to an object of type 'CTKMarkupPathGeometry'");
  EXPECT_EQ(BuildError(m_context, L"<Grid><Figures><Figures/></Figures></Grid>"),
            "Cannot add content to an object of type 'CTKMarkupPathGeometryFigures'");
}

}  // namespace
