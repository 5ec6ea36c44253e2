// A window of the application's own on a bar. The bar lays the control out
// like any other; the control keeps the window inside its rectangle less a
// border, shows, hides and enables it with itself, and passes its mouse moves
// to the bar for hot tracking. On a vertical bar it can hide or fall back to
// a plain button.
#pragma once

#include "commandbars/TKControlClasses.h"
#include "common/TKHookManager.h"

class CTKCommandBars;
class CTKPropExchange;

class CTKControlCustom : public CTKControlButton, public CTKHookManagerHookAble {
  DECLARE_DYNCREATE(CTKControlCustom)

 public:
  /// What a vertically docked bar does with the control.
  enum { kVerticalHide = 0, kVerticalButton = 2 };

  /// Not movable in customise mode unless everything may be customised.
  CTKControlCustom();
  /// Unhooks the window; never destroys it.
  ~CTKControlCustom() override;

  /// Hosts `hWnd` (not owned) and follows its mouse moves; null: none.
  void SetControl(HWND hWnd);
  HWND GetControl() const { return m_hwndControl; }
  CRect GetBorders() const { return m_rcBorders; }
  void SetBorders(CRect rcBorders) { m_rcBorders = rcBorders; }
  CSize GetControlSize() const { return m_szControl; }
  void SetControlSize(CSize sz) { m_szControl = sz; }
  int GetVerticalOptions() const { return m_nVerticalOptions; }
  void SetVerticalOptions(int nOptions) { m_nVerticalOptions = nOptions; }
  int GetControlId() const { return m_nControlId; }
  void SetControlId(int nId) { m_nControlId = nId; }
  /// Whether the window shows (cleared on removal and, with kVerticalButton,
  /// on a vertical bar).
  BOOL IsControlVisible() const { return m_bControlVisible; }

  /// The child of the site window with that dialog id, or null.
  static HWND AFX_CDECL FindControlWindow(CTKCommandBars* pCommandBars, int nId);

  /// Moves the window into the rectangle less the borders, on the bar.
  void SetRect(CRect rcControl) override;
  /// The window's size plus the borders while it shows, else the button's.
  CSize GetSize(CDC* pDC) override;
  /// The button, only where no window shows.
  void Draw(CDC* pDC) override;
  void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
  void OnEnabledChanged() override;
  BOOL SetHideFlags(DWORD dwFlags) override;
  void OnCalcDynamicSize(DWORD dwMode) override;
  void OnActionChanged(int nProperty) override;
  void OnRemoved() override;
  void Copy(CTKControl* pSource, BOOL bRecursive = FALSE) override;
  /// "Borders", "ControlSize", "VerticalOptions" and (schema above 5)
  /// "ControlId"; a loaded id finds its window again.
  void DoPropExchange(CTKPropExchange* pPX) override;

  /// Mouse moves over the window go to the bar; every message goes on.
  int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                    LRESULT& lResult) override;

 protected:
  /// Shows the window while the control shows on a bar with a window, hides
  /// it otherwise; leaves alone a window it does not hold on its bar, and
  /// whatever the stored original controls hold.
  void UpdateWindowVisibility();
  BOOL IsWindowShown() const;
  BOOL IsInOriginalControls() const;

  HWND m_hwndControl;
  CRect m_rcBorders;
  BOOL m_bControlVisible;
  CSize m_szControl;
  int m_nVerticalOptions;
  int m_nControlId;
};
