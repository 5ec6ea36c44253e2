// CMessageBoxDialog: buttons, icon, font and answers by the flags, and the
// box's own painting.
#include "app/MessageBoxDialog.h"

#include "app/AppResources.h"
#include "common/TKScopedHandle.h"
#include "uilib/UIUtilities.h"

BEGIN_MESSAGE_MAP(CMessageBoxDialog, CNonResizableDialog)
  ON_WM_PAINT()
  ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
  ON_BN_CLICKED(IDC_MESSAGE_BUTTON1, OnButton1)
  ON_BN_CLICKED(IDC_MESSAGE_BUTTON2, OnButton2)
  ON_BN_CLICKED(IDC_MESSAGE_BUTTON3, OnButton3)
END_MESSAGE_MAP()

namespace {

/// One row of the button table: the captions and answers of buttons 1 to 3;
/// a caption of 0 leaves the button hidden and disabled.
struct ButtonSet {
  UINT captions[3];
  int answers[3];
};

const ButtonSet kOkSet = {{IDS_BUTTON_OK, 0, 0}, {IDOK, IDOK, IDOK}};

const ButtonSet& ButtonSetFor(UINT flags) {
  static const ButtonSet kOkCancel = {{IDS_BUTTON_OK, IDS_BUTTON_CANCEL, 0},
                                      {IDOK, IDCANCEL, IDOK}};
  static const ButtonSet kYesNoCancel = {{IDS_BUTTON_YES, IDS_BUTTON_NO, IDS_BUTTON_CANCEL},
                                         {IDYES, IDNO, IDCANCEL}};
  static const ButtonSet kYesNo = {{IDS_BUTTON_YES, IDS_BUTTON_NO, 0}, {IDYES, IDNO, IDOK}};
  switch (flags & 0x0F) {
    case MB_OKCANCEL:
      return kOkCancel;
    case MB_YESNOCANCEL:
      return kYesNoCancel;
    case MB_YESNO:
      return kYesNo;
    default:
      return kOkSet;
  }
}

const int kButtonIds[3] = {IDC_MESSAGE_BUTTON1, IDC_MESSAGE_BUTTON2, IDC_MESSAGE_BUTTON3};

}  // namespace

CMessageBoxDialog::CMessageBoxDialog(CWnd* pParent)
    : CNonResizableDialog(IDD_MESSAGE_BOX, pParent),
      m_nFlags(MB_ICONASTERISK),
      m_nResult(IDOK),
      m_nMaxWidth(600),
      m_bTopmost(0),
      m_pParent(pParent) {}

CMessageBoxDialog::~CMessageBoxDialog() { ClearLines(); }

void CMessageBoxDialog::ClearLines() {
  for (void* p = m_lines.IterateFirst(); p != NULL; p = m_lines.IterateNext())
    delete static_cast<CTesselString*>(p);
  m_lines.IterateEnd();
  m_lines.RemoveAll();
}

CTesselString CMessageBoxDialog::GetLine(int index) {
  CTesselString* line = static_cast<CTesselString*>(m_lines.GetAt(index));
  return line != NULL ? *line : CTesselString();
}

UINT CMessageBoxDialog::IconBitmapFor(UINT flags) {
  if ((flags & MB_ICONEXCLAMATION) == MB_ICONEXCLAMATION) return IDB_MESSAGE_WARNING;
  if (flags & MB_ICONASTERISK) return IDB_MESSAGE_INFORMATION;
  if (flags & MB_ICONQUESTION) return IDB_MESSAGE_QUESTION;
  if (flags & MB_ICONHAND) return IDB_MESSAGE_ERROR;
  return IDB_MESSAGE_INFORMATION;
}

int CMessageBoxDialog::DefaultButtonFor(UINT flags) {
  if (flags & MB_DEFBUTTON2) return IDC_MESSAGE_BUTTON2;
  if (flags & MB_DEFBUTTON3) return IDC_MESSAGE_BUTTON3;
  return IDC_MESSAGE_BUTTON1;
}

void CMessageBoxDialog::DoDataExchange(CDataExchange* pDX) {
  CNonResizableDialog::DoDataExchange(pDX);
  for (int i = 0; i < 3; ++i) DDX_Control(pDX, kButtonIds[i], m_buttons[i]);
}

