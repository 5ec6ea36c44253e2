// The global paint manager: its holders, installing themes over it, and the
// theme factory.
#include <gtest/gtest.h>

#include "SupportThemePaintManager.h"
#include "commandbars/TKCommandBar.h"
#include "common/TKResourceImages.h"
#include "themes/TKCommandBarsOffice2000Theme.h"
#include "themes/TKMessageBarPaintManager.h"
#include "themes/TKVisualStudio6Theme.h"

namespace {

/// Counts the destruction of the paint manager it watches.
class CDestroyedObserver : public ITKPaintManagerEvents {
 public:
  void OnPaintManagerDestroyed(CTKPaintManager*) override { ++m_nDestroyed; }
  int m_nDestroyed = 0;
};

CTKPaintManagerBase* Global() {
  return dynamic_cast<CTKPaintManagerBase*>(CTKPaintManager::GetGlobal());
}

BOOL IsVisualStudio6(CTKPaintManager* pPaintManager) {
  return dynamic_cast<CTKVisualStudio6Theme*>(pPaintManager) != nullptr;
}

BOOL IsOffice2000(CTKPaintManager* pPaintManager) {
  return dynamic_cast<CTKCommandBarsOffice2000Theme*>(pPaintManager) != nullptr &&
         !IsVisualStudio6(pPaintManager);
}

class GlobalThemeTest : public ::testing::Test {
 protected:
  void TearDown() override {
    while (CTKPaintManagerBase::ReleaseGlobal() > 0) {
    }
    EXPECT_EQ(CTKPaintManager::GetGlobal(), nullptr);
  }
};

TEST_F(GlobalThemeTest, TheFirstHolderMakesOffice2000AndTheLastLetsItGo) {
  ASSERT_EQ(CTKPaintManager::GetGlobal(), nullptr);
  CTKPaintManager* pFirst = CTKPaintManagerBase::AddRefGlobal();
  ASSERT_TRUE(IsOffice2000(pFirst));
  EXPECT_EQ(Global()->m_nThemeId, 0);
  EXPECT_GT(Global()->GetTextHeight(), 0) << "installed themes are refreshed";
  EXPECT_EQ(CTKPaintManager::GetGlobalRefCount(), 1);
  EXPECT_EQ(CTKPaintManagerBase::AddRefGlobal(), pFirst);
  EXPECT_EQ(CTKPaintManager::GetGlobalRefCount(), 2);

  CDestroyedObserver observer;
  Global()->AddObserver(&observer);
  EXPECT_EQ(CTKPaintManagerBase::ReleaseGlobal(), 1);
  EXPECT_EQ(observer.m_nDestroyed, 0);
  EXPECT_EQ(CTKPaintManagerBase::ReleaseGlobal(), 0);
  EXPECT_EQ(observer.m_nDestroyed, 1);
  EXPECT_EQ(CTKPaintManager::GetGlobal(), nullptr);
  EXPECT_EQ(CTKPaintManagerBase::ReleaseGlobal(), 0);
}

TEST_F(GlobalThemeTest, ABarWithoutAThemeDrawsInOffice2000) {
  CTKCommandBar* pBar = new CTKCommandBar;
  EXPECT_TRUE(IsOffice2000(pBar->GetPaintManager()));
  pBar->InternalRelease();
  EXPECT_EQ(CTKPaintManager::GetGlobal(), nullptr);
}

TEST_F(GlobalThemeTest, ApplyingAThemeKeepsTheHoldersAndDestroysTheOldOne) {
  for (int i = 0; i < 3; ++i) CTKPaintManagerBase::AddRefGlobal();
  CDestroyedObserver observer;
  Global()->AddObserver(&observer);
  CTKPaintManagerBase::ApplyThemeById(6);
  EXPECT_EQ(observer.m_nDestroyed, 1);
  EXPECT_EQ(CTKPaintManager::GetGlobalRefCount(), 3);
  EXPECT_EQ(Global()->m_nThemeId, 6);

  CTKPaintManagerBase::ApplyThemeById(8);
  EXPECT_TRUE(IsVisualStudio6(Global()));
  EXPECT_EQ(Global()->m_nThemeId, 8);
  EXPECT_EQ(CTKPaintManager::GetGlobalRefCount(), 3);
}

TEST_F(GlobalThemeTest, ApplyingAThemeToAnEmptyProcessHoldsItOnce) {
  CTKPaintManagerBase::ApplyThemeById(99);
  EXPECT_TRUE(IsOffice2000(Global()));
  EXPECT_EQ(Global()->m_nThemeId, 99);
  EXPECT_EQ(CTKPaintManager::GetGlobalRefCount(), 1);
  // A bar that comes and goes leaves the application's theme in place.
  CTKCommandBar* pBar = new CTKCommandBar;
  pBar->InternalRelease();
  EXPECT_EQ(Global()->m_nThemeId, 99);
}

TEST_F(GlobalThemeTest, ACustomThemeTakesOverTheHoldersWithId10) {
  CTKPaintManagerBase::AddRefGlobal();
  CTKPaintManagerBase::AddRefGlobal();
  CTestThemePaintManager* pCustom = new CTestThemePaintManager;
  CTKPaintManagerBase::SetCustomTheme(pCustom);
  EXPECT_EQ(CTKPaintManager::GetGlobal(), pCustom);
  EXPECT_EQ(pCustom->m_nThemeId, 10);
  EXPECT_EQ(CTKPaintManager::GetGlobalRefCount(), 2);
}

TEST_F(GlobalThemeTest, InstallingTheGlobalThemeAgainKeepsItAlive) {
  CTKPaintManagerBase::AddRefGlobal();
  CTKPaintManagerBase::AddRefGlobal();
  CTKPaintManagerBase* pTheme = Global();
  CDestroyedObserver observer;
  pTheme->AddObserver(&observer);
  CTKPaintManagerBase::SetCustomTheme(pTheme);
  EXPECT_EQ(observer.m_nDestroyed, 0);
  EXPECT_EQ(Global(), pTheme);
  EXPECT_EQ(pTheme->m_nThemeId, 10);
  EXPECT_EQ(CTKPaintManager::GetGlobalRefCount(), 2);
  EXPECT_EQ(CTKPaintManagerBase::ReleaseGlobal(), 1);
  EXPECT_EQ(observer.m_nDestroyed, 0);
  pTheme->RemoveObserver(&observer);
}

struct FactoryCase {
  int nTheme;
  bool bVisualStudio6;
  int nThemeType = 0;
};

class ThemeFactoryTest : public ::testing::TestWithParam<FactoryCase> {};

TEST_P(ThemeFactoryTest, EveryIdGivesItsClassCarryingTheId) {
  const FactoryCase& c = GetParam();
  CTKPaintManagerBase* pTheme = CTKPaintManagerBase::CreateThemeById(c.nTheme);
  EXPECT_EQ(pTheme->m_nThemeId, c.nTheme);
  EXPECT_EQ(IsVisualStudio6(pTheme), c.bVisualStudio6);
  // The native theme falls back to Office 2000, from which it derives.
  EXPECT_EQ(dynamic_cast<CTKCommandBarsOffice2000Theme*>(pTheme) != nullptr,
            c.nThemeType == 0 || c.nThemeType == 3);
  EXPECT_EQ(pTheme->GetThemeType(), c.nThemeType);
  EXPECT_EQ(pTheme->GetTextHeight(), 0) << "made, not refreshed";
  EXPECT_EQ(CTKPaintManager::GetGlobal(), nullptr) << "made, not installed";
  pTheme->InternalRelease();
}

// Ids 1 to 9 have their classes; the others still to come give the Office
// 2000 theme carrying their id, as unknown ids do.
INSTANTIATE_TEST_SUITE_P(Ids, ThemeFactoryTest,
                         ::testing::Values(FactoryCase{0, false}, FactoryCase{1, false, 1},
                                           FactoryCase{2, false, 2}, FactoryCase{5, false, 5},
                                           FactoryCase{6, false, 6}, FactoryCase{8, true},
                                           FactoryCase{3, false, 3}, FactoryCase{4, false, 4},
                                           FactoryCase{7, false, 7}, FactoryCase{9, false, 9},
                                           FactoryCase{10, false}, FactoryCase{14, false},
                                           FactoryCase{16, false}, FactoryCase{17, false},
                                           FactoryCase{99, false}, FactoryCase{-1, false}));

struct IniNameCase {
  const char* pszName;
  bool bOffice2010MessageBar;
};

class ThemeTextMessageBarTest : public ::testing::TestWithParam<IniNameCase> {
 protected:
  void TearDown() override {
    CTKPaintManagerBase::ReleaseGlobal();
    TKResourceImages()->LoadIniResource("");
  }
};

TEST_P(ThemeTextMessageBarTest, OnlyAnUpperCaseOffice2010NameBringsItsMessageBar) {
  TKResourceImages()->LoadIniResource(GetParam().pszName);
  CTKPaintManagerBase::ApplyThemeById(0);
  const bool bOffice2010 = dynamic_cast<CTKMessageBarThemeOffice2010*>(
                               Global()->GetMessageBarPaintManager()) != nullptr;
  EXPECT_EQ(bOffice2010, GetParam().bOffice2010MessageBar) << GetParam().pszName;
}

INSTANTIATE_TEST_SUITE_P(Names, ThemeTextMessageBarTest,
                         ::testing::Values(IniNameCase{"OFFICE2010SILVER_INI", true},
                                           IniNameCase{"Office2010Silver.INI", false},
                                           IniNameCase{"", false}));

}  // namespace
