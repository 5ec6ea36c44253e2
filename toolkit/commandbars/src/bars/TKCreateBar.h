// Bars made of a run-time class that a program may have replaced.
#pragma once

#include <afxwin.h>

/// A new object of `pClass` when it is a `T` (whose class is `pKind`), else
/// null (and nothing kept).
template <class T>
T* TKCreateBarOf(CRuntimeClass* pClass, CRuntimeClass* pKind) {
  CObject* pObject = pClass != nullptr ? pClass->CreateObject() : nullptr;
  if (pObject != nullptr && !pObject->IsKindOf(pKind)) {
    delete pObject;
    return nullptr;
  }
  return static_cast<T*>(pObject);
}
