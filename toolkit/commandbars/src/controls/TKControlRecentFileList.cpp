// The recent-file placeholder: one item per file of the application's list.
#include <afxadv.h>

#include "TKControlListSteps.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControlLists.h"
#include "commandbars/TKControls.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKControlRecentFileList, CTKControlButton)

CRecentFileList* CTKControlRecentFileList::GetRecentFileList() {
  CWinApp* pApp = AfxGetApp();
  return pApp != nullptr ? pApp->m_pRecentFileList : nullptr;
}

void CTKControlRecentFileList::OnCalcDynamicSize(DWORD) {
  CRecentFileList* pList = GetRecentFileList();
  if (pList == nullptr || pList->m_arrNames == nullptr) return;
  const int nFirst = GetFirstMruID();
  const int nSize = pList->GetSize();
  TKRemoveGeneratedControls(this, [nFirst, nSize](CTKControl* p) {
    return p->GetID() >= nFirst && p->GetID() <= nFirst + nSize;
  });
  if (TKShowPlaceholderInCustomizeMode(this)) {
    SetEnabled(TRUE);
    return;
  }
  if (nSize == 0 || (*pList)[0].IsEmpty()) {
    // Shown, disabled, its own caption saying there are no recent files.
    SetHideFlags(0);
    SetEnabled(FALSE);
    return;
  }
  SetHideFlags(TKHIDE_GENERIC);

  // Files of the current folder are shown by their names alone.
  char szCurDir[MAX_PATH + 1] = "";
  ::GetCurrentDirectory(MAX_PATH, szCurDir);
  CString strCurDir = szCurDir;
  if (strCurDir.Right(1) != "\\") strCurDir += '\\';

  const BOOL bFirstOfBar = GetIndex() == 0;
  int nIndex = GetIndex() + 1;
  CString strName;
  for (int i = 0; i < nSize; ++i) {
    if (!pList->GetDisplayName(strName, i, strCurDir, strCurDir.GetLength())) break;
    CTKControl* pItem = TKAddGeneratedButton(this, nIndex++, nFirst + i,
                                             FormatMnemonicCaption(strName, i + 1),
                                             (*pList)[i]);
    if (pItem == nullptr) break;
    if (i == 0) {
      pItem->SetBeginGroup(!bFirstOfBar);
      if (GetFlags() & TKFLAG_WRAPROW) pItem->SetFlags(pItem->GetFlags() | TKFLAG_WRAPROW);
    }
  }
}

BOOL CTKControlRecentFileList::CanDropOnBar(CTKCommandBar* pBar, CPoint, DWORD& dwEffect) {
  return TKCanDropOnPopupBarOnly(pBar, dwEffect);
}
