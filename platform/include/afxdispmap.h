// The entries of dispatch maps. Each entry stores its C++ member type-erased
// together with a thunk made from the member's real type, so Invoke calls
// members of any signature without hand-written glue: the thunk coerces the
// VARIANT arguments to the entry's VTS_* types, reads them as the member's
// parameter types and turns the result into a VARIANT of the entry's type.
#pragma once

#include "afxcmdtarget.h"

#include <stddef.h>
#include <type_traits>
#include <utility>
#include <vector>

// Parameter types of DISP_FUNCTION: one VARTYPE byte per parameter.
#define VTS_NONE ""
#define VTS_I2 "\x02"
#define VTS_I4 "\x03"
#define VTS_R4 "\x04"
#define VTS_R8 "\x05"
#define VTS_DATE "\x07"
#define VTS_BSTR "\x08"
#define VTS_DISPATCH "\x09"
#define VTS_SCODE "\x0A"
#define VTS_BOOL "\x0B"
#define VTS_VARIANT "\x0C"
#define VTS_UNKNOWN "\x0D"
#define VTS_I1 "\x10"
#define VTS_UI1 "\x11"
#define VTS_UI2 "\x12"
#define VTS_UI4 "\x13"
#define VTS_I8 "\x14"
#define VTS_UI8 "\x15"

// By-reference parameters: the member gets a pointer (long*, BSTR*, VARIANT*,
// ...) to the argument converted to the type; what it writes there goes back
// to the caller's variable when the caller passed one by reference (a
// VT_BYREF argument). A by-value argument, or a null reference, is only read.
#define VT_MFCBYREF 0x40
#define VTS_PI2 "\x42"
#define VTS_PI4 "\x43"
#define VTS_PR4 "\x44"
#define VTS_PR8 "\x45"
#define VTS_PDATE "\x47"
#define VTS_PBSTR "\x48"
#define VTS_PDISPATCH "\x49"
#define VTS_PSCODE "\x4A"
#define VTS_PBOOL "\x4B"
#define VTS_PVARIANT "\x4C"
#define VTS_PUNKNOWN "\x4D"
#define VTS_PI1 "\x50"
#define VTS_PUI1 "\x51"
#define VTS_PUI2 "\x52"
#define VTS_PUI4 "\x53"
#define VTS_PI8 "\x54"
#define VTS_PUI8 "\x55"

/// One IDispatch::Invoke as the thunks see it.
struct AFX_DISPCALL {
  WORD wFlags;
  DISPPARAMS* pParams;
  VARIANT* pResult;  // null when the caller wants no result
  UINT* puArgErr;
};

/// The arguments of one call, coerced to the member's parameter types and
/// alive until the call returns.
class AfxDispArgs {
 public:
  AfxDispArgs() = default;
  ~AfxDispArgs();
  AfxDispArgs(const AfxDispArgs&) = delete;
  AfxDispArgs& operator=(const AfxDispArgs&) = delete;

  /// The positional arguments, first parameter first; their count must match.
  HRESULT Prepare(const AFX_DISPCALL& call, LPCSTR lpszParams);
  /// The one value of a property put.
  HRESULT PrepareValue(const AFX_DISPCALL& call, VARTYPE vt);

  VARIANT& operator[](size_t i) { return m_values[i]; }
  /// A string argument as narrow text.
  LPCSTR Text(size_t i);

  /// Where a by-reference number parameter of type T lives during the call.
  template <class T>
  T* Scalar(size_t i) {
    static_assert(sizeof(T) <= sizeof(LONGLONG), "a number of up to 8 bytes");
    return reinterpret_cast<T*>(&m_scalars[i]);
  }
  /// Takes what the member left in Scalar<T>(i) as the argument's new value.
  template <class T>
  void StoreScalar(size_t i);
  /// Hands the by-reference arguments' values to the caller's variables.
  void WriteBack();

 private:
  HRESULT Coerce(size_t i, const VARIANT& src, VARTYPE vt);
  std::vector<VARIANT> m_values;
  std::vector<CString> m_texts;
  std::vector<LONGLONG> m_scalars;
  std::vector<VARIANT*> m_callerRefs;  // the caller's VT_BYREF argument, or null
};

