// CDC: binding a device context to its object.
#include "WndState.h"

IMPLEMENT_DYNCREATE(CDC, CObject)

CDC::CDC() : m_hDC(nullptr), m_hAttribDC(nullptr) {}

CDC::~CDC() {
  if (m_hDC != nullptr) DeleteDC();
}

CDC* PASCAL CDC::FromHandle(HDC hDC) { return AfxGetWndThreadState()->m_mapHDC.FromHandle(hDC); }

void PASCAL CDC::DeleteTempMap() { AfxGetWndThreadState()->m_mapHDC.DeleteTemp(); }

BOOL CDC::Attach(HDC hDC) {
  if (hDC == nullptr) return FALSE;
  m_hDC = m_hAttribDC = hDC;
  AfxGetWndThreadState()->m_mapHDC.SetPermanent(hDC, this);
  return TRUE;
}

HDC CDC::Detach() {
  HDC hDC = m_hDC;
  if (hDC != nullptr) {
    auto& map = AfxGetWndThreadState()->m_mapHDC;
    if (map.LookupPermanent(hDC) == this) map.RemoveHandle(hDC);
  }
  m_hDC = m_hAttribDC = nullptr;
  return hDC;
}

BOOL CDC::DeleteDC() {
  if (m_hDC == nullptr) return FALSE;
  return ::DeleteDC(Detach());
}
