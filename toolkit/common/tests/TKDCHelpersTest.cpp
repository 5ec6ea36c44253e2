// The DC scope classes: what the buffers cover and copy back (in pixels of a
// memory DC), and what each guard puts back and deletes.
#include "common/TKDCHelpers.h"

#include <gtest/gtest.h>

#include "testsupport/DibSurface.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);

CSize BitmapSize(HBITMAP hBitmap) {
  BITMAP bm = {};
  ::GetObjectA(hBitmap, sizeof bm, &bm);
  return CSize(bm.bmWidth, bm.bmHeight);
}

void Fill(HDC hDC, const RECT& rc, COLORREF color) {
  HBRUSH brush = ::CreateSolidBrush(color);
  ::FillRect(hDC, &rc, brush);
  ::DeleteObject(brush);
}

TEST(TKBufferDC, CoversFromTheOriginAndCopiesBackOnlyItsRectangle) {
  CDibSurface target(80, 60);
  HBITMAP hBitmap;
  HDC hMemory;
  {
    CTKBufferDC buffer(target.GetSafeHdc(), CRect(10, 10, 50, 30));
    hBitmap = buffer.GetBufferBitmap();
    hMemory = buffer.m_hDC;
    EXPECT_EQ(CSize(50, 30), BitmapSize(hBitmap));
    Fill(buffer, CRect(0, 0, 50, 30), kRed);  // also outside the rectangle
    EXPECT_EQ(0, target.CountPixels(kRed));   // nothing before the end
  }
  EXPECT_EQ(40 * 20, target.CountPixels(CRect(10, 10, 50, 30), kRed));
  EXPECT_EQ(40 * 20, target.CountPixels(kRed));
  EXPECT_EQ(0u, ::GetObjectType(hBitmap));
  EXPECT_EQ(0u, ::GetObjectType(hMemory));
}

TEST(TKBufferDC, ADiscardedBufferCopiesNothingButFreesEverything) {
  CDibSurface target(60, 40);
  HBITMAP hBitmap;
  HDC hMemory;
  {
    CTKBufferDC buffer(target.GetSafeHdc(), CRect(0, 0, 60, 40));
    hBitmap = buffer.GetBufferBitmap();
    hMemory = buffer.m_hDC;
    Fill(buffer, CRect(0, 0, 60, 40), kRed);
    buffer.Discard();
  }
  EXPECT_EQ(0, target.CountPixels(kRed));
  EXPECT_EQ(0u, ::GetObjectType(hBitmap));
  EXPECT_EQ(0u, ::GetObjectType(hMemory));
}

// What the buffer made over a paint DC looked like, learnt inside WM_PAINT.
struct PaintProbe {
  bool bOverride = false;
  CRect rcPaint;
  CSize bitmap;
  CRect clip;
  int clipKind = 0;
};
PaintProbe g_probe;

LRESULT CALLBACK PaintingProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) {
  if (nMessage != WM_PAINT) return ::DefWindowProcA(hWnd, nMessage, wParam, lParam);
  CPaintDC paintDC(CWnd::FromHandle(hWnd));
  if (g_probe.bOverride) paintDC.m_ps.rcPaint = g_probe.rcPaint;
  CTKBufferDC buffer(paintDC);
  g_probe.bitmap = BitmapSize(buffer.GetBufferBitmap());
  g_probe.clipKind = ::GetClipBox(buffer, &g_probe.clip);
  return 0;
}

class PaintWindow {
 public:
  PaintWindow() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &PaintingProc;
    wc.hInstance = ::GetModuleHandleA(NULL);
    wc.lpszClassName = "TKBufferPaintWindow";
    ::RegisterClassA(&wc);
    m_hWnd = ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 100, 100, NULL, NULL,
                               wc.hInstance, NULL);
  }
  ~PaintWindow() { ::DestroyWindow(m_hWnd); }
  HWND m_hWnd;
};

TEST(TKBufferDC, OverAnEmptyPaintRectangleAtTheOriginTheBitmapIsOnePixel) {
  PaintWindow window;
  g_probe = PaintProbe();
  ::SendMessageA(window.m_hWnd, WM_PAINT, 0, 0);  // hidden: nothing to paint
  EXPECT_EQ(CSize(1, 1), g_probe.bitmap);
  EXPECT_EQ(NULLREGION, g_probe.clipKind);
}

