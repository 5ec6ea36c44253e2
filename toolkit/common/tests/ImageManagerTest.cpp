// The image manager: strips, tool-bar resources, icon resources and files,
// image lists, the state rules of SetIcon, and the exchange round trip.
#include <gtest/gtest.h>

#include "afxdisp.h"
#include "afxwin.h"

#include <commctrl.h>
#include <string.h>

#include <memory>
#include <string>
#include <vector>

#include "common/TKImageManager.h"
#include "common/TKPropExchangeArchive.h"
#include "common/TKPropExchangeIniFile.h"
#include "testsupport/DibSurface.h"
#include "testsupport/TempFolder.h"

#include "SupportBitmaps.h"
#include "SupportIcons.h"
#include "SupportImages.h"
#include "SupportResourceModule.h"

using TestImages::Bgra;

namespace {

// Slice i of a strip has the colour (i * 10, 100, 200) and a clear last column.
uint32_t StripPixel(int x, int) {
  const int slice = x / 20;
  return x % 20 == 19 ? 0 : Bgra(200, 100, slice * 10, 255);
}

// The colour an icon's normal image draws at (2, 2) over white.
COLORREF ColourOf(CTKImageManagerIcon* pIcon, int nState = TK_IMAGESTATE_NORMAL) {
  if (pIcon == NULL) return CLR_INVALID;
  CDibSurface surface(40, 40, RGB(255, 255, 255));
  pIcon->Draw(surface.GetDC(), CPoint(0, 0), pIcon->GetImageForState(nState));
  return surface.GetPixel(2, 2);
}

std::vector<UINT> Ids(UINT first, int count) {
  std::vector<UINT> ids;
  for (int i = 0; i < count; ++i) ids.push_back(first + i);
  return ids;
}

// Resources the manager finds through the resource chain.
class ImageManagerResources : public ::testing::Test {
 protected:
  void SetUp() override {
    m_module.Add(RT_BITMAP, MAKEINTRESOURCE(5001), TestImages::MakeDib32(320, 20, StripPixel));
    m_module.Add(RT_BITMAP, "NARROW", TestImages::MakeDib32(310, 20, StripPixel));
    m_module.Add("PNG", "PNGSTRIP", TestImages::MakeRgbaPng(320, 20, StripPixel));
    // A 24-bit tool-bar strip whose top-left magenta pixel marks the transparent colour.
    m_module.Add(RT_BITMAP, MAKEINTRESOURCE(300), TestImages::MakeDib24(48, 15, [](int x, int y) {
                   return (x % 16 == 0 && y == 0) ? Bgra(255, 0, 255, 0) : Bgra(0, x * 5, 0, 0);
                 }));
    m_module.Add(MAKEINTRESOURCE(241), MAKEINTRESOURCE(300),
                 TestImages::MakeToolBarResource(16, 15, {4101, 0, 4102, 4103}));
    std::string cut = TestImages::MakeToolBarResource(16, 15, {4201, 4202});
    cut[6] = 10;  // claims ten ids
    m_module.Add(MAKEINTRESOURCE(241), MAKEINTRESOURCE(301), cut);
    auto image = [](int size, COLORREF clr) {
      return TestImages::MakeIconImage(
          size, size, 24,
          [=](int, int) { return Bgra(GetBValue(clr), GetGValue(clr), GetRValue(clr), 0); },
          [](int, int) { return false; });
    };
    m_module.AddIconGroup("OPEN", {image(16, RGB(10, 0, 0)), image(32, RGB(20, 0, 0))}, 1);
    m_module.Add(RT_ICON, "SINGLE", image(24, RGB(30, 0, 0)));
    ASSERT_NE(nullptr, m_module.Load());
    m_hOld = AfxGetResourceHandle();
    AfxSetResourceHandle(m_module.GetHandle());
  }
  void TearDown() override { AfxSetResourceHandle(m_hOld); }

