// What a gallery shows: a collection of items, some of them labels that head
// a group, with one item size and the image manager their icons come from.
// An action holds the collection; every gallery bound to that action shows
// it. Reference counted (CCmdTarget); UI thread only.
#pragma once

#include <afxtempl.h>
#include <afxwin.h>

class CTKControlAction;
class CTKControlGallery;
class CTKControlGalleryItems;
class CTKImageManager;
class CTKImageManagerIcon;

/// One item of a gallery, or a label spanning the gallery's width.
class CTKControlGalleryItem : public CCmdTarget {
 public:
  CTKControlGalleryItem();

  int GetID() const { return m_nId; }
  void SetID(int nId) { m_nId = nId; }
  /// -1: the icon of the id.
  int GetImageIndex() const { return m_nImage; }
  void SetImageIndex(int nImage) { m_nImage = nImage; }
  CString GetCaption() const { return m_strCaption; }
  void SetCaption(LPCSTR lpszCaption) { m_strCaption = lpszCaption; }
  /// The tooltip, else the caption.
  CString GetToolTip() const;
  void SetToolTip(LPCSTR lpszToolTip) { m_strToolTip = lpszToolTip; }
  CString GetDescription() const { return m_strDescription; }
  void SetDescription(LPCSTR lpszDescription) { m_strDescription = lpszDescription; }
  BOOL IsLabel() const { return m_bLabel; }
  void SetLabel(BOOL bLabel) { m_bLabel = bLabel; }
  BOOL IsEnabled() const { return m_bEnabled; }
  void SetEnabled(BOOL bEnabled) { m_bEnabled = bEnabled; }
  DWORD_PTR GetData() const { return m_dwData; }
  void SetData(DWORD_PTR dwData) { m_dwData = dwData; }
  CTKControlGalleryItems* GetItems() const { return m_pItems; }

  /// The icon of the image index (or id) in the collection's image manager
  /// nearest to `nWidth` (0: any); null without one.
  CTKImageManagerIcon* GetImage(int nWidth = 0) const;
  /// A size of its own (0, 0: the collection's item size; a label takes
  /// the whole width and a height of 20 scaled pixels).
  void SetSize(CSize sz) { m_szItem = sz; }

  /// Its size in a gallery; a width of 0 spans the gallery.
  virtual CSize GetSize() const;
  /// Draws itself through the gallery's paint manager.
  virtual void Draw(CDC* pDC, CTKControlGallery* pGallery, CRect rc, BOOL bEnabled,
                    BOOL bSelected, BOOL bPressed, BOOL bChecked);
  /// A click on the item; TRUE when the item handled it itself.
  virtual BOOL OnClick() { return FALSE; }

 protected:
  int m_nId;
  int m_nImage;
  CString m_strCaption;
  CString m_strToolTip;
  CString m_strDescription;
  BOOL m_bLabel;
  BOOL m_bEnabled;
  DWORD_PTR m_dwData;
  CSize m_szItem;
  CTKControlGalleryItems* m_pItems;

  friend class CTKControlGalleryItems;
};

/// The items of a gallery. Every change re-lays out the galleries of the
/// action that holds the collection.
class CTKControlGalleryItems : public CCmdTarget {
 public:
  CTKControlGalleryItems();
  ~CTKControlGalleryItems() override;

  int GetItemCount() const { return static_cast<int>(m_arrItems.GetSize()); }
  /// Null out of range.
  CTKControlGalleryItem* GetItem(int nIndex) const;

  /// A new item appended; the collection holds it.
  CTKControlGalleryItem* AddItem(int nId, LPCSTR lpszCaption = NULL, int nImage = -1);
  CTKControlGalleryItem* AddLabel(LPCSTR lpszCaption);
  /// Inserts `pItem` before `nBefore` (out of range: appends), taking over
  /// the caller's reference.
  CTKControlGalleryItem* InsertItem(CTKControlGalleryItem* pItem, int nBefore = -1);
  void RemoveAt(int nIndex);
  void RemoveAll();

  CSize GetItemSize() const { return m_szItem; }
  void SetItemSize(CSize sz);
  /// Its own image manager, else the global one.
  CTKImageManager* GetImageManager() const;
  /// Holds a reference of its own (null: the global one again).
  void SetImageManager(CTKImageManager* pImageManager);
  /// Whether a change of selection redraws only the two items concerned
  /// rather than the whole gallery.
  BOOL IsClipItems() const { return m_bClipItems; }
  void SetClipItems(BOOL bClipItems) { m_bClipItems = bClipItems; }

  /// Draws an item in place of the item itself; TRUE when it did.
  virtual BOOL OnDrawItem(CDC* /*pDC*/, CTKControlGallery* /*pGallery*/,
                          CTKControlGalleryItem* /*pItem*/, CRect /*rc*/, BOOL /*bEnabled*/,
                          BOOL /*bSelected*/, BOOL /*bPressed*/, BOOL /*bChecked*/) {
    return FALSE;
  }

  /// Tells the galleries of the holding action that the items changed.
  void OnItemsChanged();
  /// Set by the action that holds the collection.
  void SetAction(CTKControlAction* pAction) { m_pAction = pAction; }

 private:
  CArray<CTKControlGalleryItem*, CTKControlGalleryItem*> m_arrItems;
  CSize m_szItem;
  CTKImageManager* m_pImageManager;
  BOOL m_bClipItems;
  CTKControlAction* m_pAction;
};
