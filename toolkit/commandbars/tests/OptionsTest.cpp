// The command-bars options: defaults, round trips through the archive, INI and
// registry exchanges, the stored schema, the user-only subset, keyboard cues.
#include <gtest/gtest.h>

#include <string.h>

#include <set>
#include <string>
#include <vector>

#include "afxwin.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKPaintManager.h"
#include "common/TKPropExchangeIniFile.h"
#include "common/TKPropExchangeRegistry.h"
#include "SupportIniFile.h"
#include "SupportPaintManager.h"
#include "testsupport/TempFolder.h"

namespace {

CWinApp theApp("VelmCommandBarsOptionsTest");

const char kCompany[] = "VelmoranCommandBarsOptionsTest";
const char kRoot[] = "Software\\VelmoranCommandBarsOptionsTest";

/// Answers the system's keyboard-cue setting as the test says.
class CCuesSystem : public CTKCommandBarsSystem {
 public:
  BOOL m_bShow = TRUE;
  BOOL GetKeyboardCues(BOOL* pbShow) override {
    *pbShow = m_bShow;
    return TRUE;
  }
};

/// Every exchanged value changed from its default.
void ChangeEverything(CTKCommandBarsOptions& o) {
  o.bAlwaysShowFullMenus = FALSE;
  o.bShowFullAfterDelay = FALSE;
  o.bToolBarScreenTips = FALSE;
  o.bToolBarAccelTips = TRUE;
  o.bLargeIcons = TRUE;
  o.bSyncFloatingBars = FALSE;
  o.bShowExpandButtonAlways = FALSE;
  o.bDblClickFloat = TRUE;
  o.bShowTextBelowIcons = TRUE;
  o.bAltDragCustomization = FALSE;
  o.bAutoHideUnusedPopups = FALSE;
  o.animationType = 3;
  o.keyboardCuesUse = 5;
  o.szIcons = CSize(24, 20);
  o.szLargeIcons = CSize(40, 36);
  o.szPopupIcons = CSize(18, 16);
  o.m_mapUsedCommands.SetAt(100, TRUE);
  o.m_mapUsedCommands.SetAt(57600, TRUE);
  o.m_mapHiddenCommands.SetAt(200, TRUE);
  o.bAutoScaleDpiGalleryItems = FALSE;
  o.bAutoScaleDpiToolbarIcons = TRUE;
  o.ShowKeyboardCues(1);
}

std::set<UINT> Ids(const CTKCommandIdSet& set) {
  std::set<UINT> ids;
  UINT nId;
  BOOL bValue;
  for (POSITION pos = set.GetStartPosition(); pos != NULL;) {
    set.GetNextAssoc(pos, nId, bValue);
    ids.insert(nId);
  }
  return ids;
}

void ExpectSame(const CTKCommandBarsOptions& a, const CTKCommandBarsOptions& b) {
  EXPECT_EQ(a.bAlwaysShowFullMenus, b.bAlwaysShowFullMenus);
  EXPECT_EQ(a.bShowFullAfterDelay, b.bShowFullAfterDelay);
  EXPECT_EQ(a.bToolBarScreenTips, b.bToolBarScreenTips);
  EXPECT_EQ(a.bToolBarAccelTips, b.bToolBarAccelTips);
  EXPECT_EQ(a.bLargeIcons, b.bLargeIcons);
  EXPECT_EQ(a.bSyncFloatingBars, b.bSyncFloatingBars);
  EXPECT_EQ(a.bShowExpandButtonAlways, b.bShowExpandButtonAlways);
  EXPECT_EQ(a.bDblClickFloat, b.bDblClickFloat);
  EXPECT_EQ(a.bShowTextBelowIcons, b.bShowTextBelowIcons);
  EXPECT_EQ(a.bAltDragCustomization, b.bAltDragCustomization);
  EXPECT_EQ(a.bAutoHideUnusedPopups, b.bAutoHideUnusedPopups);
  EXPECT_EQ(a.animationType, b.animationType);
  EXPECT_EQ(a.keyboardCuesUse, b.keyboardCuesUse);
  EXPECT_EQ(a.GetShowKeyboardCues(), b.GetShowKeyboardCues());
  EXPECT_EQ(a.szIcons, b.szIcons);
  EXPECT_EQ(a.szLargeIcons, b.szLargeIcons);
  EXPECT_EQ(a.szPopupIcons, b.szPopupIcons);
  EXPECT_EQ(Ids(a.m_mapUsedCommands), Ids(b.m_mapUsedCommands));
  EXPECT_EQ(Ids(a.m_mapHiddenCommands), Ids(b.m_mapHiddenCommands));
  EXPECT_EQ(a.bAutoScaleDpiGalleryItems, b.bAutoScaleDpiGalleryItems);
  EXPECT_EQ(a.bAutoScaleDpiToolbarIcons, b.bAutoScaleDpiToolbarIcons);
}

class OptionsTest : public ::testing::Test {
 protected:
  void SetUp() override { m_path = m_folder.PathOf("options.ini"); }
  void TearDown() override {
    theApp.m_pszProfileName = nullptr;
    TKSetCommandBarsSystem(nullptr);
    HKEY hSoftware;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &hSoftware) ==
        ERROR_SUCCESS) {
      RegDeleteTreeA(hSoftware, kCompany);
      RegDeleteKeyA(hSoftware, kCompany);
      RegCloseKey(hSoftware);
    }
  }

  CTKPropExchangeIniFile* OpenIni(BOOL bLoading, const char* section = "Opts") {
    CTKPropExchangeIniFile* px = new CTKPropExchangeIniFile(bLoading, nullptr, section);
    px->AssignFile(m_path.c_str());
    return px;
  }
  void SaveIni(CTKCommandBarsOptions& o, BOOL bUserOnly = FALSE) {
    CTKPropExchangeSection px(OpenIni(FALSE));
    px->EmptySection();
    o.ExchangeProperties(px, bUserOnly);
  }
  void LoadIni(CTKCommandBarsOptions& o, BOOL bUserOnly = FALSE) {
    CTKPropExchangeSection px(OpenIni(TRUE));
    o.ExchangeProperties(px, bUserOnly);
  }
  /// The keys of an INI section, in file order.
  std::vector<std::string> Keys(const char* section) {
    std::vector<char> buf(16384);
    DWORD n = GetPrivateProfileSectionA(section, buf.data(), (DWORD)buf.size(), m_path.c_str());
    std::vector<std::string> keys;
    for (const char* p = buf.data(); p < buf.data() + n && *p; p += strlen(p) + 1) {
      std::string line(p);
      keys.push_back(line.substr(0, line.find('=')));
    }
    return keys;
  }
  std::string Value(const char* section, const char* key) {
    return ReadIniValue(m_path, section, key);
  }

  CTempFolder m_folder;
  std::string m_path;
};

