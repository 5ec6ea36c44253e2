// The pictures of image elements on both drawing back ends: icon ids of the
// context's image manager, "file://" and "res://" sources, and animated GIFs
// whose frames advance on the timer seam.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "SupportManualTimers.h"
#include "SupportPictures.h"
#include "SupportMarkup.h"
#include "common/TKImageManager.h"
#include "common/TKImageManagerIcon.h"
#include "markup/TKMarkupDeviceDependentImage.h"
#include "markup/TKMarkupDrawingContext.h"
#include "TKMarkupGdiPlusApi.h"
#include "TKMarkupGdiPlusDeviceContext.h"
#include "TKMarkupGdiPlusImage.h"
#include "markup/TKMarkupImage.h"
#include "TKMarkupString.h"
#include "testsupport/DibSurface.h"
#include "testsupport/MessageLoop.h"
#include "testsupport/TempFolder.h"

namespace {

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// The site a picture reports to: the context, and a count of repaint requests.
class CTestImageSite : public ITKMarkupDeviceDependentImageSite {
 public:
  explicit CTestImageSite(CTKMarkupContext* pContext) : m_pContext(pContext) {}
  CTKMarkupContext* GetMarkupContext() override { return m_pContext; }
  void OnImageChanged() override { ++m_nChanges; }
  CTKMarkupContext* m_pContext;
  int m_nChanges = 0;
};

enum BackEnd { kGdi, kGdiPlus };

class ImagesTest : public ::testing::TestWithParam<BackEnd> {
 protected:
  void SetUp() override {
    CoInitialize(nullptr);
    ASSERT_TRUE(TKMarkupGdiPlusApi()->IsRunning());
    // The context's own icons: command 5 at 16 and 32 pixels, green and blue.
    m_pIcons = new CTKImageManager;
    ASSERT_TRUE(m_folder.MakeFile("i16.ico", IconFile(16, RGB(0, 255, 0))));
    ASSERT_TRUE(m_folder.MakeFile("i32.ico", IconFile(32, RGB(0, 0, 255))));
    ASSERT_TRUE(m_pIcons->SetIconsFromIconFile(m_folder.PathOf("i16.ico").c_str(), 5));
    ASSERT_TRUE(m_pIcons->SetIconsFromIconFile(m_folder.PathOf("i32.ico").c_str(), 5));
    m_context->SetImageManager(m_pIcons);
  }
  void TearDown() override {
    m_pIcons->InternalRelease();
    CoUninitialize();
  }

  // A new picture of the back end under test.
  CTKMarkupDeviceDependentImage* NewImage() {
    m_context->SetGdiPlusEnabled(GetParam() == kGdiPlus);
    CTKMarkupDrawingContext dc(m_context, m_surface.GetSafeHdc());
    EXPECT_EQ(dc.IsGdiPlus(), GetParam() == kGdiPlus);
    return dc.CreateDeviceDependentImage(&m_site);
  }
  // Draws the picture into (0, 0, 20, 20) of the cleared surface.
  void Draw(CTKMarkupDeviceDependentImage* pImage) {
    m_surface.Fill(RGB(255, 255, 255));
    CTKMarkupDrawingContext dc(m_context, m_surface.GetSafeHdc());
    dc.DrawImage(pImage, CRect(0, 0, 20, 20));
  }

