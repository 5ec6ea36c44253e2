// CApplicationMainFrameStatusBarContext: four pane records.
#include "uilib/ApplicationMainFrameStatusBarContext.h"

bool CApplicationMainFrameStatusBarContext::SetPaneText(int nPane, const CTesselString& text) {
  if (nPane < 0 || nPane >= kPaneCount) return false;
  m_texts[nPane] = text;
  return true;
}

bool CApplicationMainFrameStatusBarContext::SetPaneVisible(int nPane, bool bVisible) {
  if (nPane < 0 || nPane >= kPaneCount) return false;
  m_visible[nPane] = bVisible;
  return true;
}
