// CTooltipWindow: creation, lines, layout, showing and fading.
#include "uilib/TooltipWindow.h"

#include "common/TKScopedHandle.h"
#include "foundation/TimeUtilities.h"

BEGIN_MESSAGE_MAP(CTooltipWindow, CWnd)
  ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {

const int kFullOpacity = 99;
const int kFadedOpacity = 10;
const int kFadeSpan = kFullOpacity - kFadedOpacity;
// Padding: 5 pixels on each side of the text.
const int kPadding = 10;

// The string's own test knows wide text only.
bool HoldsNonAscii(const CTesselString& line) {
  if (line.IsWide()) return line.HasNonAsciiChars();
  const char* text = static_cast<const char*>(line.GetBuffer());
  for (int i = 0; text != nullptr && i < line.GetLength(); ++i)
    if (static_cast<unsigned char>(text[i]) >= 0x80) return true;
  return false;
}

}  // namespace

CTooltipWindow::CTooltipWindow()
    : m_pOwnerWindow(nullptr),
      m_textColor(::GetSysColor(COLOR_INFOTEXT)),
      m_backgroundColor(::GetSysColor(COLOR_INFOBK)),
      m_bFade(1),
      m_nFadeTime(300),
      m_nLastX(0),
      m_nLastY(0),
      m_bVisible(0),
      m_nLayouts(0) {}

CTooltipWindow::~CTooltipWindow() {
  RemoveAllLines();
  if (::IsWindow(m_hWnd)) DestroyWindow();
}

bool CTooltipWindow::Create() {
  if (m_pOwnerWindow == nullptr || ::IsWindow(m_hWnd)) return false;
  LPCTSTR windowClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, NULL,
                                            reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), NULL);
  if (!CreateEx(WS_EX_LAYERED, windowClass, "", WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                CRect(0, 0, 0, 0), m_pOwnerWindow, 0))
    return false;
  SetOpacity(kFullOpacity);
  m_offScreen.m_hWnd = m_hWnd;
  ShowWindow(SW_HIDE);
  return true;
}

bool CTooltipWindow::AddText(const CTesselString& text) {
  const int length = text.GetLength();
  if (length <= kMaxLineLength) return m_lines.AddTail(new CTesselString(text));
  bool added = false;
  for (int first = 0; first < length; first += kMaxLineLength + 1) {
    int last = first + kMaxLineLength;
    if (last > length - 1) last = length - 1;
    added = m_lines.AddTail(new CTesselString(text.Mid(first, last))) || added;
  }
  return added;
}

void CTooltipWindow::RemoveAllLines() {
  for (void* line = m_lines.IterateFirst(); line != nullptr; line = m_lines.IterateNext())
    delete static_cast<CTesselString*>(line);
  m_lines.IterateEnd();
  m_lines.RemoveAll();
}

CTesselString CTooltipWindow::GetLine(int index) {
  CTesselString* line = static_cast<CTesselString*>(m_lines.GetAt(index));
  return line != nullptr ? *line : CTesselString();
}

const char* CTooltipWindow::GetFaceName() {
  bool foreign = false;
  for (void* line = m_lines.IterateFirst(); line != nullptr && !foreign; line = m_lines.IterateNext())
    foreign = HoldsNonAscii(*static_cast<CTesselString*>(line));
  m_lines.IterateEnd();
  return foreign ? "MS Mincho" : "Tahoma";
}

HFONT CTooltipWindow::CreateTooltipFont() {
  LOGFONTA font = {};
  font.lfHeight = -11;
  font.lfWeight = 500;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = CLEARTYPE_QUALITY;
  lstrcpynA(font.lfFaceName, GetFaceName(), LF_FACESIZE);
  return ::CreateFontIndirectA(&font);
}

SIZE CTooltipWindow::MeasureLine(HDC dc, CTesselString& line) {
  SIZE size = {0, kEmptyLineHeight};
  if (line.IsEmpty()) return size;
  if (line.IsWide()) {
    const wchar_t* text = line.GetWideText();
    ::GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
  } else {
    const char* text = line.GetText();
    ::GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
  }
  return size;
}

bool CTooltipWindow::ShowAt(POINT anchor, bool above) {
  if (!::IsWindow(m_hWnd)) return false;
  if (anchor.x == m_nLastX && anchor.y == m_nLastY) {
    if (m_bVisible != 0) RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    return true;
  }
  m_offScreen.Create();
  m_nLastX = anchor.x;
  m_nLastY = anchor.y;
  ++m_nLayouts;
  int height = 0, widest = 0;
  {
    CTKScopedFont font(CreateTooltipFont());
    HDC dc = m_offScreen.GetMemoryDC();
    CTKSelectGuard select(dc, font.Get());
    for (void* line = m_lines.IterateFirst(); line != nullptr; line = m_lines.IterateNext()) {
      SIZE size = MeasureLine(dc, *static_cast<CTesselString*>(line));
      height += size.cy;
      if (size.cx > widest) widest = size.cx;
    }
    m_lines.IterateEnd();
  }
  m_offScreen.Release();
  const int width = GetWindowWidth(widest);
  const int top = above ? anchor.y - height - kPadding : anchor.y;
  MoveWindow(anchor.x, top, width, height + kPadding, FALSE);
  Show(true);
  ::BringWindowToTop(m_hWnd);
  return true;
}

bool CTooltipWindow::Show(bool show) {
  if (!::IsWindow(m_hWnd)) return false;
  if (show) {
    const bool wasVisible = m_bVisible != 0;
    ShowWindow(SW_SHOWNORMAL);
    m_bVisible = 1;
    if (m_bFade != 0 && !wasVisible) Fade(true);
    return true;
  }
  if (m_bFade != 0) Fade(false);
  ShowWindow(SW_HIDE);
  m_bVisible = 0;
  m_nLastX = 0;
  m_nLastY = 0;
  return true;
}

void CTooltipWindow::SetOpacity(int percent) {
  if (percent < kFadedOpacity || percent > kFullOpacity) return;
  ::SetLayeredWindowAttributes(m_hWnd, 0, static_cast<BYTE>(percent * 255 / 100), LWA_ALPHA);
}

// The fade blocks the UI thread for its whole time, repainting at every step.
void CTooltipWindow::Fade(bool in) {
  if (m_bVisible == 0 || m_nFadeTime <= 0) return;
  const int64_t start = GetCurrentUtcTime();
  for (;;) {
    const int64_t elapsed = GetElapsedMilliseconds(start, GetCurrentUtcTime());
    if (elapsed >= m_nFadeTime) break;
    const double fraction = static_cast<double>(elapsed) / m_nFadeTime;
    const int step = static_cast<int>(kFadeSpan * fraction);
    SetOpacity(in ? kFadedOpacity + step : kFullOpacity - step);
    Invalidate();
    UpdateWindow();
    ::Sleep(static_cast<DWORD>(m_nFadeTime / kFadeSpan));
  }
  SetOpacity(in ? kFullOpacity : kFadedOpacity);
}
