// The column view's columns and its header: the toolkit's themed header
// control, moved sideways with the rows; a title click sorts, a width change
// lays the view out again.
#pragma once

#include "common/TKHeaderCtrl.h"
#include "foundation/TesselString.h"

class CColumnViewControl;

/// One column: its kind (how its cells sort), title and rectangle in content
/// coordinates (from the first column's left edge, without the horizontal offset).
class CColumnViewControlColumnEntry {
 public:
  enum Kind { kText = 0, kDateTime = 1, kNumber = 2 };
  CColumnViewControlColumnEntry(CColumnViewControl* owner, int kind, const CTesselString& title);
  virtual ~CColumnViewControlColumnEntry() {}

  CColumnViewControl* m_pOwner;
  int m_nKind;
  CTesselString m_title;
  RECT m_rect;
};

/// Header control id inside the view.
const int kColumnViewHeaderId = 8889;
/// The header's height in the view.
const int kColumnViewHeaderHeight = 20;

class CColumnViewControlHeader : public CTKHeaderCtrl {
 public:
  CColumnViewControlHeader();

  /// The owner view's font, applied again after the theme set its own.
  void InitializeFont(BOOL bBold) override;

  /// Sorts the owner by the clicked column.
  virtual void OnItemClick(NMHEADER* header, LRESULT* result);
  /// Lays the owner out again after a width change.
  virtual void OnItemChanged(NMHEADER* header, LRESULT* result);
  /// Moves the header left by the owner's horizontal offset, widening it as much.
  virtual bool RepositionHeader();

  /// The header window as a child of the owner, themed, with its sort arrow.
  bool CreateHeader();
  bool InsertHeaderItem(int index, CTesselString title);
  bool DeleteAllHeaderItems();

  CColumnViewControl* m_pOwner;
  /// In the view's client coordinates; written by the view's layout.
  RECT m_headerRect;

 protected:
  afx_msg void OnRButtonDown(UINT flags, CPoint point);
  afx_msg void OnItemClickMsg(NMHDR* header, LRESULT* result);
  afx_msg void OnItemChangedMsg(NMHDR* header, LRESULT* result);
  afx_msg void OnSortAscending();
  afx_msg void OnSortDescending();
  afx_msg void OnUpdateSortCommand(CCmdUI* cmdUI);
  DECLARE_MESSAGE_MAP()
};
