// Markup value converters: colours, numbers, lengths, booleans, number
// lists, enumerations and cursors, and DPI scaling through the context.
#include <gtest/gtest.h>

#include <limits.h>

#include "SupportMarkup.h"
#include "common/TKDpiHelper.h"
#include "TKMarkupConverters.h"
#include "TKMarkupDoubleCollection.h"
#include "TKMarkupString.h"
#include "TKMarkupValues.h"

namespace {

CTKMarkupString* Text(const wchar_t* lpszText) { return CTKMarkupString::CreateValue(lpszText); }

TEST(Converters, Colors) {
  struct Case {
    const wchar_t* text;
    bool ok;
    DWORD color;
  };
  const Case cases[] = {
      {L"#FF0000", true, 0xFF0000FF},
      {L"#80FF0000", true, 0x800000FF},
      {L"#00ff80", true, 0xFF80FF00},
      {L"#F00", false, 0},
      {L"#FF00000", false, 0},
      {L"#GG0000", false, 0},
      {L"red", true, 0xFF0000FF},
      {L"RED", true, 0xFF0000FF},
      {L"Red", true, 0xFF0000FF},
      {L"gray", true, 0xFF808080},
      {L"grey", false, 0},
      {L"lightgrey", false, 0},
      {L"transparent", true, 0x00FFFFFF},
      {L"CornflowerBlue", true, 0xFFED9564},
      {L"YellowGreen", true, 0xFF32CD9A},
      {L"AliceBlue", true, 0xFFFFF8F0},
      {L"1red", false, 0},
      {L"", false, 0},
  };
  for (const Case& c : cases) {
    DWORD color = 0;
    EXPECT_EQ(ParseMarkupColor(c.text, &color) != FALSE, c.ok) << CStringA(c.text).GetString();
    if (c.ok) {
      EXPECT_EQ(color, c.color) << CStringA(c.text).GetString();
    }
  }
  EXPECT_FALSE(ParseMarkupColor(nullptr, nullptr));
}

TEST(Converters, Numbers) {
  struct Case {
    const wchar_t* text;
    bool ok;
    double value;
  };
  const Case cases[] = {
      {L"2", true, 2},    {L"  2  ", true, 2},  {L"-.5", true, -0.5}, {L"+1.25", true, 1.25},
      {L"1e3", false, 0}, {L"1.2.3", false, 0}, {L"-", false, 0},     {L"", false, 0},
      {L".", false, 0},   {L"1 2", false, 0},   {L"12a", false, 0},
  };
  for (const Case& c : cases) {
    LPCWSTR p = c.text;
    double value = 0;
    EXPECT_EQ(ParseMarkupNumber(&p, &value, 0, TRUE) != FALSE, c.ok)
        << CStringA(c.text).GetString();
    if (c.ok) {
      EXPECT_DOUBLE_EQ(value, c.value) << CStringA(c.text).GetString();
    }
  }
  // A list read one number at a time with a separator.
  LPCWSTR p = L"1 , 2,3 4";
  double values[4] = {};
  for (double& value : values) ASSERT_TRUE(ParseMarkupNumber(&p, &value, L',', FALSE));
  EXPECT_EQ(*p, 0);
  EXPECT_DOUBLE_EQ(values[3], 4);
  // A number too long for a double is no number.
  std::wstring huge(400, L'9');
  p = huge.c_str();
  double value = 0;
  EXPECT_FALSE(ParseMarkupNumber(&p, &value, 0, TRUE));
}

TEST(Converters, Integers) {
  EXPECT_EQ(ReadMarkupInteger(L"  -42px"), -42);
  EXPECT_EQ(ReadMarkupInteger(L"abc"), 0);
  EXPECT_EQ(ReadMarkupInteger(L"99999999999999"), INT_MAX);
  EXPECT_EQ(ReadMarkupInteger(L"-99999999999999"), INT_MIN);
}

class ConverterTest : public ::testing::Test {
 protected:
  void SetUp() override { m_types = &RegisterTestElements(); }
  // Runs a metadata converter (or the value type's) on a text, through a
  // builder of the test's context.
  CTKMarkupObject* Convert(CTKMarkupDependencyProperty* pProperty, const wchar_t* lpszText) {
    CTKMarkupBuilder builder(m_context);
    CTKMarkupAutoPtr<> text(Text(lpszText));
    try {
      m_converted.Assign(builder.ConvertValue(pProperty, text));
    } catch (CTKMarkupBuilderException* e) {
      e->Delete();
      m_converted.Assign(nullptr);
    }
    return m_converted;
  }
  int IntOf(CTKMarkupDependencyProperty* pProperty, const wchar_t* lpszText) {
    CTKMarkupObject* pValue = Convert(pProperty, lpszText);
    if (CTKMarkupInt* pInt = MarkupCast<CTKMarkupInt>(pValue)) return pInt->GetValue();
    if (CTKMarkupEnum* pEnum = MarkupCast<CTKMarkupEnum>(pValue)) return pEnum->GetValue();
    return -999;
  }

