// CStringT: the layer's counted string over char (CStringA, CString) and
// wchar_t (CStringW), with the usual MFC members and semantics.
#pragma once

#include "afxdiag.h"
#include <oleauto.h>
#include <stdarg.h>
#include <string>

/// Character operations that differ between the narrow and the wide string.
template <typename T>
struct AfxStrTraits;

template <>
struct AfxStrTraits<char> {
  typedef wchar_t OtherChar;
  static int Length(const char* p) { return p ? lstrlenA(p) : 0; }
  static int Compare(const char* a, const char* b);
  static int CompareNoCase(const char* a, const char* b);
  static int Collate(const char* a, const char* b);
  static int CollateNoCase(const char* a, const char* b);
  static void Upper(char* p, int n);
  static void Lower(char* p, int n);
  static bool IsSpace(char c);
  static int FormattedLength(const char* fmt, va_list args);
  static void FormatInto(char* buf, int n, const char* fmt, va_list args);
  /// Characters the other form needs for `src` of `n` characters (no terminator).
  static int ConvertedLength(const wchar_t* src, int n);
  static void Convert(char* dst, int cch, const wchar_t* src, int n);
};

template <>
struct AfxStrTraits<wchar_t> {
  typedef char OtherChar;
  static int Length(const wchar_t* p) { return p ? lstrlenW(p) : 0; }
  static int Compare(const wchar_t* a, const wchar_t* b);
  static int CompareNoCase(const wchar_t* a, const wchar_t* b);
  static int Collate(const wchar_t* a, const wchar_t* b);
  static int CollateNoCase(const wchar_t* a, const wchar_t* b);
  static void Upper(wchar_t* p, int n);
  static void Lower(wchar_t* p, int n);
  static bool IsSpace(wchar_t c);
  static int FormattedLength(const wchar_t* fmt, va_list args);
  static void FormatInto(wchar_t* buf, int n, const wchar_t* fmt, va_list args);
  static int ConvertedLength(const char* src, int n);
  static void Convert(wchar_t* dst, int cch, const char* src, int n);
};

/// Loads string-table entry `nID` as UTF-16 from the module that holds it;
/// false when there is none.
bool AfxLoadStringW(UINT nID, std::wstring& out);
bool AfxLoadStringW(HINSTANCE hInstance, UINT nID, std::wstring& out);

/// A string of `T` characters with value semantics. Positions are zero-based,
/// searches return -1 when nothing is found, and Mid/Left/Right clamp their
/// arguments to the string instead of failing. Pass it to printf-style
/// functions as `(LPCTSTR)s` or `s.GetString()`.
template <typename T>
class CStringT {
 public:
  typedef T XCHAR;
  typedef T* PXSTR;
  typedef const T* PCXSTR;
  typedef typename AfxStrTraits<T>::OtherChar YCHAR;
  typedef YCHAR* PYSTR;
  typedef const YCHAR* PCYSTR;

  CStringT() {}
  CStringT(const CStringT& s) : m_str(s.m_str) {}
  CStringT(CStringT&& s) noexcept : m_str(std::move(s.m_str)) {}
  /// A MAKEINTRESOURCE value loads that string-table entry.
  CStringT(PCXSTR psz) { operator=(psz); }
  CStringT(PCYSTR psz) { operator=(psz); }
  CStringT(const CStringT<YCHAR>& s) { AssignOther(s.GetString(), s.GetLength()); }
  CStringT(PCXSTR pch, int nLength) : m_str(pch, pch + (nLength > 0 ? nLength : 0)) {}
  CStringT(PCYSTR pch, int nLength) { AssignOther(pch, nLength); }
  CStringT(const unsigned char* psz) : CStringT(reinterpret_cast<const char*>(psz)) {}
  explicit CStringT(T ch, int nRepeat = 1) : m_str(nRepeat > 0 ? nRepeat : 0, ch) {}

