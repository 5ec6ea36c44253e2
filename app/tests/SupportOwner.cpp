// A frame for the panes' tests.
#include "SupportOwner.h"

#include "testsupport/TestText.h"

int CTestDisplayOwner::ShowMessage(const CTesselString& text, UINT style, CWnd*) {
  m_messages.push_back(std::make_pair(TextOf(text), style));
  if (m_answers.empty()) return IDNO;
  const int answer = m_answers.front();
  m_answers.erase(m_answers.begin());
  return answer;
}

UINT CTestDisplayOwner::TrackPopupMenu(CMenu* popup, UINT, int, int, CWnd*) {
  m_menuItems.clear();
  for (int i = 0; i < static_cast<int>(popup->GetMenuItemCount()); ++i) {
    char text[128] = "";
    ::GetMenuStringA(popup->m_hMenu, i, text, sizeof(text), MF_BYPOSITION);
    const UINT state = ::GetMenuState(popup->m_hMenu, i, MF_BYPOSITION);
    m_menuItems.push_back(std::make_pair(std::string(text), (state & MF_GRAYED) != 0));
  }
  return m_menuChoice;
}

bool CTestDisplayOwner::ReadSetting(const char* section, const char* key, CTesselString* value) {
  auto found = m_settings.find(std::string(section) + "/" + key);
  if (found == m_settings.end()) return false;
  *value = found->second.c_str();
  return true;
}

bool CTestDisplayOwner::WriteSetting(const char* section, const char* key,
                                     const CTesselString& value) {
  m_settings[std::string(section) + "/" + key] = TextOf(value);
  return true;
}

bool CTestDisplayOwner::UpdateStatusText() {
  ++m_statusUpdates;
  return true;
}

bool CTestDisplayOwner::UpdateElapsedTime() {
  ++m_elapsedUpdates;
  return true;
}
