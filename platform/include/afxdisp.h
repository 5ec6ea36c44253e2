// OLE automation support of the class layer: the OLE exceptions, VARIANT and
// DATE wrappers. The dispatch maps themselves are in afxcmdtarget.h and
// afxdispmap.h.
#pragma once

#include "afxwin.h"

#include <time.h>

class COleDateTime;
class COleDateTimeSpan;

typedef const VARIANT* LPCVARIANT;

/// Lets windows host OLE controls (CWnd::CreateControl) from now on, for the
/// whole process.
void AFXAPI AfxEnableControlContainer();

/// A failed OLE call, carrying its SCODE.
class COleException : public CException {
  DECLARE_DYNAMIC(COleException)
 public:
  explicit COleException(SCODE sc = S_OK) : m_sc(sc) {}
  /// The system's text for the SCODE.
  BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;
  /// The SCODE that best describes any exception.
  static SCODE PASCAL Process(const CException* pAnyException);

  SCODE m_sc;
};

/// An error that an automation member reports to its caller: Invoke answers
/// DISP_E_EXCEPTION and puts these fields into the EXCEPINFO.
class COleDispatchException : public CException {
  DECLARE_DYNAMIC(COleDispatchException)
 public:
  COleDispatchException(LPCSTR lpszDescription, UINT nHelpID, WORD wCode);
  BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;

  WORD m_wCode;  // the error's code; 0 means m_scError says it
  DWORD m_dwHelpContext;
  CString m_strHelpFile;
  CString m_strDescription;
  CString m_strSource;
  SCODE m_scError;
};

[[noreturn]] void AFXAPI AfxThrowOleException(SCODE sc);
[[noreturn]] void AFXAPI AfxThrowOleDispatchException(WORD wCode, LPCSTR lpszDescription,
                                                      UINT nHelpID = 0);
/// The description is string-table entry `nDescriptionID`.
[[noreturn]] void AFXAPI AfxThrowOleDispatchException(WORD wCode, UINT nDescriptionID,
                                                      UINT nHelpID = (UINT)-1);

/// A VARIANT that clears itself. Failed conversions throw COleException.
class COleVariant : public tagVARIANT {
 public:
  COleVariant() { VariantInit(this); }
  ~COleVariant() { VariantClear(this); }
  COleVariant(const VARIANT& varSrc);
  COleVariant(LPCVARIANT pSrc);
  COleVariant(const COleVariant& varSrc);
  /// A VT_BSTR of the narrow text.
  COleVariant(LPCSTR lpszSrc);
  COleVariant(LPCWSTR lpszSrc);
  COleVariant(const CString& strSrc);
  COleVariant(BYTE nSrc);
  /// vtSrc VT_I2 or VT_BOOL.
  COleVariant(short nSrc, VARTYPE vtSrc = VT_I2);
  /// vtSrc VT_I4, VT_ERROR or VT_BOOL.
  COleVariant(long lSrc, VARTYPE vtSrc = VT_I4);
  COleVariant(int nSrc, VARTYPE vtSrc = VT_I4);
  COleVariant(LONGLONG nSrc);
  COleVariant(ULONGLONG nSrc);
  COleVariant(float fltSrc);
  /// vtSrc VT_R8 or VT_DATE.
  COleVariant(double dblSrc, VARTYPE vtSrc = VT_R8);
  COleVariant(const COleDateTime& dateSrc);

  const COleVariant& operator=(const VARIANT& varSrc);
  const COleVariant& operator=(LPCVARIANT pSrc);
  const COleVariant& operator=(const COleVariant& varSrc);
  const COleVariant& operator=(LPCSTR lpszSrc);
  const COleVariant& operator=(LPCWSTR lpszSrc);
  const COleVariant& operator=(const CString& strSrc);
  const COleVariant& operator=(BYTE nSrc);
  const COleVariant& operator=(short nSrc);
  const COleVariant& operator=(long lSrc);
  const COleVariant& operator=(int nSrc);
  const COleVariant& operator=(LONGLONG nSrc);
  const COleVariant& operator=(ULONGLONG nSrc);
  const COleVariant& operator=(float fltSrc);
  const COleVariant& operator=(double dblSrc);
  const COleVariant& operator=(const COleDateTime& dateSrc);

