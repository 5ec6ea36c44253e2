// CTKMarkupObject: the reference-counted root of everything markup text turns
// into (elements, values, type and property descriptors), with its logical
// parent, its local property values and the virtual operations the builder
// drives; CTKMarkupAutoPtr and the type tests.
#pragma once

#include "afxdisp.h"

#include <new>
#include <vector>

class CTKMarkupBuilder;
class CTKMarkupContext;
class CTKMarkupDependencyProperty;
class CTKMarkupExtension;
class CTKMarkupObject;
class CTKMarkupProperties;
class CTKMarkupType;

/// Makes a new object of one class bound to a context (one reference for the
/// caller, no context reference taken); null when memory is exhausted.
typedef CTKMarkupObject* (*TK_MARKUP_FACTORY)(CTKMarkupContext* pContext);

// Every markup class names its type once: the static accessor StaticType and
// the virtual GetType answer the same descriptor (its row of the type table).
#define DECLARE_MARKUP_TYPE()         \
 public:                              \
  static CTKMarkupType* StaticType(); \
  CTKMarkupType* GetType() const override;

#define IMPLEMENT_MARKUP_TYPE(theClass, row)                             \
  CTKMarkupType* theClass::StaticType() { return TKMarkupTypeRow(row); } \
  CTKMarkupType* theClass::GetType() const { return theClass::StaticType(); }

// The factory of a class that can be made from a tag or by a converter.
#define DECLARE_MARKUP_FACTORY() \
 public:                         \
  static CTKMarkupObject* CreateInstance(CTKMarkupContext* pContext);

#define IMPLEMENT_MARKUP_FACTORY(theClass)                                \
  CTKMarkupObject* theClass::CreateInstance(CTKMarkupContext* pContext) { \
    theClass* pObject = new (std::nothrow) theClass;                      \
    if (pObject != nullptr) pObject->SetContext(pContext);                \
    return pObject;                                                       \
  }

/// The base of every markup object. Reference counted (the count of
/// CCmdTarget, 1 after construction, changed with interlocked operations);
/// the release that brings it to 0 tells the context and deletes the object.
/// Every object can hand out an IDispatch; its class's dispatch map decides
/// what scripts see. Objects are used on the thread of the window that shows
/// them; only the count may be touched from elsewhere.
class CTKMarkupObject : public CCmdTarget {
 public:
  CTKMarkupObject();
  ~CTKMarkupObject() override;

  /// The descriptor of CTKMarkupObject itself (row 3 of the type table).
  static CTKMarkupType* StaticType();
  static CTKMarkupObject* CreateInstance(CTKMarkupContext* pContext);

  DWORD AddRef() { return InternalAddRef(); }
  /// Returns the remaining count; the object is gone when it is 0.
  DWORD Release() { return InternalRelease(); }

  // Virtual operations the builder, the property system and the elements use.