  CManualTimers m_timers;
  CTestContext m_context;
  CTestImageSite m_site{m_context};
  CTempFolder m_folder;
  CDibSurface m_surface{40, 40};
  CTKImageManager* m_pIcons = nullptr;
};

TEST_P(ImagesTest, AnIconIdPicksTheContextsIconOfTheNearestWidth) {
  std::unique_ptr<CTKMarkupDeviceDependentImage> image(NewImage());
  ASSERT_TRUE(image->Load(L"5", 30));
  EXPECT_TRUE(image->IsIcon());
  EXPECT_EQ(image->GetWidth(), 32);
  EXPECT_EQ(image->GetHeight(), 32);
  Draw(image.get());
  EXPECT_EQ(m_surface.GetPixel(10, 10), RGB(0, 0, 255));
  EXPECT_EQ(m_surface.GetPixel(25, 25), RGB(255, 255, 255));

  ASSERT_TRUE(image->Load(L"5", 16));
  EXPECT_EQ(image->GetWidth(), 16);
  Draw(image.get());
  EXPECT_EQ(m_surface.GetPixel(10, 10), RGB(0, 255, 0));

  EXPECT_FALSE(image->Load(L"6", 16));
  EXPECT_EQ(image->GetWidth(), 0);
  EXPECT_FALSE(image->IsIcon());
}

TEST_P(ImagesTest, IconAndBitmapFilesLoad) {
  ASSERT_TRUE(m_folder.MakeFile("red.bmp", BitmapFile(6, 4, RGB(255, 0, 0))));
  ASSERT_TRUE(m_folder.MakeFile("blue.ico", IconFile(16, RGB(0, 0, 255))));
  std::unique_ptr<CTKMarkupDeviceDependentImage> image(NewImage());
  ASSERT_TRUE(image->Load(Wide("file://" + m_folder.PathOf("red.bmp")).c_str(), 100));
  EXPECT_EQ(image->GetWidth(), 6);
  EXPECT_EQ(image->GetHeight(), 4);
  Draw(image.get());
  EXPECT_EQ(m_surface.GetPixel(10, 10), RGB(255, 0, 0));

  ASSERT_TRUE(image->Load(Wide("file://" + m_folder.PathOf("blue.ico")).c_str(), 16));
  EXPECT_EQ(image->GetWidth(), 16);
  Draw(image.get());
  EXPECT_EQ(m_surface.GetPixel(10, 10), RGB(0, 0, 255));

  EXPECT_FALSE(image->Load(Wide("file://" + m_folder.PathOf("none.bmp")).c_str(), 16));
  EXPECT_EQ(image->GetWidth(), 0);
  EXPECT_EQ(image->GetHeight(), 0);
}

TEST_P(ImagesTest, BitmapResourcesLoadByNameAndNumber) {
  for (const wchar_t* lpszSource : {L"res://SIXBYFOUR", L"res://#301"}) {
    std::unique_ptr<CTKMarkupDeviceDependentImage> image(NewImage());
    ASSERT_TRUE(image->Load(lpszSource, 16)) << lpszSource;
    EXPECT_EQ(image->GetWidth(), 6);
    EXPECT_EQ(image->GetHeight(), 4);
    Draw(image.get());
    EXPECT_EQ(m_surface.GetPixel(10, 10), RGB(255, 0, 0)) << lpszSource;
  }
  std::unique_ptr<CTKMarkupDeviceDependentImage> missing(NewImage());
  EXPECT_FALSE(missing->Load(L"res://NOSUCHIMAGE", 16));
  EXPECT_EQ(missing->GetWidth(), 0);
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, ImagesTest, ::testing::Values(kGdi, kGdiPlus),
                         [](const ::testing::TestParamInfo<BackEnd>& info) {
                           return std::string(info.param == kGdi ? "Gdi" : "GdiPlus");
                         });

TEST(GdiImage, TextThatIsNoNumberAsksForIconZero) {
  CTestContext context;
  CTestImageSite site(context);
  CTempFolder folder;
  ASSERT_TRUE(folder.MakeFile("i.ico", IconFile(16, RGB(0, 255, 0))));
  CTKImageManager* pIcons = new CTKImageManager;
  ASSERT_TRUE(pIcons->SetIconsFromIconFile(folder.PathOf("i.ico").c_str(), 0));
  context->SetImageManager(pIcons);
  pIcons->InternalRelease();
  CTKMarkupGdiImage image(&site);
  EXPECT_TRUE(image.Load(L"abc", 16));
  EXPECT_EQ(image.GetWidth(), 16);
  EXPECT_TRUE(image.IsIcon());
  EXPECT_EQ(image.GetImageManager(), pIcons);
}

class GdiPlusAnimationTest : public ::testing::Test {
 protected:
  void SetUp() override { CoInitialize(nullptr); }
  void TearDown() override { CoUninitialize(); }
  CTKMarkupGdiPlusImage* Load(const std::string& name, const std::string& bytes) {
    EXPECT_TRUE(m_folder.MakeFile(name, bytes));
    m_image.reset(new CTKMarkupGdiPlusImage(&m_site, TKMarkupGdiPlusApi()));
    EXPECT_TRUE(m_image->Load(Wide("file://" + m_folder.PathOf(name)).c_str(), 0));
    return m_image.get();
  }
  // The colour the picture shows now.
  COLORREF Shown() {
    m_surface.Fill(RGB(255, 255, 255));
    CTKMarkupGdiPlusDeviceContext dc(
        CreateGdiPlusGraphicsForDC(m_surface.GetSafeHdc(), m_surface.GetSafeHdc()), FALSE);
    dc.DrawImage(m_image.get(), CRect(0, 0, 8, 8));
    return m_surface.GetPixel(4, 4);
  }

