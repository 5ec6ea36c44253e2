// The typed collections of styles: a style's Triggers and the Setters of a
// style or of a trigger.
#pragma once

#include "TKMarkupCollection.h"

/// Items are triggers. Besides the checked access, GetAt gives null for an
/// index outside the collection, for the walks of the style code.
class CTKMarkupTriggerCollection : public CTKMarkupCollection {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupTriggerCollection();
  CTKMarkupObject* GetAt(int nIndex) const;
};

/// Items are setters; GetAt as for triggers.
class CTKMarkupSetterCollection : public CTKMarkupCollection {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupSetterCollection();
  CTKMarkupObject* GetAt(int nIndex) const;
};
