// CMainFrame: the settings file, key by key, and the window rectangle kept in it.
#include <stdio.h>

#include <vector>

#include "app/AppSystem.h"
#include "app/MainFrame.h"
#include "foundation/FileUtilities.h"
#include "uilib/UILibSystem.h"

namespace {

const char kSettingsFileName[] = "Velmoran.cfg";
const char kOptions[] = "Options";
const char kFindAndReplace[] = "FindAndReplace";
const char kWindowPositionFormat[] = "%ld,%ld,%ld,%ld";

}  // namespace

CTesselString CMainFrame::GetSettingsFilePath() {
  CTesselString path = AppSystem()->GetSettingsFolder();
  if (path.IsEmpty()) return path;
  path.AddTrailingBackslash();
  CreateFolderPath(path);
  path += kSettingsFileName;
  return path;
}

bool CMainFrame::ReadProfileString(CTesselString section, CTesselString key,
                                   CTesselString* value) {
  CTesselString path = GetSettingsFilePath();
  if (path.IsEmpty()) return false;
  // The profile functions cut a value at the buffer's end without saying so,
  // so the buffer grows until the value fits with room to spare.
  std::vector<char> buffer(256);
  DWORD length = 0;
  for (;;) {
    length = ::GetPrivateProfileStringA(section.GetText(), key.GetText(), "", buffer.data(),
                                        static_cast<DWORD>(buffer.size()), path.GetText());
    if (length + 1 < buffer.size()) break;
    buffer.assign(buffer.size() * 2, 0);
  }
  if (length == 0) return false;
  *value = buffer.data();
  return true;
}

bool CMainFrame::WriteProfileString(CTesselString section, CTesselString key,
                                    CTesselString value) {
  CTesselString path = GetSettingsFilePath();
  if (path.IsEmpty()) return false;
  const char* text = value.IsEmpty() ? NULL : value.GetText();
  return ::WritePrivateProfileStringA(section.GetText(), key.GetText(), text, path.GetText()) !=
         FALSE;
}

namespace {

CTesselString ReadOrEmpty(CMainFrame* frame, const char* section, const char* key) {
  CTesselString value;
  if (!frame->ReadProfileString(section, key, &value)) return CTesselString();
  return value;
}

}  // namespace

CTesselString CMainFrame::GetLastBuildFilePath() {
  return ReadOrEmpty(this, kOptions, "LastBuildFilePath");
}
CTesselString CMainFrame::GetLastFindText() { return ReadOrEmpty(this, kOptions, "LastFindText"); }
CTesselString CMainFrame::GetFindWindowPosition() {
  return ReadOrEmpty(this, kOptions, "FindWindowPosition");
}
CTesselString CMainFrame::GetBuildStepColumnWidths() {
  return ReadOrEmpty(this, kOptions, "BuildStepColumnWidths");
}
CTesselString CMainFrame::GetAdvancedInstallerPath() {
  return ReadOrEmpty(this, kOptions, "AdvancedInstallerPath");
}
CTesselString CMainFrame::GetMSVisualStudioPath() {
  return ReadOrEmpty(this, kOptions, "MSVisualStudioPath");
}
CTesselString CMainFrame::GetLastSearchText() {
  return ReadOrEmpty(this, kFindAndReplace, "LastSearchText");
}
CTesselString CMainFrame::GetLastReplaceText() {
  return ReadOrEmpty(this, kFindAndReplace, "LastReplaceText");
}

bool CMainFrame::SetLastBuildFilePath(CTesselString value) {
  return WriteProfileString(kOptions, "LastBuildFilePath", value);
}
bool CMainFrame::SetLastFindText(CTesselString value) {
  return WriteProfileString(kOptions, "LastFindText", value);
}
bool CMainFrame::SetFindWindowPosition(CTesselString value) {
  return WriteProfileString(kOptions, "FindWindowPosition", value);
}
bool CMainFrame::SetBuildStepColumnWidths(CTesselString value) {
  return WriteProfileString(kOptions, "BuildStepColumnWidths", value);
}
bool CMainFrame::SetLastSearchText(CTesselString value) {
  return WriteProfileString(kFindAndReplace, "LastSearchText", value);
}
bool CMainFrame::SetLastReplaceText(CTesselString value) {
  return WriteProfileString(kFindAndReplace, "LastReplaceText", value);
}

bool CMainFrame::GetApplicationWindowPosition(long* left, long* top, long* width, long* height) {
  CTesselString value;
  if (!ReadProfileString(kOptions, "ApplicationWindowPosition", &value)) return false;
  return sscanf(value.GetText(), kWindowPositionFormat, left, top, width, height) == 4;
}

bool CMainFrame::SetApplicationWindowPosition(long left, long top, long width, long height) {
  CTesselString value;
  value.Format(kWindowPositionFormat, left, top, width, height);
  return WriteProfileString(kOptions, "ApplicationWindowPosition", value);
}

bool CMainFrame::RestoreWindowPosition() {
  long left = 0, top = 0, width = 0, height = 0;
  if (GetApplicationWindowPosition(&left, &top, &width, &height)) {
    if (width <= 0 || height <= 0) return false;
    MoveWindow(left, top, width, height, TRUE);
    return true;
  }
  const SIZE desktop = UILibSystem()->GetDesktopClientSize();
  const int w = m_minTrackSize.cx;
  const int h = m_minTrackSize.cy;
  const int x = desktop.cx / 2 - w / 2;
  const int y = desktop.cy / 2 - h / 2;
  MoveWindow(x, y, desktop.cx / 2 + w / 2 - x, h / 2 + desktop.cy / 2 - y, TRUE);
  return true;
}

bool CMainFrame::SaveWindowPosition() {
  if (IsIconic()) return false;
  // The rectangle MoveWindow takes back at the next start: anything else
  // (the visible frame without its shadow) makes the window creep.
  CRect rect;
  GetWindowRect(&rect);
  if (rect.Width() <= 0 || rect.Height() <= 0) return false;
  return SetApplicationWindowPosition(rect.left, rect.top, rect.Width(), rect.Height());
}