  CManualTimers m_timers;
  CTestContext m_context;
  CTestImageSite m_site{m_context};
  CTempFolder m_folder;
  CDibSurface m_surface{10, 10};
  std::unique_ptr<CTKMarkupGdiPlusImage> m_image;
};

TEST_F(GdiPlusAnimationTest, TwoFramesAlternateEachShownForItsOwnDelay) {
  CTKMarkupGdiPlusImage* pImage = Load("two.gif", GifFile({0, 20}));
  EXPECT_EQ(pImage->GetWidth(), 4);
  EXPECT_EQ(pImage->GetFrameCount(), 2u);
  // Frame 0 is on show (its delay 0 means 100 ms), frame 1 comes next.
  EXPECT_EQ(Shown(), RGB(255, 0, 0));
  ASSERT_EQ(m_timers.ArmedCount(), 1u);
  EXPECT_EQ(m_timers.DelayOf(pImage->GetTimerId()), 100u);
  EXPECT_EQ(m_site.m_nChanges, 1);

  const COLORREF expected[] = {RGB(0, 0, 255), RGB(255, 0, 0), RGB(0, 0, 255)};
  const UINT delays[] = {200, 100, 200};
  for (int i = 0; i < 3; ++i) {
    const UINT_PTR nTimer = pImage->GetTimerId();
    ASSERT_TRUE(m_timers.Fire(nTimer));
    EXPECT_EQ(m_timers.ArmedCount(), 1u) << i;  // exactly one timer, a new one
    EXPECT_NE(pImage->GetTimerId(), nTimer);
    EXPECT_EQ(m_timers.DelayOf(pImage->GetTimerId()), delays[i]) << i;
    EXPECT_EQ(Shown(), expected[i]) << i;
    EXPECT_EQ(m_site.m_nChanges, 2 + i);
  }
}

TEST_F(GdiPlusAnimationTest, WithoutTheSeamFramesAdvanceOnThreadTimers) {
  TKSetMarkupTimerSource(nullptr);
  CTKMarkupGdiPlusImage* pImage = Load("fast.gif", GifFile({1, 1}));
  ASSERT_NE(pImage->GetTimerId(), 0u);
  ASSERT_TRUE(RunMessagesUntil([this] { return m_site.m_nChanges >= 4; }));
  m_image.reset();  // the timer goes with the picture
  const int nChanges = m_site.m_nChanges;
  DispatchPendingMessages();
  EXPECT_EQ(m_site.m_nChanges, nChanges);
}

TEST_F(GdiPlusAnimationTest, ASingleFrameArmsNoTimerAndUnloadingStopsTheAnimation) {
  CTKMarkupGdiPlusImage* pImage = Load("one.gif", GifFile({30}));
  EXPECT_EQ(pImage->GetFrameCount(), 1u);
  EXPECT_EQ(m_timers.ArmedCount(), 0u);
  EXPECT_EQ(Shown(), RGB(255, 0, 0));

  pImage = Load("three.gif", GifFile({5, 6, 7}));
  ASSERT_EQ(m_timers.ArmedCount(), 1u);
  EXPECT_EQ(m_timers.DelayOf(pImage->GetTimerId()), 50u);
  // A new source discards the animation at once.
  ASSERT_TRUE(m_folder.MakeFile("red.bmp", BitmapFile(3, 3, RGB(255, 0, 0))));
  EXPECT_TRUE(pImage->Load(Wide("file://" + m_folder.PathOf("red.bmp")).c_str(), 0));
  EXPECT_EQ(m_timers.ArmedCount(), 0u);
  EXPECT_EQ(pImage->GetWidth(), 3);
  m_image.reset();
  EXPECT_EQ(m_timers.ArmedCount(), 0u);
}

// The element -----------------------------------------------------------------------------

TEST(ImageStretch, SizesOfEachModeInTheAvailableSize) {
  const int kInf = INT_MAX;
  struct Case {
    TKMarkupStretch nStretch;
    int w, h, W, H;
    int cx, cy;
  };
  const Case cases[] = {
      {TKMarkupStretch_Uniform, 50, 50, 200, 100, 100, 100},
      {TKMarkupStretch_UniformToFill, 50, 50, 200, 100, 200, 200},
      {TKMarkupStretch_Fill, 50, 50, 200, 100, 200, 100},
      {TKMarkupStretch_None, 50, 50, 200, 100, 50, 50},
      // One side unbounded: both sides scale by the bounded one.
      {TKMarkupStretch_Uniform, 50, 25, kInf, 100, 200, 100},
      {TKMarkupStretch_Fill, 50, 25, 100, kInf, 100, 50},
      {TKMarkupStretch_UniformToFill, 50, 25, 32001, 75, 150, 75},
      // Both unbounded, or no picture: the natural size.
      {TKMarkupStretch_Fill, 50, 25, kInf, 32001, 50, 25},
      {TKMarkupStretch_Uniform, 0, 0, 200, 100, 0, 0},
      // Results are cut toward zero.
      {TKMarkupStretch_Uniform, 3, 3, 10, 10, 10, 10},
      {TKMarkupStretch_Fill, 3, 7, 10, 10, 10, 10},
      {TKMarkupStretch_Uniform, 7, 3, 10, 10, 10, 4},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CTKMarkupImage::StretchSize(c.w, c.h, c.W, c.H, c.nStretch), CSize(c.cx, c.cy))
        << c.nStretch << ": " << c.w << "x" << c.h << " in " << c.W << "x" << c.H;
  }
}

