// The classes a control type makes.
#include "commandbars/TKControlClasses.h"

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"

IMPLEMENT_DYNCREATE(CTKControlButton, CTKControl)
IMPLEMENT_DYNCREATE(CTKControlPopup, CTKControlButton)
IMPLEMENT_DYNCREATE(CTKControlComboBox, CTKControl)
IMPLEMENT_DYNCREATE(CTKControlLabel, CTKControl)
IMPLEMENT_DYNCREATE(CTKControlCheckBox, CTKControlButton)
IMPLEMENT_DYNCREATE(CTKControlRadioButton, CTKControlButton)
IMPLEMENT_DYNCREATE(CTKControlWindowList, CTKControlButton)
IMPLEMENT_DYNCREATE(CTKControlWorkspaceActions, CTKControlButton)
IMPLEMENT_DYNCREATE(CTKControlToolbars, CTKControlButton)
IMPLEMENT_DYNCREATE(CTKControlRecentFileList, CTKControlButton)
IMPLEMENT_DYNCREATE(CTKControlOleItems, CTKControlButton)

CTKControlPopup::CTKControlPopup() : m_pCommandBar(nullptr) {}

CTKControlPopup::~CTKControlPopup() { SetCommandBar(nullptr); }

void CTKControlPopup::SetCommandBar(CTKCommandBar* pBar) {
  if (m_pCommandBar == pBar) return;
  if (m_pCommandBar != nullptr) {
    // Whoever still holds the old bar must not reach this control through it.
    if (CTKPopupBar* pOld = DYNAMIC_DOWNCAST(CTKPopupBar, m_pCommandBar)) {
      if (pOld->GetControlPopup() == this) pOld->SetControlPopup(nullptr);
    }
    m_pCommandBar->InternalRelease();
  }
  m_pCommandBar = pBar;
  if (CTKPopupBar* pPopup = DYNAMIC_DOWNCAST(CTKPopupBar, pBar)) pPopup->SetControlPopup(this);
}

void CTKControlPopup::Copy(CTKControl* pSource, BOOL bRecursive) {
  CTKControlButton::Copy(pSource, bRecursive);
  CTKControlPopup* pPopup = DYNAMIC_DOWNCAST(CTKControlPopup, pSource);
  if (pPopup == nullptr || pPopup == this || pPopup->m_pCommandBar == nullptr) return;
  if (bRecursive) {
    CTKPopupBar* pBar = CTKPopupBar::CreatePopupBar(pPopup->m_pCommandBar->GetCommandBars());
    pBar->SetTitle(pPopup->m_pCommandBar->GetTitle());
    pBar->GetControls()->Copy(pPopup->m_pCommandBar->GetControls(), TRUE);
    SetCommandBar(pBar);
  } else {
    pPopup->m_pCommandBar->InternalAddRef();
    SetCommandBar(pPopup->m_pCommandBar);
  }
}
