// The gallery paint managers: the scroll column's buttons by state, the
// items by style, the fill each variant leaves to the bar, and replacing a
// variant.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "SupportPaintManager.h"
#include "SupportThemePaintManager.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControlAction.h"
#include "commandbars/TKControlGallery.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"
#include "testsupport/DibSurface.h"
#include "themes/TKControlGalleryThemes.h"

namespace {

const COLORREF kBarColor = RGB(7, 77, 177);

/// Records the faces the gallery looks ask their owner for.
class CRecordingThemePaintManager : public CTestThemePaintManager {
 public:
  struct Face {
    CRect rc;
    BOOL bSelected;
    BOOL bPressed;
    BOOL bEnabled;
  };
  std::vector<Face> m_faces;
  void DrawRectangle(CDC* pDC, CRect rc, BOOL bSelected, BOOL bPressed, BOOL bEnabled,
                     BOOL bChecked, BOOL bPopuped, int nBarType, int nBarPosition) override {
    m_faces.push_back(Face{rc, bSelected, bPressed, bEnabled});
    CTestThemePaintManager::DrawRectangle(pDC, rc, bSelected, bPressed, bEnabled, bChecked,
                                          bPopuped, nBarType, nBarPosition);
  }
};

class GalleryThemesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    m_pPaintManager = new CRecordingThemePaintManager;
    m_pPaintManager->RefreshMetrics();
    m_pBar = new CTKCommandBar;
    m_pBar->SetPaintManager(m_pPaintManager);
    m_pItems = new CTKControlGalleryItems;
    m_pItems->SetItemSize(CSize(40, 30));
    for (int i = 0; i < 8; ++i) m_pItems->AddItem(500 + i, "Item");
    m_pAction = new CTKControlAction(nullptr);
    m_pAction->SetGalleryItems(m_pItems);
    m_pGallery = new CTKControlGallery;
    m_pBar->GetControls()->AppendControl(m_pGallery);
    m_pGallery->SetAction(m_pAction);
    m_pGallery->SetRect(CRect(0, 0, 116, 60));
  }
  void TearDown() override {
    m_pBar->InternalRelease();
    m_pAction->InternalRelease();
    m_pItems->InternalRelease();
  }
  /// Gives the gallery a pop-up, so that it scrolls through its own buttons.
  void AddPopup() {
    m_pGallery->SetCommandBar(CTKPopupBar::CreatePopupBar(nullptr));
    m_pGallery->RecalcLayout();
  }

  CScriptedSystemFonts m_fonts{-12};
  CRecordingThemePaintManager* m_pPaintManager = nullptr;
  CTKCommandBar* m_pBar = nullptr;
  CTKControlGalleryItems* m_pItems = nullptr;
  CTKControlAction* m_pAction = nullptr;
  CTKControlGallery* m_pGallery = nullptr;
};

// The scroll column ---------------------------------------------------------------------

struct ColumnCase {
  bool bAtBottom;
  BOOL bUp, bDown, bMore;  // enabled
};

class GalleryColumnTest : public GalleryThemesTest,
                          public ::testing::WithParamInterface<ColumnCase> {};

TEST_P(GalleryColumnTest, TheScrollButtonsAreEnabledWhereTheGalleryCanScroll) {
  AddPopup();
  const ColumnCase& c = GetParam();
  if (c.bAtBottom) m_pGallery->SetScrollPos(1000);
  CDibSurface surface(120, 70, kBarColor);
  m_pPaintManager->GetGalleryPaintManager()->DrawGalleryScrollBar(surface.GetDC(), m_pGallery);
  ASSERT_EQ(3u, m_pPaintManager->m_faces.size());
  EXPECT_EQ(c.bUp, m_pPaintManager->m_faces[0].bEnabled);
  EXPECT_EQ(c.bDown, m_pPaintManager->m_faces[1].bEnabled);
  EXPECT_EQ(c.bMore, m_pPaintManager->m_faces[2].bEnabled);
  EXPECT_EQ(CRect(100, 0, 116, 19), m_pPaintManager->m_faces[0].rc);
  EXPECT_EQ(CRect(100, 38, 116, 60), m_pPaintManager->m_faces[2].rc);
}

INSTANTIATE_TEST_SUITE_P(Positions, GalleryColumnTest,
                         ::testing::Values(ColumnCase{false, FALSE, TRUE, TRUE},
                                           ColumnCase{true, TRUE, FALSE, TRUE}));

TEST_F(GalleryThemesTest, Office2013DrawsTheTopsDisabledUpButtonGreyAndThePopupButtonLive) {
  AddPopup();
  CTKControlGalleryOffice2013Theme look(m_pPaintManager);
  look.RefreshMetrics();
  CDibSurface surface(120, 70, kBarColor);
  look.DrawGalleryScrollBar(surface.GetDC(), m_pGallery);
  const COLORREF clrDisabled = look.m_clrScrollTriangleDisabled;
  const COLORREF clrNormal = look.m_clrScrollTriangle;
  EXPECT_EQ(static_cast<COLORREF>(look.m_clrScrollBorderDisabled), surface.GetPixel(100, 5));
  EXPECT_GT(surface.CountPixels(CRect(101, 0, 116, 18), clrDisabled), 0);
  EXPECT_EQ(static_cast<COLORREF>(look.m_clrScrollBorder), surface.GetPixel(100, 45));
  EXPECT_GT(surface.CountPixels(CRect(101, 39, 116, 60), clrNormal), 0);
  EXPECT_EQ(0, surface.CountPixels(CRect(101, 39, 116, 60), clrDisabled));
}

