// The message-bar paint managers: faces and glyphs of the buttons, the bar's
// fill and the geometry the bar lays itself out with.
#include <gtest/gtest.h>

#include "SupportThemePaintManager.h"
#include "common/TKColorManager.h"
#include "common/TKDpiHelper.h"
#include "testsupport/DibSurface.h"
#include "common/TKResourceImages.h"
#include "themes/TKMessageBarPaintManager.h"

namespace {

const COLORREF kBack = RGB(255, 255, 255);

class CFixedBar : public ITKMessageBarView {
 public:
  CFixedBar(CRect rcClient, CRect rcMessage) : m_rcClient(rcClient), m_rcMessage(rcMessage) {}
  CRect GetClientRect() const override { return m_rcClient; }
  CRect GetMessageRect() const override { return m_rcMessage; }
  CRect m_rcClient;
  CRect m_rcMessage;
};

/// The number of pixels in the rectangle that are none of the given colours.
int CountOthers(const CDibSurface& surface, const CRect& rc, COLORREF clrA, COLORREF clrB) {
  int n = 0;
  for (int y = rc.top; y < rc.bottom; ++y)
    for (int x = rc.left; x < rc.right; ++x) {
      const COLORREF clr = surface.GetPixel(x, y);
      if (clr != clrA && clr != clrB) ++n;
    }
  return n;
}

class MessageBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    m_pm.RefreshMetrics();
  }
  void TearDown() override { TKDpiHelper()->OverrideDpi(96, 96); }
  CScriptedSystemFonts m_fonts{-12};
  CTestThemePaintManager m_pm;
};

struct ButtonCase {
  BOOL bHot;
  BOOL bPressed;
  UINT nId;
  COLORREF clrFace;  // at the button's corner
  BOOL bGlyph;
};

class BaseButtonTest : public MessageBarTest, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(BaseButtonTest, CloseButtonsGetTheOwnersFaceOnlyWhenActive) {
  const ButtonCase& c = GetParam();
  CTKMessageBarPaintManager* pBar = m_pm.GetMessageBarPaintManager();
  ASSERT_NE(pBar, nullptr);
  CDibSurface surface(40, 40, kBack);
  const CRect rc(10, 10, 28, 28);
  pBar->DrawMessageBarButton(surface.GetDC(), TK_MESSAGEBAR_BUTTON{rc, c.bPressed, c.bHot, c.nId});
  const COLORREF clrFace = c.clrFace == CLR_NONE ? static_cast<COLORREF>(pBar->m_clrBorder) : c.clrFace;
  EXPECT_EQ(surface.GetPixel(rc.left, rc.top), clrFace);
  EXPECT_EQ(CountOthers(surface, rc, clrFace, static_cast<COLORREF>(pBar->m_clrBack)) > 0, c.bGlyph);
  EXPECT_EQ(surface.CountPixels(CRect(0, 0, 40, 10), kBack), 400);
}

INSTANTIATE_TEST_SUITE_P(
    States, BaseButtonTest,
    ::testing::Values(
        ButtonCase{TRUE, FALSE, SC_CLOSE, CTestThemePaintManager::kHotFace, TRUE},
        ButtonCase{TRUE, TRUE, SC_CLOSE, CTestThemePaintManager::kPressedFace, TRUE},
        ButtonCase{FALSE, FALSE, SC_CLOSE, kBack, TRUE},
        ButtonCase{TRUE, FALSE, 100, CTestThemePaintManager::kHotFace, FALSE},
        ButtonCase{FALSE, FALSE, 100, CLR_NONE, FALSE}));  // the border frames an idle button

TEST_F(MessageBarTest, TheBaseFramesTheMessageArea) {
  CTKMessageBarPaintManager* pBar = m_pm.GetMessageBarPaintManager();
  EXPECT_EQ(static_cast<COLORREF>(pBar->m_clrBack), TKColorManager()->GetColor(15));
  CDibSurface surface(60, 30, RGB(1, 1, 1));
  CFixedBar bar(CRect(0, 0, 60, 30), CRect(3, 3, 39, 27));
  pBar->FillMessageBar(surface.GetDC(), &bar);
  EXPECT_EQ(surface.GetPixel(1, 1), static_cast<COLORREF>(pBar->m_clrBack));
  EXPECT_EQ(surface.GetPixel(3, 10), static_cast<COLORREF>(pBar->m_clrBorder));
  EXPECT_EQ(surface.GetPixel(38, 10), static_cast<COLORREF>(pBar->m_clrBorder));
  EXPECT_EQ(surface.GetPixel(10, 10), static_cast<COLORREF>(pBar->m_clrMessageBack));
  EXPECT_EQ(surface.GetPixel(50, 10), static_cast<COLORREF>(pBar->m_clrBack));
}


