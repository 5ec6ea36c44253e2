// CCmdTarget's COM identity: the interface map and reference counting of
// every interface part through the one object count.
#include "afxcmdtarget.h"

const AFX_INTERFACEMAP* PASCAL CCmdTarget::GetThisInterfaceMap() {
  static const AFX_INTERFACEMAP_ENTRY entries[] = {{nullptr, (size_t)-1}};
  static const AFX_INTERFACEMAP map = {nullptr, &entries[0]};
  return &map;
}

const AFX_INTERFACEMAP* CCmdTarget::GetInterfaceMap() const { return GetThisInterfaceMap(); }

LPUNKNOWN CCmdTarget::GetInterface(const void* iid) {
  const IID& riid = *static_cast<const IID*>(iid);
  // Every interface part is an IUnknown; the first one found is the
  // identity, so IUnknown answers the same pointer however it is asked for.
  const bool bUnknown = IsEqualIID(riid, IID_IUnknown) != FALSE;
  BYTE* pBase = reinterpret_cast<BYTE*>(this);
  for (const AFX_INTERFACEMAP* pMap = GetInterfaceMap(); pMap != nullptr;
       pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
    for (const AFX_INTERFACEMAP_ENTRY* pEntry = pMap->pEntry; pEntry->piid != nullptr; ++pEntry) {
      if (bUnknown || IsEqualIID(riid, *static_cast<const IID*>(pEntry->piid)))
        return reinterpret_cast<LPUNKNOWN>(pBase + pEntry->nOffset);
    }
  }
  if (m_bAutomation && (bUnknown || IsEqualIID(riid, IID_IDispatch))) return &m_xDispatch;
  return nullptr;
}

DWORD CCmdTarget::InternalQueryInterface(const void* iid, LPVOID* ppvObj) {
  if (ppvObj == nullptr) return static_cast<DWORD>(E_POINTER);
  LPUNKNOWN pUnknown = GetInterface(iid);
  *ppvObj = pUnknown;
  if (pUnknown == nullptr) return static_cast<DWORD>(E_NOINTERFACE);
  InternalAddRef();
  return S_OK;
}

DWORD CCmdTarget::ExternalQueryInterface(const void* iid, LPVOID* ppvObj) {
  return InternalQueryInterface(iid, ppvObj);
}

DWORD CCmdTarget::ExternalAddRef() { return InternalAddRef(); }

DWORD CCmdTarget::ExternalRelease() { return InternalRelease(); }

LPUNKNOWN CCmdTarget::GetControllingUnknown() { return GetInterface(&IID_IUnknown); }
