// The metadata converters of enumerations and cursor names.
#include "TKMarkupConverters.h"

#include "TKMarkupString.h"
#include "TKMarkupValues.h"

namespace {

struct EnumName {
  LPCWSTR lpszName;
  int nValue;
};

template <size_t N>
const EnumName* FindName(LPCWSTR lpszText, const EnumName (&names)[N]) {
  if (lpszText == nullptr) return nullptr;
  for (const EnumName& name : names) {
    if (_wcsicmp(lpszText, name.lpszName) == 0) return &name;
  }
  return nullptr;
}

template <size_t N>
CTKMarkupObject* ConvertEnum(CTKMarkupObject* pValue, const EnumName (&names)[N]) {
  const EnumName* pName = FindName(MarkupStringText(pValue), names);
  return pName != nullptr ? CTKMarkupEnum::CreateValue(pName->nValue) : nullptr;
}

const EnumName kTextDecorations[] = {{L"Underline", 1}, {L"Strikethrough", 2}, {L"", 0}};
const EnumName kFontWeights[] = {{L"Thin", 100},      {L"ExtraLight", 200}, {L"Light", 300},
                                 {L"Normal", 400},    {L"Regular", 400},    {L"Medium", 500},
                                 {L"SemiBold", 600},  {L"DemiBold", 600},   {L"Bold", 700},
                                 {L"ExtraBold", 800}, {L"UltraBold", 800},  {L"Black", 900},
                                 {L"Heavy", 900},     {L"ExtraBlack", 950}};
const EnumName kFontStyles[] = {{L"Normal", 0}, {L"Italic", 1}};
const EnumName kFontQualities[] = {{L"ClearType", CLEARTYPE_QUALITY}};
const EnumName kHorizontalAlignments[] = {
    {L"Left", 0}, {L"Center", 1}, {L"Right", 2}, {L"Stretch", 3}};
const EnumName kVerticalAlignments[] = {
    {L"Top", 0}, {L"Center", 1}, {L"Bottom", 2}, {L"Stretch", 3}};
const EnumName kTextWrappings[] = {{L"NoWrap", 0}, {L"Wrap", 1}, {L"WrapWithOverflow", 2}};
const EnumName kTextTrimmings[] = {{L"None", 0}, {L"CharacterEllipsis", 1}, {L"WordEllipsis", 2}};
const EnumName kTextAlignments[] = {{L"Left", 0}, {L"Right", 1}, {L"Center", 2}, {L"Justify", 3}};
const EnumName kOrientations[] = {{L"Horizontal", 0}, {L"Vertical", 1}};
const EnumName kBaselineAlignments[] = {{L"Top", 0},       {L"Center", 1},     {L"Bottom", 2},
                                        {L"Baseline", 3},  {L"TextTop", 4},    {L"TextBottom", 5},
                                        {L"Subscript", 6}, {L"Superscript", 7}};
const EnumName kVisibilities[] = {{L"Visible", 0}, {L"Hidden", 1}, {L"Collapsed", 2}};
const EnumName kScrollBarVisibilities[] = {{L"Disabled", 0}, {L"Auto", 1}, {L"Visible", 2}};
const EnumName kStretches[] = {{L"None", 0}, {L"Fill", 1}, {L"Uniform", 2}, {L"UniformToFill", 3}};
// Cap, join and smoothing values are those of GDI+, which takes them as they are.
const EnumName kLineCaps[] = {{L"Flat", 0}, {L"Square", 1}, {L"Round", 2}, {L"Triangle", 3}};
const EnumName kLineJoins[] = {{L"Miter", 0}, {L"Bevel", 1}, {L"Round", 2}};
const EnumName kSmoothingModes[] = {
    {L"Default", 0}, {L"None", 1}, {L"HighSpeed", 2}, {L"HighQuality", 3}, {L"AntiAlias", 4}};

const EnumName kCursors[] = {{L"None", 0},         {L"Arrow", 32512},      {L"IBeam", 32513},
                             {L"Wait", 32514},     {L"Cross", 32515},      {L"UpArrow", 32516},
                             {L"SizeNWSE", 32642}, {L"SizeNESW", 32643},   {L"SizeWE", 32644},
                             {L"SizeNS", 32645},   {L"SizeAll", 32646},    {L"No", 32648},
                             {L"Hand", 32649},     {L"AppStarting", 32650}};

}  // namespace

