// CObject and CRuntimeClass: run-time type information, dynamic creation and
// the class registry that archives use to find a stored class by its name.
#pragma once

#include "afxdiag.h"

class CObject;
class CArchive;

/// Marks a class's schema as one whose loader accepts older versions: an
/// archive then hands the stored schema to GetObjectSchema instead of failing.
#define VERSIONABLE_SCHEMA (0x80000000)

/// Type information of one class: name, size, schema (0xFFFF: not serialisable),
/// creator (null: abstract or not dynamically creatable) and base class.
struct CRuntimeClass {
  LPCSTR m_lpszClassName;
  int m_nObjectSize;
  UINT m_wSchema;
  CObject*(PASCAL* m_pfnCreateObject)();
  CRuntimeClass* m_pBaseClass;
  CRuntimeClass* m_pNextClass;  // registry link

  /// A new object of this class, or null when the class cannot be created.
  CObject* CreateObject();
  BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

  /// The registered class of that name (case-sensitive), or null.
  static CRuntimeClass* PASCAL FromName(LPCSTR lpszClassName);
  static CRuntimeClass* PASCAL FromName(LPCWSTR lpszClassName);
  static CObject* PASCAL CreateObject(LPCSTR lpszClassName);
  static CObject* PASCAL CreateObject(LPCWSTR lpszClassName);

  /// Archive form: WORD schema, WORD name length, narrow name.
  void Store(CArchive& ar) const;
  /// Reads the stored form; null when the named class is not registered.
  static CRuntimeClass* PASCAL Load(CArchive& ar, UINT* pwSchemaNum);
};

/// Enters a class into the registry that FromName searches.
struct AFX_CLASSINIT {
  explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
};

/// The root of the class layer's object model.
class CObject {
 public:
  virtual ~CObject() = default;
  virtual CRuntimeClass* GetRuntimeClass() const;
  BOOL IsKindOf(const CRuntimeClass* pClass) const;
  BOOL IsSerializable() const;
  /// Writes or reads the object's state; the base has none.
  virtual void Serialize(CArchive& ar);
  virtual void AssertValid() const {}

  static CRuntimeClass classCObject;

 protected:
  CObject() = default;

 private:
  // Objects of the model are not copied unless a class says how.
  CObject(const CObject&) = delete;
  CObject& operator=(const CObject&) = delete;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)       \
 public:                                  \
  static CRuntimeClass class##class_name; \
  CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
  DECLARE_DYNAMIC(class_name)         \
  static CObject* PASCAL CreateObject();

#define DECLARE_SERIAL(class_name) \
  DECLARE_DYNCREATE(class_name)    \
  friend CArchive& AFXAPI operator>>(CArchive& ar, class_name*& pOb);

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew) \
  CRuntimeClass class_name::class##class_name = {                            \
      #class_name, sizeof(class class_name),       wSchema,                  \
      pfnNew,      RUNTIME_CLASS(base_class_name), nullptr};                 \
  CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
  IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

// Dynamically creatable classes are registered too, so that a class name read
// from a file finds them.
#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                \
  CObject* PASCAL class_name::CreateObject() { return new class_name; }                 \
  IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject) \
  static AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name));

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                           \
  CObject* PASCAL class_name::CreateObject() { return new class_name; }                  \
  IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject) \
  static AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name));                    \
  CArchive& AFXAPI operator>>(CArchive& ar, class_name*& pOb) {                          \
    pOb = static_cast<class_name*>(ar.ReadObject(RUNTIME_CLASS(class_name)));            \
    return ar;                                                                           \
  }

/// `pObject` cast to `class_name*` when it is one, else null.
#define DYNAMIC_DOWNCAST(class_name, pObject) \
  (static_cast<class_name*>(AfxDynamicDownCast(RUNTIME_CLASS(class_name), pObject)))
#define STATIC_DOWNCAST(class_name, pObject) (static_cast<class_name*>(pObject))
CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);
