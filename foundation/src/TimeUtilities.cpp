#include "foundation/TimeUtilities.h"

#include <stdio.h>
#include <string.h>
#include <time.h>

namespace {

const int64_t kUnixEpochSeconds = 11644473600LL;  // 1601-01-01 to 1970-01-01
const size_t kTextBufferSize = 260;

bool ToSystemTime(int64_t time, SYSTEMTIME* out) {
  FILETIME ft;
  ft.dwLowDateTime = static_cast<DWORD>(static_cast<uint64_t>(time) & 0xFFFFFFFFu);
  ft.dwHighDateTime = static_cast<DWORD>(static_cast<uint64_t>(time) >> 32);
  return FileTimeToSystemTime(&ft, out) != FALSE;
}

int64_t FromSystemTime(const SYSTEMTIME& st, bool* ok) {
  FILETIME ft;
  *ok = SystemTimeToFileTime(&st, &ft) != FALSE;
  return MakeInt64(static_cast<int32_t>(ft.dwLowDateTime), static_cast<int32_t>(ft.dwHighDateTime));
}

bool ToLocalSystemTime(int64_t time, const TIME_ZONE_INFORMATION* zone, SYSTEMTIME* local) {
  SYSTEMTIME utc;
  if (!ToSystemTime(time, &utc)) return false;
  return SystemTimeToTzSpecificLocalTime(zone, &utc, local) != FALSE;
}

// The run-time's strftime rejects (and may abort on) years past 9999, so every
// text is built from a clamped year.
struct tm ToTm(const SYSTEMTIME& st) {
  struct tm t;
  memset(&t, 0, sizeof(t));
  int year = st.wYear > 9999 ? 9999 : st.wYear;
  t.tm_sec = st.wSecond;
  t.tm_min = st.wMinute;
  t.tm_hour = st.wHour;
  t.tm_mday = st.wDay;
  t.tm_mon = st.wMonth - 1;
  t.tm_year = year - 1900;
  t.tm_wday = st.wDayOfWeek;
  t.tm_isdst = -1;
  return t;
}

CTesselString FormatSystemTime(const SYSTEMTIME& st, const char* format) {
  struct tm t = ToTm(st);
  char buffer[kTextBufferSize];
  size_t n = strftime(buffer, sizeof(buffer), format, &t);
  if (n == 0) return CTesselString();
  return CTesselString(buffer);
}

CTesselString AppendMilliseconds(CTesselString text, const char* format, int milliseconds) {
  if (text.IsEmpty()) return text;
  char suffix[32];
  snprintf(suffix, sizeof(suffix), format, static_cast<long>(milliseconds));
  text.AppendText(suffix);
  return text;
}

int CountChar(const char* text, char c) {
  int count = 0;
  for (; *text; ++text) count += (*text == c) ? 1 : 0;
  return count;
}

}  // namespace

namespace {
UtcClockSource g_clockSource = nullptr;
}  // namespace

UtcClockSource SetUtcClockSource(UtcClockSource source) {
  UtcClockSource previous = g_clockSource;
  g_clockSource = source;
  return previous;
}

int64_t GetCurrentUtcTime() {
  if (g_clockSource != nullptr) return g_clockSource();
  SYSTEMTIME st;
  GetSystemTime(&st);
  bool ok = false;
  return FromSystemTime(st, &ok);
}

int64_t MakeInt64(int32_t low, int32_t high) {
  uint64_t value =
      (static_cast<uint64_t>(static_cast<uint32_t>(high)) << 32) | static_cast<uint32_t>(low);
  return static_cast<int64_t>(value);
}

int64_t MakeInt64FromPair(const int32_t* pair) { return pair ? MakeInt64(pair[0], pair[1]) : 0; }

int64_t UnixTimeToFileTime(int64_t seconds) {
  if (seconds <= 0) return 0;
  return (seconds + kUnixEpochSeconds) * kTimeUnitsPerSecond;
}

int64_t GetTimeSpan(int64_t start, int64_t end) { return end - start; }

int64_t GetElapsedSeconds(int64_t start, int64_t end) {
  return (end - start) / kTimeUnitsPerSecond;
}

int64_t GetElapsedMilliseconds(int64_t start, int64_t end) {
  return (end - start) / kTimeUnitsPerMillisecond;
}

bool SplitTimeSpan(int64_t span, int32_t* days, int32_t* hours, int32_t* minutes, int32_t* seconds,
                   int32_t* milliseconds) {
  if (span <= 0 || !days || !hours || !minutes || !seconds || !milliseconds) return false;
  *days = static_cast<int32_t>(span / kTimeUnitsPerDay);
  span %= kTimeUnitsPerDay;
  *hours = static_cast<int32_t>(span / kTimeUnitsPerHour);
  span %= kTimeUnitsPerHour;
  *minutes = static_cast<int32_t>(span / kTimeUnitsPerMinute);
  span %= kTimeUnitsPerMinute;
  *seconds = static_cast<int32_t>(span / kTimeUnitsPerSecond);
  span %= kTimeUnitsPerSecond;
  *milliseconds = static_cast<int32_t>(span / kTimeUnitsPerMillisecond);
  return true;
}

