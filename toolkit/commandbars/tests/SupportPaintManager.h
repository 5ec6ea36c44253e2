// A paint manager for tests, the gallery and the benchmark: fixed sizes by
// style, a record of every call, and plain rectangles filled by state.
#pragma once

#include <map>
#include <vector>

#include "commandbars/TKPaintManager.h"
#include "commandbars/TKPaintManagerParts.h"

class CTKImageManager;

/// What the test paint manager was asked.
struct TestPaintCall {
  enum Kind { kMeasure, kDraw, kSeparator, kFillBar };
  Kind kind;
  int nId;  ///< the control's id, 0 for bars and separators
  CRect rc;
};

class CTestPaintManager : public CTKPaintManager {
 public:
  // Sizes by effective style (automatic: an icon button).
  static const CSize kIconButton;     // style 0 and 2
  static const CSize kCaptionButton;  // style 1
  static const CSize kSmallButton;    // style 3
  static const CSize kLargeButton;    // style 4
  static const CSize kSeparator;
  static const int kSplitDropDownHeight = 27;

  // Fill colours by state.
  static const COLORREF kNormal = RGB(200, 200, 220);
  static const COLORREF kHot = RGB(255, 220, 120);
  static const COLORREF kPressed = RGB(240, 160, 60);
  static const COLORREF kChecked = RGB(150, 200, 255);
  static const COLORREF kDisabled = RGB(170, 170, 170);
  static const COLORREF kBarBack = RGB(230, 235, 245);
  static const COLORREF kSeparatorLine = RGB(120, 120, 140);

  CTestPaintManager();

  /// Every call since construction or ClearCalls.
  const std::vector<TestPaintCall>& GetCalls() const { return m_calls; }
  int CountCalls(TestPaintCall::Kind kind) const;
  void ClearCalls() { m_calls.clear(); }
  /// The size a control of id `nId` measures, whatever its style.
  void SetControlSize(int nId, CSize sz) { m_sizes[nId] = sz; }
  /// The colour DrawControl fills a control with in its current state.
  static COLORREF StateColor(CTKControl* pControl);

  CSize DrawControl(CDC* pDC, CTKControl* pControl, BOOL bDraw = TRUE) override;
  CSize DrawControlComboBox(CDC* pDC, CTKControl* pControl, BOOL bDraw) override {
    return DrawControl(pDC, pControl, bDraw);
  }
  CSize DrawControlEdit(CDC* pDC, CTKControl* pControl, BOOL bDraw) override {
    return DrawControl(pDC, pControl, bDraw);
  }
  void DrawControlEntry(CDC* pDC, CTKControl* pControl) override { DrawControl(pDC, pControl); }
  void DrawControlMDIButton(CDC*, CTKControl*) override {}
  CSize DrawCommandBarSeparator(CDC* pDC, CTKCommandBar* pBar, CTKControl* pControl,
                                BOOL bDraw = TRUE) override;
  void DrawRectangle(CDC* pDC, CRect rc, BOOL bSelected, BOOL bPressed, BOOL bEnabled,
                     BOOL bChecked, BOOL bPopuped, int nBarType, int nBarPosition) override;
  COLORREF GetRectangleTextColor(BOOL, BOOL, BOOL bEnabled, BOOL, BOOL, int, int) override {
    return bEnabled ? RGB(0, 0, 0) : RGB(128, 128, 128);
  }
  COLORREF GetControlTextColor(CTKControl*) override { return RGB(0, 0, 0); }
  CSize DrawSpecialControl(CDC*, int, CTKControl*, CTKCommandBar*, BOOL, LPVOID) override {
    return CSize(0, 0);
  }
  void FillCommandBarEntry(CDC* pDC, CTKCommandBar* pBar) override;
  void FillDockBar(CDC*, CTKDockBar*) override {}
  CFont* GetCommandBarFont(CTKCommandBar*) override { return &m_fontRegular; }
  CSize DrawFloatingBarCaption(CDC*, CTKCommandBar*, BOOL) override { return CSize(0, 0); }
  CSize CalcFloatingBarCaptionSize(CTKCommandBar*) override { return CSize(0, 0); }
  int GetPopupBarGripperWidth(CTKCommandBar*) override { return 0; }
  void AdjustExcludeRect(CRect&, CTKControl*, BOOL) override {}
  void DrawPopupResizeGripper(CDC*, CRect, int) override {}
  CSize DrawTearOffGripper(CDC*, CRect, BOOL, BOOL) override { return CSize(0, 0); }
  void DrawKeyboardTip(CDC*, CTKCommandBarKeyboardTip*, BOOL) override {}
  void AnimatePopupBar(CDC*, CDC*, CRect, int) override {}
  int AnimateExpandingPopup(CTKPopupBar*, CDC*, CDC*, BOOL) override { return 0; }
  int GetSplitDropDownHeight() const override { return kSplitDropDownHeight; }
  COLORREF GetIndexedColor(int nIndex) override { return ::GetSysColor(nIndex); }
  int GetThemeType() const override { return 0; }
  void RefreshMetrics() override {}
  CTKFramePaintManager* GetFramePaintManager() override { return nullptr; }
  CTKControlGalleryPaintManager* GetGalleryPaintManager() override { return nullptr; }
  CTKProgressPaintManager* GetProgressPaintManager() override { return nullptr; }
  CTKScrollBarPaintManager* GetScrollBarPaintManager() override { return nullptr; }
  CTKStatusBarPaintManager* GetStatusBarPaintManager() override { return nullptr; }
  CTKRibbonPaintManager* GetRibbonPaintManager() override { return nullptr; }
  CTKShadowManager* GetShadowManager() override { return nullptr; }

