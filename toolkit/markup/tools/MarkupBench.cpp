// markup_bench: what a tooltip caption costs: parse, measure and draw a
// caption of a title, two runs and a line break, many times, with each
// drawing back end; printed per caption, with the share of the parse, and as
// a ratio to drawing the same words plainly with DrawText (the floor). Cold
// is parse, measure and draw; warm the measure and draw of a tree parsed
// once, as a tooltip shown again does. Then long wrapped texts at two sizes
// sixteen times apart: the time should grow sixteenfold, not more.
// GDI+ has a floor of its own: the same words measured and drawn once by
// GDI+ directly, which no caption drawn through GDI+ can go below.
// Usage: markup_bench [captions per back end, default 2000]
#include <windows.h>
#include <gdiplus.h>
#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <string>

#include "markup/TKMarkupContext.h"
#include "markup/TKMarkupFlat.h"
#include "common/TKBitmapFunctions.h"

namespace {

const char kCaption[] =
    "<TextBlock xmlns='http://schemas.microsoft.com/winfx/2006/xaml/presentation'"
    " TextWrapping='Wrap' Padding='2'>"
    "<Bold>Run All Steps (F5)</Bold><LineBreak/>"
    "<Run>Runs every step of the build from the first, </Run>"
    "<Run Foreground='#606060'>stopping at the first one that fails.</Run>"
    "</TextBlock>";
const wchar_t kPlain[] =
    L"Run All Steps (F5)\nRuns every step of the build from the first, stopping at the first "
    L"one that fails.";
const int kWidth = 300;
const int kHeight = 120;

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return (double)counter.QuadPart / (double)frequency.QuadPart;
}

// A 32-bit surface of a tooltip's size.
struct Surface {
  Surface() {
    hDC = CreateCompatibleDC(nullptr);
    hBitmap = Create32BitDIBSection(hDC, kWidth, -kHeight, nullptr);
    hOld = SelectObject(hDC, hBitmap);
  }
  ~Surface() {
    SelectObject(hDC, hOld);
    DeleteObject(hBitmap);
    DeleteDC(hDC);
  }
  HDC hDC;
  HBITMAP hBitmap;
  HGDIOBJ hOld;
};

struct Timing {
  double dTotal;  // seconds for all captions
  double dParse;
  double dMeasure;
};

// Best of three runs: other work on the machine makes single runs vary.
// Cold captions are parsed each time; warm ones reuse one parsed tree.
Timing MeasureCaptions(bool bGdiPlus, bool bWarm, int nCount, HFONT hFont, bool* pbOk) {
  Timing best = {1e30, 0, 0};
  Surface surface;
  for (int nRun = 0; nRun < 3; ++nRun) {
    CTKMarkupContext* pContext = CreateMarkupContext(nullptr, TRUE);
    pContext->SetGdiPlusEnabled(bGdiPlus ? TRUE : FALSE);
    SetMarkupContextFont(pContext, hFont, RGB(0, 0, 0));
    CTKMarkupUIElement* pWarm = bWarm ? ParseMarkupText(pContext, kCaption) : nullptr;
    double dParse = 0;
    double dMeasure = 0;
    const double dStart = Now();
    for (int i = 0; i < nCount; ++i) {
      const double dBefore = Now();
      CTKMarkupUIElement* pElement = bWarm ? pWarm : ParseMarkupText(pContext, kCaption);
      dParse += Now() - dBefore;
      if (pElement == nullptr) {
        *pbOk = false;
        break;
      }
      const double dParsed = Now();
      SIZE size = MeasureMarkupElement(pElement, kWidth, kHeight);
      dMeasure += Now() - dParsed;
      RECT rc = {0, 0, size.cx, size.cy};
      FillRect(surface.hDC, &rc, (HBRUSH)GetStockObject(WHITE_BRUSH));
      RenderMarkupElement(pElement, surface.hDC, &rc);
      if (!bWarm) ReleaseMarkupElement(pElement);
    }
    const double dTotal = Now() - dStart;
    ReleaseMarkupElement(pWarm);
    ReleaseMarkupContext(pContext);
    if (dTotal < best.dTotal) best = {dTotal, dParse, dMeasure};
  }
  return best;
}

