// CTKControls: comparing, copying and the original controls.
#include "commandbars/TKControls.h"

namespace {

/// The next non-temporary control from `nIndex` on, or -1.
int NextPersistent(const CTKControls* pControls, int nIndex) {
  while (nIndex < pControls->GetCount() && pControls->GetAt(nIndex)->IsTemporary()) ++nIndex;
  return nIndex < pControls->GetCount() ? nIndex : -1;
}

}  // namespace

BOOL CTKControls::IsEqual(CTKControls* pOther) const {
  int nMine = NextPersistent(this, 0);
  int nTheirs = NextPersistent(pOther, 0);
  while (nMine != -1 && nTheirs != -1) {
    if (!GetAt(nMine)->Compare(pOther->GetAt(nTheirs))) return FALSE;
    nMine = NextPersistent(this, nMine + 1);
    nTheirs = NextPersistent(pOther, nTheirs + 1);
  }
  return nMine == -1 && nTheirs == -1;
}

BOOL CTKControls::IsChanged() const {
  return m_pOriginalControls == nullptr || !IsEqual(m_pOriginalControls);
}

void CTKControls::Copy(CTKControls* pSource, BOOL bRecursive) {
  if (pSource == this) return;
  RemoveAll();
  for (int i = 0; i < pSource->GetCount(); ++i) {
    CTKControl* pControl = pSource->GetAt(i);
    if (!pControl->IsTemporary()) AddCopy(pControl, -1, bRecursive);
  }
  CTKOriginalControls* pOriginal = pSource->m_pOriginalControls;
  SetOriginalControls(pOriginal != nullptr
                          ? static_cast<CTKOriginalControls*>(pOriginal->Duplicate(bRecursive))
                          : nullptr);
}

CTKControls* CTKControls::Duplicate(BOOL bRecursive) {
  CTKControls* pCopy = static_cast<CTKControls*>(GetRuntimeClass()->CreateObject());
  pCopy->m_pCommandBars = GetCommandBars();
  for (int i = 0; i < GetCount(); ++i) {
    CTKControl* pControl = GetAt(i);
    if (!pControl->IsTemporary()) pCopy->AddCopy(pControl, -1, bRecursive);
  }
  if (m_pOriginalControls != nullptr)
    pCopy->SetOriginalControls(
        static_cast<CTKOriginalControls*>(m_pOriginalControls->Duplicate(bRecursive)));
  return pCopy;
}

void CTKControls::CreateOriginalControls() {
  CTKOriginalControls* pOriginal = new CTKOriginalControls;
  pOriginal->m_pCommandBars = GetCommandBars();
  for (int i = 0; i < GetCount(); ++i) {
    CTKControl* pControl = GetAt(i);
    if (!pControl->IsTemporary()) pOriginal->AddCopy(pControl, -1, TRUE);
  }
  SetOriginalControls(pOriginal);
}

void CTKControls::SetOriginalControls(CTKOriginalControls* pOriginalControls) {
  if (m_pOriginalControls != nullptr) m_pOriginalControls->InternalRelease();
  m_pOriginalControls = pOriginalControls;
}
