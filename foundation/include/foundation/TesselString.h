// CTesselString: the text type of the whole system.
// One object holds narrow (8-bit) or wide (16-bit) text in a malloc'd buffer.
// Nothing throws; failures are false, -1 or empty results.
//
// Length rule: length = capacity / character size - 1 (capacity in BYTES,
// terminator included), NOT the position of the first terminator.
#pragma once

#include <windows.h>
#include <stdint.h>
#include <stddef.h>

class CTesselString {
 public:
  // Construction and storage.
  CTesselString();                                     // empty narrow string, 1-byte buffer
  CTesselString(const CTesselString& other);           // empty, then Assign
  explicit CTesselString(const CTesselString* other);  // null: empty string
  CTesselString(char c);                               // 0: empty string
  CTesselString(const char* text);                     // SetText; null: empty string

  // Virtual operations, in slot order.
  virtual ~CTesselString();
  virtual bool SetWideText(const wchar_t* text);
  virtual bool SetText(const char* text);
  virtual bool Allocate(int bytes);
  virtual bool Free();
  virtual bool Assign(const CTesselString& other);
  virtual bool AppendWideText(const wchar_t* text);
  virtual bool AppendText(const char* text);
  virtual bool Append(const CTesselString& other);

  bool CopyTextIfFits(const char* text);
  bool CopyWideTextIfFits(const wchar_t* text);

  // Operator forms (each returns the string itself).
  CTesselString& AssignString(const CTesselString& other);  // Assign
  CTesselString& AssignText(const char* text);              // SetText
  CTesselString& AssignWideText(const wchar_t* text);       // SetWideText
  CTesselString& AddText(const char* text);                 // AppendText unless null
  CTesselString& AddString(CTesselString other);            // Append
  CTesselString Concat(CTesselString other) const;          // copy + Append

  CTesselString& operator=(const CTesselString& other) { return AssignString(other); }
  CTesselString& operator=(const char* text) { return AssignText(text); }
  CTesselString& operator=(const wchar_t* text) { return AssignWideText(text); }
  CTesselString& operator+=(const char* text) { return AddText(text); }
  CTesselString& operator+=(const CTesselString& other) { return AddString(other); }
  CTesselString operator+(const CTesselString& other) const { return Concat(other); }

  // Access.
  int GetLength() const;
  const char* GetText();         // converts a wide string to narrow IN PLACE
  const wchar_t* GetWideText();  // converts a narrow string to wide in place
  char GetFirstChar() const;
  char GetLastChar() const;
  bool IsValidIndex(int i) const;
  uint64_t GetHash() const;
  bool GrowTo(int n);
  bool Reserve(int n);
  char* GetTextAt(int i);
  wchar_t* GetWideTextAt(int i);
  bool SetAt(int i, char c);
  bool SetWideAt(int i, wchar_t c);
  bool ShrinkToFit();
  CTesselString Mid(int first, int last) const;

  // Small read-only helpers (no conversion).
  bool IsWide() const { return m_wide; }
  bool IsEmpty() const { return GetLength() < 1; }
  int GetCapacity() const { return m_capacity; }
  const void* GetBuffer() const { return m_buffer; }

  // Formatting and resources (Microsoft run-time printf rules: %I64d, %ls, ...).
  bool Format(const char* format, ...);
  bool FormatString(CTesselString format, ...);
  bool LoadString(int id, HMODULE module);  // windows.h may rename it LoadStringA

  // Width conversion.
  bool MakeNarrow(bool replaceControls);
  bool MakeWide();
  bool FoldToAscii();
  bool HasNonAsciiChars() const;

  // Comparison and search (indices; -1 = not found).
  bool EqualsText(const char* text) const;
  bool Equals(const CTesselString& other) const;
  int CompareNoCase(CTesselString& other);  // converts OTHER to this width
  int CompareNoCaseText(const char* text);  // converts THIS to narrow
  int FindChar(char c, int start) const;
  int FindWideChar(wchar_t c, int start) const;
  int Find(const char* pattern, int start, bool ignoreCase) const;
  int FindNoCase(const char* pattern, int start) const { return Find(pattern, start, true); }
  int FindWide(const wchar_t* pattern, int start, bool ignoreCase) const;
  int FindString(const CTesselString& pattern, int start) const;
  int FindStringNoCase(const CTesselString& pattern, int start) const;
  int CountNoCase(const CTesselString& pattern) const;
  bool HasLineBreak() const;
  bool ContainsDigit() const;

  // Editing.
  bool AddTrailingBackslash();
  bool MakeUpper();
  bool TrimLeft();
  bool TrimRight();
  bool ReplaceAllText(const char* pattern, const char* replacement, bool ignoreCase);
  bool ReplaceAllWideText(const wchar_t* pattern, const wchar_t* replacement, bool ignoreCase);
  bool Replace(CTesselString& pattern, CTesselString& replacement, bool ignoreCase, int* count);
  bool ExtractInteger(int64_t* number, CTesselString& rest) const;

 private:
  int CharSize() const { return m_wide ? 2 : 1; }
  int TextLength() const;  // characters up to the first terminator (bounded by the length)
  int CountOccurrences(const CTesselString& pattern, bool ignoreCase) const;

  char* m_buffer;
  int m_capacity;
  bool m_wide;
};