// Seconds to parse and measure a wrapped text block of `text` in `nWidth`.
double MeasureWrapped(const std::string& text, int nWidth, HFONT hFont, bool* pbOk) {
  const std::string markup =
      "<TextBlock xmlns='http://schemas.microsoft.com/winfx/2006/xaml/presentation'"
      " TextWrapping='Wrap'>" +
      text + "</TextBlock>";
  CTKMarkupContext* pContext = CreateMarkupContext(nullptr, TRUE);
  pContext->SetGdiPlusEnabled(FALSE);
  SetMarkupContextFont(pContext, hFont, RGB(0, 0, 0));
  const double dStart = Now();
  CTKMarkupUIElement* pElement = ParseMarkupText(pContext, markup.c_str());
  if (pElement == nullptr) *pbOk = false;
  MeasureMarkupElement(pElement, nWidth, 0x7FFFFFFF);
  const double dTook = Now() - dStart;
  ReleaseMarkupElement(pElement);
  ReleaseMarkupContext(pContext);
  return dTook;
}

std::string Words(int nCount) {
  std::string words;
  for (int i = 0; i < nCount; ++i) words += i % 7 == 0 ? "wrapping " : "text ";
  return words;
}

void PrintWrapping(HFONT hFont, bool* pbOk) {
  struct Case {
    const char* lpszWhat;
    std::string small, large;  // the large one is sixteen times the small one
    int nWidth;
  };
  const Case cases[] = {
      {"words on wide lines (1,000 / 16,000)", Words(1000), Words(16000), 4000},
      {"one long word (2,000 / 32,000 characters)", std::string(2000, 'w'), std::string(32000, 'w'),
       300},
  };
  for (const Case& c : cases) {
    double dSmall = 1e30, dLarge = 1e30;
    for (int nRun = 0; nRun < 3; ++nRun) {
      dSmall = std::min(dSmall, MeasureWrapped(c.small, c.nWidth, hFont, pbOk));
      dLarge = std::min(dLarge, MeasureWrapped(c.large, c.nWidth, hFont, pbOk));
    }
    printf("  wrapped %-42s %8.1f ms %9.1f ms, %5.1fx (16x is linear)\n", c.lpszWhat, dSmall * 1e3,
           dLarge * 1e3, dLarge / dSmall);
  }
}

double MeasurePlain(int nCount, HFONT hFont) {
  double best = 1e30;
  Surface surface;
  HGDIOBJ hOldFont = SelectObject(surface.hDC, hFont);
  for (int nRun = 0; nRun < 3; ++nRun) {
    const double dStart = Now();
    for (int i = 0; i < nCount; ++i) {
      RECT rc = {0, 0, kWidth, kHeight};
      DrawTextW(surface.hDC, kPlain, -1, &rc, DT_WORDBREAK | DT_CALCRECT);
      FillRect(surface.hDC, &rc, (HBRUSH)GetStockObject(WHITE_BRUSH));
      DrawTextW(surface.hDC, kPlain, -1, &rc, DT_WORDBREAK);
    }
    best = std::min(best, Now() - dStart);
  }
  SelectObject(surface.hDC, hOldFont);
  return best;
}

