// CAppSystem: the update service and the folder its installers go to.
#include <afxwin.h>
#include <stdio.h>

#include <string>

#include "app/AppResources.h"
#include "app/AppSystem.h"
#include "app/UpdateRelease.h"
#include "uilib/UIUtilities.h"

const char kUpdateHost[] = "www.velmoran.com";
const char kUpdateQueryObject[] = "updates/velmoran.txt";

bool CAppSystem::QueryUpdate(CTesselString installedVersion, CUpdateRelease* pRelease) {
  if (pRelease == nullptr) return false;
  *pRelease = CUpdateRelease();
  char folder[MAX_PATH] = {0};
  char path[MAX_PATH] = {0};
  if (::GetTempPathA(MAX_PATH, folder) == 0 || ::GetTempFileNameA(folder, "vup", 0, path) == 0)
    return false;
  std::string answer;
  if (DownloadFileFromServer(kUpdateHost, kUpdateQueryObject, path)) {
    FILE* file = fopen(path, "rb");
    if (file != nullptr) {
      char buffer[1024];
      // The answer is two short lines; anything longer is not one.
      const size_t read = fread(buffer, 1, sizeof(buffer) - 1, file);
      buffer[read] = 0;
      answer = buffer;
      fclose(file);
    }
  }
  ::DeleteFileA(path);
  return ParseUpdateAnswer(answer.c_str(), installedVersion, pRelease);
}

CTesselString CAppSystem::GetUpdateFolder() {
  CTesselString folder;
  folder.LoadString(IDS_UPDATE_FOLDER, AfxGetResourceHandle());
  return folder;
}
