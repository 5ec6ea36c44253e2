// CTKToolBar: docked and floating sizes, and the expand and close buttons the
// bar adds for itself.
#include "commandbars/TKToolBar.h"

#include <algorithm>

#include <afxframe.h>

#include "TKNestedDynCreate.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControls.h"
#include "common/TKDCHelpers.h"
#include "common/TKDpiHelper.h"

namespace {

/// The room kept at the end of a bar for its expand button.
int ExpandRoom(BOOL bHorizontal) {
  return bHorizontal ? TKDpiHelper()->ScaleX(11) : TKDpiHelper()->ScaleY(11);
}

BOOL HasControlHiddenForRoom(CTKControls* pControls) {
  for (int i = 0; i < pControls->GetCount(); ++i)
    if (pControls->GetAt(i)->GetHideFlags() == TKHIDE_WRAP) return TRUE;
  return FALSE;
}

/// A DC of the bar (the screen's while it has no window) with the bar font.
class CBarMeasureDC {
 public:
  explicit CBarMeasureDC(CTKCommandBar* pBar)
      : m_hWnd(pBar->GetSafeHwnd()),
        m_hDC(::GetDC(m_hWnd)),
        m_font(CDC::FromHandle(m_hDC), pBar->GetPaintManager()->GetCommandBarFont(pBar)) {}
  ~CBarMeasureDC() { ::ReleaseDC(m_hWnd, m_hDC); }
  CDC* Get() const { return CDC::FromHandle(m_hDC); }

 private:
  HWND m_hWnd;
  HDC m_hDC;
  CTKFontDC m_font;
};

}  // namespace

// The bar's own buttons ----------------------------------------------------------------

TK_IMPLEMENT_NESTED_DYNCREATE(CTKToolBar, CControlButtonExpand, CTKControlPopup)

CTKToolBar::CControlButtonExpand::CControlButtonExpand() : m_bHiddenControls(FALSE) {
  m_controlType = tkControlButtonPopup;
  m_dwFlags = TKFLAG_SKIPFOCUS | TKFLAG_MANUALUPDATE | TKFLAG_NOMOVABLE;
}

void CTKToolBar::CControlButtonExpand::SetRect(CRect rcControl) {
  CTKControlPopup::SetRect(rcControl);
  m_bHiddenControls = m_pParent != nullptr && HasControlHiddenForRoom(m_pParent->GetControls());
}

CSize CTKToolBar::CControlButtonExpand::GetSize(CDC*) { return GetRect().Size(); }

void CTKToolBar::CControlButtonExpand::Draw(CDC* pDC) {
  const int nKind = m_pParent->GetPosition() == tkBarFloating ? 3 : 0;
  GetPaintManager()->DrawSpecialControl(pDC, nKind, this, m_pParent, TRUE, &m_bHiddenControls);
}

TK_IMPLEMENT_NESTED_DYNCREATE(CTKToolBar, CControlButtonHide, CTKControlButton)

CTKToolBar::CControlButtonHide::CControlButtonHide() {
  m_controlType = tkControlButton;
  m_dwFlags = TKFLAG_SKIPFOCUS | TKFLAG_MANUALUPDATE | TKFLAG_NOMOVABLE;
}

void CTKToolBar::CControlButtonHide::OnExecute() {
  if (CTKToolBar* pBar = DYNAMIC_DOWNCAST(CTKToolBar, m_pParent)) pBar->SetVisible(FALSE);
}

CSize CTKToolBar::CControlButtonHide::GetSize(CDC*) { return GetRect().Size(); }

void CTKToolBar::CControlButtonHide::Draw(CDC* pDC) {
  GetPaintManager()->DrawSpecialControl(pDC, 2, this, m_pParent, TRUE, nullptr);
}

CTKToolBar::CControlButtonExpand* CTKToolBar::GetExpandButton(BOOL bCreate) {
  CTKControl* pControl = m_pControls->FindControl(tkControlButtonPopup, TKID_TOOLBAR_OPTIONS,
                                                  FALSE, FALSE);
  if (CControlButtonExpand* pExpand = DYNAMIC_DOWNCAST(CControlButtonExpand, pControl))
    return pExpand;
  if (!bCreate) return nullptr;
  return static_cast<CControlButtonExpand*>(
      m_pControls->Add(new CControlButtonExpand, TKID_TOOLBAR_OPTIONS, "", -1, TRUE));
}

CTKToolBar::CControlButtonHide* CTKToolBar::GetHideButton(BOOL bCreate) {
  CTKControl* pControl =
      m_pControls->FindControl(tkControlButton, TKID_TOOLBAR_HIDE, FALSE, FALSE);
  if (CControlButtonHide* pHide = DYNAMIC_DOWNCAST(CControlButtonHide, pControl)) return pHide;
  if (!bCreate) return nullptr;
  return static_cast<CControlButtonHide*>(
      m_pControls->Add(new CControlButtonHide, TKID_TOOLBAR_HIDE, "", -1, TRUE));
}

// Sizes ----------------------------------------------------------------------------------------

