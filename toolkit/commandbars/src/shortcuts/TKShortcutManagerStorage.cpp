// CTKShortcutManager: the table in the application profile and through the
// property exchange.
#include "commandbars/TKShortcutManager.h"

#include <stdlib.h>
#include <string.h>

#include <vector>

#include "common/TKPropExchange.h"

namespace {

const LPCTSTR kAccelerators = "Accelerators";
const LPCTSTR kAcceleratorsVersion = "AcceleratorsVersion";
/// The exchange schema from which accelerators are kept as 12-byte records
/// and as texts; older exchanges hold Windows ACCELs.
const int kSchemaShortcutRecords = 33;
/// The Windows ACCEL as stored: flags, padding, key, command.
const UINT kAccelRecordSize = 6;
const UINT kShortcutRecordSize = sizeof(TK_SHORTCUTMANAGER_ACCEL);

ACCEL AccelFromRecord(const BYTE* p) {
  ACCEL accel;
  accel.fVirt = p[0];
  memcpy(&accel.key, p + 2, sizeof(WORD));
  memcpy(&accel.cmd, p + 4, sizeof(WORD));
  return accel;
}

/// Frees a block the exchange allocated with malloc.
struct MallocBlock {
  BYTE* p = nullptr;
  DWORD cb = 0;
  ~MallocBlock() { free(p); }
};

}  // namespace

void CTKShortcutManager::LoadRecords(const BYTE* pData, UINT nCount, BOOL bAccelRecords) {
  CTKShortcutManagerAccelTable loaded(this);
  for (UINT i = 0; i < nCount; ++i) {
    if (bAccelRecords) {
      loaded.Add(new CTKShortcutManagerAccel(AccelFromRecord(pData + i * kAccelRecordSize)));
    } else {
      TK_SHORTCUTMANAGER_ACCEL record;
      memcpy(&record, pData + i * kShortcutRecordSize, kShortcutRecordSize);
      loaded.Add(new CTKShortcutManagerAccel(record));
    }
  }
  m_pAccelTable->SwapAccelerators(loaded);
}

// The profile ---------------------------------------------------------------------------

void CTKShortcutManager::SaveShortcuts(LPCTSTR lpszProfileName) {
  CWinApp* pApp = AfxGetApp();
  if (m_pOriginalAccelTable == nullptr || pApp == nullptr) return;
  const int nCount = m_pAccelTable->GetCount();
  std::vector<TK_SHORTCUTMANAGER_ACCEL> records(nCount);
  for (int i = 0; i < nCount; ++i) records[i] = *m_pAccelTable->GetAt(i);
  pApp->WriteProfileBinary(lpszProfileName, kAccelerators,
                           reinterpret_cast<LPBYTE>(records.data()),
                           static_cast<UINT>(nCount * kShortcutRecordSize));
  pApp->WriteProfileInt(lpszProfileName, kAcceleratorsVersion, 1);
}

void CTKShortcutManager::LoadShortcuts(LPCTSTR lpszProfileName) {
  CWinApp* pApp = AfxGetApp();
  if (m_pOriginalAccelTable == nullptr || pApp == nullptr) return;
  const int nVersion = pApp->GetProfileInt(lpszProfileName, kAcceleratorsVersion, 0);
  if (nVersion != 0 && nVersion != 1) return;
  LPBYTE pData = nullptr;
  UINT nBytes = 0;
  if (!pApp->GetProfileBinary(lpszProfileName, kAccelerators, &pData, &nBytes)) return;
  const UINT nRecordSize = nVersion == 1 ? kShortcutRecordSize : kAccelRecordSize;
  LoadRecords(pData, nBytes / nRecordSize, nVersion == 0);
  delete[] pData;
}

// The property exchange -----------------------------------------------------------------------

