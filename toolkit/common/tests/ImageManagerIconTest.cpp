// Image handles, icons and icon sets: holding and copying images, images by
// state with their fall-backs, the nearest width, and icons from resources.
#include <gtest/gtest.h>

#include <vector>

#include "common/TKImageManager.h"
#include "common/TKImageManagerIcon.h"
#include "common/TKImageManagerIconHandle.h"
#include "testsupport/DibSurface.h"

#include "SupportBitmaps.h"
#include "SupportIcons.h"
#include "SupportImages.h"
#include "SupportResourceModule.h"

using TestImages::Bgra;

namespace {

uint32_t Opaque(int x, int y) { return Bgra(x * 10, y * 10, 200, 255); }

HBITMAP AlphaImage(int size) { return MakeBitmap32(size, size, Opaque); }

bool IsGdiObject(HGDIOBJ hObject) { return GetObjectType(hObject) != 0; }

TEST(IconHandle, HoldsAndFreesWhatItOwns) {
  CTKImageManagerIconHandle handle;
  EXPECT_TRUE(handle.IsEmpty());
  EXPECT_TRUE(handle.IsShareable());

  HBITMAP owned = AlphaImage(16);
  handle.SetBitmap(owned);
  EXPECT_FALSE(handle.IsEmpty());
  EXPECT_TRUE(handle.IsAlpha());
  EXPECT_EQ(CSize(16, 16), handle.GetExtent());
  handle.Clear();
  EXPECT_FALSE(IsGdiObject(owned));
  EXPECT_TRUE(handle.IsEmpty());
  EXPECT_EQ(CSize(16, 16), handle.GetExtent());  // the size stays

  HBITMAP borrowed = AlphaImage(16);
  handle.SetBitmap(borrowed, TRUE);
  handle.Clear();
  EXPECT_TRUE(IsGdiObject(borrowed));
  DeleteObject(borrowed);

  HICON icon = MakeSolidIcon(24, 24, RGB(1, 2, 3));
  handle.SetIcon(icon, FALSE);
  EXPECT_FALSE(handle.IsAlpha());
  EXPECT_FALSE(handle.IsShareable());
  EXPECT_EQ(CSize(24, 24), handle.GetExtent());
  EXPECT_EQ(CSize(24, 24), handle.QueryExtent());
}

TEST(IconHandle, PremultipliedBitsReplaceTheBitmapOnce) {
  CTKImageManagerIconHandle handle;
  HBITMAP source =
      MakeBitmap32(2, 1, [](int x, int) { return Bgra(200, 200, 200, x ? 128 : 255); });
  handle.SetBitmap(source, TRUE);
  LPBYTE bits = handle.GetPremultipliedBits();
  ASSERT_NE(nullptr, bits);
  EXPECT_NE(source, handle.GetBitmap());
  EXPECT_EQ(bits, handle.GetPremultipliedBits());
  EXPECT_EQ((std::vector<uint32_t>{Bgra(200, 200, 200, 255), Bgra(100, 100, 100, 128)}),
            BitmapPixels(handle.GetBitmap()));
  EXPECT_TRUE(IsGdiObject(source));  // the caller's bitmap is left alone
  DeleteObject(source);
}

TEST(IconHandle, CopiesGoIntoTheAtlasOnlyWhenBothSidesAllowIt) {
  CTKImageManager manager;
  CTKImageManagerIconHandle source;
  source.SetBitmap(AlphaImage(16));

  CTKImageManagerIconHandle inAtlas;
  inAtlas.SetImageManager(&manager);
  inAtlas.CopyFrom(source);
  ASSERT_NE(nullptr, inAtlas.GetSlot());
  EXPECT_EQ(manager.GetImageResource(16, 16), inAtlas.GetSlot()->pResource);
  EXPECT_EQ(CSize(16, 16), inAtlas.GetExtent());

  // A slot copied without a manager comes out as a bitmap of its own.
  CTKImageManagerIconHandle plain;
  plain.CopyFrom(inAtlas);
  EXPECT_EQ(nullptr, plain.GetSlot());
  ASSERT_NE(nullptr, plain.GetBitmap());
  EXPECT_EQ(BitmapPixels(source.GetBitmap()), BitmapPixels(plain.GetBitmap()));

  CTKImageManagerIconHandle unshareable;
  unshareable.SetIcon(MakeSolidIcon(16, 16, RGB(9, 9, 9)), FALSE);
  CTKImageManagerIconHandle copy;
  copy.SetImageManager(&manager);
  copy.CopyFrom(unshareable);
  EXPECT_EQ(nullptr, copy.GetSlot());
  EXPECT_NE(nullptr, copy.GetIcon());
  EXPECT_NE(unshareable.GetIcon(), copy.GetIcon());

  manager.m_bUseResources = FALSE;
  CTKImageManagerIconHandle noAtlas;
  noAtlas.SetImageManager(&manager);
  noAtlas.CopyFrom(source);
  EXPECT_EQ(nullptr, noAtlas.GetSlot());
  EXPECT_NE(nullptr, noAtlas.GetBitmap());

  // Clearing hands the slot back; the atlas empties with its last slot.
  inAtlas.Clear();
  EXPECT_EQ(nullptr, manager.GetImageResource(16, 16)->GetColorBitmap());
}

TEST(IconHandle, BitmapsDrawnAboveTheTopEdgeAreCut) {
  CTKImageManagerIconHandle handle;
  handle.SetBitmap(MakeBitmap32(2, 4, [](int, int y) { return Bgra(0, y * 60, 0, 255); }));
  CDibSurface surface(2, 4, RGB(255, 255, 255));
  handle.Draw(surface.GetDC(), 0, -2, 2, 4);
  EXPECT_EQ(RGB(0, 120, 0), surface.GetPixel(0, 0));
  EXPECT_EQ(RGB(0, 180, 0), surface.GetPixel(1, 1));
  EXPECT_EQ(RGB(255, 255, 255), surface.GetPixel(0, 2));
}

// A bitmap drawn at another size is stretched from all of its rows.
TEST(IconHandle, BitmapsDrawnAtAnotherSizeAreStretched) {
  CTKImageManagerIconHandle handle;
  handle.SetBitmap(MakeBitmap32(2, 2, [](int, int y) { return Bgra(0, 60 + y * 120, 0, 255); }));
  CDibSurface surface(4, 4, RGB(255, 255, 255));
  handle.Draw(surface.GetDC(), 0, 0, 4, 4);
  EXPECT_EQ(RGB(0, 60, 0), surface.GetPixel(0, 0));
  EXPECT_EQ(RGB(0, 60, 0), surface.GetPixel(3, 1));
  EXPECT_EQ(RGB(0, 180, 0), surface.GetPixel(0, 2));
  EXPECT_EQ(RGB(0, 180, 0), surface.GetPixel(3, 3));
}

class IconStates : public ::testing::Test {
 protected:
  IconStates() : m_set(100, &m_manager) {}

