// CTesselString. See TesselString.h for the length rule.
#include "foundation/TesselString.h"

#include <ctype.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>
#include <wctype.h>

#include <string>

#include "TesselChecksum.h"
#include "foundation/TextConversion.h"

namespace {

const char kEmptyText[1] = {0};
const wchar_t kEmptyWideText[1] = {0};

inline bool IsTrimChar(unsigned c) { return c == 9 || c == 10 || c == 13 || c == 32; }

// Case mapping of the C run-time's default ("C") locale: ASCII letters only.
inline unsigned char AsciiLower(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
}

// strnlen / wcsnlen, a word at a time (the run-time's are byte loops under Wine, and
// every append looks for the end of the old text): a word holds a zero character
// when subtracting one from each character borrows into a top bit that was clear.
template <typename Ch>
size_t ScanFor0(const Ch* s, size_t max) {
  const size_t perWord = sizeof(uint64_t) / sizeof(Ch);
  const uint64_t ones = sizeof(Ch) == 1 ? 0x0101010101010101ull : 0x0001000100010001ull;
  const uint64_t tops = ones << (8 * sizeof(Ch) - 1);
  size_t i = 0;
  for (; i + perWord <= max; i += perWord) {
    uint64_t w;
    memcpy(&w, s + i, sizeof w);
    if ((w - ones) & ~w & tops) break;
  }
  while (i < max && s[i]) ++i;
  return i;
}
size_t ScanText(const char* s, size_t max) { return ScanFor0(s, max); }
size_t ScanWideText(const wchar_t* s, size_t max) { return ScanFor0(s, max); }

// A heap copy of text that may live inside a buffer about to be freed.
template <typename Ch>
Ch* DupChars(const Ch* text, size_t n) {
  Ch* copy = static_cast<Ch*>(malloc((n + 1) * sizeof(Ch)));
  if (copy) {
    memcpy(copy, text, n * sizeof(Ch));
    copy[n] = 0;
  }
  return copy;
}
char* DupText(const char* text, size_t n) { return DupChars(text, n); }
wchar_t* DupWideText(const wchar_t* text, size_t n) { return DupChars(text, n); }

// Growable scratch text used by the single-pass replacements.
template <typename Ch>
struct Scratch {
  Ch* data = nullptr;
  size_t size = 0, cap = 0;
  bool ok = true;
  ~Scratch() { free(data); }
  void Put(const Ch* p, size_t n) {
    if (!ok) return;
    if (size + n + 1 > cap) {
      size_t want = cap ? cap * 2 : 64;
      while (want < size + n + 1) want *= 2;
      Ch* grown = static_cast<Ch*>(realloc(data, want * sizeof(Ch)));
      if (!grown) {
        ok = false;
        return;
      }
      data = grown;
      cap = want;
    }
    memcpy(data + size, p, n * sizeof(Ch));
    size += n;
    data[size] = 0;
  }
};

}  // namespace

// ---------------------------------------------------------------- construction

CTesselString::CTesselString() : m_buffer(nullptr), m_capacity(0), m_wide(false) { Allocate(1); }

CTesselString::CTesselString(const CTesselString& other)
    : m_buffer(nullptr), m_capacity(0), m_wide(false) {
  // Same result as "empty, then Assign", without the throw-away one-byte buffer
  // when the source has text.
  if (other.GetLength() < 1 && !other.m_wide)
    Allocate(1);
  else
    Assign(other);
}

CTesselString::CTesselString(const CTesselString* other)
    : m_buffer(nullptr), m_capacity(0), m_wide(false) {
  Allocate(1);
  if (other) Assign(*other);
}

CTesselString::CTesselString(char c) : m_buffer(nullptr), m_capacity(0), m_wide(false) {
  if (c == 0) {
    Allocate(1);
  } else if (Allocate(2)) {
    m_buffer[0] = c;
  }
}

CTesselString::CTesselString(const char* text) : m_buffer(nullptr), m_capacity(0), m_wide(false) {
  if (!text || !SetText(text)) Allocate(1);
}

CTesselString::~CTesselString() {
  free(m_buffer);
  m_buffer = nullptr;
  m_capacity = 0;
  m_wide = false;
}

bool CTesselString::Allocate(int bytes) {
  Free();
  if (bytes <= 0) return false;
  char* block = static_cast<char*>(calloc(static_cast<size_t>(bytes), 1));
  if (!block) return false;
  m_buffer = block;
  m_capacity = bytes;
  return true;
}