void CTKShortcutManager::DoPropExchange(CTKPropExchange* pPX) {
  const BOOL bOldSchema = pPX->GetSchema() < kSchemaShortcutRecords;
  if (pPX->UseBinarySerialization()) {
    ExchangeBlob(pPX, bOldSchema && pPX->IsLoading());
  } else {
    ExchangeSections(pPX, bOldSchema);
  }
}

BOOL CTKShortcutManager::ExchangeBlob(CTKPropExchange* pPX, BOOL bAccelRecords) {
  const UINT nRecordSize = bAccelRecords ? kAccelRecordSize : kShortcutRecordSize;
  if (pPX->IsStoring()) {
    const int nCount = m_pAccelTable->GetCount();
    std::vector<TK_SHORTCUTMANAGER_ACCEL> records(nCount);
    for (int i = 0; i < nCount; ++i) records[i] = *m_pAccelTable->GetAt(i);
    pPX->WriteCount(static_cast<DWORD>(nCount));
    BYTE* pData = reinterpret_cast<BYTE*>(records.data());
    DWORD cbData = static_cast<DWORD>(nCount * nRecordSize);
    return ExchangeBinaryProp(pPX, "Data", &pData, &cbData);
  }
  const DWORD nCount = pPX->ReadCount();
  MallocBlock block;
  if (!ExchangeBinaryProp(pPX, "Data", &block.p, &block.cb)) return FALSE;
  // A count that claims more records than the data holds (or overflows) is
  // damage: the table stays as it was rather than being read past the block.
  if (static_cast<ULONGLONG>(nCount) * nRecordSize != block.cb) return FALSE;
  LoadRecords(block.p, nCount, bAccelRecords);
  return TRUE;
}

void CTKShortcutManager::ExchangeSections(CTKPropExchange* pPX, BOOL bOldSchema) {
  // Stores always write the current form; only loads meet the old one.
  LPCTSTR pszSection = bOldSchema && pPX->IsLoading() ? "Accel" : "Shortcut";
  CTKPropExchangeEnumeratorPtr pEnumerator(pPX->GetEnumerator(pszSection));
  if (pPX->IsStoring()) {
    POSITION pos = pEnumerator->GetPosition(static_cast<DWORD>(m_pAccelTable->GetCount()));
    for (int i = 0; pos != NULL; ++i) {
      CTKPropExchangeSection sec(pEnumerator->GetNext(pos));
      CTKShortcutManagerAccel* pAccel = m_pAccelTable->GetAt(i);
      CKeyHelper helper(pAccel, this);
      helper.UseManagerNames(FALSE);
      CString strKey;
      helper.Format(strKey);
      int nId = pAccel->cmd;
      ExchangeIntProp(sec, "Id", nId, 0);
      ExchangeStringProp(sec, "Key", strKey, "");
    }
    return;
  }
  CTKShortcutManagerAccelTable loaded(this);
  POSITION pos = pEnumerator->GetPosition();
  while (pos != NULL) {
    CTKPropExchangeSection sec(pEnumerator->GetNext(pos));
    int nId = 0;
    if (bOldSchema) {
      BYTE fVirt = 0;
      short nKey = 0;
      ExchangeIntProp(sec, "Id", nId, 0);
      ExchangeByteProp(sec, "virt", fVirt, 0);
      ExchangeShortProp(sec, "key", nKey, 0);
      ACCEL accel = {fVirt, static_cast<WORD>(nKey), static_cast<WORD>(nId)};
      CTKShortcutManagerAccel* pAccel = new CTKShortcutManagerAccel(accel);
      pAccel->cmd = nId;  // the section keeps the whole 32-bit id
      loaded.Add(pAccel);
      continue;
    }
    CString strKey;
    ExchangeIntProp(sec, "Id", nId, 0);
    ExchangeStringProp(sec, "Key", strKey, "");
    TK_SHORTCUTMANAGER_ACCEL record = {};
    record.cmd = nId;
    if (ParseShortcut(strKey, &record)) loaded.Add(new CTKShortcutManagerAccel(record));
  }
  m_pAccelTable->SwapAccelerators(loaded);
}
