// The colour manager on a scripted system: colours derived from the system
// colours, overrides, high contrast, 256 colours, the colour schemes and their
// gradients, and the colour arithmetic.
#include <gtest/gtest.h>

#include <math.h>

#include <map>
#include <vector>

#include "common/TKColorManager.h"

namespace {

// The system as a test describes it.
class CScriptedSystem : public CTKColorManagerSystem {
 public:
  CScriptedSystem() {
    // The classic Windows scheme.
    m_colors = {{COLOR_WINDOW, RGB(255, 255, 255)},
                {COLOR_MENUTEXT, RGB(0, 0, 0)},
                {COLOR_WINDOWTEXT, RGB(0, 0, 0)},
                {COLOR_HIGHLIGHT, RGB(10, 36, 106)},
                {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)},
                {COLOR_BTNFACE, RGB(212, 208, 200)},
                {COLOR_BTNSHADOW, RGB(128, 128, 128)},
                {COLOR_GRAYTEXT, RGB(128, 128, 128)},
                {COLOR_BTNTEXT, RGB(0, 0, 0)},
                {COLOR_3DLIGHT, RGB(212, 208, 200)}};
  }
  COLORREF GetSysColor(int nIndex) override {
    auto it = m_colors.find(nIndex);
    return it != m_colors.end() ? it->second : RGB(nIndex, nIndex, nIndex);
  }
  BOOL IsLowResolution() override { return m_bLowResolution; }
  BOOL IsThemeActive() override { return m_bThemeActive; }
  BOOL GetCurrentThemeName(CString& strFile, CString& strColor) override {
    strFile = m_strFile;
    strColor = m_strColor;
    return !m_strFile.IsEmpty();
  }
  BOOL GetThemedBorderColor(COLORREF& clr) override {
    clr = m_clrBorder;
    return m_clrBorder != CLR_NONE;
  }

  std::map<int, COLORREF> m_colors;
  BOOL m_bLowResolution = FALSE;
  BOOL m_bThemeActive = FALSE;
  CString m_strFile, m_strColor;
  COLORREF m_clrBorder = CLR_NONE;
};

class ColorManagerTest : public ::testing::Test {
 protected:
  void SetUp() override { m_manager.SetSystem(&m_system); }
  void Refresh(BOOL bReset = FALSE) { m_manager.RefreshColors(bReset); }
  void ExpectGradient(int index, COLORREF light, COLORREF dark, float factor) {
    CTKPaintManagerColorGradient& g = m_manager.GetGradient(index);
    EXPECT_EQ(light, (COLORREF)g.m_clrLight) << "G" << index;
    EXPECT_EQ(dark, (COLORREF)g.m_clrDark) << "G" << index;
    EXPECT_EQ(factor, g.m_fGradientFactor) << "G" << index;
  }

  CScriptedSystem m_system;
  CTKColorManager m_manager;
};

const COLORREF kFace = RGB(212, 208, 200);
const COLORREF kWindow = RGB(255, 255, 255);
const COLORREF kShadow = RGB(128, 128, 128);
const COLORREF kHighlight = RGB(10, 36, 106);

TEST(ColorMix, WeightsBelow100ArePercentAndAboveArePerMille) {
  const COLORREF white = RGB(255, 255, 255), black = 0;
  EXPECT_EQ(RGB(128, 128, 128), CTKColorManager::MixColors(white, black, 50));
  EXPECT_EQ(RGB(42, 42, 42), CTKColorManager::MixColors(white, black, 165));
  EXPECT_EQ(RGB(20, 10, 0), CTKColorManager::MixColors(RGB(200, 100, 0), black, 100));
  EXPECT_EQ(white, CTKColorManager::MixColors(white, black, 1000));
  EXPECT_EQ(black, CTKColorManager::MixColors(white, black, 0));
}

