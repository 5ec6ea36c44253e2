// The letters of the keyboard tips: the caption's mnemonic letter, made
// unique among the tips with a second letter or a digit.
#include "commandbars/TKCommandBarKeyboardTip.h"

#include "commandbars/TKShortcutManager.h"
#include "common/TKOSVersionHelper.h"

namespace {

/// The first letter of the tip: the default tip, else the letter after the
/// mnemonic (the first one without), with its trail byte in a double-byte
/// code page.
CString FirstLetter(const CTKCommandBarKeyboardTip& tip) {
  if (!tip.m_strDefaultTip.IsEmpty()) return tip.m_strDefaultTip;
  const int nPos = FindMnemonicPos(tip.m_strCaption) + 1;
  if (nPos >= tip.m_strCaption.GetLength()) return CString();
  CString strLetter = tip.m_strCaption.Mid(nPos, 1);
  if (TKOSVersionHelper()->GetOEMCPMaxCharSize() > 1 &&
      ::IsDBCSLeadByte(static_cast<BYTE>(tip.m_strCaption[nPos])))
    strLetter = tip.m_strCaption.Mid(nPos, 2);
  return strLetter;
}

/// A second letter for a tip of one letter, from the caption: a following
/// word's first letter, else the first letter not used; 0 when every
/// letter is taken.
TCHAR SecondLetter(const CTKCommandBarKeyboardTip& tip, const CString& strUsed) {
  const CString& strCaption = tip.m_strCaption;
  for (int i = 1; i < strCaption.GetLength(); ++i)
    if (strCaption[i - 1] == ' ' && strUsed.Find(strCaption[i]) == -1) return strCaption[i];
  int nStart = !strCaption.IsEmpty() && strCaption[0] == '&' ? 1 : 0;
  if (nStart < strCaption.GetLength() && !tip.m_strTip.IsEmpty() &&
      strCaption[nStart] == tip.m_strTip[0])
    ++nStart;
  for (int i = nStart; i < strCaption.GetLength(); ++i)
    if (strUsed.Find(strCaption[i]) == -1) return strCaption[i];
  return 0;
}

void MakeUnique(CTKKeyboardTips& tips, int j) {
  const TCHAR chFirst = tips.GetAt(j)->m_strTip[0];
  CArray<CTKCommandBarKeyboardTip*, CTKCommandBarKeyboardTip*> group;
  group.Add(tips.GetAt(j));
  CString strUsed = "& ";
  for (int k = j + 1; k < tips.GetCount(); ++k) {
    CTKCommandBarKeyboardTip* pTip = tips.GetAt(k);
    if (pTip->m_strTip.IsEmpty() || pTip->m_strTip[0] != chFirst) continue;
    group.Add(pTip);
    if (pTip->m_strTip.GetLength() == 2) strUsed += pTip->m_strTip[1];
  }
  if (group.GetSize() < 2) return;
  int nCounter = 1;
  for (INT_PTR i = 0; i < group.GetSize(); ++i) {
    CTKCommandBarKeyboardTip* pTip = group[i];
    if (pTip->m_strTip.GetLength() > 1) continue;
    if (TCHAR ch = SecondLetter(*pTip, strUsed)) {
      strUsed += ch;
      pTip->m_strTip += ch;
      continue;
    }
    CString strDigit;
    strDigit.Format("%i", nCounter++);
    pTip->m_strTip += strDigit[0];
  }
}

}  // namespace

void AFX_CDECL TKAssignKeyboardTipTexts(CTKKeyboardTips& tips) {
  for (int i = tips.GetCount() - 1; i >= 0; --i) {
    CTKCommandBarKeyboardTip* pTip = tips.GetAt(i);
    if (pTip->m_bPreset) continue;
    pTip->m_strCaption.MakeUpper();
    pTip->m_strTip = pTip->m_strCaption.IsEmpty() ? CString() : FirstLetter(*pTip);
    // Without a caption there is no letter to type.
    if (pTip->m_strTip.IsEmpty()) tips.RemoveAt(i);
  }
  for (int j = 0; j < tips.GetCount(); ++j)
    if (!tips.GetAt(j)->m_strTip.IsEmpty()) MakeUnique(tips, j);
}
