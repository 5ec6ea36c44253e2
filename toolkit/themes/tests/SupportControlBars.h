// A tool bar and a pop-up bar drawn by the themes' control drawing on the
// test paint manager, with icons of any size and texts measured as Wine
// measures them.
#pragma once

#include <gtest/gtest.h>

#include "SupportThemePaintManager.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControlClasses.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"
#include "testsupport/DibSurface.h"

/// A pop-up bar whose keyboard cues the test decides.
class CTestCuesPopupBar : public CTKPopupBar {
 public:
  BOOL IsKeyboardCuesVisible() const override { return m_bCues; }
  BOOL m_bCues = TRUE;
};

/// A tool bar whose keyboard cues the test decides.
class CTestCuesBar : public CTKCommandBar {
 public:
  BOOL IsKeyboardCuesVisible() const override { return m_bCues; }
  BOOL m_bCues = TRUE;
};

/// A tool bar and a pop-up bar sharing one image manager, drawn by a fresh,
/// refreshed `TPaintManager`.
template <class TPaintManager>
class ControlBarsTestOf : public ::testing::Test {
 protected:
  static constexpr COLORREF kBack = RGB(255, 255, 255);
  static constexpr COLORREF kText = RGB(200, 0, 0);

  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    m_pPaintManager = new TPaintManager;
    m_pPaintManager->RefreshMetrics();
    m_pBar = new CTestCuesBar;
    m_pBar->SetBarPosition(tkBarTop);
    m_pBar->SetPaintManager(m_pPaintManager);
    m_pPaintManager->InternalAddRef();
    m_pImages = new CTKImageManager;
    m_pBar->SetImageManager(m_pImages);
    m_pImages->InternalAddRef();
    m_pPopup = new CTestCuesPopupBar;
    m_pPopup->SetPaintManager(m_pPaintManager);
    m_pPopup->SetImageManager(m_pImages);
  }
  void TearDown() override {
    m_pPopup->InternalRelease();
    m_pBar->InternalRelease();
  }

  /// Gives indexed colour 20, the emboss under disabled text, a colour of its own.
  COLORREF SetEmbossColor() {
    const int nIndex = 20;
    const COLORREF clrEmboss = RGB(0, 190, 0);
    m_pPaintManager->SetIndexedColors(1, &nIndex, &clrEmboss);
    return clrEmboss;
  }

  /// A control of the type on the bar with a caption and a style.
  CTKControl* Add(CTKCommandBar* pBar, int nType, int nId, LPCSTR lpszCaption, int nStyle) {
    CTKControl* pControl = pBar->GetControls()->AddNew(nType, nId);
    pControl->SetCaption(lpszCaption);
    pControl->SetStyle(nStyle);
    return pControl;
  }

  /// Gives the id an icon of cx x cy pixels.
  void AddIcon(UINT nId, int cx, int cy) {
    ASSERT_TRUE(AddSolidTestIcon(m_pImages, nId, cx, cy, 0xFF3060A0));
  }

  /// The extent of a text in a font, as the screen measures it.
  static CSize Extent(CFont& font, LPCSTR lpszText) {
    CDibSurface surface(4, 4, kBack);
    CDC* pDC = surface.GetDC();
    CFont* pOld = pDC->SelectObject(&font);
    const CSize sz = pDC->GetTextExtent(lpszText, lstrlenA(lpszText));
    pDC->SelectObject(pOld);
    return sz;
  }
  /// What DrawText fits a text into from an empty rectangle.
  static CSize CalcRect(CFont& font, LPCSTR lpszText) {
    CDibSurface surface(4, 4, kBack);
    CDC* pDC = surface.GetDC();
    CFont* pOld = pDC->SelectObject(&font);
    CRect rc(0, 0, 0, 0);
    pDC->DrawText(lpszText, lstrlenA(lpszText), rc, DT_CALCRECT);
    pDC->SelectObject(pOld);
    return rc.Size();
  }
  /// The control's measured size with the regular font selected.
  CSize Measure(CTKControl* pControl) {
    CDibSurface surface(4, 4, kBack);
    CDC* pDC = surface.GetDC();
    CFont* pOld = pDC->SelectObject(&m_pPaintManager->m_fontRegular);
    const CSize sz = m_pPaintManager->DrawControl(pDC, pControl, FALSE);
    pDC->SelectObject(pOld);
    return sz;
  }
  /// Draws the control at `rc` on a white surface in the regular font and
  /// `kText`.
  void Draw(CDibSurface& surface, CTKControl* pControl, CRect rc) {
    pControl->SetRect(rc);
    CDC* pDC = surface.GetDC();
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(kText);
    CFont* pOld = pDC->SelectObject(&m_pPaintManager->m_fontRegular);
    m_pPaintManager->DrawControl(pDC, pControl, TRUE);
    pDC->SelectObject(pOld);
  }

  CScriptedSystemFonts m_fonts{-12};
  CTKImageManager* m_pImages = nullptr;
  TPaintManager* m_pPaintManager = nullptr;
  CTestCuesBar* m_pBar = nullptr;
  CTestCuesPopupBar* m_pPopup = nullptr;
};

using ControlBarsTest = ControlBarsTestOf<CTestControlsPaintManager>;
