// ITKMarkupToolTipRelay: what a markup context needs of the tooltip object
// that shows its elements' tips: the mouse messages of the host window are
// passed on to it, and its tool hit test asks CTKMarkupContext::FindToolTip.
#pragma once

#include <afxwin.h>

/// The tooltip side of a markup context. The tooltip context of the toolkit
/// (in markup style) implements it; tests record what reaches it.
class ITKMarkupToolTipRelay {
 public:
  virtual ~ITKMarkupToolTipRelay() {}
  /// A mouse message of the host window, as the window received it.
  virtual void RelayToolTipMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) = 0;
};