  static void Fill(CTKImageManagerIconHandle* pHandle, COLORREF clr) {
    pHandle->SetIcon(MakeSolidIcon(16, 16, clr));
  }
  // The colour an image draws in.
  static COLORREF ColourOf(CTKImageManagerIconHandle& image) {
    CDibSurface surface(16, 16, RGB(255, 255, 255));
    image.Draw(surface.GetDC(), 0, 0, 16, 16);
    return surface.GetPixel(8, 8);
  }

  CTKImageManager m_manager;
  CTKImageManagerIconSet m_set;
};

TEST_F(IconStates, StateImagesFallBackToHotThenNormal) {
  CTKImageManagerIconHandle normal, hot, checked;
  Fill(&normal, RGB(10, 0, 0));
  Fill(&hot, RGB(20, 0, 0));
  Fill(&checked, RGB(30, 0, 0));
  CTKImageManagerIcon* icon = m_set.GetOrCreateIcon(16);
  EXPECT_EQ(15, icon->GetHeight());
  icon->SetNormalImage(normal);
  EXPECT_EQ(16, icon->GetHeight());
  for (int state : {0, 2, 3, 4, 7})
    EXPECT_EQ(RGB(10, 0, 0), ColourOf(icon->GetImageForState(state)));
  icon->SetHotImage(hot);
  for (int state : {2, 3, 4}) EXPECT_EQ(RGB(20, 0, 0), ColourOf(icon->GetImageForState(state)));
  icon->SetCheckedImage(checked);
  EXPECT_EQ(RGB(30, 0, 0), ColourOf(icon->GetImageForState(3)));
  EXPECT_EQ(RGB(20, 0, 0), ColourOf(icon->GetImageForState(4)));

  // Disabled: made from the normal image on request, unless one is supplied.
  EXPECT_FALSE(icon->HasDisabledImage());
  EXPECT_TRUE(icon->GetDisabledImage(FALSE).IsEmpty());
  EXPECT_FALSE(icon->GetImageForState(1).IsEmpty());
  EXPECT_TRUE(icon->HasDisabledImage());
  CTKImageManagerIconHandle disabled;
  Fill(&disabled, RGB(40, 0, 0));
  icon->SetDisabledImage(disabled);
  EXPECT_EQ(RGB(40, 0, 0), ColourOf(icon->GetImageForState(1)));
}

TEST_F(IconStates, TheNearestWidthAndTiesToTheFirstVisited) {
  for (int width : {24, 16, 32}) {
    CTKImageManagerIconHandle image;
    image.SetIcon(MakeSolidIcon(width, width, RGB(1, 1, 1)));
    m_set.SetIcon(image, width);
  }
  EXPECT_EQ(16, m_set.GetIcon(0)->GetWidth());
  EXPECT_EQ(32, m_set.GetIcon(1)->GetWidth());
  EXPECT_EQ(24, m_set.GetIcon(24, FALSE)->GetWidth());
  EXPECT_EQ(nullptr, m_set.GetIcon(20, FALSE));
  EXPECT_EQ(32, m_set.GetIcon(40)->GetWidth());
  int first = 0;
  for (const auto* p = m_set.m_mapIcons.PGetFirstAssoc(); p != NULL && first == 0;
       p = m_set.m_mapIcons.PGetNextAssoc(p))
    if (p->key == 16 || p->key == 24) first = p->key;
  EXPECT_EQ(first, m_set.GetIcon(20)->GetWidth());
}

TEST_F(IconStates, MonochromeDrawingPaintsEveryNonWhitePixelInOneColour) {
  CTKImageManagerIconHandle image;
  image.SetIcon(MakeTestIcon(
      4, 1, 24,
      [](int x, int) { return x == 0   ? Bgra(255, 255, 255, 0)
                              : x == 3 ? 0
                                       : Bgra(0, 80, 160, 0); },
      [](int x, int) { return x == 3; }));
  CTKImageManagerIcon* icon = m_set.GetOrCreateIcon(4);
  icon->SetNormalImage(image);
  CDibSurface surface(4, 1, RGB(0, 0, 255));
  icon->DrawMonochrome(surface.GetDC(), CPoint(0, 0), icon->GetNormalImage(), 4, 1, RGB(0, 128, 0));
  EXPECT_EQ(RGB(0, 0, 255), surface.GetPixel(0, 0));  // white is left out
  EXPECT_EQ(RGB(0, 128, 0), surface.GetPixel(1, 0));
  EXPECT_EQ(RGB(0, 128, 0), surface.GetPixel(2, 0));
  EXPECT_EQ(RGB(0, 0, 255), surface.GetPixel(3, 0));  // transparent: white underneath

  // Alpha images have no monochrome form.
  CTKImageManagerIconHandle alpha;
  alpha.SetBitmap(AlphaImage(4));
  CTKImageManagerIcon* alphaIcon = m_set.GetOrCreateIcon(5);
  alphaIcon->SetNormalImage(alpha);
  surface.Fill(RGB(0, 0, 255));
  alphaIcon->DrawMonochrome(surface.GetDC(), CPoint(0, 0), alphaIcon->GetNormalImage(), 4, 1,
                            RGB(0, 128, 0));
  EXPECT_EQ(4, surface.CountPixels(RGB(0, 0, 255)));
}

TEST(ImageManagerMirror, TheMirrorModeDecidesForEachDC) {
  CTKImageManager manager;
  CDibSurface surface(4, 4);
  CDC* pDC = surface.GetDC();
  EXPECT_FALSE(manager.IsMirrorDraw(pDC));
  pDC->SetLayout(LAYOUT_RTL);
  EXPECT_TRUE(manager.IsMirrorDraw(pDC));
  manager.m_nMirrorMode = 0;
  EXPECT_FALSE(manager.IsMirrorDraw(pDC));
  pDC->SetLayout(0);
  manager.m_nMirrorMode = 1;
  EXPECT_TRUE(manager.IsMirrorDraw(pDC));
  EXPECT_TRUE(manager.IsMirrorDraw(NULL));
}

// An icon group of 16 (24 bits), 32 (32 bits, alpha) and 48 (24 bits) pixels.
class IconResources : public ::testing::Test {
 protected:
  static std::string Image(int size, int bits) {
    return TestImages::MakeIconImage(
        size, size, bits, [=](int, int) { return Bgra(size, 0, 0, bits == 32 ? 255 : 0); },
        [](int, int) { return false; });
  }
  void SetUp() override {
    m_module.AddIconGroup("APP", {Image(16, 24), Image(32, 32), Image(48, 24)}, 1);
    std::string truncated = Image(32, 32);
    truncated.resize(truncated.size() / 2);
    m_module.Add(RT_ICON, "BROKEN", truncated);
    ASSERT_NE(nullptr, m_module.Load());
  }
  CTestResourceModule m_module;
};

TEST_F(IconResources, GroupEntriesAreChosenByTheMatchRule) {
  HMODULE hModule = m_module.GetHandle();
  const struct {
    int request;
    int match;
    int loaded;  // 0: nothing
  } cases[] = {{16, 0, 16}, {32, 0, 32}, {20, 0, 0}, {20, 1, 32}, {8, 1, 16},
               {40, 2, 32}, {8, 2, 0},   {64, 1, 0}, {64, 2, 48}};
  for (const auto& c : cases) {
    CTKImageManagerIconHandle handle;
    EXPECT_EQ(c.loaded != 0,
              handle.LoadFromResource(hModule, "APP", c.request, c.request, TRUE, c.match))
        << c.request << " " << c.match;
    EXPECT_EQ(CSize(c.loaded, c.loaded), handle.IsEmpty() ? CSize(0, 0) : handle.GetExtent());
    if (c.loaded == 32) {
      EXPECT_TRUE(handle.IsAlpha());  // 32-bit entries keep their alpha
    }
    if (c.loaded == 16) {
      EXPECT_NE(nullptr, handle.GetIcon());
    }
  }
  CTKImageManagerIconHandle single;
  EXPECT_TRUE(single.LoadFromResource(hModule, MAKEINTRESOURCE(3), 48, 48, FALSE));
  EXPECT_EQ(CSize(48, 48), single.GetExtent());
  EXPECT_FALSE(single.LoadFromResource(hModule, "BROKEN", 32, 32, FALSE));
  EXPECT_TRUE(single.IsEmpty());

  HINSTANCE hOld = AfxGetResourceHandle();
  AfxSetResourceHandle(hModule);
  EXPECT_TRUE(single.LoadByName("APP", 32, 32));
  AfxSetResourceHandle(hOld);
}

TEST(IconImages, HeadersThatDoNotDescribeTheirDataAreRefused) {
  const std::string good = TestImages::MakeIconImage(
      16, 16, 32, [](int, int) { return Bgra(1, 2, 3, 255); }, [](int, int) { return false; });
  auto with = [&](size_t at, uint32_t value, int bytes) {
    std::string image = good;
    memcpy(&image[at], &value, bytes);
    return image;
  };
  const struct {
    const char* what;
    std::string image;
  } cases[] = {
      {"shorter than its colour rows", good.substr(0, 40 + 16 * 16 * 4 - 1)},
      {"wider than its data", with(4, 64, 4)},
      {"taller than its data", with(8, 64, 4)},
      {"header size past the data", with(0, 5000, 4)},
      {"header size below 40", with(0, 12, 4)},
      {"no planes", with(12, 0, 2)},
      {"an impossible depth", with(14, 7, 2)},
      {"a colour table past the data", with(14, 8, 2)},
      {"compressed", with(16, BI_RLE8, 4)},
      {"shorter than a header", good.substr(0, 30)},
  };
  for (const auto& c : cases) {
    CTKImageManagerIconHandle handle;
    EXPECT_FALSE(handle.LoadFromIconImage(reinterpret_cast<const BYTE*>(c.image.data()),
                                          (DWORD)c.image.size(), 16, 16))
        << c.what;
    EXPECT_TRUE(handle.IsEmpty()) << c.what;
  }
  CTKImageManagerIconHandle handle;
  EXPECT_TRUE(handle.LoadFromIconImage(reinterpret_cast<const BYTE*>(good.data()),
                                       (DWORD)good.size(), 16, 16));
  EXPECT_EQ(std::vector<uint32_t>(256, Bgra(1, 2, 3, 255)), BitmapPixels(handle.GetBitmap()));
}

}  // namespace
