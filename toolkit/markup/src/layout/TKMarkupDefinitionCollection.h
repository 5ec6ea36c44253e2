// The row and column definition collections of a grid. Adding or removing a
// definition does not re-measure the grid by itself.
#pragma once

#include "TKMarkupCollection.h"

class CTKMarkupDefinitionBase;

/// Definitions in order; scripts also get "_NewEnum".
class CTKMarkupDefinitionCollection : public CTKMarkupCollection {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  explicit CTKMarkupDefinitionCollection(CTKMarkupType* pElementType = nullptr);

  /// The definition at the index (the index must be inside the collection).
  CTKMarkupDefinitionBase* GetDefinition(int nIndex) const;

 protected:
  LPUNKNOWN DispNewEnum();
  DECLARE_DISPATCH_MAP()
};

class CTKMarkupRowDefinitionCollection : public CTKMarkupDefinitionCollection {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupRowDefinitionCollection();
};

class CTKMarkupColumnDefinitionCollection : public CTKMarkupDefinitionCollection {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupColumnDefinitionCollection();
};
