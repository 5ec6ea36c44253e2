// Damaged layouts: a sound layout of each arrangement, damaged at random by a
// fixed seed, loads whole or is dropped whole, and no damaged count turns
// into bars or controls the stream does not hold.
#include <gtest/gtest.h>

#include "SupportLayoutFuzz.h"
#include "SupportPaintManager.h"

namespace {

class LayoutFuzzTest : public ::testing::Test {
 protected:
  void SetUp() override { TKSetCommandBarsSystem(&m_system); }
  void TearDown() override { TKSetCommandBarsSystem(nullptr); }
  CTestGlobalPaintManager m_paintManager;
  CLayoutSystem m_system;
};

TEST_F(LayoutFuzzTest, DamagedLayoutsLoadWholeOrNotAtAll) {
  CLayoutFuzzer fuzzer(20261211u);
  int nMerged = 0;
  for (int i = 0; i < 600; ++i) {
    if (fuzzer.RunCase()) ++nMerged;
    // Two built-in bars and at most a user bar; a control costs bytes.
    ASSERT_LE(fuzzer.CountBars(), 3) << "case " << i;
    ASSERT_LE(fuzzer.CountControls(), 200) << "case " << i;
  }
  // Enough damage falls where values are only changed for merges to happen.
  EXPECT_GT(nMerged, 30);
}

TEST_F(LayoutFuzzTest, SoundLayoutsLoadWhole) {
  CLayoutFuzzer fuzzer(1);
  for (int nVariant = 0; nVariant < CLayoutFuzzer::kVariants; ++nVariant) {
    ASSERT_TRUE(fuzzer.Load(fuzzer.SoundLayout(nVariant))) << nVariant;
    EXPECT_EQ(nVariant > 0 ? 3 : 2, fuzzer.CountBars()) << nVariant;
  }
}

}  // namespace
