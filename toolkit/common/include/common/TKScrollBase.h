// The toolkit's scroll-bar engine for controls that draw a scroll bar of their
// own inside another window: layout, hit tests and the modal mouse tracking.
#pragma once

#include <afxwin.h>

#include <vector>

class CTKScrollBarPaintManager;

/// Hit codes of a scroll bar's parts.
enum {
  TKSB_HT_NONE = 0,
  TKSB_HT_UP = 60,        ///< first arrow (up or left)
  TKSB_HT_DOWN = 61,      ///< second arrow (down or right)
  TKSB_HT_PAGEUP = 62,    ///< track before the thumb
  TKSB_HT_PAGEDOWN = 63,  ///< track after the thumb
  TKSB_HT_THUMB = 64,
  TKSB_HT_LIMIT = 65,  ///< beyond the layout's limit
};

/// Timers the tracking runs on the tracked window.
enum {
  TKSB_TIMER_REPEAT = 23345,   ///< auto-repeat of a pressed part
  TKSB_TIMER_ANIMATE = 23346,  ///< the owner's animation step
};

/// Where a scroll bar's parts lie. "Along" is y for a vertical bar, x for a
/// horizontal one.
struct TK_SCROLLBAR_LAYOUT {
  int nMin, nMax, nPage, nPos;   ///< the SCROLLINFO values, nPos clamped to the range
  int pxStart, pxEnd;            ///< the bar's extent along the axis
  int pxCrossStart, pxCrossEnd;  ///< its extent across the axis
  int pxThumbSize;               ///< the thumb's length
  int pxArrowEnd;                ///< end of the first arrow = start of the track
  int pxArrowStart;              ///< start of the second arrow = end of the track
  int pxDragStart;               ///< thumb start when a drag began
  int pxThumbEnd, pxThumbStart;  ///< the thumb's extent
  int pxLimit;                   ///< a positive value: beyond it the hit code is 65
  int pxThumbRange;              ///< pixels over which the thumb start can move
  int pxThumbMin;                ///< first pixel of the thumb start
  RECT rc;                       ///< the bar rectangle
  int nHitPart;                  ///< pressed part while tracking, else the part under the mouse
  int bVertical;
};

/// The state of one modal tracking (CTKScrollBase::TrackScrollBar).
struct TK_SCROLLBAR_TRACKINFO {
  BOOL bOverPart;         ///< the mouse is over the tracked part
  RECT rcTrack;           ///< the pressed part, or where a dragged thumb stays active
  int nCommand;           ///< SB_LINEUP .. SB_THUMBPOSITION of the part, -1 at first
  UINT_PTR nTimerId;      ///< the running repeat timer, 0 when none
  int pxThumbGrab;        ///< from the mouse to the thumb start, along the axis
  int pxLastThumb;        ///< thumb start last applied
  int nLastPos, nNewPos;  ///< positions while dragging
  HWND hWnd;              ///< holds the capture and the timers
  BOOL bDraggingThumb;
  TK_SCROLLBAR_LAYOUT* pLayout;
};

/// The position for a thumb start pixel: the minimum before the thumb's
/// range, the last page at or after its end, MulDiv proportion between.
int ScrollPosFromTrackOffset(const TK_SCROLLBAR_LAYOUT* pLayout, int pxThumbStart);

/// The mix-in of a control with a scroll bar of its own. The owner supplies
/// its window, rectangle, SCROLLINFO, paint manager and what a command does;
/// this class computes the layout (UpdateScrollBarInfo), hit-tests it and
/// runs the mouse tracking of a pressed part with auto-repeat and thumb
/// dragging. It draws nothing itself. UI thread only.
class CTKScrollBase {
 public:
  CTKScrollBase();
  virtual ~CTKScrollBase();