bool CTesselString::Free() {
  bool had = m_buffer != nullptr;
  free(m_buffer);
  m_buffer = nullptr;
  m_capacity = 0;
  m_wide = false;
  return had;
}

bool CTesselString::SetText(const char* text) {
  if (!text) return false;
  size_t n = strlen(text);
  if (n >= 0x7FFFFFFF) return false;
  char* copy = nullptr;
  if (m_buffer && text >= m_buffer && text < m_buffer + m_capacity) {
    copy = DupText(text, n);  // the text lives in the buffer Allocate frees
    if (!copy) return false;
    text = copy;
  }
  bool ok = Allocate(static_cast<int>(n + 1)) && CopyTextIfFits(text);
  free(copy);
  return ok;
}

bool CTesselString::SetWideText(const wchar_t* text) {
  if (!text) return false;
  size_t n = wcslen(text);
  if (n >= 0x3FFFFFFF) return false;
  wchar_t* copy = nullptr;
  if (m_buffer && reinterpret_cast<const char*>(text) >= m_buffer &&
      reinterpret_cast<const char*>(text) < m_buffer + m_capacity) {
    copy = DupWideText(text, n);
    if (!copy) return false;
    text = copy;
  }
  bool ok = Allocate(static_cast<int>(2 * n + 2)) && CopyWideTextIfFits(text);
  free(copy);
  return ok;
}

bool CTesselString::CopyTextIfFits(const char* text) {
  if (!text || !m_buffer) return false;
  size_t n = strlen(text);
  if (n > static_cast<size_t>(GetLength())) return false;
  memcpy(m_buffer, text, n + 1);
  return true;
}

bool CTesselString::CopyWideTextIfFits(const wchar_t* text) {
  m_wide = true;  // set first, whether or not the copy happens
  if (!text || !m_buffer) return false;
  size_t n = wcslen(text);
  if (n > static_cast<size_t>(GetLength())) return false;
  memcpy(m_buffer, text, (n + 1) * sizeof(wchar_t));
  return true;
}

bool CTesselString::Assign(const CTesselString& other) {
  if (&other == this) return false;
  if (GetLength() < 1 && other.GetLength() < 1 && m_wide == other.m_wide) return true;
  Free();
  if (!other.m_buffer) return Allocate(1);
  if (!Allocate(other.m_capacity)) return false;
  // The source TEXT is copied (up to its terminator) into a buffer of the source
  // capacity; the capacity is kept, not shrunk.
  if (other.m_wide) {
    m_wide = true;
    size_t n = ScanWideText(reinterpret_cast<const wchar_t*>(other.m_buffer),
                            static_cast<size_t>(other.m_capacity) / 2);
    memcpy(m_buffer, other.m_buffer, n * sizeof(wchar_t));
  } else {
    memcpy(m_buffer, other.m_buffer, ScanText(other.m_buffer, other.m_capacity));
  }
  return true;
}

// ---------------------------------------------------------------- operator forms

CTesselString& CTesselString::AssignString(const CTesselString& other) {
  Assign(other);
  return *this;
}
CTesselString& CTesselString::AssignText(const char* text) {
  SetText(text);
  return *this;
}
CTesselString& CTesselString::AssignWideText(const wchar_t* text) {
  SetWideText(text);
  return *this;
}
CTesselString& CTesselString::AddText(const char* text) {
  if (text) AppendText(text);
  return *this;
}
CTesselString& CTesselString::AddString(CTesselString other) {
  Append(other);
  return *this;
}
CTesselString CTesselString::Concat(CTesselString other) const {
  CTesselString result(*this);
  result.Append(other);
  return result;
}

// ---------------------------------------------------------------- access

int CTesselString::GetLength() const {
  if (m_capacity <= 0) return 0;
  return m_capacity / CharSize() - 1;
}

int CTesselString::TextLength() const {
  int len = GetLength();
  if (!m_buffer || len <= 0) return 0;
  if (m_wide)
    return static_cast<int>(ScanWideText(reinterpret_cast<const wchar_t*>(m_buffer), len));
  return static_cast<int>(ScanText(m_buffer, len));
}

const char* CTesselString::GetText() {
  MakeNarrow(true);
  if (m_wide || !m_buffer) return kEmptyText;
  return m_buffer;
}

const wchar_t* CTesselString::GetWideText() {
  MakeWide();
  if (!m_wide || !m_buffer) return kEmptyWideText;
  return reinterpret_cast<const wchar_t*>(m_buffer);
}

char CTesselString::GetFirstChar() const {
  if (GetLength() < 1) return 0;
  return m_buffer[0];
}

