// The theme texts and images the program ships: every key the themes, tab
// strips and ribbon read is there in each of the three texts, and every image
// they draw is there with its slice count, sizing margins and transparency.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/TKResourceImage.h"
#include "common/TKResourceImages.h"

namespace {

const char* const kThemes[] = {"Office2010Silver.INI", "Office2010Blue.INI", "Office2010Black.INI"};

struct Key {
  const char* section;
  const char* key;
};

/// The keys the resource, ribbon, status-bar, message-bar, gallery, frame,
/// tab and header themes read. Keys they read that the texts leave out on
/// purpose (the message bar's height and button size, the status bar's
/// gripper colours, the sections of the flat looks) are not listed: their
/// defaults are part of how those themes look.
const Key kKeys[] = {
    {"Theme", "Compatibility"},
    // The window frame.
    {"Window", "FlatFrame"},
    {"Window", "BorderActive0"},
    {"Window", "BorderActive1"},
    {"Window", "BorderActive2"},
    {"Window", "BorderActive3"},
    {"Window", "BorderInactive0"},
    {"Window", "BorderInactive1"},
    {"Window", "BorderInactive2"},
    {"Window", "BorderInactive3"},
    {"Window", "CaptionTextActive"},
    {"Window", "CaptionTextInActive"},
    {"Window", "CaptionTextActiveTitle"},
    // Command-bar faces and highlights.
    {"Window", "WindowFrame"},
    {"Window", "ButtonFace"},
    {"Window", "HighlightSelected"},
    {"Window", "HighlightSelectedBorder"},
    {"Window", "HighlightPressed"},
    {"Window", "HighlightPressedBorder"},
    {"Window", "HighlightChecked"},
    {"Window", "HighlightCheckedBorder"},
    {"Window", "HighlightSelectedLight"},
    {"Window", "HighlightSelectedDark"},
    {"Window", "HighlightCheckedLight"},
    {"Window", "HighlightCheckedDark"},
    {"Window", "HighlightPressedLight"},
    {"Window", "HighlightPressedDark"},
    {"Window", "TooltipLight"},
    {"Window", "TooltipDark"},
    {"Window", "TooltipBorder"},
    {"Workspace", "AppWorkspace"},
    {"Workspace", "WorkspaceClientTop"},
    {"Workspace", "WorkspaceClientMiddle"},
    {"Workspace", "WorkspaceClientBottom"},
    {"StatusBar", "StatusBarText"},
    {"StatusBar", "StatusBarTextGray"},
    {"StatusBar", "StatusBarShadow"},
    {"StatusBar", "StatusBarFaceTopLight"},
    {"StatusBar", "StatusBarFaceTopDark"},
    {"StatusBar", "StatusBarFaceBottomLight"},
    {"StatusBar", "StatusBarFaceBottomDark"},
    {"MessageBar", "MessageBar"},
    {"MessageBar", "MessageBarText"},
    {"MessageBar", "MessageBarFrame"},
    {"MessageBar", "MessageBarLight"},
    {"MessageBar", "MessageBarDark"},
    {"Toolbar", "DockBarFace"},
    {"Toolbar", "ToolbarFace"},
    {"Toolbar", "ToolbarFaceLight"},
    {"Toolbar", "ToolbarFaceDark"},
    {"Toolbar", "ToolbarFaceShadow"},
    {"Toolbar", "ToolbarSeparator"},
    {"Toolbar", "ToolbarGripper"},
    {"Toolbar", "ControlToolbarExpandLight"},
    {"Toolbar", "ControlToolbarExpandDark"},
    {"Toolbar", "ControlHighlightPopupedLight"},
    {"Toolbar", "ControlHighlightPopupedDark"},
    {"Toolbar", "MenuPopupGripperLight"},
    {"Toolbar", "MenuPopupGripperDark"},
    {"Toolbar", "MenuPopupExpandedGripperLight"},
    {"Toolbar", "MenuPopupExpandedGripperDark"},
    {"Toolbar", "MenuPopupTearOffGripper"},
    {"Toolbar", "MenuBarText"},
    {"Toolbar", "MenuPopupBorder"},
    {"Toolbar", "FloatingBarGripper"},
    {"Toolbar", "FloatingBarGripperText"},
    {"Toolbar", "FloatingBarBorder"},
    {"Toolbar", "ControlDisabledIcon"},
    {"Toolbar", "ControlDisabledIconLight"},
    {"Toolbar", "ControlDisabledIconDark"},
    {"Toolbar", "ControlLabel"},
    {"Toolbar", "ControlEditBorder"},
    {"Toolbar", "ControlEditDisabledBorder"},
    {"Toolbar", "ControlGallerySelected"},
    {"Toolbar", "ControlGalleryNormal"},
    {"Toolbar", "ControlGalleryBorder"},
    // The ribbon.
    {"Ribbon", "RibbonFace"},
    {"Ribbon", "RibbonInactiveFace"},
    {"Ribbon", "RibbonText"},
    {"Ribbon", "RibbonGrayText"},
    {"Ribbon", "GroupSpacing"},
    {"Ribbon", "TabSelectedText"},
    {"Ribbon", "TabNormalText"},
    {"Ribbon", "GroupCaptionText"},
    {"Ribbon", "GroupClientText"},
    {"Ribbon", "ControlEditNormal"},
    {"Ribbon", "ControlEditSelected"},
    {"Ribbon", "MenuPopupText"},
    {"Ribbon", "MenuPopupSeparator"},
    {"Ribbon", "MenuPopupGripperShadow"},
    {"Ribbon", "ControlHighlightText"},
    {"Ribbon", "RecentFileListBackground"},
    {"Ribbon", "RecentFileListEdgeHighLight"},
    {"Ribbon", "RecentFileListEdgeShadow"},
    {"Ribbon", "MinimizedFrameEdgeHighLight"},
    {"Ribbon", "MinimizedFrameEdgeShadow"},
    {"Ribbon", "MenuPopupGripper"},
    {"Ribbon", "MenuPopupExpandedGripperLight"},
    {"Ribbon", "MenuPopupExpandedGripperDark"},
    {"Ribbon", "FileButtonText"},
    {"Ribbon", "FileButtonMargin"},
    {"Ribbon", "FileButtonImageCount"},
    // Tab strips.
    {"TabManager", "FrameBorder"},
    {"TabManager", "DarkShadow"},
    {"TabManager", "LightShadow"},
    {"TabManager", "AccessHeader"},
    {"TabManager", "AccessBorder"},
    // Header controls.
    {"ReportControl", "HeaderText"},
    {"ReportControl", "NormalColumnLight"},
    {"ReportControl", "NormalColumnDark"},
    {"ReportControl", "PressedColumnLight"},
    {"ReportControl", "PressedColumnDark"},
    {"ReportControl", "ColumnShadow"},
    {"ReportControl", "ColumnSeparator"},
};

struct Image {
  const char* name;
  int nSlices;
  int left, top, right, bottom;  ///< sizing margins
  bool bMagenta;                 ///< drawn with magenta as the transparent colour
};

/// The images the themes draw, with the slices and margins they draw them with.
const Image kImages[] = {
    // Ribbon.
    {"RIBBONTAB", 6, 5, 5, 5, 5, true},
    {"RIBBONTABSEPARATOR", 1, 0, 0, 0, 0, false},
    {"RIBBONTABBACKGROUNDDWM", 1, 10, 0, 10, 0, false},
    {"RIBBONGROUPS", 1, 8, 8, 8, 8, false},
    {"RIBBONGROUPCLIENT", 2, 5, 5, 5, 5, false},
    {"RIBBONGROUPPOPUPBACKGROUND", 1, 8, 8, 8, 8, false},
    {"RIBBONGROUPBUTTON", 3, 5, 5, 5, 5, false},
    {"RIBBONGROUPBUTTONICON", 1, 0, 0, 0, 0, false},
    {"RIBBONGROUPQUICKACCESS", 3, 2, 2, 2, 2, true},
    {"RIBBONOPTIONBUTTON", 4, 0, 0, 0, 0, true},
    {"RIBBONQUICKACCESSBUTTON", 5, 3, 3, 3, 3, true},
    {"RIBBONQUICKACCESSMORE", 4, 2, 2, 2, 2, true},
    {"RIBBONQUICKACCESSFRAME", 1, 3, 3, 3, 3, false},
    {"RIBBONGROUPSSCROLLLEFT", 3, 4, 6, 3, 6, true},
    {"RIBBONGROUPSSCROLLRIGHT", 3, 4, 6, 3, 6, true},
    {"RIBBONGROUPSSCROLLLEFTGLYPH", 3, 0, 0, 0, 0, true},
    {"RIBBONGROUPSSCROLLRIGHTGLYPH", 3, 0, 0, 0, 0, true},
    // The system pop-up draws with its borders as margins.
    {"RIBBONSYSTEMMENU", 1, 6, 18, 6, 29, false},
    {"RIBBONSYSTEMMENUBUTTON", 2, 2, 2, 2, 2, true},
    {"FILEBUTTON", 7, 3, 3, 3, 3, false},
    {"FRAMESYSTEMBUTTON", 3, 0, 0, 0, 0, false},
    {"FRAMESYSTEMBUTTON52", 3, 0, 0, 0, 0, false},
    {"SYSTEMICONSEPARATOR", 1, 0, 0, 0, 0, false},
    {"CONTEXTTABBLUE", 3, 5, 5, 5, 5, false},
    {"CONTEXTTABORANGEHEADER", 1, 2, 4, 2, 2, false},
    {"CONTEXTTABGREENBACKGROUND", 1, 2, 2, 2, 2, false},
    {"CONTEXTTABREDCLIENT", 1, 8, 8, 8, 8, false},
    {"CONTEXTTABPURPLEGROUPCLIENT", 2, 5, 5, 5, 5, false},
    {"CONTEXTTABCYANGROUPPOPUPBACKGROUND", 1, 8, 8, 8, 8, false},
    {"CONTEXTTABYELLOWGROUPBUTTON", 3, 5, 5, 5, 5, false},
    // Window frame.
    {"FRAMETOPLEFT", 2, 0, 5, 0, 3, true},
    {"FRAMETOPCENTER", 2, 0, 5, 0, 3, false},
    {"FRAMETOPRIGHT", 2, 0, 5, 0, 3, true},
    {"FRAMEBOTTOMLEFT", 2, 0, 0, 0, 0, true},
    {"FRAMEBOTTOMRIGHT", 2, 0, 0, 0, 0, true},
    {"FRAMECAPTIONBUTTON", 2, 3, 3, 3, 3, true},
    {"FRAMECAPTIONCLOSEBUTTON", 2, 3, 3, 3, 3, true},
    {"FRAMECAPTIONMINIMIZE13", 5, 0, 0, 0, 0, true},
    {"FRAMECAPTIONMAXIMIZE17", 5, 0, 0, 0, 0, true},
    {"FRAMECAPTIONRESTORE23", 5, 0, 0, 0, 0, true},
    {"FRAMECAPTIONCLOSE17", 5, 0, 0, 0, 0, true},
    // Command bars.
    {"TOOLBARBUTTONS22", 4, 8, 8, 8, 8, false},
    {"TOOLBARBUTTONS50", 4, 8, 8, 8, 8, false},
    {"TOOLBARBUTTONSSPLIT22", 6, 2, 2, 2, 2, true},
    {"TOOLBARBUTTONSSPLITDROPDOWN22", 5, 2, 2, 2, 2, true},
    {"TOOLBARBUTTONSSPLIT50", 6, 2, 2, 2, 2, true},
    {"TOOLBARBUTTONSSPLITDROPDOWN50", 5, 2, 2, 2, 2, true},
    {"TOOLBARBUTTONSSPECIALSPLITLEFT", 7, 2, 2, 2, 2, true},
    {"TOOLBARBUTTONSSPECIALSPLITCENTER", 7, 2, 2, 2, 2, true},
    {"TOOLBARBUTTONSSPECIALSPLITDROPDOWNRIGHT", 6, 2, 2, 2, 2, true},
    {"TOOLBARBUTTONSSPECIALSPLITDROPDOWNCENTER", 6, 2, 2, 2, 2, true},
    {"TOOLBARBUTTONSSPECIALSINGLE", 5, 2, 2, 2, 2, true},
    {"TOOLBARBUTTONSSPECIALLEFT", 5, 2, 2, 2, 2, true},
    {"TOOLBARBUTTONSSPECIALRIGHT", 5, 2, 2, 2, 2, true},
    {"TOOLBARBUTTONSSPECIALCENTER", 5, 2, 2, 2, 2, true},
    {"TOOLBARBUTTONSCOMBODROPDOWN", 5, 2, 2, 2, 2, false},
    {"TOOLBARBUTTONCHECKBOX", 12, 0, 0, 0, 0, false},
    {"TOOLBARBUTTONRADIOBUTTON", 8, 0, 0, 0, 0, false},
    {"TOOLBARBUTTONSPINARROWSVERTICAL", 10, 0, 0, 0, 0, true},
    {"TOOLBARBUTTONSPINARROWGLYPHS", 16, 0, 0, 0, 0, true},
    {"TOOLBARBUTTONDROPDOWNGLYPH", 4, 0, 0, 0, 0, true},
    {"TOOLBAREXPANDBUTTONHORIZONTAL", 3, 3, 3, 3, 3, true},
    {"TOOLBAREXPANDBUTTONVERTICAL", 3, 3, 3, 3, 3, true},
    {"TOOLBARFACEHORIZONTAL", 1, 5, 5, 5, 5, false},
    {"TOOLBARFACEVERTICAL", 1, 5, 5, 5, 5, false},
    {"POPUPBARFRAME", 1, 4, 4, 4, 4, false},
    {"MOREPOPUPBARFRAME", 1, 4, 4, 4, 4, false},
    {"POPUPBARRESIZEGRIPPERFACE", 1, 1, 1, 1, 1, true},
    {"POPUPBARRESIZEGRIPPERWIDTH", 1, 0, 0, 0, 0, true},
    {"POPUPBARRESIZEGRIPPERHEIGHT", 1, 0, 0, 0, 0, true},
    {"MENUSELECTEDITEM22", 1, 4, 4, 4, 4, false},
    {"MENUSELECTEDITEM54", 1, 4, 4, 4, 4, false},
    {"MENUSELECTEDDISABLEDITEM22", 1, 4, 4, 4, 4, false},
    {"MENUSELECTEDDISABLEDITEM54", 1, 4, 4, 4, 4, false},
    {"MENUCHECKEDITEM", 2, 2, 2, 2, 2, false},
    {"MENUCHECKEDITEMMARK", 4, 0, 0, 0, 0, true},
    {"MENUSPLITITEM", 3, 2, 2, 2, 2, true},
    {"MENUSPLITDROPDOWN", 3, 2, 2, 2, 2, true},
    {"MENUPOPUPGLYPH", 2, 0, 0, 0, 0, true},
    {"TOOLTIPFRAME", 1, 3, 3, 3, 3, true},
    {"WORKSPACETOPLEFT", 1, 0, 0, 0, 0, false},
    // Status bar.
    {"STATUSBARLIGHT", 1, 0, 0, 0, 0, false},
    {"STATUSBARDARK", 1, 0, 0, 0, 0, false},
    {"STATUSBARDEVIDER", 1, 0, 0, 0, 0, false},
    {"STATUSBARSEPARATOR", 1, 0, 2, 0, 2, false},
    {"STATUSBARGRIPPER", 1, 0, 0, 0, 0, true},
    // Galleries, scroll bars, progress and slider.
    {"CONTROLGALLERYUP", 5, 3, 3, 3, 3, true},
    {"CONTROLGALLERYDOWN", 5, 3, 3, 3, 3, true},
    {"CONTROLGALLERYPOPUP", 5, 3, 3, 3, 3, true},
    {"CONTROLGALLERYSCROLLARROWGLYPHS", 16, 0, 0, 0, 0, true},
    {"CONTROLGALLERYSCROLLARROWSVERTICALLIGHT", 4, 3, 3, 3, 3, true},
    {"CONTROLGALLERYSCROLLARROWSVERTICALDARK", 4, 3, 3, 3, 3, true},
    {"CONTROLGALLERYSCROLLARROWSHORIZONTALLIGHT", 4, 3, 3, 3, 3, true},
    {"CONTROLGALLERYSCROLLARROWSHORIZONTALDARK", 4, 3, 3, 3, 3, true},
    {"CONTROLGALLERYSCROLLVERTICALLIGHT", 2, 1, 0, 1, 0, false},
    {"CONTROLGALLERYSCROLLVERTICALDARK", 2, 1, 0, 1, 0, false},
    {"CONTROLGALLERYSCROLLHORIZONTALLIGHT", 2, 0, 1, 0, 1, false},
    {"CONTROLGALLERYSCROLLHORIZONTALDARK", 2, 0, 1, 0, 1, false},
    {"CONTROLGALLERYSCROLLTHUMBVERTICAL", 3, 5, 5, 5, 5, false},
    {"CONTROLGALLERYSCROLLTHUMBHORIZONTAL", 3, 5, 5, 5, 5, false},
    {"CONTROLGALLERYSCROLLTHUMBGRIPPERVERTICAL", 3, 0, 0, 0, 0, false},
    {"CONTROLGALLERYSCROLLTHUMBGRIPPERHORIZONTAL", 3, 0, 0, 0, 0, false},
    {"CONTROLGALLERYSCROLLSIZEBOXLIGHT", 1, 0, 0, 0, 0, false},
    {"CONTROLGALLERYSCROLLSIZEBOXDARK", 1, 0, 0, 0, 0, false},
    {"PROGRESSTRACK", 1, 2, 2, 2, 2, true},
    {"PROGRESSCHUNK", 1, 2, 2, 2, 2, true},
    {"SLIDERTRACK", 1, 0, 0, 0, 0, false},
    {"SLIDERTICK", 1, 0, 0, 0, 0, true},
    {"SLIDERUP", 3, 0, 0, 0, 0, false},
    {"SLIDERDOWN", 3, 0, 0, 0, 0, false},
    {"SLIDERTHUMB", 3, 0, 0, 0, 0, false},
    // Tab strips and the backstage view.
    {"TABCONTROLPAGE", 1, 8, 8, 8, 8, false},
    {"ACCESSTAB", 4, 5, 10, 22, 10, true},
    {"BACKSTAGEMENUBACKGROUND", 1, 2, 2, 2, 2, false},
    {"BACKSTAGETOPBORDER", 1, 0, 0, 0, 0, false},
    {"BACKSTAGEMENUCOMMAND", 3, 2, 2, 2, 2, false},
    {"BACKSTAGEMENUPAGE", 4, 2, 2, 2, 2, false},
    {"BACKSTAGEMENUPAGEGLYPH", 1, 0, 0, 0, 0, false},
};

/// Named by the texts, but drawn from fallbacks: the looks have no picture.
const char* const kAbsentImages[] = {"RIBBONGROUPCAPTION",     "CONTEXTTABGROUPCLIENT",
                                     "CONTEXTTABGROUPCAPTION", "CONTEXTTABSEPARATOR",
                                     "RIBBONQUICKACCESSAREA",  "RIBBONQUICKACCESSAREADWM"};

class ThemeResources : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_images.SetHandleEx(::GetModuleHandleA(NULL), GetParam(), NULL, FALSE));
  }
  CTKResourceImages m_images;
};

