// CFindDialog: the search state, Next and Previous, and the window position.
#include "app/FindDialog.h"

#include <cstdio>

#include "FindSettings.h"
#include "app/AppDisplayOwner.h"
#include "app/AppResources.h"
#include "app/AppText.h"
#include "app/BuildStepDisplay.h"
#include "app/MainFrame.h"

BEGIN_MESSAGE_MAP(CFindDialog, CNonResizableDialog)
  ON_WM_CLOSE()
  ON_EN_CHANGE(IDC_FIND_TEXT, ResetSearch)
  ON_BN_CLICKED(IDC_FIND_CASE_SENSITIVE, ResetSearch)
  ON_BN_CLICKED(IDC_FIND_NEXT, OnFindNext)
  ON_BN_CLICKED(IDC_FIND_PREVIOUS, OnFindPrevious)
  ON_COMMAND(ID_DIALOG_HELP, OnHelp)
END_MESSAGE_MAP()

namespace {

const DWORD kHelpTopic = 1011;

IAppDisplayOwner* OwnerOf(CBuildStepDisplay* list) {
  return list != nullptr ? list->GetOwner() : nullptr;
}

}  // namespace

CFindDialog::CFindDialog()
    : CNonResizableDialog(IDD_FIND_TEXT, NULL),
      m_pList(nullptr),
      m_pFrame(nullptr),
      m_nSearchRow(0),
      m_nSearchColumn(0),
      m_bFound(0) {}

void CFindDialog::DoDataExchange(CDataExchange* pDX) {
  CNonResizableDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_FIND_NEXT, m_nextButton);
  DDX_Control(pDX, IDC_FIND_PREVIOUS, m_previousButton);
  DDX_Control(pDX, IDC_FIND_CASE_SENSITIVE, m_caseSensitive);
  DDX_Control(pDX, IDC_FIND_TEXT, m_findEdit);
}

BOOL CFindDialog::OnInitDialog() {
  const BOOL result = CNonResizableDialog::OnInitDialog();
  m_caseSensitive.SetCheck(BST_UNCHECKED);
  IAppDisplayOwner* owner = OwnerOf(m_pList);
  if (owner != nullptr) {
    m_lastFindText = find_settings::Read(owner, find_settings::kOptions, find_settings::kLastFindText);
    find_settings::SetEditText(m_findEdit, m_lastFindText);
  }
  if (m_pList != nullptr) {
    m_pList->m_bFindActive = false;
    m_pList->m_nFindRow = 0;
    m_pList->m_nFindColumn = 0;
    m_nSearchRow = m_pList->m_nCaret;
  }
  m_nSearchColumn = 0;
  m_bFound = 0;
  UpdateButtons();
  RestoreWindowPosition();
  UpdateData(FALSE);
  return result;
}

CTesselString CFindDialog::ReadFindText() {
  m_lastFindText = find_settings::GetEditText(m_findEdit);
  return m_lastFindText;
}

void CFindDialog::UpdateButtons() {
  const BOOL enabled = find_settings::GetEditText(m_findEdit).IsEmpty() ? FALSE : TRUE;
  if (::IsWindow(m_nextButton.m_hWnd)) m_nextButton.EnableWindow(enabled);
  if (::IsWindow(m_previousButton.m_hWnd)) m_previousButton.EnableWindow(enabled);
}

void CFindDialog::ResetSearch() {
  m_bFound = 0;
  if (m_pList != nullptr) {
    m_nSearchRow = m_pList->m_nCaret;
    m_nSearchColumn = 0;
  }
  UpdateButtons();
}

void CFindDialog::Find(bool forwards) {
  CTesselString text = ReadFindText();
  if (m_pList == nullptr || text.IsEmpty()) {
    UpdateButtons();
    return;
  }
  IAppDisplayOwner* owner = OwnerOf(m_pList);
  find_settings::Write(owner, find_settings::kOptions, find_settings::kLastFindText, text);
  if (m_bFound != 0) {
    // Go on from the last hit, one cell further in the search's direction;
    // before the first column the search goes on in the row before.
    m_nSearchRow = m_pList->m_nCaret;
    m_nSearchColumn += forwards ? 1 : -1;
    if (m_nSearchColumn < 0) {
      --m_nSearchRow;
      m_nSearchColumn = m_pList->GetColumnCount();
    }
  }
  const bool matchCase = m_caseSensitive.GetCheck() == BST_CHECKED;
  const bool found =
      forwards ? m_pList->FindTextForward(text, &m_nSearchRow, &m_nSearchColumn, matchCase)
               : m_pList->FindTextBackward(text, &m_nSearchRow, &m_nSearchColumn, matchCase);
  if (found) {
    m_bFound = 1;
  } else {
    if (owner != nullptr)
      owner->ShowMessage(
          FormatAppText(m_bFound != 0 ? IDS_NO_MORE_OCCURRENCES : IDS_TEXT_NOT_FOUND, text),
          MB_ICONASTERISK, this);
    m_bFound = 0;
  }
  UpdateButtons();
}

void CFindDialog::OnFindNext() { Find(true); }

void CFindDialog::OnFindPrevious() { Find(false); }

void CFindDialog::OnHelp() {
  if (m_pFrame != nullptr) m_pFrame->ShowHelp(kHelpTopic);
}

bool CFindDialog::RestoreWindowPosition() {
  IAppDisplayOwner* owner = OwnerOf(m_pList);
  if (owner == nullptr || !::IsWindow(m_hWnd)) return false;
  CTesselString stored =
      find_settings::Read(owner, find_settings::kOptions, find_settings::kFindWindowPosition);
  long left = 0, top = 0, width = 0, height = 0;
  if (std::sscanf(stored.GetText(), "%ld,%ld,%ld,%ld", &left, &top, &width, &height) == 4) {
    MoveWindow(left, top, width, height, TRUE);
    return true;
  }
  CRect rect;
  GetWindowRect(&rect);
  MoveWindow(rect.left, rect.top, rect.Width() + 1, rect.Height(), TRUE);
  return false;
}

bool CFindDialog::SaveWindowPosition() {
  IAppDisplayOwner* owner = OwnerOf(m_pList);
  if (owner == nullptr || !::IsWindow(m_hWnd) || IsIconic()) return false;
  CRect rect;
  GetWindowRect(&rect);
  CTesselString value;
  value.Format("%ld,%ld,%ld,%ld", static_cast<long>(rect.left), static_cast<long>(rect.top),
               static_cast<long>(rect.Width()), static_cast<long>(rect.Height()));
  find_settings::Write(owner, find_settings::kOptions, find_settings::kFindWindowPosition, value);
  return true;
}

void CFindDialog::OnClose() {
  SaveWindowPosition();
  Default();
}
