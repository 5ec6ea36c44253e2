// The clip region a DC had, put back once: by Restore or when it goes.
#pragma once

#include <afxwin.h>

#include "common/TKScopedHandle.h"

class CTKTabSavedClip {
 public:
  explicit CTKTabSavedClip(HDC hDC) : m_hDC(hDC), m_rgn(::CreateRectRgn(0, 0, 0, 0)) {
    m_bHadClip = m_rgn && ::GetClipRgn(hDC, m_rgn.Get()) == 1;
  }
  ~CTKTabSavedClip() { Restore(); }
  CTKTabSavedClip(const CTKTabSavedClip&) = delete;
  CTKTabSavedClip& operator=(const CTKTabSavedClip&) = delete;

  /// Narrows the clip to a rectangle in the DC's logical coordinates.
  void Intersect(CDC* pDC, CRect rcLogical) {
    pDC->LPtoDP(rcLogical);
    CTKScopedRgn rgn(::CreateRectRgnIndirect(rcLogical));
    ::ExtSelectClipRgn(m_hDC, rgn.Get(), RGN_AND);
  }

  void Restore() {
    if (m_bRestored) return;
    m_bRestored = TRUE;
    ::SelectClipRgn(m_hDC, m_bHadClip ? m_rgn.Get() : NULL);
  }

 private:
  HDC m_hDC;
  CTKScopedRgn m_rgn;
  BOOL m_bHadClip = FALSE;
  BOOL m_bRestored = FALSE;
};
