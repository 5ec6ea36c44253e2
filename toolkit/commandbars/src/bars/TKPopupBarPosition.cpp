// CTKPopupBar: where a pop-up opens: its flags from the opening control, and
// its rectangle within the work area.
#include "commandbars/TKPopupBar.h"

#include <algorithm>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControl.h"
#include "common/TKDpiHelper.h"

namespace {

/// The control bit that opens its pop-up to the left.
const DWORD kControlFlagPopupLeft = 0x4;
/// The parent bar's behaviour bit that drops its pop-ups down.
const DWORD kBarFlagDropDown = 0x200000;

BOOL IsFloatingPopup(const CTKCommandBar* pBar) {
  return pBar->GetPosition() == tkBarFloating && pBar->GetType() == tkBarTypePopup;
}

}  // namespace

void CTKPopupBar::AdjustExcludeRect(CRect& rc, BOOL bVertical) {
  if (CTKControlPopup* pPopup = DYNAMIC_DOWNCAST(CTKControlPopup, m_pControlPopup))
    pPopup->AdjustExcludeRect(rc, bVertical);
}

void CTKPopupBar::UpdatePopupFlags() {
  CTKCommandBar* pParent = GetParentCommandBar();
  if (m_pControlPopup == nullptr || pParent == nullptr) return;
  m_popupFlags =
      (m_pControlPopup->GetFlags() & kControlFlagPopupLeft) || IsLayoutRTL() ? kPopupLeft : 0;
  const int nPosition = pParent->GetPosition();
  const BOOL bParentLeft = pParent->IsKindOf(RUNTIME_CLASS(CTKPopupBar)) &&
                           (static_cast<CTKPopupBar*>(pParent)->m_popupFlags & kPopupLeft);
  if ((pParent->GetFlags() & kBarFlagDropDown) && pParent->IsPopupBar()) {
    m_popupFlags |= kPopupDown;
  } else if (nPosition == tkBarTop || nPosition == tkBarBottom ||
             (nPosition == tkBarFloating && !IsFloatingPopup(pParent))) {
    m_popupFlags |= kPopupDown;
  } else if (nPosition == tkBarRight) {
    m_popupFlags = kPopupLeft;
  } else if (bParentLeft) {
    m_popupFlags = kPopupLeft;
  }

  CRect rc = m_pControlPopup->GetRect();
  if (m_pControlPopup->GetType() == tkControlComboBox && !pParent->IsPopupBar()) {
    m_popupFlags |= kPopupDown;
  } else {
    AdjustExcludeRect(rc, IsVerticalBarPosition(nPosition) || IsFloatingPopup(pParent));
  }
  if (pParent->GetSafeHwnd() != NULL) pParent->ClientToScreen(&rc);
  m_rcExclude = rc;
  m_ptPopup = (m_popupFlags & kPopupDown) ? CPoint(rc.left, rc.bottom) : CPoint(rc.right, rc.top);
}

