#include "foundation/TimeUtilities.h"

#include <gtest/gtest.h>

#include <limits.h>
#include <string>

#include "testsupport/TestText.h"

namespace {

// Fixed zones, so that local-time results do not depend on the machine.
TIME_ZONE_INFORMATION MakeZone(LONG biasMinutes) {
  TIME_ZONE_INFORMATION zone;
  ZeroMemory(&zone, sizeof(zone));
  zone.Bias = biasMinutes;  // UTC = local + bias; no daylight rules
  return zone;
}

int64_t MakeUtc(int year, int month, int day, int hour, int minute, int second, int ms) {
  SYSTEMTIME st;
  ZeroMemory(&st, sizeof(st));
  st.wYear = static_cast<WORD>(year);
  st.wMonth = static_cast<WORD>(month);
  st.wDay = static_cast<WORD>(day);
  st.wHour = static_cast<WORD>(hour);
  st.wMinute = static_cast<WORD>(minute);
  st.wSecond = static_cast<WORD>(second);
  st.wMilliseconds = static_cast<WORD>(ms);
  FILETIME ft;
  EXPECT_TRUE(SystemTimeToFileTime(&st, &ft));
  return MakeInt64(static_cast<int32_t>(ft.dwLowDateTime), static_cast<int32_t>(ft.dwHighDateTime));
}

const TIME_ZONE_INFORMATION kUtc = MakeZone(0);
const TIME_ZONE_INFORMATION kPlusTwo = MakeZone(-120);

}  // namespace

TEST(TimeUtilities, JoinsWordsAndConvertsUnixTime) {
  EXPECT_EQ(0xFFFFFFFFLL, MakeInt64(-1, 0));
  EXPECT_EQ(static_cast<int64_t>(0x0000000500000007LL), MakeInt64(7, 5));
  const int32_t pair[2] = {7, 5};
  EXPECT_EQ(MakeInt64(7, 5), MakeInt64FromPair(pair));
  EXPECT_EQ(0, MakeInt64FromPair(nullptr));

  EXPECT_EQ(0, UnixTimeToFileTime(0));
  EXPECT_EQ(0, UnixTimeToFileTime(-5));
  EXPECT_EQ(MakeUtc(1970, 1, 1, 0, 0, 1, 0), UnixTimeToFileTime(1));
  EXPECT_EQ(MakeUtc(2024, 5, 6, 15, 4, 9, 0), UnixTimeToFileTime(1715007849));
}

TEST(TimeUtilities, ElapsedValuesTruncateTowardZero) {
  int64_t start = MakeUtc(2024, 1, 1, 0, 0, 0, 0);
  EXPECT_EQ(25000000, GetTimeSpan(start, start + 25000000));
  EXPECT_EQ(2, GetElapsedSeconds(start, start + 29999999));
  EXPECT_EQ(-1, GetElapsedSeconds(start, start - 15000000));
  EXPECT_EQ(2999, GetElapsedMilliseconds(start, start + 29999999));
  EXPECT_EQ(-1, GetElapsedMilliseconds(start, start - 19999));
}

TEST(TimeUtilities, CurrentTimeIsSystemClock) {
  FILETIME before, after;
  GetSystemTimeAsFileTime(&before);
  int64_t now = GetCurrentUtcTime();
  GetSystemTimeAsFileTime(&after);
  // GetSystemTime drops below-millisecond units, so allow one millisecond early.
  EXPECT_GE(now, MakeInt64(before.dwLowDateTime, before.dwHighDateTime) - kTimeUnitsPerMillisecond);
  EXPECT_LE(now, MakeInt64(after.dwLowDateTime, after.dwHighDateTime));
}

