// CTKMarkupToolTipContext: markup elements' text tips through the toolkit's
// tooltip context.
#include "TKMarkupToolTipContext.h"

#include "markup/TKMarkupContext.h"

CTKMarkupToolTipContext::CTKMarkupToolTipContext(CTKMarkupContext* pContext)
    : m_pContext(pContext) {
  SetStyle(styleMarkup);
  // Scripts reach it through the markup context's "ToolTipContext".
  EnableAutomation();
}

INT_PTR CTKMarkupToolTipContext::OnToolHitTest(CWnd*, CPoint point, TOOLINFO* pTI) {
  return m_pContext != nullptr ? m_pContext->FindToolTip(point, pTI) : -1;
}

void CTKMarkupToolTipContext::RelayToolTipMessage(HWND hWnd, UINT message, WPARAM wParam,
                                                  LPARAM lParam) {
  CTKToolTipContext::RelayToolTipMessage(CWnd::FromHandle(hWnd), message, wParam, lParam);
}