  /// Same type and same value (strings compared exactly).
  BOOL operator==(const VARIANT& varSrc) const;
  BOOL operator==(LPCVARIANT pSrc) const { return operator==(*pSrc); }
  BOOL operator!=(const VARIANT& varSrc) const { return !operator==(varSrc); }

  void Clear();
  /// Converts in place, or from `pSrc` when given; throws COleException on failure.
  void ChangeType(VARTYPE vartype, LPVARIANT pSrc = NULL);
  /// Takes over `varSrc`'s value and leaves it VT_EMPTY.
  void Attach(VARIANT& varSrc);
  /// Hands over the value and leaves this VT_EMPTY.
  VARIANT Detach();
  void SetString(LPCSTR lpszSrc, VARTYPE vtSrc);

  operator LPVARIANT() { return this; }
  operator LPCVARIANT() const { return this; }
};

/// Stored as the VARTYPE followed by the value; strings as UTF-16.
CArchive& AFXAPI operator<<(CArchive& ar, COleVariant varSrc);
CArchive& AFXAPI operator>>(CArchive& ar, COleVariant& varSrc);

/// A length of time in days (fractions are the time of day).
class COleDateTimeSpan {
 public:
  enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

  COleDateTimeSpan() : m_span(0), m_status(valid) {}
  COleDateTimeSpan(double dblSpanSrc) : m_span(dblSpanSrc), m_status(valid) {}
  COleDateTimeSpan(long lDays, int nHours, int nMins, int nSecs);

  void SetDateTimeSpan(long lDays, int nHours, int nMins, int nSecs);
  DateTimeSpanStatus GetStatus() const { return m_status; }
  void SetStatus(DateTimeSpanStatus status) { m_status = status; }

  double GetTotalDays() const { return m_span; }
  double GetTotalHours() const { return m_span * 24; }
  double GetTotalMinutes() const { return m_span * 24 * 60; }
  double GetTotalSeconds() const { return m_span * 24 * 60 * 60; }
  /// The parts, rounded to whole seconds and signed like the span.
  LONG GetDays() const;
  LONG GetHours() const;
  LONG GetMinutes() const;
  LONG GetSeconds() const;

  operator double() const { return m_span; }
  COleDateTimeSpan operator+(const COleDateTimeSpan& other) const;
  COleDateTimeSpan operator-(const COleDateTimeSpan& other) const;
  COleDateTimeSpan operator-() const;
  const COleDateTimeSpan& operator+=(const COleDateTimeSpan& other) {
    return *this = *this + other;
  }
  const COleDateTimeSpan& operator-=(const COleDateTimeSpan& other) {
    return *this = *this - other;
  }
  bool operator==(const COleDateTimeSpan& o) const {
    return m_status == o.m_status && m_span == o.m_span;
  }
  bool operator!=(const COleDateTimeSpan& o) const { return !(*this == o); }
  bool operator<(const COleDateTimeSpan& o) const { return m_span < o.m_span; }
  bool operator>(const COleDateTimeSpan& o) const { return m_span > o.m_span; }
  bool operator<=(const COleDateTimeSpan& o) const { return m_span <= o.m_span; }
  bool operator>=(const COleDateTimeSpan& o) const { return m_span >= o.m_span; }

  double m_span;
  DateTimeSpanStatus m_status;

 private:
  LONGLONG TotalRoundedSeconds() const;
};

/// A point in time as an OLE DATE: days since 30 December 1899, the fraction
/// being the time of day (for dates before 1899-12-30 the fraction still
/// counts forward from midnight). Valid for the years 100 to 9999.
class COleDateTime {
 public:
  enum DateTimeStatus { error = -1, valid = 0, invalid = 1, null = 2 };