LONGLONG AfxDispToInteger(const VARIANT& v);
double AfxDispToReal(const VARIANT& v);
BSTR AfxDispAllocString(LPCSTR lpsz);
/// Converts `v` (owned) to `vt` unless that is VT_VARIANT and hands it to
/// `pResult`, or clears it when the caller wants no result.
HRESULT AfxDispStoreResult(VARIANT& v, VARTYPE vt, VARIANT* pResult);

// How an argument is read as a parameter type --------------------------------

template <class T, class = void>
struct AfxDispArg;

template <class T>
struct AfxDispArg<T, std::enable_if_t<std::is_arithmetic<T>::value>> {
  static T Get(AfxDispArgs& args, size_t i) {
    const VARIANT& v = args[i];
    // A BOOL parameter gets TRUE, a VARIANT_BOOL one the variant's own value.
    if (V_VT(&v) == VT_BOOL && !std::is_same<T, VARIANT_BOOL>::value) return V_BOOL(&v) ? 1 : 0;
    if (std::is_floating_point<T>::value) return static_cast<T>(AfxDispToReal(v));
    return static_cast<T>(AfxDispToInteger(v));
  }
};
template <>
struct AfxDispArg<const char*> {
  static LPCSTR Get(AfxDispArgs& args, size_t i) { return args.Text(i); }
};
template <>
struct AfxDispArg<CString> {
  static CString Get(AfxDispArgs& args, size_t i) { return CString(args.Text(i)); }
};
template <>
struct AfxDispArg<BSTR> {
  static BSTR Get(AfxDispArgs& args, size_t i) { return V_BSTR(&args[i]); }
};
template <>
struct AfxDispArg<const wchar_t*> {
  static LPCWSTR Get(AfxDispArgs& args, size_t i) { return V_BSTR(&args[i]); }
};
template <>
struct AfxDispArg<IDispatch*> {
  static IDispatch* Get(AfxDispArgs& args, size_t i) { return V_DISPATCH(&args[i]); }
};
template <>
struct AfxDispArg<IUnknown*> {
  static IUnknown* Get(AfxDispArgs& args, size_t i) { return V_UNKNOWN(&args[i]); }
};
template <>
struct AfxDispArg<VARIANT> {  // also serves const VARIANT&
  static VARIANT& Get(AfxDispArgs& args, size_t i) { return args[i]; }
};
template <>
struct AfxDispArg<VARIANT*> {
  static VARIANT* Get(AfxDispArgs& args, size_t i) { return &args[i]; }
};
template <>
struct AfxDispArg<const VARIANT*> {
  static const VARIANT* Get(AfxDispArgs& args, size_t i) { return &args[i]; }
};

// By reference: numbers through a typed slot, the others in place.
template <class T>
struct AfxDispArg<T*, std::enable_if_t<std::is_arithmetic<T>::value && !std::is_const<T>::value>> {
  static T* Get(AfxDispArgs& args, size_t i) {
    T* p = args.Scalar<T>(i);
    *p = AfxDispArg<T>::Get(args, i);
    return p;
  }
};
template <>
struct AfxDispArg<BSTR*> {
  static BSTR* Get(AfxDispArgs& args, size_t i) { return &V_BSTR(&args[i]); }
};
template <>
struct AfxDispArg<IDispatch**> {
  static IDispatch** Get(AfxDispArgs& args, size_t i) { return &V_DISPATCH(&args[i]); }
};
template <>
struct AfxDispArg<IUnknown**> {
  static IUnknown** Get(AfxDispArgs& args, size_t i) { return &V_UNKNOWN(&args[i]); }
};

template <class A>
using AfxDispArgOf = AfxDispArg<std::remove_cv_t<std::remove_reference_t<A>>>;

/// After the call: a number written through a pointer parameter becomes the
/// argument's value again; every other parameter type writes in place.
template <class A, class = void>
struct AfxDispSync {
  static void Run(AfxDispArgs&, size_t) {}
};
template <class T>
struct AfxDispSync<T*, std::enable_if_t<std::is_arithmetic<T>::value && !std::is_const<T>::value>> {
  static void Run(AfxDispArgs& args, size_t i) { args.StoreScalar<T>(i); }
};

// How a result becomes a VARIANT ----------------------------------------------
// BSTR, IDispatch*, IUnknown* and VARIANT results hand their ownership (one
// reference, the string, the variant) to the caller.

