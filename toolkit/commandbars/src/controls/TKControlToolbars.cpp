// The tool-bar list of menus, and its items that show and hide the bars.
#include "commandbars/TKCommandBarsLayoutBars.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControlLists.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKToolBar.h"
#include "TKControlListSteps.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKControlToolbars, CTKControlButton)

CObject* PASCAL CTKControlToolbars::CTKControlToolbar::CreateObject() {
  return new CTKControlToolbar;
}
CRuntimeClass CTKControlToolbars::CTKControlToolbar::classCTKControlToolbar = {
    "CTKControlToolbars::CTKControlToolbar", sizeof(CTKControlToolbars::CTKControlToolbar),
    0xFFFF, &CTKControlToolbars::CTKControlToolbar::CreateObject,
    RUNTIME_CLASS(CTKControlButton), nullptr};
CRuntimeClass* CTKControlToolbars::CTKControlToolbar::GetRuntimeClass() const {
  return &classCTKControlToolbar;
}

namespace {
/// The parameter that marks the generated items.
const char kItemParameter[] = "CTKControlToolbar";
}  // namespace

void CTKControlToolbars::CTKControlToolbar::OnExecute() {
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars == nullptr) return;
  pCommandBars->CloseAllPopups();
  pCommandBars->ToggleToolBarVisible(static_cast<int>(GetTag()));
}

void CTKControlToolbars::OnCalcDynamicSize(DWORD) {
  TKRemoveGeneratedControls(this, [](CTKControl* p) { return p->GetParameter() == kItemParameter; });
  if (TKShowPlaceholderInCustomizeMode(this)) return;
  SetHideFlags(TKHIDE_GENERIC);
  if (GetParent() != nullptr)
    AddToolbarItems(GetParent(), GetIndex() + 1, GetID(), FALSE, GetBeginGroup());
}

BOOL CTKControlToolbars::CanDropOnBar(CTKCommandBar* pBar, CPoint, DWORD& dwEffect) {
  return TKCanDropOnPopupBarOnly(pBar, dwEffect);
}

void AFX_CDECL CTKControlToolbars::AddToolbarItems(CTKCommandBar* pBar, int nIndex, int nId,
                                                   BOOL bCustomize, BOOL bBeginGroup) {
  CTKCommandBars* pCommandBars = pBar->GetCommandBars();
  if (pCommandBars == nullptr) return;
  CTKControls* pControls = pBar->GetControls();
  BOOL bFirst = TRUE;
  for (int i = 0; i < pCommandBars->GetCount(); ++i) {
    CTKToolBar* pToolBar = pCommandBars->GetAt(i);
    if (!pToolBar->IsContextMenuPresent() || !pToolBar->IsCloseable()) continue;
    // Inserted with the bare id: bound to that id's action, the items would
    // share one caption and one check.
    CTKControl* pItem = new CTKControlToolbar;
    pItem->SetID(nId);
    pItem->SetParameter(kItemParameter);
    pItem->SetTemporary(TRUE);
    pItem->SetFlags(pItem->GetFlags() | TKFLAG_MANUALUPDATE);
    pControls->InsertControl(pItem, nIndex++);
    pItem->SetCaption(FormatMnemonicCaption(pToolBar->GetTitle(), 0));
    pItem->SetTag(static_cast<DWORD_PTR>(i));
    pItem->SetBeginGroup(bFirst && bBeginGroup);
    pItem->SetChecked(pToolBar->IsVisible() ? 1 : 0);
    bFirst = FALSE;
  }
  if (bCustomize && pCommandBars->IsCustomizeCommandOffered())
    pControls->AddNew(tkControlButton, TKID_CUSTOMIZE, NULL, nIndex)->SetBeginGroup(TRUE);
}
