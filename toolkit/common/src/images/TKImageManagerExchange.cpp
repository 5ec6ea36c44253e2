// The image manager through the toolkit's property exchange: one numbered
// section per icon set, one per icon inside it.
#include "common/TKImageManager.h"

#include "common/TKPropExchange.h"
#include "common/TKPropExchangeArchive.h"

namespace {

const LPCTSTR kCheckSum = _T("CTKImageManagerIcons");

}  // namespace

void CTKImageManager::DoPropExchange(CTKPropExchange* pPX) {
  CTKPropExchangeEnumeratorPtr pEnumerator(pPX->GetEnumerator(_T("IconSet")));
  POSITION pos = pEnumerator->GetPosition((DWORD)m_mapImages.GetCount(), TRUE);
  if (pPX->IsLoading()) {
    RemoveAll();
    while (pos != NULL) {
      CTKPropExchangeSection section(pEnumerator->GetNext(pos));
      int nId = 0;
      ExchangeIntNoDefault(section, _T("Id"), nId);
      ExchangeIconSet((UINT)nId, section);
    }
    return;
  }
  for (auto* p = m_mapImages.PGetFirstAssoc(); p != NULL && pos != NULL;
       p = m_mapImages.PGetNextAssoc(p)) {
    CTKPropExchangeSection section(pEnumerator->GetNext(pos));
    int nId = (int)p->key;
    ExchangeIntNoDefault(section, _T("Id"), nId);
    ExchangeIconSet(p->key, section);
  }
}

void CTKImageManager::ExchangeIconSet(UINT nCommand, CTKPropExchange* pPX) {
  if (nCommand > m_nCustomID) m_nCustomID = nCommand;
  CString strCheckSum = kCheckSum;
  ExchangeStringProp(pPX, _T("CheckSum"), strCheckSum, kCheckSum);
  if (pPX->IsLoading() && strCheckSum != kCheckSum)
    AfxThrowArchiveException(CArchiveException::badClass);

  CTKPropExchangeEnumeratorPtr pEnumerator(pPX->GetEnumerator(_T("Icon")));
  if (pPX->IsLoading()) {
    CTKImageManagerIconSet* pIconSet = LookupIconSet(nCommand);
    if (pIconSet != NULL)
      pIconSet->ClearIcons();
    else
      pIconSet = GetOrCreateIconSet(nCommand);
    POSITION pos = pEnumerator->GetPosition(0, TRUE);
    while (pos != NULL) {
      CTKPropExchangeSection section(pEnumerator->GetNext(pos));
      int nWidth = 16;
      ExchangeIntNoDefault(section, _T("Width"), nWidth);
      // Stored first, so that a failing load leaves nothing behind unowned.
      CTKImageManagerIcon* pIcon = new CTKImageManagerIcon(nCommand, nWidth, 15, pIconSet);
      pIconSet->AddIcon(pIcon);
      ExchangeSerializableProp(section, _T("Data"), pIcon);
    }
    return;
  }
  CTKImageManagerIconSet* pIconSet = LookupIconSet(nCommand);
  POSITION pos =
      pEnumerator->GetPosition(pIconSet != NULL ? (DWORD)pIconSet->m_mapIcons.GetCount() : 0, TRUE);
  if (pIconSet == NULL) return;
  for (auto* p = pIconSet->m_mapIcons.PGetFirstAssoc(); p != NULL && pos != NULL;
       p = pIconSet->m_mapIcons.PGetNextAssoc(p)) {
    CTKPropExchangeSection section(pEnumerator->GetNext(pos));
    int nWidth = p->key;
    ExchangeIntNoDefault(section, _T("Width"), nWidth);
    ExchangeSerializableProp(section, _T("Data"), p->value);
  }
}

void CTKImageManager::Serialize(CArchive& ar) {
  CTKPropExchangeArchive px(ar);
  DoPropExchange(&px);
}
