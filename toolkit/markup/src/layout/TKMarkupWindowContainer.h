// CTKMarkupWindowContainer: a real child window of the host placed in the
// markup layout: it desires the window's size, and each paint moves and
// shows the window where the element lies; a paint that skips the element
// hides the window.
#pragma once

#include "markup/TKMarkupFrameworkElement.h"

/// The window stays the host's: the element never creates, reparents or
/// destroys it. Scripts see "Child", the window handle.
class CTKMarkupWindowContainer : public CTKMarkupFrameworkElement {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupWindowContainer();

  HWND GetChild() const { return m_hWnd; }
  /// Attaches the window (null detaches) and keeps its present size as the
  /// desired size; the layout and the picture are renewed.
  void SetChild(HWND hWnd);

  /// The window's size when it was attached, whatever the available size.
  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  /// Moves the window over the element's rectangle in the context window
  /// and shows it (deferred when the drawing context carries a deferred
  /// positioning handle).
  void OnRender(CTKMarkupDrawingContext* pDC) override;
  /// Hides the window.
  void OnNotRendered(CTKMarkupDrawingContext* pDC) override;

 protected:
  long DispGetChild();
  void DispSetChild(long nWindow);
  DECLARE_DISPATCH_MAP()

 private:
  HWND m_hWnd;
  int m_nWidth;
  int m_nHeight;
};
