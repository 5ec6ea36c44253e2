// The paint manager base made concrete for tests: what only whole themes draw
// does nothing here.
#pragma once

#include "themes/TKPaintManagerBase.h"

class CTestThemePaintManager : public CTKPaintManagerBase {
 public:
  CSize DrawControl(CDC*, CTKControl*, BOOL = TRUE) override { return CSize(0, 0); }
  CSize DrawControlComboBox(CDC*, CTKControl*, BOOL) override { return CSize(0, 0); }
  CSize DrawControlEdit(CDC*, CTKControl*, BOOL) override { return CSize(0, 0); }
  void DrawControlEntry(CDC*, CTKControl*) override {}
  void DrawControlMDIButton(CDC*, CTKControl*) override {}
  CSize DrawCommandBarSeparator(CDC*, CTKCommandBar*, CTKControl*, BOOL = TRUE) override {
    return CSize(0, 0);
  }
  /// Fills the face in a colour that tells its state.
  void DrawRectangle(CDC* pDC, CRect rc, BOOL bSelected, BOOL bPressed, BOOL, BOOL bChecked, BOOL,
                     int, int) override {
    pDC->FillSolidRect(rc, bPressed ? kPressedFace : bSelected ? kHotFace
                                                     : bChecked ? kCheckedFace : kIdleFace);
  }
  COLORREF GetRectangleTextColor(BOOL, BOOL bPressed, BOOL, BOOL, BOOL, int, int) override {
    return bPressed ? kPressedText : kHotText;
  }
  COLORREF GetControlTextColor(CTKControl*) override { return 0; }
  CSize DrawSpecialControl(CDC*, int, CTKControl*, CTKCommandBar*, BOOL, LPVOID) override {
    return CSize(0, 0);
  }
  void FillCommandBarEntry(CDC*, CTKCommandBar*) override {}
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
  int GetThemeType() const override { return 0; }

  static const COLORREF kIdleFace = RGB(10, 10, 200);
  static const COLORREF kHotFace = RGB(250, 200, 40);
  static const COLORREF kPressedFace = RGB(200, 60, 20);
  static const COLORREF kCheckedFace = RGB(40, 180, 60);
  static const COLORREF kHotText = RGB(1, 2, 3);
  static const COLORREF kPressedText = RGB(4, 5, 6);
};

/// Scripts the system's non-client fonts for its lifetime: the menu font gets
/// the given height, the others their own fixed heights.
class CScriptedSystemFonts {
 public:
  explicit CScriptedSystemFonts(int nMenuHeight);
  ~CScriptedSystemFonts();
  void SetMenuHeight(int nMenuHeight);
  void SetStatusHeight(int nStatusHeight);
};
