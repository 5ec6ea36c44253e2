// The dock panel's layout and its attached Dock.
#include "TKMarkupDockPanel.h"

#include "TKMarkupPanelLayout.h"
#include "TKMarkupString.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"

#include <algorithm>

IMPLEMENT_MARKUP_TYPE(CTKMarkupDockPanel, TKMarkupRow_DockPanel)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupDockPanel)

CTKMarkupDependencyProperty* CTKMarkupDockPanel::LastChildFillProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupDockPanel::DockProperty = nullptr;

BEGIN_DISPATCH_MAP(CTKMarkupDockPanel, CTKMarkupPanel)
DISP_PROPERTY_EX_ID(CTKMarkupDockPanel, "LastChildFill", 600, DispGetLastChildFill,
                    DispSetLastChildFill, VT_BOOL)
DISP_FUNCTION_ID(CTKMarkupDockPanel, "GetDock", 601, DispGetDock, VT_I4, VTS_DISPATCH)
DISP_FUNCTION_ID(CTKMarkupDockPanel, "SetDock", 602, DispSetDock, VT_EMPTY, VTS_DISPATCH VTS_I4)
END_DISPATCH_MAP()

namespace {

CTKMarkupObject* ConvertDock(CTKMarkupBuilder*, CTKMarkupObject* pValue,
                             CTKMarkupDependencyProperty*) {
  static const LPCWSTR kSides[] = {L"Left", L"Top", L"Right", L"Bottom"};
  LPCWSTR lpszText = MarkupStringText(pValue);
  if (lpszText == nullptr) return nullptr;
  for (int i = 0; i < 4; ++i) {
    if (_wcsicmp(lpszText, kSides[i]) == 0) return CTKMarkupEnum::CreateValue(i);
  }
  return nullptr;
}

bool IsSide(int nDock) { return nDock >= TKMarkupDock_Left && nDock <= TKMarkupDock_Bottom; }

}  // namespace

void CTKMarkupDockPanel::RegisterMarkupProperties() {
  LastChildFillProperty = CTKMarkupDependencyProperty::Register(
      L"LastChildFill", CTKMarkupBool::StaticType(), StaticType(),
      new CTKMarkupPropertyMetadata(CTKMarkupBool::CreateTrueValue(), TK_MARKUP_AFFECTS_ARRANGE));
  DockProperty = CTKMarkupDependencyProperty::RegisterAttached(
      L"Dock", CTKMarkupEnum::StaticType(), StaticType(),
      new CTKMarkupPropertyMetadata(CTKMarkupEnum::CreateValue(TKMarkupDock_Left), &ConvertDock,
                                    &CTKMarkupDockPanel::OnDockChanged, 0));
}

BOOL CTKMarkupDockPanel::GetLastChildFill() {
  CTKMarkupBool* pValue = MarkupCast<CTKMarkupBool>(GetValue(LastChildFillProperty));
  return pValue != nullptr ? pValue->GetValue() : TRUE;
}

void CTKMarkupDockPanel::SetLastChildFill(BOOL bFill) {
  SetValue(LastChildFillProperty, CTKMarkupBool::CreateValue(bFill));
}

int CTKMarkupDockPanel::GetDock(CTKMarkupObject* pElement) {
  if (pElement == nullptr) return TKMarkupDock_Left;
  CTKMarkupEnum* pValue = MarkupCast<CTKMarkupEnum>(pElement->GetValue(DockProperty));
  return pValue != nullptr ? pValue->GetValue() : TKMarkupDock_Left;
}

void CTKMarkupDockPanel::SetDock(CTKMarkupObject* pElement, int nDock) {
  if (pElement != nullptr) pElement->SetValue(DockProperty, CTKMarkupEnum::CreateValue(nDock));
}

void CTKMarkupDockPanel::OnDockChanged(CTKMarkupObject* pObject, const TK_MARKUP_PROPERTY_CHANGE&) {
  CTKMarkupUIElement* pElement = MarkupCast<CTKMarkupUIElement>(pObject);
  if (pElement == nullptr) return;
  if (CTKMarkupDockPanel* pPanel = MarkupCast<CTKMarkupDockPanel>(pElement->GetVisualParent()))
    pPanel->InvalidateMeasure();
}

