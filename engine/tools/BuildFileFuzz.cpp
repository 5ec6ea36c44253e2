// Loads many damaged build files to show that reading one never crashes, hangs
// or allocates without bound. Usage: engine_fuzz [cases] [seed]
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

#include <string>

#include "BuildFileMutator.h"

int main(int argc, char** argv) {
  const long cases = argc > 1 ? strtol(argv[1], nullptr, 10) : 100000;
  const unsigned long seed = argc > 2 ? strtoul(argv[2], nullptr, 10) : 1;
  char base[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, base);
  std::string folder = std::string(base) + "velm-fuzz-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  std::string path = folder + "\\case.velm";

  CBuildFileMutator mutator((uint32_t)seed);
  if (!mutator.MakeCorpus(folder)) {
    fprintf(stderr, "cannot save the corpus in %s\n", folder.c_str());
    return 2;
  }
  long loaded = 0, refused = 0, steps = 0, variables = 0;
  DWORD slowest = 0, started = GetTickCount();
  for (long i = 0; i < cases; ++i) {
    std::string bytes = mutator.Next();
    CBuildFileMutator::WriteFile(path, bytes);
    DWORD begin = GetTickCount();
    CBuildStepFileManager manager;
    bool ok = manager.LoadBuildFile(CTesselString(path.c_str()));
    DWORD took = GetTickCount() - begin;
    if (took > slowest) slowest = took;
    (ok ? loaded : refused)++;
    steps += manager.GetStepList().GetCount();
    variables += manager.GetVariableList().GetCount();
    manager.Clear();
  }
  DeleteFileA(path.c_str());
  RemoveDirectoryA(folder.c_str());
  printf(
      "%ld cases (seed %lu): %ld loaded, %ld refused; %ld steps and %ld variables read; "
      "slowest load %lu ms; %lu ms in all\n",
      cases, seed, loaded, refused, steps, variables, slowest, GetTickCount() - started);
  return 0;
}
