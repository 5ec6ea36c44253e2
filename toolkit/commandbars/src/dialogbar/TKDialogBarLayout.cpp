// CTKDialogBar: its size docked and floating, the caption's controls, and
// resizing by a sizing border.
#include "commandbars/TKDialogBar.h"

#include <algorithm>

#include <afxframe.h>

#include "commandbars/TKControls.h"
#include "common/TKDpiHelper.h"

namespace {
/// The length a floating dialog bar is measured for: its client size decides.
const int kUnboundedLength = 32000;
/// Close button and caption control: skip focus, manual update, not movable;
/// the caption control also keeps out of customising.
const DWORD kCloseButtonFlags = 0x1A;
const DWORD kCaptionControlFlags = 0x1E;
}  // namespace

void CTKDialogBar::GetDialogBarClientSizes(CSize& szDocking, CSize& szFloating) const {
  szDocking = m_szDockingClient;
  szFloating = m_szFloatingClient;
}

void CTKDialogBar::SetDialogBarClientSizes(CSize szDocking, CSize szFloating) {
  m_szDockingClient = szDocking;
  m_szFloatingClient = szFloating;
}

CSize CTKDialogBar::CalcLayout(int nLength, DWORD dwMode, int) {
  return CalcSize(nLength, dwMode, m_szDockingClient);
}

CSize CTKDialogBar::CalcDynamicLayout(int, DWORD dwMode) {
  return CalcSize(kUnboundedLength, dwMode, m_szFloatingClient);
}

CSize CTKDialogBar::CalcSize(int nLength, DWORD dwMode, CSize szClient) {
  CSize sz(szClient.cx + m_rcBorders.left + m_rcBorders.right,
           szClient.cy + m_rcBorders.top + m_rcBorders.bottom);
  const BOOL bVertical = (dwMode & LM_VERTDOCK) != 0;
  if (!m_bCaption) {
    m_nCaptionHeight = 0;
    if (dwMode & LM_STRETCH) (bVertical ? sz.cy : sz.cx) = nLength;
    return sz;
  }
  const CSize szCaption = GetPaintManager()->CalcFloatingBarCaptionSize(this);
  m_nCaptionHeight = szCaption.cy + m_rcBorders.top;
  sz.cy += szCaption.cy;
  if (dwMode & LM_STRETCH) {
    LONG& nAlong = bVertical ? sz.cy : sz.cx;
    nAlong = std::max<LONG>(nAlong, nLength);
  }
  if (dwMode & LM_HORZ)
    sz.cx = std::min<int>(sz.cx, nLength);
  else
    sz.cy = std::min<int>(sz.cy, nLength);
  LayOutCaptionControls(sz.cx - m_rcBorders.right, szCaption);
  return sz;
}

void CTKDialogBar::LayOutCaptionControls(int nRight, CSize szCaption) {
  CTKDpiHelper* pDpi = TKDpiHelper();
  const int c = szCaption.cy;
  CTKToolBar::CControlButtonHide* pHide = GetHideButton(FALSE);
  if (pHide == nullptr && m_bCloseable) {
    pHide = static_cast<CTKToolBar::CControlButtonHide*>(
        m_pControls->Add(new CControlButtonHide, TKID_TOOLBAR_HIDE, "", -1, TRUE));
  }
  if (pHide != nullptr && !m_bCloseable) {
    pHide->SetHideFlags(TKHIDE_GENERIC);
  } else if (pHide != nullptr) {
    pHide->SetHideFlags(0);
    const int nTop = m_rcBorders.top + c / 2 - pDpi->ScaleY(8);
    pHide->SetRect(CRect(nRight - pDpi->ScaleX(16), nTop, nRight, nTop + pDpi->ScaleY(16)));
    nRight -= pDpi->ScaleX(16);
  }

  CControlCaptionPopup* pCaption = GetCaptionControl();
  if (pCaption == nullptr) {
    pCaption = static_cast<CControlCaptionPopup*>(
        m_pControls->Add(new CControlCaptionPopup, TKID_DIALOGBAR_CAPTION, "", -1, TRUE));
    m_pPopupBar->SetCommandBars(GetCommandBars());
    m_pPopupBar->InternalAddRef();
    pCaption->SetCommandBar(m_pPopupBar);
  }
  pCaption->SetCaptionPopup(m_bCaptionPopup && m_pPopupBar->GetControlCount() > 0);
  const int nCentre = m_rcBorders.top + c / 2;
  pCaption->SetRect(CRect(m_rcBorders.left + szCaption.cx, nCentre - pDpi->ScaleY(8), nRight,
                          nCentre + pDpi->ScaleY(8)));
  pCaption->SetCaption(m_strCaption.IsEmpty() ? m_strTitle : m_strCaption);
}

void CTKDialogBar::ResizeToRect(int nLeft, int nTop, int nRight, int nBottom, UINT nHitCode) {
  if (nRight - nLeft < m_szMinimumClient.cx || nBottom - nTop < m_szMinimumClient.cy) return;
  const CRect rcBorders = GetClientBorders();
  const CSize szClient(nRight - nLeft - rcBorders.left - rcBorders.right,
                       nBottom - nTop - rcBorders.top - rcBorders.bottom);
  if (m_barPosition == tkBarFloating) {
    m_szFloatingClient = szClient;
    CalcDynamicLayout(0, LM_HORZ | LM_COMMIT);
    SetWindowPos(NULL, nLeft, nTop, nRight - nLeft, nBottom - nTop,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    Redraw();
    return;
  }
  if (nHitCode == HTLEFT || nHitCode == HTRIGHT)
    m_szDockingClient.cx = szClient.cx;
  else
    m_szDockingClient.cy = szClient.cy;
  CTKToolBar::OnRecalcLayout();
}
