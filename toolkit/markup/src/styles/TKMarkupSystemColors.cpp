// The system-colour names of markup and their values.
#include "TKMarkupSystemColors.h"

#include "TKMarkupBrush.h"
#include "TKMarkupValues.h"

namespace {

const TK_MARKUP_SYSTEM_COLOR kSystemColors[] = {
    {L"ActiveBorder", COLOR_ACTIVEBORDER},
    {L"ActiveCaption", COLOR_ACTIVECAPTION},
    {L"ActiveCaptionText", COLOR_CAPTIONTEXT},
    {L"AppWorkspace", COLOR_APPWORKSPACE},
    {L"Control", COLOR_BTNFACE},
    {L"ControlDark", COLOR_BTNSHADOW},
    {L"ControlDarkDark", COLOR_3DDKSHADOW},
    {L"ControlLight", COLOR_3DLIGHT},
    {L"ControlLightLight", COLOR_BTNHIGHLIGHT},
    {L"ControlText", COLOR_BTNTEXT},
    {L"Desktop", COLOR_BACKGROUND},
    {L"GradientActiveCaption", COLOR_GRADIENTACTIVECAPTION},
    {L"GradientInactiveCaption", COLOR_GRADIENTINACTIVECAPTION},
    {L"GrayText", COLOR_GRAYTEXT},
    {L"Highlight", COLOR_HIGHLIGHT},
    {L"HighlightText", COLOR_HIGHLIGHTTEXT},
    {L"HotTrack", COLOR_HOTLIGHT},
    {L"InactiveBorder", COLOR_INACTIVEBORDER},
    {L"InactiveCaption", COLOR_INACTIVECAPTION},
    {L"InactiveCaptionText", COLOR_INACTIVECAPTIONTEXT},
    {L"Info", COLOR_INFOBK},
    {L"InfoText", COLOR_INFOTEXT},
    {L"Menu", COLOR_MENU},
    {L"MenuBar", COLOR_MENUBAR},
    {L"MenuHighlight", COLOR_MENUHILIGHT},
    {L"MenuText", COLOR_MENUTEXT},
    {L"ScrollBar", COLOR_SCROLLBAR},
    {L"Window", COLOR_WINDOW},
    {L"WindowFrame", COLOR_WINDOWFRAME},
    {L"WindowText", COLOR_WINDOWTEXT},
};
const int kRowCount = static_cast<int>(sizeof(kSystemColors) / sizeof(kSystemColors[0]));
const int kLeavesPerRow = 4;
const LPCWSTR kSuffixes[kLeavesPerRow] = {L"Color", L"ColorKey", L"Brush", L"BrushKey"};

}  // namespace

const TK_MARKUP_SYSTEM_COLOR* GetMarkupSystemColorsTable(int* pnCount) {
  if (pnCount != nullptr) *pnCount = kRowCount;
  return kSystemColors;
}

int GetMarkupSystemColorLeafCount() { return kRowCount * kLeavesPerRow; }

CStringW GetMarkupSystemColorLeafName(int nLeaf) {
  if (nLeaf < 0 || nLeaf >= GetMarkupSystemColorLeafCount()) return CStringW();
  CStringW name(kSystemColors[nLeaf / kLeavesPerRow].lpszName);
  name += kSuffixes[nLeaf % kLeavesPerRow];
  return name;
}

CTKMarkupObject* CreateMarkupSystemColorLeafValue(int nLeaf) {
  if (nLeaf < 0 || nLeaf >= GetMarkupSystemColorLeafCount()) return nullptr;
  const int nIndex = kSystemColors[nLeaf / kLeavesPerRow].nIndex;
  switch (nLeaf % kLeavesPerRow) {
    case TKSystemColorLeaf_Color:
      return CreateSystemColor(nIndex);
    case TKSystemColorLeaf_ColorKey:
      return new CTKMarkupColorKey(nIndex);
    case TKSystemColorLeaf_Brush:
      return CreateSystemBrush(nIndex);
    default:
      return new CTKMarkupBrushKey(nIndex);
  }
}

int FindMarkupSystemColorLeaf(LPCWSTR lpszName) {
  if (lpszName == nullptr) return -1;
  for (int nLeaf = 0; nLeaf < GetMarkupSystemColorLeafCount(); ++nLeaf) {
    if (GetMarkupSystemColorLeafName(nLeaf) == lpszName) return nLeaf;
  }
  return -1;
}

CTKMarkupColor* CreateSystemColor(int nIndex) { return new CTKMarkupColor(::GetSysColor(nIndex)); }

CTKMarkupSolidColorBrush* CreateSystemBrush(int nIndex) {
  return new CTKMarkupSolidColorBrush(::GetSysColor(nIndex));
}

CTKMarkupObject* ResolveSystemColorKey(CTKMarkupObject* pKey) {
  if (CTKMarkupColorKey* pColorKey = MarkupCast<CTKMarkupColorKey>(pKey))
    return CreateSystemColor(pColorKey->GetIndex());
  if (CTKMarkupBrushKey* pBrushKey = MarkupCast<CTKMarkupBrushKey>(pKey))
    return CreateSystemBrush(pBrushKey->GetIndex());
  return nullptr;
}