TEST(TKBufferDC, OverAPaintDcTheBufferIsClippedToThePaintRectangle) {
  PaintWindow window;
  g_probe = PaintProbe();
  g_probe.bOverride = true;
  g_probe.rcPaint = CRect(5, 5, 20, 15);
  ::SendMessageA(window.m_hWnd, WM_PAINT, 0, 0);
  EXPECT_EQ(CSize(20, 15), g_probe.bitmap);
  EXPECT_EQ(SIMPLEREGION, g_probe.clipKind);
  EXPECT_EQ(CRect(5, 5, 20, 15), g_probe.clip);
}

TEST(TKBufferDCEx, HoldsOnlyItsRectangleAndTakesTargetCoordinates) {
  CDibSurface target(200, 100);
  {
    CTKBufferDCEx buffer(target.GetSafeHdc(), CRect(100, 50, 140, 70));
    EXPECT_EQ(CSize(40, 20), BitmapSize(buffer.GetBufferBitmap()));
    Fill(buffer, CRect(100, 50, 140, 70), kWhite);
    ::SetPixel(buffer, 100, 50, kBlue);
    ::SetPixel(buffer, 139, 69, kRed);
  }
  EXPECT_EQ(kBlue, target.GetPixel(100, 50));
  EXPECT_EQ(kRed, target.GetPixel(139, 69));
  EXPECT_EQ(1, target.CountPixels(kBlue));
  EXPECT_EQ(1, target.CountPixels(kRed));
}

TEST(TKCompatibleDC, SelectsTheCallersBitmapAndLeavesItTheCallers) {
  CDibSurface screenLike(1, 1);
  HBITMAP hBitmap = ::CreateCompatibleBitmap(screenLike.GetSafeHdc(), 8, 8);
  HDC hMemory;
  {
    CTKCompatibleDC dc(nullptr, hBitmap);
    hMemory = dc.m_hDC;
    EXPECT_EQ(hBitmap, ::GetCurrentObject(dc, OBJ_BITMAP));
    Fill(dc, CRect(0, 0, 8, 8), kRed);
  }
  EXPECT_EQ(0u, ::GetObjectType(hMemory));
  EXPECT_EQ(static_cast<DWORD>(OBJ_BITMAP), ::GetObjectType(hBitmap));
  CTKCompatibleDC check(screenLike.GetDC(), hBitmap);
  EXPECT_EQ(kRed, ::GetPixel(check, 3, 3));
  CTKCompatibleDC none(nullptr, static_cast<CBitmap*>(nullptr));
  EXPECT_NE(nullptr, none.m_hDC);
}

TEST(TKBitmapDC, PutsBackTheBitmapFromBeforeItsFirstSelection) {
  CDibSurface surface(1, 1);
  HBITMAP first = ::CreateCompatibleBitmap(surface.GetSafeHdc(), 2, 2);
  HBITMAP second = ::CreateCompatibleBitmap(surface.GetSafeHdc(), 2, 2);
  HDC hMemory = ::CreateCompatibleDC(NULL);
  HGDIOBJ original = ::GetCurrentObject(hMemory, OBJ_BITMAP);
  CTKBitmapDC dc;
  dc.Attach(hMemory);
  dc.ReleaseBitmap();  // nothing remembered: nothing happens
  EXPECT_EQ(original, ::GetCurrentObject(hMemory, OBJ_BITMAP));
  dc.SelectBitmap(first);
  dc.SelectBitmap(second);
  EXPECT_EQ(second, ::GetCurrentObject(hMemory, OBJ_BITMAP));
  dc.ReleaseBitmap();
  EXPECT_EQ(original, ::GetCurrentObject(hMemory, OBJ_BITMAP));
  dc.Detach();
  ::DeleteDC(hMemory);
  ::DeleteObject(first);
  ::DeleteObject(second);
}

