// The script enumerator of markup collections.
#include "EnumVariantArray.h"

#include <new>

CEnumVariantArray::CEnumVariantArray(CTKMarkupCollection* pCollection, int nPosition)
    : m_nPosition(nPosition < 0 ? 0 : nPosition), m_pCollection(pCollection), m_nRef(1) {
  if (m_pCollection != nullptr) m_pCollection->AddRef();
}

CEnumVariantArray::~CEnumVariantArray() {
  if (m_pCollection != nullptr) m_pCollection->Release();
}

STDMETHODIMP CEnumVariantArray::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IEnumVARIANT)) {
    *ppvObject = static_cast<IEnumVARIANT*>(this);
    AddRef();
    return S_OK;
  }
  *ppvObject = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CEnumVariantArray::AddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&m_nRef));
}

STDMETHODIMP_(ULONG) CEnumVariantArray::Release() {
  if (m_nRef == 0) return 0;
  const LONG nRef = InterlockedDecrement(&m_nRef);
  if (nRef == 0) delete this;
  return static_cast<ULONG>(nRef);
}

STDMETHODIMP CEnumVariantArray::Next(ULONG celt, VARIANT* rgVar, ULONG* pceltFetched) {
  if (pceltFetched != nullptr) *pceltFetched = 0;
  if (celt == 0) return S_OK;
  if (rgVar == nullptr || (pceltFetched == nullptr && celt != 1)) return E_POINTER;
  ULONG nFetched = 0;
  // The position is never below 0, and a collection that shrank since the
  // last call leaves it past the end: nothing is read outside the items.
  while (nFetched < celt && m_nPosition < GetCount()) {
    VariantInit(&rgVar[nFetched]);
    rgVar[nFetched].vt = VT_DISPATCH;
    rgVar[nFetched].pdispVal = m_pCollection->GetItem(m_nPosition)->GetIDispatch(TRUE);
    ++m_nPosition;
    ++nFetched;
  }
  if (pceltFetched != nullptr) *pceltFetched = nFetched;
  return nFetched == celt ? S_OK : S_FALSE;
}

STDMETHODIMP CEnumVariantArray::Skip(ULONG celt) {
  const LONGLONG nTarget = static_cast<LONGLONG>(m_nPosition) + celt;
  if (nTarget <= GetCount()) {
    m_nPosition = static_cast<int>(nTarget);
    return S_OK;
  }
  m_nPosition = GetCount();
  return S_FALSE;
}

STDMETHODIMP CEnumVariantArray::Reset() {
  m_nPosition = 0;
  return S_OK;
}

STDMETHODIMP CEnumVariantArray::Clone(IEnumVARIANT** ppEnum) {
  if (ppEnum == nullptr) return E_POINTER;
  *ppEnum = new (std::nothrow) CEnumVariantArray(m_pCollection, m_nPosition);
  return *ppEnum != nullptr ? S_OK : E_OUTOFMEMORY;
}
