#include "foundation/TextUtilities.h"

#include <string.h>

#include <string>

#include "foundation/TesselList.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int LowerAscii(char c) {
  const unsigned char u = (unsigned char)c;
  return (u >= 'A' && u <= 'Z') ? u + ('a' - 'A') : u;
}

// Compares the digit runs x[*i..] and y[*j..] by value and moves both past
// them. Runs of any length compare without overflow: leading zeros are
// skipped, then the longer run is the larger number.
int CompareDigitRuns(const char* x, size_t* i, const char* y, size_t* j) {
  size_t xs = *i, ys = *j;
  while (IsDigit(x[*i])) ++*i;
  while (IsDigit(y[*j])) ++*j;
  while (xs + 1 < *i && x[xs] == '0') ++xs;
  while (ys + 1 < *j && y[ys] == '0') ++ys;
  const size_t xLength = *i - xs, yLength = *j - ys;
  if (xLength != yLength) return xLength < yLength ? -1 : 1;
  const int c = memcmp(x + xs, y + ys, xLength);
  return (c > 0) - (c < 0);
}

// The texts are read as sequences of single characters and whole digit runs.
// Characters compare by their lower-case code, a digit run against a
// character as its first digit would, and two digit runs by value; a text
// that is a prefix of the other comes first. Every token kind has a fixed
// place in one scale, which is what makes the order consistent.
int CompareNaturalText(const char* x, const char* y) {
  size_t i = 0, j = 0;
  for (;;) {
    if (x[i] == '\0' || y[j] == '\0') return (x[i] != '\0') - (y[j] != '\0');
    if (IsDigit(x[i]) && IsDigit(y[j])) {
      const int c = CompareDigitRuns(x, &i, y, &j);
      if (c != 0) return c;
      continue;
    }
    const int cx = LowerAscii(x[i]), cy = LowerAscii(y[j]);
    if (cx != cy) return cx < cy ? -1 : 1;
    ++i;
    ++j;
  }
}

std::string NarrowCopy(const CTesselString* s) {
  if (s == nullptr) return std::string();
  CTesselString copy(*s);  // GetText would narrow the caller's string in place
  return copy.GetText();
}

}  // namespace

int CompareNatural(CTesselString* a, CTesselString* b) {
  const std::string x = NarrowCopy(a), y = NarrowCopy(b);
  return CompareNaturalText(x.c_str(), y.c_str());
}

bool SplitString(CTesselString text, CTesselString separator, CTesselList* list) {
  const std::string rest = text.GetText();
  const std::string cut = separator.GetText();
  if (rest.empty() || cut.empty() || list == nullptr) return false;
  list->SetElementTypeString();
  size_t start = 0;
  while (start < rest.size()) {
    size_t found = rest.find(cut, start);
    if (found == std::string::npos) found = rest.size();
    CTesselString item(rest.substr(start, found - start).c_str());
    list->AddCopy(&item);
    start = found + cut.size();
  }
  return list->GetCount() > 0;
}
