// CFindDialog: template 3007, "Find Text". Searches the cells of the build-
// step list for a text, cell by cell, forwards with Next or backwards with
// Previous; the list selects and highlights each hit. The searches do not
// wrap: after a miss in one direction the next search in it misses at once
// until the text or the case box changes.
#pragma once

#include "foundation/TesselString.h"
#include "uilib/NonResizableDialog.h"

class CBuildStepDisplay;
class CMainFrame;

class CFindDialog : public CNonResizableDialog {
 public:
  CFindDialog();

  /// Stores the window position, then closes as WM_CLOSE does.
  virtual void OnClose();
  BOOL OnInitDialog() override;

  /// Moves the dialog to the stored "left,top,width,height"; any other value
  /// leaves it where it is, one pixel wider than its template.
  bool RestoreWindowPosition();
  /// Stores the window rectangle; nothing while minimised.
  bool SaveWindowPosition();

  /// The list searched; its owner (the frame) keeps the settings and shows
  /// the messages. Set by the creator; not owned.
  CBuildStepDisplay* m_pList;
  /// Help; null: none.
  CMainFrame* m_pFrame;

  int GetSearchRow() const { return m_nSearchRow; }
  int GetSearchColumn() const { return m_nSearchColumn; }
  bool IsFound() const { return m_bFound != 0; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void ResetSearch();
  afx_msg void OnFindNext();
  afx_msg void OnFindPrevious();
  afx_msg void OnHelp();
  /// Next and Previous enabled exactly with a find text.
  void UpdateButtons();
  /// The find edit's text, kept as the last find text.
  CTesselString ReadFindText();
  /// One search from the current place; `forwards` picks the direction.
  void Find(bool forwards);

  CButton m_nextButton;
  CButton m_previousButton;
  CButton m_caseSensitive;
  CEdit m_findEdit;
  CTesselString m_lastFindText;
  int m_nSearchRow;
  int m_nSearchColumn;
  BYTE m_bFound;

  DECLARE_MESSAGE_MAP()
};