char CTesselString::GetLastChar() const {
  int len = GetLength();
  if (len < 1) return 0;
  if (m_wide) return static_cast<char>(reinterpret_cast<const wchar_t*>(m_buffer)[len - 1] & 0xFF);
  return m_buffer[len - 1];
}

bool CTesselString::IsValidIndex(int i) const { return i >= 0 && i < GetLength(); }

uint64_t CTesselString::GetHash() const {
  if (m_capacity <= 0 || !m_buffer) return 0;
  return Crc64Update(m_buffer, m_capacity, -1, -1, false);
}

bool CTesselString::GrowTo(int n) {
  if (GetLength() >= n) return false;
  int cs = CharSize();
  if (n > 0x7FFFFFFF / cs - 1) return false;
  int newCapacity = (n + 1) * cs;
  char* block = static_cast<char*>(calloc(static_cast<size_t>(newCapacity), 1));
  if (!block) return false;
  if (m_buffer) memcpy(block, m_buffer, static_cast<size_t>(m_capacity));
  free(m_buffer);
  m_buffer = block;
  m_capacity = newCapacity;
  return IsValidIndex(n - 1);
}

bool CTesselString::Reserve(int n) {
  if (n <= 0) return false;
  GrowTo(n);
  return IsValidIndex(n - 1);
}

char* CTesselString::GetTextAt(int i) {
  if (i < 0) return nullptr;
  GrowTo(i + 1);
  if (!IsValidIndex(i)) return nullptr;
  return m_buffer + static_cast<size_t>(i) * CharSize();
}

wchar_t* CTesselString::GetWideTextAt(int i) {
  if (i < 0 || !m_wide) return nullptr;  // a narrow buffer has no wide character i
  GrowTo(i + 1);
  if (!IsValidIndex(i)) return nullptr;
  return reinterpret_cast<wchar_t*>(m_buffer) + i;
}

bool CTesselString::SetAt(int i, char c) {
  if (i < 0) return false;
  GrowTo(i + 1);
  if (!IsValidIndex(i)) return false;
  if (m_wide)
    reinterpret_cast<wchar_t*>(m_buffer)[i] = static_cast<unsigned char>(c);
  else
    m_buffer[i] = c;
  return true;
}

bool CTesselString::SetWideAt(int i, wchar_t c) {
  if (i < 0) return false;
  GrowTo(i + 1);
  if (!IsValidIndex(i)) return false;
  if (m_wide)
    reinterpret_cast<wchar_t*>(m_buffer)[i] = c;
  else
    m_buffer[i] = static_cast<char>(c);
  return true;
}

bool CTesselString::ShrinkToFit() {
  int n = TextLength();
  if (m_wide) {
    wchar_t* copy = DupWideText(reinterpret_cast<const wchar_t*>(m_buffer), n);
    if (copy) SetWideText(copy);
    free(copy);
  } else {
    char* copy = DupText(m_buffer ? m_buffer : kEmptyText, n);
    if (copy) SetText(copy);
    free(copy);
  }
  return true;
}

CTesselString CTesselString::Mid(int first, int last) const {
  CTesselString result;
  int len = GetLength();
  if (len < 1 || first < 0 || first >= len) return result;
  if (last == -1 || last >= len) last = len - 1;
  if (last < first) return result;
  int count = last - first + 1;
  int cs = CharSize();
  if (!result.Allocate((count + 1) * cs)) return result;
  memcpy(result.m_buffer, m_buffer + static_cast<size_t>(first) * cs,
         static_cast<size_t>(count) * cs);
  result.m_wide = m_wide;
  return result;
}

// ---------------------------------------------------------------- formatting

bool CTesselString::Format(const char* format, ...) {
  if (!format) return false;
  char text[4096];
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  // The run-time's _vsnprintf (Microsoft rules): -1 when the output does not fit.
  int written = _vsnprintf(text, sizeof(text) - 1, format, args);
  va_end(args);
  text[sizeof(text) - 1] = 0;
  if (written < 0) {
    // Longer than 4095 characters: truncated; a real formatting error: refused.
    if (_vscprintf(format, again) < 0)
      written = -1;
    else
      written = static_cast<int>(strlen(text));
  }
  va_end(again);
  if (written <= 0 || text[0] == 0) return false;
  return SetText(text);
}