class BaseGeometryTest : public MessageBarTest, public ::testing::WithParamInterface<int> {};

TEST_P(BaseGeometryTest, SizesScaleWithTheDpi) {
  TKDpiHelper()->OverrideDpi(GetParam(), GetParam());
  CTKDpiHelper* pDpi = TKDpiHelper();
  CTKMessageBarPaintManager* pBar = m_pm.GetMessageBarPaintManager();
  const int nHeight = ::GetSystemMetrics(SM_CYCAPTION) + pDpi->ScaleY(8);
  EXPECT_EQ(pBar->GetMessageBarHeight(), nHeight);
  EXPECT_EQ(pBar->GetButtonSize(), CSize(pDpi->ScaleX(89), nHeight - pDpi->ScaleY(8)));
  EXPECT_EQ(pBar->GetButtonMargins(), CRect(pDpi->ScaleX(5), 0, pDpi->ScaleX(5), 0));
  const int n = pDpi->ScaleX(18);
  EXPECT_EQ(pBar->GetCloseButtonRect(200, 0, 60),
            CRect(200 - n, (60 - n) / 2, 200, (60 - n) / 2 + n));

  CTKMessageBarThemeOffice2013 office2013(&m_pm);
  const int n8 = pDpi->ScaleX(8);
  EXPECT_EQ(office2013.GetCloseButtonRect(200, 0, 60),
            CRect(200 - pDpi->ScaleX(11) - n8, (60 - n8) / 2, 200 - pDpi->ScaleX(11), (60 - n8) / 2 + n8));
}

INSTANTIATE_TEST_SUITE_P(Dpis, BaseGeometryTest, ::testing::Values(96, 144, 192));

class Office2010CrossTest : public MessageBarTest, public ::testing::WithParamInterface<int> {};

TEST_P(Office2010CrossTest, TheCrossIsEightPixelsAtEveryDpi) {
  TKDpiHelper()->OverrideDpi(GetParam(), GetParam());
  CTKMessageBarThemeOffice2010 bar(&m_pm);
  bar.RefreshMetrics();
  bar.m_clrText.SetCustomValue(RGB(200, 0, 0));
  const CRect rc = bar.GetCloseButtonRect(100, 0, 30);
  EXPECT_EQ(rc, CRect(81, 11, 89, 19));
  CDibSurface surface(120, 40, kBack);
  bar.DrawMessageBarButton(surface.GetDC(), TK_MESSAGEBAR_BUTTON{rc, FALSE, TRUE, SC_CLOSE});
  CRect rcInk(1000, 1000, -1, -1);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 120; ++x)
      if (surface.GetPixel(x, y) == RGB(200, 0, 0)) {
        rcInk.left = std::min<LONG>(rcInk.left, x);
        rcInk.right = std::max<LONG>(rcInk.right, x + 1);
        rcInk.top = std::min<LONG>(rcInk.top, y);
        rcInk.bottom = std::max<LONG>(rcInk.bottom, y + 1);
      }
  EXPECT_EQ(rcInk.Width(), 8);
  EXPECT_EQ(rcInk.Height(), 8);
  EXPECT_EQ(surface.CountPixels(kBack) + surface.CountPixels(RGB(200, 0, 0)), 120 * 40)
      << "a close button has no face";
}

INSTANTIATE_TEST_SUITE_P(Dpis, Office2010CrossTest, ::testing::Values(96, 144, 192));

