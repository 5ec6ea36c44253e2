// CTKResourceImages: the theme INI text, its lines and its typed values.
#include "common/TKResourceImages.h"

#include <stdio.h>
#include <stdlib.h>

namespace {

/// Section and key never contain a carriage return (it ends every line), so
/// it joins them without letting ("Ribbon", "ComboBoxBackground") meet
/// ("RibbonComboBox", "Background").
const char kKeySeparator = '\r';

/// ASCII letters only: bytes above 127 keep their value, as the run-time's
/// upper-casing of a negative char leaves them.
char UpperAscii(char ch) { return (ch >= 'a' && ch <= 'z') ? (char)(ch - 'a' + 'A') : ch; }

}  // namespace

CString CTKResourceImages::MakeValueKey(LPCSTR lpszSection, LPCSTR lpszKey) {
  CString strKey;
  for (LPCSTR p = lpszSection; *p != 0; ++p) strKey += UpperAscii(*p);
  strKey += kKeySeparator;
  for (LPCSTR p = lpszKey; *p != 0; ++p) strKey += UpperAscii(*p);
  return strKey;
}

UINT CTKResourceImages::GetKeyHash(LPCSTR lpszSection, LPCSTR lpszKey) {
  if (lpszSection == NULL || lpszKey == NULL) return 0;
  UINT nHash = 0;
  CString strKey = MakeValueKey(lpszSection, lpszKey);
  for (int i = 0; i < strKey.GetLength(); ++i) nHash = nHash * 33 + (UINT)(int)strKey[i];
  return nHash;
}

BOOL CTKResourceImages::ReadLine(CString& strLine, const char*& pos, const char* pEnd) {
  const char* p = pos;
  while (p < pEnd && *p != '\r') ++p;
  if (p >= pEnd) return FALSE;
  strLine = CString(pos, (int)(p - pos));
  ++p;
  if (p < pEnd && *p == '\n') ++p;
  pos = p;
  return TRUE;
}

void CTKResourceImages::ParseIniText(const char* pText, DWORD nSize) {
  if (pText == NULL) return;
  const char* pos = pText;
  const char* pEnd = pText + nSize;
  CString strSection;
  BOOL bHaveSection = FALSE;
  CString strLine;
  while (ReadLine(strLine, pos, pEnd)) {
    strLine.TrimLeft();
    if (strLine.IsEmpty() || strLine[0] == ';') continue;
    int nComment = strLine.Find(';');
    if (nComment > 0) strLine = strLine.Left(nComment);
    if (strLine[0] == '[') {
      strLine.TrimRight();
      strSection = strLine.GetLength() > 2 ? strLine.Mid(1, strLine.GetLength() - 2) : CString();
      bHaveSection = TRUE;
      continue;
    }
    int nEqual = strLine.Find('=');
    if (!bHaveSection || nEqual < 1) continue;
    CString strKey = strLine.Left(nEqual);
    strKey.TrimRight();
    CString strValue = strLine.Mid(nEqual + 1);
    strValue.Trim();
    m_mapValues.SetAt(MakeValueKey(strSection, strKey), strValue);
  }
}

CString CTKResourceImages::GetIniValue(LPCSTR lpszSection, LPCSTR lpszKey) const {
  CString strValue;
  if (lpszSection == NULL || lpszKey == NULL || *lpszSection == 0 || *lpszKey == 0 ||
      m_mapValues.IsEmpty())
    return strValue;
  m_mapValues.Lookup(MakeValueKey(lpszSection, lpszKey), strValue);
  return strValue;
}

COLORREF CTKResourceImages::GetIniColor(LPCSTR lpszSection, LPCSTR lpszKey,
                                        COLORREF clrDefault) const {
  CString strValue = GetIniValue(lpszSection, lpszKey);
  if (strValue.IsEmpty()) return clrDefault;
  if (strValue == "-1") return (COLORREF)-1;
  int r = 0, g = 0, b = 0;
  if (sscanf(strValue, "%i %i %i", &r, &g, &b) != 3) return 0;
  return RGB(r & 0xFF, g & 0xFF, b & 0xFF);
}

CRect CTKResourceImages::GetIniRect(LPCSTR lpszSection, LPCSTR lpszKey,
                                    const CRect& rcDefault) const {
  CString strValue = GetIniValue(lpszSection, lpszKey);
  if (strValue.IsEmpty()) return rcDefault;
  int l = 0, t = 0, r = 0, b = 0;
  if (sscanf(strValue, "%i %i %i %i", &l, &t, &r, &b) != 4) return CRect(0, 0, 0, 0);
  return CRect(l, t, r, b);
}

CSize CTKResourceImages::GetIniSize(LPCSTR lpszSection, LPCSTR lpszKey,
                                    const CSize& szDefault) const {
  CString strValue = GetIniValue(lpszSection, lpszKey);
  if (strValue.IsEmpty()) return szDefault;
  int cx = 0, cy = 0;
  if (sscanf(strValue, "%i %i", &cx, &cy) != 2) return CSize(0, 0);
  return CSize(cx, cy);
}

int CTKResourceImages::GetIniInt(LPCSTR lpszSection, LPCSTR lpszKey, int nDefault) const {
  CString strValue = GetIniValue(lpszSection, lpszKey);
  return strValue.IsEmpty() ? nDefault : atoi(strValue);
}

CString CTKResourceImages::GetIniString(LPCSTR lpszSection, LPCSTR lpszKey,
                                        LPCSTR lpszDefault) const {
  CString strValue = GetIniValue(lpszSection, lpszKey);
  return strValue.IsEmpty() ? CString(lpszDefault) : strValue;
}

// The theme functions answer with the default until a text is selected by
// name, so the unnamed default text never changes a look by accident.

COLORREF GetThemeIniColor(LPCSTR lpszSection, LPCSTR lpszKey, COLORREF clrDefault) {
  CTKResourceImages* pImages = TKResourceImages();
  if (pImages->GetIniName().IsEmpty()) return clrDefault;
  return pImages->GetIniColor(lpszSection, lpszKey, clrDefault);
}

int GetThemeIniInt(LPCSTR lpszSection, LPCSTR lpszKey, int nDefault) {
  CTKResourceImages* pImages = TKResourceImages();
  if (pImages->GetIniName().IsEmpty()) return nDefault;
  return pImages->GetIniInt(lpszSection, lpszKey, nDefault);
}

CRect GetThemeIniRect(LPCSTR lpszSection, LPCSTR lpszKey, const CRect& rcDefault) {
  CTKResourceImages* pImages = TKResourceImages();
  if (pImages->GetIniName().IsEmpty()) return rcDefault;
  return pImages->GetIniRect(lpszSection, lpszKey, rcDefault);
}

CSize GetThemeIniSize(LPCSTR lpszSection, LPCSTR lpszKey, const CSize& szDefault) {
  CTKResourceImages* pImages = TKResourceImages();
  if (pImages->GetIniName().IsEmpty()) return szDefault;
  return pImages->GetIniSize(lpszSection, lpszKey, szDefault);
}

CString GetThemeIniString(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszDefault) {
  CTKResourceImages* pImages = TKResourceImages();
  if (pImages->GetIniName().IsEmpty()) return CString(lpszDefault);
  return pImages->GetIniString(lpszSection, lpszKey, lpszDefault);
}
