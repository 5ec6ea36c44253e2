// The modal mouse tracking of a markup scroll bar: a pressed arrow or page
// scrolls at once and then on a repeat timer, a dragged thumb tracks and
// snaps back when the pointer strays; the scroll codes go to the bar's host.
#pragma once

#include <afxwin.h>

#include "TKMarkupScrollBarParts.h"

/// What the tracking needs of the bar it tracks.
class ITKMarkupScrollBarTrackHost {
 public:
  virtual ~ITKMarkupScrollBarTrackHost() {}
  /// Sends a scroll code (SB_ values) with a position to whoever scrolls.
  virtual void DoScroll(int nCode, int nPos) = 0;
  virtual void RedrawScrollBar() = 0;
  /// Takes and gives back the mouse capture through the markup context.
  virtual void CaptureMouse() = 0;
  virtual void ReleaseMouseCapture() = 0;
  /// Whether the context's captured element is still the bar: the loop runs
  /// while it is.
  virtual BOOL HoldsMouseCapture() = 0;
  /// A screen point in the bar's coordinates.
  virtual POINT ScreenToElement(HWND hWnd, POINT ptScreen) = 0;
  virtual BOOL IsScrollBarEnabled() = 0;
};

/// The system calls of the modal loop, so that tests script messages, the
/// timer, the keys and the cursor. The default instance calls Win32.
class CTKMarkupScrollBarSystem {
 public:
  virtual ~CTKMarkupScrollBarSystem() {}
  /// FALSE for WM_QUIT (and on failure), as GetMessage.
  virtual BOOL GetMessage(MSG* pMsg);
  virtual void DispatchMessage(const MSG* pMsg);
  virtual void PostQuitMessage(int nExitCode);
  virtual UINT_PTR SetTimer(HWND hWnd, UINT_PTR nId, UINT nElapse);
  virtual void KillTimer(HWND hWnd, UINT_PTR nId);
  virtual SHORT GetKeyState(int nKey);
  virtual POINT GetCursorPos();
  virtual UINT GetDoubleClickTime();
  virtual BOOL IsWindow(HWND hWnd);

  /// The instance in use.
  static CTKMarkupScrollBarSystem* Get();
  /// Installs `pSystem` (null: the Win32 one) and returns the previous one.
  static CTKMarkupScrollBarSystem* Set(CTKMarkupScrollBarSystem* pSystem);
};

/// One bar's tracking state. The position data belongs to the bar; the track
/// record exists only while a tracking runs. UI thread only; the loop is a
/// nested message loop, so other windows' messages are dispatched during it.
class CTKMarkupScrollBarTracker {
 public:
  CTKMarkupScrollBarTracker(ITKMarkupScrollBarTrackHost* pHost, TK_MARKUP_SCROLLBAR_POSINFO* pInfo);
  ~CTKMarkupScrollBarTracker();
  CTKMarkupScrollBarTracker(const CTKMarkupScrollBarTracker&) = delete;
  CTKMarkupScrollBarTracker& operator=(const CTKMarkupScrollBarTracker&) = delete;

  /// Tracks a left-button press at (x, y) in the bar's coordinates until the
  /// button is released, the capture is taken away, WM_QUIT arrives or the
  /// window dies. With bShift a press on the track drags the thumb with its
  /// middle under the pointer. Starts nothing where the thumb has no room.
  void PerformTrack(HWND hWnd, int x, int y, BOOL bShift);

  /// The record of the running tracking, else null.
  const TK_MARKUP_SCROLLBAR_TRACKINFO* GetTrackInfo() const { return m_pTrack; }

  // The steps of the loop, reachable on their own for the bar's drawing and
  // for tests.
  void TrackBox(UINT nMessage, int x, int y);
  void TrackThumb(UINT nMessage, int x, int y);
  void MoveThumb(int px);
  void ContScroll();
  void EndScroll();

 private:
  void StartThumbDrag(int z);
  void RunLoop();
  void FinishTrack();

  ITKMarkupScrollBarTrackHost* m_pHost;
  TK_MARKUP_SCROLLBAR_POSINFO* m_pInfo;
  TK_MARKUP_SCROLLBAR_TRACKINFO* m_pTrack;
};
