#include "SupportStatusBarThemes.h"

#include <string>

namespace {

template <class T>
CTKStatusBarPaintManagerBase* Create(CTKPaintManagerBase* pOwner) {
  return new T(pOwner);
}

}  // namespace

const TKStatusBarVariant kStatusBarVariants[] = {
    {"Base", Create<CTKStatusBarPaintManagerBase>},
    {"OfficeXP", Create<CTKStatusBarThemeOfficeXP>},
    {"Office2003", Create<CTKStatusBarThemeOffice2003>},
    {"Resource", Create<CTKStatusBarThemeResource>},
    {"VisualStudio2010", Create<CTKStatusBarThemeVisualStudio2010>},
    {"VisualStudio2012", Create<CTKStatusBarThemeVisualStudio2012>},
    {"Office2013", Create<CTKStatusBarThemeOffice2013>},
    {"VisualStudio2015", Create<CTKStatusBarThemeVisualStudio2015>},
};
const int kStatusBarVariantCount = sizeof(kStatusBarVariants) / sizeof(kStatusBarVariants[0]);

CTestThemePaintManager* CreateStatusBarTheme(const TKStatusBarVariant& variant) {
  CTestThemePaintManager* pPaintManager = new CTestThemePaintManager;
  pPaintManager->SetStatusBarPaintManager(variant.pfnCreate(pPaintManager));
  pPaintManager->RefreshMetrics();
  return pPaintManager;
}

BOOL CSampleStatusBar::Create(int nWidth, int nPanes) {
  if (!m_frame.CreateEx(0, AfxRegisterWndClass(0), "status bar", WS_POPUP | WS_THICKFRAME,
                        CRect(0, 0, nWidth, 100), nullptr, 0))
    return FALSE;
  m_bar.SetCommandBars(&m_commandBars);
  if (!m_bar.Create(&m_frame)) return FALSE;
  // Ids 0 need no texts from the string table; the panes get theirs below.
  std::vector<UINT> ids(nPanes, 0);
  if (!m_bar.SetIndicators(ids.data(), nPanes)) return FALSE;
  for (int i = 1; i < nPanes; ++i) {
    m_bar.SetPaneInfo(i, 100 + i, 0, 0);
    m_bar.SetPaneText(i, ("Pane " + std::to_string(i)).c_str());
  }
  m_bar.SetPaneText(0, "Ready");
  CRect rcClient;
  m_frame.GetClientRect(&rcClient);
  m_bar.MoveWindow(0, 0, rcClient.Width(), 22);
  return TRUE;
}

void CSampleStatusBar::SetTheme(CTKPaintManager* pPaintManager) {
  m_commandBars.SetPaintManager(pPaintManager);
  m_bar.UpdateAllPanes();
}

void CSampleStatusBar::ShowPaneKinds() {
  m_bar.EnableMarkup();
  struct {
    const char* pszText;
    void (*apply)(CTKStatusBarPane*);
  } kinds[] = {
      {"Ln 12",
       [](CTKStatusBarPane* p) {
         p->SetWidth(70);
         p->SetTextAlignment(CTKStatusBarPane::alignRight);
       }},
      {"CAPS", [](CTKStatusBarPane* p) { p->SetEnabled(FALSE); }},
      {"Button",
       [](CTKStatusBarPane* p) {
         p->SetButton(TRUE);
         p->SetStyle(SBPS_POPOUT);
       }},
      {"Coloured", [](CTKStatusBarPane* p) { p->SetBackgroundColor(RGB(255, 240, 160)); }},
      {"<TextBlock><Bold>Markup</Bold> pane</TextBlock>", [](CTKStatusBarPane*) {}},
  };
  int i = 1;
  for (const auto& kind : kinds) {
    CTKStatusBarPane* pPane = m_bar.GetPane(i++);
    if (pPane == nullptr) return;
    pPane->SetText(kind.pszText);
    kind.apply(pPane);
  }
}
