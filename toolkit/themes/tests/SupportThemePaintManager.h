// The paint manager base made concrete for tests: what only whole themes draw
// does nothing here.
#pragma once

#include <vector>

#include "themes/TKPaintManagerBase.h"

/// Supplies only what the base leaves to each theme; everything else is the
/// base's own.
class CTestThemePaintManager : public CTKPaintManagerBase {
 public:
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
  void FillCommandBarEntry(CDC*, CTKCommandBar*) override {}
  void AdjustExcludeRect(CRect&, CTKControl*, BOOL) override {}
  void DrawPopupResizeGripper(CDC*, CRect, int) override {}
  CSize DrawTearOffGripper(CDC*, CRect, BOOL, BOOL) override { return CSize(0, 0); }
  int GetThemeType() const override { return 0; }

  static const COLORREF kIdleFace = RGB(10, 10, 200);
  static const COLORREF kHotFace = RGB(250, 200, 40);
  static const COLORREF kPressedFace = RGB(200, 60, 20);
  static const COLORREF kCheckedFace = RGB(40, 180, 60);
  static const COLORREF kHotText = RGB(1, 2, 3);
  static const COLORREF kPressedText = RGB(4, 5, 6);

  void DrawSplitButtonFrame(CDC*, CTKControl*, CRect) override {}
};

/// The themes' control drawing on the test paint manager: faces, split frames
/// and icons are filled rectangles and recorded, and text colours tell the
/// state they came from.
class CTestControlsPaintManager : public CTestThemePaintManager {
 public:
  struct Image {
    CPoint pt;
    CSize sz;
    BOOL bSelected;
    BOOL bEnabled;
  };

  /// RGB(10 x selected + pressed, 10 x enabled + checked, 100 x pop-up open +
  /// 10 x bar type + bar position).
  COLORREF GetRectangleTextColor(BOOL bSelected, BOOL bPressed, BOOL bEnabled, BOOL bChecked,
                                 BOOL bPopuped, int nBarType, int nBarPosition) override {
    return StateTextColor(bSelected, bPressed, bEnabled, bChecked, bPopuped, nBarType,
                          nBarPosition);
  }
  static COLORREF StateTextColor(int nSelected, int nPressed, int nEnabled, int nChecked,
                                 int nPopuped, int nBarType, int nBarPosition) {
    return RGB(10 * nSelected + nPressed, 10 * nEnabled + nChecked,
               100 * nPopuped + 10 * nBarType + nBarPosition);
  }
  void DrawSplitButtonFrame(CDC* pDC, CTKControl*, CRect rc) override {
    m_splitFrames.push_back(rc);
    pDC->FillSolidRect(rc, kSplitFace);
  }
  void DrawImage(CDC* pDC, CPoint pt, CSize sz, CTKImageManagerIcon*, BOOL bSelected, BOOL,
                 BOOL bEnabled, int, BOOL, BOOL) override {
    m_images.push_back(Image{pt, sz, bSelected, bEnabled});
    pDC->FillSolidRect(CRect(pt, sz), bEnabled ? kImage : kDisabledImage);
  }

  std::vector<CRect> m_splitFrames;
  std::vector<Image> m_images;
  static constexpr COLORREF kSplitFace = RGB(120, 30, 160);
  static constexpr COLORREF kImage = RGB(0, 140, 140);
  static constexpr COLORREF kDisabledImage = RGB(140, 140, 140);
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

class CTKImageManager;
/// Gives `nId` an icon of cx x cy pixels in one colour (0xAARRGGBB); false when
/// the image manager does not take it.
bool AddSolidTestIcon(CTKImageManager* pImages, UINT nId, int cx, int cy, DWORD dwColor);
