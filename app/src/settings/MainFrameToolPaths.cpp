// CMainFrame: where the sibling products' command-line tools are installed.
// The registry is read only, so a user without write rights finds them too.
#include "app/MainFrame.h"
#include "engine/SiblingToolPath.h"

CTesselString CMainFrame::GetSiblingAppPath(CTesselString productKey) {
  return GetSiblingToolPath(productKey);
}

CTesselString CMainFrame::GetVantrellToolPath() {
  return GetSiblingToolFilePath(kVantrellProductKey, kVantrellToolFileName);
}

CTesselString CMainFrame::GetLumethToolPath() {
  return GetSiblingToolFilePath(kLumethProductKey, kLumethToolFileName);
}

CTesselString CMainFrame::GetBrisantToolPath() {
  return GetSiblingToolFilePath(kBrisantProductKey, kBrisantToolFileName);
}

CTesselString CMainFrame::GetQuorrelToolPath() {
  return GetSiblingToolFilePath(kQuorrelProductKey, kQuorrelToolFileName);
}
