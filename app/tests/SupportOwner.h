// A frame for the panes' tests: scripted message-box answers and pop-up
// choices, settings in a map, and a record of what the panes asked for.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/AppDisplayOwner.h"
#include "testsupport/HostWindow.h"

class CTestDisplayOwner : public IAppDisplayOwner {
 public:
  int ShowMessage(const CTesselString& text, UINT style, CWnd* parent) override;
  UINT TrackPopupMenu(CMenu* popup, UINT flags, int x, int y, CWnd* window) override;
  bool ReadSetting(const char* section, const char* key, CTesselString* value) override;
  bool WriteSetting(const char* section, const char* key, const CTesselString& value) override;
  bool UpdateStatusText() override;
  bool UpdateElapsedTime() override;
  void RefreshCommandBars() override { ++m_barRefreshes; }
  CWnd* GetFrameWindow() override { return m_frame; }
  void SetExitCode(int code) override { m_exitCode = code; }
  int GetExitCode() override { return m_exitCode; }
  bool AreVariablesModified() override { return m_variablesModified; }
  void ClearVariablesModified() override { m_variablesModified = false; }
  void ReloadVariables() override { ++m_variableReloads; }
  void ClearVariables() override {
    m_variablesModified = false;
    ++m_variableClears;
  }

  /// Answers of ShowMessage, in turn; IDNO when none is left.
  std::vector<int> m_answers;
  /// Each message shown: its text and style.
  std::vector<std::pair<std::string, UINT>> m_messages;
  /// The command TrackPopupMenu answers, and the items it was shown: text and
  /// whether greyed.
  UINT m_menuChoice = 0;
  std::vector<std::pair<std::string, bool>> m_menuItems;
  /// Settings by "section/key".
  std::map<std::string, std::string> m_settings;
  int m_statusUpdates = 0;
  int m_elapsedUpdates = 0;
  int m_barRefreshes = 0;
  int m_exitCode = -1;
  bool m_variablesModified = false;
  int m_variableReloads = 0;
  int m_variableClears = 0;
  CWnd* m_frame = nullptr;
};
