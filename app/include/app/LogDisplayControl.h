// CLogDisplayControl: the run log, one coloured, time-stamped line per entry.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>

#include <stdint.h>

#include <atomic>
#include <memory>
#include <vector>

#include "engine/LogSink.h"
#include "foundation/ReentrantLock.h"
#include "foundation/TesselString.h"
#include "uilib/NativeDisplayControl.h"

class IAppDisplayOwner;

/// One line of the log.
class CLogDisplayControlEntry {
 public:
  /// Kind 0, empty text, dark blue, stamped with the current UTC time.
  CLogDisplayControlEntry();
  virtual ~CLogDisplayControlEntry() {}

  /// "[HH:MM:SS:mmm]" of the entry's local time. Made when painted, so that
  /// a long log does not carry a second string per line.
  CTesselString GetTimeStamp() const;

  int m_kind;
  CTesselString m_text;
  COLORREF m_color;
  int64_t m_time;  ///< when the line reached the log (UTC)
};

/// The run log of the main display. Entries arrive from any thread through
/// AddEntry, which only appends under the lock and posts WM_APP_LOGUPDATE to
/// the window; scroll bars and painting happen on the UI thread. There is no
/// log file and no limit on the number of entries.
class CLogDisplayControl : public CNativeDisplayControl, public ILogSink {
 public:
  /// Rows are this many pixels high, below a top margin of kTopMargin.
  static const int kRowHeight = 16;
  static const int kTopMargin = 2;
  /// The vertical bar's range never exceeds this; longer logs scale.
  static const int kMaxScrollRange = 30000;
  static const int kHorzBarId = 395;
  static const int kVertBarId = 396;
  /// The time stamp starts at kStampLeft; icons start at kIconColumn, or
  /// further right when the display font's stamp is wider than the room
  /// before it, and texts kIconWidth + 2 after them.
  static constexpr int kStampLeft = 5;
  static constexpr int kIconColumn = 85;
  static constexpr int kIconWidth = 16;

  /// Where this paint's icons start: kIconColumn, or a few pixels past the
  /// widest stamp of the display font. Needs a drawing DC (a paint) or the window.
  int GetIconColumn();

  CLogDisplayControl();
  ~CLogDisplayControl() override;

  /// The frame that answers the clear question and tracks the context menu;
  /// not owned. Without it the menu and the clear command do nothing.
  void SetOwner(IAppDisplayOwner* owner) { m_pOwner = owner; }
  IAppDisplayOwner* GetOwner() const { return m_pOwner; }

  /// Appends one line of `kind` (LogEntryKind) and scrolls to the end. Any
  /// thread. Posts one WM_APP_LOGUPDATE unless one is still pending.
  bool AddEntry(int kind, const CTesselString& text) override;
  /// "Execution cancelled by user" as a failure line.
  bool AddCancelledEntry();
  /// Deletes every entry and redraws; true when there was one.
  bool RemoveAllEntries();

  bool CreateDisplay(CWnd* parent, int controlId) override;

  // Message handlers (the message map forwards to them).
  void OnPaint() override;
  virtual void OnSize(UINT type, int cx, int cy);
  virtual void OnLButtonDown(UINT flags, CPoint point);
  virtual void OnRButtonDown(UINT flags, CPoint point);
  virtual BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
  virtual LRESULT OnLogUpdate(WPARAM wParam, LPARAM lParam);
  virtual void OnHScroll(UINT code, UINT position, CScrollBar* bar);
  virtual void OnVScroll(UINT code, UINT position, CScrollBar* bar);
  virtual void OnClearLogDisplay();
  virtual void OnCopyToClipboard();
  virtual void OnUpdateLogCommand(CCmdUI* cmdUI);

  /// The joined texts of every entry, "\r\n" between them (what Copy puts on
  /// the clipboard).
  CTesselString GetAllText();
  int GetEntryCount();
  /// Text and kind of entry `index`; false outside the list.
  bool GetEntry(int index, CTesselString* text, int* kind, COLORREF* color);

  int GetFirstVisible() const { return m_firstVisible; }
  int GetHorizontalOffset() const { return m_offset; }
  int GetScale() const { return m_scale; }
  CScrollBar& GetVerticalBar() { return m_vertBar; }
  CScrollBar& GetHorizontalBar() { return m_horzBar; }

  bool UpdateScrollRanges();
  bool UpdateScrollPositions();
  bool RepositionScrollBars();

 protected:
  virtual bool PaintEntries();
  virtual bool DrawEntryText(CDC* dc, int x, int y, CTesselString text, COLORREF color);
  bool DrawEntryIcon(CDC* dc, int icon, int x, int y);
  bool CreateScrollBars();
  void ScrollToEnd();
  /// The number of entries and the widest text from the first visible on.
  void MeasureEntries(int* count, int* contentWidth);
  void ExtendVerticalRange();
  void ShowContextMenu();
  int ClientHeight();

  DECLARE_MESSAGE_MAP()

  IAppDisplayOwner* m_pOwner;
  HIMAGELIST m_hIcons;
  CReentrantLock m_lock;
  // The entries in the order they came, guarded by m_lock. Painting starts at
  // the first visible index, so they are held for access by index.
  std::vector<std::unique_ptr<CLogDisplayControlEntry>> m_entries;
  int m_firstVisible;  // guarded by m_lock (AddEntry moves it on any thread)
  int m_offset;
  int m_scale;
  // The client height as last sized, read by AddEntry on other threads.
  std::atomic<int> m_clientHeight;
  // Set by AddEntry when it posts WM_APP_LOGUPDATE, cleared when that is
  // handled: a burst of lines repaints once, not once per line.
  std::atomic<bool> m_updatePending;
  CScrollBar m_horzBar;
  CScrollBar m_vertBar;
};