TEST_P(ThemeResources, EveryKeyTheThemesReadIsThere) {
  for (const Key& k : kKeys)
    EXPECT_FALSE(m_images.GetIniValue(k.section, k.key).IsEmpty()) << k.section << "/" << k.key;
  EXPECT_EQ("Office2010", m_images.GetIniString("Theme", "Compatibility", ""));
  EXPECT_EQ(1, m_images.GetIniInt("Window", "FlatFrame", 0));
  EXPECT_EQ(0, m_images.GetIniInt("Ribbon", "GroupSpacing", -1));
  EXPECT_EQ(7, m_images.GetIniInt("Ribbon", "FileButtonImageCount", 0));
  // Alpha images are drawn premultiplied.
  EXPECT_EQ(1, m_images.GetIniInt("Global", "PremultiplyImages", 0));
  // Left out on purpose.
  EXPECT_TRUE(m_images.GetIniValue("MessageBar", "MessageBarHeight").IsEmpty());
  EXPECT_TRUE(m_images.GetIniValue("StatusBar", "GripperLite").IsEmpty());
}

TEST_P(ThemeResources, EveryImageTheThemesDrawIsThere) {
  for (const Image& i : kImages) {
    CTKResourceImage* pImage = m_images.LoadImage(i.name);
    ASSERT_TRUE(pImage != NULL) << i.name;
    CSize size = pImage->GetExtent();
    EXPECT_EQ(0, size.cy % i.nSlices) << i.name << " " << size.cy;
    int nSlice = size.cy / i.nSlices;
    EXPECT_GT(size.cx, i.left + i.right) << i.name;
    EXPECT_GT(nSlice, i.top + i.bottom) << i.name;
    if (i.bMagenta) EXPECT_FALSE(pImage->IsAlphaImage()) << i.name;
  }
  for (const char* name : kAbsentImages) EXPECT_TRUE(m_images.LoadImage(name) == NULL) << name;
  // The texts ask for premultiplied images: alpha ones are blended as they are.
  CTKResourceImage* pRounded = m_images.LoadImage("MENUSELECTEDITEM22");
  ASSERT_TRUE(pRounded != NULL);
  EXPECT_TRUE(pRounded->IsAlphaImage());
  EXPECT_TRUE(pRounded->IsPremultiplied());
}

