// Toggle buttons: checking, the radio group, and the glyph buttons' layout
// and drawing.
#include "TKMarkupToggleButton.h"

#include <uxtheme.h>
#include <vsstyle.h>

#include <algorithm>
#include <memory>

#include "common/TKWinThemeWrapper.h"
#include "markup/TKMarkupContext.h"
#include "TKMarkupDedicatedDC.h"
#include "markup/TKMarkupDrawingContext.h"
#include "TKMarkupString.h"
#include "TKMarkupThickness.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupToggleButton, TKMarkupRow_ToggleButton)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupToggleButton)
IMPLEMENT_MARKUP_TYPE(CTKMarkupCheckBox, TKMarkupRow_CheckBox)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupCheckBox)
IMPLEMENT_MARKUP_TYPE(CTKMarkupRadioButton, TKMarkupRow_RadioButton)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupRadioButton)

CTKMarkupRoutedEvent* CTKMarkupToggleButton::CheckedEvent = nullptr;
CTKMarkupRoutedEvent* CTKMarkupToggleButton::UncheckedEvent = nullptr;
CTKMarkupRoutedEvent* CTKMarkupToggleButton::IndeterminateEvent = nullptr;
CTKMarkupDependencyProperty* CTKMarkupToggleButton::IsCheckedProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupToggleButton::IsThreeStateProperty = nullptr;

BEGIN_DISPATCH_MAP(CTKMarkupToggleButton, CTKMarkupButtonBase)
DISP_PROPERTY_EX(CTKMarkupToggleButton, "IsChecked", DispGetIsChecked, DispSetIsChecked, VT_I4)
DISP_PROPERTY_EX(CTKMarkupToggleButton, "IsThreeState", DispGetIsThreeState, DispSetIsThreeState,
                 VT_BOOL)
DISP_PROPERTY_EX(CTKMarkupToggleButton, "CheckedEvent", DispGetCheckedEvent, SetNotSupported,
                 VT_DISPATCH)
DISP_PROPERTY_EX(CTKMarkupToggleButton, "IndeterminateEvent", DispGetIndeterminateEvent,
                 SetNotSupported, VT_DISPATCH)
DISP_PROPERTY_EX(CTKMarkupToggleButton, "UncheckedEvent", DispGetUncheckedEvent, SetNotSupported,
                 VT_DISPATCH)
END_DISPATCH_MAP()

namespace {

// "True", "False" (any case) and the empty text, which means indeterminate.
CTKMarkupObject* ConvertIsChecked(CTKMarkupBuilder*, CTKMarkupObject* pValue,
                                  CTKMarkupDependencyProperty*) {
  LPCWSTR lpszText = MarkupStringText(pValue);
  if (lpszText == nullptr) return nullptr;
  if (_wcsicmp(lpszText, L"True") == 0) return CTKMarkupEnum::CreateValue(TKMarkupCheck_Checked);
  if (_wcsicmp(lpszText, L"False") == 0) return CTKMarkupEnum::CreateValue(TKMarkupCheck_Unchecked);
  if (*lpszText == L'\0') return CTKMarkupEnum::CreateValue(TKMarkupCheck_Indeterminate);
  return nullptr;
}

int UnitsX(CTKMarkupObject* pElement, int n) {
  return pElement->GetContext() != nullptr ? pElement->GetContext()->ScaleX(n) : n;
}

int UnitsY(CTKMarkupObject* pElement, int n) {
  return pElement->GetContext() != nullptr ? pElement->GetContext()->ScaleY(n) : n;
}

}  // namespace

// Toggle button ------------------------------------------------------------------------

CTKMarkupToggleButton::CTKMarkupToggleButton() {}

