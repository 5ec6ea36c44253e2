// The global paint manager's references and the paint manager's own helpers.
#include <gtest/gtest.h>

#include "SupportPaintManager.h"
#include "commandbars/TKCommandBar.h"

namespace {

int g_nCreated = 0;
int g_nDestroyed = 0;

class CCountedPaintManager : public CTestPaintManager {
 public:
  CCountedPaintManager() { ++g_nCreated; }
  ~CCountedPaintManager() override { ++g_nDestroyed; }
};

CTKPaintManager* AFX_CDECL CreateCounted() { return new CCountedPaintManager; }

TEST(GlobalPaintManagerTest, TheFirstHolderMakesTheDefaultThemeAndTheLastLetsItGo) {
  CTKPaintManager::SetDefaultThemeFactory(CreateCounted);
  g_nCreated = g_nDestroyed = 0;
  {
    CTKCommandBar* pFirst = new CTKCommandBar;
    CTKCommandBar* pSecond = new CTKCommandBar;
    EXPECT_EQ(g_nCreated, 1);
    EXPECT_EQ(pFirst->GetPaintManager(), CTKPaintManager::GetGlobal());
    pFirst->InternalRelease();
    EXPECT_EQ(g_nDestroyed, 0);
    pSecond->InternalRelease();
  }
  EXPECT_EQ(g_nDestroyed, 1);
  EXPECT_EQ(CTKPaintManager::GetGlobal(), nullptr);
  CTKPaintManager::SetDefaultThemeFactory(nullptr);
}

TEST(GlobalPaintManagerTest, ABarsOwnPaintManagerWins) {
  CTestGlobalPaintManager global;
  CTKCommandBar* pBar = new CTKCommandBar;
  CTestPaintManager* pOwn = new CTestPaintManager;
  pBar->SetPaintManager(pOwn);
  EXPECT_EQ(pBar->GetPaintManager(), pOwn);
  pBar->SetPaintManager(nullptr);
  EXPECT_EQ(pBar->GetPaintManager(), global.Get());
  pBar->InternalRelease();
}

TEST(PaintManagerTest, StripMnemonicsKeepsDoubledAmpersandsOnce) {
  const std::pair<const char*, const char*> cases[] = {
      {"&File", "File"}, {"R&&D", "R&D"}, {"&&&x", "&x"}, {"Save &As", "Save As"}, {"end&", "end"}};
  for (const auto& c : cases) {
    CString str(c.first);
    CTKPaintManager::StripMnemonics(str);
    EXPECT_STREQ(str, c.second) << c.first;
  }
}

}  // namespace
