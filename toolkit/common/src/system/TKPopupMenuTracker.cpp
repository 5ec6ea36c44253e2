// Menus shown through the tracker the command bars install.
#include "common/TKPopupMenuTracker.h"

#include "common/TKImageManager.h"

namespace {

ITKPopupMenuTracker* g_pTracker = NULL;

}  // namespace

ITKPopupMenuTracker* SetPopupMenuTracker(ITKPopupMenuTracker* pTracker) {
  ITKPopupMenuTracker* pOld = g_pTracker;
  g_pTracker = pTracker;
  return pOld;
}

UINT TrackCommandBarsPopupMenu(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pOwner,
                               UINT nToolBarId, BOOL bNoNotify) {
  if (pMenu == NULL || pMenu->GetSafeHmenu() == NULL) return 0;
  if (bNoNotify) nFlags |= TPM_NONOTIFY;
  if (g_pTracker == NULL) {
    return (UINT)::TrackPopupMenu(pMenu->GetSafeHmenu(), nFlags, x, y, 0,
                                  pOwner != NULL ? pOwner->GetSafeHwnd() : NULL, NULL);
  }
  CTKImageManager* pImageManager = NULL;
  if (nToolBarId > 0) {
    pImageManager = new CTKImageManager();
    pImageManager->SetIconsFromToolBar(nToolBarId);
  }
  UINT nResult = g_pTracker->TrackPopupMenu(pMenu, nFlags, x, y, pOwner, pImageManager);
  if (pImageManager != NULL) pImageManager->InternalRelease();
  return nResult;
}