INSTANTIATE_TEST_SUITE_P(Texts, ThemeResources, ::testing::ValuesIn(kThemes));

TEST(ThemeResourceValues, TheColoursTheLooksAreKnownBy) {
  struct Value {
    const char* theme;
    const char* section;
    const char* key;
    COLORREF clr;
  } values[] = {
      {"Office2010Silver.INI", "Window", "BorderActive0", RGB(101, 109, 117)},
      {"Office2010Silver.INI", "Window", "BorderInactive3", RGB(248, 247, 247)},
      {"Office2010Silver.INI", "Window", "CaptionTextActive", RGB(59, 59, 59)},
      {"Office2010Blue.INI", "Window", "BorderInactive3", RGB(233, 235, 247)},
      {"Office2010Black.INI", "Window", "CaptionTextActiveTitle", RGB(212, 212, 212)},
      {"Office2010Blue.INI", "StatusBar", "StatusBarText", RGB(30, 57, 91)},
      {"Office2010Black.INI", "StatusBar", "StatusBarTextGray", RGB(107, 107, 107)},
      {"Office2010Silver.INI", "Toolbar", "ControlGalleryBorder", RGB(198, 202, 205)},
      {"Office2010Blue.INI", "TabManager", "LightShadow", RGB(117, 166, 241)},
      {"Office2010Black.INI", "Ribbon", "BackstageMenuTextColor", RGB(255, 255, 255)},
  };
  CTKResourceImages images;
  for (const Value& v : values) {
    images.SetHandle(::GetModuleHandleA(NULL), v.theme);
    EXPECT_EQ(v.clr, images.GetIniColor(v.section, v.key, 1)) << v.theme << " " << v.key;
  }
  images.SetHandle(::GetModuleHandleA(NULL), "Office2010Silver.INI");
  EXPECT_TRUE(images.GetIniValue("Ribbon", "BackstageMenuTextColor").IsEmpty());
  EXPECT_TRUE(images.GetIniValue("Ribbon", "TabHighlightText").IsEmpty());
}

TEST(ThemeResourceValues, TheDefaultTextIsTheFirstInResourceOrder) {
  CTKResourceImages images;
  images.SetHandle(::GetModuleHandleA(NULL), NULL);
  EXPECT_TRUE(images.IsLoaded());
  EXPECT_TRUE(images.GetIniName().IsEmpty());
  EXPECT_EQ(RGB(99, 99, 99), images.GetIniColor("Window", "BorderActive0", 0));
}

}  // namespace
