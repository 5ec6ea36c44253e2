#include <afxcoll.h>

IMPLEMENT_DYNAMIC(CPtrArray, CObject)
IMPLEMENT_SERIAL(CObArray, CObject, 0)
IMPLEMENT_SERIAL(CByteArray, CObject, 0)
IMPLEMENT_SERIAL(CWordArray, CObject, 0)
IMPLEMENT_SERIAL(CDWordArray, CObject, 0)
IMPLEMENT_DYNAMIC(CUIntArray, CObject)
IMPLEMENT_SERIAL(CStringArray, CObject, 0)
IMPLEMENT_DYNAMIC(CPtrList, CObject)
IMPLEMENT_SERIAL(CObList, CObject, 0)
IMPLEMENT_SERIAL(CStringList, CObject, 0)
IMPLEMENT_DYNAMIC(CMapPtrToPtr, CObject)
IMPLEMENT_DYNAMIC(CMapWordToPtr, CObject)
IMPLEMENT_DYNAMIC(CMapStringToPtr, CObject)
IMPLEMENT_SERIAL(CMapStringToString, CObject, 0)
IMPLEMENT_SERIAL(CMapStringToOb, CObject, 0)

void CObArray::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteCount(static_cast<DWORD_PTR>(GetSize()));
    for (INT_PTR i = 0; i < GetSize(); ++i) ar << GetAt(i);
    return;
  }
  SetSize(static_cast<INT_PTR>(ar.ReadCount()));
  for (INT_PTR i = 0; i < GetSize(); ++i) ar >> ElementAt(i);
}

void CObList::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteCount(static_cast<DWORD_PTR>(GetCount()));
    for (POSITION pos = GetHeadPosition(); pos != nullptr;) ar << GetNext(pos);
    return;
  }
  for (DWORD_PTR n = ar.ReadCount(); n > 0; --n) {
    CObject* pOb;
    ar >> pOb;
    AddTail(pOb);
  }
}

void CMapStringToOb::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteCount(static_cast<DWORD_PTR>(GetCount()));
    for (POSITION pos = GetStartPosition(); pos != nullptr;) {
      CString key;
      CObject* value;
      GetNextAssoc(pos, key, value);
      ar << key << value;
    }
    return;
  }
  for (DWORD_PTR n = ar.ReadCount(); n > 0; --n) {
    CString key;
    CObject* value;
    ar >> key >> value;
    SetAt(key, value);
  }
}
