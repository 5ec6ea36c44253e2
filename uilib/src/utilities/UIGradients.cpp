// Two-colour gradients and the colour tables of the column view's row bands.
#include <algorithm>
#include <vector>

#include "common/TKScopedHandle.h"
#include "uilib/UIUtilities.h"

namespace {

struct BandColor {
  BYTE r, g, b;
  bool skippable;
};

const int kBandSize = 21;

// Selected rows, hot rows and rows of an inactive view.
const BandColor kSelectedBand[kBandSize] = {
    {132, 172, 221, false}, {241, 247, 254, false}, {235, 244, 254, false},
    {234, 243, 254, false}, {232, 242, 254, true},  {231, 241, 254, false},
    {229, 241, 254, true},  {227, 239, 254, false}, {226, 238, 254, false},
    {223, 237, 254, true},  {221, 236, 254, false}, {219, 235, 254, false},
    {217, 233, 254, true},  {214, 232, 254, false}, {212, 231, 254, true},
    {211, 230, 254, false}, {209, 229, 254, false}, {208, 229, 254, true},
    {207, 228, 254, false}, {222, 237, 254, false}, {132, 172, 221, false}};
const BandColor kHotBand[kBandSize] = {
    {184, 214, 251, false}, {252, 253, 254, false}, {250, 251, 253, false},
    {249, 251, 253, false}, {249, 251, 253, true},  {248, 250, 253, false},
    {247, 250, 253, false}, {246, 249, 253, true},  {245, 249, 253, false},
    {243, 248, 253, false}, {243, 247, 253, true},  {241, 247, 253, false},
    {240, 246, 253, true},  {239, 245, 253, false}, {238, 245, 253, false},
    {237, 244, 253, true},  {236, 244, 253, false}, {235, 243, 253, false},
    {235, 243, 253, true},  {242, 247, 253, false}, {184, 214, 251, false}};
const BandColor kInactiveBand[kBandSize] = {
    {165, 165, 165, false}, {246, 246, 246, false}, {242, 242, 242, false},
    {241, 241, 241, false}, {240, 240, 240, false}, {239, 239, 239, true},
    {238, 238, 238, false}, {237, 237, 237, true},  {236, 236, 236, false},
    {234, 234, 234, false}, {233, 233, 233, true},  {232, 232, 232, false},
    {230, 230, 230, false}, {229, 229, 229, false}, {227, 227, 227, true},
    {227, 227, 227, false}, {225, 225, 225, false}, {225, 225, 225, true},
    {224, 224, 224, true},  {234, 234, 234, false}, {165, 165, 165, false}};

bool AddBand(CTesselList* pList, const BandColor (&band)[kBandSize]) {
  for (const BandColor& c : band) AddGradientColor(pList, RGB(c.r, c.g, c.b), c.skippable);
  return pList->GetCount() > 0;
}

int GradientChannel(int nStart, int nLimit, int nPosition, int nOrigin, double dStep) {
  const int nValue = nStart + static_cast<int>((nPosition - nOrigin) * dStep);
  if ((dStep > 0 && nValue > nLimit) || (dStep < 0 && nValue < nLimit)) return nLimit;
  return nValue;
}

void DrawLine(HDC hDC, int x1, int y1, int x2, int y2) {
  ::MoveToEx(hDC, x1, y1, NULL);
  ::LineTo(hDC, x2, y2);
}

}  // namespace

void ComputeGradientSteps(int nSteps, COLORREF crA, COLORREF crB, double* pdRed,
                          double* pdGreen, double* pdBlue) {
  *pdRed = (GetRValue(crA) - GetRValue(crB)) / static_cast<double>(nSteps);
  *pdGreen = (GetGValue(crA) - GetGValue(crB)) / static_cast<double>(nSteps);
  *pdBlue = (GetBValue(crA) - GetBValue(crB)) / static_cast<double>(nSteps);
}

COLORREF GetGradientColor(int nPosition, COLORREF crLimit, COLORREF crStart, int nOrigin,
                          double dRed, double dGreen, double dBlue) {
  return RGB(
      GradientChannel(GetRValue(crStart), GetRValue(crLimit), nPosition, nOrigin, dRed),
      GradientChannel(GetGValue(crStart), GetGValue(crLimit), nPosition, nOrigin, dGreen),
      GradientChannel(GetBValue(crStart), GetBValue(crLimit), nPosition, nOrigin, dBlue));
}

