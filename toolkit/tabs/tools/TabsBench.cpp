// What a tab strip costs: laying out 200 tabs in each layout mode against
// measuring their captions alone, and painting a 30-tab strip against the
// common-controls tab control with the same captions. Prints ratios against
// baselines measured in the same run: scripts/tool.sh tabs_bench [rounds]
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "SupportTabStrip.h"
#include "common/TKScopedHandle.h"

namespace {

double Seconds(const std::function<void()>& work, int nRounds) {
  LARGE_INTEGER freq, start, end;
  ::QueryPerformanceFrequency(&freq);
  ::QueryPerformanceCounter(&start);
  for (int i = 0; i < nRounds; ++i) work();
  ::QueryPerformanceCounter(&end);
  return static_cast<double>(end.QuadPart - start.QuadPart) / freq.QuadPart;
}

std::string Caption(int i) {
  static const char* const kWords[] = {"Build", "Copy files", "Run tests", "Package",
                                       "Sign the installer", "Upload", "Notify"};
  return std::string(kWords[i % 7]) + " " + std::to_string(i);
}

void BenchLayout(int nRounds) {
  const int nTabs = 200;
  CTestTabStrip strip(NULL, CRect(0, 0, 1200, 400));
  for (int i = 0; i < nTabs; ++i) strip.Add(Caption(i).c_str());
  strip.SetCurSel(100);
  CTKTabPaintManager* pPaint = strip.GetPaintManager();

  CTKScopedWindowDC screen(NULL);
  CDC* pDC = CDC::FromHandle(screen.Get());
  const double dBase = Seconds(
      [&] {
        CFont* pOld = pDC->SelectObject(pPaint->GetFont(FALSE));
        for (int i = 0; i < nTabs; ++i) {
          const CString str = strip.GetItem(i)->GetRawCaption();
          CRect rc(0, 0, 0, 0);
          pDC->DrawText(str, str.GetLength(), rc, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
        }
        pDC->SelectObject(pOld);
      },
      nRounds);
  printf("layout of %d tabs; baseline: measuring their captions alone, %.3f ms a round\n", nTabs,
         dBase * 1000 / nRounds);
  const char* const kModes[] = {"one row", "shrink", "fixed", "compressed", "multi-row", "rotated"};
  for (int nMode = 0; nMode < 6; ++nMode) {
    pPaint->SetLayout(nMode);
    const double d = Seconds([&] { pPaint->LayoutStrip(&strip, pDC, strip.GetBounds()); }, nRounds);
    printf("  %-11s %8.3f ms  x%.2f\n", kModes[nMode], d * 1000 / nRounds, d / dBase);
  }
}

void BenchPaint(int nRounds) {
  const int nTabs = 30;
  const CRect rc(0, 0, 3000, 120);
  HWND hParent = ::CreateWindowEx(0, "STATIC", "", WS_POPUP, 0, 0, rc.Width(), rc.Height(), NULL,
                                  NULL, NULL, NULL);
  HWND hTab = ::CreateWindowEx(0, WC_TABCONTROL, "", WS_CHILD | WS_VISIBLE, 0, 0, rc.Width(),
                               rc.Height(), hParent, NULL, NULL, NULL);
  ::SendMessage(hTab, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), 0);
  CTestTabStrip strip(NULL, rc);
  std::vector<std::string> captions;
  for (int i = 0; i < nTabs; ++i) captions.push_back(Caption(i));
  for (int i = 0; i < nTabs; ++i) {
    TCITEM item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(captions[i].c_str());
    TabCtrl_InsertItem(hTab, i, &item);
    strip.Add(captions[i].c_str());
  }
  TabCtrl_SetCurSel(hTab, 3);
  strip.SetCurSel(3);

  CTKScopedWindowDC screen(NULL);
  CTKScopedCreatedDC memDC(::CreateCompatibleDC(screen.Get()));
  CTKScopedBitmap bitmap(::CreateCompatibleBitmap(screen.Get(), rc.Width(), rc.Height()));
  CTKSelectGuard select(memDC.Get(), bitmap.Get());
  const double dBase = Seconds(
      [&] {
        ::SendMessage(hTab, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memDC.Get()),
                      PRF_CLIENT | PRF_ERASEBKGND);
      },
      nRounds);
  CDC* pDC = CDC::FromHandle(memDC.Get());
  printf("painting %d tabs; baseline: the common-controls tab control, %.3f ms a paint\n", nTabs,
         dBase * 1000 / nRounds);
  for (int nAppearance : {0, 3, 6, 9}) {
    strip.GetPaintManager()->SetAppearance(nAppearance);
    const double d = Seconds([&] { strip.Paint(pDC); }, nRounds);
    printf("  appearance %-2d %8.3f ms  x%.2f\n", nAppearance, d * 1000 / nRounds, d / dBase);
  }
  ::DestroyWindow(hParent);
}

}  // namespace

int main(int argc, char** argv) {
  const int nRounds = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_TAB_CLASSES};
  ::InitCommonControlsEx(&icc);
  BenchLayout(nRounds);
  BenchPaint(nRounds);
  return 0;
}
