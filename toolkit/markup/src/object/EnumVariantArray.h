// CEnumVariantArray: the enumerator that scripts get from "_NewEnum" of a
// markup collection (children, definitions, inlines), so that For Each and
// Enumerator walk the items in order.
#pragma once

#include "TKMarkupCollection.h"

#include <oaidl.h>

/// IEnumVARIANT over a CTKMarkupCollection. The enumerator keeps the
/// collection alive with one reference (a script may hold it longer than the
/// element tree lives) and reads the collection as it is at each call, so
/// items added or removed meanwhile are seen. Reference counted; made with
/// count 1. Used on the thread of the collection's context.
class CEnumVariantArray final : public IEnumVARIANT {
 public:
  /// Starts at `nPosition`; `pCollection` may be null (an empty walk).
  explicit CEnumVariantArray(CTKMarkupCollection* pCollection, int nPosition = 0);
  CEnumVariantArray(const CEnumVariantArray&) = delete;
  CEnumVariantArray& operator=(const CEnumVariantArray&) = delete;

  /// IUnknown and IEnumVARIANT only.
  STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  /// Deletes the enumerator at 0; a release at 0 does nothing and returns 0.
  STDMETHODIMP_(ULONG) Release() override;

  /// Up to `celt` items as VT_DISPATCH (one reference each), from the
  /// position on; S_FALSE when fewer than asked were left. `pceltFetched`
  /// may be null only when asking for one item.
  STDMETHODIMP Next(ULONG celt, VARIANT* rgVar, ULONG* pceltFetched) override;
  /// S_OK when `celt` items were skipped; otherwise the enumerator stays at
  /// the end (Next gives nothing more) and the answer is S_FALSE.
  STDMETHODIMP Skip(ULONG celt) override;
  STDMETHODIMP Reset() override;
  /// A new enumerator over the same collection at the same position.
  STDMETHODIMP Clone(IEnumVARIANT** ppEnum) override;

  int GetPosition() const { return m_nPosition; }

 private:
  ~CEnumVariantArray();

  int GetCount() const { return m_pCollection != nullptr ? m_pCollection->GetCount() : 0; }

  int m_nPosition;
  CTKMarkupCollection* m_pCollection;
  LONG m_nRef;
};
