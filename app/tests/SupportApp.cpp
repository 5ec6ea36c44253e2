// The application's test system and main-frame fixture.
#include "SupportApp.h"

#include <gtest/gtest.h>

#include "app/AppResources.h"
#include "app/MessageBoxDialog.h"

namespace {

const char kScriptWindowClass[] = "VelmDialogScript";
const UINT kRunScript = WM_APP + 1;

struct DialogScript {
  CDialog* dialog;
  const std::function<void(CDialog&)>* script;
};

LRESULT CALLBACK ScriptWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kRunScript) return ::DefWindowProcA(hWnd, message, wParam, lParam);
  DialogScript* pending = reinterpret_cast<DialogScript*>(lParam);
  if (::IsWindow(pending->dialog->m_hWnd)) (*pending->script)(*pending->dialog);
  return 0;
}

}  // namespace

INT_PTR RunScriptedDialog(CDialog& dialog, const std::function<void(CDialog&)>& script) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = ScriptWindowProc;
  windowClass.hInstance = ::GetModuleHandleA(NULL);
  windowClass.lpszClassName = kScriptWindowClass;
  ::RegisterClassA(&windowClass);
  HWND hScript = ::CreateWindowExA(0, kScriptWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL,
                                   windowClass.hInstance, NULL);
  DialogScript pending = {&dialog, &script};
  ::PostMessageA(hScript, kRunScript, 0, reinterpret_cast<LPARAM>(&pending));
  const INT_PTR result = dialog.DoModal();
  ::DestroyWindow(hScript);
  return result;
}

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

INT_PTR CScriptedAppSystem::RunDialog(CDialog* pDialog) {
  const std::function<void(CDialog&)> script = m_dialogScript;
  const INT_PTR result = RunScriptedDialog(*pDialog, [this, script](CDialog& dialog) {
    // The caption is read once the dialog has set it up.
    CString caption;
    dialog.GetWindowText(caption);
    m_dialogCaptions.push_back(std::string(caption));
    if (script) script(dialog);
    // Queued: a dialog the script ended leaves its loop before it comes.
    if (::IsWindow(dialog.m_hWnd)) dialog.PostMessage(WM_COMMAND, IDCANCEL);
  });
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
