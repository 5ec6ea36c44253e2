// CLogDisplayControl: painting the visible rows and measuring the content.
#include "app/LogDisplayControl.h"

#include <algorithm>

#include "app/AppResources.h"
#include "app/AppText.h"
#include "common/TKDCHelpers.h"

namespace {

// Blank pixels kept between a stamp that fills its room and the icon.
const int kStampGap = 4;

}  // namespace

void CLogDisplayControl::OnPaint() {
  CPaintTarget target(this);
  {
    CReentrantLockGuard guard(m_lock);
    if (::IsWindow(m_hWnd)) {
      CRect client;
      GetClientRect(&client);
      if (!client.IsRectEmpty()) {
        const COLORREF background = IsWindowEnabled() ? GetBackgroundColor() : RGB(238, 238, 244);
        CTKBufferDC buffer(target.Get()->m_hDC, client);
        buffer.FillSolidRect(&client, background);
        CDrawScope scope(this, &buffer);
        PaintEntries();
      }
    }
  }
  OnNcPaint();
  ValidateRect(NULL);
}

bool CLogDisplayControl::PaintEntries() {
  CDC* dc = GetOffScreenContext();
  if (dc == nullptr || m_entries.empty()) return false;
  CRect client;
  GetClientRect(&client);
  const int iconColumn = GetIconColumn();
  int top = kTopMargin;
  for (size_t i = static_cast<size_t>(m_firstVisible < 0 ? 0 : m_firstVisible);
       i < m_entries.size() && top < client.bottom; ++i) {
    const CLogDisplayControlEntry* entry = m_entries[i].get();
    if (entry == nullptr) continue;
    int x0 = kStampLeft;
    CTesselString stamp = entry->GetTimeStamp();
    if (!stamp.IsEmpty()) {
      DrawEntryText(dc, kStampLeft - m_offset, top + 1, stamp, entry->m_color);
      x0 = iconColumn;
    }
    if (entry->m_kind >= LogStepStart && entry->m_kind <= LogSuccess)
      DrawEntryIcon(dc, entry->m_kind, x0 - m_offset, top);
    DrawEntryText(dc, x0 - m_offset + kIconWidth + 2, top + 1, entry->m_text, entry->m_color);
    top += kRowHeight;
  }
  return true;
}

// Digits of one width are the rule in dialog faces, so the stamp of any time
// is as wide as this one. A face wider than the one the 80-pixel room was
// made for (a substitute of the dialog font) moves the icons right instead
// of letting every stamp run under them.
int CLogDisplayControl::GetIconColumn() {
  SIZE extent = {0, 0};
  const CTesselString widest = FormatAppText(IDS_TIME_STAMP, CTesselString("00:00:00:000"));
  if (!GetTextExtent(widest, &extent)) return kIconColumn;
  return std::max(static_cast<int>(kIconColumn), kStampLeft + static_cast<int>(extent.cx) + kStampGap);
}

bool CLogDisplayControl::DrawEntryText(CDC* dc, int x, int y, CTesselString text, COLORREF color) {
  dc->SetBkMode(TRANSPARENT);
  dc->SetTextColor(color);
  return ::TextOutA(dc->m_hDC, x, y, text.GetText(), text.GetLength()) != FALSE;
}

bool CLogDisplayControl::DrawEntryIcon(CDC* dc, int icon, int x, int y) {
  return m_hIcons != NULL && ::ImageList_Draw(m_hIcons, icon, dc->m_hDC, x, y, ILD_TRANSPARENT);
}

void CLogDisplayControl::MeasureEntries(int* count, int* contentWidth) {
  CReentrantLockGuard guard(m_lock);
  *count = static_cast<int>(m_entries.size());
  *contentWidth = 0;
  if (!::IsWindow(m_hWnd) || m_entries.empty()) return;
  CClientDC windowDC(this);
  CDrawScope scope(this, &windowDC);
  for (size_t i = static_cast<size_t>(m_firstVisible < 0 ? 0 : m_firstVisible); i < m_entries.size();
       ++i) {
    SIZE extent = {0, 0};
    if (m_entries[i] && GetTextExtent(m_entries[i]->m_text, &extent) && extent.cx + 36 > *contentWidth)
      *contentWidth = extent.cx + 36;
  }
}
