// Parses many damaged markup texts to show that building a tree never
// crashes, hangs or keeps what it made. Usage: markup_fuzz [cases] [seed]
#include <stdio.h>
#include <stdlib.h>

#include <string>

#include "../tests/SupportMarkup.h"
#include "MarkupMutator.h"

int main(int argc, char** argv) {
  const long cases = argc > 1 ? strtol(argv[1], nullptr, 10) : 100000;
  const unsigned long seed = argc > 2 ? strtoul(argv[2], nullptr, 10) : 1;
  RegisterTestElements();
  CTKMarkupContext* pContext = new CTKMarkupContext;
  CMarkupMutator mutator(static_cast<uint32_t>(seed));
  long built = 0, refused = 0;
  DWORD slowest = 0, started = GetTickCount();
  for (long i = 0; i < cases; ++i) {
    const std::wstring text = mutator.Next();
    DWORD begin = GetTickCount();
    CString answer = pContext->ValidateXML(text.c_str());
    DWORD took = GetTickCount() - begin;
    if (took > slowest) slowest = took;
    if (answer.IsEmpty()) {
      fprintf(stderr, "case %ld: no answer\n", i);
      return 1;
    }
    (answer == "Done." ? built : refused)++;
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
