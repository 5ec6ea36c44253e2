// The windowless rich-text renderer over the system's text services, and the
// search for the rich-edit library.
#include "common/TKRichRender.h"

#include <gtest/gtest.h>

#include <string>

#include "testsupport/DibSurface.h"

namespace {

std::wstring TextOf(CTKRichRender& render) {
  BSTR bstr = nullptr;
  if (FAILED(render.GetTextServices()->TxGetText(&bstr)) || bstr == nullptr) return L"";
  std::wstring text(bstr);
  ::SysFreeString(bstr);
  // The text services end every text with a paragraph mark.
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n')) text.pop_back();
  return text;
}

TEST(RichEditClassTest, SkipFindsNothingAndLoadsNothing) {
  WNDCLASSA wc;
  memset(&wc, 0x5A, sizeof wc);
  int nIndex = 3;
  EXPECT_FALSE(FindRichEditClass(TRUE, 1, nIndex, wc));
  EXPECT_EQ(3, nIndex);
  EXPECT_EQ(reinterpret_cast<HINSTANCE>(0x5A5A5A5A5A5A5A5A), wc.hInstance);
}

TEST(RichEditClassTest, NewestLibraryDownToTheIndexGivesItsModule) {
  WNDCLASSA wc;
  int nIndex = 1;
  ASSERT_TRUE(FindRichEditClass(FALSE, 1, nIndex, wc));
  EXPECT_GE(nIndex, 1);
  EXPECT_NE(nullptr, wc.hInstance);
  EXPECT_NE(nullptr, wc.lpfnWndProc);
  // The renderer's search never reaches the oldest library.
  EXPECT_EQ(NULL, ::GetModuleHandleA("riched32.dll"));

  // Mode 0 asks for exactly one entry; the found one exists.
  int nSame = nIndex;
  WNDCLASSA wcSame;
  EXPECT_TRUE(FindRichEditClass(FALSE, 0, nSame, wcSame));
  EXPECT_EQ(nIndex, nSame);
  int nOutside = 9;
  EXPECT_FALSE(FindRichEditClass(FALSE, 0, nOutside, wcSame));
}

class RichRenderTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_render.HasTextServices()); }
  CTKRichRender m_render;
};

TEST_F(RichRenderTest, DefaultFormatComesFromTheMessageFont) {
  const CHARFORMATW& cf = m_render.GetDefaultCharFormat();
  EXPECT_EQ(static_cast<DWORD>(0xE800000F), cf.dwMask);
  EXPECT_GT(cf.yHeight, 0);
  EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), cf.crTextColor);
  EXPECT_NE(L'\0', cf.szFaceName[0]);
}

TEST_F(RichRenderTest, TextIsLoadedAsRtfOrAsPlainText) {
  struct Case {
    const char* pText;
    const wchar_t* pShown;
  };
  const Case cases[] = {
      {"{\\rtf1\\ansi Hello {\\b bold}}", L"Hello bold"},
      // A brace that starts no RTF: read again as plain text, brace kept.
      {"{not rtf at all", L"{not rtf at all"},
      {"plain words", L"plain words"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pText);
    EXPECT_GT(m_render.SetText(c.pText), 0);
    EXPECT_EQ(std::wstring(c.pShown), TextOf(m_render));
  }
}

TEST_F(RichRenderTest, EmptyTextClearsTheRenderer) {
  m_render.SetText("something");
  EXPECT_EQ(0, m_render.SetText(""));
  EXPECT_EQ(L"", TextOf(m_render));
  m_render.SetText("something");
  EXPECT_EQ(0, m_render.SetText(nullptr));
  EXPECT_EQ(L"", TextOf(m_render));
}

TEST_F(RichRenderTest, ExtentWrapsLongTextAtAboutTheWidth) {
  CDibSurface surface(10, 10);
  m_render.SetText("Short");
  CSize sizeShort = m_render.GetTextExtent(surface.GetDC(), 300);
  EXPECT_GT(sizeShort.cx, 0);
  EXPECT_LT(sizeShort.cx, 150);
  EXPECT_GT(sizeShort.cy, 0);

  m_render.SetText(
      "A longer text that cannot stand on one line of a narrow tip and so is wrapped "
      "over several lines by the text services.");
  CSize sizeLong = m_render.GetTextExtent(surface.GetDC(), 120);
  EXPECT_LE(sizeLong.cx, 121);
  EXPECT_GT(sizeLong.cx, 60);
  EXPECT_GE(sizeLong.cy, 3 * sizeShort.cy);
}

TEST_F(RichRenderTest, ExtentOfATextOnOneLineIsItsOwnWidth) {
  CDibSurface surface(10, 10);
  m_render.SetText("Two words");
  CSize sizeWide = m_render.GetTextExtent(surface.GetDC(), 400);
  CSize sizeNarrower = m_render.GetTextExtent(surface.GetDC(), 200);
  EXPECT_EQ(sizeWide, sizeNarrower);
}

TEST_F(RichRenderTest, DrawPutsTheTextColourIntoTheRectangleOnly) {
  CHARFORMATW cf = m_render.GetDefaultCharFormat();
  cf.crTextColor = RGB(255, 0, 0);
  cf.yHeight = 480;
  cf.dwEffects = CFE_BOLD;
  m_render.SetDefaultCharFormat(cf);
  m_render.SetText("IIII");
  CDibSurface surface(120, 60, RGB(255, 255, 255));
  m_render.Draw(surface.GetDC(), CRect(10, 10, 110, 50));
  EXPECT_GT(surface.CountPixels(CRect(10, 10, 110, 50), RGB(255, 0, 0)), 40);
  EXPECT_EQ(0, surface.CountPixels(CRect(0, 0, 120, 10), RGB(255, 0, 0)));
  EXPECT_EQ(0, surface.CountPixels(CRect(0, 0, 10, 60), RGB(255, 0, 0)));
}

}  // namespace
