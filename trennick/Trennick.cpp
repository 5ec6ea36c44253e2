#include "Trennick.h"

#include <stdio.h>
#include <string.h>

#include "foundation/FileUtilities.h"

namespace {

const char kSettingsFileName[] = "Velmoran.cfg";
const char kBackupFolderName[] = "VMConfig";
const char kRedistributableName[] = "Microsoft Visual C++ 2005 Redistributable";
const char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

// Folders owned by the system or by user profiles: the setup has to run from a
// folder of the user's own making.
const char* const kSystemFolders[] = {"\\Users\\", "\\Program Files\\", "\\Program Files (x86)\\",
                                      "\\ProgramData\\", "\\Windows\\"};

const char kRefusalText[] =
    "The installation cannot be run from this folder. Please move the installation "
    "program to a folder on your hard drive that you created and is not a system "
    "folder, and run it from there.";
const char kRefusalCaption[] = "Velmoran Setup";

// Set by automated runs so that the refusal can be read and needs no one to click it.
const char kMessageBoxToStdErr[] = "VELMORAN_MESSAGEBOX_TO_STDERR";

}  // namespace

int CTrennick::Run(int argc, char* argv[]) {
  if (argc < 2) return 0;
  const char* option = argv[1];
  if (strcmp(option, "/checkfolder") == 0)
    return CheckInstallFolder(argc > 2 ? argv[2] : "") ? 0 : 1;
  if (strcmp(option, "/uninstall") == 0 || strcmp(option, "/saveconfig") == 0) {
    SaveConfiguration();
    return 0;
  }
  if (strcmp(option, "/restoreconfig") == 0) {
    RestoreConfiguration();
    return 0;
  }
  if (strcmp(option, "/prereqinstalled") == 0) return IsRedistributableInstalled() ? 0 : 1;
  return 0;
}

CTesselString CTrennick::CreateTempFolder() {
  CTesselString folder("c:\\");
  folder.AddText("Temp");
  CreateFolderPath(folder);
  return folder;
}

CTesselString CTrennick::GetConfigBackupFolder() {
  CTesselString folder = CreateTempFolder();
  folder.AddTrailingBackslash();
  folder.AddText(kBackupFolderName);
  folder.AddTrailingBackslash();
  return folder;
}

bool CTrennick::CheckInstallFolder(const char* path) {
  CTesselString folder(path);
  // An installer passing "x:\folder\" hands us a stray quote after the backslash.
  folder.ReplaceAllText("\"", "", false);
  if (folder.GetLength() < 1) return true;
  if (!PathExists(folder)) return true;
  if (!ContainsSystemFolder(folder)) return true;
  ShowRefusal(kRefusalText, kRefusalCaption);
  return false;
}

bool CTrennick::ContainsSystemFolder(const CTesselString& path) {
  for (const char* pattern : kSystemFolders)
    if (path.FindNoCase(pattern, 0) >= 0) return true;
  return false;
}

void CTrennick::ShowRefusal(const char* text, const char* caption) {
  if (GetEnvironmentVariableA(kMessageBoxToStdErr, nullptr, 0) > 0) {
    fprintf(stderr, "%s\n%s\n", caption, text);
    fflush(stderr);
    return;
  }
  MessageBoxA(GetConsoleWindow(), text, caption, MB_ICONHAND | MB_SYSTEMMODAL | MB_SETFOREGROUND);
}

bool CTrennick::SaveConfiguration() {
  CTesselString userFolder = GetUserAppDataFolder();
  CTesselString backupFolder = GetConfigBackupFolder();
  CreateFolderPath(backupFolder);
  if (userFolder.GetLength() < 1) return false;
  CTesselString source = CombinePath(userFolder, kSettingsFileName);
  if (!FileExists(source)) return false;
  CTesselString target = CombinePath(backupFolder, kSettingsFileName);
  return CopyFileA(source.GetText(), target.GetText(), FALSE) != FALSE;
}

bool CTrennick::RestoreConfiguration() {
  CTesselString userFolder = GetUserAppDataFolder();
  CTesselString backupFolder = GetConfigBackupFolder();
  if (userFolder.GetLength() < 1) return false;
  CreateFolderPath(userFolder);
  CTesselString source = CombinePath(backupFolder, kSettingsFileName);
  bool hasBackup = FileExists(source);
  bool restored = false;
  if (hasBackup) {
    CTesselString target = CombinePath(userFolder, kSettingsFileName);
    restored = CopyFileA(source.GetText(), target.GetText(), FALSE) != FALSE;
  }
  // A backup that could not be put back is the user's only copy; keep it for a retry.
  if (restored || !hasBackup) DeleteFolderTree(backupFolder);
  return restored;
}

bool CTrennick::IsRedistributableInstalled() {
  return IsProgramInstalled(CTesselString(kRedistributableName));
}

bool CTrennick::IsProgramInstalled(const CTesselString& displayName) {
  CTesselString name(displayName);
  name.MakeNarrow(false);
  // The run-time's 32-bit installer registers itself in the 32-bit view, which a
  // 64-bit program does not see without asking for it.
  return IsProgramInstalledInView(name.GetText(), KEY_WOW64_64KEY) ||
         IsProgramInstalledInView(name.GetText(), KEY_WOW64_32KEY);
}

bool CTrennick::IsProgramInstalledInView(const char* displayName, REGSAM view) {
  HKEY uninstall = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ | view, &uninstall) !=
      ERROR_SUCCESS)
    return false;
  bool found = false;
  char subkey[1024];
  for (DWORD index = 0; !found; ++index) {
    DWORD length = sizeof(subkey);
    if (RegEnumKeyExA(uninstall, index, subkey, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    found = HasDisplayName(uninstall, subkey, displayName, view);
  }
  RegCloseKey(uninstall);
  return found;
}

bool CTrennick::HasDisplayName(HKEY uninstall, const char* subkey, const char* displayName,
                               REGSAM view) {
  HKEY entry = nullptr;
  if (RegOpenKeyExA(uninstall, subkey, 0, KEY_READ | view, &entry) != ERROR_SUCCESS) return false;
  char value[2048];
  DWORD size = sizeof(value) - 1;
  DWORD type = 0;
  LONG result =
      RegQueryValueExA(entry, "DisplayName", nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(entry);
  if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
  // A stored string need not carry its terminator.
  value[size] = '\0';
  return _stricmp(value, displayName) == 0;
}
