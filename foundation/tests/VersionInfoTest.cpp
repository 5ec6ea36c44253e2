#include "VersionInfo.h"

#include <gtest/gtest.h>

#include "foundation/FileUtilities.h"
#include "testsupport/TempFolder.h"
#include "testsupport/TestText.h"

namespace {

// The test program carries a version resource whose first translation is
// 0409/04b0, followed by a 0407 block that must never be read.
TEST(VersionInfoTest, ReadsTheRunningProgramsFirstTranslation) {
  CVersionInfo info(nullptr);
  ASSERT_TRUE(info.IsLoaded());
  EXPECT_EQ("\\StringFileInfo\\040904b0\\", TextOf(info.GetStringPathPrefix()));
  EXPECT_EQ("5.2.0.1", TextOf(info.GetProductVersion()));
  EXPECT_EQ("Alderwick", TextOf(info.GetStringValue(CTesselString("CompanyName"))));
  EXPECT_EQ(5, info.GetProductMajorVersion());
}

TEST(VersionInfoTest, MissingOrEmptyValuesAreEmpty) {
  CVersionInfo info(GetModuleHandleA(nullptr));
  EXPECT_EQ("", TextOf(info.GetStringValue(CTesselString("NoSuchValue"))));
  EXPECT_EQ("", TextOf(info.GetStringValue(CTesselString("Comments"))));
  EXPECT_EQ("", TextOf(info.GetStringValue(CTesselString(""))));
}

TEST(VersionInfoTest, GetProductVersionTextReadsTheExecutable) {
  EXPECT_EQ("5.2.0.1", TextOf(GetProductVersionText()));
}

TEST(VersionInfoTest, AFileWithoutAResourceLeavesItUnloaded) {
  CTempFolder folder;
  ASSERT_TRUE(folder.MakeFile("plain.txt", "no version here"));
  const std::string cases[] = {folder.PathOf("plain.txt"), folder.PathOf("missing.dll"), ""};
  for (const std::string& path : cases) {
    SCOPED_TRACE(path);
    CVersionInfo info(nullptr);
    ASSERT_TRUE(info.IsLoaded());
    info.Load(CTesselString(path.c_str()));  // replaces what was loaded
    EXPECT_FALSE(info.IsLoaded());
    EXPECT_EQ("", TextOf(info.GetProductVersion()));
    EXPECT_EQ("", TextOf(info.GetStringPathPrefix()));
    EXPECT_EQ(0, info.GetProductMajorVersion());
  }
}

}  // namespace
