// The drawing buffer of one bar: a kept picture of its client area, so that a
// paint is one copy, and the cross-fades of rectangles whose look changed.
#pragma once

#include <afxwin.h>

#include <memory>
#include <vector>

#include "common/TKScopedHandle.h"

class CTKCommandBar;

class CTKCommandBarAnimation {
 public:
  /// The bar's timer that advances the fades.
  static constexpr UINT_PTR kTimerId = 707907;
  static constexpr UINT kStepElapse = 50;
  static constexpr int kSteps = 6;

  /// One fading rectangle: its new and old pictures, the step (1 to 7) and
  /// the parts redrawn since without a fade, which it must not paint.
  struct CAnimateInfo {
    CTKScopedBitmap bmpNew;
    LPBYTE pBitsNew = nullptr;
    CTKScopedBitmap bmpOld;
    LPBYTE pBitsOld = nullptr;
    CRect rc;
    int nStep = 1;
    std::vector<CRect> exclusions;
  };

  explicit CTKCommandBarAnimation(CTKCommandBar* pBar);
  ~CTKCommandBarAnimation();
  CTKCommandBarAnimation(const CTKCommandBarAnimation&) = delete;
  CTKCommandBarAnimation& operator=(const CTKCommandBarAnimation&) = delete;

  void EnableAnimation(BOOL bEnable) { m_bAnimation = bEnable; }
  void EnableDoubleBuffer(BOOL bEnable) { m_bDoubleBuffer = bEnable; }
  BOOL IsDoubleBuffer() const { return m_bDoubleBuffer; }
  /// The bar's own flag or its theme's animation setting.
  BOOL IsAnimationEnabled() const;

  /// Null: the whole bar is drawn again at the next paint. A rectangle is
  /// drawn now into the kept picture, faded in when `bAnimate`.
  void RedrawRect(LPCRECT lpRect, BOOL bAnimate);
  void OnPaint(CDC* pDC, CRect rcPaint);
  void OnAnimationTimer();
  /// Draws the next step of every fade on `pDC`, drops finished fades and
  /// stops the timer when none is left.
  void DrawAnimations(CDC* pDC);
  void OnDestroyWindow();
  /// Drops every fade and stops the timer.
  void RemoveAll();

  BOOL HasPicture() const { return m_bmpPicture.GetSafeHandle() != NULL; }
  int GetAnimationCount() const { return static_cast<int>(m_animations.size()); }
  const CAnimateInfo* GetAnimation(int nIndex) const { return m_animations[nIndex].get(); }

  /// (new x a + old x (255 - a)) >> 8 of every byte, a = step x 255 / 6.
  static void BlendPixels(const BYTE* pNew, const BYTE* pOld, BYTE* pDest, size_t cb, int nStep);

 private:
  void AddAnimation(std::unique_ptr<CAnimateInfo> pInfo, CDC* pDC);
  /// Drops fades inside `rc`; with `bExclude` the ones it only meets keep
  /// off it from now on.
  void RemoveAnimations(const CRect& rc, BOOL bExclude);
  void DrawStep(CDC* pDC, CAnimateInfo* pInfo);
  void SetTimer(BOOL bOn);

  CTKCommandBar* m_pBar;
  CBitmap m_bmpPicture;
  BOOL m_bFullRepaint = TRUE;
  BOOL m_bTimer = FALSE;
  BOOL m_bAnimation = FALSE;
  BOOL m_bDoubleBuffer = FALSE;
  std::vector<std::unique_ptr<CAnimateInfo>> m_animations;
};