TEST_F(OptionsTest, AFreshObjectHoldsTheDefaults) {
  CTKCommandBarsOptions o;
  EXPECT_TRUE(o.bAlwaysShowFullMenus && o.bShowFullAfterDelay && o.bToolBarScreenTips);
  EXPECT_FALSE(o.bToolBarAccelTips || o.bLargeIcons || o.bDblClickFloat || o.bDirty);
  EXPECT_TRUE(o.bSyncFloatingBars && o.bShowExpandButtonAlways && o.bAltDragCustomization);
  EXPECT_TRUE(o.bAutoHideUnusedPopups && o.bAutoUpdateShortcuts && o.bShowDescriptions);
  EXPECT_TRUE(o.bUseSystemSaveBitsStyle && o.bDisableCommandIfNoHandler);
  EXPECT_EQ(0, o.animationType);
  EXPECT_EQ(1, o.keyboardCuesUse);
  EXPECT_EQ(0, o.GetShowKeyboardCues());
  EXPECT_EQ(CSize(0, 0), o.szIcons);
  EXPECT_TRUE(o.m_mapUsedCommands.IsEmpty());
  EXPECT_TRUE(o.bAutoScaleDpiGalleryItems);
  EXPECT_FALSE(o.bAutoScaleDpiToolbarIcons);
}

