// CNativeDisplayControl: the window base of every custom-drawn pane. It paints
// through a memory DC, draws its own one-pixel border in the non-client area,
// keeps one display font, may carry command bars with one tool bar along its
// top, and moves the focus among registered child windows with Tab.
// UI thread only; the class has no lock.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>

#include <memory>

#include "foundation/TesselMap.h"
#include "foundation/TesselString.h"

class CApplicationMainFrame;
class CTKCommandBars;
class CTKToolBar;

/// Control id of a display made by the base's CreateControl.
const int kDisplayControlId = 265;
/// The display's border colour, RGB(169, 177, 184).
const COLORREF kDisplayBorderColor = RGB(169, 177, 184);

class CNativeDisplayControl : public CWnd {
 public:
  CNativeDisplayControl();
  /// Empties the child map, releases the command bars, destroys the window.
  ~CNativeDisplayControl() override;

  /// Who created the display; not owned. Needed by the tool-bar operations.
  CApplicationMainFrame* m_pOwnerFrame;

  // Message handlers (the message map forwards to them).
  virtual void OnPaint();
  virtual void OnNcPaint();
  virtual LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
  virtual HFONT OnGetFont();
  virtual void OnClose();

  /// Invalidates everything and repaints at once, frame and children too.
  virtual bool RedrawDisplay();
  /// A child of `parent` with the border style when HasBorder; false for no
  /// parent or when the window cannot be made.
  virtual bool CreateDisplay(CWnd* parent, int controlId);
  virtual bool CreateControl(CWnd* parent);
  /// Adds window style bit 0x1000 (one of the control-defined bits).
  virtual bool AddWindowStyleBit();
  /// Covers the parent's client area, then lays out the tool bars.
  virtual bool FitToParent();
  virtual bool RepaintIfVisible(CWnd* window);
  virtual COLORREF GetBackgroundColor();
  /// The client rectangle below a visible tool bar.
  virtual RECT* GetDisplayRect(RECT* rect);
  /// Keeps top and bottom; left and right 12 pixels inside the display rectangle.
  virtual RECT* GetTextRect(RECT* rect);
  virtual RECT* GetPaintRect(RECT* rect);
  virtual CTKToolBar* GetToolBar();
  virtual void SetToolBar(CTKToolBar* toolBar);
  /// New command bars of `commandBarsClass` with this display as their site.
  virtual bool InitCommandBars(CRuntimeClass* commandBarsClass);
  virtual bool HasBorder();
  virtual void SetBorder(bool border);
  /// Fills the bands between the paint rectangle and the child in the background colour.
  virtual bool PaintAroundChild(CWnd* child);
  /// The DC the display draws or measures in right now: a memory DC during a
  /// paint, a window DC during a measurement; null otherwise.
  virtual CDC* GetOffScreenContext();
  /// Selects the display font into the drawing DC (transparent text).
  virtual bool SelectDisplayFont();
  virtual bool RestoreFont();
  virtual bool SetFontFace(CTesselString face, int height);
  virtual bool SetFontFrom(CFont* font);
  virtual bool SetFontFromWithHeight(CFont* font, int height);
  /// "MS Shell Dlg", 14 pixels, ClearType.
  virtual bool CreateDefaultFont();
  /// The extent of the narrow text in the display font.
  virtual bool GetTextExtent(CTesselString text, SIZE* size);
  virtual bool AddChildWindow(CWnd* window);
  virtual bool RemoveChildWindow(CWnd* window);
  virtual bool RemoveAllChildWindows();
  /// The next enabled window of the Tab walk (see the .cpp), or null.
  virtual CWnd* GetNextChildWindow(CWnd* current, bool backwards);
  /// FitToParent only when the parent's client size differs from the window's.
  virtual bool RefitToParent();
  virtual CImageList* GetNormalImageList();
  virtual CImageList* GetDisabledImageList();
  virtual CImageList* GetHotImageList();
  virtual bool RepositionToolBars();
  /// Command bars with one tool bar loaded from `toolBarResourceId`; false
  /// without an owner frame (and then no command bars are made).
  virtual bool CreateToolBar(int titleStringId, int toolBarResourceId, int normalBitmapId,
                             int disabledBitmapId, int hotBitmapId, int dockPosition, int cellWidth);
  /// Loads the three bitmaps into the image lists in cells of `cellWidth`
  /// and gives them to the image manager for the tool bar's command ids
  /// (normal, disabled, hot); false without command bars.
  virtual bool LoadToolBarImages(int toolBarResourceId, int normalBitmapId, int disabledBitmapId,
                                 int hotBitmapId, int cellWidth);
  /// Caption and description of the tool bar's visible button `commandId`
  /// from the string of that id; false without tool bar or button.
  virtual bool SetToolBarButtonCaption(int commandId);
  virtual CTKCommandBars* GetCommandBars();
  virtual void SetCommandBars(CTKCommandBars* commandBars);

