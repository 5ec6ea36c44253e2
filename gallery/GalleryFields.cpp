// Fields on command bars, shown in real windows and read back from them: an
// edit field and combo boxes on a tool bar (one list-only with its list open,
// the pointer over an item), fields in a pop-up, and a gallery with labels
// and a hot item. The fields are framed by a small look of this page until a
// theme draws them.
#include <algorithm>
#include <vector>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "SupportPaintManager.h"
#include "SupportThemePaintManager.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControlAction.h"
#include "commandbars/TKControlComboBox.h"
#include "commandbars/TKControlComboBoxList.h"
#include "commandbars/TKControlEdit.h"
#include "commandbars/TKControlGallery.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKMouseManager.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"
#include "themes/TKControlGalleryThemes.h"

namespace {

const int kFieldHeight = 22;
const int kDropDownWidth = 16;
const COLORREF kFieldFrame = RGB(160, 170, 190);
const COLORREF kFieldHotFrame = RGB(229, 195, 101);

/// The test paint manager with fields: a label, a white frame, and a combo
/// box's drop-down button with its arrow.
class CFieldsPaintManager : public CTestPaintManager {
 public:
  CSize DrawControl(CDC* pDC, CTKControl* pControl, BOOL bDraw = TRUE) override {
    if (pControl->GetType() == tkControlComboBox) return DrawControlComboBox(pDC, pControl, bDraw);
    if (pControl->GetType() == tkControlEdit) return DrawControlEdit(pDC, pControl, bDraw);
    return CTestPaintManager::DrawControl(pDC, pControl, bDraw);
  }
  CSize DrawControlComboBox(CDC* pDC, CTKControl* pControl, BOOL bDraw) override {
    CTKControlComboBox* pCombo = static_cast<CTKControlComboBox*>(pControl);
    pCombo->SetLabelWidth(LabelWidth(pDC, pControl));
    pCombo->SetDropDownButtonWidth(kDropDownWidth);
    if (!bDraw) return CSize(pControl->GetWidth(), kFieldHeight);
    const CRect rcField = DrawFrame(pDC, pControl, pCombo->GetLabelWidth());
    CRect rcButton(rcField.right - kDropDownWidth, rcField.top + 1, rcField.right - 1,
                   rcField.bottom - 1);
    const BOOL bHot = pCombo->GetSelected() == 5 || pCombo->IsListOpen();
    pDC->FillSolidRect(rcButton, bHot ? RGB(253, 236, 170) : RGB(225, 230, 240));
    const CPoint ptMid = rcButton.CenterPoint();
    POINT arrow[] = {{ptMid.x - 3, ptMid.y - 1}, {ptMid.x + 4, ptMid.y - 1}, {ptMid.x, ptMid.y + 3}};
    CBrush brush(RGB(40, 40, 40));
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    CPen* pOldPen = static_cast<CPen*>(pDC->SelectStockObject(NULL_PEN));
    pDC->Polygon(arrow, 3);
    pDC->SelectObject(pOldPen);
    pDC->SelectObject(pOldBrush);
    if (pCombo->GetEditCtrl() == nullptr) {
      CFont* pOldFont = pDC->SelectObject(&m_fontRegular);
      pCombo->DrawEditText(pDC, CRect(rcField.left + 3, rcField.top + 1, rcButton.left - 1,
                                      rcField.bottom - 1));
      pDC->SelectObject(pOldFont);
    }
    return CSize(pControl->GetWidth(), kFieldHeight);
  }
  CSize DrawControlEdit(CDC* pDC, CTKControl* pControl, BOOL bDraw) override {
    CTKControlEdit* pEdit = static_cast<CTKControlEdit*>(pControl);
    pEdit->SetLabelWidth(LabelWidth(pDC, pControl));
    if (bDraw) DrawFrame(pDC, pControl, pEdit->GetLabelWidth());
    return CSize(pControl->GetWidth(), kFieldHeight);
  }