  CStringT& operator=(const CStringT& s) {
    m_str = s.m_str;
    return *this;
  }
  CStringT& operator=(CStringT&& s) noexcept {
    m_str = std::move(s.m_str);
    return *this;
  }
  CStringT& operator=(PCXSTR psz) {
    if (psz != nullptr && IS_INTRESOURCE(psz)) {
      LoadString(LOWORD(reinterpret_cast<ULONG_PTR>(psz)));
    } else {
      m_str.assign(psz ? psz : EmptyLiteral());
    }
    return *this;
  }
  CStringT& operator=(PCYSTR psz) {
    AssignOther(psz, AfxStrTraits<YCHAR>::Length(psz));
    return *this;
  }
  CStringT& operator=(const CStringT<YCHAR>& s) {
    AssignOther(s.GetString(), s.GetLength());
    return *this;
  }
  CStringT& operator=(T ch) {
    m_str.assign(1, ch);
    return *this;
  }

  CStringT& operator+=(const CStringT& s) {
    m_str += s.m_str;
    return *this;
  }
  CStringT& operator+=(PCXSTR psz) {
    if (psz) m_str += psz;
    return *this;
  }
  CStringT& operator+=(PCYSTR psz) { return operator+=(CStringT(psz)); }
  CStringT& operator+=(T ch) {
    m_str += ch;
    return *this;
  }

  int GetLength() const { return static_cast<int>(m_str.size()); }
  int GetAllocLength() const { return static_cast<int>(m_str.capacity()); }
  bool IsEmpty() const { return m_str.empty(); }
  void Empty() { m_str.clear(); }
  PCXSTR GetString() const { return m_str.c_str(); }
  operator PCXSTR() const { return m_str.c_str(); }
  T GetAt(int i) const {
    CheckIndex(i, false);
    return m_str[i];
  }
  T operator[](int i) const {
    CheckIndex(i, true);
    return m_str[i];
  }
  void SetAt(int i, T ch) {
    CheckIndex(i, false);
    m_str[i] = ch;
  }
  void Append(PCXSTR psz) { operator+=(psz); }
  void Append(PCXSTR pch, int n) {
    if (pch && n > 0) m_str.append(pch, n);
  }
  void Append(const CStringT& s) { m_str += s.m_str; }
  void AppendChar(T ch) { m_str += ch; }
  void Truncate(int n) {
    if (n >= 0 && n < GetLength()) m_str.resize(n);
  }
  void Preallocate(int n) {
    if (n > 0) m_str.reserve(n);
  }
  void FreeExtra() { m_str.shrink_to_fit(); }
  void SetString(PCXSTR pch, int n) { m_str.assign(pch, pch + (n > 0 ? n : 0)); }

  /// Ordinal comparisons (<0, 0, >0), as the run-time's strcmp/_stricmp.
  int Compare(PCXSTR psz) const { return AfxStrTraits<T>::Compare(GetString(), Safe(psz)); }
  int CompareNoCase(PCXSTR psz) const {
    return AfxStrTraits<T>::CompareNoCase(GetString(), Safe(psz));
  }
  /// Locale-aware comparisons.
  int Collate(PCXSTR psz) const { return AfxStrTraits<T>::Collate(GetString(), Safe(psz)); }
  int CollateNoCase(PCXSTR psz) const {
    return AfxStrTraits<T>::CollateNoCase(GetString(), Safe(psz));
  }

  CStringT Mid(int iFirst) const { return Mid(iFirst, GetLength()); }
  CStringT Mid(int iFirst, int nCount) const {
    iFirst = iFirst < 0 ? 0 : (iFirst > GetLength() ? GetLength() : iFirst);
    nCount = nCount < 0 ? 0 : (nCount > GetLength() - iFirst ? GetLength() - iFirst : nCount);
    return CStringT(GetString() + iFirst, nCount);
  }
  CStringT Left(int n) const { return Mid(0, n); }
  CStringT Right(int n) const {
    n = n < 0 ? 0 : (n > GetLength() ? GetLength() : n);
    return Mid(GetLength() - n, n);
  }
  CStringT SpanIncluding(PCXSTR set) const {
    return Left(EndIfNone(m_str.find_first_not_of(Safe(set))));
  }
  CStringT SpanExcluding(PCXSTR set) const {
    return Left(EndIfNone(m_str.find_first_of(Safe(set))));
  }

  CStringT& MakeUpper() {
    AfxStrTraits<T>::Upper(&m_str[0], GetLength());
    return *this;
  }
  CStringT& MakeLower() {
    AfxStrTraits<T>::Lower(&m_str[0], GetLength());
    return *this;
  }
  CStringT& MakeReverse() {
    m_str.assign(m_str.rbegin(), m_str.rend());
    return *this;
  }

