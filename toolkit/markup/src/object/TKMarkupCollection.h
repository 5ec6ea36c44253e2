// CTKMarkupCollection: an ordered list of markup objects of one element type,
// the base of panel children, inlines, setters, triggers and definitions.
#pragma once

#include "markup/TKMarkupObject.h"

/// Holds one reference per item. With the parent-items switch on (the
/// default) the collection is the logical parent of its items.
class CTKMarkupCollection : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  /// Items must be of `pElementType` or derived; null means any object.
  explicit CTKMarkupCollection(CTKMarkupType* pElementType = nullptr, BOOL bParentItems = TRUE);
  ~CTKMarkupCollection() override;

  /// Inserts at `nIndex` (an index outside 0 to count appends), taking over
  /// the caller's reference. A null item or one of another type is refused:
  /// FALSE, and a refused item's reference is released.
  BOOL Insert(int nIndex, CTKMarkupObject* pItem);
  BOOL Add(CTKMarkupObject* pItem) { return Insert(GetCount(), pItem); }
  /// Nothing at or past the end; a negative index raises the
  /// invalid-argument exception.
  void RemoveAt(int nIndex);
  void RemoveAll();
  int GetCount() const { return static_cast<int>(m_items.size()); }
  /// Raises the invalid-argument exception outside 0 to count - 1.
  CTKMarkupObject* GetItem(int nIndex) const;
  /// The index of the item, or -1.
  int IndexOf(const CTKMarkupObject* pItem) const;

  CTKMarkupType* GetElementType() const;
  void SetElementType(CTKMarkupType* pElementType) { m_pElementType = pElementType; }
  BOOL GetParentItems() const { return m_bParentItems; }

  int GetLogicalChildrenCount() override { return GetCount(); }
  CTKMarkupObject* GetLogicalChild(int nIndex) override { return GetItem(nIndex); }
  BOOL HasContentObject() override { return GetCount() > 0; }
  /// Builder content is added; an item of another type is a builder error.
  void SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) override;

 protected:
  /// After an item was inserted at `nIndex`.
  virtual void OnItemAdded(CTKMarkupObject* pItem, int nIndex);
  /// After every insertion, removal or clearing.
  virtual void OnChanged();

  long DispGetCount() { return GetCount(); }
  LPDISPATCH DispItem(long nIndex);
  void DispAdd(LPDISPATCH pItem);
  void DispInsert(long nIndex, LPDISPATCH pItem);
  void DispClear() { RemoveAll(); }
  void DispRemoveAt(long nIndex) { RemoveAt(nIndex); }
  DECLARE_DISPATCH_MAP()

 private:
  std::vector<CTKMarkupObject*> m_items;
  CTKMarkupType* m_pElementType;
  BOOL m_bParentItems;
};
