// CArchive's object table: classes and objects written once, then referred to by tag.
#include <afx.h>

namespace {

// Tags of the object table: a WORD 0 is the null object, 0xFFFF introduces a
// new class, 0x8000|n refers to class n and n alone to object n. Numbers from
// 0x7FFF up are written as the escape 0x7FFF and a DWORD (class bit 0x80000000).
const WORD kNullTag = 0;
const WORD kNewClassTag = 0xFFFF;
const WORD kClassTag = 0x8000;
const DWORD kBigClassTag = 0x80000000;
const WORD kBigObjectTag = 0x7FFF;
const DWORD kMaxMapCount = 0x3FFFFFFE;

const UINT kMaxClassName = 64;

}  // namespace

void CRuntimeClass::Store(CArchive& ar) const {
  WORD nLen = static_cast<WORD>(lstrlenA(m_lpszClassName));
  ar << static_cast<WORD>(m_wSchema) << nLen;
  ar.Write(m_lpszClassName, nLen);
}

CRuntimeClass* PASCAL CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum) {
  WORD schema, nLen;
  ar >> schema >> nLen;
  char name[kMaxClassName];
  if (nLen >= kMaxClassName || ar.Read(name, nLen) != nLen) return nullptr;
  name[nLen] = 0;
  if (pwSchemaNum != nullptr) *pwSchemaNum = schema;
  return FromName(name);
}

void CArchive::CheckMapCount() const {
  DWORD count = IsStoring() ? m_nStoreCount : static_cast<DWORD>(m_loadArray.size());
  if (count >= kMaxMapCount) AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
}

void CArchive::WriteIndexTag(DWORD nIndex, DWORD bigFlag, WORD smallFlag) {
  if (nIndex < kBigObjectTag) {
    *this << static_cast<WORD>(smallFlag | nIndex);
  } else {
    *this << kBigObjectTag << static_cast<DWORD>(bigFlag | nIndex);
  }
}

void CArchive::MapObject(const CObject* pOb) {
  CheckMapCount();
  if (IsStoring()) {
    m_storeMap[pOb] = m_nStoreCount++;
  } else {
    m_loadArray.push_back({const_cast<CObject*>(pOb), false});
  }
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef) {
  if (pClassRef == nullptr) AfxThrowInvalidArgException();
  if (IsLoading()) AfxThrowArchiveException(CArchiveException::readOnly, m_strFileName);
  // A class without IMPLEMENT_SERIAL could not be read back: nothing is written.
  if (pClassRef->m_wSchema == 0xFFFF) AfxThrowNotSupportedException();
  auto it = m_storeMap.find(pClassRef);
  if (it != m_storeMap.end()) {
    WriteIndexTag(it->second, kBigClassTag, kClassTag);
    return;
  }
  CheckMapCount();
  *this << kNewClassTag;
  pClassRef->Store(*this);
  m_storeMap[pClassRef] = m_nStoreCount++;
}

void CArchive::WriteObject(const CObject* pOb) {
  if (pOb == nullptr) {
    *this << kNullTag;
    return;
  }
  auto it = m_storeMap.find(pOb);
  if (it != m_storeMap.end()) {
    WriteIndexTag(it->second, 0, 0);
    return;
  }
  WriteClass(pOb->GetRuntimeClass());
  MapObject(pOb);
  const_cast<CObject*>(pOb)->Serialize(*this);
}

DWORD CArchive::ReadTag(WORD* pwTag) {
  *this >> *pwTag;
  if (*pwTag == kBigObjectTag) {
    DWORD obTag;
    *this >> obTag;
    return obTag;
  }
  return (static_cast<DWORD>(*pwTag & kClassTag) << 16) | (*pwTag & ~kClassTag);
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema,
                                   DWORD* pObTag) {
  if (IsStoring()) AfxThrowArchiveException(CArchiveException::writeOnly, m_strFileName);
  WORD wTag;
  DWORD obTag = ReadTag(&wTag);
  CRuntimeClass* pClassRef;
  UINT nSchema;
  if (wTag == kNewClassTag) {
    pClassRef = CRuntimeClass::Load(*this, &nSchema);
    if (pClassRef == nullptr) AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    UINT classSchema = pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA;
    if (classSchema != nSchema && !(pClassRef->m_wSchema & VERSIONABLE_SCHEMA))
      AfxThrowArchiveException(CArchiveException::badSchema, m_strFileName);
    m_schemas[pClassRef] = nSchema;
    CheckMapCount();
    m_loadArray.push_back({pClassRef, true});
  } else if (obTag & kBigClassTag) {
    DWORD nClassIndex = obTag & ~kBigClassTag;
    if (nClassIndex == 0 || nClassIndex >= m_loadArray.size() || !m_loadArray[nClassIndex].isClass)
      AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    pClassRef = static_cast<CRuntimeClass*>(m_loadArray[nClassIndex].p);
    nSchema = m_schemas[pClassRef];
  } else {
    // A reference to an object: only callers that can take one ask for it.
    if (pObTag == nullptr) AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    *pObTag = obTag;
    return nullptr;
  }
  if (pClassRefRequested != nullptr && !pClassRef->IsDerivedFrom(pClassRefRequested))
    AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
  if (pSchema != nullptr)
    *pSchema = nSchema;
  else
    m_nObjectSchema = nSchema;
  if (pObTag != nullptr) *pObTag = obTag;
  return pClassRef;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef) {
  if (IsStoring())
    WriteClass(pClassRef);
  else
    ReadClass(pClassRef);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested) {
  UINT nSchema;
  DWORD obTag;
  CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &nSchema, &obTag);
  if (pClassRef == nullptr) {
    if (obTag >= m_loadArray.size() || m_loadArray[obTag].isClass)
      AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    CObject* pOb = static_cast<CObject*>(m_loadArray[obTag].p);
    if (pOb != nullptr && pClassRefRequested != nullptr && !pOb->IsKindOf(pClassRefRequested))
      AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    return pOb;
  }
  CObject* pOb = pClassRef->CreateObject();
  if (pOb == nullptr) AfxThrowMemoryException();
  // Entered before its own state is read, so that it can be referred to from within.
  MapObject(pOb);
  // The objects it reads in turn set schemas of their own; the reader's
  // GetObjectSchema must still answer for the reader.
  UINT nSchemaSave = m_nObjectSchema;
  m_nObjectSchema = nSchema;
  pOb->Serialize(*this);
  m_nObjectSchema = nSchemaSave;
  return pOb;
}

UINT CArchive::GetObjectSchema() {
  UINT nResult = m_nObjectSchema;
  m_nObjectSchema = (UINT)-1;
  return nResult;
}
