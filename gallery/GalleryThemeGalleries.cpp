// The galleries of every gallery look: icon galleries with their scroll
// column (at the top, and scrolled with a hot down button), a list of
// captions with descriptions, captions beside icons with the standard scroll
// bar, and a pop-up gallery under a label with a separator below it.
#include <functional>
#include <memory>
#include <string>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "SupportPaintManager.h"
#include "SupportThemePaintManager.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControlAction.h"
#include "commandbars/TKControlGallery.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"
#include "themes/TKControlGalleryThemes.h"

namespace {

/// An owner whose faces look like a theme's: idle leaves the gallery's fill,
/// hot, pressed and checked are framed tints.
class CGalleryOwner : public CTestThemePaintManager {
 public:
  void DrawRectangle(CDC* pDC, CRect rc, BOOL bSelected, BOOL bPressed, BOOL bEnabled,
                     BOOL bChecked, BOOL, int, int) override {
    if (!bEnabled) return;
    if (bPressed)
      FillRectWithBorder(pDC, rc, RGB(194, 118, 43), RGB(254, 196, 120));
    else if (bSelected)
      FillRectWithBorder(pDC, rc, RGB(229, 195, 101), RGB(253, 236, 170));
    else if (bChecked)
      FillRectWithBorder(pDC, rc, RGB(150, 180, 220), RGB(210, 228, 250));
  }
  COLORREF GetRectangleTextColor(BOOL, BOOL, BOOL bEnabled, BOOL, BOOL, int, int) override {
    return bEnabled ? RGB(30, 30, 30) : RGB(160, 160, 160);
  }
};

const UINT kFirstId = 700;

/// One gallery on a window-less bar of its own, with its own items.
class CGalleryPicture {
 public:
  CGalleryPicture(CTKPaintManager* pOwner, BOOL bPopupBar)
      : m_pBar(bPopupBar ? CTKPopupBar::CreatePopupBar(nullptr) : new CTKCommandBar),
        m_pItems(new CTKControlGalleryItems),
        m_pAction(new CTKControlAction(nullptr)),
        m_pGallery(new CTKControlGallery) {
    if (bPopupBar) {
      m_pBar->SetType(tkBarTypePopup);
      m_pBar->SetBarPosition(tkBarPopup);
    }
    pOwner->InternalAddRef();
    m_pBar->SetPaintManager(pOwner);
    m_pAction->SetGalleryItems(m_pItems);
    m_pBar->GetControls()->AppendControl(m_pGallery);
    m_pGallery->SetAction(m_pAction);
  }
  ~CGalleryPicture() {
    m_pBar->InternalRelease();
    m_pAction->InternalRelease();
    m_pItems->InternalRelease();
  }
  CTKCommandBar* m_pBar;
  CTKControlGalleryItems* m_pItems;
  CTKControlAction* m_pAction;
  CTKControlGallery* m_pGallery;
};

/// The items' icons, in the global image manager.
void AddGalleryIcons() {
  std::vector<UINT> ids;
  for (UINT i = 0; i < 16; ++i) ids.push_back(kFirstId + i);
  AddTestIcons(TKImageManager(), ids, 16);
}

void AddItems(CTKControlGalleryItems* pItems, int nCount, LPCSTR lpszCaption) {
  for (int i = 0; i < nCount; ++i) {
    CString strCaption;
    strCaption.Format("%s %d", lpszCaption, i + 1);
    pItems->AddItem(kFirstId + i, strCaption);
  }
}

void DrawIconGallery(CDC* pDC, CTKPaintManager* pOwner, CPoint pt, bool bScrolled) {
  CGalleryPicture picture(pOwner, FALSE);
  CTKControlGallery* pGallery = picture.m_pGallery;
  picture.m_pItems->SetItemSize(CSize(32, 32));
  picture.m_pItems->AddLabel("Recent");
  AddItems(picture.m_pItems, 6, "Icon");
  picture.m_pItems->AddLabel("All");
  AddItems(picture.m_pItems, 10, "Icon");
  pGallery->SetCommandBar(CTKPopupBar::CreatePopupBar(nullptr));
  pGallery->SetShowBorders(TRUE);
  pGallery->SetRect(CRect(pt, CSize(4 * 32 + 2 + 16, 72)));
  if (bScrolled) {
    pGallery->SetScrollPos(40);
    pGallery->GetLayoutPtr()->nHitPart = TKSB_HT_DOWN;
  }
  pGallery->TrackHotItem(pGallery->GetItemRect(2).CenterPoint());
  pGallery->Draw(pDC);
}

void DrawDescriptionList(CDC* pDC, CTKPaintManager* pOwner, CPoint pt) {
  CGalleryPicture picture(pOwner, FALSE);
  CTKControlGallery* pGallery = picture.m_pGallery;
  picture.m_pItems->SetItemSize(CSize(0, 40));
  AddItems(picture.m_pItems, 3, "Caption");
  picture.m_pItems->GetItem(0)->SetDescription("A description that takes two lines here");
  picture.m_pItems->GetItem(2)->SetDescription("One line");
  pGallery->SetStyle(5);
  pGallery->SetShowBorders(TRUE);
  pGallery->SetShowScrollBar(FALSE);
  pGallery->SetRect(CRect(pt, CSize(200, 122)));
  pGallery->TrackHotItem(pGallery->GetItemRect(1).CenterPoint());
  pGallery->Draw(pDC);
}

void DrawCaptionsBesideIcons(CDC* pDC, CTKPaintManager* pOwner, CPoint pt) {
  CGalleryPicture picture(pOwner, FALSE);
  CTKControlGallery* pGallery = picture.m_pGallery;
  picture.m_pItems->SetItemSize(CSize(0, 22));
  AddItems(picture.m_pItems, 8, "Entry");
  picture.m_pItems->GetItem(3)->SetEnabled(FALSE);
  pGallery->SetStyle(3);
  pGallery->SetShowBorders(TRUE);
  pGallery->SetRect(CRect(pt, CSize(140, 92)));
  pGallery->SetSelectedItem(1);
  pGallery->Draw(pDC);
}

void DrawPopupGallery(CDC* pDC, CTKPaintManager* pOwner, CPoint pt) {
  CGalleryPicture picture(pOwner, TRUE);
  CTKControlGallery* pGallery = picture.m_pGallery;
  picture.m_pBar->GetControls()->AppendControl(new CTKControlButton);
  picture.m_pItems->SetItemSize(CSize(48, 40));
  picture.m_pItems->AddLabel("Styles");
  AddItems(picture.m_pItems, 4, "Style");
  pGallery->SetStyle(4);
  pGallery->SetShowScrollBar(FALSE);
  pGallery->SetRect(CRect(pt, CSize(4 * 48, 20 + 1 + 40 + 2)));
  pGallery->Draw(pDC);
}

}  // namespace