bool CTesselString::FormatString(CTesselString format, ...) {
  if (format.GetLength() < 1) return false;
  va_list args;
  va_start(args, format);
  bool ok = false;
  if (!format.m_wide) {
    format.MakeNarrow(true);
    char text[8192];
    va_list again;
    va_copy(again, args);
    int written = _vsnprintf(text, sizeof(text) - 1, format.m_buffer, args);
    text[sizeof(text) - 1] = 0;
    if (written < 0)
      written = _vscprintf(format.m_buffer, again) < 0 ? -1 : static_cast<int>(strlen(text));
    va_end(again);
    if (written > 0 && text[0] != 0) ok = SetText(text);
  } else {
    format.MakeWide();
    const wchar_t* wideFormat = reinterpret_cast<const wchar_t*>(format.m_buffer);
    wchar_t text[4096];
    const size_t room = sizeof(text) / sizeof(text[0]);
    va_list again;
    va_copy(again, args);
    int written = _vsnwprintf(text, room - 1, wideFormat, args);
    text[room - 1] = 0;
    if (written < 0)
      written = _vscwprintf(wideFormat, again) < 0 ? -1 : static_cast<int>(wcslen(text));
    va_end(again);
    if (written > 0 && text[0] != 0) ok = SetWideText(text);
  }
  va_end(args);
  return ok;
}

bool CTesselString::LoadString(int id, HMODULE module) {
  if (id <= 0) return false;
  if (!module) module = GetModuleHandleA(nullptr);
  if (!module) return false;
  char text[4096];
  int n = ::LoadStringA(module, static_cast<UINT>(id), text, sizeof(text));
  if (n <= 0 || text[0] == 0) return false;
  return SetText(text);
}

// ---------------------------------------------------------------- width conversion

bool CTesselString::MakeNarrow(bool replaceControls) {
  if (!m_wide) return false;
  int n = TextLength();
  wchar_t* copy = DupWideText(m_buffer ? reinterpret_cast<const wchar_t*>(m_buffer) : L"", n);
  if (!copy) return false;
  Allocate(GetLength() + 1);  // now an empty narrow string
  if (replaceControls) {
    for (int i = 0; i < n; ++i) {
      wchar_t c = copy[i];
      if (c != 9 && c != 10 && c != 13 && !iswprint(c)) copy[i] = 32;
    }
  }
  const std::string utf8 = BytesFromWide(copy, static_cast<size_t>(n), CP_UTF8);
  free(copy);
  const int size = static_cast<int>(utf8.size());
  if (size < 1) return false;
  if (m_capacity < size + 1) Allocate(size + 1);
  if (m_capacity < size + 1) return false;
  memcpy(m_buffer, utf8.data(), utf8.size());
  FoldToAscii();
  return true;
}

bool CTesselString::MakeWide() {
  if (m_wide) return false;
  int len = GetLength();
  int n = TextLength();
  char* old = m_buffer;  // keep the narrow text while the buffer is re-allocated
  m_buffer = nullptr;
  m_capacity = 0;
  if (!Allocate(2 * len + 2)) {
    free(old);
    return false;
  }
  wchar_t* wide = reinterpret_cast<wchar_t*>(m_buffer);
  for (int i = 0; i < n; ++i) wide[i] = static_cast<unsigned char>(old[i]);  // same code
  free(old);
  m_wide = true;
  return true;
}

bool CTesselString::FoldToAscii() {
  if (m_wide || GetLength() < 1) return false;
  bool changed = false;
  int n = TextLength();
  bool anyHigh = false;
  for (int i = 0; i < n && !anyHigh; ++i) anyHigh = static_cast<unsigned char>(m_buffer[i]) >= 0x80;
  if (anyHigh) {  // every multi-byte row needs a byte >= 0x80
    static const char* const kRows[][2] = {
        {"\xE2\x80\xA6", "..."}, {"\xE2\x80\x93", "-"},  {"\xE2\x80\xA2", "O"},
        {"\xEF\x82\xA7", "\""},  {"\xE2\x80\x9C", "\""}, {"\xE2\x80\x9D", "\""},
    };
    for (const auto& row : kRows)
      if (ReplaceAllText(row[0], row[1], false)) changed = true;
  }
  n = TextLength();
  bool remains = false;
  for (int i = 0; i < n; ++i) {
    unsigned char b = static_cast<unsigned char>(m_buffer[i]);
    unsigned char to = b;
    if (b == 0x93 || b == 0x94)
      to = 0x22;
    else if (b == 0x91 || b == 0x92)
      to = 0x27;
    else if (b == 0x60 || b == 0xB4)
      to = 0x27;
    else if (b == 0x96)
      to = 0x2D;
    else if (b == 0x99)
      to = 0x27;
    if (to != b) {
      m_buffer[i] = static_cast<char>(to);
      changed = true;
    } else if (b >= 0x80) {
      remains = true;
    }
  }
  if (remains) {
    char* kept = static_cast<char*>(malloc(static_cast<size_t>(n) + 1));
    if (kept) {
      int k = 0;
      for (int i = 0; i < n; ++i)
        if (static_cast<unsigned char>(m_buffer[i]) < 0x80) kept[k++] = m_buffer[i];
      kept[k] = 0;
      CTesselString ascii(kept);
      free(kept);
      ascii.ShrinkToFit();
      Assign(ascii);
      changed = true;
    }
  }
  return changed;
}