 private:
  CSize MeasureControl(CTKControl* pControl) const;

  std::vector<TestPaintCall> m_calls;
  std::map<int, CSize> m_sizes;
};

/// Installs a new test paint manager as the global one and holds a reference
/// to it for the object's lifetime, as a bar would.
class CTestGlobalPaintManager {
 public:
  CTestGlobalPaintManager();
  ~CTestGlobalPaintManager();
  CTestPaintManager* Get() const { return m_pPaintManager; }
  CTestPaintManager* operator->() const { return m_pPaintManager; }

 private:
  CTestPaintManager* m_pPaintManager;
};

/// Gives each id an icon of `nSize` x `nSize` pixels in `pImageManager`.
bool AddTestIcons(CTKImageManager* pImageManager, const std::vector<UINT>& ids, int nSize);

/// What the test status-bar paint manager was asked.
struct TestStatusCall {
  enum Kind { kBackground, kEntry, kBorder, kSeparator, kGripper };
  Kind kind;
  UINT nPaneId;       ///< 0 for the bar
  BOOL bGripperPane;  ///< for borders
};

/// Records the status bar's drawing and fills each part in a colour of its own.
class CTestStatusBarPaintManager : public CTKStatusBarPaintManager {
 public:
  static constexpr COLORREF kBackground = RGB(220, 230, 240);
  static constexpr COLORREF kEntry = RGB(255, 255, 200);
  static constexpr COLORREF kGripper = RGB(90, 90, 90);

  CTestStatusBarPaintManager();
  void DrawStatusBarBackground(CDC* pDC, CTKStatusBar* pBar) override;
  void DrawPaneEntry(CDC* pDC, CRect rc, CTKStatusBarPane* pPane) override;
  void DrawPaneButtonFace(CDC*, CRect, CTKStatusBarPane*) override {}
  void DrawPaneBorder(CDC* pDC, CRect rc, CTKStatusBarPane* pPane, BOOL bGripperPane) override;
  void DrawPaneSeparator(CDC* pDC, CRect rc, CTKStatusBarPane* pPane) override;
  void DrawGripper(CDC* pDC, CRect rcClient) override;
  void RefreshMetrics() override {}
  COLORREF GetPaneTextColor(CTKStatusBarPane*) override { return RGB(0, 0, 0); }

  int CountCalls(TestStatusCall::Kind kind) const;
  std::vector<TestStatusCall> m_calls;
};

/// The test paint manager with the test status-bar paint manager.
class CTestStatusPaintManager : public CTestPaintManager {
 public:
  CTKStatusBarPaintManager* GetStatusBarPaintManager() override { return &m_statusBar; }
  CTestStatusBarPaintManager m_statusBar;
};

// The frame theme -------------------------------------------------------------

/// A frame theme for tests and the gallery: plain borders and caption in
/// fixed colours, buttons filled by state, cut top corners, and a count of
/// the frames it drew.
class CTestFramePaintManager : public CTKFramePaintManager {
 public:
  static constexpr COLORREF kCaptionActive = RGB(40, 80, 160);
  static constexpr COLORREF kCaptionInactive = RGB(150, 160, 180);
  static constexpr COLORREF kBorder = RGB(20, 40, 90);
  /// Pixels cut off each top corner of the region.
  static constexpr int kCorner = 2;

  CRect m_rcBorder = CRect(4, 4, 4, 4);
  int m_nCaptionHeight = 22;
  CSize m_szButton = CSize(20, 18);
  int m_nFramesDrawn = 0;
  /// The sizes CreateFrameRegion was asked for, oldest first.
  std::vector<CSize> m_regionSizes;

  CRect CalcCaptionRect(CTKCommandBarsFrameHook* pHook) override;
  CRect GetFrameBorders(CTKCommandBarsFrameHook*) override { return m_rcBorder; }
  HRGN CreateFrameRegion(CTKCommandBarsFrameHook* pHook, int cx, int cy) override;
  void DrawFrame(CDC* pDC, CTKCommandBarsFrameHook* pHook) override;
  CSize GetCaptionButtonSize(UINT, CTKCommandBarsFrameHook*) override { return m_szButton; }
  int GetCaptionHeight() override { return m_nCaptionHeight; }
};

/// The test paint manager with the test frame theme.
class CTestFramedPaintManager : public CTestPaintManager {
 public:
  CTestFramePaintManager m_frame;
  CTKFramePaintManager* GetFramePaintManager() override { return &m_frame; }
};
