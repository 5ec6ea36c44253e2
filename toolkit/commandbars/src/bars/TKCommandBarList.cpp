// Bar lists and the context menus of the command bars.
#include "commandbars/TKCommandBarList.h"

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKPopupBar.h"

CTKCommandBarList::~CTKCommandBarList() { RemoveAll(); }

void CTKCommandBarList::Add(CTKCommandBar* pBar) {
  if (pBar != nullptr) m_arrBars.Add(pBar);
}

CTKCommandBar* CTKCommandBarList::GetAt(int nIndex) const {
  return nIndex >= 0 && nIndex < GetCount() ? m_arrBars[nIndex] : nullptr;
}

BOOL CTKCommandBarList::Contains(const CTKCommandBar* pBar) const {
  for (int i = 0; i < GetCount(); ++i)
    if (m_arrBars[i] == pBar) return TRUE;
  return FALSE;
}

CTKCommandBar* CTKCommandBarList::FindCommandBar(UINT nBarId) const {
  for (int i = 0; i < GetCount(); ++i)
    if (m_arrBars[i]->GetBarID() == nBarId) return m_arrBars[i];
  return nullptr;
}

void CTKCommandBarList::RemoveAll() {
  // Emptied first: a bar released here may look at the list.
  CArray<CTKCommandBar*, CTKCommandBar*> arrBars;
  arrBars.Copy(m_arrBars);
  m_arrBars.RemoveAll();
  for (int i = 0; i < arrBars.GetSize(); ++i) arrBars[i]->InternalRelease();
}

void CTKCommandBarsContextMenus::Add(CTKPopupBar* pPopup) {
  if (pPopup == nullptr) return;
  pPopup->SetContextMenu(TRUE);
  CTKCommandBarList::Add(pPopup);
}
