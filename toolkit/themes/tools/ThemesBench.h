// themes_bench: what the themes' drawing costs against plain GDI drawing of
// the same areas, measured in the same run. Each case prints its own lines.
#pragma once

#include <functional>

/// One case of the benchmark: times itself and its baseline and prints them.
typedef void (*ThemesBenchCase)(int nRounds);

/// Seconds per round of `fn`: the best of three runs of `nRounds` rounds.
double ThemesBenchTime(const std::function<void()>& fn, int nRounds);
/// "name: n us per round, x times the baseline (what)".
void ThemesBenchPrint(const char* pszName, double dSeconds, double dBaseline,
                      const char* pszBaseline);

void BenchStatusBars(int nRounds);
void BenchAntialiasedDisc(int nRounds);
void BenchGalleries(int nRounds);