TEST(ColorDistance, DistancesAreWeightedAndDarkColoursNeedMore) {
  const COLORREF white = RGB(255, 255, 255);
  EXPECT_NEAR(440.85, CTKColorManager::ColorBrightness(white), 0.01);
  EXPECT_NEAR(390.0, CTKColorManager::ColorDistance(0, RGB(0, 255, 0)), 1e-9);
  EXPECT_TRUE(CTKColorManager::IsColorDistanceAbove(0, white, FALSE, 440));
  EXPECT_FALSE(CTKColorManager::IsColorDistanceAbove(0, white, FALSE, 441));
  EXPECT_DOUBLE_EQ(100.0, CTKColorManager::ScaleThresholdForBrightness(0, 50));
  EXPECT_DOUBLE_EQ(75.0, CTKColorManager::ScaleThresholdForBrightness(110, 50));
  EXPECT_DOUBLE_EQ(50.0, CTKColorManager::ScaleThresholdForBrightness(400, 50));
  // Green at 60 is 91.8 from black: above 60 plainly, not above the doubled 120.
  EXPECT_TRUE(CTKColorManager::IsColorDistanceAbove(0, RGB(0, 60, 0), FALSE, 60));
  EXPECT_FALSE(CTKColorManager::IsColorDistanceAbove(0, RGB(0, 60, 0), TRUE, 60));
}

TEST(ColorDistance, EnsureContrastPutsTheColourAtTheWantedDistance) {
  struct Case {
    COLORREF a, b;
    int t;
  } cases[] = {{RGB(212, 208, 200), RGB(200, 200, 200), 50},
               {RGB(0, 0, 0), RGB(0, 0, 128), 100},
               {RGB(255, 255, 255), RGB(250, 250, 240), 180},
               {RGB(10, 36, 106), RGB(20, 40, 110), 80}};
  for (const Case& c : cases) {
    COLORREF result = CTKColorManager::EnsureContrast(c.a, c.b, c.t);
    double wanted = CTKColorManager::ScaleThresholdForBrightness(
        (int)CTKColorManager::ColorBrightness(c.a), c.t);
    // Limited to the colour cube and rounded to 8 bits, so within a few units.
    EXPECT_NEAR(wanted, CTKColorManager::ColorDistance(c.a, result), 4.0)
        << std::hex << c.a << " " << c.b;
  }
  // A bright colour gets a darker contrast, a dark one a brighter one.
  EXPECT_LT(CTKColorManager::ColorBrightness(
                CTKColorManager::EnsureContrast(RGB(255, 255, 255), RGB(250, 250, 250), 180)),
            300);
  EXPECT_GT(CTKColorManager::ColorBrightness(
                CTKColorManager::EnsureContrast(RGB(0, 0, 0), RGB(0, 0, 128), 100)),
            150);
}

TEST(ColorDistance, LimitColorDistanceMovesTowardsTheFirstColour) {
  const COLORREF a = RGB(212, 208, 200), b = RGB(0, 0, 0);
  COLORREF result = CTKColorManager::LimitColorDistance(a, b, 35);
  EXPECT_NEAR(35.0, CTKColorManager::ColorDistance(a, result), 2.0);
  EXPECT_LT(GetRValue(result), 212);
  EXPECT_EQ(a, CTKColorManager::LimitColorDistance(a, a, 35));
}

TEST_F(ColorManagerTest, IndexesAbove62AreColoursThemselves) {
  Refresh(TRUE);
  EXPECT_EQ(0x00FF0000u, m_manager.GetColor(0x00FF0000));
  EXPECT_EQ(63u, m_manager.GetColor(63));
  EXPECT_EQ(0u, m_manager.GetColor(0));
  m_manager.SetColor(0, RGB(1, 2, 3));
  EXPECT_EQ(RGB(1, 2, 3), m_manager.GetColor(0));
}

