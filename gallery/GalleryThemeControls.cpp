// The controls of command bars as the paint manager base lays them out and
// captions them: pop-up rows, tool-bar buttons in each state, split buttons,
// captions below icons, edits and combo boxes. Faces and icons are the themes'
// test paint manager's plain fills, so what shows is the base's geometry.
#include <string>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "SupportThemePaintManager.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControlClasses.h"
#include "commandbars/TKControlEdit.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKImageManager.h"

namespace {

/// Light faces and dark text, and pop-up rows with their face drawn first,
/// as a theme does before it lets the base draw the texts.
class CGalleryControlsPaintManager : public CTestControlsPaintManager {
 public:
  void DrawRectangle(CDC* pDC, CRect rc, BOOL bSelected, BOOL bPressed, BOOL bEnabled,
                     BOOL bChecked, BOOL, int, int) override {
    COLORREF clr = RGB(236, 239, 244);
    if (bEnabled && bPressed)
      clr = RGB(255, 190, 110);
    else if (bEnabled && bSelected)
      clr = RGB(255, 228, 160);
    else if (bChecked)
      clr = RGB(196, 216, 248);
    pDC->FillSolidRect(rc, clr);
  }
  COLORREF GetRectangleTextColor(BOOL, BOOL, BOOL bEnabled, BOOL, BOOL, int, int) override {
    return bEnabled ? RGB(20, 20, 30) : RGB(150, 150, 150);
  }
  CSize DrawControlPopupParent(CDC* pDC, CTKControl* pControl, BOOL bDraw) override {
    if (bDraw) {
      DrawRectangle(pDC, pControl->GetRect(), pControl->GetSelected(), FALSE,
                    pControl->GetEnabled(), pControl->GetChecked(), FALSE, 2, 5);
      pDC->SetTextColor(GetControlTextColor(pControl));
    }
    return CTestControlsPaintManager::DrawControlPopupParent(pDC, pControl, bDraw);
  }
};

/// Sizes the control as the paint manager measures it, places it at x, y and
/// draws it; its width.
int DrawAt(CDC* pDC, CTKPaintManagerBase* pPaintManager, CTKControl* pControl, int x, int y,
           int cxFixed = 0) {
  CFont* pOld = pDC->SelectObject(&pPaintManager->m_fontRegular);
  CSize sz = pPaintManager->DrawControl(pDC, pControl, FALSE);
  if (cxFixed > 0) sz.cx = cxFixed;
  pControl->SetRect(CRect(CPoint(x, y), sz));
  pPaintManager->DrawControl(pDC, pControl, TRUE);
  pDC->SelectObject(pOld);
  return sz.cx;
}

CTKControl* AddControl(CTKCommandBar* pBar, int nType, int nId, LPCSTR lpszCaption, int nStyle) {
  CTKControl* pControl = pBar->GetControls()->AddNew(nType, nId);
  pControl->SetCaption(lpszCaption);
  pControl->SetStyle(nStyle);
  return pControl;
}

void DrawPopupRows(CGalleryCanvas& canvas, CTKPaintManagerBase* pPaintManager,
                   CTKCommandBar* pPopup, int x, int y) {
  CDC* pDC = canvas.GetDC();
  canvas.Label(x, y, "Pop-up rows: shortcuts, hot, disabled, sub-menus");
  y += 18;
  struct Row {
    int nType;
    const char* pszCaption;
    const char* pszShortcut;
    int nSelected;
    BOOL bEnabled;
    int nStyle;
  } rows[] = {{tkControlButton, "&New", "", 0, TRUE, 0},
              {tkControlButton, "&Open...", "Ctrl+O", 0, TRUE, 0},
              {tkControlButton, "&Save", "Ctrl+S", 1, TRUE, 0},
              {tkControlButton, "Save &As...", "", 0, FALSE, 0},
              {tkControlPopup, "&Recent Files", "", 0, TRUE, 0},
              {tkControlSplitButtonPopup, "&Print", "", 0, TRUE, 0},
              {tkControlButton, "E&xport", "", 0, TRUE, tkButtonCaptionAndDescription}};
  for (const Row& row : rows) {
    CTKControl* pControl = AddControl(pPopup, row.nType, 200, row.pszCaption, row.nStyle);
    pControl->SetShortcutText(row.pszShortcut);
    pControl->SetSelected(row.nSelected);
    pControl->SetEnabled(row.bEnabled);
    if (row.nStyle == tkButtonCaptionAndDescription)
      pControl->SetDescription("Saves the build file in another format for other tools");
    CFont* pOld = pDC->SelectObject(&pPaintManager->m_fontRegular);
    const CSize sz = pPaintManager->DrawControl(pDC, pControl, FALSE);
    pDC->SelectObject(pOld);
    DrawAt(pDC, pPaintManager, pControl, x, y, 260);
    y += sz.cy;
  }
}

void DrawToolBarButtons(CGalleryCanvas& canvas, CTKPaintManagerBase* pPaintManager,
                        CTKCommandBar* pBar, int x, int y) {
  canvas.Label(x, y, "Buttons: idle, hot, pressed, checked, disabled; icon only");
  y += 18;
  CDC* pDC = canvas.GetDC();
  struct State {
    int nSelected, nPressed, nChecked;
    BOOL bEnabled;
  } states[] = {{0, 0, 0, TRUE}, {1, 0, 0, TRUE}, {1, 1, 0, TRUE}, {0, 0, 1, TRUE},
                {0, 0, 0, FALSE}};
  int xNext = x;
  for (const State& s : states) {
    CTKControl* pControl = AddControl(pBar, tkControlButton, 301, "&Build", tkButtonIconAndCaption);
    pControl->SetSelected(s.nSelected);
    pControl->SetPressed(s.nPressed);
    pControl->SetChecked(s.nChecked);
    pControl->SetEnabled(s.bEnabled);
    xNext += DrawAt(pDC, pPaintManager, pControl, xNext, y) + 6;
  }
  CTKControl* pIcon = AddControl(pBar, tkControlButton, 301, "Build", tkButtonIcon);
  pIcon->SetSelected(1);
  DrawAt(pDC, pPaintManager, pIcon, xNext, y);

  y += 36;
  canvas.Label(x, y, "Split buttons, then pop-ups: icon, icon and caption, caption");
  y += 18;
  xNext = x;
  const struct {
    int nType;
    int nStyle;
    int nSelected;
  } splits[] = {{tkControlSplitButtonPopup, tkButtonIcon, 0},
                {tkControlSplitButtonPopup, tkButtonIconAndCaption, 1},
                {tkControlPopup, tkButtonIcon, 0},
                {tkControlPopup, tkButtonIconAndCaption, 1},
                {tkControlPopup, tkButtonCaption, 0}};
  for (const auto& s : splits) {
    CTKControl* pControl = AddControl(pBar, s.nType, 301, "&Run", s.nStyle);
    pControl->SetSelected(s.nSelected);
    xNext += DrawAt(pDC, pPaintManager, pControl, xNext, y) + 6;
  }
}

void DrawCaptionsBelow(CGalleryCanvas& canvas, CTKPaintManagerBase* pPaintManager,
                       CTKCommandBar* pBar, int x, int y) {
  canvas.Label(x, y, "Captions below large icons: one line, two lines, split");
  y += 18;
  CDC* pDC = canvas.GetDC();
  int xNext = x;
  const struct {
    int nType;
    const char* pszCaption;
    int nSelected;
  } buttons[] = {{tkControlButton, "&Paste", 0},
                 {tkControlButton, "Run All Steps", 1},
                 {tkControlSplitButtonPopup, "New Step", 0}};
  for (const auto& b : buttons) {
    CTKControl* pControl = AddControl(pBar, b.nType, 302, b.pszCaption,
                                      tkButtonIconAndCaptionBelow);
    pControl->SetSelected(b.nSelected);
    xNext += DrawAt(pDC, pPaintManager, pControl, xNext, y) + 6;
  }
}

void DrawFields(CGalleryCanvas& canvas, CTKPaintManagerBase* pPaintManager, CTKCommandBar* pBar,
                CTKCommandBar* pPopup, int x, int y) {
  canvas.Label(x, y, "Edits and combo boxes: labels on a tool bar and on a pop-up");
  y += 18;
  CDC* pDC = canvas.GetDC();
  const struct {
    CTKCommandBar* pBar;
    int nType;
    int nId;
    const char* pszCaption;
    int nStyle;
  } fields[] = {{pBar, tkControlEdit, 303, "&Find:", tkButtonCaption},
                {pBar, tkControlEdit, 301, "&Find:", tkButtonIconAndCaption},
                {pBar, tkControlComboBox, 303, "&Config:", tkButtonCaption},
                {pPopup, tkControlEdit, 303, "&Name:", tkButtonAutomatic},
                {pPopup, tkControlComboBox, 303, "&Type:", tkButtonAutomatic}};
  for (const auto& f : fields) {
    CTKControl* pControl = AddControl(f.pBar, f.nType, f.nId, f.pszCaption, f.nStyle);
    pControl->SetWidth(f.pBar == pPopup ? 150 : 190);
    CFont* pOld = pDC->SelectObject(&pPaintManager->m_fontRegular);
    const CSize sz = pPaintManager->DrawControl(pDC, pControl, FALSE);
    pDC->SelectObject(pOld);
    const int cx = f.pBar == pPopup ? 260 : sz.cx;
    DrawAt(pDC, pPaintManager, pControl, x, y, cx);
    // The field itself is the theme's: a frame shows where it goes.
    CRect rcField(CPoint(x, y), CSize(cx, sz.cy));
    // (Combo boxes do not keep their label width yet.)
    CTKControlEdit* pEdit = DYNAMIC_DOWNCAST(CTKControlEdit, pControl);
    if (pEdit != nullptr) {
      rcField.left += pEdit->GetLabelWidth();
      pDC->Draw3dRect(rcField, RGB(160, 170, 190), RGB(160, 170, 190));
    }
    y += sz.cy + 4;
  }
}

}  // namespace

