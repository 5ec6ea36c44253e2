// The markup type table: the vocabulary of the markup language, one
// descriptor per markup class in a fixed order, made by static
// initialisation before the program's entry point.
#include "markup/TKMarkupTypeTable.h"

#include "markup/TKMarkupBorder.h"
#include "markup/TKMarkupBrush.h"
#include "markup/TKMarkupCanvas.h"
#include "markup/TKMarkupCollection.h"
#include "markup/TKMarkupDependencyProperty.h"
#include "markup/TKMarkupDoubleCollection.h"
#include "markup/TKMarkupFrameworkContentElement.h"
#include "markup/TKMarkupFrameworkElement.h"
#include "markup/TKMarkupKeyboardNavigation.h"
#include "markup/TKMarkupObjectProperty.h"
#include "markup/TKMarkupPanel.h"
#include "markup/TKMarkupPathData.h"
#include "markup/TKMarkupPoint.h"
#include "markup/TKMarkupResourceDictionary.h"
#include "markup/TKMarkupString.h"
#include "markup/TKMarkupStyle.h"
#include "markup/TKMarkupThickness.h"
#include "markup/TKMarkupType.h"
#include "markup/TKMarkupValues.h"

#include <array>
#include <utility>

namespace {

// A row names its base by row number; the descriptor gets an accessor that
// looks the base up when it is needed, because rows do not follow the class
// hierarchy (a class may come before its base).
struct TypeRow {
  LPCWSTR lpszTag;  // null: no tag; "": treated like no tag
  LPCWSTR lpszClassName;
  TK_MARKUP_FACTORY pfnFactory;  // null: the class cannot be made
  int nBaseRow;                  // 0 for CTKMarkupObject
  TK_MARKUP_REGISTER_PROPERTIES pfnRegister;
};

// clang-format off
const TypeRow kRows[TKMarkupRowCount] = {
    {nullptr, L"CTKMarkupDependencyProperty", nullptr, TKMarkupRow_Object, nullptr},
    {nullptr, L"CTKMarkupType", nullptr, TKMarkupRow_Object, nullptr},
    {nullptr, L"CTKMarkupObject", &CTKMarkupObject::CreateInstance, 0, &CTKMarkupObject::RegisterMarkupProperties},
    {nullptr, L"CTKMarkupInt", &CTKMarkupInt::CreateInstance, TKMarkupRow_Object, nullptr},
    {nullptr, L"CTKMarkupDouble", &CTKMarkupDouble::CreateInstance, TKMarkupRow_Object, nullptr},
    {nullptr, L"CTKMarkupEnum", &CTKMarkupEnum::CreateInstance, TKMarkupRow_Object, nullptr},
    {nullptr, L"CTKMarkupBool", &CTKMarkupBool::CreateInstance, TKMarkupRow_Object, nullptr},
    {L"Color", L"CTKMarkupColor", &CTKMarkupColor::CreateInstance, TKMarkupRow_Object, nullptr},
    {nullptr, L"CTKMarkupColorKey", &CTKMarkupColorKey::CreateInstance, TKMarkupRow_Object, nullptr},
    {nullptr, L"CTKMarkupCollection", &CTKMarkupCollection::CreateInstance, TKMarkupRow_Object, nullptr},
    {L"DoubleCollection", L"CTKMarkupDoubleCollection", &CTKMarkupDoubleCollection::CreateInstance, TKMarkupRow_Object, nullptr},
    {nullptr, L"CTKMarkupObjectProperty", &CTKMarkupObjectProperty::CreateInstance, TKMarkupRow_Object, nullptr},
    {nullptr, L"CTKMarkupBrushKey", &CTKMarkupBrushKey::CreateInstance, TKMarkupRow_Object, nullptr},
    {nullptr, L"CTKMarkupBrush", nullptr, TKMarkupRow_Object, nullptr},
    {L"GradientStop", L"CTKMarkupGradientStop", &CTKMarkupGradientStop::CreateInstance, TKMarkupRow_Object, &CTKMarkupGradientStop::RegisterMarkupProperties},
    {L"", L"CTKMarkupGradientStops", &CTKMarkupGradientStops::CreateInstance, TKMarkupRow_Collection, nullptr},
    {L"LinearGradientBrush", L"CTKMarkupLinearGradientBrush", &CTKMarkupLinearGradientBrush::CreateInstance, TKMarkupRow_Brush, &CTKMarkupLinearGradientBrush::RegisterMarkupProperties},
    {nullptr, L"CTKMarkupPoint", &CTKMarkupPoint::CreateInstance, TKMarkupRow_Object, nullptr},
    {nullptr, L"CTKMarkupPointCollection", &CTKMarkupPointCollection::CreateInstance, TKMarkupRow_Object, nullptr},
    {L"SolidColorBrush", L"CTKMarkupSolidColorBrush", &CTKMarkupSolidColorBrush::CreateInstance, TKMarkupRow_Brush, &CTKMarkupSolidColorBrush::RegisterMarkupProperties},
    {nullptr, L"CTKMarkupUIElement", nullptr, TKMarkupRow_Visual, &CTKMarkupUIElement::RegisterMarkupProperties},
    {nullptr, L"CTKMarkupInputElement", &CTKMarkupInputElement::CreateInstance, TKMarkupRow_Object, &CTKMarkupInputElement::RegisterMarkupProperties},
    {nullptr, L"CTKMarkupVisual", &CTKMarkupVisual::CreateInstance, TKMarkupRow_InputElement, nullptr},
    {L"TextBlock", L"CTKMarkupTextBlock", nullptr, TKMarkupRow_FrameworkElement, nullptr},
    {nullptr, L"CTKMarkupString", &CTKMarkupString::CreateInstance, TKMarkupRow_Object, nullptr},
    {L"Border", L"CTKMarkupBorder", &CTKMarkupBorder::CreateInstance, TKMarkupRow_FrameworkElement, &CTKMarkupBorder::RegisterMarkupProperties},
    {L"Shape", L"CTKMarkupShape", nullptr, TKMarkupRow_FrameworkElement, nullptr},
    {L"Canvas", L"CTKMarkupCanvas", &CTKMarkupCanvas::CreateInstance, TKMarkupRow_Panel, &CTKMarkupCanvas::RegisterMarkupProperties},
    {L"Trigger", L"CTKMarkupTrigger", &CTKMarkupTrigger::CreateInstance, TKMarkupRow_Object, &CTKMarkupTrigger::RegisterMarkupProperties},
    {L"Style", L"CTKMarkupStyle", &CTKMarkupStyle::CreateInstance, TKMarkupRow_Object, &CTKMarkupStyle::RegisterMarkupProperties},
    {L"Setter", L"CTKMarkupSetter", &CTKMarkupSetter::CreateInstance, TKMarkupRow_Object, &CTKMarkupSetter::RegisterMarkupProperties},
    {L"ResourceDictionary", L"CTKMarkupResourceDictionary", &CTKMarkupResourceDictionary::CreateInstance, TKMarkupRow_Object, nullptr},
    {L"KeyboardNavigation", L"CTKMarkupKeyboardNavigation", &CTKMarkupKeyboardNavigation::CreateInstance, TKMarkupRow_Object, &CTKMarkupKeyboardNavigation::RegisterMarkupProperties},
    {L"FrameworkElement", L"CTKMarkupFrameworkElement", &CTKMarkupFrameworkElement::CreateInstance, TKMarkupRow_UIElement, &CTKMarkupFrameworkElement::RegisterMarkupProperties},
    {L"FrameworkContentElement", L"CTKMarkupFrameworkContentElement", &CTKMarkupFrameworkContentElement::CreateInstance, TKMarkupRow_InputElement, &CTKMarkupFrameworkContentElement::RegisterMarkupProperties},
    {L"RenderTransform", L"CTKMarkupRenderTransform", nullptr, TKMarkupRow_Object, nullptr},
    {L"TranslateTransform", L"CTKMarkupGdiPlusTranslateTransform", nullptr, TKMarkupRow_TranslateTransform, nullptr},
    {L"SkewTransform", L"CTKMarkupGdiPlusSkewTransform", nullptr, TKMarkupRow_SkewTransform, nullptr},
    {L"ScaleTransform", L"CTKMarkupGdiPlusScaleTransform", nullptr, TKMarkupRow_ScaleTransform, nullptr},
    {L"RotateTransform", L"CTKMarkupGdiPlusRotateTransform", nullptr, TKMarkupRow_RotateTransform, nullptr},
    {L"Underline", L"CTKMarkupUnderline", nullptr, TKMarkupRow_Span, nullptr},
    {L"TextElement", L"CTKMarkupTextElement", nullptr, TKMarkupRow_FrameworkContentElement, nullptr},
    {L"Span", L"CTKMarkupSpan", nullptr, TKMarkupRow_Inline, nullptr},
    {L"Run", L"CTKMarkupRun", nullptr, TKMarkupRow_Inline, nullptr},
    {L"LineBreak", L"CTKMarkupLineBreak", nullptr, TKMarkupRow_Run, nullptr},
    {L"Italic", L"CTKMarkupItalic", nullptr, TKMarkupRow_Span, nullptr},
    {L"InlineUIContainer", L"CTKMarkupInlineUIContainer", nullptr, TKMarkupRow_Inline, nullptr},
    {L"Hyperlink", L"CTKMarkupHyperlink", nullptr, TKMarkupRow_Span, nullptr},
    {L"Bold", L"CTKMarkupBold", nullptr, TKMarkupRow_Span, nullptr},
    {L"Rectangle", L"CTKMarkupRectangle", nullptr, TKMarkupRow_Shape, nullptr},
    {L"Polyline", L"CTKMarkupPolyline", nullptr, TKMarkupRow_Shape, nullptr},
    {L"Polygon", L"CTKMarkupPolygon", nullptr, TKMarkupRow_Shape, nullptr},
    {L"Figures", L"CTKMarkupPathGeometryFigures", nullptr, TKMarkupRow_Object, nullptr},
    {L"PathGeometry", L"CTKMarkupPathGeometry", nullptr, TKMarkupRow_Object, nullptr},
    {L"Data", L"CTKMarkupPathData", &CTKMarkupPathData::CreateInstance, TKMarkupRow_Object, nullptr},
    {L"Path", L"CTKMarkupPath", nullptr, TKMarkupRow_Shape, nullptr},
    {L"Line", L"CTKMarkupLine", nullptr, TKMarkupRow_Shape, nullptr},
    {L"Ellipse", L"CTKMarkupEllipse", nullptr, TKMarkupRow_Shape, nullptr},
    {L"tk:Script", L"CTKMarkupTkScript", nullptr, TKMarkupRow_Extension, nullptr},
    {L"WrapPanel", L"CTKMarkupWrapPanel", nullptr, TKMarkupRow_Panel, nullptr},
    {L"UniformGrid", L"CTKMarkupUniformGrid", nullptr, TKMarkupRow_Panel, nullptr},
    {L"StackPanel", L"CTKMarkupStackPanel", nullptr, TKMarkupRow_Panel, nullptr},
    {nullptr, L"CTKMarkupScrollBarGripper", nullptr, TKMarkupRow_UIElement, nullptr},
    {L"ScrollViewer", L"CTKMarkupScrollViewer", nullptr, TKMarkupRow_ContentControl, nullptr},
    {L"RowDefinition", L"CTKMarkupRowDefinition", nullptr, TKMarkupRow_DefinitionBase, nullptr},
    {L"RadioButton", L"CTKMarkupRadioButton", nullptr, TKMarkupRow_ToggleButton, nullptr},
    {L"Panel", L"CTKMarkupPanel", &CTKMarkupPanel::CreateInstance, TKMarkupRow_FrameworkElement, &CTKMarkupPanel::RegisterMarkupProperties},
    {L"Page", L"CTKMarkupPage", nullptr, TKMarkupRow_FrameworkElement, nullptr},
    {L"WindowContainer", L"CTKMarkupWindowContainer", nullptr, TKMarkupRow_FrameworkElement, nullptr},
    {L"Image", L"CTKMarkupImage", nullptr, TKMarkupRow_FrameworkElement, nullptr},
    {nullptr, L"CTKMarkupDefinitionCollection", nullptr, TKMarkupRow_Collection, nullptr},
    {L"Grid", L"CTKMarkupGrid", nullptr, TKMarkupRow_Panel, nullptr},
    {L"DockPanel", L"CTKMarkupDockPanel", nullptr, TKMarkupRow_Panel, nullptr},
    {L"DefinitionBase", L"CTKMarkupDefinitionBase", nullptr, TKMarkupRow_FrameworkContentElement, nullptr},
    {L"Control", L"CTKMarkupControl", nullptr, TKMarkupRow_FrameworkElement, nullptr},
    {L"ColumnDefinition", L"CTKMarkupColumnDefinition", nullptr, TKMarkupRow_DefinitionBase, nullptr},
    {L"CheckBox", L"CTKMarkupCheckBox", nullptr, TKMarkupRow_ToggleButton, nullptr},
    {L"Button", L"CTKMarkupButton", nullptr, TKMarkupRow_ButtonBase, nullptr},
    {nullptr, L"CTKMarkupThickness", &CTKMarkupThickness::CreateInstance, TKMarkupRow_Object, nullptr},
    {nullptr, L"CTKMarkupExtension", nullptr, TKMarkupRow_Object, nullptr},
    {nullptr, L"CTKMarkupTriggerCollection", &CTKMarkupTriggerCollection::CreateInstance, TKMarkupRow_Collection, nullptr},
    {nullptr, L"CTKMarkupSetterCollection", &CTKMarkupSetterCollection::CreateInstance, TKMarkupRow_Collection, nullptr},
    {nullptr, L"CTKMarkupInlineCollection", nullptr, TKMarkupRow_Collection, nullptr},
    {nullptr, L"CTKMarkupInline", nullptr, TKMarkupRow_TextElement, nullptr},
    {nullptr, L"CTKMarkupSkewTransform", nullptr, TKMarkupRow_Transform, nullptr},
    {nullptr, L"CTKMarkupTranslateTransform", nullptr, TKMarkupRow_Transform, nullptr},
    {nullptr, L"CTKMarkupScaleTransform", nullptr, TKMarkupRow_Transform, nullptr},
    {nullptr, L"CTKMarkupRotateTransform", nullptr, TKMarkupRow_Transform, nullptr},
    {nullptr, L"CTKMarkupTransform", nullptr, TKMarkupRow_Object, nullptr},
    {nullptr, L"CTKMarkupButtonBase", nullptr, TKMarkupRow_ContentControl, nullptr},
    {nullptr, L"CTKMarkupContentControl", nullptr, TKMarkupRow_Control, nullptr},
    {nullptr, L"CTKMarkupScrollBar", nullptr, TKMarkupRow_Control, nullptr},
    {nullptr, L"CTKMarkupGridLength", nullptr, TKMarkupRow_Object, nullptr},
    {nullptr, L"CTKMarkupToggleButton", nullptr, TKMarkupRow_ButtonBase, nullptr},
    {nullptr, L"CTKMarkupRowDefinitionCollection", nullptr, TKMarkupRow_DefinitionCollection, nullptr},
    {nullptr, L"CTKMarkupColumnDefinitionCollection", nullptr, TKMarkupRow_DefinitionCollection, nullptr},
};
// clang-format on

CTKMarkupType* g_types[TKMarkupRowCount + 1];
bool g_bBuilt = false;

template <int N>
CTKMarkupType* RowAccessor() {
  return TKMarkupTypeRow(static_cast<TKMarkupTypeRowId>(N));
}

template <size_t... I>
constexpr std::array<TK_MARKUP_TYPE_ACCESSOR, sizeof...(I)> MakeAccessors(
    std::index_sequence<I...>) {
  return {{(I == 0 ? nullptr : &RowAccessor<static_cast<int>(I)>)...}};
}
constexpr std::array<TK_MARKUP_TYPE_ACCESSOR, TKMarkupRowCount + 1> kAccessors =
    MakeAccessors(std::make_index_sequence<TKMarkupRowCount + 1>());

void BuildTable() {
  g_bBuilt = true;
  for (int i = 0; i < TKMarkupRowCount; ++i) {
    const TypeRow& row = kRows[i];
    g_types[i + 1] = new CTKMarkupType(row.lpszTag, row.lpszClassName, row.pfnFactory,
                                       kAccessors[row.nBaseRow], row.pfnRegister);
  }
}

// Makes the table before the program's entry point.
struct TableMaker {
  TableMaker() { TKMarkupTypeRow(TKMarkupRow_Object); }
} g_tableMaker;

}  // namespace

CTKMarkupType* TKMarkupTypeRow(TKMarkupTypeRowId nRow) {
  if (!g_bBuilt) BuildTable();
  return g_types[nRow];
}
