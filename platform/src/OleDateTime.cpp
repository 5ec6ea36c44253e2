// COleDateTime and COleDateTimeSpan: OLE DATE arithmetic on the proleptic
// Gregorian calendar, formatting and the archive form.
#include "afxdisp.h"

#include <math.h>

namespace {

const double kMinDate = -657434.0;        // 1 January 100
const double kMaxDate = 2958465.999994;   // 31 December 9999, 23:59:59
const LONG kDaysFrom1970To1899 = -25569;  // 30 December 1899 counted from 1 January 1970
const LONGLONG kSecondsPerDay = 86400;

// Days from 1 January 1970 to the date (negative before it).
LONG DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yoe = y - era * 400;
  const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(LONG z, int* pYear, int* pMonth, int* pDay) {
  z += 719468;
  const LONG era = (z >= 0 ? z : z - 146096) / 146097;
  const LONG doe = z - era * 146097;
  const LONG yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const LONG doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const LONG mp = (5 * doy + 2) / 153;
  *pDay = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  *pMonth = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  *pYear = static_cast<int>(yoe + era * 400 + (*pMonth <= 2));
}

int DaysInMonth(int y, int m) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool bLeap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  return m == 2 && bLeap ? 29 : kDays[m - 1];
}

// Before 30 December 1899 a DATE's fraction still counts forward from
// midnight (-1.25 is 29 December, 06:00), so arithmetic and comparison go
// through a continuous day count.
double ToLinear(DATE dt) {
  if (dt >= 0) return dt;
  double days = ceil(dt);
  return 2 * days - dt;
}

DATE FromLinear(double lin) {
  if (lin >= 0) return lin;
  double days = floor(lin);
  double frac = lin - days;
  return frac == 0 ? days : days - frac;
}

bool InRange(DATE dt) { return dt >= kMinDate && dt <= kMaxDate; }

struct Fields {
  int year, month, day, hour, minute, second, dayOfWeek, dayOfYear;
};

// The fields of a date, rounded to the second.
Fields Split(DATE dt) {
  LONGLONG total = llround(ToLinear(dt) * kSecondsPerDay);
  LONGLONG days = total / kSecondsPerDay;
  LONGLONG secs = total % kSecondsPerDay;
  if (secs < 0) {
    secs += kSecondsPerDay;
    --days;
  }
  Fields f;
  LONG unixDays = static_cast<LONG>(days) + kDaysFrom1970To1899;
  CivilFromDays(unixDays, &f.year, &f.month, &f.day);
  f.hour = static_cast<int>(secs / 3600);
  f.minute = static_cast<int>(secs / 60 % 60);
  f.second = static_cast<int>(secs % 60);
  f.dayOfWeek = static_cast<int>(((days % 7) + 7 + 6) % 7);  // 30 December 1899 was a Saturday
  f.dayOfYear = static_cast<int>(unixDays - DaysFromCivil(f.year, 1, 1)) + 1;
  return f;
}

CString InvalidText(COleDateTime::DateTimeStatus status) {
  return status == COleDateTime::null ? CString() : CString("Invalid DateTime");
}

}  // namespace

COleDateTime PASCAL COleDateTime::GetCurrentTime() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return COleDateTime(now);
}

const COleDateTime& COleDateTime::operator=(const VARIANT& varSrc) {
  if (varSrc.vt == VT_DATE) return *this = varSrc.date;
  VARIANT converted;
  VariantInit(&converted);
  if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(&varSrc), 0, VT_DATE))) {
    m_dt = 0;
    m_status = invalid;
    return *this;
  }
  return *this = converted.date;
}

const COleDateTime& COleDateTime::operator=(DATE dtSrc) {
  m_dt = dtSrc;
  m_status = InRange(dtSrc) ? valid : invalid;
  return *this;
}