 private:
  int LabelWidth(CDC* pDC, CTKControl* pControl) {
    if (!pControl->IsCaptionVisible() || pControl->GetCaption().IsEmpty()) return 0;
    CFont* pOldFont = pDC->SelectObject(&m_fontRegular);
    const int nWidth = pDC->GetTextExtent(pControl->GetCaption()).cx + 6;
    pDC->SelectObject(pOldFont);
    return nWidth;
  }
  /// The label and the field's frame; the field's rectangle.
  CRect DrawFrame(CDC* pDC, CTKControl* pControl, int nLabel) {
    const CRect rc = pControl->GetRect();
    if (nLabel > 0) {
      CFont* pOldFont = pDC->SelectObject(&m_fontRegular);
      pDC->SetBkMode(TRANSPARENT);
      pDC->SetTextColor(RGB(30, 30, 30));
      CRect rcLabel(rc.left, rc.top, rc.left + nLabel, rc.bottom);
      pDC->DrawText(pControl->GetCaption(), rcLabel, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
      pDC->SelectObject(pOldFont);
    }
    const CRect rcField(rc.left + nLabel, rc.top, rc.right, rc.bottom);
    pDC->FillSolidRect(rcField, RGB(255, 255, 255));
    const COLORREF clrFrame = pControl->GetSelected() != 0 ? kFieldHotFrame : kFieldFrame;
    pDC->Draw3dRect(rcField, clrFrame, clrFrame);
    return rcField;
  }
};

/// The gallery's owner: hot faces framed in a tint, as a theme draws them.
class CGalleryOwner : public CTestThemePaintManager {
 public:
  void DrawRectangle(CDC* pDC, CRect rc, BOOL bSelected, BOOL bPressed, BOOL bEnabled, BOOL,
                     BOOL, int, int) override {
    if (!bEnabled || !(bSelected || bPressed)) return;
    pDC->FillSolidRect(rc, RGB(229, 195, 101));
    rc.DeflateRect(1, 1);
    pDC->FillSolidRect(rc, RGB(253, 236, 170));
  }
  COLORREF GetRectangleTextColor(BOOL, BOOL, BOOL bEnabled, BOOL, BOOL, int, int) override {
    return bEnabled ? RGB(30, 30, 30) : RGB(160, 160, 160);
  }
};

const UINT kFirstIcon = 760;

void PumpMessages() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

/// What a shown top-level window shows, at its screen place relative to `ptOrigin`.
void CopyWindow(CDC* pDC, CWnd* pWnd, CPoint ptOrigin) {
  if (pWnd->GetSafeHwnd() == NULL || !pWnd->IsWindowVisible()) return;
  pWnd->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_FRAME |
                                           RDW_ALLCHILDREN);
  PumpMessages();
  CRect rc;
  pWnd->GetWindowRect(&rc);
  CWindowDC dc(pWnd);
  pDC->BitBlt(rc.left - ptOrigin.x, rc.top - ptOrigin.y, rc.Width(), rc.Height(), &dc, 0, 0,
              SRCCOPY);
}

CTKControlComboBox* AddCombo(CTKCommandBar* pBar, int nId, const char* pszCaption, BOOL bEditable,
                             std::initializer_list<const char*> items, int nWidth) {
  CTKControlComboBox* pCombo = new CTKControlComboBox;
  pBar->GetControls()->Add(pCombo, nId);
  pCombo->SetCaption(pszCaption);
  pCombo->SetComboStyle(1);
  pCombo->SetDropDown(bEditable);
  pCombo->SetWidth(nWidth);
  CTKControlComboBoxList* pList = DYNAMIC_DOWNCAST(CTKControlComboBoxList, pCombo->GetListBox());
  for (const char* item : items) pList->AddString(item);
  return pCombo;
}

CTKControlEdit* AddEdit(CTKCommandBar* pBar, int nId, const char* pszCaption, const char* pszText,
                        int nWidth) {
  CTKControlEdit* pEdit = new CTKControlEdit;
  pBar->GetControls()->Add(pEdit, nId);
  pEdit->SetCaption(pszCaption);
  pEdit->SetHasLabel(TRUE);
  pEdit->SetWidth(nWidth);
  pEdit->SetEditText(pszText);
  return pEdit;
}

void LayOut(CTKCommandBar* pBar, int nLength) {
  CClientDC dc(pBar);
  DWORD dwMode = TKLM_HORZDOCK | TKLM_COMMIT;
  pBar->GetControls()->CalcBarLayout(&dc, nLength, dwMode, CRect(4, 4, 4, 4), 0);
  pBar->Invalidate();
}

}  // namespace

