// AfxOleSetEditMenu: the object verbs of an OLE item in a menu.
#include "afxole.h"

void AFXAPI AfxOleSetEditMenu(COleClientItem*, CMenu* pMenu, UINT iMenuItem, UINT nIDVerbMin,
                              UINT, UINT) {
  if (pMenu == nullptr || pMenu->GetSafeHmenu() == NULL) return;
  // Items of this layer have no object whose verbs could be asked for.
  const UINT nFlags = MF_BYPOSITION | MF_STRING | MF_GRAYED;
  if (iMenuItem < pMenu->GetMenuItemCount()) {
    pMenu->ModifyMenu(iMenuItem, nFlags, nIDVerbMin, "&Object");
  } else {
    pMenu->AppendMenu(MF_STRING | MF_GRAYED, nIDVerbMin, "&Object");
  }
}
