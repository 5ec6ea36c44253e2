// The site helpers shared by the frame and dialog templates.
#include "commandbars/TKCommandBarsSite.h"

#include "commandbars/TKCommandBarEditCtrl.h"
#include "commandbars/TKCommandBars.h"

BOOL AFX_CDECL TKCreateSiteCommandBars(CWnd* pSite, CRuntimeClass* pCommandBarsClass,
                                        CTKCommandBars*& rpCommandBars) {
  if (rpCommandBars != nullptr) {
    rpCommandBars->InternalRelease();
    rpCommandBars = nullptr;
  }
  CObject* pObject = pCommandBarsClass != nullptr ? pCommandBarsClass->CreateObject() : nullptr;
  CTKCommandBars* pCommandBars = DYNAMIC_DOWNCAST(CTKCommandBars, pObject);
  if (pCommandBars == nullptr) {
    delete pObject;
    return FALSE;
  }
  pCommandBars->SetSite(pSite);
  rpCommandBars = pCommandBars;
  return TRUE;
}

void AFX_CDECL TKSaveSiteCommandBarsState(CTKCommandBars* pCommandBars, LPCTSTR pszProfileName) {
  if (pCommandBars == nullptr) return;
  pCommandBars->SaveOptionsSection(pszProfileName);
  pCommandBars->GetShortcutManager()->SaveShortcuts(pszProfileName);
}

void AFX_CDECL TKLoadSiteCommandBarsState(CTKCommandBars* pCommandBars, LPCTSTR pszProfileName,
                                          BOOL) {
  if (pCommandBars == nullptr) return;
  pCommandBars->LoadOptionsSection(pszProfileName);
  pCommandBars->GetShortcutManager()->LoadShortcuts(pszProfileName);
}

BOOL AFX_CDECL TKIsKeyForCommandBarField(const MSG* pMsg) {
  if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
  if (pMsg->wParam == VK_TAB || pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)
    return FALSE;
  CWnd* pFocus = CWnd::GetFocus();
  return pFocus != nullptr && pFocus->IsKindOf(RUNTIME_CLASS(CTKCommandBarEditCtrl));
}

BOOL AFX_CDECL TKPreTranslateSiteMessage(CTKCommandBars* pCommandBars, MSG* pMsg) {
  return pCommandBars != nullptr && pCommandBars->PreTranslateFrameMessage(pMsg);
}