  CTestResourceModule m_module;
  HINSTANCE m_hOld = NULL;
  CTKImageManager m_manager;
};

TEST_F(ImageManagerResources, SixteenIdsTakeTheSixteenImagesOfAStrip) {
  const std::vector<UINT> ids = Ids(4000, 16);
  ASSERT_TRUE(m_manager.SetIconsFromBitmapResource(5001, ids.data(), 16, 20, 20));
  for (int i = 0; i < 16; ++i) {
    CTKImageManagerIcon* pIcon = m_manager.GetImage(ids[i], 20);
    ASSERT_NE(nullptr, pIcon) << i;
    EXPECT_EQ(20, pIcon->GetWidth());
    EXPECT_TRUE(pIcon->IsAlpha());
    EXPECT_EQ(RGB(i * 10, 100, 200), ColourOf(pIcon)) << i;
  }
  EXPECT_EQ(16, m_manager.m_mapImages.GetCount());
}

TEST_F(ImageManagerResources, SeparatorsAndPlaceholdersTakeNoImageUnlessIdsAndImagesAreAsMany) {
  std::vector<UINT> ids = Ids(4000, 16);
  ids.insert(ids.begin() + 5, 0);  // seventeen ids: the separator is skipped
  ASSERT_TRUE(m_manager.SetIconsFromBitmapName("PNGSTRIP", ids.data(), 17, 20, 20));
  EXPECT_EQ(nullptr, m_manager.LookupIconSet(0));
  EXPECT_EQ(RGB(50, 100, 200), ColourOf(m_manager.GetImage(4005, 20)));
  EXPECT_EQ(RGB(150, 100, 200), ColourOf(m_manager.GetImage(4015, 20)));
  EXPECT_EQ(16, m_manager.m_mapImages.GetCount());

  CTKImageManager other;
  std::vector<UINT> exact = Ids(4000, 16);
  exact[3] = TK_IMAGEMANAGER_PLACEHOLDER_ID;
  ASSERT_TRUE(other.SetIconsFromBitmapResource(5001, exact.data(), 16, 20, 20));
  EXPECT_EQ(RGB(30, 100, 200), ColourOf(other.GetImage(TK_IMAGEMANAGER_PLACEHOLDER_ID, 20)));
}

TEST_F(ImageManagerResources, AnAlphaStripOfTheWrongWidthIsRefused) {
  const std::vector<UINT> ids = Ids(4000, 16);
  EXPECT_FALSE(m_manager.SetIconsFromBitmapName("NARROW", ids.data(), 16, 20, 20));
  EXPECT_EQ(0, m_manager.m_mapImages.GetCount());
  EXPECT_FALSE(m_manager.SetIconsFromBitmapName("MISSING", ids.data(), 16, 20, 20));
  HBITMAP strip = MakeBitmap32(320, 20, StripPixel);
  EXPECT_FALSE(m_manager.SetIconsFromBitmap(strip, ids.data(), 16, 0, 5, 0, TRUE));
  // Width and height 0: the strip's width divided among the ids.
  EXPECT_TRUE(m_manager.SetIconsFromBitmap(strip, ids.data(), 16, 0, 0, 0, TRUE));
  EXPECT_TRUE(m_manager.HasIcon(4015, 20));
  DeleteObject(strip);
}

TEST_F(ImageManagerResources, ToolBarResourcesNameTheIdsOfTheirBitmap) {
  UINT* pIds = NULL;
  int nCount = 0;
  CSize size;
  ASSERT_TRUE(CTKImageManager::LoadToolBarResourceIds(300, &pIds, &nCount, &size));
  EXPECT_EQ((std::vector<UINT>{4101, 4102, 4103}), std::vector<UINT>(pIds, pIds + nCount));
  EXPECT_EQ(CSize(16, 15), size);
  delete[] pIds;
  // A resource that claims more ids than it holds gives the ones it holds.
  ASSERT_TRUE(CTKImageManager::LoadToolBarResourceIds(301, &pIds, &nCount, &size));
  EXPECT_EQ((std::vector<UINT>{4201, 4202}), std::vector<UINT>(pIds, pIds + nCount));
  delete[] pIds;
  EXPECT_FALSE(CTKImageManager::LoadToolBarResourceIds(0x10000, &pIds, &nCount, &size));
  EXPECT_FALSE(CTKImageManager::LoadToolBarResourceIds(302, &pIds, &nCount, &size));

  ASSERT_TRUE(m_manager.SetIconsFromToolBar(300));
  for (UINT id : {4101u, 4102u, 4103u}) {
    CTKImageManagerIcon* pIcon = m_manager.GetImage(id, 16);
    ASSERT_NE(nullptr, pIcon) << id;
    EXPECT_EQ(16, pIcon->GetWidth());
    CDibSurface surface(16, 15, RGB(255, 255, 255));
    pIcon->DrawAtPoint(surface.GetDC(), CPoint(0, 0));
    EXPECT_EQ(RGB(255, 255, 255), surface.GetPixel(0, 0)) << id;  // the magenta mask colour
    const int x = 16 * (id - 4101) + 3;
    EXPECT_EQ(RGB(0, x * 5, 0), surface.GetPixel(3, 3)) << id;
  }

  CTKImageManager fromList;
  HIMAGELIST hList = ImageList_Create(16, 15, ILC_COLOR24, 3, 0);
  for (int i = 0; i < 3; ++i) {
    HICON icon = MakeSolidIcon(16, 15, RGB(i * 50, 0, 0));
    ImageList_AddIcon(hList, icon);
    DestroyIcon(icon);
  }
  ASSERT_TRUE(fromList.SetIconsFromImageList(300, hList));
  EXPECT_EQ(RGB(100, 0, 0), ColourOf(fromList.GetImage(4103, 16)));
  ImageList_Destroy(hList);
}

TEST_F(ImageManagerResources, IconResourcesStoreEveryMatchingEntryAtItsOwnSize) {
  ASSERT_TRUE(m_manager.SetIconFromIconResource(m_module.GetHandle(), "OPEN", 50, 0, 0));
  EXPECT_EQ(RGB(10, 0, 0), ColourOf(m_manager.GetImage(50, 16)));
  EXPECT_EQ(RGB(20, 0, 0), ColourOf(m_manager.GetImage(50, 32)));
  ASSERT_TRUE(m_manager.SetIconFromResource("OPEN", 51, 32, 32));
  EXPECT_FALSE(m_manager.HasIcon(51, 16));
  EXPECT_TRUE(m_manager.HasIcon(51, 32));
  ASSERT_TRUE(m_manager.SetIconFromResource("SINGLE", 52, 24, 24));
  EXPECT_EQ(RGB(30, 0, 0), ColourOf(m_manager.GetImage(52, 24)));
  EXPECT_FALSE(m_manager.SetIconFromResource("MISSING", 53, 16, 16));
}

CTKImageManagerIconHandle* Solid(int size, COLORREF clr) {
  CTKImageManagerIconHandle* pHandle = new CTKImageManagerIconHandle;
  pHandle->SetIcon(MakeSolidIcon(size, size, clr));
  return pHandle;
}

TEST(ImageManager, SetIconAcceptsOnlyTheNormalStateForANewId) {
  CTKImageManager manager;
  std::unique_ptr<CTKImageManagerIconHandle> normal(Solid(16, RGB(1, 0, 0))),
      hot(Solid(16, RGB(2, 0, 0))), pressed(Solid(16, RGB(3, 0, 0))),
      empty(new CTKImageManagerIconHandle);
  EXPECT_FALSE(manager.SetIcon(*hot, 7, 16, 16, TK_IMAGESTATE_HOT));
  EXPECT_EQ(nullptr, manager.LookupIconSet(7));
  EXPECT_FALSE(manager.SetIcon(*empty, 7));
  EXPECT_TRUE(manager.SetIcon(*normal, 7));  // the size comes from the image
  EXPECT_TRUE(manager.SetIcon(*hot, 7, 16, 16, TK_IMAGESTATE_HOT));
  EXPECT_TRUE(manager.SetIcon(*pressed, 7, 16, 16, TK_IMAGESTATE_PRESSED));
  EXPECT_TRUE(manager.SetIcon(*pressed, 7, 16, 16, 9));  // an unknown state stores nothing
  CTKImageManagerIcon* pIcon = manager.GetImage(7, 16);
  EXPECT_EQ(RGB(1, 0, 0), ColourOf(pIcon));
  EXPECT_EQ(RGB(2, 0, 0), ColourOf(pIcon, TK_IMAGESTATE_HOT));
  EXPECT_EQ(RGB(2, 0, 0), ColourOf(pIcon, TK_IMAGESTATE_CHECKED));
  EXPECT_EQ(RGB(3, 0, 0), ColourOf(pIcon, TK_IMAGESTATE_PRESSED));
  // The image was copied: the caller's handle still holds its own icon.
  EXPECT_NE(nullptr, normal->GetIcon());
}

TEST(ImageManager, WidthsBetweenTwoIconsGiveTheFirstVisited) {
  CTKImageManager manager;
  std::unique_ptr<CTKImageManagerIconHandle> small(Solid(16, RGB(1, 0, 0))),
      large(Solid(32, RGB(2, 0, 0)));
  manager.SetIcon(*small, 9);
  manager.SetIcon(*large, 9);
  const int first = manager.LookupIconSet(9)->m_mapIcons.PGetFirstAssoc()->key;
  EXPECT_EQ(first, manager.GetImage(9, 24)->GetWidth());
  EXPECT_FALSE(manager.HasIcon(9, 24));
  EXPECT_TRUE(manager.HasIcon(9, 16));
  EXPECT_TRUE(manager.HasIcon(9, 0));
  EXPECT_FALSE(manager.HasIcon(10, 0));
  EXPECT_EQ(nullptr, manager.GetImage(10));
}

TEST(ImageManager, ImageListsGiveTheirIdsAnImage) {
  CTKImageManager manager;
  HIMAGELIST hList = ImageList_Create(16, 16, ILC_COLOR24, 3, 0);
  for (int i = 0; i < 3; ++i) {
    HICON icon = MakeSolidIcon(16, 16, RGB(0, i * 60, 0));
    ImageList_AddIcon(hList, icon);
    DestroyIcon(icon);
  }
  ASSERT_TRUE(manager.AddImageListIcons(hList, NULL, 0, 0, 0));
  EXPECT_EQ(RGB(0, 120, 0), ColourOf(manager.GetImage(2, 16)));
  EXPECT_FALSE(manager.AddImageListIcons(NULL, NULL, 0, 0, 0));

  manager.AddImageList(hList, 500, TRUE);
  EXPECT_NE(nullptr, manager.LookupImageList(502));
  EXPECT_EQ(nullptr, manager.LookupImageList(503));
  EXPECT_TRUE(manager.HasIcon(501, 16));
  EXPECT_FALSE(manager.HasIcon(501, 20));
  CTKImageManagerIcon* pIcon = manager.GetImage(501);
  ASSERT_NE(nullptr, pIcon);
  EXPECT_EQ(pIcon, manager.GetImage(501));
  EXPECT_EQ(RGB(0, 60, 0), ColourOf(pIcon));
}

TEST(ImageManager, IconFilesGiveTheirEntriesAndSkipBrokenOnes) {
  auto image = [](int size, COLORREF clr) {
    return TestImages::MakeIconImage(
        size, size, 24,
        [=](int, int) { return Bgra(GetBValue(clr), GetGValue(clr), GetRValue(clr), 0); },
        [](int, int) { return false; });
  };
  CTempFolder folder;
  std::string good = TestImages::MakeIcoFile({image(16, RGB(0, 0, 10)), image(32, RGB(0, 0, 20))});
  std::string broken = good;
  broken[6 + 16 + 8] = char(0xFF);  // the 32-pixel entry claims 255 more bytes than the file has
  std::string badHeader = good;
  badHeader[6 + 32 + 4] = 99;  // the 16-pixel image is far wider than its data
  std::string notIcon = good;
  notIcon[2] = 2;  // a cursor file
  ASSERT_TRUE(folder.MakeFile("good.ico", good));
  ASSERT_TRUE(folder.MakeFile("broken.ico", broken));
  ASSERT_TRUE(folder.MakeFile("header.ico", badHeader));
  ASSERT_TRUE(folder.MakeFile("cursor.ico", notIcon));
  ASSERT_TRUE(folder.MakeFile("short.ico", good.substr(0, 20)));

  CTKImageManager manager;
  EXPECT_TRUE(manager.SetIconsFromIconFile(folder.PathOf("good.ico").c_str(), 60));
  EXPECT_EQ(RGB(0, 0, 10), ColourOf(manager.GetImage(60, 16)));
  EXPECT_EQ(RGB(0, 0, 20), ColourOf(manager.GetImage(60, 32)));
  EXPECT_TRUE(manager.SetIconsFromIconFile(folder.PathOf("good.ico").c_str(), 61, 32, 32));
  EXPECT_FALSE(manager.HasIcon(61, 16));
  EXPECT_TRUE(manager.SetIconsFromIconFile(folder.PathOf("broken.ico").c_str(), 62));
  EXPECT_TRUE(manager.HasIcon(62, 16));
  EXPECT_FALSE(manager.HasIcon(62, 32));
  EXPECT_TRUE(manager.SetIconsFromIconFile(folder.PathOf("header.ico").c_str(), 63));
  EXPECT_FALSE(manager.HasIcon(63, 16));
  EXPECT_FALSE(manager.SetIconsFromIconFile(folder.PathOf("broken.ico").c_str(), 64, 32, 32));
  EXPECT_FALSE(manager.SetIconsFromIconFile(folder.PathOf("cursor.ico").c_str(), 65));
  EXPECT_FALSE(manager.SetIconsFromIconFile(folder.PathOf("short.ico").c_str(), 66));
  EXPECT_FALSE(manager.SetIconsFromIconFile(folder.PathOf("missing.ico").c_str(), 67));
}

TEST(ImageManager, RemoveAllEmptiesTheStoreAndItsAtlases) {
  CTKImageManager manager;
  std::unique_ptr<CTKImageManagerIconHandle> image(Solid(16, RGB(5, 5, 5)));
  manager.SetIcon(*image, 1);
  EXPECT_NE(nullptr, manager.GetImageResource(16, 16)->GetColorBitmap());
  manager.AddImageList(ImageList_Create(16, 16, ILC_COLOR24, 1, 0), 100, TRUE);
  manager.RemoveAll();
  EXPECT_EQ(0, manager.m_mapImages.GetCount());
  EXPECT_EQ(0, manager.m_mapResources.GetCount());
  EXPECT_EQ(0, manager.m_arrImageList.GetSize());
}

TEST(ImageManager, TheProcessWideManagerAndItsDispatch) {
  EXPECT_EQ(TKImageManager(), TKImageManager());
  EXPECT_EQ(nullptr, ImageManagerFromDispatch(NULL));
  CCmdTarget other;
  other.EnableAutomation();
  EXPECT_THROW(
      {
        try {
          ImageManagerFromDispatch(other.GetIDispatch(FALSE));
        } catch (COleException* e) {
          EXPECT_EQ(E_INVALIDARG, e->m_sc);
          e->Delete();
          throw 1;
        }
      },
      int);
  CTKImageManager manager;
  manager.EnableAutomation();
  EXPECT_EQ(&manager, ImageManagerFromDispatch(manager.GetIDispatch(FALSE)));
}

// A manager with two icon sets: id 3 at widths 16 and 32 (with a hot image),
// id 70000 at 20 with an alpha image.
void Fill(CTKImageManager* pManager) {
  std::unique_ptr<CTKImageManagerIconHandle> small(Solid(16, RGB(10, 20, 30))),
      large(Solid(32, RGB(40, 50, 60))), hot(Solid(16, RGB(70, 80, 90)));
  pManager->SetIcon(*small, 3);
  pManager->SetIcon(*large, 3);
  pManager->SetIcon(*hot, 3, 16, 16, TK_IMAGESTATE_HOT);
  CTKImageManagerIconHandle alpha;
  alpha.SetBitmap(MakeBitmap32(20, 20, [](int x, int) { return x < 10 ? Bgra(9, 8, 7, 255) : 0; }));
  pManager->SetIcon(alpha, 70000);
}

void ExpectFilled(CTKImageManager* pManager) {
  EXPECT_EQ(2, pManager->m_mapImages.GetCount());
  EXPECT_EQ(2, pManager->LookupIconSet(3)->m_mapIcons.GetCount());
  EXPECT_EQ(RGB(10, 20, 30), ColourOf(pManager->GetImage(3, 16)));
  EXPECT_EQ(RGB(70, 80, 90), ColourOf(pManager->GetImage(3, 16), TK_IMAGESTATE_HOT));
  EXPECT_EQ(RGB(40, 50, 60), ColourOf(pManager->GetImage(3, 32)));
  CTKImageManagerIcon* pAlpha = pManager->GetImage(70000, 20);
  ASSERT_NE(nullptr, pAlpha);
  EXPECT_TRUE(pAlpha->IsAlpha());
  EXPECT_EQ(RGB(7, 8, 9), ColourOf(pAlpha));
}

std::string StoreToArchive(CTKImageManager* pManager) {
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    pManager->Serialize(ar);
  }
  std::string bytes((size_t)file.GetLength(), '\0');
  file.SeekToBegin();
  file.Read(&bytes[0], (UINT)bytes.size());
  return bytes;
}

