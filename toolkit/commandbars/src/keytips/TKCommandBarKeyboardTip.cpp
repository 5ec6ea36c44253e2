// CTKCommandBarKeyboardTip: the tip window, drawn by the paint manager.
#include "commandbars/TKCommandBarKeyboardTip.h"

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKPaintManager.h"

BEGIN_MESSAGE_MAP(CTKCommandBarKeyboardTip, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

CTKCommandBarKeyboardTip::CTKCommandBarKeyboardTip(CTKCommandBars* pCommandBars,
                                                   CCmdTarget* pOwner, LPCTSTR lpszCaption, int x,
                                                   int y, DWORD dwAlign, BOOL bEnabled)
    : m_strCaption(lpszCaption),
      m_pOwner(pOwner),
      m_pt(x, y),
      m_bEnabled(bEnabled),
      m_bVisible(TRUE),
      m_pCommandBars(pCommandBars),
      m_dwAlign(dwAlign),
      m_bPreset(FALSE) {}

void CTKCommandBarKeyboardTip::OnPaint() {
  CPaintDC dc(this);
  if (m_pCommandBars != nullptr) m_pCommandBars->GetPaintManager()->DrawKeyboardTip(&dc, this, FALSE);
}

void CTKKeyboardTips::RemoveAt(int nIndex) {
  CTKCommandBarKeyboardTip* pTip = m_tips[nIndex];
  m_tips.RemoveAt(nIndex);
  if (pTip->GetSafeHwnd() != NULL) pTip->DestroyWindow();
  delete pTip;
}

void CTKKeyboardTips::RemoveAll() {
  while (GetCount() > 0) RemoveAt(GetCount() - 1);
  m_pWnd = nullptr;
  m_nLevel = 0;
  m_nTyped = 0;
}
