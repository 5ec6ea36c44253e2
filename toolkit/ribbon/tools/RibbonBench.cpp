// What building a ribbon costs: 10 tabs of 8 groups of 6 controls, and a
// round trip of them through the archive exchange, each against the same
// 480 controls in one tool bar measured in the same run; and laying the
// ribbon out at widths from 1600 down to 250 against one tool bar holding
// the controls the ribbon lays out (those of its selected tab).
// and opening and closing a collapsed group's pop-up against a 40-item
// menu closed by Esc. The full repaint in the silver look is still to come.
// scripts/tool.sh ribbon_bench [rounds]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "SupportRibbon.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKToolBar.h"
#include "common/TKPropExchangeArchive.h"
#include "common/TKDpiHelper.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonGroup.h"

namespace {

const int kTabs = 10;
const int kGroups = 8;
const int kControls = 6;

double Seconds(const std::function<void()>& work, int nRounds) {
  LARGE_INTEGER freq, start, end;
  ::QueryPerformanceFrequency(&freq);
  ::QueryPerformanceCounter(&start);
  for (int i = 0; i < nRounds; ++i) work();
  ::QueryPerformanceCounter(&end);
  return static_cast<double>(end.QuadPart - start.QuadPart) / freq.QuadPart;
}

/// A hidden frame whose command bars hold the bars being measured.
struct BenchFrame {
  CFrameWnd* pFrame = new CFrameWnd;
  CTKCommandBars* pBars = new CTKCommandBars;
  BenchFrame() {
    pFrame->Create(NULL, "Bench", WS_OVERLAPPEDWINDOW, CRect(0, 0, 1200, 400));
    CTestRibbonThemePaintManager* pPaintManager = new CTestRibbonThemePaintManager;
    pPaintManager->m_nControlHeightOverride = 22;
    pBars->SetPaintManager(pPaintManager);
    pBars->SetSite(pFrame);
    pBars->CreateDockBars();
  }
  ~BenchFrame() {
    pBars->InternalRelease();
    pFrame->DestroyWindow();
  }
};

int ControlId(int nTab, int nGroup, int nControl) {
  return 1000 + (nTab * kGroups + nGroup) * kControls + nControl;
}

void FillRibbon(CTKRibbonBar* pRibbon) {
  for (int t = 0; t < kTabs; ++t) {
    CTKRibbonTab* pTab = pRibbon->AddTab(("Tab " + std::to_string(t)).c_str(), t + 1);
    for (int g = 0; g < kGroups; ++g) {
      CTKRibbonGroup* pGroup = pTab->GetGroups()->AddGroup("Group", 100 + t * kGroups + g);
      for (int c = 0; c < kControls; ++c)
        pGroup->AddControl(c % 3 == 2 ? tkControlCheckBox : tkControlButton, ControlId(t, g, c),
                           "Command");
    }
  }
}

void FillToolBar(CTKToolBar* pBar) {
  for (int t = 0; t < kTabs; ++t)
    for (int g = 0; g < kGroups; ++g)
      for (int c = 0; c < kControls; ++c)
        pBar->GetControls()
            ->AddNew(c % 3 == 2 ? tkControlCheckBox : tkControlButton, ControlId(t, g, c))
            ->SetCaption("Command");
}

/// Stores `store` through the archive exchange into memory and loads it into `load`.
void RoundTrip(const std::function<void(CTKPropExchange*)>& store,
               const std::function<void(CTKPropExchange*)>& load) {
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    {
      CTKPropExchangeSection px(new CTKPropExchangeArchive(ar));
      store(px);
    }
    ar.Close();
  }
  file.SeekToBegin();
  CArchive ar(&file, CArchive::load);
  {
    CTKPropExchangeSection px(new CTKPropExchangeArchive(ar));
    load(px);
  }
  ar.Close();
}

