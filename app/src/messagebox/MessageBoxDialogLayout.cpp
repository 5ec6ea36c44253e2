// CMessageBoxDialog: wrapping the text into lines, the box's size and the
// buttons' places.
#include <string>

#include "app/MessageBoxDialog.h"
#include "common/TKScopedHandle.h"

namespace {

/// Room the box keeps beside the text: the icon column and the margins.
const int kTextInset = 104;

void RemoveLineControls(std::wstring* line) {
  std::wstring kept;
  for (wchar_t c : *line)
    if (c != L'\r' && c != L'\n' && c != L'\t') kept += c;
  line->swap(kept);
}

}  // namespace

SIZE CMessageBoxDialog::MeasureText(HDC hDC, const wchar_t* text, int length) {
  SIZE size = {0, 0};
  ::GetTextExtentPoint32W(hDC, text, length, &size);
  return size;
}

int CMessageBoxDialog::LineHeight(HDC hDC, CTesselString& line) {
  if (line.IsEmpty()) {
    TEXTMETRICW metrics = {};
    ::GetTextMetricsW(hDC, &metrics);
    return metrics.tmHeight < 0 ? -metrics.tmHeight : metrics.tmHeight;
  }
  return MeasureText(hDC, line.GetWideText(), line.GetLength()).cy;
}

int CMessageBoxDialog::FindWrapPosition(HDC hDC, CTesselString& line, int width) {
  const wchar_t* text = line.GetWideText();
  const int length = line.GetLength();
  int sum = 0;
  for (int i = 0; i < length; ++i) {
    sum += MeasureText(hDC, text + i, 1).cx;
    if (sum < width) continue;
    // Inside a word: break at the blank before it, when there is one.
    if (i > 0 && text[i] != L' ' && i != length - 1 && text[i + 1] != L' ') {
      int j = i;
      while (j > 0 && text[j] != L' ') --j;
      if (j > 0) return j;
    }
    return i;
  }
  return 0;
}

void CMessageBoxDialog::WrapText() {
  ClearLines();
  if (m_text.IsEmpty()) return;
  CTKScopedWindowDC dc(m_hWnd);
  CTKSelectGuard font(dc.Get(), m_textFont.m_hObject);
  const int width = m_nMaxWidth - kTextInset;
  std::wstring remaining(m_text.GetWideText(), m_text.GetLength());
  while (!remaining.empty()) {
    std::wstring paragraph;
    const size_t feed = remaining.find(L'\n');
    if (feed == std::wstring::npos) {
      paragraph.swap(remaining);
    } else {
      // A line feed at the start stands for an empty line.
      paragraph = feed > 0 ? remaining.substr(0, feed) : L"\n";
      remaining.erase(0, feed + 1);
    }
    while (!paragraph.empty()) {
      std::wstring line;
      if (MeasureText(dc.Get(), paragraph.c_str(), static_cast<int>(paragraph.size())).cx > width) {
        CTesselString measured;
        measured.SetWideText(paragraph.c_str());
        const size_t wrap = static_cast<size_t>(FindWrapPosition(dc.Get(), measured, width));
        line = paragraph.substr(0, wrap + 1);
        paragraph.erase(0, wrap + 1);
      } else {
        line.swap(paragraph);
      }
      RemoveLineControls(&line);
      CTesselString* entry = new CTesselString;
      entry->SetWideText(line.c_str());
      if (!m_lines.AddTail(entry)) delete entry;
    }
  }
}

void CMessageBoxDialog::SizeToText() {
  if (m_buttons[0].m_hWnd == NULL || m_pParent == NULL) return;
  CTKScopedWindowDC dc(m_hWnd);
  CTKSelectGuard font(dc.Get(), m_textFont.m_hObject);
  int textHeight = 0;
  int widest = 0;
  for (int i = 0; i < m_lines.GetCount(); ++i) {
    CTesselString* line = static_cast<CTesselString*>(m_lines.GetAt(i));
    textHeight += LineHeight(dc.Get(), *line);
    if (!line->IsEmpty()) {
      const int lineWidth = MeasureText(dc.Get(), line->GetWideText(), line->GetLength()).cx;
      if (lineWidth > widest) widest = lineWidth;
    }
  }
  if (textHeight < 32) textHeight = 32;
  CRect button;
  m_buttons[0].GetWindowRect(&button);
  const int height = textHeight + 72 + button.Height();
  const int width = widest + 92 < 250 ? 250 : widest + 92;
  CWnd* reference = m_pParent->GetParentFrame();
  if (reference == NULL) reference = m_pParent;
  CRect area;
  reference->GetWindowRect(&area);
  const int cx = (area.left + area.right) / 2;
  const int cy = (area.top + area.bottom) / 2;
  MoveWindow(cx - width / 2, cy - height / 2, width, height, TRUE);
}

void CMessageBoxDialog::ArrangeButtons() {
  if (m_buttons[0].m_hWnd == NULL) return;
  int enabled = 0;
  for (CButton& b : m_buttons)
    if (b.m_hWnd != NULL && b.IsWindowEnabled()) ++enabled;
  CRect first, client;
  m_buttons[0].GetWindowRect(&first);
  GetClientRect(&client);
  const int w = first.Width();
  const int h = first.Height();
  const int top = client.bottom - 12 - h;
  int left = (enabled * (w + 12) - 12) / 2 + (client.left + client.right) / 2 - w;
  for (int i = 2; i >= 0; --i) {
    if (m_buttons[i].m_hWnd == NULL || !m_buttons[i].IsWindowEnabled()) continue;
    m_buttons[i].MoveWindow(left, top, w, h, FALSE);
    left -= w + 12;
  }
}