template <class R, class = void>
struct AfxDispResult;

template <class R>
struct AfxDispResult<R, std::enable_if_t<std::is_arithmetic<R>::value>> {
  static HRESULT Store(R value, VARTYPE vt, VARIANT* pResult) {
    VARIANT v;
    VariantInit(&v);
    if (std::is_same<R, bool>::value) {
      V_VT(&v) = VT_BOOL;
      V_BOOL(&v) = value ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (std::is_floating_point<R>::value) {
      V_VT(&v) = VT_R8;
      V_R8(&v) = static_cast<double>(value);
    } else if (sizeof(R) == 8) {
      V_VT(&v) = std::is_signed<R>::value ? VT_I8 : VT_UI8;
      V_I8(&v) = static_cast<LONGLONG>(value);
    } else if (std::is_signed<R>::value) {
      V_VT(&v) = VT_I4;
      V_I4(&v) = static_cast<LONG>(value);
    } else {
      V_VT(&v) = VT_UI4;
      V_UI4(&v) = static_cast<ULONG>(value);
    }
    return AfxDispStoreResult(v, vt, pResult);
  }
};
template <>
struct AfxDispResult<BSTR> {
  static HRESULT Store(BSTR value, VARTYPE vt, VARIANT* pResult) {
    VARIANT v;
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = value;
    return AfxDispStoreResult(v, vt, pResult);
  }
};
template <>
struct AfxDispResult<const char*> {
  static HRESULT Store(LPCSTR value, VARTYPE vt, VARIANT* pResult) {
    return AfxDispResult<BSTR>::Store(AfxDispAllocString(value), vt, pResult);
  }
};
template <>
struct AfxDispResult<char*> : AfxDispResult<const char*> {};
template <>
struct AfxDispResult<CString> {
  static HRESULT Store(const CString& value, VARTYPE vt, VARIANT* pResult) {
    return AfxDispResult<BSTR>::Store(AfxDispAllocString(value), vt, pResult);
  }
};
template <>
struct AfxDispResult<IDispatch*> {
  static HRESULT Store(IDispatch* value, VARTYPE vt, VARIANT* pResult) {
    VARIANT v;
    V_VT(&v) = VT_DISPATCH;
    V_DISPATCH(&v) = value;
    return AfxDispStoreResult(v, vt, pResult);
  }
};
template <>
struct AfxDispResult<IUnknown*> {
  static HRESULT Store(IUnknown* value, VARTYPE vt, VARIANT* pResult) {
    VARIANT v;
    V_VT(&v) = VT_UNKNOWN;
    V_UNKNOWN(&v) = value;
    return AfxDispStoreResult(v, vt, pResult);
  }
};
template <>
struct AfxDispResult<VARIANT> {
  static HRESULT Store(VARIANT value, VARTYPE vt, VARIANT* pResult) {
    return AfxDispStoreResult(value, vt, pResult);
  }
};

template <class T>
void AfxDispArgs::StoreScalar(size_t i) {
  VARIANT v;
  VariantInit(&v);
  if (FAILED(AfxDispResult<T>::Store(*Scalar<T>(i), V_VT(&m_values[i]), &v))) return;
  VariantClear(&m_values[i]);
  m_values[i] = v;
}

// Thunks ------------------------------------------------------------------------

template <class Member, class C, class R, class... A>
struct AfxDispCaller {
  static HRESULT Run(CCmdTarget* pTarget, const AFX_DISPMAP_ENTRY& e, AFX_DISPCALL& call) {
    AfxDispArgs args;
    HRESULT hr = args.Prepare(call, e.lpszParams);
    if (FAILED(hr)) return hr;
    return Call(static_cast<C*>(pTarget), reinterpret_cast<Member>(e.pfn), args, e.vt, call.pResult,
                std::index_sequence_for<A...>());
  }

  template <size_t... I>
  static HRESULT Call(C* pThis, Member pmf, AfxDispArgs& args, VARTYPE vt, VARIANT* pResult,
                      std::index_sequence<I...>) {
    (void)args;
    if constexpr (std::is_void<R>::value) {
      (pThis->*pmf)(AfxDispArgOf<A>::Get(args, I)...);
      WriteBack<I...>(args);
      return S_OK;
    } else {
      std::decay_t<R> result = (pThis->*pmf)(AfxDispArgOf<A>::Get(args, I)...);
      WriteBack<I...>(args);
      return AfxDispResult<std::decay_t<R>>::Store(result, vt, pResult);
    }
  }

