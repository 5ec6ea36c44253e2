// CTKRibbonThemeResource: the system button, round or file-style, the
// system pop-up with its bottom buttons, and the frame of ribbon pop-ups.
#include <algorithm>

#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManagerIcon.h"
#include "common/TKResourceImage.h"
#include "common/TKResourceImages.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonThemeResource.h"
#include "themes/TKFramePaintManagerBase.h"
#include "themes/TKPaintManagerBase.h"

namespace {

/// 2 while open, 1 hot, else 0: the round button's three slices.
int RoundButtonSlice(CTKControl* pButton) {
  if (pButton->IsPopupOpen()) return 2;
  return pButton->GetSelected() && pButton->GetEnabled() ? 1 : 0;
}

/// The slice of a "FILEBUTTON" of `nCount` slices (3 or 7).
int FileButtonSlice(CTKControl* pButton, int nCount) {
  const int S = pButton->GetSelected();
  if (nCount == 7) {
    if (!pButton->GetEnabled()) return 5;
    if (pButton->IsPopupOpen()) return S ? 3 : 2;
    if (S == 2 || S == 3) return 4;
    return S ? 1 : 0;
  }
  if (pButton->IsPopupOpen()) return 2;
  return S ? 1 : 0;
}

}  // namespace

void CTKRibbonThemeResource::DrawSystemButton(CDC* pDC, CTKControl* pButton, CRect rc) {
  if (!IsLoaded()) return;
  CTKDpiHelper* pDpi = TKDpiHelper();
  CTKCommandBar* pBar = pButton->GetParent();
  CTKRibbonBar* pRibbonBar =
      pBar != nullptr && pBar->IsRibbonBar() ? static_cast<CTKRibbonBar*>(pBar) : nullptr;
  // Any style but the automatic one asks for the file button.
  CTKRibbonControlSystemButton* pSystem = DYNAMIC_DOWNCAST(CTKRibbonControlSystemButton, pButton);
  const BOOL bFileStyle = pSystem != nullptr && pSystem->IsSystemButtonFileStyle();
  const BOOL bRound = !bFileStyle && pRibbonBar != nullptr && pRibbonBar->IsCaptionVisible() &&
                      pRibbonBar->IsTabsVisible() && pButton->IsVisible();
  if (bRound) {
    CTKImageManagerIcon* pIcon = pButton->GetImage(32);
    if (pIcon != nullptr && pIcon->GetExtent().cy > 32) {
      const CSize sz = pIcon->GetExtent();
      pIcon->DrawAtSize(pDC, CPoint(rc.CenterPoint().x - sz.cx / 2, rc.CenterPoint().y - sz.cy / 2), sz);
      return;
    }
    if (rc.top < 0) rc.OffsetRect(0, -rc.top);
    CTKResourceImage* pImage = nullptr;
    if (rc.Width() >= pDpi->ScaleX(54) && rc.Height() >= pDpi->ScaleY(54))
      pImage = LoadImage("FRAMESYSTEMBUTTON52");
    if (pImage == nullptr) pImage = LoadImage("FRAMESYSTEMBUTTON");
    if (pImage == nullptr) return;
    DrawSliceCentered(pDC, pImage, rc, RoundButtonSlice(pButton), 3);
    CRect rcIcon = rc;
    rcIcon.OffsetRect(0, pDpi->ScaleY(1));
    if (pIcon != nullptr && m_pOwner != nullptr) {
      const CSize sz = pIcon->GetExtent();
      m_pOwner->DrawImage(pDC, CPoint(rcIcon.CenterPoint().x - sz.cx / 2, rcIcon.CenterPoint().y - sz.cy / 2),
                          sz, pIcon, pButton->GetSelected(), pButton->GetPressed(),
                          pButton->GetEnabled(), FALSE, pButton->IsPopupOpen(), TRUE);
    } else if (CWnd* pSite = pRibbonBar->GetSite()) {
      if (HICON hIcon = CTKFramePaintManagerBase::GetFrameIcon(pSite->GetSafeHwnd()))
        ::DrawIconEx(pDC->GetSafeHdc(), rcIcon.CenterPoint().x - 16, rcIcon.CenterPoint().y - 16,
                     hIcon, 32, 32, 0, NULL, DI_NORMAL);
    }
    return;
  }

  CTKResourceImage* pFace = LoadImage("FILEBUTTON");
  if (pFace == nullptr) {
    if (m_pOwner != nullptr) m_pOwner->DrawControlToolBarParent(pDC, pButton, TRUE);
    return;
  }
  const int nCount = m_nFileButtonImageCount == 7 ? 7 : 3;
  CRect rcFace = rc;
  if (pButton->IsPopupOpen()) rcFace.bottom += 1;
  DrawSlice(pDC, pFace, rcFace, FileButtonSlice(pButton, nCount), nCount, CRect(3, 3, 3, 3));
  if (pButton->GetStyle() == tkButtonIcon) {
    if (CTKImageManagerIcon* pIcon = pButton->GetImage(16)) {
      const int cx = std::min<int>(pDpi->ScaleX(16), pDpi->ScaleX(pIcon->GetExtent().cx));
      const int cy = std::min<int>(pDpi->ScaleY(16), pDpi->ScaleY(pIcon->GetExtent().cy));
      pIcon->DrawAtSize(pDC, CPoint(rc.CenterPoint().x - cx / 2, rc.CenterPoint().y - cy / 2),
                        CSize(cx, cy));
    }
    return;
  }
  if (m_pOwner == nullptr) return;
  CFont* pOldFont = pDC->SelectObject(&m_pOwner->m_fontRegular);
  pDC->SetTextColor(m_clrFileButtonText);
  pDC->SetBkMode(TRANSPARENT);
  m_pOwner->DrawTextComposited(pDC, pButton->GetCaption(), rc,
                               DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                               pButton->IsOnGlass());
  pDC->SelectObject(pOldFont);
}

