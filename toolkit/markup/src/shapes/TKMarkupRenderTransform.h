// CTKMarkupRenderTransform: the value of an element's RenderTransform, a
// holder of exactly one transform (rotate, scale, translate or skew).
#pragma once

#include "TKMarkupTransform.h"

/// Holds its transform with one reference (as the value of the property of
/// the transform's kind). Its owner is the element whose RenderTransform it
/// is; a change of the transform's values makes that element measure again.
class CTKMarkupRenderTransform : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupRenderTransform() : m_pChildProperty(nullptr), m_pOwner(nullptr) {}

  /// The transform, or null before one was added.
  CTKMarkupTransform* GetTransform();
  /// Not referenced; null until the holder is stored as a value.
  CTKMarkupObject* GetOwner() const { return m_pOwner; }
  void SetOwner(CTKMarkupDependencyProperty* pProperty, CTKMarkupObject* pOwner) override;

  /// Takes the one transform; a second child raises the builder's one-child
  /// error, other content the base error.
  void SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) override;
  /// The transform's values changed: the owning element measures again.
  void OnTransformChanged();

  static CTKMarkupDependencyProperty* RotateTransformProperty;
  static CTKMarkupDependencyProperty* ScaleTransformProperty;
  static CTKMarkupDependencyProperty* TranslateTransformProperty;
  static CTKMarkupDependencyProperty* SkewTransformProperty;
  static void RegisterMarkupProperties();

 private:
  CTKMarkupDependencyProperty* m_pChildProperty;
  CTKMarkupObject* m_pOwner;
};
