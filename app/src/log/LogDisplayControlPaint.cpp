// CLogDisplayControl: painting the visible rows and measuring the content.
#include "app/LogDisplayControl.h"

#include "common/TKDCHelpers.h"

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
  int top = kTopMargin;
  for (size_t i = static_cast<size_t>(m_firstVisible < 0 ? 0 : m_firstVisible);
       i < m_entries.size() && top < client.bottom; ++i) {
    const CLogDisplayControlEntry* entry = m_entries[i].get();
    if (entry == nullptr) continue;
    int x0 = 5;
    CTesselString stamp = entry->GetTimeStamp();
    if (!stamp.IsEmpty()) {
      DrawEntryText(dc, 5 - m_offset, top + 1, stamp, entry->m_color);
      x0 = 85;
    }
    if (entry->m_kind >= LogStepStart && entry->m_kind <= LogSuccess)
      DrawEntryIcon(dc, entry->m_kind, x0 - m_offset, top);
    DrawEntryText(dc, x0 - m_offset + 18, top + 1, entry->m_text, entry->m_color);
    top += kRowHeight;
  }
  return true;
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
