// CVariableDefinitionDisplay: the "Variable Definition" page of the main
// window. The variable list comes into it with the variable commands.
#pragma once

#include "app/VelmoranNativeDisplayControl.h"

class CMainFrame;
class CTabControlTab;

class CVariableDefinitionDisplay : public CVelmoranNativeDisplayControl {
 public:
  CVariableDefinitionDisplay() : m_pMainFrame(NULL), m_pTab(NULL) {}

  /// Not owned; set by the frame at construction.
  CMainFrame* m_pMainFrame;
  /// The display manager's tab of this page; not owned.
  CTabControlTab* m_pTab;
};