TEST_F(OptionsTest, ValuesComeBackThroughTheArchive) {
  CTKCommandBarsOptions fresh, changed;
  ChangeEverything(changed);
  for (CTKCommandBarsOptions* pStored : {&fresh, &changed}) {
    CMemFile file;
    {
      CArchive ar(&file, CArchive::store);
      pStored->Serialize(ar);
    }
    file.SeekToBegin();
    CTKCommandBarsOptions loaded;
    if (pStored == &fresh) ChangeEverything(loaded);
    CArchive ar(&file, CArchive::load);
    loaded.Serialize(ar);
    ExpectSame(*pStored, loaded);
    EXPECT_EQ(file.GetLength(), file.GetPosition()) << "the load reads what the store wrote";
  }
}

TEST_F(OptionsTest, ValuesComeBackThroughTheIniFileWithEveryDefaultWritten) {
  CTKCommandBarsOptions fresh;
  SaveIni(fresh);
  const char* expected[] = {"Schema", "AlwaysShowFullMenus", "ShowFullAfterDelay",
                            "ToolBarScreenTips", "ToolBarAccelTips", "LargeIcons", "Animation",
                            "SyncFloatingBars", "ShowExpandButtonAlways", "IconsSize",
                            "LargeIconsSize", "IconsWithShadow", "UseDisabledIcons",
                            "UseFadedIcons", "DblClickFloat", "ShowTextBelowIcons",
                            "AltDragCustomization", "AutoHideUnusedPopups", "PopupIconsSize",
                            "KeyboardCuesUse", "KeyboardCuesShow", "AutoScaleDpiGalleryItems",
                            "AutoScaleDpiToolbarIcons"};
  std::vector<std::string> keys = Keys("Opts");
  for (const char* name : expected)
    EXPECT_NE(keys.end(), std::find(keys.begin(), keys.end(), name)) << name;
  EXPECT_EQ("42", Value("Opts", "Schema"));

  CTKCommandBarsOptions loaded;
  ChangeEverything(loaded);
  LoadIni(loaded);
  ExpectSame(fresh, loaded);

  CTKCommandBarsOptions changed, back;
  ChangeEverything(changed);
  SaveIni(changed);
  LoadIni(back);
  ExpectSame(changed, back);
}

TEST_F(OptionsTest, UsedCommandsAreACountAndNumberedItemsInTheIniFile) {
  CTKCommandBarsOptions o;
  o.m_mapUsedCommands.SetAt(100, TRUE);
  o.m_mapUsedCommands.SetAt(57600, TRUE);
  SaveIni(o);
  const char* sub = "Opts\\UsedCommands";
  EXPECT_EQ("2", Value(sub, "Count"));
  std::set<std::string> items = {Value(sub, "Item0"), Value(sub, "Item1")};
  EXPECT_EQ((std::set<std::string>{"100", "57600"}), items);
  EXPECT_EQ("<none>", Value("Opts", "UsedCommands"));

  // A load replaces the set rather than adding to it.
  CTKCommandBarsOptions loaded;
  loaded.m_mapUsedCommands.SetAt(7, TRUE);
  LoadIni(loaded);
  EXPECT_EQ((std::set<UINT>{100, 57600}), Ids(loaded.m_mapUsedCommands));
}

