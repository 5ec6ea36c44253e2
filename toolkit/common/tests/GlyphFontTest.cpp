// The glyph font, registered from this program's resources: every character
// code the toolkit draws gives a picture of its own inside the rectangle.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "common/TKGlyphFont.h"
#include "testsupport/DibSurface.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kInk = RGB(0, 0, 0);

// The codes the toolkit draws, and what they show.
const struct {
  char code;
  const char* picture;
} kGlyphs[] = {{'\'', "minimise"},
               {'(', "maximise"},
               {')', "restore"},
               {'+', "close"},
               {'-', "check"},
               {'.', "check mirrored"},
               {'/', "radio bullet"},
               {'0', "arrow left"},
               {'1', "arrow right"},
               {'2', "arrow up"},
               {'3', "arrow down"},
               {'6', "spin up"},
               {'7', "spin down"},
               {'9', "small chevron right"},
               {';', "small chevron down"},
               {'=', "chevron down"},
               {'>', "chevron right"},
               {'A', "customise right"},
               {'C', "customise down"}};

const CRect kCell(4, 4, 36, 36);

// Draws one glyph on a white surface and returns where the ink is, row by row.
std::string DrawAndTrace(char code, COLORREF clr = kInk) {
  CDibSurface surface(40, 40);
  EXPECT_TRUE(TKGlyphFont()->DrawGlyph(surface.GetDC(), code, kCell, clr));
  std::string trace;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) trace += surface.GetPixel(x, y) == kWhite ? '.' : '#';
  return trace;
}

int InkIn(const std::string& trace, const CRect& rc) {
  int n = 0;
  for (int y = rc.top; y < rc.bottom; ++y)
    for (int x = rc.left; x < rc.right; ++x) n += trace[y * 40 + x] == '#';
  return n;
}

int Ink(const std::string& trace) { return InkIn(trace, CRect(0, 0, 40, 40)); }

TEST(GlyphFont, TheFontComesFromTheResource) {
  ASSERT_TRUE(TKGlyphFont()->EnsureLoaded());
  ASSERT_NE(nullptr, TKGlyphFont()->GetFont());
  LOGFONT lf;
  TKGlyphFont()->GetFont()->GetLogFont(&lf);
  EXPECT_STREQ("Glyphwick", lf.lfFaceName);
  // The font is the one drawn with: its face, not a substitute.
  CDibSurface surface(4, 4);
  CFont* pOld = surface.GetDC()->SelectObject(TKGlyphFont()->GetFont());
  char szFace[LF_FACESIZE] = {};
  surface.GetDC()->GetTextFace(LF_FACESIZE, szFace);
  surface.GetDC()->SelectObject(pOld);
  EXPECT_STREQ("Glyphwick", szFace);
}

TEST(GlyphFont, EveryGlyphDrawsInsideItsRectangle) {
  std::set<std::string> pictures;
  for (const auto& glyph : kGlyphs) {
    std::string trace = DrawAndTrace(glyph.code);
    const int ink = Ink(trace);
    EXPECT_GT(ink, 20) << glyph.picture;
    EXPECT_EQ(ink, InkIn(trace, kCell)) << glyph.picture;
    pictures.insert(trace);
  }
  // No two codes show the same picture.
  EXPECT_EQ(sizeof kGlyphs / sizeof kGlyphs[0], pictures.size());
}

TEST(GlyphFont, ShapesPointWhereTheirNamesSay) {
  const CRect top(0, 0, 40, 20), bottom(0, 20, 40, 40), left(0, 0, 20, 40), right(20, 0, 40, 40);
  // A triangle has more ink at its base than at its tip.
  std::string up = DrawAndTrace('2'), down = DrawAndTrace('3');
  EXPECT_GT(InkIn(up, bottom), InkIn(up, top));
  EXPECT_GT(InkIn(down, top), InkIn(down, bottom));
  std::string leftArrow = DrawAndTrace('0'), rightArrow = DrawAndTrace('1');
  EXPECT_GT(InkIn(leftArrow, right), InkIn(leftArrow, left));
  EXPECT_GT(InkIn(rightArrow, left), InkIn(rightArrow, right));
  // Minimise is a bar at the bottom; close crosses the middle.
  std::string minimise = DrawAndTrace('\'');
  EXPECT_EQ(0, InkIn(minimise, top));
  std::string close = DrawAndTrace('+');
  EXPECT_GT(InkIn(close, CRect(18, 18, 22, 22)), 8);
  // The check mark and its mirror image.
  std::string check = DrawAndTrace('-'), mirrored = DrawAndTrace('.');
  EXPECT_GT(InkIn(check, CRect(28, 4, 36, 16)), InkIn(check, CRect(4, 4, 12, 16)));
  EXPECT_GT(InkIn(mirrored, CRect(4, 4, 12, 16)), InkIn(mirrored, CRect(28, 4, 36, 16)));
}

TEST(GlyphFont, GlyphsTakeTheirColourAndTheDcsWhenNoneIsGiven) {
  CDibSurface surface(40, 40);
  EXPECT_TRUE(TKGlyphFont()->DrawGlyph(surface.GetDC(), '+', kCell, RGB(200, 0, 0)));
  EXPECT_GT(surface.CountPixels(RGB(200, 0, 0)), 20);
  surface.Fill(kWhite);
  surface.GetDC()->SetTextColor(RGB(0, 0, 200));
  EXPECT_TRUE(TKGlyphFont()->DrawGlyph(surface.GetDC(), '+', kCell, CLR_NONE));
  EXPECT_GT(surface.CountPixels(RGB(0, 0, 200)), 20);
}

TEST(GlyphFont, OutlinedGlyphsStrokeTheShape) {
  CDibSurface surface(40, 40);
  EXPECT_TRUE(
      TKGlyphFont()->DrawGlyph(surface.GetDC(), '(', kCell, RGB(0, 128, 0), CLR_NONE, TRUE));
  const int outline = surface.CountPixels(RGB(0, 128, 0));
  EXPECT_GT(outline, 20);
  surface.Fill(kWhite);
  CPen pen(PS_SOLID, 1, RGB(0, 0, 128));
  EXPECT_TRUE(
      TKGlyphFont()->DrawGlyph(surface.GetDC(), '(', kCell, RGB(0, 128, 0), CLR_NONE, TRUE, &pen));
  EXPECT_GT(surface.CountPixels(RGB(0, 0, 128)), 20);
  EXPECT_EQ(0, surface.CountPixels(RGB(0, 128, 0)));
}

TEST(GlyphFont, NothingFitsAnEmptyRectangle) {
  CDibSurface surface(10, 10);
  EXPECT_FALSE(TKGlyphFont()->DrawGlyph(surface.GetDC(), '+', CRect(2, 2, 2, 8), kInk));
  EXPECT_EQ(100, surface.CountPixels(kWhite));
  EXPECT_FALSE(TKGlyphFont()->DrawGlyph(nullptr, '+', kCell, kInk));
}

TEST(GlyphFont, SmallButtonsStillShowTheirGlyph) {
  // The size of a scroll-bar arrow or a menu mark.
  for (const auto& glyph : kGlyphs) {
    CDibSurface surface(20, 20);
    EXPECT_TRUE(TKGlyphFont()->DrawGlyph(surface.GetDC(), glyph.code, CRect(2, 2, 14, 14), kInk));
    EXPECT_GT(144 - surface.CountPixels(CRect(2, 2, 14, 14), kWhite), 4) << glyph.picture;
  }
}

}  // namespace