  template <size_t... I>
  static void WriteBack(AfxDispArgs& args) {
    (AfxDispSync<std::remove_cv_t<std::remove_reference_t<A>>>::Run(args, I), ...);
    args.WriteBack();
  }
};

/// Calls a method (or a property getter) through its member-function type.
template <class Member>
struct AfxDispMethodThunk;
template <class C, class R, class... A>
struct AfxDispMethodThunk<R (C::*)(A...)> : AfxDispCaller<R (C::*)(A...), C, R, A...> {
  static constexpr size_t nArgs = sizeof...(A);
};
template <class C, class R, class... A>
struct AfxDispMethodThunk<R (C::*)(A...) const> : AfxDispCaller<R (C::*)(A...) const, C, R, A...> {
  static constexpr size_t nArgs = sizeof...(A);
};

/// Calls a property setter with the put value.
template <class C, class A>
struct AfxDispSetterThunk {
  static HRESULT Run(CCmdTarget* pTarget, const AFX_DISPMAP_ENTRY& e, AFX_DISPCALL& call) {
    AfxDispArgs args;
    HRESULT hr = args.PrepareValue(call, e.vt);
    if (FAILED(hr)) return hr;
    typedef void (C::*Setter)(A);
    (static_cast<C*>(pTarget)->*reinterpret_cast<Setter>(e.pfnSetMember))(
        AfxDispArgOf<A>::Get(args, 0));
    return S_OK;
  }
};

/// Reads and writes a member variable, then calls its notification if any.
template <class C, class T>
struct AfxDispVarThunk {
  static_assert(std::is_arithmetic<T>::value || std::is_same<T, CString>::value,
                "DISP_PROPERTY binds numbers and CString members");

