// The text forms of exchanged values: numbers, strings with escapes, dates,
// variants, rectangles, sizes and blobs as letters.
#include "common/TKPropExchange.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

// Stands for an escaped backslash while the other escapes are undone.
const char kBackslashMarker[] = "\x01\x01";
const double kSecondsPerDay = 86400.0;

CString IntegerText(VARTYPE vt, const void* pvProp) {
  // The value's own bytes in a zeroed word: a 16-bit -1 reads as 65535.
  unsigned int nWord = 0;
  memcpy(&nWord, pvProp, CTKPropExchange::GetVariantTypeSize(vt));
  CString strText;
  strText.Format("%i", nWord);
  return strText;
}

void IntegerFromText(VARTYPE vt, void* pvProp, LPCTSTR pszText) {
  int nValue = atoi(pszText);
  memcpy(pvProp, &nValue, CTKPropExchange::GetVariantTypeSize(vt));
}

BOOL VariantText(const COleVariant& var, CString& strText) {
  if (var.vt == VT_DATE) {
    strText = FormatExchangeDateTime(COleDateTime(var.date));
    return TRUE;
  }
  VARIANT varText;
  VariantInit(&varText);
  if (FAILED(VariantChangeTypeEx(&varText, const_cast<COleVariant*>(&var), 0, 0, VT_BSTR)))
    return FALSE;
  strText = CString(varText.bstrVal);
  VariantClear(&varText);
  return TRUE;
}

void VariantFromTextValue(COleVariant& var, LPCTSTR pszText) {
  COleDateTime dt;
  if (ParseExchangeDateTime(pszText, dt)) {
    var = dt;
  } else {
    var = pszText;
  }
}

}  // namespace

void AFXAPI EscapeExchangeString(CString& strValue, BOOL bLoading) {
  if (!bLoading) {
    strValue.Replace("\\", "\\\\");
    strValue.Replace("\n", "\\n");
    strValue.Replace("\r", "\\r");
    strValue.Replace("\t", "\\t");
    return;
  }
  if (strValue.Find('\\') < 0) return;
  strValue.Replace("\\\\", kBackslashMarker);
  strValue.Replace("\\n", "\n");
  strValue.Replace("\\r", "\r");
  strValue.Replace("\\t", "\t");
  strValue.Replace(kBackslashMarker, "\\");
}

void CTKPropExchange::EscapeString(CString& strValue) {
  EscapeExchangeString(strValue, IsLoading());
}

CString AFXAPI FormatExchangeDateTime(const COleDateTime& dt) {
  if (dt.GetStatus() == COleDateTime::null) return CString();
  if (dt.GetStatus() != COleDateTime::valid) return CString("Invalid DateTime");
  double dDays = static_cast<double>(dt.m_dt);
  double dWhole = static_cast<double>(static_cast<long long>(dDays));
  if (dWhole == 0) return dt.Format("%H:%M:%S");
  if (dDays == dWhole) return dt.Format("%Y-%d-%m");
  return dt.Format("%Y-%d-%mT%H:%M:%S");
}

BOOL AFXAPI ParseExchangeDateTime(LPCTSTR pszText, COleDateTime& dt) {
  if (pszText == nullptr) return FALSE;
  unsigned short year = 0, day = 0, month = 0, hour = 0, minute = 0, second = 0;
  int nFields =
      sscanf(pszText, "%hu-%hu-%huT%hu:%hu:%hu", &year, &day, &month, &hour, &minute, &second);
  if (nFields == 3 || nFields == 5 || nFields == 6) {
    if (nFields == 3) hour = minute = 0;
    if (nFields < 6) second = 0;
    COleDateTime result(year, month, day, hour, minute, second);
    // A date the conversion rolled over (31 April) is refused, not moved.
    if (result.GetStatus() != COleDateTime::valid || result.GetYear() != year ||
        result.GetMonth() != month || result.GetDay() != day || result.GetHour() != hour ||
        result.GetMinute() != minute || result.GetSecond() != second)
      return FALSE;
    dt = result;
    return TRUE;
  }
  hour = minute = second = 0;
  nFields = sscanf(pszText, "%hu:%hu:%hu", &hour, &minute, &second);
  if (nFields != 2 && nFields != 3) return FALSE;
  if (nFields == 2) second = 0;
  dt.m_dt = (hour * 3600 + minute * 60 + second) / kSecondsPerDay;
  dt.SetStatus(COleDateTime::valid);
  return TRUE;
}