void LoadFromArchive(CTKImageManager* pManager, std::string bytes) {
  CMemFile file(reinterpret_cast<BYTE*>(&bytes[0]), (UINT)bytes.size());
  CArchive ar(&file, CArchive::load);
  pManager->Serialize(ar);
}

TEST(ImageManagerExchange, AStoredManagerLoadsBackThroughAnArchive) {
  CTKImageManager stored, loaded;
  Fill(&stored);
  const std::string bytes = StoreToArchive(&stored);
  std::unique_ptr<CTKImageManagerIconHandle> other(Solid(16, RGB(1, 1, 1)));
  loaded.SetIcon(*other, 99);  // loading empties the store first
  LoadFromArchive(&loaded, bytes);
  ExpectFilled(&loaded);
  EXPECT_EQ(nullptr, loaded.LookupIconSet(99));
  EXPECT_EQ(70000u, loaded.m_nCustomID);
  EXPECT_EQ(bytes, StoreToArchive(&loaded));
}

class ImageManagerIni : public ::testing::Test {
 protected:
  void Exchange(CTKImageManager* pManager, BOOL bLoading) {
    CTKPropExchangeIniFile* px = new CTKPropExchangeIniFile(bLoading, nullptr, "Images");
    px->AssignFile(m_folder.PathOf("images.ini").c_str());
    CTKPropExchangeSection section(px);
    pManager->DoPropExchange(section);
  }
  CTempFolder m_folder;
};

