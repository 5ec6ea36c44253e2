// CTKPopupToolBar: a pop-up laid out in tool-bar rows.
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKPopupBar.h"
#include "TKCreateBar.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKPopupToolBar, CTKPopupBar)

CTKPopupToolBar::CTKPopupToolBar() { m_barType = tkBarTypeNormal; }

CTKPopupToolBar* AFX_CDECL CTKPopupToolBar::CreatePopupToolBar(CTKCommandBars* pCommandBars) {
  CTKPopupToolBar* pBar = TKCreateBarOf<CTKPopupToolBar>(
      CTKCommandBars::GetRuntimeClasses().pPopupToolBarClass, RUNTIME_CLASS(CTKPopupToolBar));
  if (pBar == nullptr) pBar = new CTKPopupToolBar;
  pBar->SetCommandBars(pCommandBars);
  return pBar;
}

CSize CTKPopupToolBar::CalcDynamicLayout(int, DWORD dwMode) {
  return CTKPopupBar::CalcDynamicLayout(0, dwMode);
}

CTKPopupBar* CTKPopupToolBar::Clone() {
  CTKPopupToolBar* pBar = new CTKPopupToolBar;
  pBar->Copy(this);
  return pBar;
}
