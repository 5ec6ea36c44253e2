// The ribbon's saved layout through the registry, INI-file and archive
// exchanges: what a ribbon stores, the schema gates, and damaged classes.
#include <functional>
#include <set>
#include <string>

#include "SupportRibbon.h"
#include "commandbars/TKControls.h"
#include "common/TKPropExchangeArchive.h"
#include "common/TKPropExchangeIniFile.h"
#include "common/TKPropExchangeRegistry.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonQuickAccessControls.h"
#include "testsupport/TempFolder.h"

namespace {

enum Backend { kRegistry, kIniFile, kArchive };
const char kRegistryRoot[] = "Software\\VelmoranTests\\RibbonExchange";

/// One stored layout, written and read back through one back end.
class Store {
 public:
  explicit Store(Backend backend) : m_backend(backend) {}
  ~Store() {
    if (m_hRoot != NULL) {
      ::RegCloseKey(m_hRoot);
      ::RegDeleteTreeA(HKEY_CURRENT_USER, kRegistryRoot);
    }
  }
  /// Runs `exchange` on a storing (or loading) exchange of schema `nSchema`.
  void Run(BOOL bLoading, int nSchema, const std::function<void(CTKPropExchange*)>& exchange) {
    if (m_backend == kArchive) {
      if (bLoading)
        m_file.SeekToBegin();
      else
        m_file.SetLength(0);
      CArchive ar(&m_file, bLoading ? CArchive::load : CArchive::store);
      {
        CTKPropExchangeSection px(new CTKPropExchangeArchive(ar));
        px->SetSchema(nSchema);
        exchange(px);
      }
      ar.Close();
      return;
    }
    CTKPropExchangeSection px(Open(bLoading));
    px->SetSchema(nSchema);
    exchange(px);
  }
  const std::string& IniPath() const { return m_path; }

 private:
  CTKPropExchange* Open(BOOL bLoading) {
    if (m_backend == kIniFile) {
      CTKPropExchangeIniFile* pIni = new CTKPropExchangeIniFile(bLoading, nullptr, "Ribbon");
      pIni->AssignFile(m_path.c_str());
      return pIni;
    }
    if (m_hRoot == NULL)
      ::RegCreateKeyExA(HKEY_CURRENT_USER, kRegistryRoot, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &m_hRoot, nullptr);
    return new CTKPropExchangeRegistry(bLoading, m_hRoot, "Ribbon");
  }

