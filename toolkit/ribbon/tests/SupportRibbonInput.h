// A ribbon laid out by hand for the mouse, key and pop-up tests: the caption,
// the tab row, the quick-access area and the groups at fixed places, since
// these tests are about what the places do, not about how they are found.
#pragma once

#include "SupportRibbon.h"
#include "SupportSystem.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonGroup.h"

class CTestPlacedRibbon : public CTKRibbonBar {
  DECLARE_DYNCREATE(CTestPlacedRibbon)

 public:
  /// The caption band 0-30, the tab row 30-54 and the groups 54-150 of a
  /// ribbon `nWidth` wide; the tabs stand 60 wide from x = 40 on.
  void Place(int nWidth);
  void SetGroupsRect(CRect rc) { m_rcGroups = rc; }
  /// The places stay as the test put them.
  CSize CalcDynamicLayout(int, DWORD) override { return CSize(m_nPlacedWidth, 150); }
  int m_nPlacedWidth = 600;
  void SetQuickAccessRect(CRect rc) { m_rcQuickAccess = rc; }
  /// Each call of the groups' scrolling, TRUE for left.
  std::vector<BOOL> m_scrolls;
  void OnGroupsScroll(BOOL bScrollLeft) override;
  /// The hit tests of the window, as a mouse message would find them.
  LRESULT NcHitTest(CPoint ptScreen) { return OnNcHitTest(ptScreen); }
};

class RibbonInputTest : public RibbonFrameTest {
 protected:
  RibbonInputTest() { m_pRibbonClass = RUNTIME_CLASS(CTestPlacedRibbon); }
  void SetUp() override;
  void TearDown() override;
  CTestPlacedRibbon* Ribbon() const { return static_cast<CTestPlacedRibbon*>(m_pRibbon); }
  /// Tabs with captions, placed, with frame theming on.
  void AddPlacedTabs(std::initializer_list<LPCTSTR> captions);
  /// A group of `nButtons` buttons 30 x 22 in a row at x = `nLeft`, 100 wide.
  CTKRibbonGroup* AddPlacedGroup(CTKRibbonTab* pTab, int nLeft, int nButtons);
  /// Sends a mouse message to the ribbon at a client point.
  void Mouse(UINT nMessage, CPoint point);

  CRecordingSystem m_system;
};
