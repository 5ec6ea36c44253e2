// CTKStatusBar: the hot button pane, clicks, double clicks and tooltips.
#include "commandbars/TKStatusBar.h"

#include "common/TKToolTipContext.h"

CTKStatusBarPane* CTKStatusBar::HitTestPane(CPoint point) const {
  for (int i = 0; i < GetPaneCount(); ++i) {
    CTKStatusBarPane* pPane = m_arrPanes[i];
    if (pPane->IsVisible() && pPane->m_rcPane.PtInRect(point)) return pPane;
  }
  return nullptr;
}

void CTKStatusBar::SetHotPane(CTKStatusBarPane* pPane, CPoint point) {
  if (pPane != nullptr && (!pPane->IsButton() || !pPane->IsEnabled())) pPane = nullptr;
  if (pPane != m_pHotPane) {
    CTKStatusBarPane* pOld = m_pHotPane;
    m_pHotPane = pPane;
    if (pOld != nullptr) {
      pOld->Redraw();
      pOld->OnMouseMove(CPoint(-1, -1));
    }
    if (pPane != nullptr) {
      pPane->Redraw();
      TRACKMOUSEEVENT tme = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
      ::TrackMouseEvent(&tme);
    }
  }
  if (m_pHotPane != nullptr) m_pHotPane->OnMouseMove(point);
}

void CTKStatusBar::OnMouseMove(UINT nFlags, CPoint point) {
  CControlBar::OnMouseMove(nFlags, point);
  SetHotPane(HitTestPane(point), point);
}

void CTKStatusBar::OnMouseLeave() { SetHotPane(nullptr, CPoint(-1, -1)); }

void CTKStatusBar::OnLButtonDown(UINT nFlags, CPoint point) {
  CControlBar::OnLButtonDown(nFlags, point);
  if (m_pHotPane != nullptr) m_pHotPane->OnLButtonDown(point);
}

void CTKStatusBar::OnLButtonDblClk(UINT nFlags, CPoint point) {
  CControlBar::OnLButtonDblClk(nFlags, point);
  NMMOUSE nm = {};
  nm.hdr.hwndFrom = m_hWnd;
  nm.hdr.idFrom = GetDlgCtrlID();
  nm.hdr.code = NM_DBLCLK;
  nm.dwItemSpec = m_pHotPane != nullptr ? m_pHotPane->GetID() : static_cast<DWORD_PTR>(-1);
  nm.pt = point;
  CWnd* pOwner = GetOwner() != nullptr ? GetOwner() : GetParent();
  const LRESULT lResult = pOwner != nullptr ? pOwner->SendMessage(WM_NOTIFY, nm.hdr.idFrom,
                                                                  reinterpret_cast<LPARAM>(&nm))
                                            : 0;
  if (lResult == 0 && m_pHotPane != nullptr) m_pHotPane->OnLButtonDown(point);
}

void CTKStatusBar::OnPaneClick(CTKStatusBarPane* pPane) {
  CWnd* pParent = GetParent();
  if (pParent != nullptr) pParent->SendMessage(WM_COMMAND, pPane->GetID(), 0);
}

INT_PTR CTKStatusBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const {
  INT_PTR nHit = CControlBar::OnToolHitTest(point, pTI);
  if (nHit != -1) return nHit;
  CTKStatusBarPane* pPane = HitTestPane(point);
  if (pPane == nullptr) return -1;
  nHit = pPane->OnToolHitTest(point, pTI);
  if (nHit != -1) return nHit;
  const CString strTip = pPane->GetTooltip();
  if (strTip.IsEmpty()) return -1;
  CTKToolTipContext::FillInToolInfoEx(pTI, m_hWnd, pPane->GetRect(), pPane->GetID(), strTip, strTip,
                                      nullptr, GetImageManager());
  return pPane->GetID();
}
