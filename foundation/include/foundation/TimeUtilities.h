// Time, date and number helpers of the foundation library.
//
// Every point in time is one 64-bit count of 100-nanosecond units since
// 1 January 1601 UTC (a FILETIME held in one integer); every duration is the
// difference of two such values. None of these functions throws.
#pragma once

#include <windows.h>
#include <stdint.h>

#include "foundation/TesselString.h"

/// Units of the time scale, for callers that build or split durations.
const int64_t kTimeUnitsPerMillisecond = 10000LL;
const int64_t kTimeUnitsPerSecond = 10000000LL;
const int64_t kTimeUnitsPerMinute = 600000000LL;
const int64_t kTimeUnitsPerHour = 36000000000LL;
const int64_t kTimeUnitsPerDay = 864000000000LL;

/// The current time (UTC). Any thread.
int64_t GetCurrentUtcTime();

/// Joins two 32-bit words into one 64-bit value (low word unsigned).
int64_t MakeInt64(int32_t low, int32_t high);

/// The same from memory: pair[0] is the low word, pair[1] the high word.
/// A null pointer gives 0.
int64_t MakeInt64FromPair(const int32_t* pair);

/// Seconds since 1 January 1970 UTC to the time scale; 0 for t <= 0.
int64_t UnixTimeToFileTime(int64_t seconds);

/// end - start.
int64_t GetTimeSpan(int64_t start, int64_t end);

/// Whole seconds / milliseconds from start to end, truncated toward zero.
int64_t GetElapsedSeconds(int64_t start, int64_t end);
int64_t GetElapsedMilliseconds(int64_t start, int64_t end);

/// Splits a positive duration into days, hours, minutes, seconds and
/// milliseconds. A duration <= 0 gives false and leaves the outputs alone;
/// null outputs give false too.
bool SplitTimeSpan(int64_t span, int32_t* days, int32_t* hours, int32_t* minutes, int32_t* seconds,
                   int32_t* milliseconds);

/// Local date "mm/dd/yyyy", with time " hh:mm[:ss] AM|PM" when asked.
/// A time of 0, or one that cannot be converted, gives an empty text; years
/// above 9999 show as 9999. `zone` null means the machine's current time zone;
/// callers that need a fixed zone (tests, reports for another site) pass one.
CTesselString FormatDateTime(int64_t time, bool withTime, bool withSeconds,
                             const TIME_ZONE_INFORMATION* zone = nullptr);

/// Local clock time with milliseconds, "HH:MM:SS:mmm" (e.g. 14:05:09:007);
/// empty when the time cannot be converted. `zone` as for FormatDateTime.
CTesselString FormatTimeWithMilliseconds(int64_t time, const TIME_ZONE_INFORMATION* zone = nullptr);

/// Long UTC text "Weekday Month dd yyyy (mm_dd_yyyy) HH:MM:SS:m" with the
/// milliseconds without leading zeros; empty when the time cannot be converted.
CTesselString FormatLongDateTime(int64_t time);

/// Decimal digits in groups of three separated by commas: -1234 -> "-1,234".
CTesselString FormatNumberWithSeparators(int64_t value);

/// Replaces every '/', '\' and '.' by '-' (the text ends up narrow).
/// True when anything changed; false for null or when nothing matched.
bool ReplacePathSeparators(CTesselString* text);

/// Reads a date and optional time into `out` (cleared first):
/// "yyyy-mm-dd[ hh:mm:ss]" (also with '/', '.' or '\' between the date
/// numbers, or as "mm-dd-yyyy", recognised by a day above 31), or the twelve-hour
/// form "mm-dd-yyyy hh:mm[:ss] AM|PM". The text is not changed.
/// False only for null arguments; numbers that cannot be read stay 0.
bool ParseDateTimeText(const CTesselString* text, SYSTEMTIME* out);

/// Parses local date/time text (see ParseDateTimeText) and returns it as UTC.
/// An empty text, or one that does not convert, gives the current time.
/// `zone` null means the machine's current time zone.
int64_t ParseLocalDateTime(CTesselString text, const TIME_ZONE_INFORMATION* zone = nullptr);

// The clock seam: where GetCurrentUtcTime (and so every "now" of the helpers
// above) reads the time, so tests can script it.
/// A function that answers the current UTC time in FILETIME units.
typedef int64_t (*UtcClockSource)();
/// Sets the source and returns the previous one; null restores the system clock.
/// Set it only while no other thread asks for the time.
UtcClockSource SetUtcClockSource(UtcClockSource source);
