// Conversions between narrow (ANSI code page) and wide text. The classes own
// their result; the macros put it on the caller's stack, so it lives until the
// calling function returns (USES_CONVERSION is kept for code that names it).
#pragma once

#include "afxstr.h"
#include <malloc.h>

/// Converts narrow text to wide; null stays null.
class CA2W {
 public:
  CA2W(LPCSTR psz) : m_null(psz == nullptr), m_s(psz) {}
  CA2W(LPCSTR psz, UINT nCodePage) : CA2W(psz) { (void)nCodePage; }
  operator LPWSTR() const { return m_null ? nullptr : const_cast<LPWSTR>(m_s.GetString()); }

 private:
  bool m_null;
  CStringW m_s;
};

/// Converts wide text to narrow; null stays null.
class CW2A {
 public:
  CW2A(LPCWSTR psz) : m_null(psz == nullptr), m_s(psz) {}
  CW2A(LPCWSTR psz, UINT nCodePage) : CW2A(psz) { (void)nCodePage; }
  operator LPSTR() const { return m_null ? nullptr : const_cast<LPSTR>(m_s.GetString()); }

 private:
  bool m_null;
  CStringA m_s;
};

/// Same-width "conversion": the text itself.
template <typename T>
class CAfxNoConvert {
 public:
  CAfxNoConvert(const T* psz) : m_psz(const_cast<T*>(psz)) {}
  operator T*() const { return m_psz; }

 private:
  T* m_psz;
};

typedef CA2W CA2CW;
typedef CW2A CW2CA;
typedef CAfxNoConvert<char> CA2A, CA2CA, CA2T, CA2CT, CT2A, CT2CA, CT2T, CT2CT;
typedef CAfxNoConvert<wchar_t> CW2W, CW2CW;
typedef CA2W CT2W, CT2CW, CT2OLE, CT2COLE;
typedef CW2A CW2T, CW2CT, COLE2T, COLE2CT;

/// Writes the conversion of `src` into `dst` of `cch` characters and returns it.
LPWSTR AFXAPI AfxA2WHelper(LPWSTR dst, LPCSTR src, int cch);
LPSTR AFXAPI AfxW2AHelper(LPSTR dst, LPCWSTR src, int cch);

#define USES_CONVERSION \
  int _convert = 0;     \
  (void)_convert
#define A2W(lpa)                                                                                  \
  ({                                                                                              \
    LPCSTR _lpa = (lpa);                                                                          \
    int _cch = _lpa ? MultiByteToWideChar(CP_ACP, 0, _lpa, -1, nullptr, 0) : 0;                   \
    _lpa ? AfxA2WHelper(static_cast<LPWSTR>(alloca(_cch * sizeof(WCHAR))), _lpa, _cch) : nullptr; \
  })
#define W2A(lpw)                                                                                  \
  ({                                                                                              \
    LPCWSTR _lpw = (lpw);                                                                         \
    int _cch = _lpw ? WideCharToMultiByte(CP_ACP, 0, _lpw, -1, nullptr, 0, nullptr, nullptr) : 0; \
    _lpw ? AfxW2AHelper(static_cast<LPSTR>(alloca(_cch)), _lpw, _cch) : nullptr;                  \
  })
#define A2CW(lpa) ((LPCWSTR)A2W(lpa))
#define W2CA(lpw) ((LPCSTR)W2A(lpw))
#define T2W(lpt) A2W(lpt)
#define T2CW(lpt) A2CW(lpt)
#define W2T(lpw) W2A(lpw)
#define W2CT(lpw) W2CA(lpw)
#define A2T(lpa) ((LPSTR)(lpa))
#define A2CT(lpa) ((LPCSTR)(lpa))
#define T2A(lpt) ((LPSTR)(lpt))
#define T2CA(lpt) ((LPCSTR)(lpt))
#define T2OLE(lpt) T2W(lpt)
#define T2COLE(lpt) T2CW(lpt)
#define OLE2T(lpo) W2T(lpo)
#define OLE2CT(lpo) W2CT(lpo)