bool CTesselString::HasNonAsciiChars() const {
  if (!m_wide) return false;
  int len = GetLength();
  const wchar_t* w = reinterpret_cast<const wchar_t*>(m_buffer);
  for (int i = 0; i < len; ++i)
    if (w[i] >= 0x80) return true;
  return false;
}

// ---------------------------------------------------------------- comparison and search

bool CTesselString::EqualsText(const char* text) const {
  if (m_wide || GetLength() < 1 || !text) return false;
  return strcmp(m_buffer, text) == 0;
}

bool CTesselString::Equals(const CTesselString& other) const {
  if (GetLength() != other.GetLength()) return false;
  if (GetLength() < 1) return true;
  if (m_wide != other.m_wide) {
    CTesselString converted(*this);
    if (other.m_wide)
      converted.MakeWide();
    else
      converted.MakeNarrow(true);
    return converted.m_capacity == other.m_capacity && converted.m_buffer &&
           memcmp(converted.m_buffer, other.m_buffer, other.m_capacity) == 0;
  }
  return m_capacity == other.m_capacity && memcmp(m_buffer, other.m_buffer, m_capacity) == 0;
}

int CTesselString::CompareNoCase(CTesselString& other) {
  bool selfEmpty = GetLength() < 1;
  bool otherEmpty = other.GetLength() < 1;
  if (selfEmpty) return otherEmpty ? 0 : -1;
  if (otherEmpty) return 1;
  if (m_wide) {
    other.MakeWide();
    const wchar_t* o = other.m_wide && other.m_buffer
                           ? reinterpret_cast<const wchar_t*>(other.m_buffer)
                           : kEmptyWideText;
    return _wcsicmp(reinterpret_cast<const wchar_t*>(m_buffer), o);
  }
  other.MakeNarrow(true);
  const char* o = !other.m_wide && other.m_buffer ? other.m_buffer : kEmptyText;
  return _stricmp(m_buffer, o);
}

int CTesselString::CompareNoCaseText(const char* text) {
  if (!text) return 0;
  MakeNarrow(true);
  CTesselString other(text);
  return CompareNoCase(other);
}

int CTesselString::FindChar(char c, int start) const {
  if (m_wide) return -1;
  int len = GetLength();
  if (start < 0 || start >= len) return -1;
  const void* hit = memchr(m_buffer + start, static_cast<unsigned char>(c), len - start);
  return hit ? static_cast<int>(static_cast<const char*>(hit) - m_buffer) : -1;
}

int CTesselString::FindWideChar(wchar_t c, int start) const {
  if (!m_wide) return -1;
  int len = GetLength();
  if (start < 0 || start >= len) return -1;
  const wchar_t* w = reinterpret_cast<const wchar_t*>(m_buffer);
  for (int i = start; i < len; ++i)
    if (w[i] == c) return i;
  return -1;
}

int CTesselString::Find(const char* pattern, int start, bool ignoreCase) const {
  if (m_wide) return -1;
  int len = GetLength();
  if (start < 0 || start >= len || !pattern) return -1;
  if (!ignoreCase) {
    const char* hit = strstr(m_buffer + start, pattern);
    return hit ? static_cast<int>(hit - m_buffer) : -1;
  }
  if (!*pattern) return -1;
  const unsigned char first = AsciiLower(static_cast<unsigned char>(*pattern));
  for (const char* s = m_buffer + start; *s; ++s) {
    if (AsciiLower(static_cast<unsigned char>(*s)) != first) continue;
    size_t k = 1;
    while (pattern[k] && s[k] &&
           AsciiLower(static_cast<unsigned char>(s[k])) ==
               AsciiLower(static_cast<unsigned char>(pattern[k])))
      ++k;
    if (!pattern[k]) return static_cast<int>(s - m_buffer);
  }
  return -1;
}