TEST(TimeUtilities, SplitsSpans) {
  struct Case {
    int64_t span;
    int32_t days, hours, minutes, seconds, ms;
  } cases[] = {
      {864000000000LL, 1, 0, 0, 0, 0},
      {36000010000LL, 0, 1, 0, 0, 1},
      {2 * kTimeUnitsPerDay + 3 * kTimeUnitsPerHour + 4 * kTimeUnitsPerMinute +
           5 * kTimeUnitsPerSecond + 6 * kTimeUnitsPerMillisecond + 9999,
       2, 3, 4, 5, 6},
      {9999, 0, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    int32_t d = -1, h = -1, m = -1, s = -1, ms = -1;
    ASSERT_TRUE(SplitTimeSpan(c.span, &d, &h, &m, &s, &ms)) << c.span;
    EXPECT_EQ(c.days, d) << c.span;
    EXPECT_EQ(c.hours, h) << c.span;
    EXPECT_EQ(c.minutes, m) << c.span;
    EXPECT_EQ(c.seconds, s) << c.span;
    EXPECT_EQ(c.ms, ms) << c.span;
  }
}

TEST(TimeUtilities, SplitRefusesEmptyOrNegativeSpans) {
  for (int64_t span : {0LL, -1LL, -kTimeUnitsPerDay}) {
    int32_t d = 7, h = 7, m = 7, s = 7, ms = 7;
    EXPECT_FALSE(SplitTimeSpan(span, &d, &h, &m, &s, &ms));
    EXPECT_TRUE(d == 7 && h == 7 && m == 7 && s == 7 && ms == 7);
  }
}

TEST(TimeUtilities, FormatsLocalDateAndTime) {
  int64_t t = MakeUtc(2024, 5, 6, 15, 4, 9, 7);
  EXPECT_EQ("05/06/2024", TextOf(FormatDateTime(t, false, false, &kPlusTwo)));
  EXPECT_EQ("05/06/2024 05:04 PM", TextOf(FormatDateTime(t, true, false, &kPlusTwo)));
  EXPECT_EQ("05/06/2024 05:04:09 PM", TextOf(FormatDateTime(t, true, true, &kPlusTwo)));
  EXPECT_EQ("05/06/2024 03:04:09 PM", TextOf(FormatDateTime(t, true, true, &kUtc)));
  EXPECT_EQ("17:04:09:007", TextOf(FormatTimeWithMilliseconds(t, &kPlusTwo)));

  int64_t midnight = MakeUtc(2024, 12, 31, 22, 30, 0, 0);
  EXPECT_EQ("01/01/2025 12:30 AM", TextOf(FormatDateTime(midnight, true, false, &kPlusTwo)));
}

TEST(TimeUtilities, FormatDateTimeEdgeValues) {
  EXPECT_EQ("", TextOf(FormatDateTime(0, true, true, &kUtc)));
  EXPECT_EQ("", TextOf(FormatDateTime(-1, true, true, &kUtc)));
  int64_t farFuture = MakeUtc(30000, 1, 2, 3, 4, 5, 0);
  EXPECT_EQ("01/02/9999 03:04:05 AM", TextOf(FormatDateTime(farFuture, true, true, &kUtc)));
}

TEST(TimeUtilities, FormatsLongUtcText) {
  int64_t t = MakeUtc(2024, 5, 6, 15, 4, 9, 7);
  EXPECT_EQ("Monday May 06 2024 (05_06_2024) 15:04:09:7", TextOf(FormatLongDateTime(t)));
  EXPECT_EQ("Monday May 06 2024 (05_06_2024) 15:04:09:250",
            TextOf(FormatLongDateTime(t + 243 * kTimeUnitsPerMillisecond)));
  EXPECT_EQ("", TextOf(FormatLongDateTime(-1)));
}

TEST(TimeUtilities, GroupsNumbers) {
  struct Case {
    int64_t value;
    const char* text;
  } cases[] = {
      {0, "0"},
      {999, "999"},
      {1000, "1,000"},
      {-999, "-999"},
      {-1234, "-1,234"},
      {-123456, "-123,456"},
      {12345678, "12,345,678"},
      {LLONG_MAX, "9,223,372,036,854,775,807"},
      {LLONG_MIN, "-9,223,372,036,854,775,808"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.text, TextOf(FormatNumberWithSeparators(c.value))) << c.value;
}

TEST(TimeUtilities, ReplacesPathSeparators) {
  CTesselString s("2024/05\\06.x");
  EXPECT_TRUE(ReplacePathSeparators(&s));
  EXPECT_STREQ("2024-05-06-x", s.GetText());
  CTesselString plain("2024-05-06");
  EXPECT_FALSE(ReplacePathSeparators(&plain));
  EXPECT_FALSE(ReplacePathSeparators(nullptr));
}

TEST(TimeUtilities, ParsesDateTimeTexts) {
  struct Case {
    const char* text;
    int year, month, day, hour, minute, second;
  } cases[] = {
      {"2024-05-06", 2024, 5, 6, 0, 0, 0},
      {"2024/05/06", 2024, 5, 6, 0, 0, 0},
      {"2024.05.06", 2024, 5, 6, 0, 0, 0},
      {"2024\\05\\06", 2024, 5, 6, 0, 0, 0},
      {"2024-05-06 13:14:15", 2024, 5, 6, 13, 14, 15},
      {"05-06-2024 13:14:15", 2024, 5, 6, 13, 14, 15},  // month first: rotated
      {"05/06/2024 3:04 PM", 2024, 5, 6, 15, 4, 0},
      {"05/06/2024 03:04:05 pm", 2024, 5, 6, 15, 4, 5},
      {"05/06/2024 11:59:58 AM", 2024, 5, 6, 11, 59, 58},
      {"05/06/2024 12:00 AM", 2024, 5, 6, 0, 0, 0},
      {"05/06/2024 12:30 AM", 2024, 5, 6, 0, 30, 0},
      {"05/06/2024 12:15 PM", 2024, 5, 6, 12, 15, 0},
      {"05/06/2024 3 PM", 0, 0, 0, 12, 0, 0},  // no colon: nothing read
      {"", 0, 0, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    CTesselString text(c.text);
    SYSTEMTIME st;
    memset(&st, 0x55, sizeof(st));
    ASSERT_TRUE(ParseDateTimeText(&text, &st)) << c.text;
    EXPECT_EQ(c.year, st.wYear) << c.text;
    EXPECT_EQ(c.month, st.wMonth) << c.text;
    EXPECT_EQ(c.day, st.wDay) << c.text;
    EXPECT_EQ(c.hour, st.wHour) << c.text;
    EXPECT_EQ(c.minute, st.wMinute) << c.text;
    EXPECT_EQ(c.second, st.wSecond) << c.text;
    EXPECT_EQ(0, st.wMilliseconds + st.wDayOfWeek) << c.text;
    EXPECT_STREQ(c.text, text.GetText()) << "the caller's text is left alone";
  }
  SYSTEMTIME st;
  EXPECT_FALSE(ParseDateTimeText(nullptr, &st));
}

TEST(TimeUtilities, ParsesLocalTimeInZone) {
  EXPECT_EQ(MakeUtc(2024, 5, 6, 15, 4, 9, 0),
            ParseLocalDateTime(CTesselString("2024-05-06 17:04:09"), &kPlusTwo));
  EXPECT_EQ(MakeUtc(2024, 5, 5, 22, 30, 0, 0),
            ParseLocalDateTime(CTesselString("05/06/2024 12:30 AM"), &kPlusTwo));
}

TEST(TimeUtilities, FormattedTimeReadsBack) {
  const int64_t times[] = {MakeUtc(2024, 5, 6, 15, 4, 9, 0), MakeUtc(2023, 1, 31, 0, 30, 59, 0),
                           MakeUtc(2020, 2, 29, 12, 0, 0, 0), MakeUtc(2021, 7, 4, 0, 0, 0, 0)};
  for (int64_t t : times) {
    CTesselString text = FormatDateTime(t, true, true, &kUtc);
    EXPECT_EQ(t, ParseLocalDateTime(text, &kUtc)) << TextOf(text);
  }
}

TEST(TimeUtilities, UnreadableTextGivesCurrentTime) {
  for (const char* text : {"", "not a date"}) {
    int64_t before = GetCurrentUtcTime();
    int64_t parsed = ParseLocalDateTime(CTesselString(text), &kUtc);
    int64_t after = GetCurrentUtcTime();
    EXPECT_GE(parsed, before) << text;
    EXPECT_LE(parsed, after) << text;
  }
}

static int64_t FixedClock() { return MakeUtc(2030, 1, 2, 3, 4, 5, 0); }

TEST(TimeUtilities, TheClockSeamAnswersForNow) {
  UtcClockSource previous = SetUtcClockSource(&FixedClock);
  EXPECT_EQ(FixedClock(), GetCurrentUtcTime());
  EXPECT_EQ(FixedClock(), ParseLocalDateTime(CTesselString("not a date"), &kUtc));
  SetUtcClockSource(previous);
  EXPECT_NE(FixedClock(), GetCurrentUtcTime());
}
