// The application's test system and main-frame fixture.
#include "SupportApp.h"

#include <gtest/gtest.h>

#include "app/AppResources.h"
#include "app/MessageBoxDialog.h"

int CScriptedAppSystem::RunMessageBox(CMessageBoxDialog* pBox) {
  m_shown.push_back({pBox->GetText().GetText(), pBox->GetCaption().GetText(), pBox->m_nFlags});
  pBox->m_nResult = m_nAnswer;
  return m_nAnswer;
}

CTesselString CScriptedAppSystem::GetSettingsFolder() {
  if (m_bRealFolder) return CAppSystem::GetSettingsFolder();
  return CTesselString((m_folder.GetPath() + "\\Velmoran\\").c_str());
}

CFrameFixture::CFrameFixture(IAppDisplayOwner* owner) : m_pFrame(new CMainFrame), m_hFrame(NULL) {
  if (owner != nullptr) m_pFrame->GetMainDisplay().SetOwner(owner);
  EXPECT_TRUE(m_pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, NULL, NULL));
  m_hFrame = m_pFrame->m_hWnd;
  m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
}

CFrameFixture::~CFrameFixture() {
  if (::IsWindow(m_hFrame)) m_pFrame->DestroyWindow();
}

void CFrameFixture::Close() {
  ::SendMessage(m_hFrame, WM_CLOSE, 0, 0);
  m_pFrame = nullptr;
}

namespace {

const UINT kRunScriptMessage = WM_APP + 1;

/// Receives the message posted before the modal loop starts, and so runs
/// the script with the dialog up and its loop running.
class CDialogScriptRunner : public CWnd {
 public:
  CDialog* m_pDialog = nullptr;
  std::function<void(CDialog&)>* m_pScript = nullptr;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != kRunScriptMessage) return CWnd::WindowProc(message, wParam, lParam);
    if (*m_pScript) (*m_pScript)(*m_pDialog);
    // Queued: a dialog the script ended leaves its loop before it comes.
    if (::IsWindow(m_pDialog->m_hWnd)) m_pDialog->PostMessage(WM_COMMAND, IDCANCEL);
    return 0;
  }
};

}  // namespace

INT_PTR CScriptedAppSystem::RunDialog(CDialog* pDialog) {
  CDialogScriptRunner runner;
  runner.m_pDialog = pDialog;
  runner.m_pScript = &m_dialogScript;
  EXPECT_TRUE(runner.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, CRect(0, 0, 1, 1), NULL, 0));
  runner.PostMessage(kRunScriptMessage);
  // The caption is read once the dialog has set it up.
  std::function<void(CDialog&)> script = m_dialogScript;
  m_dialogScript = [this, script](CDialog& dialog) {
    CString caption;
    dialog.GetWindowText(caption);
    m_dialogCaptions.push_back(std::string(caption));
    if (script) script(dialog);
  };
  const INT_PTR result = pDialog->DoModal();
  m_dialogScript = script;
  runner.DestroyWindow();
  m_dialogResults.push_back(result);
  return result;
}

bool CScriptedAppSystem::QueryUpdate(CTesselString, CUpdateRelease* pRelease) {
  ++m_nUpdateQueries;
  *pRelease = m_bUpdateAnswers ? m_release : CUpdateRelease();
  return m_bUpdateAnswers;
}

CTesselString CScriptedAppSystem::GetUpdateFolder() {
  const std::string folder = m_folder.GetPath() + "\\Temp";
  ::CreateDirectoryA(folder.c_str(), NULL);
  return CTesselString(folder.c_str());
}

void SetDialogText(CDialog& dialog, int id, const char* text) {
  HWND hItem = ::GetDlgItem(dialog.m_hWnd, id);
  ::SetWindowTextA(hItem, text);
  // A multi-line edit does not tell its parent of a text set this way.
  ::SendMessage(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), reinterpret_cast<LPARAM>(hItem));
}

std::string GetDialogText(CDialog& dialog, int id) {
  char text[1024] = "";
  ::GetDlgItemTextA(dialog.m_hWnd, id, text, sizeof(text));
  return text;
}

void ClickRadio(CDialog& dialog, int first, int last, int id) {
  ::CheckRadioButton(dialog.m_hWnd, first, last, id);
  ::SendMessage(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                reinterpret_cast<LPARAM>(::GetDlgItem(dialog.m_hWnd, id)));
}

void PressButton(CDialog& dialog, int id) {
  ::SendMessage(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                reinterpret_cast<LPARAM>(::GetDlgItem(dialog.m_hWnd, id)));
}

bool IsDialogItemEnabled(CDialog& dialog, int id) {
  return ::IsWindowEnabled(::GetDlgItem(dialog.m_hWnd, id)) != FALSE;
}
