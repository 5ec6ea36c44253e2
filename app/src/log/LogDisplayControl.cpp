// CLogDisplayControl: entries, creation and the update message.
#include "app/LogDisplayControl.h"

#include "app/AppDisplayOwner.h"
#include "app/AppRunResources.h"
#include "app/AppText.h"
#include "foundation/TimeUtilities.h"
#include "uilib/UIUtilities.h"

BEGIN_MESSAGE_MAP(CLogDisplayControl, CNativeDisplayControl)
  ON_WM_PAINT()
  ON_WM_SIZE()
  ON_WM_LBUTTONDOWN()
  ON_WM_HSCROLL()
  ON_WM_VSCROLL()
  ON_WM_MOUSEWHEEL()
  ON_WM_RBUTTONDOWN()
  ON_MESSAGE(WM_APP_LOGUPDATE, OnLogUpdate)
  ON_COMMAND(ID_CLEAR_LOG_DISPLAY, OnClearLogDisplay)
  ON_COMMAND(ID_COPY_LOG_TO_CLIPBOARD, OnCopyToClipboard)
  ON_UPDATE_COMMAND_UI(ID_CLEAR_LOG_DISPLAY, OnUpdateLogCommand)
  ON_UPDATE_COMMAND_UI(ID_COPY_LOG_TO_CLIPBOARD, OnUpdateLogCommand)
END_MESSAGE_MAP()

namespace {

COLORREF ColorOfKind(int kind) {
  switch (kind) {
    case LogFailure: return RGB(128, 0, 0);
    case LogSuccess: return RGB(0, 128, 0);
    case LogOutput: return RGB(0, 0, 0);
    default: return RGB(0, 0, 80);
  }
}

}  // namespace

CLogDisplayControlEntry::CLogDisplayControlEntry()
    : m_kind(LogStepStart), m_color(RGB(0, 0, 80)), m_time(GetCurrentUtcTime()) {}

CTesselString CLogDisplayControlEntry::GetTimeStamp() const {
  CTesselString clock = FormatTimeWithMilliseconds(m_time);
  if (clock.IsEmpty()) return clock;
  CTesselString stamp = FormatAppText(IDS_TIME_STAMP, clock);
  return stamp.IsEmpty() ? CTesselString("[").AddString(clock).AddText("]") : stamp;
}

CLogDisplayControl::CLogDisplayControl()
    : m_pOwner(nullptr),
      m_hIcons(NULL),
      m_firstVisible(0),
      m_offset(0),
      m_scale(1),
      m_clientHeight(0),
      m_updatePending(false) {
  SetBorder(false);
}

CLogDisplayControl::~CLogDisplayControl() {
  RemoveAllEntries();
  if (::IsWindow(m_horzBar.m_hWnd)) m_horzBar.DestroyWindow();
  if (::IsWindow(m_vertBar.m_hWnd)) m_vertBar.DestroyWindow();
  if (m_hIcons != NULL) ::ImageList_Destroy(m_hIcons);
}

bool CLogDisplayControl::AddEntry(int kind, const CTesselString& text) {
  CReentrantLockGuard guard(m_lock);
  std::unique_ptr<CLogDisplayControlEntry> entry(new (std::nothrow) CLogDisplayControlEntry);
  if (!entry) return false;
  entry->m_kind = kind;
  entry->m_text = text;
  entry->m_color = ColorOfKind(kind);
  try {
    m_entries.push_back(std::move(entry));
  } catch (const std::bad_alloc&) {
    return false;
  }
  ScrollToEnd();
  // One pending update covers every line added before it is handled: the
  // handler measures and paints whatever the list holds by then.
  if (!m_updatePending.exchange(true) &&
      !(::IsWindow(m_hWnd) && ::PostMessageA(m_hWnd, WM_APP_LOGUPDATE, 0, 0)))
    m_updatePending = false;
  return true;
}

bool CLogDisplayControl::AddCancelledEntry() {
  CTesselString text = LoadAppText(IDS_RUN_CANCELLED);
  return AddEntry(LogFailure, text.IsEmpty() ? CTesselString("Execution cancelled by user") : text);
}

bool CLogDisplayControl::RemoveAllEntries() {
  bool had;
  {
    CReentrantLockGuard guard(m_lock);
    had = !m_entries.empty();
    m_entries.clear();
    m_entries.shrink_to_fit();
  }
  if (::IsWindow(m_hWnd)) RedrawDisplay();
  return had;
}

int CLogDisplayControl::GetEntryCount() {
  CReentrantLockGuard guard(m_lock);
  return static_cast<int>(m_entries.size());
}

bool CLogDisplayControl::GetEntry(int index, CTesselString* text, int* kind, COLORREF* color) {
  CReentrantLockGuard guard(m_lock);
  if (index < 0 || index >= static_cast<int>(m_entries.size())) return false;
  const CLogDisplayControlEntry& entry = *m_entries[index];
  if (text) *text = entry.m_text;
  if (kind) *kind = entry.m_kind;
  if (color) *color = entry.m_color;
  return true;
}

bool CLogDisplayControl::CreateDisplay(CWnd* parent, int controlId) {
  if (!CNativeDisplayControl::CreateDisplay(parent, controlId)) return false;
  CRect client;
  GetClientRect(&client);
  m_clientHeight = client.Height();
  CreateScrollBars();
  CreateImageListFromBitmap(IDB_LOG_ICONS, &m_hIcons, 16);
  return true;
}

int CLogDisplayControl::ClientHeight() { return m_clientHeight; }

void CLogDisplayControl::ScrollToEnd() {
  const int rows = ClientHeight() / kRowHeight;
  const int count = static_cast<int>(m_entries.size());
  if (rows >= 1 && rows < count) m_firstVisible = count - rows + 1;
}

LRESULT CLogDisplayControl::OnLogUpdate(WPARAM, LPARAM) {
  // Cleared first: a line added while this runs posts the next update.
  m_updatePending = false;
  UpdateScrollRanges();
  UpdateScrollPositions();
  RedrawDisplay();
  return 0;
}

void CLogDisplayControl::OnLButtonDown(UINT, CPoint) {}
