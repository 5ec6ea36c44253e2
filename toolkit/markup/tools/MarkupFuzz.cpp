// Builds, lays out and draws many damaged markup texts through the real type
// table to show that none crashes, hangs or keeps what it made.
// Usage: markup_fuzz [cases] [seed]
#include <stdio.h>
#include <stdlib.h>

#include <string>

#include "../tests/SupportExercise.h"
#include "markup/TKMarkupContext.h"
#include "MarkupMutator.h"

int main(int argc, char** argv) {
  const long cases = argc > 1 ? strtol(argv[1], nullptr, 10) : 100000;
  const unsigned long seed = argc > 2 ? strtoul(argv[2], nullptr, 10) : 1;
  CTKMarkupContext* pContext = new CTKMarkupContext;
  CMarkupMutator mutator(static_cast<uint32_t>(seed));
  long built = 0, refused = 0;
  DWORD slowest = 0, started = GetTickCount();
  for (long i = 0; i < cases; ++i) {
    const std::wstring text = mutator.Next();
    DWORD begin = GetTickCount();
    const TK_MARKUP_EXERCISE outcome = ExerciseMarkup(pContext, text);
    DWORD took = GetTickCount() - begin;
    if (took > slowest) slowest = took;
    if (!outcome.bBuilt && outcome.error.empty()) {
      fprintf(stderr, "case %ld: no tree and no error\n", i);
      return 1;
    }
    (outcome.bBuilt ? built : refused)++;
  }
  pContext->AddRef();
  const DWORD references = pContext->Release();
  pContext->Release();
  printf(
      "%ld cases (seed %lu): %ld built, %ld refused; slowest %lu ms; %lu ms in all; "
      "%lu context references left (1 expected)\n",
      cases, seed, built, refused, slowest, GetTickCount() - started, references);
  return references == 1 ? 0 : 1;
}
