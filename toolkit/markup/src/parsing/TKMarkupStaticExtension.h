// The tree of named static values that "x:Static" expressions resolve: inner
// nodes hold named children, leaves hold one value. The markup context owns
// the root; its "SystemColors" node holds the system colours, and other parts
// of the toolkit add their own nodes.
#pragma once

#include "markup/TKMarkupObject.h"

#include <map>
#include <string>

/// An inner node, or a value leaf in the subclasses. Owns its children.
class CTKMarkupStaticExtension {
 public:
  explicit CTKMarkupStaticExtension(LPCWSTR lpszName);
  virtual ~CTKMarkupStaticExtension();
  CTKMarkupStaticExtension(const CTKMarkupStaticExtension&) = delete;
  CTKMarkupStaticExtension& operator=(const CTKMarkupStaticExtension&) = delete;

  /// Null for an inner node; a leaf's value with a reference added.
  virtual CTKMarkupObject* GetValue();
  /// The value a dotted name gives below this node, with a reference, or
  /// null. Name parts are letters and '_' only, compared exactly.
  virtual CTKMarkupObject* Resolve(LPCWSTR lpszName);

  /// Enters (and owns) a child under its name, replacing and deleting an
  /// earlier child of that name; a leaf deletes the child instead.
  void AddExtension(CTKMarkupStaticExtension* pChild);
  /// The child of exactly that name, or null.
  CTKMarkupStaticExtension* FindChild(LPCWSTR lpszName) const;

  LPCWSTR GetName() const { return m_strName.c_str(); }
  BOOL IsValueLeaf() const { return m_bValueLeaf; }

 protected:
  BOOL m_bValueLeaf;

 private:
  std::map<std::wstring, CTKMarkupStaticExtension*> m_children;
  std::wstring m_strName;
};

/// A leaf holding a counted object (taken over at construction).
class CTKMarkupStaticExtensionProperty : public CTKMarkupStaticExtension {
 public:
  CTKMarkupStaticExtensionProperty(LPCWSTR lpszName, CTKMarkupObject* pValue);
  ~CTKMarkupStaticExtensionProperty() override;

  CTKMarkupObject* GetValue() override;

 private:
  CTKMarkupObject* m_pValue;
};

/// A leaf holding a new opaque solid brush of a colour.
class CTKMarkupStaticExtensionBrushProperty : public CTKMarkupStaticExtensionProperty {
 public:
  CTKMarkupStaticExtensionBrushProperty(LPCWSTR lpszName, COLORREF clr);
};

/// The "SystemColors" node: Color, ColorKey, Brush and BrushKey leaves of
/// every system colour, their values taken when the node is made.
class CTKMarkupSystemColorsStaticExtension : public CTKMarkupStaticExtension {
 public:
  CTKMarkupSystemColorsStaticExtension();
};

/// The root of a context's tree ("__root__"), with the "SystemColors" node.
CTKMarkupStaticExtension* CreateMarkupStaticExtensionRoot();
