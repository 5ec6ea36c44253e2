// CTKControlGalleryResourceTheme: the gallery of the image themes.
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControlGallery.h"
#include "common/TKDpiHelper.h"
#include "common/TKResourceImage.h"
#include "common/TKResourceImages.h"
#include "themes/TKControlGalleryThemes.h"
#include "themes/TKPaintManagerBase.h"

namespace {
const char kSection[] = "Toolbar";
const COLORREF kMagenta = 0x00FF00FF;
const COLORREF kLineColor = 0x00C5C5C5;
// Image states of the scroll buttons.
enum { kStateNormal, kStateNeighbourActive, kStateHot, kStatePressed, kStateDisabled };
}  // namespace

void CTKControlGalleryResourceTheme::RefreshMetrics() {
  CTKControlGalleryTheme::RefreshMetrics();
  if (TKResourceImages()->IsLoaded()) {
    m_cyPopupUp = TKDpiHelper()->ScaleY(21);
    m_cyPopupDown = TKDpiHelper()->ScaleY(19);
  }
  const COLORREF clrNone = CLR_NONE;
  m_clrSelectedBack.SetStandardValue(GetThemeIniColor(kSection, "ControlGallerySelected", clrNone));
  m_clrNormalBack.SetStandardValue(GetThemeIniColor(kSection, "ControlGalleryNormal", clrNone));
  m_clrResourceBorder.SetStandardValue(GetThemeIniColor(kSection, "ControlGalleryBorder", clrNone));
}

void CTKControlGalleryResourceTheme::DrawGalleryLabel(CDC* pDC, CTKControlGalleryItem* pLabel,
                                                      CRect rc) {
  // The images' line and inset are device pixels.
  DrawLabel(pDC, pLabel, rc, kLineColor, 1, 10);
}

void CTKControlGalleryResourceTheme::FillGallery(CDC* pDC, CTKControlGallery* pGallery, CRect rc) {
  CTKCommandBar* pBar = pGallery->GetParent();
  COLORREF clrBack;
  if (pBar != nullptr && pBar->GetType() == tkBarTypePopup && pBar->GetPosition() == tkBarPopup)
    clrBack = m_pOwner->GetIndexedColor(41);
  else if (pGallery->GetSelected() != 0 && pGallery->GetEnabled())
    clrBack = m_clrSelectedBack;
  else
    clrBack = m_clrNormalBack;
  FillGalleryWith(pDC, pGallery, rc, clrBack, m_clrResourceBorder, kLineColor, 2, 1);
}

void CTKControlGalleryResourceTheme::DrawGalleryScrollBar(CDC* pDC, CTKControlGallery* pGallery) {
  CTKResourceImages* pImages = TKResourceImages();
  if (!pImages->IsLoaded()) return;
  CTKResourceImage* pUp = pImages->LoadImage("CONTROLGALLERYUP");
  if (pUp == nullptr) return;
  CTKResourceImage* images[] = {pUp, pImages->LoadImage("CONTROLGALLERYDOWN"),
                                pImages->LoadImage("CONTROLGALLERYPOPUP")};
  const int codes[] = {TKSB_HT_UP, TKSB_HT_DOWN, TKSB_HT_LIMIT};

  CTKDpiHelper* pDpi = TKDpiHelper();
  const CRect rcControl = pGallery->GetRect();
  const int nLeft = rcControl.right - pDpi->ScaleX(15);
  const int nDownTop = rcControl.top + pDpi->ScaleY(21);
  const int nMoreTop = nDownTop + pDpi->ScaleY(19);
  const CRect rects[] = {CRect(nLeft, rcControl.top, rcControl.right, nDownTop),
                         CRect(nLeft, nDownTop, rcControl.right, nMoreTop),
                         CRect(nLeft, nMoreTop, rcControl.right, rcControl.bottom)};

  int nActive = pGallery->GetHotScrollPart();
  // A selected gallery without a hot item invites to its pop-up.
  if (nActive == 0 && pGallery->GetEnabled() && pGallery->GetSelected() != 0 &&
      pGallery->GetSelectedItem() == -1)
    nActive = TKSB_HT_LIMIT;
  for (int i = 0; i < 3; ++i) {
    if (images[i] == nullptr) continue;
    ButtonState state = GetButtonState(pGallery, codes[i]);
    if (state.bEnabled && codes[i] == nActive && !state.bPressed) state.bHot = TRUE;
    int nState = kStateNormal;
    if (!state.bEnabled)
      nState = kStateDisabled;
    else if (state.bPressed)
      nState = kStatePressed;
    else if (state.bHot)
      nState = kStateHot;
    else if (nActive != 0)
      nState = kStateNeighbourActive;
    images[i]->DrawImageTransparent(pDC, rects[i], images[i]->GetSourceRect(nState, 5),
                                    CRect(3, 3, 3, 3), kMagenta);
  }
}