CTesselString FormatDateTime(int64_t time, bool withTime, bool withSeconds,
                             const TIME_ZONE_INFORMATION* zone) {
  SYSTEMTIME local;
  if (time == 0 || !ToLocalSystemTime(time, zone, &local)) return CTesselString();
  const char* format = "%m/%d/%Y";
  if (withTime) format = withSeconds ? "%m/%d/%Y %I:%M:%S %p" : "%m/%d/%Y %I:%M %p";
  return FormatSystemTime(local, format);
}

CTesselString FormatTimeWithMilliseconds(int64_t time, const TIME_ZONE_INFORMATION* zone) {
  SYSTEMTIME local;
  if (!ToLocalSystemTime(time, zone, &local)) return CTesselString();
  return AppendMilliseconds(FormatSystemTime(local, "%H:%M:%S"), ":%03ld", local.wMilliseconds);
}

CTesselString FormatLongDateTime(int64_t time) {
  SYSTEMTIME st;
  if (!ToSystemTime(time, &st)) return CTesselString();
  return AppendMilliseconds(FormatSystemTime(st, "%A %B %d %Y (%m_%d_%Y) %H:%M:%S"), ":%0ld",
                            st.wMilliseconds);
}

CTesselString FormatNumberWithSeparators(int64_t value) {
  char digits[32];
  // The magnitude as unsigned so that the most negative value has digits too.
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  _ui64toa(magnitude, digits, 10);

  char grouped[48];
  int length = static_cast<int>(strlen(digits));
  int out = 0;
  if (value < 0) grouped[out++] = '-';
  for (int i = 0; i < length; ++i) {
    if (i > 0 && (length - i) % 3 == 0) grouped[out++] = ',';
    grouped[out++] = digits[i];
  }
  grouped[out] = '\0';
  return CTesselString(grouped);
}

bool ReplacePathSeparators(CTesselString* text) {
  if (!text || text->IsEmpty()) return false;
  bool changed = false;
  const char* narrow = text->GetText();
  int length = text->GetLength();
  for (int i = 0; i < length && narrow[i]; ++i) {
    char c = narrow[i];
    if (c == '/' || c == '\\' || c == '.') {
      text->SetAt(i, '-');
      changed = true;
    }
  }
  return changed;
}

bool ParseDateTimeText(const CTesselString* text, SYSTEMTIME* out) {
  if (!text || !out) return false;
  memset(out, 0, sizeof(*out));
  CTesselString work(*text);
  ReplacePathSeparators(&work);
  const char* s = work.GetText();

  bool am = work.FindNoCase("AM", 0) >= 0;
  bool pm = work.FindNoCase("PM", 0) >= 0;
  long year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  if (!am && !pm) {
    if (!strchr(s, ':'))
      sscanf(s, "%ld-%ld-%ld", &year, &month, &day);
    else
      sscanf(s, "%ld-%ld-%ld %ld:%ld:%ld", &year, &month, &day, &hour, &minute, &second);
  } else {
    int colons = CountChar(s, ':');
    if (colons == 1)
      sscanf(s, "%ld-%ld-%ld %ld:%ld", &month, &day, &year, &hour, &minute);
    else if (colons == 2)
      sscanf(s, "%ld-%ld-%ld %ld:%ld:%ld", &month, &day, &year, &hour, &minute, &second);
    if (pm && hour < 12) hour += 12;
    // Midnight hour: 12:xx AM is 00:xx, so that a time printed by
    // FormatDateTime reads back as the same time.
    if (am && !pm && hour == 12) hour = 0;
  }

  if (day > 31) {
    // The 24-hour pattern read a month-first date: rotate into year-month-day.
    long oldYear = year, oldMonth = month;
    year = day;
    month = oldYear;
    day = oldMonth;
  }
  out->wYear = static_cast<WORD>(year);
  out->wMonth = static_cast<WORD>(month);
  out->wDay = static_cast<WORD>(day);
  out->wHour = static_cast<WORD>(hour);
  out->wMinute = static_cast<WORD>(minute);
  out->wSecond = static_cast<WORD>(second);
  return true;
}

int64_t ParseLocalDateTime(CTesselString text, const TIME_ZONE_INFORMATION* zone) {
  int64_t now = GetCurrentUtcTime();
  if (text.IsEmpty()) return now;
  SYSTEMTIME local, utc;
  ParseDateTimeText(&text, &local);
  if (!TzSpecificLocalTimeToSystemTime(zone, &local, &utc)) return now;
  bool ok = false;
  int64_t result = FromSystemTime(utc, &ok);
  return ok ? result : now;
}