const COleDateTime& COleDateTime::operator=(const __time64_t& timeSrc) {
  struct tm* pLocal = _localtime64(&timeSrc);
  if (pLocal == nullptr) {
    m_dt = 0;
    m_status = invalid;
  } else {
    SetDateTime(pLocal->tm_year + 1900, pLocal->tm_mon + 1, pLocal->tm_mday, pLocal->tm_hour,
                pLocal->tm_min, pLocal->tm_sec);
  }
  return *this;
}

const COleDateTime& COleDateTime::operator=(const SYSTEMTIME& st) {
  SetDateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
  return *this;
}

const COleDateTime& COleDateTime::operator=(const FILETIME& filetimeSrc) {
  SYSTEMTIME st;
  if (!FileTimeToSystemTime(&filetimeSrc, &st)) {
    m_dt = 0;
    m_status = invalid;
    return *this;
  }
  return *this = st;
}

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) {
  if (nYear < 100 || nYear > 9999 || nMonth < 1 || nMonth > 12 || nDay < 1 ||
      nDay > DaysInMonth(nYear, nMonth) || nHour < 0 || nHour > 23 || nMin < 0 || nMin > 59 ||
      nSec < 0 || nSec > 59) {
    m_dt = 0;
    m_status = invalid;
    return 1;
  }
  double days = DaysFromCivil(nYear, nMonth, nDay) - kDaysFrom1970To1899;
  double time = (nHour * 3600 + nMin * 60 + nSec) / static_cast<double>(kSecondsPerDay);
  m_dt = days >= 0 ? days + time : days - time;
  m_status = valid;
  return 0;
}

BOOL COleDateTime::GetAsSystemTime(SYSTEMTIME& sysTime) const {
  if (m_status != valid || !InRange(m_dt)) return FALSE;
  Fields f = Split(m_dt);
  sysTime.wYear = static_cast<WORD>(f.year);
  sysTime.wMonth = static_cast<WORD>(f.month);
  sysTime.wDay = static_cast<WORD>(f.day);
  sysTime.wDayOfWeek = static_cast<WORD>(f.dayOfWeek);
  sysTime.wHour = static_cast<WORD>(f.hour);
  sysTime.wMinute = static_cast<WORD>(f.minute);
  sysTime.wSecond = static_cast<WORD>(f.second);
  sysTime.wMilliseconds = 0;
  return TRUE;
}

#define COLEDATETIME_FIELD(getter, field)               \
  int COleDateTime::getter() const {                    \
    if (m_status != valid || !InRange(m_dt)) return -1; \
    return Split(m_dt).field;                           \
  }
COLEDATETIME_FIELD(GetYear, year)
COLEDATETIME_FIELD(GetMonth, month)
COLEDATETIME_FIELD(GetDay, day)
COLEDATETIME_FIELD(GetHour, hour)
COLEDATETIME_FIELD(GetMinute, minute)
COLEDATETIME_FIELD(GetSecond, second)
COLEDATETIME_FIELD(GetDayOfYear, dayOfYear)
#undef COLEDATETIME_FIELD

int COleDateTime::GetDayOfWeek() const {
  if (m_status != valid || !InRange(m_dt)) return -1;
  return Split(m_dt).dayOfWeek + 1;
}

CString COleDateTime::Format(DWORD dwFlags, LCID lcid) const {
  if (m_status != valid) return InvalidText(m_status);
  BSTR text = nullptr;
  if (FAILED(VarBstrFromDate(m_dt, lcid, dwFlags, &text))) return InvalidText(invalid);
  CString result(text);
  SysFreeString(text);
  return result;
}

CString COleDateTime::Format(LPCSTR lpszFormat) const {
  if (m_status != valid || !InRange(m_dt)) return InvalidText(m_status == null ? null : invalid);
  Fields f = Split(m_dt);
  struct tm fields = {};
  fields.tm_year = f.year - 1900;
  fields.tm_mon = f.month - 1;
  fields.tm_mday = f.day;
  fields.tm_hour = f.hour;
  fields.tm_min = f.minute;
  fields.tm_sec = f.second;
  fields.tm_wday = f.dayOfWeek;
  fields.tm_yday = f.dayOfYear - 1;
  fields.tm_isdst = -1;
  char szText[256];
  size_t n = strftime(szText, sizeof(szText), lpszFormat, &fields);
  return CString(szText, static_cast<int>(n));
}

