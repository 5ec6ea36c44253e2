// The shared fonts, colours, cursors and metrics, from the system's
// non-client metrics (or scripted ones) and the toolkit's cursor resources.
#include <gtest/gtest.h>

#include <string.h>

#include "TKAuxData.h"
#include "common/TKColorManager.h"
#include "common/TKDrawHelpers.h"
#include "common/TKOSVersionHelper.h"
#include "common/TKResourceManager.h"
#include "testsupport/DibSurface.h"

namespace {

LOGFONT LogFontOf(CFont& font) {
  LOGFONT lf = {};
  EXPECT_NE(nullptr, font.GetSafeHandle());
  if (font.GetSafeHandle() != nullptr) font.GetLogFont(&lf);
  return lf;
}

NONCLIENTMETRICS SystemMetrics() {
  NONCLIENTMETRICS ncm = {};
  ncm.cbSize = sizeof ncm;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
  return ncm;
}

// A face this machine has: the one the GUI font is drawn in.
CString InstalledFace() {
  CDibSurface surface(4, 4);
  surface.GetDC()->SelectStockObject(DEFAULT_GUI_FONT);
  char szFace[LF_FACESIZE] = {};
  surface.GetDC()->GetTextFace(LF_FACESIZE, szFace);
  return szFace;
}

// Scripted non-client metrics for one test.
class ScriptedMetrics {
 public:
  explicit ScriptedMetrics(const NONCLIENTMETRICS& ncm) : m_ncm(ncm) {
    CTKAuxData::OverrideNonClientMetrics(&m_ncm);
  }
  ~ScriptedMetrics() { CTKAuxData::OverrideNonClientMetrics(nullptr); }

 private:
  NONCLIENTMETRICS m_ncm;
};

TEST(AuxData, CursorsMetricsAndColoursAreRead) {
  CTKAuxData* pData = TKAuxData();
  for (HCURSOR hCursor :
       {pData->m_hcurDragMove, pData->m_hcurDragCopy, pData->m_hcurNoDrop, pData->m_hcurHand,
        pData->m_hcurSplitH, pData->m_hcurSplitV, pData->m_hcurSizeAll})
    EXPECT_NE(nullptr, hCursor);
  EXPECT_EQ(LoadCursor(nullptr, IDC_HAND), pData->m_hcurHand);
  EXPECT_EQ(LoadCursor(nullptr, IDC_SIZEALL), pData->m_hcurSizeAll);
  EXPECT_NE(pData->m_hcurSplitH, pData->m_hcurSplitV);

  EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), pData->m_cxSmIcon);
  EXPECT_EQ(GetSystemMetrics(SM_CYSMICON), pData->m_cySmIcon);
  EXPECT_EQ(18, pData->m_cxFixed);
  EXPECT_EQ(18, pData->m_cyFixed);
  EXPECT_EQ(GetSystemMetrics(SM_CXHTHUMB), pData->m_cxHThumb);
  EXPECT_EQ(GetSystemMetrics(SM_CYVTHUMB), pData->m_cyVThumb);
  EXPECT_EQ(GetSystemMetrics(SM_CYMENU), pData->m_cyMenu);

  CTKColorManager* pColors = TKColorManager();
  EXPECT_EQ(pColors->GetColor(COLOR_BTNFACE), pData->GetColor(CTKAuxData::clrBtnFace));
  EXPECT_EQ(pColors->GetColor(COLOR_3DDKSHADOW), pData->GetColor(CTKAuxData::clr3DDkShadow));
  EXPECT_EQ(pColors->GetColor(COLOR_INACTIVECAPTIONTEXT),
            pData->GetColor(CTKAuxData::clrInactiveCaptionText));
  for (int i = 0; i < 20; ++i)
    EXPECT_EQ(pColors->GetColor(30 + i),
              pData->GetColor(CTKAuxData::ColorSlot(CTKAuxData::clrToolkitFirst + i)));

  EXPECT_EQ(TKOSVersionHelper()->GetComCtlVersion(), pData->m_nComCtlVersion);
  EXPECT_EQ(TKOSVersionHelper()->IsWinXP(), pData->m_bWinXP);
}

TEST(AuxData, FontsFollowTheMenuFont) {
  CTKAuxData* pData = TKAuxData();
  const NONCLIENTMETRICS ncm = SystemMetrics();
  const LOGFONT lf = LogFontOf(pData->m_font);
  EXPECT_STREQ(ncm.lfMenuFont.lfFaceName, lf.lfFaceName);
  EXPECT_EQ(ncm.lfMenuFont.lfHeight, lf.lfHeight);
  EXPECT_EQ(TKResourceManager()->GetFontCharSet(), lf.lfCharSet);
  EXPECT_EQ(FW_BOLD, LogFontOf(pData->m_fontBold).lfWeight);
  EXPECT_EQ(1, LogFontOf(pData->m_fontUnderline).lfUnderline);
  const LOGFONT lfVert = LogFontOf(pData->m_fontVertBold);
  EXPECT_EQ(900, lfVert.lfOrientation);
  EXPECT_EQ(2700, lfVert.lfEscapement);
  EXPECT_EQ(FW_BOLD, lfVert.lfWeight);
  EXPECT_EQ(2700, LogFontOf(pData->m_fontVert).lfEscapement);
  EXPECT_STREQ(ncm.lfStatusFont.lfFaceName, LogFontOf(pData->m_fontStatus).lfFaceName);
  EXPECT_STREQ(ncm.lfSmCaptionFont.lfFaceName, LogFontOf(pData->m_fontSmCaption).lfFaceName);
  LOGFONT lfIcon = {};
  GetIconTitleFont(&lfIcon);
  EXPECT_EQ(lfIcon.lfHeight, LogFontOf(pData->m_fontIconTitle).lfHeight);
  EXPECT_EQ(FW_BOLD, LogFontOf(pData->m_fontIconTitleBold).lfWeight);
}

