// A fixture with command bars whose site is a host window that records the
// messages it gets, their four dock bars, and a system of the test's kind.
#pragma once

#include <gtest/gtest.h>

#include "SupportPaintManager.h"
#include "SupportSite.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "common/TKDpiHelper.h"

template <class TSystem>
class CommandBarsSiteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKSetCommandBarsSystem(&m_system);
    ASSERT_TRUE(m_site.CreateHost(600, 300));
    ResetCommandBars(new CTKCommandBars);
  }
  void TearDown() override {
    m_pBars->InternalRelease();
    TKSetCommandBarsSystem(nullptr);
    TKDpiHelper()->OverrideDpi(96, 96);
  }
  /// Replaces the command bars with `pBars`, sited and with dock bars.
  void ResetCommandBars(CTKCommandBars* pBars) {
    if (m_pBars != nullptr) m_pBars->InternalRelease();
    m_pBars = pBars;
    m_pBars->SetSite(&m_site);
    m_pBars->CreateDockBars();
  }
  /// The frame's layout, which gives the docked bars their places.
  void LayOutSite() { m_site.RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST); }

  CTestGlobalPaintManager m_paintManager;
  TSystem m_system;
  CTestSite m_site;
  CTKCommandBars* m_pBars = nullptr;
};