TEST_F(MessageBarTest, Office2010FramesTheWholeBarInInfoColours) {
  CTKMessageBarThemeOffice2010 bar(&m_pm);
  bar.RefreshMetrics();
  CDibSurface surface(40, 20, RGB(1, 1, 1));
  CFixedBar view(CRect(0, 0, 40, 20), CRect(3, 3, 30, 17));
  bar.FillMessageBar(surface.GetDC(), &view);
  EXPECT_EQ(surface.GetPixel(0, 5), ::GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(surface.GetPixel(3, 5), ::GetSysColor(COLOR_INFOBK));
  EXPECT_EQ(surface.GetPixel(39, 19), ::GetSysColor(COLOR_BTNSHADOW));
}

struct Office2013Case {
  BOOL bHot;
  BOOL bPressed;
  COLORREF clrFace;
  COLORREF clrFrame;
};

class Office2013ButtonTest : public MessageBarTest,
                             public ::testing::WithParamInterface<Office2013Case> {};

TEST_P(Office2013ButtonTest, ButtonsAreFlatFramedFaces) {
  const Office2013Case& c = GetParam();
  CTKMessageBarThemeVisualStudio2015 bar(&m_pm);
  bar.RefreshMetrics();
  CDibSurface surface(30, 30, kBack);
  bar.DrawMessageBarButton(surface.GetDC(),
                           TK_MESSAGEBAR_BUTTON{CRect(5, 5, 25, 25), c.bPressed, c.bHot, 7});
  EXPECT_EQ(surface.GetPixel(5, 5), c.clrFrame);
  EXPECT_EQ(surface.GetPixel(15, 15), c.clrFace);
}

INSTANTIATE_TEST_SUITE_P(States, Office2013ButtonTest,
                         ::testing::Values(Office2013Case{FALSE, FALSE, 0x00FDFDFD, 0x00ABABAB},
                                           Office2013Case{TRUE, FALSE, 0x00F0F0F0, 0x00C6C6C6},
                                           Office2013Case{TRUE, TRUE, 0x00C6C6C6, 0x00ABABAB}));

TEST_F(MessageBarTest, Office2013DrawsOnlyTheBottomLineAndAGlyphCloseButton) {
  CTKMessageBarThemeOffice2013 bar(&m_pm);
  bar.RefreshMetrics();
  CDibSurface surface(40, 20, kBack);
  CFixedBar view(CRect(0, 0, 40, 20), CRect(3, 3, 30, 17));
  bar.FillMessageBar(surface.GetDC(), &view);
  EXPECT_EQ(surface.CountPixels(CRect(0, 19, 40, 20), 0x0089D8D7), 40);
  EXPECT_EQ(surface.CountPixels(CRect(0, 0, 40, 19), 0x00B6F7FC), 40 * 19);

  const CRect rc(0, 0, 16, 16);
  for (BOOL bHot : {FALSE, TRUE}) {
    CDibSurface button(16, 16, kBack);
    bar.DrawMessageBarButton(button.GetDC(), TK_MESSAGEBAR_BUTTON{rc, FALSE, bHot, SC_CLOSE});
    EXPECT_EQ(button.GetPixel(0, 0), kBack) << "no face";
    EXPECT_GT(button.CountPixels(bHot ? 0x00444444 : 0x00777777), 0);
  }
}

TEST_F(MessageBarTest, AThemeReplacesTheInheritedVariant) {
  m_pm.SetMessageBarPaintManager(new CTKMessageBarThemeOffice2010(&m_pm));
  m_pm.RefreshMetrics();
  EXPECT_EQ(static_cast<COLORREF>(m_pm.GetMessageBarPaintManager()->m_clrBack),
            ::GetSysColor(COLOR_INFOBK));
}

}  // namespace