TEST_F(OptionsTest, UsedCommandsAreOneBinaryValueInTheRegistry) {
  CTKCommandBarsOptions o;
  o.m_mapUsedCommands.SetAt(100, TRUE);
  o.m_mapHiddenCommands.SetAt(300, TRUE);
  HKEY hRoot;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kRoot, 0, nullptr, 0,
                                           KEY_ALL_ACCESS, nullptr, &hRoot, nullptr));
  {
    CTKPropExchangeSection px(new CTKPropExchangeRegistry(FALSE, hRoot, "Opts"));
    o.ExchangeProperties(px, FALSE);
  }
  HKEY hKey;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(hRoot, "Opts", 0, KEY_READ, &hKey));
  DWORD type = 0;
  EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(hKey, "UsedCommands", nullptr, &type, nullptr, nullptr));
  EXPECT_EQ((DWORD)REG_BINARY, type);
  HKEY hSub;
  EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExA(hKey, "UsedCommands", 0, KEY_READ, &hSub));
  RegCloseKey(hKey);

  CTKCommandBarsOptions loaded;
  {
    CTKPropExchangeSection px(new CTKPropExchangeRegistry(TRUE, hRoot, "Opts"));
    loaded.ExchangeProperties(px, FALSE);
  }
  RegCloseKey(hRoot);
  EXPECT_EQ((std::set<UINT>{100}), Ids(loaded.m_mapUsedCommands));
  EXPECT_EQ((std::set<UINT>{300}), Ids(loaded.m_mapHiddenCommands));
}

TEST_F(OptionsTest, SchemaSevenReadsNoUsedCommandsFloatOrKeyboardCues) {
  CTKCommandBarsOptions stored;
  ChangeEverything(stored);
  SaveIni(stored);
  WritePrivateProfileStringA("Opts", "Schema", "7", m_path.c_str());

  CTKCommandBarsOptions loaded;
  loaded.m_mapUsedCommands.SetAt(9, TRUE);
  loaded.ShowKeyboardCues(2);
  LoadIni(loaded);
  EXPECT_EQ((std::set<UINT>{9}), Ids(loaded.m_mapUsedCommands));
  EXPECT_FALSE(loaded.bDblClickFloat);
  EXPECT_EQ(1, loaded.keyboardCuesUse);
  EXPECT_EQ(2, loaded.GetShowKeyboardCues());
  EXPECT_EQ(0, loaded.animationType) << "no animation in a full load of schema 7";
  EXPECT_EQ(CSize(0, 0), loaded.szPopupIcons);
  // What the old layout held still loads.
  EXPECT_FALSE(loaded.bAlwaysShowFullMenus);
  EXPECT_EQ(CSize(24, 20), loaded.szIcons);
  EXPECT_EQ((std::set<UINT>{200}), Ids(loaded.m_mapHiddenCommands));

  CTKCommandBarsOptions user;
  LoadIni(user, TRUE);
  EXPECT_EQ(3, user.animationType) << "a user-only load of schema 7 still reads the animation";
}

TEST_F(OptionsTest, UserOptionsOnlyExchangeTheFirstFlagsUsedCommandsAndAnimation) {
  CTKCommandBarsOptions o;
  ChangeEverything(o);
  SaveIni(o, TRUE);
  EXPECT_EQ((std::vector<std::string>{"Schema", "AlwaysShowFullMenus", "ShowFullAfterDelay",
                                      "ToolBarScreenTips", "ToolBarAccelTips", "LargeIcons",
                                      "Animation"}),
            Keys("Opts"));
  EXPECT_EQ("2", Value("Opts\\UsedCommands", "Count"));

  SaveIni(o);
  CTKCommandBarsOptions loaded;
  LoadIni(loaded, TRUE);
  EXPECT_FALSE(loaded.bLargeIcons == FALSE);
  EXPECT_EQ(3, loaded.animationType);
  EXPECT_EQ(Ids(o.m_mapUsedCommands), Ids(loaded.m_mapUsedCommands));
  EXPECT_TRUE(loaded.bSyncFloatingBars) << "not a user option";
  EXPECT_EQ(1, loaded.keyboardCuesUse);
  EXPECT_TRUE(loaded.m_mapHiddenCommands.IsEmpty());
}

