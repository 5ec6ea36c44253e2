// The theme's own frame for the command bars' site window: the hook subclasses
// the frame, sizes and hit-tests its non-client area, lets the frame paint
// manager draw caption, borders and caption buttons, and clips the window to
// the theme's region. With desktop composition on it leaves the standard frame
// to the desktop window manager and only extends the glass.
#pragma once

#include <afxwin.h>

#include "commandbars/TKControl.h"
#include "common/TKFrameShadowManager.h"
#include "common/TKHookManager.h"

class CTKCommandBars;
class CTKControls;
class CTKFramePaintManager;
class CTKMenuBar;
class CTKNotifySink;
class CTKPaintManager;

/// Owned by the command bars while frame theming is on. UI thread only.
class CTKCommandBarsFrameHook : public CTKHookManagerHookAble, public ITKFrameShadowManagerEvents {
 public:
  /// One minimise, maximise, restore or close button: its id is the system
  /// command it sends, its help id the hit-test code it reports.
  class CControlCaptionButton : public CTKControl {
   public:
    CControlCaptionButton(CTKCommandBarsFrameHook* pHook, UINT nCommand, int nHitCode);
    /// Selected while it is the hook's hot button.
    int GetSelected() const override;
    /// Pressed while hot and the hook's pressed flag is set.
    BOOL IsCaptionButtonPressed() const;

   private:
    CTKCommandBarsFrameHook* m_pHook;
  };

  CTKCommandBarsFrameHook();
  /// Detaches, then releases the caption buttons and the notify sink.
  ~CTKCommandBarsFrameHook() override;

  // Attaching ------------------------------------------------------------------

  /// Attaches to the command bars' site (null: detaches); nothing when the
  /// hook is in that state already.
  void SetCommandBars(CTKCommandBars* pCommandBars);
  void Detach();
  CTKCommandBars* GetCommandBars() const { return m_pCommandBars; }
  HWND GetSite() const { return m_hwndSite; }
  BOOL IsAttached() const { return m_bAttached; }

  // Derived values -------------------------------------------------------------

  /// 0 without a window.
  DWORD GetSiteStyle() const;
  DWORD GetSiteExStyle() const;
  CTKPaintManager* GetPaintManager() const;
  /// Null when the paint manager has no frame theme.
  CTKFramePaintManager* GetFramePaintManager() const;
  BOOL IsMDIMaximized() const;
  /// The hook draws the caption: no bar docked at the top takes it over, or
  /// the site is a minimised child window.
  BOOL IsFrameCaptionVisible() const;
  /// The menu bar (a ribbon) that draws the frame's caption; null when none does.
  CTKMenuBar* GetCaptionBar() const;
  /// Left, top, right and bottom border widths; zeros without a frame theme.
  CRect CalcFrameBorder() const;
  /// The top border plus the frame theme's caption height, or plus the
  /// caption band of the bar that draws the caption.
  int GetCaptionHeight() const;
  /// Whether the frame theme draws the status bar into the frame; its height.
  BOOL IsFrameHasStatusBar(int* pnHeight = nullptr) const;
  BOOL IsDwmEnabled() const { return m_bDwmEnabled; }
  /// The frame is drawn active.
  BOOL IsActive() const { return m_bActive; }
  CObject* GetFrameShadow() const { return m_pFrameShadow; }

  // Caption buttons ------------------------------------------------------------

  /// Close, restore, maximise and minimise, in right-to-left placing order.
  CTKControls* GetCaptionButtons() const { return m_pCaptionButtons; }
  CTKControl* GetHotButton() const { return m_pHotButton; }
  BOOL IsButtonPressed() const { return m_bButtonPressed; }
  /// Shows, enables and places the buttons for the site's styles.
  void UpdateFrameCaptionButtons();
  /// The visible, enabled button under a point in window coordinates, or null.
  CTKControl* HitTestCaptionButton(CPoint ptWindow) const;
  /// The pressed button's modal loop; a release inside sends its command.
  void TrackCaptionButton(CTKControl* pButton);

  // Frame ----------------------------------------------------------------------