CString AFXAPI EncodeBlobAsText(const BYTE* pData, DWORD cbData) {
  CString strText;
  if (pData == nullptr || cbData == 0) return strText;
  LPSTR p = strText.GetBufferSetLength(static_cast<int>(cbData * 2));
  for (DWORD i = 0; i < cbData; ++i) {
    p[i * 2] = static_cast<char>('A' + (pData[i] & 0x0F));
    p[i * 2 + 1] = static_cast<char>('A' + ((pData[i] >> 4) & 0x0F));
  }
  strText.ReleaseBuffer(static_cast<int>(cbData * 2));
  return strText;
}

BOOL AFXAPI DecodeBlobFromText(LPCTSTR pszText, BYTE** ppData, DWORD* pcbData) {
  if (pszText == nullptr || ppData == nullptr || pcbData == nullptr) return FALSE;
  size_t nLength = strlen(pszText);
  if (nLength == 0) {
    *pcbData = 0;
    return TRUE;
  }
  if (nLength % 2 != 0) return FALSE;
  DWORD cbData = static_cast<DWORD>(nLength / 2);
  BYTE* pData = *ppData;
  if (pData == nullptr) {
    pData = static_cast<BYTE*>(malloc(cbData));
    if (pData == nullptr) return FALSE;
  } else if (*pcbData < cbData) {
    return FALSE;
  }
  for (DWORD i = 0; i < cbData; ++i) {
    unsigned low = static_cast<BYTE>(pszText[i * 2]) - 'A';
    unsigned high = static_cast<BYTE>(pszText[i * 2 + 1]) - 'A';
    pData[i] = static_cast<BYTE>(low + 16 * high);
  }
  if (*ppData == nullptr) {
    *ppData = pData;
    *pcbData = cbData;
  }
  return TRUE;
}

BOOL CTKPropExchange::VariantFromText(VARTYPE vtProp, void* pvProp, const void* pvDefault,
                                      CString& strText) {
  if (pvProp == nullptr) return FALSE;
  switch (vtProp) {
    case VT_I2:
    case VT_I4:
    case VT_BOOL:
    case VT_UI1:
      if (IsStoring())
        strText = IntegerText(vtProp, pvProp);
      else
        IntegerFromText(vtProp, pvProp, strText);
      return TRUE;
    case VT_R4:
      if (IsStoring())
        strText.Format("%g", static_cast<double>(*static_cast<float*>(pvProp)));
      else
        *static_cast<float*>(pvProp) = static_cast<float>(strtod(strText, nullptr));
      return TRUE;
    case VT_R8:
      if (IsStoring())
        strText.Format("%g", *static_cast<double*>(pvProp));
      else
        *static_cast<double*>(pvProp) = strtod(strText, nullptr);
      return TRUE;
    case VT_DATE:
      if (IsStoring()) {
        strText = FormatExchangeDateTime(*static_cast<COleDateTime*>(pvProp));
        return TRUE;
      }
      return ParseExchangeDateTime(strText, *static_cast<COleDateTime*>(pvProp));
    case VT_VARIANT:
      if (IsStoring()) return VariantText(*static_cast<COleVariant*>(pvProp), strText);
      VariantFromTextValue(*static_cast<COleVariant*>(pvProp), strText);
      return TRUE;
    case VT_LPSTR:
      if (IsStoring()) {
        strText = *static_cast<CString*>(pvProp);
        EscapeString(strText);
      } else {
        CString strValue = strText;
        EscapeString(strValue);
        *static_cast<CString*>(pvProp) = strValue;
      }
      return TRUE;
    case VT_TK_RECT: {
      RECT* prc = static_cast<RECT*>(pvProp);
      if (IsStoring()) {
        strText.Format("%i, %i, %i, %i", static_cast<int>(prc->left), static_cast<int>(prc->top),
                       static_cast<int>(prc->right), static_cast<int>(prc->bottom));
        return TRUE;
      }
      int l, t, r, b;
      if (sscanf(strText, "%i, %i, %i, %i", &l, &t, &r, &b) == 4) {
        SetRect(prc, l, t, r, b);
        return TRUE;
      }
      return CopyDefaultValue(vtProp, pvProp, pvDefault);
    }
    case VT_TK_SIZE: {
      SIZE* psz = static_cast<SIZE*>(pvProp);
      if (IsStoring()) {
        strText.Format("%i, %i", static_cast<int>(psz->cx), static_cast<int>(psz->cy));
        return TRUE;
      }
      int cx, cy;
      if (sscanf(strText, "%i, %i", &cx, &cy) == 2) {
        psz->cx = cx;
        psz->cy = cy;
        return TRUE;
      }
      return CopyDefaultValue(vtProp, pvProp, pvDefault);
    }
    default:
      return FALSE;
  }
}