namespace {

struct ResourceCase {
  const char* pszIni;  // null: no theme text
  int nHeight;         // 0: the caption height plus 8
  CSize szButton;      // 0, 0: the base size
  COLORREF clrFrame;
};

class ResourceMessageBarTest : public MessageBarTest,
                               public ::testing::WithParamInterface<ResourceCase> {
 protected:
  void TearDown() override {
    TKResourceImages()->SetHandle(NULL);
    MessageBarTest::TearDown();
  }
};

TEST_P(ResourceMessageBarTest, SizesComeFromTheThemeTextWhenPositive) {
  const ResourceCase& c = GetParam();
  if (c.pszIni != nullptr) {
    ASSERT_TRUE(TKResourceImages()->SetHandleEx(::GetModuleHandleA(NULL), c.pszIni, NULL, FALSE));
  } else {
    TKResourceImages()->SetHandle(NULL);
  }
  ASSERT_EQ(TKResourceImages()->IsLoaded(), c.pszIni != nullptr);
  CTKMessageBarThemeResource bar(&m_pm);
  bar.RefreshMetrics();
  const int nBaseHeight = ::GetSystemMetrics(SM_CYCAPTION) + 8;
  const int nHeight = c.nHeight > 0 ? c.nHeight : nBaseHeight;
  EXPECT_EQ(bar.GetMessageBarHeight(), nHeight);
  EXPECT_EQ(bar.GetButtonSize(), c.szButton.cx > 0 ? c.szButton : CSize(89, nBaseHeight - 8));

  // An idle button is white in the theme's frame; a hot one without theme
  // images falls back to it too.
  for (BOOL bHot : {FALSE, TRUE}) {
    CDibSurface surface(30, 30, RGB(1, 1, 1));
    bar.DrawMessageBarButton(surface.GetDC(), TK_MESSAGEBAR_BUTTON{CRect(5, 5, 25, 25), FALSE,
                                                                   bHot, 7});
    EXPECT_EQ(surface.GetPixel(5, 5), bHot && TKResourceImages()->IsLoaded()
                                          ? TKColorManager()->GetColor(32)
                                          : c.clrFrame);
    const BOOL bImageFace = bHot && TKResourceImages()->IsLoaded();
    EXPECT_EQ(surface.GetPixel(15, 15),
              bImageFace ? TKColorManager()->GetColor(31) : RGB(255, 255, 255));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ResourceMessageBarTest,
    ::testing::Values(ResourceCase{nullptr, 0, CSize(0, 0), TKColorManager()->GetColor(16)},
                      ResourceCase{"MBZero.ini", 0, CSize(0, 0), RGB(10, 20, 30)},
                      ResourceCase{"MBSized.ini", 40, CSize(70, 24), RGB(10, 20, 30)}));

}  // namespace

namespace {

TEST_F(MessageBarTest, ANarrowOffice2003BarShowsTheStartOfAHalfScreenGradient) {
  const int nHalfScreen = ::GetSystemMetrics(SM_CXFULLSCREEN) / 2;
  ASSERT_GT(nHalfScreen, 200);
  CTKMessageBarThemeOffice2003 bar(&m_pm);
  bar.m_grcBarFace.SetStandardValue(RGB(255, 0, 0), RGB(0, 0, 255));
  bar.m_clrBarBorder.SetStandardValue(RGB(0, 99, 0));
  bar.RefreshMetrics();
  const int nWide = nHalfScreen + 100;
  CDibSurface surface(nWide, 20, RGB(1, 1, 1));
  CFixedBar narrow(CRect(0, 0, 40, 20), CRect(3, 3, 20, 17));
  bar.FillMessageBar(surface.GetDC(), &narrow);
  EXPECT_GT(GetRValue(surface.GetPixel(39, 1)), 200) << "the gradient is far from its end";
  EXPECT_EQ(surface.GetPixel(40, 1), RGB(1, 1, 1)) << "clipped to the bar";
  EXPECT_EQ(surface.GetPixel(3, 10), RGB(0, 99, 0));
  EXPECT_EQ(surface.GetPixel(10, 10), TKColorManager()->GetColor(24));

  CFixedBar wide(CRect(0, 0, nWide, 20), CRect(3, 3, 20, 17));
  bar.FillMessageBar(surface.GetDC(), &wide);
  EXPECT_GT(GetBValue(surface.GetPixel(nWide - 1, 1)), 200) << "a wide bar reaches the end";
}

}  // namespace

namespace {

TEST_F(MessageBarTest, TheResourceCloseButtonShowsTheFirstStateOfItsPicture) {
  const COLORREF kGround = RGB(1, 1, 1);
  const COLORREF kFirstState = RGB(220, 0, 0);
  const COLORREF kOtherStates = RGB(0, 0, 220);
  ASSERT_TRUE(TKResourceImages()->SetHandleEx(::GetModuleHandleA(NULL), "MBZero.ini", NULL, FALSE));
  CTKMessageBarThemeResource bar(&m_pm);
  bar.RefreshMetrics();
  for (BOOL bPressed : {FALSE, TRUE}) {
    CDibSurface surface(30, 30, kGround);
    bar.DrawMessageBarButton(surface.GetDC(), TK_MESSAGEBAR_BUTTON{CRect(5, 5, 25, 25), bPressed,
                                                                   FALSE, SC_CLOSE});
    // 7 x 7 pixels centred in the button: (12, 12) to (19, 19).
    EXPECT_EQ(kFirstState, surface.GetPixel(15, 15)) << bPressed;
    EXPECT_EQ(kFirstState, surface.GetPixel(13, 12)) << bPressed;
    EXPECT_EQ(0, surface.CountPixels(kOtherStates)) << bPressed;
    const COLORREF clrFace = bPressed ? TKColorManager()->GetColor(33) : kGround;
    EXPECT_EQ(clrFace, surface.GetPixel(12, 12)) << "magenta is transparent";
    EXPECT_EQ(bPressed ? TKColorManager()->GetColor(50) : kGround, surface.GetPixel(5, 5));
  }

  TKResourceImages()->SetHandle(NULL);
  CDibSurface none(30, 30, kGround);
  bar.DrawMessageBarButton(none.GetDC(), TK_MESSAGEBAR_BUTTON{CRect(5, 5, 25, 25), TRUE, TRUE,
                                                              SC_CLOSE});
  EXPECT_EQ(30 * 30, none.CountPixels(kGround)) << "no images, no picture and no face";
}

}  // namespace
