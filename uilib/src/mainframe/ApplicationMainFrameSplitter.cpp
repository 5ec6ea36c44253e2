// CApplicationMainFrame: splitter positions kept through the profile hooks as
// a fraction of the parent's client extent, so that they survive a resize.
#include <stdio.h>

#include "uilib/ApplicationMainFrame.h"
#include "uilib/SplitterWindow.h"

namespace {

/// The client extent along which the bar moves; 0 for an orientation
/// without one.
int ExtentAlong(const RECT& client, int nOrientation) {
  switch (nOrientation) {
    case CSplitterWindow::orientationHorizontal:
      return client.bottom - client.top;
    case CSplitterWindow::orientationVertical:
      return client.right - client.left;
    default:
      return 0;
  }
}

bool HasArea(const RECT& rect) { return rect.right > rect.left && rect.bottom > rect.top; }

}  // namespace

bool CApplicationMainFrame::ReadProfileString(CTesselString, CTesselString, CTesselString*) {
  return false;
}

bool CApplicationMainFrame::WriteProfileString(CTesselString, CTesselString, CTesselString) {
  return false;
}

bool CApplicationMainFrame::SetSplitterRange(CSplitterWindow* pSplitter) {
  if (pSplitter == nullptr) return false;
  const RECT& bounds = pSplitter->GetBounds();
  if (HasArea(bounds)) {
    if (pSplitter->m_nOrientation == CSplitterWindow::orientationHorizontal) {
      pSplitter->m_nRangeMinimum = bounds.top + kSplitterMargin;
      pSplitter->m_nRangeMaximum = bounds.bottom - kSplitterMargin;
    } else if (pSplitter->m_nOrientation == CSplitterWindow::orientationVertical) {
      pSplitter->m_nRangeMinimum = bounds.left + kSplitterMargin;
      pSplitter->m_nRangeMaximum = bounds.right - kSplitterMargin;
    }
  }
  return pSplitter->ClampPosition();
}

bool CApplicationMainFrame::RestoreSplitterPosition(HWND hParent, CTesselString section,
                                                    CTesselString key,
                                                    CSplitterWindow* pSplitter) {
  if (pSplitter == nullptr || !::IsWindow(hParent)) return false;
  RECT client;
  ::GetClientRect(hParent, &client);
  pSplitter->SetBounds(client.left, client.top, client.right, client.bottom);
  SetSplitterRange(pSplitter);
  if (!HasArea(client)) return false;
  const int nOrientation = pSplitter->m_nOrientation;
  const int nExtent = ExtentAlong(client, nOrientation);
  bool bResult = false;
  int nPosition = kSplitterMargin;
  CTesselString stored;
  if (ReadProfileString(section, key, &stored)) {
    double dFraction = 0.0;
    if (sscanf(stored.GetText(), "%lf", &dFraction) != 1) dFraction = 0.0;
    if (dFraction > 0) {
      nPosition = static_cast<int>(dFraction * nExtent);
      bResult = true;
    }
  } else if (nExtent > 0) {
    nPosition = nExtent / 2;
  }
  if (nPosition < kSplitterMargin) nPosition = kSplitterMargin;
  pSplitter->SetPosition(nPosition);
  pSplitter->ClampPosition();
  return bResult;
}

bool CApplicationMainFrame::SaveSplitterPosition(HWND hParent, CTesselString section,
                                                 CTesselString key, CSplitterWindow* pSplitter) {
  if (pSplitter == nullptr || !::IsWindow(hParent)) return false;
  RECT client;
  ::GetClientRect(hParent, &client);
  if (!HasArea(client)) return false;
  const int nExtent = ExtentAlong(client, pSplitter->m_nOrientation);
  const double dFraction =
      nExtent > 0 ? static_cast<double>(pSplitter->GetPosition()) / nExtent : 0.0;
  char szText[32];
  snprintf(szText, sizeof(szText), "%12.4lf", dFraction);
  CTesselString text(szText);
  text.TrimLeft();
  text.TrimRight();
  return WriteProfileString(section, key, text);
}
