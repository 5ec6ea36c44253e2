// CTKMarkupType: the descriptor of one markup class (tag, class name,
// factory, base type, property registration) and the process-wide registry
// through which tags are found.
#pragma once

#include "markup/TKMarkupObject.h"

class CTKMarkupStyle;

typedef CTKMarkupType* (*TK_MARKUP_TYPE_ACCESSOR)();
typedef void (*TK_MARKUP_REGISTER_PROPERTIES)();

/// One markup class. Descriptors are made by the type table before the
/// program's entry point and live until the registry goes at exit; the
/// constructor enters the descriptor in the registry (the tag map when it has
/// a non-empty tag, and always at the head of the list of all types).
class CTKMarkupType : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()

 public:
  /// `lpszTag` and `lpszClassName` are static texts. `pfnFactory` is null for
  /// classes that cannot be made (abstract ones, and those not built in).
  CTKMarkupType(LPCWSTR lpszTag, LPCWSTR lpszClassName, TK_MARKUP_FACTORY pfnFactory,
                TK_MARKUP_TYPE_ACCESSOR pfnBaseType, TK_MARKUP_REGISTER_PROPERTIES pfnRegister);
  ~CTKMarkupType() override;

  /// The tag markup text uses, or null.
  LPCWSTR GetTag() const { return m_pszTag; }
  /// The class name that error messages quote.
  LPCWSTR GetClassName() const { return m_pszClassName; }
  /// The base class's descriptor; null for CTKMarkupObject.
  CTKMarkupType* GetBaseType() const { return m_pfnBaseType ? m_pfnBaseType() : nullptr; }
  /// True when this type or one reached through the base types is `pBase`.
  BOOL IsDerivedFrom(const CTKMarkupType* pBase) const;
  /// Whether objects of the type can be made.
  BOOL CanCreate() const { return m_pfnFactory != nullptr; }
  /// A new object bound to `pContext` (no context reference taken), or null.
  CTKMarkupObject* CreateObject(CTKMarkupContext* pContext) const;

  /// Registers the type's properties once, its base types' first.
  void RegisterProperties();
  BOOL ArePropertiesRegistered() const { return m_bRegistered; }

  /// The next descriptor of the list of all types (made earlier), or null.
  CTKMarkupType* GetNextType() const { return m_pNext; }

  /// The style of every element of the type that has none of its own, or
  /// null (no reference).
  CTKMarkupStyle* GetDefaultStyle() const { return m_pDefaultStyle; }
  /// Keeps a reference to the style and seals it; releases the old one.
  void SetDefaultStyle(CTKMarkupStyle* pStyle);

  /// From a string: the type registered under that tag (with a reference).
  CTKMarkupObject* ConvertFrom(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pValue) override;

 private:
  friend class CTKMarkupTypeRegistry;
  LPCWSTR m_pszTag;
  LPCWSTR m_pszClassName;
  CTKMarkupType* m_pNext;
  BOOL m_bRegistered;
  TK_MARKUP_FACTORY m_pfnFactory;
  TK_MARKUP_TYPE_ACCESSOR m_pfnBaseType;
  TK_MARKUP_REGISTER_PROPERTIES m_pfnRegister;
  CTKMarkupStyle* m_pDefaultStyle;
};

/// The type registered under exactly `lpszTag` (case-sensitive), or null;
/// null and empty tags find nothing.
CTKMarkupType* FindMarkupType(LPCWSTR lpszTag);
/// The most recently made type: the head of the list of all types.
CTKMarkupType* GetFirstMarkupType();
/// Registers the properties of every type, each once; the first markup
/// context of the process calls it.
void RegisterAllTypeProperties();
