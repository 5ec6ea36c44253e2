// COleDateTime and COleDateTimeSpan: the OLE DATE encoding (including dates
// before 30 December 1899), field validation, rounding, arithmetic,
// formatting and the archive form.
#include <gtest/gtest.h>

#include "afxdisp.h"

namespace {

struct DateCase {
  int year, month, day, hour, minute, second;
  DATE dt;
  int dayOfWeek;  // 1 = Sunday
  int dayOfYear;
};

TEST(OleDateTime, FieldsAndDatesCorrespond) {
  const DateCase cases[] = {
      {1899, 12, 30, 0, 0, 0, 0.0, 7, 364},
      {1899, 12, 31, 0, 0, 0, 1.0, 1, 365},
      {1900, 1, 1, 0, 0, 0, 2.0, 2, 1},
      {1900, 3, 1, 0, 0, 0, 61.0, 5, 60},  // 1900 is no leap year
      {2005, 2, 1, 12, 0, 0, 38384.5, 3, 32},
      {2000, 2, 29, 18, 0, 0, 36585.75, 3, 60},
      {1899, 12, 29, 6, 0, 0, -1.25, 6, 363},
      {1899, 12, 29, 18, 0, 0, -1.75, 6, 363},
      {100, 1, 1, 0, 0, 0, -657434.0, 6, 1},
      {9999, 12, 31, 0, 0, 0, 2958465.0, 6, 365},
  };
  for (const DateCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
    COleDateTime date(c.year, c.month, c.day, c.hour, c.minute, c.second);
    ASSERT_EQ(COleDateTime::valid, date.GetStatus());
    EXPECT_DOUBLE_EQ(c.dt, date.m_dt);
    COleDateTime back(c.dt);
    EXPECT_EQ(c.year, back.GetYear());
    EXPECT_EQ(c.month, back.GetMonth());
    EXPECT_EQ(c.day, back.GetDay());
    EXPECT_EQ(c.hour, back.GetHour());
    EXPECT_EQ(c.minute, back.GetMinute());
    EXPECT_EQ(c.second, back.GetSecond());
    EXPECT_EQ(c.dayOfWeek, back.GetDayOfWeek());
    EXPECT_EQ(c.dayOfYear, back.GetDayOfYear());
  }
}

TEST(OleDateTime, ImpossibleFieldsMakeTheDateInvalid) {
  const int cases[][6] = {
      {2005, 4, 31, 0, 0, 0}, {2001, 2, 29, 0, 0, 0}, {2005, 13, 1, 0, 0, 0},
      {2005, 0, 1, 0, 0, 0},  {2005, 1, 0, 0, 0, 0},  {2005, 1, 1, 24, 0, 0},
      {2005, 1, 1, 0, 60, 0}, {2005, 1, 1, 0, 0, 60}, {99, 12, 31, 0, 0, 0},
      {10000, 1, 1, 0, 0, 0},
  };
  for (const auto& c : cases) {
    COleDateTime date;
    EXPECT_EQ(1, date.SetDateTime(c[0], c[1], c[2], c[3], c[4], c[5]))
        << c[0] << "-" << c[1] << "-" << c[2];
    EXPECT_EQ(COleDateTime::invalid, date.GetStatus());
    EXPECT_EQ(-1, date.GetYear());
    SYSTEMTIME st;
    EXPECT_FALSE(date.GetAsSystemTime(st));
  }
}

TEST(OleDateTime, OutOfRangeDateIsInvalid) {
  COleDateTime date;
  date = -700000.0;
  EXPECT_EQ(COleDateTime::invalid, date.GetStatus());
  date = 3000000.0;
  EXPECT_EQ(COleDateTime::invalid, date.GetStatus());
  date = 1.0;
  EXPECT_EQ(COleDateTime::valid, date.GetStatus());
}

TEST(OleDateTime, FieldsRoundToTheNearestSecond) {
  COleDateTime almostMidnight(1.0 - 0.4 / 86400);
  EXPECT_EQ(31, almostMidnight.GetDay());
  EXPECT_EQ(12, almostMidnight.GetMonth());
  EXPECT_EQ(0, almostMidnight.GetHour());
  EXPECT_EQ(0, almostMidnight.GetSecond());
  COleDateTime halfSecond(2.0 + 10.6 / 86400);
  EXPECT_EQ(11, halfSecond.GetSecond());
}

TEST(OleDateTime, SystemTimeRoundTrip) {
  SYSTEMTIME st = {};
  st.wYear = 2024;
  st.wMonth = 5;
  st.wDay = 6;
  st.wHour = 15;
  st.wMinute = 4;
  st.wSecond = 59;
  COleDateTime date(st);
  SYSTEMTIME back = {};
  ASSERT_TRUE(date.GetAsSystemTime(back));
  EXPECT_EQ(2024, back.wYear);
  EXPECT_EQ(5, back.wMonth);
  EXPECT_EQ(6, back.wDay);
  EXPECT_EQ(1, back.wDayOfWeek);  // a Monday
  EXPECT_EQ(15, back.wHour);
  EXPECT_EQ(4, back.wMinute);
  EXPECT_EQ(59, back.wSecond);
}

TEST(OleDateTime, ArithmeticCrossesTheEpochContinuously) {
  COleDateTime evening(1899, 12, 29, 18, 0, 0);
  COleDateTime later = evening + COleDateTimeSpan(0, 12, 0, 0);
  EXPECT_DOUBLE_EQ(0.25, later.m_dt);  // 30 December, 06:00
  EXPECT_DOUBLE_EQ(0.5, (later - evening).GetTotalDays());
  COleDateTime earlier = later - COleDateTimeSpan(1, 0, 0, 0);
  EXPECT_DOUBLE_EQ(-1.25, earlier.m_dt);  // 29 December, 06:00
  EXPECT_TRUE(earlier < evening);         // although -1.25 > -1.75
  EXPECT_TRUE(evening > earlier);
  EXPECT_TRUE(evening <= evening);
}

TEST(OleDateTime, ArithmeticWithAnInvalidOperandIsInvalid) {
  COleDateTime invalid;
  invalid.SetStatus(COleDateTime::invalid);
  EXPECT_EQ(COleDateTime::invalid, (invalid + COleDateTimeSpan(1.0)).GetStatus());
  EXPECT_EQ(COleDateTimeSpan::invalid, (COleDateTime(1.0) - invalid).GetStatus());
}

TEST(OleDateTime, FormatWithStrftimeFields) {
  COleDateTime date(2005, 2, 1, 13, 5, 9);
  EXPECT_STREQ("2005-01-02T13:05:09", date.Format("%Y-%d-%mT%H:%M:%S"));
  EXPECT_STREQ("13:05:09", COleDateTime(1899, 12, 30, 13, 5, 9).Format("%H:%M:%S"));
  COleDateTime null;
  null.SetStatus(COleDateTime::null);
  EXPECT_STREQ("", null.Format("%Y"));
  COleDateTime invalid;
  invalid.SetStatus(COleDateTime::invalid);
  EXPECT_STREQ("Invalid DateTime", invalid.Format("%Y"));
  EXPECT_STREQ("Invalid DateTime", invalid.Format());
}

TEST(OleDateTime, VariantsConvertToDates) {
  VARIANT number;
  number.vt = VT_R8;
  number.dblVal = 2.5;
  COleDateTime fromNumber(number);
  EXPECT_EQ(COleDateTime::valid, fromNumber.GetStatus());
  EXPECT_EQ(2.5, fromNumber.m_dt);
  COleVariant text("no date at all");
  COleDateTime fromText(static_cast<const VARIANT&>(text));
  EXPECT_EQ(COleDateTime::invalid, fromText.GetStatus());
  COleDateTime parsed;
  EXPECT_FALSE(parsed.ParseDateTime("no date at all"));
  EXPECT_EQ(COleDateTime::invalid, parsed.GetStatus());
}

TEST(OleDateTimeSpan, PartsFollowTheSignOfTheSpan) {
  COleDateTimeSpan span(1, 2, 3, 4);
  EXPECT_EQ(1, span.GetDays());
  EXPECT_EQ(2, span.GetHours());
  EXPECT_EQ(3, span.GetMinutes());
  EXPECT_EQ(4, span.GetSeconds());
  EXPECT_DOUBLE_EQ(26 + 3 / 60.0 + 4 / 3600.0, span.GetTotalHours());
  COleDateTimeSpan negative = -span;
  EXPECT_EQ(-1, negative.GetDays());
  EXPECT_EQ(-2, negative.GetHours());
  EXPECT_EQ(-3, negative.GetMinutes());
  EXPECT_EQ(-4, negative.GetSeconds());
  EXPECT_TRUE(negative < span);
  EXPECT_TRUE(span + negative == COleDateTimeSpan(0.0));
}

TEST(OleDateTime, ArchiveRoundTripKeepsValueAndStatus) {
  COleDateTime date(2005, 2, 1, 13, 5, 9);
  COleDateTime invalid;
  invalid.SetStatus(COleDateTime::invalid);
  COleDateTimeSpan span(-2.5);
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    ar << date << invalid << span;
  }
  file.SeekToBegin();
  CArchive ar(&file, CArchive::load);
  COleDateTime loadedDate, loadedInvalid;
  COleDateTimeSpan loadedSpan;
  ar >> loadedDate >> loadedInvalid >> loadedSpan;
  EXPECT_TRUE(loadedDate == date);
  EXPECT_EQ(COleDateTime::invalid, loadedInvalid.GetStatus());
  EXPECT_TRUE(loadedSpan == span);
}

}  // namespace