  virtual CWnd* GetParentWindow() const = 0;
  virtual BOOL IsScrollBarEnabled() const = 0;
  virtual CTKScrollBarPaintManager* GetScrollBarPaintManager() const = 0;
  /// The bar rectangle, empty when there is no bar.
  virtual void GetScrollBarRect(CRect& rc) = 0;
  virtual void GetScrollInfo(SCROLLINFO* pInfo) = 0;
  virtual void RedrawScrollBar() = 0;
  /// One step of the owner's smooth-scroll animation.
  virtual void DoAnimate() {}
  /// Performs an SB_ command (SB_THUMBTRACK and SB_THUMBPOSITION with a
  /// position).
  virtual void DoScroll(int nCommand, int nPos) = 0;
  /// Computes the layout of a bar from its rectangle and SCROLLINFO.
  virtual void CalcScrollBarInfo(LPRECT lprc, TK_SCROLLBAR_LAYOUT* pLayout, SCROLLINFO* pInfo);

  /// The layout of GetScrollBarRect and GetScrollInfo.
  void UpdateScrollBarInfo();
  /// The hit code at a client point.
  int HitTestScrollBar(POINT pt) const;
  /// Modal tracking after a button-down at pt (client coordinates of hWnd);
  /// returns when the capture goes or the window dies. With bJumpToPoint a
  /// click on the track drags the thumb with its middle under the mouse.
  void TrackScrollBar(HWND hWnd, POINT pt, TK_SCROLLBAR_LAYOUT* pLayout, BOOL bJumpToPoint);

  const TK_SCROLLBAR_LAYOUT& GetLayout() const { return m_layout; }
  TK_SCROLLBAR_LAYOUT* GetLayoutPtr() { return &m_layout; }
  /// The tracking data while a tracking loop runs, else null.
  const TK_SCROLLBAR_TRACKINFO* GetTrackInfo() const { return m_pTrack; }
  BOOL IsSizeBox() const { return m_bSizeBox; }
  void SetSizeBox(BOOL bSizeBox) { m_bSizeBox = bSizeBox; }
  /// Chosen by the owner and read by the paint managers (6: dark images in the
  /// resource look; 9: dark colours in the flat look).
  int GetScrollBarStyle() const { return m_nStyle; }
  void SetScrollBarStyle(int nStyle) { m_nStyle = nStyle; }
  BOOL IsAnimating() const { return m_bAnimating; }
  void SetAnimating(BOOL bAnimating) { m_bAnimating = bAnimating; }

  /// Where the tracking reads the left button: GetKeyState unless a test
  /// scripts it. Returns the previous source; null restores the system's.
  typedef SHORT(WINAPI* TK_KEYSTATE_SOURCE)(int nKey);
  static TK_KEYSTATE_SOURCE SetKeyStateSource(TK_KEYSTATE_SOURCE pfnSource);

  /// Part `nPart` is under the mouse and nothing is being tracked.
  BOOL IsPartHot(int nPart) const;
  /// Part `nPart` is held: tracked with the mouse over it, or a dragged thumb.
  BOOL IsPartPressed(int nPart) const;

  /// A slider's tick marks, as values of its range.
  const std::vector<double>& GetTicks() const { return m_ticks; }
  void SetTicks(const std::vector<double>& ticks) { m_ticks = ticks; }

 protected:
  /// The rectangle in which a dragged thumb stays active.
  void CalcTrackDragRect(RECT* prc) const;
  /// A mouse message (0 from the timer) while an arrow or page is pressed.
  void TrackScrollPart(UINT nMessage, POINT pt);
  /// A mouse message while the thumb is dragged.
  void MoveThumb(UINT nMessage, POINT pt);
  void SetThumbPosition(int pxThumbStart);
  void OnScrollTimer();
  /// Ends the tracking; bRevert puts a dragged thumb back where it began.
  void EndScroll(BOOL bRevert);

  /// The left button's state as SetKeyStateSource chose.
  static SHORT LeftButtonState();

  TK_SCROLLBAR_LAYOUT m_layout;
  BOOL m_bSizeBox;
  TK_SCROLLBAR_TRACKINFO* m_pTrack;
  int m_nReserved;
  int m_nStyle;
  BOOL m_bAnimating;
  UINT m_nRepeatInterval;
  std::vector<double> m_ticks;
};