TEST(TKFontDC, PutsBackTheFontAndColourFromBeforeTheFirstChange) {
  CDibSurface surface(4, 4);
  CDC* pDC = surface.GetDC();
  HGDIOBJ original = ::GetCurrentObject(*pDC, OBJ_FONT);
  COLORREF originalColor = ::GetTextColor(*pDC);
  CFont first, second;
  first.CreateFontA(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
  second.CreateFontA(20, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
  {
    CTKFontDC guard(pDC, &first, kRed);
    EXPECT_EQ(first.m_hObject, ::GetCurrentObject(*pDC, OBJ_FONT));
    EXPECT_EQ(kRed, ::GetTextColor(*pDC));
    guard.SetFont(&second);
    guard.SetColor(kBlue);
    EXPECT_EQ(second.m_hObject, ::GetCurrentObject(*pDC, OBJ_FONT));
  }
  EXPECT_EQ(original, ::GetCurrentObject(*pDC, OBJ_FONT));
  EXPECT_EQ(originalColor, ::GetTextColor(*pDC));
  {
    CTKFontDC none(pDC, static_cast<CFont*>(nullptr));
    EXPECT_EQ(original, ::GetCurrentObject(*pDC, OBJ_FONT));
    none.SetFont(&first);
    none.ReleaseFont();
    EXPECT_EQ(original, ::GetCurrentObject(*pDC, OBJ_FONT));
  }
}

COLORREF PenColor(HDC hDC) {
  LOGPEN pen = {};
  ::GetObjectA(::GetCurrentObject(hDC, OBJ_PEN), sizeof pen, &pen);
  return pen.lopnColor;
}

TEST(TKPenDC, ChangingTheColourKeepsOnePenAndTheEndPutsTheOldOneBack) {
  CDibSurface surface(4, 4);
  HDC hDC = surface.GetSafeHdc();
  HGDIOBJ original = ::GetCurrentObject(hDC, OBJ_PEN);
  HGDIOBJ firstPen, secondPen, lastPen;
  {
    CTKPenDC pen(hDC, kRed);
    firstPen = ::GetCurrentObject(hDC, OBJ_PEN);
    EXPECT_EQ(kRed, PenColor(hDC));
    pen.SetColor(kBlue);
    secondPen = ::GetCurrentObject(hDC, OBJ_PEN);
    pen.SetColor(kWhite);
    lastPen = ::GetCurrentObject(hDC, OBJ_PEN);
    EXPECT_EQ(kWhite, PenColor(hDC));
    EXPECT_EQ(0u, ::GetObjectType(firstPen));
    EXPECT_EQ(0u, ::GetObjectType(secondPen));
  }
  EXPECT_EQ(original, ::GetCurrentObject(hDC, OBJ_PEN));
  EXPECT_EQ(0u, ::GetObjectType(lastPen));
}

TEST(TKBrushDC, SelectsASolidBrushForItsScope) {
  CDibSurface surface(10, 10);
  HDC hDC = surface.GetSafeHdc();
  HGDIOBJ original = ::GetCurrentObject(hDC, OBJ_BRUSH);
  HGDIOBJ made;
  {
    CTKBrushDC brush(hDC, kBlue);
    made = ::GetCurrentObject(hDC, OBJ_BRUSH);
    ::PatBlt(hDC, 0, 0, 10, 10, PATCOPY);
  }
  EXPECT_EQ(100, surface.CountPixels(kBlue));
  EXPECT_EQ(original, ::GetCurrentObject(hDC, OBJ_BRUSH));
  EXPECT_EQ(0u, ::GetObjectType(made));
}

TEST(TKDCSaveState, RestoresTheWholeStateAndIgnoresANullDc) {
  CDibSurface surface(4, 4);
  CDC* pDC = surface.GetDC();
  ::SetTextColor(*pDC, kRed);
  ::SetBkMode(*pDC, OPAQUE);
  {
    CTKDCSaveState state(pDC);
    ::SetTextColor(*pDC, kBlue);
    ::SetBkMode(*pDC, TRANSPARENT);
  }
  EXPECT_EQ(kRed, ::GetTextColor(*pDC));
  EXPECT_EQ(OPAQUE, ::GetBkMode(*pDC));
  CTKDCSaveState nothing(nullptr);
}

}  // namespace
