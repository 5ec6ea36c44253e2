// What the edit field and the combo box share of their field: the text their
// edit window shows, kept while the window is away and read back once after
// each change; the grey hint an empty field shows while it has no focus; the
// colours, place and visibility of the window on the bar. UI thread only.
#pragma once

#include <afxwin.h>
#include <richedit.h>

class CTKCommandBarEditCtrl;
class CTKControl;

class CTKFieldText {
 public:
  CTKFieldText() : m_bStale(TRUE) {}

  /// The window's text (the hint included), else the kept one.
  CString GetRaw(CTKCommandBarEditCtrl* pWnd);
  void SetRaw(CTKCommandBarEditCtrl* pWnd, const CString& strText);
  /// The user's text: empty while the hint shows.
  CString GetUser(CTKCommandBarEditCtrl* pWnd, const CString& strHint);
  BOOL ShowsHint(CTKCommandBarEditCtrl* pWnd, const CString& strHint);
  /// Takes a shown hint out of the field (before the hint changes, or when
  /// the field gets the focus).
  void RemoveHint(CTKCommandBarEditCtrl* pWnd, const CString& strHint);
  /// Puts the hint in an empty field.
  void ShowHintIfEmpty(CTKCommandBarEditCtrl* pWnd, const CString& strHint);
  /// The window's text changed: read it again when asked.
  void MarkStale() { m_bStale = TRUE; }
  /// The window goes: its text stays for the next one.
  void Keep(CTKCommandBarEditCtrl* pWnd);

 private:
  CString m_strCache;
  BOOL m_bStale;
};

/// The colour format of a field: the paint manager's normal or grey (hint,
/// disabled) text on its edit background.
void TKGetFieldCharFormat(CTKControl* pControl, BOOL bShowsHint, CHARFORMAT2A& cf);
/// The field's window within the control, `nLeft` and `nRight` in from its
/// sides (3 scaled pixels from the top and bottom).
CRect TKCalcFieldWindowRect(CTKControl* pControl, int nLeft, int nRight);
/// Makes the field's window when it has none (FALSE when that fails), and
/// gives it the paint manager's font and no margins.
BOOL TKPrepareFieldWindow(CTKControl* pControl, CTKCommandBarEditCtrl* pWnd, DWORD dwStyle,
                          int nTextLimit);
/// Destroys a window left on another bar, or mirrored: the next layout
/// makes it again.
void TKDropMisplacedFieldWindow(CTKControl* pControl, CTKCommandBarEditCtrl* pWnd);
/// Shows the window while the control is visible on a bar with a window.
void TKUpdateFieldWindowVisibility(CTKControl* pControl, CTKCommandBarEditCtrl* pWnd);
/// Fields vanish from vertically docked tool bars: the hide flags for a layout mode.
DWORD TKFieldHideFlagsForMode(DWORD dwHideFlags, DWORD dwMode);
/// A field on a pop-up always shows its caption; elsewhere the button styles
/// with a caption do, else `bLabel` decides.
BOOL TKIsFieldCaptionVisible(const CTKControl* pControl, BOOL bLabel);