bool AddGradientColor(CTesselList* pList, COLORREF color, bool bSkippable) {
  GradientColorRecord* pRecord = new GradientColorRecord{color, static_cast<BYTE>(bSkippable)};
  if (pList != nullptr && pList->AddTail(pRecord)) return true;
  delete pRecord;
  return false;
}

bool ClearGradientColors(CTesselList* pList) {
  if (pList->GetCount() == 0) return false;
  for (void* p = pList->IterateFirst(); p != nullptr; p = pList->IterateNext())
    delete static_cast<GradientColorRecord*>(p);
  pList->IterateEnd();
  pList->RemoveAll();
  return true;
}

bool BuildStandardRowGradients(CTesselList* pFirst, CTesselList* pSecond, CTesselList* pThird) {
  const bool bFirst = AddBand(pFirst, kSelectedBand);
  const bool bSecond = AddBand(pSecond, kHotBand);
  const bool bThird = AddBand(pThird, kInactiveBand);
  return bFirst && bSecond && bThird;
}

bool ExpandGradient(COLORREF* pColors, CTesselList* pList, int nRows) {
  if (pColors == nullptr || pList == nullptr || pList->GetCount() == 0 || nRows < 1) return false;
  const int nSize = pList->GetCount();
  const int nDrop = nRows < nSize ? nSize - nRows : 0;
  const int nExtra = nRows < nSize ? 0 : nRows - nSize;
  int nDropped = 0, nOut = 0, nIndex = 0;
  for (void* p = pList->IterateFirst(); p != nullptr; p = pList->IterateNext(), ++nIndex) {
    const GradientColorRecord* pRecord = static_cast<GradientColorRecord*>(p);
    if (pRecord->skippable && nDropped < nDrop) {
      ++nDropped;
      continue;
    }
    if (nIndex == nSize / 2)
      for (int i = 0; i < nExtra; ++i) pColors[nOut++] = pRecord->color;
    pColors[nOut++] = pRecord->color;
  }
  pList->IterateEnd();
  return true;
}

bool DrawGradientBand(HDC hDC, int left, int top, int right, int bottom, CTesselList* pList) {
  const int w = right - left, h = bottom - top;
  if (hDC == NULL || pList == nullptr || pList->GetCount() == 0 || h > kMaxGradientRows)
    return false;
  if (w < 1 || h < 1) return false;
  // A table longer than the band writes all of its kept records.
  std::vector<COLORREF> colors(std::max(kMaxGradientRows, pList->GetCount()), 0);
  if (!ExpandGradient(colors.data(), pList, h)) return false;

  CTKScopedCreatedDC memoryDC(::CreateCompatibleDC(hDC));
  CTKScopedBitmap bitmap(::CreateCompatibleBitmap(hDC, w, h));
  if (!memoryDC || !bitmap) return false;
  const HDC hMem = memoryDC.Get();
  CTKSelectGuard selectBitmap(hMem, bitmap.Get());
  for (int i = 0; i < h; ++i) {
    CTKScopedPen pen(::CreatePen(PS_SOLID, 1, colors[i]));
    CTKSelectGuard selectPen(hMem, pen.Get());
    DrawLine(hMem, 0, i, w, i);
  }
  // The sides in the border colour, with the corners rounded off.
  {
    CTKScopedPen pen(::CreatePen(PS_SOLID, 1, colors[0]));
    CTKSelectGuard selectPen(hMem, pen.Get());
    DrawLine(hMem, 0, 0, 0, h - 1);
    DrawLine(hMem, w - 1, 0, w - 1, h - 1);
    for (POINT pt : {POINT{1, 1}, POINT{w - 2, 1}, POINT{1, h - 2}, POINT{w - 2, h - 2}})
      ::SetPixel(hMem, pt.x, pt.y, colors[0]);
  }
  for (POINT pt : {POINT{0, 0}, POINT{0, h - 1}, POINT{w - 1, 0}, POINT{w - 1, h - 1}})
    ::SetPixel(hMem, pt.x, pt.y, RGB(255, 255, 255));
  ::BitBlt(hDC, left, top, w, h, hMem, 0, 0, SRCCOPY);
  return true;
}
