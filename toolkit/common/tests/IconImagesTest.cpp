// The images an icon makes itself (faded, shadow, disabled) and the archive
// form of an icon.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "common/TKColorManager.h"
#include "common/TKImageManager.h"
#include "common/TKImageManagerIcon.h"
#include "testsupport/DibSurface.h"

#include "SupportBitmaps.h"
#include "SupportIcons.h"
#include "SupportImages.h"

using TestImages::Bgra;

namespace {

// The premultiplied pixels of an alpha image.
std::vector<uint32_t> AlphaPixels(const CTKImageManagerIconHandle& image) {
  CTKImageManagerIconHandle plain;
  plain.CopyFrom(image);
  if (plain.GetBitmap() == NULL || plain.GetPremultipliedBits() == NULL) return {};
  return BitmapPixels(plain.GetBitmap());
}

// The colour an icon image shows at (x, 0) over white.
COLORREF IconPixel(CTKImageManagerIconHandle& image, int x) {
  CDibSurface surface(image.GetExtent().cx, image.GetExtent().cy, RGB(255, 255, 255));
  image.Draw(surface.GetDC(), 0, 0, image.GetExtent().cx, image.GetExtent().cy);
  return surface.GetPixel(x, 0);
}

class GeneratedImages : public ::testing::Test {
 protected:
  GeneratedImages() : m_set(7, &m_manager) { m_manager.m_bUseResources = FALSE; }

  CTKImageManagerIcon* WithAlphaPixels(const std::vector<uint32_t>& row) {
    CTKImageManagerIconHandle image;
    image.SetBitmap(MakeBitmap32((int)row.size(), 1, [&](int x, int) { return row[x]; }));
    m_set.SetIcon(image, (int)row.size());
    return m_set.GetIcon((int)row.size(), FALSE);
  }
  // An icon whose pixel x has colour `colours[x]`; the last pixel is transparent.
  CTKImageManagerIcon* WithIconPixels(const std::vector<COLORREF>& colours) {
    const int width = (int)colours.size() + 1;
    CTKImageManagerIconHandle image;
    image.SetIcon(MakeTestIcon(
        width, 1, 24,
        [&](int x, int) {
          return x < width - 1 ? TestImages::Bgra(GetBValue(colours[x]), GetGValue(colours[x]),
                                                  GetRValue(colours[x]), 0)
                               : 0;
        },
        [=](int x, int) { return x == width - 1; }));
    m_set.SetIcon(image, width);
    return m_set.GetIcon(width, FALSE);
  }

