// CTKCommandBarAnimation: the kept picture, redraws into it and the fades.
#include "commandbars/TKCommandBarAnimation.h"

#include <string.h>

#include <algorithm>

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKPaintManager.h"
#include "common/TKBitmapFunctions.h"
#include "common/TKDCHelpers.h"

namespace {
CRect ClientRect(CTKCommandBar* pBar) {
  CRect rc;
  pBar->GetClientRect(&rc);
  return rc;
}

// Copies the rectangle of `pSrcDC` into a new DIB of its size.
CTKScopedBitmap CopyToDib(CDC* pSrcDC, const CRect& rc, LPBYTE* ppBits) {
  CTKScopedBitmap bmp(Create32BitDIBSection(pSrcDC->GetSafeHdc(), rc.Width(), rc.Height(), ppBits));
  if (!bmp) return bmp;
  {
    CTKCompatibleDC dc(pSrcDC, bmp.Get());
    dc.BitBlt(0, 0, rc.Width(), rc.Height(), pSrcDC, rc.left, rc.top, SRCCOPY);
  }
  ::GdiFlush();
  return bmp;
}
}  // namespace

CTKCommandBarAnimation::CTKCommandBarAnimation(CTKCommandBar* pBar) : m_pBar(pBar) {}

CTKCommandBarAnimation::~CTKCommandBarAnimation() { m_animations.clear(); }

BOOL CTKCommandBarAnimation::IsAnimationEnabled() const {
  if (m_bAnimation) return TRUE;
  CTKPaintManager* pPaintManager = m_pBar->GetPaintManager();
  return pPaintManager != nullptr && pPaintManager->m_bEnableAnimation;
}

void CTKCommandBarAnimation::SetTimer(BOOL bOn) {
  if (bOn == m_bTimer) return;
  m_bTimer = bOn;
  if (bOn)
    TKCommandBarsSystem()->SetTimer(m_pBar->GetSafeHwnd(), kTimerId, kStepElapse);
  else if (m_pBar->GetSafeHwnd() != NULL)
    TKCommandBarsSystem()->KillTimer(m_pBar->GetSafeHwnd(), kTimerId);
}

void CTKCommandBarAnimation::RedrawRect(LPCRECT lpRect, BOOL bAnimate) {
  if (m_pBar->GetSafeHwnd() == NULL) return;
  if (lpRect == NULL) {
    m_bmpPicture.DeleteObject();
    m_bFullRepaint = TRUE;
    m_pBar->InvalidateRect(NULL, FALSE);
    return;
  }
  if (!HasPicture() || !IsAnimationEnabled()) {
    m_bFullRepaint = TRUE;
    m_pBar->InvalidateRect(lpRect, FALSE);
    return;
  }
  CRect rc(lpRect);
  CRect rcClient = ClientRect(m_pBar);
  CClientDC dcClient(m_pBar);
  CBitmap bmpDraw;
  bmpDraw.CreateCompatibleBitmap(&dcClient, rcClient.Width(), rcClient.Height());
  CTKCompatibleDC dcDraw(&dcClient, &bmpDraw);
  dcDraw.IntersectClipRect(rc);
  m_pBar->DrawCommandBar(&dcDraw, rc);
  dcDraw.SelectClipRgn(NULL);

  if (bAnimate) {
    std::unique_ptr<CAnimateInfo> pInfo(new CAnimateInfo);
    pInfo->rc = rc;
    BOOL bChanged;
    {
      // The picture leaves its DC before a fade step draws from it again.
      CTKCompatibleDC dcPicture(&dcClient, &m_bmpPicture);
      pInfo->bmpNew = CopyToDib(&dcDraw, rc, &pInfo->pBitsNew);
      pInfo->bmpOld = CopyToDib(&dcPicture, rc, &pInfo->pBitsOld);
      dcPicture.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &dcDraw, rc.left, rc.top, SRCCOPY);
      size_t cb = static_cast<size_t>(rc.Width()) * rc.Height() * 4;
      bChanged = !pInfo->bmpNew || !pInfo->bmpOld ||
                 memcmp(pInfo->pBitsNew, pInfo->pBitsOld, cb) != 0;
    }
    if (bChanged) AddAnimation(std::move(pInfo), &dcClient);
  } else {
    RemoveAnimations(rc, TRUE);
    CTKCompatibleDC dcPicture(&dcClient, &m_bmpPicture);
    dcPicture.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &dcDraw, rc.left, rc.top, SRCCOPY);
    dcClient.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &dcDraw, rc.left, rc.top, SRCCOPY);
  }
}

void CTKCommandBarAnimation::AddAnimation(std::unique_ptr<CAnimateInfo> pInfo, CDC* pDC) {
  RemoveAnimations(pInfo->rc, FALSE);
  CAnimateInfo* pAdded = pInfo.get();
  m_animations.push_back(std::move(pInfo));
  SetTimer(TRUE);
  DrawStep(pDC, pAdded);
}