void CTKMarkupToggleButton::RegisterMarkupProperties() {
  CTKMarkupType* pType = StaticType();
  CheckedEvent =
      CTKMarkupRoutedEvent::RegisterRoutedEvent(L"Checked", TK_MARKUP_ROUTE_BUBBLE, pType);
  UncheckedEvent =
      CTKMarkupRoutedEvent::RegisterRoutedEvent(L"Unchecked", TK_MARKUP_ROUTE_BUBBLE, pType);
  IndeterminateEvent =
      CTKMarkupRoutedEvent::RegisterRoutedEvent(L"Indeterminate", TK_MARKUP_ROUTE_BUBBLE, pType);
  IsCheckedProperty = CTKMarkupDependencyProperty::Register(
      L"IsChecked", CTKMarkupEnum::StaticType(), pType,
      new CTKMarkupPropertyMetadata(CTKMarkupEnum::CreateValue(TKMarkupCheck_Unchecked),
                                    &ConvertIsChecked, &OnIsCheckedChanged,
                                    TK_MARKUP_AFFECTS_MEASURE));
  IsThreeStateProperty = CTKMarkupDependencyProperty::Register(
      L"IsThreeState", CTKMarkupBool::StaticType(), pType,
      new CTKMarkupPropertyMetadata(CTKMarkupBool::CreateFalseValue(), TK_MARKUP_AFFECTS_MEASURE));
}

void CTKMarkupToggleButton::OnClick() {
  OnToggle();
  CTKMarkupButtonBase::OnClick();
}

void CTKMarkupToggleButton::OnToggle() {
  switch (GetIsChecked()) {
    case TKMarkupCheck_Checked:
      SetIsChecked(GetIsThreeState() ? TKMarkupCheck_Indeterminate : TKMarkupCheck_Unchecked);
      break;
    case TKMarkupCheck_Indeterminate:
      SetIsChecked(TKMarkupCheck_Unchecked);
      break;
    default:
      SetIsChecked(TKMarkupCheck_Checked);
      break;
  }
}

void CTKMarkupToggleButton::OnChecked(CTKMarkupRoutedEventArgs* pArgs) { RaiseEvent(pArgs); }

void CTKMarkupToggleButton::OnUnchecked(CTKMarkupRoutedEventArgs* pArgs) { RaiseEvent(pArgs); }

void CTKMarkupToggleButton::OnIndeterminate(CTKMarkupRoutedEventArgs* pArgs) { RaiseEvent(pArgs); }

void CTKMarkupToggleButton::OnIsCheckedChanged(CTKMarkupObject* pObject,
                                               const TK_MARKUP_PROPERTY_CHANGE& change) {
  CTKMarkupToggleButton* pButton = MarkupCast<CTKMarkupToggleButton>(pObject);
  if (pButton == nullptr) return;
  CTKMarkupEnum* pNew = MarkupCast<CTKMarkupEnum>(change.pNewValue);
  int nState = pNew != nullptr ? pNew->GetValue() : TKMarkupCheck_Unchecked;
  CTKMarkupRoutedEvent* pEvent = nState == TKMarkupCheck_Checked ? CheckedEvent
                                 : nState != 0                   ? IndeterminateEvent
                                                                 : UncheckedEvent;
  CTKMarkupRoutedEventArgs* pArgs = new CTKMarkupRoutedEventArgs(pEvent);
  pArgs->SetSource(pButton);
  if (nState == TKMarkupCheck_Checked)
    pButton->OnChecked(pArgs);
  else if (nState != 0)
    pButton->OnIndeterminate(pArgs);
  else
    pButton->OnUnchecked(pArgs);
  pArgs->Release();
}

TKMarkupCheckState CTKMarkupToggleButton::GetIsChecked() {
  CTKMarkupEnum* pValue = MarkupCast<CTKMarkupEnum>(GetValue(IsCheckedProperty));
  return pValue != nullptr ? static_cast<TKMarkupCheckState>(pValue->GetValue())
                           : TKMarkupCheck_Unchecked;
}

void CTKMarkupToggleButton::SetIsChecked(TKMarkupCheckState nState) {
  SetValue(IsCheckedProperty, CTKMarkupEnum::CreateValue(nState));
}