TEST_F(OptionsTest, IconFlagsGoToTheManagersTheme) {
  CTKCommandBars* pBars = new CTKCommandBars;
  CTKPaintManager* pTheme = new CTestPaintManager;
  pBars->SetPaintManager(pTheme);
  pTheme->GetIconsInfo()->bIconsWithShadow = TRUE;
  pTheme->GetIconsInfo()->bUseFadedIcons = FALSE;
  SaveIni(*pBars->GetCommandBarsOptions());
  EXPECT_EQ("1", Value("Opts", "IconsWithShadow"));
  EXPECT_EQ("0", Value("Opts", "UseFadedIcons"));

  pTheme->GetIconsInfo()->bIconsWithShadow = FALSE;
  LoadIni(*pBars->GetCommandBarsOptions());
  EXPECT_TRUE(pTheme->GetIconsInfo()->bIconsWithShadow);
  pBars->InternalRelease();
}

TEST_F(OptionsTest, KeyboardCueModesSetTheManagersCues) {
  CCuesSystem system;
  TKSetCommandBarsSystem(&system);
  struct Case {
    int mode;
    BOOL systemShows;
    BOOL visible;
    BOOL managed;
  } cases[] = {
      {0, FALSE, TRUE, FALSE}, {1, FALSE, FALSE, FALSE},
      {2, TRUE, TRUE, FALSE},  {2, FALSE, FALSE, TRUE},
  };
  for (const Case& c : cases) {
    system.m_bShow = c.systemShows;
    CTKCommandBars* pBars = new CTKCommandBars;
    pBars->GetCommandBarsOptions()->ShowKeyboardCues(c.mode);
    EXPECT_EQ(c.visible, pBars->IsKeyboardCuesVisible()) << c.mode << c.systemShows;
    EXPECT_EQ(c.managed, pBars->IsKeyboardCuesManaged()) << c.mode << c.systemShows;
    pBars->InternalRelease();
  }
}

TEST_F(OptionsTest, LoadedModeTwoWithCuesHiddenUnderlinesNothingUntilAlt) {
  CCuesSystem system;
  system.m_bShow = FALSE;
  TKSetCommandBarsSystem(&system);
  CTKCommandBarsOptions stored;
  stored.ShowKeyboardCues(2);
  SaveIni(stored);

  CTKCommandBars* pBars = new CTKCommandBars;
  pBars->GetCommandBarsOptions()->ShowKeyboardCues(0);
  ASSERT_TRUE(pBars->IsKeyboardCuesVisible());
  LoadIni(*pBars->GetCommandBarsOptions());
  EXPECT_FALSE(pBars->IsKeyboardCuesVisible());
  pBars->ShowKeyboardCues(TRUE);  // Alt down
  EXPECT_TRUE(pBars->IsKeyboardCuesVisible());
  pBars->ShowKeyboardCues(FALSE);  // Alt up
  EXPECT_FALSE(pBars->IsKeyboardCuesVisible());
  pBars->InternalRelease();
}

TEST_F(OptionsTest, AProfileNameOfAnyLengthNamesItsOptionsSection) {
  theApp.m_pszProfileName = m_path.c_str();
  for (size_t length : {5u, 247u, 600u}) {
    std::string profile(length, 'p');
    CTKCommandBars* pBars = new CTKCommandBars;
    pBars->GetCommandBarsOptions()->animationType = 4;
    pBars->SaveOptionsSection(profile.c_str());
    pBars->GetCommandBarsOptions()->animationType = 0;
    pBars->LoadOptionsSection(profile.c_str());
    EXPECT_EQ(4, pBars->GetCommandBarsOptions()->animationType) << length;
    EXPECT_EQ("4", Value((profile + "-Options").c_str(), "Animation")) << length;
    pBars->InternalRelease();
  }
}

}  // namespace