  CStringT& TrimLeft() {
    return TrimLeftIf([](T c) { return AfxStrTraits<T>::IsSpace(c); });
  }
  CStringT& TrimLeft(T ch) {
    return TrimLeftIf([ch](T c) { return c == ch; });
  }
  CStringT& TrimLeft(PCXSTR set) {
    return TrimLeftIf([set](T c) { return InSet(set, c); });
  }
  CStringT& TrimRight() {
    return TrimRightIf([](T c) { return AfxStrTraits<T>::IsSpace(c); });
  }
  CStringT& TrimRight(T ch) {
    return TrimRightIf([ch](T c) { return c == ch; });
  }
  CStringT& TrimRight(PCXSTR set) {
    return TrimRightIf([set](T c) { return InSet(set, c); });
  }
  CStringT& Trim() { return TrimRight().TrimLeft(); }
  CStringT& Trim(T ch) { return TrimRight(ch).TrimLeft(ch); }
  CStringT& Trim(PCXSTR set) { return TrimRight(set).TrimLeft(set); }

  int Find(T ch, int iStart = 0) const {
    return Found(iStart > GetLength() ? npos() : m_str.find(ch, Start(iStart)));
  }
  int Find(PCXSTR psz, int iStart = 0) const {
    return Found(iStart > GetLength() ? npos() : m_str.find(Safe(psz), Start(iStart)));
  }
  int ReverseFind(T ch) const { return Found(m_str.rfind(ch)); }
  int FindOneOf(PCXSTR set) const { return Found(m_str.find_first_of(Safe(set))); }

  /// Returns the number of replacements; an empty `pszOld` replaces nothing.
  int Replace(T chOld, T chNew);
  int Replace(PCXSTR pszOld, PCXSTR pszNew);
  /// Returns the number of characters removed.
  int Remove(T ch);
  /// Returns the new length; `i` is clamped to the string.
  int Insert(int i, T ch) { return Insert(i, CStringT(ch)); }
  int Insert(int i, PCXSTR psz) {
    i = i < 0 ? 0 : (i > GetLength() ? GetLength() : i);
    m_str.insert(i, Safe(psz));
    return GetLength();
  }
  /// Returns the new length.
  int Delete(int i, int nCount = 1) {
    if (i < 0) i = 0;
    if (i < GetLength() && nCount > 0) m_str.erase(i, nCount);
    return GetLength();
  }
  /// The next token after `iStart` (leading delimiters skipped); sets `iStart`
  /// past it, or to -1 with an empty result when no token is left.
  CStringT Tokenize(PCXSTR pszTokens, int& iStart) const;

  void __cdecl Format(PCXSTR pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
  }
  void __cdecl Format(UINT nFormatID, ...) {
    CStringT fmt;
    fmt.LoadString(nFormatID);
    va_list args;
    va_start(args, nFormatID);
    FormatV(fmt, args);
    va_end(args);
  }
  void __cdecl AppendFormat(PCXSTR pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    CStringT s;
    s.FormatV(pszFormat, args);
    va_end(args);
    m_str += s.m_str;
  }
  void FormatV(PCXSTR pszFormat, va_list args);
  /// Replaces the text with string-table entry `nID`; false (text emptied) when missing.
  BOOL LoadString(UINT nID);
  BOOL LoadString(HINSTANCE hInstance, UINT nID);

  /// A writable buffer of at least `nMinLength` characters plus terminator;
  /// call ReleaseBuffer before using the string again.
  PXSTR GetBuffer() { return &m_str[0]; }
  PXSTR GetBuffer(int nMinLength) {
    if (nMinLength > GetLength()) m_str.resize(nMinLength);
    return &m_str[0];
  }
  PXSTR GetBufferSetLength(int nLength) {
    m_str.resize(nLength > 0 ? nLength : 0);
    return &m_str[0];
  }
  /// Length -1 means up to the first NUL in the buffer.
  void ReleaseBuffer(int nNewLength = -1) {
    if (nNewLength < 0) nNewLength = AfxStrTraits<T>::Length(m_str.c_str());
    m_str.resize(nNewLength);
  }
  void ReleaseBufferSetLength(int nNewLength) { ReleaseBuffer(nNewLength); }
  PXSTR LockBuffer() { return &m_str[0]; }
  void UnlockBuffer() {}

