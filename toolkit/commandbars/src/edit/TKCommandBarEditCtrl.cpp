// CTKCommandBarEditCtrl and CTKControlEditCtrl: the edit windows of fields.
#include "commandbars/TKControlEdit.h"

#include <richedit.h>

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKPaintManager.h"
#include "common/TKRichRender.h"

IMPLEMENT_DYNAMIC(CTKCommandBarEditCtrl, CEdit)

BEGIN_MESSAGE_MAP(CTKCommandBarEditCtrl, CEdit)
  ON_MESSAGE(WM_IME_STARTCOMPOSITION, OnImeStartComposition)
  ON_MESSAGE(WM_IME_ENDCOMPOSITION, OnImeEndComposition)
  ON_WM_KILLFOCUS()
  ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {

/// The newest rich-edit class of the system, found once.
struct TK_RICHEDIT_CLASS {
  BOOL bFound;
  CString strClass;
  BOOL bVersion20;
};

const TK_RICHEDIT_CLASS& GetRichEditClass() {
  static const TK_RICHEDIT_CLASS info = [] {
    TK_RICHEDIT_CLASS result = {FALSE, CString(), FALSE};
    int nIndex = 0;
    WNDCLASSA wc = {};
    if (FindRichEditClass(FALSE, 2, nIndex, wc)) {
      result.bFound = TRUE;
      result.strClass = wc.lpszClassName;
      result.bVersion20 = nIndex >= 1;
    }
    return result;
  }();
  return info;
}

BOOL g_bPlainEdit = FALSE;

// Plain text with a single level of undo.
const WPARAM kPlainTextMode = TM_PLAINTEXT | TM_SINGLELEVELUNDO;

}  // namespace

CTKCommandBarEditCtrl::CTKCommandBarEditCtrl()
    : m_bComposing(FALSE),
      m_bSuppressChange(FALSE),
      m_bRichEdit(FALSE),
      m_bRichEdit20(FALSE),
      m_bOnGlass(FALSE) {}

void AFX_CDECL CTKCommandBarEditCtrl::UsePlainEdit(BOOL bPlain) { g_bPlainEdit = bPlain; }

BOOL CTKCommandBarEditCtrl::CreateEdit(DWORD dwStyle, CWnd* pParentWnd) {
  const TK_RICHEDIT_CLASS& richEdit = GetRichEditClass();
  const CRect rcEmpty(0, 0, 0, 0);
  if (richEdit.bFound && !g_bPlainEdit &&
      CWnd::Create(richEdit.strClass, NULL, dwStyle | ES_NOOLEDRAGDROP, rcEmpty, pParentWnd, 0)) {
    m_bRichEdit = TRUE;
    m_bRichEdit20 = richEdit.bVersion20;
    SendMessage(EM_SETEVENTMASK, 0, ENM_CHANGE);
    SendMessage(EM_SETTEXTMODE, kPlainTextMode, 0);
    return TRUE;
  }
  m_bRichEdit = m_bRichEdit20 = FALSE;
  return CEdit::Create(dwStyle, rcEmpty, pParentWnd, 0);
}

void CTKCommandBarEditCtrl::ApplyCharFormat(CHARFORMAT2A& cf) {
  if (m_hWnd == NULL || !m_bRichEdit) return;
  cf.cbSize = m_bRichEdit20 ? sizeof(CHARFORMAT2A) : sizeof(CHARFORMATA);
  SendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
  SendMessage(EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(cf.crBackColor));
}

void CTKCommandBarEditCtrl::SetEditText(const CString& strText) {
  m_bSuppressChange = TRUE;
  SetWindowText("");
  m_bSuppressChange = FALSE;
  SetWindowText(strText);
}

LRESULT CTKCommandBarEditCtrl::OnImeStartComposition(WPARAM, LPARAM) {
  const LRESULT lResult = Default();
  m_bComposing = TRUE;
  return lResult;
}

LRESULT CTKCommandBarEditCtrl::OnImeEndComposition(WPARAM, LPARAM) {
  const LRESULT lResult = Default();
  m_bComposing = FALSE;
  return lResult;
}

void CTKCommandBarEditCtrl::OnKillFocus(CWnd* pNewWnd) {
  CEdit::OnKillFocus(pNewWnd);
  m_bComposing = FALSE;
}

void CTKCommandBarEditCtrl::OnPaint() {
  Default();
  if (!m_bOnGlass) return;
  // The edit window paints without alpha, which glass would show through.
  CTKCommandBar* pBar = DYNAMIC_DOWNCAST(CTKCommandBar, GetParent());
  CTKPaintManager* pPaintManager = pBar != nullptr ? pBar->GetPaintManager() : nullptr;
  if (pPaintManager == nullptr) return;
  CClientDC dc(this);
  CRect rc;
  GetClientRect(&rc);
  pPaintManager->MakeRectOpaque(&dc, rc);
}