class ImageElementTest : public ImagesTest {
 protected:
  CTKMarkupImage* Build(const std::wstring& text) {
    std::string error;
    m_root.Assign(ParseForTest(m_context, text, &error));
    EXPECT_EQ(error, "");
    return MarkupCast<CTKMarkupImage>(m_root);
  }
  // Lays the element out in the rectangle and draws it on the surface.
  void Show(CTKMarkupImage* pImage, const RECT& rc) {
    m_context->SetGdiPlusEnabled(GetParam() == kGdiPlus);
    m_surface.Fill(RGB(255, 255, 255));
    CTKMarkupDrawingContext dc(m_context, m_surface.GetSafeHdc());
    pImage->Measure(&dc, rc.right - rc.left, rc.bottom - rc.top);
    pImage->Arrange(rc);
    pImage->Render(&dc);
  }
  CTKMarkupAutoPtr<> m_root;
};

TEST_P(ImageElementTest, AnIconSourceIsStretchedAndDrawn) {
  CTKMarkupImage* pImage = Build(L"<Image Source='5' Stretch='uniform'/>");
  ASSERT_NE(pImage, nullptr);
  Show(pImage, CRect(0, 0, 36, 24));
  // The icon nearest the offered width 36 is the 32-pixel one, fitted into 36 x 24.
  ASSERT_NE(pImage->GetImage(), nullptr);
  EXPECT_EQ(pImage->GetImage()->GetWidth(), 32);
  EXPECT_EQ(pImage->GetDesiredSize(), CSize(24, 24));
  EXPECT_EQ(pImage->GetRenderSize(), CSize(24, 24));
  EXPECT_EQ(m_surface.GetPixel(18, 12), RGB(0, 0, 255));
  EXPECT_EQ(m_surface.GetPixel(33, 12), RGB(255, 255, 255));
}