bool DrawFieldsPage(const GalleryContext& context) {
  // The fields look the same in every look of the toolkit: one picture.
  if (context.look != "Silver") return true;
  TKDpiHelper()->OverrideDpi(96, 96);
  CTestGlobalPaintManager globalPaintManager;
  CFieldsPaintManager* pFields = new CFieldsPaintManager;

  CWnd host;
  host.CreateEx(0, AfxRegisterWndClass(0, NULL, ::GetSysColorBrush(COLOR_BTNFACE)), "fields",
                WS_POPUP | WS_CLIPCHILDREN, 40, 40, 600, 250, NULL, NULL);
  host.ShowWindow(SW_SHOWNOACTIVATE);

  // The tool bar: an edit field, an editable combo with a hint, and a
  // list-only combo whose list is open.
  CTKCommandBar* pToolBar = new CTKCommandBar;
  pToolBar->SetOwner(&host);
  pFields->InternalAddRef();
  pToolBar->SetPaintManager(pFields);
  pToolBar->CreateEx(0, AfxRegisterWndClass(0), "tool bar", WS_CHILD | WS_VISIBLE, 10, 10, 580, 30,
                     host.GetSafeHwnd(), NULL);
  AddEdit(pToolBar, 901, "Find", "release", 150);
  CTKControlComboBox* pTarget = AddCombo(pToolBar, 902, "Target", TRUE, {"Build", "Rebuild"}, 150);
  pTarget->SetEditHint("Choose a target");
  CTKControlComboBox* pPlatform =
      AddCombo(pToolBar, 903, "Platform", FALSE, {"Win32", "x64", "ARM64", "Any CPU"}, 150);
  LayOut(pToolBar, 580);
  pTarget->SetEditText("");
  pPlatform->SetCurSel(1);

  // A gallery of two groups under their labels, the mouse over one item.
  CGalleryOwner* pOwner = new CGalleryOwner;
  pOwner->SetGalleryPaintManager(new CTKControlGalleryTheme(pOwner));
  pOwner->RefreshMetrics();
  std::vector<UINT> ids;
  for (UINT i = 0; i < 10; ++i) ids.push_back(kFirstIcon + i);
  AddTestIcons(TKImageManager(), ids, 16);
  CTKCommandBar* pGalleryBar = new CTKCommandBar;
  pGalleryBar->SetOwner(&host);
  pGalleryBar->SetPaintManager(pOwner);
  pGalleryBar->CreateEx(0, AfxRegisterWndClass(0, NULL, ::GetSysColorBrush(COLOR_BTNFACE)),
                        "gallery", WS_CHILD | WS_VISIBLE, 10, 60, 200, 170, host.GetSafeHwnd(),
                        NULL);
  CTKControlGalleryItems* pItems = new CTKControlGalleryItems;
  pItems->SetItemSize(CSize(32, 32));
  pItems->AddLabel("Recent steps");
  for (UINT i = 0; i < 4; ++i) pItems->AddItem(kFirstIcon + i, "step");
  pItems->AddLabel("All steps");
  for (UINT i = 4; i < 10; ++i) pItems->AddItem(kFirstIcon + i, "step");
  CTKControlAction* pAction = new CTKControlAction(nullptr);
  pAction->SetGalleryItems(pItems);
  CTKControlGallery* pGallery = new CTKControlGallery;
  pGalleryBar->GetControls()->AppendControl(pGallery);
  pGallery->SetAction(pAction);
  pGallery->SetShowBorders(TRUE);
  pGallery->SetRect(CRect(0, 0, 200, 170));
  pGalleryBar->SetSelected(0);
  pGallery->TrackHotItem(pGallery->GetItemRect(7).CenterPoint());

  // Fields in a pop-up beside the bars.
  CTKPopupBar* pPopup = CTKPopupBar::CreatePopupBar(nullptr);
  pFields->InternalAddRef();
  pPopup->SetPaintManager(pFields);
  AddEdit(pPopup, 911, "Name", "Nightly", 170);
  CTKControlComboBox* pKind = AddCombo(pPopup, 912, "Kind", FALSE, {"Program", "Command"}, 170);
  pKind->SetCurSel(0);
  CRect rcHost;
  host.GetWindowRect(&rcHost);
  bool ok = false;
  if (pPopup->PopupAtPoint(rcHost.right + 20, rcHost.top + 10)) {
    // The list of the list-only combo open, the pointer over its third item.
    pToolBar->SetPopuped(pPlatform->GetIndex());
    CTKControlComboBoxList* pList = DYNAMIC_DOWNCAST(CTKControlComboBoxList, pPlatform->GetListBox());
    CRect rcItem;
    pList->SendMessage(LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&rcItem));
    pList->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rcItem.left + 4, rcItem.top + 2));

    CRect rcAll = rcHost, rc;
    for (CWnd* pWnd : std::vector<CWnd*>{pPopup, pList}) {
      pWnd->GetWindowRect(&rc);
      rcAll.UnionRect(rcAll, rc);
    }
    const int kMargin = 16;
    CGalleryCanvas canvas(rcAll.Width() + 2 * kMargin, rcAll.Height() + 2 * kMargin + 20,
                          RGB(236, 239, 244));
    canvas.Label(6, 4,
                 "fields on a tool bar (a combo's list open) and in a pop-up; a gallery with "
                 "labels and a hot item");
    const CPoint ptOrigin(rcAll.left - kMargin, rcAll.top - kMargin - 20);
    CopyWindow(canvas.GetDC(), &host, ptOrigin);
    CopyWindow(canvas.GetDC(), pPopup, ptOrigin);
    CopyWindow(canvas.GetDC(), pList, ptOrigin);
    ok = canvas.Save(context.folder + "commandbars-fields.png");
  }
  CTKMouseManager::GetThreadManager()->SendTrackLost();
  pToolBar->SetTrackingMode(FALSE);
  pPopup->InternalRelease();
  pToolBar->DestroyWindow();
  pToolBar->InternalRelease();
  pGalleryBar->DestroyWindow();
  pGalleryBar->InternalRelease();
  pAction->InternalRelease();
  pItems->InternalRelease();
  pFields->InternalRelease();
  host.DestroyWindow();
  return ok;
}