// The same words measured and drawn plainly by GDI+ on a graphics made from
// the surface for every caption, as a caption's drawing context does.
double MeasurePlainGdiPlus(int nCount, HFONT hFont) {
  using namespace Gdiplus;
  Surface surface;
  LOGFONTA logFont = {};
  GetObjectA(hFont, sizeof(logFont), &logFont);
  GpFont* pFont = nullptr;
  GpSolidFill* pBrush = nullptr;
  GpStringFormat* pFormat = nullptr;
  DllExports::GdipCreateFontFromLogfontA(surface.hDC, &logFont, &pFont);
  DllExports::GdipCreateSolidFill(0xFF000000, &pBrush);
  DllExports::GdipCreateStringFormat(0, LANG_NEUTRAL, &pFormat);
  double best = 1e30;
  for (int nRun = 0; nRun < 3; ++nRun) {
    const double dStart = Now();
    for (int i = 0; i < nCount; ++i) {
      GpGraphics* pGraphics = nullptr;
      DllExports::GdipCreateFromHDC(surface.hDC, &pGraphics);
      RectF layout(0, 0, (REAL)kWidth, (REAL)kHeight), bounds;
      DllExports::GdipMeasureString(pGraphics, kPlain, -1, pFont, &layout, pFormat, &bounds,
                                    nullptr, nullptr);
      RECT rc = {0, 0, (LONG)bounds.Width + 1, (LONG)bounds.Height + 1};
      FillRect(surface.hDC, &rc, (HBRUSH)GetStockObject(WHITE_BRUSH));
      DllExports::GdipDrawString(pGraphics, kPlain, -1, pFont, &bounds, pFormat, pBrush);
      DllExports::GdipDeleteGraphics(pGraphics);
    }
    best = std::min(best, Now() - dStart);
  }
  DllExports::GdipDeleteStringFormat(pFormat);
  DllExports::GdipDeleteBrush(pBrush);
  DllExports::GdipDeleteFont(pFont);
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  const int nCount = argc > 1 ? std::max(1, atoi(argv[1])) : 2000;
  LOGFONTA font = {};
  font.lfHeight = -12;
  lstrcpyA(font.lfFaceName, "Tahoma");
  HFONT hFont = CreateFontIndirectA(&font);
  bool bOk = true;
  const double dPlain = MeasurePlain(nCount, hFont);
  printf("markup_bench: %d captions per back end (title, two runs, a line break), best of 3\n",
         nCount);
  printf("  plain DrawText of the same words   %8.1f us per caption (the floor)\n",
         dPlain * 1e6 / nCount);
  ULONG_PTR gdiplusToken = 0;
  Gdiplus::GdiplusStartupInput startup;
  Gdiplus::GdiplusStartup(&gdiplusToken, &startup, nullptr);
  const double dPlainGdiPlus = MeasurePlainGdiPlus(nCount, hFont);
  printf("  plain GDI+ of the same words       %8.1f us per caption, %5.1fx the floor\n",
         dPlainGdiPlus * 1e6 / nCount, dPlainGdiPlus / dPlain);
  for (bool bGdiPlus : {false, true}) {
    Timing cold = MeasureCaptions(bGdiPlus, false, nCount, hFont, &bOk);
    printf(
        "  %-6s cold: parse+measure+draw  %8.1f us per caption, %5.1fx the floor, "
        "parsing %4.1f%%, measuring %4.1f%%\n",
        bGdiPlus ? "GDI+" : "GDI", cold.dTotal * 1e6 / nCount, cold.dTotal / dPlain,
        100.0 * cold.dParse / cold.dTotal, 100.0 * cold.dMeasure / cold.dTotal);
    Timing warm = MeasureCaptions(bGdiPlus, true, nCount, hFont, &bOk);
    printf("  %-6s warm: measure+draw        %8.1f us per caption, %5.1fx the floor\n",
           bGdiPlus ? "GDI+" : "GDI", warm.dTotal * 1e6 / nCount, warm.dTotal / dPlain);
  }
  PrintWrapping(hFont, &bOk);
  Gdiplus::GdiplusShutdown(gdiplusToken);
  DeleteObject(hFont);
  if (!bOk) {
    fprintf(stderr, "markup_bench: the caption did not parse\n");
    return 1;
  }
  return 0;
}
