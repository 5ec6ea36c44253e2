// What the column view costs with 100,000 rows: adding them, sorting them by
// a column, and repainting the visible part, each against a baseline taken
// in the same run (a vector fill, std::stable_sort of the same keys, and a
// plain TextOut of the same visible cells). scripts/tool.sh uilib_bench
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "foundation/TextUtilities.h"
#include "uilib/ColumnViewControl.h"

namespace {

const int kRows = 100000;

double Seconds(const std::function<void()>& work) {
  LARGE_INTEGER freq, start, end;
  ::QueryPerformanceFrequency(&freq);
  ::QueryPerformanceCounter(&start);
  work();
  ::QueryPerformanceCounter(&end);
  return static_cast<double>(end.QuadPart - start.QuadPart) / freq.QuadPart;
}

class CBenchView : public CColumnViewControl {
 public:
  bool AddColumns() override {
    AddColumn("Name", CColumnViewControlColumnEntry::kText);
    AddColumn("Size", CColumnViewControlColumnEntry::kNumber);
    return true;
  }
};

// Names whose numbers do not follow the row order, so sorting has work to do.
std::string Name(int i) { return "step " + std::to_string((i * 7919) % kRows); }

void Report(const char* what, double seconds, const char* baseline, double baseSeconds) {
  printf("%-34s %9.1f ms   %-44s %9.1f ms   ratio %.1f\n", what, seconds * 1000, baseline,
         baseSeconds * 1000, baseSeconds > 0 ? seconds / baseSeconds : 0.0);
}

}  // namespace

int main() {
  CWnd host;
  if (!host.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, CRect(0, 0, 600, 400), NULL, 0)) {
    printf("uilib_bench: no window\n");
    return 1;
  }
  CBenchView view;
  view.CreateControl(&host);
  view.FitToParent();

  std::vector<std::string> names;
  double base = Seconds([&] {
    names.reserve(kRows);
    for (int i = 0; i < kRows; ++i) names.push_back(Name(i));
  });
  double added = Seconds([&] {
    for (int i = 0; i < kRows; ++i) {
      CColumnViewControlEntry* entry = new CColumnViewControlEntry;
      entry->SetColumnText(0, Name(i).c_str());
      entry->SetColumnText(1, std::to_string(i).c_str());
      view.AddEntry(entry);
    }
    view.RebuildDisplayListUnsorted();
  });
  Report("add 100,000 rows", added, "fill a vector with the same names", base);
  // Every add takes the view's lock once; what that alone costs here.
  base = Seconds([&] {
    for (int i = 0; i < kRows; ++i) {
      view.Lock();
      view.Unlock();
    }
  });
  Report("", added, "take and release the view's lock as often", base);

  std::vector<CTesselString> keys(names.size());
  std::vector<CTesselString*> order;
  for (size_t i = 0; i < names.size(); ++i) {
    keys[i] = names[i].c_str();
    order.push_back(&keys[i]);
  }
  base = Seconds([&] {
    std::stable_sort(order.begin(), order.end(), [](CTesselString* a, CTesselString* b) {
      return CompareNatural(a, b) < 0;
    });
  });
  double sorted = Seconds([&] { view.SortByColumnDirection(0, true); });
  Report("sort 100,000 rows by name", sorted, "std::stable_sort, natural order", base);

  CDC memory;
  memory.CreateCompatibleDC(NULL);
  CBitmap bitmap;
  bitmap.CreateBitmap(600, 400, 1, 32, NULL);
  CBitmap* old = memory.SelectObject(&bitmap);
  view.SendMessage(WM_PRINT, reinterpret_cast<WPARAM>(memory.m_hDC), PRF_CLIENT);
  const int kPaints = 100;
  int first = view.m_nFirstVisible, last = view.m_nLastVisible;
  base = Seconds([&] {
    HFONT font = reinterpret_cast<HFONT>(view.SendMessage(WM_GETFONT));
    HGDIOBJ oldFont = ::SelectObject(memory.m_hDC, font);
    for (int round = 0; round < kPaints; ++round) {
      memory.FillSolidRect(0, 0, 600, 400, RGB(255, 255, 255));
      for (int row = first; row <= last; ++row) {
        CColumnViewControlEntry* entry = view.GetEntryAt(row);
        for (int column = 0; column < 2; ++column) {
          CTesselString text = entry->GetColumnText(column);
          ::TextOutA(memory.m_hDC, 5 + column * 200, 25 + (row - first) * 18, text.GetText(),
                     text.GetLength());
        }
      }
    }
    ::SelectObject(memory.m_hDC, oldFont);
  });
  double painted = Seconds([&] {
    for (int round = 0; round < kPaints; ++round)
      view.SendMessage(WM_PRINT, reinterpret_cast<WPARAM>(memory.m_hDC), PRF_CLIENT);
  });
  Report("repaint 100 times", painted, "TextOut of the same visible cells", base);
  memory.SelectObject(old);
  host.DestroyWindow();
  return 0;
}