  const TestTypes* m_types = nullptr;
  CTestContext m_context;
  CTKMarkupAutoPtr<> m_converted;
};

TEST_F(ConverterTest, Lengths) {
  struct Case {
    const wchar_t* text;
    int value;
  };
  const Case cases[] = {{L"Auto", INT_MAX}, {L"aUTO", INT_MAX}, {L"12pt", 16},
                        {L"1in", 96},       {L"1cm", 37},       {L"10mm", 37},
                        {L"0pt", 0},        {L"2.5cm", 75},     {L"-3", -3},
                        {L"7PT", 9},        {L"x", 0},          {L"99999999in", INT_MAX}};
  for (const Case& c : cases)
    EXPECT_EQ(IntOf(m_types->pFontSize, c.text), c.value) << CStringA(c.text).GetString();
}

TEST_F(ConverterTest, LengthsAndIntegersScaleWithTheContextsDpi) {
  m_context->SetDpiAware(TRUE, nullptr);
  m_context->GetDpiHelper()->OverrideDpi(120, 144);
  EXPECT_EQ(IntOf(m_types->pFontSize, L"12pt"), 24);  // flags 0x85: scaled along y
  EXPECT_EQ(IntOf(m_types->pFontSize, L"Auto"), INT_MAX);
  EXPECT_EQ(IntOf(m_types->pWidth, L"100"), 125);    // the Int type's own conversion, x
  EXPECT_EQ(IntOf(m_types->pGridRow, L"100"), 100);  // no DPI flag
  m_context->SetDpiAware(FALSE, nullptr);
  EXPECT_EQ(IntOf(m_types->pWidth, L"100"), 100);
}

TEST_F(ConverterTest, Enumerations) {
  EXPECT_EQ(IntOf(m_types->pFontWeight, L"BOLD"), 700);
  EXPECT_EQ(IntOf(m_types->pFontWeight, L"semibold"), 600);
  EXPECT_EQ(IntOf(m_types->pFontWeight, L"ExtraBlack"), 950);
  EXPECT_EQ(IntOf(m_types->pFontWeight, L"ultralight"), -999);
  EXPECT_EQ(IntOf(m_types->pFontWeight, L"Bold "), -999);

  struct Case {
    TK_MARKUP_CONVERTER pfn;
    const wchar_t* text;
    int value;
  };
  const Case cases[] = {
      {&ConvertTextDecorations, L"", 0},
      {&ConvertTextDecorations, L"strikethrough", 2},
      {&ConvertFontStyle, L"Italic", 1},
      {&ConvertFontQuality, L"cleartype", 5},
      {&ConvertHorizontalAlignment, L"Stretch", 3},
      {&ConvertVerticalAlignment, L"bottom", 2},
      {&ConvertTextWrapping, L"WrapWithOverflow", 2},
      {&ConvertTextTrimming, L"WordEllipsis", 2},
      {&ConvertTextAlignment, L"Justify", 3},
      {&ConvertOrientation, L"Vertical", 1},
      {&ConvertBaselineAlignment, L"Superscript", 7},
      {&ConvertVisibility, L"Collapsed", 2},
      {&ConvertScrollBarVisibility, L"Visible", 2},
      {&ConvertScrollBarVisibility, L"Hidden", -1},
      {&ConvertStretch, L"UniformToFill", 3},
      {&ConvertStretch, L"Stretch", -1},
      {&ConvertStretch, L"uniformtofill", 3},
      {&ConvertStretch, L"Uniform2", -1},
      {&ConvertLineCap, L"ROUND", 2},
      {&ConvertLineCap, L"Triangle", 3},
      {&ConvertLineCap, L"Rounded", -1},
      {&ConvertLineJoin, L"bevel", 1},
      {&ConvertLineJoin, L"Flat", -1},
      {&ConvertSmoothingMode, L"AntiAlias", 4},
      {&ConvertSmoothingMode, L"highspeed", 2},
      {&ConvertSmoothingMode, L"ClearType", -1},
  };
  for (const Case& c : cases) {
    CTKMarkupAutoPtr<> text(Text(c.text));
    CTKMarkupAutoPtr<> value(c.pfn(nullptr, text, nullptr));
    CTKMarkupEnum* pEnum = MarkupCast<CTKMarkupEnum>(value);
    EXPECT_EQ(pEnum != nullptr ? pEnum->GetValue() : -1, c.value) << CStringA(c.text).GetString();
  }
  // Enumeration values below 8 are the shared ones.
  CTKMarkupAutoPtr<> text(Text(L"Center"));
  CTKMarkupAutoPtr<> first(ConvertVerticalAlignment(nullptr, text, nullptr));
  CTKMarkupAutoPtr<> second(ConvertVerticalAlignment(nullptr, text, nullptr));
  EXPECT_EQ(first.Get(), second.Get());
}

TEST_F(ConverterTest, Cursors) {
  struct Case {
    const wchar_t* text;
    int id;
  };
  const Case cases[] = {{L"None", 0},         {L"arrow", 32512},      {L"IBeam", 32513},
                        {L"Wait", 32514},     {L"Cross", 32515},      {L"UpArrow", 32516},
                        {L"SizeNWSE", 32642}, {L"SizeNESW", 32643},   {L"SizeWE", 32644},
                        {L"SizeNS", 32645},   {L"SizeAll", 32646},    {L"No", 32648},
                        {L"HAND", 32649},     {L"AppStarting", 32650}};
  for (const Case& c : cases)
    EXPECT_EQ(IntOf(m_types->pCursor, c.text), c.id) << CStringA(c.text).GetString();
  // An unknown name is no cursor; the builder then reads the text as an
  // integer, which gives 0.
  CTKMarkupAutoPtr<> help(Text(L"Help"));
  EXPECT_EQ(ConvertMarkupCursor(nullptr, help, nullptr), nullptr);
  EXPECT_EQ(IntOf(m_types->pCursor, L"Help"), 0);
}

TEST_F(ConverterTest, BooleansAndNumberLists) {
  CTKMarkupDependencyProperty* pFlag =
      CTKMarkupDependencyProperty::Register(L"Flag", CTKMarkupBool::StaticType(), m_types->pLeaf);
  EXPECT_TRUE(MarkupCast<CTKMarkupBool>(Convert(pFlag, L"TRUE"))->GetValue());
  EXPECT_FALSE(MarkupCast<CTKMarkupBool>(Convert(pFlag, L"false"))->GetValue());
  EXPECT_EQ(Convert(pFlag, L"yes"), nullptr);

  struct Case {
    const wchar_t* text;
    int count;  // -1: refused
  };
  const Case cases[] = {{L"1,2", 2}, {L"1 2", 2},    {L"1, 2", 2},  {L"1 ,2", -1},
                        {L"", 0},    {L"-1.5 3", 2}, {L"1..2", -1}, {L"a", -1}};
  for (const Case& c : cases) {
    CTKMarkupDoubleCollection* pList =
        MarkupCast<CTKMarkupDoubleCollection>(Convert(m_types->pDashes, c.text));
    EXPECT_EQ(pList != nullptr ? pList->GetCount() : -1, c.count) << CStringA(c.text).GetString();
  }
  CTKMarkupDoubleCollection* pList =
      MarkupCast<CTKMarkupDoubleCollection>(Convert(m_types->pDashes, L"-1.5 3"));
  ASSERT_NE(pList, nullptr);
  EXPECT_FLOAT_EQ(pList->GetData()[0], -1.5f);
}

TEST_F(ConverterTest, DoublesScaleLikeIntegers) {
  CTKMarkupDependencyProperty* pOffset = CTKMarkupDependencyProperty::Register(
      L"Offset", CTKMarkupDouble::StaticType(), m_types->pLeaf,
      new CTKMarkupPropertyMetadata(nullptr, TK_MARKUP_SCALE_DPI_Y));
  m_context->SetDpiAware(TRUE, nullptr);
  m_context->GetDpiHelper()->OverrideDpi(144, 144);
  EXPECT_DOUBLE_EQ(MarkupCast<CTKMarkupDouble>(Convert(pOffset, L"1.5"))->GetValue(), 2.25);
  EXPECT_EQ(Convert(pOffset, L"1e3"), nullptr);
}

TEST(Converters, OnlyStringsAreConverted) {
  CTKMarkupAutoPtr<> number(new CTKMarkupInt(1));
  EXPECT_EQ(ConvertMarkupLength(nullptr, number, nullptr), nullptr);
  EXPECT_EQ(ConvertMarkupCursor(nullptr, number, nullptr), nullptr);
  EXPECT_EQ(ConvertStretch(nullptr, number, nullptr), nullptr);
  EXPECT_EQ(ConvertStretch(nullptr, nullptr, nullptr), nullptr);
}

}  // namespace
