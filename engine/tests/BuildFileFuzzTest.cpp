#include <gtest/gtest.h>

#include <stdlib.h>

#include <new>
#include <string>

#include "engine/BuildStepFileManager.h"
#include "testsupport/TempFolder.h"
#include "../tools/BuildFileMutator.h"

// The largest single array allocation made while a load runs: a damaged size
// field must not turn into a buffer larger than the file itself.
static size_t g_largestArray = 0;
static bool g_watching = false;

void* operator new[](size_t size, const std::nothrow_t&) noexcept {
  if (g_watching && size > g_largestArray) g_largestArray = size;
  return malloc(size ? size : 1);
}
void* operator new[](size_t size) {
  if (g_watching && size > g_largestArray) g_largestArray = size;
  if (void* block = malloc(size ? size : 1)) return block;
  throw std::bad_alloc();
}
void operator delete[](void* block) noexcept { free(block); }
void operator delete[](void* block, size_t) noexcept { free(block); }

namespace {

TEST(BuildFileFuzz, DamagedFilesLoadSafely) {
  CTempFolder folder;
  CBuildFileMutator mutator(20240601u);
  ASSERT_TRUE(mutator.MakeCorpus(folder.GetPath()));
  const std::string path = folder.PathOf("case.velm");
  int loaded = 0;
  for (int i = 0; i < 3000; ++i) {
    std::string bytes = mutator.Next();
    ASSERT_TRUE(CTempFolder::WriteBytes(path, bytes));
    CBuildStepFileManager manager;
    g_largestArray = 0;
    g_watching = true;
    bool ok = manager.LoadBuildFile(CTesselString(path.c_str()));
    g_watching = false;
    loaded += ok;
    ASSERT_LE(g_largestArray, bytes.size()) << "case " << i;
    // Every record takes at least 8 bytes of the file.
    int records = manager.GetStepList().GetCount() + manager.GetVariableList().GetCount();
    ASSERT_LE(records * 8u, bytes.size()) << "case " << i;
    for (int s = 0; s < manager.GetStepList().GetCount(); ++s) {
      CBuildStepDataDefinition* step =
          static_cast<CBuildStepDataDefinition*>(manager.GetStepList().GetAt(s));
      for (int t = 0; t < CBuildStepDataDefinition::TextFieldCount; ++t)
        ASSERT_LE((size_t)step->GetTextField(t)->GetLength(), bytes.size()) << "case " << i;
    }
    manager.Clear();
  }
  // The mutations must leave many files readable, or the records go untested.
  EXPECT_GT(loaded, 1000);
}

}  // namespace