  CTKImageManager m_manager;
  CTKImageManagerIconSet m_set;
};

TEST_F(GeneratedImages, FadedImagesMoveTowardsWhite) {
  CTKImageManagerIcon* alpha =
      WithAlphaPixels({Bgra(0, 100, 200, 255), Bgra(0, 0, 0, 0), Bgra(40, 40, 40, 128)});
  // 0 x 0.7 + 255 x 0.3 = 76.5, truncated; the last pixel is 20 once premultiplied.
  EXPECT_EQ((std::vector<uint32_t>{Bgra(76, 146, 216, 255), 0, Bgra(52, 52, 52, 128)}),
            AlphaPixels(alpha->GetFadedImage()));
  EXPECT_EQ(RGB(146, 76, 146), LightenColor(RGB(100, 0, 100), 0.3));

  CTKImageManagerIcon* icon = WithIconPixels({RGB(100, 0, 200)});
  CTKImageManagerIconHandle& faded = icon->GetFadedImage();
  EXPECT_EQ(RGB(146, 76, 216), IconPixel(faded, 0));
  EXPECT_EQ(RGB(255, 255, 255), IconPixel(faded, 1));
  EXPECT_EQ(RGB(100, 0, 200), IconPixel(icon->GetNormalImage(), 0));  // the source stays
}

TEST_F(GeneratedImages, DisabledImagesFollowLuminance) {
  // Luminance 1, 0.25 (sqrt 0.5: 127) and 0.5 with the ramp between white and black.
  CTKImageManagerIcon* icon =
      WithIconPixels({RGB(255, 255, 255), RGB(0, 102, 34), RGB(0, 204, 68)});
  CTKImageManagerIconHandle& grey = icon->GetDisabledImage();
  EXPECT_EQ(RGB(255, 255, 255), IconPixel(grey, 0));
  EXPECT_EQ(RGB(127, 127, 127), IconPixel(grey, 1));
  EXPECT_EQ(RGB(255, 255, 255), IconPixel(grey, 3));

  CTKImageManagerIcon* ramp = WithIconPixels({RGB(0, 204, 68), RGB(0, 0, 0)});
  ramp->CreateDisabledImage(RGB(255, 255, 255), RGB(0, 0, 0));
  EXPECT_EQ(RGB(127, 127, 127), IconPixel(ramp->GetDisabledImage(FALSE), 0));
  CTKImageManagerIcon* colours =
      WithIconPixels({RGB(255, 255, 255), RGB(0, 0, 0), RGB(0, 204, 68)});
  colours->CreateDisabledImage(RGB(200, 100, 0), RGB(0, 50, 100));
  EXPECT_EQ(RGB(200, 100, 0), IconPixel(colours->GetDisabledImage(FALSE), 0));
  EXPECT_EQ(RGB(0, 50, 100), IconPixel(colours->GetDisabledImage(FALSE), 1));
  EXPECT_EQ(RGB(100, 75, 50), IconPixel(colours->GetDisabledImage(FALSE), 2));

  // Alpha images are changed on their colours and premultiplied again.
  CTKImageManagerIcon* alpha = WithAlphaPixels({Bgra(255, 255, 255, 128), 0});
  EXPECT_EQ((std::vector<uint32_t>{Bgra(128, 128, 128, 128), 0}),
            AlphaPixels(alpha->GetDisabledImage()));
}

TEST_F(GeneratedImages, ShadowsAreThreeQuartersOfTheToolkitShadowColour) {
  TKColorManager()->SetColor(31, RGB(100, 120, 200));
  CTKImageManagerIcon* alpha = WithAlphaPixels({Bgra(9, 9, 9, 255), Bgra(9, 9, 9, 128), 0});
  EXPECT_EQ((std::vector<uint32_t>{Bgra(150, 90, 75, 255),
                                   Bgra(150 * 128 / 255, 90 * 128 / 255, 75 * 128 / 255, 128), 0}),
            AlphaPixels(alpha->GetShadowImage()));
  CTKImageManagerIcon* icon = WithIconPixels({RGB(1, 2, 3)});
  EXPECT_EQ(RGB(75, 90, 150), IconPixel(icon->GetShadowImage(), 0));
  EXPECT_EQ(RGB(255, 255, 255), IconPixel(icon->GetShadowImage(), 1));
  TKColorManager()->SetColor(31, (COLORREF)-1);
}

TEST_F(GeneratedImages, ShadowsFollowTheHotImageAndAreMadeAgainAfterAChange) {
  CTKImageManagerIcon* icon = WithAlphaPixels({Bgra(9, 9, 9, 255), Bgra(9, 9, 9, 255)});
  std::vector<uint32_t> shadow = AlphaPixels(icon->GetShadowImage());
  ASSERT_EQ(2u, shadow.size());
  EXPECT_EQ(255u, shadow[1] >> 24);

  CTKImageManagerIconHandle hot;
  hot.SetBitmap(MakeBitmap32(2, 1, [](int x, int) { return x ? 0 : Bgra(9, 9, 9, 255); }));
  icon->SetHotImage(hot);
  shadow = AlphaPixels(icon->GetShadowImage());
  ASSERT_EQ(2u, shadow.size());
  EXPECT_EQ(255u, shadow[0] >> 24);
  EXPECT_EQ(0u, shadow[1]);

  // Generated images go when the set is refreshed, and come back on request.
  icon->GetDisabledImage();
  EXPECT_FALSE(icon->GetDisabledImage(FALSE).IsEmpty());
  m_manager.RefreshAll();  // not in the manager's map: the set refreshes itself
  m_set.RefreshIcons();
  EXPECT_TRUE(icon->GetDisabledImage(FALSE).IsEmpty());
}

// Archive round trips through a memory file.
class IconArchive : public ::testing::Test {
 protected:
  IconArchive() : m_set(9, &m_manager) {}