BOOL CTKMarkupToggleButton::GetIsThreeState() {
  CTKMarkupBool* pValue = MarkupCast<CTKMarkupBool>(GetValue(IsThreeStateProperty));
  return pValue != nullptr && pValue->GetValue();
}

void CTKMarkupToggleButton::SetIsThreeState(BOOL bThreeState) {
  SetValue(IsThreeStateProperty, CTKMarkupBool::CreateValue(bThreeState));
}

CSize CTKMarkupToggleButton::MeasureGlyphButton(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                                                int nAvailableHeight) {
  GetTheme();
  CTKMarkupThickness* P = GetPadding();
  int cw = P->GetLeft() + P->GetRight() + UnitsX(this, 16);
  int ch = P->GetTop() + P->GetBottom();
  int nMinHeight = UnitsY(this, 13);
  CTKMarkupUIElement* pContent = GetContent();
  if (pContent == nullptr) return CSize(cw, std::max(ch, nMinHeight));
  pContent->Measure(pDC, std::max(0, nAvailableWidth - cw), std::max(0, nAvailableHeight - ch));
  CSize sz = pContent->GetDesiredSize();
  return CSize(cw + sz.cx, std::max<int>(ch + sz.cy, nMinHeight));
}

CSize CTKMarkupToggleButton::ArrangeGlyphButton(int nFinalWidth, int nFinalHeight) {
  if (CTKMarkupUIElement* pContent = GetContent()) {
    CRect rc =
        CTKMarkupThickness::DeflateRect(CRect(0, 0, nFinalWidth, nFinalHeight), GetPadding());
    rc.left = std::min<LONG>(rc.left + UnitsX(this, 16), std::max<LONG>(rc.right, rc.left));
    rc.right = std::max(rc.right, rc.left);
    pContent->Arrange(rc);
  }
  return CSize(nFinalWidth, nFinalHeight);
}

CRect CTKMarkupToggleButton::GetGlyphRect() {
  int nHalf = GetActualHeight() / 2;
  return CRect(0, nHalf - UnitsY(this, 6), UnitsX(this, 13), nHalf + UnitsY(this, 7));
}

int CTKMarkupToggleButton::GetBaseThemeState() {
  if (!GetIsEnabled()) return 4;
  if (GetIsPressed()) return 3;
  if (IsMouseOver()) return 2;
  return 1;
}

void CTKMarkupToggleButton::DrawGlyph(CTKMarkupDrawingContext* pDC, int nThemePart, int nThemeState,
                                      UINT nClassicState) {
  CRect rc = GetGlyphRect();
  std::unique_ptr<CTKMarkupDedicatedDC> dc(pDC->GetDeviceContext()->CreateDedicatedDC(rc));
  HDC hDC = dc->GetDC();
  if (hDC == nullptr) return;
  rc.OffsetRect(dc->GetOriginOffset());
  if (IsThemed())
    GetTheme()->DrawThemeBackground(hDC, nThemePart, nThemeState, &rc, nullptr);
  else
    ::DrawFrameControl(hDC, &rc, DFC_BUTTON, nClassicState);
  dc->Commit();
}

void CTKMarkupToggleButton::RenderGlyphFocus(CTKMarkupDrawingContext* pDC) {
  if (GetContent() == nullptr) return;
  CRect rc(UnitsX(this, 15), 0, GetActualWidth(), GetActualHeight());
  HDC hDC = pDC->GetDC();
  ::DrawFocusRect(hDC, &rc);
  pDC->ReleaseDC(hDC);
}

long CTKMarkupToggleButton::DispGetIsChecked() { return GetIsChecked(); }

void CTKMarkupToggleButton::DispSetIsChecked(long nValue) {
  SetIsChecked(static_cast<TKMarkupCheckState>(nValue));
}

BOOL CTKMarkupToggleButton::DispGetIsThreeState() { return GetIsThreeState(); }

void CTKMarkupToggleButton::DispSetIsThreeState(BOOL bValue) { SetIsThreeState(bValue); }

