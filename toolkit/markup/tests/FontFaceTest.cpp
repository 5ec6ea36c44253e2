// Font family names in the LOGFONT face-name field: cut to fit, and names the
// ANSI code page cannot spell carried as wide text into the font made.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "SupportMarkup.h"
#include "TKMarkupFont.h"

namespace {

// A LOGFONT with guard bytes right after it, to see writes past the field.
struct GuardedFont {
  LOGFONTA font;
  unsigned char guard[64];
};

bool HasCharacterOutsideCodePage(const std::wstring& text) {
  BOOL bLost = FALSE;
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), static_cast<int>(text.size()),
                      nullptr, 0, nullptr, &bLost);
  return bLost != FALSE;
}

TEST(FontFace, NamesAreCutToTheFieldAndCarriedWideWhenTheCodePageLacksThem) {
  const std::wstring kLong(40, L'F');
  const std::wstring kGreek = L"\x03A9\x03BC\x03AD\x03B3\x03B1 Sans";
  std::wstring longGreek;
  for (int i = 0; i < 40; ++i) longGreek += L'\x03A9';
  // A pair of surrogates straddling the last unit that fits.
  std::wstring straddling = std::wstring(30, L'\x03A9') + L"\xD83D\xDE00" + L"xyz";
  ASSERT_TRUE(HasCharacterOutsideCodePage(kGreek)) << "the test needs a code page without Greek";
  struct Case {
    std::wstring family;
    std::string ansi;  // what the face-name field must hold
    bool bWide;
    std::wstring wide;
  } cases[] = {
      {L"Tahoma", "Tahoma", false, L""},
      {L"", "", false, L""},
      {kLong, std::string(31, 'F'), false, L""},
      {kGreek, "", true, kGreek},
      {longGreek, "", true, longGreek.substr(0, 31)},
      {straddling, "", true, straddling.substr(0, 30)},
  };
  for (const Case& c : cases) {
    GuardedFont guarded;
    memset(&guarded, 0xCC, sizeof(guarded));
    WCHAR szWide[LF_FACESIZE];
    BOOL bWide = TKMarkupSetFaceName(guarded.font, c.family.c_str(), -1, szWide);
    EXPECT_EQ(bWide != FALSE, c.bWide);
    EXPECT_LT(strlen(guarded.font.lfFaceName), static_cast<size_t>(LF_FACESIZE));
    if (!c.bWide) {
      EXPECT_EQ(std::string(guarded.font.lfFaceName), c.ansi);
      EXPECT_STREQ(szWide, L"");
    } else {
      EXPECT_EQ(std::wstring(szWide), c.wide);
    }
    for (unsigned char guard : guarded.guard) ASSERT_EQ(guard, 0xCC) << "written past the field";
  }
  WCHAR szWide[LF_FACESIZE];
  LOGFONTA font = {};
  EXPECT_FALSE(TKMarkupSetFaceName(font, nullptr, -1, szWide));
  EXPECT_STREQ(font.lfFaceName, "");
}

TEST(FontFace, AWideNameMakesItsOwnFontFromTheWideText) {
  CTestContext context;
  const std::wstring kGreek = L"\x03A9\x03BC\x03AD\x03B3\x03B1 Sans";
  LOGFONTA font = {};
  font.lfHeight = -13;
  WCHAR szWide[LF_FACESIZE];
  ASSERT_TRUE(TKMarkupSetFaceName(font, kGreek.c_str(), -1, szWide));
  CTKMarkupFont* pWide = context->GetFont(font, szWide);
  CTKMarkupFont* pSame = context->GetFont(font, szWide);
  CTKMarkupFont* pAnsi = context->GetFont(font);
  EXPECT_EQ(pWide, pSame);
  EXPECT_NE(pWide, pAnsi);
  LOGFONTW made = {};
  ASSERT_TRUE(GetObjectW(pWide->GetHandle(), sizeof(made), &made));
  EXPECT_EQ(std::wstring(made.lfFaceName), kGreek);
  EXPECT_EQ(made.lfHeight, -13);
  EXPECT_EQ(std::wstring(pWide->GetWideFaceName()), kGreek);
  EXPECT_STREQ(pAnsi->GetWideFaceName(), L"");
  pWide->Release();
  pSame->Release();
  pAnsi->Release();
}

}  // namespace
