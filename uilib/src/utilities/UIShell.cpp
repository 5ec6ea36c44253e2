// Starting a program, mail through Simple MAPI and the HTML Help window.
#include <string.h>

#include <algorithm>
#include <string>

#include <htmlhelp.h>

#include "uilib/UILibSystem.h"
#include "uilib/UIUtilities.h"

namespace {

/// The help window's size on a desktop of `nDesktop` pixels: `nFixed` when the
/// desktop reaches `nRoomy`, else the desktop less 200.
int HelpWindowExtent(int nDesktop, int nRoomy, int nFixed) {
  return nDesktop >= nRoomy ? nFixed : nDesktop - 200;
}

}  // namespace

bool LaunchProgram(const char* pszPath, HWND hOwner) {
  SHELLEXECUTEINFOA info;
  memset(&info, 0, sizeof(info));
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_CONNECTNETDRV;
  info.hwnd = hOwner != NULL ? hOwner : ::GetDesktopWindow();
  info.lpFile = pszPath;
  info.nShow = SW_SHOWNORMAL;
  return UILibSystem()->ShellExecuteEx(&info) != FALSE;
}

bool SendMailThroughMapi(const char* pszAddress, const char* pszSubject, const char* pszBody) {
  if (pszAddress == nullptr || *pszAddress == 0) return false;
  std::string address = std::string("SMTP:") + pszAddress;
  CTKScopedModule mapi;
  LPMAPISENDMAIL pfnSendMail = UILibSystem()->LoadMapiSendMail(&mapi);
  if (pfnSendMail == nullptr) return false;
  MapiRecipDesc recipient;
  memset(&recipient, 0, sizeof(recipient));
  recipient.ulRecipClass = MAPI_TO;
  recipient.lpszName = const_cast<LPSTR>(pszAddress);
  recipient.lpszAddress = const_cast<LPSTR>(address.c_str());
  MapiMessage message;
  memset(&message, 0, sizeof(message));
  message.lpszSubject = const_cast<LPSTR>(pszSubject);
  message.lpszNoteText = const_cast<LPSTR>(pszBody);
  message.nRecipCount = 1;
  message.lpRecips = &recipient;
  return pfnSendMail(0, 0, &message, MAPI_LOGON_UI | MAPI_DIALOG, 0) == SUCCESS_SUCCESS;
}

bool OpenHtmlHelpWindow(const char* pszHelpFile, DWORD nTopicId, HWND* phWnd) {
  *phWnd = NULL;
  if (pszHelpFile == nullptr || *pszHelpFile == 0) return false;
  HWND hWnd = nTopicId != 0
                  ? UILibSystem()->HtmlHelp(pszHelpFile, HH_HELP_CONTEXT, nTopicId)
                  : UILibSystem()->HtmlHelp(pszHelpFile, HH_DISPLAY_TOPIC, 0);
  *phWnd = hWnd;
  if (hWnd == NULL) return false;
  const SIZE desktop = UILibSystem()->GetDesktopClientSize();
  const int nWidth = HelpWindowExtent(desktop.cx, 1370, 1170);
  const int nHeight = HelpWindowExtent(desktop.cy, 1000, 800);
  if (nWidth > 0 && nHeight > 0)
    ::MoveWindow(hWnd, std::max<int>(0, (desktop.cx - nWidth) / 2),
                 std::max<int>(0, (desktop.cy - nHeight) / 2), nWidth, nHeight, TRUE);
  return true;
}