TEST_F(ColorManagerTest, ClassicColoursAreMixedFromTheSystemColours) {
  Refresh(TRUE);
  for (int i = 1; i < 30; ++i)
    if (i != COLOR_3DLIGHT) {
      EXPECT_EQ(m_system.GetSysColor(i), m_manager.GetColor(i)) << i;
    }
  EXPECT_EQ(RGB(227, 223, 215), m_manager.GetColor(COLOR_3DLIGHT));  // the face plus 15
  EXPECT_EQ(RGB(219, 216, 209), m_manager.GetColor(30));             // 16.5 % window over the face
  EXPECT_EQ(RGB(133, 146, 181), m_manager.GetColor(33));             // half highlight, half window
  EXPECT_EQ(RGB(247, 242, 233), m_manager.GetColor(48));             // the face brightened by 35
  EXPECT_EQ(RGB(85, 85, 85), m_manager.GetColor(49));                // the shadow darkened by 43
  const COLORREF c31 = m_manager.GetColor(31);
  EXPECT_EQ(RGB(GetRValue(c31) * 3 / 4, GetGValue(c31) * 3 / 4, GetBValue(c31) * 3 / 4),
            m_manager.GetColor(34));
  const COLORREF c30 = m_manager.GetColor(30);
  // Half colour 30, 40 % window (102), 10 % highlight, each part truncated.
  EXPECT_EQ(RGB(GetRValue(c30) / 2 + 102 + 1, GetGValue(c30) / 2 + 102 + 3,
                GetBValue(c30) / 2 + 102 + 10),
            m_manager.GetColor(36));
  EXPECT_EQ(m_manager.GetColor(30), m_manager.GetColor(53));
  EXPECT_EQ(m_manager.GetColor(40), m_manager.GetColor(58));
  EXPECT_EQ(m_manager.GetColor(40), m_manager.GetColor(60));
  EXPECT_EQ(0u, m_manager.GetColor(59));
  EXPECT_EQ(0u, m_manager.GetColor(62));
}

TEST_F(ColorManagerTest, OverridesTakePartAndSurviveRefreshesUntilReset) {
  Refresh(TRUE);
  // With the window as grey as the face, the mixes of the two are the face.
  m_manager.SetColor(COLOR_WINDOW, kFace);
  Refresh(FALSE);
  EXPECT_EQ(kFace, m_manager.GetColor(COLOR_WINDOW));
  EXPECT_EQ(kFace, m_manager.GetColor(30));
  EXPECT_EQ(kFace, m_manager.GetColor(41));

  m_manager.SetColor(30, RGB(1, 2, 3));
  Refresh(FALSE);
  EXPECT_EQ(RGB(1, 2, 3), m_manager.GetColor(30));
  EXPECT_EQ(RGB(1, 2, 3), m_manager.GetColor(53));

  m_manager.ResetCustomColors();
  EXPECT_EQ(kWindow, m_manager.GetColor(COLOR_WINDOW));
  m_manager.SetColor(30, RGB(1, 2, 3));
  Refresh(TRUE);
  EXPECT_EQ(RGB(219, 216, 209), m_manager.GetColor(30));
}

TEST_F(ColorManagerTest, HighContrastTakesPlainSystemColours) {
  m_system.m_colors[COLOR_BTNFACE] = RGB(0, 0, 0);
  m_system.m_colors[COLOR_BTNTEXT] = RGB(255, 255, 255);
  m_system.m_colors[COLOR_HIGHLIGHT] = RGB(255, 255, 0);
  m_system.m_colors[COLOR_HIGHLIGHTTEXT] = RGB(0, 0, 255);
  Refresh(TRUE);
  EXPECT_EQ(RGB(0, 0, 0), m_manager.GetColor(30));
  EXPECT_EQ(RGB(255, 255, 0), m_manager.GetColor(31));
  EXPECT_EQ(RGB(255, 255, 255), m_manager.GetColor(32));
  EXPECT_EQ(RGB(255, 255, 0), m_manager.GetColor(36));
  EXPECT_EQ(RGB(255, 255, 0), m_manager.GetColor(50));
  EXPECT_EQ(RGB(35, 35, 35), m_manager.GetColor(48));
  EXPECT_EQ(RGB(127, 127, 127), m_manager.GetColor(49));
}

TEST_F(ColorManagerTest, At256ColoursTheColoursStaySolid) {
  m_system.m_bLowResolution = TRUE;
  m_system.m_bThemeActive = TRUE;
  m_system.m_strFile = "C:\\Windows\\Resources\\Themes\\Luna\\Luna.msstyles";
  m_system.m_strColor = "NormalColor";
  Refresh(TRUE);
  EXPECT_EQ(0, m_manager.GetDetectedScheme());
  EXPECT_EQ(kFace, m_manager.GetColor(30));
  EXPECT_EQ(kWindow, m_manager.GetColor(31));
  EXPECT_EQ(kHighlight, m_manager.GetColor(33));
  EXPECT_EQ(kShadow, m_manager.GetColor(48));
  ExpectGradient(1, kFace, kFace, 0.5f);
  ExpectGradient(3, kFace, kFace, 0.5f);
  ExpectGradient(2, kFace, kShadow, 0.5f);
}

