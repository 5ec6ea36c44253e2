// CGdiObject: binding a GDI object to its wrapper.
#include "WndState.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

CGdiObject::CGdiObject() : m_hObject(nullptr) {}

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject) {
  return AfxGetWndThreadState()->m_mapHGDIOBJ.FromHandle(hObject);
}

void PASCAL CGdiObject::DeleteTempMap() { AfxGetWndThreadState()->m_mapHGDIOBJ.DeleteTemp(); }

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
  if (hObject == nullptr) return FALSE;
  m_hObject = hObject;
  AfxGetWndThreadState()->m_mapHGDIOBJ.SetPermanent(hObject, this);
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ hObject = m_hObject;
  if (hObject != nullptr) {
    auto& map = AfxGetWndThreadState()->m_mapHGDIOBJ;
    if (map.LookupPermanent(hObject) == this) map.RemoveHandle(hObject);
  }
  m_hObject = nullptr;
  return hObject;
}

BOOL CGdiObject::DeleteObject() {
  if (m_hObject == nullptr) return FALSE;
  return ::DeleteObject(Detach());
}