bool DrawThemeGalleries(const GalleryContext& context) {
  TKDpiHelper()->OverrideDpi(96, 96);
  AddGalleryIcons();

  CGalleryOwner* pOwner = new CGalleryOwner;
  pOwner->RefreshMetrics();
  const char* names[] = {"Base", "Resource", "Office 2013", "Visual Studio 2015"};
  const std::function<CTKControlGalleryPaintManager*()> makers[] = {
      [pOwner] { return new CTKControlGalleryTheme(pOwner); },
      [pOwner] { return new CTKControlGalleryResourceTheme(pOwner); },
      [pOwner] { return new CTKControlGalleryOffice2013Theme(pOwner); },
      [pOwner] { return new CTKControlGalleryVisualStudio2015Theme(pOwner); }};

  CGalleryCanvas canvas(900, 30 + 4 * 150, RGB(236, 239, 244));
  CDC* pDC = canvas.GetDC();
  canvas.Label(10, 4, "Galleries (" + context.look +
                          "): at the top, scrolled with a hot down button, captions and "
                          "descriptions, captions beside icons, on a pop-up");
  for (int i = 0; i < 4; ++i) {
    pOwner->SetGalleryPaintManager(makers[i]());
    pOwner->RefreshMetrics();
    const int y = 26 + 150 * i;
    canvas.Label(10, y, names[i]);
    DrawIconGallery(pDC, pOwner, CPoint(10, y + 16), false);
    DrawIconGallery(pDC, pOwner, CPoint(170, y + 16), true);
    DrawDescriptionList(pDC, pOwner, CPoint(330, y + 16));
    DrawCaptionsBesideIcons(pDC, pOwner, CPoint(545, y + 16));
    DrawPopupGallery(pDC, pOwner, CPoint(700, y + 16));
  }
  pOwner->InternalRelease();
  return canvas.Save(context.folder + "themes-galleries-" + context.look + ".png");
}

void DrawThemeGallerySample(CDC* pDC, CTKPaintManager* pOwner, CPoint pt) {
  AddGalleryIcons();
  DrawIconGallery(pDC, pOwner, pt, false);
}