CRect CTKToolBar::GetBorders() {
  if (m_barPosition == tkBarFloating) {
    const int cx = TKDpiHelper()->ScaleX(3), cy = TKDpiHelper()->ScaleY(3);
    return CRect(cx, cy, cx, cy);
  }
  return CTKCommandBar::GetBorders();
}

CSize CTKToolBar::CalcLayout(int nLength, DWORD dwMode, int nExtra) {
  CBarMeasureDC dc(this);
  CRect rcBorder = GetBorders();
  if (CControlButtonHide* pHide = GetHideButton(FALSE)) pHide->SetHideFlags(TKHIDE_GENERIC);
  CTKCommandBars* pCommandBars = GetCommandBars();
  const BOOL bAlways =
      pCommandBars != nullptr && pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways;
  const BOOL bHorizontal = (dwMode & LM_HORZDOCK) != 0;
  auto layOut = [&](int nAtLength) {
    DWORD dwPassMode = dwMode;
    return m_pControls->CalcBarLayout(dc.Get(), nAtLength, dwPassMode, rcBorder, nExtra);
  };
  CSize sz(0, 0);
  if (!m_bShowExpandButton) {
    sz = layOut(nLength);
  } else {
    CControlButtonExpand* pExpand = GetExpandButton(TRUE);
    pExpand->SetHideFlags(TKHIDE_GENERIC);
    BOOL bReserve = bAlways;
    if (!bAlways && (dwMode & LM_COMMIT)) {
      sz = layOut(nLength);
      bReserve = HasControlHiddenForRoom(m_pControls);
    } else if (!bAlways) {
      sz = layOut(nLength);
      const CSize szShortest = layOut(1);
      // A bar that can hide controls is never measured shorter than its
      // shortest form with room for the button that shows them.
      if (m_pControls->GetVisibleCount(FALSE) > 1) {
        if (bHorizontal)
          sz.cx = std::max<int>(sz.cx, szShortest.cx + ExpandRoom(TRUE));
        else
          sz.cy = std::max<int>(sz.cy, szShortest.cy + ExpandRoom(FALSE));
      }
    }
    if (bReserve) {
      if (bHorizontal)
        rcBorder.right += ExpandRoom(TRUE);
      else
        rcBorder.bottom += ExpandRoom(FALSE);
      sz = layOut(nLength);
      pExpand->SetHideFlags(0);
      const int nKind = m_barPosition == tkBarFloating ? 3 : 0;
      GetPaintManager()->DrawSpecialControl(dc.Get(), nKind, pExpand, this, FALSE, &sz);
    }
  }
  if ((m_dwState & kStateLayoutPending) && (dwMode & LM_COMMIT)) {
    m_dwState &= ~kStateLayoutPending;
    Redraw();
  }
  return sz;
}

CSize CTKToolBar::CalcDynamicLayout(int nLength, DWORD dwMode) {
  CBarMeasureDC dc(this);
  CTKPaintManager* pPaintManager = GetPaintManager();
  const CSize szCaption = pPaintManager->CalcFloatingBarCaptionSize(this);
  CRect rcBorder = GetBorders();
  rcBorder.top += szCaption.cy + TKDpiHelper()->ScaleY(1);
  CTKCommandBars* pCommandBars = GetCommandBars();
  CControlButtonHide* pHide = m_bCloseable ? GetHideButton(TRUE) : nullptr;
  if (pHide != nullptr) pHide->SetHideFlags(TKHIDE_GENERIC);
  CControlButtonExpand* pExpand =
      m_bShowExpandButton && pCommandBars != nullptr ? GetExpandButton(TRUE) : nullptr;
  if (pExpand != nullptr) pExpand->SetHideFlags(TKHIDE_GENERIC);

  CSize sz;
  if (m_barType == tkBarTypePopup)
    sz = m_pControls->CalcWorkAreaLayout(dc.Get(), 0, 0, rcBorder);
  else
    sz = m_pControls->CalcBarLayout(dc.Get(), nLength, dwMode, rcBorder, 0);

  // The caption's buttons, from the right: close, then expand.
  int x = sz.cx - TKDpiHelper()->ScaleX(3);
  const int nTop = TKDpiHelper()->ScaleY(3);
  const int h = szCaption.cy;
  if (pHide != nullptr) {
    pHide->SetHideFlags(0);
    pHide->SetRect(CRect(x - h, nTop, x, nTop + h));
    x -= h;
    if (pExpand != nullptr) pExpand->SetWrap(TRUE);
  }
  const BOOL bAlways =
      pCommandBars == nullptr || pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways;
  if (pExpand != nullptr && x - h > 0 && bAlways) {
    pExpand->SetHideFlags(0);
    pExpand->SetWrap(TRUE);
    pExpand->SetRect(CRect(x - h, nTop, x, nTop + h));
  }
  if ((m_dwState & kStateLayoutPending) && (dwMode & LM_COMMIT)) {
    m_dwState &= ~kStateLayoutPending;
    Redraw();
  }
  return sz;
}

BOOL CTKToolBar::LoadToolBar(UINT nIDResource, BOOL bLoadIcons) {
  m_nBarID = nIDResource;
  if (!CTKCommandBar::LoadToolBar(nIDResource, bLoadIcons)) return FALSE;
  m_pControls->CreateOriginalControls();
  return TRUE;
}
