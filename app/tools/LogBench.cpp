// What the run log costs with a million lines: adding them from a worker
// thread (time and bytes per line, and how many repaints they ask for) and
// repainting a full page at the end, each against a baseline taken in the
// same run (the same lines in a std::vector<std::string>, and a plain TextOut
// of the same rows). scripts/tool.sh app_bench
#include <afxwin.h>
#include <psapi.h>

#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/AppRunResources.h"
#include "app/LogDisplayControl.h"
#include "common/TKDCHelpers.h"

namespace {

const int kLines = 1000000;

double Seconds(const std::function<void()>& work) {
  LARGE_INTEGER freq, start, end;
  ::QueryPerformanceFrequency(&freq);
  ::QueryPerformanceCounter(&start);
  work();
  ::QueryPerformanceCounter(&end);
  return static_cast<double>(end.QuadPart - start.QuadPart) / freq.QuadPart;
}

size_t PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters = {};
  counters.cb = sizeof(counters);
  ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof(counters));
  // The commit charge: Wine leaves the private-usage count at 0.
  return counters.PagefileUsage;
}

std::string Line(int i) { return "    output line " + std::to_string(i) + " of the child process"; }

void Report(const char* what, double value, const char* unit, const char* baseline, double baseValue) {
  printf("%-40s %10.1f %-6s %-40s %10.1f %-6s ratio %.2f\n", what, value, unit, baseline, baseValue, unit,
         baseValue > 0 ? value / baseValue : 0.0);
}

int CountPendingUpdates(HWND window) {
  int count = 0;
  MSG msg;
  while (::PeekMessageA(&msg, window, WM_APP_LOGUPDATE, WM_APP_LOGUPDATE, PM_REMOVE)) ++count;
  return count;
}

}  // namespace

int main() {
  CWnd host;
  if (!host.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, CRect(0, 0, 800, 600), NULL, 0)) {
    printf("app_bench: no window\n");
    return 1;
  }
  CLogDisplayControl log;
  log.CreateDisplay(&host, 399);
  log.MoveWindow(0, 0, 800, 600);

  // The baseline: the same lines in a vector, on the same kind of thread.
  size_t before = PrivateBytes();
  std::vector<std::string> plain;
  const double plainSeconds = Seconds([&] {
    std::thread worker([&] {
      for (int i = 0; i < kLines; ++i) plain.push_back(Line(i));
    });
    worker.join();
  });
  const double plainBytes = static_cast<double>(PrivateBytes() - before) / kLines;

  before = PrivateBytes();
  const double logSeconds = Seconds([&] {
    std::thread worker([&] {
      for (int i = 0; i < kLines; ++i) log.AddEntry(LogOutput, CTesselString(Line(i).c_str()));
    });
    worker.join();
  });
  const double logBytes = static_cast<double>(PrivateBytes() - before) / kLines;
  const int updates = CountPendingUpdates(log.m_hWnd);
  log.OnLogUpdate(0, 0);

  CRect client;
  log.GetClientRect(&client);
  const int rows = client.Height() / CLogDisplayControl::kRowHeight;
  CClientDC windowDC(&log);
  CTKBufferDC paintDC(windowDC.m_hDC, client);
  const int kRepaints = 50;
  const double paintSeconds = Seconds([&] {
    for (int i = 0; i < kRepaints; ++i)
      log.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(paintDC.m_hDC), PRF_CLIENT);
  }) / kRepaints;
  const double textSeconds = Seconds([&] {
    for (int i = 0; i < kRepaints; ++i) {
      paintDC.FillSolidRect(&client, RGB(255, 255, 255));
      for (int row = 0; row < rows; ++row) {
        const std::string& text = plain[kLines - rows + row];
        ::TextOutA(paintDC.m_hDC, 103, 2 + row * 16, text.c_str(), static_cast<int>(text.size()));
      }
    }
  }) / kRepaints;

  printf("app_bench: %d log lines from a worker thread, %d rows a page\n", kLines, rows);
  Report("add a line (us)", logSeconds * 1e6 / kLines, "us", "push_back a std::string", plainSeconds * 1e6 / kLines);
  Report("bytes per line", logBytes, "B", "bytes per std::string line", plainBytes);
  Report("repaint a full page (ms)", paintSeconds * 1000, "ms", "TextOut of the same rows", textSeconds * 1000);
  printf("repaints asked for: %d for %d lines; first visible line %d of %d\n", updates, kLines,
         log.GetFirstVisible(), log.GetEntryCount());
  return log.GetFirstVisible() == kLines - rows + 1 ? 0 : 1;
}
