// CBuildStepDisplay: creation, columns, row images and the saved widths.
#include "app/BuildStepDisplay.h"

#include <cstdio>

#include "app/AppDisplayOwner.h"
#include "app/AppRunResources.h"
#include "foundation/TextUtilities.h"
#include "uilib/UIUtilities.h"

const char CBuildStepDisplay::kWidthsSection[] = "Options";
const char CBuildStepDisplay::kWidthsKey[] = "BuildStepColumnWidths";

namespace {

const char* const kColumnTitles[] = {"Step Name",   "Elapsed Time",  "Description",   "Executable Path",
                                     "Parameters",  "Source Folder", "Target Folder", "File Specification"};

// Sets a flag for a scope, unless it was set already.
class CFlagScope {
 public:
  explicit CFlagScope(bool& flag) : m_flag(flag), m_set(!flag) { m_flag = true; }
  ~CFlagScope() {
    if (m_set) m_flag = false;
  }
  CFlagScope(const CFlagScope&) = delete;
  CFlagScope& operator=(const CFlagScope&) = delete;

 private:
  bool& m_flag;
  bool m_set;
};

}  // namespace

bool CBuildStepDisplay::CreateControl(CWnd* parent) {
  if (!CColumnViewControl::CreateControl(parent)) return false;
  AutoSizeAllColumns();
  return true;
}

bool CBuildStepDisplay::LoadImages() {
  HIMAGELIST images = NULL;
  CreateImageListFromBitmap(IDB_BUILDSTEP_ICONS, &images, 16);
  if (images == NULL) return false;
  m_rowImages.DeleteImageList();
  return m_rowImages.Attach(images) != FALSE;
}

bool CBuildStepDisplay::AddColumns() {
  bool added = true;
  for (const char* title : kColumnTitles) added = AddColumn(title, 0) && added;
  return added;
}

bool CBuildStepDisplay::AutoSizeAllColumns() {
  CFlagScope sizing(m_bSizing);
  if (GetColumnCount() > 0) {
    if (!RestoreColumnWidths()) {
      {
        CFlagScope inner(m_bInnerSizing);
        EnsureMinimumColumnWidths();
      }
      FitLastColumn();
    }
    UpdateColumnRects();
    FitEntriesToColumns();
  }
  return true;
}

bool CBuildStepDisplay::RestoreColumnWidths() {
  if (m_pOwner == nullptr || GetColumnCount() < 1) return false;
  CTesselString saved;
  if (!m_pOwner->ReadSetting(kWidthsSection, kWidthsKey, &saved) || saved.IsEmpty()) return false;
  CTesselList items;
  SplitString(saved, CTesselString(","), &items);
  CFlagScope sizing(m_bSizing);
  CFlagScope inner(m_bInnerSizing);
  SetRedraw(FALSE);
  bool applied = false;
  const int count = items.GetCount() < GetColumnCount() ? items.GetCount() : GetColumnCount();
  for (int i = 0; i < count; ++i) {
    CTesselString* item = static_cast<CTesselString*>(items.GetAt(i));
    long width = 0;
    char rest = 0;
    if (item != nullptr && sscanf(item->GetText(), "%ld%c", &width, &rest) == 1) {
      SetColumnWidth(i, static_cast<int>(width));
      applied = true;
    }
  }
  items.DeleteAll();
  GetHeader()->RepositionHeader();
  UpdateColumnRects();
  FitEntriesToColumns();
  SetRedraw(TRUE);
  return applied;
}

bool CBuildStepDisplay::SaveColumnWidths() {
  if (m_pOwner == nullptr || GetColumnCount() < 1) return false;
  CTesselString text;
  for (int i = 0; i < GetColumnCount(); ++i) {
    const int width = GetColumnWidth(i);
    CTesselString item;
    item.Format("%ld", static_cast<long>(width < 0 ? 80 : width));
    if (i > 0) text.AddText(",");
    text.AddString(item);
  }
  return m_pOwner->WriteSetting(kWidthsSection, kWidthsKey, text);
}

bool CBuildStepDisplay::ResetColumnWidths() {
  if (GetEntryCount() < 1) return false;
  bool saved = false;
  {
    CReentrantLockGuard guard(m_lock);
    if (GetColumnCount() > 0) {
      CFlagScope sizing(m_bSizing);
      CColumnViewControl::AutoSizeAllColumns();
    }
    saved = SaveColumnWidths();
  }
  RedrawDisplay();
  return saved;
}

bool CBuildStepDisplay::RecalcLayout(int ignored) {
  if (!CColumnViewControl::RecalcLayout(ignored)) return false;
  CReentrantLockGuard guard(m_lock);
  if (!m_bSizing && !m_bInnerSizing) SaveColumnWidths();
  return true;
}