  /// Paints the frame now (nothing under DWM, for a maximised MDI child or
  /// an invisible window).
  void RedrawFrame();
  /// Re-applies the region for the current window size.
  void RefreshFrameRegion();
  void UpdateFrameRegion(CSize szWindow, BOOL bForce);
  /// Extends the glass over the caption (DWM only).
  void UpdateDwmFrame();
  /// Lets Windows drop the styles that would draw a standard frame part.
  void RefreshFrameStyle();
  void DelayRecalcFrameLayout();
  void RecalcFrameLayout();
  /// The ribbon's part of the frame; nothing without a ribbon.
  void DrawRibbonFramePart(CDC* pDC);

  // Hooked messages ------------------------------------------------------------

  int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                    LRESULT& lResult) override;
  void OnFrameShadowDestroyed(CTKFrameShadowManager* pManager, HWND hWndFrame,
                              CTKFrameShadow* pShadow) override;

  /// The process-wide "WM_GETFRAMEHOOK": any window answers it with its hook.
  static UINT AFX_CDECL GetFrameHookMessage();
  /// The hook of a framed window, or null.
  static CTKCommandBarsFrameHook* AFX_CDECL FromWindow(HWND hWnd);
  /// The task bar hides itself (through the command bars' system).
  static BOOL AFX_CDECL IsTaskbarAutoHide();

  /// Timers the hook starts on its site.
  enum { kTimerHotButton = 44209, kTimerFrameStyle = 44241 };
  /// SetWindowPos flags that make Windows compute the frame again, leaving
  /// place, size and order.
  static const UINT kFrameChanged =
      SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

 protected:
  void AddCaptionButton(UINT nCommand, int nHitCode);
  void PaintFrame(CDC* pDC);
  void EnableFrameShadow();
  void DisableFrameShadow();
  void UpdateWinEventHook(BOOL bTake);
  static void CALLBACK WinEventProc(HWINEVENTHOOK hHook, DWORD dwEvent, HWND hWnd, LONG idObject,
                                    LONG idChild, DWORD dwThread, DWORD dwTime);
  int OnResourceImagesChanged(DWORD dwEvent, WPARAM wParam, LPARAM lParam);

  // Message handlers (src/frame/TKCommandBarsFrameHookMessages.cpp); each
  // answers as OnHookMessage does.
  int OnNcCalcSize(WPARAM wParam, LPARAM lParam, LRESULT& lResult);
  int OnNcHitTest(LPARAM lParam, LRESULT& lResult);
  int OnNcActivate(WPARAM wParam, LPARAM lParam, LRESULT& lResult);
  int OnSizeChanged(UINT nMessage, WPARAM wParam);
  int OnTimer(WPARAM wParam);
  int OnMinMaxInfo(LPARAM lParam, LRESULT& lResult);
  int OnDwmCompositionChanged();
  int OnSuppressedMessage(UINT nMessage, LPARAM lParam, LRESULT& lResult);
  void OnHotButtonTimer();
  void SetHotButton(CTKControl* pButton);
  /// A point of a mouse message of the site in window coordinates.
  CPoint ClientToWindow(CPoint ptClient) const;
  CPoint ScreenToWindow(CPoint ptScreen) const;

  int m_nSuppressStyleChange;
  HWND m_hwndSite;
  CTKCommandBars* m_pCommandBars;
  BOOL m_bActive;
  CSize m_szFrameRegion;
  BOOL m_bDelayRecalcLayout;
  CTKControls* m_pCaptionButtons;
  CTKControl* m_pHotButton;
  BOOL m_bButtonPressed;
  BOOL m_bAttached;
  int m_nSkipNcPaint;
  BOOL m_bDwmEnabled;
  BOOL m_bDestroying;
  BOOL m_bGlassOverTopDockBar;
  CObject* m_pFrameShadow;
  UINT m_nMsgUpdateSkinState;
  UINT m_nMsgQuerySkinState;
  CTKNotifySink* m_pSink;
  BOOL m_bInRegionUpdate;
  BOOL m_bWinEventHookTaken;
};
