// CStaticField: a one-line read-only text field for values that may be
// longer than their space. Line breaks show as blanks, a text that does not
// fit ends with "...", Left, Right, Home and End scroll it sideways, a
// double-click copies the whole text, and when the mouse rests over a cut
// text while the field has the focus, the whole text shows in a tooltip.
#pragma once

#include <afxwin.h>

#include <atomic>

#include "foundation/CommSystemTimer.h"
#include "foundation/TesselString.h"
#include "uilib/TooltipWindow.h"

class CStaticField;

/// The hover request of a field, posted by its timer's thread; lParam the
/// cursor's screen x (low 16 bits) and y (high 16 bits).
#define WM_STATICFIELD_HOVER (WM_USER + 128)

/// Watches the cursor once a second on its own thread; when it has rested
/// at one place for two seconds, asks the field (posted) to show its
/// tooltip. The first request so comes two to three seconds after the
/// mouse came to rest. Its thread reads the owner's hover flag and window
/// and the cursor, and only posts; the UI thread restarts it directly.
class CStaticFieldMouseTimer : public CCommSystemTimer {
 public:
  static constexpr int kRestMilliseconds = 2000;

  CStaticFieldMouseTimer();
  ~CStaticFieldMouseTimer() override;
  void OnTimer() override;
  /// Tracking off, start now, cursor 0, 0.
  void Restart();
  bool IsTracking() const { return m_bTracking.load(); }

  CStaticField* m_pOwner;

 private:
  std::atomic<int> m_nCursorX;
  std::atomic<int> m_nCursorY;
  std::atomic<int64_t> m_nStart;
  std::atomic<bool> m_bTracking;
};

class CStaticField : public CEdit {
 public:
  CStaticField();
  /// Deletes the brushes, ends the timer's thread, destroys the tooltip.
  ~CStaticField() override;

  /// The full text; the field shows it on one line.
  virtual void SetText(const char* text);
  /// The reflected control colour: the field's colours and brush, and the
  /// control's font adopted for measuring.
  virtual HBRUSH CtlColor(CDC* dc, UINT controlType);
  /// The font of the control, used for measuring as it is.
  virtual void SetFieldFont(CFont* font, BOOL redraw);

  /// The full text with CR and LF as blanks and no two blanks in a row.
  CTesselString GetDisplayText();
  /// The display text from the scroll offset on, ending with "..." when cut.
  CTesselString GetFittedText();
  /// Leading characters to drop before the display text fits (0 when it fits).
  int GetMaxScrollOffset();
  bool TextFitsField(CTesselString text);
  /// Posts WM_STATICFIELD_HOVER with the screen point, when the window exists.
  void PostHoverRequest(int x, int y);
  void ShowTooltip();

  CTooltipWindow& GetTooltip() { return m_tooltip; }
  CStaticFieldMouseTimer& GetHoverTimer() { return m_hoverTimer; }
  int GetScrollOffset() const { return m_nScrollOffset; }
  bool IsTextCut() const { return m_bTextCut != 0; }
  bool AreMetricsMatched() const { return m_bMetricsMatched != 0; }
  const TEXTMETRICA& GetMetrics() const { return m_metrics; }
  CTesselString GetFaceName() const { return m_faceName; }

  // Set by the owner before the field is shown.
  COLORREF m_backgroundColor;
  COLORREF m_focusBackgroundColor;
  COLORREF m_textColor;
  BYTE m_bFittingDisabled;
  BYTE m_bKeyboardScrolling;
  BYTE m_bFocusColors;
  BYTE m_bTrueTypeOnly;
  /// Read by the timer's thread.
  std::atomic<bool> m_bHoverTooltip;

 protected:
  afx_msg void OnPaint();
  afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
  afx_msg void OnSetFocus(CWnd* oldWindow);
  afx_msg void OnKillFocus(CWnd* newWindow);
  afx_msg void OnMouseMove(UINT flags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
  afx_msg void OnLeftButton(UINT flags, CPoint point);
  afx_msg void OnRightButton(UINT flags, CPoint point);
  afx_msg LRESULT OnHoverRequest(WPARAM wParam, LPARAM lParam);

  /// The window DC with the measuring font; false until the metrics are
  /// matched or a font was set.
  bool AcquireMeasureDC();
  void ReleaseMeasureDC();
  /// Takes the metrics of the DC's font when it qualifies.
  void AdoptControlFont(CDC* dc);
  /// The field becomes the tooltip's owner and creates it, once.
  void EnsureTooltip();
  /// Hides the tooltip, restarts the timer (enabled or not), hover point 0, 0.
  void ResetHover(bool enableTimer);

  CTesselString m_fullText;
  CDC* m_pMeasureDC;
  int m_nScrollOffset;
  HFONT m_hMeasureFont;
  HGDIOBJ m_hPreviousFont;
  HBRUSH m_hBackgroundBrush;
  HBRUSH m_hFocusBrush;
  CTesselString m_faceName;
  TEXTMETRICA m_metrics;
  BYTE m_bMetricsMatched;
  CTooltipWindow m_tooltip;
  CStaticFieldMouseTimer m_hoverTimer;
  BYTE m_bTextCut;
  CPoint m_hoverPoint;
  BYTE m_bExternalFont;

  DECLARE_MESSAGE_MAP()
};
