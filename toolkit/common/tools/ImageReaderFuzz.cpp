// Reads many damaged icon files, icon images, archived icons and bitmap blocks
// to show that the readers never read past their data, crash or hang.
// Usage: common_image_fuzz [cases] [seed]; every case feeds each reader once.
#include "ImageReaderFuzz.h"

#include <stdio.h>
#include <stdlib.h>

namespace {

volatile long g_case = -1;
const char* volatile g_reader = "";

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* pInfo) {
  fprintf(stderr, "case %ld: the %s reader stopped with exception 0x%08lX\n", g_case, g_reader,
          pInfo->ExceptionRecord->ExceptionCode);
  fflush(stderr);
  ExitProcess(3);
}

}  // namespace

int main(int argc, char** argv) {
  const long cases = argc > 1 ? strtol(argv[1], nullptr, 10) : 100000;
  const unsigned long seed = argc > 2 ? strtoul(argv[2], nullptr, 10) : 1;
  SetUnhandledExceptionFilter(ReportCrash);

  CImageReaderMutator mutator((uint32_t)seed);
  mutator.MakeCorpus();
  CTKImageManager manager;
  manager.m_bUseResources = FALSE;
  CTKImageManagerIconSet set(1, &manager);
  ImageFuzzTally tally;
  DWORD slowest = 0;
  const DWORD started = GetTickCount();
  for (long i = 0; i < cases; ++i) {
    g_case = i;
    const DWORD begin = GetTickCount();
    g_reader = "icon file";
    RunIconFileCase(manager, mutator.NextIconFile(), tally);
    g_reader = "icon image";
    RunIconImageCase(mutator.NextIconImage(), tally);
    g_reader = "icon archive";
    RunArchiveCase(set, mutator.NextArchive(), tally);
    g_reader = "bitmap block";
    std::string header, pixels;
    mutator.NextBlock(&header, &pixels);
    RunBlockCase(header, pixels, tally);
    const DWORD took = GetTickCount() - begin;
    if (took > slowest) slowest = took;
  }
  printf(
      "%ld cases (seed %lu), none read outside its data:\n"
      "  .ico files: %ld read, %ld gave at least one image\n"
      "  icon images: %ld read, %ld loaded\n"
      "  archived icons: %ld read, %ld loaded, %ld refused with an archive exception\n"
      "  bitmap blocks: %ld read, %ld made a bitmap\n"
      "slowest case %lu ms; %lu ms in all\n",
      cases, seed, tally.iconFiles, tally.iconFilesStored, tally.iconImages, tally.iconImagesLoaded,
      tally.archives, tally.archivesLoaded, tally.archivesRaised, tally.blocks, tally.blocksLoaded,
      slowest, GetTickCount() - started);
  return 0;
}
