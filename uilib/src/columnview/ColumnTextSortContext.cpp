// CColumnTextSortContext: parsing a cell into runs and comparing two keys.
#include "uilib/ColumnTextSortContext.h"

#include <stdlib.h>
#include <wctype.h>

#include "foundation/TimeUtilities.h"

namespace {
bool IsDigitAt(CTesselString& text, int index) {
  if (text.IsWide()) return iswdigit(*text.GetWideTextAt(index)) != 0;
  char c = *text.GetTextAt(index);
  return c >= '0' && c <= '9';
}
}  // namespace

CColumnTextSortContext::CColumnTextSortContext()
    : m_nTime(GetCurrentUtcTime()), m_bHasNumber(false), m_bIsTime(false) {}

CColumnTextSortContext::~CColumnTextSortContext() { ClearRuns(); }

void CColumnTextSortContext::ClearRuns() {
  for (int i = 0; i < m_runs.GetCount(); ++i) delete GetRun(i);
  m_runs.RemoveAll();
  m_bHasNumber = false;
}

bool CColumnTextSortContext::Reset() {
  m_nTime = GetCurrentUtcTime();
  m_bIsTime = false;
  bool hadRuns = m_runs.GetCount() > 0;
  ClearRuns();
  return hadRuns;
}

void CColumnTextSortContext::StoreRun(CTesselString& text, int first, int last, bool digits) {
  CTesselString run = text.Mid(first, last);
  if (!digits) {
    m_runs.AddTail(new CColumnTextSortContextElementText(run));
    return;
  }
  // Digits are read narrow: a wide run has only digits, which convert
  // losslessly. A run too long for 64 bits saturates, as the run-time does.
  const char* digitsText = run.GetText();
  if (digitsText == NULL || *digitsText == '\0') return;
  m_runs.AddTail(new CColumnTextSortContextElementNumber(_strtoi64(digitsText, NULL, 10)));
  m_bHasNumber = true;
}

bool CColumnTextSortContext::Parse(CTesselString text) {
  ClearRuns();
  int length = text.GetLength();
  if (length < 1) return false;
  int start = 0;
  bool digits = IsDigitAt(text, 0);
  for (int i = 1; i < length; ++i) {
    bool digit = IsDigitAt(text, i);
    if (digit == digits) continue;
    StoreRun(text, start, i - 1, digits);
    start = i;
    digits = digit;
  }
  StoreRun(text, start, length - 1, digits);
  return m_runs.GetCount() > 0;
}

int CColumnTextSortContext::Compare(CColumnTextSortContext* other) {
  if (other == this) return 0;
  if (other == NULL) return 1;
  if (m_bIsTime || other->m_bIsTime) {
    FILETIME a = {static_cast<DWORD>(m_nTime), static_cast<DWORD>(m_nTime >> 32)};
    FILETIME b = {static_cast<DWORD>(other->m_nTime), static_cast<DWORD>(other->m_nTime >> 32)};
    return CompareFileTime(&a, &b);
  }
  int count = m_runs.GetCount(), otherCount = other->m_runs.GetCount();
  if (count == 0 || otherCount == 0) return count == otherCount ? 0 : (count == 0 ? -1 : 1);
  for (int i = 0;; ++i) {
    if (i >= count || i >= otherCount) return i < count ? 1 : (i < otherCount ? -1 : 0);
    CColumnTextSortContextElementBase* mine = GetRun(i);
    CColumnTextSortContextElementBase* theirs = other->GetRun(i);
    if (mine->m_nKind != theirs->m_nKind)
      return mine->m_nKind == CColumnTextSortContextElementBase::kNumber ? -1 : 1;
    if (mine->m_nKind == CColumnTextSortContextElementBase::kNumber) {
      int64_t a = static_cast<CColumnTextSortContextElementNumber*>(mine)->m_nValue;
      int64_t b = static_cast<CColumnTextSortContextElementNumber*>(theirs)->m_nValue;
      if (a != b) return a < b ? -1 : 1;
      continue;
    }
    int r = static_cast<CColumnTextSortContextElementText*>(mine)->m_text.CompareNoCase(
        static_cast<CColumnTextSortContextElementText*>(theirs)->m_text);
    if (r != 0) return r;
  }
}

void CColumnTextSortContext::SetTimeFromText(CTesselString text) {
  m_nTime = ParseLocalDateTime(text);
  m_bIsTime = true;
}