bool COleDateTime::ParseDateTime(LPCSTR lpszDate, DWORD dwFlags, LCID lcid) {
  CStringW text(lpszDate);
  DATE dt = 0;
  if (FAILED(VarDateFromStr(const_cast<LPOLESTR>(text.GetString()), lcid, dwFlags, &dt))) {
    m_dt = 0;
    m_status = invalid;
    return false;
  }
  *this = dt;
  return m_status == valid;
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& span) const {
  COleDateTime result;
  if (m_status != valid || span.m_status != COleDateTimeSpan::valid) {
    result.m_status = invalid;
    return result;
  }
  result = FromLinear(ToLinear(m_dt) + span.m_span);
  return result;
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& span) const { return *this + (-span); }

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& date) const {
  COleDateTimeSpan result(ToLinear(m_dt) - ToLinear(date.m_dt));
  if (m_status != valid || date.m_status != valid) result.m_status = COleDateTimeSpan::invalid;
  return result;
}

bool COleDateTime::operator<(const COleDateTime& o) const {
  return ToLinear(m_dt) < ToLinear(o.m_dt);
}

// COleDateTimeSpan -----------------------------------------------------------------------

COleDateTimeSpan::COleDateTimeSpan(long lDays, int nHours, int nMins, int nSecs) {
  SetDateTimeSpan(lDays, nHours, nMins, nSecs);
}

void COleDateTimeSpan::SetDateTimeSpan(long lDays, int nHours, int nMins, int nSecs) {
  m_span = lDays + (nHours * 3600.0 + nMins * 60.0 + nSecs) / kSecondsPerDay;
  m_status = valid;
}

LONGLONG COleDateTimeSpan::TotalRoundedSeconds() const { return llround(m_span * kSecondsPerDay); }

LONG COleDateTimeSpan::GetDays() const {
  return static_cast<LONG>(TotalRoundedSeconds() / kSecondsPerDay);
}
LONG COleDateTimeSpan::GetHours() const {
  return static_cast<LONG>(TotalRoundedSeconds() / 3600 % 24);
}
LONG COleDateTimeSpan::GetMinutes() const {
  return static_cast<LONG>(TotalRoundedSeconds() / 60 % 60);
}
LONG COleDateTimeSpan::GetSeconds() const { return static_cast<LONG>(TotalRoundedSeconds() % 60); }

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& other) const {
  COleDateTimeSpan result(m_span + other.m_span);
  if (m_status != valid || other.m_status != valid) result.m_status = invalid;
  return result;
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& other) const {
  return *this + (-other);
}

COleDateTimeSpan COleDateTimeSpan::operator-() const {
  COleDateTimeSpan result(-m_span);
  result.m_status = m_status;
  return result;
}

// The archive forms ----------------------------------------------------------------------

CArchive& AFXAPI operator<<(CArchive& ar, const COleDateTime& dateSrc) {
  return ar << static_cast<LONG>(dateSrc.m_status) << dateSrc.m_dt;
}

CArchive& AFXAPI operator>>(CArchive& ar, COleDateTime& dateSrc) {
  LONG nStatus = 0;
  ar >> nStatus >> dateSrc.m_dt;
  dateSrc.m_status = static_cast<COleDateTime::DateTimeStatus>(nStatus);
  return ar;
}

CArchive& AFXAPI operator<<(CArchive& ar, const COleDateTimeSpan& spanSrc) {
  return ar << static_cast<LONG>(spanSrc.m_status) << spanSrc.m_span;
}

CArchive& AFXAPI operator>>(CArchive& ar, COleDateTimeSpan& spanSrc) {
  LONG nStatus = 0;
  ar >> nStatus >> spanSrc.m_span;
  spanSrc.m_status = static_cast<COleDateTimeSpan::DateTimeSpanStatus>(nStatus);
  return ar;
}