int CTesselString::FindWide(const wchar_t* pattern, int start, bool ignoreCase) const {
  if (!m_wide) return -1;
  int len = GetLength();
  if (len < 1 || start < 0 || start >= len || !pattern) return -1;
  const wchar_t* text = reinterpret_cast<const wchar_t*>(m_buffer);
  if (!ignoreCase) {
    const wchar_t* hit = wcsstr(text + start, pattern);
    return hit ? static_cast<int>(hit - text) : -1;
  }
  if (!*pattern) return -1;
  for (const wchar_t* s = text + start; *s; ++s) {
    size_t k = 0;
    for (; pattern[k] && s[k]; ++k) {
      wchar_t p = pattern[k];
      if (p < 0x80) {
        if (towlower(s[k]) != towlower(p)) break;
      } else if (s[k] != p) {
        break;
      }
    }
    if (!pattern[k]) return static_cast<int>(s - text);
  }
  return -1;
}

int CTesselString::FindString(const CTesselString& pattern, int start) const {
  if (pattern.m_wide)
    return FindWide(reinterpret_cast<const wchar_t*>(pattern.m_buffer), start, false);
  return Find(pattern.m_buffer, start, false);
}

int CTesselString::FindStringNoCase(const CTesselString& pattern, int start) const {
  if (pattern.m_wide)
    return FindWide(reinterpret_cast<const wchar_t*>(pattern.m_buffer), start, true);
  return Find(pattern.m_buffer, start, true);
}

int CTesselString::CountOccurrences(const CTesselString& pattern, bool ignoreCase) const {
  int step = pattern.GetLength();
  if (step < 1) return 0;
  int count = 0;
  int at = ignoreCase ? FindStringNoCase(pattern, 0) : FindString(pattern, 0);
  while (at >= 0) {
    ++count;
    at = ignoreCase ? FindStringNoCase(pattern, at + step) : FindString(pattern, at + step);
  }
  return count;
}

int CTesselString::CountNoCase(const CTesselString& pattern) const {
  return CountOccurrences(pattern, true);
}

bool CTesselString::HasLineBreak() const {
  int len = GetLength();
  if (m_wide) {
    const wchar_t* w = reinterpret_cast<const wchar_t*>(m_buffer);
    for (int i = 0; i < len; ++i)
      if (w[i] == 10 || w[i] == 13) return true;
    return false;
  }
  for (int i = 0; i < len; ++i)
    if (m_buffer[i] == 10 || m_buffer[i] == 13) return true;
  return false;
}

bool CTesselString::ContainsDigit() const {
  int len = GetLength();
  if (m_wide) {
    const wchar_t* w = reinterpret_cast<const wchar_t*>(m_buffer);
    for (int i = 0; i < len; ++i)
      if (iswdigit(w[i])) return true;
    return false;
  }
  for (int i = 0; i < len; ++i)
    if (isdigit(static_cast<unsigned char>(m_buffer[i]))) return true;
  return false;
}

// ---------------------------------------------------------------- editing

bool CTesselString::AppendText(const char* text) {
  if (!text || !*text) return false;
  MakeNarrow(true);
  size_t n = strlen(text);
  char* copy = nullptr;
  if (m_buffer && text >= m_buffer && text < m_buffer + m_capacity) {
    copy = DupText(text, n);  // appending (part of) itself: the buffer moves
    if (!copy) return false;
    text = copy;
  }
  size_t oldCapacity = m_buffer ? static_cast<size_t>(m_capacity) : 0;
  size_t at = m_buffer ? ScanText(m_buffer, oldCapacity) : 0;  // after the old text
  size_t newCapacity = m_buffer ? oldCapacity + n : n + 1;
  if (newCapacity < at + n + 1) newCapacity = at + n + 1;
  if (newCapacity > 0x7FFFFFFF) {
    free(copy);
    return false;
  }
  // Every append re-allocates; realloc keeps the old text in place.
  char* block = static_cast<char*>(realloc(m_buffer, newCapacity));
  if (!block) {
    Free();  // an append that cannot allocate loses the old text
    free(copy);
    return false;
  }
  memcpy(block + at, text, n);
  memset(block + at + n, 0, newCapacity - at - n);
  m_buffer = block;
  m_capacity = static_cast<int>(newCapacity);
  m_wide = false;
  free(copy);
  return true;
}

