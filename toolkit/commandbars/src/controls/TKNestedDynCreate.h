// The run-time class of a class nested in another one (a bar's own controls),
// whose qualified name IMPLEMENT_DYNCREATE cannot paste.
#pragma once

#include <afx.h>

#define TK_IMPLEMENT_NESTED_DYNCREATE(outer, inner, base)                              \
  CObject* PASCAL outer::inner::CreateObject() { return new inner; }                   \
  CRuntimeClass outer::inner::class##inner = {#outer "::" #inner, sizeof(outer::inner), \
                                              0xFFFF, &outer::inner::CreateObject,      \
                                              RUNTIME_CLASS(base), nullptr};            \
  CRuntimeClass* outer::inner::GetRuntimeClass() const { return &class##inner; }
