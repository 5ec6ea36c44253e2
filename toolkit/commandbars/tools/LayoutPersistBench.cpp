// commandbars_bench, saved layouts: a frame with twenty tool bars of thirty
// customised buttons saves and loads its bar states and layout through the
// INI file and the registry profile. The baseline, measured in the same run
// and profile, is writing and reading as many values as the save wrote
// through the profile functions alone.
#include <stdio.h>

#include <string>

#include "BenchClock.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKToolBar.h"

namespace {

CWinApp benchApp("VelmLayoutBench");

const int kBars = 20;
const int kButtons = 30;
const char kCompany[] = "VelmoranLayoutBench";

/// The values the profile holds in the INI sections of a save.
int CountIniValues(const std::string& path) {
  std::string names(65536, '\0');
  const DWORD n = ::GetPrivateProfileSectionNamesA(&names[0], (DWORD)names.size(), path.c_str());
  int nValues = 0;
  std::string section(65536, '\0');
  for (const char* p = names.c_str(); p < names.c_str() + n && *p; p += strlen(p) + 1) {
    const DWORD m = ::GetPrivateProfileSectionA(p, &section[0], (DWORD)section.size(), path.c_str());
    for (const char* q = section.c_str(); q < section.c_str() + m && *q; q += strlen(q) + 1)
      ++nValues;
  }
  return nValues;
}

void Report(const char* pszProfile, int nValues, int nRounds, CTKCommandBars* pBars) {
  const double dSave =
      BestSecondsPerRound(nRounds, [&](int) { pBars->SaveLayoutToProfile("Bench", FALSE); });
  const double dLoad =
      BestSecondsPerRound(nRounds, [&](int) { pBars->LoadLayoutFromProfile("Bench", TRUE); });
  const double dWrite = BestSecondsPerRound(nRounds, [&](int) {
    for (int i = 0; i < nValues; ++i) benchApp.WriteProfileInt("Baseline", "Value", i);
  });
  volatile UINT nSum = 0;
  const double dRead = BestSecondsPerRound(nRounds, [&](int) {
    for (int i = 0; i < nValues; ++i) nSum += benchApp.GetProfileInt("Baseline", "Value", 0);
  });
  printf("    %-9s save %9.1f us (%5.2f x writing %d values)  load %9.1f us (%5.2f x reading them)\n",
         pszProfile, dSave * 1e6, dSave / dWrite, nValues, dLoad * 1e6, dLoad / dRead);
}

}  // namespace

void RunLayoutPersistBench(int nRounds) {
  CFrameWnd* pFrame = new CFrameWnd;
  if (!pFrame->Create(NULL, "commandbars_bench", WS_OVERLAPPEDWINDOW, CRect(0, 0, 1200, 600))) {
    printf("  saved layouts: no frame window\n");
    return;
  }
  CTKCommandBars* pBars = new CTKCommandBars;
  pBars->SetSite(pFrame);
  pBars->CreateDockBars();
  for (int b = 0; b < kBars; ++b) {
    CTKToolBar* pBar = pBars->Add("Bar", b % 4);
    pBar->SetBarID(100 + b);
    for (int i = 0; i < kButtons; ++i)
      pBar->GetControls()->AddNew(tkControlButton, 1000 + i)->SetCaption("Button");
    pBar->SetBuiltIn(FALSE);
  }
  char szTemp[MAX_PATH];
  ::GetTempPathA(MAX_PATH, szTemp);
  const std::string path = std::string(szTemp) + "VelmLayoutBench.ini";
  benchApp.m_pszProfileName = path.c_str();
  pBars->SaveLayoutToProfile("Bench", FALSE);
  const int nValues = CountIniValues(path);
  const int nRounds10 = std::max(1, nRounds / 10);
  printf("  saved layouts: %d bars of %d buttons, %d rounds, best of 3\n", kBars, kButtons,
         nRounds10);
  Report("INI file", nValues, nRounds10, pBars);
  benchApp.m_pszProfileName = "Layouts";
  benchApp.m_pszRegistryKey = kCompany;
  Report("registry", nValues, nRounds10, pBars);
  HKEY hSoftware = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &hSoftware) ==
      ERROR_SUCCESS) {
    benchApp.DelRegTree(hSoftware, kCompany);
    ::RegCloseKey(hSoftware);
  }
  benchApp.m_pszRegistryKey = nullptr;
  benchApp.m_pszProfileName = nullptr;
  ::DeleteFileA(path.c_str());
  pBars->InternalRelease();
  pFrame->DestroyWindow();
}
