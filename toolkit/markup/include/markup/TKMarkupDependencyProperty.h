// Dependency properties: the process-wide descriptors of markup attributes,
// their metadata (default, text converter, change callback, flags) and the
// map through which the builder finds them by name.
#pragma once

#include "markup/TKMarkupObject.h"

// Metadata flags.
#define TK_MARKUP_INHERITS 0x01  // an object without a value takes its ancestors'
#define TK_MARKUP_AFFECTS_ARRANGE 0x02
#define TK_MARKUP_AFFECTS_MEASURE 0x04
#define TK_MARKUP_AFFECTS_RENDER 0x20
#define TK_MARKUP_SCALE_DPI_X 0x40  // a value converted from text is scaled along x
#define TK_MARKUP_SCALE_DPI_Y 0x80  // ... along y

/// What changed: the property and the effective values before and after.
struct TK_MARKUP_PROPERTY_CHANGE {
  CTKMarkupDependencyProperty* pProperty;
  CTKMarkupObject* pOldValue;
  CTKMarkupObject* pNewValue;
};

/// Turns a built value (mostly a string) into a new value of the property's
/// type (one reference for the caller), or null when the text does not fit.
typedef CTKMarkupObject* (*TK_MARKUP_CONVERTER)(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pValue,
                                                CTKMarkupDependencyProperty* pProperty);
/// Called after the effective value of the property changed on `pObject`.
typedef void (*TK_MARKUP_CHANGE_CALLBACK)(CTKMarkupObject* pObject,
                                          const TK_MARKUP_PROPERTY_CHANGE& change);

/// The settings of one property. Takes over the reference of the default value.
class CTKMarkupPropertyMetadata {
 public:
  CTKMarkupPropertyMetadata(CTKMarkupObject* pDefaultValue, DWORD dwFlags);
  CTKMarkupPropertyMetadata(CTKMarkupObject* pDefaultValue, TK_MARKUP_CONVERTER pfnConverter,
                            DWORD dwFlags);
  CTKMarkupPropertyMetadata(CTKMarkupObject* pDefaultValue, TK_MARKUP_CHANGE_CALLBACK pfnChanged,
                            DWORD dwFlags);
  CTKMarkupPropertyMetadata(CTKMarkupObject* pDefaultValue, TK_MARKUP_CONVERTER pfnConverter,
                            TK_MARKUP_CHANGE_CALLBACK pfnChanged, DWORD dwFlags);
  virtual ~CTKMarkupPropertyMetadata();
  CTKMarkupPropertyMetadata(const CTKMarkupPropertyMetadata&) = delete;
  CTKMarkupPropertyMetadata& operator=(const CTKMarkupPropertyMetadata&) = delete;

  CTKMarkupObject* GetDefaultValue() const { return m_pDefaultValue; }
  TK_MARKUP_CONVERTER GetConverter() const { return m_pfnConverter; }
  TK_MARKUP_CHANGE_CALLBACK GetChangeCallback() const { return m_pfnChanged; }
  DWORD GetFlags() const { return m_dwFlags; }

 private:
  CTKMarkupObject* m_pDefaultValue;
  TK_MARKUP_CONVERTER m_pfnConverter;
  TK_MARKUP_CHANGE_CALLBACK m_pfnChanged;
  DWORD m_dwFlags;
};

/// A property descriptor, registered once per (name, owner type) for the
/// life of the process. Each non-event property gets a slot number in the
/// value stores of objects.
class CTKMarkupDependencyProperty : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()

 public:
  ~CTKMarkupDependencyProperty() override;

  /// Creates and registers a property (taking over `pMetadata`, which may be
  /// null). The map holds the property; the result is borrowed.
  static CTKMarkupDependencyProperty* Register(LPCWSTR lpszName, CTKMarkupType* pValueType,
                                               CTKMarkupType* pOwnerType,
                                               CTKMarkupPropertyMetadata* pMetadata = nullptr);
  /// The same for a property any object may carry, written in markup as
  /// Owner.Name.
  static CTKMarkupDependencyProperty* RegisterAttached(
      LPCWSTR lpszName, CTKMarkupType* pValueType, CTKMarkupType* pOwnerType,
      CTKMarkupPropertyMetadata* pMetadata = nullptr);
  /// Enters this property under its name for another owner type as well.
  CTKMarkupDependencyProperty* AddOwner(CTKMarkupType* pOwnerType);

  /// Routed events are properties without a value slot.
  virtual BOOL IsEvent() const { return FALSE; }

  LPCWSTR GetName() const { return m_pszName; }
  CTKMarkupType* GetValueType() const { return m_pValueType; }
  CTKMarkupType* GetOwnerType() const { return m_pOwnerType; }
  /// Null when the property was registered without metadata.
  CTKMarkupPropertyMetadata* GetMetadata() const { return m_pMetadata; }
  DWORD GetFlags() const { return m_pMetadata ? m_pMetadata->GetFlags() : 0; }
  CTKMarkupObject* GetDefaultValue() const {
    return m_pMetadata ? m_pMetadata->GetDefaultValue() : nullptr;
  }
  BOOL IsAttached() const { return m_bAttached; }
  /// The slot in value stores; -1 for events.
  int GetIndex() const { return m_nIndex; }

  /// The number of slots handed out so far.
  static int GetIndexedPropertyCount();

 protected:
  CTKMarkupDependencyProperty();
  /// Fills a new descriptor and enters it in the map (shared by the
  /// properties and the routed events); takes over `pMetadata`.
  static void RegisterCommon(CTKMarkupDependencyProperty* pProperty, LPCWSTR lpszName,
                             CTKMarkupType* pValueType, CTKMarkupType* pOwnerType, BOOL bAttached,
                             CTKMarkupPropertyMetadata* pMetadata);

 private:
  LPCWSTR m_pszName;
  CTKMarkupType* m_pValueType;
  CTKMarkupType* m_pOwnerType;
  CTKMarkupPropertyMetadata* m_pMetadata;
  BOOL m_bAttached;
  int m_nIndex;
};

/// The property for an attribute name on a type or one of its bases; a
/// leading "x:" is dropped. Null when there is none.
CTKMarkupDependencyProperty* FindMarkupProperty(const CTKMarkupType* pOwnerType, LPCWSTR lpszName);