// Edit commands ---------------------------------------------------------------------------

BOOL CTKCommandBarEditCtrl::IsEditCommandEnabled(UINT nId) const {
  const BOOL bCopy = nId == ID_EDIT_COPY;
  const BOOL bCut = nId == ID_EDIT_CUT;
  const BOOL bPaste = nId == ID_EDIT_PASTE;
  if (!bCopy && !bCut && !bPaste) return TRUE;
  if (bCopy || bCut) {
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    if (nStart == nEnd) return FALSE;
  }
  if ((bCut || bPaste) && (GetStyle() & (ES_READONLY | WS_DISABLED)) != 0) return FALSE;
  if (bPaste && !::IsClipboardFormatAvailable(CF_TEXT)) return FALSE;
  return TRUE;
}

BOOL CTKCommandBarEditCtrl::OnCommand(WPARAM wParam, LPARAM) {
  switch (LOWORD(wParam)) {
    case ID_EDIT_COPY: SendMessage(WM_COPY); return TRUE;
    case ID_EDIT_CUT: SendMessage(WM_CUT); return TRUE;
    case ID_EDIT_PASTE: SendMessage(WM_PASTE); return TRUE;
    default: return FALSE;
  }
}

BOOL CTKCommandBarEditCtrl::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO*) {
  const BOOL bEditId = nID == ID_EDIT_COPY || nID == ID_EDIT_CUT || nID == ID_EDIT_PASTE;
  if (nCode == CN_UPDATE_COMMAND_UI && bEditId && pExtra != nullptr) {
    static_cast<CCmdUI*>(pExtra)->Enable(IsEditCommandEnabled(nID));
    return TRUE;
  }
  return FALSE;
}

int CTKCommandBarEditCtrl::TranslateEditKey(UINT nChar) {
  const BOOL bCtrl = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
  const BOOL bClipboardKey = bCtrl && (nChar == 'C' || nChar == 'V' || nChar == 'X' || nChar == 'Z');
  if (!bClipboardKey && nChar != VK_BACK && !(nChar >= VK_PRIOR && nChar <= VK_DELETE)) return 2;
  MSG msg = {m_hWnd, WM_KEYDOWN, nChar, 0, 0, {0, 0}};
  ::IsDialogMessageA(m_hWnd, &msg);
  return 1;
}

// CTKControlEditCtrl ---------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CTKControlEditCtrl, CTKCommandBarEditCtrl)
  ON_WM_SETFOCUS()
  ON_WM_KILLFOCUS()
  ON_WM_KEYDOWN()
  ON_WM_DESTROY()
  ON_CONTROL_REFLECT(EN_CHANGE, OnChange)
END_MESSAGE_MAP()

void CTKControlEditCtrl::OnSetFocus(CWnd* pOldWnd) {
  if (m_pControl == nullptr || m_pControl->IsCustomizeMode()) {
    CTKCommandBarEditCtrl::OnSetFocus(pOldWnd);
    return;
  }
  m_pControl->OnSetFocus(pOldWnd);
  CTKCommandBarEditCtrl::OnSetFocus(pOldWnd);
  SetSel(0, 0);
  PostMessage(EM_SETSEL, 0, -1);
}

void CTKControlEditCtrl::OnKillFocus(CWnd* pNewWnd) {
  CTKCommandBarEditCtrl::OnKillFocus(pNewWnd);
  if (m_pControl != nullptr) m_pControl->OnKillFocus();
}

void CTKControlEditCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar == VK_RETURN && ::GetFocus() == m_hWnd && m_pControl != nullptr) {
    m_pControl->OnExecute();
    return;
  }
  CTKCommandBarEditCtrl::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CTKControlEditCtrl::OnDestroy() {
  // The text outlives the window: the next layout makes a new one with it.
  if (m_pControl != nullptr) m_pControl->m_text.Keep(this);
  CTKCommandBarEditCtrl::OnDestroy();
}

void CTKControlEditCtrl::OnChange() {
  if (m_pControl == nullptr) return;
  m_pControl->m_text.MarkStale();
  if (::GetFocus() == m_hWnd && !m_bSuppressChange) m_pControl->OnEditChanged();
  SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
  UpdateCharFormat();
}

void CTKControlEditCtrl::UpdateCharFormat() {
  if (m_pControl == nullptr || m_hWnd == NULL || !m_bRichEdit) return;
  CHARFORMAT2A cf;
  m_pControl->GetEditCharFormat(cf);
  ApplyCharFormat(cf);
}