CSize CTKMarkupDockPanel::MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                                          int nAvailableHeight) {
  int nUsedWidth = 0, nUsedHeight = 0, nWidest = 0, nTallest = 0;
  for (int i = 0; i < GetChildren()->GetCount(); ++i) {
    CTKMarkupUIElement* pChild = GetChild(i);
    if (pChild == nullptr) continue;
    pChild->Measure(pDC, std::max(0, AddMarkupExtents(nAvailableWidth, -nUsedWidth)),
                    std::max(0, AddMarkupExtents(nAvailableHeight, -nUsedHeight)));
    const CSize desired = pChild->GetDesiredSize();
    const int nDock = GetDock(pChild);
    if (nDock == TKMarkupDock_Left || nDock == TKMarkupDock_Right) {
      nTallest = std::max(nTallest, AddMarkupExtents(nUsedHeight, desired.cy));
      nUsedWidth = AddMarkupExtents(nUsedWidth, desired.cx);
    } else if (nDock == TKMarkupDock_Top || nDock == TKMarkupDock_Bottom) {
      nWidest = std::max(nWidest, AddMarkupExtents(nUsedWidth, desired.cx));
      nUsedHeight = AddMarkupExtents(nUsedHeight, desired.cy);
    }
  }
  return CSize(std::max(nUsedWidth, nWidest), std::max(nUsedHeight, nTallest));
}

CSize CTKMarkupDockPanel::ArrangeOverride(int nFinalWidth, int nFinalHeight) {
  const int nCount = GetChildren()->GetCount();
  const BOOL bFill = GetLastChildFill();
  int l = 0, t = 0, r = 0, d = 0;
  for (int i = 0; i < nCount; ++i) {
    CTKMarkupUIElement* pChild = GetChild(i);
    if (pChild == nullptr) continue;
    const CSize desired = pChild->GetDesiredSize();
    const int nRight = std::max(l, AddMarkupExtents(nFinalWidth, -r));
    const int nBottom = std::max(t, AddMarkupExtents(nFinalHeight, -d));
    const int nDock = GetDock(pChild);
    if ((bFill && i == nCount - 1) || !IsSide(nDock)) {
      pChild->Arrange(CRect(l, t, nRight, nBottom));
    } else if (nDock == TKMarkupDock_Left) {
      pChild->Arrange(CRect(l, t, AddMarkupExtents(l, desired.cx), nBottom));
      l = AddMarkupExtents(l, desired.cx);
    } else if (nDock == TKMarkupDock_Top) {
      pChild->Arrange(CRect(l, t, nRight, AddMarkupExtents(t, desired.cy)));
      t = AddMarkupExtents(t, desired.cy);
    } else if (nDock == TKMarkupDock_Right) {
      r = AddMarkupExtents(r, desired.cx);
      const int x = std::max(0, AddMarkupExtents(nFinalWidth, -r));
      pChild->Arrange(CRect(x, t, AddMarkupExtents(x, desired.cx), nBottom));
    } else {
      d = AddMarkupExtents(d, desired.cy);
      const int y = std::max(0, AddMarkupExtents(nFinalHeight, -d));
      pChild->Arrange(CRect(l, y, nRight, AddMarkupExtents(y, desired.cy)));
    }
  }
  return CSize(nFinalWidth, nFinalHeight);
}

long CTKMarkupDockPanel::DispGetDock(LPDISPATCH pElement) {
  if (pElement == nullptr) AfxThrowOleException(E_INVALIDARG);
  return GetDock(MarkupObjectFromDispatch(pElement, FALSE));
}

void CTKMarkupDockPanel::DispSetDock(LPDISPATCH pElement, long nDock) {
  if (pElement == nullptr) AfxThrowOleException(E_INVALIDARG);
  SetDock(MarkupObjectFromDispatch(pElement, FALSE), nDock);
}