// A picture that fills more than its slot is cut at the slot's edges, across
// and down.
TEST_P(ImageElementTest, UniformToFillIsClippedToItsSlot) {
  CTKMarkupImage* pImage = Build(L"<Image Source='5' Stretch='UniformToFill'/>");
  ASSERT_NE(pImage, nullptr);
  const RECT slots[] = {{4, 4, 28, 16}, {4, 4, 16, 28}};
  for (const RECT& rc : slots) {
    Show(pImage, rc);
    EXPECT_EQ(pImage->GetRenderSize(), CSize(24, 24));
    EXPECT_EQ(m_surface.CountPixels(RGB(255, 255, 255)),
              40 * 40 - (rc.right - rc.left) * (rc.bottom - rc.top))
        << rc.right << "x" << rc.bottom;
  }
}

TEST_P(ImageElementTest, NoSourceOrAnUnknownOneMeasuresNothingAndDrawsNothing) {
  for (const wchar_t* lpszMarkup :
       {L"<Image Stretch='Fill'/>", L"<Image Source='res://NOSUCHIMAGE' Stretch='Fill'/>"}) {
    CTKMarkupImage* pImage = Build(lpszMarkup);
    ASSERT_NE(pImage, nullptr);
    Show(pImage, CRect(0, 0, 30, 30));
    EXPECT_EQ(pImage->GetDesiredSize(), CSize(0, 0)) << lpszMarkup;
    EXPECT_EQ(m_surface.CountPixels(RGB(255, 255, 255)), 40 * 40) << lpszMarkup;
  }
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, ImageElementTest, ::testing::Values(kGdi, kGdiPlus),
                         [](const ::testing::TestParamInfo<BackEnd>& info) {
                           return std::string(info.param == kGdi ? "Gdi" : "GdiPlus");
                         });

TEST_F(GdiPlusAnimationTest, AnImageElementDropsItsAnimationWhenTheSourceChanges) {
  ASSERT_TRUE(m_folder.MakeFile("two.gif", GifFile({0, 20})));
  std::string error;
  CTKMarkupAutoPtr<> root(ParseForTest(
      m_context, L"<Image Source='file://" + Wide(m_folder.PathOf("two.gif")) + L"'/>", &error));
  CTKMarkupImage* pImage = MarkupCast<CTKMarkupImage>(root);
  ASSERT_NE(pImage, nullptr) << error;
  CTKMarkupDrawingContext dc(m_context, m_surface.GetSafeHdc());
  ASSERT_TRUE(dc.IsGdiPlus());
  pImage->Measure(&dc, 100, 100);
  EXPECT_EQ(pImage->GetDesiredSize(), CSize(4, 4));
  ASSERT_EQ(m_timers.ArmedCount(), 1u);

  pImage->SetValue(CTKMarkupImage::SourceProperty, CTKMarkupString::CreateValue(L""));
  EXPECT_EQ(pImage->GetImage(), nullptr);
  EXPECT_EQ(m_timers.ArmedCount(), 0u);
}

}  // namespace