CTKMarkupObject* ConvertTextDecorations(CTKMarkupBuilder*, CTKMarkupObject* pValue,
                                        CTKMarkupDependencyProperty*) {
  return ConvertEnum(pValue, kTextDecorations);
}
CTKMarkupObject* ConvertFontWeight(CTKMarkupBuilder*, CTKMarkupObject* pValue,
                                   CTKMarkupDependencyProperty*) {
  return ConvertEnum(pValue, kFontWeights);
}
CTKMarkupObject* ConvertFontStyle(CTKMarkupBuilder*, CTKMarkupObject* pValue,
                                  CTKMarkupDependencyProperty*) {
  return ConvertEnum(pValue, kFontStyles);
}
CTKMarkupObject* ConvertFontQuality(CTKMarkupBuilder*, CTKMarkupObject* pValue,
                                    CTKMarkupDependencyProperty*) {
  return ConvertEnum(pValue, kFontQualities);
}
CTKMarkupObject* ConvertHorizontalAlignment(CTKMarkupBuilder*, CTKMarkupObject* pValue,
                                            CTKMarkupDependencyProperty*) {
  return ConvertEnum(pValue, kHorizontalAlignments);
}
CTKMarkupObject* ConvertVerticalAlignment(CTKMarkupBuilder*, CTKMarkupObject* pValue,
                                          CTKMarkupDependencyProperty*) {
  return ConvertEnum(pValue, kVerticalAlignments);
}
CTKMarkupObject* ConvertTextWrapping(CTKMarkupBuilder*, CTKMarkupObject* pValue,
                                     CTKMarkupDependencyProperty*) {
  return ConvertEnum(pValue, kTextWrappings);
}
CTKMarkupObject* ConvertTextTrimming(CTKMarkupBuilder*, CTKMarkupObject* pValue,
                                     CTKMarkupDependencyProperty*) {
  return ConvertEnum(pValue, kTextTrimmings);
}
CTKMarkupObject* ConvertTextAlignment(CTKMarkupBuilder*, CTKMarkupObject* pValue,
                                      CTKMarkupDependencyProperty*) {
  return ConvertEnum(pValue, kTextAlignments);
}
CTKMarkupObject* ConvertOrientation(CTKMarkupBuilder*, CTKMarkupObject* pValue,
                                    CTKMarkupDependencyProperty*) {
  return ConvertEnum(pValue, kOrientations);
}
CTKMarkupObject* ConvertBaselineAlignment(CTKMarkupBuilder*, CTKMarkupObject* pValue,
                                          CTKMarkupDependencyProperty*) {
  return ConvertEnum(pValue, kBaselineAlignments);
}
CTKMarkupObject* ConvertVisibility(CTKMarkupBuilder*, CTKMarkupObject* pValue,
                                   CTKMarkupDependencyProperty*) {
  return ConvertEnum(pValue, kVisibilities);
}
CTKMarkupObject* ConvertScrollBarVisibility(CTKMarkupBuilder*, CTKMarkupObject* pValue,
                                            CTKMarkupDependencyProperty*) {
  return ConvertEnum(pValue, kScrollBarVisibilities);
}
CTKMarkupObject* ConvertStretch(CTKMarkupBuilder*, CTKMarkupObject* pValue,
                                CTKMarkupDependencyProperty*) {
  return ConvertEnum(pValue, kStretches);
}
CTKMarkupObject* ConvertLineCap(CTKMarkupBuilder*, CTKMarkupObject* pValue,
                                CTKMarkupDependencyProperty*) {
  return ConvertEnum(pValue, kLineCaps);
}
CTKMarkupObject* ConvertLineJoin(CTKMarkupBuilder*, CTKMarkupObject* pValue,
                                 CTKMarkupDependencyProperty*) {
  return ConvertEnum(pValue, kLineJoins);
}
CTKMarkupObject* ConvertSmoothingMode(CTKMarkupBuilder*, CTKMarkupObject* pValue,
                                      CTKMarkupDependencyProperty*) {
  return ConvertEnum(pValue, kSmoothingModes);
}

CTKMarkupObject* ConvertMarkupCursor(CTKMarkupBuilder*, CTKMarkupObject* pValue,
                                     CTKMarkupDependencyProperty*) {
  const EnumName* pName = FindName(MarkupStringText(pValue), kCursors);
  return pName != nullptr ? new CTKMarkupInt(pName->nValue) : nullptr;
}