CRect CTKPopupBar::CalcPopupPosition(CPoint pt, CSize sz) {
  CRect rcWork, rcMonitor;
  const BOOL bExcludeEmpty = m_rcExclude.IsRectEmpty();
  TKCommandBarsSystem()->GetPopupWorkArea(pt, bExcludeEmpty ? NULL : &m_rcExclude, rcWork,
                                          rcMonitor);
  CRect rcMeet;
  if ((rcMonitor.PtInRect(pt) && !rcWork.PtInRect(pt)) ||
      (!bExcludeEmpty && !rcMeet.IntersectRect(m_rcExclude, rcWork) &&
       rcMeet.IntersectRect(m_rcExclude, rcMonitor)))
    rcWork = rcMonitor;
  rcWork.bottom -= TKDpiHelper()->ScaleY(5);
  // Both halves are measured from the work area's own top, which need not
  // be 0 on a second monitor.
  const int nWorkMiddle = rcWork.top + rcWork.Height() / 2;

  CTKCommandBars* pCommandBars = GetCommandBars();
  const BOOL bMayReflow = (pCommandBars != nullptr &&
                           pCommandBars->GetCommandBarsOptions()->bDontScrollPopups) ||
                          m_bMultiColumn;
  BOOL bScroll = FALSE;
  if (m_nMaxHeight > 0 && m_nMaxHeight < sz.cy) {
    sz.cy = m_nMaxHeight;
    bScroll = TRUE;
  }

  // Vertical.
  const BOOL bExcludeHeight = m_rcExclude.Height() != 0;
  int y = pt.y;
  if (!bExcludeHeight && (m_popupFlags & kPopupAlignBottom)) y = pt.y - sz.cy;
  if (!bExcludeHeight && pt.y >= rcWork.bottom) {
    y -= sz.cy;
  } else if (y + sz.cy > rcWork.bottom) {
    if (bExcludeHeight && !(m_popupFlags & kPopupDown)) {
      y = rcWork.bottom - sz.cy;
    } else if (bExcludeHeight) {
      y = m_rcExclude.top - sz.cy;
      if (y < rcWork.top) {
        if (bMayReflow) {
          m_popupFlags &= ~kPopupDown;
          if (m_pControlPopup != nullptr && m_pControlPopup->GetParent() != nullptr) {
            CRect rc = m_pControlPopup->GetRect();
            AdjustExcludeRect(rc, TRUE);
            if (m_pControlPopup->GetParent()->GetSafeHwnd() != NULL)
              m_pControlPopup->GetParent()->ClientToScreen(&rc);
            m_rcExclude = rc;
          }
          y = rcWork.bottom - sz.cy;
          if (!(m_popupFlags & kPopupLeft)) pt.x = m_rcExclude.right;
        } else {
          bScroll = TRUE;
          if (nWorkMiddle < m_rcExclude.CenterPoint().y) {
            y = rcWork.top;
            sz.cy = m_rcExclude.top - rcWork.top;
          } else {
            y = m_rcExclude.bottom;
            sz.cy = rcWork.bottom - y;
          }
        }
      }
    } else {
      y = pt.y < nWorkMiddle ? rcWork.bottom - sz.cy : pt.y - sz.cy;
    }
    y = std::max(y, static_cast<int>(rcWork.top));
    if (y == rcWork.top && y + sz.cy > rcWork.bottom) {
      if (!bMayReflow) {
        sz.cy = rcWork.Height();
        bScroll = TRUE;
      } else if (m_barType == tkBarTypePopup && !m_bMultiColumn) {
        sz = CalcDynamicLayout(rcWork.Height(), 0);
      }
    }
  }

  // Horizontal.
  const BOOL bExcludeWidth = m_rcExclude.Width() != 0;
  int x;
  if ((m_popupFlags & (kPopupLeft | kPopupDown)) == (kPopupLeft | kPopupDown) && bExcludeWidth)
    x = m_rcExclude.right - sz.cx;
  else if ((m_popupFlags & kPopupLeft) && bExcludeWidth)
    x = m_rcExclude.left - sz.cx;
  else if (m_popupFlags & kPopupLeft)
    x = pt.x - sz.cx;
  else
    x = pt.x;
  if (x + sz.cx > rcWork.right) {
    if (!bExcludeWidth) {
      x = pt.x > rcWork.right ? x - sz.cx : rcWork.right - sz.cx;
    } else {
      x = (m_popupFlags & kPopupDown) ? rcWork.right - sz.cx : m_rcExclude.left - sz.cx;
      m_popupFlags |= kPopupLeft;
    }
    x = std::max(x, static_cast<int>(rcWork.left));
  } else if (x < rcWork.left) {
    if (bExcludeWidth) {
      m_popupFlags &= ~kPopupLeft;
      x = (m_popupFlags & kPopupDown) ? rcWork.left : m_rcExclude.right;
    } else if (m_popupFlags & kPopupLeft) {
      m_popupFlags &= ~kPopupLeft;
      x = rcWork.left;
    }
  }

  m_bScrolling = bScroll && m_barType == tkBarTypePopup && m_barPosition == tkBarPopup;
  if (m_bScrolling) {
    m_nFirstVisible = 0;
    AdjustScrolling(&sz, FALSE, FALSE);
  }
  return CRect(CPoint(x, y), sz);
}