  static COleDateTime PASCAL GetCurrentTime();

  COleDateTime() : m_dt(0), m_status(valid) {}
  COleDateTime(DATE dtSrc) : m_dt(dtSrc), m_status(valid) {}
  COleDateTime(const VARIANT& varSrc) { *this = varSrc; }
  COleDateTime(__time64_t timeSrc) { *this = timeSrc; }
  COleDateTime(const SYSTEMTIME& systimeSrc) { *this = systimeSrc; }
  COleDateTime(const FILETIME& filetimeSrc) { *this = filetimeSrc; }
  COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) {
    SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
  }

  const COleDateTime& operator=(const VARIANT& varSrc);
  const COleDateTime& operator=(DATE dtSrc);
  const COleDateTime& operator=(const __time64_t& timeSrc);
  const COleDateTime& operator=(const SYSTEMTIME& systimeSrc);
  const COleDateTime& operator=(const FILETIME& filetimeSrc);

  DateTimeStatus GetStatus() const { return m_status; }
  void SetStatus(DateTimeStatus status) { m_status = status; }

  /// Sets the fields; an impossible one (31 April, hour 24) makes the status invalid.
  int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
  int SetDate(int nYear, int nMonth, int nDay) { return SetDateTime(nYear, nMonth, nDay, 0, 0, 0); }
  int SetTime(int nHour, int nMin, int nSec) {
    return SetDateTime(1899, 12, 30, nHour, nMin, nSec);
  }

  /// The fields rounded to the second; FALSE (and -1 from the getters) when not valid.
  BOOL GetAsSystemTime(SYSTEMTIME& sysTime) const;
  int GetYear() const;
  int GetMonth() const;
  int GetDay() const;
  int GetHour() const;
  int GetMinute() const;
  int GetSecond() const;
  int GetDayOfWeek() const;  // 1 = Sunday
  int GetDayOfYear() const;  // 1 = 1 January

  /// Text of the date in the user's locale (VarBstrFromDate).
  CString Format(DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT) const;
  /// strftime text of the fields; empty for a null or invalid date.
  CString Format(LPCSTR lpszFormat) const;
  /// Reads a date and/or time in the locale's form; FALSE and status invalid on failure.
  bool ParseDateTime(LPCSTR lpszDate, DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT);

  operator DATE() const { return m_dt; }
  COleDateTime operator+(const COleDateTimeSpan& span) const;
  COleDateTime operator-(const COleDateTimeSpan& span) const;
  COleDateTimeSpan operator-(const COleDateTime& date) const;
  const COleDateTime& operator+=(const COleDateTimeSpan& span) { return *this = *this + span; }
  const COleDateTime& operator-=(const COleDateTimeSpan& span) { return *this = *this - span; }
  bool operator==(const COleDateTime& o) const { return m_status == o.m_status && m_dt == o.m_dt; }
  bool operator!=(const COleDateTime& o) const { return !(*this == o); }
  bool operator<(const COleDateTime& o) const;
  bool operator>(const COleDateTime& o) const { return o < *this; }
  bool operator<=(const COleDateTime& o) const { return !(o < *this); }
  bool operator>=(const COleDateTime& o) const { return !(*this < o); }

  DATE m_dt;
  DateTimeStatus m_status;
};

/// Stored as the status (LONG) followed by the DATE or span (double).
CArchive& AFXAPI operator<<(CArchive& ar, const COleDateTime& dateSrc);
CArchive& AFXAPI operator>>(CArchive& ar, COleDateTime& dateSrc);
CArchive& AFXAPI operator<<(CArchive& ar, const COleDateTimeSpan& spanSrc);
CArchive& AFXAPI operator>>(CArchive& ar, COleDateTimeSpan& spanSrc);