TEST(AuxData, TheSymbolFontHasTheIconTitlesHeight) {
  NONCLIENTMETRICS ncm = SystemMetrics();
  ncm.lfMenuFont.lfHeight = -40;
  ScriptedMetrics scripted(ncm);
  CTKAuxData data;
  LOGFONT lfIcon = {};
  GetIconTitleFont(&lfIcon);
  const LOGFONT lf = LogFontOf(data.m_fontMarlett);
  EXPECT_EQ(lfIcon.lfHeight, lf.lfHeight);
  EXPECT_STREQ("Marlett", lf.lfFaceName);
  EXPECT_EQ(DEFAULT_CHARSET, lf.lfCharSet);
  EXPECT_EQ(-40, LogFontOf(data.m_font).lfHeight);
}

TEST(AuxData, AFaceThatIsNotInstalledKeepsTheSystemFaces) {
  NONCLIENTMETRICS ncm = SystemMetrics();
  strcpy(ncm.lfMenuFont.lfFaceName, "Menu Face");
  strcpy(ncm.lfStatusFont.lfFaceName, "Status Face");
  ScriptedMetrics scripted(ncm);
  CTKAuxData data;
  EXPECT_TRUE(data.CreateFonts("No Such Face Anywhere", "No Such Face Either"));
  EXPECT_STREQ("Menu Face", LogFontOf(data.m_font).lfFaceName);
  EXPECT_STREQ("Status Face", LogFontOf(data.m_fontStatus).lfFaceName);
  const LOGFONT lfVert = LogFontOf(data.m_fontVert);
  EXPECT_STREQ(CTKAuxData::FaceNameExists("Arial") ? "Arial" : "Menu Face", lfVert.lfFaceName);
}

TEST(AuxData, AnInstalledFaceReplacesTheSystemFaces) {
  const CString face = InstalledFace();
  ASSERT_TRUE(CTKAuxData::FaceNameExists(face)) << face.GetString();
  NONCLIENTMETRICS ncm = SystemMetrics();
  strcpy(ncm.lfMenuFont.lfFaceName, "Arial");
  ScriptedMetrics scripted(ncm);
  CTKAuxData data;
  // A menu font already in Arial keeps its face for vertical text.
  EXPECT_STREQ("Arial", LogFontOf(data.m_fontVert).lfFaceName);
  EXPECT_TRUE(data.CreateFonts(face, face));
  EXPECT_STREQ(face, LogFontOf(data.m_font).lfFaceName);
  EXPECT_STREQ(face, LogFontOf(data.m_fontStatus).lfFaceName);
  EXPECT_STREQ(face, LogFontOf(data.m_fontSmCaption).lfFaceName);
  EXPECT_STREQ(face, LogFontOf(data.m_fontVert).lfFaceName);
  // Made again on every call.
  EXPECT_TRUE(data.CreateFonts());
  EXPECT_STREQ("Arial", LogFontOf(data.m_font).lfFaceName);
}

TEST(AuxData, FontVariantsReplaceOnlyTheValuesGiven) {
  LOGFONT lf = {};
  lf.lfHeight = -12;
  lf.lfWeight = FW_LIGHT;
  lf.lfUnderline = 1;
  lf.lfOrientation = 450;
  strcpy(lf.lfFaceName, "Variant");
  CFont font;
  ASSERT_TRUE(CTKAuxData::CreateFontVariant(lf, font, -1, 0xFF, -1, -1));
  LOGFONT out = LogFontOf(font);
  EXPECT_EQ(FW_LIGHT, out.lfWeight);
  EXPECT_EQ(1, out.lfUnderline);
  EXPECT_EQ(450, out.lfOrientation);
  ASSERT_TRUE(CTKAuxData::CreateFontVariant(lf, font, FW_BOLD, 0, 900, 2700));
  out = LogFontOf(font);
  EXPECT_EQ(FW_BOLD, out.lfWeight);
  EXPECT_EQ(0, out.lfUnderline);
  EXPECT_EQ(900, out.lfOrientation);
  EXPECT_EQ(2700, out.lfEscapement);
  EXPECT_EQ(-12, out.lfHeight);
}

}  // namespace
