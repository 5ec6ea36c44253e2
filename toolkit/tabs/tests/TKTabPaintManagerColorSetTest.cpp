// Colour sets: which entry colours a tab in each state, the fills, the
// dithered state button and the Luna constants of the Office 2003 set.
#include <gtest/gtest.h>

#include "SupportTabStrip.h"
#include "common/TKColorManager.h"
#include "tabs/TKTabPaintManagerColorSet.h"
#include "testsupport/DibSurface.h"

namespace {

class TabColorSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_pPaint = m_strip.GetPaintManager();
    m_pPaint->m_bShowIcons = FALSE;
    for (const char* caption : {"One", "Two", "Three"}) m_strip.Add(caption);
    m_strip.SetCurSel(0);
  }
  CTKTabPaintManagerColorSet* Colors() { return m_pPaint->GetColorSet(); }
  CTestTabStrip m_strip{NULL, CRect(0, 0, 300, 80)};
  CTKTabPaintManager* m_pPaint = nullptr;
};

TEST_F(TabColorSetTest, ItemColoursFillEveryTabWhateverItsState) {
  m_pPaint->SetAppearance(6);
  m_pPaint->m_bShowItemColors = TRUE;
  m_strip.GetItem(2)->SetEnabled(FALSE);
  m_strip.Reposition();
  CDibSurface surface(300, 80);
  m_strip.Paint(surface.GetDC());
  for (int i = 0; i < 3; ++i) {
    const CRect rc = m_strip.GetItem(i)->GetRect();
    EXPECT_EQ(m_strip.GetItem(i)->GetColor(), surface.GetPixel(rc.left + 2, rc.top + 3)) << i;
  }
  EXPECT_EQ(0xE4A88Au, m_strip.GetItem(0)->GetColor());
}

TEST_F(TabColorSetTest, InactiveStripsAndDisabledTabsTakeTheirOwnEntries) {
  Colors()->m_clrButtonSelectedHighlighted.SetCustomValue(RGB(1, 2, 3));
  Colors()->m_clrTextSelectedHighlighted.SetCustomValue(RGB(4, 5, 6));
  Colors()->m_clrTextDisabled.SetCustomValue(RGB(7, 8, 9));
  CTKTabManagerItem* pSelected = m_strip.GetItem(0);
  EXPECT_EQ(static_cast<COLORREF>(Colors()->m_clrButtonSelected), Colors()->GetItemColor(pSelected));
  m_strip.SetActive(FALSE);
  EXPECT_EQ(RGB(1, 2, 3), Colors()->GetItemColor(pSelected));

  CDibSurface surface(4, 4);
  Colors()->SetTextColor(surface.GetDC(), m_strip.GetItem(1));
  EXPECT_EQ(RGB(4, 5, 6), surface.GetDC()->GetTextColor());
  pSelected->SetEnabled(FALSE);
  Colors()->SetTextColor(surface.GetDC(), pSelected);
  EXPECT_EQ(RGB(7, 8, 9), surface.GetDC()->GetTextColor());
}

TEST_F(TabColorSetTest, TheDefaultSelectedStateButtonIsACheckerboard) {
  ASSERT_NE(nullptr, dynamic_cast<CTKTabColorSetDefault*>(Colors()));
  CDibSurface surface(20, 20);
  Colors()->FillStateButton(surface.GetDC(), CRect(0, 0, 20, 20), m_strip.GetItem(0));
  const COLORREF clrFace = TKColorManager()->GetColor(COLOR_BTNFACE);
  const COLORREF clrLight = TKColorManager()->GetColor(COLOR_3DHIGHLIGHT);
  ASSERT_NE(clrFace, clrLight);
  for (int y = 2; y < 6; ++y)
    for (int x = 2; x < 6; ++x) {
      const COLORREF clr = surface.GetPixel(x, y);
      EXPECT_TRUE(clr == clrFace || clr == clrLight) << x << "," << y;
      EXPECT_NE(clr, surface.GetPixel(x + 1, y)) << x << "," << y;
      EXPECT_NE(clr, surface.GetPixel(x, y + 1)) << x << "," << y;
    }
}

TEST_F(TabColorSetTest, ABottomHeaderRunsFromDarkDownToLight) {
  m_pPaint->SetPosition(tkTabPositionBottom);
  Colors()->m_clrHeaderFace.m_clrLight.SetCustomValue(RGB(250, 250, 250));
  Colors()->m_clrHeaderFace.m_clrDark.SetCustomValue(RGB(0, 0, 100));
  CDibSurface surface(10, 40);
  Colors()->FillHeader(surface.GetDC(), CRect(0, 0, 10, 40), &m_strip);
  EXPECT_EQ(RGB(0, 0, 100), surface.GetPixel(5, 0));
  EXPECT_GT(GetRValue(surface.GetPixel(5, 39)), 240);
  EXPECT_LT(GetRValue(surface.GetPixel(5, 10)), GetRValue(surface.GetPixel(5, 30)));
}

TEST_F(TabColorSetTest, TheOffice2003SetKeepsItsSelectedColourUnderTheOliveScheme) {
  TKColorManager()->SetThemeSetting(tkSchemeLunaOlive);
  m_pPaint->SetColor(4);
  auto* pOffice = dynamic_cast<CTKTabColorSetOffice2003*>(Colors());
  ASSERT_NE(nullptr, pOffice);
  EXPECT_TRUE(pOffice->m_bLunaColors);
  EXPECT_EQ(0x73C2FFu, static_cast<COLORREF>(pOffice->m_clrButtonSelected));
  EXPECT_EQ(0xAADED0u, static_cast<COLORREF>(pOffice->m_clrButtonNormal));
  EXPECT_EQ(0x588060u, static_cast<COLORREF>(pOffice->m_clrFrameBorder));
  EXPECT_EQ(0x4B8EFEu, static_cast<COLORREF>(pOffice->m_clrButtonPressed));

  m_pPaint->m_bDisableSchemeColors = TRUE;
  m_pPaint->SetColor(4);
  EXPECT_FALSE(dynamic_cast<CTKTabColorSetOffice2003*>(Colors())->m_bLunaColors);
  TKColorManager()->SetThemeSetting(6);
  TKColorManager()->RefreshColors();
}

}  // namespace
