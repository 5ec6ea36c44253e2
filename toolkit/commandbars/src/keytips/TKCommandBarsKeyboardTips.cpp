// CTKCommandBars: building, placing and hiding the keyboard tips of a window.
#include <algorithm>

#include "commandbars/TKCommandBarKeyboardTip.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControl.h"
#include "common/TKDCHelpers.h"
#include "common/TKDpiHelper.h"

namespace {

/// The tip's window rectangle on the screen: its text with a margin, at
/// least 16 x 15, aligned on its anchor.
CRect TipRect(CTKCommandBarKeyboardTip* pTip, CDC* pDC, CWnd* pWnd, BOOL bRightToLeft) {
  const CSize szText = pDC->GetTextExtent(pTip->m_strTip);
  const CSize sz(std::max<LONG>(szText.cx + TKDpiHelper()->ScaleX(6), TKDpiHelper()->ScaleX(16)),
                 std::max<LONG>(szText.cy + TKDpiHelper()->ScaleY(2), TKDpiHelper()->ScaleY(15)));
  CPoint pt = pTip->m_pt;
  if (pTip->m_pOwner != nullptr && pTip->m_pOwner->IsKindOf(RUNTIME_CLASS(CTKControl)))
    pWnd->ClientToScreen(&pt);
  const DWORD dwAlign = pTip->m_dwAlign;
  const int dx = (dwAlign & CTKCommandBarKeyboardTip::kAlignCenterX) ? sz.cx / 2
                 : ((dwAlign & CTKCommandBarKeyboardTip::kAlignRight) || bRightToLeft) ? sz.cx
                                                                                        : 0;
  const int dy = (dwAlign & CTKCommandBarKeyboardTip::kAlignCenterY) ? sz.cy / 2
                 : (dwAlign & CTKCommandBarKeyboardTip::kAlignBottom)  ? sz.cy
                                                                       : 0;
  return CRect(CPoint(pt.x - dx, pt.y - dy), sz);
}

void CreateTipWindow(CTKCommandBarKeyboardTip* pTip, CWnd* pWnd, const CRect& rc,
                     CTKPaintManager* pPaintManager) {
  const BOOL bTranslucent = !pTip->m_bEnabled && pPaintManager->m_pfnSetLayeredWindowAttributes;
  const DWORD dwExStyle = WS_EX_TOOLWINDOW | (bTranslucent ? WS_EX_LAYERED : 0);
  if (!pTip->CreateEx(dwExStyle, AfxRegisterWndClass(CS_SAVEBITS), pTip->m_strTip, WS_POPUP, rc,
                      pWnd, 0))
    return;
  if (bTranslucent)
    pPaintManager->m_pfnSetLayeredWindowAttributes(pTip->GetSafeHwnd(), 0, 150, LWA_ALPHA);
  pTip->SetWindowPos(&CWnd::wndTop, rc.left, rc.top, rc.Width(), rc.Height(),
                     SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  pPaintManager->DrawKeyboardTip(nullptr, pTip, TRUE);
}

}  // namespace

void CTKCommandBars::HideKeyboardTips() { m_keyboardTips.RemoveAll(); }

void CTKCommandBars::CreateKeyboardTipsForBar(CWnd* pWnd) {
  if (CTKCommandBar* pBar = DYNAMIC_DOWNCAST(CTKCommandBar, pWnd)) pBar->CreateKeyboardTips();
}

void CTKCommandBars::BuildKeyboardTipWindows(CWnd* pWnd, int nLevel) {
  HideKeyboardTips();
  if (!m_pOptions->bShowKeyboardTips || pWnd == nullptr || pWnd->GetSafeHwnd() == NULL) return;
  pWnd->UpdateWindow();
  m_keyboardTips.m_nLevel = nLevel;
  m_keyboardTips.m_pWnd = pWnd;
  m_keyboardTips.m_nTyped = 0;
  CreateKeyboardTipsForBar(pWnd);
  TKAssignKeyboardTipTexts(m_keyboardTips);
  if (m_keyboardTips.GetCount() == 0) {
    m_keyboardTips.m_pWnd = nullptr;
    return;
  }

  CTKPaintManager* pPaintManager = GetPaintManager();
  const BOOL bRightToLeft = m_pFrame != nullptr && m_pFrame->GetSafeHwnd() != NULL &&
                            (m_pFrame->GetExStyle() & WS_EX_LAYOUTRTL) != 0;
  {
    CClientDC dc(pWnd);
    CTKFontDC font(&dc, pPaintManager->m_fontKeyboardTip.GetSafeHandle() != NULL
                            ? &pPaintManager->m_fontKeyboardTip
                            : nullptr);
    for (int i = 0; i < m_keyboardTips.GetCount(); ++i) {
      CTKCommandBarKeyboardTip* pTip = m_keyboardTips.GetAt(i);
      if (!pTip->m_bVisible) continue;
      CreateTipWindow(pTip, pWnd, TipRect(pTip, &dc, pWnd, bRightToLeft), pPaintManager);
    }
  }
  for (int i = 0; i < m_keyboardTips.GetCount(); ++i) {
    CTKCommandBarKeyboardTip* pTip = m_keyboardTips.GetAt(i);
    if (pTip->m_bVisible && pTip->GetSafeHwnd() != NULL)
      pTip->SetWindowPos(nullptr, 0, 0, 0, 0,
                         SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  }
}
