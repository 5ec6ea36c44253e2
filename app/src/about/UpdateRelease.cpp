// The update service's answer: its checks and the version order.
#include "app/UpdateRelease.h"

#include <string.h>

#include <string>

bool IsPlainFileName(const char* name) {
  if (name == nullptr || *name == 0) return false;
  if (strstr(name, "..") != nullptr) return false;
  for (const char* p = name; *p != 0; ++p) {
    const unsigned char c = static_cast<unsigned char>(*p);
    if (c < 0x20 || strchr("\\/:*?\"<>|", c) != nullptr) return false;
  }
  // Windows drops a trailing dot or blank, so the name would not be the one checked.
  const char last = name[strlen(name) - 1];
  return last != '.' && last != ' ';
}

int CompareVersionTexts(const char* a, const char* b) {
  if (a == nullptr) a = "";
  if (b == nullptr) b = "";
  while (*a != 0 || *b != 0) {
    unsigned long partA = 0, partB = 0;
    while (*a >= '0' && *a <= '9') partA = partA * 10 + static_cast<unsigned long>(*a++ - '0');
    while (*b >= '0' && *b <= '9') partB = partB * 10 + static_cast<unsigned long>(*b++ - '0');
    if (partA != partB) return partA < partB ? -1 : 1;
    // Skip the rest of the part up to and including its dot.
    while (*a != 0 && *a != '.') ++a;
    while (*b != 0 && *b != '.') ++b;
    if (*a == '.') ++a;
    if (*b == '.') ++b;
  }
  return 0;
}

namespace {

/// The line from `p` to its end, without CR; `p` moves past the LF.
std::string TakeLine(const char*& p) {
  std::string line;
  while (*p != 0 && *p != '\n') {
    if (*p != '\r') line += *p;
    ++p;
  }
  if (*p == '\n') ++p;
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.pop_back();
  return line;
}

}  // namespace

bool ParseUpdateAnswer(const char* text, CTesselString installedVersion,
                       CUpdateRelease* pRelease) {
  if (pRelease == nullptr) return false;
  *pRelease = CUpdateRelease();
  if (text == nullptr) return false;
  const char* p = text;
  const std::string version = TakeLine(p);
  const std::string installer = TakeLine(p);
  if (version.empty() || !IsPlainFileName(installer.c_str())) return false;
  pRelease->latestVersion = version.c_str();
  pRelease->installerName = installer.c_str();
  pRelease->available = CompareVersionTexts(version.c_str(), installedVersion.GetText()) > 0;
  return true;
}
