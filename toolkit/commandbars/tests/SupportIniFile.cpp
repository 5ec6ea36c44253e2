#include "SupportIniFile.h"

#include <windows.h>

std::string ReadIniValue(const std::string& path, const char* section, const char* key) {
  char buf[256] = "";
  GetPrivateProfileStringA(section, key, "<none>", buf, sizeof(buf), path.c_str());
  return buf;
}