  Backend m_backend;
  CMemFile m_file;
  HKEY m_hRoot = NULL;
  CTempFolder m_folder;
  std::string m_path = m_folder.PathOf("ribbon.ini");
};

class RibbonExchangeTest : public RibbonFrameTest, public ::testing::WithParamInterface<Backend> {
 protected:
  /// A second ribbon in the same command bars, to load into.
  CTKRibbonBar* NewRibbon() {
    return static_cast<CTKRibbonBar*>(
        m_pBars->Add("Loaded", tkBarTop, RUNTIME_CLASS(CTKRibbonBar)));
  }
  Store m_store{GetParam()};
};

TEST_P(RibbonExchangeTest, CustomisableRibbonKeepsItsTabsGroupsAndControls) {
  m_pRibbon->SetCustomizable(TRUE);
  m_pRibbon->AddSystemButton(500);
  CTKRibbonTab* pHome = AddTab("&Home");
  pHome->SetContextColor(3);
  pHome->SetContextCaption("Tools");
  CTKRibbonGroup* pGroup = pHome->AddGroup(3001);
  pGroup->AddControl(tkControlButton, 100, "Run");
  pGroup->AddControl(tkControlCheckBox, 101, "Log");
  pGroup->AddControl(tkControlButton, 102, "Scratch", -1, TRUE);
  AddTab("View");
  m_pRibbon->SetCurSel(1);
  m_pRibbon->GetQuickAccessControls()->AddCopy(pGroup->GetAt(0));
  m_store.Run(FALSE, CTKPropExchange::CurrentSchema,
              [&](CTKPropExchange* px) { m_pRibbon->DoPropExchange(px); });

  CTKRibbonBar* pLoaded = NewRibbon();
  m_store.Run(TRUE, CTKPropExchange::CurrentSchema,
              [&](CTKPropExchange* px) { pLoaded->DoPropExchange(px); });
  EXPECT_TRUE(pLoaded->IsCustomizable());
  ASSERT_EQ(2, pLoaded->GetTabCount());
  EXPECT_EQ(1, pLoaded->GetCurSel());
  CTKRibbonTab* pTab = pLoaded->GetTab(0);
  EXPECT_STREQ("&Home", pTab->GetCaption());
  EXPECT_EQ(3, pTab->GetContextColor());
  EXPECT_STREQ("Tools", pTab->GetContextCaption());
  EXPECT_EQ(pLoaded, pTab->GetRibbonBar());
  ASSERT_EQ(1, pTab->GetGroups()->GetCount());
  CTKRibbonGroup* pLoadedGroup = pTab->GetGroups()->GetAt(0);
  EXPECT_STREQ("Build", pLoadedGroup->GetCaption());
  // The temporary control is not stored.
  ASSERT_EQ(2, pLoadedGroup->GetCount());
  EXPECT_EQ(100, pLoadedGroup->GetAt(0)->GetID());
  EXPECT_EQ(tkControlCheckBox, pLoadedGroup->GetAt(1)->GetType());
  EXPECT_EQ(pLoaded->GetControls(), pLoadedGroup->GetAt(1)->GetControls());
  ASSERT_NE(nullptr, pLoaded->GetSystemButton());
  EXPECT_EQ(500, pLoaded->GetSystemButton()->GetID());
  ASSERT_EQ(1, pLoaded->GetQuickAccessControls()->GetCount());
  EXPECT_EQ(100, pLoaded->GetQuickAccessControls()->GetAt(0)->GetID());
}

TEST_P(RibbonExchangeTest, MinimisedStateIsReadFromSchema19) {
  AddTab("Home");
  m_pRibbon->SetRibbonMinimized(TRUE);
  m_pRibbon->ShowQuickAccessBelowRibbon(TRUE);
  for (int nSchema : {18, 19}) {
    m_store.Run(FALSE, nSchema, [&](CTKPropExchange* px) { m_pRibbon->DoPropExchange(px); });
    CTKRibbonBar* pLoaded = NewRibbon();
    m_store.Run(TRUE, nSchema, [&](CTKPropExchange* px) { pLoaded->DoPropExchange(px); });
    EXPECT_EQ(nSchema > 18, pLoaded->IsRibbonMinimized()) << nSchema;
    EXPECT_TRUE(pLoaded->IsQuickAccessBelowRibbon()) << nSchema;
    // Loading the state sends nothing: it is the state, not a change of it.
    EXPECT_EQ(1, m_pFrame->Count(TK_WM_RIBBONMINIMIZECHANGED)) << nSchema;
  }
}

TEST_P(RibbonExchangeTest, TabOfSchema41LoadsWithoutCustomiseCaption) {
  m_pRibbon->SetCustomizable(TRUE);
  AddTab("Home")->SetCustomizeCaption("Start");
  for (int nSchema : {41, 42}) {
    // An archive keeps the schema a tab was written with beside its class.
    RUNTIME_CLASS(CTKRibbonTab)->m_wSchema = static_cast<UINT>(VERSIONABLE_SCHEMA | nSchema);
    m_store.Run(FALSE, nSchema, [&](CTKPropExchange* px) { m_pRibbon->DoPropExchange(px); });
    RUNTIME_CLASS(CTKRibbonTab)->m_wSchema = VERSIONABLE_SCHEMA | TK_LAYOUT_SCHEMA;
    CTKRibbonBar* pLoaded = NewRibbon();
    m_store.Run(TRUE, nSchema, [&](CTKPropExchange* px) { pLoaded->DoPropExchange(px); });
    ASSERT_EQ(1, pLoaded->GetTabCount()) << nSchema;
    EXPECT_STREQ(nSchema > 41 ? "Start" : "", pLoaded->GetTab(0)->GetCustomizeCaption()) << nSchema;
  }
}

INSTANTIATE_TEST_SUITE_P(Backends, RibbonExchangeTest,
                         ::testing::Values(kRegistry, kIniFile, kArchive),
                         [](const ::testing::TestParamInfo<Backend>& info) {
                           return std::string(info.param == kRegistry  ? "Registry"
                                              : info.param == kIniFile ? "IniFile"
                                                                       : "Archive");
                         });

class RibbonIniTest : public RibbonFrameTest {
 protected:
  CTempFolder m_folder;
  std::string m_path = m_folder.PathOf("ribbon.ini");
  CTKPropExchangeIniFile* Open(BOOL bLoading) {
    CTKPropExchangeIniFile* pIni = new CTKPropExchangeIniFile(bLoading, nullptr, "Ribbon");
    pIni->AssignFile(m_path.c_str());
    return pIni;
  }
  std::string Value(const char* pszSection, const char* pszKey) {
    char szValue[256] = {};
    ::GetPrivateProfileStringA(pszSection, pszKey, "<none>", szValue, sizeof(szValue),
                               m_path.c_str());
    return szValue;
  }
  std::vector<std::string> Keys(const char* pszSection) {
    std::vector<char> buffer(8192);
    DWORD n = ::GetPrivateProfileSectionA(pszSection, buffer.data(),
                                          static_cast<DWORD>(buffer.size()), m_path.c_str());
    std::vector<std::string> keys;
    for (const char* p = buffer.data(); p < buffer.data() + n && *p != 0; p += strlen(p) + 1) {
      std::string line(p);
      keys.push_back(line.substr(0, line.find('=')));
    }
    return keys;
  }
  std::vector<std::string> Sections() {
    std::vector<char> buffer(8192);
    DWORD n = ::GetPrivateProfileSectionNamesA(buffer.data(), static_cast<DWORD>(buffer.size()),
                                               m_path.c_str());
    std::vector<std::string> names;
    for (const char* p = buffer.data(); p < buffer.data() + n && *p != 0; p += strlen(p) + 1)
      names.push_back(p);
    return names;
  }
};

TEST_F(RibbonIniTest, NonCustomisableRibbonStoresItsStatesAndQuickAccessOnly) {
  m_pRibbon->AddSystemButton(500);
  AddTab("Home")->AddGroup(3001)->AddControl(tkControlButton, 100);
  m_pRibbon->GetQuickAccessControls()->AddCopy(m_pRibbon->FindGroup(3001)->GetAt(0));
  m_pRibbon->SetRibbonMinimized(TRUE);
  {
    CTKPropExchangeSection px(Open(FALSE));
    m_pRibbon->DoPropExchange(px);
  }
  EXPECT_EQ("1", Value("Ribbon", "Minimized"));
  const std::set<std::string> allowed = {"ShowQuickAccessBelow", "Minimized", "Customizable"};
  for (const std::string& key : Keys("Ribbon")) EXPECT_EQ(1u, allowed.count(key)) << key;
  bool bQuickAccess = false;
  for (const std::string& name : Sections()) {
    const bool bOwn = name == "Ribbon" || name.rfind("Ribbon\\QuickAccessControls", 0) == 0;
    EXPECT_TRUE(bOwn) << name;
    bQuickAccess |= name == "Ribbon\\QuickAccessControls";
  }
  EXPECT_TRUE(bQuickAccess);
}

TEST_F(RibbonIniTest, AStoredClassThatIsNoRibbonTabStopsLoadingAsABadClass) {
  m_pRibbon->SetCustomizable(TRUE);
  AddTab("Home");
  {
    CTKPropExchangeSection px(Open(FALSE));
    m_pRibbon->DoPropExchange(px);
  }
  std::string tabSection;
  for (const std::string& name : Sections())
    if (name.size() > 4 && name.compare(name.size() - 4, 4, "Tab0") == 0) tabSection = name;
  ASSERT_FALSE(tabSection.empty());
  ::WritePrivateProfileStringA(tabSection.c_str(), "Class", "CTKControlButton", m_path.c_str());

  CTKRibbonBar* pLoaded = static_cast<CTKRibbonBar*>(
      m_pBars->Add("Loaded", tkBarTop, RUNTIME_CLASS(CTKRibbonBar)));
  int nCause = -1;
  try {
    CTKPropExchangeSection px(Open(TRUE));
    pLoaded->DoPropExchange(px);
  } catch (CArchiveException* e) {
    nCause = e->m_cause;
    e->Delete();
  }
  EXPECT_EQ(CArchiveException::badClass, nCause);
  EXPECT_EQ(0, pLoaded->GetTabCount());
}

}  // namespace