void CTKRibbonThemeResource::FillPopupBarFrame(CDC* pDC, CTKPopupBar* pPopup) {
  CRect rc;
  pPopup->GetClientRect(&rc);
  CTKResourceImage* pImage = LoadImage("MOREPOPUPBARFRAME");
  if (pImage == nullptr) pImage = LoadImage("POPUPBARFRAME");
  DrawSlice(pDC, pImage, rc, 0, 1, CRect(4, 4, 4, 4));
}

void CTKRibbonThemeResource::FillSystemPopupBar(CDC* pDC, CTKPopupBar* pPopup) {
  CTKResourceImage* pImage = LoadImage("RIBBONSYSTEMMENU");
  if (pImage == nullptr) return;
  CRect rc;
  pPopup->GetClientRect(&rc);
  // The borders are already in device pixels; the image's margins are its own.
  DrawSlice(pDC, pImage, rc, 0, 1, pPopup->GetBorders());

  DrawSystemButtonOverPopup(pDC, pPopup, rc);

  CTKControls* pControls = pPopup->GetControls();
  for (int i = 0; pControls != nullptr && i < pControls->GetCount(); ++i) {
    CTKControl* pControl = pControls->GetAt(i);
    if (!pControl->GetWrap() || !pControl->IsVisible()) continue;
    const COLORREF clr =
        TKResourceImages()->GetIniColor("Ribbon", "RecentFileListBackground", static_cast<COLORREF>(-1));
    CRect rcRow = pControl->GetRowRect();
    if (clr != static_cast<COLORREF>(-1)) pDC->FillSolidRect(rcRow, clr);
    break;
  }
}

void CTKRibbonThemeResource::DrawSystemPopupBarButton(CDC* pDC, CTKControl* pButton) {
  DrawSliceTransparent(pDC, LoadImage("RIBBONSYSTEMMENUBUTTON"), pButton->GetRect(),
                       pButton->GetSelected() ? 1 : 0, 2, CRect(2, 2, 2, 2));
  if (m_pOwner != nullptr) m_pOwner->DrawControlToolBarParent(pDC, pButton, TRUE);
}
