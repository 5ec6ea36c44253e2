// The run's texts: loaded from the string table, checked against the built-in
// ones, and filled in without printf, so that an edited table cannot crash a run.
#include "RunMessages.h"

#include <string.h>

#include <string>
#include <vector>

#include "StepText.h"

namespace {

// The letters that end a printf conversion.
const char kConversionLetters[] = "diouxXeEfgGaAcCsSpn";

// The conversion specifications of a printf format, "%%" left out.
std::vector<std::string> Conversions(const char* format) {
  std::vector<std::string> found;
  for (const char* p = format; *p; ++p) {
    if (*p != '%') continue;
    if (p[1] == '%') {
      ++p;
      continue;
    }
    const char* end = p + 1;
    while (*end && !strchr(kConversionLetters, *end)) ++end;
    found.emplace_back(p, *end ? end + 1 : end);
    if (!*end) break;
    p = end;
  }
  return found;
}

// `format` with "%%" made "%" and every other conversion made `argument`.
template <typename Text>
Text Fill(const Text& format, const Text& argument) {
  Text out;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') {
      out.push_back(format[i]);
      continue;
    }
    if (i + 1 < format.size() && format[i + 1] == '%') {
      out.push_back('%');
      ++i;
      continue;
    }
    size_t end = i + 1;
    while (end < format.size() &&
           (format[end] > 0x7F || !strchr(kConversionLetters, static_cast<char>(format[end]))))
      ++end;
    out += argument;
    i = end;
  }
  return out;
}

}  // namespace

CTesselString LoadRunText(HMODULE module, int id, const char* fallback) {
  CTesselString text;
  if (text.LoadString(id, module) && Conversions(text.GetText()) == Conversions(fallback))
    return text;
  return CTesselString(fallback);
}

CTesselString FormatRunText(HMODULE module, int id, const char* fallback,
                            const CTesselString& argument) {
  CTesselString format = LoadRunText(module, id, fallback);
  if (argument.IsWide()) return WideString(Fill(WideOf(format), WideOf(argument)));
  CTesselString narrowArgument(argument);
  std::string filled = Fill(std::string(format.GetText()), std::string(narrowArgument.GetText()));
  return CTesselString(filled.c_str());
}