  BOOL PreTranslateMessage(MSG* pMsg) override;
  /// Tab and Shift+Tab walk the child windows; F1 posts command 9 to the display.
  bool HandleNavigationKey(MSG* pMsg);

  /// Makes `dc` the drawing DC, display font selected, for the scope's life;
  /// a drawing DC already in use (a paint in progress) is kept instead.
  class CDrawScope {
   public:
    CDrawScope(CNativeDisplayControl* display, CDC* dc);
    ~CDrawScope();
    CDrawScope(const CDrawScope&) = delete;
    CDrawScope& operator=(const CDrawScope&) = delete;

   private:
    CNativeDisplayControl* m_pDisplay;
    bool m_bActive;
  };

  /// The DC a paint handler draws to: the DC of a WM_PRINTCLIENT being
  /// served, else a CPaintDC of the window for the handler's scope.
  class CPaintTarget {
   public:
    explicit CPaintTarget(CNativeDisplayControl* display);
    ~CPaintTarget() { m_printDC.Detach(); }
    CPaintTarget(const CPaintTarget&) = delete;
    CPaintTarget& operator=(const CPaintTarget&) = delete;
    CDC* Get() { return m_pDC; }

   private:
    std::unique_ptr<CPaintDC> m_paintDC;
    CDC m_printDC;
    CDC* m_pDC;
  };

  bool IsWhiteFrame() const { return m_bWhiteFrame; }
  void SetWhiteFrame(bool whiteFrame) { m_bWhiteFrame = whiteFrame; }
  CWnd* GetParentWindow() const { return m_pParentWindow; }

 protected:
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

  /// Draws a one-pixel rectangle around the whole window in `color`.
  bool DrawWindowBorder(COLORREF color);
  /// Makes the display font from `logFont` (quality ClearType), deleting the old one.
  bool ReplaceFont(LOGFONT* logFont);
  /// Releases the command bars, when there are any.
  void ReleaseCommandBars();

  // Printing draws the frame and the client area into the caller's DC, so a
  // picture of the display can be taken without it being on screen.
  afx_msg LRESULT OnPrintMsg(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnPrintClientMsg(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGetFontMsg(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(OnGetFont()); }
  afx_msg LRESULT OnIdleUpdateCmdUIMsg(WPARAM wParam, LPARAM lParam) {
    return OnIdleUpdateCmdUI(wParam, lParam);
  }
  DECLARE_MESSAGE_MAP()

  CWnd* m_pParentWindow;
  /// The DC of the WM_PRINT or WM_PRINTCLIENT being served, else null.
  HDC m_hPrintDC;
  /// The drawing DC while a paint or measurement runs; not owned.
  CDC* m_pDrawDC;
  CTKToolBar* m_pToolBar;
  CTKCommandBars* m_pCommandBars;
  CImageList m_normalImages;
  CImageList m_disabledImages;
  CImageList m_hotImages;
  CFont m_displayFont;
  /// What SelectDisplayFont replaced in the drawing DC, null when nothing is selected.
  HGDIOBJ m_hSavedFont;
  bool m_bBorder;
  bool m_bWhiteFrame;
  /// Registered child windows by handle, in insertion order; not owned.
  CTesselMap m_childWindows;
};