TEST_F(ImageManagerIni, AStoredManagerLoadsBackThroughAnIniFile) {
  CTKImageManager stored, loaded;
  Fill(&stored);
  Exchange(&stored, FALSE);
  Exchange(&loaded, TRUE);
  ExpectFilled(&loaded);
}

// Counts that name more icon sets and icons than the file holds load what is
// there and make nothing more.
TEST_F(ImageManagerIni, DamagedCountsLoadOnlyTheSetsAndIconsThereAre) {
  CTKImageManager stored, loaded;
  Fill(&stored);
  Exchange(&stored, FALSE);
  const std::string path = m_folder.PathOf("images.ini");
  for (const char* section : {"Images", "Images\\IconSet0", "Images\\IconSet1"})
    ASSERT_TRUE(WritePrivateProfileStringA(section, "Count", "40", path.c_str()));
  Exchange(&loaded, TRUE);
  ExpectFilled(&loaded);
  EXPECT_EQ(1, loaded.LookupIconSet(70000)->m_mapIcons.GetCount());
}

TEST_F(ImageManagerIni, AWrongCheckSumRaisesAnArchiveException) {
  CTKImageManager stored, loaded;
  Fill(&stored);
  Exchange(&stored, FALSE);
  const std::string path = m_folder.PathOf("images.ini");
  ASSERT_TRUE(WritePrivateProfileStringA("Images\\IconSet1", "CheckSum", "Damaged", path.c_str()));
  int cause = -1;
  try {
    Exchange(&loaded, TRUE);
  } catch (CArchiveException* e) {
    cause = e->m_cause;
    e->Delete();
  }
  EXPECT_EQ(CArchiveException::badClass, cause);
  // The set before the damaged one was loaded.
  EXPECT_EQ(1, loaded.m_mapImages.GetCount());
}

}  // namespace
