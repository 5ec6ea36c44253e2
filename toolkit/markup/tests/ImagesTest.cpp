// The pictures of image elements on both drawing back ends: icon ids of the
// context's image manager, "file://" and "res://" sources, and animated GIFs
// whose frames advance on the timer seam.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "SupportManualTimers.h"
#include "SupportMarkup.h"
#include "common/TKImageManager.h"
#include "common/TKImageManagerIcon.h"
#include "markup/TKMarkupDeviceDependentImage.h"
#include "markup/TKMarkupDrawingContext.h"
#include "markup/TKMarkupGdiPlusApi.h"
#include "markup/TKMarkupGdiPlusDeviceContext.h"
#include "markup/TKMarkupGdiPlusImage.h"
#include "testsupport/DibSurface.h"
#include "testsupport/TempFolder.h"

namespace {

// Little-endian bytes.
void Put16(std::string& s, int v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& s, unsigned v) {
  Put16(s, static_cast<int>(v & 0xFFFF));
  Put16(s, static_cast<int>(v >> 16));
}

// A 32-bit .ico file of one square image in one colour (opaque).
std::string IconFile(int nSize, COLORREF clr) {
  std::string image;
  Put32(image, 40);
  Put32(image, nSize);
  Put32(image, nSize * 2);
  Put16(image, 1);
  Put16(image, 32);
  for (int i = 0; i < 6; ++i) Put32(image, 0);
  for (int i = 0; i < nSize * nSize; ++i) {
    image += static_cast<char>(GetBValue(clr));
    image += static_cast<char>(GetGValue(clr));
    image += static_cast<char>(GetRValue(clr));
    image += '\xFF';
  }
  const int nMaskRow = ((nSize + 31) / 32) * 4;
  image += std::string(nMaskRow * nSize, '\0');
  std::string file;
  Put16(file, 0);
  Put16(file, 1);
  Put16(file, 1);
  file += static_cast<char>(nSize);
  file += static_cast<char>(nSize);
  file += '\0';
  file += '\0';
  Put16(file, 1);
  Put16(file, 32);
  Put32(file, static_cast<unsigned>(image.size()));
  Put32(file, 22);
  return file + image;
}

// A 24-bit .bmp file in one colour.
std::string BitmapFile(int cx, int cy, COLORREF clr) {
  const int nRow = (cx * 3 + 3) / 4 * 4;
  std::string file("BM");
  Put32(file, static_cast<unsigned>(54 + nRow * cy));
  Put32(file, 0);
  Put32(file, 54);
  Put32(file, 40);
  Put32(file, static_cast<unsigned>(cx));
  Put32(file, static_cast<unsigned>(cy));
  Put16(file, 1);
  Put16(file, 24);
  for (int i = 0; i < 6; ++i) Put32(file, 0);
  for (int y = 0; y < cy; ++y) {
    for (int x = 0; x < cx; ++x) {
      file += static_cast<char>(GetBValue(clr));
      file += static_cast<char>(GetGValue(clr));
      file += static_cast<char>(GetRValue(clr));
    }
    file += std::string(nRow - cx * 3, '\0');
  }
  return file;
}

// The LZW data of one GIF frame of `nPixels` pixels of colour index `nIndex`
// (2-bit minimum code size, codes of 3 bits): a clear code before every two
// pixels keeps the code width from growing.
std::string GifPixels(int nPixels, int nIndex) {
  std::vector<int> codes;
  for (int i = 0; i < nPixels; ++i) {
    if (i % 2 == 0) codes.push_back(4);
    codes.push_back(nIndex);
  }
  codes.push_back(5);
  std::string bytes;
  unsigned nBits = 0;
  int nCount = 0;
  for (int code : codes) {
    nBits |= static_cast<unsigned>(code) << nCount;
    nCount += 3;
    while (nCount >= 8) {
      bytes += static_cast<char>(nBits & 0xFF);
      nBits >>= 8;
      nCount -= 8;
    }
  }
  if (nCount > 0) bytes += static_cast<char>(nBits & 0xFF);
  std::string block("\x02", 1);  // minimum code size
  block += static_cast<char>(bytes.size());
  block += bytes;
  block += '\0';
  return block;
}

// A GIF of 4 x 4 pixels with one frame per delay (hundredths of a second);
// frame i is red for even i, blue for odd i.
std::string GifFile(const std::vector<int>& delays) {
  std::string file("GIF89a");
  Put16(file, 4);
  Put16(file, 4);
  file += '\x80';  // a global table of 2 colours
  file += '\0';
  file += '\0';
  file += std::string("\xFF\x00\x00\x00\x00\xFF", 6);
  for (size_t i = 0; i < delays.size(); ++i) {
    file += std::string("\x21\xF9\x04\x00", 4);
    Put16(file, delays[i]);
    file += std::string("\x00\x00", 2);
    file += '\x2C';
    Put16(file, 0);
    Put16(file, 0);
    Put16(file, 4);
    Put16(file, 4);
    file += '\0';
    file += GifPixels(16, static_cast<int>(i % 2));
  }
  file += '\x3B';
  return file;
}

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

}  // namespace
