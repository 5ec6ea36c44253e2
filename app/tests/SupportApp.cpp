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

CFrameFixture::CFrameFixture() : m_pFrame(new CMainFrame), m_hFrame(NULL) {
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
