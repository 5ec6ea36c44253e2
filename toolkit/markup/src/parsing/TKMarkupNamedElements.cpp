// Setting texts and brushes of named elements of a parsed tree.
#include "markup/TKMarkupNamedElements.h"

#include <new>

#include "TKMarkupBorder.h"
#include "TKMarkupBrush.h"
#include "TKMarkupPanel.h"
#include "TKMarkupShape.h"
#include "TKMarkupString.h"
#include "TKMarkupTextBlock.h"
#include "TKMarkupTextElement.h"
#include "markup/TKMarkupUIElement.h"

namespace {

template <class T>
T* FindNamed(CTKMarkupUIElement* pRoot, LPCSTR lpszName) {
  if (pRoot == nullptr || lpszName == nullptr) return nullptr;
  CStringW strName(lpszName);
  return MarkupCast<T>(pRoot->FindName(strName));
}

// A new opaque solid brush (one reference for the caller), or null for -1.
CTKMarkupObject* NewBrush(COLORREF clr) {
  if (clr == static_cast<COLORREF>(-1)) return nullptr;
  return new (std::nothrow) CTKMarkupSolidColorBrush(clr);
}

BOOL SetBrush(CTKMarkupObject* pObject, CTKMarkupDependencyProperty* pProperty, COLORREF clr) {
  if (pObject == nullptr) return FALSE;
  CTKMarkupObject* pBrush = NewBrush(clr);
  if (pObject->SetValue(pProperty, pBrush)) return TRUE;
  if (pBrush != nullptr) pBrush->Release();
  return FALSE;
}

}  // namespace

BOOL SetMarkupNamedText(CTKMarkupUIElement* pRoot, LPCSTR lpszName, LPCSTR lpszText) {
  CTKMarkupTextBlock* pText = FindNamed<CTKMarkupTextBlock>(pRoot, lpszName);
  if (pText == nullptr) return FALSE;
  CTKMarkupString* pValue = CTKMarkupString::CreateValueFromAnsi(lpszText);
  if (pText->SetValue(CTKMarkupTextBlock::TextProperty, pValue)) return TRUE;
  if (pValue != nullptr) pValue->Release();
  return FALSE;
}

BOOL SetMarkupNamedForeground(CTKMarkupUIElement* pRoot, LPCSTR lpszName, COLORREF clr) {
  CTKMarkupTextBlock* pText = FindNamed<CTKMarkupTextBlock>(pRoot, lpszName);
  return pText != nullptr && clr != static_cast<COLORREF>(-1) &&
         SetBrush(pText, CTKMarkupTextElement::ForegroundProperty, clr);
}

BOOL SetMarkupNamedBackground(CTKMarkupUIElement* pRoot, LPCSTR lpszName, COLORREF clr) {
  return SetBrush(FindNamed<CTKMarkupBorder>(pRoot, lpszName), CTKMarkupBorder::BackgroundProperty,
                  clr);
}

BOOL SetMarkupNamedBorderBrush(CTKMarkupUIElement* pRoot, LPCSTR lpszName, COLORREF clr) {
  return SetBrush(FindNamed<CTKMarkupBorder>(pRoot, lpszName),
                  CTKMarkupBorder::BorderBrushProperty, clr);
}

int SetMarkupPanelShapeBrushes(CTKMarkupUIElement* pRoot, LPCSTR lpszPanel, LPCSTR lpszShape,
                               COLORREF clr, BOOL bFill) {
  CTKMarkupPanel* pPanel = FindNamed<CTKMarkupPanel>(pRoot, lpszPanel);
  if (pPanel == nullptr || lpszShape == nullptr) return 0;
  CStringW strShape(lpszShape);
  int nSet = 0;
  for (int i = 0; i < pPanel->GetChildren()->GetCount(); ++i) {
    CTKMarkupShape* pShape = MarkupCast<CTKMarkupShape>(pPanel->GetChild(i));
    if (pShape == nullptr) continue;
    LPCWSTR lpszName = MarkupStringText(pShape->GetValue(CTKMarkupObject::NameProperty));
    if (lpszName == nullptr || _wcsicmp(lpszName, strShape) != 0) continue;
    SetBrush(pShape, CTKMarkupShape::StrokeProperty, clr);
    if (bFill) SetBrush(pShape, CTKMarkupShape::FillProperty, clr);
    ++nSet;
  }
  return nSet;
}