BOOL CMessageBoxDialog::OnInitDialog() {
  CNonResizableDialog::OnInitDialog();
  m_caption.MakeWide();
  m_text.MakeWide();
  HIMAGELIST hIcon = NULL;
  CreateImageListFromBitmap(IconBitmapFor(m_nFlags), &hIcon, 32);
  if (hIcon != NULL) m_icon.Attach(hIcon);
  CreateTextFont();
  SetUpButtons();
  ::SetWindowTextW(m_hWnd, m_caption.GetWideText());
  WrapText();
  SizeToText();
  ArrangeButtons();
  const int defaultId = DefaultButtonFor(m_nFlags);
  SendMessage(DM_SETDEFID, defaultId, 0);
  ::SetFocus(::GetDlgItem(m_hWnd, defaultId));
  UpdateData(FALSE);
  CenterWindow(NULL);
  if (m_bTopmost) ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  return FALSE;
}

void CMessageBoxDialog::CreateTextFont() {
  LOGFONTA font = {};
  font.lfHeight = 13;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = CLEARTYPE_QUALITY;
  // The dialog font has no glyphs for most text beyond ASCII.
  const bool wide = m_text.HasNonAsciiChars() || m_caption.HasNonAsciiChars();
  lstrcpynA(font.lfFaceName, wide ? "MS Mincho" : "MS Shell Dlg", LF_FACESIZE);
  m_textFont.CreateFontIndirect(&font);
}

void CMessageBoxDialog::SetUpButtons() {
  const ButtonSet& set = ButtonSetFor(m_nFlags);
  for (int i = 0; i < 3; ++i) {
    CWnd* button = GetDlgItem(kButtonIds[i]);
    if (button == NULL) continue;
    button->EnableWindow(TRUE);
    if (set.captions[i] != 0) {
      CTesselString caption;
      caption.LoadString(static_cast<int>(set.captions[i]), AfxGetResourceHandle());
      button->SetWindowText(caption.GetText());
    }
    button->ShowWindow(set.captions[i] != 0 ? SW_SHOW : SW_HIDE);
    button->EnableWindow(set.captions[i] != 0);
  }
}

void CMessageBoxDialog::OnButton(int index) {
  m_nResult = IDOK;
  m_nResult = ButtonSetFor(m_nFlags).answers[index];
  OnOK();
}

void CMessageBoxDialog::OnCancel() {
  m_nResult = IDCANCEL;
  CNonResizableDialog::OnCancel();
}

void CMessageBoxDialog::OnPaint() {
  Default();
  CClientDC dc(this);
  DrawContent(dc.m_hDC);
  for (CButton& button : m_buttons) {
    if (button.m_hWnd != NULL && button.IsWindowVisible()) {
      button.Invalidate();
      button.UpdateWindow();
    }
  }
  ValidateRect(NULL);
}

LRESULT CMessageBoxDialog::OnPrintClient(WPARAM wParam, LPARAM) {
  const LRESULT result = Default();
  DrawContent(reinterpret_cast<HDC>(wParam));
  return result;
}

void CMessageBoxDialog::DrawContent(HDC hDC) {
  CTKSelectGuard font(hDC, m_textFont.m_hObject);
  if (m_icon.m_hImageList != NULL) {
    IMAGELISTDRAWPARAMS params = {};
    params.cbSize = sizeof(params);
    params.himl = m_icon.m_hImageList;
    params.i = 0;
    params.hdcDst = hDC;
    params.x = 12;
    params.y = 12;
    params.cx = 32;
    params.cy = 32;
    params.rgbBk = CLR_DEFAULT;
    params.rgbFg = CLR_DEFAULT;
    params.dwRop = SRCCOPY;
    ::ImageList_DrawIndirect(&params);
  }
  ::SetBkMode(hDC, TRANSPARENT);
  int y = 12;
  for (int i = 0; i < m_lines.GetCount(); ++i) {
    CTesselString* line = static_cast<CTesselString*>(m_lines.GetAt(i));
    ::TextOutW(hDC, 68, y, line->GetWideText(), line->GetLength());
    y += LineHeight(hDC, *line);
  }
}