bool CTesselString::AppendWideText(const wchar_t* text) {
  if (!text) return false;
  MakeWide();
  if (!*text) return false;
  if (!m_wide) return false;
  size_t n = wcslen(text);
  wchar_t* copy = nullptr;
  if (m_buffer && reinterpret_cast<const char*>(text) >= m_buffer &&
      reinterpret_cast<const char*>(text) < m_buffer + m_capacity) {
    copy = DupWideText(text, n);
    if (!copy) return false;
    text = copy;
  }
  size_t oldCapacity = m_buffer ? static_cast<size_t>(m_capacity) : 0;
  size_t at =
      m_buffer ? ScanWideText(reinterpret_cast<const wchar_t*>(m_buffer), oldCapacity / 2) : 0;
  size_t newCapacity = m_buffer ? oldCapacity + 2 * n : 2 * n + 2;
  if (newCapacity < 2 * (at + n + 1)) newCapacity = 2 * (at + n + 1);
  if (newCapacity > 0x7FFFFFFF) {
    free(copy);
    return false;
  }
  char* block = static_cast<char*>(realloc(m_buffer, newCapacity));
  if (!block) {
    Free();
    free(copy);
    return false;
  }
  memcpy(block + 2 * at, text, 2 * n);
  memset(block + 2 * (at + n), 0, newCapacity - 2 * (at + n));
  m_buffer = block;
  m_capacity = static_cast<int>(newCapacity);
  m_wide = true;
  free(copy);
  return true;
}

bool CTesselString::Append(const CTesselString& other) {
  if (other.GetLength() < 1) return false;
  if (&other == this) {
    CTesselString copy(other);
    return Append(copy);
  }
  if (m_wide && !other.m_wide)
    MakeNarrow(true);
  else if (!m_wide && other.m_wide)
    MakeWide();
  if (other.m_wide) return AppendWideText(reinterpret_cast<const wchar_t*>(other.m_buffer));
  return AppendText(other.m_buffer);
}

bool CTesselString::AddTrailingBackslash() {
  if (GetLastChar() == '\\') return false;
  CTesselString backslash('\\');
  return Append(backslash);
}

bool CTesselString::MakeUpper() {
  int len = GetLength();
  if (len < 1) return false;
  if (m_wide) {
    wchar_t* w = reinterpret_cast<wchar_t*>(m_buffer);
    for (int i = 0; i < len; ++i) w[i] = towupper(w[i]);
  } else {
    for (int i = 0; i < len; ++i)
      m_buffer[i] = static_cast<char>(toupper(static_cast<unsigned char>(m_buffer[i])));
  }
  return true;
}

bool CTesselString::TrimLeft() {
  int len = GetLength();
  if (len < 1) return false;
  int i = 0;
  if (m_wide) {
    const wchar_t* w = reinterpret_cast<const wchar_t*>(m_buffer);
    while (i < len && IsTrimChar(w[i])) ++i;
  } else {
    while (i < len && IsTrimChar(static_cast<unsigned char>(m_buffer[i]))) ++i;
  }
  if (i == 0) return false;
  CTesselString rest = Mid(i, -1);  // empty when everything was trimmed
  Assign(rest);
  return true;
}

bool CTesselString::TrimRight() {
  int len = GetLength();
  if (len < 1) return false;
  int j = len - 1;
  if (m_wide) {
    const wchar_t* w = reinterpret_cast<const wchar_t*>(m_buffer);
    while (j >= 0 && IsTrimChar(w[j])) --j;
  } else {
    while (j >= 0 && IsTrimChar(static_cast<unsigned char>(m_buffer[j]))) --j;
  }
  if (j == len - 1) return false;
  if (j < 0) {
    SetText("");
    return true;
  }
  CTesselString kept = Mid(0, j);
  Assign(kept);
  return true;
}

// Replacement in one pass; the result equals a loop of Mid + SetText,
// each search resuming after the inserted replacement.
// Every occurrence of `pattern` (found by `find` from an index on) in `text`
// replaced, as one new text in `out`; false when there is none or memory ran out.
template <typename Ch, typename FindFn>
static bool ReplaceOccurrences(const Ch* text, int textLength, const Ch* pattern,
                               const Ch* replacement, FindFn find, Scratch<Ch>* out) {
  int at = find(0);
  if (at < 0) return false;
  const size_t patternLength = std::char_traits<Ch>::length(pattern);
  const size_t replacementLength = std::char_traits<Ch>::length(replacement);
  int from = 0;
  while (at >= 0) {
    out->Put(text + from, static_cast<size_t>(at - from));
    out->Put(replacement, replacementLength);
    from = at + static_cast<int>(patternLength);
    at = from < textLength ? find(from) : -1;
  }
  if (from < textLength) out->Put(text + from, static_cast<size_t>(textLength - from));
  return out->ok;
}