LPDISPATCH CTKMarkupToggleButton::DispGetCheckedEvent() { return CheckedEvent->GetIDispatch(TRUE); }

LPDISPATCH CTKMarkupToggleButton::DispGetIndeterminateEvent() {
  return IndeterminateEvent->GetIDispatch(TRUE);
}

LPDISPATCH CTKMarkupToggleButton::DispGetUncheckedEvent() {
  return UncheckedEvent->GetIDispatch(TRUE);
}

// Check box ------------------------------------------------------------------------------

CSize CTKMarkupCheckBox::MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                                         int nAvailableHeight) {
  return MeasureGlyphButton(pDC, nAvailableWidth, nAvailableHeight);
}

CSize CTKMarkupCheckBox::ArrangeOverride(int nFinalWidth, int nFinalHeight) {
  return ArrangeGlyphButton(nFinalWidth, nFinalHeight);
}

void CTKMarkupCheckBox::OnRender(CTKMarkupDrawingContext* pDC) {
  TKMarkupCheckState nState = GetIsChecked();
  int nTheme = GetBaseThemeState() + (nState == TKMarkupCheck_Checked         ? 4
                                      : nState == TKMarkupCheck_Indeterminate ? 8
                                                                              : 0);
  UINT nClassic = DFCS_BUTTONCHECK;
  if (nState == TKMarkupCheck_Checked) nClassic |= DFCS_CHECKED;
  if (nState == TKMarkupCheck_Indeterminate) nClassic |= DFCS_BUTTON3STATE | DFCS_CHECKED;
  if (GetIsPressed()) nClassic |= DFCS_PUSHED;
  DrawGlyph(pDC, BP_CHECKBOX, nTheme, nClassic);
}

void CTKMarkupCheckBox::OnRenderFocusVisual(CTKMarkupDrawingContext* pDC) { RenderGlyphFocus(pDC); }

// Radio button ---------------------------------------------------------------------------

void CTKMarkupRadioButton::OnToggle() { SetIsChecked(TKMarkupCheck_Checked); }

void CTKMarkupRadioButton::OnChecked(CTKMarkupRoutedEventArgs* pArgs) {
  UncheckSiblings();
  CTKMarkupToggleButton::OnChecked(pArgs);
}

void CTKMarkupRadioButton::UncheckSiblings() {
  CTKMarkupVisual* pParent = GetVisualParent();
  if (pParent == nullptr) return;
  for (int i = 0; i < pParent->GetVisualChildrenCount(); ++i) {
    CTKMarkupRadioButton* pSibling = MarkupCast<CTKMarkupRadioButton>(pParent->GetVisualChild(i));
    if (pSibling != nullptr && pSibling != this &&
        pSibling->GetIsChecked() != TKMarkupCheck_Unchecked)
      pSibling->SetIsChecked(TKMarkupCheck_Unchecked);
  }
}

CSize CTKMarkupRadioButton::MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                                            int nAvailableHeight) {
  return MeasureGlyphButton(pDC, nAvailableWidth, nAvailableHeight);
}

CSize CTKMarkupRadioButton::ArrangeOverride(int nFinalWidth, int nFinalHeight) {
  return ArrangeGlyphButton(nFinalWidth, nFinalHeight);
}

void CTKMarkupRadioButton::OnRender(CTKMarkupDrawingContext* pDC) {
  BOOL bChecked = GetIsChecked() != TKMarkupCheck_Unchecked;
  UINT nClassic = DFCS_BUTTONRADIO;
  if (bChecked) nClassic |= DFCS_CHECKED;
  if (GetIsPressed()) nClassic |= DFCS_PUSHED;
  DrawGlyph(pDC, BP_RADIOBUTTON, GetBaseThemeState() + (bChecked ? 4 : 0), nClassic);
}

void CTKMarkupRadioButton::OnRenderFocusVisual(CTKMarkupDrawingContext* pDC) {
  RenderGlyphFocus(pDC);
}
