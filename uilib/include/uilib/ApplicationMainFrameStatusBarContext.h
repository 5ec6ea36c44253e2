// The texts and visibility of the main window's four status panes, as the
// frame hands them to a child frame it hosts.
#pragma once

#include "foundation/TesselString.h"

class CApplicationMainFrameStatusBarContext {
 public:
  static const int kPaneCount = 4;

  CApplicationMainFrameStatusBarContext() : m_visible() {}
  virtual ~CApplicationMainFrameStatusBarContext() {}

  /// False for a pane number outside 0 to 3.
  bool SetPaneText(int nPane, const CTesselString& text);
  bool SetPaneVisible(int nPane, bool bVisible);
  CTesselString& GetPaneText(int nPane) { return m_texts[nPane]; }
  bool IsPaneVisible(int nPane) const { return m_visible[nPane]; }

 private:
  CTesselString m_texts[kPaneCount];
  bool m_visible[kPaneCount];
};