  /// A BSTR of the text (converted to UTF-16); the caller frees it.
  BSTR AllocSysString() const;
  BSTR SetSysString(BSTR* pbstr) const;

  friend CStringT operator+(const CStringT& a, const CStringT& b) {
    CStringT r(a);
    r += b;
    return r;
  }
  friend CStringT operator+(const CStringT& a, PCXSTR b) {
    CStringT r(a);
    r += b;
    return r;
  }
  friend CStringT operator+(PCXSTR a, const CStringT& b) {
    CStringT r(a);
    r += b;
    return r;
  }
  friend CStringT operator+(const CStringT& a, T b) {
    CStringT r(a);
    r += b;
    return r;
  }
  friend CStringT operator+(T a, const CStringT& b) {
    CStringT r(a);
    r += b;
    return r;
  }
  friend bool operator==(const CStringT& a, const CStringT& b) { return a.m_str == b.m_str; }
  friend bool operator==(const CStringT& a, PCXSTR b) { return a.Compare(b) == 0; }
  friend bool operator==(PCXSTR a, const CStringT& b) { return b.Compare(a) == 0; }
  friend bool operator!=(const CStringT& a, const CStringT& b) { return !(a == b); }
  friend bool operator!=(const CStringT& a, PCXSTR b) { return !(a == b); }
  friend bool operator!=(PCXSTR a, const CStringT& b) { return !(a == b); }
  friend bool operator<(const CStringT& a, const CStringT& b) { return a.Compare(b) < 0; }
  friend bool operator<(const CStringT& a, PCXSTR b) { return a.Compare(b) < 0; }
  friend bool operator<(PCXSTR a, const CStringT& b) { return b.Compare(a) > 0; }
  friend bool operator>(const CStringT& a, const CStringT& b) { return a.Compare(b) > 0; }
  friend bool operator>(const CStringT& a, PCXSTR b) { return a.Compare(b) > 0; }
  friend bool operator>(PCXSTR a, const CStringT& b) { return b.Compare(a) < 0; }
  friend bool operator<=(const CStringT& a, const CStringT& b) { return a.Compare(b) <= 0; }
  friend bool operator<=(const CStringT& a, PCXSTR b) { return a.Compare(b) <= 0; }
  friend bool operator<=(PCXSTR a, const CStringT& b) { return b.Compare(a) >= 0; }
  friend bool operator>=(const CStringT& a, const CStringT& b) { return a.Compare(b) >= 0; }
  friend bool operator>=(const CStringT& a, PCXSTR b) { return a.Compare(b) >= 0; }
  friend bool operator>=(PCXSTR a, const CStringT& b) { return b.Compare(a) <= 0; }

 private:
  static PCXSTR EmptyLiteral() {
    static const T empty[1] = {0};
    return empty;
  }
  static PCXSTR Safe(PCXSTR p) { return p ? p : EmptyLiteral(); }
  static size_t npos() { return std::basic_string<T>::npos; }
  static size_t Start(int i) { return i < 0 ? 0 : static_cast<size_t>(i); }
  static int Found(size_t pos) { return pos == npos() ? -1 : static_cast<int>(pos); }
  int EndIfNone(size_t pos) const { return pos == npos() ? GetLength() : static_cast<int>(pos); }
  static bool InSet(PCXSTR set, T c) {
    for (; set && *set; ++set)
      if (*set == c) return true;
    return false;
  }
  void CheckIndex(int i, bool allowEnd) const {
    if (i < 0 || i > GetLength() || (i == GetLength() && !allowEnd)) AfxThrowInvalidArgException();
  }
  template <typename Pred>
  CStringT& TrimLeftIf(Pred p) {
    size_t i = 0;
    while (i < m_str.size() && p(m_str[i])) ++i;
    m_str.erase(0, i);
    return *this;
  }
  template <typename Pred>
  CStringT& TrimRightIf(Pred p) {
    size_t n = m_str.size();
    while (n > 0 && p(m_str[n - 1])) --n;
    m_str.resize(n);
    return *this;
  }
  void AssignOther(PCYSTR pch, int n) {
    if (pch == nullptr || n <= 0) {
      m_str.clear();
      return;
    }
    int cch = AfxStrTraits<T>::ConvertedLength(pch, n);
    m_str.resize(cch);
    if (cch > 0) AfxStrTraits<T>::Convert(&m_str[0], cch, pch, n);
  }