TEST_F(GalleryThemesTest, Office2013KeepsTheFrameOfAHotDownButtonOverThePopupButton) {
  AddPopup();
  CTKControlGalleryOffice2013Theme look(m_pPaintManager);
  look.RefreshMetrics();
  const int nSharedRow = 19 + 19;  // the down button's bottom, the pop-up button's top
  for (int nHot : {0, static_cast<int>(TKSB_HT_DOWN)}) {
    m_pGallery->GetLayoutPtr()->nHitPart = nHot;
    CDibSurface surface(120, 70, kBarColor);
    look.DrawGalleryScrollBar(surface.GetDC(), m_pGallery);
    const COLORREF clrFrame = nHot ? look.m_clrScrollBorderHighlight : look.m_clrScrollBorder;
    EXPECT_EQ(clrFrame, surface.GetPixel(108, nSharedRow)) << nHot;
    if (nHot) EXPECT_EQ(static_cast<COLORREF>(look.m_clrScrollBackHighlight), surface.GetPixel(102, 30));
  }
}

// Items -------------------------------------------------------------------------------------

class GalleryItemTest : public GalleryThemesTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(GalleryItemTest, ACaptionAndDescriptionItemKeepsItsSecondLine) {
  ASSERT_TRUE(AddTestIcons(TKImageManager(), {500}, 16));
  m_pGallery->SetStyle(5);
  CTKControlGalleryItem* pItem = m_pItems->GetItem(0);
  pItem->SetCaption("Title");
  pItem->SetDescription(GetParam());
  CDibSurface surface(200, 44, kBarColor);
  const CRect rc(0, 0, 200, 44);
  m_pPaintManager->GetGalleryPaintManager()->DrawGalleryItem(surface.GetDC(), rc, TRUE, FALSE,
                                                             FALSE, FALSE, pItem, m_pGallery);
  CDC* pDC = surface.GetDC();
  CFont* pOld = pDC->SelectObject(&m_pPaintManager->m_fontBold);
  const int nLine = pDC->GetTextExtent("XXX", 3).cy;
  pDC->SelectObject(pOld);
  const COLORREF clrFace = CTestThemePaintManager::kIdleFace;
  const int nTitleInk = 50 * nLine - surface.CountPixels(CRect(50, 2, 100, 2 + nLine), clrFace);
  const CRect rcSecond(50, 2 + nLine, 200, 44);
  const int nSecondInk = rcSecond.Width() * rcSecond.Height() - surface.CountPixels(rcSecond, clrFace);
  EXPECT_GT(nTitleInk, 0);
  EXPECT_EQ(*GetParam() != '\0', nSecondInk > 0) << "description \"" << GetParam() << "\"";
}

INSTANTIATE_TEST_SUITE_P(Descriptions, GalleryItemTest, ::testing::Values("", "Details"));

// The fill -------------------------------------------------------------------------------------

struct VariantCase {
  const char* name;
  std::function<CTKControlGalleryPaintManager*(CTKPaintManagerBase*)> make;
};

class GalleryFillTest : public GalleryThemesTest, public ::testing::WithParamInterface<VariantCase> {};

TEST_P(GalleryFillTest, WithoutABackgroundTheBarShowsThrough) {
  std::unique_ptr<CTKControlGalleryPaintManager> look(GetParam().make(m_pPaintManager));
  look->RefreshMetrics();
  if (auto* pResource = dynamic_cast<CTKControlGalleryResourceTheme*>(look.get()))
    pResource->m_clrNormalBack.SetCustomValue(RGB(240, 240, 240));  // no theme text loaded
  const CRect rc(0, 0, 116, 60);
  for (BOOL bTransparent : {TRUE, FALSE}) {
    m_pGallery->SetTransparent(bTransparent);
    CDibSurface surface(120, 70, kBarColor);
    look->FillGallery(surface.GetDC(), m_pGallery, rc);
    EXPECT_EQ(bTransparent ? 116 * 60 : 0, surface.CountPixels(rc, kBarColor))
        << GetParam().name << (bTransparent ? " without" : " with") << " a background";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Variants, GalleryFillTest,
    ::testing::Values(
        VariantCase{"base", [](CTKPaintManagerBase* p) { return new CTKControlGalleryTheme(p); }},
        VariantCase{"resource",
                    [](CTKPaintManagerBase* p) { return new CTKControlGalleryResourceTheme(p); }},
        VariantCase{"office 2013",
                    [](CTKPaintManagerBase* p) { return new CTKControlGalleryOffice2013Theme(p); }},
        VariantCase{"visual studio 2015", [](CTKPaintManagerBase* p) {
                      return new CTKControlGalleryVisualStudio2015Theme(p);
                    }}));

// Replacing a variant ----------------------------------------------------------------------------

int g_nDestroyed = 0;

class CCountedLook : public CTKControlGalleryResourceTheme {
 public:
  using CTKControlGalleryResourceTheme::CTKControlGalleryResourceTheme;
  ~CCountedLook() override { ++g_nDestroyed; }
};

TEST_F(GalleryThemesTest, AReplacedVariantIsDestroyedAsWhatItIs) {
  g_nDestroyed = 0;
  m_pPaintManager->SetGalleryPaintManager(new CCountedLook(m_pPaintManager));
  m_pPaintManager->SetGalleryPaintManager(new CTKControlGalleryOffice2013Theme(m_pPaintManager));
  EXPECT_EQ(1, g_nDestroyed);
  m_pPaintManager->RefreshMetrics();
  EXPECT_EQ(static_cast<COLORREF>(0x00B2AFAB), m_pPaintManager->GetGalleryPaintManager()->m_clrBorder)
      << "the owner refreshes the variant it holds";
}

}  // namespace
