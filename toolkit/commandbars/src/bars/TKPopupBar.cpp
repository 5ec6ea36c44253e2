// CTKPopupBar: what the controls need of a pop-up so far.
#include "commandbars/TKPopupBar.h"

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControl.h"

IMPLEMENT_DYNCREATE(CTKPopupBar, CTKCommandBar)

CTKPopupBar::CTKPopupBar() : m_pControlPopup(nullptr) {
  m_barType = tkBarTypePopup;
  m_barPosition = tkBarPopup;
}

CTKPopupBar* AFX_CDECL CTKPopupBar::CreatePopupBar(CTKCommandBars* pCommandBars) {
  CRuntimeClass* pClass = pCommandBars != nullptr && pCommandBars->GetPopupBarClass() != nullptr
                              ? pCommandBars->GetPopupBarClass()
                              : RUNTIME_CLASS(CTKPopupBar);
  CTKPopupBar* pBar = static_cast<CTKPopupBar*>(pClass->CreateObject());
  pBar->SetCommandBars(pCommandBars);
  return pBar;
}

CTKCommandBar* CTKPopupBar::GetParentCommandBar() const {
  return m_pControlPopup != nullptr ? m_pControlPopup->GetParent() : nullptr;
}
