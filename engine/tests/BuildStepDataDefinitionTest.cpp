#include <gtest/gtest.h>

#include <string>

#include "engine/BuildStepDataDefinition.h"
#include "foundation/TimeUtilities.h"
#include "engine/VariableDefDataDefinition.h"

namespace {

std::string Text(CTesselString text) { return text.GetText(); }

void FillTexts(CBuildStepDataDefinition* step, const char* prefix) {
  for (int i = 0; i < CBuildStepDataDefinition::TextFieldCount; ++i)
    step->GetTextField(i)->SetText((std::string(prefix) + std::to_string(i)).c_str());
}

TEST(BuildStepDataDefinition, FreshStepIsEmptyUnpausedAndStartedNow) {
  int64_t before = GetCurrentUtcTime();
  CBuildStepDataDefinition step;
  int64_t after = GetCurrentUtcTime();
  EXPECT_EQ(0, step.m_stepType);
  for (int i = 0; i < CBuildStepDataDefinition::TextFieldCount; ++i)
    EXPECT_EQ(0, step.GetTextField(i)->GetLength()) << i;
  EXPECT_EQ(nullptr, step.GetTextField(7));
  EXPECT_EQ(nullptr, step.GetTextField(-1));
  EXPECT_FALSE(step.m_paused);
  EXPECT_EQ(0, step.m_elapsedTime);
  EXPECT_GE(step.m_startTime, before);
  EXPECT_LE(step.m_startTime, after);
}

TEST(BuildStepDataDefinition, TextFieldsFollowTheFixedOrderAndSetters) {
  CBuildStepDataDefinition step;
  step.SetStepName("n");
  step.SetDescription("d");
  step.SetExecutablePath("e");
  step.SetParameters("p");
  step.SetSourcePath("s");
  step.SetTargetPath("t");
  step.SetFileSpec("f");
  const char* expected[] = {"n", "d", "e", "p", "s", "t", "f"};
  for (int i = 0; i < CBuildStepDataDefinition::TextFieldCount; ++i)
    EXPECT_EQ(expected[i], Text(*step.GetTextField(i))) << i;
}

TEST(BuildStepDataDefinition, ResetClearsEverything) {
  CBuildStepDataDefinition step;
  FillTexts(&step, "x");
  step.m_stepType = 9;
  step.m_paused = true;
  step.m_elapsedTime = 55;
  step.Reset();
  EXPECT_EQ(0, step.m_stepType);
  EXPECT_FALSE(step.m_paused);
  EXPECT_EQ(0, step.m_elapsedTime);
  for (int i = 0; i < CBuildStepDataDefinition::TextFieldCount; ++i)
    EXPECT_EQ("", Text(*step.GetTextField(i)));
}

TEST(BuildStepDataDefinition, CopyFromTakesAllButThePausedFlag) {
  for (bool sourcePaused : {false, true}) {
    CBuildStepDataDefinition source, copy;
    FillTexts(&source, "v");
    source.m_stepType = 13;
    source.m_startTime = 12345;
    source.m_elapsedTime = 678;
    source.m_paused = sourcePaused;
    copy.m_paused = !sourcePaused;
    copy.CopyFrom(source);
    EXPECT_EQ(!sourcePaused, copy.m_paused);
    EXPECT_EQ(13, copy.m_stepType);
    EXPECT_EQ(12345, copy.m_startTime);
    EXPECT_EQ(678, copy.m_elapsedTime);
    for (int i = 0; i < CBuildStepDataDefinition::TextFieldCount; ++i)
      EXPECT_EQ("v" + std::to_string(i), Text(*copy.GetTextField(i)));
  }
}

TEST(BuildStepDataDefinition, StartTimeAndElapsedTime) {
  CBuildStepDataDefinition step;
  step.m_elapsedTime = 99;
  step.SetStartTime(GetCurrentUtcTime() - kTimeUnitsPerSecond);
  EXPECT_EQ(0, step.m_elapsedTime);
  EXPECT_TRUE(step.UpdateElapsedTime());
  EXPECT_GE(step.m_elapsedTime, kTimeUnitsPerSecond);
  EXPECT_LT(step.m_elapsedTime, 60 * kTimeUnitsPerSecond);
}

TEST(BuildStepDataDefinition, ElapsedTimeText) {
  struct Case {
    int64_t elapsed;
    bool showZero;
    const char* text;
  } cases[] = {
      {0, true, "0:0:0:0"},
      {0, false, ""},
      {-kTimeUnitsPerSecond, true, "0:0:0:0"},
      {1, false, "00:00:00:000"},
      {61 * kTimeUnitsPerSecond + 500 * kTimeUnitsPerMillisecond, false, "00:01:01:500"},
      {23 * kTimeUnitsPerHour + 59 * kTimeUnitsPerMinute, true, "23:59:00:000"},
      {kTimeUnitsPerDay, false, "1 day  00:00:00:000"},
      {kTimeUnitsPerDay + 2 * kTimeUnitsPerHour, false, "1 day  02:00:00:000"},
      {3 * kTimeUnitsPerDay, false, "3 days  00:00:00:000"},
  };
  for (const Case& c : cases) {
    CBuildStepDataDefinition step;
    step.m_elapsedTime = c.elapsed;
    EXPECT_EQ(c.text, Text(step.GetElapsedTimeText(c.showZero))) << c.elapsed;
  }
}

TEST(BuildStepDataDefinition, ReplaceTextCountsOverAllTexts) {
  struct Case {
    const char* text;
    const char* pattern;
    const char* replacement;
    bool ignoreCase;
    int countPerText;
    const char* result;
  } cases[] = {
      {"aaab", "ab", "X", false, 1, "aaX"},
      {"aaab", "AB", "X", false, 0, "aaab"},
      {"aaab", "AB", "X", true, 1, "aaX"},
      {"aa", "a", "aa", false, 2, "aaaa"},
      {"x%name%y%Name%", "%NAME%", "v", true, 2, "xvyv"},
      {"abc", "", "X", false, 0, "abc"},
  };
  for (const Case& c : cases) {
    CBuildStepDataDefinition step;
    for (int i = 0; i < CBuildStepDataDefinition::TextFieldCount; ++i)
      step.GetTextField(i)->SetText(c.text);
    step.m_stepType = 4;
    step.m_paused = true;
    CTesselString pattern(c.pattern), replacement(c.replacement);
    EXPECT_EQ(7 * c.countPerText, step.ReplaceText(pattern, replacement, c.ignoreCase))
        << c.text << " / " << c.pattern;
    for (int i = 0; i < CBuildStepDataDefinition::TextFieldCount; ++i)
      EXPECT_EQ(c.result, Text(*step.GetTextField(i)));
    EXPECT_EQ(4, step.m_stepType);
    EXPECT_TRUE(step.m_paused);
  }
}

TEST(VariableDefDataDefinition, StartsEmptyAndTakesNameAndValue) {
  CVariableDefDataDefinition variable;
  EXPECT_EQ(0, variable.m_name.GetLength());
  EXPECT_EQ(0, variable.m_value.GetLength());
  variable.SetName("OUT");
  variable.SetValue("D:\\Temp");
  EXPECT_EQ("OUT", Text(variable.m_name));
  EXPECT_EQ("D:\\Temp", Text(variable.m_value));
}

}  // namespace
