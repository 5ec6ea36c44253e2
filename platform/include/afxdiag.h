// Diagnostics of the class layer: assertions, tracing and argument checks.
#pragma once

#include <windows.h>

#ifndef AFXAPI
#define AFXAPI __stdcall
#endif
#ifndef AFX_CDECL
#define AFX_CDECL __cdecl
#endif
#define AFX_INLINE inline
#define AFX_DATA
#define AFX_DATADEF
#define AFX_API
#define AFX_NOVTABLE

/// Reports a failed ASSERT in debug builds (message to the debugger, then a break).
void AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);
/// Writes printf-style text to the debugger in debug builds.
void AFX_CDECL AfxTrace(LPCSTR lpszFormat, ...);

#ifdef _DEBUG
#define ASSERT(f) ((f) ? (void)0 : AfxAssertFailedLine(__FILE__, __LINE__))
#define VERIFY(f) ASSERT(f)
#define TRACE AfxTrace
#define ASSERT_VALID(pOb) ((pOb)->AssertValid())
#define DEBUG_ONLY(f) (f)
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define TRACE(...) ((void)0)
#define ASSERT_VALID(pOb) ((void)0)
#define DEBUG_ONLY(f) ((void)0)
#endif
#define TRACE0(sz) TRACE("%s", sz)
#define TRACE1(sz, p1) TRACE(sz, p1)
#define TRACE2(sz, p1, p2) TRACE(sz, p1, p2)
#define TRACE3(sz, p1, p2, p3) TRACE(sz, p1, p2, p3)
#define ASSERT_POINTER(p, type) ASSERT((p) != NULL)
#define ASSERT_NULL_OR_POINTER(p, type) ((void)0)
#define ASSERT_KINDOF(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))
#define UNUSED(x) ((void)(x))
#define UNUSED_ALWAYS(x) ((void)(x))
#define DEBUG_NEW new

/// Checks that hold in every build: a false condition throws CInvalidArgException*.
[[noreturn]] void AFXAPI AfxThrowInvalidArgException();
#define ENSURE(cond)                            \
  do {                                          \
    if (!(cond)) AfxThrowInvalidArgException(); \
  } while (0)
#define ENSURE_ARG(cond) ENSURE(cond)
#define ENSURE_VALID(pOb) ENSURE((pOb) != NULL)
