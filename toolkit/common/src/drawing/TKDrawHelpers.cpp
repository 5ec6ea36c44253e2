// The msimg32 entry points and the gradient fills built on them.
#include "common/TKDrawHelpers.h"

#include <algorithm>

#include "common/TKOSVersionHelper.h"
#include "common/TKSingletonPointer.h"

TK_IMPLEMENT_SINGLETON(CTKDrawHelpers, TKDrawHelpers)

CTKDrawHelpers::CTKDrawHelpers() {
  m_hMsImg32 = ::LoadLibraryA("msimg32.dll");
  if (m_hMsImg32 == nullptr) return;
  m_pfnAlphaBlend = reinterpret_cast<PFNALPHABLEND>(::GetProcAddress(m_hMsImg32, "AlphaBlend"));
  m_pfnTransparentBlt =
      reinterpret_cast<PFNTRANSPARENTBLT>(::GetProcAddress(m_hMsImg32, "TransparentBlt"));
  m_pfnGradientFill =
      reinterpret_cast<PFNGRADIENTFILL>(::GetProcAddress(m_hMsImg32, "GradientFill"));
}

// Other parts hold the entry points for as long as the process runs.
CTKDrawHelpers::~CTKDrawHelpers() = default;

BOOL CTKDrawHelpers::CallGradientFill(HDC hDC, PTRIVERTEX pVertices, ULONG nVertices, PVOID pMesh,
                                      ULONG nMeshes, ULONG ulMode) {
  if (m_pfnGradientFill == nullptr) return FALSE;
  return m_pfnGradientFill(hDC, pVertices, nVertices, pMesh, nMeshes, ulMode);
}

void CTKDrawHelpers::GradientFill(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo,
                                  BOOL bHorz) {
  if (pDC == nullptr || lpRect == nullptr || ::IsRectEmpty(lpRect)) return;
  if (IsSystemColorDepthLow(pDC->GetSafeHdc()) || crFrom == crTo) {
    pDC->FillSolidRect(lpRect, crFrom);
  } else if (m_pfnGradientFill == nullptr ||
             (IsDCRightToLeft(pDC) && TKOSVersionHelper()->IsWin9x())) {
    GradientFillBands(pDC, lpRect, crFrom, crTo, bHorz);
  } else {
    CallGradientFillRect(pDC, lpRect, crFrom, crTo, bHorz);
  }
}

void CTKDrawHelpers::GradientFillBands(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo,
                                       BOOL bHorz) {
  const CRect rc(lpRect);
  const int nLength = std::max(1, bHorz ? rc.Width() : rc.Height());
  CRect rcClip;
  pDC->GetClipBox(&rcClip);
  CRect rcArea = rc;
  if (!rcClip.IsRectEmpty()) rcArea.IntersectRect(&rcClip, &rc);
  if (bHorz) {
    for (int x = rcArea.left; x < rcArea.right; ++x) {
      const double dFactor = static_cast<double>(nLength - (x - rc.left)) / nLength;
      pDC->FillSolidRect(x, rcArea.top, 1, rcArea.Height(), BlendColors(crFrom, crTo, dFactor));
    }
  } else {
    for (int y = rcArea.top; y < rcArea.bottom; ++y) {
      const double dFactor = static_cast<double>(nLength - (y - rc.top)) / nLength;
      pDC->FillSolidRect(rcArea.left, y, rcArea.Width(), 1, BlendColors(crFrom, crTo, dFactor));
    }
  }
}

void CTKDrawHelpers::CallGradientFillRect(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo,
                                          BOOL bHorz) {
  TRIVERTEX vertices[2] = {};
  const COLORREF colours[2] = {crFrom, crTo};
  const POINT corners[2] = {{lpRect->left, lpRect->top}, {lpRect->right, lpRect->bottom}};
  for (int i = 0; i < 2; ++i) {
    vertices[i].x = corners[i].x;
    vertices[i].y = corners[i].y;
    vertices[i].Red = static_cast<COLOR16>(GetRValue(colours[i]) << 8);
    vertices[i].Green = static_cast<COLOR16>(GetGValue(colours[i]) << 8);
    vertices[i].Blue = static_cast<COLOR16>(GetBValue(colours[i]) << 8);
  }
  GRADIENT_RECT rect = {0, 1};
  CallGradientFill(pDC->GetSafeHdc(), vertices, 2, &rect, 1,
                   bHorz ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}

void CTKDrawHelpers::GradientFillClipped(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo,
                                         BOOL bHorz, LPCRECT lpClip) {
  if (lpClip == nullptr) {
    GradientFill(pDC, lpRect, crFrom, crTo, bHorz);
    return;
  }
  const CRect rcFull(lpRect);
  CRect rc = rcFull;
  COLORREF clrStart = crFrom, clrEnd = crTo;
  // The start and end colours are the whole gradient's at the cut edges.
  if (bHorz) {
    rc.top = std::max(rc.top, lpClip->top);
    rc.bottom = std::min(rc.bottom, lpClip->bottom);
    if (rcFull.right <= lpClip->left || rcFull.left >= lpClip->right) return;
    const double dLength = rcFull.Width();
    if (rcFull.left < lpClip->left) {
      rc.left = lpClip->left;
      clrStart = BlendColors(crFrom, crTo, (rcFull.right - lpClip->left) / dLength);
    }
    if (rcFull.right > lpClip->right) {
      rc.right = lpClip->right;
      clrEnd = BlendColors(crFrom, crTo, (rcFull.right - lpClip->right) / dLength);
    }
  } else {
    rc.left = std::max(rc.left, lpClip->left);
    rc.right = std::min(rc.right, lpClip->right);
    if (rcFull.bottom <= lpClip->top || rcFull.top >= lpClip->bottom) return;
    const double dLength = rcFull.Height();
    if (rcFull.top < lpClip->top) {
      rc.top = lpClip->top;
      clrStart = BlendColors(crFrom, crTo, (rcFull.bottom - lpClip->top) / dLength);
    }
    if (rcFull.bottom > lpClip->bottom) {
      rc.bottom = lpClip->bottom;
      clrEnd = BlendColors(crFrom, crTo, (rcFull.bottom - lpClip->bottom) / dLength);
    }
  }
  GradientFill(pDC, rc, clrStart, clrEnd, bHorz);
}

void CTKDrawHelpers::GradientFillTwoPart(CDC* pDC, LPCRECT lpRect,
                                         const CTKPaintManagerColorGradient& grc, BOOL bHorz,
                                         LPCRECT lpClip) {
  const COLORREF clrLight = grc.m_clrLight;
  const COLORREF clrDark = grc.m_clrDark;
  if (grc.m_fGradientFactor == 0.5f) {
    GradientFillClipped(pDC, lpRect, clrLight, clrDark, bHorz, lpClip);
    return;
  }
  const COLORREF clrMiddle = BlendColors(clrLight, clrDark, grc.m_fGradientFactor);
  CRect rcFirst(lpRect), rcSecond(lpRect);
  if (bHorz) {
    rcFirst.right -= rcFirst.Width() / 2;
    rcSecond.left = rcFirst.right;
  } else {
    rcFirst.bottom -= rcFirst.Height() / 2;
    rcSecond.top = rcFirst.bottom;
  }
  GradientFillClipped(pDC, rcFirst, clrLight, clrMiddle, bHorz, lpClip);
  GradientFillClipped(pDC, rcSecond, clrMiddle, clrDark, bHorz, lpClip);
}