void CTKCommandBarAnimation::RemoveAnimations(const CRect& rc, BOOL bExclude) {
  for (auto it = m_animations.begin(); it != m_animations.end();) {
    CRect rcUnion;
    rcUnion.UnionRect(rc, (*it)->rc);
    if (rcUnion == rc) {
      it = m_animations.erase(it);
      continue;
    }
    CRect rcMeet;
    if (bExclude && rcMeet.IntersectRect(rc, (*it)->rc)) (*it)->exclusions.push_back(rc);
    ++it;
  }
}

void CTKCommandBarAnimation::BlendPixels(const BYTE* pNew, const BYTE* pOld, BYTE* pDest,
                                         size_t cb, int nStep) {
  int a = nStep * 255 / kSteps;
  for (size_t i = 0; i < cb; ++i)
    pDest[i] = static_cast<BYTE>((pNew[i] * a + pOld[i] * (255 - a)) >> 8);
}

void CTKCommandBarAnimation::DrawStep(CDC* pDC, CAnimateInfo* pInfo) {
  const CRect& rc = pInfo->rc;
  if (pInfo->nStep >= kSteps) {
    if (HasPicture()) {
      CTKCompatibleDC dcPicture(pDC, &m_bmpPicture);
      pDC->BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &dcPicture, rc.left, rc.top, SRCCOPY);
    }
  } else if (pInfo->bmpNew && pInfo->bmpOld) {
    LPBYTE pBits = nullptr;
    CTKScopedBitmap bmpStep(Create32BitDIBSection(pDC->GetSafeHdc(), rc.Width(), rc.Height(), &pBits));
    if (bmpStep) {
      BlendPixels(pInfo->pBitsNew, pInfo->pBitsOld, pBits,
                  static_cast<size_t>(rc.Width()) * rc.Height() * 4, pInfo->nStep);
      CTKCompatibleDC dcStep(pDC, bmpStep.Get());
      pDC->BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &dcStep, 0, 0, SRCCOPY);
    }
  }
  ++pInfo->nStep;
}

void CTKCommandBarAnimation::OnAnimationTimer() {
  CClientDC dc(m_pBar);
  DrawAnimations(&dc);
}

void CTKCommandBarAnimation::DrawAnimations(CDC* pDC) {
  for (auto it = m_animations.begin(); it != m_animations.end();) {
    CAnimateInfo* pInfo = it->get();
    for (const CRect& rcExclude : pInfo->exclusions) pDC->ExcludeClipRect(rcExclude);
    DrawStep(pDC, pInfo);
    pDC->SelectClipRgn(NULL);
    if (pInfo->nStep > kSteps)
      it = m_animations.erase(it);
    else
      ++it;
  }
  if (m_animations.empty()) SetTimer(FALSE);
}

void CTKCommandBarAnimation::OnDestroyWindow() {
  m_bmpPicture.DeleteObject();
  RemoveAll();
}

void CTKCommandBarAnimation::RemoveAll() {
  m_animations.clear();
  SetTimer(FALSE);
}

void CTKCommandBarAnimation::OnPaint(CDC* pDC, CRect rcPaint) {
  CRect rcClient = ClientRect(m_pBar);
  if (HasPicture()) {
    BITMAP bm = {};
    m_bmpPicture.GetBitmap(&bm);
    if (bm.bmWidth != rcClient.Width() || bm.bmHeight != rcClient.Height())
      m_bmpPicture.DeleteObject();
  }
  if (!m_bDoubleBuffer && !IsAnimationEnabled()) {
    m_bmpPicture.DeleteObject();
    CTKBufferDC dcBuffer(pDC->GetSafeHdc(), rcPaint);
    m_pBar->DrawCommandBar(&dcBuffer, rcPaint);
    RemoveAll();
  } else {
    if (m_bFullRepaint || !HasPicture()) {
      if (!HasPicture()) {
        m_bmpPicture.CreateCompatibleBitmap(pDC, rcClient.Width(), rcClient.Height());
        rcPaint = rcClient;
      }
      CTKCompatibleDC dcPicture(pDC, &m_bmpPicture);
      dcPicture.IntersectClipRect(rcPaint);
      m_pBar->DrawCommandBar(&dcPicture, rcPaint);
      dcPicture.SelectClipRgn(NULL);
      pDC->BitBlt(rcPaint.left, rcPaint.top, rcPaint.Width(), rcPaint.Height(), &dcPicture,
                  rcPaint.left, rcPaint.top, SRCCOPY);
      RemoveAll();
    } else {
      CTKCompatibleDC dcPicture(pDC, &m_bmpPicture);
      pDC->BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &dcPicture, 0, 0, SRCCOPY);
    }
  }
  m_bFullRepaint = FALSE;
}
