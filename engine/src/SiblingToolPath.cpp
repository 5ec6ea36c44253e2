#include "engine/SiblingToolPath.h"

#include <windows.h>

const char kVantrellProductKey[] = "Vantrell";
const char kLumethProductKey[] = "Lumeth";
const char kBrisantProductKey[] = "Brisant";
const char kQuorrelProductKey[] = "Quorrel";
const char kVantrellToolFileName[] = "VNCommandLine.exe";
const char kLumethToolFileName[] = "LMCommandLine.exe";
const char kBrisantToolFileName[] = "Brisant.exe";
const char kQuorrelToolFileName[] = "Quorrel.exe";

namespace {

// Read access only: asking for more would make the key count as absent for a
// user who may not write to HKLM. The 64-bit view is asked for explicitly so that
// the plain path and the WOW6432Node path are the two distinct keys they name.
const REGSAM kSiblingKeyAccess = KEY_READ | KEY_WOW64_64KEY;

CTesselString ReadAppPath(const char* keyPath) {
  CTesselString result;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, kSiblingKeyAccess, &key) != ERROR_SUCCESS)
    return result;
  char value[MAX_PATH + 1] = {};
  DWORD type = 0;
  DWORD size = MAX_PATH;  // one byte stays free, so the text is always terminated
  if (RegQueryValueExA(key, "AppPath", nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
          ERROR_SUCCESS &&
      size > 0 && type == REG_SZ && value[0] != '\0')
    result = value;
  RegCloseKey(key);
  return result;
}

bool IsExistingFile(const char* path) {
  DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

CTesselString GetSiblingToolPath(const CTesselString& productKey) {
  CTesselString key(productKey);
  if (key.IsEmpty()) return CTesselString();
  const char* product = key.GetText();
  const char* roots[] = {"SOFTWARE\\Alderwick\\", "SOFTWARE\\WOW6432Node\\Alderwick\\"};
  for (const char* root : roots) {
    CTesselString path(root);
    path.AppendText(product);
    path.AppendText("\\Settings");
    CTesselString found = ReadAppPath(path.GetText());
    if (!found.IsEmpty()) return found;
  }
  return CTesselString();
}

CTesselString GetSiblingToolFilePath(const CTesselString& productKey,
                                     const CTesselString& toolFileName) {
  CTesselString path = GetSiblingToolPath(productKey);
  if (path.IsEmpty()) return path;
  path.AddTrailingBackslash();
  path.Append(toolFileName);
  if (!IsExistingFile(path.GetText())) return CTesselString();
  return path;
}
