// Stand-in until the toolkit's singleton holder is on main.
#pragma once
#include <new>
#define TK_IMPLEMENT_SINGLETON(theClass, accessor) \
  theClass* accessor() {                           \
    static theClass* s_pInstance = new theClass(); \
    return s_pInstance;                            \
  }
