// Theme drawings read from a zipped style archive: finding items, what an
// empty part answers, rendering, measuring and recolouring named elements.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SupportImages.h"
#include "common/TKDpiHelper.h"
#include "markup/TKMarkupFlat.h"
#include "testsupport/DibSurface.h"
#include "themes/TKMarkupThemePart.h"

using TestImages::MakeZip;
using TestImages::ZipItem;

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 128, 0);
const COLORREF kWhite = RGB(255, 255, 255);

const char kSquare[] = "<Rectangle Fill='#FF0000'/>";
// A 9 x 9 glyph on a canvas, as the caption buttons' drawings are.
const char kGlyph[] =
    "<Canvas Width='9' Height='9'><Line X1='0' Y1='4' X2='9' Y2='4' Stroke='#0000FF' "
    "StrokeThickness='2'/></Canvas>";
const char kButton[] =
    "<Border Name='Border' Background='#FF0000' BorderBrush='#0000FF' BorderThickness='1'>"
    "<Canvas Name='Canvas'><Rectangle Name='Fill' Canvas.Left='3' Canvas.Top='3' Width='4' "
    "Height='4' Fill='#0000FF'/></Canvas></Border>";

ZipItem Item(const std::string& name, const std::string& text) {
  ZipItem item;
  item.name = name;
  item.data = text;
  return item;
}

class MarkupThemePartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    m_pContext = CreateMarkupContext(nullptr, TRUE);
  }
  void TearDown() override {
    for (HTKZIP hZip : m_zips) CloseZipArchive(hZip);
    ReleaseMarkupContext(m_pContext);
  }
  HTKZIP Open(const std::vector<ZipItem>& items) {
    m_bytes.push_back(MakeZip(items));
    HTKZIP hZip = OpenZipArchive(m_bytes.back().data(), (DWORD)m_bytes.back().size(), nullptr);
    if (hZip != nullptr) m_zips.push_back(hZip);
    return hZip;
  }

  CTKMarkupContext* m_pContext = nullptr;
  std::vector<std::string> m_bytes;
  std::vector<HTKZIP> m_zips;
};

TEST_F(MarkupThemePartTest, AnItemIsFoundInAnyLetterCaseAndDrawsItsRectangle) {
  HTKZIP hZip = Open({Item("Frame/BorderTopActive.xaml", kSquare)});
  CTKMarkupThemePart part;
  ASSERT_TRUE(part.LoadFromZip(hZip, "frame/BORDERTOPACTIVE.XAML", m_pContext));

  CDibSurface surface(20, 20);
  EXPECT_NE(0, part.Render(surface.GetDC(), CRect(5, 5, 15, 10)));
  EXPECT_EQ(50, surface.CountPixels(kRed));
  EXPECT_EQ(kRed, surface.GetPixel(5, 5));
  EXPECT_EQ(kWhite, surface.GetPixel(15, 10));
}

TEST_F(MarkupThemePartTest, WhatLeavesAPartEmpty) {
  const std::string notAZip = "PK but no archive";
  struct Case {
    const char* what;
    std::vector<ZipItem> items;
    bool bOpens;
  } cases[] = {
      {"absent item", {Item("Other.xaml", kSquare)}, true},
      {"text that does not parse", {Item("Part.xaml", "<Rectangle Fill=")}, true},
      {"text of no element", {Item("Part.xaml", "")}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CTKMarkupThemePart part;
    EXPECT_FALSE(part.LoadFromZip(Open(c.items), "Part.xaml", m_pContext));
    EXPECT_FALSE(part.IsLoaded());
    CDibSurface surface(10, 10);
    EXPECT_EQ(0, part.Render(surface.GetDC(), CRect(0, 0, 10, 10)));
    EXPECT_EQ(100, surface.CountPixels(kWhite));
    EXPECT_EQ(CSize(0, 0), part.GetDesiredSize(100, 100));
    part.SetBorderColors(kRed, kRed);  // nothing to recolour, nothing happens
  }
  // An archive that does not open gives no handle to load from.
  EXPECT_EQ(nullptr, OpenZipArchive(notAZip.data(), (DWORD)notAZip.size(), nullptr));
  CTKMarkupThemePart part;
  EXPECT_FALSE(part.LoadFromZip(nullptr, "Part.xaml", m_pContext));
  EXPECT_EQ(CSize(0, 0), part.GetDesiredSize(10, 10));
}

TEST_F(MarkupThemePartTest, AMissingStyleResourceOpensNoArchive) {
  CTKMarkupStyleArchive archive("NO_SUCH_STYLE");
  EXPECT_EQ(nullptr, archive.GetHandle());
}

TEST_F(MarkupThemePartTest, ANullDeviceContextDrawsNothing) {
  CTKMarkupThemePart part;
  ASSERT_TRUE(part.LoadFromZip(Open({Item("Part.xaml", kSquare)}), "Part.xaml", m_pContext));
  EXPECT_EQ(0, part.Render(nullptr, CRect(0, 0, 10, 10)));
}

TEST_F(MarkupThemePartTest, AGlyphMeasuresItsNaturalSizeInAnyButton) {
  CTKMarkupThemePart part;
  ASSERT_TRUE(part.LoadFromZip(Open({Item("Glyph.xaml", kGlyph)}), "Glyph.xaml", m_pContext));
  EXPECT_EQ(CSize(9, 9), part.GetDesiredSize(20, 18));
  EXPECT_EQ(CSize(9, 9), part.GetDesiredSize(40, 30));
}

TEST_F(MarkupThemePartTest, RecolouringChangesTheNamedElementsOnly) {
  CTKMarkupThemePart part;
  ASSERT_TRUE(part.LoadFromZip(Open({Item("Button.xaml", kButton)}), "Button.xaml", m_pContext));
  const CRect rc(0, 0, 10, 10);
  {
    part.SetBorderColors(kGreen, kGreen);
    part.SetFillColor(kRed);
    CDibSurface surface(10, 10);
    part.Render(surface.GetDC(), rc);
    EXPECT_EQ(kGreen, surface.GetPixel(0, 0));  // edge
    EXPECT_EQ(kGreen, surface.GetPixel(2, 2));  // background
    EXPECT_EQ(kRed, surface.GetPixel(5, 5));    // the shape named "Fill"
  }
  {
    part.SetBackgroundColor(static_cast<COLORREF>(-1));  // no background brush at all
    CDibSurface surface(10, 10, kBlue);
    part.Render(surface.GetDC(), rc);
    EXPECT_EQ(kGreen, surface.GetPixel(0, 0));
    EXPECT_EQ(kBlue, surface.GetPixel(2, 2));
  }
}

}  // namespace