  std::basic_string<T> m_str;
};

template <typename T>
int CStringT<T>::Replace(T chOld, T chNew) {
  int n = 0;
  for (T& c : m_str) {
    if (c == chOld) {
      c = chNew;
      ++n;
    }
  }
  return n;
}

template <typename T>
int CStringT<T>::Replace(PCXSTR pszOld, PCXSTR pszNew) {
  int nOld = AfxStrTraits<T>::Length(pszOld);
  if (nOld == 0) return 0;
  int nNew = AfxStrTraits<T>::Length(pszNew);
  int n = 0;
  for (size_t pos = m_str.find(pszOld); pos != npos(); pos = m_str.find(pszOld, pos + nNew), ++n)
    m_str.replace(pos, nOld, Safe(pszNew));
  return n;
}

template <typename T>
int CStringT<T>::Remove(T ch) {
  int before = GetLength();
  size_t out = 0;
  for (T c : m_str)
    if (c != ch) m_str[out++] = c;
  m_str.resize(out);
  return before - GetLength();
}

template <typename T>
CStringT<T> CStringT<T>::Tokenize(PCXSTR pszTokens, int& iStart) const {
  if (iStart >= 0 && iStart < GetLength()) {
    if (pszTokens == nullptr || *pszTokens == 0) {
      CStringT rest = Mid(iStart);
      iStart = GetLength();
      return rest;
    }
    size_t from = m_str.find_first_not_of(pszTokens, iStart);
    if (from != npos()) {
      size_t to = m_str.find_first_of(pszTokens, from);
      if (to == npos()) to = m_str.size();
      iStart = static_cast<int>(to) + 1;
      return Mid(static_cast<int>(from), static_cast<int>(to - from));
    }
  }
  iStart = -1;
  return CStringT();
}

template <typename T>
void CStringT<T>::FormatV(PCXSTR pszFormat, va_list args) {
  va_list copy;
  va_copy(copy, args);
  int n = AfxStrTraits<T>::FormattedLength(Safe(pszFormat), copy);
  va_end(copy);
  if (n < 0) AfxThrowInvalidArgException();
  std::basic_string<T> text(n, T(0));
  AfxStrTraits<T>::FormatInto(&text[0], n + 1, Safe(pszFormat), args);
  m_str.swap(text);
}

template <typename T>
BOOL CStringT<T>::LoadString(UINT nID) {
  std::wstring text;
  bool found = AfxLoadStringW(nID, text);
  *this = CStringT<wchar_t>(text.c_str(), static_cast<int>(text.size()));
  return found;
}

template <typename T>
BOOL CStringT<T>::LoadString(HINSTANCE hInstance, UINT nID) {
  std::wstring text;
  bool found = AfxLoadStringW(hInstance, nID, text);
  *this = CStringT<wchar_t>(text.c_str(), static_cast<int>(text.size()));
  return found;
}

template <typename T>
BSTR CStringT<T>::AllocSysString() const {
  CStringT<wchar_t> w(*this);
  BSTR b = ::SysAllocStringLen(w.GetString(), w.GetLength());
  if (b == nullptr) AfxThrowInvalidArgException();
  return b;
}

template <typename T>
BSTR CStringT<T>::SetSysString(BSTR* pbstr) const {
  CStringT<wchar_t> w(*this);
  if (!::SysReAllocStringLen(pbstr, w.GetString(), w.GetLength())) AfxThrowInvalidArgException();
  return *pbstr;
}

typedef CStringT<char> CStringA;
typedef CStringT<wchar_t> CStringW;
typedef CStringA CString;

/// Substring iSubString (from 0) of lpszFullString cut at chSep; FALSE (and
/// an empty rString) when the text has fewer substrings.
BOOL AFXAPI AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString,
                                TCHAR chSep = '\n');
