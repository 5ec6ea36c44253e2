// CAboutDialog: "Apply &Update": the installer's download, the question and
// its start.
#include "app/AboutDialog.h"
#include "app/AppResources.h"
#include "app/AppSystem.h"
#include "app/MainFrame.h"
#include "app/UpdateRelease.h"
#include "foundation/FileUtilities.h"
#include "uilib/UIUtilities.h"

void CAboutDialog::DownloadUpdate() {
  // The name came from the network: anything but a plain file name could
  // place the file outside the folder or overwrite another.
  if (m_pFrame == nullptr || m_installerName.IsEmpty() ||
      !IsPlainFileName(m_installerName.GetText()))
    return;
  CTesselString format, object;
  format.LoadString(IDS_UPDATE_OBJECT, AfxGetResourceHandle());
  object.Format(format.GetText(), m_installerName.GetText());
  CTesselString local = AppSystem()->GetUpdateFolder();
  local.AddTrailingBackslash();
  local += m_installerName;
  m_localInstallerPath = local;
  // An older installer of the name must not be taken for the new one.
  if (FileExists(local)) ::DeleteFileA(local.GetText());
  bool downloaded;
  {
    CWaitCursor wait;
    downloaded = DownloadFileFromServer(kUpdateHost, object.GetText(), local.GetText());
  }
  // Only a whole answer of the server is an installer; whatever else may lie
  // there now is not started.
  if (!downloaded) {
    if (FileExists(local)) ::DeleteFileA(local.GetText());
    return;
  }
  if (!FileExists(local)) return;
  CTesselString question;
  question.LoadString(IDS_UPDATE_CLOSES, AfxGetResourceHandle());
  if (m_pFrame->ShowMessage(this, question, MB_OKCANCEL | MB_ICONHAND) != IDOK) {
    ::DeleteFileA(local.GetText());
    return;
  }
  LaunchProgram(local.GetText(), NULL);
  m_bUpdateStarted = true;
  EndDialog(IDOK);
}
