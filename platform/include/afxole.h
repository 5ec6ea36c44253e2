// OLE documents: a document holding embedded items, and the items. The layer
// makes no OLE objects of its own; a program without embedding has none of
// these, and the questions asked of them get their true answers.
#pragma once

#include "afxwin.h"

class COleDocument;
class COleClientItem;

/// Something a COleDocument holds; it leaves its document when it goes.
class CDocItem : public CCmdTarget {
  DECLARE_DYNAMIC(CDocItem)

 public:
  ~CDocItem() override;
  /// The document that holds the item, or null.
  CDocument* GetDocument() const;

 protected:
  CDocItem();
  COleDocument* m_pDocument;
  friend class COleDocument;
};

/// A document that holds items (embedded or linked objects).
class COleDocument : public CDocument {
  DECLARE_DYNAMIC(COleDocument)

 public:
  COleDocument();
  /// Deletes the items it still holds.
  ~COleDocument() override;

  /// The document holds pItem from now on (it leaves any other).
  virtual void AddItem(CDocItem* pItem);
  virtual void RemoveItem(CDocItem* pItem);
  POSITION GetStartPosition() const { return m_docItemList.GetHeadPosition(); }
  virtual CDocItem* GetNextItem(POSITION& pos) const {
    return static_cast<CDocItem*>(m_docItemList.GetNext(pos));
  }
  /// The next item that is a COleClientItem, or null; pos moves past it.
  COleClientItem* GetNextClientItem(POSITION& pos) const;
  /// The item active in place in the window pWnd (a view), or null.
  virtual COleClientItem* GetInPlaceActiveItem(CWnd* pWnd);

  CPtrList m_docItemList;
};

/// An embedded or linked object in a container document, in one of the
/// states of ItemState.
class COleClientItem : public CDocItem {
  DECLARE_DYNAMIC(COleClientItem)

 public:
  /// Joins pContainerDoc's items when given.
  explicit COleClientItem(COleDocument* pContainerDoc = NULL);

  enum ItemState { emptyState, loadedState, openState, activeState, activeUIState };
  UINT GetItemState() const { return m_nItemState; }
  /// Active in place, with or without its user interface.
  BOOL IsInPlaceActive() const {
    return m_nItemState == activeState || m_nItemState == activeUIState;
  }
  /// The view the item is active in, or null.
  CView* GetActiveView() const { return m_pView; }
  COleDocument* GetDocument() const { return m_pDocument; }

  ItemState m_nItemState;
  CView* m_pView;
};

/// Puts the verbs of pClient's object into pMenu at position iMenuItem, with
/// command ids from nIDVerbMin (to nIDVerbMax; nIDConvert names the convert
/// command). The layer's items carry no OLE object, so the position gets
/// the disabled item "&Object" with id nIDVerbMin (appended when the menu
/// is shorter), as for an item without verbs.
void AFXAPI AfxOleSetEditMenu(COleClientItem* pClient, CMenu* pMenu, UINT iMenuItem,
                              UINT nIDVerbMin, UINT nIDVerbMax = 0, UINT nIDConvert = 0);

/// An item that is an active document (a DocObject) shown in a view.
class COleDocObjectItem : public COleClientItem {
  DECLARE_DYNAMIC(COleDocObjectItem)

 public:
  explicit COleDocObjectItem(COleDocument* pContainerDoc = NULL);
};
