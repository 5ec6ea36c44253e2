// Moves or copies a control between the bars of one command bars while they
// are customised: a modal loop of its own while the mouse button is held,
// one of three cursors, and the bar under the mouse told that the drag
// enters, moves over or leaves it, and at the end asked to take the drop.
#pragma once

#include <afxwin.h>

#include <vector>

class CTKCommandBar;
class CTKCommandBars;
class CTKControl;

class CommandBarsDragHelper {
 public:
  /// What a drag ended with.
  enum {
    kDropNone = 0,  ///< the mouse moved, but no bar took the control
    kDropCopy = 1,
    kDropMove = 2,
    kDropCancel = 5,  ///< Esc, the right button, a lost capture, a quit, or no move at all
  };
  /// Resource ids of the cursors.
  enum { kCursorCopy = 9105, kCursorMove = 9106, kCursorNoDrop = 9107 };

  explicit CommandBarsDragHelper(CTKCommandBars* pCommandBars);
  /// The bars it lists forget it.
  virtual ~CommandBarsDragHelper();
  CommandBarsDragHelper(const CommandBarsDragHelper&) = delete;
  CommandBarsDragHelper& operator=(const CommandBarsDragHelper&) = delete;

  /// A bar window that can take drops; the bar registered last wins where
  /// two qualify. The list holds no reference.
  void RegisterBar(CTKCommandBar* pBar);
  void UnregisterBar(CTKCommandBar* pBar);
  BOOL IsRegistered(const CTKCommandBar* pBar) const;

  /// Drags `pControl` until the left button is released, with the mouse
  /// captured for the command bars' site. `bAlwaysCopy` makes every drop a
  /// copy, Ctrl or not. UI thread only; one drag at a time.
  DWORD DoDragDrop(CTKControl* pControl, BOOL bAlwaysCopy);

 protected:
  /// Shows the cursor of that resource id.
  virtual void ShowCursor(UINT nCursorId);

 private:
  /// One message of the loop: FALSE ends it, `dwResult` then says how.
  BOOL PumpDragMessage(DWORD& dwResult, BOOL& bDrop, BOOL& bMoved);
  void OnDragMouseMove(const MSG& msg, BOOL bFirst);
  /// The bar under a screen point takes over from the one the drag was over.
  void UpdateTarget(CPoint ptScreen);
  CTKCommandBar* BarFromPoint(CPoint ptScreen) const;
  void LeaveTarget();
  void UpdateCursor();
  static CPoint ScreenPoint(const MSG& msg);

  CTKControl* m_pControl = nullptr;
  BOOL m_bMove = FALSE;
  BOOL m_bAlwaysCopy = FALSE;
  CTKCommandBar* m_pTarget = nullptr;
  std::vector<CTKCommandBar*> m_bars;
  CPoint m_ptStart;
  /// Where the mouse last was during the drag (screen).
  CPoint m_ptLast;
  HWND m_hWndCapture = NULL;
  HCURSOR m_hCursorNoDrop;
  HCURSOR m_hCursorMove;
  HCURSOR m_hCursorCopy;
  CTKCommandBars* m_pCommandBars;
};
