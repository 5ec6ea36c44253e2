// The path geometry nesting: each level keeps its one child as a value.
#include "TKMarkupPathGeometry.h"

#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupPathGeometryFigures, TKMarkupRow_PathGeometryFigures)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupPathGeometryFigures)
IMPLEMENT_MARKUP_TYPE(CTKMarkupPathGeometry, TKMarkupRow_PathGeometry)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupPathGeometry)

CTKMarkupDependencyProperty* CTKMarkupPathGeometry::FiguresProperty = nullptr;

void CTKMarkupPathGeometry::RegisterMarkupProperties() {
  FiguresProperty = CTKMarkupDependencyProperty::Register(
      L"Figures", CTKMarkupPathGeometryFigures::StaticType(), StaticType());
}

CTKMarkupPathGeometryFigures* CTKMarkupPathGeometry::GetFigures() {
  return static_cast<CTKMarkupPathGeometryFigures*>(GetValue(FiguresProperty));
}

void CTKMarkupPathGeometry::SetContentObject(CTKMarkupBuilder* pBuilder,
                                             CTKMarkupObject* pContent) {
  if (pContent != nullptr && pContent->IsKindOf(CTKMarkupPathGeometryFigures::StaticType())) {
    pContent->AddRef();
    SetValue(FiguresProperty, pContent);
    return;
  }
  CTKMarkupObject::SetContentObject(pBuilder, pContent);
}