/// The layout of the bar at every width from 1600 down to 250 in steps of 50.
void LayOutAtShrinkingWidths(CTKToolBar* pBar) {
  for (int nWidth = 1600; nWidth >= 250; nWidth -= 50)
    pBar->CalcLayout(nWidth, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
}

void Report(const char* pszWhat, double dBase, double d, int nRounds,
            const char* pszBase = "the tool bar") {
  printf("  %-40s %8.3f ms a round, %5.2fx %s\n", pszWhat, d * 1000 / nRounds,
         dBase > 0 ? d / dBase : 0.0, pszBase);
}

/// A collapsed group of six controls opened as its pop-up (as its key tip
/// does) and closed, against a 40-item menu opened and closed by a posted Esc.
void ReportGroupPopup(BenchFrame& frame, CTKRibbonBar* pRibbon, int nRounds) {
  frame.pBars->GetCommandBarsOptions()->animationType = 5;  // none
  CMenu menu;
  menu.CreatePopupMenu();
  for (int i = 0; i < 40; ++i) menu.AppendMenu(MF_STRING, 2000 + i, "Command");
  const double dMenu = Seconds(
      [&] {
        frame.pFrame->PostMessage(WM_KEYDOWN, VK_ESCAPE, 1);
        CTKCommandBars::TrackPopupMenu(&menu, TPM_RETURNCMD, 100, 100, frame.pFrame, NULL, NULL,
                                       frame.pBars);
      },
      nRounds);
  printf("  %-40s %8.3f ms a round (baseline)\n", "40-item menu opened, Esc", dMenu * 1000 / nRounds);
  CTKControl* pButton = pRibbon->GetTab(0)->GetGroups()->GetAt(0)->GetControlGroupPopup();
  pButton->SetHideFlags(0);
  pButton->SetRect(CRect(0, 0, 40, 60));
  const double dGroup = Seconds(
      [&] {
        pButton->OnUnderlineActivate();
        frame.pBars->CloseAllPopups();
      },
      nRounds);
  Report("collapsed group's pop-up opened, closed", dMenu, dGroup, nRounds, "the menu");
}

}  // namespace

int main(int argc, char** argv) {
  const int nRounds = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
  TKDpiHelper()->OverrideDpi(96, 96);
  BenchFrame frame;
  printf("ribbon of %d tabs x %d groups x %d controls against %d controls in one tool bar\n", kTabs,
         kGroups, kControls, kTabs * kGroups * kControls);

  const double dBuildBase = Seconds(
      [&] {
        CTKToolBar* pBar = frame.pBars->Add("Tool bar", tkBarTop);
        FillToolBar(pBar);
        frame.pBars->Remove(pBar);
      },
      nRounds);
  printf("  %-40s %8.3f ms a round (baseline)\n", "building the tool bar", dBuildBase * 1000 / nRounds);
  const double dBuild = Seconds(
      [&] {
        CTKRibbonBar* pRibbon = static_cast<CTKRibbonBar*>(
            frame.pBars->Add("Ribbon", tkBarTop, RUNTIME_CLASS(CTKRibbonBar)));
        FillRibbon(pRibbon);
        frame.pBars->Remove(pRibbon);
      },
      nRounds);
  Report("building the ribbon", dBuildBase, dBuild, nRounds);

  CTKToolBar* pBar = frame.pBars->Add("Tool bar", tkBarTop);
  FillToolBar(pBar);
  CTKToolBar* pBarLoaded = frame.pBars->Add("Loaded", tkBarTop);
  const double dTripBase = Seconds(
      [&] {
        RoundTrip([&](CTKPropExchange* px) { pBar->DoPropExchange(px); },
                  [&](CTKPropExchange* px) { pBarLoaded->DoPropExchange(px); });
      },
      nRounds);
  printf("  %-40s %8.3f ms a round (baseline)\n", "archive round trip of the tool bar",
         dTripBase * 1000 / nRounds);

  CTKRibbonBar* pRibbon = static_cast<CTKRibbonBar*>(
      frame.pBars->Add("Ribbon", tkBarTop, RUNTIME_CLASS(CTKRibbonBar)));
  pRibbon->SetCustomizable(TRUE);
  FillRibbon(pRibbon);
  CTKRibbonBar* pRibbonLoaded = static_cast<CTKRibbonBar*>(
      frame.pBars->Add("Ribbon loaded", tkBarTop, RUNTIME_CLASS(CTKRibbonBar)));
  const double dTrip = Seconds(
      [&] {
        RoundTrip([&](CTKPropExchange* px) { pRibbon->DoPropExchange(px); },
                  [&](CTKPropExchange* px) { pRibbonLoaded->DoPropExchange(px); });
      },
      nRounds);
  Report("archive round trip of the ribbon", dTripBase, dTrip, nRounds);

  // Layout: the ribbon lays out the groups of its selected tab.
  CTKToolBar* pTabBar = frame.pBars->Add("Selected tab", tkBarTop);
  for (int g = 0; g < kGroups; ++g)
    for (int c = 0; c < kControls; ++c)
      pTabBar->GetControls()
          ->AddNew(c % 3 == 2 ? tkControlCheckBox : tkControlButton, ControlId(0, g, c))
          ->SetCaption("Command");
  const double dLayoutBase = Seconds([&] { LayOutAtShrinkingWidths(pTabBar); }, nRounds);
  printf("  %-40s %8.3f ms a round (baseline)\n", "tool bar at 28 widths, 1600 to 250",
         dLayoutBase * 1000 / nRounds);
  const double dLayout = Seconds([&] { LayOutAtShrinkingWidths(pRibbon); }, nRounds);
  Report("ribbon at 28 widths, 1600 to 250", dLayoutBase, dLayout, nRounds);
  printf("  (the full repaint in the silver look comes with the resource ribbon theme)\n");
  ReportGroupPopup(frame, pRibbon, nRounds * 10);
  return 0;
}
