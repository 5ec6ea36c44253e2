// CMainDisplay: the "Build Steps" page of the main window. The build-step
// list, the splitter and the log come into it with the run commands.
#pragma once

#include "app/VelmoranNativeDisplayControl.h"

class CMainFrame;
class CTabControlTab;

class CMainDisplay : public CVelmoranNativeDisplayControl {
 public:
  CMainDisplay() : m_pMainFrame(NULL), m_pTab(NULL) {}

  /// Not owned; set by the frame at construction.
  CMainFrame* m_pMainFrame;
  /// The display manager's tab of this page; not owned.
  CTabControlTab* m_pTab;
};