TEST_F(ColorManagerTest, TheWindowsColourSchemeIsRecognised) {
  struct Case {
    BOOL active;
    const char* file;
    const char* color;
    BOOL royale, aero;
    int scheme;
  } cases[] = {
      {TRUE, "C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", "NormalColor", 1, 1, 1},
      {TRUE, "c:\\luna.msstyles", "HomeStead", 1, 1, 2},
      {TRUE, "c:\\luna.msstyles", "Metallic", 1, 1, 3},
      {TRUE, "c:\\winxp.luna.gwstyles", "normalcolor", 1, 1, 1},
      {TRUE, "c:\\luna.msstyles", "Other", 1, 1, 0},
      {TRUE, "c:\\Royale.msstyles", "NormalColor", 1, 1, 4},
      {TRUE, "c:\\Royale.msstyles", "NormalColor", 0, 1, 0},
      {TRUE, "c:\\Aero.msstyles", "NormalColor", 1, 1, 5},
      {TRUE, "c:\\Aero.msstyles", "NormalColor", 1, 0, 0},
      {TRUE, "c:\\Other.msstyles", "NormalColor", 1, 1, 0},
      {FALSE, "c:\\luna.msstyles", "NormalColor", 1, 1, 0},
      {TRUE, "", "", 1, 1, 0},
  };
  for (const Case& c : cases) {
    m_system.m_bThemeActive = c.active;
    m_system.m_strFile = c.file;
    m_system.m_strColor = c.color;
    m_manager.SetRoyaleDetection(c.royale);
    m_manager.SetAeroDetection(c.aero);
    EXPECT_EQ(c.scheme, m_manager.DetectWindowsColorScheme()) << c.file << " " << c.color;
  }
}

TEST_F(ColorManagerTest, SchemesGiveTheirGradients) {
  m_system.m_bThemeActive = TRUE;
  m_system.m_strFile = "c:\\luna.msstyles";
  m_system.m_strColor = "metallic";
  Refresh(TRUE);
  EXPECT_EQ(3, m_manager.GetCurrentSystemTheme());
  ExpectGradient(0, 0xBFA7A8, 0x916F70, 0.5f);
  ExpectGradient(3, 0xFFF9F9, 0xB79B9C, 0.75f);
  ExpectGradient(6, 0xF1E7E9, 0xCDB9BA, 0.5f);
  EXPECT_EQ(0x947C7Cu, m_manager.GetColor(54));

  m_system.m_strColor = "homestead";
  Refresh();
  ExpectGradient(5, 0xD1E6E6, 0x78B4A4, 0.3f);
  EXPECT_EQ(0x588060u, m_manager.GetColor(54));

  m_system.m_strFile = "c:\\royale.msstyles";
  m_manager.SetRoyaleDetection(FALSE);
  Refresh();
  EXPECT_EQ(0, m_manager.GetCurrentSystemTheme());
  ExpectGradient(0, kShadow, kShadow, 0.5f);
  ExpectGradient(1, kFace, CTKColorManager::MixColors(kFace, kWindow, 215), 0.5f);
  ExpectGradient(4, CTKColorManager::MixColors(kFace, kWindow, 145),
                 CTKColorManager::MixColors(kFace, kWindow, 93), 0.5f);
  ExpectGradient(5, CTKColorManager::MixColors(kFace, kWindow, 40),
                 CTKColorManager::MixColors(kFace, kShadow, 95), 0.5f);
  EXPECT_EQ(kShadow, m_manager.GetColor(54));
}