bool DrawThemeControlsPage(const GalleryContext& context) {
  CScriptedSystemFonts fonts(-12);
  CGalleryControlsPaintManager* pPaintManager = new CGalleryControlsPaintManager;
  pPaintManager->RefreshMetrics();
  CTKImageManager* pImages = new CTKImageManager;
  AddSolidTestIcon(pImages, 301, 16, 16, 0xFF3070C0);
  AddSolidTestIcon(pImages, 302, 32, 32, 0xFF30A060);
  CTKCommandBar* pBar = new CTKCommandBar;
  pBar->SetPaintManager(pPaintManager);
  pBar->SetImageManager(pImages);
  pPaintManager->InternalAddRef();
  pImages->InternalAddRef();
  CTKPopupBar* pPopup = CTKPopupBar::CreatePopupBar(nullptr);
  pPopup->SetPaintManager(pPaintManager);
  pPopup->SetImageManager(pImages);

  CGalleryCanvas canvas(700, 440);
  DrawPopupRows(canvas, pPaintManager, pPopup, 10, 6);
  DrawToolBarButtons(canvas, pPaintManager, pBar, 300, 6);
  DrawCaptionsBelow(canvas, pPaintManager, pBar, 300, 130);
  DrawFields(canvas, pPaintManager, pBar, pPopup, 10, 260);
  const bool ok = canvas.Save(context.folder + "themes-controls.png");
  pPopup->InternalRelease();
  pBar->InternalRelease();
  return ok;
}