  std::string Store(CTKImageManagerIcon* pIcon) {
    CMemFile file;
    {
      CArchive ar(&file, CArchive::store);
      pIcon->Serialize(ar);
    }
    const UINT size = (UINT)file.GetLength();
    std::string bytes(size, '\0');
    file.SeekToBegin();
    file.Read(&bytes[0], size);
    return bytes;
  }
  void Load(CTKImageManagerIcon* pIcon, std::string bytes) {
    CMemFile file(reinterpret_cast<BYTE*>(&bytes[0]), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load);
    pIcon->Serialize(ar);
  }

  CTKImageManager m_manager;
  CTKImageManagerIconSet m_set;
};

TEST_F(IconArchive, AnIconComesBackWithEveryImage) {
  CTKImageManagerIcon* icon = m_set.GetOrCreateIcon(4);
  CTKImageManagerIconHandle normal, disabled, hot, checked, pressed;
  normal.SetBitmap(MakeBitmap32(4, 4, [](int x, int y) { return Bgra(x * 40, y * 40, 0, 255); }));
  disabled.SetIcon(MakeSolidIcon(4, 4, RGB(1, 2, 3)));
  hot.SetBitmap(MakeBitmap32(4, 4, [](int x, int) { return x ? Bgra(50, 50, 50, 128) : 0; }));
  checked.SetIcon(MakeSolidIcon(4, 4, RGB(7, 8, 9)));
  pressed.SetIcon(MakeSolidIcon(4, 4, RGB(70, 80, 90)));
  icon->SetNormalImage(normal);
  icon->SetDisabledImage(disabled);
  icon->SetHotImage(hot);
  icon->SetCheckedImage(checked);
  icon->SetPressedImage(pressed);
  const std::string bytes = Store(icon);
  // Height, then schema 42.
  EXPECT_EQ(std::string("\x04\0\0\0\x2A\0\0\0", 8), bytes.substr(0, 8));

  CTKImageManagerIconSet other(9, &m_manager);
  CTKImageManagerIcon* loaded = other.GetOrCreateIcon(4);
  Load(loaded, bytes);
  EXPECT_EQ(4, loaded->GetHeight());
  EXPECT_EQ(AlphaPixels(icon->GetNormalImage()), AlphaPixels(loaded->GetNormalImage()));
  EXPECT_EQ(AlphaPixels(icon->GetHotImage()), AlphaPixels(loaded->GetHotImage()));
  EXPECT_EQ(RGB(1, 2, 3), IconPixel(loaded->GetImageForState(TK_IMAGESTATE_DISABLED), 0));
  EXPECT_EQ(RGB(7, 8, 9), IconPixel(loaded->GetImageForState(TK_IMAGESTATE_CHECKED), 0));
  EXPECT_EQ(RGB(70, 80, 90), IconPixel(loaded->GetImageForState(TK_IMAGESTATE_PRESSED), 0));
  EXPECT_EQ(bytes, Store(loaded));
}

// The block of an alpha bitmap, written by hand: header count and header, pixel
// count and pixels, then the count 0 of the missing mask.
std::string AlphaBlock(int width, const std::vector<uint32_t>& pixels, int height = 1) {
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biSizeImage = (DWORD)pixels.size() * 4;
  std::string block(1, char(52));
  block += '\0';
  block.append(reinterpret_cast<const char*>(&header), sizeof header);
  block += std::string(12, '\0');
  WORD count = (WORD)(pixels.size() * 4);
  block.append(reinterpret_cast<const char*>(&count), 2);
  block.append(reinterpret_cast<const char*>(pixels.data()), pixels.size() * 4);
  return block + std::string(2, '\0');
}

TEST_F(IconArchive, OlderSchemasHaveFewerImagesAndBitmapsThatWereNotPremultiplied) {
  const std::string empty(4, '\0');  // an image of two counts 0
  const std::vector<uint32_t> pixels = {Bgra(200, 200, 200, 128), Bgra(10, 20, 30, 255)};
  // Schema 7: normal, disabled and hot only; alpha bitmaps still unpremultiplied.
  std::string bytes = std::string("\x01\0\0\0\x07\0\0\0", 8) + AlphaBlock(2, pixels) + empty +
                      AlphaBlock(2, pixels);
  CTKImageManagerIcon* icon = m_set.GetOrCreateIcon(2);
  Load(icon, bytes);
  EXPECT_EQ((std::vector<uint32_t>{Bgra(100, 100, 100, 128), Bgra(10, 20, 30, 255)}),
            AlphaPixels(icon->GetNormalImage()));
  EXPECT_TRUE(icon->GetImageForState(TK_IMAGESTATE_CHECKED).GetBitmap() ==
              icon->GetHotImage().GetBitmap());

  // From schema 25 on, the pixels are taken as premultiplied already.
  bytes = std::string("\x01\0\0\0\x19\0\0\0", 8) + AlphaBlock(2, pixels) + empty + empty + empty +
          empty;
  Load(icon, bytes);
  EXPECT_EQ(pixels, AlphaPixels(icon->GetNormalImage()));
}

TEST_F(IconArchive, BlocksWhoseHeaderDoesNotDescribeTheirPixelsAreRefused) {
  const std::vector<uint32_t> four(4, Bgra(1, 2, 3, 255));
  const std::string good = AlphaBlock(2, four, 2);
  auto damaged = [&](size_t at, uint32_t value) {
    std::string block = good;
    memcpy(&block[2 + at], &value, 4);
    return block;
  };
  const struct {
    const char* what;
    std::string block;
  } cases[] = {
      {"wider than its pixels", damaged(4, 3)},
      {"taller than its pixels", damaged(8, 3)},
      {"an image size beyond its pixels", damaged(20, 4000)},
      {"no bits per pixel", damaged(12, 0x00000001)},
      {"bit fields without room for the masks",
       std::string("\x28\0", 2) + good.substr(2, 40) + good.substr(54)},
      {"a header size that is no header", damaged(0, 12)},
  };
  const std::string empty(4, '\0');
  for (const auto& c : cases) {
    std::string block = c.block;
    if (std::string(c.what).find("bit fields") == 0) {
      BITMAPINFOHEADER header;
      memcpy(&header, &block[2], sizeof header);
      header.biCompression = BI_BITFIELDS;
      memcpy(&block[2], &header, sizeof header);
    }
    const std::string bytes =
        std::string("\x02\0\0\0\x2A\0\0\0", 8) + block + empty + good + empty + empty;
    CTKImageManagerIcon* icon = m_set.GetOrCreateIcon(2);
    Load(icon, bytes);
    EXPECT_TRUE(icon->GetNormalImage().IsEmpty()) << c.what;
    // The stream stays in step: the hot image after it is read.
    EXPECT_EQ(four, AlphaPixels(icon->GetHotImage())) << c.what;
  }
  // Counts no bitmap can have end the load.
  CTKImageManagerIcon* icon = m_set.GetOrCreateIcon(2);
  const std::string huge = std::string("\x02\0\0\0\x2A\0\0\0", 8) + "\xFF\xFF\xFF\xFF\xFF\x7F";
  EXPECT_THROW(
      {
        try {
          Load(icon, huge);
        } catch (CArchiveException* e) {
          e->Delete();
          throw 1;
        }
      },
      int);
}

}  // namespace
