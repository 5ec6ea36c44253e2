// CTKMarkupScrollBar: the scroll bar a scroll viewer places along its
// content. It never moves content itself: each step is a scroll code sent to
// the viewer, which writes the new position back into the bar.
#pragma once

#include "markup/TKMarkupControl.h"
#include "TKMarkupScrollBarParts.h"
#include "TKMarkupScrollBarTracker.h"

class CTKWinThemeWrapper;

/// No tag: only the viewer makes it. Looks and behaves like a standard
/// scroll bar (arrows and pages repeat on a timer, the thumb drags and snaps
/// back); drawn through the "SCROLLBAR" visual style or classically.
class CTKMarkupScrollBar : public CTKMarkupControl, public ITKMarkupScrollBarTrackHost {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupScrollBar();
  ~CTKMarkupScrollBar() override;

  /// 1 vertical (the default), 0 horizontal.
  int GetOrientation() const { return m_nOrientation; }
  void SetOrientation(int nOrientation) { m_nOrientation = nOrientation; }

  /// Stores the information when nMax, nPage or nPos changed and marks the
  /// arrangement invalid, so that the next arrange lays the parts out
  /// again; nothing otherwise.
  void SetScrollInfo(const SCROLLINFO& si);
  void GetScrollInfo(SCROLLINFO* pInfo) const { *pInfo = m_si; }
  const TK_MARKUP_SCROLLBAR_POSINFO& GetPosInfo() const { return m_info; }
  /// The tracking in progress, else null.
  const TK_MARKUP_SCROLLBAR_TRACKINFO* GetTrackInfo() const { return m_tracker.GetTrackInfo(); }
  CTKMarkupScrollBarTracker* GetTracker() { return &m_tracker; }

  /// The system scroll-bar width (vertical) or height (horizontal), not
  /// scaled by the markup.
  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;
  void OnRender(CTKMarkupDrawingContext* pDC) override;

  /// The hot part follows the pointer.
  void OnMouseMove(CTKMarkupMouseEventArgs* pArgs) override;
  void OnMouseLeave(CTKMarkupMouseEventArgs* pArgs) override;
  /// Starts the modal tracking on an enabled bar; Shift jumps the thumb.
  void OnMouseLeftButtonDown(CTKMarkupMouseButtonEventArgs* pArgs) override;
  /// Nothing: the tracking loop takes the release.
  void OnMouseLeftButtonUp(CTKMarkupMouseButtonEventArgs* pArgs) override;

  // The tracking's host
  void DoScroll(int nCode, int nPos) override;
  void RedrawScrollBar() override;
  void CaptureMouse() override;
  void ReleaseMouseCapture() override;
  BOOL HoldsMouseCapture() override;
  POINT ScreenToElement(HWND hWnd, POINT ptScreen) override;
  BOOL IsScrollBarEnabled() override;

  /// The "SCROLLBAR" theme, opened on first use and after a theme change.
  CTKWinThemeWrapper* GetTheme();

 private:
  int m_nOrientation;
  TK_MARKUP_SCROLLBAR_POSINFO m_info;
  CTKMarkupScrollBarTracker m_tracker;
  SCROLLINFO m_si;
  CTKWinThemeWrapper* m_pTheme;
  int m_nThemeSerial;
};