  static T& Var(CCmdTarget* pTarget, const AFX_DISPMAP_ENTRY& e) {
    return *reinterpret_cast<T*>(reinterpret_cast<BYTE*>(static_cast<C*>(pTarget)) + e.nPropOffset);
  }
  static HRESULT Get(CCmdTarget* pTarget, const AFX_DISPMAP_ENTRY& e, AFX_DISPCALL& call) {
    return AfxDispResult<T>::Store(Var(pTarget, e), e.vt, call.pResult);
  }
  static HRESULT Set(CCmdTarget* pTarget, const AFX_DISPMAP_ENTRY& e, AFX_DISPCALL& call) {
    AfxDispArgs args;
    HRESULT hr = args.PrepareValue(call, e.vt);
    if (FAILED(hr)) return hr;
    Var(pTarget, e) = AfxDispArg<T>::Get(args, 0);
    if (e.pfnSetMember) {
      typedef void (C::*Notify)();
      (static_cast<C*>(pTarget)->*reinterpret_cast<Notify>(e.pfnSetMember))();
    }
    return S_OK;
  }
};

// Entry builders -------------------------------------------------------------------

struct AfxDispBinding {
  AFX_DISPTHUNK pfnThunk;
  AFX_PMSG pfn;
};

template <class C, class R>
AfxDispBinding AfxDispGetter(R (C::*pfn)()) {
  return {&AfxDispMethodThunk<R (C::*)()>::Run, reinterpret_cast<AFX_PMSG>(pfn)};
}
template <class C, class R>
AfxDispBinding AfxDispGetter(R (C::*pfn)() const) {
  return {&AfxDispMethodThunk<R (C::*)() const>::Run, reinterpret_cast<AFX_PMSG>(pfn)};
}
/// GetNotSupported: a write-only property.
template <class C>
AfxDispBinding AfxDispGetter(void (C::*)()) {
  return {nullptr, nullptr};
}
template <class C, class A>
AfxDispBinding AfxDispSetter(void (C::*pfn)(A)) {
  return {&AfxDispSetterThunk<C, A>::Run, reinterpret_cast<AFX_PMSG>(pfn)};
}
/// SetNotSupported: a read-only property.
template <class C>
AfxDispBinding AfxDispSetter(void (C::*)()) {
  return {nullptr, nullptr};
}

template <size_t nParams, class Member>
AFX_DISPMAP_ENTRY AfxDispFunctionEntry(LPCSTR lpszName, DISPID id, Member pfn, VARTYPE vt,
                                       LPCSTR lpszParams) {
  static_assert(AfxDispMethodThunk<Member>::nArgs == nParams,
                "the VTS_ list and the member function differ in their number of parameters");
  return {lpszName,      id,
          lpszParams,    vt,
          afxDispMethod, &AfxDispMethodThunk<Member>::Run,
          nullptr,       reinterpret_cast<AFX_PMSG>(pfn),
          nullptr,       0};
}

inline AFX_DISPMAP_ENTRY AfxDispPropertyEntry(LPCSTR lpszName, DISPID id, AfxDispBinding get,
                                              AfxDispBinding set, VARTYPE vt) {
  return {lpszName,     id,           VTS_NONE, vt,      afxDispProperty,
          get.pfnThunk, set.pfnThunk, get.pfn,  set.pfn, 0};
}

template <class C, class T>
AFX_DISPMAP_ENTRY AfxDispVarEntry(LPCSTR lpszName, DISPID id, size_t nOffset, AFX_PMSG pfnNotify,
                                  VARTYPE vt) {
  return {lpszName,
          id,
          VTS_NONE,
          vt,
          afxDispProperty,
          &AfxDispVarThunk<C, T>::Get,
          &AfxDispVarThunk<C, T>::Set,
          nullptr,
          pfnNotify,
          nOffset};
}

inline AFX_DISPMAP_ENTRY AfxDispEndEntry() {
  return {nullptr, DISPID_UNKNOWN, nullptr, VT_EMPTY, afxDispEnd,
          nullptr, nullptr,        nullptr, nullptr,  0};
}

// The entry macros -------------------------------------------------------------------

#define DISP_FUNCTION_ID(theClass, szExternalName, dispid, pfnMember, vtRetVal, vtsParams)  \
  AfxDispFunctionEntry<sizeof(vtsParams) - 1>(szExternalName, dispid, &theClass::pfnMember, \
                                              vtRetVal, vtsParams),
#define DISP_FUNCTION(theClass, szExternalName, pfnMember, vtRetVal, vtsParams) \
  DISP_FUNCTION_ID(theClass, szExternalName, DISPID_UNKNOWN, pfnMember, vtRetVal, vtsParams)

#define DISP_PROPERTY_EX_ID(theClass, szExternalName, dispid, pfnGet, pfnSet, vtPropType) \
  AfxDispPropertyEntry(szExternalName, dispid, AfxDispGetter(&theClass::pfnGet),          \
                       AfxDispSetter(&theClass::pfnSet), vtPropType),
#define DISP_PROPERTY_EX(theClass, szExternalName, pfnGet, pfnSet, vtPropType) \
  DISP_PROPERTY_EX_ID(theClass, szExternalName, DISPID_UNKNOWN, pfnGet, pfnSet, vtPropType)

#define DISP_PROPERTY_NOTIFY_ID(theClass, szExternalName, dispid, memberName, pfnAfterSet,   \
                                vtPropType)                                                  \
  AfxDispVarEntry<theClass, decltype(theClass::memberName)>(                                 \
      szExternalName, dispid, offsetof(theClass, memberName),                                \
      reinterpret_cast<AFX_PMSG>(static_cast<void (theClass::*)()>(&theClass::pfnAfterSet)), \
      vtPropType),
#define DISP_PROPERTY_NOTIFY(theClass, szExternalName, memberName, pfnAfterSet, vtPropType)  \
  DISP_PROPERTY_NOTIFY_ID(theClass, szExternalName, DISPID_UNKNOWN, memberName, pfnAfterSet, \
                          vtPropType)

#define DISP_PROPERTY_ID(theClass, szExternalName, dispid, memberName, vtPropType) \
  AfxDispVarEntry<theClass, decltype(theClass::memberName)>(                       \
      szExternalName, dispid, offsetof(theClass, memberName), nullptr, vtPropType),
#define DISP_PROPERTY(theClass, szExternalName, memberName, vtPropType) \
  DISP_PROPERTY_ID(theClass, szExternalName, DISPID_UNKNOWN, memberName, vtPropType)
