// The markup type table: the vocabulary of the markup language, one
// descriptor per markup class in a fixed order, made by static
// initialisation before the program's entry point.
#include "TKMarkupTypeTable.h"

#include "TKMarkupBorder.h"
#include "TKMarkupBrush.h"
#include "TKMarkupCanvas.h"
#include "TKMarkupButton.h"
#include "TKMarkupScrollBar.h"
#include "markup/TKMarkupScrollViewer.h"
#include "TKMarkupToggleButton.h"
#include "TKMarkupCollection.h"
#include "TKMarkupDecorator.h"
#include "TKMarkupDefinitionBase.h"
#include "TKMarkupDefinitionCollection.h"
#include "markup/TKMarkupDependencyProperty.h"
#include "TKMarkupDockPanel.h"
#include "TKMarkupDoubleCollection.h"
#include "markup/TKMarkupImage.h"
#include "TKMarkupFrameworkContentElement.h"
#include "markup/TKMarkupFrameworkElement.h"
#include "TKMarkupKeyboardNavigation.h"
#include "TKMarkupGdiPlusTransform.h"
#include "TKMarkupGrid.h"
#include "TKMarkupGridLength.h"
#include "TKMarkupInline.h"
#include "TKMarkupInlineUIContainer.h"
#include "TKMarkupLine.h"
#include "TKMarkupObjectProperty.h"
#include "TKMarkupPanel.h"
#include "markup/TKMarkupPathData.h"
#include "TKMarkupPathGeometry.h"
#include "TKMarkupRun.h"
#include "TKMarkupSpan.h"
#include "TKMarkupPoint.h"
#include "TKMarkupResourceDictionary.h"
#include "TKMarkupPolyline.h"
#include "TKMarkupRectangle.h"
#include "TKMarkupRenderTransform.h"
#include "TKMarkupShape.h"
#include "TKMarkupStackPanel.h"
#include "TKMarkupString.h"
#include "TKMarkupTextBlock.h"
#include "TKMarkupTextElement.h"
#include "TKMarkupStyle.h"
#include "TKMarkupThickness.h"
#include "TKMarkupTkScript.h"
#include "TKMarkupTriggerCollection.h"
#include "TKMarkupType.h"
#include "TKMarkupUniformGrid.h"
#include "TKMarkupValues.h"
#include "TKMarkupWindowContainer.h"
#include "TKMarkupWrapPanel.h"

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
    {L"TextBlock", L"CTKMarkupTextBlock", &CTKMarkupTextBlock::CreateInstance, TKMarkupRow_FrameworkElement, &CTKMarkupTextBlock::RegisterMarkupProperties},
    {nullptr, L"CTKMarkupString", &CTKMarkupString::CreateInstance, TKMarkupRow_Object, nullptr},
    {L"Border", L"CTKMarkupBorder", &CTKMarkupBorder::CreateInstance, TKMarkupRow_FrameworkElement, &CTKMarkupBorder::RegisterMarkupProperties},
    {L"Shape", L"CTKMarkupShape", &CTKMarkupShape::CreateInstance, TKMarkupRow_FrameworkElement, &CTKMarkupShape::RegisterMarkupProperties},
    {L"Canvas", L"CTKMarkupCanvas", &CTKMarkupCanvas::CreateInstance, TKMarkupRow_Panel, &CTKMarkupCanvas::RegisterMarkupProperties},
    {L"Trigger", L"CTKMarkupTrigger", &CTKMarkupTrigger::CreateInstance, TKMarkupRow_Object, &CTKMarkupTrigger::RegisterMarkupProperties},
    {L"Style", L"CTKMarkupStyle", &CTKMarkupStyle::CreateInstance, TKMarkupRow_Object, &CTKMarkupStyle::RegisterMarkupProperties},
    {L"Setter", L"CTKMarkupSetter", &CTKMarkupSetter::CreateInstance, TKMarkupRow_Object, &CTKMarkupSetter::RegisterMarkupProperties},
    {L"ResourceDictionary", L"CTKMarkupResourceDictionary", &CTKMarkupResourceDictionary::CreateInstance, TKMarkupRow_Object, nullptr},
    {L"KeyboardNavigation", L"CTKMarkupKeyboardNavigation", &CTKMarkupKeyboardNavigation::CreateInstance, TKMarkupRow_Object, &CTKMarkupKeyboardNavigation::RegisterMarkupProperties},
    {L"FrameworkElement", L"CTKMarkupFrameworkElement", &CTKMarkupFrameworkElement::CreateInstance, TKMarkupRow_UIElement, &CTKMarkupFrameworkElement::RegisterMarkupProperties},
    {L"FrameworkContentElement", L"CTKMarkupFrameworkContentElement", &CTKMarkupFrameworkContentElement::CreateInstance, TKMarkupRow_InputElement, &CTKMarkupFrameworkContentElement::RegisterMarkupProperties},
    {L"RenderTransform", L"CTKMarkupRenderTransform", &CTKMarkupRenderTransform::CreateInstance, TKMarkupRow_Object, &CTKMarkupRenderTransform::RegisterMarkupProperties},
    {L"TranslateTransform", L"CTKMarkupGdiPlusTranslateTransform", &CTKMarkupGdiPlusTranslateTransform::CreateInstance, TKMarkupRow_TranslateTransform, nullptr},
    {L"SkewTransform", L"CTKMarkupGdiPlusSkewTransform", &CTKMarkupGdiPlusSkewTransform::CreateInstance, TKMarkupRow_SkewTransform, nullptr},
    {L"ScaleTransform", L"CTKMarkupGdiPlusScaleTransform", &CTKMarkupGdiPlusScaleTransform::CreateInstance, TKMarkupRow_ScaleTransform, nullptr},
    {L"RotateTransform", L"CTKMarkupGdiPlusRotateTransform", &CTKMarkupGdiPlusRotateTransform::CreateInstance, TKMarkupRow_RotateTransform, nullptr},
    {L"Underline", L"CTKMarkupUnderline", &CTKMarkupUnderline::CreateInstance, TKMarkupRow_Span, nullptr},
    {L"TextElement", L"CTKMarkupTextElement", &CTKMarkupTextElement::CreateInstance, TKMarkupRow_FrameworkContentElement, &CTKMarkupTextElement::RegisterMarkupProperties},
    {L"Span", L"CTKMarkupSpan", &CTKMarkupSpan::CreateInstance, TKMarkupRow_Inline, nullptr},
    {L"Run", L"CTKMarkupRun", &CTKMarkupRun::CreateInstance, TKMarkupRow_Inline, &CTKMarkupRun::RegisterMarkupProperties},
    {L"LineBreak", L"CTKMarkupLineBreak", &CTKMarkupLineBreak::CreateInstance, TKMarkupRow_Run, nullptr},
    {L"Italic", L"CTKMarkupItalic", &CTKMarkupItalic::CreateInstance, TKMarkupRow_Span, nullptr},
    {L"InlineUIContainer", L"CTKMarkupInlineUIContainer", &CTKMarkupInlineUIContainer::CreateInstance, TKMarkupRow_Inline, nullptr},
    {L"Hyperlink", L"CTKMarkupHyperlink", &CTKMarkupHyperlink::CreateInstance, TKMarkupRow_Span, &CTKMarkupHyperlink::RegisterMarkupProperties},
    {L"Bold", L"CTKMarkupBold", &CTKMarkupBold::CreateInstance, TKMarkupRow_Span, nullptr},
    {L"Rectangle", L"CTKMarkupRectangle", &CTKMarkupRectangle::CreateInstance, TKMarkupRow_Shape, &CTKMarkupRectangle::RegisterMarkupProperties},
    {L"Polyline", L"CTKMarkupPolyline", &CTKMarkupPolyline::CreateInstance, TKMarkupRow_Shape, &CTKMarkupPolyline::RegisterMarkupProperties},
    {L"Polygon", L"CTKMarkupPolygon", &CTKMarkupPolygon::CreateInstance, TKMarkupRow_Shape, &CTKMarkupPolygon::RegisterMarkupProperties},
    {L"Figures", L"CTKMarkupPathGeometryFigures", &CTKMarkupPathGeometryFigures::CreateInstance, TKMarkupRow_Object, nullptr},
    {L"PathGeometry", L"CTKMarkupPathGeometry", &CTKMarkupPathGeometry::CreateInstance, TKMarkupRow_Object, &CTKMarkupPathGeometry::RegisterMarkupProperties},
    {L"Data", L"CTKMarkupPathData", &CTKMarkupPathData::CreateInstance, TKMarkupRow_Object, &CTKMarkupPathData::RegisterMarkupProperties},
    {L"Path", L"CTKMarkupPath", &CTKMarkupPath::CreateInstance, TKMarkupRow_Shape, &CTKMarkupPath::RegisterMarkupProperties},
    {L"Line", L"CTKMarkupLine", &CTKMarkupLine::CreateInstance, TKMarkupRow_Shape, &CTKMarkupLine::RegisterMarkupProperties},
    {L"Ellipse", L"CTKMarkupEllipse", &CTKMarkupEllipse::CreateInstance, TKMarkupRow_Shape, nullptr},
    {L"tk:Script", L"CTKMarkupTkScript", &CTKMarkupTkScript::CreateInstance, TKMarkupRow_Extension, &CTKMarkupTkScript::RegisterMarkupProperties},
    {L"WrapPanel", L"CTKMarkupWrapPanel", &CTKMarkupWrapPanel::CreateInstance, TKMarkupRow_Panel, &CTKMarkupWrapPanel::RegisterMarkupProperties},
    {L"UniformGrid", L"CTKMarkupUniformGrid", &CTKMarkupUniformGrid::CreateInstance, TKMarkupRow_Panel, &CTKMarkupUniformGrid::RegisterMarkupProperties},
    {L"StackPanel", L"CTKMarkupStackPanel", &CTKMarkupStackPanel::CreateInstance, TKMarkupRow_Panel, &CTKMarkupStackPanel::RegisterMarkupProperties},
    {nullptr, L"CTKMarkupScrollBarGripper", &CTKMarkupScrollBarGripper::CreateInstance, TKMarkupRow_UIElement, nullptr},
    {L"ScrollViewer", L"CTKMarkupScrollViewer", &CTKMarkupScrollViewer::CreateInstance, TKMarkupRow_ContentControl, &CTKMarkupScrollViewer::RegisterMarkupProperties},
    {L"RowDefinition", L"CTKMarkupRowDefinition", &CTKMarkupRowDefinition::CreateInstance, TKMarkupRow_DefinitionBase, &CTKMarkupRowDefinition::RegisterMarkupProperties},
    {L"RadioButton", L"CTKMarkupRadioButton", &CTKMarkupRadioButton::CreateInstance, TKMarkupRow_ToggleButton, nullptr},
    {L"Panel", L"CTKMarkupPanel", &CTKMarkupPanel::CreateInstance, TKMarkupRow_FrameworkElement, &CTKMarkupPanel::RegisterMarkupProperties},
    {L"Page", L"CTKMarkupPage", &CTKMarkupPage::CreateInstance, TKMarkupRow_FrameworkElement, nullptr},
    {L"WindowContainer", L"CTKMarkupWindowContainer", &CTKMarkupWindowContainer::CreateInstance, TKMarkupRow_FrameworkElement, nullptr},
    {L"Image", L"CTKMarkupImage", &CTKMarkupImage::CreateInstance, TKMarkupRow_FrameworkElement, &CTKMarkupImage::RegisterMarkupProperties},
    {nullptr, L"CTKMarkupDefinitionCollection", &CTKMarkupDefinitionCollection::CreateInstance, TKMarkupRow_Collection, nullptr},
    {L"Grid", L"CTKMarkupGrid", &CTKMarkupGrid::CreateInstance, TKMarkupRow_Panel, &CTKMarkupGrid::RegisterMarkupProperties},
    {L"DockPanel", L"CTKMarkupDockPanel", &CTKMarkupDockPanel::CreateInstance, TKMarkupRow_Panel, &CTKMarkupDockPanel::RegisterMarkupProperties},
    {L"DefinitionBase", L"CTKMarkupDefinitionBase", &CTKMarkupDefinitionBase::CreateInstance, TKMarkupRow_FrameworkContentElement, nullptr},
    {L"Control", L"CTKMarkupControl", &CTKMarkupControl::CreateInstance, TKMarkupRow_FrameworkElement, &CTKMarkupControl::RegisterMarkupProperties},
    {L"ColumnDefinition", L"CTKMarkupColumnDefinition", &CTKMarkupColumnDefinition::CreateInstance, TKMarkupRow_DefinitionBase, &CTKMarkupColumnDefinition::RegisterMarkupProperties},
    {L"CheckBox", L"CTKMarkupCheckBox", &CTKMarkupCheckBox::CreateInstance, TKMarkupRow_ToggleButton, nullptr},
    {L"Button", L"CTKMarkupButton", &CTKMarkupButton::CreateInstance, TKMarkupRow_ButtonBase, nullptr},
    {nullptr, L"CTKMarkupThickness", &CTKMarkupThickness::CreateInstance, TKMarkupRow_Object, nullptr},
    {nullptr, L"CTKMarkupExtension", nullptr, TKMarkupRow_Object, nullptr},
    {nullptr, L"CTKMarkupTriggerCollection", &CTKMarkupTriggerCollection::CreateInstance, TKMarkupRow_Collection, nullptr},
    {nullptr, L"CTKMarkupSetterCollection", &CTKMarkupSetterCollection::CreateInstance, TKMarkupRow_Collection, nullptr},
    {nullptr, L"CTKMarkupInlineCollection", &CTKMarkupInlineCollection::CreateInstance, TKMarkupRow_Collection, nullptr},
    {nullptr, L"CTKMarkupInline", nullptr, TKMarkupRow_TextElement, &CTKMarkupInline::RegisterMarkupProperties},
    {nullptr, L"CTKMarkupSkewTransform", &CTKMarkupSkewTransform::CreateInstance, TKMarkupRow_Transform, &CTKMarkupSkewTransform::RegisterMarkupProperties},
    {nullptr, L"CTKMarkupTranslateTransform", &CTKMarkupTranslateTransform::CreateInstance, TKMarkupRow_Transform, &CTKMarkupTranslateTransform::RegisterMarkupProperties},
    {nullptr, L"CTKMarkupScaleTransform", &CTKMarkupScaleTransform::CreateInstance, TKMarkupRow_Transform, &CTKMarkupScaleTransform::RegisterMarkupProperties},
    {nullptr, L"CTKMarkupRotateTransform", &CTKMarkupRotateTransform::CreateInstance, TKMarkupRow_Transform, &CTKMarkupRotateTransform::RegisterMarkupProperties},
    {nullptr, L"CTKMarkupTransform", nullptr, TKMarkupRow_Object, nullptr},
    {nullptr, L"CTKMarkupButtonBase", &CTKMarkupButtonBase::CreateInstance, TKMarkupRow_ContentControl, &CTKMarkupButtonBase::RegisterMarkupProperties},
    {nullptr, L"CTKMarkupContentControl", &CTKMarkupContentControl::CreateInstance, TKMarkupRow_Control, &CTKMarkupContentControl::RegisterMarkupProperties},
    {nullptr, L"CTKMarkupScrollBar", &CTKMarkupScrollBar::CreateInstance, TKMarkupRow_Control, nullptr},
    {nullptr, L"CTKMarkupGridLength", &CTKMarkupGridLength::CreateInstance, TKMarkupRow_Object, nullptr},
    {nullptr, L"CTKMarkupToggleButton", &CTKMarkupToggleButton::CreateInstance, TKMarkupRow_ButtonBase, &CTKMarkupToggleButton::RegisterMarkupProperties},
    {nullptr, L"CTKMarkupRowDefinitionCollection", &CTKMarkupRowDefinitionCollection::CreateInstance, TKMarkupRow_DefinitionCollection, nullptr},
    {nullptr, L"CTKMarkupColumnDefinitionCollection", &CTKMarkupColumnDefinitionCollection::CreateInstance, TKMarkupRow_DefinitionCollection, nullptr},
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
