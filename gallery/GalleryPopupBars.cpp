// An open menu drawn through the test paint manager: a pop-up bar opened at a
// point, with its sub-menu open beside the item that opens it, the item under
// the keyboard hot, and the shadows their shadow windows show.
#include <algorithm>

#include "Gallery.h"
#include "GalleryCommandBarThemes.h"
#include "GalleryCanvas.h"
#include "SupportPaintManager.h"
#include "commandbars/TKControlClasses.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKMouseManager.h"
#include "commandbars/TKPopupBar.h"
#include "commandbars/TKShadowManager.h"
#include "common/TKBitmapFunctions.h"
#include "common/TKDpiHelper.h"
#include "common/TKScopedHandle.h"

namespace {

const CPoint kMenuAt(200, 200);
const int kMargin = 20;

CTKControl* AddItem(CTKPopupBar* pBar, CTKControl* pControl, int nId, const char* pszCaption,
                    BOOL bBeginGroup = FALSE) {
  pBar->GetControls()->Add(pControl, nId);
  pControl->SetCaption(pszCaption);
  pControl->SetBeginGroup(bBeginGroup);
  return pControl;
}

/// The test paint manager with a shadow manager that shadows whatever the screen.
class CShadowedPaintManager : public CTestPaintManager {
 public:
  CShadowedPaintManager() : m_pShadows(new CTKShadowManager) {
    m_pShadows->SetOptions(CTKShadowManager::kOptionAlways);
  }
  ~CShadowedPaintManager() override { m_pShadows->InternalRelease(); }
  CTKShadowManager* GetShadowManager() override { return m_pShadows; }
  CTKShadowManager* m_pShadows;
};

/// Blends the pixels of the pop-up's shadow windows as the screen shows them.
void DrawShadows(CDC* pDC, CTKShadowManager* pShadows, CTKPopupBar* pPopup, CPoint ptOrigin) {
  const CTKShadowManager::CShadowList& shadows = pShadows->GetShadows();
  for (POSITION pos = shadows.GetHeadPosition(); pos != NULL;) {
    CTKShadowManager::CShadowWnd* pShadow = shadows.GetNext(pos);
    if (pShadow->GetOwnerHwnd() != pPopup->GetSafeHwnd() || pShadow->GetSafeHwnd() == NULL)
      continue;
    CRect rc;
    pShadow->GetWindowRect(&rc);
    LPBYTE pBits = nullptr;
    CTKScopedBitmap dib(Create32BitDIBSection(NULL, rc.Width(), rc.Height(), &pBits));
    if (!dib || pBits == nullptr) continue;
    CTKShadowManager::FillAlphaShadow(reinterpret_cast<DWORD*>(pBits), rc.Width(), rc.Height(),
                                      pShadow->GetKind(), pShadows->GetOptions(),
                                      pShadows->GetShadowColor());
    AlphaBlendBitmap(pDC, dib.Get(), rc.left - ptOrigin.x, rc.top - ptOrigin.y, rc.Width(),
                     rc.Height());
  }
}

}  // namespace

void DrawOpenPopupBar(CDC* pDC, CTKPopupBar* pPopup, CPoint ptOrigin) {
  CRect rcWindow;
  pPopup->GetWindowRect(&rcWindow);
  const int nSaved = pDC->SaveDC();
  pDC->SetViewportOrg(rcWindow.left - ptOrigin.x, rcWindow.top - ptOrigin.y);
  pDC->IntersectClipRect(0, 0, rcWindow.Width(), rcWindow.Height());
  pPopup->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(pDC->GetSafeHdc()), PRF_CLIENT);
  pDC->RestoreDC(nSaved);
  pDC->Draw3dRect(rcWindow.left - ptOrigin.x - 1, rcWindow.top - ptOrigin.y - 1,
                  rcWindow.Width() + 2, rcWindow.Height() + 2, RGB(90, 90, 90), RGB(90, 90, 90));
}

bool DrawPopupMenuPage(const GalleryContext& context) {
  if (context.look != "Silver") return true;
  TKDpiHelper()->OverrideDpi(96, 96);
  CGalleryCommandBarsPaintManager globalPaintManager;
  CTKPopupBar* pMenu = CTKPopupBar::CreatePopupBar(nullptr);
  // The test paint manager draws the menu only while no theme is installed:
  // a paint manager of the bar's own would hide the theme from it.
  if (!globalPaintManager.IsThemed()) {
    CShadowedPaintManager* pPaintManager = new CShadowedPaintManager;
    // Menu rows rather than the paint manager's icon buttons.
    for (int nId : {0, 101, 102, 103, 104}) pPaintManager->SetControlSize(nId, CSize(140, 22));
    for (int nId : {201, 202}) pPaintManager->SetControlSize(nId, CSize(120, 22));
    pMenu->SetPaintManager(pPaintManager);
  }
  CTKShadowManager* pShadows = pMenu->GetPaintManager()->GetShadowManager();
  const DWORD dwShadowOptions = pShadows->GetOptions();
  pShadows->SetOptions(CTKShadowManager::kOptionAlways);
  AddItem(pMenu, new CTKControlButton, 101, "&New");
  AddItem(pMenu, new CTKControlButton, 102, "&Open...");
  CTKControlPopup* pRecent = CTKControlPopup::CreateOfType(tkControlPopup);
  AddItem(pMenu, pRecent, 0, "Recent &Files");
  AddItem(pMenu, new CTKControlButton, 103, "&Save", TRUE);
  AddItem(pMenu, new CTKControlButton, 104, "E&xit", TRUE);
  CTKPopupBar* pSub = CTKPopupBar::CreatePopupBar(nullptr);
  AddItem(pSub, new CTKControlButton, 201, "&1 Release.velm");
  AddItem(pSub, new CTKControlButton, 202, "&2 Nightly.velm");
  pRecent->SetCommandBar(pSub);

  bool ok = false;
  if (pMenu->PopupAtPoint(kMenuAt.x, kMenuAt.y)) {
    pMenu->SetSelected(pRecent->GetIndex(), 1);
    pMenu->SetPopuped(pRecent->GetIndex(), TRUE);
    CRect rcMenu, rcSub;
    pMenu->GetWindowRect(&rcMenu);
    pSub->GetWindowRect(&rcSub);
    CRect rcAll;
    rcAll.UnionRect(rcMenu, rcSub);
    rcAll.InflateRect(0, 0, 8, 8);  // the shadows
    CGalleryCanvas canvas(std::max<int>(rcAll.Width() + 2 * kMargin, 240), rcAll.Height() + 2 * kMargin + 20);
    canvas.Label(6, 4, "a menu with its sub-menu open, and their shadows");
    const CPoint ptOrigin(rcAll.left - kMargin, rcAll.top - kMargin - 20);
    for (CTKPopupBar* pPopup : {pMenu, pSub}) {
      if (!pPopup->IsVisible()) continue;
      DrawOpenPopupBar(canvas.GetDC(), pPopup, ptOrigin);
      DrawShadows(canvas.GetDC(), pShadows, pPopup, ptOrigin);
    }
    ok = canvas.Save(context.folder + "commandbars-menu.png");
  }
  CTKMouseManager::GetThreadManager()->SendTrackLost();
  pShadows->SetOptions(dwShadowOptions);
  pMenu->InternalRelease();
  return DrawToolbarMenu(context) && ok;
}