TEST_F(ColorManagerTest, TheThemeSettingAndDisabledSchemeColoursDecideTheGradients) {
  m_manager.SetThemeSetting(1);
  Refresh(TRUE);
  EXPECT_EQ(1, m_manager.GetCurrentSystemTheme());
  ExpectGradient(0, 0xD68759, 0x962D00, 0.5f);
  m_manager.DisableSchemeColors(TRUE);
  EXPECT_TRUE(m_manager.IsSchemeColorsDisabled());
  Refresh();
  ExpectGradient(0, kShadow, kShadow, 0.5f);
  m_manager.DisableSchemeColors(FALSE);
  m_manager.SetThemeSetting(7);
  Refresh();
  EXPECT_EQ(0, m_manager.GetCurrentSystemTheme());
}

TEST_F(ColorManagerTest, TheHighlightGradientsAreSetOnce) {
  ExpectGradient(7, 0x8CD5FF, 0x55ADFF, 0.5f);
  ExpectGradient(8, 0x4B8EFE, 0x8BCFFF, 0.5f);
  ExpectGradient(9, 0xC8F2FF, 0x97D4FF, 0.5f);
}

TEST_F(ColorManagerTest, AThemedTreeViewGivesTheBorderColour) {
  m_system.m_clrBorder = RGB(1, 2, 3);
  Refresh(TRUE);
  EXPECT_EQ(RGB(1, 2, 3), m_manager.GetColor(57));
  m_system.m_clrBorder = CLR_NONE;
  Refresh(TRUE);
  EXPECT_EQ(kShadow, m_manager.GetColor(57));
}

TEST(ColorManagerSingleton, TheProcessWideManagerFollowsTheSystemColours) {
  CTKColorManager* pManager = TKColorManager();
  ASSERT_EQ(pManager, TKColorManager());
  RefreshToolkitColors(TRUE);
  for (int i = 1; i < 30; ++i)
    if (i != COLOR_3DLIGHT) {
      EXPECT_EQ(GetSysColor(i), pManager->GetColor(i)) << i;
    }
}

TEST(PaintManagerColor, TheCustomValueWins) {
  CTKPaintManagerColor color;
  EXPECT_EQ(CLR_NONE, (COLORREF)color);
  color = RGB(1, 2, 3);
  EXPECT_EQ(RGB(1, 2, 3), (COLORREF)color);
  EXPECT_TRUE(color.IsDefaultValue());
  color.SetCustomValue(RGB(4, 5, 6));
  EXPECT_EQ(RGB(4, 5, 6), (COLORREF)color);
  EXPECT_EQ(RGB(1, 2, 3), color.GetStandardColor());
  color.SetDefaultValue();
  EXPECT_EQ(RGB(1, 2, 3), (COLORREF)color);
}

TEST(PaintManagerColor, GradientsCopyEffectiveColoursAndSerialise) {
  CTKPaintManagerColorGradient source(RGB(1, 1, 1), RGB(2, 2, 2));
  source.m_clrDark.SetCustomValue(RGB(9, 9, 9));
  source.m_fGradientFactor = 0.75f;
  CTKPaintManagerColorGradient copy;
  copy.SetStandardFrom(source);
  EXPECT_EQ(RGB(9, 9, 9), copy.m_clrDark.GetStandardColor());
  EXPECT_EQ(0.75f, copy.m_fGradientFactor);
  CTKPaintManagerColorGradient solid(RGB(5, 5, 5));
  EXPECT_EQ(RGB(5, 5, 5), (COLORREF)solid.m_clrLight);
  EXPECT_EQ(0.5f, solid.m_fGradientFactor);

  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    source.Serialize(ar);
  }
  ASSERT_EQ(20u, file.GetLength());
  file.SeekToBegin();
  DWORD words[4];
  file.Read(words, sizeof words);
  EXPECT_EQ(RGB(1, 1, 1), words[0]);
  EXPECT_EQ(CLR_NONE, words[1]);
  EXPECT_EQ(RGB(2, 2, 2), words[2]);
  EXPECT_EQ(RGB(9, 9, 9), words[3]);
  file.SeekToBegin();
  CArchive ar(&file, CArchive::load);
  CTKPaintManagerColorGradient loaded;
  loaded.Serialize(ar);
  EXPECT_EQ(RGB(9, 9, 9), (COLORREF)loaded.m_clrDark);
  EXPECT_EQ(0.75f, loaded.m_fGradientFactor);
}

}  // namespace