  /// The object's type descriptor; every class answers its own.
  virtual CTKMarkupType* GetType() const;
  /// The value stored on this object for the property, else null (no reference).
  virtual CTKMarkupObject* GetLocalValue(CTKMarkupDependencyProperty* pProperty);
  /// A 32-bit hash for value maps; the object's address here.
  virtual UINT GetHashKey() const;
  /// Identity here; value classes compare class and value.
  virtual BOOL IsEqual(const CTKMarkupObject* pOther) const;
  virtual int GetLogicalChildrenCount();
  virtual CTKMarkupObject* GetLogicalChild(int nIndex);
  /// Takes element content from the builder; the base accepts none and raises
  /// the builder's error.
  virtual void SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent);
  /// Sets a property from a built value, converting it when its type does not
  /// fit; the builder keeps its own reference to the value.
  virtual void SetPropertyObject(CTKMarkupBuilder* pBuilder, CTKMarkupDependencyProperty* pProperty,
                                 CTKMarkupObject* pValue);
  /// Makes a new object of this class from a built value (mostly a string);
  /// null when there is no conversion.
  virtual CTKMarkupObject* ConvertFrom(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pValue);
  virtual BOOL HasContentObject();
  /// Whether text made only of white space is kept as content.
  virtual BOOL AllowWhiteSpaceContent();
  /// Called after the effective value of a property changed; runs the
  /// metadata's change callback.
  virtual void OnPropertyChanged(CTKMarkupDependencyProperty* pProperty, CTKMarkupObject* pOldValue,
                                 CTKMarkupObject* pNewValue);
  /// Tells a value which property of which object now holds it.
  virtual void SetOwner(CTKMarkupDependencyProperty* pProperty, CTKMarkupObject* pOwner);
  /// Called by the builder once attributes and content are set.
  virtual void OnEndInit(CTKMarkupBuilder* pBuilder);

  // Properties (reading order: local value, inherited value, default).

  /// The effective value, or null; no reference for the caller.
  CTKMarkupObject* GetValue(CTKMarkupDependencyProperty* pProperty);
  /// Stores a local value, taking over the caller's reference (null clears
  /// it), and notifies. FALSE, with nothing changed or taken over, for a
  /// null property or a value of the wrong type.
  BOOL SetValue(CTKMarkupDependencyProperty* pProperty, CTKMarkupObject* pValue);
  /// The first object of the logical tree, depth first from this one, whose
  /// "Name" is exactly `lpszName`; null when none.
  CTKMarkupObject* FindName(LPCWSTR lpszName);

  // The logical tree.

  CTKMarkupObject* GetParent() const { return m_pParent; }
  void SetParent(CTKMarkupObject* pParent) { m_pParent = pParent; }

  using CObject::IsKindOf;
  /// True when the object's type is `pType` or derives from it.
  BOOL IsKindOf(const CTKMarkupType* pType) const;

  CTKMarkupContext* GetContext() const { return m_pContext; }
  /// Binds a freshly made object to its context (factories only; the context
  /// takes its reference in CTKMarkupContext::CreateMarkupObject).
  void SetContext(CTKMarkupContext* pContext) { m_pContext = pContext; }

  /// The property this object is being converted for (its metadata flags
  /// steer DPI scaling), or null.
  CTKMarkupDependencyProperty* GetConvertingProperty() const { return m_pConvertingProperty; }
  void SetConvertingProperty(CTKMarkupDependencyProperty* pProperty) {
    m_pConvertingProperty = pProperty;
  }

  /// Appends an extension met among this element's children (one reference).
  void AddMarkupExtension(CTKMarkupExtension* pExtension);
  int GetMarkupExtensionCount() const { return static_cast<int>(m_extensions.size()); }
  CTKMarkupExtension* GetMarkupExtension(int nIndex) const { return m_extensions[nIndex]; }

  /// The tag as it stood in the markup, or null.
  LPCWSTR GetTagName() const { return m_pszTag; }
  void SetTagName(LPCWSTR lpszTag);
  /// The XML element the object was built from (a COM reference is kept).
  void SetSourceElement(IUnknown* pElement);
  IUnknown* GetSourceElement() const { return m_pSourceElement; }

  /// The value store, or null before the first local value.
  CTKMarkupProperties* GetProperties() const { return m_pProperties; }

  /// The "Name" and "Key" properties every object can carry.
  static CTKMarkupDependencyProperty* NameProperty;
  static CTKMarkupDependencyProperty* KeyProperty;
  static void RegisterMarkupProperties();

 protected:
  void OnFinalRelease() override;

  DECLARE_DISPATCH_MAP()

 private:
  HRESULT* m_pComInit;
  CTKMarkupObject* m_pParent;
  CTKMarkupProperties* m_pProperties;
  CTKMarkupDependencyProperty* m_pConvertingProperty;
  std::vector<CTKMarkupExtension*> m_extensions;
  CTKMarkupContext* m_pContext;
  IUnknown* m_pSourceElement;
  LPWSTR m_pszTag;

  void NotifyDescendants(CTKMarkupDependencyProperty* pProperty, CTKMarkupObject* pOldValue,
                         CTKMarkupObject* pNewValue);
};

/// The object when it is non-null and of `pType` (or derived), else null.
CTKMarkupObject* MarkupDynamicCast(const CTKMarkupType* pType, CTKMarkupObject* pObject);

/// The same test, typed: only for classes whose StaticType is their own row.
template <class T>
T* MarkupCast(CTKMarkupObject* pObject) {
  return static_cast<T*>(MarkupDynamicCast(T::StaticType(), pObject));
}

/// The markup object behind an IDispatch a script passes in, with a reference
/// added when asked; null for null; any other IDispatch raises the OLE
/// exception E_INVALIDARG.
CTKMarkupObject* MarkupObjectFromDispatch(LPDISPATCH pDispatch, BOOL bAddRef);

/// Holds one counted reference: construction and Assign take one over, the
/// destructor releases it.
template <class T = CTKMarkupObject>
class CTKMarkupAutoPtr {
 public:
  explicit CTKMarkupAutoPtr(T* pObject = nullptr) : m_pObject(pObject) {}
  ~CTKMarkupAutoPtr() { Assign(nullptr); }
  CTKMarkupAutoPtr(const CTKMarkupAutoPtr&) = delete;
  CTKMarkupAutoPtr& operator=(const CTKMarkupAutoPtr&) = delete;

  /// Releases the held object and takes over `pObject` without adding a reference.
  void Assign(T* pObject) {
    T* pOld = m_pObject;
    m_pObject = pObject;
    if (pOld != nullptr) pOld->Release();
  }
  /// Adds a reference and returns the object.
  T* AddRefAndGet() const {
    if (m_pObject != nullptr) m_pObject->AddRef();
    return m_pObject;
  }
  /// Hands the reference to the caller.
  T* Detach() {
    T* pObject = m_pObject;
    m_pObject = nullptr;
    return pObject;
  }
  T* Get() const { return m_pObject; }
  T* operator->() const { return m_pObject; }
  operator T*() const { return m_pObject; }

 private:
  T* m_pObject;
};