bool CTesselString::ReplaceAllText(const char* pattern, const char* replacement, bool ignoreCase) {
  if (!pattern || !replacement) return false;
  if (!*pattern) return false;  // an empty pattern would be found forever
  // The replacement may point into this string's own buffer.
  char* replacementCopy = DupText(replacement, strlen(replacement));
  if (!replacementCopy) return false;
  Scratch<char> out;
  bool replaced = ReplaceOccurrences<char>(
      m_buffer, TextLength(), pattern, replacementCopy,
      [&](int from) { return Find(pattern, from, ignoreCase); }, &out);
  free(replacementCopy);
  return replaced && SetText(out.data ? out.data : "");
}

bool CTesselString::ReplaceAllWideText(const wchar_t* pattern, const wchar_t* replacement,
                                       bool ignoreCase) {
  if (!pattern || !replacement) return false;
  if (!*pattern) return false;
  wchar_t* replacementCopy = DupWideText(replacement, wcslen(replacement));
  if (!replacementCopy) return false;
  Scratch<wchar_t> out;
  bool replaced = ReplaceOccurrences<wchar_t>(
      reinterpret_cast<const wchar_t*>(m_buffer), TextLength(), pattern, replacementCopy,
      [&](int from) { return FindWide(pattern, from, ignoreCase); }, &out);
  free(replacementCopy);
  return replaced && SetWideText(out.data ? out.data : L"");
}

bool CTesselString::Replace(CTesselString& pattern, CTesselString& replacement, bool ignoreCase,
                            int* count) {
  if (count) *count = 0;
  if (m_wide) {
    pattern.MakeWide();
    replacement.MakeWide();
  } else {
    pattern.MakeNarrow(true);
    replacement.MakeNarrow(true);
  }
  int found = CountOccurrences(pattern, ignoreCase);
  if (count) *count = found;
  if (found == 0) return false;
  bool ok;
  if (m_wide) {
    CTesselString p(pattern), r(replacement);  // safe when they alias the receiver
    ok = ReplaceAllWideText(p.GetWideText(), r.GetWideText(), ignoreCase);
  } else {
    CTesselString p(pattern), r(replacement);
    ok = ReplaceAllText(p.GetText(), r.GetText(), ignoreCase);
  }
  if (!ok && count) *count = 0;
  return ok;
}

// "%I64d" is the Microsoft run-time's scanner; GCC's format checker misreads it.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat"
bool CTesselString::ExtractInteger(int64_t* number, CTesselString& rest) const {
  if (&rest == this) {
    CTesselString copy(*this);
    return copy.ExtractInteger(number, rest);
  }
  if (number) *number = 0;
  rest.SetText("");
  if (GetLength() < 1) return false;
  int n = TextLength();
  bool seenDigit = false, closed = false;
  bool ok = false;
  if (m_wide) {
    const wchar_t* w = reinterpret_cast<const wchar_t*>(m_buffer);
    wchar_t* digits = static_cast<wchar_t*>(calloc(static_cast<size_t>(n) + 1, sizeof(wchar_t)));
    wchar_t* others = static_cast<wchar_t*>(calloc(static_cast<size_t>(n) + 1, sizeof(wchar_t)));
    if (digits && others) {
      int d = 0, o = 0;
      for (int i = 0; i < n; ++i) {
        wchar_t c = w[i];
        if (iswdigit(c)) {
          if (!closed) digits[d++] = c;
          seenDigit = true;
        } else {
          others[o++] = c;
          if (seenDigit && c != L' ' && c != L',' && c != L'.') closed = true;
        }
      }
      rest.SetWideText(others);
      long long value = 0;
      if (d > 0) {
        if (swscanf(digits, L"%I64d", &value) == 1 && number) *number = value;
        ok = true;
      }
    }
    free(digits);
    free(others);
  } else {
    char* digits = static_cast<char*>(calloc(static_cast<size_t>(n) + 1, 1));
    char* others = static_cast<char*>(calloc(static_cast<size_t>(n) + 1, 1));
    if (digits && others) {
      int d = 0, o = 0;
      for (int i = 0; i < n; ++i) {
        char c = m_buffer[i];
        if (isdigit(static_cast<unsigned char>(c))) {
          if (!closed) digits[d++] = c;
          seenDigit = true;
        } else {
          others[o++] = c;
          if (seenDigit && c != ' ' && c != ',' && c != '.') closed = true;
        }
      }
      rest.SetText(others);
      long long value = 0;
      if (d > 0) {
        if (sscanf(digits, "%I64d", &value) == 1 && number) *number = value;
        ok = true;
      }
    }
    free(digits);
    free(others);
  }
  return ok;
}
#pragma GCC diagnostic pop
